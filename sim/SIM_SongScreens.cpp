#include "SIM_SongScreens.h"

#include "GHashTable.h"
#include "LibString.h"
#include "SIM_Band.h"
#include "SIM_Names.h"
#include "SIM_Person.h"
#include "SIM_Screens.h"
#include "SIM_Song.h"
#include "SIM_SongPuzzle.h"

#include <algorithm>

namespace {
std::string Percent(float fraction) { return FormatText("%.0f%%", static_cast<double>(fraction * 100.0f)); }

// The labels of the filled sections, in song order.
std::string ElementLabels(const SIM_Song& song) {
    std::string labels;
    for (const SIM_SongElement* element : song.elements) {
        if (!element) continue;
        if (!labels.empty()) labels += ", ";
        labels += element->label;
    }
    return labels;
}

SIM_SongButtonState ImproveState(const SIM_Song& song) {
    if (song.classic) return {false, "SONGDETAILS_IMPROVE_TOOLTIP_CLASSIC"};
    if (song.cover) return {false, "SONGDETAILS_IMPROVE_TOOLTIP_COVER"};
    return {true, "SONGDETAILS_IMPROVE_TOOLTIP"};
}

SIM_SongButtonState RetireState(const SIM_Song& song) {
    if (song.classic) return {false, "SONGDETAILS_RETIRE_TOOLTIP_CLASSIC"};
    return {true, "SONGDETAILS_RETIRE_TOOLTIP"};
}
}  // namespace

// ---- The song list ----

std::uint32_t SongRowColour(float boredom) { return boredom <= kBoredSongThreshold ? kFreshSongColour : kBoredSongColour; }

std::vector<SIM_SongRow> SongListRows() {
    std::vector<SIM_SongRow> rows;
    for (const auto& song : CurrentSongs())
        rows.push_back({song.get(), song->name, SongRowColour(song->boredom), song->classic});
    const std::string placeholder = Translate("DUMMY_SONG_TEXT");
    while (static_cast<int>(rows.size()) < SongsRequiredForGig()) rows.push_back({nullptr, placeholder});
    return rows;
}

// ---- The song details ----

SIM_SongDetailsView SongDetails(const SIM_Song& song) {
    SIM_SongDetailsView view;
    view.name = song.name;
    view.lines = {{Translate("SONGDETAILS_ELEMENTS"), ElementLabels(song)},
                  {Translate("SONGDETAILS_QUALITY"), Percent(song.quality)},
                  {Translate("SONGDETAILS_BOREDOM"), Percent(song.boredom)},
                  {Translate("SONGDETAILS_INSPIRATION"), Percent(song.initialInspiration)}};
    if (song.cover) {
        view.writer = Translate("SONG_WRITER_COVER");
    } else {
        view.writer = Translate("SONG_WRITER_ORIGINAL");
        ReplaceToken(view.writer, "<BANDNAME>", GetBand().Name);
    }
    view.description = song.description;
    if (song.classic) view.picture = kClassicSongPicture;
    view.improve = ImproveState(song);
    view.retire = RetireState(song);
    return view;
}

bool IsCurrentSong(const SIM_Song* song) {
    return song && std::any_of(CurrentSongs().begin(), CurrentSongs().end(), [&](const auto& s) { return s.get() == song; });
}

void OpenSongDetails(const SIM_Song&) { Screens().TriggerHint("song details"); }

bool RetireSongFromDetails(SIM_Song& song) {
    // The button is disabled for these; a click that slips through must not retire them.
    if (!IsCurrentSong(&song) || !RetireState(song).enabled) return false;
    RetireSong(song);
    return true;
}

SIM_SongPuzzle* ImproveSongFromDetails(SIM_Song& song) {
    if (!IsCurrentSong(&song) || !ImproveState(song).enabled) return nullptr;
    return &OpenPuzzle(song, false);
}

// ---- Writing a song ----

SIM_SongPuzzle& WriteNewSong() {
    SIM_Song& song = CreateSong(GetMilo().GetValue("inspiration"));
    song.name = RandomName(NAMES_SONG);
    return OpenPuzzle(song, true);
}
