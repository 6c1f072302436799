#pragma once

// A scriptable HTTP/1.1 server on a loopback address that plays the update
// server. Header-only and without moc, so both the fake_update_server tool
// and the tests (in-process, ephemeral port) can take it in.
//
// Each complete request goes to the handler, which returns the answer: its
// status, body, whether Content-Length is sent, how the body is paced, where
// it stalls, and how long the server waits before answering.

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>
#include <memory>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#endif

class FakeUpdateServer
{
public:
    struct Request {
        QByteArray method;
        QByteArray target;                    // path and query as sent
        QMap<QByteArray, QByteArray> headers; // names in lower case
        QByteArray head;                      // request line and headers, as sent
        QByteArray body;
    };

    struct Answer {
        enum Drop { Keep, Close, Reset };
        int status = 200;
        QByteArray body;
        bool contentLength = true; // false: the body ends when the connection closes
        int chunkBytes = 0;        // 0: the body in one write
        int chunkMs = 0;           // pause between chunks
        qint64 stallAfter = -1;    // body bytes sent before going silent; -1: all
        int delayMs = 0;           // before the answer starts
        bool silent = false;       // never answer
        Drop drop = Keep;          // Close or Reset: the connection ends before any answer
        qint64 generated = 0;      // filler bytes sent after `body`, made as the socket drains
        bool chunked = false;      // Transfer-Encoding: chunked: `body`, then `generated` filler (-1: endless) in
                                   // chunks of `chunkBytes` (1 MiB when 0), made as the socket drains
    };

    using Handler = std::function<Answer(const Request &request, int index)>;

    explicit FakeUpdateServer(Handler handler)
        : m_handler(std::move(handler))
    {
        QObject::connect(&m_server, &QTcpServer::newConnection, [this]() { acceptAll(); });
    }

    // Loopback addresses only: the fake never serves the network.
    bool listen(const QHostAddress &address = QHostAddress::LocalHost, quint16 port = 0)
    {
        if (!address.isLoopback())
            return false;
        return m_server.listen(address, port);
    }
    quint16 port() const { return m_server.serverPort(); }
    QString errorString() const { return m_server.errorString(); }

    QList<Request> requests() const { return m_requests; }
    int requestCount() const { return m_requests.size(); }
    int connectionCount() const { return m_connections; }
    int closedCount() const { return m_closed; }

private:
    struct Connection {
        QPointer<QTcpSocket> socket;
        QByteArray buffer;
        bool answering = false;
    };

    void acceptAll()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            ++m_connections;
            auto connection = std::make_shared<Connection>();
            connection->socket = socket;
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, connection]() { readFrom(connection); });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket]() {
                ++m_closed;
                socket->deleteLater();
            });
        }
    }

    void readFrom(const std::shared_ptr<Connection> &connection)
    {
        if (!connection->socket)
            return;
        connection->buffer += connection->socket->readAll();
        while (!connection->answering) {
            const int end = connection->buffer.indexOf("\r\n\r\n");
            if (end < 0)
                return;
            Request request = parseHead(connection->buffer.left(end + 2));
            const int length = request.headers.value("content-length").toInt();
            if (connection->buffer.size() < end + 4 + length)
                return;
            request.body = connection->buffer.mid(end + 4, length);
            connection->buffer.remove(0, end + 4 + length);
            const int index = m_requests.size();
            m_requests << request;
            answer(connection, m_handler(request, index));
        }
    }

    static Request parseHead(const QByteArray &head)
    {
        Request request;
        request.head = head;
        const QList<QByteArray> lines = head.split('\n');
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        request.method = first.value(0);
        request.target = first.value(1);
        for (int i = 1; i < lines.size(); ++i) {
            const int colon = lines.at(i).indexOf(':');
            if (colon > 0)
                request.headers.insert(lines.at(i).left(colon).trimmed().toLower(),
                                       lines.at(i).mid(colon + 1).trimmed());
        }
        return request;
    }

    void answer(const std::shared_ptr<Connection> &connection, const Answer &answer)
    {
        if (answer.silent) {
            connection->answering = true; // nothing more is read or written
            return;
        }
        if (answer.drop != Answer::Keep) {
            connection->answering = true;
            dropConnection(connection->socket, answer.drop == Answer::Reset);
            return;
        }
        connection->answering = true;
        QTimer::singleShot(answer.delayMs, connection->socket, [this, connection, answer]() {
            if (!connection->socket)
                return;
            QByteArray head =
                "HTTP/1.1 " + QByteArray::number(answer.status) + (answer.status < 400 ? " OK" : " Error");
            head += "\r\nContent-Type: application/octet-stream\r\n";
            if (answer.chunked)
                head += "Transfer-Encoding: chunked\r\n";
            else if (answer.contentLength)
                head += "Content-Length: " + QByteArray::number(answer.body.size() + answer.generated) + "\r\n";
            else
                head += "Connection: close\r\n";
            connection->socket->write(head + "\r\n");
            if (answer.chunked)
                sendChunked(connection->socket, answer);
            else if (answer.generated > 0)
                sendGenerated(connection->socket, answer);
            else
                sendBody(connection, answer, 0);
        });
    }

    void sendBody(const std::shared_ptr<Connection> &connection, const Answer &answer, qint64 offset)
    {
        QTcpSocket *socket = connection->socket;
        if (!socket)
            return;
        const qint64 limit =
            answer.stallAfter >= 0 ? qMin<qint64>(answer.stallAfter, answer.body.size()) : answer.body.size();
        const qint64 step = answer.chunkBytes > 0 ? answer.chunkBytes : limit - offset;
        const qint64 end = qMin(limit, offset + step);
        if (end > offset)
            socket->write(answer.body.mid(int(offset), int(end - offset)));
        if (end < limit) {
            QTimer::singleShot(answer.chunkMs, socket,
                               [this, connection, answer, end]() { sendBody(connection, answer, end); });
            return;
        }
        if (end < answer.body.size())
            return; // stalled: the connection stays open and silent
        if (!answer.contentLength) {
            socket->disconnectFromHost();
            return;
        }
        connection->answering = false;
        if (!connection->buffer.isEmpty())
            readFrom(connection);
    }

    // A reset drops the connection with RST instead of FIN, as a crashed or
    // overloaded server does.
    static void dropConnection(QTcpSocket *socket, bool reset)
    {
#ifdef Q_OS_UNIX
        if (reset) {
            const struct linger hard = {1, 0};
            ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
        }
#else
        Q_UNUSED(reset)
#endif
        socket->abort();
    }

    // `body`, then `generated` filler bytes, never more than a few chunks
    // queued at once: an answer of any size costs the server no memory. The
    // connection closes after the last byte (or when the client goes).
    static void sendGenerated(QTcpSocket *socket, const Answer &answer)
    {
        auto left = std::make_shared<qint64>(answer.generated);
        auto refill = [socket, left]() {
            const qint64 chunk = 256 * 1024;
            static const QByteArray filler(int(chunk), 'x');
            while (*left > 0 && socket->bytesToWrite() < 4 * chunk) {
                const qint64 n = qMin(*left, chunk);
                socket->write(filler.constData(), n);
                *left -= n;
            }
            if (*left == 0 && socket->bytesToWrite() == 0)
                socket->disconnectFromHost();
        };
        socket->write(answer.body);
        QObject::connect(socket, &QTcpSocket::bytesWritten, socket, refill);
        refill();
    }

    // The chunked form of sendGenerated: never more than a few chunks queued,
    // so an endless answer costs the server no memory; it ends when the
    // client goes, or after the last chunk.
    static void sendChunked(QTcpSocket *socket, const Answer &answer)
    {
        const qint64 chunk = answer.chunkBytes > 0 ? answer.chunkBytes : 1024 * 1024;
        const QByteArray filler = QByteArray::number(chunk, 16) + "\r\n" + QByteArray(int(chunk), 'x') + "\r\n";
        auto left = std::make_shared<qint64>(answer.generated);
        auto refill = [socket, left, chunk, filler]() {
            while (*left != 0 && socket->bytesToWrite() < 4 * chunk) {
                if (*left < 0 || *left >= chunk) {
                    socket->write(filler);
                    if (*left > 0)
                        *left -= chunk;
                } else {
                    socket->write(QByteArray::number(*left, 16) + "\r\n" + QByteArray(int(*left), 'x') + "\r\n");
                    *left = 0;
                }
                if (*left == 0)
                    socket->write("0\r\n\r\n");
            }
        };
        if (!answer.body.isEmpty())
            socket->write(QByteArray::number(answer.body.size(), 16) + "\r\n" + answer.body + "\r\n");
        if (answer.generated == 0)
            socket->write("0\r\n\r\n");
        QObject::connect(socket, &QTcpSocket::bytesWritten, socket, refill);
        refill();
    }

    QTcpServer m_server;
    Handler m_handler;
    QList<Request> m_requests;
    int m_connections = 0;
    int m_closed = 0;
};
