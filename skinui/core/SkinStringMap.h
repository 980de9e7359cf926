// CSkinStringMap: string keys to pointers it does not own, chained buckets.
#pragma once

#include "skinui/core/SkinDefs.h"
#include "skinui/core/SkinString.h"

namespace SkinUI {

class SKINUI_API CSkinStringMap {
public:
    explicit CSkinStringMap(int buckets = 83);
    ~CSkinStringMap();
    CSkinStringMap(const CSkinStringMap&) = delete;
    CSkinStringMap& operator=(const CSkinStringMap&) = delete;

    // The value, or null. With `moveToFront` a found entry moves to the head
    // of its chain.
    void* Find(const char* key, bool moveToFront = false);
    // False when the key is there already (its value stays).
    bool Insert(const char* key, void* value);
    // Replaces and returns the previous value, or inserts and returns null.
    void* Set(const char* key, void* value);
    bool Remove(const char* key);
    int Count() const { return m_nCount; }
    // Entries from the last bucket to the first, each chain from its head;
    // null past the end.
    const char* KeyAt(int index) const;
    // Empties the map and makes `buckets` new buckets.
    void Resize(int buckets);

    int BucketCount() const { return m_nBuckets; }
    static unsigned Hash(const char* key);

private:
    struct Node {
        CSkinString key;
        void* value;
        Node* prev;
        Node* next;
    };
    Node* FindNode(const char* key, unsigned& bucket) const;
    void FreeNodes();

    Node** m_aBuckets = nullptr;
    int m_nBuckets = 0;
    int m_nCount = 0;
};

}  // namespace SkinUI
