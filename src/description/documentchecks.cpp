#include "description/cparameterdescription.h"
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

QByteArray readDocumentBytes(const QByteArray &bytes, int trailerLength)
{
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
