#pragma once

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QString>

#include <functional>
#include <future>

#include "core/singleton.h"
#include "review/reportrecord.h"

class QPainter;
class QPixmap;

// Paints the one-page test report into a 4000 x 5600 page pixmap from one
// ReportRecord, and saves the painted page as the report image. Positions are
// page pixels; fonts are fixed pixel sizes so the page looks the same at every
// screen resolution.
class DrawPrintTemplate : public QObject
{
    Q_OBJECT
public:
    static constexpr int kPageWidth = 4000;
    static constexpr int kPageHeight = 5600;

    static DrawPrintTemplate *getInstance();

    void drawReport(const ReportRecord &record, QPixmap *page);

    // Saves the page as "./app/print/Sample.bmp" and returns that path; an
    // empty text when the page is missing or the file cannot be written.
    QString saveReportImage(QPixmap *page);

    static QString reportImagePath();
    static QString hospitalLogoPath();
    static QString makerLogoPath();

    // How many pages drawReport() painted since the program started.
    quint64 paintCount() const { return m_paintCount; }
    // How many of them took their curves ready-made.
    quint64 reusedCurveCount() const { return m_reusedCurves; }

    // Starts stroking these curves in a worker thread, so that the next page
    // painted with them finds them ready. The page is the same either way.
    void prepareCurves(const QList<QList<int>> &curves);

    // Drops the reused texts and curves (some 30 MB with a full chart); the
    // report dialog calls it when it closes.
    void releaseCaches();

    // Test seam: with caching off every text and curve is drawn afresh, so a
    // test can compare the cached page with the directly drawn one.
    void setCachingForTesting(bool on);

    // Test seam: the clock the print date is read from (the current local
    // date-time when unset).
    using Clock = std::function<QDateTime()>;
    void setClockForTesting(Clock clock) { m_clock = std::move(clock); }

private:
    friend class Singleton<DrawPrintTemplate>;
    explicit DrawPrintTemplate(QObject *parent = nullptr);

    // Font weights of the page, on Qt's 0-99 scale.
    static constexpr int kNormal = 50;
    static constexpr int kLabel = 70;
    static constexpr int kBold = 75;
    QFont reportFont(int pixelSize, int weight) const;
    // Text in the painter's font and pen. Sizes above the raster engine's
    // glyph cache are drawn as outlines, which costs milliseconds a line:
    // such a cell is rendered once and reused while its text stays the same.
    // A text too wide for its cell (by its advance, a quarter of the size
    // short of the cell's width) or taller than it (by its ink) is drawn at
    // the largest pixel size that fits (same family and weight), never below
    // half its own; one still too wide there has its lines cut short with an
    // ellipsis. Ink reaching past the advance by a glyph's overhang is no
    // reason to shrink; a text that fits is drawn as it is.
    void drawText(QPainter &p, const QRect &cell, int flags, const QString &text);
    // The painter's font, or the same font at the largest pixel size that
    // fits the cell (as above, at least half the size); sizes found are kept
    // per font, alignment, cell size and text.
    QFont fittedFont(const QFont &font, const QRect &cell, int flags, const QString &text);
    void drawFittedText(QPainter &p, const QRect &cell, int flags, const QString &text);
    void rule(QPainter &p, int y) const;
    // The decoded image of a file, kept until the file changes. A missing,
    // unreadable or empty image gives a null image.
    QImage cachedImage(const QString &path);

    void drawTitle(QPainter &p, const ReportRecord &r);
    void drawHospitalInfo(QPainter &p, const ReportRecord &r);
    void drawPetInfo(QPainter &p, const ReportRecord &r);
    void drawSymptom(QPainter &p, const ReportRecord &r);
    void drawCurveBlock(QPainter &p, const ReportRecord &r);
    void drawCurve(QPainter &p, const ReportRecord &r, int baseY);
    void drawResultTable(QPainter &p, const ReportRecord &r);
    void drawResultRow(QPainter &p, const QStringList &row, int top);
    void drawResultNote(QPainter &p, const ReportRecord &r);
    void drawReportDate(QPainter &p, const ReportRecord &r);
    void drawStatement(QPainter &p, const ReportRecord &r);
    void drawPrintDate(QPainter &p, const ReportRecord &r);

    // Further steps of the page that the current layout does not use (see
    // drawprinttemplatesteps.cpp): an English title line, a result table
    // under an indicator header with a print-time footer, and two text
    // helpers. The steps test reaches them as a friend.
    friend class TestDrawPrintTemplateSteps;
    void drawEnglishTitle(QPainter &p, const ReportRecord &r);
    static int findCharBackward(const QString &text, int pos, QChar c);
    void drawIndicatorHeader(QPainter &p, int y);
    static QString elideToWidth(QString &text, const QFont &font, int maxWidth);
    void drawResultTableWithFooter(QPainter &p, const ReportRecord &r);

    // The running cursor: y is the position, x/width/height scratch.
    int m_x = 0;
    int m_y = 0;
    int m_width = 0;
    int m_height = 0;
    QString m_fontFamily; // empty: the application's default family

    struct CachedImage {
        QDateTime modified;
        qint64 size = -1;
        QImage image;
    };
    QHash<QString, CachedImage> m_images;
    struct CachedText {
        QPoint offset; // of the image from the cell's top left
        QImage image;
    };
    QHash<QString, CachedText> m_textCells;
    // Fitted pixel sizes of texts that did not fit their cells.
    QHash<QString, int> m_fittedSizes;
    Clock m_clock;
    // The chart area before and after its curves and threshold line were
    // stroked: they change only with the record's curves, not with the typing
    // in the form. Reused only over the very same pixels, so the page is the
    // one direct strokes give.
    struct CurveLayer {
        bool valid = false;
        QList<QList<int>> curves;
        int baseY = 0;
        QRect rect;
        QImage under;
        QImage over;
    };
    QPixmap *m_target = nullptr; // the page being painted
    CurveLayer m_curveLayer;
    std::future<CurveLayer> m_pending;
    static CurveLayer buildCurveLayer(const QList<QList<int>> &curves, int baseY);
    bool m_caching = true;
    quint64 m_paintCount = 0;
    quint64 m_reusedCurves = 0;
};
