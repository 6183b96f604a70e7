// The help file opens at its contents page, every link inside it leads somewhere, every
// picture it shows is a file beside it, and each meld shows exactly its own cards.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace vm {
namespace {

std::string HelpText() {
    std::ifstream in("VELMORIA.HLP", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> AllMatches(const std::string& text, const std::string& pattern) {
    std::vector<std::string> found;
    const std::regex re(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator();
         ++it) {
        found.push_back((*it)[1].str());
    }
    return found;
}

// The picture names between one heading and the next.
std::vector<std::string> PicturesUnder(const std::string& text, const std::string& heading) {
    const std::size_t start = text.find(heading);
    if (start == std::string::npos) {
        return {};
    }
    const std::size_t end = text.find("<h", start + heading.size());
    return AllMatches(text.substr(start, end - start), R"(<img src="([^"]+)\")");
}

TEST(HelpFile, IsHtmlThatOpensAtItsContents) {
    const std::string text = HelpText();
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.find("<html>"), std::string::npos);
    const std::size_t contents = text.find("<h2>Contents</h2>");
    ASSERT_NE(contents, std::string::npos);
    EXPECT_EQ(text.find("<h2>"), contents) << "the contents must be the first section";
}

TEST(HelpFile, EveryInternalLinkHasItsAnchor) {
    const std::string text = HelpText();
    const std::vector<std::string> anchors = AllMatches(text, R"(<a name="([^"]+)\")");
    const std::set<std::string> named(anchors.begin(), anchors.end());
    const std::vector<std::string> links = AllMatches(text, R"(<a href="#([^"]+)\")");
    EXPECT_GE(links.size(), 10u);
    for (const std::string& link : links) {
        EXPECT_TRUE(named.contains(link)) << "#" << link;
    }
}

TEST(HelpFile, EveryPictureIsAFileBesideIt) {
    for (const std::string& picture : AllMatches(HelpText(), R"(<img src="([^"]+)\")")) {
        EXPECT_TRUE(std::filesystem::is_regular_file(picture)) << picture;
    }
}

TEST(HelpFile, ExplainsEveryOptionOfTheMenu) {
    const std::string text = HelpText();
    for (const char* option :
         {"Suit and Scores", "Debug", "Fast", "Moderate", "Slow", "Sound Effects",
          "Background Music", "Choose Music", "Save Options"}) {
        EXPECT_NE(text.find(option), std::string::npos) << option;
    }
}

TEST(HelpFile, EachMeldShowsItsOwnCardsAndPoints) {
    const std::string text = HelpText();
    struct Meld {
        std::string heading;
        std::vector<std::string> cards;
    };
    const std::vector<Meld> melds = {
        {"<h3>Akai Tan", {"jan_5.bmp", "feb_5.bmp", "mar_5.bmp"}},
        {"<h3>Aoi Tan", {"jun_5.bmp", "sep_5.bmp", "oct_5.bmp"}},
        {"<h3>Shoubu", {"may_10.bmp", "may_5.bmp", "may_1.bmp", "may_0.bmp"}},
        {"<h3>Momiji", {"oct_10.bmp", "oct_5.bmp", "oct_1.bmp", "oct_0.bmp"}},
        {"<h3>Kiri", {"dec_20.bmp", "dec_10.bmp", "dec_5.bmp", "dec_0.bmp"}},
        {"<h3>Lights", {"jan_20.bmp", "mar_20.bmp", "aug_20.bmp", "nov_20.bmp", "dec_20.bmp"}},
    };
    const std::vector<std::string> points = {"30 points", "30 points", "20 points",
                                             "20 points", "20 points", "50 points"};
    for (std::size_t i = 0; i < melds.size(); ++i) {
        EXPECT_EQ(PicturesUnder(text, melds[i].heading), melds[i].cards) << melds[i].heading;
        const std::size_t heading = text.find(melds[i].heading);
        ASSERT_NE(heading, std::string::npos) << melds[i].heading;
        EXPECT_NE(text.substr(heading, text.find('\n', heading) - heading).find(points[i]),
                  std::string::npos)
            << melds[i].heading;
    }
}

}  // namespace
}  // namespace vm
