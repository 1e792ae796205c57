// The main window with the TM 100 test meter, given by its plugin directory
// and description: the meter's front, values and display.
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
        CHostOptions options;
        options.pluginDirectory = QStringLiteral(TESTMETER_PLUGIN_DIR);
        options.descriptionFile = QStringLiteral(TESTMETER_DESCRIPTION);
        options.host = QStringLiteral("127.0.0.1");
        options.port = m_device.port();
        options.language = QStringLiteral("en");
        options.cycleInterval = 100;
        m_window = new CMainWindow(options);
        m_window->show();
    }

    void cleanupTestCase()
    {
        delete m_window;
        QTRY_COMPARE(m_device.clients(), 0);
    }

    void showsTheMetersFrontValuesAndDisplay()
    {
        QSignalSpy initialRead(m_window, &CMainWindow::initialReadFinished);
        QVERIFY(m_window->start());
        QVERIFY2(initialRead.wait(20000), qPrintable(m_window->logText().right(400)));
        QCOMPARE(initialRead.first().first().toBool(), true);
        QCOMPARE(m_window->frontWidget()->objectName(), QStringLiteral("TM 100_Front"));
        QStringList shown;
        for (const char *name : {"Setpoint", "Range", "OrderNumber"})
            shown << m_window->parameterModel()->indexOf(item(name), CParameterModel::ValueColumn).data().toString();
        QCOMPARE(shown, QStringList({"42.5", "250", "TM100-0001"}));
        QVERIFY(m_window->logText().contains("Device TM 100 (TM100-0001)"));
        m_window->setCyclicReading(true);
        QTRY_COMPARE_WITH_TIMEOUT(m_window->frontMonitor()->freshness(), CFrontMonitor::Live, 5000);
        const auto *display = m_window->frontWidget()->findChild<QLabel *>("l_display");
        QVERIFY(display);
        QTRY_COMPARE_WITH_TIMEOUT(display->text(), QStringLiteral("-7.3"), 5000);
        m_window->setCyclicReading(false);
    }

private:
    CItem *item(const QString &name) const { return m_window->session()->parameters()->item(name); }

    CTestMeterDevice m_device;
    CMainWindow *m_window = nullptr;
};

QTEST_MAIN(tst_TestMeterWindow)
#include "tst_testmeterwindow.moc"
