// Runs a fuzz target once over every file of the directories (or files)
// named on the command line: what the target does in a build without
// libFuzzer, so that each seed is an ordinary test.

#include "fuzz_target.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

void runFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path named(argv[i]);
        if (std::filesystem::is_directory(named)) {
            for (const auto& entry : std::filesystem::directory_iterator(named)) {
                if (!entry.is_regular_file()) continue;
                runFile(entry.path());
                ++inputs;
            }
        } else {
            runFile(named);
            ++inputs;
        }
    }
    std::printf("%d inputs ran\n", inputs);
    return inputs > 0 ? 0 : 1;
}
