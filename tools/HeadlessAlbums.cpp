#include "HeadlessAlbums.h"

#include "HeadlessPlayer.h"

#include "LibString.h"
#include "SIM_Album.h"
#include "SIM_AlbumScreens.h"
#include "SIM_CareerStage.h"
#include "SIM_Finances.h"
#include "SIM_RecordCompany.h"
#include "SIM_Song.h"

#include <algorithm>
#include <vector>

namespace {
constexpr float kMinimumRoyalty = 0.3f;

}  // namespace

int HeadlessStudioChoice() {
    const float budget = GetFinances().cash * CurrentThrift().budgetShare;
    int pick = -1;
    const auto& studios = Studios();
    for (int i = 0; i < static_cast<int>(studios.size()); ++i) {
        const SIM_RecordingStudio& studio = *studios[static_cast<std::size_t>(i)];
        if (studio.cost <= budget && (pick < 0 || studio.quality > studios[static_cast<std::size_t>(pick)]->quality))
            pick = i;
    }
    return pick;
}

std::vector<SIM_Song*> HeadlessAlbumTracks(std::vector<SIM_Song*> songs) {
    std::stable_sort(songs.begin(), songs.end(), [](const SIM_Song* a, const SIM_Song* b) { return a->quality > b->quality; });
    if (songs.size() > static_cast<std::size_t>(kAlbumTracks)) songs.resize(static_cast<std::size_t>(kAlbumTracks));
    return songs;
}

bool HeadlessSignsRecordOffer() { return GetRecordCompany().royalty >= kMinimumRoyalty; }

bool RecordHeadlessAlbum() {
    if (!IsAlbumReady() || NewAlbumScreen() || MixingDesk()) return false;
    const bool deal = GetRecordCompany().hasDeal;
    const int studio = deal ? -1 : HeadlessStudioChoice();
    if (!deal && studio < 0) return false;
    SIM_NewAlbumModel* screen = OpenNewAlbumScreen();
    if (!screen) return false;
    for (SIM_Song* song : HeadlessAlbumTracks(screen->Available()))
        if (static_cast<int>(screen->Tracks().size()) < kAlbumTracks) screen->ClickAvailable(song);
    if (screen->ShowsStudioSelector()) ClickStudio(studio);
    if (!FinishNewAlbum()) {
        CancelNewAlbum();
        return false;
    }
    SIM_MixingDesk* desk = MixingDesk();
    for (int i = 0; i < SIM_MixingDesk::kStrips; ++i) desk->SetFader(i, kHeadlessFader);
    return FinishMixingDesk();
}

void AnswerHeadlessRecordOffer() {
    if (!RecordOffer()) return;
    if (HeadlessSignsRecordOffer()) AcceptRecordOffer();
    else RejectRecordOffer();
}

std::string AlbumsText() {
    int sold = 0;
    for (const auto& album : Albums()) sold += album->copiesSold;
    return FormatText("albums %d sold %d deal %s stage %d", ReleasedAlbumCount(), sold,
                      GetRecordCompany().hasDeal ? "yes" : "no", GetCareerStage().GetStage());
}
