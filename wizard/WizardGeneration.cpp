// The Generation page's tools: restyling, saving, printing, Fresh Start, Regenerate, About.

#include "WizardWindow.h"

void TForm2::FlatSpeedButton23Click() {}
void TForm2::FlatSpeedButton24Click() {}
void TForm2::FlatSpeedButton25Click() {}
void TForm2::FlatSpeedButton26Click() {}
void TForm2::FlatSpeedButton27Click() {}
void TForm2::FlatComboBox1Change() {}
void TForm2::FlatColorComboBox1Change() {}
void TForm2::FlatSpinEditInteger2Change() {}
void TForm2::FlatButton2Click() {}
void TForm2::FlatButton3Click() {}
void TForm2::FlatButton4Click() {}
