#pragma once
// One look for every screen: the palette, the font of each role, text helpers that keep text
// inside its box, and the framed box (a nine-slice frame) that buttons, dialogs and tabs use.
#include "Sprites.h"

#include <cstdint>
#include <string>
#include <vector>

namespace GUI_Style {
// Colours, 0xAARRGGBB.
constexpr std::uint32_t kCream = 0xFFF3E6C8;
constexpr std::uint32_t kCreamDim = 0xFFC8B89A;
constexpr std::uint32_t kGold = 0xFFE8B860;
constexpr std::uint32_t kAmber = 0xFFFFB030;
constexpr std::uint32_t kDisabledText = 0xFF8A7C66;
constexpr std::uint32_t kRefusal = 0xFFFF8060;
constexpr std::uint32_t kInk = 0xFF201408;  // dark text on light boxes (tooltips)
constexpr std::uint32_t kFieldFill = 0xE0140A05;
constexpr std::uint32_t kFieldRim = 0xFF8C6A3A;
constexpr std::uint32_t kFieldRimFocused = 0xFFE8B860;
constexpr std::uint32_t kShade = 0xA0000000;

// Fonts by role, with the size each is drawn at.
struct Font {
    const char* name;
    float size;
};
constexpr Font kTitle{"verdanabold24.dds", 24.0f};
constexpr Font kHeading{"verdanabold18.dds", 18.0f};
constexpr Font kSubheading{"verdanabold16.dds", 16.0f};
constexpr Font kButton{"verdanabold16.dds", 16.0f};
constexpr Font kBody{"verdana14.dds", 14.0f};
constexpr Font kSmall{"verdana12.dds", 12.0f};
constexpr Font kLcd{"LCD18.dds", 24.0f};
constexpr Font kLcdSmall{"LCD10.dds", 12.0f};

// Frames of the framed box.
constexpr const char* kButtonFrame = "button.dds";
constexpr const char* kButtonFrameLit = "button_h.dds";
constexpr const char* kWindowFrame = "window_sq_dropshadow.dds";
}  // namespace GUI_Style

// Measures text in a font at its role's size.
int MeasureText(const GUI_Style::Font& font, const std::string& text);
// Draws one line; flags as the text service's (TEXT_LEFT, TEXT_CENTRED, TEXT_RIGHT).
void DrawText(const GUI_Style::Font& font, const std::string& text, float x, float y, std::uint32_t colour,
              int flags = 0);
// Draws text wrapped at width; returns the y below the last line.
float DrawTextWrapped(const GUI_Style::Font& font, const std::string& text, float x, float y, float width,
                      std::uint32_t colour);
float WrappedTextHeight(const GUI_Style::Font& font, const std::string& text, float width);
int WidestTextLine(const GUI_Style::Font& font, const std::string& text, float width);
// The text, shortened with "..." when it is wider than width.
std::string FitText(const GUI_Style::Font& font, const std::string& text, float width);
// The text wrapped at width in at most maxLines lines, the last shortened with "..." when more
// would follow.
std::vector<std::string> WrapLines(const GUI_Style::Font& font, const std::string& text, float width,
                                   std::size_t maxLines);

// The nine-slice frame: corners kept at their size, edges and centre stretched.
void DrawFramedBox(const GRect& rect, const std::string& frame, std::uint32_t argb = 0xFFFFFFFF);
// A dark inset panel for lists and fields.
void DrawInsetPanel(const GRect& rect, bool lit = false);
