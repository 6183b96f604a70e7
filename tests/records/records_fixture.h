#pragma once
// A fresh folder per test, the scripted host, and a session whose program folder is that fresh
// folder; and the files the first start writes there.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "play/session.h"
#include "tests/support/scripted_host.h"

namespace vm::test {

inline constexpr const char* DefaultOptionsFile =
    "[suitsandscores]=on\r\n"
    "[debug]=off\r\n"
    "[speed]=3\r\n"
    "[sound]=on\r\n"
    "[music]=on\r\n"
    "[musictrack]=haiku.mid\r\n"
    "[cardback]=back.bmp\r\n";
// The ten placeholder rows: "Player N\0|00/00/0000" for N from 1 to 10, each ended by CR LF.
inline std::string PlaceholderScoresFile() {
    std::string text;
    for (int row = 1; row <= 10; ++row)
        text += "Player " + std::to_string(row) + "\\0|00/00/0000\r\n";
    return text;
}

class RecordsTest : public ::testing::Test {
protected:
    RecordsTest() { session.ProgramFolder = folder; }
    ~RecordsTest() override { std::filesystem::remove_all(folder); }

    std::string Path(const std::string& name) const { return folder + name; }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        std::ifstream file(Path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    // What the folder holds, sorted.
    std::vector<std::string> Contents() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // With a trailing "/", as the program's folder is given.
    const std::string folder = [] {
        std::string name =
            (std::filesystem::temp_directory_path() / "velmoria-records-XXXXXX").string();
        if (::mkdtemp(name.data()) == nullptr) std::abort();
        return name + "/";
    }();
    ScriptedHost host;
    Session session{host};
};

}  // namespace vm::test
