<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="de_DE">
<context>
    <name>ActionTexts</name>
    <message numerus="yes">
        <source>%n Bilder in den Papierkorb verschieben?</source>
        <translation>
            <numerusform>%n Bild in den Papierkorb verschieben?</numerusform>
            <numerusform>%n Bilder in den Papierkorb verschieben?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Bilder endgültig löschen?</source>
        <translation>
            <numerusform>%n Bild endgültig löschen?</numerusform>
            <numerusform>%n Bilder endgültig löschen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchTexts</name>
    <message numerus="yes">
        <source>%n umbenannt</source>
        <translation>
            <numerusform>%n umbenannt</numerusform>
            <numerusform>%n umbenannt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n übersprungen</source>
        <translation>
            <numerusform>%n übersprungen</numerusform>
            <numerusform>%n übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fehlgeschlagen</source>
        <translation>
            <numerusform>%n fehlgeschlagen</numerusform>
            <numerusform>%n fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ohne Dateizeit</source>
        <translation>
            <numerusform>%n ohne Dateizeit</numerusform>
            <numerusform>%n ohne Dateizeit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n zurückbenannt</source>
        <translation>
            <numerusform>%n zurückbenannt</numerusform>
            <numerusform>%n zurückbenannt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Letzte Umbenennung rückgängig machen?

Umbenennung %1 vom %2 in %3: %n Dateien</source>
        <translation>
            <numerusform>Letzte Umbenennung rückgängig machen?

Umbenennung %1 vom %2 in %3: %n Datei</numerusform>
            <numerusform>Letzte Umbenennung rückgängig machen?

Umbenennung %1 vom %2 in %3: %n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kopiert</source>
        <translation>
            <numerusform>%n kopiert</numerusform>
            <numerusform>%n kopiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n verschoben</source>
        <translation>
            <numerusform>%n verschoben</numerusform>
            <numerusform>%n verschoben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Kopien entfernt</source>
        <translation>
            <numerusform>%n Kopie entfernt</numerusform>
            <numerusform>%n Kopien entfernt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message numerus="yes">
        <source>%1 von %n Dateien</source>
        <translation>
            <numerusform>%1 von %n Datei</numerusform>
            <numerusform>%1 von %n Dateien</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReaderTexts</name>
    <message numerus="yes">
        <source>… %n weitere Einträge</source>
        <translation>
            <numerusform>… %n weiterer Eintrag</numerusform>
            <numerusform>… %n weitere Einträge</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RenamePreviewDialog</name>
    <message numerus="yes">
        <source>%n wird umbenannt</source>
        <translation>
            <numerusform>%n wird umbenannt</numerusform>
            <numerusform>%n werden umbenannt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bleibt</source>
        <translation>
            <numerusform>%n bleibt</numerusform>
            <numerusform>%n bleiben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wird kopiert</source>
        <translation>
            <numerusform>%n wird kopiert</numerusform>
            <numerusform>%n werden kopiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wird verschoben</source>
        <translation>
            <numerusform>%n wird verschoben</numerusform>
            <numerusform>%n werden verschoben</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UndoMessages</name>
    <message numerus="yes">
        <source>Umbenennung %1 vom %2 in %3, %n Dateien</source>
        <translation>
            <numerusform>Umbenennung %1 vom %2 in %3, %n Datei</numerusform>
            <numerusform>Umbenennung %1 vom %2 in %3, %n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1  %2  %3  %n Dateien</source>
        <translation>
            <numerusform>%1  %2  %3  %n Datei</numerusform>
            <numerusform>%1  %2  %3  %n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Journal %1 ist beschädigt: %n Zeilen ab Zeile %2 sind unlesbar, ihre Dateien bleiben, wie sie sind.</source>
        <translation>
            <numerusform>Journal %1 ist beschädigt: Zeile %2 ist unlesbar, ihre Datei bleibt, wie sie ist.</numerusform>
            <numerusform>Journal %1 ist beschädigt: %n Zeilen ab Zeile %2 sind unlesbar, ihre Dateien bleiben, wie sie sind.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n Kopien entfernt</source>
        <translation>
            <numerusform>, %n Kopie entfernt</numerusform>
            <numerusform>, %n Kopien entfernt</numerusform>
        </translation>
    </message>
</context>
</TS>
