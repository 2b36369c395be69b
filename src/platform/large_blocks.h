#pragma once
// Where the program's large blocks of memory come from.

namespace platform {

// Gives every large block (128 KiB or more) its own mapping, returned to the system when it is
// freed. The C library on Linux (glibc) starts out so, but after the first large block is freed it
// carves the following ones, up to that one's size, out of the main heap instead, which only shrinks
// from its top: at start-up the blocks read or built once (a font table, a text being laid out) then
// leave holes that stay resident for as long as the window is open, about a third of a megabyte.
// Call first thing in main(). Elsewhere it does nothing.
void giveLargeBlocksBackWhenFreed();

} // namespace platform
