// libFuzzer target: the description reader on arbitrary bytes. Built with
// LOOMWORK_FUZZING, so any 2-byte trailer counts as a valid checksum and the
// inputs reach the XML reading.

#include "description/cparameterdescription.h"
#include "description/descriptionreader.h"
#include "description/xmltree.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool sameTree(const XmlElement &a, const XmlElement &b)
{
    if (a.tag != b.tag || a.attributes != b.attributes || a.children.size() != b.children.size())
        return false;
    for (size_t i = 0; i < a.children.size(); ++i) {
        if (!sameTree(*a.children[i], *b.children[i]))
            return false;
    }
    return true;
}

// The plain-form reader may only take documents the general reader reads,
// and must build the same tree from them.
void checkPlainReader(const QByteArray &bytes)
{
    const XmlParseResult fast = parseXml(bytes, true);
    const XmlParseResult general = parseXmlGeneral(bytes, true);
    if (fast.status != general.status || fast.reason != general.reason)
        std::abort();
    if (fast.status == XmlStatus::Ok && (!fast.root || !general.root || !sameTree(*fast.root, *general.root)))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    crc16(bytes);
    checkPlainReader(bytes);
    // Runs readDocumentBytes whenever the body alone does not parse.
    const XmlParseResult parsed = DescriptionReader::parseDescription(bytes);
    if (parsed.root) {
        const DescriptionHeader header = DescriptionReader::readHeader(*parsed.root, QString());
        const LanguageTable language = DescriptionReader::readLanguage(*parsed.root);
        const OwnedObjectMap objects = DescriptionReader::readObjects(*parsed.root); // takes the tree apart
        // Touch the results so nothing is optimised away.
        volatile int sink = header.features.size() + int(objects.size()) + language.texts.size();
        (void)sink;
    }
    // The loaders' one-pass route and the step-by-step rules must agree.
    const QByteArray document = readDocumentBytes(bytes, 2);
    if ((parsed.root != nullptr) != (!document.isEmpty() && isWellFormedXml(document)))
        std::abort();
    // A sealed text never parses as XML with its trailer.
    const QByteArray sealed = sealDocument(bytes);
    if (!sealed.isEmpty() && isWellFormedXml(sealed))
        std::abort();
    return 0;
}
