#include "update/httpfun.h"

#include "core/common.h"
#include "core/messageids.h"
#include "core/singleton.h"
#include "core/systemconfig.h"
#include "link/linkaddress.h"
#include "update/updateprotocol.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkRequest>
#include <QTimer>

#ifndef VIREON_UPDATE_SERVER
#define VIREON_UPDATE_SERVER "127.0.0.1"
#endif

namespace {
struct Defaults {
    QString host = QStringLiteral(VIREON_UPDATE_SERVER);
    quint16 port = 8080;
    int timeoutMs = 60000;
};
// Under the loopback guard (tests, the demo) VIREON_UPDATE_PORT moves the
// update server to another loopback port, so that a program started as a
// child process never meets a demo server that happens to run on 8080.
Defaults initialDefaults()
{
    Defaults d;
    bool ok = false;
    const int port = qEnvironmentVariableIntValue("VIREON_UPDATE_PORT", &ok);
    if (ok && port > 0 && port <= 65535 && LinkAddress::loopbackOnly())
        d.port = static_cast<quint16>(port);
    return d;
}

Defaults &defaults()
{
    static Defaults d = initialDefaults();
    return d;
}

constexpr int kMaxRetries = 2;
// A download must bring at least this much within each time limit: a server
// that drips a byte now and then would otherwise hold the page for ever.
constexpr qint64 kMinBytesPerLimit = 1024;
// After its first time limit a download must also keep an average of 1 KiB/s
// since it started (60 KiB per limit of 60 s; a shorter limit asks the same
// per limit): a steady trickle just over the rule above would otherwise take
// days for a package of a few MiB.
constexpr qint64 kMinAverageBytesPerLimit = 60 * 1024;
constexpr qint64 kHashBlock = 1048576;
// A version answer is a few hundred bytes; anything far larger is refused
// before it can fill the memory.
constexpr qint64 kMaxVersionAnswer = 64 * 1024;
// The network stack stops reading once this much waits unread: one byte over
// the cap, so a full buffer is itself the sign of an answer too large.
constexpr qint64 kVersionReadBuffer = kMaxVersionAnswer + 1;
// The download is written out as it comes; this is what may wait in memory
// meanwhile, enough for the stack to keep the socket drained.
constexpr qint64 kDownloadReadBuffer = 1024 * 1024;

// Bounds what the network stack holds of a reply. Set at once and again from
// the event loop: a POST starts its transfer only from the event loop, and a
// limit set before that start never reaches the stack's own thread, which
// then reads on at the network's pace.
void boundReadBuffer(QNetworkReply *reply, qint64 size)
{
    reply->setReadBufferSize(size);
    QMetaObject::invokeMethod(
        reply, [reply, size]() { reply->setReadBufferSize(size); }, Qt::QueuedConnection);
}

// The POST body as a device the network stack cannot rewind. The stack
// would otherwise send the request again on its own when the server closes
// a connection before answering, behind the client's own count of tries.
// (Not a QBuffer: the stack would copy a buffer's bytes and rewind those.)
class OneShotBody : public QIODevice
{
public:
    explicit OneShotBody(const QByteArray &bytes)
        : m_bytes(bytes)
    {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return m_bytes.size() - m_pos + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 n = qMin(maxSize, qint64(m_bytes.size()) - m_pos);
        memcpy(data, m_bytes.constData() + m_pos, size_t(n));
        m_pos += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    const QByteArray m_bytes;
    qint64 m_pos = 0;
};

// A resend the stack could not make means the server closed the connection
// before answering: it is reported as that.
int replyError(const QNetworkReply *reply)
{
    const QNetworkReply::NetworkError error = reply->error();
    return error == QNetworkReply::ContentReSendError ? QNetworkReply::RemoteHostClosedError : error;
}
} // namespace

HttpFun::HttpFun(QObject *parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
    , m_serverHost(defaults().host)
    , m_serverPort(defaults().port)
    , m_timeoutMs(defaults().timeoutMs)
{
    qRegisterMetaType<HttpFunRes *>("HttpFunRes *");
    if (LinkAddress::loopbackOnly())
        m_manager->setProxy(QNetworkProxy::NoProxy); // a proxy would be another host
    connect(this, &HttpFun::signal_sendRequestResult, this, &HttpFun::slot_RequestResultDeal);
    Singleton<HttpFun>::adopt(this); // the newest client is the one getInstance() gives
}

HttpFun::~HttpFun()
{
    deleteAllTimelinessHttpRequestRes();
    discardPartFile();
    Singleton<HttpFun>::forget(this);
}

HttpFun *HttpFun::getInstance()
{
    return Singleton<HttpFun>::instance();
}

QString HttpFun::getErrorInfo(int code)
{
    return UpdateProtocol::errorInfo(code);
}

QString HttpFun::downloadPath()
{
    return QStringLiteral("./app/update.exe");
}

QString HttpFun::partPath()
{
    return QStringLiteral("./app/update.exe.part");
}

void HttpFun::setServerForTesting(const QString &host, quint16 port)
{
    m_serverHost = host;
    m_serverPort = port;
}

void HttpFun::setTimeoutForTesting(int ms)
{
    m_timeoutMs = ms;
}

void HttpFun::setDefaultsForTesting(const QString &host, quint16 port, int timeoutMs)
{
    defaults() = Defaults{host, port, timeoutMs};
}

bool HttpFun::serverAllowed() const
{
    if (!LinkAddress::loopbackOnly())
        return true;
    const QHostAddress address(m_serverHost);
    if (!address.isNull() && address.isLoopback())
        return true;
    qDebug() << "HttpFun: loopback only, refused update server" << m_serverHost;
    return false;
}

void HttpFun::slot_sendHttpRequest(int RequestType, QVariant data)
{
    Q_UNUSED(data)
    qDebug() << "slot_sendHttpRequest" << RequestType;
    if (RequestType == Cmd_StopCurrRequest) {
        qDebug() << "Cmd_StopCurrRequest deleteAllTimelinessHttpRequestRes";
        deleteAllTimelinessHttpRequestRes();
        discardPartFile();
        return;
    }
    if (RequestType != Cmd_getUpgradePackageInfo && RequestType != Cmd_DownloadOtaFile)
        return;
    // A second download would share the one package file with the first.
    if (RequestType == Cmd_DownloadOtaFile && hasPendingDownload()) {
        qDebug() << "Cmd_DownloadOtaFile ignored: a download is running";
        return;
    }
    HttpFunRes *res = addHttpRequestRes();
    res->requestType = RequestType;
    m_deviceSerial = SystemConfig::getInstance()->getISN();
    if (!serverAllowed()) {
        sendResultInfo(QNetworkReply::HostNotFoundError, res);
        return;
    }
    if (RequestType == Cmd_DownloadOtaFile) {
        qDebug() << "Cmd_DownloadOtaFile";
        startDownload(res);
        return;
    }
    qDebug() << "Cmd_getUpgradePackageInfo";
    setRequestUrl(UpdateProtocol::versionUrl(m_serverHost, m_serverPort), res);
    setRequestBody(UpdateProtocol::buildUpgradeInfoRequest(m_deviceSerial), res);
    postRequest(res);
}

void HttpFun::startDownload(HttpFunRes *res)
{
    if (!openPartFile()) {
        sendResultInfo(UpdateProtocol::Code_FileCheckErr, res);
        return;
    }
    SystemConfig *config = SystemConfig::getInstance();
    m_expected = config->getUpdatePackageFileSizeInfo(0);
    setRequestUrl(UpdateProtocol::downloadUrl(m_serverHost, m_serverPort, config->getUpdatePackageProjectInfo(0),
                                              config->getUpdatePackagePropertyInfo(0),
                                              config->getUpdatePackageVerInfo(0), m_deviceSerial),
                  res);
    m_received = 0;
    getRequest(res);
}

bool HttpFun::openPartFile()
{
    discardPartFile();
    m_downloadFile.setFileName(partPath());
    if (!m_downloadFile.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qDebug() << "HttpFun: cannot open the download file" << partPath() << m_downloadFile.errorString();
        return false;
    }
    return true;
}

void HttpFun::discardPartFile()
{
    if (m_downloadFile.isOpen())
        m_downloadFile.close();
    if (QFile::exists(partPath()) && !QFile::remove(partPath()))
        qDebug() << "HttpFun: cannot remove" << partPath();
}

HttpFunRes *HttpFun::addHttpRequestRes()
{
    auto *res = new HttpFunRes;
    // Owned by the client as well: a request still pending when the client is
    // deleted at shutdown has its timer's deleteLater() posted while the
    // stopped thread makes its last pass over deferred deletions, and such a
    // late one is never delivered.
    res->timer = new QTimer(this);
    res->timer->setSingleShot(true);
    connect(res->timer, &QTimer::timeout, this, &HttpFun::slot_requestTimeout);
    res->request = new QNetworkRequest;
    m_HttpRequestList.append(res);
    qDebug() << "add m_HttpRequestList size " << m_HttpRequestList.size();
    return res;
}

void HttpFun::deleteHttpRequestRes(HttpFunRes *res)
{
    qDebug() << "deleteHttpRequestRes";
    if (!m_HttpRequestList.contains(res))
        return;
    res->timer->disconnect(this);
    res->timer->stop();
    res->timer->deleteLater();
    delete res->request;
    abortRequest(res);
    m_HttpRequestList.removeOne(res);
    qDebug() << "delete m_HttpRequestList size " << m_HttpRequestList.size();
    delete res;
}

void HttpFun::deleteAllTimelinessHttpRequestRes()
{
    while (!m_HttpRequestList.isEmpty()) {
        HttpFunRes *res = m_HttpRequestList.first();
        qDebug() << "delete type " << res->requestType;
        deleteHttpRequestRes(res);
    }
}

HttpFunRes *HttpFun::findRequestResByReply(QObject *reply) const
{
    for (HttpFunRes *res : m_HttpRequestList) {
        if (reply && res->reply == reply)
            return res;
    }
    return nullptr;
}

HttpFunRes *HttpFun::findRequestResByTimer(QObject *timer) const
{
    for (HttpFunRes *res : m_HttpRequestList) {
        if (timer && res->timer == timer)
            return res;
    }
    return nullptr;
}

bool HttpFun::hasPendingDownload() const
{
    for (const HttpFunRes *res : m_HttpRequestList) {
        if (res->requestType == Cmd_DownloadOtaFile)
            return true;
    }
    return false;
}

void HttpFun::abortRequest(HttpFunRes *res)
{
    if (!res->reply)
        return;
    disconnect(res->reply, nullptr, this, nullptr);
    res->reply->close();
    res->reply->deleteLater();
    res->reply = nullptr;
}

void HttpFun::setRequestUrl(const QUrl &url, HttpFunRes *res)
{
    res->request->setUrl(url);
}

void HttpFun::setRequestBody(const QByteArray &body, HttpFunRes *res)
{
    res->request->setHeader(QNetworkRequest::ContentLengthHeader, body.size());
    res->body = body;
}

void HttpFun::postRequest(HttpFunRes *res)
{
    res->isSent = 1;
    res->request->setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    res->request->setRawHeader("Accept", "*/*");
    res->request->setRawHeader("Connection", "keep-alive");
    res->request->setAttribute(QNetworkRequest::DoNotBufferUploadDataAttribute, true);
    qDebug() << "postRequest" << res->request->url().toString() << res->body;
    auto *body = new OneShotBody(res->body);
    res->reply = m_manager->post(*res->request, body);
    body->setParent(res->reply);
    boundReadBuffer(res->reply, kVersionReadBuffer);
    res->timer->start(m_timeoutMs);
    connect(res->reply, &QNetworkReply::metaDataChanged, this, &HttpFun::slot_versionAnswerGrew);
    connect(res->reply, &QNetworkReply::readyRead, this, &HttpFun::slot_versionAnswerGrew);
    connect(res->reply, &QNetworkReply::finished, this, &HttpFun::slot_requestFinished);
    connect(res->reply, &QNetworkReply::errorOccurred, this, &HttpFun::slot_getSeverErr);
}

// An answer declared or arriving larger than a version answer can be is cut
// off at once and counts as a failed try.
void HttpFun::slot_versionAnswerGrew()
{
    HttpFunRes *res = findRequestResByReply(sender());
    if (!res)
        return;
    // By now the transfer has surely started: the limit is set once more in
    // case the stack started it later than the event loop's next turn.
    res->reply->setReadBufferSize(kVersionReadBuffer);
    const QVariant declared = res->reply->header(QNetworkRequest::ContentLengthHeader);
    if (declared.toLongLong() <= kMaxVersionAnswer && res->reply->bytesAvailable() <= kMaxVersionAnswer)
        return;
    qDebug() << "HttpFun: version answer too large, declared" << declared << "arrived" << res->reply->bytesAvailable();
    res->timer->stop();
    // Aborted, not closed: the transfer stops now, and the abort's own error
    // does not stand in for the length failure.
    disconnect(res->reply, nullptr, this, nullptr);
    res->reply->abort();
    res->reply->deleteLater();
    res->reply = nullptr;
    retryOrReport(UpdateProtocol::Code_LengthErr, res);
}

void HttpFun::getRequest(HttpFunRes *res)
{
    res->isSent = 1;
    qDebug() << "getRequest" << res->request->url().toString();
    res->reply = m_manager->get(*res->request);
    boundReadBuffer(res->reply, kDownloadReadBuffer);
    m_progressMark = m_received;
    m_downloadClock.start();
    res->timer->start(m_timeoutMs);
    connect(res->reply, &QNetworkReply::finished, this, &HttpFun::slot_getFileFinished);
    connect(res->reply, &QNetworkReply::readyRead, this, &HttpFun::slot_getFileReadyRead);
    connect(res->reply, &QNetworkReply::errorOccurred, this, &HttpFun::slot_getSeverErr);
}

// At most three sends in all; a download starts again from an empty file.
void HttpFun::retryOrReport(int code, HttpFunRes *res)
{
    if (res->retryCount >= kMaxRetries) {
        sendResultInfo(code, res);
        return;
    }
    ++res->retryCount;
    abortRequest(res);
    qDebug() << "HttpFun: retry" << res->retryCount << "of type" << res->requestType << "after" << code;
    if (res->requestType == Cmd_getUpgradePackageInfo) {
        postRequest(res);
        return;
    }
    if (!openPartFile()) {
        sendResultInfo(UpdateProtocol::Code_FileCheckErr, res);
        return;
    }
    m_received = 0;
    getRequest(res);
}

void HttpFun::slot_requestFinished()
{
    qDebug() << "slot_requestFinished";
    HttpFunRes *res = findRequestResByReply(sender());
    if (!res) {
        sendResultInfo(0, nullptr);
        return;
    }
    res->timer->stop();
    const QByteArray body = res->reply->readAll();
    const int declared = res->reply->header(QNetworkRequest::ContentLengthHeader).toString().toInt();
    qDebug() << "head long" << declared << "recv long" << body.size() << "resultContent" << body;
    const QString text = QString::fromUtf8(body);
    // Only a 200 carries an answer: a redirect or other status may have a
    // body too, and it is no offer of this server's.
    const int status = res->reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status != 200) {
        qDebug() << "HttpFun: HTTP status" << status << "is no answer";
        retryOrReport(UpdateProtocol::Code_WrongAnswer, res);
        return;
    }
    if (declared != body.size()) {
        retryOrReport(UpdateProtocol::Code_LengthErr, res);
        return;
    }
    emit signal_sendRequestResult(res->requestType, QVariant(text.toUtf8()), QVariant::fromValue(res));
}

void HttpFun::slot_RequestResultDeal(int RequestType, QVariant data, QVariant res)
{
    if (RequestType != Cmd_getUpgradePackageInfo)
        return;
    auto *record = res.value<HttpFunRes *>();
    if (!m_HttpRequestList.contains(record))
        return;
    UpgradePackageInfoDownloadDataParseDeal(QString::fromUtf8(data.toByteArray()), record);
}

void HttpFun::UpgradePackageInfoDownloadDataParseDeal(const QString &text, HttpFunRes *res)
{
    QStringList info;
    const int code =
        UpdateProtocol::judgeVersionAnswer(text.toUtf8(), m_deviceSerial, Common::getInstance()->getVersion(), &info);
    if (code == UpdateProtocol::Code_Ok) {
        SystemConfig::getInstance()->setUpdatePackageInfo(0, info);
        sendResultInfo(code, res);
    } else if (code == UpdateProtocol::Code_Latest) {
        sendResultInfo(code, res);
    } else {
        retryOrReport(code, res);
    }
}

void HttpFun::slot_requestTimeout()
{
    qDebug() << "请求超时";
    HttpFunRes *res = findRequestResByTimer(sender());
    if (!res) {
        sendResultInfo(0, nullptr);
        return;
    }
    res->timer->stop();
    retryOrReport(UpdateProtocol::Code_Timeout, res);
}

void HttpFun::slot_getSeverErr(QNetworkReply::NetworkError err)
{
    qDebug() << "错误" << err;
    HttpFunRes *res = findRequestResByReply(sender());
    if (!res) {
        sendResultInfo(err, nullptr);
        return;
    }
    res->timer->stop();
    retryOrReport(replyError(res->reply), res);
}

void HttpFun::slot_getFileReadyRead()
{
    HttpFunRes *res = findRequestResByReply(sender());
    if (!res) {
        sendResultInfo(0, nullptr);
        return;
    }
    const QByteArray data = res->reply->readAll();
    // Flushed chunk by chunk, so a failing disk shows here and not at the end.
    if (m_downloadFile.write(data) != data.size() || !m_downloadFile.flush()) {
        // A full disk is not cured by downloading again.
        qDebug() << "HttpFun: cannot write the download file" << m_downloadFile.errorString();
        res->timer->stop();
        sendResultInfo(UpdateProtocol::Code_FileCheckErr, res);
        return;
    }
    m_received += data.size();
    // The limit starts again only once another KiB has come: a trickle runs
    // out of time as silence does.
    if (m_received - m_progressMark >= kMinBytesPerLimit) {
        m_progressMark = m_received;
        res->timer->start(m_timeoutMs);
    }
    if (quint64(m_received) > quint64(m_expected)) {
        res->timer->stop();
        retryOrReport(UpdateProtocol::Code_LengthErr, res);
        return;
    }
    if (belowAverageFloor()) {
        qDebug() << "HttpFun: download too slow," << m_received << "bytes in" << m_downloadClock.elapsed() << "ms";
        res->timer->stop();
        retryOrReport(UpdateProtocol::Code_Timeout, res);
        return;
    }
    if (m_expected != 0) {
        const quint64 percent = quint64(m_received) * 100u / quint64(m_expected);
        if (percent != 100)
            emit signal_sendHttpEvent(Cmd_DownloadOtaProgress, QVariant(qulonglong(percent)));
    }
}

// A complete package is never too slow; one still coming is, once its first
// time limit is over, when its average since the start is below the floor.
bool HttpFun::belowAverageFloor() const
{
    const qint64 elapsed = m_downloadClock.elapsed();
    if (m_received >= m_expected || elapsed < m_timeoutMs)
        return false;
    return m_received * m_timeoutMs < kMinAverageBytesPerLimit * elapsed;
}

void HttpFun::slot_getFileFinished()
{
    HttpFunRes *res = findRequestResByReply(sender());
    if (!res) {
        sendResultInfo(0, nullptr);
        return;
    }
    res->timer->stop();
    sendResultInfo(0, res);
}

// Only a file whose size and digest match the stored description becomes
// the package; anything else is removed.
int HttpFun::verifyDownload()
{
    m_downloadFile.flush();
    m_downloadFile.close();
    const QString digest = getFileHash(partPath());
    const QString stored = SystemConfig::getInstance()->getUpdatePackageMd5Info(0);
    qDebug() << "info" << stored << "down" << digest;
    if (digest.isEmpty() || m_received != m_expected) {
        discardPartFile();
        return UpdateProtocol::Code_FileCheckErr;
    }
    if (digest != stored) {
        discardPartFile();
        return UpdateProtocol::Code_DigestErr;
    }
    if (QFile::exists(downloadPath()) && !QFile::remove(downloadPath()))
        qDebug() << "HttpFun: cannot remove the older package" << downloadPath();
    if (!QFile::rename(partPath(), downloadPath())) {
        qDebug() << "HttpFun: cannot rename" << partPath() << "to" << downloadPath();
        discardPartFile();
        return UpdateProtocol::Code_FileCheckErr;
    }
    return UpdateProtocol::Code_Ok;
}

void HttpFun::sendResultInfo(int code, HttpFunRes *res)
{
    qDebug() << "sendResultInfo" << code;
    if (!res) {
        qDebug() << "没有获取到http请求资源";
        return;
    }
    if (res->reply && res->reply->error() != QNetworkReply::NoError)
        code = replyError(res->reply);
    const int type = res->requestType;
    deleteHttpRequestRes(res);
    if (type == Cmd_DownloadOtaFile) {
        if (code == UpdateProtocol::Code_Ok)
            code = verifyDownload();
        else
            discardPartFile();
    }
    const QString text = getErrorInfo(code);
    emit signal_sendHttpEvent(type, QVariant(QVariantList{QVariant(code), QVariant(text)}));
}

QString HttpFun::getFileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning() << "Cannot open file.";
        return QString();
    }
    QCryptographicHash hash(QCryptographicHash::Sha1);
    while (!file.atEnd()) {
        const QByteArray block = file.read(kHashBlock);
        if (block.isEmpty())
            break;
        hash.addData(block);
    }
    file.close();
    return QString::fromLatin1(hash.result().toHex());
}
