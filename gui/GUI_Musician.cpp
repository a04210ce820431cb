#include "GUI_Musician.h"

#include "GHashTable.h"
#include "GUI_Activities.h"
#include "GUI_Shell.h"
#include "GUI_Sounds.h"
#include "GUI_StatusWindows.h"
#include "GUI_Style.h"
#include "LibFont.h"
#include "LibString.h"
#include "Renderer.h"
#include "SIM_Asset.h"
#include "SIM_Attribute.h"
#include "SIM_DailyOptions.h"
#include "SIM_Personality.h"
#include "SIM_Person.h"
#include "SIM_Relationship.h"

#include <algorithm>
#include <cmath>

namespace {
using namespace GUI_Style;

// Layout of the member's window: the face on the left, three tabs beside it, firing below.
constexpr float kMemberW = 640.0f, kMemberH = 560.0f;
constexpr float kFace = 128.0f;
constexpr float kTabsLeft = 156.0f;  // from the window's left edge
constexpr float kTabButtonH = 30.0f, kTabContentTop = 44.0f;
constexpr float kFireW = 136.0f, kButtonH = 32.0f;
// Bars: a label over a thin bar; changes float up in the margin left of it.
constexpr float kBarMargin = 44.0f, kBarRow = 36.0f, kBarThickness = 10.0f;
constexpr float kRelationRow = 22.0f;
constexpr float kThing = 40.0f, kThingRow = 46.0f;
// The player's window: the face, then his attributes and his playing in two columns.
constexpr float kPlayerW = 700.0f, kPlayerH = 520.0f;
// The detail of a value and the resignation letter.
constexpr float kDetailW = 460.0f;
constexpr float kLetterW = 560.0f, kLetterFace = 96.0f;
// How long a change floats, and how far up it rises.
constexpr std::uint64_t kFloatMs = 1800;
constexpr float kFloatRise = 22.0f;

std::string Percent(float value) { return FormatText("(%.0f%%)", static_cast<double>(value * 100.0f)); }

// A pane of a window whose drawing the window gives; it lets the mouse through.
class GUI_PaintedPane : public GUI_WindowBase {
public:
    explicit GUI_PaintedPane(std::function<void(const GRect&)> paint) : paint_(std::move(paint)) {
        name = "pane";
        blocksMouse = false;
    }

protected:
    void DrawBackground() override {
        if (paint_) paint_(Area());
    }

private:
    std::function<void(const GRect&)> paint_;
};

GUI_Musician* gOpenMember = nullptr;

// A straight line as a thin quad, for the ties between the members' icons.
void DrawThickLine(float x0, float y0, float x1, float y1, float thickness, std::uint32_t argb) {
    const float dx = x1 - x0, dy = y1 - y0, length = std::sqrt(dx * dx + dy * dy);
    if (length < 1.0f) return;
    const float nx = -dy / length * thickness / 2.0f, ny = dx / length * thickness / 2.0f;
    GVertex quad[4];
    quad[QUAD_TL] = GVertex{x0 + nx, y0 + ny, 0.0f, 1.0f, argb, 0xFFFFFFFF, 0.0f, 0.0f};
    quad[QUAD_TR] = GVertex{x1 + nx, y1 + ny, 0.0f, 1.0f, argb, 0xFFFFFFFF, 0.0f, 0.0f};
    quad[QUAD_BL] = GVertex{x0 - nx, y0 - ny, 0.0f, 1.0f, argb, 0xFFFFFFFF, 0.0f, 0.0f};
    quad[QUAD_BR] = GVertex{x1 - nx, y1 - ny, 0.0f, 1.0f, argb, 0xFFFFFFFF, 0.0f, 0.0f};
    Renderer().DrawQuad(nullptr, quad);
}
}  // namespace

// ---- Value bars ----

GUI_AttributeBar::GUI_AttributeBar(std::string label, std::function<float()> value, SIM_Attribute* attribute, bool highIsGood)
    : label_(std::move(label)), value_(std::move(value)), attribute_(attribute), highIsGood_(highIsGood) {
    if (attribute_) {
        attribute_->indicator = this;
        // Its detail, under the name the bar gives it.
        callback = [this] {
            GUI_AttributeDetail* detail = WindowList().Open<GUI_AttributeDetail>(*attribute_);
            detail->SetTitle(label_);
        };
    }
}

GUI_AttributeBar::~GUI_AttributeBar() {
    // A new game may have destroyed the attribute before the window that showed it.
    const auto& alive = AllAttributes();
    if (attribute_ && std::find(alive.begin(), alive.end(), attribute_) != alive.end() && attribute_->indicator == this)
        attribute_->indicator = nullptr;
}

void GUI_AttributeBar::ShowChange(float change) {
    if (std::fabs(change) < 0.0005f) return;
    floating_.push_back({change, Shell().Now()});
}

void GUI_AttributeBar::Draw() {
    const GRect r = Area();
    const float value = std::clamp(value_ ? value_() : 0.0f, 0.0f, 1.0f);
    const float left = r.left + kBarMargin, right = r.right;
    DrawText(kBody, FitText(kBody, label_ + " " + Percent(value), right - left), left, r.top, Lit() && callback ? kGold : kCream);
    const GRect bar{left, r.bottom - kBarThickness - 2.0f, right, r.bottom - 2.0f};
    DrawInsetPanel(bar);
    const float good = highIsGood_ ? value : 1.0f - value;
    const std::uint32_t fill = good >= 0.5f ? 0xFF40B050 : good >= 0.25f ? 0xFFE0B030 : 0xFFD04030;
    Renderer().FillRect(bar.left + 1.0f, bar.top + 1.0f, (bar.right - bar.left - 2.0f) * value, bar.bottom - bar.top - 2.0f, fill);
    // Changes rise from 5 pixels left of the bar, 5 below its middle, and fade.
    const std::uint64_t now = Shell().Now();
    std::erase_if(floating_, [now](const Floating& f) { return now - f.start >= kFloatMs; });
    for (const Floating& f : floating_) {
        const float t = static_cast<float>(now - f.start) / static_cast<float>(kFloatMs);
        const std::uint32_t alpha = static_cast<std::uint32_t>((1.0f - t) * 255.0f) << 24;
        const std::string text = FormatText(std::fabs(f.change) < 0.01f ? "%+.1f%%" : "%+.0f%%", static_cast<double>(f.change * 100.0f));
        const bool better = (f.change > 0.0f) == highIsGood_;
        DrawText(kSmall, text, bar.left - 5.0f, (bar.top + bar.bottom) / 2.0f + 5.0f - kFloatRise * t - kSmall.size,
                 alpha | ((better ? 0xFF80E080u : 0xFFFF8070u) & 0xFFFFFFu), TEXT_RIGHT);
    }
    RecordControl();
    GUI_ButtonBase::Draw();
}

// ---- Detail of a value ----

std::vector<std::string> AttributeEffectLines(const SIM_Attribute& attribute) {
    std::vector<std::string> lines;
    for (const auto& effect : attribute.effects.Effects()) {
        const std::string change = FormatText(std::fabs(effect->value) < 0.01f ? "%+.1f%%" : "%+.0f%%",
                                              static_cast<double>(effect->value * 100.0f));
        std::string how = effect->degrade >= 1.0f ? Translate("ATTRIBUTE_DETAIL_LASTS")
                                                  : Translate("ATTRIBUTE_DETAIL_FADES");
        ReplaceToken(how, "<PERCENT>", FormatText("%.0f", static_cast<double>((1.0f - effect->degrade) * 100.0f)));
        lines.push_back(effect->debugname + ": " + change + " " + how);
    }
    return lines;
}

GUI_AttributeDetail::GUI_AttributeDetail(const SIM_Attribute& attribute) : GUI_Dialog(attribute.guiname, true), attribute_(attribute) {
    name = "attribute detail";
    draggable = true;
    float tall = kMarginTop + 8.0f;
    const float textW = kDetailW - kMarginLeft - kMarginRight;
    if (!attribute.description.empty()) tall += WrappedTextHeight(kBody, attribute.description, textW) + 12.0f;
    tall += 2.0f * (kBody.size + 8.0f) + kSubheading.size + 10.0f;
    const std::vector<std::string> lines = AttributeEffectLines(attribute);
    for (const std::string& line : lines) tall += WrappedTextHeight(kSmall, line, textW) + 4.0f;
    if (lines.empty()) tall += kSmall.size + 4.0f;
    tall += 16.0f + kButtonH + kMarginBottom;
    SetRect(0, 0, kDetailW, std::min(tall, 720.0f));
    CentreOnScreen();
    const float cx = static_cast<float>(rect.left + rect.right) / 2.0f;
    Add<GUI_ButtonText>("CONFIRM_OK", [this] { Close(); })
        ->SetRect(cx - 70.0f, static_cast<float>(client.bottom) - kButtonH, cx + 70.0f, static_cast<float>(client.bottom));
}

void GUI_AttributeDetail::DrawForeground() {
    const float x = static_cast<float>(client.left), w = static_cast<float>(client.right - client.left);
    const float bottom = static_cast<float>(client.bottom) - kButtonH - 8.0f;
    float y = static_cast<float>(client.top) + 8.0f;
    if (!attribute_.description.empty()) y = DrawTextWrapped(kBody, attribute_.description, x, y, w, kCreamDim) + 12.0f;
    DrawText(kBody, Translate("ATTRIBUTE_DETAIL_NOW") + " " + Percent(attribute_.value), x, y, kCream);
    y += kBody.size + 8.0f;
    DrawText(kBody, Translate("ATTRIBUTE_DETAIL_BASE") + " " + Percent(attribute_.basevalue), x, y, kCream);
    y += kBody.size + 8.0f;
    DrawText(kSubheading, Translate("ATTRIBUTE_DETAIL_EFFECTS"), x, y, kGold);
    y += kSubheading.size + 10.0f;
    const std::vector<std::string> lines = AttributeEffectLines(attribute_);
    if (lines.empty()) DrawText(kSmall, Translate("ATTRIBUTE_DETAIL_NOEFFECTS"), x, y, kCreamDim);
    for (const std::string& line : lines) {
        if (y + WrappedTextHeight(kSmall, line, w) > bottom) break;  // the rest waits for a calmer day
        y = DrawTextWrapped(kSmall, line, x, y, w, kCream) + 4.0f;
    }
}

void OpenAttributeDetailWindow(const SIM_Attribute& attribute) { WindowList().Open<GUI_AttributeDetail>(attribute); }

// ---- A band member's window ----

GUI_Musician* GUI_Musician::Open(SIM_Musician& member) {
    if (gOpenMember && !gOpenMember->Closed()) gOpenMember->Close();
    gOpenMember = WindowList().Open<GUI_Musician>(member);
    gOpenMember->onClosed = [] { gOpenMember = nullptr; };
    return gOpenMember;
}

void OpenMemberWindow(const SIM_Musician& member) { GUI_Musician::Open(const_cast<SIM_Musician&>(member)); }

GUI_Musician::GUI_Musician(SIM_Musician& member) : GUI_Dialog(member.fullname, true), member_(member) {
    name = "member " + member.fullname;
    draggable = true;
    SetRect(0, 0, kMemberW, kMemberH);
    CentreOnScreen();
    const float l = static_cast<float>(rect.left), t = static_cast<float>(client.top), b = static_cast<float>(client.bottom);
    auto* tabs = AddChildWindow<GUI_TabContainer>();
    tabs->SetRect(l + kTabsLeft, t, static_cast<float>(client.right), b);
    struct TabRow {
        const char* key;
        void (GUI_Musician::*build)(GUI_WindowTab&);
    };
    const TabRow rows[] = {{"MUSICIAN_TAB_STATUS", &GUI_Musician::BuildStatusTab},
                           {"MUSICIAN_TAB_PERSONALITY", &GUI_Musician::BuildPersonalityTab},
                           {"MUSICIAN_TAB_BELONGINGS", &GUI_Musician::BuildBelongingsTab}};
    const float tabW = (static_cast<float>(tabs->width) - 16.0f - 8.0f) / 3.0f;
    float x = static_cast<float>(tabs->rect.left) + 8.0f;
    GUI_WindowTab* first = nullptr;
    for (const TabRow& row : rows) {
        GUI_WindowTab* tab = tabs->AddTab(std::make_unique<GUI_WindowTab>());
        (this->*row.build)(*tab);
        tabs->Add<GUI_ButtonTab>(row.key, tab)->SetRect(x, t + 6.0f, x + tabW - 4.0f, t + 6.0f + kTabButtonH);
        x += tabW + 4.0f;
        if (!first) first = tab;
    }
    tabs->SelectTab(first);
    auto* fire = Add<GUI_ButtonText>("FIRE_EMPLOYEE", [this] { AskFire(); }, "FIRE_EMPLOYEE_TOOLTIP");
    fire->SetRect(l + kMarginLeft, b - kButtonH, l + kMarginLeft + kFireW, b);
}

void GUI_Musician::BuildStatusTab(GUI_WindowTab& tab) {
    SIM_Musician& m = member_;
    const GRect area{static_cast<float>(client.left) + kTabsLeft - kMarginLeft, static_cast<float>(client.top),
                     static_cast<float>(client.right), static_cast<float>(client.bottom)};
    struct BarRow {
        std::string label;
        std::function<float()> value;
        SIM_Attribute* attribute;
        bool highIsGood;
    };
    const BarRow bars[] = {
        {Translate("AUDITIONEE_ABILITY"), [&m] { return m.ability; }, nullptr, true},
        {Translate("nv_motivation"), [&m] { return m.Motivation(); }, &m.motivation, true},
        {Translate("nv_stress"), [&m] { return m.Stress(); }, &m.stress, false},
        {Translate("nv_live_experience"), [&m] { return m.LiveExperience(); }, &m.liveExperience, true},
        {Translate("MUSICIAN_HAPPINESS"), [&m] { return m.happiness; }, nullptr, true},
        {Translate("SONGDETAILS_BOREDOM"), [&m] { return m.boredom; }, nullptr, false},
        {Translate("MUSICIAN_ENVY"), [&m] { return m.resentment; }, nullptr, false},
    };
    float y = area.top + kTabContentTop;
    for (const BarRow& row : bars) {
        tab.Add<GUI_AttributeBar>(row.label, row.value, row.attribute, row.highIsGood)
            ->SetRect(area.left + 8.0f, y, area.right - 16.0f, y + kBarRow - 6.0f);
        y += kBarRow;
    }
    // How he gets on with the others, -1..1 around the middle of the bar.
    auto* ties = tab.AddChildWindow<GUI_PaintedPane>([this](const GRect& r) {
        DrawText(kSubheading, Translate("MUSICIAN_RELATIONSHIPS"), r.left + 8.0f + kBarMargin, r.top + 6.0f, kGold);
        float row = r.top + 6.0f + kSubheading.size + 8.0f;
        if (member_.relationships.empty())
            DrawText(kSmall, Translate("MUSICIAN_NO_RELATIONSHIPS"), r.left + 8.0f + kBarMargin, row, kCreamDim);
        const float nameW = 150.0f, barL = r.left + 8.0f + kBarMargin + nameW, barR = r.right - 16.0f;
        for (const SIM_Relationship* tie : member_.relationships) {
            if (row + kRelationRow > r.bottom - 8.0f) break;
            const SIM_Musician* other = tie->OtherPerson(&member_);
            DrawText(kSmall, FitText(kSmall, other ? other->fullname : std::string(), nameW - 8.0f),
                     r.left + 8.0f + kBarMargin, row + 3.0f, kCream);
            const GRect bar{barL, row + 4.0f, barR, row + 4.0f + kBarThickness};
            DrawInsetPanel(bar);
            const float mid = (bar.left + bar.right) / 2.0f, half = (bar.right - bar.left) / 2.0f - 1.0f;
            const float v = std::clamp(tie->value, -1.0f, 1.0f);
            Renderer().FillRect(v >= 0.0f ? mid : mid + v * half, bar.top + 1.0f, std::fabs(v) * half, kBarThickness - 2.0f,
                                v >= 0.0f ? 0xFF40B050 : 0xFFD04030);
            Renderer().FillRect(mid, bar.top, 1.0f, kBarThickness, kCreamDim);
            row += kRelationRow;
        }
    });
    ties->SetRect(area.left, y, area.right, area.bottom);
}

void GUI_Musician::BuildPersonalityTab(GUI_WindowTab& tab) {
    auto* page = tab.AddChildWindow<GUI_PaintedPane>([this](const GRect& r) {
        const float x = r.left + 16.0f, w = r.right - r.left - 32.0f;
        float y = r.top + kTabContentTop;
        if (member_.personalities.empty()) DrawText(kBody, Translate("MUSICIAN_NO_TRAITS"), x, y, kCreamDim);
        for (const SIM_Personality* trait : member_.personalities) {
            const std::string text = trait->DescribeFor(member_.forename, member_.gender);
            if (y + kSubheading.size + 4.0f + WrappedTextHeight(kBody, text, w) > r.bottom - 8.0f) break;
            DrawText(kSubheading, FitText(kSubheading, trait->label, w), x, y, kGold);
            y = DrawTextWrapped(kBody, text, x, y + kSubheading.size + 4.0f, w, kCream) + 12.0f;
        }
    });
    page->SetRect(static_cast<float>(client.left) + kTabsLeft - kMarginLeft, static_cast<float>(client.top),
                  static_cast<float>(client.right), static_cast<float>(client.bottom));
}

void GUI_Musician::BuildBelongingsTab(GUI_WindowTab& tab) {
    auto* page = tab.AddChildWindow<GUI_PaintedPane>([this](const GRect& r) {
        const float x = r.left + 16.0f, w = r.right - r.left - 32.0f;
        float y = r.top + kTabContentTop;
        auto thing = [&](const SIM_Asset& asset) {
            Renderer().DrawTexture(asset.image, x, y, kThing, kThing);
            DrawText(kBody, FitText(kBody, asset.displayName, w - kThing - 10.0f), x + kThing + 10.0f,
                     y + (kThing - kBody.size) / 2.0f, kCream);
            y += kThingRow;
        };
        DrawText(kSubheading, Translate("MUSICIAN_OWNS"), x, y, kGold);
        y += kSubheading.size + 8.0f;
        if (member_.possessions.empty()) {
            DrawText(kBody, Translate("MUSICIAN_OWNS_NOTHING"), x, y, kCreamDim);
            y += kBody.size + 8.0f;
        }
        // Room is kept for what he wants, below.
        const float wantsTop = r.bottom - 8.0f - kThingRow - kSubheading.size - 8.0f;
        for (const SIM_Asset* asset : member_.possessions)
            if (y + kThingRow <= wantsTop) thing(*asset);
        y = std::max(y, wantsTop);
        DrawText(kSubheading, Translate("MUSICIAN_WANTS"), x, y, kGold);
        y += kSubheading.size + 8.0f;
        if (member_.wantedAsset) thing(*member_.wantedAsset);
        else DrawText(kBody, Translate("MUSICIAN_WANTS_NOTHING"), x, y, kCreamDim);
    });
    page->SetRect(static_cast<float>(client.left) + kTabsLeft - kMarginLeft, static_cast<float>(client.top),
                  static_cast<float>(client.right), static_cast<float>(client.bottom));
}

void GUI_Musician::AskFire() {
    if (fired_) return;
    std::string text = Translate("CONFIRM_FIRE_TEXT");
    ReplaceToken(text, "<NAME>", member_.fullname);
    GUI_ConfirmDialog::Ask("CONFIRM_FIRE_TITLE", text, [this] {
        // However fast the question is answered twice, he is let go once.
        if (fired_) return;
        fired_ = true;
        member_.Fire();
        Close();
    });
}

void GUI_Musician::DrawForeground() {
    const float x = static_cast<float>(client.left), y = static_cast<float>(client.top) + 6.0f;
    Renderer().DrawTexture(member_.GetPortrait(), x, y, kFace, kFace);
    const float w = kTabsLeft - kMarginLeft - 12.0f;
    float line = y + kFace + 10.0f;
    DrawText(kSubheading, FitText(kSubheading, InstrumentName(member_.instrument), w), x, line, kGold);
    line += kSubheading.size + 8.0f;
    std::string days = Translate("MUSICIAN_DAYS_IN_BAND");
    ReplaceTokenNumber(days, "<DAYS>", member_.daysinband);
    DrawTextWrapped(kSmall, days, x, line, w, kCreamDim);
}

// ---- The player's own window ----

GUI_Player::GUI_Player() : GUI_Dialog(GetMilo().fullname, true) {
    name = "player";
    draggable = true;
    SetRect(0, 0, kPlayerW, kPlayerH);
    CentreOnScreen();
    SIM_Milo& me = GetMilo();
    const float colW = (static_cast<float>(client.right - client.left) - kFace - 16.0f) / 2.0f;
    const float top = static_cast<float>(client.top) + 36.0f;
    float column = static_cast<float>(client.left) + kFace + 16.0f;
    for (SIM_NamedValueList* list : {&me.attributes, &me.skills}) {
        float y = top;
        for (const auto& value : list->values) {
            auto* attribute = dynamic_cast<SIM_Attribute*>(value.get());
            if (!attribute || y + kBarRow > static_cast<float>(client.bottom)) continue;
            Add<GUI_AttributeBar>(attribute->guiname, [attribute] { return attribute->value; }, attribute, attribute->highisgood)
                ->SetRect(column - kBarMargin + 8.0f, y, column + colW - 8.0f, y + kBarRow - 6.0f);
            y += kBarRow;
        }
        column += colW;
    }
}

void GUI_Player::DrawForeground() {
    const float x = static_cast<float>(client.left), y = static_cast<float>(client.top) + 6.0f;
    const SIM_Milo& me = GetMilo();
    Renderer().DrawTexture(me.portraitBase, x, y, kFace, kFace);
    DrawText(kSubheading, FitText(kSubheading, InstrumentName(me.instrument), kFace), x, y + kFace + 10.0f, kGold);
    const float colW = (static_cast<float>(client.right - client.left) - kFace - 16.0f) / 2.0f;
    const float column = static_cast<float>(client.left) + kFace + 16.0f;
    DrawText(kSubheading, Translate("PLAYER_ATTRIBUTES"), column, y, kGold);
    DrawText(kSubheading, Translate("PLAYER_SKILLS"), column + colW, y, kGold);
}

void OpenPlayerWindow() {
    if (GUI_Player* open = WindowList().Find<GUI_Player>()) open->Close();
    WindowList().Open<GUI_Player>();
}

// ---- The resignation letter ----

GUI_Resignation::GUI_Resignation(const SIM_Musician& member) : GUI_Dialog() {
    name = "resignation " + member.fullname;
    std::string title = Translate("RESIGNATION_TITLE");
    ReplaceToken(title, "<NAME>", member.fullname);
    SetTitle(title);
    portrait_ = member.GetPortrait();
    text_ = Translate("RESIGNATION_TEXT");
    ReplaceToken(text_, "<NAME>", member.forename);
    ReplaceToken(text_, "<HE_SHE>", Translate(member.gender == 1 ? "SHE" : "HE"));
    // Read now: the possessions go back to the shop and his remarks are struck right after.
    for (const SIM_Asset* asset : member.possessions) belongings_.push_back(asset->displayName);
    for (const SIM_Message& message : GetDailyOptions().Messages())
        if (message.owner == &member) remarks_.push_back(message.text);
    const float textW = kLetterW - kMarginLeft - kMarginRight - kLetterFace - 12.0f;
    float tall = std::max(kLetterFace, WrappedTextHeight(kBody, text_, textW)) + 16.0f;
    auto listHeight = [&](const std::vector<std::string>& items) {
        float h = kSubheading.size + 8.0f;
        for (const std::string& item : items) h += WrappedTextHeight(kSmall, item, kLetterW - kMarginLeft - kMarginRight) + 4.0f;
        return items.empty() ? 0.0f : h + 8.0f;
    };
    tall += listHeight(belongings_) + listHeight(remarks_);
    SetRect(0, 0, kLetterW, std::min(720.0f, kMarginTop + tall + kButtonH + 16.0f + kMarginBottom));
    CentreOnScreen();
    const float cx = static_cast<float>(rect.left + rect.right) / 2.0f;
    Add<GUI_ButtonText>("CONFIRM_OK", [this] { Close(); })
        ->SetRect(cx - 70.0f, static_cast<float>(client.bottom) - kButtonH, cx + 70.0f, static_cast<float>(client.bottom));
}

void GUI_Resignation::DrawForeground() {
    const float x = static_cast<float>(client.left), w = static_cast<float>(client.right - client.left);
    float y = static_cast<float>(client.top) + 4.0f;
    Renderer().DrawTexture(portrait_, x, y, kLetterFace, kLetterFace);
    const float textX = x + kLetterFace + 12.0f;
    y = std::max(y + kLetterFace, DrawTextWrapped(kBody, text_, textX, y, x + w - textX, kCream)) + 16.0f;
    const float bottom = static_cast<float>(client.bottom) - kButtonH - 8.0f;
    for (const auto& [key, items] : {std::pair{"RESIGNATION_TOOK", &belongings_}, std::pair{"RESIGNATION_SAID", &remarks_}}) {
        if (items->empty()) continue;
        DrawText(kSubheading, Translate(key), x, y, kGold);
        y += kSubheading.size + 8.0f;
        for (const std::string& item : *items) {
            if (y + WrappedTextHeight(kSmall, item, w) > bottom) break;
            y = DrawTextWrapped(kSmall, item, x, y, w, kCream) + 4.0f;
        }
        y += 8.0f;
    }
}

void OpenResignationWindow(const SIM_Musician& member) {
    GUI_Resignation* letter = WindowList().Open<GUI_Resignation>(member);
    // It waits for the player, over whatever else opens on the same day.
    WindowList().AddModal(letter);
}

// ---- Ties between the members on the desktop ----

void DrawRelationshipLines(const std::function<const GUI_BaseElement*(const SIM_Musician*)>& iconOf) {
    for (const SIM_Relationship* tie : AllRelationships()) {
        const GUI_BaseElement* a = iconOf(tie->P1);
        const GUI_BaseElement* b = iconOf(tie->P2);
        if (!a || !b) continue;
        const float v = std::clamp(tie->value, -1.0f, 1.0f);
        // Friends in green, enemies in red; the stronger the feeling, the bolder the line.
        const std::uint32_t alpha = static_cast<std::uint32_t>(60.0f + 160.0f * std::fabs(v)) << 24;
        const std::uint32_t colour = alpha | (v >= 0.0f ? 0x60D070u : 0xE04040u);
        const GRect ra = a->Area(), rb = b->Area();
        DrawThickLine((ra.left + ra.right) / 2.0f, ra.top + 34.0f, (rb.left + rb.right) / 2.0f, rb.top + 34.0f,
                      2.0f + 3.0f * std::fabs(v), colour);
    }
}
