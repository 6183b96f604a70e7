// Any bytes read as an options file: no crash, seven lines saved, and what one save writes
// reads back to itself.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/crlf_lines.h"
#include "records/options_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string saved = vm::FormatOptions(vm::ParseOptions(bytes).Options);
    if (CountCrLfLines(saved) != 7) std::abort();
    if (vm::FormatOptions(vm::ParseOptions(saved).Options) != saved) std::abort();
    return 0;
}
