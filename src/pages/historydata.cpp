#include "pages/historydata.h"
#include "ui_historydata.h"

#include "core/common.h"
#include "core/messageids.h"
#include "core/sampletext.h"
#include "core/systemconfig.h"
#include "database/sampleinfoaccess.h"
#include "database/sampleinfomodel.h"
#include "export/excelapi.h"
#include "export/excelthread.h"
#include "export/exporttext.h"
#include "link/netlportproc.h"
#include "link/transferprogress.h"
#include "shell/idialogwidget.h"
#include "shell/widgets/choosedialog.h"
#include "shell/widgets/messagedialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QHash>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QUrl>

#include <climits>

QPoint HistoryData::s_lastPos;
namespace {
const int kColumnCount = 6;
const int kDefaultRows = 100;
const int kRowHeight = 25;

QVector<int> columnWidthsFor(int fontSize)
{
    if (fontSize == 2)
        return {100, 170, 270, 100, 130, 70};
    return {80, 150, 200, 90, 110, 70};
}

QStandardItem *centredItem(const QString &text)
{
    auto *item = new QStandardItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

// "yyyy-MM-dd hh:mm:ss": the run text the report choice lists.
QString runText(const SampleInfoModel *record)
{
    const QLocale c = QLocale::c();
    return c.toString(record->date, QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ') +
           c.toString(record->time, QStringLiteral("hh:mm:ss"));
}

// One item of a list: the only one, or the user's pick from a choice box.
// False when the user cancels.
bool chooseOne(const QStringList &items, const QString &prompt, QString *chosen)
{
    if (items.size() < 2) {
        *chosen = items.value(0);
        return true;
    }
    const int index = (new ChooseDialog(items, prompt, true, nullptr))->exec();
    if (index < 0 || index >= items.size())
        return false;
    *chosen = items.at(index);
    return true;
}

// What the report pairing needs of one row, copied out before any modal
// dialog runs: a progress event during the dialog may reload the records.
struct RowInfo {
    QString sampleId;
    QString run;
    QString key;
};

void showMessage(const QString &text)
{
    auto *box = new MessageDialog(text, 1, true, QString(), nullptr);
    box->exec();
}
} // namespace

HistoryData *HistoryData::getInstance()
{
    return Singleton<HistoryData>::instance();
}

HistoryData::HistoryData(QWidget *parent)
    : IFunWidget(parent)
    , ui(new Ui::HistoryData)
    , m_pModelAcs(new SampleInfoAccess(this))
    , m_colWidths(columnWidthsFor(0))
{
    ui->setupUi(this);
    initTable();
    initMenu();
}

HistoryData::~HistoryData()
{
    // Nothing may call back into this half-destroyed page while the base
    // class tears the view down.
    ui->tableView->removeEventFilter(this);
    ui->tableView->viewport()->removeEventFilter(this);
    if (ui->tableView->selectionModel())
        disconnect(ui->tableView->selectionModel(), nullptr, this, nullptr);
    disconnect(ui->tableView, nullptr, this, nullptr);
    delete ui;
    ui = nullptr;
    Singleton<HistoryData>::forget(this);
}

void HistoryData::releaseInstance()
{
    Singleton<HistoryData>::forget(this);
    setAttribute(Qt::WA_DeleteOnClose, false);
    close();
    delete this;
}

QString HistoryData::getTitle()
{
    return tr("其他設置");
}

void HistoryData::initTable()
{
    const int count = SampleInfoAccess::getCount();
    m_nRowsPerFetch = count < 1 ? kDefaultRows : count;
    qDebug() << "TABLE_ROW is" << m_nRowsPerFetch;

    QTableView *view = ui->tableView;
    auto *model = new QStandardItemModel(0, kColumnCount, this);
    model->setHorizontalHeaderLabels(
        {tr("孔位"), tr("樣本ID"), tr("檢測品項"), tr("Ct值"), tr("結果"), tr("日期/時間")});
    attachModel(model);

    view->setAlternatingRowColors(true);
    view->verticalHeader()->hide();
    // The default size is bounded below by the minimum, which the header
    // derives from its style sheet font once polished: a reload at a larger
    // display size would otherwise grow every row.
    view->verticalHeader()->setMinimumSectionSize(kRowHeight);
    view->verticalHeader()->setDefaultSectionSize(kRowHeight);
    view->horizontalHeader()->setStretchLastSection(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QHeaderView *header = view->horizontalHeader();
    header->setSectionsClickable(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setDefaultAlignment(Qt::AlignCenter);
    header->setFixedHeight(33);
    header->setHighlightSections(false);
    view->setAutoScroll(false);
    view->setMouseTracking(true);
    view->viewport()->setMouseTracking(true);
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setTextElideMode(Qt::ElideMiddle);

    m_colWidths = columnWidthsFor(0);
    applyColumnWidths();
    m_labShow.attachTo(view);
}

void HistoryData::initMenu()
{
    m_pMenu = new QMenu(ui->tableView);
    m_pMenu->setWindowFlags(m_pMenu->windowFlags() | Qt::FramelessWindowHint);
    m_pMenu->setAttribute(Qt::WA_TranslucentBackground);

    // Owned by the menu: a page is built at every visit.
    for (const QString &text : {tr("智慧模式"), tr("選擇模式")}) {
        auto *action = new QAction(text, m_pMenu);
        action->setCheckable(true);
        m_pMenu->addAction(action);
        m_listActions << action;
    }

    applySelectionMode(SystemConfig::getInstance()->getTableViewOptType());
    connect(ui->tableView, &QWidget::customContextMenuRequested, this, &HistoryData::slotContextMenu);
}

void HistoryData::applySelectionMode(int mode)
{
    m_nSelectMode = mode == 1 ? 1 : 0;
    if (m_nSelectMode == 1) {
        ui->tableView->setSelectionMode(QAbstractItemView::MultiSelection);
        connect(ui->tableView, &QAbstractItemView::doubleClicked, this, &HistoryData::slotClearSelectIndex,
                Qt::UniqueConnection);
    } else {
        ui->tableView->setSelectionMode(QAbstractItemView::SingleSelection);
        disconnect(ui->tableView, &QAbstractItemView::doubleClicked, this, &HistoryData::slotClearSelectIndex);
    }
}

void HistoryData::initWidget()
{
    ui->retranslateUi(this);

    SystemConfig *config = SystemConfig::getInstance();
    const int language = config->getSystemLanguage();
    const int size = config->getFontSize() & 0xff;
    const bool narrowScript = language == 1 || language == 2 || language == 5;
    m_nLabCharWidth = narrowScript ? size * 2 + 7 : size * 5 + 15;
    m_labShow.setCharWidth(m_nLabCharWidth);
    m_colWidths = columnWidthsFor(size);
    applyColumnWidths();

    m_nOffset = 0;
    m_pModelAcs->m_bFilter = false;
    fillTable();
    ui->exportData->hide();
}

void HistoryData::updateWidget()
{
    if (m_pModelAcs->m_bFilter)
        m_nOffset = 0;
    fillTable();
}

void HistoryData::fillTable()
{
    m_mapRowKey.clear();
    if (!m_pModelAcs->m_bFilter)
        m_pModelAcs->getTotalCount();
    const int n = m_pModelAcs->getModel(m_nOffset, m_nRowsPerFetch);
    qDebug() << QStringLiteral("this num is %1").arg(n);

    // The new model is filled while no view listens and only then attached:
    // with every done record loaded, per-row view updates would dominate.
    attachModel(buildModel());
    // Newest first, blank rows last: the view opens on the first rows.
    ui->tableView->scrollToTop();
    updatePageLabel();
    updateBtnEnable();
}

QStandardItemModel *HistoryData::buildModel()
{
    QStringList marks;
    for (int code = 0; code <= 5; ++code)
        marks << SampleText::resultMark(code);
    const QString datePattern =
        Common::getInstance()->getDateFormatString(SystemConfig::getInstance()->getDateFormat());
    const QLocale c = QLocale::c();

    const QList<SampleInfoModel *> &records = m_pModelAcs->m_listModel;
    const int loaded = records.size();
    const int rows = qMax(loaded, m_nRowsPerFetch);

    auto *model = new QStandardItemModel(this);
    model->blockSignals(true);
    model->setColumnCount(kColumnCount);
    model->setRowCount(rows);

    QHash<int, QString> itemNames;
    QHash<qint64, QString> dateTimeTexts;
    QSet<QString> runs;
    for (int row = 0; row < loaded; ++row) {
        const SampleInfoModel *record = records.at(row);
        m_mapRowKey.insert(m_mapRowKey.cend(), row, record->Key);

        auto name = itemNames.find(record->PanelType);
        if (name == itemNames.end())
            name = itemNames.insert(record->PanelType, Common::getInstance()->getItemName(record->PanelType));

        QString when;
        if (record->date.isValid() && record->time.isValid()) {
            const qint64 stamp = record->date.toJulianDay() * 86400 + record->time.msecsSinceStartOfDay() / 1000;
            auto cached = dateTimeTexts.find(stamp);
            if (cached == dateTimeTexts.end())
                cached = dateTimeTexts.insert(
                    stamp, QStringLiteral("%1 %2").arg(c.toString(record->date, datePattern),
                                                       c.toString(record->time, QStringLiteral("hh:mm:ss"))));
            when = cached.value();
        } else {
            when = QStringLiteral("%1 %2").arg(c.toString(record->date, datePattern),
                                               c.toString(record->time, QStringLiteral("hh:mm:ss")));
        }
        runs.insert(when);

        const int code = record->Result;
        model->setItem(row, 0, centredItem(QString::number(SampleText::wellNumber(record->PIEId))));
        model->setItem(row, 1, centredItem(record->SampleId));
        model->setItem(row, 2, centredItem(name.value()));
        model->setItem(row, 3, centredItem(SampleText::ctText(record->ctvalue)));
        model->setItem(row, 4, centredItem(code >= 0 && code < marks.size() ? marks.at(code) : QString()));
        model->setItem(row, 5, centredItem(when));
    }
    // Blank rows hold no record: selectable only, and no date-time item.
    for (int row = loaded; row < rows; ++row) {
        for (int column = 0; column < kColumnCount - 1; ++column) {
            QStandardItem *item = centredItem(QString());
            item->setFlags(Qt::ItemIsSelectable);
            model->setItem(row, column, item);
        }
    }
    m_nRunCount = runs.size();

    model->blockSignals(false);
    model->setHorizontalHeaderLabels(
        {tr("孔位"), tr("樣本ID"), tr("檢測品項"), tr("Ct值"), tr("結果"), tr("日期/時間")});
    return model;
}

void HistoryData::attachModel(QStandardItemModel *model)
{
    QTableView *view = ui->tableView;
    QItemSelectionModel *oldSelection = view->selectionModel();
    QStandardItemModel *oldModel = m_pTableModel;
    view->setModel(model);
    m_pTableModel = model;
    delete oldSelection;
    delete oldModel;
    // The label's text belonged to a cell of the old model.
    m_labShow.hide();

    // The view made a new selection model: the buttons follow every change.
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, &HistoryData::updateBtnEnable);
    applyColumnWidths();
}

void HistoryData::applyColumnWidths()
{
    for (int column = 0; column < m_colWidths.size(); ++column)
        ui->tableView->setColumnWidth(column, m_colWidths.at(column));
}

void HistoryData::updatePageLabel()
{
    ui->testLab->setText(QStringLiteral("%1/%2").arg(m_nRunCount).arg(m_mapRowKey.size()));
}

void HistoryData::updateBtnEnable()
{
    if (!ui)
        return;
    bool any = false;
    int highest = -1;
    if (QItemSelectionModel *selection = ui->tableView->selectionModel()) {
        // Rows touched by the selection, whichever cell selected them: a blank
        // row picked through its empty date-time cell counts as selected.
        for (const QItemSelectionRange &range : selection->selection()) {
            any = true;
            highest = qMax(highest, range.bottom());
        }
    }
    const bool onRecords = any && highest < m_mapRowKey.size();
    ui->btnReport1->setEnabled(onRecords);
    ui->btnCurve->setEnabled(onRecords);

    ui->btnQuery->setEnabled(!m_pModelAcs->m_listModel.isEmpty());
    ui->btnQuery->setText(m_pModelAcs->m_bFilter ? tr("取消查詢") : tr("查詢"));
}

void HistoryData::updateselect(QModelIndex index)
{
    if (index.isValid() && index.row() < m_mapRowKey.size())
        updateBtnEnable();
}

QList<int> HistoryData::selectedRowList() const
{
    QList<int> rows;
    QItemSelectionModel *selection = ui->tableView->selectionModel();
    if (!selection)
        return rows;
    QSet<int> seen;
    for (const QItemSelectionRange &range : selection->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            if (!seen.contains(row)) {
                seen.insert(row);
                rows << row;
            }
        }
    }
    return rows;
}

QList<int> HistoryData::selectedRecordRows() const
{
    QList<int> rows;
    const int loaded = m_pModelAcs->m_listModel.size();
    for (int row : selectedRowList()) {
        if (row >= 0 && row < loaded && row < m_mapRowKey.size())
            rows << row;
    }
    return rows;
}

SampleInfoModel *HistoryData::recordAt(int row) const
{
    const QList<SampleInfoModel *> &records = m_pModelAcs->m_listModel;
    return row >= 0 && row < records.size() ? records.at(row) : nullptr;
}

void HistoryData::slotClearSelectIndex(QModelIndex index)
{
    Q_UNUSED(index)
    ui->tableView->clearSelection();
    updateBtnEnable();
}

void HistoryData::slotContextMenu(QPoint pos)
{
    // Every row offers the menu, the first one too: a table of one row must
    // still let the user change the mode. Outside the rows there is none.
    if (!ui->tableView->indexAt(pos).isValid())
        return;
    m_listActions.at(m_nSelectMode)->setChecked(true);
    for (QAction *action : qAsConst(m_listActions))
        connect(action, &QAction::toggled, this, &HistoryData::slotMenuActionChange, Qt::UniqueConnection);
    m_pMenu->exec(QCursor::pos());
}

void HistoryData::slotMenuActionChange(bool checked)
{
    Q_UNUSED(checked)
    const int mode = m_listActions.indexOf(qobject_cast<QAction *>(sender()));
    if (mode < 0)
        return;
    SystemConfig::getInstance()->setTableViewOptType(mode);
    for (QAction *action : qAsConst(m_listActions)) {
        disconnect(action, &QAction::toggled, this, &HistoryData::slotMenuActionChange);
        action->setChecked(false);
    }
    ui->tableView->clearSelection();
    applySelectionMode(mode);
}

bool HistoryData::eventFilter(QObject *watched, QEvent *event)
{
    if (!ui)
        return QObject::eventFilter(watched, event);
    const QString name = watched->objectName();
    if (name.contains(QLatin1String("tableView"))) {
        if (event->type() == QEvent::Paint)
            updateBtnEnable();
    } else if (name.contains(QLatin1String("qt_scrollarea_viewport"))) {
        if (event->type() == QEvent::MouseMove) {
            m_labShow.hide();
            s_lastPos = static_cast<QMouseEvent *>(event)->localPos().toPoint();
        } else if (event->type() == QEvent::ToolTip) {
            const QModelIndex index = ui->tableView->indexAt(s_lastPos);
            const int column = index.column();
            if (index.isValid() && (column == 1 || column == 2 || column == 4)) {
                m_labShow.showText(index.data().toString(), s_lastPos);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void HistoryData::netEventHandle(int id, QVariant data)
{
    if (id == NetEvt_FileFailed) {
        qDebug() << "HistoryData: fetch failed:" << data.toString();
        ui->serverProgressBar->setRange(0, 100);
        ui->serverProgressBar->setValue(0);
        ui->serverStatusLabel->setText(tr("數據更新失敗！"));
        ui->exportData_2->setEnabled(true);
        return;
    }
    if (id != NetEvt_FileProgress) {
        // Instrument answers and unknown frames end here, as many as arrive.
        NetlPortProc::datagramLog().debug(QStringLiteral("virtual void HistoryData::netEventHandle(int, QVariant)"));
        return;
    }
    const TransferProgress progress = TransferProgress::decode(data.toByteArray());
    const TransferProgress::BarValues bar = progress.barValues();
    ui->serverProgressBar->setRange(0, bar.maximum);
    ui->serverProgressBar->setValue(bar.value);
    qDebug() << progress.total << progress.received;

    if (progress.received == progress.total) {
        // Reload first: initWidget retranslates the form, which would
        // overwrite the completion text.
        initTable();
        initWidget();
        ui->serverStatusLabel->setText(tr("數據更新完成！"));
        ui->exportData_2->setEnabled(true);
    }
}

// ---- actions ---------------------------------------------------------------

void HistoryData::on_btnQuery_clicked()
{
    if (ui->btnQuery->text() == tr("查詢")) {
        updateBtnEnable();
        // A QObject pointer keeps the full address; the dialog checks the type.
        emit switchDialogWidget(IDialogWidget::DLG_SAMPLE_QUERY, QVariant::fromValue<QObject *>(m_pModelAcs));
    } else {
        initWidget();
    }
}

void HistoryData::on_btnCurve_clicked()
{
    const QList<int> rows = selectedRecordRows();
    if (rows.isEmpty())
        return;
    emit switchDialogWidget(IDialogWidget::DLG_SAMLPLE_SPLINE, QVariant(m_mapRowKey.value(rows.first())));
}

QStringList HistoryData::smartModeKeys(int row) const
{
    QStringList keys;
    const SampleInfoModel *chosen = recordAt(row);
    if (!chosen)
        return keys;
    // Dates and times are read from "yyyyMMdd" and "hhmmss": equal values
    // are the same day and second.
    for (const SampleInfoModel *record : m_pModelAcs->m_listModel) {
        if (record->SampleId == chosen->SampleId && record->date == chosen->date && record->time == chosen->time)
            keys << record->Key;
    }
    return keys;
}

bool HistoryData::selectionModeKeys(const QList<int> &rows, QStringList *keys) const
{
    QList<RowInfo> infos;
    QStringList sampleIds;
    for (int row : rows) {
        const SampleInfoModel *record = recordAt(row);
        if (!record)
            continue;
        infos << RowInfo{record->SampleId, runText(record), record->Key};
        if (!sampleIds.contains(record->SampleId))
            sampleIds << record->SampleId;
    }
    if (sampleIds.isEmpty())
        return true;

    QString sampleId;
    if (!chooseOne(sampleIds, tr("選擇了多個樣本，\n請選擇需要列印報告的樣本"), &sampleId))
        return false;

    QStringList runs;
    for (const RowInfo &info : qAsConst(infos)) {
        if (info.sampleId == sampleId && !runs.contains(info.run))
            runs << info.run;
    }
    QString run;
    if (!chooseOne(runs, tr("樣本測試時間不同，\n請選擇需要列印報告的時間"), &run))
        return false;

    for (const RowInfo &info : qAsConst(infos)) {
        if (info.sampleId == sampleId && info.run == run)
            *keys << info.key;
    }
    return true;
}

void HistoryData::on_btnReport1_clicked()
{
    // Blank rows hold no record: they take no part in the pairing.
    const QList<int> rows = selectedRecordRows();
    if (rows.isEmpty())
        return;

    QPointer<HistoryData> self(this);
    QStringList keys;
    if (m_nSelectMode == 0)
        keys = smartModeKeys(rows.first());
    else if (!selectionModeKeys(rows, &keys))
        return;
    if (!self)
        return;

    if (keys.isEmpty())
        showMessage(tr("沒有配對到數據!"));
    else if (keys.size() > 8)
        showMessage(tr("配對的數據記錄不能超過8條!"));
    else
        emit switchDialogWidget(IDialogWidget::DLG_SAMPLE_REPORT, QVariant(keys));
}

void HistoryData::on_exportData_2_clicked()
{
    ui->exportData_2->setEnabled(false);
    // A text left from the previous fetch would read as this one's result.
    ui->serverStatusLabel->setText(tr("接收進度"));
    emit sendCmd(Cmd_FetchDataFile, QVariant(-1));
}

void HistoryData::on_exportData_clicked()
{
    QElapsedTimer stopwatch;
    stopwatch.start();

    QList<QString> columnNames{QStringLiteral("孔位"), QStringLiteral("样本ID"), QStringLiteral("检测项"),
                               QStringLiteral("Ct值"), QStringLiteral("结果"),   QStringLiteral("日期/时间")};
    QList<int> columnWidths{50, 70, 70, 50, 50, 100};
    for (int i = 1; i <= 40; ++i) {
        columnNames << QStringLiteral("数据%1").arg(i);
        columnWidths << 50;
    }

    const QString sql = m_pModelAcs->getExportSql();
    qDebug().noquote() << sql;
    QSqlQuery query;
    query.setForwardOnly(true);
    if (!query.exec(sql))
        qDebug() << "HistoryData: export query failed:" << query.lastError().text();

    const QLocale c = QLocale::c();
    const QString dateFormat = tr("yyyy年MM月dd日 ");
    const QString timeFormat = tr("hh:mm:ss");
    QStringList rows;
    int count = 0;
    while (query.next()) {
        ++count;
        QStringList cells;
        cells.reserve(46);
        cells << QString::number(SampleText::wellNumber(query.value(0).toString())) << query.value(1).toString()
              << Common::getInstance()->getItemName(query.value(2).toInt()) << query.value(3).toString()
              << SampleText::resultMark(query.value(4).toInt());
        const QString when =
            c.toString(QDate::fromString(query.value(5).toString(), QStringLiteral("yyyyMMdd")), dateFormat) +
            c.toString(QTime::fromString(query.value(6).toString(), QStringLiteral("hhmmss")), timeFormat);
        qDebug().noquote() << when;
        cells << when;
        for (int i = 7; i <= 46; ++i)
            cells << query.value(i).toString();
        // A sample ID such as "Rex;Smith" must not shift the later columns.
        for (QString &cell : cells)
            cell = ExportText::cell(cell);
        rows << cells.join(QLatin1Char(';'));
    }

    m_strExportPath = QCoreApplication::applicationDirPath() + QStringLiteral("/原始数据.xls");
    const bool written = ExcelAPI::getInstance()->saveExcel(
        m_strExportPath, QStringLiteral("历史数据"), QStringLiteral("所有数据列表"), QString(), columnNames,
        columnWidths, rows, true, false, 5, QStringLiteral("=="), QStringLiteral("重量报警"));
    const QString seconds = QString::number(stopwatch.elapsed() / 1000.0, 'f', 2);
    if (!written) {
        qDebug().noquote() << QStringLiteral("导出 %1 条数据失败,用时 %2 秒").arg(count).arg(seconds);
        showMessage(tr("數據匯出失敗，無法寫入檔案：\n%1").arg(QDir::toNativeSeparators(m_strExportPath)));
        return;
    }
    qDebug().noquote() << QStringLiteral("导出 %1 条数据成功,用时 %2 秒").arg(count).arg(seconds);
    openFile();
}

void HistoryData::openFile()
{
    qDebug() << "用时" << ExcelThread::getInstance()->useTime() << "毫秒";
    if (m_strExportPath.isEmpty())
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(m_strExportPath));
}
