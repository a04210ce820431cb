#include "SIM_LoadSongs.h"

#include "SIM_Album.h"
#include "SIM_Person.h"
#include "SIM_SLIDBase.h"
#include "SIM_Song.h"

#include <map>

namespace {

std::unique_ptr<SIM_Song> MakeSong(const SIM_SavedSong& saved) {
    auto song = std::make_unique<SIM_Song>();
    song->SetSLID(saved.slid);
    song->name = saved.name;
    song->description = saved.description;
    song->boredom = saved.boredom;
    song->quality = saved.quality;
    song->initialInspiration = saved.initialInspiration;
    song->classic = saved.classic != 0;
    song->cover = saved.cover != 0;
    for (const auto& s : saved.suitabilities) song->suitabilities.push_back({s.name, s.suitability, s.left, s.right});
    // The reader has refused names the catalogue does not hold; "NULL" is an empty slot.
    for (int slot = 0; slot < kSongSections; ++slot)
        song->elements[slot] = saved.elements[slot] == "NULL" ? nullptr : FindSongElement(saved.elements[slot]);
    return song;
}

// The fresh game's songs go, with their rehearsal records, before the saved ones come.
void ClearRepertoire() {
    ResetAlbums();
    for (const auto& song : CurrentSongs())
        if (SongSeams().songRemoved) SongSeams().songRemoved(*song);
    CurrentSongs().clear();
    RetiredSongs().clear();
}

// Tracks are found among the restored songs only: a fresh game's object may hold the same number.
void RestoreAlbums(const SIM_SaveData& data) {
    std::map<int, SIM_Song*> bySlid;
    for (const auto* list : {&CurrentSongs(), &RetiredSongs()})
        for (const auto& song : *list) bySlid[song->GetSLID()] = song.get();
    for (const SIM_SavedAlbum& saved : data.albums) {
        SIM_Album& album = CreateAlbum();
        album.SetSLID(saved.slid);
        album.mode = saved.mode;
        album.title = saved.title;
        album.weeksSinceRelease = saved.weeksSinceRelease;
        album.productionQuality = saved.productionQuality;
        album.productionCost = saved.productionCost;
        album.daysInStudio = saved.daysInStudio;
        album.coverTexture = saved.coverTexture;
        album.royaltiesEarned = saved.royaltiesEarned;
        album.totalEarned = saved.totalEarned;
        album.copiesSold = saved.copiesSold;
        for (int slid : saved.tracks)
            if (const auto found = bySlid.find(slid); found != bySlid.end()) AddTrack(&album, found->second);
        // Adding a track works the mean out again; the saved figure is the one the game had.
        album.songQuality = saved.songQuality;
    }
}

}  // namespace

void RestoreSongSections(const SIM_SaveData& data) {
    ClearRepertoire();
    for (const SIM_SavedSong& saved : data.songs) {
        CurrentSongs().push_back(MakeSong(saved));
        if (SongSeams().songAdded) SongSeams().songAdded(*CurrentSongs().back());
    }
    for (const SIM_SavedSong& saved : data.retiredSongs) RetiredSongs().push_back(MakeSong(saved));
    RestoreAlbums(data);
    for (const auto& element : SongElements()) {
        element->unlocked = false;
        element->bringer = nullptr;
    }
    for (const auto& [name, bringer] : data.unlockedElements)
        if (SIM_SongElement* element = FindSongElement(name)) element->unlocked = true;
    UpdateAlbumReadyFlag();
    NoteRepertoireChanged();
    SetTopSLID(data.topSlid);
}

void LinkSongElementBringers(const SIM_SaveData& data) {
    for (const auto& [name, bringer] : data.unlockedElements) {
        SIM_SongElement* element = FindSongElement(name);
        if (!element || bringer == -1) continue;
        element->bringer = dynamic_cast<SIM_Musician*>(FindBySLID(bringer));
    }
}
