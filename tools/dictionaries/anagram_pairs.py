#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Prepares the anagram puzzles of the lengths where drawing a common word
# seldom or never gives a fair one (14 letters: the common words hold four
# with a single other anagram, none of them known). A puzzle is a pair of the
# folded dictionary's words that are each other's only anagram; the answer
# the player rebuilds is a word a French reader knows: a word of the common
# or encyclopedic lists of data/words/, or a plain form (present, imperfect,
# future, conditional, participles) of a verb whose infinitive is a common
# word. The other word of the pair, the one shown, must be such a word too:
# a prompt nobody knows (RONSARDISAIENT) gives the game away to no one.
# Refused words are never answers nor shown.
# Run by hand when the dictionary or the lists change; the build copies the
# result (data/words/anagrammes.txt) into the program folder.
#   tools/dictionaries/anagram_pairs.py build/game/bin/DicoFrancais.txt data 14
import collections, sys


def word_lines(path):
    with open(path, encoding='ascii') as f:
        return [line.split()[0] for line in f if line.strip() and not line.startswith('#')]


def refused(path):
    words, prefixes = set(), []
    with open(path, encoding='ascii') as f:
        for line in f:
            if line.startswith('#'):
                continue
            for w in line.split():
                if w.endswith('*'):
                    prefixes.append(w[:-1])
                else:
                    words.add(w)
    return lambda w: w in words or any(w.startswith(p) for p in prefixes)


FIRST_GROUP = ['E', 'ES', 'ENT', 'ONS', 'EZ', 'AIS', 'AIT', 'AIENT', 'IONS', 'IEZ', 'ANT', 'EE', 'EES',
               'ERAI', 'ERAS', 'ERA', 'ERONS', 'EREZ', 'ERONT', 'ERAIS', 'ERAIT', 'ERIONS', 'ERIEZ', 'ERAIENT']
SECOND_GROUP = ['IS', 'IT', 'ISSONS', 'ISSEZ', 'ISSENT', 'ISSAIS', 'ISSAIT', 'ISSAIENT', 'ISSIONS', 'ISSIEZ',
                'ISSANT', 'IE', 'IES', 'IRAI', 'IRAS', 'IRA', 'IRONS', 'IREZ', 'IRONT', 'IRAIS', 'IRAIT',
                'IRIONS', 'IRIEZ', 'IRAIENT']
FUTURE_OF_RE = ['AI', 'AS', 'A', 'ONS', 'EZ', 'ONT', 'AIS', 'AIT', 'IONS', 'IEZ', 'AIENT']


def verb_forms(verb):
    """The plain forms of a verb, as the folded dictionary spells them."""
    forms = set()
    if verb.endswith('ER'):
        stem = verb[:-2]
        forms.update(stem + e for e in FIRST_GROUP)
        if stem.endswith('G'):  # MANGEAIENT, MANGEONS
            forms.update(stem + 'E' + e for e in FIRST_GROUP if e[0] in 'AO')
        if stem.endswith(('EL', 'ET')):  # APPELLERAIENT, JETTERONT
            forms.update(stem + stem[-1] + e for e in FIRST_GROUP if e[0] == 'E')
    if verb.endswith('IR'):
        forms.update(verb[:-2] + e for e in SECOND_GROUP)
    if verb.endswith('RE'):
        forms.update(verb[:-1] + e for e in FUTURE_OF_RE)
    return forms


def main():
    dictionary_path, data, lengths = sys.argv[1], sys.argv[2], [int(n) for n in sys.argv[3:]]
    with open(dictionary_path, encoding='latin-1') as f:
        dictionary = {line.rstrip('\r\n') for line in f}
    common = word_lines(f'{data}/words/courants_francais.txt')
    wider = word_lines(f'{data}/words/encyclopedie_francais.txt')
    is_refused = refused(f'{data}/words/refuses_francais.txt')
    known = {w for w in common + wider if not is_refused(w)}
    forms = set()
    for verb in common:
        if not is_refused(verb):
            forms.update(verb_forms(verb))
    classes = collections.defaultdict(list)
    for w in dictionary:
        if len(w) in lengths:
            classes[''.join(sorted(w))].append(w)
    pairs = []
    for members in classes.values():
        if len(members) != 2:
            continue
        for shown, answer in (members, members[::-1]):
            fair = [not is_refused(w) and (w in known or w in forms) for w in (shown, answer)]
            if all(fair):
                pairs.append((len(answer), answer, shown))
    pairs.sort()
    with open(f'{data}/words/anagrammes.txt', 'w', encoding='ascii', newline='\n') as out:
        out.write('# Anagram puzzles prepared by tools/dictionaries/anagram_pairs.py from the folded\n'
                  '# French dictionary (wfrench) and the word lists of this folder (see LICENCE.txt):\n'
                  '# "SHOWN ANSWER", two words that are each other\'s only anagram, the answer a\n'
                  '# known word or a plain form of a common verb, and so is the word shown.\n')
        for _, answer, shown in pairs:
            out.write(f'{shown} {answer}\n')
    print(len(pairs), 'pairs', collections.Counter(n for n, _, _ in pairs))


main()
