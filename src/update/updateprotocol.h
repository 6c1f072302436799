#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>

// What the update client exchanges with the update server: the version query
// body, the download address, the judging of the server's version answer and
// the texts of the result codes. Needs Qt Core and jsoncpp only, so the
// answer judge can be fuzzed on its own.
namespace UpdateProtocol {

// Result codes of the client's own (below 1000 they are QNetworkReply errors).
enum ResultCode {
    Code_Ok = 0,
    Code_ServerCmdErr = 1000,
    Code_JsonErr = 1003,
    Code_WrongAnswer = 1004,
    Code_LengthErr = 1005,
    Code_Timeout = 1006,
    Code_FileCheckErr = 1008,
    Code_DigestErr = 1009,
    Code_NoUpdate = 1010,
    Code_Latest = 1014,
};

// The fixed project identifier of this program on the update server.
inline constexpr char kProject[] = "KV18_TM_PC";
// Members of the offered package, in the order they are stored.
inline constexpr int kPackageInfoCount = 8;

// {"cmd":"download_data","data_type":"upgrade_package_info","device_serial":..,"project":..}
// and a line feed.
QByteArray buildUpgradeInfoRequest(const QString &deviceSerial);

// The number of a version text without its leading character: the dot
// separated parts weighted by powers of 100, the sum kept within int.
int versionNumber(const QString &version);

// Judges one version answer (UTF-8). Returns 0 (newer version; *packageInfo
// gets the eight strings), 1014 (not newer), or the rejection 1000, 1003,
// 1004 or 1010. Never throws, whatever the bytes.
int judgeVersionAnswer(const QByteArray &answer, const QString &deviceSerial, const QString &programVersion,
                       QStringList *packageInfo);

// http://host:port/package/version
QUrl versionUrl(const QString &host, quint16 port);
// http://host:port/package/download?project=..&property=..&version=..&device_serial=..
// Every value is percent-encoded, so "#", "&", "+" or "=" in it stay inside it.
QUrl downloadUrl(const QString &host, quint16 port, const QString &project, const QString &property,
                 const QString &version, const QString &deviceSerial);

// "網絡錯誤：" followed by the code's text (translated in the context HttpFun);
// a code without a text gives the prefix alone.
QString errorInfo(int code);

} // namespace UpdateProtocol
