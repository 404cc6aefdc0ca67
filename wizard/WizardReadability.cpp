// "I can't see the text!": labels, tick boxes, groups and lists drawn opaque from then on.

#include "FlatControls.h"
#include "FlatListBox.h"
#include "WizardWindow.h"

namespace {

// Opaque on the page's own colour, the button face.
void Opaque(QLabel& label) {
    QPalette pal = label.palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    label.setPalette(pal);
    label.setAutoFillBackground(true);
    label.update();
}

// Only the caption's colour: its font (bold or not) stays.
void BlackCaption(FlatCheckBox& box) {
    QPalette pal = box.palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            pal.setColor(group, role, Qt::black);
    box.setPalette(pal);
    box.update();
}

} // namespace

void WizardWindow::makeTextReadable() {
    for (QLabel* label : {introText, outingNamePrompt, peoplePrompt, daysPrompt, patrolNamePrompt,
                          mealsIntro, breakfastsPrompt, lunchesPrompt, dinnersPrompt, snacksIntro,
                          snacksPrompt, drinksPrompt, crewSizePrompt, crewSizeLimit, buildPrompt,
                          generationNotice, tagline, limitQuestion, limitReason, seasonLabel})
        Opaque(*label);

    peopleSortedBox->setTransparent(false);
    BlackCaption(*peopleSortedBox);
    breakfastsSortedBox->setTransparent(false);
    lunchesSortedBox->setTransparent(false);
    BlackCaption(*lunchesSortedBox);
    dinnersSortedBox->setTransparent(false);
    snacksSortedBox->setTransparent(false);
    drinksSortedBox->setTransparent(false);
    // The Finalization page's white caption, like the people list's.
    shareEvenlyBox->setTransparent(false);
    BlackCaption(*shareEvenlyBox);

    startDateBox->setTransparent(false);

    for (FlatGroupBox* group :
         {sundayGroup, mondayGroup, tuesdayGroup, wednesdayGroup, thursdayGroup, fridayGroup})
        group->setTransparent(false);
    // Saturday's group has a colour of its own, which an opaque group shows.
    const QColor saturday = saturdayGroup->palette().color(QPalette::Window);
    saturdayGroup->setTransparent(false);
    QPalette pal = saturdayGroup->palette();
    pal.setColor(QPalette::Window, saturday);
    saturdayGroup->setPalette(pal);

    for (FlatListBox* list : {peopleList, static_cast<FlatListBox*>(daysList), breakfastsList,
                              lunchesList, dinnersList, snacksList, drinksList})
        list->setTransparentMode(FlatListBox::tmNone);
}
