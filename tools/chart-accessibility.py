#!/usr/bin/python3
# Lists what a screen reader reads of a running Quillet's pie charts through AT-SPI: each
# chart with its description, then each slice with its name, its size and share, its box on
# the screen and whether it has the keyboard's focus. Needs python3-pyatspi, and the program
# started with accessibility on in the same desktop session, e.g.
#   QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 quillet /some/folder &  tools/chart-accessibility.py
import pyatspi


def show_chart(chart):
    print(f"{chart.getRoleName()} '{chart.name}': {chart.description} "
          f"({chart.childCount} slices)")
    for i in range(chart.childCount):
        item = chart.getChildAtIndex(i)
        states = item.getState()
        marks = [mark for mark, state in (("focused", pyatspi.STATE_FOCUSED),
                                          ("selected", pyatspi.STATE_SELECTED))
                 if states.contains(state)]
        box = item.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        print(f"  {item.getRoleName()} '{item.name}': {item.description}  "
              f"at {box.x},{box.y} {box.width}x{box.height} {' '.join(marks)}".rstrip())


def walk(node):
    try:
        role, name = node.getRoleName(), node.name
    except Exception:  # an object that went while it was read
        return
    if role == "list" and "chart" in name.lower():
        show_chart(node)
        return
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i))


for application in pyatspi.Registry.getDesktop(0):
    if application is not None and "quillet" in (application.name or "").lower():
        walk(application)
