#pragma once
// The accessible roles of the controls a user operates, which must each carry a name.

#include <QAccessible>

namespace testsupport {

inline bool IsOperable(QAccessible::Role role) {
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::ButtonMenu:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::EditableText:
    case QAccessible::List:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::PageTab:
    case QAccessible::Table:
        return true;
    default:
        return false;
    }
}

} // namespace testsupport
