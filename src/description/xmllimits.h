#ifndef XMLLIMITS_H
#define XMLLIMITS_H

// Internal to the parameter-description reader: limits that no file of the
// family comes near, checked in one pass over the bytes before the XML parser
// sees them. The parser's cost grows with the square of the attributes of one
// element, and the element tree with the number of elements and the sizes of
// their texts; with these limits every file up to the size cap is accepted or
// refused in time and memory proportional to its size.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace XmlLimits {

constexpr qint64 MaxLanguageFileBytes = 4 * 1024 * 1024;
constexpr int MaxAttributesPerElement = 64;
constexpr int MaxElements = 200000;
constexpr int MaxAttributes = 1000000;
constexpr int MaxAttributeBytes = 64 * 1024;
constexpr int MaxTextBytes = 64 * 1024; // character data, comments, processing instructions, declarations

} // namespace XmlLimits

struct XmlLimitCheck
{
    bool ok = true;
    QString reason; // what is over which limit, and where; empty when ok
};

// Checks bytes (UTF-8 or another ASCII-based encoding, or UTF-16 with a
// byte-order mark) against the limits. Markup it cannot follow is left to
// the parser, which fails there.
XmlLimitCheck checkXmlLimits(const QByteArray &bytes);

#endif // XMLLIMITS_H
