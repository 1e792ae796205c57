#include "clinechange.h"

#include "cdevicedata.h"
#include "chosttr.h"
#include "clinkaddress.h"
#include "cparametertransfer.h"
#include "cwritecheck.h"
#include "description/citemregisters.h"
#include "items/citem.h"

bool CLineChange::compute(const CParameterTransfer &parameters, const QList<CItem *> &items,
                          const CLinkSettings &current)
{
    m_settings = current;
    m_descriptions.clear();
    const CDeviceData *data = parameters.deviceData();
    if (!data)
        return false;
    for (int setting = CDeviceData::Address; setting <= CDeviceData::StopBits; ++setting) {
        const auto which = CDeviceData::LineSetting(setting);
        CItem *item = parameters.item(data->lineItem(which));
        if (!item || !items.contains(item) || !parameters.wasRead(item)
            || parameters.deviceBytes(item) == CItemRegisters::registerBytes(item))
            continue;
        const int index = item->value().toInt();
        const QVariant value = which == CDeviceData::Address ? QVariant(index) : data->lineValue(which, index);
        if (!value.isValid())
            continue;
        switch (which) {
        case CDeviceData::Address:
            m_settings.serverAddress = value.toInt();
            break;
        case CDeviceData::BaudRate:
            m_settings.baudRate = value.toInt();
            break;
        case CDeviceData::Parity:
            m_settings.parity = CLinkAddress::parityCode(value.toString());
            break;
        case CDeviceData::StopBits:
            m_settings.stopBits = value.toInt();
            break;
        }
        m_descriptions << CHostTr::tr("%1: %2 -> %3")
                              .arg(CWriteCheck::label(item), parameters.deviceText(item),
                                   CWriteCheck::valueWithUnit(item));
    }
    return !m_descriptions.isEmpty();
}

const CLinkSettings &CLineChange::settings() const
{
    return m_settings;
}

const QStringList &CLineChange::descriptions() const
{
    return m_descriptions;
}
