#pragma once
// "Crews": the roster's meals in order, each with its cooks and clean-up crew. The leader puts
// another person into any place or swaps two places; the rules a meal's crews break show beside
// it at once, as warnings. OK keeps the changes, Cancel drops them.

#include <array>
#include <QDialog>
#include <string>
#include <vector>

#include "Roster.h"
#include "RosterWords.h"

class CrewsModel;
class QPushButton;
class QTableView;

class CrewsDialog : public QDialog {
    Q_OBJECT

public:
    // `keptApart`: the plan's pairs of names that should not share a meal's crews.
    CrewsDialog(const dutywise::Roster& roster, const dutywise::RosterWords& words,
                std::vector<std::array<std::string, 2>> keptApart = {},
                QWidget* parent = nullptr);

    // The roster with the changes made; changed places are marked as set by hand.
    const dutywise::Roster& roster() const;
    QTableView* table() const { return crewsTable_; }
    CrewsModel* model() const { return model_; }

private:
    void replacePerson(); // opens the chosen place's list of people
    void swapWith();      // asks for the place to swap the chosen one with
    void currentChanged();
    void fitRow(int row); // tall enough for each of the meal's warnings on a line

    CrewsModel* model_ = nullptr;
    QTableView* crewsTable_ = nullptr;
    QPushButton* replaceButton_ = nullptr;
    QPushButton* swapButton_ = nullptr;
};
