#include "SIM_AlbumScreens.h"

#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibErrors.h"
#include "LibRandom.h"
#include "LibString.h"
#include "SIM_Album.h"
#include "SIM_Band.h"
#include "SIM_CareerHistory.h"
#include "SIM_Finances.h"
#include "SIM_Names.h"
#include "SIM_Person.h"
#include "SIM_RecordCompany.h"
#include "SIM_SIM.h"
#include "SIM_Screens.h"
#include "SIM_Song.h"

#include <algorithm>
#include <cmath>

namespace {
std::unique_ptr<SIM_NewAlbumModel> gNewAlbum;
std::unique_ptr<SIM_MixingDesk> gDesk;
std::unique_ptr<SIM_RecordOfferModel> gOffer;

bool ValidStrip(int strip) { return strip >= 0 && strip < SIM_MixingDesk::kStrips; }
}  // namespace

// ---- The new-album screen ----

SIM_NewAlbumModel::SIM_NewAlbumModel() : album(&CreateAlbum()) {
    album->title = RandomName(NAMES_ALBUM);
    if (GetRecordCompany().hasDeal) SelectBestStudio();
    else DropUnaffordableStudio();
}

const std::vector<SIM_Song*>& SIM_NewAlbumModel::Tracks() const { return album->tracks; }

std::vector<SIM_Song*> SIM_NewAlbumModel::Available() const {
    std::vector<SIM_Song*> songs;
    for (const auto& song : CurrentSongs())
        if (!song->album) songs.push_back(song.get());
    return songs;
}

std::vector<SIM_Song*> SIM_NewAlbumModel::VisibleAvailable() const {
    const std::vector<SIM_Song*> all = Available();
    const auto first = static_cast<std::size_t>(std::clamp(scroll, 0, static_cast<int>(all.size())));
    const std::size_t last = std::min(all.size(), first + kVisibleAvailable);
    return {all.begin() + static_cast<std::ptrdiff_t>(first), all.begin() + static_cast<std::ptrdiff_t>(last)};
}

void SIM_NewAlbumModel::ScrollUp() { scroll = std::max(0, scroll - 1); }

void SIM_NewAlbumModel::ScrollDown() {
    const int hidden = static_cast<int>(Available().size()) - kVisibleAvailable;
    scroll = std::clamp(scroll + 1, 0, std::max(0, hidden));
}

std::string SIM_NewAlbumModel::RowLabel(const SIM_Song& song) { return TruncateWithEllipsis(song.name, kRowLabelLength); }

bool SIM_NewAlbumModel::ClickTrack(SIM_Song* song) {
    if (std::find(album->tracks.begin(), album->tracks.end(), song) == album->tracks.end()) return false;
    RemoveTrack(*album, song);
    UpdateAlbumReadyFlag();
    return true;
}

bool SIM_NewAlbumModel::ClickAvailable(SIM_Song* song) {
    if (!AddTrack(album, song)) return false;
    UpdateAlbumReadyFlag();
    // Adding can shorten the available list below the scrolled position.
    const int hidden = static_cast<int>(Available().size()) - kVisibleAvailable;
    scroll = std::clamp(scroll, 0, std::max(0, hidden));
    return true;
}

void SIM_NewAlbumModel::RandomTitle() { album->title = RandomName(NAMES_ALBUM); }

bool SIM_NewAlbumModel::ShowsStudioSelector() const { return !GetRecordCompany().hasDeal; }

bool SIM_NewAlbumModel::CanFinish() const {
    return static_cast<int>(album->tracks.size()) == kAlbumTracks && SelectedStudio() != nullptr;
}

SIM_NewAlbumModel* NewAlbumScreen() { return gNewAlbum.get(); }

SIM_NewAlbumModel* OpenNewAlbumScreen() {
    UpdateAlbumReadyFlag();
    if (!IsAlbumReady()) return nullptr;
    if (gNewAlbum) return gNewAlbum.get();
    gNewAlbum = std::make_unique<SIM_NewAlbumModel>();
    Screens().TriggerHint("new album");
    Screens().OpenNewAlbum(*gNewAlbum);
    return gNewAlbum.get();
}

bool FinishNewAlbum() {
    if (!gNewAlbum || !gNewAlbum->CanFinish()) return false;
    SIM_Album* album = gNewAlbum->album;
    gNewAlbum.reset();
    OpenMixingDesk(album);
    return true;
}

void CancelNewAlbum() {
    if (!gNewAlbum) return;
    DestroyAlbum(gNewAlbum->album);
    gNewAlbum.reset();
}

// ---- The studio selector ----

std::vector<SIM_StudioButtonView> StudioSelectorButtons() {
    std::vector<SIM_StudioButtonView> buttons;
    const float cash = GetFinances().cash;
    for (const auto& studio : Studios()) {
        SIM_StudioButtonView view;
        view.name = studio->name;
        view.picture = studio->picture;
        view.costText = Translate("STUDIO_COST") + " " +
                        FormatText("$ %s", FormatThousands(static_cast<long long>(studio->cost)).c_str());
        view.affordable = studio->cost <= cash;
        view.selected = studio.get() == SelectedStudio();
        buttons.push_back(std::move(view));
    }
    return buttons;
}

bool ClickStudio(int index) {
    const auto& studios = Studios();
    if (index < 0 || index >= static_cast<int>(studios.size())) return false;
    SIM_RecordingStudio* studio = studios[static_cast<std::size_t>(index)].get();
    if (studio->cost > GetFinances().cash) return false;
    Screens().PlaySound("data/sounds/click.ogg");
    SelectStudio(studio);
    return true;
}

// ---- The mixing desk ----

SIM_MixingDesk::SIM_MixingDesk(SIM_Album* album_) : album(album_) {
    GAME_ASSERT(album != nullptr);
    const std::vector<SIM_Musician*>& members = GetBand().members;
    for (std::size_t i = 0; i < strips.size(); ++i) {
        SIM_MixerStrip& strip = strips[i];
        strip.member = i < members.size() ? members[i] : nullptr;
        strip.fader = RandomFloat(0.2f, 0.8f);
        strip.target = RandomFloat(0.2f, 0.8f);
    }
}

void SIM_MixingDesk::SetFader(int strip, float level) {
    if (ValidStrip(strip)) strips[static_cast<std::size_t>(strip)].fader = std::clamp(level, 0.0f, 1.0f);
}

float SIM_MixingDesk::Satisfaction(int strip) const {
    if (!ValidStrip(strip)) return 0.0f;
    float sum = 0.0f;
    int others = 0;
    for (int i = 0; i < kStrips; ++i) {
        const SIM_MixerStrip& other = strips[static_cast<std::size_t>(i)];
        if (i == strip || !other.member) continue;
        sum += other.fader;
        ++others;
    }
    const float mean = others > 0 ? sum / static_cast<float>(others) : 0.5f;
    return std::clamp((strips[static_cast<std::size_t>(strip)].fader - mean) * 2.0f, -1.0f, 1.0f);
}

float SIM_MixingDesk::MixQuality(int strip) const {
    if (!ValidStrip(strip)) return 0.0f;
    const SIM_MixerStrip& s = strips[static_cast<std::size_t>(strip)];
    const float mood = s.member ? s.member->happiness * GetMilo().GetValue("inspiration") : 0.0f;
    const float m = (1.0f - std::fabs(s.target - s.fader)) * 0.75f + std::clamp(mood, 0.0f, 1.0f) * 0.25f;
    return std::clamp(m, 0.0f, 1.0f);
}

int SIM_MixingDesk::MeterLeds(int strip) const {
    return static_cast<int>(std::lround(Satisfaction(strip) * static_cast<float>(kMeterLeds / 2)));
}

float SIM_MixingDesk::MeanMixQuality() const {
    float sum = 0.0f;
    int count = 0;
    for (int i = 0; i < kStrips; ++i)
        if (strips[static_cast<std::size_t>(i)].member) {
            sum += MixQuality(i);
            ++count;
        }
    return count > 0 ? sum / static_cast<float>(count) : 0.0f;
}

bool SIM_MixingDesk::Mix() {
    const SIM_RecordingStudio* studio = SelectedStudio();
    GAME_ASSERT(album != nullptr);
    if (!album || !studio) return false;
    // The mix is judged as it stood when the button was pressed, before the members react.
    const float mixed = MeanMixQuality();
    const float happiness = GetTuningValue("RS_DEMOCD_HAPPINESS");
    const float degrade = GetTuningValue("RS_MOTIVATION_DEGRADE");
    for (int i = 0; i < kStrips; ++i)
        if (SIM_Musician* member = strips[static_cast<std::size_t>(i)].member)
            member->AddMotivation("Demo cd", Satisfaction(i) * happiness, degrade);
    RecordDay(album, studio);
    album->productionQuality = std::min(mixed * studio->quality, QualityCap(*album));
    album->mode = ALBUM_RELEASED;
    album->weeksSinceRelease = 0;
    GetCareerHistory().Mark(kMarkAlbum);
    Screens().RefreshAlbumIcons();
    return true;
}

SIM_MixingDesk* MixingDesk() { return gDesk.get(); }

SIM_MixingDesk* OpenMixingDesk(SIM_Album* album) {
    GAME_ASSERT(album != nullptr);
    if (!album) return nullptr;
    gDesk = std::make_unique<SIM_MixingDesk>(album);
    Screens().TriggerHint("cd mixing");
    Screens().OpenMixingDesk(*gDesk);
    return gDesk.get();
}

bool FinishMixingDesk() {
    if (!gDesk || !gDesk->Mix()) return false;
    gDesk.reset();
    GetSIM().UseAct();
    return true;
}

// ---- The record company's offer ----

std::string SIM_RecordOfferModel::Title() const { return Translate("OFFER_TITLE"); }

std::string SIM_RecordOfferModel::Text() const {
    std::string text = Translate("OFFER_TEXT");
    ReplaceToken(text, "<BANDNAME>", GetBand().Name);
    ReplaceToken(text, "<STUDIONAME>", GetRecordCompany().name);
    return text;
}

std::string SIM_RecordOfferModel::RoyaltyText() const {
    return Translate("OFFER_ROYALTY") + " " + FormatText("%.0f%%", static_cast<double>(GetRecordCompany().royalty * 100.0f));
}

std::string SIM_RecordOfferModel::MarketingText() const {
    const float fraction = std::clamp(GetRecordCompany().marketing * 2.0f, 0.0f, 1.0f);
    return Translate("OFFER_MARKETING") + " " + TranslatePick(fraction, "OFFER_MARKETING_EFFECT");
}

SIM_RecordOfferModel* RecordOffer() { return gOffer.get(); }

void OpenRecordCompanyOffer() {
    gOffer = std::make_unique<SIM_RecordOfferModel>();
    Screens().OpenRecordCompanyOffer(*gOffer);
}

void AcceptRecordOffer() {
    if (!gOffer) return;
    gOffer.reset();
    AcceptDeal(GetRecordCompany());
}

void RejectRecordOffer() { gOffer.reset(); }

// ---- The album details screen ----

std::vector<SIM_AlbumDetailLine> AlbumDetailLines(const SIM_Album& album) {
    auto money = [](float amount) { return FormatText("$%s", FormatThousands(static_cast<long long>(amount)).c_str()); };
    return {{Translate("ALBUM_WEEKS_SINCE_RELEASE"), FormatText("%d", album.weeksSinceRelease)},
            {Translate("ALBUM_PRODUCTION_COST"), money(album.productionCost)},
            {Translate("ALBUM_SALES"), FormatThousands(album.copiesSold)},
            {Translate("ALBUM_EARNINGS"), money(album.totalEarned)},
            {Translate("ALBUM_PROFITS"), money(album.royaltiesEarned)},
            {Translate("ALBUM_DETAILS_QUALITY"), FormatText("%.0f%%", static_cast<double>(album.productionQuality * 100.0f))}};
}

void OpenAlbumDetails(const SIM_Album&) { Screens().TriggerHint("album details"); }

void CloseAlbumScreens() {
    gNewAlbum.reset();
    gDesk.reset();
    gOffer.reset();
}
