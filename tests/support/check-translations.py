#!/usr/bin/env python3
"""Checks translation catalogues (.ts files): every message has a finished,
non-empty translation, and each translation keeps its source's placeholders
(%1, %L2, %n) and markup tags, so that nothing the program fills in or draws
is lost in another language. Prints each fault; exits 1 when there is one."""
import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?\d+|%n")
TAG = re.compile(r"</?([A-Za-z][A-Za-z0-9]*)[^>]*>")


def faults(path):
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            # A text may hold <byte value="xd"/> (a carriage return) among
            # its characters: the whole text counts, not what comes before it.
            source = "".join(message.find("source").itertext())
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            if kind in ("obsolete", "vanished"):
                continue
            where = f"{path}: {name}: {source[:60]!r}"
            forms = ["".join(f.itertext()) for f in translation.iter("numerusform")] if translation is not None else []
            texts = forms or ["".join(translation.itertext()) if translation is not None else ""]
            if kind in ("unfinished", "missing") or any(not t.strip() for t in texts):
                yield f"{where}: not translated"
                continue
            for text in texts:
                if sorted(PLACEHOLDER.findall(text)) != sorted(PLACEHOLDER.findall(source)):
                    yield f"{where}: the placeholders differ in {text[:60]!r}"
                if sorted(TAG.findall(text)) != sorted(TAG.findall(source)):
                    yield f"{where}: the markup differs in {text[:60]!r}"


found = [f for path in sys.argv[1:] for f in faults(path)]
print("\n".join(found))
print(f"{len(found)} fault(s) in {len(sys.argv) - 1} catalogue(s)")
sys.exit(1 if found or len(sys.argv) < 2 else 0)
