#include "LibString.h"

#include <array>
#include <cstdarg>
#include <cstdio>

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
