#ifndef CWATCHRECORDING_H
#define CWATCHRECORDING_H

#include <QObject>
#include <QString>

class CCsvRecorder;
class CDeviceSession;
class CStatusSampler;

// What `watch --csv FILE` records: every status answer of the device as a
// CSV row (at most one per recording interval), written as the GUI's
// *Record to file...* writes it. The parameters are read first, so the rows
// carry the unit the device holds.
class CWatchRecording : public QObject
{
    Q_OBJECT

public:
    // session is connected and outlives the recording; language names the LEDs.
    CWatchRecording(CDeviceSession &session, const QString &language, QObject *parent = nullptr);
    ~CWatchRecording() override;

    // Reads the parameters and opens fileName; false with error set when
    // the device data describe no display or the file cannot be written. A
    // failed read is only warned about: the rows then carry no unit.
    bool start(const QString &fileName, int intervalMs, QString *error);
    // Ends the recording; all rows are on disk.
    void stop();
    int rows() const;

signals:
    // Writing failed; the recording has ended.
    void failed(const QString &reason);

private:
    CDeviceSession &m_session;
    CStatusSampler *m_sampler;
    CCsvRecorder *m_recorder;
};

#endif // CWATCHRECORDING_H
