// Entry point of the baseline module: a backend built with the collecting
// lookup, created and bound the way the plugin does it.
#include "backend/cpv8120backend.h"

extern "C" Q_DECL_EXPORT QObject *createBaselineBackend(QObject *parent)
{
    auto *backend = new CPV8120Backend(parent);
    backend->bindItems();
    return backend;
}
