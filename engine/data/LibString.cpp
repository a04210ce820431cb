#include "LibString.h"

#include <array>
#include <cstdarg>
#include <cstdio>
#include <utility>

void ReplaceToken(std::string& text, std::string_view token, std::string_view replacement) {
    if (token.empty()) return;
    // Searching again from the start lets a replacement complete a token that was split around
    // it; a replacement that contains its own token would never finish, so it gets one pass.
    // The bound stops any other replacement that keeps rebuilding the token around itself.
    bool onePass = replacement.find(token) != std::string_view::npos;
    std::size_t from = 0;
    int restarts = 0;
    for (std::size_t at = text.find(token); at != std::string::npos; at = text.find(token, from)) {
        text.replace(at, token.size(), replacement);
        if (!onePass && ++restarts > 4096) onePass = true;
        from = onePass ? at + replacement.size() : 0;
    }
}

void ReplaceTokenNumber(std::string& text, std::string_view token, long long number) {
    ReplaceToken(text, token, FormatThousands(number));
}

std::string FormatThousands(long long n) {
    const bool negative = n < 0;
    unsigned long long magnitude = negative ? 0ull - static_cast<unsigned long long>(n) : n;
    std::string digits = std::to_string(magnitude);
    std::string out;
    const std::size_t lead = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
    out.append(digits, 0, lead);
    for (std::size_t i = lead; i < digits.size(); i += 3) {
        out += ',';
        out.append(digits, i, 3);
    }
    return negative ? "-" + out : out;
}

std::string TrimTrailing(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\r' || text[end - 1] == '\n')) --end;
    return std::string(text.substr(0, end));
}

std::string TruncateWithEllipsis(std::string_view text, std::size_t length) {
    if (text.size() <= length) return std::string(text);
    return std::string(text.substr(0, length)) + "...";
}

std::string ToLower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

char ScanCodeToChar(int scanCode) {
    static const std::array<char, 256> table = [] {
        std::array<char, 256> t{};
        const char* digits = "1234567890";
        for (int i = 0; i < 10; ++i) t[2 + i] = digits[i];
        const int keypad[] = {79, 80, 81, 75, 76, 77, 71, 72, 73, 82};
        for (int i = 0; i < 10; ++i) t[keypad[i]] = digits[i];
        t[12] = t[74] = '-';
        const char* top = "qwertyuiop";
        for (int i = 0; i < 10; ++i) t[16 + i] = top[i];
        const char* home = "asdfghjkl";
        for (int i = 0; i < 9; ++i) t[30 + i] = home[i];
        t[40] = '\'';
        const char* bottom = "zxcvbnm";
        for (int i = 0; i < 7; ++i) t[44 + i] = bottom[i];
        t[51] = ',';
        t[52] = t[83] = '.';
        t[57] = ' ';
        return t;
    }();
    return scanCode >= 0 && scanCode < 256 ? table[static_cast<std::size_t>(scanCode)] : 0;
}

namespace {
// The font cell of a character, 0 when the fonts have none.
char FontCell(char32_t c) {
    if (c >= 0x20 && c <= 0x7E) return static_cast<char>(c);
    switch (c) {
        case 0x20AC: return '\x80';  // euro
        case 0x00A3:                 // pound
        case 0x00C4:                 // A, E, O, U umlaut
        case 0x00CB:
        case 0x00D6:
        case 0x00DC:
        case 0x00DF:  // sharp s
        case 0x00E4:  // a, e, o, u umlaut
        case 0x00EB:
        case 0x00F6:
        case 0x00FC: return static_cast<char>(c);  // Windows-1252 keeps Latin-1's numbers here
        default: return 0;
    }
}

// The character starting at text[at] and its length in bytes; length 0 for a byte that does not
// begin a well-formed sequence (a stray continuation byte, an overlong form, a surrogate, a
// number beyond Unicode or a sequence cut short).
std::pair<char32_t, std::size_t> DecodeUtf8(const std::string& text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    char32_t c = 0;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2, c = lead & 0x1Fu;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3, c = lead & 0x0Fu;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4, c = lead & 0x07u;
    else return {0, 0};
    if (text.size() - at < length) return {0, 0};
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0u) != 0x80u) return {0, 0};
        c = c << 6 | (next & 0x3Fu);
    }
    const bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
    if (overlong || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return {0, 0};
    return {c, length};
}
}  // namespace

std::string FontTextFromUtf8(const std::string& utf8) {
    std::string text;
    for (std::size_t at = 0; at < utf8.size();) {
        const auto [c, length] = DecodeUtf8(utf8, at);
        if (length == 0) {
            ++at;  // dropped; the next byte may begin a good character
            continue;
        }
        at += length;
        if (const char cell = FontCell(c)) text += cell;
    }
    return text;
}

std::string FormatText(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int size = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
    if (size > 0) std::vsnprintf(out.data(), out.size() + 1, format, args);
    va_end(args);
    return out;
}
