"""One clock case against the real systemd-timedated and polkitd, run as root in a mount namespace
of its own without CAP_SYS_TIME: a private system bus at the standard path, a test user who is
polkit's administrator, pkttyagent on a pseudo-terminal answering the dialog, timedated's clock
calls going to the tests' clock library, no RTC. argv[1] is the case as JSON; the last line
printed is what happened, as JSON."""
import atexit
import fcntl
import json
import os
import pty
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import termios
import time
from datetime import datetime

from harness import TZ, time_proxy, wait_for, zone_page

case = json.loads(sys.argv[1])
USER, UID, PASSWORD = "zeitfangprobe", 61234, "Kairola-1404"
tmp, procs = tempfile.mkdtemp(prefix="zeitfang-timedate-"), []
os.chmod(tmp, 0o755)


@atexit.register
def stop_all():  # everything this case started, by its id, and its files
    for proc in reversed(procs):
        if proc.poll() is None:
            os.killpg(proc.pid, signal.SIGKILL)
            proc.wait()
    shutil.rmtree(tmp, ignore_errors=True)


signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))


def spawn(args, **kw):
    procs.append(subprocess.Popen(args, start_new_session=True, **kw))
    return procs[-1]


def write(name, text, mode=0o644):
    path = os.path.join(tmp, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f:
        f.write(text)
    os.chmod(path, mode)
    return path


def run(*args):
    return subprocess.run(args, env={**env, "DISPLAY": case.get("display", "")},
                          capture_output=True, text=True, timeout=30).stdout


def on_bus(name):
    return run("dbus-send", "--system", "--print-reply", "--dest=org.freedesktop.DBus", "/",
               "org.freedesktop.DBus.NameHasOwner", "string:" + name).endswith("true\n")


def mount(*args):
    subprocess.run(["mount", *args], check=True)


# What the namespace sees: its own /run, no RTC, the test user, one polkit rule.
mount("-t", "tmpfs", "tmpfs", "/run")
os.makedirs("/run/dbus"), os.makedirs("/run/polkit")
for rtc in (d for d in os.listdir("/dev") if d.startswith("rtc")):
    mount("--bind", "/dev/null", "/dev/" + rtc)
home = os.path.join(tmp, "home")
crypted = subprocess.run(["perl", "-e", f'print crypt("{PASSWORD}", q($6$zeitfang$))'],
                         capture_output=True, text=True, check=True).stdout
lines = {"passwd": f"{USER}:x:{UID}:{UID}::{home}:/bin/sh", "group": f"{USER}:x:{UID}:",
         "shadow": f"{USER}:{crypted}:20000:0:99999:7:::"}
for name, line in lines.items():
    with open("/etc/" + name) as f:
        mount("--bind", write(name, f.read() + line + "\n", 0o640 if name == "shadow" else 0o644),
              "/etc/" + name)
write("rules.d/00-zeitfang.rules", "polkit.addAdminRule(function(action, subject) "
      f'{{ return ["unix-user:{USER}"]; }});\n')
mount("--bind", os.path.join(tmp, "rules.d"), "/etc/polkit-1/rules.d")
write("home/.config/Orvikwerk.conf", "[Kairola]\nmsgonsync=1\n")
subprocess.run(["chown", "-R", f"{UID}:{UID}", home], check=True)
os.chmod(home, 0o700)

# The clock: the program and timedated share one offset, which only timedated may set.
offset = datetime.fromisoformat(case["start"]).timestamp() - time.time()
share = os.path.join(tmp, "clock")
clock = {"LD_PRELOAD": case["intercept"], "CLOCK_INTERCEPT_OFFSET": repr(offset), "TZ": TZ,
         "CLOCK_INTERCEPT_SHARE": share}
env = {"PATH": os.environ["PATH"], "LANG": "C.UTF-8",
       "DBUS_SYSTEM_BUS_ADDRESS": "unix:path=/run/dbus/system_bus_socket"}

# The bus, which starts timedated. NTP is on only where the service manager says its unit runs.
ntp = "systemd-timesyncd.service" if case.get("ntp") else ""
timedated = next(p for p in ("/lib/systemd/systemd-timedated", "/usr/lib/systemd/systemd-timedated")
                 if os.path.exists(p))
settings = " ".join(f"{k}={v}" for k, v in clock.items())
wrapper = write("timedated", f"#!/bin/sh\nexec env SYSTEMD_TIMEDATED_NTP_SERVICES={ntp} {settings} "
                f"{timedated}\n", 0o755)
write("services/org.freedesktop.timedate1.service",
      f"[D-BUS Service]\nName=org.freedesktop.timedate1\nExec={wrapper}\nUser=root\n")
config = write("bus.conf", f"""<busconfig><type>system</type>
<listen>unix:path=/run/dbus/system_bus_socket</listen><auth>EXTERNAL</auth>
<servicedir>{tmp}/services</servicedir>
<policy context="default"><allow user="*"/><allow own="*"/><allow send_type="method_call"/>
<allow send_destination="*"/><allow receive_sender="*"/></policy></busconfig>""")
spawn(["dbus-daemon", "--config-file=" + config, "--nofork"], env=env)
wait_for(lambda: os.path.exists("/run/dbus/system_bus_socket"), 10, "the bus")
if ntp:
    spawn([sys.executable, os.path.join(os.path.dirname(__file__), "service_manager.py")], env=env)
    wait_for(lambda: on_bus("org.freedesktop.systemd1"), 20, "the service manager")
spawn(["/usr/lib/polkit-1/polkitd", "--no-debug"], env=env, stdout=subprocess.DEVNULL)
wait_for(lambda: on_bus("org.freedesktop.PolicyKit1"), 20, "polkitd")
# Newer polkit has systemd start its helper, no longer setuid, per connection: here by hand.
if os.path.exists("/usr/lib/systemd/system/polkit-agent-helper.socket"):
    spawn(["systemd-socket-activate", "--accept", "--inetd", "-l",
           "/run/polkit/agent-helper.socket", "/usr/lib/polkit-1/polkit-agent-helper-1",
           "--socket-activated"], env=env)
    wait_for(lambda: os.path.exists("/run/polkit/agent-helper.socket"), 10, "the helper socket")
    os.chmod("/run/polkit/agent-helper.socket", 0o666)  # as systemd makes it

server = time_proxy(0, lambda _: zone_page(server.served), offset, fraction=0.0)
user = ["setpriv", f"--reuid={UID}", f"--regid={UID}", "--init-groups",
        "--inh-caps=-sys_time", "--bounding-set=-sys_time"]
window = case["mode"] == "window"
client = spawn([*user, case["bin"], *([] if window else ["-time"])], env={
    **env, **clock, "CLOCK_INTERCEPT_REFUSE": "1", "http_proxy": server.url, "no_proxy": "",
    "NO_PROXY": "", "HOME": home, "XDG_CONFIG_HOME": home + "/.config", "XDG_RUNTIME_DIR": home,
    "DISPLAY": case["display"], "DBUS_SESSION_BUS_ADDRESS": "unix:path=/none"},
    stdout=subprocess.PIPE, stderr=subprocess.PIPE)
began = time.monotonic()

# The agent for that process, on its own terminal as a user sees it.
master, slave = pty.openpty()
notify_r, notify_w = os.pipe()
spawn([*user, "pkttyagent", "--process", str(client.pid), "--notify-fd", str(notify_w)],
      env=env, stdin=slave, stdout=slave, stderr=slave, pass_fds=(notify_w,),
      preexec_fn=lambda: fcntl.ioctl(0, termios.TIOCSCTTY, 0))
os.close(notify_w), os.close(slave)
os.read(notify_r, 1)
screen = b""


def read_screen(wait):
    global screen
    if select.select([master], [], [], wait)[0]:
        try:
            screen += os.read(master, 4096)
        except OSError:  # the agent has gone
            time.sleep(wait)


def message_shown():
    return window and bool(run("xdotool", "search", "--all", "--onlyvisible", "--pid",
                               str(client.pid), "--name", "^Zeitfang$"))


if window:
    wid = wait_for(lambda: run("xdotool", "search", "--onlyvisible", "--pid", str(client.pid))
                   .split(), 30, "the window")[0]
    click = ["xdotool", "mousemove", "--window", wid, "170", "97", "click", "1"]
    run(*click)  # "Uhr synchronisieren"
prompted = answered = closed = exited = None
early_message = False
# Until the program has ended and the dialog been answered, or the message is shown.
while (client.poll() is None or prompted and not answered) and (
        time.monotonic() - began < case["delay"] + 90):
    read_screen(0.1)
    now = time.monotonic()
    exited = exited or client.poll() is not None and now
    if prompted is None and b"Password:" in screen:
        prompted = now
        if case.get("second_click"):
            run(*click)
    if case.get("close_after") and prompted and not closed and (
            now - prompted >= case["close_after"]):
        run("wmctrl", "-i", "-c", wid)
        closed = now
    if prompted and not answered and now - prompted >= case["delay"]:
        early_message = message_shown()
        os.write(master, PASSWORD.encode() + b"\n" if case["answer"] == "password" else b"\x04")
        answered = now
    if not closed and answered and message_shown():
        break
ended = exited or time.monotonic()
read_screen(0.5)
status = client.poll()
out, err = (p.read().decode() if status is not None else "" for p in (client.stdout, client.stderr))
time.sleep(1)  # a set that comes late would show
with open(share) if os.path.exists(share) else open(os.devnull) as f:
    text = f.read().strip()
at = {k: v and v - began for k, v in (("answered", answered), ("ended", ended), ("closed", closed))}
print(json.dumps({"status": status, "stdout": out, "stderr": err, **at,
                  "screen": screen.decode(errors="replace"),
                  "dialogs": screen.count(b"AUTHENTICATING FOR"),
                  "change": int(text) / 1e9 - offset if text else 0.0,
                  "early_message": early_message, "message": message_shown()}))
