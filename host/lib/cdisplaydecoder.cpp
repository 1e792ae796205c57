#include "cdisplaydecoder.h"

#include "chosttr.h"

#include <QRegularExpression>

namespace {

const QHash<QString, CDisplayDecoder::Role> Roles = {
    {QStringLiteral("value"), CDisplayDecoder::ValueRole},
    {QStringLiteral("output"), CDisplayDecoder::OutputRole},
};

QList<int> intList(const QVariant &value)
{
    QList<int> list;
    for (const QVariant &entry : value.toList())
        list.append(entry.toInt());
    return list;
}

} // namespace

bool CDisplayDecoder::load(const QVariantMap &display, QString *error)
{
    *this = CDisplayDecoder();
    const QVariantMap segments = display.value(QStringLiteral("segments")).toMap();
    m_mask = segments.value(QStringLiteral("mask"), 0x7F).toInt();
    m_point = segments.value(QStringLiteral("point"), 0x80).toInt();
    const QVariantMap characters = segments.value(QStringLiteral("characters")).toMap();
    for (auto it = characters.cbegin(); it != characters.cend(); ++it)
        m_characters.insert(it.key().toInt(), it.value().toString());
    loadLedRule(display.value(QStringLiteral("ledRule")).toMap());
    for (const QVariant &entry : display.value(QStringLiteral("leds")).toList()) {
        const QVariantMap led = entry.toMap();
        if (led.contains(QStringLiteral("color")))
            m_ledColors.insert(led.value(QStringLiteral("code")).toInt(), led.value(QStringLiteral("color")).toString());
    }
    if (!loadFrames(display.value(QStringLiteral("frames")).toList(), error)) {
        *this = CDisplayDecoder();
        return false;
    }
    return true;
}

bool CDisplayDecoder::loadFrames(const QVariantList &frames, QString *error)
{
    for (const QVariant &entry : frames) {
        const QVariantMap map = entry.toMap();
        Frame frame;
        frame.number = map.value(QStringLiteral("number")).toInt();
        frame.role = Roles.value(map.value(QStringLiteral("shows")).toString(), OtherRole);
        frame.unit = map.value(QStringLiteral("unit")).toString();
        frame.unitOf = map.value(QStringLiteral("unitOf")).toString();
        frame.color = map.value(QStringLiteral("color")).toString();
        frame.digits = intList(map.value(QStringLiteral("digits")));
        frame.status = intList(map.value(QStringLiteral("status")));
        if (frame.number <= 0 || frame.digits.isEmpty() || frame.status.size() != 2) {
            *error = CHostTr::tr("display frame %1 needs a number, digit bytes and two status bytes")
                         .arg(m_frames.size() + 1);
            return false;
        }
        m_frames.append(frame);
    }
    return true;
}

void CDisplayDecoder::loadLedRule(const QVariantMap &rule)
{
    for (const QVariant &entry : rule.value(QStringLiteral("counters")).toList()) {
        const QVariantMap map = entry.toMap();
        m_counters.append({map.value(QStringLiteral("status")).toInt(), map.value(QStringLiteral("mask")).toInt(),
                           map.value(QStringLiteral("a")).toInt(), map.value(QStringLiteral("b")).toInt()});
    }
    for (const QVariant &entry : rule.value(QStringLiteral("codes")).toList()) {
        const QVariantMap map = entry.toMap();
        m_codes.insert({map.value(QStringLiteral("a")).toInt(), map.value(QStringLiteral("b")).toInt()},
                       map.value(QStringLiteral("led")).toInt());
    }
    m_otherCode = rule.value(QStringLiteral("otherwise"), 0).toInt();
}

bool CDisplayDecoder::isValid() const
{
    return !m_frames.isEmpty();
}

const QList<CDisplayDecoder::Frame> &CDisplayDecoder::frames() const
{
    return m_frames;
}

const CDisplayDecoder::Frame *CDisplayDecoder::frame(Role role) const
{
    for (const Frame &frame : m_frames) {
        if (frame.role == role)
            return &frame;
    }
    return nullptr;
}

quint8 CDisplayDecoder::byteAt(const QVector<quint16> &registers, int position)
{
    const int index = position / 2;
    if (position < 0 || index >= registers.size())
        return 0;
    const quint16 word = registers.at(index);
    return quint8(position % 2 == 0 ? word & 0xFF : word >> 8);
}

CDisplayDecoder::Reading CDisplayDecoder::read(const Frame &frame, const QVector<quint16> &registers) const
{
    Reading reading;
    for (const int position : frame.digits) {
        const quint8 digit = byteAt(registers, position);
        reading.text += character(digit & m_mask);
        if (digit & m_point)
            reading.text += QLatin1Char('.');
    }
    reading.led = ledCode(byteAt(registers, frame.status.value(0, -1)), byteAt(registers, frame.status.value(1, -1)));
    return reading;
}

int CDisplayDecoder::ledCode(quint8 first, quint8 second) const
{
    int a = 0;
    int b = 0;
    for (const Counter &counter : m_counters) {
        if ((counter.status == 0 ? first : second) & counter.mask) {
            a += counter.a;
            b += counter.b;
        }
    }
    return m_codes.value({a, b}, m_otherCode);
}

QString CDisplayDecoder::character(int pattern) const
{
    return m_characters.value(pattern, QStringLiteral(" "));
}

QString CDisplayDecoder::ledColor(int code) const
{
    return m_ledColors.value(code);
}

bool CDisplayDecoder::number(const QString &text, double *value, int *decimals)
{
    // Blank digits are blank; a number has digits, at most one point and a
    // leading minus. Anything else ("----", "Err", "1.2.3") is a message.
    static const QRegularExpression plain(QStringLiteral("^-?(\\d+\\.?(\\d*))$|^-?\\.(\\d+)$"));
    const QString trimmed = text.trimmed();
    const QRegularExpressionMatch match = plain.match(trimmed);
    if (!match.hasMatch())
        return false;
    bool ok = false;
    const double number = trimmed.toDouble(&ok);
    if (!ok)
        return false;
    *value = number;
    *decimals = match.captured(2).size() + match.captured(3).size();
    return true;
}
