#pragma once
#include <QString>

// A small tmpfs mounted at folder for one test, so that a full disk or a read-only file system is
// real rather than pretended; unmounted when it goes. Mounting needs the superuser: Mounted()
// says whether it worked, for the test to skip when not.
class ScratchMount {
public:
    ScratchMount(const QString& folder, long long bytes, bool readOnly = false);
    ~ScratchMount();
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;

    bool Mounted() const { return mounted_; }
    // Fills the file system with one file until no more than leftBytes remain free.
    void FillLeaving(long long leftBytes) const;

private:
    QString folder_;
    bool mounted_ = false;
};
