<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et_EE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Velmora</source>
        <translation>Teave Velmora kohta</translation>
    </message>
    <message>
        <source>A quiz trainer for multiple-choice questions in German, English and Estonian.</source>
        <translation>Viktoriinitreener valikvastustega küsimustele saksa, inglise ja eesti keeles.</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versioon:</translation>
    </message>
    <message>
        <source>Licence:</source>
        <translation>Litsents:</translation>
    </message>
    <message>
        <source>GNU General Public License, version 3 or later (GPL-3.0-or-later)</source>
        <translation>GNU General Public License, versioon 3 või hilisem (GPL-3.0-or-later)</translation>
    </message>
    <message>
        <source>Data:</source>
        <translation>Andmed:</translation>
    </message>
    <message>
        <source>User guide:</source>
        <translation>Kasutusjuhend:</translation>
    </message>
</context>
<context>
    <name>AddAnswerWidget</name>
    <message>
        <source>Answer true</source>
        <translation>Õige vastus</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Vastus:</translation>
    </message>
    <message>
        <source>Explanation:</source>
        <translation>Selgitus:</translation>
    </message>
</context>
<context>
    <name>AddQuestion</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Lisa</translation>
    </message>
    <message>
        <source>Add new category:</source>
        <translation>Lisa uus kategooria:</translation>
    </message>
    <message>
        <source>Answer 1:</source>
        <translation>Vastus 1:</translation>
    </message>
    <message>
        <source>Answer 2:</source>
        <translation>Vastus 2:</translation>
    </message>
    <message>
        <source>Answer 3:</source>
        <translation>Vastus 3:</translation>
    </message>
    <message>
        <source>Answer 4:</source>
        <translation>Vastus 4:</translation>
    </message>
    <message>
        <source>Back to &amp;manage questions</source>
        <translation>Tagasi küsimuste &amp;haldusse</translation>
    </message>
    <message>
        <source>Categories:</source>
        <translation>Kategooriad:</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Küsimus:</translation>
    </message>
    <message>
        <source>The question could not be stored.</source>
        <translation>Küsimust ei õnnestunud salvestada.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvesta</translation>
    </message>
    <message>
        <source>Question saved.</source>
        <translation>Küsimus salvestatud.</translation>
    </message>
    <message>
        <source>Question added.</source>
        <translation>Küsimus lisatud.</translation>
    </message>
</context>
<context>
    <name>AddQuestionsPerFile</name>
    <message>
        <source>&amp;Add values</source>
        <translation>&amp;Lisa väärtused</translation>
    </message>
    <message>
        <source>&amp;Open file</source>
        <translation>&amp;Ava fail</translation>
    </message>
    <message>
        <source>Back to &amp;manage questions</source>
        <translation>Tagasi küsimuste &amp;haldusse</translation>
    </message>
    <message>
        <source>CSV-file is incorrect!</source>
        <translation>CSV-fail on vigane!</translation>
    </message>
    <message>
        <source>Number of questions:</source>
        <translation>Küsimuste arv:</translation>
    </message>
    <message>
        <source>Open CSV-file here!
This is a CSV template:
Delimiter: ; (semicolon)
If explanation is set, the answer is correct.</source>
        <translation>Ava siit CSV-fail!
See on CSV-mall:
Eraldaja: ; (semikoolon)
Kui selgitus on antud, on vastus õige.</translation>
    </message>
    <message>
        <source>Open file...</source>
        <translation>Ava fail...</translation>
    </message>
    <message>
        <source>The questions could not be stored.</source>
        <translation>Küsimusi ei õnnestunud salvestada.</translation>
    </message>
    <message>
        <source>... and %1 (%2)</source>
        <translation>... ja %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n more line(s)</source>
        <translation>
            <numerusform>veel %n rida</numerusform>
            <numerusform>veel %n rida</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more question(s)</source>
        <translation>
            <numerusform>veel %n küsimus</numerusform>
            <numerusform>veel %n küsimust</numerusform>
        </translation>
    </message>
    <message>
        <source>Storing the questions...</source>
        <translation>Küsimusi salvestatakse...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Katkesta</translation>
    </message>
    <message>
        <source>Import cancelled: no question was stored.</source>
        <translation>Import katkestati: ühtegi küsimust ei salvestatud.</translation>
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
        <source>Import them again</source>
        <translation>Impordi need uuesti</translation>
    </message>
    <message>
        <source>Question files</source>
        <translation>Küsimustefailid</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, rida %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n more problem(s)</source>
        <translation>
            <numerusform>veel %n probleem</numerusform>
            <numerusform>veel %n probleemi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of these questions are already in the catalogue with the same texts and are skipped.</source>
        <translation>
            <numerusform>%n neist küsimustest on samade tekstidega juba kataloogis ja jäetakse vahele.</numerusform>
            <numerusform>%n neist küsimustest on samade tekstidega juba kataloogis ja jäetakse vahele.</numerusform>
        </translation>
    </message>
    <message>
        <source>A file has changed since it was read: nothing was stored. Open it again.</source>
        <translation>Fail on pärast lugemist muutunud: midagi ei salvestatud. Ava see uuesti.</translation>
    </message>
    <message>
        <source>%1 has changed since it was read: nothing was stored. Open it again.</source>
        <translation>%1 on pärast lugemist muutunud: midagi ei salvestatud. Ava see uuesti.</translation>
    </message>
</context>
<context>
    <name>AikenReader</name>
    <message>
        <source>no ANSWER: line</source>
        <translation>ANSWER:-rida puudub</translation>
    </message>
    <message>
        <source>an ANSWER: line without a question</source>
        <translation>ANSWER:-rida ilma küsimuseta</translation>
    </message>
    <message>
        <source>line %1 is neither an option nor ANSWER:</source>
        <translation>rida %1 ei ole vastus ega ANSWER:</translation>
    </message>
    <message>
        <source>ANSWER: %1 names no option</source>
        <translation>ANSWER: %1 ei nimeta ühtegi vastust</translation>
    </message>
</context>
<context>
    <name>AnswerExplanationWidget</name>
    <message>
        <source>You answered the question correctly!</source>
        <translation>Vastasid küsimusele õigesti!</translation>
    </message>
    <message>
        <source>You answered the question wrongly!</source>
        <translation>Vastasid küsimusele valesti!</translation>
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
        <translation>Õige vastus, valitud</translation>
    </message>
    <message>
        <source>True answer, not chosen</source>
        <translation>Õige vastus, valimata</translation>
    </message>
    <message>
        <source>False answer, chosen</source>
        <translation>Vale vastus, valitud</translation>
    </message>
    <message>
        <source>False answer, not chosen</source>
        <translation>Vale vastus, valimata</translation>
    </message>
</context>
<context>
    <name>BankReader</name>
    <message>
        <source>holds no question that can be imported</source>
        <translation>ei sisalda ühtegi imporditavat küsimust</translation>
    </message>
    <message numerus="yes">
        <source>%n question(s) left out</source>
        <translation>
            <numerusform>%n küsimus jäeti välja</numerusform>
            <numerusform>%n küsimust jäeti välja</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n question(s) in one language only</source>
        <translation>
            <numerusform>%n küsimus ainult ühes keeles</numerusform>
            <numerusform>%n küsimust ainult ühes keeles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n question(s) with &quot;;&quot; or line breaks replaced</source>
        <translation>
            <numerusform>%n küsimus, milles „;“ või reavahetused asendati</numerusform>
            <numerusform>%n küsimust, milles „;“ või reavahetused asendati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n question(s) explained by &quot;%1&quot;</source>
        <translation>
            <numerusform>%n küsimus selgitusega „%1“</numerusform>
            <numerusform>%n küsimust selgitusega „%1“</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) left out</source>
        <translation>
            <numerusform>%n pilt jäeti välja</numerusform>
            <numerusform>%n pilti jäeti välja</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CancelWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Katkesta</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Jah</translation>
    </message>
</context>
<context>
    <name>CatalogueList</name>
    <message>
        <source>There is nothing to show!</source>
        <translation>Ei ole midagi näidata!</translation>
    </message>
</context>
<context>
    <name>CheckBoxSelection</name>
    <message>
        <source>There is nothing to show!</source>
        <translation>Ei ole midagi näidata!</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help.</source>
        <translation>Näitab seda abiteavet.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version.</source>
        <translation>Näitab programmi versiooni.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Ootamatu argument: %1</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation>Valikud loetleb „%1 --help“.</translation>
    </message>
    <message>
        <source>A quiz trainer for multiple-choice questions in German, English and Estonian.
It keeps its catalogue in the file databaseVelmoraApp in the directory it is
started in, creating it on the first start.</source>
        <translation>Viktoriinitreener valikvastustega küsimustele saksa, inglise ja eesti keeles.
Oma kataloogi hoiab see failis databaseVelmoraApp selles kaustas, kus see
käivitatakse, ning loob faili esimesel käivitamisel.</translation>
    </message>
    <message>
        <source>The catalogue&apos;s database: a PostgreSQL connection URI (postgresql://[user@][host][:port]/dbname[?...]) or a database file. Without it: the environment variable VELMORA_DATABASE, then the key database/url of velmora.conf, then the file databaseVelmoraApp in the working directory.</source>
        <translation>Kataloogi andmebaas: PostgreSQL-i ühenduse URI (postgresql://[user@][host][:port]/dbname[?...]) või andmebaasifail. Selle puudumisel: keskkonnamuutuja VELMORA_DATABASE, siis võti database/url failis velmora.conf, siis fail databaseVelmoraApp töökataloogis.</translation>
    </message>
</context>
<context>
    <name>Confirmations</name>
    <message>
        <source>Cancel</source>
        <translation>Katkesta</translation>
    </message>
</context>
<context>
    <name>ConnectionWindow</name>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Proovi uuesti</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Välju</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Andmebaas</translation>
    </message>
    <message>
        <source>Velmora cannot use the database %1.

%2</source>
        <translation>Velmora ei saa andmebaasi %1 kasutada.

%2</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Add questions</source>
        <translation>Lisa küsimusi</translation>
    </message>
    <message>
        <source>Add questions per CSV-file</source>
        <translation>Lisa küsimusi CSV-failist</translation>
    </message>
    <message>
        <source>Delete questions</source>
        <translation>Kustuta küsimused</translation>
    </message>
    <message>
        <source>Do you want to cancel the quiz?</source>
        <translation>Kas soovid viktoriini katkestada?</translation>
    </message>
    <message>
        <source>Manage questions</source>
        <translation>Halda küsimusi</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menüü</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Viktoriin</translation>
    </message>
    <message>
        <source>Quiz Evaluation</source>
        <translation>Viktoriini hindamine</translation>
    </message>
    <message>
        <source>Quiz settings</source>
        <translation>Viktoriini seaded</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Edenemine</translation>
    </message>
    <message>
        <source>Print a test</source>
        <translation>Prindi test</translation>
    </message>
    <message>
        <source>Edit questions</source>
        <translation>Muuda küsimusi</translation>
    </message>
    <message>
        <source>Edit question</source>
        <translation>Muuda küsimust</translation>
    </message>
    <message>
        <source>Only a teacher may change the catalogue on this server.</source>
        <translation>Selles serveris tohib kataloogi muuta ainult õpetaja.</translation>
    </message>
    <message>
        <source>Another change of the catalogue is being stored. Waiting for it: %1 of %2 s.</source>
        <translation>Kataloogi teist muudatust salvestatakse. Ootan selle lõppu: %1 / %2 s.</translation>
    </message>
    <message>
        <source>The database editor works on a database file only; on a server, use psql.</source>
        <translation>Andmebaasiredaktor töötab ainult andmebaasifailiga; serveris kasuta psql-i.</translation>
    </message>
    <message>
        <source>The database %1 cannot be reached; what is shown may be incomplete. The next step tries again.</source>
        <translation>Andmebaasi %1 ei saa kätte; näidatu võib olla puudulik. Järgmine samm proovib uuesti.</translation>
    </message>
</context>
<context>
    <name>Countdown</name>
    <message>
        <source>Time: </source>
        <translation>Aeg: </translation>
    </message>
</context>
<context>
    <name>DatabaseConnection</name>
    <message>
        <source>The database address %1 cannot be read: %2</source>
        <translation>Andmebaasi aadressi %1 ei saa lugeda: %2</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 puudub</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 ei ole loetav</translation>
    </message>
    <message>
        <source>%1 is not a database</source>
        <translation>%1 ei ole andmebaas</translation>
    </message>
    <message>
        <source>%1 is not a Velmora database</source>
        <translation>%1 ei ole Velmora andmebaas</translation>
    </message>
    <message>
        <source>The database %1 holds no Velmora catalogue. Apply the schema to it with psql: psql -d DATABASE -f %2</source>
        <translation>Andmebaasis %1 ei ole Velmora kataloogi. Rakenda sellele skeem psql-iga: psql -d ANDMEBAAS -f %2</translation>
    </message>
    <message>
        <source>The database %1 refused to be read: %2</source>
        <translation>Andmebaas %1 ei lubanud end lugeda: %2</translation>
    </message>
    <message>
        <source>The database %1 has version %2 of the Velmora schema; this program needs version %3. Apply the schema of this program (%4), or use the program that matches the database.</source>
        <translation>Andmebaasil %1 on Velmora skeemi versioon %2; see programm vajab versiooni %3. Rakenda selle programmi skeem (%4) või kasuta andmebaasile vastavat programmi.</translation>
    </message>
    <message>
        <source>The database %1 refused this role its settings: %2</source>
        <translation>Andmebaas %1 ei andnud sellele rollile tema seadeid: %2</translation>
    </message>
    <message>
        <source>The database %1 cannot be reached: Qt&apos;s PostgreSQL driver (libqt5sql5-psql) is not installed.</source>
        <translation>Andmebaasi %1 ei saa kätte: Qt PostgreSQL-i draiver (libqt5sql5-psql) pole paigaldatud.</translation>
    </message>
    <message>
        <source>The database %1 cannot be reached: %2</source>
        <translation>Andmebaasi %1 ei saa kätte: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseLocation</name>
    <message>
        <source>(the default database)</source>
        <translation>(vaikimisi andmebaas)</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <comment>database on server</comment>
        <translation>%1 serveris %2</translation>
    </message>
</context>
<context>
    <name>DeleteQuestion</name>
    <message>
        <source>Back to manage questions</source>
        <translation>Tagasi küsimuste haldusse</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Kustuta</translation>
    </message>
    <message>
        <source>Selected questions:</source>
        <translation>Valitud küsimused:</translation>
    </message>
    <message>
        <source>The questions could not be deleted.</source>
        <translation>Küsimusi ei õnnestunud kustutada.</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Otsi:</translation>
    </message>
    <message>
        <source>Words from the question</source>
        <translation>Sõnad küsimusest</translation>
    </message>
    <message>
        <source>Deleting the questions...</source>
        <translation>Küsimusi kustutatakse...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Delete %n question(s)?</source>
        <translation>
            <numerusform>Kas kustutada %n küsimus?</numerusform>
            <numerusform>Kas kustutada %n küsimust?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them are hidden by the search.</source>
        <translation>
            <numerusform>Neist %n on otsinguga peidetud.</numerusform>
            <numerusform>Neist %n on otsinguga peidetud.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete questions</source>
        <translation>Kustuta küsimused</translation>
    </message>
    <message>
        <source>Deleting cancelled: no question was deleted.</source>
        <translation>Kustutamine katkestati: ühtegi küsimust ei kustutatud.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Katkesta</translation>
    </message>
</context>
<context>
    <name>EditQuestions</name>
    <message>
        <source>Choose the question to edit:</source>
        <translation>Vali küsimus, mida muuta:</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Otsi:</translation>
    </message>
    <message>
        <source>Words from the question</source>
        <translation>Sõnad küsimusest</translation>
    </message>
    <message>
        <source>Back to manage questions</source>
        <translation>Tagasi küsimuste haldusse</translation>
    </message>
</context>
<context>
    <name>GiftReader</name>
    <message>
        <source>a description, not a question: no answers in {}</source>
        <translation>kirjeldus, mitte küsimus: {} sees pole vastuseid</translation>
    </message>
    <message>
        <source>&quot;{&quot; is not closed</source>
        <translation>„{“ on sulgemata</translation>
    </message>
    <message>
        <source>a short-answer question, not multiple choice</source>
        <translation>lühivastusega küsimus, mitte valikvastustega</translation>
    </message>
    <message>
        <source>an essay question, not multiple choice</source>
        <translation>esseeküsimus, mitte valikvastustega</translation>
    </message>
    <message>
        <source>a numeric question, not multiple choice</source>
        <translation>arvuline küsimus, mitte valikvastustega</translation>
    </message>
    <message>
        <source>a true/false question, not multiple choice</source>
        <translation>õige/vale-küsimus, mitte valikvastustega</translation>
    </message>
    <message>
        <source>a matching question, not multiple choice</source>
        <translation>vastavusküsimus, mitte valikvastustega</translation>
    </message>
</context>
<context>
    <name>HeatmapChart</name>
    <message>
        <source>Less</source>
        <translation>Vähem</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Rohkem</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s)</source>
        <translation>
            <numerusform>%n vastus</numerusform>
            <numerusform>%n vastust</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ManageQuestionsMenu</name>
    <message>
        <source>Add questions</source>
        <translation>Lisa küsimusi</translation>
    </message>
    <message>
        <source>Back to &amp;menu</source>
        <translation>Tagasi &amp;menüüsse</translation>
    </message>
    <message>
        <source>Database editor</source>
        <translation>Andmebaasiredaktor</translation>
    </message>
    <message>
        <source>Database editor ( recommended ):</source>
        <translation>Andmebaasiredaktor (soovitatav):</translation>
    </message>
    <message>
        <source>Delete questions</source>
        <translation>Kustuta küsimused</translation>
    </message>
    <message>
        <source>Export all questions as CSV-file</source>
        <translation>Ekspordi kõik küsimused CSV-failina</translation>
    </message>
    <message>
        <source>Export questions...</source>
        <translation>Ekspordi küsimusi...</translation>
    </message>
    <message>
        <source>Import questions via CSV-File</source>
        <translation>Impordi küsimused CSV-failist</translation>
    </message>
    <message>
        <source>The questions could not be exported.</source>
        <translation>Küsimusi ei õnnestunud eksportida.</translation>
    </message>
    <message>
        <source>Nothing was exported: the question &quot;%1&quot; cannot be written to a CSV file. Each of its texts must be filled in and hold no &quot;;&quot; and no line break, and it needs four answers.</source>
        <translation>Midagi ei eksporditud: küsimust „%1“ ei saa CSV-faili kirjutada. Kõik selle tekstid peavad olema täidetud ega tohi sisaldada „;“ ega reavahetust ning sellel peab olema neli vastust.</translation>
    </message>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset learning history</source>
        <translation>Lähtesta õppeajalugu</translation>
    </message>
    <message>
        <source>Reset the learning history? Every recorded answer and the memory of every question will be deleted.</source>
        <translation>Kas lähtestada õppeajalugu? Kõik salvestatud vastused ja iga küsimuse meeldejätmise andmed kustutatakse.</translation>
    </message>
    <message>
        <source>The learning history was reset.</source>
        <translation>Õppeajalugu lähtestati.</translation>
    </message>
    <message>
        <source>The learning history could not be reset.</source>
        <translation>Õppeajalugu ei õnnestunud lähtestada.</translation>
    </message>
    <message>
        <source>Edit questions</source>
        <translation>Muuda küsimusi</translation>
    </message>
    <message>
        <source>Print a test (PDF)...</source>
        <translation>Prindi test (PDF)...</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Lähtesta</translation>
    </message>
    <message numerus="yes">
        <source>%n question(s) exported to %1.</source>
        <translation>
            <numerusform>%n küsimus eksporditi faili %1.</numerusform>
            <numerusform>%n küsimust eksporditi faili %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out, having no true answer: %1</source>
        <translation>Välja jäeti, kuna õige vastus puudub: %1</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Välju</translation>
    </message>
    <message>
        <source>&amp;Start quiz</source>
        <translation>&amp;Alusta viktoriini</translation>
    </message>
    <message>
        <source>Manage questions</source>
        <translation>Halda küsimusi</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Edenemine</translation>
    </message>
    <message>
        <source>&amp;About Velmora</source>
        <translation>&amp;Teave Velmora kohta</translation>
    </message>
    <message>
        <source>The language shown now</source>
        <translation>Praegu kuvatav keel</translation>
    </message>
    <message>
        <source>Shows the program in this language</source>
        <translation>Näitab programmi selles keeles</translation>
    </message>
</context>
<context>
    <name>MoodleXmlReader</name>
    <message>
        <source>question type &quot;%1&quot; is not multiple choice</source>
        <translation>küsimuse tüüp „%1“ ei ole valikvastustega</translation>
    </message>
    <message>
        <source>holds a document type declaration, which is not read</source>
        <translation>sisaldab dokumenditüübi deklaratsiooni, mida ei loeta</translation>
    </message>
    <message>
        <source>elements nested more than %1 deep</source>
        <translation>elemendid on pesastatud sügavamale kui %1 taset</translation>
    </message>
    <message>
        <source>is not a Moodle XML file: its root is not &lt;quiz&gt;</source>
        <translation>ei ole Moodle XML-fail: selle juurelement ei ole &lt;quiz&gt;</translation>
    </message>
    <message>
        <source>is not well-formed XML: %1</source>
        <translation>ei ole korrektne XML: %1</translation>
    </message>
</context>
<context>
    <name>MultiLanguageEdit</name>
    <message>
        <source>English:</source>
        <translation>Inglise keeles:</translation>
    </message>
    <message>
        <source>Estonian:</source>
        <translation>Eesti keeles:</translation>
    </message>
    <message>
        <source>German:</source>
        <translation>Saksa keeles:</translation>
    </message>
</context>
<context>
    <name>PasswordCheck</name>
    <message>
        <source>Enter password</source>
        <translation>Sisesta parool</translation>
    </message>
    <message>
        <source>Please enter the right password!</source>
        <translation>Sisesta õige parool!</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parool</translation>
    </message>
</context>
<context>
    <name>PrintTest</name>
    <message>
        <source>Categories:</source>
        <translation>Kategooriad:</translation>
    </message>
    <message>
        <source>&amp;Questions:</source>
        <translation>&amp;Küsimusi:</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>Kee&amp;l:</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Saksa keel</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglise keel</translation>
    </message>
    <message>
        <source>Estonian</source>
        <translation>Eesti keel</translation>
    </message>
    <message>
        <source>&amp;Versions:</source>
        <translation>&amp;Variante:</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>See&amp;me:</translation>
    </message>
    <message>
        <source>&amp;New seed</source>
        <translation>&amp;Uus seeme</translation>
    </message>
    <message>
        <source>Include:</source>
        <translation>Lisaks:</translation>
    </message>
    <message>
        <source>Answer &amp;keys</source>
        <translation>Vastuste võ&amp;tmed</translation>
    </message>
    <message>
        <source>E&amp;xplanations</source>
        <translation>&amp;Selgitused</translation>
    </message>
    <message>
        <source>Back to &amp;manage questions</source>
        <translation>Tagasi küsimuste &amp;haldusse</translation>
    </message>
    <message>
        <source>&amp;Save PDF...</source>
        <translation>Salvesta &amp;PDF...</translation>
    </message>
    <message numerus="yes">
        <source>of %n</source>
        <translation>
            <numerusform>%n-st</numerusform>
            <numerusform>%n-st</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose at least one category.</source>
        <translation>Vali vähemalt üks kategooria.</translation>
    </message>
    <message>
        <source>Save the test as PDF</source>
        <translation>Salvesta test PDF-ina</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-failid (*.pdf)</translation>
    </message>
    <message>
        <source>The chosen categories hold no questions.</source>
        <translation>Valitud kategooriates pole küsimusi.</translation>
    </message>
    <message>
        <source>Writing the test...</source>
        <translation>Testi kirjutatakse...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Katkesta</translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) written to %1.</source>
        <translation>
            <numerusform>%n lehekülg kirjutati faili %1.</numerusform>
            <numerusform>%n lehekülge kirjutati faili %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>No answers yet. Start a quiz from the main menu: every answer you give is remembered here.</source>
        <translation>Vastuseid veel pole. Alusta viktoriini peamenüüst: iga sinu vastus jäetakse siia meelde.</translation>
    </message>
    <message>
        <source>Your answers</source>
        <translation>Sinu vastused</translation>
    </message>
    <message>
        <source>Right, last 7 days:</source>
        <translation>Õiged, viimased 7 päeva:</translation>
    </message>
    <message>
        <source>Right, last 30 days:</source>
        <translation>Õiged, viimased 30 päeva:</translation>
    </message>
    <message>
        <source>Quizzes:</source>
        <translation>Viktoriine:</translation>
    </message>
    <message>
        <source>Answers:</source>
        <translation>Vastuseid:</translation>
    </message>
    <message>
        <source>Answers per day, last 26 weeks</source>
        <translation>Vastuseid päevas, viimased 26 nädalat</translation>
    </message>
    <message>
        <source>Right answers in the last 50 quizzes</source>
        <translation>Õiged vastused viimases 50 viktoriinis</translation>
    </message>
    <message>
        <source>Questions per category</source>
        <translation>Küsimused kategooriate kaupa</translation>
    </message>
    <message>
        <source>Your weakest questions</source>
        <translation>Sinu nõrgimad küsimused</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Küsimus</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategooria</translation>
    </message>
    <message>
        <source>Last answer</source>
        <translation>Viimane vastus</translation>
    </message>
    <message>
        <source>Back to &amp;menu</source>
        <translation>Tagasi &amp;menüüsse</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Teada</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Kordamisel</translation>
    </message>
    <message>
        <source>Never answered</source>
        <translation>Vastamata</translation>
    </message>
</context>
<context>
    <name>QuestionBank</name>
    <message>
        <source>(no explanation given)</source>
        <translation>(selgitust pole antud)</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>ei ole loetav</translation>
    </message>
    <message>
        <source>is larger than %1 MB</source>
        <translation>on suurem kui %1 MB</translation>
    </message>
    <message>
        <source>is not valid UTF-8 text</source>
        <translation>ei ole kehtiv UTF-8-tekst</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s), not four</source>
        <translation>
            <numerusform>%n vastus, mitte neli</numerusform>
            <numerusform>%n vastust, mitte neli</numerusform>
        </translation>
    </message>
    <message>
        <source>no true answer</source>
        <translation>õige vastus puudub</translation>
    </message>
    <message>
        <source>the question text is empty</source>
        <translation>küsimuse tekst on tühi</translation>
    </message>
    <message>
        <source>an answer or its explanation is empty in one language</source>
        <translation>vastus või selle selgitus on ühes keeles tühi</translation>
    </message>
    <message>
        <source>image left out: %1</source>
        <translation>pilt jäeti välja: %1</translation>
    </message>
</context>
<context>
    <name>QuestionFileReader</name>
    <message>
        <source>no file chosen</source>
        <translation>faili pole valitud</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>ei ole loetav</translation>
    </message>
    <message>
        <source>is not valid UTF-8 text</source>
        <translation>ei ole kehtiv UTF-8-tekst</translation>
    </message>
    <message>
        <source>a line must have 3 or 6 fields</source>
        <translation>rea väljade arv peab olema 3 või 6</translation>
    </message>
    <message>
        <source>incomplete last question: a question takes 6 lines</source>
        <translation>viimane küsimus on poolik: küsimus võtab 6 rida</translation>
    </message>
    <message>
        <source>holds no question</source>
        <translation>ei sisalda ühtegi küsimust</translation>
    </message>
    <message>
        <source>question has no true answer</source>
        <translation>küsimusel pole õiget vastust</translation>
    </message>
</context>
<context>
    <name>QuestionImport</name>
    <message numerus="yes">
        <source>%n question(s) imported into %1.</source>
        <translation>
            <numerusform>%n küsimus imporditi %1.</numerusform>
            <numerusform>%n küsimust imporditi %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n category(ies)</source>
        <translation>
            <numerusform>%n kategooriasse</numerusform>
            <numerusform>%n kategooriasse</numerusform>
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
        <translation>Katkesta</translation>
    </message>
    <message>
        <source>Current category:</source>
        <translation>Praegune kategooria:</translation>
    </message>
    <message>
        <source>Explanation </source>
        <translation>Selgitus </translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Küsimus:</translation>
    </message>
    <message>
        <source>Keys: 1-9 mark an answer, Enter goes on, Esc cancels</source>
        <translation>Klahvid: 1–9 märgivad vastuse, Enter liigub edasi, Esc katkestab</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuizEvaluation</name>
    <message>
        <source>Average time per question:</source>
        <translation>Keskmine aeg küsimuse kohta:</translation>
    </message>
    <message>
        <source>Back to menu</source>
        <translation>Tagasi menüüsse</translation>
    </message>
    <message>
        <source>Categories:</source>
        <translation>Kategooriad:</translation>
    </message>
    <message>
        <source>Correct ( in % ):</source>
        <translation>Õigeid (%):</translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Õigeid:</translation>
    </message>
    <message>
        <source>Number of questions:</source>
        <translation>Küsimuste arv:</translation>
    </message>
    <message>
        <source>Quiz evaluation:</source>
        <translation>Viktoriini hindamine:</translation>
    </message>
    <message>
        <source>Quiz settings:</source>
        <translation>Viktoriini seaded:</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Alusta uuesti</translation>
    </message>
    <message>
        <source>Time per question:</source>
        <translation>Aeg küsimuse kohta:</translation>
    </message>
    <message>
        <source>Total time:</source>
        <translation>Kogu ajakulu:</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Piiramatu</translation>
    </message>
    <message>
        <source>Review answers</source>
        <translation>Vaata vastuseid üle</translation>
    </message>
    <message>
        <source>Back to evaluation</source>
        <translation>Tagasi hindamise juurde</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answers could not be saved to your history.</source>
        <translation>Sinu vastuseid ei õnnestunud õppeajalukku salvestada.</translation>
    </message>
</context>
<context>
    <name>QuizReview</name>
    <message>
        <source>Answered correctly.</source>
        <translation>Vastatud õigesti.</translation>
    </message>
    <message>
        <source>Answered wrongly.</source>
        <translation>Vastatud valesti.</translation>
    </message>
    <message>
        <source>The time ran out.</source>
        <translation>Aeg sai otsa.</translation>
    </message>
    <message>
        <source>Your choice</source>
        <translation>Sinu valik</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Õige</translation>
    </message>
</context>
<context>
    <name>QuizSettings</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Alusta</translation>
    </message>
    <message>
        <source>Back to &amp;menu</source>
        <translation>Tagasi &amp;menüüsse</translation>
    </message>
    <message>
        <source>Categories:</source>
        <translation>Kategooriad:</translation>
    </message>
    <message>
        <source>Number of questions:</source>
        <translation>Küsimuste arv:</translation>
    </message>
    <message>
        <source>Time enable</source>
        <translation>Ajapiirang</translation>
    </message>
    <message>
        <source>Time per question:</source>
        <translation>Aeg küsimuse kohta:</translation>
    </message>
    <message>
        <source>The settings could not be stored.</source>
        <translation>Seadeid ei õnnestunud salvestada.</translation>
    </message>
    <message>
        <source>Practice:</source>
        <translation>Harjutamine:</translation>
    </message>
    <message>
        <source>All at random</source>
        <translation>Kõik juhuslikult</translation>
    </message>
    <message>
        <source>Due and weakest first</source>
        <translation>Esmalt kordamist vajavad ja nõrgimad</translation>
    </message>
    <message>
        <source>Mistakes of the last quiz</source>
        <translation>Eelmise viktoriini vead</translation>
    </message>
    <message>
        <source>The last quiz had no mistakes.</source>
        <translation>Eelmises viktoriinis vigu ei olnud.</translation>
    </message>
    <message>
        <source>Due now: %1 · Never answered: %2</source>
        <translation>Kordamisel: %1 · Vastamata: %2</translation>
    </message>
    <message>
        <source>The catalogue is empty.</source>
        <translation>Kataloog on tühi.</translation>
    </message>
    <message>
        <source>Import the sample catalogue</source>
        <translation>Impordi näidiskataloog</translation>
    </message>
    <message>
        <source>The catalogue is empty. Questions are added in the management area: &quot;%1&quot; in the main menu, then &quot;%2&quot; or &quot;%3&quot;.</source>
        <translation>Kataloog on tühi. Küsimusi lisatakse haldusalas: peamenüüs „%1“, seejärel „%2“ või „%3“.</translation>
    </message>
    <message>
        <source>The sample catalogue could not be imported.</source>
        <translation>Näidiskataloogi ei õnnestunud importida.</translation>
    </message>
</context>
<context>
    <name>RadioButtonSelection</name>
    <message>
        <source>There is nothing to show!</source>
        <translation>Ei ole midagi näidata!</translation>
    </message>
</context>
<context>
    <name>TestPdfWriter</name>
    <message>
        <source>Version %1</source>
        <translation>Variant %1</translation>
    </message>
    <message>
        <source>Seed %1</source>
        <translation>Seeme %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Lehekülg %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nimi:</translation>
    </message>
    <message>
        <source>Class:</source>
        <translation>Klass:</translation>
    </message>
    <message>
        <source>Mark every true answer. A question counts only when exactly its true answers are marked.</source>
        <translation>Märgi kõik õiged vastused. Küsimus loeb ainult siis, kui märgitud on täpselt selle õiged vastused.</translation>
    </message>
    <message>
        <source>Answer key: version %1</source>
        <translation>Vastuste võti: variant %1</translation>
    </message>
    <message>
        <source>Total points: %1 (one per question when exactly its true answers are marked)</source>
        <translation>Punkte kokku: %1 (üks küsimuse kohta, kui märgitud on täpselt selle õiged vastused)</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Küsimus</translation>
    </message>
    <message>
        <source>Explanations: version %1</source>
        <translation>Selgitused: variant %1</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Faili %1 ei saa kirjutada: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: the PDF could not be started</source>
        <translation>Faili %1 ei saa kirjutada: PDF-i ei õnnestunud alustada</translation>
    </message>
    <message>
        <source>Cancelled: nothing was written.</source>
        <translation>Katkestatud: midagi ei kirjutatud.</translation>
    </message>
</context>
</TS>
