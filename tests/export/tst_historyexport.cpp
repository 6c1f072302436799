#include "export/workbookreader.h"
#include "pages/historyfixture.h"

#include "core/common.h"
#include "core/sampletext.h"
#include "database/dbmanage.h"
#include "pages/historydata.h"
#include "shell/widgets/messagedialog.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

using HistoryFixture::row;

namespace {
// Beside the executable, as the program's rule says: this test runs from a copy in its working folder.
const auto exportPath = [] { return QCoreApplication::applicationDirPath() + QStringLiteral("/原始数据.xls"); };
} // namespace

class TestHistoryExport : public QObject
{
    Q_OBJECT

    DbManage *m_db = nullptr;
    QList<QUrl> m_opened;

    QPushButton *exportButton() const
    {
        return HistoryData::getInstance()->findChild<QPushButton *>(QStringLiteral("exportData"));
    }

    // The three records, newest key first, as the workbook must list them.
    static QVector<DemoSampleRow> records()
    {
        QVector<DemoSampleRow> rows{
            row("2024030100001", "A&B<1>", "0", 0, "20240301", "091500", 41.0, 1),
            row("2024030100002", "say \"x\"|1", "9", 1, "20240301", "091500", 23.5, 2),
            row("2024030200001", "Rex;Smith", "15", 5, "20240302", "235959", 12.25, 6),
        };
        for (int n = 0; n < 3 * 40; ++n)
            rows[n / 40].data[n % 40] = quint16(1000 * (n / 40 + 1) + n % 40);
        return rows;
    }
    static QList<QStringList> expectedCells()
    {
        const QVector<DemoSampleRow> rows = records();
        const QStringList when{"2024年03月01日 09:15:00", "2024年03月01日 09:15:00", "2024年03月02日 23:59:59"};
        // The packed row's separators inside a text become their full-width forms.
        const QStringList ids{"A&B<1>", "say \"x\"｜1", "Rex；Smith"};
        QList<QStringList> out;
        for (int r = rows.size() - 1; r >= 0; --r) {
            const DemoSampleRow &d = rows.at(r);
            QStringList cells{QString::number(SampleText::wellNumber(d.pieId)), ids.at(r)};
            cells << Common::getInstance()->getItemName(d.panelType) << QString::number(d.ctvalue)
                  << SampleText::resultMark(d.result) << when.at(r);
            for (int i = 0; i < 40; ++i)
                cells << QString::number(d.data[i]);
            out << cells;
        }
        return out;
    }

public slots:
    void openUrl(const QUrl &url) { m_opened << url; }

private slots:
    void initTestCase()
    {
        m_db = new DbManage;
        QVERIFY(m_db->openDatabase());
        QVERIFY(m_db->checkTables());
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
        QVERIFY(HistoryFixture::replaceWith(records()));
        HistoryData::getInstance()->initWidget();
    }
    void cleanup()
    {
        m_opened.clear();
        MessageDialog::clearShownTexts();
        QDir().rmdir(exportPath());
        QFile::remove(exportPath());
    }
    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        delete m_db;
    }

    // The hidden button's clicked signal writes every done record, the 41.0 Ct kept as 41, and opens the file by a
    // proper file URL. A real spreadsheet program reads the export cell by cell.
    void exportWritesAndOpens()
    {
        QVERIFY(exportButton());
        QVERIFY(exportButton()->isHidden());
        emit exportButton()->clicked();
        QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(exportPath())});
        QVERIFY(MessageDialog::shownTexts().isEmpty());

        const Workbook book = readWorkbook(exportPath());
        QVERIFY2(book.wellFormed, qPrintable(book.error));
        QCOMPARE(book.sheetName, QString("历史数据"));
        QCOMPARE(book.columnWidths.size(), 46);
        QCOMPARE(book.columnWidths.mid(0, 7), QList<int>({50, 70, 70, 50, 50, 100, 50}));
        QStringList header{"孔位", "样本ID", "检测项", "Ct值", "结果", "日期/时间"};
        for (int i = 1; i <= 40; ++i)
            header << QString("数据%1").arg(i);
        const QList<QStringList> expected = QList<QStringList>{header} + expectedCells();
        QCOMPARE(book.allTexts(), QList<QStringList>{{"所有数据列表"}} + expected);
        for (int r = 2; r < 5; ++r)
            QCOMPARE(book.styles(r), QVector<QString>(46, "s_normal").toList());
        QCOMPARE(expected.last().at(3), QString("41"));

        const QString soffice = QStandardPaths::findExecutable("soffice");
        QVERIFY2(!soffice.isEmpty(), "soffice not found: install libreoffice-calc-nogui");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString copy = dir.filePath("export.xls");
        QVERIFY(QFile::copy(exportPath(), copy));
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(soffice,
                {"--headless", "--norestore", "--nologo",
                 "-env:UserInstallation=" + QUrl::fromLocalFile(dir.filePath("profile")).toString(), "--convert-to",
                 "csv:Text - txt - csv (StarCalc):9,0,76,1", "--outdir", dir.filePath("out"), copy});
        QVERIFY(p.waitForStarted(30000));
        const bool finished = p.waitForFinished(120000);
        p.kill();
        QVERIFY2(finished, "soffice did not finish in time");
        QFile csv(dir.filePath("out/export.csv")); // tab-separated, unquoted
        QVERIFY2(csv.open(QIODevice::ReadOnly), p.readAll().constData());
        QList<QStringList> cells;
        for (const QString &line : QString::fromUtf8(csv.readAll()).remove('\r').split('\n', Qt::SkipEmptyParts))
            cells << line.split('\t');
        QCOMPARE(cells.value(0).value(0), QString("所有数据列表"));
        QCOMPARE(cells.mid(1), expected);
    }

    // A file that cannot be written is reported and never opened.
    void failedExportIsReported()
    {
        QVERIFY(QDir().mkpath(exportPath()));
        MessageDialog::pushNextAnswer(1);
        emit exportButton()->clicked();
        QVERIFY(m_opened.isEmpty());
        QCOMPARE(MessageDialog::shownTexts().size(), 1);
        QVERIFY(MessageDialog::shownTexts().first().contains(QDir::toNativeSeparators(exportPath())));
    }
};

VIREON_TEST_MAIN_IN_WORKDIR_COPY(TestHistoryExport)
#include "tst_historyexport.moc"
