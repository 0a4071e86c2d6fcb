#!/usr/bin/env python3
"""Compares the stored property layouts of the template tools (tools/template_format.py)
with the component types' property tables, as the dump program prints them. Fails when
a type, a version, a field's kind, its place or the version that added it differ.

Usage: check_property_layouts.py <dump program> [<program that runs it>]
"""
import os
import subprocess
import sys

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tools"))
import template_format  # noqa: E402


def cpp_layouts(command):
    out = subprocess.run(command, check=True, stdout=subprocess.PIPE).stdout.decode("ascii")
    layouts = {}
    for line in out.splitlines():
        words = line.split()
        if not words:
            continue
        name, version, fields = words[0], int(words[1]), []
        for w in words[2:]:
            kind, since = w.split(":")
            fields.append((kind, int(since)))
        layouts[name] = (version, fields)
    return layouts


def python_layouts():
    return {name: (template_format.MAX_VERSIONS[name], [(kind, since) for kind, _, since in fields])
            for name, fields in template_format.LAYOUTS.items()}


def differences(cpp, py):
    found = []
    for name in sorted(set(cpp) | set(py)):
        if name not in cpp:
            found.append("%s: in the template tools only" % name)
        elif name not in py:
            found.append("%s: in the component tables only" % name)
        elif cpp[name][0] != py[name][0]:
            found.append("%s: version %d in the component table, %d in the template tools"
                         % (name, cpp[name][0], py[name][0]))
        elif cpp[name][1] != py[name][1]:
            c, p = cpp[name][1], py[name][1]
            at = next((i for i, (a, b) in enumerate(zip(c, p)) if a != b), min(len(c), len(p)))
            found.append("%s: field %d differs: component table %s, template tools %s (of %d and %d fields)"
                         % (name, at + 1, c[at] if at < len(c) else "none", p[at] if at < len(p) else "none",
                            len(c), len(p)))
    return found


def main(argv):
    if len(argv) < 2:
        sys.exit(__doc__)
    command = argv[2:] + argv[1:2]
    cpp = cpp_layouts(command)
    if not cpp:
        sys.exit("the dump program printed no layouts")
    found = differences(cpp, python_layouts())
    for line in found:
        print(line)
    if found:
        return 1
    print("%d property layouts agree" % len(cpp))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
