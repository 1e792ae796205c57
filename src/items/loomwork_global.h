#ifndef LOOMWORK_GLOBAL_H
#define LOOMWORK_GLOBAL_H

#include <QtCore/qglobal.h>

// Everything libloomwork exports is marked with LOOMWORK_EXPORT; all other
// symbols stay hidden.
#if defined(LOOMWORK_LIBRARY)
#  define LOOMWORK_EXPORT Q_DECL_EXPORT
#else
#  define LOOMWORK_EXPORT Q_DECL_IMPORT
#endif

#endif // LOOMWORK_GLOBAL_H
