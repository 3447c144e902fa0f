#pragma once

// The state of a drop-down picker button (colour or line style) and what it
// tells its owner as its popup answers: the button's value, whether it is
// drawn pressed ("dropped") and whether a popup is open. Each answer of the
// popup gives the notices for the owner, in order, and whether the popup is
// to be closed:
// - Selected after a preview (colour only) and after a choice;
// - Cancel after a cancel (Escape, or "More Colors" cancelled);
// - Changed after them when, and only when, the button's value changed.
// A preview and a choice change the value only while the popup is open; an
// answer that comes after the popup closed is passed on unchanged.

#include "WinTypes.h"

#include <optional>
#include <vector>

struct DropButtonNotice {
    enum Kind { Selected, Cancel, Changed };
    Kind kind;
    DWORD value;
    bool operator==(const DropButtonNotice&) const = default;
};

class DropButtonState {
public:
    struct Outcome {
        std::vector<DropButtonNotice> notices;
        bool closePopup = false;
    };

    DWORD getValue() const { return m_value; }
    void setValue(DWORD value) { m_value = value; }
    bool isDropped() const { return m_dropped; }
    bool isPopupOpen() const { return m_popupOpen; }

    // The popup is being made; then whether that worked. A popup that could
    // not be made leaves the button as it was, not pressed.
    void opening() { m_dropped = true; }
    void opened(bool created);

    // The palette previewed a value (an arrow key) and stays open.
    Outcome preview(DWORD value);
    // The palette chose a value (a click, Enter, a click outside).
    Outcome choice(DWORD value);
    // The palette was cancelled with its current value.
    Outcome cancelled(DWORD value);
    // The line-style palette's extra row was released: the value is taken
    // without a Selected notice.
    Outcome closed(DWORD value);
    // "Custom..." was released: the button is no longer pressed while
    // "More Colors" runs; then the colour it gave, or none when cancelled
    // (the button keeps its colour).
    void customStarted() { m_dropped = false; }
    Outcome customEnded(std::optional<DWORD> chosen);

private:
    // Ends the drop-down: the popup is closed when one is open, taking the
    // value.
    Outcome close(DWORD value, std::optional<DropButtonNotice::Kind> notice);
    void addChanged(Outcome& outcome, DWORD old) const;

    DWORD m_value = 0;
    bool m_dropped = false;
    bool m_popupOpen = false;
};
