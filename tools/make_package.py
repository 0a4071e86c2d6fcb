#!/usr/bin/env python3
"""Writes the release archive: the program and the players' read-me.

    python3 tools/make_package.py --program build-release/tuner/Trivane.exe \\
        --readme package/README.txt --output dist/Trivane-<version>.zip

The read-me is kept in UTF-8 with LF line ends; players open it in Notepad on a
Chinese Windows, so the archive holds it in GBK with CR LF line ends. A character
GBK cannot hold is an error, not a question mark in the shipped text.
"""

import argparse
import os
import sys
import tempfile
import time
import zipfile

PROGRAM_NAME = "Trivane.exe"
README_NAME = "README.txt"


def readme_bytes(path):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    lines = text.replace("\r\n", "\n").split("\n")
    return "\r\n".join(lines).encode("gbk")


def entry(name, mtime):
    info = zipfile.ZipInfo(name, date_time=mtime)
    info.compress_type = zipfile.ZIP_DEFLATED
    info.external_attr = 0o644 << 16
    return info


def write_package(program, readme, output):
    readme_data = readme_bytes(readme)
    with open(program, "rb") as f:
        program_data = f.read()
    # Both entries carry the program's time: the archive changes only with its content.
    mtime = tuple(time.localtime(os.path.getmtime(program))[:6])

    # Written beside the target and swapped in, so a failure leaves the old archive.
    folder = os.path.dirname(os.path.abspath(output))
    os.makedirs(folder, exist_ok=True)
    fd, temporary = tempfile.mkstemp(prefix=".package-", suffix=".zip", dir=folder)
    try:
        with os.fdopen(fd, "wb") as raw, zipfile.ZipFile(raw, "w") as archive:
            archive.writestr(entry(PROGRAM_NAME, mtime), program_data)
            archive.writestr(entry(README_NAME, mtime), readme_data)
        os.replace(temporary, output)
    except BaseException:
        os.unlink(temporary)
        raise


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--program", required=True)
    ap.add_argument("--readme", required=True)
    ap.add_argument("--output", required=True)
    args = ap.parse_args()
    try:
        write_package(args.program, args.readme, args.output)
    except UnicodeEncodeError as e:
        bad = e.object[e.start:e.end]
        sys.exit(f"make_package: {args.readme} holds {bad!r}, which GBK cannot hold")
    except OSError as e:
        sys.exit(f"make_package: {e}")


if __name__ == "__main__":
    main()
