#include "csimoptions.h"

#include <QCommandLineParser>
#include <QHostAddress>
#include <QtMath>

#include <limits>

namespace {

const char *const HelpText =
    "Simulates a PV 8120 differential-pressure transmitter as a Modbus TCP server.\n"
    "\n"
    "The first line on stdout is \"listening on <host>:<port>\" once connections are\n"
    "accepted (one line per endpoint). Any unit id is answered, unless --unit-ids\n"
    "names the devices: then each of them is a device of its own, with its own\n"
    "parameters and serial number, and other unit ids stay silent (with --gateway\n"
    "they get exception 11). Function 3 reads the parameter registers and\n"
    "the status block (12 registers from 0x7000); functions 6 and 16 write parameters.\n"
    "A write must cover whole parameters (else exception 2); a value outside the\n"
    "parameter's range gives exception 3; other function codes exception 1.\n"
    "Read-only parameters (\"Access\" without W) refuse writes with exception 2.\n"
    "SIGTERM and SIGINT end the simulator cleanly.\n"
    "\n"
    "Faults: requests are numbered from 1 over all connections; \"every N\" hits\n"
    "requests N, 2N, 3N, ... When several faults hit one request, a drop wins over\n"
    "an injected exception, which wins over the frame fault of the response.\n"
    "With --fault-ids the faults (and --delay) hit only requests to those devices.\n"
    "Frame faults: header-only (the 7-byte MBAP header, no PDU), bad-length (length\n"
    "field one short), bad-protocol (protocol id 1), bad-transaction (transaction id\n"
    "+ 0x8000), byte-per-segment (one byte per TCP segment, 2 ms apart), two-frames\n"
    "(the previous response, or a copy with the previous transaction id, and the\n"
    "response in one segment), close-mid-frame (half the response, then close),\n"
    "wrong-unit (unit id + 1), wrong-function (another function code), bad-count\n"
    "(a read one register short, a write echo off by one), long-length (length\n"
    "field one long), trailing-garbage (two bytes after the response).\n"
    "--fault-rate P hits P percent of the requests with one fault drawn at random\n"
    "from drop, busy (exception 6), exception, disconnect and the frame faults;\n"
    "the \"every\" options then rest. On exit the simulator prints\n"
    "\"faults injected: N in M requests (kind n, ...)\" when it injected any.";

const int MaxCount = 1000000000;   // "every N" and request counts
const int MaxDelayMs = 60000;
const int MaxUnitId = 247;         // highest unit id of a device on a bus
const int MaxEndpoints = 1000;
const int MaxLineBaud = 10000000;
const double MaxPressure = 1.0e6;  // mbar, far beyond any sensor of the family

bool toInt(const QString &text, int minimum, int maximum, int *value)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok || number < minimum || number > maximum)
        return false;
    *value = number;
    return true;
}

QString wholeNumberError(const QString &option, const QString &text, int minimum, int maximum)
{
    return QStringLiteral("--%1 takes a whole number from %2 to %3, not \"%4\"")
        .arg(option).arg(minimum).arg(maximum).arg(text);
}

} // namespace

bool CSimOptions::fail(const QString &text)
{
    m_error = text;
    return false;
}

bool CSimOptions::parseExceptionOption(const QString &text)
{
    const QStringList parts = text.split(':');
    if (parts.size() > 2 || !toInt(parts.first(), 0, MaxCount, &faults.exceptionEvery))
        return fail(QStringLiteral("--exception-every needs N or N:CODE (N from 0 to %1), got \"%2\"")
                        .arg(MaxCount).arg(text));
    if (parts.size() == 2 && !toInt(parts.last(), 1, 127, &faults.exceptionCode))
        return fail(QStringLiteral("the exception code in --exception-every must be from 1 to 127, not \"%1\"")
                        .arg(parts.last()));
    return true;
}

void CSimOptions::addOptions(QCommandLineParser *parser) const
{
    parser->setApplicationDescription(QString::fromLatin1(HelpText));
    parser->addHelpOption();
    parser->addVersionOption();
    parser->addOptions({
        {"host", "Address to listen on (default 127.0.0.1).", "ADDRESS", host},
        {"port", "TCP port; 0 (default) picks a free one.", "N", "0"},
        {"description", "Parameter description (default: the installed or built pv8120.xml).", "FILE"},
        {"language", "Language file beside the description to translate list texts (e.g. de).", "ID"},
        {"seed", "Seed of the pressure waveform (default 1).", "N", "1"},
        {"pressure", "Hold the pressure at MBAR instead of the waveform.", "MBAR"},
        {"delay", "Delay every response by MS milliseconds.", "MS", "0"},
        {"drop-every", "Drop every Nth request (no response).", "N", "0"},
        {"exception-every", "Answer every Nth request with exception CODE (default 4).", "N[:CODE]", "0"},
        {"disconnect-after", "Close a connection after its Nth request has been answered.", "N", "0"},
        {"wrong-status-address", "Answer status reads with the block of the next register address."},
        {"frame-fault", "Damage responses: " + CFrameMangler::faultNames().join('|') + ".", "KIND"},
        {"frame-fault-every", "Apply --frame-fault to every Nth request's response (default 1).", "N", "1"},
        {"unit-ids", "Simulate a device for each of these unit ids, e.g. 1-10,15.", "LIST"},
        {"endpoints", "Listen on N ports (from --port on, or N free ones), each with its own devices.", "N", "1"},
        {"serial-number", "Serial number of the first device; the others count up (default 10001).", "N",
         "10001"},
        {"order-number", "Order number the devices report (default: the description's).", "TEXT"},
        {"gateway", "Answer unit ids without a device with exception 11, as a gateway does."},
        {"fault-ids", "Inject the faults only into the devices with these unit ids.", "LIST"},
        {"line-baud", "Answer as over a serial line at N bit/s (frame times added).", "N", "0"},
        {"fault-rate", "Hit P percent of the requests with a fault of a random kind (0 to 100).", "P", "0"},
        {"fault-seed", "Seed of the random faults (default 1).", "N", "1"},
        {"exit-on-stdin-eof", "Exit when stdin is closed."},
        {"verbose", "Log requests and responses on stdout."},
        {"no-xml-check", "Accept an unsealed parameter description."},
    });
}

bool CSimOptions::readDevice(const QCommandLineParser &parser)
{
    host = parser.value("host");
    QString hostText = host;
    if (hostText.startsWith('[') && hostText.endsWith(']'))
        hostText = hostText.mid(1, hostText.size() - 2);
    if (QHostAddress(hostText).isNull())
        return fail(QStringLiteral("--host needs an IP address such as 127.0.0.1 or ::1, not \"%1\"").arg(host));
    host = hostText;
    description = parser.value("description");
    language = parser.value("language");
    wrongStatusAddress = parser.isSet("wrong-status-address");
    exitOnStdinEof = parser.isSet("exit-on-stdin-eof");
    int number = 0;
    if (!toInt(parser.value("port"), 0, 65535, &number))
        return fail(wholeNumberError(QStringLiteral("port"), parser.value("port"), 0, 65535));
    port = quint16(number);
    bool ok = false;
    seed = parser.value("seed").toULongLong(&ok);
    if (!ok)
        return fail(QStringLiteral("--seed takes a whole number from 0 on, not \"%1\"").arg(parser.value("seed")));
    if (parser.isSet("pressure")) {
        pressure = parser.value("pressure").trimmed().toDouble(&fixedPressure);
        if (!fixedPressure || !qIsFinite(pressure) || qAbs(pressure) > MaxPressure)
            return fail(QStringLiteral("--pressure takes a number of mbar from %1 to %2, not \"%3\"")
                            .arg(-MaxPressure, 0, 'f', 0).arg(MaxPressure, 0, 'f', 0).arg(parser.value("pressure")));
    }
    return true;
}

bool CSimOptions::readFaults(const QCommandLineParser &parser)
{
    faults.verbose = parser.isSet("verbose");
    const struct
    {
        const char *option;
        int minimum;
        int maximum;
        int *target;
    } numbers[] = {{"delay", 0, MaxDelayMs, &faults.delayMs},
                   {"drop-every", 0, MaxCount, &faults.dropEvery},
                   {"disconnect-after", 0, MaxCount, &faults.disconnectAfter},
                   {"frame-fault-every", 1, MaxCount, &faults.frameFaultEvery}};
    for (const auto &number : numbers) {
        const QString name = QString::fromLatin1(number.option);
        if (!toInt(parser.value(name), number.minimum, number.maximum, number.target))
            return fail(wholeNumberError(name, parser.value(name), number.minimum, number.maximum));
    }
    bool ok = false;
    faults.faultRate = parser.value("fault-rate").trimmed().toDouble(&ok);
    if (!ok || !(faults.faultRate >= 0.0 && faults.faultRate <= 100.0))
        return fail(QStringLiteral("--fault-rate takes a percentage from 0 to 100, not \"%1\"")
                        .arg(parser.value("fault-rate")));
    faults.faultSeed = parser.value("fault-seed").trimmed().toULongLong(&ok);
    if (!ok)
        return fail(QStringLiteral("--fault-seed takes a whole number from 0 on, not \"%1\"")
                        .arg(parser.value("fault-seed")));
    if (!parseExceptionOption(parser.value("exception-every")))
        return false;
    if (parser.isSet("frame-fault")) {
        bool ok = false;
        faults.frameFault = CFrameMangler::fault(parser.value("frame-fault"), &ok);
        if (!ok)
            return fail(QStringLiteral("unknown frame fault \"%1\"").arg(parser.value("frame-fault")));
    }
    return true;
}

bool CSimOptions::parseIds(const QString &text, QList<int> *ids)
{
    for (const QString &part : text.split(QLatin1Char(','))) {
        const QStringList bounds = part.split(QLatin1Char('-'));
        int first = 0;
        int last = 0;
        if (bounds.size() > 2 || !toInt(bounds.first(), 1, MaxUnitId, &first)
            || !toInt(bounds.last(), first, MaxUnitId, &last))
            return false;
        for (int id = first; id <= last; ++id) {
            if (!ids->contains(id))
                ids->append(id);
        }
    }
    return true;
}

bool CSimOptions::readFleet(const QCommandLineParser &parser)
{
    if (parser.isSet("unit-ids") && !parseIds(parser.value("unit-ids"), &unitIds))
        return fail(QStringLiteral("--unit-ids needs unit ids 1 .. 247 such as 1-10,15, got \"%1\"")
                        .arg(parser.value("unit-ids")));
    QList<int> faultIds;
    if (parser.isSet("fault-ids") && !parseIds(parser.value("fault-ids"), &faultIds))
        return fail(QStringLiteral("--fault-ids needs unit ids 1 .. 247, got \"%1\"").arg(parser.value("fault-ids")));
    faults.unitIds = QSet<int>(faultIds.cbegin(), faultIds.cend());
    if (!toInt(parser.value("endpoints"), 1, MaxEndpoints, &endpoints))
        return fail(wholeNumberError(QStringLiteral("endpoints"), parser.value("endpoints"), 1, MaxEndpoints));
    if (port != 0 && port + endpoints - 1 > 65535)
        return fail(QStringLiteral("%1 endpoints from port %2 run beyond port 65535").arg(endpoints).arg(port));
    bool ok = false;
    serialNumber = parser.value("serial-number").trimmed().toUInt(&ok);
    if (!ok)
        return fail(QStringLiteral("--serial-number takes a whole number from 0 to %1, not \"%2\"")
                        .arg(std::numeric_limits<quint32>::max()).arg(parser.value("serial-number")));
    orderNumber = parser.value("order-number");
    gateway = parser.isSet("gateway");
    if (!toInt(parser.value("line-baud"), 0, MaxLineBaud, &faults.lineBaud))
        return fail(wholeNumberError(QStringLiteral("line-baud"), parser.value("line-baud"), 0, MaxLineBaud));
    return true;
}

bool CSimOptions::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    addOptions(&parser);
    parser.process(arguments);
    return readDevice(parser) && readFaults(parser) && readFleet(parser);
}
