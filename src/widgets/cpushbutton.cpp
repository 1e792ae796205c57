#include "widgets/cpushbutton.h"

namespace {
const char *const buttonStyle =
    "QPushButton {background-color: #ffffff; border: 1px solid #a3a3a3; border-radius: 4px; }"
    "QPushButton:pressed { background-color: #ffd500; }"
    "QPushButton:checked { background-color: #ffd500; }"
    "QPushButton:disabled { background-color: #e4e4e4; }";
}

CPushButton::CPushButton(QWidget *parent)
    : QPushButton(parent)
    , m_type(0)
{
    setFlat(true);
    setStyleSheet(QString::fromLatin1(buttonStyle));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setMinimumSize(40, 40);
    setMaximumSize(40, 40);
    setIconSize(QSize(26, 26));
    // Owners enable their buttons once the device is ready.
    setEnabled(false);
}

int CPushButton::type() const
{
    return m_type;
}

void CPushButton::setType(int type)
{
    m_type = type;
}
