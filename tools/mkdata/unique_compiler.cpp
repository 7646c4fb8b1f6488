#include "tools/mkdata/unique_compiler.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "core/capacities.h"
#include "core/fixed_text.h"
#include "tools/mkdata/data_error.h"
#include "tools/mkdata/meaning_text.h"
#include "tools/mkdata/package_codes.h"

namespace kavro::mkdata {

namespace {

// The analyser takes every record of one form into tempstems and tempinflects at once.
constexpr std::size_t kMostRecordsOfOneForm = kTempInflectCapacity - 1;

void checkEqualFormRuns(const std::vector<UniqueRecord>& sorted) {
    std::size_t run = 0;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        run = i > 0 && std::strcmp(sorted[i - 1].form, sorted[i].form) == 0 ? run + 1 : 1;
        if (run > kMostRecordsOfOneForm)
            throw DataError(std::string("uniques.dat: more than ") +
                            std::to_string(kMostRecordsOfOneForm) + " records of the form '" +
                            sorted[i].form + "'");
    }
}

}  // namespace

UniqueRecord uniqueRecordOf(const PackageUnique& u, const std::string& extraForm) {
    const std::string& sourceName = u.sourceFile;
    UniqueRecord r{};
    r.partOfSpeech = u.partOfSpeech;
    r.which = u.which;
    r.variant = u.variant;
    std::copy(u.grammar.begin(), u.grammar.end(), r.grammar);
    r.areaFrequency = static_cast<std::uint8_t>(u.area << 4 | u.frequency);
    r.ageLevel = engineAgeLevel(u.age);
    const std::string form = foldLatinLetters(u.form);
    const std::string extra = foldLatinLetters(extraForm);
    if (form.empty() || form.size() >= sizeof(r.form))
        throw recordError(sourceName, u.record, "form '" + form + "' does not fit");
    if (extra.size() >= sizeof(r.extraForm))
        throw recordError(sourceName, u.record, "extra form '" + extra + "' does not fit");
    copyField(r.form, form);
    copyField(r.extraForm, extra);
    copyField(r.english, fitMeaning(u.meaning, sizeof(r.english) - 1));
    return r;
}

std::vector<UniqueRecord> compileUniques(const std::vector<PackageUnique>& uniques,
                                         const std::vector<SourceLine>& extraForms,
                                         const std::string& extraFormsName) {
    std::map<std::string, std::string> extraOf;
    for (const SourceLine& line : extraForms) {
        const bool known = std::any_of(uniques.begin(), uniques.end(),
                                       [&](const PackageUnique& u) { return u.form == line.fields[0]; });
        if (!known)
            throw DataError(extraFormsName + " line " + std::to_string(line.number) + ": '" +
                            line.fields[0] + "' is not a unique form");
        extraOf[line.fields[0]] = line.fields[1];
    }
    std::vector<UniqueRecord> out;
    out.reserve(uniques.size());
    for (const PackageUnique& u : uniques) {
        const auto extra = extraOf.find(u.form);
        out.push_back(uniqueRecordOf(u, extra == extraOf.end() ? "" : extra->second));
    }
    std::stable_sort(out.begin(), out.end(), [](const UniqueRecord& a, const UniqueRecord& b) {
        return std::strcmp(a.form, b.form) < 0;
    });
    checkEqualFormRuns(out);
    return out;
}

std::vector<UniqueHeadwordRecord> compileUniqueHeadwords(const std::vector<UniqueRecord>& uniques,
                                                         const std::vector<SourceLine>& lines,
                                                         const std::string& name) {
    std::vector<UniqueHeadwordRecord> out;
    for (const SourceLine& line : lines) {
        const auto fail = [&](const std::string& what) {
            return DataError(name + " line " + std::to_string(line.number) + ": " + what);
        };
        const std::string form = foldLatinLetters(line.fields[0]);
        const std::string headword = foldLatinLetters(line.fields[1]);
        const bool known = std::any_of(uniques.begin(), uniques.end(), [&](const UniqueRecord& u) {
            return fieldText(u.form) == form;
        });
        if (!known) throw fail("'" + form + "' is not a unique form");
        UniqueHeadwordRecord r{};
        if (headword.empty() || headword.size() >= sizeof(r.headword))
            throw fail("headword '" + headword + "' does not fit");
        copyField(r.form, form);
        copyField(r.headword, headword);
        out.push_back(r);
    }
    std::sort(out.begin(), out.end(), [](const UniqueHeadwordRecord& a, const UniqueHeadwordRecord& b) {
        return std::strcmp(a.form, b.form) < 0;
    });
    for (std::size_t i = 1; i < out.size(); ++i)
        if (std::strcmp(out[i - 1].form, out[i].form) == 0)
            throw DataError(name + ": the form '" + out[i].form + "' is given twice");
    return out;
}

}  // namespace kavro::mkdata
