#include "GUI_Sounds.h"

#include "LibDataFolder.h"
#include "LibErrors.h"
#include "LibFileList.h"
#include "LibRandom.h"
#include "LibString.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <filesystem>
#include <algorithm>

namespace {
const char* const kBankFolders[GUI_Sounds::BANK_COUNT] = {"guitar", "bass", "drums", "keyboard", "saxophone", "vocals"};

int ToMixVolume(float volume) { return static_cast<int>(std::clamp(volume, 0.0f, 1.0f) * MIX_MAX_VOLUME + 0.5f); }

class SdlMixer : public SoundMixer {
public:
    ~SdlMixer() override {
        if (!open_) return;
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
        if (music_) Mix_FreeMusic(music_);
        for (Mix_Chunk* chunk : chunks_) Mix_FreeChunk(chunk);
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    bool Open(int channels, std::string& error) override {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
            error = SDL_GetError();
            return false;
        }
        Mix_Init(MIX_INIT_OGG);
        Mix_AllocateChannels(channels);
        open_ = true;
        return true;
    }
    int LoadSound(const std::string& path, std::string& error) override {
        Mix_Chunk* chunk = open_ ? Mix_LoadWAV(DataFile(path).c_str()) : nullptr;
        if (!chunk) {
            error = open_ ? Mix_GetError() : "audio is not open";
            return -1;
        }
        chunks_.push_back(chunk);
        return static_cast<int>(chunks_.size() - 1);
    }
    int PlaySound(int sound, std::string& error) override {
        if (sound < 0 || static_cast<std::size_t>(sound) >= chunks_.size()) {
            error = "no such sound";
            return -1;
        }
        const int channel = Mix_PlayChannel(-1, chunks_[static_cast<std::size_t>(sound)], 0);
        if (channel < 0) error = Mix_GetError();
        return channel;
    }
    bool IsPlaying(int channel, int sound) const override {
        if (channel < 0 || sound < 0 || static_cast<std::size_t>(sound) >= chunks_.size()) return false;
        return Mix_Playing(channel) && Mix_GetChunk(channel) == chunks_[static_cast<std::size_t>(sound)];
    }
    void StopChannel(int channel) override {
        // -1 would halt every channel: a caller that lost its channel must not silence the game.
        if (open_ && channel >= 0) Mix_HaltChannel(channel);
    }
    bool PlayMusic(const std::string& path, std::string& error) override {
        // The old track ends whether or not the new one starts: left playing, it would be
        // music nobody holds.
        StopMusic();
        Mix_Music* music = open_ ? Mix_LoadMUS(DataFile(path).c_str()) : nullptr;
        if (!music) {
            error = open_ ? Mix_GetError() : "audio is not open";
            return false;
        }
        if (Mix_PlayMusic(music, 0) != 0) {
            error = Mix_GetError();
            Mix_FreeMusic(music);
            return false;
        }
        music_ = music;
        return true;
    }
    void StopMusic() override {
        if (!music_) return;
        Mix_HaltMusic();
        Mix_FreeMusic(music_);
        music_ = nullptr;
    }
    bool PauseMusic(std::string& error) override {
        if (!open_) {
            error = "audio is not open";
            return false;
        }
        // SDL_mixer's pause answers nothing: ask afterwards whether the music is held.
        Mix_PauseMusic();
        if (Mix_PausedMusic() != 0) return true;
        error = "the music did not pause";
        return false;
    }
    void ResumeMusic() override { Mix_ResumeMusic(); }
    bool MusicPaused() const override { return Mix_PausedMusic() != 0; }
    bool MusicPlaying() const override { return Mix_PlayingMusic() != 0; }
    void SetMasterVolume(float volume) override {
        master_ = volume;
        Mix_MasterVolume(ToMixVolume(volume));
        Mix_VolumeMusic(ToMixVolume(music_volume_ * master_));
    }
    void SetMusicVolume(float volume) override {
        music_volume_ = volume;
        Mix_VolumeMusic(ToMixVolume(music_volume_ * master_));
    }

private:
    bool open_ = false;
    std::vector<Mix_Chunk*> chunks_;
    Mix_Music* music_ = nullptr;
    float master_ = 1.0f;
    float music_volume_ = 1.0f;
};

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
}  // namespace

std::unique_ptr<SoundMixer> CreateSdlMixer() { return std::make_unique<SdlMixer>(); }

namespace {
std::unique_ptr<GUI_Sounds>& SoundsSlot() {
    static std::unique_ptr<GUI_Sounds> sounds;
    return sounds;
}
}  // namespace

GUI_Sounds& Sounds() {
    std::unique_ptr<GUI_Sounds>& sounds = SoundsSlot();
    if (!sounds) sounds = std::make_unique<GUI_Sounds>(CreateSdlMixer());
    return *sounds;
}

void ResetSounds(std::unique_ptr<SoundMixer> mixer) {
    SoundsSlot() = mixer ? std::make_unique<GUI_Sounds>(std::move(mixer)) : nullptr;
}

int PlaySoundIfPresent(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec) ? Sounds().PlaySound(path) : -1;
}

GUI_Sounds::GUI_Sounds(std::unique_ptr<SoundMixer> mixer)
    : mixer_(std::move(mixer)), settings_([] { return SoundSettings{}; }), random_([] { return RandomInt(); }) {
    std::string error;
    open_ = mixer_->Open(kChannels, error);
    if (!open_) Report("Failed to init SDL_mixer", error);
}

void GUI_Sounds::Report(const std::string& message, const std::string& error) {
    // The game carries on: a missing sound costs this report and silence.
    ReportError(__FILE__, FormatText("SDL_mixer error! (%d) (%s) %s", -1, error.c_str(), message.c_str()), __LINE__);
}

void GUI_Sounds::StartMusicAndBanks() {
    RestartTitleMusic();
    ApplyMasterVolume();
    for (int bank = 0; bank < BANK_COUNT; ++bank) {
        auto& samples = banks_[static_cast<std::size_t>(bank)];
        samples.clear();
        const std::string folder = FormatText("data/sounds/instruments/%s/", kBankFolders[bank]);
        LibFileList files;
        files.FindFiles(folder + "*.ogg");
        for (const std::string& name : files.names) samples.push_back(folder + name);
    }
}

int GUI_Sounds::PlaySound(const std::string& path) {
    if (!open_) return -1;  // reported once when the mixer failed to open
    const std::string name = FileNameOf(path);
    if (failed_.count(name)) return -1;
    int sound = -1;
    for (const Cached& cached : cache_)
        if (cached.name == name) {
            sound = cached.sound;
            break;
        }
    std::string error;
    if (sound < 0) {
        sound = mixer_->LoadSound(path, error);
        if (sound < 0) {
            failed_.insert(name);
            Report(FormatText("Failed create sound! (%s)", path.c_str()), error);
            return -1;
        }
        cache_.push_back({name, sound});
    }
    const int channel = mixer_->PlaySound(sound, error);
    if (channel < 0) Report(FormatText("Failed playSound() [%s]", path.c_str()), error);
    return channel;
}

void GUI_Sounds::StopSound(int channel, const std::string& path) {
    if (channel < 0) return;
    const std::string name = FileNameOf(path);
    for (const Cached& cached : cache_)
        if (cached.name == name) {
            if (mixer_->IsPlaying(channel, cached.sound)) mixer_->StopChannel(channel);
            return;
        }
}

int GUI_Sounds::PlayJingle(const std::string& path) {
    const int channel = PlaySound(path);
    jingleChannel_ = channel;
    jingleSound_ = -1;
    const std::string name = FileNameOf(path);
    for (const Cached& cached : cache_)
        if (cached.name == name) jingleSound_ = cached.sound;
    // A jingle that could not start holds nothing paused.
    jingleActive_ = channel >= 0;
    if (jingleActive_) PauseMusic();
    lastJingle_ = name;
    return channel;
}

void GUI_Sounds::PlayInstrumentSample(int bank) {
    if (bank < 0 || bank >= BANK_COUNT) return;
    const auto& samples = banks_[static_cast<std::size_t>(bank)];
    if (samples.empty()) return;
    const int pick = random_() % static_cast<int>(samples.size());
    PlaySound(samples[static_cast<std::size_t>(pick)]);
}

void GUI_Sounds::PauseMusic() {
    if (!hasMusic_) return;
    std::string error;
    if (!mixer_->PauseMusic(error)) Report("Failed to pause music", error);
}

void GUI_Sounds::ResumeMusic() {
    if (hasMusic_ && !jingleActive_) mixer_->ResumeMusic();
}

void GUI_Sounds::StopMusic() {
    // Always asked of the mixer: stopping must reach any music, whatever this service believes.
    mixer_->StopMusic();
    hasMusic_ = false;
}

void GUI_Sounds::RestartTitleMusic() {
    if (!settings_().musicEnabled) return;
    sequence_ = 0;
    PlayMusic("data/sounds/music/titlemusic.ogg");
}

void GUI_Sounds::PlayMusic(const std::string& path) {
    if (!open_) return;
    std::string error;
    if (!mixer_->PlayMusic(path, error)) {
        Report("Failed to create stream for loop", error);
        // A track that cannot start ends the one before it, in any mixer: the screen asked for
        // other music, and a track this service no longer holds could not be paused, stopped
        // or turned down, nor would its end move the sequence on. Silence is the honest state.
        mixer_->StopMusic();
        hasMusic_ = false;
        return;
    }
    hasMusic_ = true;
    ApplyMusicVolume();
}

void GUI_Sounds::ApplyMasterVolume() { mixer_->SetMasterVolume(settings_().masterVolume); }

void GUI_Sounds::ApplyMusicVolume() {
    if (hasMusic_) mixer_->SetMusicVolume(settings_().musicVolume);
}

void GUI_Sounds::Update() {
    mixer_->Update();
    if (hasMusic_ && !jingleActive_ && !mixer_->MusicPaused() && !mixer_->MusicPlaying()) {
        if (sequence_ == 1) {
            sequence_ = 2;
            PlayMusic("data/sounds/music/verse2.ogg");
        } else {
            sequence_ = 1;
            PlayMusic("data/sounds/music/verse1.ogg");
        }
    }
    if (jingleActive_ && !mixer_->IsPlaying(jingleChannel_, jingleSound_)) {
        jingleActive_ = false;
        if (hasMusic_) mixer_->ResumeMusic();
        jingleChannel_ = -1;
    }
}
