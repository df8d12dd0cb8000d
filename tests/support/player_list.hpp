#pragma once
// A teacher's word list as a player would bring it, written as the program
// keeps it (Latin-1, accents and all): enough words of six letters for
// every level of cut words, and of every length the other games hide.
#include <string>
#include <vector>

#include "state/program_state.hpp"

namespace glossamo::testing {

inline OwnList classList() {
    return {"CE1 SEMAINE 3",
            {"\xE9" "cole", "maison", "jardin", "cahier", "crayon", "bureau", "tableau", "\xE9" "l\xE8" "ve",
             "cartable", "r\xE8" "gle", "gomme", "lettre", "papier", "dessin", "livre", "classe", "r\xE9" "cr\xE9" "ation",
             "ch\xE2" "teau", "for\xEA" "t", "oiseau", "cheval", "mouton", "lit", "eau"}};
}

}  // namespace glossamo::testing
