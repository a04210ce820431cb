#include "SIM_DailyOptions.h"

#include "LibErrors.h"
#include "SIM_Band.h"
#include "SIM_Quotes.h"
#include "SIM_SIM.h"
#include "SIM_Screens.h"
#include "SIM_WorldSeams.h"

#include <algorithm>

namespace {
std::unique_ptr<SIM_DailyOptions> gOptions;
}

SIM_DailyOption& SIM_DailyOptions::AddDailyOption(SIM_OptionSubject* subject, int kind, const std::string& title,
                                                  const std::string& text, const std::string& picture,
                                                  bool canAccept) {
    GAME_ASSERT(kind >= OPTION_RIVAL_GIG && kind <= OPTION_RELAXATION);
    options_.push_back(std::make_unique<SIM_DailyOption>(SIM_DailyOption{subject, kind, title, text, picture, canAccept}));
    return *options_.back();
}

void SIM_DailyOptions::SortDailyOptions() {
    std::stable_partition(options_.begin(), options_.end(),
                          [](const auto& o) { return o->kind != OPTION_BOOKED_GIG; });
}

void SIM_DailyOptions::AcceptDailyOption(const SIM_DailyOption& option) {
    SIM_WorldSeams& seams = WorldSeams();
    switch (option.kind) {
    case OPTION_RIVAL_GIG:
        Screens().OpenRivalGig(option.subject);
        break;
    case OPTION_BOOKED_GIG:
        if (!seams.playGig) {
            REPORT_ERROR("No gig performance to play the booked gig");
            break;
        }
        switch (seams.playGig(option.subject)) {
        case SIM_WorldSeams::GigOutcome::kPlayed: Screens().OpenGig(option.subject); break;
        case SIM_WorldSeams::GigOutcome::kCalledOff: Screens().OpenCancelledGig(option.subject); break;
        case SIM_WorldSeams::GigOutcome::kRefused: break;  // played once already: nothing to show or pay
        }
        break;
    case OPTION_PUBLICITY:
        if (seams.preparePublicityEvent) seams.preparePublicityEvent(option.subject);
        Screens().OpenPublicity(option.subject);
        break;
    case OPTION_CHARITY_GIG:
        if (!seams.takeUpCharityGig) {
            REPORT_ERROR("No charity gigs to take up");
            break;
        }
        // Taken up once: a second accept must not book it again or end another day.
        if (seams.takeUpCharityGig(option.subject)) GetSIM().UseAct();
        break;
    case OPTION_RELAXATION:
        Screens().OpenRelaxationChooser(option.subject);
        break;
    default:
        GAME_ASSERT(false);
        break;
    }
}

void SIM_DailyOptions::AddMessage(const SIM_Musician* owner, const std::string& text) {
    GAME_ASSERT(owner != nullptr);
    messages_.push_back(SIM_Message{owner, "\"" + text + "\""});
}

bool SIM_DailyOptions::RemoveMessage(const SIM_Musician* owner) {
    auto it = std::find_if(messages_.begin(), messages_.end(), [&](const SIM_Message& m) { return m.owner == owner; });
    if (it == messages_.end()) return false;
    messages_.erase(it);
    return true;
}

std::string SIM_DailyOptions::QuoteLine() const {
    unsigned salt = 2166136261U;  // FNV-1a over the band's name
    for (unsigned char ch : GetBand().Name) salt = (salt ^ ch) * 16777619U;
    const SIM_Quote* quote = QuoteForDay(GetSIM().turncount, salt);
    return quote ? FormatQuoteLine(*quote) : std::string();
}

SIM_DailyOptions& GetDailyOptions() {
    if (!gOptions) gOptions = std::make_unique<SIM_DailyOptions>();
    return *gOptions;
}

void ResetDailyOptions() {
    gOptions.reset();
    ResetQuotes();
}

int SIM_DailyOptionsLayout::HighestFirstRow() const { return std::max(0, rows_ - kVisibleRows); }

void SIM_DailyOptionsLayout::Build(int optionCount, int messageCount) {
    options_ = std::max(0, optionCount);
    messages_ = std::max(0, messageCount);
    rows_ = options_ + (messages_ + 1) / 2;
    first_ = std::clamp(first_, 0, HighestFirstRow());
    hasEvents_ = false;
    cells_.clear();

    const float centre = screenWidth_ / 2.0f;
    const float right = screenWidth_ - kRightGap;
    auto visible = [&](int row) { return row >= first_ && row < first_ + kVisibleRows; };
    auto place = [&](Cell::Kind kind, int index, int row, float l, float r) {
        const float top = kTop + kRowStep * static_cast<float>(row - first_);
        cells_.push_back(Cell{kind, index, row, l, top, r, top + kRowHeight});
    };
    for (int i = 0; i < options_; ++i) {
        if (!visible(i)) continue;
        place(Cell::kOption, i, i, left_, right);
        hasEvents_ = true;
    }
    for (int m = 0; m < messages_; ++m) {
        const int row = options_ + m / 2;
        if (!visible(row)) continue;
        if (m % 2 == 0) place(Cell::kMessage, m, row, left_, centre - kCentreGap);
        else place(Cell::kMessage, m, row, centre + kCentreGap, right);
    }
}

void SIM_DailyOptionsLayout::BuildFromToday() {
    SIM_DailyOptions& today = GetDailyOptions();
    today.SortDailyOptions();
    Build(static_cast<int>(today.Options().size()), static_cast<int>(today.Messages().size()));
}

void SIM_DailyOptionsLayout::Scroll(int delta) {
    first_ = std::clamp(first_ + delta, 0, HighestFirstRow());
    Build(options_, messages_);
}
