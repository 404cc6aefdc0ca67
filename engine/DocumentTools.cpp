#include "DocumentTools.h"

#include <array>
#include <ctime>

#include "AtomicFile.h"
#include "CalendarFile.h"
#include "RichText.h"
#include "Spreadsheet.h"

namespace dutywise {

namespace {

// The whole style set is written back, so the selection's other flags become what
// GetStyleSet reported for it.
void Toggle(RosterDocument& doc, FontStyle flag) {
    const StyleSet s = doc.GetStyleSet();
    doc.SetStyleSet(s.Has(flag) ? s.Without(flag) : s.With(flag));
}

EngineMessage Refusal(MessageCode code) {
    EngineMessage m;
    m.code = code;
    return m;
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

namespace {

constexpr std::array<SaveType, 6> kSaveTypes{{
    {SaveFormat::RichText, "rtf", true},
    {SaveFormat::Pdf, "pdf", true},
    {SaveFormat::NoticeBoard, "pdf", false},
    {SaveFormat::DutySlips, "pdf", false},
    {SaveFormat::Calendar, "ics", true},
    {SaveFormat::Spreadsheet, "csv", true},
}};

// The last component of the path, and where its extension starts (npos: none). ".notes" is a
// hidden name, not an extension.
std::pair<std::string_view, std::size_t> NameAndDot(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string_view name =
        std::string_view(path).substr(slash == std::string::npos ? 0 : slash + 1);
    std::size_t dot = name.rfind('.');
    if (dot == 0)
        dot = std::string_view::npos;
    return {name, dot};
}

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

} // namespace

std::span<const SaveType> SaveTypes() {
    return kSaveTypes;
}

SaveFormat FormatForName(const std::string& path, SaveFormat chosen) {
    const auto [name, dot] = NameAndDot(path);
    if (dot == std::string_view::npos)
        return chosen;
    const std::string_view extension = name.substr(dot + 1);
    // A name that fits the chosen type keeps it: "board.pdf" under the notice board is one,
    // whichever type ".pdf" would decide.
    if (SameLetters(extension, kSaveTypes[static_cast<std::size_t>(chosen)].extension))
        return chosen;
    for (const SaveType& type : kSaveTypes)
        if (type.extensionDecides && SameLetters(extension, type.extension))
            return type.format;
    return chosen;
}

std::string WithDefaultExtension(const std::string& path, SaveFormat format) {
    const char* extension = kSaveTypes[static_cast<std::size_t>(format)].extension;
    const auto [name, dot] = NameAndDot(path);
    if (name.empty())
        return path; // a folder: the save then reports it
    if (dot == std::string_view::npos)
        return path + "." + extension;
    if (dot + 1 == name.size())
        return path + extension;
    return path;
}

SaveResult SaveRoster(const RosterDocument& doc, const std::string& patrolName, SaveTarget& target,
                      PdfService& pdf, const RosterWords& words) {
    return SaveRoster(RosterSources{doc, nullptr, patrolName}, target, pdf, words,
                      static_cast<std::int64_t>(std::time(nullptr)));
}

SaveResult SaveRoster(const RosterSources& from, SaveTarget& target, PdfService& pdf,
                      const RosterWords& words, std::int64_t nowUtc) {
    SaveResult result;
    const std::optional<SaveChoice> chosen = target.AskFileName();
    if (!chosen || chosen->path.empty())
        return result; // Cancelled: nothing written
    const SaveFormat format = FormatForName(chosen->path, chosen->format);
    result.path = WithDefaultExtension(chosen->path, format);
    // Every file is made whole in memory first: a writer that fails leaves nothing under the
    // user's name.
    std::string bytes;
    // A refusal before anything is written names the file it would have been.
    std::optional<EngineMessage> refusal;
    const auto refuse = [&](MessageCode code) {
        refusal = Refusal(code);
        refusal->action = FileAction::CreateFile;
        refusal->file = result.path;
    };
    // A service gives its reason in words.
    const auto serviceSays = [&](std::optional<std::string> said) {
        if (said) {
            refuse(MessageCode::SystemReason);
            refusal->reason = std::move(*said);
        }
    };
    const std::string title = RosterJobTitle(from.patrolName, words);
    switch (format) {
    case SaveFormat::RichText:
        bytes = WriteRichText(from.document.Paragraphs());
        break;
    case SaveFormat::Pdf:
        serviceSays(pdf.MakePdf(from.document.Paragraphs(), title, bytes));
        break;
    case SaveFormat::NoticeBoard:
    case SaveFormat::DutySlips:
        if (!from.roster)
            refuse(MessageCode::NoBuiltRoster);
        else
            serviceSays(pdf.MakeSheetPdf(*from.roster,
                                         format == SaveFormat::NoticeBoard
                                             ? RosterSheet::NoticeBoard
                                             : RosterSheet::DutySlips,
                                         words, title, bytes));
        break;
    case SaveFormat::Calendar:
        if (!from.roster) {
            refuse(MessageCode::NoBuiltRoster);
        } else if (std::optional<EngineMessage> why =
                       WriteRosterCalendar(*from.roster, words, nowUtc, bytes)) {
            refuse(why->code);
            refusal->reason = std::move(why->reason);
        }
        break;
    case SaveFormat::Spreadsheet:
        if (!from.roster)
            refuse(MessageCode::NoBuiltRoster);
        else
            bytes = WriteRosterCsv(*from.roster, words);
        break;
    }
    if (refusal) {
        result.status = SaveResult::Status::Failed;
        result.refusal = std::move(*refusal);
        return result;
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

std::optional<std::string> PdfService::MakeSheetPdf(const Roster&, RosterSheet, const RosterWords&,
                                                    const std::string&, std::string& bytes) {
    bytes.clear();
    return std::string(kNoSheets);
}

std::optional<std::string> PrintService::PrintSheet(const Roster&, RosterSheet, const RosterWords&,
                                                    const std::string&) {
    return std::string(kNoSheets);
}

std::optional<EngineMessage> PrintRosterSheet(const Roster* roster, RosterSheet sheet,
                                              const std::string& patrolName, PrintService& printer,
                                              const RosterWords& words) {
    if (!roster)
        return Refusal(MessageCode::NoBuiltRoster);
    std::optional<std::string> said =
        printer.PrintSheet(*roster, sheet, words, RosterJobTitle(patrolName, words));
    if (!said)
        return std::nullopt;
    EngineMessage refusal = Refusal(MessageCode::SystemReason);
    refusal.reason = std::move(*said); // the printing system's words
    return refusal;
}

} // namespace dutywise
