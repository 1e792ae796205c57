// Arbitrary master responses into the backend's status decoding, each
// followed by display refreshes. The first input byte says how many
// refreshes follow (0 to 3); the rest is the response.
#include "backend/cpv8120backend.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

QObject *root = nullptr;
CPV8120Backend *backend = nullptr;
int refreshes = 0;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    root = new QObject;
    backend = new CPV8120Backend(root);
    backend->bindItems();
    QObject::connect(backend, &CPV8120Backend::displayText, [](const QString &text) {
        check(text.size() >= 4 && text.size() <= 8);
        ++refreshes;
    });
    QObject::connect(backend, &CPV8120Backend::displayLed, [](int led) { check(led >= 0 && led <= 5); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    if (size == 0)
        return 0;
    const int ticks = bytes[0] % 4;
    const QByteArray response(reinterpret_cast<const char *>(bytes + 1), int(size - 1));
    const bool accepted = response.size() >= 2 && quint8(response.at(0)) == 0x70 && response.at(1) == 0;
    const bool wasShowing = backend->displayTimer->isActive();

    QMetaObject::invokeMethod(backend, "decodeData", Q_ARG(QByteArray, response));
    check(backend->displayTimer->isActive() == (accepted || wasShowing));

    refreshes = 0;
    for (int i = 0; i < ticks; ++i)
        QMetaObject::invokeMethod(backend, "setDisplay");
    // Once any response was accepted, every refresh shows something.
    check(!backend->displayTimer->isActive() || refreshes == ticks);
    return 0;
}
