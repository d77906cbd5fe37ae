// A shell component that refuses to register: DllRegisterServer answers 1.
// Component.def exports its entry points.
#include "toolkit/Win.h"

extern "C" HRESULT __stdcall DllRegisterServer() { return 1; }
extern "C" HRESULT __stdcall DllUnregisterServer() { return S_OK; }
