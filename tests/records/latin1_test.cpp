#include "records/latin1.h"

#include <gtest/gtest.h>

#include <string>

namespace vm {
namespace {

TEST(Latin1, PlainAsciiIsUnchangedBothWays) {
    const std::string text = "Ann\\57|05/12/2026";
    EXPECT_EQ(Utf8ToLatin1(text), text);
    EXPECT_EQ(Latin1ToUtf8(text), text);
}

TEST(Latin1, AccentedLettersBecomeOneByteAndComeBack) {
    const std::string utf8 = "Jos\xC3\xA9 M\xC3\xBCller \xC3\xBF";  // José Müller ÿ
    const std::string latin1 = Utf8ToLatin1(utf8);
    EXPECT_EQ(latin1, "Jos\xE9 M\xFCller \xFF");
    EXPECT_EQ(Latin1ToUtf8(latin1), utf8);
}

TEST(Latin1, CharactersLatin1CannotHoldBecomeOneQuestionMarkEach) {
    EXPECT_EQ(Utf8ToLatin1("\xE8\x8A\xB1"), "?");                    // a kanji, three bytes
    EXPECT_EQ(Utf8ToLatin1("a\xF0\x9F\x8C\xB8z"), "a?z");           // an emoji, four bytes
    EXPECT_EQ(Utf8ToLatin1("\xE2\x82\xAC 5"), "? 5");               // the euro sign
}

TEST(Latin1, BrokenUtf8BecomesQuestionMarksWithoutReadingPastTheEnd) {
    EXPECT_EQ(Utf8ToLatin1("\xC3"), "?");                 // cut short at the end
    EXPECT_EQ(Utf8ToLatin1("\xC3z"), "?z");               // continuation missing
    EXPECT_EQ(Utf8ToLatin1("\x80\xBF"), "??");            // stray continuation bytes
    EXPECT_EQ(Utf8ToLatin1("\xC0\xAF"), "??");            // overlong "/"
    EXPECT_EQ(Utf8ToLatin1("\xED\xA0\x80"), "???");       // a surrogate
    EXPECT_EQ(Utf8ToLatin1("\xF8\x88\x80\x80\x80"), "?????");
}

TEST(Latin1, EveryByteReadsBackToItself) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    EXPECT_EQ(Utf8ToLatin1(Latin1ToUtf8(all)), all);
}

}  // namespace
}  // namespace vm
