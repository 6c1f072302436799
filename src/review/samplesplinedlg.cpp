#include "review/samplesplinedlg.h"
#include "ui_samplesplinedlg.h"

#include "core/common.h"
#include "core/sampletext.h"
#include "core/systemconfig.h"
#include "database/sampleinfoaccess.h"
#include "database/sampleinfomodel.h"
#include "review/curvesmoother.h"

#include <QButtonGroup>
#include <QDebug>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSqlQuery>
#include <QStandardItemModel>

#include <algorithm>

QPoint SampleSplineDlg::s_tipMousePos;

namespace {

const char kTable[] = "SampleInfoTable";
const int kCycles = 40;
const int kPositions = 16;
const int kValueLimit = 1 << 24;
// Axis tops whose drawings are kept: a toggle moves among a few.
const int kCachedAxes = 4;

// Column positions in SELECT * order.
enum Column {
    ColPanelType = 1,
    ColSampleId = 2,
    ColPIEId = 4,
    ColIsDone = 7,
    ColResult = 8,
    ColCtValue = 51,
    ColProData1 = 52,
};

QStandardItem *centredItem(const QString &text)
{
    auto *item = new QStandardItem(text);
    item->setData(int(Qt::AlignCenter), Qt::TextAlignmentRole);
    return item;
}

QPen curvePen(const QColor &color, qreal width)
{
    return QPen(QBrush(color), width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

} // namespace

SampleSplineDlg::SampleSplineDlg(QWidget *parent)
    : IDialogWidget(parent)
    , ui(new Ui::SampleSplineDlg)
    , m_wellFlags(kPositions, false)
    , m_channelFlags(2, true)
{
    SystemConfig *config = SystemConfig::getInstance();
    const int language = config->getSystemLanguage();
    const int size = config->getFontSize() & 0xff;
    m_tipCharWidth = (language == 1 || language == 2) ? size * 2 + 7 : size * 5 + 15;
    m_tipLabel.setCharWidth(m_tipCharWidth);

    ui->setupUi(this);

    for (const char *name : {"#ff3300", "#009933", "#0066ff", "#9900ff", "#ff3399", "#00ffff", "#66ff00", "#ffff00",
                             "#ff9933", "#33ff99", "#6666ff", "#cc6600", "#cc00ff", "#99cc66", "#ccff33", "#cc0000"})
        m_wellColors << QColor(QLatin1String(name));

    m_wellGroup = new QButtonGroup(this);
    const QList<QToolButton *> wells{ui->splinetoolButton1, ui->splinetoolButton2, ui->splinetoolButton3,
                                     ui->splinetoolButton4, ui->splinetoolButton5, ui->splinetoolButton6,
                                     ui->splinetoolButton7, ui->splinetoolButton8};
    for (int id = 0; id < wells.size(); ++id)
        m_wellGroup->addButton(wells.at(id), id);
    m_wellGroup->setExclusive(false);
    connect(m_wellGroup, &QButtonGroup::idClicked, this, &SampleSplineDlg::onBtnJudge);

    m_channelGroup = new QButtonGroup(this);
    m_channelGroup->addButton(ui->famCheckBox, 0);
    m_channelGroup->addButton(ui->hexCheckBox, 1);
    m_channelGroup->setExclusive(false);
    connect(m_channelGroup, &QButtonGroup::idClicked, this, &SampleSplineDlg::onFamHexBtnjudge);

    installEventFilter(this);
    setMouseTracking(true);
    initTableView();
}

SampleSplineDlg::~SampleSplineDlg()
{
    emit sendEvent(DLG_EVENT_CLOSE);
    // Nothing may reach this half-destroyed dialog while the base tears
    // the view down.
    removeEventFilter(this);
    ui->sampleInfoTableView->removeEventFilter(this);
    ui->sampleInfoTableView->viewport()->removeEventFilter(this);
    delete ui;
    ui = nullptr;
}

void SampleSplineDlg::initTableView()
{
    QTableView *view = ui->sampleInfoTableView;
    m_tableModel = new QStandardItemModel(this);
    view->setModel(m_tableModel);
    view->setFrameShape(QFrame::NoFrame);
    view->setFocusPolicy(Qt::NoFocus);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setAlternatingRowColors(true);
    view->setAutoScroll(false);
    view->setTextElideMode(Qt::ElideMiddle);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->verticalScrollBar()->setStyleSheet(QStringLiteral("QScrollBar:vertical{  width: 20px;}"));
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QHeaderView *header = view->horizontalHeader();
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setDefaultAlignment(Qt::AlignCenter);
    header->setFixedHeight(24);
    // Set once: polishing the header again at every refresh costs more than
    // filling the table.
    header->setStyleSheet(
        QStringLiteral("QHeaderView::section{background-color:#B5002F;font:10px 'Microsoft YaHei';color: white;};"));
    view->verticalHeader()->setDefaultSectionSize(24);
    view->verticalHeader()->hide();
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
    m_tipLabel.attachTo(view);
    view->setMouseTracking(true);
}

int SampleSplineDlg::axisMaximum(int runMaximum)
{
    return (qMax(runMaximum, 300) / 100 + 1) * 100;
}

void SampleSplineDlg::updateDialog(QVariant data)
{
    m_key = data.toString();
    if (m_key.isEmpty()) {
        qDebug() << "virtual void SampleSplineDlg::updateDialog(QVariant)";
        qDebug() << "ERR: m_key == STR_INVALID";
        emit sendEvent(DLG_EVENT_CLOSE);
        return;
    }
    qDebug() << "@ZRB model key: " << m_key;
    {
        SampleInfoAccess access;
        if (access.findKeyModel(m_key) < 1) {
            qDebug() << "virtual void SampleSplineDlg::updateDialog(QVariant)";
            qDebug() << "ERR: num <= 0";
            emit sendEvent(DLG_EVENT_CLOSE);
            return;
        }
        const SampleInfoModel *record = access.m_listModel.first();
        m_sampleId = record->SampleId;
        m_runDate = record->date;
        m_runTime = record->time;
    }
    qDebug() << "get_sampleID is" << m_sampleId;

    loadRun();
    int runMax = 300;
    for (const RunRow &row : qAsConst(m_runRows)) {
        runMax = qMax(runMax, row.prodata.at(kCycles - 1));
        m_wellFlags[row.pie] = true;
    }
    // Only the FAM half of the flags decides the buttons.
    for (int id = 0; id < 8; ++id) {
        QAbstractButton *button = m_wellGroup->button(id);
        button->setChecked(m_wellFlags.at(id));
        button->setEnabled(m_wellFlags.at(id));
    }
    ui->famCheckBox->setChecked(m_channelFlags.at(0));
    ui->hexCheckBox->setChecked(m_channelFlags.at(1));
    m_yMax = axisMaximum(runMax);

    refreshChart();
    initTable();
    qDebug() << "end updateDialog: ";
}

// The run: every done row of the key's date and time, newest key first.
// Rows whose position, channel or values cannot be placed on the chart are
// left out here, so no flag, axis, curve or table row ever sees them.
void SampleSplineDlg::loadRun()
{
    m_runRows.clear();
    const QString sql =
        QStringLiteral("SELECT * FROM %1 WHERE DATE='%2' AND TIME='%3' AND ISDONE != 0 ORDER BY key DESC;")
            .arg(QLatin1String(kTable), m_runDate.toString(QStringLiteral("yyyyMMdd")),
                 m_runTime.toString(QStringLiteral("hhmmss")));
    qDebug().noquote() << sql;
    QSqlQuery query;
    query.setForwardOnly(true);
    if (!query.exec(sql))
        return;
    while (query.next()) {
        RunRow row;
        bool ok = false;
        row.pieText = query.value(ColPIEId).toString();
        row.pie = row.pieText.toInt(&ok);
        const int done = query.value(ColIsDone).toInt();
        if (!ok || row.pie < 0 || row.pie >= kPositions || (done != 1 && done != 2)) {
            qDebug() << "SampleSplineDlg: row skipped, position" << row.pieText << "done flag" << done;
            continue;
        }
        row.channel = done - 1;
        row.panelType = query.value(ColPanelType).toInt();
        row.sampleId = query.value(ColSampleId).toString();
        row.result = query.value(ColResult).toInt();
        row.ct = query.value(ColCtValue).toDouble();
        row.prodata.resize(kCycles);
        // Far beyond any reading, yet small enough that the axis top (a
        // multiple of 100 above the largest value) cannot overflow.
        for (int i = 0; i < kCycles; ++i)
            row.prodata[i] = qBound(-kValueLimit, query.value(ColProData1 + i).toInt(), kValueLimit);
        m_runRows << row;
    }
}

void SampleSplineDlg::onBtnJudge(int btn)
{
    if (btn < 0 || btn >= 8)
        return;
    m_wellFlags[btn] = !m_wellFlags.at(btn);
    m_wellFlags[btn + 8] = !m_wellFlags.at(btn + 8);
    recomputeAxisAndRefresh();
}

void SampleSplineDlg::onFamHexBtnjudge(int btn)
{
    qDebug() << "thhhhhhh";
    if (btn < 0 || btn >= 2)
        return;
    m_channelFlags[btn] = !m_channelFlags.at(btn);
    recomputeAxisAndRefresh();
}

// After a toggle only the newest row of each shown position counts.
void SampleSplineDlg::recomputeAxisAndRefresh()
{
    int runMax = 300;
    for (int pie = 0; pie < kPositions; ++pie) {
        if (!m_wellFlags.at(pie) || !m_channelFlags.at(pie < 8 ? 0 : 1))
            continue;
        const QString text = QString::number(pie);
        for (const RunRow &row : qAsConst(m_runRows)) {
            if (row.pieText == text) {
                runMax = qMax(runMax, row.prodata.at(kCycles - 1));
                break;
            }
        }
    }
    m_yMax = axisMaximum(runMax);
    refreshChart();
    initTable();
}

void SampleSplineDlg::refreshChart()
{
    const QSize size = ui->sampleline->size();
    if (size != m_layerSize) {
        for (RunRow &row : m_runRows)
            row.curves.clear();
        m_axesTiles.clear();
        m_layerSize = size;
    }
    // The label lets go of the last chart first, so that it is redrawn in
    // place rather than copied or allocated anew.
    ui->sampleline->setPixmap(QPixmap());
    if (m_chartPixmap.size() != size)
        m_chartPixmap = QPixmap(size);
    m_chartPixmap.fill(Qt::transparent);
    QPainter painter(&m_chartPixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(curvePen(Qt::black, 1.0));
    drawCurves(painter, size.width(), size.height());
    painter.end();
    ui->sampleline->setPixmap(m_chartPixmap);
    ui->sampleline->setAlignment(Qt::AlignCenter);
}

// Column bands of a drawing, each cropped to the rows it paints: a curve
// covers only a thin strip of its bounding box, and composing transparent
// pixels is what a refresh would spend its time on.
SampleSplineDlg::ChartTiles SampleSplineDlg::tilesOf(const QImage &layer, const QPoint &origin)
{
    const int band = 64;
    ChartTiles tiles;
    for (int x = 0; x < layer.width(); x += band) {
        const int bw = qMin(band, layer.width() - x);
        int top = -1;
        int bottom = -1;
        for (int y = 0; y < layer.height(); ++y) {
            // Premultiplied: an untouched pixel is all zero.
            const QRgb *line = reinterpret_cast<const QRgb *>(layer.constScanLine(y)) + x;
            if (std::any_of(line, line + bw, [](QRgb px) { return px != 0; })) {
                if (top < 0)
                    top = y;
                bottom = y;
            }
        }
        if (top >= 0)
            tiles << ChartTile{layer.copy(x, top, bw, bottom - top + 1), origin + QPoint(x, top)};
    }
    return tiles;
}

const SampleSplineDlg::ChartTiles &SampleSplineDlg::curveTiles(RunRow &row, const QSize &size)
{
    auto cached = row.curves.constFind(m_yMax);
    if (cached != row.curves.constEnd())
        return cached.value();
    if (row.curves.size() >= kCachedAxes)
        row.curves.clear();

    const int w = size.width();
    const int h = size.height();
    const int y0 = (h - 40) - (h - 60) / 10;
    const double dx = (w - 75) / 39.0;
    const double sy = double((h - 60) - (h - 60) / 10) / m_yMax;
    m_points.clear();
    for (int i = 0; i < kCycles; ++i)
        m_points << QPointF(55.0 + i * dx, y0 - row.prodata.at(i) * sy);
    const QPainterPath path = smoothCurvePath(m_points, false, 0.5, 16);
    // The 2-pixel pen with square caps reaches 1 pixel past the path;
    // antialiasing touches one more.
    const QRect crop = path.boundingRect().toAlignedRect().adjusted(-3, -3, 3, 3) & QRect(QPoint(0, 0), size);
    ChartTiles tiles;
    if (!crop.isEmpty()) {
        QImage image(crop.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(-crop.topLeft());
        painter.setPen(curvePen(m_wellColors.at(row.pie), 2.0));
        painter.drawPath(path);
        painter.end();
        tiles = tilesOf(image, crop.topLeft());
    }
    return row.curves.insert(m_yMax, tiles).value();
}

// The threshold line and the axes, drawn over the curves.
const SampleSplineDlg::ChartTiles &SampleSplineDlg::axesTiles(const QSize &size)
{
    auto cached = m_axesTiles.constFind(m_yMax);
    if (cached != m_axesTiles.constEnd())
        return cached.value();
    if (m_axesTiles.size() >= kCachedAxes)
        m_axesTiles.clear();
    const int w = size.width();
    const int h = size.height();
    const int y0 = (h - 40) - (h - 60) / 10;
    const double sy = double((h - 60) - (h - 60) / 10) / m_yMax;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(QFont(QStringLiteral("Microsoft YaHei"), 10, QFont::Normal));
    painter.setPen(QPen(QBrush(Qt::red), 2, Qt::DotLine));
    const int yT = int(y0 - m_threshold * sy);
    painter.drawLine(55, yT, w - 20, yT);
    drawAxes(painter, w, h);
    painter.end();
    return m_axesTiles.insert(m_yMax, tilesOf(image, QPoint(0, 0))).value();
}

// Box, the shown rows' curves in key-descending order, then the threshold
// line and the axes on top.
void SampleSplineDlg::drawCurves(QPainter &painter, int w, int h)
{
    const int xR = w - 20;
    const int yA = h - 40;
    painter.drawLine(55, yA, xR, yA);
    painter.drawLine(55, 20, 55, yA);
    painter.drawLine(55, 20, xR, 20);
    painter.drawLine(xR, yA, xR, 20);

    const QSize size(w, h);
    m_shownRows.clear();
    for (RunRow &row : m_runRows) {
        if (!m_channelFlags.at(row.channel) || !m_wellFlags.at(row.pie))
            continue;
        for (const ChartTile &tile : curveTiles(row, size))
            painter.drawImage(tile.at, tile.image);
        m_shownRows << QStringList{row.sampleId, Common::getInstance()->getItemName(row.panelType),
                                   SampleText::ctText(row.ct), SampleText::resultMark(row.result)};
    }
    for (const ChartTile &tile : axesTiles(size))
        painter.drawImage(tile.at, tile.image);
}

void SampleSplineDlg::drawAxes(QPainter &painter, int w, int h)
{
    const int yA = h - 40;
    const int q = (h - 60) / 10;
    const int y0 = yA - q;
    const int plot = (h - 60) - q;
    painter.setPen(curvePen(Qt::black, 2.0));

    painter.drawLine(55, y0, 51, y0);
    painter.drawText(QRect(4, y0 - 10, 46, 20), Qt::AlignRight, QStringLiteral("0"));
    for (int k = 1; k <= 10; ++k) {
        const int yk = y0 - (k * plot) / 10;
        painter.drawLine(55, yk, 52, yk);
        painter.drawText(QRect(4, yk - 10, 46, 20), Qt::AlignRight, QString::number(int(k * (m_yMax / 10.0))));
    }
    for (int j = 0; j <= 13; ++j) {
        const int x = 55 + (3 * j * (w - 75)) / 39;
        painter.drawLine(x, yA, x, yA - 4);
        painter.drawText(QRect(x - 10, yA, 20, 20), Qt::AlignCenter, QString::number(1 + 3 * j));
    }
}

void SampleSplineDlg::initTable()
{
    // The label showed a cell of the rows about to be replaced.
    m_tipLabel.hide();
    m_tableModel->clear();
    m_tableModel->setHorizontalHeaderLabels({tr("樣本ID"), tr("檢測品項"), tr("Ct"), tr("結果")});
    QTableView *view = ui->sampleInfoTableView;
    const int widths[] = {95, 130, 65, 58};
    for (int column = 0; column < 4; ++column)
        view->setColumnWidth(column, widths[column]);
    // The Ct column shows the text made while drawing: reading it back
    // through a double would turn a value just under 41 into "0".
    for (const QStringList &shown : qAsConst(m_shownRows)) {
        QList<QStandardItem *> items;
        for (const QString &text : shown)
            items << centredItem(text);
        m_tableModel->appendRow(items);
    }
}

bool SampleSplineDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (!ui || !watched->objectName().contains(QLatin1String("qt_scrollarea_viewport")))
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::MouseMove) {
        m_tipLabel.hide();
        s_tipMousePos = static_cast<QMouseEvent *>(event)->localPos().toPoint();
    } else if (event->type() == QEvent::ToolTip) {
        const QModelIndex index = ui->sampleInfoTableView->indexAt(s_tipMousePos);
        const int column = index.column();
        if (index.isValid() && (column == 0 || column == 1 || column == 3))
            m_tipLabel.showText(index.data().toString(), s_tipMousePos);
    }
    return QObject::eventFilter(watched, event);
}

void emptyHook(int) {}
