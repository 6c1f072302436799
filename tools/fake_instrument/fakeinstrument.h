#pragma once

#include <QFile>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QString>

class QTcpSocket;
class QUdpSocket;

// Plays the instrument: answers the local-address command and the information
// query, and on a fetch command connects to the PC and uploads one file.
// Every address it talks to or binds must be loopback.
class FakeInstrument : public QObject
{
    Q_OBJECT
public:
    enum Misbehaviour { None, BadFrames, NoAnswer, BadHeader, UnsafeName, Truncated, Stalled };

    struct Options {
        QHostAddress address;
        quint16 port = 45454;
        QByteArray name;
        QString uploadFile;
        QString uploadName;
        bool uploadNameSet = false; // an empty name is sent as given
        quint16 uploadPort = 4348;
        Misbehaviour misbehaviour = None;
    };

    explicit FakeInstrument(const Options &options, QObject *parent = nullptr);
    bool start();

    static bool parseMisbehaviour(const QString &text, Misbehaviour *out);

private:
    void onDatagram();
    void reply(quint8 code, const QByteArray &payload, const QHostAddress &to, quint16 port);
    void startUpload(const QHostAddress &pc);
    void onConnected();
    void pump();
    void finishUpload(const char *how);

    Options m_options;
    QUdpSocket *m_udp = nullptr;
    QPointer<QTcpSocket> m_tcp;
    QFile m_file;
    qint64 m_toSend = 0;
    qint64 m_sent = 0;
    bool m_stopped = false;
};
