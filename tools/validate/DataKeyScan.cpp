#include "DataKeyScan.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

// A line comment holding this leaves the line's literals out, for a text that only looks like a key.
constexpr std::string_view kExemptMark = "not a data key";

struct Literal {
    std::size_t start = 0;  // offset of the opening quote
    int line = 0;
    std::string text;
};

// The source with comments and the insides of literals blanked (so brackets in them do not
// count), and the literals themselves.
std::string Sanitise(std::string_view source, std::vector<Literal>& literals, std::vector<int>& exemptLines) {
    std::string code(source);
    int line = 1;
    std::size_t i = 0;
    const std::size_t n = source.size();
    while (i < n) {
        const char c = source[i];
        if (c == '\n') {
            ++line;
            ++i;
        } else if (c == '/' && i + 1 < n && source[i + 1] == '/') {
            const std::size_t end = std::min(source.find('\n', i), n);
            if (source.substr(i, end - i).find(kExemptMark) != std::string_view::npos) exemptLines.push_back(line);
            while (i < n && source[i] != '\n') code[i++] = ' ';
        } else if (c == '/' && i + 1 < n && source[i + 1] == '*') {
            while (i < n && !(source[i] == '*' && i + 1 < n && source[i + 1] == '/')) {
                if (source[i] == '\n') ++line;
                else code[i] = ' ';
                ++i;
            }
            if (i < n) {
                code[i] = code[i + 1] = ' ';
                i += 2;
            }
        } else if (c == '\'' && !(i > 0 && std::isxdigit(static_cast<unsigned char>(source[i - 1])))) {
            // A character literal (a digit separator such as 1'000 is not one).
            ++i;
            while (i < n && source[i] != '\'' && source[i] != '\n') {
                if (source[i] == '\\') code[i++] = ' ';
                if (i < n) code[i++] = ' ';
            }
            ++i;
        } else if (c == '"') {
            const bool raw = i > 0 && source[i - 1] == 'R';
            Literal literal{i, line, {}};
            ++i;
            if (raw) {
                const std::size_t open = source.find('(', i);
                const std::string close = ")" + std::string(source.substr(i, open - i)) + "\"";
                const std::size_t end = source.find(close, open);
                const std::size_t stop = end == std::string_view::npos ? n : end + close.size();
                for (; i < stop; ++i)
                    if (source[i] == '\n') ++line;
                    else code[i] = ' ';
                continue;
            }
            while (i < n && source[i] != '"' && source[i] != '\n') {
                if (source[i] == '\\' && i + 1 < n) {
                    literal.text += source[i + 1];
                    code[i] = code[i + 1] = ' ';
                    i += 2;
                    continue;
                }
                literal.text += source[i];
                code[i++] = ' ';
            }
            ++i;
            literals.push_back(std::move(literal));
        } else {
            ++i;
        }
    }
    return code;
}

bool IsIdentifierChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// The name of the innermost call whose brackets hold the offset (empty outside any call), and
// which of its arguments holds it (0 for the first).
std::string EnclosingCall(const std::string& code, std::size_t offset, int& argument) {
    int depth = 0;
    argument = 0;
    for (std::size_t i = offset; i-- > 0;) {
        const char c = code[i];
        if (c == ')' || c == ']') ++depth;
        else if (c == '[') --depth;
        else if (c == ',' && depth == 0) ++argument;
        else if (c == '(') {
            if (depth > 0) {
                --depth;
                continue;
            }
            std::size_t end = i;
            while (end > 0 && std::isspace(static_cast<unsigned char>(code[end - 1]))) --end;
            std::size_t begin = end;
            while (begin > 0 && IsIdentifierChar(code[begin - 1])) --begin;
            return code.substr(begin, end - begin);
        } else if (depth == 0 && (c == ';' || c == '{' || c == '}')) {
            return {};
        }
    }
    return {};
}

bool In(const std::string& name, std::initializer_list<const char*> names) {
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return name == n; });
}

bool EndsWith(const std::string& text, const char* tail) {
    const std::size_t size = std::strlen(tail);
    if (text.size() < size) return false;
    for (std::size_t i = 0; i < size; ++i)
        if (std::tolower(static_cast<unsigned char>(text[text.size() - size + i])) != tail[i]) return false;
    return true;
}

// Upper-case words joined by underscores, perhaps with a leading or trailing underscore or a
// "%d"; at least one underscore, so single words ("LOCAL", "MALE") are not taken for keys.
bool KeyShaped(const std::string& text) {
    if (text.size() < 3 || text.find('_') == std::string::npos) return false;
    bool letter = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '%' && i + 1 < text.size() && text[i + 1] == 'd') {
            ++i;
            continue;
        }
        if (std::isupper(static_cast<unsigned char>(c))) letter = true;
        else if (!std::isdigit(static_cast<unsigned char>(c)) && c != '_') return false;
    }
    return letter;
}

}  // namespace

const char* ScannedKindName(ScannedKind kind) {
    switch (kind) {
    case ScannedKind::kTuning: return "tuning key";
    case ScannedKind::kText: return "text";
    case ScannedKind::kSection: return "section";
    case ScannedKind::kTextOrSection: return "text or section";
    case ScannedKind::kTextPrefix: return "text prefix";
    case ScannedKind::kTextSuffix: return "text suffix";
    case ScannedKind::kTuningPrefix: return "tuning prefix";
    case ScannedKind::kTuningSuffix: return "tuning suffix";
    case ScannedKind::kPattern: return "numbered name";
    case ScannedKind::kHint: return "hint";
    case ScannedKind::kHook: return "hook";
    case ScannedKind::kPicture: return "picture";
    case ScannedKind::kSound: return "sound";
    case ScannedKind::kTrait: return "trait";
    case ScannedKind::kAsset: return "asset";
    case ScannedKind::kAttribute: return "attribute";
    case ScannedKind::kBandValue: return "band value";
    case ScannedKind::kToken: return "placeholder";
    }
    return "?";
}

std::vector<ScannedKey> ScanSource(std::string_view source, const std::string& fileName) {
    std::vector<Literal> literals;
    std::vector<int> exemptLines;
    const std::string code = Sanitise(source, literals, exemptLines);
    std::vector<ScannedKey> keys;
    for (const Literal& literal : literals) {
        const std::string& text = literal.text;
        if (text.empty()) continue;
        if (std::find(exemptLines.begin(), exemptLines.end(), literal.line) != exemptLines.end()) continue;
        int argument = 0;
        const std::string call = EnclosingCall(code, literal.start, argument);
        auto add = [&](ScannedKind kind, std::string key) {
            keys.push_back({kind, std::move(key), fileName, literal.line});
        };
        // Save-file tags, log lines and the environment are not data keys.
        if (In(call, {"getenv", "setenv", "Int", "Float", "Open", "Close", "ReadInt", "ReadFloat", "ReadString",
                      "FindTag", "Leaf", "Line", "need", "Fail", "WriteDebugLine", "REPORT_ERROR", "FATAL_ERROR",
                      "ReportError", "FatalError", "GAME_ASSERT"}))
            continue;
        if (text.size() > 2 && text.front() == '<' && text.back() == '>' &&
            std::all_of(text.begin() + 1, text.end() - 1, [](char c) { return std::isupper(static_cast<unsigned char>(c)) || c == '_'; })) {
            add(ScannedKind::kToken, text);
            continue;
        }
        const bool hasNumber = text.find("%d") != std::string::npos;
        const bool sound = EndsWith(text, ".ogg") || EndsWith(text, ".wav");
        const bool picture =
            EndsWith(text, ".dds") || EndsWith(text, ".jpg") || EndsWith(text, ".png") || EndsWith(text, ".tga");
        if (sound || picture) {
            // Only whole file names: not a bare extension, a name's ending ("_sad.jpg"), a
            // wildcard or a numbered name other than "%d".
            const std::string name = text.substr(text.rfind('/') + 1);
            const bool whole = name.size() > 4 && name[0] != '.' && name[0] != '_' &&
                               text.find('*') == std::string::npos &&
                               text.find('%') == (hasNumber ? text.find("%d") : std::string::npos);
            if (!whole) continue;
            // Pictures are found by name below the pictures folder, unless named from the run folder.
            if (hasNumber) add(ScannedKind::kPattern, text);
            else add(sound ? ScannedKind::kSound : ScannedKind::kPicture, sound || text.rfind("data/", 0) == 0 ? text : name);
            continue;
        }
        if (call == "TriggerHint") {
            add(ScannedKind::kHint, text);
            continue;
        }
        if (call == "RegisterHook") {
            add(ScannedKind::kHook, text);
            continue;
        }
        // Catalogue names the rules look up, always the call's first argument.
        if (argument > 0 && In(call, {"HasTrait", "CountMembersWithTrait", "BandOwns", "GetValue",
                                       "AddAttributeEffect", "GetBandValue"}))
            continue;
        if (In(call, {"HasTrait", "CountMembersWithTrait"})) {
            add(ScannedKind::kTrait, text);
            continue;
        }
        if (call == "BandOwns") {
            add(ScannedKind::kAsset, text);
            continue;
        }
        if (In(call, {"GetValue", "AddAttributeEffect"})) {
            add(ScannedKind::kAttribute, text);
            continue;
        }
        if (call == "GetBandValue") {
            add(ScannedKind::kBandValue, text);
            continue;
        }
        const bool tuningCall = In(call, {"GetTuningValue", "Tuning"});
        const bool textCall = call == "Translate";
        const bool sectionCall = In(call, {"TranslateRandom", "TranslatePick", "CachedSection"});
        if (!tuningCall && !textCall && !sectionCall && !KeyShaped(text)) continue;
        if (hasNumber) add(ScannedKind::kPattern, text);
        // A translated key is a text even when it is named like a tuning value (the listening
        // window's "RS_LISTEN_ALBUM_UNLOCKED").
        else if (tuningCall || (!textCall && (text.rfind("RS_", 0) == 0 || text.rfind("GV_", 0) == 0 ||
                                              text.rfind("CHEAT_", 0) == 0))) {
            if (text.back() == '_') add(ScannedKind::kTuningPrefix, text);
            else if (text.front() == '_' && !tuningCall) add(ScannedKind::kTuningSuffix, text);
            else add(ScannedKind::kTuning, text);
        } else if (text.back() == '_') add(ScannedKind::kTextPrefix, text);
        else if (text.front() == '_') add(ScannedKind::kTextSuffix, text);
        else if (textCall) add(ScannedKind::kText, text);
        else if (sectionCall) add(ScannedKind::kSection, text);
        else add(ScannedKind::kTextOrSection, text);
    }
    return keys;
}
