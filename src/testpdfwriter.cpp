#include "testpdfwriter.h"

#include "testpaper.h"
#include "testpapertexts.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QTranslator>

namespace {
// Layout in device pixels of this resolution; fonts are given in points.
const int dotsPerInch = 300;
const qreal marginMillimetres = 16;
const int keyRowsPerTable = 25;
const QChar emptyBox(0x2610);
const QChar keyMark(u'X');
const QChar keyBlank(0x00B7);

const char labelContext[] = "TestPdfWriter";
const char *const versionLabel = QT_TRANSLATE_NOOP("TestPdfWriter", "Version %1");
const char *const seedLabel = QT_TRANSLATE_NOOP("TestPdfWriter", "Seed %1");
const char *const pageLabel = QT_TRANSLATE_NOOP("TestPdfWriter", "Page %1");
const char *const nameLabel = QT_TRANSLATE_NOOP("TestPdfWriter", "Name:");
const char *const classLabel = QT_TRANSLATE_NOOP("TestPdfWriter", "Class:");
const char *const instruction = QT_TRANSLATE_NOOP(
    "TestPdfWriter",
    "Mark every true answer. A question counts only when exactly its true answers are marked.");
const char *const keyHeading = QT_TRANSLATE_NOOP("TestPdfWriter", "Answer key: version %1");
const char *const totalLabel = QT_TRANSLATE_NOOP(
    "TestPdfWriter", "Total points: %1 (one per question when exactly its true answers are marked)");
const char *const questionColumn = QT_TRANSLATE_NOOP("TestPdfWriter", "Question");
const char *const explanationsHeading =
    QT_TRANSLATE_NOOP("TestPdfWriter", "Explanations: version %1");
const char *const untitled = QT_TRANSLATE_NOOP("TestPdfWriter", "Test");

QLocale localeOf(const QString &languageCode)
{
    if (languageCode == QLatin1String("de"))
        return QLocale(QLocale::German, QLocale::Germany);
    if (languageCode == QLatin1String("ee"))
        return QLocale(QLocale::Estonian, QLocale::Estonia);
    return QLocale(QLocale::English, QLocale::UnitedKingdom);
}

// The language tag of a catalogue language (the catalogue calls Estonian "EE").
QString languageTag(const QString &languageCode)
{
    return languageCode == QLatin1String("ee") ? QStringLiteral("et") : languageCode;
}

QString translated(const QTranslator &translator, const char *source)
{
    const QString text = translator.translate(labelContext, source);
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}

QString letter(int index)
{
    return QString(QChar(u'A' + index));
}
} // namespace

// Places self-contained pieces (a header, a question with its answers, a part of a key)
// one below the other, each whole on one page: a piece that does not fit where the page
// has room left begins the next page. Every page gets its running header and footer.
class TestPdfWriter::Layout
{
public:
    Layout(QPdfWriter &writer, QPainter &painter, const QTranslator &translator)
        : writer(writer), painter(painter), translator(translator)
    {
        const qreal margin = marginMillimetres / 25.4 * dotsPerInch;
        baseFont = QFont(QStringLiteral("DejaVu Sans"));
        baseFont.setPointSizeF(10);
        smallFont = baseFont;
        smallFont.setPointSizeF(8);
        const qreal runningLine = QFontMetricsF(smallFont, &writer).height();
        page = QRectF(0, 0, writer.width(), writer.height()).adjusted(margin, margin, -margin,
                                                                      -margin);
        body = page.adjusted(0, 2 * runningLine, 0, -2 * runningLine);
    }

    QString label(const char *source) const { return translated(translator, source); }

    // Pieces laid out to the body's width, in the document's fonts.
    void prepare(QTextDocument &document) const
    {
        document.documentLayout()->setPaintDevice(&writer);
        document.setDefaultFont(baseFont);
        document.setDocumentMargin(0);
        document.setTextWidth(body.width());
    }

    // What follows is of this version and begins a new page.
    void beginPart(const QString &version, const QString &seed)
    {
        runningLeft = version;
        runningRight = seed;
        pageOpen = false;
    }

    void place(QTextDocument &document)
    {
        const qreal height = document.size().height();
        const qreal gap = QFontMetricsF(baseFont, &writer).height() * 0.6;
        if (!pageOpen || (y > body.top() && y + height > body.bottom()))
            newPage();
        if (height <= body.height()) {
            draw(document, 0, height);
            y += height + gap;
            return;
        }
        // Taller than a whole page, which no catalogue text should make: continued on the
        // pages after, cut where the page ends.
        for (qreal shown = 0; shown < height; shown += body.height()) {
            if (shown > 0)
                newPage();
            draw(document, shown, qMin(body.height(), height - shown));
        }
        y = body.bottom();
    }

    int pageCount() const { return pages; }

private:
    void newPage()
    {
        if (pages > 0)
            writer.newPage();
        ++pages;
        pageOpen = true;
        y = body.top();
        painter.setFont(smallFont);
        painter.setPen(Qt::black);
        const int flags = Qt::AlignVCenter | Qt::TextSingleLine;
        const QRectF top(page.left(), page.top(), page.width(), body.top() - page.top());
        painter.drawText(top, flags | Qt::AlignLeft, runningLeft);
        painter.drawText(top, flags | Qt::AlignRight, runningRight);
        painter.drawLine(QPointF(page.left(), body.top() - top.height() / 4),
                         QPointF(page.right(), body.top() - top.height() / 4));
        const QRectF bottom(page.left(), body.bottom(), page.width(), page.bottom() - body.bottom());
        painter.drawText(bottom, flags | Qt::AlignHCenter,
                         label(pageLabel).arg(QString::number(pages)));
    }

    void draw(QTextDocument &document, qreal from, qreal height)
    {
        painter.save();
        painter.translate(body.left(), y - from);
        document.drawContents(&painter, QRectF(0, from, body.width(), height));
        painter.restore();
    }

    QPdfWriter &writer;
    QPainter &painter;
    const QTranslator &translator;
    QFont baseFont;
    QFont smallFont;
    QRectF page;
    QRectF body;
    QString runningLeft;
    QString runningRight;
    bool pageOpen = false;
    qreal y = 0;
    int pages = 0;
};

namespace {
QTextCharFormat bold()
{
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    return format;
}

// A table without rules whose first columns are narrow and whose last takes the rest.
QTextTable *listTable(QTextCursor &cursor, int rows, const QVector<qreal> &narrowColumns,
                      qreal width)
{
    QTextTableFormat format;
    format.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    format.setBorder(0);
    format.setCellSpacing(0);
    format.setCellPadding(width / 200);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QVector<QTextLength> columns;
    for (qreal share : narrowColumns)
        columns.append(QTextLength(QTextLength::PercentageLength, share));
    columns.append(QTextLength(QTextLength::VariableLength, 0));
    format.setColumnWidthConstraints(columns);
    return cursor.insertTable(rows, columns.size(), format);
}

void setCell(QTextTable *table, int row, int column, const QString &text,
             const QTextCharFormat &format = QTextCharFormat())
{
    QTextCursor cell = table->cellAt(row, column).firstCursorPosition();
    // Inserted as plain text: "<b>" and "&" print as written.
    cell.insertText(text, format);
}
} // namespace

TestPdfWriter::TestPdfWriter(const TestPaper &paper, const TestPaperTexts &texts,
                             const Options &options)
    : paper(paper), texts(texts), options(options)
{
}

QString TestPdfWriter::title() const
{
    return texts.categoryNames.join(QStringLiteral(", "));
}

QPageSize::PageSizeId TestPdfWriter::systemPaper()
{
    return QLocale::system().country() == QLocale::UnitedStates ? QPageSize::Letter
                                                                 : QPageSize::A4;
}

bool TestPdfWriter::write(const QString &fileName)
{
    error.clear();
    pages = 0;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        error = tr("%1 cannot be written: %2").arg(fileName, file.errorString());
        return false;
    }
    QTranslator translator;
    translator.load(QStringLiteral(":/Languages/text_") + texts.languageCode +
                        QStringLiteral(".qm"),
                    QStringLiteral("."), QString(), QString());

    const QList<TestPaper::Version> &versions = paper.versions();
    const int perVersion = paper.questionIds().size();
    const int total = versions.size() * perVersion *
                      (1 + (options.key ? 1 : 0) + (options.explanations ? 1 : 0));
    int done = 0;
    bool cancelled = false;
    auto advance = [&](int units) {
        done += units;
        if (onProgress && !onProgress(done, total))
            cancelled = true;
        return !cancelled;
    };

    {
        QPdfWriter writer(&file);
        writer.setResolution(dotsPerInch);
        writer.setPageSize(QPageSize(options.paper));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        const QString heading = title().isEmpty() ? translated(translator, untitled) : title();
        writer.setTitle(heading);
        writer.setCreator(QStringLiteral("Velmora"));
        const QString metadata =
            QStringLiteral(
                "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>"
                "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF "
                "xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'><rdf:Description "
                "rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/' "
                "xmlns:xmp='http://ns.adobe.com/xap/1.0/'>"
                "<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>%1</rdf:li></rdf:Alt></dc:title>"
                "<dc:language><rdf:Bag><rdf:li>%2</rdf:li></rdf:Bag></dc:language>"
                "<xmp:CreatorTool>Velmora</xmp:CreatorTool>"
                "</rdf:Description></rdf:RDF></x:xmpmeta><?xpacket end='w'?>")
                .arg(heading.toHtmlEscaped(), languageTag(texts.languageCode));
        writer.setDocumentXmpMetadata(metadata.toUtf8());

        QPainter painter;
        if (!painter.begin(&writer)) {
            error = tr("%1 cannot be written: the PDF could not be started").arg(fileName);
            file.cancelWriting();
            return false;
        }
        Layout layout(writer, painter, translator);
        const QString seed = layout.label(seedLabel).arg(QString::number(paper.seed()));
        const QString date = localeOf(texts.languageCode).toString(options.date, QLocale::LongFormat);
        const qreal width = writer.width();

        for (int v = 0; v < versions.size() && !cancelled; ++v) {
            const QString version = layout.label(versionLabel).arg(TestPaper::versionName(v));
            layout.beginPart(version, seed);
            QTextDocument header;
            layout.prepare(header);
            QTextCursor cursor(&header);
            QTextCharFormat big = bold();
            big.setFontPointSize(15);
            cursor.insertText(heading, big);
            cursor.insertBlock();
            cursor.insertText(version + QStringLiteral(" · ") + seed + QStringLiteral(" · ") + date);
            cursor.insertBlock();
            cursor.insertBlock();
            cursor.insertText(layout.label(nameLabel) + QStringLiteral(" ") + QString(40, u'_') +
                              QStringLiteral("   ") + layout.label(classLabel) +
                              QStringLiteral(" ") + QString(16, u'_'));
            cursor.insertBlock();
            cursor.insertBlock();
            QTextCharFormat italic;
            italic.setFontItalic(true);
            cursor.insertText(layout.label(instruction), italic);
            layout.place(header);

            const TestPaper::Version &items = versions.at(v);
            for (int q = 0; q < items.size() && advance(1); ++q) {
                const TestPaper::Item &item = items.at(q);
                QTextDocument piece;
                layout.prepare(piece);
                QTextCursor at(&piece);
                QTextTable *table = listTable(at, 1 + item.answerIds.size(), {6, 4, 4}, width);
                table->mergeCells(0, 1, 1, 3);
                setCell(table, 0, 0, QString::number(q + 1) + QLatin1Char('.'), bold());
                setCell(table, 0, 1, texts.questionTexts.value(item.questionId), bold());
                for (int a = 0; a < item.answerIds.size(); ++a) {
                    setCell(table, a + 1, 1, letter(a));
                    setCell(table, a + 1, 2, QString(emptyBox));
                    setCell(table, a + 1, 3, texts.answerTexts.value(item.answerIds.at(a)));
                }
                layout.place(piece);
            }
        }

        for (int v = 0; options.key && v < versions.size() && !cancelled; ++v) {
            const QString name = TestPaper::versionName(v);
            layout.beginPart(layout.label(versionLabel).arg(name), seed);
            const TestPaper::Version &items = versions.at(v);
            QTextDocument header;
            layout.prepare(header);
            QTextCursor cursor(&header);
            QTextCharFormat big = bold();
            big.setFontPointSize(13);
            cursor.insertText(layout.label(keyHeading).arg(name), big);
            cursor.insertBlock();
            cursor.insertText(heading + QStringLiteral(" · ") + seed);
            cursor.insertBlock();
            cursor.insertText(layout.label(totalLabel).arg(items.size()));
            layout.place(header);

            for (int first = 0; first < items.size() && !cancelled; first += keyRowsPerTable) {
                const int rows = qMin(keyRowsPerTable, static_cast<int>(items.size()) - first);
                int columns = 0;
                for (int q = first; q < first + rows; ++q)
                    columns = qMax(columns, static_cast<int>(items.at(q).answerIds.size()));
                QTextDocument grid;
                layout.prepare(grid);
                QTextCursor at(&grid);
                QTextTableFormat format;
                format.setBorder(width / 2000);
                format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
                format.setBorderBrush(Qt::gray);
                format.setCellSpacing(0);
                format.setCellPadding(width / 400);
                format.setAlignment(Qt::AlignLeft);
                QTextTable *table = at.insertTable(1 + rows, 1 + columns, format);
                QTextBlockFormat centred;
                centred.setAlignment(Qt::AlignHCenter);
                auto centredCell = [&](int row, int column, const QString &text,
                                       const QTextCharFormat &charFormat) {
                    QTextCursor cell = table->cellAt(row, column).firstCursorPosition();
                    cell.setBlockFormat(centred);
                    cell.insertText(text, charFormat);
                };
                centredCell(0, 0, layout.label(questionColumn), bold());
                for (int a = 0; a < columns; ++a)
                    centredCell(0, a + 1, letter(a), bold());
                for (int row = 0; row < rows; ++row) {
                    const TestPaper::Item &item = items.at(first + row);
                    centredCell(row + 1, 0, QString::number(first + row + 1), QTextCharFormat());
                    for (int a = 0; a < item.answerIds.size(); ++a) {
                        const bool right = texts.trueAnswerIds.contains(item.answerIds.at(a));
                        QTextCharFormat mark;
                        if (right)
                            mark.setFontWeight(QFont::Bold);
                        else
                            mark.setForeground(Qt::gray);
                        centredCell(row + 1, a + 1, QString(right ? keyMark : keyBlank), mark);
                    }
                }
                layout.place(grid);
                advance(rows);
            }
        }

        for (int v = 0; options.explanations && v < versions.size() && !cancelled; ++v) {
            const QString name = TestPaper::versionName(v);
            layout.beginPart(layout.label(versionLabel).arg(name), seed);
            QTextDocument header;
            layout.prepare(header);
            QTextCursor cursor(&header);
            QTextCharFormat big = bold();
            big.setFontPointSize(13);
            cursor.insertText(layout.label(explanationsHeading).arg(name), big);
            layout.place(header);

            const TestPaper::Version &items = versions.at(v);
            for (int q = 0; q < items.size() && advance(1); ++q) {
                const TestPaper::Item &item = items.at(q);
                QList<int> rightOnes;
                for (int a = 0; a < item.answerIds.size(); ++a) {
                    if (texts.trueAnswerIds.contains(item.answerIds.at(a)))
                        rightOnes.append(a);
                }
                QTextDocument piece;
                layout.prepare(piece);
                QTextCursor at(&piece);
                QTextTable *table = listTable(at, 1 + 2 * rightOnes.size(), {6, 4}, width);
                table->mergeCells(0, 1, 1, 2);
                setCell(table, 0, 0, QString::number(q + 1) + QLatin1Char('.'), bold());
                setCell(table, 0, 1, texts.questionTexts.value(item.questionId), bold());
                QTextCharFormat italic;
                italic.setFontItalic(true);
                for (int r = 0; r < rightOnes.size(); ++r) {
                    const int answerId = item.answerIds.at(rightOnes.at(r));
                    setCell(table, 1 + 2 * r, 1, letter(rightOnes.at(r)), bold());
                    setCell(table, 1 + 2 * r, 2, texts.answerTexts.value(answerId));
                    setCell(table, 2 + 2 * r, 2, texts.explanationTexts.value(answerId), italic);
                }
                layout.place(piece);
            }
        }
        painter.end();
        pages = layout.pageCount();
    }
    if (cancelled) {
        file.cancelWriting();
        error = tr("Cancelled: nothing was written.");
        pages = 0;
        return false;
    }
    if (!file.commit()) {
        error = tr("%1 cannot be written: %2").arg(fileName, file.errorString());
        pages = 0;
        return false;
    }
    return true;
}
