<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CItem</name>
    <message>
        <source>linear</source>
        <translation>linear</translation>
    </message>
    <message>
        <source>radiziert</source>
        <translation>radiziert</translation>
    </message>
    <message>
        <source>Tabelle</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>keine</translation>
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
        <translation>Relais</translation>
    </message>
    <message>
        <source>Key down</source>
        <translation>Taste ab</translation>
    </message>
    <message>
        <source>Key up</source>
        <translation>Taste auf</translation>
    </message>
    <message>
        <source>Lower hysterese active</source>
        <translation>Untere Hysterese aktiv</translation>
    </message>
    <message>
        <source>Lower limit</source>
        <translation>Unterer Grenzwert</translation>
    </message>
    <message>
        <source>Upper hysterese active</source>
        <translation>Obere Hysterese aktiv</translation>
    </message>
    <message>
        <source>Error parameter</source>
        <translation>Parameterfehler</translation>
    </message>
    <message>
        <source>Upper limit</source>
        <translation>Oberer Grenzwert</translation>
    </message>
    <message>
        <source>Error dp calibration</source>
        <translation>Fehler dp-Abgleich</translation>
    </message>
    <message>
        <source>Error pressure</source>
        <translation>Druckfehler</translation>
    </message>
    <message>
        <source>Testmode A-Out</source>
        <translation>Testmodus Analogausgang</translation>
    </message>
    <message>
        <source>Password Menu</source>
        <translation>Passwortmenü</translation>
    </message>
    <message>
        <source>Autozero Menu</source>
        <translation>Nullpunktmenü</translation>
    </message>
    <message>
        <source>Reset Autozero</source>
        <translation>Nullpunkt zurücksetzen</translation>
    </message>
    <message>
        <source>Wait double click</source>
        <translation>Warte auf Doppelklick</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Betrieb</translation>
    </message>
    <message>
        <source>Go to Running</source>
        <translation>Wechsel in Betrieb</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>Initialisierung</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>Einleitung</translation>
    </message>
    <message>
        <source>Testmode</source>
        <translation>Testmodus</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>50% bidirektional, frei in mbar</source>
        <translation>50% bidirektional, frei in mbar</translation>
    </message>
    <message>
        <source>80% bidirektional, frei in mbar</source>
        <translation>80% bidirektional, frei in mbar</translation>
    </message>
    <message>
        <source>100% bidirektional, frei in mbar</source>
        <translation>100% bidirektional, frei in mbar</translation>
    </message>
    <message>
        <source>50% unidirektional, radiziert in %</source>
        <translation>50% unidirektional, radiziert in %</translation>
    </message>
    <message>
        <source>80% unidirektional, radiziert in %</source>
        <translation>80% unidirektional, radiziert in %</translation>
    </message>
    <message>
        <source>100% unidirektional, radiziert in %</source>
        <translation>100% unidirektional, radiziert in %</translation>
    </message>
    <message>
        <source>50% bidirektional, radiziert in %</source>
        <translation>50% bidirektional, radiziert in %</translation>
    </message>
    <message>
        <source>80% bidirektional, radiziert in %</source>
        <translation>80% bidirektional, radiziert in %</translation>
    </message>
    <message>
        <source>100% bidirektional, radiziert in %</source>
        <translation>100% bidirektional, radiziert in %</translation>
    </message>
    <message>
        <source>50% unidirektional in mbar</source>
        <translation>50% unidirektional in mbar</translation>
    </message>
    <message>
        <source>80% unidirektional in mbar</source>
        <translation>80% unidirektional in mbar</translation>
    </message>
    <message>
        <source>100% unidirektional in mbar</source>
        <translation>100% unidirektional in mbar</translation>
    </message>
    <message>
        <source>50% bidirektional in mbar</source>
        <translation>50% bidirektional in mbar</translation>
    </message>
    <message>
        <source>80% bidirektional in mbar</source>
        <translation>80% bidirektional in mbar</translation>
    </message>
    <message>
        <source>100% bidirektional in mbar</source>
        <translation>100% bidirektional in mbar</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Sprung</source>
        <translation>Sprung</translation>
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
        <translation>Unbekannt</translation>
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
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>MeasurementInfo</source>
        <translation>Messinfo</translation>
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
        <translation>Die Gerätefront des PV 8120: Anzeige, Status-LED und Tasten. Die Schaltfläche oben startet und stoppt das zyklische Lesen.</translation>
    </message>
    <message>
        <source>-26.9</source>
        <translation>-26.9</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Gerätename</translation>
    </message>
    <message>
        <source>PV 8120</source>
        <translation>PV 8120</translation>
    </message>
    <message>
        <source>Front Stop</source>
        <translation>Zyklisches Lesen stoppen</translation>
    </message>
    <message>
        <source>Front Play</source>
        <translation>Zyklisches Lesen starten</translation>
    </message>
</context>
</TS>
