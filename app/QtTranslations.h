#pragma once

class QCoreApplication;

// Loads Qt's own German texts (qtbase_de from Qt's translations folder)
// whatever the system's language, since the whole interface is German: the
// standard buttons and dialogs then speak German too. False when they are
// not installed; the program runs on with Qt's English.
bool LoadQtTranslations(QCoreApplication &app);
