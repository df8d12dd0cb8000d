#pragma once
// The program's texts are Latin-1, like its data files; the file system and
// SDL speak UTF-8. These convert at that border.
#include <optional>
#include <string>
#include <string_view>

namespace glossamo {

std::string latin1ToUtf8(std::string_view latin1);
// Characters outside Latin-1, and malformed bytes, become '?'.
std::string utf8ToLatin1(std::string_view utf8);
// The text with a..z turned into capitals (other characters unchanged).
std::string upperAscii(std::string_view text);
// One blank between words and none around them: the titles line up their
// levels with blanks that lists and columns have no room for.
std::string singleBlanks(std::string_view text);
// The code points of a UTF-8 text; nothing when it is malformed.
std::optional<std::u32string> decodeUtf8(std::string_view utf8);

}  // namespace glossamo
