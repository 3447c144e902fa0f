#pragma once

// The sizes of the rows (or the columns) of a grid, with their running
// sums kept so that every position question is answered without walking
// the rows: painting a screen or finding the cell under a point costs the
// same at the top of ten thousand rows as at their end. After a change the
// sums before it stay good and those after it are made again when asked
// for, so appending rows one at a time costs nothing more per row; the
// total is kept at every change.

#include <vector>

class GridAxis {
public:
    int GetCount() const { return static_cast<int>(m_sizes.size()); }
    int GetSize(int index) const { return m_sizes[index]; }
    void SetSize(int index, int size);
    void Insert(int index, int size);
    void Erase(int index);
    void Resize(int count, int newSize);
    void Swap(int a, int b);
    void Clear();

    // The first index from index on, going by step (1 or -1), that lies in
    // [first, last] and has a size above 0; -1 when there is none.
    int NextShown(int index, int step, int first, int last) const;

    // Sum of all sizes.
    long long GetTotal() const { return m_total; }
    // Sum of the sizes before index (index may equal the count).
    long long GetStart(int index) const;
    // Sum of the sizes from first up to, not including, end.
    long long GetSum(int first, int end) const { return GetStart(end) - GetStart(first); }
    // The first index in [first, last] whose start is at least position;
    // last when there is none.
    int FirstStartingAtOrAfter(long long position, int first, int last) const;
    // The first index in [first, last] whose end (start + size) is at least
    // position; last + 1 when there is none.
    int FirstEndingAtOrAfter(long long position, int first, int last) const;

private:
    // A change at index: the sums up to its start stay good.
    void changedAt(int index);
    // Makes the sums good up to the end.
    void complete() const;

    std::vector<int> m_sizes;
    long long m_total = 0;
    mutable std::vector<long long> m_starts{0}; // m_starts[i] = sum of sizes before i
    mutable int m_valid = 1;                    // m_starts[0 .. m_valid - 1] are good
};
