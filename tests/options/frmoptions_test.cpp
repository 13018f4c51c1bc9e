#include "tests/options/optionstestbed.h"
#include "tests/support/windowprobe.h"
#include "toolbar/options/frmoptions.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <filesystem>

using namespace toolbar;

namespace {
const char *const CheckBoxes[] = {"chkSameBaseNames",     "chkAlignVertically", "chkRememberLocation",
                                  "chkPromptNewBaseName", "chkAutoStart",       "chkPlaySounds"};

const std::string DefaultFile = "SAME_BASE_NAME|FALSE\r\nVERTICAL_TOOLBAR|FALSE\r\nREMEMBER_LOCATION|TRUE\r\n"
                                "PROMPT_BASE_NAMES|TRUE\r\nAUTO_START|FALSE\r\nSOUNDS|TRUE\r\n"
                                "MAX_RANDOM_LENGTH|6\r\nSPOT_SIZE|500\r\n";
} // namespace

class OptionsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void loadsEveryControlFromOptions();
    void unknownSizeShowsNothingAndKeepsTheStoredSize();
    void pickingASizeResizesThePreviewOnly();
    void typingASizeChangesNothing();
    void lengthEntries_data();
    void lengthEntries();
    void saveRewritesTheOptionsFile();
    void autoStartEntryAppearsAndDisappears();
    void toolbarRebuiltWhenOrientationOrSizeDiffers_data();
    void toolbarRebuiltWhenOrientationOrSizeDiffers();
    void sharedBaseNameSyncsTheSpots();
    void restoreDefaults();
    void restoreDefaultsKeepsTheSquareSize();
    void cancelAndCloseChangeNothing_data();
    void cancelAndCloseChangeNothing();
    void oneSharedInstance();
    void unwritableOptionsFileIsNotReportedAsSaved();

private:
    frmOptions *open();
    template <typename T> T *child(const char *name) const { return m_window->findChild<T *>(name); }
    QCheckBox *box(const char *name) const { return child<QCheckBox>(name); }
    void click(const char *button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
    /// Clicks the box's indicator (a click past the end of its caption is no click on it).
    void tick(const char *name)
    {
        QTest::mouseClick(box(name), Qt::LeftButton, {}, QPoint(6, box(name)->height() / 2));
    }

    std::unique_ptr<OptionsTestBed> m_bed;
    QPointer<frmOptions> m_window;
};

void OptionsTest::init()
{
    m_bed = std::make_unique<OptionsTestBed>();
}

void OptionsTest::cleanup()
{
    delete m_window;
    m_bed.reset();
}

frmOptions *OptionsTest::open()
{
    frmOptions::open(m_window, m_bed->app);
    return m_window;
}

void OptionsTest::loadsEveryControlFromOptions()
{
    Options &o = m_bed->globals.options;
    o = {true, false, true, false, true, false, 9, 700};
    open();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Options"));
    const QStringList captions{"Use the same base name for all drop spots",
                               "Align toolbar vertically",
                               "Remember toolbar location",
                               "Prompt for new base name",
                               "Start automatically with Windows",
                               "Play sounds"};
    const bool ticked[] = {true, false, true, false, true, false};
    int lastTop = -1;
    for (int i = 0; i < 6; ++i) {
        QCheckBox *check = box(CheckBoxes[i]);
        QVERIFY2(check, CheckBoxes[i]);
        QCOMPARE(check->text(), captions[i]);
        QCOMPARE(check->isChecked(), ticked[i]);
        QVERIFY(check->y() > lastTop); // one column, in this order
        lastTop = check->y();
    }
    QCOMPARE(child<QLabel>("lblMaxLength")->text(), QStringLiteral("Max random base name length:"));
    QVERIFY(child<QLineEdit>("txtMaxLength")->y() > lastTop);
    QCOMPARE(child<QLineEdit>("txtMaxLength")->text(), QStringLiteral("9"));
    auto *size = child<QComboBox>("txtSize");
    QCOMPARE(size->currentText(), QStringLiteral("MEDIUM"));
    QStringList names;
    for (int i = 0; i < size->count(); ++i)
        names << size->itemText(i);
    QCOMPARE(names, (QStringList{"TINY", "SMALL", "MEDIUM", "LARGE", "JUMBO"}));
    QCOMPARE(child<QFrame>("picSize")->size(), QSize(pixels(*m_window, 700), pixels(*m_window, 700)));
    QVERIFY(child<QLabel>("lblHelpTitle")->text().isEmpty());
    QVERIFY(child<QLabel>("lblHelp")->text().isEmpty());
    QCOMPARE(child<QAction>("mnuRestoreDefaults")->text(), QStringLiteral("Restore Defaults"));
    QCOMPARE(child<QAction>("mnuClose")->text(), QStringLiteral("Close"));
}

void OptionsTest::unknownSizeShowsNothingAndKeepsTheStoredSize()
{
    m_bed->globals.options.SpotSize = 650;
    open();
    QCOMPARE(child<QComboBox>("txtSize")->currentText(), QString());
    QVERIFY(!child<QFrame>("picSize")->isVisible());
    click("cmdSave");
    QCOMPARE(m_bed->globals.options.SpotSize, 650);
    QVERIFY(m_bed->optionsFile().find("SPOT_SIZE|650\r\n") != std::string::npos);
}

void OptionsTest::pickingASizeResizesThePreviewOnly()
{
    m_bed->globals.options.SpotSize = 700;
    m_bed->toolbar.spotSize = 700;
    open();
    auto *size = child<QComboBox>("txtSize");
    size->setFocus();
    QTest::keyClick(size, Qt::Key_Down);
    QTest::keyClick(size, Qt::Key_Down);
    QCOMPARE(size->currentText(), QStringLiteral("JUMBO"));
    QCOMPARE(child<QFrame>("picSize")->size(), QSize(pixels(*m_window, 1300), pixels(*m_window, 1300)));
    QCOMPARE(m_bed->globals.options.SpotSize, 700);
    QCOMPARE(m_bed->optionsFile(), std::string("<missing>"));

    click("cmdSave");
    QCOMPARE(m_bed->globals.options.SpotSize, 1300);
    QCOMPARE(m_bed->toolbar.rebuilds, 1);
}

void OptionsTest::typingASizeChangesNothing()
{
    m_bed->globals.options.SpotSize = 700;
    open();
    auto *size = child<QComboBox>("txtSize");
    size->lineEdit()->clear();
    QTest::keyClicks(size->lineEdit(), "TINY");
    QTest::keyClick(size->lineEdit(), Qt::Key_Return); // a typed name and Enter is no choice either
    QTest::keyClick(size, Qt::Key_Enter);
    QCOMPARE(child<QFrame>("picSize")->size(), QSize(pixels(*m_window, 700), pixels(*m_window, 700)));
    click("cmdSave");
    QCOMPARE(m_bed->globals.options.SpotSize, 700);
    QCOMPARE(size->count(), 5);
}

void OptionsTest::lengthEntries_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stored");
    QTest::newRow("2") << "2" << 7;
    QTest::newRow("3") << "3" << 3;
    QTest::newRow("12") << "12" << 12;
    QTest::newRow("abc") << "abc" << 7;
    QTest::newRow("empty") << "" << 7;
    QTest::newRow("4.5 to even") << "4.5" << 4;
    QTest::newRow("5.5 to even") << "5.5" << 6;
    QTest::newRow("2.5 is 2, then 7") << "2.5" << 7;
    QTest::newRow("negative") << "-4" << 7;
    QTest::newRow("largest 32-bit") << "2147483647" << 2147483647;
    QTest::newRow("too large for 32 bits") << "2147483648" << 7;
    QTest::newRow("far too large") << "99999999999999999999" << 7;
}

void OptionsTest::lengthEntries()
{
    QFETCH(QString, typed);
    QFETCH(int, stored);
    open();
    auto *length = child<QLineEdit>("txtMaxLength");
    length->clear();
    QTest::keyClicks(length, typed);
    click("cmdSave");
    QCOMPARE(m_bed->globals.options.MaxRandomLength, stored);
    QVERIFY(m_bed->optionsFile().find("MAX_RANDOM_LENGTH|" + std::to_string(stored) + "\r\n") != std::string::npos);
}

void OptionsTest::saveRewritesTheOptionsFile()
{
    m_bed->temp.writeFile("DropOptions.txt", "same_base_name|true\nSOUNDS|TRUE\n");
    open();
    tick("chkSameBaseNames");
    tick("chkRememberLocation");
    tick("chkPlaySounds");
    child<QLineEdit>("txtMaxLength")->setText("8");
    click("cmdSave");
    QCOMPARE(m_bed->optionsFile(), std::string("SAME_BASE_NAME|TRUE\r\nVERTICAL_TOOLBAR|FALSE\r\n"
                                               "REMEMBER_LOCATION|FALSE\r\nPROMPT_BASE_NAMES|TRUE\r\n"
                                               "AUTO_START|FALSE\r\nSOUNDS|FALSE\r\nMAX_RANDOM_LENGTH|8\r\n"
                                               "SPOT_SIZE|500\r\n"));
    QCOMPARE(m_bed->desktop.messages, std::vector<std::string>{"Options Saved"});
    QTRY_VERIFY(m_window.isNull());

    // Saving again without a change still rewrites the file and says so.
    std::filesystem::remove(m_bed->globals.OptionsPath);
    open();
    click("cmdSave");
    QVERIFY(m_bed->optionsFile().starts_with("SAME_BASE_NAME|TRUE\r\n"));
    QCOMPARE(m_bed->desktop.messages.size(), std::size_t(2));
}

void OptionsTest::autoStartEntryAppearsAndDisappears()
{
    open();
    tick("chkAutoStart");
    click("cmdSave");
    const std::string entry = readFile(m_bed->autoStartEntry());
    QVERIFY2(entry.find("[Desktop Entry]") != std::string::npos, entry.c_str());
    QVERIFY2(entry.find("Exec=") != std::string::npos && entry.find("/opt/Stowlet/Stowlet") != std::string::npos,
             entry.c_str());
    QTRY_VERIFY(m_window.isNull());

    open();
    QVERIFY(box("chkAutoStart")->isChecked());
    click("cmdSave"); // on, unchanged: the entry stays
    QVERIFY(std::filesystem::exists(m_bed->autoStartEntry()));
    QTRY_VERIFY(m_window.isNull());

    open();
    tick("chkAutoStart");
    click("cmdSave");
    QVERIFY(!std::filesystem::exists(m_bed->autoStartEntry()));
    QVERIFY(std::filesystem::is_empty(m_bed->autostart));
}

void OptionsTest::toolbarRebuiltWhenOrientationOrSizeDiffers_data()
{
    QTest::addColumn<bool>("builtVertical");
    QTest::addColumn<int>("builtSize");
    QTest::addColumn<QString>("toggle");
    QTest::addColumn<int>("rebuilds");
    QTest::newRow("turned vertical") << false << 500 << "chkAlignVertically" << 1;
    QTest::newRow("turned horizontal") << true << 500 << "chkAlignVertically" << 1;
    QTest::newRow("built with another size") << false << 1000 << "chkPlaySounds" << 1;
    QTest::newRow("nothing visible changed") << false << 500 << "chkPlaySounds" << 0;
}

void OptionsTest::toolbarRebuiltWhenOrientationOrSizeDiffers()
{
    QFETCH(bool, builtVertical);
    QFETCH(int, builtSize);
    QFETCH(QString, toggle);
    QFETCH(int, rebuilds);
    m_bed->globals.options.VerticalToolbar = builtVertical;
    m_bed->toolbar.vertical = builtVertical;
    m_bed->toolbar.spotSize = builtSize;
    open();
    tick(toggle.toLatin1().constData());
    m_bed->desktop.onMessage = [&](const std::string &) { QCOMPARE(m_bed->toolbar.rebuilds, rebuilds); };
    click("cmdSave");
    QCOMPARE(m_bed->toolbar.rebuilds, rebuilds);
}

void OptionsTest::sharedBaseNameSyncsTheSpots()
{
    open();
    tick("chkSameBaseNames");
    click("cmdSave");
    for (const DropSpot &spot : m_bed->globals.DropSpots) {
        QCOMPARE(spot.BaseName, std::string("Alpha"));
        QCOMPARE(spot.SequenceNumber, std::string("012"));
    }
}

void OptionsTest::restoreDefaults()
{
    m_bed->globals.options = {true, true, false, false, true, false, 11, 1300};
    m_bed->toolbar.vertical = true;
    m_bed->temp.writeFile("autostart/Stowlet.desktop", "[Desktop Entry]\n");
    open();
    bool windowShownDuringMessage = true;
    m_bed->desktop.onMessage = [&](const std::string &) {
        windowShownDuringMessage = m_window && m_window->isVisible();
    };
    child<QAction>("mnuRestoreDefaults")->trigger();
    QCOMPARE(m_bed->desktop.messages, std::vector<std::string>{"Default Values Restored"});
    QVERIFY(!windowShownDuringMessage);
    QCOMPARE(m_bed->optionsFile(), DefaultFile);
    QVERIFY(m_bed->globals.options == Options::defaults());
    QCOMPARE(m_bed->toolbar.rebuilds, 1);
    QVERIFY(std::filesystem::exists(m_bed->autoStartEntry())); // left for the next save
    QTRY_VERIFY(m_window.isNull());
}

void OptionsTest::restoreDefaultsKeepsTheSquareSize()
{
    m_bed->globals.options.SpotSize = 1300;
    m_bed->toolbar.spotSize = 1300;
    open();
    child<QAction>("mnuRestoreDefaults")->trigger();
    QCOMPARE(m_bed->globals.options.SpotSize, 500);
    QCOMPARE(m_bed->toolbar.rebuilds, 0);
}

void OptionsTest::cancelAndCloseChangeNothing_data()
{
    QTest::addColumn<bool>("viaMenu");
    QTest::newRow("Cancel") << false;
    QTest::newRow("File > Close") << true;
}

void OptionsTest::cancelAndCloseChangeNothing()
{
    QFETCH(bool, viaMenu);
    m_bed->temp.writeFile("DropOptions.txt", "SOUNDS|true\n");
    const Options before = m_bed->globals.options;
    open();
    for (const char *name : CheckBoxes) {
        const bool was = box(name)->isChecked();
        tick(name);
        QCOMPARE(box(name)->isChecked(), !was);
    }
    child<QLineEdit>("txtMaxLength")->setText("20");
    if (viaMenu)
        child<QAction>("mnuClose")->trigger();
    else
        click("cmdCancel");
    QTRY_VERIFY(m_window.isNull());
    QVERIFY(m_bed->globals.options == before);
    QCOMPARE(m_bed->optionsFile(), std::string("SOUNDS|true\n"));
    QVERIFY(!std::filesystem::exists(m_bed->autoStartEntry()));
    QVERIFY(m_bed->desktop.messages.empty());
    QCOMPARE(m_bed->toolbar.rebuilds, 0);
}

void OptionsTest::oneSharedInstance()
{
    frmOptions *first = open();
    QVERIFY(first->windowFlags().testFlag(Qt::WindowStaysOnTopHint)); // a large toolbar must not cover it
    child<QLineEdit>("txtMaxLength")->setText("15");
    QCOMPARE(open(), first); // brought forward, not reloaded
    QCOMPARE(child<QLineEdit>("txtMaxLength")->text(), QStringLiteral("15"));
    click("cmdCancel");
    QTRY_VERIFY(m_window.isNull());

    m_bed->globals.options.MaxRandomLength = 4;
    open();
    QCOMPARE(child<QLineEdit>("txtMaxLength")->text(), QStringLiteral("4"));
}

void OptionsTest::unwritableOptionsFileIsNotReportedAsSaved()
{
    m_bed->globals.OptionsPath = m_bed->temp / "no such folder/DropOptions.txt";
    const Options before = m_bed->globals.options;
    open();
    tick("chkAutoStart");
    tick("chkAlignVertically");
    click("cmdSave");
    QCOMPARE(m_bed->desktop.messages.size(), std::size_t(1));
    QVERIFY(m_bed->desktop.messages[0].starts_with("ERROR: Can Not Save Options"));
    QVERIFY(m_bed->globals.options == before);
    QVERIFY(!std::filesystem::exists(m_bed->autoStartEntry()));
    QCOMPARE(m_bed->toolbar.rebuilds, 0);
    QVERIFY(m_window && m_window->isVisible());
}

QTEST_MAIN(OptionsTest)
#include "frmoptions_test.moc"
