#!/usr/bin/python3
"""Runs Orca as installed, with its debug log written line by line, so that a test can read what
it says as it says it: run_orca.py LOG PREFS_DIR. Orca is started as its own process; never with
--replace, which would end every Orca of this user on the machine."""
import builtins
import runpy
import sys

log = sys.argv[1]


def line_buffered_open(name, mode="r", *args, **kwargs):
    if name == log:
        return builtins.open(name, mode, buffering=1, encoding="utf-8")
    return builtins.open(name, mode, *args, **kwargs)


sys.argv = ["orca", "--user-prefs", sys.argv[2], "--debug-file", log]
runpy.run_path("/usr/bin/orca", init_globals={"open": line_buffered_open}, run_name="__main__")
