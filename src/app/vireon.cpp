#include "app/vireon.h"

#include "app/dialogwidgetfactory.h"
#include "app/funwidgetfactory.h"
#include "core/common.h"
#include "core/messageids.h"
#include "core/systemconfig.h"
#include "database/dbmanage.h"
#include "database/logopt.h"
#include "link/netlportproc.h"
#include "link/transferprogress.h"
#include "shell/appearance.h"
#include "shell/appglobals.h"
#include "shell/linkstatusindicator.h"
#include "shell/navigationlist.h"
#include "shell/widgets/messagedialog.h"
#include "update/httpfun.h"

#include "ui_vireon.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QFile>
#include <QMoveEvent>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWindow>

namespace {
constexpr int kReportMaxWidth = 1450;
constexpr int kReportMaxHeight = 900;
} // namespace

Vireon::Vireon(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::Vireon)
{
    ui->setupUi(this);
    initForm();
}

Vireon::~Vireon()
{
    deal_app_quit();
    if (m_dialog) {
        disconnect(m_dialog, nullptr, this, nullptr);
        delete m_dialog.data();
    }
    delete ui;
}

void Vireon::initForm()
{
    m_linkStatus = std::make_unique<LinkStatusIndicator>(ui->lampLabel, ui->statusLabel);
    ui->pageScrollArea->setObjectName(QStringLiteral("pageScrollArea"));
    ui->versionLabel->setText(Common::getInstance()->getVersion());
    setWindowIcon(QIcon(QStringLiteral(":/images/app-icon.svg")));
    Appearance::applyStyle(SystemConfig::getInstance()->getFontSize());
    refreshChrome();
    connect(ui->navigationList, &QListWidget::currentRowChanged, this, &Vireon::onNavigationRowChanged);
    startUpdateClient();
}

// The update client lives in a thread of its own and asks for a newer
// version at once. It is deleted when its thread finishes at shutdown.
void Vireon::startUpdateClient()
{
    auto *client = new HttpFun(nullptr);
    m_httpThread = new QThread(this);
    m_httpThread->setObjectName(QStringLiteral("UpdateClient"));
    connect(client, &HttpFun::signal_sendHttpEvent, this, &Vireon::httpEventSlot, Qt::QueuedConnection);
    connect(this, &Vireon::sendHttpRequest, client, &HttpFun::slot_sendHttpRequest, Qt::QueuedConnection);
    connect(m_httpThread, &QThread::finished, client, &QObject::deleteLater);
    client->moveToThread(m_httpThread);
    m_httpThread->start(QThread::InheritPriority);
    sendCtlCmdSlot(Cmd_getUpgradePackageInfo, QVariant(0));
}

// Title and navigation rows in the current language and display size. The
// list's signals stay blocked so that a rebuild never switches pages: the
// language page that caused it may be running one of its own slots.
void Vireon::refreshChrome()
{
    if (m_rebuildingChrome)
        return;
    m_rebuildingChrome = true;
    setWindowTitle(QStringLiteral("Vireon %1").arg(Common::getInstance()->getVersion()));
    NavigationList::rebuild(ui->navigationList, SystemConfig::getInstance()->getFontSize(), m_currentPageId);
    m_rebuildingChrome = false;
}

QSize Vireon::reportDialogSize()
{
    QSize screen(kReportMaxWidth, kReportMaxHeight);
    if (QScreen *primary = QGuiApplication::primaryScreen())
        screen = primary->size();
    return QSize(qMin(screen.width(), kReportMaxWidth), qMin(screen.height(), kReportMaxHeight));
}

bool Vireon::isNavigationEnabled() const
{
    return ui->navigationList->isEnabled();
}

void Vireon::start()
{
    switchFunctionWidgetSlot(IFunWidget::WGT_HISTROY);
    fitToScreen();
    show();
    LogOpt::getInstance()->writeLog(LogOpt::LOG_APP_START);
    LogOpt::getInstance()->writeLog(LogOpt::LOG_SHUTDOWN_FLAG_SET);
    Common::getInstance()->delayMs(100);
    sendCtlCmdSlot(Cmd_ConnectInstrument, QVariant(-1));
    connect(qApp, &QCoreApplication::aboutToQuit, this, &Vireon::deal_app_quit);
}

QRect Vireon::fittedGeometry(const QSize &wanted, const QSize &minimum, const QMargins &frame, const QRect &available)
{
    const QSize room = available.size().shrunkBy(frame);
    const QSize size = wanted.boundedTo(room).expandedTo(minimum);
    QRect box(QPoint(), size.grownBy(frame));
    box.moveCenter(available.center());
    // Right and bottom edges first, then left and top: on a screen smaller
    // than the minimum the title bar and the navigation stay reachable.
    box.moveRight(qMin(box.right(), available.right()));
    box.moveBottom(qMin(box.bottom(), available.bottom()));
    box.moveLeft(qMax(box.left(), available.left()));
    box.moveTop(qMax(box.top(), available.top()));
    return box.marginsRemoved(frame);
}

QMargins Vireon::frameMargins() const
{
    // None until the window manager has framed the mapped window.
    return windowHandle() ? windowHandle()->frameMargins() : QMargins();
}

void Vireon::placeOnScreen(QWidget *window, const QSize &wanted, const QMargins &frame) const
{
    QScreen *screen = windowHandle() ? windowHandle()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect fitted = fittedGeometry(wanted, window->minimumSize(), frame, screen->availableGeometry());
    window->resize(fitted.size());
    window->move(fitted.topLeft() - QPoint(frame.left(), frame.top())); // a top-level's position includes its frame
}

void Vireon::fitToScreen()
{
    placeOnScreen(this, size(), frameMargins());
}

void Vireon::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    fitAgainWithFrame();
}

// The window manager adds its frame only once the window is mapped, so the
// fit of start-up could not count the title bar: once the frame is known,
// and only when it sticks out, the window is fitted again.
void Vireon::fitAgainWithFrame()
{
    if (m_fittedWithFrame || !isVisible() || frameMargins().isNull())
        return;
    m_fittedWithFrame = true;
    const QScreen *screen = windowHandle() ? windowHandle()->screen() : nullptr;
    if (screen && !screen->availableGeometry().contains(frameGeometry()))
        fitToScreen();
}

void Vireon::onNavigationRowChanged(int row)
{
    const int pageId = NavigationList::pageOfRow(row);
    if (pageId >= 0)
        switchFunctionWidgetSlot(pageId);
    // A refused or failed switch leaves the row of the page still shown.
    if (m_currentPageId != pageId) {
        const QSignalBlocker blocker(ui->navigationList);
        ui->navigationList->setCurrentRow(NavigationList::rowOfPage(m_currentPageId));
    }
}

void Vireon::switchFunctionWidgetSlot(int id)
{
    if (m_currentPage && !m_currentPage->canSwitchWidget(false))
        return;
    IFunWidget *page = FunWidgetFactory::getFunWidget(static_cast<IFunWidget::WidgetType>(id));
    if (!page || page == m_currentPage)
        return;
    if (IFunWidget *old = m_currentPage) {
        disconnect(old, &IFunWidget::sendCmd, this, &Vireon::sendCtlCmdSlot);
        disconnect(old, &IFunWidget::switchDialogWidget, this, &Vireon::switchDialogWidgetSlot);
        disconnect(old, &IFunWidget::switchFunctionWidget, this, &Vireon::switchFunctionWidgetSlot);
        old->releaseInstance();
        if (m_currentPageId != IFunWidget::WGT_MAINMENU)
            m_previousPages << m_currentPageId;
    }
    connect(page, &IFunWidget::sendCmd, this, &Vireon::sendCtlCmdSlot);
    connect(page, &IFunWidget::switchDialogWidget, this, &Vireon::switchDialogWidgetSlot);
    connect(page, &IFunWidget::switchFunctionWidget, this, &Vireon::switchFunctionWidgetSlot);
    m_currentPage = page;
    m_currentPageId = id;
    page->initWidget();
    // The scroll area deletes the page it held, unless that page's own
    // release deleted it already.
    ui->pageScrollArea->setWidget(page);
    page->show();
    const QSignalBlocker blocker(ui->navigationList);
    ui->navigationList->setCurrentRow(NavigationList::rowOfPage(id));
}

void Vireon::closeDialog(IDialogWidget *dialog)
{
    // Disconnected first: a dialog reports DLG_EVENT_CLOSE from its
    // destructor, which must not be taken for the dialog opened after it.
    disconnect(dialog, nullptr, this, nullptr);
    dialog->close();
}

void Vireon::switchDialogWidgetSlot(int type, QVariant data)
{
    if (IDialogWidget *old = m_dialog) {
        m_dialog.clear();
        closeDialog(old);
    }
    IDialogWidget *dialog = DialogWidgetFactory::getDialogWidget(static_cast<IDialogWidget::DialogType>(type));
    if (!dialog)
        return;
    m_dialog = dialog;
    connect(dialog, &IDialogWidget::sendEvent, this, &Vireon::funDialogEventSlot);
    connect(dialog, &IDialogWidget::sendCmd, this, &Vireon::sendCtlCmdSlot);
    dialog->updateDialog(data);
    if (m_dialog != dialog)
        return; // it ended itself while being filled
    // The base makes every dialog frameless, which as a window of its own
    // would leave it without title bar and close button.
    dialog->setWindowFlags((dialog->windowFlags() & ~Qt::FramelessWindowHint) | Qt::Window);
    if (type == IDialogWidget::DLG_SAMPLE_REPORT) {
        dialog->setWindowTitle(tr("報告"));
        dialog->setMaximumSize(kReportMaxWidth, kReportMaxHeight);
        // Its frame will be of the main window's kind: counted in, so that the
        // dialog's foot is not below the screen.
        placeOnScreen(dialog, reportDialogSize(), frameMargins());
    } else {
        dialog->setWindowTitle(tr("查詢"));
    }
    dialog->show();
}

void Vireon::funDialogEventSlot(int type)
{
    // Only the dialog that is open now may end itself.
    QObject *from = sender();
    if (!m_dialog || (from && from != static_cast<QObject *>(m_dialog.data())))
        return;
    if (type < IDialogWidget::DLG_EVENT_CLOSE || type > IDialogWidget::DLG_EVENT_RESULT_FALSE)
        return;
    if (m_currentPage)
        m_currentPage->show();
    IDialogWidget *dialog = m_dialog;
    m_dialog.clear();
    disconnect(dialog, nullptr, this, nullptr);
    // Closed on the next turn of the event loop: the event may come from the
    // dialog's destructor, and the timer dies with the dialog in that case.
    QTimer::singleShot(0, dialog, [dialog]() { dialog->close(); });
    if (!m_currentPage)
        return;
    if (type == IDialogWidget::DLG_EVENT_UPDATE)
        m_currentPage->updateWidget();
    else if (type == IDialogWidget::DLG_EVENT_RESULT_TRUE)
        m_currentPage->dialogEventHandle(true);
    else if (type == IDialogWidget::DLG_EVENT_RESULT_FALSE)
        m_currentPage->dialogEventHandle(false);
}

void Vireon::sendCtlCmdSlot(int cmd, QVariant data)
{
    switch (cmd) {
    case Cmd_ConnectInstrument:
    case Cmd_FetchDataFile:
        ensureNetworkThread();
        emit netSendSig(cmd, QVariant(-1));
        break;
    case Cmd_ScanInstrument:
        m_linkStatus->beginScan();
        ui->navigationList->setEnabled(false);
        ensureNetworkThread();
        emit netSendSig(cmd, QVariant(-1));
        break;
    case Cmd_getUpgradePackageInfo:
    case Cmd_DownloadOtaFile:
        emit sendHttpRequest(cmd, data);
        break;
    case Cmd_EnableNavigation:
        ui->navigationList->setEnabled(data.toBool());
        break;
    default:
        sendDirect(cmd, data);
        break;
    }
}

// Commands the window does not route itself. The worker's sockets belong to
// its thread, so the call is queued there rather than made from here.
void Vireon::sendDirect(int cmd, const QVariant &data)
{
    ensureNetworkThread();
    NetlPortProc *worker = NetlPortProc::getInstance();
    QMetaObject::invokeMethod(
        worker, [worker, cmd, data]() { worker->sendCtlCmd(cmd, data, QString()); }, Qt::QueuedConnection);
}

void Vireon::ensureNetworkThread()
{
    if (m_netThread || m_quitDone)
        return;
    NetlPortProc *worker = NetlPortProc::getInstance();
    m_netThread = new QThread(this);
    m_netThread->setObjectName(QStringLiteral("NetworkWorker"));
    worker->moveToThread(m_netThread);
    connect(this, &Vireon::netSendSig, worker, &NetlPortProc::netCommandSlot, Qt::QueuedConnection);
    connect(worker, &NetlPortProc::sendnetEvent, this, &Vireon::networkEventSlot, Qt::QueuedConnection);
    connect(worker, &NetlPortProc::databaseFileReceived, this, &Vireon::onDatabaseFileReceived, Qt::QueuedConnection);
    m_netThread->start();
}

void Vireon::networkEventSlot(int id, QVariant data)
{
    if (id == NetEvt_LinkState && !m_linkStatus->isScanning()) {
        if (data.toBool()) {
            m_linkStatus->linkUp();
            return;
        }
        m_linkStatus->linkDown();
    } else if (id == NetEvt_ScanFinished) {
        m_linkStatus->endScan();
        ui->navigationList->setEnabled(true);
    }
    passOnNetEvent(id, data);
}

void Vireon::passOnNetEvent(int id, const QVariant &data)
{
    if (m_dialog) {
        m_dialog->netEventHandle(id, data);
        // A transfer that completes or fails under an open dialog must still
        // reach the page that waits for it.
        if ((id == NetEvt_FileProgress || id == NetEvt_FileFailed) && m_currentPage)
            m_currentPage->netEventHandle(id, data);
        return;
    }
    if (m_currentPage)
        m_currentPage->netEventHandle(id, data);
}

void Vireon::onDatabaseFileReceived(const QString &tempPath, qint64 totalBytes)
{
    DbManage *db = DbManage::instance();
    DbManage::InstallError error = DbManage::InstallError::Failed;
    // Moved into place, not copied: the install needs no room for a second copy.
    const bool installed = db && db->installReceivedDatabase(tempPath, &error);
    if (!QFile::remove(tempPath) && QFile::exists(tempPath))
        qDebug() << "ERR: cannot remove the received file" << tempPath;
    if (!installed) {
        qDebug() << "ERR: the received database was not installed; the current one stays" << tempPath;
        // The page hears of the end of its fetch before the box holds the user.
        networkEventSlot(NetEvt_FileFailed, QStringLiteral("received database not installed"));
        // A file that could not be put in place (a full disk) is a failed
        // update, which the page shows; only a refused file is invalid.
        if (error == DbManage::InstallError::Refused)
            (new MessageDialog(tr("接收的資料庫檔案無效，未能更新數據，原有數據保持不變"), MessageDialog::MODE_OK, true,
                               QString(), nullptr))
                ->exec();
        return;
    }
    qDebug() << "Vireon: received database installed," << totalBytes << "bytes";
    networkEventSlot(NetEvt_FileProgress, TransferProgress{totalBytes, totalBytes}.encode());
}

void Vireon::httpEventSlot(int id, QVariant data)
{
    if (id < HttpEvt_VersionInfo || id > HttpEvt_DownloadProgress || !m_currentPage)
        return;
    if (m_currentPageId == IFunWidget::WGT_CHECK_UPDATE) {
        m_currentPage->httpEventHandle(id, data);
        return;
    }
    if (id != HttpEvt_VersionInfo)
        return;
    const QVariantList list = data.toList();
    bool ok = false;
    const int code = list.isEmpty() ? -1 : list.first().toInt(&ok);
    if (!ok || code != 0)
        return;
    updateAvailable = true;
    (new MessageDialog(tr("伺服器存在軟件更新，請及時更新！"), MessageDialog::MODE_OK, true, QString(), nullptr))
        ->exec();
}

void Vireon::deal_app_quit()
{
    if (m_quitDone)
        return;
    m_quitDone = true;
    if (m_netThread && m_netThread->isRunning()) {
        // Delivered and handled before the thread stops, so the worker closes
        // its sockets and any transfer inside its own thread. It then hands
        // itself back to the GUI thread, where the singleton outlives the
        // stopped thread.
        NetlPortProc *worker = NetlPortProc::getInstance();
        QThread *guiThread = thread();
        QMetaObject::invokeMethod(
            worker,
            [worker, guiThread]() {
                worker->netCommandSlot(Cmd_CloseLink, QVariant(-1));
                worker->moveToThread(guiThread);
            },
            Qt::BlockingQueuedConnection);
    }
    for (QThread *thread : {m_httpThread.data(), m_netThread.data()}) {
        if (thread) {
            thread->exit();
            thread->wait();
        }
    }
    qDebug() << "void Vireon::deal_app_quit()"
             << "worker threads stopped";
}

void Vireon::closeEvent(QCloseEvent *event)
{
    if (IDialogWidget *dialog = m_dialog) {
        m_dialog.clear();
        closeDialog(dialog);
    }
    QMainWindow::closeEvent(event);
}

void Vireon::changeEvent(QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::LanguageChange && !m_rebuildingChrome) {
        ui->retranslateUi(this);
        m_linkStatus->retranslate();
    }
    if (type == QEvent::LanguageChange || type == QEvent::StyleChange)
        refreshChrome();
    if (type == QEvent::ActivationChange)
        fitAgainWithFrame();
    QMainWindow::changeEvent(event);
}
