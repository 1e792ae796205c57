#ifndef CSTATUSSAMPLER_H
#define CSTATUSSAMPLER_H

#include "cdisplaydecoder.h"
#include "cstatussample.h"
#include "loomworkhost_global.h"

#include <QElapsedTimer>
#include <QObject>

class CDeviceData;
class CItem;
class CModbusMaster;
class CParameterTransfer;

// Turns every status answer of the device into a sample: whenever the master
// delivers the status block (the device data file's status block) it decodes
// the display frames as the file describes them and emits the value with the
// unit the device holds it in, the output and the LED. Nothing else is
// sampled, so a link that stopped answering yields no samples, never old
// ones. The unit is left empty while it is not known for sure: until the
// parameters it depends on were read from the device, while a write of the
// unit is under way, and for the time the device data give its display to
// follow a new unit (the display may go on showing the old number for a
// moment after the device took the new unit), counted from each change and
// from the first read or the sampler's start (the change may have come from
// another client).
class LOOMWORKHOST_EXPORT CStatusSampler : public QObject
{
    Q_OBJECT

public:
    // None is owned; all must outlive the sampler.
    CStatusSampler(CModbusMaster *master, CParameterTransfer *parameters, const CDeviceData *data,
                   QObject *parent = nullptr);

    // False when the device data describe no readable display or status
    // block; errorString() says why. An invalid sampler emits nothing.
    bool isValid() const;
    QString errorString() const;
    const CDisplayDecoder &decoder() const;

    // Language of the LED names ("en", "de").
    void setLanguage(const QString &language);

    // The sample that registers (the status block, first register first)
    // stand for, at time.
    CStatusSample sample(const QVector<quint16> &registers, const QDateTime &time) const;

    // The unit the value frame is in as the device holds it, and its factor
    // from the base unit (0 when unknown); empty until read.
    QString valueUnit(double *scale = nullptr) const;

signals:
    void sampled(const CStatusSample &sample);

private:
    void onResponse(const QByteArray &response);
    void onStatesChanged();
    bool isUnitSettled() const;
    const CItem *readItem(const QString &name) const;

    CParameterTransfer *m_parameters;
    const CDeviceData *m_data;
    CDisplayDecoder m_decoder;
    QString m_error;
    QString m_language = QStringLiteral("en");
    QString m_unit;          // the value's unit when last looked at
    int m_settleMs = 0;
    QElapsedTimer m_sinceUnitChange;
};

#endif // CSTATUSSAMPLER_H
