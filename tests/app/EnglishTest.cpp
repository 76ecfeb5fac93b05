#include "ShownWindow.h"

#include "translations/Language.h"

#include <QAbstractButton>
#include <QAction>

#include <gtest/gtest.h>

namespace {

// The captions of the window's buttons, boxes and menu items that are words.
QStringList Captions(const MainWindow &window)
{
    QStringList captions;
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        if (button->text().size() > 3)
            captions << button->text();
    }
    for (const QAction *action : Find<QMenu>(window, "popupMenu").actions()) {
        if (!action->isSeparator())
            captions << action->text();
    }
    return captions;
}

}

// Under an English locale the window speaks English: no caption stays as
// its German source. A program of its own, as a translator stays installed.
TEST(Language, TheWindowSpeaksEnglishUnderAnEnglishLocale)
{
    QTemporaryDir dir;
    const QStringList german = Captions(*ShowMainWindow(dir.path()));
    ASSERT_EQ(InstallTranslations(*qApp, ChooseLanguage(QLocale(QLocale::English, QLocale::UnitedKingdom))),
              UiLanguage::English)
        << "English needs lrelease in the build";
    const QStringList english = Captions(*ShowMainWindow(dir.path()));
    ASSERT_EQ(english.size(), german.size());
    ASSERT_GE(german.size(), 7);
    for (qsizetype i = 0; i < german.size(); ++i)
        EXPECT_NE(english[i], german[i]);
}
