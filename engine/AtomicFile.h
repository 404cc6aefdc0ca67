#pragma once
// Replacing a file so that a failure never destroys what was there.

#include <optional>
#include <string>
#include <string_view>

namespace dutywise {

// Writes the bytes to a temporary file in the target's folder, flushes it to disk and renames it
// over the target. On failure the temporary file is removed, an existing target is left as it
// was, and the result is a message that names the target and gives the system's reason.
// - An existing target keeps its permission bits; one its user may not write is refused.
// - A symbolic link is followed, not replaced; a dangling one gets the file it points at.
// - A folder, pipe, device or socket is refused and never opened.
// - Where the folder refuses a new file, or a sticky folder refuses the rename, but the target
//   exists and may be written, it is rewritten in place (no old copy survives a failure
//   part-way).
// - Temporary files of this name left by a save that was killed are removed first.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes);

} // namespace dutywise
