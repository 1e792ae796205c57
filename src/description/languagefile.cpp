#include "description/cparameterdescription.h"
#include "description/descriptionreader.h"
#include "description/xmllimits.h"

#include <QDir>
#include <QFileInfo>

QStringList findDescriptionFiles(const DescriptionHeader &wanted, const QString &directory)
{
    QStringList found;
    const QDir dir(directory);
    const QStringList names = dir.entryList(QStringList{QStringLiteral("*.xml")}, QDir::Files, QDir::NoSort);
    for (const QString &name : names) {
        const QString path = dir.filePath(name);
        const XmlParseResult parsed = DescriptionReader::parseFile(path);
        if (!parsed.root)
            continue;
        const DescriptionHeader header = DescriptionReader::readHeader(*parsed.root, path);
        if (header.projectName == wanted.projectName && header.orderNumber == wanted.orderNumber)
            found.append(path);
    }
    return found;
}

LanguageTable readLanguageFile(const QString &fileName)
{
    return readLanguageFile(fileName, nullptr);
}

LanguageTable readLanguageFile(const QString &fileName, QString *error)
{
    const XmlParseResult parsed = DescriptionReader::parseFile(fileName, XmlLimits::MaxLanguageFileBytes);
    if (!parsed.root) {
        if (error)
            *error = parsed.reason;
        return LanguageTable();
    }
    if (error)
        error->clear();
    return DescriptionReader::readLanguage(*parsed.root);
}
