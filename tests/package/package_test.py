#!/usr/bin/env python3
"""The release package's two steps on the tested program: its debug information moved
into a file of its own, and the archive of the program and the players' read-me.

The build passes the tools in the environment: TRIVANE_PROGRAM (a program with debug
information), TRIVANE_OBJCOPY, TRIVANE_OBJDUMP, TRIVANE_CMAKE.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import zipfile
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SPLIT_SCRIPT = os.path.join(ROOT, "cmake", "split_debug.cmake")
MAKE_PACKAGE = os.path.join(ROOT, "tools", "make_package.py")
README = os.path.join(ROOT, "package", "README.txt")
with open(os.path.join(ROOT, "data", "version.h"), encoding="utf-8") as _header:
    VERSION = re.search(r'^#define TRIVANE_VERSION_TEXT "([0-9.]+)"$', _header.read(), re.M).group(1)
ARCHIVE = f"Trivane-{VERSION}.zip"
PROGRAM = os.environ["TRIVANE_PROGRAM"]
OBJCOPY = os.environ["TRIVANE_OBJCOPY"]
OBJDUMP = os.environ["TRIVANE_OBJDUMP"]
CMAKE = os.environ["TRIVANE_CMAKE"]


def section_names(path):
    out = subprocess.run([OBJDUMP, "-h", path], check=True, capture_output=True, text=True).stdout
    return set(re.findall(r"^\s*\d+\s+(\S+)", out, re.M))


def section_bytes(path, name, folder):
    target = os.path.join(folder, "section.bin")
    subprocess.run([OBJCOPY, "--dump-section", f"{name}={target}", path, os.path.join(folder, "scratch")],
                   check=True, capture_output=True)
    with open(target, "rb") as f:
        return f.read()


def read(path):
    with open(path, "rb") as f:
        return f.read()


class SplitDebug(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="split-debug-")
        self.addCleanup(shutil.rmtree, self.folder)
        self.program = os.path.join(self.folder, "Trivane.exe")
        shutil.copyfile(PROGRAM, self.program)

    def split(self):
        return subprocess.run([CMAKE, f"-DOBJCOPY={OBJCOPY}", f"-DOBJDUMP={OBJDUMP}", f"-DPROGRAM={self.program}",
                               "-P", SPLIT_SCRIPT], capture_output=True, text=True)

    def test_program_keeps_code_and_resources_and_links_its_debug_file(self):
        self.assertEqual(self.split().returncode, 0)
        debug_file = self.program + ".debug"
        stripped = section_names(self.program)
        self.assertFalse({s for s in stripped if s.startswith(".debug")}, stripped)
        self.assertIn(".debug_info", section_names(debug_file))
        for name in (".text", ".rdata", ".rsrc"):
            self.assertEqual(section_bytes(self.program, name, self.folder),
                             section_bytes(PROGRAM, name, self.folder), name)
        # The link debuggers follow: the file's name, padded to four bytes, then its CRC-32.
        link = section_bytes(self.program, ".gnu_debuglink", self.folder)
        name = b"Trivane.exe.debug\0"
        name += b"\0" * (-len(name) % 4)
        self.assertEqual(link[:len(name)], name)
        self.assertEqual(int.from_bytes(link[len(name):len(name) + 4], "little"), zlib.crc32(read(debug_file)))
        self.assertLess(os.path.getsize(self.program), os.path.getsize(PROGRAM) // 4)

    def test_splitting_again_keeps_the_debug_file(self):
        self.assertEqual(self.split().returncode, 0)
        debug_before = read(self.program + ".debug")
        again = self.split()
        self.assertNotEqual(again.returncode, 0)
        self.assertIn("stripped already", again.stderr)
        self.assertEqual(read(self.program + ".debug"), debug_before)


class Archive(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="package-")
        self.addCleanup(shutil.rmtree, self.folder)
        self.output = os.path.join(self.folder, "dist", ARCHIVE)

    def make(self, readme=README):
        return subprocess.run([sys.executable, MAKE_PACKAGE, "--program", PROGRAM, "--readme", readme,
                               "--output", self.output], capture_output=True, text=True)

    def readme_source(self, text):
        path = os.path.join(self.folder, "readme.txt")
        with open(path, "wb") as f:
            f.write(text.encode("utf-8"))
        return path

    def test_holds_the_program_and_a_gbk_crlf_readme(self):
        self.assertEqual(self.make().returncode, 0)
        with zipfile.ZipFile(self.output) as archive:
            self.assertEqual(archive.namelist(), ["Trivane.exe", "README.txt"])
            self.assertEqual(archive.read("Trivane.exe"), read(PROGRAM))
            shipped = archive.read("README.txt")
        self.assertIsNone(re.search(rb"(?<!\r)\n", shipped), "a line ends in LF alone")
        self.assertTrue(shipped.endswith(b"\r\n"))
        with open(README, encoding="utf-8") as f:
            self.assertEqual(shipped.decode("gbk"), f.read().replace("\n", "\r\n"))
        # What players look for: each backup, and the change record with its older part.
        for place in ("game.cfg.bak", "system.yaml.bak", "Crossbak", "Crossend",
                      "%LOCALAPPDATA%\\Trivane\\changes.log", "changes.old.log"):
            self.assertIn(place, shipped.decode("gbk"))

    def test_text_outside_gbk_fails_and_keeps_the_earlier_archive(self):
        self.assertEqual(self.make().returncode, 0)
        earlier = read(self.output)
        failed = self.make(self.readme_source("更改记录 \U0001F600\n"))
        self.assertNotEqual(failed.returncode, 0)
        self.assertIn("GBK", failed.stderr)
        self.assertEqual(read(self.output), earlier)
        self.assertEqual(os.listdir(os.path.dirname(self.output)), [ARCHIVE])


if __name__ == "__main__":
    unittest.main()
