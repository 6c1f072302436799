#pragma once

// Turns SIGTERM, SIGINT and SIGHUP into an orderly QCoreApplication::quit(),
// so a stopped program still runs its shutdown (worker threads joined, guard
// released). The handler only writes a byte to a pipe; the quit happens in
// the event loop.
class UnixSignalQuit
{
public:
    static bool install();
    // True once a stop signal has been taken. A signal taken before the main
    // event loop runs (start-up waits and message boxes run nested loops)
    // only ended that nested loop.
    static bool quitRequested();
};
