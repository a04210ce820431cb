#pragma once
// The sprite renderer: textured, alpha-blended screen-space quads on a 1024x768 back buffer,
// windowed or full screen (scaled and letterboxed), with the texture list and its folders.
#include "CopyCache.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <list>
#include <memory>
#include <set>
#include <string>
#include <vector>

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

struct GTexture {
    std::string name;  // as requested, e.g. "button_h.dds"
    std::string path;  // folder + "/" + name
    SDL_Texture* texture = nullptr;
    int width = 0;
    int height = 0;
    bool opaque = false;  // every texel has full alpha: copies need no blending
    std::uint64_t lastUse = 0;  // the renderer's frame it was last asked for in
};

// Texture coordinates of a quad's top-left and bottom-right corners.
struct GUVRect {
    float u0 = 0.0f, v0 = 0.0f, u1 = 1.0f, v1 = 1.0f;
};

// A pre-transformed screen-space vertex.
struct GVertex {
    float x = 0.0f, y = 0.0f, z = 0.0f, rhw = 1.0f;
    std::uint32_t diffuse = 0xFFFFFFFF;  // ARGB
    std::uint32_t specular = 0xFFFFFFFF;
    float u = 0.0f, v = 0.0f;
};

enum class GBlend { Alpha, Additive };

// Where the back buffer lands in the window: scaled uniformly to fit the renderer's output and
// centred, with black bars on the sides that are left over.
struct GLetterbox {
    int outputWidth = 1024, outputHeight = 768;  // the renderer's output, in pixels
    int windowWidth = 1024, windowHeight = 768;  // the window, in the units of mouse events
    float scale = 1.0f;
    int x = 0, y = 0;                 // the picture's top-left corner in the output
    int width = 1024, height = 768;  // the picture's size in the output

    // The back buffer fitted into the output; window sizes of 0 take the output's.
    static GLetterbox Fit(int backWidth, int backHeight, int outputWidth, int outputHeight, int windowWidth = 0,
                          int windowHeight = 0);
    // A window position (mouse events) in back-buffer pixels; points on a bar fall outside.
    void WindowToBackBuffer(float wx, float wy, float& bx, float& by) const;
};

// Vertex order of a quad: top-left, top-right, bottom-left, bottom-right.
enum : int { QUAD_TL = 0, QUAD_TR = 1, QUAD_BL = 2, QUAD_BR = 3 };

class GRenderer {
public:
    ~GRenderer();

    // Reads the display settings (DisplaySettingsFile) and creates the device.
    bool Initialise(SDL_Window* window, int width, int height, int depth, bool forceWindowed);
    void Release();
    // Tests and benchmarks measure the software renderer whatever the settings say.
    void SetSoftwareOnly(bool on) { softwareOnly_ = on; }
    // A headless driver that reads only what a frame holds (its texts, windows and controls)
    // turns pixels off: every draw is still made, its texture found and counted, but nothing
    // is rasterised, which is nearly all of a software frame's time. Captures then fail.
    void SetDrawPixels(bool on) { drawPixels_ = on; }
    bool IsReady() const { return renderer_ != nullptr; }
    bool IsWindowed() const { return windowed_; }

    // The frame is drawn into the back buffer; EndFrame fits it into the renderer's output as
    // measured then, so a window that changes size (or never took the size it was given) shows
    // the whole picture.
    void BeginFrame();
    void EndFrame();
    // The fit of the last frame presented (or of the device's start).
    const GLetterbox& Letterbox() const { return letterbox_; }
    // A window position, as SDL's mouse events give it, in back-buffer pixels.
    void WindowToBackBuffer(float wx, float wy, float& bx, float& by) const { letterbox_.WindowToBackBuffer(wx, wy, bx, by); }

    // Walks root and its sub-folders, appending each to the texture folders in walk order.
    void AddTextureFolder(const std::string& root);
    void ClearTextureFolders() { folders_.clear(); }
    const std::vector<std::string>& TextureFolders() const { return folders_; }

    // The texture named exactly so, loaded on first use and moved to the front of the list;
    // nullptr (reported once per name) when no folder holds it or it cannot be decoded.
    GTexture* FindTexture(const std::string& name);
    // Makes a texture current; asking for the current one again only counts a redundant call.
    GTexture* SetTexture(const std::string& name);
    // The texture resampled to the given size, made once and kept while it is used (see
    // kTextureBudget) or until the device changes.
    // Software rendering copies unscaled pixels far faster than it stretches them.
    GTexture* ScaledTexture(GTexture* source, int width, int height);
    // The named pictures at that size added together, each scaled by its alpha and by weight,
    // as one opaque picture to draw additively: layers that would each be blended over the
    // whole screen every frame are blended once. Made once and kept like a scaled copy; null
    // when a picture is missing.
    GTexture* SummedTexture(const std::vector<std::string>& names, int width, int height, float weight);
    // Textures (loaded, scaled and summed) are kept while they fit this many pixels; beyond
    // it, those not asked for in kUnusedFrames are let go (and loaded again when asked for),
    // so a long career does not keep every picture it has ever shown.
    static constexpr std::size_t kTextureBudget = 8u << 20;
    static constexpr std::uint64_t kUnusedFrames = 1500;
    void SetTextureBudget(std::size_t pixels) { textureBudget_ = pixels; }
    std::size_t TexturePixels() const;
    // Reloads every listed texture after the device lost them.
    void ReloadTextures();
    const std::list<GTexture>& Textures() const { return textures_; }
    const GCopyCache& Copies() const { return copies_; }

    // Draws the named texture (or the part given by uv) into the rectangle, tinted by argb.
    void DrawTexture(const std::string& name, float x, float y, float w, float h, const GUVRect& uv = {},
                     std::uint32_t argb = 0xFFFFFFFF);
    void FillRect(float x, float y, float w, float h, std::uint32_t argb);
    // Draws a quad (vertex order top-left, top-right, bottom-left, bottom-right) with the
    // texture, or untextured when texture is null. Axis-aligned quads of one colour are copied;
    // per-corner colours and other shapes go through geometry in small tiles.
    // Batches count their texture once (countUse false for the quads after the first).
    void DrawQuad(GTexture* texture, const GVertex (&quad)[4], GBlend blend = GBlend::Alpha, bool countUse = true);
    // A quad by its corners (top-left, top-right, bottom-left, bottom-right) with the uv part
    // of the texture spread over them, tinted by argb: pictures, beams and needles at any angle.
    void DrawCorners(GTexture* texture, const float (&x)[4], const float (&y)[4], const GUVRect& uv = {},
                     std::uint32_t argb = 0xFFFFFFFF, GBlend blend = GBlend::Alpha, bool countUse = true);
    // Counts a texture use for the statistics: a switch, or a redundant call for the current one.
    void NoteTextureUse(const GTexture* texture);

    // Bumped whenever textures are recreated or dropped, so cached texture pointers re-resolve.
    std::uint64_t Generation() const { return generation_; }
    std::uint64_t Frames() const { return frames_; }
    std::uint64_t TextureSwitches() const { return textureSwitches_; }
    std::uint64_t RedundantCalls() const { return redundantCalls_; }
    void ResetStatistics() { frames_ = textureSwitches_ = redundantCalls_ = 0; }
    // Forgets that names were reported missing, so the next request searches again.
    void ForgetMissing() { reportedMissing_.clear(); }
    std::size_t MissingReported() const { return reportedMissing_.size(); }

    float ScreenWidth() const { return static_cast<float>(width_); }
    float ScreenHeight() const { return static_cast<float>(height_); }
    SDL_Renderer* Device() { return renderer_; }

    // The current back buffer (width x height, whatever the window's size) as 0xAARRGGBB
    // pixels, row by row (tests and screenshots); after EndFrame, the frame just presented.
    bool ReadFrame(std::vector<std::uint32_t>& pixels);
    // Writes the current back buffer to a PNG file.
    bool SaveFramePNG(const std::string& path);

    // Appends a line to "drawdebug.txt" beside the debug log.
    static void DrawLog(const std::string& text);
    // True when one of the last lines of the draw log contains the text (tests).
    static bool LogContains(const std::string& text);

    // A failing device step: logged; the first one that is not a lost surface also shuts the
    // device down and shows "D3DEngine Error" once.
    void EngineFailure(const std::string& step, const std::string& error, bool surfaceLost = false);
    int Depth() const { return depth_; }

    // What the start-up decisions read from the system; tests replace them.
    struct DisplayProbe {
        std::function<int()> desktopBits;
        std::function<std::string()> adapter;
    };
    void SetDisplayProbe(DisplayProbe probe) { probe_ = std::move(probe); }
    void SetMessageBox(std::function<void(const std::string&, const std::string&)> show) { messageBox_ = std::move(show); }

private:
    static std::deque<std::string>& RecentLines();
    int DesktopBits() const;
    std::string AdapterDescription() const;
    bool LoadInto(GTexture& record);
    bool CreateFromPixels(GTexture& record, const std::vector<std::uint32_t>& pixels, int w, int h);
    // The scaled or summed copy of that name made earlier, or null.
    GTexture* FindMade(const std::string& name);
    // Keeps pixels made from the picture at path as a texture of that name until the device
    // changes; null when the texture cannot be made.
    GTexture* KeepMade(const std::string& name, const std::string& path, const std::vector<std::uint32_t>& pixels,
                       int width, int height);
    // One part of a texture into a rectangle, tinted and blended: from a ready copy when the
    // software renderer has one, else as it is.
    void CopyPart(GTexture* texture, const SDL_Rect& source, const SDL_FRect& target, std::uint32_t argb, GBlend blend,
                  int flip);
    // Lets go of the least recently used textures past the budget (see kTextureBudget).
    void DropUnusedTextures();
    void Unload();
    bool CreateBackBuffer();
    void MeasureOutput();
    void EnterFullScreen();
    void LeaveFullScreen();

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    bool drawPixels_ = true;
    bool software_ = false;
    std::size_t textureBudget_ = kTextureBudget;
    std::uint64_t frameCount_ = 0;  // frames ended since start-up; statistics do not reset it
    GCopyCache copies_;
    // The back buffer the frame is drawn into; null only on a device without render targets,
    // which then draws straight to the window, unscaled.
    SDL_Texture* backBuffer_ = nullptr;
    GLetterbox letterbox_;
    // Where the window stood before full screen, to put it back.
    int windowedX_ = 0, windowedY_ = 0;
    bool haveWindowedPlace_ = false;
    int width_ = 1024;
    int height_ = 768;
    bool windowed_ = true;
    bool released_ = false;
    bool softwareOnly_ = false;
    bool failed_ = false;
    int depth_ = 32;
    DisplayProbe probe_;
    std::function<void(const std::string&, const std::string&)> messageBox_;
    std::vector<std::string> folders_;
    std::list<GTexture> textures_;  // most recently used first
    std::list<GTexture> scaled_;    // resampled copies, named "<name>@<width>x<height>"
    std::set<std::string> reportedMissing_;
    const GTexture* lastDrawn_ = nullptr;
    std::uint64_t generation_ = 1;
    std::uint64_t frames_ = 0;
    std::uint64_t redundantCalls_ = 0;
    std::uint64_t textureSwitches_ = 0;
};

GRenderer& Renderer();
// The display settings the game reads and writes back: "data/config.muf" in the run folder; an
// installed game keeps its own copy in the user's folder.
const std::string& DisplaySettingsFile();
void SetDisplaySettingsFile(const std::string& path);
// Loads a picture file into 0xAARRGGBB pixels, top row first (DDS, PNG, JPEG, BMP).
bool LoadPicturePixels(const std::string& path, std::vector<std::uint32_t>& pixels, int& width, int& height);
// Resamples pixels by area averaging (alpha-weighted), up or down.
std::vector<std::uint32_t> ResamplePixels(const std::vector<std::uint32_t>& pixels, int width, int height, int newWidth,
                                          int newHeight);
// Writes 0xAARRGGBB pixels, top row first, as a PNG file.
bool SavePicturePNG(const std::string& path, const std::vector<std::uint32_t>& pixels, int width, int height);
// The file pattern the texture search lists for a name: "*.dds", "*.jpg", "*.png", else "*.bmp".
const char* TextureKindPattern(const std::string& name);
