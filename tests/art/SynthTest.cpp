// The synthesiser's building blocks: tuning, filters, mixing and level handling.
#include "ArtTestSupport.h"
#include "SoundSynth.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

std::vector<float> Sine(double frequency, double seconds) {
    std::vector<float> out(static_cast<std::size_t>(seconds * kSampleRate));
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<float>(std::sin(2 * M_PI * frequency * static_cast<double>(i) / kSampleRate));
    return out;
}

double Rms(const std::vector<float>& s, std::size_t from = 0) {
    double sum = 0;
    for (std::size_t i = from; i < s.size(); ++i) sum += static_cast<double>(s[i]) * s[i];
    return std::sqrt(sum / static_cast<double>(s.size() - from));
}

TEST(Synth, StringsAndVoicesSoundAtTheirNotes) {
    EXPECT_NEAR(NoteFrequency(69), 440.0, 1e-9);
    EXPECT_NEAR(NoteFrequency(57), 220.0, 1e-9);
    const auto a3 = PluckedString(220.0, 0.5, 0.7, 1);
    EXPECT_NEAR(EstimatePitch(a3, 2000, 100, 500), 220.0, 4.0);
    const auto e2 = BassNote(40, 0.5, 2);
    EXPECT_NEAR(EstimatePitch(e2, 2000, 50, 200), NoteFrequency(40), 3.0);
    const auto sax = SaxNote(64, 0.5, 3);
    EXPECT_NEAR(EstimatePitch(sax, 4000, 200, 500), NoteFrequency(64), 6.0);
    const auto voice = Voice(57, 57, 0.6, 0, 0.0, 4);
    EXPECT_NEAR(EstimatePitch(voice, 8000, 120, 400), NoteFrequency(57), 5.0);
}

TEST(Synth, SameSeedSameSoundOtherSeedOtherTake) {
    EXPECT_EQ(Snare(7), Snare(7));
    EXPECT_NE(Snare(7), Snare(8));
    EXPECT_EQ(PowerChord(40, 0.3, 7, false, 9), PowerChord(40, 0.3, 7, false, 9));
}

TEST(Synth, FiltersPassTheirBandAndCutTheOther) {
    auto lowThroughLowPass = Sine(200, 0.3), highThroughLowPass = Sine(8000, 0.3);
    Biquad(Biquad::Kind::LowPass, 1000, 0.7).Apply(lowThroughLowPass);
    Biquad(Biquad::Kind::LowPass, 1000, 0.7).Apply(highThroughLowPass);
    EXPECT_GT(Rms(lowThroughLowPass, 2000), 0.65);
    EXPECT_LT(Rms(highThroughLowPass, 2000), 0.02);

    auto lowThroughHighPass = Sine(100, 0.3), highThroughHighPass = Sine(5000, 0.3);
    Biquad(Biquad::Kind::HighPass, 1000, 0.7).Apply(lowThroughHighPass);
    Biquad(Biquad::Kind::HighPass, 1000, 0.7).Apply(highThroughHighPass);
    EXPECT_LT(Rms(lowThroughHighPass, 2000), 0.02);
    EXPECT_GT(Rms(highThroughHighPass, 2000), 0.65);

    // A cut-off above what the rate can carry is clamped, not turned into an unstable filter.
    auto sine = Sine(440, 0.2);
    Biquad(Biquad::Kind::LowPass, 40000, 0.7).Apply(sine);
    for (float v : sine) ASSERT_TRUE(std::isfinite(v));
}

TEST(Synth, AddMixesAtTheOffsetWithGainAndPan) {
    SoundBuffer stereo(2);
    const std::vector<float> ones(100, 1.0f);
    stereo.Add(ones, 0.01, 0.5, -1.0);  // hard left
    ASSERT_EQ(stereo.Frames(), 441u + 100u);
    EXPECT_EQ(stereo.samples[440 * 2], 0.0f);
    EXPECT_GT(stereo.samples[441 * 2], 0.0f);
    EXPECT_NEAR(stereo.samples[441 * 2 + 1], 0.0, 1e-6);
    const double hardPower = std::pow(stereo.samples[441 * 2], 2);
    stereo.Add(ones, 0.0, 0.5, 0.0);  // centre: both sides alike, buffer not shrunk
    EXPECT_NEAR(stereo.samples[0], 0.5, 1e-6);
    EXPECT_NEAR(stereo.samples[0], stereo.samples[1], 1e-6);
    EXPECT_EQ(stereo.Frames(), 541u);
    // Panning moves a part across the stereo field without making it louder or softer.
    EXPECT_NEAR(hardPower, std::pow(stereo.samples[0], 2) + std::pow(stereo.samples[1], 2), 1e-6);

    SoundBuffer mono(1);
    mono.Add(ones, 0.0, 0.25, 1.0);  // pan means nothing on one channel
    mono.Add(ones, 0.0, 0.25);
    EXPECT_NEAR(mono.samples[50], 0.5, 1e-6);
}

TEST(Synth, SilenceAndEmptySoundsSurviveLevelling) {
    SoundBuffer silent(1, 0.1);
    Normalise(silent, 0.2);
    for (float v : silent.samples) ASSERT_EQ(v, 0.0f);
    SoundBuffer empty(2);
    Normalise(empty, 0.2);
    FadeOut(empty, 1.0);
    EXPECT_TRUE(empty.samples.empty());

    SoundBuffer tone(1);
    tone.samples = Sine(440, 0.5);
    FadeOut(tone, 0.1);
    EXPECT_EQ(tone.samples.back(), 0.0f);
    EXPECT_NE(tone.samples[1000], 0.0f);
}

TEST(Synth, MonoOggAndAnEmptyOggAreValidFiles) {
    TempDir out;
    SoundBuffer tone(1);
    tone.samples = Sine(330, 0.4);
    ASSERT_TRUE(WriteOgg(out.path() + "/mono.ogg", tone, 0.4f));
    DecodedSound sound;
    ASSERT_TRUE(DecodeSound(out.path() + "/mono.ogg", sound));
    EXPECT_EQ(sound.channels, 1);
    EXPECT_NEAR(sound.seconds, 0.4, 0.01);

    ASSERT_TRUE(WriteOgg(out.path() + "/empty.ogg", SoundBuffer(1), 0.4f));
    OggVorbis_File file;
    ASSERT_EQ(ov_fopen((out.path() + "/empty.ogg").c_str(), &file), 0);
    EXPECT_EQ(ov_pcm_total(&file, -1), 0);
    ov_clear(&file);
}

}  // namespace
