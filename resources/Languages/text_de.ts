<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
    <name>CheckBoxSelection</name>
    <message>
        <source>There is nothing to show!</source>
        <translation>Es gibt nichts anzuzeigen!</translation>
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
</context>
<context>
    <name>Countdown</name>
    <message>
        <source>Time: </source>
        <translation>Zeit: </translation>
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
</context>
<context>
    <name>RadioButtonSelection</name>
    <message>
        <source>There is nothing to show!</source>
        <translation>Es gibt nichts anzuzeigen!</translation>
    </message>
</context>
</TS>
