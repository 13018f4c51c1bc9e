#include "desktop/filecopy.h"
#include "desktop/paths.h"
#include "tests/support/toolbarfixture.h"
#include "toolbar/core/dropflow.h"
#include "toolbar/core/naming.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace toolbar;

namespace fs = std::filesystem;

namespace {

class DropFlow : public ToolbarFixture
{
protected:
    DropPayload filesPayload(const std::vector<std::string> &paths)
    {
        DropPayload payload;
        payload.status = DropPayload::Status::Files;
        for (const std::string &path : paths)
            payload.items.push_back(DroppedItem::localFile(path));
        return payload;
    }
    void drop(int square, const std::vector<std::string> &paths)
    {
        HandleDrop(app, square,
                   globals.DropSpots[static_cast<std::size_t>(FindSpotBySquare(globals, square))].FolderPath,
                   filesPayload(paths));
    }
    std::string spotFile(int spot, const std::string &name)
    {
        return Paths::join(globals.DropSpots[static_cast<std::size_t>(spot)].FolderPath, name);
    }
};

TEST_F(DropFlow, NamesFilesInSequence)
{
    setSpots({"spot"});
    const std::string photo = temp.writeFile("src/photo.jpg", "jpeg bytes");
    drop(0, {photo});
    EXPECT_EQ(readFile(spotFile(0, "Flower-001.jpg")), "jpeg bytes");
    EXPECT_EQ(globals.DropSpots[0].SequenceNumber, "001");

    const std::string png = temp.writeFile("src/b.png", "png");
    const std::string plain = temp.writeFile("src/readme", "text");
    const std::string gif = temp.writeFile("src/c.GIF", "gif");
    drop(0, {png, plain, gif});
    EXPECT_EQ(readFile(spotFile(0, "Flower-002.png")), "png");
    EXPECT_EQ(readFile(spotFile(0, "Flower-003.")), "text");
    EXPECT_EQ(readFile(spotFile(0, "Flower-004.GIF")), "gif");
    EXPECT_EQ(globals.DropSpots[0].LastFileSaved, "Flower-004.GIF");
    EXPECT_EQ(desktop.soundsPlayed, std::vector<std::string>(4, "CopySuccess.wav"));
    EXPECT_EQ(desktop.yields, 12);
    EXPECT_TRUE(desktop.dialogs.empty());
}

TEST_F(DropFlow, PartialCopiesOfAnEndedToolbarGoWhenTheSpotNextSaves)
{
    setSpots({"spot", "other"});
    const std::vector<std::string> partials{temp.writeFile("spot/.Flower-007.jpg.stowlet-part", "half a picture"),
                                            temp.writeFile("spot/.stowlet-download-0badf00d.part", "half a download"),
                                            temp.writeFile("spot/.stowlet-drop-1234abcd.part", "half a direct save")};
    // A download of this run, under way for a later drop, stays.
    const TemporaryFile underWay(temp.writeFile("spot/.stowlet-download-9876fedc.part", "arriving"));
    const std::vector<std::string> kept{
        temp.writeFile("other/.Rose-001.png.stowlet-part", "other spot"), temp.writeFile("spot/.hidden", "the user's"),
        temp.writeFile("spot/shown.stowlet-part", "the user's"),          temp.makeFolder("spot/.folder.stowlet-part"),
        temp.writeFile("spot/.stowlet-download-mine.part", "the user's"), underWay.path()};
    drop(0, {temp.writeFile("src/photo.jpg", "jpeg bytes")});
    for (const std::string &path : partials)
        EXPECT_FALSE(fs::exists(path)) << path;
    for (const std::string &path : kept)
        EXPECT_TRUE(fs::exists(path)) << path;
    EXPECT_EQ(readFile(spotFile(0, "Flower-001.jpg")), "jpeg bytes");
}

TEST_F(DropFlow, NumberGrowsPast999)
{
    setSpots({"spot"}, "Flower", "999");
    drop(0, {temp.writeFile("p.jpg", "x")});
    EXPECT_TRUE(fs::exists(spotFile(0, "Flower-1000.jpg")));
    EXPECT_EQ(globals.DropSpots[0].SequenceNumber, "1000");
}

TEST_F(DropFlow, SharedCounterAcrossSpots)
{
    setSpots({"one", "two"}, "Flower", "005");
    globals.options.SameBaseName = true;
    drop(1, {temp.writeFile("p.jpg", "x")});
    EXPECT_TRUE(fs::exists(spotFile(1, "Flower-006.jpg")));
    EXPECT_EQ(globals.DropSpots[0].SequenceNumber, "006");
    EXPECT_EQ(globals.DropSpots[1].SequenceNumber, "006");
    EXPECT_EQ(globals.DropSpots[0].LastFileSaved, "");
}

TEST_F(DropFlow, SeparateCountersStaySeparate)
{
    setSpots({"one", "two"}, "Flower", "005");
    drop(1, {temp.writeFile("p.jpg", "x"), temp.writeFile("q.jpg", "y")});
    EXPECT_EQ(globals.DropSpots[0].SequenceNumber, "005");
    EXPECT_EQ(globals.DropSpots[1].SequenceNumber, "007");
}

TEST_F(DropFlow, ReplaceQuestionNoKeepsTheOldFileAndUsesTheNumber)
{
    setSpots({"spot"});
    temp.writeFile("spot/Flower-001.jpg", "old");
    desktop.answers = {false};
    drop(0, {temp.writeFile("p.jpg", "new")});
    EXPECT_EQ(readFile(spotFile(0, "Flower-001.jpg")), "old");
    // The warning comes before the question it warns of; the failure sound after the answer.
    EXPECT_EQ(desktop.record,
              (std::vector<std::string>{"sound: Warning.wav",
                                        "question: ERROR: FILE ALREADY EXISTS.\r" + spotFile(0, "Flower-001.jpg") +
                                            "\r\rWould you like to replace the existing file with "
                                            "the new one?",
                                        "sound: CopyFailed.wav"}));
    EXPECT_EQ(globals.DropSpots[0].LastFileSaved, "Flower-001.jpg");

    drop(0, {temp.writeFile("q.jpg", "next")});
    EXPECT_EQ(readFile(spotFile(0, "Flower-002.jpg")), "next");
}

TEST_F(DropFlow, ReplaceQuestionYesReplacesAndWarningPlaysEvenWithoutSounds)
{
    setSpots({"spot"});
    globals.options.Sounds = false;
    temp.writeFile("spot/Flower-001.jpg", "old");
    desktop.answers = {true};
    drop(0, {temp.writeFile("p.jpg", "new")});
    EXPECT_EQ(readFile(spotFile(0, "Flower-001.jpg")), "new");
    EXPECT_EQ(desktop.outline(),
              (std::vector<std::string>{"sound: Warning.wav", "question: ERROR: FILE ALREADY EXISTS."}));
    EXPECT_EQ(desktop.yields, 0) << "without sounds there is nothing to wait for";
    EXPECT_EQ(folderNames(globals.DropSpots[0].FolderPath), std::vector<std::string>{"Flower-001.jpg"});
}

TEST_F(DropFlow, CopyFailureIsReportedAndTheDropGoesOn)
{
    setSpots({"spot"});
    const std::string missing = temp / "src/not-there.jpg";
    const std::string good = temp.writeFile("src/good.png", "ok");
    drop(0, {missing, good});
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].rfind("ERROR COPYING FILE\r" + spotFile(0, "Flower-001.jpg") + "\r", 0), 0u);
    EXPECT_GT(desktop.messages[0].size(), ("ERROR COPYING FILE\r" + spotFile(0, "Flower-001.jpg") + "\r").size());
    EXPECT_FALSE(fs::exists(spotFile(0, "Flower-001.jpg")));
    EXPECT_EQ(readFile(spotFile(0, "Flower-002.png")), "ok");
    EXPECT_EQ(desktop.outline(), (std::vector<std::string>{"message: ERROR COPYING FILE", "sound: CopyFailed.wav",
                                                           "sound: CopySuccess.wav"}));
    // No partial or temporary file is left behind.
    EXPECT_EQ(folderNames(globals.DropSpots[0].FolderPath), std::vector<std::string>{"Flower-002.png"});
}

TEST_F(DropFlow, FolderGoneBetweenDrops)
{
    setSpots({"spot"});
    drop(0, {temp.writeFile("a.jpg", "1")});
    fs::remove_all(globals.DropSpots[0].FolderPath);
    drop(0, {temp.writeFile("b.jpg", "2")});
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].rfind("ERROR COPYING FILE\r" + spotFile(0, "Flower-002.jpg") + "\r", 0), 0u);
    EXPECT_FALSE(fs::exists(globals.DropSpots[0].FolderPath));
}

TEST_F(DropFlow, DroppingAFileOntoItselfChangesNothing)
{
    setSpots({"spot"});
    const std::string self = temp.writeFile("spot/Flower-001.jpg", "me");
    drop(0, {self});
    EXPECT_EQ(readFile(self), "me");
    EXPECT_TRUE(desktop.questions.empty());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_NE(desktop.messages[0].find("left as it is"), std::string::npos);
}

TEST_F(DropFlow, UnsafeBaseNamesNeverWriteOutsideTheFolder)
{
    for (const std::string &baseName : {std::string("../escape"), std::string("sub/dir"), std::string("..\\x"),
                                        std::string("nul\0byte", 8), std::string("..")}) {
        setSpots({"spot"}, baseName);
        desktop.messages.clear();
        drop(0, {temp.writeFile("p.jpg", "x")});
        ASSERT_EQ(desktop.messages.size(), 1u) << baseName;
        EXPECT_EQ(desktop.messages[0].rfind("ERROR COPYING FILE\r", 0), 0u);
        EXPECT_NE(desktop.messages[0].find("cannot be part of a file name"), std::string::npos);
        EXPECT_TRUE(fs::is_empty(globals.DropSpots[0].FolderPath)) << baseName;
    }
    EXPECT_FALSE(fs::exists(temp / "escape-001.jpg"));
}

TEST_F(DropFlow, NoFileListExplainsAndUsesNoNumber)
{
    setSpots({"spot"}, "Flower", "004");
    DropPayload nothing;
    HandleDrop(app, 0, globals.DropSpots[0].FolderPath, nothing);
    EXPECT_EQ(desktop.messages, std::vector<std::string>{FileFormatIncorrectMessage});
    EXPECT_EQ(std::string(FileFormatIncorrectMessage).rfind("The file format is incorrect.\r\rThis error is common", 0),
              0u);
    EXPECT_EQ(toolbar.raised, 1);
    EXPECT_EQ(desktop.yields, 4);
    EXPECT_EQ(globals.DropSpots[0].SequenceNumber, "004");

    DropPayload broken;
    broken.status = DropPayload::Status::Error;
    broken.errorDescription = "the data could not be read";
    HandleDrop(app, 0, globals.DropSpots[0].FolderPath, broken);
    EXPECT_EQ(desktop.messages.back(), "Error Saving Data.\r\rthe data could not be read");
}

TEST_F(DropFlow, HandedOverContentIsSavedUnderItsNamesExtension)
{
    setSpots({"spot"});
    DropPayload payload;
    payload.status = DropPayload::Status::Files;
    payload.items.push_back(DroppedItem::content(std::string("\x89PNG\0data", 9), "picture.png"));
    HandleDrop(app, 0, globals.DropSpots[0].FolderPath, payload);
    EXPECT_EQ(readFile(spotFile(0, "Flower-001.png")), std::string("\x89PNG\0data", 9));
}

TEST_F(DropFlow, SpotListRebuiltDuringAMessageStopsTheDrop)
{
    setSpots({"one", "two"});
    const DropSpot kept = globals.DropSpots[0];
    // A list loaded afresh, as the list editor's save does: a write through the old
    // position would land outside it (and abort, with the library's index checks).
    desktop.onMessage = [&](const std::string &) { globals.DropSpots = std::vector<DropSpot>{kept}; };
    drop(1, {temp / "missing.jpg", temp.writeFile("b.jpg", "x")});
    ASSERT_EQ(globals.DropSpots.size(), 1u);
    EXPECT_EQ(globals.DropSpots[0].SequenceNumber, kept.SequenceNumber);
    EXPECT_EQ(globals.DropSpots[0].LastFileSaved, "");
    EXPECT_EQ(desktop.outline(), (std::vector<std::string>{"message: ERROR COPYING FILE", "sound: CopyFailed.wav"}));
    EXPECT_TRUE(folderNames(temp / "two").empty()) << "the second file was not saved";
}

} // namespace
