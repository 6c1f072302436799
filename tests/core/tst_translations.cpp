#include "app/appstartup.h"
#include "shell/appearance.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {
const QStringList kSuffixes{QStringLiteral("zh"),    QStringLiteral("en"),  QStringLiteral("sp"),
                            QStringLiteral("zh_jt"), QStringLiteral("por"), QStringLiteral("jp")};

struct Message {
    QString translation;
    bool unfinished = false;
};

// context + '\x1f' + source -> message, read from one translation source.
// A plural message counts as unfinished when any of its forms is empty.
QMap<QString, Message> readTs(const QString &path, QString *error)
{
    QMap<QString, Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            Message message;
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            message.unfinished = type == QLatin1String("unfinished");
            const bool obsolete = type == QLatin1String("obsolete") || type == QLatin1String("vanished");
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (!obsolete)
                messages.insert(context + QChar(0x1f) + source, message);
        }
    }
    if (xml.hasError())
        *error = path + QStringLiteral(": ") + xml.errorString();
    return messages;
}

QString describe(const QString &key)
{
    QString text = key;
    text.replace(QChar(0x1f), QStringLiteral(" | "));
    return text.left(80);
}
} // namespace

// Every text on screen is finished in all six languages, the six sources
// agree on what there is to translate, and the build stages loadable files.
class TstTranslations : public QObject
{
    Q_OBJECT

private slots:
    void sourcesAreComplete();
    void stagedFilesLoad();
    void stagedFilesTranslate();
};

void TstTranslations::sourcesAreComplete()
{
    const QString dir = QStringLiteral(VIREON_SOURCE_DIR "/resources/translations/");
    QMap<QString, QMap<QString, Message>> all;
    QSet<QString> keys;
    for (const QString &suffix : kSuffixes) {
        QString error;
        const auto messages = readTs(dir + QStringLiteral("VNX03_%1.ts").arg(suffix), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY2(messages.size() > 100, qPrintable(suffix));
        all.insert(suffix, messages);
        for (auto it = messages.cbegin(); it != messages.cend(); ++it)
            keys.insert(it.key());
    }
    QStringList faults;
    for (const QString &suffix : kSuffixes) {
        const auto &messages = all.value(suffix);
        for (const QString &key : keys) {
            const auto it = messages.constFind(key);
            if (it == messages.cend())
                faults << suffix + QStringLiteral(" missing: ") + describe(key);
            else if (it->unfinished)
                faults << suffix + QStringLiteral(" unfinished: ") + describe(key);
            else if (it->translation.trimmed().isEmpty())
                faults << suffix + QStringLiteral(" empty: ") + describe(key);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 20).join(QLatin1Char('\n'))));
}

void TstTranslations::stagedFilesLoad()
{
    for (int language = 0; language < kSuffixes.size(); ++language) {
        const QString file = Appearance::translationFile(language);
        QVERIFY2(file.endsWith(QStringLiteral("VNX03_%1.qm").arg(kSuffixes.at(language))), qPrintable(file));
        QTranslator translator;
        QVERIFY2(translator.load(file), qPrintable(file));
        QVERIFY2(!translator.isEmpty(), qPrintable(file));
    }
}

// A staged file holds what its source says: a sample of messages from each
// source comes back translated, so a stale or mixed-up file is caught.
void TstTranslations::stagedFilesTranslate()
{
    const QString dir = QStringLiteral(VIREON_SOURCE_DIR "/resources/translations/");
    for (int language = 0; language < kSuffixes.size(); ++language) {
        QString error;
        const auto messages = readTs(dir + QStringLiteral("VNX03_%1.ts").arg(kSuffixes.at(language)), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QTranslator translator;
        QVERIFY(translator.load(Appearance::translationFile(language)));
        int checked = 0;
        for (auto it = messages.cbegin(); it != messages.cend(); ++it) {
            const int split = it.key().indexOf(QChar(0x1f));
            const QByteArray context = it.key().left(split).toUtf8();
            const QByteArray source = it.key().mid(split + 1).toUtf8();
            // Plural and identical texts say nothing about which file this is.
            if (it->translation == it.key().mid(split + 1) || source.contains("%n"))
                continue;
            QCOMPARE(translator.translate(context.constData(), source.constData()), it->translation);
            ++checked;
        }
        // The source language translates few texts into anything else.
        QVERIFY2(checked > (language == 0 ? 0 : 20), qPrintable(kSuffixes.at(language)));
    }
}

VIREON_TEST_MAIN(TstTranslations)
#include "tst_translations.moc"
