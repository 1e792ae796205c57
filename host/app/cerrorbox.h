#ifndef CERRORBOX_H
#define CERRORBOX_H

#include <QObject>
#include <QPointer>
#include <QString>

class CMessageBox;
class QWidget;

// The window's box for errors: one at a time, since a dead link reports on
// every poll, and none at all in an unattended run. Its text is broken
// between words, because a message box does not wrap and must fit a small
// screen.
class CErrorBox : public QObject
{
    Q_OBJECT

public:
    explicit CErrorBox(QWidget *window);

    void setUnattended(bool unattended);
    // Opens a box with title and text unless one is open (or unattended).
    void show(const QString &title, const QString &text);

    // text with lines longer than width broken between words.
    static QString wrapped(const QString &text, int width = 90);

private:
    QWidget *m_window;
    QPointer<CMessageBox> m_box;
    bool m_unattended = false;
};

#endif // CERRORBOX_H
