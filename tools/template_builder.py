#!/usr/bin/env python3
"""Builds a window template segment from its readable description, and the header of
the identifiers the tool's code and tests take from it.

    python3 tools/template_builder.py            # data/main_window.template.json -> data/main_window.tpl
                                                 #   and tuner/main_window_ids.h
    python3 tools/template_builder.py --check    # exit 1 when either is not what the description gives
    python3 tools/template_builder.py -i desc.json -o out.tpl   ('-' for stdin / stdout)
"""

import argparse
import json
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import template_format as tf  # noqa: E402

DEFAULT_INPUT = tf.DEFAULT_DESCRIPTION
DEFAULT_OUTPUT = os.path.join(tf.ROOT, "data", "main_window.tpl")
DEFAULT_IDS = os.path.join(tf.ROOT, "tuner", "main_window_ids.h")
VERSION_HEADER = os.path.join(tf.ROOT, "data", "version.h")
# Stands in a description's texts for the program's version, which data/version.h holds.
VERSION_TOKEN = "{version}"


def program_version():
    with open(VERSION_HEADER, encoding="utf-8") as f:
        for line in f:
            parts = line.split()
            if parts[:2] == ["#define", "TRIVANE_VERSION_TEXT"]:
                return parts[2].strip('"')
    sys.exit("template_builder: no TRIVANE_VERSION_TEXT in %s" % VERSION_HEADER)


def with_version(value, version):
    """The description with every text's version token replaced."""
    if isinstance(value, str):
        return value.replace(VERSION_TOKEN, version)
    if isinstance(value, list):
        return [with_version(v, version) for v in value]
    if isinstance(value, dict):
        return {k: with_version(v, version) for k, v in value.items()}
    return value


def ids_header(desc):
    """The C++ header naming the windows, records and handler slots the description
    gives a 'code' name."""
    windows, components, handlers = [], [], []
    bound = {}  # handler name -> "<record name> event <n>" for each binding
    for win in desc["windows"]:
        if win.get("code"):
            windows.append((win["code"], tf.parse_int(win["id"], "window id")))
        for c in win["components"]:
            if c.get("code"):
                components.append((c["code"], tf.parse_int(c["id"], "component id"), c.get("name") or c["type"]))
            for number, handler in c.get("events") or []:
                bound.setdefault(handler, []).append("%s event %d" % (c.get("name") or c["type"], number))
    for slot, name in enumerate(desc["handlers"]):
        handlers.append((name, slot, ", ".join(bound.get(name, [])) or "bound by no event"))
    codes = [w[0] for w in windows] + [c[0] for c in components] + [h[0] for h in handlers]
    if len(set(codes)) != len(codes):
        raise tf.FormatError("a code name appears twice")

    lines = [
        "// The identifiers of the tool's window: the window, its records and the slots of",
        "// its handler table. Written by tools/template_builder.py from",
        "// data/main_window.template.json: change them there and run it again.",
        "#pragma once",
        '#include "runtime/values.h"',
        "",
        "namespace tuner {",
        "",
    ]
    for code, ident in windows:
        lines.append("inline constexpr rt::u32 %s = 0x%08X;" % (code, ident))
    lines += ["", "enum Component : rt::u32 {"]
    for code, ident, name in components:
        lines.append("    %s = 0x%08X,  // %s" % (code, ident, name))
    lines += ["};", "", "enum Handler : rt::i32 {"]
    for name, slot, comment in handlers:
        lines.append("    %s = %d,  // %s" % (name, slot, comment))
    lines += ["    kHandlerCount = %d," % len(handlers), "};", "", "}  // namespace tuner", ""]
    return "\n".join(lines).encode("utf-8")


def compare_or_write(path, data, check):
    if check:
        with open(path, "rb") as f:
            current = f.read()
        if current != data:
            sys.exit("template_builder: %s is out of date; run python3 tools/template_builder.py" % path)
        print("template_builder: %s is current (%d bytes)" % (path, len(data)))
    elif path == "-":
        sys.stdout.buffer.write(data)
    else:
        with open(path, "wb") as f:
            f.write(data)
        print("template_builder: wrote %s (%d bytes)" % (path, len(data)))


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("-i", "--input", default=DEFAULT_INPUT)
    ap.add_argument("-o", "--output", default=DEFAULT_OUTPUT)
    ap.add_argument("--ids", help="identifier header to write (default: tuner/main_window_ids.h for the "
                                  "default description, none for another)")
    ap.add_argument("--handlers", help="description whose 'handlers' list names the handler table's slots, "
                                       "for one without its own (default data/main_window.template.json)")
    ap.add_argument("--check", action="store_true", help="compare with the outputs instead of writing them")
    args = ap.parse_args()

    if args.input == "-":
        desc = json.load(sys.stdin)
    else:
        with open(args.input, encoding="utf-8") as f:
            desc = json.load(f)
    desc = with_version(desc, program_version())
    ids_path = args.ids or (DEFAULT_IDS if args.input == DEFAULT_INPUT else None)
    try:
        if "handlers" in desc:
            handlers = tf.handler_offsets(desc["handlers"])
        else:
            handlers = tf.load_handler_offsets(args.handlers)
            desc["handlers"] = sorted(handlers, key=handlers.get)
        data = tf.encode_segment(desc, handlers)
        header = ids_header(desc) if ids_path else None
    except (tf.FormatError, KeyError, TypeError, ValueError) as e:
        sys.exit("template_builder: %s: %s" % (args.input, e))

    compare_or_write(args.output, data, args.check)
    if header is not None:
        compare_or_write(ids_path, header, args.check)


if __name__ == "__main__":
    main()
