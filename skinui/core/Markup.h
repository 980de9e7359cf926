// CSkinMarkup reads one skin document in place into a flat element table;
// CSkinMarkupNode names one element and reads its attributes.
#pragma once

#include <cstddef>

#include "skinui/core/SkinDefs.h"

namespace SkinUI {

class CSkinMarkup;

class SKINUI_API CSkinMarkupNode {
public:
    static constexpr int kMaxAttributes = 64;

    CSkinMarkupNode() = default;

    bool Exists() const { return m_pOwner != nullptr; }
    CSkinMarkupNode NextSibling() const;
    CSkinMarkupNode FirstChild() const;
    bool HasChild() const;
    // Null for a node that names no element.
    const char* Name() const;

    int AttributeCount();
    bool HasAnyAttribute();
    // The index-th attribute in document order; "" out of range, null when
    // the node names no element.
    const char* AttributeName(int index);
    const char* AttributeValue(int index);
    // Copies at most `size` bytes of the value (not terminated when it is that
    // long: pass a zeroed buffer and its length less one).
    bool FindAttribute(const char* name, char* buffer, int size);

private:
    friend class CSkinMarkup;
    CSkinMarkupNode(CSkinMarkup* owner, int element) : m_pOwner(owner), m_iElement(element) {}
    void BuildAttributeTable();

    struct AttributeOffsets {
        int name;
        int value;
    };

    CSkinMarkup* m_pOwner = nullptr;
    int m_iElement = 0;
    int m_nAttributes = 0;
    AttributeOffsets m_aAttributes[kMaxAttributes];
};

class SKINUI_API CSkinMarkup {
public:
    // Documents nested deeper than this are refused rather than parsed.
    static constexpr int kMaxDepth = 1000;
    enum Encoding { kUtf8 = 0, kUtf16 = 1, kAnsi = 2 };

    CSkinMarkup();
    ~CSkinMarkup();
    CSkinMarkup(const CSkinMarkup&) = delete;
    CSkinMarkup& operator=(const CSkinMarkup&) = delete;

    // Markup already in the ANSI code page.
    bool LoadText(const char* text);
    // 0: UTF-8 (mark optional); 1: UTF-16 with its byte-order mark; other: ANSI.
    bool LoadBytes(const void* bytes, unsigned size, int encoding = kUtf8);
    // From the resource folder or the resource zip.
    bool LoadSkinFile(const char* name, int encoding = kUtf8);
    void Clear();

    // Element 1, or a node that names nothing.
    CSkinMarkupNode Root();

    const char* GetLastErrorMessage() const { return m_szErrorMsg; }
    const char* GetLastErrorLocation() const { return m_szErrorXml; }

private:
    friend class CSkinMarkupNode;
    struct Element {
        int nameOffset;
        int firstChild;
        int nextSibling;
        int parent;
        int dataOffset;
    };

    // A text buffer of at least `length` + 1 bytes, reusing the last one.
    char* TextBuffer(size_t length);
    bool ParseText();
    bool Parse();
    bool Failed(const char* message, const char* location);
    int AddElement(int nameOffset, int parent);

    char* m_pText = nullptr;
    size_t m_nTextCapacity = 0;
    Element* m_pElements = nullptr;
    unsigned m_nElements = 0;
    unsigned m_nReservedElements = 0;
    char m_szErrorMsg[100];
    char m_szErrorXml[50];
};

}  // namespace SkinUI
