// Pictures: file formats, noise, the contact sheet, and the variety of the portraits.
#include "ArtCanvas.h"
#include "ArtContactSheet.h"
#include "ArtPictures.h"
#include "ArtPortraits.h"
#include "ArtTestSupport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(PictureFiles, OpaqueFormatsFlattenOntoBlackAndUnknownOnesFail) {
    TempDir out;
    ArtCanvas canvas(2, 2);
    cairo_set_source_rgba(canvas.cr(), 1, 1, 1, 0.5);
    cairo_paint(canvas.cr());
    for (const char* file : {"/a.bmp", "/a.jpg"}) {
        SCOPED_TRACE(file);
        ASSERT_TRUE(canvas.Save(out.path() + file));
        DecodedPicture picture;
        ASSERT_TRUE(DecodePicture(out.path() + file, picture));
        EXPECT_NEAR(picture.rgba[0], 128, 3);
        EXPECT_EQ(picture.rgba[3], 255);
    }
    EXPECT_FALSE(canvas.Save(out.path() + "/a.tga"));
}

TEST(Noise, StaysInRangeAndIsRepeatable) {
    for (int i = 0; i < 2000; ++i) {
        const double x = i * 0.37, y = i * 0.11;
        const double v = FractalNoise(x, y, 5, 4);
        ASSERT_GE(v, 0.0);
        ASSERT_LE(v, 1.0);
        ASSERT_EQ(v, FractalNoise(x, y, 5, 4));
        ASSERT_GE(HashNoise(i, -i, 3), 0.0);
        ASSERT_LE(HashNoise(i, -i, 3), 1.0);
    }
    // Value noise meets the lattice values exactly, so it has no seams between cells.
    EXPECT_DOUBLE_EQ(ValueNoise(3.0, -2.0, 9), HashNoise(3, -2, 9));
    EXPECT_NE(HashNoise(1, 2, 3), HashNoise(2, 1, 3));
}

TEST(Lettering, LongNamesShrinkOrWrapToFitTheirSpace) {
    ArtCanvas canvas(200, 100);
    cairo_t* cr = canvas.cr();
    const std::string name = "The Extremely Long Name Of A Very Small Venue Downtown";
    const double size = FitFont(cr, ArtFont::Condensed, name, 180, 30);
    EXPECT_LT(size, 30);
    EXPECT_LE(TextWidth(cr, name), 180);
    EXPECT_EQ(FitFont(cr, ArtFont::Sans, "Pub", 180, 20), 20);
    SelectFont(cr, ArtFont::Sans, 14);
    EXPECT_EQ(WrappedText(cr, name, 100, 0, 120, 16, 2), 2);
    EXPECT_EQ(WrappedText(cr, "Pub", 100, 0, 120, 16, 3), 1);
    EXPECT_EQ(WrappedText(cr, "", 100, 0, 120, 16, 3), 0);
}

TEST(FixedPictures, EachFileNamedOnceWithATextureFriendlySize) {
    std::set<std::string> names;
    for (const PictureRule& rule : FixedPictureRules()) {
        SCOPED_TRACE(rule.path);
        EXPECT_TRUE(names.insert(std::filesystem::path(rule.path).filename().string()).second);
        EXPECT_GT(rule.width, 0);
        EXPECT_LE(rule.width, 1024);
        EXPECT_LE(rule.height, 768);
    }
}

TEST(ContactSheet, PlacesEveryReadablePictureAndSkipsTheRest) {
    TempDir in, out;
    ArtCanvas small(20, 10);
    cairo_set_source_rgb(small.cr(), 1, 0, 0);
    cairo_paint(small.cr());
    ASSERT_TRUE(small.Save(in.path() + "/a.png"));
    ASSERT_TRUE(small.Save(in.path() + "/deep/b.dds"));
    ASSERT_TRUE(small.Save(in.path() + "/deep/c.jpg"));
    in.Write("notes.txt", "not a picture");
    in.Write("broken.jpg", "not a jpeg either");
    EXPECT_EQ(MakeContactSheet(in.path(), out.path() + "/sheet.png"), 3);
    DecodedPicture sheet;
    ASSERT_TRUE(DecodePicture(out.path() + "/sheet.png", sheet));
    EXPECT_GT(sheet.width, 3 * 128);

    EXPECT_EQ(MakeContactSheet(in.path(), "/proc/no-such-folder/sheet.png"), -1);
}

// Average colour of a small patch, as 0..255 per channel.
std::array<double, 3> Patch(const DecodedPicture& p, int cx, int cy) {
    std::array<double, 3> sum{};
    int count = 0;
    for (int y = cy - 2; y <= cy + 2; ++y)
        for (int x = cx - 2; x <= cx + 2; ++x, ++count)
            for (int c = 0; c < 3; ++c) sum[static_cast<std::size_t>(c)] += p.rgba[static_cast<std::size_t>((y * p.width + x) * 4 + c)];
    for (double& v : sum) v /= count;
    return sum;
}

TEST(Portraits, PeopleVaryInSkinToneAndBackdropAcrossTheCast) {
    std::set<int> skinLevels, lookKeys;
    for (int gender = 0; gender < 2; ++gender)
        for (int person = 0; person < kPortraitsPerGender; ++person) {
            ArtCanvas canvas(kPortraitSize, kPortraitSize);
            DrawPortrait(canvas, gender == 1, person, 2);
            TempDir out;
            ASSERT_TRUE(canvas.Save(out.path() + "/p.png"));
            DecodedPicture picture;
            ASSERT_TRUE(DecodePicture(out.path() + "/p.png", picture));
            // The cheek below the eye: brightness bands of 40 tell skin tones apart.
            const auto cheek = Patch(picture, 52, 66);
            skinLevels.insert(static_cast<int>((cheek[0] + cheek[1] + cheek[2]) / 3 / 40));
            const auto corner = Patch(picture, 6, 6);
            lookKeys.insert(static_cast<int>(corner[0]) / 8 * 10000 + static_cast<int>(corner[2]) / 8);
        }
    EXPECT_GE(skinLevels.size(), 4u);
    EXPECT_GE(lookKeys.size(), 4u);
}

}  // namespace
