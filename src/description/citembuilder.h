#ifndef CITEMBUILDER_H
#define CITEMBUILDER_H

#include "description/cparameterdescription.h"
#include "items/citem.h"
#include "items/loomwork_global.h"

#include <QList>
#include <QString>
#include <QStringList>

class QObject;

// Turns a loaded parameter description into the host's item tree.
//
// Per object (in the description's key order) one container of type
// DATA_TYPE_OBJECT named after the object; in it one DATA_TYPE_GROUP
// container per line (object name = line "name", caption = "Text") and, for
// each sub-group that has a name or text, a further group container. Every
// attribute set of a sub-group becomes one parameter item, configured with
// CItem::setAttributes() and named after its "name" attribute. Besides:
//  - Object and line defaults become features of their containers.
//  - A list item (list16_t, list32_t) takes its text list from the object's
//    list type whose "name" equals the item's "List" attribute; the list
//    type's own "List" attribute holds the comma-separated entries.
//  - A bit-set item (bit8_t, bit16_t, bit32_t) takes its bit fields from the
//    object's bit-field type whose name equals its "Bitfield" attribute. Each
//    attribute set of the type is one field: "name", "Bit" (first bit),
//    "Bits" (count, 1 when absent), "Text", "Visibility", "List".
//  - Every attribute named like a feature entry ("Access", "Address_RW",
//    "FC_RD", ...) becomes a FeatureElement of the item, in the entry names'
//    order, so item->feature("Address_RW") gives its first holding register.
//  - "Chart" ("true"/"false"), "Color" (a colour name or #rrggbb) and
//    "YAxis" (0 or 1) set the item's chart flag, colour and axis.
// What cannot be placed is built as far as possible and reported through
// problems(); nothing is dropped silently.
class LOOMWORK_EXPORT CItemBuilder
{
public:
    // The description is read on build() and must outlive the builder.
    explicit CItemBuilder(const CParameterDescription &description);

    // Optional: translations and language of the built items.
    void setLanguage(const LanguageTable &table, const QString &languageId);

    // Builds one DATA_TYPE_OBJECT container per described object under
    // parent (which owns them) and returns them in object order. Problems of
    // an earlier build are forgotten.
    QList<CItem *> build(QObject *parent);

    // Human-readable lines for everything that could not be placed.
    QStringList problems() const;

    // Names of the attributes that become item features, in feature order.
    static const QStringList &featureEntryNames();

private:
    CItem *buildObject(const QString &name, const ObjectDescription &object, QObject *parent);
    void buildLine(const LineDescription &line, const ObjectDescription &object, CItem *parent);
    void buildParameter(const AttributeSet &attributes, const ObjectDescription &object, CItem *parent);
    void applyChart(CItem *item, const AttributeSet &attributes);
    void applyTextList(CItem *item, const AttributeSet &attributes, const ObjectDescription &object);
    void applyBitfields(CItem *item, const AttributeSet &attributes, const ObjectDescription &object);
    void applyLanguage(CItem *item) const;
    void report(const CItem *item, const QString &problem);

    const CParameterDescription &m_description;
    LanguageTable m_language;
    QString m_languageId;
    bool m_hasLanguage = false;
    QString m_objectName; // object being built, for the problem texts
    QStringList m_problems;
};

#endif // CITEMBUILDER_H
