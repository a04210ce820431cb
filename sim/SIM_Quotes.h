#pragma once
// The quote under the date on the daily options screen: a small catalogue of sayings, each
// with the person (or tradition) it is credited to and, sometimes, where it was said.
#include <string>
#include <vector>

struct SIM_Quote {
    std::string text;
    std::string author;
    std::string source;  // empty when the quote has none
};

// Replaces the catalogue with the rows of the file. A row without a text or an author, or
// with control characters in a cell, is damaged and skipped; a missing file leaves it empty.
void LoadQuotes(const std::string& file = "data/simulation/quotes.csv");
// The catalogue, read from the game's file on first use.
const std::vector<SIM_Quote>& Quotes();
// Forgets the catalogue; the next use reads the file again.
void ResetQuotes();

// The quote of a day, null when the catalogue is empty. Days walk through the catalogue in a
// shuffled order, so no quote comes back before every other one has been shown; salt gives
// each career its own order.
const SIM_Quote* QuoteForDay(int day, unsigned salt = 0);
// The line the screen shows: the text in double quotes, " - ", the author and, when there is
// one, the source in brackets.
std::string FormatQuoteLine(const SIM_Quote& quote);
