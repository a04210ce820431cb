#include "ArtPortraits.h"

#include <cmath>
#include <cstdio>

namespace {

struct Person {
    bool female;
    ArtColor skin, hair, shirt, background;
    int hairStyle, clothes, beard, eyewear, earrings, hat;
    double faceWidth, jaw;
};

const ArtColor kSkins[] = {Rgb(0xf6d3b8), Rgb(0xeabd94), Rgb(0xd09a6a), Rgb(0xaf7a4f), Rgb(0x8a5a36), Rgb(0x5e3b24)};
const ArtColor kHair[] = {Rgb(0x141010), Rgb(0x3b2415), Rgb(0x6b4423), Rgb(0xc89a50), Rgb(0xe8d08a),
                          Rgb(0x9a3a1a), Rgb(0x9a9a9a), Rgb(0xd8408c), Rgb(0x3a6ad8), Rgb(0x40a060)};
const ArtColor kShirts[] = {Rgb(0x151515), Rgb(0x7a1010), Rgb(0x1c2c5a), Rgb(0x3a3a3a), Rgb(0x5a3a1a),
                            Rgb(0x204020), Rgb(0x602a70), Rgb(0xd0d0c8)};
const ArtColor kBackdrops[] = {Rgb(0x3a1d4a), Rgb(0x1d2f4a), Rgb(0x4a2a1a), Rgb(0x1a3a34), Rgb(0x4a1a26)};

Person MakePerson(bool female, int index) {
    const std::uint32_t seed = (female ? 5000u : 9000u) + static_cast<std::uint32_t>(index) * 7919u;
    auto pick = [seed](int salt, int count) {
        return static_cast<int>(HashNoise(salt, 3, seed) * count) % count;
    };
    Person p{};
    p.female = female;
    // Skin tones step through the range so every tone is well represented.
    p.skin = kSkins[(index + pick(1, 2)) % 6];
    const int hairPick = pick(2, 10);
    p.hair = kHair[hairPick < 7 || female || index % 3 == 0 ? hairPick : hairPick % 6];
    p.shirt = kShirts[pick(3, 8)];
    p.background = kBackdrops[pick(4, 5)];
    p.hairStyle = (index + pick(5, 3)) % 7;
    p.clothes = pick(6, 3);
    p.beard = female ? 0 : pick(7, 5);  // 0..1 none, 2 stubble, 3 beard, 4 moustache
    p.eyewear = pick(8, 6);             // 0..3 none, 4 glasses, 5 shades
    p.earrings = pick(9, 3);
    p.hat = pick(10, 8);                // 0..5 none, 6 beanie, 7 headband
    p.faceWidth = female ? 0.86 + 0.08 * HashNoise(11, 1, seed) : 0.92 + 0.1 * HashNoise(11, 1, seed);
    p.jaw = female ? 0.8 : 0.95 + 0.1 * HashNoise(12, 1, seed);
    return p;
}

ArtColor Shade(const ArtColor& c, double f) { return {c.r * f, c.g * f, c.b * f, c.a}; }

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void HairBack(cairo_t* cr, const Person& p, double s) {
    SetColor(cr, p.hair);
    switch (p.female ? p.hairStyle : (p.hairStyle == 2 ? 2 : -1)) {
        case 0: case 3: case 5:  // long hair falling past the shoulders
            RoundRect(cr, s * 0.24, s * 0.22, s * 0.52, s * 0.66, s * 0.2);
            cairo_fill(cr);
            break;
        case 1:  // bob
            RoundRect(cr, s * 0.26, s * 0.2, s * 0.48, s * 0.42, s * 0.16);
            cairo_fill(cr);
            break;
        case 2:  // long for men too: the rocker mane
            RoundRect(cr, s * 0.25, s * 0.2, s * 0.5, s * 0.6, s * 0.18);
            cairo_fill(cr);
            break;
        case 4:  // curls
            for (int i = 0; i < 14; ++i) {
                const double a = M_PI * (0.9 + 1.2 * i / 13.0);
                cairo_arc(cr, s * 0.5 + std::cos(a) * s * 0.25, s * 0.42 + std::sin(a) * s * 0.24, s * 0.08, 0, 2 * M_PI);
                cairo_fill(cr);
            }
            Ellipse(cr, s * 0.5, s * 0.55, s * 0.3, s * 0.22);
            cairo_fill(cr);
            break;
        default: break;
    }
}

void HairFront(cairo_t* cr, const Person& p, double s) {
    SetColor(cr, p.hair);
    const int style = p.hairStyle;
    if (!p.female && style == 5) return;  // shaved head
    if (!p.female && style == 3) {        // mohawk
        cairo_move_to(cr, s * 0.45, s * 0.36);
        for (int i = 0; i < 5; ++i) {
            cairo_line_to(cr, s * (0.47 + 0.03 * i), s * (0.06 + 0.02 * i));
            cairo_line_to(cr, s * (0.48 + 0.03 * i), s * 0.25);
        }
        cairo_line_to(cr, s * 0.56, s * 0.36);
        cairo_close_path(cr);
        cairo_fill(cr);
        return;
    }
    if (!p.female && style == 4) {  // spikes
        cairo_move_to(cr, s * 0.3, s * 0.34);
        for (int i = 0; i <= 6; ++i) {
            cairo_line_to(cr, s * (0.3 + 0.067 * i), s * (0.1 + 0.04 * (i % 2)));
            cairo_line_to(cr, s * (0.33 + 0.067 * i), s * 0.28);
        }
        cairo_line_to(cr, s * 0.7, s * 0.34);
        cairo_close_path(cr);
        cairo_fill(cr);
        return;
    }
    // A cap of hair over the top of the head with a fringe that varies by style.
    cairo_arc(cr, s * 0.5, s * 0.34, s * 0.2 * p.faceWidth + s * 0.02, M_PI, 2 * M_PI);
    cairo_fill(cr);
    cairo_move_to(cr, s * 0.3, s * 0.34);
    const double fringe = style % 2 ? 0.3 : 0.26;
    cairo_curve_to(cr, s * 0.36, s * (fringe + 0.06), s * 0.52, s * fringe, s * 0.7, s * 0.36);
    cairo_line_to(cr, s * 0.7, s * 0.3);
    cairo_line_to(cr, s * 0.3, s * 0.3);
    cairo_close_path(cr);
    cairo_fill(cr);
    if (p.female && style == 2) {  // ponytail over the shoulder
        Ellipse(cr, s * 0.73, s * 0.5, s * 0.06, s * 0.16);
        cairo_fill(cr);
    }
}

void Clothes(cairo_t* cr, const Person& p, double s) {
    // Shoulders.
    cairo_move_to(cr, s * 0.08, s);
    cairo_curve_to(cr, s * 0.1, s * 0.78, s * 0.28, s * 0.74, s * 0.4, s * 0.72);
    cairo_line_to(cr, s * 0.6, s * 0.72);
    cairo_curve_to(cr, s * 0.72, s * 0.74, s * 0.9, s * 0.78, s * 0.92, s);
    cairo_close_path(cr);
    SetColor(cr, p.shirt);
    cairo_fill(cr);
    if (p.clothes == 1) {  // leather jacket with lapels over a tee
        SetColor(cr, Rgb(0x101010));
        cairo_move_to(cr, s * 0.08, s);
        cairo_curve_to(cr, s * 0.1, s * 0.78, s * 0.28, s * 0.74, s * 0.4, s * 0.72);
        cairo_line_to(cr, s * 0.44, s);
        cairo_close_path(cr);
        cairo_fill(cr);
        cairo_move_to(cr, s * 0.92, s);
        cairo_curve_to(cr, s * 0.9, s * 0.78, s * 0.72, s * 0.74, s * 0.6, s * 0.72);
        cairo_line_to(cr, s * 0.56, s);
        cairo_close_path(cr);
        cairo_fill(cr);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.25);
        cairo_set_line_width(cr, 1);
        cairo_move_to(cr, s * 0.4, s * 0.72);
        cairo_line_to(cr, s * 0.36, s * 0.86);
        cairo_move_to(cr, s * 0.6, s * 0.72);
        cairo_line_to(cr, s * 0.64, s * 0.86);
        cairo_stroke(cr);
    } else if (p.clothes == 2) {  // a band tee with a star
        SetColor(cr, Mix(p.shirt, {1, 1, 1, 1}, 0.6));
        for (int i = 0; i < 10; ++i) {
            const double r = i % 2 ? s * 0.03 : s * 0.07;
            const double a = -M_PI / 2 + i * M_PI / 5;
            if (i == 0) cairo_move_to(cr, s * 0.5 + r * std::cos(a), s * 0.9 + r * std::sin(a));
            else cairo_line_to(cr, s * 0.5 + r * std::cos(a), s * 0.9 + r * std::sin(a));
        }
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    // Neckline.
    SetColor(cr, p.skin);
    cairo_move_to(cr, s * 0.42, s * 0.72);
    cairo_curve_to(cr, s * 0.45, s * 0.8, s * 0.55, s * 0.8, s * 0.58, s * 0.72);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void Eyes(cairo_t* cr, const Person& p, double s, int mood) {
    const double y = s * 0.45;
    const double openness = mood == 0 ? 0.45 : mood == 1 ? 0.7 : mood == 3 ? 0.75 : 1.0;
    for (int side = -1; side <= 1; side += 2) {
        const double x = s * 0.5 + side * s * 0.085;
        // Whites, iris, pupil; happy eyes squint into upward arcs.
        if (mood == 3) {
            cairo_set_source_rgb(cr, 0.1, 0.06, 0.04);
            cairo_set_line_width(cr, s * 0.018);
            cairo_arc(cr, x, y + s * 0.012, s * 0.032, M_PI * 1.1, M_PI * 1.9);
            cairo_stroke(cr);
        } else {
            cairo_set_source_rgb(cr, 0.97, 0.96, 0.94);
            Ellipse(cr, x, y, s * 0.038, s * 0.024 * openness);
            cairo_fill(cr);
            cairo_set_source_rgb(cr, 0.25, 0.18, 0.1);
            cairo_arc(cr, x, y + (mood <= 1 ? s * 0.006 : 0), s * 0.018 * std::min(1.0, openness + 0.2), 0, 2 * M_PI);
            cairo_fill(cr);
            cairo_set_source_rgb(cr, 0.02, 0.02, 0.02);
            cairo_arc(cr, x, y + (mood <= 1 ? s * 0.006 : 0), s * 0.008, 0, 2 * M_PI);
            cairo_fill(cr);
            if (mood <= 1) {  // heavy lids
                SetColor(cr, Shade(p.skin, 0.85));
                Ellipse(cr, x, y - s * 0.018, s * 0.042, s * 0.018);
                cairo_fill(cr);
            }
        }
        // Brows: raised inner ends when sad, relaxed arcs when happy.
        SetColor(cr, Shade(p.hair, 0.8));
        cairo_set_line_width(cr, s * 0.016);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        const double inner = mood == 0 ? -0.06 : mood == 1 ? -0.045 : mood == 3 ? -0.04 : -0.035;
        const double outer = mood == 0 ? -0.025 : mood == 1 ? -0.03 : mood == 3 ? -0.045 : -0.04;
        cairo_move_to(cr, x - side * s * 0.03, y + s * inner);
        cairo_curve_to(cr, x, y + s * (std::min(inner, outer) - 0.012), x + side * s * 0.03,
                       y + s * (outer - 0.004), x + side * s * 0.05, y + s * outer);
        cairo_stroke(cr);
    }
    if (mood == 0) {  // a tear
        cairo_set_source_rgba(cr, 0.6, 0.8, 1.0, 0.9);
        Ellipse(cr, s * 0.42, s * 0.52, s * 0.009, s * 0.016);
        cairo_fill(cr);
    }
}

void Mouth(cairo_t* cr, const Person& p, double s, int mood) {
    const double y = s * 0.605, half = mood == 3 ? s * 0.07 : s * 0.05;
    const ArtColor lips = p.female ? Rgb(0xa0303a) : Shade(p.skin, 0.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (mood == 3) {
        // Open grin with teeth.
        cairo_move_to(cr, s * 0.5 - half, y - s * 0.01);
        cairo_curve_to(cr, s * 0.5 - half * 0.5, y + s * 0.06, s * 0.5 + half * 0.5, y + s * 0.06, s * 0.5 + half,
                       y - s * 0.01);
        cairo_close_path(cr);
        cairo_set_source_rgb(cr, 0.3, 0.05, 0.05);
        cairo_fill_preserve(cr);
        cairo_save(cr);
        cairo_clip(cr);
        cairo_set_source_rgb(cr, 0.97, 0.96, 0.92);
        cairo_rectangle(cr, s * 0.5 - half, y - s * 0.02, half * 2, s * 0.022);
        cairo_fill(cr);
        cairo_restore(cr);
        SetColor(cr, lips);
        cairo_set_line_width(cr, s * 0.012);
        cairo_move_to(cr, s * 0.5 - half, y - s * 0.01);
        cairo_curve_to(cr, s * 0.5 - half * 0.5, y + s * 0.06, s * 0.5 + half * 0.5, y + s * 0.06, s * 0.5 + half,
                       y - s * 0.01);
        cairo_stroke(cr);
        // Cheeks lift.
        cairo_set_source_rgba(cr, 0.9, 0.3, 0.3, 0.18);
        cairo_arc(cr, s * 0.39, s * 0.55, s * 0.035, 0, 2 * M_PI);
        cairo_arc(cr, s * 0.61, s * 0.55, s * 0.035, 0, 2 * M_PI);
        cairo_fill(cr);
        return;
    }
    const double curve = mood == 0 ? -0.045 : mood == 1 ? -0.022 : 0.006;
    SetColor(cr, lips);
    cairo_set_line_width(cr, s * (p.female ? 0.02 : 0.015));
    cairo_move_to(cr, s * 0.5 - half, y - curve * s * 0.4);
    cairo_curve_to(cr, s * 0.5 - half * 0.4, y + curve * s, s * 0.5 + half * 0.4, y + curve * s, s * 0.5 + half,
                   y - curve * s * 0.4);
    cairo_stroke(cr);
}

void Face(cairo_t* cr, const Person& p, double s, int mood) {
    // Neck, ears, head.
    SetColor(cr, Shade(p.skin, 0.82));
    cairo_rectangle(cr, s * 0.43, s * 0.58, s * 0.14, s * 0.16);
    cairo_fill(cr);
    SetColor(cr, p.skin);
    Ellipse(cr, s * 0.5 - s * 0.19 * p.faceWidth, s * 0.47, s * 0.03, s * 0.05);
    Ellipse(cr, s * 0.5 + s * 0.19 * p.faceWidth, s * 0.47, s * 0.03, s * 0.05);
    cairo_fill(cr);
    const double w = s * 0.19 * p.faceWidth;
    cairo_move_to(cr, s * 0.5 - w, s * 0.4);
    cairo_curve_to(cr, s * 0.5 - w, s * 0.2, s * 0.5 + w, s * 0.2, s * 0.5 + w, s * 0.4);
    cairo_curve_to(cr, s * 0.5 + w, s * 0.56, s * 0.5 + w * 0.5 * p.jaw, s * 0.68, s * 0.5, s * 0.68);
    cairo_curve_to(cr, s * 0.5 - w * 0.5 * p.jaw, s * 0.68, s * 0.5 - w, s * 0.56, s * 0.5 - w, s * 0.4);
    cairo_close_path(cr);
    cairo_pattern_t* pat = cairo_pattern_create_radial(s * 0.45, s * 0.4, s * 0.02, s * 0.5, s * 0.45, s * 0.25);
    const ArtColor hi = Mix(p.skin, {1, 1, 1, 1}, 0.12), lo = Shade(p.skin, 0.78);
    cairo_pattern_add_color_stop_rgb(pat, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(pat, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, pat);
    cairo_fill(cr);
    cairo_pattern_destroy(pat);
    // Nose.
    SetColor(cr, Shade(p.skin, 0.7));
    cairo_set_line_width(cr, s * 0.01);
    cairo_move_to(cr, s * 0.5, s * 0.47);
    cairo_curve_to(cr, s * 0.49, s * 0.53, s * 0.47, s * 0.54, s * 0.49, s * 0.55);
    cairo_line_to(cr, s * 0.52, s * 0.55);
    cairo_stroke(cr);
    // Beard before the mouth so the lips stay visible.
    if (p.beard == 2 || p.beard == 3) {
        SetColor(cr, p.hair, p.beard == 2 ? 0.35 : 0.95);
        cairo_move_to(cr, s * 0.5 - w, s * 0.48);
        cairo_curve_to(cr, s * 0.5 - w, s * 0.62, s * 0.45, s * (p.beard == 3 ? 0.74 : 0.69), s * 0.5,
                       s * (p.beard == 3 ? 0.74 : 0.69));
        cairo_curve_to(cr, s * 0.55, s * (p.beard == 3 ? 0.74 : 0.69), s * 0.5 + w, s * 0.62, s * 0.5 + w, s * 0.48);
        cairo_curve_to(cr, s * 0.5 + w * 0.6, s * 0.58, s * 0.5 - w * 0.6, s * 0.58, s * 0.5 - w, s * 0.48);
        cairo_fill(cr);
        SetColor(cr, Shade(p.skin, 0.95));
        Ellipse(cr, s * 0.5, s * 0.608, s * 0.06, s * 0.025);
        cairo_fill(cr);
    }
    if (p.beard == 4) {
        SetColor(cr, p.hair);
        Ellipse(cr, s * 0.5, s * 0.575, s * 0.06, s * 0.014);
        cairo_fill(cr);
    }
    Eyes(cr, p, s, mood);
    Mouth(cr, p, s, mood);
    if (p.female) {  // a touch of eye make-up
        cairo_set_source_rgba(cr, 0.1, 0.05, 0.15, 0.35);
        Ellipse(cr, s * 0.415, s * 0.44, s * 0.04, s * 0.012);
        Ellipse(cr, s * 0.585, s * 0.44, s * 0.04, s * 0.012);
        cairo_fill(cr);
    }
}

void Accessories(cairo_t* cr, const Person& p, double s) {
    const double w = s * 0.19 * p.faceWidth;
    if (p.earrings == 1 || (p.female && p.earrings == 2)) {
        SetColor(cr, Palette::kBrass);
        cairo_set_line_width(cr, s * 0.01);
        cairo_arc(cr, s * 0.5 - w - s * 0.005, s * 0.52, s * 0.015, 0, 2 * M_PI);
        cairo_stroke(cr);
        if (p.female) {
            cairo_arc(cr, s * 0.5 + w + s * 0.005, s * 0.52, s * 0.015, 0, 2 * M_PI);
            cairo_stroke(cr);
        }
    }
    if (p.eyewear == 4) {
        cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
        cairo_set_line_width(cr, s * 0.012);
        RoundRect(cr, s * 0.37, s * 0.42, s * 0.11, s * 0.07, s * 0.02);
        RoundRect(cr, s * 0.52, s * 0.42, s * 0.11, s * 0.07, s * 0.02);
        cairo_move_to(cr, s * 0.48, s * 0.45);
        cairo_line_to(cr, s * 0.52, s * 0.45);
        cairo_stroke(cr);
    } else if (p.eyewear == 5) {  // shades pushed up on the head
        cairo_set_source_rgba(cr, 0.05, 0.05, 0.08, 0.95);
        RoundRect(cr, s * 0.37, s * 0.28, s * 0.11, s * 0.055, s * 0.02);
        RoundRect(cr, s * 0.52, s * 0.28, s * 0.11, s * 0.055, s * 0.02);
        cairo_fill(cr);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.4);
        cairo_rectangle(cr, s * 0.39, s * 0.29, s * 0.03, s * 0.008);
        cairo_rectangle(cr, s * 0.54, s * 0.29, s * 0.03, s * 0.008);
        cairo_fill(cr);
    }
    if (p.hat == 6) {  // beanie
        SetColor(cr, Mix(p.shirt, Palette::kNeonPink, 0.3));
        cairo_arc(cr, s * 0.5, s * 0.33, w + s * 0.04, M_PI, 2 * M_PI);
        cairo_fill(cr);
        RoundRect(cr, s * 0.5 - w - s * 0.045, s * 0.3, 2 * w + s * 0.09, s * 0.06, s * 0.02);
        SetColor(cr, Shade(Mix(p.shirt, Palette::kNeonPink, 0.3), 0.7));
        cairo_fill(cr);
    } else if (p.hat == 7) {  // headband
        SetColor(cr, Palette::kNeonCyan);
        cairo_rectangle(cr, s * 0.5 - w, s * 0.31, 2 * w, s * 0.03);
        cairo_fill(cr);
    }
}

}  // namespace

void DrawPortrait(ArtCanvas& canvas, bool female, int person, int mood) {
    const Person p = MakePerson(female, person);
    cairo_t* cr = canvas.cr();
    const double s = canvas.width();
    // The backdrop's light follows the mood: cold and dim when low, warm stage light when happy.
    const ArtColor moodLight[4] = {Rgb(0x203060), Rgb(0x304060), Rgb(0x605040), Rgb(0xffa040)};
    cairo_pattern_t* pat = cairo_pattern_create_radial(s * 0.5, s * 0.35, s * 0.05, s * 0.5, s * 0.5, s * 0.75);
    const ArtColor light = Mix(p.background, moodLight[mood], 0.5);
    cairo_pattern_add_color_stop_rgb(pat, 0, light.r * 1.6, light.g * 1.6, light.b * 1.6);
    cairo_pattern_add_color_stop_rgb(pat, 1, light.r * 0.3, light.g * 0.3, light.b * 0.3);
    cairo_set_source(cr, pat);
    cairo_paint(cr);
    cairo_pattern_destroy(pat);
    HairBack(cr, p, s);
    Clothes(cr, p, s);
    Face(cr, p, s, mood);
    HairFront(cr, p, s);
    Accessories(cr, p, s);
    if (mood == 0) {  // the darkest mood also drains the colour a little
        cairo_set_source_rgba(cr, 0.1, 0.15, 0.3, 0.25);
        cairo_paint(cr);
    }
}

namespace {

void Desaturate(ArtCanvas& canvas) {
    std::uint32_t* px = canvas.Pixels();
    const int stride = cairo_image_surface_get_stride(canvas.surface()) / 4;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            std::uint32_t& v = px[y * stride + x];
            const std::uint32_t r = (v >> 16) & 255, g = (v >> 8) & 255, b = v & 255;
            const std::uint32_t l = (r * 77 + g * 150 + b * 29) >> 8;
            v = (v & 0xFF000000u) | (l << 16) | (l << 8) | l;
        }
    canvas.MarkDirty();
}

}  // namespace

bool MakePortraits(const std::string& dataDir) {
    static const char* kMoods[4] = {"_vsad", "_sad", "_neutral", "_happy"};
    bool ok = true;
    char name[64];
    for (int g = 0; g < 2; ++g) {
        const bool female = g == 1;
        for (int i = 0; i < kPortraitsPerGender; ++i) {
            for (int mood = 0; mood < 5; ++mood) {
                ArtCanvas canvas(kPortraitSize, kPortraitSize);
                DrawPortrait(canvas, female, i, mood == 4 ? 2 : mood);
                if (mood == 4) Desaturate(canvas);
                std::snprintf(name, sizeof name, "%s%02d%s.jpg", female ? "f" : "m", i + 1, mood == 4 ? "_grey" : kMoods[mood]);
                ok = canvas.Save(dataDir + (female ? "/bitmaps/female_portraits/" : "/bitmaps/male_portraits/") + name) && ok;
            }
        }
        // Player avatars: people of their own, smiling, with a brass frame.
        for (int i = 0; i < 4; ++i) {
            ArtCanvas canvas(kPortraitSize, kPortraitSize);
            DrawPortrait(canvas, female, kPortraitsPerGender + i, 3);
            BrassFrame(canvas.cr(), 0, 0, kPortraitSize, kPortraitSize, 8, 4);
            std::snprintf(name, sizeof name, "%savatar%d.jpg", female ? "f" : "m", i + 1);
            ok = canvas.Save(dataDir + "/bitmaps/avatars/" + name) && ok;
        }
    }
    if (!ok) std::fprintf(stderr, "artgen: cannot write the portraits below %s\n", dataDir.c_str());
    return ok;
}
