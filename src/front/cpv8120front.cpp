#include "front/cpv8120front.h"

#include "device/pv8120constants.h"
#include "device/pv8120status.h"
#include "ui_cpv8120front.h"
#include "widgets/cbuttonbar.h"
#include "widgets/cpushbutton.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPixmap>

namespace {

QString ledPicture(int state)
{
    switch (state) {
    case Pv8120::LedYellowWhite:
        return QStringLiteral(":/pv8120_pixmaps/led_yellow_white.png");
    case Pv8120::LedGreen:
        return QStringLiteral(":/pv8120_pixmaps/led_green.png");
    case Pv8120::LedYellowGreen:
        return QStringLiteral(":/pv8120_pixmaps/led_yellow_green.png");
    case Pv8120::LedYellowRed:
        return QStringLiteral(":/pv8120_pixmaps/led_yellow_red.png");
    case Pv8120::LedRed:
        return QStringLiteral(":/pv8120_pixmaps/led_red.png");
    default:
        return QStringLiteral(":/pv8120_pixmaps/led_white.png");
    }
}
} // namespace

CPV8120Front::CPV8120Front(QWidget *parent)
    : CBaseWidget(parent)
    , ui(new Ui::CPV8120Front)
    , buttonBar(nullptr)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("%1_Front").arg(Pv8120::deviceName));
    ui->l_caption->setText(tr("PV 8120"));
    setupButtonBar();
    fitDisplayFont();
}

CPV8120Front::~CPV8120Front()
{
    delete ui;
}

void CPV8120Front::setButtonsEnabled(bool state)
{
    for (CPushButton *button : readButtons()) {
        if (!state)
            button->setChecked(false);
        button->setEnabled(state);
    }
}

void CPV8120Front::updateToolTips()
{
    for (CPushButton *button : readButtons())
        button->setToolTip(readToolTip(button->isChecked()));
}

QString CPV8120Front::deviceName() const
{
    return tr("PV 8120");
}

void CPV8120Front::setDisplayType(int type)
{
    CPushButton *readButton = buttonBar->button(CPushButton::CyclicRead);
    if (type < 0 || type > 3)
        return;
    if (type <= 2) {
        ui->l_led->hide();
        ui->pb_up->hide();
        ui->pb_down->hide();
    }
    if (type <= 1)
        ui->l_lcd->hide();
    if (readButton)
        readButton->setVisible(type == 2);
}

void CPV8120Front::setDisplayLed(int state)
{
    ui->l_led->setPixmap(QPixmap(ledPicture(state)));
}

void CPV8120Front::setDisplayText(QString text)
{
    ui->l_lcd->setText(text);
}

void CPV8120Front::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    CBaseWidget::changeEvent(event);
}

// The form resets the window title, help text, key texts, the display
// placeholder and the caption; the caption then gets the device name.
void CPV8120Front::retranslate()
{
    ui->retranslateUi(this);
    ui->l_caption->setText(deviceName());
}

void CPV8120Front::setupButtonBar()
{
    buttonBar = new CButtonBar;
    auto *readButton = new CPushButton;
    readButton->setIcon(QIcon(QStringLiteral(":/svg-icons/icon_start.svg")));
    readButton->setCheckable(true);
    readButton->setType(CPushButton::CyclicRead);
    readButton->setToolTip(readToolTip(false));
    buttonBar->addButton(readButton);
    connect(buttonBar, &CButtonBar::readTriggered, this, &CPV8120Front::read);
    connect(readButton, &CPushButton::toggled, readButton,
            [readButton](bool checked) { readButton->setToolTip(readToolTip(checked)); });
    ui->horizontalLayout->addWidget(buttonBar);
}

// Shrinks the display font once until the placeholder fits with 10 px to
// spare. A size of 1 pt is the floor: QFont replaces smaller sizes by its
// default, so the loop would never end on a text that cannot fit.
void CPV8120Front::fitDisplayFont()
{
    QLabel *lcd = ui->l_lcd;
    const int room = lcd->width() - 10;
    while (QFontMetrics(lcd->font()).horizontalAdvance(lcd->text()) > room
           && lcd->font().pointSize() > 1) {
        lcd->setFont(QFont(lcd->font().family(), lcd->font().pointSize() - 1));
    }
}

QList<CPushButton *> CPV8120Front::readButtons() const
{
    QList<CPushButton *> result;
    for (CPushButton *button : buttonBar->buttons()) {
        if (button->type() == CPushButton::CyclicRead)
            result.append(button);
    }
    return result;
}

QString CPV8120Front::readToolTip(bool checked)
{
    return checked ? tr("Front Stop") : tr("Front Play");
}
