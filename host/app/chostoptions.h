#ifndef CHOSTOPTIONS_H
#define CHOSTOPTIONS_H

#include <QString>
#include <QStringList>

// The host's command line.
struct CHostOptions
{
    static constexpr int MinimumCycleInterval = 100; // ms
    static constexpr int MaximumCycleInterval = 60000;

    QString pluginDirectory;   // empty: CPluginRegistry::defaultDirectory()
    QString descriptionFile;   // empty: CDeviceSession::defaultDescriptionFile()
    QString host;              // Modbus TCP device; with serialPort empty and
    int port = 502;            // host empty, the simulator is started
    QString serialPort;        // Modbus RTU device
    int address = 1;
    QString simulator;         // empty: CSimulatorProcess::defaultProgram()
    QString language;          // empty: the saved choice, else the system's
    int cycleInterval = 0;     // ms between two cyclic reads of the front;
                               // 0: the saved setting, else 1000
    QString screenshot;        // write the main window to this PNG file
    int quitAfter = 0;         // ms; 0: run until the user quits
    bool headless = false;     // no display: offscreen, screenshot and quit

    // Whether the user named a device (else the simulator stands in).
    bool hasDevice() const { return !host.isEmpty() || !serialPort.isEmpty(); }

    // Parses arguments (argument 0 is the program). Returns false with
    // *error set for an unusable command line; --help and --version exit.
    bool parse(const QStringList &arguments, QString *error);

    // True when neither X11 nor Wayland is available: the host then runs
    // offscreen (unless another platform was chosen), writes a screenshot
    // and quits.
    static bool noDisplay();
};

#endif // CHOSTOPTIONS_H
