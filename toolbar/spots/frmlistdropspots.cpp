#include "toolbar/spots/frmlistdropspots.h"

#include "desktop/qtext.h"
#include "desktop/qtwidgetext.h"
#include "toolbar/core/conversions.h"
#include "toolbar/spots/arrowicon.h"
#include "toolbar/spots/colorcelldelegate.h"
#include "toolbar/spots/colorswatch.h"
#include "toolbar/spots/frmconfiguredropspot.h"
#include "toolbar/spots/spotcolor.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace toolbar {

namespace {

// Where a row keeps its values exactly: the colour as 0x00BBGGRR and the folder as the
// program's 8-bit text, which need not survive a trip through display text.
constexpr int ColorRole = Qt::UserRole;
constexpr int FolderRole = Qt::UserRole + 1;

constexpr int ColorColumnTwips = 800;
constexpr int FolderColumnTwips = 4000;
constexpr int PreviewTwips = 495;

QPushButton *makeButton(const QString &text, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QPushButton *makeIconButton(Qt::ArrowType direction, const QString &tip, const char *name, QWidget *parent)
{
    auto *button = makeButton(QString(), name, parent);
    button->setIcon(arrowIcon(direction, parent->palette().color(QPalette::ButtonText)));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    return button;
}

} // namespace

frmListDropSpots::frmListDropSpots(AppContext &app, ColorPicker &picker, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), m_app(app), m_picker(picker)
{
    setObjectName(QStringLiteral("frmListDropSpots"));
    setWindowTitle(QStringLiteral("Drop Spots"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildMenu();
    buildGrid();
    buildSelectedFrame();
    buildLayout();
    connectControls();
    LoadDropSpots();
}

void frmListDropSpots::buildMenu()
{
    m_menuBar = new QMenuBar(this);
    mnuFile = m_menuBar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuClose = mnuFile->addAction(QStringLiteral("&Close"));
    mnuClose->setObjectName(QStringLiteral("mnuClose"));
}

void frmListDropSpots::buildGrid()
{
    MSFlexGrid1 = new QTableWidget(this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFlexGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    MSFlexGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    MSFlexGrid1->setItemDelegateForColumn(0, new ColorCellDelegate(MSFlexGrid1));
    MSFlexGrid1->setTextElideMode(Qt::ElideMiddle);
    MSFlexGrid1->setWordWrap(false);
    MSFlexGrid1->setShowGrid(false);
    MSFlexGrid1->verticalHeader()->hide();
    MSFlexGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    MSFlexGrid1->horizontalHeader()->setHighlightSections(false);
    MSFlexGrid1->horizontalHeader()->setStretchLastSection(true);
    MSFlexGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const int width = twipsToPixels(*this, ColorColumnTwips) + twipsToPixels(*this, FolderColumnTwips);
    MSFlexGrid1->setMinimumWidth(width + 2 * MSFlexGrid1->frameWidth() +
                                 style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

void frmListDropSpots::buildSelectedFrame()
{
    frameSelectedDropSpot = new QGroupBox(QStringLiteral("Selected Drop Spot"), this);
    frameSelectedDropSpot->setObjectName(QStringLiteral("frameSelectedDropSpot"));
    PicColor = new ColorSwatch(PreviewTwips, ColorSwatch::Kind::DisplayOnly, frameSelectedDropSpot);
    PicColor->setObjectName(QStringLiteral("PicColor"));
    cmdEdit = makeButton(QStringLiteral("Edit"), "cmdEdit", frameSelectedDropSpot);
    cmdDelete = makeButton(QStringLiteral("Delete"), "cmdDelete", frameSelectedDropSpot);
    cmdUp = makeIconButton(Qt::UpArrow, QStringLiteral("Move Drop Spot Up"), "cmdUp", frameSelectedDropSpot);
    cmdDown = makeIconButton(Qt::DownArrow, QStringLiteral("Move Drop Spot Down"), "cmdDown", frameSelectedDropSpot);

    auto *moves = new QHBoxLayout;
    moves->addWidget(PicColor);
    moves->addStretch();
    moves->addWidget(cmdUp);
    moves->addWidget(cmdDown);
    auto *frame = new QVBoxLayout(frameSelectedDropSpot);
    frame->addLayout(moves);
    frame->addWidget(cmdEdit);
    frame->addWidget(cmdDelete);
}

void frmListDropSpots::buildLayout()
{
    cmdNew = makeButton(QStringLiteral("Add New Drop Spot"), "cmdNew", this);
    cmdSave = makeButton(QStringLiteral("Save"), "cmdSave", this);
    cmdCancel = makeButton(QStringLiteral("Close"), "cmdCancel", this);

    auto *side = new QVBoxLayout;
    side->addWidget(cmdNew);
    side->addSpacing(style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing));
    side->addWidget(frameSelectedDropSpot);
    side->addStretch();
    side->addWidget(cmdSave);
    side->addWidget(cmdCancel);

    auto *main = new QHBoxLayout(this);
    main->setMenuBar(m_menuBar);
    main->addWidget(MSFlexGrid1, 1);
    main->addLayout(side);
    resize(sizeHint().width(), twipsToPixels(*this, 5400));
}

void frmListDropSpots::connectControls()
{
    connect(mnuClose, &QAction::triggered, this, &QWidget::close);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdNew, &QPushButton::clicked, this, &frmListDropSpots::addNewDropSpot);
    connect(cmdEdit, &QPushButton::clicked, this, &frmListDropSpots::editDropSpot);
    connect(cmdDelete, &QPushButton::clicked, this, &frmListDropSpots::deleteDropSpot);
    connect(cmdUp, &QPushButton::clicked, this, &frmListDropSpots::moveUp);
    connect(cmdDown, &QPushButton::clicked, this, &frmListDropSpots::moveDown);
    connect(cmdSave, &QPushButton::clicked, this, &frmListDropSpots::SaveSpots);
    connect(MSFlexGrid1, &QTableWidget::cellDoubleClicked, this, &frmListDropSpots::editDropSpot);
    connect(MSFlexGrid1, &QTableWidget::currentCellChanged, this, &frmListDropSpots::onCurrentCellChanged);
}

void frmListDropSpots::LoadDropSpots()
{
    MSFlexGrid1->clear();
    MSFlexGrid1->setRowCount(0);
    MSFlexGrid1->setColumnCount(2);
    MSFlexGrid1->setHorizontalHeaderLabels({QStringLiteral("Color"), QStringLiteral("Target Folder")});
    MSFlexGrid1->setColumnWidth(0, twipsToPixels(*this, ColorColumnTwips));
    MSFlexGrid1->setColumnWidth(1, twipsToPixels(*this, FolderColumnTwips));
    for (const DropSpot &spot : m_app.globals.DropSpots) {
        const int row = appendRow();
        MSFlexGrid1->setCurrentCell(row, 0);
        setRow(row, spot.FolderPath, TextToLong(spot.Color).value_or(255));
    }
    if (MSFlexGrid1->rowCount() > 0)
        MSFlexGrid1->setCurrentCell(0, 0);
    refreshPreview();
}

void frmListDropSpots::AddSpot(const std::string &m_Folder, std::int32_t m_Color)
{
    const int row = appendRow();
    MSFlexGrid1->setCurrentCell(row, 0);
    m_app.desktop.pump.yieldTimes(2);
    setRow(row, m_Folder, m_Color);
    refreshPreview();
    m_app.desktop.pump.yieldTimes(2);
}

void frmListDropSpots::TakeInChanges(const std::string &m_Folder, std::int32_t m_Color)
{
    const int row = MSFlexGrid1->currentRow();
    if (row < 0)
        return;
    MSFlexGrid1->setCurrentCell(row, 0);
    setRow(row, m_Folder, m_Color);
    refreshPreview();
}

void frmListDropSpots::SaveSpots()
{
    // The yields inside a save run other events; a second click on Save must not start
    // another save in the middle of this one.
    if (m_saving)
        return;
    m_saving = true;
    const bool saved = SaveSpotRows(m_app, rows());
    m_saving = false;
    if (!saved)
        return;
    if (m_app.toolbar)
        m_app.toolbar->LoadSpotsFromArray();
    m_app.desktop.messages.showMessage("Drop Spots Updated");
}

std::vector<SpotRow> frmListDropSpots::rows() const
{
    std::vector<SpotRow> result;
    for (int row = 0; row < MSFlexGrid1->rowCount(); ++row)
        result.push_back({folderAt(row), colorAt(row)});
    return result;
}

void frmListDropSpots::addNewDropSpot()
{
    frmConfigureDropSpot *editor = loadEditor();
    editor->SetForNewSpot();
    // Still open from an edit: it must be shown again to become modal.
    if (editor->isVisible())
        editor->hide();
    editor->exec();
}

void frmListDropSpots::editDropSpot()
{
    const int row = MSFlexGrid1->currentRow();
    if (row < 0)
        return;
    MSFlexGrid1->setCurrentCell(row, 0);
    const std::int32_t color = colorAt(row);
    frmConfigureDropSpot *editor = loadEditor();
    editor->TakeInDetails(folderAt(row), color);
    editor->show();
    editor->raise();
    editor->activateWindow();
}

void frmListDropSpots::deleteDropSpot()
{
    const int row = qMax(0, MSFlexGrid1->currentRow());
    if (MSFlexGrid1->rowCount() > 1) {
        if (m_app.desktop.messages.askYesNo("Are you sure you want to delete the drop spot for \r" + folderAt(row) +
                                            "?"))
            MSFlexGrid1->removeRow(row);
    } else {
        m_app.desktop.messages.showMessage("You can edit this drop spot, but you can not remove it.\r"
                                           "The toolbar must have at least one drop spot.");
        return;
    }
    MSFlexGrid1->setCurrentCell(0, 0);
    m_app.desktop.pump.yieldTimes(2);
    refreshPreview();
}

void frmListDropSpots::moveUp()
{
    const int row = MSFlexGrid1->currentRow();
    if (row >= 1)
        exchangeRows(row, row - 1);
}

void frmListDropSpots::moveDown()
{
    const int row = MSFlexGrid1->currentRow();
    if (MSFlexGrid1->rowCount() > 1 && row >= 0 && row < MSFlexGrid1->rowCount() - 1)
        exchangeRows(row, row + 1);
}

void frmListDropSpots::exchangeRows(int a, int b)
{
    const std::string folderA = folderAt(a);
    const std::int32_t colorA = colorAt(a);
    const std::string folderB = folderAt(b);
    const std::int32_t colorB = colorAt(b);
    setRow(b, folderA, colorA);
    setRow(a, folderB, colorB);
    MSFlexGrid1->setCurrentCell(b, 0);
    MSFlexGrid1->scrollToItem(MSFlexGrid1->item(b, 0));
    refreshPreview();
}

void frmListDropSpots::onCurrentCellChanged(int row, int column)
{
    // The colour column is always the current one, whichever cell of the row was entered.
    if (row >= 0 && column != 0) {
        MSFlexGrid1->setCurrentCell(row, 0);
        return;
    }
    refreshPreview();
}

frmConfigureDropSpot *frmListDropSpots::loadEditor()
{
    if (!m_editor)
        m_editor = new frmConfigureDropSpot(*this, m_app.desktop.messages, m_picker, this);
    return m_editor;
}

int frmListDropSpots::appendRow()
{
    const int row = MSFlexGrid1->rowCount();
    MSFlexGrid1->insertRow(row);
    MSFlexGrid1->setItem(row, 0, new QTableWidgetItem);
    MSFlexGrid1->setItem(row, 1, new QTableWidgetItem);
    return row;
}

void frmListDropSpots::setRow(int row, const std::string &folder, std::int32_t color)
{
    QTableWidgetItem *colorCell = MSFlexGrid1->item(row, 0);
    colorCell->setData(ColorRole, color);
    colorCell->setBackground(QBrush(colorFromValue(color)));
    QTableWidgetItem *folderCell = MSFlexGrid1->item(row, 1);
    folderCell->setData(FolderRole, QByteArray::fromStdString(folder));
    folderCell->setText(toQt(folder));
    folderCell->setToolTip(toQt(folder));
}

std::string frmListDropSpots::folderAt(int row) const
{
    const QTableWidgetItem *cell = MSFlexGrid1->item(row, 1);
    return cell ? cell->data(FolderRole).toByteArray().toStdString() : std::string();
}

std::int32_t frmListDropSpots::colorAt(int row) const
{
    const QTableWidgetItem *cell = MSFlexGrid1->item(row, 0);
    return cell ? cell->data(ColorRole).toInt() : 255;
}

void frmListDropSpots::refreshPreview()
{
    const int row = MSFlexGrid1->currentRow();
    if (row >= 0)
        PicColor->setColorValue(colorAt(row));
}

} // namespace toolbar
