#ifndef CSIMULATORPROCESS_H
#define CSIMULATORPROCESS_H

#include <QObject>
#include <QString>

class QProcess;

// Runs a device simulator as a child process on a free loopback port and
// reports where it listens, and when it ends unasked. The simulator is
// stopped with this object.
class CSimulatorProcess : public QObject
{
    Q_OBJECT

public:
    explicit CSimulatorProcess(QObject *parent = nullptr);
    ~CSimulatorProcess() override;

    // The default device's simulator, found by CInstallLayout.
    static QString defaultProgram();
    // Parses the simulator's first line "listening on <host>:<port>".
    // Returns false when the line has another form.
    static bool parseListenLine(const QString &line, QString *host, quint16 *port);

    // Starts program with "--port 0" (a free port chosen by the system).
    // ready or failed follows.
    void start(const QString &program = defaultProgram());
    // Stops the simulator (no-op when it is not running).
    void stop();
    bool isRunning() const;
    // The simulator's process id (0 when not running).
    qint64 processId() const;

signals:
    void ready(const QString &host, quint16 port);
    void failed(const QString &reason);
    // The simulator ended after it was ready, not by stop().
    void ended(const QString &reason);

private:
    void readLine();

    QProcess *m_process;
    bool m_announced = false;
    bool m_stopping = false;
};

#endif // CSIMULATORPROCESS_H
