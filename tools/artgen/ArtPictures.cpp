#include "ArtPictures.h"

#include "ArtShapes.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

using Draw = std::function<void(ArtCanvas&)>;

// Folders below data/: the game finds pictures by name anywhere under bitmaps/.
const std::string kUi = "bitmaps/ui/";
const std::string kPanel = "bitmaps/controlpanel/";
const std::string kStage = "bitmaps/stage/";
const std::string kScenes = "bitmaps/scenes/";
const std::string kSongs = "bitmaps/songwriting/";
const std::string kParticles = "bitmaps/particles/";
const std::string kSkins = "bitmaps/skins/";

}  // namespace

// A wall of dark brick with a floor, the backdrop of every scene picture.
void BrickWall(ArtCanvas& c, const ArtColor& tint, std::uint32_t seed) {
    cairo_t* cr = c.cr();
    const double bw = c.width() / 12.0, bh = bw * 0.38;
    cairo_set_source_rgb(cr, 0.06, 0.04, 0.04);
    cairo_paint(cr);
    for (int row = 0; row * bh < c.height(); ++row)
        for (int col = -1; col * bw < c.width(); ++col) {
            const double x = col * bw + (row % 2 ? bw / 2 : 0);
            const double shade = 0.55 + 0.45 * HashNoise(col, row, seed);
            cairo_rectangle(cr, x + 1, row * bh + 1, bw - 2, bh - 2);
            cairo_set_source_rgb(cr, 0.30 * shade, 0.12 * shade, 0.09 * shade);
            cairo_fill(cr);
        }
    cairo_set_source_rgba(cr, tint.r, tint.g, tint.b, 0.1);
    cairo_paint(cr);
    // Late-night gloom: the wall fades into the dark towards the ceiling.
    cairo_pattern_t* gloom = cairo_pattern_create_linear(0, 0, 0, c.height());
    cairo_pattern_add_color_stop_rgba(gloom, 0, 0, 0, 0, 0.6);
    cairo_pattern_add_color_stop_rgba(gloom, 1, 0, 0, 0, 0.2);
    cairo_set_source(cr, gloom);
    cairo_paint(cr);
    cairo_pattern_destroy(gloom);
    AddGrain(c, 0.05, seed + 1);
}

void FloorBoards(ArtCanvas& c, double top) {
    cairo_t* cr = c.cr();
    cairo_pattern_t* pat = cairo_pattern_create_linear(0, top, 0, c.height());
    cairo_pattern_add_color_stop_rgb(pat, 0, 0.18, 0.10, 0.05);
    cairo_pattern_add_color_stop_rgb(pat, 1, 0.38, 0.22, 0.10);
    cairo_rectangle(cr, 0, top, c.width(), c.height() - top);
    cairo_set_source(cr, pat);
    cairo_fill(cr);
    cairo_pattern_destroy(pat);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_set_line_width(cr, 1);
    for (int i = -8; i <= 8; ++i) {
        cairo_move_to(cr, c.width() / 2.0 + i * c.width() / 30.0, top);
        cairo_line_to(cr, c.width() / 2.0 + i * c.width() / 8.0, c.height());
    }
    cairo_stroke(cr);
}

void LightCone(cairo_t* cr, double x, double y, double tx, double ty, double spread, const ArtColor& col,
               double alpha) {
    cairo_pattern_t* pat = cairo_pattern_create_linear(x, y, tx, ty);
    cairo_pattern_add_color_stop_rgba(pat, 0, col.r, col.g, col.b, alpha);
    cairo_pattern_add_color_stop_rgba(pat, 1, col.r, col.g, col.b, 0);
    cairo_move_to(cr, x - 4, y);
    cairo_line_to(cr, tx - spread, ty);
    cairo_line_to(cr, tx + spread, ty);
    cairo_line_to(cr, x + 4, y);
    cairo_close_path(cr);
    cairo_set_source(cr, pat);
    cairo_fill(cr);
    cairo_pattern_destroy(pat);
}

// A brass-rimmed sign board with a neon caption, the frame every scene picture shares.
void SceneCaption(ArtCanvas& c, const std::string& caption, const ArtColor& neon) {
    cairo_t* cr = c.cr();
    SelectFont(cr, ArtFont::Condensed, c.height() * 0.1);
    FitFont(cr, ArtFont::Condensed, caption, c.width() * 0.8, c.height() * 0.1);
    NeonText(cr, caption, c.width() / 2.0, c.height() * 0.16, neon);
    BrassFrame(cr, 0, 0, c.width(), c.height(), 6, 4);
}

void StageScene(ArtCanvas& c, int performers, int crowdRows, const ArtColor& tint, std::uint32_t seed) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    BrickWall(c, tint, seed);
    FloorBoards(c, h * 0.68);
    for (int i = 0; i < 3; ++i)
        LightCone(cr, w * (0.25 + 0.25 * i), 0, w * (0.2 + 0.3 * i), h * 0.7, w * 0.12,
                  i == 1 ? Palette::kNeonAmber : tint, 0.45);
    cairo_set_source_rgb(cr, 0.02, 0.02, 0.03);
    for (int i = 0; i < performers; ++i) {
        const double x = w * (0.5 + (i - (performers - 1) / 2.0) * 0.18);
        ShapePerson(cr, x, h * 0.74, h * 0.42, i % 3);
        if (i % 2 == 0) ShapeGuitar(cr, x + h * 0.02, h * 0.5, h * 0.2, 0.9, i == 2);
    }
    for (int row = 0; row < crowdRows; ++row)
        for (int i = 0; i < 16; ++i) {
            const double x = w * (i + 0.5 * (row % 2) + HashNoise(i, row, seed) * 0.4) / 15.0;
            const double y = h * (0.92 + 0.06 * row);
            cairo_set_source_rgb(cr, 0.01, 0.01, 0.01);
            cairo_arc(cr, x, y - h * 0.06, h * 0.045, 0, 2 * M_PI);
            cairo_fill(cr);
            RoundRect(cr, x - h * 0.07, y - h * 0.03, h * 0.14, h * 0.2, h * 0.05);
            cairo_fill(cr);
            if (HashNoise(i, row + 9, seed) > 0.6) {
                cairo_set_line_width(cr, h * 0.02);
                cairo_move_to(cr, x + h * 0.05, y - h * 0.02);
                cairo_line_to(cr, x + h * 0.09, y - h * 0.16);
                cairo_stroke(cr);
            }
        }
}

namespace {

void Bedroom(ArtCanvas& c) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    FillWood(c, {0.22, 0.16, 0.22}, 31, true);
    // Window with the moon, a poster and a bed with a guitar against it.
    RoundRect(cr, w * 0.62, h * 0.22, w * 0.28, h * 0.3, 4);
    cairo_set_source_rgb(cr, 0.05, 0.07, 0.18);
    cairo_fill(cr);
    Glow(cr, w * 0.8, h * 0.3, h * 0.12, {1, 1, 0.85, 1}, 0.6);
    cairo_set_source_rgb(cr, 0.95, 0.93, 0.8);
    cairo_arc(cr, w * 0.8, h * 0.3, h * 0.04, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.25, 0.15, 0.08);
    cairo_set_line_width(cr, 5);
    cairo_rectangle(cr, w * 0.62, h * 0.22, w * 0.28, h * 0.3);
    cairo_stroke(cr);
    cairo_rectangle(cr, w * 0.08, h * 0.26, w * 0.2, h * 0.32);
    SetColor(cr, Palette::kNeonPink, 0.8);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.05, 0.02, 0.08);
    ShapeStar(cr, w * 0.18, h * 0.42, h * 0.1, h * 0.04, 5);
    RoundRect(cr, w * 0.05, h * 0.7, w * 0.6, h * 0.2, 8);
    cairo_set_source_rgb(cr, 0.35, 0.1, 0.12);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.05, 0.03, 0.02);
    ShapeGuitar(cr, w * 0.78, h * 0.7, h * 0.42, 0.25);
}

void ArenaGold(ArtCanvas& c) {
    StageScene(c, 4, 3, Palette::kNeonCyan, 44);
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    // A gold disc hangs above the stage.
    cairo_pattern_t* pat = cairo_pattern_create_radial(w * 0.5, h * 0.38, 2, w * 0.5, h * 0.38, h * 0.14);
    cairo_pattern_add_color_stop_rgb(pat, 0, 1, 0.95, 0.7);
    cairo_pattern_add_color_stop_rgb(pat, 0.3, 0.85, 0.65, 0.2);
    cairo_pattern_add_color_stop_rgb(pat, 1, 0.55, 0.38, 0.08);
    cairo_arc(cr, w * 0.5, h * 0.38, h * 0.14, 0, 2 * M_PI);
    cairo_set_source(cr, pat);
    cairo_fill(cr);
    cairo_pattern_destroy(pat);
    cairo_set_source_rgb(cr, 0.1, 0.08, 0.02);
    cairo_arc(cr, w * 0.5, h * 0.38, h * 0.02, 0, 2 * M_PI);
    cairo_fill(cr);
}

// Rounded leather key with brass rim used for every control-panel and small button.
void KeyCap(ArtCanvas& c, bool lit, const ArtColor& neon) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
    RoundRect(cr, 2, 4, w - 3, h - 4, w * 0.18);
    cairo_fill(cr);
    cairo_pattern_t* pat = cairo_pattern_create_linear(0, 0, 0, h);
    const ArtColor top = lit ? Mix(Palette::kLeather, neon, 0.25) : Mix(Palette::kLeather, {1, 1, 1, 1}, 0.08);
    cairo_pattern_add_color_stop_rgb(pat, 0, top.r * 1.3, top.g * 1.3, top.b * 1.3);
    cairo_pattern_add_color_stop_rgb(pat, 1, Palette::kLeatherDark.r, Palette::kLeatherDark.g,
                                     Palette::kLeatherDark.b);
    RoundRect(cr, 1, 1, w - 3, h - 4, w * 0.18);
    cairo_set_source(cr, pat);
    cairo_fill(cr);
    cairo_pattern_destroy(pat);
    BrassFrame(cr, 1, 1, w - 3, h - 4, w * 0.18, std::max(2.0, w / 24.0));
    if (lit) Glow(cr, w / 2, h / 2, w * 0.5, neon, 0.35);
}

void IconInk(cairo_t* cr, bool lit, const ArtColor& neon) {
    SetColor(cr, lit ? Mix(neon, {1, 1, 1, 1}, 0.45) : Mix(Palette::kCream, Palette::kBrass, 0.4));
}

Draw PanelButton(const std::function<void(cairo_t*, double)>& icon, bool lit) {
    return [icon, lit](ArtCanvas& c) {
        KeyCap(c, lit, Palette::kNeonCyan);
        cairo_t* cr = c.cr();
        if (lit) {
            // Glow under the symbol: draw it blurred by stacking wide translucent copies.
            for (int i = 0; i < 3; ++i) {
                cairo_save(cr);
                cairo_push_group(cr);
                SetColor(cr, Palette::kNeonCyan);
                icon(cr, c.width());
                cairo_pop_group_to_source(cr);
                cairo_paint_with_alpha(cr, 0.2);
                cairo_restore(cr);
            }
        }
        IconInk(cr, lit, Palette::kNeonCyan);
        icon(cr, c.width());
    };
}

void IconStudio(cairo_t* cr, double s) {
    ShapeMic(cr, s * 0.5, s * 0.5, s * 0.8);
    cairo_arc(cr, s * 0.5, s * 0.22, s * 0.03, 0, 2 * M_PI);
}
void IconBookGig(cairo_t* cr, double s) {
    // A ticket with a star.
    cairo_save(cr);
    cairo_translate(cr, s / 2, s / 2);
    cairo_rotate(cr, -0.25);
    RoundRect(cr, -s * 0.33, -s * 0.18, s * 0.66, s * 0.36, s * 0.05);
    cairo_set_line_width(cr, s * 0.045);
    cairo_stroke(cr);
    ShapeStar(cr, -s * 0.12, 0, s * 0.12, s * 0.05, 5);
    cairo_rectangle(cr, s * 0.06, -s * 0.07, s * 0.18, s * 0.03);
    cairo_rectangle(cr, s * 0.06, s * 0.02, s * 0.14, s * 0.03);
    cairo_fill(cr);
    cairo_restore(cr);
}
void IconWriteSong(cairo_t* cr, double s) {
    ShapeNote(cr, s * 0.36, s * 0.66, s * 0.38);
    cairo_save(cr);
    cairo_translate(cr, s * 0.64, s * 0.48);
    cairo_rotate(cr, 0.6);
    cairo_rectangle(cr, -s * 0.04, -s * 0.26, s * 0.08, s * 0.4);
    cairo_fill(cr);
    cairo_move_to(cr, -s * 0.04, s * 0.16);
    cairo_line_to(cr, 0, s * 0.26);
    cairo_line_to(cr, s * 0.04, s * 0.16);
    cairo_fill(cr);
    cairo_restore(cr);
}
void IconRehearsal(cairo_t* cr, double s) { ShapeDrumKit(cr, s * 0.5, s * 0.5, s * 0.7); }
void IconAuditions(cairo_t* cr, double s) {
    ShapePerson(cr, s * 0.5, s * 0.88, s * 0.72, 2);
    cairo_set_line_width(cr, s * 0.03);
    cairo_arc(cr, s * 0.5, s * 0.9, s * 0.3, M_PI * 1.05, M_PI * 1.95);
    cairo_stroke(cr);
}
void IconShopping(cairo_t* cr, double s) {
    ShapeGuitar(cr, s * 0.42, s * 0.6, s * 0.5, 0.5);
    cairo_set_line_width(cr, s * 0.035);
    cairo_arc(cr, s * 0.72, s * 0.3, s * 0.13, 0, 2 * M_PI);
    cairo_stroke(cr);
    SelectFont(cr, ArtFont::SansBold, s * 0.18);
    TextCentered(cr, "$", s * 0.72, s * 0.36);
}
void IconPractice(cairo_t* cr, double s) {
    cairo_set_line_width(cr, s * 0.02);
    for (int i = 0; i < 5; ++i) {
        cairo_move_to(cr, s * 0.15, s * (0.3 + 0.09 * i));
        cairo_line_to(cr, s * 0.85, s * (0.3 + 0.09 * i));
    }
    cairo_stroke(cr);
    ShapeNote(cr, s * 0.36, s * 0.66, s * 0.34);
    ShapeNote(cr, s * 0.6, s * 0.57, s * 0.34);
}
void IconToday(cairo_t* cr, double s) {
    RoundRect(cr, s * 0.2, s * 0.22, s * 0.6, s * 0.58, s * 0.06);
    cairo_set_line_width(cr, s * 0.045);
    cairo_stroke(cr);
    cairo_rectangle(cr, s * 0.2, s * 0.22, s * 0.6, s * 0.13);
    cairo_fill(cr);
    SelectFont(cr, ArtFont::SansBold, s * 0.3);
    TextCentered(cr, "1", s * 0.5, s * 0.7);
}
void IconQuit(cairo_t* cr, double s) {
    cairo_set_line_width(cr, s * 0.07);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_arc(cr, s * 0.5, s * 0.54, s * 0.24, -M_PI * 0.3, M_PI * 1.3);
    cairo_stroke(cr);
    cairo_move_to(cr, s * 0.5, s * 0.22);
    cairo_line_to(cr, s * 0.5, s * 0.5);
    cairo_stroke(cr);
}

Draw ArrowButton(double angle, bool lit) {
    return [angle, lit](ArtCanvas& c) {
        KeyCap(c, lit, Palette::kNeonAmber);
        cairo_t* cr = c.cr();
        const double s = c.width();
        cairo_save(cr);
        cairo_translate(cr, s / 2, s / 2 - 1);
        cairo_rotate(cr, angle);
        cairo_move_to(cr, s * 0.22, 0);
        cairo_line_to(cr, -s * 0.14, -s * 0.22);
        cairo_line_to(cr, -s * 0.14, s * 0.22);
        cairo_close_path(cr);
        IconInk(cr, lit, Palette::kNeonAmber);
        cairo_fill(cr);
        cairo_restore(cr);
    };
}

Draw CloseButton(bool lit) {
    return [lit](ArtCanvas& c) {
        cairo_t* cr = c.cr();
        const double s = c.width();
        cairo_arc(cr, s / 2, s / 2, s / 2 - 1, 0, 2 * M_PI);
        SetColor(cr, lit ? Rgb(0xd02020) : Rgb(0x701010));
        cairo_fill(cr);
        BrassFrame(cr, 1, 1, s - 2, s - 2, s / 2, 2.5);
        cairo_set_line_width(cr, s * 0.12);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_source_rgb(cr, 1, lit ? 1 : 0.85, lit ? 1 : 0.8);
        cairo_move_to(cr, s * 0.33, s * 0.33);
        cairo_line_to(cr, s * 0.67, s * 0.67);
        cairo_move_to(cr, s * 0.67, s * 0.33);
        cairo_line_to(cr, s * 0.33, s * 0.67);
        cairo_stroke(cr);
    };
}

// Frame images for the nine-slice box: dark leather centre, brass rim, soft shadow.
Draw FrameBox(const ArtColor& rim, bool lit, double shadow) {
    return [rim, lit, shadow](ArtCanvas& c) {
        cairo_t* cr = c.cr();
        const double w = c.width(), h = c.height();
        for (int i = 0; i < 6; ++i) {
            RoundRect(cr, i * 0.5 + shadow, i * 0.5 + shadow, w - i - shadow, h - i - shadow, 12);
            cairo_set_source_rgba(cr, 0, 0, 0, shadow > 0 ? 0.08 : 0);
            cairo_fill(cr);
        }
        const double inset = shadow > 0 ? shadow : 0;
        RoundRect(cr, 2, 2, w - 4 - inset, h - 4 - inset, 10);
        cairo_pattern_t* pat = cairo_pattern_create_linear(0, 0, 0, h);
        const ArtColor top = lit ? Mix(Palette::kLeather, Palette::kNeonAmber, 0.3) : Palette::kLeather;
        cairo_pattern_add_color_stop_rgba(pat, 0, top.r * 1.2, top.g * 1.2, top.b * 1.2, 0.96);
        cairo_pattern_add_color_stop_rgba(pat, 1, Palette::kLeatherDark.r, Palette::kLeatherDark.g,
                                          Palette::kLeatherDark.b, 0.96);
        cairo_set_source(cr, pat);
        cairo_fill(cr);
        cairo_pattern_destroy(pat);
        RoundRect(cr, 2.5, 2.5, w - 5 - inset, h - 5 - inset, 10);
        SetColor(cr, rim);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        RoundRect(cr, 5, 5, w - 10 - inset, h - 10 - inset, 8);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.12);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    };
}

Draw Led(const ArtColor& col, double size) {
    return [col, size](ArtCanvas& c) {
        cairo_t* cr = c.cr();
        const double w = c.width(), h = c.height();
        cairo_set_source_rgb(cr, 0.08, 0.06, 0.05);
        cairo_paint(cr);
        RoundRect(cr, 1, 1, w - 2, h - 2, std::min(w, h) * size);
        cairo_pattern_t* pat = cairo_pattern_create_radial(w * 0.4, h * 0.35, 0, w / 2, h / 2, std::max(w, h) * 0.6);
        cairo_pattern_add_color_stop_rgb(pat, 0, std::min(1.0, col.r + 0.6), std::min(1.0, col.g + 0.6),
                                         std::min(1.0, col.b + 0.6));
        cairo_pattern_add_color_stop_rgb(pat, 0.5, col.r, col.g, col.b);
        cairo_pattern_add_color_stop_rgb(pat, 1, col.r * 0.35, col.g * 0.35, col.b * 0.35);
        cairo_set_source(cr, pat);
        cairo_fill(cr);
        cairo_pattern_destroy(pat);
    };
}

Draw PostIt(const ArtColor& paper, std::uint32_t seed) {
    return [paper, seed](ArtCanvas& c) {
        cairo_t* cr = c.cr();
        const double w = c.width(), h = c.height();
        // Shadow, then the slightly curled sheet.
        cairo_move_to(cr, 8, 10);
        cairo_line_to(cr, w - 2, 8);
        cairo_line_to(cr, w - 3, h - 2);
        cairo_curve_to(cr, w * 0.6, h - 6, w * 0.3, h, 6, h - 1);
        cairo_close_path(cr);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
        cairo_fill(cr);
        cairo_move_to(cr, 4, 4);
        cairo_line_to(cr, w - 6, 4);
        cairo_line_to(cr, w - 6, h - 10);
        cairo_curve_to(cr, w * 0.6, h - 14, w * 0.3, h - 6, 4, h - 7);
        cairo_close_path(cr);
        cairo_pattern_t* pat = cairo_pattern_create_linear(0, 0, w * 0.3, h);
        cairo_pattern_add_color_stop_rgb(pat, 0, std::min(1.0, paper.r * 1.08), std::min(1.0, paper.g * 1.08),
                                         std::min(1.0, paper.b * 1.08));
        cairo_pattern_add_color_stop_rgb(pat, 1, paper.r * 0.85, paper.g * 0.85, paper.b * 0.85);
        cairo_set_source(cr, pat);
        cairo_fill(cr);
        cairo_pattern_destroy(pat);
        // Sticky strip along the top.
        cairo_rectangle(cr, 4, 4, w - 10, h * 0.12);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.06);
        cairo_fill(cr);
        AddGrain(c, 0.03, seed);
    };
}

Draw JigsawNotes(int notes) {
    return [notes](ArtCanvas& c) {
        cairo_t* cr = c.cr();
        const double w = c.width(), h = c.height();
        cairo_set_source_rgba(cr, 0.1, 0.08, 0.25, 0.55);
        cairo_set_line_width(cr, 1);
        for (int i = 0; i < 5; ++i) {
            cairo_move_to(cr, 2, h * (0.3 + 0.1 * i));
            cairo_line_to(cr, w - 2, h * (0.3 + 0.1 * i));
        }
        cairo_stroke(cr);
        cairo_set_source_rgba(cr, 0.08, 0.05, 0.2, 0.95);
        for (int i = 0; i < notes; ++i) {
            const double x = w * (i + 0.6) / (notes + 0.4);
            const double y = h * (0.78 - 0.1 * ((i * 3 + notes) % 4));
            ShapeNote(cr, x, y, h * 0.5);
        }
    };
}

// A connector of a puzzle piece: a half disc, flat against the piece's edge and bulging into
// it, white so the screen tints it with the connector's colour. Two neighbours' connectors meet
// at the edge as one disc.
Draw JigsawConnector(bool leftEdge) {
    return [leftEdge](ArtCanvas& c) {
        cairo_t* cr = c.cr();
        const double w = c.width(), h = c.height();
        const double edge = leftEdge ? 0.0 : w;
        const double r = std::min(w, h / 2.0) - 1.0;
        if (leftEdge) cairo_arc(cr, edge, h / 2, r, -M_PI / 2, M_PI / 2);
        else cairo_arc(cr, edge, h / 2, r, M_PI / 2, 3 * M_PI / 2);
        cairo_close_path(cr);
        // Lit from above: the tint keeps the shading.
        cairo_pattern_t* pat = cairo_pattern_create_linear(0, 0, 0, h);
        cairo_pattern_add_color_stop_rgb(pat, 0, 1, 1, 1);
        cairo_pattern_add_color_stop_rgb(pat, 1, 0.62, 0.62, 0.62);
        cairo_set_source(cr, pat);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(pat);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.55);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    };
}

// The ring that lights up round two connectors that match; drawn faint where they do not.
void JigsawLink(ArtCanvas& c) {
    cairo_t* cr = c.cr();
    const double s = c.width();
    Glow(cr, s / 2, s / 2, s / 2, Rgb(0xffffff), 0.35);
    // A dark rim round the white keeps the ring plain on paper as on leather.
    cairo_arc(cr, s / 2, s / 2, s * 0.40, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0.1, 0.06, 0.02, 0.9);
    cairo_set_line_width(cr, s * 0.12);
    cairo_stroke_preserve(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_set_line_width(cr, s * 0.07);
    cairo_stroke(cr);
}

Draw Checkbox(bool checked) {
    return [checked](ArtCanvas& c) {
        cairo_t* cr = c.cr();
        const double s = c.width();
        if (!checked) {
            LcdPanel(cr, 1, 1, s - 2, s - 2, Palette::kLcd);
            BrassFrame(cr, 0, 0, s, s, 5, 2);
            return;
        }
        // The tick alone: it is drawn over the empty box.
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        for (int pass = 0; pass < 2; ++pass) {
            cairo_move_to(cr, s * 0.25, s * 0.52);
            cairo_line_to(cr, s * 0.43, s * 0.72);
            cairo_line_to(cr, s * 0.78, s * 0.26);
            cairo_set_line_width(cr, pass == 0 ? s * 0.28 : s * 0.12);
            SetColor(cr, Palette::kLcd, pass == 0 ? 0.25 : 1.0);
            cairo_stroke(cr);
        }
    };
}

void Cursor(ArtCanvas& c) {
    cairo_t* cr = c.cr();
    // Plectrum-shaped pointer; its hot spot is the top-left pixel.
    auto path = [cr](double dx, double dy) {
        cairo_move_to(cr, 1 + dx, 1 + dy);
        cairo_line_to(cr, 1 + dx, 24 + dy);
        cairo_line_to(cr, 7 + dx, 18 + dy);
        cairo_line_to(cr, 12 + dx, 28 + dy);
        cairo_line_to(cr, 16 + dx, 26 + dy);
        cairo_line_to(cr, 11 + dx, 16 + dy);
        cairo_line_to(cr, 19 + dx, 16 + dy);
        cairo_close_path(cr);
    };
    path(2, 2);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
    cairo_fill(cr);
    path(0, 0);
    cairo_pattern_t* pat = cairo_pattern_create_linear(0, 0, 16, 28);
    cairo_pattern_add_color_stop_rgb(pat, 0, 1, 0.92, 0.65);
    cairo_pattern_add_color_stop_rgb(pat, 1, 0.7, 0.5, 0.15);
    cairo_set_source(cr, pat);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(pat);
    cairo_set_source_rgb(cr, 0.2, 0.1, 0.02);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

// Soft round sprite for particles and light spots.
Draw SoftSprite(const ArtColor& col, double hardness) {
    return [col, hardness](ArtCanvas& c) {
        const double s = c.width();
        cairo_pattern_t* pat = cairo_pattern_create_radial(s / 2, s / 2, 0, s / 2, s / 2, s / 2);
        cairo_pattern_add_color_stop_rgba(pat, 0, 1, 1, 1, 1);
        cairo_pattern_add_color_stop_rgba(pat, hardness, col.r, col.g, col.b, 0.8);
        cairo_pattern_add_color_stop_rgba(pat, 1, col.r, col.g, col.b, 0);
        cairo_set_source(c.cr(), pat);
        cairo_paint(c.cr());
        cairo_pattern_destroy(pat);
    };
}

void SmokeSprite(ArtCanvas& c, std::uint32_t seed, double brightness) {
    std::uint32_t* px = c.Pixels();
    const int stride = cairo_image_surface_get_stride(c.surface()) / 4;
    const double s = c.width();
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            const double d = std::hypot(x - s / 2, y - s / 2) / (s / 2);
            const double n = FractalNoise(x / 14.0, y / 14.0, seed, 4);
            const double a = std::clamp((1 - d) * 1.6, 0.0, 1.0) * std::clamp(n * 1.5 - 0.25, 0.0, 1.0);
            const auto A = static_cast<std::uint32_t>(a * 255);
            const auto V = static_cast<std::uint32_t>(a * 255 * brightness);
            px[y * stride + x] = (A << 24) | (V << 16) | (V << 8) | V;
        }
    c.MarkDirty();
}

void SmokeLayer(ArtCanvas& c, std::uint32_t seed) {
    std::uint32_t* px = c.Pixels();
    const int stride = cairo_image_surface_get_stride(c.surface()) / 4;
    const double w = c.width(), h = c.height();
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            // The haze drifts round the stage: blended with itself a width along, its right edge
            // meets its left. It thins out towards the bottom, so its lower edge never shows.
            const double n = ((w - x) * FractalNoise(x / 90.0, y / 60.0, seed, 5) +
                              x * FractalNoise((x - w) / 90.0, y / 60.0, seed, 5)) / w;
            const double thinning = std::clamp((h - y) / (0.4 * h), 0.0, 1.0);
            const double v = std::clamp((n - 0.35) * 1.8, 0.0, 1.0) * 180 * thinning;
            const auto g = static_cast<std::uint32_t>(v);
            px[y * stride + x] = 0xFF000000u | (g << 16) | (g << 8) | static_cast<std::uint32_t>(std::min(255.0, v * 1.1));
        }
    c.MarkDirty();
}

// Additive light maps: dark everywhere except the coloured pools of light.
Draw LightMap(int variant) {
    return [variant](ArtCanvas& c) {
        cairo_t* cr = c.cr();
        const double w = c.width(), h = c.height();
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_paint(cr);
        const ArtColor colours[3][3] = {{Palette::kNeonPink, Palette::kNeonAmber, Palette::kNeonCyan},
                                        {Palette::kNeonCyan, Rgb(0x6040ff), Palette::kNeonCyan},
                                        {Palette::kNeonAmber, Rgb(0xff3010), Palette::kNeonAmber}};
        for (int i = 0; i < 3; ++i) {
            const double x = w * (0.2 + 0.3 * i + 0.05 * variant);
            LightCone(cr, x, 0, w * (0.25 + 0.25 * i), h * 0.95, w * 0.14, colours[variant][i], 0.55);
            Glow(cr, w * (0.25 + 0.25 * i), h * 0.85, w * 0.16, colours[variant][i], 0.5);
        }
    };
}

void Flash(ArtCanvas& c) {
    cairo_set_source_rgb(c.cr(), 0, 0, 0);
    cairo_paint(c.cr());
    Glow(c.cr(), c.width() / 2.0, c.height() * 0.7, c.width() * 0.7, {1, 0.9, 0.7, 1}, 1.0);
}

void Spotlight(ArtCanvas& c) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    cairo_pattern_t* pat = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgba(pat, 0, 1, 0.97, 0.85, 0.9);
    cairo_pattern_add_color_stop_rgba(pat, 1, 1, 0.9, 0.7, 0.0);
    cairo_move_to(cr, w * 0.45, 0);
    cairo_line_to(cr, 0, h);
    cairo_line_to(cr, w, h);
    cairo_line_to(cr, w * 0.55, 0);
    cairo_close_path(cr);
    cairo_set_source(cr, pat);
    cairo_fill(cr);
    cairo_pattern_destroy(pat);
    // Soften the cone's edges.
    cairo_pattern_t* side = cairo_pattern_create_linear(0, 0, w, 0);
    cairo_pattern_add_color_stop_rgba(side, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(side, 0.35, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(side, 0.65, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(side, 1, 0, 0, 0, 1);
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    cairo_set_source(cr, side);
    cairo_paint(cr);
    cairo_pattern_destroy(side);
}

void CeilingSpot(ArtCanvas& c) {
    cairo_t* cr = c.cr();
    const double s = c.width();
    RoundRect(cr, s * 0.2, s * 0.1, s * 0.6, s * 0.55, 6);
    cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
    cairo_fill(cr);
    cairo_rectangle(cr, s * 0.45, 0, s * 0.1, s * 0.12);
    cairo_fill(cr);
    Glow(cr, s / 2, s * 0.66, s * 0.34, {1, 0.95, 0.8, 1}, 1.0);
}

void Laser(ArtCanvas& c) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    cairo_pattern_t* pat = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgba(pat, 0, 0.2, 1, 0.3, 0);
    cairo_pattern_add_color_stop_rgba(pat, 0.4, 0.4, 1, 0.4, 0.6);
    cairo_pattern_add_color_stop_rgba(pat, 0.5, 1, 1, 1, 1);
    cairo_pattern_add_color_stop_rgba(pat, 0.6, 0.4, 1, 0.4, 0.6);
    cairo_pattern_add_color_stop_rgba(pat, 1, 0.2, 1, 0.3, 0);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, pat);
    cairo_fill(cr);
    cairo_pattern_destroy(pat);
}

void ComputerLight(ArtCanvas& c) {
    cairo_t* cr = c.cr();
    const double s = c.width();
    Glow(cr, s / 2, s / 2, s / 2, Palette::kNeonPink, 0.9);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3;
        cairo_arc(cr, s / 2 + std::cos(a) * s * 0.18, s / 2 + std::sin(a) * s * 0.18, s * 0.06, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

void Stonehenge(ArtCanvas& c) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    auto stone = [&](double x, double y, double sw, double sh) {
        cairo_pattern_t* pat = cairo_pattern_create_linear(x, y, x + sw, y);
        cairo_pattern_add_color_stop_rgb(pat, 0, 0.42, 0.40, 0.38);
        cairo_pattern_add_color_stop_rgb(pat, 1, 0.2, 0.19, 0.18);
        RoundRect(cr, x, y, sw, sh, 4);
        cairo_set_source(cr, pat);
        cairo_fill(cr);
        cairo_pattern_destroy(pat);
    };
    stone(w * 0.1, h * 0.3, w * 0.14, h * 0.7);
    stone(w * 0.36, h * 0.3, w * 0.14, h * 0.7);
    stone(w * 0.06, h * 0.14, w * 0.48, h * 0.18);
    stone(w * 0.62, h * 0.34, w * 0.14, h * 0.66);
    stone(w * 0.84, h * 0.5, w * 0.12, h * 0.5);
    AddGrain(c, 0.08, 91);
}

void Skull(ArtCanvas& c) {
    cairo_t* cr = c.cr();
    const double s = c.width();
    cairo_set_source_rgb(cr, 0.9, 0.87, 0.78);
    cairo_arc(cr, s / 2, s * 0.42, s * 0.34, 0, 2 * M_PI);
    cairo_fill(cr);
    RoundRect(cr, s * 0.3, s * 0.55, s * 0.4, s * 0.32, 8);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.05, 0.02, 0.02);
    cairo_arc(cr, s * 0.37, s * 0.45, s * 0.09, 0, 2 * M_PI);
    cairo_arc(cr, s * 0.63, s * 0.45, s * 0.09, 0, 2 * M_PI);
    cairo_fill(cr);
    Glow(cr, s * 0.37, s * 0.45, s * 0.06, Rgb(0xff2020), 1.0);
    Glow(cr, s * 0.63, s * 0.45, s * 0.06, Rgb(0xff2020), 1.0);
    cairo_move_to(cr, s / 2, s * 0.55);
    cairo_line_to(cr, s * 0.45, s * 0.64);
    cairo_line_to(cr, s * 0.55, s * 0.64);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 0.05, 0.02, 0.02);
    cairo_fill(cr);
    cairo_set_line_width(cr, 2);
    for (int i = 0; i < 5; ++i) {
        cairo_move_to(cr, s * (0.36 + 0.07 * i), s * 0.72);
        cairo_line_to(cr, s * (0.36 + 0.07 * i), s * 0.85);
    }
    cairo_stroke(cr);
}

// Band silhouettes: black figures with a warm rim light so they read against the backdrop.
Draw Silhouette(int instrument) {
    return [instrument](ArtCanvas& c) {
        cairo_t* cr = c.cr();
        const double w = c.width(), h = c.height();
        cairo_push_group(cr);
        if (instrument == 5) {
            ShapeDrumKit(cr, w / 2, h * 0.7, w * 0.85);
            ShapeSeatedPerson(cr, w / 2, h * 0.62, h * 0.5);
        } else {
            ShapePerson(cr, w / 2, h * 0.99, h * 0.94, instrument == 3 ? 2 : 1);
            switch (instrument) {
                case 0: ShapeGuitar(cr, w * 0.52, h * 0.55, h * 0.34, 1.05); break;
                case 1: ShapeGuitar(cr, w * 0.52, h * 0.55, h * 0.36, 1.0, true); break;
                case 2: ShapeSax(cr, w * 0.5, h * 0.45, h * 0.3); break;
                case 3: ShapeMic(cr, w * 0.62, h * 0.55, h * 0.45); break;
                case 4: ShapeKeyboard(cr, w * 0.5, h * 0.55, w * 0.9); break;
                default: break;
            }
        }
        cairo_pattern_t* shape = cairo_pop_group(cr);
        // Rim: the shape offset up-left in amber, then the black body over it.
        cairo_save(cr);
        cairo_translate(cr, -1.5, -1.5);
        SetColor(cr, Palette::kNeonAmber, 0.8);
        cairo_mask(cr, shape);
        cairo_restore(cr);
        cairo_set_source_rgb(cr, 0.02, 0.015, 0.02);
        cairo_mask(cr, shape);
        cairo_pattern_destroy(shape);
    };
}

void VuMeter(ArtCanvas& c) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    FillWood(c, Palette::kWood, 5);
    RoundRect(cr, 6, 6, w - 12, h - 12, 6);
    cairo_pattern_t* pat = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(pat, 0, 1.0, 0.93, 0.72);
    cairo_pattern_add_color_stop_rgb(pat, 1, 0.85, 0.7, 0.45);
    cairo_set_source(cr, pat);
    cairo_fill(cr);
    cairo_pattern_destroy(pat);
    const double cx = w / 2, cy = h * 0.95, r = h * 0.72;
    cairo_set_line_width(cr, 1.2);
    for (int i = 0; i <= 10; ++i) {
        const double a = M_PI * (1.25 + 0.5 * i / 10.0);
        cairo_set_source_rgb(cr, i >= 8 ? 0.75 : 0.15, 0.08, 0.05);
        cairo_move_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
        cairo_line_to(cr, cx + std::cos(a) * r * (i % 5 == 0 ? 0.82 : 0.9), cy + std::sin(a) * r * (i % 5 == 0 ? 0.82 : 0.9));
        cairo_stroke(cr);
    }
    cairo_set_line_width(cr, 3);
    cairo_set_source_rgb(cr, 0.75, 0.08, 0.05);
    cairo_arc(cr, cx, cy, r * 1.04, M_PI * 1.65, M_PI * 1.75);
    cairo_stroke(cr);
    cairo_set_source_rgb(cr, 0.15, 0.08, 0.05);
    SelectFont(cr, ArtFont::SansBold, h * 0.14);
    TextCentered(cr, "VU", cx, cy - r * 0.35);
    BrassFrame(cr, 0, 0, w, h, 8, 3);
}

void VuNeedle(ArtCanvas& c) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    cairo_move_to(cr, w / 2 - 1, 0);
    cairo_line_to(cr, w / 2 + 1, 0);
    cairo_line_to(cr, w / 2 + 2, h);
    cairo_line_to(cr, w / 2 - 2, h);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 0.1, 0.05, 0.03);
    cairo_fill(cr);
}

void ProgressBar(ArtCanvas& c, bool full) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    RoundRect(cr, 0, 0, w, h, h / 2.5);
    cairo_set_source_rgb(cr, 0.05, 0.03, 0.02);
    cairo_fill(cr);
    if (full) {
        cairo_pattern_t* pat = cairo_pattern_create_linear(0, 0, w, 0);
        cairo_pattern_add_color_stop_rgb(pat, 0, 0.9, 0.35, 0.05);
        cairo_pattern_add_color_stop_rgb(pat, 0.6, 1.0, 0.7, 0.2);
        cairo_pattern_add_color_stop_rgb(pat, 1, 1.0, 0.3, 0.5);
        RoundRect(cr, 3, 3, w - 6, h - 6, h / 3);
        cairo_set_source(cr, pat);
        cairo_fill(cr);
        cairo_pattern_destroy(pat);
        RoundRect(cr, 5, 4, w - 10, (h - 8) * 0.4, h / 4);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.3);
        cairo_fill(cr);
    } else {
        LcdPanel(cr, 2, 2, w - 4, h - 4, Palette::kLcd);
    }
    BrassFrame(cr, 0, 0, w, h, h / 2.5, 2);
}

void Backdrop(ArtCanvas& c, const ArtColor& leather, const std::string& title, const ArtColor& neon,
              std::uint32_t seed) {
    FillLeather(c, leather, seed);
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    Stitching(cr, 24, 24, w - 48, h - 48, 18, Mix(Palette::kBrass, leather, 0.3));
    Glow(cr, w / 2, h * 0.25, w * 0.45, neon, 0.12);
    if (!title.empty()) {
        SelectFont(cr, ArtFont::Condensed, 96);
        NeonText(cr, title, w / 2, h * 0.2, neon);
    }
    Vignette(cr, w, h, 0.7);
}

void DeskSkin(ArtCanvas& c, const ArtColor& wood, const ArtColor& accent, std::uint32_t seed, bool brick) {
    const double w = c.width(), h = c.height();
    if (brick) BrickWall(c, accent, seed);
    else FillWood(c, wood, seed);
    cairo_t* cr = c.cr();
    // Leather desk mat where the windows sit, with brass studs.
    ArtCanvas mat(c.width() - 120, c.height() - 200);
    FillLeather(mat, Palette::kLeather, seed + 5);
    cairo_set_source_surface(cr, mat.surface(), 60, 110);
    RoundRect(cr, 60, 110, w - 120, h - 200, 20);
    cairo_fill(cr);
    Stitching(cr, 72, 122, w - 144, h - 224, 14, Mix(Palette::kBrass, accent, 0.2));
    for (double x = 80; x < w - 60; x += 60) {
        Glow(cr, x, 95, 7, Palette::kBrass, 1.0);
        Glow(cr, x, h - 75, 7, Palette::kBrass, 1.0);
    }
    Glow(cr, w * 0.85, 40, 220, accent, 0.25);
    Glow(cr, w * 0.1, h - 20, 200, accent, 0.15);
    Vignette(cr, w, h, 0.6);
}

Draw SkinLcd(const ArtColor& glow, bool lit) {
    return [glow, lit](ArtCanvas& c) {
        cairo_t* cr = c.cr();
        cairo_set_source_rgb(cr, 0.08, 0.05, 0.03);
        cairo_paint(cr);
        LcdPanel(cr, 0, 0, c.width(), c.height(), lit ? Mix(glow, {1, 1, 1, 1}, 0.3) : glow);
        if (lit) Glow(cr, c.width() / 2.0, c.height() / 2.0, c.width() * 0.5, glow, 0.25);
        BrassFrame(cr, 0, 0, c.width(), c.height(), 5, 2);
    };
}

Draw ScenePicture(const std::function<void(ArtCanvas&)>& scene, const std::string& caption, const ArtColor& neon) {
    return [scene, caption, neon](ArtCanvas& c) {
        scene(c);
        if (!caption.empty()) SceneCaption(c, caption, neon);
        else BrassFrame(c.cr(), 0, 0, c.width(), c.height(), 6, 4);
    };
}

// Instrument picture of an audition button.
Draw AuditionPicture(int instrument, bool lit) {
    return [instrument, lit](ArtCanvas& c) {
        cairo_t* cr = c.cr();
        const double s = c.width();
        FillLeather(c, lit ? Mix(Palette::kLeather, Palette::kNeonAmber, 0.35) : Palette::kLeather, 300 + instrument);
        if (lit) Glow(cr, s / 2, s / 2, s * 0.6, Palette::kNeonAmber, 0.5);
        SetColor(cr, lit ? Rgb(0xfff2d0) : Mix(Palette::kCream, Palette::kBrass, 0.5));
        switch (instrument) {
            case 0: ShapeKeyboard(cr, s / 2, s * 0.45, s * 0.8); break;
            case 1: ShapeDrumKit(cr, s / 2, s / 2, s * 0.75); break;
            case 2: ShapeGuitar(cr, s / 2, s * 0.55, s * 0.55, 0.6, true); break;
            case 3: ShapeGuitar(cr, s / 2, s * 0.58, s * 0.55, 0.6); break;
            case 4: ShapeSax(cr, s * 0.45, s * 0.52, s * 0.75); break;
            default: ShapeMic(cr, s / 2, s / 2, s * 0.8); break;
        }
        BrassFrame(cr, 0, 0, s, s, 10, 4);
    };
}

void Stamp(ArtCanvas& c, const std::string& text) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, -0.35);
    SelectFont(cr, ArtFont::Condensed, 30);
    FitFont(cr, ArtFont::Condensed, text, w * 0.8, h * 0.22);
    const double tw = TextWidth(cr, text);
    RoundRect(cr, -tw / 2 - 10, -h * 0.16, tw + 20, h * 0.3, 6);
    cairo_set_source_rgba(cr, 0.85, 0.08, 0.05, 0.9);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    TextCentered(cr, text, 0, h * 0.07);
}

Draw ScrollArrow(double angle) {
    return [angle](ArtCanvas& c) {
        cairo_t* cr = c.cr();
        const double s = c.width();
        PostIt(Rgb(0xfff27a), 7)(c);
        cairo_translate(cr, s / 2 - 1, s / 2 - 3);
        cairo_rotate(cr, angle);
        cairo_move_to(cr, s * 0.22, 0);
        cairo_line_to(cr, -s * 0.12, -s * 0.2);
        cairo_line_to(cr, -s * 0.12, s * 0.2);
        cairo_close_path(cr);
        cairo_set_source_rgb(cr, 0.12, 0.1, 0.3);
        cairo_fill(cr);
    };
}

Draw DiceButton(bool white) {
    return [white](ArtCanvas& c) {
        cairo_t* cr = c.cr();
        const double s = c.width();
        RoundRect(cr, 2, 2, s - 4, s - 4, s * 0.2);
        cairo_set_source_rgb(cr, white ? 0.97 : 0.75, white ? 0.97 : 0.12, white ? 0.95 : 0.1);
        cairo_fill_preserve(cr);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.6);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        if (white) cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
        else cairo_set_source_rgb(cr, 1, 1, 1);
        ShapeDice(cr, 2, 2, s - 4, 5);
    };
}

Draw CalendarIcon(bool gig) {
    return [gig](ArtCanvas& c) {
        cairo_t* cr = c.cr();
        const double s = c.width();
        if (gig) {
            cairo_set_source_rgb(cr, 0.05, 0.02, 0.02);
            ShapeStar(cr, s / 2, s / 2 + 1, s * 0.48, s * 0.22, 5);
            SetColor(cr, Palette::kNeonAmber);
            ShapeStar(cr, s / 2, s / 2, s * 0.44, s * 0.2, 5);
        } else {
            PostIt(Rgb(0xa8e6ff), 8)(c);
            cairo_set_source_rgb(cr, 0.1, 0.08, 0.3);
            ShapeNote(cr, s * 0.42, s * 0.68, s * 0.5);
        }
    };
}

// The notes' colours of the practice screen, which tints its staves and notes with them.
const int kPracticeNoteColours[5] = {0xff0c0c, 0x0cff0c, 0x0c0cff, 0xffff0c, 0xff0cff};

Draw PitchButton(int note) {
    return [note](ArtCanvas& c) {
        const ArtColor colour = Rgb(kPracticeNoteColours[note - 1]);
        KeyCap(c, true, colour);
        cairo_t* cr = c.cr();
        const double s = c.width();
        SetColor(cr, colour);
        cairo_arc(cr, s / 2, s / 2 - 1, s * 0.24, 0, 2 * M_PI);
        cairo_fill(cr);
        // Dark figures on the bright colours, light ones on the deep.
        const double light = 0.3 * colour.r + 0.59 * colour.g + 0.11 * colour.b;
        if (light > 0.5) cairo_set_source_rgb(cr, 0.08, 0.05, 0.03);
        else cairo_set_source_rgb(cr, 1, 1, 1);
        SelectFont(cr, ArtFont::SansBold, s * 0.34);
        TextCentered(cr, std::to_string(note), s / 2, s / 2 + s * 0.11);
    };
}

// A pitch row in greys, for the screen to tint with its note's colour: a dark panel, the
// row's line along the middle and a mark where each of the 64-pixel note slots lies.
void PracticeStave(ArtCanvas& c) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    RoundRect(cr, 0, 0, w, h, 5);
    cairo_set_source_rgb(cr, 0.16, 0.16, 0.16);
    cairo_fill(cr);
    RoundRect(cr, 2, 2, w - 4, h - 4, 4);
    cairo_set_source_rgb(cr, 0.30, 0.30, 0.30);
    cairo_fill(cr);
    RoundRect(cr, 4, 4, w - 8, (h - 8) * 0.4, 3);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.10);
    cairo_fill(cr);
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, 6, h / 2 + 0.5);
    cairo_line_to(cr, w - 6, h / 2 + 0.5);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.55);
    cairo_stroke(cr);
    for (double x = 32.5; x < w; x += 64) {
        cairo_move_to(cr, x, h / 2 - 5);
        cairo_line_to(cr, x, h / 2 + 5);
    }
    cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
    cairo_stroke(cr);
}

// The sounding note of the practice screen, white for the screen to tint.
void PracticeNote(ArtCanvas& c) {
    const double s = c.width();
    Glow(c.cr(), s / 2, s / 2, s / 2, {1, 1, 1, 1}, 0.45);
    cairo_set_source_rgb(c.cr(), 1, 1, 1);
    ShapeNote(c.cr(), s * 0.4, s * 0.7, s * 0.5);
}

void Icon(ArtCanvas& c) {
    cairo_t* cr = c.cr();
    const double s = c.width();
    RoundRect(cr, 2, 2, s - 4, s - 4, s * 0.22);
    cairo_set_source_rgb(cr, 0.16, 0.08, 0.05);
    cairo_fill(cr);
    BrassFrame(cr, 2, 2, s - 4, s - 4, s * 0.22, s * 0.06);
    SetColor(cr, Palette::kNeonPink);
    ShapeGuitar(cr, s * 0.5, s * 0.58, s * 0.5, 0.7);
    SelectFont(cr, ArtFont::Condensed, s * 0.42);
    NeonText(cr, "G", s * 0.34, s * 0.48, Palette::kNeonCyan);
}

void CdCover(ArtCanvas& c) {
    cairo_t* cr = c.cr();
    const double s = c.width();
    cairo_pattern_t* pat = cairo_pattern_create_linear(0, 0, s, s);
    cairo_pattern_add_color_stop_rgb(pat, 0, 0.25, 0.05, 0.2);
    cairo_pattern_add_color_stop_rgb(pat, 1, 0.05, 0.05, 0.15);
    cairo_set_source(cr, pat);
    cairo_paint(cr);
    cairo_pattern_destroy(pat);
    for (int i = 0; i < 6; ++i) {
        cairo_arc(cr, s / 2, s / 2, s * (0.1 + 0.06 * i), 0, 2 * M_PI);
        SetColor(cr, i % 2 ? Palette::kNeonPink : Palette::kNeonCyan, 0.35);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    cairo_set_source_rgb(cr, 0.95, 0.95, 0.95);
    cairo_arc(cr, s / 2, s / 2, s * 0.06, 0, 2 * M_PI);
    cairo_fill(cr);
    AddGrain(c, 0.04, 77);
}

void SongLcdWide(ArtCanvas& c) {
    cairo_set_source_rgb(c.cr(), 0.05, 0.04, 0.03);
    cairo_paint(c.cr());
    LcdPanel(c.cr(), 0, 0, c.width(), c.height(), Palette::kLcd);
}

void ClassicSong(ArtCanvas& c) {
    cairo_t* cr = c.cr();
    const double s = c.width();
    FillLeather(c, Rgb(0x402010), 12);
    cairo_pattern_t* pat = cairo_pattern_create_radial(s * 0.4, s * 0.4, 1, s / 2, s / 2, s * 0.42);
    cairo_pattern_add_color_stop_rgb(pat, 0, 1, 0.95, 0.7);
    cairo_pattern_add_color_stop_rgb(pat, 1, 0.7, 0.5, 0.1);
    cairo_arc(cr, s / 2, s / 2, s * 0.42, 0, 2 * M_PI);
    cairo_set_source(cr, pat);
    cairo_fill(cr);
    cairo_pattern_destroy(pat);
    cairo_set_source_rgb(cr, 0.35, 0.2, 0.02);
    ShapeStar(cr, s / 2, s / 2, s * 0.28, s * 0.12, 5);
}

void Rehearsal(ArtCanvas& c) { StageScene(c, 3, 0, Rgb(0x60a0ff), 61); }

void Relax(ArtCanvas& c) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    BrickWall(c, Palette::kNeonAmber, 70);
    FloorBoards(c, h * 0.7);
    // A sofa and a lamp.
    RoundRect(cr, w * 0.18, h * 0.5, w * 0.64, h * 0.32, 14);
    cairo_set_source_rgb(cr, 0.45, 0.12, 0.1);
    cairo_fill(cr);
    RoundRect(cr, w * 0.22, h * 0.38, w * 0.56, h * 0.2, 12);
    cairo_set_source_rgb(cr, 0.5, 0.15, 0.12);
    cairo_fill(cr);
    Glow(cr, w * 0.88, h * 0.35, h * 0.3, Palette::kNeonAmber, 0.6);
    cairo_set_source_rgb(cr, 0.1, 0.06, 0.03);
    cairo_rectangle(cr, w * 0.875, h * 0.38, w * 0.01, h * 0.45);
    cairo_fill(cr);
}

void LuxuryHome(ArtCanvas& c) {
    Relax(c);
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    // Gold discs on the wall and a chandelier.
    for (int i = 0; i < 3; ++i) {
        cairo_rectangle(cr, w * (0.2 + 0.22 * i), h * 0.08, w * 0.14, h * 0.2);
        cairo_set_source_rgb(cr, 0.15, 0.1, 0.05);
        cairo_fill(cr);
        cairo_arc(cr, w * (0.27 + 0.22 * i), h * 0.18, h * 0.07, 0, 2 * M_PI);
        SetColor(cr, Palette::kBrass);
        cairo_fill(cr);
    }
    Glow(cr, w * 0.5, h * 0.05, h * 0.2, {1, 0.95, 0.8, 1}, 0.7);
}

void Flyers(ArtCanvas& c, bool wall) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    if (wall) BrickWall(c, Palette::kNeonPink, 81);
    else FillWood(c, Palette::kWood, 82);
    const ArtColor papers[4] = {Rgb(0xfff27a), Rgb(0xff9ad0), Rgb(0xa8e6ff), Rgb(0xf4f0e6)};
    for (int i = 0; i < 14; ++i) {
        const double x = w * HashNoise(i, 1, 83), y = h * HashNoise(i, 2, 83);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, (HashNoise(i, 3, 83) - 0.5) * (wall ? 0.3 : 1.5));
        PaperWithShadow(cr, -w * 0.1, -h * 0.17, w * 0.2, h * 0.34, papers[i % 4], 0.4);
        cairo_set_source_rgb(cr, 0.1, 0.05, 0.1);
        SelectFont(cr, ArtFont::Condensed, h * 0.07);
        TextCentered(cr, "LIVE!", 0, -h * 0.06);
        ShapeStar(cr, 0, h * 0.07, h * 0.07, h * 0.03, 5);
        cairo_restore(cr);
    }
}

void OptionCancelled(ArtCanvas& c) {
    StageScene(c, 0, 0, Rgb(0x4050a0), 95);
    Stamp(c, "CANCELLED");
}

void OtherGig(ArtCanvas& c) { StageScene(c, 4, 2, Palette::kNeonPink, 97); }

void Practice(ArtCanvas& c) {
    Backdrop(c, Rgb(0x2a1a30), "", Palette::kNeonCyan, 101);
    cairo_t* cr = c.cr();
    SetColor(cr, Palette::kNeonCyan, 0.08);
    for (int i = 0; i < 14; ++i) ShapeNote(cr, 60 + 70.0 * i, 700 - 30.0 * (i % 5), 60);
}

// The club stage seen from the floor: the menu buttons stand in the middle, the band at the sides.
void MenuBackground(ArtCanvas& c) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    BrickWall(c, Palette::kNeonPink, 2);
    FloorBoards(c, h * 0.8);
    LightCone(cr, w * 0.2, 0, w * 0.16, h * 0.85, w * 0.1, Palette::kNeonAmber, 0.4);
    LightCone(cr, w * 0.8, 0, w * 0.84, h * 0.85, w * 0.1, Palette::kNeonCyan, 0.4);
    LightCone(cr, w * 0.5, 0, w * 0.5, h * 0.9, w * 0.2, Palette::kNeonPink, 0.18);
    SelectFont(cr, ArtFont::Condensed, 110);
    NeonText(cr, "GIGVALE", w / 2, h * 0.17, Palette::kNeonPink);
    SelectFont(cr, ArtFont::Condensed, 30);
    NeonText(cr, "LIVE TONIGHT", w / 2, h * 0.24, Palette::kNeonAmber);
    // Amp stacks and the band in silhouette at either side.
    for (int side = 0; side < 2; ++side) {
        const double x = side ? w * 0.9 : w * 0.1;
        RoundRect(cr, x - 60, h * 0.5, 120, h * 0.32, 4);
        cairo_set_source_rgb(cr, 0.05, 0.04, 0.04);
        cairo_fill(cr);
        for (int k = 0; k < 2; ++k) {
            cairo_arc(cr, x, h * (0.58 + 0.14 * k), 40, 0, 2 * M_PI);
            cairo_set_source_rgb(cr, 0.13, 0.11, 0.1);
            cairo_fill(cr);
        }
    }
    cairo_set_source_rgb(cr, 0.02, 0.015, 0.02);
    ShapePerson(cr, w * 0.2, h * 0.92, h * 0.5, 1);
    ShapeGuitar(cr, w * 0.205, h * 0.67, h * 0.18, 1.0);
    ShapePerson(cr, w * 0.8, h * 0.92, h * 0.5, 2);
    ShapeGuitar(cr, w * 0.805, h * 0.67, h * 0.2, -1.0, true);
    Vignette(cr, w, h, 0.8);
}

void Credits(ArtCanvas& c) {
    Backdrop(c, Palette::kLeather, "GIGVALE", Palette::kNeonPink, 103);
    cairo_t* cr = c.cr();
    const double w = c.width();
    SetColor(cr, Palette::kCream);
    SelectFont(cr, ArtFont::SerifBold, 28);
    TextCentered(cr, "A rock band career", w / 2, 260);
    SelectFont(cr, ArtFont::Sans, 20);
    const char* lines[] = {"Design and code: the Gigvale team", "Pictures and sounds: made by our own generators",
                           "Type: the DejaVu fonts", "Thanks for playing, and keep it loud."};
    for (int i = 0; i < 4; ++i) TextCentered(cr, lines[i], w / 2, 340 + 44.0 * i);
    SetColor(cr, Palette::kBrass);
    ShapeGuitar(cr, w / 2, 640, 120, 0.9);
}

void SliderTrack(ArtCanvas& c) {
    cairo_t* cr = c.cr();
    RoundRect(cr, 0, 0, c.width(), c.height(), c.height() / 2.0);
    cairo_set_source_rgb(cr, 0.05, 0.03, 0.02);
    cairo_fill(cr);
    RoundRect(cr, 1, 1, c.width() - 2, c.height() - 2, c.height() / 2.0 - 1);
    SetColor(cr, Palette::kBrassDark);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void SliderKnob(ArtCanvas& c) {
    cairo_t* cr = c.cr();
    const double s = c.width();
    cairo_pattern_t* pat = cairo_pattern_create_radial(s * 0.4, s * 0.35, 0, s / 2, s / 2, s / 2);
    cairo_pattern_add_color_stop_rgb(pat, 0, 1, 0.93, 0.7);
    cairo_pattern_add_color_stop_rgb(pat, 0.6, Palette::kBrass.r, Palette::kBrass.g, Palette::kBrass.b);
    cairo_pattern_add_color_stop_rgb(pat, 1, Palette::kBrassDark.r, Palette::kBrassDark.g, Palette::kBrassDark.b);
    cairo_arc(cr, s / 2, s / 2, s / 2 - 0.5, 0, 2 * M_PI);
    cairo_set_source(cr, pat);
    cairo_fill(cr);
    cairo_pattern_destroy(pat);
}

// Interview backdrops: a newspaper page, a radio booth and a web page.
void PrintInterview(ArtCanvas& c) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    FillWood(c, Palette::kWood, 120);
    cairo_save(cr);
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, -0.05);
    cairo_rectangle(cr, -w * 0.4, -h * 0.44, w * 0.8, h * 0.88);
    SetColor(cr, Rgb(0xf0ead8));
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
    SelectFont(cr, ArtFont::SerifBold, h * 0.09);
    TextCentered(cr, "THE NIGHT OWL", 0, -h * 0.32);
    cairo_rectangle(cr, -w * 0.36, -h * 0.28, w * 0.72, 2);
    cairo_fill(cr);
    cairo_rectangle(cr, -w * 0.36, -h * 0.22, w * 0.3, h * 0.3);
    cairo_set_source_rgb(cr, 0.35, 0.35, 0.35);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
    ShapePerson(cr, -w * 0.21, h * 0.08, h * 0.28, 2);
    cairo_set_source_rgb(cr, 0.45, 0.45, 0.45);
    for (int i = 0; i < 14; ++i) {
        const double x = i < 7 ? w * 0.0 : -w * 0.36;
        const double y = i < 7 ? -h * 0.2 + i * h * 0.045 : h * 0.12 + (i - 7) * h * 0.04;
        cairo_rectangle(cr, x, y, (i < 7 ? w * 0.36 : w * 0.72) * (0.75 + 0.25 * HashNoise(i, 0, 121)), 3);
    }
    cairo_fill(cr);
    cairo_restore(cr);
}

void RadioInterview(ArtCanvas& c) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    FillLeather(c, Rgb(0x1e2430), 122);
    // Acoustic foam on the wall, an ON AIR light, and the microphone.
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) {
            cairo_move_to(cr, x * w / 8 + 4, y * h * 0.12 + 4);
            cairo_line_to(cr, (x + 0.5) * w / 8, (y + 0.5) * h * 0.12);
            cairo_line_to(cr, (x + 1) * w / 8 - 4, y * h * 0.12 + 4);
            cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
            cairo_fill(cr);
        }
    RoundRect(cr, w * 0.36, h * 0.06, w * 0.28, h * 0.1, 6);
    cairo_set_source_rgb(cr, 0.3, 0.02, 0.02);
    cairo_fill(cr);
    SelectFont(cr, ArtFont::Condensed, h * 0.07);
    NeonText(cr, "ON AIR", w / 2, h * 0.135, Rgb(0xff3030));
    cairo_set_source_rgb(cr, 0.05, 0.05, 0.06);
    ShapeMic(cr, w * 0.5, h * 0.62, h * 0.6);
    RoundRect(cr, w * 0.1, h * 0.82, w * 0.8, h * 0.14, 6);
    cairo_fill(cr);
    for (int i = 0; i < 10; ++i) {
        SetColor(cr, i < 7 ? Palette::kLcd : Rgb(0xff4020));
        cairo_rectangle(cr, w * (0.15 + 0.07 * i), h * 0.87, w * 0.05, h * 0.04);
        cairo_fill(cr);
    }
}

void WebInterview(ArtCanvas& c) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    cairo_set_source_rgb(cr, 0.08, 0.08, 0.1);
    cairo_paint(cr);
    RoundRect(cr, w * 0.06, h * 0.06, w * 0.88, h * 0.88, 8);
    cairo_set_source_rgb(cr, 0.14, 0.12, 0.18);
    cairo_fill(cr);
    cairo_rectangle(cr, w * 0.06, h * 0.06, w * 0.88, h * 0.08);
    cairo_set_source_rgb(cr, 0.25, 0.2, 0.3);
    cairo_fill(cr);
    for (int i = 0; i < 3; ++i) {
        SetColor(cr, i == 0 ? Rgb(0xff5050) : i == 1 ? Rgb(0xffc040) : Rgb(0x50d050));
        cairo_arc(cr, w * (0.09 + 0.03 * i), h * 0.1, h * 0.012, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    SelectFont(cr, ArtFont::SansBold, h * 0.08);
    NeonText(cr, "ROCKZINE", w / 2, h * 0.26, Palette::kNeonCyan);
    cairo_rectangle(cr, w * 0.12, h * 0.33, w * 0.34, h * 0.4);
    SetColor(cr, Mix(Palette::kNeonPink, {0, 0, 0, 1}, 0.6));
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.05, 0.02, 0.05);
    ShapePerson(cr, w * 0.29, h * 0.73, h * 0.36, 1);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
    for (int i = 0; i < 8; ++i) cairo_rectangle(cr, w * 0.52, h * (0.35 + 0.05 * i), w * 0.36 * (0.7 + 0.3 * HashNoise(i, 1, 123)), 3);
    cairo_fill(cr);
}

void VideoScreen(ArtCanvas& c) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    cairo_set_source_rgb(cr, 0.02, 0.02, 0.04);
    cairo_paint(cr);
    LightMap(1)(c);
    cairo_set_source_rgb(cr, 0.01, 0.01, 0.02);
    ShapePerson(cr, w / 2, h * 0.98, h * 0.8, 2);
    for (double y = 0; y < h; y += 3) cairo_rectangle(cr, 0, y, w, 1);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_fill(cr);
    BrassFrame(cr, 0, 0, w, h, 4, 4);
}

void ParticleNote(ArtCanvas& c) {
    const double s = c.width();
    Glow(c.cr(), s / 2, s / 2, s / 2, Palette::kNeonCyan, 0.5);
    cairo_set_source_rgb(c.cr(), 1, 1, 1);
    ShapeNote(c.cr(), s * 0.4, s * 0.7, s * 0.5);
}

void Spark(ArtCanvas& c) {
    const double s = c.width();
    cairo_t* cr = c.cr();
    Glow(cr, s / 2, s / 2, s / 2, Palette::kNeonAmber, 0.8);
    cairo_set_source_rgba(cr, 1, 1, 0.9, 0.9);
    ShapeStar(cr, s / 2, s / 2, s * 0.48, s * 0.06, 4);
}

void Flame(ArtCanvas& c) {
    const double s = c.width();
    cairo_t* cr = c.cr();
    cairo_pattern_t* pat = cairo_pattern_create_radial(s / 2, s * 0.6, 0, s / 2, s * 0.55, s / 2);
    cairo_pattern_add_color_stop_rgba(pat, 0, 1, 1, 0.7, 1);
    cairo_pattern_add_color_stop_rgba(pat, 0.35, 1, 0.6, 0.1, 0.85);
    cairo_pattern_add_color_stop_rgba(pat, 0.7, 0.9, 0.15, 0.02, 0.4);
    cairo_pattern_add_color_stop_rgba(pat, 1, 0.5, 0.0, 0.0, 0);
    cairo_set_source(cr, pat);
    cairo_paint(cr);
    cairo_pattern_destroy(pat);
}

}  // namespace

std::vector<PictureRule> FixedPictureRules() {
    std::vector<PictureRule> r;
    auto add = [&r](const std::string& path, int w, int h, Draw draw) { r.push_back({path, w, h, std::move(draw)}); };

    // Backgrounds and the loading screen.
    add(kUi + "leather.jpg", 1024, 768, [](ArtCanvas& c) { Backdrop(c, Rgb(0x4a2614), "", Palette::kNeonAmber, 1); });
    add(kUi + "base_background.bmp", 1024, 768, MenuBackground);
    add(kUi + "progbar.bmp", 500, 32, [](ArtCanvas& c) { ProgressBar(c, true); });
    add(kUi + "credits.jpg", 1024, 768, Credits);
    add("icon.png", 64, 64, Icon);

    // Career stage pictures.
    add(kScenes + "gamemode_dreamer.jpg", 400, 300, ScenePicture(Bedroom, "DREAMER", Palette::kNeonPink));
    add(kScenes + "gamemode_amateur.jpg", 400, 300,
        ScenePicture([](ArtCanvas& c) { StageScene(c, 2, 1, Rgb(0x5060c0), 11); }, "AMATEUR", Palette::kNeonCyan));
    add(kScenes + "gamemode_gigging.jpg", 400, 300,
        ScenePicture([](ArtCanvas& c) { StageScene(c, 4, 2, Palette::kNeonPink, 12); }, "GIGGING", Palette::kNeonAmber));
    add(kScenes + "gamemode_signed.jpg", 400, 300, ScenePicture(ArenaGold, "SIGNED", Rgb(0xffe070)));

    // Frames, buttons, arrows, checkboxes, cursor.
    add(kUi + "button.dds", 64, 64, FrameBox(Palette::kBrassDark, false, 0));
    add(kUi + "button_h.dds", 64, 64, FrameBox(Palette::kBrass, true, 0));
    add(kUi + "window_sq_dropshadow.dds", 64, 64, FrameBox(Palette::kBrassDark, false, 5));
    add(kUi + "window_green.dds", 64, 64, [](ArtCanvas& c) {
        RoundRect(c.cr(), 3, 3, 58, 58, 10);
        SetColor(c.cr(), Palette::kLcd);
        cairo_set_line_width(c.cr(), 4);
        cairo_stroke(c.cr());
        RoundRect(c.cr(), 7, 7, 50, 50, 7);
        SetColor(c.cr(), Palette::kLcd, 0.35);
        cairo_set_line_width(c.cr(), 3);
        cairo_stroke(c.cr());
    });
    add(kUi + "button_close.dds", 32, 32, CloseButton(false));
    add(kUi + "button_close_h.dds", 32, 32, CloseButton(true));
    const std::pair<const char*, double> arrows[] = {{"left", M_PI}, {"right", 0}, {"up", -M_PI / 2}, {"down", M_PI / 2}};
    for (const auto& [name, angle] : arrows) {
        add(kUi + name + ".dds", 32, 32, ArrowButton(angle, false));
        add(kUi + name + "_h.dds", 32, 32, ArrowButton(angle, true));
    }
    add(kUi + "gui_checkbox.dds", 26, 26, Checkbox(false));
    add(kUi + "gui_checkbox_checked.dds", 26, 26, Checkbox(true));
    add(kUi + "cursor.dds", 32, 32, Cursor);
    add(kUi + "slider_track.dds", 128, 8, SliderTrack);
    add(kUi + "slider_knob.dds", 16, 16, SliderKnob);

    // Control panel.
    const std::pair<const char*, void (*)(cairo_t*, double)> panel[] = {
        {"studio", IconStudio},     {"bookgig", IconBookGig},   {"writesong", IconWriteSong},
        {"rehearsal", IconRehearsal}, {"auditions", IconAuditions}, {"shopping", IconShopping},
        {"practice", IconPractice}, {"today", IconToday},       {"quit", IconQuit}};
    for (const auto& [name, icon] : panel) {
        add(kPanel + "button_" + name + ".dds", 64, 64, PanelButton(icon, false));
        add(kPanel + "button_" + name + "_h.dds", 64, 64, PanelButton(icon, true));
    }
    add(kPanel + "ind_led_green.bmp", 16, 16, Led(Rgb(0x20d040), 0.5));
    add(kPanel + "ind_led_yellow.bmp", 16, 16, Led(Rgb(0xf0c020), 0.5));
    add(kPanel + "ind_led_red.bmp", 16, 16, Led(Rgb(0xe02020), 0.5));
    add(kPanel + "mix_led_green.bmp", 24, 10, Led(Rgb(0x20d040), 0.2));
    add(kPanel + "mix_led_yellow.bmp", 24, 10, Led(Rgb(0xf0c020), 0.2));
    add(kPanel + "mix_led_red.bmp", 24, 10, Led(Rgb(0xe02020), 0.2));
    add(kPanel + "mix_led_black.bmp", 24, 10, Led(Rgb(0x202020), 0.2));
    add(kPanel + "calender_note.dds", 32, 32, CalendarIcon(false));
    add(kPanel + "calendar_gig.dds", 32, 32, CalendarIcon(true));

    // Auditions.
    const char* instruments[] = {"keyboard", "drums", "bass", "guitar", "saxophone", "vocals"};
    for (int i = 0; i < 6; ++i) {
        add(kUi + "audition_" + instruments[i] + ".jpg", 128, 128, AuditionPicture(i, false));
        add(kUi + "audition_" + instruments[i] + "_h.jpg", 128, 128, AuditionPicture(i, true));
    }
    add(kUi + "audition_reject.dds", 32, 32, CloseButton(false));
    add(kUi + "audition_reject_h.dds", 32, 32, CloseButton(true));
    add(kUi + "rejected.dds", 128, 128, [](ArtCanvas& c) { Stamp(c, "REJECTED"); });

    // Songwriting and albums.
    add(kSongs + "postit1.dds", 128, 128, PostIt(Rgb(0xfff27a), 21));
    add(kSongs + "postit2.dds", 128, 128, PostIt(Rgb(0xff9ad0), 22));
    add(kSongs + "postit3.dds", 128, 128, PostIt(Rgb(0xa8e6ff), 23));
    for (int n = 2; n <= 5; ++n) add(kSongs + "jigsaw_" + std::to_string(n) + "notes1.dds", 96, 32, JigsawNotes(n));
    add(kSongs + "postit_scroll_left.dds", 48, 48, ScrollArrow(M_PI));
    add(kSongs + "postit_scroll_right.dds", 48, 48, ScrollArrow(0));
    add(kSongs + "jigsaw_connector_left.dds", 24, 48, JigsawConnector(true));
    add(kSongs + "jigsaw_connector_right.dds", 24, 48, JigsawConnector(false));
    add(kSongs + "jigsaw_link.dds", 48, 48, JigsawLink);
    add(kSongs + "random.dds", 32, 32, DiceButton(false));
    add(kSongs + "random_white.dds", 32, 32, DiceButton(true));
    add(kSongs + "classic_song.jpg", 80, 80, ClassicSong);
    add(kSongs + "ass_cd.bmp", 128, 128, CdCover);
    add(kSongs + "song_lcd_wide.bmp", 256, 24, SongLcdWide);

    // Practice.
    for (int n = 1; n <= 5; ++n) add(kSongs + "button_" + std::to_string(n) + ".dds", 48, 48, PitchButton(n));
    add(kSongs + "practice_note.dds", 32, 32, PracticeNote);
    add(kSongs + "practice.jpg", 1024, 768, Practice);
    // As long as a row's 13 note slots of 64 pixels, as high as the row.
    add(kSongs + "practice_stave.bmp", 832, 32, PracticeStave);
    add(kSongs + "practice_progress.bmp", 256, 16, [](ArtCanvas& c) { ProgressBar(c, true); });
    add(kSongs + "practice_progress_empty.bmp", 256, 16, [](ArtCanvas& c) { ProgressBar(c, false); });

    // Daily options, publicity and relaxation scenes.
    add(kScenes + "option_othergig.jpg", 160, 120, OtherGig);
    add(kScenes + "option_yourgig_cancelled.jpg", 160, 120, OptionCancelled);
    add(kScenes + "relax.jpg", 160, 120, Relax);
    add(kScenes + "rehearsal_room.jpg", 160, 120, Rehearsal);
    add(kScenes + "relax_home_luxury.jpg", 400, 300, ScenePicture(LuxuryHome, "", Palette::kNeonAmber));
    add(kScenes + "interview_print.jpg", 400, 300, PrintInterview);
    add(kScenes + "interview_radio.jpg", 400, 300, RadioInterview);
    add(kScenes + "interview_web.jpg", 400, 300, WebInterview);
    add(kScenes + "flyposters.jpg", 400, 300, ScenePicture([](ArtCanvas& c) { Flyers(c, true); }, "", {}));
    add(kScenes + "pileofflyers.jpg", 400, 300, ScenePicture([](ArtCanvas& c) { Flyers(c, false); }, "", {}));

    // Gig stage.
    add(kStage + "spotlight.dds", 128, 256, Spotlight);
    add(kStage + "ceiling_spot.dds", 64, 64, CeilingSpot);
    add(kStage + "laser.dds", 256, 8, Laser);
    for (int i = 1; i <= 3; ++i)
        add(kStage + "lasersmoke" + std::to_string(i) + ".jpg", 512, 256,
            [i](ArtCanvas& c) { SmokeLayer(c, 200 + static_cast<std::uint32_t>(i)); });
    add(kStage + "computer_light.dds", 128, 128, ComputerLight);
    add(kStage + "stonehenge.dds", 256, 128, Stonehenge);
    add(kStage + "skull.dds", 128, 128, Skull);
    for (int i = 0; i < 3; ++i) add(kStage + "gig_lightmap_" + std::to_string(i) + ".jpg", 512, 384, LightMap(i));
    add(kStage + "gig_lightmap_flash.jpg", 512, 384, Flash);
    const std::pair<const char*, int> band[] = {{"guitar", 0}, {"bass", 1}, {"sax", 2},
                                                {"vocals", 3}, {"keyboard", 4}, {"drummer", 5}};
    for (const auto& [name, kind] : band)
        add(kStage + "vector_" + name + ".dds", kind == 5 ? 256 : 128, 256, Silhouette(kind));
    add(kStage + "videoscreen.jpg", 256, 192, VideoScreen);
    add(kStage + "vumeter.jpg", 160, 96, VuMeter);
    add(kStage + "vuneedle.dds", 8, 64, VuNeedle);

    // Particle textures.
    add(kParticles + "particle_smoke.dds", 64, 64, [](ArtCanvas& c) { SmokeSprite(c, 301, 0.85); });
    add(kParticles + "particle_blacksmoke.dds", 64, 64, [](ArtCanvas& c) { SmokeSprite(c, 302, 0.12); });
    add(kParticles + "particle_flame.dds", 64, 64, Flame);
    add(kParticles + "particle_spark.dds", 32, 32, Spark);
    add(kParticles + "particle_glow.dds", 64, 64, SoftSprite({1, 0.85, 0.5, 1}, 0.15));
    add(kParticles + "particle_note.dds", 32, 32, ParticleNote);

    // Desktop skins: backdrop plus LCD panels, normal and highlighted.
    struct Skin {
        const char* name;
        ArtColor wood, accent;
        bool brick;
    };
    const Skin skins[] = {{"default", Palette::kWood, Palette::kNeonAmber, false},
                          {"neon", Palette::kWood, Palette::kNeonPink, true},
                          {"oak", Rgb(0x7a4a22), Palette::kNeonCyan, false}};
    for (const Skin& skin : skins) {
        const std::string base = kSkins + "skin_" + skin.name;
        const Skin s = skin;
        add(base + "_backdrop.bmp", 1024, 768, [s](ArtCanvas& c) { DeskSkin(c, s.wood, s.accent, 400, s.brick); });
        add(base + "_lcd.bmp", 256, 64, SkinLcd(s.accent, false));
        add(base + "_lcd_h.bmp", 256, 64, SkinLcd(s.accent, true));
    }
    return r;
}

bool MakePictures(const std::vector<PictureRule>& rules, const std::string& dataDir) {
    bool ok = true;
    for (const PictureRule& rule : rules) {
        ArtCanvas canvas(rule.width, rule.height);
        rule.draw(canvas);
        if (!canvas.Save(dataDir + "/" + rule.path)) {
            std::fprintf(stderr, "artgen: cannot write %s/%s\n", dataDir.c_str(), rule.path.c_str());
            ok = false;
        }
    }
    return ok;
}

void LoungeScene(ArtCanvas& canvas) { Relax(canvas); }
void GameIcon(ArtCanvas& canvas) { Icon(canvas); }

void LeatherKey(ArtCanvas& canvas, bool lit, const ArtColor& neon) { KeyCap(canvas, lit, neon); }
