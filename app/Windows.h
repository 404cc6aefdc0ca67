#pragma once
// The program's six windows, each one instance from start-up to exit, reachable from anywhere.

class WelcomeWindow;
class WizardWindow;
class HiddenPictureWindow;
class AboutBox;
class ChooserWindow;
class TemplateChooser;

extern WelcomeWindow* welcomeWindow; // welcome, the main window: closing it ends the program
extern WizardWindow* wizardWindow;   // wizard
extern HiddenPictureWindow* hiddenPictureWindow; // hidden picture
extern AboutBox* aboutBox;                       // about box
extern ChooserWindow* chooserWindow;             // chooser
extern TemplateChooser* templateChooser;         // template chooser
