// The CoNLL-U output of kavro analyse: a few sentences of real Latin through the compiled lexicon
// of the build (skipped when it has not been built), checked column by column as the Universal
// Dependencies validator checks a file; and the pairing of tokens with the written sentence.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/elapsed_time.h"
#include "core/engine.h"
#include "core/stages.h"
#include "formats/conllu_output.h"
#include "formats/sentence_readings.h"
#include "formats/written_forms.h"
#include "job/data_loader.h"
#include "job/translation_job.h"
#include "tests/support/compiled_engine.h"

namespace kavro::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> split(std::string_view text, char at) {
    std::vector<std::string> parts;
    for (std::size_t from = 0;;) {
        const std::size_t end = text.find(at, from);
        parts.emplace_back(text.substr(from, end - from));
        if (end == std::string_view::npos) return parts;
        from = end + 1;
    }
}

std::string lower(std::string text) {
    for (char& ch : text) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return text;
}

const std::set<std::string> kUpos = {"ADJ", "ADP", "ADV", "AUX", "CCONJ", "DET", "INTJ", "NOUN", "NUM",
                                     "PART", "PRON", "PROPN", "PUNCT", "SCONJ", "SYM", "VERB", "X"};

// FEATS: "_" or Name=Value pairs joined by "|", sorted by name (letter case aside), each name once.
std::string featsProblem(const std::string& feats) {
    if (feats == "_") return "";
    std::string before;
    for (const std::string& pair : split(feats, '|')) {
        const std::size_t eq = pair.find('=');
        if (eq == std::string::npos || eq == 0 || eq + 1 == pair.size() || !std::isupper(pair[0]))
            return "bad feature " + pair;
        const std::string name = lower(pair.substr(0, eq));
        if (!before.empty() && name <= before) return "features out of order at " + pair;
        before = name;
    }
    return "";
}

// The columns of a word line after its ID: UPOS from the universal set, FEATS, no dependency
// analysis, MISC "_" or Name=Value items.
std::string wordColumnsProblem(const std::vector<std::string>& col) {
    if (!kUpos.contains(col[3])) return "not a UPOS";
    if (const std::string p = featsProblem(col[5]); !p.empty()) return p;
    if (col[6] != "_" || col[7] != "_" || col[8] != "_") return "HEAD, DEPREL, DEPS not empty";
    for (const std::string& item : split(col[9], '|'))
        if (col[9] != "_" && item.find('=') == std::string::npos) return "bad MISC item " + item;
    return "";
}

// The checks of the format, sentence by sentence; returns the first problem or "".
std::string conlluProblem(const std::string& conllu) {
    if (conllu.size() < 2 || conllu.substr(conllu.size() - 2) != "\n\n") return "no blank line after the last sentence";
    std::set<std::string> sentIds;
    std::istringstream in(conllu);
    std::string line, text, rebuilt;
    int nextWord = 1, rangeEnd = 0;
    bool inSentence = false, wordsSeen = false, idSeen = false;
    while (std::getline(in, line)) {
        if (line.empty()) {
            if (!inSentence || !wordsSeen) return "blank line without a sentence before it";
            if (!rebuilt.empty() && rebuilt.back() == ' ') rebuilt.pop_back();
            if (rebuilt != text) return "text '" + text + "' but the forms give '" + rebuilt + "'";
            inSentence = wordsSeen = idSeen = false;
            nextWord = 1;
            rangeEnd = 0;
            text.clear();
            rebuilt.clear();
            continue;
        }
        inSentence = true;
        if (line[0] == '#') {
            if (wordsSeen) return "comment after the words: " + line;
            if (line.starts_with("# sent_id = ") && !sentIds.insert(line).second) return "repeated " + line;
            idSeen = idSeen || line.starts_with("# sent_id = ");
            if (line.starts_with("# text = ")) text = line.substr(9);
            continue;
        }
        if (!idSeen || text.empty()) return "words without # sent_id and # text before them: " + line;
        wordsSeen = true;
        const std::vector<std::string> col = split(line, '\t');
        if (col.size() != 10) return "not 10 columns: " + line;
        for (const std::string& c : col)
            if (c.empty() || c.front() == ' ' || c.back() == ' ') return "empty or padded column: " + line;
        const std::size_t dash = col[0].find('-');
        const bool range = dash != std::string::npos;
        if (range || nextWord > rangeEnd) {   // a token of the text: its form and its space
            rebuilt += col[1] + (col[9].find("SpaceAfter=No") == std::string::npos ? " " : "");
        } else if (col[9].find("SpaceAfter") != std::string::npos) {
            return "SpaceAfter on a word inside a range: " + line;
        }
        if (range) {
            if (std::stoi(col[0]) != nextWord || std::stoi(col[0].substr(dash + 1)) <= nextWord)
                return "bad range " + line;
            rangeEnd = std::stoi(col[0].substr(dash + 1));
            for (int c = 2; c < 9; ++c)
                if (col[c] != "_") return "a range line with more than form and MISC: " + line;
            continue;
        }
        if (col[0] != std::to_string(nextWord++)) return "IDs not consecutive from 1: " + line;
        if (const std::string p = wordColumnsProblem(col); !p.empty()) return p + ": " + line;
    }
    return inSentence ? "sentence without the blank line after it" : "";
}

// kavro analyse --conllu in one process: the job with the CoNLL-U block after each sentence.
std::string conlluOf(std::string_view latin) {
    ViewOptions options;
    options.sentenceMode = false;
    CompiledEngine job(options);
    TempFolder& folder = job.folder;
    job.engine->keepAnalysisSources = true;
    std::string out;
    int sentence = 0;
    JobStages stages = engineStages();
    stages.analyseSentenceWords = [&](Engine& e) {
        analyseSentenceWords(e);
        out += conlluBlock(e, chooseAndListReadings(e), ++sentence);
    };
    folder.write("input.txt", latin);
    fs::path input = folder.file("input.txt");
    runTranslationJob(*job.engine, input, clockMillis(), stages);
    return out;
}

TEST(ConlluOutput, RealLatinPassesTheFormatChecks) {
    if (!haveCompiledData()) GTEST_SKIP() << "no compiled lexicon in " << compiledDataFolder();
    const std::string conllu = conlluOf(
        "Arma virumque cano, Troiae qui primus ab oris\nItaliam fato profugus venit.\n"
        "Puella rosam poetae dat, \xC2\xABmecum venis?\xC2\xBB\n"
        "Carthago delenda est. Factumst id est (12) puer(os) amat\n");
    EXPECT_EQ(conlluProblem(conllu), "") << conllu;
    const std::string expected[] = {
        "# sent_id = 1\n# text = Arma virumque cano, Troiae qui primus ab oris Italiam fato profugus venit.\n1\t",
        "\n2-3\tvirumque\t_\t_\t_\t_\t_\t_\t_\t_\n2\tvirum\tvir\tNOUN\t",
        "\n3\tque\tque\tCCONJ\t",
        "# sent_id = 2\n# text = Puella rosam poetae dat, \xC2\xABmecum venis?\n",
        "\n2\trosam\trosa\tNOUN\tNOUN.ACC.SING.FEM\tCase=Acc|Gender=Fem|Number=Sing\t_\t_\t_\tGloss=rose\n",
        "\n4\tdat\tdo\tVERB\tVERB.PRES.ACTIVE.IND.3.SING\tMood=Ind|Number=Sing|Person=3|Tense=Pres|VerbForm=Fin|"
        "Voice=Act\t_\t_\t_\tGloss=give|SpaceAfter=No\n5\t,\t,\tPUNCT\t",
        "\n6\t\xC2\xAB\t\xC2\xAB\tPUNCT\t_\t_\t_\t_\t_\tSpaceAfter=No\n7-8\tmecum\t_\t_\t_\t_\t_\t_\t_\t_\n"
        "7\tme\tego\tPRON\t",
        "\n8\tcum\tcum\tADP\t",
        "\tdelenda\tdeleo\tVERB\tVPAR.NOM.SING.FEM.FUT.PASSIVE.GER\tCase=Nom|Gender=Fem|Number=Sing|Tense=Fut|"
        "VerbForm=Gdv|Voice=Pass\t",
        "\test\tsum\tAUX\t",
        "\n1-2\tFactumst\t_\t_\t_\t_\t_\t_\t_\t_\n1\tFactum\t",
        "\n3\tid est\tid_est\t",
        "\n5\t12\t12\tNUM\t_\t_\t_\t_\t_\tSpaceAfter=No\n",
        "\n7\tpuer(os)\tpuer\tNOUN\t",
    };
    for (const std::string& part : expected)
        EXPECT_NE(conllu.find(part), std::string::npos) << part << "\nin\n" << conllu;
}

// The tokens paired with the written sentence: an enclitic before or after its word (in a run of
// words in que, each que to its own word), a word cut in two, and tokens that do not fit the line
// (each then stands for itself).
TEST(ConlluOutput, TokensArePairedWithTheWrittenSentence) {
    struct Case {
        std::string_view line;
        std::vector<std::string_view> tokens;
        std::string_view written;   // text/spaceAfter: form=token ...
    };
    const Case cases[] = {
        {"Arma virumque cano.\n", {"Arma", "que", "uirumque", "cano", "PUNCT@"},
         "Arma_ Arma=0 | virumque_ virum=2 que=1 | cano cano=3 | ._ .=4 | "},
        {"Marcusque venit\n", {"Marcusque", "que", "uenit"}, "Marcusque_ Marcus=0 que=1 | venit_ venit=2 | "},
        {"Chloreaque Sybarimque Daretaque\n", {"Chloreaque", "que", "Sybarimque", "que", "que", "Daretaque"},
         "Chloreaque_ Chlorea=0 que=1 | Sybarimque_ Sybarim=2 que=3 | Daretaque_ Dareta=5 que=4 | "},
        {"Factumst.\n", {"Factum", "est", "PUNCT@"}, "Factumst Factum=0 est=1 | ._ .=2 | "},
        {"cur venis?\n", {"quis", "uenis", "PUNCTB"}, "quis_ quis=0 | uenis uenis=1 | ?_ ?=2 | "},
    };
    for (const Case& c : cases) {
        std::string shown;
        for (const WrittenToken& t : writtenTokens(c.line, c.tokens, ViewOptions{})) {
            shown += t.text + (t.spaceAfter ? "_ " : " ");
            for (const WrittenWord& w : t.words) shown += w.form + "=" + std::to_string(w.token) + " ";
            shown += "| ";
        }
        EXPECT_EQ(shown, c.written) << c.line;
    }
}

}  // namespace
}  // namespace kavro::testing
