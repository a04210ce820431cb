#include "GHashTable.h"

#include "LibDebugLog.h"
#include "LibRandom.h"

#include <memory>

namespace {

bool IsWhitespace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

int LetterIndex(char c) {
    const int lower = (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : static_cast<unsigned char>(c);
    const int index = lower - 'a';
    return index >= 0 && index <= 25 ? index : 26;
}

// In translated texts a backslash arms a literal mark that the next "=", quote or line
// feed uses up; without it those characters are dropped.
std::string StringValue(std::string_view raw) {
    std::string value;
    bool literal = false;
    for (char c : raw) {
        if (value.size() >= LibConfigSection::kMaxValue) break;
        if (c == '\\') {
            literal = true;
        } else if (c == '=' || c == '"' || c == '\n') {
            if (literal) value += c;
            literal = false;
        } else {
            value += c;
        }
    }
    return value;
}

std::string gStringsFile = kStringsFile;
GHashTable gStringTable;
std::vector<std::unique_ptr<LibConfigSection>> gSectionCache;

std::string EntryAt(const LibConfigSection& section, int k) { return section.Find(std::to_string(k)); }

}  // namespace

int GHashTable::Bucket(const std::string& key) {
    if (key.empty()) return 52;
    return LetterIndex(key.front()) + LetterIndex(key.back());
}

void GHashTable::Load(const std::string& section, const std::string& file) {
    Clear();
    section_ = section;
    file_ = file;
    for (const std::string& line : ReadProfileSection(section, file)) {
        const std::size_t eq = line.find('=');
        std::string key;
        for (char c : std::string_view(line).substr(0, eq))
            if (!IsWhitespace(c) && key.size() < LibConfigSection::kMaxKey) key += c;
        if (!key.empty() && key[0] == '/') continue;  // a comment line, as in every other section
        const std::string_view raw = eq == std::string::npos ? std::string_view() : std::string_view(line).substr(eq + 1);
        buckets_[static_cast<std::size_t>(Bucket(key))].push_back({std::move(key), StringValue(raw)});
    }
    loaded_ = true;
}

const std::string& GHashTable::Lookup(const std::string& key) const {
    static const std::string empty;
    for (const auto& entry : buckets_[static_cast<std::size_t>(Bucket(key))])
        if (entry.key == key) return entry.value;
    return empty;
}

void GHashTable::Clear() {
    for (auto& bucket : buckets_) bucket.clear();
    section_.clear();
    file_.clear();
    loaded_ = false;
}

std::size_t GHashTable::Count() const {
    std::size_t n = 0;
    for (const auto& bucket : buckets_) n += bucket.size();
    return n;
}

GHashTable& StringTable() { return gStringTable; }

std::string Translate(const std::string& key) {
    if (!gStringTable.IsLoaded()) gStringTable.Load("strings", gStringsFile);
    const std::string& value = gStringTable.Lookup(key);
    return value.empty() ? key : value;
}

const LibConfigSection& CachedSection(const std::string& section, const std::string& file) {
    for (const auto& cached : gSectionCache)
        if (cached->SectionName() == section && cached->FileName() == file) return *cached;
    auto loaded = std::make_unique<LibConfigSection>();
    loaded->Load(section, file);
    gSectionCache.push_back(std::move(loaded));
    return *gSectionCache.back();
}

std::string TranslateRandom(const std::string& section, const std::string& file) {
    const LibConfigSection& entries = CachedSection(section, file == kStringsFile ? gStringsFile : file);
    const int n = static_cast<int>(entries.Entries().size());
    if (n == 0) {
        WriteDebugLine("WARNING - No random translation keys found");
        return {};
    }
    return EntryAt(entries, RandomInt() % n);
}

std::string TranslatePick(float fraction, const std::string& section) {
    const LibConfigSection& entries = CachedSection(section, gStringsFile);
    const int n = static_cast<int>(entries.Entries().size());
    if (n == 0) return {};
    const float scaled = static_cast<float>(n) * fraction;
    int k = scaled >= static_cast<float>(n) ? n - 1 : static_cast<int>(scaled > 0.0f ? scaled : 0.0f);
    if (k < 0) k = 0;
    return EntryAt(entries, k);
}

void ClearTranslations() {
    gStringTable.Clear();
    gSectionCache.clear();
}

void SetStringsFile(const std::string& file) {
    gStringsFile = file;
    ClearTranslations();
}
