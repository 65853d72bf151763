<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Cacquisition</name>
    <message>
        <source>the month file %1 holds only %2 days</source>
        <translation>die Monatsdatei %1 hat nur %2 Tage</translation>
    </message>
    <message>
        <source>its month has no such day</source>
        <translation>sein Monat hat diesen Tag nicht</translation>
    </message>
    <message>
        <source>Error - The record of %1 cannot be stored and was removed from the unit: %2!</source>
        <translation>Der Datensatz von %1 kann nicht gespeichert werden und wurde aus dem Gerät entfernt: %2.</translation>
    </message>
    <message>
        <source>Aktuell: %1</source>
        <extracomment>The running window&apos;s caption: %1 is the time of the newest stored record.</extracomment>
        <translation>Aktuell: %1</translation>
    </message>
    <message>
        <source>Aktuell:</source>
        <extracomment>The running window&apos;s caption while no record has been stored yet.</extracomment>
        <translation>Aktuell: noch kein Datensatz</translation>
    </message>
</context>
<context>
    <name>Calarmevaluator</name>
    <message>
        <source>Error - The alarm log %1 cannot be read!</source>
        <translation>Fehler - Das Alarmprotokoll %1 kann nicht gelesen werden!</translation>
    </message>
</context>
<context>
    <name>Ccommbase</name>
    <message>
        <source>Communications port %1 cannot connected!</source>
        <translation>Die Schnittstelle %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Communications port %1 it can not be initialized!</source>
        <translation>Die Schnittstelle %1 kann nicht eingestellt werden.</translation>
    </message>
    <message>
        <source>Es besteht keine Verbindung zum Akquisitionssystem!</source>
        <translation>Es besteht keine Verbindung zum Erfassungsgerät.</translation>
    </message>
    <message>
        <source>Tried: %1. The port of the unit is chosen under Admin › Communications parameter...</source>
        <translation>Versuchter Anschluss: %1. Den Anschluss des Geräts unter Verwaltung › Kommunikationseinstellungen... wählen.</translation>
    </message>
</context>
<context>
    <name>Cctlmessages</name>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>information</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>  File: %1</source>
        <translation>  Datei: %1</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>[y/N] </source>
        <extracomment>The answers to a question: y for yes (also the word &quot;yes&quot; as translated), N by default.</extracomment>
        <translation>[j/N] </translation>
    </message>
</context>
<context>
    <name>Cdatadirlock</name>
    <message>
        <source>Error - The data directory %1 is in use by %2!</source>
        <translation>Das Datenverzeichnis %1 wird von %2 benutzt.</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>einem anderen Programm</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (Prozess %2)</translation>
    </message>
</context>
<context>
    <name>Cfileact</name>
    <message>
        <source>its header announces only %1 days</source>
        <translation>ihr Kopf nennt nur %1 Tage</translation>
    </message>
    <message>
        <source>another program holds it</source>
        <translation>ein anderes Programm hält sie</translation>
    </message>
    <message>
        <source>a directory of that name is in the way</source>
        <translation>ein Verzeichnis dieses Namens steht im Weg</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>no permission to write it</source>
        <translation>keine Berechtigung zum Schreiben</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>it is no month file and cannot be moved aside</source>
        <translation>sie ist keine Monatsdatei und lässt sich nicht beiseitelegen</translation>
    </message>
    <message>
        <source>the disk reports an error</source>
        <translation>der Datenträger meldet einen Fehler</translation>
    </message>
    <message>
        <source>Error - File %1 cannot be written: %2!</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The month file %1 cannot take the records: %2. It is kept as %3, and a new month file %1 takes the records.</source>
        <translation>Die Monatsdatei %1 kann die Datensätze nicht aufnehmen: %2. Sie bleibt als %3 erhalten, und eine neue Monatsdatei %1 nimmt die Datensätze auf.</translation>
    </message>
    <message>
        <source>it is no month file</source>
        <translation>sie ist keine Monatsdatei</translation>
    </message>
    <message>
        <source>it holds another month</source>
        <translation>sie enthält einen anderen Monat</translation>
    </message>
</context>
<context>
    <name>Cfiledata</name>
    <message>
        <source>Fehler beim Versuch eine Datei zu öffnen!</source>
        <translation>Die Datei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Diese Datei ist keine gültige Datendatei!</source>
        <translation>Diese Datei ist keine gültige Datendatei.</translation>
    </message>
</context>
<context>
    <name>Cinifile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>sie ist größer als %1 Bytes</translation>
    </message>
    <message>
        <source>it cannot be read whole</source>
        <translation>sie kann nicht vollständig gelesen werden</translation>
    </message>
    <message>
        <source>Error - The settings file %1 cannot be read: %2!</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>Cmessages</name>
    <message>
        <source>Error - File %1 cannot be written!</source>
        <translation>Die Datei %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>Cnotices</name>
    <message>
        <source>The data were accepted by system of the account of data,</source>
        <translation>Ein Datensatz des Erfassungsgeräts wurde abgelehnt:</translation>
    </message>
    <message>
        <source>Date a difference of time is more than 30 days to date</source>
        <translation>seine Zeit weicht vom Datum des PCs</translation>
    </message>
    <message>
        <source>PC is found out. The data do not gather!</source>
        <translation>um mehr als 30 Tage ab. Er wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>Now there is no connection with system of the account of the data!</source>
        <translation>Es besteht keine Verbindung zum Erfassungsgerät.</translation>
    </message>
</context>
<context>
    <name>Coperator</name>
    <message>
        <source>The operator list %1 cannot be read whole (it is unreadable, not a regular file or larger than %2 bytes). It is left as it is and cannot be changed here.</source>
        <translation>Die Bedienerliste %1 kann nicht vollständig gelesen werden (sie ist unlesbar, keine reguläre Datei oder größer als %2 Byte). Sie bleibt unverändert und kann hier nicht bearbeitet werden.</translation>
    </message>
    <message>
        <source>Type a name first.</source>
        <translation>Bitte zuerst einen Namen eingeben.</translation>
    </message>
    <message>
        <source>This name is already in the list.</source>
        <translation>Dieser Name steht bereits in der Liste.</translation>
    </message>
</context>
<context>
    <name>Cprintbase</name>
    <message>
        <source>Es kann nicht gedruckt werden: kein Drucker gewählt. Die Drucker werden unter Admin › Printers... gewählt.</source>
        <translation>Drucken nicht möglich: Es ist kein Drucker gewählt. Wählen Sie die Drucker unter Verwaltung › Drucker...</translation>
    </message>
    <message>
        <source>Es kann nicht gedruckt werden!</source>
        <translation>Drucken nicht möglich.</translation>
    </message>
    <message>
        <source>ZEDA %1 %2, printer %3</source>
        <translation>ZEDA %1 %2, Drucker %3</translation>
    </message>
    <message>
        <source>day %1</source>
        <translation>Tag %1</translation>
    </message>
    <message>
        <source>days %1-%2</source>
        <translation>Tage %1-%2</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>Page %1, printed %2</source>
        <translation>Seite %1, gedruckt %2</translation>
    </message>
</context>
<context>
    <name>Cprintview</name>
    <message>
        <source>%1.Tag</source>
        <translation>%1. Tag</translation>
    </message>
    <message>
        <source>view</source>
        <translation>Ansicht</translation>
    </message>
</context>
<context>
    <name>Falarmlimits</name>
    <message>
        <source>The alarm field &quot;%1&quot; needs a number with at most six decimals, not &quot;%2&quot;!</source>
        <translation>Das Alarmfeld &quot;%1&quot; braucht eine Zahl mit höchstens sechs Nachkommastellen, nicht &quot;%2&quot;!</translation>
    </message>
    <message>
        <source>The alarm field &quot;hysteresis&quot; needs a number of at least 0, not &quot;%1&quot;!</source>
        <translation>Das Alarmfeld &quot;hysteresis&quot; braucht eine Zahl von mindestens 0, nicht &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>The alarm field &quot;delay&quot; needs whole minutes from 0 to 1440, not &quot;%1&quot;!</source>
        <translation>Das Alarmfeld &quot;delay&quot; braucht ganze Minuten von 0 bis 1440, nicht &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>The alarm field &quot;latched&quot; needs 0 or 1, not &quot;%1&quot;!</source>
        <translation>Das Alarmfeld &quot;latched&quot; braucht 0 oder 1, nicht &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>There is no alarm field &quot;%1&quot;!</source>
        <translation>Ein Alarmfeld &quot;%1&quot; gibt es nicht!</translation>
    </message>
    <message>
        <source>The alarm field &quot;%1&quot; has no &quot;=&quot;!</source>
        <translation>Dem Alarmfeld &quot;%1&quot; fehlt das &quot;=&quot;!</translation>
    </message>
    <message>
        <source>The alarm field &quot;highhigh&quot; must lie above &quot;high&quot;!</source>
        <translation>Das Alarmfeld &quot;highhigh&quot; muss über &quot;high&quot; liegen!</translation>
    </message>
    <message>
        <source>The alarm field &quot;lowlow&quot; must lie below &quot;low&quot;!</source>
        <translation>Das Alarmfeld &quot;lowlow&quot; muss unter &quot;low&quot; liegen!</translation>
    </message>
    <message>
        <source>The alarm field &quot;low&quot; must lie below &quot;high&quot;!</source>
        <translation>Das Alarmfeld &quot;low&quot; muss unter &quot;high&quot; liegen!</translation>
    </message>
    <message>
        <source>Alarm limits of channel %1: %2</source>
        <translation>Alarmgrenzen von Kanal %1: %2</translation>
    </message>
</context>
<context>
    <name>Falarmlist</name>
    <message>
        <source>Raised</source>
        <translation>Ausgelöst</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Grenzwert</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Spitzenwert</translation>
    </message>
    <message>
        <source>Acknowledged by</source>
        <translation>Quittiert von</translation>
    </message>
    <message>
        <source>%1 more alarms are in the alarm log</source>
        <translation>%1 weitere Alarme stehen im Alarmprotokoll</translation>
    </message>
</context>
<context>
    <name>Fbackup</name>
    <message>
        <source>Wollen Sie die Monatsdatei des Standorts %1 importieren?</source>
        <translation>Wollen Sie die Monatsdatei %1 importieren?</translation>
    </message>
    <message>
        <source>Error - File exist!</source>
        <translation>Die Datei ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>Auf dem angegebenen Laufwerk ist nicht genug freier Speicherplatz vorhanden!</source>
        <translation>Auf dem angegebenen Laufwerk ist nicht genug freier Speicherplatz vorhanden.</translation>
    </message>
    <message>
        <source>Die Monatsdatei wurde erfolgreich gesichert!</source>
        <translation>Die Monatsdatei wurde gesichert.</translation>
    </message>
    <message>
        <source>Die Monatsdatei konnte nicht erfolgreich gesichert werden!</source>
        <translation>Die Monatsdatei konnte nicht gesichert werden.</translation>
    </message>
    <message>
        <source>Die zu importierende Monatsdatei befindet sich bereits auf Ihrem System!</source>
        <translation>Die zu importierende Monatsdatei ist bereits auf diesem System vorhanden.</translation>
    </message>
    <message>
        <source>Die Monatsdatei wurde erfolgreich importiert!</source>
        <translation>Die Monatsdatei wurde importiert.</translation>
    </message>
    <message>
        <source>Die Monatsdatei konnte nicht erfolgreich importiert werden!</source>
        <translation>Die Monatsdatei konnte nicht importiert werden.</translation>
    </message>
</context>
<context>
    <name>Fcommandline</name>
    <message>
        <source>%1: --%2 takes a whole number from %3 to %4</source>
        <translation>%1: --%2 verlangt eine ganze Zahl von %3 bis %4</translation>
    </message>
</context>
<context>
    <name>Fcommlink</name>
    <message>
        <source>Unit: serial (Unit=serial)</source>
        <translation>Gerät: serielle Leitung (Unit=serial)</translation>
    </message>
    <message>
        <source>Unit: simulator (Unit=sim)</source>
        <translation>Gerät: Simulator (Unit=sim)</translation>
    </message>
</context>
<context>
    <name>Fctlcommon</name>
    <message>
        <source>Data directory (default: the program&apos;s directory when it may be written, otherwise $XDG_DATA_HOME/zeda).</source>
        <translation>Datenverzeichnis (Vorgabe: das Verzeichnis des Programms, wenn es beschreibbar ist, sonst $XDG_DATA_HOME/zeda).</translation>
    </message>
</context>
<context>
    <name>Fexceptionlist</name>
    <message>
        <source>Type a description first.</source>
        <translation>Bitte zuerst eine Beschreibung eingeben.</translation>
    </message>
    <message>
        <source>A description cannot start with a blank.</source>
        <translation>Eine Beschreibung darf nicht mit einem Leerzeichen beginnen.</translation>
    </message>
    <message>
        <source>A description cannot hold tabs or line breaks.</source>
        <translation>Eine Beschreibung darf keine Tabulatoren oder Zeilenumbrüche enthalten.</translation>
    </message>
    <message>
        <source>A description holds at most %1 characters, the &quot;!&quot; of a note-only one included.</source>
        <translation>Eine Beschreibung hat höchstens %1 Zeichen, das &quot;!&quot; einer Nur-Hinweis-Beschreibung eingeschlossen.</translation>
    </message>
    <message>
        <source>The list holds at most %1 descriptions.</source>
        <translation>Die Liste fasst höchstens %1 Beschreibungen.</translation>
    </message>
    <message>
        <source>The exception list %1 cannot be read. It is left as it is.</source>
        <translation>Die Ausnahmeliste %1 kann nicht gelesen werden. Sie bleibt unverändert.</translation>
    </message>
    <message>
        <source>A description can only use letters, digits and signs of Western European languages.</source>
        <translation>Eine Beschreibung kann nur Buchstaben, Ziffern und Zeichen westeuropäischer Sprachen enthalten.</translation>
    </message>
    <message>
        <source>%1 holds more than the exception menu shows (it shows the first 30 lines, 70 characters of each, up to a NUL byte, and no indented line); all of it is kept.</source>
        <translation>%1 enthält mehr, als das Ausnahmemenü zeigt (es zeigt die ersten 30 Zeilen mit je 70 Zeichen, bis zu einem NUL-Byte, und keine eingerückte Zeile); alles bleibt erhalten.</translation>
    </message>
</context>
<context>
    <name>Fexceptions</name>
    <message>
        <source>Die Ausnahmebeschreibung konnte nicht gesetzt werden, da es eine Überschneidung mit einer bestehenden Ausnahmebeschreibung gibt!</source>
        <translation>Der Ausnahmezeitraum kann nicht gesetzt werden: Er überschneidet sich mit einem bestehenden Ausnahmezeitraum.</translation>
    </message>
    <message>
        <source>Es wurde bereits die maximal zulässige Anzahl von Ausnahmebeschreibungen, die pro Monatsdatei möglich sind, gesetzt!</source>
        <translation>Die Monatsdatei enthält bereits die größtmögliche Anzahl von Ausnahmezeiträumen.</translation>
    </message>
    <message>
        <source>Der markierte Datenbereich stimmt nicht mit einer bestehenden Ausnahmebeschreibung überein!</source>
        <translation>Der markierte Bereich stimmt mit keinem bestehenden Ausnahmezeitraum überein.</translation>
    </message>
</context>
<context>
    <name>Fexport</name>
    <message>
        <source>Die Datei EXPORT.CSV konnte nicht erzeugt werden!</source>
        <translation>Die Exportdatei konnte nicht erzeugt werden.</translation>
    </message>
    <message>
        <source>Der selektierte Datenbereich wurde erfolgreich exportiert!</source>
        <translation>Der markierte Bereich wurde exportiert.</translation>
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
        <translation>Erfassungsgerät: verbunden</translation>
    </message>
    <message>
        <source>Unit: connected — last record %1</source>
        <translation>Erfassungsgerät: verbunden – letzter Datensatz %1</translation>
    </message>
    <message>
        <source>Unit: no answer (%1), trying again</source>
        <translation>Erfassungsgerät: keine Antwort (%1), neuer Versuch läuft</translation>
    </message>
    <message>
        <source>Unit: no answer since %1 (%2), trying again</source>
        <translation>Erfassungsgerät: keine Antwort seit %1 (%2), neuer Versuch läuft</translation>
    </message>
    <message>
        <source>no data</source>
        <translation>keine Daten</translation>
    </message>
    <message>
        <source>no data since %1</source>
        <translation>keine Daten seit %1</translation>
    </message>
</context>
<context>
    <name>FormatDateTimeForPeople</name>
    <message>
        <source>yyyy.MM.dd / _H:mm</source>
        <extracomment>A QDateTime format: yyyy year, MM month, dd day, HH hour, mm minute; &quot;_H&quot; is the hour padded with a blank to two places. The date and the time alone take the same forms.</extracomment>
        <translation>dd.MM.yyyy HH:mm</translation>
    </message>
    <message>
        <source>yyyy.MM.dd</source>
        <extracomment>The date alone, in the form of the date and time (&quot;yyyy.MM.dd / _H:mm&quot;).</extracomment>
        <translation>dd.MM.yyyy</translation>
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
        <translation>Die Datei %1 ist eine Monatsdatei und wird nicht überschrieben.</translation>
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
        <translation>Das Passwort ist leer.</translation>
    </message>
    <message>
        <source>Password not Confirm!</source>
        <translation>Die Passwörter stimmen nicht überein.</translation>
    </message>
    <message>
        <source>A password can only use letters, digits and signs of Western European languages.</source>
        <translation>Ein Passwort kann nur Buchstaben, Ziffern und Zeichen westeuropäischer Sprachen enthalten.</translation>
    </message>
    <message>
        <source>A password cannot hold control characters.</source>
        <translation>Ein Passwort darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>A password holds at most %1 characters.</source>
        <translation>Ein Passwort hat höchstens %1 Zeichen.</translation>
    </message>
</context>
<context>
    <name>Frangestats</name>
    <message>
        <source>%1 minute without data</source>
        <translation>%1 Minute ohne Daten</translation>
    </message>
    <message>
        <source>%1 minutes without data</source>
        <translation>%1 Minuten ohne Daten</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 d %2</source>
        <translation>%1 T %2</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
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
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Std dev</source>
        <translation>Std.-Abw.</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Gezählt</translation>
    </message>
    <message>
        <source>Without data</source>
        <translation>Ohne Daten</translation>
    </message>
    <message>
        <source>Range %1 – %2, %3</source>
        <translation>Zeitraum %1 – %2, %3</translation>
    </message>
</context>
<context>
    <name>Freportpdf</name>
    <message>
        <source>view print</source>
        <translation>Druck der Ansicht</translation>
    </message>
    <message>
        <source>month report, %1 days a page</source>
        <translation>Monatsbericht, %1 Tage je Seite</translation>
    </message>
    <message>
        <source>day report, day %1</source>
        <translation>Tagesbericht, Tag %1</translation>
    </message>
    <message>
        <source>day report, days %1-%2</source>
        <translation>Tagesbericht, Tage %1-%2</translation>
    </message>
    <message>
        <source>view</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>day %1</source>
        <translation>Tag %1</translation>
    </message>
    <message>
        <source>days %1-%2</source>
        <translation>Tage %1-%2</translation>
    </message>
    <message>
        <source>The report was written to %1.</source>
        <translation>Der Bericht wurde nach %1 geschrieben.</translation>
    </message>
</context>
<context>
    <name>Ftextfield</name>
    <message>
        <source>The location can only use letters, digits and signs of Western European languages</source>
        <translation>Der Ort kann nur Buchstaben, Ziffern und Zeichen westeuropäischer Sprachen enthalten</translation>
    </message>
    <message>
        <source>An operator name can only use letters, digits and signs of Western European languages</source>
        <translation>Ein Bedienername kann nur Buchstaben, Ziffern und Zeichen westeuropäischer Sprachen enthalten</translation>
    </message>
    <message>
        <source>A channel name can only use letters, digits and signs of Western European languages</source>
        <translation>Ein Kanalname kann nur Buchstaben, Ziffern und Zeichen westeuropäischer Sprachen enthalten</translation>
    </message>
    <message>
        <source>A channel unit can only use letters, digits and signs of Western European languages</source>
        <translation>Eine Kanaleinheit kann nur Buchstaben, Ziffern und Zeichen westeuropäischer Sprachen enthalten</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; cannot be stored.</source>
        <translation>%1: „%2“ kann nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>Fviewchannel</name>
    <message>
        <source>Day: %1  /  Hour: %2      </source>
        <translation>Tag: %1  /  Uhrzeit: %2      </translation>
    </message>
    <message>
        <source>Operator: Unknown</source>
        <translation>Bediener: unbekannt</translation>
    </message>
    <message>
        <source>Operator: </source>
        <translation>Bediener: </translation>
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
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>Publishing</name>
    <message>
        <source>The broker %1 accepted the connection.</source>
        <translation>Der Broker %1 hat die Verbindung angenommen.</translation>
    </message>
    <message>
        <source>No connection to the broker %1: %2</source>
        <translation>Keine Verbindung zum Broker %1: %2</translation>
    </message>
    <message>
        <source>the host name cannot be resolved</source>
        <translation>der Rechnername kann nicht aufgelöst werden</translation>
    </message>
    <message>
        <source>the CA file %1 cannot be read</source>
        <translation>die CA-Datei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the broker refused the connection: %1</source>
        <translation>der Broker hat die Verbindung abgelehnt: %1</translation>
    </message>
    <message>
        <source>the broker did not answer within %1 s</source>
        <translation>der Broker hat nicht innerhalb von %1 s geantwortet</translation>
    </message>
    <message>
        <source>Error - No broker or no valid topic is set!</source>
        <translation>Es ist kein Broker oder kein gültiges Topic eingestellt.</translation>
    </message>
    <message>
        <source>Error - File %1 cannot be read!</source>
        <translation>Die Datei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Error - No connection to the broker %1: %2</source>
        <translation>Keine Verbindung zum Broker %1: %2</translation>
    </message>
    <message>
        <source>Warning - The connection to the broker %1 was lost: %2</source>
        <translation>Die Verbindung zum Broker %1 ist abgebrochen: %2</translation>
    </message>
    <message>
        <source>Error - Publishing from %1 is already done by %2!</source>
        <translation>%2 veröffentlicht bereits aus %1.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Error - Publishing cannot begin at %1: the newest stored minute is %2!</source>
        <translation>Das Veröffentlichen kann nicht bei %1 beginnen: die neueste gespeicherte Minute ist %2.</translation>
    </message>
    <message>
        <source>Error - The cursor %1 in %2 lies after the newest stored minute %3!</source>
        <translation>Der Sendestand %1 in %2 liegt nach der neuesten gespeicherten Minute %3.</translation>
    </message>
    <message>
        <source>Warning - The cursor %1 in %2 lay after the newest stored minute %3; it is set back to it.</source>
        <translation>Der Sendestand %1 in %2 lag nach der neuesten gespeicherten Minute %3; er wird auf sie zurückgesetzt.</translation>
    </message>
    <message>
        <source>Warning - The month file %1 is busy; publishing waits before its minutes.</source>
        <translation>Die Monatsdatei %1 ist belegt; das Veröffentlichen wartet vor ihren Minuten.</translation>
    </message>
    <message>
        <source>Error - %1 is not a valid month file; publishing stops before its minutes!</source>
        <translation>%1 ist keine gültige Monatsdatei; das Veröffentlichen hält vor ihren Minuten an.</translation>
    </message>
    <message>
        <source>Warning - A day of the month file %1 cannot be read; publishing waits before its minutes.</source>
        <translation>Ein Tag der Monatsdatei %1 kann nicht gelesen werden; das Veröffentlichen wartet vor ihren Minuten.</translation>
    </message>
    <message>
        <source>Warning - The cursor cannot be saved in %1: %2!</source>
        <translation>Der Sendestand kann nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Error - The cursor cannot be saved in %1: %2! The minutes up to %3 were delivered to the broker; the next start sends them again.</source>
        <translation>Der Sendestand kann nicht in %1 gespeichert werden: %2. Die Minuten bis %3 wurden an den Broker geliefert; der nächste Start sendet sie noch einmal.</translation>
    </message>
    <message>
        <source>Error - The lock file %1 is not a plain file!</source>
        <translation>Die Sperrdatei %1 ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Error - The lock file %1 cannot be created: %2!</source>
        <translation>Die Sperrdatei %1 kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>holds a character outside Windows-1252</source>
        <translation>enthält ein Zeichen außerhalb von Windows-1252</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>is longer than 65535 bytes</source>
        <translation>ist länger als 65.535 Bytes</translation>
    </message>
    <message>
        <source>Error - The MQTT setting %1 %2!</source>
        <translation>Die MQTT-Einstellung %1 %2.</translation>
    </message>
    <message>
        <source>Error - A topic to publish to cannot hold &quot;+&quot; or &quot;#&quot;!</source>
        <translation>Ein Topic zum Veröffentlichen darf weder &quot;+&quot; noch &quot;#&quot; enthalten.</translation>
    </message>
    <message>
        <source>is not a number from 1 to 65535</source>
        <translation>ist keine Zahl von 1 bis 65535</translation>
    </message>
    <message>
        <source>is set without a User</source>
        <translation>ist ohne User gesetzt</translation>
    </message>
</context>
<context>
    <name>TAlarmCommands</name>
    <message>
        <source>Alarm limits...</source>
        <translation>Alarmgrenzen...</translation>
    </message>
</context>
<context>
    <name>TAlarmPanel</name>
    <message>
        <source>Alarms</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Raised</source>
        <translation>Ausgelöst</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Grenze</translation>
    </message>
    <message>
        <source>Peak</source>
        <translation>Spitzenwert</translation>
    </message>
    <message>
        <source>Acknowledged</source>
        <translation>Quittiert</translation>
    </message>
    <message>
        <source>&amp;Acknowledge</source>
        <translation>&amp;Quittieren</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>TAlarming</name>
    <message>
        <source>Acknowledge alarms</source>
        <translation>Alarme quittieren</translation>
    </message>
    <message>
        <source>Alarm %1: channel %2 %3 is beyond its limit %4 %5 (%6 %5)</source>
        <translation>Alarm %1: Kanal %2 %3 hat seine Grenze %4 %5 überschritten (%6 %5)</translation>
    </message>
    <message>
        <source>Alarms: %1 not acknowledged</source>
        <translation>Alarme: %1 nicht quittiert</translation>
    </message>
    <message>
        <source>ZEDA alarm</source>
        <translation>ZEDA-Alarm</translation>
    </message>
</context>
<context>
    <name>TChannelPanel</name>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>In Betrieb</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Value at %1</source>
        <translation>Wert um %1</translation>
    </message>
    <message>
        <source>alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>latched</source>
        <translation>gehalten</translation>
    </message>
    <message>
        <source>acknowledged</source>
        <translation>quittiert</translation>
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
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Edit commands</source>
        <translation>Bearbeitungsbefehle</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
</context>
<context>
    <name>TFileCommands</name>
    <message>
        <source>Open</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen...</source>
        <translation>Monatsdatei öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>closes the active window</comment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>Aktives Fenster schließen</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importieren...</translation>
    </message>
    <message>
        <source>Backup...</source>
        <translation>Sichern...</translation>
    </message>
    <message>
        <source>Si&amp;chern...</source>
        <translation>Monatsdatei sichern</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>backs the month file up</comment>
        <translation>Sichern</translation>
    </message>
</context>
<context>
    <name>THelpCommands</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>About ZEDA...</source>
        <translation>Über ZEDA...</translation>
    </message>
    <message>
        <source>ZEDA %1
Licence: proprietary
Data directory: %2
Qt %3</source>
        <translation>ZEDA %1
Lizenz: proprietär
Datenverzeichnis: %2
Qt %3</translation>
    </message>
</context>
<context>
    <name>TNumberEdit</name>
    <message>
        <source>Whole number, %1 … %2</source>
        <translation>Ganze Zahl, %1 … %2</translation>
    </message>
    <message>
        <source>%1 enter a whole number from %2 to %3.</source>
        <translation>%1 Geben Sie eine ganze Zahl von %2 bis %3 ein.</translation>
    </message>
</context>
<context>
    <name>TOperatorCommands</name>
    <message>
        <source>&amp;Operator</source>
        <translation>&amp;Bediener</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <translation>&amp;Anmelden...</translation>
    </message>
    <message>
        <source>&amp;Anmelden...</source>
        <translation>Als Bediener anmelden</translation>
    </message>
    <message>
        <source>Logoff</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Ab&amp;melden</source>
        <translation>Bediener abmelden</translation>
    </message>
    <message>
        <source>&amp;Manage...</source>
        <translation>Bediener &amp;verwalten...</translation>
    </message>
    <message>
        <source>&amp;Verwaltung...</source>
        <translation>Bediener verwalten</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>&amp;Anmelden admin</source>
        <translation>Als Administrator anmelden</translation>
    </message>
    <message>
        <source>Ab&amp;melden admin</source>
        <translation>Administrator abmelden</translation>
    </message>
    <message>
        <source>Password...</source>
        <translation>Passwort...</translation>
    </message>
    <message>
        <source>&amp;Paßwort ändern...</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>ZEDA - Operator:</source>
        <translation>ZEDA - Bediener: </translation>
    </message>
</context>
<context>
    <name>TPrintCommands</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Day print</source>
        <translation>Tagesdruck...</translation>
    </message>
    <message>
        <source>&amp;Tagesdruck...</source>
        <translation>Tagesbericht drucken</translation>
    </message>
    <message>
        <source>Month print</source>
        <translation>Monatsdruck</translation>
    </message>
    <message>
        <source>&amp;%1 Day on page</source>
        <translation>&amp;%1 Tage pro Seite</translation>
    </message>
    <message>
        <source>Expression of the actual image</source>
        <translation>Aktuelle Darstellung</translation>
    </message>
    <message>
        <source>&amp;Ausdruck der aktuellen Darstellung</source>
        <translation>Aktuelle Darstellung drucken</translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation>Vorschau...</translation>
    </message>
    <message>
        <source>Export report as PDF...</source>
        <translation>Bericht als PDF exportieren...</translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation>Druckereinrichtung...</translation>
    </message>
    <message>
        <source>Drucken setup</source>
        <translation>Drucker einrichten</translation>
    </message>
    <message>
        <source>Printers...</source>
        <translation>Drucker...</translation>
    </message>
    <message>
        <source>&amp;Druckparameter...</source>
        <translation>Berichtsdrucker wählen</translation>
    </message>
</context>
<context>
    <name>TPublishCommands</name>
    <message>
        <source>Publishing (MQTT)...</source>
        <translation>Veröffentlichen (MQTT)...</translation>
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
        <translation>MQTT: Verbindung zu %1 wird aufgebaut ...</translation>
    </message>
    <message>
        <source>MQTT: connected, backlog %1, acknowledged up to %2</source>
        <translation>MQTT: verbunden, Rückstand %1, bestätigt bis %2</translation>
    </message>
    <message>
        <source>MQTT: no connection, backlog %1, acknowledged up to %2</source>
        <translation>MQTT: keine Verbindung, Rückstand %1, bestätigt bis %2</translation>
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
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
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
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Std dev</source>
        <translation>Std.-Abw.</translation>
    </message>
    <message>
        <source>Counted</source>
        <translation>Gezählt</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Puts the table on the clipboard as tab-separated text</source>
        <translation>Kopiert die Tabelle als tabulatorgetrennten Text in die Zwischenablage</translation>
    </message>
    <message>
        <source>Set both marks (hold the right mouse button, click the left one) to read the figures of the range between them.</source>
        <translation>Setzen Sie beide Markierungen (rechte Maustaste halten, mit der linken klicken), um die Kennzahlen des Zeitraums dazwischen zu sehen.</translation>
    </message>
    <message>
        <source>Start: %1   End: %2   Duration: %3</source>
        <translation>Anfang: %1   Ende: %2   Dauer: %3</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>TSettingCommands</name>
    <message>
        <source>Setting</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Betriebsort...</translation>
    </message>
    <message>
        <source>Betriebsort</source>
        <translation>Betriebsort festlegen</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Kanal %1...</translation>
    </message>
    <message>
        <source>Time...</source>
        <translation>Aufbewahrung...</translation>
    </message>
    <message>
        <source>Zeit&amp;raum des Datenerhalts...</source>
        <translation>Aufbewahrungsdauer der Monatsdateien festlegen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Bildschirm...</translation>
    </message>
    <message>
        <source>&amp;Bildschirmschrift...</source>
        <translation>Bildschirmschrift wählen</translation>
    </message>
    <message>
        <source>Print</source>
        <comment>the printer font</comment>
        <translation>Drucker...</translation>
    </message>
    <message>
        <source>&amp;Druckerschrift...</source>
        <translation>Druckerschrift wählen</translation>
    </message>
    <message>
        <source>Summer time</source>
        <translation>Sommerzeit...</translation>
    </message>
    <message>
        <source>Sommer&amp;zeit...</source>
        <translation>Sommerzeitregeln festlegen</translation>
    </message>
</context>
<context>
    <name>TTimeCommands</name>
    <message>
        <source>&amp;Time</source>
        <translation>&amp;Zeit</translation>
    </message>
    <message>
        <source>Mark delete</source>
        <translation>Markierungen löschen</translation>
    </message>
    <message>
        <source>Zeitraumdefinition &amp;löschen</source>
        <translation>Markierten Zeitraum löschen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Daten &amp;exportieren...</source>
        <translation>Markierten Zeitraum als CSV exportieren</translation>
    </message>
    <message>
        <source>Exclusive description</source>
        <translation>Ausnahmezeiträume</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Aufheben</translation>
    </message>
    <message>
        <source>&amp;Aufheben</source>
        <translation>Ausnahmezeitraum aufheben</translation>
    </message>
    <message>
        <source>Exception descriptions...</source>
        <translation>Ausnahmebeschreibungen...</translation>
    </message>
    <message>
        <source>%1 (note only)</source>
        <translation>%1 (nur Hinweis)</translation>
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
        <translation>&amp;Systeminformation...</translation>
    </message>
    <message>
        <source>&amp;Systeminformation...</source>
        <translation>Systeminformation des Geräts anzeigen</translation>
    </message>
    <message>
        <source>Channels group</source>
        <translation>Kanaltest...</translation>
    </message>
    <message>
        <source>&amp;Datenkanalüberprüfung...</source>
        <translation>Datenkanäle prüfen</translation>
    </message>
    <message>
        <source>Communications parameter...</source>
        <translation>Kommunikationseinstellungen...</translation>
    </message>
    <message>
        <source>&amp;Kommunikationsparameter...</source>
        <translation>Schnittstelle und Baudrate festlegen</translation>
    </message>
</context>
<context>
    <name>TViewCommands</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation>&amp;Zeit</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Werte</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Channel%1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>All Channels</source>
        <translation>Alle Kanäle anzeigen</translation>
    </message>
    <message>
        <source>Alle Anzeigen</source>
        <translation>Alle Kanäle anzeigen</translation>
    </message>
    <message>
        <source>Clear Channels</source>
        <translation>Alle Kanäle ausblenden</translation>
    </message>
    <message>
        <source>Keinen Anzeigen</source>
        <translation>Alle Kanäle ausblenden</translation>
    </message>
</context>
<context>
    <name>TWindowCommands</name>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>Cascade</source>
        <translation>Überlappend</translation>
    </message>
    <message>
        <source>Über&amp;lappend</source>
        <translation>Fenster überlappend anordnen</translation>
    </message>
    <message>
        <source>Tile Horizontal</source>
        <translation>Untereinander</translation>
    </message>
    <message>
        <source>&amp;Nebeneinander</source>
        <translation>Fenster nebeneinander anordnen</translation>
    </message>
    <message>
        <source>Tile Vertical</source>
        <translation>Nebeneinander</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Alle minimieren</translation>
    </message>
    <message>
        <source>&amp;Alle Fenster schließen</source>
        <translation>Alle Fenster minimieren</translation>
    </message>
    <message>
        <source>Arrange</source>
        <translation>Symbole anordnen</translation>
    </message>
    <message>
        <source>Sinn&amp;bilder anordnen</source>
        <translation>Minimierte Fenster anordnen</translation>
    </message>
</context>
<context>
    <name>TfmACQInfo</name>
    <message>
        <source>System information</source>
        <translation>Systeminformation</translation>
    </message>
    <message>
        <source> System information </source>
        <translation> Systeminformation </translation>
    </message>
    <message>
        <source>Firmware-Release:</source>
        <translation>Firmware-Version:</translation>
    </message>
    <message>
        <source>System time:</source>
        <translation>Gerätezeit:</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Wartende Datensätze</translation>
    </message>
    <message>
        <source> Installation of time </source>
        <translation> Geräteuhr stellen </translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Stellen</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Uhrzeit:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Es besteht keine Verbindung zum Akquisitionssystem!</source>
        <translation>Es besteht keine Verbindung zum Erfassungsgerät.</translation>
    </message>
</context>
<context>
    <name>TfmAlarmLimits</name>
    <message>
        <source>Alarm limits</source>
        <translation>Alarmgrenzen</translation>
    </message>
    <message>
        <source>Channel %1 %2</source>
        <translation>Kanal %1 %2</translation>
    </message>
    <message>
        <source>&amp;Latched: stays until acknowledged</source>
        <translation>&amp;Gehalten: bleibt bis zur Quittierung</translation>
    </message>
    <message>
        <source>Values in the channel&apos;s units, at most six decimals, empty for no limit. High-high above high, low-low below low, low below high. Delay: minutes with data beyond a limit before it raises (0 to 1440).</source>
        <translation>Werte in den Einheiten des Kanals, höchstens sechs Nachkommastellen, leer für keine Grenze. Hoch-hoch über hoch, tief-tief unter tief, tief unter hoch. Verzögerung: Minuten mit Daten jenseits einer Grenze, bevor sie auslöst (0 bis 1440).</translation>
    </message>
    <message>
        <source>&amp;Channel:</source>
        <translation>&amp;Kanal:</translation>
    </message>
    <message>
        <source>&amp;High:</source>
        <translation>&amp;Hoch:</translation>
    </message>
    <message>
        <source>Hi&amp;gh-high:</source>
        <translation>Ho&amp;ch-hoch:</translation>
    </message>
    <message>
        <source>L&amp;ow:</source>
        <translation>&amp;Tief:</translation>
    </message>
    <message>
        <source>Lo&amp;w-low:</source>
        <translation>T&amp;ief-tief:</translation>
    </message>
    <message>
        <source>H&amp;ysteresis:</source>
        <translation>H&amp;ysterese:</translation>
    </message>
    <message>
        <source>&amp;Delay (minutes):</source>
        <translation>&amp;Verzögerung (Minuten):</translation>
    </message>
</context>
<context>
    <name>TfmChannelTest</name>
    <message>
        <source>Channel test</source>
        <translation>Kanalprüfung</translation>
    </message>
    <message>
        <source>Channel %1:</source>
        <translation>Kanal %1:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TfmChildBase</name>
    <message>
        <source>Child</source>
        <translation>Fenster</translation>
    </message>
</context>
<context>
    <name>TfmCsvExport</name>
    <message>
        <source>Export as CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>ZEDA: &quot;;&quot;, decimal comma, Windows-1252, 0 where no value is</source>
        <translation>ZEDA: &quot;;&quot;, Dezimalkomma, Windows-1252, 0 wo kein Wert ist</translation>
    </message>
    <message>
        <source>Excel (German): &quot;;&quot;, decimal comma, UTF-8</source>
        <translation>Excel (deutsch): &quot;;&quot;, Dezimalkomma, UTF-8</translation>
    </message>
    <message>
        <source>Excel (English): &quot;,&quot;, decimal point, UTF-8</source>
        <translation>Excel (englisch): &quot;,&quot;, Dezimalpunkt, UTF-8</translation>
    </message>
    <message>
        <source>RFC 4180: &quot;,&quot;, decimal point, UTF-8, LF line ends</source>
        <translation>RFC 4180: &quot;,&quot;, Dezimalpunkt, UTF-8, Zeilenende LF</translation>
    </message>
    <message>
        <source>A column after each value that says why it is empty</source>
        <translation>Nach jedem Wert eine Spalte, die sagt, warum er leer ist</translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Aufbau:</translation>
    </message>
</context>
<context>
    <name>TfmExceptions</name>
    <message>
        <source>Exception descriptions</source>
        <translation>Ausnahmebeschreibungen</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Note only</source>
        <translation>Nur Hinweis</translation>
    </message>
    <message>
        <source>Description; its first four characters are the code</source>
        <translation>Beschreibung; ihre ersten vier Zeichen sind die Kennung</translation>
    </message>
    <message>
        <source>Note only: the values stay and are only marked</source>
        <translation>Nur Hinweis: die Werte bleiben erhalten und werden nur markiert</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>%1 characters left; %2 of %3 descriptions</source>
        <translation>noch %1 Zeichen; %2 von %3 Beschreibungen</translation>
    </message>
    <message>
        <source>Periods already set with the code &quot;%1&quot; keep their code.</source>
        <translation>Bereits gesetzte Zeiträume mit der Kennung &quot;%1&quot; behalten ihre Kennung.</translation>
    </message>
</context>
<context>
    <name>TfmHelp</name>
    <message>
        <source>ZEDA - Help</source>
        <translation>ZEDA - Hilfe</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Finden</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
</context>
<context>
    <name>TfmLocation</name>
    <message>
        <source>Location</source>
        <translation>Betriebsort</translation>
    </message>
    <message>
        <source>At most %1 characters</source>
        <translation>Höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>%1 characters left</source>
        <translation>noch %1 Zeichen</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Betriebsort:</translation>
    </message>
    <message>
        <source>Empty Betriebsort!</source>
        <translation>Bitte einen Betriebsort eingeben.</translation>
    </message>
</context>
<context>
    <name>TfmLogin</name>
    <message>
        <source>Login</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Bediener</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>Administrator</translation>
    </message>
    <message>
        <source>When the time runs out, ZEDA keeps running.</source>
        <translation>Läuft die Zeit ab, läuft ZEDA weiter.</translation>
    </message>
    <message>
        <source>When the time runs out, ZEDA starts at the operator level.</source>
        <translation>Läuft die Zeit ab, startet ZEDA mit Bedienerrechten.</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Remaining time within seconds: %1</source>
        <translation>Verbleibende Zeit: %1 s</translation>
    </message>
    <message>
        <source>The password is not true!</source>
        <translation>Falsches Passwort.</translation>
    </message>
</context>
<context>
    <name>TfmLoginOperator</name>
    <message>
        <source>Operator - manager</source>
        <translation>Bediener anmelden</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TfmMain</name>
    <message>
        <source>Login cancel. Application Terminate!</source>
        <translation>Anmeldung abgebrochen. Das Programm wird beendet.</translation>
    </message>
    <message>
        <source>Acquisition stops until ZEDA is started again.
Close ZEDA?</source>
        <translation>Die Datenerfassung ruht, bis ZEDA wieder gestartet wird.
ZEDA beenden?</translation>
    </message>
    <message>
        <source>Cancel close!</source>
        <translation>Schließen abgebrochen.</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Admin</source>
        <translation>Verwaltung</translation>
    </message>
    <message>
        <source>ToolBar1</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Acquisition runs in the service %1.</source>
        <translation>Die Erfassung läuft im Dienst %1.</translation>
    </message>
    <message>
        <source>Not available: acquisition runs in the service %1.</source>
        <translation>Nicht verfügbar: Die Erfassung läuft im Dienst %1.</translation>
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
        <translation>ZMF-Dateien (*.zmf)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>TfmMonth</name>
    <message>
        <source>Month</source>
        <translation>Aufbewahrungsdauer</translation>
    </message>
    <message>
        <source> months</source>
        <translation> Monate</translation>
    </message>
    <message>
        <source>Whole number, 0 … 12</source>
        <translation>Ganze Zahl, 0 … 12</translation>
    </message>
    <message>
        <source>How many months the month files are kept (1 to 12); 0, the setting of a new installation, keeps them all.</source>
        <translation>Wie viele Monate die Monatsdateien aufbewahrt werden (1 bis 12); 0, die Einstellung einer neuen Installation, bewahrt alle auf.</translation>
    </message>
</context>
<context>
    <name>TfmPassword</name>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Bediener</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>Administrator</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>New password:</source>
        <translation>Neues Passwort:</translation>
    </message>
    <message>
        <source>Confirm:</source>
        <translation>Bestätigen:</translation>
    </message>
</context>
<context>
    <name>TfmPrintDay</name>
    <message>
        <source>Printed establishment of the period</source>
        <translation>Tage drucken</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Print from</source>
        <translation>Drucken von Tag</translation>
    </message>
    <message>
        <source>. Day to</source>
        <translation>bis Tag</translation>
    </message>
</context>
<context>
    <name>TfmPrintPreview</name>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Day report, days</source>
        <translation>Tagesbericht, Tage</translation>
    </message>
    <message>
        <source>Month report, days on page</source>
        <translation>Monatsbericht, Tage pro Seite</translation>
    </message>
    <message>
        <source>Current view</source>
        <translation>Aktuelle Darstellung</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>Printer1</source>
        <translation>Drucker 1</translation>
    </message>
    <message>
        <source>Printer2</source>
        <translation>Drucker 2</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>Als PDF exportieren...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Seiten:</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>−</source>
        <translation>−</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>TfmPrinter</name>
    <message>
        <source>Setting printers</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source> Printers </source>
        <translation> Drucker </translation>
    </message>
    <message>
        <source>Printer1</source>
        <translation>Drucker 1</translation>
    </message>
    <message>
        <source>Printer2</source>
        <translation>Drucker 2</translation>
    </message>
    <message>
        <source>Automatic print</source>
        <translation>Automatisch drucken</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>An Seite anpassen</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Originalgröße</translation>
    </message>
</context>
<context>
    <name>TfmPublishSettings</name>
    <message>
        <source>Publishing (MQTT)</source>
        <translation>Veröffentlichen (MQTT)</translation>
    </message>
    <message>
        <source>Publish every stored minute</source>
        <translation>Jede gespeicherte Minute veröffentlichen</translation>
    </message>
    <message>
        <source>%1, with a CA file %2</source>
        <translation>%1, mit CA-Datei %2</translation>
    </message>
    <message>
        <source>none: no TLS</source>
        <translation>keine: ohne TLS</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>Verbindung &amp;testen</translation>
    </message>
    <message>
        <source>Broker host:</source>
        <translation>Broker-Rechner:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Base topic:</source>
        <translation>Basis-Topic:</translation>
    </message>
    <message>
        <source>Client id:</source>
        <translation>Client-ID:</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>CA file:</source>
        <translation>CA-Datei:</translation>
    </message>
    <message>
        <source>Error - Please enter the broker&apos;s host name!</source>
        <translation>Bitte geben Sie den Rechnernamen des Brokers ein.</translation>
    </message>
    <message>
        <source>Please enter the broker&apos;s host name.</source>
        <translation>Bitte geben Sie den Rechnernamen des Brokers ein.</translation>
    </message>
    <message>
        <source>Connecting to %1:%2 ...</source>
        <translation>Verbindung zu %1:%2 wird aufgebaut ...</translation>
    </message>
</context>
<context>
    <name>TfmSetKanal</name>
    <message>
        <source>At most %1 characters, no comma</source>
        <translation>Höchstens %1 Zeichen, kein Komma</translation>
    </message>
    <message>
        <source>%1 characters left</source>
        <translation>noch %1 Zeichen</translation>
    </message>
    <message>
        <source>%1 — printer %2</source>
        <translation>%1 — Drucker %2</translation>
    </message>
    <message>
        <source>Shown range %1 … %2 %3</source>
        <translation>Angezeigter Bereich %1 … %2 %3</translation>
    </message>
    <message>
        <source>Setting channel %1</source>
        <translation>Einstellungen Kanal %1</translation>
    </message>
    <message>
        <source>The channel of the data is activated</source>
        <translation>Kanal in Betrieb</translation>
    </message>
    <message>
        <source> Description </source>
        <translation> Beschreibung </translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Dimension:</source>
        <translation>Einheit:</translation>
    </message>
    <message>
        <source> Parameters </source>
        <translation> Parameter </translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Anzeigeversatz:</translation>
    </message>
    <message>
        <source>Multiplier:</source>
        <translation>Multiplikator:</translation>
    </message>
    <message>
        <source>Minimal value:</source>
        <translation>Minimalwert:</translation>
    </message>
    <message>
        <source>Maximal value:</source>
        <translation>Maximalwert:</translation>
    </message>
    <message>
        <source>Offset-value:</source>
        <translation>Versatzwert:</translation>
    </message>
    <message>
        <source>Decimal:</source>
        <translation>Nachkommastellen:</translation>
    </message>
    <message>
        <source> Color </source>
        <translation> Farbe </translation>
    </message>
    <message>
        <source>Screen/Printer:</source>
        <translation>Bildschirm/Drucker:</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Petrol</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be less than &quot;%2&quot;.</source>
        <translation>„%1“ muss kleiner sein als „%2“.</translation>
    </message>
</context>
<context>
    <name>TfmSummerTime</name>
    <message>
        <source>Summer Time</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>DD.MM/HH,DD.MM/HH: the start and the end of summer time</source>
        <translation>TT.MM/HH,TT.MM/HH: Beginn und Ende der Sommerzeit</translation>
    </message>
    <message>
        <source>Start (day, hour):</source>
        <translation>Beginn (Tag, Stunde):</translation>
    </message>
    <message>
        <source>End (day, hour):</source>
        <translation>Ende (Tag, Stunde):</translation>
    </message>
    <message>
        <source>Hour </source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>Period not valid!</source>
        <translation>Der Zeitraum ist ungültig.</translation>
    </message>
</context>
<context>
    <name>TfmUsers</name>
    <message>
        <source>Operator - Managment</source>
        <translation>Bedienerverwaltung</translation>
    </message>
    <message>
        <source>Name, at most %1 characters</source>
        <translation>Name, höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>%1 characters left</source>
        <translation>noch %1 Zeichen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>TfmViewChannel</name>
    <message>
        <source>no data</source>
        <translation>keine Daten</translation>
    </message>
</context>
<context>
    <name>Ualarmlimits</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
</context>
<context>
    <name>Ualarmpanel</name>
    <message>
        <source>high</source>
        <translation>hoch</translation>
    </message>
    <message>
        <source>low</source>
        <translation>tief</translation>
    </message>
    <message>
        <source>high-high</source>
        <translation>hoch-hoch</translation>
    </message>
    <message>
        <source>low-low</source>
        <translation>tief-tief</translation>
    </message>
</context>
<context>
    <name>Ucommunication</name>
    <message>
        <source>Auto Detect</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Trying %1 at %2 Baud ...</source>
        <translation>Versuche %1 mit %2 Baud ...</translation>
    </message>
    <message>
        <source>Communications parameter</source>
        <translation>Kommunikationsparameter</translation>
    </message>
    <message>
        <source> Interface </source>
        <translation> Schnittstelle </translation>
    </message>
    <message>
        <source> Speed </source>
        <translation> Geschwindigkeit </translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Auto detect NO!</source>
        <translation>Das Gerät wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Auto detect OK!</source>
        <translation>Das Gerät wurde gefunden.</translation>
    </message>
    <message>
        <source> Unit </source>
        <translation> Gerät </translation>
    </message>
    <message>
        <source>Simulator</source>
        <translation>Simulator</translation>
    </message>
    <message>
        <source>Serial line</source>
        <translation>Serielle Leitung</translation>
    </message>
    <message>
        <source>Device in use: %1</source>
        <translation>Verwendete Schnittstelle: %1</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Schnittstelle:</translation>
    </message>
    <message>
        <source>The unit link changes when ZEDA starts again.</source>
        <translation>Die Verbindung zum Erfassungsgerät wechselt beim nächsten Start von ZEDA.</translation>
    </message>
    <message>
        <source>The unit answers on COM%1 (%2) at %3 Baud. Use these?</source>
        <translation>Das Erfassungsgerät antwortet an COM%1 (%2) mit %3 Baud. Diese Einstellungen übernehmen?</translation>
    </message>
    <message>
        <source>  600 Baud</source>
        <translation>  600 Baud</translation>
    </message>
    <message>
        <source> 1200 Baud</source>
        <translation> 1200 Baud</translation>
    </message>
    <message>
        <source> 2400 Baud</source>
        <translation> 2400 Baud</translation>
    </message>
    <message>
        <source> 4800 Baud</source>
        <translation> 4800 Baud</translation>
    </message>
    <message>
        <source> 9600 Baud</source>
        <translation> 9600 Baud</translation>
    </message>
    <message>
        <source>19200 Baud</source>
        <translation>19200 Baud</translation>
    </message>
</context>
<context>
    <name>Ulanguagemenu</name>
    <message>
        <source>Follow the system</source>
        <translation>Wie das System</translation>
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
        <translation>Unübersetzt (die eigenen Texte des Programms)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>The language takes effect at the next start.</source>
        <translation>Die Sprache gilt ab dem nächsten Start.</translation>
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
        <translation>Verzeichnis der INI-Datei, der Bedienerliste und der Monatsdateien (Vorgabe: das Programmverzeichnis, wenn es beschreibbar ist, sonst $XDG_DATA_HOME/zeda, meist ~/.local/share/zeda).</translation>
    </message>
    <message>
        <source>ZEDA - desktop companion of the 14-channel acquisition unit.
Fetches the unit&apos;s minute records, keeps one month file per month and shows them as time diagrams. &apos;zedactl --help&apos; lists the command-line companion&apos;s commands.</source>
        <translation>ZEDA - Desktop-Begleiter des 14-Kanal-Erfassungsgeräts.
Holt die Minutenwerte des Geräts ab, führt eine Monatsdatei je Monat und zeigt sie als Zeitdiagramme. &apos;zedactl --help&apos; listet die Befehle des Kommandozeilenbegleiters.</translation>
    </message>
    <message>
        <source>Error - Directory %1 cannot be created!</source>
        <translation>Fehler: Das Verzeichnis %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Month files to open.</source>
        <translation>Zu öffnende Monatsdateien.</translation>
    </message>
</context>
<context>
    <name>zeda-unit</name>
    <message>
        <source>cannot create a pseudo-terminal</source>
        <translation>kann kein Pseudo-Terminal anlegen</translation>
    </message>
    <message>
        <source>--baud names no speed of the line</source>
        <translation>--baud nennt keine Geschwindigkeit der Leitung</translation>
    </message>
    <message>
        <source>cannot open the device</source>
        <translation>kann das Gerät nicht öffnen</translation>
    </message>
    <message>
        <source>cannot set the line</source>
        <translation>kann die Leitung nicht einstellen</translation>
    </message>
    <message>
        <source>Emulates the acquisition unit on a serial device or a new pseudo-terminal (its path is the first line of output).</source>
        <translation>Bildet das Erfassungsgerät an einer seriellen Schnittstelle oder einem neuen Pseudo-Terminal nach (dessen Pfad ist die erste Ausgabezeile).</translation>
    </message>
    <message>
        <source>Create a pseudo-terminal and print its path.</source>
        <translation>Ein Pseudo-Terminal anlegen und seinen Pfad ausgeben.</translation>
    </message>
    <message>
        <source>Serial device to answer on.</source>
        <translation>Serielle Schnittstelle, auf der geantwortet wird.</translation>
    </message>
    <message>
        <source>Answer only while the line is set to this speed.</source>
        <translation>Nur antworten, solange die Leitung auf diese Geschwindigkeit eingestellt ist.</translation>
    </message>
    <message>
        <source>Start the clock at &quot;YYYY-MM-DD HH:MM&quot; (default: local time).</source>
        <translation>Die Uhr bei &quot;JJJJ-MM-TT HH:MM&quot; starten (Vorgabe: Ortszeit).</translation>
    </message>
    <message>
        <source>Clock minutes per second (default: real time).</source>
        <translation>Uhrminuten je Sekunde (Vorgabe: Echtzeit).</translation>
    </message>
    <message>
        <source>Make this many records, then no more.</source>
        <translation>So viele Datensätze erzeugen, danach keine mehr.</translation>
    </message>
    <message>
        <source>drop-byte, corrupt-frame, silence (comma-separated).</source>
        <translation>drop-byte, corrupt-frame, silence (durch Kommas getrennt).</translation>
    </message>
    <message>
        <source>Seed of the fault dice.</source>
        <translation>Startwert des Fehlerwürfels.</translation>
    </message>
    <message>
        <source>en, de or source (the system&apos;s own texts); overrides the locale.</source>
        <translation>en, de oder source (die eigenen Texte des Programms); geht der Spracheinstellung des Systems vor.</translation>
    </message>
    <message>
        <source>needs --pty or --device PATH</source>
        <translation>braucht --pty oder --device PFAD</translation>
    </message>
    <message>
        <source>--faults takes drop-byte, corrupt-frame, silence</source>
        <translation>--faults nimmt drop-byte, corrupt-frame, silence</translation>
    </message>
    <message>
        <source>--from takes &quot;YYYY-MM-DD HH:MM&quot;</source>
        <translation>--from nimmt &quot;JJJJ-MM-TT HH:MM&quot;</translation>
    </message>
    <message>
        <source>faults: %1 drop-byte, %2 corrupt-frame, %3 silence</source>
        <translation>Fehler: %1 drop-byte, %2 corrupt-frame, %3 silence</translation>
    </message>
</context>
<context>
    <name>zedactl</name>
    <message>
        <source>print the configuration as JSON</source>
        <translation>die Einstellungen als JSON ausgeben</translation>
    </message>
    <message>
        <source>run the acquisition with the simulated unit on a simulated clock</source>
        <translation>die Datenerfassung mit dem simulierten Gerät auf einer simulierten Uhr laufen lassen</translation>
    </message>
    <message>
        <source>print what a month file holds as JSON</source>
        <translation>den Inhalt einer Monatsdatei als JSON ausgeben</translation>
    </message>
    <message>
        <source>check a month file (the exit status is the result)</source>
        <translation>eine Monatsdatei prüfen (der Rückgabewert ist das Ergebnis)</translation>
    </message>
    <message>
        <source>paint a month file&apos;s diagram into a PNG picture</source>
        <translation>das Diagramm einer Monatsdatei in ein PNG-Bild zeichnen</translation>
    </message>
    <message>
        <source>write the marked range of a month file as CSV</source>
        <translation>den markierten Bereich einer Monatsdatei als CSV schreiben</translation>
    </message>
    <message>
        <source>print the figures of a range of a month file as JSON</source>
        <translation>die Kennzahlen eines Bereichs einer Monatsdatei als JSON ausgeben</translation>
    </message>
    <message>
        <source>set or clear an exception period in a month file</source>
        <translation>einen Ausnahmezeitraum in einer Monatsdatei setzen oder aufheben</translation>
    </message>
    <message>
        <source>back a month file up into a directory</source>
        <translation>eine Monatsdatei in ein Verzeichnis sichern</translation>
    </message>
    <message>
        <source>import a month file into the data directory</source>
        <translation>eine Monatsdatei in das Datenverzeichnis importieren</translation>
    </message>
    <message>
        <source>show or change a channel definition</source>
        <translation>eine Kanaldefinition zeigen oder ändern</translation>
    </message>
    <message>
        <source>list or edit the operator list</source>
        <translation>die Bedienerliste zeigen oder bearbeiten</translation>
    </message>
    <message>
        <source>set the operator or administrator password</source>
        <translation>das Bediener- oder Administratorpasswort setzen</translation>
    </message>
    <message>
        <source>talk to the unit: detect, info, values, set-clock</source>
        <translation>mit dem Gerät sprechen: detect, info, values, set-clock</translation>
    </message>
    <message>
        <source>store the unit&apos;s records into the month files until it is idle</source>
        <translation>die Datensätze des Geräts in die Monatsdateien speichern, bis es keine mehr hat</translation>
    </message>
    <message>
        <source>draw a day or month report or a view print into a PDF</source>
        <translation>einen Tages- oder Monatsbericht oder einen Ansichtsdruck als PDF zeichnen</translation>
    </message>
    <message>
        <source>print a day or month report on the configured printers</source>
        <translation>einen Tages- oder Monatsbericht auf den eingestellten Druckern drucken</translation>
    </message>
    <message>
        <source>publish the stored minutes to the MQTT broker</source>
        <translation>die gespeicherten Minuten an den MQTT-Broker veröffentlichen</translation>
    </message>
    <message>
        <source>zedactl: unknown command &apos;%1&apos;</source>
        <translation>zedactl: unbekannter Befehl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>zedactl %1: needs one FILE, --from and --to</source>
        <translation>zedactl %1: braucht eine DATEI, --from und --to</translation>
    </message>
    <message>
        <source>zedactl %1: times are &quot;YYYY-MM-DD HH:MM&quot;, channels a list of 1..14</source>
        <translation>zedactl %1: Zeiten sind &quot;JJJJ-MM-TT HH:MM&quot;, Kanäle eine Liste aus 1..14</translation>
    </message>
    <message>
        <source>zedactl %1: --from and --to must be minutes of the file, in order</source>
        <translation>zedactl %1: --from und --to müssen Minuten der Datei sein, in dieser Reihenfolge</translation>
    </message>
    <message>
        <source>First minute, &quot;YYYY-MM-DD HH:MM&quot;.</source>
        <translation>Erste Minute, &quot;JJJJ-MM-TT HH:MM&quot;.</translation>
    </message>
    <message>
        <source>Last minute, &quot;YYYY-MM-DD HH:MM&quot;.</source>
        <translation>Letzte Minute, &quot;JJJJ-MM-TT HH:MM&quot;.</translation>
    </message>
    <message>
        <source>Shown channels, e.g. &quot;1,3,14&quot; (default: all).</source>
        <translation>Angezeigte Kanäle, z. B. &quot;1,3,14&quot; (Vorgabe: alle).</translation>
    </message>
    <message>
        <source>The month file.</source>
        <translation>Die Monatsdatei.</translation>
    </message>
    <message>
        <source>Exports the values of the given channels between two minutes of a month file as CSV, exactly as the program&apos;s export of a marked range.</source>
        <translation>Exportiert die Werte der angegebenen Kanäle zwischen zwei Minuten einer Monatsdatei als CSV, genau wie das Programm einen markierten Bereich exportiert.</translation>
    </message>
    <message>
        <source>zedactl export: needs -o OUT.csv</source>
        <translation>zedactl export: braucht -o AUS.csv</translation>
    </message>
    <message>
        <source>Sets an exception period (the text of an exception-list entry; its first four characters give the code) or clears the one that matches range and channels exactly.</source>
        <translation>Setzt einen Ausnahmezeitraum (der Text eines Eintrags der Ausnahmeliste; seine ersten vier Zeichen ergeben das Kürzel) oder hebt den auf, der genau zu Bereich und Kanälen passt.</translation>
    </message>
    <message>
        <source>The entry&apos;s text.</source>
        <translation>Der Text des Eintrags.</translation>
    </message>
    <message>
        <source>Clear the matching period.</source>
        <translation>Den passenden Zeitraum aufheben.</translation>
    </message>
    <message>
        <source>zedactl exception: needs either --set TEXT or --clear</source>
        <translation>zedactl exception: braucht entweder --set TEXT oder --clear</translation>
    </message>
    <message>
        <source>Backs a month file up into a directory.</source>
        <translation>Sichert eine Monatsdatei in ein Verzeichnis.</translation>
    </message>
    <message>
        <source>The target directory.</source>
        <translation>Das Zielverzeichnis.</translation>
    </message>
    <message>
        <source>zedactl backup: needs FILE and DIR</source>
        <translation>zedactl backup: braucht DATEI und VERZ</translation>
    </message>
    <message>
        <source>zedactl backup: %1 is not a directory</source>
        <translation>zedactl backup: %1 ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>Imports a month file into the data directory, asking first unless --yes is given.</source>
        <translation>Importiert eine Monatsdatei in das Datenverzeichnis und fragt vorher, außer mit --yes.</translation>
    </message>
    <message>
        <source>Answer the question with Yes.</source>
        <translation>Die Frage mit Ja beantworten.</translation>
    </message>
    <message>
        <source>The month file to import.</source>
        <translation>Die zu importierende Monatsdatei.</translation>
    </message>
    <message>
        <source>zedactl import: needs one FILE</source>
        <translation>zedactl import: braucht eine DATEI</translation>
    </message>
    <message>
        <source>Runs the acquisition with the simulated unit on a simulated clock that starts at --from and advances in 5-second main-timer ticks, writing the month files into DIR.</source>
        <translation>Lässt die Datenerfassung mit dem simulierten Gerät auf einer simulierten Uhr laufen, die bei --from beginnt und in Schritten des 5-Sekunden-Haupttakts vorrückt, und schreibt die Monatsdateien nach VERZ.</translation>
    </message>
    <message>
        <source>Start time, &quot;YYYY-MM-DD HH:MM&quot;.</source>
        <translation>Startzeit, &quot;JJJJ-MM-TT HH:MM&quot;.</translation>
    </message>
    <message>
        <source>Minutes of simulated time (at most ten years).</source>
        <translation>Minuten simulierter Zeit (höchstens zehn Jahre).</translation>
    </message>
    <message>
        <source>Name of the operator logged in throughout.</source>
        <translation>Name des Bedieners, der die ganze Zeit angemeldet ist.</translation>
    </message>
    <message>
        <source>zedactl simulate: needs --data-dir DIR, --from &quot;YYYY-MM-DD HH:MM&quot; and --minutes N</source>
        <translation>zedactl simulate: braucht --data-dir VERZ, --from &quot;JJJJ-MM-TT HH:MM&quot; und --minutes N</translation>
    </message>
    <message>
        <source>zedactl simulate: cannot create %1</source>
        <translation>zedactl simulate: kann %1 nicht anlegen</translation>
    </message>
    <message>
        <source>Prints what a month file holds (JSON).</source>
        <translation>Gibt den Inhalt einer Monatsdatei aus (JSON).</translation>
    </message>
    <message>
        <source>zedactl info: needs one FILE</source>
        <translation>zedactl info: braucht eine DATEI</translation>
    </message>
    <message>
        <source>Checks a month file: 0 valid, 1 cannot be opened, 2 not a data file, 3 the name does not match the month in the file. The exit status is the result.</source>
        <translation>Prüft eine Monatsdatei: 0 gültig, 1 kann nicht geöffnet werden, 2 keine Datendatei, 3 der Name passt nicht zum Monat in der Datei. Der Rückgabewert ist das Ergebnis.</translation>
    </message>
    <message>
        <source>zedactl validate: needs one FILE</source>
        <translation>zedactl validate: braucht eine DATEI</translation>
    </message>
    <message>
        <source>Day report of the days FIRST to LAST (counted from 1).</source>
        <translation>Tagesbericht der Tage ERSTER bis LETZTER (ab 1 gezählt).</translation>
    </message>
    <message>
        <source>Month report with 3, 4 or 5 days on a page.</source>
        <translation>Monatsbericht mit 3, 4 oder 5 Tagen je Seite.</translation>
    </message>
    <message>
        <source>zedactl %1: give exactly one of --days, --month, --view</source>
        <translation>zedactl %1: genau eine von --days, --month, --view angeben</translation>
    </message>
    <message>
        <source>zedactl %1: give exactly one of --days, --month</source>
        <translation>zedactl %1: genau eine von --days, --month angeben</translation>
    </message>
    <message>
        <source>zedactl %1: --days takes FIRST-LAST within 1 .. %2</source>
        <translation>zedactl %1: --days nimmt ERSTER-LETZTER innerhalb 1 .. %2</translation>
    </message>
    <message>
        <source>zedactl report: --first takes &quot;YYYY-MM-DD HH:MM&quot; within the file&apos;s month</source>
        <translation>zedactl report: --first nimmt &quot;JJJJ-MM-TT HH:MM&quot; innerhalb des Monats der Datei</translation>
    </message>
    <message>
        <source>Draws the pages that printer 1 (or 2) would receive for a day report, a month report or the print of a window&apos;s view into one multi-page PDF, through the same printing engine as the program. The pages are A4 with a printable area 5 mm inside each edge, at 1200 dpi. Location and printer font come from the INI file of the data directory; the chosen printer counts as enabled and installed.</source>
        <translation>Zeichnet die Seiten, die Drucker 1 (oder 2) für einen Tagesbericht, einen Monatsbericht oder den Druck der Ansicht eines Fensters erhielte, in ein mehrseitiges PDF, mit demselben Druckwerk wie das Programm. Die Seiten sind A4 mit einem Druckbereich 5 mm innerhalb jedes Rands, bei 1200 dpi. Betriebsort und Druckerschrift kommen aus der INI-Datei des Datenverzeichnisses; der gewählte Drucker gilt als eingeschaltet und installiert.</translation>
    </message>
    <message>
        <source>The print of a window&apos;s view (see --first and the zooms).</source>
        <translation>Der Druck der Ansicht eines Fensters (siehe --first und die Maßstäbe).</translation>
    </message>
    <message>
        <source>View: first shown minute.</source>
        <translation>Ansicht: erste angezeigte Minute.</translation>
    </message>
    <message>
        <source>View: time zoom as the View menu has it (-20 .. 10).</source>
        <translation>Ansicht: Zeitmaßstab wie im Menü Ansicht (-20 .. 10).</translation>
    </message>
    <message>
        <source>View: size zoom (1 .. 20).</source>
        <translation>Ansicht: Größenmaßstab (1 .. 20).</translation>
    </message>
    <message>
        <source>View: width of the window&apos;s plot area (default 1000).</source>
        <translation>Ansicht: Breite der Zeichenfläche des Fensters (Vorgabe 1000).</translation>
    </message>
    <message>
        <source>View: height of the window&apos;s plot area (default 600).</source>
        <translation>Ansicht: Höhe der Zeichenfläche des Fensters (Vorgabe 600).</translation>
    </message>
    <message>
        <source>The printer whose pages are drawn (default 1).</source>
        <translation>Der Drucker, dessen Seiten gezeichnet werden (Vorgabe 1).</translation>
    </message>
    <message>
        <source>Shown channels, e.g. 1,2,5 (default: the channels in use).</source>
        <translation>Angezeigte Kanäle, z. B. 1,2,5 (Vorgabe: die benutzten Kanäle).</translation>
    </message>
    <message>
        <source>zedactl report: needs FILE and -o OUT.pdf; see --help</source>
        <translation>zedactl report: braucht DATEI und -o AUS.pdf; siehe --help</translation>
    </message>
    <message>
        <source>zedactl report: no page for printer %1 (no shown channel of it)</source>
        <translation>zedactl report: keine Seite für Drucker %1 (keiner seiner Kanäle wird angezeigt)</translation>
    </message>
    <message>
        <source>Prints a day report or a month report of a month file on the printers that the INI file of the data directory names, with their flags, as the program&apos;s print commands do.</source>
        <translation>Druckt einen Tages- oder Monatsbericht einer Monatsdatei auf den Druckern, die die INI-Datei des Datenverzeichnisses nennt, mit ihren Schaltern, wie die Druckbefehle des Programms.</translation>
    </message>
    <message>
        <source>zedactl print: needs FILE; see --help</source>
        <translation>zedactl print: braucht DATEI; siehe --help</translation>
    </message>
    <message>
        <source>Publishes the stored minutes to the MQTT broker of the [MQTT] settings: every minute after the cursor (or from --from) up to the newest stored one, and exits when the broker has acknowledged them all; with --follow also the minutes stored later, until SIGTERM.</source>
        <translation>Veröffentlicht die gespeicherten Minuten an den MQTT-Broker der Einstellungen [MQTT]: jede Minute nach dem Zeiger (oder ab --from) bis zur neuesten gespeicherten, und endet, wenn der Broker alle bestätigt hat; mit --follow auch die später gespeicherten Minuten, bis SIGTERM.</translation>
    </message>
    <message>
        <source>The first minute to publish, whatever the cursor says.</source>
        <translation>Die erste zu veröffentlichende Minute, gleich was der Zeiger sagt.</translation>
    </message>
    <message>
        <source>Keep publishing new minutes until SIGTERM or SIGINT.</source>
        <translation>Neue Minuten weiter veröffentlichen bis SIGTERM oder SIGINT.</translation>
    </message>
    <message>
        <source>zedactl publish: --from takes &quot;YYYY-MM-DD HH:MM&quot;</source>
        <translation>zedactl publish: --from nimmt &quot;JJJJ-MM-TT HH:MM&quot;</translation>
    </message>
    <message>
        <source>--set takes FIELD=VALUE</source>
        <translation>--set nimmt FELD=WERT</translation>
    </message>
    <message>
        <source>%1 takes at most %2 characters and no comma</source>
        <translation>%1 nimmt höchstens %2 Zeichen und kein Komma</translation>
    </message>
    <message>
        <source>%1 takes a whole number</source>
        <translation>%1 nimmt eine ganze Zahl</translation>
    </message>
    <message>
        <source>colour takes an entry 0 .. 13 of the colour list</source>
        <translation>colour nimmt einen Eintrag 0 .. 13 der Farbliste</translation>
    </message>
    <message>
        <source>unknown field %1</source>
        <translation>unbekanntes Feld %1</translation>
    </message>
    <message>
        <source>New password: </source>
        <translation>Neues Passwort: </translation>
    </message>
    <message>
        <source>Confirm: </source>
        <translation>Bestätigen: </translation>
    </message>
    <message>
        <source>Shows or changes the definition of channel N (1 .. 14) in the INI file, with the ranges of the channel dialog. FIELD is active, name, dimension, dispOffset, inputMult, minValue, maxValue, offsetValue, decimals or colour (entry 0 .. 13 of the colour list: &quot;Schwarz / 1&quot; .. &quot;Grun / 2&quot;).</source>
        <translation>Zeigt oder ändert die Definition von Kanal N (1 .. 14) in der INI-Datei, mit den Bereichen des Kanaldialogs. FELD ist active, name, dimension, dispOffset, inputMult, minValue, maxValue, offsetValue, decimals oder colour (Eintrag 0 .. 13 der Farbliste).</translation>
    </message>
    <message>
        <source>Print the definition (JSON).</source>
        <translation>Die Definition ausgeben (JSON).</translation>
    </message>
    <message>
        <source>Change a field; may be given several times.</source>
        <translation>Ein Feld ändern; darf mehrmals angegeben werden.</translation>
    </message>
    <message>
        <source>The channel, 1 .. 14.</source>
        <translation>Der Kanal, 1 .. 14.</translation>
    </message>
    <message>
        <source>zedactl channel: needs N (1 .. 14) and either --show or --set</source>
        <translation>zedactl channel: braucht N (1 .. 14) und entweder --show oder --set</translation>
    </message>
    <message>
        <source>Lists or edits the operator list operator.dat; names are cut to 15 characters.</source>
        <translation>Zeigt oder bearbeitet die Bedienerliste operator.dat; Namen werden auf 15 Zeichen gekürzt.</translation>
    </message>
    <message>
        <source>Print the names, one a line, in file order.</source>
        <translation>Die Namen ausgeben, einen je Zeile, in der Reihenfolge der Datei.</translation>
    </message>
    <message>
        <source>Append a name.</source>
        <translation>Einen Namen anhängen.</translation>
    </message>
    <message>
        <source>Remove the name at INDEX (counting from 0).</source>
        <translation>Den Namen an INDEX entfernen (ab 0 gezählt).</translation>
    </message>
    <message>
        <source>zedactl operators: needs one of --list, --add NAME, --delete INDEX</source>
        <translation>zedactl operators: braucht eine von --list, --add NAME, --delete INDEX</translation>
    </message>
    <message>
        <source>Sets the operator or the administrator password. It is asked twice on the terminal without echo, or read as two lines from standard input with --stdin.</source>
        <translation>Setzt das Bediener- oder das Administratorpasswort. Es wird zweimal am Terminal ohne Echo abgefragt oder mit --stdin als zwei Zeilen von der Standardeingabe gelesen.</translation>
    </message>
    <message>
        <source>Set the operator password.</source>
        <translation>Das Bedienerpasswort setzen.</translation>
    </message>
    <message>
        <source>Set the administrator password.</source>
        <translation>Das Administratorpasswort setzen.</translation>
    </message>
    <message>
        <source>Read password and confirmation from standard input.</source>
        <translation>Passwort und Bestätigung von der Standardeingabe lesen.</translation>
    </message>
    <message>
        <source>zedactl password: needs either --operator or --admin</source>
        <translation>zedactl password: braucht entweder --operator oder --admin</translation>
    </message>
    <message>
        <source>zedactl unit set-clock: needs &quot;YYYY-MM-DD HH:MM:SS&quot;</source>
        <translation>zedactl unit set-clock: braucht &quot;JJJJ-MM-TT HH:MM:SS&quot;</translation>
    </message>
    <message>
        <source>The clock for set-clock.</source>
        <translation>Die Uhrzeit für set-clock.</translation>
    </message>
    <message>
        <source>Seconds without a record before it ends (default 10).</source>
        <translation>Sekunden ohne Datensatz, bevor es endet (Vorgabe 10).</translation>
    </message>
    <message>
        <source>zedactl acquire: needs --data-dir DIR</source>
        <translation>zedactl acquire: braucht --data-dir VERZ</translation>
    </message>
    <message>
        <source>zedactl acquire: cannot create %1</source>
        <translation>zedactl acquire: kann %1 nicht anlegen</translation>
    </message>
    <message>
        <source>Paints what a month-file window of W x H pixels shows (time strip above, value strip on the left) into a PNG picture.</source>
        <translation>Zeichnet, was ein Monatsdatei-Fenster von B x H Pixeln zeigt (Zeitstreifen oben, Wertestreifen links), in ein PNG-Bild.</translation>
    </message>
    <message>
        <source>Time zoom as the View menu has it (-20 .. 10).</source>
        <translation>Zeitmaßstab wie im Menü Ansicht (-20 .. 10).</translation>
    </message>
    <message>
        <source>Size zoom (1 .. 20).</source>
        <translation>Größenmaßstab (1 .. 20).</translation>
    </message>
    <message>
        <source>Width of the window&apos;s client area (default 1000).</source>
        <translation>Breite der Innenfläche des Fensters (Vorgabe 1000).</translation>
    </message>
    <message>
        <source>Height of the window&apos;s client area (default 600).</source>
        <translation>Höhe der Innenfläche des Fensters (Vorgabe 600).</translation>
    </message>
    <message>
        <source>First visible minute slot.</source>
        <translation>Erste sichtbare Minute.</translation>
    </message>
    <message>
        <source>The two marked slots.</source>
        <translation>Die beiden markierten Minuten.</translation>
    </message>
    <message>
        <source>1 white, 2 grey.</source>
        <translation>1 weiß, 2 grau.</translation>
    </message>
    <message>
        <source>zedactl render: needs FILE and -o OUT.png; see --help for the options and their ranges</source>
        <translation>zedactl render: braucht DATEI und -o AUS.png; siehe --help für die Optionen und ihre Bereiche</translation>
    </message>
    <message>
        <source>Prints the configuration as the program loads it (JSON).</source>
        <translation>Gibt die Einstellungen aus, wie das Programm sie lädt (JSON).</translation>
    </message>
    <message>
        <source>zedactl-draw: serves zedactl&apos;s commands config, render, report and print; run them through zedactl</source>
        <translation>zedactl-draw: bedient die Befehle config, render, report und print von zedactl; rufen Sie sie über zedactl auf</translation>
    </message>
    <message>
        <source>The CSV file to write.</source>
        <translation>Die zu schreibende CSV-Datei.</translation>
    </message>
    <message>
        <source>The PDF file to write.</source>
        <translation>Die zu schreibende PDF-Datei.</translation>
    </message>
    <message>
        <source>The PNG file to write.</source>
        <translation>Die zu schreibende PNG-Datei.</translation>
    </message>
    <message>
        <source>Keep the layout&apos;s millimetres instead of fitting the page&apos;s printable width.</source>
        <translation>Die Millimeter des Layouts beibehalten, statt auf die druckbare Breite der Seite einzupassen.</translation>
    </message>
    <message>
        <source>list or edit the exception descriptions</source>
        <translation>die Ausnahmebeschreibungen auflisten oder bearbeiten</translation>
    </message>
    <message>
        <source>zedactl exceptions: the list holds no description to change</source>
        <translation>zedactl exceptions: die Liste enthält keine Beschreibung, die geändert werden könnte</translation>
    </message>
    <message>
        <source>zedactl exceptions: --set N needs the new TEXT</source>
        <translation>zedactl exceptions: --set N braucht den neuen TEXT</translation>
    </message>
    <message>
        <source>Lists or edits the exception descriptions of AUSNAHME.LST, which fill the exception menu: at most 30, each at most 70 characters; a description starting with &quot;!&quot; sets note-only periods, and its first four characters are the code a period carries.</source>
        <translation>Zeigt oder bearbeitet die Ausnahmebeschreibungen in AUSNAHME.LST, die das Ausnahmemenü füllen: höchstens 30, jede höchstens 70 Zeichen lang; eine Beschreibung, die mit &quot;!&quot; beginnt, setzt Zeiträume, die nur Hinweis sind, und ihre ersten vier Zeichen sind der Code, den ein Zeitraum trägt.</translation>
    </message>
    <message>
        <source>Print the descriptions, one a line, in menu order.</source>
        <translation>Die Beschreibungen ausgeben, eine je Zeile, in der Reihenfolge des Menüs.</translation>
    </message>
    <message>
        <source>Append a description.</source>
        <translation>Eine Beschreibung anhängen.</translation>
    </message>
    <message>
        <source>Replace description N (counting from 1) by TEXT.</source>
        <translation>Beschreibung N (ab 1 gezählt) durch TEXT ersetzen.</translation>
    </message>
    <message>
        <source>Remove description N (counting from 1).</source>
        <translation>Beschreibung N (ab 1 gezählt) entfernen.</translation>
    </message>
    <message>
        <source>With --add or --set: a note-only description (&quot;!&quot;).</source>
        <translation>Mit --add oder --set: eine Beschreibung, die nur Hinweis ist (&quot;!&quot;).</translation>
    </message>
    <message>
        <source>The new text of --set.</source>
        <translation>Der neue Text für --set.</translation>
    </message>
    <message>
        <source>zedactl exceptions: needs one of --list, --add TEXT, --set N TEXT, --delete N</source>
        <translation>zedactl exceptions: braucht eine der Optionen --list, --add TEXT, --set N TEXT, --delete N</translation>
    </message>
    <message>
        <source>Prints the figures of the minutes between two marks of a month file as JSON: per channel the values at both ends, their difference, minimum, maximum, mean and standard deviation in the channel&apos;s units. Minutes of ordinary exception periods and empty minutes are left out and counted as withoutData, values beyond the channel&apos;s limits are left out and counted as beyondLimits. Without --channels the channels in use are listed.</source>
        <translation>Gibt die Kennzahlen der Minuten zwischen zwei Marken einer Monatsdatei als JSON aus: je Kanal die Werte an beiden Enden, ihre Differenz, Minimum, Maximum, Mittelwert und Standardabweichung in den Einheiten des Kanals. Minuten gewöhnlicher Ausnahmezeiträume und leere Minuten bleiben außen vor und werden als withoutData gezählt, Werte außerhalb der Grenzen des Kanals bleiben außen vor und werden als beyondLimits gezählt. Ohne --channels werden die benutzten Kanäle aufgeführt.</translation>
    </message>
    <message>
        <source>Runs the acquisition cycle against the unit the INI file names and stores its records into the month files of DIR, until the unit has had nothing for --idle seconds; prints the number of records stored. Ends with status 1 when the unit was never reached or did not answer at the end. With --follow it runs as the service of DIR until SIGTERM or SIGINT, publishing when [MQTT] Enabled=1.</source>
        <translation>Lässt den Erfassungszyklus mit dem Gerät laufen, das die INI-Datei nennt, und speichert seine Datensätze in die Monatsdateien von VERZ, bis das Gerät --idle Sekunden lang nichts hatte; gibt die Zahl der gespeicherten Datensätze aus. Endet mit Status 1, wenn das Gerät nie erreicht wurde oder am Ende nicht antwortete. Mit --follow läuft er als Dienst von VERZ bis SIGTERM oder SIGINT und veröffentlicht, wenn [MQTT] Enabled=1.</translation>
    </message>
    <message>
        <source>Keep acquiring until SIGTERM or SIGINT.</source>
        <translation>Erfasst weiter bis SIGTERM oder SIGINT.</translation>
    </message>
    <message>
        <source>With --follow: milliseconds of one tick of the pacing (default 5000; a cycle every 1 or 11 ticks).</source>
        <translation>Mit --follow: Millisekunden je Takt (Vorgabe 5000; ein Zyklus alle 1 oder 11 Takte).</translation>
    </message>
    <message>
        <source>zedactl alarms %1: needs CH (1 .. 14)</source>
        <translation>zedactl alarms %1: braucht CH (1 .. 14)</translation>
    </message>
    <message>
        <source>zedactl alarms set: --latched and --unlatched exclude each other</source>
        <translation>zedactl alarms set: --latched und --unlatched schließen einander aus</translation>
    </message>
    <message>
        <source>zedactl alarms %1: times are &quot;YYYY-MM-DD HH:MM&quot;</source>
        <translation>zedactl alarms %1: Zeiten sind &quot;JJJJ-MM-TT HH:MM&quot;</translation>
    </message>
    <message>
        <source>zedactl alarms evaluate: needs one FILE</source>
        <translation>zedactl alarms evaluate: braucht eine DATEI</translation>
    </message>
    <message>
        <source>With set: the %1 limit, in the channel&apos;s units (empty: none).</source>
        <translation>Mit set: die Grenze %1 in den Einheiten des Kanals (leer: keine).</translation>
    </message>
    <message>
        <source>With set: how far back inside a value must be to clear.</source>
        <translation>Mit set: wie weit ein Wert zurück sein muss, damit der Alarm endet.</translation>
    </message>
    <message>
        <source>With set: minutes with data beyond a limit before it raises (0 .. 1440).</source>
        <translation>Mit set: Minuten mit Daten jenseits einer Grenze, bevor sie auslöst (0 .. 1440).</translation>
    </message>
    <message>
        <source>With set: alarms stay until acknowledged.</source>
        <translation>Mit set: Alarme bleiben bis zur Quittierung.</translation>
    </message>
    <message>
        <source>With set: alarms end when they clear.</source>
        <translation>Mit set: Alarme enden, sobald der Wert zurück ist.</translation>
    </message>
    <message>
        <source>With log: only the alarms still active.</source>
        <translation>Mit log: nur die noch aktiven Alarme.</translation>
    </message>
    <message>
        <source>With log: one JSON object a line, as logged.</source>
        <translation>Mit log: ein JSON-Objekt je Zeile, wie protokolliert.</translation>
    </message>
    <message>
        <source>With evaluate: append what it finds to the alarm log.</source>
        <translation>Mit evaluate: das Gefundene an das Alarmprotokoll anhängen.</translation>
    </message>
    <message>
        <source>set CH, clear CH, list, evaluate FILE or log.</source>
        <translation>set CH, clear CH, list, evaluate DATEI oder log.</translation>
    </message>
    <message>
        <source>Sets, clears and lists the alarm limits of the channels (INI section [Alarms]), runs the alarm rule over a month file&apos;s minutes (printing what it would log) and prints the alarm log alarms.log of the data directory.</source>
        <translation>Setzt, löscht und listet die Alarmgrenzen der Kanäle (INI-Abschnitt [Alarms]), wendet die Alarmregel auf die Minuten einer Monatsdatei an (und gibt aus, was sie protokollieren würde) und gibt das Alarmprotokoll alarms.log des Datenverzeichnisses aus.</translation>
    </message>
    <message>
        <source>zedactl alarms: needs one of set CH, clear CH, list, evaluate FILE, log</source>
        <translation>zedactl alarms: braucht eines von set CH, clear CH, list, evaluate DATEI, log</translation>
    </message>
    <message>
        <source>zeda (default: &quot;;&quot;, decimal comma, Windows-1252), excel-de, excel-en or rfc4180 (UTF-8, empty cells where no value is).</source>
        <translation>zeda (Vorgabe: &quot;;&quot;, Dezimalkomma, Windows-1252), excel-de, excel-en oder rfc4180 (UTF-8, leere Zellen, wo kein Wert ist).</translation>
    </message>
    <message>
        <source>A column after each value that says why it is empty (not with the zeda dialect).</source>
        <translation>Nach jedem Wert eine Spalte, die sagt, warum er leer ist (nicht mit dem Dialekt zeda).</translation>
    </message>
    <message>
        <source>zedactl export: --dialect is zeda, excel-de, excel-en or rfc4180</source>
        <translation>zedactl export: --dialect ist zeda, excel-de, excel-en oder rfc4180</translation>
    </message>
    <message>
        <source>zedactl export: --state needs --dialect excel-de, excel-en or rfc4180</source>
        <translation>zedactl export: --state braucht --dialect excel-de, excel-en oder rfc4180</translation>
    </message>
    <message>
        <source>zedactl export: the file has no channel in use; name some with --channels</source>
        <translation>zedactl export: Die Datei hat keinen benutzten Kanal; nennen Sie welche mit --channels</translation>
    </message>
    <message>
        <source>zedactl print: no printer is chosen; printers are chosen in the program under Admin &gt; Printers... (the INI keys Druck1, Druck2 and Druckparameter)</source>
        <translation>zedactl print: Es ist kein Drucker gewählt; die Drucker werden im Programm unter Verwaltung &gt; Drucker... gewählt (INI-Schlüssel Druck1, Druck2 und Druckparameter)</translation>
    </message>
    <message>
        <source>Prints the location of the installation, or changes it with --set; the month files take it into their headers when they are created.</source>
        <translation>Gibt den Betriebsort der Anlage aus oder ändert ihn mit --set; Monatsdateien übernehmen ihn beim Anlegen in ihren Kopf.</translation>
    </message>
    <message>
        <source>The new location.</source>
        <translation>Der neue Betriebsort.</translation>
    </message>
    <message>
        <source>The location holds at most %1 characters.</source>
        <translation>Der Betriebsort hat höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>Talks to the unit the INI file names: detect (search the ports), info (firmware, clock, waiting records), values (the channels&apos; raw values), set-clock &quot;YYYY-MM-DD HH:MM:SS&quot;, ports (the four ports and the serial devices present).</source>
        <translation>Spricht mit dem Gerät, das die INI-Datei nennt: detect (die Schnittstellen durchsuchen), info (Firmware, Uhr, wartende Datensätze), values (die Rohwerte der Kanäle), set-clock &quot;JJJJ-MM-TT HH:MM:SS&quot;, ports (die vier Schnittstellen und die vorhandenen seriellen Geräte).</translation>
    </message>
    <message>
        <source>detect, info, values, set-clock or ports.</source>
        <translation>detect, info, values, set-clock oder ports.</translation>
    </message>
    <message>
        <source>zedactl unit: needs detect, info, values, set-clock TIME or ports</source>
        <translation>zedactl unit: braucht detect, info, values, set-clock ZEIT oder ports</translation>
    </message>
    <message>
        <source>zedactl-publish: serves zedactl&apos;s commands publish and acquire; run it through zedactl</source>
        <translation>zedactl-publish bedient die Befehle publish und acquire von zedactl; über zedactl aufrufen.</translation>
    </message>
    <message>
        <source>set and list alarm limits, evaluate a month, read the alarm log</source>
        <translation>Alarmgrenzen setzen und listen, einen Monat auswerten, das Alarmprotokoll lesen</translation>
    </message>
    <message>
        <source>show or change the location</source>
        <translation>Betriebsort anzeigen oder ändern</translation>
    </message>
    <message>
        <source>records stored: %1
</source>
        <translation>gespeicherte Datensätze: %1
</translation>
    </message>
    <message>
        <source>created: %1
</source>
        <translation>angelegt: %1
</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>publish: %1 minutes sent, acknowledged up to %2
</source>
        <translation>publish: %1 Minuten gesendet, bestätigt bis %2
</translation>
    </message>
    <message>
        <source>Firmware-Release: %1
System time: %2
Channels: %3
</source>
        <translation>Firmware-Version: %1
Geräteuhr: %2
Wartende Datensätze: %3
</translation>
    </message>
    <message>
        <source>Channel %1: %2  %3
</source>
        <translation>Kanal %1: %2  %3
</translation>
    </message>
    <message>
        <source>Usage: zedactl [--data-dir DIR] [--language en|de|source] [--verbose] CMD [ARGS]</source>
        <translation>Aufruf: zedactl [--data-dir VERZ] [--language en|de|source] [--verbose] BEFEHL [ARGUMENTE]</translation>
    </message>
    <message>
        <source>Try &apos;zedactl --help&apos; for the commands.</source>
        <translation>&apos;zedactl --help&apos; zeigt die Befehle.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>&apos;zedactl CMD --help&apos; describes the options of a command; &apos;zedactl --version&apos; prints the version. --language may stand before or after the command. --verbose also prints what a successful command did (as does ZEDACTL_VERBOSE=1); warnings and errors are always printed.</source>
        <translation>&apos;zedactl BEFEHL --help&apos; beschreibt die Optionen eines Befehls; &apos;zedactl --version&apos; zeigt die Version. --language darf vor oder nach dem Befehl stehen. --verbose meldet auch, was ein erfolgreicher Befehl getan hat (wie ZEDACTL_VERBOSE=1); Warnungen und Fehler werden immer gemeldet.</translation>
    </message>
    <message>
        <source>zedactl %1: cannot run %2: %3</source>
        <translation>zedactl %1: %2 kann nicht gestartet werden: %3</translation>
    </message>
    <message>
        <source>zedactl %1: %2 is not installed beside zedactl</source>
        <translation>zedactl %1: %2 ist nicht neben zedactl installiert</translation>
    </message>
</context>
</TS>
