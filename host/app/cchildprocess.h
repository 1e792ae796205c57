#ifndef CCHILDPROCESS_H
#define CCHILDPROCESS_H

#include <QProcess>

// A process that does not outlive the program that started it: on Linux the
// child is sent SIGTERM when its parent dies, however that happens (killed,
// crashed, its display gone), so no helper program is left behind.
class CChildProcess : public QProcess
{
    Q_OBJECT

public:
    explicit CChildProcess(QObject *parent = nullptr);

protected:
    // Runs in the child between fork and exec.
    void setupChildProcess() override;

private:
    qint64 m_parentPid;
};

#endif // CCHILDPROCESS_H
