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
</TS>
