// A fuzz target without the fuzzer, for the normal test run: every input file in the folders
// named, then N inputs made from them with a few bytes changed, or of random bytes when there
// is none. Usage: fuzz-TARGET [--random N] FOLDER...
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

static void Run(const std::string& input) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
}

int main(int argc, char** argv) {
    std::vector<std::string> inputs;
    long rounds = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--random") == 0 && i + 1 < argc) {
            rounds = std::strtol(argv[++i], nullptr, 10);
            continue;
        }
        if (!std::filesystem::is_directory(argv[i])) continue;   // a target without regressions yet
        std::vector<std::filesystem::path> files(std::filesystem::directory_iterator(argv[i]), {});
        std::sort(files.begin(), files.end());   // the same inputs in the same order on every machine
        for (const auto& file : files) {
            std::ifstream stream(file, std::ios::binary);
            inputs.emplace_back(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
            Run(inputs.back());
        }
    }
    std::mt19937 random(1041);
    for (long round = 0; round < rounds; ++round) {
        std::string input;
        if (inputs.empty()) {
            input.resize(random() % 1024);
            for (char& byte : input) byte = static_cast<char>(random());
        } else {
            input = inputs[random() % inputs.size()];
            for (int change = 1 + random() % 8; change > 0 && !input.empty(); --change)
                input[random() % input.size()] = static_cast<char>(random());
        }
        Run(input);
    }
    std::printf("%zu inputs and %ld changed or random ones: every promise kept\n", inputs.size(), rounds);
    return 0;
}
