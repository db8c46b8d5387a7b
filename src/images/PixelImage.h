#pragma once

// A decoded picture as the core keeps it: opaque pixels, row by row from the top, in memory that
// can be handed over as it is (to a screen image, or taken from a plug-in's block).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

namespace tintora {

// Pixels in memory from malloc, so that a block allocated elsewhere can be adopted and the
// memory handed on to whoever frees it with free.
class TPixelBuffer {
public:
    TPixelBuffer() = default;
    // Uninitialised pixels; std::bad_alloc when there is no memory.
    static TPixelBuffer Allocate(std::size_t count) {
        auto* memory = static_cast<std::uint32_t*>(std::malloc(count * sizeof(std::uint32_t)));
        if (memory == nullptr && count > 0) {
            throw std::bad_alloc();
        }
        return Adopt(memory, count);
    }
    // Takes a block from malloc holding at least `count` pixels.
    static TPixelBuffer Adopt(std::uint32_t* memory, std::size_t count) {
        TPixelBuffer buffer;
        buffer.memory_.reset(memory);
        buffer.size_ = memory == nullptr ? 0 : count;
        return buffer;
    }

    TPixelBuffer(TPixelBuffer&&) noexcept = default;
    TPixelBuffer& operator=(TPixelBuffer&&) noexcept = default;
    TPixelBuffer(const TPixelBuffer& other) : TPixelBuffer(Allocate(other.size_)) {
        if (size_ > 0) {
            std::memcpy(data(), other.data(), size_ * sizeof(std::uint32_t));
        }
    }
    TPixelBuffer& operator=(const TPixelBuffer& other) {
        if (this != &other) {
            *this = TPixelBuffer(other);
        }
        return *this;
    }

    std::uint32_t* data() { return memory_.get(); }
    const std::uint32_t* data() const { return memory_.get(); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::uint32_t operator[](std::size_t i) const { return memory_[i]; }

    // Gives up the memory; the caller frees it with free.
    std::uint32_t* Release() {
        size_ = 0;
        return memory_.release();
    }

private:
    struct TFree {
        void operator()(std::uint32_t* memory) const { std::free(memory); }
    };
    std::unique_ptr<std::uint32_t[], TFree> memory_;
    std::size_t size_ = 0;
};

struct TPixelImage {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    // Width × Height pixels, each 0xFFRRGGBB (alpha always opaque), the layout of a 32-bit
    // screen image on a little-endian machine.
    TPixelBuffer Pixels;

    bool Empty() const { return Pixels.empty(); }
    std::uint32_t Pixel(std::int32_t x, std::int32_t y) const {
        return Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) +
                      static_cast<std::size_t>(x)];
    }
};

} // namespace tintora
