"""Lets the file system settle before a timed deletion: a fresh copy of a large tree
leaves hundreds of megabytes of dirty pages and inodes, and their writeback, running
inside the timing, made the deletions of one run twice as slow as those of another.
"""
import subprocess
import time

# "Near zero" for a machine that others may be writing on: a copy of the tree leaves
# a hundred times more.
SETTLED_KB = 2048
LIMIT_S = 60.0
RESYNC_S = 5.0


def pending_kb(meminfo_text):
    """Dirty plus Writeback, in kB, from the text of /proc/meminfo."""
    total = 0
    seen = 0
    for line in meminfo_text.splitlines():
        key, _, rest = line.partition(":")
        if key in ("Dirty", "Writeback"):
            total += int(rest.split()[0])
            seen += 1
    if seen != 2:
        raise ValueError("no Dirty and Writeback lines in the memory information")
    return total


def read_meminfo():
    with open("/proc/meminfo") as f:
        return f.read()


def settle(read=read_meminfo, sync=lambda: subprocess.run(["sync"], check=True), clock=time.monotonic,
           sleep=time.sleep, settled_kb=SETTLED_KB, limit_s=LIMIT_S):
    """Syncs, then waits until the pending writes fall to `settled_kb` or `limit_s`
    has passed, syncing again now and then. Returns (seconds waited, kB still
    pending); the caller records both, so a run that could not settle says so."""
    start = clock()
    sync()
    last_sync = start
    while True:
        pending = pending_kb(read())
        now = clock()
        if pending <= settled_kb or now - start >= limit_s:
            return now - start, pending
        if now - last_sync >= RESYNC_S:
            sync()
            last_sync = now
        sleep(0.1)
