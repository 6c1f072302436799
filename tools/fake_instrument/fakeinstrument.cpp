#include "fakeinstrument.h"

#include <QDataStream>
#include <QFileInfo>
#include <QNetworkDatagram>
#include <QTcpSocket>
#include <QTextStream>
#include <QUdpSocket>

#include <cstdio>

#include "link/netframe.h"

namespace {
constexpr qint64 kChunk = 1 << 20;
constexpr qint64 kMaxQueued = 4 << 20;

void say(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

QByteArray header(qint64 fileSize, const QString &name, bool lie)
{
    // Written as the instrument does, straight with QDataStream.
    QByteArray nameBytes;
    {
        QDataStream s(&nameBytes, QIODevice::WriteOnly);
        s.setVersion(QDataStream::Qt_5_12);
        s << name;
    }
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_5_12);
    const qint64 total = lie ? (qint64(1) << 62) : 16 + nameBytes.size() + fileSize;
    s << total << qint64(nameBytes.size());
    s.writeRawData(nameBytes.constData(), nameBytes.size());
    return out;
}
} // namespace

FakeInstrument::FakeInstrument(const Options &options, QObject *parent)
    : QObject(parent)
    , m_options(options)
{
}

bool FakeInstrument::parseMisbehaviour(const QString &text, Misbehaviour *out)
{
    static const QList<QPair<QString, Misbehaviour>> modes = {{"none", None},
                                                              {"bad-frames", BadFrames},
                                                              {"no-answer", NoAnswer},
                                                              {"bad-header", BadHeader},
                                                              {"unsafe-name", UnsafeName},
                                                              {"truncated", Truncated},
                                                              {"stalled", Stalled}};
    for (const auto &mode : modes) {
        if (mode.first == text) {
            *out = mode.second;
            return true;
        }
    }
    return false;
}

bool FakeInstrument::start()
{
    if (!m_options.address.isLoopback()) {
        say(QStringLiteral("REFUSED non-loopback address %1").arg(m_options.address.toString()));
        return false;
    }
    m_udp = new QUdpSocket(this);
    // Never shared: a second fake on the same address and port (the demo's,
    // another test run's) must fail here rather than split the frames.
    if (!m_udp->bind(m_options.address, m_options.port, QAbstractSocket::DontShareAddress)) {
        say(QStringLiteral("BIND FAILED %1:%2 %3")
                .arg(m_options.address.toString())
                .arg(m_options.port)
                .arg(m_udp->errorString()));
        return false;
    }
    connect(m_udp, &QUdpSocket::readyRead, this, &FakeInstrument::onDatagram);
    // Port 0 takes a free port; the line names the one bound.
    say(QStringLiteral("READY %1:%2").arg(m_options.address.toString()).arg(m_udp->localPort()));
    return true;
}

void FakeInstrument::onDatagram()
{
    while (m_udp->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_udp->receiveDatagram();
        const QHostAddress from(datagram.senderAddress().toIPv4Address());
        if (!from.isLoopback()) {
            say(QStringLiteral("REFUSED datagram from %1").arg(from.toString()));
            continue;
        }
        NetFrame frame;
        if (!NetFrame::parse(datagram.data(), &frame) || m_options.misbehaviour == NoAnswer)
            continue;
        say(QStringLiteral("GOT %1 from %2").arg(frame.code, 2, 16, QLatin1Char('0')).arg(from.toString()));
        if (frame.code == Wire_LocalAddress)
            reply(Wire_LocalAddress, QByteArray(1, '\0'), from, static_cast<quint16>(datagram.senderPort()));
        else if (frame.code == Wire_InfoQuery)
            reply(Wire_InfoQuery, m_options.name, from, static_cast<quint16>(datagram.senderPort()));
        else if (frame.code == Wire_FetchFile)
            startUpload(from);
    }
}

void FakeInstrument::reply(quint8 code, const QByteArray &payload, const QHostAddress &to, quint16 port)
{
    QByteArray frame = NetFrame::build(code, payload);
    if (m_options.misbehaviour == BadFrames)
        frame[frame.size() - 2] = static_cast<char>(frame.at(frame.size() - 2) ^ 0x5A); // wrong sum
    m_udp->writeDatagram(frame, to, port);
}

void FakeInstrument::startUpload(const QHostAddress &pc)
{
    if (m_tcp) {
        say(QStringLiteral("UPLOAD BUSY"));
        return;
    }
    m_file.close();
    m_file.setFileName(m_options.uploadFile);
    if (m_options.uploadFile.isEmpty() || !m_file.open(QIODevice::ReadOnly)) {
        say(QStringLiteral("UPLOAD FAILED no file"));
        return;
    }
    m_tcp = new QTcpSocket(this);
    // The PC accepts the upload only from the instrument's own address.
    m_tcp->bind(m_options.address, 0);
    connect(m_tcp, &QTcpSocket::connected, this, &FakeInstrument::onConnected);
    connect(m_tcp, &QTcpSocket::bytesWritten, this, &FakeInstrument::pump);
    connect(m_tcp, &QTcpSocket::disconnected, this, [this]() { finishUpload("CLOSED"); });
    connect(m_tcp, &QAbstractSocket::errorOccurred, this, [this]() {
        if (m_tcp && m_tcp->error() != QAbstractSocket::RemoteHostClosedError)
            finishUpload("ERROR");
    });
    m_tcp->connectToHost(pc, m_options.uploadPort);
}

void FakeInstrument::onConnected()
{
    QString name = m_options.uploadNameSet ? m_options.uploadName : QFileInfo(m_options.uploadFile).fileName();
    if (m_options.misbehaviour == UnsafeName && !m_options.uploadNameSet)
        name = QStringLiteral("../x");
    m_toSend = m_file.size();
    m_sent = 0;
    m_stopped = false;
    m_tcp->write(header(m_toSend, name, m_options.misbehaviour == BadHeader));
    pump();
}

void FakeInstrument::pump()
{
    if (!m_tcp || m_stopped)
        return;
    const bool cutShort = m_options.misbehaviour == Truncated || m_options.misbehaviour == Stalled;
    const qint64 limit = cutShort ? m_toSend / 2 : m_toSend;
    while (m_sent < limit && m_tcp->bytesToWrite() < kMaxQueued) {
        const QByteArray chunk = m_file.read(qMin(kChunk, limit - m_sent));
        if (chunk.isEmpty())
            break;
        m_tcp->write(chunk);
        m_sent += chunk.size();
    }
    if (m_sent < limit || m_tcp->bytesToWrite() > 0)
        return;
    m_stopped = true;
    if (m_options.misbehaviour == Stalled) {
        say(QStringLiteral("UPLOAD STALLED %1").arg(m_sent));
        return; // keeps the connection open and sends nothing more
    }
    say(QStringLiteral("UPLOAD SENT %1").arg(m_sent));
    m_tcp->disconnectFromHost();
}

void FakeInstrument::finishUpload(const char *how)
{
    if (!m_tcp)
        return;
    say(QStringLiteral("UPLOAD %1 %2").arg(QLatin1String(how)).arg(m_sent));
    m_tcp->deleteLater();
    m_tcp = nullptr;
    m_file.close();
}
