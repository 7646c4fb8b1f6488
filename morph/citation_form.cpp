// Citation forms: one table of part rules per part of speech, chosen by which and variant,
// then the verb kinds (impersonal, deponent, semi-deponent) on top of the conjugation rows.
#include "morph/citation_form.h"

#include <cstdint>

#include "core/fixed_text.h"

namespace kavro {
namespace {

// What one of the four parts becomes.
struct PartRule {
    enum Kind : std::uint8_t {
        Keep,        // the part's own stem
        Add,         // own stem + text
        S1Plus,      // S1 + text
        S2Plus,      // S2 + text (the oblique stem: alter, altera)
        Say,         // the text itself
        S1CutPlus,   // S1 without its last letter, then the text
        CuiusForm,   // S1 with its second-to-last letter made "c", then the text
    };
    Kind kind = Keep;
    const char* text = "";
};

struct Row {
    PartRule part[4];
};

constexpr PartRule keep{};
constexpr PartRule add(const char* t) { return {PartRule::Add, t}; }
constexpr PartRule s1(const char* t) { return {PartRule::S1Plus, t}; }
constexpr PartRule s2(const char* t) { return {PartRule::S2Plus, t}; }
constexpr PartRule say(const char* t) { return {PartRule::Say, t}; }
constexpr PartRule emptied = {PartRule::Say, ""};

constexpr Row kNotFound{{say("Not found"), keep, keep, keep}};
constexpr Row kKeepAll{};

constexpr std::uint8_t kNoun = 1, kPronoun = 2, kAdjective = 4, kNumeral = 5, kVerb = 7,
                       kParticiple = 8, kSupine = 9;
constexpr std::uint8_t kNeuter = 3;
constexpr std::uint8_t kImpersonal = 8, kDeponent = 9, kSemiDeponent = 10;
constexpr std::size_t kPartLimit = kCitationStemSize - 1;

Row nounRow(int which, int variant, int gender) {
    switch (which) {
    case 1:
        switch (variant) {
        case 1: return {{add("a"), add("ae")}};
        case 6: return {{add("e"), add("es")}};
        case 7: return {{add("es"), add("ae")}};
        case 8: return {{add("as"), add("ae")}};
        default: return kKeepAll;
        }
    case 2:
        switch (variant) {
        case 1: case 9: return {{add("us"), add("i")}};
        case 2: return {{add("um"), add("i")}};
        case 3: case 7: return {{keep, add("i")}};
        case 4: return {{add(gender == kNeuter ? "um" : "us"), add("(i)")}};
        case 5: return {{add("us"), keep}};
        case 6: return {{add("os"), add("i")}};
        case 8: return {{add("on"), add("i")}};
        default: return kKeepAll;
        }
    case 3:
        if (variant == 7) return {{keep, add("os/is")}};
        if (variant == 9) return {{keep, add("eos/is"), add("[Greek]")}};
        return {{keep, add("is")}};
    case 4:
        switch (variant) {
        case 1: return {{add("us"), add("us")}};
        case 2: return {{add("u"), add("us")}};
        case 3: return {{add("us"), add("u")}};
        default: return kKeepAll;
        }
    case 5: return {{add("es"), add("ei")}};
    case 9:
        if (variant == 7) return {{keep, say("(English)")}};
        if (variant == 8) return {{keep, say("abb.")}};
        return {{keep, say("undeclined")}};
    default: return kNotFound;
    }
}

Row pronounRow(int which, int variant) {
    switch (which) {
    case 1: return {{add("i/is"), s1("a/ae/is"), s1("id/od"), {PartRule::CuiusForm, "ius"}}};
    case 3:
        if (variant == 1) return {{add("ic"), s1("aec"), s1("oc")}};
        if (variant == 2) return {{add("ic"), s1("aec"), s1("uc")}};
        return {{add("ic"), s1("aec"), s1("")}};
    case 4:
        if (variant == 1) return {{add("s"), add("a"), s1("d")}};
        if (variant == 2) return {{add("dem"), add("adem"), s1("dem")}};
        return kKeepAll;
    case 5:
        switch (variant) {
        case 1: return {{keep, say("mei")}};
        case 2: return {{keep, say("tui")}};
        case 3: return {{add("os"), add("i")}};
        case 4: return {{keep, say("sui")}};
        default: return kNotFound;
        }
    case 6:
        if (variant == 1) return {{add("e"), s1("a"), s1("ud")}};
        if (variant == 2) return {{add("e"), s1("a"), s1("um")}};
        return {{add("e"), s1("a"), s1("")}};
    case 9:
        if (variant == 9) return {{keep, say("undeclined")}};
        return kNotFound;
    default: return kNotFound;
    }
}

// The pronominal adjectives (nullus, alter, alius) name their three genders and a Greek one the
// nominative it is entered for: never a bare stem. An adjective of comparison only (which 0)
// has no row; the compiler cites it by its degree.
Row adjectiveRow(int which, int variant) {
    constexpr PartRule comparative = add("or -or -us");
    constexpr PartRule superlative = add("mus -a -um");
    switch (which) {
    case 1:
        switch (variant) {
        case 1: return {{add("us"), say("-a -um"), comparative, superlative}};
        case 2: return {{keep, add("a -um"), comparative, superlative}};
        case 3: return {{add("us"), s1("a"), s1("um"), emptied}};    // nullus, nulla, nullum
        case 4: return {{keep, s2("a"), s2("um"), emptied}};         // alter, altera, alterum
        case 5: return {{add("us"), s1("a"), s1("ud"), emptied}};    // alius, alia, aliud
        default: return kKeepAll;
        }
    case 2:
        switch (variant) {
        case 1: return {{add("e"), emptied}};      // arctice (feminine)
        case 2: return {{add("a"), emptied}};      // hagia (feminine)
        case 3: return {{add("es"), emptied}};     // aeroides
        case 6: return {{add("os"), add("on")}};
        case 7: return {{add("os"), emptied}};     // arcticos (masculine)
        case 8: return {{add("on"), emptied}};     // arcticon (neuter)
        default: return kNotFound;
        }
    case 3:
        if (variant == 1) return {{keep, add("is (gen.)"), comparative, superlative}};
        if (variant == 2) return {{add("is"), add("e"), comparative, superlative}};
        if (variant == 3) return {{keep, add("is -e"), comparative, superlative}};
        if (variant == 6) return {{keep, add("os (gen.)")}};   // chrysizon, chrysizontos
        return kKeepAll;
    case 9: return {{keep, say("undeclined")}};
    default: return kNotFound;
    }
}

Row numeralRow(int sort, int which, int variant) {
    constexpr PartRule ordinal = add("us -a -um");
    constexpr PartRule distributive = add("i -ae -a");
    switch (sort) {
    case 0:
        if (which == 1) {
            switch (variant) {
            case 1: return {{add("us -a -um"), ordinal, distributive}};
            case 2: return {{add("o -ae o"), ordinal, distributive}};
            case 3: return {{add("es -es -ia"), ordinal, distributive}};
            case 4: return {{add("i -ae -a"), ordinal, distributive, add("ie(n)s")}};
            default: return kKeepAll;
            }
        }
        if (which == 2) return {{keep, ordinal, distributive, add("ie(n)s")}};
        return kKeepAll;
    case 1:
        if (which != 1) return kKeepAll;
        switch (variant) {
        case 1: return {{add("us"), s1("a"), s1("um")}};
        case 2: return {{add("o"), s1("ae"), s1("o")}};
        case 3: return {{add("es"), s1("es"), s1("ia")}};
        case 4: return {{add("i"), s1("ae"), s1("a")}};
        default: return {{keep, s1(""), s1("")}};
        }
    case 2: return {{add("us"), s1("a"), s1("um")}};
    case 3: return {{add("i"), s1("ae"), s1("a")}};
    default: return kKeepAll;
    }
}

Row conjugationRow(int which, int variant) {
    constexpr PartRule perfect = add("i"), supine = add("us");
    switch (which) {
    case 1: return {{add("o"), add("are"), perfect, supine}};
    case 2: return {{add("eo"), add("ere"), perfect, supine}};
    case 3:
        if (variant == 2) return {{add("o"), add("re"), perfect, supine}};
        if (variant == 3) return {{add("o"), add("ieri"), perfect, supine}};
        if (variant == 4) return {{add("o"), add("ire"), perfect, supine}};
        return {{add("o"), add("ere"), perfect, supine}};
    case 5:
        if (variant == 1) return {{add("um"), add("esse"), perfect, add("urus")}};
        if (variant == 2) return {{add("um"), s1("e"), perfect, supine}};
        return {{add("um"), keep, perfect, supine}};
    case 6:
        if (variant == 1) return {{add("o"), add("re"), add("i (ii)"), supine}};
        if (variant == 2) return {{add("o"), add("le"), perfect, supine}};
        break;
    case 7:
        if (variant == 2) return {{s2("am"), emptied, perfect, supine}};   // inquam
        if (variant == 3) return {{add("o"), add("se"), perfect, supine}};
        return {{add("o"), emptied, perfect, supine}};
    case 9:
        if (variant == 1) return {{add("o"), add("are"), say("additional"), say("forms")}};
        if (variant == 4) return {{add("o"), add("ire"), say("additional"), say("forms")}};
        if (variant == 9) return {{keep, say("undeclined")}};
        return {{add("o"), add("ere"), say("additional"), say("forms")}};
    default: break;
    }
    return {{add("o"), keep, perfect, supine}};
}

Row impersonalRow(int which, int variant) {
    constexpr PartRule perfect = add("it"), participle = add("us est");
    constexpr PartRule est = {PartRule::S1CutPlus, "est"};
    switch (which) {
    case 1: return {{add("at"), add("are"), perfect, participle}};
    case 2: return {{add("et"), add("ere"), perfect, participle}};
    case 3:
        if (variant == 2) return {{add("it"), add("re"), perfect, participle}};
        if (variant == 3) return {{add("it"), add("ieri"), perfect, participle}};
        // The first stem of the fourth conjugation ends in i already (conveni-o): conveni-t.
        if (variant == 4) return {{add("t"), add("ire"), perfect, participle}};
        return {{add("it"), add("ere"), perfect, participle}};
    case 5:
        if (variant == 1) return {{est, add("esse"), perfect, participle}};
        if (variant == 2) return {{est, s1("e"), perfect, participle}};
        return {{est, keep, perfect, participle}};
    case 6:
        if (variant == 1) return {{emptied, say("re"), add("it (ii)"), participle}};
        if (variant == 2) return {{emptied, say("le"), perfect, participle}};
        break;
    case 7:
        if (variant == 1 || variant == 2) return {{emptied, emptied, s2("it"), participle}};   // ait, inquit
        if (variant == 3) return {{emptied, say("se"), s1("it"), participle}};
        return {{emptied, emptied, s1("it"), participle}};
    case 9:
        if (variant == 1) return {{emptied, say("are"), perfect, participle}};
        if (variant == 4) return {{emptied, say("ire"), perfect, participle}};
        if (variant == 9) return {{keep, say("undeclined")}};
        return {{emptied, say("ere"), perfect, participle}};
    default: break;
    }
    return {{emptied, emptied, perfect, participle}};
}

// Deponents and semi-deponents: "DEP" in part 3 (emptied later) and "+us sum" in part 4.
Row deponentRow(int which, int variant, bool semi) {
    Row row = conjugationRow(which, variant);
    if (!semi) {
        switch (which) {
        case 1: row.part[0] = add("or"); row.part[1] = add("ari"); break;
        case 2: row.part[0] = add("eor"); row.part[1] = add("eri"); break;
        case 3:
            row.part[0] = add("or");
            row.part[1] = add(variant == 4 ? "iri" : "i");
            break;
        default:
            if (!(which == 9 && variant == 9)) {
                row.part[0] = say("Not found");
                row.part[1] = keep;
            }
            break;
        }
    }
    row.part[2] = say(which == 6 && variant == 1 ? "DEP (ii)" : "DEP");
    row.part[3] = add("us sum");
    return row;
}

Row verbRow(int which, int variant, int kind) {
    if (kind == kImpersonal) return impersonalRow(which, variant);
    if (kind == kDeponent) return deponentRow(which, variant, false);
    if (kind == kSemiDeponent) return deponentRow(which, variant, true);
    return conjugationRow(which, variant);
}

Row rowFor(const StemRecord& record) {
    const int which = record.which, variant = record.variant;
    switch (record.partOfSpeech) {
    case kNoun: return nounRow(which, variant, record.genderOrKind);
    case kPronoun: return pronounRow(which, variant);
    case kAdjective: return adjectiveRow(which, variant);
    case kNumeral: return numeralRow(record.genderOrKind, which, variant);
    case kVerb: case kParticiple: case kSupine:
        return verbRow(which, variant, record.sort & 0x0F);
    default: return kKeepAll;
    }
}

std::string cut(std::string text, std::size_t limit) {
    if (text.size() > limit) text.resize(limit);
    return text;
}

std::string applyRule(const PartRule& rule, const std::string& own, const std::string& first,
                      const std::string& second) {
    switch (rule.kind) {
    case PartRule::Keep: return own;
    case PartRule::Add: return own + rule.text;
    case PartRule::S1Plus: return first + rule.text;
    case PartRule::S2Plus: return second + rule.text;
    case PartRule::Say: return rule.text;
    case PartRule::S1CutPlus:
        return (first.empty() ? first : first.substr(0, first.size() - 1)) + rule.text;
    case PartRule::CuiusForm: {
        std::string s = first;
        if (s.size() >= 2) s[s.size() - 2] = 'c';
        return s + rule.text;
    }
    }
    return own;
}

bool beginsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

}  // namespace

std::array<std::string, 4> citationParts(const CitationStems& stems, const StemRecord& record) {
    CitationStems bounded;
    for (int i = 0; i < 4; ++i) bounded[i] = cut(stems[i], kPartLimit);
    const Row row = rowFor(record);
    std::array<std::string, 4> parts;
    for (int i = 0; i < 4; ++i) parts[i] = applyRule(row.part[i], bounded[i], bounded[0], bounded[1]);
    if (beginsWith(parts[2], "DEP")) parts[2].clear();

    const bool verb = record.partOfSpeech == kVerb;
    for (int i = 0; i < 4; ++i) {
        if (beginsWith(parts[i], "zzz") || (verb && parts[i].empty())) parts[i].assign(1, '-');
        if (i < 3 && (verb || !parts[i + 1].empty())) parts[i] += ",";
        parts[i] = cut(parts[i], kPartLimit);
    }
    return parts;
}

std::string citationForm(const CitationStems& stems, const StemRecord& record) {
    const auto parts = citationParts(stems, record);
    return cut(parts[0] + " " + parts[1] + " " + parts[2] + " " + parts[3],
               kCitationOutputSize - 1);
}

namespace {

// A third-declension stem does not show its nominative; the derivational endings that make one
// name it so (dignitat- dignitas, amation- amatio, amant- amans, sapient- sapiens).
struct NominativeOfStem {
    std::string_view stemEnd;
    std::string_view nominativeEnd;
};
constexpr NominativeOfStem kThirdDeclensionNominatives[] = {
    {"itat", "itas"}, {"ion", "io"}, {"ant", "ans"}, {"ent", "ens"},
};
constexpr std::uint8_t kPartOfSpeechBits = 0x1F;   // byte 0 without its subtype
constexpr std::uint8_t kComparativeKey = 3, kSuperlativeKey = 4;

std::string firstPart(const std::array<std::string, 4>& parts) {
    std::string first = parts[0];
    if (!first.empty() && first.back() == ',') first.pop_back();
    return first;
}

}  // namespace

std::string derivedHeadword(std::string_view stem, const StemRecord& record) {
    StemRecord grammar = record;
    grammar.partOfSpeech &= kPartOfSpeechBits;
    CitationStems stems{std::string(stem), std::string(stem), "", ""};
    if (grammar.partOfSpeech == kAdjective && grammar.stemKey == kComparativeKey)
        return std::string(stem) + "or";                       // fortior
    if (grammar.partOfSpeech == kAdjective && grammar.stemKey == kSuperlativeKey)
        return std::string(stem) + "mus";                      // fortissimus
    const bool declined = grammar.partOfSpeech == kNoun || grammar.partOfSpeech == kAdjective;
    if (declined && grammar.which == 3) {
        for (const NominativeOfStem& n : kThirdDeclensionNominatives) {
            if (!stem.ends_with(n.stemEnd)) continue;
            stems[0] = std::string(stem.substr(0, stem.size() - n.stemEnd.size())) +
                       std::string(n.nominativeEnd);
            break;
        }
    }
    const std::string first = firstPart(citationParts(stems, grammar));
    if (first.size() < 2 || beginsWith(first, "Not found") || first == "-") return std::string(stem);
    return first;
}

void makeCitationForm(CitationStems& stems, const StemRecord& record,
                      char (&output)[kCitationOutputSize]) {
    if (output[0] == '\0') return;
    const auto parts = citationParts(stems, record);
    copyField(output, parts[0] + " " + parts[1] + " " + parts[2] + " " + parts[3]);
    stems[2] = parts[2];
    stems[3] = parts[3];
}

}  // namespace kavro
