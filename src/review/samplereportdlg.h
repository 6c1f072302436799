#pragma once

#include "review/reportrecord.h"
#include "shell/idialogwidget.h"

#include <QDate>
#include <QMargins>
#include <QPointer>
#include <QPrinter>
#include <QStringList>
#include <QTime>
#include <QTimer>

#include <functional>

class QButtonGroup;
class QLabel;
class QPixmap;
class QPrintPreviewDialog;
namespace Ui {
class SampleReportDlg;
}

// The test report of one run: an editor for the owner, pet and sample details
// beside a live preview of the one-page report, with export to a PDF file and
// a print preview. Every edit rebuilds the report record and repaints the
// page; a burst of edits is painted once, and the pending paint is flushed
// before anything is written or printed.
class SampleReportDlg : public IDialogWidget
{
    Q_OBJECT
public:
    static constexpr int kPreviewWidth = 800;
    // Page 0's curve chart: its margins for the axis numbers (left, top,
    // right, bottom) and the colour of its curves.
    static constexpr QMargins kCurveChartMargins{40, 16, 16, 24};
    static constexpr const char *kCurveChartColour = "#FF3300";

    explicit SampleReportDlg(QWidget *parent = nullptr);
    ~SampleReportDlg() override;

    // The payload is the list of 1 to 8 keys of one run.
    void updateDialog(QVariant data) override;

    const ReportRecord &record() const { return m_record; }
    const QPixmap *reportPage() const { return m_page; }
    QLabel *previewLabel() const;
    QStringList htmlLines() const { return m_htmlLines; }
    QStringList pairedKeys() const { return m_keyList; }
    // Paints now when an edit is waiting for its repaint.
    void flushPrintTemplate();

    // Test seam: runs the print preview instead of showing it maximised and
    // modal. The runner gets the real preview on its real printer.
    using PreviewRunner = std::function<void(QPrintPreviewDialog *)>;
    static void setPreviewRunnerForTesting(PreviewRunner runner);

public slots:
    void on_btnPrint_clicked();
    void on_btnPrint_2_clicked();
    void on_btnPritView_clicked();
    bool savePdftest(QString fileName, bool landscape = false, QPrinter::PageSize pageSize = QPrinter::A4);
    void dealHtmlFile(QString fileName);
    void printView(QPrinter *printer);
    void on_toolButton_clicked();
    void updatePrintTemplate();
    void buttonJudge(int id);
    void on_lineEdit_10_textEdited(const QString &text);
    void on_lineEdit_textEdited(const QString &text);
    void on_lineEdit_2_textEdited(const QString &text);
    void on_lineEdit_3_textEdited(const QString &text);
    void on_lineEdit_4_textEdited(const QString &text);
    void on_lineEdit_5_textEdited(const QString &text);
    void on_lineEdit_6_textEdited(const QString &text);
    void on_lineEdit_9_textEdited(const QString &text);
    void on_pushButton_clicked();
    void on_sampleTypeXComboBoxChangeSlot();
    void on_symptomTextEdit_textChanged();
    void calendarWidget_data_change(QDate date);
    void on_data_lineEdit_textChanged(const QString &text);
    void on_lineEdit_11_textChanged(const QString &text);
    void serialEventHandle(int id, QVariant data);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void saveFormToSettings();
    void fillFormFromSettings();
    void rebuildRecord();
    void fillReportRecord();
    void fillSymptom();
    void fillHospitalInfo();
    void loadResultList();
    void loadCurveData();
    void repaintNow();
    void editDate();
    bool exportPdf(QString *failure);
    qreal screenDpi() const;
    void fillHtmlLines(const QString &fileName, const QSize &size);

    // Page 0 (reached only through the hidden return button): the result
    // list and the curves of the run, painted into their labels. Nothing
    // shows them today; the dialog test reaches them as a friend.
    friend class TestSampleReportDlg;
    void drawResultList(const QList<QStringList> &rows);
    void drawCurveChart();

    Ui::SampleReportDlg *ui = nullptr;
    QString m_key;
    QStringList m_keyList;
    QString m_sampleId;
    QDate m_date;
    QTime m_time;
    QPixmap *m_page = nullptr;
    QPointer<QLabel> m_previewLabel; // owned by the scroll area
    ReportRecord m_record;
    QStringList m_htmlLines;
    QButtonGroup *m_sexGroup = nullptr;
    int m_resizeCount = 0;

    // The run is read once, when the dialog opens: a database replaced while
    // the dialog is open does not empty a report already shown.
    QList<QStringList> m_runResults;
    QList<QList<int>> m_runCurves;
    // Top of page 0's curve chart, kept by loadCurveData: 800, or a third
    // above the largest last value when that exceeds 800.
    int m_curveRange = 800;

    QTimer m_repaintTimer;  // coalesces a burst of edits into one paint
    bool m_filling = false; // the form is being filled: no paint per field
    bool m_printFailed = false;
    bool m_reportRequested = false;
    bool m_printerReady = false;
};
