// The flowchart editor on a 1000 x 1000 paper with its grid, 500 shapes and
// 600 links: a full repaint of the window (targets: at most 16 ms; the grid
// comes from a cached tile) and the hit tests of a click, among the entities
// and the links (at most 1 ms). Headless, painted offscreen as the canvas
// paints on screen:
//   build/bin/bench_diagram_editor [shapes...]

#include "BenchReport.h"
#include "CFlowchartEditor.h"
#include "CFlowchartEntityBox.h"
#include "CFlowchartEntityCircle.h"
#include "CFlowchartEntityCondition.h"
#include "CFlowchartEntityContainer.h"
#include "CFlowchartEntityTerminator.h"
#include "CFlowchartLabel.h"
#include "DiagramDC.h"
#include "DiagramPicture.h"
#include "EditorWindow.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kPaper = 1000;

// A window of the paper's size that paints nothing by itself.
class BenchWindow : public EditorWindow {
public:
    bool exists() const override { return true; }
    CSize getClientSize() const override { return CSize(kPaper, kPaper); }
    EditorScrollBar getScrollBar(int bar) const override { return m_bars[bar]; }
    void setScrollBar(int bar, bool shown, int max, int page) override {
        m_bars[bar] = {shown, max, page, 0};
    }
    void setScrollPos(int, int) override {}
    void redraw() override {}
    void setRedraw(bool) override {}
    void captureMouse() override {}
    void releaseMouse() override {}
    bool hasCapture() const override { return false; }
    void setCursor(DiagramCursor) override {}
    CPoint getCursorPos() const override { return CPoint(); }
    CPoint clientToScreen(CPoint point) const override { return point; }
    void setTimer(UINT, int) override {}
    void killTimer(UINT) override {}
    UINT trackPopupMenu(const DiagramMenu&, int, int) override { return 0; }
    void setFocus() override {}
    bool isKeyDown(UINT) const override { return false; }

private:
    EditorScrollBar m_bars[2];
};

// Shapes of every kind on a grid of cells, 25 to a row.
std::unique_ptr<CDiagramEntity> makeShape(int i) {
    std::unique_ptr<CDiagramEntity> shape;
    switch (i % 5) {
    case 0:
        shape = std::make_unique<CFlowchartEntityBox>();
        break;
    case 1:
        shape = std::make_unique<CFlowchartEntityCircle>();
        break;
    case 2:
        shape = std::make_unique<CFlowchartEntityTerminator>();
        break;
    case 3:
        shape = std::make_unique<CFlowchartEntityCondition>();
        break;
    default: {
        auto label = std::make_unique<CFlowchartLabel>();
        label->setTitle(CString("Step ") + std::to_string(i).c_str());
        shape = std::move(label);
    }
    }
    const int column = i % 25, row = i / 25;
    const double left = 4 + column * 40, top = 4 + row * 49;
    shape->setRect(left, top, left + 32, top + 32);
    return shape;
}

// Links between the linkable shapes (terminators, decisions, labels): each
// to the next one, then to the one after it, and so on until there are as
// many as wanted; links of every kind, some with a label, some with bend
// points.
void linkShapes(CFlowchartEntityContainer& container, int wanted) {
    std::vector<CFlowchartEntity*> linkable;
    for (int i = 0; i < container.getSize(); ++i)
        if (auto* entity = dynamic_cast<CFlowchartEntity*>(container.getAt(i));
            entity && entity->getAllowedLinks())
            linkable.push_back(entity);
    for (size_t step = 1; step < linkable.size() && container.getLinkCount() < wanted; ++step)
        for (size_t i = 0; i + step < linkable.size() && container.getLinkCount() < wanted; ++i) {
            if (!container.createLink(linkable[i], linkable[i + step], i % 4 == 0 ? "yes" : ""))
                continue;
            CFlowchartLink* link = container.getLinkAt(container.getLinkCount() - 1);
            link->setLinkKind(static_cast<int>(i % 11));
            if (i % 7 == 0)
                link->addIntermediaryPoint(linkable[i]->getLinkPosition(LINK_BOTTOM) + CSize(0, 8));
        }
}

void run(int shapes) {
    CFlowchartEntityContainer container;
    container.setVirtualSize(CSize(kPaper, kPaper));
    for (int i = 0; i < shapes; ++i)
        container.add(makeShape(i));
    linkShapes(container, shapes * 6 / 5);
    BenchWindow window;
    CFlowchartEditor editor;
    editor.create(&window, CRect(0, 0, kPaper, kPaper), &container);
    editor.showGrid(TRUE);

    DiagramPicture picture(kPaper, kPaper, RGB(255, 255, 255));
    {
        DiagramDC warm(picture);
        editor.paint(warm); // fonts resolved, the grid's tile made
    }
    const double repaint = bestOf(5, [&] {
        BenchTimer timer;
        DiagramDC dc(picture);
        editor.paint(dc);
        dc.flush();
        return timer.seconds();
    });
    benchReport("full repaint, grid, shapes and " + std::to_string(container.getLinkCount()) + " links",
                shapes, repaint, "shapes");

    editor.showGrid(FALSE);
    const double withoutGrid = bestOf(5, [&] {
        BenchTimer timer;
        DiagramDC dc(picture);
        editor.paint(dc);
        dc.flush();
        return timer.seconds();
    });
    benchReport("full repaint, shapes and links only", shapes, withoutGrid, "shapes");
    editor.showGrid(TRUE);

    // A click on empty paper walks every entity's hit test, top down.
    const CPoint empty(990, 990);
    const double emptyClick = bestOf(20, [&] {
        BenchTimer timer;
        editor.OnLButtonDown(editorinput::MK_LBUTTON, empty);
        editor.OnLButtonUp(0, empty);
        return timer.seconds();
    });
    benchReport("click on empty paper", shapes, emptyClick, "shapes");

    // A click on the bottom entity: the whole walk, then its selection
    // and the move's undo snapshot.
    const CPoint first(20, 20);
    const double entityClick = bestOf(20, [&] {
        BenchTimer timer;
        editor.OnLButtonDown(editorinput::MK_LBUTTON, first);
        editor.OnLButtonUp(0, first);
        return timer.seconds();
    });
    benchReport("click on the bottom entity (with snapshot)", shapes, entityClick, "shapes");
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        run(500);
        return 0;
    }
    for (int i = 1; i < argc; ++i)
        run(std::atoi(argv[i]));
    return 0;
}
