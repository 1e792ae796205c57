#ifndef CLOOMWORKTR_H
#define CLOOMWORKTR_H

#include <QCoreApplication>

// The translation context of the shared library's own messages (libloomwork):
// texts that no fixed context claims are translated as CLoomworkTr::tr().
struct CLoomworkTr {
    Q_DECLARE_TR_FUNCTIONS(Loomwork)
};

#endif // CLOOMWORKTR_H
