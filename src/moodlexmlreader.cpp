#include "moodlexmlreader.h"

#include "banktext.h"

#include <QFile>
#include <QXmlStreamReader>

#include <memory>
#include <vector>

namespace {
// One element of a question, with the text directly inside it.
struct Node
{
    QString name;
    QXmlStreamAttributes attributes;
    QString text;
    std::vector<std::unique_ptr<Node>> children;

    const Node *child(QLatin1String childName) const
    {
        for (const auto &node : children) {
            if (node->name == childName)
                return node.get();
        }
        return nullptr;
    }
    // The text of the <text> element inside the child called childName.
    QString textOf(QLatin1String childName) const
    {
        const Node *node = child(childName);
        const Node *text = node ? node->child(QLatin1String("text")) : nullptr;
        return text ? text->text : QString();
    }
    bool isHtml() const
    {
        const QStringRef format = attributes.value(QLatin1String("format"));
        return format != QLatin1String("plain_text") && format != QLatin1String("markdown");
    }
    QuestionBank::Text textAndFormat(QLatin1String childName) const
    {
        const Node *node = child(childName);
        return {textOf(childName), node ? node->isHtml() : true};
    }
};

// A category path's last segment means nothing when it is a context's root.
bool isRoot(const QString &segment)
{
    return segment.isEmpty() || segment == QLatin1String("top") ||
           (segment.startsWith(QLatin1Char('$')) && segment.endsWith(QLatin1Char('$')));
}

class Reader
{
public:
    explicit Reader(QuestionBank *bank) : bank(bank) {}

    void question(const Node &node, int line)
    {
        const QString type = node.attributes.value(QLatin1String("type")).toString();
        if (type == QLatin1String("category")) {
            category(node);
            return;
        }
        if (type != QLatin1String("multichoice")) {
            bank->leaveOut(line, MoodleXmlReader::tr("question type \"%1\" is not multiple choice")
                                     .arg(type.isEmpty() ? QStringLiteral("?") : type));
            return;
        }
        QuestionBank::Draft draft;
        draft.line = line;
        draft.category = currentCategory;
        draft.question = node.textAndFormat(QLatin1String("questiontext"));
        draft.generalFeedback = node.textAndFormat(QLatin1String("generalfeedback"));
        for (const auto &child : node.children) {
            if (child->name != QLatin1String("answer"))
                continue;
            QuestionBank::DraftAnswer answer;
            const Node *text = child->child(QLatin1String("text"));
            answer.text = {text ? text->text : QString(), child->isHtml()};
            answer.feedback = child->textAndFormat(QLatin1String("feedback"));
            answer.isTrue = child->attributes.value(QLatin1String("fraction")).toDouble() > 0;
            draft.answers << answer;
        }
        bank->take(draft);
    }

private:
    void category(const Node &node)
    {
        bool several = false;
        QStringList images;
        const QuestionBank::Text info = node.textAndFormat(QLatin1String("info"));
        const QStringList names = BankText::languages(info.text, info.html, &several, &images);
        if (several) {
            currentCategory = names;
            return;
        }
        const QString segment = BankText::lastSegment(node.textOf(QLatin1String("category")));
        currentCategory = isRoot(segment) ? QStringList()
                                          : BankText::languages(segment, false, &several, &images);
    }

    QuestionBank *bank;
    QStringList currentCategory;
};
} // namespace

bool MoodleXmlReader::recognise(const QByteArray &start)
{
    QXmlStreamReader xml(start);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement)
            return xml.name() == QLatin1String("quiz");
    }
    return false;
}

QuestionBank MoodleXmlReader::read(const QString &fileName)
{
    QuestionBank bank(fileName);
    if (!bank.checkFile())
        return bank;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        bank.refuse(QuestionBank::tr("cannot be read"));
        return bank;
    }
    Reader reader(&bank);
    QXmlStreamReader xml(&file);
    int depth = 0;
    bool rootSeen = false;
    std::unique_ptr<Node> question;
    std::vector<Node *> open; // the question's elements from the outside in
    int questionLine = 0;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            bank.refuse(tr("holds a document type declaration, which is not read"),
                        int(xml.lineNumber()));
            return bank;
        case QXmlStreamReader::StartElement:
            if (++depth > maximumDepth) {
                bank.refuse(tr("elements nested more than %1 deep").arg(maximumDepth),
                            int(xml.lineNumber()));
                return bank;
            }
            if (depth == 1) {
                if (xml.name() != QLatin1String("quiz")) {
                    bank.refuse(tr("is not a Moodle XML file: its root is not <quiz>"),
                                int(xml.lineNumber()));
                    return bank;
                }
                rootSeen = true;
            } else if (depth == 2 && xml.name() == QLatin1String("question")) {
                question = std::make_unique<Node>();
                question->name = xml.name().toString();
                question->attributes = xml.attributes();
                open = {question.get()};
                questionLine = int(xml.lineNumber());
            } else if (question && xml.name() == QLatin1String("file")) {
                // Embedded files (images, in base64) are not taken.
                xml.skipCurrentElement();
                --depth;
            } else if (question) {
                auto node = std::make_unique<Node>();
                node->name = xml.name().toString();
                node->attributes = xml.attributes();
                Node *added = node.get();
                open.back()->children.push_back(std::move(node));
                open.push_back(added);
            }
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            if (question) {
                open.pop_back();
                if (open.empty()) {
                    reader.question(*question, questionLine);
                    question.reset();
                }
            }
            break;
        case QXmlStreamReader::Characters:
            if (question && !open.empty())
                open.back()->text += xml.text();
            break;
        default:
            break;
        }
    }
    if (xml.hasError()) {
        bank.refuse(tr("is not well-formed XML: %1").arg(xml.errorString()), int(xml.lineNumber()));
        return bank;
    }
    if (!rootSeen)
        bank.refuse(tr("is not a Moodle XML file: its root is not <quiz>"));
    return bank;
}
