<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Velmora</source>
        <translation>About Velmora</translation>
    </message>
    <message>
        <source>A quiz trainer for multiple-choice questions in German, English and Estonian.</source>
        <translation>A quiz trainer for multiple-choice questions in German, English and Estonian.</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Licence:</source>
        <translation>Licence:</translation>
    </message>
    <message>
        <source>GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>GNU General Public License, version 3 or later (GPL-3.0-or-later)</translation>
    </message>
    <message>
        <source>Data:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>User guide:</source>
        <translation>User guide:</translation>
    </message>
</context>
<context>
    <name>AddAnswerWidget</name>
    <message>
        <source>Answer true</source>
        <translation>Answer true</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Answer:</translation>
    </message>
    <message>
        <source>Explanation:</source>
        <translation>Explanation:</translation>
    </message>
</context>
<context>
    <name>AddQuestion</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>Add new category:</source>
        <translation>Add new category:</translation>
    </message>
    <message>
        <source>Answer 1:</source>
        <translation>Answer 1:</translation>
    </message>
    <message>
        <source>Answer 2:</source>
        <translation>Answer 2:</translation>
    </message>
    <message>
        <source>Answer 3:</source>
        <translation>Answer 3:</translation>
    </message>
    <message>
        <source>Answer 4:</source>
        <translation>Answer 4:</translation>
    </message>
    <message>
        <source>Back to &amp;manage questions</source>
        <translation>Back to &amp;manage questions</translation>
    </message>
    <message>
        <source>Categories:</source>
        <translation>Categories:</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Question:</translation>
    </message>
    <message>
        <source>The question could not be stored.</source>
        <translation>The question could not be stored.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Question saved.</source>
        <translation>Question saved.</translation>
    </message>
    <message>
        <source>Question added.</source>
        <translation>Question added.</translation>
    </message>
</context>
<context>
    <name>AddQuestionsPerFile</name>
    <message>
        <source>&amp;Add values</source>
        <translation>&amp;Add values</translation>
    </message>
    <message>
        <source>&amp;Open file</source>
        <translation>&amp;Open file</translation>
    </message>
    <message>
        <source>Back to &amp;manage questions</source>
        <translation>Back to &amp;manage questions</translation>
    </message>
    <message>
        <source>CSV-file is incorrect!</source>
        <translation>CSV-file is incorrect!</translation>
    </message>
    <message>
        <source>Number of questions:</source>
        <translation>Number of questions:</translation>
    </message>
    <message>
        <source>Open CSV-file here!
This is a CSV template:
Delimiter: ; (semicolon)
If explanation is set, the answer is correct.</source>
        <translation>Open CSV-file here!
This is a CSV template:
Delimiter: ; ( semicolon )
If explanation is set, the answer is correct.</translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation>Open file...</translation>
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
        <translation>The questions could not be stored.</translation>
    </message>
    <message>
        <source>... and %1 (%2)</source>
        <translation>... and %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n more line(s)</source>
        <translation>
            <numerusform>%n more line</numerusform>
            <numerusform>%n more lines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more question(s)</source>
        <translation>
            <numerusform>%n more question</numerusform>
            <numerusform>%n more questions</numerusform>
        </translation>
    </message>
    <message>
        <source>Storing the questions...</source>
        <translation>Storing the questions...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Import cancelled: no question was stored.</source>
        <translation>Import cancelled: no question was stored.</translation>
    </message>
    <message>
        <source>Import them again</source>
        <translation>Import them again</translation>
    </message>
    <message>
        <source>Question files</source>
        <translation>Question files</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, line %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n more problem(s)</source>
        <translation>
            <numerusform>%n more problem</numerusform>
            <numerusform>%n more problems</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of these questions are already in the catalogue with the same texts and are skipped.</source>
        <translation>
            <numerusform>%n of these questions is already in the catalogue with the same texts and is skipped.</numerusform>
            <numerusform>%n of these questions are already in the catalogue with the same texts and are skipped.</numerusform>
        </translation>
    </message>
    <message>
        <source>A file has changed since it was read: nothing was stored. Open it again.</source>
        <translation>A file has changed since it was read: nothing was stored. Open it again.</translation>
    </message>
    <message>
        <source>%1 has changed since it was read: nothing was stored. Open it again.</source>
        <translation>%1 has changed since it was read: nothing was stored. Open it again.</translation>
    </message>
</context>
<context>
    <name>AikenReader</name>
    <message>
        <source>no ANSWER: line</source>
        <translation>no ANSWER: line</translation>
    </message>
    <message>
        <source>an ANSWER: line without a question</source>
        <translation>an ANSWER: line without a question</translation>
    </message>
    <message>
        <source>line %1 is neither an option nor ANSWER:</source>
        <translation>line %1 is neither an option nor ANSWER:</translation>
    </message>
    <message>
        <source>ANSWER: %1 names no option</source>
        <translation>ANSWER: %1 names no option</translation>
    </message>
</context>
<context>
    <name>AnswerExplanationWidget</name>
    <message>
        <source>You answered the question correctly!</source>
        <translation>You answered the question correctly!</translation>
    </message>
    <message>
        <source>You answered the question wrongly!</source>
        <translation>You answered the question wrongly!</translation>
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
        <translation>True answer, chosen</translation>
    </message>
    <message>
        <source>True answer, not chosen</source>
        <translation>True answer, not chosen</translation>
    </message>
    <message>
        <source>False answer, chosen</source>
        <translation>False answer, chosen</translation>
    </message>
    <message>
        <source>False answer, not chosen</source>
        <translation>False answer, not chosen</translation>
    </message>
</context>
<context>
    <name>BankReader</name>
    <message>
        <source>holds no question that can be imported</source>
        <translation>holds no question that can be imported</translation>
    </message>
    <message numerus="yes">
        <source>%n question(s) left out</source>
        <translation>
            <numerusform>%n question left out</numerusform>
            <numerusform>%n questions left out</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n question(s) in one language only</source>
        <translation>
            <numerusform>%n question in one language only</numerusform>
            <numerusform>%n questions in one language only</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n question(s) with &quot;;&quot; or line breaks replaced</source>
        <translation>
            <numerusform>%n question with &quot;;&quot; or line breaks replaced</numerusform>
            <numerusform>%n questions with &quot;;&quot; or line breaks replaced</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n question(s) explained by &quot;%1&quot;</source>
        <translation>
            <numerusform>%n question explained by &quot;%1&quot;</numerusform>
            <numerusform>%n questions explained by &quot;%1&quot;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) left out</source>
        <translation>
            <numerusform>%n image left out</numerusform>
            <numerusform>%n images left out</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CancelWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
</context>
<context>
    <name>CatalogueList</name>
    <message>
        <source>There is nothing to show!</source>
        <translation>There is nothing to show!</translation>
    </message>
</context>
<context>
    <name>CheckBoxSelection</name>
    <message>
        <source>There is nothing to show!</source>
        <translation>There is nothing to show!</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help.</source>
        <translation>Show this help.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version.</source>
        <translation>Show the program&apos;s version.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation>Try &apos;%1 --help&apos; for the options.</translation>
    </message>
    <message>
        <source>A quiz trainer for multiple-choice questions in German, English and Estonian.
It keeps its catalogue in the file databaseVelmoraApp in the directory it is
started in, creating it on the first start.</source>
        <translation>A quiz trainer for multiple-choice questions in German, English and Estonian.
It keeps its catalogue in the file databaseVelmoraApp in the directory it is
started in, creating it on the first start.</translation>
    </message>
    <message>
        <source>The catalogue&apos;s database: a PostgreSQL connection URI (postgresql://[user@][host][:port]/dbname[?...]) or a database file. Without it: the environment variable VELMORA_DATABASE, then the key database/url of velmora.conf, then the file databaseVelmoraApp in the working directory.</source>
        <translation>The catalogue&apos;s database: a PostgreSQL connection URI (postgresql://[user@][host][:port]/dbname[?...]) or a database file. Without it: the environment variable VELMORA_DATABASE, then the key database/url of velmora.conf, then the file databaseVelmoraApp in the working directory.</translation>
    </message>
</context>
<context>
    <name>Confirmations</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ConnectionWindow</name>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Retry</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>Velmora cannot use the database %1.

%2</source>
        <translation>Velmora cannot use the database %1.

%2</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Add questions</source>
        <translation>Add questions</translation>
    </message>
    <message>
        <source>Add questions per CSV-file</source>
        <translation>Add questions per CSV-file</translation>
    </message>
    <message>
        <source>Delete questions</source>
        <translation>Delete questions</translation>
    </message>
    <message>
        <source>Do you want to cancel the quiz?</source>
        <translation>Do you want to cancel the quiz?</translation>
    </message>
    <message>
        <source>Manage questions</source>
        <translation>Manage questions</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Quiz Evaluation</source>
        <translation>Quiz Evaluation</translation>
    </message>
    <message>
        <source>Quiz settings</source>
        <translation>Quiz settings</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Print a test</source>
        <translation>Print a test</translation>
    </message>
    <message>
        <source>Edit questions</source>
        <translation>Edit questions</translation>
    </message>
    <message>
        <source>Edit question</source>
        <translation>Edit question</translation>
    </message>
    <message>
        <source>Only a teacher may change the catalogue on this server.</source>
        <translation>Only a teacher may change the catalogue on this server.</translation>
    </message>
    <message>
        <source>Another change of the catalogue is being stored. Waiting for it: %1 of %2 s.</source>
        <translation>Another change of the catalogue is being stored. Waiting for it: %1 of %2 s.</translation>
    </message>
    <message>
        <source>The database editor works on a database file only; on a server, use psql.</source>
        <translation>The database editor works on a database file only; on a server, use psql.</translation>
    </message>
    <message>
        <source>The database %1 cannot be reached; what is shown may be incomplete. The next step tries again.</source>
        <translation>The database %1 cannot be reached; what is shown may be incomplete. The next step tries again.</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <source>Time: </source>
        <translation>Time:</translation>
    </message>
</context>
<context>
    <name>DatabaseConnection</name>
    <message>
        <source>The database address %1 cannot be read: %2</source>
        <translation>The database address %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 does not exist</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 cannot be read</translation>
    </message>
    <message>
        <source>%1 is not a database</source>
        <translation>%1 is not a database</translation>
    </message>
    <message>
        <source>%1 is not a Velmora database</source>
        <translation>%1 is not a Velmora database</translation>
    </message>
    <message>
        <source>The database %1 holds no Velmora catalogue. Apply the schema to it with psql: psql -d DATABASE -f %2</source>
        <translation>The database %1 holds no Velmora catalogue. Apply the schema to it with psql: psql -d DATABASE -f %2</translation>
    </message>
    <message>
        <source>The database %1 refused to be read: %2</source>
        <translation>The database %1 refused to be read: %2</translation>
    </message>
    <message>
        <source>The database %1 has version %2 of the Velmora schema; this program needs version %3. Apply the schema of this program (%4), or use the program that matches the database.</source>
        <translation>The database %1 has version %2 of the Velmora schema; this program needs version %3. Apply the schema of this program (%4), or use the program that matches the database.</translation>
    </message>
    <message>
        <source>The database %1 refused this role its settings: %2</source>
        <translation>The database %1 refused this role its settings: %2</translation>
    </message>
    <message>
        <source>The database %1 cannot be reached: Qt&apos;s PostgreSQL driver (libqt5sql5-psql) is not installed.</source>
        <translation>The database %1 cannot be reached: Qt&apos;s PostgreSQL driver (libqt5sql5-psql) is not installed.</translation>
    </message>
    <message>
        <source>The database %1 cannot be reached: %2</source>
        <translation>The database %1 cannot be reached: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseLocation</name>
    <message>
        <source>(the default database)</source>
        <translation>(the default database)</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <comment>database on server</comment>
        <translation>%1 on %2</translation>
    </message>
</context>
<context>
    <name>DeleteQuestion</name>
    <message>
        <source>Back to manage questions</source>
        <translation>Back to manage questions</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Selected questions:</source>
        <translation>Selected questions:</translation>
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
        <translation>The questions could not be deleted.</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Search:</translation>
    </message>
    <message>
        <source>Words from the question</source>
        <translation>Words from the question</translation>
    </message>
    <message>
        <source>Deleting the questions...</source>
        <translation>Deleting the questions...</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n question(s)?</source>
        <translation>
            <numerusform>Delete %n question?</numerusform>
            <numerusform>Delete %n questions?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them are hidden by the search.</source>
        <translation>
            <numerusform>%n of them is hidden by the search.</numerusform>
            <numerusform>%n of them are hidden by the search.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete questions</source>
        <translation>Delete questions</translation>
    </message>
    <message>
        <source>Deleting cancelled: no question was deleted.</source>
        <translation>Deleting cancelled: no question was deleted.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>EditQuestions</name>
    <message>
        <source>Choose the question to edit:</source>
        <translation>Choose the question to edit:</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Search:</translation>
    </message>
    <message>
        <source>Words from the question</source>
        <translation>Words from the question</translation>
    </message>
    <message>
        <source>Back to manage questions</source>
        <translation>Back to manage questions</translation>
    </message>
</context>
<context>
    <name>GiftReader</name>
    <message>
        <source>a description, not a question: no answers in {}</source>
        <translation>a description, not a question: no answers in {}</translation>
    </message>
    <message>
        <source>&quot;{&quot; is not closed</source>
        <translation>&quot;{&quot; is not closed</translation>
    </message>
    <message>
        <source>a short-answer question, not multiple choice</source>
        <translation>a short-answer question, not multiple choice</translation>
    </message>
    <message>
        <source>an essay question, not multiple choice</source>
        <translation>an essay question, not multiple choice</translation>
    </message>
    <message>
        <source>a numeric question, not multiple choice</source>
        <translation>a numeric question, not multiple choice</translation>
    </message>
    <message>
        <source>a true/false question, not multiple choice</source>
        <translation>a true/false question, not multiple choice</translation>
    </message>
    <message>
        <source>a matching question, not multiple choice</source>
        <translation>a matching question, not multiple choice</translation>
    </message>
</context>
<context>
    <name>HeatmapChart</name>
    <message>
        <source>Less</source>
        <translation>Less</translation>
    </message>
    <message>
        <source>More</source>
        <translation>More</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s)</source>
        <translation>
            <numerusform>%n answer</numerusform>
            <numerusform>%n answers</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ManageQuestionsMenu</name>
    <message>
        <source>Add questions</source>
        <translation>Add questions</translation>
    </message>
    <message>
        <source>Back to &amp;menu</source>
        <translation>Back to &amp;menu</translation>
    </message>
    <message>
        <source>Database editor</source>
        <translation>Database editor</translation>
    </message>
    <message>
        <source>Database editor ( recommended ):</source>
        <translation>Database editor ( recommended ):</translation>
    </message>
    <message>
        <source>Delete questions</source>
        <translation>Delete questions</translation>
    </message>
    <message>
        <source>Export all questions as CSV-file</source>
        <translation>Export all questions as CSV-file</translation>
    </message>
    <message>
        <source>Export questions...</source>
        <translation>Export questions...</translation>
    </message>
    <message>
        <source>Import questions via CSV-File</source>
        <translation>Import questions via CSV-file</translation>
    </message>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The questions could not be exported.</source>
        <translation>The questions could not be exported.</translation>
    </message>
    <message>
        <source>Nothing was exported: the question &quot;%1&quot; cannot be written to a CSV file. Each of its texts must be filled in and hold no &quot;;&quot; and no line break, and it needs four answers.</source>
        <translation>Nothing was exported: the question &quot;%1&quot; cannot be written to a CSV file. Each of its texts must be filled in and hold no &quot;;&quot; and no line break, and it needs four answers.</translation>
    </message>
    <message>
        <source>Reset learning history</source>
        <translation>Reset learning history</translation>
    </message>
    <message>
        <source>Reset the learning history? Every recorded answer and the memory of every question will be deleted.</source>
        <translation>Reset the learning history? Every recorded answer and the memory of every question will be deleted.</translation>
    </message>
    <message>
        <source>The learning history was reset.</source>
        <translation>The learning history was reset.</translation>
    </message>
    <message>
        <source>The learning history could not be reset.</source>
        <translation>The learning history could not be reset.</translation>
    </message>
    <message>
        <source>Edit questions</source>
        <translation>Edit questions</translation>
    </message>
    <message>
        <source>Print a test (PDF)...</source>
        <translation>Print a test (PDF)...</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message numerus="yes">
        <source>%n question(s) exported to %1.</source>
        <translation>
            <numerusform>%n question exported to %1.</numerusform>
            <numerusform>%n questions exported to %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out, having no true answer: %1</source>
        <translation>Left out, having no true answer: %1</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Exit</translation>
    </message>
    <message>
        <source>&amp;Start quiz</source>
        <translation>&amp;Start quiz</translation>
    </message>
    <message>
        <source>Manage questions</source>
        <translation>Manage questions</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Progress</translation>
    </message>
    <message>
        <source>&amp;About Velmora</source>
        <translation>&amp;About Velmora</translation>
    </message>
    <message>
        <source>The language shown now</source>
        <translation>The language shown now</translation>
    </message>
    <message>
        <source>Shows the program in this language</source>
        <translation>Shows the program in this language</translation>
    </message>
</context>
<context>
    <name>MoodleXmlReader</name>
    <message>
        <source>question type &quot;%1&quot; is not multiple choice</source>
        <translation>question type &quot;%1&quot; is not multiple choice</translation>
    </message>
    <message>
        <source>holds a document type declaration, which is not read</source>
        <translation>holds a document type declaration, which is not read</translation>
    </message>
    <message>
        <source>elements nested more than %1 deep</source>
        <translation>elements nested more than %1 deep</translation>
    </message>
    <message>
        <source>is not a Moodle XML file: its root is not &lt;quiz&gt;</source>
        <translation>is not a Moodle XML file: its root is not &lt;quiz&gt;</translation>
    </message>
    <message>
        <source>is not well-formed XML: %1</source>
        <translation>is not well-formed XML: %1</translation>
    </message>
</context>
<context>
    <name>MultiLanguageEdit</name>
    <message>
        <source>English:</source>
        <translation>English:</translation>
    </message>
    <message>
        <source>Estonian:</source>
        <translation>Estonian:</translation>
    </message>
    <message>
        <source>German:</source>
        <translation>German:</translation>
    </message>
</context>
<context>
    <name>PasswordCheck</name>
    <message>
        <source>Enter password</source>
        <translation>Enter password</translation>
    </message>
    <message>
        <source>Please enter the right password!</source>
        <translation>Please enter the right password!</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
</context>
<context>
    <name>PrintTest</name>
    <message>
        <source>Categories:</source>
        <translation>Categories:</translation>
    </message>
    <message>
        <source>&amp;Questions:</source>
        <translation>&amp;Questions:</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Language:</translation>
    </message>
    <message>
        <source>German</source>
        <translation>German</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Estonian</translation>
    </message>
    <message>
        <source>&amp;Versions:</source>
        <translation>&amp;Versions:</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>S&amp;eed:</translation>
    </message>
    <message>
        <source>&amp;New seed</source>
        <translation>&amp;New seed</translation>
    </message>
    <message>
        <source>Include:</source>
        <translation>Include:</translation>
    </message>
    <message>
        <source>Answer &amp;keys</source>
        <translation>Answer &amp;keys</translation>
    </message>
    <message>
        <source>E&amp;xplanations</source>
        <translation>E&amp;xplanations</translation>
    </message>
    <message>
        <source>Back to &amp;manage questions</source>
        <translation>Back to &amp;manage questions</translation>
    </message>
    <message>
        <source>&amp;Save PDF...</source>
        <translation>&amp;Save PDF...</translation>
    </message>
    <message numerus="yes">
        <source>of %n</source>
        <translation>
            <numerusform>of %n</numerusform>
            <numerusform>of %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose at least one category.</source>
        <translation>Choose at least one category.</translation>
    </message>
    <message>
        <source>Save the test as PDF</source>
        <translation>Save the test as PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>The chosen categories hold no questions.</source>
        <translation>The chosen categories hold no questions.</translation>
    </message>
    <message>
        <source>Writing the test...</source>
        <translation>Writing the test...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) written to %1.</source>
        <translation>
            <numerusform>%n page written to %1.</numerusform>
            <numerusform>%n pages written to %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>No answers yet. Start a quiz from the main menu: every answer you give is remembered here.</source>
        <translation>No answers yet. Start a quiz from the main menu: every answer you give is remembered here.</translation>
    </message>
    <message>
        <source>Your answers</source>
        <translation>Your answers</translation>
    </message>
    <message>
        <source>Right, last 7 days:</source>
        <translation>Right, last 7 days:</translation>
    </message>
    <message>
        <source>Right, last 30 days:</source>
        <translation>Right, last 30 days:</translation>
    </message>
    <message>
        <source>Quizzes:</source>
        <translation>Quizzes:</translation>
    </message>
    <message>
        <source>Answers:</source>
        <translation>Answers:</translation>
    </message>
    <message>
        <source>Answers per day, last 26 weeks</source>
        <translation>Answers per day, last 26 weeks</translation>
    </message>
    <message>
        <source>Right answers in the last 50 quizzes</source>
        <translation>Right answers in the last 50 quizzes</translation>
    </message>
    <message>
        <source>Questions per category</source>
        <translation>Questions per category</translation>
    </message>
    <message>
        <source>Your weakest questions</source>
        <translation>Your weakest questions</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Last answer</source>
        <translation>Last answer</translation>
    </message>
    <message>
        <source>Back to &amp;menu</source>
        <translation>Back to &amp;menu</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Known</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>Never answered</source>
        <translation>Never answered</translation>
    </message>
</context>
<context>
    <name>QuestionBank</name>
    <message>
        <source>(no explanation given)</source>
        <translation>(no explanation given)</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>is larger than %1 MB</source>
        <translation>is larger than %1 MB</translation>
    </message>
    <message>
        <source>is not valid UTF-8 text</source>
        <translation>is not valid UTF-8 text</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s), not four</source>
        <translation>
            <numerusform>%n answer, not four</numerusform>
            <numerusform>%n answers, not four</numerusform>
        </translation>
    </message>
    <message>
        <source>no true answer</source>
        <translation>no true answer</translation>
    </message>
    <message>
        <source>the question text is empty</source>
        <translation>the question text is empty</translation>
    </message>
    <message>
        <source>an answer or its explanation is empty in one language</source>
        <translation>an answer or its explanation is empty in one language</translation>
    </message>
    <message>
        <source>image left out: %1</source>
        <translation>image left out: %1</translation>
    </message>
</context>
<context>
    <name>QuestionFileReader</name>
    <message>
        <source>no file chosen</source>
        <translation>no file chosen</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>is not valid UTF-8 text</source>
        <translation>is not valid UTF-8 text</translation>
    </message>
    <message>
        <source>a line must have 3 or 6 fields</source>
        <translation>a line must have 3 or 6 fields</translation>
    </message>
    <message>
        <source>incomplete last question: a question takes 6 lines</source>
        <translation>incomplete last question: a question takes 6 lines</translation>
    </message>
    <message>
        <source>holds no question</source>
        <translation>holds no question</translation>
    </message>
    <message>
        <source>question has no true answer</source>
        <translation>question has no true answer</translation>
    </message>
</context>
<context>
    <name>QuestionImport</name>
    <message numerus="yes">
        <source>%n question(s) imported into %1.</source>
        <translation>
            <numerusform>%n question imported into %1.</numerusform>
            <numerusform>%n questions imported into %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n category(ies)</source>
        <translation>
            <numerusform>%n category</numerusform>
            <numerusform>%n categories</numerusform>
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
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Current category:</source>
        <translation>Current category:</translation>
    </message>
    <message>
        <source>Explanation </source>
        <translation>Explanation </translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Question:</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys: 1-9 mark an answer, Enter goes on, Esc cancels</source>
        <translation>Keys: 1-9 mark an answer, Enter goes on, Esc cancels</translation>
    </message>
</context>
<context>
    <name>QuizEvaluation</name>
    <message>
        <source>Average time per question:</source>
        <translation>Average time per question:</translation>
    </message>
    <message>
        <source>Back to menu</source>
        <translation>Back to menu</translation>
    </message>
    <message>
        <source>Categories:</source>
        <translation>Categories:</translation>
    </message>
    <message>
        <source>Correct ( in % ):</source>
        <translation>Correct ( in % ):</translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Correct:</translation>
    </message>
    <message>
        <source>Number of questions:</source>
        <translation>Number of questions:</translation>
    </message>
    <message>
        <source>Quiz evaluation:</source>
        <translation>Quiz evaluation:</translation>
    </message>
    <message>
        <source>Quiz settings:</source>
        <translation>Quiz settings:</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>Time per question:</source>
        <translation>Time per question:</translation>
    </message>
    <message>
        <source>Total time:</source>
        <translation>Total time:</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Unlimited</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review answers</source>
        <translation>Review answers</translation>
    </message>
    <message>
        <source>Back to evaluation</source>
        <translation>Back to evaluation</translation>
    </message>
    <message>
        <source>Your answers could not be saved to your history.</source>
        <translation>Your answers could not be saved to your history.</translation>
    </message>
</context>
<context>
    <name>QuizReview</name>
    <message>
        <source>Answered correctly.</source>
        <translation>Answered correctly.</translation>
    </message>
    <message>
        <source>Answered wrongly.</source>
        <translation>Answered wrongly.</translation>
    </message>
    <message>
        <source>The time ran out.</source>
        <translation>The time ran out.</translation>
    </message>
    <message>
        <source>Your choice</source>
        <translation>Your choice</translation>
    </message>
    <message>
        <source>True</source>
        <translation>True</translation>
    </message>
</context>
<context>
    <name>QuizSettings</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Back to &amp;menu</source>
        <translation>Back to &amp;menu</translation>
    </message>
    <message>
        <source>Categories:</source>
        <translation>Categories:</translation>
    </message>
    <message>
        <source>Number of questions:</source>
        <translation>Number of questions:</translation>
    </message>
    <message>
        <source>Time enable</source>
        <translation>Time enable</translation>
    </message>
    <message>
        <source>Time per question:</source>
        <translation>Time per question:</translation>
    </message>
    <message>
        <source>The settings could not be stored.</source>
        <translation>The settings could not be stored.</translation>
    </message>
    <message>
        <source>Practice:</source>
        <translation>Practice:</translation>
    </message>
    <message>
        <source>All at random</source>
        <translation>All at random</translation>
    </message>
    <message>
        <source>Due and weakest first</source>
        <translation>Due and weakest first</translation>
    </message>
    <message>
        <source>Mistakes of the last quiz</source>
        <translation>Mistakes of the last quiz</translation>
    </message>
    <message>
        <source>The last quiz had no mistakes.</source>
        <translation>The last quiz had no mistakes.</translation>
    </message>
    <message>
        <source>Due now: %1 · Never answered: %2</source>
        <translation>Due now: %1 · Never answered: %2</translation>
    </message>
    <message>
        <source>The catalogue is empty.</source>
        <translation>The catalogue is empty.</translation>
    </message>
    <message>
        <source>Import the sample catalogue</source>
        <translation>Import the sample catalogue</translation>
    </message>
    <message>
        <source>The catalogue is empty. Questions are added in the management area: &quot;%1&quot; in the main menu, then &quot;%2&quot; or &quot;%3&quot;.</source>
        <translation>The catalogue is empty. Questions are added in the management area: &quot;%1&quot; in the main menu, then &quot;%2&quot; or &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>The sample catalogue could not be imported.</source>
        <translation>The sample catalogue could not be imported.</translation>
    </message>
</context>
<context>
    <name>RadioButtonSelection</name>
    <message>
        <source>There is nothing to show!</source>
        <translation>There is nothing to show!</translation>
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
        <translation>Seed %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Class:</source>
        <translation>Class:</translation>
    </message>
    <message>
        <source>Mark every true answer. A question counts only when exactly its true answers are marked.</source>
        <translation>Mark every true answer. A question counts only when exactly its true answers are marked.</translation>
    </message>
    <message>
        <source>Answer key: version %1</source>
        <translation>Answer key: version %1</translation>
    </message>
    <message>
        <source>Total points: %1 (one per question when exactly its true answers are marked)</source>
        <translation>Total points: %1 (one per question when exactly its true answers are marked)</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Explanations: version %1</source>
        <translation>Explanations: version %1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 cannot be written: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: the PDF could not be started</source>
        <translation>%1 cannot be written: the PDF could not be started</translation>
    </message>
    <message>
        <source>Cancelled: nothing was written.</source>
        <translation>Cancelled: nothing was written.</translation>
    </message>
</context>
</TS>
