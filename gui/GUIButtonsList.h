#pragma once
// The root of every screen element, and the list of elements a window or menu owns.
#include "Sprites.h"

#include <memory>
#include <utility>
#include <vector>

class GUI_WindowBase;

struct GUI_Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

class GUI_BaseElement {
public:
    virtual ~GUI_BaseElement() = default;
    virtual void Draw() {}
    // Each value is truncated to whole pixels; width and height follow.
    virtual void SetRect(float left, float top, float right, float bottom);
    // Width and height only: the rectangle does not move.
    virtual void SetSize(float width, float height);
    // Left and top inclusive, right and bottom exclusive.
    virtual bool HitTest(float x, float y) const;
    // Once a frame, before drawing.
    virtual void Update() {}
    // A click at (x, y); true when the element took it.
    virtual bool OnClick(float /*x*/, float /*y*/) { return false; }
    // Called when a window takes the element.
    virtual void SetParentWindow(GUI_WindowBase* /*window*/) {}

    void MoveTo(float x, float y);
    void CentreOnScreen();
    void KeepOnScreen();
    GRect Area() const;

    GUI_Rect rect;
    int width = 0;
    int height = 0;
    bool visible = true;
};

class GUIButtonList : public GUI_BaseElement {
public:
    ~GUIButtonList() override;
    // Appends the element (a null one is refused with an assertion) and returns it.
    virtual GUI_BaseElement* AddButton(std::unique_ptr<GUI_BaseElement> element);
    template <class T, class... Args>
    T* Add(Args&&... args) {
        auto element = std::make_unique<T>(std::forward<Args>(args)...);
        T* raw = element.get();
        AddButton(std::move(element));
        return raw;
    }
    // Takes the element out; it is freed once the frame's input and drawing are done, so an
    // element may remove itself (or its whole row) from inside its own click.
    void RemoveButton(GUI_BaseElement* element);
    void ClearButtons();

    void Update() override;
    void DrawButtons();
    // Offers the cursor position to each element in order; the first taker ends it.
    bool ClickButtons();
    bool ClickButtons(float x, float y);
    const std::vector<std::unique_ptr<GUI_BaseElement>>& Elements() const { return elements_; }

protected:
    std::vector<std::unique_ptr<GUI_BaseElement>> elements_;
};

// Elements and windows taken out during a frame wait here until nothing refers to them.
void DeferDelete(std::unique_ptr<GUI_BaseElement> element);
void FlushDeferredDeletes();
