<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>CDlgModifyEvent</name>
    <message>
        <source>Add / Modify An Event</source>
        <translation>Ajouter ou modifier un événement</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>&amp;Mois</translation>
    </message>
    <message>
        <source>&amp;Fixed (date never changes)</source>
        <translation>&amp;Fixe (la date ne change jamais)</translation>
    </message>
    <message>
        <source>&amp;Day</source>
        <translation>&amp;Jour</translation>
    </message>
    <message>
        <source>&amp;Variable (3rd Monday)</source>
        <translation>&amp;Variable (3e lundi)</translation>
    </message>
    <message>
        <source>W&amp;hich</source>
        <translation>&amp;Rang</translation>
    </message>
    <message>
        <source>D&amp;ay</source>
        <translation>Jour de la s&amp;emaine</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Année</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>Des&amp;cription</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <source>File&amp;name</source>
        <translation>&amp;Nom de fichier</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir…</translation>
    </message>
    <message>
        <source>Show A&amp;ge</source>
        <translation>Afficher l’â&amp;ge</translation>
    </message>
    <message>
        <source>H&amp;ide It</source>
        <translation>Mas&amp;quer</translation>
    </message>
    <message>
        <source>Automated Description</source>
        <translation>Description automatique</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Picture preview</source>
        <translation>Aperçu de l’image</translation>
    </message>
</context>
<context>
    <name>CalendarDocument</name>
    <message>
        <source>Change</source>
        <translation>Modification</translation>
    </message>
</context>
<context>
    <name>CalendarExchange</name>
    <message>
        <source>Imported pictures are kept in a folder beside the calendar file, so the calendar is saved first.</source>
        <translation>Les images importées sont rangées dans un dossier à côté du fichier du calendrier, c’est pourquoi le calendrier est d’abord enregistré.</translation>
    </message>
    <message>
        <source>Start a new calendar or open one, then import into it.</source>
        <translation>Créez un nouveau calendrier ou ouvrez-en un, puis importez dans celui-ci.</translation>
    </message>
    <message>
        <source>The calendar could not be written to %1.</source>
        <translation>Impossible d’écrire le calendrier dans %1.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importation</translation>
    </message>
</context>
<context>
    <name>CalendarFile</name>
    <message>
        <source>no file name was given</source>
        <translation>aucun nom de fichier n’a été indiqué</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>Could not open the calendar %1: %2.</source>
        <translation>Impossible d’ouvrir le calendrier %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 lists more entries than a calendar holds (%2). Entries left out: %3.</source>
        <translation>%1 compte plus d’entrées qu’un calendrier ne peut en contenir (%2). Entrées laissées de côté&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Could not save the calendar to %1: %2.</source>
        <translation>Impossible d’enregistrer le calendrier sous %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>it is far too large for a calendar</source>
        <translation>le fichier est bien trop volumineux pour un calendrier</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>it is not a calendar file, or it is damaged</source>
        <translation>ce n’est pas un fichier de calendrier, ou il est endommagé</translation>
    </message>
    <message>
        <source>the calendar&apos;s file name holds a line break</source>
        <translation>le nom de fichier du calendrier contient un saut de ligne</translation>
    </message>
    <message>
        <source>%1 names a region its country has not (%2): it shows the whole country.</source>
        <translation>%1 indique une région qui n’existe pas dans son pays (%2)&#xa0;: c’est tout le pays qui est affiché.</translation>
    </message>
    <message>
        <source>%1 names a first month that is not 1 to 12 (%2): it starts in January.</source>
        <translation>%1 indique un premier mois qui n’est pas entre 1 et 12 (%2) : le calendrier commence en janvier.</translation>
    </message>
</context>
<context>
    <name>CalendarLocks</name>
    <message>
        <source>%1 is open in another Tessolar (process %2). Open it here as well? Each may then save over the other&apos;s changes.</source>
        <translation>%1 est ouvert dans un autre Tessolar (processus %2). L’ouvrir ici aussi&#x202f;? Chacun pourrait alors, en enregistrant, écraser les modifications de l’autre.</translation>
    </message>
</context>
<context>
    <name>CalendarOpening</name>
    <message>
        <source>No such file.</source>
        <translation>Ce fichier n’existe pas.</translation>
    </message>
    <message>
        <source>Could not open file (%1)
%2</source>
        <translation>Impossible d’ouvrir le fichier (%1)
%2</translation>
    </message>
    <message>
        <source>%1 Saving will not replace the file without asking.</source>
        <translation>%1 L’enregistrement ne remplacera pas le fichier sans vous le demander.</translation>
    </message>
    <message>
        <source>Change Configuration</source>
        <translation>Modification de la configuration</translation>
    </message>
</context>
<context>
    <name>Country</name>
    <message>
        <source>United States</source>
        <translation>États-Unis</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Royaume-Uni</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australie</translation>
    </message>
    <message>
        <source>Mexico</source>
        <translation>Mexique</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irlande</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Allemagne</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Nouvelle-Zélande</translation>
    </message>
    <message>
        <source>France</source>
        <translation>France</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgique</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Pays-Bas</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italie</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Espagne</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Autriche</translation>
    </message>
</context>
<context>
    <name>DlgAbout</name>
    <message>
        <source>About Tessolar</source>
        <translation>À propos de Tessolar</translation>
    </message>
    <message>
        <source>Build and print a calendar of your own, with your days and pictures.</source>
        <translation>Composez et imprimez votre propre calendrier, avec vos dates et vos images.</translation>
    </message>
</context>
<context>
    <name>DlgBigPics</name>
    <message>
        <source>Modify Big Picture</source>
        <translation>Modifier la grande image</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <source>&amp;File name</source>
        <translation>&amp;Nom de fichier</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir…</translation>
    </message>
</context>
<context>
    <name>DlgGenConfig</name>
    <message>
        <source>Enter Calendar Configuration</source>
        <translation>Configuration du calendrier</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Année</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>C&amp;ountry</source>
        <translation>&amp;Pays</translation>
    </message>
    <message>
        <source>First &amp;day of the week</source>
        <translation>Premier jour de la &amp;semaine</translation>
    </message>
    <message>
        <source>Main Calendar Font &amp;Style</source>
        <translation>P&amp;olice du calendrier</translation>
    </message>
    <message>
        <source>Font for Calendar Body</source>
        <translation>Police du texte du calendrier</translation>
    </message>
    <message>
        <source>Cl&amp;ipart</source>
        <translation>Dossier des &amp;cliparts</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Pa&amp;rcourir…</translation>
    </message>
    <message>
        <source>Computed Days</source>
        <translation>Jours calculés</translation>
    </message>
    <message>
        <source>Include &amp;Jewish Holidays</source>
        <translation>Inclure les fêtes &amp;juives</translation>
    </message>
    <message>
        <source>Include &amp;Equinox Days</source>
        <translation>Inclure les é&amp;quinoxes et les solstices</translation>
    </message>
    <message>
        <source>Include Full &amp;Moons</source>
        <translation>Inclure les pleines l&amp;unes</translation>
    </message>
    <message>
        <source>Include E&amp;aster Holidays</source>
        <translation>Inclure Pâques et les fêtes &amp;mobiles</translation>
    </message>
    <message>
        <source>Include &amp;National Holidays</source>
        <translation>Inclure les jours fériés &amp;nationaux</translation>
    </message>
    <message>
        <source>&amp;Region</source>
        <translation>Ré&amp;gion</translation>
    </message>
    <message>
        <source>The public holidays shown are those of this region; the whole country shows every region&apos;s</source>
        <translation>Les jours fériés affichés sont ceux de cette région&#x202f;; avec tout le pays, ceux de toutes les régions</translation>
    </message>
    <message>
        <source>Include Moon &amp;Phases (new moon, quarters)</source>
        <translation>Inclure les p&amp;hases de la lune (nouvelle lune, quartiers)</translation>
    </message>
    <message>
        <source>Mar&amp;k days off (holidays in colour, weekends tinted)</source>
        <translation>Mettre en é&amp;vidence les jours chômés (fériés en couleur, week-ends teintés)</translation>
    </message>
    <message>
        <source>Show &amp;week numbers (ISO 8601, beside each week)</source>
        <translation>A&amp;fficher les numéros de semaine (ISO 8601, à côté de chaque semaine)</translation>
    </message>
    <message>
        <source>&amp;First month</source>
        <translation>Pr&amp;emier mois</translation>
    </message>
</context>
<context>
    <name>DlgTitle</name>
    <message>
        <source>Title Page Configuration</source>
        <translation>Configuration de la page de titre</translation>
    </message>
    <message>
        <source>&amp;Title for Calendar</source>
        <translation>&amp;Titre du calendrier</translation>
    </message>
    <message>
        <source>Title &amp;Font Style</source>
        <translation>&amp;Police du titre</translation>
    </message>
    <message>
        <source>Font for Cover Page</source>
        <translation>Police de la page de titre</translation>
    </message>
    <message>
        <source>Title Font &amp;Color</source>
        <translation>&amp;Couleur du titre</translation>
    </message>
    <message>
        <source>Choose the title colour</source>
        <translation>Choisir la couleur du titre</translation>
    </message>
    <message>
        <source>Title Font Si&amp;ze</source>
        <translation>T&amp;aille du titre</translation>
    </message>
    <message>
        <source>Title Page &amp;Picture</source>
        <translation>&amp;Image de la page de titre</translation>
    </message>
    <message>
        <source>Title &amp;X Position</source>
        <translation>Position &amp;X du titre</translation>
    </message>
    <message>
        <source>Title &amp;Y Position</source>
        <translation>Position &amp;Y du titre</translation>
    </message>
    <message>
        <source>Text Box &amp;Width</source>
        <translation>&amp;Largeur de la zone de texte</translation>
    </message>
</context>
<context>
    <name>EntryEditing</name>
    <message>
        <source>did not find index in database</source>
        <translation>L’entrée est introuvable dans les données du calendrier.</translation>
    </message>
    <message>
        <source>The calendar is full: it holds %1 entries. Delete one to add another.</source>
        <translation>Le calendrier est plein&#xa0;: il contient %1 entrées. Supprimez-en une pour en ajouter une autre.</translation>
    </message>
    <message>
        <source>New Entry</source>
        <translation>Nouvel événement</translation>
    </message>
    <message>
        <source>Add ‘%1’</source>
        <translation>Ajout de « %1 »</translation>
    </message>
    <message>
        <source>Change ‘%1’</source>
        <translation>Modification de « %1 »</translation>
    </message>
    <message>
        <source>Delete ‘%1’</source>
        <translation>Suppression de « %1 »</translation>
    </message>
    <message>
        <source>Hide ‘%1’</source>
        <translation>Masquage de « %1 »</translation>
    </message>
    <message>
        <source>Delete ‘%1’?</source>
        <translation>Supprimer « %1 » ?</translation>
    </message>
    <message>
        <source>Show ‘%1’</source>
        <translation>Affichage de « %1 »</translation>
    </message>
    <message>
        <source>Change Big Picture</source>
        <translation>Modification de la grande image</translation>
    </message>
    <message>
        <source>Change Title Page</source>
        <translation>Modification de la page de titre</translation>
    </message>
    <message>
        <source>Drop Picture</source>
        <translation>Dépôt d’image</translation>
    </message>
</context>
<context>
    <name>EntryType</name>
    <message>
        <source>Anniversary</source>
        <translation>Anniversaire de mariage</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Anniversaire</translation>
    </message>
    <message>
        <source>National Holiday</source>
        <translation>Jour férié national</translation>
    </message>
    <message>
        <source>Hebrew Holiday</source>
        <translation>Fête juive</translation>
    </message>
    <message>
        <source>Christian Holiday</source>
        <translation>Fête chrétienne</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Pleine lune</translation>
    </message>
    <message>
        <source>Sober Anniversary</source>
        <translation>Anniversaire d’abstinence</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>Personal Event</source>
        <translation>Événement personnel</translation>
    </message>
    <message>
        <source>Historical Event</source>
        <translation>Événement historique</translation>
    </message>
</context>
<context>
    <name>EventEntry</name>
    <message>
        <source>The day must be a number from 1 to %1 (%2 %3).</source>
        <translation>Le jour doit être un nombre de 1 à %1 (%2 %3).</translation>
    </message>
    <message>
        <source>%1 %2 has no day %3: type a day from 1 to %4.</source>
        <translation>Il n’y a pas de %3 %1 %2&#xa0;: saisissez un jour de 1 à %4.</translation>
    </message>
    <message>
        <source>The year must be a number, such as 1985 (or -753 for 753 BCE).</source>
        <translation>L’année doit être un nombre, par exemple 1985 (ou -753 pour 753&#xa0;av. J.-C.).</translation>
    </message>
    <message>
        <source>The year must lie between -%1 and %1, and cannot be 0.</source>
        <translation>L’année doit être comprise entre -%1 et %1, et ne peut pas être 0.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>%1 Replacing the file loses them. Replace it anyway?</source>
        <translation>%1 Si vous remplacez le fichier, elles seront perdues. Le remplacer quand même&#x202f;?</translation>
    </message>
    <message>
        <source>Overwrite existing file?</source>
        <translation>Écraser le fichier existant&#x202f;?</translation>
    </message>
    <message>
        <source>The file (%1) is read-only protected.</source>
        <translation>Le fichier (%1) est protégé en écriture.</translation>
    </message>
    <message>
        <source>Unable to write to file (%1).</source>
        <translation>Impossible d’écrire dans le fichier (%1).</translation>
    </message>
    <message>
        <source>Save changes before exit?</source>
        <translation>Enregistrer les modifications avant de quitter&#x202f;?</translation>
    </message>
    <message>
        <source>Save changes to the current calendar?</source>
        <translation>Enregistrer les modifications du calendrier actuel&#x202f;?</translation>
    </message>
    <message>
        <source>failed to write output file</source>
        <translation>Impossible d’écrire le fichier de sortie.</translation>
    </message>
</context>
<context>
    <name>ICalendarImport</name>
    <message>
        <source>an event without a summary</source>
        <translation>un événement sans titre</translation>
    </message>
    <message>
        <source>an event without a valid start day</source>
        <translation>un événement sans jour de début valide</translation>
    </message>
    <message>
        <source>it repeats, but not once a year</source>
        <translation>il se répète, mais pas une fois par an</translation>
    </message>
    <message>
        <source>a single event in %1, not in %2</source>
        <translation>un événement unique en %1, pas en %2</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>Le fichier n’est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>The file holds no iCalendar calendar.</source>
        <translation>Le fichier ne contient aucun calendrier iCalendar.</translation>
    </message>
    <message>
        <source>a single event on %1, not between %2 and %3</source>
        <translation>un événement unique le %1, pas entre le %2 et le %3</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>the date %1 does not exist</source>
        <translation>la date %1 n’existe pas</translation>
    </message>
    <message>
        <source>comes without its picture: %1</source>
        <translation>arrive sans son image&#xa0;: %1</translation>
    </message>
    <message>
        <source>a card without a name</source>
        <translation>une vCard sans nom</translation>
    </message>
    <message>
        <source>no birthday or anniversary</source>
        <translation>ni anniversaire ni anniversaire de mariage</translation>
    </message>
    <message>
        <source>%1 entries are checked, but the calendar has room for %2.</source>
        <translation>%1 entrées sont cochées, mais le calendrier n’a de place que pour %2.</translation>
    </message>
    <message>
        <source>The picture of %1 cannot be written to %2.</source>
        <translation>Impossible d’écrire l’image de %1 dans %2.</translation>
    </message>
</context>
<context>
    <name>ImportSource</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Impossible de lire %1.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB.</source>
        <translation>%1 dépasse %2&#xa0;Mo.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
</context>
<context>
    <name>PageNavigator</name>
    <message>
        <source>The page could not be written to %1.</source>
        <translation>Impossible d’écrire la page dans %1.</translation>
    </message>
</context>
<context>
    <name>PagePdf</name>
    <message>
        <source>printing took longer than %1 s</source>
        <translation>L’impression a pris plus de %1&#xa0;s</translation>
    </message>
    <message>
        <source>the page could not be printed</source>
        <translation>Impossible d’imprimer la page</translation>
    </message>
    <message>
        <source>could not write %1: %2</source>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>could not load the page %1</source>
        <translation>Impossible de charger la page %1</translation>
    </message>
    <message>
        <source>the page %1 did not load within %2 s</source>
        <translation>La page %1 ne s’est pas chargée en %2&#xa0;s</translation>
    </message>
</context>
<context>
    <name>ProgramNames</name>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>QSettingsStore</name>
    <message>
        <source>The settings file %1 could not be read. Tessolar starts with its default settings, and recent calendars and the window position are not kept.</source>
        <translation>Impossible de lire le fichier de paramètres %1. Tessolar démarre avec ses paramètres par défaut&#x202f;; les calendriers récents et la position de la fenêtre ne sont pas conservés.</translation>
    </message>
</context>
<context>
    <name>QtUserPrompts</name>
    <message>
        <source>Calendar Files (*.cal *.CAL);;All Files (*)</source>
        <translation>Fichiers de calendrier (*.cal *.CAL);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open Calendar</source>
        <translation>Ouvrir un calendrier</translation>
    </message>
    <message>
        <source>Save Calendar</source>
        <translation>Enregistrer le calendrier</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Address Books and Calendars (*.vcf *.VCF *.vcard *.ics *.ICS);;vCard Files (*.vcf *.VCF *.vcard);;iCalendar Files (*.ics *.ICS);;All Files (*)</source>
        <translation>Carnets d’adresses et calendriers (*.vcf *.VCF *.vcard *.ics *.ICS);;Fichiers vCard (*.vcf *.VCF *.vcard);;Fichiers iCalendar (*.ics *.ICS);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export as iCalendar</source>
        <translation>Exporter en iCalendar</translation>
    </message>
    <message>
        <source>iCalendar Files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>an unnamed calendar</source>
        <translation>un calendrier sans nom</translation>
    </message>
    <message>
        <source>Tessolar ended without saving the changes to %1 (last changed %2). Recover them?</source>
        <translation>Tessolar s’est arrêté sans enregistrer les modifications apportées à %1 (dernière modification&#xa0;: %2). Les récupérer&#x202f;?</translation>
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
        <translation>Californie</translation>
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
        <translation>District de Columbia</translation>
    </message>
    <message>
        <source>Delaware</source>
        <translation>Delaware</translation>
    </message>
    <message>
        <source>Florida</source>
        <translation>Floride</translation>
    </message>
    <message>
        <source>Georgia</source>
        <translation>Géorgie</translation>
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
        <translation>Louisiane</translation>
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
        <translation>Caroline du Nord</translation>
    </message>
    <message>
        <source>North Dakota</source>
        <translation>Dakota du Nord</translation>
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
        <translation>Nouveau-Mexique</translation>
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
        <translation>Pennsylvanie</translation>
    </message>
    <message>
        <source>Rhode Island</source>
        <translation>Rhode Island</translation>
    </message>
    <message>
        <source>South Carolina</source>
        <translation>Caroline du Sud</translation>
    </message>
    <message>
        <source>South Dakota</source>
        <translation>Dakota du Sud</translation>
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
        <translation>Virginie</translation>
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
        <translation>Virginie-Occidentale</translation>
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
        <translation>Colombie-Britannique</translation>
    </message>
    <message>
        <source>Manitoba</source>
        <translation>Manitoba</translation>
    </message>
    <message>
        <source>New Brunswick</source>
        <translation>Nouveau-Brunswick</translation>
    </message>
    <message>
        <source>Newfoundland and Labrador</source>
        <translation>Terre-Neuve-et-Labrador</translation>
    </message>
    <message>
        <source>Nova Scotia</source>
        <translation>Nouvelle-Écosse</translation>
    </message>
    <message>
        <source>Northwest Territories</source>
        <translation>Territoires du Nord-Ouest</translation>
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
        <translation>Île-du-Prince-Édouard</translation>
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
        <translation>Angleterre et pays de Galles</translation>
    </message>
    <message>
        <source>Northern Ireland</source>
        <translation>Irlande du Nord</translation>
    </message>
    <message>
        <source>Scotland</source>
        <translation>Écosse</translation>
    </message>
    <message>
        <source>Australian Capital Territory</source>
        <translation>Territoire de la capitale australienne</translation>
    </message>
    <message>
        <source>New South Wales</source>
        <translation>Nouvelle-Galles du Sud</translation>
    </message>
    <message>
        <source>Northern Territory</source>
        <translation>Territoire du Nord</translation>
    </message>
    <message>
        <source>Queensland</source>
        <translation>Queensland</translation>
    </message>
    <message>
        <source>South Australia</source>
        <translation>Australie-Méridionale</translation>
    </message>
    <message>
        <source>Tasmania</source>
        <translation>Tasmanie</translation>
    </message>
    <message>
        <source>Victoria</source>
        <translation>Victoria</translation>
    </message>
    <message>
        <source>Western Australia</source>
        <translation>Australie-Occidentale</translation>
    </message>
    <message>
        <source>Brandenburg</source>
        <translation>Brandebourg</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlin</translation>
    </message>
    <message>
        <source>Baden-Württemberg</source>
        <translation>Bade-Wurtemberg</translation>
    </message>
    <message>
        <source>Bavaria</source>
        <translation>Bavière</translation>
    </message>
    <message>
        <source>Bremen</source>
        <translation>Brême</translation>
    </message>
    <message>
        <source>Hesse</source>
        <translation>Hesse</translation>
    </message>
    <message>
        <source>Hamburg</source>
        <translation>Hambourg</translation>
    </message>
    <message>
        <source>Mecklenburg-Western Pomerania</source>
        <translation>Mecklembourg-Poméranie-Occidentale</translation>
    </message>
    <message>
        <source>Lower Saxony</source>
        <translation>Basse-Saxe</translation>
    </message>
    <message>
        <source>North Rhine-Westphalia</source>
        <translation>Rhénanie-du-Nord-Westphalie</translation>
    </message>
    <message>
        <source>Rhineland-Palatinate</source>
        <translation>Rhénanie-Palatinat</translation>
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
        <translation>Saxe</translation>
    </message>
    <message>
        <source>Saxony-Anhalt</source>
        <translation>Saxe-Anhalt</translation>
    </message>
    <message>
        <source>Thuringia</source>
        <translation>Thuringe</translation>
    </message>
    <message>
        <source>Andalusia</source>
        <translation>Andalousie</translation>
    </message>
    <message>
        <source>Aragon</source>
        <translation>Aragon</translation>
    </message>
    <message>
        <source>Asturias</source>
        <translation>Asturies</translation>
    </message>
    <message>
        <source>Cantabria</source>
        <translation>Cantabrie</translation>
    </message>
    <message>
        <source>Ceuta</source>
        <translation>Ceuta</translation>
    </message>
    <message>
        <source>Castile and León</source>
        <translation>Castille-et-León</translation>
    </message>
    <message>
        <source>Castilla-La Mancha</source>
        <translation>Castille-La Manche</translation>
    </message>
    <message>
        <source>Canary Islands</source>
        <translation>Îles Canaries</translation>
    </message>
    <message>
        <source>Catalonia</source>
        <translation>Catalogne</translation>
    </message>
    <message>
        <source>Extremadura</source>
        <translation>Estrémadure</translation>
    </message>
    <message>
        <source>Galicia</source>
        <translation>Galice</translation>
    </message>
    <message>
        <source>Balearic Islands</source>
        <translation>Îles Baléares</translation>
    </message>
    <message>
        <source>Region of Murcia</source>
        <translation>Région de Murcie</translation>
    </message>
    <message>
        <source>Community of Madrid</source>
        <translation>Communauté de Madrid</translation>
    </message>
    <message>
        <source>Melilla</source>
        <translation>Melilla</translation>
    </message>
    <message>
        <source>Navarre</source>
        <translation>Navarre</translation>
    </message>
    <message>
        <source>Basque Country</source>
        <translation>Pays basque</translation>
    </message>
    <message>
        <source>La Rioja</source>
        <translation>La Rioja</translation>
    </message>
    <message>
        <source>Valencian Community</source>
        <translation>Communauté valencienne</translation>
    </message>
    <message>
        <source>Burgenland</source>
        <translation>Burgenland</translation>
    </message>
    <message>
        <source>Carinthia</source>
        <translation>Carinthie</translation>
    </message>
    <message>
        <source>Lower Austria</source>
        <translation>Basse-Autriche</translation>
    </message>
    <message>
        <source>Upper Austria</source>
        <translation>Haute-Autriche</translation>
    </message>
    <message>
        <source>Salzburg</source>
        <translation>Salzbourg</translation>
    </message>
    <message>
        <source>Styria</source>
        <translation>Styrie</translation>
    </message>
    <message>
        <source>Tyrol</source>
        <translation>Tyrol</translation>
    </message>
    <message>
        <source>Vorarlberg</source>
        <translation>Vorarlberg</translation>
    </message>
    <message>
        <source>Vienna</source>
        <translation>Vienne</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <source>Line %1 uses the character set %2, which cannot be read.</source>
        <translation>La ligne %1 utilise le jeu de caractères %2, qui ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Line %1 is not UTF-8 text and names no other character set.</source>
        <translation>La ligne %1 n’est pas du texte UTF-8 et n’indique aucun autre jeu de caractères.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB.</source>
        <translation>Le fichier dépasse %1&#xa0;Mo.</translation>
    </message>
    <message>
        <source>The file is not text.</source>
        <translation>Le fichier n’est pas un fichier texte.</translation>
    </message>
    <message>
        <source>Line %1 is longer than %2 MB.</source>
        <translation>La ligne %1 dépasse %2&#xa0;Mo.</translation>
    </message>
    <message>
        <source>the photo file %1 cannot be read</source>
        <translation>le fichier photo %1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>the photo is neither in the card nor a local file</source>
        <translation>la photo n’est ni dans la vCard ni dans un fichier local</translation>
    </message>
    <message>
        <source>the photo&apos;s Base64 is broken</source>
        <translation>le Base64 de la photo est endommagé</translation>
    </message>
    <message>
        <source>the photo is larger than %1 MB</source>
        <translation>la photo dépasse %1&#xa0;Mo</translation>
    </message>
    <message>
        <source>the photo is not a JPEG, PNG or GIF picture</source>
        <translation>la photo n’est pas une image JPEG, PNG ou GIF</translation>
    </message>
    <message>
        <source>The file holds no vCard.</source>
        <translation>Le fichier ne contient aucune vCard.</translation>
    </message>
</context>
<context>
    <name>WeekRule</name>
    <message>
        <source>First</source>
        <translation>Premier</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Deuxième</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Troisième</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Quatrième</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernier</translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Builds a personalised calendar for one year and prints it.</source>
        <translation>Compose un calendrier personnalisé d’une année et l’imprime.</translation>
    </message>
    <message>
        <source>calendar</source>
        <translation>calendrier</translation>
    </message>
    <message>
        <source>A calendar file (.cal) to open.</source>
        <translation>Un fichier de calendrier (.cal) à ouvrir.</translation>
    </message>
    <message>
        <source>[calendar]</source>
        <translation>[calendrier]</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgAbout</name>
    <message>
        <source>Tessolar Version %1</source>
        <translation>Tessolar version %1</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgBigPics</name>
    <message>
        <source>Pick a Picture</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>Pictures (%1);;All Files (*)</source>
        <translation>Images (%1);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgGenConfig</name>
    <message>
        <source>Font for Calendar Body</source>
        <translation>Police du texte du calendrier</translation>
    </message>
    <message>
        <source>Pick a Directory</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Whole country</source>
        <translation>Tout le pays</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgImportPreview</name>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>%1 holds %2 days for the calendar; %3 of them it has already. Check the ones to add.</source>
        <translation>%1 contient %2 jours pour le calendrier&#x202f;; le calendrier en a déjà %3. Cochez ceux à ajouter.</translation>
    </message>
    <message>
        <source>Skipped (%1):</source>
        <translation>Ignorés (%1)&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Check &amp;All</source>
        <translation>&amp;Tout cocher</translation>
    </message>
    <message>
        <source>&amp;Uncheck All</source>
        <translation>Tout &amp;décocher</translation>
    </message>
    <message>
        <source>%1 checked; the calendar has room for %2 more entries.</source>
        <translation>%1 cochées&#x202f;; le calendrier a encore de la place pour %2 entrées.</translation>
    </message>
    <message>
        <source>Uncheck %1 to import the rest.</source>
        <translation>Décochez-en %1 pour importer les autres.</translation>
    </message>
    <message>
        <source>Days to import</source>
        <translation>Jours à importer</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgModifyEvent</name>
    <message>
        <source>Choose a picture</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>Pictures (%1);;All Files (*)</source>
        <translation>Images (%1);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgPickFrom</name>
    <message>
        <source>Which are you trying to change?</source>
        <translation>Que voulez-vous modifier&#x202f;?</translation>
    </message>
</context>
<context>
    <name>tessolar::CDlgTitle</name>
    <message>
        <source>Font for Cover Page</source>
        <translation>Police de la page de titre</translation>
    </message>
    <message>
        <source>Title Font Color</source>
        <translation>Couleur du titre</translation>
    </message>
</context>
<context>
    <name>tessolar::CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>&amp;Mise en page…</translation>
    </message>
    <message>
        <source>&amp;Wall Calendar Layout</source>
        <translation>Format &amp;calendrier mural</translation>
    </message>
    <message>
        <source>&amp;Crop Wall Pictures to Fill</source>
        <translation>&amp;Recadrer les images du calendrier mural</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>A&amp;perçu avant impression…</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>E&amp;xporter en PDF…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Page</source>
        <translation>&amp;Page</translation>
    </message>
    <message>
        <source>&amp;Welcome</source>
        <translation>&amp;Accueil</translation>
    </message>
    <message>
        <source>&amp;Big Pictures</source>
        <translation>&amp;Grandes images</translation>
    </message>
    <message>
        <source>&amp;Title Page</source>
        <translation>Page de &amp;titre</translation>
    </message>
    <message>
        <source>&amp;One Month</source>
        <translation>&amp;Un mois</translation>
    </message>
    <message>
        <source>&amp;All Months</source>
        <translation>T&amp;ous les mois</translation>
    </message>
    <message>
        <source>Month &amp;Previous</source>
        <translation>Mois &amp;précédent</translation>
    </message>
    <message>
        <source>Month &amp;Next</source>
        <translation>Mois &amp;suivant</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>&amp;Hidden Events</source>
        <translation>Événements &amp;masqués</translation>
    </message>
    <message>
        <source>CalDatabase</source>
        <translation>Données du calendrier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Tessolar...</source>
        <translation>À &amp;propos de Tessolar…</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>Impor&amp;ter…</translation>
    </message>
    <message>
        <source>Export as iCa&amp;lendar...</source>
        <translation>Exporter en iCa&amp;lendar…</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Add Event...</source>
        <translation>&amp;Ajouter un événement…</translation>
    </message>
    <message>
        <source>&amp;Edit Entry...</source>
        <translation>&amp;Modifier l’entrée…</translation>
    </message>
    <message>
        <source>&amp;Hide Entry</source>
        <translation>&amp;Masquer l’entrée</translation>
    </message>
    <message>
        <source>&amp;Delete Entry...</source>
        <translation>&amp;Supprimer l’entrée…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>&amp;Effacer la liste</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>Show the welcome page</source>
        <translation>Afficher la page d’accueil</translation>
    </message>
    <message>
        <source>Show the big pictures page</source>
        <translation>Afficher la page des grandes images</translation>
    </message>
    <message>
        <source>Show the title page</source>
        <translation>Afficher la page de titre</translation>
    </message>
    <message>
        <source>Show one month</source>
        <translation>Afficher un mois</translation>
    </message>
    <message>
        <source>Show all twelve months</source>
        <translation>Afficher les douze mois</translation>
    </message>
    <message>
        <source>Go to the previous month</source>
        <translation>Aller au mois précédent</translation>
    </message>
    <message>
        <source>Go to the next month</source>
        <translation>Aller au mois suivant</translation>
    </message>
    <message>
        <source>Change the calendar settings</source>
        <translation>Modifier les réglages du calendrier</translation>
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
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Disposition</translation>
    </message>
    <message>
        <source>Booklet: title, months and pictures on landscape sheets (26 for the year)</source>
        <translation>Livret&#xa0;: titre, mois et images sur des feuilles en paysage (26 pour l’année)</translation>
    </message>
    <message>
        <source>Wall calendar: each month&apos;s picture above its grid on a portrait sheet (13 for the year)</source>
        <translation>Calendrier mural&#xa0;: l’image de chaque mois au-dessus de sa grille, sur une feuille en portrait (13 pour l’année)</translation>
    </message>
    <message>
        <source>Pictures of the wall calendar</source>
        <translation>Images du calendrier mural</translation>
    </message>
    <message>
        <source>Crop each picture to fill its frame</source>
        <translation>Recadrer chaque image pour qu’elle remplisse son cadre</translation>
    </message>
    <message>
        <source>Show each picture whole</source>
        <translation>Afficher chaque image en entier</translation>
    </message>
</context>
<context>
    <name>tessolar::CPrintHandler</name>
    <message>
        <source>The page could not be printed.</source>
        <translation>Impossible d’imprimer la page.</translation>
    </message>
    <message>
        <source>The page is still printing; try again when it is done.</source>
        <translation>La page est encore en cours d’impression&#x202f;; réessayez quand l’impression sera terminée.</translation>
    </message>
    <message>
        <source>There is no page to print.</source>
        <translation>Il n’y a aucune page à imprimer.</translation>
    </message>
    <message>
        <source>The page to print could not be written to %1.</source>
        <translation>Impossible d’écrire la page à imprimer dans %1.</translation>
    </message>
</context>
<context>
    <name>tessolar::CTessolarView</name>
    <message>
        <source>The page cannot be shown: the browser engine&apos;s page process ended twice in a row. Choose a page from the Page menu to try again.</source>
        <translation>Impossible d’afficher la page&#xa0;: le processus de page du moteur de navigation s’est arrêté deux fois de suite. Choisissez une page dans le menu «&#xa0;Page&#xa0;» pour réessayer.</translation>
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
        <translation>Figure déjà dans le calendrier.</translation>
    </message>
    <message>
        <source>No year: no age shown.</source>
        <translation>Pas d’année&#xa0;: l’âge n’est pas affiché.</translation>
    </message>
    <message>
        <source>Click to choose the type.</source>
        <translation>Cliquez pour choisir le type.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
</context>
</TS>
