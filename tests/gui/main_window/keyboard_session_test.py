#!/usr/bin/python3
"""An operator session with the keyboard alone, on the real program under a virtual display
with a window manager: every fill command by Tab, Space, Return or its Alt key, a fiscal code
typed, corrected and saved, the preview, "Impostazioni foglio" reached by Tab, a print to a
PDF file, and "ESCI". Keys go in through xdotool; what happened is read back as a screen
reader reads it, through the accessibility bus (AT-SPI), and from the files written.

Usage: keyboard_session_test.py PATH/TO/quirelle
"""
import calendar
import datetime
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

QUIRELLE = os.path.realpath(sys.argv[1])
WORK = tempfile.mkdtemp(prefix="quirelle-keys-")
SHOTS = os.environ.get("QUIRELLE_E2E_SHOTS")  # a folder: a screenshot at every failure
processes = []
pyatspi = None


def fail(message):
    if SHOTS:
        subprocess.run(["import", "-window", "root", os.path.join(SHOTS, "keyboard-session-failure.png")])
    raise SystemExit("FAIL: " + message)


def start(args, **kw):
    p = subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kw)
    processes.append(p)
    return p


def wait_for(what, condition, seconds=15):
    end = time.time() + seconds
    while time.time() < end:
        try:
            value = condition()
        except Exception:  # the tree changes under us while a window opens or closes
            value = None
        if value:
            return value
        time.sleep(0.1)
    fail("gave up waiting for " + what)


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        time.sleep(0.15)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)
    time.sleep(0.2)


# --- the virtual display, its window manager, the session bus and the accessibility bus

def start_desktop():
    read_end, write_end = os.pipe()
    start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-noreset", "-nolisten", "tcp"],
          pass_fds=(write_end,))
    os.close(write_end)
    display = os.read(read_end, 32).decode().strip()
    os.environ["DISPLAY"] = ":" + display
    bus = subprocess.run(["dbus-launch", "--sh-syntax"], capture_output=True, text=True, check=True).stdout
    for line in bus.splitlines():
        if line.startswith("DBUS_SESSION_BUS_ADDRESS="):
            os.environ["DBUS_SESSION_BUS_ADDRESS"] = line.split("=", 1)[1].rstrip(";").strip("'")
        if line.startswith("DBUS_SESSION_BUS_PID="):
            processes.append(int(line.split("=", 1)[1].rstrip(";")))
    start(["openbox", "--sm-disable"])
    wait_for("the window manager", lambda: "window id" in subprocess.run(
        ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], capture_output=True, text=True).stdout)
    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    time.sleep(1)


# --- reading the program as a screen reader does

def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == "quirelle":
            return app
    return None


def showing(root):
    """`root` and every showing object below it; a table's cells belong to the table. (Walking
    hidden menus and every cell makes each look-up take a second.)"""
    stack = [root]
    while stack:
        node = stack.pop()
        if node is None or not node.getState().contains(pyatspi.STATE_SHOWING):
            continue
        yield node
        if node.getRoleName() != "table":
            stack.extend(reversed(list(node)))


def find(role, name, root=None):
    """The showing object of `role` named `name` in the program's windows."""
    for window in ([root] if root else list(application())):
        for node in showing(window):
            if node.getRoleName() == role and node.name.strip() == name:
                return node
    return None


def window_named(prefix):
    return next((w for w in application() if w is not None and w.name.startswith(prefix) and
                 w.getState().contains(pyatspi.STATE_SHOWING)), None)


def rows(table_name):
    return find("table", table_name).queryTable().nRows


def text_of(role, name):
    return find(role, name).queryText().getText(0, -1)


def focused(role, name):
    active = next((w for w in application() if w is not None and w.getState().contains(pyatspi.STATE_ACTIVE)), None)
    node = find(role, name, active) if active else None
    return node is not None and node.getState().contains(pyatspi.STATE_FOCUSED)


def expect_rows(table, count, after):
    wait_for(f"{count} rows in {table} after {after}", lambda: rows(table) == count)
    print(f"ok: {after}: {count} rows in {table}")


def answer_box(expected_text):
    """The program's message box: its text read aloud, then Return."""
    def box():
        for w in application():
            if w is not None and w.getRoleName() in ("alert", "dialog") and w.name.startswith("Quirelle") and \
                    w.getState().contains(pyatspi.STATE_SHOWING):
                return w
        return None
    found = wait_for("a message box", box)
    texts = [n.name for n in pyatspi.findAllDescendants(found, lambda n: n.getRoleName() == "label")]
    if not any(expected_text in t for t in texts):
        fail(f"the box says {texts}, not {expected_text!r}")
    keys("Return")
    wait_for("the box to close", lambda: box() is None)


def tab_until(role, name, most=40):
    for _ in range(most):
        if focused(role, name):
            return
        keys("Tab")
    fail(f"{most} Tabs never reached {role} {name!r}")


def main():
    global pyatspi
    start_desktop()
    import pyatspi as atspi  # needs the accessibility bus started above
    pyatspi = atspi

    os.chdir(WORK)
    with open("cf0.txt", "wb") as f:
        f.write(b"AAAAAA85T10A562A\r\n")
    # Full files: 51 exemption codes and 30 oxygen codes, as many as each command takes.
    with open("ESENZIONI.txt", "w") as f:
        f.write("".join(f"E{n:02}\n" for n in range(1, 52)))
    with open("OXY.txt", "w") as f:
        f.write("".join(f"OX{n:02}\n" for n in range(1, 31)))
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", HOME=WORK,
               CUPS_SERVER=os.path.join(WORK, "no-spooler.sock"))  # only the PDF file printer
    env.pop("QT_QPA_PLATFORM", None)
    program = start([QUIRELLE], env=env)
    wait_for("the main window", lambda: application() and window_named("Quirelle 2.51"), 30)
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "Quirelle 2.51",
                    "windowactivate", "--sync"], check=False)
    wait_for("the month box to have the focus", lambda: focused("text", "Mese"))

    # Every fill command: "Codici" by Tab and Space, "Calendario" by Tab and Return, the others
    # by their Alt keys.
    keys("Tab", "Tab")
    wait_for("Tab to reach Codici", lambda: focused("push button", "Codici"))
    keys("space")
    expect_rows("Lista di stampa", 54, "Codici")
    keys("Tab", "Tab")
    wait_for("Tab to reach Calendario", lambda: focused("push button", "Calendario"))
    keys("Return")
    today = datetime.date.today()
    expect_rows("Lista di stampa", calendar.monthrange(today.year, today.month)[1], "Calendario")
    keys("alt+z")
    expect_rows("Lista di stampa", 51, "Codici Esenzioni (Alt+Z)")
    keys("alt+o")
    expect_rows("Lista di stampa", 30, "Codici Ossigeno (Alt+O)")

    # A fiscal code typed with a slip, mended, checked on leaving the edit (the check corrects
    # the last letter), and saved.
    keys("Tab")
    wait_for("Tab to reach the fiscal-code edit", lambda: focused("text", "Registra e controllo"))
    type_text("GLLPLA75C12L2XX")
    keys("BackSpace", "BackSpace")
    type_text("11A")
    keys("Tab")
    answer_box("V")
    if text_of("text", "Registra e controllo") != "GLLPLA75C12L211V":
        fail("the check did not correct the code")
    # Tab went on to the fiscal-code grid, where Return copies the current code into "Ora in
    # memoria".
    tab_until("table", "Codici fiscali in memoria")
    keys("ctrl+Home", "Return")
    wait_for("the code in Ora in memoria", lambda: text_of("text", "Ora in memoria") == "AAAAAA85T10A562A")
    print("ok: Return on the fiscal-code grid copied the code")
    keys("alt+s")
    expect_rows("Codici fiscali in memoria", 2, "Salva (Alt+S)")
    keys("alt+f")
    expect_rows("Lista di stampa", 2, "Stampa C.F. (Alt+F)")

    keys("alt+r")
    expect_rows("Lista di stampa", 0, "Reset (Alt+R)")
    keys("shift+Tab", "shift+Tab")
    wait_for("Shift+Tab to reach Barcode libero", lambda: focused("text", "Barcode libero"))
    type_text("abc123")
    keys("alt+n")
    expect_rows("Lista di stampa", 1, "Inserisci (Alt+N)")
    keys("alt+i")
    expect_rows("Lista di stampa", 2, "I (Alt+I)")

    # The window's two heights by keys.
    main_window = window_named("Quirelle 2.51")
    tall = main_window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).height
    keys("alt+minus")
    wait_for("the compact window", lambda: main_window.queryComponent().getExtents(
        pyatspi.DESKTOP_COORDS).height < tall / 2)
    keys("alt+plus")
    wait_for("the full window", lambda: main_window.queryComponent().getExtents(
        pyatspi.DESKTOP_COORDS).height > tall * 0.9)
    print("ok: Alt+- and Alt++ change the window's height")

    # The preview; "Impostazioni foglio" by Tab; a print to a PDF file. A fiscal code is wider
    # than a label of the series sheet: the box says so and the list goes on another sheet.
    keys("alt+p")
    answer_box("non entra nelle etichette")
    preview = wait_for("the preview", lambda: window_named("Anteprima"), 30)
    tab_until("push button", "Impostazioni foglio")
    keys("space")
    wait_for("the sheet settings", lambda: window_named("Impostazioni foglio"))
    keys("Escape")
    wait_for("the sheet settings to close", lambda: not window_named("Impostazioni foglio"))
    wait_for("the focus back on its button", lambda: focused("push button", "Impostazioni foglio"))
    print("ok: Impostazioni foglio reached by Tab, opened with Space, closed with Escape")
    tab_until("push button", "Stampa report")
    keys("Return")
    wait_for("the print dialog", lambda: window_named("Stampa"))
    keys("Return")  # OK: the PDF file printer is the only printer
    wait_for("the file dialog", lambda: window_named("Stampa su file (PDF)"))
    pdf = os.path.join(WORK, "tastiera.pdf")
    keys("ctrl+a")
    type_text(pdf)
    keys("Return")
    wait_for("the PDF", lambda: os.path.exists(pdf) and os.path.getsize(pdf) > 0, 30)
    time.sleep(1)
    text = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True).stdout
    for code in ("ABC123", "AAAAAA85T10A562A"):
        if code not in text:
            fail(f"{code} is not on the printed sheet: {text!r}")
    print("ok: printed to a PDF file holding both labels")
    keys("Escape")
    wait_for("the preview to close", lambda: not window_named("Anteprima"))

    keys("alt+e")
    try:
        program.wait(15)
    except subprocess.TimeoutExpired:
        fail("the program still runs after ESCI")
    with open("cf0.txt", "rb") as f:
        saved = f.read()
    if saved != b"AAAAAA85T10A562A\r\nGLLPLA75C12L211V\r\n":
        fail(f"cf0.txt holds {saved!r}")
    print("ok: ESCI wrote the corrected code and ended the program")


try:
    main()
finally:
    for p in reversed(processes):
        try:
            if isinstance(p, int):
                os.kill(p, signal.SIGTERM)
            elif p.poll() is None:
                p.terminate()
                p.wait(5)
        except Exception:
            pass
    shutil.rmtree(WORK, ignore_errors=True)
