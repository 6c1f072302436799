#include "shell/appearance.h"

#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QPalette>

namespace {
QString firstInstalledFamily(const QStringList &candidates, const QStringList &families)
{
    for (const QString &c : candidates) {
        if (families.contains(c, Qt::CaseInsensitive))
            return c;
    }
    return QString();
}
} // namespace

int Appearance::sizeIndex(int fontSize)
{
    const int size = fontSize & 0xff;
    return size == 0 || size == 2 ? size : 1;
}

QString Appearance::styleSheetResource(int fontSize)
{
    switch (sizeIndex(fontSize)) {
    case 0:
        return QStringLiteral(":/qss/app-small.css");
    case 2:
        return QStringLiteral(":/qss/app-max.css");
    default:
        return QStringLiteral(":/qss/app.css");
    }
}

QString Appearance::readStyleSheet(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "ERR: cannot open style sheet" << file.fileName();
        return QString();
    }
    // The sheets are ASCII today; read as UTF-8 so a non-ASCII character
    // (a quoted font family, say) never turns into mojibake.
    return QString::fromUtf8(file.readAll());
}

void Appearance::applyStyle(int fontSize)
{
    qApp->setStyleSheet(readStyleSheet(styleSheetResource(fontSize)));
    qApp->setPalette(QPalette(QColor(QStringLiteral("#F0F0F0"))));
}

QString Appearance::translationFile(int language)
{
    QString suffix;
    switch (language) {
    case 1:
        suffix = QStringLiteral("en");
        break;
    case 2:
        suffix = QStringLiteral("sp");
        break;
    case 3:
        suffix = QStringLiteral("zh_jt");
        break;
    case 4:
        suffix = QStringLiteral("por");
        break;
    case 5:
        suffix = QStringLiteral("jp");
        break;
    default:
        suffix = QStringLiteral("zh");
        break;
    }
    return QStringLiteral("%1/lan/VNX03_%2.qm").arg(QStringLiteral("./app"), suffix);
}

void Appearance::installFontSubstitutions()
{
    const QStringList families = QFontDatabase().families();
    const QString cjk = firstInstalledFamily(
        {"Noto Sans CJK TC", "Noto Sans CJK SC", "Noto Sans CJK JP", "WenQuanYi Micro Hei", "Droid Sans Fallback"},
        families);
    const QString latin = firstInstalledFamily({"Noto Sans", "DejaVu Sans", "Liberation Sans"}, families);
    if (!cjk.isEmpty())
        QFont::insertSubstitution(QStringLiteral("Microsoft YaHei"), cjk);
    if (!latin.isEmpty())
        QFont::insertSubstitution(QStringLiteral("Segoe UI"), latin);
    else if (!cjk.isEmpty())
        QFont::insertSubstitution(QStringLiteral("Segoe UI"), cjk);
}
