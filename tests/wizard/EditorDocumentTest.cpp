// The editor-backed document against the shared contract, plus what only the editor has.

#include <gtest/gtest.h>
#include <QTextEdit>

#include "DocumentContract.h"
#include "EditorDocument.h"
#include "FormattingContract.h"

namespace {

// Owns the editor behind the document for as long as the test's document lives.
struct EditorFactory {
    QTextEdit editor;
    std::unique_ptr<dutywise::RosterDocument> Make() {
        return std::make_unique<EditorDocument>(editor);
    }
};

} // namespace

namespace dutywise::testing {
INSTANTIATE_TYPED_TEST_SUITE_P(Editor, RosterDocumentContract, ::testing::Types<EditorFactory>);
INSTANTIATE_TYPED_TEST_SUITE_P(Editor, FormattingContract, ::testing::Types<EditorFactory>);
} // namespace dutywise::testing
