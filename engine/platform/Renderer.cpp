#include "Renderer.h"

#include "LibConfigSection.h"
#include "LibDataFolder.h"
#include "LibDebugLog.h"
#include "LibErrors.h"
#include "LibFileList.h"
#include "LibString.h"
#include "MessageBoxes.h"

#include <FreeImage.h>
#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <malloc.h>

namespace fs = std::filesystem;

namespace {
std::string gDisplayFile = "data/config.muf";

int DisplaySetting(const LibConfigSection& config, const char* key) {
    return static_cast<int>(config.GetFloat(key, 0.0f));
}

void SetDrawColour(SDL_Renderer* renderer, std::uint32_t argb) {
    SDL_SetRenderDrawColor(renderer, (argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF, argb >> 24);
}

SDL_BlendMode BlendMode(GBlend blend) { return blend == GBlend::Additive ? SDL_BLENDMODE_ADD : SDL_BLENDMODE_BLEND; }

bool EndsWith(const std::string& text, const char* suffix) {
    const std::size_t n = std::strlen(suffix);
    return text.size() >= n && text.compare(text.size() - n, n, suffix) == 0;
}

// The colour a 5-6-5 pixel keeps of an ARGB one, widened back to 8 bits per channel; opaque.
std::uint32_t To565(std::uint32_t argb) {
    const std::uint32_t r = (argb >> 19) & 0x1F, g = (argb >> 10) & 0x3F, b = (argb >> 3) & 0x1F;
    return 0xFF000000u | ((r << 3) | (r >> 2)) << 16 | ((g << 2) | (g >> 4)) << 8 | ((b << 3) | (b >> 2));
}

// The software renderer crashes on large textured triangles and is slow on any geometry, so
// shapes a copy cannot express are cut into tiles no larger than this.
constexpr float kGeometryTile = 256.0f;

// Draws smaller than this (glyphs, small icons) go as they are: a ready copy saves them little.
constexpr int kLeastCopied = 4096;

float Lerp(float a, float b, float t) { return a + (b - a) * t; }

std::uint8_t Channel(std::uint32_t argb, int shift) { return static_cast<std::uint8_t>((argb >> shift) & 0xFF); }

// A point inside the quad at (s, t), both 0..1, bilinearly interpolated.
SDL_Vertex QuadPoint(const GVertex (&q)[4], float s, float t) {
    auto mix = [&](auto get) {
        return Lerp(Lerp(get(q[QUAD_TL]), get(q[QUAD_TR]), s), Lerp(get(q[QUAD_BL]), get(q[QUAD_BR]), s), t);
    };
    SDL_Vertex out{};
    out.position.x = mix([](const GVertex& v) { return v.x; });
    out.position.y = mix([](const GVertex& v) { return v.y; });
    out.tex_coord.x = mix([](const GVertex& v) { return v.u; });
    out.tex_coord.y = mix([](const GVertex& v) { return v.v; });
    auto colour = [&](int shift) {
        const float value = mix([shift](const GVertex& v) { return static_cast<float>(Channel(v.diffuse, shift)); });
        return static_cast<Uint8>(std::clamp(value + 0.5f, 0.0f, 255.0f));
    };
    out.color = SDL_Color{colour(16), colour(8), colour(0), colour(24)};
    return out;
}
}  // namespace

const char* TextureKindPattern(const std::string& name) {
    if (EndsWith(name, ".dds")) return "*.dds";
    if (EndsWith(name, ".jpg")) return "*.jpg";
    if (EndsWith(name, ".png")) return "*.png";
    return "*.bmp";
}

const std::string& DisplaySettingsFile() { return gDisplayFile; }
void SetDisplaySettingsFile(const std::string& path) { gDisplayFile = path; }

GRenderer& Renderer() {
    static GRenderer renderer;
    return renderer;
}

GRenderer::~GRenderer() { Unload(); }

void GRenderer::DrawLog(const std::string& text) {
    static std::FILE* log = nullptr;
    if (!log) {
        std::error_code ec;
        const fs::path folder = fs::path(DebugLogPath()).parent_path();
        if (!folder.empty()) fs::create_directories(folder, ec);
        log = std::fopen((folder / "drawdebug.txt").c_str(), "w");
    }
    if (log) {
        std::fprintf(log, "%s\n", text.c_str());
        std::fflush(log);
    }
    std::deque<std::string>& recent = RecentLines();
    recent.push_back(text);
    if (recent.size() > 256) recent.pop_front();
    WriteDebugOutput(text + "\n");
}

std::deque<std::string>& GRenderer::RecentLines() {
    static std::deque<std::string> lines;
    return lines;
}

bool GRenderer::LogContains(const std::string& text) {
    for (const std::string& line : RecentLines())
        if (line.find(text) != std::string::npos) return true;
    return false;
}

void GRenderer::EngineFailure(const std::string& step, const std::string& error, bool surfaceLost) {
    DrawLog(step + " " + error);
    // Only the first real failure stops the device and tells the player; later ones only log.
    if (surfaceLost || failed_) return;
    failed_ = true;
    Unload();
    const std::string text = FormatText("Please check publishers website for tech support Details: [%s] ", step.c_str());
    if (messageBox_) messageBox_("D3DEngine Error", text);
    else ShowMessageBox("D3DEngine Error", text);
}

int GRenderer::DesktopBits() const {
    if (probe_.desktopBits) return probe_.desktopBits();
    SDL_DisplayMode mode;
    return SDL_GetDesktopDisplayMode(0, &mode) == 0 ? static_cast<int>(SDL_BITSPERPIXEL(mode.format)) : 32;
}

std::string GRenderer::AdapterDescription() const {
    if (probe_.adapter) return probe_.adapter();
    // The primary adapter's PCI vendor; 0x8086 is Intel's.
    std::FILE* vendor = std::fopen("/sys/class/drm/card0/device/vendor", "r");
    if (!vendor) return std::string();
    char id[16] = {};
    const bool read = std::fgets(id, sizeof id, vendor) != nullptr;
    std::fclose(vendor);
    return read && std::strncmp(id, "0x8086", 6) == 0 ? "Intel graphics" : "graphics";
}

bool GRenderer::Initialise(SDL_Window* window, int width, int height, int depth, bool forceWindowed) {
    DrawLog("Initialising Direct Draw");
    LibConfigSection config;
    config.Load("config", gDisplayFile);
    windowed_ = forceWindowed || DisplaySetting(config, "IsWindowed") != 0;
    const bool useRGB = DisplaySetting(config, "UseRGB") != 0;
    const bool noVsync = DisplaySetting(config, "DisableVerticalSynch") != 0;
    if (!forceWindowed && DisplaySetting(config, "SafeMode") != 0) {
        DrawLog("Forcing to safe mode, fullscreen not stable");
        windowed_ = true;
    }
    DrawLog(windowed_ ? "Attempting windowed mode" : "Attempting fullscreen mode");
    if (useRGB) DrawLog("Using RGB renderer");
    char line[128];
    std::snprintf(line, sizeof line, "Creating Context at %d %d %d", width, height, depth);
    DrawLog(line);
    const bool forceFallback = DisplaySetting(config, "ForceFallback") != 0;
    if (depth == 32 && DesktopBits() == 16) {
        DrawLog("Can't use 32 bit color on a 16bit desktop, swapping to 16 bit");
        depth = 16;
    }
    if (DisplaySetting(config, "IgnoreIntel") == 0) {
        const std::string adapter = AdapterDescription();
        if (adapter.find("intel") != std::string::npos || adapter.find("Intel") != std::string::npos) {
            DrawLog("Intel video card detected, forcing to 16 bit mode");
            depth = 16;
        }
    }
    depth_ = depth;

    if (renderer_) Unload();
    window_ = window;
    width_ = width;
    height_ = height;
    released_ = false;
    ++generation_;
    // Full screen keeps the desktop's resolution; the back buffer is scaled and letterboxed.
    if (windowed_) LeaveFullScreen();
    else EnterFullScreen();

    const Uint32 vsync = noVsync ? 0 : SDL_RENDERER_PRESENTVSYNC;
    if (!forceFallback && !useRGB && !softwareOnly_) {
        renderer_ = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | vsync);
        if (renderer_) {
            DrawLog("context created");
        } else {
            DrawLog(std::string("D3DXCreateContext failed, HRESULT was (0)") + SDL_GetError());
        }
    } else if (forceFallback) {
        DrawLog("Forcing Fallback Init");
    }
    if (!renderer_) {
        DrawLog("Attempting Fallback Init");
        renderer_ = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
        if (!renderer_) {
            EngineFailure("CreateFallbackBuffersWindowed", SDL_GetError());
            return false;
        }
        DrawLog("Fallback init succeeded");
    }
    DrawLog("Device obtained");
    SDL_RendererInfo info{};
    software_ = SDL_GetRendererInfo(renderer_, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) != 0;
    SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_BLEND);
    if (!CreateBackBuffer()) DrawLog(std::string("No back buffer, drawing to the window unscaled: ") + SDL_GetError());
    MeasureOutput();
    DrawLog("backbuffer obtained");
    textures_.clear();
    return true;
}

void GRenderer::EnterFullScreen() {
    if ((SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) == 0) {
        SDL_GetWindowPosition(window_, &windowedX_, &windowedY_);
        haveWindowedPlace_ = true;
    }
    SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
    // Without a window manager nobody gives the window the display's size, yet SDL (and so the
    // renderer's output) believes it has it, and the picture is cropped. Asked for a size and
    // place while full screen, SDL applies what it believes to the real window; a window
    // manager has already done the same.
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window_), &bounds) == 0) {
        SDL_SetWindowSize(window_, bounds.w, bounds.h);
        SDL_SetWindowPosition(window_, bounds.x, bounds.y);
    }
}

void GRenderer::LeaveFullScreen() {
    if ((SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) == 0) return;
    SDL_SetWindowFullscreen(window_, 0);
    // Full screen made the display's size the window's own; the window gets its size back.
    SDL_SetWindowSize(window_, width_, height_);
    if (haveWindowedPlace_) SDL_SetWindowPosition(window_, windowedX_, windowedY_);
    else SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

bool GRenderer::CreateBackBuffer() {
    if (backBuffer_) SDL_DestroyTexture(backBuffer_);
    backBuffer_ = nullptr;
    if (!SDL_RenderTargetSupported(renderer_)) return false;
    // No alpha channel, like a window: blending into it works as it did on the screen, and the
    // copy to the window needs no conversion.
    backBuffer_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_TARGET, width_, height_);
    if (!backBuffer_) return false;
    SDL_SetTextureBlendMode(backBuffer_, SDL_BLENDMODE_NONE);
    // Filtered: at 1.25 nearest-pixel scaling doubles every fourth row and column of the text.
    // It costs about a millisecond a frame on the software renderer, nothing on a graphics card.
    SDL_SetTextureScaleMode(backBuffer_, SDL_ScaleModeLinear);
    if (SDL_SetRenderTarget(renderer_, backBuffer_) != 0) {
        SDL_DestroyTexture(backBuffer_);
        backBuffer_ = nullptr;
        return false;
    }
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    return true;
}

void GRenderer::MeasureOutput() {
    if (!backBuffer_) {
        letterbox_ = GLetterbox::Fit(width_, height_, width_, height_);  // drawn unscaled at the top left
        return;
    }
    // SDL reports a bound target's size as the output's.
    SDL_Texture* bound = SDL_GetRenderTarget(renderer_);
    if (bound) SDL_SetRenderTarget(renderer_, nullptr);
    int outputW = width_, outputH = height_, windowW = 0, windowH = 0;
    if (SDL_GetRendererOutputSize(renderer_, &outputW, &outputH) != 0) outputW = width_, outputH = height_;
    if (window_) SDL_GetWindowSize(window_, &windowW, &windowH);
    letterbox_ = GLetterbox::Fit(width_, height_, outputW, outputH, windowW, windowH);
    if (bound) SDL_SetRenderTarget(renderer_, bound);
}

GLetterbox GLetterbox::Fit(int backWidth, int backHeight, int outputWidth, int outputHeight, int windowWidth,
                           int windowHeight) {
    GLetterbox fit;
    fit.outputWidth = std::max(outputWidth, 1);
    fit.outputHeight = std::max(outputHeight, 1);
    fit.windowWidth = windowWidth > 0 ? windowWidth : fit.outputWidth;
    fit.windowHeight = windowHeight > 0 ? windowHeight : fit.outputHeight;
    backWidth = std::max(backWidth, 1);
    backHeight = std::max(backHeight, 1);
    fit.scale = std::min(static_cast<float>(fit.outputWidth) / static_cast<float>(backWidth),
                         static_cast<float>(fit.outputHeight) / static_cast<float>(backHeight));
    fit.width = std::clamp(static_cast<int>(std::lround(static_cast<float>(backWidth) * fit.scale)), 1, fit.outputWidth);
    fit.height = std::clamp(static_cast<int>(std::lround(static_cast<float>(backHeight) * fit.scale)), 1, fit.outputHeight);
    // Whole pixels, so the picture's edges stay sharp.
    fit.x = (fit.outputWidth - fit.width) / 2;
    fit.y = (fit.outputHeight - fit.height) / 2;
    return fit;
}

void GLetterbox::WindowToBackBuffer(float wx, float wy, float& bx, float& by) const {
    // Window units may differ from output pixels (a high-density display).
    const float px = wx * static_cast<float>(outputWidth) / static_cast<float>(windowWidth);
    const float py = wy * static_cast<float>(outputHeight) / static_cast<float>(windowHeight);
    bx = (px - static_cast<float>(x)) / scale;
    by = (py - static_cast<float>(y)) / scale;
}

void GRenderer::Unload() {
    copies_.Clear();
    for (GTexture& record : textures_) {
        if (record.texture) SDL_DestroyTexture(record.texture);
        record.texture = nullptr;
    }
    textures_.clear();
    for (GTexture& scaled : scaled_)
        if (scaled.texture) SDL_DestroyTexture(scaled.texture);
    scaled_.clear();
    ++generation_;
    lastDrawn_ = nullptr;
    if (backBuffer_) SDL_DestroyTexture(backBuffer_);
    backBuffer_ = nullptr;
    if (renderer_) SDL_DestroyRenderer(renderer_);
    renderer_ = nullptr;
}

void GRenderer::Release() {
    if (released_ || !renderer_) {
        DrawLog("Engine already released");
        return;
    }
    char line[96];
    std::snprintf(line, sizeof line, "Redundant calls/frame = %f",
                  frames_ ? static_cast<double>(redundantCalls_) / static_cast<double>(frames_) : 0.0);
    DrawLog(line);
    Unload();
    released_ = true;
}

void GRenderer::BeginFrame() {
    lastDrawn_ = nullptr;
    if (!renderer_ || !drawPixels_) return;
    if (backBuffer_ && SDL_GetRenderTarget(renderer_) != backBuffer_) SDL_SetRenderTarget(renderer_, backBuffer_);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    if (SDL_RenderClear(renderer_) != 0) {
        EngineFailure("Clear", SDL_GetError());
        return;
    }
}

void GRenderer::EndFrame() {
    if (!renderer_) return;
    copies_.EndFrame();
    constexpr std::uint64_t kSweepFrames = 250;
    if (++frameCount_ % kSweepFrames == 0) DropUnusedTextures();
    if (!backBuffer_ || !drawPixels_) {
        if (drawPixels_) SDL_RenderPresent(renderer_);
        ++frames_;
        return;
    }
    // The output is measured every frame: the window may have changed size since the last.
    // One scaled copy of the whole back buffer costs far less on the software renderer than
    // scaling every sprite and glyph as it is drawn.
    SDL_SetRenderTarget(renderer_, nullptr);
    MeasureOutput();
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    const SDL_Rect picture{letterbox_.x, letterbox_.y, letterbox_.width, letterbox_.height};
    SDL_RenderCopy(renderer_, backBuffer_, nullptr, &picture);
    SDL_RenderPresent(renderer_);
    // Back to the back buffer, which still holds the frame for a capture.
    SDL_SetRenderTarget(renderer_, backBuffer_);
    ++frames_;
}

void GRenderer::AddTextureFolder(const std::string& folder) {
    const std::string root = DataFile(folder);
    std::error_code ec;
    if (!fs::is_directory(root, ec)) return;
    folders_.push_back(root);
    std::vector<std::string> children;
    for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_directory(ec)) children.push_back(it->path().string());
    std::sort(children.begin(), children.end());
    for (const std::string& child : children) AddTextureFolder(child);
}

bool LoadPicturePixels(const std::string& name, std::vector<std::uint32_t>& pixels, int& width, int& height) {
    const std::string path = DataFile(name);
    FREE_IMAGE_FORMAT format = FreeImage_GetFileType(path.c_str(), 0);
    if (format == FIF_UNKNOWN) format = FreeImage_GetFIFFromFilename(path.c_str());
    if (format == FIF_UNKNOWN || !FreeImage_FIFSupportsReading(format)) return false;
    FIBITMAP* loaded = FreeImage_Load(format, path.c_str(), 0);
    if (!loaded) return false;
    FIBITMAP* rgba = FreeImage_ConvertTo32Bits(loaded);
    FreeImage_Unload(loaded);
    if (!rgba) return false;
    width = static_cast<int>(FreeImage_GetWidth(rgba));
    height = static_cast<int>(FreeImage_GetHeight(rgba));
    pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    // FreeImage keeps rows bottom-up, each pixel as B, G, R, A bytes.
    for (int y = 0; y < height; ++y)
        std::memcpy(&pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width)],
                    FreeImage_GetScanLine(rgba, height - 1 - y), static_cast<std::size_t>(width) * 4);
    FreeImage_Unload(rgba);
    return width > 0 && height > 0;
}

bool SavePicturePNG(const std::string& path, const std::vector<std::uint32_t>& pixels, int width, int height) {
    if (width <= 0 || height <= 0 || pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        return false;
    FIBITMAP* bitmap = FreeImage_Allocate(width, height, 32, FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK);
    if (!bitmap) return false;
    for (int y = 0; y < height; ++y)
        std::memcpy(FreeImage_GetScanLine(bitmap, height - 1 - y),
                    &pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width)],
                    static_cast<std::size_t>(width) * 4);
    const bool saved = FreeImage_Save(FIF_PNG, bitmap, path.c_str(), PNG_DEFAULT) != 0;
    FreeImage_Unload(bitmap);
    return saved;
}

bool GRenderer::LoadInto(GTexture& record) {
    std::vector<std::uint32_t> pixels;
    int w = 0, h = 0;
    const bool picture = EndsWith(record.path, ".png") || EndsWith(record.path, ".jpg");
    if (!LoadPicturePixels(record.path, pixels, w, h)) {
        if (picture) DrawLog(EndsWith(record.path, ".png") ? "failed loading png" : "failed loading jpg");
        return false;
    }
    const bool png = EndsWith(record.path, ".png");
    if (picture) DrawLog(FormatText("%s data is height: %d width : %d", png ? "PNG" : "JPG", h, w));
    if (picture && depth_ == 16) {
        // 16-bit mode keeps pictures as 5-6-5 pixels, which have no alpha.
        DrawLog(png ? "Converting PNG to 16 bits" : "Converting JPG to 16 bits");
        for (std::uint32_t& p : pixels) p = To565(p);
    }
    if (!CreateFromPixels(record, pixels, w, h)) {
        if (picture) DrawLog(png ? "Failed to create png surface" : "Failed to create jpg surface");
        return false;
    }
    return true;
}

bool GRenderer::CreateFromPixels(GTexture& record, const std::vector<std::uint32_t>& pixels, int w, int h) {
    SDL_Texture* texture = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, w, h);
    if (!texture) return false;
    SDL_UpdateTexture(texture, nullptr, pixels.data(), w * 4);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    if (record.texture) SDL_DestroyTexture(record.texture);
    record.texture = texture;
    record.width = w;
    record.height = h;
    record.opaque = std::all_of(pixels.begin(), pixels.end(), [](std::uint32_t p) { return (p >> 24) == 0xFF; });
    return true;
}

std::vector<std::uint32_t> ResamplePixels(const std::vector<std::uint32_t>& pixels, int width, int height, int newWidth,
                                          int newHeight) {
    std::vector<std::uint32_t> out(static_cast<std::size_t>(newWidth) * static_cast<std::size_t>(newHeight));
    const double sx = static_cast<double>(width) / newWidth, sy = static_cast<double>(height) / newHeight;
    for (int y = 0; y < newHeight; ++y) {
        const double y0 = y * sy, y1 = (y + 1) * sy;
        for (int x = 0; x < newWidth; ++x) {
            const double x0 = x * sx, x1 = (x + 1) * sx;
            double a = 0, r = 0, g = 0, b = 0, area = 0;
            for (int py = static_cast<int>(y0); py < height && py < y1; ++py) {
                const double wy = std::min<double>(py + 1, y1) - std::max<double>(py, y0);
                for (int px = static_cast<int>(x0); px < width && px < x1; ++px) {
                    const double weight = wy * (std::min<double>(px + 1, x1) - std::max<double>(px, x0));
                    const std::uint32_t p = pixels[static_cast<std::size_t>(py) * static_cast<std::size_t>(width) + static_cast<std::size_t>(px)];
                    const double alpha = (p >> 24) * weight;
                    a += alpha;
                    r += ((p >> 16) & 0xFF) * alpha;
                    g += ((p >> 8) & 0xFF) * alpha;
                    b += (p & 0xFF) * alpha;
                    area += weight;
                }
            }
            std::uint32_t result = 0;
            if (a > 0.0) {
                auto channel = [](double v) { return static_cast<std::uint32_t>(std::clamp(v + 0.5, 0.0, 255.0)); };
                result = channel(a / area) << 24 | channel(r / a) << 16 | channel(g / a) << 8 | channel(b / a);
            }
            out[static_cast<std::size_t>(y) * static_cast<std::size_t>(newWidth) + static_cast<std::size_t>(x)] = result;
        }
    }
    return out;
}

GTexture* GRenderer::FindMade(const std::string& name) {
    for (GTexture& made : scaled_)
        if (made.name == name) {
            made.lastUse = frameCount_;
            return &made;
        }
    return nullptr;
}

std::size_t GRenderer::TexturePixels() const {
    std::size_t pixels = 0;
    for (const std::list<GTexture>* list : {&textures_, &scaled_})
        for (const GTexture& texture : *list)
            pixels += static_cast<std::size_t>(texture.width) * static_cast<std::size_t>(texture.height);
    return pixels;
}

void GRenderer::DropUnusedTextures() {
    std::size_t pixels = TexturePixels();
    if (pixels <= textureBudget_) return;
    struct Unused {
        std::list<GTexture>* list;
        std::list<GTexture>::iterator texture;
    };
    std::vector<Unused> unused;
    for (std::list<GTexture>* list : {&textures_, &scaled_})
        for (auto it = list->begin(); it != list->end(); ++it)
            if (it->lastUse + kUnusedFrames < frameCount_) unused.push_back({list, it});
    if (unused.empty()) return;
    std::sort(unused.begin(), unused.end(),
              [](const Unused& a, const Unused& b) { return a.texture->lastUse < b.texture->lastUse; });
    for (const auto& [list, texture] : unused) {
        if (pixels <= textureBudget_) break;
        pixels -= static_cast<std::size_t>(texture->width) * static_cast<std::size_t>(texture->height);
        if (texture->texture) SDL_DestroyTexture(texture->texture);
        list->erase(texture);
    }
    // Sprites find their textures again, and no ready copy may outlive its source.
    copies_.Clear();
    lastDrawn_ = nullptr;
    ++generation_;
    // Pictures come and go in every size: the allocator keeps the freed pages unless asked to
    // give them back, and the process would grow for no use.
    malloc_trim(0);
}

GTexture* GRenderer::KeepMade(const std::string& name, const std::string& path, const std::vector<std::uint32_t>& pixels,
                              int width, int height) {
    GTexture record;
    record.name = name;
    record.path = path;
    if (!CreateFromPixels(record, pixels, width, height)) return nullptr;
    record.lastUse = frameCount_;
    scaled_.push_back(std::move(record));
    return &scaled_.back();
}

GTexture* GRenderer::ScaledTexture(GTexture* source, int width, int height) {
    if (!renderer_ || !source || width <= 0 || height <= 0) return source;
    if (width == source->width && height == source->height) return source;
    const std::string name = FormatText("%s@%dx%d", source->name.c_str(), width, height);
    if (GTexture* made = FindMade(name)) return made;
    std::vector<std::uint32_t> pixels;
    int w = 0, h = 0;
    if (!LoadPicturePixels(source->path, pixels, w, h)) return source;
    GTexture* scaled = KeepMade(name, source->path, ResamplePixels(pixels, w, h, width, height), width, height);
    return scaled ? scaled : source;
}

GTexture* GRenderer::SummedTexture(const std::vector<std::string>& names, int width, int height, float weight) {
    if (!renderer_ || names.empty() || width <= 0 || height <= 0) return nullptr;
    std::string name;
    for (const std::string& part : names) name += (name.empty() ? "" : "+") + part;
    name = FormatText("%s@%dx%d*%.3f", name.c_str(), width, height, static_cast<double>(weight));
    if (GTexture* made = FindMade(name)) return made;
    std::vector<float> sum(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3, 0.0f);
    for (const std::string& part : names) {
        GTexture* source = FindTexture(part);
        std::vector<std::uint32_t> pixels;
        int w = 0, h = 0;
        if (!source || !LoadPicturePixels(source->path, pixels, w, h)) return nullptr;
        if (w != width || h != height) pixels = ResamplePixels(pixels, w, h, width, height);
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const float share = static_cast<float>(pixels[i] >> 24) / 255.0f * weight;
            for (int c = 0; c < 3; ++c) sum[i * 3 + static_cast<std::size_t>(c)] += static_cast<float>((pixels[i] >> (16 - 8 * c)) & 0xFF) * share;
        }
    }
    std::vector<std::uint32_t> out(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    auto channel = [](float v) { return static_cast<std::uint32_t>(std::clamp(v + 0.5f, 0.0f, 255.0f)); };
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = 0xFF000000u | channel(sum[i * 3]) << 16 | channel(sum[i * 3 + 1]) << 8 | channel(sum[i * 3 + 2]);
    return KeepMade(name, FindTexture(names.front())->path, out, width, height);
}

GTexture* GRenderer::FindTexture(const std::string& name) {
    for (auto it = textures_.begin(); it != textures_.end(); ++it) {
        if (it->name != name) continue;
        textures_.splice(textures_.begin(), textures_, it);
        textures_.front().lastUse = frameCount_;
        return &textures_.front();
    }
    if (!renderer_ || reportedMissing_.count(name)) return nullptr;
    GTexture record;
    record.name = name;
    std::error_code ec;
    // Only names of the four picture kinds are searched, exactly as spelt (case matters). A
    // name may carry the sub-folder it lies in below a texture folder ("male_portraits/m01_sad.jpg",
    // as the people keep their faces), but never leave the folders.
    const bool insideFolders = !name.empty() && name.front() != '/' && ("/" + name + "/").find("/../") == std::string::npos;
    if (insideFolders && MatchesWildcard(name, TextureKindPattern(name))) {
        for (const std::string& folder : folders_) {
            const std::string candidate = folder + "/" + name;
            if (fs::is_regular_file(candidate, ec)) {
                record.path = candidate;
                break;
            }
        }
    }
    if (record.path.empty() || !LoadInto(record)) {
        // Reported once per name; the game goes on and draws nothing in its place.
        DrawLog("Failed to create texture: " + name + " ");
        ReportError(__FILE__, "Failed to locate texture: " + name, __LINE__);
        reportedMissing_.insert(name);
        return nullptr;
    }
    record.lastUse = frameCount_;
    textures_.push_front(std::move(record));
    DrawLog("Texture created : " + name);
    return &textures_.front();
}

GTexture* GRenderer::SetTexture(const std::string& name) {
    GTexture* texture = FindTexture(name);
    if (texture) NoteTextureUse(texture);
    return texture;
}

void GRenderer::ReloadTextures() {
    DrawLog("RestoreSurfaces");
    copies_.Clear();
    for (GTexture& scaled : scaled_)
        if (scaled.texture) SDL_DestroyTexture(scaled.texture);
    scaled_.clear();
    for (GTexture& record : textures_)
        if (!LoadInto(record)) DrawLog("Failed to create texture: " + record.name + " ");
    // A reset device lost the back buffer too.
    if (renderer_ && backBuffer_ && !CreateBackBuffer()) DrawLog(std::string("No back buffer: ") + SDL_GetError());
    lastDrawn_ = nullptr;
    ++generation_;
}

void GRenderer::NoteTextureUse(const GTexture* texture) {
    // The device only changes texture when another one is asked for; asking again is redundant.
    if (texture == lastDrawn_) ++redundantCalls_;
    else ++textureSwitches_;
    lastDrawn_ = texture;
}

void GRenderer::DrawCorners(GTexture* texture, const float (&x)[4], const float (&y)[4], const GUVRect& uv,
                            std::uint32_t argb, GBlend blend, bool countUse) {
    GVertex quad[4];
    for (int i = 0; i < 4; ++i) {
        quad[i].x = x[i];
        quad[i].y = y[i];
        quad[i].u = i % 2 ? uv.u1 : uv.u0;
        quad[i].v = i / 2 ? uv.v1 : uv.v0;
        quad[i].diffuse = argb;
    }
    DrawQuad(texture, quad, blend, countUse);
}

void GRenderer::DrawQuad(GTexture* texture, const GVertex (&q)[4], GBlend blend, bool countUse) {
    if (!renderer_ || (texture && !texture->texture)) return;
    const bool axisAligned = q[QUAD_TL].y == q[QUAD_TR].y && q[QUAD_BL].y == q[QUAD_BR].y &&
                             q[QUAD_TL].x == q[QUAD_BL].x && q[QUAD_TR].x == q[QUAD_BR].x &&
                             q[QUAD_TL].v == q[QUAD_TR].v && q[QUAD_BL].v == q[QUAD_BR].v &&
                             q[QUAD_TL].u == q[QUAD_BL].u && q[QUAD_TR].u == q[QUAD_BR].u;
    const std::uint32_t colour = q[QUAD_TL].diffuse;
    const bool oneColour = q[QUAD_TR].diffuse == colour && q[QUAD_BL].diffuse == colour && q[QUAD_BR].diffuse == colour;
    if (texture && countUse) NoteTextureUse(texture);
    if (!drawPixels_) return;
    if (axisAligned && oneColour && q[QUAD_TR].x >= q[QUAD_TL].x && q[QUAD_BL].y >= q[QUAD_TL].y) {
        const SDL_FRect target{q[QUAD_TL].x, q[QUAD_TL].y, q[QUAD_TR].x - q[QUAD_TL].x, q[QUAD_BL].y - q[QUAD_TL].y};
        if (!texture) {
            SDL_SetRenderDrawBlendMode(renderer_, BlendMode(blend));
            SetDrawColour(renderer_, colour);
            SDL_RenderFillRectF(renderer_, &target);
            SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_BLEND);
            return;
        }
        // Mirrored texture coordinates become a flipped copy.
        const float u0 = std::min(q[QUAD_TL].u, q[QUAD_TR].u), u1 = std::max(q[QUAD_TL].u, q[QUAD_TR].u);
        const float v0 = std::min(q[QUAD_TL].v, q[QUAD_BL].v), v1 = std::max(q[QUAD_TL].v, q[QUAD_BL].v);
        const float tw = static_cast<float>(texture->width), th = static_cast<float>(texture->height);
        const SDL_Rect source{static_cast<int>(std::lround(u0 * tw)), static_cast<int>(std::lround(v0 * th)),
                              static_cast<int>(std::lround((u1 - u0) * tw)), static_cast<int>(std::lround((v1 - v0) * th))};
        if (source.w <= 0 || source.h <= 0) return;
        const int flip = (q[QUAD_TL].u > q[QUAD_TR].u ? SDL_FLIP_HORIZONTAL : 0) |
                         (q[QUAD_TL].v > q[QUAD_BL].v ? SDL_FLIP_VERTICAL : 0);
        CopyPart(texture, source, target, colour, blend, flip);
        return;
    }
    const float extent = std::max({std::abs(q[QUAD_TR].x - q[QUAD_TL].x), std::abs(q[QUAD_BR].x - q[QUAD_BL].x),
                                   std::abs(q[QUAD_BL].y - q[QUAD_TL].y), std::abs(q[QUAD_BR].y - q[QUAD_TR].y)});
    const int tiles = std::clamp(static_cast<int>(std::ceil(extent / kGeometryTile)), 1, 64);
    std::vector<SDL_Vertex> vertices;
    std::vector<int> indices;
    vertices.reserve(static_cast<std::size_t>((tiles + 1) * (tiles + 1)));
    for (int j = 0; j <= tiles; ++j)
        for (int i = 0; i <= tiles; ++i)
            vertices.push_back(QuadPoint(q, static_cast<float>(i) / static_cast<float>(tiles),
                                         static_cast<float>(j) / static_cast<float>(tiles)));
    for (int j = 0; j < tiles; ++j)
        for (int i = 0; i < tiles; ++i) {
            const int a = j * (tiles + 1) + i, b = a + 1, c = a + tiles + 1, d = c + 1;
            indices.insert(indices.end(), {a, b, c, b, d, c});
        }
    if (texture) {
        SDL_SetTextureBlendMode(texture->texture, BlendMode(blend));
        SDL_SetTextureColorMod(texture->texture, 255, 255, 255);
        SDL_SetTextureAlphaMod(texture->texture, 255);
    } else {
        SDL_SetRenderDrawBlendMode(renderer_, BlendMode(blend));
    }
    SDL_RenderGeometry(renderer_, texture ? texture->texture : nullptr, vertices.data(), static_cast<int>(vertices.size()),
                       indices.data(), static_cast<int>(indices.size()));
    SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_BLEND);
}

void GRenderer::DrawTexture(const std::string& name, float x, float y, float w, float h, const GUVRect& uv,
                            std::uint32_t argb) {
    GTexture* record = SetTexture(name);
    if (!record || !record->texture || !drawPixels_) return;
    const SDL_Rect source{static_cast<int>(uv.u0 * static_cast<float>(record->width) + 0.5f),
                          static_cast<int>(uv.v0 * static_cast<float>(record->height) + 0.5f),
                          static_cast<int>((uv.u1 - uv.u0) * static_cast<float>(record->width) + 0.5f),
                          static_cast<int>((uv.v1 - uv.v0) * static_cast<float>(record->height) + 0.5f)};
    CopyPart(record, source, {x, y, w, h}, argb, GBlend::Alpha, SDL_FLIP_NONE);
}

void GRenderer::CopyPart(GTexture* texture, const SDL_Rect& source, const SDL_FRect& target, std::uint32_t argb,
                         GBlend blend, int flip) {
    const bool solid = texture->opaque && blend == GBlend::Alpha && Channel(argb, 24) == 0xFF;
    const SDL_BlendMode mode = solid ? SDL_BLENDMODE_NONE : BlendMode(blend);
    // The software renderer takes a target's size in whole pixels, dropping the fraction.
    const int w = static_cast<int>(target.w), h = static_cast<int>(target.h);
    const bool additive = blend == GBlend::Additive;
    // Plain: unstretched, untinted, and opaque if added.
    const bool plain = (w == source.w && h == source.h && argb == 0xFFFFFFFF && (!additive || texture->opaque)) ||
                       w * h < kLeastCopied;
    SDL_Texture* ready = nullptr;
    if (software_ && !flip && !plain) ready = copies_.Find(renderer_, {texture->texture, source, w, h, argb, additive});
    if (ready) {
        SDL_SetTextureBlendMode(ready, mode);
        const SDL_FRect at{target.x, target.y, static_cast<float>(w), static_cast<float>(h)};
        SDL_RenderCopyF(renderer_, ready, nullptr, &at);
        return;
    }
    SDL_SetTextureBlendMode(texture->texture, mode);
    SDL_SetTextureColorMod(texture->texture, Channel(argb, 16), Channel(argb, 8), Channel(argb, 0));
    SDL_SetTextureAlphaMod(texture->texture, Channel(argb, 24));
    if (flip)
        SDL_RenderCopyExF(renderer_, texture->texture, &source, &target, 0.0, nullptr, static_cast<SDL_RendererFlip>(flip));
    else
        SDL_RenderCopyF(renderer_, texture->texture, &source, &target);
}

void GRenderer::FillRect(float x, float y, float w, float h, std::uint32_t argb) {
    if (!renderer_ || !drawPixels_) return;
    SetDrawColour(renderer_, argb);
    const SDL_FRect rect{x, y, w, h};
    if (SDL_RenderFillRectF(renderer_, &rect) != 0) EngineFailure("Fill rect", SDL_GetError());
}

bool GRenderer::ReadFrame(std::vector<std::uint32_t>& pixels) {
    if (!renderer_ || !drawPixels_) return false;
    pixels.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0);
    SDL_Rect all{0, 0, width_, height_};
    return SDL_RenderReadPixels(renderer_, &all, SDL_PIXELFORMAT_ARGB8888, pixels.data(), width_ * 4) == 0;
}

bool GRenderer::SaveFramePNG(const std::string& path) {
    std::vector<std::uint32_t> pixels;
    if (!ReadFrame(pixels)) return false;
    // The back buffer has no meaningful alpha; a capture is opaque.
    for (std::uint32_t& pixel : pixels) pixel |= 0xFF000000u;
    return SavePicturePNG(path, pixels, width_, height_);
}
