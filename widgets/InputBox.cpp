#include "InputBox.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

namespace {

// Dialog units of a font: a quarter of the average letter width, an eighth of the line height.
struct DialogUnits {
    int x = 0;
    int y = 0;

    explicit DialogUnits(const QFont& font) {
        const QFontMetrics fm(font);
        const QString letters =
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        x = (fm.horizontalAdvance(letters) + 26) / 52;
        y = fm.height();
    }
    // MulDiv rounding, as dialog templates are laid out.
    int h(int du) const { return (du * x + 2) / 4; }
    int v(int du) const { return (du * y + 4) / 8; }
};

} // namespace

InputBox::InputBox(QObject* parent) : QObject(parent) {}

InputBox::InputBox(const QString& title, const QString& text, QObject* parent)
    : QObject(parent), m_title(title), m_text(text) {}

QDialog* InputBox::createDialog(QWidget* parent) const {
    auto* dialog = new QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    dialog->setObjectName(QStringLiteral("inputBox"));
    dialog->setWindowTitle(m_title);
    dialog->setModal(true);
    const DialogUnits du(dialog->font());

    auto* prompt = new QLabel(m_text, dialog);
    prompt->setObjectName(QStringLiteral("promptLabel"));
    prompt->setWordWrap(true);
    prompt->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int textWidth = du.h(164);
    // Word-wrapped to at most 164 units; a short question keeps its natural width.
    const QFontMetrics fm(prompt->font());
    const QRect needed =
        fm.boundingRect(QRect(0, 0, textWidth, 100000), Qt::TextWordWrap | Qt::AlignLeft, m_text);
    prompt->setGeometry(du.h(8), du.v(8), std::min(textWidth, std::max(needed.width(), 1)),
                        std::max(needed.height(), fm.height()));

    auto* edit = new QLineEdit(dialog);
    edit->setObjectName(QStringLiteral("valueEdit"));
    edit->setAccessibleName(m_text);
    edit->setMaxLength(MaxLength);
    edit->setText(m_value);
    edit->selectAll();
    edit->setGeometry(du.h(8), prompt->geometry().bottom() + 1 + 5, textWidth,
                      edit->sizeHint().height());
    prompt->setBuddy(edit);

    const int buttonTop = edit->geometry().bottom() + 1 + 15;
    auto* ok = new QPushButton(QCoreApplication::translate("InputBox", "OK"), dialog);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    ok->setGeometry(du.h(38), buttonTop, du.h(50), du.v(14));
    auto* cancel = new QPushButton(QCoreApplication::translate("InputBox", "Cancel"), dialog);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    cancel->setGeometry(du.h(92), buttonTop, du.h(50), du.v(14));
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);

    dialog->setFixedSize(du.h(180), buttonTop + du.v(14) + 13);
    edit->setFocus();
    return dialog;
}

bool InputBox::Execute() {
    QPointer<QDialog> dialog = createDialog(QApplication::activeWindow());
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    // Centred on the screen, not over the window beneath.
    QScreen* screen = dialog->parentWidget() ? dialog->parentWidget()->screen()
                                             : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame(QPoint(), dialog->size());
        frame.moveCenter(screen->availableGeometry().center());
        dialog->move(frame.topLeft());
    }
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (!dialog) // destroyed with its parent while it was up
        return false;
    if (accepted)
        m_value = dialog->findChild<QLineEdit*>(QStringLiteral("valueEdit"))->text();
    delete dialog.data();
    return accepted;
}
