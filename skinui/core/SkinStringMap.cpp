// CSkinStringMap: hash of the bytes from last to first, h = h * 33 + byte.
#include "skinui/core/SkinStringMap.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace SkinUI {
namespace {
constexpr int kMinBuckets = 16;
}

CSkinStringMap::CSkinStringMap(int buckets) {
    Resize(buckets < kMinBuckets ? kMinBuckets : buckets);
}

CSkinStringMap::~CSkinStringMap() {
    FreeNodes();
    free(m_aBuckets);
}

unsigned CSkinStringMap::Hash(const char* key) {
    unsigned h = 0;
    for (size_t i = strlen(key); i-- > 0;)
        h = h * 33u + static_cast<unsigned>(static_cast<int>(static_cast<signed char>(key[i])));
    return h;
}

CSkinStringMap::Node* CSkinStringMap::FindNode(const char* key, unsigned& bucket) const {
    if (!key || m_nBuckets <= 0) return nullptr;
    bucket = Hash(key) % static_cast<unsigned>(m_nBuckets);
    for (Node* node = m_aBuckets[bucket]; node; node = node->next) {
        if (strcmp(node->key, key) == 0) return node;
    }
    return nullptr;
}

void* CSkinStringMap::Find(const char* key, bool moveToFront) {
    unsigned bucket = 0;
    Node* node = FindNode(key, bucket);
    if (!node) return nullptr;
    if (moveToFront && node->prev) {
        node->prev->next = node->next;
        if (node->next) node->next->prev = node->prev;
        node->prev = nullptr;
        node->next = m_aBuckets[bucket];
        m_aBuckets[bucket]->prev = node;
        m_aBuckets[bucket] = node;
    }
    return node->value;
}

bool CSkinStringMap::Insert(const char* key, void* value) {
    if (!key || m_nBuckets <= 0) return false;
    unsigned bucket = 0;
    if (FindNode(key, bucket)) return false;
    Node* node = new (std::nothrow) Node{CSkinString(key), value, nullptr, m_aBuckets[bucket]};
    if (!node) return false;
    if (node->next) node->next->prev = node;
    m_aBuckets[bucket] = node;
    ++m_nCount;
    return true;
}

void* CSkinStringMap::Set(const char* key, void* value) {
    unsigned bucket = 0;
    if (Node* node = FindNode(key, bucket)) {
        void* previous = node->value;
        node->value = value;
        return previous;
    }
    Insert(key, value);
    return nullptr;
}

bool CSkinStringMap::Remove(const char* key) {
    unsigned bucket = 0;
    Node* node = FindNode(key, bucket);
    if (!node) return false;
    if (node->prev) node->prev->next = node->next;
    else m_aBuckets[bucket] = node->next;
    if (node->next) node->next->prev = node->prev;
    delete node;
    --m_nCount;
    return true;
}

const char* CSkinStringMap::KeyAt(int index) const {
    if (index < 0) return nullptr;
    int seen = 0;
    for (int b = m_nBuckets - 1; b >= 0; --b) {
        for (Node* node = m_aBuckets[b]; node; node = node->next) {
            if (seen++ == index) return node->key;
        }
    }
    return nullptr;
}

void CSkinStringMap::FreeNodes() {
    for (int b = 0; b < m_nBuckets; ++b) {
        for (Node* node = m_aBuckets[b]; node;) {
            Node* next = node->next;
            delete node;
            node = next;
        }
    }
    m_nCount = 0;
}

void CSkinStringMap::Resize(int buckets) {
    FreeNodes();
    free(m_aBuckets);
    m_aBuckets = nullptr;
    m_nBuckets = 0;
    if (buckets <= 0) return;
    m_aBuckets = static_cast<Node**>(calloc(static_cast<size_t>(buckets), sizeof(Node*)));
    if (m_aBuckets) m_nBuckets = buckets;
}

}  // namespace SkinUI
