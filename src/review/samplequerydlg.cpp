#include "review/samplequerydlg.h"
#include "ui_samplequerydlg.h"

#include "core/common.h"
#include "core/systemconfig.h"
#include "database/sampleinfoaccess.h"
#include "shell/widgets/messagedialog.h"

#include <QDebug>

namespace {
void showMessage(const QString &text)
{
    auto *box = new MessageDialog(text, 1, true, QString(), nullptr);
    box->exec();
}

// The page's access object, or null for anything else: an int (a truncated
// address), another object type, or an object that is gone already.
SampleInfoAccess *accessFromPayload(const QVariant &data)
{
    QObject *object = nullptr;
    if (data.userType() == QMetaType::QObjectStar)
        object = data.value<QObject *>();
    else if (data.userType() == qMetaTypeId<QPointer<QObject>>())
        object = data.value<QPointer<QObject>>().data();
    return qobject_cast<SampleInfoAccess *>(object);
}
} // namespace

SampleQueryDlg::SampleQueryDlg(QWidget *parent)
    : IDialogWidget(parent)
    , ui(new Ui::SampleQueryDlg)
{
    ui->setupUi(this);
}

SampleQueryDlg::~SampleQueryDlg()
{
    emit sendEvent(DLG_EVENT_CLOSE);
    delete ui;
}

void SampleQueryDlg::updateDialog(QVariant data)
{
    ui->retranslateUi(this);
    m_pModelAcs = accessFromPayload(data);
    if (!m_pModelAcs) {
        qDebug() << "virtual void SampleQueryDlg::updateDialog(QVariant)"
                 << "ERR: m_pModelAcs == NULL";
        emit sendEvent(DLG_EVENT_CLOSE);
        return;
    }
    const QString pattern = Common::getInstance()->getDateFormatString(SystemConfig::getInstance()->getDateFormat());
    const QDate today = QDate::currentDate();
    for (QDateEdit *edit : {ui->nu_startDateEdit, ui->nu_endDateEdit, ui->nu_startDateEdit_4, ui->nu_endDateEdit_4}) {
        edit->setDisplayFormat(pattern);
        edit->setDate(today);
    }
}

bool SampleQueryDlg::readInput(QDate *start, QDate *end, QString *sampleId)
{
    switch (ui->tabWidget->currentIndex()) {
    case 0:
        *sampleId = ui->ch_sampleIdLineEdit->text();
        *start = ui->nu_startDateEdit->date();
        *end = ui->nu_endDateEdit->date();
        if (*end < *start) {
            showMessage(tr("起止日期輸入錯誤，請重新輸入!"));
            return false;
        }
        if (sampleId->isEmpty()) {
            showMessage(tr("樣本ID輸入錯誤，請重新輸入!"));
            return false;
        }
        return true;
    case 1:
        *sampleId = ui->ch_sampleIdLineEdit_2->text();
        *start = QDate(1970, 1, 1);
        *end = QDate::currentDate();
        if (sampleId->isEmpty()) {
            showMessage(tr("樣本ID輸入錯誤，請重新輸入!"));
            return false;
        }
        return true;
    default:
        // The time tab has no sample field: it filters by date alone.
        sampleId->clear();
        *start = ui->nu_startDateEdit_4->date();
        *end = ui->nu_endDateEdit_4->date();
        if (*end < *start) {
            showMessage(tr("起止日期輸入錯誤，請重新輸入!"));
            return false;
        }
        return true;
    }
}

void SampleQueryDlg::on_btnQuery_clicked()
{
    QDate start;
    QDate end;
    QString sampleId;
    if (m_pModelAcs && !readInput(&start, &end, &sampleId))
        return;
    // The page owning the access object may have been left meanwhile:
    // there is nothing left to filter, so the dialog goes away.
    if (!m_pModelAcs) {
        qDebug() << "SampleQueryDlg: the history page is gone, closing";
        emit sendEvent(DLG_EVENT_CLOSE);
        close();
        return;
    }

    const int count = m_pModelAcs->getFilterCount(start, end, sampleId, QString());
    if (count < 1) {
        showMessage(tr("未查詢到滿足條件的數據!"));
        return;
    }
    m_pModelAcs->m_bFilter = true;
    m_pModelAcs->setFilter(start, end, sampleId, QString());
    emit sendEvent(DLG_EVENT_UPDATE);
}
