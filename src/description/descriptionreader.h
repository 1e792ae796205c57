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

// The element tree of a description file's bytes, after the same checks and
// trailer handling as readDocumentBytes(bytes, 2); root is null on refusal or
// parse failure.
XmlParseResult parseDescription(const QByteArray &bytes);

// The element tree of a file parsed as it stands; a sealed file is read
// without its trailer. Root is null when the file cannot be read or parsed.
XmlParseResult parseFile(const QString &fileName);

DescriptionHeader readHeader(const XmlElement &root, const QString &fileName);
OwnedObjectMap readObjects(const XmlElement &root);
GroupTable readGroupTable(const XmlElement &element);
LanguageTable readLanguage(const XmlElement &root);

} // namespace DescriptionReader

#endif // DESCRIPTIONREADER_H
