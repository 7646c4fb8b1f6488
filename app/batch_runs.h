// Several input files in one run (kavro translate / analyse FILE FILE ...): each file is a job of
// its own, on its own engine and in its own scratch folder of the program folder (so that the
// jobs' work files, temp.lat and parser.txt, never meet), all sharing the one lexicon; the jobs
// run on --jobs threads and their outputs are printed whole, in the order of the arguments.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kavro {

// How many files run at once unless the user says: the number of processors.
unsigned defaultJobCount();

// What a job leaves to be printed: a file of its scratch folder, in the engine's 8-bit text
// (converted to UTF-8 on the way out) or already UTF-8.
struct BatchOutput {
    std::filesystem::path file;
    bool engineText = true;
};

// Runs one file: `input` as the user named it, `folder` its own empty scratch folder.
using BatchJob = std::function<BatchOutput(const std::string& input, const std::filesystem::path& folder)>;

// Checks the inputs (at most one "-"; none of the program folder's work files), runs every file
// through `job` on `jobs` threads and prints each output in turn. A file whose job fails has
// said why on stderr, naming itself, and prints nothing; the others still run and print. Returns
// how many failed. Each scratch folder is removed once its output is printed, and what is left
// at the end.
std::size_t runBatch(const std::vector<std::string>& inputs, const std::filesystem::path& home,
              unsigned jobs, const BatchJob& job);

}  // namespace kavro
