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
void BlackCaption(TFlatCheckBox& box) {
    QPalette pal = box.palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            pal.setColor(group, role, Qt::black);
    box.setPalette(pal);
    box.update();
}

} // namespace

void TForm2::FlatSpeedButton28Click() {
    for (QLabel* label :
         {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10, Label11,
          Label12, Label13, Label14, Label15, Label16, Label17, Label18, Label19})
        Opaque(*label);

    FlatCheckBox1->setTransparent(false);
    BlackCaption(*FlatCheckBox1);
    FlatCheckBox2->setTransparent(false);
    FlatCheckBox3->setTransparent(false);
    BlackCaption(*FlatCheckBox3);
    FlatCheckBox4->setTransparent(false);
    FlatCheckBox5->setTransparent(false);
    FlatCheckBox6->setTransparent(false);
    // The Finalization page's white caption, like the people list's.
    ShareEvenly->setTransparent(false);
    BlackCaption(*ShareEvenly);

    for (TFlatGroupBox* group :
         {FlatGroupBox1, FlatGroupBox2, FlatGroupBox3, FlatGroupBox4, FlatGroupBox5, FlatGroupBox6})
        group->setTransparent(false);
    // Saturday's group has a colour of its own, which an opaque group shows.
    const QColor saturday = FlatGroupBox7->palette().color(QPalette::Window);
    FlatGroupBox7->setTransparent(false);
    QPalette pal = FlatGroupBox7->palette();
    pal.setColor(QPalette::Window, saturday);
    FlatGroupBox7->setPalette(pal);

    for (TFlatListBox* list : {FlatListBox1, static_cast<TFlatListBox*>(days), FlatListBox2,
                               FlatListBox3, FlatListBox4, FlatListBox5, FlatListBox6})
        list->setTransparentMode(TFlatListBox::tmNone);
}
