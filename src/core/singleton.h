#pragma once

#include <QCoreApplication>
#include <QMutex>

#include <atomic>

// The program's one way to keep a single object of a class T.
//
// instance() builds it on first use, from any thread, exactly once. A
// service that is never released lives until the process ends: nothing is
// destroyed after QApplication, when its dependencies may already be gone.
// release() deletes the object, and the next instance() builds a new one
// (pages at every visit); releaseWithApplication() has that done when the
// QCoreApplication goes (the export workers, which own threads and devices). A class whose object
// anyone else may delete (a page that a scroll area replaces) calls
// forget(this) in its destructor, so no dangling pointer is ever handed out.
//
// The storage is constant-initialised and trivially destructible, so it is
// valid before main() and after the last static destructor alike. T makes
// Singleton<T> a friend when its constructor is private.
template <class T> class Singleton
{
public:
    static T *instance()
    {
        if (T *current = s_object.load(std::memory_order_acquire))
            return current;
        QMutexLocker lock(&s_buildMutex);
        T *current = s_object.load(std::memory_order_acquire);
        if (!current) {
            current = new T;
            s_object.store(current, std::memory_order_release);
        }
        return current;
    }

    // The object if there is one, without building it.
    static T *existing() { return s_object.load(std::memory_order_acquire); }

    // Deletes the object, if there is one.
    static void release() { delete s_object.exchange(nullptr, std::memory_order_acq_rel); }

    // Called by T's constructor: release() runs in the QCoreApplication's
    // destructor, while Qt is still up.
    static void releaseWithApplication() { qAddPostRoutine(&Singleton::release); }

    // Makes `self` the object: for a class whose every new object is the one
    // in force.
    static void adopt(T *self) { s_object.store(self, std::memory_order_release); }

    // Clears the pointer when it is `self`; called by T's destructor.
    static void forget(const T *self)
    {
        T *expected = const_cast<T *>(self);
        s_object.compare_exchange_strong(expected, nullptr, std::memory_order_acq_rel);
    }

private:
    static inline std::atomic<T *> s_object{nullptr};
    static inline QBasicMutex s_buildMutex;
};
