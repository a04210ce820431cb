#include "SIM_Publicity.h"

#include "GHashTable.h"
#include "LibConfigSection.h"
#include "LibErrors.h"
#include "LibRandom.h"
#include "LibSpreadsheet.h"
#include "LibString.h"
#include "SIM_Asset.h"
#include "SIM_Band.h"
#include "SIM_Commenter.h"
#include "SIM_Date.h"
#include "SIM_Fame.h"
#include "SIM_Person.h"
#include "SIM_Personality.h"
#include "SIM_Relationship.h"
#include "SIM_Relaxation.h"
#include "SIM_SIM.h"
#include "SIM_Venue.h"
#include "SIM_WorldSeams.h"

#include <algorithm>
#include <cmath>

namespace {
std::vector<std::unique_ptr<SIM_PublicityEventType>> gTypes;
// Read once: a missing or empty catalogue is not read again every day.
bool gTypesLoaded = false;
std::vector<std::unique_ptr<SIM_PublicityEvent>> gToday;

// Below this reach the members grumble that nobody noticed.
constexpr float kPoorReach = 0.5f;
// The results screen's body holds no more than this.
constexpr std::size_t kResultsTextLength = 1023;

int KindFromWord(const std::string& word) {
    if (word == "signed") return PUBLICITY_SIGNED;
    if (word == "booked") return PUBLICITY_BOOKED;
    if (word == "flyers") return PUBLICITY_FLYERS;
    return PUBLICITY_ORDINARY;
}

bool ReadFactor(const std::string& cell, SIM_PublicityFactor& factor) {
    LibTokenizer parts(cell);
    factor.name = parts.NextText();
    factor.min = parts.NextFloat();
    factor.max = parts.NextFloat();
    return !factor.name.empty();
}
}  // namespace

void SIM_PublicityEventType::LoadFromRow(const std::string& row) {
    LibTokenizer cells(row);
    cells.Next();  // row marker
    name = cells.NextText();
    label = name;
    kind = KindFromWord(cells.NextText());
    optionTitle = cells.NextText();
    optionPicture = cells.NextText();
    optionText = cells.NextText();
    sound = cells.NextText();
    resultsText = cells.NextText();
    if (resultsText.size() > kResultsTextLength) resultsText.resize(kResultsTextLength);
    minimumFame = cells.NextFloat();
    reachNumerator = cells.NextFloat();
    chanceAtNoFame = cells.NextFloat();
    chanceAtFullFame = cells.NextFloat();
    hypeAmount = cells.NextFloat();
    hypeDegrade = cells.NextFloat();
    cells.Next();  // spacer before the factors
    bool inModifiers = false;
    while (!cells.AtEnd()) {
        const std::string cell = cells.NextText();
        if (!inModifiers) {
            if (cell == "#") {
                inModifiers = true;
                continue;
            }
            SIM_PublicityFactor factor;
            if (ReadFactor(cell, factor)) factors.push_back(std::move(factor));
        } else {
            AddModifier(cell);
        }
    }
}

void LoadPublicityTypes(const std::string& path) {
    gToday.clear();  // events point at the old types
    gTypes.clear();
    gTypesLoaded = true;
    const auto sheet = LoadSpreadsheet(path);
    for (const std::string& row : sheet->rows) {
        auto type = std::make_unique<SIM_PublicityEventType>();
        type->LoadFromRow(row);
        gTypes.push_back(std::move(type));
    }
}

const std::vector<std::unique_ptr<SIM_PublicityEventType>>& PublicityTypes() { return gTypes; }
const std::vector<std::unique_ptr<SIM_PublicityEvent>>& TodaysPublicityEvents() { return gToday; }
void ClearPublicityEvents() { gToday.clear(); }

void OfferPublicityEvents() {
    gToday.clear();
    if (!gTypesLoaded) LoadPublicityTypes();
    for (const auto& type : gTypes) {
        if (!IsOffered(*type)) continue;
        gToday.push_back(std::make_unique<SIM_PublicityEvent>(*type));
        GetDailyOptions().AddDailyOption(gToday.back().get(), OPTION_PUBLICITY, type->optionTitle, type->optionText,
                                         type->optionPicture, true);
    }
}

bool IsOffered(const SIM_PublicityEventType& type) {
    const float fame = GetFame().fame;
    if (fame < type.minimumFame) return false;
    switch (type.kind) {
    case PUBLICITY_SIGNED:
        if (!AskSeam(WorldSeams().hasRecordDeal, false)) return false;
        break;
    case PUBLICITY_FLYERS: {
        if (BookedGigs().empty()) return false;
        const int weekday = GetSIMDate().GetDate().weekday;
        if (weekday >= 4 && weekday <= 6) return true;
        break;
    }
    case PUBLICITY_BOOKED:
        return !BookedGigs().empty();
    default:
        break;
    }
    const float f = std::clamp(fame / 10000.0f, 0.0f, 1.0f);
    float p = type.chanceAtNoFame + (type.chanceAtFullFame - type.chanceAtNoFame) * f;
    if (BandOwns("publicist")) p *= 1.25f;
    return RandomChance(p);
}

float MemberContribution(SIM_PublicityEvent& event, SIM_Musician& musician) {
    SIM_PublicityMemberResult result;
    result.musician = &musician;
    float s = 0.0f;
    for (const SIM_PublicityFactor& factor : event.type->factors) {
        if (factor.name == "random") {
            s += RandomFloat(factor.min, factor.max);
        } else if (musician.HasTrait(factor.name)) {
            s += factor.min;
            const SIM_Personality* trait = FindPersonality(factor.name);
            GAME_ASSERT(trait != nullptr);
            result.matchedTraits.push_back(trait ? trait->name : factor.name);
        }
    }
    s = std::clamp(s * musician.happiness, 0.0f, 1.0f);
    if (musician.Stress() > GetTuningValue("RS_PUBLICITY_TOOSTRESSED")) {
        s = 0.0f;
        result.tooStressed = true;
    }
    result.score = s;
    event.memberResults.push_back(std::move(result));
    return s;
}

float PlayerContribution(const SIM_PublicityEventType& type) {
    const SIM_Milo& player = GetMilo();
    float s = 0.0f;
    for (const SIM_PublicityFactor& factor : type.factors) {
        if (factor.name.find("milo_") != std::string::npos)
            s += factor.min * player.GetValue(factor.name.substr(factor.name.find('_') + 1));
        else if (factor.name == "random")
            s += RandomFloat(factor.min, factor.max);
    }
    return s;
}

float PublicityReach(const SIM_PublicityEventType& type, float fame) {
    return std::clamp(type.reachNumerator / std::max(15.0f, fame * 10.0f), 0.0f, 1.0f);
}

void PerformPublicity(SIM_PublicityEvent& event) {
    // Accepting the same option twice must not score the band twice.
    if (event.performed) return;
    event.performed = true;
    const SIM_PublicityEventType& type = *event.type;
    SIM_Band& band = GetBand();

    event.success = 0.0f;
    float sum = 0.0f;
    const std::vector<SIM_Musician*> members = band.members;
    for (SIM_Musician* member : members) sum += MemberContribution(event, *member);
    sum += PlayerContribution(type);
    if (!members.empty()) event.success = sum / static_cast<float>(members.size() + 1);
    event.success = std::clamp(event.success, 0.0f, 1.0f);

    event.hype = type.hypeAmount * event.success;
    event.reach = PublicityReach(type, GetFame().fame);
    event.hype *= event.reach;

    band.ModifyBandValue("band_hype", event.hype, type.hypeDegrade, type.name);
    type.ApplyModifiers(1.0f);
    band.ModifyBandValue("band_boredom", GetTuningValue("RS_BOREDOM_REDUCT_PR"), 0.0f, "pr");
    UpdateRelationships(GetTuningValue("RS_MEETSCALAR_PUBLICITY"));
    if (event.reach < kPoorReach && !band.members.empty())
        if (SIM_Musician* grumbler = band.RandomMember(); grumbler && grumbler->commenter)
            grumbler->commenter->QueueComment(COMMENT_PUBLICITY_POOR_REACH, RandomFloat(0.0f, 1.0f));
}

// ---- The results screen ----

SIM_PublicityResults::SIM_PublicityResults(const SIM_PublicityEvent& event, float screenWidth) {
    const SIM_PublicityEventType& type = *event.type;
    heading = type.optionTitle;
    body = type.resultsText;
    continueLabel = Translate("FMV_CONTINUE");
    continueTooltip = "FMV_CONTINUE_TOOLTIP";
    // The sign follows the hype itself, so a type that costs hype never reads "+-".
    effectLine = FormatText("%s: %c%.0f%%", Translate("PUBLICITY_EFFECT").c_str(), event.hype < 0.0f ? '-' : '+',
                            static_cast<double>(std::abs(event.hype) * 100.0f));
    reachLine = Translate("PUBLICITY_REACH");
    ReplaceToken(reachLine, "<AMOUNT>", FormatText("%.0f", static_cast<double>(event.reach * 100.0f)));
    for (const SIM_Modifier& m : type.modifiers) {
        std::string key;
        if (m.name == "band_motivation") key = "PUBLICITY_MOTIVATION";
        else if (m.name == "band_stress") key = "PUBLICITY_STRESS";
        else continue;
        const int percent = static_cast<int>(m.amount * 100.0f);
        modifierLines.push_back(Translate(key) + FormatText(percent < 0 ? " %d%%  " : " +%d%%  ", percent));
    }

    const float rowWidth = kCardWidth * static_cast<float>(event.memberResults.size());
    float left = (screenWidth - rowWidth) / 2.0f;
    for (const SIM_PublicityMemberResult& r : event.memberResults) {
        Card card;
        card.musician = r.musician;
        card.portrait = r.musician ? r.musician->GetPortrait() : std::string();
        const double score = static_cast<double>(r.score * 100.0f);
        card.scoreText = Translate("CONTRIBUTION_TEXT") + " " + FormatText(score < 0.0 ? "%.0f" : "+%.0f", score);
        if (r.tooStressed) card.stressedText = Translate("CONTRIBUTION_TOOSTRESSED");
        card.left = left;
        card.right = left + kCardWidth;
        card.top = kCardTop;
        card.bottom = kCardBottom;
        left += kCardWidth;
        cards.push_back(std::move(card));
    }

    if (type.name == "print interview") {
        backdrop = kPrintInterview;
        backdropPicture = "interview_print.jpg";
    } else if (type.name == "radio interview") {
        backdrop = kRadioInterview;
        backdropPicture = "interview_radio.jpg";
        pausesMusic = true;
    } else if (type.name == "web interview") {
        backdrop = kWebInterview;
        backdropPicture = "interview_web.jpg";
    } else if (type.name == "flyers") {
        backdrop = kPicture;
        backdropPicture = "pileofflyers.jpg";
    } else if (type.name == "flyposting") {
        backdrop = kPicture;
        backdropPicture = "flyposters.jpg";
    }
    sound = type.sound;
}

void SIM_PublicityResults::Close() {
    if (closed) return;
    closed = true;
    GetSIM().UseAct();
}

// ---- Registration ----

void RegisterPublicity() {
    SIM_WorldSeams& world = WorldSeams();
    world.dailyRelaxationOffer = [] { OfferRelaxation(); };
    world.publicityDailyUpdate = [] { OfferPublicityEvents(); };
    world.preparePublicityEvent = [](SIM_OptionSubject* subject) {
        if (auto* event = dynamic_cast<SIM_PublicityEvent*>(subject)) PerformPublicity(*event);
        else REPORT_ERROR("A publicity option without its event");
    };
    // A new game starts without yesterday's offers; the catalogues stay.
    world.loadCatalogues = [before = world.loadCatalogues] {
        RunSeam(before);
        ClearPublicityEvents();
    };
}

void ResetPublicity() {
    gToday.clear();
    gTypes.clear();
    gTypesLoaded = false;
    ResetRelaxation();
}
