#include "shell/calc_sections.h"

#include <cstdio>

#include "core/sections/section_families.h"
#include "shell/calc_cli.h"

namespace tarvix {
namespace {

std::string_view OptionWord(SectionTable option) {
    switch (option) {
        case SectionTable::kPipe:
            return "pipe";
        case SectionTable::kAngle:
            return "angle";
        case SectionTable::kChannel:
            return "channel";
        case SectionTable::kIBeam:
            return "i-beam";
    }
    return "";
}

std::string Fixed(double value, int decimals) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

}  // namespace

int ListFamilies(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1) {
        for (const SectionFamily& family : SectionFamilies()) {
            out << family.id << '\t' << OptionWord(family.option) << '\t'
                << (family.metric ? "kg/m" : "lb/ft") << '\t' << family.choice << '\n';
        }
        return 0;
    }
    const std::string wanted = args.size() == 2 ? Lower(args[1]) : "";
    for (const SectionFamily& family : SectionFamilies()) {
        if (family.id != wanted || family.builtIn) continue;
        for (const FamilySize& size : FamilySizes(family)) {
            out << size.designation << '\t' << Fixed(WeightPerLength(family, size), 2);
            for (double inches : size.shown)
                out << '\t' << (family.metric ? Fixed(inches * 25.4, 1) : Fixed(inches, 3));
            out << '\n';
        }
        return 0;
    }
    std::string names;
    for (const SectionFamily& family : SectionFamilies())
        names += (names.empty() ? "" : ", ") + std::string(family.id);
    err << "tarvix-calc sections: unknown family " << Echoed(wanted.empty() ? "" : args[1])
        << "; the families are " << names << "\nRun 'tarvix-calc --help' for usage.\n";
    return 1;
}

}  // namespace tarvix
