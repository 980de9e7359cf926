// The skin markup parser: one pass over its own copy of the document,
// writing terminators in place, with an explicit stack instead of recursion.
#include "skinui/core/Markup.h"

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "skinui/core/MbcsText.h"
#include "skinui/core/ResourceReader.h"
#include "skinui/core/TextLength.h"

namespace SkinUI {
namespace {

enum : uint8_t { kSpace = 1, kNameChar = 2, kLeadByte = 4, kDataStop = 8, kValueStop = 16 };

// Byte classes: white space (0x01-0x20), name characters, lead bytes of the
// ANSI code page.
struct ByteClasses {
    uint8_t of[256] = {};
    ByteClasses() {
        const bool* lead = detail::LeadByteTable();
        for (int b = 1; b <= 0x20; ++b) of[b] |= kSpace;
        for (int b = 'a'; b <= 'z'; ++b) of[b] |= kNameChar;
        for (int b = 'A'; b <= 'Z'; ++b) of[b] |= kNameChar;
        for (int b = '0'; b <= '9'; ++b) of[b] |= kNameChar;
        of[static_cast<unsigned char>('_')] |= kNameChar;
        of[static_cast<unsigned char>(':')] |= kNameChar;
        for (int b = 0; b < 256; ++b) {
            if (lead[b]) of[b] |= kLeadByte;
        }
        of[0] |= kDataStop | kValueStop;
        of[static_cast<unsigned char>('<')] |= kDataStop;
        of[static_cast<unsigned char>('"')] |= kValueStop;
        of[static_cast<unsigned char>('&')] |= kValueStop;
    }
    static const ByteClasses& Get() {
        static const ByteClasses classes;
        return classes;
    }
};

inline uint8_t ClassOf(const uint8_t* of, const char* p) {
    return of[static_cast<unsigned char>(*p)];
}

// Forward over bytes of class `run`, four bytes a step. A byte is only read
// after the one before it was in the class, so never past the terminating
// NUL (which is in no class that is skipped).
inline void SkipWhile(const uint8_t* of, uint8_t run, char*& p) {
    for (;;) {
        if (!(ClassOf(of, p) & run)) return;
        if (!(ClassOf(of, p + 1) & run)) { p += 1; return; }
        if (!(ClassOf(of, p + 2) & run)) { p += 2; return; }
        if (!(ClassOf(of, p + 3) & run)) { p += 3; return; }
        p += 4;
    }
}

inline void SkipSpace(const uint8_t* of, char*& p) { SkipWhile(of, kSpace, p); }

inline void SkipName(const uint8_t* of, char*& p) { SkipWhile(of, kNameChar, p); }

// Forward to the next byte of class `stop`, four bytes a step.
inline void ScanTo(const uint8_t* of, uint8_t stop, char*& p) {
    for (;;) {
        if (ClassOf(of, p) & stop) return;
        if (ClassOf(of, p + 1) & stop) { p += 1; return; }
        if (ClassOf(of, p + 2) & stop) { p += 2; return; }
        if (ClassOf(of, p + 3) & stop) { p += 3; return; }
        p += 4;
    }
}

// Whether `q` is the second byte of a double-byte character when stepping
// from `start` (a character boundary) as CharNextA does. A character starts
// after every byte that is not a lead byte, so only the run of lead bytes
// just before `q` decides: an odd run makes `q` a trail byte.
inline bool IsTrailByte(const uint8_t* of, const char* start, const char* q) {
    size_t run = 0;
    while (q > start && (ClassOf(of, q - 1) & kLeadByte)) {
        --q;
        ++run;
    }
    return (run & 1) != 0;
}

// One character forward, as CharNextA steps.
inline void Step(const uint8_t* of, char*& p) {
    p += ((ClassOf(of, p) & kLeadByte) && p[1]) ? 2 : 1;
}

// Past the first `a` `b` pair, or to the end of the text.
void SkipPast(const uint8_t* of, char*& p, char a, char b) {
    while (*p) {
        if (p[0] == a && p[1] == b) {
            p += 2;
            return;
        }
        Step(of, p);
    }
}

// The length of the named entity at `p` (at '&') and its character in
// `decoded`; 0 when `p` starts none of the five.
size_t EntityAt(const char* p, char& decoded) {
    struct Entity {
        const char* text;
        size_t length;
        char value;
    };
    static const Entity kEntities[] = {
        {"&amp;", 5, '&'}, {"&lt;", 4, '<'}, {"&gt;", 4, '>'}, {"&quot;", 6, '"'}, {"&apos;", 6, '\''},
    };
    for (const Entity& entity : kEntities) {
        if (strncmp(p, entity.text, entity.length) == 0) {
            decoded = entity.value;
            return entity.length;
        }
    }
    return 0;
}

// Converts UTF-8 to the ANSI code page into `out` (room for 2 * size + 1
// bytes) and returns the length, stopping at a NUL. ASCII runs are copied as
// they are; only the runs between them go through the system's converters,
// which is what a skin mostly holds.
size_t Utf8ToAnsi(const unsigned char* in, size_t size, char* out) {
    const unsigned char* p = in;
    const unsigned char* const end = in + size;
    char* o = out;
    std::vector<wchar_t> wide;
    while (p < end) {
        const unsigned char* ascii = p;
        while (p < end && *p && *p < 0x80) ++p;
        memcpy(o, ascii, static_cast<size_t>(p - ascii));
        o += p - ascii;
        if (p == end || !*p) break;
        const unsigned char* run = p;
        while (p < end && *p >= 0x80) ++p;
        const int runLength = static_cast<int>(p - run);
        const char* runText = reinterpret_cast<const char*>(run);
        wide.resize(static_cast<size_t>(runLength));
        const int units = MultiByteToWideChar(CP_UTF8, 0, runText, runLength, wide.data(), runLength);
        if (units <= 0) continue;
        const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), units, o,
                                              2 * runLength, nullptr, nullptr);
        if (bytes > 0) o += bytes;
    }
    *o = '\0';
    return static_cast<size_t>(o - out);
}

}  // namespace

// --- CSkinMarkup -------------------------------------------------------------------

CSkinMarkup::CSkinMarkup() {
    m_szErrorMsg[0] = '\0';
    m_szErrorXml[0] = '\0';
}

CSkinMarkup::~CSkinMarkup() {
    Clear();
}

void CSkinMarkup::Clear() {
    free(m_pText);
    m_pText = nullptr;
    m_nTextCapacity = 0;
    free(m_pElements);
    m_pElements = nullptr;
    m_nElements = 0;
    m_nReservedElements = 0;
}

CSkinMarkupNode CSkinMarkup::Root() {
    if (m_nElements < 2) return CSkinMarkupNode();
    return CSkinMarkupNode(this, 1);
}

char* CSkinMarkup::TextBuffer(size_t length) {
    // A reload reuses the buffers of the document it replaces.
    m_nElements = 0;
    if (length + 1 > m_nTextCapacity) {
        free(m_pText);
        m_pText = static_cast<char*>(malloc(length + 1));
        m_nTextCapacity = m_pText ? length + 1 : 0;
    }
    return m_pText;
}

bool CSkinMarkup::LoadText(const char* text) {
    if (!text) text = "";
    const size_t length = detail::TextLength(text);
    char* buffer = TextBuffer(length);
    if (!buffer) return Failed("Error opening file", nullptr);
    memcpy(buffer, text, length + 1);
    return ParseText();
}

bool CSkinMarkup::LoadBytes(const void* bytes, unsigned size, int encoding) {
    m_nElements = 0;
    const unsigned char* in = static_cast<const unsigned char*>(bytes);
    if (!in) size = 0;

    if (encoding != kUtf8 && encoding != kUtf16) {
        char* text = TextBuffer(size);
        if (!text) return Failed("Error opening file", nullptr);
        if (size) memcpy(text, in, size);
        text[size] = '\0';
        return ParseText();
    }

    if (encoding == kUtf8) {
        if (size >= 3 && in[0] == 0xEF && in[1] == 0xBB && in[2] == 0xBF) {
            in += 3;
            size -= 3;
        }
        char* text = TextBuffer(2 * static_cast<size_t>(size));
        if (!text) return Failed("Error opening file", nullptr);
        Utf8ToAnsi(in, size, text);
        return ParseText();
    }

    // UTF-16: the byte-order mark decides the order of each unit's bytes.
    const bool little = size >= 2 && in[0] == 0xFF && in[1] == 0xFE;
    const bool big = size >= 2 && in[0] == 0xFE && in[1] == 0xFF;
    if (!little && !big) {
        Clear();
        m_szErrorMsg[0] = '\0';
        m_szErrorXml[0] = '\0';
        return false;
    }
    std::vector<wchar_t> wide(size / 2 - 1);
    for (size_t i = 0; i < wide.size(); ++i) {
        const unsigned char* unit = in + 2 + 2 * i;
        wide[i] = static_cast<wchar_t>(little ? unit[0] | (unit[1] << 8) : (unit[0] << 8) | unit[1]);
    }
    const int units = static_cast<int>(wide.size());
    const int length = units ? WideCharToMultiByte(CP_ACP, 0, wide.data(), units, nullptr, 0, nullptr, nullptr) : 0;
    char* text = TextBuffer(static_cast<size_t>(length));
    if (!text) return Failed("Error opening file", nullptr);
    if (length > 0) WideCharToMultiByte(CP_ACP, 0, wide.data(), units, text, length, nullptr, nullptr);
    text[length] = '\0';
    return ParseText();
}

bool CSkinMarkup::LoadSkinFile(const char* name, int encoding) {
    m_nElements = 0;
    std::vector<char> bytes;
    switch (detail::ReadFromResourceLocation(name ? name : "", detail::kMaxSkinFileBytes, bytes)) {
        case detail::ReadResult::Ok:
            return LoadBytes(bytes.data(), static_cast<unsigned>(bytes.size()), encoding);
        case detail::ReadResult::CannotOpenFile: return Failed("Error opening file", nullptr);
        case detail::ReadResult::Empty: return Failed("File is empty", nullptr);
        case detail::ReadResult::TooLarge: return Failed("File too large", nullptr);
        case detail::ReadResult::ShortRead: return Failed("Could not read file", nullptr);
        case detail::ReadResult::CannotOpenZip: return Failed("Error opening zip file", nullptr);
        case detail::ReadResult::NotInZip: return Failed("Could not find ziped file", nullptr);
        case detail::ReadResult::CannotUnzip: break;
    }
    return Failed("Could not unzip file", nullptr);
}

bool CSkinMarkup::ParseText() {
    m_szErrorMsg[0] = '\0';
    m_szErrorXml[0] = '\0';
    if (Parse()) return true;
    Clear();
    return false;
}

bool CSkinMarkup::Failed(const char* message, const char* location) {
    lstrcpynA(m_szErrorMsg, message, sizeof(m_szErrorMsg));
    m_szErrorXml[0] = '\0';
    if (location) {
        // The excerpt never ends inside a double-byte character.
        const int length = detail::CharBoundaryPrefix(location, sizeof(m_szErrorXml) - 1);
        memcpy(m_szErrorXml, location, static_cast<size_t>(length));
        m_szErrorXml[length] = '\0';
    }
    m_nElements = 0;
    return false;
}

int CSkinMarkup::AddElement(int nameOffset, int parent) {
    if (m_nElements >= m_nReservedElements) {
        const unsigned capacity = m_nReservedElements + m_nReservedElements / 2 + 500;
        auto* grown = static_cast<Element*>(realloc(m_pElements, sizeof(Element) * capacity));
        if (!grown) return -1;
        m_pElements = grown;
        m_nReservedElements = capacity;
    }
    const int index = static_cast<int>(m_nElements++);
    m_pElements[index] = Element{nameOffset, 0, 0, parent, 0};
    return index;
}

bool CSkinMarkup::Parse() {
    const uint8_t* of = ByteClasses::Get().of;
    char* const text = m_pText;
    char* p = text;

    m_nElements = 0;
    if (AddElement(0, 0) < 0) return Failed("Error opening file", nullptr);  // placeholder 0

    // The content being read: that of `enclosing` (0 at the document level),
    // where `previous` is the last element started so far. The element table's
    // parent links are the stack of open elements.
    int enclosing = 0;
    int previous = 0;
    int depth = 0;

    for (;;) {
        SkipSpace(of, p);
        if (!*p) {
            if (enclosing <= 1) return true;
            return Failed("Expected start tag", p);
        }
        if (*p != '<') return Failed("Expected start tag", p);

        if (p[1] == '/') {
            // The closing tag of the enclosing element.
            if (enclosing == 0) return true;
            p += 2;
            SkipSpace(of, p);
            // Compared over the opening name's length, byte by byte.
            for (const char* name = text + m_pElements[enclosing].nameOffset; *name; ++name, ++p) {
                if (*p != *name) return Failed("Unmatched closing tag", p);
            }
            SkipSpace(of, p);
            if (*p != '>') return Failed("Unmatched closing tag", *p ? p + 1 : p);
            ++p;
            previous = enclosing;
            enclosing = m_pElements[enclosing].parent;
            --depth;
            continue;
        }

        ++p;
        SkipSpace(of, p);
        if (*p == '?') {
            SkipPast(of, p, '?', '>');
            continue;
        }
        if (*p == '!') {
            SkipPast(of, p, '-', '>');
            continue;
        }

        // An element starts.
        const int element = AddElement(static_cast<int>(p - text), enclosing);
        if (element < 0) return Failed("Error opening file", nullptr);
        if (previous) m_pElements[previous].nextSibling = element;
        else m_pElements[enclosing].firstChild = element;
        previous = element;

        char* name = p;
        SkipName(of, p);
        if (!*p) return Failed("Error parsing element name", name);
        // Terminated once the start tag has been read: the byte after the
        // name may be the tag's own '>' or '/'.
        char* const nameEnd = p;

        // Attributes, until '>' or '/' or the end of the text.
        SkipSpace(of, p);
        while (*p && *p != '>' && *p != '/') {
            SkipName(of, p);
            char* attributeNameEnd = p;
            SkipSpace(of, p);
            if (*p != '=') return Failed("Error while parsing attributes", p);
            *p++ = ' ';
            *attributeNameEnd = '\0';
            SkipSpace(of, p);
            if (*p != '"') return Failed("Expected attribute value", *p ? p + 1 : p);
            char* value = ++p;
            char* w = p;          // where decoded text goes
            char* pending = p;    // start of source text not yet moved to `w`
            for (;;) {
                ScanTo(of, kValueStop, p);
                if (!*p) return Failed("Error while parsing attribute string", value);
                if (IsTrailByte(of, pending, p)) {
                    ++p;
                    continue;
                }
                if (*p == '"') break;
                char decoded = 0;
                const size_t length = EntityAt(p, decoded);
                if (!length) {
                    ++p;  // a literal '&'
                    continue;
                }
                if (w != pending) memmove(w, pending, static_cast<size_t>(p - pending));
                w += p - pending;
                *w++ = decoded;
                p += length;
                pending = p;
            }
            if (w != pending) memmove(w, pending, static_cast<size_t>(p - pending));
            w += p - pending;
            // Terminate the value; bytes freed by decoding become spaces.
            if (w != p) memset(w + 1, ' ', static_cast<size_t>(p - w));
            *w = '\0';
            ++p;
            SkipSpace(of, p);
        }

        if (p[0] == '/' && p[1] == '>') {
            m_pElements[element].dataOffset = static_cast<int>(p - text);
            p += 2;
            *nameEnd = '\0';
            continue;
        }
        if (*p != '>') return Failed("Expected start-tag closing", p);
        ++p;
        *nameEnd = '\0';
        m_pElements[element].dataOffset = static_cast<int>(p - text);

        // Character data up to the next '<'.
        char* data = p;
        for (;;) {
            ScanTo(of, kDataStop, p);
            if (*p && IsTrailByte(of, data, p)) {
                ++p;
                continue;
            }
            break;
        }
        if (!*p) {
            if (enclosing <= 1) return true;
            return Failed("Expected end-tag start", p);
        }
        // The element's content: children, or directly its closing tag.
        if (depth >= kMaxDepth) return Failed("Element nesting too deep", name);
        ++depth;
        enclosing = element;
        previous = 0;
    }
}

// --- CSkinMarkupNode ----------------------------------------------------------------

CSkinMarkupNode CSkinMarkupNode::NextSibling() const {
    if (!m_pOwner) return CSkinMarkupNode();
    const int next = m_pOwner->m_pElements[m_iElement].nextSibling;
    return next > 0 ? CSkinMarkupNode(m_pOwner, next) : CSkinMarkupNode();
}

CSkinMarkupNode CSkinMarkupNode::FirstChild() const {
    if (!m_pOwner) return CSkinMarkupNode();
    const int child = m_pOwner->m_pElements[m_iElement].firstChild;
    return child > 0 ? CSkinMarkupNode(m_pOwner, child) : CSkinMarkupNode();
}

bool CSkinMarkupNode::HasChild() const {
    return m_pOwner && m_pOwner->m_pElements[m_iElement].firstChild > 0;
}

const char* CSkinMarkupNode::Name() const {
    if (!m_pOwner) return nullptr;
    return m_pOwner->m_pText + m_pOwner->m_pElements[m_iElement].nameOffset;
}

void CSkinMarkupNode::BuildAttributeTable() {
    if (!m_pOwner || m_nAttributes > 0) return;
    const CSkinMarkup::Element& element = m_pOwner->m_pElements[m_iElement];
    const char* text = m_pOwner->m_pText;
    const char* end = text + element.dataOffset;
    const char* p = text + element.nameOffset;
    p += strlen(p) + 1;
    while (p < end && m_nAttributes < kMaxAttributes) {
        while (p < end && static_cast<unsigned char>(*p) - 1u < 0x20u) ++p;
        if (p >= end) break;
        const char* name = p;
        p += strlen(p) + 1;
        while (p < end && static_cast<unsigned char>(*p) - 1u < 0x20u) ++p;
        if (p >= end || *p != '"') break;
        const char* value = ++p;
        p += strlen(p) + 1;
        m_aAttributes[m_nAttributes++] = {static_cast<int>(name - text), static_cast<int>(value - text)};
    }
}

int CSkinMarkupNode::AttributeCount() {
    BuildAttributeTable();
    return m_nAttributes;
}

bool CSkinMarkupNode::HasAnyAttribute() {
    return AttributeCount() > 0;
}

const char* CSkinMarkupNode::AttributeName(int index) {
    if (!m_pOwner) return nullptr;
    BuildAttributeTable();
    if (index < 0 || index >= m_nAttributes) return "";
    return m_pOwner->m_pText + m_aAttributes[index].name;
}

const char* CSkinMarkupNode::AttributeValue(int index) {
    if (!m_pOwner) return nullptr;
    BuildAttributeTable();
    if (index < 0 || index >= m_nAttributes) return "";
    return m_pOwner->m_pText + m_aAttributes[index].value;
}

bool CSkinMarkupNode::FindAttribute(const char* name, char* buffer, int size) {
    if (!m_pOwner || !name) return false;
    BuildAttributeTable();
    for (int i = 0; i < m_nAttributes; ++i) {
        if (strcmp(m_pOwner->m_pText + m_aAttributes[i].name, name) == 0) {
            if (buffer && size > 0)
                strncpy(buffer, m_pOwner->m_pText + m_aAttributes[i].value, static_cast<size_t>(size));
            return true;
        }
    }
    return false;
}

}  // namespace SkinUI
