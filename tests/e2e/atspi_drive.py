"""Drives the windows of a running player through the accessibility bus, as
a screen reader would: controls are found by role and accessible name only,
and each step waits a while for its control to appear. Run with the system's
Python, which has pyatspi.

    atspi_drive.py PID TITLE STEPS_JSON

TITLE names the windows to look in. STEPS_JSON is a list of steps:
  ["names"]                every control of the first such window, one a line:
                           role, name, actions, "showing" or "hidden", tab-separated
  ["tab", name]            switches to the page tab
  ["toggle", name]         toggles the check box or radio button
  ["text", name, value]    puts the value into the text field
  ["read", name]           prints the text field's text
  ["press", name]          presses the push button
  ["wait", name, role]     waits for a control of that role and name"""

import json
import sys
import time

import pyatspi

LISTED_ROLES = ("check box", "radio button", "push button", "text", "combo box", "list",
                "page tab", "label", "image")


def windows(pid, title):
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is None or app.get_process_id() != pid:
                continue
        except Exception:
            continue
        for window in app:
            if window is not None and window.name == title:
                yield window


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def wait_for(what, look, timeout=15):
    deadline = time.time() + timeout
    while True:
        try:
            found = look()
        except Exception:  # a window that closed while it was walked
            found = None
        if found is not None:
            return found
        if time.time() > deadline:
            raise SystemExit(f"no {what}")
        time.sleep(0.2)


def first_window(pid, title):
    return wait_for(f"window {title!r} of process {pid}", lambda: next(windows(pid, title), None))


def find(pid, title, name, roles):
    def look():
        for window in windows(pid, title):
            for node in walk(window):
                if node.name == name and node.getRoleName() in roles:
                    return node
        return None

    return wait_for(f"{'/'.join(roles)} named {name!r} in a window {title!r}", look)


def act(node, wanted):
    action = node.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    for candidate in wanted:
        if candidate in names:
            action.doAction(names.index(candidate))
            return
    action.doAction(0)


def list_controls(window):
    for node in walk(window):
        role = node.getRoleName()
        if role not in LISTED_ROLES:
            continue
        actions = ""
        try:
            a = node.queryAction()
            actions = ",".join(a.getName(i) for i in range(a.nActions))
        except NotImplementedError:
            pass
        showing = node.getState().contains(pyatspi.STATE_SHOWING)
        print(f"{role}\t{node.name}\t{actions}\t{'showing' if showing else 'hidden'}")


def run(pid, title, step):
    kind = step[0]
    if kind == "names":
        list_controls(first_window(pid, title))
    elif kind == "tab":
        act(find(pid, title, step[1], ["page tab"]), ["switch", "press", "click"])
    elif kind == "toggle":
        act(find(pid, title, step[1], ["check box", "radio button"]), ["toggle", "press", "click"])
    elif kind == "press":
        act(find(pid, title, step[1], ["push button"]), ["press", "click"])
    elif kind == "text":
        find(pid, title, step[1], ["text"]).queryEditableText().setTextContents(step[2])
    elif kind == "read":
        text = find(pid, title, step[1], ["text"]).queryText()
        print(text.getText(0, text.characterCount))
    elif kind == "wait":
        find(pid, title, step[1], [step[2]])
    else:
        raise SystemExit(f"unknown step {step!r}")


def main():
    pid, title, steps = int(sys.argv[1]), sys.argv[2], json.loads(sys.argv[3])
    for step in steps:
        run(pid, title, step)
        time.sleep(0.2)
    sys.stdout.flush()


if __name__ == "__main__":
    main()
