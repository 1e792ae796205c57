// The parameter tree, its filter and editors; parameter sets saved, loaded, compared and applied.
#include "ccomparedialog.h"
#include "clanguagemanager.h"
#include "cnumbereditor.h"
#include "cparameterdelegate.h"
#include "cparametermodel.h"
#include "cparameterset.h"
#include "csetrestore.h"
#include "cvisibleitemfilter.h"
#include "items/citem.h"

#include <QComboBox>
#include <cmath>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A group of items of several kinds, one hidden, in an object container; a read-only item at top.
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

struct ModelFixture : ItemTreeFixture
{
    CParameterModel model;
    CParameterDelegate delegate;
    QWidget parent;

    ModelFixture() { model.setRoot(&root); }
    QModelIndex valueIndex(const CItem *item) const { return model.indexOf(item, CParameterModel::ValueColumn); }
    // The delegate's editor for item, filled with the item's value.
    QWidget *editor(const CItem *item)
    {
        QWidget *editor = delegate.createEditor(&parent, QStyleOptionViewItem(), valueIndex(item));
        delegate.setEditorData(editor, valueIndex(item));
        return editor;
    }
};

} // namespace

class TestHostParameterModel : public QObject
{
    Q_OBJECT

private slots:
    // The tests below read numbers as the German interface shows them.
    void initTestCase() { QLocale::setDefault(CLanguageManager::locale(QStringLiteral("de"))); }

    void rowsAndColumnsFollowTheItemTree()
    {
        ModelFixture f;
        CParameterModel &model = f.model;
        // The object container is left out; its group stands at the top.
        QCOMPARE(model.rowCount(), 2);
        QVERIFY(!model.indexOf(f.object).isValid());
        const QModelIndex group = model.index(0, 0);
        QCOMPARE(model.item(group), f.group);
        QCOMPARE(model.rowCount(group), 6);
        const QModelIndex limit = model.index(1, 0, group);
        QCOMPARE(model.item(limit), f.limit);
        QCOMPARE(model.parent(limit), group);
        QCOMPARE(model.indexOf(f.limit), limit);
        QVERIFY(!model.parent(group).isValid());
        auto text = [&](CItem *item, int column) { return model.indexOf(item, column).data().toString(); };
        QCOMPARE(text(f.limit, CParameterModel::CaptionColumn), QString("Max alarm"));
        QCOMPARE(text(f.limit, CParameterModel::ValueColumn), QString("25,0"));
        QCOMPARE(text(f.limit, CParameterModel::UnitColumn), QString("mbar"));
        QCOMPARE(text(f.unit, CParameterModel::ValueColumn), QString("mbar"));
        QCOMPARE(text(f.group, CParameterModel::ValueColumn), QString());
        // Item signals update the whole row.
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        f.limit->setValue(500);
        f.limit->setUnit("Pa");
        f.limit->setReadOnly(true);
        QCOMPARE(changed.count(), 3);
        for (const QList<QVariant> &args : changed) {
            QCOMPARE(args.at(0).toModelIndex(), model.indexOf(f.limit, CParameterModel::CaptionColumn));
            QCOMPARE(args.at(1).toModelIndex(), model.indexOf(f.limit, CParameterModel::UnitColumn));
        }
        QCOMPARE(text(f.limit, CParameterModel::UnitColumn), QString("Pa"));
    }

    void hiddenItemsAreFilteredLive()
    {
        ModelFixture f;
        CVisibleItemFilter filter;
        filter.setParameterModel(&f.model);
        const QModelIndex group = filter.index(0, 0);
        QCOMPARE(filter.rowCount(group), 5);
        QSignalSpy removed(&filter, &QAbstractItemModel::rowsRemoved);
        QSignalSpy inserted(&filter, &QAbstractItemModel::rowsInserted);
        f.flag->setVisible(false);
        QCOMPARE(filter.rowCount(group), 4);
        QCOMPARE(removed.count(), 1);
        f.hidden->setVisible(true);
        f.flag->setVisible(true);
        QCOMPARE(filter.rowCount(group), 6);
        QCOMPARE(inserted.count(), 2);
        QCOMPARE(filter.item(filter.index(5, 0, group)), f.hidden);
        f.group->setVisible(false);
        QCOMPARE(filter.rowCount(), 1);
        QCOMPARE(filter.item(filter.index(0, 0)), f.serial);
        // A group whose items are all hidden goes too, and comes back with one.
        f.group->setVisible(true);
        QCOMPARE(filter.rowCount(), 2);
        for (CItem *item : {f.unit, f.limit, f.flag, f.name, f.gain, f.hidden})
            item->setVisible(false);
        QCOMPARE(filter.rowCount(), 1);
        QCOMPARE(filter.item(filter.index(0, 0)), f.serial);
        f.gain->setVisible(true);
        QCOMPARE(filter.rowCount(), 2);
        QCOMPARE(filter.item(filter.index(0, 0)), f.group);
        QCOMPARE(filter.rowCount(filter.index(0, 0)), 1);
    }

    void editSetsValueThenEmitsValueEdited_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("edit");
        QTest::addColumn<QVariant>("stored"); // invalid: the edit is refused
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("emitted");
        QTest::addColumn<double>("factor"); // of the scaled number
        const QStringList both{"changed", "edited"};
        const QString limit = QStringLiteral("GrenzwertMaxAlarm");
        QTest::newRow("list index") << "Einheit" << QVariant(1) << QVariant(1) << "Pa" << both << 10.0;
        QTest::newRow("scaled number") << limit << QVariant(12.3) << QVariant(123) << "12,3" << both << 10.0;
        QTest::newRow("negative number") << limit << QVariant(-0.5) << QVariant(-5) << "-0,5" << both << 10.0;
        // 0.29 * 100 is 28.999999999999996 in binary: rounded, not cut off.
        QTest::newRow("hundredths rounded up") << limit << QVariant(0.29) << QVariant(29) << "0,29" << both << 100.0;
        QTest::newRow("negative hundredths") << limit << QVariant(-2.3) << QVariant(-230) << "-2,30" << both << 100.0;
        QTest::newRow("unchanged number") << limit << QVariant(25.0) << QVariant() << "25,0" << QStringList() << 10.0;
        QTest::newRow("bool") << "Alarm" << QVariant(1) << QVariant(true) << "On" << both << 10.0;
        QTest::newRow("text") << "Messstelle" << QVariant("PT-101") << QVariant("PT-101") << "PT-101" << both << 10.0;
        QTest::newRow("float unscaled") << "Verstaerkung" << QVariant(1.25) << QVariant(1.25) << "1,25" << both << 10.0;
        QTest::newRow("read-only") << "Seriennummer" << QVariant(5) << QVariant() << "0" << QStringList() << 10.0;
    }

    void editSetsValueThenEmitsValueEdited()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, edit);
        QFETCH(QVariant, stored);
        QFETCH(double, factor);
        ModelFixture f;
        f.limit->setDecimalFactor(factor);
        f.limit->setPrecision(std::log10(factor));
        f.limit->setRange(-10 * factor, 100 * factor);
        f.limit->setValue(qRound(25 * factor));
        auto *item = f.root.findChild<CItem *>(name);
        // valueEdited must come after the value is stored: record it then.
        QVariant valueAtEdit;
        QStringList order;
        connect(item, &CItem::valueChanged, this, [&] { order << "changed"; });
        connect(item, &CItem::valueEdited, this, [&] {
            order << "edited";
            valueAtEdit = item->value();
        });
        const QModelIndex index = f.valueIndex(item);
        QCOMPARE(bool(index.flags() & Qt::ItemIsEditable), name != "Seriennummer");
        QCOMPARE(f.model.setData(index, edit), name != "Seriennummer");
        QTEST(order, "emitted");
        QCOMPARE(valueAtEdit, stored);
        QTEST(index.data().toString(), "text");
        QVERIFY(!(f.model.indexOf(item, CParameterModel::CaptionColumn).flags() & Qt::ItemIsEditable));
    }

    void editorsMatchTheItem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("editorClass");
        QTest::addColumn<QString>("shape"); // range and decimals, entries or length
        QTest::newRow("list") << "Einheit" << "QComboBox" << "mbar,Pa,kPa";
        QTest::newRow("bool") << "Alarm" << "QComboBox" << "Off,On";
        QTest::newRow("text") << "Messstelle" << "QLineEdit" << "10";
        QTest::newRow("scaled int16") << "GrenzwertMaxAlarm" << "CNumberEditor" << "-10 100 1";
        QTest::newRow("float") << "Verstaerkung" << "CNumberEditor" << "";
    }

    void editorsMatchTheItem()
    {
        QFETCH(QString, name);
        QFETCH(QString, shape);
        ModelFixture f;
        QWidget *editor = f.editor(f.root.findChild<CItem *>(name));
        QTEST(QString(editor->metaObject()->className()), "editorClass");
        if (auto *combo = qobject_cast<QComboBox *>(editor)) {
            QStringList entries;
            for (int i = 0; i < combo->count(); ++i)
                entries << combo->itemText(i);
            QCOMPARE(entries.join(','), shape);
        } else if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            QCOMPARE(QString::number(line->maxLength()), shape);
        } else if (auto *spin = qobject_cast<CNumberEditor *>(editor); spin && !shape.isEmpty()) {
            QCOMPARE(QStringLiteral("%1 %2 %3").arg(spin->allowedMinimum()).arg(spin->allowedMaximum()).arg(spin->decimals()),
                     shape);
            // What the editor shows and takes is in display units.
            QCOMPARE(spin->value(), 25.0);
            spin->setValue(99.9);
            f.delegate.setModelData(editor, &f.model, f.valueIndex(f.limit));
            QCOMPARE(f.limit->value().toInt(), 999);
        }
    }

    void editorHandsBackWhatItMay_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("value"); // the item's before editing
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("typed"); // empty: what the editor shows is confirmed
        QTest::addColumn<QVariant>("stored");
        // A number outside the limit's range (-10 .. 100) is not cut to fit: it is not taken.
        const QString limit = QStringLiteral("GrenzwertMaxAlarm");
        const QVariant held(250);
        QTest::newRow("far above") << limit << held << "25,0" << "99999999" << held;
        QTest::newRow("just above") << limit << held << "25,0" << "100,1" << held;
        QTest::newRow("below") << limit << held << "25,0" << "-10,5" << held;
        QTest::newRow("upper end") << limit << held << "25,0" << "100" << QVariant(1000);
        QTest::newRow("lower end") << limit << held << "25,0" << "-10" << QVariant(-100);
        // Confirmed as shown, a value keeps its digits: more than any editor shows, or in a coarse unit.
        const QVariant digits(0.2900754);
        QTest::newRow("float, many digits") << "Verstaerkung" << digits << "0,29" << "" << digits;
        QTest::newRow("float, half step") << "Verstaerkung" << QVariant(0.125f) << "0,13" << "" << QVariant(0.125f);
        QTest::newRow("scaled integer") << limit << QVariant(-75) << "-7,5" << "" << QVariant(-75);
    }

    // The message for a refused number names it and the allowed range; an unchanged value is no edit.
    void editorHandsBackWhatItMay()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, value);
        QFETCH(QString, typed);
        QFETCH(QVariant, stored);
        ModelFixture f;
        f.gain->setRange(0.0, 100.0);
        CItem *item = f.root.findChild<CItem *>(name);
        item->setValue(value);
        QTEST(f.valueIndex(item).data().toString(), "shown");
        QSignalSpy refused(&f.delegate, &CParameterDelegate::inputRefused);
        QSignalSpy edited(item, &CItem::valueEdited);
        auto *editor = qobject_cast<CNumberEditor *>(f.editor(item));
        QVERIFY(editor);
        if (!typed.isEmpty())
            editor->findChild<QLineEdit *>()->setText(typed);
        const bool taken = typed.isEmpty() || stored != value;
        QCOMPARE(editor->isAcceptable(), taken);
        f.delegate.setModelData(editor, &f.model, f.valueIndex(item));
        QCOMPARE(item->value(), stored);
        QCOMPARE(edited.count(), stored != value ? 1 : 0);
        QCOMPARE(refused.count(), taken ? 0 : 1);
        if (!taken) {
            const QString text = refused.first().first().toString();
            QVERIFY2(text.contains(typed) && text.contains("-10,0 mbar") && text.contains("100,0 mbar"),
                     qPrintable(text));
        }
    }

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
        QCOMPARE(loaded.units.value("GrenzwertMaxAlarm"), QString("mbar"));
        ItemTreeFixture target;
        const CSetRestore restore(&target.root, nullptr, QString());
        QCOMPARE(restore.apply(loaded).size(), 5);
        for (const char *name : {"Einheit", "GrenzwertMaxAlarm", "Alarm", "Messstelle", "Verstaerkung"})
            QCOMPARE(target.root.findChild<CItem *>(name)->valueText(),
                     source.root.findChild<CItem *>(name)->valueText());
        QCOMPARE(restore.compare(loaded).size(), 7);
        for (const auto &row : restore.compare(loaded))
            QVERIFY2(!row.differs, qPrintable(row.name));
        // Foreign or missing files are refused and leave the set as it was.
        for (const QByteArray &content : {QByteArray("<xml/>"), QByteArray("{\"values\": {}}"), QByteArray()}) {
            QFile out(m_dir.filePath("foreign.json"));
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(content);
            out.close();
            const QString name = content.isEmpty() ? "missing.json" : "foreign.json";
            QVERIFY(!loaded.load(m_dir.filePath(name), &error) && !error.isEmpty());
            QCOMPARE(loaded.orderNumber, QString("8120-01"));
        }
    }

    void compareMarksAndShowsDifferences()
    {
        ItemTreeFixture f;
        const CParameterSet set = savedSet(f);
        f.limit->setValue(300);
        f.unit->setValue(0);
        const CSetRestore restore(&f.root, nullptr, QString());
        const QList<CParameterSet::Difference> rows = restore.compare(set);
        QCOMPARE(f.limit->value().toInt(), 300); // the tree is left as it was
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
        QCOMPARE(limit->fileText, QString("-7,5 mbar"));
        // Nothing read from a device: nothing is shown as its value.
        QCOMPARE(limit->deviceText, QString());
        QCOMPARE(table->item(int(limit - rows.begin()), CCompareDialog::DeviceColumn)->text(), QString("(not read)"));
        QCOMPARE(limit->caption, QString("Limits - Max alarm"));
        // Applying writes only what differs, as edits, and never a read-only item.
        f.serial->setValue(17);
        QSignalSpy limitEdited(f.limit, &CItem::valueEdited);
        QSignalSpy nameChanged(f.name, &CItem::valueChanged);
        QCOMPARE(restore.apply(set), QList<CItem *>({f.unit, f.limit}));
        QCOMPARE(limitEdited.count(), 1);
        QCOMPARE(nameChanged.count(), 0);
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

QTEST_MAIN(TestHostParameterModel)
#include "tst_hostparametermodel.moc"
