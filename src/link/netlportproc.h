#pragma once

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

#include "core/lograte.h"
#include "core/singleton.h"
#include "link/instrumentinfo.h"

class FileReceiver;
class QTimer;
class QUdpSocket;

// The network worker: UDP command frames to the instrument and their replies,
// the discovery sweep of the local /24, and the TCP receiver of the file the
// instrument uploads. It lives in its own thread; the main window moves it
// there and talks to it only through queued signals. All sockets and timers
// are created lazily inside that thread.
class NetlPortProc : public QObject
{
    Q_OBJECT
public:
    static NetlPortProc *getInstance(); // created on first use, no parent

    static constexpr quint16 UploadPort = 4348;

    // Anyone on the LAN can send datagrams at any rate, and the instrument
    // itself may misbehave: every debug line a datagram causes, here or in
    // the pages its events reach, goes through this one limiter.
    static LogRateLimiter &datagramLog();

    // Test seams: the sweep's answer collection time and the upload port.
    static void setScanCollectMs(int ms);
    static void setUploadPortForTesting(quint16 port);

public slots:
    void netCommandSlot(int cmd, QVariant data);        // 22, 24, 25, 27
    int sendCtlCmd(int cmd, QVariant data, QString ip); // safe from any thread

signals:
    void sendnetEvent(int id, QVariant data);
    // An upload named "AppDatabase.db" is not written over the open database:
    // it is stored in a temporary file and handed over. The GUI side installs
    // it with DbManage::replaceDatabase(tempPath), deletes tempPath, and then
    // itself reports the final NetEvt_FileProgress (total of total), or
    // NetEvt_FileFailed when it refused the file. A fetch that ends in the
    // worker without a file (no connection, refused header or name, cut or
    // idle transfer) reports NetEvt_FileFailed from here.
    void databaseFileReceived(QString tempPath, qint64 totalBytes);

private:
    friend class Singleton<NetlPortProc>;
    explicit NetlPortProc(QObject *parent = nullptr);

    void connectInstrument();
    void fetchDataFile();
    void scanInstrument();
    void closeLink();

    bool rebind(const QHostAddress &local);
    void closeUdp();
    qint64 sendFrame(quint8 code, const QByteArray &payload, const QHostAddress &to);
    QByteArray localAddressPayload() const;
    void onUdpReadyRead();
    void handleFrame(quint8 code, const QByteArray &payload, const QHostAddress &from, const QByteArray &raw);
    void noteScanAnswer(const QHostAddress &from, const QByteArray *name);

    void sendScanBatch();
    void finishScan();

    void ensureTimers();
    void ensureReceiver();
    void emitProgress(qint64 received, qint64 total);
    void emitFailure(const QString &reason);

    QUdpSocket *m_udp = nullptr;
    FileReceiver *m_receiver = nullptr;
    QTimer *m_scanBatchTimer = nullptr;
    QTimer *m_scanCollectTimer = nullptr;
    QHostAddress m_local;
    QHostAddress m_target;
    quint16 m_port = 0;

    bool m_scanning = false;
    QList<quint32> m_scanQueue;
    QList<InstrumentInfo> m_instruments;
};
