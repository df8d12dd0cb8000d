// The anagram and incomplete-word screens: typed through the key handler,
// searched on Enter, answered in list box 3.
#include "menus/search_tools.hpp"

#include "menus/menu_screens.hpp"
#include "shell/input_routing.hpp"
#include "shell/window_events.hpp"
#include "support/program_fixture.hpp"

namespace glossamo::testing {

class SearchTools : public ProgramFixture {
protected:
    void SetUp() override {
        s.app.titleShowing = 0;
        ASSERT_EQ(s.words.loadLines({"NICHE", "CHIEN", "A", "ROUGE", "CHINE", "Y", "CHIOT", "ZEBRE",
                                     "ABCDEFGHIJKLMNOP"}),
                  WordStore::LoadResult::Loaded);
    }
    // Opens the screen as its button does, types and presses Enter.
    void search(Screen screen, const std::string& typed) {
        openScreen(s, screen);
        WindowEvents(s).onTextInput(typed);
        FormKeyDown(s, vk::Enter, 0);
    }
    // The non-empty entries of list box 3, from entry 1.
    std::vector<std::string> results() const {
        std::vector<std::string> shown;
        const ListBox& list = s.listBoxes[3];
        for (int i = 1; i < ListBoxEntries; ++i)
            if (!list.entries[static_cast<std::size_t>(i)].empty()) shown.push_back(list.entries[static_cast<std::size_t>(i)]);
        return shown;
    }
    using Words = std::vector<std::string>;
};

TEST_F(SearchTools, AnagramsComeInFileOrderWithoutTheTypedWord) {
    search(Screen::AnagramSearch, "chien");
    EXPECT_EQ(results(), (Words{"NICHE", "CHINE"}));
    EXPECT_EQ(s.listBoxes[3].entries[1], "NICHE") << "the first result is entry 1";
    EXPECT_EQ(platform.count("sound 1"), 1);
    search(Screen::AnagramSearch, "rouge");
    EXPECT_EQ(results(), Words{"Pas de r\xE9ponses"}) << "its own only arrangement; the last results are gone";
    search(Screen::AnagramSearch, "a");
    EXPECT_EQ(results(), Words{"?"}) << "one letter without anagram: the row of one question mark";
}

TEST_F(SearchTools, PatternStarsStandForAnyLetter) {
    search(Screen::PatternSearch, "chi**");
    EXPECT_EQ(results(), (Words{"CHIEN", "CHINE", "CHIOT"}));
    search(Screen::PatternSearch, "*");
    EXPECT_EQ(results(), (Words{"A", "Y"})) << "every one-letter word";
    search(Screen::PatternSearch, "zebre");
    EXPECT_EQ(results(), Words{"ZEBRE"}) << "a word without a star lists itself";
    search(Screen::PatternSearch, "ZEBRA");
    EXPECT_EQ(results(), Words{"Pas de r\xE9ponses"});
    ASSERT_EQ(s.words.loadLines({"CHAT", "ZEBRE"}), WordStore::LoadResult::Loaded);
    search(Screen::PatternSearch, "*");
    EXPECT_EQ(results(), Words{"?"}) << "no one-letter word in the list";
}

TEST_F(SearchTools, SeventeenthTypedCharacterIsIgnored) {
    search(Screen::PatternSearch, "ABCDEFGHIJKLMNOPQ");
    EXPECT_EQ(s.typedText.view(), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(results(), Words{"ABCDEFGHIJKLMNOP"});
}

TEST_F(SearchTools, From599ResultsOnlyTheirNumberIsSaid) {
    // Three-letter "words" AAA, AAB, ... in file order.
    auto words = [](int n) {
        Words list;
        for (int i = 0; i < n; ++i)
            list.push_back({static_cast<char>('A' + i / 676), static_cast<char>('A' + i / 26 % 26),
                            static_cast<char>('A' + i % 26)});
        return list;
    };
    ASSERT_EQ(s.words.loadLines(words(598)), WordStore::LoadResult::Loaded);
    search(Screen::PatternSearch, "***");
    EXPECT_EQ(results(), words(598)) << "598 results are all listed, in order";
    ASSERT_EQ(s.words.loadLines(words(599)), WordStore::LoadResult::Loaded);
    search(Screen::PatternSearch, "***");
    EXPECT_EQ(results(), Words{"Plus de 600 r\xE9ponses"});
}

}  // namespace glossamo::testing
