#!/usr/bin/python3
"""Reads the running program's accessibility tree as a screen reader does.

Run inside a private session bus:
    dbus-run-session -- python3 accessibility-tree.py TINCTORA AT_SPI_BUS_LAUNCHER XVFB
Starts a private X server, the accessibility bus and the program, checks the
names and values of the drawn controls, moves the band through its value,
closes the program the way a user does (so that a sanitizer build reports at
a normal exit) and stops every process it started.
"""

import os
import re
import signal
import socket
import subprocess
import sys
import tempfile
import time

import ctypes

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio  # noqa: E402

DEADLINE = 60.0  # seconds for each condition; a busy build machine needs them


class Failure(Exception):
    pass


def stopped(number, _frame):
    raise Failure(f"stopped by signal {number}")


def dies_with_this_script(number=signal.SIGKILL):
    """For a child before it runs: the signal comes if this script goes without cleaning up (a test timeout)."""
    pr_set_pdeathsig = 1
    ctypes.CDLL(None, use_errno=True).prctl(pr_set_pdeathsig, number)


def ends_its_bus_with_this_script():
    dies_with_this_script(signal.SIGTERM)  # the launcher takes its bus and registry down on SIGTERM


def wait_for(what, probe, deadline=DEADLINE):
    """Polls probe() until it returns something true; fails with `what` after the deadline."""
    end = time.monotonic() + deadline
    last_error = None
    while time.monotonic() < end:
        try:
            result = probe()
            if result:
                return result
        except Failure:
            raise
        except Exception as error:  # the tree changes while it is read
            last_error = error
        time.sleep(0.05)
    raise Failure(f"timed out waiting for {what}" + (f" (last error: {last_error})" if last_error else ""))


def walk(node):
    if node is None:
        return
    yield node
    for i in range(node.get_child_count()):
        yield from walk(node.get_child_at_index(i))


def nodes(app):
    app.clear_cache()
    return [(n, n.get_role_name(), n.get_name() or "") for n in walk(app)]


def started(program):
    if program.poll() is not None:
        raise Failure(f"the program ended at its start with {program.returncode}")
    return True


def find_app():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and (app.get_name() or "").lower() == "tinctora" and app.get_child_count() > 0:
            return app
    return None


def one(app, role, pattern):
    """The first node of this role whose name matches the pattern, or None."""
    for node, r, name in nodes(app):
        if r == role and re.fullmatch(pattern, name):
            return node
    return None


def names(app, role):
    return [name for _, r, name in nodes(app) if r == role]


def shown_names(app, role):
    return [name for node, r, name in nodes(app)
            if r == role and node.get_state_set().contains(Atspi.StateType.SHOWING)]


def check_fields(app):
    big = wait_for("the big field with its colour",
                   lambda: one(app, "push button", r"Big field: [a-z ]+, hex \S+, red \d+, green \d+, blue \d+"))
    hex_value = re.search(r"hex (\S+),", big.get_name()).group(1)
    # The value row beside the fields shows the same hex text.
    if hex_value not in names(app, "label"):
        raise Failure(f"the big field says hex {hex_value}, but no value text shows it")
    actions = [big.get_action_name(i) for i in range(big.get_n_actions())]
    if "press" not in [a.lower() for a in actions]:
        raise Failure(f"the big field has no press action, only {actions}")
    choice = names(app, "radio button")
    if not {"Big field", "Small field left-hand side", "Small field center", "Small field right-hand side"} <= set(choice):
        raise Failure(f"the field choice reads {choice}")
    print(f"big field: {big.get_name()}")
    return big


def check_band(app, big):
    band = wait_for("the band", lambda: one(app, "slider", r"Color band Realistic"))
    position = int(band.get_current_value())
    if not 0 <= position <= 677 or int(band.get_maximum_value()) != 677:
        raise Failure(f"band position {position} of {band.get_maximum_value()}")
    before = big.get_name()
    target = (position + 200) % 678
    band.set_current_value(target)
    wait_for(f"the band at {target}", lambda: (band.clear_cache() or True) and int(band.get_current_value()) == target)
    wait_for("the big field to take the band's new colour",
             lambda: (big.clear_cache() or True) and big.get_name() != before)
    print(f"band: {band.get_name()}, {position} -> {target}; big field now {big.get_name()}")


def check_light_dark(app):
    field = wait_for("the light/dark field",
                     lambda: one(app, "image", r"Light/dark field: light \d+ %, dark \d+ %"))
    light = re.search(r"light (\d+ %)", field.get_name()).group(1)
    dark = re.search(r"dark (\d+ %)", field.get_name()).group(1)
    labels = names(app, "label")
    for expected in (f"Light amount {light}", f"Dark amount {dark}"):
        if expected not in labels:
            raise Failure(f"no label named {expected!r} beside {field.get_name()!r}")
    print(f"light/dark: {field.get_name()}")


def angle_labels(app):
    return sorted(n for n in shown_names(app, "label") if re.fullmatch(r"\d+ °", n))


def check_angles(app):
    """In four-colour harmonies both angles show; the sliders and the picture say what the labels show."""
    one(app, "menu item", r"4-Color Harmony").do_action(0)
    wait_for("both angle labels", lambda: len(angle_labels(app)) == 2)
    first = wait_for("the first angle", lambda: one(app, "slider", "First angle"))
    second = wait_for("the second angle", lambda: one(app, "slider", "Second angle"))
    reported = sorted(f"{int(s.get_current_value())} °" for s in (first, second))
    if reported != angle_labels(app):
        raise Failure(f"the sliders report {reported}, the labels show {angle_labels(app)}")
    # Degrees in, the nearest position out: the first angle's label follows.
    first.set_current_value(90)
    wait_for("the first angle at 90 °", lambda: "90 °" in angle_labels(app) and int(first.get_current_value()) == 90)
    picture = wait_for("the angle picture", lambda: one(app, "image", r"Angle picture: .*"))
    shown = sorted(picture.get_name().removeprefix("Angle picture: ").split(", "))
    if shown != angle_labels(app):
        raise Failure(f"{picture.get_name()!r} beside the labels {angle_labels(app)}")
    print(f"sliders: {reported}, then the first at 90 °; {picture.get_name()}")


def check_copy_buttons(app):
    item = wait_for("the Color Formats menu item", lambda: one(app, "menu item", r"Color Formats\.\.\."))
    item.do_action(0)
    copies = wait_for("the Copy buttons of the Color Formats window",
                      lambda: [n for n in names(app, "push button") if n.startswith("Copy ")]
                      if len([n for n in names(app, "push button") if n.startswith("Copy ")]) >= 8 else None)
    if len(set(copies)) != len(copies):
        raise Failure(f"Copy buttons share a name: {copies}")
    print(f"copy buttons: {copies}")


def close_program(app, program):
    """File > Exit, answering No if the program asks whether to save."""
    one(app, "menu item", r"Exit").do_action(0)
    end = time.monotonic() + DEADLINE
    while program.poll() is None and time.monotonic() < end:
        try:
            no = one(app, "push button", r"&?No")
            if no is not None:
                no.do_action(0)
        except Exception:
            pass  # the window is going away
        time.sleep(0.1)
    if program.poll() is None:
        raise Failure("the program did not close")


def start_x_server(xvfb_path):
    """A private X server on the first free display; returns the process and its display name."""
    read_end, write_end = os.pipe()
    # -noreset: an X server resets when its last client leaves (the probe below, the bus
    # launcher), and a program that connects during the reset is turned away.
    server = subprocess.Popen([xvfb_path, "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                               "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,), start_new_session=True,
                              preexec_fn=dies_with_this_script, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as display:
        number = display.readline().strip()
    if not number:
        stop(server)
        raise Failure("Xvfb did not start")

    def accepts():
        with socket.socket(socket.AF_UNIX) as probe:
            probe.connect(f"/tmp/.X11-unix/X{number}")
        return True

    wait_for("the X server to take connections", accepts)
    return server, ":" + number


def stop(process):
    if process is not None and process.poll() is None:
        os.killpg(process.pid, signal.SIGTERM)
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()


def main():
    signal.signal(signal.SIGTERM, stopped)
    signal.signal(signal.SIGINT, stopped)
    program_path, launcher_path, xvfb_path = sys.argv[1], sys.argv[2], sys.argv[3]
    home = tempfile.TemporaryDirectory(prefix="tinctora-a11y-")
    runtime = os.path.join(home.name, "runtime")
    os.makedirs(runtime, mode=0o700)
    env = dict(os.environ, HOME=home.name, XDG_CONFIG_HOME=os.path.join(home.name, "config"),
               XDG_RUNTIME_DIR=runtime, LC_ALL="C.UTF-8", QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    env.pop("LANGUAGE", None)
    os.environ.update(XDG_RUNTIME_DIR=runtime)
    launcher = program = server = None
    try:
        server, env["DISPLAY"] = start_x_server(xvfb_path)
        # Its own process group: the accessibility bus and the registry it starts go with it.
        launcher = subprocess.Popen([launcher_path, "--launch-immediately"], env=env, start_new_session=True,
                                    preexec_fn=ends_its_bus_with_this_script,
                                    stdout=subprocess.DEVNULL)
        session = Gio.bus_get_sync(Gio.BusType.SESSION)
        reply = wait_for("the accessibility bus", lambda: session.call_sync(
            "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None, None,
            Gio.DBusCallFlags.NO_AUTO_START, 1000, None))
        # Named outright, so that no other X server's or desktop's bus is taken by mistake.
        os.environ["AT_SPI_BUS_ADDRESS"] = reply.unpack()[0]
        program = subprocess.Popen([program_path], env=env, start_new_session=True, preexec_fn=dies_with_this_script)
        app = wait_for("the program on the accessibility bus", lambda: started(program) and find_app())
        app.set_cache_mask(Atspi.Cache.NONE)
        big = check_fields(app)
        check_band(app, big)
        check_light_dark(app)
        check_angles(app)
        check_copy_buttons(app)
        close_program(app, program)
        if program.returncode != 0:
            raise Failure(f"the program exited with {program.returncode}")
        print("PASS")
        return 0
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        return 1
    finally:
        stop(program)
        stop(launcher)
        stop(server)
        home.cleanup()


if __name__ == "__main__":
    sys.exit(main())
