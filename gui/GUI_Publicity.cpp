#include "GUI_Publicity.h"

#include "GUI_ButtonTypes.h"
#include "GUI_Dialog.h"
#include "GUI_Sounds.h"
#include "GUI_Style.h"
#include "LibFont.h"
#include "Platform.h"
#include "Renderer.h"
#include "SIM_Person.h"

#include <algorithm>

namespace {
using GUI_Style::kBody;
using GUI_Style::kSmall;

// ---- Layout, over the leather: the heading at the top; under it, centred in the room above the
// members' cards (which the results place in a row across the middle), what came of it, the
// hype, and the reach with the mood changes; the outlet's picture centred under the cards, the
// button at the bottom right.
constexpr GUI_Style::Font kTitleFont{"verdanabold32.dds", 32.0f};
constexpr float kScreenW = static_cast<float>(kScreenWidth);
constexpr float kScreenH = static_cast<float>(kScreenHeight);
constexpr float kEdge = 48.0f;
constexpr float kTitleY = 20.0f;
constexpr float kWordsTop = 64.0f, kWordsBottom = SIM_PublicityResults::kCardTop - 12.0f;
constexpr float kBodyLineH = 18.0f;
constexpr std::size_t kBodyLines = 5;
constexpr float kLineGap = 10.0f;
constexpr float kWordsH(std::size_t bodyLines) {
    return static_cast<float>(bodyLines) * kBodyLineH + kLineGap + GUI_Style::kHeading.size + kLineGap + kBodyLineH;
}
static_assert(kWordsTop + kWordsH(kBodyLines) <= kWordsBottom, "the words fit above the cards");
constexpr float kCardsEdge = 16.0f;  // a row wider than the screen shares it down to this
constexpr float kPictureW = 400.0f, kPictureH = 300.0f;
constexpr float kPictureTop = SIM_PublicityResults::kCardBottom + 18.0f;
constexpr float kPictureLeft = (kScreenW - kPictureW) / 2.0f;
constexpr float kOptionPictureW = 320.0f, kOptionPictureH = 240.0f;  // the option's card, enlarged
constexpr float kButtonW = 200.0f, kButtonH = 34.0f;
constexpr float kButtonY = kScreenH - kEdge - kButtonH;

// ---- Inside a card: the portrait at the top, the name, the contribution, then stress.
constexpr float kCardPad = 8.0f;
constexpr float kFace = 80.0f;
constexpr float kNameY = kCardPad + kFace + 4.0f;
constexpr float kScoreY = kNameY + 18.0f;
constexpr float kStressedY = kScoreY + 20.0f;
constexpr float kStressedLineH = 13.0f;
constexpr std::size_t kStressedLines = 2;

GUI_Publicity* gOpen = nullptr;
}  // namespace

// ---- A member's card ----

GUI_Contribution::GUI_Contribution(const SIM_PublicityResults::Card& card, float left, float cardWidth) : card_(card) {
    SetRect(left, SIM_PublicityResults::kCardTop, left + cardWidth, SIM_PublicityResults::kCardBottom);
    const float room = cardWidth - 2.0f * kCardPad;
    if (card_.musician) name_ = FitText(kSmall, card_.musician->fullname, room);
    stressed_ = WrapLines(kSmall, card_.stressedText, room, kStressedLines);
}

void GUI_Contribution::Draw() {
    const GRect r = Area();
    DrawFramedBox(r, GUI_Style::kButtonFrame, 0xFFD0C0B0);
    const float centre = (r.left + r.right) / 2.0f;
    const float face = std::min(kFace, r.right - r.left - 2.0f * kCardPad);
    if (!card_.portrait.empty()) Renderer().DrawTexture(card_.portrait, centre - face / 2.0f, r.top + kCardPad, face, face);
    DrawText(kSmall, name_, centre, r.top + kNameY, GUI_Style::kCream, TEXT_CENTRED);
    DrawText(kBody, FitText(kBody, card_.scoreText, r.right - r.left - 2.0f * kCardPad), centre, r.top + kScoreY,
             GUI_Style::kGold, TEXT_CENTRED);
    float y = r.top + kStressedY;
    for (const std::string& line : stressed_) {
        DrawText(kSmall, line, centre, y, GUI_Style::kRefusal, TEXT_CENTRED);
        y += kStressedLineH;
    }
}

// ---- The screen ----

GUI_Publicity* GUI_Publicity::Open(const SIM_PublicityEvent& event) {
    return OpenFullScreen<GUI_Publicity>(event);
}

GUI_Publicity::GUI_Publicity(const SIM_PublicityEvent& event) : model_(event, kScreenW) {
    name = "publicity";
    gOpen = this;
    SetRect(0.0f, 0.0f, kScreenW, kScreenH);
    coversScreen = true;
    if (model_.backdropPicture.empty()) optionPicture_ = event.type->optionPicture;
    body_ = WrapLines(kBody, model_.body, kScreenW - 2.0f * kEdge, kBodyLines);
    // The mood changes follow the reach on its line, each ending in its own spacing.
    reachLine_ = model_.reachLine + "   ";
    for (const std::string& line : model_.modifierLines) reachLine_ += line;

    // The results place the row for the cards' full width; a band too big for the screen shares it.
    const float room = kScreenW - 2.0f * kCardsEdge;
    const float count = static_cast<float>(model_.cards.size());
    const bool fits = count * SIM_PublicityResults::kCardWidth <= room;
    const float pitch = fits ? SIM_PublicityResults::kCardWidth : room / count;
    float left = kCardsEdge;
    for (const SIM_PublicityResults::Card& card : model_.cards) {
        cards_.push_back(Add<GUI_Contribution>(card, fits ? card.left : left, pitch));
        left += pitch;
    }

    continue_ = Add<GUI_ButtonText>("", [this] { MoveOn(); });
    continue_->SetLabel(model_.continueLabel);
    continue_->SetTooltipKey(model_.continueTooltip);
    continue_->SetRect(kScreenW - kEdge - kButtonW, kButtonY, kScreenW - kEdge, kButtonY + kButtonH);

    // The outlet's sound while the screen is open, alone on the radio; both end however it closes.
    const bool holdsMusic = model_.pausesMusic;
    if (holdsMusic) Sounds().PauseMusic();
    if (!model_.sound.empty()) channel_ = PlaySoundIfPresent(model_.sound);
    onClosed = [this, holdsMusic, channel = channel_, sound = model_.sound] {
        if (gOpen == this) gOpen = nullptr;
        if (channel >= 0) Sounds().StopSound(channel, sound);
        if (holdsMusic) Sounds().ResumeMusic();
    };
}

void GUI_Publicity::MoveOn() {
    if (Closed()) return;
    // Out of the way first: the next day opens its own screens.
    Close();
    model_.Close();
}

void GUI_Publicity::OnNotify(int key) {
    if (IsMoveOnKey(key)) MoveOn();
}

void GUI_Publicity::DrawBackground() {
    GRenderer& renderer = Renderer();
    const float centre = kScreenW / 2.0f, across = kScreenW - 2.0f * kEdge;
    renderer.DrawTexture("leather.jpg", 0.0f, 0.0f, kScreenW, kScreenH);
    DrawText(kTitleFont, FitText(kTitleFont, model_.heading, across), centre, kTitleY, GUI_Style::kGold, TEXT_CENTRED);
    float y = kWordsTop + (kWordsBottom - kWordsTop - kWordsH(body_.size())) / 2.0f;
    for (const std::string& line : body_) {
        DrawText(kBody, line, centre, y, GUI_Style::kCream, TEXT_CENTRED);
        y += kBodyLineH;
    }
    y += kLineGap;
    DrawText(GUI_Style::kHeading, FitText(GUI_Style::kHeading, model_.effectLine, across), centre, y, GUI_Style::kAmber,
             TEXT_CENTRED);
    y += GUI_Style::kHeading.size + kLineGap;
    DrawText(kBody, FitText(kBody, reachLine_, across), centre, y, GUI_Style::kCreamDim, TEXT_CENTRED);

    // The outlet's own picture in a frame; else the option's card, enlarged in the same frame.
    DrawInsetPanel({kPictureLeft - 4.0f, kPictureTop - 4.0f, kPictureLeft + kPictureW + 4.0f, kPictureTop + kPictureH + 4.0f});
    if (!model_.backdropPicture.empty())
        renderer.DrawTexture(model_.backdropPicture, kPictureLeft, kPictureTop, kPictureW, kPictureH);
    else if (!optionPicture_.empty())
        renderer.DrawTexture(optionPicture_, kPictureLeft + (kPictureW - kOptionPictureW) / 2.0f,
                             kPictureTop + (kPictureH - kOptionPictureH) / 2.0f, kOptionPictureW, kOptionPictureH);
}
