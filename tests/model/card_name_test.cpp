#include "model/card_name.h"

#include <gtest/gtest.h>

#include <string>

namespace vm {
namespace {

// A name of either picture set, or any other text an edited options file gives, is the file
// name it stands for: it reads back exactly and compares by its text, letter case included.
TEST(CardName, EveryTextReadsBackExactlyAndComparesByText) {
    for (const char* text : {"jan_20.bmp", "deco_0.bmp", "Jan_20.bmp", "red_back.bmp", ""}) {
        const CardName card(text);
        EXPECT_EQ(card.Text(), text);
        EXPECT_EQ(card, CardName(std::string(text)));
        EXPECT_EQ(card.empty(), *text == '\0') << text;
    }
    for (const char* other : {"Jan_20.bmp", "jano_20.bmp", "jan_20.bmpx", ""})
        EXPECT_NE(CardName("jan_20.bmp"), CardName(other)) << other;
}

}  // namespace
}  // namespace vm
