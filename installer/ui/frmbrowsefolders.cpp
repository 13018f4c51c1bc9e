#include "installer/ui/frmbrowsefolders.h"

#include "desktop/qtext.h"
#include "desktop/widgets/folderpicker.h"
#include "installer/core/wizardsteps.h"
#include "installer/ui/setuppage.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

namespace setup {

namespace {

constexpr int Spacing = 8;

// Volumes a user installs onto; the kernel's own file systems are no place for a program.
bool offered(const QStorageInfo &volume)
{
    if (!volume.isValid() || !volume.isReady())
        return false;
    const QString root = volume.rootPath();
    for (const char *system : {"/proc", "/sys", "/dev", "/run"})
        if (root == QLatin1String(system) || root.startsWith(QLatin1String(system) + QLatin1Char('/')))
            return false;
    return true;
}

} // namespace

frmBrowseFolders::frmBrowseFolders(QLineEdit &installPath, QWidget *owner)
    : QWidget(owner, Qt::Dialog), m_installPath(installPath),
      m_picker(new FolderPicker(FolderPicker::Look::Plain, Spacing, this))
{
    Drive1 = m_picker->driveList();
    Dir1 = m_picker->folderTree();
    Label1 = new QLabel(QStringLiteral("Install Folder"), this);
    txtFolder = new QLineEdit(this);
    cmdAccept = new QPushButton(QStringLiteral("Accept"), this);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    mnuPopUp = new QMenu(QStringLiteral("PopUp"), this);
    mnuAccept = mnuPopUp->addAction(QStringLiteral("Accept Folder"));
    setObjectName(QStringLiteral("frmBrowseFolders"));
    setWindowTitle(QStringLiteral("Locate Folder"));
    Label1->setObjectName(QStringLiteral("Label1"));
    txtFolder->setObjectName(QStringLiteral("txtFolder"));
    cmdAccept->setObjectName(QStringLiteral("cmdAccept"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    mnuPopUp->setObjectName(QStringLiteral("mnuPopUp"));
    mnuAccept->setObjectName(QStringLiteral("mnuAccept"));

    Dir1->setContextMenuPolicy(Qt::CustomContextMenu);
    fillDrives();
    layOutWindow();

    connect(Drive1, &QComboBox::activated, this, &frmBrowseFolders::driveChanged);
    connect(m_picker, &FolderPicker::folderChanged, this, &frmBrowseFolders::folderChanged);
    connect(Dir1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { mnuPopUp->popup(Dir1->viewport()->mapToGlobal(at)); });
    connect(mnuAccept, &QAction::triggered, this, &frmBrowseFolders::accept);
    connect(cmdAccept, &QPushButton::clicked, this, &frmBrowseFolders::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    loadFromInstallPath();
}

void frmBrowseFolders::fillDrives()
{
    QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    volumes.removeIf([](const QStorageInfo &volume) { return !offered(volume); });
    m_picker->setDrives(volumes);
}

void frmBrowseFolders::layOutWindow()
{
    cmdAccept->setDefault(true);
    QHBoxLayout *buttons = newButtonRow(cmdCancel, cmdAccept, 90);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(Spacing);
    layout->addWidget(m_picker, 1);
    layout->addSpacing(4);
    layout->addWidget(Label1);
    layout->addWidget(txtFolder);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    resize(380, 440);
}

void frmBrowseFolders::loadFromInstallPath()
{
    const QString path = m_installPath.text();
    if (path.isEmpty())
        return;
    std::vector<std::string> drives;
    for (int i = 0; i < Drive1->count(); ++i)
        drives.push_back(fromQt(Drive1->itemText(i)));
    const QString drive = toQt(DriveOfPath(fromQt(path), drives));
    if (drive.isEmpty())
        return;
    m_picker->selectDrive(drive);
    m_picker->showDrive(drive);
    // A folder that does not exist yet (the usual case) leaves the tree on the drive.
    m_picker->showFolder(path);
}

void frmBrowseFolders::driveChanged(int index)
{
    m_picker->showDrive(Drive1->itemText(index));
    Dir1->setCurrentIndex(QModelIndex());
    txtFolder->setText(Drive1->itemText(index));
}

void frmBrowseFolders::folderChanged()
{
    txtFolder->setText(folderListPath());
}

QString frmBrowseFolders::folderListPath() const
{
    const QString folder = m_picker->currentFolder();
    return folder.isEmpty() ? Drive1->currentText() : QDir::toNativeSeparators(folder);
}

void frmBrowseFolders::accept()
{
    m_installPath.setText(txtFolder->text().isEmpty() ? folderListPath() : txtFolder->text());
    close();
}

} // namespace setup
