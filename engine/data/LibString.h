#pragma once
// Small text helpers shared by every part of the game.
#include <string>
#include <string_view>

// Replaces every occurrence of token (for instance "<NAME>") in text.
void ReplaceToken(std::string& text, std::string_view token, std::string_view replacement);
// As ReplaceToken, with the number written by FormatThousands.
void ReplaceTokenNumber(std::string& text, std::string_view token, long long number);
// 1234 -> "1,234"; 0 -> "0"; negatives keep their sign: -1234 -> "-1,234".
std::string FormatThousands(long long n);
// Removes trailing spaces, carriage returns and line feeds.
std::string TrimTrailing(std::string_view text);
// Cuts a text longer than length and appends "...".
std::string TruncateWithEllipsis(std::string_view text, std::size_t length);
std::string ToLower(std::string_view text);
// Text entry: the character of a keyboard scan code (DirectInput numbering), 0 for none.
char ScanCodeToChar(int scanCode);
// Typed UTF-8 text as the bitmap fonts' single-byte (Windows-1252) text: space, printable
// ASCII and the few accented letters and signs the fonts hold (pound, euro, sharp s, the
// umlauts). Every other character, and any byte that is not valid UTF-8, is dropped.
std::string FontTextFromUtf8(const std::string& utf8);
// printf-style formatting into a std::string.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
