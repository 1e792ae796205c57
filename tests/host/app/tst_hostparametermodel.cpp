// The parameter tree: rows, texts, visibility filter, editing and editors.
#include "cparameterdelegate.h"
#include "cparametermodel.h"
#include "cvisibleitemfilter.h"
#include "itemtreefixture.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class TestHostParameterModel : public QObject
{
    Q_OBJECT

private slots:
    void rowsFollowTheItemTree();
    void columnsShowCaptionValueAndUnit();
    void hiddenItemsAreFilteredLive();
    void readOnlyItemsAreNotEditable();
    void editSetsValueThenEmitsValueEdited_data();
    void editSetsValueThenEmitsValueEdited();
    void unchangedEditEmitsNothing();
    void itemSignalsUpdateTheRow();
    void editorsMatchTheType_data();
    void editorsMatchTheType();
    void numberEditorUsesRangeAndDecimals();
    void delegateRoundTrip();
};

void TestHostParameterModel::rowsFollowTheItemTree()
{
    ItemTreeFixture f;
    CParameterModel model;
    model.setRoot(&f.root);
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
}

void TestHostParameterModel::columnsShowCaptionValueAndUnit()
{
    ItemTreeFixture f;
    CParameterModel model;
    model.setRoot(&f.root);
    QCOMPARE(model.indexOf(f.limit, CParameterModel::CaptionColumn).data().toString(), QString("Max alarm"));
    QCOMPARE(model.indexOf(f.limit, CParameterModel::ValueColumn).data().toString(), QString("25,0"));
    QCOMPARE(model.indexOf(f.limit, CParameterModel::UnitColumn).data().toString(), QString("mbar"));
    QCOMPARE(model.indexOf(f.unit, CParameterModel::ValueColumn).data().toString(), QString("mbar"));
    QCOMPARE(model.indexOf(f.group, CParameterModel::ValueColumn).data().toString(), QString());
}

void TestHostParameterModel::hiddenItemsAreFilteredLive()
{
    ItemTreeFixture f;
    CParameterModel model;
    model.setRoot(&f.root);
    CVisibleItemFilter filter;
    filter.setParameterModel(&model);
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
}

void TestHostParameterModel::readOnlyItemsAreNotEditable()
{
    ItemTreeFixture f;
    CParameterModel model;
    model.setRoot(&f.root);
    QVERIFY(!(model.indexOf(f.serial, CParameterModel::ValueColumn).flags() & Qt::ItemIsEditable));
    QVERIFY(!(model.indexOf(f.group, CParameterModel::ValueColumn).flags() & Qt::ItemIsEditable));
    QVERIFY(!(model.indexOf(f.limit, CParameterModel::CaptionColumn).flags() & Qt::ItemIsEditable));
    const QModelIndex limit = model.indexOf(f.limit, CParameterModel::ValueColumn);
    QVERIFY(limit.flags() & Qt::ItemIsEditable);
    f.limit->setReadOnly(true);
    QVERIFY(!(limit.flags() & Qt::ItemIsEditable));
    QVERIFY(!model.setData(limit, 1.0));
    QCOMPARE(f.limit->value().toInt(), 250);
}

void TestHostParameterModel::editSetsValueThenEmitsValueEdited_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("edit");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("text");
    QTest::newRow("list index") << "Einheit" << QVariant(1) << QVariant(1) << "Pa";
    QTest::newRow("scaled number") << "GrenzwertMaxAlarm" << QVariant(12.3) << QVariant(123) << "12,3";
    QTest::newRow("negative number") << "GrenzwertMaxAlarm" << QVariant(-0.5) << QVariant(-5) << "-0,5";
    QTest::newRow("bool") << "Alarm" << QVariant(1) << QVariant(true) << "On";
    QTest::newRow("text") << "Messstelle" << QVariant("PT-101") << QVariant("PT-101") << "PT-101";
    QTest::newRow("float unscaled") << "Verstaerkung" << QVariant(1.25) << QVariant(1.25) << "1,25";
}

void TestHostParameterModel::editSetsValueThenEmitsValueEdited()
{
    QFETCH(QString, name);
    QFETCH(QVariant, edit);
    QFETCH(QVariant, stored);
    QFETCH(QString, text);
    ItemTreeFixture f;
    CParameterModel model;
    model.setRoot(&f.root);
    auto *item = f.root.findChild<CItem *>(name);
    // valueEdited must come after the value is stored: record it then.
    QVariant valueAtEdit;
    QStringList order;
    connect(item, &CItem::valueChanged, this, [&] { order << "changed"; });
    connect(item, &CItem::valueEdited, this, [&] {
        order << "edited";
        valueAtEdit = item->value();
    });
    QVERIFY(model.setData(model.indexOf(item, CParameterModel::ValueColumn), edit));
    QCOMPARE(order, QStringList({"changed", "edited"}));
    QCOMPARE(valueAtEdit, stored);
    QCOMPARE(model.indexOf(item, CParameterModel::ValueColumn).data().toString(), text);
}

void TestHostParameterModel::unchangedEditEmitsNothing()
{
    ItemTreeFixture f;
    CParameterModel model;
    model.setRoot(&f.root);
    QSignalSpy edited(f.limit, &CItem::valueEdited);
    QVERIFY(model.setData(model.indexOf(f.limit, CParameterModel::ValueColumn), 25.0));
    QCOMPARE(edited.count(), 0);
}

void TestHostParameterModel::itemSignalsUpdateTheRow()
{
    ItemTreeFixture f;
    CParameterModel model;
    model.setRoot(&f.root);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    f.limit->setValue(500);
    f.limit->setUnit("Pa");
    f.limit->setReadOnly(true);
    QCOMPARE(changed.count(), 3);
    for (const QList<QVariant> &args : changed) {
        QCOMPARE(args.at(0).toModelIndex(), model.indexOf(f.limit, CParameterModel::CaptionColumn));
        QCOMPARE(args.at(1).toModelIndex(), model.indexOf(f.limit, CParameterModel::UnitColumn));
    }
    QCOMPARE(model.indexOf(f.limit, CParameterModel::UnitColumn).data().toString(), QString("Pa"));
}

void TestHostParameterModel::editorsMatchTheType_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("editorClass");
    QTest::newRow("list") << "Einheit" << "QComboBox";
    QTest::newRow("bool") << "Alarm" << "QComboBox";
    QTest::newRow("text") << "Messstelle" << "QLineEdit";
    QTest::newRow("int16") << "GrenzwertMaxAlarm" << "QDoubleSpinBox";
    QTest::newRow("float") << "Verstaerkung" << "QDoubleSpinBox";
}

void TestHostParameterModel::editorsMatchTheType()
{
    QFETCH(QString, name);
    QFETCH(QString, editorClass);
    ItemTreeFixture f;
    QWidget parent;
    QWidget *editor = CParameterDelegate::editorFor(f.root.findChild<CItem *>(name), &parent);
    QCOMPARE(QString(editor->metaObject()->className()), editorClass);
}

void TestHostParameterModel::numberEditorUsesRangeAndDecimals()
{
    ItemTreeFixture f;
    QWidget parent;
    auto *spin = qobject_cast<QDoubleSpinBox *>(CParameterDelegate::editorFor(f.limit, &parent));
    QVERIFY(spin);
    QCOMPARE(spin->decimals(), 1);
    QCOMPARE(spin->minimum(), -10.0);
    QCOMPARE(spin->maximum(), 100.0);
    auto *combo = qobject_cast<QComboBox *>(CParameterDelegate::editorFor(f.unit, &parent));
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->itemText(2), QString("kPa"));
    auto *line = qobject_cast<QLineEdit *>(CParameterDelegate::editorFor(f.name, &parent));
    QCOMPARE(line->maxLength(), 10);
}

void TestHostParameterModel::delegateRoundTrip()
{
    ItemTreeFixture f;
    CParameterModel model;
    model.setRoot(&f.root);
    CParameterDelegate delegate;
    QWidget parent;
    const QModelIndex index = model.indexOf(f.limit, CParameterModel::ValueColumn);
    QWidget *editor = delegate.createEditor(&parent, QStyleOptionViewItem(), index);
    delegate.setEditorData(editor, index);
    auto *spin = qobject_cast<QDoubleSpinBox *>(editor);
    QCOMPARE(spin->value(), 25.0);
    spin->setValue(99.9);
    delegate.setModelData(editor, &model, index);
    QCOMPARE(f.limit->value().toInt(), 999);
}

QTEST_MAIN(TestHostParameterModel)
#include "tst_hostparametermodel.moc"
