// kavro: the command-line front end of Kavro Latin.
#include <CLI/CLI.hpp>

#include <cstdio>

int main(int argc, char** argv) {
    CLI::App app{"Kavro Latin " KAVRO_VERSION " - a Latin-to-English translator", "kavro"};
    app.require_subcommand(1);
    auto* translate = app.add_subcommand("translate", "Translate a Latin text file (or - for stdin)");
    std::string input;
    translate->add_option("FILE", input, "Latin text file, Windows-1252 or UTF-8; - reads stdin")->required();
    CLI11_PARSE(app, argc, argv);
    std::fprintf(stderr, "kavro: translate is not built yet\n");
    return 1;
}
