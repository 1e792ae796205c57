#include "cidentityreader.h"

#include "cdevicesession.h"
#include "chosttr.h"
#include "cmodbusmaster.h"
#include "cparametertransfer.h"
#include "cvalueformat.h"
#include "description/citemregisters.h"
#include "items/citem.h"
#include "plugin/cloomworkplugin.h"

CIdentityReader::CIdentityReader(const CDeviceSession &session, CLoomworkPlugin *plugin) : m_plugin(plugin)
{
    int end = 0;
    for (int field = CDeviceData::OrderNumber; field <= CDeviceData::SoftwareVersion; ++field) {
        CItem *item = session.parameters()->item(
            session.deviceData().identityItem(CDeviceData::IdentityField(field)));
        m_items.append(item);
        if (!item)
            continue;
        const int address = CItemRegisters::address(item);
        m_start = end == 0 ? quint16(address) : qMin(m_start, quint16(address));
        end = qMax(end, address + CItemRegisters::registerCount(item));
    }
    m_count = end - m_start;
}

bool CIdentityReader::isPossible() const
{
    return m_count > 0 && m_count <= CModbusMaster::MaxReadRegisters;
}

quint16 CIdentityReader::start() const
{
    return m_start;
}

int CIdentityReader::count() const
{
    return m_count;
}

void CIdentityReader::read(CModbusMaster *master, const std::function<void(const Answer &)> &done) const
{
    if (!isPossible()) {
        Answer answer;
        answer.error = CHostTr::tr("the device description has no nameplate parameters");
        done(answer);
        return;
    }
    master->read(m_start, quint16(m_count), [this, done](const CModbusMaster::Result &result) {
        done(answerFor(result.ok, result.exceptionCode, result.error, result.registers));
    }, false);
}

CIdentityReader::Answer CIdentityReader::answerFor(bool ok, int exceptionCode, const QString &error,
                                                   const QVector<quint16> &registers) const
{
    Answer answer;
    if (ok) {
        answer.kind = Answer::Identified;
        answer.identity = decode(registers);
        return answer;
    }
    const bool gateway = exceptionCode == GatewayPathUnavailable || exceptionCode == GatewayTargetFailed;
    answer.kind = exceptionCode != 0 && !gateway ? Answer::Exception : Answer::NoAnswer;
    answer.exceptionCode = gateway ? 0 : exceptionCode;
    answer.error = gateway ? CHostTr::tr("no answer behind the gateway (%1)").arg(error) : error;
    return answer;
}

CDeviceIdentity CIdentityReader::decode(const QVector<quint16> &registers) const
{
    const QByteArray bytes = CItemRegisters::toBytes(registers);
    for (CItem *item : m_items) {
        if (!item)
            continue;
        const int offset = 2 * (CItemRegisters::address(item) - m_start);
        item->setByteArray(bytes.mid(offset, 2 * CItemRegisters::registerCount(item)).left(item->byteSize()));
    }
    return held();
}

CDeviceIdentity CIdentityReader::held() const
{
    QStringList texts;
    for (const CItem *item : m_items)
        texts.append(item ? CValueFormat::text(item).trimmed() : QString());
    CDeviceIdentity identity;
    identity.orderNumber = texts.value(CDeviceData::OrderNumber);
    identity.serialNumber = texts.value(CDeviceData::SerialNumber);
    identity.softwareVersion = texts.value(CDeviceData::SoftwareVersion);
    if (m_plugin && m_plugin->supportsModel(identity.orderNumber))
        identity.model = m_plugin->modelName();
    return identity;
}
