#include "toolbar/options/frmoptions.h"

#include "desktop/qtext.h"
#include "desktop/qtwidgetext.h"
#include "toolbar/core/conversions.h"
#include "toolbar/core/datafiles.h"
#include "toolbar/options/optionshelp.h"
#include "toolbar/options/optionssave.h"
#include "toolbar/spots/spotcolor.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace toolbar {

namespace {
constexpr const char *SizeNames[] = {"TINY", "SMALL", "MEDIUM", "LARGE", "JUMBO"};

// Check boxes hold the values 0 (clear) and 1 (ticked); 2 stands for the third state.
int checkValue(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

void setCheckValue(QCheckBox *box, int value)
{
    box->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}
} // namespace

frmOptions::frmOptions(AppContext &app, QWidget *parent)
    : QMainWindow(parent), m_app(app), m_background(new QWidget(this))
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    // Above the always-on-top toolbar, which a large toolbar would otherwise cover.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_DeleteOnClose);
    m_background->setObjectName(QStringLiteral("background"));
    setCentralWidget(m_background);
    buildMenu();

    auto *top = new QHBoxLayout;
    top->setSpacing(16);
    top->addLayout(buildOptionColumn(), 1);
    top->addWidget(buildSizeFrame(), 0, Qt::AlignTop);
    auto *layout = new QVBoxLayout(m_background);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setSpacing(10);
    layout->addLayout(top);
    layout->addWidget(buildHelpFrame());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    watchForHelp();
    // The window keeps the size of its contents: it is not resizable.
    QMainWindow::layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdSave, &QPushButton::clicked, this, &frmOptions::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(mnuClose, &QAction::triggered, this, &QWidget::close);
    connect(mnuRestoreDefaults, &QAction::triggered, this, &frmOptions::mnuRestoreDefaults_Click);
    connect(txtSize, &QComboBox::activated, this, &frmOptions::txtSize_Click);

    // Loading the window: empty help, the size list, then every control from Options.
    lblHelpTitle->clear();
    lblHelp->clear();
    for (const char *name : SizeNames)
        txtSize->addItem(QString::fromLatin1(name));
    LoadBoxesFromVariables();
}

frmOptions *frmOptions::open(QPointer<frmOptions> &shared, AppContext &app, QWidget *parent)
{
    if (!shared)
        shared = new frmOptions(app, parent);
    shared->show();
    shared->raise();
    shared->activateWindow();
    return shared;
}

void frmOptions::buildMenu()
{
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuRestoreDefaults = mnuFile->addAction(QStringLiteral("Restore Defaults"));
    mnuRestoreDefaults->setObjectName(QStringLiteral("mnuRestoreDefaults"));
    mnuFile->addSeparator();
    mnuClose = mnuFile->addAction(QStringLiteral("Close"));
    mnuClose->setObjectName(QStringLiteral("mnuClose"));
}

QCheckBox *frmOptions::addCheckBox(const char *name, const char *caption)
{
    auto *box = new QCheckBox(QString::fromLatin1(caption), m_background);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QLayout *frmOptions::buildOptionColumn()
{
    chkSameBaseNames = addCheckBox("chkSameBaseNames", "Use the same base name for all drop spots");
    chkAlignVertically = addCheckBox("chkAlignVertically", "Align toolbar vertically");
    chkRememberLocation = addCheckBox("chkRememberLocation", "Remember toolbar location");
    chkPromptNewBaseName = addCheckBox("chkPromptNewBaseName", "Prompt for new base name");
    chkAutoStart = addCheckBox("chkAutoStart", "Start automatically with Windows");
    chkPlaySounds = addCheckBox("chkPlaySounds", "Play sounds");

    lblMaxLength = new QLabel(QStringLiteral("Max random base name length:"), m_background);
    lblMaxLength->setObjectName(QStringLiteral("lblMaxLength"));
    txtMaxLength = new QLineEdit(m_background);
    txtMaxLength->setObjectName(QStringLiteral("txtMaxLength"));
    txtMaxLength->setFixedWidth(txtMaxLength->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    lblMaxLength->setBuddy(txtMaxLength);
    auto *length = new QHBoxLayout;
    length->addWidget(lblMaxLength);
    length->addWidget(txtMaxLength);
    length->addStretch();

    cmdSave = new QPushButton(QStringLiteral("Save"), m_background);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), m_background);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdCancel);
    buttons->addStretch();

    auto *column = new QVBoxLayout;
    column->setSpacing(6);
    for (QCheckBox *box :
         {chkSameBaseNames, chkAlignVertically, chkRememberLocation, chkPromptNewBaseName, chkAutoStart, chkPlaySounds})
        column->addWidget(box);
    column->addSpacing(4);
    column->addLayout(length);
    column->addStretch();
    column->addSpacing(8);
    column->addLayout(buttons);
    return column;
}

QGroupBox *frmOptions::buildSizeFrame()
{
    frameSize = new QGroupBox(QStringLiteral("Drop Spot Size"), m_background);
    frameSize->setObjectName(QStringLiteral("frameSize"));
    txtSize = new QComboBox(frameSize);
    txtSize->setObjectName(QStringLiteral("txtSize"));
    txtSize->setEditable(true);
    // A typed word is not a choice: it must neither join the list nor change the size,
    // not even when Enter follows it (the box would pick the entry of that name).
    txtSize->setInsertPolicy(QComboBox::NoInsert);
    txtSize->installEventFilter(this);
    txtSize->lineEdit()->installEventFilter(this);

    // The preview square grows and shrinks in the middle of a stage as large as the
    // largest size, so the window keeps its shape.
    auto *stage = new QWidget(frameSize);
    const int stageSide = twipsToPixels(*this, LargestSpotSize);
    stage->setFixedSize(stageSide, stageSide);
    picSize = new QFrame(stage);
    picSize->setObjectName(QStringLiteral("picSize"));
    picSize->setFrameShape(QFrame::Box);
    // Red when there is no spot or its colour is not a number.
    const std::string firstColor =
        m_app.globals.DropSpots.empty() ? std::string() : m_app.globals.DropSpots.front().Color;
    paintWindow(*picSize, colorFromText(firstColor, 255), picSize->palette().color(QPalette::Shadow));

    auto *layout = new QVBoxLayout(frameSize);
    layout->setSpacing(10);
    layout->addWidget(txtSize);
    layout->addWidget(stage, 0, Qt::AlignHCenter);
    return frameSize;
}

QGroupBox *frmOptions::buildHelpFrame()
{
    frameHelp = new QGroupBox(QStringLiteral("Help"), m_background);
    frameHelp->setObjectName(QStringLiteral("frameHelp"));
    lblHelpTitle = new QLabel(frameHelp);
    lblHelpTitle->setObjectName(QStringLiteral("lblHelpTitle"));
    QFont bold = lblHelpTitle->font();
    bold.setBold(true);
    lblHelpTitle->setFont(bold);
    lblHelpTitle->setMinimumHeight(lblHelpTitle->fontMetrics().height());
    lblHelp = new QLabel(frameHelp);
    lblHelp->setObjectName(QStringLiteral("lblHelp"));
    lblHelp->setWordWrap(true);
    lblHelp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for the longest text, so the window does not jump while the mouse moves.
    lblHelp->setMinimumHeight(lblHelp->fontMetrics().lineSpacing() * 4);

    auto *layout = new QVBoxLayout(frameHelp);
    layout->setSpacing(4);
    layout->addWidget(lblHelpTitle);
    layout->addWidget(lblHelp, 1);
    return frameHelp;
}

void frmOptions::watchForHelp()
{
    // A move over a control with help shows its help and goes no further; a move over the
    // bare background clears it. Frames and buttons do not track the mouse, so moves over
    // them stop there and the last help stays.
    for (QWidget *control : std::initializer_list<QWidget *>{chkSameBaseNames, chkAlignVertically, chkRememberLocation,
                                                             chkPromptNewBaseName, chkAutoStart, chkPlaySounds,
                                                             lblMaxLength, txtMaxLength}) {
        control->setMouseTracking(true);
        control->setAttribute(Qt::WA_NoMousePropagation);
        control->installEventFilter(this);
    }
    m_background->setMouseTracking(true);
    m_background->installEventFilter(this);
}

bool frmOptions::eventFilter(QObject *watched, QEvent *event)
{
    // The size list has no help; only Enter is kept from it.
    if (watched == txtSize || watched == txtSize->lineEdit()) {
        const int key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent *>(event)->key() : 0;
        return key == Qt::Key_Return || key == Qt::Key_Enter || QMainWindow::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseMove)
        showHelpFor(watched);
    return QMainWindow::eventFilter(watched, event);
}

void frmOptions::showHelpFor(const QObject *control)
{
    QString title;
    QString text;
    for (const OptionHelp &help : OptionHelpTexts) {
        if (control->objectName() == QLatin1String(help.control.data(), static_cast<qsizetype>(help.control.size()))) {
            title = QString::fromLatin1(help.title.data(), static_cast<qsizetype>(help.title.size()));
            text = QString::fromLatin1(help.text.data(), static_cast<qsizetype>(help.text.size()));
        }
    }
    // Unchanged text is not set again: a move per pixel would otherwise relayout each time.
    if (lblHelpTitle->text() != title)
        lblHelpTitle->setText(title);
    if (lblHelp->text() != text)
        lblHelp->setText(text);
}

void frmOptions::LoadBoxesFromVariables()
{
    const Options &o = m_app.globals.options;
    setCheckValue(chkSameBaseNames, BoolToCheckValue(o.SameBaseName));
    setCheckValue(chkRememberLocation, BoolToCheckValue(o.RememberLocation));
    setCheckValue(chkAlignVertically, BoolToCheckValue(o.VerticalToolbar));
    setCheckValue(chkPromptNewBaseName, BoolToCheckValue(o.PromptBaseNames));
    setCheckValue(chkAutoStart, BoolToCheckValue(o.AutoStart));
    setCheckValue(chkPlaySounds, BoolToCheckValue(o.Sounds));
    txtMaxLength->setText(QString::number(o.MaxRandomLength));
    const int index = txtSize->findText(toQt(SpotSizeName(o.SpotSize)), Qt::MatchExactly | Qt::MatchCaseSensitive);
    txtSize->setCurrentIndex(index);
    if (index < 0)
        txtSize->setEditText(QString());
    txtSize_Click();
}

void frmOptions::txtSize_Click()
{
    m_previewSide = SpotSizeValue(fromQt(txtSize->currentText()));
    const int side = twipsToPixels(*this, m_previewSide);
    const QWidget *stage = picSize->parentWidget();
    picSize->setGeometry((stage->width() - side) / 2, (stage->height() - side) / 2, side, side);
    picSize->setVisible(side > 0);
}

void frmOptions::cmdSave_Click()
{
    OptionsEntry entry;
    entry.chkSameBaseNames = checkValue(chkSameBaseNames);
    entry.chkAlignVertically = checkValue(chkAlignVertically);
    entry.chkRememberLocation = checkValue(chkRememberLocation);
    entry.chkPromptNewBaseName = checkValue(chkPromptNewBaseName);
    entry.chkAutoStart = checkValue(chkAutoStart);
    entry.chkPlaySounds = checkValue(chkPlaySounds);
    entry.maxLengthText = fromQt(txtMaxLength->text());
    entry.chosenSpotSize = m_previewSide;
    if (SaveOptionsEntry(m_app, entry))
        close();
}

void frmOptions::mnuRestoreDefaults_Click()
{
    // The window is gone by the time the message shows, so keep what the message needs.
    AppContext &app = m_app;
    if (!RestoreDefaultsAndRelayout(app))
        return;
    close();
    app.desktop.messages.showMessage("Default Values Restored");
}

} // namespace toolbar
