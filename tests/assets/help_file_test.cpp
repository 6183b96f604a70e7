// The help file opens at its contents page, every link inside it leads somewhere, every
// picture it shows is spoken by its card's name, each meld shows exactly its own cards, and
// tidy finds nothing to warn about. That a card's picture lies beside it is the asset set's
// test.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <tuple>
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
    const std::vector<std::string> links = Matches(R"(<a href="#([^"]+)\")");
    EXPECT_GE(links.size(), 10u);
    for (const std::string& link : links) EXPECT_EQ(std::ranges::count(anchors, link), 1) << link;
    const std::vector<std::string> pictures = Matches(R"(<img src="([^"]+)\")");
    EXPECT_EQ(pictures.size(), 75u);
    for (const std::string& picture : pictures) {
        const std::string alt = " alt=\"" + SpokenCardName(CardName(picture)) + "\"";
        EXPECT_NE(text.find("<img src=\"" + picture + "\"" + alt), std::string::npos) << picture;
    }
    if (std::system("command -v tidy >/dev/null") != 0) GTEST_SKIP() << "tidy is not installed";
    EXPECT_EQ(std::system("tidy -q -e VELMORIA.HLP"), 0) << "tidy's warnings are above";
}

TEST_F(HelpFile, EachMeldShowsItsOwnCardsAndPoints) {
    // The heading, its points and the pictures below it.
    const std::tuple<const char*, const char*, std::vector<std::string>> melds[] = {
        {"<h3>Akai Tan", "30 points", {"jan_5", "feb_5", "mar_5"}},
        {"<h3>Aoi Tan", "30 points", {"jun_5", "sep_5", "oct_5"}},
        {"<h3>Shoubu", "20 points", {"may_10", "may_5", "may_1", "may_0"}},
        {"<h3>Momiji", "20 points", {"oct_10", "oct_5", "oct_1", "oct_0"}},
        {"<h3>Kiri", "20 points", {"dec_20", "dec_10", "dec_5", "dec_0"}},
        {"<h3>Lights", "50 points", {"jan_20", "mar_20", "aug_20", "nov_20", "dec_20"}},
    };
    for (const auto& [title, points, cards] : melds) {
        SCOPED_TRACE(title);
        const std::size_t heading = text.find(title);
        ASSERT_NE(heading, std::string::npos);
        const std::size_t lineEnd = text.find('\n', heading);
        EXPECT_NE(text.substr(heading, lineEnd - heading).find(points), std::string::npos);
        EXPECT_EQ(Matches(R"(<img src="([^"]+)\.bmp")", heading, text.find("<h", heading + 3)),
                  cards);
    }
}

}  // namespace
}  // namespace vm
