#pragma once

#include <QByteArray>
#include <QtGlobal>

// Payload of NetEvt_FileProgress: 16 bytes, bytes received then total bytes,
// each a little-endian 64-bit integer.
struct TransferProgress {
    qint64 received = 0;
    qint64 total = 0;

    QByteArray encode() const;
    // Missing bytes of a short payload count as 0.
    static TransferProgress decode(const QByteArray &bytes);
};
