#pragma once
// The modal text prompt: a question, a one-line answer field, OK and Cancel. The accepted answer
// is remembered in value(), so the next Execute starts with it filled in and selected.

#include <QObject>
#include <QString>

class QDialog;

class InputBox : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle)
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(QString value READ value WRITE setValue)

public:
    explicit InputBox(QObject* parent = nullptr);
    InputBox(const QString& title, const QString& text, QObject* parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }
    QString text() const { return m_text; }
    void setText(const QString& text) { m_text = text; }
    QString value() const { return m_value; }
    void setValue(const QString& value) { m_value = value; }

    // Shows the prompt modally. OK stores the field (even when empty) in value() and returns
    // true; Cancel, Escape and the close button keep value() and return false.
    bool Execute();

    // Builds the prompt's dialog without showing it (Execute uses it; the gallery renders it).
    // The caller owns the dialog.
    QDialog* createDialog(QWidget* parent) const;

    static constexpr int MaxLength = 255;

private:
    QString m_title;
    QString m_text;
    QString m_value;
};
