#pragma once
// The engine's refusals (a plan that cannot be read, a file that cannot be written) in the
// running language: each code's sentence from the catalogue, with the file's name, the field,
// the value and the system's reason filled in as the refusal gives them.

#include <QString>

#include "EngineMessage.h"

namespace dutywise {

QString TranslateEngineMessage(const EngineMessage& message);

// The English sentence the catalogue holds for a code, %1 ... where its values go; nothing for
// the system's reason, which the system words itself.
const char* EngineMessageSource(MessageCode code);

} // namespace dutywise
