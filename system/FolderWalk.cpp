#include "system/FolderWalk.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <vector>

namespace platform {
namespace {

struct FolderListing {
    std::vector<QByteArray> files;
    std::vector<QByteArray> specials;
    std::vector<QByteArray> folders;
};

bool Cancelled(const std::atomic<bool>* cancel)
{
    return cancel && cancel->load(std::memory_order_relaxed);
}

// The entries of one folder by kind; false with errno when it cannot be listed. A cancelled listing
// ends where it is (a folder may hold a great many entries).
bool List(const QByteArray& folder, FolderListing& out, const std::atomic<bool>* cancel)
{
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.constData()), ::closedir);
    if (!dir)
        return false;
    const QByteArray prefix = folder.endsWith('/') ? folder : folder + '/';
    for (;;) {
        // readdir tells its end and its failure apart only by errno, which the look-ups below set.
        errno = 0;
        const dirent* entry = ::readdir(dir.get());
        if (!entry)
            break;
        if (Cancelled(cancel))
            return true;
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        const QByteArray path = prefix + name;
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0) {
            if (errno == ENOENT)
                continue;  // gone since it was listed
            return false;
        }
        if (S_ISDIR(st.st_mode)) {
            out.folders.push_back(path);
        } else if (S_ISLNK(st.st_mode)) {
            // What the link leads to, for its kind only: a folder it leads to is not entered.
            struct stat target {};
            if (::stat(path.constData(), &target) != 0)
                out.files.push_back(path);  // dangling: its reader says so
            else if (S_ISREG(target.st_mode))
                out.files.push_back(path);
            else if (!S_ISDIR(target.st_mode))
                out.specials.push_back(path);
        } else if (S_ISREG(st.st_mode)) {
            out.files.push_back(path);
        } else {
            out.specials.push_back(path);
        }
    }
    if (errno != 0)
        return false;
    for (auto* names : {&out.files, &out.specials, &out.folders})
        std::sort(names->begin(), names->end());
    return true;
}

}  // namespace

bool WalkFolder(const QByteArray& localFolder, bool subfolders,
                const std::function<void(const QByteArray& localPath, WalkEntry entry)>& visit,
                const std::atomic<bool>* cancel)
{
    if (localFolder.isEmpty() || localFolder.contains('\0')) {
        errno = ENOENT;
        return false;
    }
    // Depth first with a stack of its own, so that a deep tree cannot exhaust the call stack.
    std::vector<QByteArray> pending{localFolder};
    bool first = true;
    while (!pending.empty() && !Cancelled(cancel)) {
        const QByteArray folder = pending.back();
        pending.pop_back();
        FolderListing listing;
        if (!List(folder, listing, cancel)) {
            if (first)
                return false;
            visit(folder, WalkEntry::Unreadable);
            continue;
        }
        first = false;
        for (const QByteArray& file : listing.files) {
            if (Cancelled(cancel))
                return true;
            visit(file, WalkEntry::File);
        }
        for (const QByteArray& special : listing.specials) {
            if (Cancelled(cancel))
                return true;
            visit(special, WalkEntry::Special);
        }
        if (subfolders)
            pending.insert(pending.end(), listing.folders.rbegin(), listing.folders.rend());
    }
    return true;
}

}  // namespace platform
