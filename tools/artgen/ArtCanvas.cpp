#include "ArtCanvas.h"

#include <FreeImage.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <vector>

ArtColor Rgb(int hex, double alpha) {
    return {((hex >> 16) & 255) / 255.0, ((hex >> 8) & 255) / 255.0, (hex & 255) / 255.0, alpha};
}

ArtColor Mix(const ArtColor& a, const ArtColor& b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

ArtCanvas::ArtCanvas(int width, int height)
    : width_(width), height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GOOD);
}

ArtCanvas::~ArtCanvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

std::uint32_t* ArtCanvas::Pixels() {
    cairo_surface_flush(surface_);
    return reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface_));
}

void ArtCanvas::MarkDirty() { cairo_surface_mark_dirty(surface_); }

namespace {

// Straight-alpha channels of one premultiplied pixel.
void Unpremultiply(std::uint32_t p, unsigned char& r, unsigned char& g, unsigned char& b, unsigned char& a) {
    a = static_cast<unsigned char>(p >> 24);
    auto channel = [a](std::uint32_t v) {
        return a == 0 ? 0 : static_cast<unsigned char>(std::min(255u, (v * 255u + a / 2u) / a));
    };
    r = channel((p >> 16) & 255);
    g = channel((p >> 8) & 255);
    b = channel(p & 255);
}

void PutLe32(std::vector<unsigned char>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

bool WriteDds(const std::string& path, int w, int h, const std::uint32_t* pixels, int stride) {
    std::vector<unsigned char> out = {'D', 'D', 'S', ' '};
    PutLe32(out, 124);                           // header size
    PutLe32(out, 0x1 | 0x2 | 0x4 | 0x8 | 0x1000);  // caps, height, width, pitch, pixel format
    PutLe32(out, static_cast<std::uint32_t>(h));
    PutLe32(out, static_cast<std::uint32_t>(w));
    PutLe32(out, static_cast<std::uint32_t>(w * 4));
    for (int i = 0; i < 13; ++i) PutLe32(out, 0);  // depth, mip count, 11 reserved
    PutLe32(out, 32);                            // pixel format size
    PutLe32(out, 0x1 | 0x40);                    // alpha pixels, RGB
    PutLe32(out, 0);
    PutLe32(out, 32);
    PutLe32(out, 0x00FF0000);
    PutLe32(out, 0x0000FF00);
    PutLe32(out, 0x000000FF);
    PutLe32(out, 0xFF000000);
    PutLe32(out, 0x1000);  // texture
    for (int i = 0; i < 4; ++i) PutLe32(out, 0);
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < w; ++x) {
            unsigned char r, g, b, a;
            Unpremultiply(row[x], r, g, b, a);
            out.insert(out.end(), {b, g, r, a});
        }
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool ok = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && ok;
}

}  // namespace

bool ArtCanvas::Save(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent, ec);
    const std::uint32_t* pixels = Pixels();
    const int stride = cairo_image_surface_get_stride(surface_) / 4;
    const std::string ext = std::filesystem::path(path).extension().string();
    if (ext == ".dds") return WriteDds(path, width_, height_, pixels, stride);

    const bool alpha = ext == ".png";
    FIBITMAP* dib = FreeImage_Allocate(width_, height_, alpha ? 32 : 24);
    if (!dib) return false;
    for (int y = 0; y < height_; ++y) {
        // FreeImage rows run bottom-up.
        BYTE* line = FreeImage_GetScanLine(dib, height_ - 1 - y);
        const std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < width_; ++x) {
            unsigned char r, g, b, a;
            Unpremultiply(row[x], r, g, b, a);
            if (!alpha) {  // flatten onto black, as the surface would show
                r = static_cast<unsigned char>(r * a / 255);
                g = static_cast<unsigned char>(g * a / 255);
                b = static_cast<unsigned char>(b * a / 255);
            }
            BYTE* px = line + x * (alpha ? 4 : 3);
            px[FI_RGBA_RED] = r;
            px[FI_RGBA_GREEN] = g;
            px[FI_RGBA_BLUE] = b;
            if (alpha) px[FI_RGBA_ALPHA] = a;
        }
    }
    BOOL ok = FALSE;
    if (ext == ".jpg") ok = FreeImage_Save(FIF_JPEG, dib, path.c_str(), 90 | JPEG_BASELINE);
    else if (ext == ".bmp") ok = FreeImage_Save(FIF_BMP, dib, path.c_str(), BMP_DEFAULT);
    else if (ext == ".png") ok = FreeImage_Save(FIF_PNG, dib, path.c_str(), PNG_DEFAULT);
    FreeImage_Unload(dib);
    return ok == TRUE;
}

double HashNoise(int x, int y, std::uint32_t seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u +
                      seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / static_cast<double>(0xFFFFFF);
}

double ValueNoise(double x, double y, std::uint32_t seed) {
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    double fx = x - x0, fy = y - y0;
    fx = fx * fx * (3 - 2 * fx);
    fy = fy * fy * (3 - 2 * fy);
    const double a = HashNoise(x0, y0, seed), b = HashNoise(x0 + 1, y0, seed);
    const double c = HashNoise(x0, y0 + 1, seed), d = HashNoise(x0 + 1, y0 + 1, seed);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

double FractalNoise(double x, double y, std::uint32_t seed, int octaves) {
    double sum = 0, amplitude = 0.5, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += ValueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 131u) * amplitude;
        total += amplitude;
        x *= 2.03;
        y *= 2.03;
        amplitude *= 0.5;
    }
    return sum / total;
}

void SetColor(cairo_t* cr, const ArtColor& c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }
void SetColor(cairo_t* cr, const ArtColor& c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void PaperWithShadow(cairo_t* cr, double x, double y, double w, double h, const ArtColor& paper, double shadowAlpha) {
    cairo_rectangle(cr, x + 3, y + 3, w, h);
    cairo_set_source_rgba(cr, 0, 0, 0, shadowAlpha);
    cairo_fill(cr);
    cairo_rectangle(cr, x, y, w, h);
    SetColor(cr, paper);
    cairo_fill(cr);
}

namespace {

std::uint32_t Pack(double r, double g, double b) {
    auto c = [](double v) { return static_cast<std::uint32_t>(std::clamp(v, 0.0, 1.0) * 255.0 + 0.5); };
    return 0xFF000000u | (c(r) << 16) | (c(g) << 8) | c(b);
}

}  // namespace

void FillLeather(ArtCanvas& canvas, const ArtColor& base, std::uint32_t seed) {
    std::uint32_t* px = canvas.Pixels();
    const int stride = cairo_image_surface_get_stride(canvas.surface()) / 4;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const double mottling = FractalNoise(x / 140.0, y / 140.0, seed, 4);
            // Pebbled grain: small cells with dark creases between them.
            const double cell = ValueNoise(x / 3.1, y / 3.1, seed + 7);
            const double crease = std::pow(std::abs(ValueNoise(x / 9.0, y / 9.0, seed + 11) - 0.5) * 2, 0.35);
            const double shade = 0.65 + 0.55 * mottling + 0.18 * (cell - 0.5) - 0.25 * (1 - crease);
            px[y * stride + x] = Pack(base.r * shade, base.g * shade, base.b * shade);
        }
    canvas.MarkDirty();
}

void FillWood(ArtCanvas& canvas, const ArtColor& base, std::uint32_t seed, bool vertical) {
    std::uint32_t* px = canvas.Pixels();
    const int stride = cairo_image_surface_get_stride(canvas.surface()) / 4;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const double u = vertical ? y : x, v = vertical ? x : y;
            const double warp = FractalNoise(u / 300.0, v / 40.0, seed, 3) * 9.0;
            const double ring = 0.5 + 0.5 * std::sin(v / 5.5 + warp);
            const double fibre = ValueNoise(u / 40.0, v / 1.3, seed + 3);
            const double plank = (static_cast<int>(v) % 96 < 2) ? 0.45 : 1.0;
            const double shade = (0.7 + 0.25 * ring + 0.15 * (fibre - 0.5)) * plank;
            px[y * stride + x] = Pack(base.r * shade, base.g * shade, base.b * shade);
        }
    canvas.MarkDirty();
}

void AddGrain(ArtCanvas& canvas, double amount, std::uint32_t seed) {
    std::uint32_t* px = canvas.Pixels();
    const int stride = cairo_image_surface_get_stride(canvas.surface()) / 4;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            std::uint32_t& p = px[y * stride + x];
            const int a = static_cast<int>(p >> 24);
            if (a == 0) continue;
            const int d = static_cast<int>((HashNoise(x, y, seed) - 0.5) * 2 * amount * 255);
            auto ch = [&](int shift) {
                return static_cast<std::uint32_t>(std::clamp(static_cast<int>((p >> shift) & 255) + d * a / 255, 0, a))
                       << shift;
            };
            p = (p & 0xFF000000u) | ch(16) | ch(8) | ch(0);
        }
    canvas.MarkDirty();
}

void Vignette(cairo_t* cr, double w, double h, double strength) {
    cairo_pattern_t* pat = cairo_pattern_create_radial(w / 2, h / 2, std::min(w, h) * 0.3, w / 2, h / 2,
                                                       std::hypot(w, h) * 0.55);
    cairo_pattern_add_color_stop_rgba(pat, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(pat, 1, 0, 0, 0, strength);
    cairo_set_source(cr, pat);
    cairo_paint(cr);
    cairo_pattern_destroy(pat);
}

void BrassFrame(cairo_t* cr, double x, double y, double w, double h, double r, double thickness) {
    cairo_pattern_t* pat = cairo_pattern_create_linear(x, y, x + w * 0.3, y + h);
    cairo_pattern_add_color_stop_rgb(pat, 0.0, 1.0, 0.90, 0.60);
    cairo_pattern_add_color_stop_rgb(pat, 0.35, Palette::kBrass.r, Palette::kBrass.g, Palette::kBrass.b);
    cairo_pattern_add_color_stop_rgb(pat, 0.7, Palette::kBrassDark.r, Palette::kBrassDark.g, Palette::kBrassDark.b);
    cairo_pattern_add_color_stop_rgb(pat, 1.0, 0.85, 0.70, 0.40);
    RoundRect(cr, x + thickness / 2, y + thickness / 2, w - thickness, h - thickness, r);
    cairo_set_source(cr, pat);
    cairo_set_line_width(cr, thickness);
    cairo_stroke(cr);
    cairo_pattern_destroy(pat);
    RoundRect(cr, x + thickness, y + thickness, w - 2 * thickness, h - 2 * thickness, std::max(0.0, r - thickness));
    cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void Stitching(cairo_t* cr, double x, double y, double w, double h, double r, const ArtColor& c) {
    const double dashes[] = {6, 4};
    cairo_save(cr);
    cairo_set_dash(cr, dashes, 2, 0);
    cairo_set_line_width(cr, 1.6);
    RoundRect(cr, x + 1, y + 1.5, w, h, r);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
    cairo_stroke(cr);
    RoundRect(cr, x, y, w, h, r);
    SetColor(cr, c);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void SelectFont(cairo_t* cr, ArtFont font, double size) {
    const char* family = "DejaVu Sans";
    cairo_font_weight_t weight = CAIRO_FONT_WEIGHT_NORMAL;
    switch (font) {
        case ArtFont::Sans: break;
        case ArtFont::SansBold: weight = CAIRO_FONT_WEIGHT_BOLD; break;
        case ArtFont::Serif: family = "DejaVu Serif"; break;
        case ArtFont::SerifBold: family = "DejaVu Serif"; weight = CAIRO_FONT_WEIGHT_BOLD; break;
        case ArtFont::Mono: family = "DejaVu Sans Mono"; break;
        case ArtFont::MonoBold: family = "DejaVu Sans Mono"; weight = CAIRO_FONT_WEIGHT_BOLD; break;
        case ArtFont::Condensed: family = "DejaVu Sans Condensed"; weight = CAIRO_FONT_WEIGHT_BOLD; break;
    }
    cairo_select_font_face(cr, family, CAIRO_FONT_SLANT_NORMAL, weight);
    cairo_set_font_size(cr, size);
}

double TextWidth(cairo_t* cr, const std::string& text) {
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    return ext.x_advance;
}

void TextCentered(cairo_t* cr, const std::string& text, double cx, double cy) {
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    cairo_move_to(cr, cx - ext.x_advance / 2, cy);
    cairo_show_text(cr, text.c_str());
}

void TextLeft(cairo_t* cr, const std::string& text, double x, double cy) {
    cairo_move_to(cr, x, cy);
    cairo_show_text(cr, text.c_str());
}

void NeonText(cairo_t* cr, const std::string& text, double cx, double cy, const ArtColor& c) {
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    const double size = ext.height;
    for (int i = 5; i >= 1; --i) {
        cairo_move_to(cr, cx - ext.x_advance / 2, cy);
        cairo_text_path(cr, text.c_str());
        SetColor(cr, c, 0.07);
        cairo_set_line_width(cr, size * 0.07 * i);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, cx - ext.x_advance / 2, cy);
    cairo_text_path(cr, text.c_str());
    SetColor(cr, c);
    cairo_fill_preserve(cr);
    SetColor(cr, Mix(c, {1, 1, 1, 1}, 0.7));
    cairo_set_line_width(cr, std::max(0.6, size * 0.02));
    cairo_stroke(cr);
    cairo_restore(cr);
}

double FitFont(cairo_t* cr, ArtFont font, const std::string& text, double maxWidth, double size) {
    // Width grows with the size in proportion, so one scaling step fits; the loop only mops up
    // rounding in the glyph metrics. No floor: a name must never spill over the picture's edge.
    SelectFont(cr, font, size);
    for (int i = 0; i < 4; ++i) {
        const double width = TextWidth(cr, text);
        if (width <= maxWidth || width <= 0) break;
        size *= maxWidth / width * 0.99;
        SelectFont(cr, font, size);
    }
    return size;
}

int WrappedText(cairo_t* cr, const std::string& text, double cx, double top, double maxWidth, double lineHeight,
                int maxLines) {
    std::istringstream words(text);
    std::vector<std::string> lines;
    std::string word, line;
    while (words >> word) {
        const std::string trial = line.empty() ? word : line + " " + word;
        if (!line.empty() && TextWidth(cr, trial) > maxWidth) {
            lines.push_back(line);
            line = word;
        } else {
            line = trial;
        }
    }
    if (!line.empty()) lines.push_back(line);
    const int count = std::min(static_cast<int>(lines.size()), maxLines);
    for (int i = 0; i < count; ++i) TextCentered(cr, lines[i], cx, top + lineHeight * (i + 1));
    return count;
}

void Glow(cairo_t* cr, double cx, double cy, double radius, const ArtColor& c, double alpha) {
    cairo_pattern_t* pat = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
    cairo_pattern_add_color_stop_rgba(pat, 0, c.r, c.g, c.b, alpha);
    cairo_pattern_add_color_stop_rgba(pat, 0.4, c.r, c.g, c.b, alpha * 0.35);
    cairo_pattern_add_color_stop_rgba(pat, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, pat);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(pat);
}

void LcdPanel(cairo_t* cr, double x, double y, double w, double h, const ArtColor& glow) {
    RoundRect(cr, x, y, w, h, 5);
    cairo_set_source_rgb(cr, 0.05, 0.05, 0.05);
    cairo_fill(cr);
    cairo_pattern_t* pat = cairo_pattern_create_linear(x, y, x, y + h);
    const ArtColor back = Mix(Palette::kLcdBack, glow, 0.12);
    cairo_pattern_add_color_stop_rgb(pat, 0, back.r * 1.6, back.g * 1.6, back.b * 1.6);
    cairo_pattern_add_color_stop_rgb(pat, 1, back.r, back.g, back.b);
    RoundRect(cr, x + 3, y + 3, w - 6, h - 6, 3);
    cairo_set_source(cr, pat);
    cairo_fill(cr);
    cairo_pattern_destroy(pat);
    // Faint scan lines, as on a real backlit panel.
    for (double yy = y + 4; yy < y + h - 4; yy += 3) {
        cairo_rectangle(cr, x + 4, yy, w - 8, 1);
    }
    SetColor(cr, glow, 0.05);
    cairo_fill(cr);
    // Glass highlight across the top.
    RoundRect(cr, x + 4, y + 4, w - 8, (h - 8) * 0.4, 2);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.06);
    cairo_fill(cr);
}

void ArtShutdown() {
    cairo_debug_reset_static_data();
    FcFini();
}
