#include "ctransferrunner.h"

#include "cdevicesession.h"
#include "clinechange.h"
#include "cparametertransfer.h"
#include "cwritepreviewdialog.h"
#include "widgets/cmessagebox.h"
#include "widgets/cprogressdialog.h"

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
        emit logMessage(tr("A transfer is already running."));
        return false;
    }
    m_running = true;
    auto *dialog = new CProgressDialog(m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(title);
    dialog->setRangeVisible(true);
    auto progress = connect(transfer, &CParameterTransfer::progress, dialog, [dialog](int value, int maximum) {
        dialog->setRange(0, maximum);
        dialog->setProgress(value);
    });
    auto finished = std::make_shared<QMetaObject::Connection>();
    *finished = connect(transfer, &CParameterTransfer::finished, this,
                        [this, dialog, progress, finished, title, done](bool success) {
                            disconnect(progress);
                            disconnect(*finished);
                            m_running = false;
                            dialog->close();
                            emit logMessage(success ? tr("%1: done").arg(title) : tr("%1: failed").arg(title));
                            if (!success)
                                emit errorMessage(title, tr("The transfer did not complete; see the log."));
                            if (done)
                                done(success);
                        });
    dialog->show();
    begin();
    return true;
}

void CTransferRunner::write(const QString &title, const QList<CItem *> &items, const CLinkSettings &link)
{
    CParameterTransfer *transfer = m_session->parameters();
    QList<CItem *> writable;
    for (CItem *item : transfer->inWriteOrder(items)) {
        if (CParameterTransfer::isWritable(item))
            writable.append(item);
    }
    if (writable.isEmpty()) {
        emit logMessage(tr("%1: nothing to write, the device holds every value").arg(title));
        return;
    }
    const CParameterProblems problems = transfer->checkWrite(writable);
    if (!problems.isEmpty()) {
        QStringList texts;
        for (const CParameterProblem &problem : problems)
            texts << problem.text;
        emit errorMessage(title, tr("Nothing was written:\n%1").arg(texts.join(QLatin1Char('\n'))));
        return;
    }
    auto line = std::make_shared<CLineChange>();
    const bool lineChanges = line->compute(*transfer, writable, link);
    auto *preview = new CWritePreviewDialog(*transfer, writable, line->descriptions(), m_window);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    m_preview = preview;
    connect(preview, &QDialog::rejected, this, [this, title]() { emit logMessage(tr("%1: cancelled").arg(title)); });
    connect(preview, &QDialog::accepted, this, [this, title, writable, line, lineChanges, transfer]() {
        run(title, [transfer, writable]() { transfer->writeItems(writable); },
            [this, line, lineChanges](bool success) {
                if (success && lineChanges)
                    offerReconnect(line->settings(), line->descriptions());
                emit writeFinished(success);
            });
    });
    preview->open();
}

CWritePreviewDialog *CTransferRunner::preview() const
{
    return m_preview;
}

void CTransferRunner::offerReconnect(const CLinkSettings &settings, const QStringList &changes)
{
    auto *box = new CMessageBox(CMessageBox::Question, tr("Line settings changed"),
                                tr("The device now works with:\n%1\nReconnect with these settings?")
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
