#include "support/testenv.h"

#include "shell/widgets/messagedialog.h"
#include "update/httpfun.h"

#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QTextCodec>
#include <QTimer>

#include <cerrno>
#include <cstring>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
TestEnv *g_env = nullptr;

// The settings' instrument: a port held on this address, never answered.
const char kSilentInstrument[] = "127.0.0.2";

QSettings *openIni()
{
    auto *s = new QSettings(QStringLiteral("./app/config/SystemConfig.ini"), QSettings::IniFormat);
    s->setIniCodec(QTextCodec::codecForName("UTF-8"));
    return s;
}
} // namespace

HeldPort::HeldPort(Kind kind, const QString &address, quint16 port)
{
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(port);
    if (inet_pton(AF_INET, address.toLatin1().constData(), &where.sin_addr) != 1) {
        qWarning() << "HeldPort: not an IPv4 address" << address;
        return;
    }
    m_fd = ::socket(AF_INET, (kind == Udp ? SOCK_DGRAM : SOCK_STREAM) | SOCK_CLOEXEC, 0);
    if (m_fd < 0)
        return;
    const int on = 1;
    if (kind == TcpBeside)
        ::setsockopt(m_fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    socklen_t length = sizeof where;
    if (::bind(m_fd, reinterpret_cast<sockaddr *>(&where), sizeof where) != 0 ||
        ::getsockname(m_fd, reinterpret_cast<sockaddr *>(&where), &length) != 0) {
        qWarning() << "HeldPort: cannot hold" << address << port << strerror(errno);
        release();
        return;
    }
    m_port = ntohs(where.sin_port);
}

void HeldPort::release()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

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

#ifdef Q_OS_LINUX
    // A copy must not outlive the test that started it (a timeout kills that).
    if (isWorkDirCopy())
        prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
    // A test that starts itself as a helper process (and may kill it) points
    // the helper's folder into its own, so nothing outlives the run.
    const QString root = qEnvironmentVariable("VIREON_TEST_WORKROOT", QDir::tempPath());
    m_dir = std::make_unique<QTemporaryDir>(root + QStringLiteral("/vireon-test-XXXXXX"));
    Q_ASSERT(m_dir->isValid());
    m_previousDir = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    QDir().mkpath(QStringLiteral("app/config"));
    stageAppFolder();
    // Not the demo's instrument, nor one another test run could answer for.
    m_silentInstrument = std::make_unique<HeldPort>(HeldPort::Udp, QString::fromLatin1(kSilentInstrument));
    if (!m_silentInstrument->isHeld())
        qFatal("no UDP port can be held on %s", kSilentInstrument);
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

QMap<QString, QVariant> TestEnv::loopbackSettings() const
{
    return {
        {QStringLiteral("NetConfig/HostAddress"), QString::fromLatin1(kSilentInstrument)},
        {QStringLiteral("NetConfig/LocalIpAddr"), QStringLiteral("127.0.0.1")},
        {QStringLiteral("NetConfig/LocalMacAddr"), QStringLiteral("00-00-00-00-00-00")},
        {QStringLiteral("NetConfig/HostPort"), QString::number(m_silentInstrument->port())},
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
    return std::unique_ptr<QSettings>(openIni())->value(key);
}

bool TestEnv::iniContains(const QString &key)
{
    return std::unique_ptr<QSettings>(openIni())->contains(key);
}

bool TestEnv::isWorkDirCopy()
{
    return qEnvironmentVariableIsSet("VIREON_TEST_COPY");
}

int TestEnv::runWorkDirCopy() const
{
    const QString original = QCoreApplication::applicationFilePath();
    const QString copy = path(QFileInfo(original).fileName());
    if (!QFile::copy(original, copy)) {
        qWarning() << "cannot copy" << original << "to" << copy;
        return 1;
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VIREON_TEST_COPY"), QStringLiteral("1"));
    // The copy's own working folder lies inside this one: gone with it.
    env.insert(QStringLiteral("VIREON_TEST_WORKROOT"), workDir());
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(copy, QCoreApplication::arguments().mid(1));
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit) {
        qWarning() << "the copy" << copy << "did not end normally" << process.errorString();
        return 1;
    }
    return process.exitCode();
}

QString TestEnv::toolPath(const QString &name)
{
    return QStringLiteral("%1/tools/%2/%2").arg(QStringLiteral(VIREON_BINARY_DIR), name);
}

quint16 TestEnv::startFakeInstrument(QProcess &fake, const QStringList &args)
{
    fake.setProcessChannelMode(QProcess::MergedChannels);
    fake.start(toolPath(QStringLiteral("fake_instrument")), args);
    if (!fake.waitForStarted())
        return 0;
    QByteArray seen;
    const bool answered = QTest::qWaitFor(
        [&]() { return (seen += fake.readAll()).contains('\n') || fake.state() == QProcess::NotRunning; }, 10000);
    // "READY <address>:<port>"
    const int ready = seen.indexOf("READY ");
    if (!answered || ready < 0 || fake.state() != QProcess::Running) {
        qWarning().noquote() << "fake instrument not ready:" << seen;
        return 0;
    }
    const int end = seen.indexOf('\n', ready);
    const QByteArray line = seen.mid(ready, end - ready).trimmed();
    return static_cast<quint16>(line.mid(line.lastIndexOf(':') + 1).toUInt());
}

quint16 TestEnv::startTool(QProcess &tool, const QString &name, const QStringList &args)
{
    tool.start(toolPath(name), args);
    QByteArray out;
    while (tool.waitForReadyRead(10000) || tool.bytesAvailable()) {
        out += tool.readAllStandardOutput();
        const int at = out.indexOf("READY 127.0.0.1:");
        const int end = out.indexOf('\n', at);
        if (at >= 0 && end > at)
            return quint16(out.mid(at + 16, end - at - 16).toUInt());
    }
    return 0;
}

bool TestEnv::waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, [&]() {
        if (done())
            loop.quit();
    });
    check.start(2);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
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

QStringList TestEnv::writeFiles(const QString &folder, const QStringList &names)
{
    QStringList unwritten;
    for (const QString &name : names) {
        if (!writeFile(QDir(folder).filePath(name), "x"))
            unwritten << name;
    }
    return unwritten;
}

QStringList TestEnv::existingFiles(const QString &folder, const QStringList &names)
{
    QStringList existing;
    for (const QString &name : names) {
        if (QFile::exists(QDir(folder).filePath(name)))
            existing << name;
    }
    return existing;
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
        const QString dst = QStringLiteral("app/") + QDir(staged).relativeFilePath(src);
        QDir().mkpath(QFileInfo(dst).path());
        QFile::copy(src, dst);
    }
}

void ModalAnswerer::answerNext(int result, QStringList *capturedTexts, int timeoutMs)
{
    // Owned by the application: an answer no dialog took is still waiting when
    // the test ends, and its timer is freed with the application.
    auto *timer = new QTimer(qApp);
    const QDeadlineTimer deadline(timeoutMs);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [=]() {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal && !deadline.hasExpired())
            return;
        timer->stop();
        timer->deleteLater();
        if (!modal)
            return;
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
