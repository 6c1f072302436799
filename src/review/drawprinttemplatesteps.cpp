// Steps of the report painter that the page layout in drawprinttemplate.cpp
// does not call: an English title line, a result table with its own header
// and a print-time footer, and two text helpers.

#include "review/drawprinttemplate.h"

#include "core/common.h"
#include "core/systemconfig.h"

#include <QFontMetrics>
#include <QLocale>
#include <QPainter>

namespace {

constexpr int kEnglishTitlePixels = 93;

// Rows of the result table with footer are this far apart, and each line of
// the footer is this high.
constexpr int kTableRowPitch = 200;
constexpr int kTableLeft = 100;
constexpr int kTableRight = 3900;

} // namespace

void DrawPrintTemplate::drawEnglishTitle(QPainter &p, const ReportRecord &)
{
    p.setFont(reportFont(kEnglishTitlePixels, kLabel));
    drawText(p, QRect(m_x, m_y, 4000, 240), Qt::AlignCenter, tr("Real-time PCR Test Report"));
    m_y += 360;
    rule(p, m_y);
}

int DrawPrintTemplate::findCharBackward(const QString &text, int pos, QChar c)
{
    if (pos < 1 || pos > text.size())
        return 0;
    // A position at the very end names no character: the search starts at
    // the last one.
    for (int i = qMin(pos, text.size() - 1); i >= 1; --i) {
        if (text.at(i) == c)
            return i;
    }
    return 0;
}

void DrawPrintTemplate::drawIndicatorHeader(QPainter &p, int y)
{
    drawText(p, QRect(280, y, 1000, 200), Qt::AlignCenter, tr("指標"));
    drawText(p, QRect(1280, y, 1000, 200), Qt::AlignCenter, tr("Ct值"));
    drawText(p, QRect(2280, y, 1000, 200), Qt::AlignCenter, tr("結果"));
}

QString DrawPrintTemplate::elideToWidth(QString &text, const QFont &font, int maxWidth)
{
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(text) > maxWidth)
        text = metrics.elidedText(text, Qt::ElideMiddle, maxWidth);
    return text;
}

void DrawPrintTemplate::drawResultTableWithFooter(QPainter &p, const ReportRecord &r)
{
    const int base = kTableRowPitch * r.petInfo.size();
    drawIndicatorHeader(p, base + 520);
    int top = base + 720;
    p.drawLine(kTableLeft, top, kTableRight, top);
    for (const QStringList &row : r.dataList) {
        drawResultRow(p, row, top);
        top += kTableRowPitch;
    }
    p.drawLine(kTableLeft, top, kTableRight, top);

    const QString pattern = Common::getInstance()->getDateFormatString(SystemConfig::getInstance()->getDateFormat()) +
                            QStringLiteral(" HH:mm:ss");
    const QString printed = QLocale::c().toString(m_clock ? m_clock() : QDateTime::currentDateTime(), pattern);
    drawText(p, QRect(0, top, 2000, kTableRowPitch), Qt::AlignCenter,
             QStringLiteral("%1: %2").arg(tr("列印時間"), printed));
    drawText(p, QRect(2000, top, 2000, kTableRowPitch), Qt::AlignCenter, tr("【本結果只對本次檢驗樣本負責】"));
}
