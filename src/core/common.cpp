#include "core/common.h"

#include <QDebug>
#include <QEventLoop>
#include <QMutex>
#include <QNetworkInterface>
#include <QTimer>

namespace {

struct ItemName {
    int code;
    const char *name;
};

// Source texts are translated in the context "Common".
const ItemName kItemNames[] = {
    {PANEL_CANINE_PARVOVIRUS, QT_TRANSLATE_NOOP("Common", "犬細小病毒")},
    {PANEL_CANINE_DISTEMPER, QT_TRANSLATE_NOOP("Common", "犬瘟熱病毒")},
    {PANEL_CANINE_CORONAVIRUS, QT_TRANSLATE_NOOP("Common", "犬冠狀病毒")},
    {PANEL_CANINE_ADENOVIRUS, QT_TRANSLATE_NOOP("Common", "犬腺病毒")},
    {PANEL_CANINE_PARAINFLUENZA, QT_TRANSLATE_NOOP("Common", "犬副流感病毒")},
    {PANEL_FELINE_PANLEUKOPENIA, QT_TRANSLATE_NOOP("Common", "貓泛白血球減少症病毒")},
    {PANEL_FELINE_HERPESVIRUS, QT_TRANSLATE_NOOP("Common", "貓疱疹病毒")},
    {PANEL_FELINE_CALICIVIRUS, QT_TRANSLATE_NOOP("Common", "貓杯狀病毒")},
    {PANEL_FELINE_CORONAVIRUS, QT_TRANSLATE_NOOP("Common", "貓冠狀病毒")},
    {PANEL_FELINE_LEUKEMIA, QT_TRANSLATE_NOOP("Common", "貓白血病病毒")},
    {PANEL_FELINE_IMMUNODEFICIENCY, QT_TRANSLATE_NOOP("Common", "貓免疫缺陷病毒")},
    {PANEL_LEPTOSPIRA, QT_TRANSLATE_NOOP("Common", "鉤端螺旋體")},
    {PANEL_BABESIA, QT_TRANSLATE_NOOP("Common", "巴貝斯蟲")},
    {PANEL_EHRLICHIA, QT_TRANSLATE_NOOP("Common", "艾利希體")},
    {PANEL_ANAPLASMA, QT_TRANSLATE_NOOP("Common", "無形體")},
    {PANEL_MYCOPLASMA_HAEMOFELIS, QT_TRANSLATE_NOOP("Common", "貓血支原體")},
    {PANEL_GIARDIA, QT_TRANSLATE_NOOP("Common", "賈第鞭毛蟲")},
    {PANEL_TOXOPLASMA, QT_TRANSLATE_NOOP("Common", "弓形蟲")},
    {PANEL_CHLAMYDIA_FELIS, QT_TRANSLATE_NOOP("Common", "貓衣原體")},
    {PANEL_BORDETELLA, QT_TRANSLATE_NOOP("Common", "支氣管敗血性博德氏菌")},
    {PANEL_DIROFILARIA, QT_TRANSLATE_NOOP("Common", "犬心絲蟲")},
    {PANEL_CHLAMYDIA_PSITTACI, QT_TRANSLATE_NOOP("Common", "鸚鵡熱衣原體")},
};

QMutex g_adapterMutex;
Common::AdapterSource g_adapterSource;

QString formatMac(const QString &hardwareAddress)
{
    QStringList bytes = hardwareAddress.split(QLatin1Char(':'));
    if (bytes.size() != 6)
        bytes = QStringList{"00", "00", "00", "00", "00", "00"};
    return QStringLiteral("%1-%2-%3-%4-%5-%6")
        .arg(bytes[0].toLower(), bytes[1].toLower(), bytes[2].toLower(), bytes[3].toLower(), bytes[4].toLower(),
             bytes[5].toLower());
}

} // namespace

Common *Common::getInstance()
{
    return Singleton<Common>::instance();
}

Common::Common(QObject *parent)
    : QObject(parent)
{
}

QString Common::getVersion() const
{
    return QStringLiteral("v1.0.33");
}

QString Common::getDateFormatString(int index) const
{
    switch (index) {
    case 1:
        return QStringLiteral("yyyy/MM/dd");
    case 2:
        return QStringLiteral("MM-dd-yyyy");
    case 3:
        return QStringLiteral("MM/dd/yyyy");
    case 4:
        return QStringLiteral("dd-MM-yyyy");
    case 5:
        return QStringLiteral("dd/MM/yyyy");
    default:
        return QStringLiteral("yyyy-MM-dd");
    }
}

QString Common::getLanguageName(int index) const
{
    switch (index) {
    case 0:
        return tr("繁體中文");
    case 1:
        return tr("English");
    case 2:
        return tr("Español");
    case 3:
        return QStringLiteral("简体中文");
    case 4:
        return tr("Português");
    case 5:
        return tr("日本語");
    default:
        return QString();
    }
}

QString Common::getItemName(int code) const
{
    for (const ItemName &item : kItemNames) {
        if (item.code == code)
            return tr(item.name);
    }
    return QString();
}

QList<int> Common::itemCodes()
{
    QList<int> codes;
    for (const ItemName &item : kItemNames)
        codes.append(item.code);
    return codes;
}

void Common::delayMs(int ms)
{
    // A nested event loop keeps the GUI alive without spinning the CPU.
    QEventLoop loop;
    QTimer::singleShot(qMax(0, ms) + 1, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::AllEvents);
}

void Common::setAdapterSource(AdapterSource source)
{
    QMutexLocker lock(&g_adapterMutex);
    g_adapterSource = std::move(source);
}

QList<NetCartInfo> Common::systemAdapters()
{
    QList<NetCartInfo> adapters;
    QList<NetCartInfo> loopback;
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &iface : interfaces) {
        if (!(iface.flags() & QNetworkInterface::IsUp))
            continue;
        const bool isLoopback = iface.flags() & QNetworkInterface::IsLoopBack;
        const QString mac = formatMac(iface.hardwareAddress());
        for (const QNetworkAddressEntry &entry : iface.addressEntries()) {
            const QHostAddress ip = entry.ip();
            if (ip.protocol() != QAbstractSocket::IPv4Protocol || ip.toIPv4Address() == 0)
                continue;
            (isLoopback ? loopback : adapters).append(NetCartInfo{mac, ip.toString()});
        }
    }
    return adapters + loopback;
}

void Common::get_local_net_cart_infos(QList<NetCartInfo *> *list)
{
    if (!list)
        return;
    qDeleteAll(*list);
    list->clear();

    AdapterSource source;
    {
        QMutexLocker lock(&g_adapterMutex);
        source = g_adapterSource;
    }
    const QList<NetCartInfo> adapters = source ? source() : systemAdapters();
    // The instrument is never reached through loopback, and a loopback entry
    // would be picked by default (its MAC is the stored default). Only the
    // loopback-only runs (tests and the demo) talk over it.
    const bool loopbackWanted = qEnvironmentVariableIntValue("VIREON_LOOPBACK_ONLY") == 1;
    for (const NetCartInfo &info : adapters) {
        if (info.ip.isEmpty() || info.ip == QLatin1String("0.0.0.0"))
            continue;
        if (!loopbackWanted && QHostAddress(info.ip).isLoopback())
            continue;
        qDebug() << "get_local_net_cart_infos" << info.mac << info.ip;
        list->append(new NetCartInfo(info));
    }
}
