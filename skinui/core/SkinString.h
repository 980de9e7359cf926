// CSkinString: the toolkit's narrow (ANSI code page) string with a 64-byte
// inline buffer; texts of 63 bytes or more live in a heap block.
#pragma once

#include <stdio.h>

#include "skinui/core/SkinDefs.h"

// <commdlg.h> defines FindText as a macro for FindTextA/W; keep the member's
// own name here and answer to the macro's spelling too.
#pragma push_macro("FindText")
#undef FindText

namespace SkinUI {

class SKINUI_API CSkinString {
public:
    static constexpr int kInlineSize = 64;

    CSkinString();
    // `length` < 0: up to the NUL. A null text is the empty string.
    CSkinString(const char* text, int length = -1);
    CSkinString(const CSkinString& other);
    ~CSkinString();

    operator const char*() const { return m_pData; }
    const char* GetData() const { return m_pData; }
    int Length() const;
    bool IsEmpty() const { return m_pData[0] == '\0'; }
    void Clear();
    char CharAt(int index) const { return m_pData[index]; }
    // The text lives in the inline buffer (for tests and diagnostics).
    bool IsInline() const { return m_pData == m_szInline; }

    void Assign(const char* text, int length = -1);
    CSkinString& operator=(const char* text);
    CSkinString& operator=(const CSkinString& other);
    // Converted to the ANSI code page.
    CSkinString& operator=(const wchar_t* text);

    void Append(const char* text);
    CSkinString& operator+=(const char* text);
    CSkinString& operator+=(const CSkinString& other);
    CSkinString& operator+=(char ch);

    // Case-sensitive comparison, character by character.
    int Compare(const char* text) const;
    bool operator==(const char* text) const { return Compare(text) == 0; }
    bool operator!=(const char* text) const { return Compare(text) != 0; }

    // Lower-cases in place through the locale's mapping, double-byte
    // characters as a whole.
    void ToLower();

    CSkinString Head(int count) const;
    CSkinString Substring(int position, int length = -1) const;
    // Position of the first match at or after `start`, or -1; a match never
    // starts inside a double-byte character.
    int FindChar(char ch, int start = 0) const;
    int FindText(const char* text, int start = 0) const;
    int FindTextA(const char* text, int start = 0) const { return FindText(text, start); }
    int ReplaceAll(const char* from, const char* to);

    int Format(const char* format, ...) __attribute__((format(__MINGW_PRINTF_FORMAT, 2, 3)));
    // wvsprintfA rules, at most 63 characters.
    int FormatShort(const char* format, ...);

private:
    // Makes room for `length` bytes plus NUL; the old text is not kept.
    void Reserve(int length);

    char* m_pData;
    char m_szInline[kInlineSize];
};

}  // namespace SkinUI

#pragma pop_macro("FindText")
