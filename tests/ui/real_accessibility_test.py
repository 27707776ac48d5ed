#!/usr/bin/python3
"""The calculator as a blind user hears it: Debian's screen reader, Orca, speaking.

Run by real_accessibility_test.sh inside a private D-Bus session with its accessibility bus, an
X server and openbox. Starts Orca (its own process, ended by its pid) with its debug log line by
line, then the calculator, checks the accessible tree (names, roles, values, nothing unnamed),
and then presses keys as a person does and compares what Orca says, its lines
"SPEECH OUTPUT: '...'", with a table of steps: a whole calculation by keyboard.
"""
import os
import re
import subprocess
import sys
import time

import pyatspi

APP = sys.argv[1]
RUN_ORCA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "run_orca.py")
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


# Every focusable control, and every result, by its name: role and value. A box carries its unit,
# a result its value (the unit is the caption beside it), the solved box says so.
EXPECTED = [
    ("Room Length, feet", "text", "10"),
    ("Lamp Lumens", "text", "2850"),
    ("Luminaire Dirt Depreciation", "text", "0.85"),
    ("Number of Luminaires, solved, 2.5", "text", "2.5"),
    ("Lighting Level, foot-candles", "text", "60"),
    ("Lighting Level unit, foot-candles", "push button", None),
    ("Imperial", "radio button", None),
    ("Paste to Clipboard", "push button", None),
    ("Job and/or room name", "text", "Job and/or Room Name"),
    ("Room Area, 100", "label", None),
    ("square feet", "label", None),
    ("Spacing, 6.3", "label", None),
    ("Uniformity, 1.05", "label", None),
]
GROUPS = ["Room Length", "Room Width", "Room Cavity Height", "Number of Lamps", "Lamp Lumens",
          "Lamp Lumen Depreciation", "Luminaire Dirt Depreciation",
          "Coefficient of Utilization", "Number of Luminaires", "Lighting Level"]

# A whole calculation by keyboard: the keys pressed (xdotool's names, a chord's keys 70 ms
# apart), then the phrases Orca must say, in order, before the next step. None: it says nothing
# for two seconds. Typed text is the keys of its characters. A key that opens a menu or a window
# ends a step: a listener waits to hear it, and keys pressed sooner may reach the old focus.
# A window closed: the main window is back, and the box its focus went back to.
# A step's last phrase: nothing but its phrases and the echo of its keys is heard.
ONLY = "and nothing else"
BACK = ["Candelor - Zonal Cavity Method frame.", "Job and/or room name text."]
STEPS = [
    ("start", [], ["Room Length, feet text.", "10 selected."]),
    ("idle at start", [], None),
    # Nothing per keystroke but the keys; the changed results once they settle.
    ("type 12", ["1", "2"], ["1", "2", "notification Room Area, 120 square feet. Room Cavity Ratio, "
                             "5.5. Number of Luminaires, solved, 3.0."]),
    ("idle", [], None),
    # The unit options are entered at the selected one, from behind too.
    ("units from behind", ["shift+Tab"] * 3, ["Imperial.", "selected radio button"]),
    ("back to the length", ["Tab"] * 3, ["Room Length, feet text."]),
    # Every box's whole value as it gets the focus.
    ("to the width", ["Tab"], ["Room Width, feet text.", "10 selected."]),
    # One key a step: Orca passes over a focus that has already moved on.
    ("to the cavity", ["Tab"], ["Room Cavity Height, feet text.", "6 selected."]),
    ("to the lamps", ["Tab"], ["Number of Lamps text.", "2 selected."]),
    ("to the lumens", ["Tab"], ["Lamp Lumens text.", "2850 selected."]),
    ("lamp menu", ["alt+a"], ["Read me first."]),
    # Orca passes over the rows arrowed past; the row arrived at is said.
    ("lamp type", ["Down", "Down", "Down", "Down", "Down"], ["T8 Linear Fluorescent"]),
    ("lamp lengths", ["Right"], ["2 FT."]),
    # A submenu closed: the entry the focus is back on is said.
    ("lengths closed", ["Escape"], ["notification T8 Linear Fluorescent", ONLY]),
    ("lamp lengths again", ["Right"], []),  # Orca does not say an entry it has just said
    ("lamp length", ["4"], ["T8-25-watt."]),
    ("lamp chosen", ["t"], ["Lamp Lumens text.", "2950", "notification Lamp Lumen Depreciation, "
                            "0.94. Light Loss Factor, 0.8. Number of Luminaires, solved, 2.8. "
                            "Spacing, 6.5 feet. Uniformity, 1.09."]),
    ("to the lamp depreciation", ["Tab"], ["Lamp Lumen Depreciation text.", "0.94 selected."]),
    ("to the dirt depreciation", ["Tab"], ["Luminaire Dirt Depreciation text.", "0.85 selected."]),
    ("type 80", ["8", "0"], ["notification Light Loss Factor, 0.75. Number of Luminaires, solved, "
                             "3.0. Spacing, 6.3 feet. Uniformity, 1.05."]),
    ("to the coefficient", ["Tab"], ["Coefficient of Utilization text.", "0.55 selected."]),
    ("F1", ["F1"], ["alert Coefficient of Utilization (COU)",
                    "Coefficient of Utilization (COU) describes what portion of the luminaire"]),
    ("explanation closed", ["Return"], ["0.55 selected."]),
    ("step up", ["Up"], ["notification Number of Luminaires, solved, 2.9. Spacing, 6.4 feet. "
                         "Uniformity, 1.07."]),
    ("to the luminaires", ["Tab"], ["Number of Luminaires, solved, 2.9 text.", "2.9 selected."]),
    ("to the level", ["Tab"], ["Lighting Level, foot-candles text.", "60 selected."]),
    ("level menu", ["alt+r"], ["By visual task."]),
    ("by building", ["b"], ["U/G parking areas."]),
    ("offices", ["o"], ["General."]),
    ("level chosen", ["g"], ["30", "notification Number of Luminaires, solved, 1.5. Spacing, --. "
                             "Uniformity, --."]),
    ("to the level unit", ["Tab"], ["Lighting Level unit, foot-candles push button."]),
    # Enter on the level unit: the level box's name is heard, then the new unit and level.
    ("to lux", ["Return"], ["Lighting Level, lux text.", "notification Lighting Level unit, lux. "
                            "Lighting Level, 323 lux."]),
    ("to the units", ["Tab", "Tab"], ["Imperial.", "selected radio button"]),
    ("to metres", ["Down"], ["Metric.", "selected radio button", "notification Room Length, 3.66 "
                             "metres. Room Width, 3.05 metres. Room Cavity Height, 1.83 metres. "
                             "Room Area, 11.163 square metres."]),
    ("back to the luminaires", ["shift+Tab"] * 3, ["Number of Luminaires, solved, 1.5 text."]),
    # A key in the solved box: the level is solved from now on.
    ("luminaires stepped", ["Up"], ["notification Lighting Level, solved, 444 lux. Spacing, 2.4 "
                                    "metres. Uniformity, 1.29."]),
    ("to the room length", ["shift+Tab"] * 8, ["Room Length, metres text.", "3.66 selected."]),
    ("invalid", ["0"], ["alert Data Input error. Verify.", "This Value must be greater then 0."]),
    ("message closed", ["Return"], ["Room Length, metres text.", "10 selected.",
                                    "notification Room Area, 30.5 square metres."]),
    ("to the report", ["shift+Tab"], ["Paste to Clipboard push button."]),
    ("report", ["Return"], ["alert Pasting Calculation to Clipboard.", "Click OK to override "
                            "current clipboard content Click Cancel to abort."]),
    ("report confirmed", ["Return"], ["Job and/or room name text.", "Job and/or Room Name selected."]),
    ("help menu", ["alt+h"], ["Read me first."]),
    ("how-to", ["h"], ["How to calculate using Zonal Cavity Method dialog 1. Enter room width, "
                       "length and room cavity height"]),
    ("how-to closed", ["Return"], BACK),
    ("help menu again", ["alt+h"], ["Read me first."]),
    ("about", ["a"], ["About Candelor dialog Tavrin Group Inc. Engineering Software"]),
    # Enter on the focused Read Me button presses it.
    ("to read me", ["Tab"], ["Read Me push button."]),
    ("read me", ["Return"], ["Disclaimer dialog This software is sold as is"]),
    ("disclaimer closed", ["Return"], ["About Candelor dialog"]),
    ("about closed", ["Return"], BACK),
    # The spacing explanation by keyboard.
    ("help menu once more", ["alt+h"], ["Read me first."]),
    ("spacing", ["s"], ["alert Equal Luminaire Spacing.", "This value is calculated as a square "
                        "root of Luminaire Area."]),
    ("spacing closed", ["Return"], BACK),
    # The room plan: the grid in words as it opens, and a changed grid said once it settles.
    ("view menu", ["alt+v"], ["Room Plan."]),
    ("room plan", ["r"], ["Room Plan dialog 2 luminaires: 1 row of 2", "Room plan.",
                          "1 row of 2 luminaires, 5.0 metres apart along the length and 3.1 "
                          "metres across, 2.5 and 1.5 metres from the walls."]),
    ("to the rows", ["alt+r"], ["Rows 1 spin button."]),
    ("one row more", ["Up"], ["2", "notification 2 rows of 1 luminaire, 10.0 metres apart along "
                              "the length and 1.5 metres across, 5.0 and 0.8 metres from the "
                              "walls."]),
    ("plan closed", ["Escape"], BACK),
    # Flat review, up the lines from the job box: each result's unit said once.
    ("flat review", ["KP_Up"], ["Job and/or Room Name"]),
    ("line up", ["KP_Home"], ["selected Metric"]),
    ("line up again", ["KP_Home"], ["Room Area, 30.5 square metres Light Loss Factor, 0.75"]),
    # Nothing of the results over a message; what settled is said once it is answered.
    ("to the level again", ["shift+Tab"] * 3, ["Lighting Level, lux, solved, 162 text."]),
    ("out of range", list("10000000"), ["alert Data Input error. Verify.",
                                        "Sorry input data is out of this calculator range",
                                        "OK push button.", ONLY]),
    ("out of range answered", ["Return"], ["Lighting Level, lux, solved, 48 text.", "notification "
                                           "Room Width, 10 metres. Lamp Lumens, 2850. Room Area, "
                                           "100 square metres. Room Cavity Ratio, 1.83. Lighting "
                                           "Level, solved, 48 lux."]),
    ("idle at the end", [], None),
    ("file menu", ["alt+f"], ["Exit."]),
    ("quit", ["x"], []),
]


class Orca:
    """Orca's speech, read from its debug log as it is written."""

    def __init__(self, log):
        self.log = log
        self.read = 0

    def said(self):
        """What Orca has said since the last call."""
        with open(self.log, encoding="utf-8", errors="replace") as f:
            f.seek(self.read)
            text = f.read()
            self.read = f.tell()
        # An utterance may run over several lines of the log: its own words, blanks folded.
        return [" ".join(m.group(1).split()) for m in
                re.finditer(r"SPEECH OUTPUT: '(.*?)' ?\[?\{'established", text, re.S)]

    def listen(self, seconds):
        time.sleep(seconds)
        return self.said()


def unheard(phrases, heard):
    """The phrases, from the first one not yet heard in order."""
    at = 0
    for i, phrase in enumerate(phrases):
        while at < len(heard) and not heard[at].startswith(phrase):
            at += 1
        if at == len(heard):
            return phrases[i:]
        at += 1
    return []


last_press = {"key": None, "at": 0.0}


def press(keys):
    """Keys as a person presses them: a chord's keys about 70 ms apart, held, then let go."""
    for key in keys:
        # Orca takes a keypad key pressed again within half a second for a double press, a command
        # of its own.
        early = last_press["at"] + 0.6 - time.time()
        if key.startswith("KP_") and key == last_press["key"] and early > 0:
            time.sleep(early)
        last_press.update(key=key, at=time.time())
        *held, last = key.split("+")
        for k in held:
            subprocess.run(["xdotool", "keydown", k], check=True)
            time.sleep(0.07)
        subprocess.run(["xdotool", "key", last], check=True)
        for k in reversed(held):
            time.sleep(0.07)
            subprocess.run(["xdotool", "keyup", k], check=True)
        time.sleep(0.15)


def walk(o, out):
    out.append(o)
    for child in o:
        if child is not None:
            walk(child, out)
    return out


def text_of(o):
    try:
        t = o.queryText()
        return t.getText(0, t.characterCount)
    except NotImplementedError:
        return None


def find_app():
    for _ in range(100):
        for a in pyatspi.Registry.getDesktop(0):
            if a is not None and a.name == "Candelor":
                return a
        time.sleep(0.1)
    return None


def check_tree(app):
    objects = [o for o in walk(app, []) if o.getRoleName() not in ("menu item", "popup menu")]
    named = {o.name: o for o in objects if o.name}
    for name, role, value in EXPECTED:
        o = named.get(name)
        check(o is not None, f"nothing is named {name!r}")
        if o is None:
            continue
        check(o.getRoleName() == role, f"{name!r} is a {o.getRoleName()}, not a {role}")
        if value is not None:
            check(text_of(o) == value, f"{name!r} says {text_of(o)!r}, not {value!r}")
    for group in GROUPS:
        for arrow in ("step up", "step down"):
            o = named.get(f"{group}, {arrow}")
            check(o is not None and o.getRoleName() == "push button",
                  f"no spin arrow named {group}, {arrow}")
    unnamed = [o.getRoleName() for o in objects
               if o.getRoleName() in ("push button", "text", "radio button", "dialog")
               and not o.name]
    check(not unnamed, f"unnamed controls: {unnamed}")


def main():
    home = os.environ["HOME"]
    log = os.path.join(home, "orca-speech.log")
    open(log, "w").close()
    orca = subprocess.Popen(["/usr/bin/python3", RUN_ORCA, log, os.path.join(home, "orca")],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    speech = Orca(log)
    calc = None
    try:
        for _ in range(100):
            if "Screen reader on." in speech.said():
                break
            time.sleep(0.1)
        else:
            check(False, "Orca did not start")
            return
        calc = subprocess.Popen([APP])
        app = find_app()
        check(app is not None, "the calculator does not appear to the accessibility stack")
        if app is None:
            return
        time.sleep(1.5)
        check_tree(app)
        discover = os.environ.get("CANDELOR_SPEECH_DISCOVER")
        for name, keys, phrases in STEPS:
            press(keys)
            if discover or phrases is None:
                heard = speech.listen(2.0)
                if discover:
                    print(f"{name}: {heard}")
                else:
                    check(not heard, f"{name}: Orca said {heard}, nothing expected")
                continue
            # Each phrase in order (a long text by its beginning), others between them allowed
            # unless the step says nothing else.
            only = bool(phrases) and phrases[-1] == ONLY
            phrases = phrases[:-1] if only else phrases
            heard, missing = [], phrases
            deadline = time.time() + 5
            while missing and time.time() < deadline:
                heard += speech.listen(0.1)
                missing = unheard(phrases, heard)
            if missing:
                check(False, f"{name}: Orca never said {missing[0]!r}; it said {heard}")
            if only:
                heard += speech.listen(1.5)
                echo = {k.lower() for k in keys} | {"left alt", "selection deleted."}
                extra = [h for h in heard
                         if h.lower() not in echo and not any(h.startswith(p) for p in phrases)]
                check(not extra, f"{name}: Orca also said {extra}")
        try:
            # Ended, not killed by a signal (a sanitizer's own exit status is its business).
            code = calc.wait(15)
            check(code >= 0, f"the calculator ended by signal {-code} on Alt+F X")
        except subprocess.TimeoutExpired:
            check(False, "the calculator did not end on Alt+F X")
    finally:
        if calc:
            calc.kill()
            calc.wait()
        orca.terminate()
        try:
            orca.wait(5)
        except subprocess.TimeoutExpired:
            orca.kill()
    print(f"speech: {len(failures) == 0 and 1 or 0} passed, {len(failures) and 1 or 0} failed")


main()
sys.exit(1 if failures else 0)
