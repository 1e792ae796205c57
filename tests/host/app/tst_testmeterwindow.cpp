// The main window with the TM 100 test meter, given by its plugin directory and description.
#include "chostsettings.h"
#include "cfrontmonitor.h"
#include "cmainwindow.h"
#include "cparametermodel.h"
#include "cparametertransfer.h"
#include "ctestmeterdevice.h"
#include "cdevicesession.h"
#include "items/citem.h"
#include "widgets/cbasewidget.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

class tst_TestMeterWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationVersion(QStringLiteral(LOOMWORK_VERSION));
        CHostSettings().clear();
        QVERIFY(m_device.start());
    }

    void cleanupTestCase() { QTRY_COMPARE(m_device.clients(), 0); }

    void showsTheMetersFrontValuesAndDisplay()
    {
        CHostOptions options;
        options.pluginDirectory = QStringLiteral(TESTMETER_PLUGIN_DIR);
        options.descriptionFile = QStringLiteral(TESTMETER_DESCRIPTION);
        options.host = QStringLiteral("127.0.0.1");
        options.port = m_device.port();
        options.language = QStringLiteral("en");
        options.cycleInterval = 100;
        CMainWindow window(options);
        window.show();
        QSignalSpy initialRead(&window, &CMainWindow::initialReadFinished);
        QVERIFY(window.start());
        QVERIFY2(initialRead.wait(20000), qPrintable(window.logText().right(400)));
        QCOMPARE(initialRead.first().first().toBool(), true);
        QCOMPARE(window.frontWidget()->objectName(), QStringLiteral("TM 100_Front"));
        QStringList shown;
        for (const char *name : {"Setpoint", "Range", "OrderNumber"}) {
            const CItem *item = window.session()->parameters()->item(name);
            shown << window.parameterModel()->indexOf(item, CParameterModel::ValueColumn).data().toString();
        }
        QCOMPARE(shown, QStringList({"42.5", "250", "TM100-0001"}));
        QVERIFY(window.logText().contains("Device TM 100 (TM100-0001)"));
        window.setCyclicReading(true);
        QTRY_COMPARE_WITH_TIMEOUT(window.frontMonitor()->freshness(), CFrontMonitor::Live, 5000);
        const auto *display = window.frontWidget()->findChild<QLabel *>("l_display");
        QVERIFY(display);
        QTRY_COMPARE_WITH_TIMEOUT(display->text(), QStringLiteral("-7.3"), 5000);
    }

private:
    CTestMeterDevice m_device;
};

QTEST_MAIN(tst_TestMeterWindow)
#include "tst_testmeterwindow.moc"
