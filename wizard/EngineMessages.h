#pragma once
// The engine's file messages (a plan that cannot be read, a file that cannot be written) in
// the running language. The engine writes them in English from a small set of sentences; each
// is recognised here by its sentence and said again in the catalogue's words, with the file
// names, numbers and the system's reason kept as they were.

#include <QString>
#include <string>

namespace dutywise {

// The message in the installed language; a message of no known sentence stays as it is.
QString TranslateEngineMessage(const std::string& message);

} // namespace dutywise
