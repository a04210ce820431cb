#include "SIM_TagReader.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

bool SIM_TagReader::Open(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream content;
    content << in.rdbuf();
    Start(content.str(), path);
    return true;
}

void SIM_TagReader::Start(std::string text, std::string name) {
    text_ = std::move(text);
    name_ = std::move(name);
    position_ = 0;
}

void SIM_TagReader::Fail(const std::string& message) const { throw SIM_SaveFileError(name_ + ": " + message); }

void SIM_TagReader::FindTag(const std::string& tag) {
    for (;;) {
        const std::size_t open = text_.find('<', position_);
        const std::size_t close = open == std::string::npos ? open : text_.find('>', open + 1);
        if (close == std::string::npos) {
            position_ = text_.size();
            Fail("missing tag: " + tag);
        }
        const std::string found = text_.substr(open + 1, close - open - 1);
        position_ = close + 1;
        if (found == tag) return;
        if (strict) Fail("Tag " + tag + " expected found " + found.substr(0, 64));
    }
}

std::string SIM_TagReader::PeekTag() const {
    const std::size_t open = text_.find('<', position_);
    if (open == std::string::npos) return {};
    const std::size_t close = text_.find('>', open + 1);
    if (close == std::string::npos) return {};
    return text_.substr(open + 1, close - open - 1);
}

std::string SIM_TagReader::ReadValue(const std::string& tag) {
    FindTag(tag);
    const std::size_t end = text_.find('<', position_);
    if (end == std::string::npos) Fail("missing tag: /" + tag);
    if (end - position_ > kMaxValue) Fail("value of " + tag + " is too long");
    std::string value = text_.substr(position_, end - position_);
    position_ = end;
    FindTag("/" + tag);
    return value;
}

std::optional<int> ParseWholeNumber(const std::string& text) {
    int value = 0;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value);
    if (text.empty() || error != std::errc() || end != last) return std::nullopt;
    return value;
}

std::optional<float> ParseDecimalNumber(const std::string& text) {
    char* end = nullptr;
    const float value = std::strtof(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

int SIM_TagReader::ReadInt(const std::string& tag) {
    const std::string text = ReadValue(tag);
    const std::optional<int> value = ParseWholeNumber(text);
    if (!value) Fail("tag " + tag + " holds no whole number: " + text);
    if (std::fabs(static_cast<double>(*value)) > kMaxMagnitude) Fail("tag " + tag + " holds a number out of range: " + text);
    return *value;
}

float SIM_TagReader::ReadFloat(const std::string& tag) {
    const std::string text = ReadValue(tag);
    const std::optional<float> value = ParseDecimalNumber(text);
    if (!value) Fail("tag " + tag + " holds no number: " + text);
    if (std::fabs(static_cast<double>(*value)) > kMaxMagnitude) Fail("tag " + tag + " holds a number out of range: " + text);
    return *value;
}
