// Printing a grid through the print button: the page the headless printer
// received, drawn into a picture (pixels) and into a PDF (its text).
#include "printing/printing.hpp"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

#include "grid/grid_fixture.hpp"
#include "platform/page_printer.hpp"
#include "widgets/widgets.hpp"

namespace glossamo::testing {

namespace {

// An A4 page at 300 dpi.
constexpr int PageWidth = 2480, PageHeight = 3508;
// Nothing is printed within about a centimetre of the paper's edge.
constexpr int Margin = 118;

// Where the board was printed: the box of its framed and hatched cells.
struct BoardBox {
    int left = PageWidth, top = PageHeight, right = 0, bottom = 0;
    double cell = 0;
    int cellLeft(int c) const { return left + static_cast<int>(c * cell); }
    int cellTop(int r) const { return top + static_cast<int>(r * cell); }
};

BoardBox boardOf(const RecordedPage& page, int columns) {
    BoardBox box;
    for (const RecordedPage::Operation& op : page.operations()) {
        if (op.kind == RecordedPage::Kind::Text) continue;
        box.left = std::min(box.left, op.x0);
        box.top = std::min(box.top, op.y0);
        box.right = std::max(box.right, op.x1);
        box.bottom = std::max(box.bottom, op.y1);
    }
    box.cell = static_cast<double>(box.right - box.left) / columns;
    return box;
}

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
    // A home without a documents folder.
    TempDir home;
    ScopedVariable homeVariable{"HOME", home.bare()};
    ScopedVariable documentsVariable{"XDG_DOCUMENTS_DIR", std::nullopt};
    ScopedVariable configVariable{"XDG_CONFIG_HOME", std::nullopt};

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
    // No ink within the margin of any edge of the paper.
    static void expectWithinMargins(const PageImage& page) {
        EXPECT_EQ(inkIn(page, 0, 0, PageWidth, Margin), 0) << "top";
        EXPECT_EQ(inkIn(page, 0, PageHeight - Margin, PageWidth, PageHeight), 0) << "bottom";
        EXPECT_EQ(inkIn(page, 0, 0, Margin, PageHeight), 0) << "left";
        EXPECT_EQ(inkIn(page, PageWidth - Margin, 0, PageWidth, PageHeight), 0) << "right";
    }
};

TEST_F(Printing, CodedGridFillsThePageWidthWithFramesNumbersAndHatchingButNoWords) {
    play(3, "MOTS CODES");  // Grid8 from (1, 1), the palette on rows 10 and 11
    clickPrint();
    EXPECT_EQ(platform.count("print MOTS CODES"), 1);
    EXPECT_EQ(s.popup.text.view(), "Grille envoy\xE9" "e");
    const auto page = printedPicture("print_coded_grid");
    ASSERT_EQ(page.width, PageWidth);
    const BoardBox board = boardOf(*platform.printedPage, 8);
    EXPECT_GT(board.right - board.left, PageWidth * 4 / 5) << "the grid uses most of the page width";
    EXPECT_NEAR(board.bottom - board.top, board.right - board.left, 2) << "square cells";
    expectWithinMargins(page);
    EXPECT_GT(inkIn(page, board.left, 0, board.right, board.top), 1000) << "the title above the grid";

    const int cell = static_cast<int>(board.cell), x = board.cellLeft(0), y = board.cellTop(0);
    // Cell (1, 1) holds the given M: black frame on its four sides, the
    // letter inside, as large for the cell as on screen.
    EXPECT_TRUE(page.ink(x + 1, y + cell / 2) && page.ink(x + cell / 2, y + 1) &&
                page.ink(x + cell - 2, y + cell / 2) && page.ink(x + cell / 2, y + cell - 2));
    EXPECT_GT(inkIn(page, x + cell / 5, y + cell / 3, x + cell * 9 / 10, y + cell * 9 / 10), cell * cell / 12)
        << "the letter";
    // Cell (5, 1) is still empty: its number in the top-left corner, at
    // least 8 points high (33 pixels), no letter.
    const int x5 = board.cellLeft(4);
    EXPECT_GT(inkIn(page, x5 + 4, y + 4, x5 + cell / 4, y + cell / 3), 50);
    int numberRows = 0;
    for (int row = y + 4; row < y + cell / 2; ++row) numberRows += inkIn(page, x5 + 4, row, x5 + cell / 3, row + 1) > 0;
    EXPECT_GT(numberRows, 25) << "a legible number";
    EXPECT_EQ(inkIn(page, x5 + cell / 2, y + cell / 2, x5 + cell - 4, y + cell - 4), 0);
    // Cell (7, 1) is a black square: hatched all over, without a frame.
    const int x7 = board.cellLeft(6), inner = (cell - 6) * (cell - 6);
    const int hatched = inkIn(page, x7 + 3, y + 3, x7 + cell - 3, y + cell - 3);
    EXPECT_GT(hatched, inner / 10);
    EXPECT_LT(hatched, inner * 2 / 3);
    EXPECT_LT(inkIn(page, x7 + 2, y, x7 + 3, y + cell), cell * 3 / 4) << "no frame";
    // Nothing beside or under the grid: neither the palette nor the code.
    EXPECT_EQ(inkIn(page, 0, board.bottom + 2, PageWidth, PageHeight), 0);

    const std::string text = printedText();
    EXPECT_NE(text.find("MOTS CODES"), std::string::npos) << text;
}

TEST_F(Printing, HiddenWordsAreListedWithoutTheirStateBesideTheGrid) {
    play(36, "MOTS CACH\xC9S");  // Grid6 from (1, 1)
    clickPrint();
    const auto page = printedPicture("print_hidden_words");
    const BoardBox board = boardOf(*platform.printedPage, 6);
    expectWithinMargins(page);
    const int listLeft = firstInkColumn(page, board.right + 2, board.top, PageWidth, board.bottom);
    EXPECT_GT(listLeft, board.right + board.cell / 2) << "the list beside the grid";
    int listRight = PageWidth - Margin;
    while (listRight > listLeft && inkIn(page, listRight - 1, board.top, listRight, PageHeight) == 0) --listRight;
    EXPECT_GT(listRight - board.left, PageWidth * 4 / 5) << "grid and list use most of the page width";
    const int x = board.cellLeft(0), y = board.cellTop(0), cell = static_cast<int>(board.cell);
    EXPECT_EQ(inkIn(page, x + 3, y + 3, x + cell / 6, y + cell / 5), 0) << "no numbers outside the coded grids";

    const std::string text = printedText();
    EXPECT_NE(text.find("MOTS CACH\xC3\x89S"), std::string::npos) << text;
    for (const std::string& line : s.gameWordList) {
        const std::string word = line.substr(5);
        EXPECT_NE(text.find(word), std::string::npos) << line;
        EXPECT_EQ(text.find(std::string("0").append(word)), std::string::npos) << line;
    }
}

TEST_F(Printing, AListThatAnswersTheGameIsNeverPrinted) {
    // The proverbs of the month, the one to find among them.
    programFolder.write("bin/pjanvier.txt",
                        ".\r\nNeige de janvier,\r\nfumier du grenier.\r\n.\r\nA la Saint-Vincent, l'hiver s'en va.\r\n"
                        ".\r\nJanvier d'eau chiche,\r\nfermier riche.\r\n.\r\n");
    play(76, "PROVERBES DE JANVIER");
    clickPrint();
    printedPicture("print_faded_proverbs");
    std::string text = printedText();
    for (const char* line : {"janvier", "fumier", "Vincent", "chiche"})
        EXPECT_EQ(text.find(line), std::string::npos) << text;
    // Nor the words of a word hunt left over from the game before.
    s.gameWordList = {"GRENIER", "FERMIER"};
    start(10, {"ANNEXANT"});
    s.app.gameTitle = "PENDU";
    frames(1);
    ASSERT_EQ(s.game.built, 1);
    clickPrint();
    text = printedText();
    EXPECT_EQ(text.find("GRENIER"), std::string::npos) << text;
}

TEST_F(Printing, WithoutPrinterThePageIsSavedInTheDocumentsFolderAndThePlayerToldAndTheGameGoesOn) {
    play(32, "MOTS CASES");  // word placement on Grid6
    const auto letters = s.game.letters;
    platform.printerPresent = false;
    clickPrint();
    const std::string pdf = home.bare() + "/Documents/Grille 06-12-2026 23-37-41.pdf";
    ASSERT_TRUE(std::filesystem::exists(pdf)) << "no documents folder: ~/Documents is made";
    ASSERT_EQ(s.messageBox.active, 1);
    EXPECT_EQ(s.messageBox.lines[0].view(), "Aucune imprimante");
    EXPECT_EQ(s.messageBox.lines[1].view(), "Enregistr\xE9" "e dans :");
    std::string named;
    for (int i = 2; i < MessageBoxLines && s.messageBox.lines[i].view() != "Cliquez"; ++i) named += s.messageBox.lines[i].str();
    EXPECT_EQ(named, pdf) << "the path, cut over several lines when long";
    const std::string text = pdfText(pdf);
    for (const std::string& word : s.gameWordList) EXPECT_NE(text.find(word), std::string::npos) << word;
    expectWithinMargins(printedPicture("print_word_placement"));

    press(pixelOf(2, 2));  // closes the message box, and no more
    release(pixelOf(2, 2));
    frames(1);
    EXPECT_EQ(s.messageBox.active, 0);
    EXPECT_EQ(s.game.letters, letters);
    EXPECT_EQ(s.app.gameTitle.view(), "MOTS CASES");
    EXPECT_EQ(s.app.gameLost + s.app.gameWon, 0);

    // The desktop's documents folder, named in its user-dirs file, then in
    // the variable that overrides it (made when missing).
    home.write(".config/user-dirs.dirs",
               "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\nXDG_DOCUMENTS_DIR=\"$HOME/Mes documents\"\n");
    clickPrint();
    EXPECT_TRUE(std::filesystem::exists(home.bare() + "/Mes documents/Grille 06-12-2026 23-37-41.pdf"));
    EXPECT_EQ(s.messageBox.lines[2].view(), home.bare() + "/Mes documents/");
    EXPECT_EQ(s.messageBox.lines[3].view(), "Grille 06-12-2026 23-37-41.pdf");
    closeMessageBox(s);
    const ScopedVariable documents{"XDG_DOCUMENTS_DIR", home.bare() + "/Papiers"};
    clickPrint();
    EXPECT_TRUE(std::filesystem::exists(home.bare() + "/Papiers/Grille 06-12-2026 23-37-41.pdf"));
    closeMessageBox(s);

    platform.printerPresent = true;
    platform.printerRefuses = true;
    clickPrint();
    EXPECT_EQ(s.messageBox.lines[0].view(), "L'impression a \xE9" "chou\xE9");
    EXPECT_EQ(platform.count("print MOTS CASES"), 0);
}

// A home the font cannot spell: the message names the folder from the home,
// never as a row of question marks.
TEST_F(Printing, AFolderInAHomeTheFontCannotSpellIsShownFromTheHome) {
    const std::string cyrillicHome = home.bare() + "/\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD";  // a first name in Cyrillic
    const ScopedVariable homeInCyrillic{"HOME", cyrillicHome};
    std::filesystem::create_directories(cyrillicHome);
    play(32, "MOTS CASES");
    platform.printerPresent = false;
    clickPrint();
    EXPECT_TRUE(std::filesystem::exists(cyrillicHome + "/Documents/Grille 06-12-2026 23-37-41.pdf"));
    EXPECT_EQ(s.messageBox.lines[2].view(), "~/Documents/");
    closeMessageBox(s);
    // A documents folder named in Cyrillic too.
    const ScopedVariable documents{"XDG_DOCUMENTS_DIR", cyrillicHome + "/\xD0\x94\xD0\xBE\xD0\xBA"};
    clickPrint();
    EXPECT_EQ(s.messageBox.lines[2].view(), "~/.../");
}

}  // namespace glossamo::testing
