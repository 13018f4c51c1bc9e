#include "frmconfiguredropspot.h"

#include "colorpicker.h"
#include "colorswatch.h"
#include "dropspotreceiver.h"
#include "foldericonprovider.h"
#include "messageboxes.h"
#include "paths.h"
#include "qtext.h"
#include "qtwidgetext.h"
#include "spotcolor.h"
#include "volumefolderfilter.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <cctype>

namespace {

constexpr int ColorBoxTwips = 495;
constexpr std::int32_t Red = 255;

/// True when path is folder or lies inside it.
bool isWithin(const QString &path, const QString &folder)
{
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    return path == folder || path.startsWith(prefix);
}

/// A folder as the spot keeps it: one trailing separator dropped (a root stays whole) and
/// the first letter in upper case.
std::string spotFolderText(const QString &path)
{
    std::string folder = Paths::withoutTrailingSeparator(QFile::encodeName(path).toStdString());
    if (!folder.empty())
        folder[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(folder[0])));
    return folder;
}

QString volumeCaption(const QStorageInfo &volume)
{
    const QString name = volume.name();
    if (name.isEmpty() || name == volume.rootPath())
        return volume.rootPath();
    return QStringLiteral("%1  (%2)").arg(volume.rootPath(), name);
}

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

frmConfigureDropSpot::frmConfigureDropSpot(DropSpotReceiver &list, MessageBoxes &messages, ColorPicker &picker,
                                           QWidget *parent)
    : QDialog(parent), m_list(list), m_messages(messages), m_picker(picker)
{
    setObjectName(QStringLiteral("frmConfigureDropSpot"));
    setWindowTitle(QStringLiteral("Configure Drop Spot"));
    setWindowFlag(Qt::WindowStaysOnTopHint); // above the always-on-top toolbar
    setAttribute(Qt::WA_DeleteOnClose);
    buildLayout();
    fillDrives();
    // The load: the drive selected now is the fallback for the whole time the window is open.
    m_StartDrive = Drive1->currentData().toString();
    Drive1_Change();
    connect(Drive1, &QComboBox::currentIndexChanged, this, &frmConfigureDropSpot::Drive1_Change);
}

frmConfigureDropSpot::~frmConfigureDropSpot()
{
    // The model borrows the icon provider, also from its background thread: it goes first.
    delete m_volume;
    delete m_folders;
}

QLayout *frmConfigureDropSpot::buildFolderPart()
{
    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    m_folders = new QFileSystemModel(this);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folders->setReadOnly(true);
    m_icons = std::make_unique<FolderIconProvider>(style());
    m_folders->setIconProvider(m_icons.get());
    m_volume = new VolumeFolderFilter(m_folders, this);
    Dir1 = new QTreeView(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setModel(m_volume);
    Dir1->setHeaderHidden(true);
    Dir1->setUniformRowHeights(true);
    Dir1->setSelectionMode(QAbstractItemView::SingleSelection);
    Dir1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    txtFolder = new QLineEdit(this);
    txtFolder->setObjectName(QStringLiteral("txtFolder"));
    txtFolder->setReadOnly(true);
    txtFolder->setFocusPolicy(Qt::NoFocus);
    // Read-only, and drawn so: the folder is chosen in the lists, not typed.
    QPalette face = txtFolder->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Window));
    txtFolder->setPalette(face);

    auto *part = new QVBoxLayout;
    part->setSpacing(6);
    part->addWidget(heading(QStringLiteral("Target Folder:"), this));
    part->addWidget(new QLabel(QStringLiteral("Select the target folder for this Drop Spot."), this));
    part->addWidget(Drive1);
    part->addWidget(Dir1, 1);
    part->addWidget(txtFolder);
    return part;
}

QLayout *frmConfigureDropSpot::buildColorPart()
{
    PicColor = new ColorSwatch(ColorBoxTwips, ColorSwatch::Kind::Clickable, this);
    PicColor->setObjectName(QStringLiteral("PicColor"));
    PicColor->setToolTip(QStringLiteral("Click the color box to change colors."));
    auto *hint = new QLabel(QStringLiteral("Click the color box to change colors."), this);
    auto *row = new QHBoxLayout;
    row->addWidget(PicColor);
    row->addWidget(hint, 1);
    auto *part = new QVBoxLayout;
    part->setSpacing(6);
    part->addWidget(heading(QStringLiteral("Color:"), this));
    part->addLayout(row);
    return part;
}

void frmConfigureDropSpot::buildLayout()
{
    auto *buttons = new QDialogButtonBox(this);
    cmdOK = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto *main = new QVBoxLayout(this);
    main->addLayout(buildFolderPart(), 1);
    main->addSpacing(12);
    main->addLayout(buildColorPart());
    main->addSpacing(12);
    main->addWidget(buttons);
    resize(twipsToPixels(*this, 6300), twipsToPixels(*this, 7200));

    connect(cmdOK, &QPushButton::clicked, this, &frmConfigureDropSpot::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(PicColor, &ColorSwatch::clicked, this, &frmConfigureDropSpot::PicColor_Click);
    connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this, &frmConfigureDropSpot::Dir1_Change);
    connect(m_folders, &QFileSystemModel::directoryLoaded, this, &frmConfigureDropSpot::scrollToCurrent);
}

void frmConfigureDropSpot::fillDrives()
{
    // Drop spots receive files, so volumes mounted read-only are no choice.
    QList<QStorageInfo> volumes;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !volume.isReadOnly())
            volumes.append(volume);
    }
    if (volumes.isEmpty())
        volumes.append(QStorageInfo::root());
    std::sort(volumes.begin(), volumes.end(),
              [](const QStorageInfo &a, const QStorageInfo &b) { return a.rootPath() < b.rootPath(); });
    const QIcon icon = m_icons->icon(QFileIconProvider::Drive);
    for (const QStorageInfo &volume : volumes)
        Drive1->addItem(icon, volumeCaption(volume), volume.rootPath());
    Drive1->setCurrentIndex(qMax(0, driveIndexFor(QDir::currentPath())));
}

void frmConfigureDropSpot::SetForNewSpot()
{
    m_NewSpot = true;
    PicColor->setColorValue(Red);
}

void frmConfigureDropSpot::TakeInDetails(const std::string &m_Folder, std::int32_t m_Color)
{
    m_NewSpot = false;
    m_folder = m_Folder;
    txtFolder->setText(toQt(m_Folder));
    PicColor->setColorValue(m_Color);
    const QString folder = QFile::decodeName(QByteArray::fromStdString(m_Folder));
    const int drive = driveIndexFor(folder);
    if (drive >= 0 && drive != Drive1->currentIndex())
        Drive1->setCurrentIndex(drive);
    pointDirAt(folder);
}

void frmConfigureDropSpot::Drive1_Change()
{
    if (pointDirAtDrive(Drive1->currentData().toString()))
        return;
    m_messages.showMessage("Drive Unavailable");
    selectDrive(m_StartDrive);
    pointDirAtDrive(m_StartDrive);
}

void frmConfigureDropSpot::Dir1_Change(const QModelIndex &current)
{
    if (!current.isValid())
        return;
    m_folder = spotFolderText(m_volume->pathOf(current));
    txtFolder->setText(toQt(m_folder));
}

void frmConfigureDropSpot::PicColor_Click()
{
    PicColor->setColorValue(m_picker.pickColor(PicColor->colorValue(), this));
}

void frmConfigureDropSpot::cmdOK_Click()
{
    const bool newSpot = m_NewSpot;
    const std::string folder = m_folder;
    const std::int32_t color = PicColor->colorValue();
    if (newSpot)
        m_list.AddSpot(folder, color);
    else
        m_list.TakeInChanges(folder, color);
    accept();
}

bool frmConfigureDropSpot::pointDirAtDrive(const QString &root)
{
    const QFileInfo info(root);
    if (root.isEmpty() || !info.isDir() || !info.isReadable() || !QStorageInfo(root).isReady())
        return false;
    m_folders->setRootPath(root);
    m_volume->setVolumeRoot(root);
    Dir1->setRootIndex(m_volume->viewRoot());
    Dir1->expand(m_volume->indexOfPath(root));
    // The drive the program runs on opens at the program's current folder, others at their root.
    const QString current = QDir::currentPath();
    const bool here = driveIndexFor(current) == Drive1->findData(root);
    if (!(here && pointDirAt(current)))
        pointDirAt(root);
    return true;
}

bool frmConfigureDropSpot::pointDirAt(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    const QModelIndex index = m_volume->indexOfPath(folder);
    if (!index.isValid())
        return false;
    if (index == Dir1->currentIndex())
        Dir1_Change(index);
    else
        Dir1->setCurrentIndex(index);
    Dir1->scrollTo(index, QAbstractItemView::PositionAtCenter);
    return true;
}

void frmConfigureDropSpot::selectDrive(const QString &root)
{
    const QSignalBlocker quiet(Drive1);
    Drive1->setCurrentIndex(Drive1->findData(root));
}

int frmConfigureDropSpot::driveIndexFor(const QString &folder) const
{
    int best = -1;
    for (int i = 0; i < Drive1->count(); ++i) {
        const QString root = Drive1->itemData(i).toString();
        if (isWithin(folder, root) && (best < 0 || root.size() > Drive1->itemData(best).toString().size()))
            best = i;
    }
    return best;
}

void frmConfigureDropSpot::scrollToCurrent(const QString &loadedFolder)
{
    // Folders load in the background; once the current folder's siblings are in, its row
    // has its final place.
    const QModelIndex current = Dir1->currentIndex();
    if (current.isValid() && m_volume->pathOf(current.parent()) == loadedFolder)
        Dir1->scrollTo(current, QAbstractItemView::PositionAtCenter);
}
