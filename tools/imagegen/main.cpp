// Renders the pictures bundled with Velmora (logo, language flags and the CSV
// layout hint in each interface language) so they can be regenerated instead of
// hand-edited.
//
// Usage: velmora_imagegen OUTPUT_DIR
//        velmora_imagegen --icons THEME_DIR ICON_NAME   (the application icon, built)
// Runs headless with QT_QPA_PLATFORM=offscreen.

#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVector>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// Generic family name: fontconfig maps it to whatever sans font the machine
// has, so the generator does not depend on one particular font being present.
const QString kSansFamily = QStringLiteral("Sans");

QImage blankImage(int width, int height, const QColor &fill)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

bool saveImage(const QImage &image, const QDir &dir, const QString &name)
{
    const QString path = dir.filePath(name);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "velmora_imagegen: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("wrote %s (%d x %d)\n", qPrintable(path), image.width(), image.height());
    return true;
}

// Largest pixel size (within [minPx, maxPx]) at which `text` fits `box` tightly.
int fittingPixelSize(QFont font, const QString &text, const QSizeF &box, int minPx, int maxPx)
{
    for (int px = maxPx; px > minPx; --px) {
        font.setPixelSize(px);
        const QRect tight = QFontMetrics(font).tightBoundingRect(text);
        if (tight.width() <= box.width() && tight.height() <= box.height())
            return px;
    }
    return minPx;
}

// The emblem: a rounded tile with a tick, i.e. "answer correct". Drawn to scale in any
// square, so the logo and the application icons share it.
void drawEmblem(QPainter &p, const QRectF &tile)
{
    const qreal unit = tile.width() / 58.0;
    QLinearGradient tileFill(tile.topLeft(), tile.bottomRight());
    tileFill.setColorAt(0.0, QColor(0x3d, 0x86, 0xe8));
    tileFill.setColorAt(1.0, QColor(0x1a, 0x4c, 0xa8));
    p.setPen(Qt::NoPen);
    p.setBrush(tileFill);
    p.drawRoundedRect(tile, 13.0 * unit, 13.0 * unit);

    QPainterPath tick;
    tick.moveTo(tile.left() + 14.0 * unit, tile.top() + 31.0 * unit);
    tick.lineTo(tile.left() + 25.0 * unit, tile.top() + 42.0 * unit);
    tick.lineTo(tile.left() + 45.0 * unit, tile.top() + 17.0 * unit);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 7.0 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
}

// The application icon at one of the icon theme's sizes: the emblem with a small margin.
QImage makeIcon(int size)
{
    QImage image = blankImage(size, size, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal margin = size / 16.0;
    drawEmblem(p, QRectF(margin, margin, size - 2 * margin, size - 2 * margin));
    return image;
}

// ---------------------------------------------------------------------------
// Logo

// At scale 2 for screens with twice the pixel density: the same drawing, twice as sharp.
QImage makeLogo(int scale)
{
    constexpr int kWidth = 321;
    constexpr int kHeight = 66;
    QImage image = blankImage(kWidth * scale, kHeight * scale, Qt::transparent);

    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    drawEmblem(p, QRectF(4.0, 4.0, 58.0, 58.0));

    // Name, as large as the remaining area allows.
    const QString name = QStringLiteral("Velmora");
    const QRectF textArea(74.0, 6.0, kWidth - 74.0 - 4.0, kHeight - 12.0);
    QFont font(kSansFamily);
    font.setBold(true);
    font.setPixelSize(fittingPixelSize(font, name, textArea.size(), 10, 80));
    const QFontMetrics fm(font);
    const QRect tight = fm.tightBoundingRect(name);
    // Centre the visible glyphs (not the line box) vertically.
    const qreal baseline = textArea.center().y() - tight.center().y();
    const qreal x = textArea.left() - tight.left();
    p.setFont(font);
    p.setPen(QColor(0x1d, 0x2b, 0x45));
    p.drawText(QPointF(x, baseline), name);

    return image;
}

// ---------------------------------------------------------------------------
// Flags

// Flag made of equal horizontal stripes; the height should be a multiple of
// the stripe count so that the edges stay crisp.
QImage makeStripedFlag(int width, int height, const std::vector<QColor> &stripes)
{
    QImage image = blankImage(width, height, Qt::white);
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    const int count = static_cast<int>(stripes.size());
    for (int i = 0; i < count; ++i) {
        const int top = height * i / count;
        const int bottom = height * (i + 1) / count;
        p.fillRect(QRect(0, top, width, bottom - top), stripes[static_cast<std::size_t>(i)]);
    }
    // A thin grey frame, so that a white stripe still shows on a light button.
    const int frame = std::max(2, height / 50);
    p.setPen(QPen(QColor(0x9e, 0x9e, 0x9e), frame));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(frame / 2.0, frame / 2.0, width - frame, height - frame));
    return image;
}

QImage makeGermanFlag()
{
    return makeStripedFlag(
        300, 180, {QColor(0x00, 0x00, 0x00), QColor(0xdd, 0x00, 0x00), QColor(0xff, 0xce, 0x00)});
}

QImage makeEstonianFlag()
{
    return makeStripedFlag(
        330, 210, {QColor(0x00, 0x72, 0xce), QColor(0x00, 0x00, 0x00), QColor(0xff, 0xff, 0xff)});
}

// Union Jack, drawn in the customary 60 x 30 construction grid and scaled.
QImage makeBritishFlag()
{
    constexpr int kScale = 5;
    constexpr qreal kW = 60.0;
    constexpr qreal kH = 30.0;
    const QColor blue(0x01, 0x21, 0x69);
    const QColor red(0xc8, 0x10, 0x2e);

    QImage image = blankImage(static_cast<int>(kW) * kScale, static_cast<int>(kH) * kScale, blue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kScale, kScale);
    p.setClipRect(QRectF(0.0, 0.0, kW, kH));

    const QPointF centre(kW / 2.0, kH / 2.0);

    // White saltire, 6 units wide; lines overshoot the corners and get clipped.
    p.setPen(QPen(Qt::white, 6.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(-kW, -kH), QPointF(2.0 * kW, 2.0 * kH));
    p.drawLine(QPointF(-kW, 2.0 * kH), QPointF(2.0 * kW, -kH));

    // Red saltire, 2 units wide, lying on one side of each diagonal. The side
    // turns with the arm (pinwheel), which gives the counterchange: at the
    // hoist the broad white is above the red, at the upper fly below it.
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    const QPointF corners[] = {{0.0, 0.0}, {kW, 0.0}, {kW, kH}, {0.0, kH}};
    for (const QPointF &corner : corners) {
        const QPointF dir = corner - centre;
        const qreal len = std::hypot(dir.x(), dir.y());
        const QPointF unit = dir / len;
        const QPointF normal(unit.y(), -unit.x());
        const QPointF offset = normal * 2.0;
        const QPointF farEnd = centre + unit * (len + 10.0);
        p.drawPolygon(QPolygonF({centre, farEnd, farEnd + offset, centre + offset}));
    }

    // St George's cross: red, 6 wide, with a 2-unit white border (10 in total).
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0.0, kH / 2.0 - 5.0, kW, 10.0));
    p.drawRect(QRectF(kW / 2.0 - 5.0, 0.0, 10.0, kH));
    p.setBrush(red);
    p.drawRect(QRectF(0.0, kH / 2.0 - 3.0, kW, 6.0));
    p.drawRect(QRectF(kW / 2.0 - 3.0, 0.0, 6.0, kH));

    return image;
}

// ---------------------------------------------------------------------------
// CSV layout hint: one question as it appears in a spreadsheet program, with its cells
// named in the interface language. Only the true answer's line carries explanations: an
// explanation is what makes an answer true.

struct CsvWords
{
    const char *fileSuffix;
    QString category;
    QString question;
    QString answer;
    QString explanation;
};

QImage makeCsvTemplate(const CsvWords &words)
{
    constexpr int kWidth = 599;
    constexpr int kHeight = 143;
    constexpr int kColumns = 6;
    constexpr int kHeaderHeight = 22;
    constexpr int kRowHeight = 20;
    constexpr int kRowHeaderWidth = 26;
    constexpr int kPadding = 4;
    constexpr int kTrueAnswer = 2; // not the first, to show that any line may be the true one

    const QStringList languages{QStringLiteral("DE"), QStringLiteral("EN"), QStringLiteral("EE")};
    auto line = [&](const QString &text) {
        QStringList cells;
        for (const QString &language : languages)
            cells << QStringLiteral("%1 %2").arg(text, language);
        return cells;
    };
    std::vector<QStringList> rows{line(words.category), line(words.question)};
    for (int n = 1; n <= 4; ++n) {
        QStringList cells = line(QStringLiteral("%1 %2").arg(words.answer).arg(n));
        if (n == kTrueAnswer)
            cells << line(QStringLiteral("%1 %2").arg(words.explanation).arg(n));
        rows.push_back(cells);
    }
    const int rowCount = static_cast<int>(rows.size());

    // Pick the largest font for which every column fits its widest text, the
    // way a spreadsheet's "fit column width" would size them.
    QFont font(kSansFamily);
    std::vector<int> widths(kColumns, 0);
    for (int px = 13; px >= 8; --px) {
        font.setPixelSize(px);
        const QFontMetrics fm(font);
        std::fill(widths.begin(), widths.end(), 0);
        for (const QStringList &row : rows) {
            for (int c = 0; c < row.size(); ++c) {
                int &w = widths[static_cast<std::size_t>(c)];
                w = std::max(w, fm.horizontalAdvance(row.at(c)) + 2 * kPadding);
            }
        }
        int total = kRowHeaderWidth;
        for (int w : widths)
            total += w;
        if (total <= kWidth - 1 && fm.height() <= kRowHeight - 2)
            break;
    }

    // Hand out the spare width evenly so the grid fills the whole picture;
    // the last grid line sits on the last pixel column.
    int spare = kWidth - 1 - kRowHeaderWidth;
    for (int w : widths)
        spare -= w;
    for (int c = 0; c < kColumns; ++c)
        widths[static_cast<std::size_t>(c)] += spare / kColumns + (c < spare % kColumns ? 1 : 0);

    std::vector<int> xs{0, kRowHeaderWidth};
    for (int w : widths)
        xs.push_back(xs.back() + w);
    std::vector<int> ys{0, kHeaderHeight};
    for (int r = 0; r < rowCount; ++r)
        ys.push_back(ys.back() + kRowHeight);

    const QColor headerFill(0xee, 0xee, 0xee);
    const QColor headerText(0x44, 0x44, 0x44);
    const QColor gridLine(0xd0, 0xd0, 0xd0);
    const QColor headerLine(0xa8, 0xa8, 0xa8);
    const QColor cellText(0x1a, 0x1a, 0x1a);

    QImage image = blankImage(kWidth, kHeight, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);

    p.fillRect(QRect(0, 0, kWidth, kHeaderHeight), headerFill);
    p.fillRect(QRect(0, 0, kRowHeaderWidth, kHeight), headerFill);

    // Grid lines are drawn unantialiased on whole pixels to stay sharp.
    p.setPen(gridLine);
    for (int x : xs)
        p.drawLine(x, 0, x, kHeight - 1);
    for (int y : ys)
        p.drawLine(0, y, kWidth - 1, y);
    p.setPen(headerLine);
    p.drawLine(0, kHeaderHeight, kWidth - 1, kHeaderHeight);
    p.drawLine(kRowHeaderWidth, 0, kRowHeaderWidth, kHeight - 1);

    auto cellRect = [&](int col, int row) {
        // col/row index the boundary vectors; the rect lies inside the lines.
        const std::size_t c = static_cast<std::size_t>(col);
        const std::size_t r = static_cast<std::size_t>(row);
        return QRect(xs[c] + 1, ys[r] + 1, xs[c + 1] - xs[c] - 1, ys[r + 1] - ys[r] - 1);
    };

    p.setPen(headerText);
    for (int c = 0; c < kColumns; ++c)
        p.drawText(cellRect(c + 1, 0), Qt::AlignCenter, QString(QChar('A' + c)));
    for (int r = 0; r < rowCount; ++r)
        p.drawText(cellRect(0, r + 1), Qt::AlignCenter, QString::number(r + 1));

    p.setPen(cellText);
    for (int r = 0; r < rowCount; ++r) {
        const QStringList &row = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < row.size(); ++c) {
            const QRect cell = cellRect(c + 1, r + 1).adjusted(kPadding, 0, -kPadding, 0);
            p.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, row.at(c));
        }
    }

    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    // Icon mode: the application icon in the icon theme's sizes, as DIR/NxN/apps/NAME.png.
    if (args.size() == 4 && args.at(1) == QLatin1String("--icons")) {
        bool ok = true;
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
            QDir dir(QStringLiteral("%1/%2x%2/apps").arg(args.at(2)).arg(size));
            ok = dir.mkpath(QStringLiteral(".")) &&
                 saveImage(makeIcon(size), dir, args.at(3) + QStringLiteral(".png")) && ok;
        }
        return ok ? 0 : 1;
    }
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: velmora_imagegen OUTPUT_DIR\n"
                             "       velmora_imagegen --icons THEME_DIR ICON_NAME\n");
        return 2;
    }

    QDir outDir(args.at(1));
    if (!outDir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "velmora_imagegen: cannot create %s\n", qPrintable(args.at(1)));
        return 1;
    }

    bool ok = true;
    ok = saveImage(makeLogo(1), outDir, QStringLiteral("velmora_logo.png")) && ok;
    ok = saveImage(makeLogo(2), outDir, QStringLiteral("velmora_logo@2x.png")) && ok;
    ok = saveImage(makeGermanFlag(), outDir, QStringLiteral("de_flag.png")) && ok;
    ok = saveImage(makeBritishFlag(), outDir, QStringLiteral("en_flag.png")) && ok;
    ok = saveImage(makeEstonianFlag(), outDir, QStringLiteral("ee_flag.png")) && ok;
    const CsvWords csvWords[] = {
        {"de", QStringLiteral("Kategorie"), QStringLiteral("Frage"), QStringLiteral("Antwort"),
         QStringLiteral("Erklärung")},
        {"en", QStringLiteral("Category"), QStringLiteral("Question"), QStringLiteral("Answer"),
         QStringLiteral("Explanation")},
        {"ee", QStringLiteral("Kategooria"), QStringLiteral("Küsimus"), QStringLiteral("Vastus"),
         QStringLiteral("Selgitus")},
    };
    for (const CsvWords &words : csvWords) {
        const QString name = QStringLiteral("csv_template_%1.png").arg(QLatin1String(words.fileSuffix));
        ok = saveImage(makeCsvTemplate(words), outDir, name) && ok;
    }
    return ok ? 0 : 1;
}
