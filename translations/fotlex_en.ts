<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
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
</context>
<context>
    <name>UndoMessages</name>
    <message>
        <source>keine Datei trägt mehr diesen Namen</source>
        <translation>no file has this name any more</translation>
    </message>
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
        <source>Journal der Umbenennung %1 nicht lesbar: %2</source>
        <translation>Journal of rename %1 not readable: %2</translation>
    </message>
</context>
</TS>
