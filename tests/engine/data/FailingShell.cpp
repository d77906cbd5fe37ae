// A shell component that refuses to register: DllRegisterServer answers 1.
#include "toolkit/Win.h"

extern "C" __declspec(dllexport) HRESULT __stdcall DllRegisterServer() { return 1; }
