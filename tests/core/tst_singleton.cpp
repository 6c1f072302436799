// The program's single-object holder: one object however many threads race
// to the first use, and a released or deleted object is never handed out.
#include "core/singleton.h"
#include "support/testenv.h"

#include <QThread>

#include <atomic>
#include <memory>
#include <vector>

namespace {
std::atomic<int> g_built{0};

class Slow
{
public:
    ~Slow() { Singleton<Slow>::forget(this); }

private:
    friend class Singleton<Slow>;
    Slow()
    {
        ++g_built;
        QThread::msleep(20); // keeps the racers waiting inside the first use
    }
};
} // namespace

class TstSingleton : public QObject
{
    Q_OBJECT
private slots:
    void racingFirstUseBuildsOneObject()
    {
        std::atomic<bool> go{false};
        std::vector<Slow *> seen(16, nullptr);
        std::vector<std::unique_ptr<QThread>> threads;
        for (Slow *&slot : seen) {
            threads.emplace_back(QThread::create([&go, &slot]() {
                while (!go.load())
                    QThread::yieldCurrentThread();
                slot = Singleton<Slow>::instance();
            }));
            threads.back()->start();
        }
        go = true;
        for (const auto &thread : threads) {
            const bool ended = thread->wait(10000);
            QVERIFY(ended);
        }
        QCOMPARE(g_built.load(), 1);
        for (Slow *object : seen)
            QCOMPARE(object, Singleton<Slow>::existing());
        Singleton<Slow>::release();
    }

    // Released, or deleted by anyone else: the next use builds a new object.
    void goneObjectIsNeverHandedOut()
    {
        g_built = 0;
        Singleton<Slow>::instance();
        Singleton<Slow>::release();
        QCOMPARE(Singleton<Slow>::existing(), nullptr);
        delete Singleton<Slow>::instance();
        QCOMPARE(Singleton<Slow>::existing(), nullptr);
        const Slow *rebuilt = Singleton<Slow>::instance();
        QCOMPARE(Singleton<Slow>::existing(), rebuilt);
        QCOMPARE(g_built.load(), 3);
        Singleton<Slow>::release();
    }
};

VIREON_TEST_MAIN(TstSingleton)
#include "tst_singleton.moc"
