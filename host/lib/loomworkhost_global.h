#ifndef LOOMWORKHOST_GLOBAL_H
#define LOOMWORKHOST_GLOBAL_H

#include <QtCore/qglobal.h>

// Everything the host library exports is marked with LOOMWORKHOST_EXPORT;
// all other symbols stay hidden.
#if defined(LOOMWORKHOST_LIBRARY)
#  define LOOMWORKHOST_EXPORT Q_DECL_EXPORT
#else
#  define LOOMWORKHOST_EXPORT Q_DECL_IMPORT
#endif

#endif // LOOMWORKHOST_GLOBAL_H
