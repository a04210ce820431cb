#include "Renderer.h"

#include "LibConfigSection.h"
#include "LibDebugLog.h"
#include "LibErrors.h"

#include <FreeImage.h>
#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;

namespace {
constexpr const char* kDisplayFile = "data/config.muf";

int DisplaySetting(const LibConfigSection& config, const char* key) {
    return static_cast<int>(config.GetFloat(key, 0.0f));
}

void SetDrawColour(SDL_Renderer* renderer, std::uint32_t argb) {
    SDL_SetRenderDrawColor(renderer, (argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF, argb >> 24);
}
}  // namespace

GRenderer& Renderer() {
    static GRenderer renderer;
    return renderer;
}

GRenderer::~GRenderer() { Unload(); }

void GRenderer::DrawLog(const std::string& text) {
    static std::FILE* log = nullptr;
    if (!log) {
        std::error_code ec;
        fs::create_directories("debugdata", ec);
        log = std::fopen("./debugdata/drawdebug.txt", "w");
    }
    if (log) {
        std::fprintf(log, "%s\n", text.c_str());
        std::fflush(log);
    }
    WriteDebugOutput(text + "\n");
}

bool GRenderer::Initialise(SDL_Window* window, int width, int height, int depth, bool forceWindowed) {
    DrawLog("Initialising Direct Draw");
    LibConfigSection config;
    config.Load("config", kDisplayFile);
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

    window_ = window;
    width_ = width;
    height_ = height;
    released_ = false;
    // Full screen keeps the desktop's resolution; the back buffer is scaled and letterboxed.
    SDL_SetWindowFullscreen(window, windowed_ ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);

    const Uint32 vsync = noVsync ? 0 : SDL_RENDERER_PRESENTVSYNC;
    if (!forceFallback && !useRGB) {
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
            DrawLog(std::string("Fallback init failed: ") + SDL_GetError());
            return false;
        }
        DrawLog("Fallback init succeeded");
    }
    DrawLog("Device obtained");
    SDL_RenderSetLogicalSize(renderer_, width, height);
    SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_BLEND);
    DrawLog("backbuffer obtained");
    textures_.clear();
    currentTexture_.clear();
    return true;
}

void GRenderer::Unload() {
    for (GTexture& record : textures_) {
        if (record.texture) SDL_DestroyTexture(record.texture);
        record.texture = nullptr;
    }
    textures_.clear();
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
    if (!renderer_) return;
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    currentTexture_.clear();
}

void GRenderer::EndFrame() {
    if (!renderer_) return;
    SDL_RenderPresent(renderer_);
    ++frames_;
}

void GRenderer::AddTextureFolder(const std::string& root) {
    std::error_code ec;
    if (!fs::is_directory(root, ec)) return;
    folders_.push_back(root);
    std::vector<std::string> children;
    for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_directory(ec)) children.push_back(it->path().string());
    std::sort(children.begin(), children.end());
    for (const std::string& child : children) AddTextureFolder(child);
}

bool LoadPicturePixels(const std::string& path, std::vector<std::uint32_t>& pixels, int& width, int& height) {
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

bool GRenderer::LoadInto(GTexture& record) {
    std::vector<std::uint32_t> pixels;
    int w = 0, h = 0;
    if (!LoadPicturePixels(record.path, pixels, w, h)) return false;
    SDL_Texture* texture = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, w, h);
    if (!texture) return false;
    SDL_UpdateTexture(texture, nullptr, pixels.data(), w * 4);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    if (record.texture) SDL_DestroyTexture(record.texture);
    record.texture = texture;
    record.width = w;
    record.height = h;
    return true;
}

GTexture* GRenderer::FindTexture(const std::string& name) {
    for (auto it = textures_.begin(); it != textures_.end(); ++it) {
        if (it->name != name) continue;
        textures_.splice(textures_.begin(), textures_, it);
        return &textures_.front();
    }
    if (!renderer_ || reportedMissing_.count(name)) return nullptr;
    GTexture record;
    record.name = name;
    std::error_code ec;
    if (name.find('/') == std::string::npos) {
        for (const std::string& folder : folders_) {
            const std::string candidate = folder + "/" + name;
            if (fs::is_regular_file(candidate, ec)) {
                record.path = candidate;
                break;
            }
        }
    }
    if (record.path.empty() || !LoadInto(record)) {
        DrawLog("Failed to create texture: " + name + " ");
        ReportError(__FILE__, "Failed to locate texture " + name, __LINE__);
        reportedMissing_.insert(name);
        return nullptr;
    }
    textures_.push_front(std::move(record));
    DrawLog("Texture created : " + name);
    return &textures_.front();
}

GTexture* GRenderer::SetTexture(const std::string& name) {
    if (name == currentTexture_) ++redundantCalls_;
    currentTexture_ = name;
    return FindTexture(name);
}

void GRenderer::ReloadTextures() {
    DrawLog("RestoreSurfaces");
    for (GTexture& record : textures_)
        if (!LoadInto(record)) DrawLog("Failed to create texture: " + record.name + " ");
    currentTexture_.clear();
}

void GRenderer::DrawTexture(const std::string& name, float x, float y, float w, float h, const GUVRect& uv,
                            std::uint32_t argb) {
    GTexture* record = SetTexture(name);
    if (!record || !record->texture) return;
    const SDL_Rect source{static_cast<int>(uv.u0 * static_cast<float>(record->width) + 0.5f),
                          static_cast<int>(uv.v0 * static_cast<float>(record->height) + 0.5f),
                          static_cast<int>((uv.u1 - uv.u0) * static_cast<float>(record->width) + 0.5f),
                          static_cast<int>((uv.v1 - uv.v0) * static_cast<float>(record->height) + 0.5f)};
    const SDL_FRect target{x, y, w, h};
    SDL_SetTextureColorMod(record->texture, (argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
    SDL_SetTextureAlphaMod(record->texture, argb >> 24);
    SDL_RenderCopyF(renderer_, record->texture, &source, &target);
}

void GRenderer::FillRect(float x, float y, float w, float h, std::uint32_t argb) {
    if (!renderer_) return;
    SetDrawColour(renderer_, argb);
    const SDL_FRect rect{x, y, w, h};
    SDL_RenderFillRectF(renderer_, &rect);
}

bool GRenderer::ReadFrame(std::vector<std::uint32_t>& pixels) {
    if (!renderer_) return false;
    pixels.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0);
    SDL_Rect all{0, 0, width_, height_};
    return SDL_RenderReadPixels(renderer_, &all, SDL_PIXELFORMAT_ARGB8888, pixels.data(), width_ * 4) == 0;
}
