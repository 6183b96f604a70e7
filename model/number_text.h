#pragma once
// The two number conventions of the game's texts and files: numbers shown with a sign
// position, and decimal text read leniently and rounded half to even.

#include <cstdint>
#include <string>
#include <string_view>

namespace vm {

// Decimal digits preceded by one blank when the number is 0 or more, by "-" otherwise.
std::string NumberText(int value);
// The same, written over `text`; for the labels rewritten on every capture and draw.
void SetNumberText(std::string& text, int value);

// Reads a decimal number from the start of the text: blanks are ignored anywhere, an optional
// sign, digits with an optional fraction; reading stops at the first character that cannot
// continue the number. No digits give 0.
double ReadDecimal(std::string_view text);

// Nearest whole number, halves going to the even neighbour, clamped to 16 bits.
std::int16_t RoundToInt16(double value);

}  // namespace vm
