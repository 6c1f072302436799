#include "support/testenv.h"

#include "review/drawprinttemplate.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

namespace {

// A text and the cell it is drawn in, centred, in a font.
struct Text {
    QRect cell;
    QString text;
    QFont font;
};

} // namespace

// The report painter's steps that the page layout does not use: each painted
// on a white page and compared with the same texts and lines drawn here
// directly where they belong.
class TestDrawPrintTemplateSteps : public QObject
{
    Q_OBJECT

private:
    DrawPrintTemplate *m_painter = nullptr;

    static QFont font(int pixels, int weight)
    {
        QFont f = QGuiApplication::font();
        f.setPixelSize(pixels);
        f.setWeight(weight);
        f.setItalic(false);
        return f;
    }
    static QPen pagePen() { return QPen(QBrush(Qt::black), 8, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin); }
    static QImage whitePage()
    {
        QImage page(DrawPrintTemplate::kPageWidth, DrawPrintTemplate::kPageHeight, QImage::Format_RGB32);
        page.fill(Qt::white);
        return page;
    }
    // The page as the painter sets it up: antialiased, the black 8-pixel pen.
    static void setUp(QPainter &p)
    {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(pagePen());
    }
    // A white page with these texts centred in their cells and these lines.
    static QImage expectedPage(const QList<Text> &texts, const QList<QLine> &lines)
    {
        QImage page = whitePage();
        QPainter p(&page);
        setUp(p);
        for (const QLine &line : lines)
            p.drawLine(line);
        for (const Text &t : texts) {
            p.setFont(t.font);
            p.drawText(t.cell, Qt::AlignCenter | Qt::TextDontClip, t.text);
        }
        return page;
    }
    // Where two pages differ by more than the anti-aliasing of a glyph edge
    // (large glyphs are drawn through a cache, which rounds them a little
    // differently): the bounding box, null when nowhere.
    static QRect differences(const QImage &a, const QImage &b)
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
    static QString where(const QRect &r)
    {
        return QString("differs in %1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }

private slots:
    void initTestCase()
    {
        m_painter = DrawPrintTemplate::getInstance();
        m_painter->setClockForTesting([] { return QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)); });
    }

    // The first matching index at or below pos, searching down to 1: index 0
    // is never looked at, a position past the end finds nothing, one at the
    // very end starts from the last character.
    void findCharBackward_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pos");
        QTest::addColumn<QChar>("c");
        QTest::addColumn<int>("found");
        QTest::newRow("nearest below pos") << "a.b.c.d" << 4 << QChar('.') << 3;
        QTest::newRow("at pos itself") << "a.b.c.d" << 5 << QChar('.') << 5;
        QTest::newRow("down to index 1") << "a.bcd" << 4 << QChar('.') << 1;
        QTest::newRow("index 0 not tested") << ".bcd" << 3 << QChar('.') << 0;
        QTest::newRow("none") << "abcd" << 3 << QChar('x') << 0;
        QTest::newRow("case matters") << "aBcd" << 3 << QChar('b') << 0;
        QTest::newRow("above pos ignored") << "ab.d" << 1 << QChar('.') << 0;
        QTest::newRow("pos 0") << "a.b" << 0 << QChar('.') << 0;
        QTest::newRow("pos below 0") << "a.b" << -5 << QChar('.') << 0;
        QTest::newRow("pos above the length") << "a.b." << 5 << QChar('.') << 0;
        QTest::newRow("pos at the length") << "a.b." << 4 << QChar('.') << 3;
        QTest::newRow("pos at the length, no match") << "abc" << 3 << QChar('.') << 0;
        QTest::newRow("empty text") << "" << 0 << QChar('.') << 0;
        QTest::newRow("empty text, pos 1") << "" << 1 << QChar('.') << 0;
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
        for (const QFont &f : {font(57, 50), font(93, 70), font(20, 75)}) {
            const int advance = QFontMetrics(f).horizontalAdvance(latin);
            const QString size = QString::number(f.pixelSize());
            QTest::newRow(qPrintable("latin fits " + size)) << latin << f << advance + 10 << true;
            QTest::newRow(qPrintable("latin exactly " + size)) << latin << f << advance << true;
            QTest::newRow(qPrintable("latin too wide " + size)) << latin << f << advance / 2 << false;
            QTest::newRow(qPrintable("cjk fits " + size)) << cjk << f << QFontMetrics(f).horizontalAdvance(cjk) << true;
            QTest::newRow(qPrintable("cjk too wide " + size))
                << cjk << f << QFontMetrics(f).horizontalAdvance(cjk) / 3 << false;
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
    void englishTitle_data()
    {
        QTest::addColumn<QPoint>("cursor");
        QTest::newRow("page left") << QPoint(0, 400);
        QTest::newRow("cursor x moved") << QPoint(150, 1900);
    }
    void englishTitle()
    {
        QFETCH(QPoint, cursor);
        m_painter->m_x = cursor.x();
        m_painter->m_y = cursor.y();
        QImage page = whitePage();
        QPainter p(&page);
        setUp(p);
        m_painter->drawEnglishTitle(p, ReportRecord());
        p.end();

        QCOMPARE(m_painter->m_y, cursor.y() + 360);
        const QImage expected =
            expectedPage({{QRect(cursor.x(), cursor.y(), 4000, 240), "Real-time PCR Test Report", font(93, 70)}},
                         {QLine(252, cursor.y() + 360, 3748, cursor.y() + 360)});
        const QRect diff = differences(page, expected);
        QVERIFY2(diff.isNull(), qPrintable(where(diff)));
        // The title left ink of its own: more than the rule.
        const QImage ruleOnly = expectedPage({}, {QLine(252, cursor.y() + 360, 3748, cursor.y() + 360)});
        QVERIFY(differences(page, ruleOnly).isValid());
    }

    // "指標", "Ct值" and "結果" centred in three 1000 x 200 cells from x 280
    // at the given y, in whatever font the painter holds.
    void indicatorHeader_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<int>("y");
        QTest::newRow("57 px labels") << font(57, 70) << 2320;
        QTest::newRow("80 px normal") << font(80, 50) << 300;
    }
    void indicatorHeader()
    {
        QFETCH(QFont, font);
        QFETCH(int, y);
        QImage page = whitePage();
        QPainter p(&page);
        setUp(p);
        p.setFont(font);
        m_painter->drawIndicatorHeader(p, y);
        p.end();

        const QImage expected = expectedPage({{QRect(280, y, 1000, 200), QString::fromUtf8("指標"), font},
                                              {QRect(1280, y, 1000, 200), QString::fromUtf8("Ct值"), font},
                                              {QRect(2280, y, 1000, 200), QString::fromUtf8("結果"), font}},
                                             {});
        const QRect diff = differences(page, expected);
        QVERIFY2(diff.isNull(), qPrintable(where(diff)));
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
        QTest::newRow("nine entries, two rows") << 9 << 2 << 0 << "2024-03-05 14:07:09";
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
        const QFont cellFont = font(57, 50);
        QImage page = whitePage();
        QPainter p(&page);
        setUp(p);
        p.setFont(cellFont);
        m_painter->drawResultTableWithFooter(p, r);
        p.end();

        const int b = 200 * petEntries;
        QList<Text> texts{{QRect(280, b + 520, 1000, 200), QString::fromUtf8("指標"), cellFont},
                          {QRect(1280, b + 520, 1000, 200), QString::fromUtf8("Ct值"), cellFont},
                          {QRect(2280, b + 520, 1000, 200), QString::fromUtf8("結果"), cellFont}};
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
        const QRect diff = differences(page, expectedPage(texts, lines));
        QVERIFY2(diff.isNull(), qPrintable(where(diff)));
    }
};

VIREON_TEST_MAIN(TestDrawPrintTemplateSteps)
#include "tst_drawprinttemplatesteps.moc"
