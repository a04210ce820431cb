#include "GUI_FMVScreen.h"

#include "GUI_Sounds.h"
#include "GUI_Style.h"
#include "Platform.h"

#include <algorithm>

namespace {
// Layout, as the stage announcement's: the picture on the left, the words beside it, the
// button at the bottom right. Without a picture the box is narrower and the words take it all.
constexpr float kWordsWidth = 384.0f, kPlainWidth = 560.0f;
constexpr float kPictureTop = 8.0f;
constexpr float kGap = 16.0f;
constexpr float kParagraphGap = 12.0f;
constexpr float kButtonW = 180.0f, kButtonH = 34.0f;

// The words' height at that width: the text, the highlights and the footer with gaps between.
float WordsHeight(const GUI_FMVContent& content, float width) {
    float height = WrappedTextHeight(GUI_Style::kBody, content.text, width);
    for (const std::string& line : content.highlights)
        height += kParagraphGap + WrappedTextHeight(GUI_Style::kSubheading, line, width);
    if (!content.footer.empty()) height += kParagraphGap + WrappedTextHeight(GUI_Style::kBody, content.footer, width);
    return height;
}
}  // namespace

GUI_FMVScreen* GUI_FMVScreen::Show(const GUI_FMVContent& content, std::function<void()> onClose) {
    GUI_FMVScreen* screen = WindowList().Open<GUI_FMVScreen>(content, std::move(onClose));
    WindowList().AddModal(screen);
    if (!content.sound.empty()) PlaySoundIfPresent(content.sound);
    return screen;
}

GUI_FMVScreen::GUI_FMVScreen(const GUI_FMVContent& content, std::function<void()> onClose)
    : GUI_Dialog(content.title), content_(content), onClose_(std::move(onClose)) {
    name = "news " + content.title;
    const bool pictured = !content_.picture.empty();
    const float boxWidth = pictured ? kMarginLeft + content_.pictureWidth + kGap + kWordsWidth + kMarginRight : kPlainWidth;
    const float wordsWidth = pictured ? kWordsWidth : boxWidth - kMarginLeft - kMarginRight;
    const float body = std::max(pictured ? kPictureTop + content_.pictureHeight : 0.0f,
                                kPictureTop + WordsHeight(content_, wordsWidth));
    const float boxHeight = kMarginTop + body + kGap + kButtonH + kMarginBottom;
    SetRect(0, 0, boxWidth, std::min(boxHeight, static_cast<float>(kScreenHeight)));
    CentreOnScreen();
    auto* next = Add<GUI_ButtonText>(content_.buttonKey, [this] { MoveOn(); }, content_.buttonTooltipKey);
    const float right = static_cast<float>(client.right), bottom = static_cast<float>(client.bottom);
    next->SetRect(right - kButtonW, bottom - kButtonH, right, bottom);
}

void GUI_FMVScreen::MoveOn() {
    if (Closed()) return;
    const std::function<void()> onClose = std::move(onClose_);
    Close();
    if (onClose) onClose();
}

bool GUI_FMVScreen::OnKeyPress(int key) {
    if (!IsMoveOnKey(key)) return false;
    MoveOn();
    return true;
}

float GUI_FMVScreen::TextLeft() const {
    const float left = static_cast<float>(client.left);
    return content_.picture.empty() ? left : left + content_.pictureWidth + kGap;
}

void GUI_FMVScreen::DrawForeground() {
    const float top = static_cast<float>(client.top) + kPictureTop;
    if (!content_.picture.empty())
        Renderer().DrawTexture(content_.picture, static_cast<float>(client.left), top, content_.pictureWidth,
                               content_.pictureHeight, content_.pictureArea, content_.pictureTint);
    const float x = TextLeft(), across = static_cast<float>(client.right) - x;
    float y = DrawTextWrapped(GUI_Style::kBody, content_.text, x, top, across, GUI_Style::kCream);
    for (const std::string& line : content_.highlights)
        y = DrawTextWrapped(GUI_Style::kSubheading, line, x, y + kParagraphGap, across, GUI_Style::kGold);
    if (!content_.footer.empty())
        DrawTextWrapped(GUI_Style::kBody, content_.footer, x, y + kParagraphGap, across, GUI_Style::kCreamDim);
}
