#include "plugin/cpv8120plugin.h"

#include "backend/cpv8120backend.h"
#include "device/pv8120constants.h"
#include "front/cpv8120front.h"

#include <QPointer>

namespace {

// The backend of the latest init(). Guarded, because the host may destroy the
// parent (and the backend with it) before the next init().
QPointer<CPV8120Backend> currentBackend;

// The front widget handed to the host; cleared when the widget is destroyed.
CBaseWidget *currentFront = nullptr;

} // namespace

bool CPV8120Plugin::init(QObject *parent)
{
    delete currentBackend.data();
    currentBackend = new CPV8120Backend(parent);
    currentBackend->bindItems();
    return true;
}

bool CPV8120Plugin::supportsModel(const QString &identification)
{
    return identification.startsWith(Pv8120::deviceNumber, Qt::CaseSensitive);
}

QString CPV8120Plugin::modelName()
{
    return Pv8120::deviceName;
}

QString CPV8120Plugin::modelNumber()
{
    return Pv8120::deviceNumber;
}

QStringList CPV8120Plugin::nameList(const QString &name)
{
    return QStringList{name};
}

LineSettings CPV8120Plugin::defaultLineSettings()
{
    return LineSettings{115200, LineSettings::EvenParity, LineSettings::NoFlowControl, 8, LineSettings::OneStop};
}

QList<CItem *> CPV8120Plugin::extraItems()
{
    return {};
}

CBaseWidget *CPV8120Plugin::frontWidget()
{
    if (currentFront)
        return currentFront;
    auto *front = new CPV8120Front;
    currentFront = front;
    // Wired by signature text, to the backend of this moment only. Without a
    // backend the toolkit refuses the first four connections.
    CPV8120Backend *backend = currentBackend.data();
    connect(backend, SIGNAL(displayText(QString)), front, SLOT(setDisplayText(QString)));
    connect(backend, SIGNAL(displayLed(int)), front, SLOT(setDisplayLed(int)));
    connect(backend, SIGNAL(displayType(int)), front, SLOT(setDisplayType(int)));
    connect(front, SIGNAL(read()), backend, SLOT(cyclicTimeout()));
    connect(front, SIGNAL(destroyed(QObject*)), this, SLOT(frontDestroyed()));
    return front;
}

void CPV8120Plugin::frontDestroyed()
{
    currentFront = nullptr;
}
