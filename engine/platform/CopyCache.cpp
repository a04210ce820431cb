#include "CopyCache.h"

SDL_Texture* GCopyCache::Find(SDL_Renderer* renderer, const Key& key) {
    Entry& entry = entries_[key];
    if (entry.lastFrame + 1 == frame_) ++entry.steadyFrames;
    else if (entry.lastFrame != frame_) entry.steadyFrames = 1;
    entry.lastFrame = frame_;
    if (entry.copy || entry.steadyFrames < kSteadyFrames) return entry.copy;
    const std::size_t size = static_cast<std::size_t>(key.width) * static_cast<std::size_t>(key.height);
    if (pixels_ + size > kMostPixels) return nullptr;
    entry.copy = Make(renderer, key);
    if (entry.copy) pixels_ += size;
    return entry.copy;
}

SDL_Texture* GCopyCache::Make(SDL_Renderer* renderer, const Key& key) {
    SDL_Texture* copy = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, key.width, key.height);
    if (!copy) return nullptr;
    SDL_Texture* target = SDL_GetRenderTarget(renderer);
    if (SDL_SetRenderTarget(renderer, copy) != 0) {
        SDL_DestroyTexture(copy);
        return nullptr;
    }
    // A blended draw's copy takes the tinted texels, alpha and all, as the draw would have
    // blended them. An added one is added onto opaque black, which leaves each colour times
    // its alpha, as the draw would have added it, and the alpha full.
    if (key.additive) {
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
    }
    SDL_SetTextureBlendMode(key.source, key.additive ? SDL_BLENDMODE_ADD : SDL_BLENDMODE_NONE);
    SDL_SetTextureColorMod(key.source, (key.argb >> 16) & 0xFF, (key.argb >> 8) & 0xFF, key.argb & 0xFF);
    SDL_SetTextureAlphaMod(key.source, key.argb >> 24);
    const bool drawn = SDL_RenderCopy(renderer, key.source, &key.part, nullptr) == 0;
    SDL_SetRenderTarget(renderer, target);
    if (!drawn) {
        SDL_DestroyTexture(copy);
        return nullptr;
    }
    return copy;
}

void GCopyCache::EndFrame() {
    for (auto it = entries_.begin(); it != entries_.end();) {
        // A draw never copied is only remembered until the next frame has had its chance to ask.
        const std::uint64_t keep = it->second.copy ? kKeepFrames : 1;
        if (it->second.lastFrame + keep >= frame_) {
            ++it;
            continue;
        }
        if (it->second.copy) {
            SDL_DestroyTexture(it->second.copy);
            pixels_ -= static_cast<std::size_t>(it->first.width) * static_cast<std::size_t>(it->first.height);
        }
        it = entries_.erase(it);
    }
    ++frame_;
}

void GCopyCache::Clear() {
    for (auto& [key, entry] : entries_)
        if (entry.copy) SDL_DestroyTexture(entry.copy);
    entries_.clear();
    pixels_ = 0;
}

std::size_t GCopyCache::Copies() const {
    std::size_t made = 0;
    for (const auto& [key, entry] : entries_) made += entry.copy != nullptr;
    return made;
}
