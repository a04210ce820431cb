#include "LibConfigSection.h"
#include "TuningOverrides.h"

#include "LibDataFolder.h"
#include "LibDebugLog.h"
#include "LibSpreadsheet.h"
#include "LibString.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

std::string Trim(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; };
    while (begin < end && space(text[begin])) ++begin;
    while (end > begin && space(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) { return ToLower(a) == ToLower(b); }

// A section header "[name]", or nothing.
bool SectionHeader(const std::string& trimmed, std::string& name) {
    if (trimmed.size() < 2 || trimmed.front() != '[') return false;
    const std::size_t close = trimmed.find(']');
    if (close == std::string::npos) return false;
    name = Trim(std::string_view(trimmed).substr(1, close - 1));
    return true;
}

std::vector<std::string> ReadLines(const std::string& file) {
    std::vector<std::string> lines;
    std::ifstream in(DataFile(file), std::ios::binary);
    if (!in) return lines;
    std::ostringstream content;
    content << in.rdbuf();
    std::string text = content.str();
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\0') {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

// "key = value" reads as "key=value", as the profile API delivers it.
std::string NormaliseEntry(const std::string& trimmed) {
    const std::size_t eq = trimmed.find('=');
    if (eq == std::string::npos) return trimmed;
    return Trim(std::string_view(trimmed).substr(0, eq)) + "=" + Trim(std::string_view(trimmed).substr(eq + 1));
}

std::string ConfigValue(std::string_view raw, bool keepQuotes) {
    std::string value;
    bool literal = false;
    for (char c : raw) {
        if (value.size() >= LibConfigSection::kMaxValue) break;
        if (literal) {
            value += c;
            literal = false;
        } else if (c == '\\') {
            literal = true;
        } else if (c == '"') {
            if (keepQuotes) value += c;
        } else if (c != '\n') {
            value += c;
        }
    }
    return value;
}

}  // namespace

std::vector<std::string> ReadProfileSection(const std::string& section, const std::string& file,
                                            std::size_t maxChars) {
    std::vector<std::string> out;
    bool inside = false;
    std::size_t used = 0;
    for (const std::string& line : ReadLines(file)) {
        const std::string trimmed = Trim(line);
        std::string name;
        if (SectionHeader(trimmed, name)) {
            // Only the first section of a name is read.
            if (inside) break;
            inside = EqualsIgnoreCase(name, section);
            continue;
        }
        if (!inside || trimmed.empty() || trimmed[0] == ';') continue;
        std::string entry = NormaliseEntry(trimmed);
        // The section buffer ends with two NULs; what does not fit is cut off.
        if (used + entry.size() + 2 > maxChars) {
            if (used + 2 < maxChars) out.push_back(entry.substr(0, maxChars - used - 2));
            break;
        }
        used += entry.size() + 1;
        out.push_back(std::move(entry));
    }
    return out;
}

bool WriteProfileString(const std::string& section, const std::string& key, const std::string& value,
                        const std::string& profile) {
    // Written back where it is read from, whatever the working directory.
    const std::string file = DataFile(profile);
    std::vector<std::string> lines = ReadLines(file);
    const std::string newLine = key + "=" + value;
    std::size_t insertAt = lines.size();
    bool inside = false, sectionFound = false, written = false;
    for (std::size_t i = 0; i < lines.size() && !written; ++i) {
        const std::string trimmed = Trim(lines[i]);
        std::string name;
        if (SectionHeader(trimmed, name)) {
            if (inside) break;
            inside = EqualsIgnoreCase(name, section);
            if (inside) {
                sectionFound = true;
                insertAt = i + 1;
            }
            continue;
        }
        if (!inside) continue;
        if (!trimmed.empty()) insertAt = i + 1;
        const std::size_t eq = trimmed.find('=');
        if (trimmed.empty() || trimmed[0] == ';' || eq == std::string::npos) continue;
        if (EqualsIgnoreCase(Trim(std::string_view(trimmed).substr(0, eq)), key)) {
            lines[i] = newLine;
            written = true;
        }
    }
    if (!written) {
        if (!sectionFound) {
            lines.push_back("[" + section + "]");
            insertAt = lines.size();
        }
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), newLine);
    }

    const std::string temporary = file + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        for (const std::string& line : lines) out << line << '\n';
        out.flush();
        if (!out) {
            WriteDebugLine("Failed to write profile file: " + file);
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), file.c_str()) != 0) {
        WriteDebugLine("Failed to replace profile file: " + file);
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool WriteProfileInt(const std::string& section, const std::string& key, int value, const std::string& file) {
    return WriteProfileString(section, key, std::to_string(value), file);
}

void LibConfigSection::Load(const std::string& section, const std::string& file) {
    Clear();
    section_ = section;
    file_ = file;
    for (const std::string& line : ReadProfileSection(section, file)) {
        const std::size_t eq = line.find('=');
        std::string key = line.substr(0, eq).substr(0, kMaxKey);
        if (!key.empty() && key[0] == '/') continue;
        const std::string_view raw = eq == std::string::npos ? std::string_view() : std::string_view(line).substr(eq + 1);
        Entry& entry = entries_.emplace_back(Entry{std::move(key), ConfigValue(raw, keepQuotes)});
        entry.number = ParseLeadingFloat(std::string_view(entry.value).substr(0, 63));
        index_.emplace(entry.key, entries_.size() - 1);  // an earlier entry of the key stays
    }
}

const LibConfigSection::Entry* LibConfigSection::FindEntry(const std::string& key) const {
    const auto it = index_.find(key);
    return it == index_.end() ? nullptr : &entries_[it->second];
}

const std::string& LibConfigSection::Find(const std::string& key) const {
    static const std::string empty;
    const Entry* entry = FindEntry(key);
    return entry ? entry->value : empty;
}

float LibConfigSection::GetFloat(const std::string& key, float defaultValue) const {
    const Entry* entry = FindEntry(key);
    return !entry || entry->value.empty() ? defaultValue : entry->number;
}

void LibConfigSection::Clear() {
    entries_.clear();
    index_.clear();
    section_.clear();
    file_.clear();
}

LibConfigSection& TuningTable() {
    static LibConfigSection table;
    return table;
}

void LoadTuningTable(const std::string& file) { TuningTable().Load("config", file); }

namespace {
std::unordered_map<std::string, float>& TuningOverrides() {
    static std::unordered_map<std::string, float> overrides;
    return overrides;
}
}  // namespace

float GetTuningValue(const std::string& key) {
    const auto& overrides = TuningOverrides();
    if (!overrides.empty())
        if (auto it = overrides.find(key); it != overrides.end()) return it->second;
    return TuningTable().GetFloat(key, 0.0f);
}

void OverrideTuningValue(const std::string& key, float value) { TuningOverrides()[key] = value; }

void ClearTuningOverrides() { TuningOverrides().clear(); }
