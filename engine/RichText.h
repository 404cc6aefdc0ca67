#pragma once
// The roster as Rich Text (RTF): the one output format the program writes.

#include <string>
#include <string_view>
#include <vector>

#include "RosterDocument.h"

namespace dutywise {

// The whole document as RTF bytes. The same paragraphs always give the same bytes.
//
// - The header names the writer, {\*\generator Dutywise VERSION;}.
// - Font, size, bold and italic are also written as the associated properties of right-to-left
//   and CJK text (\rtlch, \dbch, \loch with \af, \afs, \ab, \ai), which word processors
//   take for those scripts instead of the plain ones.
// - Fonts and colours are listed in order of first use; colour 0 is left empty, so that an
//   automatic colour is the reader's default text colour.
// - Sizes are held in twentieths of a point but RTF counts half-points: \fs is the nearest
//   half-point, halves rounded up (8.25 pt, the editor's default, is written as 8.5 pt).
// - Every paragraph, a blank one too, ends with \par: readers (AbiWord checked) then show
//   exactly as many paragraphs as the document holds; without the last \par a blank last
//   paragraph is lost. An empty document is written as one blank paragraph, since a reader
//   refuses a file without any.
// - A ';' in a font name is dropped: it would end the font table entry.
// - Text is ASCII-only: \, { and } are escaped, a tab is \tab, and every other character is
//   \uN? (two of them, a surrogate pair, beyond the basic plane). Bytes that are not valid
//   UTF-8 are written as U+FFFD, one per maximal invalid sequence.
std::string WriteRichText(const std::vector<Paragraph>& paragraphs);

// Decodes UTF-8 the way WriteRichText reads it, for callers that must predict what a reader
// will show: invalid sequences become U+FFFD.
std::u32string DecodeUtf8Lenient(std::string_view text);

} // namespace dutywise
