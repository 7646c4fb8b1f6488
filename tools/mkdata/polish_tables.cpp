// Compiles the English polishing tables.
//
// polish.dat is derived: for every English verb that begins a verb meaning of the lexicon, and
// for the last word of the first sense of every noun meaning, the form that the suffix markers
// produce ("go+ed" resolves to "goed") is compared with the correct English form ("gone"); where
// they differ, a record maps the one to the other (a noun meaning that is a plural already, such
// as "scales", maps its marker form back to itself). Correct forms come from WordNet's exception
// lists, data/english/verb_participles.txt, and the regular rules of English spelling. A
// resolved form that is itself an English word ("see+ed" gives "seed") is never made a key.
// data/english/polish.txt adds records by hand, gives plurals by hand, and names words whose
// WordNet forms are not used. The simple pasts that differ from the participles ("took") are
// added under keys "verb+past", the object nouns of phrasal verb meanings ("take hold") under
// "noun+obj". phrasedud.dat and finalpolish.dat come from their text sources; finalpolish.dat also
// gets "a X" -> "an X" for the vowel-initial pairs found in the meanings.
#include "tools/mkdata/polish_tables.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "core/fixed_text.h"
#include "core/lexicon_records.h"
#include "english/polish_records.h"
#include "english/verb_phrase.h"
#include "tools/mkdata/data_error.h"

namespace kavro::mkdata {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kPolishWordMax = sizeof(PolishRecord::key) - 1;
constexpr std::size_t kPhraseMax = sizeof(PhraseRecord::search) - 1;
constexpr std::size_t kFinalMax = sizeof(FinalPolishRecord::key) - 1;
constexpr int kVerbCode = 7, kNounCode = 1;

// ---- text sources ---------------------------------------------------------------------------

struct SourceLine {
    std::size_t number;
    std::string text;
};

std::string trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return std::string(s.substr(first, s.find_last_not_of(" \t\r") - first + 1));
}

// The lines of a source file without comments ("#" at the start) and blank lines.
std::vector<SourceLine> readSource(const fs::path& path) {
    std::ifstream in(path);
    if (!in) throw DataError("cannot read " + path.string());
    std::vector<SourceLine> lines;
    std::string line;
    for (std::size_t n = 1; std::getline(in, line); ++n) {
        std::string text = trim(line);
        if (!text.empty() && text[0] != '#') lines.push_back({n, std::move(text)});
    }
    return lines;
}

DataError lineError(const fs::path& path, std::size_t line, const std::string& what) {
    return DataError(path.string() + " line " + std::to_string(line) + ": " + what);
}

// "left => right"
std::pair<std::string, std::string> splitArrow(const fs::path& path, const SourceLine& l) {
    const std::size_t arrow = l.text.find("=>");
    if (arrow == std::string::npos) throw lineError(path, l.number, "expected \"text => replacement\"");
    return {trim(l.text.substr(0, arrow)), trim(l.text.substr(arrow + 2))};
}

std::vector<std::string> words(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

// ---- WordNet --------------------------------------------------------------------------------

struct WordNet {
    std::map<std::string, std::vector<std::string>> verbForms;   // lemma -> listed forms
    std::map<std::string, std::vector<std::string>> nounForms;
    std::set<std::string> verbLemmas;   // index.verb and verb.exc
    std::set<std::string> nounLemmas;   // index.noun
    std::set<std::string> nounPlurals;  // the irregular plurals of noun.exc ("men", "children")
    std::set<std::string> modifierLemmas;   // index.adj and index.adv
    std::set<std::string> words;   // every lemma and listed form: English words in their own right
};

bool singleWord(std::string_view w) {
    return !w.empty() && std::all_of(w.begin(), w.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
}

void readExceptions(const fs::path& path, std::map<std::string, std::vector<std::string>>* forms,
                    std::set<std::string>& known) {
    std::ifstream in(path);
    if (!in) throw DataError("cannot read " + path.string() + " (package wordnet-base)");
    std::string line;
    while (std::getline(in, line)) {
        const std::vector<std::string> f = words(line);
        if (f.size() < 2 || !singleWord(f[0])) continue;
        known.insert(f[0]);
        for (std::size_t i = 1; i < f.size() && forms; ++i) {
            if (singleWord(f[i])) (*forms)[f[i]].push_back(f[0]);
        }
    }
}

void readIndexLemmas(const fs::path& path, std::set<std::string>& known,
                     std::set<std::string>* lemmas = nullptr) {
    std::ifstream in(path);
    if (!in) throw DataError("cannot read " + path.string() + " (package wordnet-base)");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == ' ') continue;   // licence header lines
        const std::string lemma = line.substr(0, line.find(' '));
        if (!singleWord(lemma)) continue;
        known.insert(lemma);
        if (lemmas) lemmas->insert(lemma);
    }
}

WordNet readWordNet(const fs::path& dir) {
    WordNet wn;
    readExceptions(dir / "verb.exc", &wn.verbForms, wn.words);
    readExceptions(dir / "noun.exc", &wn.nounForms, wn.words);
    for (const auto& [lemma, plurals] : wn.nounForms) wn.nounPlurals.insert(plurals.begin(), plurals.end());
    readExceptions(dir / "adj.exc", nullptr, wn.words);
    readIndexLemmas(dir / "index.noun", wn.words, &wn.nounLemmas);
    for (const char* index : {"index.adj", "index.adv"}) {
        readIndexLemmas(dir / index, wn.words, &wn.modifierLemmas);
    }
    readIndexLemmas(dir / "index.verb", wn.words, &wn.verbLemmas);
    for (const auto& [lemma, forms] : wn.verbForms) wn.verbLemmas.insert(lemma);
    return wn;
}

// ---- correct English forms ------------------------------------------------------------------

bool isVowel(char c) { return std::strchr("aeiou", c) != nullptr; }

bool endsInConsonantY(std::string_view w) {
    return w.size() >= 2 && w.back() == 'y' && !isVowel(w[w.size() - 2]);
}

bool endsInSibilant(std::string_view w) {
    return w.ends_with('s') || w.ends_with('x') || w.ends_with('z') || w.ends_with("ch") ||
           w.ends_with("sh");
}

std::string regularPastParticiple(const std::string& v) {
    if (v.ends_with('e')) return v + "d";
    if (endsInConsonantY(v)) return v.substr(0, v.size() - 1) + "ied";
    return v + "ed";
}

std::string regularPresentParticiple(const std::string& v) {
    if (v.ends_with("ie")) return v.substr(0, v.size() - 2) + "ying";
    if (v.ends_with('e') && !v.ends_with("ee") && !v.ends_with("oe") && !v.ends_with("ye") &&
        v.size() > 2) {
        return v.substr(0, v.size() - 1) + "ing";
    }
    return v + "ing";
}

std::string regularThirdPerson(const std::string& v) {
    if (endsInSibilant(v)) return v + "es";
    if (endsInConsonantY(v)) return v.substr(0, v.size() - 1) + "ies";
    if (v.size() >= 2 && v.back() == 'o' && !isVowel(v[v.size() - 2])) return v + "es";
    return v + "s";
}

// Plurals by rule; compounds of "man" take "men".
std::string regularPlural(const std::string& n) {
    if (n.ends_with("man")) return n.substr(0, n.size() - 3) + "men";
    if (endsInSibilant(n)) return n + "es";
    if (endsInConsonantY(n)) return n.substr(0, n.size() - 1) + "ies";
    return n + "s";
}

struct VerbForms {
    std::string pastParticiple, presentParticiple, thirdPerson;
};

// Prefixes of English verbs, longest first.
constexpr std::string_view kVerbPrefixes[] = {"under", "over", "fore", "with", "out", "mis", "pre",
                                              "dis", "un", "re", "be", "de", "en", "in", "im"};

// A verb that WordNet does not know, made of a prefix and a verb it knows ("unspin" is "un" and
// "spin"); empty strings otherwise.
std::pair<std::string, std::string> splitPrefixedVerb(const std::string& verb, const WordNet& wn) {
    if (wn.verbLemmas.count(verb)) return {};
    for (std::string_view prefix : kVerbPrefixes) {
        if (verb.size() < prefix.size() + 2 || !verb.starts_with(prefix)) continue;
        std::string base = verb.substr(prefix.size());
        if (wn.verbLemmas.count(base)) return {std::string(prefix), std::move(base)};
    }
    return {};
}

// WordNet's listed forms sorted by kind: "-ing", third person "-s", the rest past forms; a
// prefixed verb unknown to WordNet takes the forms of its base. A third person form is taken only when it is not the verb plus an ending ("has", not the
// doubled "busses"); a listed form equal to the verb itself is ignored. Verbs in
// `regularVerbs` take no form from WordNet (it lists archaic or variant ones for them).
VerbForms correctVerbForms(const std::string& verb, const WordNet& wn,
                           const std::map<std::string, std::string>& participles,
                           const std::set<std::string>& regularVerbs) {
    if (!participles.count(verb)) {
        if (const auto [prefix, base] = splitPrefixedVerb(verb, wn); !base.empty()) {
            const VerbForms b = correctVerbForms(base, wn, participles, regularVerbs);
            return {prefix + b.pastParticiple, prefix + b.presentParticiple, prefix + b.thirdPerson};
        }
    }
    VerbForms f{regularPastParticiple(verb), regularPresentParticiple(verb),
                regularThirdPerson(verb)};
    std::vector<std::string> past;
    const auto listed = wn.verbForms.find(verb);
    if (listed != wn.verbForms.end() && !regularVerbs.count(verb)) {
        for (const std::string& form : listed->second) {
            if (form == verb) continue;
            if (form.ends_with("ing")) f.presentParticiple = form;
            else if (form.ends_with('s') && !form.ends_with("ss")) {
                if (!form.starts_with(verb)) f.thirdPerson = form;
            } else {
                past.push_back(form);
            }
        }
    }
    if (auto it = participles.find(verb); it != participles.end()) {
        f.pastParticiple = it->second;
    } else if (past.size() == 1) {
        f.pastParticiple = past[0];
    } else if (past.size() > 1) {
        auto n = std::find_if(past.begin(), past.end(), [](const std::string& p) { return p.ends_with('n'); });
        if (n != past.end()) f.pastParticiple = *n;
    }
    return f;
}

// ---- forms the markers produce --------------------------------------------------------------

WordAnalysis markerReading(int partOfSpeech) {
    WordAnalysis a = blankAnalysis();
    a.partOfSpeech = static_cast<std::uint8_t>(partOfSpeech);
    a.grammar2 = 2;   // nouns: plural
    return a;
}

std::string resolvedForm(const std::string& word, std::string_view marker, int partOfSpeech) {
    std::string slot = word + std::string(marker);
    resolveMarkers(slot, markerReading(partOfSpeech), nullptr);
    return slot;
}

// The third person marker that the verb phrase puts on a verb word.
std::string_view thirdPersonMarker(std::string_view verb) {
    const std::size_t n = verb.size();
    const bool sibilant = verb.ends_with('s') ||
                          (n >= 2 && verb[n - 1] == 'h' && (verb[n - 2] == 's' || verb[n - 2] == 'c'));
    return sibilant ? "+es" : "+s";
}

// ---- the lexicon's words --------------------------------------------------------------------

template <class Record>
std::vector<Record> readRecords(const fs::path& path, std::size_t trailingBytes = 0) {
    std::vector<Record> records;
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec || size < trailingBytes || (size - trailingBytes) % sizeof(Record) != 0) return records;
    records.resize((size - trailingBytes) / sizeof(Record));
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(records.data()),
            static_cast<std::streamsize>(records.size() * sizeof(Record)));
    if (!in) records.clear();
    return records;
}

// Plain letters of a meaning's word: "(re)enter" or "re-enter" give "enter".
std::string lastPlainPart(std::string_view token) {
    const std::size_t cut = token.find_last_of("-)");
    std::string w(cut == std::string_view::npos ? token : token.substr(cut + 1));
    return singleWord(w) ? w : std::string();
}

// The first word of a meaning ("make alien; separate" gives "make").
std::string firstWord(std::string_view english) {
    const std::size_t start = english.find_first_not_of("|~ ");
    if (start == std::string_view::npos) return {};
    english.remove_prefix(start);
    return lastPlainPart(english.substr(0, english.find_first_of(" ;,/(?!.")));
}

// The last word of a meaning's first sense ("cattle thieving, stealing" gives "thieving").
std::string lastWordOfFirstSense(std::string_view english) {
    const std::size_t start = english.find_first_not_of("|~ ");
    if (start == std::string_view::npos) return {};
    english.remove_prefix(start);
    const std::string sense = trim(english.substr(0, english.find_first_of(";,/(?!.:[")));
    const std::size_t blank = sense.find_last_of(' ');
    return lastPlainPart(blank == std::string::npos ? sense : sense.substr(blank + 1));
}

// The second word of a meaning's first sense ("take hold, seize" gives "hold"), or "".
std::string secondWordOfFirstSense(std::string_view english) {
    const std::size_t start = english.find_first_not_of("|~ ");
    if (start == std::string_view::npos) return {};
    english.remove_prefix(start);
    const std::vector<std::string> w = words(english.substr(0, english.find_first_of(";,/(?!.:[")));
    return w.size() >= 2 && singleWord(w[1]) ? w[1] : std::string();
}

struct LexiconWords {
    std::set<std::string> verbs;
    std::set<std::string> nouns;
    std::set<std::string> vowelPairs;   // "a X" met in the meanings, X beginning with a vowel
    std::set<std::string> words;        // every word written in the meanings
    std::set<std::string> verbTails;    // the word after the verb in a verb meaning ("hold" of "take hold")
    std::size_t meanings = 0;
    bool byPartOfSpeech = false;        // dictUK.dat told which meanings are verbs and nouns
};

void collectVowelPairs(std::string_view english, std::set<std::string>& pairs) {
    const std::vector<std::string> w = words(english);
    for (std::size_t i = 0; i + 1 < w.size(); ++i) {
        if (w[i] != "a" && w[i] != "A") continue;
        std::string next = w[i + 1];
        while (!next.empty() && !singleWord(next.substr(next.size() - 1))) next.pop_back();
        if (singleWord(next) && isVowel(static_cast<char>(std::tolower(next[0])))) {
            std::transform(next.begin(), next.end(), next.begin(), [](char c) { return char(std::tolower(c)); });
            pairs.insert(next);
        }
    }
}

void collectWords(std::string_view english, std::set<std::string>& out) {
    std::string word;
    for (char c : english) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            word += c;
        } else if (!word.empty()) {
            out.insert(word);
            word.clear();
        }
    }
    if (!word.empty()) out.insert(word);
}

LexiconWords readLexiconWords(const fs::path& meaningsFile, const WordNet& wn) {
    LexiconWords lex;
    const auto meanings = readRecords<MeaningRecord>(meaningsFile);
    lex.meanings = meanings.size();
    if (meanings.empty()) return lex;
    const auto stems = readRecords<StemRecord>(meaningsFile.parent_path() / "dictUK.dat",
                                               kLetterIndexCount * sizeof(LetterIndex));
    // Parts of speech of the entries that use each meaning, one bit each (entries may share one).
    std::vector<std::uint32_t> partsOfSpeech(meanings.size(), 0);
    for (const StemRecord& s : stems) {
        if (s.meaningIndex < meanings.size()) partsOfSpeech[s.meaningIndex] |= 1u << (s.partOfSpeech & 0x1F);
    }
    const auto usedAs = [&](std::size_t i, int code) { return (partsOfSpeech[i] >> code) & 1u; };
    lex.byPartOfSpeech = !stems.empty();
    for (std::size_t i = 0; i < meanings.size(); ++i) {
        const std::string_view english = fieldText(meanings[i].english);
        collectVowelPairs(english, lex.vowelPairs);
        collectWords(english, lex.words);
        const std::string verb = firstWord(english);
        const bool verbMeaning = lex.byPartOfSpeech ? usedAs(i, kVerbCode)
                                                    : wn.verbForms.count(verb) || wn.words.count(verb);
        // A word WordNet knows only as another part of speech ("it", "quickly") is left out;
        // one it does not know at all ("deraign") is taken as a regular verb.
        const bool englishVerb = wn.verbLemmas.count(verb) || !wn.words.count(verb);
        // "be" and "to" have their own rules in the verb phrase.
        if (verbMeaning && englishVerb && verb != "be" && verb != "to" &&
            std::all_of(verb.begin(), verb.end(), [](char c) { return c >= 'a' && c <= 'z'; })) {
            lex.verbs.insert(verb);
            const std::string tail = secondWordOfFirstSense(english);
            if (!tail.empty()) lex.verbTails.insert(tail);
        }
        if (lex.byPartOfSpeech && usedAs(i, kNounCode)) {
            const std::string noun = lastWordOfFirstSense(english);
            if (noun.size() > 1) lex.nouns.insert(noun);
        }
    }
    return lex;
}

// ---- the word table -------------------------------------------------------------------------

struct PolishHandData {
    std::map<std::string, std::string> records;   // written by hand
    std::set<std::string> regular;                // words whose WordNet forms are not used
    std::map<std::string, std::string> plurals;   // plurals given by hand ("Roman": "Romans")
};

PolishHandData readPolishHandData(const fs::path& path) {
    PolishHandData d;
    for (const SourceLine& l : readSource(path)) {
        const std::vector<std::string> f = words(l.text);
        if (f.size() == 1 && f[0].size() > 1 && f[0][0] == '!') {
            d.regular.insert(f[0].substr(1));
        } else if (f.size() == 2 && f[0].size() > 1 && f[0][0] == '=') {
            d.plurals[f[0].substr(1)] = f[1];
        } else if (f.size() == 2 && f[0].size() <= kPolishWordMax && f[1].size() <= kPolishWordMax) {
            d.records[f[0]] = f[1];
        } else {
            throw lineError(path, l.number, "expected \"key replacement\" of at most 19 characters each, \"!word\" or \"=noun plural\"");
        }
    }
    return d;
}

// data/english/verb_participles.txt: the past participle of each verb listed, and its simple
// past where that differs from the participle.
struct IrregularVerbs {
    std::map<std::string, std::string> participles;
    std::map<std::string, std::string> pasts;
};

IrregularVerbs readIrregularVerbs(const fs::path& path) {
    IrregularVerbs v;
    for (const SourceLine& l : readSource(path)) {
        const std::vector<std::string> f = words(l.text);
        if (f.size() != 2 && f.size() != 3) {
            throw lineError(path, l.number, "expected \"base participle\" or \"base participle past\"");
        }
        v.participles[f[0]] = f[1];
        if (f.size() == 3) v.pasts[f[0]] = f[2];
    }
    return v;
}

// Candidate records (resolved form -> correct form) with what keeps a key out.
struct WordTable {
    std::map<std::string, std::set<std::string>> candidates;
    std::set<std::string> correctForms;   // every correct form produced: never a key
    std::size_t wordsChecked = 0;
};

void addCandidate(WordTable& t, const std::string& resolved, const std::string& correct) {
    t.correctForms.insert(correct);
    if (resolved != correct) t.candidates[resolved].insert(correct);
}

void addVerb(WordTable& t, const std::string& verb, const WordNet& wn,
             const std::map<std::string, std::string>& participles, const PolishHandData& hand) {
    const VerbForms f = correctVerbForms(verb, wn, participles, hand.regular);
    addCandidate(t, resolvedForm(verb, "+ed", kVerbCode), f.pastParticiple);
    addCandidate(t, resolvedForm(verb, "+ing", kVerbCode), f.presentParticiple);
    addCandidate(t, resolvedForm(verb, thirdPersonMarker(verb), kVerbCode), f.thirdPerson);
    ++t.wordsChecked;
}

// A meaning that is a plural already takes no further ending: an irregular plural of
// noun.exc ("men"), or a word of four letters or more in "-s" (not "-ss", "-us", "-is") whose
// singular is a noun of WordNet ("scales", "arms", "goods", "ancestors").
bool isAlreadyPlural(const std::string& noun, const WordNet& wn) {
    if (wn.nounPlurals.count(noun)) return true;
    if (noun.size() < 4 || !noun.ends_with('s') || noun.ends_with("ss") || noun.ends_with("us") || noun.ends_with("is")) return false;
    const std::string singular = noun.substr(0, noun.size() - 1);
    return wn.nounLemmas.count(singular) ||
           (noun.ends_with("es") && wn.nounLemmas.count(noun.substr(0, noun.size() - 2)));
}

void addNoun(WordTable& t, const std::string& noun, const WordNet& wn, const PolishHandData& hand) {
    std::string plural = isAlreadyPlural(noun, wn) ? noun : regularPlural(noun);
    if (auto given = hand.plurals.find(noun); given != hand.plurals.end()) {
        plural = given->second;
    } else if (auto it = wn.nounForms.find(noun); plural != noun && it != wn.nounForms.end() &&
                                                   it->second.size() == 1 && !hand.regular.count(noun)) {
        plural = it->second[0];
    }
    addCandidate(t, resolvedForm(noun, noun.ends_with('s') ? "+es" : "+s", kNounCode), plural);
    ++t.wordsChecked;
}

PolishRecord polishRecord(std::string_view key, std::string_view replacement) {
    PolishRecord r{};
    copyField(r.key, key);
    copyField(r.replacement, replacement);
    return r;
}

// The simple past of a verb whose past differs from its participle ("took" for "take"), a
// prefixed verb unknown to WordNet taking its base's ("undertook"); empty for the others.
std::string irregularPast(const std::string& verb, const WordNet& wn, const IrregularVerbs& irregular) {
    if (auto it = irregular.pasts.find(verb); it != irregular.pasts.end()) return it->second;
    if (irregular.participles.count(verb)) return {};
    const auto [prefix, base] = splitPrefixedVerb(verb, wn);
    if (auto it = irregular.pasts.find(base); !base.empty() && it != irregular.pasts.end()) {
        return prefix + it->second;
    }
    return {};
}

// Simple past records ("take+past" -> "took") for the verbs whose past is not their participle;
// the key can never be a word of a slot, the verb phrases look it up by name.
void addSimplePasts(std::map<std::string, std::string>& chosen, const std::set<std::string>& verbs,
                    const WordNet& wn, const IrregularVerbs& irregular) {
    for (const std::string& verb : verbs) {
        const std::string past = irregularPast(verb, wn, irregular);
        const std::string key = verb + std::string(kSimplePastKeySuffix);
        if (!past.empty() && key.size() <= kPolishWordMax && past.size() <= kPolishWordMax) {
            chosen[key] = past;
        }
    }
}

// Words that WordNet may list as nouns but that never stand as the object of a verb meaning:
// articles, prepositions, particles, conjunctions and pronouns ("at" is also a coin, "in" an
// element, "or" a colour), and "upside" of "turn upside down".
constexpr std::array<std::string_view, 49> kNeverObjects = {
    "or",      "and",    "but",    "nor",     "upside",
    "a",       "an",     "the",    "at",      "to",     "of",      "with",   "from",  "for",
    "into",    "upon",   "by",     "through", "against", "among",  "between", "under", "over",
    "without", "within", "toward", "towards", "across", "along",   "around", "behind", "beyond",
    "after",   "before", "about",  "like",    "near",   "onto",    "past",   "as",     "up",
    "down",    "off",    "on",     "in",      "out",    "one",     "oneself", "it"};

// Object-noun records ("hold+obj") for the words after a verb in the verb meanings that WordNet
// knows as nouns and not as adjectives or adverbs: the passive of "take hold" is "taken".
std::size_t addObjectNouns(std::map<std::string, std::string>& chosen, const LexiconWords& lex, const WordNet& wn) {
    std::size_t added = 0;
    for (const std::string& word : lex.verbTails) {
        const bool listed = std::find(kNeverObjects.begin(), kNeverObjects.end(), word) != kNeverObjects.end();
        const std::string key = word + std::string(kObjectNounKeySuffix);
        // A form in -ing goes on from its verb ("keep turning"); one letter is an abbreviation.
        const bool form = word.size() < 2 || word.ends_with("ing");
        if (listed || form || !wn.nounLemmas.count(word) || wn.modifierLemmas.count(word) ||
            key.size() > kPolishWordMax) {
            continue;
        }
        chosen[key] = word;
        ++added;
    }
    return added;
}

// The English words that a key must not be: the words of WordNet that the meanings use (all of
// WordNet's words when there are no meanings). The table would change them wherever meant.
std::set<std::string> wordsInUse(const LexiconWords& lex, const WordNet& wn) {
    if (lex.meanings == 0) return wn.words;
    std::set<std::string> inUse;
    std::set_intersection(lex.words.begin(), lex.words.end(), wn.words.begin(), wn.words.end(),
                          std::inserter(inUse, inUse.end()));
    return inUse;
}

// A resolved form is withheld as a key when it is a correct form of one of our words or an
// English word in use.
std::vector<PolishRecord> buildWordTable(const WordTable& t, const std::set<std::string>& inUse,
                                         const PolishHandData& hand,
                                         const std::map<std::string, std::string>& pasts,
                                         std::ostream& report) {
    std::map<std::string, std::string> chosen;
    std::size_t ambiguous = 0, tooLong = 0;
    std::string englishWords;
    for (const auto& [key, corrections] : t.candidates) {
        if (inUse.count(key) || t.correctForms.count(key)) englishWords += " " + key;
        else if (corrections.size() > 1) ++ambiguous;
        else if (key.size() > kPolishWordMax || corrections.begin()->size() > kPolishWordMax) ++tooLong;
        else chosen[key] = *corrections.begin();
    }
    for (const auto& [key, replacement] : hand.records) chosen[key] = replacement;
    chosen.insert(pasts.begin(), pasts.end());
    std::vector<PolishRecord> records;
    for (const auto& [key, replacement] : chosen) records.push_back(polishRecord(key, replacement));
    report << "polish.dat: " << records.size() << " records (" << t.wordsChecked
           << " verbs and nouns checked, " << hand.records.size() << " by hand, " << pasts.size()
           << " simple pasts; withheld: "
           << ambiguous << " ambiguous, " << tooLong << " too long)\n"
           << "polish.dat: keys withheld as English words:" << englishWords << "\n";
    return records;
}

// ---- the phrase and line tables -------------------------------------------------------------

PhraseRecord phraseRecord(const fs::path& path, const SourceLine& l) {
    const auto [search, replacement] = splitArrow(path, l);
    if (search.empty() || search.size() > kPhraseMax || replacement.size() > kPhraseMax) {
        throw lineError(path, l.number, "phrases must have 1 to 29 characters");
    }
    PhraseRecord r{};
    copyField(r.search, search);
    copyField(r.replacement, replacement);
    r.comparedLength = static_cast<std::int16_t>(search.size());
    return r;
}

std::vector<PhraseRecord> buildPhraseTable(const fs::path& path, std::ostream& report) {
    std::vector<PhraseRecord> verbGroup, general;
    std::vector<PhraseRecord>* group = nullptr;
    for (const SourceLine& l : readSource(path)) {
        if (l.text == "[verb]") group = &verbGroup;
        else if (l.text == "[general]") group = &general;
        else if (!group) throw lineError(path, l.number, "a record before \"[verb]\" or \"[general]\"");
        else group->push_back(phraseRecord(path, l));
    }
    if (verbGroup.size() > static_cast<std::size_t>(kVerbPhraseGroupSize)) {
        throw DataError(path.string() + ": more than " + std::to_string(kVerbPhraseGroupSize) +
                        " records in the verb-phrase group");
    }
    const auto bySearch = [](const PhraseRecord& a, const PhraseRecord& b) {
        return fieldText(a.search) < fieldText(b.search);
    };
    std::sort(general.begin(), general.end(), bySearch);
    for (std::size_t i = 1; i < general.size(); ++i) {
        if (fieldText(general[i - 1].search) == fieldText(general[i].search)) {
            throw DataError(path.string() + ": \"" + std::string(fieldText(general[i].search)) +
                            "\" appears twice in the general group");
        }
    }
    const std::size_t verbRecords = verbGroup.size();
    verbGroup.resize(kVerbPhraseGroupSize);   // unused places: empty search phrases
    verbGroup.insert(verbGroup.end(), general.begin(), general.end());
    report << "phrasedud.dat: " << verbGroup.size() << " records (" << verbRecords
           << " verb phrases in " << kVerbPhraseGroupSize << " places, " << general.size()
           << " general)\n";
    return verbGroup;
}

FinalPolishRecord finalRecord(std::string_view key, std::string_view replacement) {
    FinalPolishRecord r{};
    r.keyLength = static_cast<std::uint8_t>(copyField(r.key, key));
    r.replacementLength = static_cast<std::uint8_t>(copyField(r.replacement, replacement));
    return r;
}

std::vector<FinalPolishRecord> buildFinalTable(const fs::path& path, const LexiconWords& lex,
                                               std::ostream& report) {
    std::map<std::string, std::string> entries;
    std::set<std::string> consonantSound;
    for (const SourceLine& l : readSource(path)) {
        if (l.text.starts_with("!")) {
            consonantSound.insert(trim(l.text.substr(1)));
            continue;
        }
        const auto [key, replacement] = splitArrow(path, l);
        if (key.empty() || key.size() > kFinalMax || replacement.size() > kFinalMax) {
            throw lineError(path, l.number, "texts must have 1 to 99 characters");
        }
        if (std::any_of(key.begin(), key.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) {
            throw lineError(path, l.number, "keys are written in lower case");
        }
        entries[key] = replacement;
    }
    std::size_t generated = 0;
    for (const std::string& word : lex.vowelPairs) {
        if (consonantSound.count(word) || 2 + word.size() > kFinalMax) continue;
        generated += entries.emplace("a " + word, "an " + word).second;
    }
    std::vector<FinalPolishRecord> records;
    for (const auto& [key, replacement] : entries) records.push_back(finalRecord(key, replacement));
    report << "finalpolish.dat: " << records.size() << " records (" << generated
           << " \"a\"/\"an\" pairs from the meanings)\n";
    return records;
}

template <class Record>
void writeTable(const fs::path& path, const std::vector<Record>& records) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(records.data()),
              static_cast<std::streamsize>(records.size() * sizeof(Record)));
    if (!out) throw DataError("cannot write " + path.string());
}

}  // namespace

bool compilePolishTables(const PolishSources& sources, const std::filesystem::path& outDir,
                         std::string& error, std::ostream& report) {
    try {
        const fs::path english = sources.dataDir / "english";
        const WordNet wn = readWordNet(sources.wordnetDir);
        const LexiconWords lex = readLexiconWords(sources.meaningsFile, wn);
        const IrregularVerbs irregular = readIrregularVerbs(english / "verb_participles.txt");
        const auto& participles = irregular.participles;
        const PolishHandData hand = readPolishHandData(english / "polish.txt");
        report << "English words of the meanings: " << lex.verbs.size() << " verbs, "
               << lex.nouns.size() << " nouns from " << lex.meanings << " meanings"
               << (lex.byPartOfSpeech ? "" : " (no dictUK.dat: verbs told by WordNet)") << "\n";

        WordTable table;
        for (const std::string& verb : lex.verbs) addVerb(table, verb, wn, participles, hand);
        for (const std::string& noun : lex.nouns) addNoun(table, noun, wn, hand);
        if (lex.meanings == 0) {   // no lexicon yet: every irregular word WordNet lists
            for (const auto& [verb, forms] : wn.verbForms) {
                if (verb != "be") addVerb(table, verb, wn, participles, hand);
            }
            for (const auto& [verb, participle] : participles) {
                if (!wn.verbForms.count(verb)) addVerb(table, verb, wn, participles, hand);
            }
            for (const auto& [noun, forms] : wn.nounForms) addNoun(table, noun, wn, hand);
        }

        std::map<std::string, std::string> pasts;
        addSimplePasts(pasts, lex.verbs, wn, irregular);
        report << "polish.dat: " << addObjectNouns(pasts, lex, wn) << " object nouns of verb meanings\n";
        if (lex.meanings == 0) {
            std::set<std::string> listed;
            for (const auto& [verb, past] : irregular.pasts) listed.insert(verb);
            addSimplePasts(pasts, listed, wn, irregular);
        }
        writeTable(outDir / "polish.dat",
                   buildWordTable(table, wordsInUse(lex, wn), hand, pasts, report));
        writeTable(outDir / "phrasedud.dat", buildPhraseTable(english / "phrasedud.txt", report));
        writeTable(outDir / "finalpolish.dat", buildFinalTable(english / "finalpolish.txt", lex, report));
        return true;
    } catch (const DataError& e) {
        error = e.what();
        return false;
    }
}

}  // namespace kavro::mkdata
