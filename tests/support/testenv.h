#pragma once

#include <QApplication>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <QtTest>

#include <memory>

// Per-executable test environment. It must exist before any singleton does:
// the singletons bind to ./app on first use, so the working directory and the
// loopback settings file are prepared before QApplication is even built.
class TestEnv
{
public:
    TestEnv();
    ~TestEnv();

    static TestEnv *instance();

    QString workDir() const;
    // Absolute path of a file below the working directory.
    QString path(const QString &relative) const;

    // The loopback settings every test starts from.
    static QMap<QString, QVariant> loopbackSettings();
    // Writes extra keys into the settings file (before SystemConfig exists).
    static void seedIni(const QMap<QString, QVariant> &values);
    // Reads a key back with an independent QSettings: what is really on disk.
    static QVariant iniValue(const QString &key);
    static bool iniContains(const QString &key);

    // Path of a built tool, e.g. toolPath("fake_instrument").
    static QString toolPath(const QString &name);

    // A port the system reports free on a loopback address right now.
    static quint16 freeUdpPort(const QString &address);
    static quint16 freeTcpPort(const QString &address);

    // Whole-file helpers; writeFile creates the folder and reports success.
    static QByteArray readFile(const QString &path);
    static bool writeFile(const QString &path, const QByteArray &bytes);
    // Reproducible pseudo-random bytes.
    static QByteArray patternBytes(int size, quint32 seed);

private:
    void stageAppFolder();
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousDir;
};

// Answers or closes the next modal widget and records the texts of its labels.
// Call it before the code that runs the modal loop.
class ModalAnswerer
{
public:
    // result: the QDialog::done() code; a non-dialog modal widget is closed.
    static void answerNext(int result, QStringList *capturedTexts = nullptr, int timeoutMs = 10000);
    static QStringList labelTexts(QWidget *widget);
};

#define VIREON_TEST_MAIN(TestObject)                                                                                   \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        TestEnv env;                                                                                                   \
        QApplication app(argc, argv);                                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        TestObject tc;                                                                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }
