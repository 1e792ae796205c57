#ifndef CMESSAGEBOX_H
#define CMESSAGEBOX_H

#include "items/loomwork_global.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPixmap>
#include <QString>

class QAbstractButton;
class QCloseEvent;
class QKeyEvent;

namespace Ui {
class CMessageBox;
}

// The family's modal message dialog: an icon, a text and a row of standard
// buttons. Escape and the window's close button stand for one of the
// buttons (see setStandardButtons), never for a plain rejection.
class LOOMWORK_EXPORT CMessageBox : public QDialog
{
    Q_OBJECT

public:
    // The icon codes of the constructor; with NoIcon the pixmap is not shown.
    enum Icon { NoIcon = 0, Information = 1, Warning = 2, Critical = 3, Question = 4 };

    // icon: one of Icon.
    CMessageBox(int icon, const QString &title, const QString &text, const QPixmap &pixmap,
                QDialogButtonBox::StandardButtons buttons, QWidget *parent = nullptr,
                Qt::WindowFlags flags = Qt::WindowFlags());
    ~CMessageBox() override;

    // Each opens a modal box with its icon and returns the code of the
    // standard button chosen (0 when the window closed without one).
    static int information(QWidget *parent, const QString &title, const QString &text,
                           QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Ok);
    static int warning(QWidget *parent, const QString &title, const QString &text,
                       QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Ok);
    static int critical(QWidget *parent, const QString &title, const QString &text,
                        QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Ok);
    static int question(QWidget *parent, const QString &title, const QString &text,
                        QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Yes
                                                                    | QDialogButtonBox::No);

    // The resource path of the picture the static functions show for icon;
    // empty for NoIcon and unknown codes.
    static QString iconPicture(int icon);

    // Sets the buttons and chooses the one Escape and closing stand for:
    // Cancel, else the only button, else the first reject-role button, else
    // the first no-role button, else none.
    void setStandardButtons(QDialogButtonBox::StandardButtons buttons);
    // The standard buttons of the box.
    QDialogButtonBox::StandardButtons standardButtons() const;
    // The message text.
    void setText(const QString &text);
    QString text() const;
    // The icon picture.
    void setIconPixmap(const QPixmap &pixmap);
    QPixmap iconPixmap() const;

private slots:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void buttonClicked(QAbstractButton *button);

private:
    static int run(QWidget *parent, int icon, const QString &title, const QString &text,
                   QDialogButtonBox::StandardButtons buttons);
    QAbstractButton *findEscapeButton() const;

    Ui::CMessageBox *ui;
    QAbstractButton *escapeButton;
    int clickedButton;
};

#endif // CMESSAGEBOX_H
