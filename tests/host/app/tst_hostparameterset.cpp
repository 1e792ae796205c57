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
    void roundTripRestoresEveryValue()
    {
        ItemTreeFixture source;
        const QString file = m_dir.filePath("roundtrip.json");
        QVERIFY(savedSet(source).save(file));
        QFile in(file);
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QJsonObject json = QJsonDocument::fromJson(in.readAll()).object();
        QCOMPARE(json.value("model").toString(), QString("PV 8120"));
        QVERIFY(QDateTime::fromString(json.value("timeStamp").toString(), Qt::ISODate).isValid());
        // Containers carry no value; every parameter does, hidden ones included.
        QCOMPARE(json.value("values").toObject().keys(), QStringList({"Alarm", "Einheit", "GrenzwertMaxAlarm",
                                                                      "Messstelle", "Seriennummer", "Tasten",
                                                                      "Verstaerkung"}));
        CParameterSet loaded;
        QString error;
        QVERIFY2(loaded.load(file, &error), qPrintable(error));
        QCOMPARE(loaded.orderNumber, QString("8120-01"));
        QCOMPARE(loaded.parameterVersion, QString("1.00"));
        ItemTreeFixture target;
        QCOMPARE(loaded.applyTo(&target.root).size(), 5);
        for (const char *name : {"Einheit", "GrenzwertMaxAlarm", "Alarm", "Messstelle", "Verstaerkung"})
            QCOMPARE(target.root.findChild<CItem *>(name)->valueText(),
                     source.root.findChild<CItem *>(name)->valueText());
        QCOMPARE(loaded.compare(&target.root).size(), 7);
        for (const auto &row : loaded.compare(&target.root))
            QVERIFY2(!row.differs, qPrintable(row.name));
    }

    void loadRefusesForeignFiles_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file
        QTest::newRow("not json") << QByteArray("<xml/>");
        QTest::newRow("other json") << QByteArray("{\"values\": {}}");
        QTest::newRow("missing") << QByteArray();
    }

    void loadRefusesForeignFiles()
    {
        QFETCH(QByteArray, content);
        const QString file = m_dir.filePath(content.isEmpty() ? "missing.json" : "foreign.json");
        QFile out(file);
        QVERIFY(content.isEmpty() || (out.open(QIODevice::WriteOnly) && out.write(content) > 0));
        out.close();
        CParameterSet set;
        set.model = "kept";
        QString error;
        QVERIFY(!set.load(file, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(set.model, QString("kept"));
    }

    void compareMarksAndShowsDifferences()
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
        CCompareDialog dialog(rows);
        QTableWidget *table = dialog.table();
        QCOMPARE(table->rowCount(), 7);
        QStringList highlighted;
        for (int row = 0; row < table->rowCount(); ++row) {
            if (dialog.isHighlighted(row))
                highlighted << table->item(row, CCompareDialog::NameColumn)->text();
        }
        QCOMPARE(highlighted, differing);
        QCOMPARE(dialog.differences().size(), 2);
        const auto limit =
            std::find_if(rows.begin(), rows.end(), [](const auto &row) { return row.name == "GrenzwertMaxAlarm"; });
        QCOMPARE(limit->fileText, QString("-7,5"));
        QCOMPARE(limit->deviceText, QString("30,0"));
        QCOMPARE(limit->caption, QString("Limits - Max alarm"));
    }

    void applyWritesOnlyDifferencesAsEdits()
    {
        ItemTreeFixture f;
        CParameterSet set = savedSet(f);
        f.limit->setValue(300);
        f.serial->setValue(17); // read-only: never written from a file
        QSignalSpy limitEdited(f.limit, &CItem::valueEdited);
        QSignalSpy unitEdited(f.unit, &CItem::valueEdited);
        QSignalSpy unitChanged(f.unit, &CItem::valueChanged);
        QCOMPARE(set.applyTo(&f.root), QList<CItem *>({f.limit}));
        QCOMPARE(limitEdited.count(), 1);
        QCOMPARE(unitEdited.count() + unitChanged.count(), 0);
        QCOMPARE(f.serial->value().toInt(), 17);
    }

private:
    static CParameterSet savedSet(ItemTreeFixture &f)
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

    QTemporaryDir m_dir;
};

QTEST_MAIN(TestHostParameterSet)
#include "tst_hostparameterset.moc"
