// The solver's strict reader of "Levels/Par.dat", the one the shipped-level tests use:
// whatever the text, it takes it whole or names what is wrong; a table it takes names levels
// and par within their bounds and is written back to text it reads the same.
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"
#include "tools/solve/par_file.h"

FUZZ_TARGET(solver_par_file)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::map<int, int> pars;
    if (!ParseParFile(text, "Par.dat", pars).empty())
        return;
    for (const auto& [level, par] : pars) {
        FuzzCheck(level >= 0 && level < ParLevelLimit, "a level number within the table");
        FuzzCheck(par >= 0 && par <= LargestPar, "a par within bounds");
    }
    std::map<int, int> again;
    FuzzCheck(ParseParFile(FormatParFile(pars), "again", again).empty() && again == pars, "its text reads back the same");
}
