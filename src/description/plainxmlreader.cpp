#include "description/plainxmlreader.h"

#include "description/descriptionvocabulary.h"
#include "description/xmllimits.h"

#include <cstring>

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// 1: may start a name, 2: may continue one. ASCII only, and no ':' (with
// namespaces off, what a colon may do is left to the general reader).
struct NameTable
{
    unsigned char kind[256] = {};
    NameTable()
    {
        for (int c = 'a'; c <= 'z'; ++c)
            kind[c] = kind[c - 'a' + 'A'] = 3;
        kind[int('_')] = 3;
        for (int c = '0'; c <= '9'; ++c)
            kind[c] = 2;
        kind[int('-')] = kind[int('.')] = 2;
    }
};

const NameTable &names()
{
    static const NameTable table;
    return table;
}

// True when the bytes are UTF-8 of characters the plain form allows: no
// control characters but tab and line ends (C1 controls and DEL included),
// no noncharacters U+FFFE and U+FFFF, no byte-order mark.
bool isPlainText(const char *data, qsizetype size)
{
    const auto *bytes = reinterpret_cast<const uchar *>(data);
    if (size >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF)
        return false;
    for (qsizetype i = 0; i < size;) {
        const uchar c = bytes[i];
        if (c >= 0x20 && c < 0x7F) {
            ++i;
            continue;
        }
        if (c < 0x80) {
            if (c != '\t' && c != '\n' && c != '\r')
                return false;
            ++i;
            continue;
        }
        const int length = utf8SequenceLength(bytes, i, size);
        if (length == 0 || (c == 0xC2 && bytes[i + 1] < 0xA0)
            || (c == 0xEF && bytes[i + 1] == 0xBF && bytes[i + 2] >= 0xBE))
            return false;
        i += length;
    }
    return true;
}

// Length of the predefined entity reference at data (which starts with
// '&'), or 0 when it is anything else.
int predefinedReference(const char *data, qsizetype left)
{
    static const char *const references[] = {"&amp;", "&lt;", "&gt;", "&apos;", "&quot;"};
    for (const char *reference : references) {
        const qsizetype length = qsizetype(std::strlen(reference));
        if (left >= length && std::memcmp(data, reference, size_t(length)) == 0)
            return int(length);
    }
    return 0;
}

// FNV-1a with a final mix, so that the low bits used for the slots depend
// on every byte: the texts met are short and alike ("a0", "a1", ...).
uint textHash(const char *bytes, qsizetype length)
{
    uint hash = 2166136261u;
    for (qsizetype i = 0; i < length; ++i)
        hash = (hash ^ uchar(bytes[i])) * 16777619u;
    hash ^= hash >> 16;
    hash *= 0x85EBCA6Bu;
    hash ^= hash >> 13;
    hash *= 0xC2B2AE35u;
    return hash ^ (hash >> 16);
}

char referencedCharacter(const char *reference)
{
    switch (reference[1]) {
    case 'l': return '<';
    case 'g': return '>';
    case 'q': return '"';
    default: return reference[2] == 'm' ? '&' : '\'';
    }
}

} // namespace

PlainXmlReader::PlainXmlReader(const QByteArray &bytes, bool buildTree)
    : m_data(bytes.constData()), m_size(bytes.size()), m_buildTree(buildTree)
{
}

bool PlainXmlReader::read()
{
    if (!isPlainText(m_data, m_size) || !prolog() || !startTag() || !content() || !misc())
        return false;
    return m_pos == m_size;
}

bool PlainXmlReader::prolog()
{
    if (at("<?xml") && m_pos + 5 < m_size && isSpace(m_data[5]) && !declaration())
        return false;
    return misc();
}

// <?xml version="1.0"?> with an optional encoding="UTF-8" (any case).
bool PlainXmlReader::declaration()
{
    m_pos += 5;
    skipSpace();
    if (!at("version=\"1.0\"") && !at("version='1.0'"))
        return false;
    m_pos += 13;
    if (skipSpace() && at("encoding=")) {
        m_pos += 9;
        const qsizetype left = m_size - m_pos;
        if (left < 7 || (m_data[m_pos] != '"' && m_data[m_pos] != '\'') || m_data[m_pos + 6] != m_data[m_pos]
            || qstrnicmp(m_data + m_pos + 1, "utf-8", 5) != 0)
            return false;
        m_pos += 7;
        skipSpace();
    }
    if (!at("?>"))
        return false;
    m_pos += 2;
    return true;
}

// Blanks, comments and processing instructions, before or after the root.
bool PlainXmlReader::misc()
{
    for (;;) {
        skipSpace();
        if (at("<!--")) {
            if (!comment())
                return false;
        } else if (at("<?")) {
            if (!processingInstruction())
                return false;
        } else {
            return true;
        }
    }
}

// Everything up to and with the root's end tag.
bool PlainXmlReader::content()
{
    while (!m_open.empty()) {
        const void *hit = std::memchr(m_data + m_pos, '<', size_t(m_size - m_pos));
        if (!hit)
            return false;
        const qsizetype next = static_cast<const char *>(hit) - m_data;
        if (!text(next))
            return false;
        m_pos = next;
        bool ok = false;
        if (at("</"))
            ok = endTag();
        else if (at("<!--"))
            ok = comment();
        else if (at("<![CDATA["))
            ok = cdata();
        else if (at("<?"))
            ok = processingInstruction();
        else if (!at("<!"))
            ok = startTag();
        if (!ok)
            return false;
    }
    return true;
}

// Character data from m_pos to end: references only to predefined
// entities, and no "]]>".
bool PlainXmlReader::text(qsizetype end)
{
    for (qsizetype i = m_pos; i < end; ++i) {
        const char c = m_data[i];
        if (c == '&') {
            const int length = predefinedReference(m_data + i, end - i);
            if (length == 0)
                return false;
            i += length - 1;
        } else if (c == ']' && end - i >= 3 && m_data[i + 1] == ']' && m_data[i + 2] == '>') {
            return false;
        }
    }
    return true;
}

bool PlainXmlReader::startTag()
{
    if (m_pos >= m_size || m_data[m_pos] != '<')
        return false;
    const qsizetype name = m_pos + 1;
    const qsizetype end = nameEnd(name);
    if (end == name || m_open.size() >= size_t(MaxElementDepth))
        return false;
    XmlElement *element = keep(name, end - name);
    m_pos = end;
    if (!attributes(element))
        return false;
    if (m_data[m_pos] == '/') {
        if (m_pos + 1 >= m_size || m_data[m_pos + 1] != '>')
            return false;
        m_pos += 2;
        return true;
    }
    ++m_pos;
    m_open.push_back(Open{name, end - name, element});
    return true;
}

// The attributes up to the tag's '>' or "/>", where the position is left;
// element (when kept) receives them.
bool PlainXmlReader::attributes(XmlElement *element)
{
    m_seenNames.clear();
    m_pending.clear();
    for (;;) {
        const bool space = skipSpace();
        if (m_pos >= m_size)
            return false;
        if (m_data[m_pos] == '>' || m_data[m_pos] == '/') {
            if (element) {
                element->attributes.reserve(int(m_pending.size()));
                for (auto &attribute : m_pending)
                    element->attributes.append(std::move(attribute));
            }
            return true;
        }
        const qsizetype name = m_pos;
        const qsizetype end = nameEnd(name);
        const qsizetype length = end - name;
        if (!space || length == 0 || (length >= 5 && std::memcmp(m_data + name, "xmlns", 5) == 0)
            || int(m_seenNames.size()) >= XmlLimits::MaxAttributesPerElement)
            return false;
        const uint hash = textHash(m_data + name, length);
        for (const SeenName &seen : m_seenNames) {
            if (seen.hash == hash && seen.length == length
                && std::memcmp(m_data + seen.offset, m_data + name, size_t(length)) == 0)
                return false;
        }
        m_seenNames.push_back(SeenName{name, length, hash});
        m_pos = end;
        skipSpace();
        if (!at("="))
            return false;
        ++m_pos;
        skipSpace();
        if (m_pos >= m_size || (m_data[m_pos] != '"' && m_data[m_pos] != '\''))
            return false;
        const void *close = std::memchr(m_data + m_pos + 1, m_data[m_pos], size_t(m_size - m_pos - 1));
        if (!close)
            return false;
        const qsizetype valueEnd = static_cast<const char *>(close) - m_data;
        QString value;
        if (!attributeValue(m_pos + 1, valueEnd, element ? &value : nullptr))
            return false;
        if (element)
            m_pending.emplace_back(shared(name, length, hash), value);
        m_pos = valueEnd + 1;
    }
}

// Checks the value between begin and end; sets value (when asked for) to its
// text with the references replaced. Blanks other than spaces would be
// normalised by an XML reader: those values are left to the general one.
bool PlainXmlReader::attributeValue(qsizetype begin, qsizetype end, QString *value)
{
    bool references = false;
    for (qsizetype i = begin; i < end; ++i) {
        const char c = m_data[i];
        if (c == '<' || c == '\t' || c == '\n' || c == '\r')
            return false;
        if (c == '&') {
            const int length = predefinedReference(m_data + i, end - i);
            if (length == 0)
                return false;
            references = true;
            i += length - 1;
        }
    }
    if (value)
        *value = references ? decoded(begin, end - begin) : valueText(begin, end - begin);
    return true;
}

bool PlainXmlReader::endTag()
{
    const qsizetype name = m_pos + 2;
    const qsizetype end = nameEnd(name);
    const Open &open = m_open.back();
    if (end - name != open.length || std::memcmp(m_data + name, m_data + open.name, size_t(open.length)) != 0)
        return false;
    m_pos = end;
    skipSpace();
    if (!at(">"))
        return false;
    ++m_pos;
    m_open.pop_back();
    return true;
}

// "--" may occur in a comment only as the start of its end.
bool PlainXmlReader::comment()
{
    const qsizetype dashes = find("--", m_pos + 4);
    if (dashes < 0 || dashes + 2 >= m_size || m_data[dashes + 2] != '>')
        return false;
    m_pos = dashes + 3;
    return true;
}

// A target name that is not reserved ("xml" in any case starts the reserved
// ones), then either "?>" or a blank and any text up to "?>".
bool PlainXmlReader::processingInstruction()
{
    const qsizetype target = m_pos + 2;
    const qsizetype end = nameEnd(target);
    if (end == target || (end - target >= 3 && qstrnicmp(m_data + target, "xml", 3) == 0) || end >= m_size)
        return false;
    const bool closesAtOnce = m_data[end] == '?' && end + 1 < m_size && m_data[end + 1] == '>';
    if (!closesAtOnce && !isSpace(m_data[end]))
        return false;
    const qsizetype close = find("?>", end);
    if (close < 0)
        return false;
    m_pos = close + 2;
    return true;
}

bool PlainXmlReader::cdata()
{
    const qsizetype close = find("]]>", m_pos + 9);
    if (close < 0)
        return false;
    m_pos = close + 3;
    return true;
}

bool PlainXmlReader::at(const char *literal) const
{
    const qsizetype length = qsizetype(std::strlen(literal));
    return m_size - m_pos >= length && std::memcmp(m_data + m_pos, literal, size_t(length)) == 0;
}

// True when at least one blank was skipped.
bool PlainXmlReader::skipSpace()
{
    const qsizetype start = m_pos;
    while (m_pos < m_size && isSpace(m_data[m_pos]))
        ++m_pos;
    return m_pos > start;
}

// The end of the name starting at from; from itself when there is none.
qsizetype PlainXmlReader::nameEnd(qsizetype from) const
{
    const NameTable &table = names();
    if (from >= m_size || (table.kind[uchar(m_data[from])] & 1) == 0)
        return from;
    qsizetype end = from + 1;
    while (end < m_size && table.kind[uchar(m_data[end])] != 0)
        ++end;
    return end;
}

qsizetype PlainXmlReader::find(const char *literal, qsizetype from) const
{
    const size_t length = std::strlen(literal);
    while (from < m_size) {
        const void *hit = std::memchr(m_data + from, literal[0], size_t(m_size - from));
        if (!hit)
            return -1;
        const qsizetype at = static_cast<const char *>(hit) - m_data;
        if (m_size - at >= qsizetype(length) && std::memcmp(m_data + at, literal, length) == 0)
            return at;
        from = at + 1;
    }
    return -1;
}

// One copy of each name, and of each short value, for the whole tree, as
// the general reader keeps them; hash is textHash() of the bytes.
QString PlainXmlReader::shared(qsizetype begin, qsizetype length, uint hash)
{
    const char *bytes = m_data + begin;
    static_assert((MaxSharedStrings & (MaxSharedStrings - 1)) == 0, "the table size must be a power of two");
    if (m_slots.empty())
        m_slots.assign(size_t(2 * MaxSharedStrings), -1);
    const size_t mask = m_slots.size() - 1;
    size_t slot = hash & mask;
    for (; m_slots[slot] >= 0; slot = (slot + 1) & mask) {
        const SharedText &entry = m_texts[size_t(m_slots[slot])];
        if (entry.hash == hash && entry.bytes.size() == length
            && std::memcmp(entry.bytes.constData(), bytes, size_t(length)) == 0)
            return entry.text;
    }
    const QString copy = QString::fromUtf8(bytes, int(length));
    if (m_texts.size() < size_t(MaxSharedStrings)) {
        m_slots[slot] = int(m_texts.size());
        m_texts.push_back(SharedText{QByteArray(bytes, int(length)), copy, hash});
    }
    return copy;
}

QString PlainXmlReader::valueText(qsizetype begin, qsizetype length)
{
    if (length > MaxSharedValueLength)
        return QString::fromUtf8(m_data + begin, int(length));
    return shared(begin, length, textHash(m_data + begin, length));
}

QString PlainXmlReader::decoded(qsizetype begin, qsizetype length) const
{
    QByteArray text;
    text.reserve(int(length));
    const qsizetype end = begin + length;
    for (qsizetype i = begin; i < end; ++i) {
        if (m_data[i] != '&') {
            text.append(m_data[i]);
            continue;
        }
        text.append(referencedCharacter(m_data + i));
        i += predefinedReference(m_data + i, end - i) - 1;
    }
    return QString::fromUtf8(text);
}

// The element for the tag at name, when the tree keeps it: the root, and
// "group" and "value" elements whose parents are kept.
XmlElement *PlainXmlReader::keep(qsizetype name, qsizetype length)
{
    if (!m_buildTree)
        return nullptr;
    XmlElement *parent = m_open.empty() ? nullptr : m_open.back().kept;
    const QLatin1String tag(m_data + name, int(length)); // names are ASCII here
    if (!m_open.empty() && (!parent || (tag != Qvr::GroupTag && tag != Qvr::ValueTag)))
        return nullptr;
    auto element = std::make_unique<XmlElement>();
    element->tag = shared(name, length, textHash(m_data + name, length));
    XmlElement *raw = element.get();
    if (parent)
        parent->children.push_back(std::move(element));
    else
        m_root = std::move(element);
    return raw;
}
