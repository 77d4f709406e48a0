"""What a screen reader does over the accessibility bus (AT-SPI), for the desktop tests.

  screen_reader.py knobs    checks the four knob halves and presses "Move right" once
  screen_reader.py windows  checks the roles of the toy's windows and the named text box
  screen_reader.py menus    prints each menu title's name and place: NAME<tab>X<tab>Y<tab>W<tab>H
  screen_reader.py popup    prints the place of the menu that is open: X<tab>Y<tab>W<tab>H
Prints what it found wrong and exits non-zero then.
"""
import sys
import time

import pyatspi


def toy():
    # The toy registers on the bus shortly after its window shows.
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "scribblewick":
                return app
        time.sleep(0.1)
    sys.exit("the toy never appeared on the accessibility bus")


def find(root, role, name):
    return pyatspi.findDescendant(root, lambda n: n.getRoleName() == role and n.name == name)


def knobs(app):
    for name in ("Move left", "Move right", "Move up", "Move down"):
        knob = find(app, "push button", name)
        if knob is None:
            sys.exit(f"no button named {name!r}")
        if knob.getState().contains(pyatspi.STATE_FOCUSABLE):
            sys.exit(f"{name!r} says it takes the keyboard focus")
        action = knob.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        if names != ["Press"]:
            sys.exit(f"{name!r} has the actions {names}")
    screen = pyatspi.findDescendant(app, lambda n: n.name == "Drawing screen")
    if screen is None or "A or 4" not in screen.description:
        sys.exit("the drawing screen does not say which keys draw")
    if not find(app, "push button", "Move right").queryAction().doAction(0):
        sys.exit("pressing 'Move right' failed")


def windows(app):
    wanted = {"How to use Scribblewick!": "frame", "About Scribblewick!": "frame",
              "Tell Pemrod Your Name": "dialog"}
    for _ in range(100):
        found = {w.name: w.getRoleName() for w in app if w is not None}
        if all(title in found for title in wanted):
            break
        time.sleep(0.1)
    for title, role in wanted.items():
        if found.get(title) != role:
            sys.exit(f"{title!r} is exposed as {found.get(title)!r}, not {role!r}")
    dialog = [w for w in app if w is not None and w.name == "Tell Pemrod Your Name"][0]
    if find(dialog, "text", "Your name") is None:
        sys.exit("the name dialog's text box has no name")


def place(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return f"{box.x}\t{box.y}\t{box.width}\t{box.height}"


def menus(app):
    bar = None
    for _ in range(100):
        bar = pyatspi.findDescendant(app, lambda n: n.getRoleName() == "menu bar")
        if bar is not None and bar.childCount == 9:
            break
        time.sleep(0.1)
    if bar is None:
        sys.exit("no menu bar")
    for title in bar:
        print(f"{title.name}\t{place(title)}")


def popup(app):
    for _ in range(100):
        shown = pyatspi.findDescendant(
            app, lambda n: n.getRoleName() == "popup menu"
            and n.getState().contains(pyatspi.STATE_SHOWING))
        if shown is not None:
            print(place(shown))
            return
        time.sleep(0.1)
    sys.exit("no menu opened")


if __name__ == "__main__":
    modes = {"knobs": knobs, "windows": windows, "menus": menus, "popup": popup}
    modes[sys.argv[1]](toy())
    if sys.argv[1] in ("knobs", "windows"):
        print("ok")
