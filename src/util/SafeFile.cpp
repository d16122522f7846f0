#include "util/SafeFile.h"

#include "panels/Notice.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// What the player can do about a save the system refused.
static const char* saveAdvice(int err) {
    switch (err) {
    case EACCES:
    case EPERM:
    case EROFS: return "The folder is read-only: allow writing to it, or move the game to a folder you can write to.";
    case ENOSPC:
    case EDQUOT: return "The disk is full: free some space and try again.";
    case EISDIR: return "A folder has that name: rename or remove it, or save under another name.";
    case ENOENT:
    case ENOTDIR: return "The folder it belongs in is missing: create it and try again.";
    case ENAMETOOLONG: return "Choose a shorter name.";
    default: return "Check the disk and the folder, then try again.";
    }
}

static bool fail(const std::string& path, const std::string& tmp, int err) {
    showNotice("Could not save " + path + ": " + strerror(err) + ". " + saveAdvice(err));
    if (!tmp.empty()) unlink(tmp.c_str());
    return false;
}

// The folder holding path, for flushing the rename itself to disk.
static std::string folderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool writeFileAtomically(const std::string& path, const std::string& bytes) {
    std::string tmp = path + ".tmp" + std::to_string(getpid());
    int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return fail(path, "", errno);
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            int err = errno;
            close(fd);
            return fail(path, tmp, err);
        }
        p += n;
        left -= size_t(n);
    }
    // A full disk may only show when the data is flushed; the descriptor is
    // closed whatever happens.
    int err = fsync(fd) != 0 ? errno : 0;
    if (close(fd) != 0 && err == 0) err = errno;
    if (err != 0) return fail(path, tmp, err);
    if (rename(tmp.c_str(), path.c_str()) != 0) return fail(path, tmp, errno);
    int dir = open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

namespace {

// An open descriptor of a regular file, or -1.
int openRegular(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) return -1;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

bool isReadableFile(const std::string& path) {
    int fd = openRegular(path);
    if (fd < 0) return false;
    close(fd);
    return true;
}

bool readWholeFile(const std::string& path, std::string& bytes, size_t maxBytes) {
    bytes.clear();
    int fd = openRegular(path);
    if (fd < 0) return false;
    struct stat st;
    if (fstat(fd, &st) == 0 && uint64_t(st.st_size) > maxBytes) {
        close(fd);
        errno = EFBIG;
        return false;
    }
    char buf[1 << 16];
    for (;;) {
        ssize_t n = read(fd, buf, sizeof buf);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            close(fd);
            bytes.clear();
            return false;
        }
        bytes.append(buf, size_t(n));
        if (bytes.size() > maxBytes) {  // grew while being read
            close(fd);
            bytes.clear();
            errno = EFBIG;
            return false;
        }
    }
    close(fd);
    return true;
}

void removeStaleTempSaves(const std::string& folder) {
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    while (struct dirent* ent = readdir(dir)) {
        std::string name = ent->d_name;
        if (!isTempSaveName(name)) continue;
        long pid = strtol(name.c_str() + name.rfind(".tmp") + 4, nullptr, 10);
        bool running = pid > 0 && pid <= INT32_MAX && (kill(pid_t(pid), 0) == 0 || errno == EPERM);
        if (running) continue;
        std::string path = folder + "/" + name;
        if (unlink(path.c_str()) == 0) printf("Removed %s, left by a save that never finished\n", path.c_str());
    }
    closedir(dir);
}
