#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Derives the common-word lists of data/words/ from the frequency-ranked word
# lists of the npm packages @zxcvbn-ts/language-fr and @zxcvbn-ts/language-en
# (commonWords.json: words of the OpenSubtitles 2024 corpus by how often they
# are said; see data/words/LICENCE.txt). Only words of the system dictionaries
# are kept, folded as the game folds them, minus the refused words.
# Run by hand when the lists are to be remade; the build reads the results.
#   mkdir /tmp/zx && cd /tmp/zx && npm pack @zxcvbn-ts/language-fr @zxcvbn-ts/language-en
#   for f in *.tgz; do mkdir -p ${f%.tgz} && tar xzf $f -C ${f%.tgz}; done
#   tools/dictionaries/common_words.py /tmp/zx data
import json, glob, os, re, sys, unicodedata


def fold(word):
    word = word.replace('œ', 'oe').replace('æ', 'ae').replace('ß', 'ss')
    word = unicodedata.normalize('NFD', word)
    return ''.join(c for c in word if not unicodedata.combining(c)).upper()


def dictionary(path):
    with open(path, encoding='utf-8') as f:
        return {fold(w.strip()) for w in f if w.strip() and w.strip()[0].islower()}


def word_lines(path):
    with open(path, encoding='utf-8') as f:
        return [w for line in f if not line.startswith('#') for w in line.split()]


def refused(path):
    words, prefixes = set(), []
    for w in word_lines(path):
        if w.endswith('*'):
            prefixes.append(w[:-1])
        else:
            words.add(w)
    return lambda w: w in words or any(w.startswith(p) for p in prefixes)


ROMAN = re.compile(r'^M{0,3}(CM|CD|D?C{0,3})(XC|XL|L?X{0,3})(IX|IV|V?I{0,3})$')


def keep(words, known, pairs, is_refused):
    """(word, count) of the ranked tokens that the dictionary holds, folded,
    each once, without refused words, Roman numerals or vowelless words."""
    seen, kept = set(), []
    for rank, token in words:
        if not token.isalpha() or not token.islower():
            continue
        word = fold(token)
        if not re.fullmatch('[A-Z]+', word) or word in seen:
            continue
        seen.add(word)
        if word not in known or is_refused(word) or ROMAN.match(word):
            continue
        if len(word) == 2 and word not in pairs:
            continue
        if len(word) > 2 and not re.search('[AEIOUY]', word):
            continue
        kept.append((word, max(1, round(10_000_000 / rank))))
    return kept


def write(path, lines, kept):
    with open(path, 'w', encoding='ascii', newline='\n') as f:
        for line in lines:
            f.write(f'# {line}\n')
        f.write('# word count: the count is 10 000 000 / rank (the source ranks, it does not count).\n')
        for word, count in kept:
            f.write(f'{word} {count}\n')
    print(path, len(kept), 'words')


def derive(package, system_list, pairs_path, refused_path, common_path, extra_path, foreign_list=None):
    src = os.path.join(package, 'package', 'src')
    said = json.load(open(os.path.join(src, 'commonWords.json'), encoding='utf-8'))
    written = json.load(open(os.path.join(src, 'wikipedia.json'), encoding='utf-8'))
    known = dictionary(system_list)
    pairs = set(word_lines(pairs_path))
    is_refused = refused(refused_path)
    common = keep(list(enumerate(said, start=1)), known, pairs, is_refused)
    write(common_path, ['The words of the system dictionary said most often in film and television',
                        'subtitles (OpenSubtitles 2024 via OPUS, ODC-BY; ranked list commonWords.json',
                        'of the npm package @zxcvbn-ts, MIT; see LICENCE.txt), most frequent first.',
                        'The games draw their words from these; the grids use them too.'], common)
    # Words of four letters or more met most often in Wikipedia articles and
    # not in the subtitles, ranked after every subtitle word: the grids need
    # more long words than everyday speech gives them.
    taken = {w for w, _ in common}
    extra = [(len(said) + rank, w) for rank, w in enumerate(written, start=1) if len(w) >= 4]
    extra = [(w, c) for w, c in keep(extra, known, pairs, is_refused) if w not in taken]
    if foreign_list:
        # English words that the French list holds (BOOT, FLOW, SHOP) stay
        # out unless they are long, as long shared words are French too.
        foreign = dictionary(foreign_list)
        extra = [(w, c) for w, c in extra if len(w) >= 8 or (len(w) >= 5 and w not in foreign)]
    write(extra_path, ['The words of four letters or more of the system dictionary met most often',
                       'in Wikipedia articles (wikipedia.json of the same npm package, MIT; see',
                       'LICENCE.txt) that the subtitle list lacks. Grids only: games never draw them.'],
          extra)


def main():
    packages, data = sys.argv[1], sys.argv[2]
    fr = glob.glob(os.path.join(packages, '*language-fr*'))
    en = glob.glob(os.path.join(packages, '*language-en*'))
    fr = [p for p in fr if os.path.isdir(p)][0]
    en = [p for p in en if os.path.isdir(p)][0]
    derive(fr, '/usr/share/dict/french', f'{data}/grids/deux_lettres.txt', f'{data}/words/refuses_francais.txt',
           f'{data}/words/courants_francais.txt', f'{data}/words/encyclopedie_francais.txt',
           '/usr/share/dict/american-english')
    derive(en, '/usr/share/dict/american-english', f'{data}/grids/two_letters.txt',
           f'{data}/words/refused_english.txt', f'{data}/words/common_english.txt',
           f'{data}/words/encyclopedia_english.txt')


main()
