#pragma once

#include <QHostAddress>
#include <QList>
#include <QString>

#include "core/common.h"

class LogRateLimiter;

// IPv4 address handling of the instrument link, and the loopback guard.
//
// Addresses are taken only as four plain decimal octets: QHostAddress alone
// would read "192.168.010.5" as 192.168.8.5 and "192.168.3" as 192.168.0.3.
//
// With VIREON_LOOPBACK_ONLY=1 in the environment the link sends to, binds to,
// listens on and accepts from loopback addresses only; every refusal is logged
// and counted.
class LinkAddress
{
public:
    // "a.b.c.d", each part 1 to 3 decimal digits, 0 to 255, no leading zero.
    static bool parseIpv4(const QString &text, quint32 *address);
    static QHostAddress fromText(const QString &text); // null address when refused

    static bool loopbackOnly();
    // False (logged, counted) when the guard is on and the address is not
    // loopback; the line goes through log when one is given.
    static bool allowed(const QHostAddress &address, const char *action, LogRateLimiter *log = nullptr);
    static int refusalCount();

    // The PC's address for talking to the instrument: the configured address
    // when a current adapter has it, else the last address of the adapter with
    // the configured MAC (the all-zero MAC names none), else the first
    // adapter's address; empty when none.
    static QString chooseLocal(const QString &configuredIp, const QString &configuredMac,
                               const QList<NetCartInfo> &adapters);
    static QList<NetCartInfo> currentAdapters();
};
