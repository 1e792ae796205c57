#ifndef SIMRIG_H
#define SIMRIG_H

#include "cdevicesession.h"
#include "cmodbusmaster.h"
#include "cparametertransfer.h"
#include "description/citemregisters.h"
#include "items/citem.h"
#include "simprocess.h"

#include <QModbusReply>
#include <QModbusTcpClient>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

// Runs a transfer and waits for its end; true when it succeeded.
inline bool transferred(CParameterTransfer *parameters, const std::function<void()> &run, int timeout = 20000)
{
    QSignalSpy finished(parameters, &CParameterTransfer::finished);
    run();
    return finished.wait(timeout) && finished.first().first().toBool();
}

// The PV 8120's description and plugin, as installed in the build tree.
inline bool openPv8120(CDeviceSession &session)
{
    return session.open(QStringLiteral(LOOMWORK_DATA_DIR "/pv8120.xml"), QStringLiteral(LOOMWORK_PLUGIN_DIR));
}

// A session on a fresh simulator, with an independent view of the simulator's
// registers through a plain QtSerialBus client for checking what the link did.
struct Rig
{
    SimProcess sim;
    CDeviceSession session;
    QModbusTcpClient raw;
    QTimer poll;

    bool start(const QStringList &simArgs, int timeout = 1000)
    {
        if (!sim.start(simArgs))
            return false;
        raw.setConnectionParameter(QModbusDevice::NetworkAddressParameter, QStringLiteral("127.0.0.1"));
        raw.setConnectionParameter(QModbusDevice::NetworkPortParameter, sim.port());
        raw.connectDevice();
        if (!openPv8120(session))
            return false;
        CLinkSettings settings;
        settings.port = sim.port();
        settings.responseTimeout = timeout;
        settings.reconnectMinDelay = 20;
        settings.reconnectMaxDelay = 200;
        session.master()->setSettings(settings);
        session.master()->connectDevice();
        return QTest::qWaitFor([&]() {
            return session.master()->state() == CModbusMaster::Connected
                && raw.state() == QModbusDevice::ConnectedState;
        }, 5000);
    }

    CItem *item(const QString &name) const { return session.parameters()->item(name); }

    // The words item's registers hold on the simulator, read directly; empty
    // on failure. A spy's wait ends with the reply, a polling one later.
    QVector<quint16> device(const CItem *item)
    {
        const QModbusDataUnit unit(QModbusDataUnit::HoldingRegisters, CItemRegisters::address(item),
                                   quint16(CItemRegisters::registerCount(item)));
        const std::unique_ptr<QModbusReply> reply(raw.sendReadRequest(unit, 1));
        if (!reply)
            return {};
        if (!reply->isFinished())
            QSignalSpy(reply.get(), &QModbusReply::finished).wait(5000);
        return reply->isFinished() && reply->error() == QModbusDevice::NoError ? reply->result().values()
                                                                                : QVector<quint16>();
    }

    bool transfer(const std::function<void()> &run) { return transferred(session.parameters(), run); }

    // Polls the status as the front panel does, every intervalMs.
    void startPolling(int intervalMs)
    {
        QObject *backend = session.backend();
        QObject::connect(&poll, &QTimer::timeout, backend,
                         [backend]() { QMetaObject::invokeMethod(backend, "cyclicTimeout"); });
        poll.start(intervalMs);
    }
};

#endif // SIMRIG_H
