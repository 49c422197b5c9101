<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CDlgModifyEvent</name>
    <message>
        <source>Add / Modify An Event</source>
        <translation>Eintrag hinzufügen oder ändern</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>&amp;Monat</translation>
    </message>
    <message>
        <source>&amp;Fixed (date never changes)</source>
        <translation>&amp;Fest (Datum ändert sich nie)</translation>
    </message>
    <message>
        <source>&amp;Day</source>
        <translation>&amp;Tag</translation>
    </message>
    <message>
        <source>&amp;Variable (3rd Monday)</source>
        <translation>&amp;Variabel (3. Montag)</translation>
    </message>
    <message>
        <source>W&amp;hich</source>
        <translation>&amp;Welcher</translation>
    </message>
    <message>
        <source>D&amp;ay</source>
        <translation>Wo&amp;chentag</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Jahr</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>T&amp;yp</translation>
    </message>
    <message>
        <source>Des&amp;cription</source>
        <translation>&amp;Beschreibung</translation>
    </message>
    <message>
        <source>File&amp;name</source>
        <translation>Datei&amp;name</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen…</translation>
    </message>
    <message>
        <source>Show A&amp;ge</source>
        <translation>Alter an&amp;zeigen</translation>
    </message>
    <message>
        <source>H&amp;ide It</source>
        <translation>&amp;Ausblenden</translation>
    </message>
    <message>
        <source>Automated Description</source>
        <translation>Automatische Beschriftung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Picture preview</source>
        <translation>Bildvorschau</translation>
    </message>
</context>
<context>
    <name>CalendarDocument</name>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
</context>
<context>
    <name>CalendarExchange</name>
    <message>
        <source>Imported pictures are kept in a folder beside the calendar file, so the calendar is saved first.</source>
        <translation>Importierte Bilder werden in einem Ordner neben der Kalenderdatei abgelegt, daher wird der Kalender zuerst gespeichert.</translation>
    </message>
    <message>
        <source>Start a new calendar or open one, then import into it.</source>
        <translation>Legen Sie einen neuen Kalender an oder öffnen Sie einen, und importieren Sie dann in diesen.</translation>
    </message>
    <message>
        <source>The calendar could not be written to %1.</source>
        <translation>Der Kalender konnte nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
</context>
<context>
    <name>CalendarFile</name>
    <message>
        <source>no file name was given</source>
        <translation>Es wurde kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>Es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>Es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>Die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Could not open the calendar %1: %2.</source>
        <translation>Der Kalender %1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>%1 lists more entries than a calendar holds (%2). Entries left out: %3.</source>
        <translation>%1 enthält mehr Einträge, als ein Kalender fassen kann (%2). Ausgelassene Einträge: %3.</translation>
    </message>
    <message>
        <source>Could not save the calendar to %1: %2.</source>
        <translation>Der Kalender konnte nicht unter %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>it is far too large for a calendar</source>
        <translation>Die Datei ist viel zu groß für einen Kalender</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>Die Datei ist leer</translation>
    </message>
    <message>
        <source>it is not a calendar file, or it is damaged</source>
        <translation>Es ist keine Kalenderdatei oder sie ist beschädigt</translation>
    </message>
    <message>
        <source>the calendar&apos;s file name holds a line break</source>
        <translation>Der Dateiname des Kalenders enthält einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>%1 names a region its country has not (%2): it shows the whole country.</source>
        <translation>%1 nennt eine Region, die es im Land des Kalenders nicht gibt (%2): Angezeigt wird das ganze Land.</translation>
    </message>
    <message>
        <source>%1 names a first month that is not 1 to 12 (%2): it starts in January.</source>
        <translation>%1 nennt einen ersten Monat, der nicht zwischen 1 und 12 liegt (%2): Der Kalender beginnt im Januar.</translation>
    </message>
</context>
<context>
    <name>CalendarLocks</name>
    <message>
        <source>%1 is open in another Tessolar (process %2). Open it here as well? Each may then save over the other&apos;s changes.</source>
        <translation>%1 ist in einem anderen Tessolar geöffnet (Prozess %2). Hier ebenfalls öffnen? Dann kann jedes von beiden die Änderungen des anderen überschreiben.</translation>
    </message>
</context>
<context>
    <name>CalendarOpening</name>
    <message>
        <source>No such file.</source>
        <translation>Diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>Could not open file (%1)
%2</source>
        <translation>Die Datei konnte nicht geöffnet werden (%1)
%2</translation>
    </message>
    <message>
        <source>%1 Saving will not replace the file without asking.</source>
        <translation>%1 Beim Speichern wird die Datei nicht ohne Rückfrage ersetzt.</translation>
    </message>
    <message>
        <source>Change Configuration</source>
        <translation>Einstellungen ändern</translation>
    </message>
</context>
<context>
    <name>Country</name>
    <message>
        <source>United States</source>
        <translation>Vereinigte Staaten</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Vereinigtes Königreich</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australien</translation>
    </message>
    <message>
        <source>Mexico</source>
        <translation>Mexiko</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irland</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Deutschland</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Neuseeland</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankreich</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgien</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Niederlande</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spanien</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Österreich</translation>
    </message>
</context>
<context>
    <name>DlgAbout</name>
    <message>
        <source>About Tessolar</source>
        <translation>Über Tessolar</translation>
    </message>
    <message>
        <source>Build and print a calendar of your own, with your days and pictures.</source>
        <translation>Gestalten und drucken Sie Ihren eigenen Kalender – mit Ihren Tagen und Bildern.</translation>
    </message>
</context>
<context>
    <name>DlgBigPics</name>
    <message>
        <source>Modify Big Picture</source>
        <translation>Großes Bild ändern</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Beschreibung</translation>
    </message>
    <message>
        <source>&amp;File name</source>
        <translation>&amp;Dateiname</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>D&amp;urchsuchen…</translation>
    </message>
</context>
<context>
    <name>DlgGenConfig</name>
    <message>
        <source>Enter Calendar Configuration</source>
        <translation>Kalender einrichten</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>Ja&amp;hr</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>C&amp;ountry</source>
        <translation>&amp;Land</translation>
    </message>
    <message>
        <source>Main Calendar Font &amp;Style</source>
        <translation>Schrift&amp;art des Kalenders</translation>
    </message>
    <message>
        <source>Font for Calendar Body</source>
        <translation>Schrift für den Kalendertext</translation>
    </message>
    <message>
        <source>Cl&amp;ipart</source>
        <translation>Cl&amp;ipart-Ordner</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen…</translation>
    </message>
    <message>
        <source>Computed Days</source>
        <translation>Berechnete Tage</translation>
    </message>
    <message>
        <source>Include &amp;Jewish Holidays</source>
        <translation>&amp;Jüdische Feiertage einbeziehen</translation>
    </message>
    <message>
        <source>Include &amp;Equinox Days</source>
        <translation>&amp;Tagundnachtgleichen und Sonnenwenden einbeziehen</translation>
    </message>
    <message>
        <source>Include Full &amp;Moons</source>
        <translation>&amp;Vollmonde einbeziehen</translation>
    </message>
    <message>
        <source>Include E&amp;aster Holidays</source>
        <translation>&amp;Osterabhängige Feiertage einbeziehen</translation>
    </message>
    <message>
        <source>Include &amp;National Holidays</source>
        <translation>&amp;Gesetzliche Feiertage einbeziehen</translation>
    </message>
    <message>
        <source>First &amp;day of the week</source>
        <translation>Erster &amp;Wochentag</translation>
    </message>
    <message>
        <source>&amp;Region</source>
        <translation>&amp;Region</translation>
    </message>
    <message>
        <source>The public holidays shown are those of this region; the whole country shows every region&apos;s</source>
        <translation>Angezeigt werden die gesetzlichen Feiertage dieser Region; beim ganzen Land die aller Regionen</translation>
    </message>
    <message>
        <source>Include Moon &amp;Phases (new moon, quarters)</source>
        <translation>&amp;Mondphasen einbeziehen (Neumond, Viertel)</translation>
    </message>
    <message>
        <source>Mar&amp;k days off (holidays in colour, weekends tinted)</source>
        <translation>&amp;Freie Tage hervorheben (Feiertage farbig, Wochenenden getönt)</translation>
    </message>
    <message>
        <source>Show &amp;week numbers (ISO 8601, beside each week)</source>
        <translation>&amp;Kalenderwochen anzeigen (ISO 8601, neben jeder Woche)</translation>
    </message>
    <message>
        <source>&amp;First month</source>
        <translation>&amp;Erster Monat</translation>
    </message>
</context>
<context>
    <name>DlgTitle</name>
    <message>
        <source>Title Page Configuration</source>
        <translation>Titelseite einrichten</translation>
    </message>
    <message>
        <source>&amp;Title for Calendar</source>
        <translation>&amp;Titel des Kalenders</translation>
    </message>
    <message>
        <source>Title &amp;Font Style</source>
        <translation>&amp;Schriftart des Titels</translation>
    </message>
    <message>
        <source>Font for Cover Page</source>
        <translation>Schrift für die Titelseite</translation>
    </message>
    <message>
        <source>Title Font &amp;Color</source>
        <translation>Schrift&amp;farbe des Titels</translation>
    </message>
    <message>
        <source>Choose the title colour</source>
        <translation>Farbe des Titels wählen</translation>
    </message>
    <message>
        <source>Title Font Si&amp;ze</source>
        <translation>Schrift&amp;größe des Titels</translation>
    </message>
    <message>
        <source>Title Page &amp;Picture</source>
        <translation>&amp;Bild der Titelseite</translation>
    </message>
    <message>
        <source>Title &amp;X Position</source>
        <translation>&amp;X-Position des Titels</translation>
    </message>
    <message>
        <source>Title &amp;Y Position</source>
        <translation>&amp;Y-Position des Titels</translation>
    </message>
    <message>
        <source>Text Box &amp;Width</source>
        <translation>B&amp;reite des Textfelds</translation>
    </message>
</context>
<context>
    <name>EntryEditing</name>
    <message>
        <source>did not find index in database</source>
        <translation>Der Eintrag wurde in der Datenbank nicht gefunden.</translation>
    </message>
    <message>
        <source>The calendar is full: it holds %1 entries. Delete one to add another.</source>
        <translation>Der Kalender ist voll: Er enthält %1 Einträge. Löschen Sie einen, um einen neuen hinzuzufügen.</translation>
    </message>
    <message>
        <source>New Entry</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>Add ‘%1’</source>
        <translation>„%1“ hinzufügen</translation>
    </message>
    <message>
        <source>Change ‘%1’</source>
        <translation>„%1“ ändern</translation>
    </message>
    <message>
        <source>Delete ‘%1’</source>
        <translation>„%1“ löschen</translation>
    </message>
    <message>
        <source>Hide ‘%1’</source>
        <translation>„%1“ ausblenden</translation>
    </message>
    <message>
        <source>Delete ‘%1’?</source>
        <translation>„%1“ löschen?</translation>
    </message>
    <message>
        <source>Show ‘%1’</source>
        <translation>„%1“ wieder anzeigen</translation>
    </message>
    <message>
        <source>Change Big Picture</source>
        <translation>Großes Bild ändern</translation>
    </message>
    <message>
        <source>Change Title Page</source>
        <translation>Titelseite ändern</translation>
    </message>
    <message>
        <source>Drop Picture</source>
        <translation>Bild ablegen</translation>
    </message>
</context>
<context>
    <name>EntryType</name>
    <message>
        <source>Anniversary</source>
        <translation>Jahrestag</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>National Holiday</source>
        <translation>Gesetzlicher Feiertag</translation>
    </message>
    <message>
        <source>Hebrew Holiday</source>
        <translation>Jüdischer Feiertag</translation>
    </message>
    <message>
        <source>Christian Holiday</source>
        <translation>Christlicher Feiertag</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>Sober Anniversary</source>
        <translation>Abstinenzjubiläum</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>Personal Event</source>
        <translation>Persönliches Ereignis</translation>
    </message>
    <message>
        <source>Historical Event</source>
        <translation>Historisches Ereignis</translation>
    </message>
</context>
<context>
    <name>EventEntry</name>
    <message>
        <source>The day must be a number from 1 to %1 (%2 %3).</source>
        <translation>Der Tag muss eine Zahl von 1 bis %1 sein (%2 %3).</translation>
    </message>
    <message>
        <source>%1 %2 has no day %3: type a day from 1 to %4.</source>
        <translation>Im %1 %2 gibt es keinen Tag %3: Geben Sie einen Tag von 1 bis %4 ein.</translation>
    </message>
    <message>
        <source>The year must be a number, such as 1985 (or -753 for 753 BCE).</source>
        <translation>Das Jahr muss eine Zahl sein, etwa 1985 (oder -753 für 753 v. Chr.).</translation>
    </message>
    <message>
        <source>The year must lie between -%1 and %1, and cannot be 0.</source>
        <translation>Das Jahr muss zwischen -%1 und %1 liegen und darf nicht 0 sein.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>%1 Replacing the file loses them. Replace it anyway?</source>
        <translation>%1 Wird die Datei ersetzt, gehen sie verloren. Trotzdem ersetzen?</translation>
    </message>
    <message>
        <source>Overwrite existing file?</source>
        <translation>Vorhandene Datei überschreiben?</translation>
    </message>
    <message>
        <source>The file (%1) is read-only protected.</source>
        <translation>Die Datei (%1) ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Unable to write to file (%1).</source>
        <translation>In die Datei (%1) kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Save changes before exit?</source>
        <translation>Änderungen vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>Save changes to the current calendar?</source>
        <translation>Änderungen am aktuellen Kalender speichern?</translation>
    </message>
    <message>
        <source>failed to write output file</source>
        <translation>Die Ausgabedatei konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>ICalendarImport</name>
    <message>
        <source>an event without a summary</source>
        <translation>ein Termin ohne Titel</translation>
    </message>
    <message>
        <source>an event without a valid start day</source>
        <translation>ein Termin ohne gültigen Anfangstag</translation>
    </message>
    <message>
        <source>it repeats, but not once a year</source>
        <translation>er wiederholt sich, aber nicht jährlich</translation>
    </message>
    <message>
        <source>a single event in %1, not in %2</source>
        <translation>ein einmaliger Termin im Jahr %1, nicht im Jahr %2</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Die Datei ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>The file holds no iCalendar calendar.</source>
        <translation>Die Datei enthält keinen iCalendar-Kalender.</translation>
    </message>
    <message>
        <source>a single event on %1, not between %2 and %3</source>
        <translation>ein einmaliger Termin am %1, nicht zwischen %2 und %3</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>the date %1 does not exist</source>
        <translation>das Datum %1 gibt es nicht</translation>
    </message>
    <message>
        <source>comes without its picture: %1</source>
        <translation>wird ohne sein Bild übernommen: %1</translation>
    </message>
    <message>
        <source>a card without a name</source>
        <translation>eine vCard ohne Namen</translation>
    </message>
    <message>
        <source>no birthday or anniversary</source>
        <translation>kein Geburtstag und kein Jahrestag</translation>
    </message>
    <message>
        <source>%1 entries are checked, but the calendar has room for %2.</source>
        <translation>%1 Einträge sind ausgewählt, aber der Kalender hat nur Platz für %2.</translation>
    </message>
    <message>
        <source>The picture of %1 cannot be written to %2.</source>
        <translation>Das Bild von %1 kann nicht nach %2 geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>ImportSource</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB.</source>
        <translation>%1 ist größer als %2 MB.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
</context>
<context>
    <name>PageNavigator</name>
    <message>
        <source>The page could not be written to %1.</source>
        <translation>Die Seite konnte nicht nach %1 geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>PagePdf</name>
    <message>
        <source>printing took longer than %1 s</source>
        <translation>Das Drucken dauerte länger als %1 s</translation>
    </message>
    <message>
        <source>the page could not be printed</source>
        <translation>Die Seite konnte nicht gedruckt werden</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>could not load the page %1</source>
        <translation>Die Seite %1 konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>the page %1 did not load within %2 s</source>
        <translation>Die Seite %1 wurde nicht innerhalb von %2 s geladen</translation>
    </message>
</context>
<context>
    <name>ProgramNames</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>QSettingsStore</name>
    <message>
        <source>The settings file %1 could not be read. Tessolar starts with its default settings, and recent calendars and the window position are not kept.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden. Tessolar startet mit den Standardeinstellungen; zuletzt verwendete Kalender und die Fensterposition werden nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>QtUserPrompts</name>
    <message>
        <source>Calendar Files (*.cal *.CAL);;All Files (*)</source>
        <translation>Kalenderdateien (*.cal *.CAL);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open Calendar</source>
        <translation>Kalender öffnen</translation>
    </message>
    <message>
        <source>Save Calendar</source>
        <translation>Kalender speichern</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Address Books and Calendars (*.vcf *.VCF *.vcard *.ics *.ICS);;vCard Files (*.vcf *.VCF *.vcard);;iCalendar Files (*.ics *.ICS);;All Files (*)</source>
        <translation>Adressbücher und Kalender (*.vcf *.VCF *.vcard *.ics *.ICS);;vCard-Dateien (*.vcf *.VCF *.vcard);;iCalendar-Dateien (*.ics *.ICS);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export as iCalendar</source>
        <translation>Als iCalendar exportieren</translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>an unnamed calendar</source>
        <translation>einem unbenannten Kalender</translation>
    </message>
    <message>
        <source>Tessolar ended without saving the changes to %1 (last changed %2). Recover them?</source>
        <translation>Tessolar wurde beendet, ohne die Änderungen an %1 zu speichern (zuletzt geändert %2). Wiederherstellen?</translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Alaska</source>
        <translation>Alaska</translation>
    </message>
    <message>
        <source>Alabama</source>
        <translation>Alabama</translation>
    </message>
    <message>
        <source>Arkansas</source>
        <translation>Arkansas</translation>
    </message>
    <message>
        <source>Arizona</source>
        <translation>Arizona</translation>
    </message>
    <message>
        <source>California</source>
        <translation>Kalifornien</translation>
    </message>
    <message>
        <source>Colorado</source>
        <translation>Colorado</translation>
    </message>
    <message>
        <source>Connecticut</source>
        <translation>Connecticut</translation>
    </message>
    <message>
        <source>District of Columbia</source>
        <translation>District of Columbia</translation>
    </message>
    <message>
        <source>Delaware</source>
        <translation>Delaware</translation>
    </message>
    <message>
        <source>Florida</source>
        <translation>Florida</translation>
    </message>
    <message>
        <source>Georgia</source>
        <translation>Georgia</translation>
    </message>
    <message>
        <source>Hawaii</source>
        <translation>Hawaii</translation>
    </message>
    <message>
        <source>Iowa</source>
        <translation>Iowa</translation>
    </message>
    <message>
        <source>Idaho</source>
        <translation>Idaho</translation>
    </message>
    <message>
        <source>Illinois</source>
        <translation>Illinois</translation>
    </message>
    <message>
        <source>Indiana</source>
        <translation>Indiana</translation>
    </message>
    <message>
        <source>Kansas</source>
        <translation>Kansas</translation>
    </message>
    <message>
        <source>Kentucky</source>
        <translation>Kentucky</translation>
    </message>
    <message>
        <source>Louisiana</source>
        <translation>Louisiana</translation>
    </message>
    <message>
        <source>Massachusetts</source>
        <translation>Massachusetts</translation>
    </message>
    <message>
        <source>Maryland</source>
        <translation>Maryland</translation>
    </message>
    <message>
        <source>Maine</source>
        <translation>Maine</translation>
    </message>
    <message>
        <source>Michigan</source>
        <translation>Michigan</translation>
    </message>
    <message>
        <source>Minnesota</source>
        <translation>Minnesota</translation>
    </message>
    <message>
        <source>Missouri</source>
        <translation>Missouri</translation>
    </message>
    <message>
        <source>Mississippi</source>
        <translation>Mississippi</translation>
    </message>
    <message>
        <source>Montana</source>
        <translation>Montana</translation>
    </message>
    <message>
        <source>North Carolina</source>
        <translation>North Carolina</translation>
    </message>
    <message>
        <source>North Dakota</source>
        <translation>North Dakota</translation>
    </message>
    <message>
        <source>Nebraska</source>
        <translation>Nebraska</translation>
    </message>
    <message>
        <source>New Hampshire</source>
        <translation>New Hampshire</translation>
    </message>
    <message>
        <source>New Jersey</source>
        <translation>New Jersey</translation>
    </message>
    <message>
        <source>New Mexico</source>
        <translation>New Mexico</translation>
    </message>
    <message>
        <source>Nevada</source>
        <translation>Nevada</translation>
    </message>
    <message>
        <source>New York</source>
        <translation>New York</translation>
    </message>
    <message>
        <source>Ohio</source>
        <translation>Ohio</translation>
    </message>
    <message>
        <source>Oklahoma</source>
        <translation>Oklahoma</translation>
    </message>
    <message>
        <source>Oregon</source>
        <translation>Oregon</translation>
    </message>
    <message>
        <source>Pennsylvania</source>
        <translation>Pennsylvania</translation>
    </message>
    <message>
        <source>Rhode Island</source>
        <translation>Rhode Island</translation>
    </message>
    <message>
        <source>South Carolina</source>
        <translation>South Carolina</translation>
    </message>
    <message>
        <source>South Dakota</source>
        <translation>South Dakota</translation>
    </message>
    <message>
        <source>Tennessee</source>
        <translation>Tennessee</translation>
    </message>
    <message>
        <source>Texas</source>
        <translation>Texas</translation>
    </message>
    <message>
        <source>Utah</source>
        <translation>Utah</translation>
    </message>
    <message>
        <source>Virginia</source>
        <translation>Virginia</translation>
    </message>
    <message>
        <source>Vermont</source>
        <translation>Vermont</translation>
    </message>
    <message>
        <source>Washington</source>
        <translation>Washington</translation>
    </message>
    <message>
        <source>Wisconsin</source>
        <translation>Wisconsin</translation>
    </message>
    <message>
        <source>West Virginia</source>
        <translation>West Virginia</translation>
    </message>
    <message>
        <source>Wyoming</source>
        <translation>Wyoming</translation>
    </message>
    <message>
        <source>Alberta</source>
        <translation>Alberta</translation>
    </message>
    <message>
        <source>British Columbia</source>
        <translation>British Columbia</translation>
    </message>
    <message>
        <source>Manitoba</source>
        <translation>Manitoba</translation>
    </message>
    <message>
        <source>New Brunswick</source>
        <translation>New Brunswick</translation>
    </message>
    <message>
        <source>Newfoundland and Labrador</source>
        <translation>Neufundland und Labrador</translation>
    </message>
    <message>
        <source>Nova Scotia</source>
        <translation>Nova Scotia</translation>
    </message>
    <message>
        <source>Northwest Territories</source>
        <translation>Nordwest-Territorien</translation>
    </message>
    <message>
        <source>Nunavut</source>
        <translation>Nunavut</translation>
    </message>
    <message>
        <source>Ontario</source>
        <translation>Ontario</translation>
    </message>
    <message>
        <source>Prince Edward Island</source>
        <translation>Prince Edward Island</translation>
    </message>
    <message>
        <source>Quebec</source>
        <translation>Québec</translation>
    </message>
    <message>
        <source>Saskatchewan</source>
        <translation>Saskatchewan</translation>
    </message>
    <message>
        <source>Yukon</source>
        <translation>Yukon</translation>
    </message>
    <message>
        <source>England and Wales</source>
        <translation>England und Wales</translation>
    </message>
    <message>
        <source>Northern Ireland</source>
        <translation>Nordirland</translation>
    </message>
    <message>
        <source>Scotland</source>
        <translation>Schottland</translation>
    </message>
    <message>
        <source>Australian Capital Territory</source>
        <translation>Australian Capital Territory</translation>
    </message>
    <message>
        <source>New South Wales</source>
        <translation>New South Wales</translation>
    </message>
    <message>
        <source>Northern Territory</source>
        <translation>Northern Territory</translation>
    </message>
    <message>
        <source>Queensland</source>
        <translation>Queensland</translation>
    </message>
    <message>
        <source>South Australia</source>
        <translation>South Australia</translation>
    </message>
    <message>
        <source>Tasmania</source>
        <translation>Tasmanien</translation>
    </message>
    <message>
        <source>Victoria</source>
        <translation>Victoria</translation>
    </message>
    <message>
        <source>Western Australia</source>
        <translation>Western Australia</translation>
    </message>
    <message>
        <source>Brandenburg</source>
        <translation>Brandenburg</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlin</translation>
    </message>
    <message>
        <source>Baden-Württemberg</source>
        <translation>Baden-Württemberg</translation>
    </message>
    <message>
        <source>Bavaria</source>
        <translation>Bayern</translation>
    </message>
    <message>
        <source>Bremen</source>
        <translation>Bremen</translation>
    </message>
    <message>
        <source>Hesse</source>
        <translation>Hessen</translation>
    </message>
    <message>
        <source>Hamburg</source>
        <translation>Hamburg</translation>
    </message>
    <message>
        <source>Mecklenburg-Western Pomerania</source>
        <translation>Mecklenburg-Vorpommern</translation>
    </message>
    <message>
        <source>Lower Saxony</source>
        <translation>Niedersachsen</translation>
    </message>
    <message>
        <source>North Rhine-Westphalia</source>
        <translation>Nordrhein-Westfalen</translation>
    </message>
    <message>
        <source>Rhineland-Palatinate</source>
        <translation>Rheinland-Pfalz</translation>
    </message>
    <message>
        <source>Schleswig-Holstein</source>
        <translation>Schleswig-Holstein</translation>
    </message>
    <message>
        <source>Saarland</source>
        <translation>Saarland</translation>
    </message>
    <message>
        <source>Saxony</source>
        <translation>Sachsen</translation>
    </message>
    <message>
        <source>Saxony-Anhalt</source>
        <translation>Sachsen-Anhalt</translation>
    </message>
    <message>
        <source>Thuringia</source>
        <translation>Thüringen</translation>
    </message>
    <message>
        <source>Andalusia</source>
        <translation>Andalusien</translation>
    </message>
    <message>
        <source>Aragon</source>
        <translation>Aragonien</translation>
    </message>
    <message>
        <source>Asturias</source>
        <translation>Asturien</translation>
    </message>
    <message>
        <source>Cantabria</source>
        <translation>Kantabrien</translation>
    </message>
    <message>
        <source>Ceuta</source>
        <translation>Ceuta</translation>
    </message>
    <message>
        <source>Castile and León</source>
        <translation>Kastilien und León</translation>
    </message>
    <message>
        <source>Castilla-La Mancha</source>
        <translation>Kastilien-La Mancha</translation>
    </message>
    <message>
        <source>Canary Islands</source>
        <translation>Kanarische Inseln</translation>
    </message>
    <message>
        <source>Catalonia</source>
        <translation>Katalonien</translation>
    </message>
    <message>
        <source>Extremadura</source>
        <translation>Extremadura</translation>
    </message>
    <message>
        <source>Galicia</source>
        <translation>Galicien</translation>
    </message>
    <message>
        <source>Balearic Islands</source>
        <translation>Balearische Inseln</translation>
    </message>
    <message>
        <source>Region of Murcia</source>
        <translation>Region Murcia</translation>
    </message>
    <message>
        <source>Community of Madrid</source>
        <translation>Autonome Gemeinschaft Madrid</translation>
    </message>
    <message>
        <source>Melilla</source>
        <translation>Melilla</translation>
    </message>
    <message>
        <source>Navarre</source>
        <translation>Navarra</translation>
    </message>
    <message>
        <source>Basque Country</source>
        <translation>Baskenland</translation>
    </message>
    <message>
        <source>La Rioja</source>
        <translation>La Rioja</translation>
    </message>
    <message>
        <source>Valencian Community</source>
        <translation>Valencianische Gemeinschaft</translation>
    </message>
    <message>
        <source>Burgenland</source>
        <translation>Burgenland</translation>
    </message>
    <message>
        <source>Carinthia</source>
        <translation>Kärnten</translation>
    </message>
    <message>
        <source>Lower Austria</source>
        <translation>Niederösterreich</translation>
    </message>
    <message>
        <source>Upper Austria</source>
        <translation>Oberösterreich</translation>
    </message>
    <message>
        <source>Salzburg</source>
        <translation>Salzburg</translation>
    </message>
    <message>
        <source>Styria</source>
        <translation>Steiermark</translation>
    </message>
    <message>
        <source>Tyrol</source>
        <translation>Tirol</translation>
    </message>
    <message>
        <source>Vorarlberg</source>
        <translation>Vorarlberg</translation>
    </message>
    <message>
        <source>Vienna</source>
        <translation>Wien</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <source>Line %1 uses the character set %2, which cannot be read.</source>
        <translation>Zeile %1 verwendet den Zeichensatz %2, der nicht gelesen werden kann.</translation>
    </message>
    <message>
        <source>Line %1 is not UTF-8 text and names no other character set.</source>
        <translation>Zeile %1 ist kein UTF-8-Text und nennt keinen anderen Zeichensatz.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>Die Datei ist größer als %1 MB.</translation>
    </message>
    <message>
        <source>The file is not text.</source>
        <translation>Die Datei ist keine Textdatei.</translation>
    </message>
    <message>
        <source>Line %1 is longer than %2 MB.</source>
        <translation>Zeile %1 ist länger als %2 MB.</translation>
    </message>
    <message>
        <source>the photo file %1 cannot be read</source>
        <translation>die Fotodatei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the photo is neither in the card nor a local file</source>
        <translation>das Foto ist weder in der vCard enthalten noch eine lokale Datei</translation>
    </message>
    <message>
        <source>the photo&apos;s Base64 is broken</source>
        <translation>das Base64 des Fotos ist beschädigt</translation>
    </message>
    <message>
        <source>the photo is larger than %1 MB</source>
        <translation>das Foto ist größer als %1 MB</translation>
    </message>
    <message>
        <source>the photo is not a JPEG, PNG or GIF picture</source>
        <translation>das Foto ist kein JPEG-, PNG- oder GIF-Bild</translation>
    </message>
    <message>
        <source>The file holds no vCard.</source>
        <translation>Die Datei enthält keine vCard.</translation>
    </message>
</context>
<context>
    <name>WeekRule</name>
    <message>
        <source>First</source>
        <translation>Erster</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Zweiter</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Dritter</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Vierter</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzter</translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Builds a personalised calendar for one year and prints it.</source>
        <translation>Gestaltet einen persönlichen Kalender für ein Jahr und druckt ihn.</translation>
    </message>
    <message>
        <source>calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>A calendar file (.cal) to open.</source>
        <translation>Eine Kalenderdatei (.cal), die geöffnet wird.</translation>
    </message>
    <message>
        <source>[calendar]</source>
        <translation>[Kalender]</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgAbout</name>
    <message>
        <source>Tessolar Version %1</source>
        <translation>Tessolar Version %1</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgBigPics</name>
    <message>
        <source>Pick a Picture</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <source>Pictures (%1);;All Files (*)</source>
        <translation>Bilder (%1);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgGenConfig</name>
    <message>
        <source>Font for Calendar Body</source>
        <translation>Schrift für den Kalendertext</translation>
    </message>
    <message>
        <source>Pick a Directory</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Whole country</source>
        <translation>Ganzes Land</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgImportPreview</name>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>%1 holds %2 days for the calendar; %3 of them it has already. Check the ones to add.</source>
        <translation>%1 enthält %2 Tage für den Kalender, %3 davon stehen bereits darin. Wählen Sie die Tage aus, die hinzugefügt werden sollen.</translation>
    </message>
    <message>
        <source>Skipped (%1):</source>
        <translation>Übersprungen (%1):</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Check &amp;All</source>
        <translation>Alle aus&amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Uncheck All</source>
        <translation>Alle a&amp;bwählen</translation>
    </message>
    <message>
        <source>%1 checked; the calendar has room for %2 more entries.</source>
        <translation>%1 ausgewählt; der Kalender hat Platz für %2 weitere Einträge.</translation>
    </message>
    <message>
        <source>Uncheck %1 to import the rest.</source>
        <translation>Wählen Sie %1 ab, um die übrigen zu importieren.</translation>
    </message>
    <message>
        <source>Days to import</source>
        <translation>Zu importierende Tage</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgModifyEvent</name>
    <message>
        <source>Choose a picture</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <source>Pictures (%1);;All Files (*)</source>
        <translation>Bilder (%1);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgPickFrom</name>
    <message>
        <source>Which are you trying to change?</source>
        <translation>Was möchten Sie ändern?</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgTitle</name>
    <message>
        <source>Font for Cover Page</source>
        <translation>Schrift für die Titelseite</translation>
    </message>
    <message>
        <source>Title Font Color</source>
        <translation>Schriftfarbe des Titels</translation>
    </message>
</context>
<context>
    <name>tessolar::CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>Seite &amp;einrichten…</translation>
    </message>
    <message>
        <source>&amp;Wall Calendar Layout</source>
        <translation>&amp;Wandkalender-Layout</translation>
    </message>
    <message>
        <source>&amp;Crop Wall Pictures to Fill</source>
        <translation>Bilder des Wandkalenders rahmenfüllend &amp;zuschneiden</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau…</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>Als &amp;PDF exportieren…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Page</source>
        <translation>&amp;Seite</translation>
    </message>
    <message>
        <source>&amp;Welcome</source>
        <translation>&amp;Willkommen</translation>
    </message>
    <message>
        <source>&amp;Big Pictures</source>
        <translation>&amp;Große Bilder</translation>
    </message>
    <message>
        <source>&amp;Title Page</source>
        <translation>&amp;Titelseite</translation>
    </message>
    <message>
        <source>&amp;One Month</source>
        <translation>&amp;Ein Monat</translation>
    </message>
    <message>
        <source>&amp;All Months</source>
        <translation>&amp;Alle Monate</translation>
    </message>
    <message>
        <source>Month &amp;Previous</source>
        <translation>&amp;Vorheriger Monat</translation>
    </message>
    <message>
        <source>Month &amp;Next</source>
        <translation>&amp;Nächster Monat</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Konfiguration</translation>
    </message>
    <message>
        <source>&amp;Hidden Events</source>
        <translation>A&amp;usgeblendete Einträge</translation>
    </message>
    <message>
        <source>CalDatabase</source>
        <translation>Kalenderdaten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Tessolar...</source>
        <translation>Ü&amp;ber Tessolar…</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>Export as iCa&amp;lendar...</source>
        <translation>Als iCa&amp;lendar exportieren…</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Add Event...</source>
        <translation>Ereignis &amp;hinzufügen…</translation>
    </message>
    <message>
        <source>&amp;Edit Entry...</source>
        <translation>Eintrag &amp;bearbeiten…</translation>
    </message>
    <message>
        <source>&amp;Hide Entry</source>
        <translation>Eintrag &amp;ausblenden</translation>
    </message>
    <message>
        <source>&amp;Delete Entry...</source>
        <translation>Eintrag &amp;löschen…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Show the welcome page</source>
        <translation>Startseite anzeigen</translation>
    </message>
    <message>
        <source>Show the big pictures page</source>
        <translation>Seite mit großen Bildern anzeigen</translation>
    </message>
    <message>
        <source>Show the title page</source>
        <translation>Titelseite anzeigen</translation>
    </message>
    <message>
        <source>Show one month</source>
        <translation>Einen Monat anzeigen</translation>
    </message>
    <message>
        <source>Show all twelve months</source>
        <translation>Alle zwölf Monate anzeigen</translation>
    </message>
    <message>
        <source>Go to the previous month</source>
        <translation>Zum vorherigen Monat</translation>
    </message>
    <message>
        <source>Go to the next month</source>
        <translation>Zum nächsten Monat</translation>
    </message>
    <message>
        <source>Change the calendar settings</source>
        <translation>Kalendereinstellungen ändern</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a month button&apos;s tip: month name, year</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>tessolar::CPrintChoicesTab</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Booklet: title, months and pictures on landscape sheets (26 for the year)</source>
        <translation>Heft: Titel, Monate und Bilder auf Blättern im Querformat (26 für das Jahr)</translation>
    </message>
    <message>
        <source>Wall calendar: each month&apos;s picture above its grid on a portrait sheet (13 for the year)</source>
        <translation>Wandkalender: das Bild jedes Monats über seinem Raster auf einem Blatt im Hochformat (13 für das Jahr)</translation>
    </message>
    <message>
        <source>Pictures of the wall calendar</source>
        <translation>Bilder des Wandkalenders</translation>
    </message>
    <message>
        <source>Crop each picture to fill its frame</source>
        <translation>Jedes Bild so zuschneiden, dass es seinen Rahmen füllt</translation>
    </message>
    <message>
        <source>Show each picture whole</source>
        <translation>Jedes Bild ganz zeigen</translation>
    </message>
</context>
<context>
    <name>tessolar::CPrintHandler</name>
    <message>
        <source>The page could not be printed.</source>
        <translation>Die Seite konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>The page is still printing; try again when it is done.</source>
        <translation>Die Seite wird noch gedruckt; versuchen Sie es erneut, wenn der Druck fertig ist.</translation>
    </message>
    <message>
        <source>There is no page to print.</source>
        <translation>Es gibt keine Seite zum Drucken.</translation>
    </message>
    <message>
        <source>The page to print could not be written to %1.</source>
        <translation>Die zu druckende Seite konnte nicht nach %1 geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>tessolar::CTessolarView</name>
    <message>
        <source>The page cannot be shown: the browser engine&apos;s page process ended twice in a row. Choose a page from the Page menu to try again.</source>
        <translation>Die Seite kann nicht angezeigt werden: Der Seitenprozess der Browser-Engine wurde zweimal hintereinander beendet. Wählen Sie eine Seite im Menü „Seite“, um es erneut zu versuchen.</translation>
    </message>
</context>
<context>
    <name>tessolar::ImportPlanModel</name>
    <message>
        <source>d MMMM yyyy</source>
        <comment>a date with its year</comment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>a date without a year</comment>
        <translation>d. MMMM</translation>
    </message>
    <message>
        <source>The calendar has it already.</source>
        <translation>Steht bereits im Kalender.</translation>
    </message>
    <message>
        <source>No year: no age shown.</source>
        <translation>Kein Jahr: Das Alter wird nicht angezeigt.</translation>
    </message>
    <message>
        <source>Click to choose the type.</source>
        <translation>Klicken Sie, um den Typ zu wählen.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
</context>
</TS>
