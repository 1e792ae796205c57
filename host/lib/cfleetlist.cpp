#include "cfleetlist.h"

#include "chosttr.h"
#include "clinkaddress.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

namespace {

// Problems named in one message, at most this many.
const int MaxProblems = 20;

QString jsonText(const QJsonValue &value)
{
    if (value.isDouble())
        return QString::number(value.toDouble(), 'f', 0);
    return value.isString() ? value.toString() : QString();
}

} // namespace

bool CFleetList::load(const QString &fileName, const CLinkSettings &base, QString *error)
{
    QFile file(fileName);
    const bool opened = fileName == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly)
                                                       : file.open(QIODevice::ReadOnly);
    if (!opened) {
        *error = CHostTr::tr("%1: %2").arg(fileName, file.errorString());
        return false;
    }
    if (parse(file.readAll(), base, error))
        return true;
    *error = CHostTr::tr("%1: %2").arg(fileName, *error);
    return false;
}

bool CFleetList::parse(const QByteArray &content, const CLinkSettings &base, QString *error)
{
    m_devices.clear();
    m_lines.clear();
    QStringList problems;
    const QByteArray trimmed = content.trimmed();
    // A JSON list opens with "[" and an object (or is empty); a line may open
    // with "[" too, as an IPv6 endpoint does ("[::1]:502 1").
    static const QRegularExpression jsonList(QStringLiteral("^\\[\\s*[{\\]]"));
    if (jsonList.match(QString::fromUtf8(trimmed.left(64))).hasMatch()) {
        if (!parseJson(trimmed, base, &problems)) {
            *error = problems.value(0);
            return false;
        }
    } else {
        parseLines(content, base, &problems);
    }
    if (problems.isEmpty() && m_devices.isEmpty())
        problems << CHostTr::tr("the list names no device");
    if (problems.isEmpty())
        return true;
    if (problems.size() > MaxProblems)
        problems = problems.mid(0, MaxProblems) << CHostTr::tr("... and %n more", nullptr, problems.size() - MaxProblems);
    *error = problems.join(QLatin1Char('\n'));
    m_devices.clear();
    return false;
}

bool CFleetList::parseJson(const QByteArray &content, const CLinkSettings &base, QStringList *problems)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(content, &parseError);
    if (!document.isArray()) {
        problems->append(CHostTr::tr("not a JSON list of devices: %1").arg(parseError.errorString()));
        return false;
    }
    const QJsonArray entries = document.array();
    for (int i = 0; i < entries.size(); ++i) {
        const QJsonObject entry = entries.at(i).toObject();
        const QJsonValue unit = entry.contains(QStringLiteral("unitId")) ? entry.value(QStringLiteral("unitId"))
                                                                          : entry.value(QStringLiteral("address"));
        addDevice(entry.value(QStringLiteral("link")).toString(), jsonText(unit),
                  jsonText(entry.value(QStringLiteral("serialNumber"))), i + 1, base, problems);
    }
    return true;
}

void CFleetList::parseLines(const QByteArray &content, const CLinkSettings &base, QStringList *problems)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList lines = QString::fromUtf8(content).split(QLatin1Char('\n'));
    bool first = true;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).section(QLatin1Char('#'), 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        const bool csv = line.contains(QLatin1Char(','));
        QStringList fields = csv ? line.split(QLatin1Char(',')) : line.split(blanks);
        for (QString &field : fields)
            field = field.trimmed();
        // A CSV header names the columns instead of a device.
        bool number = false;
        fields.value(1).toInt(&number);
        if (csv && first && !number) {
            first = false;
            continue;
        }
        first = false;
        const QString serial = fields.value(2) == QLatin1String("-") ? QString() : fields.value(2);
        addDevice(fields.value(0), fields.value(1), serial, i + 1, base, problems);
    }
}

bool CFleetList::addDevice(const QString &link, const QString &unitId, const QString &serialNumber, int line,
                           const CLinkSettings &base, QStringList *problems)
{
    CFleetDevice device;
    device.link = base;
    device.line = line;
    device.serialNumber = serialNumber.trimmed();
    QString error;
    bool ok = false;
    device.unitId = unitId.toInt(&ok);
    if (!CLinkAddress::parse(link, &device.link, &error)) {
        problems->append(CHostTr::tr("entry %1: %2").arg(line).arg(error));
        return false;
    }
    if (!ok || device.unitId < 1 || device.unitId > 247) {
        problems->append(CHostTr::tr("entry %1: the unit id must lie in 1 .. 247, not \"%2\"").arg(line).arg(unitId));
        return false;
    }
    device.link.serverAddress = device.unitId;
    const QString endpoint = CLinkAddress::endpoint(device.link);
    const QString key = QStringLiteral("%1#%2").arg(endpoint).arg(device.unitId);
    if (m_lines.contains(key)) {
        problems->append(CHostTr::tr("entry %1: unit id %2 on %3 is named in entry %4 already")
                             .arg(line).arg(device.unitId).arg(endpoint).arg(m_lines.value(key)));
        return false;
    }
    m_lines.insert(key, line);
    m_devices.append(device);
    return true;
}

const QList<CFleetDevice> &CFleetList::devices() const
{
    return m_devices;
}

QList<QList<CFleetDevice>> CFleetList::byEndpoint() const
{
    QList<QList<CFleetDevice>> groups;
    QHash<QString, int> index;
    for (const CFleetDevice &device : m_devices) {
        const QString endpoint = CLinkAddress::endpoint(device.link);
        if (!index.contains(endpoint)) {
            index.insert(endpoint, groups.size());
            groups.append(QList<CFleetDevice>());
        }
        groups[index.value(endpoint)].append(device);
    }
    return groups;
}
