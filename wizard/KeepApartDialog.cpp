#include "KeepApartDialog.h"

#include <algorithm>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "FlatListBox.h"

QStringList KeepApartDialog::Choices(const QStringList& people) {
    // A pair names people by their text, so two entries of one name are one choice.
    QStringList names = people;
    names.removeAll(QString());
    names.removeDuplicates();
    const QCollator collator = FlatListBox::sortCollator();
    std::stable_sort(names.begin(), names.end(), [&collator](const QString& a, const QString& b) {
        return collator.compare(a, b) < 0;
    });
    return names;
}

KeepApartDialog::KeepApartDialog(const QStringList& people, Pairs pairs, QWidget* parent)
    : QDialog(parent), pairs_(std::move(pairs)) {
    setWindowTitle(tr("Keep Apart"));
    setObjectName(QStringLiteral("KeepApartDialog"));

    auto* hint = new QLabel(tr("Choose two people who should not cook or clean up at the same "
                               "meal and press Add Pair. The draw keeps them apart when duties "
                               "are shared evenly."),
                            this);
    hint->setWordWrap(true);

    const QStringList names = Choices(people);
    firstBox_ = new QComboBox(this);
    firstBox_->setObjectName(QStringLiteral("firstPersonBox"));
    firstBox_->setAccessibleName(tr("First person of the pair"));
    secondBox_ = new QComboBox(this);
    secondBox_->setObjectName(QStringLiteral("secondPersonBox"));
    secondBox_->setAccessibleName(tr("Second person of the pair"));
    for (QComboBox* box : {firstBox_, secondBox_}) {
        box->addItems(names);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(12);
    }
    secondBox_->setCurrentIndex(std::min<qsizetype>(1, names.size() - 1));
    auto* andLabel = new QLabel(tr("and"), this);

    addButton_ = new QPushButton(tr("Add Pair"), this);
    addButton_->setObjectName(QStringLiteral("addPairButton"));
    addButton_->setAccessibleName(tr("Add the pair"));
    pairsList_ = new QListWidget(this);
    pairsList_->setObjectName(QStringLiteral("pairsList"));
    pairsList_->setAccessibleName(tr("Pairs kept apart"));
    removeButton_ = new QPushButton(tr("Remove Pair"), this);
    removeButton_->setObjectName(QStringLiteral("removePairButton"));
    removeButton_->setAccessibleName(tr("Remove the chosen pair"));
    for (QPushButton* button : {addButton_, removeButton_})
        button->setAutoDefault(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("keepApartButtons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(addButton_, &QPushButton::clicked, this, &KeepApartDialog::addPair);
    connect(removeButton_, &QPushButton::clicked, this, &KeepApartDialog::removePair);
    for (QComboBox* box : {firstBox_, secondBox_})
        connect(box, &QComboBox::currentIndexChanged, this, &KeepApartDialog::updateButtons);
    connect(pairsList_, &QListWidget::currentRowChanged, this, &KeepApartDialog::updateButtons);

    auto* choice = new QHBoxLayout;
    choice->addWidget(firstBox_, 1);
    choice->addWidget(andLabel);
    choice->addWidget(secondBox_, 1);
    choice->addWidget(addButton_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(removeButton_);
    bottom->addStretch();
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addLayout(choice);
    layout->addWidget(pairsList_);
    layout->addLayout(bottom);
    setTabOrder(firstBox_, secondBox_);
    setTabOrder(secondBox_, addButton_);
    setTabOrder(addButton_, pairsList_);
    setTabOrder(pairsList_, removeButton_);
    setTabOrder(removeButton_, buttons);
    resize(std::max(sizeHint().width(), 420), 320);

    showPairs();
}

bool KeepApartDialog::holds(const QString& a, const QString& b) const {
    const std::string first = a.toStdString(), second = b.toStdString();
    return std::any_of(pairs_.begin(), pairs_.end(), [&](const auto& pair) {
        return (pair[0] == first && pair[1] == second) || (pair[0] == second && pair[1] == first);
    });
}

void KeepApartDialog::showPairs() {
    pairsList_->clear();
    for (const auto& pair : pairs_)
        pairsList_->addItem(
            tr("%1 and %2").arg(QString::fromStdString(pair[0]), QString::fromStdString(pair[1])));
    updateButtons();
}

void KeepApartDialog::updateButtons() {
    const QString first = firstBox_->currentText();
    const QString second = secondBox_->currentText();
    addButton_->setEnabled(!first.isEmpty() && !second.isEmpty() && first != second &&
                           !holds(first, second));
    removeButton_->setEnabled(pairsList_->currentRow() >= 0);
}

void KeepApartDialog::addPair() {
    if (!addButton_->isEnabled())
        return;
    pairs_.push_back({firstBox_->currentText().toStdString(),
                      secondBox_->currentText().toStdString()});
    showPairs();
    pairsList_->setCurrentRow(pairsList_->count() - 1);
}

void KeepApartDialog::removePair() {
    const int row = pairsList_->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= pairs_.size())
        return;
    pairs_.erase(pairs_.begin() + row);
    showPairs();
    pairsList_->setCurrentRow(std::min(row, pairsList_->count() - 1));
}
