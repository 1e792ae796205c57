// loomwork-host: configures a device through its plugin and description. Without a
// device on the command line it starts the simulator and connects to it;
// without a display it runs offscreen, writes a screenshot and quits.
#include "cdisplayfont.h"
#include "chostoptions.h"
#include "cmainwindow.h"
#include "cquitsignals.h"

#include <QApplication>

#include <cstdio>

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
    return app.exec();
}
