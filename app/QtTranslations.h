#pragma once

class QCoreApplication;

// Installs Qt's own German texts (qtbase_de from Qt's translations folder,
// Debian package qt6-translations-l10n) in app, whatever the system's
// language: the whole interface is German, so standard buttons and dialogs
// must be too. False when the file is missing or unreadable; the texts then
// stay English.
bool InstallQtGermanTranslations(QCoreApplication &app);
