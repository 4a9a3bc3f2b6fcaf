"""The naming check: every source file of the layer folders named in lower case with underscores,
then run-clang-tidy over the sources, each read once (the build compiles many sources again for
the sanitized tests, and clang-tidy would read a file once for each of its commands). A source
whose object file is as it was at the last clean pass is not read again: the build remakes the
object whenever the source or one of its headers changes.

Usage: naming_check.py RUN_CLANG_TIDY BUILD_DIR FOLDERS [run-clang-tidy arguments ...]
FOLDERS: the layer folders, separated by ";".
"""
import json
import os
import re
import shlex
import subprocess
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
first, made = {}, {}
with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as f:
    for command in json.load(f):
        first.setdefault(os.path.join(command["directory"], command["file"]), command)
for path, command in first.items():
    words = shlex.split(command["command"])
    obj = os.path.join(command["directory"], words[words.index("-o") + 1]) if "-o" in words else ""
    made[path] = os.stat(obj).st_mtime_ns if os.path.isfile(obj) else None
# New rules or arguments read every source again.
made["rules"] = open(os.path.join(root, ".clang-tidy"), encoding="utf-8").read() + repr(args)
passed_file = os.path.join(folder, "passed.json")
passed = json.load(open(passed_file, encoding="utf-8")) if os.path.exists(passed_file) else {}
# A code-generation switch only GCC knows (the mingw build's, for GCC 16) means nothing to names.
for command in first.values():
    command["command"] = command["command"].replace(" -fno-declone-ctor-dtor", "")
todo = [c for p, c in first.items()
        if made[p] is None or passed.get(p) != made[p] or passed.get("rules") != made["rules"]]
with open(os.path.join(folder, "compile_commands.json"), "w", encoding="utf-8") as f:
    json.dump(todo, f)
print(f"naming: {len(todo)} of {len(first)} sources changed since the last clean pass")
if todo and subprocess.run([run_clang_tidy, "-p", folder, *args]).returncode:
    sys.exit(1)
with open(passed_file, "w", encoding="utf-8") as f:
    json.dump(made, f)
