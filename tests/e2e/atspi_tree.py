#!/usr/bin/env python3
"""Prints what a screen reader finds of a program on the AT-SPI bus.

    atspi_tree.py APP_NAME TIMEOUT_SECONDS

Waits until the program is on the registry, then prints one line for each of
its windows on screen and everything in them, depth first: the indent, the
role, the name and, where there is one, the description. Exit status 1 when the
program does not come, or shows no window, in time.
"""
import sys
import time

import pyatspi


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def walk(acc, depth, out):
    line = "  " * depth + acc.getRoleName() + ": " + (acc.name or "")
    if acc.description:
        line += " (" + acc.description + ")"
    out.append(line)
    for child in acc:
        if child is not None:
            walk(child, depth + 1, out)


def find_app(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            return app
    return None


def main():
    name, timeout = sys.argv[1], float(sys.argv[2])
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        app = find_app(name)
        windows = [w for w in app if w is not None and showing(w)] if app else []
        if windows:
            out = []
            for w in windows:
                walk(w, 0, out)
            print("\n".join(out))
            return 0
        time.sleep(0.25)
    print(f"{name} did not show a window on the AT-SPI bus in {timeout:g} s", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
