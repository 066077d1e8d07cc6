"""A unittest base class for end-to-end tests: a Session per test, a screenshot on failure."""

import re
import unittest

from .session import Session


class E2ETestCase(unittest.TestCase):
    """self.session is a fresh Session for each test; programs it started end after the test.

    When a test (or its setUp) fails, the screen is saved as artifacts/<test id>/failure.png.
    """

    def setUp(self):
        name = re.sub(r"[^A-Za-z0-9_.-]+", "_", self.id())
        self.session = Session(artifacts_name=name)
        self.addCleanup(self.session.close)
        # Cleanups run last-in first-out: this one sees the screen before the programs end.
        self.addCleanup(self._screenshot_if_failed)

    def _screenshot_if_failed(self):
        result = getattr(getattr(self, "_outcome", None), "result", None)
        failed = any(test is self for test, _ in
                     getattr(result, "failures", []) + getattr(result, "errors", []))
        if failed:
            try:
                print(f"screenshot: {self.session.screenshot('failure')}")
            except Exception as error:  # the failure itself matters more
                print(f"no failure screenshot: {error}")
