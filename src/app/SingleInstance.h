#pragma once
// Only one copy of the program runs at a time. The lock is a file in the user's runtime folder that
// names the owning process, so a lock left behind by a copy that crashed is recognised and taken over.

#include <QLockFile>
#include <QString>
#include <memory>

namespace orv {

class SingleInstance {
public:
    // The lock file in the user's runtime folder.
    static QString DefaultLockPath();

    explicit SingleInstance(const QString& lockPath = DefaultLockPath());

    // True when this copy now holds the lock: no other live copy holds it.
    bool Acquire();
    void Release();

private:
    std::unique_ptr<QLockFile> lock_;
};

} // namespace orv
