#include "review/drawprinttemplate.h"

#include "core/systemconfig.h"

#include <QDebug>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <future>

namespace {

// The title's 83 points and the print date's 57 points at 96 dots per inch.
constexpr int kTitlePixels = 111;
constexpr int kPrintDatePixels = 76;
constexpr int kTextPixels = 57;
constexpr int kHospitalNamePixels = 93;
// Glyphs above this pixel size bypass the raster engine's glyph cache.
constexpr int kLargestCachedGlyph = 64;

constexpr int kRuleLeft = 252;
constexpr int kRuleRight = 3748;

// Chart geometry, relative to the cursor y below the chart.
constexpr int kAxisLeft = 860;
constexpr int kAxisRight = 3436;
constexpr int kAxisSpan = kAxisRight - kAxisLeft; // 2576
constexpr int kFullScale = 1160;
constexpr int kCurvePoints = 40;

const Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
const Qt::Alignment kLeftTop = Qt::AlignLeft | Qt::AlignTop;
const Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

const char *const kCurveColours[16] = {"#FF3300", "#009933", "#0066FF", "#9900FF", "#FF3399", "#00FFFF",
                                       "#66FF00", "#FFFF00", "#FF9933", "#33FF99", "#6666FF", "#CC6600",
                                       "#CC00FF", "#99CC66", "#CCFF33", "#CC0000"};

QString at(const QStringList &list, int index)
{
    return list.value(index);
}

QPen blackPen()
{
    return QPen(QBrush(Qt::black), 8, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

// The axis top: the largest value (as an unsigned 16-bit number), at least
// 300, with 5 % headroom above 300.
int axisTopOf(const QList<QList<int>> &curves)
{
    int largest = 300;
    for (const QList<int> &curve : curves) {
        for (int v : curve)
            largest = qMax(largest, int(static_cast<quint16>(v)));
    }
    return largest == 300 ? 300 : largest + largest / 20;
}

double pixelsPerUnit(const QList<QList<int>> &curves)
{
    return double(kFullScale) / axisTopOf(curves);
}

// The page area the curves and the threshold line can touch.
QRect curveArea(const QList<QList<int>> &curves, int zeroY, double perUnit)
{
    QRectF bounds(kAxisLeft, zeroY - kFullScale, kAxisSpan, kFullScale);
    for (const QList<int> &curve : curves) {
        for (int i = 0; i < qMin(kCurvePoints, curve.size()); ++i)
            bounds |= QRectF(kAxisLeft + i * double(kAxisSpan) / 39.0, zeroY - curve.at(i) * perUnit, 1, 1);
    }
    return bounds.toAlignedRect().adjusted(-16, -16, 16, 16) &
           QRect(0, 0, DrawPrintTemplate::kPageWidth, DrawPrintTemplate::kPageHeight);
}

void drawAxes(QPainter &p, int baseY)
{
    p.drawLine(kAxisLeft, baseY - 92, kAxisRight, baseY - 92);
    p.drawLine(kAxisLeft, baseY - 92, kAxisLeft, baseY - 1380);
}

void strokeCurves(QPainter &p, const QList<QList<int>> &curves, int zeroY, double perUnit)
{
    QPen curvePen = blackPen();
    for (int k = 0; k < curves.size(); ++k) {
        if (k < 16)
            curvePen.setColor(QColor(QLatin1String(kCurveColours[k])));
        const QList<int> &curve = curves.at(k);
        QPainterPath path;
        for (int i = 0; i < qMin(kCurvePoints, curve.size()); ++i) {
            const QPointF point(kAxisLeft + i * double(kAxisSpan) / 39.0, zeroY - curve.at(i) * perUnit);
            if (i == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
        p.strokePath(path, curvePen);
    }

    const int threshold = static_cast<int>(zeroY - 40 * perUnit);
    p.setPen(QPen(QBrush(Qt::red), 8, Qt::DotLine));
    p.drawLine(kAxisLeft, threshold, kAxisRight, threshold);
}

// The ink a text leaves when drawn unclipped into a cell of this size at the
// origin, in cell coordinates: the very glyphs the page gets, as the cell
// sits on whole pixels. Empty for a text without ink.
QRect inkInCell(const QFont &font, const QSize &cellSize, int flags, const QString &text, QPainter::RenderHints hints)
{
    const QRect cell(QPoint(0, 0), cellSize);
    const QRect layout = QFontMetrics(font).boundingRect(cell, flags | Qt::TextDontClip, text);
    const int slack = qMax(4, font.pixelSize());
    const QRect area = layout.united(cell).adjusted(-slack, -slack, slack, slack);
    QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHints(hints);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(cell.translated(-area.topLeft()), flags | Qt::TextDontClip, text);
    p.end();
    const int width = image.width();
    const int height = image.height();
    int left = width, right = -1, top = -1, bottom = -1;
    for (int y = 0; y < height; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        int first = 0;
        while (first < width && line[first] == 0)
            ++first;
        if (first == width)
            continue;
        int last = width - 1;
        while (line[last] == 0)
            --last;
        left = qMin(left, first);
        right = qMax(right, last);
        if (top < 0)
            top = y;
        bottom = y;
    }
    if (top < 0)
        return QRect();
    return QRect(QPoint(left, top), QPoint(right, bottom)).translated(area.topLeft());
}

// The text with every line wider than `width` in `font` cut short at its
// end with an ellipsis.
QString elidedLines(const QFont &font, const QString &text, int width)
{
    const QFontMetrics metrics(font);
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (metrics.horizontalAdvance(line) > width)
            line = metrics.elidedText(line, Qt::ElideRight, width);
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

DrawPrintTemplate *DrawPrintTemplate::getInstance()
{
    return Singleton<DrawPrintTemplate>::instance();
}

DrawPrintTemplate::DrawPrintTemplate(QObject *parent)
    : QObject(parent)
{
}

QString DrawPrintTemplate::reportImagePath()
{
    return QStringLiteral("%1/%2/Sample.bmp").arg(QStringLiteral("./app"), QStringLiteral("print"));
}

QString DrawPrintTemplate::hospitalLogoPath()
{
    return QStringLiteral("./app/Logo/logo.png");
}

QString DrawPrintTemplate::makerLogoPath()
{
    return QStringLiteral("%1/%2/ManufacturerLogo.bmp").arg(QStringLiteral("./app"), QStringLiteral("print"));
}

QFont DrawPrintTemplate::reportFont(int pixelSize, int weight) const
{
    QFont font = QGuiApplication::font();
    if (!m_fontFamily.isEmpty())
        font.setFamily(m_fontFamily);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setItalic(false);
    return font;
}

QFont DrawPrintTemplate::fittedFont(const QFont &font, const QRect &cell, int flags, const QString &text)
{
    const int full = font.pixelSize();
    if (text.isEmpty() || cell.isEmpty() || full <= 1)
        return font;
    // Across, a text fits by its advance, with a quarter of its size to spare
    // so that a label stays apart from the value after it. Ink reaching past
    // the advance by a glyph's overhang (the foot of a J, the arms of a T or
    // Y, the tail of an f) is the font's design, not a text too wide: it is
    // no reason to shrink. Up and down, lines within the cell's height fit;
    // taller lines fit when their ink does, as line heights exceed some cells
    // that glyphs sit well inside.
    const QRect layout = QFontMetrics(font).boundingRect(cell, flags | Qt::TextDontClip, text);
    if (layout.width() <= cell.width() - full / 4 && layout.height() <= cell.height())
        return font;

    const QString key =
        QStringLiteral("%1|%2|%3x%4|%5").arg(font.key()).arg(flags).arg(cell.width()).arg(cell.height()).arg(text);
    int size = m_fittedSizes.value(key, 0);
    if (size == 0) {
        const QPainter::RenderHints hints = QPainter::Antialiasing | QPainter::TextAntialiasing;
        auto fits = [&](int pixels) {
            QFont sized(font);
            sized.setPixelSize(pixels);
            const QRect lines = QFontMetrics(sized).boundingRect(cell, flags | Qt::TextDontClip, text);
            if (lines.width() > cell.width() - pixels / 4)
                return false;
            if (lines.height() <= cell.height())
                return true;
            const QRect ink = inkInCell(sized, cell.size(), flags, text, hints);
            return ink.isNull() || (ink.top() >= 0 && ink.bottom() < cell.height());
        };
        // Half its size at least: smaller, a text is no longer read on the
        // printout.
        const int smallest = (full + 1) / 2;
        if (fits(full)) {
            size = full;
        } else {
            // Start from the size the layout's proportions suggest, then
            // step to the largest that fits.
            const double scale = qMin(double(cell.width() - full / 4) / qMax(1, layout.width()),
                                      double(cell.height()) / qMax(1, layout.height()));
            size = qBound(smallest, static_cast<int>(full * scale), full - 1);
            if (fits(size)) {
                while (size + 1 < full && fits(size + 1))
                    ++size;
            } else {
                while (size > smallest && !fits(size))
                    --size;
            }
        }
        if (m_fittedSizes.size() >= 256)
            m_fittedSizes.clear();
        m_fittedSizes.insert(key, size);
    }
    if (size == full)
        return font;
    QFont fitted(font);
    fitted.setPixelSize(size);
    return fitted;
}

void DrawPrintTemplate::drawText(QPainter &p, const QRect &cell, int flags, const QString &text)
{
    const QFont cellFont = p.font();
    const QFont font = fittedFont(cellFont, cell, flags, text);
    QString shown = text;
    if (font.pixelSize() < cellFont.pixelSize()) {
        // At half its size a text may still be too wide: its lines are cut
        // short with an ellipsis rather than run into the next cell, where
        // both texts would be lost.
        const int width = cell.width() - font.pixelSize() / 4;
        if (QFontMetrics(font).boundingRect(cell, flags | Qt::TextDontClip, text).width() > width)
            shown = elidedLines(font, text, width);
    }
    if (font != cellFont)
        p.setFont(font);
    drawFittedText(p, cell, flags, shown);
    if (font != cellFont)
        p.setFont(cellFont);
}

void DrawPrintTemplate::drawFittedText(QPainter &p, const QRect &cell, int flags, const QString &text)
{
    const QFont font = p.font();
    if (!m_caching || font.pixelSize() <= kLargestCachedGlyph || cell.isEmpty()) {
        p.drawText(cell, flags, text);
        return;
    }
    const QString key = QStringLiteral("%1|%2|%3x%4|%5|%6")
                            .arg(font.key())
                            .arg(flags)
                            .arg(cell.width())
                            .arg(cell.height())
                            .arg(p.pen().color().rgba())
                            .arg(text);
    auto found = m_textCells.constFind(key);
    if (found == m_textCells.constEnd()) {
        if (m_textCells.size() >= 32)
            m_textCells.clear();
        // Text is not clipped to its cell: the image holds all of it, with
        // room for glyphs that reach past their advance.
        const int slack = font.pixelSize() / 2;
        const QRect bounds = p.fontMetrics()
                                 .boundingRect(cell, flags, text)
                                 .united(cell)
                                 .adjusted(-slack, -slack, slack, slack)
                                 .translated(-cell.topLeft());
        CachedText cached;
        cached.offset = bounds.topLeft();
        cached.image = QImage(bounds.size(), QImage::Format_ARGB32_Premultiplied);
        cached.image.fill(Qt::transparent);
        QPainter cellPainter(&cached.image);
        cellPainter.setRenderHints(p.renderHints());
        cellPainter.setFont(font);
        cellPainter.setPen(p.pen());
        cellPainter.drawText(QRect(-bounds.topLeft(), cell.size()), flags, text);
        cellPainter.end();
        found = m_textCells.insert(key, cached);
    }
    p.drawImage(cell.topLeft() + found->offset, found->image);
}

void DrawPrintTemplate::prepareCurves(const QList<QList<int>> &curves)
{
    if (!m_caching)
        return;
    if (m_pending.valid())
        m_pending.wait();
    // Where the chart will sit: the header is 60 pixels taller without a
    // usable hospital logo.
    const int baseY = cachedImage(hospitalLogoPath()).isNull() ? 3100 : 3040;
    m_pending = std::async(std::launch::async, &DrawPrintTemplate::buildCurveLayer, curves, baseY);
}

DrawPrintTemplate::CurveLayer DrawPrintTemplate::buildCurveLayer(const QList<QList<int>> &curves, int baseY)
{
    // The chart area as the page shows it before the curves (white, with
    // the axes), then with them: the same strokes at the same sub-pixel
    // positions, moved by whole pixels only.
    const int zeroY = baseY - 220;
    const double perUnit = pixelsPerUnit(curves);
    CurveLayer layer;
    layer.rect = curveArea(curves, zeroY, perUnit);
    QImage area(layer.rect.size(), QImage::Format_RGB32);
    area.fill(Qt::white);
    QPainter p(&area);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(-layer.rect.topLeft());
    p.setPen(blackPen());
    drawAxes(p, baseY);
    layer.under = area.copy();
    strokeCurves(p, curves, zeroY, perUnit);
    p.end();
    layer.over = area;
    layer.curves = curves;
    layer.baseY = baseY;
    layer.valid = true;
    return layer;
}

void DrawPrintTemplate::releaseCaches()
{
    if (m_pending.valid())
        m_pending.wait();
    m_pending = std::future<CurveLayer>();
    m_textCells.clear();
    // The fitted sizes stay: a few bytes each, and the same texts come back
    // with the next report.
    m_curveLayer = CurveLayer();
}

void DrawPrintTemplate::setCachingForTesting(bool on)
{
    m_caching = on;
    releaseCaches();
}

void DrawPrintTemplate::rule(QPainter &p, int y) const
{
    p.drawLine(kRuleLeft, y, kRuleRight, y);
}

QImage DrawPrintTemplate::cachedImage(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        m_images.remove(path);
        return QImage();
    }
    CachedImage &entry = m_images[path];
    if (entry.size != info.size() || entry.modified != info.lastModified() || entry.size < 0) {
        entry.modified = info.lastModified();
        entry.size = info.size();
        QImageReader reader(path);
        entry.image = reader.read();
        // No size, no width formula: an image without height is no logo.
        if (entry.image.isNull() || entry.image.width() <= 0 || entry.image.height() <= 0) {
            qDebug() << "DrawPrintTemplate: unusable image" << path << reader.errorString();
            entry.image = QImage();
        }
    }
    return entry.image;
}

void DrawPrintTemplate::drawReport(const ReportRecord &record, QPixmap *page)
{
    if (!page || page->isNull())
        return;
    ++m_paintCount;
    m_target = page;
    page->fill(Qt::white);
    QPainter p(page);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    p.setPen(blackPen());
    drawTitle(p, record);
    drawHospitalInfo(p, record);
    drawPetInfo(p, record);
    drawSymptom(p, record);
    drawCurveBlock(p, record);
    drawResultTable(p, record);
    drawResultNote(p, record);
    drawReportDate(p, record);
    drawStatement(p, record);
    drawPrintDate(p, record);
    p.end();
    m_target = nullptr;
}

QString DrawPrintTemplate::saveReportImage(QPixmap *page)
{
    const QString path = reportImagePath();
    if (!page || page->isNull() || !page->save(path, "BMP")) {
        qDebug() << "QString DrawPrintTemplate::saveReportImage(QPixmap*)"
                 << "ERR: cannot write" << path;
        return QString();
    }
    return path;
}

void DrawPrintTemplate::drawTitle(QPainter &p, const ReportRecord &)
{
    m_y = 92;
    p.setFont(reportFont(kTitlePixels, kBold));
    drawText(p, QRect(280, 92, 3440, 184), Qt::AlignCenter, tr("即時螢光PCR檢測報告"));
}

void DrawPrintTemplate::drawHospitalInfo(QPainter &p, const ReportRecord &r)
{
    m_x = m_y = m_width = m_height = 0;
    m_y += 272;
    const QImage logo = cachedImage(hospitalLogoPath());
    QString name = at(r.hospitalInfo, 0);
    // Where the address and phone values must end: the right margin, or
    // short of a logo at the right.
    int valuesRight = 3720;
    if (!logo.isNull()) {
        m_y += 92;
        const int logoHeight = 288;
        const int logoWidth = static_cast<int>(double(logo.width()) / logo.height() * logoHeight);
        // Only 0 keeps the logo at the left; any other stored value is the right.
        const int post = SystemConfig::getInstance()->getLogoPost() == 0 ? 0 : 1;
        const int logoX = (3440 - logoWidth) * post + 280;
        p.drawImage(QRect(logoX, m_y, logoWidth, logoHeight), logo);
        if (post != 0)
            valuesRight = logoX - 112;
        m_y -= 72;
        p.setFont(reportFont(kHospitalNamePixels, kNormal));
        m_x = post != 0 ? 280 : logoWidth + 392;
        m_width = qMin(2400, 3720 - m_x);
        // The name has the band above the address row (292 to 452), not a
        // cell reaching down to 652 across it; drawText shrinks what does not
        // fit the band.
        m_height = 160;
        if (name.size() > 30)
            name.insert(30, QLatin1Char('\n'));
        drawText(p, QRect(m_x, m_y, m_width, m_height), kLeft, name);
        m_y = m_y + 160;
    } else {
        p.setFont(reportFont(kHospitalNamePixels, kNormal));
        m_x = 280;
        // The band above the address row (272 to 512), across the text width
        // of the page: nothing else shares it without a logo.
        drawText(p, QRect(280, m_y, 3440, 240), kLeft, name);
        m_y += 240;
    }
    p.setFont(reportFont(kTextPixels, kBold));
    drawText(p, QRect(m_x, m_y, 320, 144), kLeft, tr("醫院地址:"));
    p.setFont(reportFont(kTextPixels, kNormal));
    drawText(p, QRect(m_x + 320, m_y, qMin(3840, valuesRight - m_x - 320), 144), kLeft, at(r.hospitalInfo, 4));
    m_y += 92;
    p.setFont(reportFont(kTextPixels, kBold));
    // The label ends where its value starts (a cell reaching further would
    // run a long label into the phone number).
    drawText(p, QRect(m_x, m_y, 320, 144), kLeft, tr("醫院電話:"));
    p.setFont(reportFont(kTextPixels, kNormal));
    drawText(p, QRect(m_x + 320, m_y, qMin(1280, valuesRight - m_x - 320), 144), kLeft, at(r.hospitalInfo, 5));
    m_y += 184;
    rule(p, m_y);
}

void DrawPrintTemplate::drawPetInfo(QPainter &p, const ReportRecord &r)
{
    struct Cell {
        int x;
        int width;
        QString label;
        int valueX;
        QString value;
    };
    // Each label cell ends where its value starts: a wider one would run a
    // long label into its value.
    const QList<QList<Cell>> rows{
        {{280, 320, tr("寵物主人："), 600, at(r.petInfo, 0)},
         {1570, 320, tr("寵物品種："), 1890, at(r.petInfo, 4)},
         {2860, 320, tr("病歷號碼："), 3180, at(r.petInfo, 8)}},
        {{280, 320, tr("寵物名："), 600, at(r.petInfo, 1)},
         {1570, 320, tr("寵物類型："), 1890, at(r.petInfo, 2)},
         {2860, 320, tr("連繫電話："), 3180, at(r.hospitalInfo, 2)}},
        {{280, 320, tr("寵物性別："), 600, at(r.petInfo, 5)},
         {1570, 320, tr("寵物年齡："), 1890, at(r.petInfo, 6)},
         {2860, 320, tr("檢測時間："), 3180, at(r.petInfo, 3)}},
        {{280, 320, tr("樣本類型："), 600, at(r.petInfo, 7)}},
    };
    const int rowHeight = 164;
    const int rowPitch = static_cast<int>(1.5 * 92);
    const QFont label = reportFont(kTextPixels, kLabel);
    const QFont value = reportFont(kTextPixels, kNormal);
    for (const QList<Cell> &row : rows) {
        for (const Cell &cell : row) {
            p.setFont(label);
            drawText(p, QRect(cell.x, m_y, cell.width, rowHeight), kLeft, cell.label);
            p.setFont(value);
            drawText(p, QRect(cell.valueX, m_y, 648, rowHeight), kLeft, cell.value);
        }
        m_y += rowPitch;
    }
    rule(p, m_y);
}

void DrawPrintTemplate::drawSymptom(QPainter &p, const ReportRecord &r)
{
    m_y += 92;
    p.setFont(reportFont(kTextPixels, kNormal));
    drawText(p, QRect(760, m_y - 36, 2960, 236), kLeft, at(r.symptom, 0));
    p.setFont(reportFont(kTextPixels, kLabel));
    drawText(p, QRect(280, m_y, 480, 144), kLeft, tr("臨床症狀："));
    m_y += 236;
    rule(p, m_y);
}

void DrawPrintTemplate::drawCurveBlock(QPainter &p, const ReportRecord &r)
{
    m_y += 644;
    m_x = 0;
    p.setFont(reportFont(kTextPixels, kLabel));
    drawText(p, QRect(280, m_y, 384, 144), kLeft, tr("擴增曲線："));
    m_y += 788;
    drawCurve(p, r, m_y);
    rule(p, m_y);
}

void DrawPrintTemplate::drawCurve(QPainter &p, const ReportRecord &r, int baseY)
{
    const int zeroY = baseY - 220;
    drawAxes(p, baseY);
    p.setFont(reportFont(kTextPixels, kNormal));
    const double perUnit = pixelsPerUnit(r.CurveData);
    const int axisTop = axisTopOf(r.CurveData);

    const QPen saved = p.pen();
    if (!m_caching) {
        strokeCurves(p, r.CurveData, zeroY, perUnit);
    } else {
        if (m_pending.valid()) {
            m_curveLayer = m_pending.get();
            m_pending = std::future<CurveLayer>();
        }
        const QRect rect = curveArea(r.CurveData, zeroY, perUnit);
        const QImage under = m_target->copy(rect).toImage();
        if (m_curveLayer.valid && m_curveLayer.baseY == baseY && m_curveLayer.rect == rect &&
            m_curveLayer.curves == r.CurveData && m_curveLayer.under == under) {
            p.drawImage(rect.topLeft(), m_curveLayer.over);
            ++m_reusedCurves;
        } else {
            strokeCurves(p, r.CurveData, zeroY, perUnit);
            m_curveLayer.valid = true;
            m_curveLayer.curves = r.CurveData;
            m_curveLayer.baseY = baseY;
            m_curveLayer.rect = rect;
            m_curveLayer.under = under;
            m_curveLayer.over = m_target->copy(rect).toImage();
        }
    }
    p.setPen(saved);

    for (int j = 0; j <= 10; ++j) {
        const int ty = zeroY - kFullScale * j / 10;
        p.drawLine(kAxisLeft, ty, kAxisLeft - 16, ty);
        drawText(p, QRect(656, ty - 40, 184, 92), Qt::AlignRight | Qt::AlignTop, QString::number(j * axisTop / 10));
    }
    for (int n = 0; n <= 13; ++n) {
        const int tx = kAxisLeft + 3 * kAxisSpan * n / 39;
        p.drawLine(tx, baseY - 92, tx, baseY - 108);
        drawText(p, QRect(tx - 40, baseY - 92, 92, 92), Qt::AlignCenter, QString::number(3 * n + 1));
    }
}

void DrawPrintTemplate::drawResultTable(QPainter &p, const ReportRecord &r)
{
    m_y += 368;
    p.setFont(reportFont(kTextPixels, kLabel));
    drawText(p, QRect(280, m_y, 320, 144), kLeft, tr("檢測結果："));
    m_y += 2 * 72 + 368;
    const int base = m_y;
    p.drawLine(kRuleLeft, base + 138, kRuleRight, base + 138);
    p.drawLine(571, base - 736, kRuleRight, base - 736);

    const int headerY = base - 880;
    drawText(p, QRect(500, headerY, 1000, 144), Qt::AlignCenter, tr("檢測項目"));
    drawText(p, QRect(1500, headerY, 500, 144), Qt::AlignCenter, tr("Ct值"));
    drawText(p, QRect(2000, headerY, 500, 144), Qt::AlignCenter, tr("結果"));
    drawText(p, QRect(2500, headerY, 1500, 144), Qt::AlignCenter, tr("參考標準"));

    p.setFont(reportFont(kTextPixels, kNormal));
    int top = static_cast<int>(base - 717.6);
    for (const QStringList &row : r.dataList) {
        drawResultRow(p, row, top);
        top += 104;
    }
    const QString reference = QStringList{tr("        Ct = 0: 陰性(-)"),    tr("  0 < Ct ≦ 10: 無效結果(建議重新檢測)"),
                                          tr(" 10 < Ct ≦ 20: 強陽性(+++)"), tr(" 20 < Ct ≦ 30: 陽性(++)"),
                                          tr(" 30 < Ct < 36: 弱陽性(+)"),   tr(" 36 ≦ Ct ≦40: 疑似(*)")}
                                  .join(QLatin1Char('\n'));
    drawText(p, QRect(2500, base - 736, 1500, 736), kLeft, reference);
    m_y = base + 138;
}

void DrawPrintTemplate::drawResultRow(QPainter &p, const QStringList &row, int top)
{
    drawText(p, QRect(500, top, 1000, 104), Qt::AlignCenter, at(row, 0));
    drawText(p, QRect(1500, top, 500, 104), Qt::AlignCenter, at(row, 1));
    drawText(p, QRect(2000, top, 500, 104), Qt::AlignCenter, at(row, 2));
}

void DrawPrintTemplate::drawResultNote(QPainter &p, const ReportRecord &)
{
    m_y += 92;
    p.setFont(reportFont(kTextPixels, kLabel));
    drawText(p, QRect(280, m_y, 3440, 92), kLeft, tr("結果說明:"));
    p.setFont(reportFont(kTextPixels, kNormal));
    m_y += 92;
    drawText(p, QRect(280, m_y, 3440, 92), kLeftTop, tr("1. 陽性結果：樣本中檢測到相關病原體基因；"));
    m_y += 92;
    drawText(p, QRect(280, m_y, 3440, 92), kLeftTop, tr("2. 陰性結果：樣本中無相關病原體基因或超出檢測最低極限；"));
    m_y += 92;
    drawText(p, QRect(280, m_y, 3440, 184), kLeftTop,
             tr("3. 檢測結果不直接作為臨床確診或排除病例的依據，僅供醫生參考輔助診斷。"));
    m_y += 184;
    rule(p, m_y);
}

void DrawPrintTemplate::drawReportDate(QPainter &p, const ReportRecord &r)
{
    m_y = static_cast<int>(m_y + 36.8);
    p.setFont(reportFont(kTextPixels, kNormal));
    // The report date ends where the doctor's label starts.
    drawText(p, QRect(700, m_y, 1360, 164), kLeft, at(r.hospitalInfo, 1));
    drawText(p, QRect(2480, m_y, 1400, 164), kLeft, at(r.hospitalInfo, 3));
    p.setFont(reportFont(kTextPixels, kBold));
    drawText(p, QRect(280, m_y, 380, 164), kLeft, tr("報告日期："));
    drawText(p, QRect(2060, m_y, 380, 164), kLeft, tr("主治醫師："));
    m_y = static_cast<int>(m_y + 184 + 36.8);
    rule(p, m_y);
}

void DrawPrintTemplate::drawStatement(QPainter &p, const ReportRecord &)
{
    m_y = static_cast<int>(m_y + 36.8);
    p.setFont(reportFont(kTextPixels, kBold));
    // The label ends where the statement starts.
    drawText(p, QRect(280, m_y, 192, 144), kLeft, tr("聲明: "));
    p.setFont(reportFont(kTextPixels, kNormal));
    drawText(
        p, QRect(472, m_y, 3440, 144), kLeft,
        tr("該檢測報告僅對本次檢體負責，結果僅供臨床參考。如對檢測結果有疑問，請於收到報告後3個工作日內與本院聯繫。"));
    m_y = static_cast<int>(m_y + 36.8);
}

void DrawPrintTemplate::drawPrintDate(QPainter &p, const ReportRecord &)
{
    m_y += 200;
    p.setFont(reportFont(kPrintDatePixels, kNormal));
    const QString text = tr("列印日期:") + QLocale::c().toString(m_clock ? m_clock() : QDateTime::currentDateTime(),
                                                                 QStringLiteral("yyyy/MM/dd hh:mm"));
    const QImage maker = cachedImage(makerLogoPath());
    if (!maker.isNull()) {
        const int width = static_cast<int>(double(maker.width()) / maker.height() * 432);
        p.drawImage(QRect(280, m_y, width, 432), maker);
    }
    m_y += 200;
    drawText(p, QRect(2000, m_y, 1720, 92), kRight, text);
    m_y += 92;
}
