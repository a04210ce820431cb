#pragma once
// Reusable vector motifs: instruments, people and small symbols, drawn as filled paths in the
// current source colour so callers choose silhouette, neon or paper-ink looks.
#include <cairo.h>

void ShapeNote(cairo_t* cr, double x, double y, double s);         // a quaver, head at (x, y)
void ShapeGuitar(cairo_t* cr, double cx, double cy, double s, double angle, bool bass = false);
void ShapeSax(cairo_t* cr, double cx, double cy, double s);
void ShapeKeyboard(cairo_t* cr, double cx, double cy, double s);
void ShapeMic(cairo_t* cr, double cx, double cy, double s);
void ShapeDrumKit(cairo_t* cr, double cx, double cy, double s);
void ShapeStar(cairo_t* cr, double cx, double cy, double outer, double inner, int points);
// A standing performer, feet at (cx, base), height h; pose 0 straight, 1 legs apart, 2 arm raised.
void ShapePerson(cairo_t* cr, double cx, double base, double h, int pose);
void ShapeSeatedPerson(cairo_t* cr, double cx, double base, double h);
void ShapeDice(cairo_t* cr, double x, double y, double s, int face);
