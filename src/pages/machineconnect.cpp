#include "pages/machineconnect.h"

#include "core/messageids.h"
#include "core/systemconfig.h"
#include "shell/widgets/messagedialog.h"
#include "shell/widgets/netaddresswidget.h"

#include "ui_machineconnect.h"

#include <QDebug>

#include <utility>

namespace {
constexpr quint16 kInstrumentPort = 45454;
quint16 g_instrumentPort = kInstrumentPort;
const QString kUnsetMac = QStringLiteral("00-00-00-00-00-00");
} // namespace

quint16 MachineConnect::setInstrumentPortForTesting(quint16 port)
{
    return std::exchange(g_instrumentPort, port);
}

MachineConnect *MachineConnect::getInstance()
{
    return Singleton<MachineConnect>::instance();
}

MachineConnect::MachineConnect(QWidget *parent)
    : IFunWidget(parent)
    , ui(new Ui::MachineConnect)
{
    ui->setupUi(this);
    m_netAddressWidget = new NetAddressWidget(ui->titleGroupBox);
    m_netAddressWidget->setFixedSize(300, 60);
    m_netAddressWidget->move(240, 210);
    m_netAddressWidget->setLastFieldEnabled();
    ui->nameCboBox->setEditable(false);
    connect(m_netAddressWidget, &NetAddressWidget::send_editingFinished, this, &MachineConnect::ip_editTextChanged);
}

MachineConnect::~MachineConnect()
{
    // The combos report index changes while the form is torn down.
    ui->nameCboBox->disconnect(this);
    ui->local_ip_CboBox->disconnect(this);
    qDeleteAll(m_netCartList);
    m_netCartList.clear();
    delete ui;
    ui = nullptr;
    Singleton<MachineConnect>::forget(this);
}

void MachineConnect::releaseInstance()
{
    Singleton<MachineConnect>::forget(this);
    setAttribute(Qt::WA_DeleteOnClose, false);
    close();
    delete this;
}

QString MachineConnect::getTitle()
{
    return tr("儀器連接");
}

void MachineConnect::retranslate()
{
    setWindowTitle(tr("Form"));
    ui->titleGroupBox->setTitle(tr("儀器連接"));
    ui->scnfBtn->setText(tr("掃描儀器"));
    ui->ConnectPushButton->setText(tr("連接儀器"));
    ui->label->setText(tr("電腦網卡："));
    ui->label_4->setText(tr("儀器名稱："));
    ui->label_3->setText(tr("WiFi IP："));
}

void MachineConnect::initWidget()
{
    retranslate();
    ui->mac_lab->setText(QString());

    SystemConfig *config = SystemConfig::getInstance();
    clearInstrumentList();
    m_instrumentList.append(InstrumentInfo{config->getHostAddress(), config->getHostName().toUtf8()});
    // On a new page the combo is empty, so this item becomes current and the
    // editor shows the stored address.
    ui->nameCboBox->addItem(nameText(m_instrumentList.last().name));

    fillAdapters();
}

void MachineConnect::fillAdapters()
{
    SystemConfig *config = SystemConfig::getInstance();
    const QString storedMac = config->getLocalMacAddr();
    const QString storedIp = config->getLocalIpAddr();
    Common::getInstance()->get_local_net_cart_infos(&m_netCartList);
    ui->mac_lab->clear();
    ui->local_ip_CboBox->clear();

    qDebug() << "initWidget" << m_netCartList.size();
    int byMac = -1;
    int byIp = -1;
    for (int i = 0; i < m_netCartList.size(); ++i) {
        const NetCartInfo *adapter = m_netCartList.at(i);
        qDebug() << "initWidget" << adapter->ip << adapter->mac;
        ui->local_ip_CboBox->addItem(adapter->ip);
        // An adapter with several addresses is listed once per address; the
        // last one of the stored adapter wins. The all-zero default stands for
        // "none chosen yet" and matches no adapter.
        if (storedMac != kUnsetMac && adapter->mac == storedMac)
            byMac = i;
        if (byIp < 0 && adapter->ip == storedIp)
            byIp = i;
    }
    // Without a stored adapter, the address the link uses is the one shown.
    const int selected = byMac >= 0 ? byMac : (byIp >= 0 ? byIp : 0);
    if (!m_netCartList.isEmpty())
        ui->local_ip_CboBox->setCurrentIndex(selected);
}

void MachineConnect::setButtonsEnabled(bool enabled)
{
    ui->scnfBtn->setEnabled(enabled);
    ui->ConnectPushButton->setEnabled(enabled);
}

void MachineConnect::showMessage(const QString &text)
{
    (new MessageDialog(text, MessageDialog::MODE_OK, true, QString(), nullptr))->exec();
}

void MachineConnect::on_scnfBtn_clicked()
{
    setButtonsEnabled(false);
    ui->nameCboBox->clear();
    m_netAddressWidget->setNetAddress(QStringLiteral("0.0.0.0"));
    SystemConfig *config = SystemConfig::getInstance();
    config->setLocalMacAddr(ui->mac_lab->text());
    config->setLocalIpAddr(ui->local_ip_CboBox->currentText());
    emit sendCmd(Cmd_ScanInstrument, QVariant(-1));
}

bool MachineConnect::normaliseAddress(const QString &text, QString *normalised)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    QStringList plain;
    for (const QString &part : parts) {
        if (part.isEmpty() || part.size() > 3)
            return false;
        for (const QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        }
        const int value = part.toInt();
        if (value > 255)
            return false;
        plain << QString::number(value);
    }
    if (normalised)
        *normalised = plain.join(QLatin1Char('.'));
    return true;
}

bool MachineConnect::sameSubnet(const QString &localIp, const QString &address) const
{
    // Without an adapter there is nothing to compare: treated as different.
    QString local;
    if (!normaliseAddress(localIp, &local))
        return false;
    const QStringList a = local.split(QLatin1Char('.'));
    const QStringList b = address.split(QLatin1Char('.'));
    return a.mid(0, 3) == b.mid(0, 3);
}

void MachineConnect::on_ConnectPushButton_clicked()
{
    QString address;
    // The wildcard test runs on the plain form, so "00.0.0.0" is caught too.
    if (!normaliseAddress(m_netAddressWidget->getNetAddress(), &address) ||
        address.contains(QLatin1String("0.0.0.0"))) {
        qDebug() << "MachineConnect: address refused" << m_netAddressWidget->getNetAddress();
        showMessage(tr("請檢查輸入"));
        return;
    }
    const QString localIp = ui->local_ip_CboBox->currentText();
    if (!sameSubnet(localIp, address))
        showMessage(tr("設備和電腦可能不處於同一個局域網，請檢查！"));

    SystemConfig *config = SystemConfig::getInstance();
    config->setLocalMacAddr(ui->mac_lab->text());
    config->setLocalIpAddr(localIp);
    config->setHostAddress(address);
    config->setHostName(ui->nameCboBox->currentText());
    config->setHostPort(g_instrumentPort);
    emit sendCmd(Cmd_ConnectInstrument, QVariant(-1));
}

void MachineConnect::on_nameCboBox_currentIndexChanged(int index)
{
    if (index >= 0 && index < m_instrumentList.size())
        m_netAddressWidget->setNetAddress(m_instrumentList.at(index).ip);
}

void MachineConnect::on_local_ip_CboBox_currentIndexChanged(int index)
{
    if (index >= 0 && index < m_netCartList.size())
        ui->mac_lab->setText(m_netCartList.at(index)->mac);
}

void MachineConnect::ip_editTextChanged()
{
    qDebug() << "ip_editTextChanged";
    // A typed address belongs to no listed instrument.
    ui->nameCboBox->clear();
    qDebug() << "ip_editTextChanged";
}

void MachineConnect::netEventHandle(int id, QVariant data)
{
    switch (id) {
    case NetEvt_ScanFinished:
        takeScanResult(data);
        break;
    case NetEvt_InstrumentFound:
        takeInstrumentName(data);
        break;
    default:
        break;
    }
}

void MachineConnect::takeScanResult(const QVariant &data)
{
    // The event carries its own copy of the found list; anything else counts
    // as a scan that found nothing.
    const QList<InstrumentInfo> found =
        data.canConvert<QList<InstrumentInfo>>() ? data.value<QList<InstrumentInfo>>() : QList<InstrumentInfo>();
    clearInstrumentList();
    m_instrumentList = found;
    refillNames(0);
    if (!m_instrumentList.isEmpty()) {
        SystemConfig *config = SystemConfig::getInstance();
        config->setHostAddress(m_instrumentList.first().ip);
        config->setHostName(nameText(m_instrumentList.first().name));
    }
    // Also after an empty or failed scan: the page must not stay locked.
    setButtonsEnabled(true);
}

void MachineConnect::takeInstrumentName(const QVariant &data)
{
    const QStringList values = data.toStringList();
    if (values.size() != 2)
        return;
    const int index = findInstrument(values.at(0), values.at(1));
    if (index < 0)
        return;
    refillNames(index);
}

void MachineConnect::refillNames(int current)
{
    QStringList names;
    for (const InstrumentInfo &info : qAsConst(m_instrumentList))
        names << nameText(info.name);
    ui->nameCboBox->clear();
    ui->nameCboBox->addItems(names);
    if (current >= 0 && current < m_instrumentList.size())
        ui->nameCboBox->setCurrentIndex(current);
}

int MachineConnect::findInstrument(const QString &ip, const QString &name)
{
    for (int i = 0; i < m_instrumentList.size(); ++i) {
        if (m_instrumentList.at(i).ip == ip) {
            m_instrumentList[i].name = name.toUtf8();
            return i;
        }
    }
    return -1;
}

void MachineConnect::clearInstrumentList()
{
    m_instrumentList.clear();
}

void MachineConnect::show_Instrument_infos() const
{
    for (const InstrumentInfo &info : m_instrumentList)
        qDebug() << "show_Instrument_infos" << info.ip << nameText(info.name);
}

QString MachineConnect::nameText(const QByteArray &name)
{
    const int end = name.indexOf('\0');
    return QString::fromUtf8(end < 0 ? name : name.left(end));
}
