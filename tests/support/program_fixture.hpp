#pragma once
// A fresh program on the headless platform, for tests of the shell.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/system_path.hpp"
#include "platform/headless_platform.hpp"
#include "state/program_state.hpp"

namespace glossamo::testing {

// A folder of its own for one test, removed afterwards.
class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "glossamo-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data()) ? pattern : "";
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder, with a trailing '/'.
    SystemPath path() const { return SystemPath::fromSystem(path_ + "/"); }
    // The folder, without it (as $HOME is given).
    const std::string& bare() const { return path_; }
    // Creates the file `name` (and its folders) holding `content`.
    void write(const std::string& name, const std::string& content = "x") const {
        const std::filesystem::path file = std::filesystem::path(path_) / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << content;
    }
    void makeFolder(const std::string& name) const {
        std::filesystem::create_directories(std::filesystem::path(path_) / name);
    }

private:
    std::string path_;
};

// Sets an environment variable (or removes it, given nothing) while it
// lives, then puts back what it was.
class ScopedVariable {
public:
    ScopedVariable(std::string name, const std::optional<std::string>& value) : name_(std::move(name)) {
        if (const char* old = std::getenv(name_.c_str())) old_ = old;
        set(value);
    }
    ~ScopedVariable() { set(old_); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    void set(const std::optional<std::string>& value) const {
        if (value)
            setenv(name_.c_str(), value->c_str(), 1);
        else
            unsetenv(name_.c_str());
    }
    std::string name_;
    std::optional<std::string> old_;
};

class ProgramFixture : public ::testing::Test {
protected:
    HeadlessPlatform platform;
    std::unique_ptr<ProgramState> state = std::make_unique<ProgramState>(platform);
    ProgramState& s = *state;

    // A game that has been started and built, on screen 0, past the title.
    void runGame(const char* title = "LE PENDU") {
        s.app.titleShowing = 0;
        s.app.screen = 0;
        s.app.gameTitle = title;
        s.game.gameId = 8;
        s.game.built = 1;
    }

    bool logHas(const std::string& text) const {
        for (const std::string& line : s.debugLines)
            if (line == "DeBuG Info:>" + text) return true;
        return false;
    }
};

}  // namespace glossamo::testing
