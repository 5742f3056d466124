#!/usr/bin/python3
"""Fails when the game's translations fall behind its sources.

    check.py CMAKE LUPDATE_PROJECT_GENERATOR LUPDATE_PROJECT LUPDATE SOURCE_DIR TS... -- LUPDATE_OPTIONS...

Three faults, each listed: a .ts file that lupdate would change (run
`cmake --build build --target update_translations`), a text without a finished translation,
and a Japanese text in the sources that does not go through the translation system.
"""
import filecmp
import pathlib
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

# Non-ASCII literals that are not shown texts, with the reason.
NOT_SHOWN = {
    "src/platform/fonts.h": "the layout's font family names, which are mapped to installed fonts",
}
TRANSLATING_CALLS = ("tr(", "translate(", "QT_TR_NOOP(", "QT_TRANSLATE_NOOP(")


def literals(text):
    """Yields (line, literal, code before it) for each string literal outside comments."""
    at, line, code = 0, 1, []
    while at < len(text):
        char = text[at]
        if text.startswith("//", at):
            at = text.find("\n", at)
            at = len(text) if at < 0 else at
            continue
        if text.startswith("/*", at):
            end = text.find("*/", at + 2) + 2
            line += text.count("\n", at, end)
            at = end
            continue
        if char in "\"'":
            end = at + 1
            while end < len(text) and text[end] != char:
                end += 2 if text[end] == "\\" else 1
            if char == '"':
                yield line, text[at + 1:end], "".join(code)
            code.append(text[at:end + 1])
            at = end + 1
            continue
        line += char == "\n"
        code.append(char)
        at += 1


def untranslated_texts(source_dir):
    found = []
    for path in sorted((source_dir / "src").rglob("*")):
        relative = path.relative_to(source_dir).as_posix()
        if path.suffix not in (".cpp", ".h") or relative in NOT_SHOWN:
            continue
        for line, literal, before in literals(path.read_text(encoding="utf-8")):
            if literal.isascii():
                continue
            # The literal must be the source text of a translating call: its first argument,
            # or the second after a context.
            call = before.rstrip()
            if call.endswith('",'):
                call = call[:call[:-2].rfind('"')].rstrip()
            if not call.endswith(TRANSLATING_CALLS):
                found.append(f"{relative}:{line}: \"{literal}\"")
    return found


def unfinished_texts(ts_file):
    found = []
    for context in ElementTree.parse(ts_file).getroot().iter("context"):
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") or not (translation.text or "").strip():
                found.append(f"{ts_file.name}: {context.findtext('name')}: \"{message.findtext('source')}\"")
    return found


def main():
    arguments = sys.argv[1:]
    split = arguments.index("--")
    cmake, generator, project, lupdate, source_dir, *ts_files = arguments[:split]
    options = arguments[split + 1:]
    source_dir = pathlib.Path(source_dir)
    faults = []
    with tempfile.TemporaryDirectory() as scratch:
        scratch = pathlib.Path(scratch)
        # The same project and command as the build's update_translations, on copies.
        subprocess.run([cmake, f"-DIN_FILE={project}", f"-DOUT_FILE={scratch / 'project.json'}", "-P", generator],
                       check=True)
        for ts_file in map(pathlib.Path, ts_files):
            copy = scratch / ts_file.name
            shutil.copyfile(ts_file, copy)
            # It says that the copy stands in for the file the project names.
            run = subprocess.run([lupdate, "-silent", "-project", str(scratch / "project.json"), *options,
                                  "-ts", str(copy)], capture_output=True, text=True)
            if run.returncode != 0:
                sys.exit(f"lupdate failed: {run.stderr}")
            if not filecmp.cmp(ts_file, copy, shallow=False):
                faults.append(f"{ts_file.name} is behind the sources: build the target update_translations")
            faults += unfinished_texts(copy)
    faults += [f"{text} does not go through tr()" for text in untranslated_texts(source_dir)]
    for fault in faults:
        print(fault)
    if not faults:
        print(f"{len(ts_files)} translation(s) complete and up to date")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
