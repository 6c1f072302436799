#include "support/testenv.h"

#include "core/systemconfig.h"
#include "review/drawprinttemplate.h"
#include "review/reportimages.h"
#include "shell/appearance.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTranslator>

#include <cmath>

namespace {

// The languages of SystemConfig/SystemLanguage 0 to 5, by their file suffix.
const QStringList kLanguages{"zh", "en", "sp", "zh_jt", "por", "jp"};

// Every fixed text of the page drawn as nothing: a page with no labels, over
// which a label is drawn in its cell to see what the page should show there.
class BlankLabels : public QTranslator
{
public:
    QString translate(const char *context, const char *, const char * = nullptr, int = -1) const override
    {
        return QByteArray(context) == "DrawPrintTemplate" ? QString(QChar(0x200B)) : QString();
    }
    bool isEmpty() const override { return false; }
};

// Alignments of the page's cells.
const int kLeft = Qt::AlignLeft | Qt::AlignVCenter;
const int kLeftTop = Qt::AlignLeft | Qt::AlignTop;
const int kCentre = Qt::AlignCenter;
const int kRightTop = Qt::AlignRight | Qt::AlignTop;

// One text cell of the page: where, how aligned, in which font.
struct Cell {
    QRect rect;
    int flags;
    int pixels;
    int weight;
};

} // namespace

// Pixel checks on the painted page. Only rules, the logo, the axes and the
// curves are looked at: they do not depend on the installed fonts.
class TestDrawPrintTemplate : public QObject
{
    Q_OBJECT

private:
    static ReportRecord record(const QList<QList<int>> &curves = {})
    {
        ReportRecord r;
        r.petInfo = QStringList{"Owner", "Rex", "Dog", "2024.03.01", "Beagle", "M", "3", "Blood", "C-17"};
        r.symptom = QStringList{"fever\ncough"};
        for (int k = 0; k < curves.size(); ++k) {
            r.dataList << QStringList{"Item", "23.4", "++", "S1"};
            r.CurveData << curves.at(k);
        }
        r.hospitalInfo = QStringList{"Clinic", "2024.03.05", "555-0101", "Dr. Who", "1 Main St", "555-0100"};
        return r;
    }
    static QList<int> flat(int value) { return QList<int>().toVector().fill(value, 40).toList(); }

    static QImage paint(const ReportRecord &r)
    {
        QPixmap page(DrawPrintTemplate::kPageWidth, DrawPrintTemplate::kPageHeight);
        DrawPrintTemplate::getInstance()->drawReport(r, &page);
        return page.toImage().convertToFormat(QImage::Format_RGB32);
    }
    static bool dark(QRgb c) { return qGray(c) < 100; }

    // `image` (which shows the page from `origin` on) with `text` drawn unclipped into `cell` (page coordinates) at a
    // pixel size, as a painter draws it on the page.
    static QImage withText(QImage image, const QPoint &origin, const Cell &cell, int pixels, const QString &text)
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(reportPen());
        p.setFont(reportFont(pixels, cell.weight));
        p.drawText(cell.rect.translated(-origin), cell.flags | Qt::TextDontClip, text);
        p.end();
        return image;
    }
    // Bounding box of the pixels where two images differ.
    static QRect differences(const QImage &a, const QImage &b)
    {
        int left = a.width(), right = -1, top = -1, bottom = -1;
        const int width = a.width();
        for (int y = 0; y < a.height(); ++y) {
            const QRgb *la = reinterpret_cast<const QRgb *>(a.constScanLine(y));
            const QRgb *lb = reinterpret_cast<const QRgb *>(b.constScanLine(y));
            if (memcmp(la, lb, width * sizeof(QRgb)) == 0)
                continue;
            for (int x = 0; x < width; ++x) {
                if (la[x] != lb[x]) {
                    left = qMin(left, x);
                    right = qMax(right, x);
                }
            }
            if (top < 0)
                top = y;
            bottom = y;
        }
        return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
    }
    // The same picture, but for the anti-aliasing of glyph edges.
    static bool alike(const QImage &a, const QImage &b)
    {
        return a.size() == b.size() && glyphDifferences(a, b).isNull();
    }
    // Where the text's ink goes when drawn unclipped in the cell at a size.
    static QRect inkOf(const Cell &cell, int pixels, const QString &text)
    {
        const QFont f = reportFont(pixels, cell.weight);
        const QRect region = QFontMetrics(f)
                                 .boundingRect(cell.rect, cell.flags | Qt::TextDontClip, text)
                                 .united(cell.rect)
                                 .adjusted(-pixels, -pixels, pixels, pixels);
        QImage white(region.size(), QImage::Format_RGB32);
        white.fill(Qt::white);
        return differences(white, withText(white, region.topLeft(), cell, pixels, text)).translated(region.topLeft());
    }
    // The text at a size stays inside the cell: its ink, and across its
    // advance with a quarter of the size to spare (apart from the next cell).
    static bool fitsCell(const Cell &cell, int pixels, const QString &text)
    {
        const QFontMetrics metrics(reportFont(pixels, cell.weight));
        const int across = metrics.boundingRect(cell.rect, cell.flags | Qt::TextDontClip, text).width();
        if (across > cell.rect.width() - pixels / 4)
            return false;
        const QRect ink = inkOf(cell, pixels, text);
        return ink.isNull() || cell.rect.contains(ink);
    }
    // What the page reads in a cell: the largest pixel size, from the cell's own down, at which the text drawn over
    // `base` gives the page's pixels over the region (the cell unless given), and which fits the cell: the text whole
    // and in its cell. 0 when there is none.
    static int shownSize(const QImage &page, const QImage &base, const Cell &cell, const QString &text,
                         QRect region = QRect())
    {
        if (region.isNull())
            region = cell.rect;
        region &= page.rect();
        const QImage shown = page.copy(region);
        for (int pixels = cell.pixels; pixels >= 8; --pixels) {
            if (!alike(withText(base.copy(region), region.topLeft(), cell, pixels, text), shown))
                continue;
            return fitsCell(cell, pixels, text) ? pixels : 0;
        }
        return 0;
    }
    // The fixed texts of the page in the current language, in their cells: d is how much lower the rows from the
    // address down lie, hx where the address and phone rows start.
    static QList<QPair<Cell, QString>> labelCells(int d, int hx)
    {
        auto tr = [](const char *source) { return QCoreApplication::translate("DrawPrintTemplate", source); };

        const int table = 3920 + d; // the result table's Y
        const QString reference =
            QStringList{tr("        Ct = 0: 陰性(-)"),    tr("  0 < Ct ≦ 10: 無效結果(建議重新檢測)"),
                        tr(" 10 < Ct ≦ 20: 強陽性(+++)"), tr(" 20 < Ct ≦ 30: 陽性(++)"),
                        tr(" 30 < Ct < 36: 弱陽性(+)"),   tr(" 36 ≦ Ct ≦40: 疑似(*)")}
                .join('\n');
        return {
            {{{280, 92, 3440, 184}, kCentre, 111, 75}, tr("即時螢光PCR檢測報告")},
            {{{hx, 452 + d, 320, 144}, kLeft, 57, 75}, tr("醫院地址:")},
            {{{hx, 544 + d, 320, 144}, kLeft, 57, 75}, tr("醫院電話:")},
            {{{280, 728 + d, 320, 164}, kLeft, 57, 70}, tr("寵物主人：")},
            {{{1570, 728 + d, 320, 164}, kLeft, 57, 70}, tr("寵物品種：")},
            {{{2860, 728 + d, 320, 164}, kLeft, 57, 70}, tr("病歷號碼：")},
            {{{280, 866 + d, 320, 164}, kLeft, 57, 70}, tr("寵物名：")},
            {{{1570, 866 + d, 320, 164}, kLeft, 57, 70}, tr("寵物類型：")},
            {{{2860, 866 + d, 320, 164}, kLeft, 57, 70}, tr("連繫電話：")},
            {{{280, 1004 + d, 320, 164}, kLeft, 57, 70}, tr("寵物性別：")},
            {{{1570, 1004 + d, 320, 164}, kLeft, 57, 70}, tr("寵物年齡：")},
            {{{2860, 1004 + d, 320, 164}, kLeft, 57, 70}, tr("檢測時間：")},
            {{{280, 1142 + d, 320, 164}, kLeft, 57, 70}, tr("樣本類型：")},
            {{{280, 1372 + d, 480, 144}, kLeft, 57, 70}, tr("臨床症狀：")},
            {{{280, 2252 + d, 384, 144}, kLeft, 57, 70}, tr("擴增曲線：")},
            {{{280, 3408 + d, 320, 144}, kLeft, 57, 70}, tr("檢測結果：")},
            {{{500, table - 880, 1000, 144}, kCentre, 57, 70}, tr("檢測項目")},
            {{{1500, table - 880, 500, 144}, kCentre, 57, 70}, tr("Ct值")},
            {{{2000, table - 880, 500, 144}, kCentre, 57, 70}, tr("結果")},
            {{{2500, table - 880, 1500, 144}, kCentre, 57, 70}, tr("參考標準")},
            {{{2500, table - 736, 1500, 736}, kLeft, 57, 50}, reference},
            {{{280, 4150 + d, 3440, 92}, kLeft, 57, 70}, tr("結果說明:")},
            {{{280, 4242 + d, 3440, 92}, kLeftTop, 57, 50}, tr("1. 陽性結果：樣本中檢測到相關病原體基因；")},
            {{{280, 4334 + d, 3440, 92}, kLeftTop, 57, 50},
             tr("2. 陰性結果：樣本中無相關病原體基因或超出檢測最低極限；")},
            {{{280, 4426 + d, 3440, 184}, kLeftTop, 57, 50},
             tr("3. 檢測結果不直接作為臨床確診或排除病例的依據，僅供醫生參考輔助診斷。")},
            {{{280, 4646 + d, 380, 164}, kLeft, 57, 75}, tr("報告日期：")},
            {{{2060, 4646 + d, 380, 164}, kLeft, 57, 75}, tr("主治醫師：")},
            {{{280, 4902 + d, 192, 144}, kLeft, 57, 75}, tr("聲明: ")},
            {{{472, 4902 + d, 3440, 144}, kLeft, 57, 50},
             tr("該檢測報告僅對本次檢體負責，結果僅供臨床參考。如對檢測結果有疑問，請於收到報告後3個工作日內與本院聯繫"
                "。")},
            {{{2000, 5338 + d, 1720, 92}, Qt::AlignRight | Qt::AlignVCenter, 76, 50},
             tr("列印日期:") + "2024/03/05 14:07"},
        };
    }

    // Whites out the region's pixels, leaving what lies outside it.
    static QImage &outsideOf(QImage &image, const QRegion &region)
    {
        QPainter p(&image);
        for (const QRect &rect : region)
            p.fillRect(rect, Qt::white);
        return image;
    }
    static const QImage &whitePage()
    {
        static const QImage white = [] {
            QImage image(DrawPrintTemplate::kPageWidth, DrawPrintTemplate::kPageHeight, QImage::Format_RGB32);
            image.fill(Qt::white);
            return image;
        }();
        return white;
    }
    // The address and phone rows' cells overlap (144 high, 92 apart): each is read over its line's own height only.
    static QRect lineOf(const QRect &cell)
    {
        const int margin = qMax(0, (cell.height() - QFontMetrics(reportFont(57, 50)).height()) / 2 - 2);
        return cell.adjusted(0, margin, 0, -margin);
    }
    // shownSize, and the text at its own size when that fits the cell.
    static void checkCell(const QImage &page, const QImage &base, const Cell &cell, const QString &text,
                          const QString &what, int smallest = 8, QRect region = QRect())
    {
        const int shown = shownSize(page, base, cell, text, region);
        const QString at = QString("%1 \"%2\" at %3,%4").arg(what, text).arg(cell.rect.x()).arg(cell.rect.y());
        QVERIFY2(shown >= smallest, qPrintable(at + QString(": shown at %1").arg(shown)));
        if (fitsCell(cell, cell.pixels, text))
            QVERIFY2(shown == cell.pixels, qPrintable(at + ": fits, yet drawn smaller"));
    }
    static bool isRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80; }
    // Centre rows of the dark runs in one column.
    static QList<int> darkRuns(const QImage &img, int x)
    {
        QList<int> centres;
        int start = -1;
        for (int y = 0; y <= img.height(); ++y) {
            const bool d = y < img.height() && dark(img.pixel(x, y));
            if (d && start < 0)
                start = y;
            if (!d && start >= 0) {
                centres << (start + y) / 2;
                start = -1;
            }
        }
        return centres;
    }
    static void writeLogo(const QString &path, const QSize &size, QColor colour)
    {
        QImage logo(size, QImage::Format_RGB32);
        logo.fill(colour);
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QVERIFY(logo.save(path, "PNG"));
    }
    // A blue 2:1 hospital logo at a side of the header: none, left or right.
    static void useLogo(const QString &side)
    {
        if (side != "none")
            writeLogo(DrawPrintTemplate::hospitalLogoPath(), QSize(1000, 500), QColor(0, 0, 255));
        SystemConfig::getInstance()->setLogoPost(side == "right" ? 1 : 0);
    }
    // Each text reads in its cell (the header rows over their line's height only, the print date over a white page, its
    // clock being on both), and the page differs from `base` nowhere outside the cells.
    static void checkCells(QImage page, QImage base, const QList<QPair<Cell, QString>> &cells, const QString &what)
    {
        QRegion region;
        for (const auto &cell : cells) {
            const bool printDate = cell.first.pixels == 76;
            const bool headerRow = cell.first.rect.y() < 728 && cell.first.rect.height() == 144;
            checkCell(page, printDate ? whitePage() : base, cell.first, cell.second, what, 8,
                      headerRow ? lineOf(cell.first.rect) : QRect());
            region += cell.first.rect;
        }
        const QRect outside = differences(outsideOf(page, region), outsideOf(base, region));
        QVERIFY2(outside.isNull(),
                 qPrintable(QString("%1: ink outside the cells at %2,%3").arg(what).arg(outside.x()).arg(outside.y())));
    }

    // The report's family as the program sets it up at start ("Microsoft YaHei" mapped onto an installed CJK family)
    // or as the platform gives it.
    static QFont &platformFont()
    {
        static QFont font = QApplication::font();
        return font;
    }
    static void useFonts(const QString &setUp)
    {
        if (setUp == "program") {
            Appearance::installFontSubstitutions();
            QApplication::setFont(QFont(QStringLiteral("Microsoft YaHei"), 10));
        } else {
            QApplication::setFont(platformFont());
        }
    }
    // Bounding box of the ink where `page` is clearly darker than `base` (anti-aliased fringes left out), within the
    // region.
    static QRect inkBetween(const QImage &base, const QImage &page, const QRect &region)
    {
        QRect box;
        const QRect area = region & page.rect();
        for (int y = area.top(); y <= area.bottom(); ++y) {
            const QRgb *lb = reinterpret_cast<const QRgb *>(base.constScanLine(y));
            const QRgb *lp = reinterpret_cast<const QRgb *>(page.constScanLine(y));
            for (int x = area.left(); x <= area.right(); ++x)
                if (qGray(lb[x]) - qGray(lp[x]) > 96)
                    box |= QRect(x, y, 1, 1);
        }
        return box;
    }
    // A row for every value with the program's fonts and with the platform's.
    static void rowsInBothFonts(const char *column, const QStringList &values)
    {
        QTest::addColumn<QString>(column);
        QTest::addColumn<QString>("fonts");
        for (const QString &value : values)
            for (const QString fonts : {"program", "platform"})
                QTest::newRow(qPrintable(value + " " + fonts + " fonts")) << value << fonts;
    }
    static ReportRecord emptyRecord()
    {
        ReportRecord r;
        r.petInfo = QVector<QString>(9).toList();
        r.symptom = QStringList{QString()};
        r.hospitalInfo = QVector<QString>(6).toList();
        return r;
    }
    // Page regions (without a hospital logo) that hold one text each, as far as its ink may reach: the text's cell
    // across up to the next text, the line's own height (half the pitch either side of the centre) up and down.
    struct Place {
        QString name;
        QRect region;
    };
    static QRect around(int x, int right, int centreY, int halfPitch)
    {
        return QRect(QPoint(x - 60, centreY - halfPitch), QPoint(right, centreY + halfPitch - 1));
    }
    // The label cells of the header's address and phone rows and of the owner grid.
    static QList<Place> labelPlaces()
    {
        QList<Place> places{{"address label", around(280, 560, 512 + 72, 46)},
                            {"phone label", around(280, 560, 604 + 72, 46)}};
        const int cells[4] = {3, 3, 3, 1};
        for (int row = 0; row < 4; ++row)
            for (int c = 0; c < cells[row]; ++c)
                places << Place{QString("grid label %1,%2").arg(row + 1).arg(c + 1),
                                around(280 + 1290 * c, 280 + 1290 * c + 300, 788 + 138 * row + 82, 69)};
        return places;
    }
    // A record with one text in every field the places below show.
    static ReportRecord recordOf(const QString &text)
    {
        ReportRecord r = emptyRecord();
        r.petInfo = QVector<QString>(9, text).toList();
        r.hospitalInfo = QVector<QString>(6, text).toList();
        r.symptom = QStringList{text};
        return r;
    }
    // Where the values go: every field of the owner grid, the hospital fields and the symptom.
    static QList<Place> valuePlaces()
    {
        const QStringList grid[4] = {{"owner", "breed", "case number"},
                                     {"pet name", "pet type", "contact phone"},
                                     {"sex", "age", "test date"},
                                     {"sample type"}};
        QList<Place> places;
        for (int row = 0; row < 4; ++row)
            for (int c = 0; c < grid[row].size(); ++c)
                places << Place{grid[row][c], around(600 + 1290 * c, 600 + 1290 * c + 1200, 788 + 138 * row + 82, 69)};
        places << Place{"hospital name", QRect(QPoint(250, 312), QPoint(3760, 539))}
               << Place{"hospital address", around(600, 3760, 512 + 72, 46)}
               << Place{"hospital phone", around(600, 1960, 604 + 72, 46)}
               << Place{"symptom", QRect(QPoint(700, 1350), QPoint(3760, 1660))}
               << Place{"report date", QRect(QPoint(640, 4712), QPoint(2040, 4900))}
               << Place{"doctor", QRect(QPoint(2440, 4712), QPoint(3900, 4900))};
        return places;
    }

private slots:
    // A fixed print clock, and every text of the page drawn once both ways (directly and through the text cache): the
    // raster engine outlines a large glyph a little differently until it has met it in both.
    void initTestCase()
    {
        platformFont();
        DrawPrintTemplate *painter = DrawPrintTemplate::getInstance();
        painter->setClockForTesting([] { return QDateTime(QDate(2024, 3, 5), QTime(14, 7)); });
        for (bool caching : {false, true, false, true}) {
            painter->setCachingForTesting(caching);
            paint(record());
        }
    }
    void cleanup()
    {
        QApplication::setFont(platformFont());
        QFile::remove(DrawPrintTemplate::hospitalLogoPath());
        QFile::remove(DrawPrintTemplate::makerLogoPath());
        SystemConfig::getInstance()->setLogoPost(0);
    }

    // The seven full-width rules, seen at x = 260 where nothing else is drawn, are 60 pixels lower when there is no
    // usable logo. A 2:1 logo is 576 x 288 at y 364; only side 0 keeps it at the left.
    void rulesFollowTheLogo_data()
    {
        QTest::addColumn<QString>("logo");
        QTest::addColumn<int>("post");
        QTest::addColumn<int>("shift");
        QTest::addColumn<int>("left"); // of the logo; -1: none drawn
        QTest::newRow("no logo") << QString() << 0 << 60 << -1;
        QTest::newRow("logo left") << QString("png") << 0 << 0 << 280;
        QTest::newRow("logo right") << QString("png") << 1 << 0 << 3720 - 576;
        QTest::newRow("side seven") << QString("png") << 7 << 0 << 3720 - 576;
        QTest::newRow("negative side") << QString("png") << -1 << 0 << 3720 - 576;
        QTest::newRow("unreadable logo") << QString("garbage") << 0 << 60 << -1;
        QTest::newRow("empty logo file") << QString("empty") << 1 << 60 << -1;
    }
    void rulesFollowTheLogo()
    {
        QFETCH(QString, logo);
        QFETCH(int, post);
        QFETCH(int, shift);
        QFETCH(int, left);
        useLogo(logo == "png" ? "left" : "none");
        if (logo == "garbage")
            QVERIFY(TestEnv::writeFile(DrawPrintTemplate::hospitalLogoPath(), "\x89PNG not really an image"));
        else if (logo == "empty")
            QVERIFY(TestEnv::writeFile(DrawPrintTemplate::hospitalLogoPath(), QByteArray()));
        SystemConfig::getInstance()->setLogoPost(post);

        const QImage img = paint(record());
        QList<int> expected{728, 1280, 1608, 3040, 4058, 4610, 4866};
        for (int &y : expected)
            y += shift;
        QCOMPARE(darkRuns(img, 260), expected);
        // Each rule is 8 pixels thick and spans 248 to 3752.
        for (int y : expected) {
            QVERIFY2(dark(img.pixel(249, y)), qPrintable(QString::number(y)));
            QVERIFY2(dark(img.pixel(3751, y)), qPrintable(QString::number(y)));
            QVERIFY2(!dark(img.pixel(260, y - 6)), qPrintable(QString::number(y)));
            QVERIFY2(!dark(img.pixel(260, y + 6)), qPrintable(QString::number(y)));
        }
        QRect logoBox; // where the header is the logo's blue
        for (int y = 272; y < 728; ++y)
            for (int x = 248; x < 3752; ++x)
                logoBox |= img.pixel(x, y) == qRgb(0, 0, 255) ? QRect(x, y, 1, 1) : QRect();
        QCOMPARE(logoBox, left < 0 ? QRect() : QRect(left, 364, 576, 288));
    }

    // The maker logo sits at (280, 5138 + 60 without a hospital logo), 432 high, when its file is there.
    void makerLogo()
    {
        QVERIFY(!dark(paint(record()).pixel(300, 5300)));
        writeLogo(DrawPrintTemplate::makerLogoPath(), QSize(400, 200), Qt::black);
        const QImage img = paint(record());
        QVERIFY(dark(img.pixel(282, 5200)));
        QVERIFY(dark(img.pixel(280 + 860, 5595)));
        QVERIFY(!dark(img.pixel(280 + 870, 5300)));
        QVERIFY(!dark(img.pixel(300, 5194)));
        // An unreadable maker logo is left out; the page still paints.
        QVERIFY(TestEnv::writeFile(DrawPrintTemplate::makerLogoPath(), "BM garbage"));
        QVERIFY(!dark(paint(record()).pixel(300, 5300)));
    }

    // Axes, and the dotted threshold at the value 40 for the axis top that the largest value gives (at least 300, else
    // 5 % above it). The tick labels read 0 to the axis top in tenths up the chart's side and 1, 4 ... 40 along its
    // foot (with a logo: axis 2948, zero line 2820).
    void axesAndThreshold_data()
    {
        QTest::addColumn<int>("largest");
        QTest::addColumn<int>("thresholdY");
        QTest::addColumn<int>("axisTop");
        QTest::newRow("no curve") << -1 << 2665 << 300;
        QTest::newRow("exactly 300") << 300 << 2665 << 300;
        QTest::newRow("400 gives 420") << 400 << 2709 << 420;
        QTest::newRow("1000 gives 1050") << 1000 << 2775 << 1050;
    }
    void axesAndThreshold()
    {
        QFETCH(int, largest);
        QFETCH(int, thresholdY);
        QFETCH(int, axisTop);
        useLogo("left");
        QList<QList<int>> curves;
        if (largest >= 0) {
            QList<int> c = flat(0);
            c[39] = largest;
            curves << c;
        }
        const QImage img = paint(record(curves));
        // x axis at 2948 from 860 to 3436, y axis at 860 from 2948 up to 1660.
        for (int x : {870, 2000, 3430})
            QVERIFY2(dark(img.pixel(x, 2948)), qPrintable(QString::number(x)));
        QVERIFY(!dark(img.pixel(3445, 2948)));
        for (int y : {1662, 2200, 2940})
            QVERIFY2(dark(img.pixel(860, y)), qPrintable(QString::number(y)));
        QVERIFY(!dark(img.pixel(860, 1650)));

        int red = 0, white = 0;
        for (int x = 880; x < 3420; ++x) {
            const QRgb c = img.pixel(x, thresholdY);
            red += isRed(c);
            white += c == qRgb(255, 255, 255);
        }
        QVERIFY2(red > 600, qPrintable(QString("red %1 white %2").arg(red).arg(white)));
        QVERIFY2(white > 600, qPrintable(QString("red %1 white %2").arg(red).arg(white)));
        int redOff = 0;
        for (int x = 880; x < 3300; ++x) // left of the last point's rise
            redOff += isRed(img.pixel(x, thresholdY - 8)) + isRed(img.pixel(x, thresholdY + 8));
        QCOMPARE(redOff, 0);

        for (int j = 0; j <= 10; ++j) {
            const int ty = 2820 - 1160 * j / 10;
            const Cell cell{{656, ty - 40, 184, 92}, kRightTop, 57, 50};
            checkCell(img, whitePage(), cell, QString::number(j * axisTop / 10), "y label", 57,
                      QRect(672, ty - 40, 168, 92)); // clear of the section label's cell
        }
        for (int n = 0; n <= 13; ++n) {
            const int tx = 860 + 7728 * n / 39;
            const Cell cell{{tx - 40, 2948, 92, 92}, kCentre, 57, 50};
            // Below the axis line and above the section rule.
            checkCell(img, whitePage(), cell, QString::number(3 * n + 1), "x label", 57, QRect(tx - 40, 2954, 92, 78));
        }
    }

    // Row k of the curves is stroked in the k-th colour of the table.
    void curveColours()
    {
        const QStringList colours{"#FF3300", "#009933", "#0066FF", "#9900FF",
                                  "#FF3399", "#00FFFF", "#66FF00", "#FFFF00"};
        QList<QList<int>> curves;
        for (int k = 0; k < colours.size(); ++k)
            curves << flat(60 + 30 * k); // 232 + 116 k pixels above the zero line
        const QImage img = paint(record(curves));
        for (int k = 0; k < colours.size(); ++k) {
            for (int x : {2000, 3400}) // zero line at 2820, 60 lower without a logo
                QCOMPARE(QColor(img.pixel(x, 2880 - 232 - 116 * k)).name().toUpper(), colours.at(k));
        }
    }

    // The cached title, hospital name, print date and curves give the very pixels that drawing them afresh gives.
    void cachingKeepsThePixels_data()
    {
        QTest::addColumn<bool>("logo");
        QTest::addColumn<QString>("hospital");
        QTest::addColumn<int>("curves");
        QTest::newRow("logo, long name, eight noisy curves") << true << QString(34, QChar(0x91AB)) << 8;
        QTest::newRow("no logo, short name, one curve") << false << "Clinic" << 1;
        QTest::newRow("no curves") << true << "" << 0;
    }
    void cachingKeepsThePixels()
    {
        QFETCH(bool, logo);
        QFETCH(QString, hospital);
        QFETCH(int, curves);
        useLogo(logo ? "left" : "none");
        QList<QList<int>> data;
        quint32 seed = 7;
        for (int k = 0; k < curves; ++k) {
            QList<int> c;
            for (int i = 0; i < 40; ++i) {
                seed = seed * 1103515245u + 12345u;
                const int noise = int(seed >> 24) % 90;
                c << (k % 2 ? noise : int(17000 / (1 + std::exp(-(i - 20 - k) / 2.0))) + noise);
            }
            data << c;
        }
        ReportRecord r = record(data);
        r.hospitalInfo[0] = hospital;
        DrawPrintTemplate *painter = DrawPrintTemplate::getInstance();
        // Both sides come after a first paint (the raster engine's first meeting with a glyph).
        auto direct = [painter](const ReportRecord &record) {
            painter->setCachingForTesting(false);
            paint(record);
            const QImage image = paint(record);
            painter->setCachingForTesting(true);
            return image;
        };
        const QImage expected = direct(r);
        const quint64 reused = painter->reusedCurveCount();
        painter->prepareCurves(r.CurveData);
        QCOMPARE(paint(r), expected); // curves stroked beforehand
        QCOMPARE(paint(r), expected); // from the caches
        QCOMPARE(painter->reusedCurveCount(), reused + 2);

        // Changed curves, and a symptom text long enough to reach into the
        // chart, are painted as they are now, not as cached.
        if (!r.CurveData.isEmpty())
            r.CurveData[0][20] += 900;
        r.symptom[0] = QStringList(QVector<QString>(12, QStringLiteral("line")).toList()).join('\n');
        const QImage changed = direct(r);
        paint(record(data)); // the caches now hold the earlier page
        QCOMPARE(paint(r), changed);
    }

    // Every fixed text of the page, in every language and header layout, and every value of the record reads whole in
    // its own cell: at its own size where it fits, else at the largest size that does (same family and weight); nothing
    // of it is cut or lands outside its cell. The page against one with neither labels nor values.
    void textsReadInTheirCells_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("logo"); // none, left, right
        for (const QString &language : kLanguages)
            for (const QString logo : {"none", "left", "right"})
                QTest::newRow(qPrintable(language + " logo " + logo)) << language << logo;
    }
    void textsReadInTheirCells()
    {
        QFETCH(QString, language);
        QFETCH(QString, logo);
        useLogo(logo);
        // Short Chinese values without a logo, long Spanish ones beside one;
        // two result rows, clear of the result label's cell.
        ReportRecord r;
        if (logo == "none") {
            r.petInfo = QStringList{"王小明", "小黑", "犬", "2024.03.01", "米克斯", "公", "三歲", "全血", "A123456"};
            r.hospitalInfo =
                QStringList{"", "2024.03.05", "0912-345-678", "陳醫師", "台北市信義區松仁路100號", "02-2345-6789"};
            r.symptom = QStringList{"發燒\n咳嗽\n食慾不振"};
            r.dataList = {{"犬小病毒", "23.4", "++", "S1"}, {"犬瘟熱", "0", "-", "S2"}};
        } else {
            r.petInfo = QString("Alejandra Fernández de la Torre|Bartolomé|Perro mestizo|2024.03.01|Pastor alemán de "
                                "pelo largo|Hembra|3 años y 4 meses|Sangre entera EDTA|HC-2024-000017-ABCDEF")
                            .split('|');
            r.hospitalInfo = QString("|2024.03.05 (martes)|+34 600 123 456 / +34 911 222 333|Dra. María José Rodríguez "
                                     "de la Fuente y Villanueva|Avenida de la Universidad Complutense 123, Ciudad "
                                     "Universitaria, 28040 Madrid, Comunidad de Madrid, España, Unión Europea|+34 91 "
                                     "555 0100 ext. 2345 (urgencias veterinarias las 24 horas)")
                                 .split('|');
            r.symptom =
                QStringList{"Fiebre alta desde hace tres días, tos seca y persistente\nPérdida de apetito\nLetargo"};
            r.dataList = {{"Parvovirus canino tipo 2 (CPV-2a/2b/2c)", "23.4567", "++", "S1"},
                          {"Virus del moquillo canino", "0", "Invalid", "S2"}};
        }
        ReportRecord empty;
        empty.petInfo = QVector<QString>(9).toList();
        empty.symptom = QStringList{QString()};
        empty.hospitalInfo = QVector<QString>(6).toList();
        empty.dataList = QVector<QStringList>(r.dataList.size(), QVector<QString>(4).toList()).toList();

        QTranslator translator;
        const bool loaded = translator.load(QString("./app/lan/VNX03_%1.qm").arg(language));
        QVERIFY(loaded);
        BlankLabels blank;
        QCoreApplication::installTranslator(&blank);
        const QImage base = paint(empty);
        QCoreApplication::removeTranslator(&blank);
        QCoreApplication::installTranslator(&translator);
        const QImage page = paint(r);
        // Positions with a logo; without one, from the address down, 60 lower. A 2:1 logo at the left moves the address
        // and phone rows to x 968 (112 right of the logo); one at the right ends their values 112 short of it.
        const int d = logo == "none" ? 60 : 0;
        const int hx = logo == "left" ? 576 + 392 : 280;
        const int valuesRight = logo == "right" ? 3720 - 576 - 112 : 3720;
        QList<QPair<Cell, QString>> cells = labelCells(d, hx);
        QCoreApplication::removeTranslator(&translator);
        cells << qMakePair(Cell{{hx + 320, 452 + d, valuesRight - hx - 320, 144}, kLeft, 57, 50}, r.hospitalInfo[4])
              << qMakePair(Cell{{hx + 320, 544 + d, qMin(1280, valuesRight - hx - 320), 144}, kLeft, 57, 50},
                           r.hospitalInfo[5]);
        // The owner grid: label cells at 280, 1570 and 2860, values 320 on.
        const QList<QStringList> grid{{r.petInfo[0], r.petInfo[4], r.petInfo[8]},
                                      {r.petInfo[1], r.petInfo[2], r.hospitalInfo[2]},
                                      {r.petInfo[5], r.petInfo[6], r.petInfo[3]},
                                      {r.petInfo[7]}};
        for (int row = 0; row < grid.size(); ++row)
            for (int c = 0; c < grid[row].size(); ++c)
                cells << qMakePair(Cell{{600 + 1290 * c, 728 + d + 138 * row, 648, 164}, kLeft, 57, 50}, grid[row][c]);
        cells << qMakePair(Cell{{760, 1372 + d - 36, 2960, 236}, kLeft, 57, 50}, r.symptom[0])
              << qMakePair(Cell{{700, 4646 + d, 1360, 164}, kLeft, 57, 50}, r.hospitalInfo[1])
              << qMakePair(Cell{{2480, 4646 + d, 1400, 164}, kLeft, 57, 50}, r.hospitalInfo[3]);
        for (int k = 0; k < r.dataList.size(); ++k) {
            const int top = 3202 + d + 104 * k;
            cells << qMakePair(Cell{{500, top, 1000, 104}, kCentre, 57, 50}, r.dataList[k][0])
                  << qMakePair(Cell{{1500, top, 500, 104}, kCentre, 57, 50}, r.dataList[k][1])
                  << qMakePair(Cell{{2000, top, 500, 104}, kCentre, 57, 50}, r.dataList[k][2]);
        }
        checkCells(page, base, cells, language);
    }

    // The hospital name keeps to the band above the address row, whole: with a logo the band 292 to 452 beside it (a
    // name of more than 30 characters breaks after the 30th), without one the band 272 to 512 across the page's text
    // width. A name that does not fit is drawn at the largest size that does, never below half its own.
    void hospitalNameInItsBand_data()
    {
        QTest::addColumn<QString>("logo"); // none, left, right
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown"); // with the break where there is one
        const QString cjk = QString::fromUtf8("臺北市立動物醫院附設獸醫教學中心暨小動物急診加護與影像診斷部門分院");
        const QString latin = "Hospital Veterinario Universitario Complutense de Madrid, Clinica";
        for (const QString logo : {"none", "left", "right"}) {
            for (int length : {1, 25, 31, 45, 60}) {
                for (const QString &letters : {cjk, latin}) {
                    QString name;
                    while (name.size() < length)
                        name += letters;
                    name.truncate(length);
                    QString shown = name;
                    if (logo != "none" && length > 30)
                        shown.insert(30, '\n');
                    QTest::newRow(
                        qPrintable(QString("%1 %2 %3").arg(logo).arg(length).arg(letters == cjk ? "cjk" : "latin")))
                        << logo << name << shown;
                }
            }
        }
    }
    void hospitalNameInItsBand()
    {
        QFETCH(QString, logo);
        QFETCH(QString, name);
        QFETCH(QString, shown);
        useLogo(logo);
        ReportRecord r = record();
        r.hospitalInfo[0].clear();
        QImage base = paint(r);
        r.hospitalInfo[0] = name;
        QImage page = paint(r);
        const QRect band =
            logo == "none" ? QRect(280, 272, 3440, 240) : QRect(logo == "left" ? 576 + 392 : 280, 292, 2400, 160);
        checkCell(page, base, {band, kLeft, 93, 50}, shown, "hospital name", (93 + 1) / 2);
        // Nothing changes outside the band, but for the print date (its glyphs may be anti-aliased anew).
        const QRegion allowed = QRegion(band) + QRect(2000, 5300, 1720, 200);
        const QRect outside = differences(outsideOf(page, allowed), outsideOf(base, allowed));
        QVERIFY2(outside.isNull(), qPrintable(QString("ink at %1,%2").arg(outside.x()).arg(outside.y())));
    }

    // No label of the owner grid or of the header's address and phone rows is shrunk away, in any language, with the
    // program's fonts or the platform's: each one's ink is at least half as tall as the tallest label's. A label whose
    // glyphs reach past their advance (the foot of an A, the arms of a T, the tail of an f) is no narrower for it.
    void labelsKeepTheirSize_data() { rowsInBothFonts("language", kLanguages); }
    void labelsKeepTheirSize()
    {
        QFETCH(QString, language);
        QFETCH(QString, fonts);
        useFonts(fonts);
        BlankLabels blank;
        QCoreApplication::installTranslator(&blank);
        const QImage base = paint(emptyRecord());
        QCoreApplication::removeTranslator(&blank);
        QTranslator translator;
        const bool loaded = translator.load(QString("./app/lan/VNX03_%1.qm").arg(language));
        QVERIFY(loaded);
        QCoreApplication::installTranslator(&translator);
        const QImage page = paint(emptyRecord());
        QCoreApplication::removeTranslator(&translator);

        const QList<Place> places = labelPlaces();
        QList<int> heights;
        int tallest = 0;
        for (const Place &place : places) {
            heights << inkBetween(base, page, place.region).height();
            tallest = qMax(tallest, heights.last());
        }
        QVERIFY(tallest >= 20);
        for (int i = 0; i < places.size(); ++i)
            QVERIFY2(2 * heights[i] >= tallest, qPrintable(QString("%1: ink %2 high, the tallest label's %3")
                                                               .arg(places[i].name)
                                                               .arg(heights[i])
                                                               .arg(tallest)));
    }

    // Values whose first letter reaches past its advance read whole in every field that shows them: their ink is at
    // least 3/4 as tall and 3/5 as wide as that of the same text beginning with an M, with the program's fonts and the
    // platform's.
    void overhangingValuesStayWhole_data()
    {
        rowsInBothFonts("value", {"Jack", "Tobby", "Yvonne", "Apollo", "Av. Atlântica 10", "Leaf"});
    }
    void overhangingValuesStayWhole()
    {
        QFETCH(QString, value);
        QFETCH(QString, fonts);
        useFonts(fonts);
        const QImage base = paint(emptyRecord());
        const QImage page = paint(recordOf(value));
        const QImage likePage = paint(recordOf("M" + value.mid(1)));
        for (const Place &place : valuePlaces()) {
            const QRect ink = inkBetween(base, page, place.region);
            const QRect like = inkBetween(base, likePage, place.region);
            const QString at = QString("%1: ink %2 x %3, with an M %4 x %5")
                                   .arg(place.name)
                                   .arg(ink.width())
                                   .arg(ink.height())
                                   .arg(like.width())
                                   .arg(like.height());
            QVERIFY2(like.height() >= 20, qPrintable(at));
            QVERIFY2(4 * ink.height() >= 3 * like.height(), qPrintable(at));
            QVERIFY2(5 * ink.width() >= 3 * like.width(), qPrintable(at));
        }
    }

    // A value too wide for its field even at half its size is drawn at half its size, cut short at the field's end
    // (with an ellipsis) rather than run into the next label; with the program's fonts and the platform's.
    void tooWideValueHalvedAndCut_data()
    {
        QTest::addColumn<QString>("fonts");
        QTest::newRow("program fonts") << "program";
        QTest::newRow("platform fonts") << "platform";
    }
    void tooWideValueHalvedAndCut()
    {
        QFETCH(QString, fonts);
        useFonts(fonts);
        const QImage base = paint(emptyRecord());
        ReportRecord r = emptyRecord();
        r.petInfo[0] = "WWW";
        const QRect full = inkBetween(base, paint(r), valuePlaces().first().region);
        r.petInfo[0] = QString(80, 'W');
        const QRect ink = inkBetween(base, paint(r), valuePlaces().first().region);
        const QString at = QString("ink %1 x %2 from %3, \"WWW\" %4 high")
                               .arg(ink.width())
                               .arg(ink.height())
                               .arg(ink.x())
                               .arg(full.height());
        QVERIFY2(2 * ink.height() + 2 >= full.height(), qPrintable(at));
        QVERIFY2(4 * ink.width() >= 3 * 648, qPrintable(at));
        QVERIFY2(ink.right() < 600 + 648, qPrintable(at));
    }

    // A record short of its entries still paints: missing texts are empty.
    void shortRecordPaints()
    {
        ReportRecord r;
        r.CurveData << QList<int>{1, 2, 3};
        const QImage img = paint(r);
        QCOMPARE(darkRuns(img, 260).size(), 7);
    }
};

VIREON_TEST_MAIN(TestDrawPrintTemplate)
#include "tst_drawprinttemplate.moc"
