#include "FileLock.h"

FileLock::FileLock(const QString& path, std::chrono::milliseconds wait)
    : lock(path + QStringLiteral(".lock")), held(lock.tryLock(int(wait.count()))) {}
