"""The game on an X display of its own: a virtual X server (Xvfb) no other run
shares, and the game's visible windows on it, found by caption through xdotool;
for the end-to-end runs, the package check and the screenshot tool."""

import os
import select
import shutil
import subprocess
import time

# The programs these runs need, and the Debian packages that bring them.
X_TOOLS = {"Xvfb": "xvfb", "xdotool": "xdotool", "import": "imagemagick"}
PATIENCE = 30  # seconds a step may take at most: the sanitized game on a busy machine is slow


def missing_tools(tools=X_TOOLS):
    """'program (package)' for each program of tools that is not on the path."""
    return ["%s (%s)" % (tool, package) for tool, package in tools.items() if not shutil.which(tool)]


class Tally:
    """Checks counted as they are made, each printed "ok - ..." or
    "not ok - ...: detail"; a check gives back its condition."""

    def __init__(self):
        self.passed = self.failed = 0

    def __call__(self, condition, what, detail=""):
        if condition:
            self.passed += 1
            print("ok - " + what, flush=True)
        else:
            self.failed += 1
            print("not ok - " + what + (": " + str(detail) if detail else ""), flush=True)
        return condition

    def summary(self):
        """Prints the counts; the exit status: 1 when a check failed or none was made."""
        print("%d passed, %d failed" % (self.passed, self.failed))
        return 1 if self.failed or not self.passed else 0


def poll(get, accept, timeout):
    """get() until accept() likes its value or timeout seconds have passed; the last value."""
    deadline = time.monotonic() + timeout
    while True:
        value = get()
        if accept(value) or time.monotonic() > deadline:
            return value
        time.sleep(0.1)


class Display:
    """An Xvfb server on a display number it picks itself (-displayfd), so
    runs side by side never share one; -noreset keeps it up while no client
    is connected. options are more of the server's own, such as "-wr" for a
    white root window."""

    def __init__(self, screen="1024x768x24", options=()):
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen, "-nolisten", "tcp", "-noreset", *options],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        # The server writes its number and a newline, maybe in two writes,
        # once it takes connections; closing the pipe before the newline
        # has come would end it.
        answer, deadline = b"", time.monotonic() + PATIENCE
        ready = lambda: select.select([read_end], [], [], max(0, deadline - time.monotonic()))[0]
        try:
            while not answer.endswith(b"\n") and ready() and (piece := os.read(read_end, 16)):
                answer += piece
        finally:
            os.close(read_end)
        number = answer.decode().strip()
        if not answer.endswith(b"\n") or not number.isdigit():
            self.close()
            raise RuntimeError("Xvfb did not start")
        self.name = ":" + number

    def env(self, **extra):
        return dict(os.environ, DISPLAY=self.name, **extra)

    def run(self, *command, text=True):
        return subprocess.run([*map(str, command)], env=self.env(), capture_output=True, text=text)

    def xdotool(self, *args):
        return self.run("xdotool", *args)

    def windows(self, pid):
        """The visible windows of the process pid: {id: caption}."""
        found = self.xdotool("search", "--onlyvisible", "--pid", pid).stdout.split()
        names = {wid: self.xdotool("getwindowname", wid) for wid in found}
        return {wid: name.stdout.rstrip("\n") for wid, name in names.items() if name.returncode == 0}

    def wait_window(self, process, accept, timeout=PATIENCE):
        """The first visible window of process whose caption accept() likes,
        or None once the process has ended or timeout has passed."""
        first = lambda: next((wid for wid, name in self.windows(process.pid).items() if accept(name)), None)
        return poll(first, lambda wid: wid is not None or process.poll() is not None, timeout)

    def close(self):
        self.server.terminate()
        try:
            self.server.wait(5)
        except subprocess.TimeoutExpired:
            self.server.kill()
            self.server.wait()
