// Key screens rendered headless with the shipped pictures, checked at a few
// pixels and saved as PNG files under build/shots/ for review.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "games/game_reset.hpp"
#include "games/word_lists.hpp"
#include "grid/grid_common.hpp"
#include "media/asset_loading.hpp"
#include "menus/menu_screens.hpp"
#include "platform/canvas.hpp"
#include "play/catalogue.hpp"
#include "play/game_start.hpp"
#include "profile/scores.hpp"
#include "shell/frame_tick.hpp"
#include "shell/input_routing.hpp"
#include "shell/startup.hpp"
#include "support/program_fixture.hpp"
#include "support/shot_writer.hpp"
#include "texts/comments_and_help.hpp"
#include "travel/travel_mode.hpp"
#include "widgets/list_boxes.hpp"
#include "widgets/widgets.hpp"

namespace glossamo::testing {

namespace {

constexpr int ButtonImages[] = {3, 5, 7, 9, 11, 13, 15, 17, 19, 23, 27, 31, 33, 35, 37, 39, 43, 47, 52, 54, 57, 62, 64, 66, 68, 70, 72, 74};

Rgb rgbOf(std::uint16_t p) {
    return Rgb{static_cast<std::uint8_t>((p >> 11) << 3), static_cast<std::uint8_t>(((p >> 5) & 63) << 2),
               static_cast<std::uint8_t>((p & 31) << 3)};
}

bool isKeyBlue(std::uint16_t p) { return p == Canvas::toRgb565(Rgb{0, 0, 255}); }

}  // namespace

class Screens : public ProgramFixture {
protected:
    void SetUp() override {
        s.programDir = SystemPath::fromSystem(GLOSSAMO_APP_DIR "/");
        loadInterface(s);
        fillBackgroundList(s);
    }
    Canvas& canvas() { return platform.canvas(); }
    // No pixel of the frame is the colour key: nothing keyed leaked through.
    // (Highlighted small text is the exception: it shows its cells' own
    // blue background, so the shots that use it are not checked.)
    void expectNoKeyColour() {
        int keyed = 0;
        for (int y = 0; y < SurfaceHeight; y += 2)
            for (int x = 0; x < SurfaceWidth; x += 2) keyed += isKeyBlue(canvas().pixel(x, y));
        EXPECT_EQ(keyed, 0);
    }
};

TEST_F(Screens, Title) {
    drawBackground(s);
    saveShot(canvas(), "title");
    EXPECT_NE(canvas().pixel(10, 10), canvas().pixel(400, 300)) << "a picture, not a flat colour";
}

TEST_F(Screens, MenuBackgroundWithEveryFontAndInk) {
    loadBackground(s, backgrounds::Menus);
    drawBackground(s);
    drawTitleText(s, 40, 60, NormalInk, "MOTS CROIS\xC9S \xE0 l'\xE9t\xE9");
    drawTitleText(s, 40, 90, HighlightInk, "LE PENDU (surlign\xE9)");
    drawSmallText(s, 40, 130, NormalInk, "Petit texte : \xE9\xE8\xEA\xEB \xE0\xE2 \xE7 \xEE\xEF \xF4 \xF9\xFB \x9C \x80 123");
    drawSmallText(s, 40, 150, HighlightInk, "Petit texte surlign\xE9");
    drawTileText(s, 40, 180, NormalInk, 0, "TUILES \xC9T\xC9");
    drawTileText(s, 40, 220, HighlightInk, 0, "ENCRE VIVE");
    drawTileText(s, 40, 270, NormalInk, 1, "MOT");
    drawTileText(s, 150, 270, HighlightInk, 2, "SOURCE");
    drawCentredTileText(s, 500, "Cr\xE9" "ation du jeu en cours ...");
    s.checkBox(1) = CheckBox{560, 150, 1};
    s.checkBox(2) = CheckBox{560, 180, 0};
    drawCheckBox(s, 1, "Sons");
    drawCheckBox(s, 2, "Musiques");
    saveShot(canvas(), "menu_fonts");
}

TEST_F(Screens, BoardWithEveryTileStyleAndHover) {
    resetGameRecord(s);
    loadBackground(s, 5);
    drawBackground(s);
    const char* rows[] = {"GLOSSAMO", "ABCDEFGHIJKLMNOPQRSTU", "VWXYZ"};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; rows[r][c]; ++c) s.game.letters[static_cast<std::size_t>(c)][static_cast<std::size_t>(r + 1)] = rows[r][c];
    for (int c = 0; c < 8; ++c) s.game.tileStyles[static_cast<std::size_t>(c)][1] = static_cast<std::uint32_t>(c % 4 + 1);
    s.game.letters[3][1] = '*';  // a black square
    s.game.tileStyles[3][1] = 3;
    for (int c = 0; c < 5; ++c) s.game.colours[static_cast<std::size_t>(c)][3] = HighlightInk;
    s.game.tileStyles[6][1] = 4;
    s.game.letters[6][1] = ' ';
    s.game.numbers[6][1] = 17;
    s.game.clickable[5][2] = 1;
    s.mousePos = {70 + 31 * 5 + 12, 50 + 31 * 2 + 15};
    drawBoard(s);
    drawCodeNumbers(s);
    saveShot(canvas(), "board");
    EXPECT_EQ(s.app.cursorShape, -21) << "the pointer rests on a clickable tile";
    const Rgb face = rgbOf(canvas().pixel(70 + 31 * 0 + 2, 50 + 31 * 1 + 8));
    EXPECT_GT(face.r + face.g + face.b, 450) << "a plain tile is light";
    // The code number 17 of the empty numbered cell: dark blue digits at
    // least 9 pixels high.
    int top = 99, bottom = -1;
    for (int y = 50 + 31; y < 50 + 62; ++y)
        for (int x = 70 + 31 * 6 - 3; x < 70 + 31 * 6 + 28; ++x) {
            const Rgb p = rgbOf(canvas().pixel(x, y));
            if (p.b > p.r + 60 && p.r < 120) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    EXPECT_GE(bottom - top + 1, 9);
}

TEST_F(Screens, EveryButtonNormalAndHighlighted) {
    loadBackground(s, backgrounds::Menus);
    drawBackground(s);
    int i = 0;
    for (const int n : ButtonImages) {
        const int x = 20 + (i % 11) * 70, y = 40 + (i / 11) * 140;
        drawButton(s, {x, y}, n, false);
        drawButton(s, {x, y + 60}, n, true);
        ++i;
    }
    s.travel.completed = 0;
    canvas().drawImage(ImageSet::Interface, 42, 20, 330);
    canvas().drawImage(ImageSet::Interface, 45, 90, 340);
    canvas().drawImage(ImageSet::Interface, 46, 120, 340);
    canvas().drawImage(ImageSet::Interface, 60, 160, 340);
    canvas().drawImage(ImageSet::Interface, 61, 180, 340);
    saveShot(canvas(), "buttons");
    expectNoKeyColour();
}

TEST_F(Screens, GallowsStages) {
    for (int shot = 0; shot < 2; ++shot) {
        loadBackground(s, 5);
        drawBackground(s);
        for (int k = 0; k < 8; ++k) {
            const int stage = shot * 8 + k + 1;
            if (stage > 11) break;
            drawCard(s, (k % 4) * 200, (k / 4) * 300, stage);
        }
        saveShot(canvas(), "gallows_" + std::to_string(shot + 1));
        expectNoKeyColour();
    }
}

TEST_F(Screens, TravelMap) {
    loadBackground(s, backgrounds::TravelMap);
    drawBackground(s);
    drawTraveller(s, {50, 100});
    saveShot(canvas(), "travel_map");
    expectNoKeyColour();
}

TEST_F(Screens, PanelWithListAndBanners) {
    loadBackground(s, 6);
    drawBackground(s);
    drawPanel(s, 229, 72);
    for (const char* name : {"Ardoise", "Bocage", "Cr\xE9puscule", "Lavande", "Oc\xE9" "an", "Sable", "Nuit"})
        listAdd(s, 4, name);
    ListBox& list = s.listBox(4);
    list.left = 329;
    list.top = 192;
    list.rowsShown = 5;
    list.selected = 2;
    s.mousePos = {350, 192 + 20 * 3 + 8};
    drawListBox(s, 4);
    drawSmallText(s, 429, 132, NormalInk, "Options");
    drawButton(s, {269, 172}, 11, false);
    drawButton(s, {269, 272}, 9, true);
    drawButton(s, {729, 402}, 7, false);
    saveShot(canvas(), "panel");

    drawBackground(s);
    s.banner = Banner{260, 160, 1, 1};
    drawWinBanner(s);
    s.banner = Banner{600, 420, 1, 1};
    drawLostBanner(s);
    saveShot(canvas(), "banners");
    expectNoKeyColour();
}

}  // namespace glossamo::testing

namespace glossamo::testing {

// The hangman played on the shipped dictionary, captured while playing,
// after a loss and after a win.
class HangmanScreens : public Screens {
protected:
    void SetUp() override {
        Screens::SetUp();
        buildCatalogue(s);
        LoadWordList(s, wordlists::French);
        s.app.titleShowing = 0;
        s.app.backgroundIndex = 7;
        platform.setClockSeed(2026);
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i) {
            platform.advance(10);
            DXTimer1Timer(s);
        }
    }
    void choose(char letter) {
        const int k = letter - 'A';
        const int x = 70 + 31 * (7 + k % 13) + 12, y = 50 + 31 * (2 + k / 13) + 15;
        DXMouseMove(s, x, y);
        DXMouseDown(s, ButtonLeft, x, y);
        DXMouseUp(s, ButtonLeft, x, y);
        frames(1);
        for (int i = 0; i < 2000 && s.game.pickedLetter != ' '; ++i) frames(1);
    }
};

TEST_F(HangmanScreens, PlayingLostAndWon) {
    startGame(s, 9);
    frames(2);
    ASSERT_EQ(s.game.built, 1);
    const std::string word = s.game.texts[1].str();
    for (char c : std::string("EAZ")) choose(c);
    DXMouseMove(s, 400, 300);
    frames(1);
    saveShot(canvas(), "hangman_playing");
    for (char c = 'A'; c <= 'Z' && !s.app.gameLost; ++c)
        if (word.find(c) == std::string::npos && c != 'Z') choose(c);
    ASSERT_EQ(s.app.gameLost, 1);
    frames(40);
    saveShot(canvas(), "hangman_lost");

    startGame(s, 70);
    frames(2);
    const std::string proverb = s.game.texts[1].str();
    for (char c = 'A'; c <= 'Z'; ++c)
        if (proverb.find(c) != std::string::npos) choose(c);
    ASSERT_EQ(s.app.gameWon, 1);
    frames(40);
    saveShot(canvas(), "proverb_hangman_won");
}

}  // namespace glossamo::testing

namespace glossamo::testing {

// Every menu screen as the player sees it, with the shipped texts.
TEST_F(Screens, EveryMenuScreen) {
    initialisation(s);
    fillHeadList(s);
    loadHead(s, "Joueur");
    s.app.playerName = "Camille";
    for (int i = 1; i <= 12; ++i) {
        const char time[] = {'0', static_cast<char>('0' + i % 10), 'm', 'n', ' ', '1', '2', 's', 0};
        listAdd(s, 5, scoreLine(7000 - i * 400, time, "MOTS COUPES 10 mots / ANIMAUX"));
    }
    s.app.titleShowing = 0;
    s.app.pendingConfirmation = confirmations::ClearScores;
    s.statsFamily = 19;  // Motuce, with its chart of tries
    s.statsFile = IniFile::parse("[FAMILLE 19]\r\nParties=14\r\nGagnees=11\r\nPerdues=2\r\nQuittees=1\r\n"
                                 "TempsTotal=2200\r\nMeilleurTemps=74\r\nSerie=3\r\nMeilleureSerie=6\r\n"
                                 "Essais=0,1,3,4,2,1,0,0\r\n");
    s.challengeFile = IniFile::parse("[DEFI 20261206]\r\nJeu1=G,200,4,0\r\nJeu3=P,130,0,11\r\n"
                                     "[DEFI 20261205]\r\nJeu1=G,1,1,0\r\nJeu2=G,1,0,0\r\nJeu3=G,1,0,0\r\n"
                                     "[DEFI 20261203]\r\nJeu2=G,1,0,0\r\n");
    for (const int screen : {1, 2, 3, 4, 5, 6, 7, 8, 9, 100, screens::Confirmation, screens::Statistics,
                             screens::Challenge}) {
        s.app.chosenFamily = 8;
        s.app.screen = screen;
        s.app.panelX = 220;
        if (screen == 5) {
            s.app.gameTitle = "PENDU  10 lettres";
            ChargeAide(s, 9);
        }
        if (screen == 6) s.typedText = s.app.playerName.view();
        s.mousePos = screen == 1 ? Point{60, 20 * 4 + 53 + 10} : Point{300, 91};
        loadBackground(s, screen == 5 ? 6 : backgrounds::Menus);
        drawBackground(s);
        drawMenus(s, screen);
        saveShot(canvas(), "screen_" + std::to_string(screen));
        s.app.gameTitle.clear();
        EXPECT_EQ(s.app.screen, screen);
    }
}

}  // namespace glossamo::testing

namespace glossamo::testing {

// The grid games on the shipped French grids.
TEST_F(HangmanScreens, GridGames) {
    startGame(s, 30);  // Mots casés 10 x 10
    frames(2);
    ASSERT_EQ(s.game.built, 1);
    for (int c = 1; c <= 10; ++c) {  // the first row filled from the solution
        const auto col = static_cast<std::size_t>(c);
        if (s.game.letters[col][1] == ' ') s.game.letters[col][1] = static_cast<char>(s.game.numbers[col][1]);
    }
    DXMouseMove(s, 400, 560);
    frames(1);
    saveShot(canvas(), "mots_cases_playing");

    startGame(s, 34);  // Mots cachés 10 x 10
    frames(2);
    ASSERT_EQ(s.game.built, 1);
    const std::string first = s.gameWordList.front().substr(5);
    for (int r = 1; r <= 10; ++r) {
        for (int c = 1; c + static_cast<int>(first.size()) - 1 <= 10; ++c) {
            std::string across;
            for (std::size_t k = 0; k < first.size(); ++k) across += s.game.letters[static_cast<std::size_t>(c) + k][static_cast<std::size_t>(r)];
            if (across != first) continue;
            const int x1 = 70 + 31 * c + 12, y = 50 + 31 * r + 15;
            const int x2 = x1 + 31 * (static_cast<int>(first.size()) - 1);
            DXMouseMove(s, x1, y);
            DXMouseDown(s, ButtonLeft, x1, y);
            DXMouseMove(s, x2, y);
            DXMouseUp(s, ButtonLeft, x2, y);
            frames(1);
        }
    }
    frames(1);
    saveShot(canvas(), "mots_caches_playing");
}

}  // namespace glossamo::testing

namespace glossamo::testing {

// The coded, scrambled, letter-sum and faded grids on the shipped grids.
TEST_F(HangmanScreens, MoreGridGames) {
    const std::pair<int, const char*> games[] = {{2, "coded_words_10"},   {37, "mixed_grid_8"},
                                                 {43, "dismantled_grid_10"}, {60, "letter_sums_12"},
                                                 {63, "letter_sums_6"},    {64, "faded_letters_12"}};
    for (const auto& [id, shot] : games) {
        startGame(s, id);
        frames(2);
        ASSERT_EQ(s.game.built, 1) << id;
        if (id == 64)  // the player's letters in the top row's gaps
            for (std::size_t c = 1; c <= 12; ++c)
                if (s.game.movable[c][1] == 1) s.game.letters[c][1] = static_cast<char>(s.game.solution[c - 1][0]);
        DXMouseMove(s, 790, 300);
        frames(1);
        saveShot(canvas(), shot);
    }
}

}  // namespace glossamo::testing

namespace glossamo::testing {

// Crossing words, anagrams, the extra letter and the password on the
// shipped lists.
TEST_F(HangmanScreens, LetterGames) {
    const std::pair<int, const char*> games[] = {{5, "crossing_words_13"}, {89, "english_cross_6"},
                                                 {16, "anagrams_14"},      {19, "extra_letter_4"},
                                                 {11, "password_12"}};
    for (const auto& [id, shot] : games) {
        startGame(s, id);
        frames(60);
        ASSERT_EQ(s.game.built, 1) << id;
        DXMouseMove(s, 790, 300);
        frames(1);
        saveShot(canvas(), shot);
    }
}

}  // namespace glossamo::testing

namespace glossamo::testing {

// Motuce after four tries on the shipped dictionary: the letters in their
// right place stand out from the others, in colour and in grey alike.
TEST_F(HangmanScreens, MotuceTries) {
    startGame(s, 52);  // 7 letters
    frames(2);
    ASSERT_EQ(s.game.built, 1);
    const std::string hidden = s.game.texts[1].str();
    std::vector<std::string> words;
    s.words.FindPatternWords(hidden.substr(0, 1) + std::string(hidden.size() - 1, '?'), words);
    std::vector<std::string> tries;
    for (std::size_t wanted = hidden.size() - 2; tries.size() < 4 && wanted >= 1; --wanted)
        for (const std::string& word : words) {
            std::size_t same = 0;
            for (std::size_t i = 0; i < word.size(); ++i) same += word[i] == hidden[i];
            if (same == wanted && word != hidden && tries.size() < 4) tries.push_back(word);
        }
    ASSERT_EQ(tries.size(), 4u);
    for (std::size_t k = 0; k < tries.size(); ++k) {
        for (std::size_t i = 1; i < hidden.size(); ++i) s.game.letters[7 + i][7 + k] = tries[k][i];
        frames(1);
    }
    ASSERT_EQ(s.game.counterC, 5u);
    DXMouseMove(s, 790, 300);
    frames(1);
    saveShot(canvas(), "motuce_tries");
    // Green on the face of a right letter, none on a wrong one.
    auto greenPixels = [&](int c, int r) {
        int green = 0;
        const int x0 = 70 + 31 * c - 3, y0 = 50 + 31 * r + 4;
        for (int y = y0; y < y0 + 30; ++y)
            for (int x = x0; x < x0 + 30; ++x) {
                const Rgb p = rgbOf(canvas().pixel(x, y));
                green += p.g > p.r + 40 && p.g > p.b + 20 && p.g < 200;
            }
        return green;
    };
    for (std::size_t i = 0; i < hidden.size(); ++i) {
        const int c = 7 + static_cast<int>(i);
        if (tries[0][i] == hidden[i])
            EXPECT_GT(greenPixels(c, 7), 200) << "right letter " << i;
        else
            EXPECT_EQ(greenPixels(c, 7), 0) << "wrong letter " << i;
    }
}

}  // namespace glossamo::testing

namespace glossamo::testing {

namespace {

// What a screen shows to someone who sees no colour (its luminance) and to
// a red-green-blind eye (deuteranopia, the matrix of Machado, Oliveira and
// Fernandes 2009 at full severity, applied to linear RGB).
double linearOf(std::uint8_t c) {
    const double v = c / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}
std::uint8_t encodedOf(double v) {
    v = std::clamp(v, 0.0, 1.0);
    return static_cast<std::uint8_t>(std::lround(255 * (v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055)));
}
Rgb inGrey(Rgb c) {
    const std::uint8_t y = encodedOf(0.2126 * linearOf(c.r) + 0.7152 * linearOf(c.g) + 0.0722 * linearOf(c.b));
    return {y, y, y};
}
Rgb redGreenBlind(Rgb c) {
    const double r = linearOf(c.r), g = linearOf(c.g), b = linearOf(c.b);
    return {encodedOf(0.367322 * r + 0.860646 * g - 0.227968 * b),
            encodedOf(0.280085 * r + 0.672501 * g + 0.047413 * b),
            encodedOf(-0.011820 * r + 0.042940 * g + 0.968881 * b)};
}

std::size_t at(int i) { return static_cast<std::size_t>(i); }

using Region = std::vector<Rgb>;

Region regionOf(const Canvas& canvas, Rect r) {
    Region pixels;
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) {
            const std::uint16_t p = canvas.pixel(x, y);
            pixels.push_back(Rgb{static_cast<std::uint8_t>((p >> 11) * 255 / 31),
                                 static_cast<std::uint8_t>(((p >> 5) & 63) * 255 / 63),
                                 static_cast<std::uint8_t>((p & 31) * 255 / 31)});
        }
    return pixels;
}

// The mean absolute difference of two regions of the same size seen
// through `view`, in levels of 0..255 averaged over the three channels.
template <typename View>
double meanDifference(const Region& a, const Region& b, View view) {
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const Rgb p = view(a[i]), q = view(b[i]);
        sum += (std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b)) / 3.0;
    }
    return a.empty() ? 0 : sum / static_cast<double>(a.size());
}

// Two states are told apart when their regions differ by a mean of at
// least 8 levels both in grey and to a red-green-blind eye: a mark drawn
// over a tenth of a cell with a contrast of 80 levels (a thin line of
// text ink on a tile) reaches it, while two renders that differ by hue
// alone stay within the 5-level rounding of 16-bit pixels.
constexpr double ApartLevels = 8;

struct StatePair {
    std::string name;
    Region a, b;
};

Rect cellFace(const GameRecord& g, int c, int r) { return {g.boardLeft + 31 * c - 3, g.boardTop + 31 * r + 4, 30, 30}; }
// A line of the word lists beside the grids, `chars` characters long.
Rect listLine(Point at, std::size_t chars) { return {at.x + 9, at.y, 10 * static_cast<int>(chars) + 3, 16}; }

}  // namespace

// The states shown by colour (a letter in its right place, a word found or
// placed in its list, a word circled, a given letter against a laid one, a
// letter in highlighted ink, the squares the traveller can reach and the
// one under the pointer) stay apart in grey and to red-green-blind eyes.
TEST_F(HangmanScreens, StatesApartInGreyAndToRedGreenBlindEyes) {
    std::vector<StatePair> pairs;
    auto saveViews = [&](const std::string& name) {
        saveShotAs(canvas(), name + "_grey", inGrey);
        saveShotAs(canvas(), name + "_red_green_blind", redGreenBlind);
    };
    auto still = [&] {
        DXMouseMove(s, 790, 300);
        frames(1);
    };

    // Motuce: the first letter, in its right place on the judged try and
    // given on the open one.
    startGame(s, 52);
    frames(2);
    const std::string hidden = s.game.texts[1].str();
    std::vector<std::string> words;
    s.words.FindPatternWords(hidden.substr(0, 1) + std::string(hidden.size() - 1, '?'), words);
    const auto tried = std::find_if(words.begin(), words.end(), [&](const std::string& w) { return w != hidden; });
    ASSERT_NE(tried, words.end());
    for (std::size_t i = 1; i < hidden.size(); ++i) s.game.letters[7 + i][7] = (*tried)[i];
    frames(1);
    still();
    ASSERT_EQ(s.game.counterC, 2u);
    pairs.push_back({"motuce right place / given", regionOf(canvas(), cellFace(s.game, 7, 7)), regionOf(canvas(), cellFace(s.game, 7, 8))});
    saveViews("motuce");

    // Hidden words: the first word lying across or down, before and after it
    // is found (its list line, and its cells circled).
    startGame(s, 34);
    frames(2);
    still();
    bool foundOne = false;
    for (std::size_t i = 0; i < s.gameWordList.size() && !foundOne; ++i) {
        const std::string word = s.gameWordList[i].substr(5);
        const int n = static_cast<int>(word.size());
        for (int r = 1; r <= 10 && !foundOne; ++r)
            for (int c = 1; c <= 10 && !foundOne; ++c)
                for (const bool down : {false, true}) {
                    std::string read;
                    for (int k = 0; k < n && (down ? r : c) + k <= 10; ++k)
                        read += s.game.letters[at(down ? c : c + k)][at(down ? r + k : r)];
                    if (read != word || foundOne) continue;
                    const Rect line = listLine(wordListPosition(static_cast<int>(i) + 1), word.size());
                    const Rect cells{70 + 31 * c, 50 + 31 * r + 4, down ? 31 : 31 * n, down ? 31 * n : 31};
                    const Region lineBefore = regionOf(canvas(), line), cellsBefore = regionOf(canvas(), cells);
                    const int x1 = 70 + 31 * c + 12, y1 = 50 + 31 * r + 15;
                    const int x2 = down ? x1 : x1 + 31 * (n - 1), y2 = down ? y1 + 31 * (n - 1) : y1;
                    DXMouseMove(s, x1, y1);
                    DXMouseDown(s, ButtonLeft, x1, y1);
                    DXMouseMove(s, x2, y2);
                    DXMouseUp(s, ButtonLeft, x2, y2);
                    frames(1);
                    still();
                    pairs.push_back({"hidden word listed found / not", regionOf(canvas(), line), lineBefore});
                    pairs.push_back({"hidden word circled / not", regionOf(canvas(), cells), cellsBefore});
                    foundOne = true;
                }
    }
    ASSERT_TRUE(foundOne);
    saveViews("mots_caches");

    // Word placement: the list line of a word before and after it is laid.
    startGame(s, 30);
    frames(2);
    still();
    bool placed = false;
    for (int r = 1; r <= 10 && !placed; ++r) {
        std::string run;
        for (int c = 1; c <= 10 && s.game.letters[at(c)][at(r)] != '*'; ++c) run += static_cast<char>(s.game.numbers[at(c)][at(r)]);
        const auto entry = std::find(s.gameWordList.begin(), s.gameWordList.end(), run);
        if (run.size() < 2 || entry == s.gameWordList.end()) continue;
        const Rect line = listLine(wordListPosition(static_cast<int>(entry - s.gameWordList.begin()) + 1), run.size() + 3);
        const Region before = regionOf(canvas(), line);
        for (std::size_t k = 0; k < run.size(); ++k) s.game.letters[1 + k][at(r)] = run[k];
        still();
        pairs.push_back({"word placed / not", regionOf(canvas(), line), before});
        placed = true;
    }
    ASSERT_TRUE(placed);
    saveViews("mots_cases");

    // A grid of given letters: a given letter against the same letter laid
    // by the player, and in highlighted ink against dark ink.
    startGame(s, 64);  // faded letters 12 x 12
    frames(2);
    still();
    Point given{0, 0}, laid{0, 0};
    for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 12; ++r) {
            const char letter = s.game.letters[at(c)][at(r)];
            if (s.game.movable[at(c)][at(r)] == 1) laid = {c, r};
            else if (letter >= 'A' && letter <= 'Z') given = {c, r};
        }
    ASSERT_NE(given.x * laid.x, 0);
    s.game.letters[at(laid.x)][at(laid.y)] = s.game.letters[at(given.x)][at(given.y)];
    still();
    const Region givenCell = regionOf(canvas(), cellFace(s.game, given.x, given.y));
    pairs.push_back({"given / laid letter", givenCell, regionOf(canvas(), cellFace(s.game, laid.x, laid.y))});
    s.game.colours[at(given.x)][at(given.y)] = HighlightInk;
    still();
    pairs.push_back({"highlighted / dark ink", regionOf(canvas(), cellFace(s.game, given.x, given.y)), givenCell});
    saveViews("faded_letters");

    // The travel map: a square next to the traveller, then far from it, then
    // under the pointer.
    loadBackground(s, backgrounds::TravelMap);
    s.app.screen = screens::None;
    s.blinkOn = 1;
    TravelState& t = s.travel;
    t.startCol = t.startRow = t.targetCol = t.targetRow = 0;
    auto drawMap = [&](int c, int r, Point pointer) {
        t.curCol = c;
        t.curRow = r;
        s.mousePos = pointer;
        drawBackground(s);
        drawTravelMap(s);
        return regionOf(canvas(), Rect{travelSquareX(6), travelSquareY(3), 50, 50});
    };
    const Region reachable = drawMap(5, 3, {790, 590});
    pairs.push_back({"travel square reachable / not", reachable, drawMap(2, 6, {790, 590})});
    pairs.push_back({"travel square picked / reachable", drawMap(5, 3, {travelSquareX(6) + 25, travelSquareY(3) + 25}), reachable});
    saveViews("travel_map");

    // The measure itself: a green patch and a grey one of the same
    // luminance differ by hue alone, and are not told apart.
    canvas().fillRect(Rect{0, 0, 30, 30}, Rgb{0, 150, 0});
    canvas().fillRect(Rect{30, 0, 30, 30}, inGrey(Rgb{0, 150, 0}));
    const Region green = regionOf(canvas(), Rect{0, 0, 30, 30}), grey = regionOf(canvas(), Rect{30, 0, 30, 30});
    EXPECT_LT(meanDifference(green, grey, inGrey), ApartLevels) << "a hue-only pair must not pass";

    for (const StatePair& pair : pairs) {
        ASSERT_EQ(pair.a.size(), pair.b.size()) << pair.name;
        const double grey = meanDifference(pair.a, pair.b, inGrey);
        const double blind = meanDifference(pair.a, pair.b, redGreenBlind);
        EXPECT_GE(grey, ApartLevels) << pair.name << " in grey";
        EXPECT_GE(blind, ApartLevels) << pair.name << " to a red-green-blind eye";
        std::printf("%-34s grey %5.1f  red-green-blind %5.1f\n", pair.name.c_str(), grey, blind);
    }
}

}  // namespace glossamo::testing
