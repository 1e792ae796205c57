#include "description/xmltree.h"

#include "description/descriptionvocabulary.h"

#include <QXmlStreamReader>

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

namespace {

// Walks the token stream once, tracking depth and building the kept part of
// the tree. keptDepth counts the open elements that are in the tree; an
// element that is not kept hides its whole subtree.
class TreeBuilder
{
public:
    explicit TreeBuilder(bool buildTree) : m_buildTree(buildTree) {}

    XmlParseResult run(const QByteArray &bytes)
    {
        XmlParseResult result;
        if (bytes.size() > MaxDocumentBytes) {
            result.status = XmlStatus::Refused;
            return result;
        }
        QXmlStreamReader reader(bytes);
        reader.setNamespaceProcessing(false);
        while (!reader.atEnd()) {
            switch (reader.readNext()) {
            case QXmlStreamReader::StartElement:
                if (!startElement(reader))
                    return refused();
                break;
            case QXmlStreamReader::EndElement:
                endElement();
                break;
            case QXmlStreamReader::DTD:
            case QXmlStreamReader::EntityReference:
                return refused();
            default:
                break;
            }
        }
        if (reader.hasError()) {
            result.errorLine = reader.lineNumber();
            return result;
        }
        result.status = XmlStatus::Ok;
        result.root = std::move(m_root);
        return result;
    }

private:
    static XmlParseResult refused()
    {
        XmlParseResult result;
        result.status = XmlStatus::Refused;
        return result;
    }

    bool startElement(const QXmlStreamReader &reader)
    {
        if (++m_depth > MaxElementDepth)
            return false;
        if (!m_buildTree || m_hiddenDepth > 0 || !keeps(reader)) {
            if (m_buildTree)
                ++m_hiddenDepth;
            return true;
        }
        auto element = std::make_unique<XmlElement>();
        element->tag = reader.qualifiedName().toString();
        const QXmlStreamAttributes attributes = reader.attributes();
        element->attributes.reserve(attributes.size());
        for (const QXmlStreamAttribute &attribute : attributes)
            element->attributes.append(qMakePair(attribute.qualifiedName().toString(), attribute.value().toString()));
        XmlElement *raw = element.get();
        if (m_open.empty())
            m_root = std::move(element);
        else
            m_open.back()->children.push_back(std::move(element));
        m_open.push_back(raw);
        return true;
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

    bool keeps(const QXmlStreamReader &reader) const
    {
        if (m_open.empty())
            return true; // the root, whatever its tag
        const QStringRef tag = reader.qualifiedName();
        return tag == Qvr::GroupTag || tag == Qvr::ValueTag;
    }

    bool m_buildTree;
    int m_depth = 0;
    int m_hiddenDepth = 0;
    std::unique_ptr<XmlElement> m_root;
    std::vector<XmlElement *> m_open;
};

} // namespace

XmlParseResult parseXml(const QByteArray &bytes, bool buildTree)
{
    return TreeBuilder(buildTree).run(bytes);
}
