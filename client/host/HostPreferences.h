// The host's preferences in the registry that the module reads.
#pragma once

namespace nuvclient {

// The title of the client's home-page factory window; a details window opened while a window
// with this title is shown comes to the top.
inline constexpr char kHomepageFactoryTitle[] = "NUV Homepage Factory";

// Writes the preferences under the current user's key. Throws std::runtime_error naming the
// key when the registry refuses.
void WriteHostPreferences();

}  // namespace nuvclient
