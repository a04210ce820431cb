#pragma once
// Windows and the window list. A window owns its elements and child windows, may be dragged,
// and blocks the mouse from what lies under it. The one window list keeps the top-level
// windows in z-order, keeps modal windows exclusive, routes clicks from the top down and draws
// everything once a frame, dialogs above ordinary windows and tooltips above all.
#include "GUIButtonsList.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class GUI_WindowBase : public GUIButtonList {
public:
    GUI_WindowBase();
    ~GUI_WindowBase() override;
    GUI_WindowBase(const GUI_WindowBase&) = delete;
    GUI_WindowBase& operator=(const GUI_WindowBase&) = delete;

    // When visible: the background, the visible elements in order, the child windows, the foreground.
    void Draw() override;
    // As the list's, and the element learns its window.
    GUI_BaseElement* AddButton(std::unique_ptr<GUI_BaseElement> element) override;
    // Drag, then the child windows, then the elements; a window under the mouse takes it.
    void Update() override;
    // A one-argument notification: full-screen activities receive every key through it.
    virtual void OnNotify(int /*value*/) {}
    // A key for the top-most modal window (Escape, Return); true when it used the key.
    virtual bool OnKeyPress(int /*key*/) { return false; }
    virtual bool OnLeftButtonDown(float x, float y);
    virtual bool OnRightButtonDown(float x, float y);
    virtual bool IsDialog() const { return false; }
    virtual void OnDragEnd() {}

    GUI_WindowBase* AddChild(std::unique_ptr<GUI_WindowBase> child);
    template <class T, class... Args>
    T* AddChildWindow(Args&&... args) {
        auto child = std::make_unique<T>(std::forward<Args>(args)...);
        T* raw = child.get();
        AddChild(std::move(child));
        return raw;
    }
    const std::vector<std::unique_ptr<GUI_WindowBase>>& Children() const { return children_; }

    // Moves the window with its elements and child windows.
    virtual void MoveWindow(float x, float y);
    // Closes the window: it leaves the window list, the modal and exclusive lists and its
    // parent at once, and is freed once the frame is done, so a window may close itself from
    // inside its own click.
    void Close();
    bool Closed() const { return closed_; }
    // True when the window or one of its parents is modal.
    bool InModalWindow() const;

    std::string name = "window";  // names the window in reports
    bool inWindowList = false;
    GUI_WindowBase* parent = nullptr;
    bool modal = false;
    bool blocksMouse = true;
    bool draggable = false;
    int dragOffsetX = 0;
    int dragOffsetY = 0;
    bool dragging = false;
    bool closedWithOthers = true;
    // Paints every pixel of the screen: nothing under it needs drawing.
    bool coversScreen = false;
    // Told when the window closes, so whoever opened it can forget it.
    std::function<void()> onClosed;

protected:
    virtual void DrawBackground() {}
    virtual void DrawForeground() {}

private:
    bool OnButtonDown(float x, float y, bool left);
    void DragStep();
    void Detach();
    std::unique_ptr<GUI_WindowBase> ReleaseChild(GUI_WindowBase* child);
    std::vector<std::unique_ptr<GUI_WindowBase>> children_;
    bool closed_ = false;
};

class GUI_WindowList {
public:
    // Creates a window on top of the list (a dialog "registers itself at construction").
    template <class T, class... Args>
    T* Open(Args&&... args) {
        auto window = std::make_unique<T>(std::forward<Args>(args)...);
        T* raw = window.get();
        RegisterWindow(std::move(window));
        return raw;
    }
    GUI_WindowBase* RegisterWindow(std::unique_ptr<GUI_WindowBase> window);
    void BringToFront(GUI_WindowBase* window);
    void AddModal(GUI_WindowBase* window);
    void RemoveModal(GUI_WindowBase* window);
    void AddExclusive(GUI_WindowBase* window);
    void RemoveExclusive(GUI_WindowBase* window);

    void UpdateWindows();
    // From the top-most window that covers the screen up (the desktop under a full-screen
    // screen costs a frame's worth of drawing and shows nothing).
    void DrawWindows();
    // True while a shown window covers the whole screen.
    bool ScreenCovered() const;
    // Only the modal windows (questions and messages over a menu), then the tooltips.
    void DrawModalWindows();
    bool LeftButtonDown();
    bool RightButtonDown();
    // With no modal window open, closes the top-most dialog.
    void CloseTopDialog();
    bool AnyDialogOpen() const;
    void CloseAllClosableWindows();
    // Closes every window (a new game, leaving the desktop, tests).
    void CloseAll();

    bool HasModal() const { return !modal_.empty(); }
    // Offers a key to the top-most modal window; true when it used it.
    bool KeyToModal(int key);
    const std::vector<GUI_WindowBase*>& Windows() const { return windows_; }
    const std::vector<GUI_WindowBase*>& ModalWindows() const { return modal_; }
    const std::vector<GUI_WindowBase*>& ExclusiveWindows() const { return exclusive_; }
    // The first open window of that type, or null.
    template <class T>
    T* Find() const {
        for (GUI_WindowBase* window : windows_)
            if (auto* found = dynamic_cast<T*>(window)) return found;
        return nullptr;
    }

    GUI_WindowBase* dragOwner = nullptr;

private:
    friend class GUI_WindowBase;
    void Detach(GUI_WindowBase* window);
    std::unique_ptr<GUI_WindowBase> Release(GUI_WindowBase* window);
    bool RouteClick(bool left);
    // Bottom first, as they are drawn.
    std::vector<GUI_WindowBase*> DrawOrder() const;
    // Offers a click to the windows from the top down.
    static bool OfferClick(const std::vector<GUI_WindowBase*>& windows, bool left);

    std::vector<std::unique_ptr<GUI_WindowBase>> owned_;
    std::vector<GUI_WindowBase*> windows_;  // bottom first
    std::vector<GUI_WindowBase*> modal_;
    std::vector<GUI_WindowBase*> exclusive_;
};

GUI_WindowList& WindowList();

// Opens a full-screen activity in place of an open one of its kind. It keeps every key; a hint
// or a question asked over it still shows.
template <class T, class... Args>
T* OpenFullScreen(Args&&... args) {
    if (T* open = WindowList().Find<T>()) open->Close();
    T* window = WindowList().Open<T>(std::forward<Args>(args)...);
    WindowList().AddExclusive(window);
    return window;
}
