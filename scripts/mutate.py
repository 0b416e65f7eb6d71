#!/usr/bin/env python3
"""Plants each fault of scripts/mutations.toml in a copy of the source tree,
builds the tests of the fault's layer, runs them, and says whether they
caught it: how much of what a player or a caller could observe the tests
hold. Run on demand (it takes a while), never by the test command.

  scripts/mutate.py                 every layer
  scripts/mutate.py game table      some layers
  scripts/mutate.py --list          the faults, without planting them
  scripts/mutate.py --report FILE   also write the results as Markdown
  scripts/mutate.py --by-test FILE  also write which tests caught each fault

The copy and its build live in $XDG_CACHE_HOME/daxo-mutate (or --work DIR),
so that the tree worked in is never touched and a second run builds only
what a fault changed.
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time
import tomllib
from pathlib import Path

SOURCE = Path(__file__).resolve().parent.parent
CATALOGUE = SOURCE / "scripts" / "mutations.toml"
# A fault that makes a test hang is caught when its time runs out.
PATIENCE_SECONDS = 900


def copy_tree(work):
    """Brings the copy in line with the tree: a file whose bytes differ is
    written anew, and so is newer than anything built from it, even when a
    run was stopped with a fault still planted; a file the tree no longer
    has is removed."""
    copy = work / "src"
    skipped = {".git", "__pycache__"}
    wanted = set()
    for folder, folders, files in os.walk(SOURCE):
        folders[:] = [f for f in folders if f not in skipped and not f.startswith("build")]
        for name in files:
            source = Path(folder) / name
            relative = source.relative_to(SOURCE)
            wanted.add(relative)
            target = copy / relative
            if target.is_file() and target.read_bytes() == source.read_bytes():
                continue
            target.parent.mkdir(parents=True, exist_ok=True)
            shutil.copyfile(source, target)
    for folder, _, files in os.walk(copy):
        for name in files:
            path = Path(folder) / name
            if path.relative_to(copy) not in wanted:
                path.unlink()
    return copy


def configure(copy, build):
    subprocess.run(["cmake", "-S", str(copy), "-B", str(build), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
                    "-DBUILD_TESTING=ON"], check=True, stdout=subprocess.DEVNULL)


def build_targets(build, targets):
    done = subprocess.run(["cmake", "--build", str(build), "--target", *targets], capture_output=True, text=True)
    return done.returncode == 0, done.stdout[-3000:] + done.stderr[-3000:]


def run_tests(build, commands, scratch):
    """The tests of the layer that failed, run in their own folders: the
    failing tests by name, or the command itself when it says no names."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_CONFIG_HOME=str(scratch / "config"),
               XDG_DATA_HOME=str(scratch / "data"), XDG_CACHE_HOME=str(scratch / "cache"))
    failed = []
    for command in commands:
        argv = [str(build / command[0]), *command[1:]]
        try:
            done = subprocess.run(argv, cwd=build, env=env, capture_output=True, text=True, errors="replace",
                                  timeout=PATIENCE_SECONDS)
        except subprocess.TimeoutExpired:
            failed.append(f"{command[0]} (out of time)")
            continue
        if done.returncode != 0:
            names = sorted({line.split("]", 1)[1].split(",")[0].split(" (")[0].strip()
                            for line in done.stdout.splitlines() if line.startswith("[  FAILED  ]")})
            names = [name for name in names if name and not name[0].isdigit()]
            failed.extend(names or [command[0]])
    return failed


def plant(copy, fault):
    path = copy / fault["file"]
    text = path.read_text()
    if text.count(fault["find"]) != 1:
        raise SystemExit(f"{fault['file']}: the text of '{fault['what']}' is not there once; mend the catalogue")
    path.write_text(text.replace(fault["find"], fault["replace"]))
    return path, text


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("layers", nargs="*")
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--report")
    parser.add_argument("--by-test")
    cache = Path(os.environ.get("XDG_CACHE_HOME", Path.home() / ".cache"))
    parser.add_argument("--work", type=Path, default=cache / "daxo-mutate")
    arguments = parser.parse_args()

    catalogue = tomllib.loads(CATALOGUE.read_text())
    layers = catalogue["layers"]
    chosen = arguments.layers or list(layers)
    for layer in chosen:
        if layer not in layers:
            raise SystemExit(f"no layer '{layer}': {', '.join(layers)}")
    faults = [fault for fault in catalogue["fault"] if fault["layer"] in chosen]
    if arguments.list:
        for fault in faults:
            print(f"{fault['layer']:8} {fault['file']:34} {fault['what']}")
        return 0

    arguments.work.mkdir(parents=True, exist_ok=True)
    copy = copy_tree(arguments.work)
    build = arguments.work / "build"
    configure(copy, build)
    results = []
    by_test = []
    for layer in chosen:
        spec = layers[layer]
        built, log = build_targets(build, spec["targets"])
        with tempfile.TemporaryDirectory() as scratch:
            if not built or run_tests(build, spec["run"], Path(scratch)):
                raise SystemExit(f"the {layer} tests fail with no fault planted:\n{log}")
        for fault in (f for f in faults if f["layer"] == layer):
            path, original = plant(copy, fault)
            started = time.monotonic()
            try:
                built, log = build_targets(build, spec["targets"])
                if not built:
                    raise SystemExit(f"'{fault['what']}' does not build; mend the catalogue:\n{log}")
                with tempfile.TemporaryDirectory() as scratch:
                    catchers = run_tests(build, spec["run"], Path(scratch))
                caught = bool(catchers)
            finally:
                path.write_text(original)
            seconds = time.monotonic() - started
            results.append((layer, fault, caught))
            by_test.append((layer, fault, catchers))
            print(f"{'caught' if caught else 'MISSED':7} {layer:8} {fault['what']}  ({seconds:.0f} s)", flush=True)
        build_targets(build, spec["targets"])  # back to the tree as it is

    lines = ["| layer | faults | caught | rate | missed |", "|---|---|---|---|---|"]
    for layer in chosen:
        mine = [(fault, caught) for l, fault, caught in results if l == layer]
        caught = sum(1 for _, c in mine if c)
        missed = "; ".join(fault["what"] for fault, c in mine if not c) or "none"
        rate = 100.0 * caught / len(mine) if mine else 100.0
        lines.append(f"| {layer} | {len(mine)} | {caught} | {rate:.0f} % | {missed} |")
    print("\n".join(lines))
    if arguments.report:
        Path(arguments.report).write_text("\n".join(lines) + "\n")
    if arguments.by_test:
        Path(arguments.by_test).write_text("".join(f"{layer}\t{fault['what']}\t{' '.join(catchers) or '-'}\n"
                                                   for layer, fault, catchers in by_test))
    return 0


if __name__ == "__main__":
    sys.exit(main())
