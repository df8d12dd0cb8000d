#pragma once
// What the fuzz targets share: a scratch folder of their own, and the whole
// program started headless on a private copy of the built program folder,
// brought back to its started state before each input.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/headless_platform.hpp"
#include "state/program_state.hpp"

namespace glossamo::fuzz {

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A folder of this process, with a trailing '/', removed when it ends.
const std::string& scratchFolder();
// Writes `bytes` as the whole file `path`.
void writeFile(const std::string& path, std::string_view bytes);

class FuzzProgram {
public:
    // The program, started on first use: its folder links to the built
    // program's files, its player's folder is inside the scratch folder.
    static FuzzProgram& get();

    HeadlessPlatform platform;
    std::unique_ptr<ProgramState> state;
    ProgramState& s;

    // Puts a file of our own in place of the built one (`relative` to the
    // program's folder, "bin/grilles.txt").
    void replaceDataFile(const std::string& relative, std::string_view bytes);
    // Every record as it was right after start-up, the clock and the random
    // generator included.
    void restore();
    void frames(int n);
    void click(int x, int y);

    struct Snapshot;

private:
    FuzzProgram();
    std::unique_ptr<Snapshot> started_;
};

}  // namespace glossamo::fuzz
