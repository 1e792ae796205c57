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
    <name>CItem</name>
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
        <translation>Progress:</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 of %2</translation>
    </message>
</context>
<context>
    <name>Loomwork</name>
    <message>
        <source>a comment</source>
        <translation>a comment</translation>
    </message>
    <message>
        <source>a CDATA section</source>
        <translation>a CDATA section</translation>
    </message>
    <message>
        <source>a processing instruction</source>
        <translation>a processing instruction</translation>
    </message>
    <message>
        <source>%1 (line %2, column %3)</source>
        <translation>%1 (line %2, column %3)</translation>
    </message>
    <message>
        <source>a text of more than %1 bytes</source>
        <translation>a text of more than %1 bytes</translation>
    </message>
    <message>
        <source>%1 of more than %2 bytes</source>
        <translation>%1 of more than %2 bytes</translation>
    </message>
    <message>
        <source>a declaration of more than %1 bytes</source>
        <translation>a declaration of more than %1 bytes</translation>
    </message>
    <message>
        <source>more than %1 elements</source>
        <translation>more than %1 elements</translation>
    </message>
    <message>
        <source>more than %1 attributes in one element</source>
        <translation>more than %1 attributes in one element</translation>
    </message>
    <message>
        <source>more than %1 attributes</source>
        <translation>more than %1 attributes</translation>
    </message>
    <message>
        <source>an attribute value of more than %1 bytes</source>
        <translation>an attribute value of more than %1 bytes</translation>
    </message>
    <message>
        <source>not XML at line %1, column %2: %3</source>
        <translation>not XML at line %1, column %2: %3</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>a control character</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>larger than %1 MB</translation>
    </message>
    <message>
        <source>nested deeper than %1 elements (line %2)</source>
        <translation>nested deeper than %1 elements (line %2)</translation>
    </message>
    <message>
        <source>more than %1 attributes in one element (line %2)</source>
        <translation>more than %1 attributes in one element (line %2)</translation>
    </message>
    <message>
        <source>a name with a character XML does not allow</source>
        <translation>a name with a character XML does not allow</translation>
    </message>
    <message>
        <source>entity declarations or references to undeclared entities (line %1)</source>
        <translation>entity declarations or references to undeclared entities (line %1)</translation>
    </message>
    <message>
        <source>an entity reference (line %1)</source>
        <translation>an entity reference (line %1)</translation>
    </message>
    <message>
        <source>a byte that is no UTF-8</source>
        <translation>a byte that is no UTF-8</translation>
    </message>
    <message>
        <source>the checksum does not match: the file was changed after it was sealed</source>
        <translation>the checksum does not match: the file was changed after it was sealed</translation>
    </message>
    <message>
        <source>not sealed (an unsealed file is read only with --no-xml-check)</source>
        <translation>not sealed (an unsealed file is read only with --no-xml-check)</translation>
    </message>
    <message>
        <source>cannot open the file: %1</source>
        <translation>cannot open the file: %1</translation>
    </message>
    <message>
        <source>the root element is &lt;%1&gt;, not &lt;%2&gt;</source>
        <translation>the root element is &lt;%1&gt;, not &lt;%2&gt;</translation>
    </message>
    <message>
        <source>table version &quot;%1&quot; is not supported (this program reads %2 and later)</source>
        <translation>table version &quot;%1&quot; is not supported (this program reads %2 and later)</translation>
    </message>
    <message>
        <source>the project header lacks the project name or the order number</source>
        <translation>the project header lacks the project name or the order number</translation>
    </message>
</context>
<context>
    <name>LoomworkCli</name>
    <message>
        <source>give exactly one of --tcp HOST:PORT and --serial PORT</source>
        <translation>give exactly one of --tcp HOST:PORT and --serial PORT</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &quot;%4&quot;</source>
        <translation>--%1 takes a whole number from %2 to %3, not &quot;%4&quot;</translation>
    </message>
    <message>
        <source>Modbus TCP device at HOST:PORT ([ADDRESS]:PORT for IPv6).</source>
        <translation>Modbus TCP device at HOST:PORT ([ADDRESS]:PORT for IPv6).</translation>
    </message>
    <message>
        <source>Modbus RTU device on serial PORT.</source>
        <translation>Modbus RTU device on serial PORT.</translation>
    </message>
    <message>
        <source>Directory of the device plugins.</source>
        <translation>Directory of the device plugins.</translation>
    </message>
    <message>
        <source>The device&apos;s parameter description.</source>
        <translation>The device&apos;s parameter description.</translation>
    </message>
    <message>
        <source>apply: show what would be written, write nothing.</source>
        <translation>apply: show what would be written, write nothing.</translation>
    </message>
    <message>
        <source>apply: leave out the set&apos;s offending values, apply the rest.</source>
        <translation>apply: leave out the set&apos;s offending values, apply the rest.</translation>
    </message>
    <message>
        <source>Language of captions and list texts: en or de.</source>
        <translation>Language of captions and list texts: en or de.</translation>
    </message>
    <message>
        <source>Response timeout in ms, 10 .. 60000 (1000).</source>
        <translation>Response timeout in ms, 10 .. 60000 (1000).</translation>
    </message>
    <message>
        <source>Further attempts of a request, 0 .. 10 (3).</source>
        <translation>Further attempts of a request, 0 .. 10 (3).</translation>
    </message>
    <message>
        <source>Modbus unit id, 1 .. 247 (1).</source>
        <translation>Modbus unit id, 1 .. 247 (1).</translation>
    </message>
    <message>
        <source>watch: poll interval in ms, 10 .. 3600000.</source>
        <translation>watch: poll interval in ms, 10 .. 3600000.</translation>
    </message>
    <message>
        <source>watch: stop after N display changes.</source>
        <translation>watch: stop after N display changes.</translation>
    </message>
    <message>
        <source>watch: stop after S seconds.</source>
        <translation>watch: stop after S seconds.</translation>
    </message>
    <message>
        <source>--language takes en or de</source>
        <translation>--language takes en or de</translation>
    </message>
    <message>
        <source>(not read)</source>
        <translation>(not read)</translation>
    </message>
    <message>
        <source>frame %1</source>
        <translation>frame %1</translation>
    </message>
    <message>
        <source>not every parameter could be read</source>
        <translation>not every parameter could be read</translation>
    </message>
    <message>
        <source>the device has no parameter &quot;%1&quot;</source>
        <translation>the device has no parameter &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 is read-only</translation>
    </message>
    <message>
        <source>the current parameters could not be read</source>
        <translation>the current parameters could not be read</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 = %2 (unchanged)</source>
        <translation>%1 = %2 (unchanged)</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>nothing was written</translation>
    </message>
    <message>
        <source>the write did not complete</source>
        <translation>the write did not complete</translation>
    </message>
    <message>
        <source>the device now works with other line settings; reach it with them from now on:
%1</source>
        <translation>the device now works with other line settings; reach it with them from now on:
%1</translation>
    </message>
    <message>
        <source>the plugin created no backend</source>
        <translation>the plugin created no backend</translation>
    </message>
    <message>
        <source>the plugin&apos;s backend reports no display</source>
        <translation>the plugin&apos;s backend reports no display</translation>
    </message>
    <message>
        <source>the device display never arrived</source>
        <translation>the device display never arrived</translation>
    </message>
    <message>
        <source>(refused, see above)</source>
        <translation>(refused, see above)</translation>
    </message>
    <message>
        <source>the plugin&apos;s backend does not poll</source>
        <translation>the plugin&apos;s backend does not poll</translation>
    </message>
    <message>
        <source>the report was not written: %1</source>
        <translation>the report was not written: %1</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made</source>
        <translation>%1: the folder cannot be made</translation>
    </message>
    <message>
        <source>the worker for %1 crashed</source>
        <translation>the worker for %1 crashed</translation>
    </message>
    <message>
        <source>the worker for %1 ended with code %2: %3</source>
        <translation>the worker for %1 ended with code %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n parameter(s) written)</source>
        <translation>
            <numerusform>%1 (%n parameter written)</numerusform>
            <numerusform>%1 (%n parameters written)</numerusform>
        </translation>
    </message>
    <message>
        <source>report: %1</source>
        <translation>report: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n device(s) ended as asked</source>
        <translation>
            <numerusform>%1 of %n device ended as asked</numerusform>
            <numerusform>%1 of %n devices ended as asked</numerusform>
        </translation>
    </message>
    <message>
        <source>--unit-ids expects FIRST-LAST within 1 .. 247, not &quot;%1&quot;</source>
        <translation>--unit-ids expects FIRST-LAST within 1 .. 247, not &quot;%1&quot;</translation>
    </message>
    <message numerus="yes">
        <source>scanning unit ids %1 .. %2 at %n line setting(s); at most %3 s</source>
        <translation>
            <numerusform>scanning unit ids %1 .. %2 at %n line setting; at most %3 s</numerusform>
            <numerusform>scanning unit ids %1 .. %2 at %n line settings; at most %3 s</numerusform>
        </translation>
    </message>
    <message>
        <source>link</source>
        <translation>link</translation>
    </message>
    <message>
        <source>unit id</source>
        <translation>unit id</translation>
    </message>
    <message>
        <source>serial number</source>
        <translation>serial number</translation>
    </message>
    <message>
        <source>model</source>
        <translation>model</translation>
    </message>
    <message>
        <source>order number</source>
        <translation>order number</translation>
    </message>
    <message>
        <source>software version</source>
        <translation>software version</translation>
    </message>
    <message>
        <source>%1 of %2 requests</source>
        <translation>%1 of %2 requests</translation>
    </message>
    <message>
        <source>no device answered</source>
        <translation>no device answered</translation>
    </message>
    <message numerus="yes">
        <source>%n device(s) found</source>
        <translation>
            <numerusform>%n device found</numerusform>
            <numerusform>%n devices found</numerusform>
        </translation>
    </message>
    <message>
        <source>(answered with exception %1: %2)</source>
        <translation>(answered with exception %1: %2)</translation>
    </message>
    <message>
        <source>(unknown)</source>
        <translation>(unknown)</translation>
    </message>
    <message>
        <source>%1; nothing saved</source>
        <translation>%1; nothing saved</translation>
    </message>
    <message>
        <source>%1; --force applies the other values</source>
        <translation>%1; --force applies the other values</translation>
    </message>
    <message>
        <source>read, write, watch, save, diff, apply or scan</source>
        <translation>read, write, watch, save, diff, apply or scan</translation>
    </message>
    <message>
        <source>read, watch, diff, scan: print JSON.</source>
        <translation>read, watch, diff, scan: print JSON.</translation>
    </message>
    <message>
        <source>save, diff, apply: write report.json and report.html into DIR.</source>
        <translation>save, diff, apply: write report.json and report.html into DIR.</translation>
    </message>
    <message>
        <source>save, diff, apply: every device of the fleet list FILE (lines &quot;LINK UNIT-ID [SERIAL]&quot;, CSV or JSON) instead of --tcp or --serial.</source>
        <translation>save, diff, apply: every device of the fleet list FILE (lines &quot;LINK UNIT-ID [SERIAL]&quot;, CSV or JSON) instead of --tcp or --serial.</translation>
    </message>
    <message>
        <source>With --devices: serve up to N endpoints at once (1).</source>
        <translation>With --devices: serve up to N endpoints at once (1).</translation>
    </message>
    <message>
        <source>scan: the unit ids to ask (1-247).</source>
        <translation>scan: the unit ids to ask (1-247).</translation>
    </message>
    <message>
        <source>scan: try every line setting, not only up to the first at which a device answers.</source>
        <translation>scan: try every line setting, not only up to the first at which a device answers.</translation>
    </message>
    <message>
        <source>--jobs takes 1 .. 64, not %1</source>
        <translation>--jobs takes 1 .. 64, not %1</translation>
    </message>
    <message>
        <source>usage: loomwork-cli [options] read|watch|write NAME VALUE|save FILE|diff FILE|apply FILE|scan (see --help)</source>
        <translation>usage: loomwork-cli [options] read|watch|write NAME VALUE|save FILE|diff FILE|apply FILE|scan (see --help)</translation>
    </message>
    <message>
        <source>--devices goes with save, diff or apply, without --tcp or --serial</source>
        <translation>--devices goes with save, diff or apply, without --tcp or --serial</translation>
    </message>
    <message>
        <source>nothing to record: %1</source>
        <translation>nothing to record: %1</translation>
    </message>
    <message>
        <source>not every parameter could be read: rows without a known unit leave it empty</source>
        <translation>not every parameter could be read: rows without a known unit leave it empty</translation>
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
        <translation>Reads and writes the parameters of a device and watches its display.

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
9 a device of a fleet was skipped or failed.</translation>
    </message>
    <message>
        <source>watch: also record every status answer to a CSV file.</source>
        <translation>watch: also record every status answer to a CSV file.</translation>
    </message>
    <message>
        <source>watch --csv: least time between two rows in ms (0: every answer).</source>
        <translation>watch --csv: least time between two rows in ms (0: every answer).</translation>
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
        <translation>not a device data file</translation>
    </message>
    <message>
        <source>device data version %1 is not supported</source>
        <translation>device data version %1 is not supported</translation>
    </message>
    <message>
        <source>a write-order group names no parameter</source>
        <translation>a write-order group names no parameter</translation>
    </message>
    <message>
        <source>rule %1 (&quot;%2&quot;) is incomplete</source>
        <translation>rule %1 (&quot;%2&quot;) is incomplete</translation>
    </message>
    <message>
        <source>Device data file %1</source>
        <translation>Device data file %1</translation>
    </message>
    <message>
        <source>Description file %1 does not exist</source>
        <translation>Description file %1 does not exist</translation>
    </message>
    <message>
        <source>Description file %1 cannot be read: %2</source>
        <translation>Description file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Description file %1 describes no device registers</source>
        <translation>Description file %1 describes no device registers</translation>
    </message>
    <message>
        <source>No plugin in %1 supports the device %2</source>
        <translation>No plugin in %1 supports the device %2</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Refused: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of: %2</source>
        <translation>&quot;%1&quot; is none of: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither on nor off</source>
        <translation>&quot;%1&quot; is neither on nor off</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>&quot;%1&quot; is not a number</translation>
    </message>
    <message>
        <source>%1 is outside %2 .. %3</source>
        <translation>%1 is outside %2 .. %3</translation>
    </message>
    <message>
        <source>%1 cannot be set from text</source>
        <translation>%1 cannot be set from text</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>not a parameter set</source>
        <translation>not a parameter set</translation>
    </message>
    <message>
        <source>parameter-set version %1 is not supported (up to %2)</source>
        <translation>parameter-set version %1 is not supported (up to %2)</translation>
    </message>
    <message>
        <source>the set holds no values</source>
        <translation>the set holds no values</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 is not a number</translation>
    </message>
    <message>
        <source>Parameter transfer</source>
        <translation>Parameter transfer</translation>
    </message>
    <message>
        <source>any value of its type</source>
        <translation>any value of its type</translation>
    </message>
    <message>
        <source>%1 refused: another transfer is running</source>
        <translation>%1 refused: another transfer is running</translation>
    </message>
    <message>
        <source>%1 failed: the link to the device is not open</source>
        <translation>%1 failed: the link to the device is not open</translation>
    </message>
    <message>
        <source>Transfer cancelled: no further parameter is sent</source>
        <translation>Transfer cancelled: no further parameter is sent</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 and %n more</numerusform>
            <numerusform>%1 and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading all parameters</source>
        <translation>Reading all parameters</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation>Reading %1 failed: %2</translation>
    </message>
    <message numerus="yes">
        <source>Writing %n parameter(s)</source>
        <translation>
            <numerusform>Writing %n parameter</numerusform>
            <numerusform>Writing %n parameters</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was written:
%1</source>
        <translation>Nothing was written:
%1</translation>
    </message>
    <message>
        <source>%1: the device refused %2 (allowed: %3): %4</source>
        <translation>%1: the device refused %2 (allowed: %3): %4</translation>
    </message>
    <message>
        <source>%1: not written, because %2 was not written</source>
        <translation>%1: not written, because %2 was not written</translation>
    </message>
    <message>
        <source>%1: writing %2 failed: %3</source>
        <translation>%1: writing %2 failed: %3</translation>
    </message>
    <message>
        <source>%1: written; not read back, the device now answers with its new line settings</source>
        <translation>%1: written; not read back, the device now answers with its new line settings</translation>
    </message>
    <message>
        <source>%1: wrote %2, the device holds %3</source>
        <translation>%1: wrote %2, the device holds %3</translation>
    </message>
    <message>
        <source>%1: could not be read back; it shows the last value read from the device</source>
        <translation>%1: could not be read back; it shows the last value read from the device</translation>
    </message>
    <message>
        <source>the plugin directory does not exist</source>
        <translation>the plugin directory does not exist</translation>
    </message>
    <message>
        <source>it serves the interface &quot;%1&quot;, not that of Loomwork device plugins</source>
        <translation>it serves the interface &quot;%1&quot;, not that of Loomwork device plugins</translation>
    </message>
    <message>
        <source>it cannot be loaded: %1</source>
        <translation>it cannot be loaded: %1</translation>
    </message>
    <message>
        <source>its plugin object is not a CLoomworkPlugin</source>
        <translation>its plugin object is not a CLoomworkPlugin</translation>
    </message>
    <message>
        <source>The set was taken from %1 (order number %2); this device is %3.</source>
        <translation>The set was taken from %1 (order number %2); this device is %3.</translation>
    </message>
    <message>
        <source>%1: the device has no such parameter</source>
        <translation>%1: the device has no such parameter</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than %2 characters</source>
        <translation>&quot;%1&quot; is longer than %2 characters</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date and time</source>
        <translation>&quot;%1&quot; is no date and time</translation>
    </message>
    <message>
        <source>%1 is no entry of the list (%2)</source>
        <translation>%1 is no entry of the list (%2)</translation>
    </message>
    <message>
        <source>%1 is neither on nor off</source>
        <translation>%1 is neither on nor off</translation>
    </message>
    <message>
        <source>%1 cannot be held by the parameter (a 32-bit float)</source>
        <translation>%1 cannot be held by the parameter (a 32-bit float)</translation>
    </message>
    <message>
        <source>%1 cannot be held by the parameter (whole numbers %2 .. %3 in register units)</source>
        <translation>%1 cannot be held by the parameter (whole numbers %2 .. %3 in register units)</translation>
    </message>
    <message>
        <source>%1: %2 is outside the configured range %3 .. %4</source>
        <translation>%1: %2 is outside the configured range %3 .. %4</translation>
    </message>
    <message>
        <source>%1: %2 is not above %3 (%4)</source>
        <translation>%1: %2 is not above %3 (%4)</translation>
    </message>
    <message>
        <source>no such serial port</source>
        <translation>no such serial port</translation>
    </message>
    <message>
        <source>no permission to open the serial port, or another program uses it</source>
        <translation>no permission to open the serial port, or another program uses it</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>host not found</translation>
    </message>
    <message>
        <source>no permission to open the connection</source>
        <translation>no permission to open the connection</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>connection refused</translation>
    </message>
    <message>
        <source>the device closed the connection</source>
        <translation>the device closed the connection</translation>
    </message>
    <message>
        <source>no response</source>
        <translation>no response</translation>
    </message>
    <message>
        <source>network unreachable</source>
        <translation>network unreachable</translation>
    </message>
    <message>
        <source>Device link</source>
        <translation>Device link</translation>
    </message>
    <message>
        <source>illegal function</source>
        <translation>illegal function</translation>
    </message>
    <message>
        <source>illegal data address</source>
        <translation>illegal data address</translation>
    </message>
    <message>
        <source>illegal data value</source>
        <translation>illegal data value</translation>
    </message>
    <message>
        <source>server device failure</source>
        <translation>server device failure</translation>
    </message>
    <message>
        <source>acknowledge</source>
        <translation>acknowledge</translation>
    </message>
    <message>
        <source>server device busy</source>
        <translation>server device busy</translation>
    </message>
    <message>
        <source>memory parity error</source>
        <translation>memory parity error</translation>
    </message>
    <message>
        <source>gateway path unavailable</source>
        <translation>gateway path unavailable</translation>
    </message>
    <message>
        <source>gateway target device failed to respond</source>
        <translation>gateway target device failed to respond</translation>
    </message>
    <message>
        <source>unknown exception</source>
        <translation>unknown exception</translation>
    </message>
    <message>
        <source>Link closed</source>
        <translation>Link closed</translation>
    </message>
    <message>
        <source>Connection closed by the device</source>
        <translation>Connection closed by the device</translation>
    </message>
    <message>
        <source>Device link restored</source>
        <translation>Device link restored</translation>
    </message>
    <message>
        <source>Invalid answer from the device: %1</source>
        <translation>Invalid answer from the device: %1</translation>
    </message>
    <message>
        <source>Connection to the device at %1 lost: %2</source>
        <translation>Connection to the device at %1 lost: %2</translation>
    </message>
    <message>
        <source>Cannot connect to the device at %1: %2</source>
        <translation>Cannot connect to the device at %1: %2</translation>
    </message>
    <message>
        <source>%1; next attempt in %2 s</source>
        <translation>%1; next attempt in %2 s</translation>
    </message>
    <message>
        <source>Modbus function %1 is not supported</source>
        <translation>Modbus function %1 is not supported</translation>
    </message>
    <message>
        <source>%1 registers per request are not possible (1..%2)</source>
        <translation>%1 registers per request are not possible (1..%2)</translation>
    </message>
    <message>
        <source>The link to the device is not open</source>
        <translation>The link to the device is not open</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 failed: %2</translation>
    </message>
    <message>
        <source>Request not sent: %1</source>
        <translation>Request not sent: %1</translation>
    </message>
    <message>
        <source>Modbus exception %1 (%2)</source>
        <translation>Modbus exception %1 (%2)</translation>
    </message>
    <message>
        <source>No answer within %1 ms</source>
        <translation>No answer within %1 ms</translation>
    </message>
    <message>
        <source>%1: %2, retrying</source>
        <translation>%1: %2, retrying</translation>
    </message>
    <message>
        <source>Writing register %1 (1 register)</source>
        <translation>Writing register %1 (1 register)</translation>
    </message>
    <message>
        <source>Reading register %1 (1 register)</source>
        <translation>Reading register %1 (1 register)</translation>
    </message>
    <message>
        <source>Writing register %1 (%2 registers)</source>
        <translation>Writing register %1 (%2 registers)</translation>
    </message>
    <message>
        <source>Reading register %1 (%2 registers)</source>
        <translation>Reading register %1 (%2 registers)</translation>
    </message>
    <message>
        <source>no connection within %1 ms</source>
        <translation>no connection within %1 ms</translation>
    </message>
    <message>
        <source>no connection to %1</source>
        <translation>no connection to %1</translation>
    </message>
    <message>
        <source>nothing to scan</source>
        <translation>nothing to scan</translation>
    </message>
    <message>
        <source>the device description has no nameplate parameters</source>
        <translation>the device description has no nameplate parameters</translation>
    </message>
    <message>
        <source>the scan was cancelled</source>
        <translation>the scan was cancelled</translation>
    </message>
    <message>
        <source>%1: the folder cannot be made</source>
        <translation>%1: the folder cannot be made</translation>
    </message>
    <message>
        <source>Parameter sets saved</source>
        <translation>Parameter sets saved</translation>
    </message>
    <message>
        <source>Devices compared with a parameter set</source>
        <translation>Devices compared with a parameter set</translation>
    </message>
    <message>
        <source>Device configured in the host</source>
        <translation>Device configured in the host</translation>
    </message>
    <message>
        <source>Parameter set applied (dry run, nothing written)</source>
        <translation>Parameter set applied (dry run, nothing written)</translation>
    </message>
    <message>
        <source>Parameter set applied</source>
        <translation>Parameter set applied</translation>
    </message>
    <message>
        <source>en</source>
        <comment>language code of the report</comment>
        <translation>en</translation>
    </message>
    <message>
        <source>Commissioning report</source>
        <translation>Commissioning report</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Parameter set</source>
        <translation>Parameter set</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>parameter version</source>
        <translation>parameter version</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Started</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Finished</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Every device ended as asked.</source>
        <translation>Every device ended as asked.</translation>
    </message>
    <message>
        <source>Not every device ended as asked: see the devices marked below.</source>
        <translation>Not every device ended as asked: see the devices marked below.</translation>
    </message>
    <message numerus="yes">
        <source>%n device(s)</source>
        <translation>
            <numerusform>%n device</numerusform>
            <numerusform>%n devices</numerusform>
        </translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Unit id</source>
        <translation>Unit id</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Software version</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Written</translation>
    </message>
    <message>
        <source>Device %1: %2, unit id %3</source>
        <translation>Device %1: %2, unit id %3</translation>
    </message>
    <message>
        <source>Order number</source>
        <translation>Order number</translation>
    </message>
    <message>
        <source>Expected serial number</source>
        <translation>Expected serial number</translation>
    </message>
    <message>
        <source>any</source>
        <translation>any</translation>
    </message>
    <message>
        <source>Parameter set file</source>
        <translation>Parameter set file</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problems</translation>
    </message>
    <message>
        <source>Written parameters</source>
        <translation>Written parameters</translation>
    </message>
    <message>
        <source>Would be written</source>
        <translation>Would be written</translation>
    </message>
    <message>
        <source>Differences from the set</source>
        <translation>Differences from the set</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nothing was written.</translation>
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
        <translation>Before</translation>
    </message>
    <message>
        <source>After</source>
        <translation>After</translation>
    </message>
    <message>
        <source>Read back</source>
        <translation>Read back</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>the device cannot take the set&apos;s value</source>
        <translation>the device cannot take the set&apos;s value</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unchanged</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>changed</translation>
    </message>
    <message>
        <source>would change (dry run)</source>
        <translation>would change (dry run)</translation>
    </message>
    <message>
        <source>saved</source>
        <translation>saved</translation>
    </message>
    <message>
        <source>differs from the set</source>
        <translation>differs from the set</translation>
    </message>
    <message>
        <source>skipped: other serial number</source>
        <translation>skipped: other serial number</translation>
    </message>
    <message>
        <source>skipped: other model</source>
        <translation>skipped: other model</translation>
    </message>
    <message>
        <source>skipped: no answer</source>
        <translation>skipped: no answer</translation>
    </message>
    <message>
        <source>set refused</source>
        <translation>set refused</translation>
    </message>
    <message>
        <source>read failed</source>
        <translation>read failed</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>write failed</translation>
    </message>
    <message>
        <source>not saved</source>
        <translation>not saved</translation>
    </message>
    <message>
        <source>not written</source>
        <translation>not written</translation>
    </message>
    <message>
        <source>confirmed</source>
        <translation>confirmed</translation>
    </message>
    <message>
        <source>the device holds another value</source>
        <translation>the device holds another value</translation>
    </message>
    <message>
        <source>refused by the device</source>
        <translation>refused by the device</translation>
    </message>
    <message>
        <source>not read back (new line settings)</source>
        <translation>not read back (new line settings)</translation>
    </message>
    <message>
        <source>could not be read back</source>
        <translation>could not be read back</translation>
    </message>
    <message>
        <source>the list names no device</source>
        <translation>the list names no device</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... and %n more</numerusform>
            <numerusform>... and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>not a JSON list of devices: %1</source>
        <translation>not a JSON list of devices: %1</translation>
    </message>
    <message>
        <source>entry %1: %2</source>
        <translation>entry %1: %2</translation>
    </message>
    <message>
        <source>entry %1: the unit id must lie in 1 .. 247, not &quot;%2&quot;</source>
        <translation>entry %1: the unit id must lie in 1 .. 247, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>entry %1: unit id %2 on %3 is named in entry %4 already</source>
        <translation>entry %1: unit id %2 on %3 is named in entry %4 already</translation>
    </message>
    <message>
        <source>no connection to %1: %2</source>
        <translation>no connection to %1: %2</translation>
    </message>
    <message>
        <source>no answer behind the gateway (%1)</source>
        <translation>no answer behind the gateway (%1)</translation>
    </message>
    <message>
        <source>&quot;rtu:%1&quot; names no serial port</source>
        <translation>&quot;rtu:%1&quot; names no serial port</translation>
    </message>
    <message>
        <source>the device does not answer: %1</source>
        <translation>the device does not answer: %1</translation>
    </message>
    <message>
        <source>the device answered the nameplate read with exception %1 (%2)</source>
        <translation>the device answered the nameplate read with exception %1 (%2)</translation>
    </message>
    <message>
        <source>the device has order number &quot;%1&quot; (%2), the description is for %3 (%4)</source>
        <translation>the device has order number &quot;%1&quot; (%2), the description is for %3 (%4)</translation>
    </message>
    <message>
        <source>a model no plugin serves</source>
        <translation>a model no plugin serves</translation>
    </message>
    <message>
        <source>the device has serial number %1, expected %2</source>
        <translation>the device has serial number %1, expected %2</translation>
    </message>
    <message>
        <source>not every parameter could be read</source>
        <translation>not every parameter could be read</translation>
    </message>
    <message numerus="yes">
        <source>saved %n value(s) to %1</source>
        <translation>
            <numerusform>saved %n value to %1</numerusform>
            <numerusform>saved %n values to %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the set cannot be compared with this device</source>
        <translation>the set cannot be compared with this device</translation>
    </message>
    <message>
        <source>the device holds the set</source>
        <translation>the device holds the set</translation>
    </message>
    <message numerus="yes">
        <source>%n parameter(s) differ from the set</source>
        <translation>
            <numerusform>%n parameter differs from the set</numerusform>
            <numerusform>%n parameters differ from the set</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing was written: the rest of the set is of no use</source>
        <translation>nothing was written: the rest of the set is of no use</translation>
    </message>
    <message>
        <source>nothing was written: the set has values this device cannot take</source>
        <translation>nothing was written: the set has values this device cannot take</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>nothing was written</translation>
    </message>
    <message>
        <source>dry run: nothing written</source>
        <translation>dry run: nothing written</translation>
    </message>
    <message>
        <source>the write did not complete</source>
        <translation>the write did not complete</translation>
    </message>
    <message>
        <source>following the device&apos;s new line settings:
%1</source>
        <translation>following the device&apos;s new line settings:
%1</translation>
    </message>
    <message>
        <source>no answer on the device&apos;s new line settings: %1</source>
        <translation>no answer on the device&apos;s new line settings: %1</translation>
    </message>
    <message>
        <source>the device could not be read back</source>
        <translation>the device could not be read back</translation>
    </message>
    <message>
        <source>the device does not hold the set</source>
        <translation>the device does not hold the set</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 cannot be written: %2</translation>
    </message>
    <message>
        <source>display frame %1 needs a number, digit bytes and two status bytes</source>
        <translation>display frame %1 needs a number, digit bytes and two status bytes</translation>
    </message>
    <message>
        <source>the device data describe no display</source>
        <translation>the device data describe no display</translation>
    </message>
    <message>
        <source>the device data name no status block</source>
        <translation>the device data name no status block</translation>
    </message>
    <message>
        <source>the status block&apos;s request type &quot;%1&quot; is neither cyclicRead, plain nor a number</source>
        <translation>the status block&apos;s request type &quot;%1&quot; is neither cyclicRead, plain nor a number</translation>
    </message>
    <message>
        <source>%1 bytes beyond the answer</source>
        <translation>%1 bytes beyond the answer</translation>
    </message>
    <message>
        <source>%1, and reading back failed: %2</source>
        <translation>%1, and reading back failed: %2</translation>
    </message>
    <message>
        <source>%1, and the device does not hold the values written</source>
        <translation>%1, and the device does not hold the values written</translation>
    </message>
    <message>
        <source>%1: %2, reading back what the device holds</source>
        <translation>%1: %2, reading back what the device holds</translation>
    </message>
    <message>
        <source>%1: %2; reading back shows the values written</source>
        <translation>%1: %2; reading back shows the values written</translation>
    </message>
    <message>
        <source>%1: skipped a late answer to an earlier attempt</source>
        <translation>%1: skipped a late answer to an earlier attempt</translation>
    </message>
    <message>
        <source>%1; the device may hold the new values, they could not be read back (%2)</source>
        <translation>%1; the device may hold the new values, they could not be read back (%2)</translation>
    </message>
    <message>
        <source>No connection to the device within %1 ms</source>
        <translation>No connection to the device within %1 ms</translation>
    </message>
    <message>
        <source>byte count %1 instead of %2 (%3 registers)</source>
        <translation>byte count %1 instead of %2 (%3 registers)</translation>
    </message>
    <message>
        <source>checksum %1 instead of %2</source>
        <translation>checksum %1 instead of %2</translation>
    </message>
    <message>
        <source>echo of register %1 instead of %2</source>
        <translation>echo of register %1 instead of %2</translation>
    </message>
    <message>
        <source>echo of register count %1 instead of %2</source>
        <translation>echo of register count %1 instead of %2</translation>
    </message>
    <message>
        <source>echo of value %1 instead of %2</source>
        <translation>echo of value %1 instead of %2</translation>
    </message>
    <message>
        <source>function code %1 instead of %2</source>
        <translation>function code %1 instead of %2</translation>
    </message>
    <message>
        <source>length field %1 instead of %2</source>
        <translation>length field %1 instead of %2</translation>
    </message>
    <message>
        <source>protocol id %1 instead of 0</source>
        <translation>protocol id %1 instead of 0</translation>
    </message>
    <message>
        <source>transaction %1 instead of %2</source>
        <translation>transaction %1 instead of %2</translation>
    </message>
    <message>
        <source>unit id %1 instead of %2</source>
        <translation>unit id %1 instead of %2</translation>
    </message>
    <message>
        <source>%1 is outside what the parameter can hold (%2 .. %3)</source>
        <translation>%1 is outside what the parameter can hold (%2 .. %3)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no HOST:PORT (an IPv6 address goes in brackets: [::1]:502)</source>
        <translation>&quot;%1&quot; is no HOST:PORT (an IPv6 address goes in brackets: [::1]:502)</translation>
    </message>
    <message>
        <source>the port in &quot;%1&quot; must be a number from 1 to 65535</source>
        <translation>the port in &quot;%1&quot; must be a number from 1 to 65535</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no link: give tcp:HOST:PORT or rtu:PORT[:BAUD:8E1] (%2)</source>
        <translation>&quot;%1&quot; is no link: give tcp:HOST:PORT or rtu:PORT[:BAUD:8E1] (%2)</translation>
    </message>
</context>
<context>
    <name>LoomworkHostApp</name>
    <message>
        <source>(not read)</source>
        <translation>(not read)</translation>
    </message>
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
        <source>Enter the device&apos;s host name or IP address.</source>
        <translation>Enter the device&apos;s host name or IP address.</translation>
    </message>
    <message>
        <source>Enter the serial port (for example /dev/ttyUSB0).</source>
        <translation>Enter the serial port (for example /dev/ttyUSB0).</translation>
    </message>
    <message>
        <source>The baud rate &quot;%1&quot; is not possible: choose one from the list or enter a whole number from %2 to %3.</source>
        <translation>The baud rate &quot;%1&quot; is not possible: choose one from the list or enter a whole number from %2 to %3.</translation>
    </message>
    <message>
        <source>%1, address %2</source>
        <translation>%1, address %2</translation>
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
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>not running</translation>
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
        <source>Baud rate: choose one or enter a whole number from %1 to %2</source>
        <translation>Baud rate: choose one or enter a whole number from %1 to %2</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>Cyclic reading is off:
the display is not current</source>
        <translation>Cyclic reading is off:
the display is not current</translation>
    </message>
    <message>
        <source>Waiting for the device&apos;s status...</source>
        <translation>Waiting for the device&apos;s status...</translation>
    </message>
    <message>
        <source>No answer from the device:
the display is not current</source>
        <translation>No answer from the device:
the display is not current</translation>
    </message>
    <message>
        <source>Configures a device over Modbus through its plugin. Without a device it starts the simulator.</source>
        <translation>Configures a device over Modbus through its plugin. Without a device it starts the simulator.</translation>
    </message>
    <message>
        <source>invalid value for --%1: %2 (a whole number from %3 to %4)</source>
        <translation>invalid value for --%1: %2 (a whole number from %3 to %4)</translation>
    </message>
    <message>
        <source>Error: %1: %2</source>
        <translation>Error: %1: %2</translation>
    </message>
    <message>
        <source>Save log</source>
        <translation>Save log</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>Log saved to %1</source>
        <translation>Log saved to %1</translation>
    </message>
    <message>
        <source>Parameter sets (*.json)</source>
        <translation>Parameter sets (*.json)</translation>
    </message>
    <message>
        <source>Writing the modified parameters</source>
        <translation>Writing the modified parameters</translation>
    </message>
    <message>
        <source>Warning: %1: %2</source>
        <translation>Warning: %1: %2</translation>
    </message>
    <message>
        <source>Plugin refused: %1</source>
        <translation>Plugin refused: %1</translation>
    </message>
    <message>
        <source>Reconnecting with the device&apos;s new line settings</source>
        <translation>Reconnecting with the device&apos;s new line settings</translation>
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
        <source>Not taken: %1</source>
        <translation>Not taken: %1</translation>
    </message>
    <message>
        <source>Last connection: %1. Press Connect to reach the device.</source>
        <translation>Last connection: %1. Press Connect to reach the device.</translation>
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
        <source>Plugins: %1 loaded from %2</source>
        <translation>Plugins: %1 loaded from %2</translation>
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
        <source>The built-in simulator has ended: %1. Connect starts it again.</source>
        <translation>The built-in simulator has ended: %1. Connect starts it again.</translation>
    </message>
    <message>
        <source>the built-in simulator has ended</source>
        <translation>the built-in simulator has ended</translation>
    </message>
    <message>
        <source>Starting the simulator %1</source>
        <translation>Starting the simulator %1</translation>
    </message>
    <message>
        <source>Link resynchronised; cyclic reading goes on</source>
        <translation>Link resynchronised; cyclic reading goes on</translation>
    </message>
    <message>
        <source>Reading all parameters</source>
        <translation>Reading all parameters</translation>
    </message>
    <message>
        <source>Writing all parameters</source>
        <translation>Writing all parameters</translation>
    </message>
    <message>
        <source>Cycle interval not taken: %1</source>
        <translation>Cycle interval not taken: %1</translation>
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
        <source>Save &amp;log...</source>
        <translation>Save &amp;log...</translation>
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
        <source>Write &amp;modified parameters</source>
        <translation>Write &amp;modified parameters</translation>
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
        <source>Save parameter set</source>
        <translation>Save parameter set</translation>
    </message>
    <message>
        <source>Open parameter set</source>
        <translation>Open parameter set</translation>
    </message>
    <message>
        <source>Allowed: %1 to %2</source>
        <translation>Allowed: %1 to %2</translation>
    </message>
    <message>
        <source>%1 is outside the allowed range %2 to %3</source>
        <translation>%1 is outside the allowed range %2 to %3</translation>
    </message>
    <message>
        <source>%1
Not read from the device: the value is not the device&apos;s</source>
        <translation>%1
Not read from the device: the value is not the device&apos;s</translation>
    </message>
    <message>
        <source>%1
Changed here, not yet written; the device holds %2</source>
        <translation>%1
Changed here, not yet written; the device holds %2</translation>
    </message>
    <message>
        <source>%1
Not written: %2</source>
        <translation>%1
Not written: %2</translation>
    </message>
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
    <message numerus="yes">
        <source>%n edited value(s) are not written to the device yet.</source>
        <translation>
            <numerusform>%n edited value is not written to the device yet.</numerusform>
            <numerusform>%n edited values are not written to the device yet.</numerusform>
        </translation>
    </message>
    <message>
        <source>Edits not written</source>
        <translation>Edits not written</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n value(s) to %1</source>
        <translation>
            <numerusform>Saved %n value to %1</numerusform>
            <numerusform>Saved %n values to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Loaded %1: %n value(s) differ from the device; write them with Write modified.</source>
        <translation>
            <numerusform>Loaded %1: %n value differs from the device; write it with Write modified.</numerusform>
            <numerusform>Loaded %1: %n values differ from the device; write them with Write modified.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be applied as it is:
%2</source>
        <translation>%1 cannot be applied as it is:
%2</translation>
    </message>
    <message>
        <source>%1

Apply the other values?</source>
        <translation>%1

Apply the other values?</translation>
    </message>
    <message numerus="yes">
        <source>Loaded %1 without %n offending value(s): </source>
        <translation>
            <numerusform>Loaded %1 without %n offending value: </numerusform>
            <numerusform>Loaded %1 without %n offending values: </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) differ from the device.</source>
        <translation>
            <numerusform>%n value differs from the device.</numerusform>
            <numerusform>%n values differ from the device.</numerusform>
        </translation>
    </message>
    <message>
        <source>Compare parameter set</source>
        <translation>Compare parameter set</translation>
    </message>
    <message>
        <source>Comparing the parameter set with the device</source>
        <translation>Comparing the parameter set with the device</translation>
    </message>
    <message>
        <source>The set</source>
        <translation>The set</translation>
    </message>
    <message>
        <source>the simulator was ended by a signal or crashed</source>
        <translation>the simulator was ended by a signal or crashed</translation>
    </message>
    <message>
        <source>the simulator ended with exit code %1</source>
        <translation>the simulator ended with exit code %1</translation>
    </message>
    <message>
        <source>A transfer is already running.</source>
        <translation>A transfer is already running.</translation>
    </message>
    <message>
        <source>%1: cancelled</source>
        <translation>%1: cancelled</translation>
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
        <source>Writing parameter %1 of %2: %3</source>
        <translation>Writing parameter %1 of %2: %3</translation>
    </message>
    <message>
        <source>Reading back and comparing parameter %1 of %2: %3</source>
        <translation>Reading back and comparing parameter %1 of %2: %3</translation>
    </message>
    <message>
        <source>Reading parameter %1 of %2: %3</source>
        <translation>Reading parameter %1 of %2: %3</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1
Stopping after the current request...</source>
        <translation>%1
Stopping after the current request...</translation>
    </message>
    <message>
        <source>%1: nothing to write, the device holds every value</source>
        <translation>%1: nothing to write, the device holds every value</translation>
    </message>
    <message>
        <source>Nothing was written:
%1</source>
        <translation>Nothing was written:
%1</translation>
    </message>
    <message>
        <source>Line settings changed</source>
        <translation>Line settings changed</translation>
    </message>
    <message>
        <source>The device now works with:
%1
Reconnect with these settings?</source>
        <translation>The device now works with:
%1
Reconnect with these settings?</translation>
    </message>
    <message numerus="yes">
        <source>%n edit(s) not written</source>
        <translation>
            <numerusform>%n edit not written</numerusform>
            <numerusform>%n edits not written</numerusform>
        </translation>
    </message>
    <message>
        <source>▶ Cyclic reading every %1 ms</source>
        <translation>▶ Cyclic reading every %1 ms</translation>
    </message>
    <message>
        <source>■ Cyclic reading off</source>
        <translation>■ Cyclic reading off</translation>
    </message>
    <message>
        <source>Write to the device</source>
        <translation>Write to the device</translation>
    </message>
    <message>
        <source>New value</source>
        <translation>New value</translation>
    </message>
    <message numerus="yes">
        <source>%n parameter(s) will be written, %1 of them with a new value.</source>
        <translation>
            <numerusform>%n parameter will be written, %1 of them with a new value.</numerusform>
            <numerusform>%n parameters will be written, %1 of them with a new value.</numerusform>
        </translation>
    </message>
    <message>
        <source>This write changes the device&apos;s line settings:
%1
The device will answer only with the new settings; afterwards you can reconnect with them.</source>
        <translation>This write changes the device&apos;s line settings:
%1
The device will answer only with the new settings; afterwards you can reconnect with them.</translation>
    </message>
    <message>
        <source>Write them before opening a parameter set?</source>
        <translation>Write them before opening a parameter set?</translation>
    </message>
    <message>
        <source>Write them before comparing with the device?</source>
        <translation>Write them before comparing with the device?</translation>
    </message>
    <message>
        <source>Write them before disconnecting?</source>
        <translation>Write them before disconnecting?</translation>
    </message>
    <message>
        <source>Write them before reading all parameters?</source>
        <translation>Write them before reading all parameters?</translation>
    </message>
    <message>
        <source>Write them before quitting?</source>
        <translation>Write them before quitting?</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Data bits</translation>
    </message>
    <message>
        <source>The built-in simulator</source>
        <translation>The built-in simulator</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Connecting to the device found at %1, unit id %2</source>
        <translation>Connecting to the device found at %1, unit id %2</translation>
    </message>
    <message>
        <source>Disconnected from %1 for the search</source>
        <translation>Disconnected from %1 for the search</translation>
    </message>
    <message>
        <source>Folder for the commissioning report</source>
        <translation>Folder for the commissioning report</translation>
    </message>
    <message>
        <source>not written to the device: %1</source>
        <translation>not written to the device: %1</translation>
    </message>
    <message>
        <source>the device&apos;s nameplate was not read</source>
        <translation>the device&apos;s nameplate was not read</translation>
    </message>
    <message>
        <source>nothing was written since the link was opened</source>
        <translation>nothing was written since the link was opened</translation>
    </message>
    <message>
        <source>not every value was taken and read back as written</source>
        <translation>not every value was taken and read back as written</translation>
    </message>
    <message numerus="yes">
        <source>%n parameter(s) written and read back</source>
        <translation>
            <numerusform>%n parameter written and read back</numerusform>
            <numerusform>%n parameters written and read back</numerusform>
        </translation>
    </message>
    <message>
        <source>Commissioning report</source>
        <translation>Commissioning report</translation>
    </message>
    <message>
        <source>Commissioning report written to %1</source>
        <translation>Commissioning report written to %1</translation>
    </message>
    <message>
        <source>Asking unit ids %1 to %2 on %3 ...</source>
        <translation>Asking unit ids %1 to %2 on %3 ...</translation>
    </message>
    <message>
        <source>The first unit id lies above the last.</source>
        <translation>The first unit id lies above the last.</translation>
    </message>
    <message>
        <source>answered with exception %1</source>
        <translation>answered with exception %1</translation>
    </message>
    <message>
        <source>(unknown)</source>
        <translation>(unknown)</translation>
    </message>
    <message numerus="yes">
        <source>%n device(s) found.</source>
        <translation>
            <numerusform>%n device found.</numerusform>
            <numerusform>%n devices found.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line setting(s), at most %1 s</source>
        <translation>
            <numerusform>%n line setting, at most %1 s</numerusform>
            <numerusform>%n line settings, at most %1 s</numerusform>
        </translation>
    </message>
    <message>
        <source>Find devices</source>
        <translation>Find devices</translation>
    </message>
    <message>
        <source>Modbus TCP</source>
        <translation>Modbus TCP</translation>
    </message>
    <message>
        <source>Modbus RTU (serial line)</source>
        <translation>Modbus RTU (serial line)</translation>
    </message>
    <message>
        <source>Try every baud rate and parity</source>
        <translation>Try every baud rate and parity</translation>
    </message>
    <message>
        <source>Unit ids:</source>
        <translation>Unit ids:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>to</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;top</translation>
    </message>
    <message>
        <source>Unit id</source>
        <translation>Unit id</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Order number</source>
        <translation>Order number</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Software version</translation>
    </message>
    <message>
        <source>Double-click a device to connect to it.</source>
        <translation>Double-click a device to connect to it.</translation>
    </message>
    <message>
        <source>Write them before connecting to the device found?</source>
        <translation>Write them before connecting to the device found?</translation>
    </message>
    <message>
        <source>Write commissioning &amp;report...</source>
        <translation>Write commissioning &amp;report...</translation>
    </message>
    <message>
        <source>&amp;Find devices...</source>
        <translation>&amp;Find devices...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Traffic monitor</source>
        <translation>Traffic monitor</translation>
    </message>
    <message>
        <source>Read holding registers (%1)</source>
        <translation>Read holding registers (%1)</translation>
    </message>
    <message>
        <source>Read input registers (%1)</source>
        <translation>Read input registers (%1)</translation>
    </message>
    <message>
        <source>Write single register (%1)</source>
        <translation>Write single register (%1)</translation>
    </message>
    <message>
        <source>Write multiple registers (%1)</source>
        <translation>Write multiple registers (%1)</translation>
    </message>
    <message>
        <source>Function %1</source>
        <translation>Function %1</translation>
    </message>
    <message>
        <source>retry</source>
        <translation>retry</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>exception %1 (%2)</source>
        <translation>exception %1 (%2)</translation>
    </message>
    <message>
        <source>timeout</source>
        <translation>timeout</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>failed: %1</translation>
    </message>
    <message>
        <source>request</source>
        <translation>request</translation>
    </message>
    <message>
        <source>response</source>
        <translation>response</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Bytes (hex)</source>
        <translation>Bytes (hex)</translation>
    </message>
    <message>
        <source>Round trip</source>
        <translation>Round trip</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Filter (any text of a row)</source>
        <translation>Filter (any text of a row)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Holds the table still; the statistics go on counting</source>
        <translation>Holds the table still; the statistics go on counting</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Empties the table and the statistics</source>
        <translation>Empties the table and the statistics</translation>
    </message>
    <message>
        <source>Requests:</source>
        <translation>Requests:</translation>
    </message>
    <message>
        <source>Retries:</source>
        <translation>Retries:</translation>
    </message>
    <message>
        <source>Timeouts:</source>
        <translation>Timeouts:</translation>
    </message>
    <message>
        <source>Exceptions:</source>
        <translation>Exceptions:</translation>
    </message>
    <message>
        <source>Failures:</source>
        <translation>Failures:</translation>
    </message>
    <message>
        <source>Mean round trip:</source>
        <translation>Mean round trip:</translation>
    </message>
    <message>
        <source>99th percentile:</source>
        <translation>99th percentile:</translation>
    </message>
    <message>
        <source>Round trip that 99 of 100 answers beat (over the last %1 answers)</source>
        <translation>Round trip that 99 of 100 answers beat (over the last %1 answers)</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>Recording to %1</translation>
    </message>
    <message numerus="yes">
        <source>Recording ended: %n row(s) in %1</source>
        <translation>
            <numerusform>Recording ended: %n row in %1</numerusform>
            <numerusform>Recording ended: %n rows in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Record to file</source>
        <translation>Record to file</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Value (%1)</source>
        <translation>Value (%1)</translation>
    </message>
    <message>
        <source>Output (%)</source>
        <translation>Output (%)</translation>
    </message>
    <message>
        <source>No trend: %1</source>
        <translation>No trend: %1</translation>
    </message>
    <message>
        <source>Link down: nothing is drawn until the device answers again</source>
        <translation>Link down: nothing is drawn until the device answers again</translation>
    </message>
    <message>
        <source>Waiting for the device&apos;s status (cyclic reading)</source>
        <translation>Waiting for the device&apos;s status (cyclic reading)</translation>
    </message>
    <message>
        <source>No status answer since %1</source>
        <translation>No status answer since %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message numerus="yes">
        <source>Recording: %n row(s)</source>
        <translation>
            <numerusform>Recording: %n row</numerusform>
            <numerusform>Recording: %n rows</numerusform>
        </translation>
    </message>
    <message>
        <source>Holds the picture still; samples are still taken and recorded</source>
        <translation>Holds the picture still; samples are still taken and recorded</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Follow</translation>
    </message>
    <message>
        <source>Back to the newest samples after zooming or panning</source>
        <translation>Back to the newest samples after zooming or panning</translation>
    </message>
    <message>
        <source>Last minute</source>
        <translation>Last minute</translation>
    </message>
    <message>
        <source>Last 10 minutes</source>
        <translation>Last 10 minutes</translation>
    </message>
    <message>
        <source>Last hour</source>
        <translation>Last hour</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Wheel: zoom the time axis · drag: pan · double click: follow the newest</source>
        <translation>Wheel: zoom the time axis · drag: pan · double click: follow the newest</translation>
    </message>
    <message>
        <source>Record every</source>
        <translation>Record every</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Least time between two rows of a recording</source>
        <translation>Least time between two rows of a recording</translation>
    </message>
    <message>
        <source>Record to file...</source>
        <translation>Record to file...</translation>
    </message>
    <message>
        <source>Writes every status answer (one row per interval) to a CSV file</source>
        <translation>Writes every status answer (one row per interval) to a CSV file</translation>
    </message>
</context>
</TS>
