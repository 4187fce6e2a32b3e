#include "addquestionsperfile.h"
#include "controller.h"
#include "testworkspace.h"

#include <QFile>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// Work on many questions at once: the import screen's preview of large files, the
// progress and cancelling of a long import, and the delete screen on large catalogues.
class TestBulkWork : public QObject
{
    Q_OBJECT

private slots:
    void previewShowsFileTextAsWritten_data();
    void previewShowsFileTextAsWritten();
    void cancelledImportStoresNothing();
};

namespace {
// count questions; line 1 of the first one is firstLine when given.
QByteArray questions(int count, const QByteArray &firstLine = QByteArray())
{
    QByteArray text;
    for (int q = 1; q <= count; ++q) {
        const QByteArray n = QByteArray::number(q);
        text += (q == 1 && !firstLine.isEmpty() ? firstLine : "C DE;C EN;C EE") + "\r\n" + "Q" + n +
                " DE;Q" + n + " EN;Q" + n + " EE\r\n" +
                "a DE;a EN;a EE;e DE;e EN;e EE\r\nb DE;b EN;b EE\r\n" +
                "c DE;c EN;c EE\r\nd DE;d EN;d EE\r\n";
    }
    return text;
}

QString writeFile(const QByteArray &contents)
{
    const QString name = QStringLiteral("questions.csv");
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        qFatal("cannot write %s", qPrintable(name));
    return name;
}

template <typename T> T *child(QWidget *screen, const char *name)
{
    T *widget = screen ? screen->findChild<T *>(QLatin1String(name)) : nullptr;
    if (!widget)
        qFatal("no %s on the screen", name);
    return widget;
}

// Opens the import screen and hands the file to its open dialog.
AddQuestionsPerFile *openFile(Controller &controller, const QByteArray &contents)
{
    controller.showAddQuestionsPerFile();
    controller.fileDialogs()->setNextOpenFileNames({writeFile(contents)});
    auto *screen = qobject_cast<AddQuestionsPerFile *>(currentScreen(&controller));
    child<QPushButton>(screen, "pbOpenFile")->click();
    return screen;
}
} // namespace

void TestBulkWork::previewShowsFileTextAsWritten_data()
{
    QTest::addColumn<QByteArray>("firstLine");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected"); // the preview; "<n lines>" stands for the file's first n
    QTest::newRow("bold") << QByteArray("<b>C</b> DE;C EN;C EE") << 1 << "<6 lines>";
    QTest::newRow("heading") << QByteArray("<h1>C</h1>;C EN;C EE") << 1 << "<6 lines>";
    QTest::newRow("picture") << QByteArray("<img src=\"x.png\">;C EN;C EE") << 1 << "<6 lines>";
    QTest::newRow("entity") << QByteArray("&lt;C&gt; &amp; D;C EN;C EE") << 1 << "<6 lines>";
    QTest::newRow("50 questions whole") << QByteArray() << 50 << "<300 lines>";
    QTest::newRow("the start of 51")
        << QByteArray() << 51 << "<300 lines>... and 6 more lines (1 more question)";
    QTest::newRow("the start of 70")
        << QByteArray() << 70 << "<300 lines>... and 120 more lines (20 more questions)";
    const QByteArray longLine = QByteArray(70000, 'x') + ";C EN;C EE";
    QTest::newRow("one very long line")
        << longLine << 1 << QString(60000, 'x') + "...\r\n... and 5 more lines (1 more question)";
}

void TestBulkWork::previewShowsFileTextAsWritten()
{
    QFETCH(QByteArray, firstLine);
    QFETCH(int, count);
    QFETCH(QString, expected);
    TestWorkspace workspace;
    workspace.provision();
    Controller controller;
    const QByteArray file = questions(count, firstLine);
    AddQuestionsPerFile *screen = openFile(controller, file);

    const int shownLines = expected.section('<', 1).section(' ', 0, 0).toInt();
    if (shownLines > 0) {
        const QList<QByteArray> lines = file.split('\n');
        QByteArray start;
        for (int i = 0; i < shownLines; ++i)
            start += lines.at(i) + '\n';
        expected.replace(QRegExp("<\\d+ lines>"), QString::fromUtf8(start));
    }
    auto *preview = child<QLabel>(screen, "tlFileTexts");
    QCOMPARE(preview->text(), expected);
    // Shown as it stands in the file: markup is not interpreted.
    QCOMPARE(preview->textFormat(), Qt::PlainText);
    QCOMPARE(child<QLabel>(screen, "tlNumberOfQuestions")->text(), QString::number(count));
}

void TestBulkWork::cancelledImportStoresNothing()
{
    TestWorkspace workspace;
    workspace.provision();
    Controller controller;
    AddQuestionsPerFile *screen = openFile(controller, questions(3));
    const QStringList before = workspace.snapshot();
    screen->setProgressDelay(0);
    int doneWhenCancelled = -1;
    // The dialog lets events through while it is shown: cancel it from there.
    QTimer::singleShot(0, screen, [&] {
        auto *dialog = screen->findChild<QProgressDialog *>();
        if (dialog && dialog->isVisible()) {
            doneWhenCancelled = dialog->value();
            dialog->cancel();
        }
    });
    child<QPushButton>(screen, "pbAddValues")->click();
    QCOMPARE(doneWhenCancelled, 2); // the count done when the events came through
    QCOMPARE(workspace.snapshot(), before);
    QCOMPARE(currentScreen(&controller), screen);
    QVERIFY(!child<QLabel>(screen, "tlImportCancelled")->isHidden());
    QVERIFY(child<QPushButton>(screen, "pbAddValues")->isEnabled());
    QVERIFY(!screen->findChild<QProgressDialog *>());
}

QTEST_MAIN(TestBulkWork)
#include "tst_bulkwork.moc"
