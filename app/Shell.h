#pragma once
// The shell's open service: starts a program on a parameter and does not wait for it.

#include <cstddef>
#include <string>

// The launch buffers hold at most this many characters, the terminating zero included.
inline constexpr std::size_t kLaunchBufferSize = 80;

// Starts `file` with `params` as its one argument in the working directory `dir` (empty: the
// current one). POSIX form of the Windows call: '\' becomes '/', and a trailing ".exe" is dropped
// when no such file exists. `show` (1: show normally) is left to the started program's window.
// A value too long for the launch buffers is refused, and a program that cannot be started is
// reported, each in a message box; nothing else is learnt about the started program.
void ShellExecute(const std::string& file, const std::string& params, const std::string& dir,
                  int show);
