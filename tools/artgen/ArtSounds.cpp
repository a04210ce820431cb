#include "ArtSounds.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <map>
#include <thread>

namespace {

// ---- a rock band arranged bar by bar ----

struct Song {
    int bpm;
    int key;                       // midi note of the tonic, in the bass octave
    std::vector<int> progression;  // chord roots as semitones above the key, one per bar
    std::uint32_t seed;
    int bars;
};

// Minor pentatonic steps for the lead.
const int kPentatonic[] = {0, 3, 5, 7, 10, 12, 15, 17, 19, 22, 24};

// Notes repeat all through a song; a few takes of each are rendered once and reused, which keeps
// a minute of music to a fraction of a second of synthesis.
class TakeCache {
public:
    template <typename Make>
    const std::vector<float>& Get(std::uint64_t key, Make make) {
        auto it = takes_.find(key);
        if (it == takes_.end()) it = takes_.emplace(key, make()).first;
        return it->second;
    }

private:
    std::map<std::uint64_t, std::vector<float>> takes_;
};

std::uint64_t TakeKey(int kind, int note, int variant, int flag = 0) {
    return (static_cast<std::uint64_t>(kind) << 40) | (static_cast<std::uint64_t>(note & 0xFFFF) << 16) |
           (static_cast<std::uint64_t>(variant & 0xFF) << 8) | static_cast<std::uint64_t>(flag & 0xFF);
}

SoundBuffer RenderSong(const Song& song) {
    const double beat = 60.0 / song.bpm, bar = beat * 4, eighth = beat / 2;
    SoundBuffer mix(2);
    SynthRandom rng(song.seed);
    TakeCache cache;
    const auto kick = Kick();
    const std::uint32_t seed = song.seed;
    auto chord = [&](int root, double length, double drive, bool muted, int take) -> const std::vector<float>& {
        return cache.Get(TakeKey(1, root, take % 4, (muted ? 1 : 0) | (length > beat ? 2 : 0)), [&] {
            return PowerChord(root, length, drive, muted, seed + static_cast<std::uint32_t>(take % 4) * 7 + (muted ? 100 : 0));
        });
    };
    auto bass = [&](int midi, int take) -> const std::vector<float>& {
        return cache.Get(TakeKey(2, midi, take % 3), [&] { return BassNote(midi, eighth * 0.95, seed + 1000u + static_cast<std::uint32_t>(take % 3)); });
    };
    auto snare = [&](int take) -> const std::vector<float>& {
        return cache.Get(TakeKey(3, 0, take % 4), [&] { return Snare(seed + static_cast<std::uint32_t>(take % 4)); });
    };
    auto hat = [&](int take, bool open) -> const std::vector<float>& {
        return cache.Get(TakeKey(4, 0, take % 6, open ? 1 : 0), [&] { return HiHat(seed + 50u + static_cast<std::uint32_t>(take % 6), open); });
    };
    // Lead phrase: two bars of notes, repeated with variation in the choruses.
    std::vector<int> phrase;
    for (int i = 0; i < 8; ++i) phrase.push_back(static_cast<int>(rng.Uniform() * 7) + 2);
    for (int b = 0; b < song.bars; ++b) {
        const double t0 = b * bar;
        const int section = (b / 8) % 4;  // 0 intro/verse, 1 chorus, 2 verse, 3 chorus
        const bool chorus = section % 2 == 1 && b >= 4;
        const bool intro = b < 4;
        const bool last = b == song.bars - 1;
        const int root = song.key + song.progression[static_cast<std::size_t>(b) % song.progression.size()];
        if (last) {
            // Final bar: one big ringing chord with a crash.
            mix.Add(PowerChord(root + 12, bar * 1.5, 7, false, song.seed + 900), t0, 0.55, -0.4);
            mix.Add(PowerChord(root + 12, bar * 1.5, 7, false, song.seed + 901), t0 + 0.01, 0.55, 0.4);
            mix.Add(BassNote(root, bar * 1.5, song.seed + 902), t0, 0.8);
            mix.Add(Cymbal(song.seed + 903, bar * 1.5), t0, 0.35, 0.3);
            mix.Add(kick, t0, 0.9);
            continue;
        }
        // Drums.
        for (int e = 0; e < 8; ++e) {
            const double t = t0 + e * eighth;
            const bool kickHit = e == 0 || e == 4 || (e == 5 && b % 2 == 1) || (chorus && e == 3);
            if (kickHit) mix.Add(kick, t, 0.9);
            if (!intro || b >= 2) {
                if (e == 2 || e == 6) mix.Add(snare(b * 2 + e / 4), t, 0.55, 0.05);
                mix.Add(hat(b * 8 + e, chorus && e % 2 == 1), t, e % 2 ? 0.12 : 0.2, 0.35);
            }
        }
        if (b % 8 == 0) mix.Add(Cymbal(song.seed + static_cast<std::uint32_t>(b), 2.0), t0, 0.3, -0.3);
        if (b % 8 == 7) {  // a tom fill into the next section
            for (int i = 0; i < 4; ++i) mix.Add(Tom(160 - 25 * i), t0 + 2 * beat + i * eighth, 0.5, 0.4 - 0.25 * i);
        }
        // Rhythm guitars, double-tracked and panned apart: chugging eighths in verses, held chords in choruses.
        for (int side = -1; side <= 1; side += 2) {
            const int take = b + side + 1;
            if (chorus) {
                mix.Add(chord(root + 12, beat * 2, 8, false, take), t0 + 0.004 * (side + 1), 0.32, 0.7 * side);
                mix.Add(chord(root + 12, beat * 2, 8, false, take + 1), t0 + beat * 2 + 0.004 * (side + 1), 0.32,
                        0.7 * side);
            } else {
                for (int e = 0; e < 8; ++e)
                    mix.Add(chord(root + 12, eighth * 1.05, 7, e != 0 && e != 3, take + e), t0 + e * eighth, 0.3,
                            0.7 * side);
            }
        }
        // Bass follows the roots in eighths.
        for (int e = 0; e < 8; ++e)
            mix.Add(bass(root - 12 + (e == 7 ? 7 : 0), b + e), t0 + e * eighth, 0.55);
        // Organ pad under the choruses.
        if (chorus) mix.Add(OrganChord({root + 24, root + 31, root + 36}, bar), t0, 0.12, -0.2);
        // Lead: in choruses and the second half of verses.
        if (chorus || (!intro && b % 8 >= 4)) {
            const int start = (b % 2) * 4;
            for (int i = 0; i < 4; ++i) {
                int step = phrase[static_cast<std::size_t>(start + i)] + (chorus ? 2 : 0);
                step = std::clamp(step, 0, 10);
                const int note = song.key + 36 + kPentatonic[step];
                const double length = (i == 3 ? beat * 1.8 : beat * 0.95);
                if (chorus) mix.Add(SynthLead(note, length, 1.0), t0 + i * beat, 0.2, 0.15);
                else mix.Add(SaxNote(note - 12, length, song.seed + static_cast<std::uint32_t>(b * 4 + i)), t0 + i * beat,
                             0.22, -0.15);
            }
        }
    }
    FadeOut(mix, 0.5);
    return mix;
}

Song MakeSong(int bpm, int key, std::vector<int> progression, std::uint32_t seed) {
    const double bar = 240.0 / bpm;
    // At least 62 seconds, whole eight-bar sections plus the closing bar.
    int bars = static_cast<int>(std::ceil(62.0 / bar));
    bars = ((bars + 7) / 8) * 8 + 1;
    return {bpm, key, std::move(progression), seed, bars};
}

// ---- crowds ----

SoundBuffer Crowd(double seconds, int voices, int claps, double booShare, std::uint32_t seed) {
    SynthRandom rng(seed);
    SoundBuffer mix(1);
    mix.Add(NoiseBurst(seconds, 0.3, 0.0, 300, 2500, seed), 0, 0.15);  // the room's murmur
    for (int i = 0; i < voices; ++i) {
        const bool boo = rng.Uniform() < booShare;
        const double start = rng.Range(0, seconds * 0.35);
        const double length = rng.Range(0.8, seconds - start);
        const double pitch = boo ? rng.Range(45, 55) : rng.Range(55, 72);
        const double glide = boo ? -rng.Range(2, 5) : rng.Range(-3, 4);
        const int vowel = boo ? 2 : static_cast<int>(rng.Uniform() * 2) * 3;  // "oo", else "ah" or "eh"
        mix.Add(Voice(pitch, pitch + glide, length, vowel, 0.35, seed + static_cast<std::uint32_t>(i)), start,
                rng.Range(0.05, 0.12));
    }
    for (int i = 0; i < claps; ++i)
        mix.Add(Clap(seed + 5000u + static_cast<std::uint32_t>(i)), rng.Range(0, seconds - 0.3), rng.Range(0.1, 0.3));
    mix.samples.resize(static_cast<std::size_t>(seconds * kSampleRate));
    FadeOut(mix, seconds * 0.3);
    return mix;
}

SoundBuffer Applause(double seconds, int people, std::uint32_t seed) {
    SynthRandom rng(seed);
    SoundBuffer mix(1);
    for (int p = 0; p < people; ++p) {
        const double rate = rng.Range(3.0, 5.5);
        for (double t = rng.Range(0, 0.3); t < seconds - 0.2; t += 1.0 / rate * rng.Range(0.9, 1.1))
            mix.Add(Clap(seed + static_cast<std::uint32_t>(p * 997 + static_cast<int>(t * 100))), t, rng.Range(0.1, 0.25));
    }
    mix.samples.resize(static_cast<std::size_t>(seconds * kSampleRate));
    FadeOut(mix, seconds * 0.4);
    return mix;
}

// ---- interface and game effects ----

SoundBuffer Click() {
    SoundBuffer b(1);
    b.Add(NoiseBurst(0.03, 0.0003, 200, 2000, 0, 1), 0, 0.6);
    b.Add(Bell(1900, 0.06), 0, 0.3);
    return b;
}

SoundBuffer Mouseover() {
    SoundBuffer b(1);
    b.Add(Bell(2600, 0.08), 0, 0.4);
    return b;
}

SoundBuffer Cash() {
    SoundBuffer b(1);
    b.Add(NoiseBurst(0.12, 0.001, 40, 300, 4000, 3), 0, 0.7);  // the drawer's clank
    b.Add(Bell(2093, 1.0), 0.08, 0.5);
    b.Add(Bell(2637, 1.0), 0.11, 0.4);
    return b;
}

SoundBuffer Error() {
    SoundBuffer b(1);
    for (int i = 0; i < 2; ++i) {
        auto tone = OrganChord({45 - i * 3, 46 - i * 3}, 0.16);
        for (float& s : tone) s = std::tanh(s * 4.0f);
        b.Add(tone, i * 0.18, 0.5);
    }
    return b;
}

SoundBuffer Sigh(bool male) {
    SoundBuffer b(1);
    b.Add(NoiseBurst(1.3, 0.15, 2.2, 250, 2500, 7), 0, 0.5);  // breath
    b.Add(Voice(male ? 47 : 59, male ? 41 : 53, 1.1, 1, 0.6, 8), 0.1, 0.6);
    return b;
}

SoundBuffer Ahh() {
    SoundBuffer b(1);
    const int notes[] = {52, 56, 59, 64, 47};
    for (int i = 0; i < 5; ++i) b.Add(Voice(notes[i], notes[i] - 0.3, 2.2, 0, 0.25, 30u + static_cast<std::uint32_t>(i)), 0.02 * i, 0.3);
    return b;
}

SoundBuffer SmashGuitar() {
    SoundBuffer b(1);
    b.Add(PowerChord(40, 0.5, 9, false, 11), 0, 0.6);
    b.Add(NoiseBurst(0.8, 0.001, 6, 150, 6000, 12), 0.45, 0.9);  // the body splinters
    b.Add(Kick(0.4), 0.45, 0.8);
    for (int i = 0; i < 5; ++i) b.Add(PluckedString(NoteFrequency(52 + i * 5) * 1.03, 1.2, 1.0, 13u + static_cast<std::uint32_t>(i)), 0.47 + 0.03 * i, 0.25);
    return b;
}

SoundBuffer Pyro(bool echo) {
    SoundBuffer b(1);
    const double low = echo ? 900 : 3500;
    const int repeats = echo ? 4 : 1;
    for (int i = 0; i < repeats; ++i) {
        const double start = echo ? 0.25 + 0.35 * i : 0;
        const double gain = echo ? 0.6 * std::pow(0.6, i) : 1.0;
        b.Add(NoiseBurst(2.0, 0.003, 3.0, 30, low, 40u + static_cast<std::uint32_t>(i)), start, gain);
        b.Add(Kick(0.8), start, gain * 0.9);
    }
    return b;
}

SoundBuffer Paper(bool grab) {
    SoundBuffer b(1);
    if (grab) {
        b.Add(NoiseBurst(0.09, 0.01, 30, 2500, 9000, 50), 0, 0.6);
        b.Add(NoiseBurst(0.06, 0.005, 40, 3000, 0, 51), 0.05, 0.4);
    } else {
        b.Add(NoiseBurst(0.07, 0.001, 60, 100, 1500, 52), 0, 0.8);
        b.Add(Tom(220, 0.08), 0, 0.3);
    }
    return b;
}

SoundBuffer Chime(const std::vector<int>& notes, double step, double tail) {
    SoundBuffer b(1);
    for (std::size_t i = 0; i < notes.size(); ++i)
        b.Add(Bell(NoteFrequency(notes[i]), tail), static_cast<double>(i) * step, 0.4);
    return b;
}

SoundBuffer Fanfare(int level) {
    SoundBuffer b(2);
    const std::vector<int> notes = {64, 67, 71, 76, 79};
    const int count = 2 + level;
    for (int i = 0; i < count; ++i) b.Add(SynthLead(notes[static_cast<std::size_t>(i)], i == count - 1 ? 0.6 : 0.12, 0.5), i * 0.11, 0.35);
    if (level >= 1) b.Add(Cymbal(70, 1.2), (count - 1) * 0.11, 0.2, 0.3);
    if (level >= 2) b.Add(PowerChord(40, 1.0, 6, false, 71), (count - 1) * 0.11, 0.35, -0.3);
    return b;
}

SoundBuffer RehearsalJam() {
    Song jam = MakeSong(126, 40, {0, 0, 5, 7}, 600);
    jam.bars = 5;
    return RenderSong(jam);
}

// End-of-gig chord parts: all in E so any combination rings together.
SoundBuffer EogPart(int part) {
    SoundBuffer b(2);
    switch (part) {
        case 0:  // base: drums and bass
            b.Add(Kick(0.6), 0, 1.0);
            b.Add(Cymbal(80, 3.5), 0, 0.5, -0.3);
            b.Add(Cymbal(81, 3.5), 0.01, 0.5, 0.3);
            b.Add(BassNote(28, 3.5, 82), 0, 0.9);
            for (int i = 0; i < 6; ++i) b.Add(Tom(150 - 15 * i), i * 0.07, 0.4, -0.5 + 0.2 * i);
            break;
        case 1:  // guitar
            b.Add(PowerChord(40, 3.5, 8, false, 83), 0, 0.5, -0.5);
            b.Add(PowerChord(40, 3.5, 8, false, 84), 0.008, 0.5, 0.5);
            break;
        case 2: b.Add(SaxNote(64, 3.0, 85), 0, 0.6); break;
        case 3: b.Add(OrganChord({52, 59, 64, 68}, 3.2), 0, 0.5); break;
        case 4: b.Add(Voice(52, 49, 2.4, 3, 0.15, 86), 0, 0.8); break;   // man: "yeah"
        default: b.Add(Voice(64, 61, 2.4, 3, 0.15, 87), 0, 0.8); break;  // woman
    }
    return b;
}

// ---- instrument sample banks and practice notes ----

SoundBuffer InstrumentSample(int instrument, int index) {
    const std::uint32_t seed = 700u + static_cast<std::uint32_t>(instrument * 10 + index);
    SoundBuffer b(1);
    const int riffs[4][6] = {{0, 3, 5, 7, 5, 3}, {0, 7, 10, 12, 10, 7}, {0, 0, 3, 0, 5, 3}, {12, 10, 7, 5, 3, 0}};
    const int* riff = riffs[index % 4];
    switch (instrument) {
        case 0:  // guitar
            for (int i = 0; i < 6; ++i) b.Add(PowerChord(40 + riff[i], 0.3, 7, i % 2 == 1, seed + static_cast<std::uint32_t>(i)), i * 0.22, 0.6);
            break;
        case 1:  // bass
            for (int i = 0; i < 6; ++i) b.Add(BassNote(28 + riff[i], 0.24, seed + static_cast<std::uint32_t>(i)), i * 0.22, 0.8);
            break;
        case 2:  // drums: a groove and a fill
            for (int e = 0; e < 8; ++e) {
                if (e % 4 == 0 || (index % 2 && e == 5)) b.Add(Kick(), e * 0.2, 0.9);
                if (e % 4 == 2) b.Add(Snare(seed + static_cast<std::uint32_t>(e)), e * 0.2, 0.6);
                b.Add(HiHat(seed + 50u + static_cast<std::uint32_t>(e), false), e * 0.2, 0.2);
            }
            for (int i = 0; i < 4; ++i) b.Add(Tom(170 - 20 * i - 5 * index), 1.6 + i * 0.1, 0.5);
            b.Add(Cymbal(seed, 1.5), 2.0, 0.4);
            break;
        case 3: {  // keyboard
            const int roots[4] = {52, 57, 55, 59};
            for (int i = 0; i < 3; ++i) {
                const int r = roots[(index + i) % 4];
                b.Add(OrganChord({r, r + 4, r + 7}, 0.6), i * 0.6, 0.6);
            }
            break;
        }
        case 4:  // saxophone
            for (int i = 0; i < 5; ++i) b.Add(SaxNote(64 + riff[i], i == 4 ? 0.8 : 0.28, seed + static_cast<std::uint32_t>(i)), i * 0.3, 0.6);
            break;
        default:  // vocals
            for (int i = 0; i < 3; ++i)
                b.Add(Voice(57 + riff[i] + index % 2 * 5, 57 + riff[i + 1] + index % 2 * 5, 0.6, (index + i) % 4, 0.1,
                            seed + static_cast<std::uint32_t>(i)),
                      i * 0.55, 0.7);
            break;
    }
    return b;
}

SoundBuffer PracticeNote(int set, int note) {
    const int pitches[5] = {52, 55, 57, 59, 62};
    const std::uint32_t seed = 800u + static_cast<std::uint32_t>(set * 10 + note);
    SoundBuffer b(1);
    switch (set) {
        case 0: b.Add(OrganChord({pitches[note] + 12}, 0.45), 0, 0.7); break;
        case 1: b.Add(PluckedString(NoteFrequency(pitches[note]), 0.7, 0.7, seed), 0, 0.7); break;
        case 2: b.Add(BassNote(pitches[note] - 12, 0.6, seed), 0, 0.8); break;
        case 3: {
            const std::vector<float> hits[5] = {Kick(), Snare(seed), HiHat(seed, true), Tom(150), Cymbal(seed, 1.0)};
            b.Add(hits[note], 0, 0.8);
            break;
        }
        case 4: b.Add(SaxNote(pitches[note] + 12, 0.5, seed), 0, 0.7); break;
        case 6: b.Add(OrganChord({pitches[note], pitches[note] + 12}, 0.6), 0, 0.7); break;  // held, an octave down
        default: b.Add(Voice(pitches[note] + 5, pitches[note] + 5, 0.6, 0, 0.1, seed), 0, 0.7); break;
    }
    return b;
}

}  // namespace

std::vector<SoundRule> SoundRules() {
    std::vector<SoundRule> r;
    auto add = [&r](const std::string& path, std::function<SoundBuffer()> make, double loudness) {
        r.push_back({"sounds/" + path, std::move(make), loudness});
    };
    // Music first: the longest jobs start first on the worker threads.
    add("music/titlemusic.ogg", [] { return RenderSong(MakeSong(120, 40, {0, 0, 5, 3, 0, 0, 7, 5}, 11)); }, 0.16);
    add("music/verse1.ogg", [] { return RenderSong(MakeSong(132, 45, {0, 3, 5, 3}, 22)); }, 0.16);
    add("music/verse2.ogg", [] { return RenderSong(MakeSong(112, 38, {0, 5, 7, 5, 0, 10, 7, 5}, 33)); }, 0.16);

    add("click.ogg", Click, 0.08);
    add("mouseover.ogg", Mouseover, 0.05);
    add("cash.ogg", Cash, 0.12);
    add("error.ogg", Error, 0.12);
    add("male_sigh.ogg", [] { return Sigh(true); }, 0.12);
    add("ahh.ogg", Ahh, 0.12);
    add("smash_guitar.ogg", SmashGuitar, 0.16);
    add("pyro.ogg", [] { return Pyro(false); }, 0.16);
    add("pyro_echo.ogg", [] { return Pyro(true); }, 0.1);
    add("postit_grab.ogg", [] { return Paper(true); }, 0.08);
    add("postit_place.ogg", [] { return Paper(false); }, 0.08);
    add("song_match_0.ogg", [] { return Chime({72, 76, 79}, 0.07, 0.8); }, 0.1);
    add("song_match_1.ogg", [] { return Chime({74, 79, 83}, 0.07, 0.8); }, 0.1);
    add("song_match_2.ogg", [] { return Chime({76, 79, 84, 88}, 0.06, 0.9); }, 0.1);
    for (int i = 0; i < 3; ++i)
        add("practice/correct_" + std::to_string(i) + ".ogg", [i] { return Fanfare(i); }, 0.12);
    add("rehearsal.ogg", RehearsalJam, 0.14);
    add("crowd_large_cheers.ogg", [] { return Crowd(5.0, 70, 80, 0.0, 901); }, 0.15);
    add("crowd_small_cheer.ogg", [] { return Crowd(3.0, 14, 20, 0.0, 902); }, 0.12);
    add("crowd_small_cheer2.ogg", [] { return Crowd(3.0, 16, 12, 0.0, 903); }, 0.12);
    add("crowd_small_boo2.ogg", [] { return Crowd(3.0, 16, 0, 1.0, 904); }, 0.12);
    add("crowd_small_clap.ogg", [] { return Applause(3.0, 10, 905); }, 0.12);
    add("crowd_small_clap2.ogg", [] { return Applause(3.0, 6, 906); }, 0.12);
    const char* eog[] = {"EOG_BASE", "EOG_GTR", "EOG_SAX", "EOG_SYNTH", "EOG_MAN", "EOG_WOMAN"};
    for (int i = 0; i < 6; ++i) add(std::string(eog[i]) + ".ogg", [i] { return EogPart(i); }, 0.12);

    const char* banks[] = {"guitar", "bass", "drums", "keyboard", "saxophone", "vocals"};
    for (int i = 0; i < 6; ++i)
        for (int k = 0; k < 4; ++k)
            add("instruments/" + std::string(banks[i]) + "/" + banks[i] + "_" + std::to_string(k + 1) + ".ogg",
                [i, k] { return InstrumentSample(i, k); }, 0.13);
    const char* sets[] = {"piano", "guitar", "bass", "drums", "saxophone", "vocals", "organ"};
    for (int s = 0; s < 7; ++s)
        for (int n = 0; n < 5; ++n)
            add("practice/" + std::string(sets[s]) + "/note_" + std::to_string(n) + ".ogg",
                [s, n] { return PracticeNote(s, n); }, 0.12);
    return r;
}

bool MakeSounds(const std::vector<SoundRule>& rules, const std::string& dataDir, int workers) {
    std::atomic<std::size_t> next{0};
    std::atomic<bool> ok{true};
    auto work = [&]() {
        for (std::size_t i = next++; i < rules.size(); i = next++) {
            SoundBuffer sound = rules[i].make();
            Normalise(sound, rules[i].loudness);
            const bool music = rules[i].path.find("/music/") != std::string::npos;
            if (!WriteOgg(dataDir + "/" + rules[i].path, sound, music ? 0.3f : 0.4f)) {
                std::fprintf(stderr, "artgen: cannot write %s/%s\n", dataDir.c_str(), rules[i].path.c_str());
                ok = false;
            }
        }
    };
    std::vector<std::thread> threads;
    for (int i = 1; i < workers; ++i) threads.emplace_back(work);
    work();
    for (std::thread& t : threads) t.join();
    return ok;
}
