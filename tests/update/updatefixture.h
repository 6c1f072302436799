#pragma once

#include "../../tools/fake_update_server/fakeupdateserver.h"
#include "core/systemconfig.h"
#include "support/testenv.h"
#include "update/httpfun.h"
#include "update/updateprotocol.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>

#include <memory>

// Shared pieces of the update tests: a package, its stored description and
// the server's version answers.
namespace UpdateFixture {

inline QByteArray package(int size = 64 * 1024)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 131 + i / 257) & 0xff);
    return bytes;
}

inline QString sha1(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
}

// The package description a successful version query leaves in the settings.
inline void storeDescription(const QString &digest, qint64 size, const QString &property = QStringLiteral("release"))
{
    SystemConfig::getInstance()->setUpdatePackageInfo(
        0, {"v1.0.34", digest, "KV18_TM_PC", property, "/p/update.exe", QString::number(size), "2026-01-02", "7"});
}

// A package description and a version answer as the server sends them.
inline QJsonObject packageInfo(const QString &version, const QString &md5 = "0123abcd", int size = 2048,
                               const QString &project = "KV18_TM_PC")
{
    return QJsonObject{{"version", version},           {"md5", md5},
                       {"project", project},           {"property", "release"},
                       {"file_path", "/p/update.exe"}, {"file_size", QString::number(size)},
                       {"upload_time", "2026-01-02"},  {"create_user_id", "7"}};
}

inline QByteArray versionAnswer(const QJsonValue &info, const QString &ack = "download_data",
                                const QString &serial = "1234567890")
{
    const QJsonObject root{
        {"ack", ack}, {"data_type", "upgrade_package_info"}, {"device_serial", serial}, {"upgrade_package_info", info}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

inline QByteArray versionAnswer(const QString &version, const QByteArray &pkg)
{
    return versionAnswer(packageInfo(version, sha1(pkg), pkg.size()));
}

} // namespace UpdateFixture
