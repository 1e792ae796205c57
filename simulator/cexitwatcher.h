#ifndef CEXITWATCHER_H
#define CEXITWATCHER_H

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM / SIGINT (and, when asked, the end of stdin) into a clean
// quit of the event loop. Signals reach the loop through a self-pipe, since a
// signal handler may do nothing but write to it.
class CExitWatcher : public QObject
{
    Q_OBJECT

public:
    explicit CExitWatcher(QObject *parent = nullptr);
    ~CExitWatcher() override;

    // Installs the SIGTERM and SIGINT handlers; false when that fails.
    bool watchSignals();

    // Also quits when stdin reaches end of file.
    void watchStdin();

signals:
    // Emitted once on the first reason to exit.
    void exitRequested();

private:
    void requestExit();
    void readStdin();

    QSocketNotifier *m_signalNotifier = nullptr;
    QSocketNotifier *m_stdinNotifier = nullptr;
    bool m_requested = false;
};

#endif // CEXITWATCHER_H
