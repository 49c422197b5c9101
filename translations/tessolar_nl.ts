<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>CDlgModifyEvent</name>
    <message>
        <source>Add / Modify An Event</source>
        <translation>Gebeurtenis toevoegen of wijzigen</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>&amp;Maand</translation>
    </message>
    <message>
        <source>&amp;Fixed (date never changes)</source>
        <translation>&amp;Vast (datum verandert nooit)</translation>
    </message>
    <message>
        <source>&amp;Day</source>
        <translation>&amp;Dag</translation>
    </message>
    <message>
        <source>&amp;Variable (3rd Monday)</source>
        <translation>Va&amp;riabel (3e maandag)</translation>
    </message>
    <message>
        <source>W&amp;hich</source>
        <translation>&amp;Welke</translation>
    </message>
    <message>
        <source>D&amp;ay</source>
        <translation>Wee&amp;kdag</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Jaar</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>Des&amp;cription</source>
        <translation>&amp;Omschrijving</translation>
    </message>
    <message>
        <source>File&amp;name</source>
        <translation>Bestands&amp;naam</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Bladeren…</translation>
    </message>
    <message>
        <source>Show A&amp;ge</source>
        <translation>&amp;Leeftijd tonen</translation>
    </message>
    <message>
        <source>H&amp;ide It</source>
        <translation>Verber&amp;gen</translation>
    </message>
    <message>
        <source>Automated Description</source>
        <translation>Automatische omschrijving</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>Verw&amp;ijderen</translation>
    </message>
    <message>
        <source>Picture preview</source>
        <translation>Voorbeeld van de afbeelding</translation>
    </message>
</context>
<context>
    <name>CalendarDocument</name>
    <message>
        <source>Change</source>
        <translation>Wijziging</translation>
    </message>
</context>
<context>
    <name>CalendarExchange</name>
    <message>
        <source>Imported pictures are kept in a folder beside the calendar file, so the calendar is saved first.</source>
        <translation>Geïmporteerde afbeeldingen worden bewaard in een map naast het kalenderbestand, daarom wordt de kalender eerst opgeslagen.</translation>
    </message>
    <message>
        <source>Start a new calendar or open one, then import into it.</source>
        <translation>Begin een nieuwe kalender of open er een, en importeer er daarna in.</translation>
    </message>
    <message>
        <source>The calendar could not be written to %1.</source>
        <translation>Kan de kalender niet naar %1 schrijven.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
</context>
<context>
    <name>CalendarFile</name>
    <message>
        <source>no file name was given</source>
        <translation>er is geen bestandsnaam opgegeven</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>het bestand is alleen-lezen</translation>
    </message>
    <message>
        <source>Could not open the calendar %1: %2.</source>
        <translation>Kan de kalender %1 niet openen: %2.</translation>
    </message>
    <message>
        <source>%1 lists more entries than a calendar holds (%2). Entries left out: %3.</source>
        <translation>%1 bevat meer gebeurtenissen dan er in een kalender passen (%2). Weggelaten gebeurtenissen: %3.</translation>
    </message>
    <message>
        <source>Could not save the calendar to %1: %2.</source>
        <translation>Kan de kalender niet opslaan als %1: %2.</translation>
    </message>
    <message>
        <source>it is far too large for a calendar</source>
        <translation>het bestand is veel te groot voor een kalender</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>het bestand is leeg</translation>
    </message>
    <message>
        <source>it is not a calendar file, or it is damaged</source>
        <translation>het is geen kalenderbestand, of het is beschadigd</translation>
    </message>
    <message>
        <source>the calendar&apos;s file name holds a line break</source>
        <translation>de bestandsnaam van de kalender bevat een regeleinde</translation>
    </message>
    <message>
        <source>%1 names a region its country has not (%2): it shows the whole country.</source>
        <translation>%1 noemt een regio die in het land van de kalender niet bestaat (%2): het hele land wordt getoond.</translation>
    </message>
    <message>
        <source>%1 names a first month that is not 1 to 12 (%2): it starts in January.</source>
        <translation>%1 noemt een eerste maand die niet tussen 1 en 12 ligt (%2): de kalender begint in januari.</translation>
    </message>
</context>
<context>
    <name>CalendarLocks</name>
    <message>
        <source>%1 is open in another Tessolar (process %2). Open it here as well? Each may then save over the other&apos;s changes.</source>
        <translation>%1 is geopend in een ander exemplaar van Tessolar (proces %2). Ook hier openen? Dan kan het ene exemplaar bij het opslaan de wijzigingen van het andere overschrijven.</translation>
    </message>
</context>
<context>
    <name>CalendarOpening</name>
    <message>
        <source>No such file.</source>
        <translation>Dit bestand bestaat niet.</translation>
    </message>
    <message>
        <source>Could not open file (%1)
%2</source>
        <translation>Kan het bestand niet openen (%1)
%2</translation>
    </message>
    <message>
        <source>%1 Saving will not replace the file without asking.</source>
        <translation>%1 Bij het opslaan wordt het bestand niet zonder te vragen vervangen.</translation>
    </message>
    <message>
        <source>Change Configuration</source>
        <translation>Instellingen wijzigen</translation>
    </message>
</context>
<context>
    <name>Country</name>
    <message>
        <source>United States</source>
        <translation>Verenigde Staten</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Verenigd Koninkrijk</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australië</translation>
    </message>
    <message>
        <source>Mexico</source>
        <translation>Mexico</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Ierland</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Duitsland</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Nieuw-Zeeland</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankrijk</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>België</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Nederland</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italië</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spanje</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Oostenrijk</translation>
    </message>
</context>
<context>
    <name>DlgAbout</name>
    <message>
        <source>About Tessolar</source>
        <translation>Over Tessolar</translation>
    </message>
    <message>
        <source>Build and print a calendar of your own, with your days and pictures.</source>
        <translation>Stel uw eigen kalender samen en druk hem af, met uw eigen dagen en afbeeldingen.</translation>
    </message>
</context>
<context>
    <name>DlgBigPics</name>
    <message>
        <source>Modify Big Picture</source>
        <translation>Grote afbeelding wijzigen</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Omschrijving</translation>
    </message>
    <message>
        <source>&amp;File name</source>
        <translation>&amp;Bestandsnaam</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Bl&amp;aderen…</translation>
    </message>
</context>
<context>
    <name>DlgGenConfig</name>
    <message>
        <source>Enter Calendar Configuration</source>
        <translation>Kalenderinstellingen</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Jaar</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>C&amp;ountry</source>
        <translation>&amp;Land</translation>
    </message>
    <message>
        <source>First &amp;day of the week</source>
        <translation>Eerste &amp;dag van de week</translation>
    </message>
    <message>
        <source>Main Calendar Font &amp;Style</source>
        <translation>&amp;Kalenderlettertype</translation>
    </message>
    <message>
        <source>Font for Calendar Body</source>
        <translation>Lettertype voor de kalendertekst</translation>
    </message>
    <message>
        <source>Cl&amp;ipart</source>
        <translation>&amp;Map met clipart</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Bladeren…</translation>
    </message>
    <message>
        <source>Computed Days</source>
        <translation>Berekende dagen</translation>
    </message>
    <message>
        <source>Include &amp;Jewish Holidays</source>
        <translation>J&amp;oodse feestdagen opnemen</translation>
    </message>
    <message>
        <source>Include &amp;Equinox Days</source>
        <translation>Nachteveningen en &amp;zonnewendes opnemen</translation>
    </message>
    <message>
        <source>Include Full &amp;Moons</source>
        <translation>&amp;Volle manen opnemen</translation>
    </message>
    <message>
        <source>Include E&amp;aster Holidays</source>
        <translation>Feestdagen rond &amp;Pasen opnemen</translation>
    </message>
    <message>
        <source>Include &amp;National Holidays</source>
        <translation>&amp;Nationale feestdagen opnemen</translation>
    </message>
    <message>
        <source>&amp;Region</source>
        <translation>&amp;Regio</translation>
    </message>
    <message>
        <source>The public holidays shown are those of this region; the whole country shows every region&apos;s</source>
        <translation>Getoond worden de feestdagen van deze regio; bij het hele land die van alle regio’s</translation>
    </message>
    <message>
        <source>Include Moon &amp;Phases (new moon, quarters)</source>
        <translation>Maan&amp;fasen opnemen (nieuwe maan, kwartieren)</translation>
    </message>
    <message>
        <source>Mar&amp;k days off (holidays in colour, weekends tinted)</source>
        <translation>Vr&amp;ije dagen markeren (feestdagen in kleur, weekenden getint)</translation>
    </message>
    <message>
        <source>Show &amp;week numbers (ISO 8601, beside each week)</source>
        <translation>&amp;Weeknummers tonen (ISO 8601, naast elke week)</translation>
    </message>
    <message>
        <source>&amp;First month</source>
        <translation>&amp;Eerste maand</translation>
    </message>
</context>
<context>
    <name>DlgTitle</name>
    <message>
        <source>Title Page Configuration</source>
        <translation>Titelpagina instellen</translation>
    </message>
    <message>
        <source>&amp;Title for Calendar</source>
        <translation>&amp;Titel van de kalender</translation>
    </message>
    <message>
        <source>Title &amp;Font Style</source>
        <translation>&amp;Lettertype van de titel</translation>
    </message>
    <message>
        <source>Font for Cover Page</source>
        <translation>Lettertype voor de titelpagina</translation>
    </message>
    <message>
        <source>Title Font &amp;Color</source>
        <translation>&amp;Kleur van de titel</translation>
    </message>
    <message>
        <source>Choose the title colour</source>
        <translation>Kleur van de titel kiezen</translation>
    </message>
    <message>
        <source>Title Font Si&amp;ze</source>
        <translation>Letter&amp;grootte van de titel</translation>
    </message>
    <message>
        <source>Title Page &amp;Picture</source>
        <translation>&amp;Afbeelding op de titelpagina</translation>
    </message>
    <message>
        <source>Title &amp;X Position</source>
        <translation>&amp;X-positie van de titel</translation>
    </message>
    <message>
        <source>Title &amp;Y Position</source>
        <translation>&amp;Y-positie van de titel</translation>
    </message>
    <message>
        <source>Text Box &amp;Width</source>
        <translation>&amp;Breedte van het tekstvak</translation>
    </message>
</context>
<context>
    <name>EntryEditing</name>
    <message>
        <source>did not find index in database</source>
        <translation>De gebeurtenis is niet gevonden in de kalendergegevens.</translation>
    </message>
    <message>
        <source>The calendar is full: it holds %1 entries. Delete one to add another.</source>
        <translation>De kalender is vol: hij bevat %1 gebeurtenissen. Verwijder er een om een nieuwe toe te voegen.</translation>
    </message>
    <message>
        <source>New Entry</source>
        <translation>Nieuwe gebeurtenis</translation>
    </message>
    <message>
        <source>Add ‘%1’</source>
        <translation>‘%1’ toevoegen</translation>
    </message>
    <message>
        <source>Change ‘%1’</source>
        <translation>‘%1’ wijzigen</translation>
    </message>
    <message>
        <source>Delete ‘%1’</source>
        <translation>‘%1’ verwijderen</translation>
    </message>
    <message>
        <source>Hide ‘%1’</source>
        <translation>‘%1’ verbergen</translation>
    </message>
    <message>
        <source>Delete ‘%1’?</source>
        <translation>‘%1’ verwijderen?</translation>
    </message>
    <message>
        <source>Show ‘%1’</source>
        <translation>‘%1’ weer tonen</translation>
    </message>
    <message>
        <source>Change Big Picture</source>
        <translation>Grote afbeelding wijzigen</translation>
    </message>
    <message>
        <source>Change Title Page</source>
        <translation>Titelpagina wijzigen</translation>
    </message>
    <message>
        <source>Drop Picture</source>
        <translation>Afbeelding neerzetten</translation>
    </message>
</context>
<context>
    <name>EntryType</name>
    <message>
        <source>Anniversary</source>
        <translation>Trouwdag</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Verjaardag</translation>
    </message>
    <message>
        <source>National Holiday</source>
        <translation>Nationale feestdag</translation>
    </message>
    <message>
        <source>Hebrew Holiday</source>
        <translation>Joodse feestdag</translation>
    </message>
    <message>
        <source>Christian Holiday</source>
        <translation>Christelijke feestdag</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Volle maan</translation>
    </message>
    <message>
        <source>Sober Anniversary</source>
        <translation>Nuchterheidsjubileum</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Herinnering</translation>
    </message>
    <message>
        <source>Personal Event</source>
        <translation>Persoonlijke gebeurtenis</translation>
    </message>
    <message>
        <source>Historical Event</source>
        <translation>Historische gebeurtenis</translation>
    </message>
</context>
<context>
    <name>EventEntry</name>
    <message>
        <source>The day must be a number from 1 to %1 (%2 %3).</source>
        <translation>De dag moet een getal van 1 tot en met %1 zijn (%2 %3).</translation>
    </message>
    <message>
        <source>%1 %2 has no day %3: type a day from 1 to %4.</source>
        <translation>%3 %1 %2 bestaat niet: typ een dag van 1 tot en met %4.</translation>
    </message>
    <message>
        <source>The year must be a number, such as 1985 (or -753 for 753 BCE).</source>
        <translation>Het jaar moet een getal zijn, zoals 1985 (of -753 voor 753 v.Chr.).</translation>
    </message>
    <message>
        <source>The year must lie between -%1 and %1, and cannot be 0.</source>
        <translation>Het jaar moet tussen -%1 en %1 liggen en mag niet 0 zijn.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>%1 Replacing the file loses them. Replace it anyway?</source>
        <translation>%1 Als u het bestand vervangt, gaan ze verloren. Toch vervangen?</translation>
    </message>
    <message>
        <source>Overwrite existing file?</source>
        <translation>Bestaand bestand overschrijven?</translation>
    </message>
    <message>
        <source>The file (%1) is read-only protected.</source>
        <translation>Het bestand (%1) is alleen-lezen.</translation>
    </message>
    <message>
        <source>Unable to write to file (%1).</source>
        <translation>Kan niet naar het bestand (%1) schrijven.</translation>
    </message>
    <message>
        <source>Save changes before exit?</source>
        <translation>Wijzigingen opslaan voor het afsluiten?</translation>
    </message>
    <message>
        <source>Save changes to the current calendar?</source>
        <translation>Wijzigingen in de huidige kalender opslaan?</translation>
    </message>
    <message>
        <source>failed to write output file</source>
        <translation>Kan het uitvoerbestand niet schrijven.</translation>
    </message>
</context>
<context>
    <name>ICalendarImport</name>
    <message>
        <source>an event without a summary</source>
        <translation>een gebeurtenis zonder titel</translation>
    </message>
    <message>
        <source>an event without a valid start day</source>
        <translation>een gebeurtenis zonder geldige begindag</translation>
    </message>
    <message>
        <source>it repeats, but not once a year</source>
        <translation>wordt herhaald, maar niet jaarlijks</translation>
    </message>
    <message>
        <source>a single event in %1, not in %2</source>
        <translation>een eenmalige gebeurtenis in %1, niet in %2</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Het bestand is geen UTF-8-tekst.</translation>
    </message>
    <message>
        <source>The file holds no iCalendar calendar.</source>
        <translation>Het bestand bevat geen iCalendar-kalender.</translation>
    </message>
    <message>
        <source>a single event on %1, not between %2 and %3</source>
        <translation>een eenmalige gebeurtenis op %1, niet tussen %2 en %3</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>the date %1 does not exist</source>
        <translation>de datum %1 bestaat niet</translation>
    </message>
    <message>
        <source>comes without its picture: %1</source>
        <translation>wordt zonder afbeelding geïmporteerd: %1</translation>
    </message>
    <message>
        <source>a card without a name</source>
        <translation>een vCard zonder naam</translation>
    </message>
    <message>
        <source>no birthday or anniversary</source>
        <translation>geen verjaardag of trouwdag</translation>
    </message>
    <message>
        <source>%1 entries are checked, but the calendar has room for %2.</source>
        <translation>Er zijn %1 gebeurtenissen aangevinkt, maar de kalender heeft maar ruimte voor %2.</translation>
    </message>
    <message>
        <source>The picture of %1 cannot be written to %2.</source>
        <translation>Kan de afbeelding van %1 niet naar %2 schrijven.</translation>
    </message>
</context>
<context>
    <name>ImportSource</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Kan %1 niet lezen.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB.</source>
        <translation>%1 is groter dan %2 MB.</translation>
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
        <translation>Engels</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spaans</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Duits</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiaans</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>januari</translation>
    </message>
    <message>
        <source>February</source>
        <translation>februari</translation>
    </message>
    <message>
        <source>March</source>
        <translation>maart</translation>
    </message>
    <message>
        <source>April</source>
        <translation>april</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mei</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>augustus</translation>
    </message>
    <message>
        <source>September</source>
        <translation>september</translation>
    </message>
    <message>
        <source>October</source>
        <translation>oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>november</translation>
    </message>
    <message>
        <source>December</source>
        <translation>december</translation>
    </message>
</context>
<context>
    <name>PageNavigator</name>
    <message>
        <source>The page could not be written to %1.</source>
        <translation>Kan de pagina niet naar %1 schrijven.</translation>
    </message>
</context>
<context>
    <name>PagePdf</name>
    <message>
        <source>printing took longer than %1 s</source>
        <translation>Het afdrukken duurde langer dan %1 s</translation>
    </message>
    <message>
        <source>the page could not be printed</source>
        <translation>Kan de pagina niet afdrukken</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>Kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>could not load the page %1</source>
        <translation>Kan de pagina %1 niet laden</translation>
    </message>
    <message>
        <source>the page %1 did not load within %2 s</source>
        <translation>De pagina %1 is niet binnen %2 s geladen</translation>
    </message>
</context>
<context>
    <name>ProgramNames</name>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
    </message>
</context>
<context>
    <name>QSettingsStore</name>
    <message>
        <source>The settings file %1 could not be read. Tessolar starts with its default settings, and recent calendars and the window position are not kept.</source>
        <translation>Kan het instellingenbestand %1 niet lezen. Tessolar start met de standaardinstellingen; recente kalenders en de vensterpositie worden niet bewaard.</translation>
    </message>
</context>
<context>
    <name>QtUserPrompts</name>
    <message>
        <source>Calendar Files (*.cal *.CAL);;All Files (*)</source>
        <translation>Kalenderbestanden (*.cal *.CAL);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Open Calendar</source>
        <translation>Kalender openen</translation>
    </message>
    <message>
        <source>Save Calendar</source>
        <translation>Kalender opslaan</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <source>Address Books and Calendars (*.vcf *.VCF *.vcard *.ics *.ICS);;vCard Files (*.vcf *.VCF *.vcard);;iCalendar Files (*.ics *.ICS);;All Files (*)</source>
        <translation>Adresboeken en kalenders (*.vcf *.VCF *.vcard *.ics *.ICS);;vCard-bestanden (*.vcf *.VCF *.vcard);;iCalendar-bestanden (*.ics *.ICS);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Export as iCalendar</source>
        <translation>Exporteren als iCalendar</translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics)</source>
        <translation>iCalendar-bestanden (*.ics)</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>an unnamed calendar</source>
        <translation>een naamloze kalender</translation>
    </message>
    <message>
        <source>Tessolar ended without saving the changes to %1 (last changed %2). Recover them?</source>
        <translation>Tessolar is afgesloten zonder de wijzigingen in %1 op te slaan (laatst gewijzigd: %2). Wilt u ze herstellen?</translation>
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
        <translation>Californië</translation>
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
        <translation>Hawaï</translation>
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
        <translation>Noord-Carolina</translation>
    </message>
    <message>
        <source>North Dakota</source>
        <translation>Noord-Dakota</translation>
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
        <translation>Zuid-Carolina</translation>
    </message>
    <message>
        <source>South Dakota</source>
        <translation>Zuid-Dakota</translation>
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
        <translation>Brits-Columbia</translation>
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
        <translation>Newfoundland en Labrador</translation>
    </message>
    <message>
        <source>Nova Scotia</source>
        <translation>Nova Scotia</translation>
    </message>
    <message>
        <source>Northwest Territories</source>
        <translation>Northwest Territories</translation>
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
        <translation>Prins Edwardeiland</translation>
    </message>
    <message>
        <source>Quebec</source>
        <translation>Quebec</translation>
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
        <translation>Engeland en Wales</translation>
    </message>
    <message>
        <source>Northern Ireland</source>
        <translation>Noord-Ierland</translation>
    </message>
    <message>
        <source>Scotland</source>
        <translation>Schotland</translation>
    </message>
    <message>
        <source>Australian Capital Territory</source>
        <translation>Australisch Hoofdstedelijk Territorium</translation>
    </message>
    <message>
        <source>New South Wales</source>
        <translation>Nieuw-Zuid-Wales</translation>
    </message>
    <message>
        <source>Northern Territory</source>
        <translation>Noordelijk Territorium</translation>
    </message>
    <message>
        <source>Queensland</source>
        <translation>Queensland</translation>
    </message>
    <message>
        <source>South Australia</source>
        <translation>Zuid-Australië</translation>
    </message>
    <message>
        <source>Tasmania</source>
        <translation>Tasmanië</translation>
    </message>
    <message>
        <source>Victoria</source>
        <translation>Victoria</translation>
    </message>
    <message>
        <source>Western Australia</source>
        <translation>West-Australië</translation>
    </message>
    <message>
        <source>Brandenburg</source>
        <translation>Brandenburg</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlijn</translation>
    </message>
    <message>
        <source>Baden-Württemberg</source>
        <translation>Baden-Württemberg</translation>
    </message>
    <message>
        <source>Bavaria</source>
        <translation>Beieren</translation>
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
        <translation>Mecklenburg-Voor-Pommeren</translation>
    </message>
    <message>
        <source>Lower Saxony</source>
        <translation>Nedersaksen</translation>
    </message>
    <message>
        <source>North Rhine-Westphalia</source>
        <translation>Noordrijn-Westfalen</translation>
    </message>
    <message>
        <source>Rhineland-Palatinate</source>
        <translation>Rijnland-Palts</translation>
    </message>
    <message>
        <source>Schleswig-Holstein</source>
        <translation>Sleeswijk-Holstein</translation>
    </message>
    <message>
        <source>Saarland</source>
        <translation>Saarland</translation>
    </message>
    <message>
        <source>Saxony</source>
        <translation>Saksen</translation>
    </message>
    <message>
        <source>Saxony-Anhalt</source>
        <translation>Saksen-Anhalt</translation>
    </message>
    <message>
        <source>Thuringia</source>
        <translation>Thüringen</translation>
    </message>
    <message>
        <source>Andalusia</source>
        <translation>Andalusië</translation>
    </message>
    <message>
        <source>Aragon</source>
        <translation>Aragón</translation>
    </message>
    <message>
        <source>Asturias</source>
        <translation>Asturië</translation>
    </message>
    <message>
        <source>Cantabria</source>
        <translation>Cantabrië</translation>
    </message>
    <message>
        <source>Ceuta</source>
        <translation>Ceuta</translation>
    </message>
    <message>
        <source>Castile and León</source>
        <translation>Castilië en León</translation>
    </message>
    <message>
        <source>Castilla-La Mancha</source>
        <translation>Castilië-La Mancha</translation>
    </message>
    <message>
        <source>Canary Islands</source>
        <translation>Canarische Eilanden</translation>
    </message>
    <message>
        <source>Catalonia</source>
        <translation>Catalonië</translation>
    </message>
    <message>
        <source>Extremadura</source>
        <translation>Extremadura</translation>
    </message>
    <message>
        <source>Galicia</source>
        <translation>Galicië</translation>
    </message>
    <message>
        <source>Balearic Islands</source>
        <translation>Balearen</translation>
    </message>
    <message>
        <source>Region of Murcia</source>
        <translation>Regio Murcia</translation>
    </message>
    <message>
        <source>Community of Madrid</source>
        <translation>Autonome Gemeenschap Madrid</translation>
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
        <translation>Valenciaanse Gemeenschap</translation>
    </message>
    <message>
        <source>Burgenland</source>
        <translation>Burgenland</translation>
    </message>
    <message>
        <source>Carinthia</source>
        <translation>Karinthië</translation>
    </message>
    <message>
        <source>Lower Austria</source>
        <translation>Neder-Oostenrijk</translation>
    </message>
    <message>
        <source>Upper Austria</source>
        <translation>Opper-Oostenrijk</translation>
    </message>
    <message>
        <source>Salzburg</source>
        <translation>Salzburg</translation>
    </message>
    <message>
        <source>Styria</source>
        <translation>Stiermarken</translation>
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
        <translation>Wenen</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <source>Line %1 uses the character set %2, which cannot be read.</source>
        <translation>Regel %1 gebruikt de tekenset %2, die niet kan worden gelezen.</translation>
    </message>
    <message>
        <source>Line %1 is not UTF-8 text and names no other character set.</source>
        <translation>Regel %1 is geen UTF-8-tekst en noemt geen andere tekenset.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>Het bestand is groter dan %1 MB.</translation>
    </message>
    <message>
        <source>The file is not text.</source>
        <translation>Het bestand is geen tekstbestand.</translation>
    </message>
    <message>
        <source>Line %1 is longer than %2 MB.</source>
        <translation>Regel %1 is langer dan %2 MB.</translation>
    </message>
    <message>
        <source>the photo file %1 cannot be read</source>
        <translation>het fotobestand %1 kan niet worden gelezen</translation>
    </message>
    <message>
        <source>the photo is neither in the card nor a local file</source>
        <translation>de foto staat niet in de vCard en is ook geen lokaal bestand</translation>
    </message>
    <message>
        <source>the photo&apos;s Base64 is broken</source>
        <translation>de Base64-code van de foto is beschadigd</translation>
    </message>
    <message>
        <source>the photo is larger than %1 MB</source>
        <translation>de foto is groter dan %1 MB</translation>
    </message>
    <message>
        <source>the photo is not a JPEG, PNG or GIF picture</source>
        <translation>de foto is geen JPEG-, PNG- of GIF-afbeelding</translation>
    </message>
    <message>
        <source>The file holds no vCard.</source>
        <translation>Het bestand bevat geen vCard.</translation>
    </message>
</context>
<context>
    <name>WeekRule</name>
    <message>
        <source>First</source>
        <translation>Eerste</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Tweede</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Derde</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Vierde</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Laatste</translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Sunday</source>
        <translation>zondag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>maandag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>dinsdag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>woensdag</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>donderdag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vrijdag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>zaterdag</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Builds a personalised calendar for one year and prints it.</source>
        <translation>Maakt een persoonlijke kalender voor één jaar en drukt die af.</translation>
    </message>
    <message>
        <source>calendar</source>
        <translation>kalender</translation>
    </message>
    <message>
        <source>A calendar file (.cal) to open.</source>
        <translation>Een kalenderbestand (.cal) om te openen.</translation>
    </message>
    <message>
        <source>[calendar]</source>
        <translation>[kalender]</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgAbout</name>
    <message>
        <source>Tessolar Version %1</source>
        <translation>Tessolar versie %1</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgBigPics</name>
    <message>
        <source>Pick a Picture</source>
        <translation>Kies een afbeelding</translation>
    </message>
    <message>
        <source>Pictures (%1);;All Files (*)</source>
        <translation>Afbeeldingen (%1);;Alle bestanden (*)</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgGenConfig</name>
    <message>
        <source>Font for Calendar Body</source>
        <translation>Lettertype voor de kalendertekst</translation>
    </message>
    <message>
        <source>Pick a Directory</source>
        <translation>Kies een map</translation>
    </message>
    <message>
        <source>Whole country</source>
        <translation>Het hele land</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgImportPreview</name>
    <message>
        <source>(no name)</source>
        <translation>(geen naam)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <source>%1 holds %2 days for the calendar; %3 of them it has already. Check the ones to add.</source>
        <translation>%1 bevat %2 dagen voor de kalender; %3 daarvan staan er al in. Vink de dagen aan die u wilt toevoegen.</translation>
    </message>
    <message>
        <source>Skipped (%1):</source>
        <translation>Overgeslagen (%1):</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importeren</translation>
    </message>
    <message>
        <source>Check &amp;All</source>
        <translation>Alles aan&amp;vinken</translation>
    </message>
    <message>
        <source>&amp;Uncheck All</source>
        <translation>Alles &amp;uitvinken</translation>
    </message>
    <message>
        <source>%1 checked; the calendar has room for %2 more entries.</source>
        <translation>%1 aangevinkt; de kalender heeft ruimte voor nog %2 gebeurtenissen.</translation>
    </message>
    <message>
        <source>Uncheck %1 to import the rest.</source>
        <translation>Vink er %1 uit om de rest te importeren.</translation>
    </message>
    <message>
        <source>Days to import</source>
        <translation>Te importeren dagen</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgModifyEvent</name>
    <message>
        <source>Choose a picture</source>
        <translation>Kies een afbeelding</translation>
    </message>
    <message>
        <source>Pictures (%1);;All Files (*)</source>
        <translation>Afbeeldingen (%1);;Alle bestanden (*)</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgPickFrom</name>
    <message>
        <source>Which are you trying to change?</source>
        <translation>Wat wilt u wijzigen?</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgTitle</name>
    <message>
        <source>Font for Cover Page</source>
        <translation>Lettertype voor de titelpagina</translation>
    </message>
    <message>
        <source>Title Font Color</source>
        <translation>Kleur van de titel</translation>
    </message>
</context>
<context>
    <name>tessolar::CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Openen…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Opslaan a&amp;ls…</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>Pagina-&amp;instelling…</translation>
    </message>
    <message>
        <source>&amp;Wall Calendar Layout</source>
        <translation>Indeling als &amp;wandkalender</translation>
    </message>
    <message>
        <source>&amp;Crop Wall Pictures to Fill</source>
        <translation>Afbeeldingen van de wandkalender passend &amp;bijsnijden</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Afdruk&amp;voorbeeld…</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Afdrukken…</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>&amp;Exporteren als PDF…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>&amp;Page</source>
        <translation>&amp;Pagina</translation>
    </message>
    <message>
        <source>&amp;Welcome</source>
        <translation>&amp;Welkom</translation>
    </message>
    <message>
        <source>&amp;Big Pictures</source>
        <translation>&amp;Grote afbeeldingen</translation>
    </message>
    <message>
        <source>&amp;Title Page</source>
        <translation>&amp;Titelpagina</translation>
    </message>
    <message>
        <source>&amp;One Month</source>
        <translation>&amp;Eén maand</translation>
    </message>
    <message>
        <source>&amp;All Months</source>
        <translation>&amp;Alle maanden</translation>
    </message>
    <message>
        <source>Month &amp;Previous</source>
        <translation>&amp;Vorige maand</translation>
    </message>
    <message>
        <source>Month &amp;Next</source>
        <translation>Volge&amp;nde maand</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configuratie</translation>
    </message>
    <message>
        <source>&amp;Hidden Events</source>
        <translation>Ver&amp;borgen gebeurtenissen</translation>
    </message>
    <message>
        <source>CalDatabase</source>
        <translation>Kalendergegevens</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About Tessolar...</source>
        <translation>&amp;Over Tessolar…</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagina’s</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exporteren als PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>I&amp;mporteren…</translation>
    </message>
    <message>
        <source>Export as iCa&amp;lendar...</source>
        <translation>Exporteren als i&amp;Calendar…</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Op&amp;nieuw</translation>
    </message>
    <message>
        <source>&amp;Add Event...</source>
        <translation>Gebeurtenis &amp;toevoegen…</translation>
    </message>
    <message>
        <source>&amp;Edit Entry...</source>
        <translation>Item &amp;bewerken…</translation>
    </message>
    <message>
        <source>&amp;Hide Entry</source>
        <translation>Item &amp;verbergen</translation>
    </message>
    <message>
        <source>&amp;Delete Entry...</source>
        <translation>Item &amp;verwijderen…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Recent geopend</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>Lijst &amp;wissen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>%1 &amp;ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>%1 op&amp;nieuw</translation>
    </message>
    <message>
        <source>Show the welcome page</source>
        <translation>Welkomstpagina weergeven</translation>
    </message>
    <message>
        <source>Show the big pictures page</source>
        <translation>Pagina met grote afbeeldingen weergeven</translation>
    </message>
    <message>
        <source>Show the title page</source>
        <translation>Titelpagina weergeven</translation>
    </message>
    <message>
        <source>Show one month</source>
        <translation>Eén maand weergeven</translation>
    </message>
    <message>
        <source>Show all twelve months</source>
        <translation>Alle twaalf maanden weergeven</translation>
    </message>
    <message>
        <source>Go to the previous month</source>
        <translation>Naar de vorige maand</translation>
    </message>
    <message>
        <source>Go to the next month</source>
        <translation>Naar de volgende maand</translation>
    </message>
    <message>
        <source>Change the calendar settings</source>
        <translation>Kalenderinstellingen wijzigen</translation>
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
        <translation>Indeling</translation>
    </message>
    <message>
        <source>Booklet: title, months and pictures on landscape sheets (26 for the year)</source>
        <translation>Boekje: titel, maanden en afbeeldingen op liggende vellen (26 voor het jaar)</translation>
    </message>
    <message>
        <source>Wall calendar: each month&apos;s picture above its grid on a portrait sheet (13 for the year)</source>
        <translation>Wandkalender: de afbeelding van elke maand boven het rooster, op een staand vel (13 voor het jaar)</translation>
    </message>
    <message>
        <source>Pictures of the wall calendar</source>
        <translation>Afbeeldingen van de wandkalender</translation>
    </message>
    <message>
        <source>Crop each picture to fill its frame</source>
        <translation>Elke afbeelding bijsnijden tot ze haar kader vult</translation>
    </message>
    <message>
        <source>Show each picture whole</source>
        <translation>Elke afbeelding volledig tonen</translation>
    </message>
</context>
<context>
    <name>tessolar::CPrintHandler</name>
    <message>
        <source>The page could not be printed.</source>
        <translation>Kan de pagina niet afdrukken.</translation>
    </message>
    <message>
        <source>The page is still printing; try again when it is done.</source>
        <translation>De pagina wordt nog afgedrukt; probeer het opnieuw als dat klaar is.</translation>
    </message>
    <message>
        <source>There is no page to print.</source>
        <translation>Er is geen pagina om af te drukken.</translation>
    </message>
    <message>
        <source>The page to print could not be written to %1.</source>
        <translation>Kan de af te drukken pagina niet naar %1 schrijven.</translation>
    </message>
</context>
<context>
    <name>tessolar::CTessolarView</name>
    <message>
        <source>The page cannot be shown: the browser engine&apos;s page process ended twice in a row. Choose a page from the Page menu to try again.</source>
        <translation>De pagina kan niet worden weergegeven: het paginaproces van de browser-engine is twee keer achter elkaar gestopt. Kies een pagina in het menu “Pagina” om het opnieuw te proberen.</translation>
    </message>
</context>
<context>
    <name>tessolar::ImportPlanModel</name>
    <message>
        <source>d MMMM yyyy</source>
        <comment>a date with its year</comment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>a date without a year</comment>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>The calendar has it already.</source>
        <translation>Staat al in de kalender.</translation>
    </message>
    <message>
        <source>No year: no age shown.</source>
        <translation>Geen jaar: de leeftijd wordt niet getoond.</translation>
    </message>
    <message>
        <source>Click to choose the type.</source>
        <translation>Klik om het type te kiezen.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Omschrijving</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Opmerking</translation>
    </message>
</context>
</TS>
