#ifndef ITEMTREEFIXTURE_H
#define ITEMTREEFIXTURE_H

#include "items/citem.h"

#include <QObject>

// A small hand-built item tree: in an object container, a group "Grenzwerte"
// with a list, a scaled int16, a bool, a text, a float and a hidden item; a
// read-only item at top.
struct ItemTreeFixture
{
    QObject root;
    CItem *object, *group, *unit, *limit, *flag, *name, *gain, *hidden, *serial;

    ItemTreeFixture()
    {
        object = make(&root, "Geraet", CItem::DATA_TYPE_OBJECT, "");
        group = make(object, "Grenzwerte", CItem::DATA_TYPE_GROUP, "Limits");
        unit = make(group, "Einheit", CItem::DATA_TYPE_LIST16, "Unit");
        unit->setTextList("mbar,Pa,kPa");
        limit = make(group, "GrenzwertMaxAlarm", CItem::DATA_TYPE_INT16, "Max alarm");
        limit->setDecimalFactor(10.0);
        limit->setPrecision(1.0);
        limit->setRange(-100.0, 1000.0);
        limit->setValue(250);
        limit->setUnit("mbar");
        flag = make(group, "Alarm", CItem::DATA_TYPE_BOOL, "Alarm");
        name = make(group, "Messstelle", CItem::DATA_TYPE_TEXT8, "Tag");
        gain = make(group, "Verstaerkung", CItem::DATA_TYPE_FLOAT, "Gain");
        gain->setPrecision(2.0);
        hidden = make(group, "Tasten", CItem::DATA_TYPE_UINT16, "Keys");
        hidden->setVisible(false);
        serial = make(&root, "Seriennummer", CItem::DATA_TYPE_UINT32, "Serial");
        serial->setReadOnly(true);
    }

    static CItem *make(QObject *parent, const char *name, CItem::ENUM_DATA_TYPES type, const char *caption)
    {
        auto *item = new CItem(parent);
        item->setObjectName(QLatin1String(name));
        item->setType(type);
        item->setCaption(QLatin1String(caption));
        return item;
    }
};

#endif // ITEMTREEFIXTURE_H
