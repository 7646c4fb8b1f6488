// Classical spelling variants: a word the dictionary does not know is rewritten once into the
// spelling the dictionary uses (adfero -> affero, uicensimus -> uicesimus, nichil -> nihil),
// and the driver analyses the new word.
#include <cstring>
#include <string_view>

#include "core/engine.h"
#include "morph/word_edit.h"
#include "morph/word_repairs.h"

namespace kavro {
namespace {

// One rewrite of a word beginning: `pattern` (lower case; its first letter is the rule's group)
// becomes `replacement`. A whole-word rule applies only when the word is exactly the pattern.
struct BeginningRule {
    std::string_view pattern;
    std::string_view replacement;
    bool wholeWord = false;
};

// The rules of each group in the order they are tried; the first whose pattern begins the word
// (letter case ignored) rewrites it. Where a variant spelling is listed without its rewrite,
// the rewrite chosen turns it into the dictionary's spelling:
//
//   pattern  rewrite   example                  pattern  rewrite   example
//   ascu     auscu     ascultare -> auscultare  gle      glae      gleba -> glaeba
//   aut      auct      autor -> auctor          hum      um        humerus -> umerus
//   co       coh       coibeo -> cohibeo        hol      ol        holus -> olus
//   cirrh    cirr      cirrhus -> cirrus        iaien    ien       iaientaculum -> ientaculum
//   clam     chlam     clamys -> chlamys        inext    inexst    inextinctus -> inexstinctus
//   cr       chr       crisma -> chrisma        inex     inexs     inexpectatus -> inexspectatus
//   calf     calef     calfacio -> calefacio    idro     hydro     idropicus -> hydropicus
//   diffin   defin     diffinio -> definio      lingos   lignos    lingosus -> lignosus
//   duo      duum      duouir -> duumuir        latom    lautum    latomiae -> lautumiae
//   domn     domin     domnus -> dominus        lolig    lollig    loligo -> lolligo
//   exst     ext       exstinguo -> extinguo    let      laet      letus -> laetus
//   exs      ex        exsequor -> exequor      lango    languo    langor -> languor
//   es       aes       estimo -> aestimo        mili     milli     milies -> millies
//   exc      exsc      excindo -> exscindo      myrrh    murr      myrrha -> murra
//   exam     exan      examinis -> exanimis     manipl   manipul   maniplus -> manipulus
//   ex       exs       expecto -> exspecto      mund     mond      (the pair of mond -> mund)
//   em       aem       emulus -> aemulus        mond     mund      mondus -> mundus
//   fen      faen      fenum -> faenum          nil      nihil     nil -> nihil
//   fa       pha       fantasia -> phantasia    neum     pneum     neuma -> pneuma
//   gna      na        gnatus -> natus          olit     holit     olitor -> holitor
//   orf      orph      orfanus -> orphanus      pre      prae      preda -> praeda
//   praesaep praesep   praesaepe -> praesepe    pron     prom      pronptus -> promptus
//   ph       f         phantasia -> fantasia    puncta   punct     punctatim -> punctim
//   que      quae      questio -> quaestio      reu      rheu      reumatismus -> rheumatismus
//   rud      raud      rudus -> raudus          reliq    relliq    reliquiae -> relliquiae
//   ryth     rhyth     rythmus -> rhythmus      succint  succinct  succintus -> succinctus
//   sus      subs      suscribo -> subscribo    saxi     saxe      saxius -> saxeus
//   set      sed       set -> sed               sec      saec      seculum -> saeculum
//   sper     sphaer    spera -> sphaera         tegm     tegim     tegmen -> tegimen
//   tent     tempt     tentare -> temptare      tra      trans     traduco -> transduco
//   tralat   translat  tralatus -> translatus   troch    troc      trochus -> trocus
//   tens     tenus     (whole word)             uae      ue        uaecors -> uecors
//   uird     uirid     uirdis -> uiridis        burd     burdi     burdo -> burdio
//
// burd -> burdi is kept with the b rules: among the m rules it could never begin a word.
// tralat stays after tra as the table orders it; tra -> trans gives the same word for it.
constexpr BeginningRule kBeginningRules[] = {
    // a
    {"adg", "agg"}, {"adl", "all"}, {"adr", "arr"}, {"adp", "app"}, {"adf", "aff"},
    {"adn", "ann"}, {"adm", "amm"}, {"adt", "att"}, {"adq", "acq"}, {"adc", "acc"},
    {"adsc", "asc"}, {"adsp", "asp"}, {"absp", "asp"}, {"absc", "ausc"}, {"abs", "aps"},
    {"acq", "adq"}, {"aff", "adf"}, {"all", "adl"}, {"app", "adp"}, {"arr", "adr"},
    {"amm", "adm"}, {"arqu", "arcu"}, {"ascu", "auscu"}, {"aut", "auct"}, {"aeui", "ae"},
    {"agg", "ang"}, {"auct", "auth"}, {"asper", "aspr"}, {"auc", "aug"},
    {"ass", "ads"},   // ad- assimilated before s: assumpsit -> adsumpsit, assequor -> adsequor
    // b
    {"baptid", "baptiz"}, {"babt", "bapt"}, {"burd", "burdi"},
    // c
    {"conr", "corr"}, {"conl", "coll"}, {"coel", "cael"}, {"consc", "cons"}, {"cong", "cogn"},
    {"con", "com"}, {"com", "con"}, {"coen", "cen"}, {"caen", "cen"}, {"coarct", "coart"},
    {"cun", "con"}, {"cost", "cust"}, {"coer", "caer"}, {"co", "coh"}, {"cirrh", "cirr"},
    {"clam", "chlam"}, {"can", "cam"}, {"cr", "chr"}, {"circun", "circum"}, {"calf", "calef"},
    // d
    {"dist", "dest"}, {"disid", "desid"}, {"dis", "dys"}, {"diuort", "diuert"},
    {"diffin", "defin"}, {"di", "de"}, {"dy", "di"}, {"duo", "duum"}, {"domn", "domin"},
    // e
    {"ecf", "eff"}, {"ecs", "exs"}, {"ext", "est"}, {"esp", "exp"}, {"exf", "eff"},
    {"exst", "ext"}, {"exs", "ex"}, {"es", "aes"}, {"ewa", "eua"}, {"exsic", "exsec"},
    {"exc", "exsc"}, {"examp", "exemp"}, {"exam", "exan"}, {"ex", "exs"}, {"enunc", "enunt"},
    {"elig", "eleg"}, {"em", "aem"},
    // f
    {"foen", "faen"}, {"forn", "furn"}, {"fen", "faen"}, {"foetu", "fetu"}, {"fasce", "fasci"},
    {"fa", "pha"}, {"fiam", "flam"}, {"feu", "feo"}, {"feo", "feu"},
    // g
    {"gign", "gymn"}, {"gi", "gy"}, {"gna", "na"}, {"guar", "war"}, {"gle", "glae"},
    // h
    {"hum", "um"}, {"homon", "homin"}, {"hol", "ol"},
    // i
    {"inm", "imm"}, {"imm", "inm"}, {"inr", "irr"}, {"irr", "inr"}, {"inb", "imb"},
    {"inp", "imp"}, {"imp", "inp"}, {"inl", "ill"}, {"ill", "inl"}, {"incon", "incom"},
    {"incom", "incon"}, {"indup", "imp"}, {"inass", "inads"}, {"incho", "incoh"},
    {"inficet", "infacet"}, {"iaien", "ien"}, {"inext", "inexst"}, {"inexs", "inex"},
    {"inex", "inexs"}, {"infiam", "inflam"}, {"inio", "iniu"}, {"inadm", "inamm"},
    {"idempt", "ident"}, {"idro", "hydro"},
    // l
    {"lingos", "lignos"}, {"lacrum", "lacrim"}, {"lasar", "laser"}, {"latom", "lautum"},
    {"lolig", "lollig"}, {"legipt", "legit"}, {"let", "laet"}, {"lango", "languo"},
    // m
    {"minum", "minim"}, {"mili", "milli"}, {"mi", "my"}, {"monim", "monum"}, {"murt", "myrt"},
    {"myrrh", "murr"}, {"mag", "mai"}, {"maliv", "malev"}, {"mancup", "mancip"},
    {"manipl", "manipul"}, {"maxum", "maxim"}, {"mur", "myr"}, {"meil", "mil"},
    {"mund", "mond"}, {"mond", "mund"}, {"mucc", "muc"},
    // n
    {"nae", "ne"}, {"nil", "nihil"}, {"nichil", "nihil"}, {"nunq", "numq"}, {"nub", "nup"},
    {"neum", "pneum"},
    // o
    {"obt", "opt"}, {"obg", "ogg"}, {"obf", "off"}, {"obp", "opp"}, {"obc", "occ"},
    {"obscaen", "obscen"}, {"obsep", "obsaep"}, {"obie", "oboe"}, {"optum", "optim"},
    {"opt", "obt"}, {"ops", "obs"}, {"oss", "obs"}, {"omm", "obm"}, {"octa", "octo"},
    {"olit", "holit"}, {"orf", "orph"},
    // p
    {"presbit", "presbyt"}, {"pre", "prae"}, {"proxum", "proxim"}, {"prumpt", "prompt"},
    {"praesaep", "praesep"}, {"prae", "pre"}, {"promont", "promunt"}, {"pron", "prom"},
    {"pertrect", "pertract"}, {"peruor", "peruer"}, {"perlub", "perlib"}, {"percon", "percom"},
    {"percunct", "percont"}, {"pelluc", "perluc"}, {"peri", "pere"}, {"phi", "phy"},
    {"ph", "f"}, {"popl", "publ"}, {"paus", "paux"}, {"pariur", "periur"}, {"puncta", "punct"},
    // q
    {"que", "quae"}, {"quadrip", "quadrup"}, {"quotid", "cottid"}, {"quamt", "quant"},
    // r
    {"reuor", "reuer"}, {"reu", "rheu"}, {"reciper", "recuper"}, {"rell", "rel"},
    {"rud", "raud"}, {"reliq", "relliq"}, {"ryth", "rhyth"},
    // s
    {"subsc", "susc"}, {"subsp", "susp"}, {"subst", "sust"}, {"subc", "succ"},
    {"succint", "succinct"}, {"succ", "susc"}, {"subt", "supt"}, {"subp", "supp"},
    {"subr", "surr"}, {"subf", "suff"}, {"subm", "summ"}, {"sus", "subs"}, {"surr", "subr"},
    {"sull", "subl"}, {"supt", "subt"}, {"supp", "subp"}, {"subg", "sugg"}, {"sex", "ses"},
    {"synl", "syll"}, {"syn", "sin"}, {"sillib", "syllab"}, {"si", "sy"}, {"strin", "stren"},
    {"saxi", "saxe"}, {"semiust", "semust"}, {"sobol", "subol"}, {"set", "sed"},
    {"sec", "saec"}, {"sti", "sty"}, {"stercer", "stercor"}, {"solist", "solst"},
    {"syl", "sil"}, {"stagn", "stann"}, {"sper", "sphaer"},
    // t
    {"tegm", "tegim"}, {"tegum", "tegym"}, {"ti", "ty"}, {"ty", "ti"}, {"tenp", "temp"},
    {"tres", "tre"}, {"tre", "tri"}, {"thens", "thes"}, {"thur", "tur"}, {"th", "t"},
    {"tempt", "tent"}, {"tent", "tempt"}, {"transs", "trans"}, {"transd", "trad"},
    {"transq", "tranq"}, {"tra", "trans"}, {"tralat", "translat"}, {"troch", "troc"},
    {"tens", "tenus", true},
    // u
    {"uiges", "uices"}, {"uae", "ue"}, {"uill", "uil"}, {"uol", "uul"}, {"uor", "uer"},
    {"uird", "uirid"},
};

// Letters that the dictionary writes otherwise at the start of a word.
constexpr std::string_view kDoubleZ = "zz";       // zz… -> s…
constexpr std::string_view kDoubleUL = "wl";      // wl… -> uul…
constexpr char kW = 'w';                          // w… -> uu…
constexpr char kK = 'k';                          // k… -> c…, ka… -> cha…

// Anywhere in the word.
constexpr std::string_view kCensim = "censim";    // uicensimus -> uicesimus
constexpr std::string_view kArchaicSuperlatives[] = {"ssum", "rrum", "llum"};  // -issumus -> -issimus
constexpr std::string_view kGreekEnding = "on";   // -on -> -um

// "ssum", "rrum" or "llum" (followed by more letters when `inside`) has its "u" made an "i".
bool modernSuperlative(WordBuffer& word, bool inside) {
    const std::string_view w = word;
    for (std::string_view pattern : kArchaicSuperlatives) {
        const std::size_t at = w.find(pattern);
        if (at == std::string_view::npos) continue;
        if (inside && at + pattern.size() >= w.size()) continue;
        word[at + 2] = 'i';
        return true;
    }
    return false;
}

bool rewriteAnywhere(WordBuffer& word) {
    const std::size_t at = std::string_view(word).find(kCensim);
    if (at != std::string_view::npos) return replaceLetters(word, at + 2, 1, "");
    return modernSuperlative(word, true);
}

bool rewriteBeginning(WordBuffer& word) {
    const std::string_view w = word;
    const char group = lowerLetter(w[0]);
    for (const BeginningRule& rule : kBeginningRules) {
        if (rule.pattern[0] != group || !beginsIgnoringCase(w, rule.pattern)) continue;
        if (rule.wholeWord && w.size() != rule.pattern.size()) continue;
        return rewriteKeepingCase(word, 0, rule.pattern.size(), rule.replacement);
    }
    if (beginsIgnoringCase(w, kDoubleZ)) return rewriteKeepingCase(word, 0, 1, "s");
    if (beginsIgnoringCase(w, kDoubleUL)) return rewriteKeepingCase(word, 0, 2, "uul");
    if (group == kW) return rewriteKeepingCase(word, 0, 1, "uu");
    if (group == kK) return rewriteKeepingCase(word, 0, 1, w.size() > 1 && lowerLetter(w[1]) == 'a' ? "ch" : "c");
    return false;
}

}  // namespace

bool trySpellingVariants(Engine&, WordBuffer& word) {
    if (word[0] == '\0') return false;
    if (rewriteAnywhere(word) || rewriteBeginning(word)) return true;
    const std::size_t length = std::strlen(word);
    if (std::string_view(word).ends_with(kGreekEnding)) return replaceLetters(word, length - 2, 2, "um");
    return modernSuperlative(word, false);
}

}  // namespace kavro
