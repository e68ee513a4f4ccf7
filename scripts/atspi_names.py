#!/usr/bin/python3
"""Reads the accessibility tree of a running Tessarin over AT-SPI, as a screen reader does.

Prints the names of the main window's picture controls and figures, then presses the board button
"4줄 1번" and the free-entry editor's "확인" through their AT-SPI actions and reads the button again.
Exits 1 when a board button or a figure has no name, or the names do not follow the record.
"""
import re
import sys
import time

import pyatspi

MAIN_TITLE = "Tessarin 수치 계산기"


def wait_for(find, seconds=20.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    return None


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name.lower().startswith("tessarin"):
            return app
    return None


def windows(app):
    return [app.getChildAtIndex(i) for i in range(app.childCount)]


def window_named(app, title):
    for window in windows(app):
        if window is not None and window.name == title:
            return window
    return None


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def role(node):
    return node.getRoleName()


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() in ("press", "click"):
            action.doAction(i)
            return
    action.doAction(0)


def main():
    app = wait_for(application)
    if app is None:
        print("no Tessarin on the accessibility bus", file=sys.stderr)
        return 1
    main_window = wait_for(lambda: window_named(app, MAIN_TITLE))
    if main_window is None:
        print("no main window in the accessibility tree", file=sys.stderr)
        return 1
    # The first tick of the stat cycle fills the figures.
    wait_for(lambda: next((n for n in descendants(main_window) if n.name.startswith("기대공격력 ")), None))

    nodes = list(descendants(main_window))
    board = [n for n in nodes if re.match(r"^\d줄 \d번, ", n.name)]
    figure_captions = ("공격력", "관통", "명중", "치명", "최대생명력", "방어", "막기", "회피", "추가피해",
                       "기대공격력", "피해감소율", "명중률", "치명률", "치명타피해량", "방어율", "막기율", "회피율")
    # The captions beside the figures read as themselves; the figures read as caption and value.
    figures = [n for n in nodes
               if role(n) == "label" and " " in n.name and n.name.split(" ")[0] in figure_captions]
    pictures = [n for n in nodes
                if re.match(r"^(보패 \d번 자리|무기|금강석|귀걸이\d|반지\d|목걸이|\d세트 효과)", n.name)]
    others = [n for n in nodes if n.name in ("직업", "합성", "도움말", "닫기")]

    print(f"Application: {app.name}; window: {main_window.name} ({role(main_window)})")
    for title, group in (("Board buttons", board), ("Slots, gem, octagon and indicators", pictures),
                         ("Hot spots and class box", others), ("Sheet figures", figures)):
        print(f"\n{title} ({len(group)}):")
        for node in group:
            description = node.description
            print(f"  [{role(node)}] {node.name}" + (f"  — {description}" if description else ""))

    failures = []
    if len(board) != 32:
        failures.append(f"{len(board)} named board buttons, not 32")
    if len(figures) < 33:
        failures.append(f"{len(figures)} named figures, fewer than the sheet's 33")

    # The names follow the record over the bus too: a free-entry piece put on by AT-SPI actions.
    button = next((n for n in board if n.name.startswith("4줄 1번, ")), None)
    if button is not None:
        press(button)
        editor = wait_for(lambda: window_named(app, "기타 보패 1번"))
        confirm = editor and next((n for n in descendants(editor)
                                   if role(n) == "push button" and n.name == "확인"), None)
        if confirm is None:
            failures.append("the free-entry editor or its 확인 did not show")
        else:
            press(confirm)
            worn = wait_for(lambda: button if button.name.endswith(", 착용") else None, 5.0)
            print(f"\nAfter 4줄 1번 and 확인, pressed through AT-SPI: {button.name}")
            if worn is None:
                failures.append("4줄 1번 does not read as worn")
    for failure in failures:
        print(f"FAILED: {failure}", file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
