#include "desktop/paths.h"
#include "tests/support/toolbarfixture.h"
#include "toolbar/core/datafiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace toolbar;

namespace {

using DataFiles = ToolbarFixture;

const char *kDefaultOptionsFile = "SAME_BASE_NAME|FALSE\r\n"
                                  "VERTICAL_TOOLBAR|FALSE\r\n"
                                  "REMEMBER_LOCATION|TRUE\r\n"
                                  "PROMPT_BASE_NAMES|TRUE\r\n"
                                  "AUTO_START|FALSE\r\n"
                                  "SOUNDS|TRUE\r\n"
                                  "MAX_RANDOM_LENGTH|6\r\n"
                                  "SPOT_SIZE|500\r\n";

TEST_F(DataFiles, MissingOptionsFileIsWrittenWithTheDefaults)
{
    globals.options = Options{};
    LoadOptions(app);
    EXPECT_EQ(globals.options, Options::defaults());
    EXPECT_EQ(readFile(globals.OptionsPath), kDefaultOptionsFile);
    EXPECT_EQ(desktop.yields, 12);
}

TEST_F(DataFiles, SavedOptionsAreByteForByte)
{
    globals.options = Options{true, true, false, false, true, false, -12, 1300};
    ASSERT_TRUE(SaveOptions(app));
    EXPECT_EQ(readFile(globals.OptionsPath), "SAME_BASE_NAME|TRUE\r\n"
                                             "VERTICAL_TOOLBAR|TRUE\r\n"
                                             "REMEMBER_LOCATION|FALSE\r\n"
                                             "PROMPT_BASE_NAMES|FALSE\r\n"
                                             "AUTO_START|TRUE\r\n"
                                             "SOUNDS|FALSE\r\n"
                                             "MAX_RANDOM_LENGTH|-12\r\n"
                                             "SPOT_SIZE|1300\r\n");
    globals.options = Options{};
    LoadOptions(app);
    // A length below 1 is written as it is, but read back as the default.
    EXPECT_EQ(globals.options, (Options{true, true, false, false, true, false, 6, 1300}));
}

struct OptionsFileCase
{
    const char *name;
    const char *content;
    Options expected;
    long replaced; ///< values replaced by their defaults, all named in one message
};

class OptionsFileReading : public DataFiles, public ::testing::WithParamInterface<OptionsFileCase>
{
};

TEST_P(OptionsFileReading, ReadsWhatIsThere)
{
    temp.writeFile("DropOptions.txt", GetParam().content);
    globals.options = Options{};
    LoadOptions(app);
    EXPECT_EQ(globals.options, GetParam().expected);
    // Reading never rewrites an existing file.
    EXPECT_EQ(readFile(globals.OptionsPath), GetParam().content);
    if (GetParam().replaced == 0) {
        EXPECT_TRUE(desktop.messages.empty());
        return;
    }
    ASSERT_EQ(desktop.messages.size(), 1u);
    const std::string &message = desktop.messages[0];
    EXPECT_EQ(std::count(message.begin(), message.end(), '\r'), 2 + GetParam().replaced) << message;
}

TEST_F(DataFiles, OptionsMessageNamesEachReplacedValue)
{
    temp.writeFile("DropOptions.txt", "SPOT_SIZE|50000\r\nMAX_RANDOM_LENGTH|-2\r\n");
    LoadOptions(app);
    EXPECT_EQ(desktop.messages,
              std::vector<std::string>{"Some options in DropOptions.txt can not be used, so they take their default "
                                       "values:\rMAX_RANDOM_LENGTH: \"-2\", now 6\rSPOT_SIZE: \"50000\", now 500\r\r"
                                       "DropOptions.txt is left as it is until you save the options."});
}

TEST_F(DataFiles, UnreadableOptionsFileGivesTheDefaultsAndOneMessage)
{
    // A folder in the file's place cannot be read as a file, whoever runs the test.
    temp.makeFolder("DropOptions.txt");
    globals.options = Options{};
    LoadOptions(app);
    EXPECT_EQ(globals.options, Options::defaults());
    EXPECT_EQ(desktop.messages, std::vector<std::string>{OptionsUnreadableMessage(globals.OptionsPath)});
    EXPECT_TRUE(std::filesystem::is_directory(globals.OptionsPath));
}

INSTANTIATE_TEST_SUITE_P(
    Files, OptionsFileReading,
    ::testing::Values(
        // Values unlike the start values, so that a key read is told from a key skipped.
        OptionsFileCase{"KeysAndValuesInAnyCase", "sounds|true\r\nSame_Base_Name|tRUE\r\nmax_random_length|9\r\n",
                        Options{true, false, false, false, false, true, 9, 500}, 1},
        OptionsFileCase{"OnlySounds", "SOUNDS|TRUE\r\n", Options{false, false, false, false, false, true, 6, 500}, 2},
        OptionsFileCase{"LastLineWins", "SPOT_SIZE|700\nSPOT_SIZE|1000\n",
                        Options{false, false, false, false, false, false, 6, 1000}, 1},
        OptionsFileCase{"LinesWithoutBarAndUnknownKeys", "hello\r\nCOLOR|3\r\n\r\nSOUNDS|TRUE|extra\r\n",
                        Options{false, false, false, false, false, true, 6, 500}, 2},
        OptionsFileCase{"KeyIsNotTrimmed", " SOUNDS|TRUE\r\nSOUNDS |TRUE\r\n",
                        Options{false, false, false, false, false, false, 6, 500}, 2},
        OptionsFileCase{"NumbersRoundedOrDefaulted", "MAX_RANDOM_LENGTH|4.5\r\nSPOT_SIZE|big\r\n",
                        Options{false, false, false, false, false, false, 4, 500}, 1},
        OptionsFileCase{"NumbersPast32Bits", "MAX_RANDOM_LENGTH|99999999999\r\nSPOT_SIZE|-99999999999\r\n",
                        Options{false, false, false, false, false, false, 6, 500}, 2},
        OptionsFileCase{"EmptyFile", "", Options{false, false, false, false, false, false, 6, 500}, 2},
        OptionsFileCase{"UsableNumbersKept", "MAX_RANDOM_LENGTH|1\r\nSPOT_SIZE|300\r\n",
                        Options{false, false, false, false, false, false, 1, 300}, 0},
        OptionsFileCase{"NumbersThatBreakTheToolbar", "MAX_RANDOM_LENGTH|0\r\nSPOT_SIZE|50000\r\n",
                        Options{false, false, false, false, false, false, 6, 500}, 2},
        OptionsFileCase{"SquareTooSmall", "MAX_RANDOM_LENGTH|8\r\nSPOT_SIZE|299\r\n",
                        Options{false, false, false, false, false, false, 8, 500}, 1},
        OptionsFileCase{"Garbage", "\x01\xff|\xfe\r\n\x7f\x80garbage",
                        Options{false, false, false, false, false, false, 6, 500}, 2}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(DataFiles, FailedOptionsSaveKeepsTheOldFileAndSaysSo)
{
    temp.writeFile("DropOptions.txt", kDefaultOptionsFile);
    // A folder in the way of the temporary file makes the write fail whatever the rights.
    std::filesystem::create_directories(globals.OptionsPath + ".saving/blocker");
    globals.options.Sounds = false;
    EXPECT_FALSE(SaveOptions(app));
    EXPECT_EQ(readFile(globals.OptionsPath), kDefaultOptionsFile);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].rfind("ERROR: Can Not Save Options\r" + globals.OptionsPath + "\r", 0), 0u);
    EXPECT_TRUE(std::filesystem::exists(globals.OptionsPath + ".saving/blocker"));
}

TEST_F(DataFiles, SpotLinesAreReadInOrder)
{
    const std::string cats = temp.makeFolder("My Pics, 2005");
    const std::string dogs = temp.makeFolder("dogs");
    temp.writeFile("SpotData.txt", cats + "/|16711680\r\n" + dogs + "|red\r\nno bar here\r\n" + dogs + "|65280|x\r\n");
    LoadSpotData(app);
    ASSERT_EQ(globals.DropSpots.size(), 3u);
    EXPECT_EQ(globals.DropSpots[0].FolderPath, cats);
    EXPECT_EQ(globals.DropSpots[0].Color, "16711680");
    EXPECT_EQ(globals.DropSpots[1].FolderPath, dogs);
    EXPECT_EQ(globals.DropSpots[1].Color, "255");
    EXPECT_EQ(globals.DropSpots[2].Color, "65280");
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(DataFiles, MissingFolderIsReportedAndSkipped)
{
    const std::string missing = temp / "gone";
    const std::string there = temp.makeFolder("there");
    temp.writeFile("SpotData.txt", missing + "|255\r\n" + there + "|65280\r\n");
    LoadSpotData(app);
    ASSERT_EQ(globals.DropSpots.size(), 1u);
    EXPECT_EQ(globals.DropSpots[0].FolderPath, there);
    EXPECT_EQ(desktop.messages, std::vector<std::string>{"Unable to access folder " + missing +
                                                         ".\rYou will not have a drop spot for this folder."});
}

TEST_F(DataFiles, NothingUsableGivesTheDefaultSpot)
{
    for (const char *content : std::initializer_list<const char *>{"", "|255\r\n", "garbage\r\n", nullptr}) {
        std::filesystem::remove(globals.SpotDataPath);
        if (content)
            temp.writeFile("SpotData.txt", content);
        desktop.messages.clear();
        LoadSpotData(app);
        ASSERT_EQ(globals.DropSpots.size(), 1u);
        EXPECT_EQ(globals.DropSpots[0].FolderPath, desktop.folders[39]);
        EXPECT_EQ(globals.DropSpots[0].Color, "255");
    }
}

TEST_F(DataFiles, NoPictureFolderFallsBackToHome)
{
    desktop.folders.erase(39);
    LoadSpotData(app);
    EXPECT_EQ(globals.DropSpots[0].FolderPath, desktop.home);
    desktop.folders[39] = temp / "NoSuchPictures";
    LoadSpotData(app);
    EXPECT_EQ(globals.DropSpots[0].FolderPath, desktop.home);
}

TEST_F(DataFiles, LoadingDropsTheNamingState)
{
    setSpots({"a"}, "Flower", "004");
    globals.DropSpots[0].LastFileSaved = "Flower-004.jpg";
    temp.writeFile("SpotData.txt", temp.makeFolder("a") + "|255\r\n");
    LoadSpotData(app);
    EXPECT_EQ(globals.DropSpots[0].BaseName, "");
    EXPECT_EQ(globals.DropSpots[0].SequenceNumber, "");
    EXPECT_EQ(globals.DropSpots[0].LastFileSaved, "");
}

TEST_F(DataFiles, SaveSpotRowsWritesWhatExists)
{
    const std::string a = temp.makeFolder("a");
    const std::string b = temp.makeFolder("b");
    const std::string gone = temp / "gone";
    prompt.answers = {"Fresh"};
    ASSERT_TRUE(SaveSpotRows(app, {{a + Paths::separator(), 255}, {"", 3}, {gone, 65280}, {b, 16711680}}));
    EXPECT_EQ(readFile(globals.SpotDataPath), a + "|255\r\n" + b + "|16711680\r\n");
    EXPECT_EQ(desktop.messages, std::vector<std::string>{"ERROR: Can Not Save Drop Spot for folder:\r" + gone +
                                                         "\rThe folder is unavailable"});
    ASSERT_EQ(globals.DropSpots.size(), 2u);
    EXPECT_EQ(globals.DropSpots[1].FolderPath, b);
    EXPECT_EQ(globals.DropSpots[1].BaseName, "Fresh");
    EXPECT_EQ(globals.DropSpots[1].SequenceNumber, "000");
}

TEST_F(DataFiles, SaveSpotRowsWithNothingWritableFallsBackToDefault)
{
    ASSERT_TRUE(SaveSpotRows(app, {{temp / "gone", 255}}));
    EXPECT_EQ(readFile(globals.SpotDataPath), "");
    ASSERT_EQ(globals.DropSpots.size(), 1u);
    EXPECT_EQ(globals.DropSpots[0].FolderPath, desktop.folders[39]);
}

TEST_F(DataFiles, UnwritableSpotFileKeepsFileAndSpots)
{
    const std::string a = temp.makeFolder("a");
    temp.writeFile("SpotData.txt", a + "|255\r\n");
    setSpots({"a"}, "Keep", "007");
    // A folder in the way of the temporary file makes the write fail whatever the rights.
    std::filesystem::create_directories(globals.SpotDataPath + ".saving/blocker");
    EXPECT_FALSE(SaveSpotRows(app, {{a, 65280}}));
    EXPECT_EQ(readFile(globals.SpotDataPath), a + "|255\r\n");
    EXPECT_EQ(globals.DropSpots[0].BaseName, "Keep");
    EXPECT_EQ(globals.DropSpots[0].SequenceNumber, "007");
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].rfind("ERROR: Can Not Save Drop Spots\r", 0), 0u);
}

TEST(DataPaths, ComputedFromTheProgramFolder)
{
    Globals g;
    ComputeDataPaths(g, "/opt/Stowlet");
    EXPECT_EQ(g.SpotDataPath, Paths::join("/opt/Stowlet", "SpotData.txt"));
    EXPECT_EQ(g.OptionsPath, Paths::join("/opt/Stowlet", "DropOptions.txt"));
    EXPECT_EQ(g.AppFolder, "/opt/Stowlet");
    ComputeDataPaths(g, "/");
    EXPECT_EQ(g.SpotDataPath, "/SpotData.txt");
    EXPECT_EQ(g.OptionsPath, "/DropOptions.txt");
    EXPECT_EQ(g.AppFolder, "/");
    ComputeDataPaths(g, "/media/stick/");
    EXPECT_EQ(g.SpotDataPath, "/media/stick/SpotData.txt");
    EXPECT_EQ(g.AppFolder, "/media/stick");
}

} // namespace
