#ifndef CMODBUSMASTER_H
#define CMODBUSMASTER_H

#include "backend/crequest.h"
#include "clinksettings.h"
#include "clinkstatistics.h"
#include "cmodbusframe.h"
#include "ctrafficrecord.h"
#include "loomworkhost_global.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QVector>

#include <functional>
#include <memory>

class CModbusConnection;
struct CLinkFailure;
class CRequestQueue;
struct CModbusJob;
class CMessageSender;
class QTimer;

Q_DECLARE_METATYPE(CRequest)

// The host's communication master ("ModbusMaster"): carries out register
// reads and writes over Modbus TCP or RTU, one request on the wire at a time.
// User requests go before cyclic status polls. Only an answer that is exactly
// the answer to the request on the wire is taken (transaction, unit id,
// function code, byte count, register count, echo, checksum); anything else
// fails that attempt alone, the bytes behind it are dropped, and the attempt
// is repeated within the retry budget, as are attempts without an answer and
// those the device answers as busy. A write whose answer was lost is read
// back before it is called failed. Failures are reported through the
// master's message sender.
class LOOMWORKHOST_EXPORT CModbusMaster : public QObject
{
    Q_OBJECT

public:
    enum State { Disconnected, Connecting, Connected };
    Q_ENUM(State)

    // Outcome of one API request: ok with the registers read (empty for a
    // write), or not ok with a readable reason.
    struct Result
    {
        bool ok = false;
        quint16 startAddress = 0;
        QVector<quint16> registers;
        int exceptionCode = 0; // Modbus exception, 0 when none
        QString error;
    };
    typedef std::function<void(const Result &)> Completion;

    // Tells which plugin requests are cyclic polls of the device's status.
    typedef std::function<bool(const CRequest &)> PollFilter;
    static const int MaxReadRegisters = 125;
    static const int MaxWriteRegisters = 123;

    explicit CModbusMaster(QObject *parent = nullptr);
    ~CModbusMaster() override;

    // Link settings; they take effect on the next connectDevice().
    void setSettings(const CLinkSettings &settings);
    const CLinkSettings &settings() const;

    // Opens the link and keeps it open (reconnecting with backoff after a
    // loss) until disconnectDevice(). Requests made while the link is down
    // wait for it at most one response timeout. A failure no retry can mend
    // (no such serial port, no permission, unknown host) ends it:
    // Disconnected, with the reason in stateReason().
    void connectDevice();
    void disconnectDevice();
    State state() const;
    // Why the link is down or not yet up: what made it end ("no such serial
    // port"), or the last failure and when the next attempt comes. Empty
    // while connected or after the user disconnected.
    QString stateReason() const;

    // The channel on which every failure and log line is reported.
    CMessageSender *messageSender() const;

    const CLinkStatistics &statistics() const;
    void resetStatistics();
    // Number of requests waiting (not counting the one on the wire).
    int pendingCount() const;
    // True when no request is on the wire or waiting.
    bool isIdle() const;

    // Reads count holding registers from start; done runs once. With
    // reportFailure false a failure is only logged (the caller handles it).
    void read(quint16 start, quint16 count, const Completion &done, bool reportFailure = true);
    // Writes words to holding registers from start; done runs once.
    void write(quint16 start, const QVector<quint16> &words, const Completion &done, bool reportFailure = true);

public slots:
    // Carries out a device request from a plugin backend. Function 3/4 read,
    // 6/16 write (payload: big-endian words). A completed request answers on
    // dataResponse: reads with the registers read, writes with those written.
    // Bus address 0 means the configured server address.
    void buildRequest(const CRequest &request);

public:
    // Which plugin requests are cyclic polls: they wait behind every other
    // request, are not retried, and one that finds a poll already waiting is
    // dropped. By default every read of type CRequest::CyclicRead; a device
    // names its own (CDeviceData::isPoll).
    void setPollFilter(const PollFilter &isPoll);

signals:
    // The request's start address, then the registers, big-endian words.
    void dataResponse(QByteArray);
    void stateChanged(CModbusMaster::State);
    void stateReasonChanged(const QString &reason);
    // Every request put on the wire and how its attempt ended (answer,
    // exception, timeout, invalid answer); only built while something listens.
    void traffic(const CTrafficRecord &record);

private:
    // How an attempt ended without an answer to take.
    enum class Lost { Timeout, Invalid, Closed, Busy };

    void enqueue(const std::shared_ptr<CModbusJob> &job);
    void dispatch();
    void send(const std::shared_ptr<CModbusJob> &job);
    void onReceived();
    void takeAnswer(const CModbusFrame::Answer &answer);
    void onAnswer(const QVector<quint16> &registers);
    void onException(int code);
    void onAttemptTimeout();
    void endAttempt();
    void pause(int ms, bool drain);
    void onPauseEnd();
    void retryOrFail(const QString &reason, Lost lost, int exceptionCode = 0);
    void finishCurrent(const Result &result);
    void failAllPending(const QString &reason);
    void stampWaiting();
    void expireWaiting();
    void report(const CModbusJob &job, const QString &reason);
    void onOpened();
    void onClosed(const CLinkFailure &failure);
    void reportLoss(bool wasConnected, const CLinkFailure &failure);
    void setReason(const QString &reason);
    void resetLink();
    void scheduleReconnect();
    void openConnection();
    void setState(State state);
    bool isTrafficWatched() const;
    void reportRequest(const std::shared_ptr<CModbusJob> &job, const QByteArray &frame);
    void reportAttemptEnd(CTrafficRecord::Outcome outcome, const QByteArray &frame, const QString &error = {});

    CLinkSettings m_settings;
    PollFilter m_isPoll;
    CMessageSender *m_messages = nullptr;
    CModbusConnection *m_connection = nullptr;
    QTimer *m_attemptTimer = nullptr;
    QTimer *m_connectTimer = nullptr;
    QTimer *m_reconnectTimer = nullptr;
    QTimer *m_pauseTimer = nullptr;  // quiet time after a bad answer or a busy device
    QTimer *m_expiryTimer = nullptr; // requests waiting for a connection
    std::unique_ptr<CRequestQueue> m_pending;
    std::shared_ptr<CModbusJob> m_current;    // on the wire
    CModbusFrame::Request m_request;   // the current attempt as sent
    QByteArray m_received;             // bytes received since it was sent
    bool m_awaiting = false;           // the current attempt waits for its answer
    bool m_draining = false;           // bytes arriving during the pause are dropped
    QElapsedTimer m_pausedAt;
    QElapsedTimer m_sentAt;
    CTrafficRecord m_attempt;           // the attempt on the wire, as reported
    std::weak_ptr<CModbusJob> m_attemptJob; // whose it is (a repeat is a retry)
    QElapsedTimer m_clock;
    quint16 m_transaction = 0;
    CLinkStatistics m_stats;
    State m_state = Disconnected;
    bool m_wanted = false;     // the user wants the link open
    bool m_lossReported = false;
    bool m_closedReported = false; // a status poll met the closed link
    bool m_everConnected = false;  // since connectDevice()
    int m_reconnectDelay = 0;
    QString m_reason;   // see stateReason()
    QString m_lastLoss; // the last loss said, so a repeat is not
};

#endif // CMODBUSMASTER_H
