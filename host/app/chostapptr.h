#ifndef CHOSTAPPTR_H
#define CHOSTAPPTR_H

#include <QCoreApplication>

// The translation context of the host application (loomwork-host): every text of it is
// translated as CHostAppTr::tr(), so the whole library is one context.
struct CHostAppTr {
    Q_DECLARE_TR_FUNCTIONS(LoomworkHostApp)
};

#endif // CHOSTAPPTR_H
