#ifndef CSETACTIONS_H
#define CSETACTIONS_H

#include "cparameterproblem.h"
#include "description/descriptionrecords.h"

#include <QObject>

#include <memory>

class CDeviceSession;
class CParameterSet;
class CTransferRunner;
class QWidget;

// The window's parameter-set commands: save the tree to a file, bring a file
// into the tree exactly as saved (refusing a set with problems, naming each,
// and offering to apply the usable rest), and compare a file with the device
// with the option to write the differences.
class CSetActions : public QObject
{
    Q_OBJECT

public:
    // Nothing is owned; the window parents the dialogs.
    CSetActions(CDeviceSession *session, CTransferRunner *transfers, QWidget *window);

    bool save(const QString &fileName, const QString &model, const DescriptionHeader &header);
    // False when nothing was applied (yet: a question about the rest may be open).
    bool load(const QString &fileName, const QString &orderNumber);
    // Reads the device first when connected.
    void compare(const QString &fileName, const QString &orderNumber);
    // Asks for a parameter-set file to save to or to open; empty when the
    // user cancelled.
    QString askFile(bool save) const;

signals:
    void logMessage(const QString &text);
    void errorMessage(const QString &title, const QString &text);
    // The set's values are in the tree; the window writes what differs.
    void writeRequested();

private:
    void showComparison(const std::shared_ptr<CParameterSet> &set, const QString &orderNumber, bool writable);
    void offerRestOfSet(const std::shared_ptr<CParameterSet> &set, const QString &fileName,
                        const QString &orderNumber, const CParameterProblems &problems);

    CDeviceSession *m_session;
    CTransferRunner *m_transfers;
    QWidget *m_window;
};

#endif // CSETACTIONS_H
