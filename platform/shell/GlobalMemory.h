// Global memory blocks (kernel32): fixed blocks whose handle is their address, moveable blocks
// with a lock count, every handle validated so that a freed or invented one fails cleanly.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "platform/core/WinTypes.h"

using SIZE_T = std::size_t;

inline constexpr UINT GMEM_FIXED = 0x0000;
inline constexpr UINT GMEM_MOVEABLE = 0x0002;
inline constexpr UINT GMEM_ZEROINIT = 0x0040;
inline constexpr UINT GMEM_MODIFY = 0x0080;
inline constexpr UINT GMEM_DISCARDABLE = 0x0100;
inline constexpr UINT GMEM_DDESHARE = 0x2000;
inline constexpr UINT GMEM_SHARE = GMEM_DDESHARE;
inline constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;
inline constexpr UINT GPTR = GMEM_FIXED | GMEM_ZEROINIT;
// GlobalFlags answers: the lock count in the low byte, and these bits.
inline constexpr UINT GMEM_LOCKCOUNT = 0x00FF;
inline constexpr UINT GMEM_DISCARDED = 0x4000;
inline constexpr UINT GMEM_INVALID_HANDLE = 0x8000;

// A GMEM_FIXED block of 0 bytes gets 1 byte; a GMEM_MOVEABLE one is created discarded.
HGLOBAL GlobalAlloc(UINT uFlags, SIZE_T dwBytes);
// Resizes a moveable block in place of its handle, relocates a fixed block only when uFlags has
// GMEM_MOVEABLE (the old handle is then gone), and with GMEM_MODIFY | GMEM_MOVEABLE turns a fixed
// block into a moveable one. Size 0 discards an unlocked moveable block.
HGLOBAL GlobalReAlloc(HGLOBAL hMem, SIZE_T dwBytes, UINT uFlags);
// Returns null on success, hMem itself on failure. Frees locked blocks too, as Windows does.
HGLOBAL GlobalFree(HGLOBAL hMem);
void* GlobalLock(HGLOBAL hMem);
BOOL GlobalUnlock(HGLOBAL hMem);
SIZE_T GlobalSize(HGLOBAL hMem);
UINT GlobalFlags(HGLOBAL hMem);

namespace winport {

// How many blocks are allocated and not yet freed, for leak tests.
std::size_t LiveGlobalBlocks();
// A copy of a block's bytes, leaving its lock count and the last error alone; nullopt for an
// invalid handle or a discarded block.
std::optional<std::vector<BYTE>> GlobalBlockContents(HGLOBAL hMem);

}  // namespace winport
