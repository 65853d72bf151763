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
        <source>Now there is no connection with system</source>
        <translation>Es besteht keine Verbindung</translation>
    </message>
    <message>
        <source> of the account of the data!</source>
        <translation> zum Erfassungsgerät.</translation>
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
    <name>Foutput</name>
    <message>
        <source>Error - File %1 is a month file and is not overwritten!</source>
        <translation>Die Datei %1 ist eine Monatsdatei und wird nicht überschrieben.</translation>
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
    <name>TfmMain</name>
    <message>
        <source>Publishing (MQTT)...</source>
        <translation>Veröffentlichen (MQTT)...</translation>
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
        <source>Error - The port is a number from 1 to 65535!</source>
        <translation>Der Port ist eine Zahl von 1 bis 65535.</translation>
    </message>
    <message>
        <source>Error - A topic to publish to cannot hold &quot;+&quot; or &quot;#&quot;!</source>
        <translation>Ein Topic zum Veröffentlichen darf weder &quot;+&quot; noch &quot;#&quot; enthalten.</translation>
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
        <source>Usage: zedactl [--language en|de|source] COMMAND [OPTIONS]

Commands:
</source>
        <translation>Aufruf: zedactl [--language en|de|source] BEFEHL [OPTIONEN]

Befehle:
</translation>
    </message>
    <message>
        <source>
&apos;zedactl COMMAND --help&apos; describes the options of a command; &apos;zedactl --version&apos; prints the version. --language may stand before or after the command.
</source>
        <translation>
&apos;zedactl BEFEHL --help&apos; beschreibt die Optionen eines Befehls; &apos;zedactl --version&apos; gibt die Version aus. --language darf vor oder nach dem Befehl stehen.
</translation>
    </message>
    <message>
        <source>zedactl: unknown command &apos;%1&apos;</source>
        <translation>zedactl: unbekannter Befehl &apos;%1&apos;</translation>
    </message>
</context>
</TS>
