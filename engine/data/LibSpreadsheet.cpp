#include "LibSpreadsheet.h"

#include "LibDataFolder.h"
#include "LibDebugLog.h"
#include "LibString.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

std::unique_ptr<LibSpreadsheet> ParseSpreadsheet(std::string_view text) {
    auto sheet = std::make_unique<LibSpreadsheet>();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::string line(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        start = end == std::string_view::npos ? text.size() : end + 1;
        // Files written on Windows end their lines with CR LF; a row ends with a line feed.
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] != '#') continue;
        sheet->rows.push_back(line + "\n");
    }
    return sheet;
}

std::unique_ptr<LibSpreadsheet> LoadSpreadsheet(const std::string& path) {
    if (path.size() < 2) return std::make_unique<LibSpreadsheet>();
    std::ifstream file(DataFile(path), std::ios::binary);
    if (!file) {
        WriteDebugLine("Failed to find spreadsheet: " + path);
        return std::make_unique<LibSpreadsheet>();
    }
    std::ostringstream content;
    content << file.rdbuf();
    return ParseSpreadsheet(content.str());
}

void LibTokenizer::Start(std::string_view text, char separator) {
    source_.assign(text);
    position_ = 0;
    separator_ = separator;
}

std::string LibTokenizer::Next() {
    std::string token;
    bool insideQuotes = false;
    while (position_ < source_.size()) {
        const char c = source_[position_++];
        if (c == '"') {
            insideQuotes = !insideQuotes;
            if (keepQuotes) token += c;
            continue;
        }
        if (!insideQuotes && c == separator_) break;
        token += c;
    }
    return token;
}

int LibTokenizer::NextInt() { return ParseLeadingInt(TrimTrailing(Next())); }
float LibTokenizer::NextFloat() { return ParseLeadingFloat(TrimTrailing(Next())); }
std::string LibTokenizer::NextText() { return TrimTrailing(Next()); }

namespace {
std::string_view SkipLeadingSpace(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    return text.substr(i);
}
}  // namespace

int ParseLeadingInt(std::string_view text) {
    text = SkipLeadingSpace(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) break;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

float ParseLeadingFloat(std::string_view text) {
    text = SkipLeadingSpace(text);
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    // Only plain decimal numbers: "inf", "nan" and hexadecimal forms read as 0.
    const std::size_t digitAt = !text.empty() && text[0] == '-' ? 1 : 0;
    if (digitAt >= text.size()) return 0.0f;
    const char first = text[digitAt];
    if (!((first >= '0' && first <= '9') || first == '.')) return 0.0f;
    if (first == '0' && digitAt + 1 < text.size() && (text[digitAt + 1] == 'x' || text[digitAt + 1] == 'X'))
        return 0.0f;
    // The "C" numeric locale is never changed by the game, so the decimal point is ".".
    const std::string copy(text);
    // A number too large for a float would come back infinite and poison every sum it meets.
    const float value = std::strtof(copy.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0f;
}
