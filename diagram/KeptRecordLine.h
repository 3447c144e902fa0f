#pragma once

// The record line an entity or a link writes, made when first asked for and
// kept until the object changes (reset()), so that a save and the undo
// snapshots of an unchanged object share one string.

#include "CString.h"

#include <memory>

class KeptRecordLine {
public:
    template <class Make> const std::shared_ptr<const CString>& get(Make&& make) const {
        if (!m_line)
            m_line = std::make_shared<const CString>(make());
        return m_line;
    }
    // Keeps line in place of an equal line of its own.
    template <class Make> void share(const std::shared_ptr<const CString>& line, Make&& make) const {
        if (line && line != get(make) && *line == *m_line)
            m_line = line;
    }
    void reset() { m_line.reset(); }

private:
    mutable std::shared_ptr<const CString> m_line;
};
