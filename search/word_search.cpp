// The word search of one file: every sentence through word analysis (as the job runs it in word
// mode, without its listing), and the word-match step after each sentence.
#include <cstdio>
#include <system_error>

#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/grammar_codes.h"
#include "core/regular_file.h"
#include "core/stages.h"
#include "search/file_search.h"
#include "text/latin_preparation.h"

namespace kavro {
namespace {

constexpr const char* kTempFileName = "temp.lat";
constexpr std::string_view kEscapeText = "Escape Pressed. Ending translation.\n";
constexpr std::size_t kSentenceTextLimit = 1969;
constexpr std::string_view kPunctuationToken = "PUNCT";
constexpr char kFirstPunctuationCode = 64;   // "PUNCT@" is the full stop
constexpr char kStemDivider = '.';
constexpr char kNotFoundOpening = '[';
// Sentence reader results other than a token count.
constexpr int kNothingLeft = 0;
constexpr int kEndOfFile = -1;
constexpr int kCancelled = -2;

// What a job starts from: nothing carried over from an earlier file.
void resetForFile(Engine& engine) {
    if (engine.options.autoArea) engine.options.area = 0;
    resetWordStatusCache(engine);
    for (StemRecord& name : engine.learnedNames) name = StemRecord{};
    engine.learnedNameWrite = 0;
    engine.groupNumber = 0;
    engine.analysisCount = 0;
    engine.wordCount = 0;
    engine.wordsTranslated = 0;
    engine.jobAborted = false;
    engine.latinTruncated = false;
    engine.latinText.clear();
    engine.tokenCount = 1;
}

// The form begins with `item`, letter case, j and v aside.
bool beginsWith(std::string_view form, std::string_view item) {
    if (form.size() < item.size()) return false;
    for (std::size_t i = 0; i < item.size(); ++i)
        if (searchFold(form[i]) != item[i]) return false;
    return true;
}

bool isCandidate(const WordAnalysis& a, const SearchDialogValues& search) {
    return (search.partOfSpeech == kAnyCode || search.partOfSpeech == a.partOfSpeech) &&
           (search.caseTense == kAnyCode || search.caseTense == a.grammar1);
}

std::string withoutDivider(std::string_view form) {
    std::string shown(form);
    if (const std::size_t dot = shown.find(kStemDivider); dot != std::string::npos) shown.erase(dot, 1);
    return shown;
}

// The hit a record gives, or none.
bool recordHit(const Engine& engine, const WordAnalysis& a, const SearchDialogValues& search,
               int line, std::vector<SearchHit>& hits) {
    std::string_view form = fieldText(a.analysedForm);
    if (form.starts_with(kNotFoundOpening)) {
        form.remove_prefix(1);
        if (search.partOfSpeech == kUnknownSpeechCode) {
            hits.push_back({line, std::string(form), searchSentenceText(engine), true});
            return true;
        }
    }
    if (!search.exclusion.empty() && beginsWith(form, search.exclusion)) return false;
    if (!beginsWith(form, search.item)) return false;
    hits.push_back({line, withoutDivider(form), searchSentenceText(engine), false});
    return true;
}

}  // namespace

OpenedFile openPreparedText(Engine& engine, const std::filesystem::path& file, PreparedLineStarts& starts) {
    if (!prepareLatinFileNoting(engine, file, starts)) return {};
    OpenedFile opened = openRegularFile(engine.file(kTempFileName), FileAccess::Read);
    if (!opened.file) engine.reportError(fileProblemText("Cannot open", kTempFileName, opened.problem));
    return opened;
}

void reportSearchEscape(Engine& engine) {
    engine.messageBuffer.assign(kEscapeText);
    engine.host.message(kEscapeText, BoxKind::Ok);
    engine.jobAborted = true;
}

std::string searchSentenceText(const Engine& engine) {
    std::string text;
    for (int i = 0; i < engine.tokenCount && i < static_cast<int>(kTokenCapacity); ++i) {
        const std::string_view token = fieldText(engine.sentenceTokens[i]);
        const bool mark = token.size() == kPunctuationToken.size() + 1 && token.starts_with(kPunctuationToken);
        if (!mark) (text += ' ') += token;
        else if (const char ch = punctuationMark(token.back() - kFirstPunctuationCode)) text += ch;
        if (text.size() >= kSentenceTextLimit) {
            text.resize(kSentenceTextLimit);
            break;
        }
    }
    return text;
}

// Each word counts once: its first reading that is a hit; the later readings of a word that
// already gave a hit are passed over.
void matchSentenceWords(const Engine& engine, const SearchDialogValues& search, int line,
                        std::vector<SearchHit>& hits) {
    int hitPosition = -1;
    for (int i = 0; i < engine.analysisCount && i < static_cast<int>(kAnalysisCapacity); ++i) {
        const WordAnalysis& a = engine.wordAnalyses[i];
        if (a.wordPosition == hitPosition || !isCandidate(a, search)) continue;
        if (recordHit(engine, a, search, line, hits)) hitPosition = a.wordPosition;
    }
}

FileSearch searchWordFile(Engine& engine, const SearchDialogValues& search,
                          const std::filesystem::path& file) {
    FileSearch result;
    resetForFile(engine);
    PreparedLineStarts starts;
    OpenedFile opened = openPreparedText(engine, file, starts);
    if (!opened.file) return result;
    result.searched = true;
    std::string sentence;
    for (;;) {
        engine.groupNumber = 0;
        engine.analysisCount = 0;
        const long at = std::ftell(opened.file);
        engine.tokenCount = readSentence(engine, opened.file, sentence);
        if (engine.tokenCount == kNothingLeft) continue;
        if (engine.host.escapePressed() || engine.tokenCount == kCancelled) {
            reportSearchEscape(engine);
            result.aborted = true;
            break;
        }
        if (engine.tokenCount == kEndOfFile) break;
        engine.currentSentence = sentence;
        analyseSentenceWords(engine);
        matchSentenceWords(engine, search, inputLineAt(starts, at), result.hits);
    }
    std::fclose(opened.file);
    return result;
}

FileSearch searchFile(Engine& engine, const SearchDialogValues& search,
                      const std::filesystem::path& file) {
    // A listed name that has since become a pipe or a device would hold the search for ever.
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        engine.reportError("Cannot open file " + file.string() + ".\n");
        return {};
    }
    const bool sentenceMode = engine.options.sentenceMode;
    const bool searchRunning = engine.searchRunning;
    engine.options.sentenceMode = false;
    engine.searchRunning = true;
    FileSearch result = search.kind == SearchKind::Word ? searchWordFile(engine, search, file)
                                                        : searchTextFile(engine, search, file);
    engine.options.sentenceMode = sentenceMode;
    engine.searchRunning = searchRunning;
    return result;
}

}  // namespace kavro
