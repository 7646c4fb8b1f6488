#include "formats/conllu_output.h"

#include <algorithm>
#include <vector>

#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "formats/ud_tags.h"
#include "formats/written_forms.h"
#include "text/text_encoding.h"

namespace kavro {
namespace {

constexpr std::string_view kEmpty = "_";                // an empty CoNLL-U column
constexpr std::string_view kLemmaEnd = ", /";           // the citation's first word ends here
constexpr std::string_view kNoSpaceAfter = "SpaceAfter=No";

std::string utf8(std::string_view engineText) { return windows1252ToUtf8(engineText); }

bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }
bool isAsciiLetter(char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); }

// The lemma: the first word of the citation form (amo of "amo, amare, amavi, amatus", qui of
// "qui/is, qua/ae/is, ...") without hyphens (que of "-que").
std::string lemmaOf(const WordAnalysis& a, const AnalysisSource& note) {
    if (a.partOfSpeech == speech_type::NotFound) return "";
    std::string_view citation = fieldText(note.citation);
    citation.remove_prefix(std::min(citation.find_first_not_of(' '), citation.size()));
    std::string lemma(citation.substr(0, citation.find_first_of(kLemmaEnd)));
    std::erase(lemma, '-');
    return lemma;
}

// Our English of the reading as a MISC value: "|" would end the value, blanks run together.
std::string glossOf(const WordAnalysis& a) {
    if (a.partOfSpeech == speech_type::Punctuation) return "";
    std::string gloss;
    for (char ch : fieldText(a.english)) {
        if (ch == '|') ch = '/';
        if (ch == ' ' && (gloss.empty() || gloss.back() == ' ')) continue;
        gloss += ch;
    }
    while (!gloss.empty() && gloss.back() == ' ') gloss.pop_back();
    return gloss;
}

std::string joined(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& item : items) out.append(out.empty() ? "" : "|").append(item);
    return out.empty() ? std::string(kEmpty) : out;
}

struct Columns {
    std::string lemma;
    std::string upos;
    std::string xpos = std::string(kEmpty);
    std::string feats = std::string(kEmpty);
    std::string gloss;
};

// A word nothing was chosen for: a stray mark is punctuation, digits a number, the rest unknown.
Columns unanalysedColumns(std::string_view form) {
    Columns c;
    c.upos = "X";
    if (std::all_of(form.begin(), form.end(), isDigit)) c.upos = "NUM";
    if (form.size() == 1 && !isAsciiLetter(form[0])) c.upos = "PUNCT";
    if (c.upos != "X") c.lemma = form;
    return c;
}

Columns columnsOf(const WrittenWord& word, const SentenceReadings& readings) {
    const bool known = word.token >= 0 && word.token < static_cast<int>(readings.byToken.size());
    const PrintedReading* chosen = known ? chosenReading(readings.byToken[word.token]) : nullptr;
    if (!chosen) return unanalysedColumns(word.form);
    const WordAnalysis& a = *chosen->record;
    Columns c;
    c.lemma = a.partOfSpeech == speech_type::Punctuation ? word.form : lemmaOf(a, *chosen->note);
    UdTags tags = udTagsOf(a, c.lemma);
    c.upos = std::move(tags.upos);
    c.xpos = std::move(tags.xpos);
    c.feats = std::move(tags.feats);
    c.gloss = glossOf(a);
    return c;
}

std::string cell(std::string_view text) { return text.empty() ? std::string(kEmpty) : utf8(text); }

// ID FORM LEMMA UPOS XPOS FEATS HEAD DEPREL DEPS MISC; no dependency analysis, so HEAD, DEPREL and
// DEPS are empty.
std::string wordLine(int id, const WrittenWord& word, const SentenceReadings& readings, bool noSpaceAfter) {
    const Columns c = columnsOf(word, readings);
    std::vector<std::string> misc;
    if (!c.gloss.empty()) misc.push_back("Gloss=" + utf8(c.gloss));
    if (noSpaceAfter) misc.emplace_back(kNoSpaceAfter);
    return std::to_string(id) + '\t' + cell(word.form) + '\t' + cell(c.lemma) + '\t' + c.upos + '\t' +
           cell(c.xpos) + '\t' + c.feats + "\t_\t_\t_\t" + joined(misc) + '\n';
}

// The range line of a written word read as several words: only the form and MISC are filled.
std::string rangeLine(int first, int last, const WrittenToken& token, bool noSpaceAfter) {
    return std::to_string(first) + '-' + std::to_string(last) + '\t' + cell(token.text) +
           "\t_\t_\t_\t_\t_\t_\t_\t" + std::string(noSpaceAfter ? kNoSpaceAfter : kEmpty) + '\n';
}

// The sentence as the forms give it, so that the text and the forms agree.
std::string textOf(const std::vector<WrittenToken>& tokens) {
    std::string text;
    for (std::size_t t = 0; t < tokens.size(); ++t) {
        text += tokens[t].text;
        if (tokens[t].spaceAfter && t + 1 < tokens.size()) text += ' ';
    }
    return utf8(text);
}

}  // namespace

std::string conlluBlock(const Engine& engine, const SentenceReadings& readings, int sentenceId) {
    std::vector<std::string_view> tokenTexts;
    for (int t = 0; t < sentenceTokenCount(engine); ++t) tokenTexts.push_back(fieldText(engine.sentenceTokens[t]));
    const std::vector<WrittenToken> tokens = writtenTokens(engine.currentSentence, tokenTexts, engine.options);
    if (tokens.empty()) return "";
    std::string block = "# sent_id = " + std::to_string(sentenceId) + "\n# text = " + textOf(tokens) + "\n";
    int id = 1;
    for (std::size_t t = 0; t < tokens.size(); ++t) {
        const WrittenToken& token = tokens[t];
        const bool noSpaceAfter = !token.spaceAfter && t + 1 < tokens.size();
        const int words = static_cast<int>(token.words.size());
        if (words > 1) block += rangeLine(id, id + words - 1, token, noSpaceAfter);
        for (const WrittenWord& word : token.words) block += wordLine(id++, word, readings, words == 1 && noSpaceAfter);
    }
    return block + "\n";
}

}  // namespace kavro
