#include "GUI_DesktopItem.h"

#include "GUI_Activities.h"
#include "GUI_AlbumScreens.h"
#include "GUI_MessageBox.h"
#include "GUI_Musician.h"
#include "GUI_Shell.h"
#include "GUI_Shop.h"
#include "GUI_Style.h"
#include "InputManager.h"
#include "LibFont.h"
#include "Renderer.h"
#include "SIM_Album.h"
#include "SIM_Asset.h"
#include "SIM_Band.h"
#include "SIM_IconLayout.h"
#include "SIM_Person.h"

#include <algorithm>
#include <cmath>

namespace {
// A press that moves less than this is a click, not a drag.
constexpr float kDragThreshold = 4.0f;

template <class Item, class Object>
void SyncKind(std::vector<std::unique_ptr<GUI_DesktopItem>>& items, const std::vector<const Object*>& objects,
              std::vector<GUI_DesktopItem*>& added) {
    for (const Object* object : objects) {
        const bool shown = std::any_of(items.begin(), items.end(), [object](const auto& i) { return i->Shows(object); });
        if (shown) continue;
        items.push_back(std::make_unique<Item>(*object));
        added.push_back(items.back().get());
    }
}
}  // namespace

// ---- Icons ----

SIM_IconPlacement GUI_DesktopItem::Placement() const { return {itemName, rect.left, rect.top, width, height}; }

void GUI_DesktopItem::Draw() {
    const GRect r = Area();
    const float cx = (r.left + r.right) / 2.0f;
    const float picture = static_cast<float>(kPicture);
    if (Lit()) Renderer().FillRect(r.left, r.top, r.right - r.left, r.bottom - r.top, 0x40E8B860);
    Renderer().DrawTexture(Picture(), cx - picture / 2.0f, r.top + 2.0f, picture, picture);
    float y = r.top + picture + 6.0f;
    for (const std::string& line : WrapLines(GUI_Style::kSmall, Caption(), r.right - r.left - 6.0f, 2)) {
        // A dark band under the caption keeps it readable on any skin.
        const float w = static_cast<float>(MeasureText(GUI_Style::kSmall, line)) + 6.0f;
        Renderer().FillRect(cx - w / 2.0f, y - 1.0f, w, GUI_Style::kSmall.size + 2.0f, 0xA0000000);
        DrawText(GUI_Style::kSmall, line, cx, y, GUI_Style::kCream, TEXT_CENTRED);
        y += GUI_Style::kSmall.size + 1.0f;
    }
    RecordControl();
    GUI_ButtonBase::Draw();
}

GUI_BandIcon::GUI_BandIcon(const SIM_Musician& member) : GUI_DesktopItem("member " + member.fullname), member_(member) {
    SetTooltip(member.fullname + ", " + InstrumentName(member.instrument));
}
std::string GUI_BandIcon::Picture() const { return member_.GetPortrait(); }
std::string GUI_BandIcon::Caption() const { return member_.fullname; }
void GUI_BandIcon::Open() { OpenMemberWindow(member_); }

GUI_AlbumIcon::GUI_AlbumIcon(const SIM_Album& album) : GUI_DesktopItem("album " + album.title), album_(album) {
    SetTooltip(album.title);
}
std::string GUI_AlbumIcon::Picture() const { return album_.coverTexture; }
std::string GUI_AlbumIcon::Caption() const { return album_.title; }
void GUI_AlbumIcon::Open() { GUI_AlbumDetails::Open(album_); }

GUI_AssetIcon::GUI_AssetIcon(const SIM_Asset& asset) : GUI_DesktopItem("asset " + asset.key), asset_(asset) {
    SetTooltip(asset.displayName);
}
std::string GUI_AssetIcon::Picture() const { return asset_.image; }
std::string GUI_AssetIcon::Caption() const { return asset_.displayName; }
void GUI_AssetIcon::Open() { OpenOwnedAsset(asset_); }

// ---- The icons of the desktop ----

std::vector<SIM_IconPlacement> GUI_DesktopItems::Placements() const {
    std::vector<SIM_IconPlacement> placements;
    placements.reserve(items_.size());
    for (const auto& item : items_) placements.push_back(item->Placement());
    return placements;
}

void GUI_DesktopItems::Place(GUI_DesktopItem& item) {
    SIM_IconPlacement placement{item.itemName, 0, 0, GUI_DesktopItem::kWidth, GUI_DesktopItem::kHeight};
    PlaceIcon(placement, Placements());
    item.SetRect(static_cast<float>(placement.x), static_cast<float>(placement.y),
                 static_cast<float>(placement.x + GUI_DesktopItem::kWidth),
                 static_cast<float>(placement.y + GUI_DesktopItem::kHeight));
}

void GUI_DesktopItems::Sync() {
    std::vector<const SIM_Musician*> members(GetBand().members.begin(), GetBand().members.end());
    std::vector<const SIM_Album*> albums;
    for (const auto& album : Albums())
        if (album->mode == ALBUM_RELEASED) albums.push_back(album.get());
    std::vector<const SIM_Asset*> assets(OwnedAssets().begin(), OwnedAssets().end());

    // What has gone loses its icon.
    auto gone = [&](const std::unique_ptr<GUI_DesktopItem>& item) {
        auto shows = [&item](const auto& list) {
            return std::any_of(list.begin(), list.end(), [&item](const void* o) { return item->Shows(o); });
        };
        return !shows(members) && !shows(albums) && !shows(assets);
    };
    for (const auto& item : items_)
        if (item.get() == dragged_ && gone(item)) dragged_ = nullptr;
    items_.erase(std::remove_if(items_.begin(), items_.end(), gone), items_.end());

    std::vector<GUI_DesktopItem*> added;
    SyncKind<GUI_BandIcon>(items_, members, added);
    SyncKind<GUI_AlbumIcon>(items_, albums, added);
    SyncKind<GUI_AssetIcon>(items_, assets, added);
    // A new icon is placed before it is counted among the others.
    for (GUI_DesktopItem* item : added) item->SetRect(-1000.0f, -1000.0f, -1000.0f, -1000.0f);
    for (GUI_DesktopItem* item : added) Place(*item);
}

void GUI_DesktopItems::Clear() {
    items_.clear();
    dragged_ = nullptr;
}

void GUI_DesktopItems::Update() {
    Sync();
    UpdateDrag();
    for (const auto& item : items_) item->Update();
}

void GUI_DesktopItems::Draw() {
    DrawRelationshipLines([this](const SIM_Musician* member) -> const GUI_BaseElement* {
        for (const auto& item : items_)
            if (item->Shows(member)) return item.get();
        return nullptr;
    });
    for (const auto& item : items_)
        if (item.get() != dragged_) item->Draw();
    if (dragged_) dragged_->Draw();  // the one in hand lies on top
}

bool GUI_DesktopItems::OnLeftButtonDown(float x, float y) {
    for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
        if (!(*it)->HitTest(x, y)) continue;
        dragged_ = it->get();
        grabX_ = x - static_cast<float>(dragged_->rect.left);
        grabY_ = y - static_cast<float>(dragged_->rect.top);
        pressX_ = x;
        pressY_ = y;
        moved_ = false;
        return true;
    }
    return false;
}

void GUI_DesktopItems::UpdateDrag() {
    if (!dragged_) return;
    const CBaseInputManager& input = Shell().Input();
    if (std::abs(input.x - pressX_) >= kDragThreshold || std::abs(input.y - pressY_) >= kDragThreshold) moved_ = true;
    if (input.buttonHeld) {
        if (!moved_) return;
        const float w = static_cast<float>(dragged_->width), h = static_cast<float>(dragged_->height);
        const float x = std::clamp(input.x - grabX_, static_cast<float>(kIconAreaLeft), static_cast<float>(kIconAreaRight) - w);
        const float y = std::clamp(input.y - grabY_, static_cast<float>(kIconAreaTop), static_cast<float>(kIconAreaBottom) - h);
        dragged_->SetRect(std::round(x), std::round(y), std::round(x) + w, std::round(y) + h);
        return;
    }
    GUI_DesktopItem* released = dragged_;
    dragged_ = nullptr;
    if (moved_) SaveIconPositions(Placements());
    else released->Open();
}
