#pragma once

#include <QStringList>

class QWidget;

enum class DeleteWay {
    ToTrash,  // "Bild 'X' in den Papierkorb verschieben?", "Ja" preselected
    ForGood   // "Bild 'X' endgültig löschen?", "Nein" preselected
};

// Asks whether to delete the named files (one name, or the count of
// several) the given way. True for "Ja".
bool AskDelete(QWidget *owner, const QStringList &fileNames, DeleteWay way);
