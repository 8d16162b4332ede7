#!/usr/bin/env python3
"""Checks the translations' placeholders, line breaks, edge blanks and "&" mnemonics; exits 1 on any fault."""
# Usage: tools/check_mnemonics.py [file.ts ...]   (default: every translations/*.ts)
# The texts with a mnemonic in one translation context all sit in one window (the toolbar of
# Window, the buttons of SelProfile, the tab of Top10), so their letters must differ there.
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r'%\d+')


def mnemonics(text):
    """The characters marked by a single '&' ("&&" is a literal ampersand)."""
    marks, i = [], 0
    while i < len(text):
        if text[i] == '&':
            if text[i + 1:i + 2] == '&':
                i += 2
                continue
            if i + 1 < len(text):
                marks.append(text[i + 1])
        i += 1
    return marks


def edges(text):
    return (len(text) - len(text.lstrip()), len(text) - len(text.rstrip()))


def check_message(context, source, translation):
    faults = []
    if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(translation)):
        faults.append('placeholders differ')
    if source.count('\n') != translation.count('\n'):
        faults.append('line breaks differ')
    if edges(source) != edges(translation):
        faults.append('leading/trailing blanks differ')
    src_marks, tr_marks = mnemonics(source), mnemonics(translation)
    if len(tr_marks) > 1:
        faults.append('more than one mnemonic')
    elif src_marks and not tr_marks:
        faults.append('mnemonic lost')
    elif tr_marks and not src_marks:
        faults.append('mnemonic added')
    elif tr_marks and not tr_marks[0].isalnum():
        faults.append(f"mnemonic on '{tr_marks[0]}'")
    return [f'{context} "{source}" -> "{translation}": {f}' for f in faults]


def check_file(path):
    faults = []
    try:
        root = ET.parse(path).getroot()
    except ET.ParseError as error:
        return [f'{path}: not readable: {error}']
    for context in root.iter('context'):
        name = context.findtext('name')
        letters = {}
        for message in context.iter('message'):
            source = message.findtext('source') or ''
            node = message.find('translation')
            translation = (node.text or '') if node is not None else ''
            if node is None or node.get('type') in ('unfinished', 'vanished', 'obsolete') or not translation:
                faults.append(f'{name} "{source}": not translated')
                continue
            faults += check_message(name, source, translation)
            for mark in mnemonics(translation)[:1]:
                letters.setdefault(mark.casefold(), []).append(translation)
        for mark, texts in letters.items():
            if len(texts) > 1:
                faults.append(f"{name}: mnemonic '{mark}' shared by " + ', '.join(f'"{t}"' for t in texts))
    return [f'{path}: {f}' for f in faults]


def main(args):
    files = args or sorted(str(p) for p in (Path(__file__).resolve().parent.parent / 'translations').glob('*.ts'))
    faults = [f for path in files for f in check_file(path)]
    for fault in faults:
        print(fault)
    print(f'{len(files)} files checked, {len(faults)} faults')
    return 1 if faults or not files else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
