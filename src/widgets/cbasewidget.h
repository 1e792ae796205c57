#ifndef CBASEWIDGET_H
#define CBASEWIDGET_H

#include "items/loomwork_global.h"

#include <QString>
#include <QWidget>

// Base class of every device widget a host shows. The host drives device
// widgets through these virtual operations; the defaults act on all button
// bars inside the widget.
class LOOMWORK_EXPORT CBaseWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CBaseWidget(QWidget *parent = nullptr);

    // Called by the host when the widget becomes the active device view. Does nothing here.
    virtual void activate();
    // Called by the host when the widget stops being the active device view. Does nothing here.
    virtual void deactivate();
    // Enables or disables the buttons of every button bar inside the widget.
    virtual void setButtonsEnabled(bool state);
    // Refreshes state-dependent tool tips. Does nothing here.
    virtual void updateToolTips();
    // Sets the cyclic interval (ms) of every button bar inside the widget.
    virtual void setCycleInterval(int interval);
    // The device name the widget stands for; here its object name.
    virtual QString deviceName() const;
};

#endif // CBASEWIDGET_H
