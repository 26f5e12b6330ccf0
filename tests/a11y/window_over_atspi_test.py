#!/usr/bin/python3
"""Reads the editor's window the way a screen reader does, over AT-SPI.

The editor runs on a virtual X display of its own, in a D-Bus session of its
own, with Qt's accessibility bridge on. The test checks that every control is
there with its role, the name a screen reader announces and the label linked
to it; then, with the keyboard alone, it loads a file that is no save and
checks that the message line reports its new text.

Usage: window_over_atspi_test.py PATH_TO_QUORVANE
"""
import os
import random
import select
import signal
import subprocess
import sys
import tempfile
import time

CAPTION = "Quorvane pro Pokemon Red/Blue/Yellow"
WRONG_LENGTH_MESSAGE = "Spatna delka souboru !"

# Every control by its role and its place on the window (left, top), the
# name a screen reader gives it, and the caption of the label linked to it.
CONTROLS = [
    ("push button", 16, 8, "Nahrat SAV", None),
    ("push button", 184, 8, "Ulozit SAV", None),
    ("combo box", 128, 40, "Mas Pokemony:", "Mas Pokemony:"),
    ("combo box", 88, 72, "Pokemon:", "Pokemon:"),
    ("check box", 256, 80, "Abecedne", None),
    ("text", 88, 96, "Level:", "Level:"),
    ("text", 248, 104, "Exp.Points:", "Exp.Points:"),
    ("text", 88, 120, "Energie:", "Energie:"),
    ("text", 88, 143, "Attack:", "Attack:"),
    ("combo box", 176, 144, "Moves: 1", None),
    ("text", 88, 167, "Defense:", "Defense:"),
    ("combo box", 176, 168, "Moves: 2", None),
    ("text", 88, 192, "Speed:", "Speed:"),
    ("combo box", 176, 192, "Moves: 3", None),
    ("text", 88, 216, "Special:", "Special:"),
    ("combo box", 176, 216, "Moves: 4", None),
    ("text", 88, 240, "Jmeno:", "Jmeno:"),
    ("text", 88, 264, "OT ID:", "OT ID:"),
    ("text", 200, 264, "OT:", "OT:"),
    ("push button", 240, 288, "Export", None),
    ("push button", 288, 288, "Import", None),
]
MESSAGE_LINE_PLACE = (16, 320)

# Bounds on every wait, so a broken bridge fails the test instead of hanging it.
SESSION_SECONDS = 90
DISPLAY_SECONDS = 15
APPEAR_SECONDS = 30
REACT_SECONDS = 10


def start_display(log):
    """Starts Xvfb on a free display; returns the process and its number.

    The numbers lie far above those that people and tools take by hand, so
    that nobody clears the lock of a display in use. Xvfb refuses a number
    that is taken, and reports one it serves on -displayfd once it is ready.
    The AT-SPI libraries open the display briefly to look for their bus;
    -noreset keeps the server from resetting each time such a client leaves
    it alone, which would refuse the editor's connection meanwhile.
    """
    for _ in range(20):
        number = random.randrange(1000, 2000)
        if os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(f"/tmp/.X11-unix/X{number}"):
            continue
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", f":{number}", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=log, stderr=log)
        os.close(write_end)
        reported = b""
        deadline = time.monotonic() + DISPLAY_SECONDS
        while not reported.endswith(b"\n") and time.monotonic() < deadline:
            ready, _, _ = select.select([read_end], [], [], deadline - time.monotonic())
            chunk = os.read(read_end, 16) if ready else b""
            if not chunk:
                break
            reported += chunk
        os.close(read_end)
        if reported.strip() == str(number).encode():
            return xvfb, str(number)
        xvfb.kill()
        xvfb.wait()
    raise RuntimeError("found no free display for Xvfb")


def end_group(process):
    """Ends a process and everything it started in its session."""
    for sig, grace in ((signal.SIGTERM, 5), (signal.SIGKILL, 5)):
        try:
            os.killpg(process.pid, sig)
        except ProcessLookupError:
            break
        try:
            process.wait(timeout=grace)
        except subprocess.TimeoutExpired:
            continue
    process.poll()


def run_outside(editor):
    with tempfile.TemporaryDirectory(prefix="quorvane-atspi-") as scratch:
        log_path = os.path.join(scratch, "session.log")
        with open(log_path, "w") as log:
            xvfb, display = start_display(log)
            env = {k: v for k, v in os.environ.items() if k not in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS")}
            runtime = os.path.join(scratch, "runtime")
            os.mkdir(runtime, 0o700)
            env.update(DISPLAY=":" + display, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1",
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_RUNTIME_DIR=runtime,
                       XDG_CONFIG_HOME=os.path.join(scratch, "config"), XDG_CACHE_HOME=os.path.join(scratch, "cache"))
            session = subprocess.Popen(
                ["dbus-run-session", "--", sys.executable, os.path.abspath(__file__), "--in-session", editor, scratch],
                env=env, stdout=log, stderr=log, start_new_session=True)
            try:
                code = session.wait(timeout=SESSION_SECONDS)
            except subprocess.TimeoutExpired:
                print(f"FAIL: the session did not finish within {SESSION_SECONDS} s")
                code = 1
            finally:
                end_group(session)
                xvfb.terminate()
                try:
                    xvfb.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    xvfb.kill()
                    xvfb.wait()
        report_path = os.path.join(scratch, "report.txt")
        if os.path.exists(report_path):
            with open(report_path) as report:
                print(report.read(), end="")
        if code != 0:
            with open(log_path) as log:
                print("--- session log ---")
                print(log.read())
    return code


class Window:
    """The editor's window as AT-SPI shows it, with a wait that keeps the
    D-Bus messages flowing."""

    def __init__(self, pyatspi, glib):
        self.pyatspi = pyatspi
        self.context = glib.MainContext.default()
        self.name_changes = []
        pyatspi.Registry.registerEventListener(self._on_name_change, "object:property-change:accessible-name")
        self.app, self.frame = None, None

    def _on_name_change(self, event):
        try:
            self.name_changes.append((event.source, event.source.name))
        except Exception:  # the source may be gone already, as a closed dialog's controls are
            pass

    def wait_for(self, condition, seconds):
        deadline = time.monotonic() + seconds
        while True:
            while self.context.iteration(False):
                pass
            try:
                result = condition()
            except Exception:  # objects come and go while the window builds
                result = None
            if result or time.monotonic() >= deadline:
                return result
            time.sleep(0.05)

    def find_frame(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for app in (desktop.getChildAtIndex(i) for i in range(desktop.childCount)):
            if app is None:
                continue
            for child in (app.getChildAtIndex(i) for i in range(app.childCount)):
                if child is not None and child.name == CAPTION:
                    self.app, self.frame = app, child
                    return child
        return None

    def children(self):
        return [self.frame.getChildAtIndex(i) for i in range(self.frame.childCount)]

    def place(self, accessible):
        x, y, _, _ = accessible.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        fx, fy, _, _ = self.frame.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        return x - fx, y - fy

    def by_place(self):
        """Every child of the window under its role and place."""
        found = {}
        for child in self.children():
            found.setdefault((child.getRoleName(), *self.place(child)), []).append(child)
        return found

    def labelled_by(self, accessible):
        names = []
        for relation in accessible.getRelationSet():
            if relation.getRelationType() == self.pyatspi.RELATION_LABELLED_BY:
                names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
        return names

    def focused(self, accessible):
        return accessible.getState().contains(self.pyatspi.STATE_FOCUSED)

    def dialog(self):
        return next((self.app.getChildAtIndex(i) for i in range(self.app.childCount)
                     if self.app.getChildAtIndex(i).getRoleName() == "dialog"), None)


def focused_descendant(window, node):
    if window.focused(node) and node.getRoleName() == "text":
        return node
    for i in range(node.childCount):
        found = focused_descendant(window, node.getChildAtIndex(i))
        if found is not None:
            return found
    return None


def all_controls_shown(window):
    found = window.by_place()
    return all((role, left, top) in found for role, left, top, _, _ in CONTROLS)


def check_controls(window, failures):
    by_place = window.by_place()
    for role, left, top, name, label in CONTROLS:
        found = by_place.get((role, left, top), [])
        if len(found) != 1:
            failures.append(f"{len(found)} {role}s at {left},{top}, one expected ({name})")
            continue
        if found[0].name != name:
            failures.append(f"{role} at {left},{top} is named {found[0].name!r}, not {name!r}")
        if label is not None and window.labelled_by(found[0]) != [label]:
            failures.append(f"{role} {name!r} is labelled by {window.labelled_by(found[0])}, not [{label!r}]")


def check_message_line_heard(window, editor_log, scratch, failures):
    lines = window.by_place().get(("label", *MESSAGE_LINE_PLACE), [])
    if len(lines) != 1 or not lines[0].name:
        failures.append(f"no message line with the banner at {MESSAGE_LINE_PLACE}")
        return
    message_line = lines[0]
    load = [c for c in window.children() if c.getRoleName() == "push button" and c.name == "Nahrat SAV"][0]

    not_a_save = os.path.join(scratch, "not-a-save.sav")
    with open(not_a_save, "wb") as file:
        file.write(bytes(100))

    def keys(*args):
        subprocess.run(["xdotool", *args], check=True, timeout=REACT_SECONDS, stdout=editor_log, stderr=editor_log)

    keys("search", "--sync", "--name", "^" + CAPTION + "$", "windowfocus", "--sync")
    if not window.wait_for(lambda: window.focused(load), REACT_SECONDS):
        failures.append("the keyboard does not start on \"Nahrat SAV\"")
        return
    keys("key", "space")
    dialog = window.wait_for(window.dialog, REACT_SECONDS)
    if dialog is None:
        failures.append("Space on \"Nahrat SAV\" opened no dialog")
        return
    if window.wait_for(lambda: focused_descendant(window, dialog), REACT_SECONDS) is None:
        failures.append("the file dialog does not take typing in a text field")
        return
    keys("type", "--delay", "10", not_a_save)
    keys("key", "Return")
    if not window.wait_for(lambda: message_line.name == WRONG_LENGTH_MESSAGE, REACT_SECONDS):
        failures.append(f"the message line reads {message_line.name!r}, not {WRONG_LENGTH_MESSAGE!r}")
        return
    heard = [name for source, name in window.name_changes if source == message_line]
    if WRONG_LENGTH_MESSAGE not in heard:
        failures.append(f"no name change of the message line reported its text; heard {heard}")
    if window.dialog() is not None:
        failures.append("the file dialog stayed open after Return")


def run_inside(editor, scratch):
    import pyatspi
    from gi.repository import GLib

    failures = []
    with open(os.path.join(scratch, "editor.log"), "w") as editor_log:
        process = subprocess.Popen([editor], cwd=scratch, stdout=editor_log, stderr=editor_log)
        try:
            window = Window(pyatspi, GLib)
            if window.wait_for(window.find_frame, APPEAR_SECONDS) is None:
                failures.append(f"no window {CAPTION!r} appeared over AT-SPI within {APPEAR_SECONDS} s")
            else:
                window.wait_for(lambda: all_controls_shown(window), REACT_SECONDS)
                check_controls(window, failures)
                check_message_line_heard(window, editor_log, scratch, failures)
        except Exception as error:  # a tool that failed or timed out fails the test with its reason
            failures.append(f"{type(error).__name__}: {error}")
        finally:
            process.terminate()
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
    # The daemons of the session write to the standard output they inherit,
    # so the outcome goes to a file of its own, which the outer run prints.
    with open(os.path.join(scratch, "report.txt"), "w") as report:
        for failure in failures:
            print("FAIL:", failure, file=report)
        if failures:
            with open(os.path.join(scratch, "editor.log")) as log:
                print("--- editor log ---", file=report)
                print(log.read(), file=report)
            return 1
        print(f"{len(CONTROLS)} controls named and labelled; the message line reported its new text", file=report)
    return 0


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "--in-session":
        sys.exit(run_inside(sys.argv[2], sys.argv[3]))
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(run_outside(os.path.abspath(sys.argv[1])))
