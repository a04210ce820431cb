#include "Sprites.h"

#include <algorithm>
#include <set>

namespace {
std::set<CTexturedSprite*>& LiveSprites() {
    static std::set<CTexturedSprite*> sprites;
    return sprites;
}
std::set<GVertexBuffer*>& LiveBuffers() {
    static std::set<GVertexBuffer*> buffers;
    return buffers;
}
}  // namespace

void SmartTexture::SetName(const std::string& name) {
    if (name == name_) return;
    name_ = name;
    texture_ = nullptr;
    generation_ = 0;
}

GTexture* SmartTexture::Get() {
    rebuilt_ = false;
    if (name_.empty()) return nullptr;
    GRenderer& renderer = Renderer();
    if (generation_ == renderer.Generation()) {
        // Keeps the list's most-recently-used order; a missing texture stays missing (it was
        // reported once) until the renderer changes.
        if (texture_) renderer.FindTexture(name_);
        return texture_;
    }
    rebuilt_ = texture_ != nullptr;
    texture_ = renderer.FindTexture(name_);
    generation_ = renderer.Generation();
    return texture_;
}

BaseSprite::BaseSprite() { SetUV(GUVRect{}); }

void BaseSprite::SetRect(float x, float y, float w, float h) {
    width = w;
    height = h;
    vertices[QUAD_TL].x = vertices[QUAD_BL].x = x;
    vertices[QUAD_TR].x = vertices[QUAD_BR].x = x + w;
    vertices[QUAD_TL].y = vertices[QUAD_TR].y = y;
    vertices[QUAD_BL].y = vertices[QUAD_BR].y = y + h;
}

void BaseSprite::SetUV(const GUVRect& uv) {
    vertices[QUAD_TL].u = vertices[QUAD_BL].u = uv.u0;
    vertices[QUAD_TR].u = vertices[QUAD_BR].u = uv.u1;
    vertices[QUAD_TL].v = vertices[QUAD_TR].v = uv.v0;
    vertices[QUAD_BL].v = vertices[QUAD_BR].v = uv.v1;
}

void BaseSprite::SetColour(std::uint32_t argb) { SetCornerColours(argb, argb, argb, argb); }

void BaseSprite::SetCornerColours(std::uint32_t topLeft, std::uint32_t topRight, std::uint32_t bottomLeft,
                                  std::uint32_t bottomRight) {
    vertices[QUAD_TL].diffuse = topLeft;
    vertices[QUAD_TR].diffuse = topRight;
    vertices[QUAD_BL].diffuse = bottomLeft;
    vertices[QUAD_BR].diffuse = bottomRight;
}

bool BaseSprite::HitTest(float x, float y) const {
    return vertices[QUAD_TL].x < x && x < vertices[QUAD_TR].x && vertices[QUAD_TL].y < y && y < vertices[QUAD_BL].y;
}

void BaseSprite::Draw() { Draw(OwnTexture()); }

void BaseSprite::Draw(GTexture* texture) { Renderer().DrawQuad(texture, vertices, blend); }

bool BaseSprite::ClipQuad(const GRect& clip, GVertex (&out)[4]) const {
    std::copy(std::begin(vertices), std::end(vertices), std::begin(out));
    const float left = vertices[QUAD_TL].x, right = vertices[QUAD_TR].x;
    const float top = vertices[QUAD_TL].y, bottom = vertices[QUAD_BL].y;
    if (right <= clip.left || left >= clip.right || bottom <= clip.top || top >= clip.bottom) return false;
    if (right <= left || bottom <= top) return false;
    const float du = vertices[QUAD_TR].u - vertices[QUAD_TL].u;
    const float dv = vertices[QUAD_BL].v - vertices[QUAD_TL].v;
    auto moveX = [&](int a, int b, float x) {
        const float t = (x - left) / (right - left);
        out[a].x = out[b].x = x;
        out[a].u = out[b].u = vertices[QUAD_TL].u + du * t;
    };
    auto moveY = [&](int a, int b, float y) {
        const float t = (y - top) / (bottom - top);
        out[a].y = out[b].y = y;
        out[a].v = out[b].v = vertices[QUAD_TL].v + dv * t;
    };
    if (left < clip.left) moveX(QUAD_TL, QUAD_BL, clip.left);
    if (right > clip.right) moveX(QUAD_TR, QUAD_BR, clip.right);
    if (top < clip.top) moveY(QUAD_TL, QUAD_TR, clip.top);
    if (bottom > clip.bottom) moveY(QUAD_BL, QUAD_BR, clip.bottom);
    return true;
}

void BaseSprite::DrawClipped(const GRect& clip) {
    GVertex clipped[4];
    if (ClipQuad(clip, clipped)) Renderer().DrawQuad(OwnTexture(), clipped, blend);
}

CTexturedSprite::CTexturedSprite() { LiveSprites().insert(this); }

CTexturedSprite::CTexturedSprite(const std::string& textureName) : texture_(textureName) {
    LiveSprites().insert(this);
}

CTexturedSprite::~CTexturedSprite() { LiveSprites().erase(this); }

CTexturedSprite::CTexturedSprite(const CTexturedSprite& other) : BaseSprite(other), texture_(other.texture_) {
    LiveSprites().insert(this);
}

CTexturedSprite& CTexturedSprite::operator=(const CTexturedSprite& other) {
    BaseSprite::operator=(other);
    texture_ = other.texture_;
    return *this;
}

GTexture* CTexturedSprite::OwnTexture() {
    GTexture* texture = texture_.Get();
    if (texture_.Rebuilt()) GRenderer::DrawLog("Rebuilding lost textured sprite pointer");
    return texture;
}

void CTexturedSprite::Draw() {
    // A missing texture draws nothing rather than a solid quad.
    if (GTexture* texture = OwnTexture()) BaseSprite::Draw(texture);
}

void CTexturedSprite::DrawClipped(const GRect& clip) {
    if (TextureName().empty() || !OwnTexture()) return;
    BaseSprite::DrawClipped(clip);
}

bool CTexturedSprite::SetToTextureSize(float x, float y) {
    GTexture* texture = texture_.Get();
    if (!texture) return false;
    SetRect(x, y, static_cast<float>(texture->width), static_cast<float>(texture->height));
    return true;
}

void CTexturedSprite::ClearAll() {
    GRenderer::DrawLog("Clearing textured sprites");
    for (CTexturedSprite* sprite : LiveSprites()) sprite->texture_ = SmartTexture(sprite->texture_.Name());
}

std::size_t CTexturedSprite::LiveCount() { return LiveSprites().size(); }

GVertexBuffer::GVertexBuffer(std::size_t capacityVertices) : capacity_(capacityVertices) {
    quads_.reserve(capacity_ / 4);
    LiveBuffers().insert(this);
}

GVertexBuffer::~GVertexBuffer() { LiveBuffers().erase(this); }

bool GVertexBuffer::AddQuad(const GVertex (&quad)[4]) {
    if (VertexCount() + 4 > capacity_) return false;
    Quad q;
    std::copy(std::begin(quad), std::end(quad), std::begin(q.v));
    quads_.push_back(q);
    return true;
}

void GVertexBuffer::Flush(GTexture* texture, GBlend blend) {
    bool first = true;
    for (const Quad& quad : quads_) {
        Renderer().DrawQuad(texture, quad.v, blend, first);
        first = false;
    }
    quads_.clear();
}

void GVertexBuffer::RecreateAll() {
    for (GVertexBuffer* buffer : LiveBuffers()) buffer->Recreate();
}
