#pragma once
// The desktop's skin: a backdrop picture and the LCD panels of the status windows. Skins are
// found in the game's data and in the player's mods folder; a skin named N is the three
// pictures "skin_N_backdrop.bmp", "skin_N_lcd.bmp" and "skin_N_lcd_h.bmp".
#include <string>
#include <vector>

class GUI_Backdrop {
public:
    static constexpr const char* kDefaultSkin = "default";

    // Lists the skins of "data/bitmaps/skins" and "<userFolder>/mods/skins", default first.
    void FindSkins(const std::string& userFolder);
    const std::vector<std::string>& Skins() const { return skins_; }
    // Chooses a skin by name; an unknown name keeps the default.
    void SetSkin(const std::string& name);
    const std::string& Skin() const { return skin_; }
    // The next or the previous skin in the list, round.
    void NextSkin();
    void PreviousSkin();

    std::string BackdropPicture() const { return "skin_" + skin_ + "_backdrop.bmp"; }
    std::string LcdPicture(bool lit) const { return "skin_" + skin_ + (lit ? "_lcd_h.bmp" : "_lcd.bmp"); }
    void Draw() const;

private:
    std::vector<std::string> skins_{kDefaultSkin};
    std::string skin_ = kDefaultSkin;
};

GUI_Backdrop& Backdrop();
// The skin named by a backdrop picture's file name ("skin_neon_backdrop.bmp" is "neon"), or "".
std::string SkinOfPicture(const std::string& fileName);
