// The direct-save exchange (XDS) against a real X11 drag source: xdssource offers a
// browser's recorded formats to a window of this program and writes the picture when
// asked, as Firefox does. Runs on a virtual X display (run-on-xvfb.sh).

#include "desktop/fake/fakedownloader.h"
#include "desktop/linux/linuxdesktop.h"
#include "desktop/linux/x11directsave.h"
#include "tests/browserdrops/recordeddrop.h"
#include "tests/support/toolbarfixture.h"
#include "toolbar/core/dropflow.h"
#include "toolbar/core/dropqueue.h"
#include "toolbar/ui/dropreader.h"

#include <QApplication>
#include <QDropEvent>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sys/stat.h>

using namespace toolbar;

namespace {

// Accepts every drag, reads the drop while it is delivered and saves it right after, as
// the toolbar's squares do.
class DropTarget final : public QWidget
{
public:
    DropTarget(std::string folder, std::function<void(const DropPayload &)> save)
        : m_folder(std::move(folder)), m_save(std::move(save))
    {
        setAcceptDrops(true);
        resize(160, 120);
    }

    std::vector<std::string> formats;
    std::optional<DropPayload> payload;
    bool writingWhenRead = false; ///< the drop was read while the source was still writing
    int saved = 0;

protected:
    void dragEnterEvent(QDragEnterEvent *event) override { event->acceptProposedAction(); }
    void dragMoveEvent(QDragMoveEvent *event) override { event->acceptProposedAction(); }
    void dropEvent(QDropEvent *event) override
    {
        formats.clear();
        for (const QString &format : event->mimeData()->formats())
            formats.push_back(format.toStdString());
        payload = readDrop(*event->mimeData(), m_folder);
        writingWhenRead =
            payload->directSave && payload->directSave->transfer->state() == DirectSaveTransfer::State::Writing;
        event->acceptProposedAction();
        QTimer::singleShot(0, this, [this, dropped = *payload] {
            m_save(dropped);
            ++saved;
        });
    }

private:
    std::string m_folder;
    std::function<void(const DropPayload &)> m_save;
};

class XdsDrop : public ToolbarFixture
{
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X11 display";
        setSpots({"spot"});
        folder = globals.DropSpots[0].FolderPath;
        target = std::make_unique<DropTarget>(folder,
                                              [this](const DropPayload &payload) { queue->add(0, folder, payload); });
        target->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(target.get()));
    }

    /// Drops the recorded formats onto the target from another X client, which saves
    /// them (once saved, unless told not to wait); returns what the source reported.
    /// The payload read is in target->payload.
    QString dropFrom(const std::string &recording, const QStringList &directSave, bool waitUntilSaved = true)
    {
        const QPoint at = target->mapToGlobal(target->rect().center());
        QProcess source;
        source.setProcessChannelMode(QProcess::MergedChannels);
        source.start(QStringLiteral(XDS_SOURCE), QStringList{"--target", QString::number(target->winId()), "--at",
                                                             QStringLiteral("%1,%2").arg(at.x()).arg(at.y()),
                                                             "--fixture", QString::fromStdString(fixture(recording))} +
                                                     directSave);
        const int savedBefore = target->saved;
        const bool finished = QTest::qWaitFor(
            [&] { return target->saved > savedBefore && source.state() == QProcess::NotRunning; }, 30000);
        source.waitForFinished(1000);
        const QString report = QString::fromUtf8(source.readAll());
        EXPECT_TRUE(finished) << report.toStdString();
        EXPECT_EQ(source.exitCode(), 0) << report.toStdString();
        EXPECT_TRUE(!waitUntilSaved || QTest::qWaitFor([&] { return !queue->busy(); }, 10000));
        return report;
    }

    unsigned modeOf(const std::string &path) const
    {
        struct stat info = {};
        ::stat(path.c_str(), &info);
        return info.st_mode & 0777;
    }

    std::string folder;
    std::unique_ptr<DropTarget> target;
    DropQueue drops{app, nullptr}; // no network: the picture's address is not fetched
    DropQueue *queue = &drops;
    LinuxDesktop linuxDesktop{QStringLiteral("xdsdrop_test")};
};

QStringList firefoxSaving(const std::string &name, const std::string &picture, const char *answer = "S",
                          int writeDelayMs = 300)
{
    return {"--xds-name",       QString::fromStdString(name),
            "--xds-file",       QString::fromStdString(fixture(picture)),
            "--xds-answer",     answer,
            "--write-delay-ms", QString::number(writeDelayMs)};
}

TEST_F(XdsDrop, FirefoxWritesTheOriginalWhichIsMovedToItsNumberedName)
{
    const QString report = dropFrom("firefox-x11-jpeg", firefoxSaving("kitten.jpg", "originals/kitten.jpg"));
    EXPECT_EQ(target->formats, formatNames(recordedDrop("firefox-x11-jpeg"))) << "Qt sees the drop as recorded";
    EXPECT_TRUE(report.contains("answered S")) << report.toStdString();
    EXPECT_TRUE(target->writingWhenRead) << "the drop did not wait for the source to write";
    EXPECT_EQ(folderNames(folder), std::vector<std::string>{"Flower-001.jpg"});
    EXPECT_EQ(readFile(folder + "/Flower-001.jpg"), readFile(fixture("originals/kitten.jpg")));
    EXPECT_EQ(modeOf(folder + "/Flower-001.jpg"), 0644u) << "the browser's 0600 becomes the user's usual mode";
    EXPECT_FALSE(report.contains("asked image/")) << "no picture encoded for nothing";
}

TEST_F(XdsDrop, TheSuggestedNameGivesTheExtension)
{
    dropFrom("firefox-x11-png-query", firefoxSaving("Puppy Large.PNG", "originals/puppy.png"));
    EXPECT_EQ(folderNames(folder), std::vector<std::string>{"Flower-001.PNG"});
    EXPECT_EQ(readFile(folder + "/Flower-001.PNG"), readFile(fixture("originals/puppy.png")));
}

TEST_F(XdsDrop, ALinkedPictureStillSavesThePicture)
{
    dropFrom("firefox-x11-linked-image", firefoxSaving("kitten.jpg", "originals/kitten.jpg"));
    EXPECT_EQ(readFile(folder + "/Flower-001.jpg"), readFile(fixture("originals/kitten.jpg")));
}

TEST_F(XdsDrop, AFailedDirectSaveFallsBackToThePictureAndLeavesNothing)
{
    for (const char *answer : {"F", "E", "refuse"}) {
        const QString report =
            dropFrom("firefox-x11-jpeg", firefoxSaving("kitten.jpg", "originals/kitten.jpg", answer));
        EXPECT_TRUE(report.contains("asked XdndDirectSave0")) << answer;
        ASSERT_EQ(target->payload->fallback.size(), 1u) << answer;
        EXPECT_FALSE(target->payload->fallback[0].isLocalFile()) << answer;
    }
    EXPECT_EQ(folderNames(folder), (std::vector<std::string>{"Flower-001.png", "Flower-002.png", "Flower-003.png"}))
        << "no file of the source's left";
    EXPECT_EQ(readFile(folder + "/Flower-003.png"), readFile(fixture("firefox-x11-jpeg/11.bin")));
}

TEST_F(XdsDrop, ASourceTooSlowIsGivenUpThePictureFetchedAndItsLateFileRemoved)
{
    using namespace std::chrono_literals;
    X11DirectSave impatient({400ms, 2000ms});
    DirectSave *const usual = DirectSave::installed();
    DirectSave::install(&impatient);
    FakeDownloader downloader;
    DropQueue fetching{app, &downloader};
    queue = &fetching;
    const QString report =
        dropFrom("firefox-x11-jpeg", firefoxSaving("kitten.jpg", "originals/kitten.jpg", "S", 1500), false);
    DirectSave::install(usual);
    EXPECT_TRUE(report.contains("wrote")) << report.toStdString();
    ASSERT_EQ(downloader.requests.size(), 1u) << "given up before the source wrote";
    EXPECT_EQ(downloader.requests[0].address, "http://127.0.0.1:28124/kitten.jpg");
    downloader.finishNext(readFile(fixture("originals/kitten.jpg")), {true, "", "image/jpeg", "", ""});
    // The source wrote the file it had been asked for long after the drop gave up on it.
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return folderNames(folder) == std::vector<std::string>{"Flower-001.jpg"}; }, 5000))
        << folderNames(folder).size() << " files";
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(XdsDrop, NoSuggestedNameMeansNoDirectSave)
{
    const QString report = dropFrom("firefox-x11-jpeg", {});
    EXPECT_FALSE(report.contains("asked XdndDirectSave0")) << report.toStdString();
    EXPECT_EQ(folderNames(folder), std::vector<std::string>{"Flower-001.png"});
}

TEST_F(XdsDrop, ChromiumHandsTheOriginalOverWithoutDirectSave)
{
    const QString report = dropFrom("chromium-x11-jpeg", {"--xds-name", "", "--xds-answer", "F"});
    EXPECT_EQ(target->formats, formatNames(recordedDrop("chromium-x11-jpeg")));
    EXPECT_FALSE(report.contains("asked XdndDirectSave0")) << report.toStdString();
    EXPECT_EQ(folderNames(folder), std::vector<std::string>{"Flower-001.jpg"});
    EXPECT_EQ(readFile(folder + "/Flower-001.jpg"), readFile(fixture("originals/kitten.jpg")));
}

} // namespace

int main(int argc, char **argv)
{
    ::umask(022);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
