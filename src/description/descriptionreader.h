#ifndef DESCRIPTIONREADER_H
#define DESCRIPTIONREADER_H

// Internal to the parameter-description reader: the steps that turn a parsed
// element tree into header, objects and language tables.

#include "description/descriptionrecords.h"
#include "description/xmltree.h"

#include <map>
#include <memory>

typedef std::map<QString, std::unique_ptr<ObjectDescription>> OwnedObjectMap;

namespace DescriptionReader {

// The parse of a sealed file's body, when its checksum matches and its
// trailer leaves the bytes as they stand malformed (the usual case: then the
// body is what readDocumentBytes(bytes, 2) returns). Otherwise the status is
// not Ok and the full rules decide.
XmlParseResult parseSealedBody(const QByteArray &bytes, bool buildTree);

// The element tree of a description file's bytes, after the same checks and
// trailer handling as readDocumentBytes(bytes, 2); root is null on refusal or
// parse failure.
XmlParseResult parseDescription(const QByteArray &bytes);

// The element tree of a file parsed as it stands; a sealed file is read
// without its trailer. Root is null when the file cannot be read or parsed,
// or is larger than maximumBytes.
XmlParseResult parseFile(const QString &fileName, qint64 maximumBytes = MaxDocumentBytes);

DescriptionHeader readHeader(const XmlElement &root, const QString &fileName);
// Why readHeader() gives no valid header for root.
QString headerProblem(const XmlElement &root);
// Takes the objects' attribute texts out of the tree and frees each object's
// elements once it is read; the header is read before.
OwnedObjectMap readObjects(XmlElement &root);
GroupTable readGroupTable(const XmlElement &element);
LanguageTable readLanguage(const XmlElement &root);

} // namespace DescriptionReader

#endif // DESCRIPTIONREADER_H
