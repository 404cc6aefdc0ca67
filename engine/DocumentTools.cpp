#include "DocumentTools.h"

#include "AtomicFile.h"
#include "RichText.h"

namespace dutywise {

namespace {

// The whole style set is written back, so the selection's other flags become what
// GetStyleSet reported for it.
void Toggle(RosterDocument& doc, FontStyle flag) {
    const StyleSet s = doc.GetStyleSet();
    doc.SetStyleSet(s.Has(flag) ? s.Without(flag) : s.With(flag));
}

} // namespace

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
    const char* extension = format == SaveFormat::Pdf ? "pdf" : "rtf";
    const std::size_t slash = path.rfind('/');
    const std::string_view name =
        std::string_view(path).substr(slash == std::string::npos ? 0 : slash + 1);
    if (name.empty())
        return path; // a folder: the save then reports it
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return path + "." + extension; // ".notes" is a hidden name, not an extension
    if (dot + 1 == name.size())
        return path + extension;
    return path;
}

SaveResult SaveRoster(const RosterDocument& doc, const std::string& patrolName, SaveTarget& target,
                      PdfService& pdf, const RosterWords& words) {
    SaveResult result;
    const std::optional<SaveChoice> chosen = target.AskFileName();
    if (!chosen || chosen->path.empty())
        return result; // Cancelled: nothing written
    result.path = WithDefaultExtension(chosen->path, chosen->format);
    std::string bytes;
    if (chosen->format == SaveFormat::Pdf) {
        // Made whole in memory first: a writer that fails leaves nothing under the user's name.
        if (std::optional<std::string> error =
                pdf.MakePdf(doc.Paragraphs(), RosterJobTitle(patrolName, words), bytes)) {
            result.status = SaveResult::Status::Failed;
            result.message = "Cannot create file \"" + result.path + "\". " + *error;
            return result;
        }
    } else {
        bytes = WriteRichText(doc.Paragraphs());
    }
    if (std::optional<std::string> error = WriteFileAtomically(result.path, bytes)) {
        result.status = SaveResult::Status::Failed;
        result.message = std::move(*error);
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
