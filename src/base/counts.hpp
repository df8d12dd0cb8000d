#pragma once
// A number and the noun it counts, as French writes it: the singular up to
// one ("0 indice", "1 erreur"), an s from two on ("2 indices"), none added
// to a noun that already ends in s, x or z.
#include <string>
#include <string_view>

namespace glossamo {

inline std::string countOf(int n, std::string_view singular) {
    std::string text = std::to_string(n) + " ";
    text += singular;
    const char last = singular.empty() ? ' ' : singular.back();
    if ((n >= 2 || n <= -2) && last != 's' && last != 'x' && last != 'z' && last != ' ') text += 's';
    return text;
}

}  // namespace glossamo
