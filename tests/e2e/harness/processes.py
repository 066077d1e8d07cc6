"""Windows programs started under Wine, with their standard output collected line by line."""

import json
import subprocess
import threading

from .waiting import wait_until


class WineProcess:
    """A program run as `wine EXE ARGS...` in the test desktop's environment.

    stdout lines are kept in .lines (str) and, when they are JSON objects, in .events (dict);
    stderr lines in .errors. .pid is the Linux process id (Wine runs the program in it).
    """

    def __init__(self, env, exe, args=(), cwd=None):
        self.exe = str(exe)
        self.args = [str(a) for a in args]
        self.lines = []
        self.events = []
        self.errors = []
        self._lock = threading.Lock()
        self.popen = subprocess.Popen(
            ["wine", self.exe, *self.args], env=env.vars, cwd=cwd,
            stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        self._readers = [
            threading.Thread(target=self._read, args=(self.popen.stdout, True), daemon=True),
            threading.Thread(target=self._read, args=(self.popen.stderr, False), daemon=True),
        ]
        for reader in self._readers:
            reader.start()

    @property
    def pid(self):
        return self.popen.pid

    @property
    def running(self):
        return self.popen.poll() is None

    @property
    def returncode(self):
        return self.popen.poll()

    def _read(self, stream, is_stdout):
        for raw in iter(stream.readline, b""):
            line = raw.decode("utf-8", errors="replace").rstrip("\r\n")
            with self._lock:
                if not is_stdout:
                    self.errors.append(line)
                    continue
                self.lines.append(line)
                if line.startswith("{"):
                    try:
                        self.events.append(json.loads(line))
                    except ValueError:
                        pass
        stream.close()

    def find_events(self, event=None, since=0, **fields):
        """Events (from index since on) whose "event" is event and whose fields equal fields."""
        with self._lock:
            found = self.events[since:]
        return [e for e in found
                if (event is None or e.get("event") == event)
                and all(e.get(k) == v for k, v in fields.items())]

    def event_count(self):
        with self._lock:
            return len(self.events)

    def wait_event(self, event=None, timeout=10.0, since=0, **fields):
        """Waits for an event like find_events describes and returns the first one."""
        def seen():
            found = self.find_events(event, since, **fields)
            if found:
                return found[0]
            if not self.running and not self.find_events(event, since, **fields):
                raise AssertionError(f"{self.exe} exited ({self.returncode}) before event "
                                     f"{event} {fields}; stderr: {self.errors[-5:]}")
            return None
        return wait_until(seen, timeout, what=f"event {event} {fields} from {self.exe}")

    def wait_exit(self, timeout=10.0):
        wait_until(lambda: not self.running, timeout, what=f"{self.exe} to exit")
        for reader in self._readers:
            reader.join(timeout=2)
        return self.returncode

    def kill(self):
        """Ends the program at once (the wineserver cleans up its windows)."""
        if self.running:
            self.popen.kill()
        self.popen.wait(timeout=10)
        for reader in self._readers:
            reader.join(timeout=2)


def run_wine(env, exe, args=(), timeout=30.0):
    """Runs a program to its end; returns (exit code, stdout, stderr) as text."""
    done = subprocess.run(["wine", str(exe), *[str(a) for a in args]], env=env.vars,
                          stdin=subprocess.DEVNULL, capture_output=True, timeout=timeout)
    return (done.returncode, done.stdout.decode("utf-8", errors="replace"),
            done.stderr.decode("utf-8", errors="replace"))
