#include "DocumentTools.h"

#include "AtomicFile.h"
#include "RichText.h"

#include <algorithm>

namespace dutywise {

namespace {

// The whole style set is written back, so the selection's other flags become what
// GetStyleSet reported for it.
void Toggle(RosterDocument& doc, FontStyle flag) {
    const StyleSet s = doc.GetStyleSet();
    doc.SetStyleSet(s.Has(flag) ? s.Without(flag) : s.With(flag));
}

// Each format's extension; FormatOfName reads it the other way round.
constexpr struct {
    SaveFormat format;
    std::string_view extension;
} kFileTypes[] = {{SaveFormat::RichText, "rtf"}, {SaveFormat::Pdf, "pdf"}};

// The file name's extension without the dot: empty for none, for "roster." and for a name that
// only starts with a dot (".notes" is a hidden name, not an extension). Nothing for a folder.
std::optional<std::string_view> ExtensionOfName(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    const std::string_view name = path.substr(slash == std::string_view::npos ? 0 : slash + 1);
    if (name.empty())
        return std::nullopt;
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos || dot == 0 ? std::string_view() : name.substr(dot + 1);
}

} // namespace

std::string_view ExtensionOf(SaveFormat format) {
    for (const auto& type : kFileTypes)
        if (type.format == format)
            return type.extension;
    return kFileTypes[0].extension;
}

std::optional<SaveFormat> FormatOfName(std::string_view path) {
    const std::string_view extension = ExtensionOfName(path).value_or(std::string_view());
    for (const auto& type : kFileTypes) {
        if (extension.size() == type.extension.size() &&
            std::equal(extension.begin(), extension.end(), type.extension.begin(),
                       [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a + 32 : a) == b; }))
            return type.format;
    }
    return std::nullopt;
}

void ToggleBold(RosterDocument& doc) {
    Toggle(doc, FontStyle::Bold);
}
void ToggleItalic(RosterDocument& doc) {
    Toggle(doc, FontStyle::Italic);
}
void ToggleUnderline(RosterDocument& doc) {
    Toggle(doc, FontStyle::Underline);
}

void SetSelectionFont(RosterDocument& doc, const std::string& name) {
    doc.SetFontName(CutFontName(name));
}

void SetSelectionColor(RosterDocument& doc, Color color) {
    doc.SetColor(color);
}

// A typed "-5" or "0" reaches here before the size box corrects it; no document can carry
// such a size, so the nearest one it can carry is applied.
void SetSelectionSize(RosterDocument& doc, int points) {
    doc.SetFontSize(ClampPoints(points));
}

std::string WithDefaultExtension(const std::string& path, SaveFormat format) {
    const std::optional<std::string_view> extension = ExtensionOfName(path);
    if (!extension)
        return path; // a folder: the save then reports it
    if (!extension->empty())
        return path;
    return (path.back() == '.' ? path : path + ".") + std::string(ExtensionOf(format));
}

SaveResult SaveRoster(const RosterDocument& doc, const std::string& patrolName, SaveTarget& target,
                      PdfService& pdf, const RosterWords& words) {
    SaveResult result;
    const std::optional<SaveChoice> chosen = target.AskFileName();
    if (!chosen || chosen->path.empty())
        return result; // Cancelled: nothing written
    result.path = WithDefaultExtension(chosen->path, chosen->format);
    // "roster.pdf" is a PDF whatever file type the dialog showed.
    const SaveFormat format = FormatOfName(result.path).value_or(chosen->format);
    std::string bytes;
    if (format == SaveFormat::Pdf) {
        // Made whole in memory first: a writer that fails leaves nothing under the user's name.
        if (std::optional<std::string> error =
                pdf.MakePdf(doc.Paragraphs(), RosterJobTitle(patrolName, words), bytes)) {
            result.status = SaveResult::Status::Failed;
            result.refusal.code = MessageCode::SystemReason;
            result.refusal.action = FileAction::CreateFile;
            result.refusal.file = result.path;
            result.refusal.reason = std::move(*error);
            return result;
        }
    } else {
        bytes = WriteRichText(doc.Paragraphs());
    }
    if (std::optional<EngineMessage> error = WriteFileAtomically(result.path, bytes)) {
        result.status = SaveResult::Status::Failed;
        result.refusal = std::move(*error);
    } else {
        result.status = SaveResult::Status::Saved;
    }
    return result;
}

std::string RosterJobTitle(const std::string& patrolName, const RosterWords& words) {
    return FillIn(words.rosterTitle, {patrolName});
}

std::optional<std::string> PrintRoster(const RosterDocument& doc, const std::string& patrolName,
                                       PrintService& printer, const RosterWords& words) {
    return printer.Print(doc.Paragraphs(), RosterJobTitle(patrolName, words));
}

} // namespace dutywise
