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
        <source>Shows only the records whose company, operator, note or record number contain this text</source>
        <translation>Zeigt nur Messungen, deren Firma, Prüfer, Bemerkung oder Mess-Nr. diesen Text enthält</translation>
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
</context>
<context>
    <name>RecordKeeper</name>
    <message>
        <source>; records are held in memory only, until the store can take them</source>
        <translation>; die Messungen werden nur im Arbeitsspeicher gehalten, bis die Messdatenbank sie aufnehmen kann</translation>
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
</TS>
