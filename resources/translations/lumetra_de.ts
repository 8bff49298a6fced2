<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>COM port the meter is connected to</source>
        <translation>COM-Port, an dem das Messgerät angeschlossen ist</translation>
    </message>
    <message>
        <source>Device status</source>
        <translation>Gerätestatus</translation>
    </message>
    <message>
        <source>Whether the port to the meter is connected</source>
        <translation>Ob der Anschluss zum Messgerät verbunden ist</translation>
    </message>
    <message>
        <source>Record list</source>
        <translation>Messungsliste</translation>
    </message>
    <message>
        <source>Records received from the meter or opened</source>
        <translation>Vom Messgerät empfangene oder geöffnete Messungen</translation>
    </message>
    <message>
        <source>Records received from the meter or opened; the selected one is shown in the test report</source>
        <translation>Vom Messgerät empfangene oder geöffnete Messungen; die gewählte steht im Prüfbericht</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Company name printed on the report</source>
        <translation>Firmenname im Bericht</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Prüfer</translation>
    </message>
    <message>
        <source>Operator&apos;s name printed on the report</source>
        <translation>Name des Prüfers im Bericht</translation>
    </message>
    <message>
        <source>Test device</source>
        <translation>Prüfgerät</translation>
    </message>
    <message>
        <source>Test device printed on the report</source>
        <translation>Prüfgerät im Bericht</translation>
    </message>
    <message>
        <source>Test date</source>
        <translation>Prüfdatum</translation>
    </message>
    <message>
        <source>Test date printed on the report</source>
        <translation>Prüfdatum im Bericht</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Serial number printed on the report</source>
        <translation>Seriennummer im Bericht</translation>
    </message>
    <message>
        <source>Export time</source>
        <translation>Exportzeit</translation>
    </message>
    <message>
        <source>When the meter exported the record</source>
        <translation>Zeitpunkt, zu dem das Messgerät die Messung exportiert hat</translation>
    </message>
    <message>
        <source>Record number</source>
        <translation>Mess-Nr.</translation>
    </message>
    <message>
        <source>The record&apos;s number in the meter</source>
        <translation>Nummer der Messung im Messgerät</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarität</translation>
    </message>
    <message>
        <source>Polarity of the MPO cable</source>
        <translation>Polarität des MPO-Kabels</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Bemerkung</translation>
    </message>
    <message>
        <source>Note printed on the report</source>
        <translation>Bemerkung im Bericht</translation>
    </message>
    <message>
        <source>Fibers</source>
        <translation>Fasern</translation>
    </message>
    <message>
        <source>Wavelength, power, loss, threshold and verdict of each fiber</source>
        <translation>Wellenlänge, Leistung, Dämpfung, Grenzwert und Ergebnis jeder Faser</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Shows only the records received on or after the date beside it</source>
        <translation>Zeigt nur Messungen, die am Datum daneben oder später empfangen wurden</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Datum von</translation>
    </message>
    <message>
        <source>First day of the records shown</source>
        <translation>Erster Tag der angezeigten Messungen</translation>
    </message>
    <message>
        <source>Shows only the records received on or before the date beside it</source>
        <translation>Zeigt nur Messungen, die am Datum daneben oder früher empfangen wurden</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Datum bis</translation>
    </message>
    <message>
        <source>Last day of the records shown</source>
        <translation>Letzter Tag der angezeigten Messungen</translation>
    </message>
    <message>
        <source>Stored records</source>
        <translation>Gespeicherte Messungen</translation>
    </message>
    <message>
        <source>Every record received or opened before, newest first</source>
        <translation>Alle früher empfangenen oder geöffneten Messungen, neueste zuerst</translation>
    </message>
    <message>
        <source>Lists the selected records in the window</source>
        <translation>Übernimmt die gewählten Messungen in die Messungsliste</translation>
    </message>
    <message>
        <source>Closes the History window</source>
        <translation>Schließt das Verlaufsfenster</translation>
    </message>
    <message>
        <source>Cable ID</source>
        <translation>Kabel-ID</translation>
    </message>
    <message>
        <source>The label of the trunk the record measured, as its job names it</source>
        <translation>Die Beschriftung des gemessenen Trunks, wie der Auftrag ihn nennt</translation>
    </message>
    <message>
        <source>Shows only the records whose company, operator, note, record number or cable ID contain this text</source>
        <translation>Zeigt nur die Messungen, deren Firma, Prüfer, Bemerkung, Mess-Nr. oder Kabel-ID diesen Text enthält</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <source>Shows only the records of this job</source>
        <translation>Zeigt nur die Messungen dieses Auftrags</translation>
    </message>
    <message>
        <source>The job shown, of the jobs of the records store</source>
        <translation>Der angezeigte Auftrag, aus den Aufträgen der Messdatenbank</translation>
    </message>
    <message>
        <source>Cable IDs</source>
        <translation>Kabel-IDs</translation>
    </message>
    <message>
        <source>The job&apos;s cable IDs in order, each with its state, record, when it was tested and its smallest margin</source>
        <translation>Die Kabel-IDs des Auftrags in ihrer Reihenfolge, jede mit Status, Messung, Prüfzeit und kleinster Reserve</translation>
    </message>
    <message>
        <source>Unplanned records</source>
        <translation>Ungeplante Messungen</translation>
    </message>
    <message>
        <source>Records of the job that arrived when no cable ID was free</source>
        <translation>Messungen des Auftrags, die ankamen, als keine Kabel-ID frei war</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>The job&apos;s customer</source>
        <translation>Der Kunde des Auftrags</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Where the job is</source>
        <translation>Wo der Auftrag ausgeführt wird</translation>
    </message>
    <message>
        <source>Contractor</source>
        <translation>Auftragnehmer</translation>
    </message>
    <message>
        <source>Who does the job</source>
        <translation>Wer den Auftrag ausführt</translation>
    </message>
    <message>
        <source>A note on the job</source>
        <translation>Eine Bemerkung zum Auftrag</translation>
    </message>
    <message>
        <source>New cable IDs</source>
        <translation>Neue Kabel-IDs</translation>
    </message>
    <message>
        <source>Cable IDs to add, one a line</source>
        <translation>Hinzuzufügende Kabel-IDs, eine pro Zeile</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>Cable IDs to add as a pattern, ranges in braces, for example A{1..4}-B{01..12}</source>
        <translation>Hinzuzufügende Kabel-IDs als Muster, Bereiche in geschweiften Klammern, zum Beispiel A{1..4}-B{01..12}</translation>
    </message>
    <message>
        <source>The text set on the records when its box is checked</source>
        <translation>Der Text, der auf die Messungen gesetzt wird, wenn sein Kästchen angekreuzt ist</translation>
    </message>
    <message>
        <source>Records received from now on take this job&apos;s cable IDs, from the selected one on</source>
        <translation>Ab jetzt empfangene Messungen erhalten die Kabel-IDs dieses Auftrags, ab der ausgewählten</translation>
    </message>
    <message>
        <source>Closes the Jobs window</source>
        <translation>Schließt das Auftragsfenster</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>The contractor&apos;s logo, shown on page 1 of the job report</source>
        <translation>Das Logo des Auftragnehmers, auf Seite 1 des Auftragsberichts</translation>
    </message>
</context>
<context>
    <name>CableIdImport</name>
    <message>
        <source>The file is UTF-16 text cut short in the middle of a character.</source>
        <translation>Die Datei ist UTF-16-Text und endet mitten in einem Zeichen.</translation>
    </message>
    <message>
        <source>Line %1: a quote opened there is never closed.</source>
        <translation>Zeile %1: Ein dort geöffnetes Anführungszeichen wird nie geschlossen.</translation>
    </message>
</context>
<context>
    <name>CableIdList</name>
    <message>
        <source>A cable ID cannot be empty.</source>
        <translation>Eine Kabel-ID darf nicht leer sein.</translation>
    </message>
    <message>
        <source>The cable ID %1 is longer than 64 characters.</source>
        <translation>Die Kabel-ID %1 ist länger als 64 Zeichen.</translation>
    </message>
    <message>
        <source>The cable ID %1 holds a control character.</source>
        <translation>Die Kabel-ID %1 enthält ein Steuerzeichen.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 und %n weitere</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Nothing was added: these cable IDs are listed twice or are already in the job: %1.</source>
        <translation>Nichts wurde hinzugefügt: Diese Kabel-IDs stehen doppelt in der Liste oder sind schon im Auftrag: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was added: the job would hold %n cable IDs, and a job holds at most 100,000.</source>
        <translation>
            <numerusform>Nichts wurde hinzugefügt: Der Auftrag hätte %n Kabel-ID, und ein Auftrag fasst höchstens 100.000.</numerusform>
            <numerusform>Nichts wurde hinzugefügt: Der Auftrag hätte %n Kabel-IDs, und ein Auftrag fasst höchstens 100.000.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CableIdPattern</name>
    <message>
        <source>The pattern has a } without its {; write }} for a brace in an ID.</source>
        <translation>Das Muster enthält eine } ohne ihre {; für eine geschweifte Klammer in einer ID }} schreiben.</translation>
    </message>
    <message>
        <source>The pattern has a { without its }; write {{ for a brace in an ID.</source>
        <translation>Das Muster enthält eine { ohne ihre }; für eine geschweifte Klammer in einer ID {{ schreiben.</translation>
    </message>
    <message>
        <source>{%1} is not a range: write one as {1..24}, {01..24}, {12..1} or {A..H}.</source>
        <translation>{%1} ist kein Bereich: Bereiche als {1..24}, {01..24}, {12..1} oder {A..H} schreiben.</translation>
    </message>
    <message>
        <source>The pattern makes more than 10,000 cable IDs, the most one pattern may make.</source>
        <translation>Das Muster ergibt mehr als 10.000 Kabel-IDs, mehr als ein Muster ergeben darf.</translation>
    </message>
</context>
<context>
    <name>CertificationReport</name>
    <message>
        <source>Certification Report</source>
        <translation>Abnahmebericht</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>das PDF konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Loss per fiber (dB)</source>
        <translation>Dämpfung je Faser (dB)</translation>
    </message>
    <message>
        <source>threshold %1 dB</source>
        <translation>Grenzwert %1 dB</translation>
    </message>
    <message>
        <source>Fiber</source>
        <translation>Faser</translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation>Wellenlänge (nm)</translation>
    </message>
    <message>
        <source>Power (dBm)</source>
        <translation>Leistung (dBm)</translation>
    </message>
    <message>
        <source>Loss (dB)</source>
        <translation>Dämpfung (dB)</translation>
    </message>
    <message>
        <source>Threshold (dB)</source>
        <translation>Grenzwert (dB)</translation>
    </message>
    <message>
        <source>Margin (dB)</source>
        <translation>Reserve (dB)</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>Messung %1</translation>
    </message>
    <message>
        <source>PASS %1, FAIL %2, --- %3</source>
        <translation>PASS %1, FAIL %2, --- %3</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Prüfer</translation>
    </message>
    <message>
        <source>Test device</source>
        <translation>Prüfgerät</translation>
    </message>
    <message>
        <source>Test date</source>
        <translation>Prüfdatum</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Export time</source>
        <translation>Exportzeit</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarität</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Wellenlänge</translation>
    </message>
    <message>
        <source>%1 nm</source>
        <translation>%1 nm</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Grenzwert</translation>
    </message>
    <message>
        <source>%1 dB</source>
        <translation>%1 dB</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Bemerkung</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Messung</translation>
    </message>
    <message>
        <source>Worst loss (dB)</source>
        <translation>Dämpfung max. (dB)</translation>
    </message>
    <message>
        <source>Smallest margin (dB)</source>
        <translation>Kleinste Reserve (dB)</translation>
    </message>
    <message>
        <source>Passed</source>
        <translation>PASS</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>FAIL</translation>
    </message>
    <message>
        <source>Overall verdict</source>
        <translation>Gesamtergebnis</translation>
    </message>
    <message>
        <source>no fiber has a verdict</source>
        <translation>keine Faser hat ein Ergebnis</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Export times</source>
        <translation>Exportzeiten</translation>
    </message>
    <message>
        <source>%1 dB, record %2, fiber %3</source>
        <translation>%1 dB, Messung %2, Faser %3</translation>
    </message>
    <message>
        <source>Smallest margin</source>
        <translation>Kleinste Reserve</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Messungen</translation>
    </message>
    <message>
        <source>Fibers</source>
        <translation>Fasern</translation>
    </message>
    <message>
        <source>Record %1 (continued)</source>
        <translation>Messung %1 (Fortsetzung)</translation>
    </message>
    <message>
        <source>No reading</source>
        <translation>Kein Messwert</translation>
    </message>
    <message>
        <source>A fiber without a reading has no margin; its verdict is counted as the window shows it.</source>
        <translation>Eine Faser ohne Messwert hat keine Reserve; ihr Ergebnis zählt so, wie das Fenster es zeigt.</translation>
    </message>
    <message>
        <source>IDs planned</source>
        <translation>Geplante IDs</translation>
    </message>
    <message>
        <source>Tested</source>
        <translation>Geprüft</translation>
    </message>
    <message>
        <source>No verdict</source>
        <translation>Kein Ergebnis</translation>
    </message>
    <message>
        <source>Not tested</source>
        <translation>Nicht geprüft</translation>
    </message>
    <message>
        <source>Retested</source>
        <translation>Nachgemessen</translation>
    </message>
    <message>
        <source>Unplanned records</source>
        <translation>Ungeplante Messungen</translation>
    </message>
    <message>
        <source>Suspect IDs</source>
        <translation>Zweifelhafte IDs</translation>
    </message>
    <message>
        <source>Job verdict</source>
        <translation>Auftragsergebnis</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Contractor</source>
        <translation>Auftragnehmer</translation>
    </message>
    <message>
        <source>First test</source>
        <translation>Erste Prüfung</translation>
    </message>
    <message>
        <source>Last test</source>
        <translation>Letzte Prüfung</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Prüfer</translation>
    </message>
    <message>
        <source>Test devices</source>
        <translation>Prüfgeräte</translation>
    </message>
    <message>
        <source>%1 dB, %2, fiber %3</source>
        <translation>%1 dB, %2, Faser %3</translation>
    </message>
    <message>
        <source>Suspect readings are advice, and the verdicts stand as measured: the table of cable IDs names them, and each ID&apos;s section says more.</source>
        <translation>Zweifelhafte Messwerte sind ein Hinweis, die Ergebnisse gelten wie gemessen: Die Tabelle der Kabel-IDs nennt sie, der Abschnitt jeder ID sagt mehr.</translation>
    </message>
    <message>
        <source>Cable ID</source>
        <translation>Kabel-ID</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Largest loss (dB)</source>
        <translation>Größte Dämpfung (dB)</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Cable IDs</source>
        <translation>Kabel-IDs</translation>
    </message>
    <message>
        <source>Superseded tests</source>
        <translation>Ersetzte Prüfungen</translation>
    </message>
    <message>
        <source>not tested</source>
        <translation>nicht geprüft</translation>
    </message>
    <message>
        <source>Job Report</source>
        <translation>Auftragsbericht</translation>
    </message>
    <message>
        <source>serial number %1</source>
        <translation>Seriennummer %1</translation>
    </message>
    <message>
        <source>%1 (serial number %2)</source>
        <translation>%1 (Seriennummer %2)</translation>
    </message>
    <message>
        <source>INCOMPLETE</source>
        <translation>UNVOLLSTÄNDIG</translation>
    </message>
    <message>
        <source>the latest test of every planned cable ID passes</source>
        <translation>die letzte Prüfung jeder geplanten Kabel-ID ist bestanden</translation>
    </message>
    <message>
        <source>the latest test of a planned cable ID fails</source>
        <translation>die letzte Prüfung einer geplanten Kabel-ID ist nicht bestanden</translation>
    </message>
    <message>
        <source>the job has no cable IDs</source>
        <translation>der Auftrag hat keine Kabel-IDs</translation>
    </message>
    <message>
        <source>planned cable IDs are not tested</source>
        <translation>geplante Kabel-IDs sind nicht geprüft</translation>
    </message>
    <message>
        <source>a latest test has no verdict</source>
        <translation>eine letzte Prüfung hat kein Ergebnis</translation>
    </message>
    <message numerus="yes">
        <source>retested ×%n</source>
        <translation>
            <numerusform>nachgemessen ×%n</numerusform>
            <numerusform>nachgemessen ×%n</numerusform>
        </translation>
    </message>
    <message>
        <source>marked for a retest</source>
        <translation>für eine Nachmessung markiert</translation>
    </message>
    <message>
        <source>Trunks</source>
        <translation>Trunks</translation>
    </message>
    <message>
        <source>unplanned record</source>
        <translation>ungeplante Messung</translation>
    </message>
    <message>
        <source>no temporary file could be made in %1</source>
        <translation>in %1 konnte keine temporäre Datei angelegt werden</translation>
    </message>
    <message>
        <source>the workbook could not be started</source>
        <translation>die Arbeitsmappe konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Suspect readings in record %1 (marked !): see its section. The verdicts stand as measured.</source>
        <translation>Zweifelhafte Messwerte in Messung %1 (mit ! markiert): siehe ihren Abschnitt. Die Ergebnisse gelten wie gemessen.</translation>
    </message>
    <message>
        <source>Suspect readings in records %1 (marked !): see their sections. The verdicts stand as measured.</source>
        <translation>Zweifelhafte Messwerte in den Messungen %1 (mit ! markiert): siehe ihre Abschnitte. Die Ergebnisse gelten wie gemessen.</translation>
    </message>
    <message>
        <source>Fiber %1: %2</source>
        <translation>Faser %1: %2</translation>
    </message>
    <message>
        <source>Fibers %1: %2</source>
        <translation>Fasern %1: %2</translation>
    </message>
    <message>
        <source>Negative loss, fiber %1</source>
        <translation>Negative Dämpfung, Faser %1</translation>
    </message>
    <message numerus="yes">
        <source>Negative loss, %n fibers</source>
        <translation>
            <numerusform>Negative Dämpfung, %n Faser</numerusform>
            <numerusform>Negative Dämpfung, %n Fasern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n fibers with a verdict pass</source>
        <translation>
            <numerusform>%1 von %n Faser mit Ergebnis bestanden</numerusform>
            <numerusform>%1 von %n Fasern mit Ergebnis bestanden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CertificationSummary</name>
    <message>
        <source>several</source>
        <translation>mehrere</translation>
    </message>
</context>
<context>
    <name>ConfigRun</name>
    <message>
        <source>Device Status</source>
        <translation>Gerätestatus</translation>
    </message>
    <message>
        <source>Record List</source>
        <translation>Messungsliste</translation>
    </message>
    <message>
        <source>  Device Status : </source>
        <translation>  Gerätestatus: </translation>
    </message>
    <message>
        <source>  MPO Port COM : </source>
        <translation>  MPO-COM-Port: </translation>
    </message>
    <message>
        <source>SELECT</source>
        <translation>WÄHLEN</translation>
    </message>
    <message>
        <source>CONNECTED</source>
        <translation>VERBUNDEN</translation>
    </message>
    <message>
        <source>DISCONNECTED</source>
        <translation>GETRENNT</translation>
    </message>
    <message>
        <source>Please Connect the Cable and Select a Port for Communication</source>
        <translation>Bitte das Datenkabel des Messgeräts anschließen und einen Anschluss für die Verbindung wählen.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Company, operator, note, record number...</source>
        <translation>Firma, Prüfer, Bemerkung, Mess-Nr. ...</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>The newest %L1 records that match are shown: narrow the search or the dates to find older ones.</source>
        <translation>Die neuesten %L1 passenden Messungen werden angezeigt: Suche oder Zeitraum eingrenzen, um ältere zu finden.</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Suche:</translation>
    </message>
    <message>
        <source>The records store cannot be read: %1</source>
        <translation>Die Messdatenbank kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Reading the records store…</source>
        <translation>Messdatenbank wird gelesen…</translation>
    </message>
    <message>
        <source>All jobs</source>
        <translation>Alle Aufträge</translation>
    </message>
    <message>
        <source>Job:</source>
        <translation>Auftrag:</translation>
    </message>
</context>
<context>
    <name>IODeviceLinux</name>
    <message>
        <source>No permission to open %1: join the group %2 (sudo usermod -aG %2 $USER), then log in again.</source>
        <translation>Keine Berechtigung für %1: der Gruppe %2 beitreten (sudo usermod -aG %2 $USER) und neu anmelden.</translation>
    </message>
</context>
<context>
    <name>JobFacts</name>
    <message>
        <source>A job needs a name.</source>
        <translation>Ein Auftrag braucht einen Namen.</translation>
    </message>
    <message>
        <source>A job&apos;s name is at most 200 characters long.</source>
        <translation>Der Name eines Auftrags hat höchstens 200 Zeichen.</translation>
    </message>
    <message>
        <source>A job&apos;s name cannot hold a control character.</source>
        <translation>Der Name eines Auftrags darf kein Steuerzeichen enthalten.</translation>
    </message>
</context>
<context>
    <name>JobLogo</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is larger than 1 MB: choose a smaller logo.</source>
        <translation>%1 ist größer als 1 MB: Wählen Sie ein kleineres Logo.</translation>
    </message>
    <message>
        <source>the logo is larger than 1 MB</source>
        <translation>das Logo ist größer als 1 MB</translation>
    </message>
    <message>
        <source>this is not a PNG or JPEG picture</source>
        <translation>dies ist kein PNG- oder JPEG-Bild</translation>
    </message>
    <message>
        <source>the picture is larger than 4096 × 4096 pixels</source>
        <translation>das Bild ist größer als 4096 × 4096 Pixel</translation>
    </message>
    <message>
        <source>the picture is damaged: %1</source>
        <translation>das Bild ist beschädigt: %1</translation>
    </message>
</context>
<context>
    <name>JobStatus</name>
    <message numerus="yes">
        <source>%1 of %n tested</source>
        <translation>
            <numerusform>%1 von %n geprüft</numerusform>
            <numerusform>%1 von %n geprüft</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n PASS</source>
        <translation>
            <numerusform>%n PASS</numerusform>
            <numerusform>%n PASS</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n FAIL</source>
        <translation>
            <numerusform>%n FAIL</numerusform>
            <numerusform>%n FAIL</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n untested</source>
        <translation>
            <numerusform>%n nicht geprüft</numerusform>
            <numerusform>%n nicht geprüft</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without a verdict</source>
        <translation>
            <numerusform>%n ohne Ergebnis</numerusform>
            <numerusform>%n ohne Ergebnis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n marked for a retest</source>
        <translation>
            <numerusform>%n für eine Nachmessung markiert</numerusform>
            <numerusform>%n für eine Nachmessung markiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unplanned</source>
        <translation>
            <numerusform>%n ungeplant</numerusform>
            <numerusform>%n ungeplant</numerusform>
        </translation>
    </message>
    <message>
        <source>untested</source>
        <translation>nicht geprüft</translation>
    </message>
    <message>
        <source>no verdict</source>
        <translation>kein Ergebnis</translation>
    </message>
</context>
<context>
    <name>JobStatusModel</name>
    <message>
        <source>Cable ID</source>
        <translation>Kabel-ID</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Mess-Nr.</translation>
    </message>
    <message>
        <source>Tested</source>
        <translation>Geprüft am</translation>
    </message>
    <message>
        <source>Smallest Margin</source>
        <translation>Kleinste Reserve</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Messungen</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>retested</source>
        <translation>nachgemessen</translation>
    </message>
    <message>
        <source>retest marked</source>
        <translation>für Nachmessung markiert</translation>
    </message>
</context>
<context>
    <name>JobsWindow</name>
    <message>
        <source>Jobs</source>
        <translation>Aufträge</translation>
    </message>
    <message>
        <source>&amp;New Job...</source>
        <translation>&amp;Neuer Auftrag...</translation>
    </message>
    <message>
        <source>Make &amp;Active</source>
        <translation>&amp;Aktiv setzen</translation>
    </message>
    <message>
        <source>&amp;Deactivate</source>
        <translation>&amp;Deaktivieren</translation>
    </message>
    <message>
        <source>Working on the records store…</source>
        <translation>Messdatenbank wird bearbeitet…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Job</source>
        <translation>Auf&amp;trag</translation>
    </message>
    <message>
        <source>Add &amp;IDs</source>
        <translation>&amp;IDs hinzufügen</translation>
    </message>
    <message>
        <source>Header &amp;Texts</source>
        <translation>Kopf&amp;texte</translation>
    </message>
    <message>
        <source>Job:</source>
        <translation>Auftrag:</translation>
    </message>
    <message>
        <source>Unplanned records:</source>
        <translation>Ungeplante Messungen:</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Umbenennen...</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Mark for Re&amp;test</source>
        <translation>Für Nach&amp;messung markieren</translation>
    </message>
    <message>
        <source>C&amp;lear Retest Mark</source>
        <translation>Nachmessungs&amp;markierung löschen</translation>
    </message>
    <message>
        <source>Move Record t&amp;o...</source>
        <translation>Messung &amp;verschieben nach...</translation>
    </message>
    <message>
        <source>Take &amp;Back Record</source>
        <translation>Messung &amp;zurücknehmen</translation>
    </message>
    <message>
        <source>Assign &amp;Cable ID...</source>
        <translation>Kabel-&amp;ID zuweisen...</translation>
    </message>
    <message>
        <source>&amp;Save Facts</source>
        <translation>Angaben &amp;speichern</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>Kunde:</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>Standort:</translation>
    </message>
    <message>
        <source>Contractor:</source>
        <translation>Auftragnehmer:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Bemerkung:</translation>
    </message>
    <message>
        <source>One cable ID a line, typed or pasted</source>
        <translation>Eine Kabel-ID pro Zeile, getippt oder eingefügt</translation>
    </message>
    <message>
        <source>Add at &amp;End</source>
        <translation>Am &amp;Ende anfügen</translation>
    </message>
    <message>
        <source>I&amp;nsert Before Selected</source>
        <translation>Vor der Auswahl ei&amp;nfügen</translation>
    </message>
    <message>
        <source>Add from &amp;Pattern</source>
        <translation>Aus &amp;Muster hinzufügen</translation>
    </message>
    <message>
        <source>Import from &amp;File...</source>
        <translation>Aus &amp;Datei importieren...</translation>
    </message>
    <message>
        <source>Pattern:</source>
        <translation>Muster:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Prüfer:</translation>
    </message>
    <message>
        <source>Test Device:</source>
        <translation>Prüfgerät:</translation>
    </message>
    <message>
        <source>Test Date:</source>
        <translation>Prüfdatum:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>Set on &amp;All Records</source>
        <translation>Auf &amp;alle Messungen setzen</translation>
    </message>
    <message>
        <source>Set on C&amp;hosen Records</source>
        <translation>Auf a&amp;usgewählte Messungen setzen</translation>
    </message>
    <message>
        <source>The checked texts are set on every record of the job, or on the records of the selected cable IDs and unplanned records; each record changed gets a new version.</source>
        <translation>Die angekreuzten Texte werden auf jede Messung des Auftrags gesetzt oder auf die Messungen der ausgewählten Kabel-IDs und ungeplanten Messungen; jede geänderte Messung erhält eine neue Version.</translation>
    </message>
    <message>
        <source>No job is active: records arrive without cable IDs.</source>
        <translation>Kein Auftrag ist aktiv: Messungen kommen ohne Kabel-ID an.</translation>
    </message>
    <message>
        <source>Active job: %1</source>
        <translation>Aktiver Auftrag: %1</translation>
    </message>
    <message>
        <source>Active job: %1, from %2</source>
        <translation>Aktiver Auftrag: %1, ab %2</translation>
    </message>
    <message>
        <source>The records store cannot be read: %1</source>
        <translation>Die Messdatenbank kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The job cannot be read: %1</source>
        <translation>Der Auftrag kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The job could not be changed: %1</source>
        <translation>Der Auftrag konnte nicht geändert werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n records of job %1 have the new texts.</source>
        <translation>
            <numerusform>%n Messung des Auftrags %1 hat die neuen Texte.</numerusform>
            <numerusform>%n Messungen des Auftrags %1 haben die neuen Texte.</numerusform>
        </translation>
    </message>
    <message>
        <source>New Job</source>
        <translation>Neuer Auftrag</translation>
    </message>
    <message>
        <source>Name of the job:</source>
        <translation>Name des Auftrags:</translation>
    </message>
    <message>
        <source>Import Cable IDs</source>
        <translation>Kabel-IDs importieren</translation>
    </message>
    <message>
        <source>Lists of cable IDs (*.txt *.csv *.tsv);;All Files (*)</source>
        <translation>Listen von Kabel-IDs (*.txt *.csv *.tsv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>the file is larger than any list of cable IDs</source>
        <translation>die Datei ist größer als jede Liste von Kabel-IDs</translation>
    </message>
    <message>
        <source>Cannot import %1:
%2</source>
        <translation>%1 kann nicht importiert werden:
%2</translation>
    </message>
    <message>
        <source>Rename Cable ID</source>
        <translation>Kabel-ID umbenennen</translation>
    </message>
    <message>
        <source>New cable ID for %1 (its records follow):</source>
        <translation>Neue Kabel-ID für %1 (ihre Messungen folgen):</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n cable IDs from job %1?</source>
        <translation>
            <numerusform>%n Kabel-ID aus dem Auftrag %1 entfernen?</numerusform>
            <numerusform>%n Kabel-IDs aus dem Auftrag %1 entfernen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Job %1 has no cable ID without a record.</source>
        <translation>Der Auftrag %1 hat keine Kabel-ID ohne Messung.</translation>
    </message>
    <message>
        <source>Cable ID without a record:</source>
        <translation>Kabel-ID ohne Messung:</translation>
    </message>
    <message>
        <source>Cable ID (a tested one takes the record as its retest):</source>
        <translation>Kabel-ID (eine geprüfte erhält die Messung als Nachmessung):</translation>
    </message>
    <message>
        <source>Move Record</source>
        <translation>Messung verschieben</translation>
    </message>
    <message>
        <source>Assign Cable ID</source>
        <translation>Kabel-ID zuweisen</translation>
    </message>
    <message>
        <source>Choose Lo&amp;go...</source>
        <translation>&amp;Logo wählen...</translation>
    </message>
    <message>
        <source>Remo&amp;ve Logo</source>
        <translation>Logo ent&amp;fernen</translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation>Logo:</translation>
    </message>
    <message>
        <source>Choose the Contractor&apos;s Logo</source>
        <translation>Logo des Auftragnehmers wählen</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>Bilder (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>The logo is not taken: %1</source>
        <translation>Das Logo wird nicht übernommen: %1</translation>
    </message>
    <message>
        <source>No logo</source>
        <translation>Kein Logo</translation>
    </message>
    <message>
        <source>Size in pixels: %1</source>
        <translation>Größe in Pixeln: %1</translation>
    </message>
</context>
<context>
    <name>ListOfUID</name>
    <message>
        <source>Test Report</source>
        <translation>Prüfbericht</translation>
    </message>
    <message>
        <source>Company: </source>
        <translation>Firma: </translation>
    </message>
    <message>
        <source>Operator: </source>
        <translation>Prüfer: </translation>
    </message>
    <message>
        <source>Test Device: </source>
        <translation>Prüfgerät: </translation>
    </message>
    <message>
        <source>Test Date: </source>
        <translation>Prüfdatum: </translation>
    </message>
    <message>
        <source>Serial Number: </source>
        <translation>Seriennr.: </translation>
    </message>
    <message>
        <source>Export Time: </source>
        <translation>Exportzeit: </translation>
    </message>
    <message>
        <source>Record: </source>
        <translation>Mess-Nr.:</translation>
    </message>
    <message>
        <source>Polarity: </source>
        <translation>Polarität:</translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>Bemerkung: </translation>
    </message>
    <message>
        <source>FIBER #</source>
        <translation>FASER #</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Wellenlänge</translation>
    </message>
    <message>
        <source>P/F Val(dB)</source>
        <translation>Grenzw.(dB)</translation>
    </message>
    <message>
        <source>Pass/Fail</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Cable ID:</source>
        <translation>Kabel-ID:</translation>
    </message>
    <message>
        <source>ID pending</source>
        <translation>ID ausstehend</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tavolin Lumetra</source>
        <translation>Tavolin Lumetra</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Erstellen</translation>
    </message>
    <message>
        <source>Generate a report</source>
        <translation>Prüfbericht der Messung als PDF erstellen</translation>
    </message>
    <message>
        <source>&amp;Generate All</source>
        <translation>&amp;Alle erstellen</translation>
    </message>
    <message>
        <source>Generate all reports</source>
        <translation>Prüfberichte aller Messungen erstellen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open an existing record</source>
        <translation>Vorhandenes Archiv öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>Save record to disk</source>
        <translation>Messungen als Archiv speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit the application</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>&amp;Alle entfernen</translation>
    </message>
    <message>
        <source>Clear the list of Record</source>
        <translation>Messungsliste leeren</translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation>A&amp;uswahl entfernen</translation>
    </message>
    <message>
        <source>Clear the current Record</source>
        <translation>Gewählte Messung entfernen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Lumetra</translation>
    </message>
    <message>
        <source>Show the application&apos;s About box</source>
        <translation>Programminformationen anzeigen</translation>
    </message>
    <message>
        <source>&amp;Usage</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>Help User with Lumetra</source>
        <translation>Kurzanleitung für Lumetra</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>Find and open every record received or opened before</source>
        <translation>Alle früher empfangenen oder geöffneten Messungen suchen und öffnen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>&amp;Messungen</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Berichte</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Device Connection</source>
        <translation>Geräteverbindung</translation>
    </message>
    <message>
        <source>MPO Device Connection and Status</source>
        <translation>Verbindung und Status des MPO-Messgeräts</translation>
    </message>
    <message>
        <source>Test Report</source>
        <translation>Prüfbericht</translation>
    </message>
    <message>
        <source>Test Report main window</source>
        <translation>Prüfbericht der gewählten Messung</translation>
    </message>
    <message>
        <source>Create a Dialog window</source>
        <translation>Prüfbericht</translation>
    </message>
    <message>
        <source>A Directory have to be selected</source>
        <translation>Es muss ein Ordner gewählt sein.</translation>
    </message>
    <message>
        <source>Version %1 (make sure latest version displays)&lt;br&gt;Version Date: %2&lt;br&gt;</source>
        <translation>Version %1 (prüfen Sie, ob dies die neueste Version ist)&lt;br&gt;Versionsdatum: %2&lt;br&gt;</translation>
    </message>
    <message>
        <source>Support: support@tavolin.example, telephone +1 555 0100 or +1 555 0199</source>
        <translation>Support: support@tavolin.example, Telefon +1 555 0100 oder +1 555 0199</translation>
    </message>
    <message>
        <source>About Lumetra</source>
        <translation>Über Lumetra</translation>
    </message>
    <message>
        <source>Lumetra Usage</source>
        <translation>Anleitung für Lumetra</translation>
    </message>
    <message>
        <source>To download software test report:&lt;br&gt;&lt;dd&gt;- Turn on MPO Power Meter&lt;dd&gt;- Attach MPO cable from computer to MPO Power Meter&lt;dd&gt;- In Software - Select appropriate Com Port(ex Com 2)&lt;dd&gt;- To export file select File &lt;i&gt;(F2)&lt;/i&gt;, Recall &lt;i&gt;(F2)&lt;/i&gt; and Export &lt;i&gt;(F2)&lt;/i&gt;&lt;dd&gt;- Select Single File, Range of Files or All Files, By pressing Select &lt;i&gt;(F1)&lt;/i&gt;. Use vertical and horizontal arrows to select range&lt;dd&gt;- Press Export &lt;i&gt;(F1)&lt;/i&gt; to dump file(s) to computer</source>
        <translation>Messungen vom Messgerät übertragen:&lt;br&gt;&lt;dd&gt;- MPO-Messgerät einschalten&lt;dd&gt;- Datenkabel des Messgeräts am Computer anschließen&lt;dd&gt;- In Lumetra den passenden COM-Port wählen (z. B. COM 2)&lt;dd&gt;- Am Messgerät zum Export File &lt;i&gt;(F2)&lt;/i&gt;, Recall &lt;i&gt;(F2)&lt;/i&gt; und Export &lt;i&gt;(F2)&lt;/i&gt; wählen&lt;dd&gt;- Mit Select &lt;i&gt;(F1)&lt;/i&gt; eine Messung, einen Bereich oder alle Messungen wählen; den Bereich mit den Pfeiltasten festlegen&lt;dd&gt;- Export &lt;i&gt;(F1)&lt;/i&gt; drücken, um die Messung(en) zum Computer zu senden</translation>
    </message>
    <message>
        <source> No Records to Save! </source>
        <translation>Keine Messungen zum Speichern.</translation>
    </message>
    <message>
        <source>Save Records</source>
        <translation>Messungen speichern</translation>
    </message>
    <message>
        <source>MRF Files(*.mrf)</source>
        <translation>MRF-Archive (*.mrf)</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden:
%2.</translation>
    </message>
    <message>
        <source>Open Records</source>
        <translation>Messungen öffnen</translation>
    </message>
    <message>
        <source>Opening %1...</source>
        <translation>%1 wird geöffnet...</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Die Datei %1 kann nicht gelesen werden:
%2.</translation>
    </message>
    <message>
        <source>File Format Not Valid</source>
        <translation>Ungültiges Dateiformat</translation>
    </message>
    <message>
        <source>&amp;Certification Report...</source>
        <translation>A&amp;bnahmebericht...</translation>
    </message>
    <message>
        <source>Write a certification report of all records</source>
        <translation>Abnahmebericht aller Messungen erstellen</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>Als &amp;CSV exportieren...</translation>
    </message>
    <message>
        <source>Write all records to a CSV file for spreadsheets</source>
        <translation>Alle Messungen als CSV-Datei für Tabellenkalkulationen speichern</translation>
    </message>
    <message>
        <source>Select output file</source>
        <translation>Zieldatei wählen</translation>
    </message>
    <message>
        <source>PDF Files(*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>No Records to Report!</source>
        <translation>Keine Messungen für einen Bericht.</translation>
    </message>
    <message>
        <source>Writing the certification report...</source>
        <translation>Abnahmebericht wird geschrieben...</translation>
    </message>
    <message>
        <source>CSV Files(*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>No Records to Export!</source>
        <translation>Keine Messungen zum Exportieren.</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>%1 wird geschrieben...</translation>
    </message>
    <message>
        <source>Communication PROBLEM</source>
        <translation>Kommunikationsfehler</translation>
    </message>
    <message>
        <source>No Valid Port Com Found : Please connect The MPO cable first - EXIT</source>
        <translation>Kein gültiger COM-Port gefunden: Bitte zuerst das Datenkabel des Messgeräts anschließen.</translation>
    </message>
    <message>
        <source>Bad Port Number : EXIT %1</source>
        <translation>Ungültiger Anschluss: Abbruch %1</translation>
    </message>
    <message>
        <source>Bad Port Number : DISCONNECTED</source>
        <translation>Ungültiger Anschluss: GETRENNT</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>&lt;b&gt;Data may be corrupted&lt;/b&gt; - Problem with MPO Power Meter Version -&lt;br&gt;                                                        Please Verify MPO Power Meter Version.&lt;br&gt;                                                     The supported version are &lt;b&gt;%1&lt;/b&gt; or Higher</source>
        <translation>&lt;b&gt;Daten möglicherweise beschädigt&lt;/b&gt; – Problem mit der Version des MPO-Messgeräts&lt;br&gt;Bitte die Version des MPO-Messgeräts prüfen.&lt;br&gt;Unterstützt werden Version &lt;b&gt;%1&lt;/b&gt; und höher.</translation>
    </message>
    <message>
        <source>All_%1</source>
        <translation>Alle_%1</translation>
    </message>
    <message>
        <source>Capturing the reports...</source>
        <translation>Prüfberichte werden zusammengestellt...</translation>
    </message>
    <message>
        <source>Writing the PDF...</source>
        <translation>PDF wird geschrieben...</translation>
    </message>
    <message>
        <source>Records are not being kept: %1</source>
        <translation>Messungen werden nicht gesichert: %1</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Open one of the last archives opened or saved</source>
        <translation>Eines der zuletzt geöffneten oder gespeicherten Archive öffnen</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Forget the archives listed here; the files stay</source>
        <translation>Die hier aufgeführten Archive vergessen; die Dateien bleiben erhalten</translation>
    </message>
    <message>
        <source>The chosen records could not be opened: %1</source>
        <translation>Die gewählten Messungen konnten nicht geöffnet werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>Receiving: %n records</source>
        <translation>
            <numerusform>Empfang: %n Messung</numerusform>
            <numerusform>Empfang: %n Messungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The last session ended with %n records that were not saved to an archive. Show them again?</source>
        <translation>
            <numerusform>Die letzte Sitzung endete mit %n Messung, die nicht in einem Archiv gespeichert wurde. Wieder anzeigen?</numerusform>
            <numerusform>Die letzte Sitzung endete mit %n Messungen, die nicht in einem Archiv gespeichert wurden. Wieder anzeigen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the %1 chosen records could not be opened: their data in the records store is damaged.</source>
        <translation>
            <numerusform>%n der %1 gewählten Messungen konnte nicht geöffnet werden: ihre Daten in der Messdatenbank sind beschädigt.</numerusform>
            <numerusform>%n der %1 gewählten Messungen konnten nicht geöffnet werden: ihre Daten in der Messdatenbank sind beschädigt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Storing %Ln records…</source>
        <translation>
            <numerusform>%Ln Messung wird gespeichert…</numerusform>
            <numerusform>%Ln Messungen werden gespeichert…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln records kept</source>
        <translation>
            <numerusform>%Ln Messung gesichert</numerusform>
            <numerusform>%Ln Messungen gesichert</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Jobs...</source>
        <translation>Auf&amp;träge...</translation>
    </message>
    <message>
        <source>Plan the cable IDs of a job and see which are tested</source>
        <translation>Kabel-IDs eines Auftrags planen und sehen, welche geprüft sind</translation>
    </message>
    <message numerus="yes">
        <source>The archive carries the cable IDs of job %1 only: %n records of other jobs are saved without theirs.</source>
        <translation>
            <numerusform>Das Archiv enthält nur die Kabel-IDs des Auftrags %1: %n Messung anderer Aufträge wird ohne ihre gespeichert.</numerusform>
            <numerusform>Das Archiv enthält nur die Kabel-IDs des Auftrags %1: %n Messungen anderer Aufträge werden ohne ihre gespeichert.</numerusform>
        </translation>
    </message>
    <message>
        <source>The archive&apos;s job could not be read; its records are opened without their cable IDs.</source>
        <translation>Der Auftrag des Archivs konnte nicht gelesen werden; seine Messungen werden ohne ihre Kabel-IDs geöffnet.</translation>
    </message>
    <message>
        <source>&amp;Assign Cable ID...</source>
        <translation>Kabel-ID &amp;zuweisen...</translation>
    </message>
    <message>
        <source>Give the selected record a cable ID of its job</source>
        <translation>Der ausgewählten Messung eine Kabel-ID ihres Auftrags geben</translation>
    </message>
    <message>
        <source>&amp;Take Back Cable ID</source>
        <translation>Kabel-ID zu&amp;rücknehmen</translation>
    </message>
    <message>
        <source>Keep the selected record in its job without its cable ID</source>
        <translation>Die ausgewählte Messung ohne ihre Kabel-ID im Auftrag behalten</translation>
    </message>
    <message>
        <source>The cable ID could not be changed: %1</source>
        <translation>Die Kabel-ID konnte nicht geändert werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n records arrived unplanned: job %1 has no cable ID left without a record</source>
        <translation>
            <numerusform>%n Messung kam ungeplant an: Der Auftrag %1 hat keine Kabel-ID ohne Messung mehr</numerusform>
            <numerusform>%n Messungen kamen ungeplant an: Der Auftrag %1 hat keine Kabel-ID ohne Messung mehr</numerusform>
        </translation>
    </message>
    <message>
        <source>The job %1 is not in the records store: records arrive without cable IDs</source>
        <translation>Der Auftrag %1 ist nicht in der Messdatenbank: Messungen kommen ohne Kabel-ID an</translation>
    </message>
    <message>
        <source>Job: %1</source>
        <translation>Auftrag: %1</translation>
    </message>
    <message>
        <source>Records received take the cable IDs of job %1</source>
        <translation>Empfangene Messungen erhalten die Kabel-IDs des Auftrags %1</translation>
    </message>
    <message>
        <source>Records received take the cable IDs of job %1, from %2</source>
        <translation>Empfangene Messungen erhalten die Kabel-IDs des Auftrags %1, ab %2</translation>
    </message>
    <message>
        <source>ID pending</source>
        <translation>ID ausstehend</translation>
    </message>
    <message>
        <source>The job cannot be read: %1</source>
        <translation>Der Auftrag kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Assign Cable ID</source>
        <translation>Kabel-ID zuweisen</translation>
    </message>
    <message>
        <source>Cable ID of job %1 for record %2 (a tested one takes it as its retest):</source>
        <translation>Kabel-ID des Auftrags %1 für Messung %2 (eine geprüfte erhält sie als Nachmessung):</translation>
    </message>
    <message>
        <source>&amp;Job Report...</source>
        <translation>A&amp;uftragsbericht...</translation>
    </message>
    <message>
        <source>Job &amp;Workbook...</source>
        <translation>Auftrags-Arbeits&amp;mappe...</translation>
    </message>
    <message>
        <source>Make a job active in Records &gt; Jobs first</source>
        <translation>Zuerst unter Messungen &gt; Aufträge einen Auftrag aktivieren</translation>
    </message>
    <message>
        <source>Write the report of the active job for its customer</source>
        <translation>Den Bericht des aktiven Auftrags für seinen Kunden schreiben</translation>
    </message>
    <message>
        <source>Write the figures of the active job to an Excel workbook</source>
        <translation>Die Werte des aktiven Auftrags in eine Excel-Arbeitsmappe schreiben</translation>
    </message>
    <message>
        <source>Excel Workbooks (*.xlsx)</source>
        <translation>Excel-Arbeitsmappen (*.xlsx)</translation>
    </message>
    <message>
        <source>%1 is a record archive; it is not overwritten. Choose another file.</source>
        <translation>%1 ist ein Archiv; es wird nicht überschrieben. Eine andere Datei wählen.</translation>
    </message>
    <message>
        <source>Writing the job report...</source>
        <translation>Auftragsbericht wird geschrieben...</translation>
    </message>
    <message>
        <source>Writing the job workbook...</source>
        <translation>Arbeitsmappe des Auftrags wird geschrieben...</translation>
    </message>
    <message>
        <source>The workbook %1 is written.</source>
        <translation>Die Arbeitsmappe %1 ist geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>%n header texts were cut to the 32,767 characters a cell holds.</source>
        <translation>
            <numerusform>%n Kopftext wurde auf die 32.767 Zeichen einer Zelle gekürzt.</numerusform>
            <numerusform>%n Kopftexte wurden auf die 32.767 Zeichen einer Zelle gekürzt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>RecordHistoryModel</name>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Mess-Nr.</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Prüfer</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Wellenlänge</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Cable ID</source>
        <translation>Kabel-ID</translation>
    </message>
</context>
<context>
    <name>RecordKeeper</name>
    <message>
        <source>; records are held in memory only, until the store can take them</source>
        <translation>; die Messungen werden nur im Arbeitsspeicher gehalten, bis die Messdatenbank sie aufnehmen kann</translation>
    </message>
</context>
<context>
    <name>RecordListDelegate</name>
    <message>
        <source>ID pending</source>
        <translation>ID ausstehend</translation>
    </message>
</context>
<context>
    <name>RecordVerdict</name>
    <message>
        <source>No reading</source>
        <translation>Kein Messwert</translation>
    </message>
    <message numerus="yes">
        <source>FAIL: fibers %1</source>
        <translation>
            <numerusform>FAIL: Faser %1</numerusform>
            <numerusform>FAIL: Fasern %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StoreUpgradeProgress</name>
    <message>
        <source>Upgrading the records store: building its search index…</source>
        <translation>Messdatenbank wird aktualisiert: ihr Suchindex wird erstellt…</translation>
    </message>
</context>
<context>
    <name>SuspectReading</name>
    <message>
        <source>Negative loss: set the reference again and retest</source>
        <translation>Negative Dämpfung: Referenz neu setzen und nachmessen</translation>
    </message>
    <message>
        <source>Same readings as record %1</source>
        <translation>Gleiche Messwerte wie Messung %1</translation>
    </message>
</context>
</TS>
