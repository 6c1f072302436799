#include "link/transferprogress.h"

#include <climits>

namespace {
qint64 readLe64(const QByteArray &bytes, int offset)
{
    quint64 value = 0;
    for (int i = 7; i >= 0; --i) {
        const int at = offset + i;
        const quint8 byte = at < bytes.size() ? static_cast<quint8>(bytes.at(at)) : 0;
        value = (value << 8) | byte;
    }
    return static_cast<qint64>(value);
}

void appendLe64(QByteArray &out, qint64 v)
{
    auto value = static_cast<quint64>(v);
    for (int i = 0; i < 8; ++i) {
        out.append(static_cast<char>(value & 0xFF));
        value >>= 8;
    }
}
} // namespace

QByteArray TransferProgress::encode() const
{
    QByteArray out;
    out.reserve(16);
    appendLe64(out, received);
    appendLe64(out, total);
    return out;
}

TransferProgress TransferProgress::decode(const QByteArray &bytes)
{
    return TransferProgress{readLe64(bytes, 0), readLe64(bytes, 8)};
}

TransferProgress::BarValues TransferProgress::barValues() const
{
    const qint64 clampedTotal = qMax<qint64>(0, total);
    const qint64 clampedReceived = qBound<qint64>(0, received, clampedTotal);
    int shift = 0;
    while ((clampedTotal >> shift) > INT_MAX)
        ++shift;
    return {int(clampedTotal >> shift), int(clampedReceived >> shift)};
}
