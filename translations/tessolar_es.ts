<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CDlgModifyEvent</name>
    <message>
        <source>Add / Modify An Event</source>
        <translation>Añadir o modificar un evento</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>&amp;Mes</translation>
    </message>
    <message>
        <source>&amp;Fixed (date never changes)</source>
        <translation>&amp;Fija (la fecha no cambia nunca)</translation>
    </message>
    <message>
        <source>&amp;Day</source>
        <translation>&amp;Día</translation>
    </message>
    <message>
        <source>&amp;Variable (3rd Monday)</source>
        <translation>&amp;Variable (3.er lunes)</translation>
    </message>
    <message>
        <source>W&amp;hich</source>
        <translation>&amp;Cuál</translation>
    </message>
    <message>
        <source>D&amp;ay</source>
        <translation>Día de la &amp;semana</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Año</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>&amp;Tipo</translation>
    </message>
    <message>
        <source>Des&amp;cription</source>
        <translation>Descri&amp;pción</translation>
    </message>
    <message>
        <source>File&amp;name</source>
        <translation>&amp;Nombre de archivo</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar…</translation>
    </message>
    <message>
        <source>Show A&amp;ge</source>
        <translation>M&amp;ostrar edad</translation>
    </message>
    <message>
        <source>H&amp;ide It</source>
        <translation>Ocu&amp;ltar</translation>
    </message>
    <message>
        <source>Automated Description</source>
        <translation>Descripción automática</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>Elim&amp;inar</translation>
    </message>
    <message>
        <source>Picture preview</source>
        <translation>Vista previa de la imagen</translation>
    </message>
</context>
<context>
    <name>CalendarDocument</name>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
</context>
<context>
    <name>CalendarExchange</name>
    <message>
        <source>Imported pictures are kept in a folder beside the calendar file, so the calendar is saved first.</source>
        <translation>Las imágenes importadas se guardan en una carpeta junto al archivo del calendario, por lo que primero se guarda el calendario.</translation>
    </message>
    <message>
        <source>Start a new calendar or open one, then import into it.</source>
        <translation>Cree un calendario nuevo o abra uno y, después, importe en él.</translation>
    </message>
    <message>
        <source>The calendar could not be written to %1.</source>
        <translation>No se pudo escribir el calendario en %1.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importación</translation>
    </message>
</context>
<context>
    <name>CalendarFile</name>
    <message>
        <source>no file name was given</source>
        <translation>no se indicó ningún nombre de archivo</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>Could not open the calendar %1: %2.</source>
        <translation>No se pudo abrir el calendario %1: %2.</translation>
    </message>
    <message>
        <source>%1 lists more entries than a calendar holds (%2). Entries left out: %3.</source>
        <translation>%1 contiene más entradas de las que admite un calendario (%2). Entradas omitidas: %3.</translation>
    </message>
    <message>
        <source>Could not save the calendar to %1: %2.</source>
        <translation>No se pudo guardar el calendario en %1: %2.</translation>
    </message>
    <message>
        <source>it is far too large for a calendar</source>
        <translation>es demasiado grande para un calendario</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>it is not a calendar file, or it is damaged</source>
        <translation>no es un archivo de calendario o está dañado</translation>
    </message>
    <message>
        <source>the calendar&apos;s file name holds a line break</source>
        <translation>el nombre de archivo del calendario contiene un salto de línea</translation>
    </message>
    <message>
        <source>%1 names a region its country has not (%2): it shows the whole country.</source>
        <translation>%1 indica una región que no existe en su país (%2): se muestra todo el país.</translation>
    </message>
    <message>
        <source>%1 names a first month that is not 1 to 12 (%2): it starts in January.</source>
        <translation>%1 indica un primer mes que no está entre 1 y 12 (%2): el calendario empieza en enero.</translation>
    </message>
</context>
<context>
    <name>CalendarLocks</name>
    <message>
        <source>%1 is open in another Tessolar (process %2). Open it here as well? Each may then save over the other&apos;s changes.</source>
        <translation>%1 está abierto en otro Tessolar (proceso %2). ¿Abrirlo también aquí? Cada uno podría entonces sobrescribir los cambios del otro.</translation>
    </message>
</context>
<context>
    <name>CalendarOpening</name>
    <message>
        <source>No such file.</source>
        <translation>No existe el archivo.</translation>
    </message>
    <message>
        <source>Could not open file (%1)
%2</source>
        <translation>No se pudo abrir el archivo (%1)
%2</translation>
    </message>
    <message>
        <source>%1 Saving will not replace the file without asking.</source>
        <translation>%1 Al guardar, el archivo no se reemplazará sin preguntar.</translation>
    </message>
    <message>
        <source>Change Configuration</source>
        <translation>Cambiar configuración</translation>
    </message>
</context>
<context>
    <name>Country</name>
    <message>
        <source>United States</source>
        <translation>Estados Unidos</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canadá</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Reino Unido</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>Mexico</source>
        <translation>México</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irlanda</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Alemania</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Nueva Zelanda</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Francia</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Bélgica</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Países Bajos</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>España</translation>
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
        <translation>Acerca de Tessolar</translation>
    </message>
    <message>
        <source>Build and print a calendar of your own, with your days and pictures.</source>
        <translation>Cree e imprima su propio calendario, con sus días y sus imágenes.</translation>
    </message>
</context>
<context>
    <name>DlgBigPics</name>
    <message>
        <source>Modify Big Picture</source>
        <translation>Modificar imagen grande</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Descripción</translation>
    </message>
    <message>
        <source>&amp;File name</source>
        <translation>&amp;Nombre de archivo</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar…</translation>
    </message>
</context>
<context>
    <name>DlgGenConfig</name>
    <message>
        <source>Enter Calendar Configuration</source>
        <translation>Configuración del calendario</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Año</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>C&amp;ountry</source>
        <translation>&amp;País</translation>
    </message>
    <message>
        <source>Main Calendar Font &amp;Style</source>
        <translation>&amp;Fuente del calendario</translation>
    </message>
    <message>
        <source>Font for Calendar Body</source>
        <translation>Fuente del texto del calendario</translation>
    </message>
    <message>
        <source>Cl&amp;ipart</source>
        <translation>Imá&amp;genes prediseñadas</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar…</translation>
    </message>
    <message>
        <source>Computed Days</source>
        <translation>Días calculados</translation>
    </message>
    <message>
        <source>Include &amp;Jewish Holidays</source>
        <translation>Incluir festividades &amp;judías</translation>
    </message>
    <message>
        <source>Include &amp;Equinox Days</source>
        <translation>Incluir e&amp;quinoccios y solsticios</translation>
    </message>
    <message>
        <source>Include Full &amp;Moons</source>
        <translation>Incluir &amp;lunas llenas</translation>
    </message>
    <message>
        <source>Include E&amp;aster Holidays</source>
        <translation>Incluir festividades de Pasc&amp;ua</translation>
    </message>
    <message>
        <source>Include &amp;National Holidays</source>
        <translation>Incluir días festivos &amp;nacionales</translation>
    </message>
    <message>
        <source>First &amp;day of the week</source>
        <translation>Primer día de la &amp;semana</translation>
    </message>
    <message>
        <source>&amp;Region</source>
        <translation>&amp;Región</translation>
    </message>
    <message>
        <source>The public holidays shown are those of this region; the whole country shows every region&apos;s</source>
        <translation>Se muestran los días festivos de esta región; con todo el país, los de todas las regiones</translation>
    </message>
    <message>
        <source>Include Moon &amp;Phases (new moon, quarters)</source>
        <translation>Incluir fases lunares (luna nueva, &amp;cuartos)</translation>
    </message>
    <message>
        <source>Mar&amp;k days off (holidays in colour, weekends tinted)</source>
        <translation>Marcar los &amp;días libres (festivos en color, fines de semana sombreados)</translation>
    </message>
    <message>
        <source>Show &amp;week numbers (ISO 8601, beside each week)</source>
        <translation>Mos&amp;trar los números de semana (ISO 8601, junto a cada semana)</translation>
    </message>
    <message>
        <source>&amp;First month</source>
        <translation>Primer &amp;mes</translation>
    </message>
</context>
<context>
    <name>DlgTitle</name>
    <message>
        <source>Title Page Configuration</source>
        <translation>Configuración de la portada</translation>
    </message>
    <message>
        <source>&amp;Title for Calendar</source>
        <translation>&amp;Título del calendario</translation>
    </message>
    <message>
        <source>Title &amp;Font Style</source>
        <translation>&amp;Fuente del título</translation>
    </message>
    <message>
        <source>Font for Cover Page</source>
        <translation>Fuente de la portada</translation>
    </message>
    <message>
        <source>Title Font &amp;Color</source>
        <translation>&amp;Color de la fuente del título</translation>
    </message>
    <message>
        <source>Choose the title colour</source>
        <translation>Elegir el color del título</translation>
    </message>
    <message>
        <source>Title Font Si&amp;ze</source>
        <translation>Ta&amp;maño de la fuente del título</translation>
    </message>
    <message>
        <source>Title Page &amp;Picture</source>
        <translation>&amp;Imagen de la portada</translation>
    </message>
    <message>
        <source>Title &amp;X Position</source>
        <translation>Posición &amp;X del título</translation>
    </message>
    <message>
        <source>Title &amp;Y Position</source>
        <translation>Posición &amp;Y del título</translation>
    </message>
    <message>
        <source>Text Box &amp;Width</source>
        <translation>&amp;Ancho del cuadro de texto</translation>
    </message>
</context>
<context>
    <name>EntryEditing</name>
    <message>
        <source>did not find index in database</source>
        <translation>No se encontró la entrada en la base de datos.</translation>
    </message>
    <message>
        <source>The calendar is full: it holds %1 entries. Delete one to add another.</source>
        <translation>El calendario está lleno: contiene %1 entradas. Elimine una para añadir otra.</translation>
    </message>
    <message>
        <source>New Entry</source>
        <translation>Nueva entrada</translation>
    </message>
    <message>
        <source>Add ‘%1’</source>
        <translation>Añadir «%1»</translation>
    </message>
    <message>
        <source>Change ‘%1’</source>
        <translation>Cambiar «%1»</translation>
    </message>
    <message>
        <source>Delete ‘%1’</source>
        <translation>Eliminar «%1»</translation>
    </message>
    <message>
        <source>Hide ‘%1’</source>
        <translation>Ocultar «%1»</translation>
    </message>
    <message>
        <source>Delete ‘%1’?</source>
        <translation>¿Eliminar «%1»?</translation>
    </message>
    <message>
        <source>Show ‘%1’</source>
        <translation>Mostrar «%1»</translation>
    </message>
    <message>
        <source>Change Big Picture</source>
        <translation>Cambiar imagen grande</translation>
    </message>
    <message>
        <source>Change Title Page</source>
        <translation>Cambiar portada</translation>
    </message>
    <message>
        <source>Drop Picture</source>
        <translation>Soltar imagen</translation>
    </message>
</context>
<context>
    <name>EntryType</name>
    <message>
        <source>Anniversary</source>
        <translation>Aniversario</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Cumpleaños</translation>
    </message>
    <message>
        <source>National Holiday</source>
        <translation>Festivo nacional</translation>
    </message>
    <message>
        <source>Hebrew Holiday</source>
        <translation>Festividad judía</translation>
    </message>
    <message>
        <source>Christian Holiday</source>
        <translation>Festividad cristiana</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>Sober Anniversary</source>
        <translation>Aniversario de sobriedad</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Recordatorio</translation>
    </message>
    <message>
        <source>Personal Event</source>
        <translation>Evento personal</translation>
    </message>
    <message>
        <source>Historical Event</source>
        <translation>Evento histórico</translation>
    </message>
</context>
<context>
    <name>EventEntry</name>
    <message>
        <source>The day must be a number from 1 to %1 (%2 %3).</source>
        <translation>El día debe ser un número del 1 al %1 (%2 de %3).</translation>
    </message>
    <message>
        <source>%1 %2 has no day %3: type a day from 1 to %4.</source>
        <translation>En %1 de %2 no hay día %3: escriba un día del 1 al %4.</translation>
    </message>
    <message>
        <source>The year must be a number, such as 1985 (or -753 for 753 BCE).</source>
        <translation>El año debe ser un número, como 1985 (o -753 para el 753 a. C.).</translation>
    </message>
    <message>
        <source>The year must lie between -%1 and %1, and cannot be 0.</source>
        <translation>El año debe estar entre -%1 y %1, y no puede ser 0.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>%1 Replacing the file loses them. Replace it anyway?</source>
        <translation>%1 Si se reemplaza el archivo, se perderán. ¿Reemplazarlo de todos modos?</translation>
    </message>
    <message>
        <source>Overwrite existing file?</source>
        <translation>¿Sobrescribir el archivo existente?</translation>
    </message>
    <message>
        <source>The file (%1) is read-only protected.</source>
        <translation>El archivo (%1) está protegido contra escritura.</translation>
    </message>
    <message>
        <source>Unable to write to file (%1).</source>
        <translation>No se puede escribir en el archivo (%1).</translation>
    </message>
    <message>
        <source>Save changes before exit?</source>
        <translation>¿Guardar los cambios antes de salir?</translation>
    </message>
    <message>
        <source>Save changes to the current calendar?</source>
        <translation>¿Guardar los cambios del calendario actual?</translation>
    </message>
    <message>
        <source>failed to write output file</source>
        <translation>No se pudo escribir el archivo de salida.</translation>
    </message>
</context>
<context>
    <name>ICalendarImport</name>
    <message>
        <source>an event without a summary</source>
        <translation>un evento sin título</translation>
    </message>
    <message>
        <source>an event without a valid start day</source>
        <translation>un evento sin un día de inicio válido</translation>
    </message>
    <message>
        <source>it repeats, but not once a year</source>
        <translation>se repite, pero no una vez al año</translation>
    </message>
    <message>
        <source>a single event in %1, not in %2</source>
        <translation>un evento único en %1, no en %2</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>El archivo no es texto UTF-8.</translation>
    </message>
    <message>
        <source>The file holds no iCalendar calendar.</source>
        <translation>El archivo no contiene ningún calendario iCalendar.</translation>
    </message>
    <message>
        <source>a single event on %1, not between %2 and %3</source>
        <translation>un evento único el %1, no entre el %2 y el %3</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>the date %1 does not exist</source>
        <translation>la fecha %1 no existe</translation>
    </message>
    <message>
        <source>comes without its picture: %1</source>
        <translation>se importa sin su imagen: %1</translation>
    </message>
    <message>
        <source>a card without a name</source>
        <translation>una vCard sin nombre</translation>
    </message>
    <message>
        <source>no birthday or anniversary</source>
        <translation>no tiene cumpleaños ni aniversario</translation>
    </message>
    <message>
        <source>%1 entries are checked, but the calendar has room for %2.</source>
        <translation>Hay %1 entradas marcadas, pero el calendario solo tiene espacio para %2.</translation>
    </message>
    <message>
        <source>The picture of %1 cannot be written to %2.</source>
        <translation>No se puede escribir la imagen de %1 en %2.</translation>
    </message>
</context>
<context>
    <name>ImportSource</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>No se puede leer %1.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB.</source>
        <translation>%1 ocupa más de %2 MB.</translation>
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
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Neerlandés</translation>
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
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
</context>
<context>
    <name>PageNavigator</name>
    <message>
        <source>The page could not be written to %1.</source>
        <translation>No se pudo escribir la página en %1.</translation>
    </message>
</context>
<context>
    <name>PagePdf</name>
    <message>
        <source>printing took longer than %1 s</source>
        <translation>La impresión tardó más de %1 s</translation>
    </message>
    <message>
        <source>the page could not be printed</source>
        <translation>No se pudo imprimir la página</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>could not load the page %1</source>
        <translation>No se pudo cargar la página %1</translation>
    </message>
    <message>
        <source>the page %1 did not load within %2 s</source>
        <translation>La página %1 no se cargó en %2 s</translation>
    </message>
</context>
<context>
    <name>ProgramNames</name>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>QSettingsStore</name>
    <message>
        <source>The settings file %1 could not be read. Tessolar starts with its default settings, and recent calendars and the window position are not kept.</source>
        <translation>No se pudo leer el archivo de configuración %1. Tessolar se inicia con la configuración predeterminada, y no se guardan los calendarios recientes ni la posición de la ventana.</translation>
    </message>
</context>
<context>
    <name>QtUserPrompts</name>
    <message>
        <source>Calendar Files (*.cal *.CAL);;All Files (*)</source>
        <translation>Archivos de calendario (*.cal *.CAL);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open Calendar</source>
        <translation>Abrir calendario</translation>
    </message>
    <message>
        <source>Save Calendar</source>
        <translation>Guardar calendario</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Address Books and Calendars (*.vcf *.VCF *.vcard *.ics *.ICS);;vCard Files (*.vcf *.VCF *.vcard);;iCalendar Files (*.ics *.ICS);;All Files (*)</source>
        <translation>Libretas de direcciones y calendarios (*.vcf *.VCF *.vcard *.ics *.ICS);;Archivos vCard (*.vcf *.VCF *.vcard);;Archivos iCalendar (*.ics *.ICS);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Export as iCalendar</source>
        <translation>Exportar como iCalendar</translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics)</source>
        <translation>Archivos iCalendar (*.ics)</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>an unnamed calendar</source>
        <translation>un calendario sin nombre</translation>
    </message>
    <message>
        <source>Tessolar ended without saving the changes to %1 (last changed %2). Recover them?</source>
        <translation>Tessolar se cerró sin guardar los cambios de %1 (último cambio: %2). ¿Recuperarlos?</translation>
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
        <translation>Distrito de Columbia</translation>
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
        <translation>Hawái</translation>
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
        <translation>Luisiana</translation>
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
        <translation>Míchigan</translation>
    </message>
    <message>
        <source>Minnesota</source>
        <translation>Minnesota</translation>
    </message>
    <message>
        <source>Missouri</source>
        <translation>Misuri</translation>
    </message>
    <message>
        <source>Mississippi</source>
        <translation>Misisipi</translation>
    </message>
    <message>
        <source>Montana</source>
        <translation>Montana</translation>
    </message>
    <message>
        <source>North Carolina</source>
        <translation>Carolina del Norte</translation>
    </message>
    <message>
        <source>North Dakota</source>
        <translation>Dakota del Norte</translation>
    </message>
    <message>
        <source>Nebraska</source>
        <translation>Nebraska</translation>
    </message>
    <message>
        <source>New Hampshire</source>
        <translation>Nuevo Hampshire</translation>
    </message>
    <message>
        <source>New Jersey</source>
        <translation>Nueva Jersey</translation>
    </message>
    <message>
        <source>New Mexico</source>
        <translation>Nuevo México</translation>
    </message>
    <message>
        <source>Nevada</source>
        <translation>Nevada</translation>
    </message>
    <message>
        <source>New York</source>
        <translation>Nueva York</translation>
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
        <translation>Oregón</translation>
    </message>
    <message>
        <source>Pennsylvania</source>
        <translation>Pensilvania</translation>
    </message>
    <message>
        <source>Rhode Island</source>
        <translation>Rhode Island</translation>
    </message>
    <message>
        <source>South Carolina</source>
        <translation>Carolina del Sur</translation>
    </message>
    <message>
        <source>South Dakota</source>
        <translation>Dakota del Sur</translation>
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
        <translation>Virginia Occidental</translation>
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
        <translation>Columbia Británica</translation>
    </message>
    <message>
        <source>Manitoba</source>
        <translation>Manitoba</translation>
    </message>
    <message>
        <source>New Brunswick</source>
        <translation>Nuevo Brunswick</translation>
    </message>
    <message>
        <source>Newfoundland and Labrador</source>
        <translation>Terranova y Labrador</translation>
    </message>
    <message>
        <source>Nova Scotia</source>
        <translation>Nueva Escocia</translation>
    </message>
    <message>
        <source>Northwest Territories</source>
        <translation>Territorios del Noroeste</translation>
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
        <translation>Isla del Príncipe Eduardo</translation>
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
        <translation>Yukón</translation>
    </message>
    <message>
        <source>England and Wales</source>
        <translation>Inglaterra y Gales</translation>
    </message>
    <message>
        <source>Northern Ireland</source>
        <translation>Irlanda del Norte</translation>
    </message>
    <message>
        <source>Scotland</source>
        <translation>Escocia</translation>
    </message>
    <message>
        <source>Australian Capital Territory</source>
        <translation>Territorio de la Capital Australiana</translation>
    </message>
    <message>
        <source>New South Wales</source>
        <translation>Nueva Gales del Sur</translation>
    </message>
    <message>
        <source>Northern Territory</source>
        <translation>Territorio del Norte</translation>
    </message>
    <message>
        <source>Queensland</source>
        <translation>Queensland</translation>
    </message>
    <message>
        <source>South Australia</source>
        <translation>Australia Meridional</translation>
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
        <translation>Australia Occidental</translation>
    </message>
    <message>
        <source>Brandenburg</source>
        <translation>Brandeburgo</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlín</translation>
    </message>
    <message>
        <source>Baden-Württemberg</source>
        <translation>Baden-Wurtemberg</translation>
    </message>
    <message>
        <source>Bavaria</source>
        <translation>Baviera</translation>
    </message>
    <message>
        <source>Bremen</source>
        <translation>Bremen</translation>
    </message>
    <message>
        <source>Hesse</source>
        <translation>Hesse</translation>
    </message>
    <message>
        <source>Hamburg</source>
        <translation>Hamburgo</translation>
    </message>
    <message>
        <source>Mecklenburg-Western Pomerania</source>
        <translation>Mecklemburgo-Pomerania Occidental</translation>
    </message>
    <message>
        <source>Lower Saxony</source>
        <translation>Baja Sajonia</translation>
    </message>
    <message>
        <source>North Rhine-Westphalia</source>
        <translation>Renania del Norte-Westfalia</translation>
    </message>
    <message>
        <source>Rhineland-Palatinate</source>
        <translation>Renania-Palatinado</translation>
    </message>
    <message>
        <source>Schleswig-Holstein</source>
        <translation>Schleswig-Holstein</translation>
    </message>
    <message>
        <source>Saarland</source>
        <translation>Sarre</translation>
    </message>
    <message>
        <source>Saxony</source>
        <translation>Sajonia</translation>
    </message>
    <message>
        <source>Saxony-Anhalt</source>
        <translation>Sajonia-Anhalt</translation>
    </message>
    <message>
        <source>Thuringia</source>
        <translation>Turingia</translation>
    </message>
    <message>
        <source>Andalusia</source>
        <translation>Andalucía</translation>
    </message>
    <message>
        <source>Aragon</source>
        <translation>Aragón</translation>
    </message>
    <message>
        <source>Asturias</source>
        <translation>Asturias</translation>
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
        <translation>Castilla y León</translation>
    </message>
    <message>
        <source>Castilla-La Mancha</source>
        <translation>Castilla-La Mancha</translation>
    </message>
    <message>
        <source>Canary Islands</source>
        <translation>Canarias</translation>
    </message>
    <message>
        <source>Catalonia</source>
        <translation>Cataluña</translation>
    </message>
    <message>
        <source>Extremadura</source>
        <translation>Extremadura</translation>
    </message>
    <message>
        <source>Galicia</source>
        <translation>Galicia</translation>
    </message>
    <message>
        <source>Balearic Islands</source>
        <translation>Islas Baleares</translation>
    </message>
    <message>
        <source>Region of Murcia</source>
        <translation>Región de Murcia</translation>
    </message>
    <message>
        <source>Community of Madrid</source>
        <translation>Comunidad de Madrid</translation>
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
        <translation>País Vasco</translation>
    </message>
    <message>
        <source>La Rioja</source>
        <translation>La Rioja</translation>
    </message>
    <message>
        <source>Valencian Community</source>
        <translation>Comunidad Valenciana</translation>
    </message>
    <message>
        <source>Burgenland</source>
        <translation>Burgenland</translation>
    </message>
    <message>
        <source>Carinthia</source>
        <translation>Carintia</translation>
    </message>
    <message>
        <source>Lower Austria</source>
        <translation>Baja Austria</translation>
    </message>
    <message>
        <source>Upper Austria</source>
        <translation>Alta Austria</translation>
    </message>
    <message>
        <source>Salzburg</source>
        <translation>Salzburgo</translation>
    </message>
    <message>
        <source>Styria</source>
        <translation>Estiria</translation>
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
        <translation>Viena</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <source>Line %1 uses the character set %2, which cannot be read.</source>
        <translation>La línea %1 usa el juego de caracteres %2, que no se puede leer.</translation>
    </message>
    <message>
        <source>Line %1 is not UTF-8 text and names no other character set.</source>
        <translation>La línea %1 no es texto UTF-8 y no indica ningún otro juego de caracteres.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>El archivo ocupa más de %1 MB.</translation>
    </message>
    <message>
        <source>The file is not text.</source>
        <translation>El archivo no es de texto.</translation>
    </message>
    <message>
        <source>Line %1 is longer than %2 MB.</source>
        <translation>La línea %1 ocupa más de %2 MB.</translation>
    </message>
    <message>
        <source>the photo file %1 cannot be read</source>
        <translation>no se puede leer el archivo de la foto %1</translation>
    </message>
    <message>
        <source>the photo is neither in the card nor a local file</source>
        <translation>la foto no está en la vCard ni es un archivo local</translation>
    </message>
    <message>
        <source>the photo&apos;s Base64 is broken</source>
        <translation>el Base64 de la foto está dañado</translation>
    </message>
    <message>
        <source>the photo is larger than %1 MB</source>
        <translation>la foto ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>the photo is not a JPEG, PNG or GIF picture</source>
        <translation>la foto no es una imagen JPEG, PNG ni GIF</translation>
    </message>
    <message>
        <source>The file holds no vCard.</source>
        <translation>El archivo no contiene ninguna vCard.</translation>
    </message>
</context>
<context>
    <name>WeekRule</name>
    <message>
        <source>First</source>
        <translation>Primer</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segundo</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Tercer</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Cuarto</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Último</translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Builds a personalised calendar for one year and prints it.</source>
        <translation>Crea un calendario personalizado de un año y lo imprime.</translation>
    </message>
    <message>
        <source>calendar</source>
        <translation>calendario</translation>
    </message>
    <message>
        <source>A calendar file (.cal) to open.</source>
        <translation>Un archivo de calendario (.cal) que se abrirá.</translation>
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
        <translation>Tessolar versión %1</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgBigPics</name>
    <message>
        <source>Pick a Picture</source>
        <translation>Elegir una imagen</translation>
    </message>
    <message>
        <source>Pictures (%1);;All Files (*)</source>
        <translation>Imágenes (%1);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgGenConfig</name>
    <message>
        <source>Font for Calendar Body</source>
        <translation>Fuente del texto del calendario</translation>
    </message>
    <message>
        <source>Pick a Directory</source>
        <translation>Elegir una carpeta</translation>
    </message>
    <message>
        <source>Whole country</source>
        <translation>Todo el país</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgImportPreview</name>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>%1 holds %2 days for the calendar; %3 of them it has already. Check the ones to add.</source>
        <translation>%1 contiene %2 días para el calendario; %3 de ellos ya están en él. Marque los que desee añadir.</translation>
    </message>
    <message>
        <source>Skipped (%1):</source>
        <translation>Omitidos (%1):</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Check &amp;All</source>
        <translation>&amp;Marcar todo</translation>
    </message>
    <message>
        <source>&amp;Uncheck All</source>
        <translation>&amp;Desmarcar todo</translation>
    </message>
    <message>
        <source>%1 checked; the calendar has room for %2 more entries.</source>
        <translation>%1 marcadas; el calendario tiene espacio para %2 entradas más.</translation>
    </message>
    <message>
        <source>Uncheck %1 to import the rest.</source>
        <translation>Desmarque %1 para importar el resto.</translation>
    </message>
    <message>
        <source>Days to import</source>
        <translation>Días para importar</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgModifyEvent</name>
    <message>
        <source>Choose a picture</source>
        <translation>Elegir una imagen</translation>
    </message>
    <message>
        <source>Pictures (%1);;All Files (*)</source>
        <translation>Imágenes (%1);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgPickFrom</name>
    <message>
        <source>Which are you trying to change?</source>
        <translation>¿Qué desea cambiar?</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgTitle</name>
    <message>
        <source>Font for Cover Page</source>
        <translation>Fuente de la portada</translation>
    </message>
    <message>
        <source>Title Font Color</source>
        <translation>Color de la fuente del título</translation>
    </message>
</context>
<context>
    <name>tessolar::CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como…</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>Con&amp;figurar página…</translation>
    </message>
    <message>
        <source>&amp;Wall Calendar Layout</source>
        <translation>Formato de calendario de &amp;pared</translation>
    </message>
    <message>
        <source>&amp;Crop Wall Pictures to Fill</source>
        <translation>&amp;Recortar las imágenes de pared para llenar el marco</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Vista previa de impresión…</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>&amp;Exportar como PDF…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Page</source>
        <translation>&amp;Página</translation>
    </message>
    <message>
        <source>&amp;Welcome</source>
        <translation>&amp;Bienvenida</translation>
    </message>
    <message>
        <source>&amp;Big Pictures</source>
        <translation>&amp;Imágenes grandes</translation>
    </message>
    <message>
        <source>&amp;Title Page</source>
        <translation>&amp;Portada</translation>
    </message>
    <message>
        <source>&amp;One Month</source>
        <translation>&amp;Un mes</translation>
    </message>
    <message>
        <source>&amp;All Months</source>
        <translation>&amp;Todos los meses</translation>
    </message>
    <message>
        <source>Month &amp;Previous</source>
        <translation>Mes &amp;anterior</translation>
    </message>
    <message>
        <source>Month &amp;Next</source>
        <translation>Mes &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Hidden Events</source>
        <translation>&amp;Eventos ocultos</translation>
    </message>
    <message>
        <source>CalDatabase</source>
        <translation>Datos del calendario</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Tessolar...</source>
        <translation>&amp;Acerca de Tessolar…</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exportar como PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>I&amp;mportar…</translation>
    </message>
    <message>
        <source>Export as iCa&amp;lendar...</source>
        <translation>Exportar como iCa&amp;lendar…</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Add Event...</source>
        <translation>&amp;Añadir evento…</translation>
    </message>
    <message>
        <source>&amp;Edit Entry...</source>
        <translation>&amp;Editar entrada…</translation>
    </message>
    <message>
        <source>&amp;Hide Entry</source>
        <translation>&amp;Ocultar entrada</translation>
    </message>
    <message>
        <source>&amp;Delete Entry...</source>
        <translation>E&amp;liminar entrada…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recientes</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>&amp;Borrar lista</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>Show the welcome page</source>
        <translation>Mostrar la página de bienvenida</translation>
    </message>
    <message>
        <source>Show the big pictures page</source>
        <translation>Mostrar la página de imágenes grandes</translation>
    </message>
    <message>
        <source>Show the title page</source>
        <translation>Mostrar la portada</translation>
    </message>
    <message>
        <source>Show one month</source>
        <translation>Mostrar un mes</translation>
    </message>
    <message>
        <source>Show all twelve months</source>
        <translation>Mostrar los doce meses</translation>
    </message>
    <message>
        <source>Go to the previous month</source>
        <translation>Ir al mes anterior</translation>
    </message>
    <message>
        <source>Go to the next month</source>
        <translation>Ir al mes siguiente</translation>
    </message>
    <message>
        <source>Change the calendar settings</source>
        <translation>Cambiar la configuración del calendario</translation>
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
        <translation>Formato</translation>
    </message>
    <message>
        <source>Booklet: title, months and pictures on landscape sheets (26 for the year)</source>
        <translation>Cuadernillo: portada, meses e imágenes en hojas horizontales (26 para el año)</translation>
    </message>
    <message>
        <source>Wall calendar: each month&apos;s picture above its grid on a portrait sheet (13 for the year)</source>
        <translation>Calendario de pared: la imagen de cada mes sobre su cuadrícula en una hoja vertical (13 para el año)</translation>
    </message>
    <message>
        <source>Pictures of the wall calendar</source>
        <translation>Imágenes del calendario de pared</translation>
    </message>
    <message>
        <source>Crop each picture to fill its frame</source>
        <translation>Recortar cada imagen para que llene su marco</translation>
    </message>
    <message>
        <source>Show each picture whole</source>
        <translation>Mostrar cada imagen completa</translation>
    </message>
</context>
<context>
    <name>tessolar::CPrintHandler</name>
    <message>
        <source>The page could not be printed.</source>
        <translation>No se pudo imprimir la página.</translation>
    </message>
    <message>
        <source>The page is still printing; try again when it is done.</source>
        <translation>La página todavía se está imprimiendo; vuelva a intentarlo cuando termine.</translation>
    </message>
    <message>
        <source>There is no page to print.</source>
        <translation>No hay ninguna página para imprimir.</translation>
    </message>
    <message>
        <source>The page to print could not be written to %1.</source>
        <translation>No se pudo escribir la página que se va a imprimir en %1.</translation>
    </message>
</context>
<context>
    <name>tessolar::CTessolarView</name>
    <message>
        <source>The page cannot be shown: the browser engine&apos;s page process ended twice in a row. Choose a page from the Page menu to try again.</source>
        <translation>No se puede mostrar la página: el proceso de página del motor del navegador terminó dos veces seguidas. Elija una página en el menú «Página» para volver a intentarlo.</translation>
    </message>
</context>
<context>
    <name>tessolar::ImportPlanModel</name>
    <message>
        <source>d MMMM yyyy</source>
        <comment>a date with its year</comment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>a date without a year</comment>
        <translation>d &apos;de&apos; MMMM</translation>
    </message>
    <message>
        <source>The calendar has it already.</source>
        <translation>Ya está en el calendario.</translation>
    </message>
    <message>
        <source>No year: no age shown.</source>
        <translation>Sin año: no se muestra la edad.</translation>
    </message>
    <message>
        <source>Click to choose the type.</source>
        <translation>Haga clic para elegir el tipo.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
</context>
</TS>
