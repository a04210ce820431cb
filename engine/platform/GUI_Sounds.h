#pragma once
// The sound service: one-shot effects cached by file name, one background-music stream with
// its title -> verse 1 -> verse 2 -> verse 1 ... sequence, jingles that hold the music paused,
// random instrument samples and the player's volumes. Mixing goes through SoundMixer, a narrow
// layer over SDL2_mixer that tests replace.
#include <array>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

// What the service asks of the mixer. Failing calls return false (or -1) and leave the
// mixer's own error text in error.
class SoundMixer {
public:
    virtual ~SoundMixer() = default;
    virtual bool Open(int channels, std::string& error) = 0;
    // A loaded one-shot's id (>= 0), or -1.
    virtual int LoadSound(const std::string& path, std::string& error) = 0;
    // The channel the sound plays on, or -1.
    virtual int PlaySound(int sound, std::string& error) = 0;
    // True while the channel still plays that sound.
    virtual bool IsPlaying(int channel, int sound) const = 0;
    // Silences the channel at once, whatever it plays.
    virtual void StopChannel(int channel) = 0;
    // Music: one stream at a time. A new track replaces the one playing; when it cannot be
    // loaded or started, no music is left playing.
    virtual bool PlayMusic(const std::string& path, std::string& error) = 0;
    virtual void StopMusic() = 0;
    // False when the music could not be held paused.
    virtual bool PauseMusic(std::string& error) = 0;
    virtual void ResumeMusic() = 0;
    virtual bool MusicPaused() const = 0;
    virtual bool MusicPlaying() const = 0;
    // Volumes 0..1; the master volume scales the music too.
    virtual void SetMasterVolume(float volume) = 0;
    virtual void SetMusicVolume(float volume) = 0;
    virtual void Update() {}
};

// The mixer on SDL2_mixer.
std::unique_ptr<SoundMixer> CreateSdlMixer();

// The player's sound options, read each time they are applied.
struct SoundSettings {
    float masterVolume = 1.0f;
    float musicVolume = 1.0f;
    bool musicEnabled = true;
};

class GUI_Sounds {
public:
    static constexpr int kChannels = 64;
    enum Bank { GUITAR, BASS, DRUMS, KEYBOARD, SAXOPHONE, VOCALS, BANK_COUNT };

    explicit GUI_Sounds(std::unique_ptr<SoundMixer> mixer);

    // Until the player options exist, the defaults apply.
    void SetSettingsSource(std::function<SoundSettings()> source) { settings_ = std::move(source); }
    // Instrument banks are filled from "data/sounds/instruments/<bank>/*.ogg".
    void StartMusicAndBanks();
    int PlaySound(const std::string& path);
    // Stops a sound that PlaySound started on that channel. A channel that has finished it and
    // moved on to another sound is left alone.
    void StopSound(int channel, const std::string& path);
    int PlayJingle(const std::string& path);
    void PlayInstrumentSample(int bank);
    // Holds the music where it is (a screen that plays its own sounds); a failure is reported.
    void PauseMusic();
    // Lets held music play on; while a jingle plays, its end does that.
    void ResumeMusic();
    void StopMusic();
    void PlayMusic(const std::string& path);
    // The title music from its start, the verses following it, unless the player turned music off.
    void RestartTitleMusic();
    void ApplyMasterVolume();
    void ApplyMusicVolume();
    void Update();

    // True while a track is loaded in the mixer (playing or paused).
    bool HasMusic() const { return hasMusic_; }
    bool JingleActive() const { return jingleActive_; }
    const std::string& LastJingle() const { return lastJingle_; }
    int SequenceState() const { return sequence_; }
    std::size_t CachedSounds() const { return cache_.size(); }
    const std::vector<std::string>& BankSamples(int bank) const { return banks_[static_cast<std::size_t>(bank)]; }
    // For tests: replaces the random choice of a sample.
    void SetRandom(std::function<int()> random) { random_ = std::move(random); }

private:
    void Report(const std::string& message, const std::string& error);

    std::unique_ptr<SoundMixer> mixer_;
    bool open_ = false;
    std::function<SoundSettings()> settings_;
    std::function<int()> random_;
    bool hasMusic_ = false;
    int jingleChannel_ = -1;
    int jingleSound_ = -1;
    bool jingleActive_ = false;
    std::string lastJingle_;
    int sequence_ = 0;
    struct Cached {
        std::string name;
        int sound;
    };
    std::vector<Cached> cache_;
    std::set<std::string> failed_;  // file names that could not be loaded: reported once
    std::array<std::vector<std::string>, BANK_COUNT> banks_;
};

// The one sound service, created on first use on SDL2_mixer.
GUI_Sounds& Sounds();
// Replaces the service with one on the given mixer (tests), or drops it so the next use
// creates it anew.
void ResetSounds(std::unique_ptr<SoundMixer> mixer = nullptr);
// Plays a file only when it exists: sounds arrive with the game's art, and until then a click
// should cost nothing at all. Returns the channel, or -1.
int PlaySoundIfPresent(const std::string& path);
