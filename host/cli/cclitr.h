#ifndef CCLITR_H
#define CCLITR_H

#include <QCoreApplication>

// The translation context of the command-line tool (loomwork-cli): every text of it is
// translated as CCliTr::tr(), so the whole library is one context.
struct CCliTr {
    Q_DECLARE_TR_FUNCTIONS(LoomworkCli)
};

#endif // CCLITR_H
