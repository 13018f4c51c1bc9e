#include "desktop/filecopy.h"
#include "desktop/paths.h"
#include "tests/support/toolbarfixture.h"
#include "toolbar/core/naming.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <ostream>
#include <set>
#include <string>

using namespace toolbar;

namespace {

struct NumberCase
{
    const char *text;
    const char *padded;
    const char *next;
};

void PrintTo(const NumberCase &c, std::ostream *out)
{
    *out << '"' << c.text << '"';
}

class NumberRules : public ::testing::TestWithParam<NumberCase>
{
};

TEST_P(NumberRules, PadAndAdvance)
{
    EXPECT_EQ(PadNumber(GetParam().text), GetParam().padded);
    EXPECT_EQ(NextNumber(GetParam().text), GetParam().next);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberRules,
    ::testing::Values(NumberCase{"7", "007", "008"}, NumberCase{"42", "042", "043"}, NumberCase{"1000", "1000", "1001"},
                      NumberCase{"", "000", "001"}, NumberCase{"000", "000", "001"}, NumberCase{"009", "009", "010"},
                      NumberCase{"999", "999", "1000"}, NumberCase{"12abc", "012", "013"},
                      NumberCase{"abc", "000", "001"}, NumberCase{"  5", "005", "006"},
                      NumberCase{"0042", "042", "043"}, NumberCase{"-5", "0-5", "0-4"}, NumberCase{"-1", "0-1", "000"},
                      NumberCase{"+8", "008", "009"},
                      NumberCase{"99999999999999999999", "99999999999999999999", "100000000000000000000"}),
    [](const auto &info) { return "case" + std::to_string(info.index); });

TEST(GetExtension, TakesTheFileNamesExtensionOnly)
{
    EXPECT_EQ(GetExtension("/home/u/photo.jpg"), "jpg");
    EXPECT_EQ(GetExtension("/home/u/Photo.JPEG"), "JPEG");
    EXPECT_EQ(GetExtension("/home/u/archive.tar.gz"), "gz");
    EXPECT_EQ(GetExtension("/home/u/photo"), "");
    EXPECT_EQ(GetExtension("/home/my.folder/photo"), "");
    EXPECT_EQ(GetExtension("C:\\my.pics\\photo"), "");
    EXPECT_EQ(GetExtension("photo."), "");
    EXPECT_EQ(GetExtension(""), "");
}

TEST(BuildFileName, KeepsTheDotWithoutExtension)
{
    EXPECT_EQ(BuildFileName("Flower", "001", "jpg"), "Flower-001.jpg");
    EXPECT_EQ(BuildFileName("Flower", "001", ""), "Flower-001.");
}

TEST(IsSafeBaseName, RefusesNamesThatLeaveTheFolder)
{
    EXPECT_TRUE(IsSafeBaseName("Flower"));
    EXPECT_TRUE(IsSafeBaseName("Flower..Big"));
    EXPECT_TRUE(IsSafeBaseName(""));
    EXPECT_FALSE(IsSafeBaseName("../etc"));
    EXPECT_FALSE(IsSafeBaseName("a/b"));
    EXPECT_FALSE(IsSafeBaseName("a\\b"));
    EXPECT_FALSE(IsSafeBaseName(std::string("a\0b", 3)));
    EXPECT_FALSE(IsSafeBaseName(".."));
    EXPECT_FALSE(IsSafeBaseName("."));
}

using Naming = ToolbarFixture;

TEST_F(Naming, FindSpotBySquareFallsBackToTheFirstSpot)
{
    setSpots({"a", "b", "c"});
    globals.DropSpots[2].SpotIndex = 1; // two spots claim square 1: the first wins
    EXPECT_EQ(FindSpotBySquare(globals, 1), 1);
    EXPECT_EQ(FindSpotBySquare(globals, 0), 0);
    EXPECT_EQ(FindSpotBySquare(globals, 7), 0);
}

TEST_F(Naming, RandomLetterPicksByPositionAndGivesNothingAtTheTop)
{
    double r = 0;
    globals.random.script([&] { return r; });
    r = 0.0;
    EXPECT_EQ(RandomLetter(globals), "m");
    r = 1.0 / 52; // k = 1
    EXPECT_EQ(RandomLetter(globals), "n");
    r = 0.5 / 52; // k = 0.5 rounds to even: 0
    EXPECT_EQ(RandomLetter(globals), "m");
    r = 1.5 / 52; // 1.5 rounds to even: 2
    EXPECT_EQ(RandomLetter(globals), "b");
    r = 51.0 / 52;
    EXPECT_EQ(RandomLetter(globals), "Z");
    r = 0.999; // k = 52: no letter
    EXPECT_EQ(RandomLetter(globals), "");
}

TEST_F(Naming, RandomBaseNameLengthsFollowMaxRandomLength)
{
    globals.random.seed(99);
    const std::string alphabet = RandomAlphabet;
    for (int max : {6, 1, 3, 10}) {
        globals.options.MaxRandomLength = max;
        std::set<std::size_t> lengths;
        for (int i = 0; i < 400; ++i) {
            const std::string name = RandomBaseName(globals);
            lengths.insert(name.size());
            ASSERT_EQ(name.find_first_not_of(alphabet), std::string::npos) << name;
        }
        const std::size_t low = max < 3 ? static_cast<std::size_t>(max) : 3;
        EXPECT_EQ(*lengths.begin(), low) << "max " << max;
        EXPECT_EQ(*lengths.rbegin(), static_cast<std::size_t>(max)) << "max " << max;
    }
    // Below 1 a name would be empty ("-001.jpg"): the default length stands in.
    for (int max : {0, -4}) {
        globals.options.MaxRandomLength = max;
        const std::size_t length = RandomBaseName(globals).size();
        EXPECT_TRUE(length >= 3 && length <= 6) << "max " << max << ": " << length;
    }
}

TEST_F(Naming, LongestBaseNameFitsTheFileSystemWhileWrittenAndAfter)
{
    const std::string folder = temp.makeFolder("spot");
    const std::string longest = BuildFileName(std::string(LongestBaseName(), 'a'), "999999", "pjpeg");
    std::string error;
    EXPECT_TRUE(FileCopy::writeReplacing("x", Paths::join(folder, longest), error)) << error;
    const std::string oneMore = "a" + longest;
    EXPECT_FALSE(FileCopy::writeReplacing("x", Paths::join(folder, oneMore), error));
    const auto left = std::distance(std::filesystem::directory_iterator(folder), {});
    EXPECT_EQ(left, 1); // the longest name, and no partial file of the longer one
}

TEST_F(Naming, HugeMaxRandomLengthIsCapped)
{
    globals.options.MaxRandomLength = 2147483647;
    globals.random.seed(5);
    for (int i = 0; i < 20; ++i)
        EXPECT_LE(RandomBaseName(globals).size(), static_cast<std::size_t>(MaxUsableRandomLength));
}

TEST_F(Naming, RequestNewBaseNameFallsBackOnlyWhenAllowed)
{
    prompt.answers = {"", "", "Tulip", "  spaced "};
    EXPECT_EQ(RequestNewBaseName(app, false), "");
    EXPECT_EQ(globals.NewBaseName, "");
    EXPECT_FALSE(RequestNewBaseName(app, true).empty());
    EXPECT_EQ(RequestNewBaseName(app, false), "Tulip");
    EXPECT_EQ(RequestNewBaseName(app, true), "  spaced ");
    EXPECT_EQ(prompt.shown, 4);

    globals.options.PromptBaseNames = false;
    EXPECT_FALSE(RequestNewBaseName(app, false).empty());
    EXPECT_EQ(prompt.shown, 4);
}

TEST_F(Naming, ResetBaseNamesOnFirstRunNeverAsks)
{
    setSpots({"a", "b"}, "Old", "005");
    globals.FirstRun = true;
    ResetBaseNames(app);
    EXPECT_EQ(prompt.shown, 0);
    EXPECT_FALSE(globals.DropSpots[0].BaseName.empty());
    EXPECT_EQ(globals.DropSpots[0].BaseName, globals.DropSpots[1].BaseName);
    EXPECT_EQ(globals.DropSpots[1].SequenceNumber, "000");

    globals.FirstRun = false;
    prompt.answers = {"Rose"};
    ResetBaseNames(app);
    EXPECT_EQ(prompt.shown, 1);
    EXPECT_EQ(globals.DropSpots[1].BaseName, "Rose");
}

TEST_F(Naming, NewBaseNameCommandForOneSpotOrAll)
{
    setSpots({"a", "b"}, "Old", "005");
    prompt.answers = {"Rose"};
    NewBaseNameCommand(app, 1);
    EXPECT_EQ(globals.DropSpots[0].BaseName, "Old");
    EXPECT_EQ(globals.DropSpots[0].SequenceNumber, "005");
    EXPECT_EQ(globals.DropSpots[1].BaseName, "Rose");
    EXPECT_EQ(globals.DropSpots[1].SequenceNumber, "000");
    EXPECT_EQ(desktop.soundsPlayed, std::vector<std::string>{"NewBaseName.wav"});
    EXPECT_EQ(toolbar.captions, std::vector<std::string>{"Rose"});

    globals.options.SameBaseName = true;
    globals.options.Sounds = false;
    prompt.answers = {"Lily"};
    NewBaseNameCommand(app, 1);
    for (const DropSpot &spot : globals.DropSpots) {
        EXPECT_EQ(spot.BaseName, "Lily");
        EXPECT_EQ(spot.SequenceNumber, "000");
    }
    EXPECT_EQ(desktop.soundsPlayed.size(), 1u);
}

TEST_F(Naming, CancelledNewBaseNameChangesNothing)
{
    setSpots({"a"}, "Old", "005");
    prompt.answers = {""};
    NewBaseNameCommand(app, 0);
    EXPECT_EQ(globals.DropSpots[0].BaseName, "Old");
    EXPECT_EQ(globals.DropSpots[0].SequenceNumber, "005");
    EXPECT_TRUE(desktop.soundsPlayed.empty());
    EXPECT_TRUE(toolbar.captions.empty());
}

TEST_F(Naming, SyncBaseNamesCopiesTheFirstSpot)
{
    setSpots({"a", "b", "c"}, "X", "004");
    globals.DropSpots[0].BaseName = "First";
    globals.DropSpots[0].SequenceNumber = "017";
    SyncBaseNames(globals);
    for (const DropSpot &spot : globals.DropSpots) {
        EXPECT_EQ(spot.BaseName, "First");
        EXPECT_EQ(spot.SequenceNumber, "017");
    }
}

} // namespace
