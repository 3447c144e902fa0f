#include "GridAxis.h"

#include <algorithm>
#include <utility>

void GridAxis::changedAt(int index) {
    m_valid = std::min(m_valid, index + 1);
}

void GridAxis::SetSize(int index, int size) {
    m_total += size - m_sizes[index];
    m_sizes[index] = size;
    changedAt(index);
}

void GridAxis::Insert(int index, int size) {
    m_sizes.insert(m_sizes.begin() + index, size);
    m_total += size;
    changedAt(index);
}

void GridAxis::Erase(int index) {
    m_total -= m_sizes[index];
    m_sizes.erase(m_sizes.begin() + index);
    changedAt(index);
}

void GridAxis::Resize(int count, int newSize) {
    const int old = GetCount();
    for (int i = count; i < old; ++i)
        m_total -= m_sizes[i];
    m_sizes.resize(count, newSize);
    if (count > old)
        m_total += static_cast<long long>(count - old) * newSize;
    changedAt(std::min(count, old));
}

void GridAxis::Swap(int a, int b) {
    if (m_sizes[a] != m_sizes[b]) {
        std::swap(m_sizes[a], m_sizes[b]);
        changedAt(std::min(a, b));
    }
}

void GridAxis::Clear() {
    m_sizes.clear();
    m_total = 0;
    changedAt(0);
}

void GridAxis::complete() const {
    const int count = GetCount();
    if (m_valid > count)
        return;
    m_starts.resize(count + 1);
    for (int i = std::max(m_valid, 1); i <= count; ++i)
        m_starts[i] = m_starts[i - 1] + m_sizes[i - 1];
    m_valid = count + 1;
}

int GridAxis::NextShown(int index, int step, int first, int last) const {
    for (; index >= first && index <= last; index += step)
        if (m_sizes[index] > 0)
            return index;
    return -1;
}

long long GridAxis::GetStart(int index) const {
    index = std::clamp(index, 0, GetCount());
    if (index >= m_valid)
        complete();
    return m_starts[index];
}

int GridAxis::FirstStartingAtOrAfter(long long position, int first, int last) const {
    if (first > last)
        return last;
    complete();
    auto it = std::lower_bound(m_starts.begin() + first, m_starts.begin() + last, position);
    return static_cast<int>(it - m_starts.begin());
}

int GridAxis::FirstEndingAtOrAfter(long long position, int first, int last) const {
    if (first > last)
        return last + 1;
    complete();
    // The end of index i is the start of i + 1.
    auto it = std::lower_bound(m_starts.begin() + first + 1, m_starts.begin() + last + 2, position);
    return static_cast<int>(it - m_starts.begin()) - 1;
}
