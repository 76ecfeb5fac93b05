#pragma once

#include <QListWidget>
#include <QTest>

inline void clickItem(QListWidget &list, int index)
{
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(index)).center());
}

// A real double-click starts with a click; QTest sends only the second half.
inline void doubleClickItem(QListWidget &list, int index)
{
    clickItem(list, index);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(index)).center());
}
