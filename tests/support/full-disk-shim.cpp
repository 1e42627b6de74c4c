// Preloaded into a test process (LD_PRELOAD) to play a full disk: every write
// to a file whose path contains $TESSALY_TEST_FULL_DISK fails with ENOSPC, as
// it does when the disk has no space left. Unset, nothing is changed.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <unistd.h>

namespace {

bool onFullDisk(int fd) {
    const char* part = std::getenv("TESSALY_TEST_FULL_DISK");
    if (!part || !*part || fd < 3) return false;
    char link[64];
    char target[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = ::readlink(link, target, sizeof target - 1);
    if (n <= 0) return false;
    target[n] = '\0';
    return std::strstr(target, part) != nullptr;
}

} // namespace

extern "C" ssize_t write(int fd, const void* buffer, size_t count) {
    using Write = ssize_t (*)(int, const void*, size_t);
    static const Write real = reinterpret_cast<Write>(::dlsym(RTLD_NEXT, "write"));
    if (onFullDisk(fd)) {
        errno = ENOSPC;
        return -1;
    }
    return real(fd, buffer, count);
}
