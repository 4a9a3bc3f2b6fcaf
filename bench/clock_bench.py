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

import http.server
import tempfile
import threading
from datetime import datetime

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../tests/e2e"))
from harness import BIN, NO_SYS_TIME, clock_env  # noqa: E402

PAGE = (b"<html><head><title>eBay Offizielle Zeit</title></head><body>\r\n"
        b"<p>Offizielle eBay-Zeit:   08.11.2004 14:05:33 MEZ</p>\r\n</body></html>\r\n")


class Proxy(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        self.send_response(200)
        self.send_header("Content-Length", str(len(PAGE)))
        self.end_headers()
        self.wfile.write(PAGE)

    def log_message(self, *args):
        pass


def timed(run):
    start = time.perf_counter()
    result = run()
    return time.perf_counter() - start, result


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=30)
    args = parser.parse_args()
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Proxy)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    proxy = f"http://127.0.0.1:{server.server_port}"
    home = tempfile.mkdtemp(prefix="zeitfang-bench-")
    url = "http://cgi1.ebay.de/aw-cgi/eBayISAPI.dll?TimeShow"
    curl_env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "http_proxy": proxy}
    env = {**curl_env, "HOME": home, **clock_env(os.path.join(home, "clock.log"), datetime.now())}
    program, curl = [], []
    try:
        for _ in range(args.runs):
            elapsed, r = timed(lambda: subprocess.run([*NO_SYS_TIME, BIN, "-time"], env=env))
            if r.returncode != 0:
                raise SystemExit(f"zeitfang -time failed with {r.returncode}")
            program.append(elapsed)
            elapsed, r = timed(lambda: subprocess.run(
                ["curl", "-s", "-o", "/dev/null", "-A",
                 "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)", url],
                env=curl_env, check=True))
            curl.append(elapsed)
    finally:
        server.shutdown()
        server.server_close()
    p, c = statistics.median(program), statistics.median(curl)
    print(f"runs each:                  {args.runs}")
    print(f"zeitfang -time   median:    {p * 1000:8.1f} ms")
    print(f"curl -s          median:    {c * 1000:8.1f} ms")
    print(f"ratio:                      {p / c:8.2f} x  (target: at most 5 x)")


if __name__ == "__main__":
    main()
