"""Where things are: the Wine desktop's environment (written by tests/wine/desktop.sh) and the
e2e tools, read from the variables velamo_add_e2e_test() sets."""

import os
import shlex
from pathlib import Path

_WINE_VARIABLES = ("DISPLAY", "WINEPREFIX", "WINEARCH", "WINEDEBUG", "LC_ALL", "WINEDLLOVERRIDES")


class Environment:
    """The environment programs run in, and paths to the tools.

    Attributes: vars (dict for subprocess), wine_home, probe, targets, artifacts (Path or None).
    """

    def __init__(self, wine_home=None):
        home = wine_home or os.environ.get("VELAMO_WINE_HOME")
        self.wine_home = Path(home) if home else None
        self.vars = dict(os.environ)
        if self.wine_home and (self.wine_home / "env").is_file():
            self.vars.update(read_env_file(self.wine_home / "env"))
        missing = [v for v in _WINE_VARIABLES if not self.vars.get(v)]
        if missing:
            raise RuntimeError(f"no Wine desktop environment ({', '.join(missing)} unset): "
                               "run tests/wine/desktop.sh start HOME and set VELAMO_WINE_HOME")
        self.probe = _path("VELAMO_PROBE")
        self.targets = _path("VELAMO_E2E_TARGETS")
        artifacts = os.environ.get("VELAMO_ARTIFACTS")
        self.artifacts = Path(artifacts) if artifacts else Path.cwd() / "artifacts"

    @property
    def display(self):
        return self.vars["DISPLAY"]


def read_env_file(path):
    """Parses the `export NAME='value'` lines desktop.sh writes."""
    values = {}
    for line in Path(path).read_text().splitlines():
        words = shlex.split(line)
        if len(words) == 2 and words[0] == "export" and "=" in words[1]:
            name, value = words[1].split("=", 1)
            values[name] = value
    return values


def _path(variable):
    value = os.environ.get(variable)
    return Path(value) if value else None
