#pragma once

// The memory functions the program exports to plug-ins (declared in tintora/spi.h): blocks that a
// plug-in allocates and the program sizes, reads and frees. The program keeps a table of the live
// blocks, so a handle a plug-in invents or has already freed is recognised as none: locking it
// gives null, sizing it gives 0 and freeing it does nothing.

#include "tintora/spi.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace tintora {

// The block behind a handle as bytes; empty for null or for anything that is not a live block.
std::span<const std::uint8_t> LockedBytes(void* handle);

// Frees the handle if it is a live block; a null or unknown handle is left alone.
void FreeLocalHandle(void* handle);

// Takes a live block out of the table: the caller owns its memory from then on and frees it with
// free. Null for a null or unknown handle.
void* TakeLocalBlock(void* handle);

} // namespace tintora
