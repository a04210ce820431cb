// The generators themselves: same bytes on every run, the catalogue pass, and the file writers.
#include "ArtCanvas.h"
#include "ArtCatalogue.h"
#include "ArtPictures.h"
#include "ArtTestSupport.h"
#include "SoundSynth.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {

// Drawing text loads fonts into caches that live for the process; release them at the end so
// the leak checker sees a clean exit.
class ArtFontCaches : public ::testing::Environment {
public:
    void TearDown() override { ArtShutdown(); }
};
// GoogleTest owns registered environments.
[[maybe_unused]] ::testing::Environment* const kArtFontCaches =
    ::testing::AddGlobalTestEnvironment(new ArtFontCaches);

// Files below `generated`, each compared with the same path below `staged`.
void ExpectSameFiles(const std::string& generated, const std::string& staged) {
    int compared = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(generated)) {
        if (!entry.is_regular_file()) continue;
        const std::string relative = std::filesystem::relative(entry.path(), generated).string();
        ASSERT_TRUE(ReadWholeFile(entry.path().string()) == ReadWholeFile(staged + "/" + relative)) << relative;
        ++compared;
    }
    EXPECT_GT(compared, 0);
}

// The build ran each generator once into the run folder; a second run must give the same bytes.
TEST(Generators, SecondRunGivesIdenticalBytes) {
    for (const char* generator : {GIGVALE_ARTGEN_PICTURES, GIGVALE_ARTGEN_PORTRAITS, GIGVALE_ARTGEN_SOUNDS}) {
        SCOPED_TRACE(generator);
        TempDir out;
        ASSERT_EQ(std::system((std::string(generator) + " " + out.path()).c_str()), 0);
        ExpectSameFiles(out.path(), "data");
    }
}

std::set<std::string> FixedNames() {
    std::set<std::string> names;
    for (const PictureRule& rule : FixedPictureRules()) names.insert(std::filesystem::path(rule.path).filename().string());
    return names;
}

TEST(CataloguePictures, CollectsEachUncoveredPictureOnceWithItsTitle) {
    const auto pictures = CollectCataloguePictures(GIGVALE_ART_FIXTURES "/simulation", FixedNames());
    std::map<std::string, CataloguePicture> byFile;
    for (const CataloguePicture& p : pictures) EXPECT_TRUE(byFile.emplace(p.file, p).second) << p.file;

    // The quoted display name keeps its comma; the backdrop named twice is drawn once, for its first row.
    ASSERT_TRUE(byFile.count("venue_dive.jpg"));
    EXPECT_EQ(byFile["venue_dive.jpg"].title, "The Rusty Nail, Downtown");
    EXPECT_EQ(byFile["venue_dive.jpg"].kind, CatalogueKind::VenueCard);
    ASSERT_TRUE(byFile.count("backdrop_dive.jpg"));
    EXPECT_EQ(byFile["backdrop_dive.jpg"].kind, CatalogueKind::Backdrop);
    EXPECT_EQ(byFile["backdrop_dive.jpg"].title, "The Rusty Nail, Downtown");
    // A folder in the cell is dropped: the game finds pictures by file name.
    EXPECT_TRUE(byFile.count("studio_gold.jpg"));
    EXPECT_EQ(byFile["relax_pub_card.jpg"].kind, CatalogueKind::OptionCard);
    EXPECT_EQ(byFile["relax_pub_result.jpg"].kind, CatalogueKind::ResultScene);
    EXPECT_EQ(byFile["asset_bus.bmp"].title, "Tour Bus");
    // Covered by a fixed picture, empty, or not a picture name: nothing to draw.
    EXPECT_FALSE(byFile.count("relax_home_luxury.jpg"));
    EXPECT_FALSE(byFile.count("notapicture"));
    EXPECT_EQ(pictures.size(), 10u);
}

TEST(CataloguePictures, ToleratesMissingFilesShortRowsAndOddNames) {
    TempDir dir;
    EXPECT_TRUE(CollectCataloguePictures(dir.path() + "/nowhere", {}).empty());
    // A row that stops before the picture column, one without a title, one with an upper-case
    // extension, and one whose picture cell holds only spaces.
    dir.Write("simulation/charities.csv",
              "#,short\n"
              "#,key,,charity_blank.JPG,text\n"
              "#,key2,Helping Hands,   ,text\n");
    const auto pictures = CollectCataloguePictures(dir.path() + "/simulation", {});
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].file, "charity_blank.JPG");
    EXPECT_EQ(pictures[0].title, "charity_blank");
    EXPECT_EQ(pictures[0].kind, CatalogueKind::Charity);
}

TEST(CataloguePictures, DrawsEachAtItsKindsSizeAndClearsStaleFiles) {
    TempDir out;
    out.Write("bitmaps/catalogue/removed_row.jpg", "stale");
    const auto pictures = CollectCataloguePictures(GIGVALE_ART_FIXTURES "/simulation", FixedNames());
    ASSERT_TRUE(MakeCataloguePictures(pictures, out.path()));
    for (const CataloguePicture& p : pictures) {
        SCOPED_TRACE(p.file);
        DecodedPicture picture;
        ASSERT_TRUE(DecodePicture(out.path() + "/bitmaps/catalogue/" + p.file, picture));
        int width = 0, height = 0;
        CatalogueSize(p.kind, width, height);
        EXPECT_EQ(picture.width, width);
        EXPECT_EQ(picture.height, height);
    }
    EXPECT_FALSE(std::filesystem::exists(out.path() + "/bitmaps/catalogue/removed_row.jpg"));
    // Two venue cards with different names must not come out the same.
    EXPECT_NE(ReadWholeFile(out.path() + "/bitmaps/catalogue/venue_dive.jpg"),
              ReadWholeFile(out.path() + "/bitmaps/catalogue/venue_hall.jpg"));
}

TEST(PictureFiles, DdsKeepsStraightAlphaAndOrientation) {
    TempDir out;
    ArtCanvas canvas(4, 2);
    // Half-transparent orange in the top-left pixel only.
    cairo_set_source_rgba(canvas.cr(), 200 / 255.0, 100 / 255.0, 0, 128 / 255.0);
    cairo_rectangle(canvas.cr(), 0, 0, 1, 1);
    cairo_fill(canvas.cr());
    ASSERT_TRUE(canvas.Save(out.path() + "/a.dds"));
    ASSERT_TRUE(canvas.Save(out.path() + "/sub/a.png"));
    for (const char* file : {"/a.dds", "/sub/a.png"}) {
        SCOPED_TRACE(file);
        DecodedPicture picture;
        ASSERT_TRUE(DecodePicture(out.path() + file, picture));
        ASSERT_EQ(picture.width, 4);
        ASSERT_EQ(picture.height, 2);
        EXPECT_NEAR(picture.rgba[0], 200, 2);  // not darkened by premultiplication
        EXPECT_NEAR(picture.rgba[1], 100, 2);
        EXPECT_NEAR(picture.rgba[3], 128, 1);
        EXPECT_EQ(picture.rgba[4 * 4 + 3], 0);  // the row below is empty: rows not flipped
    }
    EXPECT_FALSE(canvas.Save("/proc/no-such-folder/a.jpg"));
}

TEST(SoundFiles, NormaliseMeetsTheTargetButNeverThePeakCeiling) {
    SoundBuffer quiet(1, 0.1);
    for (std::size_t i = 0; i < quiet.samples.size(); ++i) quiet.samples[i] = (i % 2 ? 0.01f : -0.01f);
    Normalise(quiet, 0.2, 0.89);
    EXPECT_NEAR(quiet.samples[0], -0.2, 1e-4);

    SoundBuffer spiky(1, 0.1);
    spiky.samples[10] = 3.0f;  // one loud click in silence: the ceiling wins over the loudness target
    Normalise(spiky, 0.2, 0.89);
    EXPECT_NEAR(spiky.samples[10], 0.89, 1e-4);
}

TEST(SoundFiles, OggRoundTripKeepsLengthChannelsAndLevel) {
    TempDir out;
    SoundBuffer tone(2, 1.5);
    for (std::size_t i = 0; i < tone.Frames(); ++i) {
        const float v = static_cast<float>(0.5 * std::sin(2 * M_PI * 440 * static_cast<double>(i) / kSampleRate));
        tone.samples[i * 2] = v;
        tone.samples[i * 2 + 1] = v;
    }
    ASSERT_TRUE(WriteOgg(out.path() + "/nested/tone.ogg", tone, 0.4f));
    DecodedSound sound;
    ASSERT_TRUE(DecodeSound(out.path() + "/nested/tone.ogg", sound));
    EXPECT_EQ(sound.channels, 2);
    EXPECT_NEAR(sound.seconds, 1.5, 0.01);
    EXPECT_NEAR(sound.rms, 0.5 / std::sqrt(2.0), 0.02);
    EXPECT_FALSE(WriteOgg("/proc/no-such-folder/x.ogg", tone, 0.4f));
}

}  // namespace
