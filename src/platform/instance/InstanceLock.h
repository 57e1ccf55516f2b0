#pragma once

#include <QString>

#include <memory>

// The lock that makes one start of the program the first. It is held for the life of
// the process and goes with it, however the process ends. The file reads like a
// QLockFile's (process id, program, host), so an older start that checks it with
// QLockFile sees a live owner; but it is not synced to disk: a lock that lives only as
// long as its process has nothing to keep across a power cut, and the sync alone
// cost a start on a disk-backed folder a few milliseconds.
class InstanceLock
{
public:
    enum class Result {
        acquired,
        held,       // another process holds it
        unavailable // the file cannot be made or locked (folder unwritable)
    };

    explicit InstanceLock(QString path);
    ~InstanceLock(); // releases the lock and removes the file
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    Result tryLock();

private:
    struct Handle;
    QString m_path;
    std::unique_ptr<Handle> m_handle;
};
