// gridgen: writes the crossword grid files of the word games, and checks them.
//
//   gridgen make --dict WORDS [--rank FREQUENT] --seed N --out FILE
//                --grids SIDE:COUNT:START:MAX[:MIN] [--grids ...] [options]
//   gridgen remake --dict WORDS [--rank FREQUENT] --seed N --out FILE
//                --grids SIDE:COUNT:START:MAX[:MIN] [--grids ...] [options] OLDFILE
//   gridgen check --dict WORDS [--rank FREQUENT] FILE
//   gridgen prove --dict WORDS [--accept WORDS ...] [--block WORDS ...] FILE...
//   gridgen rank --dict WORDS --rank FREQUENT --out FILE GRIDFILE
//
// See README.md beside this file.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "generator.hpp"
#include "layout.hpp"
#include "lexicon.hpp"
#include "uniqueness.hpp"

namespace {

using namespace gridgen;

struct Options {
    std::string command;
    std::string dictionary;
    std::string rank;
    std::string out;
    std::vector<std::string> files;
    std::uint64_t seed = 1;
    int threads = 2;
    LexiconOptions lexicon;
    std::vector<std::pair<SizePlan, int>> plans;  // plan and grids wanted
    FillSettings fill;
    bool symmetric = false;
    int removals = 8;
    int proposals = 40;
    std::map<int, int> improveSteps;  // by side; 5000 when not given
    int refillRings = 2;
    // The words a player's answer is judged against, beside the whole
    // dictionary, and the words taken out of them.
    std::vector<std::string> accepted;
    std::vector<std::string> blocked;
    long proofBudget = 200000;  // search nodes per puzzle
};

[[noreturn]] void usage(const std::string& problem) {
    std::cerr << "gridgen: " << problem << "\n"
              << "usage: gridgen make --dict WORDS [--rank FREQUENT] --seed N --out FILE\n"
              << "                    --grids SIDE:COUNT:START:MAX[:MIN] [--grids ...]\n"
              << "                    [--threads N] [--ranked-only] [--rank-cut N]\n"
              << "                    [--short-cut LENGTH:RANK ...] [--avoid WORDS]\n"
              << "                    [--budget DEADENDS] [--bias B] [--noise T] [--choices K]\n"
              << "                    [--removals N] [--proposals N] [--improve SIDE:STEPS ...]\n"
              << "                    [--rings N] [--symmetric]\n"
              << "       gridgen remake (the options of make) OLDFILE\n"
              << "       gridgen check --dict WORDS [--rank FREQUENT] FILE...\n"
              << "       gridgen prove --dict WORDS [--accept WORDS ...] [--block WORDS ...]\n"
              << "                     [--proof-budget NODES] FILE...\n"
              << "       gridgen rank --dict WORDS --rank FREQUENT --out FILE GRIDFILE\n"
              << "       (make and remake take --accept, --block and --proof-budget too)\n";
    std::exit(2);
}

std::vector<int> numbers(const std::string& text) {
    std::vector<int> out;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, ':')) out.push_back(std::stoi(part));
    return out;
}

Options parse(int argc, char** argv) {
    Options options;
    if (argc < 2) usage("no command");
    options.command = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc) usage(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--dict") options.dictionary = value();
        else if (arg == "--rank") options.rank = value();
        else if (arg == "--out") options.out = value();
        else if (arg == "--seed") options.seed = std::stoull(value());
        else if (arg == "--threads") options.threads = std::max(1, std::stoi(value()));
        else if (arg == "--ranked-only") options.lexicon.rankedOnly = true;
        else if (arg == "--rank-cut") options.lexicon.rankCut = std::stoi(value());
        else if (arg == "--avoid") options.lexicon.avoided = readWordSet(value());
        else if (arg == "--short-cut") {
            const std::vector<int> v = numbers(value());
            if (v.size() != 2) usage("--short-cut wants LENGTH:RANK");
            options.lexicon.shortCuts.push_back({v[0], v[1]});
        }
        else if (arg == "--budget") options.fill.failureBudget = std::stol(value());
        else if (arg == "--bias") options.fill.commonBias = std::stod(value());
        else if (arg == "--noise") options.fill.noise = std::stod(value());
        else if (arg == "--choices") options.fill.wordsPerChoice = std::stoi(value());
        else if (arg == "--removals") options.removals = std::stoi(value());
        else if (arg == "--proposals") options.proposals = std::stoi(value());
        else if (arg == "--symmetric") options.symmetric = true;
        else if (arg == "--improve") {
            const std::vector<int> v = numbers(value());
            if (v.size() != 2) usage("--improve wants SIDE:STEPS");
            options.improveSteps[v[0]] = v[1];
        }
        else if (arg == "--rings") options.refillRings = std::stoi(value());
        else if (arg == "--accept") options.accepted.push_back(value());
        else if (arg == "--block") options.blocked.push_back(value());
        else if (arg == "--proof-budget") options.proofBudget = std::stol(value());
        else if (arg == "--grids") {
            const std::vector<int> v = numbers(value());
            if (v.size() < 4 || v.size() > 5 || v[0] < 2 || v[0] > MaxSide) usage("--grids wants SIDE:COUNT:START:MAX[:MIN]");
            SizePlan plan;
            plan.side = v[0];
            plan.startBlacks = v[2];
            plan.maxBlacks = v[3];
            plan.minBlacks = v.size() > 4 ? v[4] : 0;
            options.plans.emplace_back(plan, v[1]);
        } else if (!arg.empty() && arg[0] == '-') usage("unknown option " + arg);
        else options.files.push_back(arg);
    }
    if (options.dictionary.empty()) usage("--dict is required");
    return options;
}

std::string sizeKey(int side) { return std::to_string(side) + "x" + std::to_string(side); }

// The words counted as common in the figures: the most frequent of the
// frequency list.
constexpr int TopRank = 10000;

// Figures over the grids of one size.
struct Tally {
    int grids = 0;
    int blacks = 0;
    double maxShare = 0;
    int words = 0;
    int shortWords = 0;  // two letters
    int ranked = 0;
    int top = 0;  // ranked among the TopRank most frequent

    void add(const std::string& cells, int side, const Lexicon& lexicon) {
        ++grids;
        int b = 0;
        for (const char c : cells) b += c == '*';
        blacks += b;
        maxShare = std::max(maxShare, static_cast<double>(b) / (side * side));
        for (const std::string& word : gridWords(cells, side)) {
            ++words;
            shortWords += word.size() == 2;
            const int rank = lexicon.rankOf(word);
            ranked += rank >= 0;
            top += rank >= 0 && rank < TopRank;
        }
    }
    void print(int side, double seconds) const {
        std::printf("%-6s grids %4d  black mean %5.1f%% max %5.1f%%  2-letter %5.1f%%  ranked %5.1f%%  top %5.1f%%",
                    sizeKey(side).c_str(), grids, 100.0 * blacks / std::max(1, grids * side * side),
                    100.0 * maxShare, 100.0 * shortWords / std::max(1, words), 100.0 * ranked / std::max(1, words),
                    100.0 * top / std::max(1, words));
        if (seconds > 0) std::printf("  %.1f s, %.1f grids/min", seconds, 60.0 * grids / seconds);
        std::printf("\n");
    }
};

int check(const Options& options, const Lexicon& lexicon) {
    int faults = 0;
    for (const std::string& path : options.files) {
        std::map<int, Tally> tallies;
        std::set<std::string> seen;
        int lineNumber = 0;
        for (const std::string& line : readLines(path)) {
            ++lineNumber;
            const auto equals = line.find('=');
            const auto cross = line.find('x');
            std::string fault;
            int side = 0;
            if (equals == std::string::npos || cross == std::string::npos || cross > equals) {
                fault = "no size key";
            } else {
                side = std::stoi(line.substr(0, cross));
                if (line.substr(0, equals) != sizeKey(side)) fault = "bad size key";
                else if (!seen.insert(line).second) fault = "grid twice";
                else fault = gridFault(line.substr(equals + 1), side, lexicon);
            }
            if (!fault.empty()) {
                std::printf("%s:%d: %s\n", path.c_str(), lineNumber, fault.c_str());
                ++faults;
            } else {
                tallies[side].add(line.substr(equals + 1), side, lexicon);
            }
        }
        std::printf("%s\n", path.c_str());
        for (const auto& [side, tally] : tallies) tally.print(side, 0);
    }
    return faults == 0 ? 0 : 1;
}

// A grid's rank is the frequency rank (from 1) of its rarest word among the
// dictionary's ranked words; a grid with an unranked word ranks past them all.
constexpr int UnrankedGrid = 999999;

int gridRank(const std::string& cells, int side, const Lexicon& lexicon) {
    int rarest = 0;
    for (const std::string& word : gridWords(cells, side)) {
        const int rank = lexicon.rankOf(word);
        rarest = std::max(rarest, rank < 0 ? UnrankedGrid : rank + 1);
    }
    return rarest;
}

// Writes one line per grid of the grid file, in its order: the grid's size
// key and rank ("6x6 1234"), so that the games can keep to the grids of
// common words without the grid file changing.
int rank(const Options& options, const Lexicon& lexicon) {
    if (options.files.size() != 1 || options.out.empty()) usage("rank wants --out FILE and one grid file");
    std::ofstream out(options.out, std::ios::binary);
    if (!out) usage("cannot write " + options.out);
    for (const std::string& line : readLines(options.files.front())) {
        const auto equals = line.find('=');
        const auto cross = line.find('x');
        const bool keyed = equals != std::string::npos && cross != std::string::npos && cross < equals;
        if (!keyed) continue;
        const int side = std::stoi(line.substr(0, cross));
        out << line.substr(0, equals) << ' ' << gridRank(line.substr(equals + 1), side, lexicon) << "\r\n";
    }
    if (!out) throw std::runtime_error("cannot write " + options.out);
    return 0;
}

// One line of a grid file: its side and cells; side 0 when it has no
// proper size key.
struct GridLine {
    int side = 0;
    std::string cells;
};

GridLine parseLine(const std::string& line) {
    const auto equals = line.find('=');
    const auto cross = line.find('x');
    if (equals == std::string::npos || cross == std::string::npos || cross > equals) return {};
    const int side = std::stoi(line.substr(0, cross));
    if (line.substr(0, equals) != sizeKey(side)) return {};
    return {side, line.substr(equals + 1)};
}

// Proves every grid of the files: each puzzle the games make of it has
// exactly one answer. Prints the grids that fail, then per size and puzzle
// the grids with one answer, with two, and those the search gave up on.
int prove(const Options& options, const WordIndex& judged) {
    int faults = 0;
    for (const std::string& path : options.files) {
        struct Count {
            int grids = 0, unique = 0, second = 0, unproven = 0;
            long nodes = 0;
            double seconds = 0;
        };
        std::map<std::pair<int, int>, Count> counts;
        std::map<int, int> gridNumber;
        int lineNumber = 0;
        for (const std::string& line : readLines(path)) {
            ++lineNumber;
            const GridLine grid = parseLine(line);
            if (grid.side < 2 || grid.side > MaxSide || static_cast<int>(grid.cells.size()) != grid.side * grid.side) {
                std::printf("%s:%d: no grid\n", path.c_str(), lineNumber);
                ++faults;
                continue;
            }
            const int number = ++gridNumber[grid.side];
            for (const Puzzle puzzle : puzzlesOfSide(grid.side)) {
                const auto start = std::chrono::steady_clock::now();
                const Proof proof = provePuzzle(puzzle, grid.cells, grid.side, judged, options.proofBudget);
                Count& count = counts[{grid.side, static_cast<int>(puzzle)}];
                count.seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                ++count.grids;
                count.nodes += proof.nodes;
                if (proof.unique()) {
                    ++count.unique;
                    continue;
                }
                ++faults;
                std::printf("%s:%d: %s grid %d, %s: ", path.c_str(), lineNumber, sizeKey(grid.side).c_str(), number,
                            puzzleName(puzzle));
                if (!proof.complete) {
                    ++count.unproven;
                    std::printf("search budget spent\n");
                } else if (proof.answers == 0) {
                    std::printf("the stored answer breaks the rules\n");
                } else {
                    ++count.second;
                    std::printf("second answer %s (grid %s)\n", changedWords(grid.cells, proof.other, grid.side).c_str(),
                                proof.other.c_str());
                }
            }
        }
        std::printf("%s (%zu judged words)\n", path.c_str(), judged.size());
        for (const auto& [key, count] : counts) {
            std::printf("%-6s %-9s grids %4d  one answer %4d  two %4d  unproven %4d  %7.1f nodes/grid  %6.2f s\n",
                        sizeKey(key.first).c_str(), puzzleName(static_cast<Puzzle>(key.second)), count.grids,
                        count.unique, count.second, count.unproven, static_cast<double>(count.nodes) / count.grids,
                        count.seconds);
        }
    }
    std::fflush(stdout);
    return faults == 0 ? 0 : 1;
}

SizePlan planFor(const Options& options, const SizePlan& basePlan) {
    SizePlan plan = basePlan;
    plan.symmetric = options.symmetric;
    plan.removals = options.removals;
    plan.proposals = options.proposals;
    const auto steps = options.improveSteps.find(plan.side);
    plan.improveSteps = steps == options.improveSteps.end() ? 5000 : steps->second;
    plan.refillRings = options.refillRings;
    plan.fill = options.fill;
    plan.refill = options.fill;
    plan.refill.failureBudget = std::max<long>(50, options.fill.failureBudget / 4);
    return plan;
}

// Makes `wanted` new grid lines of one size, none of them in `taken` (which
// gains them). Grid k is made from a seed derived from the seed, the side
// and k alone, and the grids are taken in that order, so the lines are the
// same whatever the thread count.
std::vector<std::string> makeGrids(const Options& options, const Lexicon& lexicon, const WordIndex& judged,
                                   const SizePlan& plan, int wanted, std::set<std::string>& taken) {
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::string> lines;
    Tally tally;
    int failedJobs = 0;
    int refused = 0;  // made, but a puzzle of the grid has a second answer
    long fills = 0;
    long deadEnds = 0;
    long nextJob = 0;
    const int batch = options.threads * 4;
    while (static_cast<int>(lines.size()) < wanted) {
        std::vector<GridResult> results(static_cast<std::size_t>(batch));
        std::atomic<int> next{0};
        const auto work = [&]() {
            for (int k = next++; k < batch; k = next++) {
                const std::uint64_t seed = mix64(options.seed ^ mix64(static_cast<std::uint64_t>(plan.side) * 1000003u +
                                                                      static_cast<std::uint64_t>(nextJob + k)));
                GridResult result = makeGrid(lexicon, plan, seed);
                if (result.made && !uniquenessFault(result.cells, plan.side, judged, options.proofBudget).empty()) {
                    result.made = false;
                    result.refused = true;
                }
                results[static_cast<std::size_t>(k)] = std::move(result);
            }
        };
        std::vector<std::thread> pool;
        for (int t = 1; t < options.threads; ++t) pool.emplace_back(work);
        work();
        for (auto& thread : pool) thread.join();
        nextJob += batch;
        for (const GridResult& result : results) {
            if (static_cast<int>(lines.size()) >= wanted) break;
            if (result.refused) {
                ++refused;
                continue;
            }
            if (!result.made) {
                ++failedJobs;
                continue;
            }
            const std::string fault = gridFault(result.cells, plan.side, lexicon);
            if (!fault.empty()) throw std::logic_error("generated a faulty grid: " + fault + " " + result.cells);
            const std::string line = sizeKey(plan.side) + "=" + result.cells;
            if (!taken.insert(line).second) continue;
            lines.push_back(line);
            tally.add(result.cells, plan.side, lexicon);
            fills += result.fills;
            deadEnds += result.deadEnds;
        }
        const int accepted = static_cast<int>(lines.size());
        if (accepted < wanted && failedJobs > 20 * (accepted + 10)) {
            throw std::runtime_error(sizeKey(plan.side) + ": most jobs give up; allow more black squares");
        }
        if (accepted < wanted && refused > 50 * (accepted + 10)) {
            throw std::runtime_error(sizeKey(plan.side) + ": almost every grid has a puzzle with two answers");
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::fprintf(stderr, "\r%s %d/%d (%d jobs failed, %d refused, %.0f s)   ", sizeKey(plan.side).c_str(), accepted,
                     wanted, failedJobs, refused, seconds);
    }
    std::fprintf(stderr, "\n");
    if (wanted > 0) {
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        tally.print(plan.side, seconds);
        std::printf("       per grid: %.1f fills, %.0f dead ends; %d jobs gave up, %d grids refused for a second answer\n",
                    static_cast<double>(fills) / wanted, static_cast<double>(deadEnds) / wanted, failedJobs, refused);
        std::fflush(stdout);
    }
    return lines;
}

int make(const Options& options, const Lexicon& lexicon, const WordIndex& judged) {
    if (options.out.empty()) usage("--out is required");
    if (options.plans.empty()) usage("no --grids");
    std::ofstream out(options.out, std::ios::binary);
    if (!out) usage("cannot write " + options.out);
    std::set<std::string> written;
    for (const auto& [basePlan, wanted] : options.plans) {
        for (const std::string& line : makeGrids(options, lexicon, judged, planFor(options, basePlan), wanted, written))
            out << line << "\r\n";
    }
    return 0;
}

// Why a grid of an existing file must be made again: a rule it breaks
// against today's dictionary (a word no longer in it, most often), a word
// of the avoid list, or a puzzle with a second answer. Empty when it may
// stay.
std::string staleReason(const std::string& cells, int side, const Options& options, const Lexicon& lexicon,
                        const WordIndex& judged) {
    std::string fault = gridFault(cells, side, lexicon);
    if (!fault.empty()) return fault;
    for (const std::string& word : gridWords(cells, side))
        if (options.lexicon.avoided.count(word) != 0) return "avoided word: " + word;
    return uniquenessFault(cells, side, judged, options.proofBudget);
}

// Re-makes only the grids of an existing file that no longer keep the
// rules, each in its own place; every other line is kept byte for byte.
// A size with fewer grids than its COUNT gets new ones after its last line.
int remake(const Options& options, const Lexicon& lexicon, const WordIndex& judged) {
    if (options.out.empty()) usage("--out is required");
    if (options.files.size() != 1) usage("remake wants one existing grid file");
    std::vector<std::string> lines = readLines(options.files.front());
    std::set<std::string> taken(lines.begin(), lines.end());
    std::map<int, std::vector<std::size_t>> stale;  // by side, line indices
    std::map<int, int> counts;
    std::map<int, std::size_t> lastLine;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const auto equals = line.find('=');
        const auto cross = line.find('x');
        if (equals == std::string::npos || cross == std::string::npos || cross > equals)
            throw std::runtime_error(options.files.front() + ":" + std::to_string(i + 1) + ": no size key");
        const int side = std::stoi(line.substr(0, cross));
        ++counts[side];
        lastLine[side] = i;
        const std::string reason = staleReason(line.substr(equals + 1), side, options, lexicon, judged);
        if (reason.empty()) continue;
        stale[side].push_back(i);
        std::printf("%s:%zu: %s\n", options.files.front().c_str(), i + 1, reason.c_str());
    }
    std::map<int, std::vector<std::string>> added;  // after a size's last line
    for (const auto& [basePlan, wanted] : options.plans) {
        const int side = basePlan.side;
        const std::vector<std::size_t>& places = stale[side];
        const int missing = std::max(0, wanted - counts[side]);
        std::printf("%s: %zu grids to make again, %d to add\n", sizeKey(side).c_str(), places.size(), missing);
        const std::vector<std::string> made = makeGrids(options, lexicon, judged, planFor(options, basePlan),
                                                        static_cast<int>(places.size()) + missing, taken);
        for (std::size_t k = 0; k < places.size(); ++k) lines[places[k]] = made[k];
        added[side].assign(made.begin() + static_cast<std::ptrdiff_t>(places.size()), made.end());
        stale.erase(side);
    }
    for (const auto& [side, places] : stale)
        if (!places.empty()) throw std::runtime_error(sizeKey(side) + " has grids to make again but no --grids plan");
    std::ofstream out(options.out, std::ios::binary);
    if (!out) usage("cannot write " + options.out);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out << lines[i] << "\r\n";
        const int side = std::stoi(lines[i].substr(0, lines[i].find('x')));
        if (lastLine.count(side) && lastLine[side] == i)
            for (const std::string& line : added[side]) out << line << "\r\n";
    }
    for (const auto& [side, extra] : added)
        if (!lastLine.count(side))
            for (const std::string& line : extra) out << line << "\r\n";
    if (!out) throw std::runtime_error("cannot write " + options.out);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const Options options = parse(argc, argv);
        if (options.command == "prove") return prove(options, WordIndex(judgedWords(options.dictionary, options.accepted, options.blocked)));
        const Lexicon lexicon = Lexicon::load(options.dictionary, options.rank, options.lexicon);
        if (options.command == "check") return check(options, lexicon);
        if (options.command == "rank") return rank(options, lexicon);
        const WordIndex judged(judgedWords(options.dictionary, options.accepted, options.blocked));
        if (options.command == "make") return make(options, lexicon, judged);
        if (options.command == "remake") return remake(options, lexicon, judged);
        usage("unknown command " + options.command);
    } catch (const std::exception& error) {
        std::cerr << "gridgen: " << error.what() << "\n";
        return 1;
    }
}
