#pragma once
// The sprite renderer: textured, alpha-blended screen-space quads on a 1024x768 back buffer,
// windowed or full screen (scaled and letterboxed), with the texture list and its folders.
#include <cstdint>
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
};

// Texture coordinates of a quad's top-left and bottom-right corners.
struct GUVRect {
    float u0 = 0.0f, v0 = 0.0f, u1 = 1.0f, v1 = 1.0f;
};

class GRenderer {
public:
    ~GRenderer();

    // Reads the display settings of "data/config.muf" and creates the device.
    bool Initialise(SDL_Window* window, int width, int height, int depth, bool forceWindowed);
    void Release();
    bool IsReady() const { return renderer_ != nullptr; }
    bool IsWindowed() const { return windowed_; }

    void BeginFrame();
    void EndFrame();

    // Walks root and its sub-folders, appending each to the texture folders in walk order.
    void AddTextureFolder(const std::string& root);
    void ClearTextureFolders() { folders_.clear(); }
    const std::vector<std::string>& TextureFolders() const { return folders_; }

    // The texture named exactly so, loaded on first use and moved to the front of the list;
    // nullptr (reported once per name) when no folder holds it or it cannot be decoded.
    GTexture* FindTexture(const std::string& name);
    // Makes a texture current; asking for the current one again only counts a redundant call.
    GTexture* SetTexture(const std::string& name);
    // Reloads every listed texture after the device lost them.
    void ReloadTextures();
    const std::list<GTexture>& Textures() const { return textures_; }

    // Draws the named texture (or the part given by uv) into the rectangle, tinted by argb.
    void DrawTexture(const std::string& name, float x, float y, float w, float h, const GUVRect& uv = {},
                     std::uint32_t argb = 0xFFFFFFFF);
    void FillRect(float x, float y, float w, float h, std::uint32_t argb);

    float ScreenWidth() const { return static_cast<float>(width_); }
    float ScreenHeight() const { return static_cast<float>(height_); }
    SDL_Renderer* Device() { return renderer_; }

    // The current back buffer as 0xAARRGGBB pixels, row by row (tests and screenshots).
    bool ReadFrame(std::vector<std::uint32_t>& pixels);

    // Appends a line to "./debugdata/drawdebug.txt".
    static void DrawLog(const std::string& text);

private:
    bool LoadInto(GTexture& record);
    void Unload();

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    int width_ = 1024;
    int height_ = 768;
    bool windowed_ = true;
    bool released_ = false;
    std::vector<std::string> folders_;
    std::list<GTexture> textures_;  // most recently used first
    std::set<std::string> reportedMissing_;
    std::string currentTexture_;
    std::uint64_t frames_ = 0;
    std::uint64_t redundantCalls_ = 0;
};

GRenderer& Renderer();
// Loads a picture file into 0xAARRGGBB pixels, top row first (DDS, PNG, JPEG, BMP).
bool LoadPicturePixels(const std::string& path, std::vector<std::uint32_t>& pixels, int& width, int& height);
