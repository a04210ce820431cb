// Damaged saves thrown at the loader over a game in play: cut, bytes flipped, tags dropped or
// renamed, letters and huge figures in numbers, numbers swapped between people and songs.
// Every case either loads (and the game then plays on and saves readably) or is refused with
// the file named and the game in play untouched. Damage to the chart's weeks alone costs no
// more than the weeks.
#include "HeadlessCareerTest.h"
#include "SIM_LoadGame.h"
#include "SIM_SaveData.h"

#include <random>

namespace {

class Mutator {
public:
    explicit Mutator(unsigned seed) : random_(seed) {}

    std::string Mutate(std::string text) {
        switch (Below(8)) {
        case 0:  // cut anywhere
            return text.substr(0, Below(text.size()));
        case 1: {  // a few bytes flipped to characters the reader cares about
            static const char kAlphabet[] = "<>/x0.-9\n ";
            for (int n = 1 + static_cast<int>(Below(4)); n > 0; --n) text[Below(text.size())] = kAlphabet[Below(10)];
            return text;
        }
        case 2: {  // a line dropped
            const std::size_t at = LineStart(text);
            return text.erase(at, text.find('\n', at) - at + 1);
        }
        case 3: {  // a tag renamed
            const std::size_t at = text.find('<', LineStart(text)) + 1;
            if (at < text.size() && text[at] != '/') text[at] = text[at] == 'q' ? 'z' : 'q';
            return text;
        }
        case 4:  // letters into a number
            return ReplaceValue(text, "12ab");
        case 5: {  // a figure too big, too small or not finite
            static const char* const kHuge[] = {"999999999", "-999999999", "2147483647", "1e30", "-1", "99000", "inf"};
            return ReplaceValue(text, kHuge[Below(7)]);
        }
        case 6: {  // one save-load number replaced by another one of the file
            const std::string from = SlidValue(text), to = SlidValue(text);
            const std::size_t at = text.find(">" + from + "<", Below(text.size()));
            return at == std::string::npos ? text : text.replace(at + 1, from.size(), to);
        }
        default: {  // a line doubled
            const std::size_t at = LineStart(text);
            return text.insert(at, text.substr(at, text.find('\n', at) - at + 1));
        }
        }
    }

private:
    std::size_t Below(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(random_() % n); }
    std::size_t LineStart(const std::string& text) {
        const std::size_t at = text.rfind('\n', Below(text.size() - 1));
        return at == std::string::npos ? 0 : at + 1;
    }
    // The value of a leaf on or after a random line, replaced whole.
    std::string ReplaceValue(std::string text, const std::string& value) {
        const std::size_t open = text.find(">", text.find("</", LineStart(text)) == std::string::npos ? 0 : LineStart(text));
        const std::size_t end = open == std::string::npos ? open : text.find('<', open);
        if (end == std::string::npos || text[end + 1] != '/') return text;
        return text.replace(open + 1, end - open - 1, value);
    }
    std::string SlidValue(const std::string& text) {
        for (int tries = 0; tries < 20; ++tries) {
            const std::size_t at = text.find("slid>", Below(text.size()));
            if (at == std::string::npos || text[at - 1] == '/') continue;
            const std::size_t end = text.find('<', at);
            return text.substr(at + 5, end - at - 5);
        }
        return "0";
    }

    std::mt19937 random_;
};

class LoadGameFuzz : public HeadlessCareerTest {
protected:
    void SetUp() override {
        StartCareer(3);
        Play(200);
        base = SaveGameText();
        basePath = dir.Write("base.xml", base);
    }
    // Loads the damaged text; a refusal must name the file and leave the game as it was.
    bool Loads(const std::string& damaged, unsigned round) {
        const std::string path = dir.Write("damaged.xml", damaged);
        std::string error;
        if (LoadGame(path, &error)) return true;
        EXPECT_EQ(error.rfind(path + ": ", 0), 0u) << "round " << round << ": " << error;
        EXPECT_EQ(SaveGameText() == base, true) << "round " << round << " changed the game: " << error;
        return false;
    }

    std::string base, basePath;
};

TEST_F(LoadGameFuzz, DamagedSavesLoadWholeOrChangeNothing) {
    int loaded = 0, refused = 0;
    for (unsigned round = 0; round < 300; ++round) {
        Mutator mutator(round);
        if (!Loads(mutator.Mutate(base), round)) {
            ++refused;
            continue;
        }
        ++loaded;
        // What loaded plays on and saves a file that reads back.
        Play(2);
        SIM_TagReader reader;
        reader.Start(SaveGameText(), "again.xml");
        EXPECT_NO_THROW(ReadSaveData(reader)) << "round " << round;
        std::string error;
        ASSERT_TRUE(LoadGame(basePath, &error)) << error;
        ASSERT_EQ(SaveGameText() == base, true) << "round " << round;
    }
    EXPECT_EQ(errors.assertions, 0) << errors.lastAssert;
    EXPECT_GT(refused, 150);
    EXPECT_GT(loaded, 0);
}

TEST_F(LoadGameFuzz, DamagedWeeksCostTheChartAtMost) {
    const std::size_t from = base.find("<history>\n"), to = base.find("</history>\n") + 11;
    ASSERT_GT(to - from, 20u * 20u) << "the career has too few weeks to damage";
    const auto rest = [](const std::string& text) {
        const std::size_t at = text.find("<history>\n");
        return text.substr(0, at) + text.substr(text.find("</history>\n", at) + 11);
    };
    int kept = 0, dropped = 0, refused = 0;
    for (unsigned round = 0; round < 200; ++round) {
        Mutator mutator(1000 + round);
        if (!Loads(base.substr(0, from) + mutator.Mutate(base.substr(from, to - from)) + base.substr(to), round)) {
            ++refused;
            continue;
        }
        // Everything but the weeks came back as it was.
        ASSERT_EQ(rest(SaveGameText()) == rest(base), true) << "round " << round;
        ++(GetCareerHistory().weeks.empty() ? dropped : kept);
        std::string error;
        ASSERT_TRUE(LoadGame(basePath, &error)) << error;
    }
    EXPECT_EQ(errors.assertions, 0) << errors.lastAssert;
    EXPECT_GT(dropped, 40);
    EXPECT_GT(kept, 20);
    EXPECT_GT(refused, 0);
}

}  // namespace
