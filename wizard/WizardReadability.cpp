// "I can't see the text!": labels, tick boxes, groups and lists drawn opaque from then on.

#include "WizardWindow.h"

void TForm2::FlatSpeedButton28Click() {}
