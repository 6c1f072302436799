#include "support/testenv.h"

#include "pages/historyfixture.h"

#include "app/vireon.h"
#include "core/systemconfig.h"
#include "database/sampleinfoaccess.h"
#include "database/sampleinfomodel.h"
#include "pages/historydata.h"
#include "review/samplequerydlg.h"
#include "shell/widgets/messagedialog.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

using HistoryFixture::row;

class TestSampleQueryDlg : public QObject
{
    Q_OBJECT

private:
    DbManage m_db;

    template <typename T> static T *child(QWidget *w, const char *name) { return w->findChild<T *>(name); }
    static void click(SampleQueryDlg *dlg) { QTest::mouseClick(child<QPushButton>(dlg, "btnQuery"), Qt::LeftButton); }
    static QDate day(int d) { return QDate(2024, 3, d); }
    // The history page in the real window, and the dialog its query button opens.
    static HistoryData *historyPage(Vireon &w)
    {
        w.switchFunctionWidgetSlot(IFunWidget::WGT_HISTROY);
        return qobject_cast<HistoryData *>(w.currentPage());
    }
    static SampleQueryDlg *openQuery(Vireon &w, HistoryData *page)
    {
        QTest::mouseClick(child<QPushButton>(page, "btnQuery"), Qt::LeftButton);
        return qobject_cast<SampleQueryDlg *>(w.currentDialog());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_db.openDatabase() && m_db.checkTables());
        QVERIFY(HistoryFixture::replaceWith({
            row("2024030100001", "1A", "0", 0, "20240301", "090000"),
            row("2024030100002", "1A", "1", 1, "20240301", "090000"),
            row("2024030100003", "21A9", "0", 2, "20240301", "100000"),
            row("2024030200001", "O'Brien", "0", 0, "20240302", "090000"),
            row("2024030200002", "O'Brien", "1", 1, "20240302", "090000"),
            row("2024030300001", "B1", "0", 0, "20240303", "090000"),
            row("2024030300002", "B1", "1", 0, "20240303", "090000", 41.0, 1, 0),
            row(QDate::currentDate().addDays(3).toString("yyyyMMdd") + "00001", "FUTURE", "0", 0,
                QDate::currentDate().addDays(3).toString("yyyyMMdd"), "090000"),
        }));
    }
    void cleanup()
    {
        if (HistoryData *page = HistoryData::getInstance())
            page->releaseInstance();
        MessageDialog::clearShownTexts();
    }

    // Only a live access object is accepted; anything else closes at once.
    void payloadMustBeTheAccessObject()
    {
        SampleInfoAccess access;
        QPointer<QObject> gone(new SampleInfoAccess);
        delete gone.data();
        QObject other;
        QVariantList refused{QVariant(int(quintptr(&access))), QVariant(-1), QVariant(), QVariant::fromValue(gone)};
        refused << QVariant::fromValue<QObject *>(&other) << QVariant::fromValue<QObject *>(nullptr);
        for (const QVariant &payload : refused) {
            SampleQueryDlg dlg;
            QSignalSpy events(&dlg, &IDialogWidget::sendEvent);
            dlg.updateDialog(payload);
            QCOMPARE(QList<QVariantList>(events), QList<QVariantList>{{int(IDialogWidget::DLG_EVENT_CLOSE)}});
        }

        TestEnv::seedIni({{"DateConfig/DateFormat", 4}});
        SampleQueryDlg dlg;
        QSignalSpy events(&dlg, &IDialogWidget::sendEvent);
        dlg.updateDialog(QVariant::fromValue<QObject *>(&access));
        QCOMPARE(events.count(), 0);
        QCOMPARE(child<QTabWidget>(&dlg, "tabWidget")->currentIndex(), 0);
        for (const char *name : {"nu_startDateEdit", "nu_endDateEdit", "nu_startDateEdit_4", "nu_endDateEdit_4"})
            QCOMPARE(qMakePair(child<QDateEdit>(&dlg, name)->displayFormat(), child<QDateEdit>(&dlg, name)->date()),
                     qMakePair(QString("dd-MM-yyyy"), QDate::currentDate()));
        TestEnv::seedIni({{"DateConfig/DateFormat", 0}});
    }

    // Each tab's checks: a refused query shows its message, sends nothing
    // and leaves the filter alone; an accepted one filters and updates. The
    // time tab ignores whatever the first tab's sample field holds.
    void queryChecks_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("sampleId");  // of the first tab
        QTest::addColumn<QString>("sampleId2"); // of the second tab
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("message"); // empty: accepted
        const QString dates = "起止日期輸入錯誤，請重新輸入!";
        const QString badId = "樣本ID輸入錯誤，請重新輸入!";
        const QString none = "未查詢到滿足條件的數據!";
        const QString a = "1A";
        QTest::newRow("sample and time, dates reversed") << 0 << a << QString() << 5 << 4 << dates;
        QTest::newRow("sample and time, no sample") << 0 << QString() << QString() << 5 << 5 << badId;
        QTest::newRow("sample and time, nothing found") << 0 << a << QString() << 5 << 5 << none;
        QTest::newRow("sample and time, one day") << 0 << a << QString() << 1 << 1 << QString();
        QTest::newRow("sample, no sample") << 1 << a << QString() << 1 << 1 << badId;
        QTest::newRow("sample, only a future run") << 1 << QString() << QString("FUTURE") << 1 << 1 << none;
        QTest::newRow("time, dates reversed") << 2 << QString() << QString() << 2 << 1 << dates;
        QTest::newRow("time, one day") << 2 << QString("O'Brien") << QString() << 1 << 1 << QString();
    }
    void queryChecks()
    {
        QFETCH(int, tab);
        QFETCH(QString, sampleId);
        QFETCH(QString, sampleId2);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, message);
        SampleInfoAccess access;
        SampleQueryDlg dlg;
        dlg.updateDialog(QVariant::fromValue<QObject *>(&access));
        QSignalSpy events(&dlg, &IDialogWidget::sendEvent);
        child<QTabWidget>(&dlg, "tabWidget")->setCurrentIndex(tab);
        child<QLineEdit>(&dlg, "ch_sampleIdLineEdit")->setText(sampleId);
        child<QLineEdit>(&dlg, "ch_sampleIdLineEdit_2")->setText(sampleId2);
        for (const char *name : {"nu_startDateEdit", "nu_startDateEdit_4", "nu_endDateEdit", "nu_endDateEdit_4"})
            child<QDateEdit>(&dlg, name)->setDate(day(QByteArray(name).contains("start") ? from : to));
        MessageDialog::pushNextAnswer(1); // a wrong message must not wait in a modal loop
        click(&dlg);
        const bool accepted = message.isEmpty();
        QCOMPARE(MessageDialog::shownTexts(), accepted ? QStringList() : QStringList{message});
        QCOMPARE(QList<QVariantList>(events),
                 accepted ? QList<QVariantList>{{int(IDialogWidget::DLG_EVENT_UPDATE)}} : QList<QVariantList>());
        QCOMPARE(qMakePair(access.m_bFilter, access.m_strFilter.isEmpty()), qMakePair(accepted, !accepted));
        if (!accepted)
            return;
        QCOMPARE(access.getModel(0, 100), 3);
        QStringList ids;
        for (const SampleInfoModel *m : access.m_listModel)
            ids << m->SampleId;
        QCOMPARE(ids, QStringList({"21A9", "1A", "1A"}));
    }

    // Page, dialog and the real window together: "1A" shows exactly what
    // the dialog counted, "O'Brien" finds its rows, and "取消查詢" restores
    // everything.
    void queryFiltersThePageThenCancels()
    {
        Vireon w;
        HistoryData *page = historyPage(w);
        auto *query = child<QPushButton>(page, "btnQuery");
        auto *counter = child<QLabel>(page, "testLab");
        QCOMPARE(counter->text(), QString("5/7"));

        for (const QString &id : {QString("1A"), QString("O'Brien")}) {
            SampleInfoAccess probe;
            const int expected = probe.getFilterCount(QDate(1970, 1, 1), QDate::currentDate(), id, QString());
            QVERIFY(expected > 0);
            QPointer<SampleQueryDlg> dlg = openQuery(w, page);
            QVERIFY(dlg);
            child<QTabWidget>(dlg, "tabWidget")->setCurrentIndex(1);
            child<QLineEdit>(dlg, "ch_sampleIdLineEdit_2")->setText(id);
            MessageDialog::pushNextAnswer(1);
            click(dlg);
            QVERIFY(MessageDialog::shownTexts().isEmpty());
            QTRY_VERIFY(!dlg);
            QCOMPARE(page->access()->m_listModel.size(), expected);
            for (const SampleInfoModel *m : page->access()->m_listModel)
                QVERIFY(m->SampleId.contains(id));
            QCOMPARE((QStringList{counter->text().section('/', 1), query->text(),
                                  QString::number(page->findChild<QTableView *>("tableView")->model()->rowCount())}),
                     (QStringList{QString::number(expected), "取消查詢", "7"}));
            QTest::mouseClick(query, Qt::LeftButton);
            QCOMPARE(query->text() + counter->text(), QString("查詢5/7"));
        }
        QCOMPARE(SampleInfoAccess::getCount(), 7);
    }

    // The dialog is not modal: the page (and its access object) may go
    // first; the dialog then closes itself, with or without a window.
    void dialogOutlivesPage()
    {
        Vireon w;
        HistoryData *page = historyPage(w);
        QPointer<SampleQueryDlg> dlg = openQuery(w, page);
        QVERIFY(dlg);
        page->releaseInstance();
        QSignalSpy events(dlg.data(), &IDialogWidget::sendEvent);
        child<QTabWidget>(dlg, "tabWidget")->setCurrentIndex(1);
        child<QLineEdit>(dlg, "ch_sampleIdLineEdit_2")->setText("1A");
        MessageDialog::pushNextAnswer(1);
        click(dlg);
        QVERIFY(MessageDialog::shownTexts().isEmpty());
        QCOMPARE(events.value(0).value(0).toInt(), int(IDialogWidget::DLG_EVENT_CLOSE));
        QTRY_VERIFY(!dlg);
        QVERIFY(!w.currentDialog());

        auto *access = new SampleInfoAccess;
        QPointer<SampleQueryDlg> lone = new SampleQueryDlg;
        lone->updateDialog(QVariant::fromValue<QObject *>(access));
        lone->show();
        delete access;
        click(lone);
        QTRY_VERIFY(!lone);
    }
};

VIREON_TEST_MAIN(TestSampleQueryDlg)
#include "tst_samplequerydlg.moc"
