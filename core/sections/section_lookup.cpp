#include "core/sections/section_lookup.h"

#include <cmath>
#include <vector>

namespace tarvix {
namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool IsHollow(std::string_view prefix) {
    return prefix == "HSS" || prefix == "RHS" || prefix == "SHS" || prefix == "CHS" ||
           prefix == "PIPE";
}

// A size answers the typed key when the letters agree and every number does; metric W names
// may leave out the flange width ("W310X38.7" for "W310x165x38.7").
bool Answers(const DesignationKey& size, const DesignationKey& typed) {
    if (size.prefix != typed.prefix || size.suffix != typed.suffix) return false;
    const bool hot = size.standard == "EN10210";
    if (typed.standard == "EN10210" && !hot && size.prefix != "CHS") return false;
    if (typed.standard != "EN10210" && hot) return false;
    const auto& a = size.numbers;
    const auto& b = typed.numbers;
    if (a.size() == b.size()) {
        for (std::size_t i = 0; i < a.size(); ++i)
            if (!SameNumber(b[i], a[i])) return false;
        return true;
    }
    return size.prefix == "W" && a.size() == 3 && b.size() == 2 && SameNumber(b[0], a[0]) &&
           SameNumber(b[1], a[2]);
}

// The letters a typed designation may carry: "HE 200 A" is "HEA 200"; bare numbers are angles
// or bar-size channels.
std::vector<DesignationKey> Spellings(DesignationKey key) {
    if (key.prefix == "HE" && (key.suffix == "A" || key.suffix == "B" || key.suffix == "M")) {
        key.prefix += key.suffix;
        key.suffix.clear();
    }
    if (!key.prefix.empty()) return {key};
    DesignationKey angle = key, channel = key;
    angle.prefix = "L";
    channel.prefix = "C";
    return {angle, channel};
}

// Which impossible wall the numbers describe, if any.
std::string ImpossibleWall(const DesignationKey& key) {
    if (!IsHollow(key.prefix) || key.prefix == "PIPE" || key.numbers.size() < 2) return "";
    const double wall = key.numbers.back();
    double side = key.numbers[0];
    for (std::size_t i = 0; i + 1 < key.numbers.size(); ++i)
        side = std::fmin(side, key.numbers[i]);
    if (wall <= 0) return "its wall is 0";
    if (2 * wall >= side) return "its wall is half the side or more";
    return "";
}

struct Candidate {
    const FamilySize* size;
    double distance;
};

// The listed sizes nearest to the typed one: those that share all but its last number, just
// below and just above it; failing that, the two closest overall.
std::string Nearest(const std::vector<const FamilySize*>& sizes, const DesignationKey& typed) {
    const FamilySize* below = nullptr;
    const FamilySize* above = nullptr;
    const double last = typed.numbers.back();
    for (const FamilySize* size : sizes) {
        const auto& n = size->key.numbers;
        if (n.size() != typed.numbers.size() && !(n.size() == 3 && typed.numbers.size() == 2))
            continue;
        bool leading = true;
        for (std::size_t i = 0; i + 1 < typed.numbers.size(); ++i)
            leading = leading && SameNumber(typed.numbers[i], n[i]);
        if (!leading) continue;
        if (n.back() < last && (!below || n.back() > below->key.numbers.back())) below = size;
        if (n.back() > last && (!above || n.back() < above->key.numbers.back())) above = size;
    }
    std::vector<const FamilySize*> picked;
    if (below) picked.push_back(below);
    if (above) picked.push_back(above);
    if (picked.empty()) {
        std::vector<Candidate> all;
        for (const FamilySize* size : sizes) {
            double d = 0;
            const auto& n = size->key.numbers;
            for (std::size_t i = 0; i < std::min(n.size(), typed.numbers.size()); ++i)
                d += std::fabs(std::log((n[i] + 1e-9) / (typed.numbers[i] + 1e-9))) *
                     (i == 0 ? 4 : 1);
            all.push_back({size, d});
        }
        for (int k = 0; k < 2 && !all.empty(); ++k) {
            auto best = all.begin();
            for (auto it = all.begin(); it != all.end(); ++it)
                if (it->distance < best->distance) best = it;
            picked.push_back(best->size);
            all.erase(best);
        }
    }
    std::string text;
    for (const FamilySize* size : picked) {
        std::string_view d = Trimmed(size->designation);
        text += (text.empty() ? "" : ", ") + std::string(d);
    }
    return text;
}

// Whether a family's designations may start with the letters, so that a lookup builds and
// searches only the families that can hold the designation.
bool MayHold(const SectionFamily& family, std::string_view prefix) {
    std::string_view letters = family.letters;
    while (!letters.empty()) {
        const std::size_t blank = letters.find(' ');
        if (letters.substr(0, blank) == prefix) return true;
        if (blank == std::string_view::npos) break;
        letters.remove_prefix(blank + 1);
    }
    return false;
}

std::string FamilyPrefixes() {
    return "W, WT, HP, IPE, IPN, HEA, HEB, HEM, S, C, MC, UPN, UPE, L, PIPE, HSS, CHS, RHS, SHS";
}

}  // namespace

SectionLookup FindSection(std::string_view raw, std::optional<SectionTable> option) {
    const std::string text(Trimmed(raw));
    // A refusal names the designation, but not a screenful of it; cut before a character.
    std::string name = text;
    if (name.size() > 60) {
        std::size_t cut = 57;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
            --cut;
        name = name.substr(0, cut) + "...";
    }
    SectionLookup result;
    const auto key = ReadDesignation(text);
    if (!key) {
        result.refusal =
            "'" + name + "' is not a section designation; the families are " + FamilyPrefixes();
        return result;
    }
    const std::vector<DesignationKey> spellings = Spellings(*key);
    std::vector<const FamilySize*> related;
    const SectionFamily* related_family = nullptr;
    for (const DesignationKey& typed : spellings) {
        for (const SectionFamily& family : SectionFamilies()) {
            if (!MayHold(family, typed.prefix) || (option && family.option != *option)) continue;
            const auto sizes = FamilySizes(family);
            for (std::size_t row = 0; row < sizes.size(); ++row) {
                const DesignationKey& listed = sizes[row].key;
                if (Answers(listed, typed)) {
                    result.match = {&family, static_cast<int>(row)};
                    return result;
                }
                const bool hot_listed = listed.standard == "EN10210";
                const bool hot_typed = typed.standard == "EN10210";
                if (listed.prefix == typed.prefix && listed.suffix == typed.suffix &&
                    (hot_listed == hot_typed || listed.prefix == "CHS")) {
                    if (!related_family) related_family = &family;
                    related.push_back(&sizes[row]);
                }
            }
        }
    }
    if (std::string wall = ImpossibleWall(spellings.front()); !wall.empty()) {
        result.refusal = name + " is impossible: " + wall;
        return result;
    }
    if (!related_family) {
        result.refusal = name + " names no section family; the families are " + FamilyPrefixes();
        return result;
    }
    result.refusal = name + " is not " + std::string(related_family->noun) +
                     "; nearest: " + Nearest(related, spellings.front());
    return result;
}

}  // namespace tarvix
