#include "description/xmltree.h"

#include "description/descriptionvocabulary.h"
#include "description/xmllimits.h"
#include "description/plainxmlreader.h"
#include "description/cloomworktr.h"

#include <QBuffer>
#include <QHash>
#include <QXmlStreamReader>

#include <cstring>

QString XmlElement::attribute(const QString &name) const
{
    for (const auto &attribute : attributes) {
        if (attribute.first == name)
            return attribute.second;
    }
    return QString();
}

bool XmlElement::hasAttribute(const QString &name) const
{
    for (const auto &attribute : attributes) {
        if (attribute.first == name)
            return true;
    }
    return false;
}

int utf8SequenceLength(const uchar *data, qsizetype i, qsizetype size)
{
    const uchar lead = data[i];
    if (lead < 0x80)
        return 1;
    int length = 0;
    uint minimum = 0;
    uint code = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2; minimum = 0x80; code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3; minimum = 0x800; code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4; minimum = 0x10000; code = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > size)
        return 0;
    for (int k = 1; k < length; ++k) {
        if ((data[i + k] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (data[i + k] & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

namespace {

// Offset of the first invalid UTF-8 sequence, or -1 when there is none.
qsizetype firstInvalidUtf8(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        const int length = utf8SequenceLength(data, i, size);
        if (length == 0)
            return i;
        i += length;
    }
    return -1;
}

// True when the document names an encoding other than UTF-8 (by byte-order
// mark or declaration); only UTF-8 documents are checked byte by byte.
bool declaresOtherEncoding(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFE\xFF") || bytes.startsWith("\xFF\xFE"))
        return true;
    if (!bytes.startsWith("<?xml"))
        return false;
    const QByteArray declaration = bytes.left(qMax(0, bytes.indexOf("?>"))).toLower();
    const int at = declaration.indexOf("encoding");
    if (at < 0)
        return false;
    const QByteArray rest = declaration.mid(at + 8).replace(' ', "").replace('=', "").replace('\'', '"');
    return !(rest.startsWith("\"utf-8\"") || rest.startsWith("\"utf8\""));
}

XmlParseResult parseChecked(const QByteArray &bytes, bool buildTree, bool plainFirst = true);

// True when the document is read as UTF-8 and its first bytes hold no zero
// byte (which the control-character scan below leaves to the parser).
bool isPlainUtf8(const QByteArray &bytes)
{
    return !declaresOtherEncoding(bytes) && !bytes.left(4).contains('\0');
}

// True when an "&" starts anything but a character reference or one of the
// five predefined entities. Only needed behind an external subset, where the
// reader passes unknown references in attribute values through as text.
bool hasUnknownEntityReference(const QByteArray &bytes)
{
    static const char *const predefined[] = {"amp;", "lt;", "gt;", "apos;", "quot;"};
    for (int at = bytes.indexOf('&'); at >= 0; at = bytes.indexOf('&', at + 1)) {
        const char *next = bytes.constData() + at + 1;
        const qsizetype left = bytes.size() - at - 1;
        bool known = left > 0 && *next == '#';
        for (const char *name : predefined)
            known = known || (left >= qsizetype(std::strlen(name)) && std::memcmp(next, name, std::strlen(name)) == 0);
        if (!known)
            return true;
    }
    return false;
}

// A document type declaration may name the root, an external subset (never
// loaded) and element, attribute-list and notation declarations. Entity
// declarations are refused: their expansion is what hostile files use.
bool isHarmlessDtd(const QXmlStreamReader &reader, const QByteArray &bytes)
{
    if (!reader.entityDeclarations().isEmpty())
        return false;
    if (reader.dtdSystemId().isEmpty() && reader.dtdPublicId().isEmpty())
        return true;
    return !hasUnknownEntityReference(bytes);
}


XmlParseResult malformedAt(qint64 line, qint64 column, const QString &what)
{
    XmlParseResult result;
    result.errorLine = line;
    result.reason = CLoomworkTr::tr("not XML at line %1, column %2: %3").arg(line).arg(column).arg(what);
    return result;
}

XmlParseResult refusedFor(const QString &reason)
{
    XmlParseResult result;
    result.status = XmlStatus::Refused;
    result.reason = reason;
    return result;
}

// Offset of the first control character that XML forbids (below 0x20 except
// tab, line feed and carriage return), or -1. QXmlStreamReader lets some of
// them through inside names; documents in UTF-16 or UTF-32 are not scanned.
qsizetype firstForbiddenControl(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype size = bytes.size();
    const qsizetype probe = qMin<qsizetype>(size, 4);
    if (bytes.startsWith("\xFE\xFF") || bytes.startsWith("\xFF\xFE") || std::memchr(data, 0, size_t(probe)))
        return -1;
    for (qsizetype i = 0; i < size; ++i) {
        const uchar c = data[i];
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
            return i;
    }
    return -1;
}

// A document with a forbidden control character is malformed at it, unless
// the text before it already fails (then that error comes first).
XmlParseResult failAtControl(const QByteArray &bytes, qsizetype offset)
{
    const QByteArray before = bytes.left(offset);
    XmlParseResult prefix = parseChecked(before, false);
    if (prefix.status != XmlStatus::Ok)
        return prefix;
    const qint64 line = qint64(before.count('\n')) + 1;
    return malformedAt(line, offset - before.lastIndexOf('\n'), CLoomworkTr::tr("a control character"));
}

// The reader decodes its whole input before parsing, so it reports an
// encoding error on line 1 wherever the bad bytes are. The error line that
// tells a damaged trailer from a damaged text is that of the first error in
// reading order: a syntax error before the bad bytes, or else the bad bytes.
qint64 errorLineOf(const QXmlStreamReader &reader, const QByteArray &bytes)
{
    const qsizetype invalid = declaresOtherEncoding(bytes) ? -1 : firstInvalidUtf8(bytes);
    if (invalid < 0)
        return reader.lineNumber();
    const QByteArray before = bytes.left(invalid);
    const XmlParseResult prefix = parseChecked(before, false);
    if (prefix.status == XmlStatus::Malformed)
        return prefix.errorLine;
    return qint64(before.count('\n')) + 1;
}

// The name characters of XML 1.0 (fifth edition). QXmlStreamReader lets
// characters such as "@", "`" or private-use characters into names.
// Surrogate halves pass: the pairs they form lie in the allowed planes.
bool isNameStartChar(ushort u)
{
    if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_' || u == ':')
        return true;
    if (u < 0xC0)
        return false;
    return (u <= 0x2FF && u != 0xD7 && u != 0xF7) || (u >= 0x370 && u <= 0x1FFF && u != 0x37E)
           || u == 0x200C || u == 0x200D || (u >= 0x2070 && u <= 0x218F) || (u >= 0x2C00 && u <= 0x2FEF)
           || (u >= 0x3001 && u <= 0xDFFF) || (u >= 0xF900 && u <= 0xFDCF) || (u >= 0xFDF0 && u <= 0xFFFD);
}

bool isNameChar(QChar c, bool first)
{
    const ushort u = c.unicode();
    if (isNameStartChar(u))
        return true;
    return !first
           && ((u >= '0' && u <= '9') || u == '-' || u == '.' || u == 0xB7 || (u >= 0x300 && u <= 0x36F)
               || u == 0x203F || u == 0x2040);
}

bool isXmlName(const QStringRef &name)
{
    if (name.isEmpty() || !isNameChar(name.at(0), true))
        return false;
    for (int i = 1; i < name.size(); ++i) {
        if (!isNameChar(name.at(i), false))
            return false;
    }
    return true;
}

bool hasValidNames(const QXmlStreamReader &reader)
{
    if (!isXmlName(reader.qualifiedName()))
        return false;
    const QXmlStreamAttributes attributes = reader.attributes();
    for (const QXmlStreamAttribute &attribute : attributes) {
        if (!isXmlName(attribute.qualifiedName()))
            return false;
    }
    return true;
}

// Walks the token stream once, tracking depth and building the kept part of
// the tree. An element that is not kept hides its whole subtree; the hidden
// depth counts how far inside such a subtree the reader is.
class TreeBuilder
{
public:
    TreeBuilder(bool buildTree, bool plainFirst) : m_buildTree(buildTree), m_plainFirst(plainFirst) {}

    XmlParseResult run(const QByteArray &bytes)
    {
        XmlParseResult result;
        if (bytes.size() > MaxDocumentBytes)
            return refusedFor(CLoomworkTr::tr("larger than %1 MB").arg(MaxDocumentBytes >> 20));
        const XmlLimitCheck limits = checkXmlLimits(bytes);
        if (!limits.ok)
            return refusedFor(limits.reason);
        const qsizetype control = firstForbiddenControl(bytes);
        if (control >= 0)
            return failAtControl(bytes, control);
        if (m_plainFirst) {
            PlainXmlReader plain(bytes, m_buildTree);
            if (plain.read()) {
                result.status = XmlStatus::Ok;
                result.root = plain.takeRoot();
                return result;
            }
        }
        // Read through a device, the reader decodes a few kilobytes at a
        // time instead of a copy of the whole text.
        QBuffer input;
        input.setData(bytes);
        input.open(QIODevice::ReadOnly);
        QXmlStreamReader reader(&input);
        reader.setNamespaceProcessing(false);
        while (!reader.atEnd()) {
            switch (reader.readNext()) {
            case QXmlStreamReader::StartElement:
                if (++m_depth > MaxElementDepth)
                    return refusedFor(CLoomworkTr::tr("nested deeper than %1 elements (line %2)")
                                          .arg(MaxElementDepth).arg(reader.lineNumber()));
                if (reader.attributes().size() > XmlLimits::MaxAttributesPerElement)
                    return refusedFor(CLoomworkTr::tr("more than %1 attributes in one element (line %2)")
                                          .arg(XmlLimits::MaxAttributesPerElement).arg(reader.lineNumber()));
                if (!hasValidNames(reader))
                    return malformedAt(reader.lineNumber(), reader.columnNumber(), CLoomworkTr::tr("a name with a character "
                                                                                      "XML does not allow"));
                startElement(reader);
                break;
            case QXmlStreamReader::EndElement:
                endElement();
                break;
            case QXmlStreamReader::DTD:
                if (!isHarmlessDtd(reader, bytes))
                    return refusedFor(CLoomworkTr::tr("entity declarations or references to undeclared entities (line %1)")
                                          .arg(reader.lineNumber()));
                break;
            case QXmlStreamReader::EntityReference:
                return refusedFor(CLoomworkTr::tr("an entity reference (line %1)").arg(reader.lineNumber()));
            default:
                break;
            }
        }
        if (reader.hasError()) {
            const qint64 line = errorLineOf(reader, bytes);
            const QString what = line == reader.lineNumber() ? reader.errorString() : CLoomworkTr::tr("a byte that is no UTF-8");
            return malformedAt(line, line == reader.lineNumber() ? reader.columnNumber() : 1, what);
        }
        result.status = XmlStatus::Ok;
        result.root = std::move(m_root);
        return result;
    }

private:
    void startElement(const QXmlStreamReader &reader)
    {
        if (!m_buildTree || m_hiddenDepth > 0 || !keeps(reader)) {
            if (m_buildTree)
                ++m_hiddenDepth;
            return;
        }
        auto element = std::make_unique<XmlElement>();
        element->tag = shared(reader.qualifiedName(), true);
        const QXmlStreamAttributes attributes = reader.attributes();
        element->attributes.reserve(attributes.size());
        for (const QXmlStreamAttribute &attribute : attributes)
            element->attributes.append(qMakePair(shared(attribute.qualifiedName(), true),
                                                 shared(attribute.value(), false)));
        XmlElement *raw = element.get();
        if (m_open.empty())
            m_root = std::move(element);
        else
            m_open.back()->children.push_back(std::move(element));
        m_open.push_back(raw);
    }

    void endElement()
    {
        --m_depth;
        if (!m_buildTree)
            return;
        if (m_hiddenDepth > 0)
            --m_hiddenDepth;
        else if (!m_open.empty())
            m_open.pop_back();
    }

    // One copy of each tag and attribute name, and of each short value, for
    // the whole tree: descriptions repeat them on every element. The first
    // texts met make the vocabulary; a file of ever new texts does not grow it.
    QString shared(const QStringRef &text, bool name)
    {
        if (!name && text.size() > MaxSharedValueLength)
            return text.toString();
        const auto it = m_strings.constFind(QString::fromRawData(text.unicode(), text.size()));
        if (it != m_strings.constEnd())
            return it.value();
        const QString copy = text.toString();
        if (m_strings.size() < MaxSharedStrings)
            m_strings.insert(copy, copy);
        return copy;
    }

    bool keeps(const QXmlStreamReader &reader) const
    {
        if (m_open.empty())
            return true; // the root, whatever its tag
        const QStringRef tag = reader.qualifiedName();
        return tag == Qvr::GroupTag || tag == Qvr::ValueTag;
    }

    bool m_buildTree;
    bool m_plainFirst;
    QHash<QString, QString> m_strings;
    int m_depth = 0;
    int m_hiddenDepth = 0;
    std::unique_ptr<XmlElement> m_root;
    std::vector<XmlElement *> m_open;
};

} // namespace

namespace {

XmlParseResult parseChecked(const QByteArray &bytes, bool buildTree, bool plainFirst)
{
    return TreeBuilder(buildTree, plainFirst).run(bytes);
}

} // namespace

XmlParseResult parseXml(const QByteArray &bytes, bool buildTree)
{
    return parseChecked(bytes, buildTree);
}

XmlParseResult parseXmlGeneral(const QByteArray &bytes, bool buildTree)
{
    return parseChecked(bytes, buildTree, false);
}

XmlStatus statusWithTail(const QByteArray &document, const QByteArray &tail)
{
    if (document.size() + tail.size() > MaxDocumentBytes || !isPlainUtf8(document))
        return parseChecked(document + tail, false).status;
    // '>' never occurs inside a multi-byte character, so the bytes after the
    // last one start at a character boundary, behind the root's end.
    const QByteArray behindRoot = document.mid(document.lastIndexOf('>') + 1);
    return parseChecked("<r/>" + behindRoot + tail, false).status;
}
