#include "tools/mkdata/compile_all.h"

#include <string_view>

#include "core/fixed_text.h"
#include "core/high_speed_hash.h"
#include "core/lexicon_records.h"
#include "english/polish_records.h"
#include "tools/mkdata/addon_compiler.h"
#include "tools/mkdata/data_error.h"
#include "tools/mkdata/dictionary_compiler.h"
#include "tools/mkdata/extra_entries.h"
#include "tools/mkdata/hash_compiler.h"
#include "tools/mkdata/inflection_compiler.h"
#include "tools/mkdata/manifest.h"
#include "tools/mkdata/meaning_text.h"
#include "tools/mkdata/package_reader.h"
#include "tools/mkdata/phonetic_compiler.h"
#include "tools/mkdata/polish_tables.h"
#include "tools/mkdata/sense_compiler.h"
#include "tools/mkdata/source_table.h"
#include "tools/mkdata/unique_compiler.h"

namespace kavro::mkdata {
namespace {

// The fewest records a complete package file holds. A file cut on a record boundary decodes
// without a fault, so its count is the only sign that it was cut. Counted in the package
// whitakers-words-data 0.2020.10.27-1.3 as installed under /usr/share/whitakers-words:
// DICTFILE.GEN 7,081,020 bytes of 180-byte records; INFLECTS.SEC the data slots (not the
// filler) of its five sections; UNIQUES.LAT 222 record lines of 3; ADDONS.LAT 135 PREFIX,
// 179 SUFFIX and 29 TACKON records.
struct PackageMinimum {
    std::string_view file;
    std::size_t records;
};
constexpr PackageMinimum kPackageMinimums[] = {
    {"DICTFILE.GEN", 39339}, {"INFLECTS.SEC", 1785}, {"UNIQUES.LAT", 74}, {"ADDONS.LAT", 343}};

void checkComplete(const std::filesystem::path& file, std::size_t records) {
    for (const PackageMinimum& minimum : kPackageMinimums) {
        if (file.filename() != minimum.file || records >= minimum.records) continue;
        throw DataError(file.string() + ": " + std::to_string(records) +
                        " records, but a complete package holds " + std::to_string(minimum.records) +
                        "; the file is cut short");
    }
}

// Every look-up folds j to i and v to u before it searches, so a stored text that still holds
// one of them could never be matched: the compiler refuses to write it.
template <typename Record, std::size_t N>
void checkFolded(const char* file, const std::vector<Record>& records, char (Record::*field)[N]) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        const std::string_view text = fieldText(records[i].*field);
        if (holdsUnfoldedLetter(text))
            throw recordError(file, i + 1, "stored text '" + std::string(text) + "' holds j or v");
    }
}

void compileInflectionFile(const CompileOptions& o, OutputFolder& out, std::ostream& report) {
    const auto inflectionFile = o.packageDir / "INFLECTS.SEC";
    const auto package = readInflections(inflectionFile);
    checkComplete(inflectionFile, package.size());
    const auto records = compileInflections(package);
    checkFolded("inflects.dat", records, &InflectionRecord::ending);
    out.writeRecords("inflects.dat", records);
    report << "inflects.dat: " << records.size() << " inflections (" << package.size() - records.size()
           << " masculine and neuter gerundive pairs merged)\n";
}

// The learned senses of the entries just compiled and the English forms of names.
void compileWordChoiceFiles(const CompileOptions& o, const CompiledDictionary& d, OutputFolder& out,
                            std::ostream& report) {
    const auto senseFile = o.sourceDir / "senses.txt";
    const CompiledSenses senses = compileSenses(readSourceTable(senseFile, 6), d.stems, d.meanings,
                                                senseFile.string());
    out.writeRecords("senses.dat", senses.rules);
    const auto nameFile = o.sourceDir / "names.txt";
    const auto names = compileNames(readSourceTable(nameFile, 2), nameFile.string());
    out.writeRecords("names.dat", names);
    report << "senses.dat: " << senses.rules.size() << " sense rules (" << senses.unmatchedLines
           << " lines of senses.txt match no entry)\nnames.dat: " << names.size() << " names\n";
}

void compileDictionaryFiles(const CompileOptions& o, OutputFolder& out, std::ostream& report) {
    const auto dictionaryFile = o.packageDir / "DICTFILE.GEN";
    auto records = readDictionary(dictionaryFile);
    const std::size_t fromPackage = records.size();
    checkComplete(dictionaryFile, fromPackage);
    const auto extraFile = o.sourceDir / "extra_entries.txt";
    const auto extras = readExtraEntries(extraFile);
    checkNotInPackage(extras, records, extraFile.string());
    // Our entries come after the package's, so the package's meaning numbers stay as they are.
    records.insert(records.end(), extras.begin(), extras.end());
    const CompiledDictionary d = compileDictionary(records);
    checkFolded("dictUK.dat", d.stems, &StemRecord::stem);
    std::string bytes = OutputFolder::recordBytes(d.stems);
    bytes.append(reinterpret_cast<const char*>(d.letterIndex.data()),
                 d.letterIndex.size() * sizeof(LetterIndex));
    out.write("dictUK.dat", bytes, sizeof(StemRecord), d.stems.size());
    out.writeRecords("transl.dat", d.meanings);
    const auto phonetics = compilePhonetics(d.stems);
    out.writeRecords("phoneticuk.dat", phonetics);
    compileWordChoiceFiles(o, d, out, report);
    report << "DICTFILE.GEN: " << fromPackage << " package records, "
           << d.continuationLines << " continuation lines joined\n"
           << "extra_entries.txt: " << extras.size() << " entries of our own\n"
           << "dictUK.dat: " << d.stems.size() << " stem records (" << d.mergedStems
           << " of key 0) + " << kLetterIndexCount << " letter index records; "
           << d.packEntries << " PACK entries without stems\n"
           << "transl.dat: " << d.meanings.size() << " entries (meanings records), "
           << d.shortenedMeanings << " English texts shortened to fit\n"
           << "phoneticuk.dat: " << phonetics.size() << " phonetic keys\n";
}

void compileAddonFile(const CompileOptions& o, OutputFolder& out, std::ostream& report) {
    const auto addonFile = o.packageDir / "ADDONS.LAT";
    PackageAddons package = readAddons(addonFile);
    checkComplete(addonFile, package.prefixes + package.suffixes + package.tackons.size());
    const std::size_t fromPackage = package.tackons.size();
    for (auto& t : readAddons(o.sourceDir / "tackons_extra.lat").tackons) package.tackons.push_back(std::move(t));
    const auto englishFile = o.sourceDir / "tackons.txt";
    const auto records = compileAddons(package.tackons, readSourceTable(englishFile, 6),
                                       englishFile.string());
    checkFolded("addons.dat", records, &AddonRecord::key);
    out.writeRecords("addons.dat", records);
    report << "ADDONS.LAT: " << package.prefixes << " prefixes, " << package.suffixes
           << " suffixes (fixed tables of the analyser), " << fromPackage
           << " tackons; tackons_extra.lat: " << package.tackons.size() - fromPackage
           << " of our own\naddons.dat: " << records.size() << " tackons\n";
}

void compileUniqueFile(const CompileOptions& o, OutputFolder& out, std::ostream& report) {
    const auto uniqueFile = o.packageDir / "UNIQUES.LAT";
    auto uniques = readUniques(uniqueFile);
    const std::size_t fromPackage = uniques.size();
    checkComplete(uniqueFile, fromPackage);
    for (auto& u : readUniques(o.sourceDir / "uniques_extra.lat")) uniques.push_back(std::move(u));
    const auto extraFile = o.sourceDir / "unique_extra_forms.txt";
    const auto records = compileUniques(uniques, readSourceTable(extraFile, 2), extraFile.string());
    checkFolded("uniques.dat", records, &UniqueRecord::form);
    out.writeRecords("uniques.dat", records);
    report << "uniques.dat: " << records.size() << " irregular forms (" << fromPackage
           << " from the package, " << records.size() - fromPackage << " our own)\n";
    const auto headwordFile = o.sourceDir / "unique_headwords.txt";
    const auto headwords = compileUniqueHeadwords(records, readSourceTable(headwordFile, 2),
                                                  headwordFile.string());
    checkFolded("uniqueheads.dat", headwords, &UniqueHeadwordRecord::form);
    checkFolded("uniqueheads.dat", headwords, &UniqueHeadwordRecord::headword);
    out.writeRecords("uniqueheads.dat", headwords);
    report << "uniqueheads.dat: " << headwords.size() << " headwords of irregular forms\n";
}

void compilePolishFiles(const CompileOptions& o, OutputFolder& out, std::ostream& report) {
    PolishSources sources{o.sourceDir, o.wordnetDir, o.outDir / "transl.dat"};
    std::string error;
    if (!compilePolishTables(sources, o.outDir, error, report)) throw DataError(error);
    out.listWritten("polish.dat", sizeof(PolishRecord));
    out.listWritten("phrasedud.dat", sizeof(PhraseRecord));
    out.listWritten("finalpolish.dat", sizeof(FinalPolishRecord));
}

// The default user files, placed in the data folder for the program to copy into a program
// folder that lacks them.
void copyUserFiles(const CompileOptions& o, OutputFolder& out, std::ostream& report) {
    for (const char* name : {"userphrases.txt", "UserAbbreviations.txt", "Userfile.txt"}) {
        const std::string text = readWholeFile(o.sourceDir / name);
        out.write(name, text, 0, countLines(text));
        report << name << ": " << countLines(text) << " lines\n";
    }
}

// The high-speed hash, analysed on the files just written (so after a first manifest that lets
// the loader take them), with the number of its distinct forms listed beside it.
void compileHashFile(const CompileOptions& o, OutputFolder& out, std::ostream& report) {
    const auto formsFile = o.sourceDir / "hash_forms.txt";
    const auto forms = readHashForms(formsFile);
    const CompiledHash hash = compileHash(forms, o.outDir);
    out.writeRecords(std::string(kHashFileName), hash.records);
    // The distinct forms, enciphered like the records, in 24-byte records: the manifest's count
    // of them is the number of index keys the loader expects.
    std::string keys;
    for (const std::string& form : hash.forms) {
        std::string key(kHashKeySize, '\0');
        for (std::size_t i = 0; i < form.size() && i + 1 < kHashKeySize; ++i) key[i] = encipherHashChar(form[i]);
        keys += key;
    }
    out.write(std::string(kHashKeysEntry), keys, kHashKeySize, hash.forms.size());
    report << "fixedhashfile.dat: " << hash.records.size() << " readings of " << hash.forms.size()
           << " of the " << forms.size() << " forms of hash_forms.txt\n";
}

}  // namespace

void compileAll(const CompileOptions& o, std::ostream& report) {
    OutputFolder out(o.outDir);
    compileInflectionFile(o, out, report);
    compileDictionaryFiles(o, out, report);
    compilePolishFiles(o, out, report);
    compileAddonFile(o, out, report);
    compileUniqueFile(o, out, report);
    copyUserFiles(o, out, report);
    const std::vector<std::string> comments = {
        "Kavro Latin data files: name, record size, record count, checksum (four-lane FNV-1a 64)",
        "dictUK.dat: the stem records are followed by 27 LetterIndex records of 84 bytes",
        "text files have record size 0 and count their lines",
        "fixedhashfile.keys: the distinct forms of fixedhashfile.dat, enciphered, 24 bytes each"};
    out.writeManifest(comments);
    compileHashFile(o, out, report);
    out.writeManifest(comments);
    report << "manifest.txt: " << out.entries().size() << " files\n";
}

}  // namespace kavro::mkdata
