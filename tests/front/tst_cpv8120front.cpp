#include "front/cpv8120front.h"
#include "widgets/cbuttonbar.h"
#include "widgets/cpushbutton.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

QLabel *label(const CPV8120Front &front, const char *name) { return front.findChild<QLabel *>(QLatin1String(name)); }
QImage shownLed(const CPV8120Front &front) { return label(front, "l_led")->pixmap(Qt::ReturnByValue).toImage(); }
// Through QPixmap, so the format matches what the label holds.
QImage ledImage(const QString &name) { return QPixmap(":/pv8120_pixmaps/" + name + ".png").toImage(); }
CPushButton *readButton(const CPV8120Front &front)
{
    return front.findChild<CButtonBar *>(QStringLiteral("ButtonBar"))->button(2);
}

} // namespace

class tst_CPV8120Front : public QObject
{
    Q_OBJECT

private slots:
    void construction()
    {
        CPV8120Front front;
        QCOMPARE(front.objectName(), QStringLiteral("PV 8120_Front"));
        QCOMPARE(label(front, "l_caption")->text(), QStringLiteral("PV 8120"));
        QCOMPARE(label(front, "l_lcd")->text(), QStringLiteral("-26.9"));
        QCOMPARE(front.findChild<CButtonBar *>()->buttons().size(), 1);
        CPushButton *button = readButton(front);
        QVERIFY(button && button->isCheckable() && !button->isEnabled() && !button->isChecked());
        QCOMPARE(button->toolTip(), QStringLiteral("Front Play"));
        // Whatever font stands in for "7Segment", the placeholder fits the display.
        QLabel *lcd = label(front, "l_lcd");
        QCOMPARE(lcd->font().family(), QStringLiteral("7Segment"));
        QVERIFY(QFontMetrics(lcd->font()).horizontalAdvance(QStringLiteral("-26.9")) <= lcd->width() - 10);
        // Texts are shown as they come, without refitting the font.
        const QFont fitted = lcd->font();
        front.setDisplayText(QStringLiteral("-8.8.8.8.8.8.8.8.8"));
        QCOMPARE(lcd->text(), QStringLiteral("-8.8.8.8.8.8.8.8.8"));
        QCOMPARE(lcd->font(), fitted);
        // A language change puts back the texts of the form, but not the state shown.
        front.setDisplayLed(5);
        front.setDisplayType(2);
        front.setButtonsEnabled(true);
        button->click();
        button->setToolTip(QStringLiteral("kept"));
        label(front, "l_caption")->setText(QStringLiteral("changed"));
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(&front, &change);
        QCOMPARE(lcd->text(), QStringLiteral("-26.9"));
        QCOMPARE(label(front, "l_caption")->text(), QStringLiteral("PV 8120"));
        QCOMPARE(shownLed(front), ledImage("led_red"));
        QVERIFY(label(front, "l_led")->isHidden());
        QCOMPARE(button->toolTip(), QStringLiteral("kept"));
    }

    void ledStates_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("picture");
        // An unknown state shows the unlit LED, never the last one.
        QTest::newRow("unknown below") << -1 << "led_white";
        QTest::newRow("unknown above") << 6 << "led_white";
        QTest::newRow("green") << 2 << "led_green";
    }

    void ledStates()
    {
        QFETCH(int, state);
        QFETCH(QString, picture);
        CPV8120Front front;
        QCOMPARE(shownLed(front), ledImage("led_white"));
        // Start from red so a white result is really set by the call.
        front.setDisplayLed(5);
        front.setDisplayLed(state);
        QCOMPARE(shownLed(front), ledImage(picture));
    }

    // Each row applies the types in turn; what one call hides stays hidden.
    void displayTypes_data()
    {
        QTest::addColumn<QList<int>>("types");
        QTest::addColumn<bool>("lcd");
        QTest::addColumn<bool>("led");
        QTest::addColumn<bool>("keys");
        QTest::addColumn<bool>("button");
        QTest::newRow("1") << QList<int>{1} << false << false << false << false;
        QTest::newRow("unknown types change nothing") << QList<int>{-1, 4} << true << true << true << true;
        QTest::newRow("0 then 2") << QList<int>{0, 2} << false << false << false << true;
        QTest::newRow("3 then 4") << QList<int>{3, 4} << true << true << true << false;
        QTest::newRow("2 then 3") << QList<int>{2, 3} << true << false << false << false;
    }

    void displayTypes()
    {
        QFETCH(QList<int>, types);
        CPV8120Front front;
        front.show();
        for (int type : types)
            front.setDisplayType(type);
        QTEST(!label(front, "l_lcd")->isHidden(), "lcd");
        QTEST(!label(front, "l_led")->isHidden(), "led");
        QTEST(!front.findChild<QWidget *>(QStringLiteral("pb_up"))->isHidden(), "keys");
        QTEST(!front.findChild<QWidget *>(QStringLiteral("pb_down"))->isHidden(), "keys");
        QTEST(!readButton(front)->isHidden(), "button");
    }

    // The cycle is the button bar's; the front names its direction and stops it when its buttons are disabled.
    void readCycle()
    {
        CPV8120Front front;
        front.setButtonsEnabled(true);
        QSignalSpy reads(&front, &CPV8120Front::read);
        CPushButton *button = readButton(front);
        button->click();
        QCOMPARE(reads.count(), 1);
        QCOMPARE(button->toolTip(), QStringLiteral("Front Stop"));
        button->click();
        QCOMPARE(button->toolTip(), QStringLiteral("Front Play"));
        button->click();
        QTimer *timer = front.findChild<CButtonBar *>()->findChild<QTimer *>();
        QVERIFY(timer->isActive());
        front.setButtonsEnabled(false);
        QVERIFY(!button->isChecked() && !button->isEnabled() && !timer->isActive());
        button->setToolTip(QString());
        front.updateToolTips();
        QCOMPARE(button->toolTip(), QStringLiteral("Front Play"));
    }
};

QTEST_MAIN(tst_CPV8120Front)
#include "tst_cpv8120front.moc"
