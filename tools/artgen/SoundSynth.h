#pragma once
// Small deterministic synthesiser: oscillators, plucked strings, drums, formant voices, filters,
// and the Ogg Vorbis writer. Sample rate is fixed at 44100 Hz.
#include <cstdint>
#include <string>
#include <vector>

constexpr int kSampleRate = 44100;

// Interleaved float samples, 1 or 2 channels.
struct SoundBuffer {
    int channels = 1;
    std::vector<float> samples;

    explicit SoundBuffer(int channelCount = 1, double seconds = 0.0);
    std::size_t Frames() const { return samples.size() / static_cast<std::size_t>(channels); }
    double Seconds() const { return static_cast<double>(Frames()) / kSampleRate; }
    // Mixes a mono sound in at a time with gain and pan (-1 left .. 1 right); grows as needed.
    void Add(const std::vector<float>& mono, double atSeconds, double gain, double pan = 0.0);
};

// Deterministic noise source.
class SynthRandom {
public:
    explicit SynthRandom(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {}
    std::uint32_t Next();
    double Uniform();          // 0..1
    double Range(double a, double b) { return a + (b - a) * Uniform(); }
    double Bipolar() { return Uniform() * 2 - 1; }

private:
    std::uint32_t state_;
};

// Second-order filter (RBJ cookbook).
class Biquad {
public:
    enum class Kind { LowPass, HighPass, BandPass };
    Biquad(Kind kind, double frequency, double q);
    float Process(float x);
    void Apply(std::vector<float>& samples);

private:
    double b0_, b1_, b2_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

double NoteFrequency(int midiNote);
std::vector<float> Silence(double seconds);

// Voices, each a mono sample vector.
std::vector<float> PluckedString(double frequency, double seconds, double brightness, std::uint32_t seed);
std::vector<float> PowerChord(int rootMidi, double seconds, double drive, bool muted, std::uint32_t seed);
std::vector<float> BassNote(int midi, double seconds, std::uint32_t seed);
std::vector<float> Kick(double seconds = 0.45);
std::vector<float> Snare(std::uint32_t seed, double seconds = 0.3);
std::vector<float> HiHat(std::uint32_t seed, bool open);
std::vector<float> Cymbal(std::uint32_t seed, double seconds);
std::vector<float> Tom(double frequency, double seconds = 0.4);
std::vector<float> Clap(std::uint32_t seed);
std::vector<float> OrganChord(const std::vector<int>& midiNotes, double seconds);
std::vector<float> SynthLead(int midi, double seconds, double vibrato);
std::vector<float> SaxNote(int midi, double seconds, std::uint32_t seed);
// A sung vowel: pitch glides from startMidi to endMidi; vowel 0 "ah", 1 "oh", 2 "oo", 3 "eh".
std::vector<float> Voice(double startMidi, double endMidi, double seconds, int vowel, double breath, std::uint32_t seed);
std::vector<float> Bell(double frequency, double seconds);
std::vector<float> NoiseBurst(double seconds, double attack, double decayRate, double lowHz, double highHz,
                              std::uint32_t seed);

// Scales to the loudness target (RMS) without letting any sample exceed the peak ceiling.
// The default ceiling leaves room for the lossy encoder, whose output overshoots the input peaks.
void Normalise(SoundBuffer& sound, double targetRms, double peakCeiling = 0.8);
void FadeOut(SoundBuffer& sound, double seconds);
bool WriteOgg(const std::string& path, const SoundBuffer& sound, float quality);
