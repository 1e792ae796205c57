#include "clogview.h"

#include "chostapptr.h"
#include "widgets/cmessagebox.h"

#include <QDateTime>
#include <QFileDialog>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>

namespace {

// Two reports of one event arrive within the same moment.
const qint64 repeatWindow = 1000; // ms

} // namespace

CLogView::CLogView(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("CommunicationLog"));
    setReadOnly(true);
    setMaximumBlockCount(5000);
}

void CLogView::addMessage(const QString &text)
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (text == m_last && now - m_lastAt < repeatWindow)
        return;
    m_last = text;
    m_lastAt = now;
    appendPlainText(QStringLiteral("%1  %2").arg(QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz")), text));
}

void CLogView::addError(const QString &title, const QString &text)
{
    addMessage(CHostAppTr::tr("Error: %1: %2").arg(title, text));
}

bool CLogView::save(const QString &fileName, QString *error) const
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        *error = file.errorString();
        return false;
    }
    QTextStream out(&file);
    out.setCodec("UTF-8");
    out << toPlainText() << '\n';
    out.flush();
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

void CLogView::saveWithDialog()
{
    const QString suggested = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                                  .filePath(QStringLiteral("loomwork-log-%1.txt")
                                                .arg(QDateTime::currentDateTime().toString(
                                                    QStringLiteral("yyyyMMdd-hhmmss"))));
    const QString fileName = QFileDialog::getSaveFileName(this, CHostAppTr::tr("Save log"), suggested,
                                                          CHostAppTr::tr("Text files (*.txt)"));
    if (fileName.isEmpty())
        return;
    QString error;
    if (save(fileName, &error)) {
        addMessage(CHostAppTr::tr("Log saved to %1").arg(fileName));
        return;
    }
    CMessageBox::critical(this, CHostAppTr::tr("Save log"), CHostAppTr::tr("%1: %2").arg(fileName, error), QDialogButtonBox::Ok);
}
