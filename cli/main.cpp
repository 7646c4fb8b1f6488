// kavro: the command-line front end of Kavro Latin.
#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>

#include "cli/cli_support.h"
#include "cli/commands.h"

int main(int argc, char** argv) {
    kavro::cli::keepStandardStreamsOpen();
    CLI::App app{"Kavro Latin " KAVRO_VERSION " - a Latin-to-English translator", "kavro"};
    app.require_subcommand(1);
    kavro::cli::addTranslateCommand(app);
    kavro::cli::addDictCommand(app);
    kavro::cli::addAnalyseCommand(app);
    kavro::cli::addSpellCommand(app);
    kavro::cli::addWordCommand(app);
    kavro::cli::addInflectCommand(app);
    kavro::cli::addSearchCommand(app);
    try {
        CLI11_PARSE(app, argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kavro: error: %s\n", e.what());
        return 1;
    }
    // Whatever is still buffered for stdout must arrive: a full disk or a closed pipe is a failure.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "kavro: error: <stdout>: write error: %s\n",
                     std::strerror(errno ? errno : EIO));
        return 1;
    }
    return 0;
}
