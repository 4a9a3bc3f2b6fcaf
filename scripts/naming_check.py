"""Runs run-clang-tidy (the naming check) once per source file. The build compiles many sources
again for the sanitized tests, and clang-tidy would read a file once for each of its commands.

Usage: naming_check.py RUN_CLANG_TIDY BUILD_DIR [run-clang-tidy arguments ...]
"""
import json
import os
import sys

run_clang_tidy, build, *args = sys.argv[1:]
folder = os.path.join(build, "naming")
os.makedirs(folder, exist_ok=True)
first = {}
with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as f:
    for command in json.load(f):
        first.setdefault(os.path.join(command["directory"], command["file"]), command)
with open(os.path.join(folder, "compile_commands.json"), "w", encoding="utf-8") as f:
    json.dump(list(first.values()), f)
os.execv(run_clang_tidy, [run_clang_tidy, "-p", folder, *args])
