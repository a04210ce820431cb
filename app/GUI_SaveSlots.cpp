#include "GUI_SaveSlots.h"

#include "GHashTable.h"
#include "GUI_Style.h"
#include "LibFileList.h"
#include "LibFont.h"
#include "LibString.h"
#include "Renderer.h"
#include "SIM_LoadGame.h"
#include "SIM_SaveData.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kPad = 10.0f, kFace = 64.0f, kArrow = 36.0f;

std::string WithoutExtension(const std::string& file) { return file.substr(0, file.size() - 4); }
}  // namespace

std::vector<GUI_SaveEntry> ListSaves(const std::string& folder, bool whole) {
    std::vector<GUI_SaveEntry> entries;
    // The check compares the names a save holds with the catalogues, loaded or not yet.
    if (whole) LoadCataloguesForSaveCheck();
    LibFileList files;
    files.FindFiles(folder + "/*.xml");
    for (const std::string& file : files.names) {
        GUI_SaveEntry entry;
        entry.name = WithoutExtension(file);
        entry.autosave = IsReservedSaveName(entry.name);
        entry.summary = ReadSaveSummary(entry.name, &entry.problem);
        if (entry.summary && whole && !ReadSaveFile(SaveGamePath(entry.name), &entry.problem)) entry.summary.reset();
        if (entry.summary) entry.problem.clear();
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string SlotCashLine(float cash) {
    const std::string amount = FormatThousands(static_cast<long long>(std::fabs(cash)));
    return FormatText(cash < 0.0f ? "%s -$%s" : "%s $%s", Translate("LOADCONFIG_CASH").c_str(), amount.c_str());
}

// ---- Slots ----

GUI_GameSlot::GUI_GameSlot(GUI_SaveEntry saveEntry, Callback onClick)
    : GUI_ButtonBase(std::move(onClick)), entry(std::move(saveEntry)) {}

std::string GUI_GameSlot::ControlLabel() const { return entry.name.empty() ? Translate("SAVEGAME_EMPTY") : entry.name; }

void GUI_GameSlot::Draw() {
    using namespace GUI_Style;
    const GRect r = Area();
    DrawFramedBox(r, Lit() ? kButtonFrameLit : kButtonFrame);
    const float right = r.right - kPad;
    float x = r.left + kPad;
    const float top = r.top + kPad;
    if (entry.name.empty()) {
        DrawText(kHeading, Translate("SAVEGAME_EMPTY"), x, (r.top + r.bottom - kHeading.size) / 2.0f, kCreamDim);
    } else if (!entry.summary) {
        DrawText(kHeading, FitText(kHeading, entry.name, right - x), x, top, kCream);
        DrawText(kBody, FitText(kBody, Translate("LOADGAME_DAMAGED"), right - x), x, top + 26.0f, kRefusal);
        DrawText(kSmall, FitText(kSmall, entry.problem, right - x), x, top + 46.0f, kCreamDim);
    } else {
        const SIM_SaveSummary& s = *entry.summary;
        Renderer().DrawTexture(s.avatarTexture, x, top, kFace, kFace);
        x += kFace + kPad;
        const std::string name = entry.autosave ? Translate("LOADGAME_AUTOSAVE") : entry.name;
        const float half = (right - x) / 2.0f;
        DrawText(kHeading, FitText(kHeading, name, (right - x) * 0.4f), x, top, entry.autosave ? kGold : kCream);
        DrawText(kSmall, FitText(kSmall, s.date, (right - x) * 0.6f - kPad), right, top + 4.0f, kCreamDim, TEXT_RIGHT);
        const std::string band = FormatText("%s %s", Translate("LOADCONFIG_BAND").c_str(), s.bandName.c_str());
        DrawText(kBody, FitText(kBody, band, right - x), x, top + 26.0f, kCream);
        const std::string fame = FormatText("%s %.0f", Translate("LOADCONFIG_FAME").c_str(), static_cast<double>(s.fame));
        DrawText(kBody, fame, x, top + 46.0f, kCream);
        DrawText(kBody, SlotCashLine(s.cash), x + half, top + 46.0f, kCream);
    }
    RecordControl();
    GUI_ButtonBase::Draw();
}

GUI_DeleteGameButton::GUI_DeleteGameButton(Callback onClick)
    : GUI_IconButton("button_close.dds", "button_close_h.dds", std::move(onClick)) {
    SetTooltipKey("DELETESAVEGAME_TOOLTIP");
}

// ---- The page ----

GUI_SlotPage::GUI_SlotPage(GUIButtonList& owner, float left, float top, float right)
    : owner_(owner), left_(left), top_(top), right_(right) {
    const float bottom = top + kVisible * kSlotHeight + (kVisible - 1) * kGap;
    up_ = owner_.Add<GUI_IconButton>("up.dds", "up_h.dds", [this] { Scroll(-1); });
    up_->SetRect(right + kPad, top, right + kPad + kArrow, top + kArrow);
    down_ = owner_.Add<GUI_IconButton>("down.dds", "down_h.dds", [this] { Scroll(1); });
    down_->SetRect(right + kPad, bottom - kArrow, right + kPad + kArrow, bottom);
}

void GUI_SlotPage::SetEntries(std::vector<GUI_SaveEntry> entries,
                              std::function<std::vector<GUI_BaseElement*>(const GUI_SaveEntry&, const GRect&)> makeSlot) {
    entries_ = std::move(entries);
    makeSlot_ = std::move(makeSlot);
    Build();
}

void GUI_SlotPage::Scroll(int delta) {
    const int highest = std::max(0, static_cast<int>(entries_.size()) - kVisible);
    const int next = std::clamp(first_ + delta, 0, highest);
    if (next == first_) return;
    first_ = next;
    Build();
}

void GUI_SlotPage::Build() {
    for (GUI_BaseElement* element : shown_) owner_.RemoveButton(element);
    shown_.clear();
    const int highest = std::max(0, static_cast<int>(entries_.size()) - kVisible);
    first_ = std::clamp(first_, 0, highest);
    float top = top_;
    for (int i = first_; i < static_cast<int>(entries_.size()) && i < first_ + kVisible; ++i) {
        const GRect area{left_, top, right_, top + kSlotHeight};
        for (GUI_BaseElement* element : makeSlot_(entries_[static_cast<std::size_t>(i)], area)) shown_.push_back(element);
        top += kSlotHeight + kGap;
    }
    up_->enabled = first_ > 0;
    down_->enabled = first_ < highest;
}
