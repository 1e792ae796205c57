#ifndef CTRANSFERRUNNER_H
#define CTRANSFERRUNNER_H

#include "clinksettings.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class CDeviceSession;
class CItem;
class CWritePreviewDialog;
class QProgressDialog;
class QWidget;

// Runs the window's transfers with the device: each with a progress dialog
// that names the parameter at work and can cancel between requests, one at
// a time. A write is checked first (nothing is sent when a value
// breaks a range or a device rule), then previewed for the user to confirm;
// when it changed the device's line settings, the runner offers to
// reconnect with them.
class CTransferRunner : public QObject
{
    Q_OBJECT

public:
    // session and window are not owned; the window parents the dialogs.
    CTransferRunner(CDeviceSession *session, QWidget *window);

    bool isRunning() const;
    // Runs begin under a progress dialog titled title; done (may be empty)
    // gets the result. False (and nothing runs) while another transfer runs.
    bool run(const QString &title, const std::function<void()> &begin, const std::function<void(bool)> &done);
    // Writes items after the check and the user's confirmation; link is the
    // settings the device is reached with now. done (may be empty) learns
    // whether the device now holds the values: true also when there was
    // nothing to write, false when the check refused, the user cancelled
    // or the write failed.
    void write(const QString &title, const QList<CItem *> &items, const CLinkSettings &link,
               const std::function<void(bool)> &done = nullptr);
    // The preview waiting for the user, or null.
    CWritePreviewDialog *preview() const;
    // The progress dialog of the running transfer, or null.
    QProgressDialog *progress() const;
    // "Writing parameter 3 of 11: caption (name)".
    static QString activityText(int activity, int number, int total, const QString &parameter);

signals:
    void logMessage(const QString &text);
    void errorMessage(const QString &title, const QString &text);
    // The user wants to reach the device with its new line settings.
    void reconnectRequested(const CLinkSettings &settings);
    // A confirmed write has ended.
    void writeFinished(bool success);

private:
    void offerReconnect(const CLinkSettings &settings, const QStringList &changes);
    QProgressDialog *createProgress(const QString &title);

    CDeviceSession *m_session;
    QWidget *m_window;
    QPointer<CWritePreviewDialog> m_preview;
    QPointer<QProgressDialog> m_progress;
    bool m_running = false;
};

#endif // CTRANSFERRUNNER_H
