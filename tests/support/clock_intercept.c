// LD_PRELOAD library for the tests: the program sees a clock of its own, and setting it never
// reaches the kernel. Only the real-time clock is touched, so Qt's timers keep their real pace;
// the program reads its time of day only with clock_gettime, and sets it with clock_settime.
//   CLOCK_INTERCEPT_OFFSET  seconds added to every real-time read (may be fractional).
//   CLOCK_INTERCEPT_LOG     every set appends "set <epoch> <local YYYY-MM-DD HH:MM:SS>".
//   CLOCK_INTERCEPT_REFUSE  "1": every set fails with EPERM, logged as "refused ...".
//   CLOCK_INTERCEPT_SHARE   a file holding the offset once set, read at every read: the
//                           processes naming it (program, stand-in timedated) share one clock.
// Otherwise a set succeeds and the seen clock goes on from the time set.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <pthread.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/time.h>
#include <time.h>

static pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;
static int (*realGettime)(clockid_t, struct timespec*);
static int64_t offset; /* seen minus real, ns */

static int64_t realNowNs(void) {
    struct timespec ts = {0, 0};
    realGettime(CLOCK_REALTIME, &ts);
    return (int64_t)ts.tv_sec * 1000000000 + ts.tv_nsec;
}

static int64_t seenNowNs(void) {
    pthread_mutex_lock(&lock);
    if (!realGettime) {
        void* p = dlsym(RTLD_NEXT, "clock_gettime");
        memcpy(&realGettime, &p, sizeof p); /* ISO C has no object-to-function conversion */
        const char* seconds = getenv("CLOCK_INTERCEPT_OFFSET");
        offset = (int64_t)((seconds ? strtod(seconds, NULL) : 0) * 1e9);
    }
    const char* share = getenv("CLOCK_INTERCEPT_SHARE");
    FILE* f = share ? fopen(share, "re") : NULL;
    long long shared; /* an empty file, caught while it is written, leaves the offset */
    if (f && fscanf(f, "%lld", &shared) == 1)
        offset = shared;
    if (f)
        fclose(f);
    const int64_t now = realNowNs() + offset;
    pthread_mutex_unlock(&lock);
    return now;
}

static int setSeen(int64_t ns) {
    seenNowNs();
    const char* refuseText = getenv("CLOCK_INTERCEPT_REFUSE");
    const int refuse = refuseText && strcmp(refuseText, "1") == 0;
    const char* logPath = getenv("CLOCK_INTERCEPT_LOG");
    const time_t seconds = (time_t)(ns / 1000000000 - (ns % 1000000000 < 0));
    struct tm tm;
    localtime_r(&seconds, &tm);
    pthread_mutex_lock(&lock);
    FILE* log = logPath && *logPath ? fopen(logPath, "ae") : NULL;
    if (log) {
        fprintf(log, "%s %lld %04d-%02d-%02d %02d:%02d:%02d\n", refuse ? "refused" : "set",
                (long long)seconds, tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour,
                tm.tm_min, tm.tm_sec);
        fclose(log);
    }
    if (!refuse)
        offset = ns - realNowNs();
    const char* share = getenv("CLOCK_INTERCEPT_SHARE");
    FILE* f = !refuse && share ? fopen(share, "we") : NULL;
    if (f)
        fprintf(f, "%lld\n", (long long)offset), fclose(f);
    pthread_mutex_unlock(&lock);
    return refuse ? (errno = EPERM, -1) : 0;
}

int clock_gettime(clockid_t id, struct timespec* ts) {
    const int64_t now = seenNowNs();
    if (id != CLOCK_REALTIME && id != CLOCK_REALTIME_COARSE)
        return realGettime(id, ts);
    ts->tv_sec = (time_t)(now / 1000000000 - (now % 1000000000 < 0));
    ts->tv_nsec = (long)(now - (int64_t)ts->tv_sec * 1000000000);
    return 0;
}

/* Nothing is passed on: only the real-time clock can be set, and that one is ours. */
int clock_settime(clockid_t id, const struct timespec* ts) {
    if (id != CLOCK_REALTIME || ts->tv_nsec < 0 || ts->tv_nsec >= 1000000000)
        return errno = EINVAL, -1;
    return setSeen((int64_t)ts->tv_sec * 1000000000 + ts->tv_nsec);
}

int settimeofday(const struct timeval* tv, const struct timezone* tz) {
    (void)tz; /* the kernel's time-zone field is obsolete */
    if (tv && (tv->tv_usec < 0 || tv->tv_usec >= 1000000))
        return errno = EINVAL, -1;
    return tv ? setSeen((int64_t)tv->tv_sec * 1000000000 + (int64_t)tv->tv_usec * 1000) : 0;
}
