// Printing a grid through the print button: the page the headless printer
// received, drawn into a picture (pixels) and into a PDF (its text).
#include "printing/printing.hpp"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "grid/grid_fixture.hpp"
#include "platform/page_printer.hpp"

namespace glossamo::testing {

namespace {

// An A4 page at 300 dpi is 2480 printer pixels wide: half 1240, cell 103.
constexpr int Cell = 103;
constexpr int WordColumn = 2480 - 620;
constexpr int LineStep = 1240 / 25;

int cellLeft(int c) { return 100 + c * Cell; }

int inkIn(const PageImage& page, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) n += page.ink(x, y) ? 1 : 0;
    return n;
}

// The leftmost column with ink in the band, or -1.
int firstInkColumn(const PageImage& page, int x0, int y0, int x1, int y1) {
    for (int x = x0; x < x1; ++x)
        for (int y = y0; y < y1; ++y)
            if (page.ink(x, y)) return x;
    return -1;
}

std::string pdfText(const std::string& pdf) {
    std::string text;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(("pdftotext '" + pdf + "' - 2>&1").c_str(), "r"), pclose);
    if (!pipe) return text;
    char buffer[4096];
    while (const std::size_t n = fread(buffer, 1, sizeof buffer, pipe.get())) text.append(buffer, n);
    return text;
}

std::string shotPath(const std::string& name) {
    const auto folder = std::filesystem::path(GLOSSAMO_APP_DIR).parent_path() / "shots";
    std::filesystem::create_directories(folder);
    return (folder / (name + ".png")).string();
}

}  // namespace

class Printing : public GridFixture {
protected:
    TempDir playerFolder;

    void SetUp() override {
        GridFixture::SetUp();
        writeUsualGrids();
        s.userDir = playerFolder.path();
        const char* messages[] = {"Grille envoy\xE9" "e", "Aucune imprimante", "L'impression a \xE9" "chou\xE9",
                                  "Enregistr\xE9" "e dans :", "Pas enregistr\xE9" "e", "Cliquez"};
        for (int i = 0; i < 6; ++i) s.app.comments[static_cast<std::size_t>(99 + i)] = messages[i];
    }

    void play(int id, const char* title) {
        startGame(s, id);
        s.app.gameTitle = title;
        frames(1);
        ASSERT_EQ(s.game.built, 1);
    }
    // Clicks the print button of the in-game bar.
    void clickPrint() {
        moveTo({344, 564});
        frames(1);
        press({344, 564});
        frames(1);
        release({344, 564});
        frames(1);
    }
    // The page the printer got, as a picture at printer resolution; a
    // smaller copy goes to build/shots/.
    PageImage printedPicture(const std::string& shot) {
        EXPECT_TRUE(platform.printedPage.has_value());
        if (!platform.printedPage) return {};
        renderPage(*platform.printedPage, 0.4).writePng(shotPath(shot));
        return renderPage(*platform.printedPage);
    }
    std::string printedText() {
        const std::string pdf = playerFolder.path().bytes() + "printed.pdf";
        std::string error;
        EXPECT_TRUE(writePagePdf(*platform.printedPage, pdf, error)) << error;
        return pdfText(pdf);
    }
};

TEST_F(Printing, CodedGridShowsFramesNumbersAndHatchingButNoWords) {
    play(3, "MOTS CODES");  // Grid8 from (1, 1), the palette on rows 10 and 11
    clickPrint();
    EXPECT_EQ(platform.count("print MOTS CODES"), 1);
    EXPECT_EQ(s.popup.text.view(), "Grille envoy\xE9" "e");
    const auto page = printedPicture("print_coded_grid");
    ASSERT_EQ(page.width, 2480);

    EXPECT_GT(firstInkColumn(page, 600, 2, 700, 90), 619) << "title from a quarter of the width";
    EXPECT_LT(firstInkColumn(page, 600, 2, 700, 90), 640);
    // Cell (1, 1) holds the given M: black frame on its four sides.
    const int x = cellLeft(1), y = cellLeft(1);
    EXPECT_TRUE(page.ink(x, y + 50) && page.ink(x + 50, y) && page.ink(x + Cell - 1, y + 50) &&
                page.ink(x + 50, y + Cell - 1));
    EXPECT_GT(inkIn(page, x + 20, y + 30, x + 90, y + 90), 300) << "the letter";
    // Cell (5, 1) is still empty: its number in the top-left corner, no letter.
    EXPECT_GT(inkIn(page, cellLeft(5) + 3, cellLeft(1) + 3, cellLeft(5) + 19, cellLeft(1) + 32), 20);
    EXPECT_EQ(inkIn(page, cellLeft(5) + 45, cellLeft(1) + 40, cellLeft(5) + 95, cellLeft(1) + 95), 0);
    // Cell (7, 1) is a black square: hatched all over, without a frame.
    const int hatched = inkIn(page, cellLeft(7) + 3, cellLeft(1) + 3, cellLeft(8) - 3, cellLeft(2) - 3);
    EXPECT_GT(hatched, 97 * 97 / 8);
    EXPECT_LT(hatched, 97 * 97 * 2 / 3);
    EXPECT_LT(inkIn(page, cellLeft(7), cellLeft(1), cellLeft(7) + 1, cellLeft(2)), Cell / 2) << "no frame";
    // Nothing outside the grid: not the palette (row 10), not the rest.
    EXPECT_EQ(inkIn(page, cellLeft(1), cellLeft(10), cellLeft(14), cellLeft(12)), 0);
    EXPECT_EQ(inkIn(page, cellLeft(10), 0, 2480, 3508), 0) << "no word list: it is the code";

    const std::string text = printedText();
    EXPECT_NE(text.find("MOTS CODES"), std::string::npos) << text;
}

TEST_F(Printing, HiddenWordsAreListedWithoutTheirStateAtThreeQuarters) {
    play(36, "MOTS CACH\xC9S");  // Grid6 from (1, 1)
    clickPrint();
    const auto page = printedPicture("print_hidden_words");
    const int lines = static_cast<int>(s.gameWordList.size());
    ASSERT_GT(lines, 3);
    EXPECT_EQ(firstInkColumn(page, cellLeft(8), 100, 2480, 100 + LineStep * lines) / 10, WordColumn / 10);
    EXPECT_EQ(inkIn(page, 0, 100 + LineStep * lines + 10, 2480, 3508), 0) << "one line per word, then nothing";
    EXPECT_EQ(inkIn(page, cellLeft(1) + 3, cellLeft(1) + 3, cellLeft(1) + 19, cellLeft(1) + 32), 0)
        << "no numbers outside the coded grids";

    const std::string text = printedText();
    EXPECT_NE(text.find("MOTS CACH\xC3\x89S"), std::string::npos) << text;
    for (const std::string& line : s.gameWordList) {
        const std::string word = line.substr(5);
        EXPECT_NE(text.find(word), std::string::npos) << line;
        EXPECT_EQ(text.find(std::string("0").append(word)), std::string::npos) << line;
    }
}

TEST_F(Printing, WithoutPrinterThePageIsSavedAndThePlayerToldAndTheGameGoesOn) {
    play(32, "MOTS CASES");  // word placement on Grid6
    const auto letters = s.game.letters;
    platform.printerPresent = false;
    clickPrint();
    const std::string pdf = playerFolder.path().bytes() + "Grille 06-12-2026 23-37-41.pdf";
    ASSERT_TRUE(std::filesystem::exists(pdf));
    ASSERT_EQ(s.messageBox.active, 1);
    EXPECT_EQ(s.messageBox.lines[0].view(), "Aucune imprimante");
    EXPECT_EQ(s.messageBox.lines[1].view(), "Enregistr\xE9" "e dans :");
    std::string named;
    for (int i = 2; i < MessageBoxLines && s.messageBox.lines[i].view() != "Cliquez"; ++i) named += s.messageBox.lines[i].str();
    EXPECT_EQ(named, pdf) << "the path, cut over several lines when long";
    const std::string text = pdfText(pdf);
    for (const std::string& word : s.gameWordList) EXPECT_NE(text.find(word), std::string::npos) << word;
    const auto page = printedPicture("print_word_placement");
    EXPECT_EQ(firstInkColumn(page, cellLeft(8), 100, 2480, 100 + LineStep) / 10, WordColumn / 10);

    press(pixelOf(2, 2));  // closes the message box, and no more
    release(pixelOf(2, 2));
    frames(1);
    EXPECT_EQ(s.messageBox.active, 0);
    EXPECT_EQ(s.game.letters, letters);
    EXPECT_EQ(s.app.gameTitle.view(), "MOTS CASES");
    EXPECT_EQ(s.app.gameLost + s.app.gameWon, 0);

    platform.printerPresent = true;
    platform.printerRefuses = true;
    clickPrint();
    EXPECT_EQ(s.messageBox.lines[0].view(), "L'impression a \xE9" "chou\xE9");
    EXPECT_EQ(platform.count("print MOTS CASES"), 0);
}

}  // namespace glossamo::testing
