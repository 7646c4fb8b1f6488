// The forms of dictionary entries as JSON, for scripts: one object per entry with every
// generated form and its grammar, in plain ASCII (other characters as \u escapes).
#pragma once

#include <string>
#include <vector>

namespace kavro {

struct Engine;
struct ParadigmEntry;

// A JSON array of the entries, each with its citation form, class, English and forms; ends with
// a line end.
std::string paradigmJson(Engine& engine, const std::vector<ParadigmEntry>& entries);

}  // namespace kavro
