#include "update/checkupdatewidget.h"

#include "core/common.h"
#include "core/messageids.h"
#include "shell/appglobals.h"
#include "shell/widgets/messagedialog.h"
#include "update/httpfun.h"

#include "ui_checkupdatewidget.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

namespace {
// The normal shutdown: the worker threads stop and the single-instance
// guard is released on the way out of the event loop.
std::function<void(int)> g_quit = [](int code) { QCoreApplication::exit(code); };
int g_updaterDelayMs = 3000;
} // namespace

CheckUpdateWidget *CheckUpdateWidget::getInstance()
{
    return Singleton<CheckUpdateWidget>::instance();
}

CheckUpdateWidget::CheckUpdateWidget(QWidget *parent)
    : IFunWidget(parent)
    , ui(new Ui::CheckUpdateWidget)
    , m_timer(new QTimer(this))
{
    ui->setupUi(this);
    connect(m_timer, &QTimer::timeout, this, &CheckUpdateWidget::onTimeUpdate);
}

CheckUpdateWidget::~CheckUpdateWidget()
{
    delete ui;
    Singleton<CheckUpdateWidget>::forget(this);
}

void CheckUpdateWidget::setQuitForTesting(std::function<void(int)> quit)
{
    g_quit = std::move(quit);
}

void CheckUpdateWidget::setUpdaterDelayForTesting(int ms)
{
    g_updaterDelayMs = ms;
}

QString CheckUpdateWidget::getTitle()
{
    return tr("檢查更新");
}

void CheckUpdateWidget::initWidget()
{
    ui->retranslateUi(this);
    ui->upgradeBar->hide();
    refreshButton();
    if (!updateAvailable)
        emit sendCmd(Cmd_getUpgradePackageInfo, QVariant(0));
}

void CheckUpdateWidget::onTimeUpdate()
{
    ui->upgradeBar->setValue(ui->upgradeBar->value() + 1);
}

void CheckUpdateWidget::finishBar(const QString &text)
{
    m_timer->stop();
    ui->upgradeBar->setRange(0, 100);
    ui->upgradeBar->setValue(100);
    ui->upgradeBar->setFormat(text);
}

void CheckUpdateWidget::refreshButton()
{
    ui->downloadPagBtn->setEnabled(updateAvailable && !m_downloading);
}

bool CheckUpdateWidget::askYes(const QString &text)
{
    return (new MessageDialog(text, MessageDialog::MODE_YES_NO, true, QString(), nullptr))->exec() == 1;
}

void CheckUpdateWidget::tell(const QString &text)
{
    (new MessageDialog(text, MessageDialog::MODE_OK, true, QString(), nullptr))->exec();
}

void CheckUpdateWidget::on_downloadPagBtn_clicked()
{
    if (!updateAvailable) {
        emit sendCmd(Cmd_EnableNavigation, QVariant(true));
        tell(tr("未檢測到升級包！"));
        return;
    }
    emit sendCmd(Cmd_EnableNavigation, QVariant(false));
    updateAvailable = false;
    ui->downloadPagBtn->setEnabled(false);
    if (!askYes(tr("檢測到網絡升級包，是否進行升級？"))) {
        emit sendCmd(Cmd_EnableNavigation, QVariant(true));
        return;
    }
    m_downloading = true;
    m_timer->stop();
    ui->upgradeBar->setRange(0, 100);
    ui->upgradeBar->setValue(0);
    ui->upgradeBar->setFormat(tr("正在下載升級包... 0%"));
    ui->upgradeBar->show();
    emit sendCmd(Cmd_DownloadOtaFile, QVariant(0));
}

void CheckUpdateWidget::httpEventHandle(int id, QVariant data)
{
    switch (id) {
    case HttpEvt_VersionInfo: {
        const QVariantList result = data.toList();
        updateAvailable = !result.isEmpty() && result.first().toInt() == 0;
        if (updateAvailable)
            refreshButton();
        break;
    }
    case HttpEvt_Download:
        m_downloading = false;
        refreshButton();
        downloadFinished(data.toList());
        break;
    case HttpEvt_DownloadProgress:
        refreshButton();
        showProgress(data);
        break;
    default:
        break;
    }
}

void CheckUpdateWidget::showProgress(const QVariant &data)
{
    // Compared before narrowing, so a huge value cannot wrap into range.
    const qulonglong percent = data.toULongLong();
    if (percent > 100)
        return;
    const int value = static_cast<int>(percent);
    ui->upgradeBar->show();
    ui->upgradeBar->setValue(value);
    ui->upgradeBar->setFormat(tr("正在下載升級包%1%...").arg(value));
}

void CheckUpdateWidget::downloadFinished(const QVariantList &result)
{
    const int code = result.isEmpty() ? -1 : result.first().toInt();
    if (code != 0) {
        const QString text = result.size() > 1 ? result.at(1).toString() : HttpFun::getErrorInfo(code);
        emit sendCmd(Cmd_EnableNavigation, QVariant(true));
        finishBar(text);
        tell(text);
        return;
    }
    ui->upgradeBar->setValue(100);
    ui->upgradeBar->setFormat(tr("升級包下載成功"));
    if (!askYes(tr("升級包下載成功，是否進行升級？"))) {
        emit sendCmd(Cmd_EnableNavigation, QVariant(true));
        return;
    }
    startUpdater();
}

// Starts exactly the file the client verified, under the working directory.
void CheckUpdateWidget::startUpdater()
{
    const QString path = QFileInfo(HttpFun::downloadPath()).absoluteFilePath();
    qDebug() << "CheckUpdateWidget: starting the updater" << QDir::toNativeSeparators(path);
#ifndef Q_OS_WIN
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeUser);
#endif
    if (!QProcess::startDetached(path, QStringList())) {
        qDebug() << "CheckUpdateWidget: the updater did not start" << path;
        emit sendCmd(Cmd_EnableNavigation, QVariant(true));
        tell(tr("升級程式無法啟動！"));
        return;
    }
    Common::getInstance()->delayMs(g_updaterDelayMs);
    g_quit(0);
}
