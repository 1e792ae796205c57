#include "cdisplayfont.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

QString CDisplayFont::segmentFontFile()
{
    return QStringLiteral("/usr/share/fonts/truetype/dseg/DSEG7Classic-Regular.ttf");
}

QString CDisplayFont::install()
{
    QFont::insertSubstitution(QStringLiteral("Segoe UI"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Segoe UI Semibold"), QStringLiteral("DejaVu Sans"));
    const int id = QFontDatabase::addApplicationFont(segmentFontFile());
    const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty())
        return QString();
    QFont::insertSubstitution(QStringLiteral("7Segment"), families.first());
    return families.first();
}
