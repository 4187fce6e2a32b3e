#ifndef TESTPDFWRITER_H
#define TESTPDFWRITER_H

#include <QCoreApplication>
#include <QDate>
#include <QPageSize>
#include <QString>

#include <functional>

class TestPaper;
class TestPaperTexts;

// Lays a drawn test out as a PDF in the language of its texts: every version from a new
// page with its header and numbered questions, then the answer keys and the explanations,
// each version's again from a new page. The labels are translated into the test's
// language, whatever the interface speaks. Written through QSaveFile: whole or not at all.
class TestPdfWriter
{
    Q_DECLARE_TR_FUNCTIONS(TestPdfWriter)

public:
    struct Options
    {
        bool key = true;
        bool explanations = false;
        QPageSize::PageSizeId paper = QPageSize::A4;
        QDate date;
    };
    // Called with the units laid out so far and their total; returning false cancels.
    using Progress = std::function<bool(int done, int total)>;

    TestPdfWriter(const TestPaper &paper, const TestPaperTexts &texts, const Options &options);

    void setProgress(Progress progress) { onProgress = std::move(progress); }
    // False, with the reason in errorString(), when nothing was written; a file of that
    // name is then left as it was.
    bool write(const QString &fileName);
    QString errorString() const { return error; }
    // The total the progress counts up to.
    int steps() const;
    int pageCount() const { return pages; }

    // "Velmora", the categories: the document's title.
    QString title() const;
    // US Letter where the system's locale is that of the United States, A4 elsewhere.
    static QPageSize::PageSizeId systemPaper();

private:
    class Layout;

    const TestPaper &paper;
    const TestPaperTexts &texts;
    Options options;
    Progress onProgress;
    QString error;
    int pages = 0;
};

#endif // TESTPDFWRITER_H
