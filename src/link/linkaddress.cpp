#include "link/linkaddress.h"

#include "core/lograte.h"

#include <QDebug>
#include <QStringList>

#include <atomic>

namespace {
std::atomic<int> g_refusals{0};

bool parseOctet(const QString &part, quint32 *value)
{
    if (part.isEmpty() || part.size() > 3)
        return false;
    if (part.size() > 1 && part.at(0) == QLatin1Char('0'))
        return false; // "010" is octal to some parsers and decimal to others
    quint32 v = 0;
    for (QChar c : part) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        v = v * 10 + static_cast<quint32>(c.unicode() - '0');
    }
    if (v > 255)
        return false;
    *value = v;
    return true;
}
} // namespace

bool LinkAddress::parseIpv4(const QString &text, quint32 *address)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    quint32 result = 0;
    for (const QString &part : parts) {
        quint32 octet = 0;
        if (!parseOctet(part, &octet))
            return false;
        result = (result << 8) | octet;
    }
    if (address)
        *address = result;
    return true;
}

QHostAddress LinkAddress::fromText(const QString &text)
{
    quint32 value = 0;
    if (!parseIpv4(text, &value)) {
        qDebug().noquote() << Q_FUNC_INFO << "refused address" << text;
        return QHostAddress();
    }
    return QHostAddress(value);
}

bool LinkAddress::loopbackOnly()
{
    return qEnvironmentVariableIntValue("VIREON_LOOPBACK_ONLY") == 1;
}

bool LinkAddress::allowed(const QHostAddress &address, const char *action, LogRateLimiter *log)
{
    if (!loopbackOnly() || address.isLoopback())
        return true;
    ++g_refusals;
    const QString line = QStringLiteral("%1 loopback guard refused to %2 %3")
                             .arg(QString::fromLatin1(Q_FUNC_INFO), QString::fromLatin1(action), address.toString());
    if (log)
        log->debug(line);
    else
        qDebug().noquote() << line;
    return false;
}

int LinkAddress::refusalCount()
{
    return g_refusals.load();
}

QString LinkAddress::chooseLocal(const QString &configuredIp, const QString &configuredMac,
                                 const QList<NetCartInfo> &adapters)
{
    if (adapters.isEmpty())
        return QString();
    quint32 wanted = 0;
    if (parseIpv4(configuredIp, &wanted)) {
        for (const NetCartInfo &info : adapters) {
            quint32 have = 0;
            if (parseIpv4(info.ip, &have) && have == wanted)
                return info.ip;
        }
    }
    // The all-zero MAC is the stored default and also what adapters without
    // a hardware address report: it names no adapter.
    QString mac = configuredMac.trimmed();
    mac.remove(QLatin1Char('-')).remove(QLatin1Char(':'));
    const bool macNamesAdapter = !mac.isEmpty() && mac.count(QLatin1Char('0')) != mac.size();
    QString byMac;
    for (const NetCartInfo &info : adapters) {
        if (macNamesAdapter && info.mac.compare(configuredMac, Qt::CaseInsensitive) == 0)
            byMac = info.ip;
    }
    return byMac.isEmpty() ? adapters.first().ip : byMac;
}

QList<NetCartInfo> LinkAddress::currentAdapters()
{
    QList<NetCartInfo *> owned;
    Common::getInstance()->get_local_net_cart_infos(&owned);
    QList<NetCartInfo> adapters;
    for (NetCartInfo *info : owned)
        adapters.append(*info);
    qDeleteAll(owned);
    return adapters;
}
