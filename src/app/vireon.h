#pragma once

#include "shell/idialogwidget.h"
#include "shell/ifunwidget.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QThread>
#include <QVariant>

#include <memory>

class LinkStatusIndicator;
namespace Ui {
class Vireon;
}

// The main window: navigation list, page area and connection lamp. It
// switches pages, opens the sample dialogs, and routes commands and events
// between pages, dialogs and the network worker thread.
class Vireon : public QMainWindow
{
    Q_OBJECT
public:
    explicit Vireon(QWidget *parent = nullptr);
    ~Vireon() override;

    // Shows the history page, fits the window onto the screen, writes the start-up log
    // entries, lets events run for 100 ms, starts the network worker with the
    // connect command and hooks the application's quit signal.
    void start();

    // The report dialog's size: the screen's, at most 1450 x 900.
    static QSize reportDialogSize();

    // Geometry, frame excluded, of a window that wants a size (not below its
    // minimum) with a frame of the given margins: centred in the available
    // area, shrunk to fit it, and pushed inside it with the top left kept in
    // view when even the minimum does not fit.
    static QRect fittedGeometry(const QSize &wanted, const QSize &minimum, const QMargins &frame,
                                const QRect &available);

    // Fits the window onto its screen's available area by fittedGeometry.
    void fitToScreen();

    // State for the tests and the diagnostics.
    IFunWidget *currentPage() const { return m_currentPage; }
    int currentPageId() const { return m_currentPageId; }
    QList<int> previousPages() const { return m_previousPages; }
    IDialogWidget *currentDialog() const { return m_dialog; }
    const LinkStatusIndicator *linkStatus() const { return m_linkStatus.get(); }
    bool isNavigationEnabled() const;
    QThread *networkThread() const { return m_netThread; }
    QThread *updateThread() const { return m_httpThread; }

signals:
    void netSendSig(int cmd, QVariant data);
    void sendHttpRequest(int cmd, QVariant data);

public slots:
    void switchFunctionWidgetSlot(int id);
    void switchDialogWidgetSlot(int type, QVariant data);
    void funDialogEventSlot(int type);
    void sendCtlCmdSlot(int cmd, QVariant data);
    void networkEventSlot(int id, QVariant data);
    void httpEventSlot(int id, QVariant data);
    void deal_app_quit();

protected:
    void changeEvent(QEvent *event) override;
    // An open dialog is a window of its own: it closes with the main window,
    // so that the last window closes and the program shuts down in order.
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void initForm();
    void startUpdateClient();
    void refreshChrome();
    void onNavigationRowChanged(int row);
    void passOnNetEvent(int id, const QVariant &data);
    void closeDialog(IDialogWidget *dialog);
    void ensureNetworkThread();
    void sendDirect(int cmd, const QVariant &data);
    void onDatabaseFileReceived(const QString &tempPath, qint64 totalBytes);
    void fitAgainWithFrame();
    QMargins frameMargins() const;
    void placeOnScreen(QWidget *window, const QSize &wanted, const QMargins &frame) const;

    Ui::Vireon *ui = nullptr;
    std::unique_ptr<LinkStatusIndicator> m_linkStatus;
    QPointer<IFunWidget> m_currentPage;
    int m_currentPageId = -1;
    QList<int> m_previousPages;
    QPointer<IDialogWidget> m_dialog;
    QPointer<QThread> m_netThread;
    QPointer<QThread> m_httpThread;
    bool m_rebuildingChrome = false;
    bool m_quitDone = false;
    bool m_fittedWithFrame = false;
};
