#pragma once

#include "core/singleton.h"
#include "shell/ifunwidget.h"

#include "core/common.h"
#include "link/instrumentinfo.h"

#include <QList>

class NetAddressWidget;
namespace Ui {
class MachineConnect;
}

// The instrument connection page: pick the PC's adapter, sweep its /24 for
// instruments, pick one or type its address, and connect. The page does no
// network work itself: it writes the NetConfig settings and sends the scan
// and connect commands; the main window shows the link state.
class MachineConnect : public IFunWidget
{
    Q_OBJECT
public:
    static MachineConnect *getInstance();
    ~MachineConnect() override;

    void initWidget() override;
    void releaseInstance() override;
    QString getTitle() override;
    void netEventHandle(int id, QVariant data) override;

    // Four decimal octets 0-255 (leading zeros read as decimal) into their
    // plain form; false for anything else.
    static bool normaliseAddress(const QString &text, QString *normalised);
    // The text shown for an instrument name: its UTF-8 bytes up to the first
    // zero byte.
    static QString nameText(const QByteArray &name);
    // Test seam: the instrument's command port a connect stores, so a test
    // instrument need not take the real one. Returns the one replaced.
    static quint16 setInstrumentPortForTesting(quint16 port);

    NetAddressWidget *addressEditor() const { return m_netAddressWidget; }
    QList<InstrumentInfo> instruments() const { return m_instrumentList; }

    int findInstrument(const QString &ip, const QString &name);
    void clearInstrumentList();
    void show_Instrument_infos() const;

public slots:
    void on_scnfBtn_clicked();
    void on_ConnectPushButton_clicked();
    void on_nameCboBox_currentIndexChanged(int index);
    void on_local_ip_CboBox_currentIndexChanged(int index);
    void ip_editTextChanged();

private:
    friend class Singleton<MachineConnect>;
    explicit MachineConnect(QWidget *parent = nullptr);

    void retranslate();
    void fillAdapters();
    void takeScanResult(const QVariant &data);
    void takeInstrumentName(const QVariant &data);
    void refillNames(int current);
    bool sameSubnet(const QString &localIp, const QString &address) const;
    void setButtonsEnabled(bool enabled);
    static void showMessage(const QString &text);

    Ui::MachineConnect *ui = nullptr;
    // Entry i matches item i of nameCboBox after every rebuild.
    QList<InstrumentInfo> m_instrumentList;
    NetAddressWidget *m_netAddressWidget = nullptr;
    // Entry i matches item i of local_ip_CboBox; owned.
    QList<NetCartInfo *> m_netCartList;
};
