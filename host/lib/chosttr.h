#ifndef CHOSTTR_H
#define CHOSTTR_H

#include <QCoreApplication>

// The translation context of the host library (libloomworkhost): every text of it is
// translated as CHostTr::tr(), so the whole library is one context.
struct CHostTr {
    Q_DECLARE_TR_FUNCTIONS(LoomworkHost)
};

#endif // CHOSTTR_H
