#ifndef CFINDDEVICESDIALOG_H
#define CFINDDEVICESDIALOG_H

#include "cbusscanner.h"
#include "clinksettings.h"

#include <QDialog>

#include <memory>

class CDeviceSession;
class CLoomworkPlugin;
class QPushButton;

namespace Ui {
class CFindDevicesDialog;
}

// Find devices: asks every unit id of a range on a Modbus TCP endpoint or a
// serial line (at every baud rate and parity the device offers) for its
// nameplate and lists each device that answers: link, unit id, serial
// number, model, order number, software version (or the exception it
// answered). A double click on a device, or Connect, hands its link to the
// window. The scan runs on a link and items of its own, not the window's.
class CFindDevicesDialog : public QDialog
{
    Q_OBJECT

public:
    // descriptionFile: the device description (nameplate layout);
    // plugin: names the models (not owned; may be null); base: the link to
    // start from (the window's).
    CFindDevicesDialog(const QString &descriptionFile, CLoomworkPlugin *plugin, const CLinkSettings &base,
                       QWidget *parent = nullptr);
    ~CFindDevicesDialog() override;

    // The link the fields name (unit id left as given).
    CLinkSettings link() const;
    void setUnitIds(int first, int last);
    // Starts / stops the scan (the buttons do the same).
    void startScan();
    void stopScan();
    bool isScanning() const;
    // The links of the devices found, in the table's order.
    QList<CLinkSettings> foundLinks() const;
    // Chooses the device of a table row as a double click does.
    void chooseRow(int row);

signals:
    // A scan is about to use link (a serial port must be free for it).
    void scanStarting(const CLinkSettings &link);
    // The user chose a device: link with its unit id as server address.
    void deviceChosen(const CLinkSettings &link);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void updateBound();
    void addHit(const CBusScanner::Hit &hit);
    void fillRow(int row, const CBusScanner::Hit &hit);
    void showOutcome();
    void onFinished(bool complete);
    void setScanning(bool scanning);

    std::unique_ptr<Ui::CFindDevicesDialog> ui;
    std::unique_ptr<CDeviceSession> m_session; // the scan's own link and items
    std::unique_ptr<CBusScanner> m_scanner;
    CLinkSettings m_base;
    QList<CBusScanner::Hit> m_hits;
    bool m_scanned = false; // a scan has ended
    QPushButton *m_connect = nullptr;
    QString m_error; // the description could not be loaded
};

#endif // CFINDDEVICESDIALOG_H
