#pragma once

// The handful of Windows scalar types and constants that the program's
// operations take and return, so that their contracts (0/1 results,
// message-box styles and answers) keep their original values.

#include <cstdint>

using BOOL = int;
using UINT = unsigned int;
using DWORD = std::uint32_t;
using WORD = std::uint16_t;
using BYTE = std::uint8_t;
using LONG = std::int32_t;
using LPCSTR = const char*;
using LPSTR = char*;
using COLORREF = std::uint32_t;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

constexpr int MAX_PATH = 260;

// Message box button sets.
constexpr UINT MB_OK = 0x0000;
constexpr UINT MB_OKCANCEL = 0x0001;
constexpr UINT MB_ABORTRETRYIGNORE = 0x0002;
constexpr UINT MB_YESNOCANCEL = 0x0003;
constexpr UINT MB_YESNO = 0x0004;
constexpr UINT MB_RETRYCANCEL = 0x0005;
constexpr UINT MB_TYPEMASK = 0x000F;
// Icons.
constexpr UINT MB_ICONHAND = 0x0010;
constexpr UINT MB_ICONSTOP = MB_ICONHAND;
constexpr UINT MB_ICONERROR = MB_ICONHAND;
constexpr UINT MB_ICONQUESTION = 0x0020;
constexpr UINT MB_ICONEXCLAMATION = 0x0030;
constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr UINT MB_ICONASTERISK = 0x0040;
constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;
constexpr UINT MB_ICONMASK = 0x00F0;
// Default button.
constexpr UINT MB_DEFBUTTON1 = 0x0000;
constexpr UINT MB_DEFBUTTON2 = 0x0100;
constexpr UINT MB_DEFBUTTON3 = 0x0200;
constexpr UINT MB_DEFMASK = 0x0F00;

// Answers of a message box (and of a modal dialog).
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// File attributes reported by the folder search.
constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x0001;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x0010;
// Neither a file nor a folder (a pipe, a socket, a device): opening it may
// block or read endlessly, so no program file is ever read from it.
constexpr DWORD FILE_ATTRIBUTE_DEVICE = 0x0040;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x0080;
// A symbolic link, with the attributes of what it points to: a walk of the
// folders never enters it.
constexpr DWORD FILE_ATTRIBUTE_REPARSE_POINT = 0x0400;

// Formats of DrawText: the text's place in its rectangle and how it is laid out.
constexpr UINT DT_TOP = 0x0000;
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_BOTTOM = 0x0008;
constexpr UINT DT_WORDBREAK = 0x0010;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_NOCLIP = 0x0100;
constexpr UINT DT_CALCRECT = 0x0400;
constexpr UINT DT_NOPREFIX = 0x0800;
constexpr UINT DT_END_ELLIPSIS = 0x8000;

// a * b / c with a 64-bit product, rounded to the nearest integer (halves
// away from zero); -1 when c is 0 or the result does not fit.
constexpr inline int MulDiv(int a, int b, int c) {
    if (c == 0)
        return -1;
    long long product = static_cast<long long>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const long long num = product < 0 ? -product : product;
    const long long den = c < 0 ? -static_cast<long long>(c) : c;
    long long result = (num + den / 2) / den;
    if (negative)
        result = -result;
    if (result > 2147483647LL || result < -2147483647LL - 1)
        return -1;
    return static_cast<int>(result);
}

constexpr inline COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
