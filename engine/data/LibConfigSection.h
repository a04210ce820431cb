#pragma once
// Ini-style profile files: sections of "key=value" lines, read and written with the
// semantics of the classic profile API (case-insensitive section and key names, trimmed lines).
#include <string>
#include <unordered_map>
#include <vector>

// The lines of one section, trimmed, without blank and ";" comment lines, in file order.
// The whole section is cut to maxChars characters (each line counts one more for its end).
// A missing file or section gives no lines.
std::vector<std::string> ReadProfileSection(const std::string& section, const std::string& file,
                                            std::size_t maxChars = 128000);
// Sets key=value in the section, adding the key or the section when missing. The file is
// replaced through a temporary file, so a failed write leaves the old one intact.
bool WriteProfileString(const std::string& section, const std::string& key, const std::string& value,
                        const std::string& file);
// Writes the integer as decimal text ("%d").
bool WriteProfileInt(const std::string& section, const std::string& key, int value, const std::string& file);

class LibConfigSection {
public:
    static constexpr std::size_t kMaxKey = 255;
    static constexpr std::size_t kMaxValue = 2047;

    struct Entry {
        std::string key;
        std::string value;
        float number = 0.0f;  // the value read as a decimal number once, at load
    };

    void Load(const std::string& section, const std::string& file);
    // The stored value of the first entry with exactly this key, or the empty text.
    const std::string& Find(const std::string& key) const;
    // The value as a decimal number (0 when it is not one); defaultValue when empty or missing.
    float GetFloat(const std::string& key, float defaultValue) const;
    void Clear();

    const std::vector<Entry>& Entries() const { return entries_; }
    const std::string& SectionName() const { return section_; }
    const std::string& FileName() const { return file_; }

    bool keepQuotes = false;

private:
    const Entry* FindEntry(const std::string& key) const;

    std::vector<Entry> entries_;
    // The first entry of each key: the day cycle reads tuning values by name many times a day.
    std::unordered_map<std::string, std::size_t> index_;
    std::string section_;
    std::string file_;
};

// The tuning table: section "config" of "data/config.txt".
constexpr const char* kTuningFile = "data/config.txt";
void LoadTuningTable(const std::string& file = kTuningFile);
LibConfigSection& TuningTable();
// The tuning value of key; 0 when the key is missing or not a number. Looked up on every call.
float GetTuningValue(const std::string& key);
