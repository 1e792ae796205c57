#ifndef CQUITSIGNALS_H
#define CQUITSIGNALS_H

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the GUI thread, so the
// program ends the normal way (its simulator child included) when the
// session ends or the user presses Ctrl+C in its terminal. The handlers only
// write the signal number to a socket pair; everything else happens in the
// event loop. One instance per process.
class CQuitSignals : public QObject
{
    Q_OBJECT

public:
    explicit CQuitSignals(QObject *parent = nullptr);
    ~CQuitSignals() override;

    // Whether the handlers are installed.
    bool isActive() const;

signals:
    void received(int signalNumber);

private:
    static void handle(int signalNumber);
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};

#endif // CQUITSIGNALS_H
