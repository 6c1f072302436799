#include "core/common.h"
#include "core/debuglog.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    DebugLog::install();
    DebugLog::getInstance()->removeOldFiles();
    Common::installFontSubstitutions();
    return 0;
}
