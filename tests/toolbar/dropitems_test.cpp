#include "dropitems.h"

#include <gtest/gtest.h>

namespace {

TEST(DropItems, FileManagerUriListGivesLocalFiles)
{
    const auto payload = ExtractDropItems(
        {{"text/uri-list", "file:///home/u/My%20Pics/a.jpg\r\nfile://localhost/tmp/b%25.png\r\n"}});
    ASSERT_EQ(payload.status, DropPayload::Status::Files);
    ASSERT_EQ(payload.items.size(), 2u);
    EXPECT_EQ(payload.items[0].sourcePath, "/home/u/My Pics/a.jpg");
    EXPECT_EQ(payload.items[1].sourcePath, "/tmp/b%.png");
    EXPECT_TRUE(payload.items[0].isLocalFile());
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

} // namespace
