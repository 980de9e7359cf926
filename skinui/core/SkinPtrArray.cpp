// CSkinPtrArray: capacity 11 at first, doubled when the count would reach it.
#include "skinui/core/SkinPtrArray.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace SkinUI {
namespace {
constexpr int kFirstCapacity = 11;
}

CSkinPtrArray::CSkinPtrArray(int preallocate) {
    if (preallocate > 0) {
        m_ppData = static_cast<void**>(malloc(sizeof(void*) * static_cast<size_t>(preallocate)));
        if (m_ppData) m_nCapacity = preallocate;
    }
}

CSkinPtrArray::CSkinPtrArray(const CSkinPtrArray& other) {
    for (int i = 0; i < other.m_nCount; ++i) Add(other.m_ppData[i]);
}

CSkinPtrArray& CSkinPtrArray::operator=(const CSkinPtrArray& other) {
    if (this != &other) {
        Clear();
        for (int i = 0; i < other.m_nCount; ++i) Add(other.m_ppData[i]);
    }
    return *this;
}

CSkinPtrArray::~CSkinPtrArray() {
    free(m_ppData);
}

void CSkinPtrArray::Clear() {
    free(m_ppData);
    m_ppData = nullptr;
    m_nCount = 0;
    m_nCapacity = 0;
}

void CSkinPtrArray::ResizeZeroed(int count) {
    Clear();
    if (count <= 0) return;
    m_ppData = static_cast<void**>(calloc(static_cast<size_t>(count), sizeof(void*)));
    if (!m_ppData) return;
    m_nCount = count;
    m_nCapacity = count;
}

bool CSkinPtrArray::GrowForOneMore() {
    if (m_nCount + 1 < m_nCapacity) return true;
    if (m_nCapacity > INT_MAX / 2) return false;
    const int capacity = m_nCapacity == 0 ? kFirstCapacity : m_nCapacity * 2;
    void** data = static_cast<void**>(realloc(m_ppData, sizeof(void*) * static_cast<size_t>(capacity)));
    if (!data) return false;
    m_ppData = data;
    m_nCapacity = capacity;
    return true;
}

bool CSkinPtrArray::Add(void* item) {
    if (!GrowForOneMore()) return false;
    m_ppData[m_nCount++] = item;
    return true;
}

bool CSkinPtrArray::InsertAt(int index, void* item) {
    if (index == m_nCount) return Add(item);
    if (index < 0 || index > m_nCount) return false;
    if (!GrowForOneMore()) return false;
    memmove(&m_ppData[index + 1], &m_ppData[index], sizeof(void*) * static_cast<size_t>(m_nCount - index));
    m_ppData[index] = item;
    ++m_nCount;
    return true;
}

bool CSkinPtrArray::RemoveAt(int index) {
    if (index < 0 || index >= m_nCount) return false;
    if (index < m_nCount - 1)
        memmove(&m_ppData[index], &m_ppData[index + 1],
                sizeof(void*) * static_cast<size_t>(m_nCount - index - 1));
    --m_nCount;
    return true;
}

int CSkinPtrArray::IndexOf(void* item) const {
    for (int i = 0; i < m_nCount; ++i) {
        if (m_ppData[i] == item) return i;
    }
    return -1;
}

void* CSkinPtrArray::At(int index) const {
    return (index >= 0 && index < m_nCount) ? m_ppData[index] : nullptr;
}

}  // namespace SkinUI
