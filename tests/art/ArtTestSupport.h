#pragma once
// Reading generated pictures and sounds back the way the game does.
#include <FreeImage.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

struct DecodedPicture {
    int width = 0;
    int height = 0;
    int bpp = 0;
    std::vector<unsigned char> rgba;  // top-down, straight alpha
};

inline bool DecodePicture(const std::string& path, DecodedPicture& out) {
    FREE_IMAGE_FORMAT fif = FreeImage_GetFileType(path.c_str(), 0);
    if (fif == FIF_UNKNOWN) return false;
    FIBITMAP* raw = FreeImage_Load(fif, path.c_str(), 0);
    if (!raw) return false;
    out.bpp = static_cast<int>(FreeImage_GetBPP(raw));
    FIBITMAP* dib = FreeImage_ConvertTo32Bits(raw);
    FreeImage_Unload(raw);
    if (!dib) return false;
    out.width = static_cast<int>(FreeImage_GetWidth(dib));
    out.height = static_cast<int>(FreeImage_GetHeight(dib));
    out.rgba.clear();
    for (int y = 0; y < out.height; ++y) {
        const BYTE* line = FreeImage_GetScanLine(dib, out.height - 1 - y);
        for (int x = 0; x < out.width; ++x) {
            const BYTE* px = line + x * 4;
            out.rgba.insert(out.rgba.end(), {px[FI_RGBA_RED], px[FI_RGBA_GREEN], px[FI_RGBA_BLUE], px[FI_RGBA_ALPHA]});
        }
    }
    FreeImage_Unload(dib);
    return true;
}

struct DecodedSound {
    int channels = 0;
    long rate = 0;
    double seconds = 0;
    double peak = 0;
    double rms = 0;
};

inline bool DecodeSound(const std::string& path, DecodedSound& out) {
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0) return false;
    const vorbis_info* info = ov_info(&file, -1);
    out.channels = info->channels;
    out.rate = info->rate;
    double sum = 0;
    long long count = 0;
    int section = 0;
    for (;;) {
        float** pcm = nullptr;
        const long frames = ov_read_float(&file, &pcm, 4096, &section);
        if (frames <= 0) break;
        for (int c = 0; c < out.channels; ++c)
            for (long i = 0; i < frames; ++i) {
                const double v = pcm[c][i];
                out.peak = std::max(out.peak, std::abs(v));
                sum += v * v;
            }
        count += frames;
    }
    ov_clear(&file);
    out.seconds = static_cast<double>(count) / static_cast<double>(out.rate);
    out.rms = count > 0 ? std::sqrt(sum / static_cast<double>(count * out.channels)) : 0;
    return count > 0;
}

// Finds a file by name anywhere below a folder, as the game's texture search does.
inline std::string FindByName(const std::string& root, const std::string& name) {
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(root, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        if (it->is_regular_file() && it->path().filename() == name) return it->path().string();
    return {};
}

// Fundamental frequency by normalised autocorrelation over 4096 samples from `from`: the
// shortest period that correlates almost as well as the best one, so octave-low answers lose.
inline double EstimatePitch(const std::vector<float>& s, std::size_t from, double lowHz, double highHz) {
    const auto minLag = static_cast<std::size_t>(44100 / highHz);
    const auto maxLag = static_cast<std::size_t>(44100 / lowHz);
    const std::size_t window = 4096;
    std::vector<double> score(maxLag + 2, -1.0);
    double best = -1.0;
    for (std::size_t lag = minLag; lag <= maxLag + 1 && from + window + lag <= s.size(); ++lag) {
        double cross = 0, a = 0, b = 0;
        for (std::size_t i = from; i < from + window; ++i) {
            cross += static_cast<double>(s[i]) * s[i + lag];
            a += static_cast<double>(s[i]) * s[i];
            b += static_cast<double>(s[i + lag]) * s[i + lag];
        }
        score[lag] = a > 0 && b > 0 ? cross / std::sqrt(a * b) : 0.0;
        best = std::max(best, score[lag]);
    }
    for (std::size_t lag = minLag + 1; lag <= maxLag; ++lag)
        if (score[lag] >= 0.9 * best && score[lag] >= score[lag - 1] && score[lag] >= score[lag + 1])
            return 44100.0 / static_cast<double>(lag);
    return 0.0;
}

// The first channel of an Ogg file as floats.
inline std::vector<float> DecodeFirstChannel(const std::string& path) {
    std::vector<float> out;
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0) return out;
    float** pcm = nullptr;
    int section = 0;
    long frames = 0;
    while ((frames = ov_read_float(&file, &pcm, 4096, &section)) > 0) out.insert(out.end(), pcm[0], pcm[0] + frames);
    ov_clear(&file);
    return out;
}
