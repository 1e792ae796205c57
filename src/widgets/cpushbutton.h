#ifndef CPUSHBUTTON_H
#define CPUSHBUTTON_H

#include "items/loomwork_global.h"

#include <QPushButton>

// The family's square tool button. Its type code tells a CButtonBar how to
// wire it (see Type); any other code leaves it unwired.
class LOOMWORK_EXPORT CPushButton : public QPushButton
{
    Q_OBJECT

public:
    // The type codes a CButtonBar wires. Hosts and device widgets of the
    // family exchange them as plain ints; 5 and 6 are the family's second
    // codes for the two writes and are wired the same way.
    enum Type {
        NoAction = 0,
        SingleRead = 1,
        CyclicRead = 2,
        SingleWrite = 3,
        CyclicWrite = 4,
        SingleWriteAlt = 5,
        CyclicWriteAlt = 6
    };

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
