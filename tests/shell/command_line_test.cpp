#include "shell/command_line.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace glossamo::testing {

namespace {

CommandLine read(std::vector<const char*> options) {
    options.insert(options.begin(), "glossamo");
    return readCommandLine(static_cast<int>(options.size()), options.data());
}

}  // namespace

// The first option that asks for a text or is not understood decides, before
// any window; --windowed alone plays in a window.
TEST(CommandLine, TheFirstDecisiveOptionWins) {
    EXPECT_EQ(read({}).action, CommandLine::Action::Play);
    EXPECT_FALSE(read({}).windowed);
    EXPECT_TRUE(read({"--windowed"}).windowed);
    EXPECT_EQ(read({"--windowed", "--help"}).action, CommandLine::Action::ShowHelp);
    EXPECT_EQ(read({"--version", "--bogus"}).action, CommandLine::Action::ShowVersion);
    const CommandLine refused = read({"--windowed", "-windowed", "--help"});
    EXPECT_EQ(refused.action, CommandLine::Action::RefuseOption);
    EXPECT_EQ(refused.refusedOption, "-windowed");
    EXPECT_NE(refusedOptionText("--fen\xC3\xAAtre").find("\xC2\xAB --fen\xC3\xAAtre \xC2\xBB"), std::string::npos)
        << "the option as given, between UTF-8 quotes";
}

}  // namespace glossamo::testing
