#include "desktop/widgets/folderpicker.h"

#include "desktop/widgets/foldericonprovider.h"
#include "desktop/widgets/volumefolderfilter.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

/// True when path is folder or lies inside it.
bool isWithin(const QString &path, const QString &folder)
{
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    return path == folder || path.startsWith(prefix);
}

QString volumeCaption(const QStorageInfo &volume)
{
    const QString name = volume.name();
    if (name.isEmpty() || name == volume.rootPath())
        return volume.rootPath();
    return QStringLiteral("%1  (%2)").arg(volume.rootPath(), name);
}

} // namespace

FolderPicker::FolderPicker(Look look, int spacing, QWidget *parent)
    : QWidget(parent), m_look(look), m_drives(new QComboBox(this)), m_tree(new QTreeView(this)),
      m_folders(new QFileSystemModel(this))
{
    m_drives->setObjectName(QStringLiteral("Drive1"));
    m_tree->setObjectName(QStringLiteral("Dir1"));
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_folders->setReadOnly(true);
    if (look == Look::Detailed) {
        m_icons = std::make_unique<FolderIconProvider>(style());
        m_folders->setIconProvider(m_icons.get());
        m_volume = new VolumeFolderFilter(m_folders, this);
        m_tree->setModel(m_volume);
    } else {
        m_tree->setModel(m_folders);
        for (int column = 1; column < m_folders->columnCount(); ++column)
            m_tree->hideColumn(column);
    }
    m_tree->setHeaderHidden(true);
    m_tree->setUniformRowHeights(true);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    layout->addWidget(m_drives);
    layout->addWidget(m_tree, 1);

    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { emit folderChanged(folderAt(current)); });
    if (m_volume)
        connect(m_folders, &QFileSystemModel::directoryLoaded, this, &FolderPicker::keepCentred);
}

FolderPicker::~FolderPicker()
{
    // The model borrows the icon provider, also from its background thread: it goes first.
    delete m_volume;
    delete m_folders;
}

void FolderPicker::setDrives(QList<QStorageInfo> volumes)
{
    std::sort(volumes.begin(), volumes.end(),
              [](const QStorageInfo &a, const QStorageInfo &b) { return a.rootPath() < b.rootPath(); });
    for (const QStorageInfo &volume : volumes) {
        const QString root = volume.rootPath();
        if (m_drives->findData(root) >= 0)
            continue;
        if (m_look == Look::Detailed)
            m_drives->addItem(m_icons->icon(QFileIconProvider::Drive), volumeCaption(volume), root);
        else
            m_drives->addItem(QDir::toNativeSeparators(root), root);
    }
}

int FolderPicker::driveIndexFor(const QString &folder) const
{
    int best = -1;
    for (int i = 0; i < m_drives->count(); ++i) {
        const QString root = m_drives->itemData(i).toString();
        if (isWithin(folder, root) && (best < 0 || root.size() > m_drives->itemData(best).toString().size()))
            best = i;
    }
    return best;
}

void FolderPicker::selectDrive(const QString &root)
{
    const QSignalBlocker quiet(m_drives);
    m_drives->setCurrentIndex(m_drives->findData(QDir::fromNativeSeparators(root)));
}

void FolderPicker::showDrive(const QString &root)
{
    const QString folder = QDir::fromNativeSeparators(root);
    m_folders->setRootPath(folder);
    if (m_look == Look::Plain) {
        m_tree->setRootIndex(m_folders->index(folder));
        return;
    }
    m_volume->setVolumeRoot(folder);
    m_tree->setRootIndex(m_volume->viewRoot());
    m_tree->expand(m_volume->indexOfPath(folder));
}

bool FolderPicker::showFolder(const QString &folder)
{
    const QString path = QDir::fromNativeSeparators(folder);
    if (!QFileInfo(path).isDir())
        return false;
    const QModelIndex index = indexOf(path);
    if (!index.isValid())
        return false;
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        m_tree->expand(parent);
    if (index == m_tree->currentIndex())
        emit folderChanged(folderAt(index));
    else
        m_tree->setCurrentIndex(index);
    m_tree->scrollTo(index, m_volume ? QAbstractItemView::PositionAtCenter : QAbstractItemView::EnsureVisible);
    return true;
}

QString FolderPicker::currentFolder() const
{
    return folderAt(m_tree->currentIndex());
}

QModelIndex FolderPicker::indexOf(const QString &folder) const
{
    return m_volume ? m_volume->indexOfPath(folder) : m_folders->index(folder);
}

QString FolderPicker::folderAt(const QModelIndex &index) const
{
    if (!index.isValid())
        return {};
    return m_volume ? m_volume->pathOf(index) : m_folders->filePath(index);
}

void FolderPicker::keepCentred(const QString &loadedFolder)
{
    // Once the current folder's siblings are in, its row has its final place.
    const QModelIndex current = m_tree->currentIndex();
    if (current.isValid() && folderAt(current.parent()) == loadedFolder)
        m_tree->scrollTo(current, QAbstractItemView::PositionAtCenter);
}
