#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QNetworkReply>
#include <QObject>
#include <QVariant>

class QNetworkAccessManager;
class QNetworkRequest;
class QTimer;

// One pending request of the update client. The client owns it; the record
// owns its request and disposes of its timer and reply, which are also the
// client's children, so that neither outlives the client.
class HttpFunRes
{
public:
    int isSent = 0;
    int requestType = 0;
    int retryCount = 0;
    QTimer *timer = nullptr;
    QNetworkReply *reply = nullptr;
    QNetworkRequest *request = nullptr;
    QByteArray body;
};
Q_DECLARE_METATYPE(HttpFunRes *)

// Client of the update server, living in a thread of its own. Requests come
// in through slot_sendHttpRequest (40 version query, 41 package download,
// 43 drop everything pending); every outcome goes out as
// signal_sendHttpEvent(40 or 41, [int code, QString text]), and download
// progress as signal_sendHttpEvent(42, qulonglong percent).
//
// The package is written to "./app/update.exe.part" and becomes
// "./app/update.exe" only once its size and SHA-1 digest match the stored
// package description, so a verified file is never truncated and no partial
// one is ever left behind.
class HttpFun : public QObject
{
    Q_OBJECT
public:
    explicit HttpFun(QObject *parent = nullptr);
    ~HttpFun() override;
    static HttpFun *getInstance();

    static QString getErrorInfo(int code);
    static QString downloadPath();
    static QString partPath();
    static QString getFileHash(const QString &path);

    // Test seams. The server defaults to the compiled-in address, port 8080
    // and a 60-second time limit (an answer within it; a download that gets
    // less than 1 KiB within it, or after it averages less than 1 KiB/s at
    // that limit, counts as stalled); the static form sets the defaults of
    // clients made later (the main window makes its own).
    void setServerForTesting(const QString &host, quint16 port);
    void setTimeoutForTesting(int ms);
    static void setDefaultsForTesting(const QString &host, quint16 port, int timeoutMs);

    int pendingRequestCount() const { return m_HttpRequestList.size(); }
    // Call in the client's thread; null past the last pending request.
    const HttpFunRes *pendingRequestForTesting(int index) const { return m_HttpRequestList.value(index); }

signals:
    void signal_sendHttpEvent(int id, QVariant data);
    void signal_sendRequestResult(int RequestType, QVariant data, QVariant res);

public slots:
    void slot_sendHttpRequest(int RequestType, QVariant data);
    void slot_RequestResultDeal(int RequestType, QVariant data, QVariant res);
    void slot_requestFinished();
    void slot_requestTimeout();
    void slot_getSeverErr(QNetworkReply::NetworkError err);
    void slot_getFileFinished();
    void slot_getFileReadyRead();
    void slot_versionAnswerGrew();

private:
    HttpFunRes *addHttpRequestRes();
    void deleteHttpRequestRes(HttpFunRes *res);
    void deleteAllTimelinessHttpRequestRes();
    HttpFunRes *findRequestResByReply(QObject *reply) const;
    HttpFunRes *findRequestResByTimer(QObject *timer) const;
    bool hasPendingDownload() const;
    void abortRequest(HttpFunRes *res);
    void setRequestUrl(const QUrl &url, HttpFunRes *res);
    void setRequestBody(const QByteArray &body, HttpFunRes *res);
    void postRequest(HttpFunRes *res);
    void getRequest(HttpFunRes *res);
    void startDownload(HttpFunRes *res);
    bool openPartFile();
    void discardPartFile();
    int verifyDownload();
    void retryOrReport(int code, HttpFunRes *res);
    void sendResultInfo(int code, HttpFunRes *res);
    void UpgradePackageInfoDownloadDataParseDeal(const QString &text, HttpFunRes *res);
    bool serverAllowed() const;
    bool belowAverageFloor() const;

    QNetworkAccessManager *m_manager = nullptr;
    QFile m_downloadFile;
    qint64 m_received = 0;
    qint64 m_expected = 0;
    QString m_deviceSerial;
    QString m_serverHost;
    quint16 m_serverPort = 8080;
    int m_timeoutMs = 60000;
    qint64 m_progressMark = 0;     // m_received when the download's time limit last started
    QElapsedTimer m_downloadClock; // since the current try of the download was sent
    QList<HttpFunRes *> m_HttpRequestList;
};
