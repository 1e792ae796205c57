<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CButtonBar</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>CCompareDialog</name>
    <message>
        <source>Compare parameter set with device</source>
        <translation>Compare parameter set with device</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Caption</translation>
    </message>
    <message>
        <source>File value</source>
        <translation>File value</translation>
    </message>
    <message>
        <source>Device value</source>
        <translation>Device value</translation>
    </message>
    <message numerus="yes">
        <source>%n parameter(s) differ.</source>
        <translation>
            <numerusform>%n parameter differs.</numerusform>
            <numerusform>%n parameters differ.</numerusform>
        </translation>
    </message>
    <message>
        <source>Show differences only</source>
        <translation>Show differences only</translation>
    </message>
    <message>
        <source>Write differences</source>
        <translation>Write differences</translation>
    </message>
</context>
<context>
    <name>CConnectionBar</name>
    <message>
        <source>Link:</source>
        <translation>Link:</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Serial port:</source>
        <translation>Serial port:</translation>
    </message>
    <message>
        <source>Line:</source>
        <translation>Line:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connecting...</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>no parity</source>
        <translation>no parity</translation>
    </message>
    <message>
        <source>even</source>
        <translation>even</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>odd</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
</context>
<context>
    <name>CGlobals</name>
    <message>
        <source>Parameter version:</source>
        <translation>Parameter version:</translation>
    </message>
    <message>
        <source>Order number:</source>
        <translation>Order number:</translation>
    </message>
</context>
<context>
    <name>CHostOptions</name>
    <message>
        <source>Configures a PV 8120 over Modbus. Without a device it starts the simulator.</source>
        <translation>Configures a PV 8120 over Modbus. Without a device it starts the simulator.</translation>
    </message>
    <message>
        <source>invalid value for --%1: %2</source>
        <translation>invalid value for --%1: %2</translation>
    </message>
</context>
<context>
    <name>CItem</name>
    <message>
        <source>linear</source>
        <translation>linear</translation>
    </message>
    <message>
        <source>radiziert</source>
        <translation>square root</translation>
    </message>
    <message>
        <source>Tabelle</source>
        <translation>table</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>mbar</source>
        <translation>mbar</translation>
    </message>
    <message>
        <source>Pa</source>
        <translation>Pa</translation>
    </message>
    <message>
        <source>kPa</source>
        <translation>kPa</translation>
    </message>
    <message>
        <source>inH2O</source>
        <translation>inH2O</translation>
    </message>
    <message>
        <source>psi</source>
        <translation>psi</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>dd.MM.yyyy hh:mm:ss,zzz</source>
        <translation>dd.MM.yyyy hh:mm:ss,zzz</translation>
    </message>
    <message>
        <source>dd.MM.yyyy hh:mm:ss</source>
        <translation>dd.MM.yyyy hh:mm:ss</translation>
    </message>
    <message>
        <source>hh:mm:ss,zzz</source>
        <translation>hh:mm:ss,zzz</translation>
    </message>
    <message>
        <source>hh:mm:ss</source>
        <translation>hh:mm:ss</translation>
    </message>
    <message>
        <source>dd.MM.yyyy</source>
        <translation>dd.MM.yyyy</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Relay</translation>
    </message>
    <message>
        <source>Key down</source>
        <translation>Key down</translation>
    </message>
    <message>
        <source>Key up</source>
        <translation>Key up</translation>
    </message>
    <message>
        <source>Lower hysterese active</source>
        <translation>Lower hysterese active</translation>
    </message>
    <message>
        <source>Lower limit</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>Upper hysterese active</source>
        <translation>Upper hysterese active</translation>
    </message>
    <message>
        <source>Error parameter</source>
        <translation>Error parameter</translation>
    </message>
    <message>
        <source>Upper limit</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <source>Error dp calibration</source>
        <translation>Error dp calibration</translation>
    </message>
    <message>
        <source>Error pressure</source>
        <translation>Error pressure</translation>
    </message>
    <message>
        <source>Testmode A-Out</source>
        <translation>Testmode A-Out</translation>
    </message>
    <message>
        <source>Password Menu</source>
        <translation>Password Menu</translation>
    </message>
    <message>
        <source>Autozero Menu</source>
        <translation>Autozero Menu</translation>
    </message>
    <message>
        <source>Reset Autozero</source>
        <translation>Reset Autozero</translation>
    </message>
    <message>
        <source>Wait double click</source>
        <translation>Wait double click</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Running</translation>
    </message>
    <message>
        <source>Go to Running</source>
        <translation>Go to Running</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>Init</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Testmode</source>
        <translation>Testmode</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>50% bidirektional, frei in mbar</source>
        <translation>50% bidirectional, free in mbar</translation>
    </message>
    <message>
        <source>80% bidirektional, frei in mbar</source>
        <translation>80% bidirectional, free in mbar</translation>
    </message>
    <message>
        <source>100% bidirektional, frei in mbar</source>
        <translation>100% bidirectional, free in mbar</translation>
    </message>
    <message>
        <source>50% unidirektional, radiziert in %</source>
        <translation>50% unidirectional, square root in %</translation>
    </message>
    <message>
        <source>80% unidirektional, radiziert in %</source>
        <translation>80% unidirectional, square root in %</translation>
    </message>
    <message>
        <source>100% unidirektional, radiziert in %</source>
        <translation>100% unidirectional, square root in %</translation>
    </message>
    <message>
        <source>50% bidirektional, radiziert in %</source>
        <translation>50% bidirectional, square root in %</translation>
    </message>
    <message>
        <source>80% bidirektional, radiziert in %</source>
        <translation>80% bidirectional, square root in %</translation>
    </message>
    <message>
        <source>100% bidirektional, radiziert in %</source>
        <translation>100% bidirectional, square root in %</translation>
    </message>
    <message>
        <source>50% unidirektional in mbar</source>
        <translation>50% unidirectional in mbar</translation>
    </message>
    <message>
        <source>80% unidirektional in mbar</source>
        <translation>80% unidirectional in mbar</translation>
    </message>
    <message>
        <source>100% unidirektional in mbar</source>
        <translation>100% unidirectional in mbar</translation>
    </message>
    <message>
        <source>50% bidirektional in mbar</source>
        <translation>50% bidirectional in mbar</translation>
    </message>
    <message>
        <source>80% bidirektional in mbar</source>
        <translation>80% bidirectional in mbar</translation>
    </message>
    <message>
        <source>100% bidirektional in mbar</source>
        <translation>100% bidirectional in mbar</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Sprung</source>
        <translation>step</translation>
    </message>
    <message>
        <source>Premium</source>
        <translation>Premium</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>Lite</source>
        <translation>Lite</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Messbereich Max</source>
        <translation>Messbereich Max</translation>
    </message>
    <message>
        <source>Messbereich Min</source>
        <translation>Messbereich Min</translation>
    </message>
    <message>
        <source>Sensortyp</source>
        <translation>Sensortyp</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>MeasurementInfo</source>
        <translation>MeasurementInfo</translation>
    </message>
</context>
<context>
    <name>CMainWindow</name>
    <message>
        <source>Parameter sets (*.json)</source>
        <translation>Parameter sets (*.json)</translation>
    </message>
    <message>
        <source>Warning: %1: %2</source>
        <translation>Warning: %1: %2</translation>
    </message>
    <message>
        <source>%1: wrote %2, the device keeps %3</source>
        <translation>%1: wrote %2, the device keeps %3</translation>
    </message>
    <message>
        <source>Plugin refused: %1</source>
        <translation>Plugin refused: %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Loomwork host %1
Plugin: %2</source>
        <translation>Loomwork host %1
Plugin: %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Plugins: %1 loaded from %2</source>
        <translation>Plugins: %1 loaded from %2</translation>
    </message>
    <message>
        <source>Parameter description</source>
        <translation>Parameter description</translation>
    </message>
    <message>
        <source>Description: %1</source>
        <translation>Description: %1</translation>
    </message>
    <message>
        <source>Device plugin</source>
        <translation>Device plugin</translation>
    </message>
    <message>
        <source>No plugin supports the device %1 (%2).</source>
        <translation>No plugin supports the device %1 (%2).</translation>
    </message>
    <message>
        <source>Device %1 (%2), parameter version %3</source>
        <translation>Device %1 (%2), parameter version %3</translation>
    </message>
    <message>
        <source>Simulator listening on %1:%2</source>
        <translation>Simulator listening on %1:%2</translation>
    </message>
    <message>
        <source>Simulator</source>
        <translation>Simulator</translation>
    </message>
    <message>
        <source>Starting the simulator %1</source>
        <translation>Starting the simulator %1</translation>
    </message>
    <message>
        <source>Reading all parameters</source>
        <translation>Reading all parameters</translation>
    </message>
    <message>
        <source>A transfer is already running.</source>
        <translation>A transfer is already running.</translation>
    </message>
    <message>
        <source>%1: done</source>
        <translation>%1: done</translation>
    </message>
    <message>
        <source>%1: failed</source>
        <translation>%1: failed</translation>
    </message>
    <message>
        <source>The transfer did not complete; see the log.</source>
        <translation>The transfer did not complete; see the log.</translation>
    </message>
    <message>
        <source>Writing all parameters</source>
        <translation>Writing all parameters</translation>
    </message>
    <message>
        <source>Save parameter set</source>
        <translation>Save parameter set</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n value(s) to %1</source>
        <translation>
            <numerusform>Saved %n value to %1</numerusform>
            <numerusform>Saved %n values to %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Open parameter set</source>
        <translation>Open parameter set</translation>
    </message>
    <message>
        <source>Warning: the set was taken from %1 (%2), not %3</source>
        <translation>Warning: the set was taken from %1 (%2), not %3</translation>
    </message>
    <message>
        <source>Compare parameter set</source>
        <translation>Compare parameter set</translation>
    </message>
    <message>
        <source>Loomwork host</source>
        <translation>Loomwork host</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Open parameter set...</source>
        <translation>&amp;Open parameter set...</translation>
    </message>
    <message>
        <source>&amp;Save parameter set...</source>
        <translation>&amp;Save parameter set...</translation>
    </message>
    <message>
        <source>&amp;Compare parameter set with device...</source>
        <translation>&amp;Compare parameter set with device...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Device</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Connect</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Disconnect</translation>
    </message>
    <message>
        <source>&amp;Read all parameters</source>
        <translation>&amp;Read all parameters</translation>
    </message>
    <message>
        <source>&amp;Write all parameters</source>
        <translation>&amp;Write all parameters</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Communication log</source>
        <translation>Communication log</translation>
    </message>
    <message>
        <source>Cycle interval:</source>
        <translation>Cycle interval:</translation>
    </message>
    <message>
        <source>Error: %1: %2</source>
        <translation>Error: %1: %2</translation>
    </message>
    <message>
        <source>Screenshot written to %1</source>
        <translation>Screenshot written to %1</translation>
    </message>
    <message>
        <source>Cannot write the screenshot %1</source>
        <translation>Cannot write the screenshot %1</translation>
    </message>
    <message numerus="yes">
        <source>Loaded %1: %n value(s) changed; write them to the device with Write modified.</source>
        <translation>
            <numerusform>Loaded %1: %n value changed; write it to the device with Write modified.</numerusform>
            <numerusform>Loaded %1: %n values changed; write them to the device with Write modified.</numerusform>
        </translation>
    </message>
    <message>
        <source>Writing the modified parameters</source>
        <translation>Writing the modified parameters</translation>
    </message>
    <message>
        <source>Write &amp;modified parameters</source>
        <translation>Write &amp;modified parameters</translation>
    </message>
</context>
<context>
    <name>CMessageBox</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
</context>
<context>
    <name>CPV8120Front</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>HELP_TEXT_PLUGIN_PV8120_FRONT</source>
        <translation>The front of the PV 8120: display, status LED and keys. The button above starts and stops cyclic reading.</translation>
    </message>
    <message>
        <source>-26.9</source>
        <translation>-26.9</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Device name</translation>
    </message>
    <message>
        <source>PV 8120</source>
        <translation>PV 8120</translation>
    </message>
    <message>
        <source>Front Stop</source>
        <translation>Stop cyclic reading</translation>
    </message>
    <message>
        <source>Front Play</source>
        <translation>Start cyclic reading</translation>
    </message>
</context>
<context>
    <name>CParameterModel</name>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
</context>
<context>
    <name>CParameterSet</name>
    <message>
        <source>not a parameter set</source>
        <translation>not a parameter set</translation>
    </message>
</context>
<context>
    <name>CPluginRegistry</name>
    <message>
        <source>the plugin directory does not exist</source>
        <translation>the plugin directory does not exist</translation>
    </message>
    <message>
        <source>interface &quot;%1&quot; is not a Loomwork device plugin</source>
        <translation>interface &quot;%1&quot; is not a Loomwork device plugin</translation>
    </message>
    <message>
        <source>the plugin object is not a CLoomworkPlugin</source>
        <translation>the plugin object is not a CLoomworkPlugin</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Progress:</source>
        <translation>Progress:</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 of %2</translation>
    </message>
</context>
<context>
    <name>CSimulatorProcess</name>
    <message>
        <source>the simulator ended with exit code %1</source>
        <translation>the simulator ended with exit code %1</translation>
    </message>
</context>
</TS>
