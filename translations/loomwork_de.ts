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
    <name>CItem</name>
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
</context>
<context>
    <name>CMessageBox</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
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
    <name>LoomworkCli</name>
    <message>
        <source>give exactly one of --tcp HOST:PORT and --serial PORT</source>
        <translation>genau eines von --tcp HOST:PORT und --serial PORT angeben</translation>
    </message>
    <message>
        <source>--tcp expects HOST:PORT, not &quot;%1&quot;</source>
        <translation>--tcp erwartet HOST:PORT, nicht „%1“</translation>
    </message>
    <message>
        <source>--timeout, --retries and --unit-id take whole numbers</source>
        <translation>--timeout, --retries und --unit-id nehmen ganze Zahlen</translation>
    </message>
    <message>
        <source>--unit-id must lie in 1 .. 247, not %1</source>
        <translation>--unit-id muss in 1 .. 247 liegen, nicht %1</translation>
    </message>
    <message>
        <source>Reads and writes the parameters of a device and watches its display.

Commands:
  read              print all parameters (name, value, unit; --json)
  write NAME VALUE  set one parameter (list entry text or number in display
                    units), let the device rules follow, write what changed
  watch             print the display text and LED as they change (--json)
  save FILE         save the device&apos;s parameters as a parameter set
  diff FILE         show where the device differs from a parameter set
  apply FILE        write the set&apos;s differing values (--dry-run, --force)

Exit codes: 0 ok, 1 usage, 2 setup (description, plugin), 3 connection,
4 read failed, 5 unknown parameter, bad value or refused set, 6 write failed,
7 the device differs from the set, 8 set file not readable or writable.</source>
        <translation>Liest und schreibt die Parameter eines Geräts und beobachtet seine Anzeige.

Befehle:
  read              alle Parameter ausgeben (Name, Wert, Einheit; --json)
  write NAME WERT   einen Parameter setzen (Listeneintrag oder Zahl in
                    Anzeigeeinheiten), Geräteregeln folgen lassen, Geändertes schreiben
  watch             Anzeigetext und LED ausgeben, wenn sie sich ändern (--json)
  save DATEI        die Parameter des Geräts als Parametersatz speichern
  diff DATEI        zeigen, worin das Gerät von einem Parametersatz abweicht
  apply DATEI       die abweichenden Werte des Satzes schreiben (--dry-run, --force)

Rückgabewerte: 0 ok, 1 Aufruf, 2 Einrichtung (Beschreibung, Plugin), 3 Verbindung,
4 Lesen fehlgeschlagen, 5 unbekannter Parameter, unzulässiger Wert oder abgelehnter Satz,
6 Schreiben fehlgeschlagen, 7 das Gerät weicht vom Satz ab, 8 Satzdatei nicht les- oder schreibbar.</translation>
    </message>
    <message>
        <source>read, write, watch, save, diff or apply</source>
        <translation>read, write, watch, save, diff oder apply</translation>
    </message>
    <message>
        <source>Modbus TCP device at HOST:PORT.</source>
        <translation>Modbus-TCP-Gerät unter HOST:PORT.</translation>
    </message>
    <message>
        <source>Modbus RTU device on serial PORT.</source>
        <translation>Modbus-RTU-Gerät an der seriellen Schnittstelle PORT.</translation>
    </message>
    <message>
        <source>Directory of the device plugins.</source>
        <translation>Verzeichnis der Geräte-Plugins.</translation>
    </message>
    <message>
        <source>The device&apos;s parameter description.</source>
        <translation>Die Parameterbeschreibung des Geräts.</translation>
    </message>
    <message>
        <source>read, watch, diff: print JSON.</source>
        <translation>read, watch, diff: JSON ausgeben.</translation>
    </message>
    <message>
        <source>apply: show what would be written, write nothing.</source>
        <translation>apply: zeigen, was geschrieben würde, nichts schreiben.</translation>
    </message>
    <message>
        <source>apply: leave out the set&apos;s offending values, apply the rest.</source>
        <translation>apply: die unzulässigen Werte des Satzes auslassen, den Rest übernehmen.</translation>
    </message>
    <message>
        <source>Language of captions and list texts: en or de.</source>
        <translation>Sprache der Bezeichnungen und Listentexte: en oder de.</translation>
    </message>
    <message>
        <source>Response timeout in ms (1000).</source>
        <translation>Antwortzeit in ms (1000).</translation>
    </message>
    <message>
        <source>Retries after a timeout (3).</source>
        <translation>Wiederholungen nach einer Zeitüberschreitung (3).</translation>
    </message>
    <message>
        <source>Modbus unit id, 1 .. 247 (1).</source>
        <translation>Modbus-Geräteadresse, 1 .. 247 (1).</translation>
    </message>
    <message>
        <source>watch: poll interval in ms.</source>
        <translation>watch: Abfrageintervall in ms.</translation>
    </message>
    <message>
        <source>watch: stop after N display changes.</source>
        <translation>watch: nach N Anzeigeänderungen aufhören.</translation>
    </message>
    <message>
        <source>watch: stop after S seconds.</source>
        <translation>watch: nach S Sekunden aufhören.</translation>
    </message>
    <message>
        <source>usage: loomwork-cli [options] read|watch|write NAME VALUE|save FILE|diff FILE|apply FILE (see --help)</source>
        <translation>Aufruf: loomwork-cli [Optionen] read|watch|write NAME WERT|save DATEI|diff DATEI|apply DATEI (siehe --help)</translation>
    </message>
    <message>
        <source>--language takes en or de</source>
        <translation>--language nimmt en oder de</translation>
    </message>
    <message>
        <source>(not read)</source>
        <translation>(nicht gelesen)</translation>
    </message>
    <message>
        <source>frame %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>not every parameter could be read</source>
        <translation>nicht alle Parameter konnten gelesen werden</translation>
    </message>
    <message>
        <source>the device has no parameter &quot;%1&quot;</source>
        <translation>das Gerät hat keinen Parameter „%1“</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the current parameters could not be read</source>
        <translation>die aktuellen Parameter konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 = %2 (unchanged)</source>
        <translation>%1 = %2 (unverändert)</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>the write did not complete</source>
        <translation>das Schreiben wurde nicht abgeschlossen</translation>
    </message>
    <message>
        <source>the device now works with other line settings; reach it with them from now on:
%1</source>
        <translation>das Gerät arbeitet jetzt mit anderen Schnittstelleneinstellungen; ab jetzt ist es nur mit diesen erreichbar:
%1</translation>
    </message>
    <message>
        <source>the plugin created no backend</source>
        <translation>das Plugin hat kein Backend angelegt</translation>
    </message>
    <message>
        <source>the plugin&apos;s backend reports no display</source>
        <translation>das Backend des Plugins meldet keine Anzeige</translation>
    </message>
    <message>
        <source>the device display never arrived</source>
        <translation>die Geräteanzeige kam nie an</translation>
    </message>
    <message>
        <source>not every parameter could be read; nothing saved</source>
        <translation>nicht alle Parameter konnten gelesen werden; nichts gespeichert</translation>
    </message>
    <message numerus="yes">
        <source>saved %n value(s) to %1</source>
        <translation>
            <numerusform>%n Wert in %1 gespeichert</numerusform>
            <numerusform>%n Werte in %1 gespeichert</numerusform>
        </translation>
    </message>
    <message>
        <source>(refused, see above)</source>
        <translation>(abgelehnt, siehe oben)</translation>
    </message>
    <message>
        <source>the device holds the set</source>
        <translation>das Gerät hat den Satz</translation>
    </message>
    <message>
        <source>nothing was written: the rest of the set is of no use</source>
        <translation>es wurde nichts geschrieben: der Rest des Satzes ist nicht verwendbar</translation>
    </message>
    <message>
        <source>nothing was written; --force applies the other values</source>
        <translation>es wurde nichts geschrieben; --force übernimmt die übrigen Werte</translation>
    </message>
    <message>
        <source>dry run: nothing written</source>
        <translation>Probelauf: nichts geschrieben</translation>
    </message>
    <message>
        <source>following the device&apos;s new line settings:
%1</source>
        <translation>es gelten die neuen Schnittstelleneinstellungen des Geräts:
%1</translation>
    </message>
    <message>
        <source>the device could not be read back</source>
        <translation>das Gerät konnte nicht zurückgelesen werden</translation>
    </message>
    <message>
        <source>the device does not hold the set</source>
        <translation>das Gerät hat den Satz nicht</translation>
    </message>
    <message>
        <source>the plugin&apos;s backend does not poll</source>
        <translation>das Backend des Plugins fragt den Status nicht ab</translation>
    </message>
</context>
<context>
    <name>LoomworkHost</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>not a device data file</source>
        <translation>keine Gerätedatendatei</translation>
    </message>
    <message>
        <source>device data version %1 is not supported</source>
        <translation>Gerätedaten der Version %1 werden nicht unterstützt</translation>
    </message>
    <message>
        <source>a write-order group names no parameter</source>
        <translation>eine Gruppe der Schreibreihenfolge nennt keinen Parameter</translation>
    </message>
    <message>
        <source>rule %1 (&quot;%2&quot;) is incomplete</source>
        <translation>Regel %1 („%2“) ist unvollständig</translation>
    </message>
    <message>
        <source>Device data file %1</source>
        <translation>Gerätedatendatei %1</translation>
    </message>
    <message>
        <source>Description file %1 does not exist</source>
        <translation>Die Beschreibungsdatei %1 existiert nicht</translation>
    </message>
    <message>
        <source>Description file %1 cannot be read (damaged, unsealed or unsupported)</source>
        <translation>Die Beschreibungsdatei %1 ist nicht lesbar (beschädigt, nicht versiegelt oder nicht unterstützt)</translation>
    </message>
    <message>
        <source>Description file %1 describes no device registers</source>
        <translation>Die Beschreibungsdatei %1 beschreibt keine Geräteregister</translation>
    </message>
    <message>
        <source>No plugin in %1 supports the device %2</source>
        <translation>Kein Plugin in %1 unterstützt das Gerät %2</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Abgelehnt: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of: %2</source>
        <translation>„%1“ ist keiner der Einträge: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither on nor off</source>
        <translation>„%1“ ist weder Ein noch Aus</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>„%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 is outside %2 .. %3</source>
        <translation>%1 liegt außerhalb von %2 .. %3</translation>
    </message>
    <message>
        <source>%1 cannot be set from text</source>
        <translation>%1 kann nicht aus einem Text gesetzt werden</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>not a parameter set</source>
        <translation>kein Parametersatz</translation>
    </message>
    <message>
        <source>parameter-set version %1 is not supported (up to %2)</source>
        <translation>Parametersätze der Version %1 werden nicht unterstützt (bis %2)</translation>
    </message>
    <message>
        <source>the set holds no values</source>
        <translation>der Satz enthält keine Werte</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 ist keine Zahl</translation>
    </message>
    <message>
        <source>Parameter transfer</source>
        <translation>Parameterübertragung</translation>
    </message>
    <message>
        <source>any value of its type</source>
        <translation>jeder Wert seines Typs</translation>
    </message>
    <message>
        <source>%1 refused: another transfer is running</source>
        <translation>%1 abgelehnt: eine andere Übertragung läuft</translation>
    </message>
    <message>
        <source>%1 failed: the link to the device is not open</source>
        <translation>%1 fehlgeschlagen: die Verbindung zum Gerät ist nicht offen</translation>
    </message>
    <message>
        <source>Transfer cancelled: no further parameter is sent</source>
        <translation>Übertragung abgebrochen: es wird kein weiterer Parameter gesendet</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 und %n weiterer</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading all parameters</source>
        <translation>Alle Parameter lesen</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation>Lesen von %1 fehlgeschlagen: %2</translation>
    </message>
    <message numerus="yes">
        <source>Writing %n parameter(s)</source>
        <translation>
            <numerusform>%n Parameter schreiben</numerusform>
            <numerusform>%n Parameter schreiben</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was written:
%1</source>
        <translation>Es wurde nichts geschrieben:
%1</translation>
    </message>
    <message>
        <source>%1: the device refused %2 (allowed: %3): %4</source>
        <translation>%1: das Gerät hat %2 abgelehnt (erlaubt: %3): %4</translation>
    </message>
    <message>
        <source>%1: writing %2 failed: %3</source>
        <translation>%1: Schreiben von %2 fehlgeschlagen: %3</translation>
    </message>
    <message>
        <source>%1: written; not read back, the device now answers with its new line settings</source>
        <translation>%1: geschrieben; nicht zurückgelesen, das Gerät antwortet jetzt mit seinen neuen Schnittstelleneinstellungen</translation>
    </message>
    <message>
        <source>%1: wrote %2, the device holds %3</source>
        <translation>%1: %2 geschrieben, das Gerät hat %3</translation>
    </message>
    <message>
        <source>%1: could not be read back; it shows the last value read from the device</source>
        <translation>%1: konnte nicht zurückgelesen werden; angezeigt wird der zuletzt vom Gerät gelesene Wert</translation>
    </message>
    <message>
        <source>the plugin directory does not exist</source>
        <translation>das Plugin-Verzeichnis existiert nicht</translation>
    </message>
    <message>
        <source>it serves the interface &quot;%1&quot;, not that of Loomwork device plugins</source>
        <translation>sie bedient die Schnittstelle „%1“, nicht die der Loomwork-Geräte-Plugins</translation>
    </message>
    <message>
        <source>it cannot be loaded: %1</source>
        <translation>sie kann nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>its plugin object is not a CLoomworkPlugin</source>
        <translation>ihr Plugin-Objekt ist kein CLoomworkPlugin</translation>
    </message>
    <message>
        <source>The set was taken from %1 (order number %2); this device is %3.</source>
        <translation>Der Satz stammt von %1 (Bestellnummer %2); dieses Gerät ist %3.</translation>
    </message>
    <message>
        <source>%1: the device has no such parameter</source>
        <translation>%1: das Gerät hat keinen solchen Parameter</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than %2 characters</source>
        <translation>„%1“ ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date and time</source>
        <translation>„%1“ ist kein Datum mit Uhrzeit</translation>
    </message>
    <message>
        <source>%1 is no entry of the list (%2)</source>
        <translation>%1 ist kein Eintrag der Liste (%2)</translation>
    </message>
    <message>
        <source>%1 is neither on nor off</source>
        <translation>%1 ist weder Ein noch Aus</translation>
    </message>
    <message>
        <source>%1 cannot be held by the parameter (a 32-bit float)</source>
        <translation>%1 kann der Parameter nicht aufnehmen (eine 32-Bit-Gleitkommazahl)</translation>
    </message>
    <message>
        <source>%1 cannot be held by the parameter (whole numbers %2 .. %3 in register units)</source>
        <translation>%1 kann der Parameter nicht aufnehmen (ganze Zahlen %2 .. %3 in Registereinheiten)</translation>
    </message>
    <message>
        <source>%1: %2 is outside the configured range %3 .. %4</source>
        <translation>%1: %2 liegt außerhalb des eingestellten Bereichs %3 .. %4</translation>
    </message>
    <message>
        <source>%1: %2 is not above %3 (%4)</source>
        <translation>%1: %2 liegt nicht über %3 (%4)</translation>
    </message>
    <message>
        <source>no such serial port</source>
        <translation>diese serielle Schnittstelle gibt es nicht</translation>
    </message>
    <message>
        <source>no permission to open the serial port, or another program uses it</source>
        <translation>keine Berechtigung für die serielle Schnittstelle, oder ein anderes Programm belegt sie</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>Rechner nicht gefunden</translation>
    </message>
    <message>
        <source>no permission to open the connection</source>
        <translation>keine Berechtigung für die Verbindung</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>Verbindung abgewiesen</translation>
    </message>
    <message>
        <source>the device closed the connection</source>
        <translation>das Gerät hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>no response</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>network unreachable</source>
        <translation>Netzwerk nicht erreichbar</translation>
    </message>
    <message>
        <source>Device link</source>
        <translation>Geräteverbindung</translation>
    </message>
    <message>
        <source>illegal function</source>
        <translation>unzulässige Funktion</translation>
    </message>
    <message>
        <source>illegal data address</source>
        <translation>unzulässige Datenadresse</translation>
    </message>
    <message>
        <source>illegal data value</source>
        <translation>unzulässiger Datenwert</translation>
    </message>
    <message>
        <source>server device failure</source>
        <translation>Gerätefehler</translation>
    </message>
    <message>
        <source>acknowledge</source>
        <translation>bestätigt, in Arbeit</translation>
    </message>
    <message>
        <source>server device busy</source>
        <translation>Gerät beschäftigt</translation>
    </message>
    <message>
        <source>memory parity error</source>
        <translation>Speicher-Paritätsfehler</translation>
    </message>
    <message>
        <source>gateway path unavailable</source>
        <translation>Gateway-Pfad nicht verfügbar</translation>
    </message>
    <message>
        <source>gateway target device failed to respond</source>
        <translation>Zielgerät hinter dem Gateway antwortet nicht</translation>
    </message>
    <message>
        <source>unknown exception</source>
        <translation>unbekannte Ausnahme</translation>
    </message>
    <message>
        <source>Link closed</source>
        <translation>Verbindung geschlossen</translation>
    </message>
    <message>
        <source>Connection closed by the device</source>
        <translation>Verbindung vom Gerät geschlossen</translation>
    </message>
    <message>
        <source>Device link restored</source>
        <translation>Geräteverbindung wiederhergestellt</translation>
    </message>
    <message>
        <source>Invalid answer from the device: %1</source>
        <translation>Ungültige Antwort vom Gerät: %1</translation>
    </message>
    <message>
        <source>Connection to the device at %1 lost: %2</source>
        <translation>Verbindung zum Gerät an %1 verloren: %2</translation>
    </message>
    <message>
        <source>Cannot connect to the device at %1: %2</source>
        <translation>Keine Verbindung zum Gerät an %1: %2</translation>
    </message>
    <message>
        <source>%1; next attempt in %2 s</source>
        <translation>%1; nächster Versuch in %2 s</translation>
    </message>
    <message>
        <source>Modbus function %1 is not supported</source>
        <translation>Modbus-Funktion %1 wird nicht unterstützt</translation>
    </message>
    <message>
        <source>%1 registers per request are not possible (1..%2)</source>
        <translation>%1 Register je Anfrage sind nicht möglich (1..%2)</translation>
    </message>
    <message>
        <source>The link to the device is not open</source>
        <translation>Die Verbindung zum Gerät ist nicht offen</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Request not sent: %1</source>
        <translation>Anfrage nicht gesendet: %1</translation>
    </message>
    <message>
        <source>The answer holds %1 registers instead of %2</source>
        <translation>Die Antwort enthält %1 Register statt %2</translation>
    </message>
    <message>
        <source>Modbus exception %1 (%2)</source>
        <translation>Modbus-Ausnahme %1 (%2)</translation>
    </message>
    <message>
        <source>Connection closed during the request</source>
        <translation>Verbindung während der Anfrage geschlossen</translation>
    </message>
    <message>
        <source>Invalid answer: %1</source>
        <translation>Ungültige Antwort: %1</translation>
    </message>
    <message>
        <source>No answer within %1 ms</source>
        <translation>Keine Antwort innerhalb von %1 ms</translation>
    </message>
    <message>
        <source>%1: %2, retrying</source>
        <translation>%1: %2, neuer Versuch</translation>
    </message>
    <message>
        <source>Writing register %1 (1 register)</source>
        <translation>Schreiben von Register %1 (1 Register)</translation>
    </message>
    <message>
        <source>Reading register %1 (1 register)</source>
        <translation>Lesen von Register %1 (1 Register)</translation>
    </message>
    <message>
        <source>Writing register %1 (%2 registers)</source>
        <translation>Schreiben von Register %1 (%2 Register)</translation>
    </message>
    <message>
        <source>Reading register %1 (%2 registers)</source>
        <translation>Lesen von Register %1 (%2 Register)</translation>
    </message>
    <message>
        <source>no connection within %1 ms</source>
        <translation>keine Verbindung innerhalb von %1 ms</translation>
    </message>
</context>
<context>
    <name>LoomworkHostApp</name>
    <message>
        <source>(not read)</source>
        <translation>(nicht gelesen)</translation>
    </message>
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
        <source>Enter the device&apos;s host name or IP address.</source>
        <translation>Geben Sie den Hostnamen oder die IP-Adresse des Geräts ein.</translation>
    </message>
    <message>
        <source>Enter the serial port (for example /dev/ttyUSB0).</source>
        <translation>Geben Sie die serielle Schnittstelle ein (zum Beispiel /dev/ttyUSB0).</translation>
    </message>
    <message>
        <source>The baud rate &quot;%1&quot; is not possible: choose one from the list or enter a whole number from %2 to %3.</source>
        <translation>Die Baudrate „%1“ ist nicht möglich: Wählen Sie eine aus der Liste oder geben Sie eine ganze Zahl von %2 bis %3 ein.</translation>
    </message>
    <message>
        <source>%1, address %2</source>
        <translation>%1, Adresse %2</translation>
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
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>läuft nicht</translation>
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
        <source>Baud rate: choose one or enter a whole number from %1 to %2</source>
        <translation>Baudrate: Wählen Sie eine aus oder geben Sie eine ganze Zahl von %1 bis %2 ein</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Cyclic reading is off:
the display is not current</source>
        <translation>Zyklisches Lesen ist aus:
die Anzeige ist nicht aktuell</translation>
    </message>
    <message>
        <source>Waiting for the device&apos;s status...</source>
        <translation>Warte auf den Status des Geräts...</translation>
    </message>
    <message>
        <source>No answer from the device:
the display is not current</source>
        <translation>Keine Antwort vom Gerät:
die Anzeige ist nicht aktuell</translation>
    </message>
    <message>
        <source>Configures a device over Modbus through its plugin. Without a device it starts the simulator.</source>
        <translation>Konfiguriert ein Gerät über Modbus mit seinem Plugin. Ohne Gerät wird der Simulator gestartet.</translation>
    </message>
    <message>
        <source>invalid value for --%1: %2</source>
        <translation>ungültiger Wert für --%1: %2</translation>
    </message>
    <message>
        <source>Error: %1: %2</source>
        <translation>Fehler: %1: %2</translation>
    </message>
    <message>
        <source>Save log</source>
        <translation>Protokoll speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Log saved to %1</source>
        <translation>Protokoll gespeichert in %1</translation>
    </message>
    <message>
        <source>Parameter sets (*.json)</source>
        <translation>Parametersätze (*.json)</translation>
    </message>
    <message>
        <source>Writing the modified parameters</source>
        <translation>Geänderte Parameter schreiben</translation>
    </message>
    <message>
        <source>Warning: %1: %2</source>
        <translation>Warnung: %1: %2</translation>
    </message>
    <message>
        <source>Plugin refused: %1</source>
        <translation>Plugin abgelehnt: %1</translation>
    </message>
    <message>
        <source>Reconnecting with the device&apos;s new line settings</source>
        <translation>Neu verbinden mit den neuen Schnittstelleneinstellungen des Geräts</translation>
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
        <source>Not taken: %1</source>
        <translation>Nicht übernommen: %1</translation>
    </message>
    <message>
        <source>Last connection: %1. Press Connect to reach the device.</source>
        <translation>Letzte Verbindung: %1. Mit Verbinden erreichen Sie das Gerät.</translation>
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
        <source>Plugins: %1 loaded from %2</source>
        <translation>Plugins: %1 aus %2 geladen</translation>
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
        <source>The built-in simulator has ended: %1. Connect starts it again.</source>
        <translation>Der eingebaute Simulator wurde beendet: %1. Verbinden startet ihn neu.</translation>
    </message>
    <message>
        <source>the built-in simulator has ended</source>
        <translation>der eingebaute Simulator wurde beendet</translation>
    </message>
    <message>
        <source>Starting the simulator %1</source>
        <translation>Starte den Simulator %1</translation>
    </message>
    <message>
        <source>Link resynchronised; cyclic reading goes on</source>
        <translation>Verbindung neu synchronisiert; das zyklische Lesen geht weiter</translation>
    </message>
    <message>
        <source>Reading all parameters</source>
        <translation>Alle Parameter lesen</translation>
    </message>
    <message>
        <source>Writing all parameters</source>
        <translation>Alle Parameter schreiben</translation>
    </message>
    <message>
        <source>Cycle interval not taken: %1</source>
        <translation>Zykluszeit nicht übernommen: %1</translation>
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
        <source>Save &amp;log...</source>
        <translation>Protokoll s&amp;peichern...</translation>
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
        <source>Write &amp;modified parameters</source>
        <translation>&amp;Geänderte Parameter schreiben</translation>
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
        <source>Save parameter set</source>
        <translation>Parametersatz speichern</translation>
    </message>
    <message>
        <source>Open parameter set</source>
        <translation>Parametersatz öffnen</translation>
    </message>
    <message>
        <source>Allowed: %1 to %2</source>
        <translation>Erlaubt: %1 bis %2</translation>
    </message>
    <message>
        <source>%1 is outside the allowed range %2 to %3</source>
        <translation>%1 liegt außerhalb des erlaubten Bereichs %2 bis %3</translation>
    </message>
    <message>
        <source>%1
Not read from the device: the value is not the device&apos;s</source>
        <translation>%1
Nicht vom Gerät gelesen: der Wert ist nicht der des Geräts</translation>
    </message>
    <message>
        <source>%1
Changed here, not yet written; the device holds %2</source>
        <translation>%1
Hier geändert, noch nicht geschrieben; das Gerät hat %2</translation>
    </message>
    <message>
        <source>%1
Not written: %2</source>
        <translation>%1
Nicht geschrieben: %2</translation>
    </message>
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
    <message numerus="yes">
        <source>%n edited value(s) are not written to the device yet.</source>
        <translation>
            <numerusform>%n geänderter Wert ist noch nicht ins Gerät geschrieben.</numerusform>
            <numerusform>%n geänderte Werte sind noch nicht ins Gerät geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Edits not written</source>
        <translation>Nicht geschriebene Änderungen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n value(s) to %1</source>
        <translation>
            <numerusform>%n Wert in %1 gespeichert</numerusform>
            <numerusform>%n Werte in %1 gespeichert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Loaded %1: %n value(s) differ from the device; write them with Write modified.</source>
        <translation>
            <numerusform>%1 geladen: %n Wert weicht vom Gerät ab; mit „Geänderte Parameter schreiben“ schreiben.</numerusform>
            <numerusform>%1 geladen: %n Werte weichen vom Gerät ab; mit „Geänderte Parameter schreiben“ schreiben.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be applied as it is:
%2</source>
        <translation>%1 kann so nicht übernommen werden:
%2</translation>
    </message>
    <message>
        <source>%1

Apply the other values?</source>
        <translation>%1

Die übrigen Werte übernehmen?</translation>
    </message>
    <message numerus="yes">
        <source>Loaded %1 without %n offending value(s): </source>
        <translation>
            <numerusform>%1 ohne %n unzulässigen Wert geladen: </numerusform>
            <numerusform>%1 ohne %n unzulässige Werte geladen: </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) differ from the device.</source>
        <translation>
            <numerusform>%n Wert weicht vom Gerät ab.</numerusform>
            <numerusform>%n Werte weichen vom Gerät ab.</numerusform>
        </translation>
    </message>
    <message>
        <source>Compare parameter set</source>
        <translation>Parametersatz vergleichen</translation>
    </message>
    <message>
        <source>Comparing the parameter set with the device</source>
        <translation>Parametersatz mit dem Gerät vergleichen</translation>
    </message>
    <message>
        <source>The set</source>
        <translation>Der Satz</translation>
    </message>
    <message>
        <source>the simulator was ended by a signal or crashed</source>
        <translation>der Simulator wurde durch ein Signal beendet oder ist abgestürzt</translation>
    </message>
    <message>
        <source>the simulator ended with exit code %1</source>
        <translation>der Simulator endete mit Exit-Code %1</translation>
    </message>
    <message>
        <source>A transfer is already running.</source>
        <translation>Es läuft bereits eine Übertragung.</translation>
    </message>
    <message>
        <source>%1: cancelled</source>
        <translation>%1: abgebrochen</translation>
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
        <source>Writing parameter %1 of %2: %3</source>
        <translation>Schreibe Parameter %1 von %2: %3</translation>
    </message>
    <message>
        <source>Reading back and comparing parameter %1 of %2: %3</source>
        <translation>Lese zurück und vergleiche Parameter %1 von %2: %3</translation>
    </message>
    <message>
        <source>Reading parameter %1 of %2: %3</source>
        <translation>Lese Parameter %1 von %2: %3</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1
Stopping after the current request...</source>
        <translation>%1
Halte nach der laufenden Anfrage an...</translation>
    </message>
    <message>
        <source>%1: nothing to write, the device holds every value</source>
        <translation>%1: nichts zu schreiben, das Gerät hat jeden Wert</translation>
    </message>
    <message>
        <source>Nothing was written:
%1</source>
        <translation>Es wurde nichts geschrieben:
%1</translation>
    </message>
    <message>
        <source>Line settings changed</source>
        <translation>Schnittstelleneinstellungen geändert</translation>
    </message>
    <message>
        <source>The device now works with:
%1
Reconnect with these settings?</source>
        <translation>Das Gerät arbeitet jetzt mit:
%1
Mit diesen Einstellungen neu verbinden?</translation>
    </message>
    <message numerus="yes">
        <source>%n edit(s) not written</source>
        <translation>
            <numerusform>%n Änderung nicht geschrieben</numerusform>
            <numerusform>%n Änderungen nicht geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>▶ Cyclic reading every %1 ms</source>
        <translation>▶ Zyklisches Lesen alle %1 ms</translation>
    </message>
    <message>
        <source>■ Cyclic reading off</source>
        <translation>■ Zyklisches Lesen aus</translation>
    </message>
    <message>
        <source>Write to the device</source>
        <translation>In das Gerät schreiben</translation>
    </message>
    <message>
        <source>New value</source>
        <translation>Neuer Wert</translation>
    </message>
    <message numerus="yes">
        <source>%n parameter(s) will be written, %1 of them with a new value.</source>
        <translation>
            <numerusform>%n Parameter wird geschrieben, davon %1 mit neuem Wert.</numerusform>
            <numerusform>%n Parameter werden geschrieben, davon %1 mit neuem Wert.</numerusform>
        </translation>
    </message>
    <message>
        <source>This write changes the device&apos;s line settings:
%1
The device will answer only with the new settings; afterwards you can reconnect with them.</source>
        <translation>Dieses Schreiben ändert die Schnittstelleneinstellungen des Geräts:
%1
Das Gerät antwortet danach nur noch mit den neuen Einstellungen; anschließend können Sie damit neu verbinden.</translation>
    </message>
    <message>
        <source>Write them before opening a parameter set?</source>
        <translation>Vor dem Öffnen eines Parametersatzes schreiben?</translation>
    </message>
    <message>
        <source>Write them before comparing with the device?</source>
        <translation>Vor dem Vergleich mit dem Gerät schreiben?</translation>
    </message>
    <message>
        <source>Write them before disconnecting?</source>
        <translation>Vor dem Trennen schreiben?</translation>
    </message>
    <message>
        <source>Write them before reading all parameters?</source>
        <translation>Vor dem Lesen aller Parameter schreiben?</translation>
    </message>
    <message>
        <source>Write them before quitting?</source>
        <translation>Vor dem Beenden schreiben?</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Stoppbits</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Datenbits</translation>
    </message>
    <message>
        <source>The built-in simulator</source>
        <translation>Der eingebaute Simulator</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Verbindung</translation>
    </message>
</context>
</TS>
