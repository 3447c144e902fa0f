#pragma once

// A hold that each running copy of the program keeps on one file while it
// works in a folder, so that a copy coming to the folder can tell whether
// another one is there already. Every holder keeps a shared advisory lock
// on the file; a new holder first asks for it alone, which is refused while
// anyone else holds it. Holds taken by one program on the same file (two
// projects of one folder opened in turn by one run) are not others.

#include <string>

class SharedHold {
public:
    // Takes the hold on the file at a program path, created when missing.
    // Without a file (the folder cannot be written) there is no hold and no
    // other holder is known.
    explicit SharedHold(const char* path);
    ~SharedHold();
    SharedHold(const SharedHold&) = delete;
    SharedHold& operator=(const SharedHold&) = delete;

    // Whether another running program held the file when this hold was taken.
    bool othersHeldIt() const { return m_othersHeld; }
    bool isHeld() const { return m_fd >= 0; }

private:
    int m_fd = -1;
    bool m_othersHeld = false;
    // The file by its place on disk, whatever path named it.
    std::string m_key;
};
