// A stable, readable text picture of a window tree: one line a window, children indented in
// order, with what a person sees (class, id, text, state). No handles or addresses, so the dump
// of the same tree is the same on every run.
#pragma once

#include <string>

#include "platform/core/WinTypes.h"

namespace winport {

std::string DumpWindowTree(HWND root);

}  // namespace winport
