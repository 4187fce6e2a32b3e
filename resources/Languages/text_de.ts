<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Velmora</source>
        <translation>Über Velmora</translation>
    </message>
    <message>
        <source>A quiz trainer for multiple-choice questions in German, English and Estonian.</source>
        <translation>Ein Quiztrainer für Multiple-Choice-Fragen auf Deutsch, Englisch und Estnisch.</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Licence:</source>
        <translation>Lizenz:</translation>
    </message>
    <message>
        <source>GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>GNU General Public License, Version 3 oder später (GPL-3.0-or-later)</translation>
    </message>
    <message>
        <source>Data:</source>
        <translation>Daten:</translation>
    </message>
    <message>
        <source>User guide:</source>
        <translation>Benutzerhandbuch:</translation>
    </message>
</context>
<context>
    <name>AddAnswerWidget</name>
    <message>
        <source>Answer true</source>
        <translation>Richtige Antwort</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Antwort:</translation>
    </message>
    <message>
        <source>Explanation:</source>
        <translation>Erklärung:</translation>
    </message>
</context>
<context>
    <name>AddQuestion</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add new category:</source>
        <translation>Neue Kategorie hinzufügen:</translation>
    </message>
    <message>
        <source>Answer 1:</source>
        <translation>Antwort 1:</translation>
    </message>
    <message>
        <source>Answer 2:</source>
        <translation>Antwort 2:</translation>
    </message>
    <message>
        <source>Answer 3:</source>
        <translation>Antwort 3:</translation>
    </message>
    <message>
        <source>Answer 4:</source>
        <translation>Antwort 4:</translation>
    </message>
    <message>
        <source>Back to &amp;manage questions</source>
        <translation>Zurück zur Fragen&amp;verwaltung</translation>
    </message>
    <message>
        <source>Categories:</source>
        <translation>Kategorien:</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Frage:</translation>
    </message>
    <message>
        <source>The question could not be stored.</source>
        <translation>Die Frage konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Question saved.</source>
        <translation>Frage gespeichert.</translation>
    </message>
    <message>
        <source>Question added.</source>
        <translation>Frage hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>AddQuestionsPerFile</name>
    <message>
        <source>&amp;Add values</source>
        <translation>Werte &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Open file</source>
        <translation>Datei &amp;öffnen</translation>
    </message>
    <message>
        <source>Back to &amp;manage questions</source>
        <translation>Zurück zur Fragen&amp;verwaltung</translation>
    </message>
    <message>
        <source>CSV-file is incorrect!</source>
        <translation>CSV-Datei ist fehlerhaft!</translation>
    </message>
    <message>
        <source>Number of questions:</source>
        <translation>Anzahl der Fragen:</translation>
    </message>
    <message>
        <source>Open CSV-file here!
This is a CSV template:
Delimiter: ; (semicolon)
If explanation is set, the answer is correct.</source>
        <translation>Öffne hier eine CSV-Datei!
Das ist eine CSV-Vorlage:
Trennzeichen: ; (Semikolon)
Wenn eine Erklärung angegeben ist, ist die Antwort richtig.</translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation>Datei öffnen...</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The questions could not be stored.</source>
        <translation>Die Fragen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>... and %1 (%2)</source>
        <translation>... und %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n more line(s)</source>
        <translation>
            <numerusform>%n weitere Zeile</numerusform>
            <numerusform>%n weitere Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more question(s)</source>
        <translation>
            <numerusform>%n weitere Frage</numerusform>
            <numerusform>%n weitere Fragen</numerusform>
        </translation>
    </message>
    <message>
        <source>Storing the questions...</source>
        <translation>Die Fragen werden gespeichert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Import cancelled: no question was stored.</source>
        <translation>Import abgebrochen: Es wurde keine Frage gespeichert.</translation>
    </message>
    <message>
        <source>Import them again</source>
        <translation>Trotzdem erneut importieren</translation>
    </message>
    <message>
        <source>Question files</source>
        <translation>Fragendateien</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n more problem(s)</source>
        <translation>
            <numerusform>%n weiteres Problem</numerusform>
            <numerusform>%n weitere Probleme</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of these questions are already in the catalogue with the same texts and are skipped.</source>
        <translation>
            <numerusform>%n dieser Fragen ist mit denselben Texten schon im Katalog und wird übersprungen.</numerusform>
            <numerusform>%n dieser Fragen sind mit denselben Texten schon im Katalog und werden übersprungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>A file has changed since it was read: nothing was stored. Open it again.</source>
        <translation>Eine Datei hat sich seit dem Lesen geändert: Es wurde nichts gespeichert. Öffne sie erneut.</translation>
    </message>
    <message>
        <source>%1 has changed since it was read: nothing was stored. Open it again.</source>
        <translation>%1 hat sich seit dem Lesen geändert: Es wurde nichts gespeichert. Öffne die Datei erneut.</translation>
    </message>
</context>
<context>
    <name>AikenReader</name>
    <message>
        <source>no ANSWER: line</source>
        <translation>keine ANSWER:-Zeile</translation>
    </message>
    <message>
        <source>an ANSWER: line without a question</source>
        <translation>eine ANSWER:-Zeile ohne Frage</translation>
    </message>
    <message>
        <source>line %1 is neither an option nor ANSWER:</source>
        <translation>Zeile %1 ist weder eine Antwort noch ANSWER:</translation>
    </message>
    <message>
        <source>ANSWER: %1 names no option</source>
        <translation>ANSWER: %1 nennt keine der Antworten</translation>
    </message>
</context>
<context>
    <name>AnswerExplanationWidget</name>
    <message>
        <source>You answered the question correctly!</source>
        <translation>Du hast die Frage richtig beantwortet!</translation>
    </message>
    <message>
        <source>You answered the question wrongly!</source>
        <translation>Du hast die Frage falsch beantwortet!</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnswerMark</name>
    <message>
        <source>True answer, chosen</source>
        <translation>Richtige Antwort, gewählt</translation>
    </message>
    <message>
        <source>True answer, not chosen</source>
        <translation>Richtige Antwort, nicht gewählt</translation>
    </message>
    <message>
        <source>False answer, chosen</source>
        <translation>Falsche Antwort, gewählt</translation>
    </message>
    <message>
        <source>False answer, not chosen</source>
        <translation>Falsche Antwort, nicht gewählt</translation>
    </message>
</context>
<context>
    <name>BankReader</name>
    <message>
        <source>holds no question that can be imported</source>
        <translation>enthält keine Frage, die sich importieren lässt</translation>
    </message>
    <message numerus="yes">
        <source>%n question(s) left out</source>
        <translation>
            <numerusform>%n Frage ausgelassen</numerusform>
            <numerusform>%n Fragen ausgelassen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n question(s) in one language only</source>
        <translation>
            <numerusform>%n Frage nur in einer Sprache</numerusform>
            <numerusform>%n Fragen nur in einer Sprache</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n question(s) with &quot;;&quot; or line breaks replaced</source>
        <translation>
            <numerusform>%n Frage mit ersetztem „;“ oder Zeilenumbruch</numerusform>
            <numerusform>%n Fragen mit ersetztem „;“ oder Zeilenumbruch</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n question(s) explained by &quot;%1&quot;</source>
        <translation>
            <numerusform>%n Frage mit der Erklärung „%1“</numerusform>
            <numerusform>%n Fragen mit der Erklärung „%1“</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) left out</source>
        <translation>
            <numerusform>%n Bild ausgelassen</numerusform>
            <numerusform>%n Bilder ausgelassen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CancelWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
</context>
<context>
    <name>CatalogueList</name>
    <message>
        <source>There is nothing to show!</source>
        <translation>Es gibt nichts anzuzeigen!</translation>
    </message>
</context>
<context>
    <name>CheckBoxSelection</name>
    <message>
        <source>There is nothing to show!</source>
        <translation>Es gibt nichts anzuzeigen!</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version.</source>
        <translation>Zeigt die Version des Programms.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation>Die Optionen nennt „%1 --help“.</translation>
    </message>
    <message>
        <source>A quiz trainer for multiple-choice questions in German, English and Estonian.
It keeps its catalogue in the file databaseVelmoraApp in the directory it is
started in, creating it on the first start.</source>
        <translation>Ein Quiztrainer für Multiple-Choice-Fragen auf Deutsch, Englisch und Estnisch.
Er hält seinen Katalog in der Datei databaseVelmoraApp in dem Verzeichnis,
in dem er gestartet wird, und legt sie beim ersten Start an.</translation>
    </message>
    <message>
        <source>The catalogue&apos;s database: a PostgreSQL connection URI (postgresql://[user@][host][:port]/dbname[?...]) or a database file. Without it: the environment variable VELMORA_DATABASE, then the key database/url of velmora.conf, then the file databaseVelmoraApp in the working directory.</source>
        <translation>Die Datenbank des Katalogs: eine PostgreSQL-Verbindungs-URI (postgresql://[user@][host][:port]/dbname[?...]) oder eine Datenbankdatei. Ohne sie: die Umgebungsvariable VELMORA_DATABASE, dann der Schlüssel database/url in velmora.conf, dann die Datei databaseVelmoraApp im Arbeitsverzeichnis.</translation>
    </message>
</context>
<context>
    <name>Confirmations</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ConnectionWindow</name>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Erneut versuchen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <source>Velmora cannot use the database %1.

%2</source>
        <translation>Velmora kann die Datenbank %1 nicht verwenden.

%2</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Add questions</source>
        <translation>Fragen hinzufügen</translation>
    </message>
    <message>
        <source>Add questions per CSV-file</source>
        <translation>Fragen per CSV-Datei hinzufügen</translation>
    </message>
    <message>
        <source>Delete questions</source>
        <translation>Fragen löschen</translation>
    </message>
    <message>
        <source>Do you want to cancel the quiz?</source>
        <translation>Willst du das Quiz wirklich abbrechen?</translation>
    </message>
    <message>
        <source>Manage questions</source>
        <translation>Fragen verwalten</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Quiz Evaluation</source>
        <translation>Quizauswertung</translation>
    </message>
    <message>
        <source>Quiz settings</source>
        <translation>Quizeinstellungen</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Print a test</source>
        <translation>Test drucken</translation>
    </message>
    <message>
        <source>Edit questions</source>
        <translation>Fragen bearbeiten</translation>
    </message>
    <message>
        <source>Edit question</source>
        <translation>Frage bearbeiten</translation>
    </message>
    <message>
        <source>Only a teacher may change the catalogue on this server.</source>
        <translation>Nur eine Lehrkraft darf den Katalog auf diesem Server ändern.</translation>
    </message>
    <message>
        <source>Another change of the catalogue is being stored. Waiting for it: %1 of %2 s.</source>
        <translation>Eine andere Änderung des Katalogs wird gerade gespeichert. Warte darauf: %1 von %2 s.</translation>
    </message>
    <message>
        <source>The database editor works on a database file only; on a server, use psql.</source>
        <translation>Der Datenbankeditor arbeitet nur mit einer Datenbankdatei; auf einem Server verwende psql.</translation>
    </message>
    <message>
        <source>The database %1 cannot be reached; what is shown may be incomplete. The next step tries again.</source>
        <translation>Die Datenbank %1 ist nicht erreichbar; das Gezeigte ist vielleicht unvollständig. Der nächste Schritt versucht es erneut.</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <source>Time: </source>
        <translation>Zeit: </translation>
    </message>
</context>
<context>
    <name>DatabaseConnection</name>
    <message>
        <source>The database address %1 cannot be read: %2</source>
        <translation>Die Datenbankadresse %1 ist nicht lesbar: %2</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is not a database</source>
        <translation>%1 ist keine Datenbank</translation>
    </message>
    <message>
        <source>%1 is not a Velmora database</source>
        <translation>%1 ist keine Velmora-Datenbank</translation>
    </message>
    <message>
        <source>The database %1 holds no Velmora catalogue. Apply the schema to it with psql: psql -d DATABASE -f %2</source>
        <translation>Die Datenbank %1 enthält keinen Velmora-Katalog. Richte das Schema mit psql darin ein: psql -d DATENBANK -f %2</translation>
    </message>
    <message>
        <source>The database %1 refused to be read: %2</source>
        <translation>Die Datenbank %1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>The database %1 has version %2 of the Velmora schema; this program needs version %3. Apply the schema of this program (%4), or use the program that matches the database.</source>
        <translation>Die Datenbank %1 hat Version %2 des Velmora-Schemas; dieses Programm braucht Version %3. Richte das Schema dieses Programms ein (%4) oder verwende das Programm, das zur Datenbank passt.</translation>
    </message>
    <message>
        <source>The database %1 refused this role its settings: %2</source>
        <translation>Die Datenbank %1 verweigert dieser Rolle ihre Einstellungen: %2</translation>
    </message>
    <message>
        <source>The database %1 cannot be reached: Qt&apos;s PostgreSQL driver (libqt5sql5-psql) is not installed.</source>
        <translation>Die Datenbank %1 ist nicht erreichbar: Der PostgreSQL-Treiber von Qt (libqt5sql5-psql) ist nicht installiert.</translation>
    </message>
    <message>
        <source>The database %1 cannot be reached: %2</source>
        <translation>Die Datenbank %1 ist nicht erreichbar: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseLocation</name>
    <message>
        <source>(the default database)</source>
        <translation>(die Standarddatenbank)</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <comment>database on server</comment>
        <translation>%1 auf %2</translation>
    </message>
</context>
<context>
    <name>DeleteQuestion</name>
    <message>
        <source>Back to manage questions</source>
        <translation>Zurück zur Fragenverwaltung</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Selected questions:</source>
        <translation>Ausgewählte Fragen:</translation>
    </message>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The questions could not be deleted.</source>
        <translation>Die Fragen konnten nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Words from the question</source>
        <translation>Wörter aus der Frage</translation>
    </message>
    <message>
        <source>Deleting the questions...</source>
        <translation>Die Fragen werden gelöscht...</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n question(s)?</source>
        <translation>
            <numerusform>%n Frage löschen?</numerusform>
            <numerusform>%n Fragen löschen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them are hidden by the search.</source>
        <translation>
            <numerusform>Davon ist %n durch die Suche ausgeblendet.</numerusform>
            <numerusform>Davon sind %n durch die Suche ausgeblendet.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete questions</source>
        <translation>Fragen löschen</translation>
    </message>
    <message>
        <source>Deleting cancelled: no question was deleted.</source>
        <translation>Löschen abgebrochen: Es wurde keine Frage gelöscht.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>EditQuestions</name>
    <message>
        <source>Choose the question to edit:</source>
        <translation>Wähle die Frage, die du bearbeiten willst:</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Words from the question</source>
        <translation>Wörter aus der Frage</translation>
    </message>
    <message>
        <source>Back to manage questions</source>
        <translation>Zurück zur Fragenverwaltung</translation>
    </message>
</context>
<context>
    <name>GiftReader</name>
    <message>
        <source>a description, not a question: no answers in {}</source>
        <translation>eine Beschreibung, keine Frage: keine Antworten in {}</translation>
    </message>
    <message>
        <source>&quot;{&quot; is not closed</source>
        <translation>„{“ wird nicht geschlossen</translation>
    </message>
    <message>
        <source>a short-answer question, not multiple choice</source>
        <translation>eine Kurzantwortfrage, keine Multiple-Choice-Frage</translation>
    </message>
    <message>
        <source>an essay question, not multiple choice</source>
        <translation>eine Freitextfrage, keine Multiple-Choice-Frage</translation>
    </message>
    <message>
        <source>a numeric question, not multiple choice</source>
        <translation>eine numerische Frage, keine Multiple-Choice-Frage</translation>
    </message>
    <message>
        <source>a true/false question, not multiple choice</source>
        <translation>eine Wahr/Falsch-Frage, keine Multiple-Choice-Frage</translation>
    </message>
    <message>
        <source>a matching question, not multiple choice</source>
        <translation>eine Zuordnungsfrage, keine Multiple-Choice-Frage</translation>
    </message>
</context>
<context>
    <name>HeatmapChart</name>
    <message>
        <source>Less</source>
        <translation>Weniger</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s)</source>
        <translation>
            <numerusform>%n Antwort</numerusform>
            <numerusform>%n Antworten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ManageQuestionsMenu</name>
    <message>
        <source>Add questions</source>
        <translation>Fragen hinzufügen</translation>
    </message>
    <message>
        <source>Back to &amp;menu</source>
        <translation>Zurück zum &amp;Menü</translation>
    </message>
    <message>
        <source>Database editor</source>
        <translation>Datenbankeditor</translation>
    </message>
    <message>
        <source>Database editor ( recommended ):</source>
        <translation>Datenbankeditor (empfohlen):</translation>
    </message>
    <message>
        <source>Delete questions</source>
        <translation>Fragen löschen</translation>
    </message>
    <message>
        <source>Export all questions as CSV-file</source>
        <translation>Alle Fragen als CSV-Datei exportieren</translation>
    </message>
    <message>
        <source>Export questions...</source>
        <translation>Fragen exportieren...</translation>
    </message>
    <message>
        <source>Import questions via CSV-File</source>
        <translation>Fragen aus CSV-Datei importieren</translation>
    </message>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The questions could not be exported.</source>
        <translation>Die Fragen konnten nicht exportiert werden.</translation>
    </message>
    <message>
        <source>Nothing was exported: the question &quot;%1&quot; cannot be written to a CSV file. Each of its texts must be filled in and hold no &quot;;&quot; and no line break, and it needs four answers.</source>
        <translation>Es wurde nichts exportiert: Die Frage „%1“ lässt sich nicht in eine CSV-Datei schreiben. Jeder ihrer Texte muss ausgefüllt sein und darf weder „;“ noch einen Zeilenumbruch enthalten, und sie braucht vier Antworten.</translation>
    </message>
    <message>
        <source>Reset learning history</source>
        <translation>Lernverlauf zurücksetzen</translation>
    </message>
    <message>
        <source>Reset the learning history? Every recorded answer and the memory of every question will be deleted.</source>
        <translation>Den Lernverlauf zurücksetzen? Alle gespeicherten Antworten und der Lernstand jeder Frage werden gelöscht.</translation>
    </message>
    <message>
        <source>The learning history was reset.</source>
        <translation>Der Lernverlauf wurde zurückgesetzt.</translation>
    </message>
    <message>
        <source>The learning history could not be reset.</source>
        <translation>Der Lernverlauf konnte nicht zurückgesetzt werden.</translation>
    </message>
    <message>
        <source>Edit questions</source>
        <translation>Fragen bearbeiten</translation>
    </message>
    <message>
        <source>Print a test (PDF)...</source>
        <translation>Test drucken (PDF)...</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message numerus="yes">
        <source>%n question(s) exported to %1.</source>
        <translation>
            <numerusform>%n Frage nach %1 exportiert.</numerusform>
            <numerusform>%n Fragen nach %1 exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out, having no true answer: %1</source>
        <translation>Ausgelassen, da ohne richtige Antwort: %1</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Exit</source>
        <translation>Be&amp;enden</translation>
    </message>
    <message>
        <source>&amp;Start quiz</source>
        <translation>Quiz &amp;starten</translation>
    </message>
    <message>
        <source>Manage questions</source>
        <translation>Fragen verwalten</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Fortschritt</translation>
    </message>
    <message>
        <source>&amp;About Velmora</source>
        <translation>&amp;Über Velmora</translation>
    </message>
    <message>
        <source>The language shown now</source>
        <translation>Die jetzt angezeigte Sprache</translation>
    </message>
    <message>
        <source>Shows the program in this language</source>
        <translation>Zeigt das Programm in dieser Sprache</translation>
    </message>
</context>
<context>
    <name>MoodleXmlReader</name>
    <message>
        <source>question type &quot;%1&quot; is not multiple choice</source>
        <translation>Fragetyp „%1“ ist nicht Multiple Choice</translation>
    </message>
    <message>
        <source>holds a document type declaration, which is not read</source>
        <translation>enthält eine Dokumenttypdeklaration, die nicht gelesen wird</translation>
    </message>
    <message>
        <source>elements nested more than %1 deep</source>
        <translation>Elemente mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <source>is not a Moodle XML file: its root is not &lt;quiz&gt;</source>
        <translation>ist keine Moodle-XML-Datei: Ihr Wurzelelement ist nicht &lt;quiz&gt;</translation>
    </message>
    <message>
        <source>is not well-formed XML: %1</source>
        <translation>ist kein wohlgeformtes XML: %1</translation>
    </message>
</context>
<context>
    <name>MultiLanguageEdit</name>
    <message>
        <source>English:</source>
        <translation>Englisch:</translation>
    </message>
    <message>
        <source>Estonian:</source>
        <translation>Estnisch:</translation>
    </message>
    <message>
        <source>German:</source>
        <translation>Deutsch:</translation>
    </message>
</context>
<context>
    <name>PasswordCheck</name>
    <message>
        <source>Enter password</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>Please enter the right password!</source>
        <translation>Bitte gib das richtige Passwort ein!</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
</context>
<context>
    <name>PrintTest</name>
    <message>
        <source>Categories:</source>
        <translation>Kategorien:</translation>
    </message>
    <message>
        <source>&amp;Questions:</source>
        <translation>&amp;Fragen:</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>S&amp;prache:</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Estnisch</translation>
    </message>
    <message>
        <source>&amp;Versions:</source>
        <translation>Ve&amp;rsionen:</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>Start&amp;wert:</translation>
    </message>
    <message>
        <source>&amp;New seed</source>
        <translation>&amp;Neuer Startwert</translation>
    </message>
    <message>
        <source>Include:</source>
        <translation>Beifügen:</translation>
    </message>
    <message>
        <source>Answer &amp;keys</source>
        <translation>&amp;Lösungsschlüssel</translation>
    </message>
    <message>
        <source>E&amp;xplanations</source>
        <translation>&amp;Erklärungen</translation>
    </message>
    <message>
        <source>Back to &amp;manage questions</source>
        <translation>Zurück zur Fragen&amp;verwaltung</translation>
    </message>
    <message>
        <source>&amp;Save PDF...</source>
        <translation>PDF &amp;speichern...</translation>
    </message>
    <message numerus="yes">
        <source>of %n</source>
        <translation>
            <numerusform>von %n</numerusform>
            <numerusform>von %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose at least one category.</source>
        <translation>Wähle mindestens eine Kategorie.</translation>
    </message>
    <message>
        <source>Save the test as PDF</source>
        <translation>Test als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The chosen categories hold no questions.</source>
        <translation>Die gewählten Kategorien enthalten keine Fragen.</translation>
    </message>
    <message>
        <source>Writing the test...</source>
        <translation>Der Test wird geschrieben...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) written to %1.</source>
        <translation>
            <numerusform>%n Seite nach %1 geschrieben.</numerusform>
            <numerusform>%n Seiten nach %1 geschrieben.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>No answers yet. Start a quiz from the main menu: every answer you give is remembered here.</source>
        <translation>Noch keine Antworten. Starte ein Quiz im Hauptmenü: Jede Antwort, die du gibst, wird hier festgehalten.</translation>
    </message>
    <message>
        <source>Your answers</source>
        <translation>Deine Antworten</translation>
    </message>
    <message>
        <source>Right, last 7 days:</source>
        <translation>Richtig, letzte 7 Tage:</translation>
    </message>
    <message>
        <source>Right, last 30 days:</source>
        <translation>Richtig, letzte 30 Tage:</translation>
    </message>
    <message>
        <source>Quizzes:</source>
        <translation>Quizze:</translation>
    </message>
    <message>
        <source>Answers:</source>
        <translation>Antworten:</translation>
    </message>
    <message>
        <source>Answers per day, last 26 weeks</source>
        <translation>Antworten pro Tag, letzte 26 Wochen</translation>
    </message>
    <message>
        <source>Right answers in the last 50 quizzes</source>
        <translation>Richtige Antworten in den letzten 50 Quizzen</translation>
    </message>
    <message>
        <source>Questions per category</source>
        <translation>Fragen pro Kategorie</translation>
    </message>
    <message>
        <source>Your weakest questions</source>
        <translation>Deine schwächsten Fragen</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Last answer</source>
        <translation>Letzte Antwort</translation>
    </message>
    <message>
        <source>Back to &amp;menu</source>
        <translation>Zurück zum &amp;Menü</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Gewusst</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>Never answered</source>
        <translation>Nie beantwortet</translation>
    </message>
</context>
<context>
    <name>QuestionBank</name>
    <message>
        <source>(no explanation given)</source>
        <translation>(keine Erklärung angegeben)</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>is larger than %1 MB</source>
        <translation>ist größer als %1 MB</translation>
    </message>
    <message>
        <source>is not valid UTF-8 text</source>
        <translation>ist kein gültiger UTF-8-Text</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s), not four</source>
        <translation>
            <numerusform>%n Antwort, nicht vier</numerusform>
            <numerusform>%n Antworten, nicht vier</numerusform>
        </translation>
    </message>
    <message>
        <source>no true answer</source>
        <translation>keine richtige Antwort</translation>
    </message>
    <message>
        <source>the question text is empty</source>
        <translation>der Fragetext ist leer</translation>
    </message>
    <message>
        <source>an answer or its explanation is empty in one language</source>
        <translation>eine Antwort oder ihre Erklärung ist in einer Sprache leer</translation>
    </message>
    <message>
        <source>image left out: %1</source>
        <translation>Bild ausgelassen: %1</translation>
    </message>
</context>
<context>
    <name>QuestionFileReader</name>
    <message>
        <source>no file chosen</source>
        <translation>keine Datei gewählt</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>is not valid UTF-8 text</source>
        <translation>ist kein gültiger UTF-8-Text</translation>
    </message>
    <message>
        <source>a line must have 3 or 6 fields</source>
        <translation>eine Zeile muss 3 oder 6 Felder haben</translation>
    </message>
    <message>
        <source>incomplete last question: a question takes 6 lines</source>
        <translation>unvollständige letzte Frage: Eine Frage umfasst 6 Zeilen</translation>
    </message>
    <message>
        <source>holds no question</source>
        <translation>enthält keine Frage</translation>
    </message>
    <message>
        <source>question has no true answer</source>
        <translation>die Frage hat keine richtige Antwort</translation>
    </message>
</context>
<context>
    <name>QuestionImport</name>
    <message numerus="yes">
        <source>%n question(s) imported into %1.</source>
        <translation>
            <numerusform>%n Frage in %1 importiert.</numerusform>
            <numerusform>%n Fragen in %1 importiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n category(ies)</source>
        <translation>
            <numerusform>%n Kategorie</numerusform>
            <numerusform>%n Kategorien</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>-&gt;</source>
        <translation>-&gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Current category:</source>
        <translation>Aktuelle Kategorie:</translation>
    </message>
    <message>
        <source>Explanation </source>
        <translation>Erklärung </translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Frage:</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys: 1-9 mark an answer, Enter goes on, Esc cancels</source>
        <translation>Tasten: 1–9 Antwort markieren, Enter weiter, Esc abbrechen</translation>
    </message>
</context>
<context>
    <name>QuizEvaluation</name>
    <message>
        <source>Average time per question:</source>
        <translation>Durchschnittliche Zeit pro Frage:</translation>
    </message>
    <message>
        <source>Back to menu</source>
        <translation>Zurück zum Menü</translation>
    </message>
    <message>
        <source>Categories:</source>
        <translation>Kategorien:</translation>
    </message>
    <message>
        <source>Correct ( in % ):</source>
        <translation>Richtig (in %):</translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Richtig:</translation>
    </message>
    <message>
        <source>Number of questions:</source>
        <translation>Anzahl der Fragen:</translation>
    </message>
    <message>
        <source>Quiz evaluation:</source>
        <translation>Quizauswertung:</translation>
    </message>
    <message>
        <source>Quiz settings:</source>
        <translation>Quizeinstellungen:</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neu starten</translation>
    </message>
    <message>
        <source>Time per question:</source>
        <translation>Zeit pro Frage:</translation>
    </message>
    <message>
        <source>Total time:</source>
        <translation>Gesamtzeit:</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Unbegrenzt</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review answers</source>
        <translation>Antworten ansehen</translation>
    </message>
    <message>
        <source>Back to evaluation</source>
        <translation>Zurück zur Auswertung</translation>
    </message>
    <message>
        <source>Your answers could not be saved to your history.</source>
        <translation>Deine Antworten konnten nicht im Lernverlauf gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>QuizReview</name>
    <message>
        <source>Answered correctly.</source>
        <translation>Richtig beantwortet.</translation>
    </message>
    <message>
        <source>Answered wrongly.</source>
        <translation>Falsch beantwortet.</translation>
    </message>
    <message>
        <source>The time ran out.</source>
        <translation>Die Zeit war abgelaufen.</translation>
    </message>
    <message>
        <source>Your choice</source>
        <translation>Deine Wahl</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Richtig</translation>
    </message>
</context>
<context>
    <name>QuizSettings</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>Back to &amp;menu</source>
        <translation>Zurück zum &amp;Menü</translation>
    </message>
    <message>
        <source>Categories:</source>
        <translation>Kategorien:</translation>
    </message>
    <message>
        <source>Number of questions:</source>
        <translation>Anzahl der Fragen:</translation>
    </message>
    <message>
        <source>Time enable</source>
        <translation>Zeitlimit</translation>
    </message>
    <message>
        <source>Time per question:</source>
        <translation>Zeit pro Frage:</translation>
    </message>
    <message>
        <source>The settings could not be stored.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Practice:</source>
        <translation>Übungsart:</translation>
    </message>
    <message>
        <source>All at random</source>
        <translation>Alle zufällig</translation>
    </message>
    <message>
        <source>Due and weakest first</source>
        <translation>Fällige und schwächste zuerst</translation>
    </message>
    <message>
        <source>Mistakes of the last quiz</source>
        <translation>Fehler des letzten Quiz</translation>
    </message>
    <message>
        <source>The last quiz had no mistakes.</source>
        <translation>Das letzte Quiz hatte keine Fehler.</translation>
    </message>
    <message>
        <source>Due now: %1 · Never answered: %2</source>
        <translation>Jetzt fällig: %1 · Nie beantwortet: %2</translation>
    </message>
    <message>
        <source>The catalogue is empty.</source>
        <translation>Der Katalog ist leer.</translation>
    </message>
    <message>
        <source>Import the sample catalogue</source>
        <translation>Beispielkatalog importieren</translation>
    </message>
    <message>
        <source>The catalogue is empty. Questions are added in the management area: &quot;%1&quot; in the main menu, then &quot;%2&quot; or &quot;%3&quot;.</source>
        <translation>Der Katalog ist leer. Fragen werden in der Verwaltung hinzugefügt: „%1“ im Hauptmenü, dann „%2“ oder „%3“.</translation>
    </message>
    <message>
        <source>The sample catalogue could not be imported.</source>
        <translation>Der Beispielkatalog konnte nicht importiert werden.</translation>
    </message>
</context>
<context>
    <name>RadioButtonSelection</name>
    <message>
        <source>There is nothing to show!</source>
        <translation>Es gibt nichts anzuzeigen!</translation>
    </message>
</context>
<context>
    <name>TestPdfWriter</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Seed %1</source>
        <translation>Startwert %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Class:</source>
        <translation>Klasse:</translation>
    </message>
    <message>
        <source>Mark every true answer. A question counts only when exactly its true answers are marked.</source>
        <translation>Kreuze jede richtige Antwort an. Eine Frage zählt nur, wenn genau ihre richtigen Antworten angekreuzt sind.</translation>
    </message>
    <message>
        <source>Answer key: version %1</source>
        <translation>Lösungsschlüssel: Version %1</translation>
    </message>
    <message>
        <source>Total points: %1 (one per question when exactly its true answers are marked)</source>
        <translation>Gesamtpunktzahl: %1 (ein Punkt pro Frage, wenn genau ihre richtigen Antworten angekreuzt sind)</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Explanations: version %1</source>
        <translation>Erklärungen: Version %1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: the PDF could not be started</source>
        <translation>%1 kann nicht geschrieben werden: Das PDF konnte nicht begonnen werden</translation>
    </message>
    <message>
        <source>Cancelled: nothing was written.</source>
        <translation>Abgebrochen: Es wurde nichts geschrieben.</translation>
    </message>
</context>
</TS>
