#include "description/cparameterdescription.h"
#include "description/descriptionreader.h"

#include <QFile>

namespace {

// Reads and checks a file; the header is empty when anything fails.
DescriptionHeader readFileHeader(const QString &fileName, XmlParseResult &parsed)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxDocumentBytes)
        return DescriptionHeader();
    const QByteArray bytes = file.readAll();
    file.close();
    parsed = DescriptionReader::parseDescription(bytes);
    if (!parsed.root)
        return DescriptionHeader();
    return DescriptionReader::readHeader(*parsed.root, fileName);
}

} // namespace

CParameterDescription::CParameterDescription() = default;

CParameterDescription::~CParameterDescription()
{
    deleteObjects();
}

bool CParameterDescription::load(const QString &fileName)
{
    clear();
    XmlParseResult parsed;
    const DescriptionHeader header = readFileHeader(fileName, parsed);
    if (!header.isValid())
        return false;
    m_header = header;
    OwnedObjectMap objects = DescriptionReader::readObjects(*parsed.root);
    for (auto &entry : objects)
        m_objects.insert(entry.first, entry.second.release());
    return true;
}

bool CParameterDescription::loadHeader(const QString &fileName)
{
    m_header = DescriptionHeader();
    XmlParseResult parsed;
    const DescriptionHeader header = readFileHeader(fileName, parsed);
    if (!header.isValid())
        return false;
    m_header = header;
    return true;
}

void CParameterDescription::clear()
{
    m_header = DescriptionHeader();
    deleteObjects();
}

const DescriptionHeader &CParameterDescription::header() const
{
    return m_header;
}

const CParameterDescription::ObjectMap &CParameterDescription::objects() const
{
    return m_objects;
}

const ObjectDescription *CParameterDescription::object(const QString &name) const
{
    return m_objects.value(name, nullptr);
}

void CParameterDescription::deleteObjects()
{
    qDeleteAll(m_objects);
    m_objects.clear();
}
