#include "items/cfeature.h"
#include "items/cinstalllayout.h"
#include "items/citem.h"
#include "items/datatypes.h"
#include "items/itemkeys.h"

#include <QtTest>

typedef QHash<QString, QString> Attributes;

class TestItems : public QObject
{
    Q_OBJECT

    enum Direction { Both, Encode, Decode };

    static CFeature::Entry entry(const QString &name, const QString &value)
    {
        return {{QStringLiteral("name"), name}, {QStringLiteral("Default"), value}};
    }

private slots:
    void setValueSignals_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("changedArgument"); // invalid: no valueChanged
        QTest::addColumn<QByteArray>("bytes");         // hex; when given, set through setByteArray()
        // Only typed items (not none or group) announce every new value.
        QTest::newRow("type none stores") << 0 << QVariant(3) << QVariant(3) << QByteArray();
        QTest::newRow("group equal") << 2 << QVariant(0) << QVariant() << QByteArray();
        QTest::newRow("int16 double equal to int") << 4 << QVariant(0.0) << QVariant() << QByteArray();
        QTest::newRow("int16 changes") << 4 << QVariant(7) << QVariant(7) << QByteArray();
        QTest::newRow("list index 1") << 12 << QVariant(1) << QVariant(QStringLiteral("b")) << QByteArray();
        QTest::newRow("list index past end") << 12 << QVariant(3) << QVariant() << QByteArray();
        QTest::newRow("list negative index") << 13 << QVariant(-1) << QVariant() << QByteArray();
        QTest::newRow("uint16 bytes") << 5 << QVariant(0x0102) << QVariant(0x0102) << QByteArray("0102");
        QTest::newRow("group ignores bytes") << 2 << QVariant() << QVariant() << QByteArray("0304");
    }

    void setValueSignals()
    {
        QFETCH(int, type);
        QFETCH(QVariant, value);
        QFETCH(QVariant, changedArgument);
        QFETCH(QByteArray, bytes);
        CItem item;
        item.setType(CItem::ENUM_DATA_TYPES(type));
        item.setTextList(QStringLiteral("a,b,c"));
        QStringList order, expected;
        connect(&item, &CItem::newValue, this, [&](const QVariant &v) { order << "new:" + v.toString(); });
        connect(&item, &CItem::valueChanged, this, [&](const QVariant &v) { order << "changed:" + v.toString(); });
        if (bytes.isEmpty())
            item.setValue(value);
        else
            item.setByteArray(QByteArray::fromHex(bytes));
        if (type > CItem::DATA_TYPE_GROUP)
            expected << "new:" + value.toString();
        if (changedArgument.isValid())
            expected << "changed:" + changedArgument.toString();
        QCOMPARE(order, expected);
        QCOMPARE(item.value(), changedArgument.isValid() ? value : QVariant(0));
        QCOMPARE(item.value().userType(), changedArgument.isValid() ? value.userType() : int(QMetaType::Int));
    }

    // Without texts index 0 shows nothing and others "?"; a new text list re-applies the default.
    void textList()
    {
        CItem item;
        item.setType(CItem::DATA_TYPE_LIST16);
        QCOMPARE(item.valueText(0), QString());
        QCOMPARE(item.valueText(1), QStringLiteral("?"));
        item.setTextList(QStringLiteral("x,y"));
        item.setValue(1);
        QSignalSpy changed(&item, &CItem::valueChanged);
        item.setTextList(QStringLiteral("p,q,r"));
        QCOMPARE(changed, (QList<QVariantList>{{QStringLiteral("p")}}));
        QCOMPARE(item.value(), QVariant(0));
        QSignalSpy axis(&item, &CItem::yAxisChanged); // on change only
        for (int index : {5, 1, 1})
            item.setYAxis(index);
        QCOMPARE(axis.count(), 1);
    }

    void bitFields()
    {
        QObject root;
        auto *parent = new CItem(&root);
        parent->setType(CItem::DATA_TYPE_BIT16);
        BitfieldDescription fields;
        fields.insert(0, {QStringLiteral("Low"), 2, true, QStringLiteral("Low"), QString()});
        fields.insert(4, {QStringLiteral("High"), 4, true, QStringLiteral("High"), QString()});
        parent->setBitfieldEntries(fields);
        const QList<CItem *> children = parent->findChildren<CItem *>();
        QSignalSpy changed(parent, &CItem::valueChanged);
        parent->setValue(0x00F3);
        QCOMPARE(children.at(0)->value().toUInt(), 3u);
        QCOMPARE(children.at(1)->value().toUInt(), 15u);
        // Each child reports while the old value is still stored: the intermediate combination comes first.
        QCOMPARE(changed, (QList<QVariantList>{{0x03u}, {0xF3u}}));
        QSignalSpy childChanged(parent, &CItem::childChanged);
        children.at(0)->setValue(0);
        QCOMPARE(parent->value().toUInt(), 0xF0u);
        QCOMPARE(childChanged, (QList<QVariantList>{{0xF0u}}));
        // The parent is visible while any child is.
        children.at(0)->setVisible(false);
        QVERIFY(parent->isVisible());
        children.at(1)->setVisible(false);
        QVERIFY(!parent->isVisible());
        children.at(0)->setVisible(true);
        QVERIFY(parent->isVisible());
    }

    void readOnlyPropagatesChildrenFirst()
    {
        // 0 top -> 1 group -> 2 leaf, 0 top -> 3 already (read-only) -> 4 below (writable)
        CItem top;
        auto *group = new CItem(&top);
        auto *already = new CItem(&top);
        auto *below = new CItem(already);
        already->setReadOnly(true);
        below->setReadOnly(false);
        const QList<CItem *> items = {&top, group, new CItem(group), already, below};
        QList<int> order;
        for (int i = 0; i < items.size(); ++i)
            connect(items.at(i), &CItem::readOnlyChanged, this, [&order, i] { order << i; });
        top.setReadOnly(true);
        QCOMPARE(order, QList<int>({2, 1, 4, 0}));
    }

    void treeQueries()
    {
        CItem object;
        object.setType(CItem::DATA_TYPE_OBJECT);
        auto *group = new CItem(&object);
        group->setType(CItem::DATA_TYPE_GROUP);
        QVERIFY(!object.hasFilledContainer());
        auto *hidden = new CItem(group);
        hidden->setType(CItem::DATA_TYPE_INT32);
        hidden->setVisible(false);
        auto *text = new CItem(group);
        text->setType(CItem::DATA_TYPE_TEXT16);
        QCOMPARE(object.byteSize(), 14);
        QVERIFY(object.hasFilledContainer());
        QCOMPARE(group->visibleChildren(), QList<CItem *>({text}));
        QCOMPARE(text->row(), 1);
        auto *alarm = new CItem(group);
        auto *max = new CItem(alarm);
        alarm->setType(CItem::DATA_TYPE_GROUP);
        group->setCaption(QStringLiteral("Limits"));
        alarm->setCaption(QStringLiteral("Alarm"));
        max->setCaption(QStringLiteral("Max"));
        QCOMPARE(group->captionPath(), QString());
        QCOMPARE(max->fullCaption(), QStringLiteral("Limits - Alarm - Max"));
        // Translations reach the whole subtree; a language without them gives raw texts.
        CItem::Translations dictionary;
        dictionary["de"]["Limits"] = QStringLiteral("Grenzen");
        object.setTranslations(dictionary);
        object.setLanguageId(QStringLiteral("de"));
        QCOMPARE(max->captionPath(), QStringLiteral("Grenzen - Alarm"));
        QCOMPARE(max->captionPath(QStringLiteral("fr")), QStringLiteral("Limits - Alarm"));
    }

    void kindAndEnabled()
    {
        CFeature feature(QStringLiteral("RTC"));
        QCOMPARE(feature.kind(), 0); // the name is only classified by setName()
        const QStringList names = {"rtc", "RTC", "Fehlerspeicher", "Firmwareupdate", "IOMapping", "Programme",
                                   "Datenlogger"};
        for (int kind = 0; kind < names.size(); ++kind) {
            feature.setName(names.at(kind));
            QCOMPARE(feature.kind(), kind);
        }
        feature.setFeatureSections({{"Base", {entry("Access", "static")}}});
        QVERIFY(feature.isEnabled());
        feature.setFeatureSections({{"Base", {entry("Enabled", "false"), entry("Enabled", "true")}}});
        QVERIFY(!feature.isEnabled());
    }

    void featureValue_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("section"); // empty: an item's feature
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("text") << "Access" << "Base" << QVariant(QStringLiteral("dynamic"));
        QTest::newRow("list keeps empty parts") << "List" << "Base" << QVariant(QStringList({"a", "", "b"}));
        QTest::newRow("enabled") << "Enabled" << "Base" << QVariant(true);
        QTest::newRow("hex address") << "Address_RD" << "Base" << QVariant(uint(0x7000));
        QTest::newRow("first entry wins") << "FC_RD" << "Base" << QVariant(uint(3));
        QTest::newRow("other section") << "Anzahl" << "Entry" << QVariant(uint(0));
        QTest::newRow("missing entry") << "Format" << "Base" << QVariant();
        QTest::newRow("item: function text") << "Function_RD" << "" << QVariant(QStringLiteral("0x10"));
        QTest::newRow("item: first entry wins") << "Enabled" << "" << QVariant(true);
        QTest::newRow("item: hex address") << "Address_WRS" << "" << QVariant(uint(0x1A));
        QTest::newRow("item: other names as numbers") << "Anzahl" << "" << QVariant(uint(0));
        QTest::newRow("item: missing") << "Format" << "" << QVariant();
    }

    void featureValue()
    {
        QFETCH(QString, name);
        QFETCH(QString, section);
        QFETCH(QVariant, expected);
        CFeature feature(QStringLiteral("Datenlogger"));
        feature.setFeatureSections({{"Base",
                                     {entry("Access", "dynamic"), entry("List", "a,,b"), entry("Enabled", "true"),
                                      entry("Address_RD", "0x7000"), entry("FC_RD", "3"), entry("FC_RD", "4")}},
                                    {"Entry", {entry("Anzahl", "n/a")}}});
        CItem item;
        item.setFeatures({{"Function_RD", "0x10"}, {"Enabled", "true"}, {"Address_WRS", "0x1A"},
                          {"Anzahl", "many"}, {"Enabled", "false"}});
        const QVariant actual = section.isEmpty() ? item.feature(name) : feature.featureValue(name, section);
        QCOMPARE(actual, expected);
        QCOMPARE(actual.userType(), expected.userType());
    }

    void namesRoundTrip()
    {
        QStringList seen;
        for (int type = 0; type <= 27; ++type) {
            const QString name = dataTypeName(type);
            const bool named = type >= 3 && type <= 26 && type != 20;
            QCOMPARE(name.isEmpty(), !named);
            QCOMPARE(dataTypeFromName(name), named ? type : 0);
            for (const QString &alias : dataTypeNames().value(type)) {
                QVERIFY2(!seen.contains(alias), qPrintable(alias));
                seen << alias;
            }
        }
        QCOMPARE(dataTypeFromName(QStringLiteral("double")), int(CItem::DATA_TYPE_FLOAT));
        QCOMPARE(dataTypeFromName(QStringLiteral("Text16_t")), 0);
        const QList<QPair<QString, int>> dividers = {{"100", 2}, {"1", 0}, {"1000.0", 3}, {"0.01", 0},
                                                     {"-10", 1}, {"10,5", 1}, {"", 0}};
        for (const auto &divider : dividers)
            QVERIFY2(decimalsFromDivider(divider.first) == divider.second, qPrintable(divider.first));
    }

    void setAttributes_data()
    {
        QTest::addColumn<Attributes>("attributes");
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("factor");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QByteArray>("encoded");
        const auto row = [](const char *name, const Attributes &attributes, int type, double factor, bool visible,
                            const char *encoded) {
            QTest::newRow(name) << attributes << type << factor << visible << QByteArray(encoded);
        };
        row("type is lowered", {{"Datatype", "Text16_t"}}, 3, 1.0, true, "00300000000000000000");
        row("unknown type kept", {{"Datatype", "quad"}, {"Divider", "10"}}, 5, 10.0, true, "0000");
        row("default after type", {{"Datatype", "uint16_t"}, {"Default", "12.7"}}, 5, 1.0, true, "000d");
        row("divider 0", {{"Divider", "0"}}, 5, 1.0, true, "0000");
        row("divider 0.5", {{"Divider", "0.5"}}, 5, 0.5, true, "0000");
        row("capital False stays visible", {{"Visibility", "False"}}, 5, 1.0, true, "0000");
        row("false hides", {{"Visibility", "false"}}, 5, 1.0, false, "0000");
    }

    void setAttributes()
    {
        QFETCH(Attributes, attributes);
        CItem item;
        item.setType(CItem::DATA_TYPE_UINT16);
        QSignalSpy factorSpy(&item, &CItem::decimalFactorChanged);
        QCOMPARE(item.setAttributes(attributes), QTest::currentDataTag() == QByteArray("unknown type kept"));
        QTEST(int(item.type()), "type");
        QTEST(item.decimalFactor(), "factor");
        QCOMPARE(item.precision(), double(decimalsFromDivider(attributes.value("Divider"))));
        QTEST(item.isVisible(), "visible");
        QTEST(item.toByteArray().toHex(), "encoded");
        QCOMPARE(factorSpy.count(), item.decimalFactor() == 1.0 ? 0 : 1);
    }

    void setAttributesFields()
    {
        CItem item;
        item.setAttributes({{Keys::DataId, "12"}, {Keys::ReadOnly, "yes"}, {Keys::Min, "-1.5"}});
        QCOMPARE(item.id(), 12);
        QVERIFY(item.isReadOnly());
        QCOMPARE(item.minimum(), 0.0); // "Min" alone is ignored
        item.setAttributes({{Keys::Min, "-1.5"}, {Keys::Max, "x"}, {Keys::Default, "3"}});
        QCOMPARE(item.minimum(), -1.5);
        QCOMPARE(item.maximum(), 0.0);
        QCOMPARE(item.defaultValue().userType(), int(QMetaType::Float));
    }

    void layout_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QByteArray>("hex");
        QTest::addColumn<int>("direction");
        const QDateTime saturday(QDate(2026, 12, 5), QTime(14, 30, 15));
        QTest::newRow("uint16") << 5 << QVariant(4660) << QByteArray("1234") << int(Both);
        QTest::newRow("int16 negative") << 4 << QVariant(-2) << QByteArray("fffe") << int(Both);
        QTest::newRow("uint16 low bits") << 5 << QVariant(70000) << QByteArray("1170") << int(Encode);
        QTest::newRow("int8") << 6 << QVariant(-1) << QByteArray("ff") << int(Both);
        QTest::newRow("uint8") << 7 << QVariant(128) << QByteArray("80") << int(Decode);
        QTest::newRow("uint32 low word first") << 9 << QVariant(uint(65538)) << QByteArray("00020001") << int(Both);
        QTest::newRow("uint32 short input") << 9 << QVariant(uint(2)) << QByteArray("0002") << int(Decode);
        QTest::newRow("int32") << 8 << QVariant(-2) << QByteArray("fffeffff") << int(Decode);
        QTest::newRow("float") << 11 << QVariant(1.0f) << QByteArray("00003f80") << int(Both);
        QTest::newRow("float lowest") << 11 << QVariant(-3.4028235e38f) << QByteArray("ffffff7f") << int(Decode);
        QTest::newRow("text16 swapped") << 3 << QVariant("abc") << QByteArray("62610063000000000000") << int(Both);
        QTest::newRow("text16 cut") << 3 << QVariant("abcdefghijkl") << QByteArray("62616463666568676a69")
                                    << int(Encode);
        QTest::newRow("builddate keeps 12") << 26 << QVariant("abcdefghijkl")
                                            << QByteArray("62616463666568676a696c6b") << int(Encode);
        QTest::newRow("text8") << 25 << QVariant("abc") << QByteArray("61626300000000000000") << int(Both);
        QTest::newRow("datetime") << 21 << QVariant(saturday) << QByteArray("0f060e1e0c0507ea") << int(Both);
        QTest::newRow("datetime invalid") << 21 << QVariant(QDateTime()) << QByteArray("0000000000000000")
                                          << int(Both);
        QTest::newRow("not convertible") << 5 << QVariant("abc") << QByteArray("0000") << int(Encode);
        QTest::newRow("bit-field entry") << 20 << QVariant() << QByteArray("0001") << int(Decode);
        QTest::newRow("beyond the table") << 27 << QVariant() << QByteArray("0001") << int(Decode);
    }

    void layout()
    {
        QFETCH(int, type);
        QFETCH(QVariant, value);
        QFETCH(QByteArray, hex);
        QFETCH(int, direction);
        if (direction != Decode) {
            CItem item;
            item.setType(CItem::ENUM_DATA_TYPES(type));
            item.setValue(value);
            QCOMPARE(item.toByteArray().toHex(), hex);
        }
        if (direction != Encode) {
            const QVariant decoded = CItem::fromByteArray(QByteArray::fromHex(hex), CItem::ENUM_DATA_TYPES(type));
            QCOMPARE(decoded, value);
            QCOMPARE(decoded.userType(), value.userType());
        }
    }

    void valueText_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("factor");
        QTest::addColumn<double>("precision");
        QTest::addColumn<bool>("useFactor");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("expected");
        const QDateTime when(QDate(2026, 12, 5), QTime(14, 30, 15));
        QTest::newRow("int16 scaled") << 4 << 10.0 << 1.0 << true << QVariant(1234) << "123,4";
        QTest::newRow("int16 unscaled") << 4 << 10.0 << 1.0 << false << QVariant(1234) << "1234,0";
        QTest::newRow("precision truncated") << 9 << 1.0 << 2.9 << true << QVariant(1) << "1,00";
        QTest::newRow("float ignores factor") << 11 << 10.0 << 2.0 << true << QVariant(3.14159) << "3,14";
        QTest::newRow("version keeps point") << 15 << 100.0 << 2.0 << true << QVariant(123) << "1.23";
        QTest::newRow("password padded") << 14 << 10.0 << 4.0 << true << QVariant(42) << "0042";
        QTest::newRow("no wrap at 24 h") << 23 << 1.0 << 0.0 << true << QVariant(100) << "25:00";
        QTest::newRow("time15 scaled") << 22 << 2.0 << 0.0 << true << QVariant(10) << "01:15";
        QTest::newRow("bool on") << 10 << 1.0 << 0.0 << true << QVariant(1) << "On";
        QTest::newRow("list entry") << 12 << 1.0 << 0.0 << true << QVariant(2) << "two";
        QTest::newRow("list out of range") << 13 << 1.0 << 0.0 << true << QVariant(3) << "?";
        QTest::newRow("bit-field entry number") << 20 << 1.0 << 3.0 << false << QVariant(5) << "005";
        QTest::newRow("datetime") << 21 << 1.0 << 0.0 << true << QVariant(when) << "05.12.2026 14:30:15";
        QTest::newRow("datetime invalid") << 21 << 1.0 << 0.0 << true << QVariant(QDateTime()) << "?";
    }

    void valueText()
    {
        QFETCH(int, type);
        QFETCH(double, factor);
        QFETCH(double, precision);
        QFETCH(bool, useFactor);
        QFETCH(QVariant, value);
        CItem item;
        item.setType(CItem::ENUM_DATA_TYPES(type));
        item.setDecimalFactor(factor);
        item.setPrecision(precision);
        item.setTextList(QStringLiteral("zero,one,two"));
        QTEST(item.valueText(value, useFactor), "expected");
    }

    void displayAndBitFieldValue()
    {
        const QVariant raw(25);
        QCOMPARE(CItem::displayValue(raw, CItem::DATA_TYPE_LONG_TIME15, 10.0), QVariant(2.5));
        QCOMPARE(CItem::displayValue(raw, CItem::DATA_TYPE_FLOAT, 10.0), QVariant(25.0));
        QCOMPARE(CItem::displayValue(raw, CItem::DATA_TYPE_BOOL, 10.0).userType(), int(QMetaType::Bool));
        QVERIFY(!CItem::displayValue(raw, CItem::DATA_TYPE_TEXT16, 10.0).isValid());
        const auto entry = CItem::DATA_TYPE_BITFIELD_ENTRY;
        QCOMPARE(CItem::bitFieldValue(QVariant(0xF3), entry, 4, 4), QVariant(uint(15)));
        QCOMPARE(CItem::bitFieldValue(QVariant(0xF3), entry, 0, 0), QVariant(uint(0)));
        QVERIFY(!CItem::bitFieldValue(QVariant(0xF3), CItem::DATA_TYPE_BIT16, 0, 4).isValid());
    }

    // The build tree is found relative to the program, as an installed tree is.
    void buildTreeFoundRelativeToItself()
    {
        QCOMPARE(CInstallLayout::dataDirectory(), QDir::cleanPath(QStringLiteral(LOOMWORK_DATA_DIR)));
        QVERIFY(QFileInfo::exists(CInstallLayout::dataFile(QStringLiteral("pv8120.xml"))));
        const QString self = QCoreApplication::applicationFilePath();
        QCOMPARE(CInstallLayout::programFile(QFileInfo(self).fileName()), self);
        // A missing file is named at the first place searched.
        QCOMPARE(CInstallLayout::dataFile(QStringLiteral("no-such.xml")),
                 QDir(CInstallLayout::dataDirectory()).filePath(QStringLiteral("no-such.xml")));
        QCOMPARE(CInstallLayout::programFile(QStringLiteral("no-such-program")),
                 QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("no-such-program")));
    }

    void candidates_data()
    {
        QTest::addColumn<QStringList>("candidates");
        QTest::addColumn<QString>("installedSuffix"); // of the first candidate
        QTest::newRow("plugins") << CInstallLayout::candidatePluginDirectories() << QStringLiteral("/loomwork/plugins");
        QTest::newRow("data") << CInstallLayout::candidateDataDirectories() << QStringLiteral("/share/loomwork");
        QTest::newRow("programs") << CInstallLayout::candidateProgramDirectories() << QStringLiteral("/bin");
    }

    // The installed layout comes first; every candidate lies near the library or the program except the
    // system's install paths, which come last: a moved tree never reaches a path it was built or installed at.
    void candidates()
    {
        QFETCH(QStringList, candidates);
        QFETCH(QString, installedSuffix);
        QVERIFY2(candidates.value(0).endsWith(installedSuffix), qPrintable(candidates.value(0)));
        const QStringList tops{QDir::cleanPath(CInstallLayout::libraryDirectory() + QStringLiteral("/../..")),
                               QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/.."))};
        bool system = false;
        for (const QString &candidate : candidates) {
            const bool near = candidate.startsWith(tops.at(0) + '/') || candidate.startsWith(tops.at(1) + '/');
            system = system || !near;
            QVERIFY2(near != system, qPrintable(candidate));
            QVERIFY2(near || candidate.startsWith(QLatin1String("/usr/")), qPrintable(candidate));
        }
        QVERIFY(system);
    }
};

QTEST_GUILESS_MAIN(TestItems)
#include "tst_items.moc"
