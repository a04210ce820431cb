// The build's run folder holds every picture and sound the game asks for, and each decodes.
#include "ArtTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>

namespace {

const std::string kBitmaps = "data/bitmaps";

// Every picture a screen asks for by name, with the size it must have where the screen fixes it
// (0 = any sane size).
struct Wanted {
    std::string name;
    int width = 0;
    int height = 0;
};

std::vector<Wanted> WantedPictures() {
    std::vector<Wanted> w = {
        {"leather.jpg", 1024, 768}, {"base_background.bmp", 1024, 768}, {"progbar.bmp", 500, 32},
        {"credits.jpg", 1024, 768}, {"practice.jpg", 1024, 768}, {"classic_song.jpg", 80, 80},
        {"button.dds"}, {"button_h.dds"}, {"button_close.dds"}, {"button_close_h.dds"}, {"cursor.dds"},
        {"window_sq_dropshadow.dds"}, {"window_green.dds"}, {"gui_checkbox.dds", 26, 26},
        {"gui_checkbox_checked.dds", 26, 26}, {"left.dds"}, {"left_h.dds"}, {"right.dds"}, {"right_h.dds"},
        {"up.dds"}, {"down.dds"}, {"ind_led_green.bmp"}, {"ind_led_yellow.bmp"}, {"ind_led_red.bmp"},
        {"mix_led_green.bmp"}, {"mix_led_yellow.bmp"}, {"mix_led_red.bmp"}, {"mix_led_black.bmp"},
        {"calender_note.dds"}, {"calendar_gig.dds"}, {"option_othergig.jpg"}, {"option_yourgig_cancelled.jpg"},
        {"relax.jpg"}, {"relax_home_luxury.jpg"}, {"flyposters.jpg"}, {"pileofflyers.jpg"},
        {"audition_reject.dds"}, {"audition_reject_h.dds"}, {"rejected.dds"}, {"postit_scroll_left.dds"},
        {"postit_scroll_right.dds"}, {"jigsaw_connector_left.dds"}, {"jigsaw_connector_right.dds"},
        {"jigsaw_link.dds"}, {"random.dds"}, {"random_white.dds"}, {"ass_cd.bmp"}, {"song_lcd_wide.bmp"},
        {"practice_note.dds"}, {"practice_stave.bmp"}, {"practice_progress.bmp"}, {"practice_progress_empty.bmp"},
        {"spotlight.dds"}, {"ceiling_spot.dds"}, {"laser.dds"}, {"lasersmoke1.jpg"}, {"lasersmoke2.jpg"},
        {"lasersmoke3.jpg"}, {"computer_light.dds"}, {"stonehenge.dds"}, {"skull.dds"}, {"gig_lightmap_0.jpg"},
        {"gig_lightmap_1.jpg"}, {"gig_lightmap_2.jpg"}, {"gig_lightmap_flash.jpg"}, {"vumeter.jpg"},
        {"vuneedle.dds"}, {"skin_default_backdrop.bmp", 1024, 768}, {"skin_default_lcd.bmp"},
        {"skin_default_lcd_h.bmp"}};
    for (const char* stage : {"dreamer", "amateur", "gigging", "signed"})
        w.push_back({std::string("gamemode_") + stage + ".jpg"});
    for (const char* button : {"studio", "bookgig", "writesong", "rehearsal", "auditions", "shopping", "practice",
                               "today", "quit"}) {
        w.push_back({std::string("button_") + button + ".dds"});
        w.push_back({std::string("button_") + button + "_h.dds"});
    }
    for (const char* instrument : {"keyboard", "drums", "bass", "guitar", "saxophone", "vocals"})
        w.push_back({std::string("audition_") + instrument + "_h.jpg"});
    for (const char* member : {"guitar", "sax", "keyboard", "vocals", "bass", "drummer"})
        w.push_back({std::string("vector_") + member + ".dds"});
    for (int i = 1; i <= 3; ++i) w.push_back({"postit" + std::to_string(i) + ".dds"});
    for (int n = 2; n <= 5; ++n) w.push_back({"jigsaw_" + std::to_string(n) + "notes1.dds"});
    for (int n = 1; n <= 5; ++n) w.push_back({"button_" + std::to_string(n) + ".dds"});
    return w;
}

TEST(GeneratedPictures, EveryNamedPictureIsFoundByNameAndDecodes) {
    for (const Wanted& wanted : WantedPictures()) {
        SCOPED_TRACE(wanted.name);
        const std::string path = FindByName(kBitmaps, wanted.name);
        ASSERT_FALSE(path.empty()) << "missing below " << kBitmaps;
        DecodedPicture picture;
        ASSERT_TRUE(DecodePicture(path, picture));
        if (wanted.width) {
            EXPECT_EQ(picture.width, wanted.width);
            EXPECT_EQ(picture.height, wanted.height);
        }
        EXPECT_GE(std::min(picture.width, picture.height), 8);
        EXPECT_LE(std::max(picture.width, picture.height), 1024);
        // Sprites need their alpha channel; it must not be blank.
        if (wanted.name.ends_with(".dds")) {
            EXPECT_EQ(picture.bpp, 32);
            bool anyVisible = false;
            for (std::size_t i = 3; i < picture.rgba.size(); i += 4) anyVisible = anyVisible || picture.rgba[i] > 0;
            EXPECT_TRUE(anyVisible);
        }
    }
    DecodedPicture icon;
    EXPECT_TRUE(DecodePicture("data/icon.png", icon));
}

TEST(GeneratedPictures, NamesAreUniqueBelowBitmaps) {
    // The game takes the first file of a name it finds, so a duplicate would hide a picture.
    std::map<std::string, std::string> seen;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kBitmaps)) {
        if (!entry.is_regular_file()) continue;
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(seen.emplace(name, entry.path().string()).second)
            << name << " in " << seen[name] << " and " << entry.path();
    }
}

TEST(GeneratedPictures, AtLeastThreeCompleteSkins) {
    std::set<std::string> complete;
    for (const auto& entry : std::filesystem::directory_iterator(kBitmaps + "/skins")) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with("skin_") || !name.ends_with("_backdrop.bmp")) continue;
        const std::string skin = name.substr(5, name.size() - 5 - 13);
        const std::string base = kBitmaps + "/skins/skin_" + skin;
        if (std::filesystem::exists(base + "_lcd.bmp") && std::filesystem::exists(base + "_lcd_h.bmp"))
            complete.insert(skin);
    }
    EXPECT_TRUE(complete.count("default"));
    EXPECT_GE(complete.size(), 3u);
}

// Mean absolute difference of two same-sized pictures, 0..255.
double Difference(const DecodedPicture& a, const DecodedPicture& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.rgba.size() && i < b.rgba.size(); ++i) sum += std::abs(a.rgba[i] - b.rgba[i]);
    return sum / static_cast<double>(a.rgba.size());
}

TEST(GeneratedPortraits, EveryPersonHasFourDistinctMoodsAndAGreyCopy) {
    const char* moods[] = {"_vsad.jpg", "_sad.jpg", "_neutral.jpg", "_happy.jpg"};
    for (const char* folder : {"male_portraits", "female_portraits"}) {
        SCOPED_TRACE(folder);
        std::set<std::string> bases;
        for (const auto& entry : std::filesystem::directory_iterator(kBitmaps + "/" + folder)) {
            const std::string name = entry.path().filename().string();
            const std::size_t cut = name.rfind('_');
            ASSERT_NE(cut, std::string::npos) << name;
            bases.insert(entry.path().parent_path().string() + "/" + name.substr(0, cut));
        }
        EXPECT_GE(bases.size(), 24u);
        std::set<std::string> looks;
        for (const std::string& base : bases) {
            SCOPED_TRACE(base);
            DecodedPicture pictures[4];
            for (int m = 0; m < 4; ++m) {
                ASSERT_TRUE(DecodePicture(base + moods[m], pictures[m])) << moods[m];
                EXPECT_EQ(pictures[m].width, pictures[0].width);
                EXPECT_EQ(pictures[m].height, pictures[0].height);
            }
            // Neighbouring moods must look clearly different.
            for (int m = 1; m < 4; ++m) EXPECT_GT(Difference(pictures[m - 1], pictures[m]), 2.0) << moods[m];
            DecodedPicture grey;
            ASSERT_TRUE(DecodePicture(base + "_grey.jpg", grey));
            for (std::size_t i = 0; i < grey.rgba.size(); i += 4)
                ASSERT_LE(std::abs(grey.rgba[i] - grey.rgba[i + 2]), 12) << "grey copy has colour";
            looks.insert(std::string(pictures[2].rgba.begin(), pictures[2].rgba.end()));
        }
        EXPECT_EQ(looks.size(), bases.size()) << "two people look exactly alike";
    }
}

TEST(GeneratedPortraits, AvatarsOfBothGenders) {
    int male = 0, female = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kBitmaps + "/avatars")) {
        const std::string name = entry.path().filename().string();
        ASSERT_TRUE(name.ends_with(".jpg")) << name;
        DecodedPicture picture;
        EXPECT_TRUE(DecodePicture(entry.path().string(), picture)) << name;
        male += name[0] == 'm';
        female += name[0] == 'f';
        EXPECT_TRUE(name[0] == 'm' || name[0] == 'f') << name;
    }
    EXPECT_GE(male + female, 6);
    EXPECT_GE(male, 2);
    EXPECT_GE(female, 2);
}

std::vector<std::string> WantedSounds() {
    std::vector<std::string> s = {"click", "mouseover", "cash", "error", "male_sigh", "ahh", "smash_guitar", "pyro",
                                  "pyro_echo", "postit_grab", "postit_place", "rehearsal", "crowd_large_cheers",
                                  "crowd_small_cheer", "crowd_small_cheer2", "crowd_small_clap", "crowd_small_clap2",
                                  "crowd_small_boo2", "EOG_BASE", "EOG_GTR", "EOG_SAX", "EOG_SYNTH", "EOG_MAN",
                                  "EOG_WOMAN"};
    for (int i = 0; i < 3; ++i) {
        s.push_back("song_match_" + std::to_string(i));
        s.push_back("practice/correct_" + std::to_string(i));
    }
    return s;
}

TEST(GeneratedSounds, EveryEffectDecodesWithoutClipping) {
    for (const std::string& name : WantedSounds()) {
        SCOPED_TRACE(name);
        DecodedSound sound;
        ASSERT_TRUE(DecodeSound("data/sounds/" + name + ".ogg", sound));
        EXPECT_EQ(sound.rate, 44100);
        EXPECT_GT(sound.seconds, 0.02);
        EXPECT_LT(sound.seconds, 12.0);
        EXPECT_LT(sound.peak, 0.98);
        EXPECT_GT(sound.peak, 0.1) << "too quiet to hear";
    }
}

TEST(GeneratedSounds, MusicTracksAreLongStereoAndNotClipping) {
    for (const char* track : {"titlemusic", "verse1", "verse2"}) {
        SCOPED_TRACE(track);
        DecodedSound sound;
        ASSERT_TRUE(DecodeSound(std::string("data/sounds/music/") + track + ".ogg", sound));
        EXPECT_EQ(sound.channels, 2);
        EXPECT_GE(sound.seconds, 60.0);
        EXPECT_LT(sound.peak, 0.98);
        // Loud enough to carry a game, and the three tracks alike.
        EXPECT_GT(sound.rms, 0.08);
        EXPECT_LT(sound.rms, 0.3);
    }
}

TEST(GeneratedSounds, PracticeNotesOfEachTunedSetRiseInPitch) {
    // The five pitch rows go from low to high, so their sounds must too.
    for (const char* set : {"piano", "guitar", "bass", "saxophone", "vocals", "organ"}) {
        SCOPED_TRACE(set);
        double previous = 0;
        for (int n = 0; n < 5; ++n) {
            const auto samples = DecodeFirstChannel(std::string("data/sounds/practice/") + set + "/note_" + std::to_string(n) + ".ogg");
            ASSERT_GT(samples.size(), 8000u + 4096u + 1000u);
            const double pitch = EstimatePitch(samples, 3000, 60, 900);
            EXPECT_GT(pitch, previous * 1.03) << "note " << n;
            previous = pitch;
        }
    }
}

TEST(GeneratedSounds, EndOfGigPartsStrikeTogether) {
    // The parts are started at once and must sound as one chord: each hits within 60 ms.
    for (const char* part : {"EOG_BASE", "EOG_GTR", "EOG_SAX", "EOG_SYNTH", "EOG_MAN", "EOG_WOMAN"}) {
        SCOPED_TRACE(part);
        OggVorbis_File file;
        ASSERT_EQ(ov_fopen((std::string("data/sounds/") + part + ".ogg").c_str(), &file), 0);
        float** pcm = nullptr;
        int section = 0;
        double earlyPeak = 0;
        for (long read = 0; read < 2646;) {
            const long frames = ov_read_float(&file, &pcm, 2646 - static_cast<int>(read), &section);
            if (frames <= 0) break;
            for (long i = 0; i < frames; ++i) earlyPeak = std::max(earlyPeak, static_cast<double>(std::abs(pcm[0][i])));
            read += frames;
        }
        ov_clear(&file);
        EXPECT_GT(earlyPeak, 0.1);
    }
}

TEST(GeneratedSounds, InstrumentBanksAndPracticeNotes) {
    for (const char* bank : {"guitar", "bass", "drums", "keyboard", "saxophone", "vocals"}) {
        SCOPED_TRACE(bank);
        int samples = 0;
        for (const auto& entry : std::filesystem::directory_iterator(std::string("data/sounds/instruments/") + bank)) {
            DecodedSound sound;
            ASSERT_TRUE(DecodeSound(entry.path().string(), sound)) << entry.path();
            EXPECT_LT(sound.peak, 0.98);
            ++samples;
        }
        EXPECT_GE(samples, 3);
    }
    for (const char* set : {"piano", "guitar", "bass", "drums", "saxophone", "vocals", "organ"})
        for (int n = 0; n < 5; ++n) {
            DecodedSound sound;
            EXPECT_TRUE(DecodeSound(std::string("data/sounds/practice/") + set + "/note_" + std::to_string(n) + ".ogg", sound))
                << set << n;
        }
}

// The practice melodies name their note sounds; each must be one the generator makes.
TEST(GeneratedSounds, EveryPracticeNoteTheMelodyFileNamesDecodes) {
    std::ifstream in("data/practice/melodies.txt");
    ASSERT_TRUE(in);
    std::set<std::string> named;
    for (std::string line; std::getline(in, line);) {
        const std::size_t at = line.find("=data/sounds/");
        if (at == std::string::npos) continue;
        std::string path = line.substr(at + 1);
        while (!path.empty() && (path.back() == '\r' || path.back() == ' ')) path.pop_back();
        DecodedSound sound;
        EXPECT_TRUE(DecodeSound(path, sound)) << path;
        named.insert(path);
    }
    // Five notes for each of the five sets, no set borrowing another's.
    EXPECT_EQ(named.size(), 25u);
}

}  // namespace
