#ifndef CPUSHBUTTON_H
#define CPUSHBUTTON_H

#include "items/loomwork_global.h"

#include <QPushButton>

// The family's square tool button. Its type code tells a CButtonBar how to
// wire it: 1 single read, 2 cyclic read, 3/5 single write, 4/6 cyclic write,
// anything else no wiring.
class LOOMWORK_EXPORT CPushButton : public QPushButton
{
    Q_OBJECT

public:
    // Creates a flat, styled 40 x 40 button, disabled, with type code 0.
    explicit CPushButton(QWidget *parent = nullptr);

    // The type code; 0 unless setType() stored another one.
    int type() const;
    // Stores the type code. A bar that already holds the button is not rewired.
    void setType(int type);

private:
    int m_type;
};

#endif // CPUSHBUTTON_H
