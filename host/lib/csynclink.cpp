#include "csynclink.h"

#include "cmodbusmaster.h"
#include "cparametertransfer.h"

#include <QEventLoop>

bool CSyncLink::runTransfer(CParameterTransfer *transfer, const std::function<void()> &start)
{
    QEventLoop loop;
    bool success = false;
    QObject::connect(transfer, &CParameterTransfer::finished, &loop, [&](bool ok) {
        success = ok;
        loop.quit();
    });
    start();
    loop.exec();
    return success;
}

CIdentityReader::Answer CSyncLink::readIdentity(const CIdentityReader &reader, CModbusMaster *master)
{
    QEventLoop loop;
    CIdentityReader::Answer result;
    bool done = false;
    reader.read(master, [&](const CIdentityReader::Answer &answer) {
        result = answer;
        done = true;
        loop.quit();
    });
    if (!done)
        loop.exec();
    return result;
}
