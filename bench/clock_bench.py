"""Wall time of "zeitfang -time" against that of curl fetching the same page.

Both go through the same local server acting as proxy, in one run, alternating. The program
runs under setpriv without CAP_SYS_TIME and with the tests' clock interception library, as
every run that can set the clock must. Prints figures; it is not a test.
Usage: clock_bench.py [--runs N]   (ZEITFANG_BIN / ZEITFANG_BUILD_DIR as for the e2e tests)
"""
import argparse
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../tests/e2e"))
from clock_run import ClockSandbox, time_host  # noqa: E402
from time_server import TimeServer  # noqa: E402

PAGE = (b"<html><head><title>eBay Offizielle Zeit</title></head><body>\r\n"
        b"<p>Offizielle eBay-Zeit:   08.11.2004 14:05:33 MEZ</p>\r\n</body></html>\r\n")


def timed(run):
    start = time.perf_counter()
    result = run()
    return time.perf_counter() - start, result


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=30)
    args = parser.parse_args()
    server = TimeServer()
    server.body = PAGE
    box = ClockSandbox()
    url = f"http://{time_host()}/aw-cgi/eBayISAPI.dll?TimeShow"
    curl_env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "http_proxy": server.proxy}
    program, curl = [], []
    try:
        for _ in range(args.runs):
            elapsed, r = timed(lambda: box.run_time_mode(server.proxy))
            if r.returncode != 0:
                raise SystemExit(f"zeitfang -time failed with {r.returncode}")
            program.append(elapsed)
            elapsed, r = timed(lambda: subprocess.run(
                ["curl", "-s", "-o", "/dev/null", "-A",
                 "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)", url],
                env=curl_env, check=True))
            curl.append(elapsed)
    finally:
        server.close()
        box.close()
    p, c = statistics.median(program), statistics.median(curl)
    print(f"runs each:                  {args.runs}")
    print(f"zeitfang -time   median:    {p * 1000:8.1f} ms")
    print(f"curl -s          median:    {c * 1000:8.1f} ms")
    print(f"ratio:                      {p / c:8.2f} x  (target: at most 5 x)")


if __name__ == "__main__":
    main()
