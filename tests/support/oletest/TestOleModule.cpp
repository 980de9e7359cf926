// SkinUITestOle.dll: serves one windowless test object through
// DllGetClassObject only, so an element can reach it only by module name.
#include <windows.h>
#include <ole2.h>

#include "tests/support/TestOleObjects.h"

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (clsid != testsupport::kClsidModuleObject) return CLASS_E_CLASSNOTAVAILABLE;
    auto* factory = new testsupport::TestObjectFactory(testsupport::TestObjectOptions{}, false);
    const HRESULT hr = factory->QueryInterface(riid, ppv);
    factory->Release();
    return hr;
}
