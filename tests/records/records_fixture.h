#pragma once
// A fresh folder per test, the scripted host, and a session whose program folder is that fresh
// folder.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "play/session.h"
#include "tests/support/scripted_host.h"

namespace vm::test {

// What the first start writes into an empty folder.
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
    for (int row = 1; row <= 10; ++row) {
        text += "Player " + std::to_string(row) + "\\0|00/00/0000\r\n";
    }
    return text;
}

class ScratchFolder {
public:
    ScratchFolder() {
        std::string name =
            (std::filesystem::temp_directory_path() / "velmoria-records-XXXXXX").string();
        if (::mkdtemp(name.data()) == nullptr) std::abort();
        path_ = name;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder with a trailing "/", as the program's folder is given.
    std::string Folder() const { return path_ + "/"; }
    std::string Path(std::string_view name) const { return Folder() + std::string(name); }
    void Write(std::string_view name, std::string_view bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }
    std::string Read(std::string_view name) const {
        std::ifstream file(Path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::string path_;
};

class RecordsTest : public ::testing::Test {
protected:
    RecordsTest() { session.ProgramFolder = folder.Folder(); }

    ScratchFolder folder;
    ScriptedHost host;
    Session session{host};
};

}  // namespace vm::test
