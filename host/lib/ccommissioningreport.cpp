#include "ccommissioningreport.h"

#include "chosttr.h"
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QSaveFile>

namespace {

const QString FormatTag = QStringLiteral("loomwork-commissioning-report");

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString cell(const QString &text, const QString &cssClass = QString())
{
    return cssClass.isEmpty() ? QStringLiteral("<td>%1</td>").arg(escaped(text))
                              : QStringLiteral("<td class=\"%1\">%2</td>").arg(cssClass, escaped(text));
}

QString headerRow(const QStringList &titles)
{
    QString row = QStringLiteral("<tr>");
    for (const QString &title : titles)
        row += QStringLiteral("<th>%1</th>").arg(escaped(title));
    return row + QStringLiteral("</tr>\n");
}

QString time(const QDateTime &moment)
{
    return moment.isValid() ? moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QString();
}

// Print-friendly, no external resources.
const char *const Style = R"(
body { font-family: sans-serif; font-size: 10pt; color: #111; margin: 2em; }
h1 { font-size: 16pt; margin-bottom: 0.2em; }
h2 { font-size: 12pt; margin: 1.6em 0 0.4em; border-bottom: 1px solid #999; }
h3 { font-size: 10pt; margin: 0.8em 0 0.3em; }
table { border-collapse: collapse; margin: 0.3em 0 0.8em; }
th, td { border: 1px solid #bbb; padding: 2px 6px; text-align: left; vertical-align: top; }
th { background: #eee; }
table.facts th { background: none; border: none; font-weight: normal; color: #555; padding-left: 0; }
table.facts td { border: none; }
table.summary td { white-space: nowrap; }
.ok { color: #0a5d0a; font-weight: bold; }
.bad { color: #a00; font-weight: bold; }
.note { color: #555; }
section { page-break-inside: avoid; }
@media print { body { margin: 0; } h2 { page-break-after: avoid; } }
)";

} // namespace

QMap<CDeviceRecord::Outcome, int> CCommissioningReport::counts() const
{
    QMap<CDeviceRecord::Outcome, int> result;
    for (const CDeviceRecord &record : records)
        ++result[record.outcome];
    return result;
}

bool CCommissioningReport::succeeded() const
{
    for (const CDeviceRecord &record : records) {
        if (!record.succeeded())
            return false;
    }
    return true;
}

QJsonObject CCommissioningReport::toJson() const
{
    QJsonArray devices;
    for (const CDeviceRecord &record : records)
        devices.append(record.toJson());
    QJsonObject summary;
    const QMap<CDeviceRecord::Outcome, int> byOutcome = counts();
    for (auto it = byOutcome.cbegin(); it != byOutcome.cend(); ++it)
        summary.insert(CDeviceRecord::outcomeName(it.key()), it.value());
    return QJsonObject{
        {QStringLiteral("format"), FormatTag},
        {QStringLiteral("version"), FormatVersion},
        {QStringLiteral("command"), command},
        {QStringLiteral("dryRun"), dryRun},
        {QStringLiteral("source"), source},
        {QStringLiteral("model"), model},
        {QStringLiteral("orderNumber"), orderNumber},
        {QStringLiteral("parameterVersion"), parameterVersion},
        {QStringLiteral("program"), program},
        {QStringLiteral("started"), started.toString(Qt::ISODateWithMs)},
        {QStringLiteral("finished"), finished.toString(Qt::ISODateWithMs)},
        {QStringLiteral("succeeded"), succeeded()},
        {QStringLiteral("summary"), summary},
        {QStringLiteral("devices"), devices},
    };
}

bool CCommissioningReport::write(const QString &directory, QString *error) const
{
    if (!QDir().mkpath(directory)) {
        *error = CHostTr::tr("%1: the folder cannot be made").arg(directory);
        return false;
    }
    const QList<QPair<QString, QByteArray>> files = {
        {QStringLiteral("report.json"), QJsonDocument(toJson()).toJson(QJsonDocument::Indented)},
        {QStringLiteral("report.html"), toHtml().toUtf8()}};
    for (const auto &file : files) {
        QSaveFile out(QDir(directory).filePath(file.first));
        if (!out.open(QIODevice::WriteOnly) || out.write(file.second) != file.second.size() || !out.commit()) {
            *error = CHostTr::tr("%1: %2").arg(out.fileName(), out.errorString());
            return false;
        }
    }
    return true;
}

QString CCommissioningReport::commandText() const
{
    if (command == QLatin1String("save"))
        return CHostTr::tr("Parameter sets saved");
    if (command == QLatin1String("diff"))
        return CHostTr::tr("Devices compared with a parameter set");
    if (command == QLatin1String("session"))
        return CHostTr::tr("Device configured in the host");
    return dryRun ? CHostTr::tr("Parameter set applied (dry run, nothing written)") : CHostTr::tr("Parameter set applied");
}

QString CCommissioningReport::toHtml() const
{
    QString html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\">\n<head>\n<meta charset=\"utf-8\">\n"
                                  "<title>%2</title>\n<style>%3</style>\n</head>\n<body>\n")
                       .arg(CHostTr::tr("en", "language code of the report"), escaped(CHostTr::tr("Commissioning report")),
                            QString::fromLatin1(Style));
    html += htmlHead() + htmlSummary();
    for (int i = 0; i < records.size(); ++i)
        html += htmlDevice(i, records.at(i));
    return html + QStringLiteral("</body>\n</html>\n");
}

QString CCommissioningReport::htmlHead() const
{
    QString html = QStringLiteral("<h1>%1</h1>\n<p>%2</p>\n<table class=\"facts\">\n")
                       .arg(escaped(CHostTr::tr("Commissioning report")), escaped(commandText()));
    const QList<QPair<QString, QString>> facts = {
        {command == QLatin1String("save") ? CHostTr::tr("Folder") : CHostTr::tr("Parameter set"), source},
        {CHostTr::tr("Model"), QStringLiteral("%1 (%2), %3 %4").arg(model, orderNumber, CHostTr::tr("parameter version"), parameterVersion)},
        {CHostTr::tr("Started"), time(started)},
        {CHostTr::tr("Finished"), time(finished)},
        {CHostTr::tr("Program"), program}};
    for (const auto &fact : facts) {
        if (!fact.second.isEmpty())
            html += QStringLiteral("<tr><th>%1</th>%2</tr>\n").arg(escaped(fact.first), cell(fact.second));
    }
    html += QStringLiteral("</table>\n<p class=\"%1\">%2</p>\n")
                .arg(succeeded() ? QStringLiteral("ok") : QStringLiteral("bad"),
                     escaped(succeeded() ? CHostTr::tr("Every device ended as asked.")
                                         : CHostTr::tr("Not every device ended as asked: see the devices marked below.")));
    return html;
}

QString CCommissioningReport::htmlSummary() const
{
    QString html = QStringLiteral("<h2>%1</h2>\n<p>").arg(escaped(CHostTr::tr("%n device(s)", nullptr, records.size())));
    QStringList parts;
    const QMap<CDeviceRecord::Outcome, int> byOutcome = counts();
    for (auto it = byOutcome.cbegin(); it != byOutcome.cend(); ++it)
        parts << QStringLiteral("%1: %2").arg(CDeviceRecord::outcomeText(it.key())).arg(it.value());
    html += escaped(parts.join(QStringLiteral(", "))) + QStringLiteral("</p>\n<table class=\"summary\">\n");
    html += headerRow({CHostTr::tr("No."), CHostTr::tr("Link"), CHostTr::tr("Unit id"), CHostTr::tr("Serial number"), CHostTr::tr("Model"),
                       CHostTr::tr("Software version"), CHostTr::tr("Outcome"), CHostTr::tr("Written")});
    for (int i = 0; i < records.size(); ++i) {
        const CDeviceRecord &record = records.at(i);
        html += QStringLiteral("<tr>") + cell(QString::number(i + 1)) + cell(record.link)
            + cell(QString::number(record.unitId)) + cell(record.identity.serialNumber) + cell(record.identity.model)
            + cell(record.identity.softwareVersion)
            + cell(CDeviceRecord::outcomeText(record.outcome), record.succeeded() ? "ok" : "bad")
            + cell(QString::number(record.changes.size())) + QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

QString CCommissioningReport::htmlDevice(int index, const CDeviceRecord &record) const
{
    QString html = QStringLiteral("<section>\n<h2>%1</h2>\n<table class=\"facts\">\n")
                       .arg(escaped(CHostTr::tr("Device %1: %2, unit id %3").arg(index + 1).arg(record.link).arg(record.unitId)));
    const QList<QPair<QString, QString>> facts = {
        {CHostTr::tr("Model"), record.identity.model},
        {CHostTr::tr("Order number"), record.identity.orderNumber},
        {CHostTr::tr("Serial number"), record.identity.serialNumber},
        {CHostTr::tr("Expected serial number"), record.expectedSerial.isEmpty() ? CHostTr::tr("any") : record.expectedSerial},
        {CHostTr::tr("Software version"), record.identity.softwareVersion},
        {CHostTr::tr("Started"), time(record.started)},
        {CHostTr::tr("Finished"), time(record.finished)},
        {CHostTr::tr("Parameter set file"), record.file}};
    for (const auto &fact : facts) {
        if (!fact.second.isEmpty())
            html += QStringLiteral("<tr><th>%1</th>%2</tr>\n").arg(escaped(fact.first), cell(fact.second));
    }
    html += QStringLiteral("<tr><th>%1</th><td><span class=\"%2\">%3</span> %4</td></tr>\n</table>\n")
                .arg(escaped(CHostTr::tr("Outcome")), record.succeeded() ? QStringLiteral("ok") : QStringLiteral("bad"),
                     escaped(CDeviceRecord::outcomeText(record.outcome)), escaped(record.message));
    if (!record.problems.isEmpty()) {
        html += QStringLiteral("<h3>%1</h3>\n<ul>\n").arg(escaped(CHostTr::tr("Problems")));
        for (const QString &problem : record.problems)
            html += QStringLiteral("<li>%1</li>\n").arg(escaped(problem));
        html += QStringLiteral("</ul>\n");
    }
    if (!record.changes.isEmpty())
        html += htmlChanges(CHostTr::tr("Written parameters"), record.changes, true);
    if (!record.differences.isEmpty())
        html += htmlChanges(record.outcome == CDeviceRecord::WouldChange ? CHostTr::tr("Would be written")
                                                                         : CHostTr::tr("Differences from the set"),
                            record.differences, false);
    if (record.changes.isEmpty() && record.differences.isEmpty() && record.succeeded()
        && command != QLatin1String("save"))
        html += QStringLiteral("<p class=\"note\">%1</p>\n").arg(escaped(CHostTr::tr("Nothing was written.")));
    return html + QStringLiteral("</section>\n");
}

QString CCommissioningReport::htmlChanges(const QString &title, const QList<CDeviceRecord::Change> &changes,
                                          bool written)
{
    QString html = QStringLiteral("<h3>%1</h3>\n<table>\n").arg(escaped(title));
    html += written ? headerRow({CHostTr::tr("Parameter"), CHostTr::tr("Name"), CHostTr::tr("Before"), CHostTr::tr("After"), CHostTr::tr("Read back")})
                    : headerRow({CHostTr::tr("Parameter"), CHostTr::tr("Name"), CHostTr::tr("Device"), CHostTr::tr("Set"), CHostTr::tr("Note")});
    for (const CDeviceRecord::Change &change : changes) {
        const QString note = written ? CDeviceRecord::readBackText(change.readBack)
                                     : change.refused ? CHostTr::tr("the device cannot take the set's value") : QString();
        const bool bad = written ? change.readBack != CDeviceRecord::Confirmed && change.readBack != CDeviceRecord::NotReadBack
                                 : change.refused;
        html += QStringLiteral("<tr>") + cell(change.caption) + cell(change.name) + cell(change.before)
            + cell(change.after) + cell(note, bad ? "bad" : written ? "ok" : QString()) + QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}
