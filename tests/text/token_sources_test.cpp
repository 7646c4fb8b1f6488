#include <gtest/gtest.h>

#include <string>

#include "tests/text/text_fixture.h"
#include "text/token_sources.h"

namespace kavro {
namespace {

using TokenSources = TextTest;

std::string replayedTokens(std::string_view line, const ViewOptions& options) {
    std::string joined;
    for (const TokenSource& t : replayTokenizer(line, options).tokens) {
        if (!joined.empty()) joined += ' ';
        joined += t.text;
    }
    return joined;
}

// The replay must make exactly the tokens the tokenizer makes, whatever the line holds.
TEST_F(TokenSources, ReplayMakesTheTokenizersTokens) {
    struct Case {
        std::string_view line;
        bool botany = false, inscriptions = false, plautus = false;
    };
    const Case cases[] = {
        {"Gallia est omnis divisa in partes tres, quarum unam incolunt Belgae.\n"},
        {"(verbum), \"dixit\"; at-que: cur? -ita! puer(os) Gn(aeus)"},
        {"Vir VIR XIV DE ROMA iAm M_Tullio P_XII M_XX IULI factumst ymnus uigesimus"},
        {"a\xE6ra \x9C" "conomia 12ab \xAB" "x\xBB _a` [b]^ \xABVenit\xBB. *"},
        {"id est; Opus est; opus est. tertius decimus una cum paulo ante necesse est Cleo est"},
        {"12ab imp(erator) (a)b", true, true},
        {"meu' ill'que datust ornatu's", false, false, true},
        {"ita...!!!!!!!!!!!!!!!!!!!!!!!!"},
    };
    for (const Case& c : cases) {
        options.botanyActive = c.botany;
        options.inscriptions = c.inscriptions;
        options.plautusElisions = c.plautus;
        EXPECT_EQ(replayedTokens(c.line, options), tokens(c.line)) << c.line;
    }
}

// Every character of the line but white space lies in exactly one piece, in order; each token
// points at the pieces it was read from.
TEST_F(TokenSources, PiecesCoverTheLineAndTokensPointIntoThem) {
    const std::string_view line = " \xABVenit\xBB  id est, factumst (12)! puer(os)\n";
    const LineTokens read = replayTokenizer(line, options);
    std::string pieces;
    for (const WrittenPiece& p : read.pieces) {
        pieces.append(line.substr(p.start, p.length)).append(p.word ? "" : "'");
        pieces += p.spaceAfter ? " " : "|";
    }
    EXPECT_EQ(pieces, "\xAB'|Venit|\xBB' id est|,' factumst ('|12|)'|!' puer(os) ");
    std::string sources;
    for (const TokenSource& t : read.tokens)
        sources += t.text + "@" + std::to_string(t.firstPiece) + "-" + std::to_string(t.lastPiece) + " ";
    EXPECT_EQ(sources,
              "Uenit@1-1 id_est@3-4 PUNCTA@5-5 factum@6-6 est@6-6 PUNCTI@7-7 PUNCTJ@9-9 PUNCTD@10-10 pueros@11-11 ");
}

}  // namespace
}  // namespace kavro
