#ifndef CPROGRESSDIALOG_H
#define CPROGRESSDIALOG_H

#include "items/loomwork_global.h"

#include <QDialog>

namespace Ui {
class CProgressDialog;
}

// The family's window-modal progress dialog: a caption, an optional
// "value of maximum" counter and a progress bar. It has no cancel button;
// its owner shows, updates and closes it.
class LOOMWORK_EXPORT CProgressDialog : public QDialog
{
    Q_OBJECT

public:
    // Builds the dialog with the counter hidden.
    explicit CProgressDialog(QWidget *parent = nullptr);
    ~CProgressDialog() override;

    // Sets the bar's range; the counter reads "minimum of maximum".
    void setRange(int minimum, int maximum);
    // Shows or hides the counter.
    void setRangeVisible(bool visible);

public slots:
    // Sets the bar's value; the counter reads "value of maximum".
    void setProgress(int value);

protected:
    void changeEvent(QEvent *event) override;

private:
    void showCounter(int value, int maximum);

    Ui::CProgressDialog *ui;
};

#endif // CPROGRESSDIALOG_H
