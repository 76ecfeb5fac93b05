#include "widgets/FileListBox.h"

#include "services/FolderListing.h"

#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStringListModel>

FileListBox::FileListBox(QWidget *parent)
    : QListView(parent)
{
    auto *model = new QStringListModel(this);
    setModel(model);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every row has the same height, so the view lays out 20,000 names
    // without measuring each one.
    setUniformItemSizes(true);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FileListBox::currentEntryChanged);
    connect(this, &QAbstractItemView::doubleClicked, this, &FileListBox::entryDoubleClicked);
    // A new list stands on the process's working folder; it is read once a
    // pattern is set.
    m_path = QDir::currentPath();
}

QString FileListBox::Path() const
{
    return m_path;
}

bool FileListBox::setPath(const QString &folder)
{
    const QString absolute = QFileInfo(folder).absoluteFilePath();
    bool ok = false;
    const QStringList names = ListMatchingFiles(absolute, m_pattern, &ok);
    if (!ok)
        return false;
    m_path = QDir::cleanPath(absolute);
    setEntries(names);
    return true;
}

QString FileListBox::Pattern() const
{
    return m_pattern;
}

void FileListBox::setPattern(const QString &pattern)
{
    m_pattern = pattern;
    Refresh();
}

void FileListBox::Refresh()
{
    bool ok = false;
    const QStringList names = ListMatchingFiles(m_path, m_pattern, &ok);
    setEntries(ok ? names : QStringList());
}

void FileListBox::setEntries(const QStringList &names)
{
    static_cast<QStringListModel *>(model())->setStringList(names);
}

int FileListBox::ListCount() const
{
    return model()->rowCount();
}

QString FileListBox::List(int index) const
{
    return model()->index(index, 0).data().toString();
}

bool FileListBox::Selected(int index) const
{
    return selectionModel()->isSelected(model()->index(index, 0));
}

void FileListBox::setSelected(int index, bool selected)
{
    const QModelIndex entry = model()->index(index, 0);
    if (!entry.isValid())
        return;
    selectionModel()->select(entry, selected ? QItemSelectionModel::Select
                                             : QItemSelectionModel::Deselect);
}

int FileListBox::ListIndex() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void FileListBox::setListIndex(int index)
{
    const QModelIndex entry = model()->index(index, 0);
    if (!entry.isValid()) {
        selectionModel()->clear();
        return;
    }
    selectionModel()->setCurrentIndex(entry, QItemSelectionModel::ClearAndSelect);
    scrollTo(entry);
}

QString FileListBox::FileName() const
{
    const int index = ListIndex();
    return index < 0 ? QString() : List(index);
}

void FileListBox::focusInEvent(QFocusEvent *event)
{
    // The item view makes the first entry current when it gains focus by
    // keyboard or after a popup menu; that would show a file nobody chose.
    const bool hadCurrent = currentIndex().isValid();
    const QSignalBlocker quiet(selectionModel());
    QListView::focusInEvent(event);
    if (!hadCurrent)
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

void FileListBox::mousePressEvent(QMouseEvent *event)
{
    int button = 0;
    switch (event->button()) {
    case Qt::LeftButton: button = 1; break;
    case Qt::RightButton: button = 2; break;
    case Qt::MiddleButton: button = 4; break;
    default: break;
    }
    emit mouseDown(button, event->modifiers(), event->globalPosition().toPoint());
    // Only the left button selects; a right press opens the popup menu for
    // the current entry, as a classic list box does.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QListView::mousePressEvent(event);
}
