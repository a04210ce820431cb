#pragma once
// The desktop's icons: the band members, the albums and what the band owns. The player may
// drag them anywhere on the desktop; where they were put is kept for the next session.
#include "GUI_ButtonTypes.h"

#include <memory>
#include <string>
#include <vector>

class SIM_Album;
class SIM_Asset;
class SIM_Musician;
struct SIM_IconPlacement;

class GUI_DesktopItem : public GUI_ButtonBase {
public:
    static constexpr int kWidth = 88;
    static constexpr int kHeight = 100;
    static constexpr int kPicture = 64;

    explicit GUI_DesktopItem(std::string name) : itemName(std::move(name)) {}
    void Draw() override;
    virtual std::string Picture() const = 0;
    virtual std::string Caption() const = 0;
    // A click that was not a drag.
    virtual void Open() = 0;
    // True while the simulation object it shows still exists as it did.
    virtual bool Shows(const void* object) const = 0;
    SIM_IconPlacement Placement() const;

    const std::string itemName;
};

class GUI_BandIcon : public GUI_DesktopItem {
public:
    explicit GUI_BandIcon(const SIM_Musician& member);
    std::string Picture() const override;
    std::string Caption() const override;
    void Open() override;
    bool Shows(const void* object) const override { return object == &member_; }

private:
    const SIM_Musician& member_;
};

class GUI_AlbumIcon : public GUI_DesktopItem {
public:
    explicit GUI_AlbumIcon(const SIM_Album& album);
    std::string Picture() const override;
    std::string Caption() const override;
    void Open() override;
    bool Shows(const void* object) const override { return object == &album_; }

private:
    const SIM_Album& album_;
};

class GUI_AssetIcon : public GUI_DesktopItem {
public:
    explicit GUI_AssetIcon(const SIM_Asset& asset);
    std::string Picture() const override;
    std::string Caption() const override;
    void Open() override;
    bool Shows(const void* object) const override { return object == &asset_; }

private:
    const SIM_Asset& asset_;
};

// The icons on the desktop, kept in step with the band, its albums and its possessions.
class GUI_DesktopItems {
public:
    // Adds an icon for whatever has none yet (at its stored place, or a free spot) and drops
    // the icons of what has gone.
    void Sync();
    void Clear();
    void Update();
    void Draw();
    // A press on an icon starts a drag; true when one was hit.
    bool OnLeftButtonDown(float x, float y);
    // Follows the mouse while the button is held; a release ends the drag (a release that did
    // not move opens the icon) and a move is remembered.
    void UpdateDrag();
    const std::vector<std::unique_ptr<GUI_DesktopItem>>& Items() const { return items_; }

private:
    void Place(GUI_DesktopItem& item);
    std::vector<SIM_IconPlacement> Placements() const;
    std::vector<std::unique_ptr<GUI_DesktopItem>> items_;
    GUI_DesktopItem* dragged_ = nullptr;
    float grabX_ = 0.0f, grabY_ = 0.0f;
    float pressX_ = 0.0f, pressY_ = 0.0f;
    bool moved_ = false;
};
