#include "SIM_Auditions.h"

#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibErrors.h"
#include "LibRandom.h"
#include "LibSpreadsheet.h"
#include "LibString.h"
#include "SIM_Band.h"
#include "SIM_CareerHistory.h"
#include "SIM_Finances.h"
#include "SIM_Names.h"
#include "SIM_PeopleSeams.h"
#include "SIM_Person.h"
#include "SIM_Personality.h"
#include "SIM_Screens.h"

#include <algorithm>
#include <cmath>

namespace {
std::vector<std::unique_ptr<SIM_Auditionee>> gRecords;
// Where the records came from, so running out of an instrument reads the same file again.
std::string gRecordsFile = "data/simulation/auditionees.csv";
std::unique_ptr<SIM_AuditionPicker> gPicker;

int InstrumentFromCell(const std::string& cell) {
    if (cell == "GUITAR") return INSTRUMENT_GUITAR;
    if (cell == "BASS") return INSTRUMENT_BASS;
    if (cell == "KEYBOARD") return INSTRUMENT_KEYBOARD;
    if (cell == "DRUMS") return INSTRUMENT_DRUMS;
    if (cell == "SAXOPHONE") return INSTRUMENT_SAXOPHONE;
    return INSTRUMENT_VOCALS;
}

std::vector<SIM_Auditionee*> RecordsFor(int instrument) {
    std::vector<SIM_Auditionee*> found;
    for (const auto& r : gRecords)
        if (r->instrument == instrument) found.push_back(r.get());
    return found;
}
}  // namespace

const std::vector<std::unique_ptr<SIM_Auditionee>>& AllAuditionees() { return gRecords; }

void DestroyAllAuditionees() { gRecords.clear(); }

void LoadAuditionees(const std::string& file) {
    DestroyAllAuditionees();
    gRecordsFile = file;
    const auto sheet = LoadSpreadsheet(file);
    for (const std::string& row : sheet->rows) {
        LibTokenizer cells(row);
        cells.Next();
        auto record = std::make_unique<SIM_Auditionee>();
        record->instrument = InstrumentFromCell(cells.NextText());
        record->gender = cells.NextText() == "MALE" ? 0 : 1;
        record->songElementKey = cells.NextText();
        record->ability = ParseLeadingFloat(cells.NextText());
        record->instrumentKey = cells.NextText();
        while (!cells.AtEnd()) {
            const std::string trait = cells.NextText();
            // Short cells are blanks and stray marks, not trait names. The shortest trait name
            // ("lazy") has four letters, so four-letter cells must still count.
            if (trait.size() < 4) continue;
            // An unknown name is logged now and reported again when a candidate is made from
            // the record, who then goes without it.
            FindPersonality(trait);
            record->traitNames.push_back(trait);
        }
        record->forename = GetNames().RandomForename(record->gender);
        record->surname = GetNames().RandomSurname();
        record->potential = RandomFloat(0.85f, 1.0f);
        if (record->potential >= 1.0f) record->potential = 0.85f;
        gRecords.push_back(std::move(record));
    }
}

SIM_Musician* MakeCandidate(int instrument) {
    if (gRecords.empty()) LoadAuditionees(gRecordsFile);
    std::vector<SIM_Auditionee*> found = RecordsFor(instrument);
    if (found.empty()) {
        LoadAuditionees(gRecordsFile);
        found = RecordsFor(instrument);
    }
    if (found.empty()) return nullptr;  // the catalogue has nobody for that instrument
    SIM_Auditionee& record = *found[static_cast<std::size_t>(RandomIndex(static_cast<int>(found.size())))];

    SIM_PortraitDatabase& portraits = GetPortraitDatabase();
    record.portrait = portraits.RandomPortrait(record.gender);
    portraits.MarkPortraitUsed(record.portrait);

    SIM_Musician& m = CreateMusician();
    m.instrument = record.instrument;
    m.SetPortraits(record.gender, record.portrait);
    m.forename = record.forename;
    m.surname = record.surname;
    m.fullname = record.forename + " " + record.surname;
    for (const std::string& name : record.traitNames) {
        SIM_Personality* trait = FindPersonality(name);
        GAME_ASSERT(trait != nullptr);
        if (trait) m.AddPersonality(trait);
    }
    SIM_PeopleSeams& seams = PeopleSeams();
    if (seams.findSongElement) m.songElement = seams.findSongElement(record.songElementKey);
    const float musicianship = std::max(GetBand().GetBandValue("band_musicianship"), 0.1f);
    m.SetAbility(record.ability * musicianship, record.potential);
    // Without an asset catalogue nobody owns anything yet, so there is nothing to hand over.
    if (seams.findAsset) {
        SIM_Asset* asset = seams.findAsset(record.instrumentKey);
        GAME_ASSERT(asset != nullptr);
        if (asset) m.GivePossession(asset);
    }
    std::erase_if(gRecords, [&](const auto& r) { return r.get() == &record; });
    return &m;
}

// ---- The picker -----------------------------------------------------------------------

float SIM_AuditionPicker::Fee() { return GetTuningValue("AUDITION_COST"); }

bool SIM_AuditionPicker::CanAfford() { return Fee() <= GetFinances().cash; }

bool SIM_AuditionPicker::Open(int instrument) {
    Close();
    if (!CanAfford()) return false;
    for (int i = 0; i < kCandidates; ++i)
        if (SIM_Musician* m = MakeCandidate(instrument)) cards.push_back(Card{m, false, 0.0f});
    // Nobody turned up (the catalogue has nobody for that instrument): the hall costs nothing.
    if (cards.empty()) return false;
    GetFinances().cash -= Fee();
    Screens().PlaySound("data/sounds/cash.ogg");
    float best = 0.0f;
    for (const Card& c : cards) best = std::max(best, c.musician->ability);
    for (Card& c : cards) c.abilityBar = best > 0.0f ? c.musician->ability / best : 0.0f;
    BuildAdvice();
    open_ = true;
    return true;
}

void SIM_AuditionPicker::BuildAdvice() {
    advice.clear();
    const float clash = GetTuningValue("RS_CHEMISTRY_CLASH_THRESHOLD");
    const float match = GetTuningValue("RS_CHEMISTRY_MATCH_THRESHOLD");
    Advice first, second;
    for (const SIM_Musician* member : GetBand().members)
        for (const Card& card : cards) {
            const float d = std::fabs(member->chemistry - card.musician->chemistry);
            float strength = 0.0f;
            if (d > clash) strength = d;
            else if (d < match) strength = 1.0f - d;
            else continue;
            const Advice pair{card.musician, d, strength};
            if (strength > first.strength) {
                second = first;
                first = pair;
            } else if (strength > second.strength) {
                second = pair;
            }
        }
    for (const Advice& a : {first, second})
        if (a.candidate) advice.push_back(a);
}

std::vector<std::string> SIM_AuditionPicker::AdviceLines() const {
    std::vector<std::string> lines;
    const float clash = GetTuningValue("RS_CHEMISTRY_CLASH_THRESHOLD");
    const float match = GetTuningValue("RS_CHEMISTRY_MATCH_THRESHOLD");
    for (const Advice& a : advice) {
        std::string text;
        if (a.difference > clash) text = Translate("ADVICE_CHEMISTRY_CLASH");
        else if (a.difference < match) text = Translate("ADVICE_CHEMISTRY_MATCH");
        else FATAL_ERROR("Invalid potential advice");
        ReplaceToken(text, "<NAME>", a.candidate->fullname);
        lines.push_back("\"" + text + "\"");
    }
    return lines;
}

bool SIM_AuditionPicker::Reject(int card) {
    if (!open_ || card < 0 || card >= static_cast<int>(cards.size()) || cards[static_cast<std::size_t>(card)].rejected)
        return !open_;
    cards[static_cast<std::size_t>(card)].rejected = true;
    Screens().PlaySound("data/sounds/male_sigh.ogg");
    if (std::all_of(cards.begin(), cards.end(), [](const Card& c) { return c.rejected; })) Close();
    return !open_;
}

SIM_Musician* SIM_AuditionPicker::Hire(int card) {
    if (!open_ || card < 0 || card >= static_cast<int>(cards.size())) return nullptr;
    Card& chosen = cards[static_cast<std::size_t>(card)];
    if (chosen.rejected) return nullptr;
    SIM_Musician* hired = chosen.musician;
    GetBand().AddMember(hired);
    GetCareerHistory().Mark(kMarkHire);
    chosen.musician = nullptr;
    Close();
    return hired;
}

void SIM_AuditionPicker::Close() {
    // Candidates the band did not take would otherwise stay among all musicians (and in
    // every save) for good.
    for (Card& c : cards)
        if (c.musician && !(BandIfAny() && BandIfAny()->IsMember(c.musician))) DestroyMusician(c.musician);
    cards.clear();
    advice.clear();
    open_ = false;
}

bool SIM_AuditionPicker::IsWaiting(const SIM_Musician* musician) const {
    if (!open_ || !musician) return false;
    const SIM_Band* band = BandIfAny();
    if (band && band->IsMember(musician)) return false;
    return std::any_of(cards.begin(), cards.end(), [&](const Card& c) { return c.musician == musician; });
}

bool IsWaitingCandidate(const SIM_Musician* musician) { return gPicker && gPicker->IsWaiting(musician); }

SIM_AuditionPicker& GetAuditionPicker() {
    if (!gPicker) gPicker = std::make_unique<SIM_AuditionPicker>();
    return *gPicker;
}

void ResetAuditions() {
    if (gPicker) gPicker->Close();
    gPicker.reset();
    DestroyAllAuditionees();
    gRecordsFile = "data/simulation/auditionees.csv";
}
