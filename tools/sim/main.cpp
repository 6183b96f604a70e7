// velmoria-sim [--games N] [--seed S] [--trace]: whole games without a window, for checking
// the rules at scale and measuring the engine's speed.

#include <chrono>
#include <cstdint>
#include <iomanip>
#include <iostream>
#include <string>

#include "tools/sim/simulator.h"

namespace {

bool ReadNumber(const char* text, unsigned long long& value) {
    try {
        std::size_t used = 0;
        value = std::stoull(text, &used);
        return text[used] == '\0';
    } catch (const std::exception&) {
        return false;
    }
}

int Usage() {
    std::cerr << "usage: velmoria-sim [--games N] [--seed S] [--trace]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    unsigned long long games = 1000;
    unsigned long long seed = static_cast<unsigned long long>(
        std::chrono::system_clock::now().time_since_epoch().count());
    bool trace = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--trace") {
            trace = true;
        } else if ((arg == "--games" || arg == "--seed") && i + 1 < argc) {
            if (!ReadNumber(argv[++i], arg == "--games" ? games : seed)) return Usage();
        } else {
            return Usage();
        }
    }

    std::ios::sync_with_stdio(false);
    const auto start = std::chrono::steady_clock::now();
    const vm::SimulationSummary summary = vm::RunSimulation(
        static_cast<long>(games), static_cast<std::uint64_t>(seed), trace ? &std::cout : nullptr);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    vm::WriteSummary(std::cout, summary);
    std::cout << std::fixed << std::setprecision(3) << "seconds " << seconds << '\n';
    std::cout << "games_per_second "
              << static_cast<long long>(seconds > 0 ? static_cast<double>(summary.Games) / seconds
                                                    : 0)
              << '\n';
    return summary.InvariantViolations == 0 ? 0 : 1;
}
