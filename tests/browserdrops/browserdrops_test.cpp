// Drops built exactly as Chromium, Firefox and a file manager offered them (recorded under
// X11, see fixtures/README.md), read as the toolbar reads a drop and saved by the drop flow.

#include "desktop/fake/fakedirectsave.h"
#include "tests/browserdrops/recordeddrop.h"
#include "tests/support/toolbarfixture.h"
#include "toolbar/core/dropflow.h"
#include "toolbar/core/dropqueue.h"
#include "toolbar/ui/dropreader.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace toolbar;

namespace fs = std::filesystem;

namespace {

// Records which formats were asked of it, as a drag source would see the requests.
class RecordingMimeData final : public QMimeData
{
public:
    mutable QStringList asked;

protected:
    QVariant retrieveData(const QString &format, QMetaType type) const override
    {
        asked << format;
        return QMimeData::retrieveData(format, type);
    }
};

class BrowserDrops : public ToolbarFixture
{
protected:
    BrowserDrops() { useSpot("spot"); }

    void useSpot(const std::string &name)
    {
        setSpots({name});
        folder = globals.DropSpots[0].FolderPath;
    }

    std::string folder;
    DropQueue drops{app, nullptr}; // no network: a picture's address alone saves nothing
};

TEST_F(BrowserDrops, EachBrowserDropLandsAsTheBestFileItOffers)
{
    const struct
    {
        const char *drop;
        const char *savedAs;
        const char *bytesOf;
    } cases[] = {
        // Chromium hands the original file over.
        {"chromium-x11-jpeg", "Flower-001.jpg", "originals/kitten.jpg"},
        {"chromium-x11-png-query", "Flower-001.png", "originals/puppy.png"},
        {"chromium-x11-linked-image", "Flower-001.jpg", "originals/kitten.jpg"},
        // Firefox's original comes by direct save, which a drop without X11 cannot have:
        // its PNG rendering is the best there is then.
        {"firefox-x11-jpeg", "Flower-001.png", "firefox-x11-jpeg/11.bin"},
        {"firefox-x11-png-query", "Flower-001.png", "firefox-x11-png-query/11.bin"},
        {"firefox-x11-linked-image", "Flower-001.png", "firefox-x11-linked-image/11.bin"},
    };
    for (const auto &c : cases) {
        useSpot(c.drop);
        const auto mime = mimeDataOf(recordedDrop(c.drop));
        drops.add(0, folder, readDrop(*mime, folder));
        EXPECT_EQ(folderNames(folder), std::vector<std::string>{c.savedAs}) << c.drop;
        EXPECT_EQ(readFile(folder + "/" + c.savedAs), readFile(fixture(c.bytesOf))) << c.drop;
        EXPECT_EQ(globals.DropSpots[0].LastFileSaved, c.savedAs) << c.drop;
    }
    EXPECT_TRUE(desktop.dialogs.empty());
    EXPECT_EQ(desktop.soundsPlayed, std::vector<std::string>(std::size(cases), "CopySuccess.wav"));
}

TEST_F(BrowserDrops, FileManagerDropsCopyTheNamedFiles)
{
    auto formats = recordedDrop("pcmanfm-two-files");
    const DropPayload recorded = readDrop(*mimeDataOf(formats), folder);
    ASSERT_EQ(recorded.items.size(), 2u);
    EXPECT_EQ(recorded.items[0].sourcePath, "/tmp/dnd/fx/src/my photo.jpg");
    EXPECT_EQ(recorded.items[1].sourcePath, "/tmp/dnd/fx/src/puppy.png");

    const std::string photo = temp.writeFile("src/my photo.jpg", readFile(fixture("originals/kitten.jpg")));
    temp.writeFile("src/puppy.png", readFile(fixture("originals/puppy.png")));
    for (RecordedFormat &format : formats) {
        for (auto at = format.bytes.find("/tmp/dnd/fx/src/"); at != std::string::npos;
             at = format.bytes.find("/tmp/dnd/fx/src/"))
            format.bytes.replace(at, 16, (temp / "src") + "/");
    }
    drops.add(0, folder, readDrop(*mimeDataOf(formats), folder));
    EXPECT_EQ(folderNames(folder), (std::vector<std::string>{"Flower-001.jpg", "Flower-002.png"}));
    EXPECT_EQ(readFile(folder + "/Flower-001.jpg"), readFile(photo));
    EXPECT_EQ(readFile(folder + "/Flower-002.png"), readFile(fixture("originals/puppy.png")));
    EXPECT_TRUE(fs::exists(photo));
}

TEST_F(BrowserDrops, AnAddressOrTextAloneIsNoFile)
{
    // Firefox's linked picture without anything that holds the picture itself.
    auto addressesOnly = recordedDrop("firefox-x11-linked-image");
    std::erase_if(addressesOnly, [](const RecordedFormat &format) {
        return format.name.rfind("image/", 0) == 0 || format.name.find("x-qt-image") != std::string::npos ||
               format.name.find("file-promise") != std::string::npos || format.name == "XdndDirectSave0" ||
               format.name == "application/x-moz-nativeimage";
    });
    const std::vector<RecordedFormat> addressDrops[] = {
        addressesOnly,
        {{"text/uri-list", readFile(fixture("chromium-x11-jpeg/00.bin"))}},
        {{"text/uri-list", "http://127.0.0.1:28124/gallery.html"},
         {"text/plain", "http://127.0.0.1:28124/gallery.html"},
         {"text/html", "<a href=\"http://127.0.0.1:28124/gallery.html\">Gallery</a>"}},
        {{"text/plain", "a kitten"}},
    };
    for (const auto &formats : addressDrops) {
        const DropPayload payload = readDrop(*mimeDataOf(formats), folder);
        EXPECT_EQ(payload.download.has_value(), &formats != &addressDrops[3]);
        drops.add(0, folder, payload);
    }
    EXPECT_EQ(desktop.messages, std::vector<std::string>(std::size(addressDrops), FileFormatIncorrectMessage));
    EXPECT_TRUE(std::filesystem::is_directory(folder) && folderNames(folder).empty());
    EXPECT_EQ(globals.DropSpots[0].SequenceNumber, "000");
    EXPECT_TRUE(desktop.soundsPlayed.empty());
}

TEST_F(BrowserDrops, DirectSaveIsAskedBeforeThePictureIsEncoded)
{
    RecordingMimeData mime;
    for (const RecordedFormat &format : recordedDrop("firefox-x11-jpeg"))
        mime.setData(QString::fromStdString(format.name), QByteArray::fromStdString(format.bytes));
    mime.setData("XdndDirectSave0", "S"); // the source's answer once it has created the file
    FakeDirectSave directSave;

    drops.add(0, folder, readDrop(mime, folder, &directSave));
    EXPECT_EQ(directSave.folders, std::vector<std::string>{folder});
    directSave.finishNext(readFile(fixture("originals/kitten.jpg")));
    EXPECT_EQ(folderNames(folder), std::vector<std::string>{"Flower-001.jpg"});
    EXPECT_EQ(readFile(folder + "/Flower-001.jpg"), readFile(fixture("originals/kitten.jpg")));
    EXPECT_EQ(mime.asked.count("XdndDirectSave0"), 1);
    for (const char *encoded : {"image/png", "image/jpeg", "application/x-qt-image", "image/gif"})
        EXPECT_FALSE(mime.asked.contains(encoded)) << encoded;

    mime.setData("XdndDirectSave0", "F"); // declined: the PNG rendering instead
    drops.add(0, folder, readDrop(mime, folder, &directSave));
    EXPECT_EQ(readFile(folder + "/Flower-002.png"), readFile(fixture("firefox-x11-jpeg/11.bin")));
    EXPECT_EQ(folderNames(folder), (std::vector<std::string>{"Flower-001.jpg", "Flower-002.png"}));
}

TEST_F(BrowserDrops, AQtImageIsSavedAsPng)
{
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QMimeData mime;
    mime.setImageData(picture);
    drops.add(0, folder, readDrop(mime, folder));
    const std::string saved = readFile(folder + "/Flower-001.png");
    const QImage loaded = QImage::fromData(QByteArray::fromStdString(saved), "PNG");
    EXPECT_EQ(loaded.size(), picture.size());
    EXPECT_EQ(loaded.pixelColor(2, 1), QColor(Qt::red));
}

} // namespace
