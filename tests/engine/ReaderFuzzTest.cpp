// Feeds random and damaged text to every reader of data files. Run under the sanitizers, any
// read past the input or other memory fault fails the test; the checks below hold for any input.
#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibSpreadsheet.h"
#include "LibString.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Random text biased towards the characters the readers treat specially.
std::string RandomText(std::mt19937& rng, std::size_t maxLength) {
    using namespace std::string_literals;
    static const std::string special = "#,\"=\\\n\r[]/; \t\0\xFF\xC3<>"s;  // NUL included
    std::uniform_int_distribution<std::size_t> length(0, maxLength);
    std::uniform_int_distribution<int> pick(0, 9);
    std::uniform_int_distribution<int> anyByte(0, 255);
    std::uniform_int_distribution<std::size_t> specialIndex(0, special.size() - 1);
    std::string text(length(rng), ' ');
    for (char& c : text) {
        const int kind = pick(rng);
        if (kind < 5) c = special[specialIndex(rng)];
        else if (kind < 9) c = static_cast<char>('A' + pick(rng));
        else c = static_cast<char>(anyByte(rng));
    }
    return text;
}

}  // namespace

TEST(ReaderFuzz, TokenizerNeverReadsPastItsRow) {
    std::mt19937 rng(2024);
    for (int i = 0; i < 4000; ++i) {
        const std::string text = RandomText(rng, 300);
        auto sheet = ParseSpreadsheet(text);
        for (const std::string& row : sheet->rows) {
            ASSERT_EQ(row.front(), '#');
            ASSERT_EQ(row.back(), '\n');
        }
        LibTokenizer cells(text);
        cells.keepQuotes = (i % 2) == 0;
        std::size_t consumed = 0;
        for (int cell = 0; cell < 400 && !cells.AtEnd(); ++cell) {
            consumed += cells.Next().size();
            cells.NextInt();
            cells.NextFloat();
        }
        ASSERT_TRUE(cells.AtEnd());
        ASSERT_LE(consumed, text.size());
        ASSERT_EQ(cells.Next(), "");
    }
}

TEST(ReaderFuzz, IniReadersAcceptAnyFile) {
    TempDir dir;
    std::mt19937 rng(77);
    for (int i = 0; i < 600; ++i) {
        std::string text = (i % 3 == 0 ? "[config]\n" : "[strings]\n") + RandomText(rng, 2000);
        if (i % 50 == 0) text += std::string(5000, 'k') + "=" + std::string(9000, 'v');  // over-long line
        const std::string file = dir.Write("fuzz.ini", text);
        LibConfigSection section;
        section.Load(i % 3 == 0 ? "config" : "strings", file);
        for (const auto& entry : section.Entries()) {
            ASSERT_LE(entry.key.size(), LibConfigSection::kMaxKey);
            ASSERT_LE(entry.value.size(), LibConfigSection::kMaxValue);
            ASSERT_FALSE(!entry.key.empty() && entry.key[0] == '/');
            section.GetFloat(entry.key, 1.0f);
        }
        GHashTable table;
        table.Load("strings", file);
        ASSERT_TRUE(table.IsLoaded());
        for (const auto& entry : section.Entries()) table.Lookup(entry.key);
        ASSERT_TRUE(WriteProfileInt("config", "K", i, file));
    }
}

TEST(ReaderFuzz, TokenReplacementAlwaysEnds) {
    std::mt19937 rng(5);
    for (int i = 0; i < 3000; ++i) {
        std::string text = RandomText(rng, 120);
        const std::string token = "<" + RandomText(rng, 3) + ">";
        const std::string replacement = RandomText(rng, 8);
        ReplaceToken(text, token, replacement);
        if (replacement.find(token) == std::string::npos && token.find('<') == 0 &&
            replacement.find('<') == std::string::npos && replacement.find('>') == std::string::npos) {
            ASSERT_EQ(text.find(token), std::string::npos);
        }
    }
}
