#include "app/appstartup.h"
#include "app/unixsignalquit.h"
#include "app/vireon.h"
#include "core/debuglog.h"
#include "database/dbmanage.h"
#include "shell/instanceguard.h"

#include <QApplication>
#include <QDebug>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    DebugLog::install();
    DebugLog::getInstance()->removeOldFiles();
    // Several saves write into these folders and would fail on a fresh
    // installation while reporting success.
    AppStartup::createAppFolders();
    AppStartup::installTranslator();
    AppStartup::installApplicationFont();

    // A leading dot: no instrument upload may carry that name and replace the lock.
    InstanceGuard guard(QStringLiteral("procGuardService.exe"), QStringLiteral("./app/.instance.lock"));
    if (!guard.acquire()) {
        QMessageBox::information(nullptr, AppStartup::instanceRunningTitle(), AppStartup::instanceRunningText());
        return -1;
    }

    AppStartup::removeLeftovers();
    DbManage db;
    if (!AppStartup::openDatabase(db))
        return -1;

    Vireon window;
    // Runs before the window's own quit handler, which joins the threads.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&guard]() {
        qDebug() << "Application is about to close. Performing cleanup.";
        guard.release();
    });
    UnixSignalQuit::install();
    AppStartup::startMainWindow(window, db);
    return AppStartup::runEventLoop();
}
