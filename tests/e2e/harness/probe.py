"""velamo_probe.exe driven from Python: one long-lived `serve` process answers each query."""

import json
import queue
import subprocess
import threading

from .geometry import Rect


def windows_path(path):
    """A Linux path as Wine's Z: drive shows it."""
    return "Z:" + str(path).replace("/", "\\")


class ProbeError(RuntimeError):
    pass


class Probe:
    """Asks the desktop about its windows. Each method returns the probe's parsed JSON."""

    def __init__(self, env, timeout=15.0):
        if not env.probe:
            raise RuntimeError("VELAMO_PROBE is not set: build velamo_probe")
        self._env = env
        self._timeout = timeout
        self._process = None
        self._answers = None
        self._lock = threading.Lock()

    def _start(self):
        self._process = subprocess.Popen(
            ["wine", str(self._env.probe), "serve"], env=self._env.vars,
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self._answers = queue.Queue()
        threading.Thread(target=self._read, args=(self._process, self._answers),
                         daemon=True).start()

    @staticmethod
    def _read(process, answers):
        for line in iter(process.stdout.readline, b""):
            answers.put(line)
        process.stdout.close()
        answers.put(None)

    def query(self, *words):
        """Runs one probe command (e.g. query("children", hwnd)) and returns its JSON value."""
        line = " ".join(_quote(str(w)) for w in words) + "\n"
        with self._lock:
            for attempt in (1, 2):
                if self._process is None or self._process.poll() is not None:
                    self._start()
                try:
                    self._process.stdin.write(line.encode("utf-8"))
                    self._process.stdin.flush()
                    answer = self._answers.get(timeout=self._timeout)
                except (BrokenPipeError, queue.Empty) as error:
                    self._stop_process()
                    if attempt == 2:
                        raise ProbeError(f"probe gave no answer to {line.strip()!r}") from error
                    continue
                if answer is None:  # the probe died: start another
                    self._stop_process()
                    continue
                result = json.loads(answer.decode("utf-8"))
                if isinstance(result, dict) and "error" in result:
                    raise ProbeError(f"probe {line.strip()!r}: {result['error']}")
                return result
        raise ProbeError(f"probe failed on {line.strip()!r}")

    def close(self):
        with self._lock:
            self._stop_process()

    def _stop_process(self):
        if self._process is not None:
            try:
                self._process.stdin.close()
                self._process.wait(timeout=5)
            except (OSError, subprocess.TimeoutExpired):
                self._process.kill()
                self._process.wait()
            self._process = None

    # One method per probe command.
    def toplevel(self):
        return self.query("toplevel")

    def window(self, hwnd):
        return self.query("window", hwnd)

    def children(self, hwnd):
        return self.query("children", hwnd)["children"]

    def listbox(self, hwnd):
        return self.query("listbox", hwnd)

    def listview(self, hwnd):
        return self.query("listview", hwnd)

    def focus(self):
        return self.query("focus")

    def cursor(self):
        return self.query("cursor")

    def icons(self, path):
        return self.query("icons", windows_path(path) if str(path).startswith("/") else path)

    def taskbar(self):
        return self.query("taskbar")

    def metrics(self):
        return self.query("metrics")

    def point(self, x, y):
        return self.query("point", x, y)

    def taskbar_rect(self):
        return Rect.from_json(self.taskbar()["rect"])


def _quote(word):
    return f'"{word}"' if (" " in word or "\t" in word or not word) else word
