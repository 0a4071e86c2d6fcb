#!/usr/bin/env python3
"""Prints a window template segment readably.

    python3 tools/template_dumper.py [data/main_window.tpl]          # a listing
    python3 tools/template_dumper.py --json data/main_window.tpl     # the builder's description form
    python3 tools/template_dumper.py --offset N --length L image.bin  # a segment inside a larger file
"""

import argparse
import json
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import template_format as tf  # noqa: E402


def listing(desc):
    lines = []
    for win in desc["windows"]:
        lines.append("window %s  word A %s  word B %s  texts %r %r  reserved slot %s" % (
            win["id"], win["word_a"], win["word_b"], win["text1"], win["text2"], win["reserved_slot"]))
        for i, c in enumerate(win["components"]):
            if "raw" in c:
                lines.append("  [%2d] %s  kept as bytes: %s" % (i, c["id"], c["raw"]))
                continue
            lines.append("  [%2d] %s  %-12s %-10s in %-8s at %d,%d size %dx%d  %s" % (
                i, c["id"], c["name"] or '""', c["type"], c["container"] or "window",
                c["left"], c["top"], c["width"], c["height"], "+".join(c["state"]) or "-"))
            extras = {k: v for k, v in c.items() if k not in (
                "id", "name", "type", "container", "left", "top", "width", "height", "state",
                "events", "properties")}
            if extras:
                lines.append("       " + ", ".join("%s=%s" % (k, json.dumps(v, ensure_ascii=False))
                                                   for k, v in extras.items()))
            for number, handler in c["events"]:
                lines.append("       event %d -> %s" % (number, "none" if handler is None else handler))
            props = c["properties"]
            if props is None:
                lines.append("       properties: empty (defaults)")
            else:
                for k, v in props.items():
                    lines.append("       %-30s %s" % (k, json.dumps(v, ensure_ascii=False)))
    return "\n".join(lines)


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("file", nargs="?", default=os.path.join(tf.ROOT, "data", "main_window.tpl"))
    ap.add_argument("--json", action="store_true", help="print the description the builder reads")
    ap.add_argument("--offset", type=lambda s: int(s, 0), default=0)
    ap.add_argument("--length", type=lambda s: int(s, 0))
    ap.add_argument("--handlers", help="description whose 'handlers' list names the handler table's slots "
                                       "(default data/main_window.template.json)")
    args = ap.parse_args()

    with open(args.file, "rb") as f:
        data = f.read()
    end = len(data) if args.length is None else args.offset + args.length
    data = data[args.offset:end]
    try:
        desc = tf.decode_segment(data, tf.load_handler_offsets(args.handlers))
    except (tf.FormatError, UnicodeDecodeError) as e:
        sys.exit("template_dumper: %s: not a readable template segment: %s" % (args.file, e))
    if args.json:
        json.dump(desc, sys.stdout, ensure_ascii=False, indent=2)
        print()
    else:
        print("%s: %d bytes" % (args.file, len(data)))
        print(listing(desc))


if __name__ == "__main__":
    main()
