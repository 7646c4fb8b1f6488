// The window's start-up, free of the toolkit: the log header, the settings, the data files with
// their progress lines in the log, then the prompt in the Latin box and the log in the
// Translation box.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "app/translate_command.h"

namespace kavro {

struct Engine;
struct Lexicon;

inline constexpr std::string_view kLatinPrompt =
    "Type or paste (Edit/Paste) Latin text here.\nPress 'Ctrl-E' to remove this text.";
inline constexpr std::string_view kDataLoadFailure =
    "Error in loading binary data.\nProgram will not work properly.\nCheck files not open in "
    "another application, eg Microsoft Word.\nOr you may need to reinstall Kavro Latin.";

enum class StartupOutcome {
    Ready,          // `boxes` hold the prompt and the loading messages
    LogUnwritable,  // parser.txt cannot be written: its opener showed why; start-up stops
    DataMissing,    // a required data file is missing or damaged: kDataLoadFailure was shown
};

struct StartupResult {
    StartupOutcome outcome = StartupOutcome::Ready;
    BoxContents boxes;
    std::string problem;   // with DataMissing: the file and what is wrong with it
};

// Runs the start-up on the engine (whose options are still the defaults) and its lexicon.
StartupResult startWindowEngine(Engine& engine, Lexicon& lexicon, const std::filesystem::path& dataFolder);

}  // namespace kavro
