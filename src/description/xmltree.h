#ifndef XMLTREE_H
#define XMLTREE_H

// Internal to the parameter-description reader: a small element tree built
// by the plain-form reader or, for any other document, a QXmlStreamReader
// pass, after the checks that enforce the reader's safety limits.

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QVector>

#include <memory>
#include <vector>

struct XmlElement
{
    QString tag;
    QVector<QPair<QString, QString>> attributes; // in document order
    std::vector<std::unique_ptr<XmlElement>> children;

    // Value of the first attribute called name; a null string when absent.
    QString attribute(const QString &name) const;
    bool hasAttribute(const QString &name) const;
};

enum class XmlStatus { Ok, Malformed, Refused };

struct XmlParseResult
{
    XmlStatus status = XmlStatus::Malformed;
    qint64 errorLine = 0;              // 1-based line of the error, when Malformed
    QString reason;                    // why the bytes were refused or where they are no XML
    std::unique_ptr<XmlElement> root;  // only when Ok and a tree was asked for
};

// Limits that no description of the family comes near; anything beyond them
// is refused before it can exhaust stack or memory.
constexpr qint64 MaxDocumentBytes = 64 * 1024 * 1024;
constexpr int MaxElementDepth = 256;
// The tree shares one copy of each name and of each value up to this many
// characters, for at most this many different texts.
constexpr int MaxSharedValueLength = 12;
constexpr int MaxSharedStrings = 4096;

// Parses bytes without namespace processing. Refuses documents larger than
// MaxDocumentBytes, over a limit of xmllimits.h, nested deeper than
// MaxElementDepth, declaring entities or referring to entities other than the
// predefined ones; a document type declaration without entities is accepted.
// With buildTree, keeps the root and, below it, the "group" and "value"
// elements (other elements and their content are checked but not kept).
// Documents in the plain form of plainxmlreader.h are read by that reader.
XmlParseResult parseXml(const QByteArray &bytes, bool buildTree);
// The same, with every document read by the general reader.
XmlParseResult parseXmlGeneral(const QByteArray &bytes, bool buildTree);

// Length of the valid UTF-8 sequence at data[i], or 0 when it is invalid
// (overlong forms, surrogates and code points above U+10FFFF included).
int utf8SequenceLength(const uchar *data, qsizetype i, qsizetype size);

// The status parseXml(document + tail) gives, for a document that parses.
// Behind the root only blanks may follow, or an unfinished character that
// the parser drops; so for UTF-8 only the bytes after the document's last
// '>' and the tail are parsed again, not the whole document.
XmlStatus statusWithTail(const QByteArray &document, const QByteArray &tail);

#endif // XMLTREE_H
