// The host program as the session sees it: ended by a signal, it leaves
// the normal way, its simulator child included, and writes its settings
// only where it was told to.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

class TestHostProcess : public QObject
{
    Q_OBJECT

private slots:
    void signalEndsHostAndSimulator_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }

    void signalEndsHostAndSimulator()
    {
        QFETCH(int, signalNumber);
        QTemporaryDir config;
        QProcess host;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        host.setProcessEnvironment(environment);
        host.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        host.start(QStringLiteral(LOOMWORK_HOST_PROGRAM), {QStringLiteral("--language"), QStringLiteral("en")});
        QVERIFY(host.waitForStarted());
        qint64 simulator = 0;
        QTRY_VERIFY_WITH_TIMEOUT((simulator = childOf(host.processId())) > 0, 10000);
        ::kill(pid_t(host.processId()), signalNumber);
        QVERIFY(host.waitForFinished(10000));
        QCOMPARE(host.exitStatus(), QProcess::NormalExit);
        QCOMPARE(host.exitCode(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(QStringLiteral("/proc/%1").arg(simulator)), 5000);
        // The window was remembered, in the given folder.
        QVERIFY(QFile::exists(config.filePath(QStringLiteral("Loomwork/loomwork-host.conf"))));
    }

private:
    // The first child process of pid, from /proc (0 when none yet).
    static qint64 childOf(qint64 pid)
    {
        QFile children(QStringLiteral("/proc/%1/task/%1/children").arg(pid));
        if (!children.open(QIODevice::ReadOnly))
            return 0;
        return QString::fromLatin1(children.readAll()).split(QLatin1Char(' '), Qt::SkipEmptyParts).value(0).toLongLong();
    }
};

QTEST_GUILESS_MAIN(TestHostProcess)
#include "tst_hostprocess.moc"
