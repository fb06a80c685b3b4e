"""End-to-end sessions on Wine: a fresh prefix, a private X display and the driver.

A session copies a booted pristine prefix of the wanted Windows version, starts Xvfb on a free
display, installs the program folder into the prefix and talks to the driver (e2e_driver.exe),
which acts as the user. Leaving the session ends the driver, the prefix's wineserver and Xvfb,
so nothing outlives a test.
"""

import os
import re
import select
import shutil
import signal
import struct
import subprocess
import threading
import time
import zlib

WINDOWS_VERSIONS = ("winxp", "vista")
DEFAULT_TIMEOUT_MS = 30000


def on_versions(*versions):
    """Runs a test once for each Windows version given, e.g. @on_versions("winxp", "vista")."""
    def mark(func):
        func.e2e_versions = versions
        return func
    return mark


def control_ids():
    """The fixed control and menu identifiers, read from the program's own header."""
    header = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "ui",
                          "ControlIds.h")
    ids = {}
    with open(header) as f:
        for m in re.finditer(r"constexpr\s+int\s+(\w+)\s*=\s*(\d+)\s*;", f.read()):
            ids[m.group(1)] = int(m.group(2))
    return ids


class DriverError(Exception):
    """The driver answered "err" (the user could not do what the test asked)."""


class TestFailure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise TestFailure(message)


def check_equal(actual, expected, what):
    if actual != expected:
        raise TestFailure("%s: expected %r, got %r" % (what, expected, actual))


def check_eventually(read, expected, what, seconds=15):
    """Checks what `read()` answers once the program has had the time to finish what it was
    asked to do: a busy machine can hold it back longer than any fixed pause."""
    deadline = time.time() + seconds
    actual = read()
    while actual != expected and time.time() < deadline:
        time.sleep(0.1)
        actual = read()
    check_equal(actual, expected, what)


def wait_for_class(session, window_class, seconds=30):
    """The first visible top-level window of that class, (hwnd, class, visible, caption), once
    it shows; None when none did in time."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = [w for w in session.windows() if w[1] == window_class and w[2]]
        if found:
            return found[0]
        session.command("sleep", 250)
    return None


# ---- the protocol ----

def quote(word):
    word = str(word)
    if word and not any(c in word for c in ' \t"\\'):
        return word
    return '"' + word.replace("\\", "\\\\").replace('"', '\\"') + '"'


def unescape(field):
    out = []
    i = 0
    while i < len(field):
        c = field[i]
        if c == "\\" and i + 1 < len(field):
            nxt = field[i + 1]
            out.append({"n": "\n", "t": "\t", "r": "\r", "\\": "\\"}.get(nxt, nxt))
            i += 2
        else:
            out.append(c)
            i += 1
    return "".join(out)


def parse_answer(line):
    parts = line.rstrip("\r\n").split("\t")
    return parts[0], [unescape(p) for p in parts[1:]]


class MessageBox:
    """A message box as the user sees it."""

    def __init__(self, fields):
        self.hwnd, self.caption, self.icon, self.text, buttons = fields[:5]
        self.buttons = buttons.split("|") if buttons else []

    def seen(self):
        """(caption, icon, text, buttons): what the user sees of the box."""
        return (self.caption, self.icon, self.text, self.buttons)

    def __repr__(self):
        return "MessageBox(caption=%r, icon=%r, text=%r, buttons=%r)" % (
            self.caption, self.icon, self.text, self.buttons)


# ---- pictures ----

def bmp_to_png(bmp_path, png_path):
    """Converts the driver's 24-bit BMP into a PNG (standard library only)."""
    with open(bmp_path, "rb") as f:
        data = f.read()
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    bits = struct.unpack_from("<H", data, 28)[0]
    if bits != 24:
        raise ValueError("not a 24-bit bitmap: %s" % bmp_path)
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(abs(height)):
        src_y = abs(height) - 1 - y if height > 0 else y
        row = data[offset + src_y * stride: offset + src_y * stride + width * 3]
        rgb = bytearray(row)
        rgb[0::3], rgb[2::3] = row[2::3], row[0::3]
        rows.append(b"\x00" + bytes(rgb))

    def chunk(kind, payload):
        body = kind + payload
        return struct.pack(">I", len(payload)) + body + struct.pack(">I", zlib.crc32(body))

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, abs(height), 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(b"".join(rows), 9))
    png += chunk(b"IEND", b"")
    with open(png_path, "wb") as f:
        f.write(png)


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n":
        raise TestFailure("not a PNG file: " + path)
    return struct.unpack(">II", head[16:24])


# ---- the machine: prefixes and displays ----

def wine_env(prefix, display=None, user=None, overrides=""):
    env = dict(os.environ)
    env.update({
        "WINEPREFIX": prefix,
        "WINEARCH": "win32",
        "WINEDEBUG": "-all",
        # No offer to install Mono or Gecko: that dialog waits forever.
        "WINEDLLOVERRIDES": "mscoree,mshtml=" + (";" + overrides if overrides else ""),
    })
    env.pop("DISPLAY", None)
    if display:
        env["DISPLAY"] = display
    if user is not None:
        # Wine answers GetUserNameA with the Unix login name it finds in USER.
        env["USER"] = user
    return env


class Xvfb:
    def __init__(self):
        read_fd, write_fd = os.pipe()
        self.proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24",
             "-nolisten", "tcp"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)
        os.close(write_fd)
        number = b""
        deadline = time.time() + 20
        while time.time() < deadline and not number.endswith(b"\n"):
            ready, _, _ = select.select([read_fd], [], [], 1)
            if ready:
                piece = os.read(read_fd, 16)
                if not piece:
                    break
                number += piece
        os.close(read_fd)
        if not number.strip():
            self.stop()
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number.decode().strip()

    def stop(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()


# The display of each prefix whose session is open. Whichever Wine process of a prefix first
# needs the desktop starts it, with its own environment: a command run without the display
# (reg, sc) could start a desktop that can draw nothing, and every window the program then
# opened would fail.
_session_displays = {}


def run_wine(prefix, args, timeout=120, check=False):
    """Runs `wine <args>` in `prefix` and gives the CompletedProcess with its output as bytes.
    In a prefix whose session is open, it runs on the session's display.

    The output goes through files, not pipes: a Wine command that finds no wineserver running
    starts one and its services, which inherit the command's handles and live on; reading a
    pipe until they closed it would never end."""
    import tempfile
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        env = wine_env(prefix, _session_displays.get(prefix))
        done = subprocess.run(["wine"] + list(args), env=env, stdout=out,
                              stderr=err, stdin=subprocess.DEVNULL, timeout=timeout)
        out.seek(0)
        err.seek(0)
        done.stdout, done.stderr = out.read(), err.read()
    if check and done.returncode != 0:
        raise subprocess.CalledProcessError(done.returncode, done.args, done.stdout, done.stderr)
    return done


def stop_wineserver(prefix):
    subprocess.run(["wineserver", "-k"], env=wine_env(prefix),
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)


class Harness:
    """What one test run shares: the paths, and one pristine prefix per Windows version."""

    def __init__(self, dist_dir, driver_dir, work_dir, out_dir):
        self.dist_dir = os.path.abspath(dist_dir) if dist_dir else None
        self.driver_dir = os.path.abspath(driver_dir)
        self.work_dir = os.path.abspath(work_dir)
        self.out_dir = os.path.abspath(out_dir)
        self.screenshot_dir = os.path.join(self.out_dir, "screenshots")
        os.makedirs(self.work_dir, exist_ok=True)
        os.makedirs(self.screenshot_dir, exist_ok=True)
        self._lock = threading.Lock()
        self._pristine = {}
        self._events = {}
        self._counter = 0
        self._doubles = {}
        self._open_sessions = {}  # thread id -> sessions that thread has open

    # A test whose Wine hangs (it happens now and then in Wine's process creation) must not
    # hold up the whole run: the runner ends the Wine of the test's open sessions, which makes
    # every call of the test that waits on it return.

    def session_opened(self, session):
        with self._lock:
            self._open_sessions.setdefault(threading.get_ident(), []).append(session)

    def session_closed(self, session):
        with self._lock:
            sessions = self._open_sessions.get(threading.get_ident(), [])
            if session in sessions:
                sessions.remove(session)

    def end_sessions_of(self, thread_id):
        """Ends the Wine, driver and display of every session `thread_id` has open."""
        with self._lock:
            sessions = list(self._open_sessions.get(thread_id, []))
        for session in sessions:
            session.abort()
        return len(sessions)

    @property
    def driver_exe(self):
        return os.path.join(self.driver_dir, "e2e_driver.exe")

    @property
    def fixture_exe(self):
        return os.path.join(self.driver_dir, "e2e_fixture.exe")

    def next_id(self):
        with self._lock:
            self._counter += 1
            return self._counter

    # Compiler commands for the test doubles (doubles/), for a driver folder built without them.
    DOUBLE_SOURCES = {
        "netapi32.dll": (["-shared", "-static-libgcc"], ["netapi32.c", "netapi32.def"]),
        "command_recorder.exe": (["-static"], ["command_recorder.c"]),
        "planted_library.dll": (["-shared", "-static-libgcc"],
                                ["planted_library.c", "planted_library.def"]),
        "limited_start.exe": (["-static"], ["limited_start.c"]),
    }

    def double(self, file_name):
        """A built test double: beside the driver when the build made it, else compiled here
        once per run."""
        built = os.path.join(self.driver_dir, "doubles", file_name)
        if os.path.exists(built):
            return built
        with self._lock:
            if file_name not in self._doubles:
                flags, sources = self.DOUBLE_SOURCES[file_name]
                here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "doubles")
                out = os.path.join(self.work_dir, "doubles", file_name)
                os.makedirs(os.path.dirname(out), exist_ok=True)
                subprocess.run(["i686-w64-mingw32-gcc", "-O2"] + flags + ["-o", out] +
                               [os.path.join(here, f) for f in sources], check=True)
                self._doubles[file_name] = out
            return self._doubles[file_name]

    def pristine_prefix(self, winver):
        """A booted prefix set to `winver`, made once per run; sessions copy it."""
        if winver not in WINDOWS_VERSIONS:
            raise ValueError("unknown Windows version " + winver)
        with self._lock:
            event = self._events.get(winver)
            owner = event is None
            if owner:
                event = self._events[winver] = threading.Event()
        if owner:
            try:
                self._pristine[winver] = self._boot(winver)
            finally:
                event.set()
        event.wait()
        if winver not in self._pristine:
            raise RuntimeError("the %s prefix could not be made" % winver)
        return self._pristine[winver]

    def _boot(self, winver):
        prefix = os.path.join(self.work_dir, "pristine-" + winver)
        shutil.rmtree(prefix, ignore_errors=True)
        env = wine_env(prefix)
        try:
            subprocess.run(["wineboot", "-i"], env=env, check=True, timeout=300,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            subprocess.run(["wine", "reg", "add", r"HKCU\Software\Wine", "/v", "Version",
                            "/d", winver, "/f"], env=env, check=True, timeout=120,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            # No window manager runs on the private display: Wine is to draw the frames itself
            # and not wait for a manager's answer each time a window hides.
            subprocess.run(["wine", "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v",
                            "Managed", "/d", "N", "/f"], env=env, check=True, timeout=120,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            # The registry reaches its files when the wineserver ends.
            subprocess.run(["wineserver", "-w"], env=env, timeout=120)
        finally:
            stop_wineserver(prefix)
        return prefix


class Session:
    """One program run on a fresh copy of a prefix, with the driver ready for commands.

    user: the name Wine reports for the logged-on user (None keeps the Unix user's name; ""
    makes GetUserNameA fail). overrides: extra WINEDLLOVERRIDES, e.g. "sc.exe=n". env: more
    environment variables for the programs of the session.
    """

    PROGRAM_FOLDER = r"C:\Program Files\Plinvo"

    def __init__(self, harness, winver="winxp", user=None, name="session", overrides="",
                 env=None):
        self.harness = harness
        self.extra_env = env or {}
        self.winver = winver
        self.user = user
        self.name = name
        self.overrides = overrides
        self.dir = os.path.join(harness.work_dir, "%s-%s-%d" % (name, winver, harness.next_id()))
        self.prefix = os.path.join(self.dir, "prefix")
        self.xvfb = None
        self.driver = None
        self._buffer = b""
        self._wine_output = None
        self.log = []
        self.spawned = []

    # life

    def __enter__(self):
        self.harness.session_opened(self)
        try:
            pristine = self.harness.pristine_prefix(self.winver)
            os.makedirs(self.dir)
            subprocess.run(["cp", "-a", pristine, self.prefix], check=True)
            if self.user:
                self._make_profile()
            self.xvfb = Xvfb()
            _session_displays[self.prefix] = self.xvfb.display
            env = wine_env(self.prefix, self.xvfb.display, self.user, self.overrides)
            env.update(self.extra_env)
            # What Wine says about the driver and the programs it starts (nothing unless the
            # session's env sets WINEDEBUG), for reported_events.
            self._wine_output = open(os.path.join(self.dir, "wine-output.log"), "wb")
            self.driver = subprocess.Popen(
                ["wine", self.harness.driver_exe], env=env,
                stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=self._wine_output,
                start_new_session=True)
        except BaseException:
            self.close()
            raise
        return self

    def _make_profile(self):
        """Gives the session's user the profile folders a logged-on user has. Wine makes them
        only for the user who booted the prefix; without a Desktop folder the shell's namespace
        is empty and the folder picker shows no tree."""
        users = os.path.join(self.prefix, "drive_c", "users")
        models = [os.path.join(users, d) for d in sorted(os.listdir(users))
                  if d not in ("Public", self.user)]
        names = {"Desktop"}
        if models:
            names |= {n for n in os.listdir(models[0])
                      if os.path.isdir(os.path.join(models[0], n))}
        for name in names:
            os.makedirs(os.path.join(users, self.user, name), exist_ok=True)

    def __exit__(self, exc_type, exc, tb):
        if exc is not None:
            # What the test did and saw, for the failure report.
            exc.args = ("%s\ndriver log of %s:\n    %s" % (
                exc.args[0] if exc.args else "", os.path.basename(self.dir),
                "\n    ".join(self.log[-60:])),) + exc.args[1:]
        self.close()
        return False

    def abort(self):
        """Called from the runner's watchdog thread: kills what the test waits on, without
        touching the session's state, which the test's own thread still owns."""
        if os.path.isdir(self.prefix):
            try:
                stop_wineserver(self.prefix)
            except (OSError, subprocess.TimeoutExpired):
                pass
        driver = self.driver
        if driver is not None and driver.poll() is None:
            try:
                os.killpg(driver.pid, signal.SIGKILL)
            except OSError:
                pass

    def close(self):
        self.harness.session_closed(self)
        if self.driver is not None and self.driver.poll() is None:
            try:
                self.driver.stdin.write(b"kill\nquit\n")
                self.driver.stdin.flush()
            except OSError:
                pass
        if os.path.isdir(self.prefix):
            stop_wineserver(self.prefix)
        for process in self.spawned:
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        if self.driver is not None:
            try:
                self.driver.wait(10)
            except subprocess.TimeoutExpired:
                os.killpg(self.driver.pid, signal.SIGKILL)
                self.driver.wait()
            self.driver = None
        _session_displays.pop(self.prefix, None)
        if self._wine_output is not None:
            self._wine_output.close()
            self._wine_output = None
        if self.xvfb is not None:
            self.xvfb.stop()
            self.xvfb = None
        if not os.environ.get("E2E_KEEP"):
            shutil.rmtree(self.dir, ignore_errors=True)

    # paths

    def unix_path(self, windows_path):
        """Where a path of drive C: of this session's prefix lies on the Unix side."""
        drive, rest = windows_path[:2], windows_path[2:]
        if drive.upper() != "C:":
            raise ValueError("not on drive C: " + windows_path)
        return os.path.join(self.prefix, "drive_c", *[p for p in rest.split("\\") if p])

    @staticmethod
    def windows_path(unix_path):
        """The name of a Unix file as the programs in the prefix see it (drive Z:)."""
        return "Z:" + os.path.abspath(unix_path).replace("/", "\\")

    def install(self, source_dir=None, folder=None):
        """Copies the program folder into the prefix, as a user who installs it would."""
        source_dir = source_dir or self.harness.dist_dir
        folder = folder or self.PROGRAM_FOLDER
        target = self.unix_path(folder)
        shutil.copytree(source_dir, target, dirs_exist_ok=True)
        return folder

    def put_file(self, source, windows_path):
        """Copies a Unix file into the prefix, e.g. a test double over a system tool."""
        shutil.copyfile(source, self.unix_path(windows_path))

    def read_text(self, windows_path, encoding="latin-1"):
        """The content of a file of drive C:, or None when it does not exist."""
        path = self.unix_path(windows_path)
        if not os.path.exists(path):
            return None
        with open(path, "rb") as f:
            return f.read().decode(encoding)

    def write_text(self, windows_path, text, encoding="latin-1"):
        with open(self.unix_path(windows_path), "wb") as f:
            f.write(text.encode(encoding))

    # programs run beside the driver, as from a command prompt

    def spawn(self, program, *args):
        """Starts a program of the prefix (Windows path) or a Unix file with arguments, on the
        session's display; gives the Popen, whose return code is the program's exit code."""
        env = wine_env(self.prefix, self.xvfb.display, self.user, self.overrides)
        env.update(self.extra_env)
        process = subprocess.Popen(["wine", program] + [str(a) for a in args], env=env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.spawned.append(process)
        return process

    def run(self, program, *args, timeout=120):
        """Runs a program to its end (see spawn); gives its exit code."""
        return self.spawn(program, *args).wait(timeout)

    # Wine 8 keeps no event log: ReportEventW stores nothing and only traces what it was given,
    # the event's type and identifier on the advapi channel (a "fixme"), each insert on the
    # eventlog channel. A session started with env={"WINEDEBUG": EVENT_TRACE} has both for the
    # programs the driver starts.
    EVENT_TRACE = "-all,fixme+advapi,+eventlog"

    def reported_events(self):
        """[(event id, type, [inserts])] of every ReportEventW call so far, in order; the type
        as EVENTLOG_*_TYPE (1 error, 2 warning, 4 information). Wine shortens a long insert."""
        with open(os.path.join(self.dir, "wine-output.log"), "rb") as f:
            lines = f.read().decode("latin-1").splitlines()
        events = []
        for line in lines:
            call = re.search(r"fixme:advapi:ReportEventW \([0-9A-Fa-f]+,0x([0-9a-f]+),0x[0-9a-f]+,"
                             r"0x([0-9a-f]+),", line)
            if call:
                events.append((int(call.group(2), 16), int(call.group(1), 16), []))
                continue
            insert = re.search(r":eventlog:ReportEventW L\"(.*)\"(?:\.\.\.)?$", line)
            if insert and events:
                events[-1][2].append(insert.group(1))
        return events

    def registry_values(self, key):
        """{name: (type, data)} of a key of the running prefix's registry; None when the key
        does not exist."""
        out = run_wine(self.prefix, ["reg", "query", key])
        if out.returncode != 0:
            return None
        values = {}
        for line in out.stdout.decode("latin-1").splitlines():
            m = re.match(r"^ {4}(.+?) {4}(REG_\w+)(?: {4}(.*))?$", line.rstrip("\r"))
            if m:
                values[m.group(1)] = (m.group(2), m.group(3) or "")
        return values

    # the driver

    def command(self, *words, timeout_ms=None):
        """Sends one command; returns the answer's fields or raises DriverError."""
        status, fields = self.try_command(*words, timeout_ms=timeout_ms)
        if status != "ok":
            raise DriverError("%s: %s" % (" ".join(str(w) for w in words),
                                          fields[0] if fields else status))
        return fields

    def try_command(self, *words, timeout_ms=None):
        line = " ".join(quote(w) for w in words) + "\n"
        started = time.time()
        self.log.append(line.rstrip("\n"))
        self.driver.stdin.write(line.encode("latin-1"))
        self.driver.stdin.flush()
        answer = self._read_line((timeout_ms or DEFAULT_TIMEOUT_MS) / 1000.0 + 60)
        self.log.append("  -> %s   (%.2f s)" % (answer, time.time() - started))
        return parse_answer(answer)

    def _read_line(self, seconds):
        deadline = time.time() + seconds
        fd = self.driver.stdout.fileno()
        while b"\n" not in self._buffer:
            left = deadline - time.time()
            if left <= 0:
                raise DriverError("the driver did not answer in %d s" % seconds)
            ready, _, _ = select.select([fd], [], [], left)
            if ready:
                piece = os.read(fd, 65536)
                if not piece:
                    raise DriverError("the driver ended")
                self._buffer += piece
        line, self._buffer = self._buffer.split(b"\n", 1)
        return line.decode("latin-1")

    # what tests do often

    def start(self, exe_windows_path):
        return int(self.command("start", exe_windows_path)[0])

    def start_plinvo(self):
        """Installs the program folder and starts Plinvo.exe from it."""
        folder = self.install()
        return self.start(folder + "\\Plinvo.exe")

    def windows(self):
        """[(hwnd, class, visible, caption)] of every top-level window of the program."""
        fields = self.command("windows")
        return [(fields[i], fields[i + 1], fields[i + 2] == "1", fields[i + 3])
                for i in range(0, len(fields) - 3, 4)]

    def wait_window(self, caption, timeout_ms=DEFAULT_TIMEOUT_MS):
        return self.command("wait-window", caption, timeout_ms, timeout_ms=timeout_ms)[0]

    def wait_msgbox(self, timeout_ms=DEFAULT_TIMEOUT_MS):
        return MessageBox(self.command("wait-msgbox", timeout_ms, timeout_ms=timeout_ms))

    def msgboxes(self):
        fields = self.command("msgboxes")
        return [MessageBox(fields[1 + 5 * i: 6 + 5 * i]) for i in range(int(fields[0]))]

    def answer(self, button, box=None):
        words = ["answer-msgbox", button] + (["hwnd:" + box.hwnd[2:]] if box else [])
        self.command(*words)

    def boxes_until_window(self, caption, timeout_ms=60000, answer="OK", window_shown=None):
        """Collects every message box that shows before the window `caption` does, answering
        each with `answer`. When `window_shown` is a list, it gets for each box whether the
        window was already visible then."""
        boxes = []
        deadline = time.time() + timeout_ms / 1000.0
        while True:
            left = max(1, int((deadline - time.time()) * 1000))
            fields = self.command("wait-next", caption, left, timeout_ms=left)
            if fields[0] == "window":
                return boxes
            box = MessageBox(fields[1:])
            boxes.append(box)
            if window_shown is not None:
                window_shown.append(self.command("window-shown", caption)[0] == "1")
            self.answer(answer, box)

    def wait_exit(self, timeout_ms=DEFAULT_TIMEOUT_MS):
        return int(self.command("wait-exit", timeout_ms, timeout_ms=timeout_ms)[0])

    def screenshot(self, caption, label):
        """Saves a picture of the window as <screenshots>/<label>-<winver>.png."""
        bmp = os.path.join(self.dir, "shot.bmp")
        self.command("screenshot", caption, self.windows_path(bmp))
        png = os.path.join(self.harness.screenshot_dir, "%s-%s.png" % (label, self.winver))
        bmp_to_png(bmp, png)
        os.remove(bmp)
        return png

    def menu_items(self, caption):
        """[(depth, id, enabled, text)] of the window's menu bar, depth first."""
        items = []
        for field in self.command("menu-items", caption):
            depth, ident, state, text = field.split(":", 3)
            items.append((int(depth), int(ident), state == "enabled", text))
        return items

    def list_rows(self, caption, list_id, timeout_ms=None):
        fields = self.command("list-rows", caption, list_id, timeout_ms=timeout_ms)
        rows, columns = int(fields[0]), int(fields[1])
        cells = fields[2:]
        return [cells[r * columns:(r + 1) * columns] for r in range(rows)]

    def list_columns(self, caption, list_id):
        fields = self.command("list-columns", caption, list_id)
        return [(fields[i], int(fields[i + 1])) for i in range(0, len(fields), 2)]

    def clipboard_text_starting(self, beginning, seconds=5):
        """The clipboard's text once it begins with `beginning` (a click or key is posted: the
        program copies once it has read it), or None."""
        deadline = time.time() + seconds
        while time.time() < deadline:
            status, fields = self.try_command("clipboard-text")
            if status == "ok" and fields[0].startswith(beginning):
                return fields[0]
            time.sleep(0.05)
        return None

    def text(self, caption, control_id):
        return self.command("get-text", caption, control_id)[0]

    def flag(self, command, caption, control_id):
        return self.command(command, caption, control_id)[0] == "1"
