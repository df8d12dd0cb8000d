#pragma once
// Reading one proverb out of the lines of a proverb file, where a line that
// starts with '.' separates two proverbs.
#include <string>
#include <vector>

namespace glossamo {

// The proverb after the first separator line that follows line `start` of
// `lines`, wrapping past the last line: its lines joined with blanks,
// folded and in capitals, closing separator line included. Empty when the
// lines hold no proverb.
std::string readProverb(const std::vector<std::string>& lines, int start);

}  // namespace glossamo
