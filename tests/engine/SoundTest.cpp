#include "FakeMixer.h"
#include "GUI_Sounds.h"
#include "LibDebugLog.h"
#include "TestSupport.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

namespace {

class SoundTest : public ::testing::Test {
protected:
    FakeMixer::State mixer;
    SoundSettings settings{0.8f, 0.4f, true};
    GUI_Sounds sounds{std::make_unique<FakeMixer>(mixer)};
    void SetUp() override {
        sounds.SetSettingsSource([this] { return settings; });
    }
};

}  // namespace

TEST_F(SoundTest, SameFileNameSharesOneCachedSound) {
    EXPECT_EQ(sounds.PlaySound("data/sounds/click.ogg"), 0);
    EXPECT_EQ(sounds.PlaySound("data/other\\click.ogg"), 1);
    EXPECT_EQ(sounds.PlaySound("data/sounds/Click.ogg"), 2);  // names are case-sensitive
    EXPECT_EQ(mixer.loads, (std::vector<std::string>{"data/sounds/click.ogg", "data/sounds/Click.ogg"}));
    ASSERT_EQ(mixer.plays.size(), 3u);
    EXPECT_EQ(mixer.plays[0].first, mixer.plays[1].first);
    EXPECT_EQ(sounds.CachedSounds(), 2u);
}

TEST_F(SoundTest, AMissingSoundCostsOneAttemptAndSilence) {
    mixer.missing = {"data/sounds/none.ogg"};
    EXPECT_EQ(sounds.PlaySound("data/sounds/none.ogg"), -1);
    EXPECT_EQ(sounds.PlaySound("data/sounds/none.ogg"), -1);
    EXPECT_EQ(mixer.loads.size(), 1u);
    EXPECT_TRUE(mixer.plays.empty());
    EXPECT_EQ(sounds.CachedSounds(), 0u);
}

TEST_F(SoundTest, MusicRunsTitleThenAlternatesVerses) {
    sounds.StartMusicAndBanks();
    EXPECT_FLOAT_EQ(mixer.master, 0.8f);
    EXPECT_FLOAT_EQ(mixer.musicVolume, 0.4f);
    sounds.Update();
    EXPECT_EQ(mixer.music.size(), 1u);  // still playing the title
    for (int i = 0; i < 4; ++i) {
        mixer.musicPlaying = false;  // the track ends
        sounds.Update();
    }
    EXPECT_EQ(mixer.music, (std::vector<std::string>{"data/sounds/music/titlemusic.ogg", "data/sounds/music/verse1.ogg",
                                                     "data/sounds/music/verse2.ogg", "data/sounds/music/verse1.ogg",
                                                     "data/sounds/music/verse2.ogg"}));
    EXPECT_EQ(sounds.SequenceState(), 2);
    // Paused music is not "ended".
    sounds.PauseMusic();
    sounds.Update();
    EXPECT_EQ(mixer.music.size(), 5u);
    sounds.StopMusic();
    sounds.Update();
    EXPECT_EQ(mixer.music.size(), 5u);
    EXPECT_FALSE(sounds.HasMusic());
}

TEST_F(SoundTest, MusicDisabledStartsNothingUntilAScreenPlaysMusic) {
    settings.musicEnabled = false;
    sounds.StartMusicAndBanks();
    EXPECT_FLOAT_EQ(mixer.master, 0.8f);
    sounds.Update();
    EXPECT_TRUE(mixer.music.empty());
    sounds.PlayMusic("data/sounds/music/titlemusic.ogg");
    mixer.musicPlaying = false;
    sounds.Update();
    EXPECT_EQ(mixer.music.back(), "data/sounds/music/verse1.ogg");
}

// The service's view and the mixer agree after a track that would not start: nothing plays
// beyond the reach of stop, pause and volume, and the next track starts as usual.
TEST_F(SoundTest, MusicThatFailsToStartLeavesNoOldTrackPlaying) {
    sounds.StartMusicAndBanks();
    ASSERT_TRUE(mixer.musicPlaying);
    // A file that cannot be loaded, on a mixer that would keep the old track going.
    mixer.missing = {"data/sounds/music/gone.ogg"};
    sounds.PlayMusic("data/sounds/music/gone.ogg");
    EXPECT_FALSE(sounds.HasMusic());
    EXPECT_FALSE(mixer.musicPlaying);
    sounds.Update();  // silence is not a track that ended: the sequence does not move on
    EXPECT_EQ(mixer.music.size(), 1u);

    // A file that loads but will not start once the old track has stopped.
    sounds.PlayMusic("data/sounds/music/verse1.ogg");
    ASSERT_TRUE(sounds.HasMusic());
    mixer.unplayable = {"data/sounds/music/verse2.ogg"};
    sounds.PlayMusic("data/sounds/music/verse2.ogg");
    EXPECT_FALSE(sounds.HasMusic());
    EXPECT_FALSE(mixer.musicPlaying);

    // The next track plays at the player's volume, and stop reaches it.
    mixer.musicVolume = -1.0f;
    sounds.PlayMusic("data/sounds/music/titlemusic.ogg");
    EXPECT_TRUE(sounds.HasMusic());
    EXPECT_FLOAT_EQ(mixer.musicVolume, 0.4f);
    sounds.StopMusic();
    EXPECT_FALSE(mixer.musicPlaying);
}

TEST_F(SoundTest, JingleHoldsTheMusicPausedUntilItEnds) {
    sounds.StartMusicAndBanks();
    const int channel = sounds.PlayJingle("data/sounds/jingles/rival.ogg");
    EXPECT_TRUE(mixer.musicPaused);
    EXPECT_TRUE(sounds.JingleActive());
    EXPECT_EQ(sounds.LastJingle(), "rival.ogg");
    sounds.Update();
    EXPECT_TRUE(mixer.musicPaused);
    mixer.finished.insert(channel);
    sounds.Update();
    EXPECT_FALSE(mixer.musicPaused);
    EXPECT_FALSE(sounds.JingleActive());
    EXPECT_EQ(mixer.music.size(), 1u);  // the same track carries on

    // Music already paused by a screen: still paused during the jingle, resumed after it.
    sounds.PauseMusic();
    const int second = sounds.PlayJingle("data/sounds/jingles/rival.ogg");
    sounds.Update();
    EXPECT_TRUE(mixer.musicPaused);
    mixer.finished.insert(second);
    sounds.Update();
    EXPECT_FALSE(mixer.musicPaused);
}

TEST_F(SoundTest, AJingleThatCannotPlayLeavesTheMusicAlone) {
    sounds.StartMusicAndBanks();
    mixer.missing = {"data/sounds/gone.ogg"};
    EXPECT_EQ(sounds.PlayJingle("data/sounds/gone.ogg"), -1);
    EXPECT_FALSE(mixer.musicPaused);
    EXPECT_FALSE(sounds.JingleActive());
}

// A screen holds the music and lets it go again; a pause the mixer refuses is reported, for a
// screen's pause and a jingle's alike, and the game carries on.
TEST_F(SoundTest, HeldMusicResumesAndAFailedPauseIsReported) {
    TempDir dir;
    const std::string log = dir.path() + "/debug.txt";
    const std::string previousLog = DebugLogPath();
    SetDebugLogPath(log);
    OpenDebugLog();
    sounds.ResumeMusic();  // nothing to resume before any music
    sounds.PauseMusic();
    EXPECT_FALSE(mixer.musicPaused);

    sounds.StartMusicAndBanks();
    sounds.PauseMusic();
    EXPECT_TRUE(mixer.musicPaused);
    sounds.ResumeMusic();
    EXPECT_FALSE(mixer.musicPaused);

    // While a jingle plays, its end lets the music go, not the screen.
    const int jingle = sounds.PlayJingle("data/sounds/jingles/rival.ogg");
    sounds.ResumeMusic();
    EXPECT_TRUE(mixer.musicPaused);
    mixer.finished.insert(jingle);
    sounds.Update();
    EXPECT_FALSE(mixer.musicPaused);

    mixer.pauseError = "device busy";
    sounds.PauseMusic();
    sounds.PlayJingle("data/sounds/jingles/rival.ogg");
    EXPECT_FALSE(mixer.musicPaused);
    CloseDebugLog();
    SetDebugLogPath(previousLog);
    const std::string text = ReadWholeFile(log);
    const std::string report = "(device busy) Failed to pause music";
    const std::size_t first = text.find(report);
    ASSERT_NE(first, std::string::npos) << text;
    EXPECT_NE(text.find(report, first + 1), std::string::npos) << text;
}

TEST_F(SoundTest, InstrumentBanksComeFromTheirFolders) {
    TempDir dir;
    dir.Write("data/sounds/instruments/drums/kick.ogg", "x");
    dir.Write("data/sounds/instruments/drums/snare.ogg", "x");
    dir.Write("data/sounds/instruments/drums/notes.txt", "x");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    sounds.StartMusicAndBanks();
    std::filesystem::current_path(previous);
    EXPECT_EQ(sounds.BankSamples(GUI_Sounds::DRUMS),
              (std::vector<std::string>{"data/sounds/instruments/drums/kick.ogg", "data/sounds/instruments/drums/snare.ogg"}));
    sounds.SetRandom([] { return 7; });
    sounds.PlayInstrumentSample(GUI_Sounds::DRUMS);
    EXPECT_EQ(mixer.loads.back(), "data/sounds/instruments/drums/snare.ogg");
    const std::size_t loads = mixer.loads.size();
    sounds.PlayInstrumentSample(GUI_Sounds::VOCALS);  // empty bank: nothing
    sounds.PlayInstrumentSample(99);
    EXPECT_EQ(mixer.loads.size(), loads);
}

TEST_F(SoundTest, StoppingASoundSilencesOnlyItsOwnChannelWhileItStillPlaysIt) {
    const int clap = sounds.PlaySound("data/sounds/clap.ogg");
    const int click = sounds.PlaySound("data/sounds/click.ogg");
    sounds.StopSound(click, "data/sounds/clap.ogg");  // that channel plays another sound
    sounds.StopSound(-1, "data/sounds/clap.ogg");
    sounds.StopSound(clap, "data/sounds/never_played.ogg");
    EXPECT_TRUE(mixer.stopped.empty());
    sounds.StopSound(clap, "data/sounds/clap.ogg");
    EXPECT_EQ(mixer.stopped, std::vector<int>{clap});
    sounds.StopSound(clap, "data/sounds/clap.ogg");  // already silent
    EXPECT_EQ(mixer.stopped.size(), 1u);
}

TEST(SdlMixer, PlaysRealFilesAndReportsMissingOnes) {
    std::unique_ptr<SoundMixer> mixer = CreateSdlMixer();
    std::string error;
    ASSERT_TRUE(mixer->Open(GUI_Sounds::kChannels, error)) << error;
    EXPECT_EQ(mixer->LoadSound("no/such/file.ogg", error), -1);
    EXPECT_FALSE(error.empty());
    // A WAV made here: SDL_mixer reads it like any chunk, and as music. Two seconds, so it is
    // still playing when asked.
    TempDir dir;
    const std::uint32_t samples = 88200;
    std::string wav = "RIFF";
    auto put32 = [&](std::uint32_t v) { for (int i = 0; i < 4; ++i) wav += static_cast<char>(v >> (8 * i)); };
    auto put16 = [&](std::uint16_t v) { wav += static_cast<char>(v & 0xFF), wav += static_cast<char>(v >> 8); };
    put32(36 + samples * 2);
    wav += "WAVEfmt ";
    put32(16), put16(1), put16(1), put32(44100), put32(88200), put16(2), put16(16);
    wav += "data";
    put32(samples * 2);
    wav += std::string(samples * 2, '\0');
    const std::string path = dir.Write("beep.wav", wav);
    const int sound = mixer->LoadSound(path, error);
    ASSERT_GE(sound, 0) << error;
    const int channel = mixer->PlaySound(sound, error);
    EXPECT_GE(channel, 0) << error;
    EXPECT_TRUE(mixer->IsPlaying(channel, sound));
    // Stopping one channel leaves the others playing.
    const int other = mixer->PlaySound(sound, error);
    ASSERT_GE(other, 0) << error;
    mixer->StopChannel(channel);
    EXPECT_FALSE(mixer->IsPlaying(channel, sound));
    EXPECT_TRUE(mixer->IsPlaying(other, sound));
    mixer->StopChannel(-1);  // a lost channel is not every channel
    EXPECT_TRUE(mixer->IsPlaying(other, sound));
    EXPECT_FALSE(mixer->PlayMusic("no/such/music.ogg", error));
    // A track playing ends when the next one cannot be loaded.
    ASSERT_TRUE(mixer->PlayMusic(path, error)) << error;
    EXPECT_TRUE(mixer->MusicPlaying());
    EXPECT_FALSE(mixer->PlayMusic("no/such/music.ogg", error));
    EXPECT_FALSE(mixer->MusicPlaying());
    // The pause holds, and says so; a mixer that never opened cannot pause anything.
    ASSERT_TRUE(mixer->PlayMusic(path, error)) << error;
    EXPECT_TRUE(mixer->PauseMusic(error)) << error;
    EXPECT_TRUE(mixer->MusicPaused());
    mixer->ResumeMusic();
    EXPECT_FALSE(mixer->MusicPaused());
    mixer->SetMasterVolume(0.5f);
    mixer->SetMusicVolume(0.5f);
    error.clear();
    EXPECT_FALSE(CreateSdlMixer()->PauseMusic(error));
    EXPECT_FALSE(error.empty());
}
