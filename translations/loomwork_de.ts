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
    <name>Loomwork</name>
    <message>
        <source>a comment</source>
        <translation>ein Kommentar</translation>
    </message>
    <message>
        <source>a CDATA section</source>
        <translation>ein CDATA-Abschnitt</translation>
    </message>
    <message>
        <source>a processing instruction</source>
        <translation>eine Verarbeitungsanweisung</translation>
    </message>
    <message>
        <source>%1 (line %2, column %3)</source>
        <translation>%1 (Zeile %2, Spalte %3)</translation>
    </message>
    <message>
        <source>a text of more than %1 bytes</source>
        <translation>ein Text von mehr als %1 Bytes</translation>
    </message>
    <message>
        <source>%1 of more than %2 bytes</source>
        <translation>%1 von mehr als %2 Bytes</translation>
    </message>
    <message>
        <source>a declaration of more than %1 bytes</source>
        <translation>eine Deklaration von mehr als %1 Bytes</translation>
    </message>
    <message>
        <source>more than %1 elements</source>
        <translation>mehr als %1 Elemente</translation>
    </message>
    <message>
        <source>more than %1 attributes in one element</source>
        <translation>mehr als %1 Attribute in einem Element</translation>
    </message>
    <message>
        <source>more than %1 attributes</source>
        <translation>mehr als %1 Attribute</translation>
    </message>
    <message>
        <source>an attribute value of more than %1 bytes</source>
        <translation>ein Attributwert von mehr als %1 Bytes</translation>
    </message>
    <message>
        <source>not XML at line %1, column %2: %3</source>
        <translation>kein XML in Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>ein Steuerzeichen</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>größer als %1 MB</translation>
    </message>
    <message>
        <source>nested deeper than %1 elements (line %2)</source>
        <translation>tiefer als %1 Elemente verschachtelt (Zeile %2)</translation>
    </message>
    <message>
        <source>more than %1 attributes in one element (line %2)</source>
        <translation>mehr als %1 Attribute in einem Element (Zeile %2)</translation>
    </message>
    <message>
        <source>a name with a character XML does not allow</source>
        <translation>ein Name mit einem Zeichen, das XML nicht erlaubt</translation>
    </message>
    <message>
        <source>entity declarations or references to undeclared entities (line %1)</source>
        <translation>Entity-Deklarationen oder Verweise auf nicht deklarierte Entities (Zeile %1)</translation>
    </message>
    <message>
        <source>an entity reference (line %1)</source>
        <translation>ein Entity-Verweis (Zeile %1)</translation>
    </message>
    <message>
        <source>a byte that is no UTF-8</source>
        <translation>ein Byte, das kein UTF-8 ist</translation>
    </message>
    <message>
        <source>the checksum does not match: the file was changed after it was sealed</source>
        <translation>die Prüfsumme stimmt nicht: die Datei wurde nach dem Versiegeln geändert</translation>
    </message>
    <message>
        <source>not sealed (an unsealed file is read only with --no-xml-check)</source>
        <translation>nicht versiegelt (eine unversiegelte Datei wird nur mit --no-xml-check gelesen)</translation>
    </message>
    <message>
        <source>cannot open the file: %1</source>
        <translation>die Datei lässt sich nicht öffnen: %1</translation>
    </message>
    <message>
        <source>the root element is &lt;%1&gt;, not &lt;%2&gt;</source>
        <translation>das Wurzelelement ist &lt;%1&gt;, nicht &lt;%2&gt;</translation>
    </message>
    <message>
        <source>table version &quot;%1&quot; is not supported (this program reads %2 and later)</source>
        <translation>Tabellenversion „%1“ wird nicht unterstützt (dieses Programm liest %2 und neuer)</translation>
    </message>
    <message>
        <source>the project header lacks the project name or the order number</source>
        <translation>dem Projektkopf fehlt der Projektname oder die Bestellnummer</translation>
    </message>
</context>
<context>
    <name>LoomworkCli</name>
    <message>
        <source>give exactly one of --tcp HOST:PORT and --serial PORT</source>
        <translation>genau eines von --tcp HOST:PORT und --serial PORT angeben</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &quot;%4&quot;</source>
        <translation>--%1 nimmt eine ganze Zahl von %2 bis %3, nicht „%4“</translation>
    </message>
    <message>
        <source>Modbus TCP device at HOST:PORT ([ADDRESS]:PORT for IPv6).</source>
        <translation>Modbus-TCP-Gerät unter HOST:PORT ([ADRESSE]:PORT für IPv6).</translation>
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
        <source>Response timeout in ms, 10 .. 60000 (1000).</source>
        <translation>Antwortzeit in ms, 10 .. 60000 (1000).</translation>
    </message>
    <message>
        <source>Further attempts of a request, 0 .. 10 (3).</source>
        <translation>Weitere Versuche einer Anfrage, 0 .. 10 (3).</translation>
    </message>
    <message>
        <source>Modbus unit id, 1 .. 247 (1).</source>
        <translation>Modbus-Geräteadresse, 1 .. 247 (1).</translation>
    </message>
    <message>
        <source>watch: poll interval in ms, 10 .. 3600000.</source>
        <translation>watch: Abfrageintervall in ms, 10 .. 3600000.</translation>
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
        <source>(refused, see above)</source>
        <translation>(abgelehnt, siehe oben)</translation>
    </message>
    <message>
        <source>the plugin&apos;s backend does not poll</source>
        <translation>das Backend des Plugins fragt den Status nicht ab</translation>
    </message>
    <message>
        <source>the report was not written: %1</source>
        <translation>das Protokoll wurde nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made</source>
        <translation>%1: der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the worker for %1 crashed</source>
        <translation>der Hilfsprozess für %1 ist abgestürzt</translation>
    </message>
    <message>
        <source>the worker for %1 ended with code %2: %3</source>
        <translation>der Hilfsprozess für %1 endete mit Code %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n parameter(s) written)</source>
        <translation>
            <numerusform>%1 (%n Parameter geschrieben)</numerusform>
            <numerusform>%1 (%n Parameter geschrieben)</numerusform>
        </translation>
    </message>
    <message>
        <source>report: %1</source>
        <translation>Protokoll: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n device(s) ended as asked</source>
        <translation>
            <numerusform>%1 von %n Gerät mit dem verlangten Ergebnis</numerusform>
            <numerusform>%1 von %n Geräten mit dem verlangten Ergebnis</numerusform>
        </translation>
    </message>
    <message>
        <source>--unit-ids expects FIRST-LAST within 1 .. 247, not &quot;%1&quot;</source>
        <translation>--unit-ids erwartet ERSTE-LETZTE in 1 .. 247, nicht „%1“</translation>
    </message>
    <message numerus="yes">
        <source>scanning unit ids %1 .. %2 at %n line setting(s); at most %3 s</source>
        <translation>
            <numerusform>durchsuche die Geräteadressen %1 .. %2 mit %n Schnittstelleneinstellung; höchstens %3 s</numerusform>
            <numerusform>durchsuche die Geräteadressen %1 .. %2 mit %n Schnittstelleneinstellungen; höchstens %3 s</numerusform>
        </translation>
    </message>
    <message>
        <source>link</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>unit id</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>order number</source>
        <translation>Bestellnummer</translation>
    </message>
    <message>
        <source>software version</source>
        <translation>Softwareversion</translation>
    </message>
    <message>
        <source>%1 of %2 requests</source>
        <translation>%1 von %2 Anfragen</translation>
    </message>
    <message>
        <source>no device answered</source>
        <translation>kein Gerät hat geantwortet</translation>
    </message>
    <message numerus="yes">
        <source>%n device(s) found</source>
        <translation>
            <numerusform>%n Gerät gefunden</numerusform>
            <numerusform>%n Geräte gefunden</numerusform>
        </translation>
    </message>
    <message>
        <source>(answered with exception %1: %2)</source>
        <translation>(antwortete mit Ausnahme %1: %2)</translation>
    </message>
    <message>
        <source>(unknown)</source>
        <translation>(unbekannt)</translation>
    </message>
    <message>
        <source>%1; nothing saved</source>
        <translation>%1; nichts gespeichert</translation>
    </message>
    <message>
        <source>%1; --force applies the other values</source>
        <translation>%1; --force übernimmt die übrigen Werte</translation>
    </message>
    <message>
        <source>read, write, watch, save, diff, apply or scan</source>
        <translation>read, write, watch, save, diff, apply oder scan</translation>
    </message>
    <message>
        <source>read, watch, diff, scan: print JSON.</source>
        <translation>read, watch, diff, scan: JSON ausgeben.</translation>
    </message>
    <message>
        <source>save, diff, apply: write report.json and report.html into DIR.</source>
        <translation>save, diff, apply: report.json und report.html in ORDNER schreiben.</translation>
    </message>
    <message>
        <source>save, diff, apply: every device of the fleet list FILE (lines &quot;LINK UNIT-ID [SERIAL]&quot;, CSV or JSON) instead of --tcp or --serial.</source>
        <translation>save, diff, apply: jedes Gerät der Geräteliste DATEI (Zeilen „VERBINDUNG ADRESSE [SERIENNUMMER]“, CSV oder JSON) statt --tcp oder --serial.</translation>
    </message>
    <message>
        <source>With --devices: serve up to N endpoints at once (1).</source>
        <translation>Mit --devices: bis zu N Endpunkte gleichzeitig bedienen (1).</translation>
    </message>
    <message>
        <source>scan: the unit ids to ask (1-247).</source>
        <translation>scan: die abzufragenden Geräteadressen (1-247).</translation>
    </message>
    <message>
        <source>scan: try every line setting, not only up to the first at which a device answers.</source>
        <translation>scan: jede Schnittstelleneinstellung versuchen, nicht nur bis zur ersten, bei der ein Gerät antwortet.</translation>
    </message>
    <message>
        <source>--jobs takes 1 .. 64, not %1</source>
        <translation>--jobs nimmt 1 .. 64, nicht %1</translation>
    </message>
    <message>
        <source>usage: loomwork-cli [options] read|watch|write NAME VALUE|save FILE|diff FILE|apply FILE|scan (see --help)</source>
        <translation>Aufruf: loomwork-cli [Optionen] read|watch|write NAME WERT|save DATEI|diff DATEI|apply DATEI|scan (siehe --help)</translation>
    </message>
    <message>
        <source>--devices goes with save, diff or apply, without --tcp or --serial</source>
        <translation>--devices gehört zu save, diff oder apply, ohne --tcp oder --serial</translation>
    </message>
    <message>
        <source>nothing to record: %1</source>
        <translation>nichts aufzuzeichnen: %1</translation>
    </message>
    <message>
        <source>not every parameter could be read: rows without a known unit leave it empty</source>
        <translation>nicht jeder Parameter ließ sich lesen: Zeilen ohne bekannte Einheit lassen sie leer</translation>
    </message>
    <message>
        <source>Reads and writes the parameters of a device and watches its display.

Commands:
  read              print all parameters (name, value, unit; --json)
  write NAME VALUE  set one parameter (list entry text or number in display
                    units), let the device rules follow, write what changed
  watch             print the display text and LED as they change (--json);
                    --csv FILE records every status answer
  save FILE         save the device&apos;s parameters as a parameter set
  diff FILE         show where the device differs from a parameter set
  apply FILE        write the set&apos;s differing values (--dry-run, --force)
  scan              find the devices on the link (--unit-ids FIRST-LAST)

save DIR, diff FILE and apply FILE with --devices FLEET work on every device
of a fleet list instead of one link (--jobs N endpoints at once, --report DIR).

Exit codes: 0 ok, 1 usage, 2 setup (description, plugin), 3 connection,
4 read failed, 5 unknown parameter, bad value or refused set, 6 write failed,
7 the device differs from the set, 8 set file not readable or writable,
9 a device of a fleet was skipped or failed.</source>
        <translation>Liest und schreibt die Parameter eines Geräts und beobachtet seine Anzeige.

Befehle:
  read              alle Parameter ausgeben (Name, Wert, Einheit; --json)
  write NAME WERT   einen Parameter setzen (Listeneintrag oder Zahl in
                    Anzeigeeinheiten), Geräteregeln folgen lassen, Geändertes schreiben
  watch             Anzeigetext und LED ausgeben, wenn sie sich ändern (--json);
                    --csv DATEI zeichnet jede Statusantwort auf
  save DATEI        die Parameter des Geräts als Parametersatz speichern
  diff DATEI        zeigen, worin das Gerät von einem Parametersatz abweicht
  apply DATEI       die abweichenden Werte des Satzes schreiben (--dry-run, --force)
  scan              die Geräte an der Verbindung suchen (--unit-ids ERSTE-LETZTE)

save ORDNER, diff DATEI und apply DATEI mit --devices GERÄTELISTE wirken auf jedes
Gerät einer Geräteliste statt auf eine Verbindung (--jobs N Endpunkte gleichzeitig,
--report ORDNER).

Rückgabewerte: 0 ok, 1 Aufruf, 2 Einrichtung (Beschreibung, Plugin), 3 Verbindung,
4 Lesen fehlgeschlagen, 5 unbekannter Parameter, unzulässiger Wert oder abgelehnter Satz,
6 Schreiben fehlgeschlagen, 7 das Gerät weicht vom Satz ab, 8 Satzdatei nicht les- oder schreibbar,
9 ein Gerät der Geräteliste wurde übersprungen oder scheiterte.</translation>
    </message>
    <message>
        <source>watch: also record every status answer to a CSV file.</source>
        <translation>watch: jede Statusantwort zusätzlich in eine CSV-Datei aufzeichnen.</translation>
    </message>
    <message>
        <source>watch --csv: least time between two rows in ms (0: every answer).</source>
        <translation>watch --csv: kleinster Abstand zweier Zeilen in ms (0: jede Antwort).</translation>
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
        <source>Description file %1 cannot be read: %2</source>
        <translation>Beschreibungsdatei %1 ist nicht lesbar: %2</translation>
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
        <source>%1: not written, because %2 was not written</source>
        <translation>%1: nicht geschrieben, weil %2 nicht geschrieben wurde</translation>
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
        <source>Modbus exception %1 (%2)</source>
        <translation>Modbus-Ausnahme %1 (%2)</translation>
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
    <message>
        <source>no connection to %1</source>
        <translation>keine Verbindung zu %1</translation>
    </message>
    <message>
        <source>nothing to scan</source>
        <translation>nichts zu durchsuchen</translation>
    </message>
    <message>
        <source>the device description has no nameplate parameters</source>
        <translation>die Gerätebeschreibung hat keine Typenschild-Parameter</translation>
    </message>
    <message>
        <source>the scan was cancelled</source>
        <translation>die Suche wurde abgebrochen</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made</source>
        <translation>%1: der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Parameter sets saved</source>
        <translation>Parametersätze gespeichert</translation>
    </message>
    <message>
        <source>Devices compared with a parameter set</source>
        <translation>Geräte mit einem Parametersatz verglichen</translation>
    </message>
    <message>
        <source>Device configured in the host</source>
        <translation>Gerät im Host eingestellt</translation>
    </message>
    <message>
        <source>Parameter set applied (dry run, nothing written)</source>
        <translation>Parametersatz übertragen (Probelauf, nichts geschrieben)</translation>
    </message>
    <message>
        <source>Parameter set applied</source>
        <translation>Parametersatz übertragen</translation>
    </message>
    <message>
        <source>en</source>
        <comment>language code of the report</comment>
        <translation>de</translation>
    </message>
    <message>
        <source>Commissioning report</source>
        <translation>Inbetriebnahmeprotokoll</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Parameter set</source>
        <translation>Parametersatz</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>parameter version</source>
        <translation>Parameterversion</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Every device ended as asked.</source>
        <translation>Jedes Gerät hat das verlangte Ergebnis erreicht.</translation>
    </message>
    <message>
        <source>Not every device ended as asked: see the devices marked below.</source>
        <translation>Nicht jedes Gerät hat das verlangte Ergebnis erreicht: siehe die unten markierten Geräte.</translation>
    </message>
    <message numerus="yes">
        <source>%n device(s)</source>
        <translation>
            <numerusform>%n Gerät</numerusform>
            <numerusform>%n Geräte</numerusform>
        </translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Unit id</source>
        <translation>Geräteadresse</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Softwareversion</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <source>Device %1: %2, unit id %3</source>
        <translation>Gerät %1: %2, Geräteadresse %3</translation>
    </message>
    <message>
        <source>Order number</source>
        <translation>Bestellnummer</translation>
    </message>
    <message>
        <source>Expected serial number</source>
        <translation>Erwartete Seriennummer</translation>
    </message>
    <message>
        <source>any</source>
        <translation>beliebig</translation>
    </message>
    <message>
        <source>Parameter set file</source>
        <translation>Parametersatz-Datei</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>Written parameters</source>
        <translation>Geschriebene Parameter</translation>
    </message>
    <message>
        <source>Would be written</source>
        <translation>Würde geschrieben</translation>
    </message>
    <message>
        <source>Differences from the set</source>
        <translation>Abweichungen vom Satz</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>Read back</source>
        <translation>Zurückgelesen</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Satz</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>the device cannot take the set&apos;s value</source>
        <translation>das Gerät kann den Wert des Satzes nicht übernehmen</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>would change (dry run)</source>
        <translation>würde geändert (Probelauf)</translation>
    </message>
    <message>
        <source>saved</source>
        <translation>gespeichert</translation>
    </message>
    <message>
        <source>differs from the set</source>
        <translation>weicht vom Satz ab</translation>
    </message>
    <message>
        <source>skipped: other serial number</source>
        <translation>übersprungen: andere Seriennummer</translation>
    </message>
    <message>
        <source>skipped: other model</source>
        <translation>übersprungen: anderes Modell</translation>
    </message>
    <message>
        <source>skipped: no answer</source>
        <translation>übersprungen: keine Antwort</translation>
    </message>
    <message>
        <source>set refused</source>
        <translation>Satz abgelehnt</translation>
    </message>
    <message>
        <source>read failed</source>
        <translation>Lesen fehlgeschlagen</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>Schreiben fehlgeschlagen</translation>
    </message>
    <message>
        <source>not saved</source>
        <translation>nicht gespeichert</translation>
    </message>
    <message>
        <source>not written</source>
        <translation>nicht geschrieben</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>bestätigt</translation>
    </message>
    <message>
        <source>the device holds another value</source>
        <translation>das Gerät hat einen anderen Wert</translation>
    </message>
    <message>
        <source>refused by the device</source>
        <translation>vom Gerät abgelehnt</translation>
    </message>
    <message>
        <source>not read back (new line settings)</source>
        <translation>nicht zurückgelesen (neue Schnittstelleneinstellungen)</translation>
    </message>
    <message>
        <source>could not be read back</source>
        <translation>konnte nicht zurückgelesen werden</translation>
    </message>
    <message>
        <source>the list names no device</source>
        <translation>die Liste nennt kein Gerät</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... und %n weiteres</numerusform>
            <numerusform>... und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>not a JSON list of devices: %1</source>
        <translation>keine JSON-Liste von Geräten: %1</translation>
    </message>
    <message>
        <source>entry %1: %2</source>
        <translation>Eintrag %1: %2</translation>
    </message>
    <message>
        <source>entry %1: the unit id must lie in 1 .. 247, not &quot;%2&quot;</source>
        <translation>Eintrag %1: die Geräteadresse muss in 1 .. 247 liegen, nicht „%2“</translation>
    </message>
    <message>
        <source>entry %1: unit id %2 on %3 is named in entry %4 already</source>
        <translation>Eintrag %1: Geräteadresse %2 an %3 steht schon in Eintrag %4</translation>
    </message>
    <message>
        <source>no connection to %1: %2</source>
        <translation>keine Verbindung zu %1: %2</translation>
    </message>
    <message>
        <source>no answer behind the gateway (%1)</source>
        <translation>keine Antwort hinter dem Gateway (%1)</translation>
    </message>
    <message>
        <source>&quot;rtu:%1&quot; names no serial port</source>
        <translation>„rtu:%1“ nennt keine Schnittstelle</translation>
    </message>
    <message>
        <source>the device does not answer: %1</source>
        <translation>das Gerät antwortet nicht: %1</translation>
    </message>
    <message>
        <source>the device answered the nameplate read with exception %1 (%2)</source>
        <translation>das Gerät beantwortete das Lesen des Typenschilds mit Ausnahme %1 (%2)</translation>
    </message>
    <message>
        <source>the device has order number &quot;%1&quot; (%2), the description is for %3 (%4)</source>
        <translation>das Gerät hat die Bestellnummer „%1“ (%2), die Beschreibung gilt für %3 (%4)</translation>
    </message>
    <message>
        <source>a model no plugin serves</source>
        <translation>ein Modell, das kein Plugin bedient</translation>
    </message>
    <message>
        <source>the device has serial number %1, expected %2</source>
        <translation>das Gerät hat die Seriennummer %1, erwartet war %2</translation>
    </message>
    <message>
        <source>not every parameter could be read</source>
        <translation>nicht alle Parameter konnten gelesen werden</translation>
    </message>
    <message numerus="yes">
        <source>saved %n value(s) to %1</source>
        <translation>
            <numerusform>%n Wert in %1 gespeichert</numerusform>
            <numerusform>%n Werte in %1 gespeichert</numerusform>
        </translation>
    </message>
    <message>
        <source>the set cannot be compared with this device</source>
        <translation>der Satz kann nicht mit diesem Gerät verglichen werden</translation>
    </message>
    <message>
        <source>the device holds the set</source>
        <translation>das Gerät hat den Satz</translation>
    </message>
    <message numerus="yes">
        <source>%n parameter(s) differ from the set</source>
        <translation>
            <numerusform>%n Parameter weicht vom Satz ab</numerusform>
            <numerusform>%n Parameter weichen vom Satz ab</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing was written: the rest of the set is of no use</source>
        <translation>es wurde nichts geschrieben: der Rest des Satzes ist nicht verwendbar</translation>
    </message>
    <message>
        <source>nothing was written: the set has values this device cannot take</source>
        <translation>es wurde nichts geschrieben: der Satz hat Werte, die dieses Gerät nicht übernehmen kann</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>dry run: nothing written</source>
        <translation>Probelauf: nichts geschrieben</translation>
    </message>
    <message>
        <source>the write did not complete</source>
        <translation>das Schreiben wurde nicht abgeschlossen</translation>
    </message>
    <message>
        <source>following the device&apos;s new line settings:
%1</source>
        <translation>es gelten die neuen Schnittstelleneinstellungen des Geräts:
%1</translation>
    </message>
    <message>
        <source>no answer on the device&apos;s new line settings: %1</source>
        <translation>keine Antwort mit den neuen Schnittstelleneinstellungen des Geräts: %1</translation>
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
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>display frame %1 needs a number, digit bytes and two status bytes</source>
        <translation>Anzeigebild %1 braucht eine Nummer, Zifferbytes und zwei Statusbytes</translation>
    </message>
    <message>
        <source>the device data describe no display</source>
        <translation>die Gerätedaten beschreiben keine Anzeige</translation>
    </message>
    <message>
        <source>the device data name no status block</source>
        <translation>die Gerätedaten nennen keinen Statusblock</translation>
    </message>
    <message>
        <source>the status block&apos;s request type &quot;%1&quot; is neither cyclicRead, plain nor a number</source>
        <translation>der Anfragetyp &quot;%1&quot; des Statusblocks ist weder cyclicRead noch plain noch eine Zahl</translation>
    </message>
    <message>
        <source>%1 bytes beyond the answer</source>
        <translation>%1 Bytes hinter der Antwort</translation>
    </message>
    <message>
        <source>%1, and reading back failed: %2</source>
        <translation>%1, und das Zurücklesen schlug fehl: %2</translation>
    </message>
    <message>
        <source>%1, and the device does not hold the values written</source>
        <translation>%1, und das Gerät hält die geschriebenen Werte nicht</translation>
    </message>
    <message>
        <source>%1: %2, reading back what the device holds</source>
        <translation>%1: %2, es wird zurückgelesen, was das Gerät hält</translation>
    </message>
    <message>
        <source>%1: %2; reading back shows the values written</source>
        <translation>%1: %2; das Zurücklesen zeigt die geschriebenen Werte</translation>
    </message>
    <message>
        <source>%1: skipped a late answer to an earlier attempt</source>
        <translation>%1: eine späte Antwort auf einen früheren Versuch übergangen</translation>
    </message>
    <message>
        <source>%1; the device may hold the new values, they could not be read back (%2)</source>
        <translation>%1; das Gerät hält womöglich die neuen Werte, sie ließen sich nicht zurücklesen (%2)</translation>
    </message>
    <message>
        <source>No connection to the device within %1 ms</source>
        <translation>Keine Verbindung zum Gerät innerhalb von %1 ms</translation>
    </message>
    <message>
        <source>byte count %1 instead of %2 (%3 registers)</source>
        <translation>Byteanzahl %1 statt %2 (%3 Register)</translation>
    </message>
    <message>
        <source>checksum %1 instead of %2</source>
        <translation>Prüfsumme %1 statt %2</translation>
    </message>
    <message>
        <source>echo of register %1 instead of %2</source>
        <translation>Echo von Register %1 statt %2</translation>
    </message>
    <message>
        <source>echo of register count %1 instead of %2</source>
        <translation>Echo der Registeranzahl %1 statt %2</translation>
    </message>
    <message>
        <source>echo of value %1 instead of %2</source>
        <translation>Echo des Werts %1 statt %2</translation>
    </message>
    <message>
        <source>function code %1 instead of %2</source>
        <translation>Funktionscode %1 statt %2</translation>
    </message>
    <message>
        <source>length field %1 instead of %2</source>
        <translation>Längenfeld %1 statt %2</translation>
    </message>
    <message>
        <source>protocol id %1 instead of 0</source>
        <translation>Protokollkennung %1 statt 0</translation>
    </message>
    <message>
        <source>transaction %1 instead of %2</source>
        <translation>Transaktion %1 statt %2</translation>
    </message>
    <message>
        <source>unit id %1 instead of %2</source>
        <translation>Unit-ID %1 statt %2</translation>
    </message>
    <message>
        <source>%1 is outside what the parameter can hold (%2 .. %3)</source>
        <translation>%1 liegt außerhalb dessen, was der Parameter fassen kann (%2 .. %3)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no HOST:PORT (an IPv6 address goes in brackets: [::1]:502)</source>
        <translation>„%1“ ist kein HOST:PORT (eine IPv6-Adresse steht in Klammern: [::1]:502)</translation>
    </message>
    <message>
        <source>the port in &quot;%1&quot; must be a number from 1 to 65535</source>
        <translation>der Port in „%1“ muss eine Zahl von 1 bis 65535 sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no link: give tcp:HOST:PORT or rtu:PORT[:BAUD:8E1] (%2)</source>
        <translation>„%1“ ist keine Verbindung: tcp:HOST:PORT oder rtu:SCHNITTSTELLE[:BAUD:8E1] angeben (%2)</translation>
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
        <source>invalid value for --%1: %2 (a whole number from %3 to %4)</source>
        <translation>ungültiger Wert für --%1: %2 (eine ganze Zahl von %3 bis %4)</translation>
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
    <message>
        <source>Connecting to the device found at %1, unit id %2</source>
        <translation>Verbinde mit dem gefundenen Gerät an %1, Geräteadresse %2</translation>
    </message>
    <message>
        <source>Disconnected from %1 for the search</source>
        <translation>Verbindung über %1 für die Suche getrennt</translation>
    </message>
    <message>
        <source>Folder for the commissioning report</source>
        <translation>Ordner für das Inbetriebnahmeprotokoll</translation>
    </message>
    <message>
        <source>not written to the device: %1</source>
        <translation>nicht auf das Gerät geschrieben: %1</translation>
    </message>
    <message>
        <source>the device&apos;s nameplate was not read</source>
        <translation>das Typenschild des Geräts wurde nicht gelesen</translation>
    </message>
    <message>
        <source>nothing was written since the link was opened</source>
        <translation>seit dem Verbindungsaufbau wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>not every value was taken and read back as written</source>
        <translation>nicht jeder Wert wurde so übernommen und zurückgelesen, wie er geschrieben wurde</translation>
    </message>
    <message numerus="yes">
        <source>%n parameter(s) written and read back</source>
        <translation>
            <numerusform>%n Parameter geschrieben und zurückgelesen</numerusform>
            <numerusform>%n Parameter geschrieben und zurückgelesen</numerusform>
        </translation>
    </message>
    <message>
        <source>Commissioning report</source>
        <translation>Inbetriebnahmeprotokoll</translation>
    </message>
    <message>
        <source>Commissioning report written to %1</source>
        <translation>Inbetriebnahmeprotokoll nach %1 geschrieben</translation>
    </message>
    <message>
        <source>Asking unit ids %1 to %2 on %3 ...</source>
        <translation>Frage die Geräteadressen %1 bis %2 über %3 ab ...</translation>
    </message>
    <message>
        <source>The first unit id lies above the last.</source>
        <translation>Die erste Geräteadresse liegt über der letzten.</translation>
    </message>
    <message>
        <source>answered with exception %1</source>
        <translation>antwortete mit Ausnahme %1</translation>
    </message>
    <message>
        <source>(unknown)</source>
        <translation>(unbekannt)</translation>
    </message>
    <message numerus="yes">
        <source>%n device(s) found.</source>
        <translation>
            <numerusform>%n Gerät gefunden.</numerusform>
            <numerusform>%n Geräte gefunden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line setting(s), at most %1 s</source>
        <translation>
            <numerusform>%n Schnittstelleneinstellung, höchstens %1 s</numerusform>
            <numerusform>%n Schnittstelleneinstellungen, höchstens %1 s</numerusform>
        </translation>
    </message>
    <message>
        <source>Find devices</source>
        <translation>Geräte suchen</translation>
    </message>
    <message>
        <source>Modbus TCP</source>
        <translation>Modbus TCP</translation>
    </message>
    <message>
        <source>Modbus RTU (serial line)</source>
        <translation>Modbus RTU (serielle Leitung)</translation>
    </message>
    <message>
        <source>Try every baud rate and parity</source>
        <translation>Jede Baudrate und Parität versuchen</translation>
    </message>
    <message>
        <source>Unit ids:</source>
        <translation>Geräteadressen:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>Unit id</source>
        <translation>Geräteadresse</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Order number</source>
        <translation>Bestellnummer</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Softwareversion</translation>
    </message>
    <message>
        <source>Double-click a device to connect to it.</source>
        <translation>Doppelklick auf ein Gerät verbindet mit ihm.</translation>
    </message>
    <message>
        <source>Write them before connecting to the device found?</source>
        <translation>Vor dem Verbinden mit dem gefundenen Gerät schreiben?</translation>
    </message>
    <message>
        <source>Write commissioning &amp;report...</source>
        <translation>Inbetriebnahme&amp;protokoll schreiben...</translation>
    </message>
    <message>
        <source>&amp;Find devices...</source>
        <translation>Geräte s&amp;uchen...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Traffic monitor</source>
        <translation>Kommunikationsmonitor</translation>
    </message>
    <message>
        <source>Read holding registers (%1)</source>
        <translation>Holding-Register lesen (%1)</translation>
    </message>
    <message>
        <source>Read input registers (%1)</source>
        <translation>Input-Register lesen (%1)</translation>
    </message>
    <message>
        <source>Write single register (%1)</source>
        <translation>Ein Register schreiben (%1)</translation>
    </message>
    <message>
        <source>Write multiple registers (%1)</source>
        <translation>Mehrere Register schreiben (%1)</translation>
    </message>
    <message>
        <source>Function %1</source>
        <translation>Funktion %1</translation>
    </message>
    <message>
        <source>retry</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>exception %1 (%2)</source>
        <translation>Ausnahme %1 (%2)</translation>
    </message>
    <message>
        <source>timeout</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>request</source>
        <translation>Anfrage</translation>
    </message>
    <message>
        <source>response</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Bytes (hex)</source>
        <translation>Bytes (hex)</translation>
    </message>
    <message>
        <source>Round trip</source>
        <translation>Umlaufzeit</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Filter (any text of a row)</source>
        <translation>Filter (beliebiger Text einer Zeile)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Holds the table still; the statistics go on counting</source>
        <translation>Hält die Tabelle an; die Statistik zählt weiter</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Empties the table and the statistics</source>
        <translation>Leert die Tabelle und die Statistik</translation>
    </message>
    <message>
        <source>Requests:</source>
        <translation>Anfragen:</translation>
    </message>
    <message>
        <source>Retries:</source>
        <translation>Wiederholungen:</translation>
    </message>
    <message>
        <source>Timeouts:</source>
        <translation>Zeitüberschreitungen:</translation>
    </message>
    <message>
        <source>Exceptions:</source>
        <translation>Ausnahmen:</translation>
    </message>
    <message>
        <source>Failures:</source>
        <translation>Fehler:</translation>
    </message>
    <message>
        <source>Mean round trip:</source>
        <translation>Mittlere Umlaufzeit:</translation>
    </message>
    <message>
        <source>99th percentile:</source>
        <translation>99. Perzentil:</translation>
    </message>
    <message>
        <source>Round trip that 99 of 100 answers beat (over the last %1 answers)</source>
        <translation>Umlaufzeit, die 99 von 100 Antworten unterbieten (über die letzten %1 Antworten)</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufzeichnung</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>Aufzeichnung nach %1</translation>
    </message>
    <message numerus="yes">
        <source>Recording ended: %n row(s) in %1</source>
        <translation>
            <numerusform>Aufzeichnung beendet: %n Zeile in %1</numerusform>
            <numerusform>Aufzeichnung beendet: %n Zeilen in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Record to file</source>
        <translation>In Datei aufzeichnen</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Value (%1)</source>
        <translation>Wert (%1)</translation>
    </message>
    <message>
        <source>Output (%)</source>
        <translation>Ausgang (%)</translation>
    </message>
    <message>
        <source>No trend: %1</source>
        <translation>Kein Trend: %1</translation>
    </message>
    <message>
        <source>Link down: nothing is drawn until the device answers again</source>
        <translation>Verbindung unterbrochen: gezeichnet wird erst wieder, wenn das Gerät antwortet</translation>
    </message>
    <message>
        <source>Waiting for the device&apos;s status (cyclic reading)</source>
        <translation>Warte auf den Status des Geräts (zyklisches Lesen)</translation>
    </message>
    <message>
        <source>No status answer since %1</source>
        <translation>Keine Statusantwort seit %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message numerus="yes">
        <source>Recording: %n row(s)</source>
        <translation>
            <numerusform>Aufzeichnung: %n Zeile</numerusform>
            <numerusform>Aufzeichnung: %n Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>Holds the picture still; samples are still taken and recorded</source>
        <translation>Hält das Bild an; Werte werden weiter erfasst und aufgezeichnet</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Folgen</translation>
    </message>
    <message>
        <source>Back to the newest samples after zooming or panning</source>
        <translation>Zurück zu den neuesten Werten nach Zoomen oder Verschieben</translation>
    </message>
    <message>
        <source>Last minute</source>
        <translation>Letzte Minute</translation>
    </message>
    <message>
        <source>Last 10 minutes</source>
        <translation>Letzte 10 Minuten</translation>
    </message>
    <message>
        <source>Last hour</source>
        <translation>Letzte Stunde</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>Wheel: zoom the time axis · drag: pan · double click: follow the newest</source>
        <translation>Mausrad: Zeitachse zoomen · Ziehen: verschieben · Doppelklick: den neuesten Werten folgen</translation>
    </message>
    <message>
        <source>Record every</source>
        <translation>Aufzeichnen alle</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Least time between two rows of a recording</source>
        <translation>Kleinster Abstand zweier Zeilen einer Aufzeichnung</translation>
    </message>
    <message>
        <source>Record to file...</source>
        <translation>In Datei aufzeichnen...</translation>
    </message>
    <message>
        <source>Writes every status answer (one row per interval) to a CSV file</source>
        <translation>Schreibt jede Statusantwort (eine Zeile je Intervall) in eine CSV-Datei</translation>
    </message>
</context>
</TS>
