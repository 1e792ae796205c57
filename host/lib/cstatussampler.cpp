#include "cstatussampler.h"

#include "cdevicedata.h"
#include "chosttr.h"
#include "cmodbusmaster.h"
#include "cparametertransfer.h"
#include "items/citem.h"

#include <QtEndian>

CStatusSampler::CStatusSampler(CModbusMaster *master, CParameterTransfer *parameters, const CDeviceData *data,
                               QObject *parent)
    : QObject(parent)
    , m_parameters(parameters)
    , m_data(data)
{
    qRegisterMetaType<CStatusSample>();
    if (!m_decoder.load(data->section(QStringLiteral("display")), &m_error))
        return;
    if (!m_decoder.isValid())
        m_error = CHostTr::tr("the device data describe no display");
    else if (data->statusBlock().address < 0)
        m_error = CHostTr::tr("the device data name no status block");
    if (!isValid())
        return;
    m_settleMs = data->section(QStringLiteral("display")).value(QStringLiteral("unitSettleMs")).toInt();
    connect(master, &CModbusMaster::dataResponse, this, &CStatusSampler::onResponse);
    connect(parameters, &CParameterTransfer::statesChanged, this, &CStatusSampler::onStatesChanged);
    // A unit read before the sampler started counts as just read.
    onStatesChanged();
}

// A unit that becomes known starts the display's settling time: after a
// change, and also when first read, since another client may have changed
// it a moment before and the display may still show the old number.
void CStatusSampler::onStatesChanged()
{
    const QString unit = valueUnit();
    if (unit == m_unit)
        return;
    if (!unit.isEmpty())
        m_sinceUnitChange.start();
    m_unit = unit;
}

bool CStatusSampler::isUnitSettled() const
{
    if (m_sinceUnitChange.isValid() && !m_sinceUnitChange.hasExpired(m_settleMs))
        return false;
    // A unit edit on its way to the device may take effect with any answer.
    const CItem *selector = m_parameters->item(m_data->unitSelector());
    return !selector || !m_parameters->isBusy() || !m_parameters->modifiedItems().contains(const_cast<CItem *>(selector));
}

bool CStatusSampler::isValid() const
{
    return m_error.isEmpty();
}

QString CStatusSampler::errorString() const
{
    return m_error;
}

const CDisplayDecoder &CStatusSampler::decoder() const
{
    return m_decoder;
}

void CStatusSampler::setLanguage(const QString &language)
{
    m_language = language;
}

// An answer is the start address, then the registers, big-endian words; only
// the status block is a sample.
void CStatusSampler::onResponse(const QByteArray &response)
{
    if (response.size() < 2 || qFromBigEndian<quint16>(response.constData()) != m_data->statusBlock().address)
        return;
    QVector<quint16> registers;
    for (int offset = 2; offset + 1 < response.size(); offset += 2)
        registers.append(qFromBigEndian<quint16>(response.constData() + offset));
    emit sampled(sample(registers, QDateTime::currentDateTime()));
}

CStatusSample CStatusSampler::sample(const QVector<quint16> &registers, const QDateTime &time) const
{
    CStatusSample sample;
    sample.time = time;
    if (const CDisplayDecoder::Frame *frame = m_decoder.frame(CDisplayDecoder::ValueRole)) {
        const CDisplayDecoder::Reading reading = m_decoder.read(*frame, registers);
        sample.text = reading.text.trimmed();
        sample.led = reading.led;
        sample.ledName = m_data->ledName(reading.led, m_language);
        CDisplayDecoder::number(reading.text, &sample.value, &sample.valueDecimals);
        if (frame->unitOf.isEmpty())
            sample.unit = frame->unit;
        else if (isUnitSettled())
            sample.unit = valueUnit(&sample.unitScale);
    }
    if (const CDisplayDecoder::Frame *frame = m_decoder.frame(CDisplayDecoder::OutputRole)) {
        const CDisplayDecoder::Reading reading = m_decoder.read(*frame, registers);
        sample.outputText = reading.text.trimmed();
        CDisplayDecoder::number(reading.text, &sample.output, &sample.outputDecimals);
    }
    return sample;
}

const CItem *CStatusSampler::readItem(const QString &name) const
{
    const CItem *item = m_parameters->item(name);
    return item && m_parameters->wasRead(item) ? item : nullptr;
}

QString CStatusSampler::valueUnit(double *scale) const
{
    if (scale)
        *scale = 0.0;
    const CDisplayDecoder::Frame *frame = m_decoder.frame(CDisplayDecoder::ValueRole);
    if (!frame)
        return QString();
    if (frame->unitOf.isEmpty())
        return frame->unit;
    const CItem *item = readItem(frame->unitOf);
    if (!item)
        return QString();
    const QString unit = m_parameters->deviceUnit(item);
    if (!m_data->unitItems().contains(item->objectName()))
        return unit;
    // The unit follows the selector: unknown until the selector was read.
    const CItem *selector = readItem(m_data->unitSelector());
    if (!selector)
        return QString();
    if (scale && !unit.isEmpty()) {
        const int index = CItem::fromByteArray(m_parameters->deviceBytes(selector).left(selector->byteSize()),
                                               selector->type()).toInt();
        *scale = m_data->unitFactor(index);
    }
    return unit;
}
