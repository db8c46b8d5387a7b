#include "images/LocalMemory.h"

#include <cstdlib>
#include <mutex>
#include <unordered_map>

namespace tintora {

namespace {

// Plug-ins may allocate from threads of their own; the table is shared by all of them.
struct TLiveBlocks {
    std::mutex Lock;
    std::unordered_map<void*, std::size_t> Sizes;
};

TLiveBlocks& LiveBlocks() {
    static TLiveBlocks blocks;
    return blocks;
}

std::size_t SizeOf(void* handle) {
    if (handle == nullptr) {
        return 0;
    }
    TLiveBlocks& blocks = LiveBlocks();
    const std::lock_guard guard(blocks.Lock);
    const auto found = blocks.Sizes.find(handle);
    return found == blocks.Sizes.end() ? 0 : found->second;
}

bool IsLive(void* handle) {
    TLiveBlocks& blocks = LiveBlocks();
    const std::lock_guard guard(blocks.Lock);
    return handle != nullptr && blocks.Sizes.contains(handle);
}

} // namespace

std::span<const std::uint8_t> LockedBytes(void* handle) {
    void* memory = LocalLock(handle);
    if (memory == nullptr) {
        return {};
    }
    return {static_cast<const std::uint8_t*>(memory), LocalSize(handle)};
}

void FreeLocalHandle(void* handle) {
    LocalFree(handle);
}

void* TakeLocalBlock(void* handle) {
    TLiveBlocks& blocks = LiveBlocks();
    const std::lock_guard guard(blocks.Lock);
    return handle != nullptr && blocks.Sizes.erase(handle) == 1 ? handle : nullptr;
}

} // namespace tintora

extern "C" {

void* LocalAlloc(std::uint32_t uFlags, std::size_t uBytes) {
    // A zero-byte block is still a distinct live handle.
    const std::size_t bytes = uBytes == 0 ? 1 : uBytes;
    void* block = (uFlags & LMEM_ZEROINIT) != 0 ? std::calloc(bytes, 1) : std::malloc(bytes);
    if (block == nullptr) {
        return nullptr;
    }
    tintora::TLiveBlocks& blocks = tintora::LiveBlocks();
    const std::lock_guard guard(blocks.Lock);
    blocks.Sizes[block] = uBytes;
    return block;
}

void* LocalLock(void* hMem) {
    return tintora::IsLive(hMem) ? hMem : nullptr;
}

std::int32_t LocalUnlock(void* /*hMem*/) {
    // Blocks never move, so there is no lock count to keep; 0 says the block is unlocked.
    return 0;
}

void* LocalFree(void* hMem) {
    if (hMem == nullptr) {
        return nullptr;
    }
    tintora::TLiveBlocks& blocks = tintora::LiveBlocks();
    {
        const std::lock_guard guard(blocks.Lock);
        if (blocks.Sizes.erase(hMem) == 0) {
            return hMem;
        }
    }
    std::free(hMem);
    return nullptr;
}

std::size_t LocalSize(void* hMem) {
    return tintora::SizeOf(hMem);
}

} // extern "C"
