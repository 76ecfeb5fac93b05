#include "ShownWindow.h"

#include <QDir>
#include <QLocale>

#include <gtest/gtest.h>

std::unique_ptr<MainWindow> ShowMainWindow(const QString &folder)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // HOME is the tests' own (gui_main.cpp).
    auto window = std::make_unique<MainWindow>(WindowSettings(QDir::home().filePath("Fotlex.ini"), QDir::homePath()));
    EXPECT_EQ(window->openPaths({folder}), QString());
    window->resize(900, 600);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    return window;
}

QString TextOf(const QWidget &window, const char *name)
{
    if (const auto *label = window.findChild<ElidedLabel *>(QLatin1String(name)))
        return label->text();
    return Find<QLabel>(window, name).text();
}

void ClickEntry(FileListBox &list, int row, Qt::KeyboardModifiers modifiers, Qt::MouseButton button)
{
    QTest::mouseClick(list.viewport(), button, modifiers, list.visualRect(list.model()->index(row, 0)).center());
}

void WaitForPreview(const QWidget &window)
{
    EXPECT_TRUE(QTest::qWaitFor([&] { return !PreviewOf(window).waiting(); }));
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
