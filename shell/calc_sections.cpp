#include "shell/calc_sections.h"

#include <cstdio>

#include "core/sections/section_families.h"
#include "core/shape_catalogue.h"
#include "shell/calc_cli.h"
#include "shell/json_object.h"

namespace tarvix {
namespace {

// The shape word that weigh takes for the option: "angle", "pipe", "channel", "i-beam".
std::string OptionWord(SectionTable option) {
    return Lower(std::string(Shape(StructuralShape(option)).itemName));
}

std::string Fixed(double value, int decimals) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

}  // namespace

int ListFamilies(const std::vector<std::string>& args, bool json, std::ostream& out,
                 std::ostream& err) {
    if (args.size() == 1) {
        std::string rows = "[";
        for (const SectionFamily& family : SectionFamilies()) {
            const std::string_view unit = family.metric ? "kg/m" : "lb/ft";
            if (json) {
                rows +=
                    (rows.size() > 1 ? "," : "") + JsonObject()
                                                       .Text("family", family.id)
                                                       .Text("option", OptionWord(family.option))
                                                       .Text("unit", unit)
                                                       .Text("choice", family.choice)
                                                       .Json();
            } else {
                out << family.id << '\t' << OptionWord(family.option) << '\t' << unit << '\t'
                    << family.choice << '\n';
            }
        }
        if (json) out << JsonObject().Raw("families", rows + "]").Line();
        return 0;
    }
    const std::string wanted = args.size() == 2 ? Lower(args[1]) : "";
    for (const SectionFamily& family : SectionFamilies()) {
        if (family.id != wanted || family.built_in) continue;
        std::string rows = "[";
        for (const FamilySize& size : FamilySizes(family)) {
            const double per_length = WeightPerLength(family, size);
            if (json) {
                JsonObject row;
                row.Text("designation", size.designation).Number("weight_per_length", per_length);
                int k = 0;
                for (double inches : size.shown)
                    row.Number("dimension" + std::to_string(++k),
                               family.metric ? inches * 25.4 : inches);
                rows += (rows.size() > 1 ? "," : "") + row.Json();
                continue;
            }
            out << size.designation << '\t' << Fixed(per_length, 2);
            for (double inches : size.shown)
                out << '\t' << (family.metric ? Fixed(inches * 25.4, 1) : Fixed(inches, 3));
            out << '\n';
        }
        if (json) {
            out << JsonObject()
                       .Text("family", family.id)
                       .Text("unit", family.metric ? "kg/m" : "lb/ft")
                       .Raw("sizes", rows + "]")
                       .Line();
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
