#include "records/latin1.h"

#include <gtest/gtest.h>

#include <string>

namespace vm {
namespace {

TEST(Latin1, WhatItCannotHoldBecomesOneQuestionMarkAndEveryByteReadsBack) {
    const std::pair<std::string, std::string> cases[] = {
        {"Ann\\57|05/12/2026", "Ann\\57|05/12/2026"},
        {"Jos\xC3\xA9 M\xC3\xBCller \xC3\xBF", "Jos\xE9 M\xFCller \xFF"},
        {"\xE8\x8A\xB1", "?"},          // a kanji, three bytes
        {"a\xF0\x9F\x8C\xB8z", "a?z"},  // an emoji, four bytes
        {"\xC3", "?"},                  // cut short at the end
        {"\x80\xBF", "??"},             // stray continuation bytes
        {"\xED\xA0\x80", "???"},        // a surrogate
    };
    for (const auto& [utf8, latin1] : cases) EXPECT_EQ(Utf8ToLatin1(utf8), latin1) << utf8;

    std::string all;  // every single byte reads back to itself
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    EXPECT_EQ(Utf8ToLatin1(Latin1ToUtf8(all)), all);
}

}  // namespace
}  // namespace vm
