#!/usr/bin/env python3
"""The suite's translation catalogues: translations/harwick_en.ts and
translations/harwick_zh_CN.ts, one entry for every text a user reads.

A text a user reads is a constant written

    inline constexpr harwick::UiText kName = "…";   (or UiText kName = "…" "…";)

anywhere under apps/, platform/, formats/ and libs/.

  translations.py update   adds the texts that are new to both catalogues
                           and drops those no longer written. A text already
                           in the catalogue's language is its own translation;
                           any other new text is left unfinished for a person
                           to translate.
  translations.py check    fails, naming each one, while a text has no
                           finished translation, an entry names a text that is
                           no longer written, or a translation loses a %1, %2 …
                           or is in the wrong language. The build runs it.
"""

import argparse
import os
import re
import sys
import xml.etree.ElementTree as ElementTree

CONTEXT = "harwick"
FOLDERS = ("apps", "platform", "formats", "libs")
LANGUAGES = (("en", "harwick_en.ts"), ("zh_CN", "harwick_zh_CN.ts"))
# A Chinese translation that is rightly the same as its source (a name, a
# unit) says so in its translator comment.
KEPT_MARK = "kept"

CONSTANT = re.compile(r'\bUiText\s+(k\w+)\s*=\s*((?:"(?:[^"\\\n]|\\.)*"\s*)+);')
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
PLACEHOLDER = re.compile(r"%(?:\d|l?[ds])")
CJK = re.compile(r"[\u3000-\u303f\u3400-\u9fff\uff00-\uffef]")
SIMPLE_ESCAPES = {"n": b"\n", "t": b"\t", "r": b"\r", "\\": b"\\", '"': b'"', "'": b"'", "?": b"?",
                  "a": b"\a", "b": b"\b", "f": b"\f", "v": b"\v"}


def decode_literal(body):
    """A C++ narrow string literal's bytes (UTF-8) as text."""
    out = bytearray()
    raw = body.encode("utf-8")
    i = 0
    while i < len(raw):
        c = raw[i:i + 1]
        if c != b"\\":
            out += c
            i += 1
            continue
        nxt = chr(raw[i + 1])
        if nxt == "x":
            j = i + 2
            while j < len(raw) and chr(raw[j]) in "0123456789abcdefABCDEF":
                j += 1
            out.append(int(raw[i + 2:j], 16) & 0xFF)
            i = j
        elif nxt in "01234567":
            j = i + 1
            while j < len(raw) and j < i + 4 and chr(raw[j]) in "01234567":
                j += 1
            out.append(int(raw[i + 1:j], 8) & 0xFF)
            i = j
        else:
            out += SIMPLE_ESCAPES[nxt]
            i += 2
    return out.decode("utf-8")


def collect(root):
    """Every UiText's source, in the order written, with where it is written."""
    texts = {}
    for folder in FOLDERS:
        for directory, _, files in sorted(os.walk(os.path.join(root, folder))):
            for name in sorted(files):
                if not name.endswith((".h", ".cpp")) or name.endswith("_test.cpp"):
                    continue
                path = os.path.join(directory, name)
                with open(path, encoding="utf-8") as f:
                    code = f.read()
                relative = os.path.relpath(path, root)
                for match in CONSTANT.finditer(code):
                    source = "".join(decode_literal(m.group(1)) for m in LITERAL.finditer(match.group(2)))
                    entry = texts.setdefault(source, {"where": [], "names": []})
                    entry["where"].append(relative)
                    entry["names"].append(match.group(1))
    return texts


def read_catalogue(path):
    """source -> {translation, unfinished, comment} of a .ts file; empty if there is none."""
    if not os.path.exists(path):
        return {}
    entries = {}
    for message in ElementTree.parse(path).getroot().iter("message"):
        translation = message.find("translation")
        comment = message.find("translatorcomment")
        entries[message.findtext("source", "")] = {
            "translation": translation.text or "" if translation is not None else "",
            "unfinished": translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"),
            "comment": comment.text or "" if comment is not None else "",
        }
    return entries


def escape(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;").replace('"', "&quot;")


def write_catalogue(path, language, texts, entries):
    lines = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
             f'<TS version="2.1" language="{language}">', "<context>", f"    <name>{CONTEXT}</name>"]
    for source, found in texts.items():
        entry = entries[source]
        lines.append("    <message>")
        for where in sorted(set(found["where"])):
            lines.append(f'        <location filename="../{escape(where)}"/>')
        lines.append(f"        <source>{escape(source)}</source>")
        lines.append(f"        <extracomment>{escape(' '.join(found['names']))}</extracomment>")
        if entry["comment"]:
            lines.append(f"        <translatorcomment>{escape(entry['comment'])}</translatorcomment>")
        kind = ' type="unfinished"' if entry["unfinished"] else ""
        lines.append(f"        <translation{kind}>{escape(entry['translation'])}</translation>")
        lines.append("    </message>")
    lines += ["</context>", "</TS>", ""]
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines))


def in_language(language, source):
    """Whether a source is already written in the catalogue's language."""
    chinese = bool(CJK.search(source))
    return chinese if language.startswith("zh") else not chinese


def update(root):
    texts = collect(root)
    for language, file_name in LANGUAGES:
        path = os.path.join(root, "translations", file_name)
        old = read_catalogue(path)
        entries = {}
        for source in texts:
            entry = old.get(source)
            if entry is None or (entry["unfinished"] and not entry["translation"]):
                if in_language(language, source):
                    entry = {"translation": source, "unfinished": False, "comment": ""}
                else:
                    entry = {"translation": "", "unfinished": True, "comment": ""}
            entries[source] = entry
        write_catalogue(path, language, texts, entries)
        unfinished = sum(1 for e in entries.values() if e["unfinished"])
        print(f"{file_name}: {len(entries)} texts, {unfinished} to translate")


def problems(root):
    texts = collect(root)
    found = []
    for source, where in texts.items():
        if any(ord(c) < 32 and c not in "\n\t" for c in source):
            found.append(f"{where['where'][0]}: {where['names'][0]}: a text a user reads holds a control character")
    for language, file_name in LANGUAGES:
        entries = read_catalogue(os.path.join(root, "translations", file_name))
        for source, where in texts.items():
            place = f"{file_name}: {where['names'][0]} ({where['where'][0]})"
            entry = entries.get(source)
            if entry is None:
                found.append(f"{place}: not in the catalogue; run scripts/translations.py update")
                continue
            translation = entry["translation"]
            if entry["unfinished"] or not translation:
                found.append(f"{place}: not translated yet")
                continue
            if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(translation)):
                found.append(f"{place}: the translation does not keep the source's %1, %2 …")
            if language == "en" and CJK.search(translation):
                found.append(f"{place}: the English translation holds Chinese characters")
            if (language.startswith("zh") and not CJK.search(translation) and re.search(r"[A-Za-z]{2}", source)
                    and KEPT_MARK not in entry["comment"]):
                found.append(f"{place}: the Chinese translation holds no Chinese; "
                             f"if the source is rightly kept, say '{KEPT_MARK}' in its translator comment")
            if source.endswith("\n") != translation.endswith("\n") or source.startswith("\n") != translation.startswith("\n"):
                found.append(f"{place}: the translation does not begin and end with the source's line breaks")
        for source in entries:
            if source not in texts:
                found.append(f"{file_name}: an entry for a text no longer written: {source[:60]!r}; "
                             "run scripts/translations.py update")
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("action", choices=("update", "check"))
    parser.add_argument("--root", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
    parser.add_argument("--stamp", help="with check: a file to touch when every text is translated")
    args = parser.parse_args()
    if args.action == "update":
        update(args.root)
        return 0
    found = problems(args.root)
    for problem in found:
        print(f"translations: {problem}", file=sys.stderr)
    if found:
        print(f"translations: {len(found)} problem(s); the catalogues are in translations/", file=sys.stderr)
        return 1
    if args.stamp:
        with open(args.stamp, "w", encoding="utf-8") as f:
            f.write("every text translated\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
