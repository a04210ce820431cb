#pragma once
// The save screen: the saves already made and an empty slot; the player types a name (or
// picks a slot's) and saves, after a question when that would replace a file.
#include "GUI_MenuBase.h"
#include "GUI_SaveSlots.h"

#include <memory>

class GUI_TextField;

// "Overwrite?" before a save replaces a file of the same name.
class GUI_OverwriteConfirm {
public:
    static void Ask(std::function<void()> onYes);
};

class GUI_MenuSave : public GUI_MenuBase {
public:
    static constexpr std::size_t kMaxTyped = 63;

    GUI_MenuSave();
    void OnEnter() override;
    void OnWheelUp() override { page_->Scroll(-1); }
    void OnWheelDown() override { page_->Scroll(1); }
    // Saves under the typed name (asking first when the file exists).
    void Save();
    GUI_TextField& Name() { return *name_; }

    // Why a name cannot be saved under, or "" when it can (an empty name is still being typed).
    static std::string NameRefusal(const std::string& name);

protected:
    void DrawBackground() override;
    void OnMenuKey(int key) override;

private:
    void Write(const std::string& name);
    GUI_TextField* name_ = nullptr;
    std::unique_ptr<GUI_SlotPage> page_;
};
