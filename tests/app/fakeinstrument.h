#pragma once

#include "support/testenv.h"

#include <QProcess>

// Starts the fake instrument on 127.0.0.2; true once it reports READY.
inline bool startFakeInstrument(QProcess &fake, quint16 port, const QStringList &moreArguments = {})
{
    fake.setProcessChannelMode(QProcess::MergedChannels);
    fake.start(TestEnv::toolPath(QStringLiteral("fake_instrument")),
               QStringList{"--address", "127.0.0.2", "--port", QString::number(port)} + moreArguments);
    QByteArray output;
    const auto readyOrGone = [&]() {
        output += fake.readAll();
        return output.contains("READY") || fake.state() == QProcess::NotRunning;
    };
    return fake.waitForStarted() && QTest::qWaitFor(readyOrGone, 10000) && fake.state() == QProcess::Running;
}

inline void stopProcess(QProcess &process)
{
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
    }
}
