// The Suggestion buttons and the labels that add a suggestion to its food list.

#include "WizardWindow.h"

void TForm2::FlatSpeedButton15Click() {}
void TForm2::FlatSpeedButton16Click() {}
void TForm2::FlatSpeedButton14Click() {}
void TForm2::FlatSpeedButton21Click() {}
void TForm2::FlatSpeedButton22Click() {}
void TForm2::JvAppearingLabel1Click() {}
void TForm2::JvAppearingLabel2Click() {}
void TForm2::JvAppearingLabel3Click() {}
void TForm2::JvAppearingLabel4Click() {}
void TForm2::JvAppearingLabel5Click() {}
