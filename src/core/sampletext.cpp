#include "core/sampletext.h"

QString SampleText::resultMark(int code)
{
    switch (code) {
    case 0:
        return tr("++");
    case 1:
        return tr("-");
    case 2:
        return tr("+");
    case 3:
        return tr("+++");
    case 4:
        return tr("*");
    case 5:
        return tr("Invalid");
    default:
        return QString();
    }
}

int SampleText::wellNumber(const QString &pieId)
{
    bool ok = false;
    int p = pieId.toInt(&ok, 10);
    if (!ok)
        p = 0;
    return p + 1 <= 8 ? p + 1 : p - 7;
}

QString SampleText::ctText(double ct)
{
    if (ct == 41.0)
        return QStringLiteral("0");
    return QString::number(ct, 'g', 6);
}
