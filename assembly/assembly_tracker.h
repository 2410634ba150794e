#pragma once

#include "assembly/assembly_list.h"
#include "assembly/assembly_view.h"
#include "core/calculator.h"
#include "platform/desktop.h"

namespace tarvix {

// The assembly tracker: the list of parts the user has collected, the tracker panel of the main
// window that shows the selected item and the totals, and the view window. The main window's
// handler calls one operation per button; each takes the current item from the assembly item
// list's selection and leaves the panel and an open view showing what the list holds.
class AssemblyTracker : public DisplayListener {
  public:
    AssemblyTracker(Desktop& desktop, TopLevelWindow& main_window, Calculator& calculator);

    // The buttons of the tracker panel.
    void AddCurrentPart();     // ITEM+
    void RemoveCurrentItem();  // ITEM-
    void IncreaseQuantity();   // QTY+
    void DecreaseQuantity();   // QTY-
    void MakeSolid();          // SOLID
    void MakeCavity();         // CAVITY
    void ToggleZero();         // ZERO
    void ClearAssembly();      // CLEAR, after asking
    void ShowView();           // VIEW
    // Any notification of the assembly item list: shows the selected item.
    void ItemDisplay();
    // At the end of the program.
    void CloseView() { view_.Close(); }

    const AssemblyList& List() const { return list_; }
    AssemblyView& View() { return view_; }

    // Whether the list holds items changed since they were last saved.
    bool Unsaved() const { return changed_ && !list_.Empty(); }
    // Called once the list has been written out whole.
    void MarkSaved() { changed_ = false; }
    // Takes the items of an opened parts list in place of the current ones, as ITEM+ would have
    // shown them, the last one current; the list counts as saved.
    void ReplaceList(const AssemblyList& list);

    // Unit or decimals changes: the view follows at once, the panel while the window is
    // rewritten.
    void DisplaySettingsChanged(Unit unit, int decimals) override;
    void Redisplay(Unit unit, int decimals) override;

  private:
    int TakeCurrentIndex();
    void ItemColouring();
    void RefreshView();
    void EmptyPanel();
    // After an operation changed the list.
    void Changed();

    Desktop& desktop_;
    TopLevelWindow& window_;
    Calculator& calc_;
    AssemblyList list_;
    AssemblyView view_;
    bool changed_ = false;
};

}  // namespace tarvix
