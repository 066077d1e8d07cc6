"""Polling with a deadline: every wait in the harness goes through wait_until."""

import time


class WaitTimeout(AssertionError):
    """A condition did not come true in time; an AssertionError so tests report it as a failure."""


def wait_until(condition, timeout=10.0, interval=0.05, what=None):
    """Calls condition() until it returns something truthy, and returns that value.

    Raises WaitTimeout after timeout seconds, naming what was awaited and the last value seen.
    """
    deadline = time.monotonic() + timeout
    last = None
    while True:
        last = condition()
        if last:
            return last
        if time.monotonic() >= deadline:
            awaited = what or getattr(condition, "__name__", "condition")
            raise WaitTimeout(f"timed out after {timeout:.1f} s waiting for {awaited}; "
                              f"last: {last!r}")
        time.sleep(interval)
