<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutBox</name>
    <message>
        <source>About...</source>
        <translation>Acerca de…</translation>
    </message>
    <message>
        <source>Dutywise</source>
        <translation>Dutywise</translation>
    </message>
    <message>
        <source>Version: 4.1</source>
        <translation>Versión: 4.1</translation>
    </message>
    <message>
        <source>Build Date: Sep. 23, 2004 4:11 PM</source>
        <translation>Compilado: 23/09/2004, 16:11</translation>
    </message>
    <message>
        <source>Trailhead Software, for every patrol</source>
        <translation>Trailhead Software, para cada patrulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>ChooserWindow</name>
    <message>
        <source>Welcome</source>
        <translation>Bienvenida</translation>
    </message>
    <message>
        <source>Please select which option you would like for your Boy Scout Roster:</source>
        <translation>¿Cómo quieres hacer tu cuadrante de servicios?</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Plantilla</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Asistente</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: dutywise [--help] [--version] [PLAN.dutywise]</source>
        <translation>Uso: dutywise [--help] [--version] [PLAN.dutywise]</translation>
    </message>
    <message>
        <source>Dutywise builds the duty roster of a scout patrol&apos;s camping outing.</source>
        <translation>Dutywise hace el cuadrante de servicios de una patrulla scout para una salida o campamento.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>An outing plan to load into the wizard.</source>
        <translation>Un plan de salida para cargar en el asistente.</translation>
    </message>
    <message>
        <source>give at most one plan file.</source>
        <translation>indica como mucho un archivo de plan.</translation>
    </message>
</context>
<context>
    <name>CrewsDialog</name>
    <message>
        <source>Crews</source>
        <translation>Turnos</translation>
    </message>
    <message>
        <source>Double-click a place, or choose it and press Replace..., to put another person there. Swap With... swaps two places. A place you set stays when the roster is regenerated.</source>
        <translation>Haz doble clic en un puesto, o elígelo y pulsa «Sustituir…», para poner a otra persona. «Intercambiar con…» intercambia dos puestos. Un puesto que fijes se mantiene al pulsar «Rehacer».</translation>
    </message>
    <message>
        <source>Crews of every meal</source>
        <translation>Turnos de cada comida</translation>
    </message>
    <message>
        <source>Replace...</source>
        <translation>Sustituir…</translation>
    </message>
    <message>
        <source>Replace the person in the chosen place</source>
        <translation>Sustituir a la persona del puesto elegido</translation>
    </message>
    <message>
        <source>Swap With...</source>
        <translation>Intercambiar con…</translation>
    </message>
    <message>
        <source>Swap the chosen place with another</source>
        <translation>Intercambiar el puesto elegido con otro</translation>
    </message>
    <message>
        <source>Swap Places</source>
        <translation>Intercambiar puestos</translation>
    </message>
    <message>
        <source>Swap %1 with:</source>
        <translation>Intercambiar %1 con:</translation>
    </message>
</context>
<context>
    <name>CrewsModel</name>
    <message>
        <source>Person for %1</source>
        <translation>Persona para %1</translation>
    </message>
    <message>
        <source>%1 (away)</source>
        <translation>%1 (no está)</translation>
    </message>
    <message>
        <source>%1 is away for this meal</source>
        <translation>%1 no está en esta comida</translation>
    </message>
    <message>
        <source>%1 is twice in one crew</source>
        <translation>%1 está dos veces en el mismo turno</translation>
    </message>
    <message>
        <source>%1 is on both crews</source>
        <translation>%1 está en cocina y en limpieza</translation>
    </message>
    <message>
        <source>%1 was on duty at the meal before</source>
        <translation>%1 tuvo servicio en la comida anterior</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>No warnings</source>
        <translation>Sin avisos</translation>
    </message>
    <message>
        <source>%1, set by hand</source>
        <translation>%1, puesto a mano</translation>
    </message>
    <message>
        <source>Meal</source>
        <translation>Comida</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>Cook %1</source>
        <translation>Cocina %1</translation>
    </message>
    <message>
        <source>Clean-up %1</source>
        <translation>Limpieza %1</translation>
    </message>
    <message>
        <source>%1 and %2 are to be kept apart</source>
        <translation>%1 y %2 deben ir separados</translation>
    </message>
</context>
<context>
    <name>EditorDocument</name>
    <message>
        <source>Self Interpreter</source>
        <translation>Autointérprete</translation>
    </message>
    <message>
        <source>Dutywise roster generator</source>
        <translation>Generador de cuadrantes Dutywise</translation>
    </message>
    <message>
        <source>Build a roster on the Finalization page</source>
        <translation>Haz un cuadrante en la página «Final»</translation>
    </message>
    <message>
        <source>NO RESULTS ARE GENERATED</source>
        <translation>SIN RESULTADOS</translation>
    </message>
    <message>
        <source>ALL PROGRAM ENVIRONMENT VARIABLES ARE NIL</source>
        <translation>TODAS LAS VARIABLES DE ENTORNO SON NIL</translation>
    </message>
</context>
<context>
    <name>EngineMessages</name>
    <message>
        <source>Cannot open plan %1. %2</source>
        <translation>No se puede abrir el plan %1. %2</translation>
    </message>
    <message>
        <source>Cannot create file %1. %2</source>
        <translation>No se puede crear el archivo %1. %2</translation>
    </message>
    <message>
        <source>Cannot write file %1. %2</source>
        <translation>No se puede escribir el archivo %1. %2</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>It is a folder, not a plan.</source>
        <translation>Es una carpeta, no un plan.</translation>
    </message>
    <message>
        <source>It is not a plain file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>The file is larger than 16 MiB; a plan is far smaller.</source>
        <translation>El archivo ocupa más de 16 MiB; un plan es mucho más pequeño.</translation>
    </message>
    <message>
        <source>This file is not UTF-8 text.</source>
        <translation>Este archivo no es texto UTF-8.</translation>
    </message>
    <message>
        <source>This file is not a Dutywise plan.</source>
        <translation>Este archivo no es un plan de Dutywise.</translation>
    </message>
    <message>
        <source>This file is not valid JSON (at byte %1).</source>
        <translation>Este archivo no es JSON válido (en el byte %1).</translation>
    </message>
    <message>
        <source>The plan does not say its version.</source>
        <translation>El plan no indica su versión.</translation>
    </message>
    <message>
        <source>This plan was written by a newer Dutywise (version %1).</source>
        <translation>Este plan es de un Dutywise más reciente (versión %1).</translation>
    </message>
    <message>
        <source>The plan&apos;s version (%1) is not one Dutywise knows.</source>
        <translation>Dutywise no conoce la versión del plan (%1).</translation>
    </message>
    <message>
        <source>The field &quot;sorted&quot; must hold true or false for each list.</source>
        <translation>El campo &quot;sorted&quot; debe valer true o false para cada lista.</translation>
    </message>
    <message>
        <source>The field &quot;days&quot; must be a list of day names.</source>
        <translation>El campo &quot;days&quot; debe ser una lista de nombres de días.</translation>
    </message>
    <message>
        <source>The field &quot;meals&quot; must hold a list of meal names for each day.</source>
        <translation>El campo &quot;meals&quot; debe tener una lista de comidas para cada día.</translation>
    </message>
    <message>
        <source>The field %1 must be a text.</source>
        <translation>El campo %1 debe ser un texto.</translation>
    </message>
    <message>
        <source>The field %1 must be a list of texts.</source>
        <translation>El campo %1 debe ser una lista de textos.</translation>
    </message>
    <message>
        <source>The field %1 must be true or false.</source>
        <translation>El campo %1 debe ser true o false.</translation>
    </message>
    <message>
        <source>The field %1 must be a whole number.</source>
        <translation>El campo %1 debe ser un número entero.</translation>
    </message>
    <message>
        <source>The field %1 must be a list of meal names.</source>
        <translation>El campo %1 debe ser una lista de comidas.</translation>
    </message>
    <message>
        <source>Unknown day %1 in the field %2.</source>
        <translation>Día desconocido %1 en el campo %2.</translation>
    </message>
    <message>
        <source>Unknown meal %1 in the field %2.</source>
        <translation>Comida desconocida %1 en el campo %2.</translation>
    </message>
    <message>
        <source>The field &quot;roster&quot; must be a list of meals.</source>
        <translation>El campo &quot;roster&quot; debe ser una lista de comidas.</translation>
    </message>
    <message>
        <source>The field &quot;roster.byHand&quot; must hold the places set by hand for each crew.</source>
        <translation>El campo &quot;roster.byHand&quot; debe indicar para cada equipo los puestos fijados a mano.</translation>
    </message>
    <message>
        <source>The field &quot;startDate&quot; must be a date written as YYYY-MM-DD.</source>
        <translation>El campo &quot;startDate&quot; debe ser una fecha escrita como YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>The field %1 must be a list of places in the crew.</source>
        <translation>El campo %1 debe ser una lista de puestos del equipo.</translation>
    </message>
    <message>
        <source>The meal %1 in the field %2 is not one of the plan&apos;s ticked meals.</source>
        <translation>La comida %1 en el campo %2 no es una de las comidas marcadas del plan.</translation>
    </message>
    <message>
        <source>The meal %1 is twice in the field %2.</source>
        <translation>La comida %1 aparece dos veces en el campo %2.</translation>
    </message>
    <message>
        <source>The name %1 in the field %2 is not among the plan&apos;s people.</source>
        <translation>El nombre %1 en el campo %2 no está entre las personas del plan.</translation>
    </message>
    <message>
        <source>This file is not valid JSON.</source>
        <translation>Este archivo no es JSON válido.</translation>
    </message>
    <message>
        <source>The field %1 must not hold a line break or another control character.</source>
        <translation>El campo %1 no debe contener saltos de línea ni otros caracteres de control.</translation>
    </message>
    <message>
        <source>The field &quot;away&quot; must hold a list of meals for each person.</source>
        <translation>El campo &quot;away&quot; debe tener una lista de comidas para cada persona.</translation>
    </message>
    <message>
        <source>The field &quot;away&quot; must have one entry for each person (%1, not %2).</source>
        <translation>El campo &quot;away&quot; debe tener una entrada por persona (%1, no %2).</translation>
    </message>
    <message>
        <source>There is no built roster yet: press Build first.</source>
        <translation>Aún no hay cuadrante: pulsa primero «Crear».</translation>
    </message>
    <message>
        <source>The calendar needs the outing&apos;s start date (Days page).</source>
        <translation>El calendario necesita la fecha de inicio de la salida (página «Días»).</translation>
    </message>
    <message>
        <source>The field &quot;keepApart&quot; must be a list of pairs of names.</source>
        <translation>El campo &quot;keepApart&quot; debe ser una lista de pares de nombres.</translation>
    </message>
    <message>
        <source>The field %1 must hold the duties and meals of each person by name.</source>
        <translation>El campo %1 debe contener los servicios y las comidas de cada persona, por nombre.</translation>
    </message>
    <message>
        <source>The number %1 in the field %2 is not from 0 to 1000000.</source>
        <translation>El número %1 en el campo %2 no está entre 0 y 1000000.</translation>
    </message>
    <message>
        <source>This plan kept no roster to carry the season on from.</source>
        <translation>Este plan no guardó ningún cuadrante desde el que continuar la temporada.</translation>
    </message>
    <message>
        <source>Cannot continue the season from plan %1. %2</source>
        <translation>No se puede continuar la temporada desde el plan %1. %2</translation>
    </message>
</context>
<context>
    <name>FlatColorComboBox</name>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Verde lima</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Turquesa</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
</context>
<context>
    <name>FlatSpinEdit</name>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
</context>
<context>
    <name>HiddenPictureWindow</name>
    <message>
        <source>You found my Easter Egg</source>
        <translation>Has encontrado mi huevo de Pascua</translation>
    </message>
    <message>
        <source>Scoutmaster, Trailhead Software
Sam Ridley</source>
        <translation>Scouter, Trailhead Software
Sam Ridley</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>InputBox</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>KeepApartDialog</name>
    <message>
        <source>Keep Apart</source>
        <translation>Separar</translation>
    </message>
    <message>
        <source>Choose two people who should not cook or clean up at the same meal and press Add Pair. The draw keeps them apart when duties are shared evenly.</source>
        <translation>Elige dos personas que no deben cocinar ni limpiar en la misma comida y pulsa «Añadir pareja». El sorteo las separa cuando los servicios se reparten por igual.</translation>
    </message>
    <message>
        <source>First person of the pair</source>
        <translation>Primera persona de la pareja</translation>
    </message>
    <message>
        <source>Second person of the pair</source>
        <translation>Segunda persona de la pareja</translation>
    </message>
    <message>
        <source>and</source>
        <translation>y</translation>
    </message>
    <message>
        <source>Add Pair</source>
        <translation>Añadir pareja</translation>
    </message>
    <message>
        <source>Add the pair</source>
        <translation>Añadir la pareja</translation>
    </message>
    <message>
        <source>Pairs kept apart</source>
        <translation>Parejas separadas</translation>
    </message>
    <message>
        <source>Remove Pair</source>
        <translation>Quitar pareja</translation>
    </message>
    <message>
        <source>Remove the chosen pair</source>
        <translation>Quitar la pareja elegida</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
</context>
<context>
    <name>PresenceModel</name>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2: there</source>
        <translation>%1, %2: presente</translation>
    </message>
    <message>
        <source>%1, %2: away</source>
        <translation>%1, %2: ausente</translation>
    </message>
</context>
<context>
    <name>QtPdfService</name>
    <message>
        <source>The PDF could not be made in memory.</source>
        <translation>No se pudo crear el PDF en memoria.</translation>
    </message>
    <message>
        <source>The PDF writer could not finish the document.</source>
        <translation>No se pudo terminar el PDF.</translation>
    </message>
</context>
<context>
    <name>QtPlanDialogs</name>
    <message>
        <source>Dutywise Plans (*.dutywise)</source>
        <translation>Planes de Dutywise (*.dutywise)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation>Guardar plan</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>Abrir plan</translation>
    </message>
</context>
<context>
    <name>QtPrintService</name>
    <message>
        <source>The printer &quot;%1&quot; cannot be used.</source>
        <translation>No se puede usar la impresora «%1».</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start the job &quot;%2&quot;.</source>
        <translation>La impresora «%1» no pudo empezar el trabajo «%2».</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; failed to print &quot;%2&quot;.</source>
        <translation>La impresora «%1» no pudo imprimir «%2».</translation>
    </message>
    <message>
        <source>No default printer is set up. Set up a printer as the default printer of this computer, then print again.</source>
        <translation>No hay ninguna impresora predeterminada. Configura una impresora predeterminada en este ordenador y vuelve a imprimir.</translation>
    </message>
</context>
<context>
    <name>QtSaveTarget</name>
    <message>
        <source>Rich Text (*.RTF)</source>
        <translation>Texto enriquecido (*.RTF)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Notice board (PDF) (*.pdf)</source>
        <translation>Tablón de anuncios (PDF) (*.pdf)</translation>
    </message>
    <message>
        <source>Each scout&apos;s duties (PDF) (*.pdf)</source>
        <translation>Servicios de cada uno (PDF) (*.pdf)</translation>
    </message>
    <message>
        <source>Calendar (*.ics)</source>
        <translation>Calendario (*.ics)</translation>
    </message>
    <message>
        <source>Spreadsheet (*.csv)</source>
        <translation>Hoja de cálculo (*.csv)</translation>
    </message>
</context>
<context>
    <name>RosterWords</name>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>Desayuno</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Comida</translation>
    </message>
    <message>
        <source>Dinner</source>
        <translation>Cena</translation>
    </message>
    <message>
        <source>%1&apos;s Roster</source>
        <translation>Cuadrante de la patrulla %1</translation>
    </message>
    <message>
        <source>Cook: %1</source>
        <translation>Cocina: %1</translation>
    </message>
    <message>
        <source>Cleanup: %1</source>
        <translation>Limpieza: %1</translation>
    </message>
    <message>
        <source>Meal: %1</source>
        <translation>Plato: %1</translation>
    </message>
    <message>
        <source>Snacks</source>
        <translation>Picoteo</translation>
    </message>
    <message>
        <source>Drinks</source>
        <translation>Bebidas</translation>
    </message>
    <message>
        <source>Duties</source>
        <translation>Servicios</translation>
    </message>
    <message>
        <source>%1: %2 (%3 cook, %4 cleanup)</source>
        <translation>%1: %2 (cocina: %3, limpieza: %4)</translation>
    </message>
    <message>
        <source>Please enter the name of the Boy Scout Outing!</source>
        <translation>¡Escribe el nombre de la salida!</translation>
    </message>
    <message>
        <source>You don&apos;t have enough people to perform the task of cleaning up or cooking!
Please shorten the limit!</source>
        <translation>¡No sois suficientes para cocinar y limpiar!
¡Pon menos personas por turno!</translation>
    </message>
    <message>
        <source>Just a suggestion, please enter some more names in the beginning!</source>
        <translation>Un consejo: ¡escribe algunos nombres más al principio!</translation>
    </message>
    <message>
        <source>I can&apos;t let you generate a roster without Breakfast.
If you can&apos;t think of a breakfast, choose a suggestion.</source>
        <translation>No puedo hacer un cuadrante sin desayuno.
Si no se te ocurre ninguno, elige una idea.</translation>
    </message>
    <message>
        <source>I can&apos;t let you generate a roster without Lunch.
If you can&apos;t think of a lunch, choose a suggestion.</source>
        <translation>No puedo hacer un cuadrante sin ningún plato para la comida.
Si no se te ocurre ninguno, elige una idea.</translation>
    </message>
    <message>
        <source>I can&apos;t let you generate a roster without Dinner.
If you can&apos;t think of a dinner, choose a suggestion.</source>
        <translation>No puedo hacer un cuadrante sin cena.
Si no se te ocurre ninguna, elige una idea.</translation>
    </message>
    <message>
        <source>Completed!</source>
        <translation>¡Terminado!</translation>
    </message>
    <message>
        <source>You found the hidden picture!</source>
        <translation>¡Has encontrado la imagen oculta!</translation>
    </message>
    <message>
        <source>, at %1 of %2 meals</source>
        <translation>, presente en %1 de %2 comidas</translation>
    </message>
    <message>
        <source>Not enough people are there for %1 %2!
Please shorten the limit or mark more people as there.</source>
        <translation>¡No hay bastante gente para %2 del %1!
Pon menos personas por turno o marca a más personas como presentes.</translation>
    </message>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A day with its date: weekday, day of the month, month (&quot;Friday 11 June&quot;)</extracomment>
        <translation>%1 %2 de %3</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <extracomment>The notice board&apos;s title: the outing, the patrol</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1 there</source>
        <translation>%1 presentes</translation>
    </message>
    <message>
        <source>cook</source>
        <translation>cocina</translation>
    </message>
    <message>
        <source>clean-up</source>
        <translation>limpieza</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <extracomment>A duty on a scout&apos;s slip: the day, the meal, the duty</extracomment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>, with %1</source>
        <translation>, con %1</translation>
    </message>
    <message>
        <source>Duties: %1 (%2 cook, %3 clean-up)</source>
        <translation>Servicios: %1 (%2 cocina, %3 limpieza)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A calendar event&apos;s title: the meal, the outing</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Meal</source>
        <translation>Comida</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Servicio</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Dish</source>
        <translation>Plato</translation>
    </message>
    <message>
        <source>; season total %1</source>
        <translation>; %1 en la temporada</translation>
    </message>
</context>
<context>
    <name>RosterWordsInSentence</name>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>el desayuno</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>la comida</translation>
    </message>
    <message>
        <source>Dinner</source>
        <translation>la cena</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Cannot start &quot;%1&quot;: &quot;%2&quot; is longer than %3 characters.</source>
        <translation>No se puede iniciar «%1»: «%2» tiene más de %3 caracteres.</translation>
    </message>
    <message>
        <source>Cannot start &quot;%1&quot;: %2</source>
        <translation>No se puede iniciar «%1»: %2</translation>
    </message>
</context>
<context>
    <name>TemplateChooser</name>
    <message>
        <source>Packready Templates</source>
        <translation>Plantillas listas</translation>
    </message>
    <message>
        <source>Please select how many days there will be on the outing:</source>
        <translation>¿Cuántos días dura la salida?</translation>
    </message>
    <message>
        <source>Number of days</source>
        <translation>Número de días</translation>
    </message>
    <message>
        <source>1 Day</source>
        <translation>1 día</translation>
    </message>
    <message>
        <source>2 Days</source>
        <translation>2 días</translation>
    </message>
    <message>
        <source>3 Days</source>
        <translation>3 días</translation>
    </message>
    <message>
        <source>4 Days</source>
        <translation>4 días</translation>
    </message>
    <message>
        <source>5 Days</source>
        <translation>5 días</translation>
    </message>
    <message>
        <source>6 Days</source>
        <translation>6 días</translation>
    </message>
    <message>
        <source>7 Days</source>
        <translation>7 días</translation>
    </message>
    <message>
        <source>Edit a Template</source>
        <translation>Editar plantilla</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Please select the number of days in the outing!</source>
        <translation>¡Elige el número de días de la salida!</translation>
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
        <translation>Bienvenida</translation>
    </message>
    <message>
        <source>Sam Ridley</source>
        <translation>Sam Ridley</translation>
    </message>
    <message>
        <source>Scoutmaster, Trailhead Software</source>
        <translation>Scouter, Trailhead Software</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Welcome to Dutywise 4.1. I have changed the program just a LITTLE. At least this time, you have a choice of a template or a generated roster. If you have any questions or problems, my email is:%1. Thank you for using this program.

Happy Roster Generating.</source>
        <translation>Bienvenido a Dutywise 4.1. He cambiado el programa solo UN POCO. Al menos esta vez puedes elegir entre una plantilla y un cuadrante hecho por el programa. Si tienes preguntas o problemas, mi correo es: %1. Gracias por usar este programa.

¡Felices cuadrantes!</translation>
    </message>
</context>
<context>
    <name>WhoIsThereDialog</name>
    <message>
        <source>Who is there when?</source>
        <translation>¿Quién está y cuándo?</translation>
    </message>
    <message>
        <source>Untick the meals a person is away from. The tick on a name ticks or clears the whole row.</source>
        <translation>Desmarca las comidas en las que falta alguien. La casilla del nombre marca o desmarca toda la fila.</translation>
    </message>
    <message>
        <source>Who is there when</source>
        <translation>Quién está y cuándo</translation>
    </message>
    <message>
        <source>There for Every Meal</source>
        <translation>En todas las comidas</translation>
    </message>
    <message>
        <source>Away from Every Meal</source>
        <translation>En ninguna comida</translation>
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
        <translation>Lo básico</translation>
    </message>
    <message>
        <source>Welcome to Dutywise. This program will generate a Boy Scout Outing Roster for any Boy Scout Troop. First, you must enter the &quot;basics&quot;, which start out a roster. If you would fill out the text boxes below, the roster can continue.</source>
        <translation>Bienvenido a Dutywise. Este programa hace el cuadrante de servicios de una salida para cualquier grupo scout. Primero escribe lo «básico» con lo que empieza un cuadrante. Cuando rellenes los campos de abajo, podrás seguir.</translation>
    </message>
    <message>
        <source>What is the name of the Boy Scout Outing?</source>
        <translation>¿Cómo se llama la salida?</translation>
    </message>
    <message>
        <source>Outing name</source>
        <translation>Nombre de la salida</translation>
    </message>
    <message>
        <source>What is the name of the patrol?</source>
        <translation>¿Cómo se llama la patrulla?</translation>
    </message>
    <message>
        <source>Patrol name</source>
        <translation>Nombre de la patrulla</translation>
    </message>
    <message>
        <source>Who are the people on the outing/in the patrol?</source>
        <translation>¿Quién va a la salida, quién está en la patrulla?</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Personas</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add person</source>
        <translation>Añadir persona</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Delete person</source>
        <translation>Quitar persona</translation>
    </message>
    <message>
        <source>This list should be sorted</source>
        <translation>Ordenar esta lista</translation>
    </message>
    <message>
        <source>Open Plan...</source>
        <translation>Abrir plan…</translation>
    </message>
    <message>
        <source>Open plan</source>
        <translation>Abrir plan</translation>
    </message>
    <message>
        <source>Save Plan...</source>
        <translation>Guardar plan…</translation>
    </message>
    <message>
        <source>Save plan</source>
        <translation>Guardar plan</translation>
    </message>
    <message>
        <source>Dutywise
A roster for every outing, fair to every scout</source>
        <translation>Dutywise
Un cuadrante para cada salida, justo para todos</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>Which days of the week are you going on the Outing?</source>
        <translation>¿Qué días de la semana dura la salida?</translation>
    </message>
    <message>
        <source>Check All Days</source>
        <translation>Todos los días</translation>
    </message>
    <message>
        <source>Uncheck All Days</source>
        <translation>Ningún día</translation>
    </message>
    <message>
        <source>Check All Meals</source>
        <translation>Todas las comidas</translation>
    </message>
    <message>
        <source>Uncheck All Meals</source>
        <translation>Ninguna comida</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Breakfast</source>
        <translation>Desayuno</translation>
    </message>
    <message>
        <source>Sunday Breakfast</source>
        <translation>Desayuno del domingo</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Comida</translation>
    </message>
    <message>
        <source>Sunday Lunch</source>
        <translation>Comida del domingo</translation>
    </message>
    <message>
        <source>Dinner</source>
        <translation>Cena</translation>
    </message>
    <message>
        <source>Sunday Dinner</source>
        <translation>Cena del domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Monday Breakfast</source>
        <translation>Desayuno del lunes</translation>
    </message>
    <message>
        <source>Monday Lunch</source>
        <translation>Comida del lunes</translation>
    </message>
    <message>
        <source>Monday Dinner</source>
        <translation>Cena del lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Tuesday Breakfast</source>
        <translation>Desayuno del martes</translation>
    </message>
    <message>
        <source>Tuesday Lunch</source>
        <translation>Comida del martes</translation>
    </message>
    <message>
        <source>Tuesday Dinner</source>
        <translation>Cena del martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Wednesday Breakfast</source>
        <translation>Desayuno del miércoles</translation>
    </message>
    <message>
        <source>Wednesday Lunch</source>
        <translation>Comida del miércoles</translation>
    </message>
    <message>
        <source>Wednesday Dinner</source>
        <translation>Cena del miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Thursday Breakfast</source>
        <translation>Desayuno del jueves</translation>
    </message>
    <message>
        <source>Thursday Lunch</source>
        <translation>Comida del jueves</translation>
    </message>
    <message>
        <source>Thursday Dinner</source>
        <translation>Cena del jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Friday Breakfast</source>
        <translation>Desayuno del viernes</translation>
    </message>
    <message>
        <source>Friday Lunch</source>
        <translation>Comida del viernes</translation>
    </message>
    <message>
        <source>Friday Dinner</source>
        <translation>Cena del viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Saturday Breakfast</source>
        <translation>Desayuno del sábado</translation>
    </message>
    <message>
        <source>Saturday Lunch</source>
        <translation>Comida del sábado</translation>
    </message>
    <message>
        <source>Saturday Dinner</source>
        <translation>Cena del sábado</translation>
    </message>
    <message>
        <source>Meals</source>
        <translation>Comidas</translation>
    </message>
    <message>
        <source>What are some of the meals that will be made on the outing?</source>
        <translation>¿Qué platos vais a cocinar en la salida?</translation>
    </message>
    <message>
        <source>What&apos;s for Breakfast?</source>
        <translation>¿Qué hay de desayuno?</translation>
    </message>
    <message>
        <source>Breakfasts</source>
        <translation>Desayunos</translation>
    </message>
    <message>
        <source>Add breakfast</source>
        <translation>Añadir desayuno</translation>
    </message>
    <message>
        <source>Delete breakfast</source>
        <translation>Quitar desayuno</translation>
    </message>
    <message>
        <source>Sorted</source>
        <translation>A–Z</translation>
    </message>
    <message>
        <source>Sort breakfast list</source>
        <translation>Ordenar la lista de desayunos</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Idea</translation>
    </message>
    <message>
        <source>Breakfast suggestion</source>
        <translation>Idea para el desayuno</translation>
    </message>
    <message>
        <source>What&apos;s for Lunch?</source>
        <translation>¿Qué hay de comida?</translation>
    </message>
    <message>
        <source>Lunches</source>
        <translation>Platos de la comida</translation>
    </message>
    <message>
        <source>Add lunch</source>
        <translation>Añadir comida</translation>
    </message>
    <message>
        <source>Delete lunch</source>
        <translation>Quitar comida</translation>
    </message>
    <message>
        <source>Sort lunch list</source>
        <translation>Ordenar los platos de la comida</translation>
    </message>
    <message>
        <source>Lunch suggestion</source>
        <translation>Idea para la comida</translation>
    </message>
    <message>
        <source>What&apos;s for Dinner?</source>
        <translation>¿Qué hay de cena?</translation>
    </message>
    <message>
        <source>Dinners</source>
        <translation>Cenas</translation>
    </message>
    <message>
        <source>Add dinner</source>
        <translation>Añadir cena</translation>
    </message>
    <message>
        <source>Delete dinner</source>
        <translation>Quitar cena</translation>
    </message>
    <message>
        <source>Sort dinner list</source>
        <translation>Ordenar la lista de cenas</translation>
    </message>
    <message>
        <source>Dinner suggestion</source>
        <translation>Idea para la cena</translation>
    </message>
    <message>
        <source>Click this label to add this suggestion to the Breakfast list.</source>
        <translation>Pulsa aquí para añadir esta idea a los desayunos.</translation>
    </message>
    <message>
        <source>Click this label to add this suggestion to the Lunch list.</source>
        <translation>Pulsa aquí para añadir esta idea a los platos de la comida.</translation>
    </message>
    <message>
        <source>Click this label to add this suggestion to the Dinner list.</source>
        <translation>Pulsa aquí para añadir esta idea a las cenas.</translation>
    </message>
    <message>
        <source>Cinnamon Rolls</source>
        <translation>Rollos de canela</translation>
    </message>
    <message>
        <source>Eggs and Bacon</source>
        <translation>Huevos con beicon</translation>
    </message>
    <message>
        <source>Oatmeal</source>
        <translation>Gachas de avena</translation>
    </message>
    <message>
        <source>Cocoa Puffs</source>
        <translation>Cereales de chocolate</translation>
    </message>
    <message>
        <source>Cocoa Pebbles</source>
        <translation>Muesli de chocolate</translation>
    </message>
    <message>
        <source>Fruity Pebbles</source>
        <translation>Muesli de frutas</translation>
    </message>
    <message>
        <source>Rice Crispies</source>
        <translation>Arroz inflado</translation>
    </message>
    <message>
        <source>Fruit Loops</source>
        <translation>Aros de frutas</translation>
    </message>
    <message>
        <source>Trix</source>
        <translation>Cereales de colores</translation>
    </message>
    <message>
        <source>Lucky Charms</source>
        <translation>Cereales con nubes</translation>
    </message>
    <message>
        <source>Wheaties</source>
        <translation>Copos de trigo</translation>
    </message>
    <message>
        <source>Frosted Flakes</source>
        <translation>Copos azucarados</translation>
    </message>
    <message>
        <source>Smart Start</source>
        <translation>Cereales integrales</translation>
    </message>
    <message>
        <source>Kix</source>
        <translation>Bolitas de maíz</translation>
    </message>
    <message>
        <source>Cereal - Other</source>
        <translation>Otros cereales</translation>
    </message>
    <message>
        <source>Sandwiches</source>
        <translation>Bocadillos</translation>
    </message>
    <message>
        <source>Hot Dogs</source>
        <translation>Perritos calientes</translation>
    </message>
    <message>
        <source>Hamburgers</source>
        <translation>Hamburguesas</translation>
    </message>
    <message>
        <source>Soup</source>
        <translation>Sopa</translation>
    </message>
    <message>
        <source>Cold Cuts</source>
        <translation>Embutido</translation>
    </message>
    <message>
        <source>Omelets</source>
        <translation>Tortillas</translation>
    </message>
    <message>
        <source>Hoagies</source>
        <translation>Bocadillos grandes</translation>
    </message>
    <message>
        <source>Foil Packs</source>
        <translation>Papillotes</translation>
    </message>
    <message>
        <source>P, B, and J</source>
        <translation>Sándwich de cacahuete</translation>
    </message>
    <message>
        <source>Fish</source>
        <translation>Pescado</translation>
    </message>
    <message>
        <source>Salad</source>
        <translation>Ensalada</translation>
    </message>
    <message>
        <source>Chicken</source>
        <translation>Pollo</translation>
    </message>
    <message>
        <source>Spaghetti</source>
        <translation>Espaguetis</translation>
    </message>
    <message>
        <source>Beef Stew</source>
        <translation>Estofado de ternera</translation>
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
        <translation>Raviolis</translation>
    </message>
    <message>
        <source>Snacks &amp;&amp; Drinks</source>
        <translation>Picoteo &amp;&amp; bebidas</translation>
    </message>
    <message>
        <source>Like every Boy Scout Outing, it would be good to have snacks, and definitely Drinks.</source>
        <translation>Como en toda salida, conviene llevar picoteo y, sobre todo, bebidas.</translation>
    </message>
    <message>
        <source>Please add your snacks here:</source>
        <translation>Tu picoteo:</translation>
    </message>
    <message>
        <source>Please add your drinks here:</source>
        <translation>Tus bebidas:</translation>
    </message>
    <message>
        <source>Snacks</source>
        <translation>Picoteo</translation>
    </message>
    <message>
        <source>Drinks</source>
        <translation>Bebidas</translation>
    </message>
    <message>
        <source>Add snack</source>
        <translation>Añadir tentempié</translation>
    </message>
    <message>
        <source>Add drink</source>
        <translation>Añadir bebida</translation>
    </message>
    <message>
        <source>Delete snack</source>
        <translation>Quitar tentempié</translation>
    </message>
    <message>
        <source>Delete drink</source>
        <translation>Quitar bebida</translation>
    </message>
    <message>
        <source>Sort snacks list</source>
        <translation>Ordenar la lista de picoteo</translation>
    </message>
    <message>
        <source>Sort drinks list</source>
        <translation>Ordenar la lista de bebidas</translation>
    </message>
    <message>
        <source>Snack suggestion</source>
        <translation>Idea de tentempié</translation>
    </message>
    <message>
        <source>Drink suggestion</source>
        <translation>Idea de bebida</translation>
    </message>
    <message>
        <source>Click this label to add this suggestion to the Snacks list.</source>
        <translation>Pulsa aquí para añadir esta idea al picoteo.</translation>
    </message>
    <message>
        <source>Click this label to add this suggestion to the Drinks list.</source>
        <translation>Pulsa aquí para añadir esta idea a las bebidas.</translation>
    </message>
    <message>
        <source>Cookies</source>
        <translation>Galletas</translation>
    </message>
    <message>
        <source>Doritos</source>
        <translation>Nachos</translation>
    </message>
    <message>
        <source>Fritos</source>
        <translation>Gusanitos</translation>
    </message>
    <message>
        <source>Tostitos</source>
        <translation>Totopos</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Patatas fritas</translation>
    </message>
    <message>
        <source>Pudding</source>
        <translation>Natillas</translation>
    </message>
    <message>
        <source>Apple Sauce</source>
        <translation>Compota de manzana</translation>
    </message>
    <message>
        <source>Peeps</source>
        <translation>Nubes</translation>
    </message>
    <message>
        <source>Cake</source>
        <translation>Bizcocho</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Tarta</translation>
    </message>
    <message>
        <source>Chocolate Bars</source>
        <translation>Chocolatinas</translation>
    </message>
    <message>
        <source>Energy Bars</source>
        <translation>Barritas energéticas</translation>
    </message>
    <message>
        <source>Chewy Bars</source>
        <translation>Barritas de cereales</translation>
    </message>
    <message>
        <source>Graham Crackers</source>
        <translation>Galletas integrales</translation>
    </message>
    <message>
        <source>Crackers</source>
        <translation>Galletas saladas</translation>
    </message>
    <message>
        <source>Oreos</source>
        <translation>Galletas rellenas</translation>
    </message>
    <message>
        <source>Chips Ahoy</source>
        <translation>Galletas de chocolate</translation>
    </message>
    <message>
        <source>Beef Jerky</source>
        <translation>Cecina</translation>
    </message>
    <message>
        <source>Slim Jims</source>
        <translation>Fuet</translation>
    </message>
    <message>
        <source>Bug Juice</source>
        <translation>Refresco de sobre</translation>
    </message>
    <message>
        <source>OJ</source>
        <translation>Zumo de naranja</translation>
    </message>
    <message>
        <source>Juice</source>
        <translation>Zumo</translation>
    </message>
    <message>
        <source>Fruit Punch</source>
        <translation>Ponche de frutas</translation>
    </message>
    <message>
        <source>Tea</source>
        <translation>Té</translation>
    </message>
    <message>
        <source>Milk</source>
        <translation>Leche</translation>
    </message>
    <message>
        <source>Pepsi</source>
        <translation>Cola</translation>
    </message>
    <message>
        <source>Sprite</source>
        <translation>Gaseosa</translation>
    </message>
    <message>
        <source>Mountain Dew</source>
        <translation>Refresco</translation>
    </message>
    <message>
        <source>Coca Cola</source>
        <translation>Refresco de limón</translation>
    </message>
    <message>
        <source>Cool Aid</source>
        <translation>Refresco en polvo</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Gingerale</source>
        <translation>Ginger ale</translation>
    </message>
    <message>
        <source>Root Beer</source>
        <translation>Mosto</translation>
    </message>
    <message>
        <source>Sarsaparilla</source>
        <translation>Zarzaparrilla</translation>
    </message>
    <message>
        <source>Orange Soda</source>
        <translation>Naranjada</translation>
    </message>
    <message>
        <source>Finalization</source>
        <translation>Final</translation>
    </message>
    <message>
        <source>The last step of the roster is to figure out how many cooks and clean up people there should be.</source>
        <translation>Último paso: cuántos scouts cocinan y cuántos limpian.</translation>
    </message>
    <message>
        <source>Crew size</source>
        <translation>Personas por turno</translation>
    </message>
    <message>
        <source>Your limit is 1 - 5 scouts!</source>
        <translation>¡Entre 1 y 5 scouts!</translation>
    </message>
    <message>
        <source>Why add this Limit?</source>
        <translation>¿Por qué este límite?</translation>
    </message>
    <message>
        <source>Since a program is a program and not a living person, you can&apos;t have 0 people clean up or have 18 people cook!</source>
        <translation>Un programa no es una persona: ¡no pueden limpiar 0 ni cocinar 18!</translation>
    </message>
    <message>
        <source>Now, after you have selected the number of cooks and clean up people for a meal, click on the &quot;Build&quot; button below, to build your roster and generate a document for printing.</source>
        <translation>Cuando hayas elegido cuántos cocinan y cuántos limpian en cada comida, pulsa «Crear» abajo para hacer tu cuadrante listo para imprimir.</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Share duties evenly</source>
        <translation>Repartir por igual</translation>
    </message>
    <message>
        <source>Generation</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>This page is only used when building a roster, so if your roster isn&apos;t built, please go back to the &quot;Finalization&quot; page and build it from there.</source>
        <translation>Esta página muestra el cuadrante hecho. Si aún no lo has hecho, vuelve a la página «Final» y créalo allí.</translation>
    </message>
    <message>
        <source>Use this button to make the font bold</source>
        <translation>Poner en negrita</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Use this button to make the font italic</source>
        <translation>Poner en cursiva</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Use this button to make the font underlined</source>
        <translation>Subrayar</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>Use this button to save this roster...</source>
        <translation>Guardar este cuadrante…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Use this button to print a file...</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Use this drop-down box to change the font...</source>
        <translation>Cambiar la fuente…</translation>
    </message>
    <message>
        <source>Font name</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Use this drop-down box to change the color of the font...</source>
        <translation>Cambiar el color del texto…</translation>
    </message>
    <message>
        <source>Font colour</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Use this spin editor to control the size of your font...</source>
        <translation>Cambiar el tamaño del texto…</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Tamaño del texto</translation>
    </message>
    <message>
        <source>Roster</source>
        <translation>Cuadrante</translation>
    </message>
    <message>
        <source>Fresh Start</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Regenerate</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de…</translation>
    </message>
    <message>
        <source>I can&apos;t see the text!</source>
        <translation>¡No veo el texto!</translation>
    </message>
    <message>
        <source>I&apos;m sorry, I can&apos;t add the same meal to the list!</source>
        <translation>Lo siento, ese plato ya está en la lista.</translation>
    </message>
    <message>
        <source>I&apos;m sorry, I can&apos;t add the same snack to the list!</source>
        <translation>Lo siento, ese tentempié ya está en la lista.</translation>
    </message>
    <message>
        <source>I&apos;m sorry, I can&apos;t add the same drink to the list!</source>
        <translation>Lo siento, esa bebida ya está en la lista.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>The name you have entered is already in the list, add to the list?</source>
        <translation>Ese nombre ya está en la lista. ¿Añadirlo igualmente?</translation>
    </message>
    <message>
        <source>Dutywise</source>
        <translation>Dutywise</translation>
    </message>
    <message>
        <source>Replace the entries of the wizard with the plan &quot;%1&quot;?</source>
        <translation>¿Cambiar lo escrito en el asistente por el plan «%1»?</translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Idea: %1</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>What is the person&apos;s name?</source>
        <translation>¿Cómo se llama la persona?</translation>
    </message>
    <message>
        <source>What is the name of the Meal for Breakfast?</source>
        <translation>¿Qué plato hay de desayuno?</translation>
    </message>
    <message>
        <source>What is the name of the Meal for Lunch?</source>
        <translation>¿Qué plato hay de comida?</translation>
    </message>
    <message>
        <source>What is the name of the Meal for Dinner?</source>
        <translation>¿Qué plato hay de cena?</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>Tentempié</translation>
    </message>
    <message>
        <source>What is the name of the Snack?</source>
        <translation>¿Qué tentempié?</translation>
    </message>
    <message>
        <source>Drink</source>
        <translation>Bebida</translation>
    </message>
    <message>
        <source>What is the name of the Drink?</source>
        <translation>¿Qué bebida?</translation>
    </message>
    <message>
        <source>Who Is There...</source>
        <translation>Asistencia…</translation>
    </message>
    <message>
        <source>Who is there</source>
        <translation>Asistencia</translation>
    </message>
    <message>
        <source>Tick the days and meals of the outing first.</source>
        <translation>Marca primero los días y las comidas de la salida.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Fecha de inicio</translation>
    </message>
    <message>
        <source>Date of the first day</source>
        <translation>Fecha del primer día</translation>
    </message>
    <message>
        <source>Crews...</source>
        <translation>Turnos…</translation>
    </message>
    <message>
        <source>Crews</source>
        <translation>Turnos</translation>
    </message>
    <message>
        <source>The roster&apos;s text was changed by hand since it was written. Write it anew with the changed crews?</source>
        <translation>El texto del cuadrante se cambió a mano desde que se escribió. ¿Escribirlo de nuevo con los turnos cambiados?</translation>
    </message>
    <message>
        <source>Use this button to print the notice board or each scout&apos;s duties...</source>
        <translation>Imprimir el tablón o los servicios de cada uno...</translation>
    </message>
    <message>
        <source>Print which layout</source>
        <translation>Qué imprimir</translation>
    </message>
    <message>
        <source>Print the roster</source>
        <translation>Imprimir el cuadrante</translation>
    </message>
    <message>
        <source>Print the notice board</source>
        <translation>Imprimir el tablón</translation>
    </message>
    <message>
        <source>Print each scout&apos;s duties</source>
        <translation>Imprimir los servicios de cada uno</translation>
    </message>
    <message>
        <source>Keep Apart...</source>
        <translation>Separar…</translation>
    </message>
    <message>
        <source>Keep apart</source>
        <translation>Separar</translation>
    </message>
    <message>
        <source>Pairs of people who should not share a meal&apos;s crews</source>
        <translation>Parejas que no deben tener turno en la misma comida</translation>
    </message>
    <message>
        <source>Continue Season...</source>
        <translation>Continuar temporada…</translation>
    </message>
    <message>
        <source>Continue season</source>
        <translation>Continuar temporada</translation>
    </message>
    <message>
        <source>New Season</source>
        <translation>Nueva temporada</translation>
    </message>
    <message>
        <source>New season</source>
        <translation>Nueva temporada</translation>
    </message>
    <message>
        <source>Season so far: %1 meals, %2 duties</source>
        <translation>Temporada hasta ahora: %1 comidas, %2 servicios</translation>
    </message>
</context>
</TS>
