#pragma once
// The roster document held by the Generation page's rich-text editor. Positions count code
// points (QTextDocument counts UTF-16 units); the editor's own cursor carries the selection and
// the current style, so what the user types and what the build writes stay one state.

#include <functional>
#include <QTextCharFormat>
#include <QTextCursor>

#include "RosterDocument.h"

class QTextEdit;

class EditorDocument final : public dutywise::RosterDocument {
public:
    explicit EditorDocument(QTextEdit& editor);

    void ClearDocument() override;
    void SetFontName(const std::string& name) override;
    void SetFontSize(int points) override;
    void SetStyleSet(dutywise::StyleSet styles) override;
    void SetColor(dutywise::Color color) override;
    dutywise::StyleSet GetStyleSet() const override;
    void AppendParagraph(const std::string& text) override;
    void SetSelection(int start, int length) override;
    void TypeText(const std::string& text) override;
    std::vector<dutywise::Paragraph> Paragraphs() const override;
    dutywise::ParagraphStyle CurrentStyle() const override;

    // The seven lines the editor shows until the first build, in the default style.
    void WriteInitialContent();

    // A run of edits (a whole build) laid out once at its end instead of after every paragraph.
    // The caret goes to the end when the batch ends. Ending an ended batch does nothing, so a
    // message shown mid-way may end it early and show the editor up to date behind it.
    void BeginBatch();
    void EndBatch();
    class Batch {
    public:
        explicit Batch(EditorDocument& doc) : doc_(doc) { doc_.BeginBatch(); }
        ~Batch() { doc_.EndBatch(); }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        EditorDocument& doc_;
    };

    static QTextCharFormat ToFormat(const dutywise::ParagraphStyle& style);
    dutywise::ParagraphStyle FromFormat(const QTextCharFormat& format) const;

    QTextEdit& Editor() const { return editor_; }

private:
    bool Blank() const;
    int ToUtf16(int codePoints) const;
    int ToCodePoints(int utf16) const;
    // Applies a change to the selected characters (and the blank-line formats of the paragraphs
    // the selection touches), or to the current style at a bare caret.
    void Restyle(const std::function<void(QTextCharFormat&)>& change);

    QTextEdit& editor_;
    QTextCursor batch_;
    bool batching_ = false;
    bool caretToEnd_ = false;
    bool undoAfterBatch_ = false;
};
