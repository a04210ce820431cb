#include "SIM_Album.h"

#include "LibConfigSection.h"
#include "LibErrors.h"
#include "LibRandom.h"
#include "LibSpreadsheet.h"
#include "SIM_Band.h"
#include "SIM_Fame.h"
#include "SIM_Finances.h"
#include "SIM_RecordCompany.h"
#include "SIM_Relationship.h"
#include "SIM_Song.h"

#include <algorithm>

namespace {
std::vector<std::unique_ptr<SIM_Album>> gAlbums;
std::vector<std::unique_ptr<SIM_RecordingStudio>> gStudios;
SIM_RecordingStudio* gSelected = nullptr;

// The bound LatestReleasedAlbum scans down from.
constexpr int kNoWeeks = 9000;
}  // namespace

const std::vector<std::unique_ptr<SIM_Album>>& Albums() { return gAlbums; }

int ReleasedAlbumCount() {
    return static_cast<int>(
        std::count_if(gAlbums.begin(), gAlbums.end(), [](const auto& a) { return a->mode == ALBUM_RELEASED; }));
}

SIM_Album& CreateAlbum() {
    gAlbums.push_back(std::make_unique<SIM_Album>());
    return *gAlbums.back();
}

void DestroyAlbum(SIM_Album* album) {
    if (!album) return;
    ClearTracks(*album);
    std::erase_if(gAlbums, [&](const auto& a) { return a.get() == album; });
    UpdateAlbumReadyFlag();
}

bool AddTrack(SIM_Album* album, SIM_Song* song) {
    GAME_ASSERT(album != nullptr);
    GAME_ASSERT(song != nullptr);
    if (!album || !song) return false;
    // A song belongs to one album only, and an album holds eight.
    if (song->album || static_cast<int>(album->tracks.size()) >= kAlbumTracks) return false;
    album->tracks.push_back(song);
    song->album = album;
    UpdateSongQuality(*album);
    return true;
}

void RemoveTrack(SIM_Album& album, SIM_Song* song) {
    const auto it = std::find(album.tracks.begin(), album.tracks.end(), song);
    if (it == album.tracks.end()) return;
    album.tracks.erase(it);
    song->album = nullptr;
    UpdateSongQuality(album);
}

void ClearTracks(SIM_Album& album) {
    for (SIM_Song* song : album.tracks) song->album = nullptr;
    album.tracks.clear();
}

void UpdateSongQuality(SIM_Album& album) {
    if (album.tracks.empty()) {
        album.songQuality = 0.0f;
        return;
    }
    float sum = 0.0f;
    for (const SIM_Song* song : album.tracks) sum += song->quality;
    album.songQuality = sum / static_cast<float>(album.tracks.size());
}

float QualityCap(const SIM_Album& album) {
    return std::clamp(album.songQuality * GetTuningValue("RS_SONGQUALITY_ALBUM_MULTIPLIER") + 0.4f, 0.0f, 1.0f);
}

void SellCopies(SIM_Album& album, int copies) {
    album.copiesSold += copies;
    const float artist = static_cast<float>(copies) * GetTuningValue("RS_ALBUM_PRICE") *
                         GetTuningValue("RS_ALBUM_ARTIST_SHARE");
    float pay = artist;
    const SIM_RecordCompany& company = GetRecordCompany();
    if (company.hasDeal) {
        // The company keeps everything until the studio bill is recouped.
        if (album.totalEarned > album.productionCost) {
            pay = company.royalty * artist;
        } else {
            const float excess = album.totalEarned + artist - album.productionCost;
            pay = excess > 0.0f ? company.royalty * excess : 0.0f;
        }
    }
    album.totalEarned += artist;
    album.royaltiesEarned += pay;
    GetFinances().AddCash(pay);
}

void WeeklySales() {
    const float fame = GetFame().fame;
    const float adjuster = GetTuningValue("RS_ALBUM_ROYALTY_ADJUSTER");
    const float sustain = GetTuningValue("RS_ALBUM_ROYALTY_SUSTAIN");
    for (const auto& album : gAlbums) {
        ++album->weeksSinceRelease;
        float copies = album->productionQuality * fame * adjuster;
        // One step per week, as the sales fade week by week; a power of the sustain rounds
        // differently in floats. The loop stops once further weeks cannot change the figure.
        for (int week = 0; week < album->weeksSinceRelease; ++week) {
            const float faded = copies * sustain;
            if (faded == copies) break;
            copies = faded;
        }
        copies = copies * GetBand().GetBandValue("band_hype") * RandomFloat(0.9f, 1.1f);
        SellCopies(*album, static_cast<int>(copies));
    }
}

SIM_Album* LatestReleasedAlbum() {
    SIM_Album* latest = nullptr;
    int fewest = kNoWeeks;
    for (const auto& album : gAlbums)
        if (album->mode == ALBUM_RELEASED && album->weeksSinceRelease < fewest) {
            fewest = album->weeksSinceRelease;
            latest = album.get();
        }
    return latest;
}

// ---- Studios ----

void LoadStudios(const std::string& path) {
    if (!gStudios.empty()) return;
    const auto sheet = LoadSpreadsheet(path);
    for (const std::string& row : sheet->rows) {
        LibTokenizer cells(row);
        cells.Next();  // the row marker
        auto studio = std::make_unique<SIM_RecordingStudio>();
        studio->name = cells.NextText();
        studio->description = cells.NextText();
        studio->cost = cells.NextFloat();
        studio->quality = cells.NextFloat();
        studio->picture = cells.NextText();
        studio->stress = cells.NextFloat();
        gStudios.push_back(std::move(studio));
    }
}

const std::vector<std::unique_ptr<SIM_RecordingStudio>>& Studios() { return gStudios; }
SIM_RecordingStudio* SelectedStudio() { return gSelected; }
void SelectStudio(SIM_RecordingStudio* studio) { gSelected = studio; }

void SelectBestStudio() {
    SIM_RecordingStudio* best = nullptr;
    float bestQuality = 0.0f;
    for (const auto& studio : gStudios)
        if (studio->quality > bestQuality) {
            bestQuality = studio->quality;
            best = studio.get();
        }
    gSelected = best;
}

void DropUnaffordableStudio() {
    if (gSelected && GetFinances().cash < gSelected->cost) gSelected = nullptr;
}

std::string SelectedStudioSaveName() { return gSelected ? gSelected->name : "null"; }

void RestoreSelectedStudio(const std::string& name) {
    gSelected = nullptr;
    for (const auto& studio : gStudios)
        if (studio->name == name) {
            gSelected = studio.get();
            return;
        }
}

bool RecordDay(SIM_Album* album, const SIM_RecordingStudio* studio) {
    GAME_ASSERT(album != nullptr);
    GAME_ASSERT(studio != nullptr);
    if (!album || !studio) return false;
    if (!GetRecordCompany().hasDeal) GetFinances().cash -= studio->cost;
    UpdateRelationships(GetTuningValue("RS_MEETSCALAR_STUDIO"));
    ++album->daysInStudio;
    // Under a deal this is the company's outlay, which the sales recoup first.
    album->productionCost += studio->cost;
    GetBand().ModifyBandValue("band_stress", studio->stress, 0.9f, "studio");
    return true;
}

void ResetAlbums() {
    for (const auto& album : gAlbums) ClearTracks(*album);
    gAlbums.clear();
}

void ResetAlbumParts() {
    ResetAlbums();
    gStudios.clear();
    gSelected = nullptr;
}
