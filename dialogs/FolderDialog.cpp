#include "dialogs/FolderDialog.h"

#include "services/ImageTypes.h"
#include "ui/Ui.h"
#include "widgets/FileListBox.h"
#include "widgets/FlatButton.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTreeView>

#include <functional>

// Hands the name typed into the tree to the dialog, which checks it and says
// what is wrong in German, instead of letting the model rename the folder
// unasked. A refused name comes back as the next editor's text for correction.
class FolderNameDelegate : public QStyledItemDelegate
{
public:
    using Entered = std::function<void(const QModelIndex &, const QString &)>;

    FolderNameDelegate(Entered entered, QObject *parent)
        : QStyledItemDelegate(parent), entered_(std::move(entered))
    {
    }

    void retryWith(const QString &name) { retry_ = name; }

    // Also called when the model reports the folder changed: what the user
    // typed meanwhile stays.
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        auto *field = static_cast<QLineEdit *>(editor);
        if (field->isModified())
            return;
        field->setText(retry_.isEmpty() ? index.data(Qt::EditRole).toString() : std::exchange(retry_, {}));
    }

    void setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const override
    {
        entered_(index, static_cast<QLineEdit *>(editor)->text());
    }

private:
    Entered entered_;
    mutable QString retry_;
};

FolderDialog::FolderDialog(const QString &startFolder, QList<FolderPlace> places, QWidget *parent)
    : QDialog(parent), places_(std::move(places))
{
    setWindowTitle(tr("Ordner auswählen"));
    const QFileInfo start(startFolder);
    const QString startPath = start.isDir() ? QDir::cleanPath(start.absoluteFilePath()) : QDir::homePath();
    int place = PlaceOf(places_, startPath);
    if (place < 0) {
        places_.append({startPath, startPath});
        place = int(places_.size()) - 1;
    }

    placeList_ = new QComboBox;
    for (const FolderPlace &entry : places_) {
        placeList_->addItem(entry.label);
        placeList_->setItemData(placeList_->count() - 1, entry.path, Qt::ToolTipRole);
    }
    placeList_->setCurrentIndex(place);

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    // The model lists a folder on a thread of its own. Watching for changes
    // would list again at any moment, and a listing begun before a folder was
    // made or renamed would take it out of the tree again for a while.
    model_->setOption(QFileSystemModel::DontWatchForChanges);
    // Editable only through the editor that "Neuer Ordner" opens.
    model_->setReadOnly(false);
    tree_ = new QTreeView;
    tree_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        tree_->hideColumn(column);
    tree_->setHeaderHidden(true);
    tree_->setSortingEnabled(true);
    tree_->sortByColumn(0, Qt::AscendingOrder);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    names_ = new FolderNameDelegate(
        [this](const QModelIndex &index, const QString &name) {
            // After the editor has closed: a refusal opens it again.
            QMetaObject::invokeMethod(
                this, [this, folder = QPersistentModelIndex(index), name] { nameFolder(folder, name); },
                Qt::QueuedConnection);
        },
        this);
    tree_->setItemDelegate(names_);

    files_ = new FileListBox;
    files_->setPattern(ImagePattern());
    newFolder_ = new FlatButton(tr("&Neuer Ordner"));
    auto *cancel = new FlatButton(tr("Abbrechen"));
    auto *ok = new FlatButton(tr("&OK"));

    auto *folders = new QVBoxLayout;
    folders->addWidget(placeList_);
    folders->addWidget(tree_);
    auto *contents = new QVBoxLayout;
    contents->addWidget(files_);
    for (FlatButton *button : {newFolder_, cancel, ok}) {
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        contents->addWidget(button);
    }
    auto *columns = new QHBoxLayout(this);
    columns->addLayout(folders, 1);
    columns->addLayout(contents, 1);

    connect(placeList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        showPlace(index);
        tree_->setCurrentIndex({});
    });
    connect(model_, &QFileSystemModel::directoryLoaded, this, [this](const QString &folder) {
        listed_.insert(folder);
        if (waiting_.isValid() && model_->filePath(waiting_) == folder)
            makeFolderIn(std::exchange(waiting_, {}));
        aboveStart_.removeOne(folder);
    });
    // The model sorts new rows a while after they came; the sorting that
    // follows the last listing above the start folder brings it back into view.
    connect(model_, &QAbstractItemModel::layoutChanged, this, [this] {
        if (followStart_)
            tree_->scrollTo(tree_->currentIndex(), QAbstractItemView::PositionAtCenter);
        followStart_ = !aboveStart_.isEmpty();
    });
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { files_->setFolder(folder()); });
    connect(newFolder_, &QAbstractButton::clicked, this, &FolderDialog::makeFolder);
    connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(ok, &QAbstractButton::clicked, this, &QDialog::accept);

    showPlace(place);
    for (QString above = startPath; above != places_[place].path && above != QLatin1String("/");) {
        above = QFileInfo(above).path();
        aboveStart_ << above;
    }
    highlight(startPath);
    tree_->setFocus();
    resize(560, 440);
}

QString FolderDialog::folder() const
{
    const QModelIndex current = tree_->currentIndex();
    return model_->filePath(current.isValid() ? current : tree_->rootIndex());
}

// Enter in the tree (which passes it on) takes the highlighted folder.
void FolderDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        accept();
    else
        QDialog::keyPressEvent(event);
}

void FolderDialog::showPlace(int index)
{
    const QString root = places_.value(index).path;
    model_->setRootPath(root);
    tree_->setRootIndex(model_->index(root));
    files_->setFolder(root);
}

// Every folder above it expanded, so that its neighbours show too.
void FolderDialog::highlight(const QString &folder)
{
    const QModelIndex index = model_->index(folder);
    if (index == tree_->rootIndex())
        return;
    tree_->setCurrentIndex(index);
    tree_->expand(index);
    tree_->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void FolderDialog::makeFolder()
{
    const QModelIndex current = tree_->currentIndex();
    makeFolderIn(current.isValid() ? current : tree_->rootIndex());
}

void FolderDialog::makeFolderIn(const QModelIndex &parent)
{
    const QDir folder(model_->filePath(parent));
    if (!listed_.contains(folder.path())) {
        waiting_ = parent;
        tree_->expand(parent);
        model_->fetchMore(parent);
        return;
    }
    const QString proposal = tr("Neuer Ordner");
    QString name = proposal;
    for (int n = 2; folder.exists(name); ++n)
        name = tr("%1 %2", "new folder, number").arg(proposal).arg(n);
    const QModelIndex made = model_->mkdir(parent, name);
    if (!made.isValid()) {
        ShowMessage(MessageKind::Critical, FolderNameFaultText(FolderNameFault::NotCreated));
        return;
    }
    tree_->expand(parent);
    tree_->setCurrentIndex(made);
    tree_->scrollTo(made);
    tree_->edit(made);
}

void FolderDialog::nameFolder(const QModelIndex &index, const QString &name)
{
    if (!index.isValid() || name.isEmpty() || name == model_->fileName(index))
        return;
    FolderNameFault fault = CheckNewFolderName(name);
    if (fault == FolderNameFault::None && QDir(model_->filePath(index.parent())).exists(name))
        fault = FolderNameFault::Taken;
    if (fault == FolderNameFault::None && !model_->setData(index, name))
        fault = FolderNameFault::Refused;
    if (fault != FolderNameFault::None) {
        refuseName(index, name, fault);
        return;
    }
    tree_->setCurrentIndex(index);
    files_->setFolder(folder());
}

void FolderDialog::refuseName(const QModelIndex &index, const QString &name, FolderNameFault fault)
{
    ShowMessage(fault == FolderNameFault::Taken ? MessageKind::Information : MessageKind::Warning, FolderNameFaultText(fault));
    names_->retryWith(name);
    tree_->setCurrentIndex(index);
    tree_->edit(index);
}

std::optional<QString> ChooseFolder(QWidget *parent, const QString &startFolder)
{
    FolderDialog dialog(startFolder, FolderPlaces(ThisSystem()), parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.folder();
}
