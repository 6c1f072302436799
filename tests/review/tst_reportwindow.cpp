#include "support/testenv.h"

#include "pages/historyfixture.h"

#include "database/sampleinfoaccess.h"
#include "database/sampleinfomodel.h"
#include "pages/historydata.h"
#include "review/samplereportdlg.h"
#include "app/vireon.h"

#include <QPushButton>
#include <QTableView>

// The report through the real window: the history page's report action, the
// window's dialog routing and the real dialog factory.
class TestReportWindow : public QObject
{
    Q_OBJECT

private:
    DbManage *m_db = nullptr;

    static void selectKey(HistoryData *page, const QString &key)
    {
        auto *view = page->findChild<QTableView *>(QStringLiteral("tableView"));
        const QList<SampleInfoModel *> &models = page->access()->m_listModel;
        for (int r = 0; r < models.size(); ++r) {
            if (models.at(r)->Key == key) {
                view->selectionModel()->select(view->model()->index(r, 0),
                                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
                return;
            }
        }
        QFAIL(qPrintable("no row for " + key));
    }

private slots:
    void initTestCase()
    {
        m_db = new DbManage;
        QVERIFY(m_db->openDatabase());
        QVERIFY(m_db->checkTables());
        QVector<DemoSampleRow> rows = HistoryFixture::runs("RUN3", {"090000"}, 3, "20240301");
        rows += HistoryFixture::runs("RUN2", {"100000"}, 2, "20240302");
        QVERIFY(HistoryFixture::replaceWith(rows));
    }
    void cleanupTestCase() { delete m_db; }

    void reportActionOpensTheDialog()
    {
        Vireon w;
        w.show();
        w.switchFunctionWidgetSlot(IFunWidget::WGT_HISTROY);
        QPointer<HistoryData> page = qobject_cast<HistoryData *>(w.currentPage());
        QVERIFY(page);
        auto *report = page->findChild<QPushButton *>(QStringLiteral("btnReport1"));

        selectKey(page, "2024030100002");
        QVERIFY(report->isEnabled());
        QTest::mouseClick(report, Qt::LeftButton);
        QPointer<SampleReportDlg> first = qobject_cast<SampleReportDlg *>(w.currentDialog());
        QVERIFY(first);
        QCOMPARE(first->pairedKeys(), (QStringList{"2024030100003", "2024030100002", "2024030100001"}));
        QVERIFY(first->isVisible() && first->isWindow());
        QCOMPARE(first->windowTitle(), QString("報告"));
        QVERIFY(first->width() <= 1450 && first->height() <= 900);
        QCOMPARE(first->record().dataList.size(), 3);

        // A second request closes the first dialog and opens a new one.
        selectKey(page, "2024030200001");
        QTest::mouseClick(report, Qt::LeftButton);
        QPointer<SampleReportDlg> second = qobject_cast<SampleReportDlg *>(w.currentDialog());
        QVERIFY(second && second != first);
        QTRY_VERIFY(first.isNull());
        QCoreApplication::processEvents();
        QCOMPARE(w.currentDialog(), second.data());
        QCOMPARE(second->pairedKeys(), (QStringList{"2024030200002", "2024030200001"}));
        QCOMPARE(second->record().dataList.size(), 2);
        QVERIFY(page);

        // Closing it brings the page back with no dialog left.
        second->close();
        QTRY_VERIFY(second.isNull());
        QVERIFY(!w.currentDialog());
        QCOMPARE(w.currentPage(), page.data());
    }
};

VIREON_TEST_MAIN(TestReportWindow)
#include "tst_reportwindow.moc"
