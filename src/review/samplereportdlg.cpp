#include "review/samplereportdlg.h"
#include "ui_samplereportdlg.h"

#include "core/messageids.h"
#include "core/systemconfig.h"
#include "database/sampleinfoaccess.h"
#include "database/sampleinfomodel.h"
#include "review/drawprinttemplate.h"
#include "review/reportoutput.h"
#include "shell/filedialogs.h"
#include "shell/widgets/datetimeeditdialog.h"
#include "shell/widgets/messagedialog.h"

#include <QButtonGroup>
#include <QDebug>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPrintPreviewDialog>
#include <QScreen>

namespace {

SampleReportDlg::PreviewRunner g_previewRunner;
// Report pages alive: the painter's caches go with the last of them (a
// second report may open before the first one is deleted).
int g_livePages = 0;

const char kDateFormat[] = "yyyy.MM.dd";

void showMessage(const QString &text)
{
    auto *box = new MessageDialog(text, MessageDialog::MODE_OK, true, QString(), nullptr);
    box->exec();
}

} // namespace

void SampleReportDlg::setPreviewRunnerForTesting(PreviewRunner runner)
{
    g_previewRunner = std::move(runner);
}

SampleReportDlg::SampleReportDlg(QWidget *parent)
    : IDialogWidget(parent)
    , ui(new Ui::SampleReportDlg)
{
    ui->setupUi(this);
    ui->stackedWidget->setCurrentIndex(1);

    m_sexGroup = new QButtonGroup(this);
    m_sexGroup->setExclusive(true);
    for (QRadioButton *button : {ui->radioButton, ui->radioButton_2, ui->radioButton_3}) {
        if (QButtonGroup *formGroup = button->group())
            formGroup->removeButton(button);
    }
    m_sexGroup->addButton(ui->radioButton, 0);
    m_sexGroup->addButton(ui->radioButton_2, 1);
    m_sexGroup->addButton(ui->radioButton_3, 2);
    ui->radioButton->setChecked(true);
    connect(m_sexGroup, &QButtonGroup::idClicked, this, &SampleReportDlg::buttonJudge);

    ui->data_lineEdit->setEnabled(false);

    m_repaintTimer.setSingleShot(true);
    m_repaintTimer.setInterval(0);
    connect(&m_repaintTimer, &QTimer::timeout, this, &SampleReportDlg::repaintNow);
}

SampleReportDlg::~SampleReportDlg()
{
    emit sendEvent(DLG_EVENT_CLOSE);
    if (m_page && --g_livePages == 0)
        DrawPrintTemplate::getInstance()->releaseCaches();
    delete m_page;
    qDebug() << " ~SampleReportDlg ";
    delete ui;
}

QLabel *SampleReportDlg::previewLabel() const
{
    return m_previewLabel.data();
}

void SampleReportDlg::updateDialog(QVariant data)
{
    ui->retranslateUi(this);
    m_key.clear();
    m_keyList = data.toStringList();
    m_key = m_keyList.value(0);
    if (m_key.isEmpty()) {
        qDebug() << "virtual void SampleReportDlg::updateDialog(QVariant)"
                 << "ERR: m_key == STR_INVALID";
        emit sendEvent(DLG_EVENT_CLOSE);
        return;
    }
    qDebug() << "@ZRB model key: " << m_key;
    SampleInfoAccess access;
    const int num = access.findKeyModel(m_key);
    if (num < 1 || access.m_listModel.isEmpty()) {
        qDebug() << "ERR: num <= 0";
        emit sendEvent(DLG_EVENT_CLOSE);
        return;
    }
    const SampleInfoModel *first = access.m_listModel.first();
    m_sampleId = first->SampleId;
    m_date = first->date;
    m_time = first->time;
    ReportRecord::loadRun(m_keyList, m_sampleId, m_date, m_time, &m_runResults, &m_runCurves);
    // The curves are stroked meanwhile; the rest of the page is painted here.
    DrawPrintTemplate::getInstance()->prepareCurves(m_runCurves);

    if (!m_page)
        ++g_livePages;
    delete m_page;
    m_page = new QPixmap(DrawPrintTemplate::kPageWidth, DrawPrintTemplate::kPageHeight);
    m_previewLabel = new QLabel;
    m_previewLabel->setObjectName(QStringLiteral("previewLabel"));
    m_previewLabel->setAlignment(Qt::AlignCenter);
    m_previewLabel->resize(m_page->size());
    ui->scrollArea->setWidget(m_previewLabel);

    // Filling the form changes fields that repaint on change; the page is
    // painted once, with every field and the stored sex in place.
    m_filling = true;
    ui->data_lineEdit->setText(QLocale::c().toString(m_date, QLatin1String(kDateFormat)));
    fillFormFromSettings();
    m_filling = false;
    repaintNow();
}

void SampleReportDlg::fillFormFromSettings()
{
    SystemConfig *config = SystemConfig::getInstance();
    ui->lineEdit_9->setText(config->getInspectorName());
    ui->lineEdit_10->setText(config->getDoctorName());
    ui->hospitalNameLabel->setText(config->getHospitalName());
    ui->hospitalAddrLabel->setText(config->getHospitalAddress());
    ui->hospitalNumLabel->setText(config->getHospitalPhone());
    ui->lineEdit->setText(config->getPetOwner());
    ui->lineEdit_2->setText(config->getPetOwnerTel());
    ui->lineEdit_3->setText(config->getPetName());
    ui->lineEdit_4->setText(config->getPetSampleType());
    ui->lineEdit_5->setText(config->getPetType());
    ui->lineEdit_6->setText(config->getPetAge());
    ui->lineEdit_11->setText(config->getPetNum());
    ui->symptomTextEdit->setPlainText(config->getPetSymptom());

    const int gender = config->getPetGender();
    if (gender == 0)
        ui->radioButton->setChecked(true);
    else if (gender == 1)
        ui->radioButton_2->setChecked(true);
    else
        ui->radioButton_3->setChecked(true);

    const int language = config->getSystemLanguage();
    const int sexWidth = language == 2 ? 110 : (language == 0 || language == 3) ? 60 : 80;
    for (QRadioButton *button : {ui->radioButton, ui->radioButton_2, ui->radioButton_3})
        button->setMinimumWidth(sexWidth);

    ui->btnPrint_2->hide();
    ui->lineEdit_25->setReadOnly(true);
    ui->label_29->hide();
    ui->lineEdit_25->hide();
    ui->pushButton->hide();
    ui->lineEdit_25->setText(config->getPdfSavepath());
}

void SampleReportDlg::saveFormToSettings()
{
    SystemConfig *config = SystemConfig::getInstance();
    config->setPetOwner(ui->lineEdit->text());
    config->setPetOwnerTel(ui->lineEdit_2->text());
    config->setPetName(ui->lineEdit_3->text());
    config->setPetSampleType(ui->lineEdit_4->text());
    config->setPetType(ui->lineEdit_5->text());
    config->setPetAge(ui->lineEdit_6->text());
    config->setPetSymptom(ui->symptomTextEdit->toPlainText());
    config->setPetNum(ui->lineEdit_11->text());
    config->setPetGender(m_sexGroup->checkedId());
}

void SampleReportDlg::rebuildRecord()
{
    fillReportRecord();
    fillSymptom();
    fillHospitalInfo();
    loadResultList();
    loadCurveData();
}

void SampleReportDlg::fillReportRecord()
{
    QString sex;
    switch (m_sexGroup->checkedId()) {
    case 0:
        sex = tr("公");
        break;
    case 1:
        sex = tr("母");
        break;
    case 2:
        sex = tr("未知");
        break;
    default:
        break;
    }
    m_record.petInfo = QStringList{ui->lineEdit->text(),      ui->lineEdit_3->text(), ui->lineEdit_5->text(),
                                   ui->data_lineEdit->text(), ui->lineEdit_2->text(), sex,
                                   ui->lineEdit_6->text(),    ui->lineEdit_4->text(), ui->lineEdit_11->text()};
}

void SampleReportDlg::fillSymptom()
{
    m_record.symptom = QStringList{ui->symptomTextEdit->toPlainText()};
}

void SampleReportDlg::fillHospitalInfo()
{
    m_record.hospitalInfo = ReportRecord::hospitalInfoFromSettings();
}

void SampleReportDlg::loadResultList()
{
    m_record.dataList = m_runResults;
}

void SampleReportDlg::loadCurveData()
{
    m_record.CurveData = m_runCurves;
    int largestLast = 0;
    for (const QList<int> &curve : m_runCurves) {
        if (!curve.isEmpty())
            largestLast = qMax(largestLast, curve.last());
    }
    m_curveRange = largestLast > 800 ? largestLast + largestLast / 3 : 800;
}

void SampleReportDlg::updatePrintTemplate()
{
    if (m_filling || !m_page)
        return;
    m_repaintTimer.start();
}

void SampleReportDlg::flushPrintTemplate()
{
    if (m_repaintTimer.isActive())
        repaintNow();
}

void SampleReportDlg::repaintNow()
{
    m_repaintTimer.stop();
    if (!m_page)
        return;
    qDebug() << "updatePrintTemplate";
    rebuildRecord();
    DrawPrintTemplate::getInstance()->drawReport(m_record, m_page);
    if (!m_previewLabel)
        return;
    m_previewLabel->resize(m_page->size());
    if (ui->scrollArea->widget() != m_previewLabel)
        ui->scrollArea->setWidget(m_previewLabel);
    m_previewLabel->setPixmap(m_page->scaledToWidth(kPreviewWidth, Qt::SmoothTransformation));
    m_previewLabel->setAlignment(Qt::AlignCenter);
}

void SampleReportDlg::buttonJudge(int)
{
    updatePrintTemplate();
}

void SampleReportDlg::on_lineEdit_10_textEdited(const QString &text)
{
    SystemConfig::getInstance()->setDoctorName(text);
    updatePrintTemplate();
}

void SampleReportDlg::on_lineEdit_9_textEdited(const QString &text)
{
    SystemConfig::getInstance()->setInspectorName(text);
    updatePrintTemplate();
}

void SampleReportDlg::on_lineEdit_textEdited(const QString &)
{
    updatePrintTemplate();
}

void SampleReportDlg::on_lineEdit_2_textEdited(const QString &)
{
    updatePrintTemplate();
}

void SampleReportDlg::on_lineEdit_3_textEdited(const QString &)
{
    updatePrintTemplate();
}

void SampleReportDlg::on_lineEdit_4_textEdited(const QString &)
{
    updatePrintTemplate();
}

void SampleReportDlg::on_lineEdit_5_textEdited(const QString &)
{
    updatePrintTemplate();
}

void SampleReportDlg::on_lineEdit_6_textEdited(const QString &)
{
    updatePrintTemplate();
}

void SampleReportDlg::on_sampleTypeXComboBoxChangeSlot()
{
    updatePrintTemplate();
}

void SampleReportDlg::on_symptomTextEdit_textChanged()
{
    updatePrintTemplate();
}

void SampleReportDlg::on_data_lineEdit_textChanged(const QString &)
{
    updatePrintTemplate();
}

void SampleReportDlg::on_lineEdit_11_textChanged(const QString &)
{
    updatePrintTemplate();
}

void SampleReportDlg::calendarWidget_data_change(QDate date)
{
    ui->data_lineEdit->setText(QLocale::c().toString(date, QLatin1String(kDateFormat)));
}

void SampleReportDlg::on_pushButton_clicked()
{
    const QString start = QStringLiteral("%1/%2").arg(QStringLiteral("./app"), QStringLiteral("PdfFile"));
    const QString folder = FileDialogs::getExistingDirectory(
        this, tr("Open Directory"), start, QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    // A cancelled chooser keeps the folder the hospital page set.
    if (folder.isEmpty())
        return;
    ui->lineEdit_25->setText(folder);
    SystemConfig::getInstance()->setPdfSavepath(folder);
}

void SampleReportDlg::on_btnPrint_2_clicked()
{
    emit sendCmd(Cmd_ReportDlg31, QVariant(true));
    ui->stackedWidget->setCurrentIndex(0);
}

void SampleReportDlg::on_btnPritView_clicked()
{
    ui->stackedWidget->setCurrentIndex(1);
}

qreal SampleReportDlg::screenDpi() const
{
    QScreen *shown = screen();
    return shown ? shown->logicalDotsPerInch() : 96.0;
}

void SampleReportDlg::dealHtmlFile(QString fileName)
{
    fillHtmlLines(fileName, ReportOutput::htmlImageSize(screenDpi()));
}

void SampleReportDlg::fillHtmlLines(const QString &fileName, const QSize &size)
{
    m_htmlLines.clear();
    m_htmlLines << ReportOutput::htmlPage(fileName, size);
    qDebug() << "dealHtmlFile" << m_htmlLines;
}

bool SampleReportDlg::savePdftest(QString fileName, bool landscape, QPrinter::PageSize pageSize)
{
    dealHtmlFile(fileName);
    QScreen *first = QGuiApplication::primaryScreen();
    const qreal dpi = first ? first->logicalDotsPerInch() : 96.0;
    const QString name = ReportOutput::pdfFileName(QDateTime::currentDateTime());
    const QString path = ReportOutput::pdfFilePath(ui->lineEdit_25->text(), name);
    return ReportOutput::writePdf(m_htmlLines.join(QString()), path, dpi, landscape,
                                  static_cast<QPageSize::PageSizeId>(pageSize));
}

bool SampleReportDlg::exportPdf(QString *failure)
{
    ReportOutput::ensureOutputFolders();
    const QString path = DrawPrintTemplate::getInstance()->saveReportImage(m_page);
    if (path.isEmpty()) {
        *failure = tr("報告圖片保存失敗！");
        return false;
    }
    if (!savePdftest(path, false, QPrinter::A4)) {
        *failure = tr("PDF檔案保存失敗，請檢查存儲路徑！");
        return false;
    }
    return true;
}

void SampleReportDlg::on_toolButton_clicked()
{
    saveFormToSettings();
    ui->progressBar->setValue(ui->progressBar->minimum());
    flushPrintTemplate();
    QString failure;
    if (!exportPdf(&failure)) {
        // The bar stays short of its end: nothing was exported.
        showMessage(failure);
        return;
    }
    ui->progressBar->setValue(ui->progressBar->maximum());
}

void SampleReportDlg::on_btnPrint_clicked()
{
    saveFormToSettings();
    flushPrintTemplate();
    ReportOutput::ensureOutputFolders();

    QPrinter printer(QPrinter::ScreenResolution);
    ReportOutput::setUpPrinter(&printer);
    printer.setOutputFormat(QPrinter::NativeFormat);

    QPrintPreviewDialog preview(&printer, nullptr);
    preview.setStyleSheet(QStringLiteral("QToolButton{background:none;margin:2px;padding:0px;border-width:0px;"
                                         "border-radius:0px;}QLineEdit{border-width:0px;}"));
    preview.setWindowTitle(tr("預覽列印"));
    preview.setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, &SampleReportDlg::printView);
    m_printFailed = false;
    QPointer<SampleReportDlg> self(this);
    if (g_previewRunner) {
        g_previewRunner(&preview);
    } else {
        preview.showMaximized();
        preview.exec();
    }
    if (self && m_printFailed)
        showMessage(tr("報告圖片保存失敗！"));
}

void SampleReportDlg::printView(QPrinter *printer)
{
    ReportOutput::ensureOutputFolders();
    const QString path = DrawPrintTemplate::getInstance()->saveReportImage(m_page);
    if (path.isEmpty()) {
        // Without this page's image nothing is printed, least of all the
        // page an earlier export left behind.
        m_printFailed = true;
        m_htmlLines.clear();
    } else {
        // The print path's own size: the PDF's clamp comes from the PDF's
        // wider margins and would shrink the printout for nothing.
        fillHtmlLines(path, ReportOutput::printImageSize(screenDpi()));
    }
    ReportOutput::printHtml(m_htmlLines.join(QString()), printer);
    m_htmlLines.clear();
}

void SampleReportDlg::mousePressEvent(QMouseEvent *event)
{
    qDebug() << "mousePressEvent" << event->pos();
    // The date field is disabled, so a press on it arrives here.
    const QRect dateField(ui->data_lineEdit->mapTo(this, QPoint(0, 0)), ui->data_lineEdit->size());
    if (ui->data_lineEdit->isVisible() && dateField.contains(event->pos())) {
        editDate();
        return;
    }
    IDialogWidget::mousePressEvent(event);
}

void SampleReportDlg::editDate()
{
    QDateTime chosen(QDate::fromString(ui->data_lineEdit->text(), QLatin1String(kDateFormat)), QTime(0, 0));
    // One editor a press, gone when it closes.
    DatetimeEditDialog editor(&chosen, tr("日期编辑"), true, nullptr);
    QPointer<SampleReportDlg> self(this);
    if (editor.exec() == 1 && self)
        ui->data_lineEdit->setText(QLocale::c().toString(chosen.date(), QLatin1String(kDateFormat)));
}

void SampleReportDlg::resizeEvent(QResizeEvent *event)
{
    IDialogWidget::resizeEvent(event);
    if (++m_resizeCount == 10) {
        qDebug() << "resizeEvent 1";
        qDebug() << "resizeEvent 2";
        m_resizeCount = 0;
    }
}

void SampleReportDlg::serialEventHandle(int id, QVariant data)
{
    switch (id) {
    case NetEvt_ReportDlg6:
        m_reportRequested = true;
        emit sendCmd(Cmd_ReportDlg31, QVariant(true));
        emit sendCmd(Cmd_ReportDlg32, QVariant(true));
        break;
    case NetEvt_ReportDlg28:
        m_printerReady = data.toBool();
        break;
    default:
        qDebug() << "void SampleReportDlg::serialEventHandle(int, QVariant)"
                 << "default...";
        break;
    }
}

void SampleReportDlg::drawResultList(const QList<QStringList> &rows)
{
    QLabel *label = ui->Reselts_label;
    QPixmap pixmap(label->size());
    if (pixmap.isNull())
        return;
    pixmap.fill(Qt::white);
    // No rows: an empty list, not a division by a row count of zero.
    if (!rows.isEmpty()) {
        QPainter p(&pixmap);
        QFont font = label->font();
        font.setPointSize(10);
        p.setFont(font);
        // A short list keeps the row height of twice as many rows.
        const int rowHeight = label->height() / (rows.size() < 8 ? 2 * rows.size() : rows.size());
        const int columnWidth = label->width() / 3;
        for (int k = 0; k < rows.size(); ++k) {
            for (int column = 0; column < 3; ++column)
                p.drawText(QRect(column * columnWidth, k * rowHeight, columnWidth, rowHeight), Qt::AlignCenter,
                           rows.at(k).value(column));
        }
    }
    label->setPixmap(pixmap);
}

void SampleReportDlg::drawCurveChart()
{
    QLabel *label = ui->line_label;
    QPixmap pixmap(label->size());
    if (pixmap.isNull())
        return;
    pixmap.fill(Qt::white);
    // Room for the axis numbers left of and under the chart.
    const QRect plot = pixmap.rect().adjusted(kCurveChartMargins.left(), kCurveChartMargins.top(),
                                              -kCurveChartMargins.right(), -kCurveChartMargins.bottom());
    const int range = qMax(1, m_curveRange);
    // Cycle 1 on the left edge, 40 on the right; 0 on the bottom edge, the
    // range on the top.
    const int across = plot.right() - plot.left();
    const int up = plot.bottom() - plot.top();
    auto xOf = [&](double cycle) { return plot.left() + across * cycle / 39.0; };
    auto yOf = [&](double value) { return plot.bottom() - up * value / range; };

    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    QFont font = label->font();
    font.setPointSize(5);
    p.setFont(font);
    const QPen grid(QBrush(Qt::gray), 1, Qt::DashLine);
    for (int j = 0; j <= 10; ++j) {
        const int y = plot.bottom() - up * j / 10;
        p.setPen(grid);
        p.drawLine(plot.left(), y, plot.right(), y);
        p.setPen(Qt::black);
        p.drawText(QRect(0, y - 8, plot.left() - 4, 16), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(qint64(range) * j / 10));
    }
    // A line every third cycle, numbered 1, 4 ... 40 like the report's chart.
    for (int n = 0; n <= 13; ++n) {
        const int x = plot.left() + across * 3 * n / 39;
        p.setPen(grid);
        p.drawLine(x, plot.top(), x, plot.bottom());
        p.setPen(Qt::black);
        p.drawText(QRect(x - 12, plot.bottom() + 4, 24, 16), Qt::AlignCenter, QString::number(3 * n + 1));
    }

    QPainterPath path;
    for (const QList<int> &curve : m_record.CurveData) {
        for (int i = 0; i < curve.size(); ++i) {
            const QPointF point(xOf(i), yOf(curve.at(i)));
            if (i == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
    }
    p.strokePath(path, QPen(QBrush(QColor(kCurveChartColour)), 2));
    p.end();
    label->setPixmap(pixmap);
}
