// A folder of its own for each fuzzing process, where the readers that take
// a path find the bytes under test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The scratch folder, ending in "/".
const std::string& ScratchFolder();
// Writes `data` to `name` in the scratch folder and returns its path.
std::string WriteScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size);
// Stops the run at once when a reader breaks its promise.
void Require(bool condition, const char* what);
