#include "Accessibility.h"

#include "AppearingLabel.h"
#include "FlatColorComboBox.h"
#include "FlatControls.h"
#include "FlatGauge.h"
#include "FlatListBox.h"
#include "FlatSpinEdit.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QWindow>
#include <vector>

namespace {

// One entry of a flat list. Entries are not widgets, so each gets an interface of its own,
// registered with Qt's cache by the list's interface and removed with it.
class FlatListItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    FlatListItemAccessible(FlatListBox* list, int index) : m_list(list), m_index(index) {}

    bool isValid() const override { return m_list && m_index < m_list->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_list ? m_list->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return m_list ? QAccessible::queryAccessibleInterface(m_list.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid())
            return {};
        return m_list->item(m_index);
    }
    void setText(QAccessible::Text, const QString&) override {}

    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.selectable = true;
        s.focusable = true;
        s.selected = m_list->selectedIndex() == m_index;
        s.focused = s.selected && m_list->hasFocus();
        if (const auto* ticks = checkList()) {
            s.checkable = true;
            s.checked = ticks->checked(m_index);
        }
        if (!m_list->isVisible())
            s.invisible = true;
        if (!rowShown())
            s.offscreen = true;
        if (!m_list->isEnabled())
            s.disabled = true;
        return s;
    }

    QRect rect() const override {
        if (!isValid() || !rowShown())
            return {};
        const QRect row = m_list->rowRect(m_index - m_list->topIndex());
        return row.translated(m_list->mapToGlobal(QPoint(0, 0)));
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                 : nullptr;
    }

    // A press selects the entry, as a click on its row does; a toggle flips a tick and tells
    // the window, as a click on the tick square does.
    QStringList actionNames() const override {
        QStringList names{pressAction()};
        if (checkList())
            names << toggleAction();
        return names;
    }
    void doAction(const QString& name) override {
        if (!isValid() || !m_list->isEnabled())
            return;
        if (name == pressAction()) {
            m_list->setFocus(Qt::OtherFocusReason);
            m_list->setSelectedIndex(m_index);
        } else if (auto* ticks = checkList(); ticks && name == toggleAction()) {
            ticks->setChecked(m_index, !ticks->checked(m_index));
            emit ticks->clickCheck(m_index);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    FlatListBox* list() const { return m_list; }
    int index() const { return m_index; }

private:
    FlatCheckListBox* checkList() const { return qobject_cast<FlatCheckListBox*>(m_list.data()); }
    bool rowShown() const {
        const int row = m_index - m_list->topIndex();
        return row >= 0 && row < m_list->visibleRows();
    }

    QPointer<FlatListBox> m_list;
    int m_index;
};

class FlatListAccessible : public QAccessibleWidget {
public:
    explicit FlatListAccessible(FlatListBox* list) : QAccessibleWidget(list, QAccessible::List) {
        // Tell listeners which entry became current, so a screen reader reads it out.
        QObject::connect(list, &FlatListBox::selectedIndexChanged, list, [list](int index) {
            QAccessibleInterface* self = QAccessible::queryAccessibleInterface(list);
            QAccessibleEvent within(list, QAccessible::SelectionWithin);
            QAccessible::updateAccessibility(&within);
            if (index >= 0 && index < list->count() && list->hasFocus()) {
                if (QAccessibleInterface* entry = self ? self->child(index) : nullptr) {
                    QAccessibleEvent focus(entry, QAccessible::Focus);
                    QAccessible::updateAccessibility(&focus);
                }
            }
        });
        QObject::connect(list, &FlatListBox::itemsChanged, list, [list] {
            QAccessibleEvent reorder(list, QAccessible::ObjectReorder);
            QAccessible::updateAccessibility(&reorder);
        });
    }
    ~FlatListAccessible() override {
        for (QAccessible::Id id : m_entries)
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return list()->count(); }

    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= list()->count())
            return nullptr;
        if (size_t(index) >= m_entries.size())
            m_entries.resize(size_t(index) + 1, 0);
        QAccessible::Id& id = m_entries[size_t(index)];
        if (id == 0)
            id =
                QAccessible::registerAccessibleInterface(new FlatListItemAccessible(list(), index));
        return QAccessible::accessibleInterface(id);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* entry = dynamic_cast<const FlatListItemAccessible*>(child);
        if (!entry || entry->list() != list() || entry->index() >= list()->count())
            return -1;
        return entry->index();
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = list()->mapFromGlobal(QPoint(x, y));
        if (!list()->rect().contains(local))
            return nullptr;
        const int row = list()->rowAt(local);
        return row < 0 ? nullptr : child(list()->topIndex() + row);
    }

    QString text(QAccessible::Text t) const override {
        // The value of a list is its current entry.
        if (t == QAccessible::Value) {
            const int i = list()->selectedIndex();
            return i >= 0 && i < list()->count() ? list()->item(i) : QString();
        }
        return QAccessibleWidget::text(t);
    }

private:
    FlatListBox* list() const { return static_cast<FlatListBox*>(widget()); }

    mutable std::vector<QAccessible::Id> m_entries; // by entry position; 0: not created yet
};

class FlatGaugeAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit FlatGaugeAccessible(FlatGauge* gauge)
        : QAccessibleWidget(gauge, QAccessible::ProgressBar) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return gauge()->displayText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QVariant currentValue() const override { return gauge()->progress(); }
    void setCurrentValue(const QVariant&) override {} // the build drives it, not the user
    QVariant maximumValue() const override { return gauge()->maxValue(); }
    QVariant minimumValue() const override { return gauge()->minValue(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    FlatGauge* gauge() const { return static_cast<FlatGauge*>(widget()); }
};

// The text interfaces of a control whose typing goes into a line edit inside it: they are
// the line edit's own, so that the control can be one object to the listener.
class FieldText : public QAccessibleTextInterface, public QAccessibleEditableTextInterface {
public:
    void selection(int i, int* start, int* end) const override {
        field()->selection(i, start, end);
    }
    int selectionCount() const override { return field()->selectionCount(); }
    void addSelection(int start, int end) override { field()->addSelection(start, end); }
    void removeSelection(int i) override { field()->removeSelection(i); }
    void setSelection(int i, int start, int end) override { field()->setSelection(i, start, end); }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    QString text(int start, int end) const override { return field()->text(start, end); }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                             int* end) const override {
        return field()->textBeforeOffset(offset, type, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                            int* end) const override {
        return field()->textAfterOffset(offset, type, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                         int* end) const override {
        return field()->textAtOffset(offset, type, start, end);
    }
    int characterCount() const override { return field()->characterCount(); }
    QRect characterRect(int offset) const override { return field()->characterRect(offset); }
    int offsetAtPoint(const QPoint& point) const override { return field()->offsetAtPoint(point); }
    void scrollToSubstring(int start, int end) override { field()->scrollToSubstring(start, end); }
    QString attributes(int offset, int* start, int* end) const override {
        return field()->attributes(offset, start, end);
    }

    void deleteText(int start, int end) override { editableField()->deleteText(start, end); }
    void insertText(int offset, const QString& text) override {
        editableField()->insertText(offset, text);
    }
    void replaceText(int start, int end, const QString& text) override {
        editableField()->replaceText(start, end, text);
    }

protected:
    virtual QLineEdit* fieldWidget() const = 0;
    QAccessibleInterface* fieldInterface() const {
        QLineEdit* edit = fieldWidget();
        return edit ? QAccessible::queryAccessibleInterface(edit) : nullptr;
    }
    QAccessibleTextInterface* field() const {
        QAccessibleInterface* f = fieldInterface();
        return f ? f->textInterface() : nullptr;
    }
    QAccessibleEditableTextInterface* editableField() const {
        QAccessibleInterface* f = fieldInterface();
        return f ? f->editableTextInterface() : nullptr;
    }
};

// The spin box is one control to the listener, as Qt's own spin boxes are: its field and
// arrow buttons are parts of it, not children. The text interfaces are the field's own.
class FlatSpinAccessible : public QAccessibleWidget,
                           public QAccessibleValueInterface,
                           public FieldText {
public:
    explicit FlatSpinAccessible(FlatSpinEdit* spin)
        : QAccessibleWidget(spin, QAccessible::SpinBox) {
        QObject::connect(spin, &FlatSpinEdit::changed, spin, [spin] {
            QAccessibleValueChangeEvent event(spin, spin->value());
            QAccessible::updateAccessibility(&event);
        });
    }

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return spin()->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !spin()->lineEdit()->isReadOnly();
        s.readOnly = !s.editable;
        s.focusable = true;
        s.focused = spin()->lineEdit()->hasFocus();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        switch (t) {
        case QAccessible::ValueInterface:
            return static_cast<QAccessibleValueInterface*>(this);
        case QAccessible::TextInterface:
            return field() ? static_cast<QAccessibleTextInterface*>(this) : nullptr;
        case QAccessible::EditableTextInterface:
            return field() ? static_cast<QAccessibleEditableTextInterface*>(this) : nullptr;
        default:
            return QAccessibleWidget::interface_cast(t);
        }
    }

    QVariant currentValue() const override { return spin()->value(); }
    void setCurrentValue(const QVariant& value) override {
        if (spin()->isEnabled() && !spin()->lineEdit()->isReadOnly())
            spin()->setValue(value.toInt());
    }
    QVariant maximumValue() const override { return spin()->maxValue(); }
    QVariant minimumValue() const override { return spin()->minValue(); }
    QVariant minimumStepSize() const override { return spin()->increment(); }

private:
    FlatSpinEdit* spin() const { return static_cast<FlatSpinEdit*>(widget()); }
    QLineEdit* fieldWidget() const override { return spin()->lineEdit(); }
};

// The drop-down boxes. Qt names a combo box by its current text on Linux, which tells a
// listener what is chosen but not what the box is for; here the name is the box's own
// (accessible name or heading label) and the choice is the value.
class FlatComboAccessible : public QAccessibleWidget, public FieldText {
public:
    explicit FlatComboAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return box()->isEditable() && box()->lineEdit() ? box()->lineEdit()->text()
                                                            : box()->currentText();
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty())
            s = text(QAccessible::Value);
        return s;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = box()->view() && box()->view()->isVisible();
        s.editable = box()->isEditable();
        s.focused = box()->hasFocus() || (box()->lineEdit() && box()->lineEdit()->hasFocus());
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if ((t == QAccessible::TextInterface || t == QAccessible::EditableTextInterface) &&
            !fieldWidget())
            return nullptr;
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // Pressing opens the list of choices (and closes it again).
    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == showMenuAction() || name == pressAction()) {
            if (!box()->isEnabled())
                return;
            if (box()->view() && box()->view()->isVisible())
                box()->hidePopup();
            else
                box()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(name);
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
    QLineEdit* fieldWidget() const override {
        return box()->isEditable() ? box()->lineEdit() : nullptr;
    }
};

// The suggestion labels are read as text and, since a click on one adds its suggestion, can
// be pressed.
class AppearingLabelAccessible : public QAccessibleWidget {
public:
    explicit AppearingLabelAccessible(AppearingLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const QString name = label()->accessibleName();
            return name.isEmpty() ? label()->text() : name;
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << pressAction();
    }
    void doAction(const QString& name) override {
        if (name == pressAction()) {
            if (label()->isVisible() && label()->isEnabled())
                emit label()->clicked();
            return;
        }
        QAccessibleWidget::doAction(name);
    }

private:
    AppearingLabel* label() const { return static_cast<AppearingLabel*>(widget()); }
};

} // namespace

QAccessibleInterface* WidgetAccessibleFactory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("FlatListBox") || className == QLatin1String("FlatCheckListBox"))
        return new FlatListAccessible(static_cast<FlatListBox*>(object));
    if (className == QLatin1String("FlatGauge"))
        return new FlatGaugeAccessible(static_cast<FlatGauge*>(object));
    if (className == QLatin1String("FlatSpinEdit"))
        return new FlatSpinAccessible(static_cast<FlatSpinEdit*>(object));
    if (className == QLatin1String("FlatColorComboBox") ||
        className == QLatin1String("FlatComboBox"))
        return new FlatComboAccessible(static_cast<QComboBox*>(object));
    if (className == QLatin1String("AppearingLabel"))
        return new AppearingLabelAccessible(static_cast<AppearingLabel*>(object));
    return nullptr;
}

void InstallWidgetAccessibility() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(&WidgetAccessibleFactory);
}
