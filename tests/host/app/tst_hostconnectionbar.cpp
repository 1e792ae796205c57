// The connection bar, the remembered link, the log view and its file.
#include "cconnectionbar.h"
#include "chostsettings.h"
#include "clanguagemanager.h"
#include "clinkaddress.h"
#include "clogview.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QSerialPort>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestHostConnectionBar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CHostSettings().clear();
        QLocale::setDefault(CLanguageManager::locale(QStringLiteral("en")));
    }

    void lineSettingsRoundTrip_data()
    {
        QTest::addColumn<QString>("link");
        QTest::newRow("8N1 at 9600") << "rtu:/dev/ttyUSB7:9600:8N1";
        QTest::newRow("8E1 at 115200") << "rtu:/dev/ttyUSB7:115200:8E1";
        QTest::newRow("8O2 at a rate off the list") << "rtu:/dev/ttyUSB7:250000:8O2";
    }

    // Whatever the entries' order, the codes reaching the link are the ones chosen.
    void lineSettingsRoundTrip()
    {
        QFETCH(QString, link);
        CConnectionBar bar;
        CLinkSettings settings;
        QString error;
        QVERIFY2(CLinkAddress::parse(link, &settings, &error), qPrintable(error));
        bar.setSettings(settings);
        QCOMPARE(CLinkAddress::text(bar.settings()), link);
        auto *parities = bar.findChild<QComboBox *>(QStringLiteral("Parity"));
        for (int i = 0; i < parities->count(); ++i) {
            QVERIFY(!parities->itemText(i).isEmpty());
            QVERIFY(parities->itemData(i).toInt() != int(QSerialPort::UnknownParity));
        }
    }

    void typedBaudRateIsChecked_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("usable");
        QTest::newRow("listed") << "19200" << true;
        QTest::newRow("free") << "31250" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("too slow") << "10" << false;
    }

    void typedBaudRateIsChecked()
    {
        QFETCH(QString, typed);
        QFETCH(bool, usable);
        CConnectionBar bar;
        bar.setLink(CConnectionBar::RtuLink);
        bar.findChild<QComboBox *>(QStringLiteral("SerialPort"))->setCurrentText(QStringLiteral("/dev/ttyS1"));
        auto *rates = bar.findChild<QComboBox *>(QStringLiteral("BaudRate"));
        rates->setCurrentText(typed);
        // Letters cannot even be typed.
        QString letters = QStringLiteral("fast");
        int position = 0;
        QCOMPARE(rates->validator()->validate(letters, position), QValidator::Invalid);
        QString error;
        QCOMPARE(bar.check(&error), usable);
        if (!usable)
            QVERIFY2(error.contains(QStringLiteral("%1 to %2").arg(CConnectionBar::MinimumBaudRate)
                                        .arg(CConnectionBar::MaximumBaudRate)), qPrintable(error));
    }

    // The field is as wide as the name in it.
    void wholePortNameIsShown()
    {
        CConnectionBar bar;
        bar.setLink(CConnectionBar::RtuLink);
        bar.show();
        auto *port = bar.findChild<QComboBox *>(QStringLiteral("SerialPort"));
        for (const QString &name : {QStringLiteral("/dev/ttyNOPE"),
                                    QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0")}) {
            port->setCurrentText(name);
            QTRY_VERIFY(port->lineEdit()->width() >= port->fontMetrics().horizontalAdvance(name));
        }
    }

    void lastConnectionIsRemembered()
    {
        {
            CConnectionBar bar;
            CLinkSettings settings;
            settings.host = QStringLiteral("plant-7.example");
            settings.port = 1502;
            settings.serverAddress = 17;
            bar.setSettings(settings);
            CHostSettings stored;
            bar.saveTo(stored);
        }
        CConnectionBar bar;
        QCOMPARE(bar.link(), CConnectionBar::SimulatorLink);
        bar.restoreFrom(CHostSettings());
        QCOMPARE(bar.linkText(), QStringLiteral("Modbus TCP plant-7.example:1502, address 17"));
        // The test's settings file, never the user's.
        QVERIFY(CHostSettings::fileName().startsWith(
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)));
        QVERIFY(CHostSettings::fileName().contains(QStringLiteral(".qttest")));
    }

    // Settings that lead to the simulator keep its link.
    void simulatorLinkStays()
    {
        CConnectionBar bar;
        bar.setSimulatorEndpoint(QStringLiteral("127.0.0.1"), 40123);
        CLinkSettings settings = bar.settings();
        QCOMPARE(int(settings.port), 40123);
        settings.serverAddress = 5;
        bar.setSettings(settings);
        QCOMPARE(bar.link(), CConnectionBar::SimulatorLink);
        QCOMPARE(bar.settings().serverAddress, 5);
    }

    void stateShowsItsReason()
    {
        CConnectionBar bar;
        bar.setState(CModbusMaster::Disconnected, QStringLiteral("no such serial port"));
        QCOMPARE(bar.stateText(), QStringLiteral("Disconnected: no such serial port"));
        bar.setState(CModbusMaster::Connected);
        QCOMPARE(bar.stateText(), QStringLiteral("Connected"));
    }

    // Two layers reporting one failure make one line; the file holds the log.
    void logShowsAnEventOnceAndSaves()
    {
        CLogView log;
        log.addError(QStringLiteral("Device link"), QStringLiteral("no answer"));
        log.addError(QStringLiteral("Device link"), QStringLiteral("no answer"));
        log.addMessage(QStringLiteral("Reading all parameters"));
        QCOMPARE(log.toPlainText().count(QStringLiteral("no answer")), 1);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("log.txt"));
        QString error;
        QVERIFY(log.save(file, &error));
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(saved.readAll()).trimmed(), log.toPlainText());
        QVERIFY(!log.save(dir.filePath(QStringLiteral("missing/log.txt")), &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_MAIN(TestHostConnectionBar)
#include "tst_hostconnectionbar.moc"
