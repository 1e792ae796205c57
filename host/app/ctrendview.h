#ifndef CTRENDVIEW_H
#define CTRENDVIEW_H

#include "cmodbusmaster.h"
#include "ctrenddata.h"

#include <QWidget>

class CCsvRecorder;
class CDeviceSession;
class CStatusSampler;
class CTrendChart;
class QAction;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QTimer;
class QToolButton;
struct CStatusSample;

// The trend of the connected device: its value and output from every status
// answer, the lines of the parameters the description marks for a chart
// and the LED state, with pause, time window, zoom and pan (see
// CTrendChart). It also records the samples to a CSV file (recordAction()),
// one row per recording interval, a setting kept between runs.
class CTrendView : public QWidget
{
    Q_OBJECT

public:
    enum Window { LastMinute, Last10Minutes, LastHour, All };
    Q_ENUM(Window)

    // session is not owned and must outlive the view.
    explicit CTrendView(CDeviceSession *session, QWidget *parent = nullptr);
    ~CTrendView() override;

    // Starts sampling the device the session has loaded; false when its
    // device data describe no display (the view then says why).
    bool attach();

    CTrendChart *chart() const;
    const CTrendData &data() const;
    CStatusSampler *sampler() const;
    CCsvRecorder *recorder() const;
    QAction *recordAction() const;

    void setWindow(Window window);
    void setPaused(bool paused);
    bool isPaused() const;
    // The status poll's interval: a longer silence breaks the lines.
    void setPollInterval(int milliseconds);
    void setRecordInterval(int milliseconds);
    int recordInterval() const;
    // Starts recording to fileName / stops; a failure is reported on errorMessage.
    bool startRecording(const QString &fileName);
    void stopRecording();
    // The texts and the LED names in language ("en", "de").
    void retranslate(const QString &language);
    // What the view's status label says.
    QString statusText() const;

signals:
    void errorMessage(const QString &title, const QString &text);
    void logMessage(const QString &text);

private:
    void onSample(const CStatusSample &sample);
    void onLinkState(CModbusMaster::State state);
    void updateLines();
    void updateStatus();
    void askRecording(bool start);

    CDeviceSession *m_session;
    CTrendData m_data;
    CStatusSampler *m_sampler = nullptr;
    CCsvRecorder *m_recorder;
    CTrendChart *m_chart;
    QToolButton *m_pauseButton;
    QToolButton *m_liveButton;
    QComboBox *m_windowBox;
    QLabel *m_recordLabel;
    QDoubleSpinBox *m_recordInterval;
    QToolButton *m_recordButton;
    QLabel *m_status;
    QAction *m_recordAction;
    QTimer *m_frameTimer;
    QString m_language = QStringLiteral("en");
    QString m_problem;       // why nothing can be drawn
    qint64 m_lastSampleAt = 0; // wall clock ms
    bool m_dirty = false;
    bool m_linkUp = false;
};

#endif // CTRENDVIEW_H
