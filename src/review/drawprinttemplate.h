#pragma once

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QString>

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

private:
    explicit DrawPrintTemplate(QObject *parent = nullptr);

    QFont reportFont(int pixelSize, int weight) const;
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
    quint64 m_paintCount = 0;
};
