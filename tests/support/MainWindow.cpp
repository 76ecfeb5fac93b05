#include "MainWindow.h"

#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include "ui/PreviewLoader.h"

#include <gtest/gtest.h>

std::unique_ptr<Form1> ShowMainWindow(const QString &folder)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto form = std::make_unique<Form1>();
    form->txtPath()->setText(folder);
    EXPECT_TRUE(form->FileList()->setPath(folder));
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    return form;
}

void ClickEntry(FileListBox &list, int row, Qt::KeyboardModifiers modifiers, Qt::MouseButton button)
{
    QTest::mouseClick(list.viewport(), button, modifiers,
                      list.visualRect(list.model()->index(row, 0)).center());
}

void WaitForPreview(const Form1 &form)
{
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.Previews().waiting(); }));
}

QStringList Entries(const FileListBox &list)
{
    QStringList names;
    for (int i = 0; i < list.ListCount(); ++i)
        names << list.List(i);
    return names;
}

QList<int> SelectedRows(const FileListBox &list)
{
    QList<int> rows;
    for (int i = 0; i < list.ListCount(); ++i)
        if (list.Selected(i))
            rows << i;
    return rows;
}
