// Replacing a file's contents all at once: the old contents stay until the new ones are
// complete on disk.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace ninefold {

// Empty text on success, otherwise the reason; on failure the target is untouched. A file the
// user may not write is never replaced; links are followed to the file they name. Only where
// the folder takes no new files is an existing, writable target written in place.
std::string WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> data);

}  // namespace ninefold
