#include "GUI_Backdrop.h"

#include "LibFileList.h"
#include "Platform.h"
#include "Renderer.h"

#include <algorithm>
#include <cctype>

GUI_Backdrop& Backdrop() {
    static GUI_Backdrop backdrop;
    return backdrop;
}

std::string SkinOfPicture(const std::string& fileName) {
    const std::string prefix = "skin_", suffix = "_backdrop.bmp";
    if (fileName.size() <= prefix.size() + suffix.size() || fileName.rfind(prefix, 0) != 0 ||
        fileName.compare(fileName.size() - suffix.size(), suffix.size(), suffix) != 0)
        return {};
    return fileName.substr(prefix.size(), fileName.size() - prefix.size() - suffix.size());
}

void GUI_Backdrop::FindSkins(const std::string& userFolder) {
    skins_ = {kDefaultSkin};
    for (const std::string& folder : {std::string("data/bitmaps/skins"), userFolder + "/mods/skins"}) {
        LibFileList files;
        files.FindFiles(folder + "/skin_*_backdrop.bmp");
        for (const std::string& file : files.names) {
            const std::string skin = SkinOfPicture(file);
            // A skin's name goes into save files: letters, digits, "-" and "_" only.
            const bool plain = std::all_of(skin.begin(), skin.end(), [](unsigned char c) {
                return std::isalnum(c) || c == '-' || c == '_';
            });
            if (!skin.empty() && plain && std::find(skins_.begin(), skins_.end(), skin) == skins_.end())
                skins_.push_back(skin);
        }
    }
    SetSkin(skin_);
}

void GUI_Backdrop::SetSkin(const std::string& name) {
    skin_ = std::find(skins_.begin(), skins_.end(), name) != skins_.end() ? name : std::string(kDefaultSkin);
}

void GUI_Backdrop::NextSkin() {
    auto it = std::find(skins_.begin(), skins_.end(), skin_);
    skin_ = it == skins_.end() || it + 1 == skins_.end() ? skins_.front() : *(it + 1);
}

void GUI_Backdrop::PreviousSkin() {
    auto it = std::find(skins_.begin(), skins_.end(), skin_);
    skin_ = it == skins_.end() || it == skins_.begin() ? skins_.back() : *(it - 1);
}

void GUI_Backdrop::Draw() const {
    Renderer().DrawTexture(BackdropPicture(), 0.0f, 0.0f, static_cast<float>(kScreenWidth), static_cast<float>(kScreenHeight));
}
