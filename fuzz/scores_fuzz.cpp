// Any bytes read as a high-score file: no crash, ten lines saved, what one save writes reads
// back to itself, and the same bytes typed as a name still give a line that reads back.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/crlf_lines.h"
#include "records/high_score_rules.h"
#include "records/high_scores_file.h"
#include "records/latin1.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (vm::Utf8ToLatin1(vm::Latin1ToUtf8(bytes)) != bytes) std::abort();

    const std::string saved = vm::FormatHighScores(vm::ParseHighScores(bytes));
    if (CountCrLfLines(saved) != 10) std::abort();
    if (vm::FormatHighScores(vm::ParseHighScores(saved)) != saved) std::abort();

    vm::HighScoreTable fresh = vm::PlaceholderTable();
    vm::InsertHighScore(fresh, 40, vm::Latin1ToUtf8(bytes), "01/01/2026");
    const std::string withName = vm::FormatHighScores(fresh);
    if (CountCrLfLines(withName) != 10) std::abort();
    if (vm::ParseHighScores(withName)[1].Score != 40) std::abort();
    return 0;
}
