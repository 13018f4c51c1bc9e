#include "frmbrowsefolders.h"

#include "qtext.h"
#include "wizardsteps.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

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
    : QWidget(owner, Qt::Dialog), Drive1(new QComboBox(this)), Dir1(new QTreeView(this)),
      Label1(new QLabel(QStringLiteral("Install Folder"), this)), txtFolder(new QLineEdit(this)),
      cmdAccept(new QPushButton(QStringLiteral("Accept"), this)),
      cmdCancel(new QPushButton(QStringLiteral("Cancel"), this)), mnuPopUp(new QMenu(QStringLiteral("PopUp"), this)),
      mnuAccept(mnuPopUp->addAction(QStringLiteral("Accept Folder"))), m_installPath(installPath),
      m_folders(new QFileSystemModel(this))
{
    setObjectName(QStringLiteral("frmBrowseFolders"));
    setWindowTitle(QStringLiteral("Locate Folder"));
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Label1->setObjectName(QStringLiteral("Label1"));
    txtFolder->setObjectName(QStringLiteral("txtFolder"));
    cmdAccept->setObjectName(QStringLiteral("cmdAccept"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    mnuPopUp->setObjectName(QStringLiteral("mnuPopUp"));
    mnuAccept->setObjectName(QStringLiteral("mnuAccept"));

    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_folders->setReadOnly(true);
    Dir1->setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        Dir1->hideColumn(column);
    Dir1->setHeaderHidden(true);
    Dir1->setContextMenuPolicy(Qt::CustomContextMenu);
    fillDrives();
    layOutWindow();

    connect(Drive1, &QComboBox::activated, this, &frmBrowseFolders::driveChanged);
    connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this, &frmBrowseFolders::folderChanged);
    connect(Dir1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { mnuPopUp->popup(Dir1->viewport()->mapToGlobal(at)); });
    connect(mnuAccept, &QAction::triggered, this, &frmBrowseFolders::accept);
    connect(cmdAccept, &QPushButton::clicked, this, &frmBrowseFolders::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    loadFromInstallPath();
}

void frmBrowseFolders::fillDrives()
{
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes())
        if (offered(volume))
            roots << QDir::toNativeSeparators(volume.rootPath());
    roots.sort();
    roots.removeDuplicates();
    Drive1->addItems(roots);
}

void frmBrowseFolders::layOutWindow()
{
    cmdAccept->setDefault(true);
    for (QPushButton *button : {cmdAccept, cmdCancel})
        button->setMinimumWidth(90);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdAccept);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(8);
    layout->addWidget(Drive1);
    layout->addWidget(Dir1, 1);
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
    QStringList roots;
    for (int i = 0; i < Drive1->count(); ++i)
        roots << Drive1->itemText(i);
    std::vector<std::string> drives;
    for (const QString &root : roots)
        drives.push_back(fromQt(root));
    const QString drive = toQt(DriveOfPath(fromQt(path), drives));
    if (drive.isEmpty())
        return;
    Drive1->setCurrentIndex(static_cast<int>(roots.indexOf(drive)));
    showDrive(drive);
    // A folder that does not exist yet (the usual case) leaves the tree on the drive.
    if (!QFileInfo(path).isDir())
        return;
    const QModelIndex folder = m_folders->index(QDir::fromNativeSeparators(path));
    for (QModelIndex parent = folder.parent(); parent.isValid(); parent = parent.parent())
        Dir1->expand(parent);
    Dir1->setCurrentIndex(folder);
    Dir1->scrollTo(folder);
}

void frmBrowseFolders::showDrive(const QString &root)
{
    const QString folder = QDir::fromNativeSeparators(root);
    m_folders->setRootPath(folder);
    Dir1->setRootIndex(m_folders->index(folder));
}

void frmBrowseFolders::driveChanged(int index)
{
    showDrive(Drive1->itemText(index));
    Dir1->setCurrentIndex(QModelIndex());
    txtFolder->setText(Drive1->itemText(index));
}

void frmBrowseFolders::folderChanged()
{
    txtFolder->setText(folderListPath());
}

QString frmBrowseFolders::folderListPath() const
{
    const QModelIndex current = Dir1->currentIndex();
    if (current.isValid())
        return QDir::toNativeSeparators(m_folders->filePath(current));
    return Drive1->currentText();
}

void frmBrowseFolders::accept()
{
    m_installPath.setText(txtFolder->text().isEmpty() ? folderListPath() : txtFolder->text());
    close();
}
