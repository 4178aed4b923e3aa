#pragma once

#include <cstdint>

namespace morvane::imaging {

// Largest picture any decoder accepts; a header that declares more is
// refused before a single pixel buffer is allocated.
inline constexpr int kMaxImageSide = 30000;
inline constexpr std::int64_t kMaxImagePixels = 300'000'000;

// Largest image file read into memory (an uncompressed 300-megapixel bitmap
// stays below it).
inline constexpr std::int64_t kMaxImageFileBytes = std::int64_t(1) << 30;

inline bool imageSizeAllowed(std::int64_t width, std::int64_t height)
{
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide
        && width * height <= kMaxImagePixels;
}

} // namespace morvane::imaging
