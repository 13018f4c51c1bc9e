#include "desktop/fake/fakedesktop.h"
#include "tests/support/windowprobe.h"
#include "toolbar/help/frmhelp.h"
#include "toolbar/help/helpmetrics.h"
#include "toolbar/help/helptopics.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

using namespace toolbar;

namespace {
// The manual as users read it: each topic's paragraphs, in list order. A topic with two
// paragraphs shows them separated by an empty line (CR LF twice).
struct ExpectedTopic
{
    const char *entry;
    std::vector<std::string> paragraphs;
};

const std::vector<ExpectedTopic> &expectedTopics()
{
    static const std::vector<ExpectedTopic> topics{
        {"Introduction",
         {
             "Stowlet is a very easy to use utility for quickly downloading and saving pictures from the Internet onto "
             "your computer.  "
             "Images are are automatically named and indexed for slideshow viewing.  "
             "Stowlet can save images into multiple folders on your hard drive for easy catagorizing and "
             "classification.",
         }},
        {"The ToolBar",
         {
             "Most of the time, the only visible part of the program is the ToolBar.  "
             "It will sit on top off all your other windows so it doesn't get 'buried', and is always accessable.  "
             "It is very small so that it can sit in a corner of the screen, out of your way, so that is does not "
             "interupt your Internet activities.  "
             "It contains one or more 'Drop Spots'.  Each Drop Spot represents a folder on your computer. "
             "You can set up a Drop Spot to represent any folder on your computer.  "
             "They are color coded to help your remember which folder each Spot coresponds to.  "
             "If you forget, just move your mouse over any Drop Spot, and the folder location will be shown to you.  "
             "To save an image into that folder, simply Drag-And-Drop the image onto the appropriate Drop Spot.  "
             "The downloading and saving is done automatically.  "
             "You can also Right-Click and Drop Spot to see the main menu.  "
             "From this menu, you can configure Drop Spots, set program preferences, and other tasks.",
             "HELPFUL TIP: Try putting the toolbar in the top-right corner of your screen, just below the red X or "
             "close button on your Internet Browser.  "
             "In this location, it is  unlikely to impede your view of any webpages.",
         }},
        {"Configuring Drop Spots",
         {
             "To configure the Drop Spots, first Right-Click any Drop Spot to show the main menu.  "
             "Move your mouse over 'Program Setup', and then choose 'Configure Drop Spots'. "
             "A new screen will appear that lists all existing Drop Spots.  "
             "To change one, click the appropriate row, and then click the 'Edit' button. "
             "To add a new one, click the 'Add New Drop Spot' button. "
             "A new screen will appear where you can select the coresponding folder and the color of the Drop Spot.  "
             "Click the 'OK' button to accept, or the 'Cancel' button to abort.  "
             "Once all Drop Spots have been configured properly, click the 'Save' button.  "
             "The changes will take effect immediately after saving.",
         }},
        {"Base Names",
         {
             "Base Names are very important.  "
             "The base name is how you will locate images on your computer when you want to view the images you have "
             "downloaded.  "
             "You can determine the base name for any group of images, or a random Base Name can be assigned.  "
             "Each image saved will be assigned a name that starts with the Base Name, and ends with a sequential "
             "number.  "
             "For instance, if you want to download a lot of pictures of flowers, you might assign a base name of "
             "'Flower'.  "
             "Then, each file downloaded into that folder will be named Flower-001, Flower-002, Flower-003, and so on. "
             " "
             "You can change the Base Name at any time by Double-Clicking a Drop Spot.  "
             "Each time the base name is changed in this manner, the sequence number is reset.",
         }},
        {"Advanced Base Name Techniques",
         {
             "When the program starts, each Drop Spot is initally assigned the same base name.  "
             "By default, these names can be changed for individual Drop Spots. "
             "This allows you to have files named according to which folder they are dropped into.  "
             "If you have a folder for pictures of roses and a folder for pictures of dasies, you could set individual "
             "base names for the folders, and the files would be named Rose-001, Daisy-001, Rose-002, and so on. ",
             "At any time, you can change the sequence number, by Right-Clicking a Drop Spot, and selecting 'Name "
             "Details' from the main menu.  "
             "A small window will open that allows you to change the base name and the current sequence number.  "
             "Click 'OK' to save, or 'Cancel' to abort.",
         }},
        {"Viewing Images",
         {
             "To view the images you have saved, Right-Click any Drop Spot and select 'Open Folder'.  "
             "This will open Windows Explorer, and allow you to browse through your saved images.  "
             "If you just want to see the last image you dropped onto a Drop Spot, Right-Click the Drop Spot. "
             "At the bottom of the menu, you can find the name of the last file saved to that folder.  "
             "To view it, just click on the name.  The image will open in your default image viewer.",
             "HELPFUL TIP: Use an image viewer that has a 'slideshow' function.  "
             "Your images in that folder will be shown to you one at a time in order, grouped by Base Name.",
         }},
        {"Options",
         {
             "To view or make changes to the program otions and preferences, Right-Click any Drop Spot to show the "
             "main menu.  "
             "Move your mouse over 'Program Setup', and choose 'Options'.  "
             "The Options screen will appear, where you can make changes to how the program behaves.  "
             "The options screen has a built-in Help system, that explains each option.  "
             "When all changes have been made, click the 'Save' button. "
             "Any changes will take effect immediately after saving.   "
             "You can restore the default setings at any time by clicking the 'File' menu, and choosing 'Restore "
             "Defaults'.",
         }},
    };
    return topics;
}

std::string storedForm(const ExpectedTopic &topic)
{
    std::string text;
    for (const std::string &paragraph : topic.paragraphs)
        text += (text.empty() ? "" : "\r\n\r\n") + paragraph;
    return text;
}

QStringList shownLines(const ExpectedTopic &topic)
{
    QStringList lines;
    for (const std::string &paragraph : topic.paragraphs) {
        if (!lines.isEmpty())
            lines << QString();
        lines << QString::fromStdString(paragraph);
    }
    return lines;
}

QStringList displayedLines(const QPlainTextEdit *box)
{
    QStringList lines;
    for (QTextBlock block = box->document()->firstBlock(); block.isValid(); block = block.next())
        lines << block.text();
    return lines;
}
} // namespace

class FrmHelpTest : public QObject
{
    Q_OBJECT

private:
    FakeDesktop m_desktop;
    std::unique_ptr<frmHelp> m_window;

    frmHelp &open()
    {
        m_window = std::make_unique<frmHelp>(m_desktop);
        m_window->show();
        return *m_window;
    }
    QListWidget *list() const { return m_window->findChild<QListWidget *>(QStringLiteral("lstTopics")); }
    QPlainTextEdit *textBox() const { return m_window->findChild<QPlainTextEdit *>(QStringLiteral("txtHelp")); }
    int px(double twips) const { return pixels(*m_window, twips); }

    void clickEntry(int row)
    {
        QListWidgetItem *item = list()->item(row);
        list()->scrollToItem(item);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(item).center());
    }

private slots:
    void cleanup()
    {
        m_window.reset();
        if (frmHelp *shared = frmHelp::sharedInstance())
            delete shared;
        m_desktop.onYield = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName() + " left open"));
    }

    void opensOnTheIntroduction()
    {
        open();
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Help"));
        QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Topics"));
        QCOMPARE(list()->count(), 7);
        for (int row = 0; row < list()->count(); ++row)
            QCOMPARE(list()->item(row)->text(), QString::fromLatin1(expectedTopics()[row].entry));
        QCOMPARE(list()->currentRow(), 0);
        QVERIFY(list()->currentItem()->isSelected());
        // Whole entries only, within the list's design height.
        const int rows = list()->height() - 2 * list()->frameWidth();
        QVERIFY(rows % list()->sizeHintForRow(0) == 0);
        QVERIFY(list()->height() <= px(1035) && rows >= list()->sizeHintForRow(0));
        QCOMPARE(displayedLines(textBox()), shownLines(expectedTopics()[0]));
    }

    void storesEveryTextCharacterForCharacter_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(expectedTopics().size()); ++row)
            QTest::newRow(expectedTopics()[row].entry) << row;
    }
    void storesEveryTextCharacterForCharacter()
    {
        QFETCH(int, row);
        const ExpectedTopic &expected = expectedTopics()[row];
        const HelpTopic &stored = HelpTopics()[row];
        QCOMPARE(std::string(stored.entry), std::string(expected.entry));
        QCOMPARE(std::string(stored.text), storedForm(expected));
        const HelpTopic *found = FindHelpTopic(QByteArray(expected.entry).toUpper().toStdString());
        QVERIFY(found == &stored);
    }

    void showsEveryTopicWhenItsEntryIsClicked_data() { storesEveryTextCharacterForCharacter_data(); }
    void showsEveryTopicWhenItsEntryIsClicked()
    {
        QFETCH(int, row);
        open();
        // Start elsewhere so that every click really changes the topic.
        clickEntry(row == 6 ? 5 : 6);
        const int yieldsBefore = m_desktop.yields;
        clickEntry(row);
        QCOMPARE(list()->currentRow(), row);
        QCOMPARE(displayedLines(textBox()), shownLines(expectedTopics()[row]));
        // Emptied first, then filled, with the window events run twice in between.
        QCOMPARE(m_desktop.yields, yieldsBefore + 2);
    }

    void arrowKeysChangeTheTopic()
    {
        open();
        list()->setFocus();
        QTest::keyClick(list(), Qt::Key_Down);
        QCOMPARE(list()->currentItem()->text(), QStringLiteral("The ToolBar"));
        const QStringList lines = displayedLines(textBox());
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith(QStringLiteral("Most of the time, the only visible part")));
        QCOMPARE(lines[1], QString());
        QVERIFY(lines[2].startsWith(QStringLiteral("HELPFUL TIP: Try putting the toolbar")));

        QTest::keyClick(list(), Qt::Key_Down);
        QCOMPARE(displayedLines(textBox()), shownLines(expectedTopics()[2]));
        QTest::keyClick(list(), Qt::Key_End);
        QCOMPARE(displayedLines(textBox()), shownLines(expectedTopics()[6]));
        QTest::keyClick(list(), Qt::Key_Up);
        QCOMPARE(displayedLines(textBox()), shownLines(expectedTopics()[5]));
        QTest::keyClick(list(), Qt::Key_Home);
        QCOMPARE(displayedLines(textBox()), shownLines(expectedTopics()[0]));
    }

    void textBoxIsReadOnlyAndWraps()
    {
        open();
        clickEntry(1);
        const QString before = textBox()->toPlainText();
        textBox()->setFocus();
        QTest::keyClicks(textBox(), QStringLiteral("typed"));
        QTest::keyClick(textBox(), Qt::Key_Backspace);
        QCOMPARE(textBox()->toPlainText(), before);
        // Long paragraphs wrap at the box's width: no horizontal scrolling.
        QTRY_VERIFY(textBox()->document()->firstBlock().layout()->lineCount() > 1);
        QCOMPARE(textBox()->horizontalScrollBar()->maximum(), 0);
    }

    void aNewerTopicIsNotOverwrittenByAnOlderOne()
    {
        open();
        // While the box stands empty for repainting, the user moves on to "Viewing Images".
        QStringList duringRepaint;
        bool movedOn = false;
        m_desktop.onYield = [&] {
            duringRepaint << textBox()->toPlainText();
            if (!movedOn) {
                movedOn = true;
                list()->setCurrentRow(5);
            }
        };
        list()->setCurrentRow(1);
        QCOMPARE(list()->currentRow(), 5);
        QCOMPARE(displayedLines(textBox()), shownLines(expectedTopics()[5]));
        // The box stood empty through both topics' repaints; the older topic's last pause saw the newer text.
        QCOMPARE(duringRepaint.size(), 4);
        QCOMPARE(duringRepaint.mid(0, 3), QStringList(3, QString()));
    }

    void resizingKeepsTheMargins_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("design") << QSize(538, 424);
        QTest::newRow("wider and taller") << QSize(900, 760);
        QTest::newRow("narrower and shorter") << QSize(420, 300);
    }
    void resizingKeepsTheMargins()
    {
        QFETCH(QSize, size);
        open();
        const int listHeight = list()->height();
        m_window->resize(size);
        QTRY_COMPARE(m_window->size(), size);
        const QRect outer = m_window->frameGeometry();
        QCOMPARE(list()->geometry(), QRect(px(840), px(120), outer.width() - px(840) - px(200), listHeight));
        QCOMPARE(textBox()->geometry(),
                 QRect(px(120), px(1320), outer.width() - px(120) - px(200), outer.height() - px(1320) - px(600)));
    }

    void aWindowTooSmallLeavesTheSizesAlone()
    {
        open();
        const QRect listBefore = list()->geometry();
        const QRect textBefore = textBox()->geometry();
        // Narrower than the list's left edge, shorter than the text box's top edge,
        // but still wide enough for a sliver of text box.
        const int width = px(840) + px(200) - 4;
        m_window->resize(width, px(1320) / 2);
        QTRY_COMPARE(m_window->width(), width);
        const QRect outer = m_window->frameGeometry();
        QCOMPARE(list()->geometry(), listBefore);
        QCOMPARE(textBox()->size(), QSize(outer.width() - px(120) - px(200), textBefore.height()));
        QCOMPARE(textBox()->pos(), textBefore.topLeft());

        m_window->resize(1, 1);
        QTRY_VERIFY(m_window->width() < px(120));
        QCOMPARE(list()->geometry(), listBefore);
        QCOMPARE(textBox()->height(), textBefore.height());
    }

    void showingAgainKeepsTheOneWindowAndItsTopic()
    {
        frmHelp *first = frmHelp::showShared(m_desktop);
        QVERIFY(first->isVisible());
        auto *lst = first->findChild<QListWidget *>(QStringLiteral("lstTopics"));
        auto *box = first->findChild<QPlainTextEdit *>(QStringLiteral("txtHelp"));
        lst->setCurrentRow(3);
        const int yieldsBefore = m_desktop.yields;

        QCOMPARE(frmHelp::showShared(m_desktop), first);
        QCOMPARE(frmHelp::sharedInstance(), first);
        QCOMPARE(lst->currentRow(), 3);
        QCOMPARE(displayedLines(box), shownLines(expectedTopics()[3]));
        QCOMPARE(m_desktop.yields, yieldsBefore); // not loaded again

        // Closing unloads it; the next one starts on the Introduction again.
        const QPointer<frmHelp> closed(first);
        first->close();
        QTRY_VERIFY(closed.isNull());
        QCOMPARE(frmHelp::sharedInstance(), nullptr);
        frmHelp *second = frmHelp::showShared(m_desktop);
        QCOMPARE(second->findChild<QListWidget *>(QStringLiteral("lstTopics"))->currentRow(), 0);
        second->close();
        QTRY_COMPARE(frmHelp::sharedInstance(), nullptr);
    }
};

QTEST_MAIN(FrmHelpTest)
#include "frmhelp_test.moc"
