#include "cdeviceparameters.h"

#include "description/citembuilder.h"
#include "description/cparameterdescription.h"
#include "items/citem.h"
#include "items/cinstalllayout.h"

#include <QDir>
#include <QFileInfo>

CDeviceParameters::CDeviceParameters(QObject *parent) : QObject(parent)
{
}

bool CDeviceParameters::load(const QString &fileName, const QString &languageId)
{
    CParameterDescription description;
    if (!description.load(fileName)) {
        m_error = QStringLiteral("cannot load the parameter description \"%1\": %2").arg(fileName, description.errorString());
        return false;
    }
    m_orderNumber = description.header().orderNumber;
    CItemBuilder builder(description);
    if (!languageId.isEmpty()) {
        const QFileInfo info(fileName);
        const QString languageFile =
            info.dir().filePath(QStringLiteral("%1_%2.xml").arg(info.completeBaseName(), languageId));
        QString error;
        const LanguageTable table = readLanguageFile(languageFile, &error);
        if (table.texts.isEmpty()) {
            m_error = QStringLiteral("cannot read the language file \"%1\": %2")
                          .arg(languageFile, error.isEmpty() ? QStringLiteral("it holds no texts") : error);
            return false;
        }
        builder.setLanguage(table, languageId);
    }
    builder.build(this);
    m_problems = builder.problems();
    return true;
}

QList<CItem *> CDeviceParameters::items() const
{
    return findChildren<CItem *>();
}

QString CDeviceParameters::defaultDescriptionPath()
{
    return CInstallLayout::dataFile(QStringLiteral("pv8120.xml"));
}
