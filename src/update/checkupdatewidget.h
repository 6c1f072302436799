#pragma once

#include "core/singleton.h"
#include "shell/ifunwidget.h"

#include <functional>

class QTimer;
namespace Ui {
class CheckUpdateWidget;
}

// The update page: asks for a version check when shown, downloads the
// package with a progress bar, and after a verified download starts the
// updater and ends the program. It reaches the update client only through
// the main window (sendCmd out, httpEventHandle in).
class CheckUpdateWidget : public IFunWidget
{
    Q_OBJECT
public:
    static CheckUpdateWidget *getInstance();
    ~CheckUpdateWidget() override;

    void initWidget() override;
    QString getTitle() override;
    void httpEventHandle(int id, QVariant data) override;

    // Test seams: how the program ends after the updater started (normally
    // QCoreApplication::exit), and how long it waits before that.
    static void setQuitForTesting(std::function<void(int)> quit);
    static void setUpdaterDelayForTesting(int ms);

public slots:
    void on_downloadPagBtn_clicked();
    void onTimeUpdate();

private:
    friend class Singleton<CheckUpdateWidget>;
    explicit CheckUpdateWidget(QWidget *parent = nullptr);

    void finishBar(const QString &text);
    void refreshButton();
    void showProgress(const QVariant &data);
    void downloadFinished(const QVariantList &result);
    void startUpdater();
    static bool askYes(const QString &text);
    static void tell(const QString &text);

    Ui::CheckUpdateWidget *ui = nullptr;
    QTimer *m_timer = nullptr;
    // From the user's "是" until the download's result: the button stays
    // disabled even when a version result flags an update meanwhile.
    bool m_downloading = false;
};
