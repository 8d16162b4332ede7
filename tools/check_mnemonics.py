#!/usr/bin/env python3
"""Checks the translations' placeholders, line breaks, edge blanks and "&" mnemonics; exits 1 on any fault."""
# Usage: tools/check_mnemonics.py [file.ts ...]   (default: every translations/*.ts)
# The texts with a mnemonic in one translation context all sit in one window (the toolbar of
# Window, the buttons of SelProfile, the tab of Top10), so their letters must differ there.
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path


def mnemonics(text):
    """The characters marked by a single '&' ("&&" is a literal ampersand)."""
    return re.findall(r'&([^&])', text.replace('&&', ''))


def edges(text):
    return len(text) - len(text.lstrip()), len(text) - len(text.rstrip())


def check_message(source, translation):
    placeholders = (sorted(re.findall(r'%\d+', t)) for t in (source, translation))
    src_marks, tr_marks = mnemonics(source), mnemonics(translation)
    faults = {
        'placeholders differ': next(placeholders) != next(placeholders),
        'line breaks differ': source.count('\n') != translation.count('\n'),
        'leading/trailing blanks differ': edges(source) != edges(translation),
        'more than one mnemonic': len(tr_marks) > 1,
        'mnemonic lost': bool(src_marks) and not tr_marks,
        'mnemonic added': bool(tr_marks) and not src_marks,
        f"mnemonic on '{''.join(tr_marks[:1])}'": len(tr_marks) == 1 and not tr_marks[0].isalnum(),
    }
    return [fault for fault, found in faults.items() if found]


def check_file(path):
    try:
        root = ET.parse(path).getroot()
    except ET.ParseError as error:
        return [f'{path}: not readable: {error}']
    faults = []
    for context in root.iter('context'):
        name, letters = context.findtext('name'), {}
        for message in context.iter('message'):
            source, node = message.findtext('source') or '', message.find('translation')
            translation = (node.text or '') if node is not None else ''
            if node is None or node.get('type') in ('unfinished', 'vanished', 'obsolete') or not translation:
                faults.append(f'{name} "{source}": not translated')
                continue
            faults += [f'{name} "{source}" -> "{translation}": {f}' for f in check_message(source, translation)]
            for mark in mnemonics(translation)[:1]:
                letters.setdefault(mark.casefold(), []).append(translation)
        faults += [f"{name}: mnemonic '{mark}' shared by " + ', '.join(f'"{t}"' for t in texts)
                   for mark, texts in letters.items() if len(texts) > 1]
    return [f'{path}: {f}' for f in faults]


def main(args):
    files = args or sorted(str(p) for p in (Path(__file__).resolve().parent.parent / 'translations').glob('*.ts'))
    faults = [f for path in files for f in check_file(path)]
    print('\n'.join(faults + [f'{len(files)} files checked, {len(faults)} faults']))
    return 1 if faults or not files else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
