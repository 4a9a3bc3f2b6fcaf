"""Start-up split into phases by the marks a program appends to the file that
ZEITFANG_STARTUP_MARKS names ("<mark> <steady clock µs>"), each phase ending at its mark."""
import statistics
import time

PHASES = (("main", "process start and dynamic linking"), ("toolkit", "toolkit set-up"),
          ("platform", "platform services"), ("fonts", "fonts"), ("window", "window and controls"),
          ("settings", "settings"), ("capture", "start-up capture"), ("placement", "placement"),
          ("refresh", "first refresh"), ("shown", "show"), ("focus", "focus and accessibility"),
          ("mapped", "until mapped (first paint)"), ("seen", "until seen (first paint)"))


def now_us(clock=time.CLOCK_MONOTONIC):
    """The programs' steady clock: CLOCK_MONOTONIC on Linux, CLOCK_MONOTONIC_RAW under Wine."""
    return time.clock_gettime_ns(clock) // 1000


def read(path, spawned_us, end_us, end="mapped"):
    """Milliseconds of each phase of one run; a phase without its mark joins the next."""
    with open(path) as f:
        marks = {}
        for m, t in (line.split() for line in f):
            marks.setdefault(m, int(t))  # the first, where a mark comes more than once
    marks[end] = end_us
    phases, last = {}, spawned_us
    for mark, _ in PHASES:
        if mark in marks:
            phases[mark], last = (marks[mark] - last) / 1000, marks[mark]
    return phases


def table(runs, unit="ms (median)"):
    """Median of each phase per program, side by side: runs is {program: [phases of a run]}."""
    names = list(runs)
    w = max(10, *(len(n) + 2 for n in names))
    lines = [f"{'phase, ' + unit:38}" + "".join(f"{n:>{w}}" for n in names)]
    for mark, label in PHASES:
        cells = [statistics.median(r[mark] for r in runs[n]) if mark in runs[n][0] else None
                 for n in names]
        if any(c is not None for c in cells):
            lines.append(f"{label:38}" + "".join(f"{'–':>{w}}" if c is None else f"{c:{w}.2f}"
                                                 for c in cells))
    return "\n".join(lines)
