#ifndef CFEATURE_H
#define CFEATURE_H

#include "items/loomwork_global.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

// One optional device function as a parameter description lists it: a name,
// a kind derived from the name, an enabled flag and its sections of entries.
class LOOMWORK_EXPORT CFeature
{
public:
    // One entry: attribute name -> text; carries at least "name" and "Default".
    typedef QHash<QString, QString> Entry;
    // Section name -> its entries.
    typedef QHash<QString, QList<Entry>> Sections;

    // Stores name only: kind 0, disabled, no sections.
    explicit CFeature(const QString &name = QString());

    QString name() const;
    int kind() const;
    bool isEnabled() const;
    Sections featureSections() const;

    // Stores name and sets the kind from it ("RTC" 1 ... "Datenlogger" 6,
    // any other name 0).
    void setName(const QString &name);
    void setKind(int kind);
    void setEnabled(bool enabled);
    // Stores the sections; enabled when there are any, unless an entry named
    // "Enabled" has a "Default" of exactly "false".
    void setFeatureSections(const Sections &sections);

    // "Default" of the first entry called name in section, typed by name;
    // invalid when there is no such section or entry.
    QVariant featureValue(const QString &name, const QString &section) const;

private:
    QString m_name;
    int m_kind = 0;
    bool m_enabled = false;
    Sections m_sections;
};

#endif // CFEATURE_H
