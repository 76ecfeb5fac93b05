#pragma once

#include <QString>

class QWidget;

// Asks "Bild '<name>' tatsächlich löschen ?" with Yes (the default) and No.
// True for Yes.
bool AskDelete(QWidget *owner, const QString &fileName);
