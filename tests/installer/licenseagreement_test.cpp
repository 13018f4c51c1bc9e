// The licence agreement's text: its sections in their order and its line layout.
#include "installer/core/licenseagreement.h"

#include <gtest/gtest.h>

#include <cctype>

using namespace setup;

namespace {

std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start)); // what follows the last line end: nothing
    return lines;
}

bool isUpperCase(const std::string &line)
{
    for (unsigned char c : line)
        if (std::islower(c))
            return false;
    return !line.empty();
}

} // namespace

TEST(LicenseAgreement, EveryLineEndsInCarriageReturnLineFeed)
{
    const std::string text = LicenseAgreementText("Stowlet");
    ASSERT_TRUE(text.ends_with("\r\n"));
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            EXPECT_EQ(text[i + 1], '\n') << "a carriage return alone at " << i;
        }
        if (text[i] == '\n') {
            EXPECT_EQ(text[i - 1], '\r') << "a line feed alone at " << i;
        }
    }
    EXPECT_EQ(linesOf(text).back(), "");
}

TEST(LicenseAgreement, OpeningSectionHasHeadingAcceptanceOneCopyAndCapitalProhibitions)
{
    const std::vector<std::string> lines = linesOf(LicenseAgreementText("Stowlet"));
    ASSERT_GT(lines.size(), 8u);
    EXPECT_FALSE(lines[0].empty());
    EXPECT_EQ(lines[1], "");
    EXPECT_NE(lines[2].find("Tallowmere Software"), std::string::npos) << "the acceptance names the licensor";
    EXPECT_EQ(lines[3], "");
    EXPECT_FALSE(lines[4].empty()) << "the one-copy paragraph";
    EXPECT_FALSE(isUpperCase(lines[4]));
    std::size_t i = 5;
    for (; i < lines.size() && !lines[i].empty(); ++i)
        EXPECT_TRUE(isUpperCase(lines[i])) << "prohibition " << lines[i];
    EXPECT_GE(i - 5, 2u) << "prohibitions, one on each line";
    ASSERT_LT(i + 1, lines.size());
    EXPECT_EQ(lines[i + 1], "LICENSE TERMS");
}

TEST(LicenseAgreement, TermsThenNumberedSectionsEachHeadingParagraphAndEmptyLine)
{
    const std::vector<std::string> lines = linesOf(LicenseAgreementText("Stowlet"));
    std::size_t i = 0;
    while (i < lines.size() && lines[i] != "LICENSE TERMS")
        ++i;
    ASSERT_LT(i + 4, lines.size());
    EXPECT_EQ(lines[i + 1], "");
    EXPECT_EQ(lines[i + 2], "These License Terms govern your Use of Stowlet");
    EXPECT_EQ(lines[i + 3], "");
    i += 4;
    const char *headings[] = {"     2. License Grant.",      "     3. Ownership.", "     4. Copies and Adaptations.",
                              "     5. No Disassembly.",     "     6. Transfer.",  "     7. Termination.",
                              "     8. Export Requirements."};
    bool namesMaker = false;
    for (const char *heading : headings) {
        ASSERT_LT(i + 2, lines.size()) << heading;
        EXPECT_EQ(lines[i], heading);
        EXPECT_FALSE(lines[i + 1].empty()) << heading;
        EXPECT_NE(lines[i + 1].front(), ' ') << heading;
        EXPECT_EQ(lines[i + 2], "") << heading;
        namesMaker |= lines[i + 1].find("Tallowmere Software") != std::string::npos;
        i += 3;
    }
    EXPECT_TRUE(namesMaker);
    EXPECT_EQ(i, lines.size() - 1) << "nothing after the last section";
}

TEST(LicenseAgreement, NamesTheProductItLicenses)
{
    const std::string text = LicenseAgreementText("Other");
    EXPECT_NE(text.find("These License Terms govern your Use of Other\r\n"), std::string::npos);
    EXPECT_EQ(text.find("Stowlet"), std::string::npos);
}
