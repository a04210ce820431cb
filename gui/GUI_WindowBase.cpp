#include "GUI_WindowBase.h"

#include "FrameRecord.h"
#include "GUI_Shell.h"
#include "GUI_Sounds.h"
#include "GUI_Tooltip.h"
#include "InputManager.h"

#include <algorithm>

namespace {
constexpr const char* kErrorSound = "data/sounds/error.ogg";

void Erase(std::vector<GUI_WindowBase*>& list, const GUI_WindowBase* window) {
    list.erase(std::remove(list.begin(), list.end(), window), list.end());
}

// Takes the owned item out of the vector, or null when it is not there.
template <class T>
std::unique_ptr<T> TakeOwned(std::vector<std::unique_ptr<T>>& owned, const T* item) {
    auto it = std::find_if(owned.begin(), owned.end(), [item](const auto& o) { return o.get() == item; });
    if (it == owned.end()) return nullptr;
    std::unique_ptr<T> taken = std::move(*it);
    owned.erase(it);
    return taken;
}

template <class T>
std::vector<T*> Snapshot(const std::vector<std::unique_ptr<T>>& owned) {
    std::vector<T*> raw;
    raw.reserve(owned.size());
    for (const auto& item : owned) raw.push_back(item.get());
    return raw;
}
}  // namespace

GUI_WindowList& WindowList() {
    static GUI_WindowList list;
    return list;
}

// ---- Windows ----

GUI_WindowBase::GUI_WindowBase() = default;

GUI_WindowBase::~GUI_WindowBase() {
    Detach();
    children_.clear();
}

GUI_BaseElement* GUI_WindowBase::AddButton(std::unique_ptr<GUI_BaseElement> element) {
    GUI_BaseElement* added = GUIButtonList::AddButton(std::move(element));
    if (added) added->SetParentWindow(this);
    return added;
}

GUI_WindowBase* GUI_WindowBase::AddChild(std::unique_ptr<GUI_WindowBase> child) {
    if (!child) return nullptr;
    child->parent = this;
    children_.push_back(std::move(child));
    return children_.back().get();
}

void GUI_WindowBase::Draw() {
    if (!visible) return;
    FrameRecorder().BeginWindow(name, Area());
    DrawBackground();
    DrawButtons();
    for (GUI_WindowBase* child : Snapshot(children_))
        if (child->visible) child->Draw();
    DrawForeground();
    FrameRecorder().EndWindow();
}

void GUI_WindowBase::DragStep() {
    CBaseInputManager& input = Shell().Input();
    GUI_WindowList& list = WindowList();
    if (!dragging) {
        // A press on one of the window's own controls is not a drag.
        const bool onElement = std::any_of(elements_.begin(), elements_.end(), [&](const auto& e) {
            return e->visible && e->HitTest(input.x, input.y);
        });
        if (input.buttonHeld && HitTest(input.x, input.y) && !list.dragOwner && !input.IsMouseTaken() && !onElement) {
            dragging = true;
            list.dragOwner = this;
            dragOffsetX = static_cast<int>(input.x) - rect.left;
            dragOffsetY = static_cast<int>(input.y) - rect.top;
        }
        return;
    }
    if (input.buttonHeld) {
        const int x = static_cast<int>(input.x) - dragOffsetX, y = static_cast<int>(input.y) - dragOffsetY;
        // However far the mouse goes, the window stays wholly on screen.
        const int maxX = std::max(0, 1024 - width), maxY = std::max(0, 768 - height);
        MoveWindow(static_cast<float>(std::clamp(x, 0, maxX)), static_cast<float>(std::clamp(y, 0, maxY)));
        return;
    }
    dragging = false;
    if (list.dragOwner == this) list.dragOwner = nullptr;
    OnDragEnd();
}

void GUI_WindowBase::Update() {
    if (!visible) return;
    if (draggable) DragStep();
    for (GUI_WindowBase* child : Snapshot(children_))
        if (!child->Closed()) child->Update();
    GUIButtonList::Update();
    CBaseInputManager& input = Shell().Input();
    if (blocksMouse && HitTest(input.x, input.y)) input.TakeMouse();
}

bool GUI_WindowBase::OnLeftButtonDown(float x, float y) { return OnButtonDown(x, y, true); }
bool GUI_WindowBase::OnRightButtonDown(float x, float y) { return OnButtonDown(x, y, false); }

bool GUI_WindowBase::OnButtonDown(float x, float y, bool left) {
    if (!visible) return false;
    const std::vector<GUI_WindowBase*> children = Snapshot(children_);
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if (left ? (*it)->OnLeftButtonDown(x, y) : (*it)->OnRightButtonDown(x, y)) return true;
    const bool inside = HitTest(x, y);
    if (inside && inWindowList) WindowList().BringToFront(this);
    // Only the left button presses the window's controls; a click on its empty area is its own.
    if (left && ClickButtons(x, y)) return true;
    return inside;
}

void GUI_WindowBase::MoveWindow(float x, float y) {
    const float dx = x - static_cast<float>(rect.left), dy = y - static_cast<float>(rect.top);
    if (dx == 0.0f && dy == 0.0f) return;
    for (const auto& element : elements_)
        element->SetRect(static_cast<float>(element->rect.left) + dx, static_cast<float>(element->rect.top) + dy,
                         static_cast<float>(element->rect.right) + dx, static_cast<float>(element->rect.bottom) + dy);
    for (const auto& child : children_)
        child->MoveWindow(static_cast<float>(child->rect.left) + dx, static_cast<float>(child->rect.top) + dy);
    SetRect(x, y, x + static_cast<float>(width), y + static_cast<float>(height));
}

bool GUI_WindowBase::InModalWindow() const {
    for (const GUI_WindowBase* window = this; window; window = window->parent)
        if (window->modal) return true;
    return false;
}

void GUI_WindowBase::Detach() {
    for (const auto& child : children_) child->Detach();
    WindowList().Detach(this);
}

std::unique_ptr<GUI_WindowBase> GUI_WindowBase::ReleaseChild(GUI_WindowBase* child) { return TakeOwned(children_, child); }

void GUI_WindowBase::Close() {
    if (closed_) return;
    closed_ = true;
    visible = false;
    Detach();
    std::unique_ptr<GUI_WindowBase> self = parent ? parent->ReleaseChild(this) : WindowList().Release(this);
    // Whoever opened it forgets it first; it is freed once the frame is done.
    const std::function<void()> closed = std::move(onClosed);
    onClosed = nullptr;
    DeferDelete(std::move(self));
    if (closed) closed();
}

// ---- The window list ----

GUI_WindowBase* GUI_WindowList::RegisterWindow(std::unique_ptr<GUI_WindowBase> window) {
    if (!window) return nullptr;
    GUI_WindowBase* raw = window.get();
    raw->inWindowList = true;
    owned_.push_back(std::move(window));
    windows_.push_back(raw);
    return raw;
}

void GUI_WindowList::BringToFront(GUI_WindowBase* window) {
    auto it = std::find(windows_.begin(), windows_.end(), window);
    if (it == windows_.end()) return;
    windows_.erase(it);
    windows_.push_back(window);
}

void GUI_WindowList::AddModal(GUI_WindowBase* window) {
    if (!window || std::find(modal_.begin(), modal_.end(), window) != modal_.end()) return;
    window->modal = true;
    modal_.push_back(window);
}

void GUI_WindowList::RemoveModal(GUI_WindowBase* window) {
    if (!window) return;
    window->modal = false;
    Erase(modal_, window);
}

void GUI_WindowList::AddExclusive(GUI_WindowBase* window) {
    if (window && std::find(exclusive_.begin(), exclusive_.end(), window) == exclusive_.end()) exclusive_.push_back(window);
}

void GUI_WindowList::RemoveExclusive(GUI_WindowBase* window) { Erase(exclusive_, window); }

void GUI_WindowList::Detach(GUI_WindowBase* window) {
    Erase(windows_, window);
    Erase(modal_, window);
    Erase(exclusive_, window);
    if (dragOwner == window) dragOwner = nullptr;
    window->inWindowList = false;
}

std::unique_ptr<GUI_WindowBase> GUI_WindowList::Release(GUI_WindowBase* window) { return TakeOwned(owned_, window); }

namespace {
// Dialogs stand over the other windows however late those opened; otherwise opening order.
std::vector<GUI_WindowBase*> DialogsOnTop(std::vector<GUI_WindowBase*> windows) {
    std::stable_partition(windows.begin(), windows.end(), [](const GUI_WindowBase* w) { return !w->IsDialog(); });
    return windows;
}
}  // namespace

std::vector<GUI_WindowBase*> GUI_WindowList::DrawOrder() const {
    if (exclusive_.empty()) return DialogsOnTop(windows_);
    // The questions and hints asked over a full-screen activity still show.
    std::vector<GUI_WindowBase*> order = exclusive_;
    for (GUI_WindowBase* window : DialogsOnTop(modal_))
        if (std::find(exclusive_.begin(), exclusive_.end(), window) == exclusive_.end()) order.push_back(window);
    return order;
}

void GUI_WindowList::UpdateWindows() {
    // Top to bottom, in the order they are drawn: the top-most window under the mouse takes it
    // first. A full-screen activity goes on moving under a question; the desktop waits.
    const std::vector<GUI_WindowBase*> snapshot = exclusive_.empty() && !modal_.empty() ? DialogsOnTop(modal_) : DrawOrder();
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it)
        if (!(*it)->Closed()) (*it)->Update();
}

namespace {
bool Covers(const GUI_WindowBase* window) { return window->visible && window->coversScreen; }
}  // namespace

void GUI_WindowList::DrawWindows() {
    const std::vector<GUI_WindowBase*> order = DrawOrder();
    const auto top = std::find_if(order.rbegin(), order.rend(), Covers);
    for (auto it = top == order.rend() ? order.begin() : std::prev(top.base()); it != order.end(); ++it)
        if ((*it)->visible) (*it)->Draw();
    DrawTooltipQueue();
}

bool GUI_WindowList::ScreenCovered() const {
    const std::vector<GUI_WindowBase*> order = DrawOrder();
    return std::any_of(order.begin(), order.end(), Covers);
}

void GUI_WindowList::DrawModalWindows() {
    for (GUI_WindowBase* window : DialogsOnTop(modal_))
        if (window->visible) window->Draw();
    DrawTooltipQueue();
}

bool GUI_WindowList::OfferClick(const std::vector<GUI_WindowBase*>& windows, bool left) {
    const CBaseInputManager& input = Shell().Input();
    const std::vector<GUI_WindowBase*> snapshot = DialogsOnTop(windows);
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) {
        if ((*it)->Closed()) continue;
        if (left ? (*it)->OnLeftButtonDown(input.x, input.y) : (*it)->OnRightButtonDown(input.x, input.y)) return true;
    }
    return false;
}

bool GUI_WindowList::RouteClick(bool left) {
    // A modal window, else a full-screen activity, has every click; a click it does not take
    // is refused with the error sound and goes nowhere else.
    for (const std::vector<GUI_WindowBase*>* only : {&modal_, &exclusive_}) {
        if (only->empty()) continue;
        if (!OfferClick(*only, left)) PlaySoundIfPresent(kErrorSound);
        return true;
    }
    return OfferClick(windows_, left);
}

bool GUI_WindowList::LeftButtonDown() { return RouteClick(true); }
bool GUI_WindowList::RightButtonDown() { return RouteClick(false); }

bool GUI_WindowList::KeyToModal(int key) { return !modal_.empty() && DialogsOnTop(modal_).back()->OnKeyPress(key); }

void GUI_WindowList::CloseTopDialog() {
    if (!modal_.empty()) return;
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
        if ((*it)->IsDialog()) {
            (*it)->Close();
            return;
        }
}

bool GUI_WindowList::AnyDialogOpen() const {
    return std::any_of(windows_.begin(), windows_.end(), [](const GUI_WindowBase* w) { return w->IsDialog(); });
}

void GUI_WindowList::CloseAllClosableWindows() {
    for (;;) {
        auto it = std::find_if(windows_.begin(), windows_.end(), [](const GUI_WindowBase* w) { return w->closedWithOthers; });
        if (it == windows_.end()) return;
        (*it)->Close();
    }
}

void GUI_WindowList::CloseAll() {
    while (!windows_.empty()) windows_.back()->Close();
    // Windows never registered in the z-order (none should be) go too.
    for (auto& window : owned_) DeferDelete(std::move(window));
    owned_.clear();
    modal_.clear();
    exclusive_.clear();
    dragOwner = nullptr;
    ClearTooltipQueue();
}
