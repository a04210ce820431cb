#include "ArtShapes.h"

#include "ArtCanvas.h"

#include <cmath>

void ShapeNote(cairo_t* cr, double x, double y, double s) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, -0.35);
    cairo_scale(cr, 1.0, 0.72);
    cairo_arc(cr, 0, 0, s * 0.28, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_fill(cr);
    cairo_rectangle(cr, x + s * 0.2, y - s, s * 0.08, s);
    cairo_fill(cr);
    cairo_move_to(cr, x + s * 0.28, y - s);
    cairo_curve_to(cr, x + s * 0.45, y - s * 0.75, x + s * 0.7, y - s * 0.65, x + s * 0.6, y - s * 0.3);
    cairo_curve_to(cr, x + s * 0.6, y - s * 0.55, x + s * 0.45, y - s * 0.62, x + s * 0.28, y - s * 0.7);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void ShapeGuitar(cairo_t* cr, double cx, double cy, double s, double angle, bool bass) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    // Body: two lobes joined at a waist.
    cairo_arc(cr, 0, s * 0.22, s * 0.25, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_arc(cr, 0, -s * 0.05, s * 0.19, 0, 2 * M_PI);
    cairo_fill(cr);
    const double neck = bass ? 1.05 : 0.85;
    cairo_rectangle(cr, -s * 0.035, -s * neck, s * 0.07, s * neck);
    cairo_fill(cr);
    cairo_rectangle(cr, -s * 0.06, -s * (neck + 0.16), s * 0.12, s * 0.17);
    cairo_fill(cr);
    cairo_restore(cr);
}

void ShapeSax(cairo_t* cr, double cx, double cy, double s) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, s * 0.12);
    cairo_move_to(cr, -s * 0.05, -s * 0.55);
    cairo_curve_to(cr, 0, -s * 0.2, -s * 0.05, s * 0.2, s * 0.05, s * 0.32);
    cairo_curve_to(cr, s * 0.15, s * 0.42, s * 0.3, s * 0.3, s * 0.28, s * 0.1);
    cairo_stroke(cr);
    // Bell.
    cairo_move_to(cr, s * 0.18, s * 0.1);
    cairo_line_to(cr, s * 0.42, s * 0.0);
    cairo_line_to(cr, s * 0.38, s * 0.18);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_set_line_width(cr, s * 0.04);
    cairo_move_to(cr, -s * 0.05, -s * 0.55);
    cairo_line_to(cr, -s * 0.2, -s * 0.66);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void ShapeKeyboard(cairo_t* cr, double cx, double cy, double s) {
    cairo_rectangle(cr, cx - s * 0.5, cy - s * 0.08, s, s * 0.16);
    cairo_fill(cr);
    cairo_set_line_width(cr, s * 0.03);
    cairo_move_to(cr, cx - s * 0.35, cy);
    cairo_line_to(cr, cx - s * 0.25, cy + s * 0.5);
    cairo_move_to(cr, cx + s * 0.35, cy);
    cairo_line_to(cr, cx + s * 0.25, cy + s * 0.5);
    cairo_move_to(cr, cx - s * 0.35, cy + s * 0.5);
    cairo_line_to(cr, cx - s * 0.25, cy);
    cairo_move_to(cr, cx + s * 0.35, cy + s * 0.5);
    cairo_line_to(cr, cx + s * 0.25, cy);
    cairo_stroke(cr);
}

void ShapeMic(cairo_t* cr, double cx, double cy, double s) {
    cairo_arc(cr, cx, cy - s * 0.3, s * 0.14, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_set_line_width(cr, s * 0.05);
    cairo_move_to(cr, cx, cy - s * 0.16);
    cairo_line_to(cr, cx, cy + s * 0.45);
    cairo_stroke(cr);
    cairo_move_to(cr, cx - s * 0.2, cy + s * 0.45);
    cairo_line_to(cr, cx + s * 0.2, cy + s * 0.45);
    cairo_stroke(cr);
    cairo_set_line_width(cr, s * 0.035);
    cairo_arc(cr, cx, cy - s * 0.28, s * 0.22, 0.15 * M_PI, 0.85 * M_PI);
    cairo_stroke(cr);
}

void ShapeDrumKit(cairo_t* cr, double cx, double cy, double s) {
    // Bass drum, toms, snare, cymbals on stands.
    cairo_arc(cr, cx, cy + s * 0.15, s * 0.25, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_rectangle(cr, cx - s * 0.48, cy - s * 0.02, s * 0.22, s * 0.12);
    cairo_rectangle(cr, cx + s * 0.26, cy + s * 0.0, s * 0.24, s * 0.14);
    cairo_rectangle(cr, cx - s * 0.2, cy - s * 0.2, s * 0.17, s * 0.1);
    cairo_rectangle(cr, cx + s * 0.03, cy - s * 0.2, s * 0.17, s * 0.1);
    cairo_fill(cr);
    cairo_set_line_width(cr, s * 0.02);
    for (int side = -1; side <= 1; side += 2) {
        const double x = cx + side * s * 0.55;
        cairo_move_to(cr, x, cy + s * 0.4);
        cairo_line_to(cr, x, cy - s * 0.35);
        cairo_stroke(cr);
        cairo_save(cr);
        cairo_translate(cr, x, cy - s * 0.35);
        cairo_scale(cr, 1, 0.22);
        cairo_arc(cr, 0, 0, s * 0.15, 0, 2 * M_PI);
        cairo_restore(cr);
        cairo_fill(cr);
    }
}

void ShapeStar(cairo_t* cr, double cx, double cy, double outer, double inner, int points) {
    for (int i = 0; i < points * 2; ++i) {
        const double r = i % 2 ? inner : outer;
        const double a = -M_PI / 2 + i * M_PI / points;
        if (i == 0) cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        else cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
    cairo_fill(cr);
}

void ShapePerson(cairo_t* cr, double cx, double base, double h, int pose) {
    const double u = h / 8.0;  // head units
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // Head with hair falling to the shoulders.
    cairo_arc(cr, cx, base - 7.35 * u, 0.55 * u, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_move_to(cr, cx - 0.6 * u, base - 7.4 * u);
    cairo_curve_to(cr, cx - 0.8 * u, base - 6.6 * u, cx - 0.7 * u, base - 6.3 * u, cx - 0.35 * u, base - 6.4 * u);
    cairo_line_to(cr, cx + 0.35 * u, base - 6.4 * u);
    cairo_curve_to(cr, cx + 0.7 * u, base - 6.3 * u, cx + 0.8 * u, base - 6.6 * u, cx + 0.6 * u, base - 7.4 * u);
    cairo_close_path(cr);
    cairo_fill(cr);
    // Torso: shoulders narrowing to the hips.
    cairo_move_to(cr, cx - 1.05 * u, base - 6.45 * u);
    cairo_curve_to(cr, cx - 0.4 * u, base - 6.7 * u, cx + 0.4 * u, base - 6.7 * u, cx + 1.05 * u, base - 6.45 * u);
    cairo_line_to(cr, cx + 0.75 * u, base - 3.8 * u);
    cairo_line_to(cr, cx - 0.75 * u, base - 3.8 * u);
    cairo_close_path(cr);
    cairo_fill(cr);
    // Legs: thick at the thigh, then boots.
    const double spread = pose == 1 ? 1.5 : 0.6;
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, cx + side * 0.05 * u, base - 4.0 * u);
        cairo_line_to(cr, cx + side * 0.8 * u, base - 4.0 * u);
        cairo_line_to(cr, cx + side * (spread + 0.25) * u, base - 0.3 * u);
        cairo_line_to(cr, cx + side * (spread - 0.25) * u, base - 0.3 * u);
        cairo_close_path(cr);
        cairo_fill(cr);
        RoundRect(cr, cx + side * spread * u - 0.35 * u + side * 0.15 * u, base - 0.45 * u, 0.7 * u, 0.45 * u, 0.15 * u);
        cairo_fill(cr);
    }
    // Arms.
    cairo_set_line_width(cr, 0.5 * u);
    cairo_move_to(cr, cx - 0.9 * u, base - 6.2 * u);
    cairo_line_to(cr, cx - 1.1 * u, base - 4.8 * u);
    cairo_line_to(cr, cx - 0.2 * u, base - 4.4 * u);
    cairo_move_to(cr, cx + 0.9 * u, base - 6.2 * u);
    if (pose == 2) {
        cairo_line_to(cr, cx + 1.6 * u, base - 7.4 * u);
        cairo_line_to(cr, cx + 1.9 * u, base - 8.6 * u);
    } else {
        cairo_line_to(cr, cx + 1.3 * u, base - 5.0 * u);
        cairo_line_to(cr, cx + 0.6 * u, base - 4.5 * u);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void ShapeSeatedPerson(cairo_t* cr, double cx, double base, double h) {
    const double u = h / 6.0;
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_arc(cr, cx, base - 5.4 * u, 0.62 * u, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_move_to(cr, cx - 1.1 * u, base - 4.5 * u);
    cairo_line_to(cr, cx + 1.1 * u, base - 4.5 * u);
    cairo_line_to(cr, cx + 0.8 * u, base - 1.8 * u);
    cairo_line_to(cr, cx - 0.8 * u, base - 1.8 * u);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_set_line_width(cr, 0.42 * u);
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, cx + side * 1.0 * u, base - 4.3 * u);
        cairo_line_to(cr, cx + side * 1.7 * u, base - 3.0 * u);
        cairo_line_to(cr, cx + side * 2.2 * u, base - 4.6 * u);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void ShapeDice(cairo_t* cr, double x, double y, double s, int face) {
    static const int pips[7][6][2] = {{}, {{1, 1}}, {{0, 0}, {2, 2}}, {{0, 0}, {1, 1}, {2, 2}},
                                      {{0, 0}, {2, 0}, {0, 2}, {2, 2}}, {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}},
                                      {{0, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {2, 2}}};
    for (int i = 0; i < face; ++i) {
        cairo_arc(cr, x + s * (0.25 + 0.25 * pips[face][i][0]), y + s * (0.25 + 0.25 * pips[face][i][1]), s * 0.09,
                  0, 2 * M_PI);
        cairo_fill(cr);
    }
}
