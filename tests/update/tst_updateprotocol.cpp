#include "support/testenv.h"
#include "update/updateprotocol.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QUrlQuery>

#include <limits>

namespace {
const QString kSerial = QStringLiteral("1234567890");
const QString kProgram = QStringLiteral("v1.0.33");

QJsonObject packageInfo(const QString &version, const QString &project = QStringLiteral("KV18_TM_PC"))
{
    return QJsonObject{{"version", version},          {"md5", "0123abcd"},    {"project", project},
                       {"property", "release"},       {"file_path", "/p/u"},  {"file_size", "2048"},
                       {"upload_time", "2026-01-02"}, {"create_user_id", "7"}};
}

QByteArray answer(const QJsonValue &info, const QString &ack = QStringLiteral("download_data"),
                  const QString &serial = QStringLiteral("1234567890"))
{
    const QJsonObject root{
        {"ack", ack}, {"data_type", "upgrade_package_info"}, {"device_serial", serial}, {"upgrade_package_info", info}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}
} // namespace

class TstUpdateProtocol : public QObject
{
    Q_OBJECT
private slots:
    void versionQueryBody()
    {
        const QByteArray body = UpdateProtocol::buildUpgradeInfoRequest(kSerial);
        QCOMPARE(body, QByteArray("{\"cmd\":\"download_data\",\"data_type\":\"upgrade_package_info\","
                                  "\"device_serial\":\"1234567890\",\"project\":\"KV18_TM_PC\"}\n"));
        // A serial with quotes and non-ASCII text still gives one valid object.
        const QString odd = QStringLiteral("a\"b\\c é");
        const QJsonObject back = QJsonDocument::fromJson(UpdateProtocol::buildUpgradeInfoRequest(odd)).object();
        QCOMPARE(back.value(QStringLiteral("device_serial")).toString(), odd);
    }

    void judgeAnswer_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("code");
        QTest::newRow("newer") << answer(packageInfo("v1.0.34")) << 0;
        QTest::newRow("more parts weigh the first more") << answer(packageInfo("v1.0.0.1")) << 0;
        QTest::newRow("equal") << answer(packageInfo("v1.0.33")) << 1014;
        QTest::newRow("fewer parts are older") << answer(packageInfo("v2.0")) << 1014;
        QTest::newRow("project inside a longer text") << answer(packageInfo("v1.0.34", "xKV18_TM_PCy")) << 0;
        QTest::newRow("other project") << answer(packageInfo("v1.0.34", "KV19")) << 1010;
        QTest::newRow("serial inside a longer text")
            << answer(packageInfo("v1.0.34"), "download_data", "#1234567890#") << 0;
        QTest::newRow("other serial") << answer(packageInfo("v1.0.34"), "download_data", "123456789") << 1004;
        QTest::newRow("ack without download_data") << answer(packageInfo("v1.0.34"), "upload") << 1004;
        QJsonObject sizeAsNumber = packageInfo("v1.0.34");
        sizeAsNumber.insert(QStringLiteral("file_size"), 2048);
        QTest::newRow("file_size a number") << answer(sizeAsNumber) << 1003;
        QJsonObject missing = packageInfo("v1.0.34");
        missing.remove(QStringLiteral("create_user_id"));
        QTest::newRow("member missing") << answer(missing) << 1003;
        QTest::newRow("package info a text") << answer(QJsonValue("x")) << 1003;
        QTest::newRow("root an array") << QByteArray("[1]") << 1004;
        QTest::newRow("data_type missing") << QByteArray("{\"ack\":\"download_data\",\"device_serial\":\"1234567890\","
                                                         "\"upgrade_package_info\":{}}")
                                           << 1004;
        QTest::newRow("server failure") << QByteArray("{\"ack\":\"cmd_err\",\"result\":\"bad command\"}") << 1000;
        QTest::newRow("server failure wins") << QByteArray("{\"ack\":\"cmd download_data\",\"result\":\"x\"}") << 1000;
        QTest::newRow("result a number falls through") << QByteArray("{\"ack\":\"cmd_err\",\"result\":3}") << 1004;
        QTest::newRow("not JSON") << QByteArray("<html>") << 1010;
        QTest::newRow("nested too deep") << QByteArray(100000, '[') << 1010;
        QTest::newRow("not UTF-8") << QByteArray("{\"ack\":\"\xff\xfe\"}") << 1004;
    }

    void judgeAnswer()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, code);
        QStringList info;
        QCOMPARE(UpdateProtocol::judgeVersionAnswer(text, kSerial, kProgram, &info), code);
        // Only an offered package is described, its eight members in order.
        const QJsonObject offered = QJsonDocument::fromJson(text).object().value("upgrade_package_info").toObject();
        QStringList expected;
        for (const QString &key : UpdateProtocol::packageInfoKeys())
            expected << offered.value(key).toString();
        QCOMPARE(info, code == 0 ? expected : QStringList());
        QCOMPARE(UpdateProtocol::packageInfoKeys().size(), 8);
    }

    void versionNumber_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("number");
        const int max = std::numeric_limits<int>::max();
        const int min = std::numeric_limits<int>::min();
        QTest::newRow("program") << "1.0.33" << 10033;
        QTest::newRow("four parts") << "1.0.0.1" << 1000001;
        QTest::newRow("part not a number") << "x.5" << 5;
        QTest::newRow("empty part kept") << "1..2" << 10002;
        QTest::newRow("empty text") << "" << 0;
        QTest::newRow("long version saturates") << "1.0.0.0.0.0" << max;
        QTest::newRow("large part saturates") << "3000000000" << max;
        QTest::newRow("negative saturates") << "-1.0.0.0.0.0" << min;
        QTest::newRow("beyond 64 bits is not a number") << "99999999999999999999.1" << 1;
        QTest::newRow("infinite weight of a zero part") << QString("0.").repeated(300) + "7" << 7;
        QTest::newRow("infinite weight saturates") << QString("1.").repeated(300) + "7" << max;
    }

    void versionNumber()
    {
        QFETCH(QString, version);
        QFETCH(int, number);
        QCOMPARE(UpdateProtocol::versionNumber(version), number);
    }

    void downloadUrl_data()
    {
        QTest::addColumn<QStringList>("values"); // project, property, version, serial
        QTest::newRow("ordinary") << QStringList{"KV18_TM_PC", "release", "v1.0.34", "1234567890"};
        QTest::newRow("ampersand and equals") << QStringList{"KV18&x=1", "a=b", "v1&2", "s&version=9"};
        QTest::newRow("plus percent space") << QStringList{"a+b", "50%", "v 1", "é漢"};
    }

    void downloadUrl()
    {
        QFETCH(QStringList, values);
        const QUrl url = UpdateProtocol::downloadUrl("127.0.0.1", 8080, values[0], values[1], values[2], values[3]);
        QCOMPARE(url.path(), QStringLiteral("/package/download"));
        QCOMPARE(url.port(), 8080);
        const QUrlQuery query(url.query(QUrl::FullyEncoded));
        const QStringList keys{"project", "property", "version", "device_serial"};
        QCOMPARE(query.queryItems().size(), 4);
        // As a server reads it: split on "&", then percent-decode.
        for (int i = 0; i < keys.size(); ++i)
            QCOMPARE(QUrl::fromPercentEncoding(query.queryItemValue(keys[i], QUrl::FullyEncoded).toLatin1()),
                     values[i]);
        if (QTest::currentDataTag() == QByteArray("ordinary"))
            QCOMPARE(url.toString(QUrl::FullyEncoded),
                     QStringLiteral("http://127.0.0.1:8080/package/download?project=KV18_TM_PC&property=release"
                                    "&version=v1.0.34&device_serial=1234567890"));
    }

    void errorTexts()
    {
        const QList<QPair<int, QString>> suffixes{{0, ""},   {1, "伺服器異常"},          {8, ""},   {99, "未知錯誤"},
                                                  {401, ""}, {1014, "軟件是最新版本！"}, {1016, ""}};
        for (const auto &s : suffixes)
            QCOMPARE(UpdateProtocol::errorInfo(s.first), QStringLiteral("網絡錯誤：") + s.second);
    }
};

VIREON_TEST_MAIN(TstUpdateProtocol)
#include "tst_updateprotocol.moc"
