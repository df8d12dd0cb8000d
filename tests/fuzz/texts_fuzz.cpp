// The comments and countries readers: the input is given as both the
// comments file and the countries file (each reader takes its own section),
// then the menus and the travel map are drawn with what was read.
#include "fuzz_support.hpp"
#include "fuzz_target.hpp"
#include "texts/comments_and_help.hpp"
#include "travel/travel_mode.hpp"

using namespace glossamo;

FUZZ_TARGET(texts) {
    fuzz::FuzzProgram& program = fuzz::FuzzProgram::get();
    ProgramState& s = program.s;
    program.restore();
    const std::string_view text = fuzz::bytesOf(data, size);
    program.replaceDataFile("txt/Commentaires.dta", text);
    program.replaceDataFile("txt/voyage.dta", text);
    const SystemPath userDir = s.userDir;
    ChargeCommentaires(s);
    // The player's folder named by the comments is never written here.
    s.userDir = userDir;
    Chargepays(s);
    program.frames(1);
    startTravel(s);
    program.frames(1);
    return 0;
}
