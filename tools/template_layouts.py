#!/usr/bin/env python3
"""Copies the property layouts out of the object the compiler evaluated them into
(forms/components/template_layouts.cpp) and writes them where the template tools read
them, once they parse as the layouts the tools expect.

Usage: template_layouts.py <objcopy> <object> <output json>
"""
import json
import os
import subprocess
import sys
import tempfile

SECTION = ".layouts"


def section_text(objcopy, obj):
    with tempfile.TemporaryDirectory() as scratch:
        raw = os.path.join(scratch, "layouts.bin")
        subprocess.run([objcopy, "-O", "binary", "--only-section=" + SECTION, obj, raw], check=True)
        with open(raw, "rb") as f:
            data = f.read()
    # The text ends in its zero; the section may be padded with more.
    return data.rstrip(b"\0").decode("ascii")


def check(layouts):
    types = layouts["types"]
    if not types:
        raise ValueError("no component types")
    for t in types:
        if not isinstance(t["id"], int) or not t["name"] or not isinstance(t["version"], int):
            raise ValueError("type entry without id, name or version: %r" % t)
        names = [f[1] for f in t["fields"]]
        if len(set(names)) != len(names):
            raise ValueError("%s: a field name appears twice" % t["name"])
        for kind, _, since, shown in t["fields"]:
            if kind not in ("u32", "u8", "bytes", "text") or shown not in ("colour", "plain") \
                    or not 1 <= since <= t["version"]:
                raise ValueError("%s: a field the tools cannot read" % t["name"])


def main(argv):
    if len(argv) != 4:
        sys.exit(__doc__)
    objcopy, obj, output = argv[1:]
    text = section_text(objcopy, obj)
    try:
        check(json.loads(text))
    except (ValueError, KeyError, TypeError) as e:
        sys.exit("template_layouts: %s holds no usable layouts: %s" % (obj, e))
    fresh = output + ".new"
    with open(fresh, "w", encoding="ascii") as f:
        f.write(text)
    os.replace(fresh, output)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
