#include "support/testenv.h"

#include "shell/widgets/messagedialog.h"
#include "update/httpfun.h"

#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QSettings>
#include <QTcpServer>
#include <QTextCodec>
#include <QTimer>
#include <QUdpSocket>

namespace {
TestEnv *g_env = nullptr;

QSettings *openIni()
{
    auto *s = new QSettings(QStringLiteral("./app/config/SystemConfig.ini"), QSettings::IniFormat);
    s->setIniCodec(QTextCodec::codecForName("UTF-8"));
    return s;
}
} // namespace

TestEnv::TestEnv()
{
    // Nothing a test does may reach beyond this machine.
    qputenv("VIREON_LOOPBACK_ONLY", "1");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("CUPS_SERVER"))
        qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
    // Nor may the program a test starts ask a demo update server on 8080.
    if (qEnvironmentVariableIsEmpty("VIREON_UPDATE_PORT"))
        qputenv("VIREON_UPDATE_PORT", "1");

    // A test that starts itself as a helper process (and may kill it) points
    // the helper's folder into its own, so nothing outlives the run.
    const QString root = qEnvironmentVariable("VIREON_TEST_WORKROOT", QDir::tempPath());
    m_dir = std::make_unique<QTemporaryDir>(root + QStringLiteral("/vireon-test-XXXXXX"));
    Q_ASSERT(m_dir->isValid());
    m_previousDir = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    QDir().mkpath(QStringLiteral("app/config"));
    stageAppFolder();
    seedIni(loopbackSettings());
    // Every main window asks the update server at once: tests point it at a
    // port nothing listens on (only root could), never at a demo server.
    HttpFun::setDefaultsForTesting(QStringLiteral("127.0.0.1"), 1, 60000);
    MessageDialog::setRecordShownTexts(true);
    g_env = this;
}

TestEnv::~TestEnv()
{
    g_env = nullptr;
    QDir::setCurrent(m_previousDir);
}

TestEnv *TestEnv::instance()
{
    return g_env;
}

QString TestEnv::workDir() const
{
    return m_dir->path();
}

QString TestEnv::path(const QString &relative) const
{
    return QDir(m_dir->path()).filePath(relative);
}

QMap<QString, QVariant> TestEnv::loopbackSettings()
{
    return {
        {QStringLiteral("NetConfig/HostAddress"), QStringLiteral("127.0.0.2")},
        {QStringLiteral("NetConfig/LocalIpAddr"), QStringLiteral("127.0.0.1")},
        {QStringLiteral("NetConfig/LocalMacAddr"), QStringLiteral("00-00-00-00-00-00")},
        {QStringLiteral("NetConfig/HostPort"), QStringLiteral("45454")},
    };
}

void TestEnv::seedIni(const QMap<QString, QVariant> &values)
{
    std::unique_ptr<QSettings> s(openIni());
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        s->setValue(it.key(), it.value());
    s->sync();
}

QVariant TestEnv::iniValue(const QString &key)
{
    std::unique_ptr<QSettings> s(openIni());
    return s->value(key);
}

bool TestEnv::iniContains(const QString &key)
{
    std::unique_ptr<QSettings> s(openIni());
    return s->contains(key);
}

QString TestEnv::toolPath(const QString &name)
{
    return QStringLiteral("%1/tools/%2/%2").arg(QStringLiteral(VIREON_BINARY_DIR), name);
}

quint16 TestEnv::freeUdpPort(const QString &address)
{
    QUdpSocket probe;
    probe.bind(QHostAddress(address), 0);
    return probe.localPort();
}

quint16 TestEnv::freeTcpPort(const QString &address)
{
    QTcpServer probe;
    probe.listen(QHostAddress(address), 0);
    return probe.serverPort();
}

QByteArray TestEnv::readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool TestEnv::writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray TestEnv::patternBytes(int size, quint32 seed)
{
    QByteArray out(size, Qt::Uninitialized);
    quint32 x = seed;
    for (int i = 0; i < size; ++i) {
        x = x * 1664525u + 1013904223u;
        out[i] = static_cast<char>(x >> 24);
    }
    return out;
}

void TestEnv::stageAppFolder()
{
    // Translations and log texts as the build staged them beside the program.
    const QString staged = QStringLiteral(VIREON_STAGED_APP_DIR);
    QDirIterator it(staged, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString rel = QDir(staged).relativeFilePath(src);
        const QString dst = QStringLiteral("app/") + rel;
        QDir().mkpath(QFileInfo(dst).path());
        QFile::copy(src, dst);
    }
}

void ModalAnswerer::answerNext(int result, QStringList *capturedTexts, int timeoutMs)
{
    auto *timer = new QTimer;
    auto *elapsed = new QElapsedTimer;
    elapsed->start();
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [=]() {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            if (elapsed->elapsed() > timeoutMs) {
                timer->stop();
                timer->deleteLater();
                delete elapsed;
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        delete elapsed;
        if (capturedTexts)
            *capturedTexts = labelTexts(modal);
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->done(result);
        else
            modal->close();
    });
    timer->start();
}

QStringList ModalAnswerer::labelTexts(QWidget *widget)
{
    QStringList texts;
    const auto labels = widget->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (!label->text().isEmpty())
            texts << label->text();
    }
    return texts;
}
