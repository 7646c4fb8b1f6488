// Coverage of word analysis on the UD Latin treebanks: the share of word tokens (punctuation
// excluded) that get an analysis other than NOT FOUND, and the share where one analysis has the
// gold lemma (first part of the citation form, folded u/v and i/j) with a matching coarse part
// of speech. With the peer program installed, the same tokens are scored for it the same way.
//
//   coverage_bench [--no-peer] [--peer PROGRAM] [--misses N] [FILE.conllu ...]
//
// Without files it reads every .conllu of ../shared/corpus/ud/ beside the source tree; when there
// is none it says so and exits 0. The lexicon is $KAVRO_DATA or the build's data folder.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "core/stages.h"
#include "job/data_loader.h"
#include "morph/word_analysis.h"

namespace fs = std::filesystem;
using namespace kavro;

namespace {

constexpr const char* kDefaultPeer = "/usr/bin/whitakers-words";
constexpr std::string_view kMarks = ".,?:!\"';-()";   // punctuation_type order
constexpr int kSentenceTokenLimit = 390;
constexpr std::string_view kPeerSentinel = "zqzqz";

struct GoldToken {
    std::string form;
    std::string lemma;
    std::string upos;
};
using GoldSentence = std::vector<GoldToken>;

// Sentences of a CoNLL-U file as surface tokens; a multiword token takes the lemma and part of
// speech of its first part.
std::vector<GoldSentence> readConllu(const fs::path& file) {
    std::vector<GoldSentence> sentences(1);
    std::ifstream in(file);
    std::string line;
    int skipUntil = 0;
    while (std::getline(in, line)) {
        if (line.empty()) {
            if (!sentences.back().empty()) sentences.emplace_back();
            skipUntil = 0;
            continue;
        }
        if (line[0] == '#') continue;
        std::vector<std::string> f;
        std::stringstream ss(line);
        for (std::string field; std::getline(ss, field, '\t');) f.push_back(field);
        if (f.size() < 4 || f[0].find('.') != std::string::npos) continue;
        const std::size_t dash = f[0].find('-');
        if (dash != std::string::npos) {
            sentences.back().push_back({f[1], "", ""});
            skipUntil = std::atoi(f[0].c_str() + dash + 1);
            continue;
        }
        const int id = std::atoi(f[0].c_str());
        if (id <= skipUntil && !sentences.back().empty()) {
            GoldToken& last = sentences.back().back();
            if (last.lemma.empty()) {
                last.lemma = f[2];
                last.upos = f[3];
            }
            continue;
        }
        sentences.back().push_back({f[1], f[2], f[3]});
    }
    if (sentences.back().empty()) sentences.pop_back();
    return sentences;
}

std::string fold(std::string_view text) {
    std::string out;
    for (char c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        out += c == 'j' ? 'i' : c == 'v' ? 'u' : c;
    }
    return out;
}

// The lemma as the treebank writes it, with optional letters in brackets read both ways
// ("dext(e)ra": dextera, dextra) and a trailing homograph number removed.
std::set<std::string> goldLemmas(std::string lemma) {
    while (!lemma.empty() && (std::isdigit(static_cast<unsigned char>(lemma.back())) || lemma.back() == '#'))
        lemma.pop_back();
    std::string with, without;
    bool inside = false;
    for (char c : lemma) {
        if (c == '(' || c == ')') {
            inside = c == '(';
            continue;
        }
        with += c;
        if (!inside) without += c;
    }
    return {fold(with), fold(without)};
}

// First principal part of a citation form: up to the first comma or blank.
std::string firstPart(std::string_view citation) {
    const std::size_t end = citation.find_first_of(", ");
    return fold(citation.substr(0, end));
}

enum Coarse { cNoun, cVerb, cAdj, cAdv, cPron, cNum, cPrep, cConj, cInterj, cOther };

Coarse coarseOfCode(int pos) {
    switch (pos) {
    case speech_type::Noun: return cNoun;
    case speech_type::Verb: case speech_type::Participle: case speech_type::Supine: return cVerb;
    case speech_type::Adjective: case speech_type::SubstantiveAdjective: return cAdj;
    case speech_type::Adverb: case speech_type::AdverbSubtype: return cAdv;
    case speech_type::Pronoun: case speech_type::Pack: return cPron;
    case speech_type::Numeral: return cNum;
    case speech_type::Preposition: return cPrep;
    case speech_type::Conjunction: return cConj;
    case speech_type::Interjection: return cInterj;
    default: return cOther;
    }
}

Coarse coarseOfPeer(std::string_view pos) {
    static const std::map<std::string_view, Coarse> names = {
        {"N", cNoun}, {"V", cVerb}, {"VPAR", cVerb}, {"SUPINE", cVerb}, {"ADJ", cAdj},
        {"ADV", cAdv}, {"PRON", cPron}, {"PACK", cPron}, {"NUM", cNum}, {"PREP", cPrep},
        {"CONJ", cConj}, {"INTERJ", cInterj}};
    const auto it = names.find(pos);
    return it == names.end() ? cOther : it->second;
}

// The coarse classes that agree with a UD part of speech.
bool agrees(std::string_view upos, Coarse c) {
    if (upos == "NOUN" || upos == "PROPN") return c == cNoun;
    if (upos == "VERB" || upos == "AUX") return c == cVerb;
    if (upos == "ADJ") return c == cAdj || c == cNum;
    if (upos == "DET") return c == cPron || c == cAdj;
    if (upos == "PRON") return c == cPron;
    if (upos == "NUM") return c == cNum || c == cAdj;
    if (upos == "ADV" || upos == "PART") return c == cAdv;
    if (upos == "ADP") return c == cPrep;
    if (upos == "CCONJ" || upos == "SCONJ") return c == cConj || c == cAdv;
    if (upos == "INTJ") return c == cInterj;
    return true;
}

struct Reading {
    std::string lemma;
    Coarse coarse;
};
struct TokenResult {
    bool found = false;
    std::vector<Reading> readings;
};

struct Score {
    long words = 0, found = 0, lemmaAndPos = 0;
    void add(const GoldToken& gold, const TokenResult& r) {
        ++words;
        if (r.found) ++found;
        const auto lemmas = goldLemmas(gold.lemma);
        for (const Reading& reading : r.readings) {
            if (lemmas.count(reading.lemma) && agrees(gold.upos, reading.coarse)) {
                ++lemmaAndPos;
                return;
            }
        }
    }
    void print(const char* who) const {
        std::printf("%-8s words %6ld  analysed %6.2f %%  gold lemma+POS %6.2f %%\n", who, words,
                    100.0 * found / (words ? words : 1), 100.0 * lemmaAndPos / (words ? words : 1));
    }
};

bool isWord(const GoldToken& t) { return t.upos != "PUNCT"; }

// ---- our engine -------------------------------------------------------------------------

std::string engineToken(const GoldToken& t) {
    if (!isWord(t)) {
        const std::size_t mark = t.form.empty() ? std::string::npos : kMarks.find(t.form[0]);
        if (mark == std::string::npos) return {};
        return "PUNCT" + std::string(1, static_cast<char>(64 + mark));
    }
    std::string w = t.form;
    for (char& c : w) c = c == 'j' ? 'i' : c == 'J' ? 'I' : c == 'v' ? 'u' : c == 'V' ? 'U' : c;
    return w;
}

class OurAnalyser {
public:
    explicit OurAnalyser(const fs::path& data)
        : folder_(fs::temp_directory_path() / "kavro-coverage"),
          engine_(std::make_unique<Engine>(lexicon_, options_, host_, prepareFolder(folder_))) {
        options_.sentenceMode = true;
        options_.hashOffByUser = true;
        engine_->log.open(folder_ / "loading.txt");
        std::string problem;
        ok_ = loadDataFiles(*engine_, lexicon_, data, &problem);
        if (!ok_) std::fprintf(stderr, "coverage: cannot load the lexicon: %s\n", problem.c_str());
        engine_->log.close();
        engine_->keepAnalysisSources = true;
        resetWordStatusCache(*engine_);
    }
    bool ok() const { return ok_; }

    // Results for the sentence's tokens (words and marks), in order.
    std::vector<TokenResult> analyse(const GoldSentence& sentence) {
        std::vector<TokenResult> out(sentence.size());
        std::vector<int> goldIndex;
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < sentence.size() && texts.size() < kSentenceTokenLimit; ++i) {
            std::string t = engineToken(sentence[i]);
            if (t.empty()) continue;
            texts.push_back(std::move(t));
            goldIndex.push_back(static_cast<int>(i));
        }
        if (texts.empty() || !isPunctuationToken(texts.back())) texts.push_back("PUNCT@");
        Engine& e = *engine_;
        for (std::size_t k = 0; k < texts.size(); ++k) copyField(e.sentenceTokens[k], texts[k]);
        e.tokenCount = static_cast<int>(texts.size());
        e.analysisCount = 0;
        e.groupNumber = 0;
        analyseSentenceWords(e);
        const std::vector<int> where = align(texts);
        for (int i = 0; i < e.analysisCount; ++i) {
            const WordAnalysis& a = e.wordAnalyses[i];
            const auto it = std::find(where.begin(), where.end(), a.wordPosition);
            if (it == where.end()) continue;
            const std::size_t k = static_cast<std::size_t>(it - where.begin());
            if (k >= goldIndex.size()) continue;
            TokenResult& r = out[goldIndex[k]];
            if (a.partOfSpeech == speech_type::NotFound || a.partOfSpeech == speech_type::Punctuation)
                continue;
            r.found = true;
            r.readings.push_back({firstPart(fieldText(e.analysisSources[i].citation)),
                                  coarseOfCode(a.partOfSpeech)});
        }
        return out;
    }

private:
    static const fs::path& prepareFolder(const fs::path& folder) {
        fs::create_directories(folder);
        return folder;
    }
    // Where each token given ended up (tackons may insert tokens after a word).
    std::vector<int> align(const std::vector<std::string>& texts) const {
        std::vector<int> where(texts.size(), -1);
        const Engine& e = *engine_;
        int p = 0;
        for (std::size_t k = 0; k < texts.size() && p < e.tokenCount; ++k) {
            for (int q = p; q < e.tokenCount; ++q) {
                const std::string_view t = fieldText(e.sentenceTokens[q]);
                if (!t.empty() && std::string_view(texts[k]).starts_with(t)) {
                    where[k] = q;
                    p = q + 1;
                    break;
                }
            }
        }
        return where;
    }

    fs::path folder_;
    Lexicon lexicon_;
    ViewOptions options_;
    SilentHost host_;
    std::unique_ptr<Engine> engine_;
    bool ok_ = false;
};

// ---- the peer ---------------------------------------------------------------------------

// Runs the peer once over every word (one a line, each between two sentinel lines, its pager
// switched off) and reads back the readings of each.
std::vector<TokenResult> runPeer(const std::string& program, const std::vector<std::string>& words) {
    const fs::path dir = fs::temp_directory_path() / "kavro-coverage-peer";
    fs::create_directories(dir);
    {
        std::ofstream in(dir / "input.txt");
        in << "!\n" << std::string(21, '\n') << "N\n \n";
        in << kPeerSentinel << '\n';
        for (const std::string& w : words) in << w << '\n' << kPeerSentinel << '\n';
        in << "\n\n";
    }
    const std::string command = "cd '" + dir.string() + "' && '" + program +
                                "' < input.txt > output.txt 2>&1";
    if (std::system(command.c_str()) == -1) return {};
    std::ifstream out(dir / "output.txt");
    std::vector<TokenResult> results(words.size());
    std::size_t sentinels = 0;
    std::string line;
    while (std::getline(out, line)) {
        if (line.find(kPeerSentinel) != std::string::npos) {
            ++sentinels;
            continue;
        }
        if (sentinels == 0 || sentinels > words.size()) continue;
        TokenResult& r = results[sentinels - 1];
        if (line.find("UNKNOWN") != std::string::npos || line.find_first_not_of(" =>") == std::string::npos)
            continue;
        const std::size_t open = line.find('[');
        const bool dictionaryLine = open != std::string::npos && line.size() >= open + 7 && line[open + 6] == ']';
        if (!dictionaryLine) {
            if (line.find('.') != std::string::npos && line.find("  ") != std::string::npos) r.found = true;
            continue;
        }
        r.found = true;
        const std::size_t gap = line.find("  ");
        const std::string citation = line.substr(0, gap);
        std::stringstream rest(line.substr(gap == std::string::npos ? line.size() : gap));
        std::string pos;
        rest >> pos;
        r.readings.push_back({firstPart(citation), coarseOfPeer(pos)});
    }
    if (sentinels != words.size() + 1) return {};
    return results;
}

fs::path defaultCorpus() { return fs::path(KAVRO_SOURCE_DIR).parent_path() / "shared/corpus/ud"; }

fs::path dataFolder() {
    if (const char* env = std::getenv("KAVRO_DATA"); env && *env) return env;
    return KAVRO_DATA_DIR;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<fs::path> files;
    std::string peer = kDefaultPeer;
    int missesShown = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--no-peer") peer.clear();
        else if (arg == "--misses" && i + 1 < argc) missesShown = std::atoi(argv[++i]);
        else if (arg == "--peer" && i + 1 < argc) peer = argv[++i];
        else files.emplace_back(arg);
    }
    if (files.empty() && fs::is_directory(defaultCorpus())) {
        for (const auto& entry : fs::directory_iterator(defaultCorpus()))
            if (entry.path().extension() == ".conllu") files.push_back(entry.path());
        std::sort(files.begin(), files.end());
    }
    if (files.empty()) {
        std::printf("coverage: no treebank files (looked in %s); nothing measured\n",
                    defaultCorpus().c_str());
        return 0;
    }
    OurAnalyser ours(dataFolder());
    if (!ours.ok()) return 1;
    const bool withPeer = !peer.empty() && fs::exists(peer);

    Score oursTotal, peerTotal;
    std::map<std::string, int> misses;
    for (const fs::path& file : files) {
        const auto sentences = readConllu(file);
        Score score;
        std::vector<std::string> peerWords;
        std::vector<const GoldToken*> goldWords;
        for (const GoldSentence& s : sentences) {
            const auto results = ours.analyse(s);
            for (std::size_t i = 0; i < s.size(); ++i) {
                if (!isWord(s[i])) continue;
                score.add(s[i], results[i]);
                if (!results[i].found) ++misses[s[i].form];
                oursTotal.add(s[i], results[i]);
                peerWords.push_back(s[i].form);
                goldWords.push_back(&s[i]);
            }
        }
        std::printf("%s (%zu sentences)\n", file.filename().c_str(), sentences.size());
        score.print("kavro");
        if (!withPeer) continue;
        const auto peerResults = runPeer(peer, peerWords);
        if (peerResults.size() != peerWords.size()) {
            std::printf("peer     output not understood (%zu of %zu words)\n", peerResults.size(),
                        peerWords.size());
            continue;
        }
        Score peerScore;
        for (std::size_t k = 0; k < peerWords.size(); ++k) {
            peerScore.add(*goldWords[k], peerResults[k]);
            peerTotal.add(*goldWords[k], peerResults[k]);
        }
        peerScore.print("peer");
    }
    if (missesShown > 0) {
        std::vector<std::pair<int, std::string>> sorted;
        for (const auto& [form, n] : misses) sorted.emplace_back(-n, form);
        std::sort(sorted.begin(), sorted.end());
        std::printf("most frequent words left NOT FOUND:\n");
        for (int k = 0; k < missesShown && k < static_cast<int>(sorted.size()); ++k)
            std::printf("  %5d %s\n", -sorted[k].first, sorted[k].second.c_str());
    }
    std::printf("all files\n");
    oursTotal.print("kavro");
    if (withPeer) peerTotal.print("peer");
    return 0;
}
