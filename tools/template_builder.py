#!/usr/bin/env python3
"""Builds a window template segment from its readable description.

    python3 tools/template_builder.py            # data/main_window.template.json -> data/main_window.tpl
    python3 tools/template_builder.py --check    # exit 1 when the .tpl is not what the description gives
    python3 tools/template_builder.py -i desc.json -o out.tpl   ('-' for stdin / stdout)
"""

import argparse
import json
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import template_format as tf  # noqa: E402

DEFAULT_INPUT = os.path.join(tf.ROOT, "data", "main_window.template.json")
DEFAULT_OUTPUT = os.path.join(tf.ROOT, "data", "main_window.tpl")


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("-i", "--input", default=DEFAULT_INPUT)
    ap.add_argument("-o", "--output", default=DEFAULT_OUTPUT)
    ap.add_argument("--handlers", help="handler table header (default tuner/handler_offsets.h)")
    ap.add_argument("--check", action="store_true", help="compare with the output instead of writing it")
    args = ap.parse_args()

    if args.input == "-":
        desc = json.load(sys.stdin)
    else:
        with open(args.input, encoding="utf-8") as f:
            desc = json.load(f)
    try:
        data = tf.encode_segment(desc, tf.load_handler_offsets(args.handlers))
    except (tf.FormatError, KeyError, TypeError, ValueError) as e:
        sys.exit("template_builder: %s: %s" % (args.input, e))

    if args.check:
        with open(args.output, "rb") as f:
            current = f.read()
        if current != data:
            sys.exit("template_builder: %s is out of date; run python3 tools/template_builder.py" % args.output)
        print("template_builder: %s is current (%d bytes)" % (args.output, len(data)))
        return
    if args.output == "-":
        sys.stdout.buffer.write(data)
    else:
        with open(args.output, "wb") as f:
            f.write(data)
        print("template_builder: wrote %s (%d bytes)" % (args.output, len(data)))


if __name__ == "__main__":
    main()
