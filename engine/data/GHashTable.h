#pragma once
// The translated-string table of "data/strings.ini" and the numbered sections of random texts.
#include "LibConfigSection.h"

#include <array>
#include <string>
#include <vector>

constexpr const char* kStringsFile = "data/strings.ini";

class GHashTable {
public:
    static constexpr int kBuckets = 54;  // only 0..52 are used

    // Reads the section: whitespace leaves the keys, "\" makes "=", quotes and line ends literal.
    void Load(const std::string& section, const std::string& file);
    // The stored value, or the empty text.
    const std::string& Lookup(const std::string& key) const;
    void Clear();
    bool IsLoaded() const { return loaded_; }
    std::size_t Count() const;

    // First letter's index plus last letter's index (a..z are 0..25, anything else 26).
    static int Bucket(const std::string& key);

private:
    std::array<std::vector<LibConfigSection::Entry>, kBuckets> buckets_{};
    std::string section_;
    std::string file_;
    bool loaded_ = false;
};

// The table Translate reads; loaded from section "strings" of "data/strings.ini" on first use.
GHashTable& StringTable();
// The translated text of key, or the key itself when there is none.
std::string Translate(const std::string& key);
// A random entry "0".."n-1" of a numbered section (cached per section and file).
std::string TranslateRandom(const std::string& section, const std::string& file = kStringsFile);
// The entry of a numbered section of "data/strings.ini" at the given fraction of its length.
std::string TranslatePick(float fraction, const std::string& section);
// The cached section (section, file), loaded from disk on first request.
const LibConfigSection& CachedSection(const std::string& section, const std::string& file = kStringsFile);
// Frees the string table and every cached section (shut-down, and tests).
void ClearTranslations();
// Where Translate reads its table; tests point it at fixtures.
void SetStringsFile(const std::string& file);
