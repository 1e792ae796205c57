#ifndef PLAINXMLREADER_H
#define PLAINXMLREADER_H

// Internal to the parameter-description reader: a fast path for documents in
// the plain form that description files are written in. It reads UTF-8 bytes
// straight into the element tree, without decoding the whole text to UTF-16
// and without a general XML tokenizer.
//
// The plain form: an optional XML declaration (version 1.0, UTF-8), comments,
// processing instructions, elements with ASCII names and attributes, text and
// CDATA sections; references only to the five predefined entities. Anything
// else (a document type, character references, names outside ASCII, line
// ends or tabs inside attribute values, nesting over MaxElementDepth, any
// error at all) makes the reader decline, and the general reader decides:
// what this reader accepts is well-formed, and its tree is the one the
// general reader builds.

#include "description/xmltree.h"

#include <memory>
#include <vector>

class PlainXmlReader
{
public:
    // With buildTree, keeps the root and the "group" and "value" elements
    // below it, as parseXml() does.
    PlainXmlReader(const QByteArray &bytes, bool buildTree);

    // True when the whole document is in the plain form and well-formed.
    bool read();
    // The tree read; null unless read() gave true with buildTree.
    std::unique_ptr<XmlElement> takeRoot() { return std::move(m_root); }

private:
    struct Open
    {
        qsizetype name;     // offset of the tag name
        qsizetype length;   // its length in bytes
        XmlElement *kept;   // null when the element is not kept
    };

    bool prolog();
    bool declaration();
    bool misc();
    bool content();
    bool startTag();
    bool attributes(XmlElement *element);
    bool attributeValue(qsizetype begin, qsizetype end, QString *value);
    bool endTag();
    bool text(qsizetype end);
    bool comment();
    bool processingInstruction();
    bool cdata();

    bool at(const char *literal) const;
    bool skipSpace();
    qsizetype nameEnd(qsizetype from) const;
    qsizetype find(const char *literal, qsizetype from) const;
    QString shared(qsizetype begin, qsizetype length, uint hash);
    QString valueText(qsizetype begin, qsizetype length);
    QString decoded(qsizetype begin, qsizetype length) const;
    XmlElement *keep(qsizetype name, qsizetype length);

    const char *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    bool m_buildTree;
    std::vector<Open> m_open;
    std::unique_ptr<XmlElement> m_root;
    struct SeenName
    {
        qsizetype offset;
        qsizetype length;
        uint hash;
    };
    std::vector<SeenName> m_seenNames; // the attributes of the current tag
    // Their texts, handed to the element at the tag's end with the capacity
    // they need: a growing vector would keep spare room in every element.
    std::vector<QPair<QString, QString>> m_pending;

    // The shared texts by their bytes: open addressing over indexes into
    // m_texts, at most half full.
    struct SharedText
    {
        QByteArray bytes;
        QString text;
        uint hash;
    };
    std::vector<int> m_slots;
    std::vector<SharedText> m_texts;
};

#endif // PLAINXMLREADER_H
