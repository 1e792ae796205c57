#ifndef CPENDINGEDITS_H
#define CPENDINGEDITS_H

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>

#include <functional>

class CItem;
class CMessageBox;
class CParameterTransfer;
class QWidget;

// The edits made in the host and not yet written to the device: the values
// that differ from what the device last reported, and edits of values never
// read. Before an action that would lose them (quit, disconnect, read all,
// open a set) confirm() asks Write / Discard / Cancel, as desktop editors do.
class CPendingEdits : public QObject
{
    Q_OBJECT

public:
    // Writes the pending edits (with the window's check and preview) and
    // reports whether the device now holds them.
    typedef std::function<void(const std::function<void(bool)> &done)> Writer;

    // transfer is not owned; window parents the question.
    CPendingEdits(CParameterTransfer *transfer, QWidget *window);

    // Follows the user's edits of the transfer's items (after they changed).
    void watchItems();
    void setWriter(const Writer &writer);

    int count() const;
    QList<CItem *> items() const;

    // Runs proceed at once when nothing is pending. Otherwise says how many
    // edits wait and asks question ("Write them before quitting?"): Write
    // runs proceed once the device holds the edits, Discard puts the
    // device's values back first, Cancel (or a failed write) runs nothing.
    void confirm(const QString &question, const std::function<void()> &proceed);
    // The question waiting for the user, or null.
    CMessageBox *question() const;
    // Drops every pending edit: the device's values return to the items.
    void discard();

signals:
    void countChanged(int count);

private:
    void update();
    void answer(int button, const std::function<void()> &proceed);

    CParameterTransfer *m_transfer;
    QWidget *m_window;
    Writer m_writer;
    QSet<CItem *> m_editedUnread; // edited, never read: no device value to compare
    QPointer<CMessageBox> m_question;
    int m_count = 0;
};

#endif // CPENDINGEDITS_H
