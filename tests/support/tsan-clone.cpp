// Linked into every program of the ThreadSanitizer build (`make test-tsan`) only.
//
// Qt starts child processes with clone(CLONE_VM | CLONE_VFORK): the child runs
// in the parent's memory until it calls exec. The sanitizer's clone wrapper
// does its fork bookkeeping in the child, which then overwrites the parent's
// thread state, and the parent stops with "CHECK failed ... thr->slot". This
// clone, which takes the wrapper's place, makes such a call an ordinary
// fork-like clone before the sanitizer sees it. Qt's child reports a failed
// exec through a pipe, never through shared memory, so nothing relies on
// CLONE_VM.
#include <sched.h>
#include <sys/types.h>

#include <cstdarg>

extern "C" int __interceptor_clone(int (*fn)(void*), void* stack, int flags, void* arg, ...);

extern "C" int clone(int (*fn)(void*), void* stack, int flags, void* arg, ...) {
    va_list rest;
    va_start(rest, arg);
    auto* parentTid = va_arg(rest, pid_t*);
    void* tls = va_arg(rest, void*);
    auto* childTid = va_arg(rest, pid_t*);
    va_end(rest);
    if ((flags & CLONE_VM) != 0 && (flags & CLONE_VFORK) != 0) {
        flags &= ~(CLONE_VM | CLONE_VFORK);
    }
    return __interceptor_clone(fn, stack, flags, arg, parentTid, tls, childTid);
}
