#include "questionbank.h"

#include "banktext.h"

#include <QFile>
#include <QFileInfo>
#include <QTextCodec>

namespace {
constexpr qint64 readSize = 1 << 20;

bool allEmpty(const QStringList &texts)
{
    for (const QString &text : texts) {
        if (!text.trimmed().isEmpty())
            return false;
    }
    return true;
}
} // namespace

QuestionBank::QuestionBank(const QString &fileName) : fileName(fileName) {}

void QuestionBank::refuse(const QString &reason, int line)
{
    refusal = Note{fileName, line, reason};
}

void QuestionBank::leaveOut(int line, const QString &reason)
{
    leftOut << Note{fileName, line, reason};
}

bool QuestionBank::checkFile()
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        refuse(tr("cannot be read"));
        return false;
    }
    if (file.size() > maximumFileSize) {
        refuse(tr("is larger than %1 MB").arg(maximumFileSize / (1024 * 1024)));
        return false;
    }
    QTextDecoder decoder(QTextCodec::codecForName("UTF-8"));
    while (!file.atEnd() && file.error() == QFileDevice::NoError)
        decoder.toUnicode(file.read(readSize));
    if (file.error() != QFileDevice::NoError) {
        refuse(tr("cannot be read"));
        return false;
    }
    if (decoder.hasFailure() || decoder.needsMoreData()) {
        refuse(tr("is not valid UTF-8 text"));
        return false;
    }
    return true;
}

QString QuestionBank::readText()
{
    if (!checkFile())
        return QString();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        refuse(tr("cannot be read"));
        return QString();
    }
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(QChar::ByteOrderMark)))
        text.remove(0, 1);
    return text;
}

QString QuestionBank::defaultCategory() const
{
    const QFileInfo file(fileName);
    const QString name = file.completeBaseName().trimmed();
    return name.isEmpty() ? file.fileName() : name;
}

void QuestionBank::take(const Draft &draft)
{
    const int answerCount = QuestionFileReader::answersPerQuestion;
    if (draft.answers.size() != answerCount) {
        leaveOut(draft.line, tr("%n answer(s), not four", nullptr, draft.answers.size()));
        return;
    }
    bool anyTrue = false;
    for (const DraftAnswer &answer : draft.answers)
        anyTrue = anyTrue || answer.isTrue;
    if (!anyTrue) {
        leaveOut(draft.line, tr("no true answer"));
        return;
    }

    bool several = false;
    bool changed = false;
    QStringList images;
    const auto texts = [&](const Text &text, bool *multi) {
        bool textSeveral = false;
        QStringList result = BankText::languages(text.text, text.html, &textSeveral, &images);
        if (multi)
            *multi = *multi || textSeveral;
        return result;
    };
    const auto fitted = [&](QStringList texts) {
        for (QString &text : texts)
            text = BankText::fit(text, &changed);
        return texts;
    };

    QuestionFileReader::Question question;
    QStringList category = draft.category;
    if (allEmpty(category))
        category = QStringList{defaultCategory(), defaultCategory(), defaultCategory()};
    question.category = fitted(category);
    question.question = fitted(texts(draft.question, &several));
    bool usedPlaceholder = false;
    QStringList general; // the question's general feedback, read when first needed
    bool generalRead = false;
    for (const DraftAnswer &answer : draft.answers) {
        question.answers << fitted(texts(answer.text, &several));
        question.answerTrue << answer.isTrue;
        if (!answer.isTrue) {
            question.explanations << QStringList{QString(), QString(), QString()};
            continue;
        }
        QStringList explanation = texts(answer.feedback, nullptr);
        if (allEmpty(explanation)) {
            if (!generalRead) {
                general = texts(draft.generalFeedback, nullptr);
                generalRead = true;
            }
            explanation = general;
        }
        if (allEmpty(explanation)) {
            const QString none = tr("(no explanation given)");
            explanation = QStringList{none, none, none};
            usedPlaceholder = true;
        }
        question.explanations << fitted(explanation);
    }

    const auto anyEmpty = [](const QStringList &texts) {
        for (const QString &text : texts) {
            if (text.isEmpty())
                return true;
        }
        return false;
    };
    if (anyEmpty(question.question)) {
        leaveOut(draft.line, tr("the question text is empty"));
        return;
    }
    for (int n = 0; n < answerCount; ++n) {
        if (anyEmpty(question.answers.at(n)) ||
            (question.answerTrue.at(n) && anyEmpty(question.explanations.at(n)))) {
            leaveOut(draft.line, tr("an answer or its explanation is empty in one language"));
            return;
        }
    }
    if (anyEmpty(question.category))
        question.category = fitted({defaultCategory(), defaultCategory(), defaultCategory()});

    for (const QString &image : qAsConst(images))
        warnings << Note{fileName, draft.line, tr("image left out: %1").arg(image)};
    imagesLeftOut += images.size();
    oneLanguage += several ? 0 : 1;
    replaced += changed ? 1 : 0;
    placeholder += usedPlaceholder ? 1 : 0;
    questions << question;
}
