#include "csimulatorprocess.h"

#include "cchildprocess.h"
#include "chostapptr.h"
#include "clinkendpoint.h"
#include "items/cinstalllayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>

CSimulatorProcess::CSimulatorProcess(QObject *parent)
    : QObject(parent)
    , m_process(new CChildProcess(this))
{
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(m_process, &QProcess::readyReadStandardOutput, this, &CSimulatorProcess::readLine);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError) {
        if (!m_announced)
            emit failed(m_process->errorString());
    });
    connect(m_process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            [this](int code, QProcess::ExitStatus status) {
                const QString reason = status == QProcess::CrashExit
                    ? CHostAppTr::tr("the simulator was ended by a signal or crashed")
                    : CHostAppTr::tr("the simulator ended with exit code %1").arg(code);
                if (!m_announced)
                    emit failed(reason);
                else if (!m_stopping)
                    emit ended(reason);
                m_stopping = false;
            });
}

CSimulatorProcess::~CSimulatorProcess()
{
    stop();
}

QString CSimulatorProcess::defaultProgram()
{
    return CInstallLayout::programFile(QStringLiteral(LOOMWORK_DEFAULT_SIMULATOR));
}

bool CSimulatorProcess::parseListenLine(const QString &line, QString *host, quint16 *port)
{
    static const QRegularExpression pattern(QStringLiteral("^listening on (\\S+)\\s*$"));
    const QRegularExpressionMatch match = pattern.match(line);
    QString error;
    return match.hasMatch() && CLinkEndpoint::parse(match.captured(1), host, port, &error);
}

void CSimulatorProcess::start(const QString &program)
{
    m_announced = false;
    m_process->start(program, {QStringLiteral("--port"), QStringLiteral("0")});
}

void CSimulatorProcess::stop()
{
    if (m_process->state() == QProcess::NotRunning)
        return;
    m_announced = true; // an intended stop is no failure
    m_stopping = true;
    m_process->terminate();
    if (!m_process->waitForFinished(2000)) {
        m_process->kill();
        m_process->waitForFinished(1000);
    }
}

bool CSimulatorProcess::isRunning() const
{
    return m_process->state() != QProcess::NotRunning;
}

qint64 CSimulatorProcess::processId() const
{
    return m_process->processId();
}

void CSimulatorProcess::readLine()
{
    while (!m_announced && m_process->canReadLine()) {
        const QString line = QString::fromUtf8(m_process->readLine()).trimmed();
        QString host;
        quint16 port = 0;
        if (parseListenLine(line, &host, &port)) {
            m_announced = true;
            emit ready(host, port);
        }
    }
    // Later output is of no interest; drop it so the pipe never fills.
    if (m_announced)
        m_process->readAllStandardOutput();
}
