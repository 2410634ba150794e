#include "assembly/io/parts_list_lines.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

#include "assembly/assembly_operations.h"
#include "core/expression_evaluator.h"
#include "core/material_catalogue.h"
#include "core/shape_catalogue.h"

namespace tarvix {
namespace {

constexpr std::string_view kHeader = "# Tarvix parts list";
// The quantity field takes 1 to 10000; QTY+ and QTY- reach the others.
constexpr int kMaxTypedQuantity = 10000;
constexpr std::string_view kUserMaterial = "user";

char LowerChar(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// A word as the parts-list reader splits it: quoted when it holds a blank or a bar.
std::string Word(std::string_view text) {
    if (!text.empty() && text.find_first_of(" \t|") == std::string_view::npos) {
        return std::string(text);
    }
    return "\"" + std::string(text) + "\"";
}

int ShapeOfItem(std::string_view item_name) {
    for (int id = 1; id <= kShapeCount; ++id) {
        if (Shape(id).itemName == item_name) return id;
    }
    return 0;
}

bool ReadsExactly(const std::string& text, double value) {
    const Evaluation read = EvaluateFieldText(text);
    return read.Ok() && read.value == value;
}

// The slot of the item that stores working dimension `dim`, -1 when none does.
int SlotOf(std::string_view item_name, Dim dim) {
    if (dim == kDimCount) return -1;  // a section row's dimension, never typed
    std::array<double, kDimCount> probe{};
    probe[static_cast<std::size_t>(dim)] = 1.0;
    const std::array<double, 6> slots = DimensionSlots(item_name, probe);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (slots[i] == 1.0) return static_cast<int>(i);
    }
    return -1;
}

// "--row N" for a section of the built-in table, else the designation itself.
std::string SectionOption(int shape, const AssemblyItem& item) {
    const auto rows = SectionRows(StructuralTable(shape));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (SectionDescription(item.itemName, rows[r].designation) == item.description) {
            return " --row " + std::to_string(r);
        }
    }
    // A section chosen by designation from a family rather than a built-in row.
    return " --section " + Word(item.description);
}

}  // namespace

bool IsPartsListPath(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || path.size() - dot - 1 != kPartsListExtension.size()) {
        return false;
    }
    for (std::size_t i = 0; i < kPartsListExtension.size(); ++i) {
        if (LowerChar(path[dot + 1 + i]) != kPartsListExtension[i]) return false;
    }
    return path.find('/', dot) == std::string_view::npos;
}

std::string ExactFieldText(double value) {
    if (!std::isfinite(value)) return "0";
    char buffer[512];
    const auto shortest =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (shortest.ec == std::errc()) {
        std::string text(buffer, shortest.ptr);
        if (ReadsExactly(text, value)) return text;
    }
    // The field sums a decimal's digits one by one, which can miss the last bit; a whole number
    // below 2^53 and a division by a power of two below it are both exact.
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);
    auto mantissa = static_cast<std::int64_t>(std::ldexp(fraction, 53));
    int shift = 53 - exponent;
    while (shift > 0 && mantissa % 2 == 0) {
        mantissa /= 2;
        --shift;
    }
    std::string text = (value < 0 ? "-" : "") + std::to_string(mantissa);
    constexpr int kStep = 50;
    for (; shift > 0; shift -= kStep) {
        text += "/" + std::to_string(std::int64_t{1} << (shift < kStep ? shift : kStep));
    }
    return text;
}

std::string PartsListLine(const AssemblyItem& item) {
    const int shape = ShapeOfItem(item.itemName);
    std::string name(item.itemName);
    for (char& c : name)
        c = LowerChar(c);
    std::string line = Word(name) + " --units inches";
    if (item.materialName == kUserMaterial) {
        line += " --density " + ExactFieldText(item.density);
    } else {
        line += " --material " + Word(item.materialName);
    }
    const int typed_quantity =
        item.quantity < 1 ? 1
                          : (item.quantity > kMaxTypedQuantity ? kMaxTypedQuantity : item.quantity);
    line += " --quantity " + std::to_string(typed_quantity);
    if (shape != 0 && IsStructural(shape)) line += SectionOption(shape, item);
    if (shape != 0) {
        const ShapeInfo& info = Shape(shape);
        for (int k = 1; k <= info.inputCount; ++k) {
            const int slot = SlotOf(item.itemName, info.inputs[k - 1].stores);
            if (slot >= 0) line += " " + ExactFieldText(item.dims[static_cast<std::size_t>(slot)]);
        }
    }
    for (int q = typed_quantity; q < item.quantity; ++q)
        line += " | qty+";
    if (item.quantity < typed_quantity) line += " | qty-";
    if (item.savedWeight < 0) line += " | cavity";
    if (item.itemWeight == 0 && item.savedWeight != 0) line += " | zero";
    return line;
}

std::string PartsListBytes(const AssemblyList& list) {
    std::string bytes = std::string(kHeader) + "\n";
    for (int i = 0; i < list.Count(); ++i)
        bytes += PartsListLine(list.items[static_cast<std::size_t>(i)]) + "\n";
    return bytes;
}

}  // namespace tarvix
