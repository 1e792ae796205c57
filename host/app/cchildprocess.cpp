#include "cchildprocess.h"

#include <QCoreApplication>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>
#endif

CChildProcess::CChildProcess(QObject *parent)
    : QProcess(parent)
    , m_parentPid(QCoreApplication::applicationPid())
{
}

void CChildProcess::setupChildProcess()
{
#ifdef Q_OS_LINUX
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    // The parent may have died before the request above took effect.
    if (::getppid() != pid_t(m_parentPid))
        ::_exit(127);
#endif
}
