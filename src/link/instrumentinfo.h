#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QString>

// One instrument found by the discovery sweep.
struct InstrumentInfo {
    QString ip;      // dotted IPv4
    QByteArray name; // at most 20 bytes as the instrument sent them, 0xFF bytes left out
};

Q_DECLARE_METATYPE(InstrumentInfo)
Q_DECLARE_METATYPE(QList<InstrumentInfo>)
