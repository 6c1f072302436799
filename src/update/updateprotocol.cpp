#include "update/updateprotocol.h"

#include <QCoreApplication>
#include <QDebug>
#include <QUrlQuery>

#include <json/json.h>

#include <cmath>
#include <exception>
#include <limits>
#include <string>

namespace UpdateProtocol {

namespace {

const char *const kInfoKeys[kPackageInfoCount] = {"version",   "md5",       "project",     "property",
                                                  "file_path", "file_size", "upload_time", "create_user_id"};

QString toText(const Json::Value &value)
{
    const std::string text = value.asString();
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

bool isString(const Json::Value &object, const char *key)
{
    return object.isMember(key) && object[key].isString();
}

// A root that is not an object has no members; jsoncpp would throw on the
// member test, and an exception must never leave the update thread.
int checkServerFailure(const Json::Value &root)
{
    if (!root.isObject() || !isString(root, "ack") || !isString(root, "result"))
        return Code_Ok;
    if (!toText(root["ack"]).contains(QLatin1String("cmd")))
        return Code_Ok;
    qDebug() << "serverParseCmdErr" << toText(root["result"]);
    return Code_ServerCmdErr;
}

int checkEnvelope(const Json::Value &root, const QString &deviceSerial)
{
    if (!root.isObject() || !isString(root, "ack") || !isString(root, "data_type") ||
        !isString(root, "device_serial") || !root.isMember("upgrade_package_info")) {
        qDebug() << "clientRecvDataErr";
        return Code_WrongAnswer;
    }
    if (!toText(root["ack"]).contains(QLatin1String("download_data")) ||
        !toText(root["data_type"]).contains(QLatin1String("upgrade_package_info")) ||
        !toText(root["device_serial"]).contains(deviceSerial)) {
        qDebug() << "clientRecvDataErr";
        return Code_WrongAnswer;
    }
    return Code_Ok;
}

bool readPackageInfo(const Json::Value &info, QStringList *values)
{
    if (!info.isObject())
        return false;
    for (const char *key : kInfoKeys) {
        if (!isString(info, key))
            return false;
        values->append(toText(info[key]));
    }
    return true;
}

int saturate(double value)
{
    if (value >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(value); // cut toward zero
}

} // namespace

QByteArray buildUpgradeInfoRequest(const QString &deviceSerial)
{
    Json::Value root(Json::objectValue);
    root["cmd"] = "download_data";
    root["data_type"] = "upgrade_package_info";
    root["device_serial"] = deviceSerial.toStdString();
    root["project"] = kProject;
    Json::FastWriter writer;
    const std::string body = writer.write(root);
    return QByteArray(body.data(), static_cast<int>(body.size()));
}

int versionNumber(const QString &version)
{
    const QStringList parts = version.split(QLatin1Char('.'));
    const int n = parts.size();
    int sum = 0;
    for (int i = 0; i < n; ++i) {
        bool ok = false;
        const qlonglong part = parts.at(i).toLongLong(&ok, 10);
        if (!ok || part == 0)
            continue; // a zero part adds nothing, also where the weight overflows to infinity
        const double term = double(part) * std::pow(100.0, double(n - 1 - i));
        // Long versions overflow int: the sum saturates instead.
        sum = saturate(double(sum) + term);
    }
    return sum;
}

int judgeVersionAnswer(const QByteArray &answer, const QString &deviceSerial, const QString &programVersion,
                       QStringList *packageInfo)
{
    qDebug() << "UpgradePackageInfoDownloadDataParseDeal";
    Json::Value root;
    try {
        Json::Reader reader;
        if (!reader.parse(std::string(answer.constData(), size_t(answer.size())), root))
            return Code_NoUpdate;
    } catch (const std::exception &e) {
        // jsoncpp throws on too deep a nesting.
        qDebug() << "UpgradePackageInfoDownloadDataParseDeal parse failed:" << e.what();
        return Code_NoUpdate;
    }
    if (const int code = checkServerFailure(root))
        return code;
    if (const int code = checkEnvelope(root, deviceSerial))
        return code;
    QStringList values;
    if (!readPackageInfo(root["upgrade_package_info"], &values))
        return Code_JsonErr;

    const QString newVersion = values.at(0).mid(1);
    const QString oldVersion = programVersion.mid(1);
    const int newNumber = versionNumber(newVersion);
    const int oldNumber = versionNumber(oldVersion);
    qDebug() << "old ver:" << oldVersion << "num:" << oldNumber;
    qDebug() << "new ver:" << newVersion << "num:" << newNumber;
    if (!values.at(2).contains(QLatin1String(kProject)))
        return Code_NoUpdate;
    if (newNumber <= oldNumber)
        return Code_Latest;
    if (packageInfo)
        *packageInfo = values;
    return Code_Ok;
}

QUrl versionUrl(const QString &host, quint16 port)
{
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(host);
    url.setPort(port);
    url.setPath(QStringLiteral("/package/version"));
    return url;
}

QUrl downloadUrl(const QString &host, quint16 port, const QString &project, const QString &property,
                 const QString &version, const QString &deviceSerial)
{
    QUrl url = versionUrl(host, port);
    url.setPath(QStringLiteral("/package/download"));
    QUrlQuery query;
    const auto add = [&query](const char *key, const QString &value) {
        // Encoded here: QUrlQuery alone would leave "+" (read as a space by
        // servers) and a literal "%" ambiguous.
        query.addQueryItem(QLatin1String(key), QString::fromLatin1(QUrl::toPercentEncoding(value)));
    };
    add("project", project);
    add("property", property);
    add("version", version);
    add("device_serial", deviceSerial);
    url.setQuery(query);
    return url;
}

namespace {
struct ErrorRow {
    int first;
    int last;
    const char *text; // translated in the context HttpFun
    const char *log;
};

const ErrorRow kErrorRows[] = {
    {1, 7, QT_TRANSLATE_NOOP("HttpFun", "伺服器異常"), "服务器异常"},
    {99, 99, QT_TRANSLATE_NOOP("HttpFun", "未知錯誤"), "未知错误"},
    {101, 105, QT_TRANSLATE_NOOP("HttpFun", "代理錯誤"), "代理错误"},
    {199, 199, QT_TRANSLATE_NOOP("HttpFun", "代理錯誤"), "代理错误"},
    {201, 205, QT_TRANSLATE_NOOP("HttpFun", "報文數據錯誤"), "内容错误"},
    {299, 299, QT_TRANSLATE_NOOP("HttpFun", "報文數據錯誤"), "内容错误"},
    {301, 302, QT_TRANSLATE_NOOP("HttpFun", "協議錯誤"), "协议错误"},
    {399, 399, QT_TRANSLATE_NOOP("HttpFun", "協議錯誤"), "协议错误"},
    {1000, 1000, QT_TRANSLATE_NOOP("HttpFun", "伺服器無法識別請求命令"), "服务器无法识别请求命令"},
    {1001, 1001, QT_TRANSLATE_NOOP("HttpFun", "伺服器校驗數據長度失敗"), "服务器校验数据长度失败"},
    {1002, 1002, QT_TRANSLATE_NOOP("HttpFun", "清除服務器數據失敗"), "清除服务器数据失败"},
    {1003, 1003, QT_TRANSLATE_NOOP("HttpFun", "儀器解析json數據失敗"), "仪器解压jason数据失败"},
    {1004, 1004, QT_TRANSLATE_NOOP("HttpFun", "儀器接受到錯誤的返回結果"), "仪器接受到错误的返回结果"},
    {1005, 1005, QT_TRANSLATE_NOOP("HttpFun", "儀器校驗數據長度失敗"), "仪器校验数据长度失败"},
    {1006, 1006, QT_TRANSLATE_NOOP("HttpFun", "儀器請求伺服器超時"), "仪器请求服务器超时"},
    {1007, 1007, QT_TRANSLATE_NOOP("HttpFun", "下載出錯，正在重試..."), "下载出错，正在重试..."},
    {1008, 1008, QT_TRANSLATE_NOOP("HttpFun", "校驗下載文件長度錯誤"), "校验下载文件长度错误"},
    {1009, 1009, QT_TRANSLATE_NOOP("HttpFun", "下載文件校驗md5錯誤"), "下载文件校验Md5错误"},
    {1010, 1010, QT_TRANSLATE_NOOP("HttpFun", "不存在版本更新"), "不存在版本更新"},
    {1011, 1011, QT_TRANSLATE_NOOP("HttpFun", "伺服器沒有匹配到數據"), "服务器没有匹配到数据"},
    {1012, 1012, QT_TRANSLATE_NOOP("HttpFun", "數據庫沒有匹配到數據"), "数据库没有匹配到数据"},
    {1013, 1013, QT_TRANSLATE_NOOP("HttpFun", "系統文件損壞，請聯系廠家！"), "系统文件损坏,请联系厂家！"},
    {1014, 1014, QT_TRANSLATE_NOOP("HttpFun", "軟件是最新版本！"), "软件是最新版本！"},
    {1015, 1015, QT_TRANSLATE_NOOP("HttpFun", "設備未綁定，請聯系廠家綁定！"), "设备未绑定,请联系厂家绑定！"},
    {1017, 1017, QT_TRANSLATE_NOOP("HttpFun", "上傳儀器軟件版本失敗！"), "上传仪器软件版本失败！"},
};
} // namespace

QString errorInfo(int code)
{
    QString text = QCoreApplication::translate("HttpFun", "網絡錯誤：");
    for (const ErrorRow &row : kErrorRows) {
        if (code >= row.first && code <= row.last) {
            qDebug() << "getErrorInfo" << code << QString::fromUtf8(row.log);
            text += QCoreApplication::translate("HttpFun", row.text);
            break;
        }
    }
    return text;
}

} // namespace UpdateProtocol
