<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AboutBox</name>
    <message>
        <source>About...</source>
        <translation>Over…</translation>
    </message>
    <message>
        <source>Dutywise</source>
        <translation>Dutywise</translation>
    </message>
    <message>
        <source>Version: 4.1</source>
        <translation>Versie: 4.1</translation>
    </message>
    <message>
        <source>Build Date: Sep. 23, 2004 4:11 PM</source>
        <translation>Gemaakt op 23-09-2004 om 16:11</translation>
    </message>
    <message>
        <source>Trailhead Software, for every patrol</source>
        <translation>Trailhead Software, voor elke patrouille</translation>
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
        <translation>Onbekende fout</translation>
    </message>
</context>
<context>
    <name>ChooserWindow</name>
    <message>
        <source>Welcome</source>
        <translation>Welkom</translation>
    </message>
    <message>
        <source>Please select which option you would like for your Boy Scout Roster:</source>
        <translation>Hoe wil je je corveerooster maken?</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Sjabloon</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Wizard</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: dutywise [--help] [--version] [PLAN.dutywise]</source>
        <translation>Gebruik: dutywise [--help] [--version] [PLAN.dutywise]</translation>
    </message>
    <message>
        <source>Dutywise builds the duty roster of a scout patrol&apos;s camping outing.</source>
        <translation>Dutywise maakt het corveerooster van een scoutingpatrouille op kamp.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Deze hulp tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and exit.</source>
        <translation>De versie tonen en afsluiten.</translation>
    </message>
    <message>
        <source>An outing plan to load into the wizard.</source>
        <translation>Een kampplan om in de wizard te laden.</translation>
    </message>
    <message>
        <source>give at most one plan file.</source>
        <translation>geef hoogstens één planbestand op.</translation>
    </message>
</context>
<context>
    <name>CrewsDialog</name>
    <message>
        <source>Crews</source>
        <translation>Ploegen</translation>
    </message>
    <message>
        <source>Double-click a place, or choose it and press Replace..., to put another person there. Swap With... swaps two places. A place you set stays when the roster is regenerated.</source>
        <translation>Dubbelklik op een plek, of kies hem en druk op „Vervangen…”, om er iemand anders neer te zetten. „Ruilen met…” ruilt twee plekken. Een plek die je zelf kiest, blijft staan bij „Opnieuw”.</translation>
    </message>
    <message>
        <source>Crews of every meal</source>
        <translation>Ploegen van elke maaltijd</translation>
    </message>
    <message>
        <source>Replace...</source>
        <translation>Vervangen…</translation>
    </message>
    <message>
        <source>Replace the person in the chosen place</source>
        <translation>Persoon op de gekozen plek vervangen</translation>
    </message>
    <message>
        <source>Swap With...</source>
        <translation>Ruilen met…</translation>
    </message>
    <message>
        <source>Swap the chosen place with another</source>
        <translation>Gekozen plek met een andere ruilen</translation>
    </message>
    <message>
        <source>Swap Places</source>
        <translation>Plekken ruilen</translation>
    </message>
    <message>
        <source>Swap %1 with:</source>
        <translation>%1 ruilen met:</translation>
    </message>
</context>
<context>
    <name>CrewsModel</name>
    <message>
        <source>Person for %1</source>
        <translation>Persoon voor %1</translation>
    </message>
    <message>
        <source>%1 (away)</source>
        <translation>%1 (er niet)</translation>
    </message>
    <message>
        <source>%1 is away for this meal</source>
        <translation>%1 is er niet bij deze maaltijd</translation>
    </message>
    <message>
        <source>%1 is twice in one crew</source>
        <translation>%1 staat twee keer in dezelfde ploeg</translation>
    </message>
    <message>
        <source>%1 is on both crews</source>
        <translation>%1 staat bij koken én afwas</translation>
    </message>
    <message>
        <source>%1 was on duty at the meal before</source>
        <translation>%1 had corvee bij de maaltijd ervoor</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>No warnings</source>
        <translation>Geen waarschuwingen</translation>
    </message>
    <message>
        <source>%1, set by hand</source>
        <translation>%1, met de hand gekozen</translation>
    </message>
    <message>
        <source>Meal</source>
        <translation>Maaltijd</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Waarschuwingen</translation>
    </message>
    <message>
        <source>Cook %1</source>
        <translation>Koken %1</translation>
    </message>
    <message>
        <source>Clean-up %1</source>
        <translation>Afwas %1</translation>
    </message>
    <message>
        <source>%1 and %2 are to be kept apart</source>
        <translation>%1 en %2 moeten uit elkaar blijven</translation>
    </message>
</context>
<context>
    <name>EditorDocument</name>
    <message>
        <source>Self Interpreter</source>
        <translation>Zelfinterpreter</translation>
    </message>
    <message>
        <source>Dutywise roster generator</source>
        <translation>Dutywise-roostergenerator</translation>
    </message>
    <message>
        <source>Build a roster on the Finalization page</source>
        <translation>Maak een rooster op de pagina „Afronden”</translation>
    </message>
    <message>
        <source>NO RESULTS ARE GENERATED</source>
        <translation>NOG GEEN RESULTATEN</translation>
    </message>
    <message>
        <source>ALL PROGRAM ENVIRONMENT VARIABLES ARE NIL</source>
        <translation>ALLE OMGEVINGSVARIABELEN ZIJN NIL</translation>
    </message>
</context>
<context>
    <name>EngineMessages</name>
    <message>
        <source>Cannot open plan %1. %2</source>
        <translation>Kan plan %1 niet openen. %2</translation>
    </message>
    <message>
        <source>Cannot create file %1. %2</source>
        <translation>Kan bestand %1 niet aanmaken. %2</translation>
    </message>
    <message>
        <source>Cannot write file %1. %2</source>
        <translation>Kan bestand %1 niet schrijven. %2</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Geen gewoon bestand</translation>
    </message>
    <message>
        <source>It is a folder, not a plan.</source>
        <translation>Dit is een map, geen plan.</translation>
    </message>
    <message>
        <source>It is not a plain file.</source>
        <translation>Dit is geen gewoon bestand.</translation>
    </message>
    <message>
        <source>The file is larger than 16 MiB; a plan is far smaller.</source>
        <translation>Het bestand is groter dan 16 MiB; een plan is veel kleiner.</translation>
    </message>
    <message>
        <source>This file is not UTF-8 text.</source>
        <translation>Dit bestand is geen UTF-8-tekst.</translation>
    </message>
    <message>
        <source>This file is not a Dutywise plan.</source>
        <translation>Dit bestand is geen Dutywise-plan.</translation>
    </message>
    <message>
        <source>This file is not valid JSON (at byte %1).</source>
        <translation>Dit bestand is geen geldige JSON (bij byte %1).</translation>
    </message>
    <message>
        <source>The plan does not say its version.</source>
        <translation>Het plan vermeldt zijn versie niet.</translation>
    </message>
    <message>
        <source>This plan was written by a newer Dutywise (version %1).</source>
        <translation>Dit plan komt van een nieuwere Dutywise (versie %1).</translation>
    </message>
    <message>
        <source>The plan&apos;s version (%1) is not one Dutywise knows.</source>
        <translation>Dutywise kent de versie van het plan (%1) niet.</translation>
    </message>
    <message>
        <source>The field &quot;sorted&quot; must hold true or false for each list.</source>
        <translation>Het veld &quot;sorted&quot; moet voor elke lijst true of false bevatten.</translation>
    </message>
    <message>
        <source>The field &quot;days&quot; must be a list of day names.</source>
        <translation>Het veld &quot;days&quot; moet een lijst met dagnamen zijn.</translation>
    </message>
    <message>
        <source>The field &quot;meals&quot; must hold a list of meal names for each day.</source>
        <translation>Het veld &quot;meals&quot; moet voor elke dag een lijst met maaltijden bevatten.</translation>
    </message>
    <message>
        <source>The field %1 must be a text.</source>
        <translation>Het veld %1 moet een tekst zijn.</translation>
    </message>
    <message>
        <source>The field %1 must be a list of texts.</source>
        <translation>Het veld %1 moet een lijst met teksten zijn.</translation>
    </message>
    <message>
        <source>The field %1 must be true or false.</source>
        <translation>Het veld %1 moet true of false zijn.</translation>
    </message>
    <message>
        <source>The field %1 must be a whole number.</source>
        <translation>Het veld %1 moet een geheel getal zijn.</translation>
    </message>
    <message>
        <source>The field %1 must be a list of meal names.</source>
        <translation>Het veld %1 moet een lijst met maaltijden zijn.</translation>
    </message>
    <message>
        <source>Unknown day %1 in the field %2.</source>
        <translation>Onbekende dag %1 in het veld %2.</translation>
    </message>
    <message>
        <source>Unknown meal %1 in the field %2.</source>
        <translation>Onbekende maaltijd %1 in het veld %2.</translation>
    </message>
    <message>
        <source>The field &quot;roster&quot; must be a list of meals.</source>
        <translation>Het veld &quot;roster&quot; moet een lijst van maaltijden zijn.</translation>
    </message>
    <message>
        <source>The field &quot;roster.byHand&quot; must hold the places set by hand for each crew.</source>
        <translation>Het veld &quot;roster.byHand&quot; moet voor elke ploeg de met de hand gezette plaatsen bevatten.</translation>
    </message>
    <message>
        <source>The field &quot;startDate&quot; must be a date written as YYYY-MM-DD.</source>
        <translation>Het veld &quot;startDate&quot; moet een datum in de vorm YYYY-MM-DD zijn.</translation>
    </message>
    <message>
        <source>The field %1 must be a list of places in the crew.</source>
        <translation>Het veld %1 moet een lijst van plaatsen in de ploeg zijn.</translation>
    </message>
    <message>
        <source>The meal %1 in the field %2 is not one of the plan&apos;s ticked meals.</source>
        <translation>De maaltijd %1 in het veld %2 is geen van de aangevinkte maaltijden van het plan.</translation>
    </message>
    <message>
        <source>The meal %1 is twice in the field %2.</source>
        <translation>De maaltijd %1 staat twee keer in het veld %2.</translation>
    </message>
    <message>
        <source>The name %1 in the field %2 is not among the plan&apos;s people.</source>
        <translation>De naam %1 in het veld %2 hoort niet bij de mensen van het plan.</translation>
    </message>
    <message>
        <source>This file is not valid JSON.</source>
        <translation>Dit bestand is geen geldige JSON.</translation>
    </message>
    <message>
        <source>The field %1 must not hold a line break or another control character.</source>
        <translation>Het veld %1 mag geen regeleinde of ander stuurteken bevatten.</translation>
    </message>
    <message>
        <source>The field &quot;away&quot; must hold a list of meals for each person.</source>
        <translation>Het veld &quot;away&quot; moet voor elke persoon een lijst met maaltijden bevatten.</translation>
    </message>
    <message>
        <source>The field &quot;away&quot; must have one entry for each person (%1, not %2).</source>
        <translation>Het veld &quot;away&quot; moet voor elke persoon één item hebben (%1, niet %2).</translation>
    </message>
    <message>
        <source>There is no built roster yet: press Build first.</source>
        <translation>Er is nog geen rooster: klik eerst op „Maken”.</translation>
    </message>
    <message>
        <source>The calendar needs the outing&apos;s start date (Days page).</source>
        <translation>De agenda heeft de begindatum van het kamp nodig (pagina „Dagen”).</translation>
    </message>
    <message>
        <source>The field &quot;keepApart&quot; must be a list of pairs of names.</source>
        <translation>Het veld &quot;keepApart&quot; moet een lijst van naamparen zijn.</translation>
    </message>
    <message>
        <source>The field %1 must hold the duties and meals of each person by name.</source>
        <translation>Het veld %1 moet per naam de corvees en maaltijden van iedere persoon bevatten.</translation>
    </message>
    <message>
        <source>The number %1 in the field %2 is not from 0 to 1000000.</source>
        <translation>Het getal %1 in het veld %2 ligt niet tussen 0 en 1000000.</translation>
    </message>
    <message>
        <source>This plan kept no roster to carry the season on from.</source>
        <translation>Dit plan bewaarde geen rooster om het seizoen mee voort te zetten.</translation>
    </message>
    <message>
        <source>Cannot continue the season from plan %1. %2</source>
        <translation>Kan het seizoen niet voortzetten vanuit plan %1. %2</translation>
    </message>
</context>
<context>
    <name>FlatColorComboBox</name>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanjebruin</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olijfgroen</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblauw</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Paars</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blauwgroen</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grijs</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Zilver</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limoengroen</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigen</translation>
    </message>
</context>
<context>
    <name>FlatSpinEdit</name>
    <message>
        <source>Up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Omlaag</translation>
    </message>
</context>
<context>
    <name>HiddenPictureWindow</name>
    <message>
        <source>You found my Easter Egg</source>
        <translation>Je hebt mijn paasei gevonden</translation>
    </message>
    <message>
        <source>Scoutmaster, Trailhead Software
Sam Ridley</source>
        <translation>Leiding, Trailhead Software
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
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>KeepApartDialog</name>
    <message>
        <source>Keep Apart</source>
        <translation>Apart houden</translation>
    </message>
    <message>
        <source>Choose two people who should not cook or clean up at the same meal and press Add Pair. The draw keeps them apart when duties are shared evenly.</source>
        <translation>Kies twee mensen die niet bij dezelfde maaltijd moeten koken of afwassen en druk op „Paar toevoegen”. De loting houdt ze apart als de corvee eerlijk verdeeld wordt.</translation>
    </message>
    <message>
        <source>First person of the pair</source>
        <translation>Eerste persoon van het paar</translation>
    </message>
    <message>
        <source>Second person of the pair</source>
        <translation>Tweede persoon van het paar</translation>
    </message>
    <message>
        <source>and</source>
        <translation>en</translation>
    </message>
    <message>
        <source>Add Pair</source>
        <translation>Paar toevoegen</translation>
    </message>
    <message>
        <source>Add the pair</source>
        <translation>Het paar toevoegen</translation>
    </message>
    <message>
        <source>Pairs kept apart</source>
        <translation>Paren die apart blijven</translation>
    </message>
    <message>
        <source>Remove Pair</source>
        <translation>Paar wissen</translation>
    </message>
    <message>
        <source>Remove the chosen pair</source>
        <translation>Het gekozen paar wissen</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
</context>
<context>
    <name>PresenceModel</name>
    <message>
        <source>Person</source>
        <translation>Persoon</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2: there</source>
        <translation>%1, %2: aanwezig</translation>
    </message>
    <message>
        <source>%1, %2: away</source>
        <translation>%1, %2: afwezig</translation>
    </message>
</context>
<context>
    <name>QtPdfService</name>
    <message>
        <source>The PDF could not be made in memory.</source>
        <translation>De pdf kon niet in het geheugen worden gemaakt.</translation>
    </message>
    <message>
        <source>The PDF writer could not finish the document.</source>
        <translation>De pdf kon niet worden afgemaakt.</translation>
    </message>
</context>
<context>
    <name>QtPlanDialogs</name>
    <message>
        <source>Dutywise Plans (*.dutywise)</source>
        <translation>Dutywise-plannen (*.dutywise)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle bestanden (*.*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation>Plan opslaan</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>Plan openen</translation>
    </message>
</context>
<context>
    <name>QtPrintService</name>
    <message>
        <source>The printer &quot;%1&quot; cannot be used.</source>
        <translation>De printer „%1” kan niet worden gebruikt.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start the job &quot;%2&quot;.</source>
        <translation>De printer „%1” kon de opdracht „%2” niet starten.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; failed to print &quot;%2&quot;.</source>
        <translation>De printer „%1” kon „%2” niet afdrukken.</translation>
    </message>
    <message>
        <source>No default printer is set up. Set up a printer as the default printer of this computer, then print again.</source>
        <translation>Er is geen standaardprinter ingesteld. Stel een printer in als standaardprinter van deze computer en druk dan opnieuw af.</translation>
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
        <translation>Alle bestanden (*.*)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>Notice board (PDF) (*.pdf)</source>
        <translation>Prikbord (PDF) (*.pdf)</translation>
    </message>
    <message>
        <source>Each scout&apos;s duties (PDF) (*.pdf)</source>
        <translation>Corvees per persoon (PDF) (*.pdf)</translation>
    </message>
    <message>
        <source>Calendar (*.ics)</source>
        <translation>Agenda (*.ics)</translation>
    </message>
    <message>
        <source>Spreadsheet (*.csv)</source>
        <translation>Spreadsheet (*.csv)</translation>
    </message>
</context>
<context>
    <name>RosterWords</name>
    <message>
        <source>Sunday</source>
        <translation>Zondag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Maandag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dinsdag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Woensdag</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donderdag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vrijdag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Zaterdag</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>Ontbijt</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Lunch</translation>
    </message>
    <message>
        <source>Dinner</source>
        <translation>Avondeten</translation>
    </message>
    <message>
        <source>%1&apos;s Roster</source>
        <translation>Corveerooster patrouille %1</translation>
    </message>
    <message>
        <source>Cook: %1</source>
        <translation>Koken: %1</translation>
    </message>
    <message>
        <source>Cleanup: %1</source>
        <translation>Afwas: %1</translation>
    </message>
    <message>
        <source>Meal: %1</source>
        <translation>Gerecht: %1</translation>
    </message>
    <message>
        <source>Snacks</source>
        <translation>Snacks</translation>
    </message>
    <message>
        <source>Drinks</source>
        <translation>Drinken</translation>
    </message>
    <message>
        <source>Duties</source>
        <translation>Corvees</translation>
    </message>
    <message>
        <source>%1: %2 (%3 cook, %4 cleanup)</source>
        <translation>%1: %2 (%3 koken, %4 afwas)</translation>
    </message>
    <message>
        <source>Please enter the name of the Boy Scout Outing!</source>
        <translation>Vul de naam van het kamp in!</translation>
    </message>
    <message>
        <source>You don&apos;t have enough people to perform the task of cleaning up or cooking!
Please shorten the limit!</source>
        <translation>Jullie zijn met te weinig om te koken of af te wassen!
Kies een kleinere ploeg!</translation>
    </message>
    <message>
        <source>Just a suggestion, please enter some more names in the beginning!</source>
        <translation>Even een tip: vul aan het begin nog wat meer namen in!</translation>
    </message>
    <message>
        <source>I can&apos;t let you generate a roster without Breakfast.
If you can&apos;t think of a breakfast, choose a suggestion.</source>
        <translation>Zonder ontbijt kan ik geen rooster maken.
Weet je er geen, kies dan een idee.</translation>
    </message>
    <message>
        <source>I can&apos;t let you generate a roster without Lunch.
If you can&apos;t think of a lunch, choose a suggestion.</source>
        <translation>Zonder lunch kan ik geen rooster maken.
Weet je er geen, kies dan een idee.</translation>
    </message>
    <message>
        <source>I can&apos;t let you generate a roster without Dinner.
If you can&apos;t think of a dinner, choose a suggestion.</source>
        <translation>Zonder avondeten kan ik geen rooster maken.
Weet je er geen, kies dan een idee.</translation>
    </message>
    <message>
        <source>Completed!</source>
        <translation>Klaar!</translation>
    </message>
    <message>
        <source>You found the hidden picture!</source>
        <translation>Je hebt de verborgen afbeelding gevonden!</translation>
    </message>
    <message>
        <source>, at %1 of %2 meals</source>
        <translation>, bij %1 van de %2 maaltijden aanwezig</translation>
    </message>
    <message>
        <source>Not enough people are there for %1 %2!
Please shorten the limit or mark more people as there.</source>
        <translation>Niet genoeg mensen aanwezig bij %2 op %1!
Kies een kleinere ploeg of zet meer mensen op aanwezig.</translation>
    </message>
    <message>
        <source>January</source>
        <translation>januari</translation>
    </message>
    <message>
        <source>February</source>
        <translation>februari</translation>
    </message>
    <message>
        <source>March</source>
        <translation>maart</translation>
    </message>
    <message>
        <source>April</source>
        <translation>april</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mei</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>augustus</translation>
    </message>
    <message>
        <source>September</source>
        <translation>september</translation>
    </message>
    <message>
        <source>October</source>
        <translation>oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>november</translation>
    </message>
    <message>
        <source>December</source>
        <translation>december</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A day with its date: weekday, day of the month, month (&quot;Friday 11 June&quot;)</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <extracomment>The notice board&apos;s title: the outing, the patrol</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1 there</source>
        <translation>%1 aanwezig</translation>
    </message>
    <message>
        <source>cook</source>
        <translation>koken</translation>
    </message>
    <message>
        <source>clean-up</source>
        <translation>afwas</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <extracomment>A duty on a scout&apos;s slip: the day, the meal, the duty</extracomment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>, with %1</source>
        <translation>, met %1</translation>
    </message>
    <message>
        <source>Duties: %1 (%2 cook, %3 clean-up)</source>
        <translation>Corvees: %1 (%2 koken, %3 afwas)</translation>
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
        <translation>Dag</translation>
    </message>
    <message>
        <source>Meal</source>
        <translation>Maaltijd</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Corvee</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Dish</source>
        <translation>Gerecht</translation>
    </message>
    <message>
        <source>; season total %1</source>
        <translation>; %1 in het seizoen</translation>
    </message>
</context>
<context>
    <name>RosterWordsInSentence</name>
    <message>
        <source>Sunday</source>
        <translation>zondag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>maandag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>dinsdag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>woensdag</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>donderdag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vrijdag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>zaterdag</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>het ontbijt</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>de lunch</translation>
    </message>
    <message>
        <source>Dinner</source>
        <translation>het avondeten</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Cannot start &quot;%1&quot;: &quot;%2&quot; is longer than %3 characters.</source>
        <translation>Kan „%1” niet starten: „%2” is langer dan %3 tekens.</translation>
    </message>
    <message>
        <source>Cannot start &quot;%1&quot;: %2</source>
        <translation>Kan „%1” niet starten: %2</translation>
    </message>
</context>
<context>
    <name>TemplateChooser</name>
    <message>
        <source>Packready Templates</source>
        <translation>Kant-en-klare sjablonen</translation>
    </message>
    <message>
        <source>Please select how many days there will be on the outing:</source>
        <translation>Hoeveel dagen duurt het kamp?</translation>
    </message>
    <message>
        <source>Number of days</source>
        <translation>Aantal dagen</translation>
    </message>
    <message>
        <source>1 Day</source>
        <translation>1 dag</translation>
    </message>
    <message>
        <source>2 Days</source>
        <translation>2 dagen</translation>
    </message>
    <message>
        <source>3 Days</source>
        <translation>3 dagen</translation>
    </message>
    <message>
        <source>4 Days</source>
        <translation>4 dagen</translation>
    </message>
    <message>
        <source>5 Days</source>
        <translation>5 dagen</translation>
    </message>
    <message>
        <source>6 Days</source>
        <translation>6 dagen</translation>
    </message>
    <message>
        <source>7 Days</source>
        <translation>7 dagen</translation>
    </message>
    <message>
        <source>Edit a Template</source>
        <translation>Sjabloon bewerken</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Please select the number of days in the outing!</source>
        <translation>Kies het aantal dagen van het kamp!</translation>
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
        <translation>Welkom</translation>
    </message>
    <message>
        <source>Sam Ridley</source>
        <translation>Sam Ridley</translation>
    </message>
    <message>
        <source>Scoutmaster, Trailhead Software</source>
        <translation>Leiding, Trailhead Software</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Welcome to Dutywise 4.1. I have changed the program just a LITTLE. At least this time, you have a choice of a template or a generated roster. If you have any questions or problems, my email is:%1. Thank you for using this program.

Happy Roster Generating.</source>
        <translation>Welkom bij Dutywise 4.1. Ik heb het programma maar een KLEIN beetje veranderd. Deze keer kun je tenminste kiezen tussen een sjabloon en een door het programma gemaakt rooster. Vragen of problemen? Mail me: %1. Bedankt dat je dit programma gebruikt.

Veel roosterplezier!</translation>
    </message>
</context>
<context>
    <name>WhoIsThereDialog</name>
    <message>
        <source>Who is there when?</source>
        <translation>Wie is er wanneer?</translation>
    </message>
    <message>
        <source>Untick the meals a person is away from. The tick on a name ticks or clears the whole row.</source>
        <translation>Vink de maaltijden uit waarbij iemand er niet is. Het vinkje bij een naam vinkt de hele rij aan of uit.</translation>
    </message>
    <message>
        <source>Who is there when</source>
        <translation>Wie is er wanneer</translation>
    </message>
    <message>
        <source>There for Every Meal</source>
        <translation>Bij elke maaltijd aanwezig</translation>
    </message>
    <message>
        <source>Away from Every Meal</source>
        <translation>Bij geen maaltijd aanwezig</translation>
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
        <translation>Basis</translation>
    </message>
    <message>
        <source>Welcome to Dutywise. This program will generate a Boy Scout Outing Roster for any Boy Scout Troop. First, you must enter the &quot;basics&quot;, which start out a roster. If you would fill out the text boxes below, the roster can continue.</source>
        <translation>Welkom bij Dutywise. Dit programma maakt het corveerooster van een kamp voor elke scoutinggroep. Vul eerst de „basis” in waarmee een rooster begint. Als je de vakken hieronder invult, kun je verder.</translation>
    </message>
    <message>
        <source>What is the name of the Boy Scout Outing?</source>
        <translation>Hoe heet het kamp?</translation>
    </message>
    <message>
        <source>Outing name</source>
        <translation>Naam van het kamp</translation>
    </message>
    <message>
        <source>What is the name of the patrol?</source>
        <translation>Hoe heet de patrouille?</translation>
    </message>
    <message>
        <source>Patrol name</source>
        <translation>Naam van de patrouille</translation>
    </message>
    <message>
        <source>Who are the people on the outing/in the patrol?</source>
        <translation>Wie gaan er mee, wie zit er in de patrouille?</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Deelnemers</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Add person</source>
        <translation>Persoon toevoegen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Delete person</source>
        <translation>Persoon wissen</translation>
    </message>
    <message>
        <source>This list should be sorted</source>
        <translation>Lijst sorteren</translation>
    </message>
    <message>
        <source>Open Plan...</source>
        <translation>Plan openen…</translation>
    </message>
    <message>
        <source>Open plan</source>
        <translation>Plan openen</translation>
    </message>
    <message>
        <source>Save Plan...</source>
        <translation>Plan opslaan…</translation>
    </message>
    <message>
        <source>Save plan</source>
        <translation>Plan opslaan</translation>
    </message>
    <message>
        <source>Dutywise
A roster for every outing, fair to every scout</source>
        <translation>Dutywise
Een rooster voor elk kamp, eerlijk voor iedereen</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dagen</translation>
    </message>
    <message>
        <source>Which days of the week are you going on the Outing?</source>
        <translation>Op welke dagen van de week zijn jullie op kamp?</translation>
    </message>
    <message>
        <source>Check All Days</source>
        <translation>Alle dagen</translation>
    </message>
    <message>
        <source>Uncheck All Days</source>
        <translation>Geen dagen</translation>
    </message>
    <message>
        <source>Check All Meals</source>
        <translation>Alle maaltijden</translation>
    </message>
    <message>
        <source>Uncheck All Meals</source>
        <translation>Geen maaltijden</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Zondag</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>Ontbijt</translation>
    </message>
    <message>
        <source>Sunday Breakfast</source>
        <translation>Zondag, ontbijt</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Lunch</translation>
    </message>
    <message>
        <source>Sunday Lunch</source>
        <translation>Zondag, lunch</translation>
    </message>
    <message>
        <source>Dinner</source>
        <translation>Avond</translation>
    </message>
    <message>
        <source>Sunday Dinner</source>
        <translation>Zondag, avondeten</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Maandag</translation>
    </message>
    <message>
        <source>Monday Breakfast</source>
        <translation>Maandag, ontbijt</translation>
    </message>
    <message>
        <source>Monday Lunch</source>
        <translation>Maandag, lunch</translation>
    </message>
    <message>
        <source>Monday Dinner</source>
        <translation>Maandag, avondeten</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dinsdag</translation>
    </message>
    <message>
        <source>Tuesday Breakfast</source>
        <translation>Dinsdag, ontbijt</translation>
    </message>
    <message>
        <source>Tuesday Lunch</source>
        <translation>Dinsdag, lunch</translation>
    </message>
    <message>
        <source>Tuesday Dinner</source>
        <translation>Dinsdag, avondeten</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Woensdag</translation>
    </message>
    <message>
        <source>Wednesday Breakfast</source>
        <translation>Woensdag, ontbijt</translation>
    </message>
    <message>
        <source>Wednesday Lunch</source>
        <translation>Woensdag, lunch</translation>
    </message>
    <message>
        <source>Wednesday Dinner</source>
        <translation>Woensdag, avondeten</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donderdag</translation>
    </message>
    <message>
        <source>Thursday Breakfast</source>
        <translation>Donderdag, ontbijt</translation>
    </message>
    <message>
        <source>Thursday Lunch</source>
        <translation>Donderdag, lunch</translation>
    </message>
    <message>
        <source>Thursday Dinner</source>
        <translation>Donderdag, avondeten</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vrijdag</translation>
    </message>
    <message>
        <source>Friday Breakfast</source>
        <translation>Vrijdag, ontbijt</translation>
    </message>
    <message>
        <source>Friday Lunch</source>
        <translation>Vrijdag, lunch</translation>
    </message>
    <message>
        <source>Friday Dinner</source>
        <translation>Vrijdag, avondeten</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Zaterdag</translation>
    </message>
    <message>
        <source>Saturday Breakfast</source>
        <translation>Zaterdag, ontbijt</translation>
    </message>
    <message>
        <source>Saturday Lunch</source>
        <translation>Zaterdag, lunch</translation>
    </message>
    <message>
        <source>Saturday Dinner</source>
        <translation>Zaterdag, avondeten</translation>
    </message>
    <message>
        <source>Meals</source>
        <translation>Maaltijden</translation>
    </message>
    <message>
        <source>What are some of the meals that will be made on the outing?</source>
        <translation>Welke gerechten koken jullie op kamp?</translation>
    </message>
    <message>
        <source>What&apos;s for Breakfast?</source>
        <translation>Wat eten we bij het ontbijt?</translation>
    </message>
    <message>
        <source>Breakfasts</source>
        <translation>Ontbijt</translation>
    </message>
    <message>
        <source>Add breakfast</source>
        <translation>Ontbijt toevoegen</translation>
    </message>
    <message>
        <source>Delete breakfast</source>
        <translation>Ontbijt wissen</translation>
    </message>
    <message>
        <source>Sorted</source>
        <translation>A–Z</translation>
    </message>
    <message>
        <source>Sort breakfast list</source>
        <translation>Ontbijtlijst sorteren</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Idee</translation>
    </message>
    <message>
        <source>Breakfast suggestion</source>
        <translation>Idee voor het ontbijt</translation>
    </message>
    <message>
        <source>What&apos;s for Lunch?</source>
        <translation>Wat eten we bij de lunch?</translation>
    </message>
    <message>
        <source>Lunches</source>
        <translation>Lunches</translation>
    </message>
    <message>
        <source>Add lunch</source>
        <translation>Lunch toevoegen</translation>
    </message>
    <message>
        <source>Delete lunch</source>
        <translation>Lunch wissen</translation>
    </message>
    <message>
        <source>Sort lunch list</source>
        <translation>Lunchlijst sorteren</translation>
    </message>
    <message>
        <source>Lunch suggestion</source>
        <translation>Idee voor de lunch</translation>
    </message>
    <message>
        <source>What&apos;s for Dinner?</source>
        <translation>Wat eten we &apos;s avonds?</translation>
    </message>
    <message>
        <source>Dinners</source>
        <translation>Avondeten</translation>
    </message>
    <message>
        <source>Add dinner</source>
        <translation>Avondeten toevoegen</translation>
    </message>
    <message>
        <source>Delete dinner</source>
        <translation>Avondeten wissen</translation>
    </message>
    <message>
        <source>Sort dinner list</source>
        <translation>Avondlijst sorteren</translation>
    </message>
    <message>
        <source>Dinner suggestion</source>
        <translation>Idee voor het avondeten</translation>
    </message>
    <message>
        <source>Click this label to add this suggestion to the Breakfast list.</source>
        <translation>Klik hier om dit idee aan de ontbijtlijst toe te voegen.</translation>
    </message>
    <message>
        <source>Click this label to add this suggestion to the Lunch list.</source>
        <translation>Klik hier om dit idee aan de lunchlijst toe te voegen.</translation>
    </message>
    <message>
        <source>Click this label to add this suggestion to the Dinner list.</source>
        <translation>Klik hier om dit idee aan de avondlijst toe te voegen.</translation>
    </message>
    <message>
        <source>Cinnamon Rolls</source>
        <translation>Kaneelbroodjes</translation>
    </message>
    <message>
        <source>Eggs and Bacon</source>
        <translation>Eieren met spek</translation>
    </message>
    <message>
        <source>Oatmeal</source>
        <translation>Havermout</translation>
    </message>
    <message>
        <source>Cocoa Puffs</source>
        <translation>Chocopops</translation>
    </message>
    <message>
        <source>Cocoa Pebbles</source>
        <translation>Chocomuesli</translation>
    </message>
    <message>
        <source>Fruity Pebbles</source>
        <translation>Fruitmuesli</translation>
    </message>
    <message>
        <source>Rice Crispies</source>
        <translation>Rijstkrispies</translation>
    </message>
    <message>
        <source>Fruit Loops</source>
        <translation>Fruitringen</translation>
    </message>
    <message>
        <source>Trix</source>
        <translation>Kleurige vlokken</translation>
    </message>
    <message>
        <source>Lucky Charms</source>
        <translation>Marshmallowvlokken</translation>
    </message>
    <message>
        <source>Wheaties</source>
        <translation>Tarwevlokken</translation>
    </message>
    <message>
        <source>Frosted Flakes</source>
        <translation>Suikervlokken</translation>
    </message>
    <message>
        <source>Smart Start</source>
        <translation>Volkorenvlokken</translation>
    </message>
    <message>
        <source>Kix</source>
        <translation>Maispops</translation>
    </message>
    <message>
        <source>Cereal - Other</source>
        <translation>Andere ontbijtgranen</translation>
    </message>
    <message>
        <source>Sandwiches</source>
        <translation>Boterhammen</translation>
    </message>
    <message>
        <source>Hot Dogs</source>
        <translation>Hotdogs</translation>
    </message>
    <message>
        <source>Hamburgers</source>
        <translation>Hamburgers</translation>
    </message>
    <message>
        <source>Soup</source>
        <translation>Soep</translation>
    </message>
    <message>
        <source>Cold Cuts</source>
        <translation>Vleeswaren</translation>
    </message>
    <message>
        <source>Omelets</source>
        <translation>Omeletten</translation>
    </message>
    <message>
        <source>Hoagies</source>
        <translation>Stokbroodjes</translation>
    </message>
    <message>
        <source>Foil Packs</source>
        <translation>Foliepakketjes</translation>
    </message>
    <message>
        <source>P, B, and J</source>
        <translation>Pindakaasbrood</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Vis</translation>
    </message>
    <message>
        <source>Salad</source>
        <translation>Salade</translation>
    </message>
    <message>
        <source>Chicken</source>
        <translation>Kip</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>Spaghetti</translation>
    </message>
    <message>
        <source>Beef Stew</source>
        <translation>Stoofvlees</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Pasta</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Ravioli</source>
        <translation>Ravioli</translation>
    </message>
    <message>
        <source>Snacks &amp;&amp; Drinks</source>
        <translation>Snacks &amp;&amp; drinken</translation>
    </message>
    <message>
        <source>Like every Boy Scout Outing, it would be good to have snacks, and definitely Drinks.</source>
        <translation>Zoals op elk kamp zijn snacks handig en drinken onmisbaar.</translation>
    </message>
    <message>
        <source>Please add your snacks here:</source>
        <translation>Jouw snacks:</translation>
    </message>
    <message>
        <source>Please add your drinks here:</source>
        <translation>Jouw drinken:</translation>
    </message>
    <message>
        <source>Snacks</source>
        <translation>Snacks</translation>
    </message>
    <message>
        <source>Drinks</source>
        <translation>Drinken</translation>
    </message>
    <message>
        <source>Add snack</source>
        <translation>Snack toevoegen</translation>
    </message>
    <message>
        <source>Add drink</source>
        <translation>Drank toevoegen</translation>
    </message>
    <message>
        <source>Delete snack</source>
        <translation>Snack wissen</translation>
    </message>
    <message>
        <source>Delete drink</source>
        <translation>Drank wissen</translation>
    </message>
    <message>
        <source>Sort snacks list</source>
        <translation>Snacklijst sorteren</translation>
    </message>
    <message>
        <source>Sort drinks list</source>
        <translation>Drinklijst sorteren</translation>
    </message>
    <message>
        <source>Snack suggestion</source>
        <translation>Idee voor een snack</translation>
    </message>
    <message>
        <source>Drink suggestion</source>
        <translation>Idee voor een drankje</translation>
    </message>
    <message>
        <source>Click this label to add this suggestion to the Snacks list.</source>
        <translation>Klik hier om dit idee aan de snacklijst toe te voegen.</translation>
    </message>
    <message>
        <source>Click this label to add this suggestion to the Drinks list.</source>
        <translation>Klik hier om dit idee aan de drinklijst toe te voegen.</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>Koekjes</translation>
    </message>
    <message>
        <source>Doritos</source>
        <translation>Tortillachips</translation>
    </message>
    <message>
        <source>Fritos</source>
        <translation>Maïschips</translation>
    </message>
    <message>
        <source>Tostitos</source>
        <translation>Nacho&apos;s</translation>
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
        <translation>Appelmoes</translation>
    </message>
    <message>
        <source>Peeps</source>
        <translation>Spekjes</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Cake</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Taart</translation>
    </message>
    <message>
        <source>Chocolate Bars</source>
        <translation>Chocoladerepen</translation>
    </message>
    <message>
        <source>Energy Bars</source>
        <translation>Energierepen</translation>
    </message>
    <message>
        <source>Chewy Bars</source>
        <translation>Mueslirepen</translation>
    </message>
    <message>
        <source>Graham Crackers</source>
        <translation>Volkorenkoekjes</translation>
    </message>
    <message>
        <source>Crackers</source>
        <translation>Crackers</translation>
    </message>
    <message>
        <source>Oreos</source>
        <translation>Sandwichkoekjes</translation>
    </message>
    <message>
        <source>Chips Ahoy</source>
        <translation>Chocoladekoekjes</translation>
    </message>
    <message>
        <source>Beef Jerky</source>
        <translation>Gedroogd vlees</translation>
    </message>
    <message>
        <source>Slim Jims</source>
        <translation>Salamistokjes</translation>
    </message>
    <message>
        <source>Bug Juice</source>
        <translation>Ranja</translation>
    </message>
    <message>
        <source>OJ</source>
        <translation>Sinaasappelsap</translation>
    </message>
    <message>
        <source>Juice</source>
        <translation>Sap</translation>
    </message>
    <message>
        <source>Fruit Punch</source>
        <translation>Vruchtenpunch</translation>
    </message>
    <message>
        <source>Tea</source>
        <translation>Thee</translation>
    </message>
    <message>
        <source>Milk</source>
        <translation>Melk</translation>
    </message>
    <message>
        <source>Pepsi</source>
        <translation>IJsthee</translation>
    </message>
    <message>
        <source>Sprite</source>
        <translation>Citroenlimonade</translation>
    </message>
    <message>
        <source>Mountain Dew</source>
        <translation>Frisdrank</translation>
    </message>
    <message>
        <source>Coca Cola</source>
        <translation>Cola</translation>
    </message>
    <message>
        <source>Cool Aid</source>
        <translation>Limonadepoeder</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Gingerale</source>
        <translation>Ginger ale</translation>
    </message>
    <message>
        <source>Root Beer</source>
        <translation>Cassis</translation>
    </message>
    <message>
        <source>Sarsaparilla</source>
        <translation>Kruidenlimonade</translation>
    </message>
    <message>
        <source>Orange Soda</source>
        <translation>Sinas</translation>
    </message>
    <message>
        <source>Finalization</source>
        <translation>Afronden</translation>
    </message>
    <message>
        <source>The last step of the roster is to figure out how many cooks and clean up people there should be.</source>
        <translation>Tot slot kies je hoeveel mensen koken en hoeveel er afwassen.</translation>
    </message>
    <message>
        <source>Crew size</source>
        <translation>Ploeggrootte</translation>
    </message>
    <message>
        <source>Your limit is 1 - 5 scouts!</source>
        <translation>Kies 1 tot 5 scouts!</translation>
    </message>
    <message>
        <source>Why add this Limit?</source>
        <translation>Waarom deze grens?</translation>
    </message>
    <message>
        <source>Since a program is a program and not a living person, you can&apos;t have 0 people clean up or have 18 people cook!</source>
        <translation>Een programma is geen mens: 0 mensen bij de afwas of 18 koks kan niet!</translation>
    </message>
    <message>
        <source>Now, after you have selected the number of cooks and clean up people for a meal, click on the &quot;Build&quot; button below, to build your roster and generate a document for printing.</source>
        <translation>Als je hebt gekozen hoeveel mensen per maaltijd koken en afwassen, klik je hieronder op „Maken” voor je rooster om te printen.</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Maken</translation>
    </message>
    <message>
        <source>Share duties evenly</source>
        <translation>Corvee eerlijk verdelen</translation>
    </message>
    <message>
        <source>Generation</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>This page is only used when building a roster, so if your roster isn&apos;t built, please go back to the &quot;Finalization&quot; page and build it from there.</source>
        <translation>Deze pagina toont het gemaakte rooster. Is er nog geen, ga dan terug naar de pagina „Afronden” en maak het daar.</translation>
    </message>
    <message>
        <source>Use this button to make the font bold</source>
        <translation>Vet maken</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Vet</translation>
    </message>
    <message>
        <source>Use this button to make the font italic</source>
        <translation>Cursief maken</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursief</translation>
    </message>
    <message>
        <source>Use this button to make the font underlined</source>
        <translation>Onderstrepen</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Onderstreept</translation>
    </message>
    <message>
        <source>Use this button to save this roster...</source>
        <translation>Dit rooster opslaan…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Use this button to print a file...</source>
        <translation>Afdrukken…</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Use this drop-down box to change the font...</source>
        <translation>Lettertype wijzigen…</translation>
    </message>
    <message>
        <source>Font name</source>
        <translation>Lettertype</translation>
    </message>
    <message>
        <source>Use this drop-down box to change the color of the font...</source>
        <translation>Tekstkleur wijzigen…</translation>
    </message>
    <message>
        <source>Font colour</source>
        <translation>Tekstkleur</translation>
    </message>
    <message>
        <source>Use this spin editor to control the size of your font...</source>
        <translation>Tekstgrootte wijzigen…</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Tekstgrootte</translation>
    </message>
    <message>
        <source>Roster</source>
        <translation>Rooster</translation>
    </message>
    <message>
        <source>Fresh Start</source>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source>Regenerate</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Over…</translation>
    </message>
    <message>
        <source>I can&apos;t see the text!</source>
        <translation>Ik zie de tekst niet!</translation>
    </message>
    <message>
        <source>I&apos;m sorry, I can&apos;t add the same meal to the list!</source>
        <translation>Sorry, hetzelfde gerecht kan niet twee keer in de lijst!</translation>
    </message>
    <message>
        <source>I&apos;m sorry, I can&apos;t add the same snack to the list!</source>
        <translation>Sorry, dezelfde snack kan niet twee keer in de lijst!</translation>
    </message>
    <message>
        <source>I&apos;m sorry, I can&apos;t add the same drink to the list!</source>
        <translation>Sorry, dezelfde drank kan niet twee keer in de lijst!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>The name you have entered is already in the list, add to the list?</source>
        <translation>Die naam staat al in de lijst. Toch toevoegen?</translation>
    </message>
    <message>
        <source>Dutywise</source>
        <translation>Dutywise</translation>
    </message>
    <message>
        <source>Replace the entries of the wizard with the plan &quot;%1&quot;?</source>
        <translation>De invoer van de wizard vervangen door het plan „%1”?</translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Idee: %1</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persoon</translation>
    </message>
    <message>
        <source>What is the person&apos;s name?</source>
        <translation>Hoe heet deze persoon?</translation>
    </message>
    <message>
        <source>What is the name of the Meal for Breakfast?</source>
        <translation>Welk gerecht is er bij het ontbijt?</translation>
    </message>
    <message>
        <source>What is the name of the Meal for Lunch?</source>
        <translation>Welk gerecht is er bij de lunch?</translation>
    </message>
    <message>
        <source>What is the name of the Meal for Dinner?</source>
        <translation>Welk gerecht is er &apos;s avonds?</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>Snack</translation>
    </message>
    <message>
        <source>What is the name of the Snack?</source>
        <translation>Welke snack?</translation>
    </message>
    <message>
        <source>Drink</source>
        <translation>Drank</translation>
    </message>
    <message>
        <source>What is the name of the Drink?</source>
        <translation>Welke drank?</translation>
    </message>
    <message>
        <source>Who Is There...</source>
        <translation>Wie is er…</translation>
    </message>
    <message>
        <source>Who is there</source>
        <translation>Wie is er</translation>
    </message>
    <message>
        <source>Tick the days and meals of the outing first.</source>
        <translation>Vink eerst de dagen en maaltijden van het kamp aan.</translation>
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
        <translation>Datum van de eerste dag</translation>
    </message>
    <message>
        <source>Crews...</source>
        <translation>Ploegen…</translation>
    </message>
    <message>
        <source>Crews</source>
        <translation>Ploegen</translation>
    </message>
    <message>
        <source>The roster&apos;s text was changed by hand since it was written. Write it anew with the changed crews?</source>
        <translation>De tekst van het rooster is met de hand gewijzigd sinds hij geschreven is. Opnieuw schrijven met de gewijzigde ploegen?</translation>
    </message>
    <message>
        <source>Use this button to print the notice board or each scout&apos;s duties...</source>
        <translation>Prikbord of corvees per persoon afdrukken...</translation>
    </message>
    <message>
        <source>Print which layout</source>
        <translation>Wat afdrukken</translation>
    </message>
    <message>
        <source>Print the roster</source>
        <translation>Rooster afdrukken</translation>
    </message>
    <message>
        <source>Print the notice board</source>
        <translation>Prikbord afdrukken</translation>
    </message>
    <message>
        <source>Print each scout&apos;s duties</source>
        <translation>Corvees per persoon afdrukken</translation>
    </message>
    <message>
        <source>Keep Apart...</source>
        <translation>Apart houden…</translation>
    </message>
    <message>
        <source>Keep apart</source>
        <translation>Apart houden</translation>
    </message>
    <message>
        <source>Pairs of people who should not share a meal&apos;s crews</source>
        <translation>Paren die niet bij dezelfde maaltijd corvee moeten hebben</translation>
    </message>
    <message>
        <source>Continue Season...</source>
        <translation>Seizoen voortzetten…</translation>
    </message>
    <message>
        <source>Continue season</source>
        <translation>Seizoen voortzetten</translation>
    </message>
    <message>
        <source>New Season</source>
        <translation>Nieuw seizoen</translation>
    </message>
    <message>
        <source>New season</source>
        <translation>Nieuw seizoen</translation>
    </message>
    <message>
        <source>Season so far: %1 meals, %2 duties</source>
        <translation>Seizoen tot nu toe: %1 maaltijden, %2 corvees</translation>
    </message>
</context>
</TS>
