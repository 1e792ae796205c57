#include "ctransferrunner.h"

#include "cdevicesession.h"
#include "chostapptr.h"
#include "clinechange.h"
#include "cparametertransfer.h"
#include "cwritepreviewdialog.h"
#include "widgets/cmessagebox.h"

#include <QProgressDialog>
#include <QPushButton>

#include <memory>

CTransferRunner::CTransferRunner(CDeviceSession *session, QWidget *window)
    : QObject(window)
    , m_session(session)
    , m_window(window)
{
}

bool CTransferRunner::isRunning() const
{
    return m_running || m_session->parameters()->isBusy();
}

bool CTransferRunner::run(const QString &title, const std::function<void()> &begin,
                          const std::function<void(bool)> &done)
{
    CParameterTransfer *transfer = m_session->parameters();
    if (isRunning()) {
        emit logMessage(CHostAppTr::tr("A transfer is already running."));
        return false;
    }
    m_running = true;
    QProgressDialog *dialog = createProgress(title);
    auto activity = connect(transfer, &CParameterTransfer::activityChanged, dialog,
                            [dialog, title](CParameterTransfer::Activity what, int number, int total,
                                            const QString &parameter) {
                                dialog->setLabelText(QStringLiteral("%1\n%2").arg(
                                    title, activityText(what, number, total, parameter)));
                                // The bar counts the parameters the text names.
                                dialog->setMaximum(total);
                                dialog->setValue(number - 1);
                            });
    auto finished = std::make_shared<QMetaObject::Connection>();
    *finished = connect(transfer, &CParameterTransfer::finished, this,
                        [this, dialog, activity, finished, title, done, transfer](bool success) {
                            disconnect(activity);
                            disconnect(*finished);
                            m_running = false;
                            dialog->close();
                            if (transfer->wasCancelled())
                                emit logMessage(CHostAppTr::tr("%1: cancelled").arg(title));
                            else
                                emit logMessage(success ? CHostAppTr::tr("%1: done").arg(title)
                                                        : CHostAppTr::tr("%1: failed").arg(title));
                            if (!success && !transfer->wasCancelled())
                                emit errorMessage(title, CHostAppTr::tr("The transfer did not complete; see the log."));
                            if (done)
                                done(success);
                        });
    dialog->show();
    begin();
    return true;
}

QString CTransferRunner::activityText(int activity, int number, int total, const QString &parameter)
{
    switch (activity) {
    case CParameterTransfer::Writing:
        return CHostAppTr::tr("Writing parameter %1 of %2: %3").arg(number).arg(total).arg(parameter);
    case CParameterTransfer::ReadingBack:
        return CHostAppTr::tr("Reading back and comparing parameter %1 of %2: %3").arg(number).arg(total).arg(parameter);
    default:
        return CHostAppTr::tr("Reading parameter %1 of %2: %3").arg(number).arg(total).arg(parameter);
    }
}

// The dialog stays until the transfer has ended: Cancel only asks the
// transfer to stop after the request on the wire.
QProgressDialog *CTransferRunner::createProgress(const QString &title)
{
    auto *dialog = new QProgressDialog(m_window);
    dialog->setObjectName(QStringLiteral("TransferProgress"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setWindowTitle(title);
    dialog->setLabelText(title);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setMinimumDuration(0);
    // Wide enough for a long caption, so the dialog and its Cancel button
    // stay where they are while the texts change.
    dialog->setMinimumWidth(640);
    dialog->setCancelButtonText(CHostAppTr::tr("Cancel"));
    disconnect(dialog, &QProgressDialog::canceled, dialog, &QProgressDialog::cancel);
    connect(dialog, &QProgressDialog::canceled, this, [this, dialog, title] {
        m_session->parameters()->cancel();
        dialog->setLabelText(CHostAppTr::tr("%1\nStopping after the current request...").arg(title));
        // The button itself sends this signal: disable it, never delete it here.
        if (auto *button = dialog->findChild<QPushButton *>())
            button->setEnabled(false);
    });
    m_progress = dialog;
    return dialog;
}

QProgressDialog *CTransferRunner::progress() const
{
    return m_progress;
}

void CTransferRunner::write(const QString &title, const QList<CItem *> &items, const CLinkSettings &link,
                            const std::function<void(bool)> &done)
{
    const auto report = [done](bool success) {
        if (done)
            done(success);
    };
    CParameterTransfer *transfer = m_session->parameters();
    // The preview shows every parameter the write sends, those that go along
    // with an edited one included.
    const QList<CItem *> writable = transfer->itemsToWrite(items);
    if (writable.isEmpty()) {
        emit logMessage(CHostAppTr::tr("%1: nothing to write, the device holds every value").arg(title));
        report(true);
        return;
    }
    const CParameterProblems problems = transfer->checkWrite(writable);
    if (!problems.isEmpty()) {
        QStringList texts;
        for (const CParameterProblem &problem : problems)
            texts << problem.text;
        emit errorMessage(title, CHostAppTr::tr("Nothing was written:\n%1").arg(texts.join(QLatin1Char('\n'))));
        report(false);
        return;
    }
    auto line = std::make_shared<CLineChange>();
    const bool lineChanges = line->compute(*transfer, writable, link);
    auto *preview = new CWritePreviewDialog(*transfer, writable, line->descriptions(), m_window);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    m_preview = preview;
    connect(preview, &QDialog::rejected, this, [this, title, report]() {
        emit logMessage(CHostAppTr::tr("%1: cancelled").arg(title));
        report(false);
    });
    connect(preview, &QDialog::accepted, this, [this, title, writable, line, lineChanges, transfer, report]() {
        const bool started = run(title, [transfer, writable]() { transfer->writeItems(writable); },
                                 [this, line, lineChanges, report](bool success) {
                                     if (success && lineChanges)
                                         offerReconnect(line->settings(), line->descriptions());
                                     emit writeFinished(success);
                                     report(success);
                                 });
        if (!started)
            report(false);
    });
    preview->open();
}

CWritePreviewDialog *CTransferRunner::preview() const
{
    return m_preview;
}

void CTransferRunner::offerReconnect(const CLinkSettings &settings, const QStringList &changes)
{
    auto *box = new CMessageBox(CMessageBox::Question, CHostAppTr::tr("Line settings changed"),
                                CHostAppTr::tr("The device now works with:\n%1\nReconnect with these settings?")
                                    .arg(changes.join(QLatin1Char('\n'))),
                                QPixmap(CMessageBox::iconPicture(CMessageBox::Question)),
                                QDialogButtonBox::Yes | QDialogButtonBox::No, m_window);
    box->setObjectName(QStringLiteral("ReconnectQuestion"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QDialog::finished, this, [this, settings](int button) {
        if (button == QDialogButtonBox::Yes)
            emit reconnectRequested(settings);
    });
    box->open();
}
