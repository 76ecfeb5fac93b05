#include "widgets/DirListBox.h"

#include "services/FolderListing.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>
#include <QStyledItemDelegate>

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int LevelRole = Qt::UserRole + 1;
constexpr int IndentPixels = 10;

// Shifts each entry right by its depth, as the classic control draws its tree.
class IndentDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem indented(option);
        indented.rect.setLeft(option.rect.left() + indentOf(index));
        QStyledItemDelegate::paint(painter, indented, index);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(indentOf(index), 0);
    }

private:
    static int indentOf(const QModelIndex &index) { return index.data(LevelRole).toInt() * IndentPixels; }
};

QString normalFolder(const QString &folder)
{
    return QDir::cleanPath(QDir(folder).absolutePath());
}

// The open folder and every folder above it, the root first.
QStringList chainOf(const QString &folder)
{
    QStringList chain;
    QDir dir(folder);
    for (;;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    return chain;
}

QStringList subfoldersOf(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    SortLikeFileManager(names);
    return names;
}

} // namespace

DirListBox::DirListBox(QWidget *parent)
    : QListWidget(parent)
{
    setItemDelegate(new IndentDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { openEntry(row(item)); });
    setPath(QDir::currentPath());
}

QString DirListBox::Path() const
{
    return path_;
}

bool DirListBox::setPath(const QString &folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    const QString normal = normalFolder(folder);
    const bool changed = normal != path_;
    path_ = normal;
    fill();
    if (changed)
        emit pathChanged();
    return true;
}

void DirListBox::Refresh()
{
    // An open folder that vanished gives way to the nearest folder above it.
    QString folder = path_;
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder)
            return;
        folder = parent;
    }
    if (folder == path_)
        fill();
    else
        setPath(folder);
}

int DirListBox::ListCount() const
{
    return count();
}

QString DirListBox::List(int index) const
{
    const QListWidgetItem *entry = item(index);
    return entry ? entry->data(PathRole).toString() : QString();
}

int DirListBox::ListIndex() const
{
    return currentRow();
}

void DirListBox::setListIndex(int index)
{
    setCurrentRow(index);
}

void DirListBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openEntry(currentRow());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void DirListBox::openEntry(int index)
{
    const QString folder = List(index);
    if (folder.isEmpty())
        return;
    if (!setPath(folder))
        Refresh();
}

void DirListBox::fill()
{
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    clear();
    const QStringList chain = chainOf(path_);
    for (int level = 0; level < chain.size(); ++level) {
        const QString &folder = chain[level];
        const QString name = level == 0 ? QDir::toNativeSeparators(folder) : QFileInfo(folder).fileName();
        auto *entry = new QListWidgetItem(openIcon, name, this);
        entry->setData(PathRole, folder);
        entry->setData(LevelRole, level);
    }
    openIndex_ = count() - 1;
    const QString base = chain.last().endsWith(QLatin1Char('/')) ? chain.last() : chain.last() + QLatin1Char('/');
    for (const QString &name : subfoldersOf(path_)) {
        auto *entry = new QListWidgetItem(closedIcon, name, this);
        entry->setData(PathRole, base + name);
        entry->setData(LevelRole, chain.size());
    }
    setCurrentRow(openIndex_);
}
