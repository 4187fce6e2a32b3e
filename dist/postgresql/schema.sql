-- Velmora's catalogue and every learner's history on a PostgreSQL server.
--
--   psql -d SCHOOL -f schema.sql [-v teacher=ROLE] [-v learner=ROLE]
--
-- Run it as the database's owner or a superuser; that role owns the tables, and neither a
-- teacher nor a learner may be a member of it (an owner passes row-level security by).
-- Running it again on the same database changes nothing that exists. The two group roles
-- default to velmora_teacher and velmora_learner; schools sharing one server each name
-- their own, a database each. A learner is a login role in the learner group; a teacher,
-- one in the teacher group, which is itself a member of the learner group.
--
-- Against the SQLite file, the differences are: texts are unbounded (SQLite never
-- enforced the lengths its columns name); every learner's settings, runs, answers and
-- memory are rows keyed by the login role, read and written through row-level security;
-- the settings tables hold the defaults a new learner starts from.

\set ON_ERROR_STOP on
\if :{?teacher}
\else
\set teacher velmora_teacher
\endif
\if :{?learner}
\else
\set learner velmora_learner
\endif

BEGIN;

-- Roles belong to the whole server: created once, then left as they are.
SELECT format('CREATE ROLE %I NOLOGIN', :'learner')
 WHERE NOT EXISTS (SELECT FROM pg_roles WHERE rolname = :'learner') \gexec
SELECT format('CREATE ROLE %I NOLOGIN', :'teacher')
 WHERE NOT EXISTS (SELECT FROM pg_roles WHERE rolname = :'teacher') \gexec
SELECT format('GRANT %I TO %I', :'learner', :'teacher')
 WHERE NOT pg_has_role(:'teacher', :'learner', 'MEMBER') \gexec

-- The version the program checks before it uses the database.
CREATE TABLE IF NOT EXISTS velmora_schema (
    version integer NOT NULL
);
INSERT INTO velmora_schema (version) SELECT 1 WHERE NOT EXISTS (SELECT FROM velmora_schema);

-- The catalogue, shared by everyone; ids are chosen by the program, the lowest free one.
CREATE TABLE IF NOT EXISTS question (
    question_id integer PRIMARY KEY,
    category_id integer NOT NULL
);
CREATE TABLE IF NOT EXISTS question_answer (
    answer_id integer NOT NULL,
    question_id integer NOT NULL,
    is_True boolean NOT NULL,
    PRIMARY KEY (question_id, answer_id)
);
CREATE TABLE IF NOT EXISTS answer (
    answer_id integer PRIMARY KEY
);
CREATE TABLE IF NOT EXISTS lang (
    lang_id integer PRIMARY KEY,
    country_code text
);
CREATE TABLE IF NOT EXISTS category (
    category_id integer PRIMARY KEY
);
CREATE TABLE IF NOT EXISTS category_lang (
    category_id integer NOT NULL,
    lang_id integer NOT NULL,
    category_text text NOT NULL,
    PRIMARY KEY (category_id, lang_id)
);
CREATE TABLE IF NOT EXISTS question_lang (
    question_id integer NOT NULL,
    lang_id integer NOT NULL,
    question_text text NOT NULL,
    PRIMARY KEY (question_id, lang_id)
);
CREATE TABLE IF NOT EXISTS answer_lang (
    answer_id integer NOT NULL,
    lang_id integer NOT NULL,
    answer_text text NOT NULL,
    explanation_text text,
    PRIMARY KEY (answer_id, lang_id)
);
CREATE INDEX IF NOT EXISTS question_category ON question (category_id);

-- The defaults of the settings, as the template file holds them.
CREATE TABLE IF NOT EXISTS quiz_settings (
    question_number integer NOT NULL,
    time_per_question integer NOT NULL -- 0: no time limit
);
CREATE TABLE IF NOT EXISTS quiz_settings_current_category_id (
    current_category_id integer NOT NULL
);
CREATE TABLE IF NOT EXISTS settings (
    current_country_code text NOT NULL,
    current_lang_id integer NOT NULL
);
INSERT INTO lang (lang_id, country_code) VALUES (1, 'DE'), (2, 'EN'), (3, 'EE')
    ON CONFLICT DO NOTHING;
INSERT INTO quiz_settings (question_number, time_per_question)
    SELECT 1, 25 WHERE NOT EXISTS (SELECT FROM quiz_settings);
INSERT INTO quiz_settings_current_category_id (current_category_id)
    SELECT 1 WHERE NOT EXISTS (SELECT FROM quiz_settings_current_category_id);
INSERT INTO settings (current_country_code, current_lang_id)
    SELECT 'EN', 2 WHERE NOT EXISTS (SELECT FROM settings);

-- Each learner's own settings, copied from the defaults when the learner first connects.
CREATE TABLE IF NOT EXISTS learner_settings (
    learner name PRIMARY KEY DEFAULT current_user,
    current_country_code text NOT NULL,
    current_lang_id integer NOT NULL
);
CREATE TABLE IF NOT EXISTS learner_quiz_settings (
    learner name PRIMARY KEY DEFAULT current_user,
    question_number integer NOT NULL,
    time_per_question integer NOT NULL
);
CREATE TABLE IF NOT EXISTS learner_quiz_category (
    learner name NOT NULL DEFAULT current_user,
    current_category_id integer NOT NULL
);
CREATE INDEX IF NOT EXISTS learner_quiz_category_learner ON learner_quiz_category (learner);
CREATE TABLE IF NOT EXISTS practice_settings (
    learner name PRIMARY KEY DEFAULT current_user,
    quiz_mode integer NOT NULL
);

-- Each learner's runs, answers and memory of every answered question.
CREATE TABLE IF NOT EXISTS quiz_run (
    learner name NOT NULL DEFAULT current_user,
    run_id bigint GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY,
    started_utc bigint NOT NULL
);
CREATE TABLE IF NOT EXISTS answer_history (
    learner name NOT NULL DEFAULT current_user,
    -- The order answers were recorded in, where the file has its rowid.
    answer_no bigint GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY,
    question_id integer NOT NULL,
    answered_utc bigint NOT NULL,
    checked_answer_ids text NOT NULL,
    correct integer NOT NULL,
    timed_out integer NOT NULL,
    duration_ms integer NOT NULL,
    run_id bigint NOT NULL,
    lang_id integer NOT NULL
);
CREATE INDEX IF NOT EXISTS answer_history_question ON answer_history (learner, question_id);
CREATE INDEX IF NOT EXISTS answer_history_run ON answer_history (learner, run_id);
CREATE INDEX IF NOT EXISTS answer_history_time ON answer_history (learner, answered_utc);
CREATE TABLE IF NOT EXISTS question_memory (
    learner name NOT NULL DEFAULT current_user,
    question_id integer NOT NULL,
    fingerprint bigint NOT NULL,
    reviews integer NOT NULL,
    lapses integer NOT NULL,
    stability double precision NOT NULL,
    difficulty double precision NOT NULL,
    last_answer_utc bigint NOT NULL,
    due_utc bigint NOT NULL,
    PRIMARY KEY (learner, question_id)
);

-- A learner sees and changes only the rows of their own role. The policies cannot be
-- switched off by anyone but the tables' owner. A member may SET ROLE to its group, which
-- would make the group's name a row owner shared by all: under another role than the one
-- logged in, no row is anyone's.
SELECT format('ALTER TABLE %I ENABLE ROW LEVEL SECURITY', t.name),
       format('CREATE POLICY own_rows ON %I '
              'USING (learner = current_user AND current_user = session_user) '
              'WITH CHECK (learner = current_user AND current_user = session_user)', t.name)
  FROM unnest(ARRAY['learner_settings', 'learner_quiz_settings', 'learner_quiz_category',
                    'practice_settings', 'quiz_run', 'answer_history',
                    'question_memory']) AS t(name)
 WHERE NOT EXISTS (SELECT FROM pg_policies
                    WHERE schemaname = current_schema() AND tablename = t.name
                      AND policyname = 'own_rows') \gexec

-- Every learner's answers and memory of a question, for the teacher's changes of the
-- catalogue: a deleted question takes them along, an edited one keeps them. The views
-- run with their owner's rights, past the policies above.
CREATE OR REPLACE VIEW every_answer_history AS SELECT * FROM answer_history;
CREATE OR REPLACE VIEW every_question_memory AS SELECT * FROM question_memory;

REVOKE ALL ON velmora_schema, question, question_answer, answer, lang, category,
    category_lang, question_lang, answer_lang, quiz_settings,
    quiz_settings_current_category_id, settings, learner_settings, learner_quiz_settings,
    learner_quiz_category, practice_settings, quiz_run, answer_history, question_memory,
    every_answer_history, every_question_memory FROM PUBLIC;
GRANT SELECT ON velmora_schema, question, question_answer, answer, lang, category,
    category_lang, question_lang, answer_lang, quiz_settings,
    quiz_settings_current_category_id, settings TO :"learner";
GRANT SELECT, INSERT, UPDATE, DELETE ON learner_settings, learner_quiz_settings,
    learner_quiz_category, practice_settings, quiz_run, answer_history, question_memory
    TO :"learner";
GRANT USAGE ON SEQUENCE quiz_run_run_id_seq, answer_history_answer_no_seq TO :"learner";
GRANT INSERT, UPDATE, DELETE ON question, question_answer, answer, category, category_lang,
    question_lang, answer_lang TO :"teacher";
GRANT SELECT, UPDATE, DELETE ON every_answer_history, every_question_memory TO :"teacher";

-- Only the school's groups may connect.
SELECT format('REVOKE CONNECT ON DATABASE %I FROM PUBLIC', current_database()) \gexec
SELECT format('GRANT CONNECT ON DATABASE %I TO %I, %I', current_database(), :'learner',
              :'teacher') \gexec

-- Changes of the catalogue wait for each other on an advisory lock. Were it open to all, a
-- learner could hold it and stop every teacher's change; the functions belong to the
-- superuser, so only a superuser applying the script can close them.
SELECT format('REVOKE EXECUTE ON FUNCTION %s FROM PUBLIC', f),
       format('GRANT EXECUTE ON FUNCTION %s TO %I', f, :'teacher')
  FROM unnest(ARRAY['pg_advisory_lock(bigint)', 'pg_advisory_xact_lock(bigint)',
                    'pg_try_advisory_lock(bigint)', 'pg_try_advisory_xact_lock(bigint)',
                    'pg_advisory_lock_shared(bigint)', 'pg_advisory_xact_lock_shared(bigint)',
                    'pg_try_advisory_lock_shared(bigint)',
                    'pg_try_advisory_xact_lock_shared(bigint)']) AS f
 WHERE (SELECT rolsuper FROM pg_roles WHERE rolname = current_user) \gexec

COMMIT;
