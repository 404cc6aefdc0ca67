#pragma once
// "Who is there when?": a tick for every person and active meal, ticked = there. OK keeps the
// changes, Cancel drops them.

#include <QDialog>
#include <QStringList>
#include <vector>

#include "OutingPlan.h"

class FrozenColumnTable;
class PresenceModel;

class WhoIsThereDialog : public QDialog {
    Q_OBJECT

public:
    // People in the list's order, the active meals in the outing's order, and each person's
    // absences (one entry per person).
    WhoIsThereDialog(const QStringList& people, const std::vector<dutywise::MealSlot>& meals,
                     const std::vector<dutywise::MealSet>& away, QWidget* parent = nullptr);

    // Each person's absences with the changes made, bits of other meals as given.
    const std::vector<dutywise::MealSet>& away() const;
    FrozenColumnTable* table() const { return presenceTable_; }
    PresenceModel* model() const { return model_; }

private:
    void setSelectedRowsThere(bool there); // the context menu's two actions

    PresenceModel* model_ = nullptr;
    FrozenColumnTable* presenceTable_ = nullptr;
};
