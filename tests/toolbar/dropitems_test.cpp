#include "tests/support/toolbarfixture.h"
#include "toolbar/core/dropflow.h"
#include "toolbar/core/dropitems.h"
#include "toolbar/core/dropqueue.h"
#include "toolbar/core/droptext.h"
#include "toolbar/core/imagetypes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace toolbar;

namespace fs = std::filesystem;

namespace {

const std::string Png = std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16) + "png pixels";
const std::string Jpeg = "\xFF\xD8\xFF\xE0\0\x10JFIF jpeg pixels";
const std::string Gif = "GIF89a gif pixels";
const std::string WebP = std::string("RIFF\x20\0\0\0WEBPVP8 ", 16) + "webp pixels";

// Text as Firefox hands it over: UTF-16LE without a byte-order mark.
std::string utf16(const std::string &ascii)
{
    std::string bytes;
    for (const char c : ascii) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

TEST(DropText, DecodesUtf8AndUtf16)
{
    const struct
    {
        std::string bytes;
        bool utf16;
        std::string text;
    } cases[] = {
        {"kitten.jpg", false, "kitten.jpg"},
        {utf16("kitten.jpg"), true, "kitten.jpg"},
        {utf16("kitten.jpg"), false, "kitten.jpg"}, // recognised by its zero bytes
        {"\xFF\xFE" + utf16("ab"), false, "ab"},
        {std::string("\xFE\xFF\0a\0b", 6), true, "ab"},
        {std::string("\0a\0b", 4), false, "ab"},
        {std::string("\xE9\0", 2), true, "\xC3\xA9"},
        {std::string("\x3D\xD8\x00\xDE", 4), true, "\xF0\x9F\x98\x80"},              // a surrogate pair
        {std::string("\x3D\xD8\x61\0", 4), true, std::string("\xEF\xBF\xBD") + "a"}, // an unpaired surrogate
        {std::string("a\0b", 3), true, "a"},                                         // odd last byte dropped
        {utf16("x.png") + std::string("\0\0y\0", 4), true, "x.png"},                 // ends at NUL
        {std::string("\xEF\xBB\xBF") + "abc", false, "abc"},
        {std::string("ab\0cd", 5), false, "ab"},
        {"\xFF\xFE", true, ""},
        {"", true, ""},
        {"\xC3\xA9t\xC3\xA9", false, "\xC3\xA9t\xC3\xA9"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DropText::decode(c.bytes, c.utf16), c.text) << c.text;
}

TEST(DropText, FindsThePictureInHtml)
{
    const struct
    {
        std::string html;
        std::string source;
    } cases[] = {
        {R"(<img src="http://127.0.0.1:28124/kitten.jpg" style="position:absolute">)",
         "http://127.0.0.1:28124/kitten.jpg"},
        {R"(<meta charset="utf-8"><a href="http://h/gallery.html"><img src="http://h/kitten.jpg"></a>)",
         "http://h/kitten.jpg"},
        {"<IMG SRC='x.png'>", "x.png"},
        {R"(<img alt="src=bad" data-src="worse" src=good.gif>)", "good.gif"},
        {R"(<img src = " a.php?x=1&amp;y=2 ">)", "a.php?x=1&y=2"},
        {R"(<imgx src="no"><img/src="yes">)", "yes"},
        {R"(<img src="unterminated)", "unterminated"},
        {"<p>no picture</p><img", ""},
        {"<img alt=x>", ""},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DropText::imageSourceInHtml(c.html), c.source) << c.html;
}

TEST(DropText, FileNameOfAnAddress)
{
    const struct
    {
        std::string address;
        std::string name;
    } cases[] = {
        {"http://127.0.0.1:28124/kitten.jpg", "kitten.jpg"},
        {"http://127.0.0.1:28124/puppy.png?size=large", "puppy.png"},
        {"https://h/a/b/My%20Pic.webp#top", "My Pic.webp"},
        {"https://h/get?file=/x.jpg", "get"},
        {"https://h", ""},
        {"https://h/", ""},
        {"https://h?x=/a.jpg", ""},
        {"data:image/png;base64,iVBORw0KGgo=", ""},
        {"blob:https://h/0d1c-44", ""},
        {"http://h/a%2Fb.jpg", ""},
        {"http://h/..", ""},
        {"://h/a.jpg", ""},
        {"kitten.jpg", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DropText::fileNameInAddress(c.address), c.name) << c.address;
}

TEST(ImageTypes, RecognisesPicturesByTheirBytes)
{
    const struct
    {
        std::string head;
        std::string extension;
    } cases[] = {
        {Png, "png"},
        {Jpeg, "jpg"},
        {"GIF87a...", "gif"},
        {Gif, "gif"},
        {WebP, "webp"},
        {std::string("BM\0\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0", 18), "bmp"},
        {std::string("BM\0\0\0\0\0\0\0\0\x36\0\0\0\x29\0\0\0", 18), ""},
        {"BMX", ""},
        {std::string("II*\0", 4), "tif"},
        {std::string("MM\0*", 4), "tif"},
        {std::string("\0\0\1\0\1\0", 6), "ico"},
        {std::string("\0\0\1\0\0\0", 6), ""},
        {std::string("\0\0\0\030ftypavif\0\0\0\0avifmif1", 24), "avif"},
        {std::string("\0\0\0\030ftypmif1\0\0\0\0mif1avif", 24), "avif"},
        {std::string("\0\0\0\024ftypheic\0\0\0\0mif1", 20), "heic"},
        {std::string("\0\0\1\0ftypavif\0\0\0\0", 16), "avif"},
        {std::string("\0\0\0\024ftypisom\0\0\0\0mp41", 20), ""},
        {"\xFF\x0A", "jxl"},
        {std::string("\0\0\0\x0CJXL \r\n\x87\n", 12), "jxl"},
        {"\x89PN", ""},
        {"<html>", ""},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ImageTypes::sniff(c.head), c.extension) << c.extension;
}

TEST(ImageTypes, ExtensionsOfTypes)
{
    EXPECT_EQ(ImageTypes::extensionForMimeType("image/jpeg"), "jpg");
    EXPECT_EQ(ImageTypes::extensionForMimeType(" IMAGE/PNG ; x=1"), "png");
    EXPECT_EQ(ImageTypes::extensionForMimeType("application/x-qt-image"), "png");
    EXPECT_EQ(ImageTypes::extensionForMimeType("image/webp"), "webp");
    EXPECT_EQ(ImageTypes::extensionForMimeType("text/html"), "");
    EXPECT_EQ(ImageTypes::extensionForMimeType(""), "");

    EXPECT_TRUE(ImageTypes::extensionFits("JPEG", "jpg"));
    EXPECT_TRUE(ImageTypes::extensionFits("jfif", "jpg"));
    EXPECT_TRUE(ImageTypes::extensionFits("Jpg", "jpg"));
    EXPECT_TRUE(ImageTypes::extensionFits("tiff", "tif"));
    EXPECT_FALSE(ImageTypes::extensionFits("png", "jpg"));
    EXPECT_FALSE(ImageTypes::extensionFits("", "png"));
}

struct Expected
{
    std::string bytes;    ///< the content, or the local path for a local file
    std::string fileName; ///< the name the saved file takes its extension from
};

TEST(DropItems, HandedOverFilesAndPictureData)
{
    const std::string chromiumHtml = R"(<img src="http://127.0.0.1:28124/kitten.jpg" style="left:40px">)";
    const struct
    {
        const char *what;
        MimeFormats formats;
        Expected item;
    } cases[] = {
        {"octet-stream named by the picture's address",
         {{"text/uri-list", "http://127.0.0.1:28124/kitten.jpg"},
          {"application/octet-stream", Jpeg},
          {"text/html", chromiumHtml}},
         {Jpeg, "kitten.jpg"}},
        {"a linked picture is named by its own address, not the link's",
         {{"text/uri-list", "http://h/gallery.html"}, {"application/octet-stream", Jpeg}, {"text/html", chromiumHtml}},
         {Jpeg, "kitten.jpg"}},
        {"the query is no part of the name",
         {{"text/uri-list", "http://h/puppy.png?size=large"}, {"application/octet-stream", Png}},
         {Png, "puppy.png"}},
        {"the name in the format (Wayland)",
         {{"application/octet-stream;name=\"holiday pic.webp\"", WebP}, {"text/uri-list", "http://h/x.jpg"}},
         {WebP, "holiday pic.webp"}},
        {"a WebP served as .jpg takes the extension of its bytes",
         {{"text/uri-list", "http://h/kitten.jpg"}, {"application/octet-stream", WebP}},
         {WebP, "kitten.webp"}},
        {"a file that is no picture keeps its name's extension",
         {{"text/uri-list", "http://h/report.pdf"}, {"application/octet-stream", "%PDF-1.4"}},
         {"%PDF-1.4", "report.pdf"}},
        {"a name that is a path gives only its last part",
         {{"application/octet-stream; name=\"../../etc/x.png\"", Png}},
         {Png, "x.png"}},
        {"Firefox without direct save: PNG, named after its file name",
         {{"text/uri-list", "http://h/kitten.jpg\r\n"},
          {"image/png", Png},
          {"image/jpeg", Jpeg},
          {"application/x-moz-file-promise-dest-filename", utf16("kitten.jpg")}},
         {Png, "kitten.png"}},
        {"an empty format is passed over",
         {{"application/octet-stream", ""},
          {"image/png", ""},
          {"image/jpeg", Jpeg},
          {"application/x-moz-file-promise-dest-filename", utf16("photo.JPG")}},
         {Jpeg, "photo.JPG"}},
        {"other picture types, named by their type", {{"image/jpg", ""}, {"image/gif", Gif}}, {Gif, ".gif"}},
        {"Qt's image format", {{"application/x-qt-image", Png}}, {Png, ".png"}},
        {"bytes that tell nothing: the content type decides",
         {{"image/png", "???"}, {"text/uri-list", "http://h/pic.php"}},
         {"???", "pic.png"}},
        {"the promised address names the picture before the HTML does",
         {{"application/x-moz-file-promise-url", utf16("http://h/a.gif")},
          {"text/html", "<img src=\"b.png\">"},
          {"image/gif", Gif}},
         {Gif, "a.gif"}},
        {"UTF-16 HTML with a byte-order mark",
         {{"text/html", "\xFF\xFE" + utf16("<img src=\"http://h/c.jpeg\">")}, {"application/octet-stream", Jpeg}},
         {Jpeg, "c.jpeg"}},
        {"an extension that could not end a file name counts as none",
         {{"application/octet-stream;name=\"pic.j pg\"", "data"}},
         {"data", "pic"}},
    };
    for (const auto &c : cases) {
        const DropPayload payload = ExtractDropItems(c.formats);
        // A picture with a web address is fetched first; its data is kept for when that fails.
        const auto &items = payload.download ? payload.fallback : payload.items;
        ASSERT_EQ(items.size(), 1u) << c.what;
        const DroppedItem &item = items[0];
        ASSERT_FALSE(item.isLocalFile()) << c.what;
        EXPECT_EQ(*item.data, c.item.bytes) << c.what;
        EXPECT_EQ(item.fileName, c.item.fileName) << c.what;
    }
}

TEST(DropItems, FileManagerUriListGivesLocalFiles)
{
    const auto payload =
        ExtractDropItems({{"text/uri-list", "file:///home/u/My%20Pics/a.jpg\r\nfile://localhost/tmp/b%25.png\r\n"},
                          {"application/octet-stream", Jpeg},
                          {"image/png", Png}});
    ASSERT_EQ(payload.status, DropPayload::Status::Files);
    ASSERT_EQ(payload.items.size(), 2u);
    EXPECT_EQ(payload.items[0].sourcePath, "/home/u/My Pics/a.jpg");
    EXPECT_EQ(payload.items[1].sourcePath, "/tmp/b%.png");
    EXPECT_TRUE(payload.items[0].isLocalFile());
    EXPECT_FALSE(payload.items[0].movesSource());

    const auto wide = ExtractDropItems({{"text/uri-list", utf16("file:///tmp/w.gif\r\n")}});
    ASSERT_EQ(wide.items.size(), 1u);
    EXPECT_EQ(wide.items[0].sourcePath, "/tmp/w.gif");
}

TEST(DropItems, AddressesAndTextAreNoFiles)
{
    for (const MimeFormats &formats : {
             MimeFormats{{"text/uri-list", "https://example.org/pic.jpg\r\n"}},
             MimeFormats{{"text/plain", "hello"}},
             MimeFormats{},
             MimeFormats{{"text/uri-list", "# comment only\r\n"}},
             MimeFormats{{"text/uri-list", "file://otherhost/x.jpg\r\n"}},
             MimeFormats{{"text/uri-list", "file:relative.jpg"}},
             MimeFormats{{"text/uri-list", "file:///a%00b.jpg"}},
             MimeFormats{{"_NETSCAPE_URL", "http://h/a.jpg\nTitle"}, {"text/x-moz-url", utf16("http://h/a.jpg")}},
             MimeFormats{{"text/html", "<img src=\"http://h/a.jpg\">"}, {"image/gif", ""}, {"image/jpg", ""}},
             MimeFormats{{"XdndDirectSave0", ""}, {"application/x-moz-file-promise-dest-filename", utf16("a.jpg")}},
         }) {
        const auto payload = ExtractDropItems(formats);
        EXPECT_EQ(payload.status, DropPayload::Status::NoFileList);
        EXPECT_TRUE(payload.items.empty());
    }
}

TEST(DropItems, UriListEdgeForms)
{
    EXPECT_EQ(LocalFilesFromUriList("file:///a.jpg"), std::vector<std::string>{"/a.jpg"});
    EXPECT_EQ(LocalFilesFromUriList("FILE:///a.jpg\n\n#x\nfile:/b.jpg\n"),
              (std::vector<std::string>{"/a.jpg", "/b.jpg"}));
    EXPECT_EQ(LocalFilesFromUriList("file:///bad%zzhex%4"), std::vector<std::string>{"/bad%zzhex%4"});
}

// A drop whose formats are read on demand, recording what was read.
struct LazyDrop
{
    explicit LazyDrop(MimeFormats offered) : formats(std::move(offered)) {}

    MimeFormats formats;
    std::vector<std::string> reads;

    DropFormats view()
    {
        DropFormats view;
        for (const auto &format : formats)
            view.names.push_back(format.first);
        view.read = [this](const std::string &name) {
            reads.push_back(name);
            for (const auto &[type, bytes] : formats) {
                if (type == name)
                    return bytes;
            }
            return std::string();
        };
        return view;
    }
};

TEST(DropItems, ReadsOnlyWhatItNeedsAndEachFormatOnce)
{
    LazyDrop chromium{MimeFormats{{"text/uri-list", "http://h/x.jpg"},
                                  {"XdndDirectSave0", ""},
                                  {"application/octet-stream", Jpeg},
                                  {"image/png", Png},
                                  {"text/html", "<img src=\"http://h/kitten.jpg\">"}}};
    int directSaves = 0;
    const auto payload = ReadDropItems(chromium.view(), [&] {
        ++directSaves;
        return std::shared_ptr<DirectSaveTransfer>();
    });
    ASSERT_EQ(payload.items.size(), 1u);
    EXPECT_EQ(directSaves, 0);
    EXPECT_EQ(chromium.reads, (std::vector<std::string>{"text/uri-list", "text/html", "application/octet-stream"}));
}

class DirectSaveItems : public ToolbarFixture
{
protected:
    LazyDrop firefox{MimeFormats{{"text/uri-list", "http://h/kitten.jpg\r\n"},
                                 {"image/png", Png},
                                 {"XdndDirectSave0", ""},
                                 {"application/x-moz-file-promise-dest-filename", utf16("kitten.jpg")}}};
    int asked = 0;

    DirectSaveStep writes(const std::string &bytes, const std::string &suggestedName)
    {
        return [this, bytes, suggestedName] {
            ++asked;
            auto written = std::make_shared<DirectSaveTransfer>(temp.writeFile("spot/.part", bytes), suggestedName);
            written->finish(DirectSaveTransfer::State::Written);
            return written;
        };
    }
};

TEST_F(DirectSaveItems, TheWrittenFileComesBeforePictureData)
{
    const auto payload = ReadDropItems(firefox.view(), writes(Jpeg, "Kitten Photo.JPEG"));
    ASSERT_TRUE(payload.directSave);
    EXPECT_TRUE(payload.items.empty() && payload.fallback.empty());
    ASSERT_TRUE(payload.download) << "fetched should the source abandon its file";
    EXPECT_EQ(payload.download->address, "http://h/kitten.jpg");
    const DroppedItem item = DirectSavedItem(*payload.directSave);
    EXPECT_TRUE(item.isLocalFile());
    EXPECT_TRUE(item.movesSource());
    EXPECT_EQ(item.sourcePath, temp / "spot/.part");
    EXPECT_EQ(item.fileName, "Kitten Photo.JPEG");
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(std::count(firefox.reads.begin(), firefox.reads.end(), "image/png"), 0);
    EXPECT_EQ(std::count(firefox.reads.begin(), firefox.reads.end(), "XdndDirectSave0"), 0);
}

TEST_F(DirectSaveItems, NamesComeFromTheBrowserWhenTheSourceSuggestsNone)
{
    const auto unnamed = ReadDropItems(firefox.view(), writes(Jpeg, ""));
    ASSERT_TRUE(unnamed.directSave);
    EXPECT_EQ(DirectSavedItem(*unnamed.directSave).fileName, "kitten.jpg");

    const auto mislabelled = ReadDropItems(firefox.view(), writes(Png, "kitten.jpg"));
    ASSERT_TRUE(mislabelled.directSave);
    EXPECT_EQ(DirectSavedItem(*mislabelled.directSave).fileName, "kitten.png");
}

TEST_F(DirectSaveItems, DeclinedDirectSaveFallsThroughToPictureData)
{
    const auto payload = ReadDropItems(firefox.view(), [] { return std::shared_ptr<DirectSaveTransfer>(); });
    ASSERT_TRUE(payload.download);
    EXPECT_EQ(payload.download->address, "http://h/kitten.jpg");
    ASSERT_EQ(payload.fallback.size(), 1u);
    EXPECT_EQ(*payload.fallback[0].data, Png);

    firefox.formats.erase(firefox.formats.begin() + 2); // no XdndDirectSave0 offered
    const auto notOffered = ReadDropItems(firefox.view(), writes(Jpeg, "a.jpg"));
    EXPECT_EQ(asked, 0);
    ASSERT_EQ(notOffered.fallback.size(), 1u);
    EXPECT_FALSE(notOffered.fallback[0].isLocalFile());
}

TEST_F(DirectSaveItems, TheWrittenFileIsMovedToItsNumberedName)
{
    setSpots({"spot"});
    const std::string folder = globals.DropSpots[0].FolderPath;
    DropQueue{app, nullptr}.add(0, folder, ReadDropItems(firefox.view(), writes(Jpeg, "kitten.jpg")));
    EXPECT_EQ(readFile(folder + "/Flower-001.jpg"), Jpeg);
    EXPECT_FALSE(fs::exists(folder + "/.part")) << "moved, not copied";
    EXPECT_EQ(globals.DropSpots[0].LastFileSaved, "Flower-001.jpg");
    EXPECT_EQ(desktop.soundsPlayed, std::vector<std::string>{"CopySuccess.wav"});
}

TEST_F(DirectSaveItems, ADeclinedReplaceLeavesNoTemporaryFileBehind)
{
    setSpots({"spot"});
    const std::string folder = globals.DropSpots[0].FolderPath;
    temp.writeFile("spot/Flower-001.jpg", "older");
    desktop.answers.push_back(false);
    {
        const DropPayload payload = ReadDropItems(firefox.view(), writes(Jpeg, "kitten.jpg"));
        DropQueue{app, nullptr}.add(0, folder, payload);
        EXPECT_TRUE(fs::exists(folder + "/.part"));
    }
    EXPECT_EQ(readFile(folder + "/Flower-001.jpg"), "older");
    EXPECT_FALSE(fs::exists(folder + "/.part"));
    EXPECT_EQ(globals.DropSpots[0].SequenceNumber, "001");
}

TEST_F(DirectSaveItems, AnUnusedWrittenFileGoesWithThePayload)
{
    {
        const auto payload = ReadDropItems(firefox.view(), writes(Jpeg, "kitten.jpg"));
        const DropPayload copy = payload;
        EXPECT_TRUE(fs::exists(temp / "spot/.part"));
    }
    EXPECT_FALSE(fs::exists(temp / "spot/.part"));
}

} // namespace
