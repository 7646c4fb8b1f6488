// kavro-mkdata: compiles the lexicon files of the data folder.
//   kavro-mkdata --sources <repo>/data --out <build>/data
//                [--package /usr/share/whitakers-words] [--wordnet /usr/share/wordnet]
#include <chrono>
#include <iostream>
#include <string>

#include "tools/mkdata/compile_all.h"
#include "tools/mkdata/data_error.h"

namespace {

int usage() {
    std::cerr << "usage: kavro-mkdata --sources DIR --out DIR [--package DIR] [--wordnet DIR]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    kavro::mkdata::CompileOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) return usage();
        const std::string value = argv[++i];
        if (arg == "--sources") options.sourceDir = value;
        else if (arg == "--out") options.outDir = value;
        else if (arg == "--package") options.packageDir = value;
        else if (arg == "--wordnet") options.wordnetDir = value;
        else return usage();
    }
    if (options.sourceDir.empty() || options.outDir.empty()) return usage();

    const auto start = std::chrono::steady_clock::now();
    try {
        kavro::mkdata::compileAll(options, std::cout);
    } catch (const kavro::mkdata::DataError& e) {
        std::cerr << "kavro-mkdata: error: " << e.what() << "\n";
        return 1;
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    std::cout << "kavro-mkdata: all data written to " << options.outDir.string() << " in "
              << ms.count() << " ms\n";
    return 0;
}
