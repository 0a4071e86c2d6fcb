#!/usr/bin/env python3
"""Lays out a synthetic drive for the benchmark: folders of mixed fan-out and depth
(a few wide hubs, chains of deep paths, hidden dot folders), files spread unevenly
over them, a tenth of them *.log, and a few system.yaml files that belong to no
client. The same size and seed give the same tree.

Usage: make_drive.py <folder> --directories N --files N [--seed N]
The folder is emptied first. Prints one summary line.
"""
import argparse
import os
import random
import shutil

# Windows paths through the ANSI functions stop at 260 characters.
MAX_DIRECTORY_PATH = 180

WORDS = [
    "app", "bin", "cache", "config", "data", "docs", "assets", "lib", "plugins", "res",
    "temp", "users", "shared", "tools", "backup", "media", "fonts", "locale", "logs",
    "packages", "modules", "scripts", "textures", "sounds", "maps", "saves", "profiles",
    "updates", "runtime", "drivers", "games", "projects", "build", "src", "include",
]
CHINESE_WORDS = ["数据", "配置", "游戏", "下载", "文档", "备份", "英雄联盟", "图片"]
HIDDEN_FOLDERS = [".git", ".cache", ".vs", ".idea", ".config"]
EXTENSIONS = [
    ("dll", 8), ("txt", 6), ("dat", 6), ("png", 6), ("json", 5), ("cfg", 3), ("bin", 4),
    ("xml", 3), ("js", 4), ("ini", 2), ("exe", 2), ("jpg", 3), ("wem", 2), ("pak", 1),
]
# No extension may start with "log" unless it is exactly "log": a longer one gets a
# short 8.3 alias ending in .LOG, which a *.log pattern would match.
assert all(not e.startswith("log") for e, _ in EXTENSIONS)


class Folder:
    __slots__ = ("path", "depth", "names")

    def __init__(self, path, depth):
        self.path = path
        self.depth = depth
        self.names = set()  # lower-cased: names are unique without letter case


def unique_name(folder, make):
    for attempt in range(1000):
        name = make()
        if attempt > 10:  # a crowded folder: make it unique by number
            stem, dot, ext = name.rpartition(".")
            name = f"{stem}~{attempt}.{ext}" if dot else f"{name}~{attempt}"
        if name.lower() not in folder.names and name.lower() not in ("leagueclient", "system.yaml"):
            folder.names.add(name.lower())
            return name
    raise RuntimeError("no free name in " + folder.path)


def folder_name(rng):
    r = rng.random()
    if r < 0.01:
        return rng.choice(HIDDEN_FOLDERS) + ("" if rng.random() < 0.5 else str(rng.randrange(100)))
    if r < 0.03:
        return rng.choice(CHINESE_WORDS) + str(rng.randrange(1000))
    word = rng.choice(WORDS)
    return word if rng.random() < 0.3 else f"{word}_{rng.randrange(10000)}"


def make_folders(rng, root, count):
    folders = [Folder(root, 0)]
    hubs = [folders[0]]
    chains = []
    while len(folders) < count + 1:
        r = rng.random()
        deep = False
        if r < 0.55:
            parent = rng.choice(folders)
        elif r < 0.80:
            parent = rng.choice(hubs)
        elif r < 0.88 or (r < 0.97 and not chains):
            parent = folders[-1]  # the newest folder: runs of nesting
        elif r < 0.97:
            parent, deep = rng.choice(chains), True  # deep paths, node_modules style
        else:
            parent, deep = rng.choice(folders), True  # a new deep chain starts
        if len(parent.path) - len(root) > MAX_DIRECTORY_PATH - 20:
            continue
        make = (lambda: "m" + str(rng.randrange(1000))) if deep else (lambda: folder_name(rng))
        child = Folder(os.path.join(parent.path, unique_name(parent, make)), parent.depth + 1)
        folders.append(child)
        if rng.random() < 0.003:
            hubs.append(child)
        if deep:  # the chain grows from its tip
            if parent in chains:
                chains[chains.index(parent)] = child
            else:
                chains.append(child)
    return folders


def file_name(rng, is_log):
    stem = rng.choice(WORDS) + "_" + str(rng.randrange(100000))
    if rng.random() < 0.02:
        stem = rng.choice(CHINESE_WORDS) + str(rng.randrange(10000))
    if is_log:
        return stem + (".LOG" if rng.random() < 0.05 else ".log")
    exts, weights = zip(*EXTENSIONS)
    return stem + "." + rng.choices(exts, weights)[0]


def make_files(rng, folders, count, decoys):
    weights = [rng.lognormvariate(0, 1.3) for _ in folders]
    owners = rng.choices(range(len(folders)), weights=weights, k=count)
    logs = set(rng.sample(range(count), count // 10))
    for i, owner in enumerate(owners):
        folder = folders[owner]
        name = unique_name(folder, lambda: file_name(rng, i in logs))
        with open(os.path.join(folder.path, name), "w") as f:
            if i in logs:
                f.write("[info] started\n")  # the other files stay empty: inodes only
    # system.yaml files that belong to no client: collected by a search, never chosen.
    for folder in rng.sample(folders[1:], decoys):
        if "system.yaml" not in folder.names:
            folder.names.add("system.yaml")
            with open(os.path.join(folder.path, "system.yaml"), "w") as f:
                f.write("app: other\n")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("folder")
    parser.add_argument("--directories", type=int, required=True)
    parser.add_argument("--files", type=int, required=True)
    parser.add_argument("--seed", type=int, default=20240615)
    args = parser.parse_args()

    rng = random.Random(args.seed)
    root = os.path.abspath(args.folder)
    shutil.rmtree(root, ignore_errors=True)
    os.makedirs(root)
    folders = make_folders(rng, root, args.directories)
    for folder in folders[1:]:
        os.mkdir(folder.path)
    make_files(rng, folders, args.files, decoys=5)
    deepest = max(f.depth for f in folders)
    longest = max(len(f.path) - len(root) for f in folders)
    print(f"make_drive: {len(folders) - 1} folders, {args.files} files (+5 decoy system.yaml), "
          f"deepest {deepest} levels, longest folder path {longest} characters")


if __name__ == "__main__":
    main()
