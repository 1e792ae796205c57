#ifndef CPARAMETERPROBLEM_H
#define CPARAMETERPROBLEM_H

#include <QList>
#include <QString>

// Why a value cannot go to the device or into the parameters: the parameter's
// object name and a sentence for the user that names the parameter, the
// value and what would be allowed.
struct CParameterProblem
{
    QString name;
    QString text;
    // A problem that keeps the rest of a parameter set from being usable
    // (another model, a parameter that governs others).
    bool blocksRest = false;
};

typedef QList<CParameterProblem> CParameterProblems;

#endif // CPARAMETERPROBLEM_H
