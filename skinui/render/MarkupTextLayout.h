// Scanning helpers of the markup text drawer: tags, escapes, raw-text ends,
// runs and tag arguments. Double-byte characters are always stepped whole, so
// a trail byte that happens to be '{' or '}' never reads as markup.
#pragma once

#include <cstdlib>
#include <string>

#include "skinui/core/MbcsText.h"

namespace SkinUI {
namespace detail {

inline bool IsTagOpener(char c) { return c == '<' || c == '{'; }
inline bool IsTagCloser(char c) { return c == '>' || c == '}'; }
inline bool IsLowerLetter(char c) { return c >= 'a' && c <= 'z'; }
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// One tag as written: "<b>", "{c #ff0000}", "</a>".
struct MarkupTag {
    char letter = 0;
    bool closing = false;
    const char* args = nullptr;     // after the blank that follows the letter
    const char* argsEnd = nullptr;  // the closer, or the end of the text
    const char* next = nullptr;     // first byte after the tag
};

inline bool ParseMarkupTag(const char* p, const bool* lead, MarkupTag& tag) {
    if (!IsTagOpener(p[0])) return false;
    const char* q = nullptr;
    if (p[1] == '/' && IsLowerLetter(p[2])) {
        tag.closing = true;
        tag.letter = p[2];
        q = p + 3;
    } else if (IsLowerLetter(p[1]) && (p[2] == ' ' || IsTagCloser(p[2]))) {
        tag.closing = false;
        tag.letter = p[1];
        q = p[2] == ' ' ? p + 3 : p + 2;
    } else {
        return false;
    }
    tag.args = q;
    while (*q && !IsTagCloser(*q)) q = NextChar(q, lead);
    tag.argsEnd = q;
    tag.next = *q ? q + 1 : q;
    return true;
}

// "<{>" and "<}>" stand for braces, "{<}" and "{>}" for angle brackets;
// anything else gives 0.
inline char EscapedChar(const char* p) {
    if (p[0] == '<' && (p[1] == '{' || p[1] == '}') && p[2] == '>') return p[1];
    if (p[0] == '{' && (p[1] == '<' || p[1] == '>') && p[2] == '}') return p[1];
    return 0;
}

// "</r>" in any mix of bracket forms: the only markup seen inside raw text.
inline bool IsRawTextEnd(const char* p) {
    return IsTagOpener(p[0]) && p[1] == '/' && p[2] == 'r' && IsTagCloser(p[3]);
}

// End of the text run starting at `p`: the next opener (or raw-text end when
// raw), newline or end of text. The first character always belongs to the
// run, so an opener that starts no tag is drawn as text.
inline const char* TextRunEnd(const char* p, const bool* lead, bool raw) {
    const char* q = NextChar(p, lead);
    while (*q && *q != '\n' && !(raw ? IsRawTextEnd(q) : IsTagOpener(*q))) q = NextChar(q, lead);
    return q;
}

inline const char* SkipBlanks(const char* p, const char* end) {
    while (p < end && *p == ' ') ++p;
    return p;
}

// Decimal number at `p` (after blanks); `fallback` when there is none.
inline int ReadTagNumber(const char*& p, const char* end, int fallback) {
    p = SkipBlanks(p, end);
    const bool negative = p < end && *p == '-' && p + 1 < end && IsDigit(p[1]);
    if (!(p < end && (IsDigit(*p) || negative))) return fallback;
    char* stop = nullptr;
    const long value = std::strtol(p, &stop, 10);
    p = stop < end ? stop : end;
    return static_cast<int>(value);
}

// Colour of a "c" tag: hexadecimal, blanks and one "#" allowed before it.
inline unsigned long ReadTagColor(const char* p, const char* end) {
    p = SkipBlanks(p, end);
    if (p < end && *p == '#') ++p;
    return p < end ? std::strtoul(p, nullptr, 16) : 0;
}

// Value of key='...' inside `text`, or empty.
inline std::string QuotedValue(const std::string& text, const char* key) {
    const size_t at = text.find(key);
    if (at == std::string::npos) return std::string();
    const size_t start = at + std::char_traits<char>::length(key);
    const size_t close = text.find('\'', start);
    return text.substr(start, close == std::string::npos ? std::string::npos : close - start);
}

// Arguments of an inline image tag: "name [frames [frame]]" or a descriptor
// carrying file='...' or res='...' (with an optional restype='...').
struct InlineImageArgs {
    std::string name;
    std::string type;
    int frames = 1;
    int frame = 0;
};

inline InlineImageArgs ReadInlineImageArgs(const char* p, const char* end) {
    InlineImageArgs image;
    const std::string text(p, end);
    if (text.find("file='") != std::string::npos || text.find("res='") != std::string::npos) {
        image.name = QuotedValue(text, text.find("file='") != std::string::npos ? "file='" : "res='");
        image.type = QuotedValue(text, "restype='");
        return image;
    }
    p = SkipBlanks(p, end);
    const char* word = p;
    while (p < end && *p != ' ') ++p;
    image.name.assign(word, p);
    image.frames = ReadTagNumber(p, end, 1);
    if (image.frames < 1) image.frames = 1;
    image.frame = ReadTagNumber(p, end, 0);
    if (image.frame < 0 || image.frame >= image.frames) image.frame = 0;
    return image;
}

// Arguments of an "f" tag given by face: "face [size] [words]".
struct FontTagArgs {
    std::string face;
    int size = 10;
    bool bold = false;
    bool underline = false;
    bool italic = false;
};

inline FontTagArgs ReadFontTagArgs(const char* p, const char* end) {
    FontTagArgs font;
    p = SkipBlanks(p, end);
    const char* face = p;
    while (p < end && *p != ' ') ++p;
    font.face.assign(face, p);
    std::string rest(p, end);
    font.size = ReadTagNumber(p, end, 10);
    for (char& c : rest) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    font.bold = rest.find("bold") != std::string::npos;
    font.underline = rest.find("underline") != std::string::npos;
    font.italic = rest.find("italic") != std::string::npos;
    return font;
}

}  // namespace detail
}  // namespace SkinUI
