#include "pages/machineotherset.h"

#include "core/messageids.h"
#include "database/dbmanage.h"
#include "link/netlportproc.h"
#include "link/transferprogress.h"
#include "shell/filedialogs.h"

#include "ui_machineotherset.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>

#include <climits>

MachineOtherSet *MachineOtherSet::getInstance()
{
    return Singleton<MachineOtherSet>::instance();
}

MachineOtherSet::MachineOtherSet(QWidget *parent)
    : IFunWidget(parent)
    , ui(new Ui::MachineOtherSet)
{
    ui->setupUi(this);
}

MachineOtherSet::~MachineOtherSet()
{
    delete ui;
    Singleton<MachineOtherSet>::forget(this);
}

void MachineOtherSet::releaseInstance()
{
    Singleton<MachineOtherSet>::forget(this);
    setAttribute(Qt::WA_DeleteOnClose, false);
    close();
    delete this;
}

QString MachineOtherSet::getTitle()
{
    return tr("其他设置");
}

void MachineOtherSet::initWidget()
{
    setWindowTitle(tr("Form"));
    ui->groupBox->setTitle(tr("数据更新"));
    ui->serverStatusLabel->setText(tr("接收进度"));
    ui->pushButton->setText(tr("更新数据库"));
    ui->btnLoadFile->setText(tr("加载文件"));
}

void MachineOtherSet::on_pushButton_clicked()
{
    // One fetch per visit: the button comes back only on a new page.
    ui->pushButton->setEnabled(false);
    emit sendCmd(Cmd_FetchDataFile, QVariant(-1));
}

void MachineOtherSet::netEventHandle(int id, QVariant data)
{
    if (id != NetEvt_FileProgress) {
        // Instrument answers and unknown frames end here, as many as arrive.
        NetlPortProc::datagramLog().debug(
            QStringLiteral("virtual void MachineOtherSet::netEventHandle(int, QVariant) MachineOtherSet default..."));
        return;
    }
    const TransferProgress progress = TransferProgress::decode(data.toByteArray());
    const TransferProgress::BarValues bar = progress.barValues();
    ui->serverProgressBar->setMaximum(bar.maximum);
    ui->serverProgressBar->setValue(bar.value);
    qDebug() << progress.total;
    qDebug() << progress.received;
    if (progress.received == progress.total)
        ui->serverStatusLabel->setText(tr("数据更新完成！"));
}

void MachineOtherSet::on_btnLoadFile_clicked()
{
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QString path =
        FileDialogs::getOpenFileName(this, QStringLiteral("数据库文件路径"), folder, QStringLiteral("AppDatabase.db"));
    if (path.isEmpty())
        return;
    ui->lineEditFilePath->setText(path);
    qDebug() << folder;
    qDebug() << path;
    // Installed like the instrument's upload: validated first, the current
    // database kept as a backup, the connection reopened on the new file.
    const QString target = DbManage::databasePath();
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (!canonical.isEmpty() && canonical == QFileInfo(target).canonicalFilePath())
        return; // the database itself: nothing to install
    DbManage *db = DbManage::instance();
    if (!db || !db->replaceDatabase(path))
        qDebug() << "失败" << path;
}
