// Read-only registry. Values live in a text file in the form of a Windows
// .reg export, "ZEM/Fiscova.reg" in the XDG configuration folders: the
// system folders are read first, the user's folder last, so the user's
// value wins. The set-up writes the file; the program only reads it.
#pragma once

#include <string>

namespace platform {

// The default (unnamed) value of `key`, e.g. key
// "HKEY_LOCAL_MACHINE\SOFTWARE\ZEM\Fiscova\cd". The query fails, like a
// registry query into a buffer of `bufferSize` bytes, when the key or value
// is missing or when the value and its terminating zero do not fit.
bool RegQueryDefaultValue(const std::string& key, std::string& value, std::size_t bufferSize);

// The registry file, relative to each configuration folder.
std::string RegistryFileName();

} // namespace platform
