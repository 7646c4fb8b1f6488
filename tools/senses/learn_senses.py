#!/usr/bin/env python3
"""Learns the sense table (data/senses.txt) and the name table (data/names.txt) from Latin
texts with their English translations, one segment a line.

    python3 tools/senses/learn_senses.py --kavro build/cli/kavro --data build/data \
        --corpus ../shared/corpus --out data

Each Latin line is analysed by `kavro analyse --sentence` (on a copy of the data folder without
the tables this script writes, so that a second run reads the corpus as the first did), and the
chosen reading of every word names its dictionary entry (headword and part of speech). An IBM
model 1 word aligner (EM, a few rounds) learns how likely each English word renders each entry.
The English of each entry is then split into its senses as the translator splits it, and every
occurrence of the entry in the corpus is given the sense whose words its English line holds
with the best alignment: the counts give the sense an entry takes by default, and the context
rules (a capital in mid-sentence, the preposition before the word, its case) under which another
sense wins. Names: a capitalised Latin form and the capitalised English word that most often
stands in the same lines, when they look alike.

The tables hold senses and names, never whole segments. Only the standard library is used.
"""
import argparse
import collections
import json
import math
import os
import pickle
import re
import shutil
import struct
import subprocess
import sys
import tempfile

# The sets: Latin and English files under the corpus folder.
SETS = [("parallel/train.la.txt", "parallel/train.en.txt"),
        ("classical/dev.la.txt", "classical/dev.en.txt")]
# How much one segment of each set counts in the sense counts: the classical sections are few
# beside the verses, and classical prose uses many words otherwise than the Bible does.
SET_WEIGHTS = [1, 4]
MARKER = "Zzqx"            # a segment boundary, analysed as a sentence of its own
OWN_TABLES = ("senses.dat", "names.dat")
EM_ROUNDS = 4

# Sense choice thresholds: the evidence a sense other than the first needs.
PRIOR_MIN_COUNT = 8        # occurrences that took the winning sense
PRIOR_MIN_RATIO = 1.3      # ... against the occurrences that took the first sense
RULE_MIN_COUNT = 6         # occurrences under a context feature that took the rule's sense
RULE_MIN_SHARE = 0.6       # ... as a share of all occurrences under the feature
CASE_BONUS = 1.2           # a sense the translation writes with the same capital
NAME_MIN_COUNT = 2
NAME_MIN_DICE = 0.4

ENGLISH_STOP = set("""a an the this that these those i me my mine we us our you your he him his
she her it its they them their who whom whose which what and or nor but so if then than as when
where how not no of to in into on at by for from with about over under upon up down out through
be am is are was were been being have has had do does did shall should will would may might must
can could let there here all any each some such own same other very too o one""".split())

POS_GROUP = {"NOUN": "N", "PRON": "PRON", "ADJ": "ADJ", "NUM": "NUM", "ADV": "ADV",
             "VERB": "V", "VPAR": "V", "SUPINE": "V", "PREP": "PREP", "CONJ": "CONJ",
             "INTERJ": "INTERJ"}
# Part-of-speech codes of the dictionary's stem records, as groups.
CODE_GROUP = {1: "N", 2: "PRON", 4: "ADJ", 5: "NUM", 6: "ADV", 7: "V", 8: "V", 9: "V",
              10: "PREP", 11: "CONJ", 12: "INTERJ", 36: "ADJ"}
CASES = {"NOM", "VOC", "GEN", "LOC", "DAT", "ABL", "ACC"}
# Entries whose English the translator builds on itself (pronouns, conjunctions, numerals, the
# verbs of being and going): their first sense stays.
FIXED_GROUPS = {"PRON", "CONJ", "NUM"}
FIXED_HEADWORDS = {"sum", "possum", "fio", "eo", "esse",
                   # the possessives, whose English the clause's subject settles ("his\their")
                   "meus", "tuus", "suus", "noster", "uester", "uoster",
                   # negations and particles the verb phrase and the clauses read
                   "non", "ne", "haud", "nec", "neque", "quam", "ut", "uti", "cum", "dum", "si",
                   "nisi", "an", "num", "quod", "quia",
                   # the special senses' own rules (english/special_senses) read the first sense
                   "plaga", "saltus", "lustrum", "contentus", "pila"}


# ------------------------------------------------------------ English ---
def load_exceptions(wordnet):
    """Irregular English forms to their base form (wordnet-base's *.exc files)."""
    table = {}
    for name in ("verb.exc", "noun.exc", "adj.exc"):
        path = os.path.join(wordnet, name)
        if not os.path.exists(path):
            continue
        with open(path, encoding="latin-1") as f:
            for line in f:
                parts = line.split()
                if len(parts) >= 2 and parts[0] not in table:
                    table[parts[0]] = parts[1]
    return table


def crude_stem(word):
    for suf in ("ing", "ed", "es", "s"):
        if word.endswith(suf) and len(word) - len(suf) >= 3:
            if suf == "s" and word.endswith("ss"):
                break
            word = word[:-len(suf)]
            break
    if word.endswith("e") and len(word) > 3:
        word = word[:-1]
    return word


class English:
    WORD = re.compile(r"[A-Za-z]+")

    def __init__(self, wordnet):
        self.exceptions = load_exceptions(wordnet)
        self.cache = {}

    def lemma(self, word):
        word = word.lower()
        got = self.cache.get(word)
        if got is None:
            got = crude_stem(self.exceptions.get(word, word))
            self.cache[word] = got
        return got

    def words(self, line):
        return self.WORD.findall(line.replace("\u2019", "'"))

    def content(self, text):
        return [self.lemma(w) for w in self.words(text) if w.lower() not in ENGLISH_STOP]

    def all_words(self, text):
        return [self.lemma(w) for w in self.words(text)]

    def sense_words(self, sense):
        """The words that show a sense in a translation: its content words, or all its words
        for a sense made only of function words (a preposition's "from", "about")."""
        return set(self.content(sense)) or set(self.all_words(sense))


# -------------------------------------------------------- dictionary ---
def clean_area_tags(meaning):
    colon = meaning.find(":")
    if colon >= 0:
        kept = meaning[:colon]
        i = colon
        while i < len(meaning):
            c = meaning[i]
            if c in "BLW" and i + 1 < len(meaning) and meaning[i + 1] == ":":
                i += 1
                continue
            kept += c
            i += 1
        meaning = kept
    if meaning.startswith(("M:", "Z:")):
        meaning = meaning[2:]
    return meaning


def drop_remarks(meaning):
    out, depth = [], 0
    for c in meaning:
        if c in "([":
            depth += 1
        elif c in ")]" and depth > 0:
            depth -= 1
        elif depth == 0:
            out.append(c)
    text = "".join(out)
    if not re.search(r"[^ ,;.~]", text):
        text = re.sub(r"[()\[\]]", "", meaning)
    return " ".join(text.split())


def first_alternative(sense):
    words = sense.split(" ")
    if len(words) >= 3 and words[1] == "or":
        return " ".join([words[0]] + words[3:])
    return sense


def alternatives(piece):
    """A piece written with "/" as morph/meaning_senses.cpp reads it: the first alternative as
    it stands, then every alternative as a sense of its own (sharing the last one's rest, or the
    first one's start)."""
    parts = [p.split() for p in piece.split("/")]
    parts = [p for p in parts if p]
    if not parts:
        return []
    out = [" ".join(parts[0])]
    n = len(parts)
    singles_before = all(len(p) == 1 for p in parts[:-1])
    singles_after = all(len(p) == 1 for p in parts[1:])
    for i, p in enumerate(parts):
        alt = " ".join(p)
        if singles_before and len(parts[-1]) > 1 and i + 1 < n:
            alt += " " + " ".join(parts[-1][1:])
        elif singles_after and len(parts[0]) > 1 and i > 0:
            alt = " ".join(parts[0][:-1]) + " " + alt
        out.append(alt)
    return out


def meaning_senses(meaning):
    """The senses of a dictionary meaning as the translator splits it (morph/meaning_senses)."""
    meaning = drop_remarks(clean_area_tags(meaning)).lstrip("~ ")
    senses = []
    for piece in re.split(r"[,;]", meaning):
        for sense in alternatives(piece):
            sense = first_alternative(" ".join(sense.split()))
            if sense and sense not in senses:
                senses.append(sense)
    return senses


def headword(citation):
    return re.split(r"[ ,]", citation.strip(), maxsplit=1)[0]


def fold(text):
    return text.replace("j", "i").replace("v", "u").replace("J", "I").replace("V", "U")


def load_dictionary(data):
    """(headword, group) -> list of sense lists, one per meaning record."""
    meanings = open(os.path.join(data, "transl.dat"), "rb").read()
    stems = open(os.path.join(data, "dictUK.dat"), "rb").read()
    count = len(meanings) // 160
    group_of = {}
    for off in range(0, len(stems) - 27 * 84 - 39, 40):
        code = stems[off] & 0x1F
        index = struct.unpack_from("<I", stems, off + 8)[0]
        if index < count and code in CODE_GROUP:
            group_of.setdefault(index, set()).add(CODE_GROUP[code])
    table = collections.defaultdict(list)
    for i in range(count):
        rec = meanings[i * 160:(i + 1) * 160]
        latin = rec[:80].split(b"\0")[0].decode("cp1252")
        english = rec[80:].split(b"\0")[0].decode("cp1252")
        for group in group_of.get(i, ()):
            table[(fold(headword(latin)), group)].append(meaning_senses(english))
    return table


# ------------------------------------------------------------- Latin ---
class Token:
    __slots__ = ("form", "unit", "group", "capital", "features", "proper")

    def __init__(self, form, unit, group, capital, features, proper):
        self.form, self.unit, self.group = form, unit, group
        self.capital, self.features, self.proper = capital, features, proper


def analyse(kavro, data, lines):
    """Runs kavro analyse over the lines; returns one list of Tokens per line."""
    work = tempfile.mkdtemp(prefix="kavro-senses-")
    try:
        plain = os.path.join(work, "data")
        shutil.copytree(data, plain)
        manifest = os.path.join(plain, "manifest.txt")
        with open(manifest, encoding="utf-8") as f:
            kept = [l for l in f if l.split(" ")[0] not in OWN_TABLES]
        with open(manifest, "w", encoding="utf-8") as f:
            f.writelines(kept)
        for name in OWN_TABLES:
            if os.path.exists(os.path.join(plain, name)):
                os.remove(os.path.join(plain, name))
        text = "".join(f"{line.strip()}\n{MARKER}.\n" for line in lines)
        home = os.path.join(work, "home")
        os.mkdir(home)
        run = subprocess.run([kavro, "analyse", "--sentence", "--home", home, "--data", plain, "-"],
                             input=text.encode("utf-8"), capture_output=True, check=True)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    segments, current, sentence, previous = [], [], None, None
    for raw in run.stdout.decode("utf-8", "replace").splitlines():
        if not raw.strip():
            continue
        d = json.loads(raw)
        if d["token"] == MARKER:
            segments.append(current)
            current = []
            continue
        if d["sentence"] != sentence:
            sentence, previous = d["sentence"], None
        chosen = next((a for a in d["analyses"] if a.get("chosen")), None)
        if d["punctuation"]:
            previous = ("PUNCT", "")
            continue
        token = fold(d["token"])
        first = previous is None
        capital = token[:1].isupper() and not first
        group, unit, proper, features = None, None, False, []
        if chosen and chosen.get("source") in ("dictionary", "addon") and chosen["pos"] in POS_GROUP:
            group = POS_GROUP[chosen["pos"]]
            unit = (fold(headword(chosen["citation"])), group)
            proper = chosen["english"][:1].isupper()
            case = chosen.get("codes", {}).get("case")
            if case in CASES and group in ("N", "ADJ", "PRON", "NUM"):
                features.append("case:" + case)
        if capital:
            features.append("capital")
        if previous and previous[0] == "PREP":
            features.append("after:" + previous[1])
        current.append(Token(token, unit, group, capital, features, proper))
        previous = (chosen["pos"] if chosen else "", token.lower())
    if current:
        segments.append(current)
    return segments


def mark_context(segments):
    """The context features that need the words around: "lower" for a word written in lower
    case, "after:WORD" for the word before it (any word, in lower case), "before:name" when the
    word after it is a capitalised word in mid-sentence."""
    for tokens in segments:
        for i, tok in enumerate(tokens):
            tok.features = [f for f in tok.features if not f.startswith(("after:", "before:", "lower"))]
            if tok.form[:1].islower():
                tok.features.append("lower")
            if i > 0:
                tok.features.append("after:" + tokens[i - 1].form.lower())
            if i + 1 < len(tokens) and tokens[i + 1].capital:
                tok.features.append("before:name")


# ------------------------------------------------------------ aligner ---
def sense_pairs(segments, english_lines, dictionary, english):
    """The Latin units of each segment and the English content words of its translation that
    some sense of one of those units holds: the words the sense choice asks about (aligning
    only them keeps the aligner fast; the other English words would align to no sense)."""
    words_of = {}
    pairs = []
    for tokens, line in zip(segments, english_lines):
        units = [tok.unit for tok in tokens if tok.unit]
        wanted = set()
        for unit in units:
            if unit not in words_of:
                words_of[unit] = {w for record in dictionary.get(unit, ()) for s in record
                                  for w in english.sense_words(s)}
            wanted |= words_of[unit]
        pairs.append((units, [w for w in english.all_words(line) if w in wanted]))
    return pairs



def ibm1(pairs, rounds=EM_ROUNDS):
    """t[(f, e)]: IBM model 1 translation probabilities of English word e for Latin unit f."""
    t = collections.defaultdict(lambda: 1.0)
    for _ in range(rounds):
        count = collections.defaultdict(float)
        total = collections.defaultdict(float)
        for latin, english in pairs:
            units = list(latin) + [None]
            for e in english:
                z = sum(t[(f, e)] for f in units)
                for f in units:
                    c = t[(f, e)] / z
                    count[(f, e)] += c
                    total[f] += c
        t = collections.defaultdict(float, {k: v / total[k[0]] for k, v in count.items()})
    return t


# ------------------------------------------------------------- senses ---
def learn_senses(segments, english_lines, weights, dictionary, english, t):
    prior = collections.defaultdict(collections.Counter)
    under = collections.defaultdict(lambda: collections.defaultdict(collections.Counter))
    sense_words = {}
    for tokens, line, weight in zip(segments, english_lines, weights):
        present = set(english.all_words(line))
        written = set(english.words(line))
        for tok in tokens:
            senses = dictionary.get(tok.unit)
            if not senses or tok.unit[1] in FIXED_GROUPS or tok.unit[0] in FIXED_HEADWORDS:
                continue
            key = tok.unit
            if key not in sense_words:
                flat = []
                for record in senses:
                    for s in record:
                        if s not in flat:
                            flat.append(s)
                sense_words[key] = [(s, english.sense_words(s)) for s in flat]
            best, best_score = None, 0.0
            for s, words in sense_words[key]:
                score = max((t.get((key, w), 0.0) for w in words & present), default=0.0)
                # a sense written as the translation writes it (a capital, "the Lord") goes first
                if score and any(w in written for w in english.words(s) if w[:1].isupper()):
                    score *= CASE_BONUS
                if score > best_score:
                    best, best_score = s, score
            if best is None or best_score < 0.02:
                continue
            prior[key][best] += weight
            for f in tok.features:
                under[key][f][best] += weight
    out = []
    for key in sorted(k for k in prior if k[0][:1].isalpha()):
        first_senses = [rec[0] for rec in dictionary[key] if rec]
        counts = prior[key]
        winner, won = counts.most_common(1)[0]
        first_count = max((counts[s] for s in first_senses), default=0)
        if winner in first_senses:
            default = winner
        elif won < PRIOR_MIN_COUNT or won < PRIOR_MIN_RATIO * first_count:
            default = max(first_senses, key=lambda s: counts[s]) if first_senses else winner
        else:
            default = winner
            out.append((key, default, "-", won, sum(counts.values())))
        rules = []
        for feature, c in under[key].items():
            n = sum(c.values())
            s, k = c.most_common(1)[0]
            if s != default and k >= RULE_MIN_COUNT and k >= RULE_MIN_SHARE * n and \
                    c[default] * 2 <= k:
                rules.append((k / n, k, feature, s, n))
        for share, k, feature, s, n in sorted(rules, reverse=True):
            out.append((key, s, feature, k, n))
    return out


def fits_table(sense, feature):
    """Whether senses.dat can hold the rule: a sense of at most 47 characters, a word before of
    at most 9 (the record's fields)."""
    return len(sense.encode("cp1252", "replace")) <= 47 and \
        not (feature.startswith("after:") and len(feature) - 6 > 9)


def write_senses(path, rows):
    with open(path, "w", encoding="utf-8") as f:
        f.write("""# Senses of dictionary entries as English translations render them: learned by
# tools/senses/learn_senses.py from the Latin-English corpora (Bible verses and classical prose)
# by word alignment; rebuild with the command in that script's header. One line a rule:
# headword, part of speech (N ADJ V ADV PREP PRON NUM CONJ INTERJ), the sense (as the
# entry's English gives it), the context ("-" the entry's usual sense; "capital" a capital in
# mid-sentence; "lower" written in lower case; "after:in" after that word; "before:name" before
# a capitalised word; "case:ABL" in that case), and the evidence:
# occurrences that took the sense, of the occurrences counted.
""")
        for (head, group), sense, feature, k, n in rows:
            if fits_table(sense, feature):
                f.write(f"{head}\t{group}\t{sense}\t{feature}\t{k}\t{n}\n")


# -------------------------------------------------------------- names ---
def similar(a, b):
    """Whether a Latin and an English name look alike: the same first letter (i, j and y, u and
    v, c and k alike), or the one without the other's initial h; and enough letter pairs shared."""
    def norm(x):
        return fold(x.lower()).translate(str.maketrans("jyk", "iic"))
    a, b = norm(a), norm(b)
    if not a or not b:
        return False
    if a[0] != b[0]:
        if a[0] == "h" and a[1:2] == b[:1]:
            a = a[1:]
        elif b[0] == "h" and b[1:2] == a[:1]:
            b = b[1:]
        else:
            return False
    grams = lambda s: {s[i:i + 2] for i in range(len(s) - 1)}
    ga, gb = grams(a), grams(b)
    return bool(ga and gb) and 2 * len(ga & gb) / (len(ga) + len(gb)) >= 0.4


def learn_names(segments, english_lines, english, dictionary):
    latin_count, english_count, both = collections.Counter(), collections.Counter(), collections.Counter()
    lower_english = collections.Counter()
    sense_words = collections.defaultdict(set)   # form -> words of the senses of its readings
    for tokens in segments:
        for tok in tokens:
            if tok.capital and tok.unit and tok.form not in sense_words:
                sense_words[tok.form] = {w for record in dictionary.get(tok.unit, ()) for s in record
                                         if s[:1].islower() for w in english.content(s)}
    for tokens, line in zip(segments, english_lines):
        words = english.words(line)
        caps = {w for i, w in enumerate(words) if w[:1].isupper() and w.lower() not in ENGLISH_STOP}
        lower_english.update(w for w in words if w.islower())
        english_count.update(caps)
        forms = {tok.form for tok in tokens if tok.capital}
        latin_count.update(forms)
        for form in forms:
            for w in caps:
                both[(form, w)] += 1
    best = {}
    for (form, w), k in both.items():
        if k < NAME_MIN_COUNT or lower_english[w.lower()] > english_count[w] // 4:
            continue
        if english.lemma(w) in sense_words.get(form, ()):
            continue   # a common word written with a capital ("Angelus": angel), not a name
        dice = 2 * k / (latin_count[form] + english_count[w])
        if dice >= NAME_MIN_DICE and similar(form, w) and dice > best.get(form, (0, ""))[0]:
            best[form] = (dice, w)
    return sorted((form, w) for form, (dice, w) in best.items())


def write_names(path, names):
    with open(path, "w", encoding="utf-8") as f:
        f.write("""# Proper names with the English form readers know, by the Latin form as it stands in a
# text (j and v written i and u): learned by tools/senses/learn_senses.py from the capitalised
# words of the Latin-English corpora that stand in the same lines and look alike. One name a
# line: the Latin form, a tab, the English. A name's forms are listed one by one; a name is
# never declined in English.
""")
        for form, w in names:
            f.write(f"{form}\t{w}\n")


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    p.add_argument("--kavro", default="build/cli/kavro")
    p.add_argument("--data", default="build/data")
    p.add_argument("--corpus", default="../shared/corpus")
    p.add_argument("--wordnet", default="/usr/share/wordnet")
    p.add_argument("--out", default="data")
    p.add_argument("--cache", help="keep the corpus analysis in this file and reuse it")
    args = p.parse_args()
    english = English(args.wordnet)
    dictionary = load_dictionary(args.data)
    segments, english_lines = [], []
    cached = args.cache and os.path.exists(args.cache)
    if cached:
        with open(args.cache, "rb") as f:
            segments, english_lines = pickle.load(f)
    for la, en in ([] if cached else SETS):
        with open(os.path.join(args.corpus, la), encoding="utf-8") as f:
            latin = [l.rstrip("\n") for l in f]
        with open(os.path.join(args.corpus, en), encoding="utf-8") as f:
            eng = [l.rstrip("\n") for l in f]
        got = analyse(args.kavro, args.data, latin)
        if len(got) != len(eng):
            sys.exit(f"{la}: {len(got)} analysed segments for {len(eng)} English lines")
        segments += got
        english_lines += eng
        print(f"{la}: {len(got)} segments", file=sys.stderr)
    mark_context(segments)
    if args.cache and not cached:
        with open(args.cache, "wb") as f:
            pickle.dump((segments, english_lines), f)
    pairs = sense_pairs(segments, english_lines, dictionary, english)
    t_cache = args.cache + ".t" if args.cache else None
    if t_cache and cached and os.path.exists(t_cache):
        with open(t_cache, "rb") as f:
            t = pickle.load(f)
    else:
        t = ibm1(pairs)
        if t_cache:
            with open(t_cache, "wb") as f:
                pickle.dump(dict(t), f)
    weights = []
    for (la, en), weight in zip(SETS, SET_WEIGHTS):
        with open(os.path.join(args.corpus, la), encoding="utf-8") as f:
            weights += [weight] * sum(1 for _ in f)
    rows = learn_senses(segments, english_lines, weights, dictionary, english, t)
    write_senses(os.path.join(args.out, "senses.txt"), rows)
    names = learn_names(segments, english_lines, english, dictionary)
    write_names(os.path.join(args.out, "names.txt"), names)
    print(f"senses.txt: {len(rows)} rules; names.txt: {len(names)} names", file=sys.stderr)


if __name__ == "__main__":
    main()
