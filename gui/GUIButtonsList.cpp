#include "GUIButtonsList.h"

#include "GUI_Shell.h"
#include "InputManager.h"
#include "LibErrors.h"
#include "Platform.h"

#include <algorithm>

namespace {
std::vector<std::unique_ptr<GUI_BaseElement>>& Graveyard() {
    static std::vector<std::unique_ptr<GUI_BaseElement>> graveyard;
    return graveyard;
}
}  // namespace

void DeferDelete(std::unique_ptr<GUI_BaseElement> element) {
    if (element) Graveyard().push_back(std::move(element));
}

void FlushDeferredDeletes() {
    // Destroying a window may close others; keep going until nothing is left.
    while (!Graveyard().empty()) {
        std::vector<std::unique_ptr<GUI_BaseElement>> dead = std::move(Graveyard());
        Graveyard().clear();
        dead.clear();
    }
}

void GUI_BaseElement::SetRect(float left, float top, float right, float bottom) {
    rect = {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right), static_cast<int>(bottom)};
    width = static_cast<int>(right - left);
    height = static_cast<int>(bottom - top);
}

void GUI_BaseElement::SetSize(float w, float h) {
    width = static_cast<int>(w);
    height = static_cast<int>(h);
}

bool GUI_BaseElement::HitTest(float x, float y) const {
    const int px = static_cast<int>(x), py = static_cast<int>(y);
    return px >= rect.left && px < rect.right && py >= rect.top && py < rect.bottom;
}

void GUI_BaseElement::MoveTo(float x, float y) {
    SetRect(x, y, x + static_cast<float>(width), y + static_cast<float>(height));
}

void GUI_BaseElement::CentreOnScreen() {
    MoveTo(static_cast<float>(kScreenWidth / 2 - width / 2), static_cast<float>(kScreenHeight / 2 - height / 2));
}

void GUI_BaseElement::KeepOnScreen() {
    float x = static_cast<float>(rect.left), y = static_cast<float>(rect.top);
    if (rect.right > kScreenWidth) x -= static_cast<float>(rect.right - kScreenWidth);
    if (rect.bottom > kScreenHeight) y -= static_cast<float>(rect.bottom - kScreenHeight);
    MoveTo(std::max(0.0f, x), std::max(0.0f, y));
}

GRect GUI_BaseElement::Area() const {
    return GRect{static_cast<float>(rect.left), static_cast<float>(rect.top), static_cast<float>(rect.right),
                 static_cast<float>(rect.bottom)};
}

GUIButtonList::~GUIButtonList() = default;

GUI_BaseElement* GUIButtonList::AddButton(std::unique_ptr<GUI_BaseElement> element) {
    GameAssert(element != nullptr, "GUIButtonsList", __LINE__);
    if (!element) return nullptr;
    elements_.push_back(std::move(element));
    return elements_.back().get();
}

void GUIButtonList::RemoveButton(GUI_BaseElement* element) {
    auto it = std::find_if(elements_.begin(), elements_.end(), [element](const auto& e) { return e.get() == element; });
    if (it == elements_.end()) return;
    DeferDelete(std::move(*it));
    elements_.erase(it);
}

void GUIButtonList::ClearButtons() {
    for (auto& element : elements_) DeferDelete(std::move(element));
    elements_.clear();
}

void GUIButtonList::Update() {
    // An update may rebuild the list (a scroll, a refresh): walk a snapshot.
    std::vector<GUI_BaseElement*> snapshot;
    snapshot.reserve(elements_.size());
    for (const auto& element : elements_) snapshot.push_back(element.get());
    for (GUI_BaseElement* element : snapshot) element->Update();
}

void GUIButtonList::DrawButtons() {
    for (const auto& element : elements_)
        if (element->visible) element->Draw();
}

bool GUIButtonList::ClickButtons() {
    const CBaseInputManager& input = Shell().Input();
    return ClickButtons(input.x, input.y);
}

bool GUIButtonList::ClickButtons(float x, float y) {
    std::vector<GUI_BaseElement*> snapshot;
    snapshot.reserve(elements_.size());
    for (const auto& element : elements_) snapshot.push_back(element.get());
    for (GUI_BaseElement* element : snapshot)
        if (element->visible && element->OnClick(x, y)) return true;
    return false;
}
