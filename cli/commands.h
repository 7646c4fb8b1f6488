// The subcommands of `kavro`. Each lives in its own file and registers itself on the app;
// main.cpp calls every add...Command in turn.
#pragma once

#include <CLI/CLI.hpp>

namespace kavro::cli {

// kavro translate FILE|- : runs the translation job and prints parser.txt.
void addTranslateCommand(CLI::App& app);
// kavro dict LETTERS : lists the dictionary stems beginning with the letters.
void addDictCommand(CLI::App& app);
// kavro analyse FILE|- : word analysis as JSON Lines, one object per token.
void addAnalyseCommand(CLI::App& app);
// kavro spell FILE|- : lists the words word analysis does not recognise, or writes fails.txt.
void addSpellCommand(CLI::App& app);
// kavro word WORD : the single-word translation, with --glossary the glossary of its readings.
void addWordCommand(CLI::App& app);
// kavro inflect LEMMA : the declension or conjugation of the entries with that citation form.
void addInflectCommand(CLI::App& app);
// kavro search DIR --text ITEM | --word STEM : searches the text files of a folder tree.
void addSearchCommand(CLI::App& app);

}  // namespace kavro::cli
