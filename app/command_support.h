// What every command of the front ends does before and after its job: the program folder checked,
// the options of UserSettings.txt, the lexicon loaded, a work file stored. Each failure ends the
// command with a CommandError naming the file and the problem.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/lexicon.h"
#include "core/view_options.h"
#include "job/translation_job.h"

namespace kavro {

struct Engine;

// The options of UserSettings.txt in the program folder (the defaults when there is none); a
// settings file that cannot be read is said on stderr, and the defaults are used.
ViewOptions settingsOptions(const std::filesystem::path& home);

// The program folder, checked to exist (and to be a folder); nothing is written to it.
std::filesystem::path existingProgramFolder(const std::string& home);
// The program folder, checked to exist and to be writable.
std::filesystem::path writableProgramFolder(const std::string& home);

// Whether loading writes the start-up log (parser.txt) and reads the user files (installing the
// shipped ones into the program folder): a job does; a stem look-up does neither and leaves the
// folder as it found it.
enum class StartupLog { Written, None };

// Fills the lexicon from the data folder (the program folder's copies win), reporting through
// the engine's host (and log); fails naming the data folder when a required table is missing.
void loadLexicon(Lexicon& lexicon, Engine& engine, const std::filesystem::path& data,
                 StartupLog startupLog = StartupLog::Written);

// Puts `content` in place of the work file `path` whole or not at all (a partial copy never
// replaces the previous one); fails with "WHAT: REASON" naming the file otherwise, also when a
// link or anything but a regular file stands under the name.
void storeWorkFile(const std::filesystem::path& path, std::string_view content, std::string_view what);

// Fails naming the file when the job could not run to its end: the text could not be prepared
// ("could not be prepared for WORK", `work` being "translation" or "analysis"), or a work file
// could not be written or read back. A job the user ended early returns; the caller decides.
void checkJobResult(const JobResult& result, const std::filesystem::path& input,
                    const std::filesystem::path& home, std::string_view work);

}  // namespace kavro
