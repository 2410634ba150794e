#include <charconv>
#include <optional>

#include "core/control_ids.h"
#include "core/material_catalogue.h"
#include "core/missing_inputs.h"
#include "core/section_tables.h"
#include "core/sections/section_lookup.h"
#include "core/shape_catalogue.h"
#include "platform/headless_desktop.h"
#include "shell/application.h"
#include "shell/calc_cli.h"
#include "shell/json_object.h"
#include "shell/weigh_fields.h"
#include "shell/weigh_part.h"

namespace tarvix {
namespace {

constexpr std::string_view kUnitChoices = "inches, feet, millimeters, meters";

int Usage(std::ostream& err, const std::string& message) {
    err << "tarvix-calc weigh: " << message << "\nRun 'tarvix-calc --help' for usage.\n";
    return 1;
}

std::string ShapeChoices() {
    std::string list;
    for (int id = 1; id <= kShapeCount; ++id) {
        list += "  " + std::to_string(id) + "  " + Lower(std::string(Shape(id).itemName)) + "\n";
    }
    return list + "  volume, weight  (a known volume or weight)\n";
}

bool ParseInt(const std::string& text, int& value) {
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size();
}

// Resolves SHAPE; false when it names nothing.
bool ParseShape(const std::string& text, WeighRequest& request) {
    const std::string name = Lower(text);
    if (name == "volume") {
        request.modeOption = ids::kKnownVolumeMode;
        return true;
    }
    if (name == "weight") {
        request.modeOption = ids::kKnownWeightMode;
        return true;
    }
    int id = 0;
    if (ParseInt(name, id)) {
        request.shape = id >= 1 && id <= kShapeCount ? id : 0;
        return request.shape != 0;
    }
    for (id = 1; id <= kShapeCount; ++id) {
        if (Lower(std::string(Shape(id).itemName)) == name) {
            request.shape = id;
            return true;
        }
    }
    return false;
}

// Finds --section in the families; the shape, if given, must be the one the family belongs to.
std::string ResolveSection(bool shape_given, WeighRequest& request) {
    std::optional<SectionTable> option;
    if (shape_given && IsStructural(request.shape)) option = StructuralTable(request.shape);
    SectionLookup found = FindSection(*request.section, option);
    // A designation of another shape's family is refused below as belonging elsewhere.
    if (!found.Found() && option) {
        if (const SectionLookup anywhere = FindSection(*request.section); anywhere.Found())
            found = anywhere;
    }
    request.section_refused = true;
    if (!found.Found()) return found.refusal;
    const SectionFamily& family = *found.match.family;
    const int shape = StructuralShape(family.option);
    if (shape_given && request.shape != shape) {
        const std::string given =
            request.shape ? Lower(std::string(Shape(request.shape).itemName)) : "a known value";
        return Echoed(*request.section) + " belongs with " +
               Lower(std::string(Shape(shape).itemName)) + ", not " + given;
    }
    request.section_refused = false;
    request.shape = shape;
    request.sectionFamily = static_cast<int>(&family - OptionFamilies(family.option).data());
    request.sectionRow = found.match.row;
    return "";
}

// Parses the arguments after "weigh"; an empty string on success, otherwise what is wrong.
std::string ParseRequest(const std::vector<std::string>& args, WeighRequest& request) {
    if (args.empty()) return "a SHAPE is needed; the shapes are:\n" + ShapeChoices();
    // With --section the shape follows from the designation and may be left out.
    const bool shape_given = args[0].rfind("--", 0) != 0;
    if (shape_given && !ParseShape(args[0], request)) {
        return "unknown shape " + Echoed(args[0]) + "; the shapes are:\n" + ShapeChoices();
    }
    for (std::size_t i = shape_given ? 1 : 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            request.commits.push_back(arg);
            continue;
        }
        std::string option = arg;
        std::string value;
        if (const std::size_t eq = arg.find('='); eq != std::string::npos) {
            option = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return "option " + Echoed(arg) + " needs a value";
        }
        if (option == "--units") {
            if (std::string problem = ParseUnits(value, request.units); !problem.empty())
                return problem;
        } else if (option == "--decimals") {
            if (std::string problem = ParseDecimals(value, request.decimals); !problem.empty())
                return problem;
        } else if (option == "--material") {
            request.material = value;
        } else if (option == "--density") {
            request.density = value;
        } else if (option == "--quantity") {
            request.quantity = value;
        } else if (option == "--row") {
            int row = 0;
            if (!ParseInt(value, row)) return "--row needs a whole number, not " + Echoed(value);
            request.row = row;
        } else if (option == "--section") {
            request.section = value;
        } else {
            return "unknown option " + Echoed(option) +
                   "; the options are --units, --decimals, --material, --density, --quantity, "
                   "--row, --section";
        }
    }
    if (request.material && request.density) return "give --material or --density, not both";
    if (request.section) {
        if (request.row) return "give --section or --row, not both";
        return ResolveSection(shape_given, request);
    }
    if (!shape_given) return "a SHAPE is needed; the shapes are:\n" + ShapeChoices();
    if (request.row && !IsStructural(request.shape)) {
        return "--row goes with pipe, angle, channel and i-beam only";
    }
    return "";
}

// Finds a catalogue material by name in any letter case: its family option and list index.
bool FindMaterial(const std::string& name, int& family_option, int& index) {
    const std::string wanted = Lower(name);
    const std::pair<Family, int> families[] = {{Family::kMetal, ids::kFamilyMetal},
                                               {Family::kPlastic, ids::kFamilyPlastic},
                                               {Family::kWood, ids::kFamilyWood},
                                               {Family::kOther, ids::kFamilyOther}};
    for (const auto& [family, option] : families) {
        const auto materials = FamilyMaterials(family);
        for (std::size_t i = 0; i < materials.size(); ++i) {
            if (Lower(std::string(materials[i].name)) == wanted) {
                family_option = option;
                index = static_cast<int>(i);
                return true;
            }
        }
    }
    return false;
}

std::string MaterialChoices() {
    std::string list;
    for (Family family : {Family::kMetal, Family::kPlastic, Family::kWood, Family::kOther}) {
        for (const Material& m : FamilyMaterials(family))
            list += "  " + std::string(m.name) + "\n";
    }
    return list;
}

}  // namespace

std::string ParseUnits(const std::string& value, std::string& units) {
    const std::string unit = Lower(value);
    if (unit != "inches" && unit != "feet" && unit != "millimeters" && unit != "meters") {
        return "unknown unit " + Echoed(value) + "; the units are " + std::string(kUnitChoices);
    }
    units = unit;
    return "";
}

std::string ParseDecimals(const std::string& value, std::string& decimals) {
    if (value != "1" && value != "2" && value != "3") {
        return "decimals must be 1, 2 or 3, not " + Echoed(value);
    }
    decimals = value;
    return "";
}

std::string MissingPartText(const Calculator& calc, const WeighRequest& request) {
    if (request.modeOption == 0) {
        std::vector<int> missing;
        for (int k = 1; k <= Shape(request.shape).requiredInputs; ++k) {
            if (!calc.Part().defined[static_cast<std::size_t>(k - 1)]) missing.push_back(k);
        }
        return missing.empty() ? "no result" : MissingInputsText(request.shape, missing);
    }
    return calc.Part().knownWeight ? "the known weight is missing" : "the known volume is missing";
}

std::string ParseWeighRequest(const std::vector<std::string>& args, WeighRequest& request) {
    if (std::string problem = ParseRequest(args, request); !problem.empty()) return problem;
    if (request.material &&
        !FindMaterial(*request.material, request.familyOption, request.materialIndex)) {
        return "unknown material " + Echoed(*request.material) + "; the materials are:\n" +
               MaterialChoices();
    }
    return "";
}

std::string TypePart(Application& app, HeadlessDesktop& desktop, const WeighRequest& request,
                     std::vector<std::string>& refusals) {
    auto& window = static_cast<HeadlessWindow&>(app.MainWindow());
    Calculator& calc = app.Calc();
    Driver user(desktop, window);

    if (request.modeOption != 0) {
        user.Click(request.modeOption);
    } else {
        user.Click(Shape(request.shape).optionControl);
    }
    if (request.row) {
        const int rows = window.ListCount(ids::kSectionList);
        if (*request.row < 0 || *request.row >= rows) {
            return "--row must be from 0 to " + std::to_string(rows - 1);
        }
        user.Pick(ids::kSectionList, *request.row);
    }
    if (request.section) {
        user.Pick(ids::kSectionFamily, request.sectionFamily);
        user.Pick(ids::kSectionList, request.sectionRow);
    }

    // A refused value leaves the window computing with what it had before (the catalogue
    // density, quantity 1): a script must not take that for an answer.
    std::string refused_input;  // the first input whose value was refused
    auto report = [&](const std::string& field) {
        if (calc.LastCommitError() == EvalError::kNone) return;
        refusals.push_back(field + ": " + std::string(ErrorText(calc.LastCommitError())));
        if (refused_input.empty() && field.rfind("input", 0) == 0) refused_input = field;
    };
    if (request.material) {
        user.Click(request.familyOption);
        user.Pick(ids::kMaterialList, request.materialIndex);
    } else if (request.density) {
        user.Click(ids::kFamilyUser);
        user.Type(ids::kDensityEntry, *request.density);
        report("density");
    }
    if (request.quantity) {
        user.Type(ids::kQuantity, *request.quantity);
        report("quantity");
    }

    const bool known_mode = request.modeOption != 0;
    const int input_count = known_mode ? 0 : Shape(request.shape).inputCount;
    int last = IsStructural(request.shape) ? 3 : 0;
    for (const std::string& commit : request.commits) {
        if (known_mode && !(commit.size() >= 2 && commit[1] == ':')) {
            user.Type(ids::kKnownValue, commit);
            report("known");
            continue;
        }
        int k = last + 1;
        std::string text = commit;
        if (commit.size() >= 2 && commit[1] == ':' && commit[0] >= '1' && commit[0] <= '6') {
            k = commit[0] - '0';
            text = commit.substr(2);
        }
        if (k > 6 || k > input_count) {
            return "there is no input " + std::to_string(k) + " to take " + Echoed(text) +
                   ": this shape takes " + std::to_string(input_count) + " input(s)";
        }
        if (!window.IsEnabled(ids::kInput[k - 1])) {
            if (refused_input.empty()) {
                return "input " + std::to_string(k) +
                       " is not open for typing yet; commit the inputs before it first";
            }
            // Still closed because an earlier value was refused: that refusal is the failure.
            refusals.push_back("input" + std::to_string(k) + ": not typed, as " + refused_input +
                               " was refused");
            break;
        }
        user.Type(ids::kInput[k - 1], text);
        report("input" + std::to_string(k));
        last = k;
    }
    return "";
}

int RunWeigh(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    // --json changes only how the answer is printed, so it is taken out before the part's own
    // options are read.
    std::vector<std::string> part_args;
    bool json = false;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            json = true;
        } else {
            part_args.push_back(arg);
        }
    }
    WeighRequest request;
    if (const std::string problem = ParseWeighRequest(part_args, request); !problem.empty()) {
        if (request.section_refused) {
            err << "tarvix-calc weigh: " << problem << "\n";
            return 2;
        }
        return Usage(err, problem);
    }

    HeadlessDesktop desktop;
    const Settings settings{{"assemblytracker=on", "weightunits=" + request.units,
                             "weightdecimals=" + request.decimals}};
    Application app(desktop, settings);
    app.Handler().KeepAccessibleNames(false);
    auto& window = static_cast<HeadlessWindow&>(app.MainWindow());
    std::vector<std::string> refusals;
    const std::string problem = TypePart(app, desktop, request, refusals);
    for (const std::string& refusal : refusals)
        err << refusal << "\n";
    // A limited value is still an answer: its notice goes to standard error, the exit stays.
    const std::pair<const char*, int> noted[] = {
        {"density", ids::kDensityEntry}, {"quantity", ids::kQuantity}, {"known", ids::kKnownValue},
        {"input1", ids::kInput[0]},      {"input2", ids::kInput[1]},   {"input3", ids::kInput[2]},
        {"input4", ids::kInput[3]},      {"input5", ids::kInput[4]},   {"input6", ids::kInput[5]}};
    for (const auto& [field, id] : noted) {
        const HeadlessWindow::Control* c = window.Find(id);
        if (c && !c->notice.empty() && c->textColour != colour::kRed)
            err << field << ": " << c->notice << "\n";
    }
    if (!problem.empty()) return Usage(err, problem);

    const std::vector<WeighField> fields =
        WeighFields(app, request.modeOption != 0 ? 0 : request.shape);
    if (json) {
        JsonObject object;
        for (const WeighField& field : fields)
            object.Field(field.key, field.shown, field.value);
        out << object.Line();
    } else {
        for (const WeighField& field : fields)
            out << field.key << "=" << field.shown << "\n";
    }
    const bool blank = window.GetText(ids::kVolume) == " ";
    if (blank && refusals.empty()) {
        err << "not fully defined: " << MissingPartText(app.Calc(), request) << "\n";
    }
    return !refusals.empty() || blank ? 2 : 0;
}

}  // namespace tarvix
