-- Template of the live database "./databaseVelmoraApp".
-- Built into the resource bundle at build time; the program copies it into the
-- working directory on first start. The comments inside CREATE TABLE are kept in the
-- stored schema text on purpose.
PRAGMA page_size = 1024;
PRAGMA user_version = 0;

BEGIN TRANSACTION;

CREATE TABLE question (
    question_id integer PRIMARY KEY AUTOINCREMENT NOT NULL,
    category_id integer NOT NULL
);

CREATE TABLE question_answer (
    answer_id integer NOT NULL,
    question_id integer NOT NULL,
    is_True boolean NOT NULL,
    PRIMARY KEY (question_id, answer_id)
);

CREATE TABLE answer (
    answer_id integer PRIMARY KEY AUTOINCREMENT NOT NULL
);

CREATE TABLE lang (
    lang_id integer PRIMARY KEY AUTOINCREMENT NOT NULL,
    country_code varchar(50)
);

CREATE TABLE category (
    category_id integer PRIMARY KEY AUTOINCREMENT NOT NULL
);

CREATE TABLE category_lang (
    category_id integer NOT NULL,
    lang_id integer NOT NULL,
    category_text varchar(250) NOT NULL,
    PRIMARY KEY (category_id, lang_id)
);

CREATE TABLE quiz_settings (
    question_number integer NOT NULL,
    time_per_question integer NOT NULL -- 0 = keine Zeitbegrenzung
);

CREATE TABLE quiz_settings_current_category_id (
    current_category_id integer NOT NULL
);

CREATE TABLE settings (
    current_country_code varchar(3) NOT NULL,
    current_lang_id integer NOT NULL
);

CREATE TABLE question_lang (
    question_id integer NOT NULL,
    lang_id integer NOT NULL,
    question_text varchar(250) NOT NULL,
    PRIMARY KEY (question_id, lang_id)
);

CREATE TABLE answer_lang (
    answer_id integer NOT NULL,
    lang_id integer NOT NULL,
    answer_text varchar(250) NOT NULL,
    explanation_text varchar(250) --nur bei richtigen Antworten
    ,
    PRIMARY KEY (answer_id, lang_id)
);

INSERT INTO lang (lang_id, country_code) VALUES (1, 'DE'), (2, 'EN'), (3, 'EE');
INSERT INTO quiz_settings (question_number, time_per_question) VALUES (1, 25);
INSERT INTO quiz_settings_current_category_id (current_category_id) VALUES (1);
INSERT INTO settings (current_country_code, current_lang_id) VALUES ('EN', 2);

-- The autoincrement counters of the template; nothing reads them (ids are chosen by the
-- program as the lowest free id), but they belong to the template as it is shipped.
DELETE FROM sqlite_sequence;
INSERT INTO sqlite_sequence (name, seq) VALUES ('category', 27), ('question', 43), ('answer', 172);

COMMIT;
