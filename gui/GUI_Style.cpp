#include "GUI_Style.h"

#include "LibFont.h"
#include "Renderer.h"

#include <algorithm>

namespace {
LibFontManager& Use(const GUI_Style::Font& font) {
    LibFontManager& text = FontManager();
    text.SelectFont(font.name);
    text.SetSize(font.size);
    return text;
}

// Corner size of the frame images (their rounded rim and shadow fit inside it).
constexpr float kCorner = 16.0f;

// A word wider than the line (a file's path, a name with no spaces) is cut where it must be,
// so wrapped text never runs out of its box.
std::string BreakLongWords(LibFontManager& fonts, const std::string& text, float width) {
    std::string out, word;
    auto flush = [&] {
        while (!word.empty() && static_cast<float>(fonts.Measure(word)) >= width) {
            std::size_t fit = 1;
            while (fit < word.size() && static_cast<float>(fonts.Measure(word.substr(0, fit + 1))) < width) ++fit;
            out += word.substr(0, fit) + "\n";
            word.erase(0, fit);
        }
        out += word;
        word.clear();
    };
    for (char c : text) {
        if (c == ' ' || c == '\n') {
            flush();
            out += c;
        } else {
            word += c;
        }
    }
    flush();
    return out;
}
}  // namespace

int MeasureText(const GUI_Style::Font& font, const std::string& text) { return Use(font).Measure(text); }

void DrawText(const GUI_Style::Font& font, const std::string& text, float x, float y, std::uint32_t colour, int flags) {
    Use(font).Draw(text, x, y, colour, font.size, flags);
}

float DrawTextWrapped(const GUI_Style::Font& font, const std::string& text, float x, float y, float width,
                      std::uint32_t colour) {
    LibFontManager& fonts = Use(font);
    return fonts.DrawWrapped(BreakLongWords(fonts, text, width), x, y, colour, width);
}

float WrappedTextHeight(const GUI_Style::Font& font, const std::string& text, float width) {
    LibFontManager& fonts = Use(font);
    return fonts.WrappedHeight(BreakLongWords(fonts, text, width), width);
}

int WidestTextLine(const GUI_Style::Font& font, const std::string& text, float width) {
    LibFontManager& fonts = Use(font);
    return fonts.WidestLine(BreakLongWords(fonts, text, width), width);
}

std::string FitText(const GUI_Style::Font& font, const std::string& text, float width) {
    LibFontManager& fonts = Use(font);
    if (static_cast<float>(fonts.Measure(text)) <= width) return text;
    std::string shortened = text;
    while (!shortened.empty() && static_cast<float>(fonts.Measure(shortened + "...")) > width) shortened.pop_back();
    while (!shortened.empty() && shortened.back() == ' ') shortened.pop_back();
    return shortened + "...";
}

std::vector<std::string> WrapLines(const GUI_Style::Font& font, const std::string& text, float width,
                                   std::size_t maxLines) {
    LibFontManager& fonts = Use(font);
    std::vector<std::string> lines;
    std::string remaining = BreakLongWords(fonts, text, width), line, rest;
    while (!remaining.empty() && lines.size() < maxLines) {
        fonts.SplitLine(width, remaining, line, rest);
        if (lines.size() + 1 == maxLines && !rest.empty()) line = FitText(font, line + " " + rest, width);
        lines.push_back(line);
        remaining.swap(rest);
    }
    return lines;
}

void DrawFramedBox(const GRect& r, const std::string& frame, std::uint32_t argb) {
    GRenderer& renderer = Renderer();
    const GTexture* texture = renderer.FindTexture(frame);
    if (!texture || texture->width <= 0 || texture->height <= 0) {
        renderer.FillRect(r.left, r.top, r.right - r.left, r.bottom - r.top, 0xE0301810);
        return;
    }
    const float w = r.right - r.left, h = r.bottom - r.top;
    // Small boxes shrink the corners so they never overlap.
    const float cx = std::min(kCorner, w / 2.0f), cy = std::min(kCorner, h / 2.0f);
    const float u = cx / static_cast<float>(texture->width), v = cy / static_cast<float>(texture->height);
    const float xs[4] = {r.left, r.left + cx, r.right - cx, r.right};
    const float ys[4] = {r.top, r.top + cy, r.bottom - cy, r.bottom};
    const float us[4] = {0.0f, u, 1.0f - u, 1.0f};
    const float vs[4] = {0.0f, v, 1.0f - v, 1.0f};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            const float pw = xs[col + 1] - xs[col], ph = ys[row + 1] - ys[row];
            if (pw <= 0.0f || ph <= 0.0f) continue;
            renderer.DrawTexture(frame, xs[col], ys[row], pw, ph, GUVRect{us[col], vs[row], us[col + 1], vs[row + 1]}, argb);
        }
}

void DrawInsetPanel(const GRect& r, bool lit) {
    GRenderer& renderer = Renderer();
    const float w = r.right - r.left, h = r.bottom - r.top;
    renderer.FillRect(r.left, r.top, w, h, lit ? GUI_Style::kFieldRimFocused : GUI_Style::kFieldRim);
    renderer.FillRect(r.left + 1.0f, r.top + 1.0f, w - 2.0f, h - 2.0f, GUI_Style::kFieldFill);
}
