#!/usr/bin/env python3
# Derives the word frequency lists of data/grids/ from the French message
# catalogues of a Debian system (the translated texts count French words, the
# original texts English ones) and its French manual pages. Only words of the
# system word lists are kept.
# Run by hand when the lists are to be remade; the build reads the results.
#   tools/grids/frequency_list.py data/grids
import collections, gettext, glob, gzip, re, sys, unicodedata

def fold(word):
    word = word.replace('œ', 'oe').replace('æ', 'ae')
    word = unicodedata.normalize('NFD', word)
    return ''.join(c for c in word if not unicodedata.combining(c)).upper()

def dictionary(path):
    with open(path, encoding='utf-8') as f:
        return {fold(w.strip()) for w in f if w.strip() and w.strip()[0].islower()}

french, english = collections.Counter(), collections.Counter()
for path in sorted(glob.glob('/usr/share/locale/fr/LC_MESSAGES/*.mo')):
    try:
        catalogue = gettext.GNUTranslations(open(path, 'rb'))
    except Exception:
        continue
    for original, translated in catalogue._catalog.items():
        if isinstance(original, tuple):
            original = original[0]
        for word in re.findall(r"[^\W\d_]+", translated):
            if word.islower():
                french[fold(word)] += 1
        for word in re.findall(r"[A-Za-z]+", original):
            if word.islower():
                english[word.upper()] += 1

for path in sorted(glob.glob('/usr/share/man/fr/man*/*.gz')):
    with gzip.open(path, 'rt', encoding='utf-8', errors='replace') as page:
        for line in page:
            if line.startswith(('.', "'")):
                line = line.split(' ', 1)[1] if ' ' in line else ''
            for word in re.findall(r"[^\W\d_]+", re.sub(r'\\f[BIRP]|\\\(..|\\.', ' ', line)):
                if word.islower():
                    french[fold(word)] += 1

out = sys.argv[1]
for counter, words, name in ((french, dictionary('/usr/share/dict/french'), 'frequents.txt'),
                             (english, dictionary('/usr/share/dict/american-english'), 'frequent.txt')):
    with open(f'{out}/{name}', 'w') as f:
        f.write('# word count: occurrences in the message catalogues and French manual pages of a Debian system\n')
        for word, count in sorted(counter.items(), key=lambda e: (-e[1], e[0])):
            if count >= 2 and len(word) >= 2 and word in words:
                f.write(f'{word} {count}\n')
