#include "SIM_Quotes.h"

#include "LibSpreadsheet.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace {
std::vector<SIM_Quote> gQuotes;
bool gLoaded = false;

bool HasControlCharacter(const std::string& cell) {
    return std::any_of(cell.begin(), cell.end(), [](char ch) {
        const auto byte = static_cast<unsigned char>(ch);
        return byte < 0x20 || byte == 0x7f;
    });
}

// A small mixer of our own: the quote of the day must not come from the game's generator,
// or opening the screen would change what the rest of the day rolls.
std::uint32_t Mix(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}
}  // namespace

void LoadQuotes(const std::string& file) {
    gQuotes.clear();
    gLoaded = true;
    const auto sheet = LoadSpreadsheet(file);
    for (const std::string& row : sheet->rows) {
        LibTokenizer cells(row);
        cells.Next();  // the data-row marker
        SIM_Quote quote;
        quote.text = cells.NextText();
        quote.author = cells.NextText();
        quote.source = cells.NextText();
        if (quote.text.empty() || quote.author.empty()) continue;
        if (HasControlCharacter(quote.text) || HasControlCharacter(quote.author) || HasControlCharacter(quote.source))
            continue;
        gQuotes.push_back(std::move(quote));
    }
}

const std::vector<SIM_Quote>& Quotes() {
    if (!gLoaded) LoadQuotes();
    return gQuotes;
}

void ResetQuotes() {
    gQuotes.clear();
    gLoaded = false;
}

const SIM_Quote* QuoteForDay(int day, unsigned salt) {
    const std::vector<SIM_Quote>& quotes = Quotes();
    if (quotes.empty()) return nullptr;
    const auto count = static_cast<std::uint32_t>(quotes.size());
    const auto d = static_cast<std::uint32_t>(std::max(day, 0));
    const std::uint32_t round = d / count;
    // Shuffle the catalogue for this round of days (Fisher-Yates on the mixer's numbers).
    std::vector<std::uint32_t> order(count);
    std::iota(order.begin(), order.end(), 0U);
    std::uint32_t state = Mix(salt ^ Mix(round + 0x9e3779b9U));
    for (std::uint32_t i = count - 1; i > 0; --i) {
        state = Mix(state + i);
        std::swap(order[i], order[state % (i + 1)]);
    }
    return &quotes[order[d % count]];
}

std::string FormatQuoteLine(const SIM_Quote& quote) {
    std::string line = "\"" + quote.text + "\" - " + quote.author;
    if (!quote.source.empty()) line += " (" + quote.source + ")";
    return line;
}
