"""Prints what a screen reader finds in the running program: one accessible a line, as
"role<TAB>name<TAB>description<TAB>x y width height" (on the screen), depth first.

Usage: /usr/bin/python3 atspi.py [APPLICATION]   (the application's name; xingjing unless given)
"""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def walk(node, out):
    try:
        count = node.get_child_count()
    except gi.repository.GLib.Error:
        return
    for i in range(count):
        child = node.get_child_at_index(i)
        if child is None:
            continue
        try:
            box = child.get_extents(Atspi.CoordType.SCREEN)
            out.append((child.get_role_name(), child.get_name() or "", child.get_description() or "",
                        f"{box.x} {box.y} {box.width} {box.height}"))
        except gi.repository.GLib.Error:
            continue
        walk(child, out)


def main():
    wanted = sys.argv[1] if len(sys.argv) > 1 else "xingjing"
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is None or app.get_name() != wanted:
            continue
        rows = []
        walk(app, rows)
        for role, name, description, box in rows:
            print(f"{role}\t{name}\t{description}".replace("\n", " ") + f"\t{box}")


main()
