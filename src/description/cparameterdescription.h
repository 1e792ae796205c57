#ifndef CPARAMETERDESCRIPTION_H
#define CPARAMETERDESCRIPTION_H

#include "description/descriptionrecords.h"
#include "description/descriptionvocabulary.h"
#include "items/loomwork_global.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// CRC-16/MODBUS (reflected 0x8005, init 0xFFFF, no final XOR) of bytes. The
// low byte of the CRC is returned in the high half, so the value equals the
// stored 2-byte trailer read as a big-endian number ("123456789" -> 0x374B).
LOOMWORK_EXPORT quint16 crc16(const QByteArray &bytes);
LOOMWORK_EXPORT quint16 crc16(const char *data, qsizetype length);

// True when the last 2 bytes, read big-endian, equal crc16() of the rest.
LOOMWORK_EXPORT bool hasValidChecksum(const QByteArray &bytes);

// False when the application's arguments contain exactly "--no-xml-check".
LOOMWORK_EXPORT bool isXmlCheckEnabled();

// True when bytes pass the reader's safety checks (size, nesting depth, no
// entity declarations or unknown entity references) and are well-formed XML
// as they stand.
LOOMWORK_EXPORT bool isWellFormedXml(const QByteArray &bytes);
// Why isWellFormedXml(bytes) is false ("more than 64 attributes in one
// element (line 3, column 1)", "not XML at line 7, column 12: ..."); an
// empty string when it is true.
LOOMWORK_EXPORT QString xmlError(const QByteArray &bytes);

// The text to hand to the XML parser: the bytes without their trailer of
// trailerLength bytes when the file is sealed, the bytes unchanged when
// unsealed files are allowed (--no-xml-check), else empty bytes (refused).
// Files that fail the safety checks are always refused.
LOOMWORK_EXPORT QByteArray readDocumentBytes(const QByteArray &bytes, int trailerLength);
// The same, and when the file is refused *reason says why (not sealed, the
// checksum does not match, not XML at line:column, a limit exceeded).
LOOMWORK_EXPORT QByteArray readDocumentBytes(const QByteArray &bytes, int trailerLength, QString *reason);

// The text sealed with its 2-byte checksum trailer, ready to be written.
// When the trailer would still read as XML (two blanks, or an unfinished
// character the parser drops) the line ends behind the root are adjusted
// until it does not, so readers never take the file for an unsealed one.
// Empty when text is no well-formed XML or too large.
LOOMWORK_EXPORT QByteArray sealDocument(const QByteArray &text);

// The lowest table version the running application accepts (from its
// application version: >= 1.7 -> 500, >= 1.2 -> 400, >= 1.0 -> 300, else 0).
LOOMWORK_EXPORT int minimumTableVersion();
// True when version >= 1 and version >= minimumTableVersion().
LOOMWORK_EXPORT bool isTableVersionSupported(int version);

// Paths of the "*.xml" files in directory whose project name and order number
// equal those of wanted. Sealed files are read without their trailer.
LOOMWORK_EXPORT QStringList findDescriptionFiles(const DescriptionHeader &wanted, const QString &directory);

// The language name and texts of a language file; an empty table on failure.
// Files larger than 4 MB are not read.
LOOMWORK_EXPORT LanguageTable readLanguageFile(const QString &fileName);
// The same; on failure *error says why.
LOOMWORK_EXPORT LanguageTable readLanguageFile(const QString &fileName, QString *error);

// A parameter description file: its project header and its parameter
// objects, read from a (normally sealed) XML file. Owns its objects.
class LOOMWORK_EXPORT CParameterDescription
{
public:
    // Object name -> object, in key order. The objects belong to the
    // description and live until it is cleared, reloaded or destroyed.
    typedef QMap<QString, ObjectDescription *> ObjectMap;

    CParameterDescription();
    ~CParameterDescription();
    CParameterDescription(const CParameterDescription &) = delete;
    CParameterDescription &operator=(const CParameterDescription &) = delete;

    // Reads header and objects. False when the file cannot be read, is
    // refused, is no XML or has an invalid or unsupported header; the
    // description is empty then.
    bool load(const QString &fileName);
    // Reads only the header (the objects are left as they are). True when
    // the header is valid.
    bool loadHeader(const QString &fileName);
    // Empties header and objects.
    void clear();
    // Why the last load() or loadHeader() gave false; empty after success.
    QString errorString() const;

    const DescriptionHeader &header() const;
    const ObjectMap &objects() const;
    // The object stored under name, or null.
    const ObjectDescription *object(const QString &name) const;

private:
    void deleteObjects();

    DescriptionHeader m_header;
    ObjectMap m_objects;
    QString m_error;
};

#endif // CPARAMETERDESCRIPTION_H
