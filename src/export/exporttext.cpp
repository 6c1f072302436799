#include "export/exporttext.h"

#include <QDateTime>

namespace {
bool isXmlChar(uint ch)
{
    if (ch < 0x20)
        return ch == 0x9 || ch == 0xA || ch == 0xD;
    if (ch <= 0xD7FF)
        return true;
    if (ch >= 0xE000 && ch <= 0xFFFD)
        return true;
    return ch >= 0x10000 && ch <= 0x10FFFF;
}

bool needsWork(ushort u)
{
    return u < 0x20 || u == '&' || u == '<' || u == '>' || u == '"' || (u >= 0xD800 && u <= 0xDFFF) || u >= 0xFFFE;
}

// Escaped copy with the disallowed characters left out; a lone surrogate
// half counts as disallowed.
QString cleaned(const QString &text)
{
    QString out;
    out.reserve(text.size() + 16);
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        uint ch = c.unicode();
        if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
            continue;
        }
        if (c.isSurrogate() || !isXmlChar(ch))
            continue;
        switch (ch) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '"':
            out += QLatin1String("&quot;");
            break;
        // As references, so that attribute values and line ends keep them.
        case '\t':
            out += QLatin1String("&#9;");
            break;
        case '\n':
            out += QLatin1String("&#10;");
            break;
        case '\r':
            out += QLatin1String("&#13;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool plain(const QString &text)
{
    const ushort *u = text.utf16();
    for (int i = 0, n = text.size(); i < n; ++i) {
        if (needsWork(u[i]))
            return false;
    }
    return true;
}
} // namespace

QStringList ExportText::split(const QString &packed, const QString &separator)
{
    return packed.split(separator, Qt::KeepEmptyParts, Qt::CaseSensitive);
}

QString ExportText::cell(QString text)
{
    return text.replace(QLatin1Char(';'), QChar(0xFF1B)).replace(QLatin1Char('|'), QChar(0xFF5C));
}

void ExportText::appendXml(QByteArray &out, const QString &text)
{
    appendXml(out, text.constData(), text.size());
}

// One pass from UTF-16 to escaped UTF-8, straight into out: a workbook holds
// millions of short cells, so no temporary string is made per cell.
void ExportText::appendXml(QByteArray &out, const QChar *text, int length)
{
    const int old = out.size();
    out.resize(old + 6 * length); // "&quot;" is the longest form of one unit
    char *d = out.data() + old;
    char *const begin = d;
    const ushort *u = reinterpret_cast<const ushort *>(text);
    for (int i = 0; i < length; ++i) {
        const ushort ch = u[i];
        if (ch < 0x80) {
            if (!needsWork(ch)) {
                *d++ = char(ch);
                continue;
            }
            const char *ref = nullptr;
            switch (ch) {
            case '&':
                ref = "&amp;";
                break;
            case '<':
                ref = "&lt;";
                break;
            case '>':
                ref = "&gt;";
                break;
            case '"':
                ref = "&quot;";
                break;
            case '\t':
                ref = "&#9;";
                break;
            case '\n':
                ref = "&#10;";
                break;
            case '\r':
                ref = "&#13;";
                break;
            default:
                break; // other control characters are not XML
            }
            for (; ref && *ref; ++ref)
                *d++ = *ref;
        } else if (ch < 0x800) {
            *d++ = char(0xC0 | (ch >> 6));
            *d++ = char(0x80 | (ch & 0x3F));
        } else if (QChar::isHighSurrogate(ch)) {
            if (i + 1 < length && QChar::isLowSurrogate(u[i + 1])) {
                const uint cp = QChar::surrogateToUcs4(ch, u[++i]);
                *d++ = char(0xF0 | (cp >> 18));
                *d++ = char(0x80 | ((cp >> 12) & 0x3F));
                *d++ = char(0x80 | ((cp >> 6) & 0x3F));
                *d++ = char(0x80 | (cp & 0x3F));
            }
        } else if (QChar::isLowSurrogate(ch) || ch >= 0xFFFE) {
            continue;
        } else {
            *d++ = char(0xE0 | (ch >> 12));
            *d++ = char(0x80 | ((ch >> 6) & 0x3F));
            *d++ = char(0x80 | (ch & 0x3F));
        }
    }
    out.resize(old + int(d - begin));
}

QString ExportText::xml(const QString &text)
{
    return plain(text) ? text : cleaned(text);
}

QString ExportText::html(const QString &text)
{
    return xml(text);
}

bool ExportText::isHit(const QStringList &cells, int column, const QString &type, const QString &value,
                       bool allowContains)
{
    if (column < 0 || column >= cells.size())
        return false;
    const QString &cell = cells.at(column);
    if (type == QLatin1String("=="))
        return cell == value;
    if (type == QLatin1String("!="))
        return cell != value;
    if (type == QLatin1String(">"))
        return value < cell;
    if (type == QLatin1String(">="))
        return !(cell < value);
    if (type == QLatin1String("<"))
        return cell < value;
    if (type == QLatin1String("<="))
        return !(value < cell);
    if (allowContains && type == QLatin1String("contains"))
        return cell.indexOf(value, 0, Qt::CaseSensitive) >= 0;
    return false;
}

QString ExportText::fileStamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
}
