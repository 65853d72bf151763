<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Cacquisition</name>
    <message>
        <source>the month file %1 holds only %2 days</source>
        <translation>the month file %1 holds only %2 days</translation>
    </message>
    <message>
        <source>its month has no such day</source>
        <translation>its month has no such day</translation>
    </message>
    <message>
        <source>Error - The record of %1 cannot be stored and was removed from the unit: %2!</source>
        <translation>The record of %1 cannot be stored and was removed from the unit: %2.</translation>
    </message>
    <message>
        <source>Aktuell: %1</source>
        <extracomment>The running window&apos;s caption: %1 is the time of the newest stored record.</extracomment>
        <translation>Current: %1</translation>
    </message>
    <message>
        <source>Aktuell:</source>
        <extracomment>The running window&apos;s caption while no record has been stored yet.</extracomment>
        <translation>Current: no record yet</translation>
    </message>
</context>
<context>
    <name>Calarmevaluator</name>
    <message>
        <source>Error - The alarm log %1 cannot be read!</source>
        <translation>Error - The alarm log %1 cannot be read!</translation>
    </message>
</context>
<context>
    <name>Ccommbase</name>
    <message>
        <source>Communications port %1 cannot connected!</source>
        <translation>Communication port %1 cannot be opened.</translation>
    </message>
    <message>
        <source>Communications port %1 it can not be initialized!</source>
        <translation>Communication port %1 cannot be set up.</translation>
    </message>
    <message>
        <source>Es besteht keine Verbindung zum Akquisitionssystem!</source>
        <translation>There is no connection to the acquisition unit.</translation>
    </message>
    <message>
        <source>Tried: %1. The port of the unit is chosen under Admin › Communications parameter...</source>
        <translation>Port tried: %1. Choose the unit&apos;s port under Admin › Communication settings...</translation>
    </message>
</context>
<context>
    <name>Cctlmessages</name>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>warning</translation>
    </message>
    <message>
        <source>information</source>
        <translation>information</translation>
    </message>
    <message>
        <source>question</source>
        <translation>question</translation>
    </message>
    <message>
        <source>  File: %1</source>
        <translation>  File: %1</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>[y/N] </source>
        <extracomment>The answers to a question: y for yes (also the word &quot;yes&quot; as translated), N by default.</extracomment>
        <translation>[y/N] </translation>
    </message>
</context>
<context>
    <name>Cdatadirlock</name>
    <message>
        <source>Error - The data directory %1 is in use by %2!</source>
        <translation>The data directory %1 is in use by %2.</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>another program</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (process %2)</translation>
    </message>
</context>
<context>
    <name>Cfileact</name>
    <message>
        <source>its header announces only %1 days</source>
        <translation>its header announces only %1 days</translation>
    </message>
    <message>
        <source>another program holds it</source>
        <translation>another program is using it</translation>
    </message>
    <message>
        <source>a directory of that name is in the way</source>
        <translation>a directory of that name is in the way</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>no permission to write it</source>
        <translation>no permission to write it</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>it is no month file and cannot be moved aside</source>
        <translation>it is not a month file and cannot be moved aside</translation>
    </message>
    <message>
        <source>the disk reports an error</source>
        <translation>the disk reports an error</translation>
    </message>
    <message>
        <source>Error - File %1 cannot be written: %2!</source>
        <translation>File %1 cannot be written: %2.</translation>
    </message>
    <message>
        <source>The month file %1 cannot take the records: %2. It is kept as %3, and a new month file %1 takes the records.</source>
        <translation>The month file %1 cannot take the records: %2. It is kept as %3, and a new month file %1 takes the records.</translation>
    </message>
    <message>
        <source>it is no month file</source>
        <translation>it is not a month file</translation>
    </message>
    <message>
        <source>it holds another month</source>
        <translation>it holds another month</translation>
    </message>
</context>
<context>
    <name>Cfiledata</name>
    <message>
        <source>Fehler beim Versuch eine Datei zu öffnen!</source>
        <translation>The file cannot be opened.</translation>
    </message>
    <message>
        <source>Diese Datei ist keine gültige Datendatei!</source>
        <translation>This file is not a valid data file.</translation>
    </message>
</context>
<context>
    <name>Cinifile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>it is larger than %1 bytes</translation>
    </message>
    <message>
        <source>it cannot be read whole</source>
        <translation>it cannot be read completely</translation>
    </message>
    <message>
        <source>Error - The settings file %1 cannot be read: %2!</source>
        <translation>The settings file %1 cannot be read: %2.</translation>
    </message>
</context>
<context>
    <name>Cmessages</name>
    <message>
        <source>Error - File %1 cannot be written!</source>
        <translation>The file %1 cannot be written.</translation>
    </message>
</context>
<context>
    <name>Cnotices</name>
    <message>
        <source>The data were accepted by system of the account of data,</source>
        <translation>A record from the acquisition unit was refused:</translation>
    </message>
    <message>
        <source>Date a difference of time is more than 30 days to date</source>
        <translation>its time differs from the date of the PC</translation>
    </message>
    <message>
        <source>PC is found out. The data do not gather!</source>
        <translation>by more than 30 days. The record is not stored.</translation>
    </message>
    <message>
        <source>Now there is no connection with system of the account of the data!</source>
        <translation>There is no connection to the acquisition unit.</translation>
    </message>
</context>
<context>
    <name>Coperator</name>
    <message>
        <source>The operator list %1 cannot be read whole (it is unreadable, not a regular file or larger than %2 bytes). It is left as it is and cannot be changed here.</source>
        <translation>The operator list %1 cannot be read completely (it is unreadable, not a regular file or larger than %2 bytes). It is left unchanged and cannot be edited here.</translation>
    </message>
    <message>
        <source>Type a name first.</source>
        <translation>Type a name first.</translation>
    </message>
    <message>
        <source>This name is already in the list.</source>
        <translation>This name is already in the list.</translation>
    </message>
</context>
<context>
    <name>Cprintbase</name>
    <message>
        <source>Es kann nicht gedruckt werden: kein Drucker gewählt. Die Drucker werden unter Admin › Printers... gewählt.</source>
        <translation>Cannot print: no printer is chosen. Choose the printers under Admin › Printers...</translation>
    </message>
    <message>
        <source>Es kann nicht gedruckt werden!</source>
        <translation>Cannot print.</translation>
    </message>
    <message>
        <source>ZEDA %1 %2, printer %3</source>
        <translation>ZEDA %1 %2, printer %3</translation>
    </message>
    <message>
        <source>day %1</source>
        <translation>day %1</translation>
    </message>
    <message>
        <source>days %1-%2</source>
        <translation>days %1-%2</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>Page %1, printed %2</source>
        <translation>Page %1, printed %2</translation>
    </message>
</context>
<context>
    <name>Cprintview</name>
    <message>
        <source>%1.Tag</source>
        <translation>Day %1</translation>
    </message>
    <message>
        <source>view</source>
        <translation>view</translation>
    </message>
</context>
<context>
    <name>Falarmlimits</name>
    <message>
        <source>The alarm field &quot;%1&quot; needs a number with at most six decimals, not &quot;%2&quot;!</source>
        <translation>The alarm field &quot;%1&quot; needs a number with at most six decimals, not &quot;%2&quot;!</translation>
    </message>
    <message>
        <source>The alarm field &quot;hysteresis&quot; needs a number of at least 0, not &quot;%1&quot;!</source>
        <translation>The alarm field &quot;hysteresis&quot; needs a number of at least 0, not &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>The alarm field &quot;delay&quot; needs whole minutes from 0 to 1440, not &quot;%1&quot;!</source>
        <translation>The alarm field &quot;delay&quot; needs whole minutes from 0 to 1440, not &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>The alarm field &quot;latched&quot; needs 0 or 1, not &quot;%1&quot;!</source>
        <translation>The alarm field &quot;latched&quot; needs 0 or 1, not &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>There is no alarm field &quot;%1&quot;!</source>
        <translation>There is no alarm field &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>The alarm field &quot;%1&quot; has no &quot;=&quot;!</source>
        <translation>The alarm field &quot;%1&quot; has no &quot;=&quot;!</translation>
    </message>
    <message>
        <source>The alarm field &quot;highhigh&quot; must lie above &quot;high&quot;!</source>
        <translation>The alarm field &quot;highhigh&quot; must lie above &quot;high&quot;!</translation>
    </message>
    <message>
        <source>The alarm field &quot;lowlow&quot; must lie below &quot;low&quot;!</source>
        <translation>The alarm field &quot;lowlow&quot; must lie below &quot;low&quot;!</translation>
    </message>
    <message>
        <source>The alarm field &quot;low&quot; must lie below &quot;high&quot;!</source>
        <translation>The alarm field &quot;low&quot; must lie below &quot;high&quot;!</translation>
    </message>
    <message>
        <source>Alarm limits of channel %1: %2</source>
        <translation>Alarm limits of channel %1: %2</translation>
    </message>
</context>
<context>
    <name>Falarmlist</name>
    <message>
        <source>Raised</source>
        <translation>Raised</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Peak</translation>
    </message>
    <message>
        <source>Acknowledged by</source>
        <translation>Acknowledged by</translation>
    </message>
    <message>
        <source>%1 more alarms are in the alarm log</source>
        <translation>%1 more alarms are in the alarm log</translation>
    </message>
</context>
<context>
    <name>Fbackup</name>
    <message>
        <source>Wollen Sie die Monatsdatei des Standorts %1 importieren?</source>
        <translation>Do you want to import the month file %1?</translation>
    </message>
    <message>
        <source>Error - File exist!</source>
        <translation>The file already exists.</translation>
    </message>
    <message>
        <source>Auf dem angegebenen Laufwerk ist nicht genug freier Speicherplatz vorhanden!</source>
        <translation>There is not enough free space on the chosen drive.</translation>
    </message>
    <message>
        <source>Die Monatsdatei wurde erfolgreich gesichert!</source>
        <translation>The month file has been backed up.</translation>
    </message>
    <message>
        <source>Die Monatsdatei konnte nicht erfolgreich gesichert werden!</source>
        <translation>The month file could not be backed up.</translation>
    </message>
    <message>
        <source>Die zu importierende Monatsdatei befindet sich bereits auf Ihrem System!</source>
        <translation>The month file to import is already on this system.</translation>
    </message>
    <message>
        <source>Die Monatsdatei wurde erfolgreich importiert!</source>
        <translation>The month file has been imported.</translation>
    </message>
    <message>
        <source>Die Monatsdatei konnte nicht erfolgreich importiert werden!</source>
        <translation>The month file could not be imported.</translation>
    </message>
</context>
<context>
    <name>Fcommandline</name>
    <message>
        <source>%1: --%2 takes a whole number from %3 to %4</source>
        <translation>%1: --%2 takes a whole number from %3 to %4</translation>
    </message>
</context>
<context>
    <name>Fcommlink</name>
    <message>
        <source>Unit: serial (Unit=serial)</source>
        <translation>Unit: serial line (Unit=serial)</translation>
    </message>
    <message>
        <source>Unit: simulator (Unit=sim)</source>
        <translation>Unit: simulator (Unit=sim)</translation>
    </message>
</context>
<context>
    <name>Fctlcommon</name>
    <message>
        <source>Data directory (default: the program&apos;s directory when it may be written, otherwise $XDG_DATA_HOME/zeda).</source>
        <translation>Data directory (default: the program&apos;s directory when it may be written, otherwise $XDG_DATA_HOME/zeda).</translation>
    </message>
</context>
<context>
    <name>Fexceptionlist</name>
    <message>
        <source>Type a description first.</source>
        <translation>Type a description first.</translation>
    </message>
    <message>
        <source>A description cannot start with a blank.</source>
        <translation>A description cannot start with a space.</translation>
    </message>
    <message>
        <source>A description cannot hold tabs or line breaks.</source>
        <translation>A description cannot contain tabs or line breaks.</translation>
    </message>
    <message>
        <source>A description holds at most %1 characters, the &quot;!&quot; of a note-only one included.</source>
        <translation>A description can have at most %1 characters, including the &quot;!&quot; of a note-only one.</translation>
    </message>
    <message>
        <source>The list holds at most %1 descriptions.</source>
        <translation>The list can hold at most %1 descriptions.</translation>
    </message>
    <message>
        <source>The exception list %1 cannot be read. It is left as it is.</source>
        <translation>The exception list %1 cannot be read. It is left unchanged.</translation>
    </message>
    <message>
        <source>A description can only use letters, digits and signs of Western European languages.</source>
        <translation>A description can only use letters, digits and signs of Western European languages.</translation>
    </message>
    <message>
        <source>%1 holds more than the exception menu shows (it shows the first 30 lines, 70 characters of each, up to a NUL byte, and no indented line); all of it is kept.</source>
        <translation>%1 holds more than the exception menu shows (it shows the first 30 lines, 70 characters of each, up to a NUL byte, and no indented line); all of it is kept.</translation>
    </message>
</context>
<context>
    <name>Fexceptions</name>
    <message>
        <source>Die Ausnahmebeschreibung konnte nicht gesetzt werden, da es eine Überschneidung mit einer bestehenden Ausnahmebeschreibung gibt!</source>
        <translation>The exception period cannot be set: it overlaps an existing exception period.</translation>
    </message>
    <message>
        <source>Es wurde bereits die maximal zulässige Anzahl von Ausnahmebeschreibungen, die pro Monatsdatei möglich sind, gesetzt!</source>
        <translation>The month file already holds the largest possible number of exception periods.</translation>
    </message>
    <message>
        <source>Der markierte Datenbereich stimmt nicht mit einer bestehenden Ausnahmebeschreibung überein!</source>
        <translation>The marked range does not match an existing exception period.</translation>
    </message>
</context>
<context>
    <name>Fexport</name>
    <message>
        <source>Die Datei EXPORT.CSV konnte nicht erzeugt werden!</source>
        <translation>The export file could not be created.</translation>
    </message>
    <message>
        <source>Der selektierte Datenbereich wurde erfolgreich exportiert!</source>
        <translation>The marked range has been exported.</translation>
    </message>
</context>
<context>
    <name>Flinkstate</name>
    <message>
        <source>Simulator</source>
        <translation>Simulator</translation>
    </message>
    <message>
        <source>Unit: connected</source>
        <translation>Unit: connected</translation>
    </message>
    <message>
        <source>Unit: connected — last record %1</source>
        <translation>Unit: connected — last record %1</translation>
    </message>
    <message>
        <source>Unit: no answer (%1), trying again</source>
        <translation>Unit: no answer (%1), trying again</translation>
    </message>
    <message>
        <source>Unit: no answer since %1 (%2), trying again</source>
        <translation>Unit: no answer since %1 (%2), trying again</translation>
    </message>
    <message>
        <source>no data</source>
        <translation>no data</translation>
    </message>
    <message>
        <source>no data since %1</source>
        <translation>no data since %1</translation>
    </message>
</context>
<context>
    <name>FormatDateTimeForPeople</name>
    <message>
        <source>yyyy.MM.dd / _H:mm</source>
        <extracomment>A QDateTime format: yyyy year, MM month, dd day, HH hour, mm minute; &quot;_H&quot; is the hour padded with a blank to two places. The date and the time alone take the same forms.</extracomment>
        <translation>yyyy-MM-dd HH:mm</translation>
    </message>
    <message>
        <source>yyyy.MM.dd</source>
        <extracomment>The date alone, in the form of the date and time (&quot;yyyy.MM.dd / _H:mm&quot;).</extracomment>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>_H:mm</source>
        <extracomment>The time alone, in the form of the date and time (&quot;yyyy.MM.dd / _H:mm&quot;).</extracomment>
        <translation>HH:mm</translation>
    </message>
</context>
<context>
    <name>Foutput</name>
    <message>
        <source>Error - File %1 is a month file and is not overwritten!</source>
        <translation>The file %1 is a month file and is not overwritten.</translation>
    </message>
</context>
<context>
    <name>Fpagesections</name>
    <message>
        <source>ZEDA-/-%1: %2</source>
        <translation>ZEDA / %1: %2</translation>
    </message>
</context>
<context>
    <name>Fpassword</name>
    <message>
        <source>Empty Password!</source>
        <translation>The password is empty.</translation>
    </message>
    <message>
        <source>Password not Confirm!</source>
        <translation>The passwords do not match.</translation>
    </message>
    <message>
        <source>A password can only use letters, digits and signs of Western European languages.</source>
        <translation>A password can only use letters, digits and signs of Western European languages.</translation>
    </message>
    <message>
        <source>A password cannot hold control characters.</source>
        <translation>A password cannot contain control characters.</translation>
    </message>
    <message>
        <source>A password holds at most %1 characters.</source>
        <translation>A password can have at most %1 characters.</translation>
    </message>
</context>
<context>
    <name>Frangestats</name>
    <message>
        <source>%1 minute without data</source>
        <translation>%1 minute without data</translation>
    </message>
    <message>
        <source>%1 minutes without data</source>
        <translation>%1 minutes without data</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 d %2</source>
        <translation>%1 d %2</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Std dev</source>
        <translation>Std. dev.</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Counted</translation>
    </message>
    <message>
        <source>Without data</source>
        <translation>Without data</translation>
    </message>
    <message>
        <source>Range %1 – %2, %3</source>
        <translation>Range %1 – %2, %3</translation>
    </message>
</context>
<context>
    <name>Freportpdf</name>
    <message>
        <source>view print</source>
        <translation>view print</translation>
    </message>
    <message>
        <source>month report, %1 days a page</source>
        <translation>month report, %1 days a page</translation>
    </message>
    <message>
        <source>day report, day %1</source>
        <translation>day report, day %1</translation>
    </message>
    <message>
        <source>day report, days %1-%2</source>
        <translation>day report, days %1-%2</translation>
    </message>
    <message>
        <source>view</source>
        <translation>view</translation>
    </message>
    <message>
        <source>month</source>
        <translation>month</translation>
    </message>
    <message>
        <source>day %1</source>
        <translation>day %1</translation>
    </message>
    <message>
        <source>days %1-%2</source>
        <translation>days %1-%2</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>The report was written to %1.</translation>
    </message>
</context>
<context>
    <name>Ftextfield</name>
    <message>
        <source>The location can only use letters, digits and signs of Western European languages</source>
        <translation>The location can only use letters, digits and signs of Western European languages</translation>
    </message>
    <message>
        <source>An operator name can only use letters, digits and signs of Western European languages</source>
        <translation>An operator name can only use letters, digits and signs of Western European languages</translation>
    </message>
    <message>
        <source>A channel name can only use letters, digits and signs of Western European languages</source>
        <translation>A channel name can only use letters, digits and signs of Western European languages</translation>
    </message>
    <message>
        <source>A channel unit can only use letters, digits and signs of Western European languages</source>
        <translation>A channel unit can only use letters, digits and signs of Western European languages</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; cannot be stored.</source>
        <translation>%1: &quot;%2&quot; cannot be stored.</translation>
    </message>
</context>
<context>
    <name>Fviewchannel</name>
    <message>
        <source>Day: %1  /  Hour: %2      </source>
        <translation>Day: %1  /  Time: %2      </translation>
    </message>
    <message>
        <source>Operator: Unknown</source>
        <translation>Operator: unknown</translation>
    </message>
    <message>
        <source>Operator: </source>
        <translation>Operator: </translation>
    </message>
</context>
<context>
    <name>OkCancelButtons</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>Publishing</name>
    <message>
        <source>The broker %1 accepted the connection.</source>
        <translation>The broker %1 accepted the connection.</translation>
    </message>
    <message>
        <source>No connection to the broker %1: %2</source>
        <translation>No connection to the broker %1: %2</translation>
    </message>
    <message>
        <source>the host name cannot be resolved</source>
        <translation>the host name cannot be resolved</translation>
    </message>
    <message>
        <source>the CA file %1 cannot be read</source>
        <translation>the CA file %1 cannot be read</translation>
    </message>
    <message>
        <source>the broker refused the connection: %1</source>
        <translation>the broker refused the connection: %1</translation>
    </message>
    <message>
        <source>the broker did not answer within %1 s</source>
        <translation>the broker did not answer within %1 s</translation>
    </message>
    <message>
        <source>Error - No broker or no valid topic is set!</source>
        <translation>No broker or no valid topic is set.</translation>
    </message>
    <message>
        <source>Error - File %1 cannot be read!</source>
        <translation>The file %1 cannot be read.</translation>
    </message>
    <message>
        <source>Error - No connection to the broker %1: %2</source>
        <translation>No connection to the broker %1: %2</translation>
    </message>
    <message>
        <source>Warning - The connection to the broker %1 was lost: %2</source>
        <translation>The connection to the broker %1 was lost: %2</translation>
    </message>
    <message>
        <source>Error - Publishing from %1 is already done by %2!</source>
        <translation>%2 is already publishing from %1.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Error - Publishing cannot begin at %1: the newest stored minute is %2!</source>
        <translation>Publishing cannot begin at %1: the newest stored minute is %2.</translation>
    </message>
    <message>
        <source>Error - The cursor %1 in %2 lies after the newest stored minute %3!</source>
        <translation>The cursor %1 in %2 lies after the newest stored minute %3.</translation>
    </message>
    <message>
        <source>Warning - The cursor %1 in %2 lay after the newest stored minute %3; it is set back to it.</source>
        <translation>The cursor %1 in %2 was after the newest stored minute %3; it has been set back to it.</translation>
    </message>
    <message>
        <source>Warning - The month file %1 is busy; publishing waits before its minutes.</source>
        <translation>The month file %1 is in use; publishing waits before its minutes.</translation>
    </message>
    <message>
        <source>Error - %1 is not a valid month file; publishing stops before its minutes!</source>
        <translation>%1 is not a valid month file; publishing stops before its minutes.</translation>
    </message>
    <message>
        <source>Warning - A day of the month file %1 cannot be read; publishing waits before its minutes.</source>
        <translation>A day of the month file %1 cannot be read; publishing waits before its minutes.</translation>
    </message>
    <message>
        <source>Warning - The cursor cannot be saved in %1: %2!</source>
        <translation>The cursor cannot be saved in %1: %2.</translation>
    </message>
    <message>
        <source>Error - The cursor cannot be saved in %1: %2! The minutes up to %3 were delivered to the broker; the next start sends them again.</source>
        <translation>The cursor cannot be saved in %1: %2. The minutes up to %3 were delivered to the broker; the next start sends them again.</translation>
    </message>
    <message>
        <source>Error - The lock file %1 is not a plain file!</source>
        <translation>The lock file %1 is not a plain file.</translation>
    </message>
    <message>
        <source>Error - The lock file %1 cannot be created: %2!</source>
        <translation>The lock file %1 cannot be created: %2.</translation>
    </message>
    <message>
        <source>holds a character outside Windows-1252</source>
        <translation>holds a character outside Windows-1252</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>holds a control character</translation>
    </message>
    <message>
        <source>is longer than 65535 bytes</source>
        <translation>is longer than 65,535 bytes</translation>
    </message>
    <message>
        <source>Error - The MQTT setting %1 %2!</source>
        <translation>The MQTT setting %1 %2.</translation>
    </message>
    <message>
        <source>Error - A topic to publish to cannot hold &quot;+&quot; or &quot;#&quot;!</source>
        <translation>A topic to publish to cannot contain &quot;+&quot; or &quot;#&quot;.</translation>
    </message>
    <message>
        <source>is not a number from 1 to 65535</source>
        <translation>is not a number from 1 to 65535</translation>
    </message>
    <message>
        <source>is set without a User</source>
        <translation>is set without a User</translation>
    </message>
</context>
<context>
    <name>TAlarmCommands</name>
    <message>
        <source>Alarm limits...</source>
        <translation>Alarm limits...</translation>
    </message>
</context>
<context>
    <name>TAlarmPanel</name>
    <message>
        <source>Alarms</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>Raised</source>
        <translation>Raised</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Cleared</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Peak</translation>
    </message>
    <message>
        <source>Acknowledged</source>
        <translation>Acknowledged</translation>
    </message>
    <message>
        <source>&amp;Acknowledge</source>
        <translation>&amp;Acknowledge</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1 by %2</translation>
    </message>
</context>
<context>
    <name>TAlarming</name>
    <message>
        <source>Acknowledge alarms</source>
        <translation>Acknowledge alarms</translation>
    </message>
    <message>
        <source>Alarm %1: channel %2 %3 is beyond its limit %4 %5 (%6 %5)</source>
        <translation>Alarm %1: channel %2 %3 is beyond its limit %4 %5 (%6 %5)</translation>
    </message>
    <message>
        <source>Alarms: %1 not acknowledged</source>
        <translation>Alarms: %1 not acknowledged</translation>
    </message>
    <message>
        <source>ZEDA alarm</source>
        <translation>ZEDA alarm</translation>
    </message>
</context>
<context>
    <name>TChannelPanel</name>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>In use</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Value at %1</source>
        <translation>Value at %1</translation>
    </message>
    <message>
        <source>alarm</source>
        <translation>alarm</translation>
    </message>
    <message>
        <source>latched</source>
        <translation>latched</translation>
    </message>
    <message>
        <source>acknowledged</source>
        <translation>acknowledged</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
</context>
<context>
    <name>TEditCommands</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Edit commands</source>
        <translation>Edit commands</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
</context>
<context>
    <name>TFileCommands</name>
    <message>
        <source>Open</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen...</source>
        <translation>Open a month file</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>closes the active window</comment>
        <translation>Close</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>Close the active window</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Import...</translation>
    </message>
    <message>
        <source>Backup...</source>
        <translation>Back up...</translation>
    </message>
    <message>
        <source>Si&amp;chern...</source>
        <translation>Back up the month file</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Exit the program</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>backs the month file up</comment>
        <translation>Back up</translation>
    </message>
</context>
<context>
    <name>THelpCommands</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>About ZEDA...</source>
        <translation>About ZEDA...</translation>
    </message>
    <message>
        <source>ZEDA %1
Licence: proprietary
Data directory: %2
Qt %3</source>
        <translation>ZEDA %1
Licence: proprietary
Data directory: %2
Qt %3</translation>
    </message>
</context>
<context>
    <name>TNumberEdit</name>
    <message>
        <source>Whole number, %1 … %2</source>
        <translation>Whole number, %1 … %2</translation>
    </message>
    <message>
        <source>%1 enter a whole number from %2 to %3.</source>
        <translation>%1 enter a whole number from %2 to %3.</translation>
    </message>
</context>
<context>
    <name>TOperatorCommands</name>
    <message>
        <source>&amp;Operator</source>
        <translation>&amp;Operator</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <translation>&amp;Log in...</translation>
    </message>
    <message>
        <source>&amp;Anmelden...</source>
        <translation>Log in as an operator</translation>
    </message>
    <message>
        <source>Logoff</source>
        <translation>Log off</translation>
    </message>
    <message>
        <source>Ab&amp;melden</source>
        <translation>Log off the operator</translation>
    </message>
    <message>
        <source>&amp;Manage...</source>
        <translation>&amp;Manage operators...</translation>
    </message>
    <message>
        <source>&amp;Verwaltung...</source>
        <translation>Manage the operators</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>&amp;Anmelden admin</source>
        <translation>Log in as administrator</translation>
    </message>
    <message>
        <source>Ab&amp;melden admin</source>
        <translation>Log off the administrator</translation>
    </message>
    <message>
        <source>Password...</source>
        <translation>Password...</translation>
    </message>
    <message>
        <source>&amp;Paßwort ändern...</source>
        <translation>Change the password</translation>
    </message>
    <message>
        <source>ZEDA - Operator:</source>
        <translation>ZEDA - Operator: </translation>
    </message>
</context>
<context>
    <name>TPrintCommands</name>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Day print</source>
        <translation>Day report...</translation>
    </message>
    <message>
        <source>&amp;Tagesdruck...</source>
        <translation>Print a day report</translation>
    </message>
    <message>
        <source>Month print</source>
        <translation>Month report</translation>
    </message>
    <message>
        <source>&amp;%1 Day on page</source>
        <translation>&amp;%1 days per page</translation>
    </message>
    <message>
        <source>Expression of the actual image</source>
        <translation>Current view</translation>
    </message>
    <message>
        <source>&amp;Ausdruck der aktuellen Darstellung</source>
        <translation>Print the current view</translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation>Preview...</translation>
    </message>
    <message>
        <source>Export report as PDF...</source>
        <translation>Export report as PDF...</translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation>Print setup...</translation>
    </message>
    <message>
        <source>Drucken setup</source>
        <translation>Set up the printer</translation>
    </message>
    <message>
        <source>Printers...</source>
        <translation>Printers...</translation>
    </message>
    <message>
        <source>&amp;Druckparameter...</source>
        <translation>Choose the report printers</translation>
    </message>
</context>
<context>
    <name>TPublishCommands</name>
    <message>
        <source>Publishing (MQTT)...</source>
        <translation>Publishing (MQTT)...</translation>
    </message>
</context>
<context>
    <name>TPublishing</name>
    <message>
        <source>MQTT: %1</source>
        <translation>MQTT: %1</translation>
    </message>
    <message>
        <source>MQTT: connecting to %1 ...</source>
        <translation>MQTT: connecting to %1 ...</translation>
    </message>
    <message>
        <source>MQTT: connected, backlog %1, acknowledged up to %2</source>
        <translation>MQTT: connected, backlog %1, acknowledged up to %2</translation>
    </message>
    <message>
        <source>MQTT: no connection, backlog %1, acknowledged up to %2</source>
        <translation>MQTT: no connection, backlog %1, acknowledged up to %2</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
</context>
<context>
    <name>TRangePanel</name>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Std dev</source>
        <translation>Std. dev.</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Counted</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Puts the table on the clipboard as tab-separated text</source>
        <translation>Copies the table to the clipboard as tab-separated text</translation>
    </message>
    <message>
        <source>Set both marks (hold the right mouse button, click the left one) to read the figures of the range between them.</source>
        <translation>Set both marks (hold the right mouse button and click the left one) to see the figures of the range between them.</translation>
    </message>
    <message>
        <source>Start: %1   End: %2   Duration: %3</source>
        <translation>Start: %1   End: %2   Duration: %3</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 of %2</translation>
    </message>
</context>
<context>
    <name>TSettingCommands</name>
    <message>
        <source>Setting</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>White</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grey</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Location...</translation>
    </message>
    <message>
        <source>Betriebsort</source>
        <translation>Set the location</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Channel %1...</translation>
    </message>
    <message>
        <source>Time...</source>
        <translation>Retention...</translation>
    </message>
    <message>
        <source>Zeit&amp;raum des Datenerhalts...</source>
        <translation>Set how long month files are kept</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Screen...</translation>
    </message>
    <message>
        <source>&amp;Bildschirmschrift...</source>
        <translation>Choose the screen font</translation>
    </message>
    <message>
        <source>Print</source>
        <comment>the printer font</comment>
        <translation>Printer...</translation>
    </message>
    <message>
        <source>&amp;Druckerschrift...</source>
        <translation>Choose the printer font</translation>
    </message>
    <message>
        <source>Summer time</source>
        <translation>Summer time...</translation>
    </message>
    <message>
        <source>Sommer&amp;zeit...</source>
        <translation>Set the summer time rules</translation>
    </message>
</context>
<context>
    <name>TTimeCommands</name>
    <message>
        <source>&amp;Time</source>
        <translation>&amp;Time</translation>
    </message>
    <message>
        <source>Mark delete</source>
        <translation>Clear marks</translation>
    </message>
    <message>
        <source>Zeitraumdefinition &amp;löschen</source>
        <translation>Clear the marked range</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Daten &amp;exportieren...</source>
        <translation>Export the marked range as CSV</translation>
    </message>
    <message>
        <source>Exclusive description</source>
        <translation>Exception periods</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>&amp;Aufheben</source>
        <translation>Clear the exception period</translation>
    </message>
    <message>
        <source>Exception descriptions...</source>
        <translation>Exception descriptions...</translation>
    </message>
    <message>
        <source>%1 (note only)</source>
        <translation>%1 (note only)</translation>
    </message>
</context>
<context>
    <name>TUnitCommands</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>&amp;System information...</source>
        <translation>&amp;System information...</translation>
    </message>
    <message>
        <source>&amp;Systeminformation...</source>
        <translation>Show the unit&apos;s system information</translation>
    </message>
    <message>
        <source>Channels group</source>
        <translation>Channel test...</translation>
    </message>
    <message>
        <source>&amp;Datenkanalüberprüfung...</source>
        <translation>Test the data channels</translation>
    </message>
    <message>
        <source>Communications parameter...</source>
        <translation>Communication settings...</translation>
    </message>
    <message>
        <source>&amp;Kommunikationsparameter...</source>
        <translation>Set the serial port and baud rate</translation>
    </message>
</context>
<context>
    <name>TViewCommands</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation>&amp;Time</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Values</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Channel%1</source>
        <translation>Channel %1</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Show all channels</translation>
    </message>
    <message>
        <source>Alle Anzeigen</source>
        <translation>Show all channels</translation>
    </message>
    <message>
        <source>Clear Channels</source>
        <translation>Hide all channels</translation>
    </message>
    <message>
        <source>Keinen Anzeigen</source>
        <translation>Hide all channels</translation>
    </message>
</context>
<context>
    <name>TWindowCommands</name>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>Cascade</source>
        <translation>Cascade</translation>
    </message>
    <message>
        <source>Über&amp;lappend</source>
        <translation>Cascade the windows</translation>
    </message>
    <message>
        <source>Tile Horizontal</source>
        <translation>Tile horizontally</translation>
    </message>
    <message>
        <source>&amp;Nebeneinander</source>
        <translation>Tile the windows</translation>
    </message>
    <message>
        <source>Tile Vertical</source>
        <translation>Tile vertically</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize all</translation>
    </message>
    <message>
        <source>&amp;Alle Fenster schließen</source>
        <translation>Minimize all windows</translation>
    </message>
    <message>
        <source>Arrange</source>
        <translation>Arrange icons</translation>
    </message>
    <message>
        <source>Sinn&amp;bilder anordnen</source>
        <translation>Arrange the minimized windows</translation>
    </message>
</context>
<context>
    <name>TfmACQInfo</name>
    <message>
        <source>System information</source>
        <translation>System information</translation>
    </message>
    <message>
        <source> System information </source>
        <translation> System information </translation>
    </message>
    <message>
        <source>Firmware-Release:</source>
        <translation>Firmware release:</translation>
    </message>
    <message>
        <source>System time:</source>
        <translation>Unit time:</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Records waiting</translation>
    </message>
    <message>
        <source> Installation of time </source>
        <translation> Set the unit clock </translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Es besteht keine Verbindung zum Akquisitionssystem!</source>
        <translation>There is no connection to the acquisition unit.</translation>
    </message>
</context>
<context>
    <name>TfmAlarmLimits</name>
    <message>
        <source>Alarm limits</source>
        <translation>Alarm limits</translation>
    </message>
    <message>
        <source>Channel %1 %2</source>
        <translation>Channel %1 %2</translation>
    </message>
    <message>
        <source>&amp;Latched: stays until acknowledged</source>
        <translation>&amp;Latched: stays until acknowledged</translation>
    </message>
    <message>
        <source>Values in the channel&apos;s units, at most six decimals, empty for no limit. High-high above high, low-low below low, low below high. Delay: minutes with data beyond a limit before it raises (0 to 1440).</source>
        <translation>Values in the channel&apos;s units, at most six decimals, empty for no limit. High-high above high, low-low below low, low below high. Delay: minutes with data beyond a limit before it raises (0 to 1440).</translation>
    </message>
    <message>
        <source>&amp;Channel:</source>
        <translation>&amp;Channel:</translation>
    </message>
    <message>
        <source>&amp;High:</source>
        <translation>&amp;High:</translation>
    </message>
    <message>
        <source>Hi&amp;gh-high:</source>
        <translation>Hi&amp;gh-high:</translation>
    </message>
    <message>
        <source>L&amp;ow:</source>
        <translation>L&amp;ow:</translation>
    </message>
    <message>
        <source>Lo&amp;w-low:</source>
        <translation>Lo&amp;w-low:</translation>
    </message>
    <message>
        <source>H&amp;ysteresis:</source>
        <translation>H&amp;ysteresis:</translation>
    </message>
    <message>
        <source>&amp;Delay (minutes):</source>
        <translation>&amp;Delay (minutes):</translation>
    </message>
</context>
<context>
    <name>TfmChannelTest</name>
    <message>
        <source>Channel test</source>
        <translation>Channel test</translation>
    </message>
    <message>
        <source>Channel %1:</source>
        <translation>Channel %1:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TfmChildBase</name>
    <message>
        <source>Child</source>
        <translation>Window</translation>
    </message>
</context>
<context>
    <name>TfmCsvExport</name>
    <message>
        <source>Export as CSV</source>
        <translation>Export as CSV</translation>
    </message>
    <message>
        <source>ZEDA: &quot;;&quot;, decimal comma, Windows-1252, 0 where no value is</source>
        <translation>ZEDA: &quot;;&quot;, decimal comma, Windows-1252, 0 where no value is</translation>
    </message>
    <message>
        <source>Excel (German): &quot;;&quot;, decimal comma, UTF-8</source>
        <translation>Excel (German): &quot;;&quot;, decimal comma, UTF-8</translation>
    </message>
    <message>
        <source>Excel (English): &quot;,&quot;, decimal point, UTF-8</source>
        <translation>Excel (English): &quot;,&quot;, decimal point, UTF-8</translation>
    </message>
    <message>
        <source>RFC 4180: &quot;,&quot;, decimal point, UTF-8, LF line ends</source>
        <translation>RFC 4180: &quot;,&quot;, decimal point, UTF-8, LF line ends</translation>
    </message>
    <message>
        <source>A column after each value that says why it is empty</source>
        <translation>A column after each value that says why it is empty</translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Layout:</translation>
    </message>
</context>
<context>
    <name>TfmExceptions</name>
    <message>
        <source>Exception descriptions</source>
        <translation>Exception descriptions</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Note only</source>
        <translation>Note only</translation>
    </message>
    <message>
        <source>Description; its first four characters are the code</source>
        <translation>Description; its first four characters are the code</translation>
    </message>
    <message>
        <source>Note only: the values stay and are only marked</source>
        <translation>Note only: the values are kept and only marked</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>%1 characters left; %2 of %3 descriptions</source>
        <translation>%1 characters left; %2 of %3 descriptions</translation>
    </message>
    <message>
        <source>Periods already set with the code &quot;%1&quot; keep their code.</source>
        <translation>Periods already marked with the code &quot;%1&quot; keep that code.</translation>
    </message>
</context>
<context>
    <name>TfmHelp</name>
    <message>
        <source>ZEDA - Help</source>
        <translation>ZEDA - Help</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Not found</translation>
    </message>
</context>
<context>
    <name>TfmLocation</name>
    <message>
        <source>Location</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>At most %1 characters</source>
        <translation>At most %1 characters</translation>
    </message>
    <message>
        <source>%1 characters left</source>
        <translation>%1 characters left</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>Empty Betriebsort!</source>
        <translation>Enter a location.</translation>
    </message>
</context>
<context>
    <name>TfmLogin</name>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>Administrator</translation>
    </message>
    <message>
        <source>When the time runs out, ZEDA keeps running.</source>
        <translation>When the time runs out, ZEDA keeps running.</translation>
    </message>
    <message>
        <source>When the time runs out, ZEDA starts at the operator level.</source>
        <translation>When the time runs out, ZEDA starts at the operator level.</translation>
    </message>
    <message>
        <source>User</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Remaining time within seconds: %1</source>
        <translation>Time left: %1 s</translation>
    </message>
    <message>
        <source>The password is not true!</source>
        <translation>Wrong password.</translation>
    </message>
</context>
<context>
    <name>TfmLoginOperator</name>
    <message>
        <source>Operator - manager</source>
        <translation>Operator login</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TfmMain</name>
    <message>
        <source>Login cancel. Application Terminate!</source>
        <translation>Login cancelled. The program ends.</translation>
    </message>
    <message>
        <source>Acquisition stops until ZEDA is started again.
Close ZEDA?</source>
        <translation>Acquisition stops until ZEDA is started again.
Close ZEDA?</translation>
    </message>
    <message>
        <source>Cancel close!</source>
        <translation>Closing cancelled.</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Admin</source>
        <translation>Admin</translation>
    </message>
    <message>
        <source>ToolBar1</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Acquisition runs in the service %1.</source>
        <translation>Acquisition runs in the service %1.</translation>
    </message>
    <message>
        <source>Not available: acquisition runs in the service %1.</source>
        <translation>Not available: acquisition runs in the service %1.</translation>
    </message>
    <message>
        <source>ZEDA </source>
        <translation>ZEDA</translation>
    </message>
    <message>
        <source>ZEDA %1</source>
        <extracomment>The main window&apos;s caption; %1 is the location.</extracomment>
        <translation>ZEDA %1</translation>
    </message>
    <message>
        <source>ZMF files (*.zmf)</source>
        <translation>ZMF files (*.zmf)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
</context>
<context>
    <name>TfmMonth</name>
    <message>
        <source>Month</source>
        <translation>Data retention</translation>
    </message>
    <message>
        <source> months</source>
        <translation> months</translation>
    </message>
    <message>
        <source>Whole number, 0 … 12</source>
        <translation>Whole number, 0 … 12</translation>
    </message>
    <message>
        <source>How many months the month files are kept (1 to 12); 0, the setting of a new installation, keeps them all.</source>
        <translation>How many months the month files are kept (1 to 12); 0, the setting of a new installation, keeps them all.</translation>
    </message>
</context>
<context>
    <name>TfmPassword</name>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>Administrator</translation>
    </message>
    <message>
        <source>User</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>New password:</source>
        <translation>New password:</translation>
    </message>
    <message>
        <source>Confirm:</source>
        <translation>Confirm:</translation>
    </message>
</context>
<context>
    <name>TfmPrintDay</name>
    <message>
        <source>Printed establishment of the period</source>
        <translation>Print days</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Print from</source>
        <translation>Print from day</translation>
    </message>
    <message>
        <source>. Day to</source>
        <translation>to day</translation>
    </message>
</context>
<context>
    <name>TfmPrintPreview</name>
    <message>
        <source>Print preview</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Day report, days</source>
        <translation>Day report, days</translation>
    </message>
    <message>
        <source>Month report, days on page</source>
        <translation>Month report, days per page</translation>
    </message>
    <message>
        <source>Current view</source>
        <translation>Current view</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Show</translation>
    </message>
    <message>
        <source>Printer1</source>
        <translation>Printer 1</translation>
    </message>
    <message>
        <source>Printer2</source>
        <translation>Printer 2</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>Export as PDF...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>to</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Pages:</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>−</source>
        <translation>−</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Fit width</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>TfmPrinter</name>
    <message>
        <source>Setting printers</source>
        <translation>Printers</translation>
    </message>
    <message>
        <source> Printers </source>
        <translation> Printers </translation>
    </message>
    <message>
        <source>Printer1</source>
        <translation>Printer 1</translation>
    </message>
    <message>
        <source>Printer2</source>
        <translation>Printer 2</translation>
    </message>
    <message>
        <source>Automatic print</source>
        <translation>Print automatically</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>Fit to page</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Actual size</translation>
    </message>
</context>
<context>
    <name>TfmPublishSettings</name>
    <message>
        <source>Publishing (MQTT)</source>
        <translation>Publishing (MQTT)</translation>
    </message>
    <message>
        <source>Publish every stored minute</source>
        <translation>Publish every stored minute</translation>
    </message>
    <message>
        <source>%1, with a CA file %2</source>
        <translation>%1, with a CA file %2</translation>
    </message>
    <message>
        <source>none: no TLS</source>
        <translation>none: no TLS</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>&amp;Test connection</translation>
    </message>
    <message>
        <source>Broker host:</source>
        <translation>Broker host:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Base topic:</source>
        <translation>Base topic:</translation>
    </message>
    <message>
        <source>Client id:</source>
        <translation>Client ID:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>CA file:</source>
        <translation>CA file:</translation>
    </message>
    <message>
        <source>Error - Please enter the broker&apos;s host name!</source>
        <translation>Please enter the broker&apos;s host name.</translation>
    </message>
    <message>
        <source>Please enter the broker&apos;s host name.</source>
        <translation>Please enter the broker&apos;s host name.</translation>
    </message>
    <message>
        <source>Connecting to %1:%2 ...</source>
        <translation>Connecting to %1:%2 ...</translation>
    </message>
</context>
<context>
    <name>TfmSetKanal</name>
    <message>
        <source>At most %1 characters, no comma</source>
        <translation>At most %1 characters, no comma</translation>
    </message>
    <message>
        <source>%1 characters left</source>
        <translation>%1 characters left</translation>
    </message>
    <message>
        <source>%1 — printer %2</source>
        <translation>%1 — printer %2</translation>
    </message>
    <message>
        <source>Shown range %1 … %2 %3</source>
        <translation>Shown range %1 … %2 %3</translation>
    </message>
    <message>
        <source>Setting channel %1</source>
        <translation>Channel %1 settings</translation>
    </message>
    <message>
        <source>The channel of the data is activated</source>
        <translation>Channel in use</translation>
    </message>
    <message>
        <source> Description </source>
        <translation> Description </translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Dimension:</source>
        <translation>Unit:</translation>
    </message>
    <message>
        <source> Parameters </source>
        <translation> Parameters </translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Display offset:</translation>
    </message>
    <message>
        <source>Multiplier:</source>
        <translation>Multiplier:</translation>
    </message>
    <message>
        <source>Minimal value:</source>
        <translation>Minimum value:</translation>
    </message>
    <message>
        <source>Maximal value:</source>
        <translation>Maximum value:</translation>
    </message>
    <message>
        <source>Offset-value:</source>
        <translation>Offset value:</translation>
    </message>
    <message>
        <source>Decimal:</source>
        <translation>Decimal places:</translation>
    </message>
    <message>
        <source> Color </source>
        <translation> Colour </translation>
    </message>
    <message>
        <source>Screen/Printer:</source>
        <translation>Screen/printer:</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lime</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grey</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Maroon</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Navy</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Teal</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Purple</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be less than &quot;%2&quot;.</source>
        <translation>&quot;%1&quot; must be less than &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>TfmSummerTime</name>
    <message>
        <source>Summer Time</source>
        <translation>Summer time</translation>
    </message>
    <message>
        <source>DD.MM/HH,DD.MM/HH: the start and the end of summer time</source>
        <translation>DD.MM/HH,DD.MM/HH: start and end of summer time</translation>
    </message>
    <message>
        <source>Start (day, hour):</source>
        <translation>Start (day, hour):</translation>
    </message>
    <message>
        <source>End (day, hour):</source>
        <translation>End (day, hour):</translation>
    </message>
    <message>
        <source>Hour </source>
        <translation>Period:</translation>
    </message>
    <message>
        <source>Period not valid!</source>
        <translation>The period is not valid.</translation>
    </message>
</context>
<context>
    <name>TfmUsers</name>
    <message>
        <source>Operator - Managment</source>
        <translation>Operators</translation>
    </message>
    <message>
        <source>Name, at most %1 characters</source>
        <translation>Name, at most %1 characters</translation>
    </message>
    <message>
        <source>%1 characters left</source>
        <translation>%1 characters left</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>TfmViewChannel</name>
    <message>
        <source>no data</source>
        <translation>no data</translation>
    </message>
</context>
<context>
    <name>Ualarmlimits</name>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
</context>
<context>
    <name>Ualarmpanel</name>
    <message>
        <source>high</source>
        <translation>high</translation>
    </message>
    <message>
        <source>low</source>
        <translation>low</translation>
    </message>
    <message>
        <source>high-high</source>
        <translation>high-high</translation>
    </message>
    <message>
        <source>low-low</source>
        <translation>low-low</translation>
    </message>
</context>
<context>
    <name>Ucommunication</name>
    <message>
        <source>Auto Detect</source>
        <translation>Detect</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Trying %1 at %2 Baud ...</source>
        <translation>Trying %1 at %2 baud ...</translation>
    </message>
    <message>
        <source>Communications parameter</source>
        <translation>Communication settings</translation>
    </message>
    <message>
        <source> Interface </source>
        <translation> Port </translation>
    </message>
    <message>
        <source> Speed </source>
        <translation> Speed </translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Auto detect NO!</source>
        <translation>The unit was not found.</translation>
    </message>
    <message>
        <source>Auto detect OK!</source>
        <translation>The unit was found.</translation>
    </message>
    <message>
        <source> Unit </source>
        <translation> Unit </translation>
    </message>
    <message>
        <source>Simulator</source>
        <translation>Simulator</translation>
    </message>
    <message>
        <source>Serial line</source>
        <translation>Serial line</translation>
    </message>
    <message>
        <source>Device in use: %1</source>
        <translation>Device in use: %1</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Device:</translation>
    </message>
    <message>
        <source>The unit link changes when ZEDA starts again.</source>
        <translation>The link to the unit changes when ZEDA is started again.</translation>
    </message>
    <message>
        <source>The unit answers on COM%1 (%2) at %3 Baud. Use these?</source>
        <translation>The unit answers on COM%1 (%2) at %3 baud. Use these settings?</translation>
    </message>
    <message>
        <source>  600 Baud</source>
        <translation>  600 baud</translation>
    </message>
    <message>
        <source> 1200 Baud</source>
        <translation> 1200 baud</translation>
    </message>
    <message>
        <source> 2400 Baud</source>
        <translation> 2400 baud</translation>
    </message>
    <message>
        <source> 4800 Baud</source>
        <translation> 4800 baud</translation>
    </message>
    <message>
        <source> 9600 Baud</source>
        <translation> 9600 baud</translation>
    </message>
    <message>
        <source>19200 Baud</source>
        <translation>19200 baud</translation>
    </message>
</context>
<context>
    <name>Ulanguagemenu</name>
    <message>
        <source>Follow the system</source>
        <translation>Follow the system</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Untranslated</source>
        <translation>Untranslated (the program&apos;s own texts)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>The language takes effect at the next start.</source>
        <translation>The language takes effect at the next start.</translation>
    </message>
</context>
<context>
    <name>Unotices</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Directory of the INI file, the operator list and the month files (default: the program&apos;s directory when it may be written, otherwise $XDG_DATA_HOME/zeda, usually ~/.local/share/zeda).</source>
        <translation>Directory of the INI file, the operator list and the month files (default: the program&apos;s directory if it is writable, otherwise $XDG_DATA_HOME/zeda, usually ~/.local/share/zeda).</translation>
    </message>
    <message>
        <source>ZEDA - desktop companion of the 14-channel acquisition unit.
Fetches the unit&apos;s minute records, keeps one month file per month and shows them as time diagrams. &apos;zedactl --help&apos; lists the command-line companion&apos;s commands.</source>
        <translation>ZEDA - desktop companion of the 14-channel acquisition unit.
Fetches the unit&apos;s minute records, keeps one month file per month and shows them as time diagrams. &apos;zedactl --help&apos; lists the commands of the command-line companion.</translation>
    </message>
    <message>
        <source>Error - Directory %1 cannot be created!</source>
        <translation>Error: the directory %1 cannot be created.</translation>
    </message>
    <message>
        <source>Month files to open.</source>
        <translation>Month files to open.</translation>
    </message>
</context>
<context>
    <name>zeda-unit</name>
    <message>
        <source>cannot create a pseudo-terminal</source>
        <translation>cannot create a pseudo-terminal</translation>
    </message>
    <message>
        <source>--baud names no speed of the line</source>
        <translation>--baud names no speed of the line</translation>
    </message>
    <message>
        <source>cannot open the device</source>
        <translation>cannot open the device</translation>
    </message>
    <message>
        <source>cannot set the line</source>
        <translation>cannot set up the line</translation>
    </message>
    <message>
        <source>Emulates the acquisition unit on a serial device or a new pseudo-terminal (its path is the first line of output).</source>
        <translation>Emulates the acquisition unit on a serial device or a new pseudo-terminal (its path is the first line of output).</translation>
    </message>
    <message>
        <source>Create a pseudo-terminal and print its path.</source>
        <translation>Create a pseudo-terminal and print its path.</translation>
    </message>
    <message>
        <source>Serial device to answer on.</source>
        <translation>Serial device to answer on.</translation>
    </message>
    <message>
        <source>Answer only while the line is set to this speed.</source>
        <translation>Answer only while the line is set to this speed.</translation>
    </message>
    <message>
        <source>Start the clock at &quot;YYYY-MM-DD HH:MM&quot; (default: local time).</source>
        <translation>Start the clock at &quot;YYYY-MM-DD HH:MM&quot; (default: local time).</translation>
    </message>
    <message>
        <source>Clock minutes per second (default: real time).</source>
        <translation>Clock minutes per second (default: real time).</translation>
    </message>
    <message>
        <source>Make this many records, then no more.</source>
        <translation>Make this many records, then no more.</translation>
    </message>
    <message>
        <source>drop-byte, corrupt-frame, silence (comma-separated).</source>
        <translation>drop-byte, corrupt-frame, silence (comma-separated).</translation>
    </message>
    <message>
        <source>Seed of the fault dice.</source>
        <translation>Seed of the fault dice.</translation>
    </message>
    <message>
        <source>en, de or source (the system&apos;s own texts); overrides the locale.</source>
        <translation>en, de or source (the program&apos;s own texts); overrides the locale.</translation>
    </message>
    <message>
        <source>needs --pty or --device PATH</source>
        <translation>needs --pty or --device PATH</translation>
    </message>
    <message>
        <source>--faults takes drop-byte, corrupt-frame, silence</source>
        <translation>--faults takes drop-byte, corrupt-frame, silence</translation>
    </message>
    <message>
        <source>--from takes &quot;YYYY-MM-DD HH:MM&quot;</source>
        <translation>--from takes &quot;YYYY-MM-DD HH:MM&quot;</translation>
    </message>
    <message>
        <source>faults: %1 drop-byte, %2 corrupt-frame, %3 silence</source>
        <translation>faults: %1 drop-byte, %2 corrupt-frame, %3 silence</translation>
    </message>
</context>
<context>
    <name>zedactl</name>
    <message>
        <source>print the configuration as JSON</source>
        <translation>print the configuration as JSON</translation>
    </message>
    <message>
        <source>run the acquisition with the simulated unit on a simulated clock</source>
        <translation>run the acquisition with the simulated unit on a simulated clock</translation>
    </message>
    <message>
        <source>print what a month file holds as JSON</source>
        <translation>print what a month file holds as JSON</translation>
    </message>
    <message>
        <source>check a month file (the exit status is the result)</source>
        <translation>check a month file (the exit status is the result)</translation>
    </message>
    <message>
        <source>paint a month file&apos;s diagram into a PNG picture</source>
        <translation>draw a month file&apos;s diagram into a PNG picture</translation>
    </message>
    <message>
        <source>write the marked range of a month file as CSV</source>
        <translation>write the marked range of a month file as CSV</translation>
    </message>
    <message>
        <source>print the figures of a range of a month file as JSON</source>
        <translation>print the figures of a range of a month file as JSON</translation>
    </message>
    <message>
        <source>set or clear an exception period in a month file</source>
        <translation>set or clear an exception period in a month file</translation>
    </message>
    <message>
        <source>back a month file up into a directory</source>
        <translation>back a month file up into a directory</translation>
    </message>
    <message>
        <source>import a month file into the data directory</source>
        <translation>import a month file into the data directory</translation>
    </message>
    <message>
        <source>show or change a channel definition</source>
        <translation>show or change a channel definition</translation>
    </message>
    <message>
        <source>list or edit the operator list</source>
        <translation>list or edit the operator list</translation>
    </message>
    <message>
        <source>set the operator or administrator password</source>
        <translation>set the operator or administrator password</translation>
    </message>
    <message>
        <source>talk to the unit: detect, info, values, set-clock</source>
        <translation>talk to the unit: detect, info, values, set-clock</translation>
    </message>
    <message>
        <source>store the unit&apos;s records into the month files until it is idle</source>
        <translation>store the unit&apos;s records in the month files until it has none left</translation>
    </message>
    <message>
        <source>draw a day or month report or a view print into a PDF</source>
        <translation>draw a day or month report or a view print into a PDF</translation>
    </message>
    <message>
        <source>print a day or month report on the configured printers</source>
        <translation>print a day or month report on the configured printers</translation>
    </message>
    <message>
        <source>publish the stored minutes to the MQTT broker</source>
        <translation>publish the stored minutes to the MQTT broker</translation>
    </message>
    <message>
        <source>zedactl: unknown command &apos;%1&apos;</source>
        <translation>zedactl: unknown command &apos;%1&apos;</translation>
    </message>
    <message>
        <source>zedactl %1: needs one FILE, --from and --to</source>
        <translation>zedactl %1: needs one FILE, --from and --to</translation>
    </message>
    <message>
        <source>zedactl %1: times are &quot;YYYY-MM-DD HH:MM&quot;, channels a list of 1..14</source>
        <translation>zedactl %1: times are &quot;YYYY-MM-DD HH:MM&quot;, channels a list of 1..14</translation>
    </message>
    <message>
        <source>zedactl %1: --from and --to must be minutes of the file, in order</source>
        <translation>zedactl %1: --from and --to must be minutes of the file, in order</translation>
    </message>
    <message>
        <source>First minute, &quot;YYYY-MM-DD HH:MM&quot;.</source>
        <translation>First minute, &quot;YYYY-MM-DD HH:MM&quot;.</translation>
    </message>
    <message>
        <source>Last minute, &quot;YYYY-MM-DD HH:MM&quot;.</source>
        <translation>Last minute, &quot;YYYY-MM-DD HH:MM&quot;.</translation>
    </message>
    <message>
        <source>Shown channels, e.g. &quot;1,3,14&quot; (default: all).</source>
        <translation>Shown channels, e.g. &quot;1,3,14&quot; (default: all).</translation>
    </message>
    <message>
        <source>The month file.</source>
        <translation>The month file.</translation>
    </message>
    <message>
        <source>Exports the values of the given channels between two minutes of a month file as CSV, exactly as the program&apos;s export of a marked range.</source>
        <translation>Exports the values of the given channels between two minutes of a month file as CSV, exactly as the program exports a marked range.</translation>
    </message>
    <message>
        <source>zedactl export: needs -o OUT.csv</source>
        <translation>zedactl export: needs -o OUT.csv</translation>
    </message>
    <message>
        <source>Sets an exception period (the text of an exception-list entry; its first four characters give the code) or clears the one that matches range and channels exactly.</source>
        <translation>Sets an exception period (the text of an exception-list entry; its first four characters give the code) or clears the one that matches range and channels exactly.</translation>
    </message>
    <message>
        <source>The entry&apos;s text.</source>
        <translation>The entry&apos;s text.</translation>
    </message>
    <message>
        <source>Clear the matching period.</source>
        <translation>Clear the matching period.</translation>
    </message>
    <message>
        <source>zedactl exception: needs either --set TEXT or --clear</source>
        <translation>zedactl exception: needs either --set TEXT or --clear</translation>
    </message>
    <message>
        <source>Backs a month file up into a directory.</source>
        <translation>Backs a month file up into a directory.</translation>
    </message>
    <message>
        <source>The target directory.</source>
        <translation>The target directory.</translation>
    </message>
    <message>
        <source>zedactl backup: needs FILE and DIR</source>
        <translation>zedactl backup: needs FILE and DIR</translation>
    </message>
    <message>
        <source>zedactl backup: %1 is not a directory</source>
        <translation>zedactl backup: %1 is not a directory</translation>
    </message>
    <message>
        <source>Imports a month file into the data directory, asking first unless --yes is given.</source>
        <translation>Imports a month file into the data directory, asking first unless --yes is given.</translation>
    </message>
    <message>
        <source>Answer the question with Yes.</source>
        <translation>Answer the question with Yes.</translation>
    </message>
    <message>
        <source>The month file to import.</source>
        <translation>The month file to import.</translation>
    </message>
    <message>
        <source>zedactl import: needs one FILE</source>
        <translation>zedactl import: needs one FILE</translation>
    </message>
    <message>
        <source>Runs the acquisition with the simulated unit on a simulated clock that starts at --from and advances in 5-second main-timer ticks, writing the month files into DIR.</source>
        <translation>Runs the acquisition with the simulated unit on a simulated clock that starts at --from and advances in 5-second main-timer ticks, writing the month files into DIR.</translation>
    </message>
    <message>
        <source>Start time, &quot;YYYY-MM-DD HH:MM&quot;.</source>
        <translation>Start time, &quot;YYYY-MM-DD HH:MM&quot;.</translation>
    </message>
    <message>
        <source>Minutes of simulated time (at most ten years).</source>
        <translation>Minutes of simulated time (at most ten years).</translation>
    </message>
    <message>
        <source>Name of the operator logged in throughout.</source>
        <translation>Name of the operator logged in throughout.</translation>
    </message>
    <message>
        <source>zedactl simulate: needs --data-dir DIR, --from &quot;YYYY-MM-DD HH:MM&quot; and --minutes N</source>
        <translation>zedactl simulate: needs --data-dir DIR, --from &quot;YYYY-MM-DD HH:MM&quot; and --minutes N</translation>
    </message>
    <message>
        <source>zedactl simulate: cannot create %1</source>
        <translation>zedactl simulate: cannot create %1</translation>
    </message>
    <message>
        <source>Prints what a month file holds (JSON).</source>
        <translation>Prints what a month file holds (JSON).</translation>
    </message>
    <message>
        <source>zedactl info: needs one FILE</source>
        <translation>zedactl info: needs one FILE</translation>
    </message>
    <message>
        <source>Checks a month file: 0 valid, 1 cannot be opened, 2 not a data file, 3 the name does not match the month in the file. The exit status is the result.</source>
        <translation>Checks a month file: 0 valid, 1 cannot be opened, 2 not a data file, 3 the name does not match the month in the file. The exit status is the result.</translation>
    </message>
    <message>
        <source>zedactl validate: needs one FILE</source>
        <translation>zedactl validate: needs one FILE</translation>
    </message>
    <message>
        <source>Day report of the days FIRST to LAST (counted from 1).</source>
        <translation>Day report of the days FIRST to LAST (counted from 1).</translation>
    </message>
    <message>
        <source>Month report with 3, 4 or 5 days on a page.</source>
        <translation>Month report with 3, 4 or 5 days on a page.</translation>
    </message>
    <message>
        <source>zedactl %1: give exactly one of --days, --month, --view</source>
        <translation>zedactl %1: give exactly one of --days, --month, --view</translation>
    </message>
    <message>
        <source>zedactl %1: give exactly one of --days, --month</source>
        <translation>zedactl %1: give exactly one of --days, --month</translation>
    </message>
    <message>
        <source>zedactl %1: --days takes FIRST-LAST within 1 .. %2</source>
        <translation>zedactl %1: --days takes FIRST-LAST within 1 .. %2</translation>
    </message>
    <message>
        <source>zedactl report: --first takes &quot;YYYY-MM-DD HH:MM&quot; within the file&apos;s month</source>
        <translation>zedactl report: --first takes &quot;YYYY-MM-DD HH:MM&quot; within the file&apos;s month</translation>
    </message>
    <message>
        <source>Draws the pages that printer 1 (or 2) would receive for a day report, a month report or the print of a window&apos;s view into one multi-page PDF, through the same printing engine as the program. The pages are A4 with a printable area 5 mm inside each edge, at 1200 dpi. Location and printer font come from the INI file of the data directory; the chosen printer counts as enabled and installed.</source>
        <translation>Draws the pages that printer 1 (or 2) would receive for a day report, a month report or the print of a window&apos;s view into one multi-page PDF, through the same printing engine as the program. The pages are A4 with a printable area 5 mm inside each edge, at 1200 dpi. Location and printer font come from the INI file of the data directory; the chosen printer counts as enabled and installed.</translation>
    </message>
    <message>
        <source>The print of a window&apos;s view (see --first and the zooms).</source>
        <translation>The print of a window&apos;s view (see --first and the zooms).</translation>
    </message>
    <message>
        <source>View: first shown minute.</source>
        <translation>View: first shown minute.</translation>
    </message>
    <message>
        <source>View: time zoom as the View menu has it (-20 .. 10).</source>
        <translation>View: time zoom as the View menu has it (-20 .. 10).</translation>
    </message>
    <message>
        <source>View: size zoom (1 .. 20).</source>
        <translation>View: size zoom (1 .. 20).</translation>
    </message>
    <message>
        <source>View: width of the window&apos;s plot area (default 1000).</source>
        <translation>View: width of the window&apos;s plot area (default 1000).</translation>
    </message>
    <message>
        <source>View: height of the window&apos;s plot area (default 600).</source>
        <translation>View: height of the window&apos;s plot area (default 600).</translation>
    </message>
    <message>
        <source>The printer whose pages are drawn (default 1).</source>
        <translation>The printer whose pages are drawn (default 1).</translation>
    </message>
    <message>
        <source>Shown channels, e.g. 1,2,5 (default: the channels in use).</source>
        <translation>Shown channels, e.g. 1,2,5 (default: the channels in use).</translation>
    </message>
    <message>
        <source>zedactl report: needs FILE and -o OUT.pdf; see --help</source>
        <translation>zedactl report: needs FILE and -o OUT.pdf; see --help</translation>
    </message>
    <message>
        <source>zedactl report: no page for printer %1 (no shown channel of it)</source>
        <translation>zedactl report: no page for printer %1 (none of its channels is shown)</translation>
    </message>
    <message>
        <source>Prints a day report or a month report of a month file on the printers that the INI file of the data directory names, with their flags, as the program&apos;s print commands do.</source>
        <translation>Prints a day report or a month report of a month file on the printers that the INI file of the data directory names, with their flags, as the program&apos;s print commands do.</translation>
    </message>
    <message>
        <source>zedactl print: needs FILE; see --help</source>
        <translation>zedactl print: needs FILE; see --help</translation>
    </message>
    <message>
        <source>Publishes the stored minutes to the MQTT broker of the [MQTT] settings: every minute after the cursor (or from --from) up to the newest stored one, and exits when the broker has acknowledged them all; with --follow also the minutes stored later, until SIGTERM.</source>
        <translation>Publishes the stored minutes to the MQTT broker of the [MQTT] settings: every minute after the cursor (or from --from) up to the newest stored one, and exits when the broker has acknowledged them all; with --follow also the minutes stored later, until SIGTERM.</translation>
    </message>
    <message>
        <source>The first minute to publish, whatever the cursor says.</source>
        <translation>The first minute to publish, whatever the cursor says.</translation>
    </message>
    <message>
        <source>Keep publishing new minutes until SIGTERM or SIGINT.</source>
        <translation>Keep publishing new minutes until SIGTERM or SIGINT.</translation>
    </message>
    <message>
        <source>zedactl publish: --from takes &quot;YYYY-MM-DD HH:MM&quot;</source>
        <translation>zedactl publish: --from takes &quot;YYYY-MM-DD HH:MM&quot;</translation>
    </message>
    <message>
        <source>--set takes FIELD=VALUE</source>
        <translation>--set takes FIELD=VALUE</translation>
    </message>
    <message>
        <source>%1 takes at most %2 characters and no comma</source>
        <translation>%1 takes at most %2 characters and no comma</translation>
    </message>
    <message>
        <source>%1 takes a whole number</source>
        <translation>%1 takes a whole number</translation>
    </message>
    <message>
        <source>colour takes an entry 0 .. 13 of the colour list</source>
        <translation>colour takes an entry 0 .. 13 of the colour list</translation>
    </message>
    <message>
        <source>unknown field %1</source>
        <translation>unknown field %1</translation>
    </message>
    <message>
        <source>New password: </source>
        <translation>New password: </translation>
    </message>
    <message>
        <source>Confirm: </source>
        <translation>Confirm: </translation>
    </message>
    <message>
        <source>Shows or changes the definition of channel N (1 .. 14) in the INI file, with the ranges of the channel dialog. FIELD is active, name, dimension, dispOffset, inputMult, minValue, maxValue, offsetValue, decimals or colour (entry 0 .. 13 of the colour list: &quot;Schwarz / 1&quot; .. &quot;Grun / 2&quot;).</source>
        <translation>Shows or changes the definition of channel N (1 .. 14) in the INI file, with the ranges of the channel dialog. FIELD is active, name, dimension, dispOffset, inputMult, minValue, maxValue, offsetValue, decimals or colour (entry 0 .. 13 of the colour list).</translation>
    </message>
    <message>
        <source>Print the definition (JSON).</source>
        <translation>Print the definition (JSON).</translation>
    </message>
    <message>
        <source>Change a field; may be given several times.</source>
        <translation>Change a field; may be given several times.</translation>
    </message>
    <message>
        <source>The channel, 1 .. 14.</source>
        <translation>The channel, 1 .. 14.</translation>
    </message>
    <message>
        <source>zedactl channel: needs N (1 .. 14) and either --show or --set</source>
        <translation>zedactl channel: needs N (1 .. 14) and either --show or --set</translation>
    </message>
    <message>
        <source>Lists or edits the operator list operator.dat; names are cut to 15 characters.</source>
        <translation>Lists or edits the operator list operator.dat; names are cut to 15 characters.</translation>
    </message>
    <message>
        <source>Print the names, one a line, in file order.</source>
        <translation>Print the names, one per line, in file order.</translation>
    </message>
    <message>
        <source>Append a name.</source>
        <translation>Append a name.</translation>
    </message>
    <message>
        <source>Remove the name at INDEX (counting from 0).</source>
        <translation>Remove the name at INDEX (counting from 0).</translation>
    </message>
    <message>
        <source>zedactl operators: needs one of --list, --add NAME, --delete INDEX</source>
        <translation>zedactl operators: needs one of --list, --add NAME, --delete INDEX</translation>
    </message>
    <message>
        <source>Sets the operator or the administrator password. It is asked twice on the terminal without echo, or read as two lines from standard input with --stdin.</source>
        <translation>Sets the operator or the administrator password. It is asked twice on the terminal without echo, or read as two lines from standard input with --stdin.</translation>
    </message>
    <message>
        <source>Set the operator password.</source>
        <translation>Set the operator password.</translation>
    </message>
    <message>
        <source>Set the administrator password.</source>
        <translation>Set the administrator password.</translation>
    </message>
    <message>
        <source>Read password and confirmation from standard input.</source>
        <translation>Read password and confirmation from standard input.</translation>
    </message>
    <message>
        <source>zedactl password: needs either --operator or --admin</source>
        <translation>zedactl password: needs either --operator or --admin</translation>
    </message>
    <message>
        <source>zedactl unit set-clock: needs &quot;YYYY-MM-DD HH:MM:SS&quot;</source>
        <translation>zedactl unit set-clock: needs &quot;YYYY-MM-DD HH:MM:SS&quot;</translation>
    </message>
    <message>
        <source>The clock for set-clock.</source>
        <translation>The time for set-clock.</translation>
    </message>
    <message>
        <source>Seconds without a record before it ends (default 10).</source>
        <translation>Seconds without a record before it ends (default 10).</translation>
    </message>
    <message>
        <source>zedactl acquire: needs --data-dir DIR</source>
        <translation>zedactl acquire: needs --data-dir DIR</translation>
    </message>
    <message>
        <source>zedactl acquire: cannot create %1</source>
        <translation>zedactl acquire: cannot create %1</translation>
    </message>
    <message>
        <source>Paints what a month-file window of W x H pixels shows (time strip above, value strip on the left) into a PNG picture.</source>
        <translation>Draws what a month-file window of W x H pixels shows (time strip above, value strip on the left) into a PNG picture.</translation>
    </message>
    <message>
        <source>Time zoom as the View menu has it (-20 .. 10).</source>
        <translation>Time zoom as the View menu has it (-20 .. 10).</translation>
    </message>
    <message>
        <source>Size zoom (1 .. 20).</source>
        <translation>Size zoom (1 .. 20).</translation>
    </message>
    <message>
        <source>Width of the window&apos;s client area (default 1000).</source>
        <translation>Width of the window&apos;s client area (default 1000).</translation>
    </message>
    <message>
        <source>Height of the window&apos;s client area (default 600).</source>
        <translation>Height of the window&apos;s client area (default 600).</translation>
    </message>
    <message>
        <source>First visible minute slot.</source>
        <translation>First visible minute slot.</translation>
    </message>
    <message>
        <source>The two marked slots.</source>
        <translation>The two marked minutes.</translation>
    </message>
    <message>
        <source>1 white, 2 grey.</source>
        <translation>1 white, 2 grey.</translation>
    </message>
    <message>
        <source>zedactl render: needs FILE and -o OUT.png; see --help for the options and their ranges</source>
        <translation>zedactl render: needs FILE and -o OUT.png; see --help for the options and their ranges</translation>
    </message>
    <message>
        <source>Prints the configuration as the program loads it (JSON).</source>
        <translation>Prints the configuration as the program loads it (JSON).</translation>
    </message>
    <message>
        <source>zedactl-draw: serves zedactl&apos;s commands config, render, report and print; run them through zedactl</source>
        <translation>zedactl-draw: serves zedactl&apos;s commands config, render, report and print; run them through zedactl</translation>
    </message>
    <message>
        <source>The CSV file to write.</source>
        <translation>The CSV file to write.</translation>
    </message>
    <message>
        <source>The PDF file to write.</source>
        <translation>The PDF file to write.</translation>
    </message>
    <message>
        <source>The PNG file to write.</source>
        <translation>The PNG file to write.</translation>
    </message>
    <message>
        <source>Keep the layout&apos;s millimetres instead of fitting the page&apos;s printable width.</source>
        <translation>Keep the layout&apos;s millimetres instead of fitting the page&apos;s printable width.</translation>
    </message>
    <message>
        <source>list or edit the exception descriptions</source>
        <translation>list or edit the exception descriptions</translation>
    </message>
    <message>
        <source>zedactl exceptions: the list holds no description to change</source>
        <translation>zedactl exceptions: the list holds no description to change</translation>
    </message>
    <message>
        <source>zedactl exceptions: --set N needs the new TEXT</source>
        <translation>zedactl exceptions: --set N needs the new TEXT</translation>
    </message>
    <message>
        <source>Lists or edits the exception descriptions of AUSNAHME.LST, which fill the exception menu: at most 30, each at most 70 characters; a description starting with &quot;!&quot; sets note-only periods, and its first four characters are the code a period carries.</source>
        <translation>Lists or edits the exception descriptions of AUSNAHME.LST, which fill the exception menu: at most 30, each at most 70 characters; a description starting with &quot;!&quot; sets note-only periods, and its first four characters are the code a period carries.</translation>
    </message>
    <message>
        <source>Print the descriptions, one a line, in menu order.</source>
        <translation>Print the descriptions, one per line, in menu order.</translation>
    </message>
    <message>
        <source>Append a description.</source>
        <translation>Append a description.</translation>
    </message>
    <message>
        <source>Replace description N (counting from 1) by TEXT.</source>
        <translation>Replace description N (counting from 1) with TEXT.</translation>
    </message>
    <message>
        <source>Remove description N (counting from 1).</source>
        <translation>Remove description N (counting from 1).</translation>
    </message>
    <message>
        <source>With --add or --set: a note-only description (&quot;!&quot;).</source>
        <translation>With --add or --set: a note-only description (&quot;!&quot;).</translation>
    </message>
    <message>
        <source>The new text of --set.</source>
        <translation>The new text for --set.</translation>
    </message>
    <message>
        <source>zedactl exceptions: needs one of --list, --add TEXT, --set N TEXT, --delete N</source>
        <translation>zedactl exceptions: needs one of --list, --add TEXT, --set N TEXT, --delete N</translation>
    </message>
    <message>
        <source>Prints the figures of the minutes between two marks of a month file as JSON: per channel the values at both ends, their difference, minimum, maximum, mean and standard deviation in the channel&apos;s units. Minutes of ordinary exception periods and empty minutes are left out and counted as withoutData, values beyond the channel&apos;s limits are left out and counted as beyondLimits. Without --channels the channels in use are listed.</source>
        <translation>Prints the figures of the minutes between two marks of a month file as JSON: per channel the values at both ends, their difference, minimum, maximum, mean and standard deviation in the channel&apos;s units. Minutes of ordinary exception periods and empty minutes are left out and counted as withoutData, values beyond the channel&apos;s limits are left out and counted as beyondLimits. Without --channels the channels in use are listed.</translation>
    </message>
    <message>
        <source>Runs the acquisition cycle against the unit the INI file names and stores its records into the month files of DIR, until the unit has had nothing for --idle seconds; prints the number of records stored. Ends with status 1 when the unit was never reached or did not answer at the end. With --follow it runs as the service of DIR until SIGTERM or SIGINT, publishing when [MQTT] Enabled=1.</source>
        <translation>Runs the acquisition cycle against the unit the INI file names and stores its records in the month files of DIR until the unit has had nothing for --idle seconds; prints the number of records stored. Ends with status 1 when the unit was never reached or did not answer at the end. With --follow it runs as the service of DIR until SIGTERM or SIGINT and publishes when [MQTT] Enabled=1.</translation>
    </message>
    <message>
        <source>Keep acquiring until SIGTERM or SIGINT.</source>
        <translation>Keep acquiring until SIGTERM or SIGINT.</translation>
    </message>
    <message>
        <source>With --follow: milliseconds of one tick of the pacing (default 5000; a cycle every 1 or 11 ticks).</source>
        <translation>With --follow: milliseconds per tick of the pacing (default 5000; a cycle every 1 or 11 ticks).</translation>
    </message>
    <message>
        <source>zedactl alarms %1: needs CH (1 .. 14)</source>
        <translation>zedactl alarms %1: needs CH (1 .. 14)</translation>
    </message>
    <message>
        <source>zedactl alarms set: --latched and --unlatched exclude each other</source>
        <translation>zedactl alarms set: --latched and --unlatched exclude each other</translation>
    </message>
    <message>
        <source>zedactl alarms %1: times are &quot;YYYY-MM-DD HH:MM&quot;</source>
        <translation>zedactl alarms %1: times are &quot;YYYY-MM-DD HH:MM&quot;</translation>
    </message>
    <message>
        <source>zedactl alarms evaluate: needs one FILE</source>
        <translation>zedactl alarms evaluate: needs one FILE</translation>
    </message>
    <message>
        <source>With set: the %1 limit, in the channel&apos;s units (empty: none).</source>
        <translation>With set: the %1 limit, in the channel&apos;s units (empty: none).</translation>
    </message>
    <message>
        <source>With set: how far back inside a value must be to clear.</source>
        <translation>With set: how far back inside a value must be to clear.</translation>
    </message>
    <message>
        <source>With set: minutes with data beyond a limit before it raises (0 .. 1440).</source>
        <translation>With set: minutes with data beyond a limit before it raises (0 .. 1440).</translation>
    </message>
    <message>
        <source>With set: alarms stay until acknowledged.</source>
        <translation>With set: alarms stay until acknowledged.</translation>
    </message>
    <message>
        <source>With set: alarms end when they clear.</source>
        <translation>With set: alarms end when they clear.</translation>
    </message>
    <message>
        <source>With log: only the alarms still active.</source>
        <translation>With log: only the alarms still active.</translation>
    </message>
    <message>
        <source>With log: one JSON object a line, as logged.</source>
        <translation>With log: one JSON object a line, as logged.</translation>
    </message>
    <message>
        <source>With evaluate: append what it finds to the alarm log.</source>
        <translation>With evaluate: append what it finds to the alarm log.</translation>
    </message>
    <message>
        <source>set CH, clear CH, list, evaluate FILE or log.</source>
        <translation>set CH, clear CH, list, evaluate FILE or log.</translation>
    </message>
    <message>
        <source>Sets, clears and lists the alarm limits of the channels (INI section [Alarms]), runs the alarm rule over a month file&apos;s minutes (printing what it would log) and prints the alarm log alarms.log of the data directory.</source>
        <translation>Sets, clears and lists the alarm limits of the channels (INI section [Alarms]), runs the alarm rule over a month file&apos;s minutes (printing what it would log) and prints the alarm log alarms.log of the data directory.</translation>
    </message>
    <message>
        <source>zedactl alarms: needs one of set CH, clear CH, list, evaluate FILE, log</source>
        <translation>zedactl alarms: needs one of set CH, clear CH, list, evaluate FILE, log</translation>
    </message>
    <message>
        <source>zeda (default: &quot;;&quot;, decimal comma, Windows-1252), excel-de, excel-en or rfc4180 (UTF-8, empty cells where no value is).</source>
        <translation>zeda (default: &quot;;&quot;, decimal comma, Windows-1252), excel-de, excel-en or rfc4180 (UTF-8, empty cells where no value is).</translation>
    </message>
    <message>
        <source>A column after each value that says why it is empty (not with the zeda dialect).</source>
        <translation>A column after each value that says why it is empty (not with the zeda dialect).</translation>
    </message>
    <message>
        <source>zedactl export: --dialect is zeda, excel-de, excel-en or rfc4180</source>
        <translation>zedactl export: --dialect is zeda, excel-de, excel-en or rfc4180</translation>
    </message>
    <message>
        <source>zedactl export: --state needs --dialect excel-de, excel-en or rfc4180</source>
        <translation>zedactl export: --state needs --dialect excel-de, excel-en or rfc4180</translation>
    </message>
    <message>
        <source>zedactl export: the file has no channel in use; name some with --channels</source>
        <translation>zedactl export: the file has no channel in use; name some with --channels</translation>
    </message>
    <message>
        <source>zedactl print: no printer is chosen; printers are chosen in the program under Admin &gt; Printers... (the INI keys Druck1, Druck2 and Druckparameter)</source>
        <translation>zedactl print: no printer is chosen; choose the printers in the program under Admin &gt; Printers... (the INI keys Druck1, Druck2 and Druckparameter)</translation>
    </message>
    <message>
        <source>Prints the location of the installation, or changes it with --set; the month files take it into their headers when they are created.</source>
        <translation>Prints the location of the installation, or changes it with --set; month files take it into their headers when they are created.</translation>
    </message>
    <message>
        <source>The new location.</source>
        <translation>The new location.</translation>
    </message>
    <message>
        <source>The location holds at most %1 characters.</source>
        <translation>The location can have at most %1 characters.</translation>
    </message>
    <message>
        <source>Talks to the unit the INI file names: detect (search the ports), info (firmware, clock, waiting records), values (the channels&apos; raw values), set-clock &quot;YYYY-MM-DD HH:MM:SS&quot;, ports (the four ports and the serial devices present).</source>
        <translation>Talks to the unit the INI file names: detect (search the ports), info (firmware, clock, waiting records), values (the channels&apos; raw values), set-clock &quot;YYYY-MM-DD HH:MM:SS&quot;, ports (the four ports and the serial devices present).</translation>
    </message>
    <message>
        <source>detect, info, values, set-clock or ports.</source>
        <translation>detect, info, values, set-clock or ports.</translation>
    </message>
    <message>
        <source>zedactl unit: needs detect, info, values, set-clock TIME or ports</source>
        <translation>zedactl unit: needs detect, info, values, set-clock TIME or ports</translation>
    </message>
    <message>
        <source>zedactl-publish: serves zedactl&apos;s commands publish and acquire; run it through zedactl</source>
        <translation>zedactl-publish serves zedactl&apos;s commands publish and acquire; run it through zedactl.</translation>
    </message>
    <message>
        <source>set and list alarm limits, evaluate a month, read the alarm log</source>
        <translation>set and list alarm limits, evaluate a month, read the alarm log</translation>
    </message>
    <message>
        <source>show or change the location</source>
        <translation>show or change the location</translation>
    </message>
    <message>
        <source>records stored: %1
</source>
        <translation>records stored: %1
</translation>
    </message>
    <message>
        <source>created: %1
</source>
        <translation>created: %1
</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>publish: %1 minutes sent, acknowledged up to %2
</source>
        <translation>publish: %1 minutes sent, acknowledged up to %2
</translation>
    </message>
    <message>
        <source>Firmware-Release: %1
System time: %2
Channels: %3
</source>
        <translation>Firmware release: %1
Unit clock: %2
Records waiting: %3
</translation>
    </message>
    <message>
        <source>Channel %1: %2  %3
</source>
        <translation>Channel %1: %2  %3
</translation>
    </message>
    <message>
        <source>Usage: zedactl [--data-dir DIR] [--language en|de|source] [--verbose] CMD [ARGS]</source>
        <translation>Usage: zedactl [--data-dir DIR] [--language en|de|source] [--verbose] CMD [ARGS]</translation>
    </message>
    <message>
        <source>Try &apos;zedactl --help&apos; for the commands.</source>
        <translation>Try &apos;zedactl --help&apos; for the commands.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>&apos;zedactl CMD --help&apos; describes the options of a command; &apos;zedactl --version&apos; prints the version. --language may stand before or after the command. --verbose also prints what a successful command did (as does ZEDACTL_VERBOSE=1); warnings and errors are always printed.</source>
        <translation>&apos;zedactl CMD --help&apos; describes the options of a command; &apos;zedactl --version&apos; prints the version. --language may stand before or after the command. --verbose also prints what a successful command did (as does ZEDACTL_VERBOSE=1); warnings and errors are always printed.</translation>
    </message>
    <message>
        <source>zedactl %1: cannot run %2: %3</source>
        <translation>zedactl %1: cannot run %2: %3</translation>
    </message>
    <message>
        <source>zedactl %1: %2 is not installed beside zedactl</source>
        <translation>zedactl %1: %2 is not installed beside zedactl</translation>
    </message>
</context>
</TS>
