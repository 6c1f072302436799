#pragma once

#include "shell/idialogwidget.h"
#include "shell/widgets/celltiplabel.h"

#include <QColor>
#include <QDate>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QPointF>
#include <QStringList>
#include <QTime>
#include <QVector>

class QButtonGroup;
class QPainter;
class QStandardItemModel;
namespace Ui {
class SampleSplineDlg;
}

// The amplification curves of one run: every well and dye channel of the
// record's date and time, smoothed, beside a table of the rows drawn. Well
// buttons and channel boxes show and hide curves. The run's rows are read
// once when the dialog is filled; every toggle works on them in memory.
class SampleSplineDlg : public IDialogWidget
{
    Q_OBJECT
public:
    explicit SampleSplineDlg(QWidget *parent = nullptr);
    ~SampleSplineDlg() override;

    // The payload is the record key as a string.
    void updateDialog(QVariant data) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // Top of the y axis for the largest last-cycle value: the next multiple
    // of 100 strictly above it, at least 400.
    static int axisMaximum(int runMaximum);

    int yMaximum() const { return m_yMax; }
    // SampleId, item name, Ct text and mark of each drawn row, in draw order.
    const QList<QStringList> &shownRows() const { return m_shownRows; }
    const QPixmap &chartPixmap() const { return m_chartPixmap; }
    int tipCharWidth() const { return m_tipCharWidth; }

public slots:
    void onBtnJudge(int btn);
    void onFamHexBtnjudge(int btn);

private:
    // A piece of a cached drawing and where it sits on the chart.
    struct ChartTile {
        QImage image;
        QPoint at;
    };
    using ChartTiles = QVector<ChartTile>;
    // One usable row of the run, newest key first.
    struct RunRow {
        QString pieText; // as stored: the per-position lookup compares text
        int pie = 0;     // position 0-15
        int channel = 0; // 0 FAM (done flag 1), 1 VIC (done flag 2)
        int panelType = 0;
        int result = 0;
        QString sampleId;
        double ct = 0.0;
        QVector<int> prodata; // 40 values
        // The stroked curve by axis top, cropped to the stroke: toggles
        // switch among few axis tops, so each is drawn once.
        QHash<int, ChartTiles> curves;
    };

    void initTableView();
    void loadRun();
    void recomputeAxisAndRefresh();
    void refreshChart();
    const ChartTiles &curveTiles(RunRow &row, const QSize &size);
    const ChartTiles &axesTiles(const QSize &size);
    static ChartTiles tilesOf(const QImage &layer, const QPoint &origin);
    void drawCurves(QPainter &painter, int w, int h);
    void drawAxes(QPainter &painter, int w, int h);
    void initTable();

    Ui::SampleSplineDlg *ui = nullptr;
    QString m_key;
    double m_threshold = 40.0;
    QList<QPointF> m_points;
    QList<QColor> m_wellColors;
    QButtonGroup *m_wellGroup = nullptr;
    QButtonGroup *m_channelGroup = nullptr;
    QVector<bool> m_wellFlags;
    QVector<bool> m_channelFlags;
    QList<QStringList> m_shownRows;
    int m_yMax = 300;
    CellTipLabel m_tipLabel;
    QString m_sampleId;
    QDate m_runDate;
    QTime m_runTime;
    QPixmap m_chartPixmap;
    QStandardItemModel *m_tableModel = nullptr;
    int m_tipCharWidth = 15;
    QVector<RunRow> m_runRows;
    // Wide antialiased strokes are what a refresh costs: curves and axes are
    // drawn once per axis top and chart size, then only composed.
    QHash<int, ChartTiles> m_axesTiles;
    QSize m_layerSize;

    static QPoint s_tipMousePos;
};

// A hook beside the dialog with no behaviour; nothing calls it.
void emptyHook(int);
