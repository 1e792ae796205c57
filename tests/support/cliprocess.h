#ifndef CLIPROCESS_H
#define CLIPROCESS_H

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

// What one run of loomwork-cli left: its exit code (-1: it crashed or did
// not end in time), standard output and standard error.
struct CliRun
{
    int code = -1;
    QByteArray out;
    QByteArray err;
};

// Runs loomwork-cli as a user does, in the C locale whatever the system's. The caller's
// event loop runs meanwhile, so a device served inside the test answers.
inline CliRun runCli(const QStringList &args, const QString &loggingRules = QString())
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), loggingRules);
    process.setProcessEnvironment(environment);
    QEventLoop loop;
    QObject::connect(&process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), &loop,
                     &QEventLoop::quit);
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    process.start(QStringLiteral(LOOMWORK_CLI), args);
    if (process.waitForStarted(5000))
        loop.exec();
    CliRun run;
    if (process.state() != QProcess::NotRunning)
        return run;
    run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

#endif // CLIPROCESS_H
