#pragma once
// "Keep apart": pairs of people who should not share a meal's crews. Two names are chosen from
// the people and added as a pair; a chosen pair is removed. OK keeps the changes, Cancel drops
// them.

#include <array>
#include <QDialog>
#include <QStringList>
#include <string>
#include <vector>

class QComboBox;
class QListWidget;
class QPushButton;

class KeepApartDialog : public QDialog {
    Q_OBJECT

public:
    using Pairs = std::vector<std::array<std::string, 2>>;

    // The people list's entries (repeated names count once) and the pairs kept so far.
    KeepApartDialog(const QStringList& people, Pairs pairs, QWidget* parent = nullptr);

    // The pairs with the changes made, in the order they were added.
    const Pairs& pairs() const { return pairs_; }
    // The names to choose from: each once, sorted as the sorted lists are.
    static QStringList Choices(const QStringList& people);

private:
    void addPair();
    void removePair();
    void showPairs();
    void updateButtons();
    bool holds(const QString& a, const QString& b) const; // the pair either way round

    Pairs pairs_;
    QComboBox* firstBox_ = nullptr;
    QComboBox* secondBox_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QListWidget* pairsList_ = nullptr;
    QPushButton* removeButton_ = nullptr;
};
