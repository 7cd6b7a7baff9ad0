// Keeps a top-level window's place between runs: its rectangle is saved under a registry key of
// the current user and put back the next time the window opens, on the screen as it is then.
#pragma once

#include <string>

#include "platform/core/WinTypes.h"

class MCWindowLayout {
public:
    // What Restore puts back: a dialog of fixed size takes its place only.
    enum class Restoring { Position, PositionAndSize };

    // |keyPath| is below HKEY_CURRENT_USER, such as "Software\\Brightelm\\NUV\\Windows\\Details".
    explicit MCWindowLayout(std::string keyPath);

    // Writes the screen rectangle of |window| as the values "Left", "Top", "Width" and "Height".
    // False when |window| is not a top-level window or the key cannot be written.
    bool Save(HWND window) const;

    // Moves |window| to the saved place (and size), shifted so that it lies on the screen and
    // cut to the screen's size if it is larger. False, leaving the window where it is, when
    // |window| is not a top-level window or no complete rectangle is saved.
    bool Restore(HWND window, Restoring what) const;

private:
    std::string m_keyPath;
};
