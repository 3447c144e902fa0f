// Moving items by dragging them in the main window's tree with the mouse:
// the first drag of a session drops, every drag drops the item dragged, and
// the tree's menu still opens afterwards.

#include "CMoveMenuItem.h"
#include "ShownMainWindow.h"

#include <wx/uiaction.h>

using namespace realevents;

namespace {

class TreeDragTest : public ShownMainWindow {
protected:
    // Drags one node onto another, answers the move dialog with OK (the
    // item goes below the one it was dropped on) and checks what it asked.
    void dragBelow(const char* moved, const char* reference, const char* picture = nullptr) {
        EventScript script;
        script
            .step(
                std::string("the move dialog for ") + moved,
                [] { return dynamic_cast<CMoveMenuItem*>(topModalDialogUp()) != nullptr; },
                [moved, reference] {
                    auto* dialog = dynamic_cast<CMoveMenuItem*>(topModalDialog());
                    EXPECT_EQ(dialog->m_moveName, moved);
                    EXPECT_EQ(dialog->m_referenceName, reference);
                    click(centreOf(*dialog->FindWindow(wxID_OK)));
                })
            .step(
                "the move dialog closed", [] { return !topModalDialog(); }, [] {});
        script.start();
        drag(nodeCentre(moved), nodeCentre(reference), [this, picture] {
            if (picture) {
                // The tree has repainted where the picture was before.
                handlePending();
                saveScreen(picture, m_dir.path());
            }
        });
        EXPECT_TRUE(script.waitForEnd()) << "stopped at: " << script.failure();
        EXPECT_TRUE(waitUntil([moved, reference, this] { return placeOf(moved) == placeOf(reference) + 1; }))
            << moved << " was not moved below " << reference;
        EXPECT_EQ(wxWindow::GetCapture(), nullptr) << "the tree still holds the mouse";
    }
};

TEST_F(TreeDragTest, EachDragMovesTheItemDraggedFromTheFirstOneOn) {
    dragBelow("Site map", "Home", "tree-during-a-drag");
    dragBelow("Process overview", "Home");
    EXPECT_EQ(placeOf("Process overview"), 2);
    EXPECT_EQ(placeOf("Site map"), 3);

    // The tree's menu opens on the item under the pointer and closes again.
    EventScript menu;
    menu.step("the tree's menu", menuShown, [] { press(WXK_ESCAPE); });
    menu.start();
    rightClick(nodeCentre("Glossary"));
    EXPECT_TRUE(menu.waitForEnd()) << "stopped at: " << menu.failure();
    EXPECT_TRUE(waitUntil([] { return !menuShown(); }));
}

} // namespace
