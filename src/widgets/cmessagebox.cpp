#include "widgets/cmessagebox.h"

#include "ui_cmessagebox.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

CMessageBox::CMessageBox(int icon, const QString &title, const QString &text,
                         const QPixmap &pixmap, QDialogButtonBox::StandardButtons buttons,
                         QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
    , ui(new Ui::CMessageBox)
    , escapeButton(nullptr)
    , clickedButton(0)
{
    ui->setupUi(this);
    if (icon == NoIcon)
        ui->l_icon->resize(0, 0);
    else
        ui->l_icon->setPixmap(pixmap);
    setStandardButtons(buttons);
    ui->l_text->setText(text);
    setWindowTitle(title);
    connect(ui->buttonbox, &QDialogButtonBox::clicked, this, &CMessageBox::buttonClicked);
}

CMessageBox::~CMessageBox()
{
    delete ui;
}

int CMessageBox::information(QWidget *parent, const QString &title, const QString &text,
                             QDialogButtonBox::StandardButtons buttons)
{
    return run(parent, Information, title, text, buttons);
}

int CMessageBox::warning(QWidget *parent, const QString &title, const QString &text,
                         QDialogButtonBox::StandardButtons buttons)
{
    return run(parent, Warning, title, text, buttons);
}

int CMessageBox::critical(QWidget *parent, const QString &title, const QString &text,
                          QDialogButtonBox::StandardButtons buttons)
{
    return run(parent, Critical, title, text, buttons);
}

int CMessageBox::question(QWidget *parent, const QString &title, const QString &text,
                          QDialogButtonBox::StandardButtons buttons)
{
    return run(parent, Question, title, text, buttons);
}

QString CMessageBox::iconPicture(int icon)
{
    switch (icon) {
    case Information: return QStringLiteral(":/svg-icons/icon_info.svg");
    case Warning: return QStringLiteral(":/svg-icons/icon_warnung.svg");
    case Critical: return QStringLiteral(":/svg-icons/icon_kritische_warnung.svg");
    case Question: return QStringLiteral(":/svg-icons/icon_frage.svg");
    default: return QString();
    }
}

int CMessageBox::run(QWidget *parent, int icon, const QString &title, const QString &text,
                     QDialogButtonBox::StandardButtons buttons)
{
    CMessageBox box(icon, title, text, QPixmap(iconPicture(icon)), buttons, parent,
                    Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    return box.exec();
}

void CMessageBox::setStandardButtons(QDialogButtonBox::StandardButtons buttons)
{
    ui->buttonbox->setStandardButtons(buttons);
    escapeButton = findEscapeButton();
}

QDialogButtonBox::StandardButtons CMessageBox::standardButtons() const
{
    return ui->buttonbox->standardButtons();
}

void CMessageBox::setText(const QString &text)
{
    ui->l_text->setText(text);
}

QString CMessageBox::text() const
{
    return ui->l_text->text();
}

void CMessageBox::setIconPixmap(const QPixmap &pixmap)
{
    ui->l_icon->setPixmap(pixmap);
}

QPixmap CMessageBox::iconPixmap() const
{
    return ui->l_icon->pixmap(Qt::ReturnByValue);
}

void CMessageBox::closeEvent(QCloseEvent *event)
{
    QDialog::closeEvent(event);
    setResult(clickedButton != 0 ? clickedButton
                                 : int(ui->buttonbox->standardButton(escapeButton)));
}

// Escape stands for the escape button only; without one it does nothing
// rather than rejecting the dialog.
void CMessageBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape) {
        QDialog::keyPressEvent(event);
        return;
    }
    if (escapeButton)
        escapeButton->click();
    else
        event->ignore();
}

void CMessageBox::buttonClicked(QAbstractButton *button)
{
    clickedButton = int(ui->buttonbox->standardButton(button));
    done(clickedButton);
}

QAbstractButton *CMessageBox::findEscapeButton() const
{
    if (QAbstractButton *cancel = ui->buttonbox->button(QDialogButtonBox::Cancel))
        return cancel;
    const QList<QAbstractButton *> all = ui->buttonbox->buttons();
    if (all.size() == 1)
        return all.first();
    for (QDialogButtonBox::ButtonRole role : {QDialogButtonBox::RejectRole, QDialogButtonBox::NoRole}) {
        for (QAbstractButton *candidate : all) {
            if (ui->buttonbox->buttonRole(candidate) == role)
                return candidate;
        }
    }
    return nullptr;
}
