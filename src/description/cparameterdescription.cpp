#include "description/cparameterdescription.h"
#include "description/descriptionreader.h"
#include "description/cloomworktr.h"

#include <QFile>

namespace {

// Reads and checks a file; the header is empty when anything fails, and
// error says why.
DescriptionHeader readFileHeader(const QString &fileName, XmlParseResult &parsed, QString &error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        error = CLoomworkTr::tr("cannot open the file: %1").arg(file.errorString());
        return DescriptionHeader();
    }
    if (file.size() > MaxDocumentBytes) {
        error = CLoomworkTr::tr("larger than %1 MB").arg(MaxDocumentBytes >> 20);
        return DescriptionHeader();
    }
    const QByteArray bytes = file.readAll();
    file.close();
    parsed = DescriptionReader::parseDescription(bytes);
    if (!parsed.root) {
        error = parsed.reason;
        return DescriptionHeader();
    }
    const DescriptionHeader header = DescriptionReader::readHeader(*parsed.root, fileName);
    if (!header.isValid())
        error = DescriptionReader::headerProblem(*parsed.root);
    return header;
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
    const DescriptionHeader header = readFileHeader(fileName, parsed, m_error);
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
    m_error.clear();
    XmlParseResult parsed;
    const DescriptionHeader header = readFileHeader(fileName, parsed, m_error);
    if (!header.isValid())
        return false;
    m_header = header;
    return true;
}

void CParameterDescription::clear()
{
    m_header = DescriptionHeader();
    m_error.clear();
    deleteObjects();
}

QString CParameterDescription::errorString() const
{
    return m_error;
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
