#include "description/cparameterdescription.h"
#include "description/descriptionreader.h"
#include "description/xmltree.h"
#include "description/cloomworktr.h"

#include <QCoreApplication>

namespace {

const QString NoXmlCheckSwitch = QStringLiteral("--no-xml-check");


QByteArray refuse(QString *reason, const QString &why)
{
    if (reason)
        *reason = why;
    return QByteArray();
}

// The bytes without their trailer. The first pass may have stopped early
// (the reader rejects a badly encoded trailer before reading anything), so
// the body is checked again: nothing that fails the safety checks leaves here.
QByteArray withoutTrailer(const QByteArray &bytes, int trailerLength, QString *reason)
{
    QByteArray body = bytes.left(qMax(0, bytes.size() - qMax(0, trailerLength)));
    const XmlParseResult checked = parseXml(body, false);
    if (checked.status == XmlStatus::Refused)
        return refuse(reason, checked.reason);
    return body;
}

constexpr int TrailerLength = 2;
constexpr int MaxSealAttempts = 64;

bool isXmlBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Why a file that is neither sealed nor accepted as it stands is refused:
// a text that parses without its trailer was changed after sealing.
QString damageOf(const QByteArray &bytes, const XmlParseResult &asIs)
{
    if (bytes.size() >= TrailerLength && parseXml(bytes.left(bytes.size() - TrailerLength), false).status == XmlStatus::Ok)
        return CLoomworkTr::tr("the checksum does not match: the file was changed after it was sealed");
    return asIs.reason;
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

QString xmlError(const QByteArray &bytes)
{
    return parseXml(bytes, false).reason;
}

XmlParseResult DescriptionReader::parseSealedBody(const QByteArray &bytes, bool buildTree)
{
    if (!hasValidChecksum(bytes))
        return XmlParseResult();
    // The body as a view of bytes: no copy of a large file.
    const QByteArray body = QByteArray::fromRawData(bytes.constData(), bytes.size() - TrailerLength);
    XmlParseResult parsed = parseXml(body, buildTree);
    if (parsed.status == XmlStatus::Ok && statusWithTail(body, bytes.right(TrailerLength)) != XmlStatus::Malformed)
        return XmlParseResult();
    return parsed;
}

QByteArray readDocumentBytes(const QByteArray &bytes, int trailerLength)
{
    return readDocumentBytes(bytes, trailerLength, nullptr);
}

QByteArray readDocumentBytes(const QByteArray &bytes, int trailerLength, QString *reason)
{
    if (trailerLength == TrailerLength
        && DescriptionReader::parseSealedBody(bytes, false).status == XmlStatus::Ok)
        return bytes.left(bytes.size() - TrailerLength);
    const XmlParseResult asIs = parseXml(bytes, false);
    if (asIs.status == XmlStatus::Refused)
        return refuse(reason, asIs.reason);
    if (asIs.status == XmlStatus::Ok) {
        if (isXmlCheckEnabled())
            return refuse(reason, CLoomworkTr::tr("not sealed (an unsealed file is read only with --no-xml-check)"));
        return bytes;
    }
    if (hasValidChecksum(bytes))
        return withoutTrailer(bytes, trailerLength, reason);
    if (!isXmlCheckEnabled() && asIs.errorLine == lineCountUpToZero(bytes))
        return withoutTrailer(bytes, trailerLength, reason);
    return refuse(reason, reason ? damageOf(bytes, asIs) : QString());
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
