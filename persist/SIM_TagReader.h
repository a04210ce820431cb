#pragma once
// Reads the save game's nested tags: "<tag>" lines, "</tag>" lines and one-line leaves
// "<tag>value</tag>". Strict reading expects every tag in the order written; the load
// menu's summary reader skips what it does not want. Anything wrong with the file (a missing or
// unexpected tag, a number that is not one, a value too long, a cut-off end) throws
// SIM_SaveFileError naming the file and the tag, so a damaged save never takes the game down.
#include <optional>
#include <stdexcept>
#include <string>

struct SIM_SaveFileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The conversions of ReadInt and ReadFloat: none when the text is not such a number.
std::optional<int> ParseWholeNumber(const std::string& text);
std::optional<float> ParseDecimalNumber(const std::string& text);

class SIM_TagReader {
public:
    // The longest value the format allows.
    static constexpr std::size_t kMaxValue = 1023;
    // No saved figure comes near this; anything bigger would overflow as the game counts on.
    static constexpr double kMaxMagnitude = 1.0e9;

    // Reads the whole file; false when it cannot be opened.
    bool Open(const std::string& path);
    // Reads from text already in memory; name is what errors call the file.
    void Start(std::string text, std::string name);

    // Moves past the next "<tag>" equal to this one. Strict: the next tag must be it.
    void FindTag(const std::string& tag);
    // The name of the next tag without moving ("" at the end of the text).
    std::string PeekTag() const;
    // The value of leaf "tag", verbatim; the reader stands after "</tag>".
    std::string ReadValue(const std::string& tag);
    std::string ReadString(const std::string& tag) { return ReadValue(tag); }
    // Whole decimal numbers only ("12", "-3"); anything else is an error.
    int ReadInt(const std::string& tag);
    // A finite decimal number ("0.250", "-7", "1e3").
    float ReadFloat(const std::string& tag);

    // Raises SIM_SaveFileError with "<file>: <message>".
    [[noreturn]] void Fail(const std::string& message) const;
    const std::string& FileName() const { return name_; }

    bool strict = true;

private:
    std::string text_;
    std::string name_;
    std::size_t position_ = 0;
};
