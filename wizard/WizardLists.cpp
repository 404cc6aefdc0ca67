// Adding, deleting and sorting the entries of the people and food lists.

#include <QMessageBox>

#include "InputBox.h"
#include "WizardWindow.h"

namespace {

// Repeated entries are found by upper-casing a to z only; every other character compares as is.
QString UpperAscii(QString text) {
    for (QChar& c : text)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return text;
}

bool Holds(const TFlatListBox& list, const QString& text) {
    const QString wanted = UpperAscii(text);
    for (const QString& entry : list.items())
        if (UpperAscii(entry) == wanted)
            return true;
    return false;
}

const QString kSameMeal = QStringLiteral("I'm sorry, I can't add the same meal to the list!");

} // namespace

void TForm2::AddEntry(TJvInputBox& box, TFlatListBox& list, const QString& refusal) {
    if (!box.Execute())
        return;
    const QString text = box.value();
    if (!Holds(list, text)) {
        list.addItem(text);
        return;
    }
    QMessageBox message(QMessageBox::NoIcon, QStringLiteral("Error"), refusal, QMessageBox::Ok,
                        this);
    message.exec();
}

void TForm2::AddPerson() {
    if (!JvInputBox1->Execute())
        return;
    const QString name = JvInputBox1->value();
    if (!Holds(*FlatListBox1, name)) {
        FlatListBox1->addItem(name);
        return;
    }
    // Two scouts may share a name: the user decides.
    QMessageBox question(
        QMessageBox::NoIcon, QStringLiteral("Names"),
        QStringLiteral("The name you have entered is already in the list, add to the list?"),
        QMessageBox::Yes | QMessageBox::No, this);
    if (question.exec() == QMessageBox::Yes)
        FlatListBox1->addItemKeeping(name);
}

void TForm2::DeleteSelected(TFlatListBox& list) {
    const int index = list.selectedIndex();
    if (index >= 0 && index < list.count())
        list.deleteItem(index);
}

void TForm2::FlatSpeedButton1Click() {
    AddPerson();
}
void TForm2::FlatSpeedButton8Click() {
    AddEntry(*BI, *FlatListBox2, kSameMeal);
}
void TForm2::FlatSpeedButton10Click() {
    AddEntry(*LI, *FlatListBox3, kSameMeal);
}
void TForm2::FlatSpeedButton12Click() {
    AddEntry(*DI, *FlatListBox4, kSameMeal);
}
void TForm2::FlatSpeedButton17Click() {
    AddEntry(*snack, *FlatListBox5,
             QStringLiteral("I'm sorry, I can't add the same snack to the list!"));
}
void TForm2::FlatSpeedButton18Click() {
    AddEntry(*drink, *FlatListBox6,
             QStringLiteral("I'm sorry, I can't add the same drink to the list!"));
}

void TForm2::FlatSpeedButton2Click() {
    DeleteSelected(*FlatListBox1);
}
void TForm2::FlatSpeedButton9Click() {
    DeleteSelected(*FlatListBox2);
}
void TForm2::FlatSpeedButton11Click() {
    DeleteSelected(*FlatListBox3);
}
void TForm2::FlatSpeedButton13Click() {
    DeleteSelected(*FlatListBox4);
}
void TForm2::FlatSpeedButton19Click() {
    DeleteSelected(*FlatListBox5);
}
void TForm2::FlatSpeedButton20Click() {
    DeleteSelected(*FlatListBox6);
}

void TForm2::FlatCheckBox1Click() {
    FlatListBox1->setSorted(FlatCheckBox1->isChecked());
}
void TForm2::FlatCheckBox2Click() {
    FlatListBox2->setSorted(FlatCheckBox2->isChecked());
}
void TForm2::FlatCheckBox3Click() {
    FlatListBox3->setSorted(FlatCheckBox3->isChecked());
}
void TForm2::FlatCheckBox4Click() {
    FlatListBox4->setSorted(FlatCheckBox4->isChecked());
}
void TForm2::FlatCheckBox5Click() {
    FlatListBox5->setSorted(FlatCheckBox5->isChecked());
}
void TForm2::FlatCheckBox6Click() {
    FlatListBox6->setSorted(FlatCheckBox6->isChecked());
}
