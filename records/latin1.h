#pragma once
// The data files hold single-byte Latin-1 text; the program keeps its text in UTF-8.

#include <string>
#include <string_view>

namespace vm {

// Each character becomes one byte; a character Latin-1 cannot hold, or a byte that is not
// valid UTF-8, becomes "?".
std::string Utf8ToLatin1(std::string_view utf8);

// Every byte is a Latin-1 character, so any file reads back as valid UTF-8.
std::string Latin1ToUtf8(std::string_view latin1);

}  // namespace vm
