#pragma once
// Ready-made copies for the software renderer. It blends an unscaled, untinted copy several
// times faster than one it must stretch or tint on the way (a stretched one even goes through a
// fresh surface each time), so a draw asked for again frame after frame (a portrait, a light
// map, a tinted beam) is stretched and tinted once into a copy of its own, which then only
// needs the blend. Drawn, a copy gives what the direct draw gave to within a step or two of
// rounding in a channel.
#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <tuple>

class GCopyCache {
public:
    struct Key {
        SDL_Texture* source = nullptr;
        SDL_Rect part{};
        int width = 0, height = 0;
        std::uint32_t argb = 0xFFFFFFFF;  // the tint, alpha included
        // An added draw's copy holds its colours already weighed by their alpha, and is opaque:
        // the software renderer adds an opaque picture three times faster.
        bool additive = false;
        bool operator<(const Key& o) const {
            return std::tie(source, part.x, part.y, part.w, part.h, width, height, argb, additive) <
                   std::tie(o.source, o.part.x, o.part.y, o.part.w, o.part.h, o.width, o.height, o.argb, o.additive);
        }
    };

    // Copies no larger than this many pixels in all; what does not fit is drawn as it is.
    static constexpr std::size_t kMostPixels = 8u << 20;
    // A draw is copied once it has been asked for this many frames running: a particle that
    // fades and grows a little every frame is never the same draw for long.
    static constexpr int kSteadyFrames = 3;
    // A copy not drawn for this many frames is dropped.
    static constexpr std::uint64_t kKeepFrames = 25;

    ~GCopyCache() { Clear(); }
    // The ready copy for the draw once it is steady (made now if need be; the renderer draws
    // into its current target again afterwards); null when the draw should go as it is: not
    // steady yet, over the budget, or the copy could not be made.
    SDL_Texture* Find(SDL_Renderer* renderer, const Key& key);
    // Closes a frame: copies left undrawn too long are dropped.
    void EndFrame();
    void Clear();
    std::size_t Pixels() const { return pixels_; }
    std::size_t Copies() const;

private:
    struct Entry {
        SDL_Texture* copy = nullptr;
        std::uint64_t lastFrame = 0;
        int steadyFrames = 0;  // frames running it has been asked for
    };
    SDL_Texture* Make(SDL_Renderer* renderer, const Key& key);

    std::map<Key, Entry> entries_;
    std::size_t pixels_ = 0;
    std::uint64_t frame_ = 1;
};
