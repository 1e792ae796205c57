#include "widgets/cbasewidget.h"
#include "widgets/cbuttonbar.h"
#include "widgets/cpushbutton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalSpy>
#include <QSpacerItem>
#include <QTest>
#include <QTimer>

namespace {

QTimer *barTimer(const CButtonBar &bar)
{
    return bar.findChild<QTimer *>();
}

CPushButton *makeButton(int type, bool checkable = false)
{
    auto *button = new CPushButton;
    button->setType(type);
    button->setCheckable(checkable);
    button->setEnabled(true);
    return button;
}

} // namespace

class tst_CButtonBar : public QObject
{
    Q_OBJECT

private slots:
    void newButtonDefaults();
    void newBarDefaults();
    void wiringByType_data();
    void wiringByType();
    void cyclicReadTicksAtInterval();
    void intervalChangeWaitsForRestart();
    void oneTimerServesAllCyclicButtons();
    void buttonsKeepInsertionOrder();
    void setEnabledLeavesBarEnabled();
    void lookupByType();
    void baseWidgetReachesNestedBars();
};

void tst_CButtonBar::newButtonDefaults()
{
    CPushButton button;
    QCOMPARE(button.type(), 0);
    QVERIFY(!button.isEnabled());
    QVERIFY(!button.isChecked());
    QVERIFY(button.isFlat());
    QCOMPARE(button.minimumSize(), QSize(40, 40));
    QCOMPARE(button.maximumSize(), QSize(40, 40));
    QCOMPARE(button.iconSize(), QSize(26, 26));
    QVERIFY(button.styleSheet().startsWith("QPushButton {background-color: #ffffff;"));
}

void tst_CButtonBar::newBarDefaults()
{
    CButtonBar bar;
    QCOMPARE(bar.objectName(), QStringLiteral("ButtonBar"));
    QCOMPARE(bar.windowTitle(), QStringLiteral("Form"));
    QCOMPARE(bar.minimumHeight(), 40);
    QCOMPARE(bar.maximumHeight(), 40);
    auto *layout = qobject_cast<QHBoxLayout *>(bar.layout());
    QVERIFY(layout);
    QCOMPARE(layout->spacing(), 9);
    QCOMPARE(layout->contentsMargins(), QMargins(0, 0, 0, 0));
    QCOMPARE(layout->count(), 1);
    QVERIFY(layout->itemAt(0)->spacerItem());
    QVERIFY(!barTimer(bar)->isActive());
    QVERIFY(bar.buttons().isEmpty());
}

// One click or toggle per row; the spies show which signal it produced.
void tst_CButtonBar::wiringByType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<int>("reads");
    QTest::addColumn<int>("writes");
    QTest::addColumn<bool>("timerRuns");
    QTest::newRow("single read") << 1 << false << 1 << 0 << false;
    QTest::newRow("cyclic read") << 2 << true << 1 << 0 << true;
    QTest::newRow("single write 3") << 3 << false << 0 << 1 << false;
    QTest::newRow("cyclic write 4") << 4 << true << 0 << 1 << true;
    QTest::newRow("single write 5") << 5 << false << 0 << 1 << false;
    QTest::newRow("cyclic write 6") << 6 << true << 0 << 1 << true;
    QTest::newRow("plain 0") << 0 << true << 0 << 0 << false;
    QTest::newRow("unknown 7") << 7 << true << 0 << 0 << false;
    QTest::newRow("negative") << -1 << true << 0 << 0 << false;
}

void tst_CButtonBar::wiringByType()
{
    QFETCH(int, type);
    QFETCH(bool, checkable);
    CButtonBar bar;
    CPushButton *button = makeButton(type, checkable);
    bar.addButton(button);
    QCOMPARE(button->parentWidget(), &bar);
    QSignalSpy reads(&bar, &CButtonBar::readTriggered);
    QSignalSpy writes(&bar, &CButtonBar::writeTriggered);
    button->click();
    QTEST(reads.count(), "reads");
    QTEST(writes.count(), "writes");
    QTEST(barTimer(bar)->isActive(), "timerRuns");
    if (checkable) {
        button->click();
        QVERIFY(!barTimer(bar)->isActive());
    }
}

void tst_CButtonBar::cyclicReadTicksAtInterval()
{
    CButtonBar bar;
    CPushButton *button = makeButton(2, true);
    bar.addButton(button);
    bar.setInterval(40);
    QSignalSpy reads(&bar, &CButtonBar::readTriggered);
    button->setChecked(true);
    QCOMPARE(reads.count(), 1);
    QCOMPARE(barTimer(bar)->interval(), 40);
    QTRY_VERIFY_WITH_TIMEOUT(reads.count() >= 3, 10000);
    button->setChecked(false);
    QVERIFY(!barTimer(bar)->isActive());
    const int stopped = reads.count();
    QTest::qWait(150);
    QCOMPARE(reads.count(), stopped);
}

void tst_CButtonBar::intervalChangeWaitsForRestart()
{
    CButtonBar bar;
    CPushButton *button = makeButton(2, true);
    bar.addButton(button);
    button->setChecked(true);
    QCOMPARE(barTimer(bar)->interval(), 1000);
    bar.setInterval(250);
    QCOMPARE(barTimer(bar)->interval(), 1000);
    button->setChecked(false);
    button->setChecked(true);
    QCOMPARE(barTimer(bar)->interval(), 250);
}

// Two cyclic buttons share the timer: every tick emits once per wiring, and
// unchecking either stops it for both.
void tst_CButtonBar::oneTimerServesAllCyclicButtons()
{
    CButtonBar bar;
    CPushButton *read = makeButton(2, true);
    CPushButton *write = makeButton(4, true);
    bar.addButton(read);
    bar.addButton(write);
    QSignalSpy reads(&bar, &CButtonBar::readTriggered);
    QSignalSpy writes(&bar, &CButtonBar::writeTriggered);
    write->setChecked(true);
    QCOMPARE(reads.count(), 0);
    QCOMPARE(writes.count(), 1);
    QMetaObject::invokeMethod(barTimer(bar), "timeout");
    QCOMPARE(reads.count(), 1);
    QCOMPARE(writes.count(), 2);
    read->setChecked(true);
    read->setChecked(false);
    QVERIFY(!barTimer(bar)->isActive());
}

void tst_CButtonBar::buttonsKeepInsertionOrder()
{
    CButtonBar bar;
    CPushButton *a = makeButton(0);
    CPushButton *b = makeButton(3);
    auto *label = new QLabel(QStringLiteral("between"), &bar);
    CPushButton *c = makeButton(1);
    bar.addButton(nullptr);
    bar.addItem(nullptr);
    bar.addButton(a);
    bar.addButton(b);
    bar.addItem(new QWidgetItem(label));
    bar.addButton(c);
    QCOMPARE(bar.buttons(), (QList<CPushButton *>{a, b, c}));
    QLayout *layout = bar.layout();
    QCOMPARE(layout->count(), 5);
    QCOMPARE(layout->indexOf(a), 0);
    QCOMPARE(layout->indexOf(label), 2);
    QVERIFY(layout->itemAt(4)->spacerItem());
}

void tst_CButtonBar::setEnabledLeavesBarEnabled()
{
    CButtonBar bar;
    CPushButton *a = makeButton(1);
    CPushButton *b = makeButton(2, true);
    bar.addButton(a);
    bar.addButton(b);
    bar.setEnabled(false);
    QVERIFY(bar.isEnabled());
    QVERIFY(!a->isEnabled());
    QVERIFY(!b->isEnabled());
    bar.setEnabled(true);
    QVERIFY(a->isEnabled() && b->isEnabled());
}

void tst_CButtonBar::lookupByType()
{
    CButtonBar bar;
    CPushButton *first = makeButton(4, true);
    CPushButton *second = makeButton(4, true);
    bar.addButton(first);
    bar.addButton(second);
    QCOMPARE(bar.button(4), first);
    QCOMPARE(bar.button(2), nullptr);
}

void tst_CButtonBar::baseWidgetReachesNestedBars()
{
    CBaseWidget widget;
    widget.setObjectName(QStringLiteral("SomeDevice"));
    auto *middle = new QWidget(&widget);
    auto *inner = new QWidget(middle);
    auto *bar = new CButtonBar(inner);
    bar->setObjectName(QStringLiteral("renamed"));
    CPushButton *button = makeButton(2, true);
    bar->addButton(button);

    widget.setCycleInterval(500);
    button->setChecked(true);
    QCOMPARE(barTimer(*bar)->interval(), 500);
    widget.setButtonsEnabled(false);
    QVERIFY(!button->isEnabled());
    QVERIFY(bar->isEnabled());
    QCOMPARE(widget.deviceName(), QStringLiteral("SomeDevice"));
}

QTEST_MAIN(tst_CButtonBar)
#include "tst_cbuttonbar.moc"
