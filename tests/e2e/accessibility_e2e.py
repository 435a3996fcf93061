#!/usr/bin/python3
"""End to end, as a player with a screen reader would: the real game under its own Xvfb and
accessibility bus, a puzzle pasted in from the X clipboard (Shift+Insert), a digit typed, the
board copied back out (Ctrl+Shift+C), then Ctrl+A to solve. The grid, the focus and the message
box are read through AT-SPI, the way a screen reader reads them.
Run under dbus-run-session. Usage: accessibility_e2e.py PATH/TO/ninefold"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

PUZZLE = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79"
SOLUTION = "534678912672195348198342567859761423426853791713924856961537284287419635345286179"

children = []


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def wait_for(ready, seconds, what):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = ready()
        if result:
            return result
        time.sleep(0.1)
    fail(what)


def start(args, **kwargs):
    # Each in a process group of its own, so whatever it starts in turn goes with it.
    process = subprocess.Popen(args, start_new_session=True, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, **kwargs)
    children.append(process)
    return process


def start_xvfb():
    read_end, write_end = os.pipe()
    start(["Xvfb", "-displayfd", str(write_end), "-noreset", "-screen", "0", "1024x768x24",
           "-nolisten", "tcp"], pass_fds=(write_end,))
    os.close(write_end)
    with os.fdopen(read_end) as display:
        number = display.readline().strip()
    if not number:
        fail("Xvfb did not start")
    os.environ["DISPLAY"] = ":" + number


def start_accessibility_bus():
    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])

    def bus_owned():
        reply = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
             "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
             "string:org.a11y.Bus"], capture_output=True, text=True).stdout
        return "boolean true" in reply
    wait_for(bus_owned, 20, "the accessibility bus did not start")


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


def clipboard():
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                          timeout=10).stdout.decode()


def main(game):
    if "DBUS_SESSION_BUS_ADDRESS" not in os.environ:
        fail("run me under dbus-run-session")
    work = tempfile.mkdtemp()
    try:
        start_xvfb()
        start_accessibility_bus()
        import pyatspi  # connects to the bus started above
        from gi.repository import GLib

        shutil.copy(game, os.path.join(work, "ninefold"))
        env = {k: v for k, v in os.environ.items()
               if k not in ("QT_QPA_PLATFORMTHEME", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION")}
        env.update(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        start([os.path.join(work, "ninefold")], env=env)
        window = wait_for(lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", "^Ninefold$"],
            capture_output=True, text=True).stdout.split(), 20, "no game window")[0]

        def game_app():
            desktop = pyatspi.Registry.getDesktop(0)
            for app in desktop:
                if app is not None and app.name == "ninefold":
                    return app
            return None
        app = wait_for(game_app, 20, "the game is not on the accessibility bus")

        def find_cells():
            found = pyatspi.findAllDescendants(
                app, lambda a: a.name.startswith("Row ") and
                a.getRole() == pyatspi.ROLE_TABLE_CELL)
            return found if len(found) == 81 else None
        cells = {c.name: c for c in wait_for(find_cells, 20, "the 81 named cells are missing")}

        def cell(index):
            return cells["Row %d, column %d" % ((index - 1) // 9 + 1, (index - 1) % 9 + 1)]

        def value(index):
            return cell(index).queryText().getText(0, -1)

        def values():
            return [value(i) for i in range(1, 82)]

        # What a screen reader hears without asking: focus moves and changed cell texts.
        heard = []
        pyatspi.Registry.registerEventListener(
            lambda e: heard.append(("focus", e.source.name)) if e.detail1 == 1 else None,
            "object:state-changed:focused")
        pyatspi.Registry.registerEventListener(
            lambda e: heard.append(("text", e.source.name)), "object:text-changed:insert")

        def was_heard(kind, name):
            while GLib.MainContext.default().iteration(False):
                pass
            return (kind, name) in heard

        xdotool("mousemove", "0", "0")  # the focus follows the pointer over the grid
        xdotool("windowfocus", "--sync", window)
        subprocess.run(["xclip", "-selection", "clipboard"], input=("\n" + PUZZLE + "\n").encode(),
                       check=True, timeout=10)
        xdotool("key", "shift+Insert")
        expected = ["%s, given" % d if d != "." else "empty" for d in PUZZLE]
        wait_for(lambda: values() == expected, 10, "paste gave %s" % values())

        # Cell 3 is empty; the frame moves there and the move is heard as a focus change.
        xdotool("key", "Right", "Right")
        wait_for(lambda: was_heard("focus", "Row 1, column 3"), 10,
                 "no focus change on row 1, column 3: %s" % heard)
        if not cell(3).getState().contains(pyatspi.STATE_FOCUSED):
            fail("row 1, column 3 is not focused")
        xdotool("key", "4")
        wait_for(lambda: value(3) == "4, given", 10, "typed 4 reads %r" % value(3))
        wait_for(lambda: was_heard("text", "Row 1, column 3"), 10, "typing 4 was not heard")

        xdotool("key", "ctrl+shift+c")
        typed = PUZZLE[:2] + "4" + PUZZLE[3:]
        wait_for(lambda: clipboard() == typed + "\n", 10, "copy gave %r" % clipboard())

        xdotool("key", "ctrl+a")

        def solved_box():
            return pyatspi.findDescendant(app, lambda a: a.name == "Puzzle solved.")
        label = wait_for(solved_box, 30, "no readable \"Puzzle solved.\" box")
        if label.getRole() != pyatspi.ROLE_LABEL:
            fail("the message is read as %s" % label.getRoleName())
        dialog = label
        while dialog is not None and dialog.getRole() not in (pyatspi.ROLE_DIALOG,
                                                               pyatspi.ROLE_ALERT):
            dialog = dialog.parent
        if dialog is None or dialog.name != "Ninefold":
            fail("the message box is not titled Ninefold")
        # Its OK button pressed the way a screen reader presses it.
        ok = pyatspi.findDescendant(dialog, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON)
        ok.queryAction().doAction(0)

        solved = [SOLUTION[i] if typed[i] == "." else "%s, given" % SOLUTION[i]
                  for i in range(81)]
        wait_for(lambda: values() == solved, 10, "after Solve the cells read %s" % values())
        wait_for(lambda: was_heard("text", "Row 9, column 7"), 10, "the solution was not heard")
        print("PASS")
    finally:
        for process in reversed(children):
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            process.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main(sys.argv[1])
