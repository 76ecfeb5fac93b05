#include "translations/Language.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

// Qt's own texts follow our choice: English leaves them English, German adds
// Qt's German. English comes first, as a translator stays installed for the
// rest of the process (which this test has to itself).
TEST(Translations, QtsOwnTextsFollowOurLanguage)
{
    const auto qtCancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    ASSERT_EQ(InstallTranslations(*qApp, UiLanguage::English), UiLanguage::English)
        << "English needs lrelease in the build";
    EXPECT_EQ(qtCancel(), "Cancel");
    EXPECT_NE(QCoreApplication::translate("CliText", "Kein Befehl angegeben."), "Kein Befehl angegeben.");
    EXPECT_EQ(InstallTranslations(*qApp, UiLanguage::German), UiLanguage::German);
    EXPECT_EQ(qtCancel(), "Abbrechen");
}
