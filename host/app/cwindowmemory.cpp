#include "cwindowmemory.h"

#include "chostsettings.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSplitter>

void CWindowMemory::save(const QMainWindow &window, const QSplitter *splitter)
{
    CHostSettings settings;
    settings.setValue(CHostSettings::WindowGeometry, window.saveGeometry());
    settings.setValue(CHostSettings::WindowState, window.saveState());
    if (splitter)
        settings.setValue(CHostSettings::SplitterState, splitter->saveState());
}

void CWindowMemory::restore(QMainWindow &window)
{
    const CHostSettings settings;
    if (!window.restoreGeometry(settings.value(CHostSettings::WindowGeometry).toByteArray())) {
        QSize size(1280, 800);
        const QScreen *screen = QGuiApplication::primaryScreen();
        if (screen && QGuiApplication::platformName() != QLatin1String("offscreen"))
            size = size.boundedTo(screen->availableSize());
        window.resize(size);
    }
    window.restoreState(settings.value(CHostSettings::WindowState).toByteArray());
}

void CWindowMemory::restoreSplitter(QSplitter &splitter)
{
    splitter.restoreState(CHostSettings().value(CHostSettings::SplitterState).toByteArray());
}
