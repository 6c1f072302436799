#include "core/systemconfig.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QTextCodec>

namespace {
const char *const kOtaKeys[] = {"version",   "md5",       "project",     "property",
                                "file_path", "file_size", "upload_time", "create_user_id"};
constexpr quint16 kDefaultHostPort = 45454;
} // namespace

SystemConfig *SystemConfig::getInstance()
{
    return Singleton<SystemConfig>::instance();
}

QString SystemConfig::configFilePath()
{
    return QStringLiteral("%1/config/SystemConfig.ini").arg(QStringLiteral("./app"));
}

SystemConfig::SystemConfig(QObject *parent)
    : QObject(parent)
    , m_settings(configFilePath(), QSettings::IniFormat)
{
    QDir().mkpath(QFileInfo(configFilePath()).path());
    // Header and form texts are often Chinese: keep them readable across restarts.
    m_settings.setIniCodec(QTextCodec::codecForName("UTF-8"));
}

QString SystemConfig::readText(const QString &key)
{
    const QVariant v = m_settings.value(key);
    // An unquoted value with commas reads back as a list; join it again.
    if (v.type() == QVariant::StringList)
        return v.toStringList().join(QLatin1Char(','));
    return v.toString();
}

void SystemConfig::writeValue(const QString &key, const QVariant &value)
{
    m_settings.setValue(key, value);
    m_settings.sync();
}

QString SystemConfig::textOrDefault(const QString &key, const QString &fallback)
{
    const QString text = readText(key);
    if (!text.isEmpty())
        return text;
    writeValue(key, fallback);
    return fallback;
}

void SystemConfig::setText(const QString &key, const QString &value)
{
    QMutexLocker lock(&m_mutex);
    writeValue(key, value);
}

// ---- System ---------------------------------------------------------------

int SystemConfig::getSystemLanguage()
{
    QMutexLocker lock(&m_mutex);
    bool ok = false;
    const int language = readText(QStringLiteral("SystemConfig/SystemLanguage")).toInt(&ok);
    if (ok && language >= 0 && language <= 5)
        return language;
    writeValue(QStringLiteral("SystemConfig/SystemLanguage"), 1);
    return 1;
}

void SystemConfig::setSystemLanguage(int language)
{
    if (static_cast<unsigned>(language) > 5) {
        qDebug() << "void SystemConfig::setSystemLanguage(int)"
                 << "error: SystemLanguage is invalid!!";
        return;
    }
    QMutexLocker lock(&m_mutex);
    writeValue(QStringLiteral("SystemConfig/SystemLanguage"), language);
}

int SystemConfig::getFontSize()
{
    QMutexLocker lock(&m_mutex);
    const QString text = readText(QStringLiteral("System/font_size"));
    if (text.isEmpty()) {
        writeValue(QStringLiteral("System/font_size"), 1);
        return 1;
    }
    return text.toInt();
}

void SystemConfig::setFontSize(quint8 size)
{
    QMutexLocker lock(&m_mutex);
    writeValue(QStringLiteral("System/font_size"), size);
}

int SystemConfig::getDateFormat()
{
    QMutexLocker lock(&m_mutex);
    bool ok = false;
    const int format = readText(QStringLiteral("DateConfig/DateFormat")).toInt(&ok);
    if (ok && format >= 0 && format <= 5)
        return format;
    writeValue(QStringLiteral("DateConfig/DateFormat"), 0);
    return 0;
}

int SystemConfig::getTableViewOptType()
{
    QMutexLocker lock(&m_mutex);
    bool ok = false;
    const int type = readText(QStringLiteral("SystemConfig/TableViewOptType")).toInt(&ok);
    if (ok && (type == 0 || type == 1))
        return type;
    writeValue(QStringLiteral("SystemConfig/TableViewOptType"), 0);
    return 0;
}

void SystemConfig::setTableViewOptType(int type)
{
    if (type != 0 && type != 1) {
        qDebug() << "void SystemConfig::setTableViewOptType(int)"
                 << "error: TableViewOptTyp is invalid!!";
        return;
    }
    QMutexLocker lock(&m_mutex);
    writeValue(QStringLiteral("SystemConfig/TableViewOptType"), type);
}

// ---- Network --------------------------------------------------------------

QString SystemConfig::getHostAddress()
{
    QMutexLocker lock(&m_mutex);
    return textOrDefault(QStringLiteral("NetConfig/HostAddress"), QStringLiteral("192.168.3.15"));
}

void SystemConfig::setHostAddress(const QString &address)
{
    setText(QStringLiteral("NetConfig/HostAddress"), address);
}

QString SystemConfig::getLocalMacAddr()
{
    QMutexLocker lock(&m_mutex);
    return textOrDefault(QStringLiteral("NetConfig/LocalMacAddr"), QStringLiteral("00-00-00-00-00-00"));
}

void SystemConfig::setLocalMacAddr(const QString &mac)
{
    setText(QStringLiteral("NetConfig/LocalMacAddr"), mac);
}

QString SystemConfig::getLocalIpAddr()
{
    QMutexLocker lock(&m_mutex);
    return textOrDefault(QStringLiteral("NetConfig/LocalIpAddr"), QStringLiteral("0.0.0.0"));
}

void SystemConfig::setLocalIpAddr(const QString &ip)
{
    setText(QStringLiteral("NetConfig/LocalIpAddr"), ip);
}

QString SystemConfig::getHostName()
{
    QMutexLocker lock(&m_mutex);
    return readText(QStringLiteral("NetConfig/host_name"));
}

void SystemConfig::setHostName(const QString &name)
{
    setText(QStringLiteral("NetConfig/host_name"), name);
}

quint16 SystemConfig::getHostPort()
{
    QMutexLocker lock(&m_mutex);
    bool ok = false;
    const uint port = readText(QStringLiteral("NetConfig/HostPort")).toUInt(&ok);
    if (ok && port > 0 && port <= 65535)
        return static_cast<quint16>(port);
    writeValue(QStringLiteral("NetConfig/HostPort"), kDefaultHostPort);
    return kDefaultHostPort;
}

void SystemConfig::setHostPort(quint16 port)
{
    QMutexLocker lock(&m_mutex);
    writeValue(QStringLiteral("NetConfig/HostPort"), QString::number(port));
}

QString SystemConfig::getISN()
{
    QMutexLocker lock(&m_mutex);
    return textOrDefault(QStringLiteral("ISNConfig/ISN"), QStringLiteral("1234567890"));
}

// ---- Report header and form -----------------------------------------------

#define VIREON_TEXT_SETTING(Getter, Setter, Key)                                                                       \
    QString SystemConfig::Getter()                                                                                     \
    {                                                                                                                  \
        QMutexLocker lock(&m_mutex);                                                                                   \
        return readText(QStringLiteral(Key));                                                                          \
    }                                                                                                                  \
    void SystemConfig::Setter(const QString &text)                                                                     \
    {                                                                                                                  \
        setText(QStringLiteral(Key), text);                                                                            \
    }

VIREON_TEXT_SETTING(getHospitalName, setHospitalName, "PrintConfig/HospitalName")
VIREON_TEXT_SETTING(getHospitalAddress, setHospitalAddress, "PrintConfig/HospitalAddress")
VIREON_TEXT_SETTING(getHospitalPhone, setHospitalPhone, "PrintConfig/HospitalPhone")
VIREON_TEXT_SETTING(getDoctorName, setDoctorName, "PrintConfig/DoctorName")
VIREON_TEXT_SETTING(getInspectorName, setInspectorName, "PrintConfig/InspectorName")
VIREON_TEXT_SETTING(getPdfSavepath, setPdfSavepath, "PdfConfig/PdfSavepath")
VIREON_TEXT_SETTING(getPetOwner, setPetOwner, "PrintConfig/pet_owner")
VIREON_TEXT_SETTING(getPetNum, setPetNum, "PrintConfig/pet_Num")
VIREON_TEXT_SETTING(getPetOwnerTel, setPetOwnerTel, "PrintConfig/pet_owner_tel")
VIREON_TEXT_SETTING(getPetName, setPetName, "PrintConfig/pet_name")
VIREON_TEXT_SETTING(getPetType, setPetType, "PrintConfig/pet_type")
VIREON_TEXT_SETTING(getPetAge, setPetAge, "PrintConfig/pet_age")
VIREON_TEXT_SETTING(getPetSampleType, setPetSampleType, "PrintConfig/pet_sample_type")
VIREON_TEXT_SETTING(getPetSymptom, setPetSymptom, "PrintConfig/pet_symptom")
#undef VIREON_TEXT_SETTING

int SystemConfig::getPetGender()
{
    QMutexLocker lock(&m_mutex);
    return readText(QStringLiteral("PrintConfig/pet_gender")).toInt();
}

void SystemConfig::setPetGender(int gender)
{
    QMutexLocker lock(&m_mutex);
    writeValue(QStringLiteral("PrintConfig/pet_gender"), gender);
}

int SystemConfig::getLogoPost()
{
    QMutexLocker lock(&m_mutex);
    const QString text = readText(QStringLiteral("PrintConfig/logo_post"));
    if (text.isEmpty()) {
        writeValue(QStringLiteral("PrintConfig/logo_post"), 0);
        return 0;
    }
    return text.toInt();
}

void SystemConfig::setLogoPost(int post)
{
    QMutexLocker lock(&m_mutex);
    writeValue(QStringLiteral("PrintConfig/logo_post"), post);
}

// ---- Update package -------------------------------------------------------

QString SystemConfig::otaText(const char *key, int index)
{
    if (index != 0) {
        qDebug() << QStringLiteral("error: get %1 is invalid!!").arg(QLatin1String(key));
        return QString();
    }
    QMutexLocker lock(&m_mutex);
    return readText(QStringLiteral("OtaInfo/%1").arg(QLatin1String(key)));
}

QString SystemConfig::getUpdatePackageVerInfo(int index)
{
    return otaText("version", index);
}
QString SystemConfig::getUpdatePackageMd5Info(int index)
{
    return otaText("md5", index);
}
QString SystemConfig::getUpdatePackageProjectInfo(int index)
{
    return otaText("project", index);
}
QString SystemConfig::getUpdatePackagePropertyInfo(int index)
{
    return otaText("property", index);
}

quint32 SystemConfig::getUpdatePackageFileSizeInfo(int index)
{
    bool ok = false;
    const uint size = otaText("file_size", index).toUInt(&ok, 10);
    return ok ? size : 0;
}

void SystemConfig::setUpdatePackageInfo(int index, const QStringList &values)
{
    constexpr int keyCount = int(sizeof(kOtaKeys) / sizeof(kOtaKeys[0]));
    if (index != 0 || values.size() != keyCount) {
        qDebug() << QStringLiteral("error: set %1 is invalid!!").arg(index);
        return;
    }
    QMutexLocker lock(&m_mutex);
    for (int i = 0; i < keyCount; ++i)
        m_settings.setValue(QStringLiteral("OtaInfo/%1").arg(QLatin1String(kOtaKeys[i])), values.at(i));
    m_settings.sync();
}
