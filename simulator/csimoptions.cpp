#include "csimoptions.h"

#include <QCommandLineParser>

namespace {

const char *const HelpText =
    "Simulates a PV 8120 differential-pressure transmitter as a Modbus TCP server.\n"
    "\n"
    "The first line on stdout is \"listening on <host>:<port>\" once connections are\n"
    "accepted. Any unit id is answered. Function 3 reads the parameter registers and\n"
    "the status block (12 registers from 0x7000); functions 6 and 16 write parameters.\n"
    "A write must cover whole parameters (else exception 2); a value outside the\n"
    "parameter's range gives exception 3; other function codes exception 1.\n"
    "Read-only parameters (\"Access\" without W) refuse writes with exception 2.\n"
    "SIGTERM and SIGINT end the simulator cleanly.\n"
    "\n"
    "Faults: requests are numbered from 1 over all connections; \"every N\" hits\n"
    "requests N, 2N, 3N, ... When several faults hit one request, a drop wins over\n"
    "an injected exception, which wins over the frame fault of the response.\n"
    "Frame faults: header-only (the 7-byte MBAP header, no PDU), bad-length (length\n"
    "field one short), bad-protocol (protocol id 1), bad-transaction (transaction id\n"
    "+ 0x8000), byte-per-segment (one byte per TCP segment, 2 ms apart), two-frames\n"
    "(the previous response, or a copy with the previous transaction id, and the\n"
    "response in one segment), close-mid-frame (half the response, then close).";

bool toInt(const QString &text, int minimum, int *value)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < minimum)
        return false;
    *value = number;
    return true;
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
    if (parts.size() > 2 || !toInt(parts.first(), 0, &faults.exceptionEvery))
        return fail(QStringLiteral("--exception-every needs N or N:CODE, got \"%1\"").arg(text));
    if (parts.size() == 2 && (!toInt(parts.last(), 1, &faults.exceptionCode) || faults.exceptionCode > 255))
        return fail(QStringLiteral("invalid exception code \"%1\"").arg(parts.last()));
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
        {"exit-on-stdin-eof", "Exit when stdin is closed."},
        {"verbose", "Log requests and responses on stdout."},
        {"no-xml-check", "Accept an unsealed parameter description."},
    });
}

bool CSimOptions::readDevice(const QCommandLineParser &parser)
{
    host = parser.value("host");
    description = parser.value("description");
    language = parser.value("language");
    wrongStatusAddress = parser.isSet("wrong-status-address");
    exitOnStdinEof = parser.isSet("exit-on-stdin-eof");
    int number = 0;
    if (!toInt(parser.value("port"), 0, &number) || number > 65535)
        return fail(QStringLiteral("invalid port \"%1\"").arg(parser.value("port")));
    port = quint16(number);
    bool ok = false;
    seed = parser.value("seed").toULongLong(&ok);
    if (!ok)
        return fail(QStringLiteral("invalid seed \"%1\"").arg(parser.value("seed")));
    if (parser.isSet("pressure")) {
        pressure = parser.value("pressure").toDouble(&fixedPressure);
        if (!fixedPressure)
            return fail(QStringLiteral("invalid pressure \"%1\"").arg(parser.value("pressure")));
    }
    return true;
}

bool CSimOptions::readFaults(const QCommandLineParser &parser)
{
    faults.verbose = parser.isSet("verbose");
    if (!toInt(parser.value("delay"), 0, &faults.delayMs) || !toInt(parser.value("drop-every"), 0, &faults.dropEvery)
        || !toInt(parser.value("disconnect-after"), 0, &faults.disconnectAfter)
        || !toInt(parser.value("frame-fault-every"), 1, &faults.frameFaultEvery))
        return fail(QStringLiteral("--delay, --drop-every, --disconnect-after and --frame-fault-every need numbers"));
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

bool CSimOptions::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    addOptions(&parser);
    parser.process(arguments);
    return readDevice(parser) && readFaults(parser);
}
