#include "toolbar/spots/frmconfiguredropspot.h"

#include "desktop/messageboxes.h"
#include "desktop/paths.h"
#include "desktop/qtext.h"
#include "desktop/qtwidgetext.h"
#include "desktop/widgets/folderpicker.h"
#include "toolbar/spots/colorpicker.h"
#include "toolbar/spots/colorswatch.h"
#include "toolbar/spots/dropspotreceiver.h"
#include "toolbar/spots/spotcolor.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

#include <cctype>

namespace toolbar {

namespace {

constexpr int ColorBoxTwips = 495;
constexpr std::int32_t Red = 255;
constexpr int Spacing = 6;

/// A folder as the spot keeps it: one trailing separator dropped (a root stays whole) and
/// the first letter in upper case.
std::string spotFolderText(const QString &path)
{
    std::string folder = Paths::withoutTrailingSeparator(QFile::encodeName(path).toStdString());
    if (!folder.empty())
        folder[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(folder[0])));
    return folder;
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

QLayout *frmConfigureDropSpot::buildFolderPart()
{
    m_folderPicker = new FolderPicker(FolderPicker::Look::Detailed, Spacing, this);
    Drive1 = m_folderPicker->driveList();
    Dir1 = m_folderPicker->folderTree();
    txtFolder = new QLineEdit(this);
    txtFolder->setObjectName(QStringLiteral("txtFolder"));
    txtFolder->setReadOnly(true);
    txtFolder->setFocusPolicy(Qt::NoFocus);
    // Read-only, and drawn so: the folder is chosen in the lists, not typed.
    QPalette face = txtFolder->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Window));
    txtFolder->setPalette(face);

    auto *part = new QVBoxLayout;
    part->setSpacing(Spacing);
    part->addWidget(heading(QStringLiteral("Target Folder:"), this));
    part->addWidget(new QLabel(QStringLiteral("Select the target folder for this Drop Spot."), this));
    part->addWidget(m_folderPicker, 1);
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
    part->setSpacing(Spacing);
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
    connect(m_folderPicker, &FolderPicker::folderChanged, this, &frmConfigureDropSpot::Dir1_Change);
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
    m_folderPicker->setDrives(volumes);
    Drive1->setCurrentIndex(qMax(0, m_folderPicker->driveIndexFor(QDir::currentPath())));
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
    const int drive = m_folderPicker->driveIndexFor(folder);
    if (drive >= 0 && drive != Drive1->currentIndex())
        Drive1->setCurrentIndex(drive);
    m_folderPicker->showFolder(folder);
}

void frmConfigureDropSpot::Drive1_Change()
{
    if (pointDirAtDrive(Drive1->currentData().toString()))
        return;
    m_messages.showMessage("Drive Unavailable");
    m_folderPicker->selectDrive(m_StartDrive);
    pointDirAtDrive(m_StartDrive);
}

void frmConfigureDropSpot::Dir1_Change(const QString &folder)
{
    if (folder.isEmpty())
        return;
    m_folder = spotFolderText(folder);
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
    m_folderPicker->showDrive(root);
    // The drive the program runs on opens at the program's current folder, others at their root.
    const QString current = QDir::currentPath();
    const bool here = m_folderPicker->driveIndexFor(current) == Drive1->findData(root);
    if (!(here && m_folderPicker->showFolder(current)))
        m_folderPicker->showFolder(root);
    return true;
}

} // namespace toolbar
