#pragma once

#include "core/singleton.h"
#include "shell/ifunwidget.h"

class QIODevice;
namespace Ui {
class DataManageWidget;
}

// The database import and export page: the whole application database moves
// as one enciphered file. An import is validated and installed through the
// database manager, so the open connection never sees a half-written file.
class DataManageWidget : public IFunWidget
{
    Q_OBJECT
public:
    static DataManageWidget *getInstance();
    ~DataManageWidget() override;

    void initWidget() override;
    bool canSwitchWidget(bool back) override;
    void releaseInstance() override;
    QString getTitle() override;

    // Copies source to target byte for byte. The source is opened first, the
    // target is written through a temporary file that replaces it only when
    // every byte is written; the same file on both sides copies nothing.
    static bool copyFileToPath(QString source, QString target);
    // Every byte of source onto target; false on any read or short write.
    static bool copyDevice(QIODevice *source, QIODevice *target);

    static QString databaseFile(); // "./app/AppDatabase.db"

public slots:
    void on_btn_Importing_clicked();
    void on_btn_Export_clicked();

private:
    friend class Singleton<DataManageWidget>;
    explicit DataManageWidget(QWidget *parent = nullptr);

    static bool importDatabase(const QString &path);
    static bool exportDatabase(const QString &path);
    static void showMessage(const QString &text);
    static bool askYesNo(const QString &text); // true for "是"

    Ui::DataManageWidget *ui = nullptr;
};
