#pragma once
// The load screen: the saves with what they hold; a click plays on from one, a damaged one
// only says why it cannot be loaded, and each may be deleted after a question.
#include "GUI_MenuBase.h"
#include "GUI_SaveSlots.h"

#include <memory>

class GUI_MenuLoad : public GUI_MenuBase {
public:
    GUI_MenuLoad();
    // Reads the save folder again.
    void OnEnter() override;
    void OnWheelUp() override { page_->Scroll(-1); }
    void OnWheelDown() override { page_->Scroll(1); }
    const GUI_SlotPage& Page() const { return *page_; }

protected:
    void DrawBackground() override;
    void OnMenuKey(int key) override;

private:
    void Load(const GUI_SaveEntry& entry);
    void AskDelete(const std::string& name);
    void Delete(const std::string& name);
    std::unique_ptr<GUI_SlotPage> page_;
};
