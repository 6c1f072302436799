#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class DbManage;
class Vireon;

// The steps of start-up that main() runs in order, kept apart so that tests
// can run them in-process.
class AppStartup
{
    Q_DECLARE_TR_FUNCTIONS(AppStartup)
public:
    // Folders the program writes into, below the working directory.
    static QStringList appFolders();
    // Creates them; false when one could not be made.
    static bool createAppFolders();

    // Removes the files of installs and uploads that a crash interrupted.
    // Runs once this is the only instance, before the database is opened: a
    // second instance must not take a running one's upload away.
    static void removeLeftovers();

    // Loads appTranslator from the stored language and installs it.
    static void installTranslator();
    // "Microsoft YaHei" 10 pt, mapped onto an installed family.
    static void installApplicationFont();

    // Opens the database and checks its tables; false, after telling the
    // user, when it is not open.
    static bool openDatabase(DbManage &db);
    // Starts the window and, when the database had to be recreated, says so.
    static void startMainWindow(Vireon &window, const DbManage &db);
    // Runs the application's event loop until the user quits. A stop signal
    // taken during start-up ended only the nested loop running then (the
    // 100 ms wait, a message box): the main loop then ends at once, through
    // the same orderly shutdown.
    static int runEventLoop();

    static QString instanceRunningText();
    static QString instanceRunningTitle();
    static QString databaseRecreatedText();
    static QString databaseUnavailableText();
};
