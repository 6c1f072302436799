#include "app/appstartup.h"
#include "shell/appearance.h"
#include "support/testenv.h"

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
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            const Message message{xml.readElementText(QXmlStreamReader::IncludeChildElements),
                                  type == QLatin1String("unfinished")};
            if (type != QLatin1String("obsolete") && type != QLatin1String("vanished"))
                messages.insert(context + QChar(0x1f) + source, message);
        }
    }
    if (xml.hasError())
        *error = path + QStringLiteral(": ") + xml.errorString();
    return messages;
}
} // namespace

// Every text on screen is finished in all six languages, the six sources
// agree on what there is to translate, and the build stages, for each
// language, the file its source makes.
class TstTranslations : public QObject
{
    Q_OBJECT

private slots:
    void sourcesCompleteAndStaged()
    {
        const QString dir = QStringLiteral(VIREON_SOURCE_DIR "/resources/translations/");
        QList<QMap<QString, Message>> all;
        QSet<QString> keys;
        for (int language = 0; language < kSuffixes.size(); ++language) {
            QString error;
            all << readTs(dir + QStringLiteral("VNX03_%1.ts").arg(kSuffixes.at(language)), &error);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QVERIFY2(all.last().size() > 100, qPrintable(kSuffixes.at(language)));
            for (auto it = all.last().cbegin(); it != all.last().cend(); ++it)
                keys.insert(it.key());

            // The staged file holds what its source says: a stale or mixed-up file is caught.
            const QString file = Appearance::translationFile(language);
            QVERIFY2(file.endsWith(QStringLiteral("VNX03_%1.qm").arg(kSuffixes.at(language))), qPrintable(file));
            QTranslator translator;
            QVERIFY2(translator.load(file), qPrintable(file));
            int checked = 0;
            for (auto it = all.last().cbegin(); it != all.last().cend(); ++it) {
                const int split = it.key().indexOf(QChar(0x1f));
                const QByteArray source = it.key().mid(split + 1).toUtf8();
                // Plural and identical texts say nothing about which file this is.
                if (it->translation == it.key().mid(split + 1) || source.contains("%n"))
                    continue;
                QCOMPARE(translator.translate(it.key().left(split).toUtf8().constData(), source.constData()),
                         it->translation);
                ++checked;
            }
            // The source language translates few texts into anything else.
            QVERIFY2(checked > (language == 0 ? 0 : 20), qPrintable(kSuffixes.at(language)));
        }
        QStringList faults;
        for (int language = 0; language < kSuffixes.size(); ++language) {
            for (const QString &key : keys) {
                const auto it = all.at(language).constFind(key);
                const QString fault = it == all.at(language).cend()         ? "missing"
                                      : it->unfinished                      ? "unfinished"
                                      : it->translation.trimmed().isEmpty() ? "empty"
                                                                            : "";
                if (!fault.isEmpty())
                    faults << kSuffixes.at(language) + " " + fault + ": " +
                                  QString(key).replace(QChar(0x1f), " | ").left(80);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 20).join(QLatin1Char('\n'))));
    }
};

VIREON_TEST_MAIN(TstTranslations)
#include "tst_translations.moc"
