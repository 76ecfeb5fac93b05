<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="de_DE">
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
</context>
</TS>
