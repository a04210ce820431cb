#pragma once
// The catalogues' spreadsheet dialect: a line is a data row only when it starts with "#";
// cells are separated by commas and double quotes protect commas inside a cell.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct LibSpreadsheet {
    // Data rows in file order, each as read (with the "#" cell and the trailing line feed).
    std::vector<std::string> rows;
};

// Never null; a missing file logs "Failed to find spreadsheet: %s" and gives no rows.
std::unique_ptr<LibSpreadsheet> LoadSpreadsheet(const std::string& path);
// The same dialect over text already in memory.
std::unique_ptr<LibSpreadsheet> ParseSpreadsheet(std::string_view text);

class LibTokenizer {
public:
    LibTokenizer() = default;
    LibTokenizer(std::string_view text, char separator = ',') { Start(text, separator); }

    void Start(std::string_view text, char separator = ',');
    // The next cell, raw; empty once the end has been reached.
    std::string Next();
    int NextInt();
    float NextFloat();
    // The next cell with trailing spaces and line ends removed.
    std::string NextText();
    bool AtEnd() const { return position_ >= source_.size(); }

    bool keepQuotes = false;

private:
    std::string source_;
    std::size_t position_ = 0;
    char separator_ = ',';
};

// Standard decimal conversions: leading whitespace skipped, conversion stops at the first
// character that does not fit, text that does not start with a number gives 0. Ints saturate;
// a float beyond the float range gives 0.
int ParseLeadingInt(std::string_view text);
float ParseLeadingFloat(std::string_view text);
