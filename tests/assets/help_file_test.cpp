// The help file opens at its contents page, every link inside it leads somewhere, every
// picture it shows is a file beside it and is spoken by its card's name, each meld shows
// exactly its own cards, and tidy finds nothing to warn about.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "model/spoken_names.h"

namespace vm {
namespace {

class HelpFile : public testing::Test {
protected:
    // The first group of each match of `pattern` from `from` up to `to`.
    std::vector<std::string> Matches(const std::string& pattern, std::size_t from = 0,
                                     std::size_t to = std::string::npos) const {
        std::vector<std::string> found;
        const std::string part = text.substr(from, to == std::string::npos ? to : to - from);
        const std::regex re(pattern);
        for (auto it = std::sregex_iterator(part.begin(), part.end(), re);
             it != std::sregex_iterator(); ++it) {
            found.push_back((*it)[1].str());
        }
        return found;
    }

    const std::string text = [] {
        std::ifstream in("VELMORIA.HLP", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }();
};

TEST_F(HelpFile, IsTidyHtmlOpeningAtItsContentsWithLinksThatLeadAndSpokenPictureFiles) {
    EXPECT_EQ(Matches("<h2>([^<]*)</h2>").at(0), "Contents") << "the first section";

    const std::vector<std::string> anchors = Matches(R"(<a name="([^"]+)\")");
    const std::set<std::string> named(anchors.begin(), anchors.end());
    const std::vector<std::string> links = Matches(R"(<a href="#([^"]+)\")");
    EXPECT_GE(links.size(), 10u);
    for (const std::string& link : links) EXPECT_TRUE(named.contains(link)) << "#" << link;
    const std::vector<std::string> pictures = Matches(R"(<img src="([^"]+)\")");
    EXPECT_EQ(pictures.size(), 75u);
    for (const std::string& picture : pictures) {
        EXPECT_TRUE(std::filesystem::is_regular_file(picture)) << picture;
        const std::string alt = " alt=\"" + SpokenCardName(CardName(picture)) + "\"";
        EXPECT_NE(text.find("<img src=\"" + picture + "\"" + alt), std::string::npos) << picture;
    }
    if (std::system("command -v tidy >/dev/null") != 0) GTEST_SKIP() << "tidy is not installed";
    EXPECT_EQ(std::system("tidy -q -e VELMORIA.HLP"), 0) << "tidy's warnings are above";
}

TEST_F(HelpFile, EachMeldShowsItsOwnCardsAndPoints) {
    const struct {
        const char *heading, *points;
        std::vector<std::string> cards;
    } melds[] = {
        {"<h3>Akai Tan", "30 points", {"jan_5.bmp", "feb_5.bmp", "mar_5.bmp"}},
        {"<h3>Aoi Tan", "30 points", {"jun_5.bmp", "sep_5.bmp", "oct_5.bmp"}},
        {"<h3>Shoubu", "20 points", {"may_10.bmp", "may_5.bmp", "may_1.bmp", "may_0.bmp"}},
        {"<h3>Momiji", "20 points", {"oct_10.bmp", "oct_5.bmp", "oct_1.bmp", "oct_0.bmp"}},
        {"<h3>Kiri", "20 points", {"dec_20.bmp", "dec_10.bmp", "dec_5.bmp", "dec_0.bmp"}},
        {"<h3>Lights",
         "50 points",
         {"jan_20.bmp", "mar_20.bmp", "aug_20.bmp", "nov_20.bmp", "dec_20.bmp"}},
    };
    for (const auto& meld : melds) {
        SCOPED_TRACE(meld.heading);
        const std::size_t heading = text.find(meld.heading);
        ASSERT_NE(heading, std::string::npos);
        const std::size_t lineEnd = text.find('\n', heading);
        EXPECT_NE(text.substr(heading, lineEnd - heading).find(meld.points), std::string::npos);
        EXPECT_EQ(Matches(R"(<img src="([^"]+)\")", heading, text.find("<h", heading + 3)),
                  meld.cards);
    }
}

}  // namespace
}  // namespace vm
