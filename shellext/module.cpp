// The library's entry points: the module handle, the lock count, the class factory of
// VantrixMnu and the four exports Explorer and regsvr32 call.
#include "shellext/module.h"

#include "shellext/registration.h"
#include "shellext/vantrix_ids.h"
#include "shellext/vantrix_menu.h"

#include <new>

namespace vantrix {
namespace {

HMODULE g_module = nullptr;
LONG g_locks = 0;  // live objects and factory locks

class ClassFactory : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IClassFactory))
            return E_NOINTERFACE;
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    // One factory lives as long as the library: counting its references is the locks' job.
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        auto* menu = new (std::nothrow) VantrixMenu();
        if (!menu)
            return E_OUTOFMEMORY;
        const HRESULT result = menu->QueryInterface(riid, object);
        menu->Release();  // the caller's reference, when it got one, keeps it alive
        return result;
    }
    STDMETHODIMP LockServer(BOOL lock) override
    {
        if (lock)
            LockModule();
        else
            UnlockModule();
        return S_OK;
    }
};

ClassFactory g_factory;

} // namespace

HMODULE Module() { return g_module; }
void LockModule() { InterlockedIncrement(&g_locks); }
void UnlockModule() { InterlockedDecrement(&g_locks); }
bool ModuleInUse() { return InterlockedCompareExchange(&g_locks, 0, 0) != 0; }

} // namespace vantrix

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        vantrix::g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID classId, REFIID riid, LPVOID* object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(classId, vantrix::kClassId))
        return CLASS_E_CLASSNOTAVAILABLE;
    return vantrix::g_factory.QueryInterface(riid, object);
}

STDAPI DllCanUnloadNow() { return vantrix::ModuleInUse() ? S_FALSE : S_OK; }

STDAPI DllRegisterServer() { return vantrix::Register(); }

STDAPI DllUnregisterServer() { return vantrix::Unregister(); }
