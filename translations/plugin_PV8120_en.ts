<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
</TS>
