// minimal-host HOST PORT [NAME VALUE]
// Reads every parameter of a device over Modbus TCP and prints it; with NAME
// and VALUE it first changes that parameter as a user would and writes what
// changed. The session builds the items from the installed description,
// puts "ModbusMaster" and "Parameter" beside them and hands the tree to the
// device plugin, which keeps the dependent parameters consistent.
#include <host/cdevicesession.h>
#include <host/citeminput.h>
#include <host/cmodbusmaster.h>
#include <host/cparametertransfer.h>
#include <items/cinstalllayout.h>
#include <items/citem.h>

#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream out(stdout), err(stderr);
    if (args.size() != 3 && args.size() != 5) {
        err << "usage: minimal-host HOST PORT [NAME VALUE]\n";
        return 1;
    }
    CDeviceSession session;
    if (!session.open(CInstallLayout::dataFile("pv8120.xml"), CInstallLayout::pluginDirectory())) {
        err << session.errorString() << '\n';
        return 2;
    }
    CModbusMaster *master = session.master();
    CParameterTransfer *parameters = session.parameters();
    CLinkSettings link = master->settings();
    link.host = args.at(1);
    link.port = quint16(args.at(2).toUInt());
    master->setSettings(link);

    // Read, change and write, print: each step starts when the last finished.
    int step = args.size() == 5 ? 0 : 2;
    QObject::connect(parameters, &CParameterTransfer::finished, &app, [&](bool ok) {
        if (!ok) {
            err << "the transfer failed\n";
            return app.exit(3);
        }
        if (step++ == 0) {
            CItem *item = parameters->item(args.at(3));
            QVariant value;
            QString error;
            if (!item || !CItemInput::parse(*item, args.at(4), &value, &error)) {
                err << args.at(3) << ": " << (item ? error : QStringLiteral("no such parameter")) << '\n';
                return app.exit(4);
            }
            item->setValue(value);
            emit item->valueEdited(); // the plugin now updates what depends on it
            return parameters->writeModified();
        }
        for (const CItem *item : parameters->items())
            out << item->objectName() << ' ' << item->valueText() << ' ' << item->unit() << '\n';
        app.exit(0);
    });
    QObject::connect(master, &CModbusMaster::stateChanged, &app, [&](CModbusMaster::State state) {
        if (state == CModbusMaster::Connected)
            parameters->readAll();
    });
    QTimer::singleShot(15000, &app, [&] {
        err << "no complete answer from " << link.host << ':' << link.port << '\n';
        app.exit(3);
    });
    master->connectDevice();
    return app.exec();
}
