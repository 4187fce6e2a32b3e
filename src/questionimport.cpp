#include "questionimport.h"

#include "cataloguechange.h"
#include "controller.h"
#include "questionfilereader.h"

#include <algorithm>

namespace {
bool knownLanguage(int language)
{
    return language >= 1 && language <= 3;
}

// Each text with its length in front, so that no two different lists give the same key.
void append(QString *key, const QStringList &texts)
{
    for (const QString &text : texts)
        *key += QString::number(text.size()) + QLatin1Char(':') + text;
    *key += QLatin1Char('|');
}

// What makes two questions the same (see the class comment), as one text.
QString questionKey(const QuestionFileReader::Question &question, int language)
{
    QString key;
    append(&key, knownLanguage(language) ? QStringList{question.category.value(language - 1)}
                                         : question.category);
    append(&key, question.question);
    QStringList answers;
    for (int n = 0; n < question.answers.size(); ++n) {
        QString answer;
        const bool isTrue = question.answerTrue.at(n);
        append(&answer, question.answers.at(n));
        append(&answer, isTrue ? question.explanations.at(n) : QStringList{});
        answer += isTrue ? QLatin1Char('T') : QLatin1Char('F');
        answers << answer;
    }
    // Stored answers come back true ones first; the file may list them in any order.
    std::sort(answers.begin(), answers.end());
    append(&key, answers);
    return key;
}
} // namespace

QString QuestionImport::Outcome::summary() const
{
    // Two pieces, so that each number has its own plural forms.
    return QuestionImport::tr("%n question(s) imported into %1.", nullptr, questions)
        .arg(QuestionImport::tr("%n category(ies)", nullptr, categories));
}

QuestionImport::QuestionImport(Controller *controller) : controller(controller) {}

void QuestionImport::readCatalogue()
{
    storedKeys.clear();
    const CatalogueTexts all = controller->getAllTexts();
    language = controller->getCurrentLanguageId();
    storedKeys.reserve(all.questionTexts.size());
    for (auto it = all.questionTexts.constBegin(); it != all.questionTexts.constEnd(); ++it) {
        QuestionFileReader::Question question;
        question.category = all.categoryNames.value(all.categoryOfQuestion.value(it.key()));
        question.question = it.value();
        for (bool isTrue : {true, false}) {
            const QList<int> ids = isTrue ? all.trueAnswerIds.value(it.key())
                                          : all.falseAnswerIds.value(it.key());
            for (int id : ids) {
                question.answers << all.answerTexts.value(id);
                question.explanations << all.explanationTexts.value(id);
                question.answerTrue << isTrue;
            }
        }
        storedKeys.insert(questionKey(question, language));
    }
}

bool QuestionImport::inCatalogue(const QStringList &questionLines) const
{
    return !storedKeys.isEmpty() && storedKeys.contains(questionKey(
                                        QuestionFileReader::question(questionLines, 0), language));
}

QSet<int> QuestionImport::alreadyInCatalogue(const QStringList &lines)
{
    QSet<int> found;
    readCatalogue();
    const int count = lines.size() / QuestionFileReader::linesPerQuestion;
    for (int q = 0; q < count && !storedKeys.isEmpty(); ++q) {
        if (inCatalogue(lines.mid(q * QuestionFileReader::linesPerQuestion,
                                  QuestionFileReader::linesPerQuestion)))
            found.insert(q);
    }
    return found;
}

QHash<QString, int> QuestionImport::categoriesByName()
{
    // The first category (lowest id) of a name wins, as a walk in id order would find it.
    QHash<QString, int> byName;
    const QList<int> categoryIds = controller->getAllCategoryIds();
    for (int id : categoryIds) {
        const QString name = controller->getCategoryNameAt(id);
        if (!byName.contains(name))
            byName.insert(name, id);
    }
    return byName;
}

int QuestionImport::categoryIdFor(const QStringList &names, QHash<QString, int> *categoryByName)
{
    const bool known = knownLanguage(language);
    if (known) {
        const auto found = categoryByName->constFind(names.at(language - 1));
        if (found != categoryByName->constEnd())
            return found.value();
    }
    const int categoryId = controller->addCategory();
    controller->setDECategoryText(categoryId, names.at(0));
    controller->setENCategoryText(categoryId, names.at(1));
    controller->setEECategoryText(categoryId, names.at(2));
    if (known)
        categoryByName->insert(names.at(language - 1), categoryId);
    return categoryId;
}

QuestionImport::Outcome QuestionImport::store(const QStringList &lines, const QSet<int> &skip,
                                              const std::function<bool(int)> &step)
{
    const auto source = [&lines](const Take &take) {
        const int count = lines.size() / QuestionFileReader::linesPerQuestion;
        for (int q = 0; q < count; ++q) {
            if (!take(lines.mid(q * QuestionFileReader::linesPerQuestion,
                                QuestionFileReader::linesPerQuestion)))
                return false;
        }
        return true;
    };
    return store(source, skip, step);
}

QuestionImport::Outcome QuestionImport::store(const std::function<bool(const Take &)> &source,
                                              const QSet<int> &skip,
                                              const std::function<bool(int)> &step)
{
    Outcome outcome;
    // The whole import is one change: every question of the files is stored, or none.
    CatalogueChange change(controller);
    language = controller->getCurrentLanguageId();
    // Categories by name for the length of this import; the ones it creates join them.
    QHash<QString, int> categoryByName = categoriesByName();
    QSet<int> categoriesUsed;
    int index = 0;
    bool cancelled = false;
    const bool read = source([&](const QStringList &questionLines) {
        if (skip.contains(index++))
            return true;
        // Left without commit, the change is rolled back: nothing of the files stays.
        if (step && !step(outcome.questions)) {
            cancelled = true;
            return false;
        }
        // The lines are split only now, one question at a time: kept split, a large
        // file would take several times its size.
        const QuestionFileReader::Question question =
            QuestionFileReader::question(questionLines, 0);
        const int categoryId = categoryIdFor(question.category, &categoryByName);
        categoriesUsed.insert(categoryId);
        const int questionId = controller->addQuestion(categoryId);
        controller->setDEQuestionText(questionId, question.question.at(0));
        controller->setENQuestionText(questionId, question.question.at(1));
        controller->setEEQuestionText(questionId, question.question.at(2));
        for (int n = 0; n < question.answers.size(); ++n) {
            const QStringList &texts = question.answers.at(n);
            const QStringList &explanations = question.explanations.at(n);
            const int answerId = controller->addAnswer();
            controller->setDEAnswerText(answerId, texts.at(0), explanations.at(0));
            controller->setENAnswerText(answerId, texts.at(1), explanations.at(1));
            controller->setEEAnswerText(answerId, texts.at(2), explanations.at(2));
            // A true answer is one with explanations (six fields in its line).
            controller->setQuestionAnswer(answerId, questionId, question.answerTrue.at(n) ? 1 : 0);
        }
        ++outcome.questions;
        return true;
    });
    if (cancelled || !read) {
        outcome = Outcome();
        outcome.result = cancelled ? Result::Cancelled : Result::Changed;
        return outcome;
    }
    outcome.categories = categoriesUsed.size();
    outcome.result = change.commit() ? Result::Stored : Result::Failed;
    if (outcome.result != Result::Stored)
        outcome.questions = outcome.categories = 0;
    return outcome;
}
