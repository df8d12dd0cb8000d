#pragma once
// The one anagram a letter game builds its puzzle around.
#include <string>

namespace glossamo {

struct ProgramState;

// The one other word of the list made of exactly these letters; empty when there
// is none or more than one.
std::string onlyAnagram(const ProgramState& s, const std::string& letters);

}  // namespace glossamo
