#!/usr/bin/env python3
"""Checks that every text of the window goes through Qt's translation system and
that the translation files are complete.

Usage: translations-check.py SOURCE_DIR LUPDATE

1. Every translation file (translations/*.ts) has a finished translation for each
   of its texts: no "unfinished", "vanished" or "obsolete" entries.
2. lupdate, run over the sources into copies of the translation files, finds no
   text that they do not translate already (a new or changed tr() text).
3. The rule for texts in src/ui and src/sheet: a string literal that reads as a
   user text (a word of two or more capitals, or a capitalised word followed by a
   space) must be an argument of tr(), QCoreApplication::translate() or
   QT_TR_NOOP()/QT_TRANSLATE_NOOP(). Exempt are object names and other
   identifiers (letters with a digit or an underscore, no space), resource paths,
   and literals on a line that ends in the comment "// untranslated" (with an
   optional reason after it): content that files keep as it is, font families,
   the languages' own names.
"""
import glob, os, re, shutil, subprocess, sys, tempfile
import xml.etree.ElementTree as ET

source_dir, lupdate = sys.argv[1], sys.argv[2]
problems = []

# 1. Complete translation files.
ts_files = sorted(glob.glob(os.path.join(source_dir, 'translations', '*.ts')))
if not ts_files:
    problems.append('no translation files in translations/')
for ts in ts_files:
    for message in ET.parse(ts).getroot().iter('message'):
        translation = message.find('translation')
        kind = translation.get('type')
        text = message.find('source').text
        if kind in ('unfinished', 'vanished', 'obsolete'):
            problems.append(f'{os.path.basename(ts)}: {kind}: {text!r}')
        elif message.get('numerus') != 'yes' and not (translation.text or '').strip():
            problems.append(f'{os.path.basename(ts)}: empty translation: {text!r}')

# 2. No text that lupdate would add.
sources = []
for pattern in ('src/ui/*.cpp', 'src/ui/*.h', 'src/sheet/*.cpp'):
    sources += sorted(glob.glob(os.path.join(source_dir, pattern)))
with tempfile.TemporaryDirectory() as tmp:
    for ts in ts_files:
        copy = os.path.join(tmp, os.path.basename(ts))
        shutil.copy(ts, copy)
        subprocess.run([lupdate, '-silent', '-locations', 'none', *sources, '-ts', copy],
                       check=True, stdout=subprocess.DEVNULL)
        for message in ET.parse(copy).getroot().iter('message'):
            if message.find('translation').get('type') == 'unfinished':
                problems.append(f'{os.path.basename(ts)}: not yet translated: '
                                f'{message.find("source").text!r} (run the target update_translations)')

# 3. User texts outside the translation system.
CALLS = ('tr', 'translate', 'QT_TR_NOOP', 'QT_TRANSLATE_NOOP')
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
USER_TEXT = re.compile(r'[A-Z]{2,}|\b[A-Z][a-z]+ ')
IDENTIFIER = re.compile(r'^[A-Za-z_][A-Za-z0-9_]*$')


def strip_comments(code):
    """Blanks comments (keeping the lines), so that literals keep their places."""
    out, i = [], 0
    while i < len(code):
        if code.startswith('//', i):
            j = code.find('\n', i)
            j = len(code) if j < 0 else j
            out.append(' ' * (j - i)); i = j
        elif code.startswith('/*', i):
            j = code.find('*/', i + 2)
            j = len(code) if j < 0 else j + 2
            out.append(re.sub(r'[^\n]', ' ', code[i:j])); i = j
        elif code[i] == '"' or code[i] == "'":
            m = re.compile(code[i] + r'(?:[^' + code[i] + r'\\\n]|\\.)*' + code[i]).match(code, i)
            j = m.end() if m else i + 1
            out.append(code[i:j]); i = j
        else:
            out.append(code[i]); i += 1
    return ''.join(out)


# Calls whose literals are no user texts: fonts and date formats.
EXEMPT_CALLS = ('makeFont', 'insertSubstitution', 'toString')
# Calls that only wrap a literal; the call around them decides.
WRAPPERS = ('QStringLiteral', 'QLatin1String', 'QString', 'fromLatin1', 'fromUtf8')


def enclosing_call(code, pos):
    """The name of the function whose argument list holds position pos, if any,
    looking through the wrappers of literals."""
    name, start = enclosing(code, pos)
    while name in WRAPPERS:
        name, start = enclosing(code, start)
    return name


def enclosing(code, pos):
    """The name of the call whose argument list holds pos, and where it starts."""
    depth = 0
    for k in range(pos - 1, -1, -1):
        c = code[k]
        if c == ')':
            depth += 1
        elif c == '(':
            if depth == 0:
                m = re.search(r'([A-Za-z_][A-Za-z0-9_]*)\s*$', code[:k])
                return (m.group(1), m.start()) if m else ('', k)
            depth -= 1
        elif c in ';{}' and depth == 0:
            return '', k
    return '', 0


for path in sources:
    original = open(path, encoding='utf-8').read()
    code = strip_comments(original)
    # Parentheses inside literals do not count when looking for the enclosing call.
    bare = LITERAL.sub(lambda m: '"' + ' ' * len(m.group(1)) + '"', code)
    lines = original.split('\n')
    for m in LITERAL.finditer(code):
        text = m.group(1)
        if not USER_TEXT.search(text) or IDENTIFIER.match(text) or text.startswith(':/'):
            continue
        line = code.count('\n', 0, m.start())
        if re.search(r'//\s*untranslated\b', lines[line]):
            continue
        call = enclosing_call(bare, m.start())
        if call in CALLS or call in EXEMPT_CALLS:
            continue
        problems.append(f'{os.path.relpath(path, source_dir)}:{line + 1}: user text outside tr(): '
                        f'"{text}"')

for p in problems:
    print(p)
print(f'translations: {len(ts_files)} files, {len(sources)} sources, {len(problems)} problems')
sys.exit(1 if problems else 0)
