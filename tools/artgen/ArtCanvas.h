#pragma once
// Drawing surface and helpers shared by the picture generators. Everything is deterministic:
// noise comes from a hash of the coordinates and a seed, never from a clock.
#include <cairo.h>

#include <cstdint>
#include <string>

struct ArtColor {
    double r = 0, g = 0, b = 0, a = 1;
};
ArtColor Rgb(int hex, double alpha = 1.0);
ArtColor Mix(const ArtColor& a, const ArtColor& b, double t);

// The house palette: leather, wood, brass, neon, LCD green and post-it paper.
namespace Palette {
inline const ArtColor kLeather = {0.23, 0.12, 0.07};
inline const ArtColor kLeatherDark = {0.10, 0.05, 0.03};
inline const ArtColor kWood = {0.36, 0.20, 0.10};
inline const ArtColor kBrass = {0.83, 0.65, 0.30};
inline const ArtColor kBrassDark = {0.45, 0.31, 0.10};
inline const ArtColor kNeonPink = {1.00, 0.20, 0.62};
inline const ArtColor kNeonCyan = {0.20, 0.90, 1.00};
inline const ArtColor kNeonAmber = {1.00, 0.62, 0.15};
inline const ArtColor kLcd = {0.55, 1.00, 0.55};
inline const ArtColor kLcdBack = {0.04, 0.12, 0.06};
inline const ArtColor kCream = {0.98, 0.93, 0.80};
}  // namespace Palette

class ArtCanvas {
public:
    ArtCanvas(int width, int height);
    ~ArtCanvas();
    ArtCanvas(const ArtCanvas&) = delete;
    ArtCanvas& operator=(const ArtCanvas&) = delete;

    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Premultiplied 0xAARRGGBB pixels; call MarkDirty after changing them.
    std::uint32_t* Pixels();
    void MarkDirty();

    // Writes by extension: .jpg (quality 90), .bmp (24-bit), .png (32-bit), .dds (A8R8G8B8).
    // Creates missing folders; false when the file cannot be written.
    bool Save(const std::string& path);

private:
    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

// Hash noise in 0..1 and smooth value noise / fractal noise over it.
double HashNoise(int x, int y, std::uint32_t seed);
double ValueNoise(double x, double y, std::uint32_t seed);
double FractalNoise(double x, double y, std::uint32_t seed, int octaves);

void SetColor(cairo_t* cr, const ArtColor& c);
void SetColor(cairo_t* cr, const ArtColor& c, double alpha);
void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r);
// A sheet of paper with a soft shadow 3 px down and right (posters, flyers).
void PaperWithShadow(cairo_t* cr, double x, double y, double w, double h, const ArtColor& paper, double shadowAlpha);

// Surfaces.
void FillLeather(ArtCanvas& canvas, const ArtColor& base, std::uint32_t seed);
void FillWood(ArtCanvas& canvas, const ArtColor& base, std::uint32_t seed, bool vertical = false);
void AddGrain(ArtCanvas& canvas, double amount, std::uint32_t seed);
void Vignette(cairo_t* cr, double w, double h, double strength);
void BrassFrame(cairo_t* cr, double x, double y, double w, double h, double r, double thickness);
void Stitching(cairo_t* cr, double x, double y, double w, double h, double r, const ArtColor& c);

// Text, centred on (cx, baseline-ish cy) unless noted; DejaVu faces.
enum class ArtFont { Sans, SansBold, Serif, SerifBold, Mono, MonoBold, Condensed };
void SelectFont(cairo_t* cr, ArtFont font, double size);
double TextWidth(cairo_t* cr, const std::string& text);
void TextCentered(cairo_t* cr, const std::string& text, double cx, double cy);
void TextLeft(cairo_t* cr, const std::string& text, double x, double cy);
// Neon tube lettering: wide soft glow, then a bright core.
void NeonText(cairo_t* cr, const std::string& text, double cx, double cy, const ArtColor& c);
// Shrinks the font until the text fits the width; returns the size used.
double FitFont(cairo_t* cr, ArtFont font, const std::string& text, double maxWidth, double size);
// Word-wrapped lines centred in a box; returns the number of lines drawn.
int WrappedText(cairo_t* cr, const std::string& text, double cx, double top, double maxWidth,
                double lineHeight, int maxLines);

void Glow(cairo_t* cr, double cx, double cy, double radius, const ArtColor& c, double alpha);
void LcdPanel(cairo_t* cr, double x, double y, double w, double h, const ArtColor& glow);

// Releases the font caches cairo and fontconfig keep for the process, so leak checkers see a
// clean exit; call once, after the last drawing.
void ArtShutdown();
