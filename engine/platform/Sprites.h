#pragma once
// Screen-space sprites, texture references by name and fixed-capacity quad batches.
#include "Renderer.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct GRect {
    float left = 0.0f, top = 0.0f, right = 0.0f, bottom = 0.0f;
};

// A texture reference by name, resolved through the texture list on first use and again
// whenever the renderer has recreated its textures.
class SmartTexture {
public:
    SmartTexture() = default;
    explicit SmartTexture(std::string name) : name_(std::move(name)) {}
    void SetName(const std::string& name);
    const std::string& Name() const { return name_; }
    // The texture, or nullptr when the name is empty or no folder holds it.
    GTexture* Get();
    // True when the last Get had to re-resolve a reference that had been valid.
    bool Rebuilt() const { return rebuilt_; }

private:
    std::string name_;
    GTexture* texture_ = nullptr;
    std::uint64_t generation_ = 0;
    bool rebuilt_ = false;
};

// Four pre-transformed vertices: top-left, top-right, bottom-left, bottom-right.
class BaseSprite {
public:
    BaseSprite();
    virtual ~BaseSprite() = default;
    BaseSprite(const BaseSprite&) = default;
    BaseSprite& operator=(const BaseSprite&) = default;

    // Strictly inside: a point on any edge is outside.
    virtual bool HitTest(float x, float y) const;
    // Without a texture of its own the sprite is drawn as a solid (per-corner coloured) quad.
    virtual void Draw();
    virtual void Draw(GTexture* texture);
    // Edges outside the clip rectangle move onto it, and their texture coordinates move by
    // the same fraction, so the visible part shows the same texels as an unclipped draw.
    virtual void DrawClipped(const GRect& clip);

    void SetRect(float x, float y, float w, float h);
    void SetPosition(float x, float y) { SetRect(x, y, width, height); }
    void SetUV(const GUVRect& uv);
    void SetColour(std::uint32_t argb);
    void SetCornerColours(std::uint32_t topLeft, std::uint32_t topRight, std::uint32_t bottomLeft,
                          std::uint32_t bottomRight);
    float Left() const { return vertices[QUAD_TL].x; }
    float Top() const { return vertices[QUAD_TL].y; }

    GVertex vertices[4];
    float width = 0.0f;
    float height = 0.0f;
    GBlend blend = GBlend::Alpha;

protected:
    // The quad clipped to the rectangle; false when nothing of it is inside.
    bool ClipQuad(const GRect& clip, GVertex (&out)[4]) const;
    virtual GTexture* OwnTexture() { return nullptr; }
};

// A sprite that draws a texture named by file; the texture is found again by name after the
// renderer rebuilt its surfaces.
class CTexturedSprite : public BaseSprite {
public:
    CTexturedSprite();
    explicit CTexturedSprite(const std::string& textureName);
    ~CTexturedSprite() override;
    CTexturedSprite(const CTexturedSprite& other);
    CTexturedSprite& operator=(const CTexturedSprite& other);

    void Draw() override;
    using BaseSprite::Draw;
    void DrawClipped(const GRect& clip) override;

    void SetTexture(const std::string& name) { texture_.SetName(name); }
    const std::string& TextureName() const { return texture_.Name(); }
    // Sizes the sprite to its texture at (x, y).
    bool SetToTextureSize(float x, float y);

    // Drops every live sprite's cached texture, so each resolves it again on its next draw.
    static void ClearAll();
    static std::size_t LiveCount();

protected:
    GTexture* OwnTexture() override;

private:
    SmartTexture texture_;
};

// A batch of quads of one texture with a fixed capacity in vertices (four per quad).
class GVertexBuffer {
public:
    explicit GVertexBuffer(std::size_t capacityVertices);
    ~GVertexBuffer();
    GVertexBuffer(const GVertexBuffer&) = delete;
    GVertexBuffer& operator=(const GVertexBuffer&) = delete;

    // False (and nothing added) when the quad does not fit.
    bool AddQuad(const GVertex (&quad)[4]);
    // Draws the pending quads with the texture (untextured when null) and empties the batch.
    void Flush(GTexture* texture, GBlend blend = GBlend::Alpha);
    void Clear() { quads_.clear(); }
    std::size_t VertexCount() const { return quads_.size() * 4; }
    std::size_t Capacity() const { return capacity_; }
    // Called after the renderer rebuilt its device: pending quads refer to old textures.
    void Recreate() { Clear(); }

    // Every live buffer, for the rebuild path.
    static void RecreateAll();

private:
    struct Quad {
        GVertex v[4];
    };
    std::size_t capacity_;
    std::vector<Quad> quads_;
};
