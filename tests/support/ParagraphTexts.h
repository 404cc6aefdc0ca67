#pragma once
// The texts of a document's paragraphs, for comparing a roster line by line.

#include <string>
#include <vector>

#include "RosterDocument.h"

namespace dutywise::testing {

inline std::vector<std::string> Texts(const std::vector<Paragraph>& paragraphs) {
    std::vector<std::string> texts;
    texts.reserve(paragraphs.size());
    for (const Paragraph& p : paragraphs)
        texts.push_back(p.Text());
    return texts;
}

inline std::vector<std::string> Texts(const RosterDocument& doc) {
    return Texts(doc.Paragraphs());
}

} // namespace dutywise::testing
