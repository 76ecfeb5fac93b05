<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name>ActionTexts</name>
    <message>
        <source>Bild &apos;%1&apos; in den Papierkorb verschieben?</source>
        <translation>Move the photo &apos;%1&apos; to the trash?</translation>
    </message>
    <message numerus="yes">
        <source>%n Bilder in den Papierkorb verschieben?</source>
        <translation>
            <numerusform>Move %n photo to the trash?</numerusform>
            <numerusform>Move %n photos to the trash?</numerusform>
        </translation>
    </message>
    <message>
        <source>Bild &apos;%1&apos; endgültig löschen?</source>
        <translation>Delete the photo &apos;%1&apos; for good?</translation>
    </message>
    <message numerus="yes">
        <source>%n Bilder endgültig löschen?</source>
        <translation>
            <numerusform>Delete %n photo for good?</numerusform>
            <numerusform>Delete %n photos for good?</numerusform>
        </translation>
    </message>
    <message>
        <source>Bitte einen Namen eingeben.</source>
        <translation>Please enter a name.</translation>
    </message>
    <message>
        <source>Der Name darf weder &quot;/&quot; noch &quot;\&quot; enthalten.</source>
        <translation>The name must not contain &quot;/&quot; or &quot;\&quot;.</translation>
    </message>
    <message>
        <source>Der Name darf keine Steuerzeichen enthalten.</source>
        <translation>The name must not contain control characters.</translation>
    </message>
    <message>
        <source>Die Datei konnte nicht in &apos;%1&apos; umbenannt werden.
%2</source>
        <translation>The file could not be renamed to &apos;%1&apos;.
%2</translation>
    </message>
    <message>
        <source>Das Bild &apos;%1&apos; konnte nicht gelöscht werden.
%2</source>
        <translation>The photo &apos;%1&apos; could not be deleted.
%2</translation>
    </message>
    <message>
        <source>Datei existiert bereits.</source>
        <translation>A file of that name exists already.</translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Renaming</translation>
    </message>
    <message>
        <source>Rückgängig machen</source>
        <translation>Undoing</translation>
    </message>
</context>
<context>
    <name>BatchReportDialog</name>
    <message>
        <source>%1 - Umbenennen</source>
        <translation>%1 - Rename</translation>
    </message>
    <message>
        <source>Ordner: %1</source>
        <translation>Folder: %1</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>BatchTexts</name>
    <message>
        <source>Keine EXIF-Zeit zum Einfrieren: bitte zuerst ein Foto mit EXIF-Zeit anzeigen.</source>
        <translation>No capture time to freeze: please show a photo with a capture time first.</translation>
    </message>
    <message>
        <source>Keine Datei ausgewählt.</source>
        <translation>No file selected.</translation>
    </message>
    <message>
        <source>Keine Umbenennung zum Rückgängigmachen.</source>
        <translation>No rename to undo.</translation>
    </message>
    <message>
        <source>%1 von %2 Dateien erledigt</source>
        <translation>%1 of %2 files done</translation>
    </message>
    <message numerus="yes">
        <source>%n umbenannt</source>
        <translation>
            <numerusform>%n renamed</numerusform>
            <numerusform>%n renamed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n übersprungen</source>
        <translation>
            <numerusform>%n skipped</numerusform>
            <numerusform>%n skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fehlgeschlagen</source>
        <translation>
            <numerusform>%n failed</numerusform>
            <numerusform>%n failed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ohne Dateizeit</source>
        <translation>
            <numerusform>%n without file time</numerusform>
            <numerusform>%n without file time</numerusform>
        </translation>
    </message>
    <message>
        <source>Abgebrochen: %1</source>
        <translation>Cancelled: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n zurückbenannt</source>
        <translation>
            <numerusform>%n renamed back</numerusform>
            <numerusform>%n renamed back</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 – &lt;a href=&quot;report&quot;&gt;Bericht anzeigen&lt;/a&gt;</source>
        <translation>%1 – &lt;a href=&quot;report&quot;&gt;Show report&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Abgebrochen nach %1: %2</source>
        <translation>Cancelled after %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Letzte Umbenennung rückgängig machen?

Umbenennung %1 vom %2 in %3: %n Dateien</source>
        <translation>
            <numerusform>Undo the last rename?

Rename %1 of %2 in %3: %n file</numerusform>
            <numerusform>Undo the last rename?

Rename %1 of %2 in %3: %n files</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>Aufruf: fotlex-cli BEFEHL [ARGUMENTE...]</source>
        <translation>Usage: fotlex-cli COMMAND [ARGUMENTS...]</translation>
    </message>
    <message>
        <source>Befehle:</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>Optionen:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>--help     diese Hilfe anzeigen</source>
        <translation>--help     show this help</translation>
    </message>
    <message>
        <source>--version  die Versionsnummer anzeigen</source>
        <translation>--version  show the version number</translation>
    </message>
    <message>
        <source>info DATEI...   die EXIF-Daten der Dateien auflisten</source>
        <translation>info FILE...   list the EXIF data of the files</translation>
    </message>
    <message>
        <source>rename [--dry-run] [--file-times] [--freeze &quot;YYYY:MM:DD HH:MM:SS&quot;] [--burst] [--shift VERSATZ] [--no-companions] PFAD...   nach EXIF-Zeit umbenennen (VERSATZ: [+|-]HH:MM[:SS])</source>
        <translation>rename [--dry-run] [--file-times] [--freeze &quot;YYYY:MM:DD HH:MM:SS&quot;] [--burst] [--shift OFFSET] [--no-companions] PATH...   rename to capture time (OFFSET: [+|-]HH:MM[:SS])</translation>
    </message>
    <message>
        <source>undo [--list | N]   die letzte (oder N-te) Umbenennung rückgängig machen</source>
        <translation>undo [--list | N]   undo the last (or the Nth) rename</translation>
    </message>
    <message>
        <source>Kein Befehl angegeben.</source>
        <translation>No command given.</translation>
    </message>
    <message>
        <source>Unbekannte Option: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Unbekannter Befehl: %1</source>
        <translation>Unknown command: %1</translation>
    </message>
</context>
<context>
    <name>CommandLineText</name>
    <message>
        <source>Zeigt die Fotos eines Ordners und benennt sie nach ihrer Aufnahmezeit um.</source>
        <translation>Shows the photos of a folder and renames them to their capture time.</translation>
    </message>
    <message>
        <source>PFAD</source>
        <translation>PATH</translation>
    </message>
    <message>
        <source>Ein Ordner, der geöffnet wird, oder Fotos, die darin ausgewählt werden.</source>
        <translation>A folder to open, or photos to select in theirs.</translation>
    </message>
    <message>
        <source>[PFAD...]</source>
        <translation>[PATH...]</translation>
    </message>
</context>
<context>
    <name>FolderDialog</name>
    <message>
        <source>Ordner auswählen</source>
        <translation>Choose a folder</translation>
    </message>
    <message>
        <source>&amp;Neuer Ordner</source>
        <translation>&amp;New folder</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Neuer Ordner</source>
        <translation>New folder</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>new folder, number</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>FolderNameText</name>
    <message>
        <source>Die Namen &quot;.&quot; und &quot;..&quot; sind für einen neuen Ordner nicht zulässig.</source>
        <translation>The names &quot;.&quot; and &quot;..&quot; cannot name a new folder.</translation>
    </message>
    <message>
        <source>Der Ordnername darf keinen Schrägstrich &quot;/&quot; enthalten.</source>
        <translation>A folder name must not contain a slash &quot;/&quot;.</translation>
    </message>
    <message>
        <source>Der Ordnername darf keine Steuerzeichen (z. B. Zeilenumbrüche) enthalten.</source>
        <translation>A folder name must not contain control characters (such as line breaks).</translation>
    </message>
    <message>
        <source>Der Ordnername ist zu lang (höchstens %1 Bytes).</source>
        <translation>The folder name is too long (%1 bytes at most).</translation>
    </message>
    <message>
        <source>Ein Ordner mit diesem Namen existiert bereits.</source>
        <translation>A folder of that name exists already.</translation>
    </message>
    <message>
        <source>Der Ordner konnte nicht umbenannt werden.
Der Datenträger lässt diesen Namen möglicherweise nicht zu.</source>
        <translation>The folder could not be renamed.
The medium may not allow that name.</translation>
    </message>
    <message>
        <source>Der Ordner konnte nicht angelegt werden.
Der Datenträger ist möglicherweise schreibgeschützt.</source>
        <translation>The folder could not be made.
The medium may be write-protected.</translation>
    </message>
</context>
<context>
    <name>InfoPanel</name>
    <message>
        <source>Kamera:</source>
        <translation>Camera:</translation>
    </message>
    <message>
        <source>Blende:</source>
        <translation>Aperture:</translation>
    </message>
    <message>
        <source>Belichtung:</source>
        <translation>Exposure:</translation>
    </message>
    <message>
        <source>ISO:</source>
        <translation>ISO:</translation>
    </message>
    <message>
        <source>Datum &amp; Zeit:</source>
        <translation>Capture time:</translation>
    </message>
    <message>
        <source>Bildgröße:</source>
        <translation>Image size:</translation>
    </message>
    <message>
        <source>Dateigröße:</source>
        <translation>File size:</translation>
    </message>
    <message>
        <source>Dateizeit:</source>
        <translation>File time:</translation>
    </message>
    <message>
        <source>f/%1</source>
        <translation>f/%1</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>1/%1 s</source>
        <translation>1/%1 s</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Ordner oder Foto: Eingabetaste öffnet</source>
        <translation>A folder or a photo: Enter opens it</translation>
    </message>
    <message>
        <source>&amp;Pfad:</source>
        <translation>&amp;Path:</translation>
    </message>
    <message>
        <source>Ordner wählen</source>
        <translation>Choose a folder</translation>
    </message>
    <message>
        <source>Aktuellen Pfad neu einlesen (F5)</source>
        <translation>Read the folder again (F5)</translation>
    </message>
    <message>
        <source>EXIF-Zeit:</source>
        <translation>Capture time:</translation>
    </message>
    <message>
        <source>&amp;Dateizeit anpassen</source>
        <translation>A&amp;djust file time</translation>
    </message>
    <message>
        <source>EXIF-Zeit &amp;einfrieren</source>
        <translation>&amp;Freeze time</translation>
    </message>
    <message>
        <source>EXIF-Zeit als Dateiname (ausgewählte Dateien)</source>
        <translation>Rename to capture time (selected files)</translation>
    </message>
    <message>
        <source>Bild anzeigen...</source>
        <translation>Show photo...</translation>
    </message>
    <message>
        <source>Bild umbenennen...</source>
        <translation>Rename photo...</translation>
    </message>
    <message>
        <source>Bild löschen...</source>
        <translation>Delete photo...</translation>
    </message>
    <message>
        <source>Umbenennen mit Vorschau...</source>
        <translation>Rename with preview...</translation>
    </message>
    <message>
        <source>Letzte Umbenennung rückgängig</source>
        <translation>Undo the last rename</translation>
    </message>
    <message>
        <source>Nicht angezeigt, da der Dateiname kein gültiges UTF-8 ist (bitte zuerst umbenennen):
%1</source>
        <translation>Not shown, as their names are no valid UTF-8 (please rename them first):
%1</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
</context>
<context>
    <name>NameValidator</name>
    <message>
        <source>Steuerzeichen</source>
        <translation>control characters</translation>
    </message>
    <message>
        <source>Nicht erlaubt: %1</source>
        <translation>Not allowed: %1</translation>
    </message>
</context>
<context>
    <name>PathsText</name>
    <message>
        <source>Nicht gefunden:
%1</source>
        <translation>Not found:
%1</translation>
    </message>
    <message>
        <source>Nicht ausgewählt, da nicht im Ordner %1:
%2</source>
        <translation>Not selected, as they are not in the folder %1:
%2</translation>
    </message>
    <message>
        <source>Keine Fotos:
%1</source>
        <translation>Not photos:
%1</translation>
    </message>
    <message>
        <source>Der Ordner &apos;%1&apos; kann nicht gelesen werden.</source>
        <translation>The folder &apos;%1&apos; cannot be read.</translation>
    </message>
</context>
<context>
    <name>RenameDialog</name>
    <message>
        <source>Bild umbenennen</source>
        <translation>Rename photo</translation>
    </message>
    <message>
        <source>&amp;Neuer Name:</source>
        <translation>&amp;New name:</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>RenamePreviewDialog</name>
    <message>
        <source>Umbenennen mit Vorschau</source>
        <translation>Rename with preview</translation>
    </message>
    <message>
        <source>Serienbilder einer Sekunde mit Buchstaben a, b, c …</source>
        <translation>Bursts within one second get the letters a, b, c …</translation>
    </message>
    <message>
        <source>+HH:MM[:SS] oder -HH:MM[:SS]</source>
        <translation>+HH:MM[:SS] or -HH:MM[:SS]</translation>
    </message>
    <message>
        <source>Begleitdateien (.xmp, RAW, Video …) mitnehmen</source>
        <translation>Take companion files along (.xmp, RAW, video …)</translation>
    </message>
    <message>
        <source>Dateizeit anpassen</source>
        <translation>Adjust file time</translation>
    </message>
    <message>
        <source>Alter Name</source>
        <translation>Old name</translation>
    </message>
    <message>
        <source>Neuer Name</source>
        <translation>New name</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Uhr der Kamera verschieben um:</source>
        <translation>&amp;Shift the camera&apos;s clock by:</translation>
    </message>
    <message>
        <source>Keine Dateien ausgewählt: bitte zuerst in der Liste Fotos auswählen.</source>
        <translation>No files selected: please select photos in the list first.</translation>
    </message>
    <message>
        <source>Kein gültiger Versatz: erwartet [+|-]HH:MM[:SS]</source>
        <translation>Not a valid offset: expected [+|-]HH:MM[:SS]</translation>
    </message>
    <message>
        <source>bleibt: %1</source>
        <translation>stays: %1</translation>
    </message>
    <message>
        <source>fehlgeschlagen: %1</source>
        <translation>failed: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>files renamed, files staying</comment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n wird umbenannt</source>
        <translation>
            <numerusform>%n will be renamed</numerusform>
            <numerusform>%n will be renamed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bleibt</source>
        <translation>
            <numerusform>%n stays</numerusform>
            <numerusform>%n stay</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ShellOpenText</name>
    <message>
        <source>Das Bild &apos;%1&apos; konnte nicht angezeigt werden.
%2</source>
        <translation>The photo &apos;%1&apos; could not be shown.
%2</translation>
    </message>
    <message>
        <source>%1 ist nicht installiert.</source>
        <translation>%1 is not installed.</translation>
    </message>
    <message>
        <source>Für diesen Dateityp ist kein Programm eingerichtet.</source>
        <translation>No program is set up for this type of file.</translation>
    </message>
    <message>
        <source>Die Datei wurde nicht gefunden.</source>
        <translation>The file was not found.</translation>
    </message>
    <message>
        <source>Das Anzeigeprogramm meldete einen Fehler (%1).</source>
        <translation>The viewer reported an error (%1).</translation>
    </message>
    <message>
        <source>Außer Fotlex ist kein Programm für diesen Dateityp eingerichtet. Im Dateimanager lässt sich unter „Öffnen mit“ eines wählen.</source>
        <translation>No program but Fotlex is set up for this type of file. The file manager&apos;s &quot;Open With&quot; lets you choose one.</translation>
    </message>
    <message>
        <source>%1 ließ sich nicht starten.</source>
        <translation>%1 could not be started.</translation>
    </message>
</context>
</TS>
