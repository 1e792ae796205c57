#ifndef SIMPROCESS_H
#define SIMPROCESS_H

#include <QProcess>
#include <QStringList>

#include <signal.h>

// The device simulator as a child process on a free loopback port.
class SimProcess
{
public:
    SimProcess() { m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel); }
    ~SimProcess()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        resume();
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(2000);
    }

    // Starts the simulator with args and waits for its "listening on" line.
    bool start(const QStringList &args)
    {
        // A program that does not start never becomes ready to read.
        m_process.start(QStringLiteral(PV8120_SIM), QStringList{QStringLiteral("--port"), QStringLiteral("0")} + args);
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(10000))
                return false;
        }
        const QByteArray line = m_process.readLine().trimmed();
        const QByteArray prefix("listening on ");
        if (!line.startsWith(prefix))
            return false;
        m_endpoint = QString::fromLatin1(line.mid(prefix.size()));
        m_ports = {quint16(m_endpoint.section(QLatin1Char(':'), -1).toUInt())};
        // With --endpoints N, one line per endpoint.
        const int endpoints = args.contains(QStringLiteral("--endpoints"))
            ? args.value(args.indexOf(QStringLiteral("--endpoints")) + 1).toInt() : 1;
        while (m_ports.size() < endpoints && (m_process.canReadLine() || m_process.waitForReadyRead(10000)))
            m_ports.append(quint16(QString::fromLatin1(m_process.readLine().trimmed()).section(QLatin1Char(':'), -1).toUInt()));
        return m_ports.first() != 0 && m_ports.size() == endpoints;
    }

    quint16 port() const { return m_ports.value(0); }
    const QList<quint16> &ports() const { return m_ports; }
    // HOST:PORT as the simulator printed it ([ADDRESS]:PORT for IPv6).
    QString endpoint() const { return m_endpoint; }
    // Freezes and thaws the simulator: it neither reads nor answers meanwhile.
    void pause() { ::kill(pid_t(m_process.processId()), SIGSTOP); }
    void resume() { ::kill(pid_t(m_process.processId()), SIGCONT); }
    // Its standard error is forwarded unless set otherwise before start().
    QProcess &process() { return m_process; }

private:
    QProcess m_process;
    QList<quint16> m_ports;
    QString m_endpoint;
};

#endif // SIMPROCESS_H
