#pragma once
// A sound mixer for tests: it records what it is asked, and its channels and music end when
// the test says so.
#include "GUI_Sounds.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

struct FakeMixer : SoundMixer {
    struct State {
        std::vector<std::string> loads;
        std::vector<std::pair<int, int>> plays;  // (sound, channel)
        std::vector<std::string> music;
        std::set<std::string> missing;     // cannot be loaded: the old music plays on, as some mixers do
        std::set<std::string> unplayable;  // loads, but fails to start once the old music has stopped
        std::set<int> finished;  // channels that no longer play
        std::vector<int> stopped;  // channels stopped, in order
        bool musicPlaying = false;
        bool musicPaused = false;
        std::string pauseError;  // when set, pausing fails with it
        float master = -1.0f, musicVolume = -1.0f;
        int nextChannel = 0;
    };
    State& s;
    explicit FakeMixer(State& state) : s(state) {}
    bool Open(int channels, std::string&) override { return channels == GUI_Sounds::kChannels; }
    int LoadSound(const std::string& path, std::string& error) override {
        s.loads.push_back(path);
        if (s.missing.count(path)) {
            error = "no such file";
            return -1;
        }
        return static_cast<int>(s.loads.size()) - 1;
    }
    int PlaySound(int sound, std::string&) override {
        s.plays.emplace_back(sound, s.nextChannel);
        return s.nextChannel++;
    }
    bool IsPlaying(int channel, int sound) const override {
        if (channel < 0 || s.finished.count(channel)) return false;
        for (const auto& [played, on] : s.plays)
            if (on == channel) return played == sound;
        return false;
    }
    void StopChannel(int channel) override {
        s.stopped.push_back(channel);
        s.finished.insert(channel);
    }
    bool PlayMusic(const std::string& path, std::string& error) override {
        if (s.missing.count(path)) {
            error = "no such file";
            return false;
        }
        if (s.unplayable.count(path)) {
            s.musicPlaying = false;
            error = "cannot start";
            return false;
        }
        s.music.push_back(path);
        s.musicPlaying = true;
        s.musicPaused = false;
        return true;
    }
    void StopMusic() override { s.musicPlaying = false; }
    bool PauseMusic(std::string& error) override {
        if (!s.pauseError.empty()) {
            error = s.pauseError;
            return false;
        }
        s.musicPaused = true;
        return true;
    }
    void ResumeMusic() override { s.musicPaused = false; }
    bool MusicPaused() const override { return s.musicPaused; }
    bool MusicPlaying() const override { return s.musicPlaying && !s.musicPaused; }
    void SetMasterVolume(float volume) override { s.master = volume; }
    void SetMusicVolume(float volume) override { s.musicVolume = volume; }
};
