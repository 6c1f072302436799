#include "app/appstartup.h"
#include "app/vireon.h"
#include "core/messageids.h"
#include "core/sampletext.h"
#include "core/systemconfig.h"
#include "database/dbmanage.h"
#include "database/demodatabuilder.h"
#include "link/transferprogress.h"
#include "shell/appearance.h"
#include "shell/navigationlist.h"
#include "support/testenv.h"

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

// What the history page shows in every language and display size, read off the real window: texts that must differ do,
// nothing touches its neighbour, and the percentage is never dark text on the crimson bar.
class TstScreenTexts : public QObject
{
    Q_OBJECT
    DbManage m_db;

    static bool isChunk(QRgb p) { return qRed(p) > 140 && qGreen(p) < 70 && qBlue(p) < 100; }
    // The core of dark grey text: a neutral, dark pixel.
    static bool isDarkText(QRgb p)
    {
        return qRed(p) < 120 && qAbs(qRed(p) - qGreen(p)) < 16 && qAbs(qGreen(p) - qBlue(p)) < 16;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(DemoDataBuilder::build(DbManage::databasePath(), 3, 5) > 0);
        QVERIFY(m_db.openDatabase());
        AppStartup::installApplicationFont();
    }

    void historyPageTexts_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("fontSize");
        for (int language = 0; language < 6; ++language)
            for (int fontSize : {0, 1, 2})
                QTest::addRow("language %d, size %d", language, fontSize) << language << fontSize;
    }

    void historyPageTexts()
    {
        QFETCH(int, language);
        QFETCH(int, fontSize);
        SystemConfig::getInstance()->setSystemLanguage(language);
        SystemConfig::getInstance()->setFontSize(quint8(fontSize));
        QTranslator translator;
        QVERIFY(translator.load(Appearance::translationFile(language)));
        QCoreApplication::installTranslator(&translator); // removed again by its destructor

        const QStringList invalidMarks{"無效", "Invalid", "Inválido", "无效", "Inválido", "無効"};
        QCOMPARE(SampleText::resultMark(5), invalidMarks.at(language));

        Vireon w;
        w.switchFunctionWidgetSlot(IFunWidget::WGT_HISTROY);
        w.resize(fontSize == 2 ? 1300 : 1100, fontSize == 2 ? 850 : 700);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        IFunWidget *page = w.currentPage();
        page->netEventHandle(NetEvt_FileProgress, TransferProgress{100, 100}.encode());
        QCoreApplication::processEvents();

        // The update row and the fetch button say different things.
        auto *nav = w.findChild<QListWidget *>(QStringLiteral("navigationList"));
        auto *fetch = page->findChild<QPushButton *>(QStringLiteral("exportData_2"));
        const QString updateRow = nav->item(NavigationList::rowOfPage(IFunWidget::WGT_CHECK_UPDATE))->text();
        QVERIFY2(updateRow != fetch->text(), qPrintable(updateRow));
        QVERIFY2(fetch->sizeHint().width() <= fetch->width(), qPrintable(fetch->text()));

        // The status text keeps clear of the navigation panel and fits.
        auto *status = page->findChild<QLabel *>(QStringLiteral("serverStatusLabel"));
        const int navRight = nav->mapTo(&w, QPoint(nav->width(), 0)).x();
        const QRect text = status->contentsRect();
        const int textLeft = status->mapTo(&w, text.topLeft()).x() +
                             (text.width() - status->fontMetrics().horizontalAdvance(status->text())) / 2;
        QVERIFY2(textLeft - navRight >= 6, qPrintable(QString::number(textLeft - navRight)));
        QVERIFY2(status->fontMetrics().horizontalAdvance(status->text()) <= text.width(), qPrintable(status->text()));

        // At 100 % no dark text pixel lies over the bar's chunk.
        auto *bar = page->findChild<QProgressBar *>(QStringLiteral("serverProgressBar"));
        QCOMPARE(bar->value(), bar->maximum());
        const QImage image = bar->grab().toImage();
        int chunkLeft = image.width(), chunkRight = -1;
        QVector<int> textColumns; // of every dark text pixel
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (isChunk(image.pixel(x, y))) {
                    chunkLeft = qMin(chunkLeft, x);
                    chunkRight = qMax(chunkRight, x);
                }
                if (isDarkText(image.pixel(x, y)))
                    textColumns << x;
            }
        }
        QVERIFY(chunkRight > chunkLeft);
        QVERIFY(!textColumns.isEmpty()); // the percentage is shown
        QCOMPARE(std::count_if(textColumns.begin(), textColumns.end(),
                               [&](int x) { return x >= chunkLeft && x <= chunkRight; }),
                 0);
    }
};

VIREON_TEST_MAIN(TstScreenTexts)
#include "tst_screentexts.moc"
