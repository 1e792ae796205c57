<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>Parametersatz mit Gerät vergleichen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>File value</source>
        <translation>Wert in der Datei</translation>
    </message>
    <message>
        <source>Device value</source>
        <translation>Wert im Gerät</translation>
    </message>
    <message numerus="yes">
        <source>%n parameter(s) differ.</source>
        <translation>
            <numerusform>%n Parameter weicht ab.</numerusform>
            <numerusform>%n Parameter weichen ab.</numerusform>
        </translation>
    </message>
    <message>
        <source>Show differences only</source>
        <translation>Nur Abweichungen zeigen</translation>
    </message>
    <message>
        <source>Write differences</source>
        <translation>Abweichungen schreiben</translation>
    </message>
</context>
<context>
    <name>CConnectionBar</name>
    <message>
        <source>Link:</source>
        <translation>Verbindung:</translation>
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
        <translation>Schnittstelle:</translation>
    </message>
    <message>
        <source>Line:</source>
        <translation>Leitung:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbinde...</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>no parity</source>
        <translation>keine Parität</translation>
    </message>
    <message>
        <source>even</source>
        <translation>gerade</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>ungerade</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
</context>
<context>
    <name>CGlobals</name>
    <message>
        <source>Parameter version:</source>
        <translation>Parameterversion:</translation>
    </message>
    <message>
        <source>Order number:</source>
        <translation>Bestellnummer:</translation>
    </message>
</context>
<context>
    <name>CHostOptions</name>
    <message>
        <source>Configures a PV 8120 over Modbus. Without a device it starts the simulator.</source>
        <translation>Konfiguriert einen PV 8120 über Modbus. Ohne Gerät wird der Simulator gestartet.</translation>
    </message>
    <message>
        <source>invalid value for --%1: %2</source>
        <translation>ungültiger Wert für --%1: %2</translation>
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
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
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
    <name>CMainWindow</name>
    <message>
        <source>Parameter sets (*.json)</source>
        <translation>Parametersätze (*.json)</translation>
    </message>
    <message>
        <source>Warning: %1: %2</source>
        <translation>Warnung: %1: %2</translation>
    </message>
    <message>
        <source>%1: wrote %2, the device keeps %3</source>
        <translation>%1: %2 geschrieben, das Gerät behält %3</translation>
    </message>
    <message>
        <source>Plugin refused: %1</source>
        <translation>Plugin abgelehnt: %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Loomwork host %1
Plugin: %2</source>
        <translation>Loomwork-Host %1
Plugin: %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>Plugins: %1 loaded from %2</source>
        <translation>Plugins: %1 aus %2 geladen</translation>
    </message>
    <message>
        <source>Parameter description</source>
        <translation>Parameterbeschreibung</translation>
    </message>
    <message>
        <source>Description: %1</source>
        <translation>Beschreibung: %1</translation>
    </message>
    <message>
        <source>Device plugin</source>
        <translation>Geräte-Plugin</translation>
    </message>
    <message>
        <source>No plugin supports the device %1 (%2).</source>
        <translation>Kein Plugin unterstützt das Gerät %1 (%2).</translation>
    </message>
    <message>
        <source>Device %1 (%2), parameter version %3</source>
        <translation>Gerät %1 (%2), Parameterversion %3</translation>
    </message>
    <message>
        <source>Simulator listening on %1:%2</source>
        <translation>Simulator wartet auf %1:%2</translation>
    </message>
    <message>
        <source>Simulator</source>
        <translation>Simulator</translation>
    </message>
    <message>
        <source>Starting the simulator %1</source>
        <translation>Starte den Simulator %1</translation>
    </message>
    <message>
        <source>Reading all parameters</source>
        <translation>Alle Parameter lesen</translation>
    </message>
    <message>
        <source>A transfer is already running.</source>
        <translation>Es läuft bereits eine Übertragung.</translation>
    </message>
    <message>
        <source>%1: done</source>
        <translation>%1: fertig</translation>
    </message>
    <message>
        <source>%1: failed</source>
        <translation>%1: fehlgeschlagen</translation>
    </message>
    <message>
        <source>The transfer did not complete; see the log.</source>
        <translation>Die Übertragung wurde nicht abgeschlossen; siehe Protokoll.</translation>
    </message>
    <message>
        <source>Writing all parameters</source>
        <translation>Alle Parameter schreiben</translation>
    </message>
    <message>
        <source>Save parameter set</source>
        <translation>Parametersatz speichern</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n value(s) to %1</source>
        <translation>
            <numerusform>%n Wert in %1 gespeichert</numerusform>
            <numerusform>%n Werte in %1 gespeichert</numerusform>
        </translation>
    </message>
    <message>
        <source>Open parameter set</source>
        <translation>Parametersatz öffnen</translation>
    </message>
    <message>
        <source>Warning: the set was taken from %1 (%2), not %3</source>
        <translation>Warnung: der Satz stammt von %1 (%2), nicht von %3</translation>
    </message>
    <message>
        <source>Compare parameter set</source>
        <translation>Parametersatz vergleichen</translation>
    </message>
    <message>
        <source>Loomwork host</source>
        <translation>Loomwork-Host</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open parameter set...</source>
        <translation>Parametersatz ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save parameter set...</source>
        <translation>Parametersatz &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Compare parameter set with device...</source>
        <translation>Parametersatz mit Gerät &amp;vergleichen...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Gerät</translation>
    </message>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Trennen</translation>
    </message>
    <message>
        <source>&amp;Read all parameters</source>
        <translation>Alle Parameter &amp;lesen</translation>
    </message>
    <message>
        <source>&amp;Write all parameters</source>
        <translation>Alle Parameter &amp;schreiben</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Communication log</source>
        <translation>Kommunikationsprotokoll</translation>
    </message>
    <message>
        <source>Cycle interval:</source>
        <translation>Zykluszeit:</translation>
    </message>
    <message>
        <source>Error: %1: %2</source>
        <translation>Fehler: %1: %2</translation>
    </message>
    <message>
        <source>Screenshot written to %1</source>
        <translation>Bildschirmfoto nach %1 geschrieben</translation>
    </message>
    <message>
        <source>Cannot write the screenshot %1</source>
        <translation>Bildschirmfoto %1 kann nicht geschrieben werden</translation>
    </message>
    <message numerus="yes">
        <source>Loaded %1: %n value(s) changed; write them to the device with Write modified.</source>
        <translation>
            <numerusform>%1 geladen: %n Wert geändert; mit „Geänderte Parameter schreiben“ ins Gerät übertragen.</numerusform>
            <numerusform>%1 geladen: %n Werte geändert; mit „Geänderte Parameter schreiben“ ins Gerät übertragen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Writing the modified parameters</source>
        <translation>Geänderte Parameter schreiben</translation>
    </message>
    <message>
        <source>Write &amp;modified parameters</source>
        <translation>&amp;Geänderte Parameter schreiben</translation>
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
<context>
    <name>CParameterModel</name>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
</context>
<context>
    <name>CParameterSet</name>
    <message>
        <source>not a parameter set</source>
        <translation>kein Parametersatz</translation>
    </message>
</context>
<context>
    <name>CPluginRegistry</name>
    <message>
        <source>the plugin directory does not exist</source>
        <translation>das Plugin-Verzeichnis existiert nicht</translation>
    </message>
    <message>
        <source>interface &quot;%1&quot; is not a Loomwork device plugin</source>
        <translation>Schnittstelle „%1“ ist kein Loomwork-Geräte-Plugin</translation>
    </message>
    <message>
        <source>the plugin object is not a CLoomworkPlugin</source>
        <translation>das Plugin-Objekt ist kein CLoomworkPlugin</translation>
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
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>CSimulatorProcess</name>
    <message>
        <source>the simulator ended with exit code %1</source>
        <translation>der Simulator endete mit Exit-Code %1</translation>
    </message>
</context>
</TS>
