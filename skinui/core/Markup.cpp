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

namespace SkinUI {
namespace {

enum : uint8_t { kSpace = 1, kNameChar = 2, kLeadByte = 4 };

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
    }
    static const ByteClasses& Get() {
        static const ByteClasses classes;
        return classes;
    }
};

inline uint8_t ClassOf(const uint8_t* of, const char* p) {
    return of[static_cast<unsigned char>(*p)];
}

inline void SkipSpace(const uint8_t* of, char*& p) {
    while (ClassOf(of, p) & kSpace) ++p;
}

inline void SkipName(const uint8_t* of, char*& p) {
    while (ClassOf(of, p) & kNameChar) ++p;
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

// Decodes the five named entities in place from `p` (at '&'); returns false
// when `p` starts no entity. `w` is the write position.
bool DecodeEntity(char*& p, char*& w) {
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
            *w++ = entity.value;
            p += entity.length;
            return true;
        }
    }
    return false;
}

struct Frame {
    int enclosing;  // element whose content this is, 0 at the document level
    int previous;   // last element started at this level, 0 for none
};

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
    free(m_pElements);
    m_pElements = nullptr;
    m_nElements = 0;
    m_nReservedElements = 0;
}

CSkinMarkupNode CSkinMarkup::Root() {
    if (m_nElements < 2) return CSkinMarkupNode();
    return CSkinMarkupNode(this, 1);
}

bool CSkinMarkup::LoadText(const char* text) {
    Clear();
    if (!text) text = "";
    const size_t length = strlen(text);
    char* copy = static_cast<char*>(malloc(length + 1));
    if (!copy) return Failed("Error opening file", nullptr);
    memcpy(copy, text, length + 1);
    return TakeText(copy);
}

bool CSkinMarkup::LoadBytes(const void* bytes, unsigned size, int encoding) {
    Clear();
    const unsigned char* in = static_cast<const unsigned char*>(bytes);
    if (!in) size = 0;
    char* text = nullptr;

    if (encoding == kUtf8 || encoding == kUtf16) {
        std::vector<wchar_t> wide;
        if (encoding == kUtf8) {
            if (size >= 3 && in[0] == 0xEF && in[1] == 0xBB && in[2] == 0xBF) {
                in += 3;
                size -= 3;
            }
            const int units = size ? MultiByteToWideChar(CP_UTF8, 0, reinterpret_cast<const char*>(in),
                                                         static_cast<int>(size), nullptr, 0)
                                   : 0;
            wide.resize(static_cast<size_t>(units));
            if (units > 0)
                MultiByteToWideChar(CP_UTF8, 0, reinterpret_cast<const char*>(in),
                                    static_cast<int>(size), wide.data(), units);
        } else {
            const bool little = size >= 2 && in[0] == 0xFF && in[1] == 0xFE;
            const bool big = size >= 2 && in[0] == 0xFE && in[1] == 0xFF;
            if (!little && !big) return false;
            wide.resize(size / 2 - 1);
            for (size_t i = 0; i < wide.size(); ++i) {
                const unsigned char* unit = in + 2 + 2 * i;
                wide[i] = static_cast<wchar_t>(little ? unit[0] | (unit[1] << 8) : (unit[0] << 8) | unit[1]);
            }
        }
        const int units = static_cast<int>(wide.size());
        const int length = units ? WideCharToMultiByte(CP_ACP, 0, wide.data(), units, nullptr, 0,
                                                       nullptr, nullptr)
                                 : 0;
        text = static_cast<char*>(malloc(static_cast<size_t>(length) + 1));
        if (!text) return Failed("Error opening file", nullptr);
        if (length > 0)
            WideCharToMultiByte(CP_ACP, 0, wide.data(), units, text, length, nullptr, nullptr);
        text[length] = '\0';
    } else {
        text = static_cast<char*>(malloc(static_cast<size_t>(size) + 1));
        if (!text) return Failed("Error opening file", nullptr);
        if (size) memcpy(text, in, size);
        text[size] = '\0';
    }
    return TakeText(text);
}

bool CSkinMarkup::LoadSkinFile(const char* name, int encoding) {
    Clear();
    m_szErrorMsg[0] = '\0';
    m_szErrorXml[0] = '\0';
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

bool CSkinMarkup::TakeText(char* text) {
    m_pText = text;
    m_szErrorMsg[0] = '\0';
    m_szErrorXml[0] = '\0';
    if (!Parse()) {
        Clear();
        return false;
    }
    return true;
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

    // Open elements' names are terminated when they are done with (or left
    // open at the end): the byte after a name is still needed until then.
    auto terminateName = [&](int element) {
        char* name = text + m_pElements[element].nameOffset;
        SkipName(of, name);
        *name = '\0';
    };
    auto finishAtEnd = [&](const std::vector<Frame>& open) {
        for (size_t i = open.size(); i-- > 1;) terminateName(open[i].enclosing);
        return true;
    };

    std::vector<Frame> stack;
    stack.reserve(32);
    stack.push_back(Frame{0, 0});

    for (;;) {
        Frame& frame = stack.back();
        SkipSpace(of, p);
        if (!*p) {
            if (frame.enclosing <= 1) return finishAtEnd(stack);
            return Failed("Expected start tag", p);
        }
        if (*p != '<') return Failed("Expected start tag", p);

        if (p[1] == '/') {
            // The closing tag of the enclosing element.
            const int element = frame.enclosing;
            if (element == 0) return finishAtEnd(stack);
            p += 2;
            SkipSpace(of, p);
            const char* name = text + m_pElements[element].nameOffset;
            const char* nameEnd = name;
            while (ClassOf(of, nameEnd) & kNameChar) ++nameEnd;
            const size_t nameLength = static_cast<size_t>(nameEnd - name);
            if (strncmp(p, name, nameLength) != 0) return Failed("Unmatched closing tag", p);
            p += nameLength;
            SkipSpace(of, p);
            if (*p != '>') return Failed("Unmatched closing tag", *p ? p + 1 : p);
            ++p;
            terminateName(element);
            stack.pop_back();
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
        const int element = AddElement(static_cast<int>(p - text), frame.enclosing);
        if (element < 0) return Failed("Error opening file", nullptr);
        if (frame.previous) m_pElements[frame.previous].nextSibling = element;
        else m_pElements[frame.enclosing].firstChild = element;
        frame.previous = element;

        char* name = p;
        SkipName(of, p);
        if (!*p) return Failed("Error parsing element name", name);

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
            char* w = p;
            for (;;) {
                const char c = *p;
                if (c == '"') break;
                if (!c) return Failed("Error while parsing attribute string", value);
                if (c == '&' && DecodeEntity(p, w)) continue;
                if ((ClassOf(of, p) & kLeadByte) && p[1]) {
                    if (w != p) {
                        w[0] = p[0];
                        w[1] = p[1];
                    }
                    w += 2;
                    p += 2;
                } else {
                    if (w != p) *w = c;
                    ++w;
                    ++p;
                }
            }
            // Terminate the value; bytes freed by decoding become spaces.
            if (w != p) memset(w + 1, ' ', static_cast<size_t>(p - w));
            *w = '\0';
            ++p;
            SkipSpace(of, p);
        }

        SkipSpace(of, p);
        if (p[0] == '/' && p[1] == '>') {
            m_pElements[element].dataOffset = static_cast<int>(p - text);
            p += 2;
            terminateName(element);
            continue;
        }
        if (*p != '>') return Failed("Expected start-tag closing", p);
        ++p;
        m_pElements[element].dataOffset = static_cast<int>(p - text);

        // Character data up to the next '<'.
        while (*p && *p != '<') Step(of, p);
        if (!*p) {
            if (frame.enclosing <= 1) {
                terminateName(element);
                return finishAtEnd(stack);
            }
            return Failed("Expected end-tag start", p);
        }
        // The element's content (children, or directly its closing tag).
        if (static_cast<int>(stack.size()) > kMaxDepth)
            return Failed("Element nesting too deep", name);
        stack.push_back(Frame{element, 0});
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
