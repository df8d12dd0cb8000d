// Runs fuzz targets over files, the way libFuzzer runs one input:
//   fuzz_replay <target> <file or folder>...
// Folders are read file by file. A fault found ends the process (under the
// sanitizers, with their report); a clean run prints the inputs' count.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "fuzz_target.hpp"

namespace glossamo::fuzz {

namespace {

std::map<std::string, Target>& targets() {
    static std::map<std::string, Target> all;
    return all;
}

int runFile(Target target, const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    target(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return 1;
}

}  // namespace

bool registerTarget(const char* name, Target target) {
    targets()[name] = target;
    return true;
}

}  // namespace glossamo::fuzz

int main(int argc, char** argv) {
    using namespace glossamo::fuzz;
    const auto found = argc >= 2 ? targets().find(argv[1]) : targets().end();
    if (found == targets().end()) {
        std::fprintf(stderr, "usage: fuzz_replay <target> <file or folder>...\ntargets:");
        for (const auto& [name, target] : targets()) std::fprintf(stderr, " %s", name.c_str());
        std::fprintf(stderr, "\n");
        return 2;
    }
    int inputs = 0;
    for (int i = 2; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        if (!std::filesystem::is_directory(path)) {
            inputs += runFile(found->second, path);
            continue;
        }
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path))
            if (entry.is_regular_file()) files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const auto& file : files) inputs += runFile(found->second, file);
    }
    std::printf("%s: %d inputs, no fault\n", argv[1], inputs);
    return inputs > 0 ? 0 : 1;
}
