#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Codes of the frames exchanged with the instrument. A reply carries the code
// of the request it answers.
enum WireCode : quint8 {
    Wire_LocalAddress = 0x50, // PC -> instrument: the PC's IPv4 address, 4 bytes; reply: 1 status byte
    Wire_FetchFile = 0x51,    // PC -> instrument: the text "-1"; the instrument then uploads over TCP
    Wire_InfoQuery = 0x52,    // PC -> instrument: empty; reply: the instrument's name
};

// One UDP datagram between the PC and the instrument:
//   0xFA, code, length (2 bytes big-endian, <= 512), payload, sum, 0xFB
// where sum = code + both length bytes + every payload byte, modulo 256.
struct NetFrame {
    static constexpr quint8 Head = 0xFA;
    static constexpr quint8 Tail = 0xFB;
    static constexpr int MaxPayload = 512;
    static constexpr int Overhead = 6;
    static constexpr int MaxNameBytes = 20;

    quint8 code = 0;
    QByteArray payload;

    // An empty array when the payload is longer than MaxPayload.
    static QByteArray build(quint8 code, const QByteArray &payload);
    // Accepts a datagram only when its size is exactly payload + 6 and head,
    // tail and sum are right; the tail is never searched for. On failure
    // *why (when given) says what was wrong.
    static bool parse(const QByteArray &datagram, NetFrame *frame, QString *why = nullptr);

    // The instrument name of an information reply: at most the first 20 bytes,
    // bytes 0xFF left out.
    static QByteArray nameFromReply(const QByteArray &payload);
};
