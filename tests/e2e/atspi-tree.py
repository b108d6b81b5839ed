#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Slidora developers
# The program's accessible tree as a screen reader reads it over AT-SPI.
# Usage: atspi-tree.py APPLICATION          prints the whole tree
#        atspi-tree.py APPLICATION slide    scrambles with the New game
#   button, prints the board, presses a tile beside the blank through its
#   cell's action, and prints the board again.
import sys
import time

import pyatspi


def find_application(name, seconds=25):
    for _ in range(seconds * 10):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name.lower() == name.lower():
                return app
        time.sleep(0.1)
    sys.exit("no accessible application named " + name)


def find(node, wanted):
    if wanted(node):
        return node
    for child in node:
        found = find(child, wanted) if child is not None else None
        if found:
            return found
    return None


def print_tree(node, depth=0):
    role = node.getRoleName()
    print("  " * depth + role + (": " + node.name if node.name else ""))
    if role != "table":
        for child in node:
            if child is not None:
                print_tree(child, depth + 1)
        return
    print(board(node, "  " * (depth + 1)))


def board(table, indent=""):
    cells = table.queryTable()
    rows = [" | ".join(cells.getAccessibleAt(r, c).name for c in range(cells.nColumns))
            for r in range(cells.nRows)]
    return "\n".join([indent + row for row in rows] + [indent + "said: " + table.description])


def press(node, action_name):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index(action_name) if action_name in names else 0)
    time.sleep(1)


def slide(app):
    table = None
    for _ in range(100):
        table = find(app, lambda n: n.getRoleName() == "table")
        if table:
            break
        time.sleep(0.1)
    if not table:
        sys.exit("no table in the tree")
    press(find(app, lambda n: n.getRoleName() == "push button" and n.name == "New game"), "Press")
    print(table.name)
    print(board(table))
    print()
    cells = table.queryTable()
    row, column = next((r, c) for r in range(cells.nRows) for c in range(cells.nColumns)
                       if cells.getAccessibleAt(r, c).name == "empty")
    for r, c in ((row, column - 1), (row, column + 1), (row - 1, column), (row + 1, column)):
        if 0 <= r < cells.nRows and 0 <= c < cells.nColumns and cells.getAccessibleAt(r, c).name != "stone":
            press(cells.getAccessibleAt(r, c), "Press")
            break
    print(table.name)
    print(board(table))


application = find_application(sys.argv[1])
slide(application) if "slide" in sys.argv[2:] else print_tree(application)
