#include "toolbar/help/frmhelp.h"

#include "desktop/eventpump.h"
#include "desktop/qtwidgetext.h"
#include "toolbar/help/helpmetrics.h"
#include "toolbar/help/helptopics.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QResizeEvent>

namespace toolbar {

namespace {
QPointer<frmHelp> &sharedWindow()
{
    static QPointer<frmHelp> window;
    return window;
}

QString localText(std::string_view text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

// Which procedure shows which key; a list entry whose upper-case text matches no key does nothing.
struct TopicProcedure
{
    std::string_view key;
    void (frmHelp::*show)();
};
const TopicProcedure TopicProcedures[] = {
    {"INTRODUCTION", &frmHelp::ShowIntroduction},
    {"THE TOOLBAR", &frmHelp::ShowToolBar},
    {"CONFIGURING DROP SPOTS", &frmHelp::ShowConfigDropSpots},
    {"BASE NAMES", &frmHelp::ShowBaseNames},
    {"ADVANCED BASE NAME TECHNIQUES", &frmHelp::ShowAdvancedBaseNames},
    {"VIEWING IMAGES", &frmHelp::ShowViewImages},
    {"OPTIONS", &frmHelp::ShowOptions},
};

// The window's design size and the controls' design places, in twips.
constexpr double DesignWidth = 8070, DesignHeight = 6360;
constexpr double RightMargin = 200, BottomMargin = 600;
} // namespace

frmHelp::frmHelp(EventPump &pump, QWidget *parent)
    : QWidget(parent, Qt::Window), Label1(new QLabel(tr("Topics"), this)), lstTopics(new QListWidget(this)),
      txtHelp(new QPlainTextEdit(this)), m_pump(pump)
{
    setWindowTitle(tr("Help"));
    buildControls();
    resize(twipsToPixels(*this, DesignWidth), twipsToPixels(*this, DesignHeight));

    for (const HelpTopic &topic : HelpTopics())
        lstTopics->addItem(localText(topic.entry));
    connect(lstTopics, &QListWidget::currentRowChanged, this, &frmHelp::onTopicSelected);
    lstTopics->setCurrentRow(0);
    fitListToWholeRows();
}

frmHelp::~frmHelp() = default;

void frmHelp::buildControls()
{
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(sansSerifFont(8.25, true));
    Label1->setGeometry(twipsRect(this, 120, 120, 735, 255));

    lstTopics->setObjectName(QStringLiteral("lstTopics"));
    lstTopics->setSelectionMode(QAbstractItemView::SingleSelection);
    lstTopics->setGeometry(twipsRect(this, 840, 120, 7095, 1035));
    Label1->setBuddy(lstTopics);

    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    txtHelp->setFont(sansSerifFont(8.25, true));
    txtHelp->setReadOnly(true);
    // Read-only still lets the user scroll and select, with the mouse and the keyboard.
    txtHelp->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtHelp->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtHelp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtHelp->setGeometry(twipsRect(this, 120, 1320, 7815, 4935));
}

frmHelp *frmHelp::showShared(EventPump &pump)
{
    QPointer<frmHelp> &window = sharedWindow();
    if (!window) {
        window = new frmHelp(pump);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->showNormal();
    window->raise();
    window->activateWindow();
    return window;
}

frmHelp *frmHelp::sharedInstance()
{
    return sharedWindow();
}

void frmHelp::onTopicSelected()
{
    const QListWidgetItem *item = lstTopics->currentItem();
    if (!item)
        return;
    const QByteArray key = item->text().toUpper().toLocal8Bit();
    for (const TopicProcedure &procedure : TopicProcedures) {
        if (procedure.key == std::string_view(key.constData(), static_cast<std::size_t>(key.size()))) {
            (this->*procedure.show)();
            return;
        }
    }
}

void frmHelp::showTopicText(std::string_view key)
{
    const HelpTopic *topic = FindHelpTopic(key);
    if (!topic)
        return;
    const int serial = ++m_showSerial;
    txtHelp->setPlainText(QString());
    // Let the emptied box repaint before the new text goes in.
    const QPointer<frmHelp> alive(this);
    m_pump.yieldTimes(2);
    // The window may have been closed meanwhile, or a quicker selection handled during those
    // events may have shown its own topic already.
    if (!alive || serial != m_showSerial)
        return;
    txtHelp->setPlainText(localText(topic->text));
}

void frmHelp::ShowIntroduction()
{
    showTopicText("INTRODUCTION");
}

void frmHelp::ShowToolBar()
{
    showTopicText("THE TOOLBAR");
}

void frmHelp::ShowConfigDropSpots()
{
    showTopicText("CONFIGURING DROP SPOTS");
}

void frmHelp::ShowBaseNames()
{
    showTopicText("BASE NAMES");
}

void frmHelp::ShowAdvancedBaseNames()
{
    showTopicText("ADVANCED BASE NAME TECHNIQUES");
}

void frmHelp::ShowViewImages()
{
    showTopicText("VIEWING IMAGES");
}

void frmHelp::ShowOptions()
{
    showTopicText("OPTIONS");
}

void frmHelp::fitListToWholeRows()
{
    // Like a classic list box, show whole entries only: no half-cut row at the bottom edge.
    const int rowHeight = lstTopics->sizeHintForRow(0);
    const int frame = 2 * lstTopics->frameWidth();
    const int rows = (lstTopics->height() - frame) / qMax(1, rowHeight);
    if (rowHeight > 0 && rows > 0)
        lstTopics->resize(lstTopics->width(), rows * rowHeight + frame);
}

void frmHelp::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitControls();
}

bool frmHelp::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    // The window manager frames the window after its first resize, without resizing it again:
    // the outer size the margins are measured from is known once the window is moved or activated.
    if (event->type() == QEvent::Move || event->type() == QEvent::WindowActivate)
        fitControls();
    return handled;
}

void frmHelp::fitControls()
{
    // The margins are measured from the outer edge of the window, frame and caption included.
    const QSize outer = frameGeometry().size();
    const int listWidth = outer.width() - lstTopics->x() - twipsToPixels(*this, RightMargin);
    const int textWidth = outer.width() - txtHelp->x() - twipsToPixels(*this, RightMargin);
    const int textHeight = outer.height() - txtHelp->y() - twipsToPixels(*this, BottomMargin);
    // A window too small for positive sizes leaves each control as it was.
    if (listWidth > 0)
        lstTopics->resize(listWidth, lstTopics->height());
    if (textWidth > 0)
        txtHelp->resize(textWidth, txtHelp->height());
    if (textHeight > 0)
        txtHelp->resize(txtHelp->width(), textHeight);
}

} // namespace toolbar
