// loomwork-host: configures a device through its plugin and description. Without a
// device on the command line it starts the simulator and connects to it;
// without a display it runs offscreen, writes a screenshot and quits.
#include "cdisplayfont.h"
#include "chostoptions.h"
#include "cmainwindow.h"
#include "cquitsignals.h"

#include "loomworklogging.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

// Unattended runs: after quitAfter ms (else after 3 s when only a screenshot
// is wanted) the window is written to the screenshot file and closed.
void automate(CMainWindow &window, const CHostOptions &options)
{
    if (options.quitAfter <= 0 && options.screenshot.isEmpty())
        return;
    const int delay = options.quitAfter > 0 ? options.quitAfter : 3000;
    QTimer::singleShot(delay, &window, [&window, options] {
        if (!options.screenshot.isEmpty()) {
            if (window.grab().save(options.screenshot))
                qCInfo(lcHost) << "screenshot written to" << options.screenshot;
            else
                qWarning("loomwork-host: cannot write the screenshot %s", qPrintable(options.screenshot));
        }
        if (options.quitAfter > 0)
            window.close();
    });
}

} // namespace

int main(int argc, char *argv[])
{
    const bool headless = CHostOptions::noDisplay();
    if (headless && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("loomwork-host"));
    QApplication::setApplicationVersion(QStringLiteral(LOOMWORK_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Loomwork"));

    CHostOptions options;
    options.headless = headless;
    QString error;
    if (!options.parse(QApplication::arguments(), &error)) {
        std::fprintf(stderr, "loomwork-host: %s\n", qPrintable(error));
        return 2;
    }
    CDisplayFont::install();

    CMainWindow window(options);
    // Ended by the session or Ctrl+C: leave the normal way, so the window
    // is remembered and the simulator child ends with the program.
    CQuitSignals quitSignals;
    QObject::connect(&quitSignals, &CQuitSignals::received, &app, [&window] {
        window.saveWindowState();
        QCoreApplication::quit();
    });
    window.show();
    if (!window.start() && options.quitAfter > 0)
        return 1;
    automate(window, options);
    return app.exec();
}
