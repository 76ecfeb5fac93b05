#include "translations/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

bool Install(QCoreApplication &app, const QString &file, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(file, folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

}

UiLanguage ChooseLanguage(const QLocale &locale)
{
    // Under C, gettext ignores LANGUAGE as well.
    if (locale.language() == QLocale::C)
        return UiLanguage::German;
    for (const QString &name : locale.uiLanguages()) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::German)
            return UiLanguage::German;
        if (language == QLocale::English)
            return UiLanguage::English;
    }
    return UiLanguage::English;
}

UiLanguage InstallTranslations(QCoreApplication &app, UiLanguage language)
{
    // The .qm files are built into the library (translations/CMakeLists.txt).
    const QString ours = QStringLiteral(":/translations");
    if (language == UiLanguage::English && Install(app, QStringLiteral("fotlex_en"), ours))
        return UiLanguage::English;
    Install(app, QStringLiteral("fotlex_de"), ours);
    Install(app, QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return UiLanguage::German;
}
