#include "support/testenv.h"

#include "review/drawprinttemplate.h"
#include "review/reportimages.h"

#include <QPainter>

namespace {

// A text and the cell it is drawn in, centred, in a font.
struct Text {
    QRect cell;
    QString text;
    QFont font;
};

// A white page painted by `paint` as the painter sets it up: antialiased, its pen.
template <typename Paint> QImage pageOf(Paint paint)
{
    QImage page(DrawPrintTemplate::kPageWidth, DrawPrintTemplate::kPageHeight, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(reportPen());
    paint(p);
    p.end();
    return page;
}

// A white page with these lines and these texts centred in their cells.
QImage expectedPage(const QList<Text> &texts, const QList<QLine> &lines)
{
    return pageOf([&](QPainter &p) {
        for (const QLine &line : lines)
            p.drawLine(line);
        for (const Text &t : texts) {
            p.setFont(t.font);
            p.drawText(t.cell, Qt::AlignCenter | Qt::TextDontClip, t.text);
        }
    });
}

// "指標", "Ct值" and "結果" centred in three 1000 x 200 cells from x 280 at y.
QList<Text> indicatorTexts(int y, const QFont &font)
{
    return {{QRect(280, y, 1000, 200), QString::fromUtf8("指標"), font},
            {QRect(1280, y, 1000, 200), QString::fromUtf8("Ct值"), font},
            {QRect(2280, y, 1000, 200), QString::fromUtf8("結果"), font}};
}

// Where the page differs from one with these texts and lines; empty when nowhere.
QString differences(const QImage &page, const QList<Text> &texts, const QList<QLine> &lines)
{
    const QRect r = glyphDifferences(page, expectedPage(texts, lines));
    return r.isNull() ? QString()
                      : QString("differs in %1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

// The report painter's steps that the page layout does not use: each painted
// on a white page and compared with the same texts and lines drawn here
// directly where they belong.
class TestDrawPrintTemplateSteps : public QObject
{
    Q_OBJECT

private:
    DrawPrintTemplate *m_painter = nullptr;

private slots:
    void initTestCase()
    {
        m_painter = DrawPrintTemplate::getInstance();
        m_painter->setClockForTesting([] { return QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)); });
    }

    // The largest matching index at or below pos, searching down to 1 (0
    // when none: index 0 is never looked at); a position outside 1 to the
    // length finds nothing, one at the very end starts from the last character.
    void findCharBackward_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pos");
        QTest::addColumn<QChar>("c");
        QTest::addColumn<int>("found");
        QTest::newRow("nearest below pos") << "a.b.c.d" << 4 << QChar('.') << 3;
        QTest::newRow("at pos itself") << "a.b.c.d" << 5 << QChar('.') << 5;
        QTest::newRow("down to index 1") << "a.bcd" << 4 << QChar('.') << 1;
        QTest::newRow("none from index 1 up") << ".bcd" << 3 << QChar('.') << 0;
        QTest::newRow("pos below 0") << "a.b." << -1 << QChar('.') << 0;
        QTest::newRow("pos above the length") << "a.b." << 5 << QChar('.') << 0;
        QTest::newRow("pos at the length") << "a.b." << 4 << QChar('.') << 3;
        QTest::newRow("wide characters") << QString::fromUtf8("報告，日期，時間") << 7 << QChar(0xFF0C) << 5;
    }
    void findCharBackward()
    {
        QFETCH(QString, text);
        QFETCH(int, pos);
        QFETCH(QChar, c);
        QFETCH(int, found);
        QCOMPARE(DrawPrintTemplate::findCharBackward(text, pos, c), found);
    }

    // A position at the end starts from the last character: the one in
    // memory after the text (here a match) is never read.
    void findCharBackwardStaysInTheText()
    {
        static const QChar memory[] = {QChar('a'), QChar('.'), QChar('b'), QChar('.')};
        const QString text = QString::fromRawData(memory, 3); // "a.b"
        QCOMPARE(DrawPrintTemplate::findCharBackward(text, 3, QChar('.')), 1);
    }

    // A text that fits is left alone; a wider one becomes its middle-elided
    // form within the width, both returned and in the argument.
    void elideToWidth_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QFont>("font");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("fits");
        const QString latin = "Hospital Veterinario Universitario Complutense de Madrid";
        const QString cjk = QString::fromUtf8("臺北市立動物醫院附設獸醫教學中心暨小動物急診加護與影像診斷部門");
        for (const QFont &f : {reportFont(57, 50), reportFont(93, 70)}) {
            const QString size = QString::number(f.pixelSize());
            for (const QString &text : {latin, cjk}) {
                const QString name = (text == latin ? "latin " : "cjk ") + size;
                const int advance = QFontMetrics(f).horizontalAdvance(text);
                QTest::newRow(qPrintable(name + " fits exactly")) << text << f << advance << true;
                QTest::newRow(qPrintable(name + " too wide")) << text << f << advance / 2 << false;
            }
        }
    }
    void elideToWidth()
    {
        QFETCH(QString, text);
        QFETCH(QFont, font);
        QFETCH(int, width);
        QFETCH(bool, fits);
        QString argument = text;
        const QString returned = DrawPrintTemplate::elideToWidth(argument, font, width);
        QCOMPARE(argument, returned);
        if (fits) {
            QCOMPARE(returned, text);
            return;
        }
        QVERIFY(QFontMetrics(font).horizontalAdvance(returned) <= width);
        const int ellipsis = returned.indexOf(QChar(0x2026));
        QVERIFY2(ellipsis > 0, qPrintable(returned));
        QVERIFY2(ellipsis < returned.size() - 1, qPrintable(returned));
        // The start and the end of the text are kept about the ellipsis.
        QVERIFY(text.startsWith(returned.left(ellipsis)));
        QVERIFY(text.endsWith(returned.mid(ellipsis + 1)));
    }

    // "Real-time PCR Test Report" centred in a 4000 x 240 cell at the cursor,
    // 93 px at weight 70, and a rule 360 below the cursor, which moves there.
    void englishTitle()
    {
        m_painter->m_x = 150;
        m_painter->m_y = 1900;
        const QImage page = pageOf([this](QPainter &p) { m_painter->drawEnglishTitle(p, ReportRecord()); });

        QCOMPARE(m_painter->m_y, 2260);
        const QLine rule(252, 2260, 3748, 2260);
        const Text title{QRect(150, 1900, 4000, 240), "Real-time PCR Test Report", reportFont(93, 70)};
        QCOMPARE(differences(page, {title}, {rule}), QString());
        // The title left ink of its own: more than the rule.
        QVERIFY(!differences(page, {}, {rule}).isEmpty());
    }

    // The indicator header in whatever font the painter holds (the result
    // table below holds the header's place).
    void indicatorHeader()
    {
        const QFont font = reportFont(80, 50);
        const QImage page = pageOf([&](QPainter &p) {
            p.setFont(font);
            m_painter->drawIndicatorHeader(p, 300);
        });
        QCOMPARE(differences(page, indicatorTexts(300, font), {}), QString());
    }

    // Below the pet entries (200 a piece): the indicator header 520 down, a
    // line 720 down, the result rows from there 200 apart, a line under the
    // last row and under it the print time (in the configured date pattern)
    // and the statement, in two 2000 x 200 cells.
    void resultTableWithFooter_data()
    {
        QTest::addColumn<int>("petEntries");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("dateFormat");
        QTest::addColumn<QString>("printed");
        QTest::newRow("three entries, eight rows, dd-MM-yyyy") << 3 << 8 << 4 << "05-03-2024 14:07:09";
        QTest::newRow("no rows, yyyy/MM/dd") << 9 << 0 << 1 << "2024/03/05 14:07:09";
        QTest::newRow("date format out of range") << 0 << 1 << 9 << "2024-03-05 14:07:09";
    }
    void resultTableWithFooter()
    {
        QFETCH(int, petEntries);
        QFETCH(int, rows);
        QFETCH(int, dateFormat);
        QFETCH(QString, printed);
        TestEnv::seedIni({{"DateConfig/DateFormat", dateFormat}});
        ReportRecord r;
        r.petInfo = QVector<QString>(petEntries, "pet").toList();
        for (int k = 0; k < rows; ++k)
            r.dataList << QStringList{QString("Item %1").arg(k), QString::number(20 + k), "++", "S1"};
        const QFont cellFont = reportFont(57, 50);
        const QImage page = pageOf([&](QPainter &p) {
            p.setFont(cellFont);
            m_painter->drawResultTableWithFooter(p, r);
        });

        const int b = 200 * petEntries;
        QList<Text> texts = indicatorTexts(b + 520, cellFont);
        int top = b + 720;
        QList<QLine> lines{QLine(100, top, 3900, top)};
        for (const QStringList &row : r.dataList) {
            texts << Text{QRect(500, top, 1000, 104), row[0], cellFont}
                  << Text{QRect(1500, top, 500, 104), row[1], cellFont}
                  << Text{QRect(2000, top, 500, 104), row[2], cellFont};
            top += 200;
        }
        lines << QLine(100, top, 3900, top);
        texts << Text{QRect(0, top, 2000, 200), QString::fromUtf8("列印時間: ") + printed, cellFont}
              << Text{QRect(2000, top, 2000, 200), QString::fromUtf8("【本結果只對本次檢驗樣本負責】"), cellFont};
        QCOMPARE(differences(page, texts, lines), QString());
    }
};

VIREON_TEST_MAIN(TestDrawPrintTemplateSteps)
#include "tst_drawprinttemplatesteps.moc"
