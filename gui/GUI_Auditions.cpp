#include "GUI_Auditions.h"

#include "GHashTable.h"
#include "GUI_Activities.h"
#include "GUI_MessageBox.h"
#include "GUI_Shell.h"
#include "GUI_Sounds.h"
#include "GUI_Style.h"
#include "InputManager.h"
#include "LibFont.h"
#include "LibString.h"
#include "Platform.h"
#include "Renderer.h"
#include "SIM_Asset.h"
#include "SIM_Auditions.h"
#include "SIM_Person.h"
#include "SIM_Personality.h"
#include "SIM_Screens.h"
#include "SIM_Song.h"

#include <algorithm>
#include <cmath>

namespace {
using GUI_Style::kBody;
using GUI_Style::kHeading;
using GUI_Style::kSmall;
using GUI_Style::kSubheading;
using GUI_Style::kTitle;

// ---- Layout of the auditions window: the text, the fee, then the instruments three by two.
constexpr float kWindowWidth = 460.0f;
constexpr float kGap = 8.0f;
constexpr float kCostHeight = 20.0f;
constexpr float kInstrument = 128.0f;  // the pictures' own size
constexpr float kInstrumentGap = 16.0f;
constexpr float kCaptionHeight = 18.0f;
constexpr int kInstrumentColumns = 3;
constexpr const char* kInstrumentImages[kInstrumentCount] = {"keyboard", "drums", "bass", "guitar", "saxophone", "vocals"};
constexpr const char* kInstrumentTooltips[kInstrumentCount] = {
    "AUDITION_KEYBOARD_TOOLTIP", "AUDITION_DRUMS_TOOLTIP",     "AUDITION_BASS_TOOLTIP",
    "AUDITION_GUITAR_TOOLTIP",   "AUDITION_SAXOPHONE_TOOLTIP", "AUDITION_VOCALS_TOOLTIP"};

// ---- Layout of the picker: the title line, three cards side by side, the advice below them.
constexpr float kScreenW = static_cast<float>(kScreenWidth);
constexpr float kEdge = 16.0f;
constexpr float kTitleY = 14.0f;
constexpr float kHelpY = 22.0f;
constexpr float kCardsTop = 60.0f;
constexpr float kCardsBottom = 680.0f;
constexpr float kCardGap = 16.0f;
constexpr float kCardWidth = (kScreenW - 2.0f * kEdge - 2.0f * kCardGap) / 3.0f;
constexpr float kAdviceTop = 692.0f;
constexpr float kAdviceStep = 26.0f;

// ---- Layout inside a card, from its top-left corner.
constexpr float kPad = 12.0f;
constexpr float kNameY = 10.0f;
constexpr float kPortraitY = 40.0f;
constexpr float kPortrait = 120.0f;
constexpr float kInfoX = kPad + kPortrait + 12.0f;
constexpr float kInstrumentY = 40.0f;
constexpr float kAbilityY = 66.0f;
constexpr float kBarY = 82.0f, kBarHeight = 14.0f;
constexpr float kBringsY = 106.0f;
constexpr float kBringsTextY = 122.0f;
constexpr float kGearY = 142.0f;
constexpr float kTraitsY = 172.0f;
constexpr float kStripsTop = 196.0f;
constexpr float kStripGap = 8.0f;
constexpr float kStripPad = 6.0f;
constexpr float kStripLabelHeight = 20.0f;
constexpr float kButtonHeight = 32.0f;
constexpr float kRejectSize = 32.0f;
constexpr float kHireWidth = 140.0f;
constexpr float kStamp = 128.0f;
constexpr std::uint32_t kRejectedShade = 0xD8140A05;

constexpr std::uint32_t kBarColour = 0xFFFFB030;

static_assert(kInstrumentCount == 6, "the auditions window has a picture per instrument");

GUI_AuditionPicker* gPicker = nullptr;

float LineHeight(const GUI_Style::Font& font) { return WrappedTextHeight(font, "Ag", 1000.0f); }

// The instrument sample banks are in their own order.
int SampleBank(int instrument) {
    switch (instrument) {
        case INSTRUMENT_KEYBOARD: return GUI_Sounds::KEYBOARD;
        case INSTRUMENT_DRUMS: return GUI_Sounds::DRUMS;
        case INSTRUMENT_BASS: return GUI_Sounds::BASS;
        case INSTRUMENT_GUITAR: return GUI_Sounds::GUITAR;
        case INSTRUMENT_SAXOPHONE: return GUI_Sounds::SAXOPHONE;
        default: return GUI_Sounds::VOCALS;
    }
}

void PlaySample(const SIM_Musician* candidate) {
    if (candidate) Sounds().PlayInstrumentSample(SampleBank(candidate->instrument));
}

const SIM_AuditionPicker::Card* CardOf(int card) {
    const SIM_AuditionPicker& model = GetAuditionPicker();
    if (!model.IsOpen() || card < 0 || card >= static_cast<int>(model.cards.size())) return nullptr;
    return &model.cards[static_cast<std::size_t>(card)];
}
}  // namespace

void OpenAuditions() {
    // A second press replaces the window; an audition in progress ends first.
    if (GUI_AuditionPicker* picker = GUI_AuditionPicker::Current()) picker->Dismiss();
    if (auto* open = WindowList().Find<GUI_Auditions>()) open->Close();
    WindowList().Open<GUI_Auditions>();
    // A word of advice the button itself brought stays over the window.
    for (GUI_WindowBase* question : std::vector<GUI_WindowBase*>(WindowList().ModalWindows()))
        WindowList().BringToFront(question);
    Screens().TriggerHint("audition");
}

// ---- The auditions window ----

GUI_Auditions::GUI_Auditions() : GUI_Dialog(Translate("AUDITIONS_TITLE"), true) {
    name = "auditions";
    affordable_ = SIM_AuditionPicker::CanAfford();
    text_ = Translate(affordable_ ? "AUDITIONS_CHOOSE_TEXT" : "AUDITIONS_NOMONEY");
    const float inner = kWindowWidth - kMarginLeft - kMarginRight;
    const float textHeight = std::max(WrappedTextHeight(kBody, text_, inner), LineHeight(kBody));
    const int rows = (kInstrumentCount + kInstrumentColumns - 1) / kInstrumentColumns;
    const float gridHeight = static_cast<float>(rows) * (kInstrument + kCaptionHeight) + static_cast<float>(rows - 1) * kGap;
    float windowHeight = kMarginTop + kGap + textHeight + kGap + kMarginBottom;
    if (affordable_) {
        cost_ = Translate("AUDITIONS_COST") + FormatText(" $%d", static_cast<int>(SIM_AuditionPicker::Fee()));
        windowHeight += kCostHeight + kGap * 2.0f + gridHeight;
    }
    SetRect(0, 0, kWindowWidth, std::ceil(windowHeight));
    CentreOnScreen();
    textTop_ = static_cast<float>(client.top) + kGap;
    if (!affordable_) return;

    const float gridWidth = kInstrumentColumns * kInstrument + (kInstrumentColumns - 1) * kInstrumentGap;
    const float gridLeft = static_cast<float>(rect.left) + (kWindowWidth - gridWidth) / 2.0f;
    const float gridTop = textTop_ + textHeight + kGap + kCostHeight + kGap * 2.0f;
    for (int instrument = 0; instrument < kInstrumentCount; ++instrument) {
        const std::string image = std::string("audition_") + kInstrumentImages[instrument];
        auto* button = Add<GUI_IconButton>(image + ".jpg", image + "_h.jpg", [this, instrument] { Choose(instrument); });
        button->SetTooltipKey(kInstrumentTooltips[instrument]);
        const float left = gridLeft + static_cast<float>(instrument % kInstrumentColumns) * (kInstrument + kInstrumentGap);
        const float top = gridTop + static_cast<float>(instrument / kInstrumentColumns) * (kInstrument + kCaptionHeight + kGap);
        button->SetRect(left, top, left + kInstrument, top + kInstrument);
        instruments_[static_cast<std::size_t>(instrument)] = button;
    }
}

void GUI_Auditions::Choose(int instrument) {
    // One audition per window, however fast the pictures are clicked: the window goes first.
    if (chosen_) return;
    chosen_ = true;
    Close();
    GUI_AuditionPicker::Open(instrument);
}

void GUI_Auditions::DrawForeground() {
    const float left = static_cast<float>(client.left), room = static_cast<float>(client.right - client.left);
    const float below = DrawTextWrapped(kBody, text_, left, textTop_, room, GUI_Style::kCream);
    if (!affordable_) return;
    DrawText(kSubheading, FitText(kSubheading, cost_, room), left, below + kGap, GUI_Style::kAmber);
    // Each picture's instrument under it.
    for (int instrument = 0; instrument < kInstrumentCount; ++instrument) {
        const GUI_IconButton* button = instruments_[static_cast<std::size_t>(instrument)];
        if (!button) continue;
        const GRect r = button->Area();
        DrawText(kSmall, FitText(kSmall, InstrumentName(instrument), r.right - r.left), (r.left + r.right) / 2.0f,
                 r.bottom + 3.0f, button->Lit() ? GUI_Style::kGold : GUI_Style::kCreamDim, TEXT_CENTRED);
    }
}

// ---- Personality strips ----

GUI_PersonalityStrip::GUI_PersonalityStrip(const SIM_Personality& trait, const SIM_Musician& person)
    : label_(trait.label.empty() ? trait.name : trait.label), description_(trait.DescribeFor(person.forename, person.gender)) {
    // Nothing to press: no highlight and no sound, but a tooltip still shows when it has one.
    enabled = false;
}

void GUI_PersonalityStrip::Draw() {
    const GRect r = Area();
    DrawInsetPanel(r);
    const float x = r.left + kStripPad, textWidth = r.right - r.left - 2.0f * kStripPad;
    DrawText(kSubheading, FitText(kSubheading, label_, textWidth), x, r.top + kStripPad, GUI_Style::kGold);
    const float lineHeight = LineHeight(kSmall);
    const float room = r.bottom - kStripPad - (r.top + kStripPad + kStripLabelHeight);
    const auto lines = static_cast<std::size_t>(std::max(0.0f, std::floor(room / lineHeight)));
    float y = r.top + kStripPad + kStripLabelHeight;
    for (const std::string& line : WrapLines(kSmall, description_, textWidth, lines)) {
        DrawText(kSmall, line, x, y, GUI_Style::kCream);
        y += lineHeight;
    }
    RecordControl();
    GUI_ButtonBase::Draw();
}

// ---- Candidate cards ----

GUI_Auditionee::GUI_Auditionee(int card, const GRect& area, std::function<void(int)> onReject,
                               std::function<void(int)> onHire)
    : card_(card) {
    name = "auditionee " + std::to_string(card);
    SetRect(area.left, area.top, area.right, area.bottom);
    const SIM_Musician* candidate = Candidate();

    // The traits share what is left between the heading and the buttons; each takes only the
    // lines its description needs.
    const float buttonsTop = area.bottom - kPad - kButtonHeight;
    if (candidate && !candidate->personalities.empty()) {
        const float count = static_cast<float>(candidate->personalities.size());
        const float room = buttonsTop - kStripGap - (area.top + kStripsTop);
        const float most = (room - (count - 1.0f) * kStripGap) / count;
        const float textWidth = area.right - area.left - 2.0f * kPad - 2.0f * kStripPad;
        const float lineHeight = LineHeight(kSmall);
        const auto maxLines = static_cast<std::size_t>(std::max(1.0f, std::floor((most - 2.0f * kStripPad - kStripLabelHeight) / lineHeight)));
        float top = area.top + kStripsTop;
        for (const SIM_Personality* trait : candidate->personalities) {
            if (!trait) continue;
            auto* strip = Add<GUI_PersonalityStrip>(*trait, *candidate);
            const std::size_t lines = WrapLines(kSmall, strip->Description(), textWidth, maxLines).size();
            // A description cut short is given whole in the tooltip.
            if (WrapLines(kSmall, strip->Description(), textWidth, maxLines + 1).size() > maxLines)
                strip->SetTooltip(strip->Description());
            const float stripHeight = std::min(most, 2.0f * kStripPad + kStripLabelHeight + static_cast<float>(lines) * lineHeight);
            strip->SetRect(area.left + kPad, top, area.right - kPad, top + std::ceil(stripHeight));
            top += std::ceil(stripHeight) + kStripGap;
        }
    }

    reject_ = Add<GUI_IconButton>("audition_reject.dds", "audition_reject_h.dds", [this, onReject] { onReject(card_); });
    reject_->SetTooltipKey("AUDITIONEE_REJECT_TOOLTIP");
    const float rejectTop = buttonsTop + (kButtonHeight - kRejectSize) / 2.0f;
    reject_->SetRect(area.left + kPad, rejectTop, area.left + kPad + kRejectSize, rejectTop + kRejectSize);
    hire_ = Add<GUI_ButtonText>("AUDITIONEE_HIRE", [this, onHire] { onHire(card_); }, "AUDITIONEE_HIRE_TOOLTIP");
    hire_->SetRect(area.right - kPad - kHireWidth, buttonsTop, area.right - kPad, buttonsTop + kButtonHeight);
}

const SIM_Musician* GUI_Auditionee::Candidate() const {
    const SIM_AuditionPicker::Card* card = CardOf(card_);
    return card ? card->musician : nullptr;
}

bool GUI_Auditionee::Rejected() const {
    const SIM_AuditionPicker::Card* card = CardOf(card_);
    return !card || card->rejected;
}

void GUI_Auditionee::Update() {
    const bool usable = !Rejected() && Candidate();
    reject_->enabled = usable;
    hire_->enabled = usable;
    // Pointing at a candidate lets him play a little.
    const CBaseInputManager& input = Shell().Input();
    const bool over = !input.IsMouseTaken() && HitTest(input.x, input.y);
    if (over && !hovered_ && usable) PlaySample(Candidate());
    hovered_ = over;
    GUI_WindowBase::Update();
}

void GUI_Auditionee::DrawBackground() {
    const GRect r = Area();
    DrawFramedBox(r, GUI_Style::kWindowFrame);
    const SIM_Musician* m = Candidate();
    const SIM_AuditionPicker::Card* card = CardOf(card_);
    if (!m || !card) return;
    const float inner = r.right - r.left - 2.0f * kPad;
    DrawText(kHeading, FitText(kHeading, m->fullname, inner), r.left + kPad, r.top + kNameY, GUI_Style::kGold);

    const std::string portrait = m->GetPortrait();
    if (!portrait.empty()) Renderer().DrawTexture(portrait, r.left + kPad, r.top + kPortraitY, kPortrait, kPortrait);

    const float x = r.left + kInfoX, infoWidth = r.right - kPad - x;
    DrawText(kSubheading, FitText(kSubheading, InstrumentName(m->instrument), infoWidth), x, r.top + kInstrumentY,
             GUI_Style::kCream);
    DrawText(kSmall, FitText(kSmall, Translate("AUDITIONEE_ABILITY"), infoWidth), x, r.top + kAbilityY, GUI_Style::kCreamDim);
    const GRect bar{x, r.top + kBarY, x + infoWidth, r.top + kBarY + kBarHeight};
    DrawInsetPanel(bar);
    const float fill = std::clamp(card->abilityBar, 0.0f, 1.0f) * (infoWidth - 2.0f);
    if (fill > 0.0f) Renderer().FillRect(bar.left + 1.0f, bar.top + 1.0f, fill, kBarHeight - 2.0f, kBarColour);
    DrawText(kSmall, FitText(kSmall, Translate("AUDITIONEE_SONGSKILL"), infoWidth), x, r.top + kBringsY, GUI_Style::kCreamDim);
    if (const SIM_SongElement* element = m->songElement)
        DrawText(kBody, FitText(kBody, element->label.empty() ? element->name : element->label, infoWidth), x,
                 r.top + kBringsTextY, GUI_Style::kCream);
    // Some come with their own instrument.
    if (!m->possessions.empty() && m->possessions.front()) {
        std::string gear = Translate("AUDITIONEE_GEAR");
        ReplaceToken(gear, "<ASSET>", m->possessions.front()->displayName);
        DrawText(kSmall, FitText(kSmall, gear, infoWidth), x, r.top + kGearY, GUI_Style::kCreamDim);
    }
    DrawText(kSubheading, FitText(kSubheading, Translate("AUDITIONEE_PERSONALITIES"), inner), r.left + kPad,
             r.top + kTraitsY, GUI_Style::kGold);
}

void GUI_Auditionee::DrawForeground() {
    if (!Rejected()) return;
    const GRect r = Area();
    // The card all but fades out under the stamp, which says why.
    Renderer().FillRect(r.left + 4.0f, r.top + 4.0f, r.right - r.left - 8.0f, r.bottom - r.top - 8.0f, kRejectedShade);
    const float cx = (r.left + r.right) / 2.0f;
    const float top = (r.top + r.bottom) / 2.0f - (kStamp + kSubheading.size) / 2.0f;
    Renderer().DrawTexture("rejected.dds", cx - kStamp / 2.0f, top, kStamp, kStamp);
    const std::string caption = FitText(kSubheading, Translate("AUDITIONEE_REJECTED"), r.right - r.left - 2.0f * kPad);
    DrawText(kSubheading, caption, cx, top + kStamp, GUI_Style::kCream, TEXT_CENTRED);
}

// ---- The picker ----

GUI_AuditionPicker* GUI_AuditionPicker::Current() { return gPicker && !gPicker->Closed() ? gPicker : nullptr; }

GUI_AuditionPicker* GUI_AuditionPicker::Open(int instrument) {
    SIM_AuditionPicker& model = GetAuditionPicker();
    const bool affordable = SIM_AuditionPicker::CanAfford();
    // The fee is paid (and its sound played) by the model.
    if (!model.Open(instrument)) {
        PlaySoundIfPresent("data/sounds/error.ogg");
        if (affordable) GUI_MessageBox::Show(Translate("AUDITIONS_TITLE"), Translate("AUDITIONS_NOBODY"));
        else GUI_MessageBox::Show(Translate("AUDITIONS_TITLE"), Translate("AUDITIONS_NOMONEY"));
        return nullptr;
    }
    auto* picker = WindowList().Open<GUI_AuditionPicker>();
    WindowList().AddExclusive(picker);
    if (!model.cards.empty()) PlaySample(model.cards.front().musician);
    Screens().TriggerHint("audition picker");
    return picker;
}

GUI_AuditionPicker::GUI_AuditionPicker() {
    name = "audition picker";
    gPicker = this;
    SetRect(0, 0, kScreenW, static_cast<float>(kScreenHeight));
    coversScreen = true;
    // Closed by whatever means, the audition is over: the candidates who were not hired go.
    onClosed = [] { GetAuditionPicker().Close(); };
    const SIM_AuditionPicker& model = GetAuditionPicker();
    for (int card = 0; card < static_cast<int>(model.cards.size()); ++card) {
        const float left = kEdge + static_cast<float>(card) * (kCardWidth + kCardGap);
        const GRect area{std::floor(left), kCardsTop, std::floor(left + kCardWidth), kCardsBottom};
        cards_.push_back(AddChildWindow<GUI_Auditionee>(card, area, [this](int c) { Reject(c); },
                                                          [this](int c) { Hire(c); }));
    }
    const float room = kScreenW - 2.0f * kEdge;
    // Both pairs may name the same candidate the same way: a line said twice says nothing more.
    for (const std::string& line : model.AdviceLines()) {
        const std::string shown = FitText(kBody, line, room);
        if (std::find(advice_.begin(), advice_.end(), shown) == advice_.end()) advice_.push_back(shown);
    }
}

GUI_AuditionPicker::~GUI_AuditionPicker() {
    if (gPicker == this) gPicker = nullptr;
}

void GUI_AuditionPicker::Update() {
    // The audition ended elsewhere (a new game, a loaded one): its candidates are gone.
    if (!done_ && !GetAuditionPicker().IsOpen()) {
        done_ = true;
        Close();
        return;
    }
    GUI_WindowBase::Update();
}

void GUI_AuditionPicker::Reject(int card) {
    if (done_) return;
    // The model ignores a card already rejected; the last rejection ends the audition.
    if (GetAuditionPicker().Reject(card)) Dismiss();
}

void GUI_AuditionPicker::Hire(int card) {
    // Hiring closes the audition at once: a second click finds nothing to hire.
    if (done_) return;
    if (!GetAuditionPicker().Hire(card)) return;
    Dismiss();
}

void GUI_AuditionPicker::Dismiss() {
    done_ = true;
    Close();
}

void GUI_AuditionPicker::OnNotify(int key) {
    if (key == DIK_ESCAPE) Dismiss();
}

void GUI_AuditionPicker::DrawBackground() {
    const float h = static_cast<float>(kScreenHeight);
    Renderer().DrawTexture("leather.jpg", 0.0f, 0.0f, kScreenW, h);
    const std::string title = Translate("AUDITIONPICKER_TITLE");
    DrawText(kTitle, title, kEdge, kTitleY, GUI_Style::kGold);
    const float titleRight = kEdge + static_cast<float>(MeasureText(kTitle, title)) + 2.0f * kGap;
    const std::string help = FitText(kBody, Translate("AUDITIONPICKER_HELP"), kScreenW - kEdge - titleRight);
    DrawText(kBody, help, kScreenW - kEdge, kHelpY, GUI_Style::kCreamDim, TEXT_RIGHT);
}

void GUI_AuditionPicker::DrawForeground() {
    float y = kAdviceTop;
    for (const std::string& line : advice_) {
        DrawText(kBody, line, kScreenW / 2.0f, y, GUI_Style::kCream, TEXT_CENTRED);
        y += kAdviceStep;
    }
}
