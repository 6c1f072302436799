#pragma once

#include <QByteArray>
#include <QtGlobal>

// Payload of NetEvt_FileProgress: 16 bytes, bytes received then total bytes,
// each a little-endian 64-bit integer.
struct TransferProgress {
    qint64 received = 0;
    qint64 total = 0;

    QByteArray encode() const;
    // Maximum and value for an int progress bar: received clamped to 0..total,
    // and from 2 GiB on both scaled down by the same power of two, so the
    // ratio stays and nothing overflows.
    struct BarValues {
        int maximum = 0;
        int value = 0;
    };
    BarValues barValues() const;
    // Missing bytes of a short payload count as 0.
    static TransferProgress decode(const QByteArray &bytes);
};
