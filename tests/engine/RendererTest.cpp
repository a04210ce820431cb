#include "RenderFixture.h"
#include "Sprites.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>

namespace {
// A texture whose every texel is different: red = x * 4, green = y * 4.
std::vector<std::uint32_t> Gradient(int size) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size * size));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            pixels[static_cast<std::size_t>(y * size + x)] =
                0xFF000000u | static_cast<std::uint32_t>(x * 4) << 16 | static_cast<std::uint32_t>(y * 4) << 8 | 0x11u;
    return pixels;
}
}  // namespace

TEST(Sprites, HitTestIsStrictOnAllFourSides) {
    BaseSprite sprite;
    sprite.SetRect(10.0f, 20.0f, 30.0f, 40.0f);
    EXPECT_TRUE(sprite.HitTest(10.5f, 20.5f));
    EXPECT_TRUE(sprite.HitTest(39.9f, 59.9f));
    EXPECT_FALSE(sprite.HitTest(10.0f, 30.0f));  // left edge
    EXPECT_FALSE(sprite.HitTest(40.0f, 30.0f));  // right edge
    EXPECT_FALSE(sprite.HitTest(20.0f, 20.0f));  // top edge
    EXPECT_FALSE(sprite.HitTest(20.0f, 60.0f));  // bottom edge
    EXPECT_FALSE(sprite.HitTest(5.0f, 30.0f));
}

TEST_F(RenderFixture, ClippedSpriteShowsTheSameTexelsWhereVisible) {
    Picture("grad.png", 64, 64, Gradient(64));
    CTexturedSprite sprite("grad.png");
    ASSERT_TRUE(sprite.SetToTextureSize(100.0f, 200.0f));
    sprite.Draw();
    const auto whole = Frame();
    Renderer().BeginFrame();
    const GRect clip{117.0f, 211.0f, 150.0f, 300.0f};  // cuts left, top and right
    sprite.DrawClipped(clip);
    const auto clipped = Frame();
    for (int y = 195; y < 270; ++y)
        for (int x = 95; x < 170; ++x) {
            const bool inside = x >= 117 && x < 150 && y >= 211 && y < 264;
            ASSERT_EQ(At(clipped, x, y), inside ? At(whole, x, y) : 0u) << x << "," << y;
        }
    // Entirely outside: nothing drawn.
    Renderer().BeginFrame();
    sprite.DrawClipped(GRect{0.0f, 0.0f, 50.0f, 50.0f});
    EXPECT_EQ(At(Frame(), 120, 220), 0u);
}

TEST_F(RenderFixture, TextureSearchFollowsFolderOrderAndExactNames) {
    SolidPicture("a/pic.png", 4, 4, 0xFFFF0000);
    SolidPicture("b/pic.png", 4, 4, 0xFF00FF00);
    SolidPicture("b/Case.png", 4, 4, 0xFF0000FF);
    folder.Write("b/odd.tga", "not searched");
    Renderer().ClearTextureFolders();
    Renderer().AddTextureFolder(folder.path());
    const auto& folders = Renderer().TextureFolders();
    ASSERT_EQ(folders.size(), 3u);
    EXPECT_EQ(folders[1], folder.path() + "/a");

    GTexture* pic = Renderer().FindTexture("pic.png");
    ASSERT_NE(pic, nullptr);
    EXPECT_EQ(pic->path, folder.path() + "/a/pic.png");
    EXPECT_EQ(Renderer().FindTexture("case.png"), nullptr);
    EXPECT_NE(Renderer().FindTexture("Case.png"), nullptr);
    EXPECT_EQ(Renderer().FindTexture("odd.tga"), nullptr);  // only the four picture kinds
    // A name may say its sub-folder (a face's "male_portraits/m01_sad.jpg"), never leave the folders.
    GTexture* inB = Renderer().FindTexture("b/pic.png");
    ASSERT_NE(inB, nullptr);
    EXPECT_EQ(inB->path, folder.path() + "/b/pic.png");
    EXPECT_EQ(Renderer().FindTexture("b/../a/pic.png"), nullptr);
    EXPECT_EQ(Renderer().FindTexture("/etc/pic.png"), nullptr);
    EXPECT_EQ(Renderer().FindTexture(""), nullptr);
    // Most recently used first.
    Renderer().FindTexture("pic.png");
    EXPECT_EQ(Renderer().Textures().front().name, "pic.png");
    // A missing name is reported once and stays missing without searching again.
    const std::size_t reported = Renderer().MissingReported();
    EXPECT_EQ(Renderer().FindTexture("case.png"), nullptr);
    EXPECT_EQ(Renderer().MissingReported(), reported);
    EXPECT_STREQ(TextureKindPattern("x.dds"), "*.dds");
    EXPECT_STREQ(TextureKindPattern("x.jpg"), "*.jpg");
    EXPECT_STREQ(TextureKindPattern("x.tga"), "*.bmp");
}

TEST_F(RenderFixture, MissingTextureDrawsNothing) {
    CTexturedSprite sprite("nowhere.png");
    sprite.SetRect(0.0f, 0.0f, 100.0f, 100.0f);
    sprite.Draw();
    sprite.DrawClipped(GRect{0.0f, 0.0f, 50.0f, 50.0f});
    Renderer().DrawTexture("nowhere.png", 0.0f, 0.0f, 100.0f, 100.0f);
    EXPECT_EQ(At(Frame(), 10, 10), 0u);
    EXPECT_FALSE(GRenderer::LogContains("Rebuilding lost textured sprite pointer"));
}

TEST_F(RenderFixture, BlendingModesAndCornerColours) {
    SolidPicture("red.png", 8, 8, 0xFFFF0000);
    Renderer().FillRect(0.0f, 0.0f, 100.0f, 100.0f, 0xFF00FF00);
    CTexturedSprite glow("red.png");
    glow.SetRect(0.0f, 0.0f, 50.0f, 50.0f);
    glow.blend = GBlend::Additive;
    glow.Draw();
    CTexturedSprite plain("red.png");
    plain.SetRect(50.0f, 0.0f, 50.0f, 50.0f);
    plain.SetColour(0x80FFFFFF);  // half transparent
    plain.Draw();
    // A full-screen quad with per-corner colours goes through geometry in tiles.
    BaseSprite shade;
    shade.SetRect(0.0f, 200.0f, 1024.0f, 568.0f);
    shade.SetCornerColours(0xFF0000FF, 0xFF0000FF, 0xFFFF0000, 0xFFFF0000);
    shade.Draw();
    const auto frame = Frame();
    EXPECT_EQ(At(frame, 10, 10), 0xFFFF00u);  // red added to green
    const std::uint32_t mixed = At(frame, 60, 10);
    EXPECT_NEAR(static_cast<int>(mixed >> 16), 128, 2);
    EXPECT_NEAR(static_cast<int>((mixed >> 8) & 0xFF), 127, 2);
    EXPECT_EQ(At(frame, 60, 60), 0x00FF00u);
    EXPECT_LT(At(frame, 500, 201) >> 16, 8u);  // blue at the top
    EXPECT_GT(At(frame, 500, 201) & 0xFF, 245u);
    EXPECT_GT(At(frame, 500, 766) >> 16, 245u);  // red at the bottom
    const std::uint32_t middle = At(frame, 500, 484);
    EXPECT_NEAR(static_cast<int>(middle >> 16), 128, 6);
    EXPECT_NEAR(static_cast<int>(middle & 0xFF), 128, 6);
}

// Draws asked for frame after frame come from stretched, tinted copies made once; the screen
// must look exactly as drawing them directly did, and copies no longer drawn are let go.
TEST_F(RenderFixture, RepeatedDrawsComeFromReadyCopiesThatLookTheSame) {
    constexpr int w = 80, h = 60;
    std::vector<std::uint32_t> texels(static_cast<std::size_t>(w * h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            texels[static_cast<std::size_t>(y * w + x)] = static_cast<std::uint32_t>(x * 3) << 24 |
                                                          static_cast<std::uint32_t>(x * 3) << 16 |
                                                          static_cast<std::uint32_t>(y * 4) << 8 | 0x40u;
    Picture("glow.png", w, h, texels);
    GTexture* glow = Renderer().FindTexture("glow.png");
    ASSERT_NE(glow, nullptr);
    auto draw = [&](std::uint32_t changing) {
        Renderer().FillRect(0.0f, 0.0f, 600.0f, 400.0f, 0xFF304050);
        Renderer().DrawTexture("glow.png", 10.4f, 20.7f, 157.5f, 91.3f);                       // stretched
        Renderer().DrawTexture("glow.png", 200.0f, 20.0f, 120.0f, 90.0f, {0.25f, 0.0f, 1.0f, 0.5f}, 0x80FF8040);  // a part, tinted
        const float xs[4] = {340.0f, 420.0f, 340.0f, 420.0f}, ys[4] = {20.0f, 20.0f, 80.0f, 80.0f};
        Renderer().DrawCorners(glow, xs, ys, {}, 0xA080C0FF, GBlend::Additive);                // added, tinted
        const float xs3[4] = {440.0f, 520.0f, 440.0f, 520.0f}, ys3[4] = {100.0f, 100.0f, 160.0f, 160.0f};
        Renderer().DrawCorners(glow, xs3, ys3, {}, 0xFFFFFFFF, GBlend::Additive);              // added as it is
        const float xs2[4] = {10.0f, 200.0f, 10.0f, 200.0f}, ys2[4] = {200.0f, 200.0f, 350.0f, 350.0f};
        Renderer().DrawCorners(glow, xs2, ys2, {}, changing, GBlend::Additive);               // never the same twice
    };
    draw(0xFF102030);
    Renderer().EndFrame();
    const auto direct = Frame();
    EXPECT_EQ(Renderer().Copies().Copies(), 0u);
    Renderer().BeginFrame();
    draw(0xFF102031);
    Renderer().EndFrame();
    EXPECT_EQ(Renderer().Copies().Copies(), 0u);  // not yet steady
    Renderer().BeginFrame();
    draw(0xFF102030);  // the first frame's tint again
    Renderer().EndFrame();
    const auto copied = Frame();
    EXPECT_EQ(Renderer().Copies().Copies(), 4u);
    // Tinting first and blending after rounds twice where the direct draw rounds once: a step or
    // two in a channel, never more.
    int worst = 0;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 600; ++x)
            for (int shift : {0, 8, 16})
                worst = std::max(worst, std::abs(static_cast<int>((At(copied, x, y) >> shift) & 0xFF) -
                                                 static_cast<int>((At(direct, x, y) >> shift) & 0xFF)));
    EXPECT_LE(worst, 2);
    for (std::uint64_t i = 0; i <= GCopyCache::kKeepFrames; ++i) {
        Renderer().BeginFrame();
        Renderer().EndFrame();
    }
    EXPECT_EQ(Renderer().Copies().Copies(), 0u);
    EXPECT_EQ(Renderer().Copies().Pixels(), 0u);
}

// Layers added once into one picture must light the screen as drawing each would have.
TEST_F(RenderFixture, SummedPicturesAddUpByAlphaAndWeightAndAreMadeOnce) {
    SolidPicture("haze1.png", 4, 4, 0xFF804000);
    SolidPicture("haze2.png", 8, 8, 0x80FF0020);  // half transparent, and another size
    GTexture* sum = Renderer().SummedTexture({"haze1.png", "haze2.png"}, 16, 16, 0.5f);
    ASSERT_NE(sum, nullptr);
    EXPECT_EQ(Renderer().SummedTexture({"haze1.png", "haze2.png"}, 16, 16, 0.5f), sum);
    EXPECT_EQ(Renderer().SummedTexture({"haze1.png", "nowhere.png"}, 16, 16, 0.5f), nullptr);
    SolidPicture("bright.png", 2, 2, 0xFFFFFFFF);
    GTexture* saturated = Renderer().SummedTexture({"bright.png", "bright.png"}, 16, 16, 1.0f);
    ASSERT_NE(saturated, nullptr);

    Renderer().FillRect(0.0f, 0.0f, 64.0f, 16.0f, 0xFF101010);
    auto draw = [](GTexture* texture, float left) {
        const float xs[4] = {left, left + 16.0f, left, left + 16.0f}, ys[4] = {0.0f, 0.0f, 16.0f, 16.0f};
        Renderer().DrawCorners(texture, xs, ys, {}, 0xFFFFFFFF, GBlend::Additive);
    };
    draw(sum, 0.0f);
    draw(saturated, 32.0f);
    const auto frame = Frame();
    // 0x10 under it, then half of each layer by its alpha: red 0x40 + 0x40, green 0x20, blue 8.
    const std::uint32_t lit = At(frame, 8, 8);
    EXPECT_NEAR(static_cast<int>(lit >> 16), 0x10 + 128, 2);
    EXPECT_NEAR(static_cast<int>((lit >> 8) & 0xFF), 0x10 + 32, 2);
    EXPECT_NEAR(static_cast<int>(lit & 0xFF), 0x10 + 8, 2);
    EXPECT_EQ(At(frame, 40, 8), 0xFFFFFFu);  // two whites stay white, not wrapped round to dark
}

TEST_F(RenderFixture, SpritesFindTheirTexturesAgainAfterARebuild) {
    SolidPicture("blue.png", 8, 8, 0xFF0000FF);
    CTexturedSprite sprite("blue.png");
    sprite.SetRect(10.0f, 10.0f, 20.0f, 20.0f);
    sprite.Draw();
    EXPECT_EQ(At(Frame(), 15, 15), 0x0000FFu);

    // The device goes away with every texture; the sprite must not keep a dangling pointer.
    Renderer().Release();
    ASSERT_TRUE(Renderer().Initialise(window, kScreenWidth, kScreenHeight, 32, true));
    EXPECT_TRUE(Renderer().Textures().empty());
    Renderer().BeginFrame();
    sprite.Draw();
    EXPECT_EQ(At(Frame(), 15, 15), 0x0000FFu);
    EXPECT_TRUE(GRenderer::LogContains("Rebuilding lost textured sprite pointer"));

    Renderer().ReloadTextures();
    CTexturedSprite::ClearAll();
    Renderer().BeginFrame();
    CTexturedSprite copy = sprite;
    copy.SetPosition(40.0f, 10.0f);
    copy.Draw();
    EXPECT_EQ(At(Frame(), 45, 15), 0x0000FFu);
}

// Past the budget, pictures left unused longest are let go and come back when asked for again;
// what is still in use stays whatever the budget.
TEST_F(RenderFixture, UnusedTexturesAreLetGoPastTheBudgetAndComeBack) {
    for (const char* name : {"old1.png", "old2.png", "now1.png", "now2.png"}) SolidPicture(name, 16, 16, 0xFF00FF00);
    Renderer().SetTextureBudget(3 * 16 * 16);
    ASSERT_NE(Renderer().ScaledTexture(Renderer().FindTexture("old2.png"), 8, 8), nullptr);
    Renderer().EndFrame();
    Renderer().BeginFrame();
    CTexturedSprite old("old1.png");  // used a frame later than old2 and its copy
    old.SetRect(10.0f, 10.0f, 20.0f, 20.0f);
    old.Draw();
    const std::uint64_t generation = Renderer().Generation();
    auto frames = [](std::uint64_t n) {
        for (std::uint64_t i = 0; i < n; ++i) {
            Renderer().BeginFrame();
            Renderer().DrawTexture("now1.png", 0.0f, 0.0f, 16.0f, 16.0f);
            Renderer().DrawTexture("now2.png", 0.0f, 0.0f, 16.0f, 16.0f);
            Renderer().EndFrame();
        }
    };
    frames(GRenderer::kUnusedFrames + 500);
    std::set<std::string> kept;
    for (const GTexture& texture : Renderer().Textures()) kept.insert(texture.name);
    EXPECT_EQ(kept, (std::set<std::string>{"now1.png", "now2.png", "old1.png"}));  // the oldest went first
    EXPECT_LE(Renderer().TexturePixels(), 3u * 16u * 16u);
    EXPECT_GT(Renderer().Generation(), generation);
    // Even far past the budget, textures in use stay.
    Renderer().SetTextureBudget(0);
    frames(GRenderer::kUnusedFrames + 500);
    kept.clear();
    for (const GTexture& texture : Renderer().Textures()) kept.insert(texture.name);
    EXPECT_EQ(kept, (std::set<std::string>{"now1.png", "now2.png"}));
    Renderer().BeginFrame();
    old.Draw();  // its texture was let go: the sprite finds it again
    EXPECT_EQ(At(Frame(), 15, 15), 0x00FF00u);
    Renderer().SetTextureBudget(GRenderer::kTextureBudget);
}

TEST_F(RenderFixture, VertexBufferKeepsItsCapacity) {
    GVertexBuffer buffer(8);
    BaseSprite quad;
    quad.SetRect(0.0f, 0.0f, 10.0f, 10.0f);
    quad.SetColour(0xFFFFFFFF);
    EXPECT_TRUE(buffer.AddQuad(quad.vertices));
    quad.SetPosition(20.0f, 0.0f);
    EXPECT_TRUE(buffer.AddQuad(quad.vertices));
    EXPECT_FALSE(buffer.AddQuad(quad.vertices));
    EXPECT_EQ(buffer.VertexCount(), 8u);
    buffer.Flush(nullptr);
    EXPECT_EQ(buffer.VertexCount(), 0u);
    const auto frame = Frame();
    EXPECT_EQ(At(frame, 5, 5), 0xFFFFFFu);
    EXPECT_EQ(At(frame, 25, 5), 0xFFFFFFu);
    EXPECT_EQ(At(frame, 15, 5), 0u);
}

TEST_F(RenderFixture, FrameCaptureWritesTheBackBufferAsPNG) {
    Renderer().FillRect(0.0f, 0.0f, 512.0f, 768.0f, 0xFF336699);
    const std::string path = folder.path() + "/shot.png";
    ASSERT_TRUE(Renderer().SaveFramePNG(path));
    std::vector<std::uint32_t> pixels;
    int w = 0, h = 0;
    ASSERT_TRUE(LoadPicturePixels(path, pixels, w, h));
    ASSERT_EQ(w, kScreenWidth);
    ASSERT_EQ(h, kScreenHeight);
    EXPECT_EQ(pixels[100 * 1024 + 100], 0xFF336699u);
    EXPECT_EQ(pixels[100 * 1024 + 700], 0xFF000000u);
}

TEST_F(RenderFixture, RedundantTextureCallsAreCounted) {
    SolidPicture("one.png", 4, 4, 0xFFFFFFFF);
    Renderer().ResetStatistics();
    Renderer().SetTexture("one.png");
    Renderer().SetTexture("one.png");
    Renderer().SetTexture("one.png");
    EXPECT_EQ(Renderer().RedundantCalls(), 2u);
}

TEST_F(RenderFixture, ThirtyTwoBitsOnASixteenBitDesktopRunAtSixteen) {
    Renderer().Release();
    Renderer().SetDisplayProbe({[] { return 16; }, [] { return std::string("Some adapter"); }});
    ASSERT_TRUE(Renderer().Initialise(window, kScreenWidth, kScreenHeight, 32, true));
    Renderer().SetDisplayProbe({});
    EXPECT_EQ(Renderer().Depth(), 16);
    EXPECT_TRUE(GRenderer::LogContains("Can't use 32 bit color on a 16bit desktop, swapping to 16 bit"));
    // Pictures become opaque 5-6-5 colours.
    SolidPicture("soft.png", 4, 4, 0x80FF8421);
    Renderer().BeginFrame();
    Renderer().DrawTexture("soft.png", 0.0f, 0.0f, 4.0f, 4.0f);
    EXPECT_EQ(At(Frame(), 1, 1), 0xFF8621u);  // green keeps 6 bits: 0x84 becomes 0x86; alpha is gone
    EXPECT_TRUE(GRenderer::LogContains("Converting PNG to 16 bits"));
}

TEST_F(RenderFixture, OnlyTheFirstEngineFailureShowsABox) {
    std::vector<std::string> boxes;
    Renderer().SetMessageBox([&](const std::string& caption, const std::string& text) { boxes.push_back(caption + "|" + text); });
    Renderer().EngineFailure("Flip", "surface lost", true);
    EXPECT_TRUE(Renderer().IsReady());
    Renderer().EngineFailure("Clear", "device gone");
    Renderer().EngineFailure("Fill rect", "device gone");
    Renderer().SetMessageBox({});
    EXPECT_EQ(boxes, (std::vector<std::string>{
                         "D3DEngine Error|Please check publishers website for tech support Details: [Clear] "}));
    EXPECT_FALSE(Renderer().IsReady());
    EXPECT_TRUE(GRenderer::LogContains("Fill rect device gone"));
}

TEST(Resampling, AveragesByAreaWeightedByAlpha) {
    // A transparent texel does not darken its opaque neighbour's colour, only the alpha.
    const std::vector<std::uint32_t> square = {0xFFFF0000, 0x00000000, 0xFFFF0000, 0x00000000};
    EXPECT_EQ(ResamplePixels(square, 2, 2, 1, 1), (std::vector<std::uint32_t>{0x80FF0000}));
    // Up: each texel covers a 2x2 block.
    const std::vector<std::uint32_t> pair = {0xFF102030, 0x80405060};
    EXPECT_EQ(ResamplePixels(pair, 2, 1, 4, 2),
              (std::vector<std::uint32_t>{0xFF102030, 0xFF102030, 0x80405060, 0x80405060, 0xFF102030, 0xFF102030,
                                          0x80405060, 0x80405060}));
    // 3 -> 2: the middle texel is shared half and half.
    const std::vector<std::uint32_t> row = {0xFF000000, 0xFF0000FF, 0xFF000000};
    const auto two = ResamplePixels(row, 3, 1, 2, 1);
    EXPECT_EQ(two[0], two[1]);
    EXPECT_EQ(two[0] & 0xFF, 0x55u);  // a third of 255
}

TEST(Letterbox, FitsTheBackBufferUniformlyAndCentred) {
    // A 5:4 display: full width, bars above and below.
    const GLetterbox tall = GLetterbox::Fit(1024, 768, 1280, 1024);
    EXPECT_FLOAT_EQ(tall.scale, 1.25f);
    EXPECT_EQ(tall.x, 0);
    EXPECT_EQ(tall.y, 32);
    EXPECT_EQ(tall.width, 1280);
    EXPECT_EQ(tall.height, 960);
    // A wide display: full height, bars left and right.
    const GLetterbox wide = GLetterbox::Fit(1024, 768, 1920, 1080);
    EXPECT_FLOAT_EQ(wide.scale, 1080.0f / 768.0f);
    EXPECT_EQ(wide.height, 1080);
    EXPECT_EQ(wide.width, 1440);
    EXPECT_EQ(wide.x, 240);
    EXPECT_EQ(wide.y, 0);
    // The back buffer's own size: no scale, no bars.
    const GLetterbox same = GLetterbox::Fit(1024, 768, 1024, 768);
    EXPECT_FLOAT_EQ(same.scale, 1.0f);
    EXPECT_EQ(same.x + same.y, 0);
}

TEST(Letterbox, WindowPositionsMapBackToBackBufferPixels) {
    float bx = 0.0f, by = 0.0f;
    const GLetterbox tall = GLetterbox::Fit(1024, 768, 1280, 1024);
    tall.WindowToBackBuffer(640.0f, 512.0f, bx, by);
    EXPECT_FLOAT_EQ(bx, 512.0f);
    EXPECT_FLOAT_EQ(by, 384.0f);
    tall.WindowToBackBuffer(0.0f, 32.0f, bx, by);
    EXPECT_FLOAT_EQ(bx, 0.0f);
    EXPECT_FLOAT_EQ(by, 0.0f);
    tall.WindowToBackBuffer(1280.0f, 992.0f, bx, by);
    EXPECT_FLOAT_EQ(bx, 1024.0f);
    EXPECT_FLOAT_EQ(by, 768.0f);
    tall.WindowToBackBuffer(100.0f, 10.0f, bx, by);  // on the top bar: above the picture
    EXPECT_LT(by, 0.0f);
    // A high-density display: mouse events count window points, the output counts pixels.
    const GLetterbox dense = GLetterbox::Fit(1024, 768, 2560, 2048, 1280, 1024);
    dense.WindowToBackBuffer(640.0f, 512.0f, bx, by);
    EXPECT_FLOAT_EQ(bx, 512.0f);
    EXPECT_FLOAT_EQ(by, 384.0f);
}

namespace {
// The window's own pixels as last presented (the software renderer draws into the window's
// surface), 0xRRGGBB.
std::uint32_t WindowPixel(SDL_Window* window, int x, int y) {
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (!surface || x >= surface->w || y >= surface->h) return 0xFFFFFFFFu;
    std::uint32_t pixel = 0;
    SDL_LockSurface(surface);
    const auto* row = static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch;
    std::memcpy(&pixel, row + x * surface->format->BytesPerPixel, sizeof pixel);
    SDL_UnlockSurface(surface);
    std::uint8_t r = 0, g = 0, b = 0;
    SDL_GetRGB(pixel, surface->format, &r, &g, &b);
    return static_cast<std::uint32_t>(r) << 16 | static_cast<std::uint32_t>(g) << 8 | b;
}
}  // namespace

// A window manager may give the window another size at any time: the next frame fits the new
// output, the mouse maps through the same fit, and a capture is still the back buffer.
TEST_F(RenderFixture, TheFrameIsLetterboxedIntoTheOutputItFindsWhenPresented) {
    SDL_SetWindowSize(window, 1280, 1024);
    Renderer().FillRect(0.0f, 0.0f, 1024.0f, 768.0f, 0xFF808080);
    Renderer().FillRect(0.0f, 0.0f, 1024.0f, 8.0f, 0xFF00FF00);    // top edge
    Renderer().FillRect(1016.0f, 0.0f, 8.0f, 768.0f, 0xFF0000FF);  // right edge
    Renderer().FillRect(0.0f, 760.0f, 1024.0f, 8.0f, 0xFFFFFF00);  // bottom edge
    Renderer().EndFrame();

    const GLetterbox& fit = Renderer().Letterbox();
    EXPECT_EQ(fit.outputWidth, 1280);
    EXPECT_EQ(fit.outputHeight, 1024);
    EXPECT_FLOAT_EQ(fit.scale, 1.25f);
    EXPECT_EQ(WindowPixel(window, 640, 10), 0x000000u);    // the bar above
    EXPECT_EQ(WindowPixel(window, 640, 35), 0x00FF00u);    // the picture's top edge, scaled
    EXPECT_EQ(WindowPixel(window, 1277, 500), 0x0000FFu);  // its right edge reaches the window's
    EXPECT_EQ(WindowPixel(window, 640, 988), 0xFFFF00u);   // its bottom edge
    EXPECT_EQ(WindowPixel(window, 640, 1013), 0x000000u);  // the bar below
    float bx = 0.0f, by = 0.0f;
    Renderer().WindowToBackBuffer(1277.0f, 988.0f, bx, by);
    EXPECT_NEAR(bx, 1021.6f, 0.01f);
    EXPECT_NEAR(by, 764.8f, 0.01f);

    const auto frame = Frame();
    ASSERT_EQ(frame.size(), 1024u * 768u);
    EXPECT_EQ(At(frame, 1020, 400), 0x0000FFu);
    EXPECT_EQ(At(frame, 500, 765), 0xFFFF00u);

    // Back to the back buffer's size: nothing scaled, nothing left of the bars.
    SDL_SetWindowSize(window, kScreenWidth, kScreenHeight);
    Renderer().BeginFrame();
    Renderer().FillRect(0.0f, 0.0f, 1024.0f, 768.0f, 0xFF808080);
    Renderer().EndFrame();
    EXPECT_FLOAT_EQ(Renderer().Letterbox().scale, 1.0f);
    EXPECT_EQ(WindowPixel(window, 0, 0), 0x808080u);
    EXPECT_EQ(WindowPixel(window, 1023, 767), 0x808080u);
}
