#include "assembly/assembly_tracker.h"

#include "assembly/assembly_operations.h"
#include "assembly/tracker_texts.h"
#include "core/control_ids.h"
#include "core/missing_inputs.h"
#include "core/section_tables.h"
#include "core/shape_catalogue.h"

namespace tarvix {
namespace {

constexpr const char* kNotDefined = "Shape Not Fully Defined";
constexpr const char* kFull = "Assembly Is Full (50 Items)";

constexpr int kValueFields[] = {ids::kItemMaterial,  ids::kItemQuantity, ids::kItemVolume,
                                ids::kItemWeight,    ids::kGroupWeight,  ids::kAssemblyWeight,
                                ids::kAssemblyVolume};

// The shape whose inputs the item name asks for, also while a known value stands in for it.
int ItemShape(const CurrentPart& part) {
    for (int id = 1; id <= kShapeCount; ++id) {
        if (Shape(id).itemName == part.itemName) return id;
    }
    return 0;
}

Rgb TextColour(bool red) {
    return red ? colour::kRed : colour::kBlack;
}

}  // namespace

AssemblyTracker::AssemblyTracker(Desktop& desktop, TopLevelWindow& main_window,
                                 Calculator& calculator)
    : desktop_(desktop), window_(main_window), calc_(calculator), view_(desktop) {}

// A list that reports no selection is read as its first entry.
int AssemblyTracker::TakeCurrentIndex() {
    const int selected = window_.ListSelection(ids::kItemList);
    list_.currentIndex = selected < 0 ? 0 : selected;
    return list_.currentIndex;
}

void AssemblyTracker::ItemColouring() {
    const PanelColours colours = ItemPanelColours(list_, TakeCurrentIndex());
    for (int id : {ids::kItemWeight, ids::kItemVolume, ids::kGroupWeight})
        window_.SetColours(id, TextColour(colours.itemRed), colour::kInputBackground);
    for (int id : {ids::kAssemblyWeight, ids::kAssemblyVolume})
        window_.SetColours(id, TextColour(colours.assemblyRed), colour::kInputBackground);
}

void AssemblyTracker::ItemDisplay() {
    ItemColouring();
    if (list_.Empty()) return;
    const PanelTexts t =
        ItemPanelTexts(list_, list_.currentIndex, calc_.InputUnit(), calc_.Decimals());
    window_.SetText(ids::kItemMaterial, t.material);
    window_.SetText(ids::kItemQuantity, t.quantity);
    window_.SetText(ids::kItemVolume, t.itemVolume);
    window_.SetText(ids::kItemWeight, t.itemWeight);
    window_.SetText(ids::kGroupWeight, t.groupWeight);
    window_.SetText(ids::kAssemblyWeight, t.assemblyWeight);
    window_.SetText(ids::kAssemblyVolume, t.assemblyVolume);
}

void AssemblyTracker::EmptyPanel() {
    for (int id : kValueFields)
        window_.SetText(id, "");
}

void AssemblyTracker::RefreshView() {
    view_.Refresh(list_, calc_.InputUnit(), calc_.Decimals());
}

void AssemblyTracker::Changed() {
    changed_ = true;
    ItemDisplay();
    RefreshView();
}

void AssemblyTracker::AddCurrentPart() {
    calc_.UndefineEmptyInputs();
    const CurrentPart& part = calc_.Part();
    std::vector<int> missing;
    for (int k : RequiredInputs(part.itemName)) {
        if (!part.defined[static_cast<std::size_t>(k - 1)]) missing.push_back(k);
    }
    if (!missing.empty()) {
        ShowInfo(desktop_, &window_, kNotDefined, MissingInputsText(ItemShape(part), missing));
        return;
    }
    if (list_.Full()) {
        ShowInfo(desktop_, &window_, kFull);
        RefreshView();
        return;
    }
    AssemblyItem item;
    item.itemName = part.itemName;
    item.materialName = calc_.Material().name;
    item.density = calc_.Material().density;
    item.quantity = part.quantity;
    item.itemWeight = part.weight;
    item.itemVolume = part.volume;
    item.dims = DimensionSlots(part.itemName, part.dims);
    const SectionFamily* family = calc_.CurrentFamily();
    if (family && !family->built_in) {
        // Only the built-in pipe rows split into schedule and size; the others read as printed.
        if (const FamilySize* size = calc_.CurrentSize()) item.description = size->designation;
    } else if (IsStructural(part.shape)) {
        const auto rows = SectionRows(StructuralTable(part.shape));
        const int selected = window_.ListSelection(ids::kSectionList);
        const auto row = static_cast<std::size_t>(selected < 0 ? 0 : selected);
        if (row < rows.size())
            item.description = SectionDescription(part.itemName, rows[row].designation);
    }
    AddItem(list_, std::move(item));
    window_.ListAppend(ids::kItemList, ItemEntryText(list_.lastIndex, part.itemName, true));
    window_.ListSelect(ids::kItemList, list_.lastIndex);
    Changed();
}

void AssemblyTracker::RemoveCurrentItem() {
    if (!list_.Empty()) {
        RemoveItem(list_, TakeCurrentIndex());
        window_.ListClear(ids::kItemList);
        for (int i = 0; i < list_.Count(); ++i) {
            window_.ListAppend(
                ids::kItemList,
                ItemEntryText(i, list_.items[static_cast<std::size_t>(i)].itemName, false));
        }
        window_.ListSelect(ids::kItemList, 0);
        changed_ = true;
        ItemDisplay();
        // The panel must not go on showing a part, and totals, that are no longer there.
        if (list_.Empty()) EmptyPanel();
    }
    RefreshView();
}

void AssemblyTracker::IncreaseQuantity() {
    if (list_.Empty()) {
        ShowInfo(desktop_, &window_, kNoItemsMessage);
        return;
    }
    tarvix::IncreaseQuantity(list_, TakeCurrentIndex());
    Changed();
}

void AssemblyTracker::DecreaseQuantity() {
    // Nothing changes, and nothing is redrawn, at quantity 0 or without items.
    if (tarvix::DecreaseQuantity(list_, TakeCurrentIndex())) Changed();
}

void AssemblyTracker::MakeSolid() {
    if (tarvix::MakeSolid(list_, TakeCurrentIndex())) Changed();
}

void AssemblyTracker::MakeCavity() {
    if (tarvix::MakeCavity(list_, TakeCurrentIndex())) Changed();
}

void AssemblyTracker::ToggleZero() {
    if (tarvix::ToggleZero(list_, TakeCurrentIndex())) Changed();
}

void AssemblyTracker::ClearAssembly() {
    if (list_.Empty()) return;
    const MessageResult answer =
        desktop_.ShowMessage(&window_, "Really clear all assembly data?", "Clear Assembly Data",
                             MessageButtons::kYesNo, MessageIcon::kQuestion);
    if (answer != MessageResult::kYes) return;
    tarvix::ClearAssembly(list_);
    changed_ = true;
    window_.ListClear(ids::kItemList);
    window_.ListSelect(ids::kItemList, 0);
    EmptyPanel();
    view_.Close();
}

void AssemblyTracker::ReplaceList(const AssemblyList& list) {
    list_ = list;
    changed_ = false;
    window_.ListClear(ids::kItemList);
    for (int i = 0; i < list_.Count(); ++i) {
        window_.ListAppend(
            ids::kItemList,
            ItemEntryText(i, list_.items[static_cast<std::size_t>(i)].itemName, true));
    }
    window_.ListSelect(ids::kItemList, list_.Empty() ? 0 : list_.lastIndex);
    if (list_.Empty()) {
        EmptyPanel();
        view_.Close();
    }
    ItemDisplay();
    RefreshView();
}

void AssemblyTracker::ShowView() {
    if (view_.IsOpen()) {
        view_.Restore();
    } else if (list_.Empty()) {
        ShowInfo(desktop_, &window_, kNoItemsMessage);
    } else {
        view_.Open(list_, calc_.InputUnit(), calc_.Decimals());
    }
}

void AssemblyTracker::DisplaySettingsChanged(Unit unit, int decimals) {
    view_.Refresh(list_, unit, decimals);
}

void AssemblyTracker::Redisplay(Unit, int) {
    if (!list_.Empty()) ItemDisplay();
}

}  // namespace tarvix
