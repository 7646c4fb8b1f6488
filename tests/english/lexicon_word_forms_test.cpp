// A check over the whole compiled lexicon: for the first word of every verb meaning, the "+ed",
// "+ing" and "+s" forms and the simple past of narrative that come out of the verb phrase, the marker resolution and the word
// table are compared with the correct English forms; likewise the plural of the last word of
// every noun meaning's first sense (a meaning that is a plural already keeps its form). The correct forms are worked out here on
// their own: WordNet's verb.exc where it lists the verb, the project's list of past participles
// and of verbs kept regular, the regular spelling rules otherwise. Skips when the compiled
// lexicon (build/data) is absent.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "core/fixed_text.h"
#include "core/lexicon_records.h"
#include "english/narrative_tenses.h"
#include "english/polish_records.h"
#include "english/polish_tables.h"
#include "english/verb_phrase.h"

namespace kavro {
namespace {

namespace fs = std::filesystem;

fs::path dataDir() {
    const char* env = std::getenv("KAVRO_DATA");
    return env && *env ? fs::path(env) : fs::path(KAVRO_DATA_DIR);
}

template <class Record>
std::vector<Record> readRecords(const fs::path& path, std::size_t trailing = 0) {
    std::vector<Record> out;
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec || size < trailing) return out;
    out.resize((size - trailing) / sizeof(Record));
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(out.size() * sizeof(Record)));
    return out;
}

// lemma -> forms that verb.exc lists for it, and every lemma of index.verb.
struct VerbLists {
    std::map<std::string, std::vector<std::string>> forms;
    std::set<std::string> lemmas;
    std::set<std::string> otherWords;                 // lemmas of WordNet's other parts of speech
    std::map<std::string, std::string> participles;   // data/english/verb_participles.txt
    std::map<std::string, std::string> pasts;         // its third column
    std::set<std::string> keptRegular;                // "!word" lines of data/english/polish.txt
    std::map<std::string, std::string> plurals;       // "=noun plural" lines of the same
    std::map<std::string, std::vector<std::string>> nounForms;   // noun.exc: lemma -> plurals
    std::set<std::string> nounLemmas;                            // index.noun
    std::set<std::string> irregularPlurals;                      // noun.exc's forms
};

VerbLists readVerbLists() {
    VerbLists v;
    std::ifstream exc("/usr/share/wordnet/verb.exc");
    for (std::string line; std::getline(exc, line);) {
        std::istringstream in(line);
        std::string form, lemma;
        in >> form;
        while (in >> lemma) {
            v.forms[lemma].push_back(form);
            v.lemmas.insert(lemma);
        }
    }
    std::ifstream index("/usr/share/wordnet/index.verb");
    for (std::string line; std::getline(index, line);) {
        if (!line.empty() && line[0] != ' ') v.lemmas.insert(line.substr(0, line.find(' ')));
    }
    for (const char* other : {"index.noun", "index.adj", "index.adv"}) {
        std::ifstream in(fs::path("/usr/share/wordnet") / other);
        for (std::string line; std::getline(in, line);) {
            if (line.empty() || line[0] == ' ') continue;
            v.otherWords.insert(line.substr(0, line.find(' ')));
            if (std::string_view(other) == "index.noun") v.nounLemmas.insert(line.substr(0, line.find(' ')));
        }
    }
    std::ifstream parts(fs::path(KAVRO_SOURCE_DIR) / "data/english/verb_participles.txt");
    for (std::string line; std::getline(parts, line);) {
        std::istringstream in(line);
        std::string base, participle, past;
        if (line.starts_with('#') || !(in >> base >> participle)) continue;
        v.participles[base] = participle;
        if (in >> past) v.pasts[base] = past;
    }
    std::ifstream polish(fs::path(KAVRO_SOURCE_DIR) / "data/english/polish.txt");
    for (std::string line; std::getline(polish, line);) {
        if (line.starts_with('!')) v.keptRegular.insert(line.substr(1, line.find_first_of(" \r") - 1));
        std::istringstream in(line);
        std::string noun, plural;
        if (line.starts_with('=') && in >> noun >> plural) v.plurals[noun.substr(1)] = plural;
    }
    std::ifstream nounExc("/usr/share/wordnet/noun.exc");
    for (std::string line; std::getline(nounExc, line);) {
        std::istringstream in(line);
        std::string form, lemma;
        in >> form;
        while (in >> lemma) v.nounForms[lemma].push_back(form);
        v.irregularPlurals.insert(form);
    }
    return v;
}

bool consonantBefore(const std::string& w, std::size_t back) {
    return w.size() > back && std::string("aeiou").find(w[w.size() - 1 - back]) == std::string::npos;
}

// The expected forms: past participle, present participle, third person singular, simple past.
struct Expected {
    std::string ed, ing, s, past;
};

Expected expectedForms(const std::string& v, const VerbLists& lists) {
    // A verb WordNet does not know that is a prefix and a verb it knows: the base's forms.
    if (!lists.lemmas.count(v) && !lists.participles.count(v)) {
        for (std::string prefix : {"under", "over", "fore", "with", "out", "mis", "pre", "dis", "un",
                                   "re", "be", "de", "en", "in", "im"}) {
            if (v.size() >= prefix.size() + 2 && v.starts_with(prefix) && lists.lemmas.count(v.substr(prefix.size()))) {
                const Expected b = expectedForms(v.substr(prefix.size()), lists);
                return {prefix + b.ed, prefix + b.ing, prefix + b.s, prefix + b.past};
            }
        }
    }
    Expected e;
    const bool sibilant = v.ends_with('s') || v.ends_with('x') || v.ends_with('z') ||
                          v.ends_with("ch") || v.ends_with("sh");
    const bool consonantY = v.ends_with('y') && consonantBefore(v, 1);
    const std::string stem = v.substr(0, v.size() - 1);
    e.ed = v.ends_with('e') ? v + "d" : consonantY ? stem + "ied" : v + "ed";
    if (v.ends_with("ie")) e.ing = v.substr(0, v.size() - 2) + "ying";
    else if (v.ends_with('e') && v.size() > 2 && !v.ends_with("ee") && !v.ends_with("oe") && !v.ends_with("ye")) e.ing = stem + "ing";
    else e.ing = v + "ing";
    e.s = sibilant ? v + "es" : consonantY ? stem + "ies" : (v.ends_with('o') && consonantBefore(v, 1)) ? v + "es" : v + "s";

    std::vector<std::string> past;
    if (auto it = lists.forms.find(v); it != lists.forms.end() && !lists.keptRegular.count(v)) {
        for (const std::string& f : it->second) {
            if (f == v) continue;
            if (f.ends_with("ing")) e.ing = f;
            else if (f.ends_with('s') && !f.ends_with("ss")) { if (!f.starts_with(v)) e.s = f; }
            else past.push_back(f);
        }
    }
    if (auto it = lists.participles.find(v); it != lists.participles.end()) e.ed = it->second;
    else if (past.size() == 1) e.ed = past[0];
    else if (past.size() > 1) {
        for (const std::string& p : past) if (p.ends_with('n')) { e.ed = p; break; }
    }
    const auto listedPast = lists.pasts.find(v);
    e.past = listedPast != lists.pasts.end() ? listedPast->second : e.ed;
    return e;
}

std::string firstWord(std::string_view english) {
    const std::size_t start = english.find_first_not_of("|~ ");
    if (start == std::string_view::npos) return {};
    english.remove_prefix(start);
    std::string token(english.substr(0, english.find_first_of(" ;,/(?!.")));
    const std::size_t cut = token.find_last_of("-)");
    if (cut != std::string::npos) token = token.substr(cut + 1);
    const bool plain = !token.empty() && std::all_of(token.begin(), token.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    return plain ? token : std::string();
}

// The English the program writes for the verb in one reading, through every step.
struct Pipeline {
    std::vector<PolishRecord> polish;
    std::vector<PhraseRecord> phrases;

    std::string render(const std::string& verb, int tense, int person, bool withPhrases,
                       bool narrative = false) const {
        std::vector<WordAnalysis> a(1, blankAnalysis());
        a[0].partOfSpeech = 7;
        a[0].grammar1 = static_cast<std::uint8_t>(tense);
        a[0].grammar2 = a[0].grammar3 = a[0].grammar5 = 1;
        a[0].grammar4 = static_cast<std::uint8_t>(person);
        std::string slot = buildVerbPhrase(verb, 0, 0, a);
        if (narrative) useNarrativeTense(slot, a[0], polish);
        resolveMarkers(slot, a[0], nullptr);
        applyPolishTable(polish, slot);
        if (withPhrases) applyPhraseTable(phrases, slot, a[0]);
        removeVerbCaret(slot, a[0]);
        return slot;
    }
};

struct Tally {
    int verbs = 0, formsRight = 0, formsRightWithPhrases = 0, forms = 0;
    std::vector<std::string> wrong;
};

TEST(LexiconVerbForms, MarkerFormsAfterPolishingAreRight) {
    const fs::path dir = dataDir();
    const auto meanings = readRecords<MeaningRecord>(dir / "transl.dat");
    const auto stems = readRecords<StemRecord>(dir / "dictUK.dat", kLetterIndexCount * sizeof(LetterIndex));
    Pipeline p{readRecords<PolishRecord>(dir / "polish.dat"), readRecords<PhraseRecord>(dir / "phrasedud.dat")};
    if (meanings.empty() || stems.empty() || p.polish.empty()) {
        GTEST_SKIP() << "no compiled lexicon in " << dir;
    }
    if (!fs::exists("/usr/share/wordnet/verb.exc")) GTEST_SKIP() << "WordNet (wordnet-base) is not installed";
    const VerbLists lists = readVerbLists();

    std::set<std::string> verbs;
    std::set<std::string> notVerbs;
    for (const StemRecord& s : stems) {
        if ((s.partOfSpeech & 0x1F) != 7 || s.meaningIndex >= meanings.size()) continue;
        const std::string v = firstWord(fieldText(meanings[s.meaningIndex].english));
        if (v.empty() || v == "be" || v == "to") continue;   // the verb phrase's own rules
        // Words WordNet knows only as other parts of speech ("it", "quickly") are not verbs.
        if (lists.lemmas.count(v) || lists.participles.count(v) || !lists.otherWords.count(v)) verbs.insert(v);
        else notVerbs.insert(v);
    }

    Tally t;
    for (const std::string& v : verbs) {
        const Expected e = expectedForms(v, lists);
        const std::pair<std::string, std::string> checks[] = {
            {p.render(v, 4, 1, false), "I have " + e.ed},
            {p.render(v, 2, 3, false), "s/he/it was " + e.ing},
            {p.render(v, 1, 3, false), "s/he/it " + e.s},
            {p.render(v, 4, 3, false, true), "s/he/it " + e.past}};
        const std::string withPhrases[] = {p.render(v, 4, 1, true), p.render(v, 2, 3, true),
                                           p.render(v, 1, 3, true), p.render(v, 4, 3, true, true)};
        ++t.verbs;
        for (int i = 0; i < 4; ++i) {
            ++t.forms;
            t.formsRight += checks[i].first == checks[i].second;
            t.formsRightWithPhrases += withPhrases[i] == checks[i].second;
            if (withPhrases[i] != checks[i].second) t.wrong.push_back(withPhrases[i] + " (want " + checks[i].second + ")");
        }
    }
    const double share = 100.0 * t.formsRight / t.forms;
    const double shareWithPhrases = 100.0 * t.formsRightWithPhrases / t.forms;
    std::cout << "verbs checked: " << t.verbs << " (" << notVerbs.size()
              << " first words of verb meanings are not English verbs)\n"
              << "forms right after resolution and the word table: " << t.formsRight << " of " << t.forms
              << " (" << share << "%)\n"
              << "forms right with the verb-phrase fixes too: " << t.formsRightWithPhrases << " (" << shareWithPhrases << "%)\n"
              << "still wrong:\n";
    for (const std::string& w : t.wrong) std::cout << "  " << w << "\n";
    EXPECT_GE(shareWithPhrases, 99.5);
}

// A meaning that is already a plural ("ancestors", "scales", "men") keeps its form: a form of
// noun.exc, or a word of four letters or more in "-s" (not "-ss", "-us", "-is") whose singular
// is a noun of WordNet.
bool alreadyPlural(const std::string& n, const VerbLists& lists) {
    if (lists.irregularPlurals.count(n)) return true;
    if (n.size() < 4 || !n.ends_with('s') || n.ends_with("ss") || n.ends_with("us") || n.ends_with("is")) return false;
    return lists.nounLemmas.count(n.substr(0, n.size() - 1)) ||
           (n.ends_with("es") && lists.nounLemmas.count(n.substr(0, n.size() - 2)));
}

std::string expectedPlural(const std::string& n, const VerbLists& lists) {
    if (auto it = lists.plurals.find(n); it != lists.plurals.end()) return it->second;
    if (alreadyPlural(n, lists)) return n;
    if (auto it = lists.nounForms.find(n);
        it != lists.nounForms.end() && it->second.size() == 1 && !lists.keptRegular.count(n)) {
        return it->second[0];
    }
    if (n.ends_with("man")) return n.substr(0, n.size() - 3) + "men";
    if (n.ends_with('s') || n.ends_with('x') || n.ends_with('z') || n.ends_with("ch") || n.ends_with("sh")) return n + "es";
    if (n.ends_with('y') && consonantBefore(n, 1)) return n.substr(0, n.size() - 1) + "ies";
    return n + "s";
}

// The last word of a meaning's first sense ("cattle thieving, stealing" gives "thieving").
std::string lastWordOfFirstSense(std::string_view english) {
    const std::size_t start = english.find_first_not_of("|~ ");
    if (start == std::string_view::npos) return {};
    english.remove_prefix(start);
    std::string sense(english.substr(0, english.find_first_of(";,/(?!.:[")));
    while (!sense.empty() && sense.back() == ' ') sense.pop_back();
    std::string word = sense.substr(sense.find_last_of(' ') == std::string::npos ? 0 : sense.find_last_of(' ') + 1);
    const std::size_t cut = word.find_last_of("-)");
    if (cut != std::string::npos) word = word.substr(cut + 1);
    const bool plain = word.size() > 1 && std::all_of(word.begin(), word.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
    return plain ? word : std::string();
}

TEST(LexiconNounPlurals, MarkerPluralsAfterPolishingAreRight) {
    const fs::path dir = dataDir();
    const auto meanings = readRecords<MeaningRecord>(dir / "transl.dat");
    const auto stems = readRecords<StemRecord>(dir / "dictUK.dat", kLetterIndexCount * sizeof(LetterIndex));
    const auto polish = readRecords<PolishRecord>(dir / "polish.dat");
    if (meanings.empty() || stems.empty() || polish.empty()) GTEST_SKIP() << "no compiled lexicon in " << dir;
    if (!fs::exists("/usr/share/wordnet/noun.exc")) GTEST_SKIP() << "WordNet (wordnet-base) is not installed";
    const VerbLists lists = readVerbLists();

    std::set<std::string> nouns;
    for (const StemRecord& s : stems) {
        if ((s.partOfSpeech & 0x1F) != 1 || s.meaningIndex >= meanings.size()) continue;
        const std::string n = lastWordOfFirstSense(fieldText(meanings[s.meaningIndex].english));
        if (!n.empty()) nouns.insert(n);
    }
    WordAnalysis plural = blankAnalysis();
    plural.partOfSpeech = 1;
    plural.grammar2 = 2;
    int right = 0;
    std::vector<std::string> wrong;
    for (const std::string& n : nouns) {
        std::string slot = "the " + n + (n.ends_with('s') ? "+es" : "+s");
        resolveMarkers(slot, plural, nullptr);
        applyPolishTable(polish, slot);
        const std::string want = "the " + expectedPlural(n, lists);
        if (slot == want) ++right;
        else wrong.push_back(slot + " (want " + want + ")");
    }
    const double share = 100.0 * right / static_cast<double>(nouns.size());
    std::cout << "nouns checked: " << nouns.size() << "; plurals right: " << right << " (" << share
              << "%)\nstill wrong:\n";
    for (const std::string& w : wrong) std::cout << "  " << w << "\n";
    EXPECT_GE(share, 99.5);
}

}  // namespace
}  // namespace kavro
