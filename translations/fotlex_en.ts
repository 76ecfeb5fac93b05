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
        <source>%1 von %2 Dateien erledigt</source>
        <translation>%1 of %2 files done</translation>
    </message>
    <message>
        <source>%1 von %2 Dateien erledigt
%3 von %4</source>
        <translation>%1 of %2 files done
%3 of %4</translation>
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
    <message>
        <source>Rückgängig machen</source>
        <translation>Undoing</translation>
    </message>
    <message numerus="yes">
        <source>%n kopiert</source>
        <translation>
            <numerusform>%n copied</numerusform>
            <numerusform>%n copied</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n verschoben</source>
        <translation>
            <numerusform>%n moved</numerusform>
            <numerusform>%n moved</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Kopien entfernt</source>
        <translation>
            <numerusform>%n copy removed</numerusform>
            <numerusform>%n copies removed</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>Befehle:</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>Kein Befehl angegeben.</source>
        <translation>No command given.</translation>
    </message>
    <message>
        <source>Unbekannter Befehl: %1</source>
        <translation>Unknown command: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 von %n Dateien</source>
        <translation>
            <numerusform>%1 of %n file</numerusform>
            <numerusform>%1 of %n files</numerusform>
        </translation>
    </message>
    <message>
        <source>[OPTIONEN]</source>
        <translation>[OPTIONS]</translation>
    </message>
    <message>
        <source>Aufruf: %1</source>
        <translation>Usage: %1</translation>
    </message>
    <message>
        <source>Hilfe: %1 --help</source>
        <translation>Help: %1 --help</translation>
    </message>
    <message>
        <source>diese Hilfe anzeigen</source>
        <translation>show this help</translation>
    </message>
    <message>
        <source>Ungültiger Wert für --%1: &quot;%2&quot; (erwartet %3)</source>
        <translation>Invalid value for --%1: &quot;%2&quot; (expected %3)</translation>
    </message>
    <message>
        <source>BEFEHL [ARGUMENTE...]</source>
        <translation>COMMAND [ARGUMENTS...]</translation>
    </message>
    <message>
        <source>Die Optionen eines Befehls zeigt fotlex-cli BEFEHL --help.</source>
        <translation>fotlex-cli COMMAND --help shows the options of a command.</translation>
    </message>
    <message>
        <source>die Versionsnummer anzeigen</source>
        <translation>show the version number</translation>
    </message>
    <message>
        <source>DATEI...</source>
        <translation>FILE...</translation>
    </message>
    <message>
        <source>ein Foto oder ein Video</source>
        <translation>a photo or a video</translation>
    </message>
    <message>
        <source>Keine Datei angegeben.</source>
        <translation>No file given.</translation>
    </message>
    <message>
        <source>nicht lesbar</source>
        <translation>not readable</translation>
    </message>
    <message>
        <source>Fehler: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>nichts ändern, nur zeigen, was geschähe</source>
        <translation>change nothing, only show what would happen</translation>
    </message>
    <message>
        <source>die Dateizeiten auf die Aufnahmezeit setzen</source>
        <translation>set the file times to the capture time</translation>
    </message>
    <message>
        <source>YYYY:MM:DD HH:MM:SS</source>
        <translation>YYYY:MM:DD HH:MM:SS</translation>
    </message>
    <message>
        <source>jeder Datei diese eine Zeit geben, mit einem Buchstaben a bis z</source>
        <translation>give every file this one time, with a letter a to z</translation>
    </message>
    <message>
        <source>Fotos derselben Sekunde bekommen Buchstaben in Aufnahmereihenfolge</source>
        <translation>photos of the same second get letters in capture order</translation>
    </message>
    <message>
        <source>[+|-]HH:MM[:SS]</source>
        <translation>[+|-]HH:MM[:SS]</translation>
    </message>
    <message>
        <source>jede Aufnahmezeit um diesen Versatz verschieben (eine Kamera, deren Uhr falsch ging; Stunden auch über 24)</source>
        <translation>shift every capture time by this offset (a camera whose clock was wrong; hours may exceed 24)</translation>
    </message>
    <message>
        <source>jede Datei für sich umbenennen, ohne Begleitdateien und Aufnahmen</source>
        <translation>rename each file on its own, without companion files and shots</translation>
    </message>
    <message>
        <source>nur fehlgeschlagene Dateien und die letzte Zeile zeigen</source>
        <translation>show only the failed files and the last line</translation>
    </message>
    <message>
        <source>auch die Aufnahmezeit jeder Datei nennen, nach der sie heißt, und Begleitdateien als solche kennzeichnen</source>
        <translation>also name the capture time each file is named after, and mark companion files as such</translation>
    </message>
    <message>
        <source>PFAD...</source>
        <translation>PATH...</translation>
    </message>
    <message>
        <source>ein Ordner (seine Bilder) oder eine Datei</source>
        <translation>a folder (its images) or a file</translation>
    </message>
    <message>
        <source>Fotos nach ihrer Aufnahmezeit umbenennen</source>
        <translation>rename photos to their capture time</translation>
    </message>
    <message>
        <source>(Begleitdatei)</source>
        <translation>(companion file)</translation>
    </message>
    <message>
        <source>Kein Pfad angegeben.</source>
        <translation>No path given.</translation>
    </message>
    <message>
        <source>die Umbenennungen im Journal auflisten</source>
        <translation>list the renames in the journal</translation>
    </message>
    <message>
        <source>die Umbenennung auch mit N zuerst nennen</source>
        <translation>name the rename first, with N as well</translation>
    </message>
    <message>
        <source>Keine Umbenennung im Journal.</source>
        <translation>No rename in the journal.</translation>
    </message>
    <message>
        <source>Rückgängig: %1</source>
        <translation>Undo: %1</translation>
    </message>
    <message>
        <source>[N]</source>
        <translation>[N]</translation>
    </message>
    <message>
        <source>die Nummer einer Umbenennung (siehe --list)</source>
        <translation>the number of a rename (see --list)</translation>
    </message>
    <message>
        <source>die letzte (oder die N-te) Umbenennung rückgängig machen</source>
        <translation>undo the last (or the Nth) rename</translation>
    </message>
    <message>
        <source>Zu viele Argumente: %1</source>
        <translation>Too many arguments: %1</translation>
    </message>
    <message>
        <source>Keine Nummer einer Umbenennung: %1</source>
        <translation>Not the number of a rename: %1</translation>
    </message>
    <message>
        <source>Keine Umbenennung zum Rückgängigmachen.</source>
        <translation>No rename to undo.</translation>
    </message>
    <message>
        <source>Fotos nach ihrer Aufnahmezeit umbenennen, das rückgängig machen, EXIF-Daten zeigen</source>
        <translation>Rename photos to their capture time, undo that, show EXIF data</translation>
    </message>
    <message>
        <source>die EXIF-Daten von Dateien auflisten</source>
        <translation>list the EXIF data of files</translation>
    </message>
    <message>
        <source>(Aufnahmezeit %1 %2)</source>
        <translation>(capture time %1 %2)</translation>
    </message>
    <message>
        <source>leere Datei</source>
        <translation>empty file</translation>
    </message>
    <message>
        <source>unbekannter Fehler</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>abgebrochen: Ausgabe nicht mehr schreibbar (%1), %2 umbenannt; fotlex-cli undo nimmt sie zurück</source>
        <translation>stopped: output no longer writable (%1), %2 renamed; fotlex-cli undo takes them back</translation>
    </message>
    <message>
        <source>fotlex-cli: Ausgabe nicht geschrieben (%1)</source>
        <translation>fotlex-cli: output not written (%1)</translation>
    </message>
    <message>
        <source>MUSTER</source>
        <translation>PATTERN</translation>
    </message>
    <message>
        <source>Namensmuster: %Y %m %d %H %M %S die Aufnahmezeit, %f die Sekundenbruchteile, %n der bisherige Name, %c das Kameramodell, %k der Hersteller, %% ein Prozentzeichen, / ein Unterordner (Vorgabe: %Y-%m-%d - %H-%M-%S)</source>
        <translation>name pattern: %Y %m %d %H %M %S the capture time, %f the sub-seconds, %n the present name, %c the camera model, %k the make, %% a per cent sign, / a folder (default: %Y-%m-%d - %H-%M-%S)</translation>
    </message>
    <message>
        <source>ein JSON-Array ausgeben, ein Objekt je Datei, für Skripte</source>
        <translation>print one JSON array, one object per file, for scripts</translation>
    </message>
    <message>
        <source>[+|-]HH:MM</source>
        <translation>[+|-]HH:MM</translation>
    </message>
    <message>
        <source>Videos, deren Zeit nur in UTC vorliegt, in dieser Zeitzone benennen (sonst in der des zeitlich nächsten Fotos ihres Ordners)</source>
        <translation>name videos whose time is in UTC only in this time zone (else in that of the photo of their folder nearest in time)</translation>
    </message>
    <message>
        <source>%1 von %2 MB kopiert</source>
        <translation>%1 of %2 MB copied</translation>
    </message>
    <message>
        <source>abgebrochen (Strg+C) nach der Datei in Arbeit: %1; fotlex-cli undo nimmt es zurück</source>
        <translation>stopped (Ctrl+C) after the file at hand: %1; fotlex-cli undo takes it back</translation>
    </message>
    <message>
        <source>Zielordner &quot;%1&quot;: %2</source>
        <translation>target folder &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Zielordner &quot;%1&quot; ist kein Ordner</source>
        <translation>target folder &quot;%1&quot; is no folder</translation>
    </message>
    <message>
        <source>Zielordner &quot;%1&quot; ist nicht beschreibbar: %2</source>
        <translation>target folder &quot;%1&quot; is not writable: %2</translation>
    </message>
    <message>
        <source>ZIEL</source>
        <translation>TARGET</translation>
    </message>
    <message>
        <source>die Fotos (mit ihren Begleitdateien) nach dem Muster unterhalb dieses Ordners ablegen statt in ihrem eigenen; Ordner werden durchsucht, auch ihre Unterordner</source>
        <translation>put the photos (with their companion files) below this folder by the pattern instead of their own; folders are searched with their subfolders</translation>
    </message>
    <message>
        <source>mit --to: kopieren statt verschieben</source>
        <translation>with --to: copy instead of moving</translation>
    </message>
    <message>
        <source>--copy geht nur mit --to.</source>
        <translation>--copy works only with --to.</translation>
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
    <name>FileOpResult</name>
    <message>
        <source>keine normale Datei</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>Datei oder Ordner nicht gefunden</source>
        <translation>file or folder not found</translation>
    </message>
    <message>
        <source>ein Teil des Pfades ist kein Ordner</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>ist ein Ordner</source>
        <translation>is a folder</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>Vorgang nicht erlaubt</source>
        <translation>operation not permitted</translation>
    </message>
    <message>
        <source>Datei existiert bereits</source>
        <translation>file exists already</translation>
    </message>
    <message>
        <source>Datenträger ist schreibgeschützt</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>kein Platz mehr auf dem Datenträger</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>Speicherkontingent erschöpft</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>Name zu lang</source>
        <translation>name too long</translation>
    </message>
    <message>
        <source>nicht auf demselben Dateisystem</source>
        <translation>not on the same file system</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>der Empfänger liest nicht mehr</source>
        <translation>the reader has gone</translation>
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
    <name>ReaderTexts</name>
    <message>
        <source>Keine EXIF-Daten vorhanden.</source>
        <translation>No EXIF data present.</translation>
    </message>
    <message>
        <source>Error.</source>
        <translation>Error.</translation>
    </message>
    <message numerus="yes">
        <source>… %n weitere Einträge</source>
        <translation>
            <numerusform>… %n more entry</numerusform>
            <numerusform>… %n more entries</numerusform>
        </translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>O</source>
        <comment>east</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>Tag %1 nicht gefunden.</source>
        <translation>Tag %1 not found.</translation>
    </message>
    <message>
        <source>EXIF</source>
        <translation>EXIF</translation>
    </message>
    <message>
        <source>XMP</source>
        <translation>XMP</translation>
    </message>
    <message>
        <source>XMP-Begleitdatei</source>
        <translation>XMP sidecar</translation>
    </message>
    <message>
        <source>QuickTime</source>
        <translation>QuickTime</translation>
    </message>
    <message>
        <source>mvhd-Filmkopf</source>
        <translation>mvhd movie header</translation>
    </message>
    <message>
        <source>Aufnahmezeit: keine</source>
        <translation>Capture time: none</translation>
    </message>
    <message>
        <source>Aufnahmezeit: %1 (%2)</source>
        <translation>Capture time: %1 (%2)</translation>
    </message>
    <message>
        <source>Kamera: %1</source>
        <translation>Camera: %1</translation>
    </message>
    <message>
        <source>Blende: f/%1</source>
        <translation>Aperture: f/%1</translation>
    </message>
    <message>
        <source>Belichtung: %1 s</source>
        <translation>Exposure: %1 s</translation>
    </message>
    <message>
        <source>ISO: %1</source>
        <translation>ISO: %1</translation>
    </message>
    <message>
        <source>Bildgröße: %1 x %2</source>
        <translation>Image size: %1 x %2</translation>
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
    <name>RenameMessages</name>
    <message>
        <source>unbekannter Fehler</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>Datei nicht gefunden</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>außerhalb des Bereichs des Dateisystems</source>
        <translation>outside the file system&apos;s range</translation>
    </message>
    <message>
        <source>symbolische Verknüpfung, ihr Ziel bleibt unverändert</source>
        <translation>symbolic link, its target stays unchanged</translation>
    </message>
    <message>
        <source>kein Bildtyp der Dateiliste</source>
        <translation>not an image type of the file list</translation>
    </message>
    <message>
        <source>keine normale Datei</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>Dateiname ist kein gültiges UTF-8; bitte zuerst umbenennen</source>
        <translation>file name is not valid UTF-8; please rename it first</translation>
    </message>
    <message>
        <source>keine EXIF-Zeit</source>
        <translation>no EXIF time</translation>
    </message>
    <message>
        <source>keine gültige EXIF-Zeit: &quot;%1&quot;</source>
        <translation>no valid EXIF time: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>mit dem Versatz läge die EXIF-Zeit &quot;%1&quot; außerhalb der Jahre 1 bis 9999</source>
        <translation>with the offset the EXIF time &quot;%1&quot; would lie outside the years 1 to 9999</translation>
    </message>
    <message>
        <source>trägt bereits diesen Namen</source>
        <translation>already has this name</translation>
    </message>
    <message>
        <source>%1 existiert bereits</source>
        <translation>%1 already exists</translation>
    </message>
    <message>
        <source>alle Namen mit a bis z existieren bereits</source>
        <translation>all names with a to z already exist</translation>
    </message>
    <message>
        <source>nicht lesbar: %1</source>
        <translation>not readable: %1</translation>
    </message>
    <message>
        <source>Ordner nicht lesbar: %1</source>
        <translation>folder not readable: %1</translation>
    </message>
    <message>
        <source>Ordner nicht änderbar: %1</source>
        <translation>folder not writable: %1</translation>
    </message>
    <message>
        <source>Journal zum Rückgängigmachen nicht geschrieben: %1</source>
        <translation>undo journal not written: %1</translation>
    </message>
    <message>
        <source>Dateizeit nicht gesetzt: %1</source>
        <translation>file time not set: %1</translation>
    </message>
    <message>
        <source>umbenannt</source>
        <translation>renamed</translation>
    </message>
    <message>
        <source>übersprungen (%1)</source>
        <translation>skipped (%1)</translation>
    </message>
    <message>
        <source>fehlgeschlagen (%1)</source>
        <translation>failed (%1)</translation>
    </message>
    <message>
        <source>%1 würden umbenannt, %2 übersprungen, %3 fehlgeschlagen</source>
        <translation>%1 would be renamed, %2 skipped, %3 failed</translation>
    </message>
    <message>
        <source>%1 umbenannt, %2 übersprungen, %3 fehlgeschlagen</source>
        <translation>%1 renamed, %2 skipped, %3 failed</translation>
    </message>
    <message>
        <source>, %1 ohne Dateizeit</source>
        <translation>, %1 without file time</translation>
    </message>
    <message>
        <source>Begleitdatei passt zu Fotos verschiedener Zeiten</source>
        <translation>companion fits photos of different times</translation>
    </message>
    <message>
        <source>das Muster ergibt einen leeren Namen</source>
        <translation>the pattern gives an empty name</translation>
    </message>
    <message>
        <source>das Muster ergibt einen zu langen Namen</source>
        <translation>the pattern gives a name too long</translation>
    </message>
    <message>
        <source>leer</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>unbekannter Platzhalter %1 (bekannt: %Y %m %d %H %M %S %f %n %c %k %%)</source>
        <translation>unknown letter %1 (known: %Y %m %d %H %M %S %f %n %c %k %%)</translation>
    </message>
    <message>
        <source>beginnt mit /; es gilt unterhalb des Ordners jedes Fotos</source>
        <translation>starts with /; it applies below each photo&apos;s folder</translation>
    </message>
    <message>
        <source>ein Ordner &quot;%1&quot; ist nicht erlaubt (weder .. noch . noch leer)</source>
        <translation>a folder &quot;%1&quot; is not allowed (neither .. nor . nor empty)</translation>
    </message>
    <message>
        <source>das Zeichen %1 verweigert das Dateisystem (FAT oder exFAT)</source>
        <translation>the file system (FAT or exFAT) refuses the character %1</translation>
    </message>
    <message>
        <source>Muster &quot;%1&quot;: %2</source>
        <translation>Pattern &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>(Zeitzone des Rechners)</source>
        <translation>(the computer&apos;s time zone)</translation>
    </message>
    <message>
        <source>kopiert</source>
        <translation>copied</translation>
    </message>
    <message>
        <source>verschoben</source>
        <translation>moved</translation>
    </message>
    <message>
        <source>die Kopie auf dem Datenträger weicht vom Original ab und wurde entfernt</source>
        <translation>the copy on the disk differs from the original and was removed</translation>
    </message>
    <message>
        <source>%1 würden kopiert, %2 übersprungen, %3 fehlgeschlagen</source>
        <translation>%1 would be copied, %2 skipped, %3 failed</translation>
    </message>
    <message>
        <source>%1 kopiert, %2 übersprungen, %3 fehlgeschlagen</source>
        <translation>%1 copied, %2 skipped, %3 failed</translation>
    </message>
    <message>
        <source>%1 würden verschoben, %2 übersprungen, %3 fehlgeschlagen</source>
        <translation>%1 would be moved, %2 skipped, %3 failed</translation>
    </message>
    <message>
        <source>%1 verschoben, %2 übersprungen, %3 fehlgeschlagen</source>
        <translation>%1 moved, %2 skipped, %3 failed</translation>
    </message>
    <message>
        <source>schon vorhanden</source>
        <translation>already there</translation>
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
    <message>
        <source>%Y %m %d %H %M %S: die Aufnahmezeit; %f: Sekundenbruchteile; %n: der bisherige Name; %c: Kameramodell; %k: Hersteller; %%: ein Prozentzeichen; /: ein Unterordner</source>
        <translation>%Y %m %d %H %M %S: the capture time; %f: sub-seconds; %n: the present name; %c: camera model; %k: make; %%: a per cent sign; /: a folder</translation>
    </message>
    <message>
        <source>&amp;Namensmuster:</source>
        <translation>&amp;Name pattern:</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Verschieben</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>leer: der Ordner jedes Fotos</source>
        <translation>empty: each photo&apos;s own folder</translation>
    </message>
    <message>
        <source>Durchsuchen...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Kopieren statt verschieben</source>
        <translation>Copy instead of moving</translation>
    </message>
    <message>
        <source>&amp;Zielordner:</source>
        <translation>&amp;Target folder:</translation>
    </message>
    <message>
        <source>Zielordner: bitte den ganzen Pfad angeben, beginnend mit /</source>
        <translation>Target folder: please give the full path, starting with /</translation>
    </message>
    <message>
        <source>Den Zielordner %1 gibt es nicht</source>
        <translation>The target folder %1 does not exist</translation>
    </message>
    <message>
        <source>Der Zielordner %1 ist kein Ordner</source>
        <translation>The target folder %1 is not a folder</translation>
    </message>
    <message>
        <source>In den Zielordner %1 darf nicht geschrieben werden</source>
        <translation>The target folder %1 is not writable</translation>
    </message>
    <message>
        <source>Im Zielordner</source>
        <translation>In the target folder</translation>
    </message>
    <message numerus="yes">
        <source>%n wird kopiert</source>
        <translation>
            <numerusform>%n will be copied</numerusform>
            <numerusform>%n will be copied</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wird verschoben</source>
        <translation>
            <numerusform>%n will be moved</numerusform>
            <numerusform>%n will be moved</numerusform>
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
<context>
    <name>UndoMessages</name>
    <message>
        <source>ist inzwischen eine andere Datei</source>
        <translation>is another file by now</translation>
    </message>
    <message>
        <source>%1 existiert bereits</source>
        <translation>%1 already exists</translation>
    </message>
    <message>
        <source>zurückbenannt in %1, Dateizeit nicht zurückgesetzt: %2</source>
        <translation>renamed back to %1, file time not restored: %2</translation>
    </message>
    <message>
        <source>Journal nicht geschrieben: %1</source>
        <translation>journal not written: %1</translation>
    </message>
    <message>
        <source>%1: übersprungen (%2)</source>
        <translation>%1: skipped (%2)</translation>
    </message>
    <message>
        <source>%1: fehlgeschlagen (%2)</source>
        <translation>%1: failed (%2)</translation>
    </message>
    <message>
        <source>%1 zurückbenannt, %2 übersprungen, %3 fehlgeschlagen</source>
        <translation>%1 renamed back, %2 skipped, %3 failed</translation>
    </message>
    <message numerus="yes">
        <source>Umbenennung %1 vom %2 in %3, %n Dateien</source>
        <translation>
            <numerusform>Rename %1 of %2 in %3, %n file</numerusform>
            <numerusform>Rename %1 of %2 in %3, %n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1  %2  %3  %n Dateien</source>
        <translation>
            <numerusform>%1  %2  %3  %n file</numerusform>
            <numerusform>%1  %2  %3  %n files</numerusform>
        </translation>
    </message>
    <message>
        <source>  (Rückgängig von %1)</source>
        <translation>  (undo of %1)</translation>
    </message>
    <message>
        <source>  (läuft)</source>
        <translation>  (running)</translation>
    </message>
    <message>
        <source>  (abgebrochen)</source>
        <translation>  (cut short)</translation>
    </message>
    <message>
        <source>  (rückgängig gemacht)</source>
        <translation>  (undone)</translation>
    </message>
    <message>
        <source>Umbenennung %1 läuft noch und wird nicht rückgängig gemacht.</source>
        <translation>Rename %1 is still running and is not undone.</translation>
    </message>
    <message>
        <source>Keine Umbenennung %1 im Journal.</source>
        <translation>No rename %1 in the journal.</translation>
    </message>
    <message>
        <source>nicht mehr vorhanden</source>
        <translation>no longer there</translation>
    </message>
    <message>
        <source>die Aufnahme bleibt beisammen, denn %1: %2</source>
        <translation>the shot stays together, for %1: %2</translation>
    </message>
    <message>
        <source>Journal %1 nicht lesbar: %2</source>
        <translation>Journal %1 not readable: %2</translation>
    </message>
    <message>
        <source>Journal %1 ist leer: die Umbenennung brach ab, bevor sie etwas änderte.</source>
        <translation>Journal %1 is empty: the rename stopped before it changed anything.</translation>
    </message>
    <message>
        <source>Journal %1 ist beschädigt: die erste Zeile ist kein Journalkopf.</source>
        <translation>Journal %1 is damaged: its first line is no journal header.</translation>
    </message>
    <message>
        <source>Journal %1 stammt von einer neueren Version von fotlex und wird nicht gelesen.</source>
        <translation>Journal %1 comes from a newer version of fotlex and is not read.</translation>
    </message>
    <message numerus="yes">
        <source>Journal %1 ist beschädigt: %n Zeilen ab Zeile %2 sind unlesbar, ihre Dateien bleiben, wie sie sind.</source>
        <translation>
            <numerusform>Journal %1 is damaged: line %2 cannot be read, its file stays as it is.</numerusform>
            <numerusform>Journal %1 is damaged: %n lines from line %2 on cannot be read, their files stay as they are.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: bleibt (nicht leer)</source>
        <translation>%1: stays (not empty)</translation>
    </message>
    <message>
        <source>wurde seit dem Kopieren geändert und bleibt</source>
        <translation>was changed since it was copied, and stays</translation>
    </message>
    <message>
        <source>das Original ist nicht mehr da oder geändert; die Kopie bleibt</source>
        <translation>the original is gone or changed; the copy stays</translation>
    </message>
    <message>
        <source>%1: Kopie entfernt (Original: %2)</source>
        <translation>%1: copy removed (original: %2)</translation>
    </message>
    <message numerus="yes">
        <source>, %n Kopien entfernt</source>
        <translation>
            <numerusform>, %n copy removed</numerusform>
            <numerusform>, %n copies removed</numerusform>
        </translation>
    </message>
</context>
</TS>
