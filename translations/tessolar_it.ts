<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>CDlgModifyEvent</name>
    <message>
        <source>Add / Modify An Event</source>
        <translation>Aggiungi o modifica un evento</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>&amp;Mese</translation>
    </message>
    <message>
        <source>&amp;Fixed (date never changes)</source>
        <translation>&amp;Fisso (la data non cambia mai)</translation>
    </message>
    <message>
        <source>&amp;Day</source>
        <translation>&amp;Giorno</translation>
    </message>
    <message>
        <source>&amp;Variable (3rd Monday)</source>
        <translation>&amp;Variabile (3º lunedì)</translation>
    </message>
    <message>
        <source>W&amp;hich</source>
        <translation>&amp;Quale</translation>
    </message>
    <message>
        <source>D&amp;ay</source>
        <translation>Gio&amp;rno della settimana</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Anno</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>&amp;Tipo</translation>
    </message>
    <message>
        <source>Des&amp;cription</source>
        <translation>&amp;Descrizione</translation>
    </message>
    <message>
        <source>File&amp;name</source>
        <translation>&amp;Nome del file</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Sfoglia…</translation>
    </message>
    <message>
        <source>Show A&amp;ge</source>
        <translation>Mostra l’&amp;età</translation>
    </message>
    <message>
        <source>H&amp;ide It</source>
        <translation>Nasc&amp;ondi</translation>
    </message>
    <message>
        <source>Automated Description</source>
        <translation>Descrizione automatica</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>E&amp;limina</translation>
    </message>
    <message>
        <source>Picture preview</source>
        <translation>Anteprima dell’immagine</translation>
    </message>
</context>
<context>
    <name>CalendarDocument</name>
    <message>
        <source>Change</source>
        <translation>Modifica</translation>
    </message>
</context>
<context>
    <name>CalendarExchange</name>
    <message>
        <source>Imported pictures are kept in a folder beside the calendar file, so the calendar is saved first.</source>
        <translation>Le immagini importate vengono conservate in una cartella accanto al file del calendario, quindi il calendario viene salvato prima.</translation>
    </message>
    <message>
        <source>Start a new calendar or open one, then import into it.</source>
        <translation>Crea un nuovo calendario o aprine uno, poi importa al suo interno.</translation>
    </message>
    <message>
        <source>The calendar could not be written to %1.</source>
        <translation>Impossibile scrivere il calendario in %1.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importazione</translation>
    </message>
</context>
<context>
    <name>CalendarFile</name>
    <message>
        <source>no file name was given</source>
        <translation>non è stato indicato alcun nome di file</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>il file è di sola lettura</translation>
    </message>
    <message>
        <source>Could not open the calendar %1: %2.</source>
        <translation>Impossibile aprire il calendario %1: %2.</translation>
    </message>
    <message>
        <source>%1 lists more entries than a calendar holds (%2). Entries left out: %3.</source>
        <translation>%1 contiene più eventi di quanti un calendario ne possa contenere (%2). Eventi tralasciati: %3.</translation>
    </message>
    <message>
        <source>Could not save the calendar to %1: %2.</source>
        <translation>Impossibile salvare il calendario in %1: %2.</translation>
    </message>
    <message>
        <source>it is far too large for a calendar</source>
        <translation>il file è decisamente troppo grande per un calendario</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>il file è vuoto</translation>
    </message>
    <message>
        <source>it is not a calendar file, or it is damaged</source>
        <translation>non è un file di calendario, oppure è danneggiato</translation>
    </message>
    <message>
        <source>the calendar&apos;s file name holds a line break</source>
        <translation>il nome del file del calendario contiene un a capo</translation>
    </message>
    <message>
        <source>%1 names a region its country has not (%2): it shows the whole country.</source>
        <translation>%1 indica una regione che non esiste nel suo paese (%2): viene mostrato tutto il paese.</translation>
    </message>
    <message>
        <source>%1 names a first month that is not 1 to 12 (%2): it starts in January.</source>
        <translation>%1 indica un primo mese che non è tra 1 e 12 (%2): il calendario inizia a gennaio.</translation>
    </message>
</context>
<context>
    <name>CalendarLocks</name>
    <message>
        <source>%1 is open in another Tessolar (process %2). Open it here as well? Each may then save over the other&apos;s changes.</source>
        <translation>%1 è aperto in un’altra istanza di Tessolar (processo %2). Aprirlo anche qui? Salvando, ciascuna potrebbe poi sovrascrivere le modifiche dell’altra.</translation>
    </message>
</context>
<context>
    <name>CalendarOpening</name>
    <message>
        <source>No such file.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>Could not open file (%1)
%2</source>
        <translation>Impossibile aprire il file (%1)
%2</translation>
    </message>
    <message>
        <source>%1 Saving will not replace the file without asking.</source>
        <translation>%1 Al salvataggio il file non verrà sostituito senza chiedere conferma.</translation>
    </message>
    <message>
        <source>Change Configuration</source>
        <translation>Modifica della configurazione</translation>
    </message>
</context>
<context>
    <name>Country</name>
    <message>
        <source>United States</source>
        <translation>Stati Uniti</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Regno Unito</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>Mexico</source>
        <translation>Messico</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irlanda</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Germania</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Nuova Zelanda</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Francia</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgio</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Paesi Bassi</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spagna</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Austria</translation>
    </message>
</context>
<context>
    <name>DlgAbout</name>
    <message>
        <source>About Tessolar</source>
        <translation>Informazioni su Tessolar</translation>
    </message>
    <message>
        <source>Build and print a calendar of your own, with your days and pictures.</source>
        <translation>Crea e stampa un calendario tutto tuo, con i tuoi giorni e le tue immagini.</translation>
    </message>
</context>
<context>
    <name>DlgBigPics</name>
    <message>
        <source>Modify Big Picture</source>
        <translation>Modifica l’immagine grande</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Descrizione</translation>
    </message>
    <message>
        <source>&amp;File name</source>
        <translation>&amp;Nome del file</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Sfoglia…</translation>
    </message>
</context>
<context>
    <name>DlgGenConfig</name>
    <message>
        <source>Enter Calendar Configuration</source>
        <translation>Configurazione del calendario</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Anno</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>C&amp;ountry</source>
        <translation>&amp;Paese</translation>
    </message>
    <message>
        <source>First &amp;day of the week</source>
        <translation>Primo &amp;giorno della settimana</translation>
    </message>
    <message>
        <source>Main Calendar Font &amp;Style</source>
        <translation>&amp;Carattere del calendario</translation>
    </message>
    <message>
        <source>Font for Calendar Body</source>
        <translation>Carattere del testo del calendario</translation>
    </message>
    <message>
        <source>Cl&amp;ipart</source>
        <translation>Cartella cl&amp;ipart</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Sfoglia…</translation>
    </message>
    <message>
        <source>Computed Days</source>
        <translation>Giorni calcolati</translation>
    </message>
    <message>
        <source>Include &amp;Jewish Holidays</source>
        <translation>Includi le festività &amp;ebraiche</translation>
    </message>
    <message>
        <source>Include &amp;Equinox Days</source>
        <translation>Includi equinozi e s&amp;olstizi</translation>
    </message>
    <message>
        <source>Include Full &amp;Moons</source>
        <translation>Includi le l&amp;une piene</translation>
    </message>
    <message>
        <source>Include E&amp;aster Holidays</source>
        <translation>Includi la Pasqua e le feste &amp;mobili</translation>
    </message>
    <message>
        <source>Include &amp;National Holidays</source>
        <translation>Includi le festività &amp;nazionali</translation>
    </message>
    <message>
        <source>&amp;Region</source>
        <translation>&amp;Regione</translation>
    </message>
    <message>
        <source>The public holidays shown are those of this region; the whole country shows every region&apos;s</source>
        <translation>Vengono mostrati i giorni festivi di questa regione; con tutto il paese, quelli di tutte le regioni</translation>
    </message>
    <message>
        <source>Include Moon &amp;Phases (new moon, quarters)</source>
        <translation>Includi le &amp;fasi lunari (luna nuova, quarti)</translation>
    </message>
    <message>
        <source>Mar&amp;k days off (holidays in colour, weekends tinted)</source>
        <translation>E&amp;videnzia i giorni liberi (festivi a colori, fine settimana ombreggiati)</translation>
    </message>
    <message>
        <source>Show &amp;week numbers (ISO 8601, beside each week)</source>
        <translation>Mos&amp;tra i numeri delle settimane (ISO 8601, accanto a ogni settimana)</translation>
    </message>
    <message>
        <source>&amp;First month</source>
        <translation>Mese &amp;di inizio</translation>
    </message>
</context>
<context>
    <name>DlgTitle</name>
    <message>
        <source>Title Page Configuration</source>
        <translation>Configurazione della copertina</translation>
    </message>
    <message>
        <source>&amp;Title for Calendar</source>
        <translation>&amp;Titolo del calendario</translation>
    </message>
    <message>
        <source>Title &amp;Font Style</source>
        <translation>&amp;Carattere del titolo</translation>
    </message>
    <message>
        <source>Font for Cover Page</source>
        <translation>Carattere della copertina</translation>
    </message>
    <message>
        <source>Title Font &amp;Color</source>
        <translation>C&amp;olore del titolo</translation>
    </message>
    <message>
        <source>Choose the title colour</source>
        <translation>Scegli il colore del titolo</translation>
    </message>
    <message>
        <source>Title Font Si&amp;ze</source>
        <translation>&amp;Dimensione del titolo</translation>
    </message>
    <message>
        <source>Title Page &amp;Picture</source>
        <translation>&amp;Immagine della copertina</translation>
    </message>
    <message>
        <source>Title &amp;X Position</source>
        <translation>Posizione &amp;X del titolo</translation>
    </message>
    <message>
        <source>Title &amp;Y Position</source>
        <translation>Posizione &amp;Y del titolo</translation>
    </message>
    <message>
        <source>Text Box &amp;Width</source>
        <translation>&amp;Larghezza della casella di testo</translation>
    </message>
</context>
<context>
    <name>EntryEditing</name>
    <message>
        <source>did not find index in database</source>
        <translation>Evento non trovato nei dati del calendario.</translation>
    </message>
    <message>
        <source>The calendar is full: it holds %1 entries. Delete one to add another.</source>
        <translation>Il calendario è pieno: contiene %1 eventi. Eliminane uno per aggiungerne un altro.</translation>
    </message>
    <message>
        <source>New Entry</source>
        <translation>Nuovo evento</translation>
    </message>
    <message>
        <source>Add ‘%1’</source>
        <translation>Aggiunta di «%1»</translation>
    </message>
    <message>
        <source>Change ‘%1’</source>
        <translation>Modifica di «%1»</translation>
    </message>
    <message>
        <source>Delete ‘%1’</source>
        <translation>Eliminazione di «%1»</translation>
    </message>
    <message>
        <source>Hide ‘%1’</source>
        <translation>Occultamento di «%1»</translation>
    </message>
    <message>
        <source>Delete ‘%1’?</source>
        <translation>Eliminare «%1»?</translation>
    </message>
    <message>
        <source>Show ‘%1’</source>
        <translation>Visualizzazione di «%1»</translation>
    </message>
    <message>
        <source>Change Big Picture</source>
        <translation>Modifica dell’immagine grande</translation>
    </message>
    <message>
        <source>Change Title Page</source>
        <translation>Modifica del frontespizio</translation>
    </message>
    <message>
        <source>Drop Picture</source>
        <translation>Rilascio dell’immagine</translation>
    </message>
</context>
<context>
    <name>EntryType</name>
    <message>
        <source>Anniversary</source>
        <translation>Anniversario</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Compleanno</translation>
    </message>
    <message>
        <source>National Holiday</source>
        <translation>Festività nazionale</translation>
    </message>
    <message>
        <source>Hebrew Holiday</source>
        <translation>Festività ebraica</translation>
    </message>
    <message>
        <source>Christian Holiday</source>
        <translation>Festività cristiana</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Luna piena</translation>
    </message>
    <message>
        <source>Sober Anniversary</source>
        <translation>Anniversario di sobrietà</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Promemoria</translation>
    </message>
    <message>
        <source>Personal Event</source>
        <translation>Evento personale</translation>
    </message>
    <message>
        <source>Historical Event</source>
        <translation>Evento storico</translation>
    </message>
</context>
<context>
    <name>EventEntry</name>
    <message>
        <source>The day must be a number from 1 to %1 (%2 %3).</source>
        <translation>Il giorno deve essere un numero da 1 a %1 (%2 %3).</translation>
    </message>
    <message>
        <source>%1 %2 has no day %3: type a day from 1 to %4.</source>
        <translation>Il %3 %1 %2 non esiste: inserisci un giorno da 1 a %4.</translation>
    </message>
    <message>
        <source>The year must be a number, such as 1985 (or -753 for 753 BCE).</source>
        <translation>L’anno deve essere un numero, come 1985 (o -753 per il 753 a.C.).</translation>
    </message>
    <message>
        <source>The year must lie between -%1 and %1, and cannot be 0.</source>
        <translation>L’anno deve essere compreso tra -%1 e %1 e non può essere 0.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>%1 Replacing the file loses them. Replace it anyway?</source>
        <translation>%1 Sostituendo il file andrebbero persi. Sostituirlo comunque?</translation>
    </message>
    <message>
        <source>Overwrite existing file?</source>
        <translation>Sovrascrivere il file esistente?</translation>
    </message>
    <message>
        <source>The file (%1) is read-only protected.</source>
        <translation>Il file (%1) è protetto da scrittura.</translation>
    </message>
    <message>
        <source>Unable to write to file (%1).</source>
        <translation>Impossibile scrivere nel file (%1).</translation>
    </message>
    <message>
        <source>Save changes before exit?</source>
        <translation>Salvare le modifiche prima di uscire?</translation>
    </message>
    <message>
        <source>Save changes to the current calendar?</source>
        <translation>Salvare le modifiche al calendario attuale?</translation>
    </message>
    <message>
        <source>failed to write output file</source>
        <translation>Impossibile scrivere il file di output.</translation>
    </message>
</context>
<context>
    <name>ICalendarImport</name>
    <message>
        <source>an event without a summary</source>
        <translation>un evento senza titolo</translation>
    </message>
    <message>
        <source>an event without a valid start day</source>
        <translation>un evento senza un giorno di inizio valido</translation>
    </message>
    <message>
        <source>it repeats, but not once a year</source>
        <translation>si ripete, ma non una volta all’anno</translation>
    </message>
    <message>
        <source>a single event in %1, not in %2</source>
        <translation>un evento singolo nel %1, non nel %2</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Il file non è testo UTF-8.</translation>
    </message>
    <message>
        <source>The file holds no iCalendar calendar.</source>
        <translation>Il file non contiene alcun calendario iCalendar.</translation>
    </message>
    <message>
        <source>a single event on %1, not between %2 and %3</source>
        <translation>un evento singolo il %1, non tra il %2 e il %3</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>the date %1 does not exist</source>
        <translation>la data %1 non esiste</translation>
    </message>
    <message>
        <source>comes without its picture: %1</source>
        <translation>viene importato senza la sua immagine: %1</translation>
    </message>
    <message>
        <source>a card without a name</source>
        <translation>una vCard senza nome</translation>
    </message>
    <message>
        <source>no birthday or anniversary</source>
        <translation>né compleanno né anniversario</translation>
    </message>
    <message>
        <source>%1 entries are checked, but the calendar has room for %2.</source>
        <translation>Sono selezionati %1 eventi, ma il calendario ha spazio solo per %2.</translation>
    </message>
    <message>
        <source>The picture of %1 cannot be written to %2.</source>
        <translation>Impossibile scrivere l’immagine di %1 in %2.</translation>
    </message>
</context>
<context>
    <name>ImportSource</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB.</source>
        <translation>%1 è più grande di %2 MB.</translation>
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
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Olandese</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>gennaio</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>aprile</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maggio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>giugno</translation>
    </message>
    <message>
        <source>July</source>
        <translation>luglio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>settembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>dicembre</translation>
    </message>
</context>
<context>
    <name>PageNavigator</name>
    <message>
        <source>The page could not be written to %1.</source>
        <translation>Impossibile scrivere la pagina in %1.</translation>
    </message>
</context>
<context>
    <name>PagePdf</name>
    <message>
        <source>printing took longer than %1 s</source>
        <translation>La stampa ha richiesto più di %1 s</translation>
    </message>
    <message>
        <source>the page could not be printed</source>
        <translation>Impossibile stampare la pagina</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>could not load the page %1</source>
        <translation>Impossibile caricare la pagina %1</translation>
    </message>
    <message>
        <source>the page %1 did not load within %2 s</source>
        <translation>La pagina %1 non si è caricata entro %2 s</translation>
    </message>
</context>
<context>
    <name>ProgramNames</name>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
</context>
<context>
    <name>QSettingsStore</name>
    <message>
        <source>The settings file %1 could not be read. Tessolar starts with its default settings, and recent calendars and the window position are not kept.</source>
        <translation>Impossibile leggere il file delle impostazioni %1. Tessolar si avvia con le impostazioni predefinite; i calendari recenti e la posizione della finestra non vengono conservati.</translation>
    </message>
</context>
<context>
    <name>QtUserPrompts</name>
    <message>
        <source>Calendar Files (*.cal *.CAL);;All Files (*)</source>
        <translation>File di calendario (*.cal *.CAL);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Open Calendar</source>
        <translation>Apri calendario</translation>
    </message>
    <message>
        <source>Save Calendar</source>
        <translation>Salva calendario</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Address Books and Calendars (*.vcf *.VCF *.vcard *.ics *.ICS);;vCard Files (*.vcf *.VCF *.vcard);;iCalendar Files (*.ics *.ICS);;All Files (*)</source>
        <translation>Rubriche e calendari (*.vcf *.VCF *.vcard *.ics *.ICS);;File vCard (*.vcf *.VCF *.vcard);;File iCalendar (*.ics *.ICS);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Export as iCalendar</source>
        <translation>Esporta come iCalendar</translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics)</source>
        <translation>File iCalendar (*.ics)</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>an unnamed calendar</source>
        <translation>un calendario senza nome</translation>
    </message>
    <message>
        <source>Tessolar ended without saving the changes to %1 (last changed %2). Recover them?</source>
        <translation>Tessolar si è chiuso senza salvare le modifiche a %1 (ultima modifica: %2). Recuperarle?</translation>
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
        <translation>California</translation>
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
        <translation>Distretto di Columbia</translation>
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
        <translation>Carolina del Nord</translation>
    </message>
    <message>
        <source>North Dakota</source>
        <translation>Dakota del Nord</translation>
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
        <translation>Nuovo Messico</translation>
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
        <translation>Carolina del Sud</translation>
    </message>
    <message>
        <source>South Dakota</source>
        <translation>Dakota del Sud</translation>
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
        <translation>Virginia Occidentale</translation>
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
        <translation>Columbia Britannica</translation>
    </message>
    <message>
        <source>Manitoba</source>
        <translation>Manitoba</translation>
    </message>
    <message>
        <source>New Brunswick</source>
        <translation>Nuovo Brunswick</translation>
    </message>
    <message>
        <source>Newfoundland and Labrador</source>
        <translation>Terranova e Labrador</translation>
    </message>
    <message>
        <source>Nova Scotia</source>
        <translation>Nuova Scozia</translation>
    </message>
    <message>
        <source>Northwest Territories</source>
        <translation>Territori del Nord-Ovest</translation>
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
        <translation>Isola del Principe Edoardo</translation>
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
        <translation>Inghilterra e Galles</translation>
    </message>
    <message>
        <source>Northern Ireland</source>
        <translation>Irlanda del Nord</translation>
    </message>
    <message>
        <source>Scotland</source>
        <translation>Scozia</translation>
    </message>
    <message>
        <source>Australian Capital Territory</source>
        <translation>Territorio della Capitale Australiana</translation>
    </message>
    <message>
        <source>New South Wales</source>
        <translation>Nuovo Galles del Sud</translation>
    </message>
    <message>
        <source>Northern Territory</source>
        <translation>Territorio del Nord</translation>
    </message>
    <message>
        <source>Queensland</source>
        <translation>Queensland</translation>
    </message>
    <message>
        <source>South Australia</source>
        <translation>Australia Meridionale</translation>
    </message>
    <message>
        <source>Tasmania</source>
        <translation>Tasmania</translation>
    </message>
    <message>
        <source>Victoria</source>
        <translation>Victoria</translation>
    </message>
    <message>
        <source>Western Australia</source>
        <translation>Australia Occidentale</translation>
    </message>
    <message>
        <source>Brandenburg</source>
        <translation>Brandeburgo</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlino</translation>
    </message>
    <message>
        <source>Baden-Württemberg</source>
        <translation>Baden-Württemberg</translation>
    </message>
    <message>
        <source>Bavaria</source>
        <translation>Baviera</translation>
    </message>
    <message>
        <source>Bremen</source>
        <translation>Brema</translation>
    </message>
    <message>
        <source>Hesse</source>
        <translation>Assia</translation>
    </message>
    <message>
        <source>Hamburg</source>
        <translation>Amburgo</translation>
    </message>
    <message>
        <source>Mecklenburg-Western Pomerania</source>
        <translation>Meclemburgo-Pomerania Anteriore</translation>
    </message>
    <message>
        <source>Lower Saxony</source>
        <translation>Bassa Sassonia</translation>
    </message>
    <message>
        <source>North Rhine-Westphalia</source>
        <translation>Renania Settentrionale-Vestfalia</translation>
    </message>
    <message>
        <source>Rhineland-Palatinate</source>
        <translation>Renania-Palatinato</translation>
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
        <translation>Sassonia</translation>
    </message>
    <message>
        <source>Saxony-Anhalt</source>
        <translation>Sassonia-Anhalt</translation>
    </message>
    <message>
        <source>Thuringia</source>
        <translation>Turingia</translation>
    </message>
    <message>
        <source>Andalusia</source>
        <translation>Andalusia</translation>
    </message>
    <message>
        <source>Aragon</source>
        <translation>Aragona</translation>
    </message>
    <message>
        <source>Asturias</source>
        <translation>Asturie</translation>
    </message>
    <message>
        <source>Cantabria</source>
        <translation>Cantabria</translation>
    </message>
    <message>
        <source>Ceuta</source>
        <translation>Ceuta</translation>
    </message>
    <message>
        <source>Castile and León</source>
        <translation>Castiglia e León</translation>
    </message>
    <message>
        <source>Castilla-La Mancha</source>
        <translation>Castiglia-La Mancia</translation>
    </message>
    <message>
        <source>Canary Islands</source>
        <translation>Isole Canarie</translation>
    </message>
    <message>
        <source>Catalonia</source>
        <translation>Catalogna</translation>
    </message>
    <message>
        <source>Extremadura</source>
        <translation>Estremadura</translation>
    </message>
    <message>
        <source>Galicia</source>
        <translation>Galizia</translation>
    </message>
    <message>
        <source>Balearic Islands</source>
        <translation>Isole Baleari</translation>
    </message>
    <message>
        <source>Region of Murcia</source>
        <translation>Regione di Murcia</translation>
    </message>
    <message>
        <source>Community of Madrid</source>
        <translation>Comunità di Madrid</translation>
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
        <translation>Paesi Baschi</translation>
    </message>
    <message>
        <source>La Rioja</source>
        <translation>La Rioja</translation>
    </message>
    <message>
        <source>Valencian Community</source>
        <translation>Comunità Valenciana</translation>
    </message>
    <message>
        <source>Burgenland</source>
        <translation>Burgenland</translation>
    </message>
    <message>
        <source>Carinthia</source>
        <translation>Carinzia</translation>
    </message>
    <message>
        <source>Lower Austria</source>
        <translation>Bassa Austria</translation>
    </message>
    <message>
        <source>Upper Austria</source>
        <translation>Alta Austria</translation>
    </message>
    <message>
        <source>Salzburg</source>
        <translation>Salisburghese</translation>
    </message>
    <message>
        <source>Styria</source>
        <translation>Stiria</translation>
    </message>
    <message>
        <source>Tyrol</source>
        <translation>Tirolo</translation>
    </message>
    <message>
        <source>Vorarlberg</source>
        <translation>Vorarlberg</translation>
    </message>
    <message>
        <source>Vienna</source>
        <translation>Vienna</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <source>Line %1 uses the character set %2, which cannot be read.</source>
        <translation>La riga %1 usa il set di caratteri %2, che non può essere letto.</translation>
    </message>
    <message>
        <source>Line %1 is not UTF-8 text and names no other character set.</source>
        <translation>La riga %1 non è testo UTF-8 e non indica un altro set di caratteri.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>Il file è più grande di %1 MB.</translation>
    </message>
    <message>
        <source>The file is not text.</source>
        <translation>Il file non è un file di testo.</translation>
    </message>
    <message>
        <source>Line %1 is longer than %2 MB.</source>
        <translation>La riga %1 supera i %2 MB.</translation>
    </message>
    <message>
        <source>the photo file %1 cannot be read</source>
        <translation>impossibile leggere il file della foto %1</translation>
    </message>
    <message>
        <source>the photo is neither in the card nor a local file</source>
        <translation>la foto non è né nella vCard né in un file locale</translation>
    </message>
    <message>
        <source>the photo&apos;s Base64 is broken</source>
        <translation>il Base64 della foto è danneggiato</translation>
    </message>
    <message>
        <source>the photo is larger than %1 MB</source>
        <translation>la foto è più grande di %1 MB</translation>
    </message>
    <message>
        <source>the photo is not a JPEG, PNG or GIF picture</source>
        <translation>la foto non è un’immagine JPEG, PNG o GIF</translation>
    </message>
    <message>
        <source>The file holds no vCard.</source>
        <translation>Il file non contiene alcuna vCard.</translation>
    </message>
</context>
<context>
    <name>WeekRule</name>
    <message>
        <source>First</source>
        <translation>Primo</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Secondo</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Terzo</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Quarto</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Ultimo</translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Sunday</source>
        <translation>domenica</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>venerdì</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sabato</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Builds a personalised calendar for one year and prints it.</source>
        <translation>Crea un calendario personalizzato di un anno e lo stampa.</translation>
    </message>
    <message>
        <source>calendar</source>
        <translation>calendario</translation>
    </message>
    <message>
        <source>A calendar file (.cal) to open.</source>
        <translation>Un file di calendario (.cal) da aprire.</translation>
    </message>
    <message>
        <source>[calendar]</source>
        <translation>[calendario]</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgAbout</name>
    <message>
        <source>Tessolar Version %1</source>
        <translation>Tessolar versione %1</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgBigPics</name>
    <message>
        <source>Pick a Picture</source>
        <translation>Scegli un’immagine</translation>
    </message>
    <message>
        <source>Pictures (%1);;All Files (*)</source>
        <translation>Immagini (%1);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgGenConfig</name>
    <message>
        <source>Font for Calendar Body</source>
        <translation>Carattere del testo del calendario</translation>
    </message>
    <message>
        <source>Pick a Directory</source>
        <translation>Scegli una cartella</translation>
    </message>
    <message>
        <source>Whole country</source>
        <translation>Tutto il paese</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgImportPreview</name>
    <message>
        <source>(no name)</source>
        <translation>(senza nome)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>%1 holds %2 days for the calendar; %3 of them it has already. Check the ones to add.</source>
        <translation>%1 contiene %2 giorni per il calendario; %3 sono già presenti. Seleziona quelli da aggiungere.</translation>
    </message>
    <message>
        <source>Skipped (%1):</source>
        <translation>Saltati (%1):</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>Check &amp;All</source>
        <translation>&amp;Seleziona tutto</translation>
    </message>
    <message>
        <source>&amp;Uncheck All</source>
        <translation>&amp;Deseleziona tutto</translation>
    </message>
    <message>
        <source>%1 checked; the calendar has room for %2 more entries.</source>
        <translation>%1 selezionati; il calendario ha spazio per altri %2 eventi.</translation>
    </message>
    <message>
        <source>Uncheck %1 to import the rest.</source>
        <translation>Deselezionane %1 per importare gli altri.</translation>
    </message>
    <message>
        <source>Days to import</source>
        <translation>Giorni da importare</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgModifyEvent</name>
    <message>
        <source>Choose a picture</source>
        <translation>Scegli un’immagine</translation>
    </message>
    <message>
        <source>Pictures (%1);;All Files (*)</source>
        <translation>Immagini (%1);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgPickFrom</name>
    <message>
        <source>Which are you trying to change?</source>
        <translation>Cosa vuoi modificare?</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgTitle</name>
    <message>
        <source>Font for Cover Page</source>
        <translation>Carattere della copertina</translation>
    </message>
    <message>
        <source>Title Font Color</source>
        <translation>Colore del titolo</translation>
    </message>
</context>
<context>
    <name>tessolar::CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva &amp;con nome…</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>&amp;Imposta pagina…</translation>
    </message>
    <message>
        <source>&amp;Wall Calendar Layout</source>
        <translation>Impaginazione calendario da &amp;muro</translation>
    </message>
    <message>
        <source>&amp;Crop Wall Pictures to Fill</source>
        <translation>&amp;Ritaglia le immagini del calendario da muro</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>An&amp;teprima di stampa…</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Stam&amp;pa…</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>Esporta come P&amp;DF…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Page</source>
        <translation>&amp;Pagina</translation>
    </message>
    <message>
        <source>&amp;Welcome</source>
        <translation>&amp;Benvenuto</translation>
    </message>
    <message>
        <source>&amp;Big Pictures</source>
        <translation>&amp;Immagini grandi</translation>
    </message>
    <message>
        <source>&amp;Title Page</source>
        <translation>&amp;Copertina</translation>
    </message>
    <message>
        <source>&amp;One Month</source>
        <translation>&amp;Un mese</translation>
    </message>
    <message>
        <source>&amp;All Months</source>
        <translation>&amp;Tutti i mesi</translation>
    </message>
    <message>
        <source>Month &amp;Previous</source>
        <translation>Mese &amp;precedente</translation>
    </message>
    <message>
        <source>Month &amp;Next</source>
        <translation>Mese &amp;successivo</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>Con&amp;figurazione</translation>
    </message>
    <message>
        <source>&amp;Hidden Events</source>
        <translation>Eventi &amp;nascosti</translation>
    </message>
    <message>
        <source>CalDatabase</source>
        <translation>Dati del calendario</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About Tessolar...</source>
        <translation>&amp;Informazioni su Tessolar…</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Esporta come PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>Imp&amp;orta…</translation>
    </message>
    <message>
        <source>Export as iCa&amp;lendar...</source>
        <translation>Esporta come iCa&amp;lendar…</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Add Event...</source>
        <translation>&amp;Aggiungi evento…</translation>
    </message>
    <message>
        <source>&amp;Edit Entry...</source>
        <translation>&amp;Modifica voce…</translation>
    </message>
    <message>
        <source>&amp;Hide Entry</source>
        <translation>&amp;Nascondi voce</translation>
    </message>
    <message>
        <source>&amp;Delete Entry...</source>
        <translation>&amp;Elimina voce…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>&amp;Cancella elenco</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annulla %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ripeti %1</translation>
    </message>
    <message>
        <source>Show the welcome page</source>
        <translation>Mostra la pagina di benvenuto</translation>
    </message>
    <message>
        <source>Show the big pictures page</source>
        <translation>Mostra la pagina delle immagini grandi</translation>
    </message>
    <message>
        <source>Show the title page</source>
        <translation>Mostra il frontespizio</translation>
    </message>
    <message>
        <source>Show one month</source>
        <translation>Mostra un mese</translation>
    </message>
    <message>
        <source>Show all twelve months</source>
        <translation>Mostra tutti i dodici mesi</translation>
    </message>
    <message>
        <source>Go to the previous month</source>
        <translation>Vai al mese precedente</translation>
    </message>
    <message>
        <source>Go to the next month</source>
        <translation>Vai al mese successivo</translation>
    </message>
    <message>
        <source>Change the calendar settings</source>
        <translation>Modifica le impostazioni del calendario</translation>
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
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Impaginazione</translation>
    </message>
    <message>
        <source>Booklet: title, months and pictures on landscape sheets (26 for the year)</source>
        <translation>Libretto: copertina, mesi e immagini su fogli orizzontali (26 per l’anno)</translation>
    </message>
    <message>
        <source>Wall calendar: each month&apos;s picture above its grid on a portrait sheet (13 for the year)</source>
        <translation>Calendario da muro: l’immagine di ogni mese sopra la sua griglia, su un foglio verticale (13 per l’anno)</translation>
    </message>
    <message>
        <source>Pictures of the wall calendar</source>
        <translation>Immagini del calendario da muro</translation>
    </message>
    <message>
        <source>Crop each picture to fill its frame</source>
        <translation>Ritaglia ogni immagine perché riempia la sua cornice</translation>
    </message>
    <message>
        <source>Show each picture whole</source>
        <translation>Mostra ogni immagine per intero</translation>
    </message>
</context>
<context>
    <name>tessolar::CPrintHandler</name>
    <message>
        <source>The page could not be printed.</source>
        <translation>Impossibile stampare la pagina.</translation>
    </message>
    <message>
        <source>The page is still printing; try again when it is done.</source>
        <translation>La pagina è ancora in stampa; riprova quando la stampa è terminata.</translation>
    </message>
    <message>
        <source>There is no page to print.</source>
        <translation>Non c’è nessuna pagina da stampare.</translation>
    </message>
    <message>
        <source>The page to print could not be written to %1.</source>
        <translation>Impossibile scrivere in %1 la pagina da stampare.</translation>
    </message>
</context>
<context>
    <name>tessolar::CTessolarView</name>
    <message>
        <source>The page cannot be shown: the browser engine&apos;s page process ended twice in a row. Choose a page from the Page menu to try again.</source>
        <translation>Impossibile mostrare la pagina: il processo di pagina del motore del browser è terminato due volte di seguito. Scegli una pagina dal menu «Pagina» per riprovare.</translation>
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
        <translation>È già nel calendario.</translation>
    </message>
    <message>
        <source>No year: no age shown.</source>
        <translation>Nessun anno: l’età non viene mostrata.</translation>
    </message>
    <message>
        <source>Click to choose the type.</source>
        <translation>Fai clic per scegliere il tipo.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
</context>
</TS>
