#pragma once
// The program's six windows, each one instance from start-up to exit, reachable from anywhere.

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;

extern TForm1* Form1; // welcome, the main window: closing it ends the program
extern TForm2* Form2; // wizard
extern TForm3* Form3; // hidden picture
extern TForm4* Form4; // about box
extern TForm5* Form5; // chooser
extern TForm6* Form6; // template chooser
