/*
 * LD_PRELOAD library for the tests: the program sees a clock of its own, and setting it never
 * reaches the kernel. Only the real-time clock is touched; CLOCK_MONOTONIC and the other
 * clocks go straight through, so Qt's timers keep their real pace.
 *
 * Environment, read once when the first call arrives:
 *   CLOCK_INTERCEPT_OFFSET  seconds added to every real-time read from the start (may be
 *                           negative or fractional; default 0).
 *   CLOCK_INTERCEPT_LOG     file to which every set appends one line
 *                           "set <epoch seconds> <local YYYY-MM-DD HH:MM:SS>".
 *   CLOCK_INTERCEPT_REFUSE  "1": every set fails with EPERM as for a user without the right,
 *                           is logged as "refused ..." and leaves the seen clock alone.
 * Otherwise a set of CLOCK_REALTIME (clock_settime or settimeofday) returns success and the
 * seen clock continues from the time set.
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <pthread.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/time.h>
#include <time.h>
#include <unistd.h>

typedef int (*ClockGettimeFn)(clockid_t, struct timespec*);

static pthread_once_t once = PTHREAD_ONCE_INIT;
static pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;
static ClockGettimeFn realGettime;
static int refuse;
static const char* logPath;
/* The seen clock: at real time anchorReal it showed anchorSeen; both in nanoseconds. */
static int64_t anchorReal;
static int64_t anchorSeen;

static int64_t realNowNs(void) {
    struct timespec ts = {0, 0};
    realGettime(CLOCK_REALTIME, &ts);
    return (int64_t)ts.tv_sec * 1000000000 + ts.tv_nsec;
}

static void init(void) {
    /* memcpy, because ISO C has no conversion from an object to a function pointer. */
    void* p = dlsym(RTLD_NEXT, "clock_gettime");
    memcpy(&realGettime, &p, sizeof p);

    const char* text = getenv("CLOCK_INTERCEPT_REFUSE");
    refuse = text && strcmp(text, "1") == 0;
    logPath = getenv("CLOCK_INTERCEPT_LOG");
    double offset = 0;
    text = getenv("CLOCK_INTERCEPT_OFFSET");
    if (text && *text)
        offset = strtod(text, NULL);
    anchorReal = realNowNs();
    anchorSeen = anchorReal + (int64_t)(offset * 1e9);
}

static int isRealtime(clockid_t id) {
    return id == CLOCK_REALTIME || id == CLOCK_REALTIME_COARSE;
}

static int64_t seenNowNs(void) {
    pthread_once(&once, init);
    pthread_mutex_lock(&lock);
    const int64_t now = anchorSeen + (realNowNs() - anchorReal);
    pthread_mutex_unlock(&lock);
    return now;
}

static void logSet(const char* word, time_t seconds) {
    if (!logPath || !*logPath)
        return;
    struct tm tm;
    memset(&tm, 0, sizeof tm);
    localtime_r(&seconds, &tm);
    char line[128];
    const int n = snprintf(line, sizeof line, "%s %lld %04d-%02d-%02d %02d:%02d:%02d\n", word,
                           (long long)seconds, tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                           tm.tm_hour, tm.tm_min, tm.tm_sec);
    const int fd = open(logPath, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    if (write(fd, line, (size_t)n) < 0) {
        /* nothing to do: the test will miss the line */
    }
    close(fd);
}

static int setSeen(int64_t ns) {
    pthread_once(&once, init);
    pthread_mutex_lock(&lock);
    const time_t seconds = (time_t)(ns >= 0 ? ns / 1000000000 : -((-ns + 999999999) / 1000000000));
    logSet(refuse ? "refused" : "set", seconds);
    if (!refuse) {
        anchorReal = realNowNs();
        anchorSeen = ns;
    }
    pthread_mutex_unlock(&lock);
    if (refuse) {
        errno = EPERM;
        return -1;
    }
    return 0;
}

int clock_gettime(clockid_t id, struct timespec* ts) {
    pthread_once(&once, init);
    if (!isRealtime(id))
        return realGettime(id, ts);
    const int64_t now = seenNowNs();
    int64_t sec = now / 1000000000;
    int64_t nsec = now % 1000000000;
    if (nsec < 0) {
        nsec += 1000000000;
        --sec;
    }
    ts->tv_sec = (time_t)sec;
    ts->tv_nsec = (long)nsec;
    return 0;
}

int gettimeofday(struct timeval* restrict tv, void* restrict tz) {
    if (tz)
        memset(tz, 0, sizeof(struct timezone));
    struct timespec ts;
    clock_gettime(CLOCK_REALTIME, &ts);
    tv->tv_sec = ts.tv_sec;
    tv->tv_usec = ts.tv_nsec / 1000;
    return 0;
}

time_t time(time_t* out) {
    struct timespec ts;
    clock_gettime(CLOCK_REALTIME, &ts);
    if (out)
        *out = ts.tv_sec;
    return ts.tv_sec;
}

int clock_settime(clockid_t id, const struct timespec* ts) {
    /* Nothing is passed on: only the real-time clock can be set, and that one is ours. */
    if (id != CLOCK_REALTIME || ts->tv_nsec < 0 || ts->tv_nsec >= 1000000000) {
        errno = EINVAL;
        return -1;
    }
    return setSeen((int64_t)ts->tv_sec * 1000000000 + ts->tv_nsec);
}

int settimeofday(const struct timeval* tv, const struct timezone* tz) {
    (void)tz; /* the kernel's time-zone field is obsolete */
    if (!tv)
        return 0;
    if (tv->tv_usec < 0 || tv->tv_usec >= 1000000) {
        errno = EINVAL;
        return -1;
    }
    return setSeen((int64_t)tv->tv_sec * 1000000000 + (int64_t)tv->tv_usec * 1000);
}
