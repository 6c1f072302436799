// demodb --out <path> --runs N --seed S [--done-rows N] [--not-done-rows N]
// Writes an encrypted application database filled with generated runs.
#include "database/demodatabuilder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

bool readInt(const QCommandLineParser &parser, const QString &name, int minimum, int *value)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const int v = parser.value(name).toInt(&ok);
    if (!ok || v < minimum) {
        QTextStream(stderr) << "demodb: --" << name << " needs a number >= " << minimum << "\n";
        return false;
    }
    *value = v;
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("VIREON_LOOPBACK_ONLY", "1");
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes a demo application database."));
    parser.addHelpOption();
    parser.addOption(
        {QStringLiteral("out"), QStringLiteral("Database file to write (replaced)."), QStringLiteral("path")});
    parser.addOption({QStringLiteral("runs"), QStringLiteral("Number of runs (default 40)."), QStringLiteral("n")});
    parser.addOption({QStringLiteral("seed"), QStringLiteral("Random seed (default 1)."), QStringLiteral("s")});
    parser.addOption({QStringLiteral("done-rows"), QStringLiteral("Exact number of done rows (overrides --runs)."),
                      QStringLiteral("n")});
    parser.addOption({QStringLiteral("not-done-rows"), QStringLiteral("Extra rows that are not done (default 0)."),
                      QStringLiteral("n")});
    parser.process(app);

    if (!parser.isSet(QStringLiteral("out"))) {
        QTextStream(stderr) << "demodb: --out is required\n";
        return 2;
    }
    DemoDataBuilder::Options options;
    options.runs = 40;
    int seed = 1;
    if (!readInt(parser, QStringLiteral("runs"), 0, &options.runs) ||
        !readInt(parser, QStringLiteral("seed"), 0, &seed) ||
        !readInt(parser, QStringLiteral("done-rows"), 0, &options.doneRows) ||
        !readInt(parser, QStringLiteral("not-done-rows"), 0, &options.notDoneRows))
        return 2;
    options.seed = static_cast<quint32>(seed);

    const QString out = parser.value(QStringLiteral("out"));
    QDir().mkpath(QFileInfo(out).absolutePath());
    const int rows = DemoDataBuilder::build(out, options);
    if (rows < 0) {
        QTextStream(stderr) << "demodb: could not write " << out << "\n";
        return 1;
    }
    QTextStream(stdout) << "demodb: wrote " << rows << " rows to " << out << "\n";
    return 0;
}
