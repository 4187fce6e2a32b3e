#include "testpdfwriter.h"

#include "testpaper.h"
#include "testpapertexts.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QScreen>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTranslator>

namespace {
const qreal marginMillimetres = 16;
const int keyRowsPerGroup = 25;
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

// The resolution fonts are measured in when no device is named. Text laid out for another
// device has every font resolved anew for each piece of text, which makes a long test
// many times slower; so the PDF gets this resolution, and layout and page agree.
int fontResolution()
{
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi))
        return 96;
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchY()) : 100;
}
} // namespace

// Pages of text documents: each part (a version's questions, its key, its explanations) is
// one document, cut into pages between its pieces (a header, a question with its answers,
// a group of key lines under their column heads), so that no piece is split unless it is taller than a page. Every page
// gets its running header (version and seed) and its number.
class TestPdfWriter::Layout
{
public:
    // A range of a document that stays on one page.
    struct Piece
    {
        qreal top = 0;
        qreal bottom = 0;
    };

    Layout(QPdfWriter &writer, QPainter &painter, const QTranslator &translator, int resolution)
        : writer(writer), painter(painter), translator(translator), resolution(resolution)
    {
        baseFont = QFont(QStringLiteral("DejaVu Sans"));
        baseFont.setPointSizeF(10);
        smallFont = baseFont;
        smallFont.setPointSizeF(8);
        const qreal margin = marginMillimetres / 25.4 * resolution;
        const qreal runningLine = QFontMetricsF(smallFont).height();
        page = QRectF(0, 0, writer.width(), writer.height())
                   .adjusted(margin, margin, -margin, -margin);
        body = page.adjusted(0, 2 * runningLine, 0, -2 * runningLine);
    }

    QString label(const char *source) const { return translated(translator, source); }
    // Points in device pixels.
    qreal points(qreal value) const { return value * resolution / 72.0; }

    void prepare(QTextDocument &document) const
    {
        // Written once and never edited: nothing to undo.
        document.setUndoRedoEnabled(false);
        document.setDefaultFont(baseFont);
        document.setDocumentMargin(0);
        // Widths from the fonts' design, not from hinting at one size: the line breaks of
        // a text do not hang on the screen's resolution.
        document.setUseDesignMetrics(true);
        document.setTextWidth(body.width());
    }

    // The range of the blocks from first to last.
    static Piece piece(const QTextDocument &document, int first, int last)
    {
        QAbstractTextDocumentLayout *layout = document.documentLayout();
        return {layout->blockBoundingRect(document.findBlockByNumber(first)).top(),
                layout->blockBoundingRect(document.findBlockByNumber(last)).bottom()};
    }

    // The document from a new page on, cut into pieces that each begin at one of the
    // ascending block numbers and end before the next one (the last, at the document's end).
    void placeFrom(QTextDocument &document, QList<int> firstBlocks, const QString &version,
                   const QString &seed)
    {
        firstBlocks.append(document.blockCount());
        QList<Piece> pieces;
        for (int i = 0; i + 1 < firstBlocks.size(); ++i)
            pieces.append(piece(document, firstBlocks.at(i), firstBlocks.at(i + 1) - 1));
        place(document, pieces, version, seed);
    }

    // The document from a new page on, its pieces in order.
    void place(QTextDocument &document, const QList<Piece> &pieces, const QString &version,
               const QString &seed)
    {
        runningLeft = version;
        runningRight = seed;
        bool open = false;
        qreal from = 0;
        qreal to = 0;
        for (const Piece &next : pieces) {
            if (open && next.bottom - from <= body.height()) {
                to = next.bottom;
                continue;
            }
            if (open)
                drawPage(document, from, to);
            open = true;
            from = next.top;
            to = next.bottom;
            // Taller than a whole page, which no catalogue text should make: continued on
            // the pages after, cut where each page ends.
            for (; to - from > body.height(); from += body.height())
                drawPage(document, from, from + body.height());
        }
        if (open)
            drawPage(document, from, to);
    }

    int pageCount() const { return pages; }

private:
    void drawPage(QTextDocument &document, qreal from, qreal to)
    {
        if (pages > 0)
            writer.newPage();
        ++pages;
        painter.setFont(smallFont);
        painter.setPen(Qt::black);
        const int flags = Qt::AlignVCenter | Qt::TextSingleLine;
        const QRectF top(page.left(), page.top(), page.width(), (body.top() - page.top()) / 2);
        painter.drawText(top, flags | Qt::AlignLeft, runningLeft);
        painter.drawText(top, flags | Qt::AlignRight, runningRight);
        painter.drawLine(QPointF(page.left(), top.bottom()), QPointF(page.right(), top.bottom()));
        const QRectF bottom(page.left(), page.bottom() - top.height(), page.width(),
                            top.height());
        painter.drawText(bottom, flags | Qt::AlignHCenter,
                         label(pageLabel).arg(QString::number(pages)));

        painter.save();
        painter.translate(body.left(), body.top() - from);
        document.drawContents(&painter, QRectF(0, from, body.width(), to - from));
        painter.restore();
    }

    QPdfWriter &writer;
    QPainter &painter;
    const QTranslator &translator;
    const int resolution;
    QFont baseFont;
    QFont smallFont;
    QRectF page;
    QRectF body;
    QString runningLeft;
    QString runningRight;
    int pages = 0;
};

namespace {
QTextCharFormat bold()
{
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    return format;
}

QTextCharFormat italic()
{
    QTextCharFormat format;
    format.setFontItalic(true);
    return format;
}

// A paragraph whose first line starts at the hang and whose other lines start at indent,
// with a tab stop at indent for what follows the label at its head.
QTextBlockFormat hanging(qreal hang, qreal indent, qreal spaceAbove = 0)
{
    QTextBlockFormat format;
    format.setLeftMargin(indent);
    format.setTextIndent(hang - indent);
    format.setTopMargin(spaceAbove);
    format.setTabPositions({QTextOption::Tab(indent, QTextOption::LeftTab)});
    return format;
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

int TestPdfWriter::steps() const
{
    return paper.versions().size() * paper.questionIds().size() *
           (1 + (options.key ? 1 : 0) + (options.explanations ? 1 : 0));
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
    const int total = steps();
    int done = 0;
    bool cancelled = false;
    auto advance = [&](int units) {
        done += units;
        if (onProgress && !onProgress(done, total))
            cancelled = true;
        return !cancelled;
    };

    {
        const int resolution = fontResolution();
        QPdfWriter writer(&file);
        writer.setResolution(resolution);
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
        Layout layout(writer, painter, translator, resolution);
        const QString seed = layout.label(seedLabel).arg(QString::number(paper.seed()));
        const QString date =
            localeOf(texts.languageCode).toString(options.date, QLocale::LongFormat);
        // Number, then letter and box, then the text; later lines under the text.
        const qreal numberHang = 0;
        const qreal questionIndent = layout.points(24);
        const qreal answerIndent = questionIndent + layout.points(30);
        const qreal questionSpace = layout.points(9);
        const QTextCharFormat plain;
        QTextCharFormat big = bold();
        big.setFontPointSize(14);

        for (int v = 0; v < versions.size() && !cancelled; ++v) {
            const QString version = layout.label(versionLabel).arg(TestPaper::versionName(v));
            QTextDocument part;
            layout.prepare(part);
            QTextCursor cursor(&part);
            cursor.beginEditBlock();
            cursor.insertText(heading, big);
            cursor.insertBlock(QTextBlockFormat(), plain);
            cursor.insertText(version + QStringLiteral(" · ") + seed + QStringLiteral(" · ") + date,
                              plain);
            QTextBlockFormat spaced;
            spaced.setTopMargin(questionSpace);
            cursor.insertBlock(spaced, plain);
            cursor.insertText(layout.label(nameLabel) + QLatin1Char(' ') + QString(36, u'_') +
                                  QStringLiteral("   ") + layout.label(classLabel) +
                                  QLatin1Char(' ') + QString(12, u'_'),
                              plain);
            cursor.insertBlock(spaced, italic());
            cursor.insertText(layout.label(instruction), italic());
            QList<int> firstBlocks{0};

            const TestPaper::Version &items = versions.at(v);
            for (int q = 0; q < items.size(); ++q) {
                const TestPaper::Item &item = items.at(q);
                cursor.insertBlock(hanging(numberHang, questionIndent, questionSpace), bold());
                firstBlocks.append(cursor.blockNumber());
                cursor.insertText(QString::number(q + 1) + QStringLiteral(".\t"), bold());
                // Inserted as plain text: "<b>" and "&" print as written.
                cursor.insertText(texts.questionTexts.value(item.questionId), bold());
                for (int a = 0; a < item.answerIds.size(); ++a) {
                    cursor.insertBlock(hanging(questionIndent, answerIndent), plain);
                    cursor.insertText(letter(a) + QStringLiteral("   ") + emptyBox +
                                          QLatin1Char('\t') +
                                          texts.answerTexts.value(item.answerIds.at(a)),
                                      plain);
                }
            }
            cursor.endEditBlock();
            layout.placeFrom(part, firstBlocks, version, seed);
            advance(items.size());
        }

        for (int v = 0; options.key && v < versions.size() && !cancelled; ++v) {
            const QString name = TestPaper::versionName(v);
            const TestPaper::Version &items = versions.at(v);
            QTextDocument part;
            layout.prepare(part);
            QTextCursor cursor(&part);
            cursor.beginEditBlock();
            cursor.insertText(layout.label(keyHeading).arg(name), big);
            cursor.insertBlock(QTextBlockFormat(), plain);
            cursor.insertText(heading + QStringLiteral(" · ") + seed, plain);
            cursor.insertBlock(QTextBlockFormat(), plain);
            cursor.insertText(layout.label(totalLabel).arg(items.size()), plain);
            QList<int> firstBlocks{0};

            // The grid's columns stand on centred tab stops, a line per question: as a
            // table of cells the key alone took longer than all the questions.
            int columns = 0;
            for (const TestPaper::Item &item : items)
                columns = qMax(columns, static_cast<int>(item.answerIds.size()));
            QList<QTextOption::Tab> stops{QTextOption::Tab(layout.points(30), QTextOption::CenterTab)};
            for (int a = 0; a < columns; ++a)
                stops.append(QTextOption::Tab(layout.points(72 + 24 * a), QTextOption::CenterTab));
            QTextBlockFormat row;
            row.setTabPositions(stops);
            QTextBlockFormat shaded = row;
            shaded.setBackground(QColor(235, 235, 235));
            QTextBlockFormat columnHeads = row;
            columnHeads.setTopMargin(layout.points(8));
            QTextCharFormat blank;
            blank.setForeground(Qt::gray);
            for (int first = 0; first < items.size(); first += keyRowsPerGroup) {
                cursor.insertBlock(columnHeads, bold());
                firstBlocks.append(cursor.blockNumber());
                QString heads = QLatin1Char('\t') + layout.label(questionColumn);
                for (int a = 0; a < columns; ++a)
                    heads += QLatin1Char('\t') + letter(a);
                cursor.insertText(heads, bold());
                const int last = qMin(first + keyRowsPerGroup, static_cast<int>(items.size()));
                for (int q = first; q < last; ++q) {
                    const TestPaper::Item &item = items.at(q);
                    cursor.insertBlock((q - first) % 2 ? shaded : row, plain);
                    cursor.insertText(QLatin1Char('\t') + QString::number(q + 1), plain);
                    for (int a = 0; a < columns; ++a) {
                        const bool right = a < item.answerIds.size() &&
                                           texts.trueAnswerIds.contains(item.answerIds.at(a));
                        cursor.insertText(QStringLiteral("\t"), plain);
                        cursor.insertText(QString(right ? keyMark : keyBlank), right ? bold() : blank);
                    }
                }
            }
            cursor.endEditBlock();
            layout.placeFrom(part, firstBlocks, layout.label(versionLabel).arg(name), seed);
            advance(items.size());
        }

        for (int v = 0; options.explanations && v < versions.size() && !cancelled; ++v) {
            const QString name = TestPaper::versionName(v);
            const TestPaper::Version &items = versions.at(v);
            QTextDocument part;
            layout.prepare(part);
            QTextCursor cursor(&part);
            cursor.beginEditBlock();
            cursor.insertText(layout.label(explanationsHeading).arg(name), big);
            cursor.insertBlock(QTextBlockFormat(), plain);
            cursor.insertText(heading + QStringLiteral(" · ") + seed, plain);
            QList<int> firstBlocks{0};
            for (int q = 0; q < items.size(); ++q) {
                const TestPaper::Item &item = items.at(q);
                cursor.insertBlock(hanging(numberHang, questionIndent, questionSpace), bold());
                firstBlocks.append(cursor.blockNumber());
                cursor.insertText(QString::number(q + 1) + QStringLiteral(".\t") +
                                      texts.questionTexts.value(item.questionId),
                                  bold());
                for (int a = 0; a < item.answerIds.size(); ++a) {
                    const int answerId = item.answerIds.at(a);
                    if (!texts.trueAnswerIds.contains(answerId))
                        continue;
                    cursor.insertBlock(hanging(questionIndent, answerIndent), plain);
                    cursor.insertText(letter(a) + QLatin1Char('\t') + texts.answerTexts.value(answerId),
                                      plain);
                    const QString explanation = texts.explanationTexts.value(answerId);
                    if (explanation.isEmpty())
                        continue;
                    cursor.insertBlock(hanging(answerIndent, answerIndent), italic());
                    cursor.insertText(explanation, italic());
                }
            }
            cursor.endEditBlock();
            layout.placeFrom(part, firstBlocks, layout.label(versionLabel).arg(name), seed);
            advance(items.size());
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
