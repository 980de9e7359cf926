// CSkinPtrArray: a growable array of pointers it does not own.
#pragma once

#include "skinui/core/SkinDefs.h"

namespace SkinUI {

class SKINUI_API CSkinPtrArray {
public:
    explicit CSkinPtrArray(int preallocate = 0);
    CSkinPtrArray(const CSkinPtrArray& other);
    CSkinPtrArray& operator=(const CSkinPtrArray& other);
    ~CSkinPtrArray();

    int Count() const { return m_nCount; }
    int Capacity() const { return m_nCapacity; }
    bool IsEmpty() const { return m_nCount == 0; }
    void Clear();
    // Clears, then holds exactly `count` null entries.
    void ResizeZeroed(int count);

    // False (and nothing changed) only when the memory cannot grow.
    bool Add(void* item);
    bool InsertAt(int index, void* item);
    bool RemoveAt(int index);
    int IndexOf(void* item) const;

    void* At(int index) const;
    void* operator[](int index) const { return m_ppData[index]; }
    void** Data() const { return m_ppData; }

private:
    bool GrowForOneMore();

    void** m_ppData = nullptr;
    int m_nCount = 0;
    int m_nCapacity = 0;
};

}  // namespace SkinUI
