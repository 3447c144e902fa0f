#pragma once

// Section STD_OPTION of the open project's settings file. Every accessor
// reads or writes one key of the file at each call, so a value written
// anywhere is seen by the next read everywhere. Booleans are true only when
// the stored text is exactly "yes" and are written "yes" or "false";
// integers whose value reads as 0 give the key's default, and others are
// kept within the key's accepted range.

#include "CString.h"

#define TOLVANE_STD_BOOL_KEYS(X)                                                                                 \
    X(UseStdTreeComponent)                                                                                       \
    X(JavaScriptTreeview)                                                                                        \
    X(UseFrame)                                                                                                  \
    X(TwoLanguages)                                                                                              \
    X(MultiUsers)                                                                                                \
    X(PageHeaderImage)

// key, default when absent, empty, "0" or not a number, and the accepted
// range that any other value is brought into: the Options sheet's ranges,
// and for the banner the heights the diagram size dialog accepts. A value
// from a damaged file thus never makes a negative or overflowing frame size.
#define TOLVANE_STD_INT_KEYS(X)                                                                                  \
    X(Height, 450, 100, 1000)                                                                                    \
    X(Width, 200, 50, 500)                                                                                       \
    X(BannerHeight, 80, 20, 4000)                                                                                \
    X(IPFS, 0, 0, 100)                                                                                           \
    X(TreeviewFontSize, 12, 8, 14)

#define TOLVANE_STD_TEXT_KEYS(X)                                                                                 \
    X(SiteName)                                                                                                  \
    X(SiteNameL2)                                                                                                \
    X(GenerationLang)                                                                                            \
    X(GenerationLang2)                                                                                           \
    X(Charset)                                                                                                   \
    X(DataVersion)

class StdOption {
public:
    static StdOption& instance();

    bool getBool(const char* key) const;
    void setBool(const char* key, bool value) const;
    CString getText(const char* key) const;
    void setText(const char* key, const CString& value) const;
    // The key's number; 0 gives the default, and anything else outside the
    // range the nearest bound.
    int getInt(const char* key, int defaultValue, int lowest, int highest) const;
    void setInt(const char* key, int value) const;

#define TOLVANE_DECLARE_BOOL(key)                                                                                \
    bool get##key() const { return getBool(#key); }                                                              \
    void set##key(bool value) const { setBool(#key, value); }
    TOLVANE_STD_BOOL_KEYS(TOLVANE_DECLARE_BOOL)
#undef TOLVANE_DECLARE_BOOL

#define TOLVANE_DECLARE_INT(key, defaultValue, lowest, highest)                                                  \
    int get##key() const { return getInt(#key, defaultValue, lowest, highest); }                                 \
    void set##key(int value) const { setInt(#key, value); }
    TOLVANE_STD_INT_KEYS(TOLVANE_DECLARE_INT)
#undef TOLVANE_DECLARE_INT

#define TOLVANE_DECLARE_TEXT(key)                                                                                \
    CString get##key() const { return getText(#key); }                                                           \
    void set##key(const CString& value) const { setText(#key, value); }
    TOLVANE_STD_TEXT_KEYS(TOLVANE_DECLARE_TEXT)
#undef TOLVANE_DECLARE_TEXT

    // Read only: the language names offered by the Options sheet.
    CString getAvailableLanguages() const { return getText("AvailableLanguages"); }

    CString getHeightText() const;
    CString getWidthText() const;
    CString getTreeviewFontSizeText() const;

    // Application profile "Parameters"/"TipsActivated", 1 when never written.
    int getTipsActivated() const;
    void setTipsActivated(int value) const;

private:
    StdOption() = default;
};

// The rules shared by both option sections of the settings file.
namespace settings {

// Key of the open project's settings file, 999-character buffer; empty when
// absent or empty (or when no project is open).
CString readKey(const char* section, const char* key);
// The same from a given settings file.
CString readKey(const CString& file, const char* section, const char* key);
void writeKey(const char* section, const char* key, const CString& value);
// True exactly when the text is "yes".
bool boolFromText(const CString& text);
const char* textFromBool(bool value);
// Leading blanks, an optional sign and digits; anything else ends the
// number; no digits gives 0.
int leadingNumber(const CString& text);
CString decimal(int value);

} // namespace settings
