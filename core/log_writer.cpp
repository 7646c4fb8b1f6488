#include "core/log_writer.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "core/capacities.h"
#include "core/engine.h"
#include "core/fixed_text.h"
#include "core/format_analysis.h"
#include "core/product.h"
#include "core/regular_file.h"

namespace kavro {
namespace {

constexpr std::string_view kLogFileName = "parser.txt";
constexpr std::string_view kOpenFailure =
    "Error in opening output log file.\nIs it open elsewhere? Program cannot run.";
constexpr std::string_view kDictionaryCredit = "Latin dictionary: William Whitaker's WORDS\n";
constexpr std::string_view kNeoLatinCredit =
    "NeoLatin meanings: the modern-Latin entries of William Whitaker's WORDS\n";
constexpr std::string_view kBotanyLine = "Using Botanical Latin Add-on.\n";
constexpr std::string_view kInscriptionsLine = "This file created with INSCRIPTIONS FLAG ON.\n\n";
constexpr char kNeoLatinArea = 'Z';

// English names whatever the locale, as the header's date text requires.
constexpr const char* kWeekdayNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

const char* nameAt(const char* const* names, int count, int index) {
    return index >= 0 && index < count ? names[index] : "???";
}

void writeHeader(Engine& engine, const std::tm& localTime) {
    OutputLog& log = engine.log;
    log.printf("%.*s %.*s\n", static_cast<int>(kProductName.size()), kProductName.data(),
               static_cast<int>(kProductVersion.size()), kProductVersion.data());
    log.write(kDictionaryCredit);
    if (engine.options.area == kNeoLatinArea) log.write(kNeoLatinCredit);
    if (engine.options.botanyActive) log.write(kBotanyLine);
    log.write("\n");
    // The date text carries its own line end, so a blank line follows it.
    const std::string date = headerDateText(localTime) + "\n";
    log.printf("Date/time = %s\n", date.c_str());
    if (engine.options.inscriptions) log.write(kInscriptionsLine);
}

// One line of the dump. Links are tested from the last: a third link in use shows all three,
// else a second shows two; with dumpGroups the group and the first link are always shown.
void writeDumpLine(OutputLog& log, int i, const WordAnalysis& a, const std::string& line,
                   bool dumpGroups) {
    const std::string form(fieldText(a.analysedForm));
    const std::string english(fieldText(a.english));
    const int w = a.wordPosition, g = a.groupNumber;
    const int la = a.link1, lb = a.link2, lc = a.link3;
    const char* f = form.c_str();
    const char* l = line.c_str();
    const char* e = english.c_str();
    if (dumpGroups) {
        if (lc >= 0) {
            log.printf("%d: %d %d %d+%d+%d %s %s%s\n", i, w, g, la, lb, lc, f, l, e);
        } else if (lb >= 0) {
            log.printf("%d: %d %d %d+%d %s %s%s\n", i, w, g, la, lb, f, l, e);
        } else {
            log.printf("%d: %d %d %d %s %s%s\n", i, w, g, la, f, l, e);
        }
    } else if (lc >= 0) {
        log.printf("%d: %d %d+%d+%d %s %s%s\n", i, w, la, lb, lc, f, l, e);
    } else if (lb >= 0) {
        log.printf("%d: %d %d+%d %s %s%s\n", i, w, la, lb, f, l, e);
    } else if (la >= 0) {
        log.printf("%d: %d %d %s %s%s\n", i, w, la, f, l, e);
    } else {
        log.printf("%d: %d   %s %s%s\n", i, w, f, l, e);
    }
}

}  // namespace

std::string headerDateText(const std::tm& t) {
    char text[96];
    std::snprintf(text, sizeof text, "%s %s %02d %02d:%02d:%02d %d", nameAt(kWeekdayNames, 7, t.tm_wday),
                  nameAt(kMonthNames, 12, t.tm_mon), t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec,
                  t.tm_year + 1900);
    return text;
}

bool openOutputLog(Engine& engine) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return openOutputLog(engine, local);
}

bool openOutputLog(Engine& engine, const std::tm& localTime) {
    engine.translationEditable = false;
    if (!engine.log.open(engine.file(kLogFileName))) {
        // The box's own text, then which file and why (a link or a pipe is refused).
        std::string message(kOpenFailure);
        message.append("\n").append(fileProblemText("Cannot open", kLogFileName, engine.log.problem()));
        engine.reportError(message);
        return false;
    }
    writeHeader(engine, localTime);
    return true;
}

void dumpAnalysisTable(Engine& engine) {
    const int count = std::min(engine.analysisCount, static_cast<int>(kAnalysisCapacity));
    std::string line;
    for (int i = 0; i < count; ++i) {
        formatAnalysis(line, engine, i);
        writeDumpLine(engine.log, i, engine.wordAnalyses[i], line, engine.options.dumpGroups);
    }
    engine.log.write("\n");
}

}  // namespace kavro
