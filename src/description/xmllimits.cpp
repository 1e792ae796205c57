#include "description/xmllimits.h"
#include "description/cloomworktr.h"


#include <cstring>
#include <utility>

namespace {


bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// One pass over the bytes, following markup just far enough to count
// elements and attributes and to measure values and texts.
class LimitScanner
{
public:
    explicit LimitScanner(const QByteArray &bytes) : m_data(bytes.constData()), m_size(bytes.size()) {}

    XmlLimitCheck run()
    {
        while (m_pos < m_size && m_result.ok) {
            if (m_data[m_pos] != '<')
                text();
            else if (startsWith("<!--"))
                skipTo("-->", CLoomworkTr::tr("a comment"));
            else if (startsWith("<![CDATA["))
                skipTo("]]>", CLoomworkTr::tr("a CDATA section"));
            else if (startsWith("<?"))
                skipTo("?>", CLoomworkTr::tr("a processing instruction"));
            else if (startsWith("<!"))
                declaration();
            else if (m_pos + 1 < m_size && m_data[m_pos + 1] == '/')
                skipTo(">", QString());
            else
                startTag();
        }
        return m_result;
    }

private:
    bool startsWith(const char *text) const
    {
        const qsizetype length = qsizetype(std::strlen(text));
        return m_size - m_pos >= length && std::memcmp(m_data + m_pos, text, size_t(length)) == 0;
    }

    qsizetype find(char c, qsizetype from) const
    {
        const void *hit = from < m_size ? std::memchr(m_data + from, c, size_t(m_size - from)) : nullptr;
        return hit ? static_cast<const char *>(hit) - m_data : -1;
    }

    qsizetype find(const char *text, qsizetype from) const
    {
        const size_t length = std::strlen(text);
        for (qsizetype at = find(text[0], from); at >= 0; at = find(text[0], at + 1)) {
            if (m_size - at >= qsizetype(length) && std::memcmp(m_data + at, text, length) == 0)
                return at;
        }
        return -1;
    }

    // Ends the scan: what follows cannot be followed, so the parser fails there.
    void giveUp() { m_pos = m_size; }

    void refuse(const QString &what, qsizetype at)
    {
        qsizetype line = 1;
        qsizetype lineStart = 0;
        for (qsizetype i = find('\n', 0); i >= 0 && i < at; i = find('\n', i + 1)) {
            ++line;
            lineStart = i + 1;
        }
        m_result.ok = false;
        m_result.reason = CLoomworkTr::tr("%1 (line %2, column %3)").arg(what).arg(line).arg(at - lineStart + 1);
        giveUp();
    }

    void text()
    {
        qsizetype end = find('<', m_pos);
        if (end < 0)
            end = m_size;
        if (end - m_pos > XmlLimits::MaxTextBytes)
            refuse(CLoomworkTr::tr("a text of more than %1 bytes").arg(XmlLimits::MaxTextBytes), m_pos);
        else
            m_pos = end;
    }

    void skipTo(const char *end, const QString &what)
    {
        const qsizetype at = find(end, m_pos + 1);
        if (at < 0)
            return giveUp();
        if (!what.isEmpty() && at - m_pos > XmlLimits::MaxTextBytes)
            return refuse(CLoomworkTr::tr("%1 of more than %2 bytes").arg(what).arg(XmlLimits::MaxTextBytes), m_pos);
        m_pos = at + qsizetype(std::strlen(end));
    }

    // A document type declaration: its internal subset in brackets may hold
    // quoted texts and comments with any characters.
    void declaration()
    {
        const qsizetype start = m_pos;
        int brackets = 0;
        for (qsizetype i = m_pos + 2; i < m_size; ++i) {
            if (i - start > XmlLimits::MaxTextBytes)
                return refuse(CLoomworkTr::tr("a declaration of more than %1 bytes").arg(XmlLimits::MaxTextBytes), start);
            const char c = m_data[i];
            if (c == '"' || c == '\'') {
                i = find(c, i + 1);
            } else if (c == '<' && m_size - i >= 4 && std::memcmp(m_data + i, "<!--", 4) == 0) {
                i = find("-->", i + 4);
                i = i < 0 ? i : i + 2;
            } else if (c == '[') {
                ++brackets;
            } else if (c == ']') {
                --brackets;
            } else if (c == '>' && brackets <= 0) {
                m_pos = i + 1;
                return;
            }
            if (i < 0)
                break;
        }
        giveUp();
    }

    void startTag()
    {
        const qsizetype tagStart = m_pos;
        if (++m_elements > XmlLimits::MaxElements)
            return refuse(CLoomworkTr::tr("more than %1 elements").arg(XmlLimits::MaxElements), tagStart);
        qsizetype i = m_pos + 1;
        while (i < m_size && !isSpace(m_data[i]) && m_data[i] != '>' && m_data[i] != '/')
            ++i;
        int attributes = 0;
        for (;;) {
            while (i < m_size && isSpace(m_data[i]))
                ++i;
            if (i >= m_size)
                return giveUp();
            if (m_data[i] == '>' || m_data[i] == '/') {
                m_pos = i + 1;
                return;
            }
            i = attribute(i, tagStart, ++attributes);
            if (i < 0)
                return;
        }
    }

    // Checks the attribute at i; the position after it, or -1 when the scan ended.
    qsizetype attribute(qsizetype i, qsizetype tagStart, int number)
    {
        if (number > XmlLimits::MaxAttributesPerElement) {
            refuse(CLoomworkTr::tr("more than %1 attributes in one element").arg(XmlLimits::MaxAttributesPerElement), tagStart);
            return -1;
        }
        if (++m_attributes > XmlLimits::MaxAttributes) {
            refuse(CLoomworkTr::tr("more than %1 attributes").arg(XmlLimits::MaxAttributes), tagStart);
            return -1;
        }
        while (i < m_size && m_data[i] != '=' && m_data[i] != '>' && !isSpace(m_data[i]))
            ++i;
        while (i < m_size && isSpace(m_data[i]))
            ++i;
        if (i >= m_size || m_data[i] != '=') {
            giveUp();
            return -1;
        }
        ++i;
        while (i < m_size && isSpace(m_data[i]))
            ++i;
        const qsizetype end = i < m_size && (m_data[i] == '"' || m_data[i] == '\'') ? find(m_data[i], i + 1) : -1;
        if (end < 0) {
            giveUp();
            return -1;
        }
        if (end - i - 1 > XmlLimits::MaxAttributeBytes) {
            refuse(CLoomworkTr::tr("an attribute value of more than %1 bytes").arg(XmlLimits::MaxAttributeBytes), i);
            return -1;
        }
        return end + 1;
    }

    const char *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    int m_elements = 0;
    int m_attributes = 0;
    XmlLimitCheck m_result;
};

// UTF-16 text (by byte-order mark or the zero bytes around "<"), which the
// scan reads as UTF-8.
bool isUtf16(const QByteArray &bytes, bool *littleEndian)
{
    if (bytes.size() < 2)
        return false;
    const uchar first = uchar(bytes.at(0));
    const uchar second = uchar(bytes.at(1));
    *littleEndian = (first == 0xFF && second == 0xFE) || (first == '<' && second == 0);
    return *littleEndian || (first == 0xFE && second == 0xFF) || (first == 0 && second == '<');
}

} // namespace

XmlLimitCheck checkXmlLimits(const QByteArray &bytes)
{
    bool littleEndian = false;
    if (!isUtf16(bytes, &littleEndian))
        return LimitScanner(bytes).run();
    QByteArray swapped = bytes;
    if (!littleEndian) {
        char *data = swapped.data();
        for (int i = 0; i + 1 < swapped.size(); i += 2)
            std::swap(data[i], data[i + 1]);
    }
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(swapped.constData()),
                                            swapped.size() / 2);
    return LimitScanner(text.toUtf8()).run();
}
