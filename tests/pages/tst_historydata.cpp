#include "support/testenv.h"

#include "pages/historyfixture.h"
#include "pages/pagefixture.h"
#include "shell/appearance.h"

#include "app/vireon.h"
#include "core/common.h"
#include "core/debuglog.h"
#include "core/lograte.h"
#include "core/messageids.h"
#include "core/systemconfig.h"
#include "database/sampleinfoaccess.h"
#include "database/sampleinfomodel.h"
#include "link/filereceiver.h"
#include "link/netframe.h"
#include "link/netlportproc.h"
#include "link/transferprogress.h"
#include "pages/historydata.h"
#include "shell/idialogwidget.h"
#include "shell/linkstatusindicator.h"
#include "shell/widgets/choosedialog.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <QUdpSocket>

using HistoryFixture::row;

// How an upload asked for on the history page ends.
struct FetchEnd {
    const char *name;
    QString misbehave; // of the fake instrument
    bool badFile, connect, dialogOpen, succeeds;
};
Q_DECLARE_METATYPE(FetchEnd)

class TestHistoryData : public QObject
{
    Q_OBJECT

private:
    DbManage *m_db = nullptr;
    HistoryData *m_page = nullptr;
    // What the fake instrument uploads, on ports of this run's own.
    QString m_goodUpload, m_badUpload;
    int m_goodRows = 0;
    // The program's side of the instrument port (held until the first main
    // window binds it) and the upload port it listens on beside the hold.
    std::unique_ptr<HeldPort> m_programSide, m_upload;
    quint16 m_udpPort = 0, m_tcpPort = 0;

    HistoryData *openPage()
    {
        m_page = HistoryData::getInstance();
        m_page->resize(800, 480);
        m_page->initWidget();
        m_page->show();
        if (!QTest::qWaitForWindowExposed(m_page))
            qWarning("page not exposed");
        return m_page;
    }
    QTableView *view() const { return PageFixture::child<QTableView>(m_page, "tableView"); }
    QPushButton *button(const char *name) const { return PageFixture::child<QPushButton>(m_page, name); }
    QString text(int r, int c) const { return view()->model()->index(r, c).data().toString(); }
    QString counter() const { return PageFixture::child<QLabel>(m_page, "testLab")->text(); }
    // Enabled: query, report, curve.
    QList<bool> buttons() const
    {
        return {button("btnQuery")->isEnabled(), button("btnReport1")->isEnabled(), button("btnCurve")->isEnabled()};
    }
    void select(int r, QItemSelectionModel::SelectionFlags how = QItemSelectionModel::ClearAndSelect)
    {
        view()->selectionModel()->select(view()->model()->index(r, 0), how | QItemSelectionModel::Rows);
    }
    int rowOf(const QString &key) const
    {
        const auto &list = m_page->access()->m_listModel;
        for (int r = 0; r < list.size(); ++r)
            if (list.at(r)->Key == key)
                return r;
        return -1;
    }
    // Right-clicks at `pos` (viewport coordinates) and, when the menu opens,
    // triggers action `choose` (-1: none). The actions' checked states as the
    // menu showed them; empty when no menu opened.
    QList<bool> contextMenuChecks(const QPoint &pos, int choose)
    {
        auto *menu = view()->findChild<QMenu *>();
        QList<bool> checks;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, this, [&]() {
            if (!menu->isVisible())
                return;
            watcher.stop();
            for (QAction *action : menu->actions())
                checks << action->isChecked();
            if (choose >= 0)
                menu->actions().at(choose)->trigger();
            menu->close();
        });
        watcher.start(5);
        QContextMenuEvent click(QContextMenuEvent::Mouse, pos, view()->viewport()->mapToGlobal(pos));
        QApplication::sendEvent(view()->viewport(), &click);
        return checks;
    }
    void progress(qint64 received, qint64 total)
    {
        m_page->netEventHandle(NetEvt_FileProgress, TransferProgress{received, total}.encode());
    }

private slots:
    void initTestCase()
    {
        m_db = new DbManage;
        QVERIFY(m_db->openDatabase());
        QVERIFY(m_db->checkTables());
        m_programSide = std::make_unique<HeldPort>(HeldPort::Udp, QStringLiteral("127.0.0.1"));
        m_upload = std::make_unique<HeldPort>(HeldPort::TcpBeside, QStringLiteral("127.0.0.1"));
        m_udpPort = m_programSide->port();
        m_tcpPort = m_upload->port();
        QVERIFY(m_udpPort);
        QVERIFY(m_tcpPort);
        TestEnv::seedIni({{QStringLiteral("NetConfig/HostAddress"), QStringLiteral("127.0.0.2")},
                          {QStringLiteral("NetConfig/HostPort"), QString::number(m_udpPort)}});
        NetlPortProc::setUploadPortForTesting(m_tcpPort);
        FileReceiver::setListenTimeoutMs(1500);
        FileReceiver::setIdleTimeoutMs(700);
        m_goodUpload = TestEnv::instance()->path(QStringLiteral("upload_good.db"));
        m_goodRows = DemoDataBuilder::build(m_goodUpload, 4, 7);
        QVERIFY(m_goodRows > 2);
        m_badUpload = TestEnv::instance()->path(QStringLiteral("upload_bad.db"));
        QVERIFY(TestEnv::writeFile(m_badUpload, QByteArray(3 * 4096, 'x')));
    }
    void cleanup()
    {
        if (HistoryData *page = HistoryData::getInstance())
            page->releaseInstance();
        m_page = nullptr;
        MessageDialog::clearShownTexts();
        SystemConfig::getInstance()->setTableViewOptType(0);
        SystemConfig::getInstance()->setSystemLanguage(0);
        SystemConfig::getInstance()->setFontSize(1);
        Appearance::applyStyle(1);
    }
    void cleanupTestCase() { delete m_db; }

    // Newest key first, every column's text, codes outside 0-5, the not-done
    // row left out, both date formats, the hidden export button.
    void rowsRenderedFromDatabase()
    {
        const QString d = "20240301", t = "091500";
        QVERIFY(HistoryFixture::replaceWith({
            row("2024030100001", "S1", "0", 0, d, t, 41.0),
            row("2024030100002", "S1", "7", 1, d, t, 40.99),
            row("2024030100003", "S1", "8", 2, d, t, 12.3456789),
            row("2024030100004", "S2", "15", 3, d, t, 0.0),
            row("2024030100005", "S2", "-1", 4, d, t, 30.5),
            row("2024030100006", "S2", "x", 5, d, t, 25.0),
            row("2024030100007", "S3", "3", 9, d, t, 22.0),
            row("2024030100008", "S3", "3", -3, d, t, 21.0),
            row("2024030200001", "NOTDONE", "1", 0, "20240302", t, 20.0, 1, 0),
        }));
        TestEnv::seedIni({{"DateConfig/DateFormat", 0}});
        openPage();
        QCOMPARE(view()->model()->rowCount(), 8);
        QCOMPARE(counter(), QString("1/8"));
        // Key order descending: well, sample, ct, mark.
        const QList<QStringList> expected{
            {"4", "S3", "21", ""},     {"4", "S3", "22", ""},   {"1", "S2", "25", "Invalid"},
            {"0", "S2", "30.5", "*"},  {"8", "S2", "0", "+++"}, {"1", "S1", "12.3457", "+"},
            {"8", "S1", "40.99", "-"}, {"1", "S1", "0", "++"},
        };
        const QString item = Common::getInstance()->getItemName(1);
        for (int r = 0; r < expected.size(); ++r) {
            const QStringList &e = expected[r];
            const QStringList cells{e[0], e[1], item, e[2], e[3], "2024-03-01 09:15:00"};
            for (int c = 0; c < cells.size(); ++c)
                QCOMPARE(text(r, c), cells[c]);
            QCOMPARE(view()->model()->index(r, 0).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        }
        QVERIFY(button("exportData")->isHidden());
        TestEnv::seedIni({{"DateConfig/DateFormat", 4}});
        m_page->initWidget();
        QCOMPARE(text(0, 5), QString("01-03-2024 09:15:00"));
        TestEnv::seedIni({{"DateConfig/DateFormat", 0}});
    }

    void counterAndBlankRows()
    {
        // Three runs, one of them two samples at the same second.
        QVector<DemoSampleRow> rows = HistoryFixture::runs("A", {"090000", "100000"}, 8);
        for (int i = 0; i < 8; ++i)
            rows << row(QString("2024030200%1").arg(i + 10, 3, 10, QChar('0')), i < 4 ? "B" : "C", QString::number(i),
                        0, "20240302", "080000");
        QVERIFY(HistoryFixture::replaceWith(rows));
        openPage();
        QCOMPARE(view()->model()->rowCount(), 24);
        QCOMPARE(counter(), QString("3/24"));
        m_page->releaseInstance();
        QVERIFY(HistoryFixture::clear());
        openPage();
        auto *model = qobject_cast<QStandardItemModel *>(view()->model());
        QCOMPARE(model->rowCount(), 100);
        QCOMPARE(counter(), QString("0/0"));
        QCOMPARE(buttons(), QList<bool>({false, false, false}));
        QCOMPARE(model->item(50, 0)->flags(), Qt::ItemFlags(Qt::ItemIsSelectable));
        QVERIFY(model->item(50, 0)->text().isEmpty());
        QVERIFY(!model->item(50, 5));
    }

    // The buttons follow the selection model at once (no repaint), and a blank
    // row selected through its empty date-time cell disables them and is
    // ignored by the actions.
    void buttonsFollowSelection()
    {
        QVector<DemoSampleRow> rows = HistoryFixture::runs("A", {"090000"}, 8);
        rows += HistoryFixture::runs("B", {"100000"}, 8, "20240305");
        QVERIFY(HistoryFixture::replaceWith(rows));
        openPage();
        select(3);
        QCOMPARE(buttons(), QList<bool>({true, true, true}));
        view()->selectionModel()->clearSelection();
        QCOMPARE(buttons(), QList<bool>({true, false, false}));
        // Filtered: 8 loaded records in 16 rows, rows 8-15 blank.
        m_page->access()->m_bFilter = true;
        m_page->access()->setFilter(QDate(2024, 3, 5), QDate(2024, 3, 5), "B", QString());
        m_page->updateWidget();
        QCOMPARE(view()->model()->rowCount(), 16);
        QCOMPARE(counter(), QString("1/8"));
        QCOMPARE(button("btnQuery")->text(), QString("取消查詢"));
        const QModelIndex blankDate = view()->model()->index(12, 5);
        view()->scrollTo(blankDate);
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, view()->visualRect(blankDate).center());
        QVERIFY(view()->selectionModel()->isSelected(blankDate));
        QCOMPARE(buttons(), QList<bool>({true, false, false}));
        QSignalSpy dialogs(m_page, &HistoryData::switchDialogWidget);
        m_page->on_btnCurve_clicked();
        m_page->on_btnReport1_clicked();
        QVERIFY(dialogs.isEmpty());
        QVERIFY(MessageDialog::shownTexts().isEmpty());
    }

    // Selection mode: pairing rows for a report, the double-click, the
    // context menu (on the first row too) that switches modes and stores them.
    void selectionModes()
    {
        QVector<DemoSampleRow> rows = HistoryFixture::runs("A", {"091500"}, 3, "20240301");
        rows += HistoryFixture::runs("B", {"100000"}, 2, "20240302");
        rows << row("2024030300001", "A", "5", 0, "20240302", "100000");
        QVERIFY(HistoryFixture::replaceWith(rows));
        SystemConfig::getInstance()->setTableViewOptType(1);
        openPage();
        QCOMPARE(view()->selectionMode(), QAbstractItemView::MultiSelection);
        QSignalSpy dialogs(m_page, &HistoryData::switchDialogWidget);
        // Three rows of two samples: choose the second sample (B).
        view()->clearSelection();
        select(rowOf("2024030100001"), QItemSelectionModel::Select);
        select(rowOf("2024030200002"), QItemSelectionModel::Select);
        select(rowOf("2024030200001"), QItemSelectionModel::Select);
        ChooseDialog::pushNextAnswer(1);
        m_page->on_btnReport1_clicked();
        QCOMPARE(ChooseDialog::lastItems() << ChooseDialog::lastText(),
                 QStringList({"A", "B", "選擇了多個樣本，\n請選擇需要列印報告的樣本"}));
        QCOMPARE(dialogs.count(), 1);
        QCOMPARE(dialogs.takeFirst().at(1).toStringList(), QStringList({"2024030200002", "2024030200001"}));
        // Cancelling the sample choice sends nothing and says nothing.
        ChooseDialog::pushNextAnswer(-1);
        m_page->on_btnReport1_clicked();
        QVERIFY(dialogs.isEmpty());
        QVERIFY(MessageDialog::shownTexts().isEmpty());
        // One sample at two test times: the time choice lists both.
        view()->clearSelection();
        select(rowOf("2024030100002"), QItemSelectionModel::Select);
        select(rowOf("2024030300001"), QItemSelectionModel::Select);
        ChooseDialog::pushNextAnswer(1);
        m_page->on_btnReport1_clicked();
        QCOMPARE(ChooseDialog::lastItems() << ChooseDialog::lastText(),
                 QStringList(
                     {"2024-03-01 09:15:00", "2024-03-02 10:00:00", "樣本測試時間不同，\n請選擇需要列印報告的時間"}));
        QCOMPARE(dialogs.takeFirst().at(1).toStringList(), QStringList{"2024030300001"});
        // A double-click clears the whole selection.
        select(1, QItemSelectionModel::Select);
        select(5, QItemSelectionModel::Select);
        QVERIFY(button("btnReport1")->isEnabled());
        emit view()->doubleClicked(view()->model()->index(2, 2));
        QVERIFY(!view()->selectionModel()->hasSelection());
        QVERIFY(!button("btnReport1")->isEnabled());
        auto *menu = view()->findChild<QMenu *>();
        QCOMPARE(menu ? menu->actions().size() : -1, 2); // smart mode, selection mode
        // Below the last row no menu opens.
        const QPoint belowRows(10, view()->viewport()->height() - 5);
        QVERIFY(!view()->indexAt(belowRows).isValid());
        QCOMPARE(contextMenuChecks(belowRows, -1), QList<bool>());
        // Over the first row it opens with the current mode checked; smart mode is chosen.
        select(3);
        QCOMPARE(contextMenuChecks(view()->visualRect(view()->model()->index(0, 1)).center(), 0),
                 QList<bool>({false, true}));
        QCOMPARE(TestEnv::iniValue("SystemConfig/TableViewOptType").toInt(), 0);
        QCOMPARE(view()->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(!view()->selectionModel()->hasSelection());
        QVERIFY(!menu->actions().at(0)->isChecked());
        // Smart mode: a double-click no longer clears the selection.
        select(3);
        emit view()->doubleClicked(view()->model()->index(3, 2));
        QVERIFY(view()->selectionModel()->hasSelection());
        // And back to selection mode through the menu.
        QCOMPARE(contextMenuChecks(view()->visualRect(view()->model()->index(0, 3)).center(), 1),
                 QList<bool>({true, false}));
        QCOMPARE(TestEnv::iniValue("SystemConfig/TableViewOptType").toInt(), 1);
        QCOMPARE(view()->selectionMode(), QAbstractItemView::MultiSelection);
    }

    // Reloads replace the model and selection model; nothing else accumulates.
    void progressAndReload()
    {
        QVERIFY(HistoryFixture::replaceWith(HistoryFixture::runs("A", {"090000"}, 5)));
        openPage();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const int actions = m_page->findChildren<QAction *>().size();
        const int selectionModels = m_page->findChildren<QItemSelectionModel *>().size();
        QProgressBar *bar = PageFixture::child<QProgressBar>(m_page, "serverProgressBar");
        QLabel *status = PageFixture::child<QLabel>(m_page, "serverStatusLabel");
        QSignalSpy commands(m_page, &HistoryData::sendCmd);
        QTest::mouseClick(button("exportData_2"), Qt::LeftButton);
        QCOMPARE(commands.count(), 1);
        QCOMPARE(commands.first().value(0).toInt(), int(Cmd_FetchDataFile));
        QCOMPARE(commands.first().value(1).toInt(), -1);
        QVERIFY(!button("exportData_2")->isEnabled());
        QAbstractItemModel *before = view()->model();
        QVERIFY(HistoryFixture::insert(HistoryFixture::runs("B", {"100000"}, 3, "20240310")));
        progress(1000, 5000);
        QCOMPARE(bar->maximum(), 5000);
        QCOMPARE(bar->value(), 1000);
        QCOMPARE(counter(), QString("1/5"));
        QCOMPARE(status->text(), QString("接收進度"));
        QCOMPARE(view()->model(), before);
        QVERIFY(!button("exportData_2")->isEnabled());
        m_page->netEventHandle(NetEvt_LinkState, QVariant(false));
        QCOMPARE(view()->model(), before);
        progress(5000, 5000);
        QCOMPARE(status->text(), QString("數據更新完成！"));
        QCOMPARE(counter(), QString("2/8"));
        QCOMPARE(view()->model()->rowCount(), 8);
        QVERIFY(button("exportData_2")->isEnabled());
        // From 2 GiB on both values are scaled together (the limits: tst_datapages).
        const qint64 gib = Q_INT64_C(1) << 30;
        progress(gib, 3 * gib);
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(qint64(bar->value()) * 3, qint64(bar->maximum()));
        for (int i = 0; i < 5; ++i) {
            progress(10, 10);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QCOMPARE(m_page->findChildren<QStandardItemModel *>().size(), 1);
        QCOMPARE(m_page->findChildren<QAction *>().size(), actions);
        QCOMPARE(m_page->findChildren<QItemSelectionModel *>().size(), selectionModels);
        select(2); // the buttons still follow the selection
        QVERIFY(button("btnReport1")->isEnabled());
    }

    void reportAndCurveActions()
    {
        // Smart mode: a run of 8 (the most a report takes), one of 9, and
        // two one-second-apart runs.
        QVector<DemoSampleRow> rows = HistoryFixture::runs("EIGHT", {"090000"}, 8, "20240301");
        rows += HistoryFixture::runs("NINE", {"090000"}, 9, "20240302");
        rows += HistoryFixture::runs("TWO", {"120000", "120001"}, 1, "20240303");
        QVERIFY(HistoryFixture::replaceWith(rows));
        openPage();
        QSignalSpy dialogs(m_page, &HistoryData::switchDialogWidget);
        select(rowOf("2024030100003"));
        m_page->on_btnReport1_clicked();
        QStringList run;
        for (int seq = 8; seq >= 1; --seq)
            run << QString("2024030100%1").arg(seq, 3, 10, QChar('0'));
        QCOMPARE(dialogs.count(), 1);
        QCOMPARE(dialogs.first().value(0).toInt(), int(IDialogWidget::DLG_SAMPLE_REPORT));
        QCOMPARE(dialogs.first().value(1).toStringList(), run);
        select(rowOf("2024030200004"));
        MessageDialog::pushNextAnswer(1);
        m_page->on_btnReport1_clicked();
        QCOMPARE(dialogs.count(), 1);
        QCOMPARE(MessageDialog::shownTexts(), QStringList{"配對的數據記錄不能超過8條!"});
        select(rowOf("2024030300002"));
        m_page->on_btnReport1_clicked();
        QCOMPARE(dialogs.takeLast().at(1).toStringList(), QStringList{"2024030300002"});
        m_page->on_btnCurve_clicked();
        const QVariantList curve = dialogs.takeLast();
        QCOMPARE(curve.value(0).toInt(), int(IDialogWidget::DLG_SAMLPLE_SPLINE));
        QCOMPARE(curve.value(1).toString(), QStringLiteral("2024030300002"));
    }

    // A demo database: every row of every run opens the report of its whole
    // run in smart mode, never the refusal.
    void demoRunsReportInSmartMode()
    {
        DemoDataBuilder::Options options;
        options.runs = 30;
        options.seed = 11;
        const QVector<DemoSampleRow> rows = DemoDataBuilder::generate(options);
        QVERIFY(HistoryFixture::replaceWith(rows));
        QHash<QString, QString> runOfKey;
        QHash<QString, QStringList> keysOfRun; // newest key first, as the table lists them
        for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
            const QString run = it->sampleId + QLatin1Char('|') + it->date + it->time;
            runOfKey.insert(it->key, run);
            keysOfRun[run] << it->key;
        }

        openPage();
        QSignalSpy dialogs(m_page, &HistoryData::switchDialogWidget);
        const auto &loaded = m_page->access()->m_listModel;
        QCOMPARE(loaded.size(), rows.size());
        for (int r = 0; r < loaded.size(); ++r) {
            select(r);
            m_page->on_btnReport1_clicked();
            const QVariantList report = dialogs.takeFirst();
            QCOMPARE(report.value(0).toInt(), int(IDialogWidget::DLG_SAMPLE_REPORT));
            QCOMPARE(report.value(1).toStringList(), keysOfRun.value(runOfKey.value(loaded.at(r)->Key)));
        }
        QCOMPARE(MessageDialog::shownTexts(), QStringList());
    }

    // The page's per-character width by language and size; the label paints
    // its own background and goes away on a reload (placement and width:
    // tst_celltiplabel).
    void floatingLabel_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<QString>("sampleId");
        QTest::addColumn<int>("charWidth");
        QTest::newRow("english medium") << 1 << 1 << "LONGSAMPLEID" << 9;
        QTest::newRow("chinese large") << 0 << 2 << "LONGSAMPLEID" << 25;
        QTest::newRow("japanese small") << 5 << 0 << "検体サンプル九号" << 7;
    }
    void floatingLabel()
    {
        QFETCH(int, language);
        QFETCH(int, fontSize);
        QFETCH(QString, sampleId);
        QFETCH(int, charWidth);
        QVERIFY(HistoryFixture::replaceWith(HistoryFixture::runs(sampleId, {"090000"}, 3)));
        SystemConfig *config = SystemConfig::getInstance();
        config->setSystemLanguage(language);
        config->setFontSize(fontSize);
        openPage();
        QCOMPARE(m_page->labelCharWidth(), charWidth);
        auto *label = view()->findChild<QLabel *>(QStringLiteral("show_lab"));
        QWidget *viewport = view()->viewport();
        const QPoint at = view()->visualRect(view()->model()->index(1, 1)).center();
        QMouseEvent move(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &move);
        QHelpEvent tip(QEvent::ToolTip, at, viewport->mapToGlobal(at));
        QCoreApplication::sendEvent(viewport, &tip);
        QVERIFY(label);
        QVERIFY(label->isVisible());
        QCOMPARE(label->text(), sampleId);
        QVERIFY(label->width() >= sampleId.length() * charWidth);
        // Top edge at the pointer in the viewport (not a header height higher).
        QCOMPARE(label->mapTo(viewport, QPoint(0, 0)).y(), at.y());
        // Opaque: the viewport shows the label's own colour, not the cell.
        QCOMPARE(viewport->grab().toImage().pixelColor(label->mapTo(viewport, QPoint(2, 2))), QColor("#FFFBE6"));
        QCoreApplication::sendEvent(viewport, &move);
        QVERIFY(!label->isVisible());
        // Reloads: the query dialog's refresh, and a finished data file.
        for (int reload = 0; reload < 2; ++reload) {
            QCoreApplication::sendEvent(viewport, &tip);
            QVERIFY(label->isVisible());
            if (reload == 0)
                m_page->updateWidget();
            else
                progress(10, 10);
            label = view()->findChild<QLabel *>(QStringLiteral("show_lab"));
            QVERIFY(label);
            QVERIFY(!label->isVisible());
        }
    }

    // Rows are newest first: every (re)load of more rows than fit opens the
    // view on its first rows, at a row height of 25 whatever the display size.
    void reloadsOpenOnTheNewestRows_data()
    {
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<QString>("reload");
        QTest::newRow("show, small") << 0 << "show";
        QTest::newRow("query, medium") << 1 << "query";
        QTest::newRow("fetch, large") << 2 << "fetch";
    }

    void reloadsOpenOnTheNewestRows()
    {
        QFETCH(int, fontSize);
        QFETCH(QString, reload);
        const int records = 150;
        SystemConfig::getInstance()->setFontSize(quint8(fontSize));
        Appearance::applyStyle(fontSize);
        QStringList times; // a second apart from 08:00:00
        for (int i = 0; i < records; ++i)
            times << QTime(8, 0).addSecs(i).toString("hhmmss");
        QVERIFY(HistoryFixture::replaceWith(HistoryFixture::runs("N", times, 1)));
        openPage();
        if (reload != QLatin1String("show"))
            view()->verticalScrollBar()->setValue(view()->verticalScrollBar()->maximum() / 2);
        if (reload == QLatin1String("query")) {
            m_page->access()->setFilter(QDate(2024, 3, 1), QDate(2024, 3, 1), "N", QString());
            m_page->access()->m_bFilter = true;
            m_page->updateWidget();
        } else if (reload == QLatin1String("fetch")) {
            progress(5000, 5000);
        }
        QCoreApplication::processEvents();
        QCOMPARE(view()->verticalScrollBar()->value(), 0);
        QCOMPARE(view()->rowAt(0), 0);
        QCOMPARE(text(0, 5).section(' ', 1), QTime(8, 0).addSecs(records - 1).toString("hh:mm:ss"));
        for (int r : {0, 1, records - 1})
            QCOMPARE(view()->rowHeight(r), 25);
    }

    // The fetch through the real window, the real worker thread and the fake
    // instrument on loopback: however the fetch ends (an open dialog
    // included), the page is told, "更新數據" works again and the label says
    // how it went; a complete upload is the open database.
    void fetchEndsOnThePage_data()
    {
        QTest::addColumn<FetchEnd>("end");
        const FetchEnd rows[] = {
            {"complete upload", "none", false, true, false, true},
            {"complete upload under an open dialog", "none", false, true, true, true},
            {"no connection from the instrument", "no-answer", false, true, false, false},
            {"refused header", "bad-header", false, true, false, false},
            {"refused file name", "unsafe-name", false, true, false, false},
            {"connection cut halfway", "truncated", false, true, false, false},
            {"upload stalls", "stalled", false, true, false, false},
            {"received file is not a database", "none", true, true, false, false},
            {"not connected at all", "none", false, false, false, false},
            {"cut under an open dialog", "truncated", false, true, true, false},
        };
        for (const FetchEnd &end : rows)
            QTest::newRow(end.name) << end;
    }

    void fetchEndsOnThePage()
    {
        QFETCH(FetchEnd, end);
        const auto &[name, misbehave, badFile, connect, dialogOpen, succeeds] = end;
        QVERIFY(HistoryFixture::replaceWith(HistoryFixture::runs(QStringLiteral("OLD"), {"090000"}, 2)));
        QProcess fake;
        QStringList args{"--address", "127.0.0.2", "--port", QString::number(m_udpPort), "--misbehave", misbehave};
        args << "--upload-port" << QString::number(m_tcpPort) << "--upload" << (badFile ? m_badUpload : m_goodUpload);
        if (misbehave != QLatin1String("unsafe-name"))
            args += QStringList{"--upload-name", "AppDatabase.db"};
        QVERIFY(TestEnv::startFakeInstrument(fake, args));
        m_programSide->release(); // the window binds it now
        Vireon w;
        w.switchFunctionWidgetSlot(IFunWidget::WGT_HISTROY);
        m_page = qobject_cast<HistoryData *>(w.currentPage());
        QVERIFY(m_page);
        QProgressBar *bar = PageFixture::child<QProgressBar>(m_page, "serverProgressBar");
        QLabel *status = PageFixture::child<QLabel>(m_page, "serverStatusLabel");
        QPushButton *fetch = button("exportData_2");
        if (connect) {
            // An instrument that never answers leaves the lamp red; the
            // fetch is queued behind the connect all the same.
            w.sendCtlCmdSlot(Cmd_ConnectInstrument, QVariant(-1));
            if (misbehave != QLatin1String("no-answer"))
                QTRY_VERIFY_WITH_TIMEOUT(w.linkStatus()->isLampGreen(), 10000);
        }
        if (dialogOpen) {
            w.switchDialogWidgetSlot(IDialogWidget::DLG_SAMPLE_QUERY, QVariant::fromValue<QObject *>(m_page->access()));
            QVERIFY(w.currentDialog());
        }
        // What a previous fetch left behind.
        status->setText(QStringLiteral("數據更新完成！"));
        bar->setRange(0, 100);
        bar->setValue(100);
        MessageDialog::clearShownTexts();
        if (badFile)
            MessageDialog::pushNextAnswer(1);
        fetch->click();
        QCOMPARE(status->text(), QStringLiteral("接收進度"));
        QVERIFY(!fetch->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(fetch->isEnabled(), 15000);
        if (succeeds) {
            // The table shows the installed rows, not the old ones.
            QCOMPARE(status->text(), QString("數據更新完成！"));
            QCOMPARE(bar->value(), bar->maximum());
            QCOMPARE(SampleInfoAccess::getCount(), m_goodRows);
            QCOMPARE(view()->model()->rowCount(), m_goodRows);
            QCOMPARE(counter().section('/', 1).toInt(), m_goodRows);
            QVERIFY(!text(0, 1).isEmpty());
            QVERIFY(!text(0, 1).startsWith(QLatin1String("OLD")));
        } else { // the old data stay
            QCOMPARE(status->text(), QString("數據更新失敗！"));
            QCOMPARE(bar->value(), bar->minimum());
            QCOMPARE(SampleInfoAccess::getCount(), 2);
        }
        QCOMPARE(MessageDialog::shownTexts().size(), badFile ? 1 : 0);
        // The received file is installed or refused, never left behind.
        QTRY_COMPARE(QDir(QStringLiteral("./app"))
                         .entryList({QStringLiteral(".AppDatabase.db.received-*")}, QDir::Files | QDir::Hidden),
                     QStringList());
        if (dialogOpen)
            QVERIFY(w.currentDialog()); // the dialog stays open
        w.deal_app_quit();
        TestEnv::stopProcess(fake);
    }

    // The instrument itself floods the page with answers it does not use: the
    // page's line for each goes through the datagram limiter, so the daily
    // debug log gets a burst, not a line a frame.
    void instrumentFloodKeepsTheDebugLogSmall()
    {
        QUdpSocket instrument;
        const bool instrumentBound = instrument.bind(QHostAddress(QStringLiteral("127.0.0.2")), m_udpPort);
        QVERIFY(instrumentBound);
        m_programSide->release(); // the window binds it now
        Vireon w;
        w.switchFunctionWidgetSlot(IFunWidget::WGT_HISTROY);
        QVERIFY(qobject_cast<HistoryData *>(w.currentPage()));
        const auto answer = [&](const QByteArray &name) {
            instrument.writeDatagram(NetFrame::build(Wire_InfoQuery, name), QHostAddress::LocalHost, m_udpPort);
        };
        // Queued behind the page's own handling: the last answer's name shows
        // the flood has reached the page.
        bool lastSeen = false;
        QObject receiver;
        QObject::connect(
            NetlPortProc::getInstance(), &NetlPortProc::sendnetEvent, &receiver,
            [&lastSeen](int, QVariant data) { lastSeen = lastSeen || data.toStringList().value(1) == "LAST"; },
            Qt::QueuedConnection);
        w.sendCtlCmdSlot(Cmd_ConnectInstrument, QVariant(-1));
        const QByteArray ack = NetFrame::build(Wire_LocalAddress, QByteArray(1, '\0'));
        const auto acknowledged = [&]() {
            instrument.writeDatagram(ack, QHostAddress::LocalHost, m_udpPort);
            return w.linkStatus()->isLampGreen();
        };
        QTRY_VERIFY_WITH_TIMEOUT(acknowledged(), 10000);
        NetlPortProc::datagramLog().resetForTesting();
        const QString logFile = DebugLog::filePathFor(QDate::currentDate());
        const qint64 sizeBefore = QFileInfo(logFile).size();
        const QtMessageHandler previous = qInstallMessageHandler(&DebugLog::messageHandler);
        for (int i = 0; i < 2000; ++i) {
            answer(QByteArrayLiteral("LORIX"));
            if (i % 50 == 49)
                QTest::qWait(1); // lets the worker and the page keep up
        }
        answer(QByteArrayLiteral("LAST"));
        QTRY_VERIFY_WITH_TIMEOUT(lastSeen, 10000);
        qInstallMessageHandler(previous);
        w.deal_app_quit();

        const QByteArray logged = TestEnv::readFile(logFile).mid(int(sizeBefore));
        const int lines = logged.count("HistoryData::netEventHandle");
        QVERIFY2(lines >= 1, logged.constData());
        QVERIFY2(lines <= LogRateLimiter::kBurst, qPrintable(QString::number(lines)));
    }
};

VIREON_TEST_MAIN(TestHistoryData)
#include "tst_historydata.moc"
