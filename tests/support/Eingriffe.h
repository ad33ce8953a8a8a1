#pragma once
#include <QString>
#include <functional>

// Faults put into the file system calls of the test program itself (the
// program's own definitions of unlink, rename and read come before the C
// library's), so that a crash or a changing source happens at one exact
// point of a run.
namespace Eingriffe {

// The process is killed (SIGKILL, as by a power cut) at the n-th (0-based)
// deletion or renaming of a file whose path starts with praefix.
void AbsturzBeim(const QString& praefix, int n);

// The first read of this file on the calling thread finds it cut to half
// its size, as when a source changes while it is copied.
void KuerzenBeimLesen(const QString& pfad);

// Runs arbeit in a child process; true when the child was killed by SIGKILL.
bool ImKindAbgestuerzt(const std::function<void()>& arbeit);

}  // namespace Eingriffe
