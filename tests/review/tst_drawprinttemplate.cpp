#include "support/testenv.h"

#include "core/systemconfig.h"
#include "review/drawprinttemplate.h"

#include <QImage>
#include <QPixmap>

#include <cmath>

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

private slots:
    void cleanup()
    {
        QFile::remove(DrawPrintTemplate::hospitalLogoPath());
        QFile::remove(DrawPrintTemplate::makerLogoPath());
        SystemConfig::getInstance()->setLogoPost(0);
    }

    // The seven full-width rules, seen at x = 260 where nothing else is
    // drawn, are 60 pixels lower when there is no usable logo. A 2:1 logo
    // is 576 x 288 at y 364; only side 0 keeps it at the left.
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
        if (logo == "png")
            writeLogo(DrawPrintTemplate::hospitalLogoPath(), QSize(1000, 500), QColor(0, 0, 255));
        else if (logo == "garbage")
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
        auto blue = [&](int x, int y) { return img.pixel(x, y) == qRgb(0, 0, 255); };
        if (left < 0) {
            QVERIFY(!blue(280 + 288, 500));
            QVERIFY(!blue(3720 - 288, 500));
            return;
        }
        QVERIFY(blue(left + 2, 366));
        QVERIFY(blue(left + 573, 649));
        QVERIFY(blue(left + 288, 500));
        QVERIFY(!blue(left - 3, 500));
        QVERIFY(!blue(left + 579, 500));
        QVERIFY(!blue(left + 288, 360));
        QVERIFY(!blue(left + 288, 655));
    }

    // The maker logo sits at (280, 5138 + 60 without a hospital logo), 432
    // high, when its file is there.
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

    // Axes, and the dotted threshold at the value 40 for the axis top that
    // the largest value gives (at least 300, else 5 % above it).
    void axesAndThreshold_data()
    {
        QTest::addColumn<int>("largest");
        QTest::addColumn<int>("thresholdY");
        QTest::newRow("no curve") << -1 << 2665;
        QTest::newRow("below 300") << 120 << 2665;
        QTest::newRow("exactly 300") << 300 << 2665;
        QTest::newRow("400 gives 420") << 400 << 2709;
        QTest::newRow("1000 gives 1050") << 1000 << 2775;
    }
    void axesAndThreshold()
    {
        QFETCH(int, largest);
        QFETCH(int, thresholdY);
        writeLogo(DrawPrintTemplate::hospitalLogoPath(), QSize(1000, 500), Qt::darkGreen);
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

    // The cached title, hospital name, print date and curves give the very
    // pixels that drawing them afresh gives.
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
        if (logo)
            writeLogo(DrawPrintTemplate::hospitalLogoPath(), QSize(1000, 500), Qt::darkCyan);
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
        // The raster engine outlines a large glyph slightly differently the
        // first time it meets it: both sides come after a first paint.
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
