#include "ArtContactSheet.h"

#include "ArtCanvas.h"

#include <FreeImage.h>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace {

bool IsPicture(const std::filesystem::path& p) {
    const std::string ext = p.extension().string();
    return ext == ".jpg" || ext == ".bmp" || ext == ".png" || ext == ".dds";
}

// Loads a picture as a cairo surface (straight alpha converted to premultiplied).
cairo_surface_t* LoadSurface(const std::string& path) {
    FREE_IMAGE_FORMAT fif = FreeImage_GetFileType(path.c_str(), 0);
    if (fif == FIF_UNKNOWN) fif = FreeImage_GetFIFFromFilename(path.c_str());
    FIBITMAP* raw = fif == FIF_UNKNOWN ? nullptr : FreeImage_Load(fif, path.c_str(), 0);
    if (!raw) return nullptr;
    FIBITMAP* dib = FreeImage_ConvertTo32Bits(raw);
    FreeImage_Unload(raw);
    if (!dib) return nullptr;
    const int w = static_cast<int>(FreeImage_GetWidth(dib)), h = static_cast<int>(FreeImage_GetHeight(dib));
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    auto* data = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface));
    const int stride = cairo_image_surface_get_stride(surface) / 4;
    for (int y = 0; y < h; ++y) {
        const BYTE* line = FreeImage_GetScanLine(dib, h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const BYTE* px = line + x * 4;
            const std::uint32_t a = px[FI_RGBA_ALPHA];
            const std::uint32_t r = px[FI_RGBA_RED] * a / 255, g = px[FI_RGBA_GREEN] * a / 255,
                                b = px[FI_RGBA_BLUE] * a / 255;
            data[y * stride + x] = (a << 24) | (r << 16) | (g << 8) | b;
        }
    }
    cairo_surface_mark_dirty(surface);
    FreeImage_Unload(dib);
    return surface;
}

}  // namespace

int MakeContactSheet(const std::string& rootDir, const std::string& outPng) {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(rootDir, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        if (it->is_regular_file() && IsPicture(it->path())) files.push_back(it->path());
    std::sort(files.begin(), files.end());

    constexpr int kCell = 150, kThumb = 128, kColumns = 16;
    const int rows = std::max(1, (static_cast<int>(files.size()) + kColumns - 1) / kColumns);
    ArtCanvas sheet(kColumns * kCell, rows * kCell + 10);
    FillLeather(sheet, Palette::kLeatherDark, 9);
    cairo_t* cr = sheet.cr();
    int placed = 0;
    for (const auto& file : files) {
        cairo_surface_t* pic = LoadSurface(file.string());
        if (!pic) continue;
        const int col = placed % kColumns, row = placed / kColumns;
        const double x0 = col * kCell + (kCell - kThumb) / 2.0, y0 = row * kCell + 5;
        const int w = cairo_image_surface_get_width(pic), h = cairo_image_surface_get_height(pic);
        const double scale = std::min(1.0, std::min(static_cast<double>(kThumb) / w, static_cast<double>(kThumb) / h));
        // Checkerboard under transparent pictures shows their alpha.
        for (int cy = 0; cy < kThumb; cy += 8)
            for (int cx = 0; cx < kThumb; cx += 8) {
                cairo_rectangle(cr, x0 + cx, y0 + cy, 8, 8);
                const double v = ((cx + cy) / 8) % 2 ? 0.22 : 0.3;
                cairo_set_source_rgb(cr, v, v, v);
                cairo_fill(cr);
            }
        cairo_save(cr);
        cairo_translate(cr, x0 + (kThumb - w * scale) / 2, y0 + (kThumb - h * scale) / 2);
        cairo_scale(cr, scale, scale);
        cairo_set_source_surface(cr, pic, 0, 0);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_surface_destroy(pic);
        SetColor(cr, Palette::kCream);
        FitFont(cr, ArtFont::Sans, file.filename().string(), kCell - 6, 10);
        TextCentered(cr, file.filename().string(), col * kCell + kCell / 2.0, y0 + kThumb + 13);
        ++placed;
    }
    return sheet.Save(outPng) ? placed : -1;
}
