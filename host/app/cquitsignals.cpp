#include "cquitsignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalSockets[2] = {-1, -1};
const int quitSignals[] = {SIGTERM, SIGINT, SIGHUP};

} // namespace

CQuitSignals::CQuitSignals(QObject *parent)
    : QObject(parent)
{
    if (signalSockets[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSockets) != 0)
        return;
    m_notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CQuitSignals::readSignal);
    struct sigaction action = {};
    action.sa_handler = &CQuitSignals::handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : quitSignals)
        ::sigaction(number, &action, nullptr);
}

CQuitSignals::~CQuitSignals()
{
    if (!m_notifier)
        return;
    for (int number : quitSignals)
        ::signal(number, SIG_DFL);
    ::close(signalSockets[0]);
    ::close(signalSockets[1]);
    signalSockets[0] = signalSockets[1] = -1;
}

bool CQuitSignals::isActive() const
{
    return m_notifier != nullptr;
}

// Only async-signal-safe calls here.
void CQuitSignals::handle(int signalNumber)
{
    const char byte = char(signalNumber);
    const ssize_t written = ::write(signalSockets[0], &byte, 1);
    (void)written;
}

void CQuitSignals::readSignal()
{
    char byte = 0;
    if (::read(signalSockets[1], &byte, 1) == 1)
        emit received(int(byte));
}
