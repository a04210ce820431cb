#pragma once
// The new-game set-up: the player's name, the band's name and the player's face, each with a
// way to let chance choose; Start begins the career.
#include "GUI_ButtonTypes.h"
#include "GUI_MenuBase.h"

#include <string>
#include <vector>

class GUI_TextField;

// One avatar picture of the chooser; a click chooses it.
class GUI_AvatarThumbnail : public GUI_ButtonBase {
public:
    GUI_AvatarThumbnail(std::string avatar, std::function<void()> choose)
        : GUI_ButtonBase(std::move(choose)), picture(std::move(avatar)) {}
    void Draw() override;
    std::string picture;
    bool chosen = false;
};

// Steps through the avatar pictures of the game and of the player's mods folder. A picture's
// file name begins with "m" or "f", which gives the player's gender.
class GUI_AvatarChooser : public GUIButtonList {
public:
    static constexpr int kShown = 5;
    GUI_AvatarChooser();
    // Lists "data/bitmaps/avatars/*.jpg" and "<userFolder>/mods/avatars/*.jpg".
    void FindAvatars(const std::string& userFolder);
    void Step(int delta);
    void Choose(std::size_t index);
    const std::string& Chosen() const;
    const std::vector<std::string>& Avatars() const { return avatars_; }
    // Lays the arrows and thumbnails out in the rectangle.
    void SetRect(float left, float top, float right, float bottom) override;
    void Draw() override;
    bool OnClick(float x, float y) override { return ClickButtons(x, y); }

private:
    void Refresh();
    std::vector<std::string> avatars_;
    std::size_t chosen_ = 0;
    std::vector<GUI_AvatarThumbnail*> thumbnails_;
};

class GUI_MenuNew : public GUI_MenuBase {
public:
    static constexpr std::size_t kMaxName = 31;

    GUI_MenuNew();
    void OnEnter() override;
    // Start: refuses empty names with a reason under the field.
    void Start();

    GUI_TextField& PlayerName() { return *playerName_; }
    GUI_TextField& BandName() { return *bandName_; }
    GUI_AvatarChooser& Avatars() { return *avatars_; }

protected:
    void DrawBackground() override;
    void OnMenuKey(int key) override;

private:
    GUI_TextField* playerName_ = nullptr;
    GUI_TextField* bandName_ = nullptr;
    GUI_AvatarChooser* avatars_ = nullptr;
};
