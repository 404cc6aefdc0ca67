<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutBox</name>
    <message>
        <source>About...</source>
        <translation>À propos…</translation>
    </message>
    <message>
        <source>Dutywise</source>
        <translation>Dutywise</translation>
    </message>
    <message>
        <source>Version: 4.1</source>
        <translation>Version&#xa0;: 4.1</translation>
    </message>
    <message>
        <source>Build Date: Sep. 23, 2004 4:11 PM</source>
        <translation>Compilé le 23/09/2004 à 16 h 11</translation>
    </message>
    <message>
        <source>Trailhead Software, for every patrol</source>
        <translation>Trailhead Software, pour chaque équipe</translation>
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
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>ChooserWindow</name>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Please select which option you would like for your Boy Scout Roster:</source>
        <translation>Comment veux-tu faire ton planning des services&#x202f;?</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Assistant</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: dutywise [--help] [--version] [PLAN.dutywise]</source>
        <translation>Utilisation&#xa0;: dutywise [--help] [--version] [PLAN.dutywise]</translation>
    </message>
    <message>
        <source>Dutywise builds the duty roster of a scout patrol&apos;s camping outing.</source>
        <translation>Dutywise fait le planning des services d&apos;une équipe scoute pour une sortie ou un camp.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>An outing plan to load into the wizard.</source>
        <translation>Un plan de sortie à ouvrir dans l&apos;assistant.</translation>
    </message>
    <message>
        <source>give at most one plan file.</source>
        <translation>donner un seul fichier de plan au plus.</translation>
    </message>
</context>
<context>
    <name>CrewsDialog</name>
    <message>
        <source>Crews</source>
        <translation>Équipes</translation>
    </message>
    <message>
        <source>Double-click a place, or choose it and press Replace..., to put another person there. Swap With... swaps two places. A place you set stays when the roster is regenerated.</source>
        <translation>Double-clique sur une place, ou choisis-la et appuie sur «&#x202f;Remplacer…&#x202f;», pour y mettre quelqu&apos;un d&apos;autre. «&#x202f;Échanger avec…&#x202f;» échange deux places. Une place que tu choisis reste quand tu appuies sur «&#x202f;Refaire&#x202f;».</translation>
    </message>
    <message>
        <source>Crews of every meal</source>
        <translation>Équipes de chaque repas</translation>
    </message>
    <message>
        <source>Replace...</source>
        <translation>Remplacer…</translation>
    </message>
    <message>
        <source>Replace the person in the chosen place</source>
        <translation>Remplacer la personne à la place choisie</translation>
    </message>
    <message>
        <source>Swap With...</source>
        <translation>Échanger avec…</translation>
    </message>
    <message>
        <source>Swap the chosen place with another</source>
        <translation>Échanger la place choisie avec une autre</translation>
    </message>
    <message>
        <source>Swap Places</source>
        <translation>Échanger des places</translation>
    </message>
    <message>
        <source>Swap %1 with:</source>
        <translation>Échanger %1 avec&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CrewsModel</name>
    <message>
        <source>Person for %1</source>
        <translation>Personne pour %1</translation>
    </message>
    <message>
        <source>%1 (away)</source>
        <translation>%1 (pas là)</translation>
    </message>
    <message>
        <source>%1 is away for this meal</source>
        <translation>%1 n&apos;est pas là à ce repas</translation>
    </message>
    <message>
        <source>%1 is twice in one crew</source>
        <translation>%1 est deux fois dans la même équipe</translation>
    </message>
    <message>
        <source>%1 is on both crews</source>
        <translation>%1 est à la cuisine et à la vaisselle</translation>
    </message>
    <message>
        <source>%1 was on duty at the meal before</source>
        <translation>%1 était de service au repas précédent</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>No warnings</source>
        <translation>Aucun avertissement</translation>
    </message>
    <message>
        <source>%1, set by hand</source>
        <translation>%1, choisi à la main</translation>
    </message>
    <message>
        <source>Meal</source>
        <translation>Repas</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Avertissements</translation>
    </message>
    <message>
        <source>Cook %1</source>
        <translation>Cuisine %1</translation>
    </message>
    <message>
        <source>Clean-up %1</source>
        <translation>Vaisselle %1</translation>
    </message>
    <message>
        <source>%1 and %2 are to be kept apart</source>
        <translation>%1 et %2 doivent être séparés</translation>
    </message>
</context>
<context>
    <name>EditorDocument</name>
    <message>
        <source>Self Interpreter</source>
        <translation>Auto-interpréteur</translation>
    </message>
    <message>
        <source>Dutywise roster generator</source>
        <translation>Générateur de plannings Dutywise</translation>
    </message>
    <message>
        <source>Build a roster on the Finalization page</source>
        <translation>Crée un planning à la page «&#x202f;Dernière étape&#x202f;»</translation>
    </message>
    <message>
        <source>NO RESULTS ARE GENERATED</source>
        <translation>AUCUN RÉSULTAT</translation>
    </message>
    <message>
        <source>ALL PROGRAM ENVIRONMENT VARIABLES ARE NIL</source>
        <translation>TOUTES LES VARIABLES D&apos;ENVIRONNEMENT SONT NIL</translation>
    </message>
</context>
<context>
    <name>EngineMessages</name>
    <message>
        <source>Cannot open plan %1. %2</source>
        <translation>Impossible d&apos;ouvrir le plan %1. %2</translation>
    </message>
    <message>
        <source>Cannot create file %1. %2</source>
        <translation>Impossible de créer le fichier %1. %2</translation>
    </message>
    <message>
        <source>Cannot write file %1. %2</source>
        <translation>Impossible d&apos;écrire le fichier %1. %2</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>It is a folder, not a plan.</source>
        <translation>C&apos;est un dossier, pas un plan.</translation>
    </message>
    <message>
        <source>It is not a plain file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file is larger than 16 MiB; a plan is far smaller.</source>
        <translation>Le fichier dépasse 16 Mio&#x202f;; un plan est bien plus petit.</translation>
    </message>
    <message>
        <source>This file is not UTF-8 text.</source>
        <translation>Ce fichier n&apos;est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>This file is not a Dutywise plan.</source>
        <translation>Ce fichier n&apos;est pas un plan Dutywise.</translation>
    </message>
    <message>
        <source>This file is not valid JSON (at byte %1).</source>
        <translation>Ce fichier n&apos;est pas du JSON valide (à l&apos;octet %1).</translation>
    </message>
    <message>
        <source>The plan does not say its version.</source>
        <translation>Le plan n&apos;indique pas sa version.</translation>
    </message>
    <message>
        <source>This plan was written by a newer Dutywise (version %1).</source>
        <translation>Ce plan vient d&apos;un Dutywise plus récent (version %1).</translation>
    </message>
    <message>
        <source>The plan&apos;s version (%1) is not one Dutywise knows.</source>
        <translation>Dutywise ne connaît pas la version du plan (%1).</translation>
    </message>
    <message>
        <source>The field &quot;sorted&quot; must hold true or false for each list.</source>
        <translation>Le champ &quot;sorted&quot; doit valoir true ou false pour chaque liste.</translation>
    </message>
    <message>
        <source>The field &quot;days&quot; must be a list of day names.</source>
        <translation>Le champ &quot;days&quot; doit être une liste de noms de jours.</translation>
    </message>
    <message>
        <source>The field &quot;meals&quot; must hold a list of meal names for each day.</source>
        <translation>Le champ &quot;meals&quot; doit contenir une liste de repas pour chaque jour.</translation>
    </message>
    <message>
        <source>The field %1 must be a text.</source>
        <translation>Le champ %1 doit être un texte.</translation>
    </message>
    <message>
        <source>The field %1 must be a list of texts.</source>
        <translation>Le champ %1 doit être une liste de textes.</translation>
    </message>
    <message>
        <source>The field %1 must be true or false.</source>
        <translation>Le champ %1 doit valoir true ou false.</translation>
    </message>
    <message>
        <source>The field %1 must be a whole number.</source>
        <translation>Le champ %1 doit être un nombre entier.</translation>
    </message>
    <message>
        <source>The field %1 must be a list of meal names.</source>
        <translation>Le champ %1 doit être une liste de repas.</translation>
    </message>
    <message>
        <source>Unknown day %1 in the field %2.</source>
        <translation>Jour inconnu %1 dans le champ %2.</translation>
    </message>
    <message>
        <source>Unknown meal %1 in the field %2.</source>
        <translation>Repas inconnu %1 dans le champ %2.</translation>
    </message>
    <message>
        <source>The field &quot;roster&quot; must be a list of meals.</source>
        <translation>Le champ &quot;roster&quot; doit être une liste de repas.</translation>
    </message>
    <message>
        <source>The field &quot;roster.byHand&quot; must hold the places set by hand for each crew.</source>
        <translation>Le champ &quot;roster.byHand&quot; doit indiquer pour chaque équipe les places fixées à la main.</translation>
    </message>
    <message>
        <source>The field &quot;startDate&quot; must be a date written as YYYY-MM-DD.</source>
        <translation>Le champ &quot;startDate&quot; doit être une date écrite YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>The field %1 must be a list of places in the crew.</source>
        <translation>Le champ %1 doit être une liste de places de l&apos;équipe.</translation>
    </message>
    <message>
        <source>The meal %1 in the field %2 is not one of the plan&apos;s ticked meals.</source>
        <translation>Le repas %1 dans le champ %2 n&apos;est pas un des repas cochés du plan.</translation>
    </message>
    <message>
        <source>The meal %1 is twice in the field %2.</source>
        <translation>Le repas %1 figure deux fois dans le champ %2.</translation>
    </message>
    <message>
        <source>The name %1 in the field %2 is not among the plan&apos;s people.</source>
        <translation>Le nom %1 dans le champ %2 n&apos;est pas parmi les personnes du plan.</translation>
    </message>
    <message>
        <source>This file is not valid JSON.</source>
        <translation>Ce fichier n&apos;est pas du JSON valide.</translation>
    </message>
    <message>
        <source>The field %1 must not hold a line break or another control character.</source>
        <translation>Le champ %1 ne doit contenir ni saut de ligne ni autre caractère de contrôle.</translation>
    </message>
    <message>
        <source>The field &quot;away&quot; must hold a list of meals for each person.</source>
        <translation>Le champ &quot;away&quot; doit contenir une liste de repas pour chaque personne.</translation>
    </message>
    <message>
        <source>The field &quot;away&quot; must have one entry for each person (%1, not %2).</source>
        <translation>Le champ &quot;away&quot; doit avoir une entrée par personne (%1, et non %2).</translation>
    </message>
    <message>
        <source>There is no built roster yet: press Build first.</source>
        <translation>Il n&apos;y a pas encore de planning : clique d&apos;abord sur « Créer ».</translation>
    </message>
    <message>
        <source>The calendar needs the outing&apos;s start date (Days page).</source>
        <translation>Le calendrier a besoin de la date de début de la sortie (page « Jours »).</translation>
    </message>
    <message>
        <source>The field &quot;keepApart&quot; must be a list of pairs of names.</source>
        <translation>Le champ &quot;keepApart&quot; doit être une liste de paires de noms.</translation>
    </message>
    <message>
        <source>The field %1 must hold the duties and meals of each person by name.</source>
        <translation>Le champ %1 doit contenir les services et les repas de chaque personne, par nom.</translation>
    </message>
    <message>
        <source>The number %1 in the field %2 is not from 0 to 1000000.</source>
        <translation>Le nombre %1 dans le champ %2 n&apos;est pas compris entre 0 et 1000000.</translation>
    </message>
    <message>
        <source>This plan kept no roster to carry the season on from.</source>
        <translation>Ce plan n&apos;a gardé aucun planning à partir duquel poursuivre la saison.</translation>
    </message>
    <message>
        <source>Cannot continue the season from plan %1. %2</source>
        <translation>Impossible de poursuivre la saison à partir du plan %1. %2</translation>
    </message>
</context>
<context>
    <name>FlatColorComboBox</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Bleu canard</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Vert citron</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
</context>
<context>
    <name>FlatSpinEdit</name>
    <message>
        <source>Up</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Moins</translation>
    </message>
</context>
<context>
    <name>HiddenPictureWindow</name>
    <message>
        <source>You found my Easter Egg</source>
        <translation>Tu as trouvé mon œuf de Pâques</translation>
    </message>
    <message>
        <source>Scoutmaster, Trailhead Software
Sam Ridley</source>
        <translation>Chef scout, Trailhead Software
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>KeepApartDialog</name>
    <message>
        <source>Keep Apart</source>
        <translation>Séparer</translation>
    </message>
    <message>
        <source>Choose two people who should not cook or clean up at the same meal and press Add Pair. The draw keeps them apart when duties are shared evenly.</source>
        <translation>Choisis deux personnes qui ne doivent pas faire la cuisine ou la vaisselle au même repas et appuie sur « Ajouter la paire ». Le tirage les sépare quand les services sont répartis équitablement.</translation>
    </message>
    <message>
        <source>First person of the pair</source>
        <translation>Première personne de la paire</translation>
    </message>
    <message>
        <source>Second person of the pair</source>
        <translation>Deuxième personne de la paire</translation>
    </message>
    <message>
        <source>and</source>
        <translation>et</translation>
    </message>
    <message>
        <source>Add Pair</source>
        <translation>Ajouter la paire</translation>
    </message>
    <message>
        <source>Add the pair</source>
        <translation>Ajouter la paire</translation>
    </message>
    <message>
        <source>Pairs kept apart</source>
        <translation>Paires séparées</translation>
    </message>
    <message>
        <source>Remove Pair</source>
        <translation>Retirer la paire</translation>
    </message>
    <message>
        <source>Remove the chosen pair</source>
        <translation>Retirer la paire choisie</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
</context>
<context>
    <name>PresenceModel</name>
    <message>
        <source>Person</source>
        <translation>Personne</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2: there</source>
        <translation>%1, %2&#xa0;: présent</translation>
    </message>
    <message>
        <source>%1, %2: away</source>
        <translation>%1, %2&#xa0;: absent</translation>
    </message>
</context>
<context>
    <name>QtPdfService</name>
    <message>
        <source>The PDF could not be made in memory.</source>
        <translation>Le PDF n&apos;a pas pu être créé en mémoire.</translation>
    </message>
    <message>
        <source>The PDF writer could not finish the document.</source>
        <translation>Le PDF n&apos;a pas pu être terminé.</translation>
    </message>
</context>
<context>
    <name>QtPlanDialogs</name>
    <message>
        <source>Dutywise Plans (*.dutywise)</source>
        <translation>Plans Dutywise (*.dutywise)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation>Enregistrer le plan</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>Ouvrir un plan</translation>
    </message>
</context>
<context>
    <name>QtPrintService</name>
    <message>
        <source>The printer &quot;%1&quot; cannot be used.</source>
        <translation>L&apos;imprimante «&#x202f;%1&#x202f;» n&apos;est pas utilisable.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start the job &quot;%2&quot;.</source>
        <translation>L&apos;imprimante «&#x202f;%1&#x202f;» n&apos;a pas pu lancer la tâche «&#x202f;%2&#x202f;».</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; failed to print &quot;%2&quot;.</source>
        <translation>L&apos;imprimante «&#x202f;%1&#x202f;» n&apos;a pas pu imprimer «&#x202f;%2&#x202f;».</translation>
    </message>
    <message>
        <source>No default printer is set up. Set up a printer as the default printer of this computer, then print again.</source>
        <translation>Aucune imprimante par défaut n&apos;est configurée. Configure une imprimante par défaut sur cet ordinateur, puis imprime à nouveau.</translation>
    </message>
</context>
<context>
    <name>QtSaveTarget</name>
    <message>
        <source>Rich Text (*.RTF)</source>
        <translation>Texte enrichi (*.RTF)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Notice board (PDF) (*.pdf)</source>
        <translation>Tableau d&apos;affichage (PDF) (*.pdf)</translation>
    </message>
    <message>
        <source>Each scout&apos;s duties (PDF) (*.pdf)</source>
        <translation>Services de chacun (PDF) (*.pdf)</translation>
    </message>
    <message>
        <source>Calendar (*.ics)</source>
        <translation>Calendrier (*.ics)</translation>
    </message>
    <message>
        <source>Spreadsheet (*.csv)</source>
        <translation>Tableur (*.csv)</translation>
    </message>
</context>
<context>
    <name>RosterWords</name>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>Petit-déjeuner</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Déjeuner</translation>
    </message>
    <message>
        <source>Dinner</source>
        <translation>Dîner</translation>
    </message>
    <message>
        <source>%1&apos;s Roster</source>
        <translation>Planning de l&apos;équipe %1</translation>
    </message>
    <message>
        <source>Cook: %1</source>
        <translation>Cuisine&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cleanup: %1</source>
        <translation>Vaisselle&#xa0;: %1</translation>
    </message>
    <message>
        <source>Meal: %1</source>
        <translation>Plat&#xa0;: %1</translation>
    </message>
    <message>
        <source>Snacks</source>
        <translation>Goûter</translation>
    </message>
    <message>
        <source>Drinks</source>
        <translation>Boissons</translation>
    </message>
    <message>
        <source>Duties</source>
        <translation>Services</translation>
    </message>
    <message>
        <source>%1: %2 (%3 cook, %4 cleanup)</source>
        <translation>%1&#xa0;: %2 (cuisine&#xa0;: %3, vaisselle&#xa0;: %4)</translation>
    </message>
    <message>
        <source>Please enter the name of the Boy Scout Outing!</source>
        <translation>Saisis le nom de la sortie&#x202f;!</translation>
    </message>
    <message>
        <source>You don&apos;t have enough people to perform the task of cleaning up or cooking!
Please shorten the limit!</source>
        <translation>Il n&apos;y a pas assez de monde pour la cuisine et la vaisselle&#x202f;!
Mets moins de scouts par service&#x202f;!</translation>
    </message>
    <message>
        <source>Just a suggestion, please enter some more names in the beginning!</source>
        <translation>Petit conseil&#xa0;: saisis quelques noms de plus au début&#x202f;!</translation>
    </message>
    <message>
        <source>I can&apos;t let you generate a roster without Breakfast.
If you can&apos;t think of a breakfast, choose a suggestion.</source>
        <translation>Je ne peux pas faire de planning sans petit-déjeuner.
Si tu n&apos;as pas d&apos;idée, clique sur «&#x202f;Idée&#x202f;».</translation>
    </message>
    <message>
        <source>I can&apos;t let you generate a roster without Lunch.
If you can&apos;t think of a lunch, choose a suggestion.</source>
        <translation>Je ne peux pas faire de planning sans déjeuner.
Si tu n&apos;as pas d&apos;idée, clique sur «&#x202f;Idée&#x202f;».</translation>
    </message>
    <message>
        <source>I can&apos;t let you generate a roster without Dinner.
If you can&apos;t think of a dinner, choose a suggestion.</source>
        <translation>Je ne peux pas faire de planning sans dîner.
Si tu n&apos;as pas d&apos;idée, clique sur «&#x202f;Idée&#x202f;».</translation>
    </message>
    <message>
        <source>Completed!</source>
        <translation>Terminé&#x202f;!</translation>
    </message>
    <message>
        <source>You found the hidden picture!</source>
        <translation>Tu as trouvé l&apos;image cachée&#x202f;!</translation>
    </message>
    <message>
        <source>, at %1 of %2 meals</source>
        <translation>, à %1 repas sur %2</translation>
    </message>
    <message>
        <source>Not enough people are there for %1 %2!
Please shorten the limit or mark more people as there.</source>
        <translation>Pas assez de monde pour %2 de %1&#x202f;!
Mets moins de scouts par service ou coche d&apos;autres présents.</translation>
    </message>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
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
        <translation>%1 présents</translation>
    </message>
    <message>
        <source>cook</source>
        <translation>cuisine</translation>
    </message>
    <message>
        <source>clean-up</source>
        <translation>vaisselle</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <extracomment>A duty on a scout&apos;s slip: the day, the meal, the duty</extracomment>
        <translation>%1, %2 : %3</translation>
    </message>
    <message>
        <source>, with %1</source>
        <translation>, avec %1</translation>
    </message>
    <message>
        <source>Duties: %1 (%2 cook, %3 clean-up)</source>
        <translation>Services : %1 (%2 cuisine, %3 vaisselle)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A calendar event&apos;s title: the meal, the outing</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Meal</source>
        <translation>Repas</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Dish</source>
        <translation>Plat</translation>
    </message>
    <message>
        <source>; season total %1</source>
        <translation>, %1 sur la saison</translation>
    </message>
</context>
<context>
    <name>RosterWordsInSentence</name>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>le petit-déjeuner</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>le déjeuner</translation>
    </message>
    <message>
        <source>Dinner</source>
        <translation>le dîner</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Cannot start &quot;%1&quot;: &quot;%2&quot; is longer than %3 characters.</source>
        <translation>Impossible de lancer «&#x202f;%1&#x202f;»&#xa0;: «&#x202f;%2&#x202f;» dépasse %3 caractères.</translation>
    </message>
    <message>
        <source>Cannot start &quot;%1&quot;: %2</source>
        <translation>Impossible de lancer «&#x202f;%1&#x202f;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TemplateChooser</name>
    <message>
        <source>Packready Templates</source>
        <translation>Modèles prêts</translation>
    </message>
    <message>
        <source>Please select how many days there will be on the outing:</source>
        <translation>Combien de jours dure la sortie&#x202f;?</translation>
    </message>
    <message>
        <source>Number of days</source>
        <translation>Nombre de jours</translation>
    </message>
    <message>
        <source>1 Day</source>
        <translation>1 jour</translation>
    </message>
    <message>
        <source>2 Days</source>
        <translation>2 jours</translation>
    </message>
    <message>
        <source>3 Days</source>
        <translation>3 jours</translation>
    </message>
    <message>
        <source>4 Days</source>
        <translation>4 jours</translation>
    </message>
    <message>
        <source>5 Days</source>
        <translation>5 jours</translation>
    </message>
    <message>
        <source>6 Days</source>
        <translation>6 jours</translation>
    </message>
    <message>
        <source>7 Days</source>
        <translation>7 jours</translation>
    </message>
    <message>
        <source>Edit a Template</source>
        <translation>Modifier un modèle</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Please select the number of days in the outing!</source>
        <translation>Choisis le nombre de jours de la sortie&#x202f;!</translation>
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
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Sam Ridley</source>
        <translation>Sam Ridley</translation>
    </message>
    <message>
        <source>Scoutmaster, Trailhead Software</source>
        <translation>Chef scout, Trailhead Software</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Welcome to Dutywise 4.1. I have changed the program just a LITTLE. At least this time, you have a choice of a template or a generated roster. If you have any questions or problems, my email is:%1. Thank you for using this program.

Happy Roster Generating.</source>
        <translation>Bienvenue dans Dutywise 4.1. J&apos;ai juste UN PEU changé le programme. Cette fois, tu peux au moins choisir entre un modèle et un planning fait par le programme. Pour toute question ou tout souci, mon adresse est&#xa0;: %1. Merci d&apos;utiliser ce programme.

Bons plannings&#x202f;!</translation>
    </message>
</context>
<context>
    <name>WhoIsThereDialog</name>
    <message>
        <source>Who is there when?</source>
        <translation>Qui est là, et quand&#x202f;?</translation>
    </message>
    <message>
        <source>Untick the meals a person is away from. The tick on a name ticks or clears the whole row.</source>
        <translation>Décoche les repas où une personne est absente. La case du nom coche ou décoche toute la ligne.</translation>
    </message>
    <message>
        <source>Who is there when</source>
        <translation>Qui est là et quand</translation>
    </message>
    <message>
        <source>There for Every Meal</source>
        <translation>Présence à tous les repas</translation>
    </message>
    <message>
        <source>Away from Every Meal</source>
        <translation>Absence à tous les repas</translation>
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
        <translation>Les bases</translation>
    </message>
    <message>
        <source>Welcome to Dutywise. This program will generate a Boy Scout Outing Roster for any Boy Scout Troop. First, you must enter the &quot;basics&quot;, which start out a roster. If you would fill out the text boxes below, the roster can continue.</source>
        <translation>Bienvenue dans Dutywise. Ce programme fait le planning des services d&apos;une sortie pour toute unité scoute. Saisis d&apos;abord les «&#x202f;bases&#x202f;» du planning. Quand tu auras rempli les champs ci-dessous, tu pourras continuer.</translation>
    </message>
    <message>
        <source>What is the name of the Boy Scout Outing?</source>
        <translation>Quel est le nom de la sortie&#x202f;?</translation>
    </message>
    <message>
        <source>Outing name</source>
        <translation>Nom de la sortie</translation>
    </message>
    <message>
        <source>What is the name of the patrol?</source>
        <translation>Quel est le nom de l&apos;équipe&#x202f;?</translation>
    </message>
    <message>
        <source>Patrol name</source>
        <translation>Nom de l&apos;équipe</translation>
    </message>
    <message>
        <source>Who are the people on the outing/in the patrol?</source>
        <translation>Qui participe à la sortie, qui est dans l&apos;équipe&#x202f;?</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Participants</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add person</source>
        <translation>Ajouter une personne</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Delete person</source>
        <translation>Retirer la personne</translation>
    </message>
    <message>
        <source>This list should be sorted</source>
        <translation>Trier cette liste</translation>
    </message>
    <message>
        <source>Open Plan...</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Open plan</source>
        <translation>Ouvrir un plan</translation>
    </message>
    <message>
        <source>Save Plan...</source>
        <translation>Enregistrer…</translation>
    </message>
    <message>
        <source>Save plan</source>
        <translation>Enregistrer le plan</translation>
    </message>
    <message>
        <source>Dutywise
A roster for every outing, fair to every scout</source>
        <translation>Dutywise
Un planning pour chaque sortie, juste pour tous</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Which days of the week are you going on the Outing?</source>
        <translation>Quels jours de la semaine dure la sortie&#x202f;?</translation>
    </message>
    <message>
        <source>Check All Days</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>Uncheck All Days</source>
        <translation>Aucun jour</translation>
    </message>
    <message>
        <source>Check All Meals</source>
        <translation>Tous les repas</translation>
    </message>
    <message>
        <source>Uncheck All Meals</source>
        <translation>Aucun repas</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>Matin</translation>
    </message>
    <message>
        <source>Sunday Breakfast</source>
        <translation>Dimanche, petit-déjeuner</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Midi</translation>
    </message>
    <message>
        <source>Sunday Lunch</source>
        <translation>Dimanche, déjeuner</translation>
    </message>
    <message>
        <source>Dinner</source>
        <translation>Soir</translation>
    </message>
    <message>
        <source>Sunday Dinner</source>
        <translation>Dimanche, dîner</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Monday Breakfast</source>
        <translation>Lundi, petit-déjeuner</translation>
    </message>
    <message>
        <source>Monday Lunch</source>
        <translation>Lundi, déjeuner</translation>
    </message>
    <message>
        <source>Monday Dinner</source>
        <translation>Lundi, dîner</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Tuesday Breakfast</source>
        <translation>Mardi, petit-déjeuner</translation>
    </message>
    <message>
        <source>Tuesday Lunch</source>
        <translation>Mardi, déjeuner</translation>
    </message>
    <message>
        <source>Tuesday Dinner</source>
        <translation>Mardi, dîner</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Wednesday Breakfast</source>
        <translation>Mercredi, petit-déjeuner</translation>
    </message>
    <message>
        <source>Wednesday Lunch</source>
        <translation>Mercredi, déjeuner</translation>
    </message>
    <message>
        <source>Wednesday Dinner</source>
        <translation>Mercredi, dîner</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Thursday Breakfast</source>
        <translation>Jeudi, petit-déjeuner</translation>
    </message>
    <message>
        <source>Thursday Lunch</source>
        <translation>Jeudi, déjeuner</translation>
    </message>
    <message>
        <source>Thursday Dinner</source>
        <translation>Jeudi, dîner</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Friday Breakfast</source>
        <translation>Vendredi, petit-déjeuner</translation>
    </message>
    <message>
        <source>Friday Lunch</source>
        <translation>Vendredi, déjeuner</translation>
    </message>
    <message>
        <source>Friday Dinner</source>
        <translation>Vendredi, dîner</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Saturday Breakfast</source>
        <translation>Samedi, petit-déjeuner</translation>
    </message>
    <message>
        <source>Saturday Lunch</source>
        <translation>Samedi, déjeuner</translation>
    </message>
    <message>
        <source>Saturday Dinner</source>
        <translation>Samedi, dîner</translation>
    </message>
    <message>
        <source>Meals</source>
        <translation>Repas</translation>
    </message>
    <message>
        <source>What are some of the meals that will be made on the outing?</source>
        <translation>Quels plats allez-vous cuisiner pendant la sortie&#x202f;?</translation>
    </message>
    <message>
        <source>What&apos;s for Breakfast?</source>
        <translation>Au petit-déjeuner&#x202f;?</translation>
    </message>
    <message>
        <source>Breakfasts</source>
        <translation>Petits-déjeuners</translation>
    </message>
    <message>
        <source>Add breakfast</source>
        <translation>Ajouter un petit-déjeuner</translation>
    </message>
    <message>
        <source>Delete breakfast</source>
        <translation>Retirer le petit-déjeuner</translation>
    </message>
    <message>
        <source>Sorted</source>
        <translation>Trié</translation>
    </message>
    <message>
        <source>Sort breakfast list</source>
        <translation>Trier la liste des petits-déjeuners</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Idée</translation>
    </message>
    <message>
        <source>Breakfast suggestion</source>
        <translation>Idée de petit-déjeuner</translation>
    </message>
    <message>
        <source>What&apos;s for Lunch?</source>
        <translation>Au déjeuner&#x202f;?</translation>
    </message>
    <message>
        <source>Lunches</source>
        <translation>Déjeuners</translation>
    </message>
    <message>
        <source>Add lunch</source>
        <translation>Ajouter un déjeuner</translation>
    </message>
    <message>
        <source>Delete lunch</source>
        <translation>Retirer le déjeuner</translation>
    </message>
    <message>
        <source>Sort lunch list</source>
        <translation>Trier la liste des déjeuners</translation>
    </message>
    <message>
        <source>Lunch suggestion</source>
        <translation>Idée de déjeuner</translation>
    </message>
    <message>
        <source>What&apos;s for Dinner?</source>
        <translation>Au dîner&#x202f;?</translation>
    </message>
    <message>
        <source>Dinners</source>
        <translation>Dîners</translation>
    </message>
    <message>
        <source>Add dinner</source>
        <translation>Ajouter un dîner</translation>
    </message>
    <message>
        <source>Delete dinner</source>
        <translation>Retirer le dîner</translation>
    </message>
    <message>
        <source>Sort dinner list</source>
        <translation>Trier la liste des dîners</translation>
    </message>
    <message>
        <source>Dinner suggestion</source>
        <translation>Idée de dîner</translation>
    </message>
    <message>
        <source>Click this label to add this suggestion to the Breakfast list.</source>
        <translation>Clique ici pour ajouter cette idée aux petits-déjeuners.</translation>
    </message>
    <message>
        <source>Click this label to add this suggestion to the Lunch list.</source>
        <translation>Clique ici pour ajouter cette idée aux déjeuners.</translation>
    </message>
    <message>
        <source>Click this label to add this suggestion to the Dinner list.</source>
        <translation>Clique ici pour ajouter cette idée aux dîners.</translation>
    </message>
    <message>
        <source>Cinnamon Rolls</source>
        <translation>Brioches à la cannelle</translation>
    </message>
    <message>
        <source>Eggs and Bacon</source>
        <translation>Œufs au bacon</translation>
    </message>
    <message>
        <source>Oatmeal</source>
        <translation>Porridge</translation>
    </message>
    <message>
        <source>Cocoa Puffs</source>
        <translation>Céréales au chocolat</translation>
    </message>
    <message>
        <source>Cocoa Pebbles</source>
        <translation>Muesli au chocolat</translation>
    </message>
    <message>
        <source>Fruity Pebbles</source>
        <translation>Muesli aux fruits</translation>
    </message>
    <message>
        <source>Rice Crispies</source>
        <translation>Riz soufflé</translation>
    </message>
    <message>
        <source>Fruit Loops</source>
        <translation>Anneaux aux fruits</translation>
    </message>
    <message>
        <source>Trix</source>
        <translation>Céréales colorées</translation>
    </message>
    <message>
        <source>Lucky Charms</source>
        <translation>Céréales aux guimauves</translation>
    </message>
    <message>
        <source>Wheaties</source>
        <translation>Flocons de blé</translation>
    </message>
    <message>
        <source>Frosted Flakes</source>
        <translation>Pétales de maïs glacés</translation>
    </message>
    <message>
        <source>Smart Start</source>
        <translation>Céréales complètes</translation>
    </message>
    <message>
        <source>Kix</source>
        <translation>Boules de maïs</translation>
    </message>
    <message>
        <source>Cereal - Other</source>
        <translation>Autres céréales</translation>
    </message>
    <message>
        <source>Sandwiches</source>
        <translation>Sandwichs</translation>
    </message>
    <message>
        <source>Hot Dogs</source>
        <translation>Hot-dogs</translation>
    </message>
    <message>
        <source>Hamburgers</source>
        <translation>Hamburgers</translation>
    </message>
    <message>
        <source>Soup</source>
        <translation>Soupe</translation>
    </message>
    <message>
        <source>Cold Cuts</source>
        <translation>Charcuterie</translation>
    </message>
    <message>
        <source>Omelets</source>
        <translation>Omelettes</translation>
    </message>
    <message>
        <source>Hoagies</source>
        <translation>Sandwichs baguette</translation>
    </message>
    <message>
        <source>Foil Packs</source>
        <translation>Papillotes</translation>
    </message>
    <message>
        <source>P, B, and J</source>
        <translation>Tartines à la cacahuète</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Poisson</translation>
    </message>
    <message>
        <source>Salad</source>
        <translation>Salade</translation>
    </message>
    <message>
        <source>Chicken</source>
        <translation>Poulet</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>Spaghettis</translation>
    </message>
    <message>
        <source>Beef Stew</source>
        <translation>Ragoût de bœuf</translation>
    </message>
    <message>
        <source>Pizza</source>
        <translation>Pizza</translation>
    </message>
    <message>
        <source>Pasta</source>
        <translation>Pâtes</translation>
    </message>
    <message>
        <source>Ravioli</source>
        <translation>Raviolis</translation>
    </message>
    <message>
        <source>Snacks &amp;&amp; Drinks</source>
        <translation>Goûter &amp;&amp; boissons</translation>
    </message>
    <message>
        <source>Like every Boy Scout Outing, it would be good to have snacks, and definitely Drinks.</source>
        <translation>Comme à chaque sortie, prévois un goûter et surtout des boissons.</translation>
    </message>
    <message>
        <source>Please add your snacks here:</source>
        <translation>Ton goûter&#xa0;:</translation>
    </message>
    <message>
        <source>Please add your drinks here:</source>
        <translation>Tes boissons&#xa0;:</translation>
    </message>
    <message>
        <source>Snacks</source>
        <translation>Goûter</translation>
    </message>
    <message>
        <source>Drinks</source>
        <translation>Boissons</translation>
    </message>
    <message>
        <source>Add snack</source>
        <translation>Ajouter un en-cas</translation>
    </message>
    <message>
        <source>Add drink</source>
        <translation>Ajouter une boisson</translation>
    </message>
    <message>
        <source>Delete snack</source>
        <translation>Retirer l&apos;en-cas</translation>
    </message>
    <message>
        <source>Delete drink</source>
        <translation>Retirer la boisson</translation>
    </message>
    <message>
        <source>Sort snacks list</source>
        <translation>Trier la liste du goûter</translation>
    </message>
    <message>
        <source>Sort drinks list</source>
        <translation>Trier la liste des boissons</translation>
    </message>
    <message>
        <source>Snack suggestion</source>
        <translation>Idée d&apos;en-cas</translation>
    </message>
    <message>
        <source>Drink suggestion</source>
        <translation>Idée de boisson</translation>
    </message>
    <message>
        <source>Click this label to add this suggestion to the Snacks list.</source>
        <translation>Clique ici pour ajouter cette idée au goûter.</translation>
    </message>
    <message>
        <source>Click this label to add this suggestion to the Drinks list.</source>
        <translation>Clique ici pour ajouter cette idée aux boissons.</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>Biscuits</translation>
    </message>
    <message>
        <source>Doritos</source>
        <translation>Chips tortilla</translation>
    </message>
    <message>
        <source>Fritos</source>
        <translation>Chips de maïs</translation>
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
        <translation>Crème dessert</translation>
    </message>
    <message>
        <source>Apple Sauce</source>
        <translation>Compote de pommes</translation>
    </message>
    <message>
        <source>Peeps</source>
        <translation>Guimauves</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Gâteau</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Tarte</translation>
    </message>
    <message>
        <source>Chocolate Bars</source>
        <translation>Barres chocolatées</translation>
    </message>
    <message>
        <source>Energy Bars</source>
        <translation>Barres énergétiques</translation>
    </message>
    <message>
        <source>Chewy Bars</source>
        <translation>Barres de céréales</translation>
    </message>
    <message>
        <source>Graham Crackers</source>
        <translation>Biscuits complets</translation>
    </message>
    <message>
        <source>Crackers</source>
        <translation>Crackers</translation>
    </message>
    <message>
        <source>Oreos</source>
        <translation>Biscuits fourrés</translation>
    </message>
    <message>
        <source>Chips Ahoy</source>
        <translation>Cookies au chocolat</translation>
    </message>
    <message>
        <source>Beef Jerky</source>
        <translation>Viande séchée</translation>
    </message>
    <message>
        <source>Slim Jims</source>
        <translation>Saucisses sèches</translation>
    </message>
    <message>
        <source>Bug Juice</source>
        <translation>Sirop</translation>
    </message>
    <message>
        <source>OJ</source>
        <translation>Jus d&apos;orange</translation>
    </message>
    <message>
        <source>Juice</source>
        <translation>Jus de fruits</translation>
    </message>
    <message>
        <source>Fruit Punch</source>
        <translation>Punch aux fruits</translation>
    </message>
    <message>
        <source>Tea</source>
        <translation>Thé</translation>
    </message>
    <message>
        <source>Milk</source>
        <translation>Lait</translation>
    </message>
    <message>
        <source>Pepsi</source>
        <translation>Cola</translation>
    </message>
    <message>
        <source>Sprite</source>
        <translation>Limonade</translation>
    </message>
    <message>
        <source>Mountain Dew</source>
        <translation>Soda</translation>
    </message>
    <message>
        <source>Coca Cola</source>
        <translation>Coca</translation>
    </message>
    <message>
        <source>Cool Aid</source>
        <translation>Boisson en poudre</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Gingerale</source>
        <translation>Ginger ale</translation>
    </message>
    <message>
        <source>Root Beer</source>
        <translation>Diabolo menthe</translation>
    </message>
    <message>
        <source>Sarsaparilla</source>
        <translation>Limonade aux plantes</translation>
    </message>
    <message>
        <source>Orange Soda</source>
        <translation>Orangeade</translation>
    </message>
    <message>
        <source>Finalization</source>
        <translation>Dernière étape</translation>
    </message>
    <message>
        <source>The last step of the roster is to figure out how many cooks and clean up people there should be.</source>
        <translation>Dernière étape&#xa0;: combien de scouts à la cuisine et combien à la vaisselle&#x202f;?</translation>
    </message>
    <message>
        <source>Crew size</source>
        <translation>Scouts par service</translation>
    </message>
    <message>
        <source>Your limit is 1 - 5 scouts!</source>
        <translation>Entre 1 et 5 scouts&#x202f;!</translation>
    </message>
    <message>
        <source>Why add this Limit?</source>
        <translation>Pourquoi cette limite&#x202f;?</translation>
    </message>
    <message>
        <source>Since a program is a program and not a living person, you can&apos;t have 0 people clean up or have 18 people cook!</source>
        <translation>Un programme n&apos;est pas une personne&#xa0;: pas de vaisselle à 0 ni de cuisine à 18&#x202f;!</translation>
    </message>
    <message>
        <source>Now, after you have selected the number of cooks and clean up people for a meal, click on the &quot;Build&quot; button below, to build your roster and generate a document for printing.</source>
        <translation>Une fois choisi le nombre de scouts à la cuisine et à la vaisselle, clique sur «&#x202f;Créer&#x202f;» ci-dessous pour faire ton planning à imprimer.</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Share duties evenly</source>
        <translation>Répartir équitablement</translation>
    </message>
    <message>
        <source>Generation</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>This page is only used when building a roster, so if your roster isn&apos;t built, please go back to the &quot;Finalization&quot; page and build it from there.</source>
        <translation>Cette page montre le planning créé. S&apos;il n&apos;est pas encore fait, retourne à la page «&#x202f;Dernière étape&#x202f;» pour le créer.</translation>
    </message>
    <message>
        <source>Use this button to make the font bold</source>
        <translation>Mettre en gras</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Use this button to make the font italic</source>
        <translation>Mettre en italique</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Use this button to make the font underlined</source>
        <translation>Souligner</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Use this button to save this roster...</source>
        <translation>Enregistrer ce planning…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Use this button to print a file...</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Use this drop-down box to change the font...</source>
        <translation>Changer la police…</translation>
    </message>
    <message>
        <source>Font name</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Use this drop-down box to change the color of the font...</source>
        <translation>Changer la couleur du texte…</translation>
    </message>
    <message>
        <source>Font colour</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Use this spin editor to control the size of your font...</source>
        <translation>Changer la taille du texte…</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>Roster</source>
        <translation>Planning</translation>
    </message>
    <message>
        <source>Fresh Start</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Regenerate</source>
        <translation>Refaire</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos…</translation>
    </message>
    <message>
        <source>I can&apos;t see the text!</source>
        <translation>Je ne vois pas le texte&#x202f;!</translation>
    </message>
    <message>
        <source>I&apos;m sorry, I can&apos;t add the same meal to the list!</source>
        <translation>Désolé, ce plat est déjà dans la liste&#x202f;!</translation>
    </message>
    <message>
        <source>I&apos;m sorry, I can&apos;t add the same snack to the list!</source>
        <translation>Désolé, cet en-cas est déjà dans la liste&#x202f;!</translation>
    </message>
    <message>
        <source>I&apos;m sorry, I can&apos;t add the same drink to the list!</source>
        <translation>Désolé, cette boisson est déjà dans la liste&#x202f;!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>The name you have entered is already in the list, add to the list?</source>
        <translation>Ce nom est déjà dans la liste. L&apos;ajouter quand même&#x202f;?</translation>
    </message>
    <message>
        <source>Dutywise</source>
        <translation>Dutywise</translation>
    </message>
    <message>
        <source>Replace the entries of the wizard with the plan &quot;%1&quot;?</source>
        <translation>Remplacer les saisies de l&apos;assistant par le plan «&#x202f;%1&#x202f;»&#x202f;?</translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Idée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Personne</translation>
    </message>
    <message>
        <source>What is the person&apos;s name?</source>
        <translation>Quel est le nom de la personne&#x202f;?</translation>
    </message>
    <message>
        <source>What is the name of the Meal for Breakfast?</source>
        <translation>Quel plat au petit-déjeuner&#x202f;?</translation>
    </message>
    <message>
        <source>What is the name of the Meal for Lunch?</source>
        <translation>Quel plat au déjeuner&#x202f;?</translation>
    </message>
    <message>
        <source>What is the name of the Meal for Dinner?</source>
        <translation>Quel plat au dîner&#x202f;?</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>En-cas</translation>
    </message>
    <message>
        <source>What is the name of the Snack?</source>
        <translation>Quel en-cas&#x202f;?</translation>
    </message>
    <message>
        <source>Drink</source>
        <translation>Boisson</translation>
    </message>
    <message>
        <source>What is the name of the Drink?</source>
        <translation>Quelle boisson&#x202f;?</translation>
    </message>
    <message>
        <source>Who Is There...</source>
        <translation>Qui est là…</translation>
    </message>
    <message>
        <source>Who is there</source>
        <translation>Qui est là</translation>
    </message>
    <message>
        <source>Tick the days and meals of the outing first.</source>
        <translation>Coche d&apos;abord les jours et les repas de la sortie.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>Date of the first day</source>
        <translation>Date du premier jour</translation>
    </message>
    <message>
        <source>Crews...</source>
        <translation>Équipes…</translation>
    </message>
    <message>
        <source>Crews</source>
        <translation>Équipes</translation>
    </message>
    <message>
        <source>The roster&apos;s text was changed by hand since it was written. Write it anew with the changed crews?</source>
        <translation>Le texte du planning a été modifié à la main depuis qu&apos;il a été écrit. Le réécrire avec les équipes modifiées&#x202f;?</translation>
    </message>
    <message>
        <source>Use this button to print the notice board or each scout&apos;s duties...</source>
        <translation>Imprimer le tableau ou les services de chacun...</translation>
    </message>
    <message>
        <source>Print which layout</source>
        <translation>Quoi imprimer</translation>
    </message>
    <message>
        <source>Print the roster</source>
        <translation>Imprimer le planning</translation>
    </message>
    <message>
        <source>Print the notice board</source>
        <translation>Imprimer le tableau d&apos;affichage</translation>
    </message>
    <message>
        <source>Print each scout&apos;s duties</source>
        <translation>Imprimer les services de chacun</translation>
    </message>
    <message>
        <source>Keep Apart...</source>
        <translation>Séparer…</translation>
    </message>
    <message>
        <source>Keep apart</source>
        <translation>Séparer</translation>
    </message>
    <message>
        <source>Pairs of people who should not share a meal&apos;s crews</source>
        <translation>Paires de personnes qui ne doivent pas être de service au même repas</translation>
    </message>
    <message>
        <source>Continue Season...</source>
        <translation>Poursuivre la saison…</translation>
    </message>
    <message>
        <source>Continue season</source>
        <translation>Poursuivre la saison</translation>
    </message>
    <message>
        <source>New Season</source>
        <translation>Nouvelle saison</translation>
    </message>
    <message>
        <source>New season</source>
        <translation>Nouvelle saison</translation>
    </message>
    <message>
        <source>Season so far: %1 meals, %2 duties</source>
        <translation>Saison jusqu&apos;ici : %1 repas, %2 services</translation>
    </message>
</context>
</TS>
