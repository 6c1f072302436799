#include "link/uploadheader.h"

#include <QDataStream>
#include <QIODevice>
#include <QtEndian>

namespace {
UploadHeader::Status invalid(QString *why, const QString &text)
{
    if (why)
        *why = text;
    return UploadHeader::Invalid;
}

bool fixedPartValid(qint64 total, qint64 nameSize, QString *why)
{
    if (nameSize < 4 || nameSize > UploadHeader::MaxSerializedName || (nameSize - 4) % 2 != 0) {
        invalid(why, QStringLiteral("name size %1 out of range").arg(nameSize));
        return false;
    }
    // A negative total is refused before the subtraction, which would
    // overflow for totals near the lowest qint64; the subtrahends are small.
    if (total < 0) {
        invalid(why, QStringLiteral("total size %1 out of range").arg(total));
        return false;
    }
    const qint64 fileSize = total - UploadHeader::FixedSize - nameSize;
    if (fileSize < 1 || fileSize > UploadHeader::MaxFileBytes) {
        invalid(why, QStringLiteral("total size %1 out of range").arg(total));
        return false;
    }
    return true;
}
} // namespace

qint64 UploadHeader::bytesWanted(const QByteArray &bytes)
{
    if (bytes.size() < FixedSize)
        return FixedSize - bytes.size();
    const qint64 nameSize = qFromBigEndian<qint64>(bytes.constData() + 8);
    if (nameSize < 0 || nameSize > MaxSerializedName)
        return 0; // parse() refuses it
    return qMax<qint64>(0, FixedSize + nameSize - bytes.size());
}

UploadHeader::Status UploadHeader::parse(const QByteArray &bytes, UploadHeader *header, QString *why)
{
    if (bytes.size() < FixedSize)
        return NeedMore;
    const qint64 total = qFromBigEndian<qint64>(bytes.constData());
    const qint64 nameSize = qFromBigEndian<qint64>(bytes.constData() + 8);
    if (!fixedPartValid(total, nameSize, why))
        return Invalid;
    if (bytes.size() < FixedSize + nameSize)
        return NeedMore;

    // The string's own length must agree with nameSize before QDataStream reads it.
    const quint32 stringBytes = qFromBigEndian<quint32>(bytes.constData() + FixedSize);
    const bool nullString = stringBytes == 0xFFFFFFFFu && nameSize == 4;
    if (!nullString && qint64(stringBytes) != nameSize - 4)
        return invalid(why,
                       QStringLiteral("name length %1 disagrees with name size %2").arg(stringBytes).arg(nameSize));

    const QByteArray serialized = bytes.mid(FixedSize, static_cast<int>(nameSize));
    QDataStream in(serialized);
    in.setVersion(QDataStream::Qt_5_12);
    in.setByteOrder(QDataStream::BigEndian);
    QString name;
    in >> name;
    if (in.status() != QDataStream::Ok)
        return invalid(why, QStringLiteral("unreadable name"));
    if (header) {
        header->total = total;
        header->nameSize = nameSize;
        header->name = name;
    }
    return Complete;
}

QByteArray UploadHeader::encode(const QString &name, qint64 fileSize)
{
    QByteArray serializedName;
    {
        QDataStream nameOut(&serializedName, QIODevice::WriteOnly);
        nameOut.setVersion(QDataStream::Qt_5_12);
        nameOut << name;
    }
    QByteArray out;
    QDataStream stream(&out, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_12);
    stream.setByteOrder(QDataStream::BigEndian);
    const qint64 nameSize = serializedName.size();
    stream << qint64(FixedSize + nameSize + fileSize) << nameSize;
    stream.writeRawData(serializedName.constData(), serializedName.size());
    return out;
}

bool UploadHeader::isSafeFileName(const QString &name, QString *why)
{
    auto refuse = [why](const char *text) {
        if (why)
            *why = QString::fromLatin1(text);
        return false;
    };
    if (name.isEmpty())
        return refuse("empty name");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return refuse("dot name");
    if (name.startsWith(QLatin1Char('.')))
        return refuse("leading dot");
    // Windows drops a trailing dot or blank: "update.exe." would be update.exe.
    if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return refuse("trailing dot or blank");
    if (name.toUtf8().size() > MaxNameBytes)
        return refuse("name longer than 255 bytes");
    for (QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':'))
            return refuse("path separator or drive colon");
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.category() == QChar::Other_Control)
            return refuse("control character");
    }
    // The program's own files must never be replaced by an upload.
    if (name.compare(QLatin1String("update.exe"), Qt::CaseInsensitive) == 0 ||
        name.compare(QLatin1String("SystemConfig.ini"), Qt::CaseInsensitive) == 0 ||
        name.endsWith(QLatin1String(".qm"), Qt::CaseInsensitive))
        return refuse("reserved program file");
    // Nor the database's companions: a file named like its rollback journal
    // would be played back into the open database, and the backups are the
    // only copies of a database that had to be replaced.
    const QLatin1String database("AppDatabase.db");
    if ((name.startsWith(database, Qt::CaseInsensitive) && name.size() > database.size()) ||
        name.startsWith(QLatin1String("AppDatabase_"), Qt::CaseInsensitive))
        return refuse("database journal or backup file");
    return true;
}
