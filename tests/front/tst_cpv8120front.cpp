#include "front/cpv8120front.h"
#include "widgets/cbuttonbar.h"
#include "widgets/cpushbutton.h"

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

QImage shownLed(const CPV8120Front &front)
{
    return front.findChild<QLabel *>(QStringLiteral("l_led"))->pixmap(Qt::ReturnByValue).toImage();
}

// Through QPixmap, so the format matches what the label holds.
QImage resourceImage(const QString &path)
{
    return QPixmap(path).toImage();
}

CPushButton *readButton(const CPV8120Front &front)
{
    return front.findChild<CButtonBar *>(QStringLiteral("ButtonBar"))->button(2);
}

QLabel *label(const CPV8120Front &front, const char *name)
{
    return front.findChild<QLabel *>(QLatin1String(name));
}

} // namespace

class tst_CPV8120Front : public QObject
{
    Q_OBJECT

private slots:
    void construction();
    void displayFontFits();
    void pictures_data();
    void pictures();
    void ledPicturesDiffer();
    void iconBundle_data();
    void iconBundle();
    void ledStates_data();
    void ledStates();
    void displayTypes_data();
    void displayTypes();
    void displayTextIsShownAsIs();
    void readCycle();
    void disablingStopsReading();
    void languageChange();
};

void tst_CPV8120Front::construction()
{
    CPV8120Front front;
    QCOMPARE(front.objectName(), QStringLiteral("PV 8120_Front"));
    QCOMPARE(front.windowTitle(), QStringLiteral("Form"));
    QCOMPARE(front.deviceName(), QStringLiteral("PV 8120"));
    QCOMPARE(label(front, "l_caption")->text(), QStringLiteral("PV 8120"));
    QCOMPARE(label(front, "l_lcd")->text(), QStringLiteral("-26.9"));
    QCOMPARE(front.size(), QSize(558, 598));
    CButtonBar *bar = front.findChild<CButtonBar *>(QStringLiteral("ButtonBar"));
    QVERIFY(bar);
    QCOMPARE(bar->parentWidget(), &front);
    QCOMPARE(bar->buttons().size(), 1);
    CPushButton *button = readButton(front);
    QVERIFY(button);
    QVERIFY(!button->isEnabled());
    QVERIFY(!button->isChecked());
    QVERIFY(button->isCheckable());
    QVERIFY(!button->icon().isNull());
    QCOMPARE(button->toolTip(), QStringLiteral("Front Play"));
    front.setButtonsEnabled(true);
    QVERIFY(button->isEnabled());
    QVERIFY(!button->isChecked());
}

// Whatever font stands in for "7Segment", the placeholder fits the display.
void tst_CPV8120Front::displayFontFits()
{
    CPV8120Front front;
    QLabel *lcd = label(front, "l_lcd");
    QCOMPARE(lcd->width(), 272);
    QVERIFY(QFontMetrics(lcd->font()).horizontalAdvance(QStringLiteral("-26.9")) <= 262);
    QVERIFY(lcd->font().pointSize() >= 1);
    QCOMPARE(lcd->font().family(), QStringLiteral("7Segment"));
}

void tst_CPV8120Front::pictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    const QString base = QStringLiteral(":/pv8120_pixmaps/%1.png");
    const QSize led(62, 45);
    const QSize key(144, 144);
    QTest::newRow("front") << base.arg("pv8120_front") << QSize(520, 480);
    QTest::newRow("front1") << base.arg("pv8120_front1") << QSize(640, 591);
    QTest::newRow("front2") << base.arg("pv8120_front2") << QSize(520, 480);
    for (const char *name : {"led_white", "led_yellow_white", "led_green", "led_yellow_green",
                             "led_yellow_red", "led_red"})
        QTest::newRow(name) << base.arg(QLatin1String(name)) << led;
    QTest::newRow("button_up") << base.arg("button_up") << key;
    QTest::newRow("button_down") << base.arg("button_down") << key;
}

void tst_CPV8120Front::pictures()
{
    QFETCH(QString, path);
    QTEST(resourceImage(path).size(), "size");
}

void tst_CPV8120Front::ledPicturesDiffer()
{
    const QStringList names = QDir(QStringLiteral(":/pv8120_pixmaps")).entryList({"led_*.png"});
    QCOMPARE(names.size(), 6);
    QList<QImage> images;
    for (const QString &name : names) {
        const QImage image = resourceImage(QStringLiteral(":/pv8120_pixmaps/") + name);
        QVERIFY2(!images.contains(image), qPrintable(name));
        images.append(image);
    }
}

void tst_CPV8120Front::iconBundle_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::newRow("start") << "icon_start.svg" << "26" << "26";
    QTest::newRow("warning") << "icon_warnung.svg" << "38.497" << "36.231";
    QTest::newRow("button") << "button_suchen_aktiv.svg" << "50" << "50";
    QTest::newRow("connect") << "button_verbinden_inaktiv.svg" << "37" << "38";
    QTest::newRow("arrow") << "icon_down_black.svg" << "12" << "7";
    QTest::newRow("status") << "status_back.svg" << "380" << "50";
}

void tst_CPV8120Front::iconBundle()
{
    QFETCH(QString, name);
    QCOMPARE(QDir(QStringLiteral(":/svg-icons")).entryList(QDir::Files).size(), 58);
    QFile file(QStringLiteral(":/svg-icons/") + name);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("<svg[^>]* width=\"([^\"]+)\" height=\"([^\"]+)\"")).match(text);
    QVERIFY(match.hasMatch());
    QTEST(match.captured(1), "width");
    QTEST(match.captured(2), "height");
    QVERIFY(!QImage(file.fileName()).isNull());
}

void tst_CPV8120Front::ledStates_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("picture");
    QTest::newRow("0") << 0 << "led_white";
    QTest::newRow("1") << 1 << "led_yellow_white";
    QTest::newRow("2") << 2 << "led_green";
    QTest::newRow("3") << 3 << "led_yellow_green";
    QTest::newRow("4") << 4 << "led_yellow_red";
    QTest::newRow("5") << 5 << "led_red";
    QTest::newRow("6") << 6 << "led_white";
    QTest::newRow("-1") << -1 << "led_white";
}

void tst_CPV8120Front::ledStates()
{
    QFETCH(int, state);
    QFETCH(QString, picture);
    CPV8120Front front;
    const QImage expected = resourceImage(QStringLiteral(":/pv8120_pixmaps/%1.png").arg(picture));
    QCOMPARE(shownLed(front), resourceImage(QStringLiteral(":/pv8120_pixmaps/led_white.png")));
    // Start from another picture so a white result is really set by the call.
    front.setDisplayLed(state == 5 ? 2 : 5);
    front.setDisplayLed(state);
    QCOMPARE(shownLed(front), expected);
}

// Each row applies the types in turn; what one call hides stays hidden.
void tst_CPV8120Front::displayTypes_data()
{
    QTest::addColumn<QList<int>>("types");
    QTest::addColumn<bool>("lcd");
    QTest::addColumn<bool>("led");
    QTest::addColumn<bool>("keys");
    QTest::addColumn<bool>("button");
    QTest::newRow("0") << QList<int>{0} << false << false << false << false;
    QTest::newRow("1") << QList<int>{1} << false << false << false << false;
    QTest::newRow("2") << QList<int>{2} << true << false << false << true;
    QTest::newRow("3") << QList<int>{3} << true << true << true << false;
    QTest::newRow("4") << QList<int>{4} << true << true << true << true;
    QTest::newRow("-1") << QList<int>{-1} << true << true << true << true;
    QTest::newRow("0 then 2") << QList<int>{0, 2} << false << false << false << true;
    QTest::newRow("3 then 4") << QList<int>{3, 4} << true << true << true << false;
    QTest::newRow("2 then 3") << QList<int>{2, 3} << true << false << false << false;
}

void tst_CPV8120Front::displayTypes()
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

void tst_CPV8120Front::displayTextIsShownAsIs()
{
    CPV8120Front front;
    QLabel *lcd = label(front, "l_lcd");
    const QFont fitted = lcd->font();
    front.setDisplayText(QString());
    QCOMPARE(lcd->text(), QString());
    const QString longText = QStringLiteral("-8.8.8.8.8.8.8.8.8");
    front.setDisplayText(longText);
    QCOMPARE(lcd->text(), longText);
    QCOMPARE(lcd->font(), fitted);
}

void tst_CPV8120Front::readCycle()
{
    CPV8120Front front;
    front.setButtonsEnabled(true);
    front.setCycleInterval(30);
    QSignalSpy reads(&front, &CPV8120Front::read);
    CPushButton *button = readButton(front);
    button->click();
    QVERIFY(button->isChecked());
    QCOMPARE(reads.count(), 1);
    QCOMPARE(button->toolTip(), QStringLiteral("Front Stop"));
    QTRY_VERIFY_WITH_TIMEOUT(reads.count() >= 3, 10000);
    button->click();
    QCOMPARE(button->toolTip(), QStringLiteral("Front Play"));
    const int stopped = reads.count();
    QTest::qWait(120);
    QCOMPARE(reads.count(), stopped);
}

void tst_CPV8120Front::disablingStopsReading()
{
    CPV8120Front front;
    front.setButtonsEnabled(true);
    QSignalSpy reads(&front, &CPV8120Front::read);
    CPushButton *button = readButton(front);
    button->click();
    QCOMPARE(reads.count(), 1);
    QTimer *timer = front.findChild<CButtonBar *>()->findChild<QTimer *>();
    QVERIFY(timer->isActive());
    front.setButtonsEnabled(false);
    QVERIFY(!button->isChecked());
    QVERIFY(!button->isEnabled());
    QVERIFY(!timer->isActive());
    QCOMPARE(button->toolTip(), QStringLiteral("Front Play"));
    button->setToolTip(QString());
    front.updateToolTips();
    QCOMPARE(button->toolTip(), QStringLiteral("Front Play"));
    QCOMPARE(reads.count(), 1);
}

void tst_CPV8120Front::languageChange()
{
    CPV8120Front front;
    front.setDisplayText(QStringLiteral("12.34"));
    front.setDisplayLed(5);
    front.setDisplayType(2);
    front.setButtonsEnabled(true);
    readButton(front)->click();
    readButton(front)->setToolTip(QStringLiteral("kept"));
    label(front, "l_caption")->setText(QStringLiteral("changed"));
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(&front, &change);
    QCOMPARE(label(front, "l_lcd")->text(), QStringLiteral("-26.9"));
    QCOMPARE(label(front, "l_caption")->text(), QStringLiteral("PV 8120"));
    QCOMPARE(front.windowTitle(), QStringLiteral("Form"));
    QCOMPARE(shownLed(front), resourceImage(QStringLiteral(":/pv8120_pixmaps/led_red.png")));
    QVERIFY(label(front, "l_led")->isHidden());
    QCOMPARE(readButton(front)->toolTip(), QStringLiteral("kept"));
}

QTEST_MAIN(tst_CPV8120Front)
#include "tst_cpv8120front.moc"
