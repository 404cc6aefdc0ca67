#pragma once
// Saving the roster as Rich Text and printing it, through ports that the window implements.

#include <optional>
#include <string>
#include <vector>

#include "RosterDocument.h"

namespace dutywise {

// Asks the user for a file name. It proposes the name chosen last in this run (empty the first
// time) and remembers the one chosen now, whether or not the save then succeeds.
class SaveTarget {
public:
    virtual ~SaveTarget() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> AskFileName() = 0;
};

class PrintService {
public:
    virtual ~PrintService() = default;
    // Prints the paragraphs as one job under the title; the printing system's error text on
    // failure, nothing on success.
    virtual std::optional<std::string> Print(const std::vector<Paragraph>& paragraphs,
                                             const std::string& jobTitle) = 0;
};

} // namespace dutywise
