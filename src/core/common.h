#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

#include "core/singleton.h"

// One IPv4 address of one local network adapter.
struct NetCartInfo {
    QString mac; // six bytes as lower-case hex joined by "-"
    QString ip;  // dotted IPv4
};

// Test-item (panel) codes stored in SampleInfoTable.PanelType.
enum PanelType {
    PANEL_CANINE_PARVOVIRUS = 1,
    PANEL_CANINE_DISTEMPER = 2,
    PANEL_CANINE_CORONAVIRUS = 3,
    PANEL_CANINE_ADENOVIRUS = 4,
    PANEL_CANINE_PARAINFLUENZA = 5,
    PANEL_FELINE_PANLEUKOPENIA = 6,
    PANEL_FELINE_HERPESVIRUS = 7,
    PANEL_FELINE_CALICIVIRUS = 8,
    PANEL_FELINE_CORONAVIRUS = 9,
    PANEL_FELINE_LEUKEMIA = 10,
    PANEL_FELINE_IMMUNODEFICIENCY = 11,
    PANEL_LEPTOSPIRA = 12,
    PANEL_BABESIA = 13,
    PANEL_EHRLICHIA = 14,
    PANEL_ANAPLASMA = 15,
    PANEL_MYCOPLASMA_HAEMOFELIS = 16,
    PANEL_GIARDIA = 17,
    PANEL_TOXOPLASMA = 18,
    PANEL_CHLAMYDIA_FELIS = 19,
    PANEL_BORDETELLA = 20,
    PANEL_DIROFILARIA = 21,
    PANEL_CHLAMYDIA_PSITTACI = 22,
};

// Program-wide helpers: version, date formats, language and test-item names,
// the PC's network adapters, and the font names the forms use.
class Common : public QObject
{
    Q_OBJECT
public:
    static Common *getInstance();

    QString getVersion() const;
    QString getDateFormatString(int index) const;
    QString getLanguageName(int index) const;
    QString getItemName(int code) const;
    static QList<int> itemCodes();
    void delayMs(int ms);

    // Frees and empties the list, then appends one new item per IPv4 address
    // of every adapter that is up. Loopback addresses are listed (last) only
    // with VIREON_LOOPBACK_ONLY=1. The caller owns the items.
    void get_local_net_cart_infos(QList<NetCartInfo *> *list);

    // Test seam: replaces the system's adapter list until reset with {}.
    using AdapterSource = std::function<QList<NetCartInfo>()>;
    static void setAdapterSource(AdapterSource source);

private:
    friend class Singleton<Common>;
    explicit Common(QObject *parent = nullptr);
    static QList<NetCartInfo> systemAdapters();
};
