#pragma once

// Shared by the report painter tests: the report's font and pen, and a
// comparison of two pictures of the page that forgives glyph edges.

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPen>

// The report's font: the application's family at a pixel size and weight.
inline QFont reportFont(int pixels, int weight)
{
    QFont f = QGuiApplication::font();
    f.setPixelSize(pixels);
    f.setWeight(weight);
    f.setItalic(false);
    return f;
}

// The pen the page is painted with: black, 8 pixels.
inline QPen reportPen()
{
    return QPen(QBrush(Qt::black), 8, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

// Where two pictures of one size differ by more than the anti-aliasing of a
// glyph edge (the raster engine rounds glyphs drawn through its cache a
// little differently; a glyph a pixel off, or another glyph, differs by far
// more): the bounding box, null when nowhere.
inline QRect glyphDifferences(const QImage &a, const QImage &b)
{
    QRect found;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb *la = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const QRgb *lb = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        if (memcmp(la, lb, a.width() * sizeof(QRgb)) == 0)
            continue;
        for (int x = 0; x < a.width(); ++x)
            if (qAbs(qGray(la[x]) - qGray(lb[x])) > 80)
                found |= QRect(x, y, 1, 1);
    }
    return found;
}
