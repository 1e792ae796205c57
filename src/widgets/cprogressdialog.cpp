#include "widgets/cprogressdialog.h"

#include "ui_cprogressdialog.h"

#include <QEvent>

CProgressDialog::CProgressDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::CProgressDialog)
{
    ui->setupUi(this);
    ui->l_range->hide();
}

CProgressDialog::~CProgressDialog()
{
    delete ui;
}

void CProgressDialog::setRange(int minimum, int maximum)
{
    ui->pb_progress->setRange(minimum, maximum);
    showCounter(minimum, maximum);
}

void CProgressDialog::setRangeVisible(bool visible)
{
    ui->l_range->setVisible(visible);
}

void CProgressDialog::setProgress(int value)
{
    ui->pb_progress->setValue(value);
    showCounter(value, ui->pb_progress->maximum());
}

void CProgressDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

// The counter pattern is deliberately not translated here: only the
// language-change path shows the translated pattern.
void CProgressDialog::showCounter(int value, int maximum)
{
    ui->l_range->setText(QStringLiteral("%1 of %2").arg(value).arg(maximum));
}
