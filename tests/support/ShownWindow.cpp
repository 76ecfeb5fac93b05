#include "ShownWindow.h"

#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include "preview/PreviewLoader.h"

#include <gtest/gtest.h>

std::unique_ptr<MainWindow> ShowMainWindow(const QString &folder)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // A settings file of the tests' own home, never the user's.
    auto window = std::make_unique<MainWindow>(WindowSettings(QDir::home().filePath("Fotlex.ini"), QDir::homePath()));
    window->pathField()->setText(folder);
    EXPECT_TRUE(window->files()->setFolder(folder));
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    return window;
}

void ClickEntry(FileListBox &list, int row, Qt::KeyboardModifiers modifiers, Qt::MouseButton button)
{
    QTest::mouseClick(list.viewport(), button, modifiers,
                      list.visualRect(list.model()->index(row, 0)).center());
}

void WaitForPreview(const MainWindow &window)
{
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.previews().waiting(); }));
}

QStringList Entries(const FileListBox &list)
{
    QStringList names;
    for (int i = 0; i < list.entryCount(); ++i)
        names << list.entryName(i);
    return names;
}

QList<int> SelectedRows(const FileListBox &list)
{
    QList<int> rows;
    for (int i = 0; i < list.entryCount(); ++i)
        if (list.isEntrySelected(i))
            rows << i;
    return rows;
}
