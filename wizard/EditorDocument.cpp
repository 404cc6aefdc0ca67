#include "EditorDocument.h"

#include <algorithm>
#include <cmath>
#include <QCoreApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

using dutywise::Color;
using dutywise::FontStyle;
using dutywise::Paragraph;
using dutywise::ParagraphStyle;
using dutywise::Run;
using dutywise::StyleSet;

namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int CodePointsIn(const QString& text) {
    int count = 0;
    for (QChar c : text)
        count += c.isLowSurrogate() ? 0 : 1;
    return count;
}

} // namespace

EditorDocument::EditorDocument(QTextEdit& editor) : editor_(editor) {
    // A tab is part of a roster line; it never moves the focus out of the editor.
    editor_.setTabChangesFocus(false);
    editor_.setAcceptRichText(false);
    editor_.setCurrentCharFormat(ToFormat(ParagraphStyle::Default()));
}

QTextCharFormat EditorDocument::ToFormat(const ParagraphStyle& style) {
    QTextCharFormat format;
    format.setFontFamilies(QStringList{FromUtf8(style.fontName)});
    format.setFontPointSize(style.sizeTwentieths / 20.0);
    format.setFontWeight(style.styles.Has(FontStyle::Bold) ? QFont::Bold : QFont::Normal);
    format.setFontItalic(style.styles.Has(FontStyle::Italic));
    format.setFontUnderline(style.styles.Has(FontStyle::Underline));
    format.setFontStrikeOut(false);
    if (!style.color.automatic)
        format.setForeground(QColor(style.color.red, style.color.green, style.color.blue));
    return format;
}

ParagraphStyle EditorDocument::FromFormat(const QTextCharFormat& format) const {
    // What the format leaves unsaid, the editor draws in the document's default font.
    const QFont fallback = editor_.document()->defaultFont();
    ParagraphStyle style;
    const QStringList families = format.fontFamilies().toStringList();
    const QString family = families.isEmpty() ? fallback.family() : families.first();
    style.fontName = dutywise::CutFontName(family.toStdString());
    const double points = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize()
                                                                         : fallback.pointSizeF();
    style.sizeTwentieths = static_cast<int>(std::lround(points * 20.0));
    unsigned bits = 0;
    const bool bold = format.hasProperty(QTextFormat::FontWeight)
                          ? format.fontWeight() >= QFont::DemiBold
                          : fallback.bold();
    const bool italic =
        format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic() : fallback.italic();
    const bool underline = format.hasProperty(QTextFormat::TextUnderlineStyle) ||
                                   format.hasProperty(QTextFormat::FontUnderline)
                               ? format.fontUnderline()
                               : fallback.underline();
    if (bold)
        bits |= static_cast<unsigned>(FontStyle::Bold);
    if (italic)
        bits |= static_cast<unsigned>(FontStyle::Italic);
    if (underline)
        bits |= static_cast<unsigned>(FontStyle::Underline);
    style.styles = StyleSet::FromBits(bits);
    const QBrush brush = format.foreground();
    if (format.hasProperty(QTextFormat::ForegroundBrush) && brush.style() != Qt::NoBrush) {
        const QColor c = brush.color().toRgb();
        style.color =
            Color::Rgb(static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                       static_cast<std::uint8_t>(c.blue()));
    }
    return style;
}

bool EditorDocument::Blank() const {
    const QTextDocument* doc = editor_.document();
    return doc->blockCount() == 1 && doc->firstBlock().length() == 1;
}

int EditorDocument::ToUtf16(int codePoints) const {
    int units = 0;
    for (QTextBlock block = editor_.document()->firstBlock(); block.isValid();
         block = block.next()) {
        const QString text = block.text();
        const int chars = CodePointsIn(text);
        if (codePoints <= chars) {
            int i = 0;
            while (codePoints > 0) {
                i += text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
                --codePoints;
            }
            return units + i;
        }
        codePoints -= chars + 1;
        units += static_cast<int>(text.size()) + 1;
    }
    return std::max(0, units - 1);
}

int EditorDocument::ToCodePoints(int utf16) const {
    int count = 0;
    for (QTextBlock block = editor_.document()->firstBlock(); block.isValid();
         block = block.next()) {
        const QString text = block.text();
        if (utf16 <= text.size())
            return count + CodePointsIn(text.left(utf16));
        utf16 -= static_cast<int>(text.size()) + 1;
        count += CodePointsIn(text) + 1;
    }
    return count;
}

void EditorDocument::ClearDocument() {
    // The style in force carries on: it is what the next text takes.
    const QTextCharFormat current = editor_.currentCharFormat();
    QTextDocument* doc = editor_.document();
    if (batching_) {
        // A build clears the document as a whole rather than deleting its text: what it writes
        // then counts as a new text, which the editor lays out screen by screen as it does a
        // loaded one, instead of all at once. Like a loaded text, it is not an edit to undo
        // piece by piece back to nothing; typing after the batch is undoable again.
        doc->clear();
        if (doc->isUndoRedoEnabled()) {
            doc->setUndoRedoEnabled(false);
            undoAfterBatch_ = true;
        }
    } else {
        // Anything else (Fresh Start) deletes the text, and the editor can bring it back.
        QTextCursor all(doc);
        all.select(QTextCursor::Document);
        all.removeSelectedText();
    }
    QTextCursor cursor(doc);
    cursor.setBlockCharFormat(current);
    cursor.setCharFormat(current);
    editor_.setTextCursor(cursor);
    editor_.setCurrentCharFormat(current);
}

void EditorDocument::Restyle(const std::function<void(QTextCharFormat&)>& change) {
    QTextCursor cursor = editor_.textCursor();
    if (!cursor.hasSelection()) {
        QTextCharFormat format = editor_.currentCharFormat();
        change(format);
        editor_.setCurrentCharFormat(format);
        return;
    }
    const int from = cursor.selectionStart();
    const int to = cursor.selectionEnd();
    QTextDocument* doc = editor_.document();
    // Each fragment is rewritten whole, so that a change may also take a property away (the
    // automatic colour has no foreground at all). The pieces are gathered first: rewriting
    // one may merge it with its neighbour under a live fragment iterator.
    struct Piece {
        int start, end;
        QTextCharFormat format;
    };
    std::vector<Piece> pieces;
    std::vector<std::pair<int, QTextCharFormat>> marks;
    for (QTextBlock block = doc->findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        QTextCharFormat blockFormat = block.charFormat();
        change(blockFormat);
        marks.emplace_back(block.position(), blockFormat);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int start = std::max(from, fragment.position());
            const int end = std::min(to, fragment.position() + fragment.length());
            if (start >= end)
                continue;
            QTextCharFormat format = fragment.charFormat();
            change(format);
            pieces.push_back({start, end, format});
        }
    }
    cursor.beginEditBlock();
    for (const auto& [position, format] : marks) {
        QTextCursor mark(doc);
        mark.setPosition(position);
        mark.setBlockCharFormat(format);
    }
    for (const Piece& piece : pieces) {
        QTextCursor range(doc);
        range.setPosition(piece.start);
        range.setPosition(piece.end, QTextCursor::KeepAnchor);
        range.setCharFormat(piece.format);
    }
    cursor.endEditBlock();
}

void EditorDocument::SetFontName(const std::string& name) {
    const QString family = FromUtf8(dutywise::CutFontName(name));
    Restyle([&family](QTextCharFormat& f) { f.setFontFamilies(QStringList{family}); });
}

void EditorDocument::SetFontSize(int points) {
    const double size = dutywise::ClampPoints(points);
    Restyle([size](QTextCharFormat& f) { f.setFontPointSize(size); });
}

void EditorDocument::SetStyleSet(StyleSet styles) {
    Restyle([styles](QTextCharFormat& f) {
        f.setFontWeight(styles.Has(FontStyle::Bold) ? QFont::Bold : QFont::Normal);
        f.setFontItalic(styles.Has(FontStyle::Italic));
        f.setFontUnderline(styles.Has(FontStyle::Underline));
        f.setFontStrikeOut(false);
    });
}

void EditorDocument::SetColor(Color color) {
    Restyle([color](QTextCharFormat& f) {
        if (color.automatic)
            f.clearForeground();
        else
            f.setForeground(QColor(color.red, color.green, color.blue));
    });
}

StyleSet EditorDocument::GetStyleSet() const {
    const QTextCursor cursor = editor_.textCursor();
    if (!cursor.hasSelection())
        return CurrentStyle().styles;
    const int from = cursor.selectionStart();
    const int to = cursor.selectionEnd();
    unsigned common = 7;
    bool anyCharacter = false;
    for (QTextBlock block = editor_.document()->findBlock(from);
         block.isValid() && block.position() < to; block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() < to && fragment.position() + fragment.length() > from) {
                common &= FromFormat(fragment.charFormat()).styles.Bits();
                anyCharacter = true;
            }
        }
    }
    // A selection of paragraph breaks alone has no characters to ask.
    return anyCharacter ? StyleSet::FromBits(common) : CurrentStyle().styles;
}

void EditorDocument::AppendParagraph(const std::string& text) {
    const QTextCharFormat format = editor_.currentCharFormat();
    QTextCursor cursor(editor_.document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    // A document whose only paragraph is blank counts as empty: the text fills that paragraph.
    if (Blank())
        cursor.setBlockCharFormat(format);
    else
        cursor.insertBlock(cursor.blockFormat(), format);
    if (!text.empty())
        cursor.insertText(FromUtf8(text), format);
    cursor.endEditBlock();
    if (batching_) {
        // Moving the editor's caret would lay the document out now; the batch's end does it.
        caretToEnd_ = true;
    } else {
        editor_.setTextCursor(cursor);
    }
    editor_.setCurrentCharFormat(format);
}

void EditorDocument::BeginBatch() {
    if (batching_)
        return;
    batching_ = true;
    batch_ = QTextCursor(editor_.document());
    batch_.beginEditBlock();
}

void EditorDocument::EndBatch() {
    if (!batching_)
        return;
    batching_ = false;
    batch_.endEditBlock();
    batch_ = QTextCursor();
    if (undoAfterBatch_) {
        undoAfterBatch_ = false;
        editor_.document()->setUndoRedoEnabled(true);
    }
    if (caretToEnd_) {
        caretToEnd_ = false;
        const QTextCharFormat format = editor_.currentCharFormat();
        QTextCursor cursor = editor_.textCursor();
        // After a clear the editor's caret stood at the end, and text written there carried it
        // along: it already stands at the end, and the view need not be moved there (which
        // would lay the whole text out at once).
        if (cursor.hasSelection() || !cursor.atEnd()) {
            cursor.movePosition(QTextCursor::End);
            editor_.setTextCursor(cursor);
        }
        editor_.setCurrentCharFormat(format);
    }
}

void EditorDocument::SetSelection(int start, int length) {
    const int size = ToCodePoints(editor_.document()->characterCount() - 1);
    const long long anchor = std::clamp<long long>(start, 0, size);
    const long long caret = std::clamp<long long>(static_cast<long long>(start) + length, 0, size);
    QTextCursor cursor(editor_.document());
    cursor.setPosition(ToUtf16(static_cast<int>(anchor)));
    cursor.setPosition(ToUtf16(static_cast<int>(caret)), QTextCursor::KeepAnchor);
    editor_.setTextCursor(cursor);
}

void EditorDocument::TypeText(const std::string& text) {
    QTextCursor cursor = editor_.textCursor();
    const QTextCharFormat format = editor_.currentCharFormat();
    cursor.insertText(FromUtf8(text), format);
    editor_.setTextCursor(cursor);
}

std::vector<Paragraph> EditorDocument::Paragraphs() const {
    std::vector<Paragraph> paragraphs;
    if (Blank())
        return paragraphs;
    const QTextDocument* doc = editor_.document();
    paragraphs.reserve(static_cast<std::size_t>(doc->blockCount()));
    for (QTextBlock block = doc->firstBlock(); block.isValid(); block = block.next()) {
        Paragraph& paragraph = paragraphs.emplace_back();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            Run run{fragment.text().toStdString(), FromFormat(fragment.charFormat())};
            if (!paragraph.runs.empty() && paragraph.runs.back().style == run.style)
                paragraph.runs.back().text += run.text;
            else
                paragraph.runs.push_back(std::move(run));
        }
        if (paragraph.runs.empty())
            paragraph.runs.push_back(Run{{}, FromFormat(block.charFormat())});
    }
    return paragraphs;
}

ParagraphStyle EditorDocument::CurrentStyle() const {
    return FromFormat(editor_.currentCharFormat());
}

void EditorDocument::WriteInitialContent() {
    ClearDocument();
    editor_.setCurrentCharFormat(ToFormat(ParagraphStyle::Default()));
    const auto text = [](const char* english) {
        return QCoreApplication::translate("EditorDocument", english).toStdString();
    };
    AppendParagraphs(
        {text(QT_TRANSLATE_NOOP("EditorDocument", "Self Interpreter")), std::string(17, '*'),
         text(QT_TRANSLATE_NOOP("EditorDocument", "Dutywise roster generator")),
         text(QT_TRANSLATE_NOOP("EditorDocument", "Build a roster on the Finalization page")),
         std::string(50, '*'),
         text(QT_TRANSLATE_NOOP("EditorDocument", "NO RESULTS ARE GENERATED")),
         text(QT_TRANSLATE_NOOP("EditorDocument", "ALL PROGRAM ENVIRONMENT VARIABLES ARE NIL"))});
    // The editor opens at the top, as the user would expect to read it.
    editor_.moveCursor(QTextCursor::Start);
}
