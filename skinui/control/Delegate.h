// Handler lists attached to a control's events: a delegate binds an object's
// member function taking an untyped pointer and returning bool.
#pragma once

#include "skinui/core/SkinDefs.h"
#include "skinui/core/SkinPtrArray.h"

namespace SkinUI {

class SKINUI_API CDelegateBase {
public:
    CDelegateBase(void* object, void* function) : m_pObject(object), m_pFunction(function) {}
    CDelegateBase(const CDelegateBase& other) = default;
    virtual ~CDelegateBase() = default;
    virtual CDelegateBase* Copy() const = 0;
    virtual bool Invoke(void* param) = 0;

    bool Equals(const CDelegateBase& other) const {
        return m_pObject == other.m_pObject && m_pFunction == other.m_pFunction;
    }

protected:
    void* TargetObject() const { return m_pObject; }
    void* TargetFunction() const { return m_pFunction; }

private:
    void* m_pObject;
    void* m_pFunction;
};

// Binds O::method(void*) -> bool; T names the class the method is declared in.
template <class O, class T>
class CDelegate : public CDelegateBase {
public:
    using Method = bool (T::*)(void*);
    CDelegate(O* object, Method method)
        : CDelegateBase(object, MethodKey(method)), m_pObject(object), m_method(method) {}
    CDelegateBase* Copy() const override { return new CDelegate(*this); }
    bool Invoke(void* param) override { return (m_pObject->*m_method)(param); }

private:
    // A word that identifies the method, for equality of delegates.
    static void* MethodKey(Method method) {
        void* key = nullptr;
        static_assert(sizeof(method) >= sizeof(key), "member pointer holds a word");
        __builtin_memcpy(&key, &method, sizeof(key));
        return key;
    }

    O* m_pObject;
    Method m_method;
};

template <class O, class T>
CDelegate<O, T> MakeDelegate(O* object, bool (T::*method)(void*)) {
    return CDelegate<O, T>(object, method);
}

// Owns copies of the delegates added to it.
class SKINUI_API CDelegateList {
public:
    CDelegateList() = default;
    ~CDelegateList();
    CDelegateList(const CDelegateList&) = delete;
    CDelegateList& operator=(const CDelegateList&) = delete;

    // Nothing when an equal delegate is there already.
    void Add(const CDelegateBase& delegate);
    void Remove(const CDelegateBase& delegate);
    CDelegateList& operator+=(const CDelegateBase& delegate) {
        Add(delegate);
        return *this;
    }
    // Each in order until one returns false; true when all agree or none is there.
    bool Invoke(void* param);
    bool HasHandlers() const { return !m_aDelegates.IsEmpty(); }
    int Count() const { return m_aDelegates.Count(); }

private:
    CSkinPtrArray m_aDelegates;
};

}  // namespace SkinUI
