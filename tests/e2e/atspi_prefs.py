"""Drives the preferences dialog of a running player through the
accessibility bus, as a screen reader would: controls are found by role and
accessible name only. Run with the system's Python, which has pyatspi.

    atspi_prefs.py PID STEPS_JSON

STEPS_JSON is a list of steps: ["names"] prints every named control,
["tab", name], ["toggle", name], ["text", name, value], ["press", name]."""

import json
import sys
import time

import pyatspi

TITLE = "Vexo 播放器V1.0  设置"


def find_dialog(pid, timeout=15):
    deadline = time.time() + timeout
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is None:
                continue
            try:
                if app.get_process_id() != pid:
                    continue
            except Exception:
                continue
            for window in app:
                if window is not None and window.name == TITLE:
                    return window
        time.sleep(0.2)
    raise SystemExit(f"no window {TITLE!r} of process {pid} on the accessibility bus")


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def find(dialog, name, roles):
    for node in walk(dialog):
        if node.name == name and node.getRoleName() in roles:
            return node
    raise SystemExit(f"no {'/'.join(roles)} named {name!r}")


def act(node, wanted):
    action = node.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    for candidate in wanted:
        if candidate in names:
            action.doAction(names.index(candidate))
            return
    action.doAction(0)


def main():
    pid = int(sys.argv[1])
    steps = json.loads(sys.argv[2])
    dialog = find_dialog(pid)
    for step in steps:
        kind = step[0]
        if kind == "names":
            for node in walk(dialog):
                if node.getRoleName() in ("check box", "radio button", "push button", "text",
                                          "combo box", "list", "page tab"):
                    actions = ""
                    try:
                        a = node.queryAction()
                        actions = ",".join(a.getName(i) for i in range(a.nActions))
                    except NotImplementedError:
                        pass
                    print(f"{node.getRoleName()}\t{node.name}\t{actions}")
        elif kind == "tab":
            act(find(dialog, step[1], ["page tab"]), ["switch", "press", "click"])
        elif kind == "toggle":
            act(find(dialog, step[1], ["check box", "radio button"]), ["toggle", "press", "click"])
        elif kind == "press":
            act(find(dialog, step[1], ["push button"]), ["press", "click"])
        elif kind == "text":
            find(dialog, step[1], ["text"]).queryEditableText().setTextContents(step[2])
        time.sleep(0.2)
    sys.stdout.flush()


if __name__ == "__main__":
    main()
