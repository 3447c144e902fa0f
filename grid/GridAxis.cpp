#include "GridAxis.h"

#include <algorithm>
#include <utility>

void GridAxis::SetSize(int index, int size) {
    m_total += size - m_sizes[index];
    m_sizes[index] = size;
    m_dirty = true;
}

void GridAxis::Insert(int index, int size) {
    m_sizes.insert(m_sizes.begin() + index, size);
    m_total += size;
    m_dirty = true;
}

void GridAxis::Erase(int index) {
    m_total -= m_sizes[index];
    m_sizes.erase(m_sizes.begin() + index);
    m_dirty = true;
}

void GridAxis::Resize(int count, int newSize) {
    for (int i = count; i < GetCount(); ++i)
        m_total -= m_sizes[i];
    const int old = GetCount();
    m_sizes.resize(count, newSize);
    if (count > old)
        m_total += static_cast<long long>(count - old) * newSize;
    m_dirty = true;
}

void GridAxis::Swap(int a, int b) {
    if (m_sizes[a] != m_sizes[b]) {
        std::swap(m_sizes[a], m_sizes[b]);
        m_dirty = true;
    }
}

void GridAxis::Clear() {
    m_sizes.clear();
    m_total = 0;
    m_dirty = true;
}

void GridAxis::rebuild() const {
    m_starts.resize(m_sizes.size() + 1);
    long long sum = 0;
    for (size_t i = 0; i < m_sizes.size(); ++i) {
        m_starts[i] = sum;
        sum += m_sizes[i];
    }
    m_starts[m_sizes.size()] = sum;
    m_dirty = false;
}

long long GridAxis::GetStart(int index) const {
    if (m_dirty)
        rebuild();
    return m_starts[std::clamp(index, 0, GetCount())];
}

int GridAxis::FirstStartingAtOrAfter(long long position, int first, int last) const {
    if (first > last)
        return last;
    if (m_dirty)
        rebuild();
    auto it = std::lower_bound(m_starts.begin() + first, m_starts.begin() + last, position);
    return static_cast<int>(it - m_starts.begin());
}

int GridAxis::FirstEndingAtOrAfter(long long position, int first, int last) const {
    if (first > last)
        return last + 1;
    if (m_dirty)
        rebuild();
    // The end of index i is the start of i + 1.
    auto it = std::lower_bound(m_starts.begin() + first + 1, m_starts.begin() + last + 2, position);
    return static_cast<int>(it - m_starts.begin()) - 1;
}
