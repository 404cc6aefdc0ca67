#pragma once
// Replacing a file so that a failure never destroys what was there.

#include <optional>
#include <string>
#include <string_view>

#include "EngineMessage.h"

namespace dutywise {

// Writes the bytes to a temporary file in the target's folder, flushes it to disk and renames it
// over the target. On failure the temporary file is removed, an existing target is left as it
// was, and the result is a refusal that names the target and gives the system's reason.
// - An existing target keeps its permission bits, owner and group; one its user may not write
//   is refused.
// - A symbolic link is followed, not replaced; a dangling one gets the file it points at. As the
//   kernel does, a link in a sticky folder that everyone may write is followed only when it
//   belongs to the user or to the folder's owner, else the save is refused.
// - As the kernel's protection of shared folders does, another user's file in a sticky folder
//   that everyone or a group may write is refused, unless the folder's owner owns it.
// - A save larger than the process may write (ulimit -f) is refused before anything is written.
// - A folder, pipe, device or socket is refused and never opened.
// - An existing target is rewritten in place, keeping its identity, where it has other hard
//   links, where a new file could not be given its owner or group, and where the folder refuses
//   a new file or a sticky folder refuses the rename. The space is reserved first, so that a
//   full disk fails before anything changed; a save killed part-way leaves the new bytes up to
//   where it stopped and the old ones after them (no old copy survives), never an empty file.
// - Temporary files of this name left by a save that was killed are removed first.
std::optional<EngineMessage> WriteFileAtomically(const std::string& path, std::string_view bytes);

// For tests: from now on a write reaching this offset of a file fails with EIO, as a disk that
// fails part-way does; nothing restores normal writing.
void FailWritesAtForTesting(std::optional<std::size_t> offset);

} // namespace dutywise
