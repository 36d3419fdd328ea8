#include "system/MappedFile.h"

#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <mutex>

namespace platform {
namespace {

// The mappings guarded, read by the signal handler without a lock.
struct GuardSlot {
    std::atomic<std::uintptr_t> begin{0};
    std::atomic<std::uintptr_t> end{0};
    std::atomic<bool> faulted{false};
    std::atomic<bool> taken{false};
};
constexpr int kSlots = 64;  // more than the photos converted side by side, each mapped once at a time
GuardSlot slots[kSlots];
struct sigaction previous{};

void OnBusError(int signal, siginfo_t* info, void* context)
{
    const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
    for (GuardSlot& slot : slots) {
        if (address >= slot.begin.load() && address < slot.end.load()) {
            // Zeros in place of the page the file lost; the read that faulted runs again and goes on.
            const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
            void* at = reinterpret_cast<void*>(address & ~(page - 1));
            if (::mmap(at, page, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) != MAP_FAILED) {
                slot.faulted.store(true);
                return;
            }
        }
    }
    // Not ours: what would have happened without the guard.
    if (previous.sa_flags & SA_SIGINFO && previous.sa_sigaction) {
        previous.sa_sigaction(signal, info, context);
        return;
    }
    if (previous.sa_handler != SIG_DFL && previous.sa_handler != SIG_IGN && previous.sa_handler) {
        previous.sa_handler(signal);
        return;
    }
    ::signal(signal, SIG_DFL);  // the fault happens again on return, and ends the process
}

void InstallGuard()
{
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction action{};
        action.sa_sigaction = OnBusError;
        action.sa_flags = SA_SIGINFO | SA_NODEFER;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGBUS, &action, &previous);
    });
}

int TakeSlot(const std::uint8_t* data, std::size_t size)
{
    for (int i = 0; i < kSlots; ++i) {
        bool free = false;
        if (slots[i].taken.compare_exchange_strong(free, true)) {
            slots[i].faulted.store(false);
            // The end last: a slot half made matches no address.
            slots[i].begin.store(reinterpret_cast<std::uintptr_t>(data));
            slots[i].end.store(reinterpret_cast<std::uintptr_t>(data) + size);
            return i;
        }
    }
    return -1;
}

}  // namespace

MappedFile::MappedFile(int fd)
{
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size <= 0)
        return;
    InstallGuard();
    void* p = ::mmap(nullptr, static_cast<std::size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
    if (p == MAP_FAILED)
        return;
    data_ = static_cast<const std::uint8_t*>(p);
    size_ = static_cast<std::size_t>(st.st_size);
    slot_ = TakeSlot(data_, size_);
    if (slot_ < 0) {  // every guard in use: no unguarded mapping is handed out
        ::munmap(p, size_);
        data_ = nullptr;
        size_ = 0;
    }
}

MappedFile::~MappedFile()
{
    if (slot_ >= 0) {
        slots[slot_].end.store(0);
        slots[slot_].begin.store(0);
        slots[slot_].taken.store(false);
    }
    if (data_)
        ::munmap(const_cast<std::uint8_t*>(data_), size_);
}

bool MappedFile::Changed() const
{
    return slot_ >= 0 && slots[slot_].faulted.load();
}

}  // namespace platform
