// The Generation page's tools: restyling, saving, printing, Fresh Start, Regenerate, About.

#include "AppearingLabel.h"
#include "DocumentTools.h"
#include "EditorDocument.h"
#include "FlatColorComboBox.h"
#include "FlatControls.h"
#include "FlatListBox.h"
#include "FlatSpinEdit.h"
#include "WizardWindow.h"

void TForm2::FlatSpeedButton23Click() {
    dutywise::ToggleBold(*document_);
}
void TForm2::FlatSpeedButton24Click() {
    dutywise::ToggleItalic(*document_);
}
void TForm2::FlatSpeedButton25Click() {
    dutywise::ToggleUnderline(*document_);
}

void TForm2::FlatComboBox1Change() {
    dutywise::SetSelectionFont(*document_, FlatComboBox1->currentText().toStdString());
}

void TForm2::FlatColorComboBox1Change() {
    const QColor c = FlatColorComboBox1->value();
    dutywise::SetSelectionColor(*document_,
                                dutywise::Color::Rgb(static_cast<std::uint8_t>(c.red()),
                                                     static_cast<std::uint8_t>(c.green()),
                                                     static_cast<std::uint8_t>(c.blue())));
}

// The box's value as its text reads now: typed numbers apply as typed until it loses the focus.
void TForm2::FlatSpinEditInteger2Change() {
    dutywise::SetSelectionSize(*document_, FlatSpinEditInteger2->value());
}

void TForm2::FlatSpeedButton26Click() {
    const dutywise::SaveResult result =
        dutywise::SaveRoster(*document_, FlatEdit2->text().toStdString(), saveTarget_, pdfService_);
    if (result.status == dutywise::SaveResult::Status::Failed)
        ShowMessage(result.message);
}

void TForm2::FlatSpeedButton27Click() {
    if (auto error =
            dutywise::PrintRoster(*document_, FlatEdit2->text().toStdString(), printService_))
        ShowMessage(*error);
}

void TForm2::FlatButton2Click() {
    Label16->show();
    document_->ClearDocument();
    FlatEdit1->clear();
    FlatEdit2->clear();
    FlatListBox1->clear();
    FlatSpeedButton7Click(); // Uncheck All Days, which hides the day groups
    FlatSpeedButton4Click(); // Uncheck All Meals
    FlatListBox2->clear();
    FlatListBox3->clear();
    FlatListBox4->clear();
    for (TJvAppearingLabel* label : {JvAppearingLabel1, JvAppearingLabel2, JvAppearingLabel3,
                                     JvAppearingLabel4, JvAppearingLabel5})
        label->hide();
    FlatListBox5->clear();
    FlatListBox6->clear();
    NS->setValue(2);
    ShareEvenly->setChecked(false);
    TabbedNotebook1->setCurrentIndex(0);
}

void TForm2::FlatButton3Click() {
    FlatButton1Click();
}

void TForm2::FlatButton4Click() {
    emit aboutRequested();
}
