"""The window template segment's byte layout, shared by the builder and the dumper.

A template is described as a dict (the readable description, JSON on disk):
windows -> components (records) -> property values by field name (the properties'
English names, as each type's property table gives them). `encode_segment`
turns that into the stored bytes, `decode_segment` turns stored bytes back into the
same dict shape; encode(decode(b)) == b for every segment decode accepts.
"""

import json
import os
import struct

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ENCODING = "gbk"  # the system's ANSI code page

WINDOW_RECORD_ID = 0x06010000

STATE_FLAGS = [("visible", 0x1), ("disabled", 0x2), ("tab_stop", 0x4)]


def is_menu_item_id(ident):
    return (ident >> 24) & 0xF == 6 and ident >> 28 == 2


class FormatError(Exception):
    pass


# ---- property layouts ------------------------------------------------------------

# The component types' stored layouts, which the build writes from the types' property
# rows (forms/components/template_layouts.h): for each type its id, name, newest
# version and fields in stored order after the version word, each as [kind, name,
# first version that stores it, "colour" or "plain"]; kinds: u32, u8, text (counted
# text), bytes (byte block).
def layouts_path():
    given = os.environ.get("TRIVANE_TEMPLATE_LAYOUTS")
    if given:
        return given
    build = os.environ.get("TRIVANE_BUILD_DIR") or os.path.join(ROOT, "build")
    return os.path.join(build, "template_layouts.json")


_types = None


def component_types():
    """Type name -> {"id", "name", "version", "fields"}, read once."""
    global _types
    if _types is None:
        path = layouts_path()
        try:
            with open(path, encoding="ascii") as f:
                listed = json.load(f)["types"]
        except (OSError, ValueError, KeyError) as e:
            raise FormatError("no property layouts in %s (build the program first, or set "
                              "TRIVANE_TEMPLATE_LAYOUTS): %s" % (path, e))
        _types = {t["name"]: t for t in listed}
    return _types


def type_id_of(name):
    t = component_types().get(name)
    return t["id"] if t else None


def type_name_of(ident):
    for name, t in component_types().items():
        if t["id"] == ident:
            return name
    return None


# ---- handler table ---------------------------------------------------------------

DEFAULT_DESCRIPTION = os.path.join(ROOT, "data", "main_window.template.json")


def handler_offsets(names):
    """Handler name -> byte offset, from the handler table's names in slot order."""
    slot_size = 4  # a 32-bit program: one code address per slot
    if not isinstance(names, list) or not names or not all(isinstance(n, str) for n in names):
        raise FormatError("handlers: a list of handler names in slot order")
    if len(set(names)) != len(names):
        raise FormatError("handlers: a name appears twice")
    return {name: slot * slot_size for slot, name in enumerate(names)}


def load_handler_offsets(path=None):
    """Handler name -> byte offset, from the 'handlers' list of a window description
    (the tool's own by default)."""
    path = path or DEFAULT_DESCRIPTION
    with open(path, encoding="utf-8") as f:
        desc = json.load(f)
    if "handlers" not in desc:
        raise FormatError("no handlers listed in " + path)
    return handler_offsets(desc["handlers"])


# ---- primitive writer and reader ------------------------------------------------

class Writer:
    def __init__(self):
        self.out = bytearray()

    def u32(self, v):
        self.out += struct.pack("<I", v & 0xFFFFFFFF)

    def i32(self, v):
        self.out += struct.pack("<i", v)

    def u8(self, v):
        self.out.append(v)

    def raw(self, b):
        self.out += b

    def counted(self, b):
        self.u32(len(b))
        self.out += b

    def inline(self, b):
        if b"\0" in b:
            raise FormatError("an inline text cannot hold a 0 byte")
        self.out += b + b"\0"


class Reader:
    def __init__(self, data):
        self.data = bytes(data)
        self.pos = 0

    def need(self, n):
        if n < 0 or self.pos + n > len(self.data):
            raise FormatError("length runs past the end at byte %d" % self.pos)

    def raw(self, n):
        self.need(n)
        b = self.data[self.pos:self.pos + n]
        self.pos += n
        return b

    def u32(self):
        return struct.unpack("<I", self.raw(4))[0]

    def i32(self):
        return struct.unpack("<i", self.raw(4))[0]

    def u8(self):
        return self.raw(1)[0]

    def counted(self):
        return self.raw(self.u32())

    def inline(self):
        end = self.data.find(b"\0", self.pos)
        if end < 0:
            raise FormatError("inline text without its 0 byte at byte %d" % self.pos)
        return self.raw(end - self.pos + 1)[:-1]

    def rest(self):
        return self.raw(len(self.data) - self.pos)

    def at_end(self):
        return self.pos == len(self.data)


# ---- value forms in the description -------------------------------------------

def parse_int(v, what):
    if isinstance(v, bool):
        return int(v)
    if isinstance(v, int):
        return v
    if isinstance(v, str):
        try:
            return int(v, 0)
        except ValueError:
            pass
    raise FormatError("%s: not a number: %r" % (what, v))


def hex_word(v):
    return "0x%08X" % v if v > 0xFFFFFF else "0x%06X" % v


def text_bytes(s):
    return s.encode(ENCODING)


def text_str(b):
    return b.decode(ENCODING)


def block_bytes(s, what):
    try:
        return bytes.fromhex(s)
    except (TypeError, ValueError):
        raise FormatError("%s: not a hex byte string: %r" % (what, s))


# ---- property data blocks -----------------------------------------------------

def encode_properties(type_name, props, what):
    """Property values by field name -> the stored block. None gives an empty block."""
    if props is None:
        return b""
    if "raw" in props:
        return block_bytes(props["raw"], what)
    layout = component_types().get(type_name)
    if layout is None:
        raise FormatError("%s: no property layout for type %s; give 'raw'" % (what, type_name))
    version = parse_int(props.get("version"), what + ".version")
    fields = [f for f in layout["fields"] if version >= f[2]]
    expected = {"version"} | {f[1] for f in fields}
    if set(props) != expected:
        missing = sorted(expected - set(props))
        extra = sorted(set(props) - expected)
        raise FormatError("%s: properties missing %s, unknown %s" % (what, missing, extra))
    w = Writer()
    w.u32(version)
    for kind, name, _, _ in fields:
        v = props[name]
        where = "%s.%s" % (what, name)
        if kind == "u32":
            w.u32(parse_int(v, where))
        elif kind == "u8":
            w.u8(parse_int(v, where) & 0xFF)
        elif kind == "text":
            w.counted(text_bytes(v))
        else:
            w.counted(block_bytes(v, where))
    return bytes(w.out)


def decode_properties(type_name, block):
    """The stored block -> property values by field name; 'raw' when it is not one
    this layout table can read back identically."""
    if not block:
        return None
    layout = component_types().get(type_name)
    if layout is not None:
        try:
            r = Reader(block)
            version = r.u32()
            if version <= layout["version"]:
                props = {"version": version}
                for kind, name, since, shown in layout["fields"]:
                    if version < since:
                        continue
                    if kind == "u32":
                        v = r.u32()
                        props[name] = hex_word(v) if shown == "colour" else v
                    elif kind == "u8":
                        props[name] = r.u8()
                    elif kind == "text":
                        props[name] = text_str(r.counted())
                    else:
                        props[name] = r.counted().hex()
                if r.at_end() and encode_properties(type_name, props, "check") == block:
                    return props
        except (FormatError, UnicodeDecodeError):
            pass
    return {"raw": block.hex()}


# ---- records ------------------------------------------------------------------

RECORD_DEFAULTS = {
    "event_link": 0, "reserved": [0, 0, 0, 0], "second_name": "", "object_slot": 0,
    "cursor_slot": 0, "cursor": "", "tag": "", "reserved_word": 0, "focus_order": 0,
    "reserved_tail": [0, 0, 0, 0, 0], "state": [],
}


def state_word(names, what):
    word = 0
    flags = dict(STATE_FLAGS)
    for n in names:
        word |= flags[n] if n in flags else parse_int(n, what + ".state")
    return word


def state_names(word):
    names = [n for n, bit in STATE_FLAGS if word & bit]
    rest = word & ~sum(bit for _, bit in STATE_FLAGS)
    if rest:
        names.append(hex_word(rest))
    return names


def encode_record(c, ctx, what):
    """One component description -> the record's S bytes."""
    get = lambda k: c[k] if k in c else ctx["defaults"].get(k, RECORD_DEFAULTS.get(k))
    ident = parse_int(c["id"], what + ".id")
    if "raw" in c:  # a record kept as bytes, for example a menu item
        return block_bytes(c["raw"], what)
    type_name = c["type"]
    type_id = type_id_of(type_name)
    if type_id is None:
        type_id = parse_int(type_name, what + ".type")
    w = Writer()
    w.u32(type_id)
    w.u32(ctx["ref"](get("event_link"), what + ".event_link"))
    reserved = get("reserved")
    if len(reserved) != 4:
        raise FormatError(what + ".reserved: four words")
    for v in reserved:
        w.u32(parse_int(v, what + ".reserved"))
    w.inline(text_bytes(c["name"]))
    w.inline(text_bytes(get("second_name")))
    w.u32(parse_int(get("object_slot"), what))
    for k in ("left", "top", "width", "height"):
        w.i32(parse_int(c[k], what + "." + k))
    w.u32(parse_int(get("cursor_slot"), what))
    w.u32(ctx["ref"](c.get("container"), what + ".container"))
    children = c["children"] if "children" in c else ctx["children"].get(ident, [])
    w.u32(len(children))
    for child in children:
        w.u32(ctx["ref"](child, what + ".children"))
    w.counted(block_bytes(get("cursor"), what + ".cursor"))
    w.inline(text_bytes(get("tag")))
    w.u32(parse_int(get("reserved_word"), what))
    w.u32(state_word(get("state"), what))
    w.u32(parse_int(get("focus_order"), what))
    events = get("events") or []
    w.u32(len(events))
    for number, handler in events:
        w.i32(parse_int(number, what + ".events"))
        w.i32(ctx["handler"](handler, what + ".events"))
    tail = get("reserved_tail")
    if len(tail) != 5:
        raise FormatError(what + ".reserved_tail: five words")
    for v in tail:
        w.u32(parse_int(v, what + ".reserved_tail"))
    w.raw(encode_properties(type_name, c.get("properties"), what + ".properties"))
    return bytes(w.out)


def decode_record(ident, record):
    """The record's bytes -> a dict of its fields (ids and offsets still numbers)."""
    r = Reader(record)
    rec = {"id": ident}
    if is_menu_item_id(ident):
        return {"id": ident, "raw": record.hex()}
    rec["type_id"] = r.u32()
    rec["event_link"] = r.u32()
    rec["reserved"] = [r.u32() for _ in range(4)]
    rec["name"] = r.inline()
    rec["second_name"] = r.inline()
    rec["object_slot"] = r.u32()
    rec["left"], rec["top"], rec["width"], rec["height"] = (r.i32() for _ in range(4))
    rec["cursor_slot"] = r.u32()
    rec["container"] = r.u32()
    count = r.u32()
    r.need(4 * count)
    rec["children"] = [r.u32() for _ in range(count)]
    rec["cursor"] = r.counted()
    rec["tag"] = r.inline()
    rec["reserved_word"] = r.u32()
    rec["state"] = r.u32()
    rec["focus_order"] = r.u32()
    count = r.u32()
    r.need(8 * count)
    rec["events"] = [(r.i32(), r.i32()) for _ in range(count)]
    rec["reserved_tail"] = [r.u32() for _ in range(5)]
    rec["properties"] = r.rest()
    return rec


# ---- the segment --------------------------------------------------------------

def _derived_children(components, ids):
    """Container id -> its children in record order."""
    children = {}
    for c, ident in zip(components, ids):
        container = c.get("_container_id", 0)
        if container:
            children.setdefault(container, []).append(ident)
    return children


def encode_segment(desc, handlers):
    """The readable description -> the stored segment."""
    def handler_offset(h, what):
        if h is None:
            return -1
        if isinstance(h, str) and h.startswith("kHandler"):
            if h not in handlers:
                raise FormatError("%s: unknown handler %s" % (what, h))
            return handlers[h]
        return parse_int(h, what)

    windows = desc["windows"]
    table = Writer()
    for win in windows:
        table.u32(parse_int(win["id"], "window id"))
    for win in windows:
        table.u32(parse_int(win.get("reserved_slot", 0), "window reserved slot"))
    out = Writer()
    out.counted(bytes(table.out))

    for win in windows:
        comps = win["components"]
        ids = [parse_int(c["id"], "component id") for c in comps]
        by_name = {}
        for c, ident in zip(comps, ids):
            if c.get("name"):
                by_name.setdefault(c["name"], []).append(ident)

        def ref(v, what):
            if v is None or v == 0:
                return 0
            if isinstance(v, str) and not v.startswith("0x"):
                if len(by_name.get(v, [])) != 1:
                    raise FormatError("%s: no single component named %s" % (what, v))
                return by_name[v][0]
            return parse_int(v, what)

        for c in comps:
            if "raw" not in c:
                c["_container_id"] = ref(c.get("container"), "container of " + c.get("name", "?"))
        ctx = {"defaults": win.get("record_defaults", {}), "ref": ref, "handler": handler_offset,
               "children": _derived_children(comps, ids)}
        records = []
        for i, c in enumerate(comps):
            what = "record %d (%s)" % (i, c.get("name", ""))
            records.append(encode_record(c, ctx, what))
        for c in comps:
            c.pop("_container_id", None)

        ids_w, offs_w, recs_w = Writer(), Writer(), Writer()
        for ident, rec in zip(ids, records):
            ids_w.u32(ident)
            offs_w.u32(len(recs_w.out))
            recs_w.counted(rec)
        out.u32(parse_int(win.get("word_a", 0), "word_a"))
        out.u32(parse_int(win.get("word_b", 0), "word_b"))
        out.counted(text_bytes(win.get("text1", "")))
        out.counted(text_bytes(win.get("text2", "")))
        out.u32(len(ids))
        out.counted(bytes(ids_w.out + offs_w.out + recs_w.out))
    return bytes(out.out)


def decode_segment(data, handlers):
    """Stored segment -> the readable description; FormatError when it is damaged."""
    names_by_offset = {v: k for k, v in handlers.items()}
    r = Reader(data)
    table = r.counted()
    if len(table) % 8:
        raise FormatError("window table length %d is not a multiple of 8" % len(table))
    count = len(table) // 8
    words = struct.unpack("<%dI" % (2 * count), table)
    desc = {"windows": []}
    for wi in range(count):
        win = {"id": hex_word(words[wi]), "reserved_slot": words[count + wi]}
        win["word_a"] = r.u32()
        win["word_b"] = hex_word(r.u32())
        win["text1"] = text_str(r.counted())
        win["text2"] = text_str(r.counted())
        n = r.u32()
        body = Reader(r.counted())
        body.need(8 * n)
        ids = [body.u32() for _ in range(n)]
        offsets = [body.u32() for _ in range(n)]
        recs = Reader(body.rest())
        raw_records = []
        for i in range(n):
            if offsets[i] != recs.pos:
                raise FormatError("record %d is not where its offset says" % i)
            raw_records.append(recs.counted())
        if not recs.at_end():
            raise FormatError("bytes left over after the last record")
        decoded = [decode_record(i, b) for i, b in zip(ids, raw_records)]

        names = {}
        for d in decoded:
            if d.get("name"):
                names.setdefault(d["name"], []).append(d["id"])

        def ref_out(v):
            if v == 0:
                return None
            for d in decoded:
                if d["id"] == v and d.get("name") and len(names[d["name"]]) == 1 \
                        and not d["name"].startswith(b"0x"):
                    return text_str(d["name"])
            return hex_word(v)

        comps = []
        for d in decoded:
            if "raw" in d:
                comps.append({"id": hex_word(d["id"]), "raw": d["raw"]})
                continue
            type_name = type_name_of(d["type_id"]) or hex_word(d["type_id"])
            c = {"id": hex_word(d["id"]), "name": text_str(d["name"]), "type": type_name,
                 "container": ref_out(d["container"]),
                 "left": d["left"], "top": d["top"], "width": d["width"], "height": d["height"],
                 "state": state_names(d["state"])}
            c["events"] = [[e, None if h == -1 else names_by_offset.get(h, h)] for e, h in d["events"]]
            for k in ("event_link",):
                if d[k]:
                    c[k] = ref_out(d[k])
            for k, default in (("reserved", [0] * 4), ("second_name", b""), ("object_slot", 0),
                               ("cursor_slot", 0), ("tag", b""), ("reserved_word", 0),
                               ("focus_order", 0), ("reserved_tail", [0] * 5)):
                if d[k] != default:
                    c[k] = text_str(d[k]) if isinstance(d[k], bytes) else d[k]
            c["cursor"] = d["cursor"].hex()
            c["properties"] = decode_properties(type_name, d["properties"])
            c["_children"] = d["children"]
            c["_container_id"] = d["container"]
            comps.append(c)
        # Child lists that differ from the ones the builder derives are kept as given.
        derived = _derived_children([c for c in comps], ids)
        for c, ident in zip(comps, ids):
            if "raw" in c:
                continue
            stored = c.pop("_children")
            if stored != derived.get(ident, []):
                c["children"] = [ref_out(x) if x else 0 for x in stored]
        for c in comps:
            c.pop("_container_id", None)
        win["components"] = comps
        desc["windows"].append(win)
    if not r.at_end():
        raise FormatError("bytes left over after the last window")
    return desc
