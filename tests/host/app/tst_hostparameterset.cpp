// Parameter sets: save and load round trip, comparison with the items, and
// applying only what differs.
#include "ccomparedialog.h"
#include "cparameterset.h"
#include "itemtreefixture.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

class TestHostParameterSet : public QObject
{
    Q_OBJECT

private slots:
    void saveWritesHeaderAndValues();
    void roundTripRestoresEveryValue();
    void loadRefusesForeignFiles_data();
    void loadRefusesForeignFiles();
    void compareMarksDifferences();
    void applyWritesOnlyDifferencesAsEdits();
    void compareDialogHighlightsDifferences();

private:
    static CParameterSet savedSet(ItemTreeFixture &f);
    QTemporaryDir m_dir;
};

CParameterSet TestHostParameterSet::savedSet(ItemTreeFixture &f)
{
    f.unit->setValue(2);
    f.limit->setValue(-75);
    f.flag->setValue(true);
    f.name->setValue("PT-101");
    f.gain->setValue(0.75);
    CParameterSet set = CParameterSet::fromItems(&f.root);
    set.model = "PV 8120";
    set.orderNumber = "8120-01";
    set.parameterVersion = "1.00";
    return set;
}

void TestHostParameterSet::saveWritesHeaderAndValues()
{
    ItemTreeFixture f;
    const CParameterSet set = savedSet(f);
    const QString file = m_dir.filePath("header.json");
    QVERIFY(set.save(file));
    QFile in(file);
    QVERIFY(in.open(QIODevice::ReadOnly));
    const QJsonObject json = QJsonDocument::fromJson(in.readAll()).object();
    QCOMPARE(json.value("model").toString(), QString("PV 8120"));
    QCOMPARE(json.value("orderNumber").toString(), QString("8120-01"));
    QCOMPARE(json.value("parameterVersion").toString(), QString("1.00"));
    QVERIFY(QDateTime::fromString(json.value("timeStamp").toString(), Qt::ISODate).isValid());
    const QJsonObject values = json.value("values").toObject();
    // Containers carry no value; every parameter does, hidden ones included.
    QCOMPARE(values.keys(), QStringList({"Alarm", "Einheit", "GrenzwertMaxAlarm", "Messstelle",
                                         "Seriennummer", "Tasten", "Verstaerkung"}));
    QCOMPARE(values.value("GrenzwertMaxAlarm").toInt(), -75);
}

void TestHostParameterSet::roundTripRestoresEveryValue()
{
    ItemTreeFixture source;
    const QString file = m_dir.filePath("roundtrip.json");
    QVERIFY(savedSet(source).save(file));

    CParameterSet loaded;
    QString error;
    QVERIFY2(loaded.load(file, &error), qPrintable(error));
    QCOMPARE(loaded.orderNumber, QString("8120-01"));
    ItemTreeFixture target;
    const QList<CItem *> changed = loaded.applyTo(&target.root);
    QCOMPARE(changed.size(), 5);
    for (const char *name : {"Einheit", "GrenzwertMaxAlarm", "Alarm", "Messstelle", "Verstaerkung"}) {
        const auto *a = source.root.findChild<CItem *>(name);
        const auto *b = target.root.findChild<CItem *>(name);
        QCOMPARE(b->valueText(), a->valueText());
    }
    QVERIFY(loaded.compare(&target.root).size() == 7);
    for (const auto &row : loaded.compare(&target.root))
        QVERIFY2(!row.differs, qPrintable(row.name));
}

void TestHostParameterSet::loadRefusesForeignFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("not json") << QByteArray("<xml/>");
    QTest::newRow("other json") << QByteArray("{\"values\": {}}");
}

void TestHostParameterSet::loadRefusesForeignFiles()
{
    QFETCH(QByteArray, content);
    const QString file = m_dir.filePath("foreign.json");
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(content);
    out.close();
    CParameterSet set;
    set.model = "kept";
    QString error;
    QVERIFY(!set.load(file, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(set.model, QString("kept"));
    QVERIFY(!set.load(m_dir.filePath("missing.json"), &error));
}

void TestHostParameterSet::compareMarksDifferences()
{
    ItemTreeFixture f;
    const CParameterSet set = savedSet(f);
    f.limit->setValue(300);
    f.unit->setValue(0);
    const QList<CParameterSet::Difference> rows = set.compare(&f.root);
    QStringList differing;
    for (const auto &row : rows) {
        if (row.differs)
            differing << row.name;
    }
    QCOMPARE(differing, QStringList({"Einheit", "GrenzwertMaxAlarm"}));
    const auto limitRow = std::find_if(rows.begin(), rows.end(),
                                       [](const auto &row) { return row.name == "GrenzwertMaxAlarm"; });
    QCOMPARE(limitRow->fileText, QString("-7,5"));
    QCOMPARE(limitRow->deviceText, QString("30,0"));
    QCOMPARE(limitRow->caption, QString("Limits - Max alarm"));
}

void TestHostParameterSet::applyWritesOnlyDifferencesAsEdits()
{
    ItemTreeFixture f;
    CParameterSet set = savedSet(f);
    f.limit->setValue(300);
    f.serial->setValue(17); // read-only: never written from a file
    QSignalSpy limitEdited(f.limit, &CItem::valueEdited);
    QSignalSpy unitEdited(f.unit, &CItem::valueEdited);
    QSignalSpy unitChanged(f.unit, &CItem::valueChanged);
    const QList<CItem *> changed = set.applyTo(&f.root);
    QCOMPARE(changed, QList<CItem *>({f.limit}));
    QCOMPARE(limitEdited.count(), 1);
    QCOMPARE(unitEdited.count(), 0);
    QCOMPARE(unitChanged.count(), 0);
    QCOMPARE(f.serial->value().toInt(), 17);
}

void TestHostParameterSet::compareDialogHighlightsDifferences()
{
    ItemTreeFixture f;
    const CParameterSet set = savedSet(f);
    f.gain->setValue(2.5);
    CCompareDialog dialog(set.compare(&f.root));
    QTableWidget *table = dialog.table();
    QCOMPARE(table->columnCount(), 4);
    QCOMPARE(table->rowCount(), 7);
    int highlighted = 0;
    for (int row = 0; row < table->rowCount(); ++row) {
        if (dialog.isHighlighted(row)) {
            ++highlighted;
            QCOMPARE(table->item(row, CCompareDialog::NameColumn)->text(), QString("Verstaerkung"));
            QCOMPARE(table->item(row, CCompareDialog::FileColumn)->text(), QString("0,75"));
            QCOMPARE(table->item(row, CCompareDialog::DeviceColumn)->text(), QString("2,50"));
        }
    }
    QCOMPARE(highlighted, 1);
    QCOMPARE(dialog.differences().size(), 1);
}

QTEST_MAIN(TestHostParameterSet)
#include "tst_hostparameterset.moc"
