#pragma once
// A news screen: a picture, what happened, and one button to move on. The called-off gig, the
// evening at a rival band's gig and the music press's news all tell their story with it.
#include "GUI_Dialog.h"
#include "Renderer.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct GUI_FMVContent {
    std::string title;
    std::string picture;  // none: the words take the whole width
    GUVRect pictureArea;  // the part of the picture shown
    std::uint32_t pictureTint = 0xFFFFFFFF;
    float pictureWidth = 400.0f, pictureHeight = 300.0f;
    std::string text;
    std::vector<std::string> highlights;  // what it meant for the band, in gold under the text
    std::string footer;                   // a word of advice at the foot
    std::string buttonKey = "FMV_CONTINUE";
    std::string buttonTooltipKey = "FMV_CONTINUE_TOOLTIP";
    std::string sound;  // played as it opens
};

class GUI_FMVScreen : public GUI_Dialog {
public:
    // Opens on top of everything, modal until the player moves on; onClose (may be empty)
    // runs once, when it closes.
    static GUI_FMVScreen* Show(const GUI_FMVContent& content, std::function<void()> onClose = {});

    GUI_FMVScreen(const GUI_FMVContent& content, std::function<void()> onClose);
    const GUI_FMVContent& Content() const { return content_; }
    void MoveOn();
    // Return and Escape move on, as the button does.
    bool OnKeyPress(int key) override;

protected:
    void DrawForeground() override;

private:
    float TextLeft() const;

    GUI_FMVContent content_;
    std::function<void()> onClose_;
};
