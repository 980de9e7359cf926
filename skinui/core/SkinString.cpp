// CSkinString: inline buffer below 63 bytes, exact-size heap block above.
#include <windows.h>

#include "skinui/core/SkinString.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <string>

#include "skinui/core/MbcsText.h"

namespace SkinUI {
namespace {

constexpr int kHeapThreshold = 63;

int TextLength(const char* text, int length) {
    if (!text) return 0;
    if (length >= 0) {
        const void* nul = memchr(text, 0, static_cast<size_t>(length));
        return nul ? static_cast<int>(static_cast<const char*>(nul) - text) : length;
    }
    return static_cast<int>(strlen(text));
}

}  // namespace

CSkinString::CSkinString() : m_pData(m_szInline) {
    m_szInline[0] = '\0';
}

CSkinString::CSkinString(const char* text, int length) : CSkinString() {
    Assign(text, length);
}

CSkinString::CSkinString(const CSkinString& other) : CSkinString() {
    Assign(other.m_pData);
}

CSkinString::~CSkinString() {
    if (!IsInline()) free(m_pData);
}

int CSkinString::Length() const {
    return static_cast<int>(strlen(m_pData));
}

void CSkinString::Clear() {
    if (!IsInline()) free(m_pData);
    m_pData = m_szInline;
    m_szInline[0] = '\0';
}

void CSkinString::Reserve(int length) {
    if (length < kHeapThreshold) {
        if (!IsInline()) free(m_pData);
        m_pData = m_szInline;
        return;
    }
    char* block = static_cast<char*>(IsInline() ? malloc(static_cast<size_t>(length) + 1)
                                                : realloc(m_pData, static_cast<size_t>(length) + 1));
    if (!block) {
        // Out of memory: keep what fits inline rather than fail the caller.
        if (!IsInline()) free(m_pData);
        m_pData = m_szInline;
        return;
    }
    m_pData = block;
}

void CSkinString::Assign(const char* text, int length) {
    length = TextLength(text, length);
    if (text && text >= m_pData && text <= m_pData + Length()) {
        // The source lies inside this string's own buffer.
        const std::string copy(text, static_cast<size_t>(length));
        Assign(copy.c_str(), length);
        return;
    }
    Reserve(length);
    if (IsInline() && length >= kInlineSize) length = kInlineSize - 1;
    if (length > 0) memcpy(m_pData, text, static_cast<size_t>(length));
    m_pData[length] = '\0';
}

CSkinString& CSkinString::operator=(const char* text) {
    Assign(text);
    return *this;
}

CSkinString& CSkinString::operator=(const CSkinString& other) {
    if (this != &other) Assign(other.m_pData);
    return *this;
}

CSkinString& CSkinString::operator=(const wchar_t* text) {
    if (!text || !*text) {
        Clear();
        return *this;
    }
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) {
        Clear();
        return *this;
    }
    std::string converted(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, converted.data(), bytes, nullptr, nullptr);
    Assign(converted.c_str());
    return *this;
}

void CSkinString::Append(const char* text) {
    if (!text || !*text) return;
    const int oldLength = Length();
    const int addLength = static_cast<int>(strlen(text));
    const int newLength = oldLength + addLength;
    if (newLength < kHeapThreshold) {
        memmove(m_pData + oldLength, text, static_cast<size_t>(addLength) + 1);
        return;
    }
    if (text >= m_pData && text <= m_pData + oldLength) {
        const std::string copy(text, static_cast<size_t>(addLength));
        Append(copy.c_str());
        return;
    }
    char* block = static_cast<char*>(IsInline() ? malloc(static_cast<size_t>(newLength) + 1)
                                                : realloc(m_pData, static_cast<size_t>(newLength) + 1));
    if (!block) return;  // out of memory: the text stays as it was
    if (IsInline()) memcpy(block, m_szInline, static_cast<size_t>(oldLength));
    memcpy(block + oldLength, text, static_cast<size_t>(addLength) + 1);
    m_pData = block;
}

CSkinString& CSkinString::operator+=(const char* text) {
    Append(text);
    return *this;
}

CSkinString& CSkinString::operator+=(const CSkinString& other) {
    Append(other.m_pData);
    return *this;
}

CSkinString& CSkinString::operator+=(char ch) {
    const char text[2] = {ch, '\0'};
    Append(text);
    return *this;
}

int CSkinString::Compare(const char* text) const {
    if (!text) text = "";
    const bool* lead = detail::LeadByteTable();
    const unsigned char* a = reinterpret_cast<const unsigned char*>(m_pData);
    const unsigned char* b = reinterpret_cast<const unsigned char*>(text);
    // A double-byte character compares as one value against the other side's character.
    while (*a || *b) {
        unsigned ca = *a, cb = *b;
        if (lead[*a] && a[1]) ca = (ca << 8) | a[1];
        if (lead[*b] && b[1]) cb = (cb << 8) | b[1];
        if (ca != cb) return ca < cb ? -1 : 1;
        a += ca > 0xFF ? 2 : 1;
        b += cb > 0xFF ? 2 : 1;
    }
    return 0;
}

void CSkinString::ToLower() {
    const bool* lead = detail::LeadByteTable();
    for (char* p = m_pData; *p;) {
        char* next = detail::NextChar(p, lead);
        if (next - p == 2) {
            char lowered[4] = {};
            if (LCMapStringA(GetThreadLocale(), LCMAP_LOWERCASE, p, 2, lowered, 4) == 2) {
                p[0] = lowered[0];
                p[1] = lowered[1];
            }
        } else if (*p >= 'A' && *p <= 'Z') {
            *p = static_cast<char>(*p - 'A' + 'a');
        }
        p = next;
    }
}

CSkinString CSkinString::Head(int count) const {
    const int length = Length();
    if (count < 0) count = 0;
    if (count > length) count = length;
    return CSkinString(m_pData, count);
}

CSkinString CSkinString::Substring(int position, int length) const {
    const int total = Length();
    if (position < 0 || position >= total) return CSkinString();
    const int remaining = total - position;
    if (length < 0 || length > remaining) length = remaining;
    return CSkinString(m_pData + position, length);
}

int CSkinString::FindChar(char ch, int start) const {
    const int length = Length();
    if (start != 0 && (start < 0 || start >= length)) return -1;
    const bool* lead = detail::LeadByteTable();
    for (const char* p = m_pData + start; *p; p = detail::NextChar(p, lead)) {
        if (*p == ch) return static_cast<int>(p - m_pData);
    }
    return -1;
}

int CSkinString::FindText(const char* text, int start) const {
    const int length = Length();
    if (!text || start < 0 || start > length) return -1;
    const size_t wanted = strlen(text);
    const bool* lead = detail::LeadByteTable();
    for (const char* p = m_pData + start;; p = detail::NextChar(p, lead)) {
        if (strncmp(p, text, wanted) == 0) return static_cast<int>(p - m_pData);
        if (!*p) return -1;
    }
}

int CSkinString::ReplaceAll(const char* from, const char* to) {
    if (!from || !*from) return 0;
    if (!to) to = "";
    const int fromLength = static_cast<int>(strlen(from));
    const int toLength = static_cast<int>(strlen(to));
    int count = 0;
    int position = FindText(from, 0);
    while (position >= 0) {
        std::string rebuilt(m_pData, static_cast<size_t>(position));
        rebuilt += to;
        rebuilt += m_pData + position + fromLength;
        Assign(rebuilt.c_str(), static_cast<int>(rebuilt.size()));
        ++count;
        position = FindText(from, position + toLength);
    }
    return count;
}

int CSkinString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length < 0) {
        va_end(args);
        Clear();
        return 0;
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    vsnprintf(text.data(), text.size(), format, args);
    va_end(args);
    Assign(text.c_str(), length);
    return length;
}

int CSkinString::FormatShort(const char* format, ...) {
    // wvsprintfA writes at most 1024 bytes; keep the first 63 characters.
    char buffer[1025] = {};
    va_list args;
    va_start(args, format);
    wvsprintfA(buffer, format, args);
    va_end(args);
    const int length = detail::CharBoundaryPrefix(buffer, kInlineSize - 1);
    Assign(buffer, length);
    return length;
}

}  // namespace SkinUI
