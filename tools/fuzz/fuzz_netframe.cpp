// Fuzzes the datagram parser: no crash on any input, and every accepted frame
// rebuilds to exactly the datagram it came from.
#include <cstdint>
#include <cstdlib>

#include "link/netframe.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray datagram(reinterpret_cast<const char *>(data), static_cast<int>(size));
    NetFrame frame;
    QString why;
    if (NetFrame::parse(datagram, &frame, &why)) {
        if (NetFrame::build(frame.code, frame.payload) != datagram)
            std::abort();
        if (NetFrame::nameFromReply(frame.payload).size() > NetFrame::MaxNameBytes)
            std::abort();
    } else if (why.isEmpty()) {
        std::abort();
    }
    return 0;
}
