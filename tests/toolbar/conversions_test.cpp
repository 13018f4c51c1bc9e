#include "toolbar/core/conversions.h"

#include <gtest/gtest.h>

using namespace toolbar;

namespace {

TEST(Conversions, BooleansAsTextAndCheckValues)
{
    EXPECT_EQ(BoolToText(true), "TRUE");
    EXPECT_EQ(BoolToText(false), "FALSE");
    EXPECT_TRUE(TextToBool("TRUE"));
    EXPECT_TRUE(TextToBool("true"));
    EXPECT_TRUE(TextToBool("tRuE"));
    for (const char *text : {"", " TRUE", "TRUE ", "1", "yes", "FALSE", "TRUEX"})
        EXPECT_FALSE(TextToBool(text)) << text;
    EXPECT_TRUE(CheckValueToBool(1));
    EXPECT_FALSE(CheckValueToBool(0));
    EXPECT_FALSE(CheckValueToBool(2));
    EXPECT_EQ(BoolToCheckValue(true), 1);
    EXPECT_EQ(BoolToCheckValue(false), 0);
}

TEST(Conversions, SpotSizeNamesBothWays)
{
    const std::pair<const char *, int> table[] = {
        {"TINY", 300}, {"SMALL", 500}, {"MEDIUM", 700}, {"LARGE", 1000}, {"JUMBO", 1300}};
    for (const auto &[name, twips] : table) {
        EXPECT_EQ(SpotSizeName(twips), name);
        EXPECT_EQ(SpotSizeValue(name), twips);
    }
    EXPECT_EQ(SpotSizeName(600), "");
    EXPECT_EQ(SpotSizeName(0), "");
    EXPECT_EQ(SpotSizeValue("small"), 0);
    EXPECT_EQ(SpotSizeValue(""), 0);
    EXPECT_EQ(SpotSizeValue("SMALL "), 0);
}

TEST(Conversions, TextToLongRoundsHalfToEvenAndRefusesTheRest)
{
    const std::pair<const char *, std::optional<std::int32_t>> table[] = {
        {"6", 6},
        {" 12 ", 12},
        {"-3", -3},
        {"+4", 4},
        {"4.5", 4},
        {"2.5", 2},
        {"3.5", 4},
        {"4.51", 5},
        {"-2.5", -2},
        {".5", 0},
        {"7.", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483648LL},
        {"2147483648", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"12abc", std::nullopt},
        {"1e3", std::nullopt},
        {"-", std::nullopt},
        {".", std::nullopt},
        {"00000000000000000042", 42},
    };
    for (const auto &[text, expected] : table)
        EXPECT_EQ(TextToLong(text), expected) << '"' << text << '"';
}

} // namespace
