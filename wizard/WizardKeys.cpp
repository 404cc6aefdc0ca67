// The wizard by keyboard: the buttons' shortcuts in one table, the lists' Insert and Delete, and
// Ctrl+Tab out of the roster editor, where Tab types a tab.

#include <QKeyEvent>
#include <QShortcut>

#include "WizardWindow.h"

namespace {

// What a screen reader says besides the button's name: "Save, Ctrl+S".
void DescribeKey(QPushButton* button, const QKeySequence& key) {
    button->setAccessibleDescription(WizardWindow::tr("%1, %2").arg(
        button->accessibleName(), key.toString(QKeySequence::NativeText)));
}

// The platform's key where it has one, else the usual one.
QKeySequence StandardOr(QKeySequence::StandardKey standard, const QKeySequence& usual) {
    const QKeySequence key(standard);
    return key.isEmpty() ? usual : key;
}

} // namespace

std::vector<WizardWindow::KeyAction> WizardWindow::keyActions() const {
    const auto generation = static_cast<QWidget*>(generationPage);
    const auto everywhere = static_cast<QWidget*>(const_cast<WizardWindow*>(this));
    return {
        {QKeySequence::Save, generation, saveButton, &WizardWindow::saveRoster},
        {QKeySequence::Print, generation, printButton, &WizardWindow::printRoster},
        {QKeySequence::Bold, generation, boldButton, &WizardWindow::toggleBold},
        {QKeySequence::Italic, generation, italicButton, &WizardWindow::toggleItalic},
        {QKeySequence::Underline, generation, underlineButton, &WizardWindow::toggleUnderline},
        {QKeySequence(Qt::CTRL | Qt::Key_E), generation, crewsButton, &WizardWindow::editCrews},
        {QKeySequence::Open, everywhere, openPlanButton, &WizardWindow::openPlan},
        {StandardOr(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
         everywhere, savePlanButton, &WizardWindow::savePlan},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), everywhere, nullptr, &WizardWindow::nextPage},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), everywhere, nullptr, &WizardWindow::previousPage},
    };
}

void WizardWindow::connectKeys() {
    // A key works while its page shows (a shortcut of a hidden page is idle) and runs the very
    // handler its button runs; both are connected here, so they cannot drift apart.
    for (const KeyAction& action : keyActions()) {
        auto* shortcut = new QShortcut(action.key, action.scope);
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, this, action.handler);
        if (action.button) {
            connect(action.button, &QPushButton::clicked, this, action.handler);
            DescribeKey(action.button, action.key);
        }
    }

    // In each of the six lists, Insert adds as its Add button does (with the prompt) and
    // Delete removes the selected entry as its Delete button does.
    for (const EditableList& entry : editableLists()) {
        const QKeySequence add(Qt::Key_Insert);
        const QKeySequence remove(QKeySequence::Delete);
        auto* addKey = new QShortcut(add, entry.list, nullptr, nullptr, Qt::WidgetShortcut);
        auto* removeKey = new QShortcut(remove, entry.list, nullptr, nullptr, Qt::WidgetShortcut);
        addKey->setAutoRepeat(false);
        connect(addKey, &QShortcut::activated, entry.addButton, &QPushButton::click);
        connect(removeKey, &QShortcut::activated, entry.deleteButton, &QPushButton::click);
        DescribeKey(entry.addButton, add);
        DescribeKey(entry.deleteButton, remove);
    }

    rosterEditor->installEventFilter(this);
}

bool WizardWindow::eventFilter(QObject* watched, QEvent* event) {
    // Tab and Shift+Tab type in the editor; Ctrl+Tab and Ctrl+Shift+Tab move the focus on, as
    // in Qt's own text editors (rather than turning the page, as they do elsewhere).
    if (watched == rosterEditor && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool ctrl = key->modifiers() & Qt::ControlModifier;
        if (ctrl && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            const bool forward =
                key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
            focusNextPrevChild(forward);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Ctrl+Page Down and Ctrl+Page Up turn the pages, round as Ctrl+Tab does on the page tabs; the
// focus goes to the tabs, so that Tab walks the new page from its start.
void WizardWindow::nextPage() {
    pages->setCurrentIndex((pages->currentIndex() + 1) % pages->count());
    pages->setFocus(Qt::ShortcutFocusReason);
}

void WizardWindow::previousPage() {
    pages->setCurrentIndex((pages->currentIndex() + pages->count() - 1) % pages->count());
    pages->setFocus(Qt::ShortcutFocusReason);
}
