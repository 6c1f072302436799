// Fuzzes the upload header parser and the file name filter: no crash, no
// oversized allocation, and the verdict never depends on bytes past the header.
#include <cstdint>
#include <cstdlib>

#include "link/uploadheader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<int>(size));
    UploadHeader header;
    QString why;
    const UploadHeader::Status status = UploadHeader::parse(bytes, &header, &why);
    const qint64 wanted = UploadHeader::bytesWanted(bytes);
    if (wanted < 0 || wanted > UploadHeader::FixedSize + UploadHeader::MaxSerializedName)
        std::abort();
    if (status == UploadHeader::Complete) {
        if (header.fileSize() < 1 || header.fileSize() > UploadHeader::MaxFileBytes)
            std::abort();
        // Bytes after the header must not change the verdict.
        if (UploadHeader::parse(bytes.left(static_cast<int>(header.headerSize())), nullptr) != UploadHeader::Complete)
            std::abort();
        UploadHeader::isSafeFileName(header.name, &why);
    } else if (status == UploadHeader::Invalid && why.isEmpty()) {
        std::abort();
    }
    // The filter must also cope with arbitrary text.
    UploadHeader::isSafeFileName(QString::fromUtf8(bytes), nullptr);
    return 0;
}
