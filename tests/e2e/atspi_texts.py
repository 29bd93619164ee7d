#!/usr/bin/python3
# Prints "x y text" for every label (or control of the given role, as AT-SPI names it: "push
# button") of the named application's windows, read over AT-SPI, top to bottom and left to
# right. Usage: atspi_texts.py APPLICATION [ROLE]
import sys
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi

def walk(node, out, depth=0):
    if depth > 12:
        return
    try:
        role = node.get_role()
        name = node.get_name()
    except Exception:
        return
    if name and (node.get_role_name() == wanted if wanted else role == Atspi.Role.LABEL):
        e = node.get_extents(Atspi.CoordType.SCREEN)
        out.append((e.y, e.x, name))
    for i in range(node.get_child_count()):
        walk(node.get_child_at_index(i), out, depth + 1)

wanted = sys.argv[2] if len(sys.argv) > 2 else None
desktop = Atspi.get_desktop(0)
out = []
for i in range(desktop.get_child_count()):
    app = desktop.get_child_at_index(i)
    if app is not None and app.get_name() == sys.argv[1]:
        walk(app, out)
for y, x, name in sorted(out):
    print(x, y, name)
