#include "SIM_Song.h"

#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibDebugLog.h"
#include "LibErrors.h"
#include "LibRandom.h"
#include "LibSpreadsheet.h"
#include "LibString.h"
#include "SIM_Asset.h"
#include "SIM_Finances.h"
#include "SIM_Names.h"
#include "SIM_PeopleSeams.h"
#include "SIM_Person.h"
#include "SIM_Screens.h"
#include "SIM_SongPuzzle.h"
#include "SIM_WorldSeams.h"

#include <algorithm>
#include <cctype>

namespace {
std::vector<std::unique_ptr<SIM_Song>> gCurrent;
std::vector<std::unique_ptr<SIM_Song>> gRetired;
std::vector<std::unique_ptr<SIM_SongElement>> gElements;
SIM_SongSeams gSongSeams;
int gSongsRequiredForGig = 0;
bool gAlbumReady = false;
unsigned gRepertoireRevision = 0;

// The player's craft with songs: the attribute songs feed and classics need.
constexpr const char* kSongwriting = "songwriting";
constexpr int kMaxSongSLID = 99000;
constexpr int kAlbumSongs = 8;

// Removes the song from a list without destroying it.
std::unique_ptr<SIM_Song> Take(std::vector<std::unique_ptr<SIM_Song>>& list, const SIM_Song* song) {
    auto it = std::find_if(list.begin(), list.end(), [&](const auto& s) { return s.get() == song; });
    if (it == list.end()) return nullptr;
    std::unique_ptr<SIM_Song> owned = std::move(*it);
    list.erase(it);
    return owned;
}

// The first strictly greatest value above 0, skipping one candidate.
struct Phrase {
    float value;
    std::string text;
};
const Phrase* BestPhrase(const std::vector<Phrase>& candidates, const Phrase* skip) {
    const Phrase* best = nullptr;
    for (const Phrase& p : candidates) {
        if (&p == skip || p.value <= 0.0f) continue;
        if (!best || p.value > best->value) best = &p;
    }
    return best;
}
}  // namespace

SIM_SongElement::SIM_SongElement() : postitColour(RandomInt() % 3) {}
SIM_SongElement::~SIM_SongElement() = default;

SIM_Song::SIM_Song() { GAME_ASSERT(GetSLID() >= 0 && GetSLID() <= kMaxSongSLID); }
SIM_Song::~SIM_Song() = default;

SIM_SongSeams& SongSeams() { return gSongSeams; }
std::vector<std::unique_ptr<SIM_Song>>& CurrentSongs() { return gCurrent; }
std::vector<std::unique_ptr<SIM_Song>>& RetiredSongs() { return gRetired; }
std::vector<std::unique_ptr<SIM_SongElement>>& SongElements() { return gElements; }
int SongsRequiredForGig() { return gSongsRequiredForGig; }
bool HasSongsForGig() { return static_cast<int>(gCurrent.size()) >= gSongsRequiredForGig; }
bool IsAlbumReady() { return gAlbumReady; }
unsigned RepertoireRevision() { return gRepertoireRevision; }

void NoteRepertoireChanged() {
    ++gRepertoireRevision;
    RunSeam(gSongSeams.repertoireChanged);
}

SIM_Song& AddCurrentSong() {
    gCurrent.push_back(std::make_unique<SIM_Song>());
    ++gRepertoireRevision;
    UpdateAlbumReadyFlag();
    return *gCurrent.back();
}

void DestroySong(SIM_Song* song) {
    if (!Take(gCurrent, song)) Take(gRetired, song);
    ++gRepertoireRevision;
    UpdateAlbumReadyFlag();
}

SIM_Song& CreateSong(float inspiration) {
    SIM_Song& song = AddCurrentSong();
    song.initialInspiration = std::clamp(inspiration, 0.0f, 1.0f);
    BuildSuitabilities(song);
    SetDefaultElements(song);
    CalculateQuality(song);
    ++GetStatistics().songsWritten;
    if (gSongSeams.songAdded) gSongSeams.songAdded(song);
    GetMilo().AddAttributeEffect(kSongwriting, "song", GetTuningValue("RS_SONGWRITING_PER_SONG"), 1.0f);
    NoteRepertoireChanged();
    return song;
}

void CreateInitialSongs() {
    const int n = static_cast<int>(GetTuningValue("RS_INITIAL_SONGS"));
    for (int i = 0; i < n; ++i) {
        SIM_Song& song = AddCurrentSong();
        song.initialInspiration = 0.5f;
        BuildSuitabilities(song);
        SetDefaultElements(song);
        CalculateQuality(song);
        GenerateDescription(song);
        song.name = RandomName(NAMES_SONG);
        song.cover = true;
        if (gSongSeams.songAdded) gSongSeams.songAdded(song);
    }
}

void ResetSongs() {
    gCurrent.clear();
    gRetired.clear();
    gAlbumReady = false;
    ++gRepertoireRevision;
    gSongsRequiredForGig = static_cast<int>(GetTuningValue("RS_SONGS_REQ_FOR_GIG"));
}

void BuildSuitabilities(SIM_Song& song) {
    for (const auto& element : gElements) {
        SIM_Suitability entry;
        entry.name = element->name;
        entry.suitability = element->strength * (static_cast<float>(RandomInt()) / static_cast<float>(kRandomMax));
        entry.left = RandomInt() % 3;
        entry.right = RandomInt() % 3;
        song.suitabilities.push_back(std::move(entry));
    }
}

void SetDefaultElements(SIM_Song& song) {
    static const char* const kDefaults[kSongSections] = {"clichedlyrics", "basicdrums", "basicbass", "basicguitar",
                                                         "backing vocals", "ambition", "uptempo"};
    for (int i = 0; i < kSongSections; ++i) song.elements[static_cast<std::size_t>(i)] = FindSongElement(kDefaults[i]);
}

void CalculateQuality(SIM_Song& song) {
    float sum = 0.0f;
    int n = 0;
    for (const SIM_SongElement* element : song.elements) {
        if (!element) continue;
        const float term = 0.75f * GetSuitability(song, element);
        sum = sum + term;
        ++n;
    }
    // A song with every slot empty has nothing to average: it is worth nothing, not NaN.
    float q = n > 0 ? sum / static_cast<float>(n) : 0.0f;
    int links = 0;
    for (std::size_t i = 1; i < song.elements.size(); ++i) {
        if (!song.elements[i - 1] || !song.elements[i]) continue;
        const SIM_Suitability* a = FindSuitability(song, song.elements[i - 1]);
        const SIM_Suitability* b = FindSuitability(song, song.elements[i]);
        GAME_ASSERT(a && b);
        if (a && b && a->right == b->left) ++links;
    }
    q = q + static_cast<float>(links) * GetTuningValue("RS_SONG_QUAL_PER_LINK");
    const float scaled = song.initialInspiration * q;
    q = q * 0.25f + scaled * 0.75f;
    song.quality = std::clamp(q, 0.0f, 1.0f);
}

const SIM_Suitability* FindSuitability(const SIM_Song& song, const SIM_SongElement* element) {
    if (!element) return nullptr;
    for (const SIM_Suitability& s : song.suitabilities)
        if (s.name == element->name) return &s;
    return nullptr;
}

float GetSuitability(const SIM_Song& song, const SIM_SongElement* element) {
    const SIM_Suitability* s = FindSuitability(song, element);
    return s ? s->suitability : 0.0f;
}

void CheckClassic(SIM_Song& song) {
    if (GetMilo().GetValue(kSongwriting) < 1.0f) return;
    if (song.quality < GetTuningValue("RS_MIN_QUALITY_CLASSIC_SONG")) return;
    const auto classics = std::count_if(gCurrent.begin(), gCurrent.end(), [](const auto& s) { return s->classic; });
    if (static_cast<float>(classics) > GetTuningValue("RS_MAX_CLASSIC_SONGS")) return;
    if (RandomChance(GetTuningValue("RS_CLASSIC_SONG_CHANCE"))) {
        song.classic = true;
        Screens().TriggerHint("classic song");
    }
}

void GenerateDescription(SIM_Song& song) {
    if (song.classic) {
        song.description = TranslateRandom("CLASSIC_DESCRIPTIONS");
        return;
    }
    // The same limits as the buffers the texts were written for.
    std::string text = TranslatePick(song.quality, "SONG_DESCRIPTION_KEY").substr(0, 2047);
    std::vector<Phrase> candidates;
    for (const SIM_SongElement* element : song.elements) {
        if (!element) continue;
        const float v = GetSuitability(song, element);
        std::string upper = element->name;
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        const std::string section = ("SONG_DESCRIPTION_" + upper).substr(0, 1023);
        std::string phrase = TranslatePick(v, section);
        if (!phrase.empty()) candidates.push_back({v, std::move(phrase)});
    }
    const Phrase* best = BestPhrase(candidates, nullptr);
    const Phrase* second = best ? BestPhrase(candidates, best) : nullptr;
    // A song with fewer than two elements worth naming still reads as a sentence: the player
    // must never see a bare token.
    ReplaceToken(text, "<A>", best ? best->text : Translate("SONG_DESCRIPTION_UNNAMED_A"));
    ReplaceToken(text, "<B>", second ? second->text : Translate("SONG_DESCRIPTION_UNNAMED_B"));
    song.description = text;
}

void AddBoredomToAll() {
    const float increase = GetTuningValue("RS_SONG_BOREDOM_INCREASE");
    for (auto& song : gCurrent)
        if (!song->classic) song->boredom = std::clamp(song->boredom + increase, 0.0f, 1.0f);
}

float AverageSongScore() {
    if (gCurrent.empty()) return 0.0f;
    float sum = 0.0f;
    for (const auto& song : gCurrent) sum += (1.0f - song->boredom) * song->quality;
    return sum / static_cast<float>(gCurrent.size());
}

SIM_Song* MostBoredSong() {
    SIM_Song* most = nullptr;
    float boredom = 0.0f;
    for (auto& song : gCurrent) {
        if (song->boredom > boredom) {
            boredom = song->boredom;
            most = song.get();
        }
    }
    return most;
}

std::string RandomSongTitle() {
    if (gCurrent.empty()) return {};
    return gCurrent[static_cast<std::size_t>(RandomInt() % static_cast<int>(gCurrent.size()))]->name;
}

void RetireSong(SIM_Song& song) {
    std::unique_ptr<SIM_Song> owned = Take(gCurrent, &song);
    if (!owned) return;  // already retired: nothing moves twice
    gRetired.push_back(std::move(owned));
    UpdateAlbumReadyFlag();
    if (gSongSeams.songRemoved) gSongSeams.songRemoved(song);
    NoteRepertoireChanged();
}

void UpdateAlbumReadyFlag() {
    const auto free = std::count_if(gCurrent.begin(), gCurrent.end(), [](const auto& s) { return !s->album; });
    gAlbumReady = free >= kAlbumSongs;
}

SIM_BookGigAvailability BookGigAvailability() {
    if (!AskSeam(WorldSeams().isLineupComplete, false)) return {false, "BOOKGIG_TOOLTIP_BANDINVALID"};
    if (!HasSongsForGig()) return {false, "BOOKGIG_TOOLTIP_NOTENOUGHSONGS"};
    return {true, ""};
}

void LoadSongElements(const std::string& path) {
    gElements.clear();
    std::unique_ptr<LibSpreadsheet> sheet = LoadSpreadsheet(path);
    if (sheet->rows.empty()) {
        REPORT_ERROR("Song elements not found");
        return;
    }
    for (const std::string& row : sheet->rows) {
        LibTokenizer cells(row);
        cells.Next();  // the row marker
        auto element = std::make_unique<SIM_SongElement>();
        element->name = cells.NextText();
        element->label = cells.NextText();
        element->unlocked = cells.NextInt() != 0;
        const std::string type = cells.Next();
        element->type = type == "LYRICS" ? SONGELEMENT_LYRICS : SONGELEMENT_MUSIC;
        element->strength = cells.NextFloat();
        gElements.push_back(std::move(element));
    }
}

SIM_SongElement* FindSongElement(const std::string& name) {
    for (const auto& element : gElements)
        if (element->name == name) return element.get();
    WriteDebugOutput(FormatText("%s:%s %d", __FILE__, "Song element not found", __LINE__));
    REPORT_ERROR("Song element not found");
    return nullptr;
}

void SongElementJoins(SIM_SongElement& element, SIM_Musician* member) {
    if (!element.unlocked) element.bringer = member;
    element.unlocked = true;
}

void SongElementLeaves(SIM_SongElement& element, SIM_Musician* member) {
    if (!member || element.bringer != member) return;
    element.unlocked = false;
    element.bringer = nullptr;
}

void UnlockSongElementForGood(SIM_SongElement& element) {
    if (!element.unlocked) element.bringer = nullptr;
    element.unlocked = true;
}

void RegisterSongs() {
    SIM_WorldSeams& w = WorldSeams();
    w.songCount = [] { return static_cast<int>(gCurrent.size()); };
    // The other catalogues join this entry as their parts arrive. The old songs go first:
    // their elements are about to be destroyed; an open puzzle points at both.
    w.loadCatalogues = [] {
        ClosePuzzle();
        ResetSongs();
        LoadSongElements();
    };
    w.loadRivalBandsAndStartingSongs = [] { CreateInitialSongs(); };
    SIM_PeopleSeams& p = PeopleSeams();
    p.findSongElement = [](const std::string& name) { return FindSongElement(name); };
    p.songElementJoins = [](SIM_SongElement* e, SIM_Musician* m) {
        if (e) SongElementJoins(*e, m);
    };
    p.songElementLeaves = [](SIM_SongElement* e, SIM_Musician* m) {
        if (e) SongElementLeaves(*e, m);
    };
    p.mostBoredSong = [](std::string& name, float& boredom) {
        const SIM_Song* song = MostBoredSong();
        if (!song) return false;
        name = song->name;
        boredom = song->boredom;
        return true;
    };
    p.randomSongTitle = [] { return RandomSongTitle(); };
    // An album listened through teaches its element for good.
    AssetSeams().unlockSongElement = [](SIM_SongElement* e) {
        if (e) UnlockSongElementForGood(*e);
    };
}

void ResetSongParts() {
    gCurrent.clear();
    gRetired.clear();
    gElements.clear();
    gSongSeams = SIM_SongSeams{};
    gSongsRequiredForGig = 0;
    gAlbumReady = false;
    // Not back to zero: a screen built before the reset must still see a change.
    ++gRepertoireRevision;
}
