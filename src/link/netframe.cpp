#include "link/netframe.h"

namespace {
quint8 checksum(quint8 code, const QByteArray &payload)
{
    const int length = payload.size();
    unsigned sum = code + ((length >> 8) & 0xFF) + (length & 0xFF);
    for (char c : payload)
        sum += static_cast<quint8>(c);
    return static_cast<quint8>(sum & 0xFF);
}

bool reject(QString *why, const char *text)
{
    if (why)
        *why = QString::fromLatin1(text);
    return false;
}
} // namespace

QByteArray NetFrame::build(quint8 code, const QByteArray &payload)
{
    if (payload.size() > MaxPayload)
        return {};
    QByteArray out;
    out.reserve(payload.size() + Overhead);
    out.append(static_cast<char>(Head));
    out.append(static_cast<char>(code));
    out.append(static_cast<char>((payload.size() >> 8) & 0xFF));
    out.append(static_cast<char>(payload.size() & 0xFF));
    out.append(payload);
    out.append(static_cast<char>(checksum(code, payload)));
    out.append(static_cast<char>(Tail));
    return out;
}

bool NetFrame::parse(const QByteArray &datagram, NetFrame *frame, QString *why)
{
    if (datagram.size() < Overhead)
        return reject(why, "frame too short");
    const auto *bytes = reinterpret_cast<const quint8 *>(datagram.constData());
    if (bytes[0] != Head)
        return reject(why, "bad head");
    const int length = (bytes[2] << 8) | bytes[3];
    if (length > MaxPayload)
        return reject(why, "payload length over 512");
    if (datagram.size() != length + Overhead)
        return reject(why, "datagram size does not match the length field");
    if (bytes[datagram.size() - 1] != Tail)
        return reject(why, "bad tail");
    const QByteArray payload = datagram.mid(4, length);
    if (checksum(bytes[1], payload) != bytes[datagram.size() - 2])
        return reject(why, "bad sum");
    if (frame) {
        frame->code = bytes[1];
        frame->payload = payload;
    }
    return true;
}

QByteArray NetFrame::nameFromReply(const QByteArray &payload)
{
    QByteArray name;
    const QByteArray head = payload.left(MaxNameBytes);
    for (char c : head) {
        if (static_cast<quint8>(c) != 0xFF)
            name.append(c);
    }
    return name;
}
