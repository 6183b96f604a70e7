#include "records/latin1.h"

#include <gtest/gtest.h>

#include <string>

namespace vm {
namespace {

TEST(Latin1, WhatItCannotHoldBecomesOneQuestionMarkWithoutReadingPastTheEnd) {
    const std::pair<std::string, std::string> cases[] = {
        {"Ann\\57|05/12/2026", "Ann\\57|05/12/2026"},
        {"Jos\xC3\xA9 M\xC3\xBCller \xC3\xBF", "Jos\xE9 M\xFCller \xFF"},
        {"\xE8\x8A\xB1", "?"},                 // a kanji, three bytes
        {"a\xF0\x9F\x8C\xB8z", "a?z"},         // an emoji, four bytes
        {"\xE2\x82\xAC 5", "? 5"},             // the euro sign
        {"\xC3", "?"},                         // cut short at the end
        {"\xC3z", "?z"},                       // continuation missing
        {"\x80\xBF", "??"},                    // stray continuation bytes
        {"\xC0\xAF", "??"},                    // overlong "/"
        {"\xED\xA0\x80", "???"},               // a surrogate
        {"\xF8\x88\x80\x80\x80", "?????"},
    };
    for (const auto& [utf8, latin1] : cases) EXPECT_EQ(Utf8ToLatin1(utf8), latin1) << utf8;
}

TEST(Latin1, EveryByteReadsBackToItself) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    EXPECT_EQ(Utf8ToLatin1(Latin1ToUtf8(all)), all);
    EXPECT_EQ(Latin1ToUtf8("Jos\xE9"), "Jos\xC3\xA9");
}

}  // namespace
}  // namespace vm
