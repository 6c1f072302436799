#include "app/appstartup.h"

#include "app/unixsignalquit.h"
#include "app/vireon.h"
#include "core/systemconfig.h"
#include "database/dbmanage.h"
#include "link/filereceiver.h"
#include "shell/appearance.h"
#include "shell/appglobals.h"
#include "shell/widgets/messagedialog.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFont>
#include <QTimer>

QStringList AppStartup::appFolders()
{
    return {QStringLiteral("./app"),      QStringLiteral("./app/config"), QStringLiteral("./app/debugLog"),
            QStringLiteral("./app/Logo"), QStringLiteral("./app/print"),  QStringLiteral("./app/PdfFile")};
}

bool AppStartup::createAppFolders()
{
    bool ok = true;
    for (const QString &folder : appFolders()) {
        if (!QDir().mkpath(folder)) {
            qDebug() << "ERR: cannot create folder" << folder;
            ok = false;
        }
    }
    return ok;
}

void AppStartup::removeLeftovers()
{
    const int removed = DbManage::removeStaleInstallFiles() + FileReceiver::removeStaleReceivedFiles();
    if (removed > 0)
        qDebug() << "removed" << removed << "files of an interrupted install or upload";
}

void AppStartup::installTranslator()
{
    // A missing file leaves the source texts, which is a usable interface.
    const QString file = Appearance::translationFile(SystemConfig::getInstance()->getSystemLanguage());
    if (!appTranslator.load(file))
        qDebug() << "translation file not loaded:" << file;
    QCoreApplication::installTranslator(&appTranslator);
}

void AppStartup::installApplicationFont()
{
    Appearance::installFontSubstitutions();
    QApplication::setFont(QFont(QStringLiteral("Microsoft YaHei"), 10));
}

bool AppStartup::openDatabase(DbManage &db)
{
    db.openDatabase();
    if (!db.isOpen()) {
        // The file stays where it is (a read error may pass); the user learns
        // why the program ends instead of seeing it vanish.
        qDebug() << "ERR: the database is not open";
        (new MessageDialog(databaseUnavailableText(), MessageDialog::MODE_OK, true, QString(), nullptr))->exec();
        return false;
    }
    db.checkTables();
    return true;
}

void AppStartup::startMainWindow(Vireon &window, const DbManage &db)
{
    window.start();
    if (db.wasRecreated())
        (new MessageDialog(databaseRecreatedText(), MessageDialog::MODE_OK, true, QString(), nullptr))->exec();
}

int AppStartup::runEventLoop()
{
    if (UnixSignalQuit::quitRequested())
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    return QApplication::exec();
}

QString AppStartup::instanceRunningText()
{
    return tr("程序已運行！");
}

QString AppStartup::instanceRunningTitle()
{
    return tr("提示");
}

QString AppStartup::databaseUnavailableText()
{
    return tr("無法讀取資料庫，程序將退出，請檢查磁碟後重新啟動");
}

QString AppStartup::databaseRecreatedText()
{
    return tr("資料庫密碼錯誤或者已損壞，原檔已備份");
}
