#!/usr/bin/env python3
"""Points a linked 32-bit program's load configuration directory at the structure
named __load_config_used, with the size its first field gives. The linker of this
toolchain does not fill that directory itself. Run before the program is stripped:
the structure is found by its symbol.

    set_load_configuration.py <nm> <program>
"""
import struct
import subprocess
import sys

LOAD_CONFIGURATION_DIRECTORY = 10
SYMBOL = "__load_config_used"


def fail(message):
    sys.exit(f"set_load_configuration: {message}")


def symbol_address(nm, program):
    listing = subprocess.run([nm, program], check=True, capture_output=True, text=True).stdout
    for line in listing.splitlines():
        fields = line.split()
        if len(fields) == 3 and fields[2] == SYMBOL:
            return int(fields[0], 16)
    fail(f"{program} defines no {SYMBOL}")


def file_offset(image, sections_at, section_count, rva):
    for i in range(section_count):
        header = sections_at + 40 * i
        virtual_size, address, raw_size, raw_at = struct.unpack_from("<IIII", image, header + 8)
        if address <= rva < address + max(virtual_size, raw_size):
            return raw_at + rva - address
    fail(f"address {rva:#x} lies in no section")


def main():
    if len(sys.argv) != 3:
        fail("usage: set_load_configuration.py <nm> <program>")
    nm, program = sys.argv[1:]
    address = symbol_address(nm, program)
    with open(program, "r+b") as f:
        image = bytearray(f.read())
        pe = struct.unpack_from("<I", image, 0x3C)[0]
        if image[pe:pe + 4] != b"PE\0\0":
            fail(f"{program} is no program image")
        optional = pe + 24
        if struct.unpack_from("<H", image, optional)[0] != 0x10B:
            fail(f"{program} is not a 32-bit image")
        section_count = struct.unpack_from("<H", image, pe + 6)[0]
        sections_at = optional + struct.unpack_from("<H", image, pe + 20)[0]
        image_base, = struct.unpack_from("<I", image, optional + 28)
        directory_count, = struct.unpack_from("<I", image, optional + 92)
        if directory_count <= LOAD_CONFIGURATION_DIRECTORY:
            fail(f"{program} has no load configuration directory entry")
        rva = address - image_base
        size, = struct.unpack_from("<I", image, file_offset(image, sections_at, section_count, rva))
        struct.pack_into("<II", image, optional + 96 + 8 * LOAD_CONFIGURATION_DIRECTORY, rva, size)
        f.seek(0)
        f.write(image)


main()
