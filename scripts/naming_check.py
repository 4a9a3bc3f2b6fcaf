"""The naming check: every source file of the layer folders named in lower case with underscores,
then run-clang-tidy over the sources, each read once (the build compiles many sources again for
the sanitized tests, and clang-tidy would read a file once for each of its commands).

Usage: naming_check.py RUN_CLANG_TIDY BUILD_DIR FOLDERS [run-clang-tidy arguments ...]
FOLDERS: the layer folders, separated by ";".
"""
import json
import os
import re
import sys

run_clang_tidy, build, folders, *args = sys.argv[1:]
root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
bad = [
    os.path.join(folder, name)
    for folder in folders.split(";")
    for name in sorted(os.listdir(os.path.join(root, folder)))
    if re.search(r"\.(c|cc|cpp|h|hpp)$", name) and not re.fullmatch(r"[a-z0-9_]+\.[a-z]+", name)
]
if bad:
    sys.exit("file names not in lower case with underscores: " + ", ".join(bad))
folder = os.path.join(build, "naming")
os.makedirs(folder, exist_ok=True)
first = {}
with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as f:
    for command in json.load(f):
        first.setdefault(os.path.join(command["directory"], command["file"]), command)
with open(os.path.join(folder, "compile_commands.json"), "w", encoding="utf-8") as f:
    json.dump(list(first.values()), f)
os.execv(run_clang_tidy, [run_clang_tidy, "-p", folder, *args])
