#include "SoundSynth.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

namespace {
constexpr double kTwoPi = 2 * M_PI;

std::size_t FramesFor(double seconds) { return static_cast<std::size_t>(std::max(0.0, seconds) * kSampleRate); }
}  // namespace

SoundBuffer::SoundBuffer(int channelCount, double seconds)
    : channels(channelCount), samples(FramesFor(seconds) * static_cast<std::size_t>(channelCount), 0.0f) {}

void SoundBuffer::Add(const std::vector<float>& mono, double atSeconds, double gain, double pan) {
    const std::size_t start = FramesFor(atSeconds);
    const std::size_t needed = (start + mono.size()) * static_cast<std::size_t>(channels);
    if (samples.size() < needed) samples.resize(needed, 0.0f);
    const double left = channels == 2 ? gain * std::cos((pan + 1) * M_PI / 4) * std::sqrt(2.0) : gain;
    const double right = gain * std::sin((pan + 1) * M_PI / 4) * std::sqrt(2.0);
    for (std::size_t i = 0; i < mono.size(); ++i) {
        if (channels == 2) {
            samples[(start + i) * 2] += static_cast<float>(mono[i] * left);
            samples[(start + i) * 2 + 1] += static_cast<float>(mono[i] * right);
        } else {
            samples[start + i] += static_cast<float>(mono[i] * left);
        }
    }
}

std::uint32_t SynthRandom::Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double SynthRandom::Uniform() { return (Next() & 0xFFFFFF) / static_cast<double>(0x1000000); }

Biquad::Biquad(Kind kind, double frequency, double q) {
    const double w = kTwoPi * std::min(frequency, kSampleRate * 0.45) / kSampleRate;
    const double alpha = std::sin(w) / (2 * q), c = std::cos(w);
    double b0, b1, b2;
    switch (kind) {
        case Kind::LowPass: b0 = (1 - c) / 2; b1 = 1 - c; b2 = (1 - c) / 2; break;
        case Kind::HighPass: b0 = (1 + c) / 2; b1 = -(1 + c); b2 = (1 + c) / 2; break;
        default: b0 = alpha; b1 = 0; b2 = -alpha; break;
    }
    const double a0 = 1 + alpha;
    b0_ = b0 / a0;
    b1_ = b1 / a0;
    b2_ = b2 / a0;
    a1_ = -2 * c / a0;
    a2_ = (1 - alpha) / a0;
}

float Biquad::Process(float x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return static_cast<float>(y);
}

void Biquad::Apply(std::vector<float>& samples) {
    for (float& s : samples) s = Process(s);
}

double NoteFrequency(int midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0); }

std::vector<float> Silence(double seconds) { return std::vector<float>(FramesFor(seconds), 0.0f); }

std::vector<float> PluckedString(double frequency, double seconds, double brightness, std::uint32_t seed) {
    // Karplus-Strong: a noise-filled delay line averaged into itself.
    SynthRandom rng(seed);
    const double period = kSampleRate / frequency;
    const std::size_t length = std::max<std::size_t>(2, static_cast<std::size_t>(period));
    const double frac = period - static_cast<double>(length);
    std::vector<float> line(length);
    float prev = 0;
    for (float& v : line) {
        v = static_cast<float>(rng.Bipolar() * brightness + prev * (1 - brightness));
        prev = v;
    }
    std::vector<float> out(FramesFor(seconds));
    std::size_t pos = 0;
    float last = 0;
    for (float& o : out) {
        const std::size_t next = (pos + 1) % length;
        const float v = static_cast<float>(0.996 * ((1 - frac) * 0.5 * (line[pos] + line[next]) + frac * last));
        last = line[pos];
        o = line[pos];
        line[pos] = v;
        pos = next;
    }
    return out;
}

std::vector<float> PowerChord(int rootMidi, double seconds, double drive, bool muted, std::uint32_t seed) {
    std::vector<float> out(FramesFor(seconds), 0.0f);
    const int intervals[3] = {0, 7, 12};
    for (int i = 0; i < 3; ++i) {
        const auto string = PluckedString(NoteFrequency(rootMidi + intervals[i]) * (1 + 0.0015 * i), seconds, 0.8,
                                          seed + static_cast<std::uint32_t>(i));
        // A few milliseconds of strum between strings.
        const std::size_t offset = static_cast<std::size_t>(i) * 90;
        for (std::size_t n = offset; n < out.size(); ++n) out[n] += string[n - offset];
    }
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double env = muted ? std::exp(-static_cast<double>(n) / (kSampleRate * 0.06)) : 1.0;
        out[n] = static_cast<float>(std::tanh(out[n] * drive * env) * 0.5);
    }
    // Cabinet: tame the fizz.
    Biquad cab(Biquad::Kind::LowPass, muted ? 1800 : 3200, 0.8);
    cab.Apply(out);
    Biquad body(Biquad::Kind::HighPass, 80, 0.7);
    body.Apply(out);
    const std::size_t tail = std::min<std::size_t>(out.size(), 300);
    for (std::size_t i = 0; i < tail; ++i) out[out.size() - 1 - i] *= static_cast<float>(i) / tail;
    return out;
}

std::vector<float> BassNote(int midi, double seconds, std::uint32_t seed) {
    auto out = PluckedString(NoteFrequency(midi), seconds, 0.5, seed);
    const double f = NoteFrequency(midi);
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double t = static_cast<double>(n) / kSampleRate;
        out[n] = static_cast<float>(std::tanh(1.6 * out[n] + 0.5 * std::sin(kTwoPi * f * t) * std::exp(-t * 3)));
    }
    Biquad lp(Biquad::Kind::LowPass, 900, 0.9);
    lp.Apply(out);
    const std::size_t tail = std::min<std::size_t>(out.size(), 400);
    for (std::size_t i = 0; i < tail; ++i) out[out.size() - 1 - i] *= static_cast<float>(i) / tail;
    return out;
}

std::vector<float> Kick(double seconds) {
    std::vector<float> out(FramesFor(seconds));
    double phase = 0;
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double t = static_cast<double>(n) / kSampleRate;
        const double f = 48 + 110 * std::exp(-t * 28);
        phase += kTwoPi * f / kSampleRate;
        out[n] = static_cast<float>(std::sin(phase) * std::exp(-t * 7) + (t < 0.004 ? 0.4 * (1 - t / 0.004) : 0));
    }
    return out;
}

std::vector<float> NoiseBurst(double seconds, double attack, double decayRate, double lowHz, double highHz,
                              std::uint32_t seed) {
    SynthRandom rng(seed);
    std::vector<float> out(FramesFor(seconds));
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double t = static_cast<double>(n) / kSampleRate;
        const double env = (t < attack ? t / attack : 1.0) * std::exp(-std::max(0.0, t - attack) * decayRate);
        out[n] = static_cast<float>(rng.Bipolar() * env);
    }
    if (lowHz > 0) Biquad(Biquad::Kind::HighPass, lowHz, 0.7).Apply(out);
    if (highHz > 0) Biquad(Biquad::Kind::LowPass, highHz, 0.7).Apply(out);
    return out;
}

std::vector<float> Snare(std::uint32_t seed, double seconds) {
    auto out = NoiseBurst(seconds, 0.001, 16, 900, 9000, seed);
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double t = static_cast<double>(n) / kSampleRate;
        out[n] = static_cast<float>(out[n] * 0.9 + 0.6 * std::sin(kTwoPi * 190 * t) * std::exp(-t * 25));
    }
    return out;
}

std::vector<float> HiHat(std::uint32_t seed, bool open) {
    return NoiseBurst(open ? 0.35 : 0.08, 0.0005, open ? 9 : 55, 7000, 0, seed);
}

std::vector<float> Cymbal(std::uint32_t seed, double seconds) {
    auto out = NoiseBurst(seconds, 0.002, 2.2, 4000, 14000, seed);
    // Metallic shimmer: ring-modulate part of the noise with inharmonic partials.
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double t = static_cast<double>(n) / kSampleRate;
        out[n] = static_cast<float>(out[n] * (0.7 + 0.3 * std::sin(kTwoPi * 3150 * t) * std::sin(kTwoPi * 447 * t)));
    }
    return out;
}

std::vector<float> Tom(double frequency, double seconds) {
    std::vector<float> out(FramesFor(seconds));
    double phase = 0;
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double t = static_cast<double>(n) / kSampleRate;
        phase += kTwoPi * frequency * (1 + 0.5 * std::exp(-t * 20)) / kSampleRate;
        out[n] = static_cast<float>(std::sin(phase) * std::exp(-t * 8));
    }
    return out;
}

std::vector<float> Clap(std::uint32_t seed) {
    // Several skin slaps a few milliseconds apart make one clap.
    auto out = Silence(0.18);
    SynthRandom rng(seed);
    for (int i = 0; i < 3; ++i) {
        const auto burst = NoiseBurst(0.12, 0.0005, 45 + 10 * i, 700 + rng.Range(0, 500), 5000, seed + 17u * i);
        const std::size_t offset = static_cast<std::size_t>(i) * static_cast<std::size_t>(rng.Range(250, 500));
        for (std::size_t n = 0; n + offset < out.size() && n < burst.size(); ++n) out[n + offset] += burst[n];
    }
    return out;
}

std::vector<float> OrganChord(const std::vector<int>& midiNotes, double seconds) {
    std::vector<float> out(FramesFor(seconds));
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double t = static_cast<double>(n) / kSampleRate;
        double v = 0;
        for (int note : midiNotes) {
            const double f = NoteFrequency(note);
            v += std::sin(kTwoPi * f * t) + 0.5 * std::sin(kTwoPi * 2 * f * t) + 0.25 * std::sin(kTwoPi * 3 * f * t) +
                 0.12 * std::sin(kTwoPi * 4.01 * f * t);
        }
        const double env = std::min(1.0, t / 0.02) * std::min(1.0, (seconds - t) / 0.08);
        out[n] = static_cast<float>(v * env * (1 + 0.15 * std::sin(kTwoPi * 6 * t)) / (midiNotes.size() * 1.9));
    }
    return out;
}

std::vector<float> SynthLead(int midi, double seconds, double vibrato) {
    std::vector<float> out(FramesFor(seconds));
    const double f = NoteFrequency(midi);
    double phase = 0;
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double t = static_cast<double>(n) / kSampleRate;
        const double vib = 1 + vibrato * std::min(1.0, t * 3) * 0.006 * std::sin(kTwoPi * 5.5 * t);
        phase += f * vib / kSampleRate;
        phase -= std::floor(phase);
        const double saw = 2 * phase - 1;
        const double env = std::min(1.0, t / 0.01) * std::min(1.0, (seconds - t) / 0.05) * (0.75 + 0.25 * std::exp(-t * 4));
        out[n] = static_cast<float>(std::tanh(saw * 2.2) * env * 0.6);
    }
    Biquad(Biquad::Kind::LowPass, 2600, 1.2).Apply(out);
    return out;
}

std::vector<float> SaxNote(int midi, double seconds, std::uint32_t seed) {
    SynthRandom rng(seed);
    std::vector<float> out(FramesFor(seconds));
    const double f = NoteFrequency(midi);
    double phase = 0;
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double t = static_cast<double>(n) / kSampleRate;
        phase += f * (1 + 0.004 * std::sin(kTwoPi * 5 * t) * std::min(1.0, t * 2)) / kSampleRate;
        phase -= std::floor(phase);
        const double reed = std::tanh(3 * std::sin(kTwoPi * phase) + 0.8 * std::sin(2 * kTwoPi * phase));
        const double env = std::min(1.0, t / 0.04) * std::min(1.0, (seconds - t) / 0.06);
        out[n] = static_cast<float>((reed * 0.8 + rng.Bipolar() * 0.06) * env);
    }
    std::vector<float> body = out;
    Biquad(Biquad::Kind::BandPass, 1300, 1.4).Apply(body);
    Biquad(Biquad::Kind::LowPass, 3500, 0.8).Apply(out);
    for (std::size_t n = 0; n < out.size(); ++n) out[n] = 0.5f * out[n] + 0.9f * body[n];
    return out;
}

std::vector<float> Voice(double startMidi, double endMidi, double seconds, int vowel, double breath,
                         std::uint32_t seed) {
    static const double formants[4][3] = {{800, 1150, 2900}, {450, 800, 2830}, {325, 700, 2530}, {550, 1770, 2590}};
    static const double gains[3] = {1.0, 0.5, 0.25};
    SynthRandom rng(seed);
    std::vector<float> source(FramesFor(seconds));
    double phase = 0;
    for (std::size_t n = 0; n < source.size(); ++n) {
        const double t = static_cast<double>(n) / kSampleRate;
        const double midi = startMidi + (endMidi - startMidi) * (t / seconds);
        const double f = NoteFrequency(static_cast<int>(std::floor(midi))) * std::pow(2.0, (midi - std::floor(midi)) / 12) *
                         (1 + 0.008 * std::sin(kTwoPi * 5.2 * t) * std::min(1.0, t * 2));
        phase += f / kSampleRate;
        phase -= std::floor(phase);
        // Glottal pulse: a skewed, smoothed sawtooth.
        const double pulse = phase < 0.6 ? std::sin(M_PI * phase / 0.6) : 0.0;
        source[n] = static_cast<float>(pulse * (1 - breath) + rng.Bipolar() * breath);
    }
    std::vector<float> out(source.size(), 0.0f);
    for (int k = 0; k < 3; ++k) {
        std::vector<float> band = source;
        Biquad(Biquad::Kind::BandPass, formants[vowel][k] * (startMidi > 60 ? 1.15 : 1.0), 6 + 2 * k).Apply(band);
        for (std::size_t n = 0; n < out.size(); ++n) out[n] += static_cast<float>(band[n] * gains[k]);
    }
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double t = static_cast<double>(n) / kSampleRate;
        out[n] *= static_cast<float>(std::min(1.0, t / 0.06) * std::min(1.0, (seconds - t) / 0.2) * 3.0);
    }
    return out;
}

std::vector<float> Bell(double frequency, double seconds) {
    static const double ratios[5] = {1.0, 2.76, 5.4, 8.93, 2.0};
    std::vector<float> out(FramesFor(seconds));
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double t = static_cast<double>(n) / kSampleRate;
        double v = 0;
        for (int k = 0; k < 5; ++k) v += std::sin(kTwoPi * frequency * ratios[k] * t) * std::exp(-t * (3 + 3 * k)) / (k + 1);
        out[n] = static_cast<float>(v * std::min(1.0, t / 0.002));
    }
    return out;
}

void Normalise(SoundBuffer& sound, double targetRms, double peakCeiling) {
    double sum = 0, peak = 0;
    for (float s : sound.samples) {
        sum += static_cast<double>(s) * s;
        peak = std::max(peak, static_cast<double>(std::abs(s)));
    }
    if (sound.samples.empty() || peak <= 0) return;
    const double rms = std::sqrt(sum / static_cast<double>(sound.samples.size()));
    const double gain = std::min(targetRms / rms, peakCeiling / peak);
    for (float& s : sound.samples) s = static_cast<float>(s * gain);
}

void FadeOut(SoundBuffer& sound, double seconds) {
    const std::size_t frames = std::min(sound.Frames(), FramesFor(seconds));
    for (std::size_t i = 0; i < frames; ++i) {
        const auto g = static_cast<float>(static_cast<double>(i) / static_cast<double>(frames));
        for (int c = 0; c < sound.channels; ++c)
            sound.samples[(sound.Frames() - 1 - i) * static_cast<std::size_t>(sound.channels) + static_cast<std::size_t>(c)] *= g;
    }
}

bool WriteOgg(const std::string& path, const SoundBuffer& sound, float quality) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    vorbis_info info;
    vorbis_info_init(&info);
    bool ok = vorbis_encode_init_vbr(&info, sound.channels, kSampleRate, quality) == 0;
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
    ogg_page page;
    ogg_packet packet;
    auto writePage = [&]() {
        ok = ok && std::fwrite(page.header, 1, static_cast<std::size_t>(page.header_len), file) ==
                       static_cast<std::size_t>(page.header_len);
        ok = ok && std::fwrite(page.body, 1, static_cast<std::size_t>(page.body_len), file) ==
                       static_cast<std::size_t>(page.body_len);
    };
    if (ok) {
        vorbis_analysis_init(&dsp, &info);
        vorbis_block_init(&dsp, &block);
        ogg_stream_init(&stream, 0x47564c31);  // fixed serial: the same bytes on every run
        ogg_packet header, headerComment, headerCode;
        vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
        ogg_stream_packetin(&stream, &header);
        ogg_stream_packetin(&stream, &headerComment);
        ogg_stream_packetin(&stream, &headerCode);
        while (ogg_stream_flush(&stream, &page) != 0) writePage();
        const std::size_t frames = sound.Frames();
        constexpr std::size_t kChunk = 4096;
        for (std::size_t done = 0; done <= frames;) {
            const std::size_t count = std::min(kChunk, frames - done);
            if (count > 0) {
                float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
                for (std::size_t i = 0; i < count; ++i)
                    for (int c = 0; c < sound.channels; ++c)
                        buffer[c][i] = sound.samples[(done + i) * static_cast<std::size_t>(sound.channels) +
                                                     static_cast<std::size_t>(c)];
            }
            vorbis_analysis_wrote(&dsp, static_cast<int>(count));
            while (vorbis_analysis_blockout(&dsp, &block) == 1) {
                vorbis_analysis(&block, nullptr);
                vorbis_bitrate_addblock(&block);
                while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                    ogg_stream_packetin(&stream, &packet);
                    while (ogg_stream_pageout(&stream, &page) != 0) writePage();
                }
            }
            if (count == 0) break;
            done += count;
        }
        while (ogg_stream_flush(&stream, &page) != 0) writePage();
        ogg_stream_clear(&stream);
        vorbis_block_clear(&block);
        vorbis_dsp_clear(&dsp);
    }
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return std::fclose(file) == 0 && ok;
}
