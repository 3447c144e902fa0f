#pragma once

// An output file stream in the old stream library's manner. In text mode
// every '\n' is written as CR LF; in binary mode bytes go out as they are.
// A file opened to be rewritten is replaced whole when the stream closes
// (temporary file, then rename), so a failure or a kill part-way never
// leaves half a file; a stream destroyed while an exception unwinds drops
// its changes. Appending writes to the file itself.
//
// Sharing: a stream opened with DenyWrite holds an exclusive advisory lock
// on the file, so that another stream (of this or another running copy of
// the program) opened for writing on it is refused, as a sharing violation
// refuses it on Windows.

#include "CString.h"

#include <memory>
#include <string>
#include <string_view>

class AtomicFileWriter;

class TextOutStream {
public:
    enum class Mode {
        Replace, // the file is rewritten whole
        Append,  // writes go to the end of the file, created when missing
        InPlace, // the file itself is opened and emptied (lock files)
    };
    enum class Share { DenyNone, DenyWrite };

    TextOutStream();
    explicit TextOutStream(const char* path, Mode mode = Mode::Replace, bool binary = false,
                           Share share = Share::DenyNone);
    ~TextOutStream();
    TextOutStream(const TextOutStream&) = delete;
    TextOutStream& operator=(const TextOutStream&) = delete;

    bool open(const char* path, Mode mode = Mode::Replace, bool binary = false, Share share = Share::DenyNone);
    bool is_open() const { return m_open; }
    // False once a write failed.
    bool good() const { return m_open && m_good; }
    // Flushes and, for Replace, puts the new file in place; false when
    // anything failed (the old file then stays as it was). A stream that
    // could not be opened, or was discarded, has written nothing: its close
    // answers false too, until it is opened again.
    bool close();
    // Abandons a Replace stream without touching the file.
    void discard();

    TextOutStream& write(std::string_view bytes);
    // The bytes as they are, also in text mode: a part of a file kept unchanged.
    TextOutStream& writeBytes(std::string_view bytes);
    TextOutStream& operator<<(const char* text) { return write(text ? std::string_view(text) : std::string_view()); }
    TextOutStream& operator<<(const CString& text) { return write(text.str()); }
    TextOutStream& operator<<(const std::string& text) { return write(text); }
    TextOutStream& operator<<(char c) { return write(std::string_view(&c, 1)); }
    TextOutStream& operator<<(int value);
    TextOutStream& operator<<(long value);
    TextOutStream& operator<<(unsigned int value);
    TextOutStream& operator<<(unsigned long value);
    TextOutStream& operator<<(double value);

private:
    bool flushBuffer();

    Mode m_mode = Mode::Replace;
    bool m_binary = false;
    bool m_open = false;
    bool m_good = false;
    // The last opening failed, or what was written did not reach the file.
    bool m_failed = false;
    int m_fd = -1;
    // The file written in place, by its disk path.
    std::string m_disk;
    std::unique_ptr<AtomicFileWriter> m_writer;
    std::string m_buffer;
};
