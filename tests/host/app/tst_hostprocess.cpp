// The host ended by a signal takes its simulator with it and writes settings only where told.
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
        QTest::addColumn<bool>("orderly");
        QTest::newRow("SIGTERM") << int(SIGTERM) << true;
        QTest::newRow("SIGINT") << int(SIGINT) << true;
        QTest::newRow("SIGHUP") << int(SIGHUP) << true;
        QTest::newRow("SIGKILL") << int(SIGKILL) << false;
    }

    void signalEndsHostAndSimulator()
    {
        QFETCH(int, signalNumber);
        QFETCH(bool, orderly);
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
        QTRY_VERIFY_WITH_TIMEOUT(hasEnded(simulator), 5000);
        if (!orderly)
            return;
        QCOMPARE(host.exitStatus(), QProcess::NormalExit);
        QCOMPARE(host.exitCode(), 0);
        // The window was remembered, in the given folder.
        QVERIFY(QFile::exists(config.filePath(QStringLiteral("Loomwork/loomwork-host.conf"))));
    }

private:
    // Gone, or a zombie nobody reaps (an orphan's new parent may not).
    static bool hasEnded(qint64 pid)
    {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            return true;
        const QByteArray line = stat.readAll();
        const int close = line.lastIndexOf(')');
        return close < 0 || line.mid(close + 2, 1) == "Z";
    }

    // The first child process of pid once it runs the simulator, from /proc
    // (0 when none yet, or still between fork and exec).
    static qint64 childOf(qint64 pid)
    {
        QFile children(QStringLiteral("/proc/%1/task/%1/children").arg(pid));
        if (!children.open(QIODevice::ReadOnly))
            return 0;
        const qint64 child =
            QString::fromLatin1(children.readAll()).split(QLatin1Char(' '), Qt::SkipEmptyParts).value(0).toLongLong();
        QFile command(QStringLiteral("/proc/%1/cmdline").arg(child));
        if (child <= 0 || !command.open(QIODevice::ReadOnly) || !command.readAll().contains("--port"))
            return 0;
        return child;
    }
};

QTEST_GUILESS_MAIN(TestHostProcess)
#include "tst_hostprocess.moc"
