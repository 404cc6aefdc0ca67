<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>About...</source>
        <translation>Info…</translation>
    </message>
    <message>
        <source>Dutywise</source>
        <translation>Dutywise</translation>
    </message>
    <message>
        <source>Version: 4.1</source>
        <translation>Version: 4.1</translation>
    </message>
    <message>
        <source>Build Date: Sep. 23, 2004 4:11 PM</source>
        <translation>Erstellt: 23.09.2004, 16:11</translation>
    </message>
    <message>
        <source>Trailhead Software, for every patrol</source>
        <translation>Trailhead Software, für jede Sippe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>ChooserWindow</name>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Please select which option you would like for your Boy Scout Roster:</source>
        <translation>Wie möchtest du deinen Dienstplan erstellen?</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Assistent</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: dutywise [--help] [--version] [PLAN.dutywise]</source>
        <translation>Aufruf: dutywise [--help] [--version] [PLAN.dutywise]</translation>
    </message>
    <message>
        <source>Dutywise builds the duty roster of a scout patrol&apos;s camping outing.</source>
        <translation>Dutywise erstellt den Dienstplan einer Pfadfindersippe für Fahrt und Lager.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>An outing plan to load into the wizard.</source>
        <translation>Ein Fahrtenplan, den der Assistent laden soll.</translation>
    </message>
    <message>
        <source>give at most one plan file.</source>
        <translation>höchstens eine Plandatei angeben.</translation>
    </message>
</context>
<context>
    <name>CrewsDialog</name>
    <message>
        <source>Crews</source>
        <translation>Dienste</translation>
    </message>
    <message>
        <source>Double-click a place, or choose it and press Replace..., to put another person there. Swap With... swaps two places. A place you set stays when the roster is regenerated.</source>
        <translation>Doppelklicke auf einen Platz oder wähle ihn und drücke „Ersetzen…“, um jemand anderen einzutragen. „Tauschen mit…“ tauscht zwei Plätze. Was du von Hand setzt, bleibt bei „Neu erstellen“ erhalten.</translation>
    </message>
    <message>
        <source>Crews of every meal</source>
        <translation>Dienste aller Mahlzeiten</translation>
    </message>
    <message>
        <source>Replace...</source>
        <translation>Ersetzen…</translation>
    </message>
    <message>
        <source>Replace the person in the chosen place</source>
        <translation>Person am gewählten Platz ersetzen</translation>
    </message>
    <message>
        <source>Swap With...</source>
        <translation>Tauschen mit…</translation>
    </message>
    <message>
        <source>Swap the chosen place with another</source>
        <translation>Gewählten Platz mit einem anderen tauschen</translation>
    </message>
    <message>
        <source>Swap Places</source>
        <translation>Plätze tauschen</translation>
    </message>
    <message>
        <source>Swap %1 with:</source>
        <translation>%1 tauschen mit:</translation>
    </message>
</context>
<context>
    <name>CrewsModel</name>
    <message>
        <source>Person for %1</source>
        <translation>Person für %1</translation>
    </message>
    <message>
        <source>%1 (away)</source>
        <translation>%1 (nicht da)</translation>
    </message>
    <message>
        <source>%1 is away for this meal</source>
        <translation>%1 ist bei dieser Mahlzeit nicht da</translation>
    </message>
    <message>
        <source>%1 is twice in one crew</source>
        <translation>%1 ist zweimal im selben Dienst</translation>
    </message>
    <message>
        <source>%1 is on both crews</source>
        <translation>%1 hat Kochen und Abwasch zugleich</translation>
    </message>
    <message>
        <source>%1 was on duty at the meal before</source>
        <translation>%1 hatte bei der Mahlzeit davor Dienst</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>No warnings</source>
        <translation>Keine Warnungen</translation>
    </message>
    <message>
        <source>%1, set by hand</source>
        <translation>%1, von Hand gesetzt</translation>
    </message>
    <message>
        <source>Meal</source>
        <translation>Mahlzeit</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>Cook %1</source>
        <translation>Kochen %1</translation>
    </message>
    <message>
        <source>Clean-up %1</source>
        <translation>Abwasch %1</translation>
    </message>
    <message>
        <source>%1 and %2 are to be kept apart</source>
        <translation>%1 und %2 sollen getrennt bleiben</translation>
    </message>
</context>
<context>
    <name>EditorDocument</name>
    <message>
        <source>Self Interpreter</source>
        <translation>Selbstinterpreter</translation>
    </message>
    <message>
        <source>Dutywise roster generator</source>
        <translation>Dutywise-Dienstplangenerator</translation>
    </message>
    <message>
        <source>Build a roster on the Finalization page</source>
        <translation>Erstelle einen Dienstplan auf der Seite „Abschluss“</translation>
    </message>
    <message>
        <source>NO RESULTS ARE GENERATED</source>
        <translation>NOCH KEINE ERGEBNISSE</translation>
    </message>
    <message>
        <source>ALL PROGRAM ENVIRONMENT VARIABLES ARE NIL</source>
        <translation>ALLE UMGEBUNGSVARIABLEN SIND NIL</translation>
    </message>
</context>
<context>
    <name>EngineMessages</name>
    <message>
        <source>Cannot open plan %1. %2</source>
        <translation>Der Plan %1 lässt sich nicht öffnen. %2</translation>
    </message>
    <message>
        <source>Cannot create file %1. %2</source>
        <translation>Die Datei %1 lässt sich nicht anlegen. %2</translation>
    </message>
    <message>
        <source>Cannot write file %1. %2</source>
        <translation>Die Datei %1 lässt sich nicht schreiben. %2</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>It is a folder, not a plan.</source>
        <translation>Das ist ein Ordner, kein Plan.</translation>
    </message>
    <message>
        <source>It is not a plain file.</source>
        <translation>Das ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The file is larger than 16 MiB; a plan is far smaller.</source>
        <translation>Die Datei ist größer als 16 MiB; ein Plan ist viel kleiner.</translation>
    </message>
    <message>
        <source>This file is not UTF-8 text.</source>
        <translation>Diese Datei ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>This file is not a Dutywise plan.</source>
        <translation>Diese Datei ist kein Dutywise-Plan.</translation>
    </message>
    <message>
        <source>This file is not valid JSON (at byte %1).</source>
        <translation>Diese Datei ist kein gültiges JSON (bei Byte %1).</translation>
    </message>
    <message>
        <source>The plan does not say its version.</source>
        <translation>Der Plan nennt seine Version nicht.</translation>
    </message>
    <message>
        <source>This plan was written by a newer Dutywise (version %1).</source>
        <translation>Dieser Plan stammt von einem neueren Dutywise (Version %1).</translation>
    </message>
    <message>
        <source>The plan&apos;s version (%1) is not one Dutywise knows.</source>
        <translation>Die Version des Plans (%1) kennt Dutywise nicht.</translation>
    </message>
    <message>
        <source>The field &quot;sorted&quot; must hold true or false for each list.</source>
        <translation>Das Feld &quot;sorted&quot; muss für jede Liste true oder false enthalten.</translation>
    </message>
    <message>
        <source>The field &quot;days&quot; must be a list of day names.</source>
        <translation>Das Feld &quot;days&quot; muss eine Liste von Tagesnamen sein.</translation>
    </message>
    <message>
        <source>The field &quot;meals&quot; must hold a list of meal names for each day.</source>
        <translation>Das Feld &quot;meals&quot; muss für jeden Tag eine Liste von Mahlzeiten enthalten.</translation>
    </message>
    <message>
        <source>The field %1 must be a text.</source>
        <translation>Das Feld %1 muss ein Text sein.</translation>
    </message>
    <message>
        <source>The field %1 must be a list of texts.</source>
        <translation>Das Feld %1 muss eine Liste von Texten sein.</translation>
    </message>
    <message>
        <source>The field %1 must be true or false.</source>
        <translation>Das Feld %1 muss true oder false sein.</translation>
    </message>
    <message>
        <source>The field %1 must be a whole number.</source>
        <translation>Das Feld %1 muss eine ganze Zahl sein.</translation>
    </message>
    <message>
        <source>The field %1 must be a list of meal names.</source>
        <translation>Das Feld %1 muss eine Liste von Mahlzeiten sein.</translation>
    </message>
    <message>
        <source>Unknown day %1 in the field %2.</source>
        <translation>Unbekannter Tag %1 im Feld %2.</translation>
    </message>
    <message>
        <source>Unknown meal %1 in the field %2.</source>
        <translation>Unbekannte Mahlzeit %1 im Feld %2.</translation>
    </message>
    <message>
        <source>The field &quot;roster&quot; must be a list of meals.</source>
        <translation>Das Feld &quot;roster&quot; muss eine Liste von Mahlzeiten sein.</translation>
    </message>
    <message>
        <source>The field &quot;roster.byHand&quot; must hold the places set by hand for each crew.</source>
        <translation>Das Feld &quot;roster.byHand&quot; muss für jede Mannschaft die von Hand gesetzten Plätze enthalten.</translation>
    </message>
    <message>
        <source>The field &quot;startDate&quot; must be a date written as YYYY-MM-DD.</source>
        <translation>Das Feld &quot;startDate&quot; muss ein Datum in der Form YYYY-MM-DD sein.</translation>
    </message>
    <message>
        <source>The field %1 must be a list of places in the crew.</source>
        <translation>Das Feld %1 muss eine Liste von Plätzen der Mannschaft sein.</translation>
    </message>
    <message>
        <source>The meal %1 in the field %2 is not one of the plan&apos;s ticked meals.</source>
        <translation>Die Mahlzeit %1 im Feld %2 ist keine der angekreuzten Mahlzeiten des Plans.</translation>
    </message>
    <message>
        <source>The meal %1 is twice in the field %2.</source>
        <translation>Die Mahlzeit %1 steht zweimal im Feld %2.</translation>
    </message>
    <message>
        <source>The name %1 in the field %2 is not among the plan&apos;s people.</source>
        <translation>Der Name %1 im Feld %2 gehört zu keiner Person des Plans.</translation>
    </message>
    <message>
        <source>This file is not valid JSON.</source>
        <translation>Diese Datei ist kein gültiges JSON.</translation>
    </message>
    <message>
        <source>The field %1 must not hold a line break or another control character.</source>
        <translation>Das Feld %1 darf keinen Zeilenumbruch und kein anderes Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>The field &quot;away&quot; must hold a list of meals for each person.</source>
        <translation>Das Feld &quot;away&quot; muss für jede Person eine Liste von Mahlzeiten enthalten.</translation>
    </message>
    <message>
        <source>The field &quot;away&quot; must have one entry for each person (%1, not %2).</source>
        <translation>Das Feld &quot;away&quot; muss für jede Person einen Eintrag haben (%1, nicht %2).</translation>
    </message>
    <message>
        <source>There is no built roster yet: press Build first.</source>
        <translation>Es gibt noch keinen Dienstplan: klicke zuerst auf „Erstellen“.</translation>
    </message>
    <message>
        <source>The calendar needs the outing&apos;s start date (Days page).</source>
        <translation>Der Kalender braucht das Anfangsdatum des Lagers (Seite „Tage“).</translation>
    </message>
    <message>
        <source>The field &quot;keepApart&quot; must be a list of pairs of names.</source>
        <translation>Das Feld &quot;keepApart&quot; muss eine Liste von Namenspaaren sein.</translation>
    </message>
    <message>
        <source>The field %1 must hold the duties and meals of each person by name.</source>
        <translation>Das Feld %1 muss die Dienste und Mahlzeiten jeder Person nach Namen enthalten.</translation>
    </message>
    <message>
        <source>The number %1 in the field %2 is not from 0 to 1000000.</source>
        <translation>Die Zahl %1 im Feld %2 liegt nicht zwischen 0 und 1000000.</translation>
    </message>
    <message>
        <source>This plan kept no roster to carry the season on from.</source>
        <translation>Dieser Plan enthält keinen Dienstplan, mit dem sich die Saison fortsetzen ließe.</translation>
    </message>
    <message>
        <source>Cannot continue the season from plan %1. %2</source>
        <translation>Die Saison lässt sich nicht mit dem Plan %1 fortsetzen. %2</translation>
    </message>
</context>
<context>
    <name>FlatColorComboBox</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
</context>
<context>
    <name>FlatSpinEdit</name>
    <message>
        <source>Up</source>
        <translation>Höher</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Niedriger</translation>
    </message>
</context>
<context>
    <name>HiddenPictureWindow</name>
    <message>
        <source>You found my Easter Egg</source>
        <translation>Du hast mein Osterei gefunden</translation>
    </message>
    <message>
        <source>Scoutmaster, Trailhead Software
Sam Ridley</source>
        <translation>Leiter, Trailhead Software
Sam Ridley</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>InputBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>KeepApartDialog</name>
    <message>
        <source>Keep Apart</source>
        <translation>Getrennt halten</translation>
    </message>
    <message>
        <source>Choose two people who should not cook or clean up at the same meal and press Add Pair. The draw keeps them apart when duties are shared evenly.</source>
        <translation>Wähle zwei Personen, die nicht bei derselben Mahlzeit kochen oder abwaschen sollen, und drücke „Paar hinzufügen“. Werden die Dienste fair verteilt, hält die Auslosung sie getrennt.</translation>
    </message>
    <message>
        <source>First person of the pair</source>
        <translation>Erste Person des Paars</translation>
    </message>
    <message>
        <source>Second person of the pair</source>
        <translation>Zweite Person des Paars</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <source>Add Pair</source>
        <translation>Paar hinzufügen</translation>
    </message>
    <message>
        <source>Add the pair</source>
        <translation>Das Paar hinzufügen</translation>
    </message>
    <message>
        <source>Pairs kept apart</source>
        <translation>Getrennt gehaltene Paare</translation>
    </message>
    <message>
        <source>Remove Pair</source>
        <translation>Paar entfernen</translation>
    </message>
    <message>
        <source>Remove the chosen pair</source>
        <translation>Das gewählte Paar entfernen</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
</context>
<context>
    <name>PresenceModel</name>
    <message>
        <source>Person</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2: there</source>
        <translation>%1, %2: da</translation>
    </message>
    <message>
        <source>%1, %2: away</source>
        <translation>%1, %2: nicht da</translation>
    </message>
</context>
<context>
    <name>QtPdfService</name>
    <message>
        <source>The PDF could not be made in memory.</source>
        <translation>Das PDF konnte nicht im Speicher erstellt werden.</translation>
    </message>
    <message>
        <source>The PDF writer could not finish the document.</source>
        <translation>Das PDF konnte nicht fertig geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>QtPlanDialogs</name>
    <message>
        <source>Dutywise Plans (*.dutywise)</source>
        <translation>Dutywise-Pläne (*.dutywise)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation>Plan speichern</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>Plan öffnen</translation>
    </message>
</context>
<context>
    <name>QtPrintService</name>
    <message>
        <source>The printer &quot;%1&quot; cannot be used.</source>
        <translation>Der Drucker „%1“ kann nicht benutzt werden.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start the job &quot;%2&quot;.</source>
        <translation>Der Drucker „%1“ konnte den Auftrag „%2“ nicht beginnen.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; failed to print &quot;%2&quot;.</source>
        <translation>Der Drucker „%1“ konnte „%2“ nicht drucken.</translation>
    </message>
    <message>
        <source>No default printer is set up. Set up a printer as the default printer of this computer, then print again.</source>
        <translation>Es ist kein Standarddrucker eingerichtet. Richte einen Drucker als Standarddrucker dieses Computers ein und drucke dann erneut.</translation>
    </message>
</context>
<context>
    <name>QtSaveTarget</name>
    <message>
        <source>Rich Text (*.RTF)</source>
        <translation>Rich Text (*.RTF)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Notice board (PDF) (*.pdf)</source>
        <translation>Aushang (PDF) (*.pdf)</translation>
    </message>
    <message>
        <source>Each scout&apos;s duties (PDF) (*.pdf)</source>
        <translation>Dienste je Person (PDF) (*.pdf)</translation>
    </message>
    <message>
        <source>Calendar (*.ics)</source>
        <translation>Kalender (*.ics)</translation>
    </message>
    <message>
        <source>Spreadsheet (*.csv)</source>
        <translation>Tabelle (*.csv)</translation>
    </message>
</context>
<context>
    <name>RosterWords</name>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>Frühstück</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Mittagessen</translation>
    </message>
    <message>
        <source>Dinner</source>
        <translation>Abendessen</translation>
    </message>
    <message>
        <source>%1&apos;s Roster</source>
        <translation>Dienstplan der Sippe %1</translation>
    </message>
    <message>
        <source>Cook: %1</source>
        <translation>Kochen: %1</translation>
    </message>
    <message>
        <source>Cleanup: %1</source>
        <translation>Abwasch: %1</translation>
    </message>
    <message>
        <source>Meal: %1</source>
        <translation>Gericht: %1</translation>
    </message>
    <message>
        <source>Snacks</source>
        <translation>Snacks</translation>
    </message>
    <message>
        <source>Drinks</source>
        <translation>Getränke</translation>
    </message>
    <message>
        <source>Duties</source>
        <translation>Dienste</translation>
    </message>
    <message>
        <source>%1: %2 (%3 cook, %4 cleanup)</source>
        <translation>%1: %2 (%3× Kochen, %4× Abwasch)</translation>
    </message>
    <message>
        <source>Please enter the name of the Boy Scout Outing!</source>
        <translation>Bitte gib den Namen der Fahrt ein!</translation>
    </message>
    <message>
        <source>You don&apos;t have enough people to perform the task of cleaning up or cooking!
Please shorten the limit!</source>
        <translation>Es sind zu wenige Leute zum Kochen und Abwaschen da!
Stell weniger Leute pro Dienst ein!</translation>
    </message>
    <message>
        <source>Just a suggestion, please enter some more names in the beginning!</source>
        <translation>Nur ein Tipp: gib am Anfang noch ein paar Namen mehr ein!</translation>
    </message>
    <message>
        <source>I can&apos;t let you generate a roster without Breakfast.
If you can&apos;t think of a breakfast, choose a suggestion.</source>
        <translation>Ohne Frühstück kann ich keinen Dienstplan erstellen.
Wenn dir keins einfällt, nimm einen Vorschlag.</translation>
    </message>
    <message>
        <source>I can&apos;t let you generate a roster without Lunch.
If you can&apos;t think of a lunch, choose a suggestion.</source>
        <translation>Ohne Mittagessen kann ich keinen Dienstplan erstellen.
Wenn dir keins einfällt, nimm einen Vorschlag.</translation>
    </message>
    <message>
        <source>I can&apos;t let you generate a roster without Dinner.
If you can&apos;t think of a dinner, choose a suggestion.</source>
        <translation>Ohne Abendessen kann ich keinen Dienstplan erstellen.
Wenn dir keins einfällt, nimm einen Vorschlag.</translation>
    </message>
    <message>
        <source>Completed!</source>
        <translation>Fertig!</translation>
    </message>
    <message>
        <source>You found the hidden picture!</source>
        <translation>Du hast das versteckte Bild gefunden!</translation>
    </message>
    <message>
        <source>, at %1 of %2 meals</source>
        <translation>, bei %1 von %2 Mahlzeiten da</translation>
    </message>
    <message>
        <source>Not enough people are there for %1 %2!
Please shorten the limit or mark more people as there.</source>
        <translation>Für %2 am %1 sind nicht genug Leute da!
Stell weniger Leute pro Dienst ein oder hake bei mehr Leuten diese Mahlzeit an.</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A day with its date: weekday, day of the month, month (&quot;Friday 11 June&quot;)</extracomment>
        <translation>%1, %2. %3</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <extracomment>The notice board&apos;s title: the outing, the patrol</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1 there</source>
        <translation>%1 da</translation>
    </message>
    <message>
        <source>cook</source>
        <translation>Kochen</translation>
    </message>
    <message>
        <source>clean-up</source>
        <translation>Abwasch</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <extracomment>A duty on a scout&apos;s slip: the day, the meal, the duty</extracomment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>, with %1</source>
        <translation>, mit %1</translation>
    </message>
    <message>
        <source>Duties: %1 (%2 cook, %3 clean-up)</source>
        <translation>Dienste: %1 (%2 Kochen, %3 Abwasch)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A calendar event&apos;s title: the meal, the outing</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Meal</source>
        <translation>Mahlzeit</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Dish</source>
        <translation>Gericht</translation>
    </message>
    <message>
        <source>; season total %1</source>
        <translation>; in der Saison insgesamt %1</translation>
    </message>
</context>
<context>
    <name>RosterWordsInSentence</name>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>das Frühstück</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>das Mittagessen</translation>
    </message>
    <message>
        <source>Dinner</source>
        <translation>das Abendessen</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Cannot start &quot;%1&quot;: &quot;%2&quot; is longer than %3 characters.</source>
        <translation>„%1“ kann nicht starten: „%2“ ist länger als %3 Zeichen.</translation>
    </message>
    <message>
        <source>Cannot start &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht starten: %2</translation>
    </message>
</context>
<context>
    <name>TemplateChooser</name>
    <message>
        <source>Packready Templates</source>
        <translation>Fertige Vorlagen</translation>
    </message>
    <message>
        <source>Please select how many days there will be on the outing:</source>
        <translation>Wie viele Tage dauert die Fahrt?</translation>
    </message>
    <message>
        <source>Number of days</source>
        <translation>Anzahl der Tage</translation>
    </message>
    <message>
        <source>1 Day</source>
        <translation>1 Tag</translation>
    </message>
    <message>
        <source>2 Days</source>
        <translation>2 Tage</translation>
    </message>
    <message>
        <source>3 Days</source>
        <translation>3 Tage</translation>
    </message>
    <message>
        <source>4 Days</source>
        <translation>4 Tage</translation>
    </message>
    <message>
        <source>5 Days</source>
        <translation>5 Tage</translation>
    </message>
    <message>
        <source>6 Days</source>
        <translation>6 Tage</translation>
    </message>
    <message>
        <source>7 Days</source>
        <translation>7 Tage</translation>
    </message>
    <message>
        <source>Edit a Template</source>
        <translation>Vorlage bearbeiten</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Please select the number of days in the outing!</source>
        <translation>Bitte wähle die Anzahl der Tage der Fahrt!</translation>
    </message>
</context>
<context>
    <name>WelcomeWindow</name>
    <message>
        <source>Dutywise v4.1</source>
        <translation>Dutywise v4.1</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Sam Ridley</source>
        <translation>Sam Ridley</translation>
    </message>
    <message>
        <source>Scoutmaster, Trailhead Software</source>
        <translation>Leiter, Trailhead Software</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Welcome to Dutywise 4.1. I have changed the program just a LITTLE. At least this time, you have a choice of a template or a generated roster. If you have any questions or problems, my email is:%1. Thank you for using this program.

Happy Roster Generating.</source>
        <translation>Willkommen bei Dutywise 4.1. Ich habe das Programm nur ein KLEIN WENIG geändert. Jetzt kannst du zwischen einer Vorlage und einem Dienstplan vom Programm wählen. Fragen oder Probleme? Schreib mir: %1. Danke fürs Benutzen!

Viel Spaß beim Planen!</translation>
    </message>
</context>
<context>
    <name>WhoIsThereDialog</name>
    <message>
        <source>Who is there when?</source>
        <translation>Wer ist wann da?</translation>
    </message>
    <message>
        <source>Untick the meals a person is away from. The tick on a name ticks or clears the whole row.</source>
        <translation>Nimm das Häkchen bei den Mahlzeiten weg, bei denen jemand fehlt. Das Häkchen am Namen setzt oder entfernt alle Häkchen der Zeile.</translation>
    </message>
    <message>
        <source>Who is there when</source>
        <translation>Wer ist wann da</translation>
    </message>
    <message>
        <source>There for Every Meal</source>
        <translation>Bei jeder Mahlzeit da</translation>
    </message>
    <message>
        <source>Away from Every Meal</source>
        <translation>Bei keiner Mahlzeit da</translation>
    </message>
</context>
<context>
    <name>WizardWindow</name>
    <message>
        <source>Dutywise v4.1</source>
        <translation>Dutywise v4.1</translation>
    </message>
    <message>
        <source>Basics</source>
        <translation>Grundlagen</translation>
    </message>
    <message>
        <source>Welcome to Dutywise. This program will generate a Boy Scout Outing Roster for any Boy Scout Troop. First, you must enter the &quot;basics&quot;, which start out a roster. If you would fill out the text boxes below, the roster can continue.</source>
        <translation>Willkommen bei Dutywise. Dieses Programm erstellt den Dienstplan für die Fahrt jeder Pfadfindergruppe. Gib zuerst die „Grundlagen“ ein, mit denen ein Dienstplan beginnt. Wenn du die Felder unten ausfüllst, geht es weiter.</translation>
    </message>
    <message>
        <source>What is the name of the Boy Scout Outing?</source>
        <translation>Wie heißt die Fahrt?</translation>
    </message>
    <message>
        <source>Outing name</source>
        <translation>Name der Fahrt</translation>
    </message>
    <message>
        <source>What is the name of the patrol?</source>
        <translation>Wie heißt die Sippe?</translation>
    </message>
    <message>
        <source>Patrol name</source>
        <translation>Name der Sippe</translation>
    </message>
    <message>
        <source>Who are the people on the outing/in the patrol?</source>
        <translation>Wer fährt mit, wer ist in der Sippe?</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Leute</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Add person</source>
        <translation>Person hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete person</source>
        <translation>Person löschen</translation>
    </message>
    <message>
        <source>This list should be sorted</source>
        <translation>Liste sortieren</translation>
    </message>
    <message>
        <source>Open Plan...</source>
        <translation>Plan öffnen…</translation>
    </message>
    <message>
        <source>Open plan</source>
        <translation>Plan öffnen</translation>
    </message>
    <message>
        <source>Save Plan...</source>
        <translation>Speichern…</translation>
    </message>
    <message>
        <source>Save plan</source>
        <translation>Plan speichern</translation>
    </message>
    <message>
        <source>Dutywise
A roster for every outing, fair to every scout</source>
        <translation>Dutywise
Ein Dienstplan für jede Fahrt, gerecht für alle</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Which days of the week are you going on the Outing?</source>
        <translation>An welchen Wochentagen seid ihr auf Fahrt?</translation>
    </message>
    <message>
        <source>Check All Days</source>
        <translation>Alle Tage wählen</translation>
    </message>
    <message>
        <source>Uncheck All Days</source>
        <translation>Keinen Tag wählen</translation>
    </message>
    <message>
        <source>Check All Meals</source>
        <translation>Alle Mahlzeiten wählen</translation>
    </message>
    <message>
        <source>Uncheck All Meals</source>
        <translation>Keine Mahlzeit wählen</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>Frühstück</translation>
    </message>
    <message>
        <source>Sunday Breakfast</source>
        <translation>Sonntag, Frühstück</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Mittag</translation>
    </message>
    <message>
        <source>Sunday Lunch</source>
        <translation>Sonntag, Mittagessen</translation>
    </message>
    <message>
        <source>Dinner</source>
        <translation>Abend</translation>
    </message>
    <message>
        <source>Sunday Dinner</source>
        <translation>Sonntag, Abendessen</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Monday Breakfast</source>
        <translation>Montag, Frühstück</translation>
    </message>
    <message>
        <source>Monday Lunch</source>
        <translation>Montag, Mittagessen</translation>
    </message>
    <message>
        <source>Monday Dinner</source>
        <translation>Montag, Abendessen</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Tuesday Breakfast</source>
        <translation>Dienstag, Frühstück</translation>
    </message>
    <message>
        <source>Tuesday Lunch</source>
        <translation>Dienstag, Mittagessen</translation>
    </message>
    <message>
        <source>Tuesday Dinner</source>
        <translation>Dienstag, Abendessen</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Wednesday Breakfast</source>
        <translation>Mittwoch, Frühstück</translation>
    </message>
    <message>
        <source>Wednesday Lunch</source>
        <translation>Mittwoch, Mittagessen</translation>
    </message>
    <message>
        <source>Wednesday Dinner</source>
        <translation>Mittwoch, Abendessen</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Thursday Breakfast</source>
        <translation>Donnerstag, Frühstück</translation>
    </message>
    <message>
        <source>Thursday Lunch</source>
        <translation>Donnerstag, Mittagessen</translation>
    </message>
    <message>
        <source>Thursday Dinner</source>
        <translation>Donnerstag, Abendessen</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Friday Breakfast</source>
        <translation>Freitag, Frühstück</translation>
    </message>
    <message>
        <source>Friday Lunch</source>
        <translation>Freitag, Mittagessen</translation>
    </message>
    <message>
        <source>Friday Dinner</source>
        <translation>Freitag, Abendessen</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Saturday Breakfast</source>
        <translation>Samstag, Frühstück</translation>
    </message>
    <message>
        <source>Saturday Lunch</source>
        <translation>Samstag, Mittagessen</translation>
    </message>
    <message>
        <source>Saturday Dinner</source>
        <translation>Samstag, Abendessen</translation>
    </message>
    <message>
        <source>Meals</source>
        <translation>Essen</translation>
    </message>
    <message>
        <source>What are some of the meals that will be made on the outing?</source>
        <translation>Welche Gerichte wollt ihr auf der Fahrt kochen?</translation>
    </message>
    <message>
        <source>What&apos;s for Breakfast?</source>
        <translation>Was gibt es zum Frühstück?</translation>
    </message>
    <message>
        <source>Breakfasts</source>
        <translation>Frühstück</translation>
    </message>
    <message>
        <source>Add breakfast</source>
        <translation>Frühstück hinzufügen</translation>
    </message>
    <message>
        <source>Delete breakfast</source>
        <translation>Frühstück löschen</translation>
    </message>
    <message>
        <source>Sorted</source>
        <translation>Sortiert</translation>
    </message>
    <message>
        <source>Sort breakfast list</source>
        <translation>Frühstücksliste sortieren</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Vorschlag</translation>
    </message>
    <message>
        <source>Breakfast suggestion</source>
        <translation>Vorschlag fürs Frühstück</translation>
    </message>
    <message>
        <source>What&apos;s for Lunch?</source>
        <translation>Was gibt es mittags?</translation>
    </message>
    <message>
        <source>Lunches</source>
        <translation>Mittagessen</translation>
    </message>
    <message>
        <source>Add lunch</source>
        <translation>Mittagessen hinzufügen</translation>
    </message>
    <message>
        <source>Delete lunch</source>
        <translation>Mittagessen löschen</translation>
    </message>
    <message>
        <source>Sort lunch list</source>
        <translation>Mittagessen-Liste sortieren</translation>
    </message>
    <message>
        <source>Lunch suggestion</source>
        <translation>Vorschlag fürs Mittagessen</translation>
    </message>
    <message>
        <source>What&apos;s for Dinner?</source>
        <translation>Was gibt es abends?</translation>
    </message>
    <message>
        <source>Dinners</source>
        <translation>Abendessen</translation>
    </message>
    <message>
        <source>Add dinner</source>
        <translation>Abendessen hinzufügen</translation>
    </message>
    <message>
        <source>Delete dinner</source>
        <translation>Abendessen löschen</translation>
    </message>
    <message>
        <source>Sort dinner list</source>
        <translation>Abendessen-Liste sortieren</translation>
    </message>
    <message>
        <source>Dinner suggestion</source>
        <translation>Vorschlag fürs Abendessen</translation>
    </message>
    <message>
        <source>Click this label to add this suggestion to the Breakfast list.</source>
        <translation>Klicke hier, um den Vorschlag in die Frühstücksliste zu übernehmen.</translation>
    </message>
    <message>
        <source>Click this label to add this suggestion to the Lunch list.</source>
        <translation>Klicke hier, um den Vorschlag in die Mittagessen-Liste zu übernehmen.</translation>
    </message>
    <message>
        <source>Click this label to add this suggestion to the Dinner list.</source>
        <translation>Klicke hier, um den Vorschlag in die Abendessen-Liste zu übernehmen.</translation>
    </message>
    <message>
        <source>Cinnamon Rolls</source>
        <translation>Zimtschnecken</translation>
    </message>
    <message>
        <source>Eggs and Bacon</source>
        <translation>Eier mit Speck</translation>
    </message>
    <message>
        <source>Oatmeal</source>
        <translation>Haferbrei</translation>
    </message>
    <message>
        <source>Cocoa Puffs</source>
        <translation>Schoko-Pops</translation>
    </message>
    <message>
        <source>Cocoa Pebbles</source>
        <translation>Schokomüsli</translation>
    </message>
    <message>
        <source>Fruity Pebbles</source>
        <translation>Früchtemüsli</translation>
    </message>
    <message>
        <source>Rice Crispies</source>
        <translation>Reis-Crispies</translation>
    </message>
    <message>
        <source>Fruit Loops</source>
        <translation>Fruchtringe</translation>
    </message>
    <message>
        <source>Trix</source>
        <translation>Bunte Flakes</translation>
    </message>
    <message>
        <source>Lucky Charms</source>
        <translation>Marshmallow-Flakes</translation>
    </message>
    <message>
        <source>Wheaties</source>
        <translation>Weizenflocken</translation>
    </message>
    <message>
        <source>Frosted Flakes</source>
        <translation>Zuckerflakes</translation>
    </message>
    <message>
        <source>Smart Start</source>
        <translation>Vollkornflakes</translation>
    </message>
    <message>
        <source>Kix</source>
        <translation>Maispops</translation>
    </message>
    <message>
        <source>Cereal - Other</source>
        <translation>Müsli</translation>
    </message>
    <message>
        <source>Sandwiches</source>
        <translation>Belegte Brote</translation>
    </message>
    <message>
        <source>Hot Dogs</source>
        <translation>Hotdogs</translation>
    </message>
    <message>
        <source>Hamburgers</source>
        <translation>Hamburger</translation>
    </message>
    <message>
        <source>Soup</source>
        <translation>Suppe</translation>
    </message>
    <message>
        <source>Cold Cuts</source>
        <translation>Aufschnitt</translation>
    </message>
    <message>
        <source>Omelets</source>
        <translation>Omeletts</translation>
    </message>
    <message>
        <source>Hoagies</source>
        <translation>Baguettes</translation>
    </message>
    <message>
        <source>Foil Packs</source>
        <translation>Folienpäckchen</translation>
    </message>
    <message>
        <source>P, B, and J</source>
        <translation>Erdnussbutterbrote</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Fisch</translation>
    </message>
    <message>
        <source>Salad</source>
        <translation>Salat</translation>
    </message>
    <message>
        <source>Chicken</source>
        <translation>Hähnchen</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>Spaghetti</translation>
    </message>
    <message>
        <source>Beef Stew</source>
        <translation>Gulasch</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Pasta</source>
        <translation>Nudeln</translation>
    </message>
    <message>
        <source>Ravioli</source>
        <translation>Ravioli</translation>
    </message>
    <message>
        <source>Snacks &amp;&amp; Drinks</source>
        <translation>Snacks &amp;&amp; Getränke</translation>
    </message>
    <message>
        <source>Like every Boy Scout Outing, it would be good to have snacks, and definitely Drinks.</source>
        <translation>Wie auf jeder Fahrt braucht ihr Snacks und vor allem Getränke.</translation>
    </message>
    <message>
        <source>Please add your snacks here:</source>
        <translation>Deine Snacks:</translation>
    </message>
    <message>
        <source>Please add your drinks here:</source>
        <translation>Deine Getränke:</translation>
    </message>
    <message>
        <source>Snacks</source>
        <translation>Snacks</translation>
    </message>
    <message>
        <source>Drinks</source>
        <translation>Getränke</translation>
    </message>
    <message>
        <source>Add snack</source>
        <translation>Snack hinzufügen</translation>
    </message>
    <message>
        <source>Add drink</source>
        <translation>Getränk hinzufügen</translation>
    </message>
    <message>
        <source>Delete snack</source>
        <translation>Snack löschen</translation>
    </message>
    <message>
        <source>Delete drink</source>
        <translation>Getränk löschen</translation>
    </message>
    <message>
        <source>Sort snacks list</source>
        <translation>Snackliste sortieren</translation>
    </message>
    <message>
        <source>Sort drinks list</source>
        <translation>Getränkeliste sortieren</translation>
    </message>
    <message>
        <source>Snack suggestion</source>
        <translation>Vorschlag für Snacks</translation>
    </message>
    <message>
        <source>Drink suggestion</source>
        <translation>Vorschlag für Getränke</translation>
    </message>
    <message>
        <source>Click this label to add this suggestion to the Snacks list.</source>
        <translation>Klicke hier, um den Vorschlag in die Snackliste zu übernehmen.</translation>
    </message>
    <message>
        <source>Click this label to add this suggestion to the Drinks list.</source>
        <translation>Klicke hier, um den Vorschlag in die Getränkeliste zu übernehmen.</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>Kekse</translation>
    </message>
    <message>
        <source>Doritos</source>
        <translation>Tortilla-Chips</translation>
    </message>
    <message>
        <source>Fritos</source>
        <translation>Maischips</translation>
    </message>
    <message>
        <source>Tostitos</source>
        <translation>Nachos</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Chips</translation>
    </message>
    <message>
        <source>Pudding</source>
        <translation>Pudding</translation>
    </message>
    <message>
        <source>Apple Sauce</source>
        <translation>Apfelmus</translation>
    </message>
    <message>
        <source>Peeps</source>
        <translation>Marshmallows</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Kuchen</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Obstkuchen</translation>
    </message>
    <message>
        <source>Chocolate Bars</source>
        <translation>Schokoriegel</translation>
    </message>
    <message>
        <source>Energy Bars</source>
        <translation>Energieriegel</translation>
    </message>
    <message>
        <source>Chewy Bars</source>
        <translation>Müsliriegel</translation>
    </message>
    <message>
        <source>Graham Crackers</source>
        <translation>Vollkornkekse</translation>
    </message>
    <message>
        <source>Crackers</source>
        <translation>Cracker</translation>
    </message>
    <message>
        <source>Oreos</source>
        <translation>Doppelkekse</translation>
    </message>
    <message>
        <source>Chips Ahoy</source>
        <translation>Schokokekse</translation>
    </message>
    <message>
        <source>Beef Jerky</source>
        <translation>Trockenfleisch</translation>
    </message>
    <message>
        <source>Slim Jims</source>
        <translation>Minisalamis</translation>
    </message>
    <message>
        <source>Bug Juice</source>
        <translation>Sirup</translation>
    </message>
    <message>
        <source>OJ</source>
        <translation>Orangensaft</translation>
    </message>
    <message>
        <source>Juice</source>
        <translation>Saft</translation>
    </message>
    <message>
        <source>Fruit Punch</source>
        <translation>Früchtepunsch</translation>
    </message>
    <message>
        <source>Tea</source>
        <translation>Tee</translation>
    </message>
    <message>
        <source>Milk</source>
        <translation>Milch</translation>
    </message>
    <message>
        <source>Pepsi</source>
        <translation>Spezi</translation>
    </message>
    <message>
        <source>Sprite</source>
        <translation>Zitronenlimo</translation>
    </message>
    <message>
        <source>Mountain Dew</source>
        <translation>Limo</translation>
    </message>
    <message>
        <source>Coca Cola</source>
        <translation>Cola</translation>
    </message>
    <message>
        <source>Cool Aid</source>
        <translation>Brausepulver</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Gingerale</source>
        <translation>Ginger Ale</translation>
    </message>
    <message>
        <source>Root Beer</source>
        <translation>Malzbier</translation>
    </message>
    <message>
        <source>Sarsaparilla</source>
        <translation>Kräuterlimo</translation>
    </message>
    <message>
        <source>Orange Soda</source>
        <translation>Orangenlimo</translation>
    </message>
    <message>
        <source>Finalization</source>
        <translation>Abschluss</translation>
    </message>
    <message>
        <source>The last step of the roster is to figure out how many cooks and clean up people there should be.</source>
        <translation>Zuletzt legst du fest, wie viele Leute kochen und wie viele abwaschen.</translation>
    </message>
    <message>
        <source>Crew size</source>
        <translation>Leute pro Dienst</translation>
    </message>
    <message>
        <source>Your limit is 1 - 5 scouts!</source>
        <translation>Erlaubt sind 1 bis 5 Leute!</translation>
    </message>
    <message>
        <source>Why add this Limit?</source>
        <translation>Warum diese Grenze?</translation>
    </message>
    <message>
        <source>Since a program is a program and not a living person, you can&apos;t have 0 people clean up or have 18 people cook!</source>
        <translation>Ein Programm ist eben kein Mensch: 0 Leute beim Abwasch oder 18 Leute am Herd gehen nicht!</translation>
    </message>
    <message>
        <source>Now, after you have selected the number of cooks and clean up people for a meal, click on the &quot;Build&quot; button below, to build your roster and generate a document for printing.</source>
        <translation>Wenn du festgelegt hast, wie viele Leute pro Mahlzeit kochen und abwaschen, klicke unten auf „Erstellen“. Dann entsteht dein Dienstplan zum Drucken.</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Share duties evenly</source>
        <translation>Dienste fair verteilen</translation>
    </message>
    <message>
        <source>Generation</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>This page is only used when building a roster, so if your roster isn&apos;t built, please go back to the &quot;Finalization&quot; page and build it from there.</source>
        <translation>Diese Seite zeigt den fertigen Dienstplan. Ist noch keiner erstellt, geh zurück zur Seite „Abschluss“ und erstelle ihn dort.</translation>
    </message>
    <message>
        <source>Use this button to make the font bold</source>
        <translation>Fett schreiben</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Use this button to make the font italic</source>
        <translation>Kursiv schreiben</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Use this button to make the font underlined</source>
        <translation>Unterstreichen</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Use this button to save this roster...</source>
        <translation>Dienstplan speichern…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Use this button to print a file...</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Use this drop-down box to change the font...</source>
        <translation>Schriftart ändern…</translation>
    </message>
    <message>
        <source>Font name</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Use this drop-down box to change the color of the font...</source>
        <translation>Schriftfarbe ändern…</translation>
    </message>
    <message>
        <source>Font colour</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Use this spin editor to control the size of your font...</source>
        <translation>Schriftgröße ändern…</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Roster</source>
        <translation>Dienstplan</translation>
    </message>
    <message>
        <source>Fresh Start</source>
        <translation>Neu anfangen</translation>
    </message>
    <message>
        <source>Regenerate</source>
        <translation>Neu erstellen</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Info…</translation>
    </message>
    <message>
        <source>I can&apos;t see the text!</source>
        <translation>Ich sehe den Text nicht!</translation>
    </message>
    <message>
        <source>I&apos;m sorry, I can&apos;t add the same meal to the list!</source>
        <translation>Tut mir leid, dasselbe Gericht kann nicht zweimal in die Liste!</translation>
    </message>
    <message>
        <source>I&apos;m sorry, I can&apos;t add the same snack to the list!</source>
        <translation>Tut mir leid, derselbe Snack kann nicht zweimal in die Liste!</translation>
    </message>
    <message>
        <source>I&apos;m sorry, I can&apos;t add the same drink to the list!</source>
        <translation>Tut mir leid, dasselbe Getränk kann nicht zweimal in die Liste!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>The name you have entered is already in the list, add to the list?</source>
        <translation>Der Name steht schon in der Liste. Trotzdem hinzufügen?</translation>
    </message>
    <message>
        <source>Dutywise</source>
        <translation>Dutywise</translation>
    </message>
    <message>
        <source>Replace the entries of the wizard with the plan &quot;%1&quot;?</source>
        <translation>Die Einträge des Assistenten durch den Plan „%1“ ersetzen?</translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Vorschlag: %1</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>What is the person&apos;s name?</source>
        <translation>Wie heißt die Person?</translation>
    </message>
    <message>
        <source>What is the name of the Meal for Breakfast?</source>
        <translation>Welches Gericht gibt es zum Frühstück?</translation>
    </message>
    <message>
        <source>What is the name of the Meal for Lunch?</source>
        <translation>Welches Gericht gibt es mittags?</translation>
    </message>
    <message>
        <source>What is the name of the Meal for Dinner?</source>
        <translation>Welches Gericht gibt es abends?</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>Snack</translation>
    </message>
    <message>
        <source>What is the name of the Snack?</source>
        <translation>Welcher Snack?</translation>
    </message>
    <message>
        <source>Drink</source>
        <translation>Getränk</translation>
    </message>
    <message>
        <source>What is the name of the Drink?</source>
        <translation>Welches Getränk?</translation>
    </message>
    <message>
        <source>Who Is There...</source>
        <translation>Wer ist da…</translation>
    </message>
    <message>
        <source>Who is there</source>
        <translation>Wer ist da</translation>
    </message>
    <message>
        <source>Tick the days and meals of the outing first.</source>
        <translation>Hake zuerst die Tage und Mahlzeiten der Fahrt an.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <source>Date of the first day</source>
        <translation>Datum des ersten Tages</translation>
    </message>
    <message>
        <source>Crews...</source>
        <translation>Dienste…</translation>
    </message>
    <message>
        <source>Crews</source>
        <translation>Dienste</translation>
    </message>
    <message>
        <source>The roster&apos;s text was changed by hand since it was written. Write it anew with the changed crews?</source>
        <translation>Der Text des Dienstplans wurde seit dem Schreiben von Hand geändert. Mit den geänderten Diensten neu schreiben?</translation>
    </message>
    <message>
        <source>Use this button to print the notice board or each scout&apos;s duties...</source>
        <translation>Aushang oder Dienste je Person drucken...</translation>
    </message>
    <message>
        <source>Print which layout</source>
        <translation>Was drucken</translation>
    </message>
    <message>
        <source>Print the roster</source>
        <translation>Dienstplan drucken</translation>
    </message>
    <message>
        <source>Print the notice board</source>
        <translation>Aushang drucken</translation>
    </message>
    <message>
        <source>Print each scout&apos;s duties</source>
        <translation>Dienste je Person drucken</translation>
    </message>
    <message>
        <source>Keep Apart...</source>
        <translation>Getrennt halten…</translation>
    </message>
    <message>
        <source>Keep apart</source>
        <translation>Getrennt halten</translation>
    </message>
    <message>
        <source>Pairs of people who should not share a meal&apos;s crews</source>
        <translation>Paare, die nicht bei derselben Mahlzeit Dienst haben sollen</translation>
    </message>
    <message>
        <source>Continue Season...</source>
        <translation>Saison fortsetzen…</translation>
    </message>
    <message>
        <source>Continue season</source>
        <translation>Saison fortsetzen</translation>
    </message>
    <message>
        <source>New Season</source>
        <translation>Neue Saison</translation>
    </message>
    <message>
        <source>New season</source>
        <translation>Neue Saison</translation>
    </message>
    <message>
        <source>Season so far: %1 meals, %2 duties</source>
        <translation>Saison bisher: %1 Mahlzeiten, %2 Dienste</translation>
    </message>
</context>
</TS>
