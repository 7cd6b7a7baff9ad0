// Where the host keeps the preferences the module reads: a key under HKEY_CURRENT_USER and the
// names of its values.
#pragma once

// The key's path, in the two parts BCRegistryKey::ReadString takes.
inline constexpr char kHostPrefsPath[] = "Software\\Brightelm\\NUV\\";
inline constexpr char kHostPrefsKey[] = "DefaultPrefs";
// The whole path, for the registry calls that take one.
inline constexpr char kHostPrefsFullKey[] = "Software\\Brightelm\\NUV\\DefaultPrefs";
// The title of the host's homepage window, when one is open.
inline constexpr char kDispatcherValueName[] = "Homepage Factory Dispatcher";
