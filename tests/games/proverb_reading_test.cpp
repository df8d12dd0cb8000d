// A proverb read out of the lines of a proverb file.
#include "games/proverb_reading.hpp"

#include <gtest/gtest.h>

namespace glossamo::testing {

TEST(ProverbReading, JoinsLinesAndWrapsPastTheLastSeparator) {
    const std::vector<std::string> lines = {".", "Qui vivra", "verra", ".", "L'\xE9t\xE9", "."};
    EXPECT_EQ(readProverb(lines, 0), " L'ETE .") << "the search starts on the line after the start";
    EXPECT_EQ(readProverb(lines, 5), " QUI VIVRA VERRA .");
    EXPECT_EQ(readProverb(lines, 3), " QUI VIVRA VERRA .")
        << "after the last separator the list starts again, skipping the empty proverb between the last and first lines";
    EXPECT_EQ(readProverb({"no separator", "at all"}, 0), "");
    EXPECT_EQ(readProverb({}, 0), "");
}

}  // namespace glossamo::testing
