#include "widgets/FileListBox.h"

#include "services/FolderListing.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
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
    // Another program's changes arrive as a burst of notices; one re-read
    // after the burst is enough.
    m_watcher = new QFileSystemWatcher(this);
    m_diskChanged.setSingleShot(true);
    m_diskChanged.setInterval(150);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, &m_diskChanged,
            qOverload<>(&QTimer::start));
    connect(&m_diskChanged, &QTimer::timeout, this, [this] {
        if (m_following)
            followDisk();
    });
}

void FileListBox::setFollowing(bool follow)
{
    m_following = follow;
}

QString FileListBox::folder() const
{
    return m_path;
}

bool FileListBox::setFolder(const QString &folder)
{
    const QString absolute = QFileInfo(folder).absoluteFilePath();
    bool ok = false;
    QStringList notUtf8;
    const QStringList names = ListMatchingFiles(absolute, m_pattern, &ok, &notUtf8);
    if (!ok)
        return false;
    m_path = QDir::cleanPath(absolute);
    watch();
    setEntries(names);
    if (!notUtf8.isEmpty())
        emit namesNotShown(notUtf8);
    return true;
}

void FileListBox::watch()
{
    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    m_watcher->addPath(m_path);
}

void FileListBox::followDisk()
{
    bool ok = false;
    const QStringList names = ListMatchingFiles(m_path, m_pattern, &ok);
    if (!ok || names == static_cast<QStringListModel *>(model())->stringList())
        return;
    const QString current = currentName();
    QStringList selected;
    for (int i = 0; i < entryCount(); ++i) {
        if (isEntrySelected(i))
            selected << entryName(i);
    }
    {
        // The entry shown stays current; the panel need not load it again.
        const QSignalBlocker quiet(selectionModel());
        setEntries(names);
        for (const QString &name : selected)
            setEntrySelected(int(names.indexOf(name)), true);
        const QModelIndex entry = model()->index(int(names.indexOf(current)), 0);
        if (entry.isValid())
            selectionModel()->setCurrentIndex(entry, QItemSelectionModel::NoUpdate);
    }
    viewport()->update();
    if (!current.isEmpty() && !names.contains(current))
        emit currentEntryChanged();
}

void FileListBox::setPattern(const QString &pattern)
{
    m_pattern = pattern;
    reread();
}

void FileListBox::reread()
{
    if (m_path.isEmpty())
        return;
    bool ok = false;
    const QStringList names = ListMatchingFiles(m_path, m_pattern, &ok);
    setEntries(ok ? names : QStringList());
}

void FileListBox::setEntries(const QStringList &names)
{
    static_cast<QStringListModel *>(model())->setStringList(names);
}

int FileListBox::entryCount() const
{
    return model()->rowCount();
}

QString FileListBox::entryName(int index) const
{
    return model()->index(index, 0).data().toString();
}

bool FileListBox::isEntrySelected(int index) const
{
    return selectionModel()->isSelected(model()->index(index, 0));
}

void FileListBox::setEntrySelected(int index, bool selected)
{
    const QModelIndex entry = model()->index(index, 0);
    if (!entry.isValid())
        return;
    selectionModel()->select(entry, selected ? QItemSelectionModel::Select
                                             : QItemSelectionModel::Deselect);
}

int FileListBox::currentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void FileListBox::setCurrentRow(int index)
{
    const QModelIndex entry = model()->index(index, 0);
    if (!entry.isValid()) {
        selectionModel()->clear();
        return;
    }
    selectionModel()->setCurrentIndex(entry, QItemSelectionModel::ClearAndSelect);
    scrollTo(entry);
}

QString FileListBox::currentName() const
{
    const int index = currentRow();
    return index < 0 ? QString() : entryName(index);
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
    // A right press makes the entry under the pointer current before the
    // popup menu opens, so that the menu acts on what the user pointed at; an
    // entry outside the selection becomes the only one selected.
    if (event->button() == Qt::RightButton) {
        const QModelIndex entry = indexAt(event->position().toPoint());
        if (entry.isValid())
            selectionModel()->setCurrentIndex(entry, selectionModel()->isSelected(entry)
                                                         ? QItemSelectionModel::NoUpdate
                                                         : QItemSelectionModel::ClearAndSelect);
    }
    emit mouseDown(event->button(), event->modifiers(), event->globalPosition().toPoint());
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QListView::mousePressEvent(event);
}
