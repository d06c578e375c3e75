#!/usr/bin/env python3
"""Runs clang-tidy over every source file of src/ and fails on any finding.

Most of clang-tidy's time goes into parsing and matching the Qt headers, once
per file. The files of one layer share their compile flags, so they are checked
as one translation unit that includes them all, which parses those headers once
per batch. Files that do not compile together (the same helper name in two
files' anonymous namespaces) go into further batches.

Usage: tidy.py BUILD_DIR (a build tree with compile_commands.json)
"""

import json
import os
import re
import subprocess
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor

CLANG_TIDY = os.environ.get("CLANG_TIDY", "clang-tidy-14")
ROOT = os.path.realpath(os.path.join(os.path.dirname(__file__), ".."))
SOURCES = os.path.join(ROOT, "src")
# A batch lies outside the tree, where clang-tidy would not find the checks.
CONFIG = os.path.join(ROOT, ".clang-tidy")
WORKERS = 2
ERROR_LOCATION = re.compile(r"^(/\S+\.cpp):\d+:\d+: error:", re.MULTILINE)
SUMMARY = re.compile(r"^\d+ (warnings?|errors?)( and \d+ errors?)? generated\.$")


def layer_of(path):
    return os.path.relpath(path, SOURCES).split(os.sep)[0]


def load_commands(build_dir):
    with open(os.path.join(build_dir, "compile_commands.json"), encoding="utf-8") as f:
        entries = json.load(f)
    commands = {}
    for entry in entries:
        path = os.path.realpath(os.path.join(entry["directory"], entry["file"]))
        if path.startswith(SOURCES + os.sep) and path.endswith(".cpp"):
            command = entry.get("command") or " ".join(entry["arguments"])
            # gcc's precompiled header cannot be read by clang.
            command = re.sub(r" -Winvalid-pch -include \S*cmake_pch\.hxx", "", command)
            commands[path] = (entry["directory"], command)
    return commands


def run_tidy(unit, directory, command, workdir):
    database = tempfile.mkdtemp(dir=workdir)
    unit_command = command.split(" -c ")[0] + " -c " + unit
    with open(os.path.join(database, "compile_commands.json"), "w", encoding="utf-8") as f:
        json.dump([{"directory": directory, "command": unit_command, "file": unit}], f)
    result = subprocess.run(
        [CLANG_TIDY, "-p", database, f"--config-file={CONFIG}", "--quiet", f"--header-filter=^{SOURCES}/", unit],
        capture_output=True, text=True, check=False)
    return [line for line in (result.stdout + result.stderr).splitlines() if not SUMMARY.match(line)]


def write_batch(files, workdir):
    unit = os.path.join(tempfile.mkdtemp(dir=workdir), "batch.cpp")
    with open(unit, "w", encoding="utf-8") as f:
        for path in files:
            f.write(f'#include "{path}"  // NOLINT(bugprone-suspicious-include)\n')
    return unit


def files_failing_together(files, command, workdir):
    """The files of the batch that the compiler reports errors in."""
    directory, command = command
    unit = write_batch(files, workdir)
    result = subprocess.run(command.split(" -c ")[0] + " -fsyntax-only " + unit, shell=True, cwd=directory,
                            capture_output=True, text=True, check=False)
    return {path for path in ERROR_LOCATION.findall(result.stderr) if path in files}


def partition(files, command, workdir):
    """Batches of files that compile as one unit, found by the compiler alone,
    which is much faster than a clang-tidy run that fails."""
    batches, rest = [], files
    while rest:
        batch, evicted = rest, []
        while len(batch) > 1:
            failing = files_failing_together(batch, command, workdir)
            if not failing:
                break
            evicted += [path for path in batch if path in failing]
            batch = [path for path in batch if path not in failing]
        if not batch:
            # Errors of their own: each is checked alone, where clang-tidy reports them.
            return batches + [[path] for path in evicted]
        batches.append(batch)
        rest = evicted
    return batches


def check(files, commands, workdir):
    directory, command = commands[files[0]]
    unit = files[0] if len(files) == 1 else write_batch(files, workdir)
    return run_tidy(unit, directory, command, workdir)


def main():
    commands = load_commands(sys.argv[1])
    sources = subprocess.check_output(["find", SOURCES, "-name", "*.cpp"], text=True).split()
    missing = sorted(os.path.realpath(p) for p in sources if os.path.realpath(p) not in commands)
    if missing:
        print("not in the compile database:", *missing, sep="\n  ")
        return 1
    layers = {}
    for path in sorted(commands):
        layers.setdefault(layer_of(path), []).append(path)
    with tempfile.TemporaryDirectory() as workdir, ThreadPoolExecutor(WORKERS) as pool:
        partitions = pool.map(lambda files: partition(files, commands[files[0]], workdir), layers.values())
        batches = sorted((batch for batches in partitions for batch in batches), key=len, reverse=True)
        outputs = list(pool.map(lambda files: check(files, commands, workdir), batches))
    findings = [line for output in outputs for line in output]
    if findings:
        print(*findings, sep="\n")
    return 1 if findings else 0


if __name__ == "__main__":
    sys.exit(main())
