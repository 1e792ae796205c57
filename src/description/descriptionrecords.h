#ifndef DESCRIPTIONRECORDS_H
#define DESCRIPTIONRECORDS_H

#include <QHash>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

// Plain records that the parameter-description reader fills. All texts are
// kept as they stand in the file; lists keep document order.

// All attributes of one value element, by attribute name.
typedef QHash<QString, QString> AttributeSet;
// All attributes of one value element, by position in the element
// (0-based) -> (attribute name, attribute value).
typedef QMap<int, QPair<QString, QString>> IndexedAttributeSet;
// A feature's sections: section name -> attribute sets ("Base" for the
// function's own values).
typedef QMap<QString, QList<IndexedAttributeSet>> GroupTable;
// A (name, default text) pair of an object or a line.
typedef QPair<QString, QString> DefaultValue;

struct DescriptionHeader
{
    QString projectName;
    QString orderNumber;
    QString softwareVersion;
    QString parameterVersion;
    QString pabOutVersion;
    QMap<QString, GroupTable> features; // function name -> its sections
    QString fileName;

    // True when both the project name and the order number are set.
    bool isValid() const { return !projectName.isEmpty() && !orderNumber.isEmpty(); }
};

struct GroupDescription
{
    QString name;
    QString text;
    QList<AttributeSet> values;
};

struct LineDescription
{
    QString name;
    QString text;
    QList<DefaultValue> defaults;
    QList<GroupDescription> groups;
};

struct BitfieldType
{
    QString name;
    QString text;
    QList<AttributeSet> values;
};

struct ObjectDescription
{
    QList<DefaultValue> defaults;
    QList<LineDescription> lines;
    QList<AttributeSet> listTypes;
    QList<BitfieldType> bitfields;
};

struct LanguageTable
{
    QString languageName;
    QHash<QString, QString> texts; // key text -> text
};

#endif // DESCRIPTIONRECORDS_H
