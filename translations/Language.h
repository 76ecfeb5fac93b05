#pragma once

class QCoreApplication;
class QLocale;

// The language of the user interface, of fotlex and fotlex-cli alike. German
// is the language of the source texts.
enum class UiLanguage { German, English };

// German for a German messages locale and for C and POSIX (the tools' own
// language, and what scripts and tests expect); English for English and for
// every language without a translation of its own. A list of languages
// (LANGUAGE=fr:de:en) is searched for the first one we have.
UiLanguage ChooseLanguage(const QLocale &locale);

// Installs in app our texts and Qt's own (qtbase_de from Debian's
// qt6-translations-l10n) for language. German needs only the numerus forms
// of our texts; English falls back to German when the build holds no English
// translation (made without lrelease). Returns the language installed.
UiLanguage InstallTranslations(QCoreApplication &app, UiLanguage language);
