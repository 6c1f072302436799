#pragma once

#include <QMutex>
#include <QObject>
#include <QSettings>
#include <QString>
#include <QStringList>

#include "core/singleton.h"

// The program's settings, one INI file "./app/config/SystemConfig.ini".
// Every setter writes and syncs at once. A getter that finds its key absent,
// empty or out of range writes the default back and returns it.
//
// The GUI, network and HTTP threads all use the one instance, and getters may
// write: every access is serialised by one mutex.
class SystemConfig : public QObject
{
    Q_OBJECT
public:
    static SystemConfig *getInstance();
    static QString configFilePath();

    // System
    int getSystemLanguage();
    void setSystemLanguage(int language);
    int getFontSize();
    void setFontSize(quint8 size);
    int getDateFormat();
    int getTableViewOptType();
    void setTableViewOptType(int type);

    // Network
    QString getHostAddress();
    void setHostAddress(const QString &address);
    QString getLocalMacAddr();
    void setLocalMacAddr(const QString &mac);
    QString getLocalIpAddr();
    void setLocalIpAddr(const QString &ip);
    QString getHostName();
    void setHostName(const QString &name);
    quint16 getHostPort();
    void setHostPort(quint16 port);
    QString getISN();

    // Report header
    QString getHospitalName();
    void setHospitalName(const QString &text);
    QString getHospitalAddress();
    void setHospitalAddress(const QString &text);
    QString getHospitalPhone();
    void setHospitalPhone(const QString &text);
    QString getDoctorName();
    void setDoctorName(const QString &text);
    QString getInspectorName();
    void setInspectorName(const QString &text);
    QString getPdfSavepath();
    void setPdfSavepath(const QString &text);

    // Report form
    QString getPetOwner();
    void setPetOwner(const QString &text);
    QString getPetNum();
    void setPetNum(const QString &text);
    QString getPetOwnerTel();
    void setPetOwnerTel(const QString &text);
    QString getPetName();
    void setPetName(const QString &text);
    QString getPetType();
    void setPetType(const QString &text);
    QString getPetAge();
    void setPetAge(const QString &text);
    QString getPetSampleType();
    void setPetSampleType(const QString &text);
    QString getPetSymptom();
    void setPetSymptom(const QString &text);
    int getPetGender();
    void setPetGender(int gender);
    int getLogoPost();
    void setLogoPost(int post);

    // Update package
    QString getUpdatePackageVerInfo(int index);
    QString getUpdatePackageMd5Info(int index);
    QString getUpdatePackageProjectInfo(int index);
    QString getUpdatePackagePropertyInfo(int index);
    quint32 getUpdatePackageFileSizeInfo(int index);
    void setUpdatePackageInfo(int index, const QStringList &values);

private:
    friend class Singleton<SystemConfig>;
    explicit SystemConfig(QObject *parent = nullptr);

    // Unlocked helpers; callers hold m_mutex.
    QString readText(const QString &key);
    void writeValue(const QString &key, const QVariant &value);
    QString textOrDefault(const QString &key, const QString &fallback);
    void setText(const QString &key, const QString &value);
    QString otaText(const char *key, int index);

    QMutex m_mutex;
    QSettings m_settings;
};
