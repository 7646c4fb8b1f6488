// Reported statements: the accusative and infinitive after a verb of saying, thinking, knowing
// or perceiving reads as an English "that" clause, the accusative its subject and the
// infinitive a finite verb in the tense that the main verb's time calls for ("Dixit hostes
// venire" -> "He said that the enemies were coming").
#pragma once

#include <vector>

namespace kavro {

class PolishSentence;

// One reported statement, by analysis index (so that it survives the moves of the word order);
// -1 where a part is missing.
struct ReportedStatement {
    int verb = -1;         // the verb of saying, thinking ... ("dixit")
    int subject = -1;      // the accusative subject ("hostes")
    int infinitive = -1;   // the infinitive, or the future participle standing for it
    int participle = -1;   // the participle of a compound infinitive ("captam esse")
    int predicate = -1;    // the complement of "esse" ("eum esse regem")
    int governed = -1;     // an infinitive that the infinitive governs ("se posse venire")
};

// Finds the reported statements of the sentence and gives their words the English of a "that"
// clause: the subject's pronoun in its subject form, the infinitive made finite, the verb of
// believing or hoping in the sense that takes a clause. The "that" itself is put by the word
// order, before the subject's phrase; when `addThat` is set (no word order follows) it is put
// before the subject here.
std::vector<ReportedStatement> readReportedStatements(PolishSentence& s, bool addThat);

}  // namespace kavro
