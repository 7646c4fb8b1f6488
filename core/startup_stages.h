// Start-up loaders that the data loader calls and that live with their own Parts. One not
// built yet answers "nothing loaded" from a file named startup_pending.cpp in its folder,
// which its real implementation replaces.
#pragma once

namespace kavro {

struct Engine;
struct Lexicon;
class DataFolders;

// user/: reads the Latin Standard Phrases of userphrases.txt; returns their number.
int loadStandardPhrases(Engine& engine, Lexicon& lexicon);

// job/: reads fixedhashfile.dat (checked against the manifest of `folders`) into the
// high-speed hash table; false (after its own box when the file cannot be taken) when the
// table is not complete.
bool loadHashFile(Engine& engine, Lexicon& lexicon, const DataFolders& folders);
// job/: builds the index of the hash table's forms; returns its coverage in per cent.
double buildHashIndex(Lexicon& lexicon);
// job/: gives back the hash table of a rejected file.
void releaseHashTable(Lexicon& lexicon);

}  // namespace kavro
