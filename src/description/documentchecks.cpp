#include "description/cparameterdescription.h"
#include "description/descriptionreader.h"
#include "description/xmltree.h"

#include <QCoreApplication>

namespace {

const QString NoXmlCheckSwitch = QStringLiteral("--no-xml-check");

// The bytes without their trailer. The first pass may have stopped early
// (the reader rejects a badly encoded trailer before reading anything), so
// the body is checked again: nothing that fails the safety checks leaves here.
QByteArray withoutTrailer(const QByteArray &bytes, int trailerLength)
{
    QByteArray body = bytes.left(qMax(0, bytes.size() - qMax(0, trailerLength)));
    if (parseXml(body, false).status == XmlStatus::Refused)
        return QByteArray();
    return body;
}

constexpr int TrailerLength = 2;
constexpr int MaxSealAttempts = 64;

bool isXmlBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Count of "\n"-separated parts (empty parts kept) of the Latin-1 text up to
// the first zero byte.
qint64 lineCountUpToZero(const QByteArray &bytes)
{
    const int zero = bytes.indexOf('\0');
    const int end = zero < 0 ? bytes.size() : zero;
    return qint64(bytes.left(end).count('\n')) + 1;
}

} // namespace

bool isXmlCheckEnabled()
{
    // arguments() warns without an application object; there is no command
    // line to consult then.
    if (!QCoreApplication::instance())
        return true;
    return !QCoreApplication::arguments().contains(NoXmlCheckSwitch);
}

bool isWellFormedXml(const QByteArray &bytes)
{
    return parseXml(bytes, false).status == XmlStatus::Ok;
}

XmlParseResult DescriptionReader::parseSealedBody(const QByteArray &bytes, bool buildTree)
{
    if (!hasValidChecksum(bytes))
        return XmlParseResult();
    const QByteArray body = bytes.left(bytes.size() - TrailerLength);
    XmlParseResult parsed = parseXml(body, buildTree);
    if (parsed.status == XmlStatus::Ok && statusWithTail(body, bytes.right(TrailerLength)) != XmlStatus::Malformed)
        return XmlParseResult();
    return parsed;
}

QByteArray readDocumentBytes(const QByteArray &bytes, int trailerLength)
{
    if (trailerLength == TrailerLength
        && DescriptionReader::parseSealedBody(bytes, false).status == XmlStatus::Ok)
        return bytes.left(bytes.size() - TrailerLength);
    const XmlParseResult asIs = parseXml(bytes, false);
    if (asIs.status == XmlStatus::Refused)
        return QByteArray();
    if (asIs.status == XmlStatus::Ok)
        return isXmlCheckEnabled() ? QByteArray() : bytes;
    if (hasValidChecksum(bytes))
        return withoutTrailer(bytes, trailerLength);
    if (!isXmlCheckEnabled() && asIs.errorLine == lineCountUpToZero(bytes))
        return withoutTrailer(bytes, trailerLength);
    return QByteArray();
}

QByteArray sealDocument(const QByteArray &text)
{
    if (text.size() > MaxDocumentBytes - TrailerLength || !isWellFormedXml(text))
        return QByteArray();
    QByteArray trimmed = text;
    while (!trimmed.isEmpty() && isXmlBlank(trimmed.back()))
        trimmed.chop(1);
    // The checksum decides whether the trailer reads as blanks or as an
    // unfinished character; another count of line ends behind the root gives
    // another checksum. Each try fails with a chance of about 1 in 40.
    QByteArray body = text;
    for (int lineEnds = 1; lineEnds <= MaxSealAttempts; ++lineEnds) {
        const quint16 checksum = crc16(body);
        QByteArray trailer;
        trailer.append(char(checksum >> 8)).append(char(checksum & 0xFF));
        if (statusWithTail(body, trailer) == XmlStatus::Malformed)
            return body + trailer;
        body = trimmed + QByteArray(lineEnds, '\n');
        if (body.size() > MaxDocumentBytes - TrailerLength || !isWellFormedXml(body))
            break;
    }
    return QByteArray();
}

int minimumTableVersion()
{
    QString version = QCoreApplication::applicationVersion();
    version.chop(2);
    bool ok = false;
    const double v = version.toDouble(&ok);
    if (!ok)
        return 0;
    if (v >= 1.7)
        return 500;
    if (v >= 1.2)
        return 400;
    if (v >= 1.0)
        return 300;
    return 0;
}

bool isTableVersionSupported(int version)
{
    return version >= 1 && version >= minimumTableVersion();
}
