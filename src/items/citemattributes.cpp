// Configuration of a CItem from the attribute set of a parameter description.
#include "items/citem.h"

#include "items/datatypes.h"
#include "items/itemkeys.h"

bool CItem::setAttributes(const QHash<QString, QString> &attributes)
{
    bool unknownType = false;
    const auto has = [&attributes](const QString &key) { return attributes.contains(key); };
    const auto text = [&attributes](const QString &key) { return attributes.value(key); };

    if (has(Keys::DataId))
        m_id = text(Keys::DataId).toInt();
    if (has(Keys::ReadOnly))
        setReadOnly(text(Keys::ReadOnly) != QLatin1String("false"));
    if (has(Keys::Visibility))
        setVisible(text(Keys::Visibility) != QLatin1String("false"));
    if (has(Keys::Text))
        m_caption = text(Keys::Text);
    if (has(Keys::Unit))
        setUnit(text(Keys::Unit));
    if (has(Keys::Min) && has(Keys::Max)) {
        m_minimum = double(text(Keys::Min).toFloat());
        m_maximum = double(text(Keys::Max).toFloat());
    }
    if (has(Keys::Divider)) {
        const float divider = text(Keys::Divider).toFloat();
        setDecimalFactor(divider == 0.0f ? 1.0 : double(divider));
        setPrecision(double(decimalsFromDivider(text(Keys::Divider))));
    }
    if (has(Keys::TextIfOut))
        m_specialValueText = text(Keys::TextIfOut);
    if (has(Keys::TextIfStandby))
        m_specialOutput = text(Keys::TextIfStandby);
    if (has(Keys::Datatype)) {
        const int type = dataTypeFromName(text(Keys::Datatype).toLower());
        if (type != 0)
            m_type = ENUM_DATA_TYPES(type);
        else
            unknownType = true;
    }
    if (has(Keys::Default)) {
        m_defaultValue = QVariant(text(Keys::Default).toFloat());
        setValue(m_defaultValue);
    }
    if (has(Keys::Infonummer))
        m_infoNumber = text(Keys::Infonummer);
    return unknownType;
}
