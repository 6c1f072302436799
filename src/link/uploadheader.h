#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Header of a file upload on the TCP connection, written with QDataStream
// (version Qt_5_12, big-endian):
//   qint64  total     bytes of the whole transfer: this header and the file
//   qint64  nameSize  bytes of the serialized name that follows
//   QString name      quint32 byte count, then UTF-16BE code units
// and then the file's bytes, total - 16 - nameSize of them.
struct UploadHeader {
    static constexpr int FixedSize = 16;
    static constexpr int MaxNameBytes = 255; // UTF-8 bytes of the name
    static constexpr qint64 MaxSerializedName = 4 + 2 * MaxNameBytes;
    static constexpr qint64 MaxFileBytes = qint64(2) << 30; // 2 GiB

    enum Status { NeedMore, Complete, Invalid };

    qint64 total = 0;
    qint64 nameSize = 0;
    QString name;

    qint64 headerSize() const { return FixedSize + nameSize; }
    qint64 fileSize() const { return total - headerSize(); }

    // Parses the header at the start of bytes. The two sizes are checked
    // before any byte of the name is looked at, so a hostile length never
    // makes the reader wait for, or allocate, more than MaxSerializedName.
    // NeedMore: bytes holds too little yet; Invalid: *why says why.
    static Status parse(const QByteArray &bytes, UploadHeader *header, QString *why = nullptr);
    // Bytes still needed before parse() can decide: 16 before the sizes are
    // known, else the rest of the name.
    static qint64 bytesWanted(const QByteArray &bytes);

    static QByteArray encode(const QString &name, qint64 fileSize);

    // A plain file name that may be written into the program's folder: not
    // empty, not "." or "..", no path separator, drive colon or control
    // character, no leading dot, no trailing dot or blank (which Windows
    // drops from a name), at most 255 UTF-8 bytes, and none of the
    // program's own files (the updater, the settings, translations, the
    // database's journal and backups).
    static bool isSafeFileName(const QString &name, QString *why = nullptr);
};
