#ifndef CCSVRECORDER_H
#define CCSVRECORDER_H

#include "cstatussample.h"
#include "loomworkhost_global.h"

#include <QDateTime>
#include <QFile>
#include <QObject>

class QTimer;

// Records status samples to a CSV file (RFC 4180, UTF-8, numbers with a
// decimal point): time stamp (ISO 8601 with milliseconds and the UTC
// offset), display text, value, unit, output in percent, LED code and LED
// name, one row per recording interval. What is written reaches the disk
// within a second, so a crash loses at most the last second.
class LOOMWORKHOST_EXPORT CCsvRecorder : public QObject
{
    Q_OBJECT

public:
    static const int MaxUnflushedMs = 1000;

    explicit CCsvRecorder(QObject *parent = nullptr);
    ~CCsvRecorder() override;

    // Creates (or replaces) fileName and writes the header line; false with
    // errorString() set when it cannot be written. A running recording ends
    // first.
    bool open(const QString &fileName);
    // Ends the recording; everything written is on disk.
    void close();
    bool isOpen() const;
    QString fileName() const;
    QString errorString() const;

    // Least time between two rows in milliseconds; 0 records every sample.
    // Rows keep to a grid of this step, so a poll that comes a little early
    // is not dropped.
    void setInterval(int milliseconds);
    int interval() const;

    // Writes sample when a row is due. False when writing failed: the
    // recording has then ended and failed() was emitted.
    bool add(const CStatusSample &sample);
    // Rows written since open().
    int rows() const;

    static QString header();
    static QString row(const CStatusSample &sample);

signals:
    // Writing failed (disk full, file gone); the recording has ended.
    void failed(const QString &reason);

private:
    bool isDue(const QDateTime &time);
    bool flush();
    bool fail();

    QFile m_file;
    QTimer *m_flushTimer;
    QString m_error;
    int m_interval = 1000;
    int m_rows = 0;
    QDateTime m_due;
};

#endif // CCSVRECORDER_H
