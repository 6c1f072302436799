#include "link/netlportproc.h"

#include <QDebug>
#include <QNetworkDatagram>
#include <QThread>
#include <QTimer>
#include <QUdpSocket>

#include <atomic>

#include "core/messageids.h"
#include "core/systemconfig.h"
#include "link/filereceiver.h"
#include "link/linkaddress.h"
#include "link/netframe.h"
#include "link/transferprogress.h"

namespace {
std::atomic<int> g_scanCollectMs{6000};
std::atomic<int> g_uploadPort{NetlPortProc::UploadPort};
constexpr int kScanBatchHosts = 8;
constexpr int kScanBatchIntervalMs = 10;
} // namespace

NetlPortProc *NetlPortProc::getInstance()
{
    return Singleton<NetlPortProc>::instance();
}

NetlPortProc::NetlPortProc(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<InstrumentInfo>();
    qRegisterMetaType<QList<InstrumentInfo>>();
}

LogRateLimiter &NetlPortProc::datagramLog()
{
    static LogRateLimiter log(QStringLiteral("lines caused by datagrams"));
    return log;
}

void NetlPortProc::setScanCollectMs(int ms)
{
    g_scanCollectMs = ms;
}

void NetlPortProc::setUploadPortForTesting(quint16 port)
{
    g_uploadPort = port;
}

void NetlPortProc::netCommandSlot(int cmd, QVariant data)
{
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this, cmd, data]() { netCommandSlot(cmd, data); }, Qt::QueuedConnection);
        return;
    }
    switch (cmd) {
    case Cmd_ConnectInstrument:
        connectInstrument();
        break;
    case Cmd_FetchDataFile:
        fetchDataFile();
        break;
    case Cmd_ScanInstrument:
        scanInstrument();
        break;
    case Cmd_CloseLink:
        closeLink();
        break;
    default:
        sendCtlCmd(cmd, data, QString());
        break;
    }
}

int NetlPortProc::sendCtlCmd(int cmd, QVariant data, QString ip)
{
    if (QThread::currentThread() != thread()) {
        // The sockets belong to the worker thread: hand the call over to it.
        QMetaObject::invokeMethod(
            this, [this, cmd, data, ip]() { sendCtlCmd(cmd, data, ip); }, Qt::QueuedConnection);
        return 0;
    }
    Q_UNUSED(data)
    if (cmd != Cmd_FetchDataFile) {
        qDebug().noquote() << Q_FUNC_INFO << "portNo err!!" << cmd;
        return -1;
    }
    const QHostAddress to = ip.isEmpty() ? m_target : LinkAddress::fromText(ip);
    if (to.isNull()) {
        qDebug().noquote() << Q_FUNC_INFO << "no instrument address; command" << cmd << "not sent";
        return -1;
    }
    return static_cast<int>(sendFrame(Wire_FetchFile, QByteArrayLiteral("-1"), to));
}

void NetlPortProc::connectInstrument()
{
    if (m_scanning)
        finishScan();
    m_instruments.clear();
    SystemConfig *config = SystemConfig::getInstance();
    const QString localText =
        LinkAddress::chooseLocal(config->getLocalIpAddr(), config->getLocalMacAddr(), LinkAddress::currentAdapters());
    const QHostAddress local = LinkAddress::fromText(localText);
    if (local.isNull()) {
        qDebug().noquote() << Q_FUNC_INFO << "no local network address";
        closeUdp();
        emit sendnetEvent(NetEvt_LinkState, QVariant(false));
        return;
    }
    m_port = config->getHostPort();
    if (!rebind(local))
        return;
    m_target = LinkAddress::fromText(config->getHostAddress());
    if (m_target.isNull()) {
        qDebug().noquote() << Q_FUNC_INFO << "instrument address refused";
        return;
    }
    sendFrame(Wire_LocalAddress, localAddressPayload(), m_target);
    sendFrame(Wire_InfoQuery, QByteArray(), m_target);
}

void NetlPortProc::fetchDataFile()
{
    ensureReceiver();
    if (m_receiver->isActive()) {
        qDebug().noquote() << Q_FUNC_INFO << "a transfer is already running; fetch ignored";
        return;
    }
    // The page waits for the end of every fetch it starts, also of one that
    // never begins.
    if (!m_udp || m_target.isNull() || m_local.isNull()) {
        qDebug().noquote() << Q_FUNC_INFO << "not connected to an instrument; fetch ignored";
        emitFailure(QStringLiteral("not connected"));
        return;
    }
    if (!m_receiver->start(m_local, static_cast<quint16>(g_uploadPort.load()), m_target)) {
        emitFailure(QStringLiteral("cannot listen for the upload"));
        return;
    }
    if (sendCtlCmd(Cmd_FetchDataFile, QVariant(-1), QString()) <= 0)
        m_receiver->abort(QStringLiteral("fetch command not sent"));
}

void NetlPortProc::scanInstrument()
{
    if (m_scanning) {
        qDebug().noquote() << Q_FUNC_INFO << "a scan is already running; request ignored";
        return;
    }
    ensureTimers();
    m_scanning = true;
    m_instruments.clear();
    m_scanQueue.clear();
    m_scanCollectTimer->start(g_scanCollectMs.load());

    SystemConfig *config = SystemConfig::getInstance();
    const QHostAddress local = LinkAddress::fromText(config->getLocalIpAddr());
    m_port = config->getHostPort();
    if (local.isNull() || local.toIPv4Address() == 0 || !rebind(local)) {
        qDebug().noquote() << Q_FUNC_INFO << "no usable local address; scan ends empty";
        finishScan();
        return;
    }
    const quint32 own = local.toIPv4Address();
    const quint32 net = own & 0xFFFFFF00u;
    for (quint32 host = 2; host <= 254; ++host) {
        if ((net | host) != own)
            m_scanQueue.append(net | host);
    }
    sendScanBatch();
    m_scanBatchTimer->start(kScanBatchIntervalMs);
}

void NetlPortProc::sendScanBatch()
{
    const QByteArray localPayload = localAddressPayload();
    for (int i = 0; i < kScanBatchHosts && !m_scanQueue.isEmpty(); ++i) {
        const QHostAddress host(m_scanQueue.takeFirst());
        sendFrame(Wire_LocalAddress, localPayload, host);
        sendFrame(Wire_InfoQuery, QByteArray(), host);
    }
    if (m_scanQueue.isEmpty() && m_scanBatchTimer)
        m_scanBatchTimer->stop();
}

void NetlPortProc::finishScan()
{
    if (!m_scanning)
        return;
    m_scanning = false;
    m_scanQueue.clear();
    m_scanBatchTimer->stop();
    m_scanCollectTimer->stop();
    if (!m_instruments.isEmpty()) {
        const InstrumentInfo &first = m_instruments.first();
        m_target = LinkAddress::fromText(first.ip);
        SystemConfig::getInstance()->setHostName(QString::fromUtf8(first.name));
    }
    qDebug().noquote() << Q_FUNC_INFO << "found" << m_instruments.size() << "instruments";
    // A copy: the GUI thread reads it while this worker goes on.
    const QList<InstrumentInfo> found = m_instruments;
    emit sendnetEvent(NetEvt_ScanFinished, QVariant::fromValue(found));
}

void NetlPortProc::closeLink()
{
    if (m_scanning)
        finishScan();
    if (m_receiver)
        m_receiver->abort(QStringLiteral("link closed"));
    closeUdp();
    qDebug().noquote() << Q_FUNC_INFO << "link closed";
}

bool NetlPortProc::rebind(const QHostAddress &local)
{
    closeUdp();
    m_local = QHostAddress();
    emit sendnetEvent(NetEvt_LinkState, QVariant(false));
    if (!LinkAddress::allowed(local, "bind to"))
        return false;
    m_udp = new QUdpSocket(this);
    if (!m_udp->bind(local, m_port)) {
        qDebug().noquote() << Q_FUNC_INFO << "bind failed" << local.toString() << m_port << m_udp->errorString();
        closeUdp();
        return false;
    }
    connect(m_udp, &QUdpSocket::readyRead, this, &NetlPortProc::onUdpReadyRead);
    m_local = local;
    return true;
}

void NetlPortProc::closeUdp()
{
    if (!m_udp)
        return;
    m_udp->disconnect(this);
    m_udp->close();
    m_udp->deleteLater();
    m_udp = nullptr;
}

qint64 NetlPortProc::sendFrame(quint8 code, const QByteArray &payload, const QHostAddress &to)
{
    if (!m_udp) {
        qDebug().noquote() << Q_FUNC_INFO << "socket not bound; frame" << code << "not sent";
        return -1;
    }
    if (!LinkAddress::allowed(to, "send to"))
        return -1;
    const qint64 written = m_udp->writeDatagram(NetFrame::build(code, payload), to, m_port);
    if (written < 0)
        qDebug().noquote() << Q_FUNC_INFO << "send failed" << to.toString() << m_udp->errorString();
    return written;
}

QByteArray NetlPortProc::localAddressPayload() const
{
    const quint32 ip = m_local.toIPv4Address();
    QByteArray out(4, '\0');
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<char>((ip >> (24 - 8 * i)) & 0xFF);
    return out;
}

void NetlPortProc::onUdpReadyRead()
{
    while (m_udp && m_udp->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_udp->receiveDatagram(NetFrame::MaxPayload + NetFrame::Overhead + 1);
        const QHostAddress from(datagram.senderAddress().toIPv4Address());
        if (!LinkAddress::allowed(from, "accept from", &datagramLog()))
            continue;
        NetFrame frame;
        QString why;
        if (!NetFrame::parse(datagram.data(), &frame, &why)) {
            datagramLog().debug(QStringLiteral("%1 frame dropped from %2 %3")
                                    .arg(QString::fromLatin1(Q_FUNC_INFO), from.toString(), why));
            continue;
        }
        handleFrame(frame.code, frame.payload, from, datagram.data());
    }
}

void NetlPortProc::handleFrame(quint8 code, const QByteArray &payload, const QHostAddress &from, const QByteArray &raw)
{
    if (m_scanning) {
        // Only hosts the sweep asked count as found.
        const quint32 own = m_local.toIPv4Address();
        const quint32 host = from.toIPv4Address();
        if ((host & 0xFFFFFF00u) != (own & 0xFFFFFF00u) || host == own) {
            datagramLog().debug(QStringLiteral("%1 answer from %2 outside the sweep ignored")
                                    .arg(QString::fromLatin1(Q_FUNC_INFO), from.toString()));
            return;
        }
        if (code == Wire_LocalAddress && payload.size() == 1 && payload.at(0) == 0)
            noteScanAnswer(from, nullptr);
        else if (code == Wire_InfoQuery) {
            const QByteArray name = NetFrame::nameFromReply(payload);
            noteScanAnswer(from, &name);
        }
        return;
    }
    // Outside a scan only the current instrument is listened to: any other
    // host on the LAN must not turn the link lamp green.
    if (from != m_target) {
        datagramLog().debug(QStringLiteral("%1 frame from %2 ignored: not the instrument")
                                .arg(QString::fromLatin1(Q_FUNC_INFO), from.toString()));
        return;
    }
    switch (code) {
    case Wire_LocalAddress:
        if (payload.size() == 1 && payload.at(0) == 0)
            emit sendnetEvent(NetEvt_LinkState, QVariant(true));
        else
            datagramLog().debug(QStringLiteral("%1 local address refused by the instrument %2")
                                    .arg(QString::fromLatin1(Q_FUNC_INFO), QString::fromLatin1(payload.toHex())));
        break;
    case Wire_InfoQuery: {
        const QByteArray name = NetFrame::nameFromReply(payload);
        emit sendnetEvent(NetEvt_InstrumentFound, QVariant(QStringList{from.toString(), QString::fromUtf8(name)}));
        break;
    }
    default:
        emit sendnetEvent(NetEvt_DataFrame, QVariant(raw));
        break;
    }
}

void NetlPortProc::noteScanAnswer(const QHostAddress &from, const QByteArray *name)
{
    const QString ip = from.toString();
    for (InstrumentInfo &info : m_instruments) {
        if (info.ip == ip) {
            if (name)
                info.name = *name;
            return;
        }
    }
    m_instruments.append(InstrumentInfo{ip, name ? *name : QByteArray()});
}

void NetlPortProc::ensureTimers()
{
    if (m_scanBatchTimer)
        return;
    m_scanBatchTimer = new QTimer(this);
    connect(m_scanBatchTimer, &QTimer::timeout, this, &NetlPortProc::sendScanBatch);
    m_scanCollectTimer = new QTimer(this);
    m_scanCollectTimer->setSingleShot(true);
    connect(m_scanCollectTimer, &QTimer::timeout, this, &NetlPortProc::finishScan);
}

void NetlPortProc::ensureReceiver()
{
    if (m_receiver)
        return;
    m_receiver = new FileReceiver(this);
    connect(m_receiver, &FileReceiver::progress, this, &NetlPortProc::emitProgress);
    connect(m_receiver, &FileReceiver::databaseReceived, this, &NetlPortProc::databaseFileReceived);
    connect(m_receiver, &FileReceiver::failed, this, &NetlPortProc::emitFailure);
}

void NetlPortProc::emitProgress(qint64 received, qint64 total)
{
    emit sendnetEvent(NetEvt_FileProgress, QVariant(TransferProgress{received, total}.encode()));
}

void NetlPortProc::emitFailure(const QString &reason)
{
    emit sendnetEvent(NetEvt_FileFailed, QVariant(reason));
}
