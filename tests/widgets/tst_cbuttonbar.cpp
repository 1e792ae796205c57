#include "widgets/cbasewidget.h"
#include "widgets/cbuttonbar.h"
#include "widgets/cpushbutton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

QTimer *barTimer(const CButtonBar &bar) { return bar.findChild<QTimer *>(); }

CPushButton *addButton(CButtonBar &bar, int type, bool checkable = false)
{
    auto *button = new CPushButton;
    button->setType(type);
    button->setCheckable(checkable);
    button->setEnabled(true);
    bar.addButton(button);
    return button;
}

} // namespace

class tst_CButtonBar : public QObject
{
    Q_OBJECT

private slots:
    // One click or toggle per row; the spies show which signal it produced.
    void wiringByType_data()
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

    void wiringByType()
    {
        QFETCH(int, type);
        QFETCH(bool, checkable);
        CButtonBar bar;
        CPushButton *button = addButton(bar, type, checkable);
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

    // A new interval applies from the next start; reading stops with the button.
    void cyclicReadTicksAtInterval()
    {
        CButtonBar bar;
        CPushButton *button = addButton(bar, 2, true);
        QSignalSpy reads(&bar, &CButtonBar::readTriggered);
        button->setChecked(true);
        QCOMPARE(barTimer(bar)->interval(), 1000);
        bar.setInterval(40);
        QCOMPARE(barTimer(bar)->interval(), 1000);
        button->setChecked(false);
        button->setChecked(true);
        QCOMPARE(reads.count(), 2);
        QCOMPARE(barTimer(bar)->interval(), 40);
        QTRY_VERIFY_WITH_TIMEOUT(reads.count() >= 4, 10000);
        button->setChecked(false);
        const int stopped = reads.count();
        QTest::qWait(150);
        QCOMPARE(reads.count(), stopped);
    }

    // Two cyclic buttons share the timer: every tick emits once per wiring, and
    // unchecking either stops it for both.
    void oneTimerServesAllCyclicButtons()
    {
        CButtonBar bar;
        CPushButton *read = addButton(bar, 2, true);
        CPushButton *write = addButton(bar, 4, true);
        QSignalSpy reads(&bar, &CButtonBar::readTriggered);
        QSignalSpy writes(&bar, &CButtonBar::writeTriggered);
        write->setChecked(true);
        QCOMPARE(QList<int>({reads.count(), writes.count()}), QList<int>({0, 1}));
        QMetaObject::invokeMethod(barTimer(bar), "timeout");
        QCOMPARE(QList<int>({reads.count(), writes.count()}), QList<int>({1, 2}));
        read->setChecked(true);
        read->setChecked(false);
        QVERIFY(!barTimer(bar)->isActive());
    }

    void buttonsKeepInsertionOrder()
    {
        CButtonBar bar;
        QCOMPARE(bar.objectName(), QStringLiteral("ButtonBar")); // how fronts find their bar
        QCOMPARE(bar.layout()->count(), 1);
        bar.addButton(nullptr);
        bar.addItem(nullptr);
        CPushButton *a = addButton(bar, 4, true);
        CPushButton *b = addButton(bar, 4, true);
        auto *label = new QLabel(QStringLiteral("between"), &bar);
        bar.addItem(new QWidgetItem(label));
        CPushButton *c = addButton(bar, 1);
        QCOMPARE(bar.buttons(), (QList<CPushButton *>{a, b, c}));
        QLayout *layout = bar.layout();
        QCOMPARE(layout->count(), 5);
        QCOMPARE(layout->indexOf(a), 0);
        QCOMPARE(layout->indexOf(label), 2);
        QVERIFY(layout->itemAt(4)->spacerItem());
        QCOMPARE(bar.button(4), a); // the first of its type
        QCOMPARE(bar.button(2), nullptr);
    }

    // Disabling the buttons leaves the bar itself enabled, also when reached through a base widget.
    void baseWidgetReachesNestedBars()
    {
        CBaseWidget widget;
        widget.setObjectName(QStringLiteral("SomeDevice"));
        auto *bar = new CButtonBar(new QWidget(new QWidget(&widget)));
        bar->setObjectName(QStringLiteral("renamed"));
        CPushButton *button = addButton(*bar, 2, true);
        CPushButton *single = addButton(*bar, 1);
        widget.setCycleInterval(500);
        button->setChecked(true);
        QCOMPARE(barTimer(*bar)->interval(), 500);
        widget.setButtonsEnabled(false);
        QVERIFY(!button->isEnabled() && !single->isEnabled());
        QVERIFY(bar->isEnabled());
        bar->setEnabled(true);
        QVERIFY(button->isEnabled() && single->isEnabled());
        QCOMPARE(widget.deviceName(), QStringLiteral("SomeDevice"));
    }
};

QTEST_MAIN(tst_CButtonBar)
#include "tst_cbuttonbar.moc"
