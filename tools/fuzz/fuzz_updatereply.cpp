// Fuzzes the judge of the update server's version answer: no crash and no
// exception on any bytes, only the codes the client knows, and an accepted
// answer always carries the eight package strings.
#include <cstdint>
#include <cstdlib>

#include "update/updateprotocol.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray answer(reinterpret_cast<const char *>(data), static_cast<int>(size));
    QStringList info;
    const int code =
        UpdateProtocol::judgeVersionAnswer(answer, QStringLiteral("1234567890"), QStringLiteral("v1.0.33"), &info);
    switch (code) {
    case UpdateProtocol::Code_Ok:
        if (info.size() != UpdateProtocol::kPackageInfoCount)
            std::abort();
        if (UpdateProtocol::versionNumber(info.at(0).mid(1)) <= UpdateProtocol::versionNumber(QStringLiteral("1.0.33")))
            std::abort();
        break;
    case UpdateProtocol::Code_ServerCmdErr:
    case UpdateProtocol::Code_JsonErr:
    case UpdateProtocol::Code_WrongAnswer:
    case UpdateProtocol::Code_NoUpdate:
    case UpdateProtocol::Code_Latest:
        if (!info.isEmpty())
            std::abort();
        break;
    default:
        std::abort();
    }
    return 0;
}
